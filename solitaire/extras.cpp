#include "solitaire/extras.h"
#include "presentation/effects.h"
#include "presentation/sound.h"
#include "shell/buttons.h"
#include "shell/gfx.h"
#include "shell/menu.h"
#include "shell/profiles.h"
#include "shell/state.h"
#include "solitaire/cards.h"
#include "solitaire/game.h"
#include "solitaire/points.h"
#include "solitaire/state.h"
#include "solitaire/stock.h"
#include "solitaire/table.h"
#include "solitaire/tutorial.h"
#include "text/fonts.h"
#include "text/texts.h"
#include <algorithm>
#include <cmath>

namespace {

constexpr double degree = 3.14159265358979323846 / 180.0;

// The item bar: its picture's centre and the top-left corners of the three slots.
constexpr int itembarx = 171;
constexpr int itembarup = 40;                           // centre this far above the bottom
constexpr int itemslotx[itembarslots + 1] = {0, 19, 121, 223};
constexpr int itemslotup = 166;                         // slots' top this far above the bottom

// The plant bar: plants 1..8 sit on an arc; each centre is (screenw - dx + 47, screenh - dy + 62).
constexpr int plantdx[plantcount + 1] = {0, 386, 341, 296, 251, 200, 156, 116, 71};
constexpr int plantdy[plantcount + 1] = {0, 97, 117, 127, 127, 137, 127, 117, 97};
constexpr int plantbarleft = 246, plantbarup = 57;     // flowerbar.png centre from the right and bottom
constexpr int plantrimleft = 185, plantrimup = 27;     // flowerbar2.png centre
constexpr int planttipleft = 346, planttipup = 107;    // the plant bar's tooltip area starts here

// Tooltips: the pointer rests this long before the panel fades in.
constexpr int tooltipwait = 100;
constexpr float tooltipfade = 0.05f;

// Sudden strike: when cards explode.
constexpr int strikesound = 2;           // the mode's sound and the music's end
constexpr int strikefirst = 51, strikeslowlast = 149;  // one card in 30 explodes per frame
constexpr int strikefastfirst = 151;     // then one in 15
constexpr int strikeall = 200;           // every card left goes at once
constexpr int strikeshake = 20;
// New stable: the stock leaves, refills and comes back.
constexpr int newstableout = 49;    // frames the stock drops
constexpr int newstablerefill = 50;
constexpr int newstableend = 90;
// Random extra and double suns act at this frame; the joker lasts this long.
constexpr int randomact = 50;
constexpr int sunsact = 50;
constexpr int jokerframes = 200;
constexpr int coverturnbase = 30;   // an extra turns a covered card after 30 - 2 x depth frames

// What the random extra picks, by Rand(1, 9).
constexpr int randompick[10] = {0,
                                ITEM_FISHSLAP,     ITEM_ZOMBIEKILLER, ITEM_ZOMBIEBLASTER,
                                ITEM_TURNALLUP,    ITEM_MAXBONUS,     ITEM_SUDDENSTRIKE,
                                ITEM_JOKER,        ITEM_DOUBLESUNS,   ITEM_NEWSTABLE};

bool playerok() { return player >= 1 && player < playerslots; }

// A bar click may start a flight only when nothing else moves onto the stable.
bool extraclickok() {
  const int p = player;
  return inputok == 1 && popuplevel == 0 && pausesign == -1 && gamestat == GAME_PLAY && movetime[p] == 0 &&
         drawtime[p] == 20 && drawrequest == 0 && !extraflying() && !blockingmode();
}

// Moves a flight one frame on: from (x0, y0) to the stable in 15 frames.
void flightstep(int t, float x0, float y0) {
  extraflyx = std::trunc(t * (stablex - x0) / extraflightframes + x0);
  extraflyy = std::trunc(t * (stabley - y0) / extraflightframes + y0);
}

// The glow that pulses on the stable while an aiming item waits.
void aimglow() {
  float a = GetAlpha();
  SetBlend(BLEND_LIGHT);
  SetAlpha(a * float(std::fabs(std::sin(4 * framecount * degree))));
  if (extraglowimg) drawimg(extraglowimg, stablex + 48, stabley + 71);
  SetAlpha(a);
  SetBlend(BLEND_ALPHA);
}

bool insidedrawn(int slot) {
  const int p = player;
  float left = cardposx[p][slot] + xshift, top = cardposy[p][slot];
  return mousex > left && mousex < left + cardw && mousey > top && mousey < top + cardh;
}

bool aimclick() { return mousehit1 == 1 && popuplevel == 0 && pausesign == -1 && fadestate == 1; }

// Feathers of freed birds or pieces of freed fruit.
void coverbits(int cover, float x, float y, int count) {
  for (int i = 0; i < count; i++) {
    if (cover == 1) addeffect(x, y, EFF_BIRDFEATHERS, 0.3f * Rand(-50, 50), 0.3f * Rand(-50, 20));
    else addeffect(x, y, EFF_FRUIT, 0.2f * Rand(-50, 50), 0.2f * Rand(-50, 0));
  }
}

// Every card under this animal's cover starts to turn (deeper cards first).
void freecovers(int animal) {
  const int p = player;
  for (int s = 1; s <= cardcount; s++) {
    if (cardvalue[p][s] <= 0 || cardcover[p][s] != animal) continue;
    cardturn[p][s] = std::max(coverturnbase - 2 * carddepth[p][s], 2);
    coverbits(animal, cardx[p][s] + xshift + 48, cardy[p][s] + 71, 3);
  }
}

// One card shot off the table by the zombie killer or the zombie blaster: it pays its own
// points and whatever it held.
void shootcard(int slot) {
  const int p = player;
  float x = cardposx[p][slot] + 48, y = cardposy[p][slot] + 71;
  addpoints(5, x + xshift, y, 1, 0, AWARD_SPECIAL);
  cardburst(int(x), int(y));
  int v = cardvalue[p][slot], param = cardparam[p][slot];
  if (v == CARD_PLANT && param >= 1 && param <= plantcount) plants[p][param] = 1;
  if (v == CARD_BONUS) {
    if (param == 1 || param == 2) addpoints(50, x + xshift, y, 1, 0, AWARD_BONUS);
    if (param == 2) addpoints(50, x + xshift, y, 1, 0, AWARD_BONUS);
    if (param == 3) {
      bigburst(int(x + xshift), int(y));
      pointsfactor[p] = 2;
      addpoints(25, x + xshift, y, 1, 0, AWARD_BONUS);
    }
  }
  if (v == CARD_ANIMAL) freecovers(param);
  cardvalue[p][slot] = CARD_NONE;
  int c = cardcolumn[p][slot];
  if (c >= 1 && c <= tablecolumns) columncount[p][c]--;
}

// True while the table still offers the zombie killer something to aim at, now or once a
// card that is turning shows its face.
bool killerhastarget() {
  const int p = player;
  for (int s = 1; s <= cardcount; s++) {
    if (cardcandidate(s)) return true;
    if (cardvalue[p][s] > 0 && cardfree[p][s] == 1 && cardturn[p][s] > 1 && cardautoturn[p][s] == 1) return true;
  }
  return movingcard != 0 || gamestat == GAME_DEAL;
}

// An aiming item that finds nothing to aim at goes back to the bar; the stable is as before.
void giveback(int item) {
  const int p = player;
  for (int s = 1; s <= itembarslots; s++)
    if (extraslots[p][s] == 0) {
      extraslots[p][s] = item;
      break;
    }
  stableid[p] = aimprevstable;
  stablerank[p] = aimprevrank;
  Print("item " + std::to_string(item) + " has nothing to aim at and goes back to the bar");
}

}  // namespace

void returnaimingitem() {
  if (!playerok() || (killermode == 0 && blastermode == 0)) return;
  int item = killermode > 0 ? ITEM_ZOMBIEKILLER : ITEM_ZOMBIEBLASTER;
  killermode = blastermode = 0;
  giveback(item);
}

namespace {

void drawtooltippanel() {
  int i = tooltipid;
  float x = mousex > midx ? mousex - 220 : mousex + 240;
  float y = std::min(mousey + 10, screenh - 50);
  float a = GetAlpha();
  SetAlpha(a * tooltipalpha);
  drawimg(quickhelpsign, x, y);
  const float lineys[4] = {-40, -10, 7, 24};
  for (int l = 0; l < 4; l++) drawtext(menutext(28, 4 * i - 3 + l), x, y + lineys[l], ALIGN_CENTRE, 7);
  SetAlpha(a);
}

}  // namespace

int itempicture(int item) { return item >= 1 && item <= itemkinds ? itemidentity[item] - 123 : 0; }

bool blockingmode() {
  return strikemode > 0 || newstablemode > 0 || killermode > 0 || blastermode > 0 || turnupmode > 0 ||
         randommode > 0 || sunsmode > 0;
}

bool extraflying() {
  for (int k = 1; k <= extramodecount; k++)
    if (plantfly[k] > 0 || itemfly[k] > 0) return true;
  return false;
}

void startplantearn(int k) {
  if (k >= 1 && k <= plantcount && plantearn[k] == 0) plantearn[k] = 1;
}

void useitem(int item) {
  if (!playerok() || item < 1 || item > itemkinds) return;
  const int p = player;
  float sx = stablex + 48;
  aimprevstable = stableid[p];
  aimprevrank = stablerank[p];
  stableid[p] = itemidentity[item];
  stablerank[p] = RANK_NONE;  // no card fits an item until it is done
  switch (item) {
    case ITEM_FISHSLAP: PlayS(SFX_BFGSLAP, sx); break;  // the stable is wild now
    case ITEM_ZOMBIEKILLER:
      killermode = 1;
      PlayS(SFX_SHOTGUN1, sx);
      break;
    case ITEM_TURNALLUP: turnupmode = 1; break;
    case ITEM_ZOMBIEBLASTER:
      blastermode = 1;
      PlayS(SFX_BOWLING1, sx);
      break;
    case ITEM_MAXBONUS:
      noterun(12);
      drawfromstock();
      break;
    case ITEM_NEWSTABLE: newstablemode = 1; break;
    case ITEM_JOKER:
      jokermode = 1;
      PlayS(SFX_JOKER, sx);
      break;
    case ITEM_RANDOMEXTRA:
      randommode = 1;
      PlayS(SFX_RANDOMEXTRA, sx);
      break;
    case ITEM_DOUBLESUNS: sunsmode = 1; break;
    case ITEM_SUDDENSTRIKE: strikemode = 1; break;
  }
}

void resumeitemwork() {
  if (!playerok()) return;
  const int p = player;
  int id = stableid[p];
  // An item whose work ended (or that waits for nothing) left the stable with its own picture
  // under it as well: drawfromstock moved it there. One still at work lies over another card.
  if (id < STABLE_ITEMFIRST || id > STABLE_ITEMLAST || stableunder[p] == id) return;
  int item = 0;
  for (int i = 1; i <= itemkinds; i++)
    if (itemidentity[i] == id) item = i;
  int under = stableunder[p];
  aimprevstable = under;
  aimprevrank = under >= 1 && under <= cardcount ? identityrank(under)
                : under > STABLE_PLANT && under <= STABLE_PLANT + plantcount ? under - STABLE_PLANT
                                                                               : RANK_NONE;
  switch (item) {
    case ITEM_ZOMBIEKILLER: killermode = 1; break;
    case ITEM_ZOMBIEBLASTER: blastermode = 1; break;
    case ITEM_TURNALLUP: turnupmode = 1; break;
    case ITEM_NEWSTABLE: newstablemode = 1; break;
    case ITEM_JOKER: jokermode = 1; break;
    case ITEM_RANDOMEXTRA: randommode = 1; break;
    case ITEM_DOUBLESUNS: sunsmode = 1; break;
    case ITEM_SUDDENSTRIKE: strikemode = 1; break;
    default: return;  // the fish and the max bonus have no work that lasts
  }
  Print("stored game: item " + std::to_string(item) + " takes up its work again");
}

void drawitembar() {
  itemsheld = 0;
  if (!playerok()) return;
  const int p = player;
  bool usable = false;
  drawimg(extrabarimg, itembarx, screenh - itembarup);
  for (int s = 1; s <= itembarslots; s++) {
    int item = extraslots[p][s];
    if (item < 1 || item > itemkinds) {
      itemfly[s] = 0;
      continue;
    }
    float sx = itemslotx[s], sy = screenh - itemslotup;
    const Image& pic = itemimg[itempicture(item)];
    bool hover = itemfly[s] == 0 && collimg && ImagesCollide(faceimg[1], sx, sy, 0, collimg, mousex, mousey, 0);
    bool active = hover && inputok == 1 && popuplevel == 0 && gamestat == GAME_PLAY;
    if (active) tooltipid = item + 1;
    if (itemfly[s] > 0) {
      usable = true;
      itemfly[s]++;
      flightstep(itemfly[s], sx, sy);
      drawimg(pic, extraflyx, extraflyy);
      if (itemfly[s] >= extraflightframes) {
        itemfly[s] = 0;
        extraslots[p][s] = 0;  // the item is spent only when it lands
        useitem(item);
        extraburst(stablex + 48, stabley + 71);
      }
      continue;
    }
    if (active && mousehit1 == 1 && mouseheld1 == 1 && extraclickok()) {
      mousehit1 = 0;
      itemfly[s] = 1;
      combo++;
      addpoints(5, sx + 48, sy + 71, 1, 0, AWARD_SPECIAL);
      PlayS(SFX_EXTRASELECT, sx + 48);
    }
    drawimg(pic, sx, sy);
    if (item != ITEM_MAXBONUS && item != ITEM_DOUBLESUNS) usable = true;
    if (active) drawimg(cardglowimg, sx - 2, sy - 2);
  }
  itemsheld = usable ? 1 : 0;
}

void itemslotcentre(int s, float& x, float& y) {
  s = std::clamp(s, 1, itembarslots);
  x = float(itemslotx[s] + cardw / 2);
  y = float(screenh - itemslotup + cardh / 2);
}

void plantcentre(int k, float& x, float& y) {
  k = std::clamp(k, 1, plantcount);
  x = float(screenw - plantdx[k] + 47);
  y = float(screenh - plantdy[k] + 62);
}

void drawplantbar() {
  plantsheld = 0;
  if (!playerok()) return;
  const int p = player;
  float a = GetAlpha();
  drawimg(flowerbarimg, screenw - plantbarleft, screenh - plantbarup);
  for (int k = plantcount; k >= 1; k--) {
    float x = screenw - plantdx[k] + 47, y = screenh - plantdy[k] + 62;
    if (plantfly[k] > 0) {
      // The solitaire-set plant flies from over the bar plant to the stable.
      plantfly[k]++;
      flightstep(plantfly[k], x - cardw / 2, y - cardh / 2);
      drawimg(solplantimg[k], extraflyx, extraflyy);
      if (plantfly[k] >= extraflightframes) {
        plantfly[k] = 0;
        stableid[p] = STABLE_PLANT + k;
        stablerank[p] = k;
        plants[p][k] = 0;
      }
    } else if (plants[p][k] > 0) {
      plantsheld = 1;
      bool hover = coll2img && ImagesCollide(barplantimg[k], x, y, 0, coll2img, mousex, mousey, 0);
      bool active = hover && nomoves == 0 && gamestat == GAME_PLAY && inputok == 1;
      if (active) {
        setdrawstate(float(framecount * 3), 1, 1, BLEND_LIGHT, a);
        drawimg(gloimg[3], x, y);
        setdrawstate(0, 1, 1, BLEND_ALPHA, a);
        if (mousehit1 == 1 && mouseheld1 == 1 && extraclickok()) {
          mousehit1 = 0;
          PlayS(SFX_TURNUP, x);
          plantfly[k] = 1;
          combo++;
          addpoints(5, x, y, 1, 0, AWARD_SPECIAL);
        }
      }
      drawimg(barplantimg[k], x, y);
      if (active) {
        SetBlend(BLEND_LIGHT);
        drawimg(barplantimg[k], x, y);
        SetBlend(BLEND_ALPHA);
      }
    }
    if (plantearn[k] > 0) {
      int t = plantearn[k];
      if (t == 1) {
        PlayS(SFX_GLITTER, x);
        PlayS(SFX_EARNPLANT, x);
      }
      plantearn[k]++;
      addeffect(x + Rand(-30, 30), y + Rand(-30, 30), EFF_SPARKLE, 0, 0);
      float s = std::max(1.0f, 2 - 0.04f * t);
      setdrawstate(0, s, s, BLEND_LIGHT, a);
      drawimg(barplantimg[k], x, y);
      setdrawstate(0, 1, 1, BLEND_ALPHA, a);
      if (plantearn[k] == plantearnhold) plants[p][k] = 1;  // once: a plant used while it glows is gone
      if (plantearn[k] >= plantearnframes) plantearn[k] = 0;
    }
  }
  drawimg(flowerbar2img, screenw - plantrimleft, screenh - plantrimup);
  if (mousex > screenw - planttipleft && mousey > screenh - planttipup) tooltipid = 1;
}

void drawtooltip() {
  if (mousemoved == 1) tooltipid = 0;
  bool covered = endtime > 0 || popuplevel > 0 || tutorialframe > 0;
  if (tooltipid == 0 || covered) {
    tooltiptime = 0;
    tooltipalpha = 0;
    return;
  }
  tooltiptime++;
  if (tooltiptime <= tooltipwait) return;
  tooltipalpha = std::min(1.0f, tooltipalpha + tooltipfade);
  drawtooltippanel();
}

void strikeframe() {
  if (!playerok()) return;
  const int p = player;
  int t = ++strikemode;
  if (t == strikesound) {
    PlayS(SFX_SUDDENSTRIKE, midx);
    stopmusic();
  }
  for (int s = 1; s <= cardcount; s++)
    if (cardvalue[p][s] > 0 && s != movingcard) cardshake[p][s] = strikeshake;
  for (int s = 1; s <= cardcount; s++) {
    if (cardvalue[p][s] <= 0 || s == movingcard) continue;
    bool blow = (t >= strikefirst && t <= strikeslowlast && Rand(1, 30) == 1) ||
                (t >= strikefastfirst && Rand(1, 15) == 1) || t == strikeall;
    if (!blow) continue;
    float x = cardposx[p][s] + 48, y = cardposy[p][s] + 71;
    addpoints(5, x + xshift, y, 1, 0, AWARD_SPECIAL);
    cardburst(int(x), int(y));
    cardvalue[p][s] = CARD_NONE;
    int c = cardcolumn[p][s];
    if (c >= 1 && c <= tablecolumns) columncount[p][c]--;
  }
}

void newstableframe() {
  if (!playerok()) return;
  const int p = player;
  int t = ++newstablemode;
  if (t <= newstableout) {
    stocky += std::max(1, int((screenh + 20 - stocky) * 0.05));
    if (t == 2) PlayS(SFX_TURNUP, midx);
  } else if (t == newstablerefill) {
    for (int id = 1; id <= cardcount; id++)
      if (deckstate[p][id] == 2) deckstate[p][id] = 0;
    stock[p] = stockstart[p];
    dealcount[p]++;
  } else {
    // Back up, at least a pixel a frame so it settles exactly in place.
    int d = stocky - stockplayy;
    if (d > 0) stocky -= std::max(1, int(d * 0.2));
    if (t == 52) PlayS(SFX_TURNDOWN, midx);
  }
  addeffect(midx - 130 + Rand(1, 260), stocky + Rand(1, 120), EFF_SPARKLE, 0, 0);
  if (framecount % 8 == 0 && t < 60) PlayS(SFX_GLITTER, midx);
  if (t >= newstableend) {
    newstablemode = 0;
    stocky = stockplayy;
    drawfromstock();
  }
}

void killerframe() {
  if (!playerok()) return;
  const int p = player;
  aimglow();
  if (!killerhastarget()) {
    killermode = 0;
    giveback(ITEM_ZOMBIEKILLER);
    return;
  }
  int target = 0;
  for (int s = 1; s <= cardcount && target == 0; s++)
    if (cardcandidate(s) && insidedrawn(s)) target = s;
  if (target == 0) return;
  cardshake[p][target] = std::max(cardshake[p][target], 10);
  if (!aimclick()) return;
  mousehit1 = 0;
  PlayS(SFX_SHOTGUN2, mousex);
  PlayS(SFX_KILLEDZOMBIE, mousex);
  killermode = 0;
  shootcard(target);
  drawfromstock();
}

void blasterframe() {
  if (!playerok()) return;
  const int p = player;
  aimglow();
  int column = 0;
  for (int s = 1; s <= cardcount && column == 0; s++)
    if (cardvalue[p][s] > 0 && cardfree[p][s] == 1 && s != movingcard && insidedrawn(s)) column = cardcolumn[p][s];
  if (column == 0) return;
  for (int s = 1; s <= cardcount; s++)
    if (cardvalue[p][s] > 0 && cardcolumn[p][s] == column && s != movingcard)
      cardshake[p][s] = std::max(cardshake[p][s], 10);
  if (!aimclick()) return;
  mousehit1 = 0;
  PlayS(SFX_SHOTGUN2, mousex);
  PlayS(SFX_KILLEDZOMBIE, mousex);
  for (int s = 1; s <= cardcount; s++)
    if (cardvalue[p][s] > 0 && cardcolumn[p][s] == column && s != movingcard) shootcard(s);
  PlayS(SFX_BOWLING3, mousex);
  blastermode = 0;
  drawfromstock();
}

void turnupframe() {
  if (!playerok()) return;
  const int p = player;
  PlayS(SFX_TURNALLUP, midx);
  for (int s = 1; s <= cardcount; s++) {
    if (cardvalue[p][s] <= 0) continue;
    if (cardvalue[p][s] == CARD_ANIMAL) {
      // Animals do not turn: each becomes a cash card where it lies.
      cardvalue[p][s] = CARD_BONUS;
      cardparam[p][s] = 1;
    } else if (cardcover[p][s] == 1 || cardcover[p][s] == 2) {
      cardturn[p][s] = std::max(coverturnbase - 2 * carddepth[p][s], 2);
      coverbits(cardcover[p][s], cardx[p][s] + xshift + 48, cardy[p][s] + 71, 3);
    }
  }
  turnupmode = 0;
  drawfromstock();
}

void randomframe() {
  int t = ++randommode;
  if (t < randomact) {
    if (framecount % 2 == 0)
      addeffect(stablex + 48 + Rand(-60, 60), stabley + 71 + Rand(-70, 70), EFF_QUESTION, 0.1f * Rand(-10, 10),
                -0.1f * Rand(5, 20));
    return;
  }
  randommode = 0;
  useitem(randompick[Rand(1, 9)]);
  extraburst(stablex + 48, stabley + 71);
}

void sunsframe() {
  if (!playerok()) return;
  int t = ++sunsmode;
  if (t < sunsact) return;
  bigburst(stablex + 48, stabley + 41);
  pointsfactor[player] = 2;
  addpoints(25, stablex + 48, stabley + 41, 1, 0, AWARD_BONUS);
  sunsmode = 0;
  drawfromstock();
}

void jokerframe() {
  if (!playerok()) return;
  const int p = player;
  int t = ++jokermode;
  // Confetti swirls round the stable.
  double angle = t * 12 * degree;
  addeffect(float(stablex + 48 + 80 * std::cos(angle)), float(stabley + 71 + 80 * std::sin(angle)), EFF_CONFETTI,
            float(2 * std::cos(angle + 90 * degree)), float(2 * std::sin(angle + 90 * degree)));
  for (int s = 1; s <= cardcount; s++)
    if (cardcandidate(s)) cardshake[p][s] = std::max(cardshake[p][s], 6);
  if (t > jokerframes) {
    jokermode = 0;
    drawfromstock();
  }
}

void extrasframe() {
  extramode = 0;
  if (strikemode > 0) {
    extramode = 1;
    strikeframe();
  }
  if (newstablemode > 0) {
    extramode = 1;
    newstableframe();
  }
  if (killermode > 0) {
    extramode = 1;
    killerframe();
  }
  if (blastermode > 0) {
    extramode = 1;
    blasterframe();
  }
  if (turnupmode > 0) {
    extramode = 1;
    turnupframe();
  }
  if (randommode > 0) {
    extramode = 1;
    randomframe();
  }
  if (sunsmode > 0) {
    extramode = 1;
    sunsframe();
  }
  if (jokermode > 0) {
    extramode = 1;
    jokerframe();
  }
}
