// The autoplay: the whole adventure played headless through the real screens, with nothing but
// injected mouse clicks, key presses and typed characters, as a person plays it.
//
//   autoplay                 from a first start with no user folder to the ending after level 103
//   autoplay --levels N      the same, stopping once level N is won (the short run stops at 5)
//
// The player taps through the splash pages, creates a player on the main menu by typing a
// name, plays every story chapter by clicking its objects, and plays every level as a careful
// card player: the move a strong player would make from what is visible, clicked where the
// card lies; a lost level is played again; plants and items are used at a dead end, and the
// shop is visited on the map to buy them with the cash won. It reads the game's state to
// decide where to click, as a person reads the screen; the input is always injected.
//
// It prints a line per level (result, stars, points, frames) and per chapter (frames), and a
// last line beginning "autoplay:" with the totals, saying "ending reached" when it got there.
// It fails with status 1, naming the screen, the frame and the routine the game last entered,
// when the game crashes, a sanitizer reports, or the game stays on one screen past a limit
// with no way on.
#include "presentation/effects.h"
#include "progression/map.h"
#include "progression/shop.h"
#include "progression/startlevel.h"
#include "shell/buttons.h"
#include "shell/menu.h"
#include "shell/profiles.h"
#include "shell/state.h"
#include "solitaire/extras.h"
#include "solitaire/game.h"
#include "solitaire/hint.h"
#include "solitaire/state.h"
#include "solitaire/table.h"
#include "solitaire/tutorial.h"
#include "story/chapter1.h"
#include "story/chapter2.h"
#include "story/chapter3.h"
#include "story/chapter4.h"
#include "story/chapter5.h"
#include "story/chapter6.h"
#include "story/chapter7.h"
#include "story/chapter8.h"
#include "story/chapter9.h"
#include "story/story.h"
#include "story/storymap.h"
#include "tools/headlesskit.h"
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstring>
#include <random>
#include <vector>

using headless::hotpoint;
using headless::placed;
using headless::pointvirtual;

namespace {

constexpr int screenlimit = 30000;   // frames on one screen with no way on before the run fails
constexpr int chapterpatience = 6000;  // frames a known scene is played by its objects before it is searched
constexpr int triesperlevel = 40;    // games lost in a row on one level before the run gives up
constexpr int restx = 5, resty = 300;  // where the pointer rests, over nothing
constexpr int shopplantsx = 350;     // the shop's plant column, right of the centre
constexpr int shopbuyx = 39;         // the buy button beside each price

// ---- Where the run stands (the failure report reads them) ----
long frames = 0;         // frames run since the start
long screensince = 0;    // frames since the game last moved on (screen, fade, popup, level, round)
// What changes when the game moves on; a game that keeps all of it is going nowhere.
struct moveon {
  int screen, fadestate, popupid, level, gamestat, storypart, storyend, mapopen;
  bool operator==(const moveon& o) const { return std::memcmp(this, &o, sizeof o) == 0; }
};
moveon lastmoveon{};
int nanbefore = 0;       // pictures placed at NaN or infinite positions before the run began
const char* doing = "starting";  // what the player is about
std::chrono::steady_clock::time_point started;

// ---- Totals ----
int levelswon = 0, levelslost = 0, chaptersplayed = 0, chapterssearched = 0, shopvisits = 0, bought = 0;
int extrasused = 0;

const char* screenname(int s) {
  switch (s) {
    case SCREEN_NONE: return "start-up";
    case SCREEN_SPLASH: return "splash";
    case SCREEN_LOADING: return "loading";
    case SCREEN_MENU: return "main menu";
    case SCREEN_GAME: return "game";
    case SCREEN_MAP: return "adventure map";
    case SCREEN_STORY: return "story";
    case SCREEN_SHOP: return "shop";
    default: return "other";
  }
}

void tellwhere() {
  headless::tellstrace("autoplay: the game's last trace lines:\n");
  char line[300];
  int n = std::snprintf(line, sizeof line, "autoplay: failed on screen %d (%s), frame %ld, level %d, last routine %s, while %s\n",
                        screen, screenname(screen), frames, level, lastfunc.c_str(), doing);
  if (n > 0 && write(2, line, size_t(std::min<size_t>(size_t(n), sizeof line - 1))) < 0) {}
}

[[noreturn]] void fail(const std::string& why) {
  std::fprintf(stderr, "autoplay: %s\n", why.c_str());
  if (screen == SCREEN_GAME && player >= 0)
    std::fprintf(stderr, "autoplay: the table: game state %d, stock %d, playable %d, plants %d, items %d, mode %d, "
                 "tutorial page %d, no-moves %d, popup %d, pause %d\n",
                 gamestat, stock[player], anyplayable, plantsheld, itemsheld, extramode, tutorialpage, nomoves, popupid,
                 pausesign);
  tellwhere();
  std::exit(1);
}

// Whole frames, the clock moving 20 ms each; watches for a screen that never changes.
void step(int n = 1) {
  for (int i = 0; i < n; i++) {
    runframe();
    testadvanceclock(20);
    frames++;
    if (quit == 1) fail("the game ended by itself");
    moveon m{screen, fadestate, popupid, level, gamestat, storypart, storyend, mapopen};
    if (!(m == lastmoveon)) {
      lastmoveon = m;
      screensince = 0;
    } else if (++screensince > screenlimit) {
      fail("stayed on one screen for " + std::to_string(screenlimit) + " frames with no way on");
    }
    if (NonFiniteVertices() != nanbefore) fail("a picture was drawn at a NaN or infinite position");
  }
}

// Frames until the condition holds, at most max; false when it did not come.
template <typename F>
bool waitfor(F done, int max) {
  for (int i = 0; i < max && !done(); i++) step(1);
  return done();
}

// A person moves to the spot, presses and lets go.
void click(int x, int y) {
  pointvirtual(x, y);
  step(1);
  testmousepress(1);
  step(1);
  testmouserelease(1);
  step(1);
}
void rest() { pointvirtual(restx, resty); }
void presskey(int key) {
  testkeypress(key);
  step(1);
  testkeyrelease(key);
  step(1);
}

// A button drawn this frame near (x, y) that could take a click, 0 when none.
int buttonnear(int x, int y, int reach = 30) {
  for (int k = 1; k <= buttonspots; k++)
    if (std::abs(buttonspotx[k] - x) <= reach && std::abs(buttonspoty[k] - y) <= reach) return k;
  return 0;
}
// Waits until the button shows there, then clicks it. False when it never showed.
bool clickbutton(int x, int y, int max = 600) {
  if (!waitfor([&] { return buttonnear(x, y) > 0; }, max)) return false;
  int k = buttonnear(x, y);
  click(buttonspotx[k], buttonspoty[k]);
  return true;
}

// ---- The splash pages, the menu and the first player ----

void toplayer() {
  doing = "tapping through the splash pages";
  if (!waitfor([] { return screen == SCREEN_SPLASH; }, 200)) fail("no splash page came");
  for (int i = 0; i < 40 && screen == SCREEN_SPLASH; i++) {
    step(30);
    presskey(KEY_SPACE);
  }
  doing = "waiting for the loading bar";
  if (!waitfor([] { return screen == SCREEN_MENU; }, 1000)) fail("the main menu never came");
  step(60);
  doing = "creating a player";
  click(midx, 390);
  if (!waitfor([] { return popupid == POPUP_NAME && popuplevel == popupfull; }, 100)) fail("play opened no name entry");
  for (char c : std::string("Autoplay")) {
    testtypechar(c);
    step(1);
  }
  testtypechar('\r');
  step(1);
  if (!waitfor([] { return popupid == 0; }, 100)) fail("the name entry did not close");
  step(40);
  std::printf("autoplay: player \"%s\" created, frame %ld\n", playername[player].c_str(), frames);
  doing = "starting the adventure";
  click(midx, 390);
}

// ---- The story ----

// The journey map over a scene: a person waits for its close button and clicks it.
bool journeymapup() { return mapopen > 0 && mapclose == 0; }
void closejourneymap() {
  doing = "closing the journey map";
  waitfor([] { return papertime > 20 || mapopen == 0; }, 400);
  if (mapopen > 0 && mapclose == 0) click(midx + 370, midy + 330);
  rest();
  step(1);
}

// Chapter 1: the opening scene plays by itself; then Grandma's room is searched place by
// place until the map roll turns up, and the roll is clicked.
int homestate(int spot) {
  return spot == HIDE_CARPET ? homecarpet : spot == HIDE_PILLOW1 ? homepillow1 : spot == HIDE_PILLOW2 ? homepillow2 : homeclock;
}
placed hidingplace(int spot) {
  const Image& glow = spot == HIDE_CARPET ? storypic[1][2] : spot == HIDE_PILLOW1 ? storypic[8][2]
                      : spot == HIDE_PILLOW2 ? storypic[9][2] : storypic[10][2];
  return {glow, float(midx + hidespots[spot].x), float(hidespots[spot].y)};
}
bool chapter1step() {
  if (storypart == 0 || storyfademode != 0) return false;  // the opening scene runs by itself
  if (homereveal > 0) {
    doing = "opening the journey map with the roll";
    step(rollwakes + 1);
    click(mapx, mapy);
    rest();
    return true;
  }
  for (int spot = 1; spot <= hideplaces; spot++) {
    if (homestate(spot) != 0) continue;
    doing = "searching Grandma's room";
    std::vector<placed> others;
    for (int o = 1; o <= hideplaces; o++)
      if (o != spot && homestate(o) == 0) others.push_back(hidingplace(o));
    int x = 0, y = 0;
    if (!hotpoint(hidingplace(spot), others, x, y)) return false;
    pointvirtual(x, y);
    step(1);
    click(x, y);
    rest();
    step(1);
    return true;
  }
  return false;
}

// A scene that scrolls by itself and then stands: a person points at a thing, then clicks it.
// x is the scene's, put on screen with the scroll as it stands.
void clickscene(float scenex, int y) {
  int x = int(scenex) + storyscroll;
  pointvirtual(x, y);
  step(1);
  click(x, y);
  step(3);
}

// Chapter 2: the garden. The two planks off the weight, the weight onto the see-saw.
bool chapter2step() {
  if (storyclock <= ch2stopframe()) return false;
  doing = "lifting the planks and the weight";
  if (ch2plank2 == 0) clickscene(ch2stackx, ch2stacky);
  else if (ch2plank2 < ch2plankfade) step(5);
  else if (ch2plank1 == 0) clickscene(ch2stackx, ch2stacky);
  else if (ch2plank1 < ch2plankfade) step(5);
  else if (ch2iron == CH2_IRONLYING) clickscene(ch2stackx, ch2stacky);
  else if (ch2iron == CH2_IRONCARRIED) clickscene(ch2seesawx, ch2seesawy - 200);
  else step(5);
  return true;
}

// Chapter 4: Drizzle Street in the dark. The pointer searches the street; the cat and the
// gutter answer with a word, the drain cover is dragged off the drain.
bool chapter4step() {
  if (storyclock <= story4stopframe()) return false;
  doing = "searching the street in the rain";
  if (story4grab > 0) {
    step(5);
    return true;
  }
  for (int k = 1; k <= story4things; k++) {
    float x = story4thingxy[k][0] + ImageWidth(storypic[k][1]) / 2.0f;
    int y = int(story4thingxy[k][1] + ImageHeight(storypic[k][1]) / 2.0f);
    pointvirtual(int(x) + storyscroll, y);
    step(10);
    if (k == story4things) clickscene(x, y);
  }
  return true;
}

// Chapter 5: the bone cellar. The skeleton poked, the low crate pushed four times, the big
// crate pulled clear twice.
bool chapter5step() {
  if (storyclock <= story5stopframe()) return false;
  doing = "moving the crates in the cellar";
  if (story5skeleton == 0) clickscene(story5skelx, story5skely - 40);
  else if (story5box2move > 0 || story5box1move > 0) step(5);
  else if (story5box2pushes < story5pushes) clickscene(float(story5box2x + story5box2slide), story5box2y);
  else if (story5box1pulls < story5pulls)
    clickscene(story5box1x + story5box1slide, int(story5box1y + story5box1drop * story5box1slide));
  else step(5);
  return true;
}

// Chapter 6: the brick works, by the door: the door slid open, the switch pulled, the
// ladder comes down.
bool chapter6step() {
  if (storyclock <= story6stopframe()) return false;
  doing = "opening the way into the brick works";
  if (story6door == 0) clickscene(story6switchx, story6switchy - 10);  // the shut door lies over the switch
  else if (story6door < story6doorend) step(5);
  else if (story6switch == 0) clickscene(story6switchx, story6switchy - 10);
  else step(5);
  return true;
}

// Chapter 7: the harbour at night. The key box opened, the key taken to the padlock.
bool chapter7step() {
  if (storyclock <= ch7stop()) return false;
  doing = "unlocking the crane house";
  if (ch7lid == 0) clickscene(ch7boxx, ch7boxy);
  else if (ch7lid < ch7lidframes) step(5);
  else if (ch7key == 0) clickscene(ch7keyx, ch7keyy);
  else if (ch7key == 1) clickscene(ch7lockx, ch7locky);
  else step(5);
  return true;
}

// Chapter 9: the last jetty. Once the ship lies at its berth, the lever on deck.
bool chapter9step() {
  if (storyclock <= ch9stop() + ch9ready || ch9shipx > ch9berthx + 0.5f) return false;
  doing = "pulling the ship's lever";
  if (ch9lever == 0) {
    clickscene(ch9shipx + 470, int(ch9shipy) + 50);
    step(20);
  } else {
    step(5);
  }
  return true;
}

// Chapter 3: the road is longer than the screen and the view follows the pointer. A person
// points where the thing is, lets the view come to rest, then clicks: the tailgate, the
// pliers, the tarp they pull the nails from, the fuel can under it, the saw, the pine.
bool ch3viewsettled() { return std::fabs(ch3scroll - ch3scrolltarget()) <= 1; }
void ch3clickon(float scenex, int y) {
  const float k = screenw <= 1024 ? 1.75f : 1.1f;  // how fast the view runs against the pointer
  int px = int(std::lround((scenex + 100) / (1 + k)));
  pointvirtual(px, y);
  step(1);
  waitfor(ch3viewsettled, 600);
  click(px, y);
  step(5);
}
bool chapter3step() {
  if (storyclock <= ch3wakeat) return false;
  doing = "clearing the road";
  const float sawgripx = ch3sawx - 21;  // the chainsaw's body lies up and left of its centre
  const int sawgripy = int(ch3sawy) - 42;
  if (ch3door == 0) ch3clickon(ch3doorx, int(ch3doory));
  else if (ch3pliers == CH3_LYING) ch3clickon(ch3pliersx, int(ch3pliersy));
  else if (ch3pliers == CH3_CARRIED) ch3clickon(ch3tarpx, int(ch3tarpy));
  else if (ch3tarp < ch3tarpend) step(5);
  else if (ch3canister == CH3_LYING) ch3clickon(ch3canx, int(ch3cany));
  else if (ch3saw == CH3_LYING) ch3clickon(sawgripx, sawgripy);
  else if (ch3saw == CH3_CARRIED) ch3clickon(ch3treex, int(ch3treey) - 250);
  else step(5);
  return true;
}

// Chapter 8: the dark shipyard, whose view follows the pointer as well. The pointer follows
// the spot until the view rests, then clicks: the chest's lid, the cable inside once the lid
// is up, the socket, the generator; the lamps then light by themselves.
void ch8clickon(float scenex, int y) {
  for (int i = 0; i < 600; i++) {
    float before = ch8scroll;
    pointvirtual(int(scenex + ch8scroll), y);
    step(1);
    if (std::fabs(ch8scroll - before) < 0.1f) break;
  }
  click(int(scenex + ch8scroll), y);
  step(5);
}
bool chapter8step() {
  if (storyclock <= ch8active) return false;
  doing = "lighting the shipyard";
  if (ch8lid == 0) ch8clickon(ch8chestx, int(ch8chesty - 58));
  else if (ch8lid < ch8lidopen) step(5);
  else if (ch8cable == 0) ch8clickon(ch8chestx - 5, int(ch8chesty - 25));
  else if (ch8cable == 1) ch8clickon(ch8socketx, int(ch8sockety) - 40);
  else if (ch8gen == 0) ch8clickon(ch8genx, int(ch8geny));
  else step(5);
  return true;
}

// Any other scene: a person who does not know it yet tries the places of the screen one after
// another, a click each, until the scene moves on (its objects answer and the end comes).
struct searcher {
  std::vector<std::pair<int, int>> spots;
  size_t next = 0;
  void reset(int seed) {
    spots.clear();
    for (int y = 40; y < screenh - 40; y += 24)
      for (int x = 16; x < screenw - 16; x += 24) {
        bool corner = y > screenh - 70 && (x < 170 || x > screenw - 170);  // the map and skip buttons
        if (!corner) spots.push_back({x, y});
      }
    std::mt19937 rng{uint32_t(seed)};
    std::shuffle(spots.begin(), spots.end(), rng);
    next = 0;
  }
  void tryone() {
    if (spots.empty()) return;
    auto [x, y] = spots[next++ % spots.size()];
    pointvirtual(x, y);
    step(2);
    click(x, y);
  }
};
searcher search;

void playstory() {
  const int chapter = storychapter;
  const long from = frames;
  bool searched = false;
  search.reset(chapter);
  std::printf("chapter %d: begins, frame %ld\n", chapter, frames);
  rest();
  while (screen == SCREEN_STORY) {
    if (journeymapup()) {
      closejourneymap();
      continue;
    }
    if (storyend > 0 || fadestate == 2 || mapopen > 0 || !storyfree() || storyfademode != 0) {
      step(1);
      continue;
    }
    // The scenes a person knows are played by their objects; a scene that does not move on
    // that way for a long while is searched place by place like an unknown one.
    const bool scripted = chapter != 10 && frames - from < chapterpatience;
    bool acted = false;
    if (scripted) {
      switch (chapter) {
        case 1: acted = chapter1step(); break;
        case 2: acted = chapter2step(); break;
        case 3: acted = chapter3step(); break;
        case 4: acted = chapter4step(); break;
        case 5: acted = chapter5step(); break;
        case 6: acted = chapter6step(); break;
        case 7: acted = chapter7step(); break;
        case 8: acted = chapter8step(); break;
        case 9: acted = chapter9step(); break;
      }
      if (!acted) {
        step(1);
        continue;
      }
    }
    if (chapter == 10) {  // the ending plays by itself
      step(1);
      continue;
    }
    if (!acted) {
      doing = "searching the scene for what answers";
      searched = true;
      search.tryone();
    }
  }
  chaptersplayed++;
  if (searched) chapterssearched++;
  std::printf("chapter %d: played to its end%s, %ld frames\n", chapter, searched ? " by searching the scene" : "",
              frames - from);
}

// ---- The card table ----

int cardmidx(int slot) { return cardx[player][slot] + xshift + cardw / 2; }
int cardmidy(int slot) { return cardy[player][slot] + cardh / 2; }

// Something on the table answered: a take, a draw, an extra on its way, a mode, the end.
struct tablestamp {
  int stable, stock, moving, cards, extras;
  bool operator==(const tablestamp& o) const { return std::memcmp(this, &o, sizeof o) == 0; }
};
tablestamp stampnow() {
  int cards = 0, extras = 0;
  for (int s = 1; s <= cardcount; s++) cards += cardvalue[player][s] > 0;
  for (int k = 1; k <= extracount; k++) extras += plants[player][k] + extraslots[player][k];
  return {stableid[player], stock[player], movetime[player] + movingcard + drawrequest + (extraflying() ? 1 : 0), cards,
          extras};
}

// A click in the middle of item slot s or of bar plant k, where the game draws them.
void clickitem(int s) {
  float x, y;
  itemslotcentre(s, x, y);
  click(int(x), int(y));
}
void clickplant(int k) {
  float x, y;
  plantcentre(k, x, y);
  click(int(x), int(y));
}

// At a dead end: a plant whose rank neighbours a free face-up card, else an item that opens a
// move. Returns true when one was used.
bool useextra(const tableview& v) {
  const int p = player;
  int best = 0, bestcount = 0;
  for (int k = 1; k <= plantcount; k++) {
    if (plants[p][k] <= 0) continue;
    int n = 0;
    for (int c = 0; c < int(v.deal.columns.size()); c++) {
      const auto& col = v.deal.columns[c];
      if (col.empty()) continue;
      int r = col.back().value;  // the column's free card, 0 when its face is unseen
      if (r >= 1 && r <= 13 && (std::abs(r - k) == 1 || std::abs(r - k) == 12)) n++;
    }
    if (best == 0 || n > bestcount) {
      best = k;
      bestcount = n;
    }
  }
  if (best > 0 && bestcount > 0) {
    doing = "using a plant";
    clickplant(best);
    extrasused++;
    return true;
  }
  // Items that open a move, best first; the zombie killer and blaster then want a target.
  const int order[] = {ITEM_JOKER, ITEM_FISHSLAP, ITEM_TURNALLUP, ITEM_NEWSTABLE, ITEM_RANDOMEXTRA, ITEM_ZOMBIEBLASTER,
                       ITEM_ZOMBIEKILLER, ITEM_SUDDENSTRIKE};
  for (int item : order)
    for (int s = 1; s <= itembarslots; s++) {
      if (extraslots[p][s] != item) continue;
      doing = "using an item";
      clickitem(s);
      extrasused++;
      waitfor([] { return !extraflying(); }, 60);
      if (killermode > 0 || blastermode > 0) {
        doing = "aiming an item";
        for (int slot = cardcount; slot >= 1; slot--)
          if (cardvalue[p][slot] > 0 && cardcandidate(slot)) {
            click(cardmidx(slot), cardmidy(slot));
            break;
          }
      }
      return true;
    }
  return false;
}

// One game of the level on the screen, from the deal to the end screen's button.
// Returns true when it was won.
bool playgame(int tries) {
  const int lv = level;
  const long from = frames;
  doing = "waiting for the deal";
  if (!waitfor([] { return gamestat != GAME_DEAL; }, 1500)) fail("the deal never ended");
  int misses = 0;
  rest();
  while (gamestat == GAME_PLAY) {
    // The tutorial: its pages with a "next" button are read and passed on.
    if (tutorialon == 1 && tutorialframe > 0 && tutorialpage >= 1 && buttonnear(midx + 60, midy + 146, 8)) {
      doing = "reading the tutorial";
      step(20);
      if (int k = buttonnear(midx + 60, midy + 146, 8)) click(buttonspotx[k], buttonspoty[k]);
      rest();
      continue;
    }
    // The no-moves question: go on when an extra is held, else end the game.
    if (nomoves > 0 && nomovechoice == 0 && buttonnear(midx - 60, midy + 41, 8)) {
      doing = "answering the no-moves question";
      step(20);
      bool held = plantsheld != 0 || itemsheld != 0;
      click(held ? midx + 60 : midx - 60, midy + 41);
      rest();
      continue;
    }
    if (popupid != 0 || blockingmode() || !tableatrest()) {
      step(1);
      continue;
    }
    tableview v = readtableview();
    int m = hintmove(v);
    tablestamp before = stampnow();
    if (m > 0) {
      doing = "taking a card";
      click(cardmidx(m), cardmidy(m));
    } else if (m == -1) {
      doing = "drawing from the stock";
      click(stocktopx + cardw / 2, stocky + cardh / 2);
    } else if (!useextra(v)) {
      // Nothing to play and no extra that helps: after going on past the no-moves question,
      // its end button finishes the game; otherwise the game ends by itself or asks.
      doing = "ending the game at a dead end";
      if (nomovechoice == 1 && buttonnear(midx, midy + 110, 8)) click(midx, midy + 110);
      else step(5);
      continue;
    }
    rest();
    step(1);
    if (stampnow() == before && gamestat == GAME_PLAY) {
      // The click did not take: a tutorial page may hold the table; its close button frees it.
      if (++misses % 3 == 0 && tutorialon == 1 && tutorialframe > 0) {
        doing = "closing the tutorial";
        if (int k = buttonnear(midx, midy + 146, 8)) click(buttonspotx[k], buttonspoty[k]);
        else if (int k2 = buttonnear(midx - 60, midy + 146, 8)) click(buttonspotx[k2], buttonspoty[k2]);
      }
      if (misses > 200) fail("the table answered none of 200 clicks in a row");
    } else {
      misses = 0;
    }
  }
  // The end screen: the notice of a new extra, then the buttons.
  doing = "watching the end screen";
  while (screen == SCREEN_GAME && endtime < 461) {
    if (itemnotice > 20 && buttonnear(midx, midy + 145, 8)) {
      doing = "reading the notice of a new extra";
      click(midx, midy + 145);
      rest();
      continue;
    }
    step(1);
  }
  const bool won = gameresult == RESULT_SOLVED || gameresult == RESULT_STRIKE;
  std::printf("level %d: %s%s, %d stars, %d points, %ld frames\n", lv, won ? "won" : "lost",
              tries > 1 ? (" (try " + std::to_string(tries) + ")").c_str() : "", won ? roundstars : 0, tallytotal,
              frames - from);
  if (won) levelswon++;
  else levelslost++;
  step(20);
  doing = "choosing on the end screen";
  if (endbuttons == 2) {
    if (!clickbutton(midx + 110, midy + 215)) fail("the end screen showed no button");
  } else if (!clickbutton(midx, midy + 215)) {
    fail("the end screen showed no button");
  }
  rest();
  return won;
}

// ---- The adventure map and the shop ----

// Buys what helps with the cash there is: the plants first, then items that open a move.
void shopping() {
  const int p = player;
  shopvisits++;
  doing = "shopping";
  step(40);
  if (unlockseen[p][1] == 1 && shopplantsetprice() > 0 && shopplantsetprice() <= cash[p]) {
    int x = midx + shopplantsx + shopbuyx;
    if (clickbutton(x, 557, 60)) bought++;
  }
  const int order[] = {ITEM_FISHSLAP, ITEM_TURNALLUP, ITEM_JOKER, ITEM_NEWSTABLE, ITEM_RANDOMEXTRA, ITEM_ZOMBIEKILLER,
                       ITEM_ZOMBIEBLASTER};
  for (int item : order) {
    if (shopfreeslot() == 0) break;
    if (unlockseen[p][item + 1] != 1 || shopgrid[item].price > cash[p]) continue;
    int x = midx + shopgrid[item].x + shopbuyx, y = shopgrid[item].y + 79;
    if (clickbutton(x, y, 60)) bought++;
    step(5);
  }
  doing = "leaving the shop";
  if (!clickbutton(midx, screenh - 45)) fail("the shop showed no way back");
  rest();
}

bool shopworthit() {
  const int p = player;
  if (unlockseen[p][1] == 1 && shopplantsetprice() > 0 && shopplantsetprice() <= cash[p]) return true;
  if (shopfreeslot() == 0) return false;
  for (int item : {ITEM_FISHSLAP, ITEM_TURNALLUP, ITEM_JOKER, ITEM_NEWSTABLE, ITEM_RANDOMEXTRA})
    if (unlockseen[p][item + 1] == 1 && shopgrid[item].price <= cash[p]) return true;
  return false;
}

void onmap() {
  const int d = screenw == 1024 ? 400 : 470;  // the panels' distance from the centre
  doing = "looking at the adventure map";
  step(30);
  for (int guard = 0; guard < 50 && screen == SCREEN_MAP && fadestate == 1; guard++) {
    if (journeymapup()) {
      closejourneymap();
      continue;
    }
    if (mapopen > 0 || popupid != 0 || hookrun > 0) {
      if (popupid != 0 && popuplevel == popupfull && buttonspots > 0) click(buttonspotx[1], buttonspoty[1]);
      else step(10);
      continue;
    }
    if (maphint[player] > 0 && maphint[player] < maphintdone) {
      doing = "reading the map's hint";
      click(midx, midy);
      continue;
    }
    int y = screenh - barpos - 25;
    if (shopworthit()) {
      doing = "going to the shop";
      if (clickbutton(midx - d, y)) return;
    }
    doing = "playing on from the map";
    if (clickbutton(midx + d, y)) return;
    step(10);
  }
}

}  // namespace

int main(int argc, char** argv) {
  int stopafter = lastlevel + 1;  // the ending
  for (int i = 1; i < argc; i++) {
    if (std::strcmp(argv[i], "--levels") == 0 && i + 1 < argc) stopafter = std::atoi(argv[++i]);
    else {
      std::fprintf(stderr, "usage: autoplay [--levels N]\n");
      return 2;
    }
  }
  headless::installhandlers(tellwhere);
  started = std::chrono::steady_clock::now();
  const std::string home = headless::userhome("autoplay", 1);
  testclock(true, 0);
  testresetdisplay();
  headless::startgame(home, "autoplay");
  nanbefore = NonFiniteVertices();
  toplayer();

  bool ending = false, done = false;
  int lastlevelplayed = 0, tries = 0;
  while (!done) {
    switch (screen) {
      case SCREEN_STORY:
        playstory();
        break;
      case SCREEN_GAME: {
        if (fadestate != 1) {
          step(1);
          break;
        }
        tries = level == lastlevelplayed ? tries + 1 : 1;
        lastlevelplayed = level;
        if (tries > triesperlevel) fail("level " + std::to_string(level) + " lost " + std::to_string(triesperlevel) + " times in a row");
        const int lv = level;
        bool won = playgame(tries);
        if (won && lv >= stopafter) done = true;
        break;
      }
      case SCREEN_MAP:
        if (fadestate != 1) step(1);
        else onmap();
        break;
      case SCREEN_SHOP:
        if (fadestate != 1) step(1);
        else shopping();
        break;
      case SCREEN_MENU:
        if (fadestate == 1 && toplevel[player] > lastlevel) {
          ending = true;
          done = true;
        } else {
          step(1);
        }
        break;
      default:
        step(1);
    }
  }
  const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  std::printf("autoplay: %d levels won, %d lost and played again, %d chapters (%d found by searching), %d extras used, "
              "%d shop visits buying %d, %ld frames, %.1f s%s\n",
              levelswon, levelslost, chaptersplayed, chapterssearched, extrasused, shopvisits, bought, frames, wall,
              ending ? ", ending reached" : "");
  std::filesystem::remove_all(home);
  return 0;
}
