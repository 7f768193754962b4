#include "solitaire/game.h"
#include "story/story.h"
#include "presentation/effects.h"
#include "presentation/sound.h"
#include "progression/map.h"
#include "progression/startlevel.h"
#include "shell/backgrounds.h"
#include "shell/buttons.h"
#include "shell/dispatch.h"
#include "shell/gfx.h"
#include "shell/intro.h"
#include "shell/menu.h"
#include "shell/profiles.h"
#include "shell/settings.h"
#include "shell/state.h"
#include "solitaire/cards.h"
#include "solitaire/extras.h"
#include "solitaire/gamekeys.h"
#include "solitaire/hint.h"
#include "solitaire/levels.h"
#include "solitaire/odds.h"
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

// The game's flow in frames of gametime.
constexpr int stockfrom = 150;        // the stock takes clicks from here on
constexpr int targetfrom = 200;       // the target-reached sign may start from here on
constexpr int clearedpay = 32;        // the finish sign pays its five awards at this frame
constexpr int clearedpaid = clearedpay + 1;  // a resumed game's sign: at rest, paid already
constexpr int giftframe = 100;        // level 2 gives its three plants at this frame
constexpr int fadeframes = 40;        // the table fades in and out over this many frames
constexpr int tableendsat = 520;      // the table is no longer run from this end-screen frame
// The play sign: it grows in over 71..170 and fades over 171..179.
constexpr int playsignfrom = 71, playsignfull = 170, playsignlast = 179;

// The no-moves dialog and the automatic end.
constexpr int stuckwait = 40;    // frames stuck before the dialog comes up
constexpr int autoendwait = 29;  // frames dead before the game ends by itself

// The end of a game: frames of the slide and of the end screen.
constexpr int endslidelast = 30;  // the end screen starts when the stock has slid this long
enum {
  END_MUSIC = 1,
  END_STAR1 = 60,      // stars arrive at 60, 100, 140
  END_STARGAP = 40,
  END_SIGN = 170,      // the result's sound; the sign shows after it
  END_RECORD = 200,    // stars and best result go into the profile
  END_TALLY = 301,     // the points are tallied from here on
  END_BANK = 380,      // the tally goes into cash
  END_NOTICE = 450,    // an earned-item notice holds the screen here
  END_BUTTONS = 460,   // the buttons show after this frame
  END_CHOSEN = 600     // a button was pressed
};
constexpr int noticesparkles = 40;  // frames of sparkles round the notice

// Card-back unlock levels are the popups'; the end-screen stars' places:
constexpr int starxs[4] = {0, -80, 0, 80};  // from midx
constexpr int stary = -80;                  // from midy

bool playerok() { return player >= 1 && player < playerslots; }

int levelparof(int lv) { return lv >= 1 && lv <= levelcount ? levelpar[lv] : 0; }

// The in-game menu may open: nothing is on its way to the stable and no timed extra runs,
// so whatever is stored when the player leaves is a table at rest.
bool menuallowed() {
  const int p = player;
  bool timed = strikemode > 0 || newstablemode > 0 || turnupmode > 0 || randommode > 0 || sunsmode > 0 || jokermode > 0;
  return !timed && !extraflying() && movetime[p] == 0 && drawrequest == 0;
}

// The stable identities a stored game may show.
bool stableidok(int id) {
  return id == 0 || (id >= 1 && id <= cardcount) || (id >= STABLE_ITEMFIRST && id <= STABLE_ITEMLAST) ||
         (id > STABLE_PLANT && id <= STABLE_PLANT + plantcount);
}

// "what value at slot n": the reason a stored game is not resumed.
std::string bad(const std::string& what, int slot, int v) {
  return what + " " + std::to_string(v) + (slot > 0 ? " at slot " + std::to_string(slot) : "");
}

bool tablevalueok(int v) {
  return v == CARD_NONE || (v >= 1 && v <= 13) || v == CARD_PLANT || v == CARD_ANIMAL || v == CARD_FISHSLAP ||
         v == CARD_BONUS;
}

// A card was on its way to the stable when the game was stored: it lands now. It is the top
// card of the one column that holds one live card more than its count says.
void landstoredflight(int p) {
  if (movetime[p] == 0) return;
  movetime[p] = 0;
  for (int c = 1; c <= tablecolumns; c++) {
    int live = 0, top = 0;
    for (int s = 1; s <= cardcount; s++)
      if (cardvalue[p][s] > 0 && cardcolumn[p][s] == c) {
        live++;
        if (top == 0 || carddepth[p][s] > carddepth[p][top]) top = s;
      }
    if (live != std::max(columncount[p][c], 0) + 1) continue;
    int v = cardvalue[p][top];
    if (v >= 1 && v <= 13) {
      stableid[p] = cardidentity(v, cardsuit[p][top]);
      stablerank[p] = v;
    } else if (v == CARD_FISHSLAP) {
      stableid[p] = STABLE_FISHSLAP;
    }
    cardvalue[p][top] = CARD_NONE;
    Print("stored game: the card in flight lands on the stable");
    return;
  }
}

void enterplay() {
  const int p = player;
  resumed = 0;
  drawrequest = 0;
  movingcard = 0;
  if (savedgame[p] > 0) {
    std::string why = storedgameproblem(p);
    if (why.empty()) {
      resumed = 1;
      roundpoints = adloadpoints[p];
      Print("load adloadpoints[i]: " + std::to_string(adloadpoints[p]));
      landstoredflight(p);
    } else {
      Print("stored game not resumed, the level is dealt afresh: " + why);
      logmsg("profile", "stored game of player " + std::to_string(p) + ": " + why);
      savedgame[p] = 0;
    }
  }
  loadlevel();
  if (resumed == 1) {
    resumeitemwork();
    // The finish sign of a table already within its par was up and has paid: it stands at
    // rest and pays no second time (a running sudden strike keeps it away, as in play).
    int left = 0;
    for (int c = 1; c <= columns[p]; c++) left += std::max(columncount[p][c], 0);
    clearedtime = left <= levelparof(level) && strikemode == 0 ? clearedpaid : 0;
    finishhover = 0;
  }
}

void drawresultstar(int i, int t) {
  float x = midx + starxs[i], y = midy + stary;
  int arrive = END_STAR1 + END_STARGAP * (i - 1);
  drawimg(starimgs[1], x, y);
  // A won star shows from its arrival frame on, a broken one from the frame after.
  int shownfrom = gameresult == RESULT_FAIL ? arrive + 1 : arrive;
  if (i > roundstars || t < shownfrom) return;
  int age = t - arrive;
  int pic = gameresult == RESULT_FAIL ? 4 : (gameresult == RESULT_STRIKE && t > END_SIGN) ? 3 : 2;
  float a = GetAlpha();
  float s = std::max(1.0f, 2 - 0.05f * age);
  if (gameresult == RESULT_FAIL && bloodimg[i]) {
    setdrawstate(0, 1, 1, BLEND_ALPHA, a * std::min(1.0f, 0.05f * age));
    drawimg(bloodimg[i], x, y);
  }
  setdrawstate(0, s, s, BLEND_ALPHA, a * std::min(1.0f, 0.05f * (age + 1)));
  drawimg(starimgs[pic], x, y);
  setdrawstate(0, 1, 1, BLEND_ALPHA, a);
}

// What happens at exact end-screen frames.
void endscreenevents(int t) {
  const int p = player;
  if (t == END_MUSIC) {
    if (gameresult == RESULT_FAIL) {
      roundstars = 3;  // three broken stars
      playmusic("/music/fail.wav", 1);
    } else {
      playgametrack(wintrack);
    }
  }
  for (int i = 1; i <= 3; i++) {
    if (t != END_STAR1 + END_STARGAP * (i - 1) || i > roundstars) continue;
    float x = midx + starxs[i], y = midy + stary;
    starburst(int(x), int(y), gameresult == RESULT_FAIL ? 1 : 3);
    PlayS(gameresult == RESULT_FAIL ? SFX_BLOODSPLAT : SFX_WINSTAR1 + i - 1, x);
  }
  if (t == END_SIGN) {
    PlayS(gameresult == RESULT_STRIKE ? SFX_WINSTRIKE : gameresult == RESULT_SOLVED ? SFX_TURNUP : SFX_LOSE, midx);
  }
  if (t == END_SIGN + 1 && gameresult == RESULT_STRIKE)
    for (int i = 1; i <= 3; i++) starburst(midx + starxs[i], midy + stary, 6);
  if (t == END_RECORD) recordresult();
  fireworks(t);
  if (t == END_TALLY) starttally();
  if (t == END_BANK) banktally();
  if (t == END_NOTICE && itemnotice == 0 && (gameresult == RESULT_STRIKE || gameresult == RESULT_SOLVED)) {
    itemnoticek = 0;
    for (int k = 1; k <= 11 && itemnoticek == 0; k++)
      if (selectedlevel == itemlevel[k]) itemnoticek = k;
    if (itemnoticek > 0 && unlockseen[p][itemnoticek] == 0) itemnotice = 1;
  }
  if (t == END_BUTTONS) {
    endbuttons = 2;
    if (level < toplevel[p] || level == stagelast[stage]) endbuttons = 1;
    if (level == lastlevel || (gameresult == RESULT_FAIL && level == toplevel[p])) endbuttons = 2;
  }
}

// The notice that a new extra is in the shop; true while it holds the end screen.
bool drawitemnotice() {
  if (itemnotice == 0) return false;
  const int p = player;
  int k = itemnoticek;
  itemnotice++;
  if (itemnotice == 2) PlayS(SFX_NEWITEM, midx);
  SetScale(0.76f, 0.75f);
  drawimg(popuppanelimg, midx, midy);
  SetScale(1, 1);
  if (k == 1) {
    drawtext(gametext(1, 13), midx, midy - 150, ALIGN_CENTRE, 4);
    SetScale(0.4f, 0.4f);
    for (int i = 1; i <= plantcount; i++) drawimg(solplantimg[i], midx - 187 + 40 * (i - 1), midy - 86);
    SetScale(1, 1);
    drawtext(menutext(28, 1), midx, midy + 20, ALIGN_CENTRE, 7);
    drawtext(menutext(28, 2), midx, midy + 45, ALIGN_CENTRE, 7);
  } else {
    drawtext(gametext(1, 12), midx, midy - 150, ALIGN_CENTRE, 4);
    drawimg(itemimg[itempicture(k - 1)], midx - 48, midy - 86);
    drawtext(menutext(28, 4 * k - 3), midx, midy + 72, ALIGN_CENTRE, 2);
    drawtext(menutext(28, 4 * k - 2), midx, midy + 98, ALIGN_CENTRE, 7);
  }
  if (itemnotice < noticesparkles)
    addeffect(midx + Rand(-200, 200), midy + Rand(-150, 150), EFF_SPARKLE, 0, 0);
  if (button(midx, midy + 145, 3, 1, gametext(1, 14)) == BUTTON_CLICK) {
    unlockseen[p][k] = 1;
    itemnotice = 0;
    return false;
  }
  return true;
}

void endscreenbuttons() {
  const int p = player;
  bool two = endbuttons == 2;
  bool failed = gameresult == RESULT_FAIL;
  if (two && button(midx + 110, midy + 215, 8, 1, gametext(1, failed ? 4 : 1)) == BUTTON_CLICK) {
    endtime = END_CHOSEN;
    if (failed) losereset();
    else winreset();
    // The last level won again after the adventure's end: what comes next is still the ending,
    // not the same level once more.
    if (!failed && level == lastlevel && playerok() && toplevel[p] > lastlevel) selectedlevel = lastlevel + 1;
    startlevel(selectedlevel);
    return;
  }
  if (button(two ? midx - 110 : midx, midy + 215, 8, 1, gametext(1, 2)) == BUTTON_CLICK) {
    endtime = END_CHOSEN;
    if (level == stagelast[stage] && level == toplevel[p]) {
      hookrun = 1;
      hookstage = stage;
      Print("stage " + std::to_string(stage) + " finished");
    }
    if (failed) losereset();
    else winreset();
    fadeto(SCREEN_MAP, 0, 0);
  }
}

void nomovesdialog() {
  const int p = player;
  // A plant or an item on its way to the stable is a move under way, not a dead end.
  bool stuck = gamestat == GAME_PLAY && nomovechoice == 0 && drawtime[p] == 20 && stock[p] < 2 && anyplayable == 0 &&
               extramode == 0 && !extraflying();
  stuckframes = stuck ? stuckframes + 1 : 0;
  // Once a move opens the dialog is gone, and with it its hold on the plants and the stock.
  if (!stuck) nomoves = 0;
  if (stuckframes <= stuckwait || (plantsheld != 0 && itemsheld != 0)) return;
  nomoves++;
  if (nomoves == 1) PlayS(SFX_TURNUP, midx);
  float a = GetAlpha();
  SetAlpha(std::min(1.0f, 0.05f * nomoves));
  buttonlayer = 2;
  drawimg(tutorialsignimg, midx, midy);
  drawtext(gametext(5, 1), midx, midy - 51, ALIGN_CENTRE, 7);
  drawtextbox(gametext(5, 2), midx, midy - 40, 380, 20, ALIGN_CENTRE, 7);
  // Under an open popup the dialog waits: the popup's own buttons may lie over its buttons.
  int layer = popuplevel > 0 ? -1 : 2;
  if (button(midx - 60, midy + 41, 15, layer, gametext(5, 4)) == BUTTON_CLICK) {
    nomovechoice = 1;
    gamestat = GAME_END;
  } else if (button(midx + 60, midy + 41, 15, layer, gametext(5, 3)) == BUTTON_CLICK) {
    nomovechoice = 1;
    nomoves = 0;
    starburst(midx, midy + 110, 4);
  }
  SetAlpha(a);
  buttonlayer = popuplevel > 0 ? 2 : 1;
}

void autoend() {
  const int p = player;
  if (gamestat != GAME_PLAY) return;  // the deal and the end are never dead ends
  bool dead = plantsheld == 0 && itemsheld == 0 && anyplayable == 0 && extramode == 0;
  autoendframes = dead ? autoendframes + 1 : 0;
  if (autoendframes > autoendwait && drawtime[p] == 20 && stock[p] < 2 && endslide == 0) {
    gamestat = GAME_END;
    gameresult = RESULT_NONE;
  }
}

}  // namespace

void loadgamestuff_dynamic() {
  lastfunc = "loadgamestuff_dynamic()";
  AutoMidHandle(true);
  loadtablepictures();  // ball, bars, combo fill (as strip and whole), play and table signs
  gameuiupimg = loadimg("data\\game\\gameui-up.png");
  gameuidownimg = loadimg("data\\game\\gameui-down.png");
  solvedsignimg = loadimg("data\\texts\\solvedsign.png");
  strikesignimg = loadimg("data\\texts\\strikesign.png");
  failsignimg = loadimg("data\\texts\\failsign.png");
  playimg = loadimg("data\\texts/play.png");
  tutorialsignimg = loadimg("data\\ui/tutorialsign.png");
  loadgamemusic();
}

void deletegamestuff_dynamic() {
  lastfunc = "deletegamestuff_dynamic()";
  deletetablepictures();
  gameuiupimg = gameuidownimg = nullptr;
  solvedsignimg = strikesignimg = failsignimg = nullptr;
  playimg = tutorialsignimg = nullptr;
  deletegamemusic();
}

std::string storedgameproblem(int p) {
  if (p < 1 || p >= playerslots) return "no player";
  if (columns[p] < 0 || columns[p] > tablecolumns) return bad("columns", 0, columns[p]);
  if (stock[p] < -1 || stock[p] > cardcount) return bad("stock", 0, stock[p]);
  if (stockstart[p] < 0 || stockstart[p] > cardcount) return bad("stockstart", 0, stockstart[p]);
  if (todeal[p] < 0 || todeal[p] > cardcount) return bad("todeal", 0, todeal[p]);
  if (!stableidok(stableid[p])) return bad("stableid", 0, stableid[p]);
  if (!stableidok(stableunder[p])) return bad("stableunder", 0, stableunder[p]);
  if (stablerank[p] < 0 || stablerank[p] > RANK_NONE) return bad("stablerank", 0, stablerank[p]);
  if (movetime[p] < 0 || movetime[p] > 20) return bad("movetime", 0, movetime[p]);
  if (drawtime[p] < 0 || drawtime[p] > 20) return bad("drawtime", 0, drawtime[p]);
  std::array<int, tablecolumns + 1> live{};
  for (int s = 1; s <= cardcount; s++) {
    if (deckstate[p][s] < 0 || deckstate[p][s] > 2) return bad("deckstate", s, deckstate[p][s]);
    int v = cardvalue[p][s];
    if (!tablevalueok(v)) return bad("card value", s, v);
    if (v == CARD_NONE) continue;
    int c = cardcolumn[p][s];
    if (c < 1 || c > columns[p]) return bad("column", s, c);
    live[c]++;
    if (v <= 13 && (cardsuit[p][s] < 1 || cardsuit[p][s] > 4)) return bad("suit", s, cardsuit[p][s]);
    if (carddepth[p][s] < 1 || carddepth[p][s] > cardcount) return bad("depth", s, carddepth[p][s]);
    if (cardcover[p][s] < 0 || cardcover[p][s] > 2) return bad("cover", s, cardcover[p][s]);
    if (cardturn[p][s] < 0 || cardturn[p][s] > 60) return bad("turn", s, cardturn[p][s]);
    if (cardx[p][s] < 0 || cardx[p][s] > 1366 || cardy[p][s] < 0 || cardy[p][s] > 768) return bad("place", s, cardx[p][s]);
    if (std::abs(cardposx[p][s]) > 4000 || std::abs(cardposy[p][s]) > 4000) return bad("drawn place", s, cardposx[p][s]);
    int param = cardparam[p][s];
    if (v == CARD_PLANT && (param < 1 || param > plantcount)) return bad("plant", s, param);
    if (v == CARD_ANIMAL && (param < 1 || param > 2)) return bad("animal", s, param);
    if (v == CARD_BONUS && (param < 1 || param > 3)) return bad("bonus", s, param);
  }
  int flying = 0;
  for (int c = 1; c <= tablecolumns; c++) {
    if (columncount[p][c] < -1 || columncount[p][c] > cardcount) return bad("column count", c, columncount[p][c]);
    int want = std::max(columncount[p][c], 0);
    if (live[c] == want + 1 && movetime[p] > 0 && flying == 0) flying = c;
    else if (live[c] != want) return "column " + std::to_string(c) + " holds " + std::to_string(live[c]) +
                                      " cards but counts " + std::to_string(columncount[p][c]);
  }
  return "";
}

void clearsavedround() {
  if (!playerok()) return;
  const int p = player;
  savedgame[p] = 0;
  failcount[p] = 0;
  roundtime[p] = 0;
  bestcombo[p] = 0;
  pointsfactor[p] = 1;
  dealcount[p] = 1;
  roundpoints = 0;
}

void instgame() {
  lastfunc = "instgame()";
  int from = screen;
  prevscreen = screen;
  Print("instgame");
  if (playerok()) stage = stageof(maplevel[player]);
  // The other screens' pictures go (the map's and the story's release themselves when they
  // have any).
  deleteloadstuff_dynamic();
  deletemenustuff_dynamic();
  deletestorystuff_dynamic();
  deletetitlebg();
  if (from != SCREEN_GAME) loadgamestuff_dynamic();
  pointsflash = 0;
  roundpoints = 0;
  itemnotice = itemnoticek = 0;
  nomoves = nomovechoice = stuckframes = autoendframes = 0;
  resethint();
  resetgamekeys();
  resetodds();
  barpos = -120;
  level = selectedlevel;
  prevstars = playerok() && level >= 1 && level <= levelcount ? levelstars[player][level] : 0;
  loadgamebg_dynamic(SCREEN_GAME, 0);
  cleareffects();
  if (playerok()) enterplay();
  else Print("instgame without a player: back to the main menu");
  resetpopups();
  pausesign = -1;
  if (playerok()) {
    savedgame[player] = 0;
    if (maphint[player] > 0) maphint[player] = 100;
  }
  endtime = 0;
  hookrun = hookstage = 0;
  musicfade = 0;
  playgametrack((selectedlevel % 2) + 1);
  gametime = 0;
  roundtick = TimerTicks(roundtimer);
  tooltipid = tooltiptime = 0;
  tooltipalpha = 0;
  resettutorial();
  if (playerok() && resumed == 0) {
    if ((level == 1 && cash[player] == 0) || ((level == 2 || level == 3) && failcount[player] == 0)) tutorialon = 1;
  }
  screen = SCREEN_GAME;
  fadereset();
}

void showgame() {
  lastfunc = "showgame()";
  tooltipid = 0;
  if (!playerok()) {
    if (fadestate == 1) fadeto(SCREEN_MENU, 0, 0);
    return;
  }
  const int p = player;
  // The colour: the fade's grey, on a failed game's end screen a pulsing red.
  int f = fadelevel;
  int gb = f;
  if (endtime > 0 && gameresult == RESULT_FAIL)
    gb = int(f * (200 - endtime) * 0.005 * (0.5 + 0.5 * std::cos(10 * endtime * degree)));
  SetColor(f, gb, gb);
  drawgamebg();
  SetScale(1, 1);
  nexttrack();

  stockok = (gametime > stockfrom && pausesign == -1 && popuplevel == 0 && endtime == 0 && nomoves == 0) ? 1 : 0;
  if (popuplevel == 0 && pausesign == -1) gametime++;
  buttonlayer = popuplevel > 0 ? 2 : 1;
  stage = stageof(maplevel[p]);
  if (stockok == 1) {
    int tick = TimerTicks(roundtimer);
    if (tick != roundtick) {
      roundtick = tick;
      if (endtime == 0) roundtime[p]++;
    }
  }
  if (devmode == 1 && endtime == 0) {
    if (keyf4 == 1) cash[p] = 10000;
    if (keyf3 == 1 && strikemode == 0) strikemode = 1;
    if (keyf2 == 1)
      for (int k = 1; k <= plantcount; k++) startplantearn(k);
  }
  float a = endtime > 0 ? 1 - endtime * (1.0f / fadeframes) : gametime * (1.0f / fadeframes);
  a = std::clamp(a, 0.0f, 1.0f);
  SetAlpha(a);
  gamekeys();
  if (endtime < tableendsat && pausesign == -1) gameframe();
  drawgamekeys();
  SetAlpha(1);
  drawgameui();
  hintframe();
  oddsframe();
  drawoddssign();
  makewin();
  playsign();
  if (gamestat == GAME_PLAY && cardsleft <= levelparof(level) && gametime > stockfrom && clearedtime > 0)
    drawclearedsign();
  drawpopups();
  effalpha = a;
  draweff();
  resetdrawstate();
  if (pausesign == 1 && popuplevel == 0 && mousehit1 == 1) {
    pausesign = -1;
    savedgame[p] = 0;  // play goes on: the stored copy is dropped
  }
  drawtutorial();
}

void gameframe() {
  const int p = player;
  inputok = 1;
  if (level == 2 && toplevel[p] == 2 && gametime == giftframe)
    for (int k : {3, 5, 7})
      if (plants[p][k] == 0) startplantearn(k);
  if (popuplevel > 0 || pausesign == 1 || blockingmode() || tutorialbuttonhovered()) inputok = 0;
  float a = GetAlpha();
  if (gamestat == GAME_DEAL) dealframe();
  else if (gamestat == GAME_PLAY) playframe();
  else endframe();
  SetAlpha(a);
  drawtablepopups();
  extrasframe();
  nomovesdialog();
  SetAlpha(1);
  autoend();
}

void playframe() {
  float a = GetAlpha();
  SetBlend(BLEND_ALPHA);
  updatefree();
  updatecolumns();
  drawstock();
  handleclicks();
  drawlongdrive();
  if (devmode == 1 && keyenter == 1) {
    gamestat = GAME_END;
    endslide = 0;
  }
  if (cardsleft <= levelparof(level) && gametime > targetfrom && strikemode == 0 && clearedtime == 0) {
    clearedtime = 1;
    PlayS(SFX_FINISH, midx);
  }
  resetdrawstate();
  SetAlpha(a);
}

void endframe() {
  if (endslide == 0) {
    decideresult();
    // A game that ended is nothing to resume, whatever an earlier save in play said: stored
    // now, it would end and be banked a second time.
    if (playerok()) savedgame[player] = 0;
  }
  endslide++;
  stocky += 5 * endslide;
  drawstock();
  handleclicks();
  if (endslide == endslidelast) endtime = 1;
}

void makewin() {
  if (endtime <= 0 || !playerok()) return;
  int t = endtime;
  if (t < END_CHOSEN) endscreenevents(t);
  float a = GetAlpha();
  float in = std::min(1.0f, 0.05f * t);
  // The panel behind a turning, pulsing glow.
  float pulse = float(1.6 + 0.15 * std::sin(3 * t * degree));
  setdrawstate(float(t), pulse, pulse, BLEND_LIGHT, a * in * 0.7f);
  drawimg(gloimg[7], midx, midy - 40);
  setdrawstate(0, 1, 1, BLEND_ALPHA, a * in);
  drawimg(popuppanelimg, midx, midy);
  drawtext("- " + menutext(14, 2) + " " + std::to_string(level) + " -", midx, midy - 230, ALIGN_CENTRE, 4);
  drawtext(gametext(1, 15), midx + 55, midy - 180, ALIGN_RIGHT, 7);
  SetScale(0.42f, 0.42f);
  for (int i = 1; i <= 3; i++) {
    int pic = prevstars == 3 ? 3 : i <= prevstars ? 2 : 1;
    drawimg(starimgs[pic], midx + 45 + 35 * i, midy - 170);
  }
  SetScale(1, 1);
  for (int i = 1; i <= 3; i++) drawresultstar(i, t);
  if (t > END_SIGN) {
    const Image& sign = gameresult == RESULT_STRIKE ? strikesignimg : gameresult == RESULT_SOLVED ? solvedsignimg : failsignimg;
    drawimg(sign, midx, midy + 25);
  }
  if (t > END_TALLY - 1) {
    drawtext(gametext(1, 11), midx, midy + 100, ALIGN_CENTRE, 4);
    drawtext(tallyline(), midx, midy + 140, ALIGN_CENTRE, 1);
  }
  bool held = t == END_NOTICE && drawitemnotice();
  if (t > END_BUTTONS && t < END_CHOSEN) endscreenbuttons();
  SetAlpha(a);
  if (pausesign == -1 && !held) endtime++;
}

void winreset() {
  if (!playerok()) return;
  const int p = player;
  roundtime[p] = 0;
  bestcombo[p] = 0;
  pointsfactor[p] = 1;
  dealcount[p] = 1;
  savedgame[p] = 0;
  if (maplevel[p] == toplevel[p]) {
    // One step on, across the stage's end too.
    int last = stagelast[std::clamp(stage, 0, 30)];
    if (selectedlevel <= last) {
      Print(selectedlevel == last ? "großer hopser 1" : "kleiner hopser");
      selectedlevel++;
      maplevel[p]++;
      toplevel[p]++;
    }
  }
  failcount[p] = 0;
  roundtime[p] = 0;
  roundpoints = 0;
  saveplayer(p);
}

void losereset() {
  if (!playerok()) return;
  const int p = player;
  roundtime[p] = 0;
  bestcombo[p] = 0;
  savedgame[p] = 0;
  roundpoints = 0;
  dealcount[p] = 1;
  pointsfactor[p] = 1;
  failcount[p]++;
  saveplayer(p);
}

void drawgameui() {
  barpos = int(barpos - (barpos - 60) * 0.1);
  drawimg(gameuiupimg, midx, barpos - 12);
  drawimg(gameuidownimg, midx, screenh - barpos + 41);
  drawcombobar();
  drawpointsbar();
  drawitembar();
  drawplantbar();
  if (gamestat == GAME_PLAY) drawmeter();  // under the tooltip, which may cover it
  drawtooltip();
  drawtext(menutext(23, 2), midx - 50, barpos - 36, ALIGN_CENTRE, 2);
  drawtext("- " + menutext(14, 2) + " " + std::to_string(level) + " -", midx - 50, barpos - 13, ALIGN_CENTRE, 2);
  bool menuok = endtime == 0 && popuplevel == 0 && menuallowed();
  if (button(midx + 80, barpos - 15, 11, menuok ? 1 : -1, gametext(3, 3)) == BUTTON_CLICK ||
      (menuok && keyesc == 1 && esccooldown == 30 && pausesign == -1))
    openpopup(POPUP_INGAME);
  if (nomovechoice == 1 && gamestat == GAME_PLAY) {
    float y = float(midy + 110 + 3 * std::sin(2 * framecount * degree));
    if (button(midx, y, 4, 1, gametext(5, 5)) == BUTTON_CLICK) gamestat = GAME_END;
  }
}

void drawclearedsign() {
  clearedtime++;
  int x = std::max(screenw + 114 - 6 * clearedtime, screenw - 80);
  int y = screenh - 200;
  if (clearedtime == clearedpay)
    for (int i = 0; i < 5; i++) addpoints(10, x, y, 1, 0, AWARD_BONUS);
  drawimg(fieldimg, x, y);
  bool inside = mousex > x - 105 && mousex < x + 105 && mousey > screenh - 230 && mousey < screenh - 170;
  finishhover = inside && pausesign == -1 ? finishhover + 1 : 0;
  if (button(x, y, 3, 1, gametext(6, 3)) == BUTTON_CLICK && pausesign == -1) {
    PlayS(SFX_TURNUP, x);
    gamestat = GAME_END;
    starburst(x, y, 2);
  }
  if (finishhover > 50) {
    float a = GetAlpha();
    float px = std::min(x, screenw - 200);
    SetAlpha(a * std::min(1.0f, 0.05f * (finishhover - 50)));
    SetScale(1, 1.2f);
    drawimg(quickhelpsign, px, screenh - 330);
    SetScale(1, 1);
    drawtext(gametext(6, 1), px, screenh - 377, ALIGN_CENTRE, 7);
    drawtextbox(gametext(6, 2), px, screenh - 348, 370, 18, ALIGN_CENTRE, 7);
    SetAlpha(a);
  }
}

void playsign() {
  if (gametime < playsignfrom || gametime > playsignlast) return;
  float a = GetAlpha();
  if (gametime <= playsignfull) {
    float f = std::clamp((gametime - 70) * 0.025f, 0.0f, 1.0f);
    setdrawstate(0, 2 - f, 2 - f, BLEND_ALPHA, a * f);
  } else {
    setdrawstate(0, 1, 1, BLEND_ALPHA, a * (playsignlast + 1 - gametime) * 0.1f);
  }
  drawimg(playimg, midx, midy - 50);
  setdrawstate(0, 1, 1, BLEND_ALPHA, a);
}

void resetgamestate() {
  gametime = resumed = prevstars = 0;
  endbuttons = 2;
  itemnotice = itemnoticek = 0;
  nomoves = nomovechoice = stuckframes = autoendframes = 0;
  levelbroken = 0;
  roundtick = 0;
  endtime = 0;
  hookrun = hookstage = 0;
  tooltipid = tooltiptime = 0;
  tooltipalpha = 0;
  plantsheld = itemsheld = extramode = 0;
  aimprevstable = aimprevrank = 0;
  resettutorial();
  helppage = 1;
  resethint();
  resetodds();
  oddson = 0;
}
