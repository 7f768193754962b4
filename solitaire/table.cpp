#include "solitaire/table.h"
#include "progression/startlevel.h"
#include "shell/gfx.h"
#include "shell/settings.h"
#include "shell/buttons.h"
#include "shell/state.h"
#include "solitaire/cards.h"
#include "solitaire/levels.h"
#include "solitaire/points.h"
#include "solitaire/state.h"
#include "solitaire/tutorial.h"
#include <algorithm>
#include <cmath>

namespace {

constexpr double degree = 3.14159265358979323846 / 180.0;

constexpr int dealstockrest = 800;     // y of the deal stock before it rises
constexpr int dealstockrise = 20;      // frame the deal stock starts to rise
constexpr int deallaunch = 50;         // frame the first card leaves the deal stock
constexpr int dealflightend = 90;      // a dealt card stops moving after this many frames
constexpr int dealsignfirst = 121;     // frames of the play sign at the end of the deal
constexpr int dealsignlast = 179;
constexpr int dealend = 190;           // the deal hands over to play
constexpr int takeflightframes = 20;   // frames a taken card flies to the stable
constexpr int tablepopupframes = 60;   // life of an invalid or cleared sign
constexpr int animalturnbase = 60;     // a freed cover turns after 60 - 2 x depth frames
constexpr int fixedlevel = 1;          // the level that deals the same faces every time
constexpr int tutorialcardid = 6;      // its tutorial's first stable card: kept in the stock

bool playerok() { return player >= 0 && player < playerslots; }
bool columnok(int c) { return c >= 1 && c <= tablecolumns; }

// The next identity after a taken one, in a fixed order: the level-1 deal stays the same
// every time even when its layout asks twice for one identity.
int nextfreeidentity(int p, int identity) {
  for (int step = 0; step < cardcount; step++) {
    int id = (identity - 1 + step) % cardcount + 1;
    if (deckstate[p][id] == 0) return id;
  }
  return 0;
}

// Playable by rank or because the stable is wild or the card is special.
bool cardplayablenow(int p, int slot) {
  int v = cardvalue[p][slot];
  if (v >= 1 && v <= 13 && ranksneighbour(v, stablerank[p])) return true;
  if (stableid[p] == STABLE_FISHSLAP) return true;
  return v == CARD_FISHSLAP || v == CARD_BONUS || v == CARD_PLANT || v == CARD_ANIMAL;
}

void takefromcolumn(int p, int slot) {
  int c = cardcolumn[p][slot];
  if (columnok(c)) columncount[p][c]--;
}

void tutorialafteraction() {
  if (tutorialpage != 5) nexttutorialpage();
}

// Feathers of freed birds or pieces of freed fruit fly off the card.
void coverparticles(int animal, float x, float y, int count) {
  for (int i = 0; i < count; i++) {
    if (animal == 1) addeffect(x, y, EFF_BIRDFEATHERS, 0.3f * Rand(-50, 50), 0.3f * Rand(-50, 20));
    else addeffect(x, y, EFF_FRUIT, 0.2f * Rand(-50, 50), 0.2f * Rand(-50, 0));
  }
}

void takeanimal(int p, int slot, int animal) {
  float cx = cardx[p][slot] + xshift + 48, cy = cardy[p][slot] + 71;
  tutorialafteraction();
  combo++;
  addpoints(25, cardposx[p][slot] + 48 + xshift, cardposy[p][slot] + 71, 1, 0, AWARD_SPECIAL);
  cardvalue[p][slot] = CARD_NONE;
  takefromcolumn(p, slot);
  // The pig frees the birds, the ninja the fruits; deeper cards turn first.
  for (int other = 1; other <= cardcount; other++) {
    if (cardvalue[p][other] <= 0 || cardcover[p][other] != animal) continue;
    cardturn[p][other] = std::max(animalturnbase - 2 * carddepth[p][other], 2);
    coverparticles(animal, cardx[p][other] + xshift + 48, cardy[p][other] + 71, 5);
  }
  PlayS(SFX_CARDCOLUMN, cx);
  if (animal == 1) {
    addeffect(cx, cy, EFF_PIGCANNON, 0, 0);
    PlayS(SFX_TURNUP, cx);
  } else {
    addeffect(cx, cy, EFF_NINJA, 0, 0);
    PlayS(SFX_TURNUP, cx);
    PlayS(SFX_NINJA2, cx);
  }
}

void takebonus(int p, int slot, int kind) {
  float x = cardposx[p][slot] + 48 + xshift, y = cardposy[p][slot] + 71;
  if (kind == 1 || kind == 2) addpoints(50, x, y, 1, 0, AWARD_BONUS);
  if (kind == 2) addpoints(50, x, y, 1, 0, AWARD_BONUS);
  combo++;
  takefromcolumn(p, slot);
  PlayS(SFX_CARDCOLUMN, x);
  if (kind == 1 || kind == 2) PlayS(SFX_CASH, x);
  cardvalue[p][slot] = CARD_NONE;
  cardparam[p][slot] = 0;
  if (kind == 3) {
    // The sun shines first: its own 25 points are not yet doubled.
    bigburst(int(x), int(y));
    addpoints(25, x, y, 1, 0, AWARD_BONUS);
    pointsfactor[p] = 2;
  }
  tutorialafteraction();
}

void takeplant(int p, int slot) {
  float x = cardposx[p][slot] + 48 + xshift, y = cardposy[p][slot] + 71;
  addpoints(10, x, y, 1, 0, AWARD_SPECIAL);
  cardvalue[p][slot] = CARD_NONE;
  int k = cardparam[p][slot];
  if (k >= 1 && k <= 8) plantearn[k] = 1;
  combo++;
  takefromcolumn(p, slot);
  PlayS(SFX_CARDCOLUMN, x);
  for (int i = 0; i < 30; i++) addeffect(x + Rand(-60, 60), y + Rand(-80, 80), EFF_SPARKLE, 0, 0);
  tutorialafteraction();
}

// The taken card flies from its place to the stable, turning on the way.
void takeflight(int p) {
  int slot = movingcard;
  if (slot < 1 || slot > cardcount) {
    movingcard = 0;
    movetime[p] = 0;
    return;
  }
  if (movetime[p] < takeflightframes) movetime[p]++;
  int t = movetime[p];
  float fromx = cardx[p][slot] + xshift, fromy = cardy[p][slot];
  takeflightx = float(fromx + t * (stablex - fromx) * 0.05);
  takeflighty = float(fromy + t * (stabley - fromy) * 0.05);
  int rotation = int(-(stablex - fromx) * 0.06 * std::sin(9 * t * degree));
  int v = cardvalue[p][slot];
  SetRotation(float(rotation));
  drawcardfront(slot, takeflightx, takeflighty);
  SetRotation(0);
  int trail = v == CARD_FISHSLAP ? efftrailfishslap : std::clamp((v - 1) + 13 * (cardsuit[p][slot] - 1), 0, 51);
  addeffect(takeflightx, takeflighty, EFF_CARDTRAIL + trail, float(rotation), 0);
  for (int i = 0; i < 2; i++)
    addeffect(takeflightx + 48 + Rand(-30, 30), takeflighty + 71 + Rand(-40, 40), EFF_GREENSPARKLE,
              0.1f * Rand(-20, 20), 0.1f * Rand(-20, 20));
  if (t < takeflightframes) return;
  if (v >= 1 && v <= 13) {
    stableid[p] = cardidentity(v, cardsuit[p][slot]);
    stablerank[p] = v;
  } else if (v == CARD_FISHSLAP) {
    stableid[p] = STABLE_FISHSLAP;  // wild; the rank stays for nothing, every card fits now
    PlayS(SFX_BFGSLAP, stablex + 48);
    starburst(stablex + 48, stabley + 71, 3);
  }
  cardvalue[p][slot] = CARD_NONE;
  movingcard = 0;
  movetime[p] = 0;
}

}  // namespace

bool cardcandidate(int slot) {
  if (!playerok() || slot < 1 || slot > cardcount) return false;
  const int p = player;
  int v = cardvalue[p][slot];
  return v > 0 && slot != movingcard && gamestat != GAME_END && (cardturn[p][slot] == 1 || v == CARD_ANIMAL) &&
         cardfree[p][slot] == 1;
}

void preparecards() {
  Print("preparecards() ");
  lastfunc = "preparecards()";
  if (!playerok()) return;
  const int p = player;
  columns[p] = 0;
  for (int i = 1; i <= cardcount; i++) deckstate[p][i] = 0;
  SeedRnd(MilliSecs());
  // Level 1's tutorial turns this card onto the stable first: no table card may take it.
  if (level == fixedlevel) deckstate[p][tutorialcardid] = 1;
  for (int c = 1; c <= tablecolumns; c++) {
    columnx[p][c] = -1;
    columny[p][c] = -1;
    columncount[p][c] = 0;
    columntop[p][c] = 0;
  }
  // Fixed ranks get a suit still in the deck; a fifth card of one rank has none and is dropped.
  for (int slot = 1; slot <= cardcount; slot++) {
    if (cardautoturn[p][slot] == 0) cardfaceup[p][slot] = 0;
    int v = cardvalue[p][slot];
    if (v < 1 || v > 13) continue;
    int freesuits = 0;
    for (int s = 1; s <= 4; s++) freesuits += deckstate[p][cardidentity(v, s)] == 0;
    if (freesuits == 0) {
      Print("preparecards: no suit left for rank " + std::to_string(v) + ", slot " + std::to_string(slot));
      cardvalue[p][slot] = CARD_NONE;
      continue;
    }
    int suit;
    if (level == fixedlevel) {
      // A fixed order of suits keeps the level-1 faces the same every time.
      suit = slot % 4 + 1;
      while (deckstate[p][cardidentity(v, suit)] != 0) suit = suit % 4 + 1;
    } else {
      do suit = Rand(1, 4);
      while (deckstate[p][cardidentity(v, suit)] != 0);
    }
    cardsuit[p][slot] = suit;
    deckstate[p][cardidentity(v, suit)] = 1;
  }
  placedcount = 0;
  int tablecards = 0;
  for (int slot = 1; slot <= cardcount; slot++) {
    int v = cardvalue[p][slot];
    int c = cardcolumn[p][slot];
    if (v <= 0 || cardx[p][slot] <= 0) continue;
    if (!columnok(c)) {
      cardvalue[p][slot] = CARD_NONE;  // a card outside every column can never be reached
      continue;
    }
    cardposx[p][slot] = 0;
    cardposy[p][slot] = 0;
    columns[p] = std::max(columns[p], c);
    if (carddepth[p][slot] == 1) {
      columnx[p][c] = cardx[p][slot];
      columny[p][c] = cardy[p][slot];
    }
    columncount[p][c]++;
    placedcount++;
    if (v <= 13 || v == CARD_RANDOM) tablecards++;
    if (v == CARD_BONUS) cardparam[p][slot] = Rand(1, 3);
    if (v == CARD_RANDOM) {
      int identity;
      if (level == 1) {
        // Level 1 deals the same faces every time.
        identity = nextfreeidentity(p, cardidentity(slot % 13 + 1, slot % 4 + 1));
      } else {
        int rank, suit;
        do {
          rank = Rand(1, 13);
          suit = Rand(1, 4);
        } while (deckstate[p][cardidentity(rank, suit)] != 0);
        identity = cardidentity(rank, suit);
      }
      cardvalue[p][slot] = identityrank(identity);
      cardsuit[p][slot] = identitysuit(identity);
      deckstate[p][identity] = 1;
    }
  }
  if (level == fixedlevel) deckstate[p][tutorialcardid] = 0;
  // Deal order: right-hand columns first, each column top to bottom, on the 16-pixel grid.
  for (int slot = 1; slot <= cardcount; slot++) cardorder[p][slot] = 0;
  int n = 0;
  for (int x = (screenw / levelgrid) * levelgrid - levelgrid; x >= 0; x -= levelgrid)
    for (int y = levelgrid; y <= (screenh / levelgrid) * levelgrid; y += levelgrid)
      for (int slot = 1; slot <= cardcount; slot++)
        if (cardvalue[p][slot] > 0 && cardx[p][slot] == x && cardy[p][slot] == y) cardorder[p][slot] = ++n;
  todeal[p] = placedcount;
  stock[p] = stockstart[p] = cardcount - tablecards;
  stableid[p] = 0;
  stableunder[p] = 0;
  movetime[p] = 0;
}

void dealframe() {
  if (!playerok()) return;
  const int p = player;
  dealtime++;
  if (dealtime < dealstockrise) {
    dealstocky = dealstockrest;
  } else {
    dealstocky = int(dealstocky - (dealstocky - stocky) * 0.05);
    if (dealstocky > stocky) dealstocky -= 1;
  }
  for (int slot = 1; slot <= cardcount; slot++) {
    if (cardvalue[p][slot] <= 0 || cardflight[p][slot] != 0) continue;
    if (dealtime - deallaunch != 2 * cardorder[p][slot]) continue;
    cardflight[p][slot] = 1;
    cardposx[p][slot] = midx - 120 + 2 * stock[p] + 2 * todeal[p] - xshift;
    cardposy[p][slot] = int(dealstocky);
    todeal[p]--;
  }
  int back = cardback[p] >= 1 && cardback[p] <= 4 ? cardback[p] : 1;
  // The stock still to come and the cards not yet launched, 2 pixels apart.
  int backs = std::max(stock[p] - 1, 0) + std::max(todeal[p], 0);
  for (int i = 1; i <= backs && i <= 2 * cardcount; i++) drawimg(cardbackimg[back], midx - 120 + 2 * i, dealstocky);
  updatefree();
  for (int slot = 1; slot <= cardcount; slot++) {
    if (cardvalue[p][slot] <= 0 || cardflight[p][slot] <= 0) continue;
    cardflight[p][slot]++;
    if (cardflight[p][slot] == 2) PlayS(SFX_CARDTAKEOUT, cardposx[p][slot] + xshift);
    if (cardflight[p][slot] < dealflightend) {
      int& px = cardposx[p][slot];
      int& py = cardposy[p][slot];
      px = int(px - (px - cardx[p][slot]) * 0.1);
      py = int(py - (py - cardy[p][slot]) * 0.1);
      if (px < cardx[p][slot]) px++;
      else if (px > cardx[p][slot]) px--;
      if (py < cardy[p][slot]) py++;
      else if (py > cardy[p][slot]) py--;
    }
    drawcard(slot, 1);
  }
  if (dealtime >= dealsignfirst && dealtime <= dealsignlast && playsignimg) {
    float a = GetAlpha();
    float t = float(dealtime - 120);
    SetScale(0.05f * t, 0.05f * t);
    SetAlpha(a * float(std::sin(3 * t * degree)));
    drawimg(playsignimg, midx, midy);
    SetScale(1, 1);
    SetAlpha(a);
  }
  if (dealtime == dealend) gamestat = GAME_PLAY;
}

void updatefree() {
  if (!playerok()) return;
  const int p = player;
  for (int slot = 1; slot <= cardcount; slot++) {
    if (cardvalue[p][slot] <= 0 || cardfree[p][slot] != 0) continue;
    if (!(cardflight[p][slot] > 20 || gamestat > GAME_DEAL)) continue;
    int c = cardcolumn[p][slot];
    bool covered = false;
    for (int other = 1; other <= cardcount && !covered; other++)
      covered = other != slot && other != movingcard && cardvalue[p][other] > 0 && cardcolumn[p][other] == c &&
                carddepth[p][other] > carddepth[p][slot];
    if (!covered) {
      cardfree[p][slot] = 1;
      if (cardturn[p][slot] == 0 && cardvalue[p][slot] != CARD_ANIMAL) cardturn[p][slot] = 10;
    }
    if (cardturn[p][slot] > 0 && columnok(c)) columntop[p][c] = cardvalue[p][slot];
    if (cardautoturn[p][slot] == 0) cardturn[p][slot] = 0;
  }
}

void updatecolumns() {
  if (!playerok()) return;
  const int p = player;
  cardsleft = 0;
  bool anyleft = false;
  int last = std::clamp(columns[p], 0, tablecolumns);
  for (int c = 1; c <= last; c++) {
    if (columncount[p][c] > 0) {
      cardsleft += columncount[p][c];
      anyleft = true;
    }
    if (columncount[p][c] == 0) {
      columncount[p][c] = -1;
      float x = columnx[p][c] + 48 + xshift, y = columny[p][c] + 71;
      addtablepopup(2, x, y);
      PlayS(SFX_CLEAREDCOLUMN, x);
      addpoints(25, x, y, 1, 0, AWARD_COLUMN);
    }
    if (columncount[p][c] == -1) columntop[p][c] = -11;
  }
  if (!anyleft && gamestat != GAME_END) {
    endslide = 0;
    Print("gamestat=gameend");
    gamestat = GAME_END;
    gameresult = RESULT_NONE;
  }
}

void handleclicks() {
  if (!playerok()) return;
  const int p = player;
  // Playable marks.
  bool noneplayable = true;
  for (int slot = 1; slot <= cardcount; slot++) {
    cardplayable[slot] = 0;
    if (cardcandidate(slot) && cardplayablenow(p, slot)) {
      cardplayable[slot] = 1;
      noneplayable = false;
    }
    if (slot == movingcard && cardvalue[p][slot] > 0 && gamestat != GAME_END) noneplayable = false;
  }
  anyplayable = noneplayable ? 0 : 1;
  if (noneplayable && level == 1 && tutorialon == 1 && tutorialpage == 4) nexttutorialpage();

  // Clicks, and the table drawn in slot order.
  for (int slot = 1; slot <= cardcount; slot++) {
    if (cardvalue[p][slot] <= 0 || slot == movingcard) continue;
    int action = 0;
    float left = cardx[p][slot] + xshift, top = cardy[p][slot];
    if (drawtime[p] == 20 && movetime[p] == 0 && inputok == 1 && gamestat != GAME_END && popuplevel == 0 &&
        !extraflying() && cardcandidate(slot) && mousex > left && mousex < left + cardw && mousey > top && mousey < top + cardh) {
      int v = cardvalue[p][slot];
      action = jokermode > 0 ? 1 : 0;
      if ((v >= 1 && v <= 13 && ranksneighbour(v, stablerank[p])) || stableid[p] == STABLE_FISHSLAP ||
          v == CARD_FISHSLAP)
        action = 1;
      if (v == CARD_BONUS) action = 50 + cardparam[p][slot];
      if (v == CARD_PLANT) action = 30;
      if (v == CARD_ANIMAL) action = 40 + cardparam[p][slot];
      if (action == 0 && mousehit1 == 1)
        addtablepopup(1, cardposx[p][slot] + 48 + xshift, cardposy[p][slot] + 71);
    }
    drawcard(slot, 2);
    if (level == 1 && tutorialon == 1 && tutorialpage < 2) action = 0;
    if (action <= 0) continue;
    if (cardhints == 1) drawimg(cardglowimg, left - 2, top - 2);
    if (mousehit1 != 1) continue;
    if (action == 1) {
      movingcard = slot;
      movetime[p] = 1;
      combo++;
      takefromcolumn(p, slot);
      addpoints(5, cardposx[p][slot] + 48 + xshift, cardposy[p][slot] + 71, 1, 0, AWARD_TAKE);
      PlayS(SFX_CARDCOLUMN, left + 48);
      tutorialafteraction();
    } else if (action == 30) {
      takeplant(p, slot);
    } else if (action >= 51 && action <= 53) {
      takebonus(p, slot, action - 50);
    } else if (action == 41 || action == 42) {
      takeanimal(p, slot, action - 40);
    }
  }
  if (movetime[p] > 0) takeflight(p);
}

void showhints() {
  if (!playerok()) return;
  for (int slot = 1; slot <= cardcount; slot++)
    if (cardvalue[player][slot] > 0 && cardplayable[slot] == 1 && cardwobble[slot] == 0) cardwobble[slot] = 1;
}

void addtablepopup(int kind, float x, float y) {
  int i = tablepopupcount;
  for (int s = 1; s < tablepopupcount; s++)
    if (tablepopupage[s] == 0) {
      i = s;
      break;
    }
  tablepopupkind[i] = kind;
  tablepopupx[i] = x;
  tablepopupy[i] = y;
  tablepopupage[i] = 1;
}

void drawtablepopups() {
  float a = GetAlpha();
  for (int i = 1; i <= tablepopupcount; i++) {
    if (tablepopupage[i] < 1 || tablepopupage[i] >= tablepopupframes) continue;
    tablepopupage[i]++;
    if (tablepopupage[i] >= tablepopupframes) {
      tablepopupage[i] = 0;
      tablepopupkind[i] = 0;
      continue;
    }
    double s = std::sin(3 * tablepopupage[i] * degree);
    SetScale(float(0.4 + 0.8 * s), float(0.4 + 0.8 * s));
    SetAlpha(a * float(s));
    if (tablepopupkind[i] == 1) {
      if (invalidsignimg) drawimg(invalidsignimg, tablepopupx[i], tablepopupy[i]);
    } else if (tablepopupkind[i] == 2) {
      tablepopupy[i] -= 2;
      if (clearedsignimg) drawimg(clearedsignimg, tablepopupx[i], tablepopupy[i]);
    }
  }
  SetScale(1, 1);
  SetAlpha(a);
}

void resettablestate() {
  for (cardrow* t : {&cardorder, &cardfree, &cardsuit, &cardvalue, &cardposx, &cardposy, &cardx, &cardy, &cardparam,
                     &cardcolumn, &cardfaceup, &cardautoturn, &carddepth, &cardturn, &cardflight, &cardcover,
                     &cardshake, &deckstate})
    for (auto& row : *t) row.fill(0);
  for (columnrow* t : {&columnx, &columny, &columncount, &columntop})
    for (auto& row : *t) row.fill(0);
  for (playervalue* t : {&columns, &todeal, &stockstart, &stableid, &stableunder, &movetime, &stablerank, &cash,
                         &bestcombo, &savedgame})
    t->fill(0);
  stock.fill(cardcount);  // a new profile's stock
  drawtime.fill(20);
  pointsfactor.fill(1);
  cardback.fill(1);
  for (auto& row : plants) row.fill(0);
  for (auto& row : levelstars) row.fill(0);
  for (auto& row : levelbest) row.fill(99);
  cardplayable.fill(0);
  cardwobble.fill(0);
  gamestat = GAME_DEAL;
  movingcard = 0;
  takeflightx = takeflighty = 0;
  combo = 0;
  dealtime = 0;
  dealstocky = 800;
  cardsleft = 0;
  placedcount = 0;
  levelbroken = 0;
  tablepopupkind.fill(0);
  tablepopupx.fill(0);
  tablepopupy.fill(0);
  tablepopupage.fill(0);
  drawrequest = 0;
  stocky = stockplayy;
  stocktopx = 0;
  stablex = 532;
  stabley = stockplayy;
  drawstartx = 0;
  meterx = metery = metertargetx = 0;
  metercount = 100;
  metershake = 0;
  roundpoints = 0;
  combofill = comborecordglow = comboglow = showncombo = showncombofill = 0;
  longdrivetime = 0;
  pointsflash = 0;
  gameresult = RESULT_NONE;
  roundstars = 0;
  tallypoints = tallycombo = tallytotal = 0;
  level = selectedlevel = 1;
  inputok = stockok = 1;
  anyplayable = 0;
  endslide = 0;
  clearedtime = 0;
  finishhover = 0;
  barpos = 60;
  tutorialon = tutorialpage = tutorialpages = 0;
  plantearn.fill(0);
  plantfly.fill(0);
  itemfly.fill(0);
  strikemode = newstablemode = killermode = blastermode = turnupmode = randommode = sunsmode = jokermode = 0;
  initlevels();
  inititemlevels();
}
