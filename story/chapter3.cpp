// Chapter 3, Pine Road: the tailgate hides the chainsaw, the pliers pull the nails out of the
// tarp over the fuel can, the can fills the saw, and the saw brings the pine down on the
// zombie sitting in the road. The scene follows the pointer: the further right the pointer,
// the further right the view.
#include "story/chapter3.h"
#include "presentation/sound.h"
#include "runtime/convert.h"
#include "shell/buttons.h"
#include "shell/gfx.h"
#include "shell/state.h"
#include "solitaire/state.h"
#include "story/scenes.h"
#include "story/story.h"
#include <algorithm>
#include <cmath>

namespace {

// The chapter's story sounds, by their slot in the story sound table.
enum {
  CH3_GROWL1 = 3,      // "introstory_growl1.ogg"
  CH3_GROWL2 = 4,      // "introstory_growl2.ogg"
  CH3_BOXOPEN = 12,    // "boxopen.ogg": the fuel can is taken
  CH3_CHAINSAW1 = 35,  // "chainsaw1.ogg": the empty saw coughs
  CH3_CHAINSAW2 = 36,  // "chainsaw2.ogg": the filled saw starts
  CH3_TREEFALL = 37,   // "treefall.ogg"
  CH3_SAWIDLE = 38,    // "chainsaw32.ogg": the running saw, looping until the tree is cut
  CH3_SAWCUT = 39,     // "chainsaw4.ogg": the saw bites into the trunk
  CH3_TRUNK = 40,      // "trunk.ogg": the tailgate opens
  CH3_PLANEUP = 41,    // "planeup.ogg": the pliers get to work on the tarp
  CH3_NAIL = 42,       // "nail.ogg": a nail comes out
  CH3_FINISH = 46      // "finish.ogg"
};

// Picture slots in storypic: [object][variant].
enum { P_TREE = 1, P_PLIERS, P_CAN, P_SAW, P_TARP, P_DOOR, P_ZOMBIE, P_CAR, P_NAIL };
// The tree's variants: 1 standing, 2 its shadow, 4 felled, 5 glowing.
enum { V_TREE = 1, V_TREESHADOW = 2, V_TREEFELLED = 4, V_TREEGLOW = 5 };
// The zombie's: 1 sitting, 2 glowing, 3 his shadow, 4 flattened.
enum { V_ZOMBIE = 1, V_ZOMBIEGLOW = 2, V_ZOMBIESHADOW = 3, V_ZOMBIESPLASH = 4 };

// Bubbles: number n shows storytexts 3.(3 + n).
enum {
  B_ZOMBIE = 1, B_NOTHING = 2, B_TARPNOPLIERS = 3, B_PLIERS = 4, B_CAN = 5, B_SAWEMPTY = 7, B_SAWFILLED = 9,
  B_DONE = 10, B_NOTHINGYET = 11, B_TREEEMPTY = 12
};
constexpr int bubblelong = 200;

constexpr float scrollease = 0.03f;               // the view's share of the way to the pointer's wish per frame
constexpr float scrollbase = 100;                 // target = 100 - k x mousex
constexpr float scrollk1024 = 1.75f, scrollkwide = 1.1f;
constexpr int zombiehalfw = 158, zombiehalfh = 70;
constexpr int shadowdy = 80;                      // the zombie's shadow and flattened self lie this far below him
constexpr int treeglowshift = 5;                  // the tree's glow is drawn this much up and left
constexpr int doorglowdy = 2;                     // the tailgate's glow sits 2 pixels lower
constexpr int treeshadowdx = 20, treeshadowdy = 70;
constexpr float treeshadow = 0.6f, treeshadowgrow = 0.0029f, treeshadowmax = 0.85f;
constexpr int treecut = 60;                       // the saw cuts for 60 frames, then the pine falls
constexpr int treedown = 150;                     // it lies across the road from this frame
constexpr int treeswap = 140;                     // the standing picture fades into the felled one from here
constexpr float treeangle = -93;                  // the felled pine's rotation
constexpr int treedonebubble = 239;               // the last bubble and the end
constexpr int tarpfadefrom = 20;                  // the tarp fades out from this counter
constexpr int nailstarts[ch3nails + 1] = {0, 2, 10, 15, 20};  // tarp counter at which each nail starts
constexpr int nailrise = 5;                       // a flying nail rises 5 pixels a frame
constexpr int nailcap = 60;                       // a nail's counter stops here, long after it faded
// Carried things hang at the pointer plus these.
constexpr int carrypliersx = 60, carrypliersy = 70, carrycanx = 80, carrycany = 90, carrysawx = 50, carrysawy = 70;

bool clickfree() { return mousehit1 == 1 && storyclicked == 0; }

}  // namespace

float ch3scrolltarget() {
  float k = screenw <= 1024 ? scrollk1024 : scrollkwide;
  return scrollbase - k * float(mousex);
}

void preparechapter3() {
  ch3scroll = 0;
  ch3pliers = ch3canister = ch3saw = CH3_LYING;
  ch3tarp = 0;
  ch3door = 0;
  ch3tree = 0;
  ch3sawtimer = 0;
  ch3nail.fill(0);
}

void loadchapter3() {
  lastfunc = "loadchapter3()";
  bool mid = AutoMidHandleOn();
  AutoMidHandle(false);
  storybga = loadimg("data\\story\\3\\bga.jpg");
  storybgb = loadimg("data\\story\\3\\bgb.jpg");
  AutoMidHandle(true);
  storypic[P_TREE][V_TREE] = loadimg("data\\story\\3\\tree1.png");
  storypic[P_TREE][V_TREEGLOW] = loadimg("data\\story\\3\\tree1-glow.png");
  storypic[P_TREE][V_TREESHADOW] = loadimg("data\\story\\3\\treesh.png");
  storypic[P_TREE][V_TREEFELLED] = loadimg("data\\story\\3\\tree4.png");
  storypic[P_PLIERS][1] = loadimg("data\\story\\3\\pliers.png");
  storypic[P_PLIERS][2] = loadimg("data\\story\\3\\pliers-glow.png");
  storypic[P_CAN][1] = loadimg("data\\story\\3\\canister.png");
  storypic[P_CAN][2] = loadimg("data\\story\\3\\canister-glow.png");
  storypic[P_SAW][1] = loadimg("data\\story\\3\\saw1.png");
  storypic[P_SAW][2] = loadimg("data\\story\\3\\saw2.png");
  storypic[P_SAW][3] = loadimg("data\\story\\3\\saw1-glow.png");
  storypic[P_TARP][1] = loadimg("data\\story\\3\\plane.png");
  storypic[P_TARP][2] = loadimg("data\\story\\3\\plane-glow.png");
  for (int i = 1; i <= 4; i++) storypic[P_DOOR][i] = loadimg("data\\story\\3\\cardoor" + str(i) + ".png");
  storypic[P_DOOR][5] = loadimg("data\\story\\3\\cardoor1-glow.png");
  storypic[P_ZOMBIE][V_ZOMBIE] = loadimg("data\\story\\3\\zombie.png");
  storypic[P_ZOMBIE][V_ZOMBIEGLOW] = loadimg("data\\story\\3\\zombie-glow.png");
  storypic[P_ZOMBIE][V_ZOMBIESHADOW] = loadimg("data\\story\\3\\zombiesh.png");
  storypic[P_ZOMBIE][V_ZOMBIESPLASH] = loadimg("data\\story\\3\\zombiesplash.png");
  storypic[P_CAR][1] = loadimg("data\\story\\3\\car.png");
  storypic[P_NAIL][1] = loadimg("data\\story\\3\\nail.png");
  // The pine stands, turns and falls about the foot of its trunk; its shadow reaches left from it.
  if (storypic[P_TREE][V_TREE]) SetImageHandle(storypic[P_TREE][V_TREE], 210, 726);
  if (storypic[P_TREE][V_TREEGLOW]) SetImageHandle(storypic[P_TREE][V_TREEGLOW], 210, 726);
  if (storypic[P_TREE][V_TREESHADOW]) SetImageHandle(storypic[P_TREE][V_TREESHADOW], 900, 60);
  if (storypic[P_TREE][V_TREEFELLED]) SetImageHandle(storypic[P_TREE][V_TREEFELLED], 206, 725);
  AutoMidHandle(mid);
}

// The view eases towards where the pointer wants it, once the journey map has had its turn
// and while nothing lies over the scene.
static void ch3scrollstep() {
  if (storyclock == 2) ch3scroll = 0;
  if (storyclock > ch3mapat && buttonlayer == 1) {
    ch3scroll = ch3scroll - (ch3scroll - ch3scrolltarget()) * scrollease;
    ch3scroll = std::clamp(ch3scroll, float(screenw - ch3scenew), 0.0f);
  }
}

// The pine's shadow, the car and the zombie: the scenery the tree falls onto.
static void ch3scenery(bool active) {
  float s = ch3scroll;
  float shadow = treeshadow;
  if (ch3tree > treecut) shadow = std::min(treeshadow + treeshadowgrow * (ch3tree - treecut), treeshadowmax);
  SetScale(shadow, 1);
  drawimg(storypic[P_TREE][V_TREESHADOW], ch3treex + s + treeshadowdx, ch3treey + treeshadowdy);
  SetScale(1, 1);

  drawimg(storypic[P_CAR][1], ch3carx + s, ch3cary);

  float z = 1;
  if (ch3tree > treedown) z = std::max(1 - 0.2f * (ch3tree - treedown), 0.0f);
  float zx = ch3zombiex + s;
  SetAlpha(z);
  drawimg(storypic[P_ZOMBIE][V_ZOMBIESHADOW], zx, ch3zombiey + shadowdy);
  if (ch3tree > treedown) {
    SetAlpha(1 - z);
    drawimg(storypic[P_ZOMBIE][V_ZOMBIESPLASH], zx, ch3zombiey + shadowdy);
    SetAlpha(z);
  }
  drawimg(storypic[P_ZOMBIE][V_ZOMBIE], zx, ch3zombiey);
  SetAlpha(1);
  if (active && ch3tree == 0 && storyhotbox(zx, ch3zombiey, zombiehalfw, zombiehalfw, zombiehalfh, zombiehalfh)) {
    drawimg(storypic[P_ZOMBIE][V_ZOMBIEGLOW], zx, ch3zombiey);
    if (clickfree()) {
      showbubble(mousex, mousey, B_ZOMBIE, bubblelong);
      PlayS_story2(Rand(0, 1) == 0 ? CH3_GROWL1 : CH3_GROWL2, float(mousex));
    }
  }
}

// The pine: cut for a second, then it falls across the road onto the zombie.
static void ch3treestep(bool active) {
  if (ch3tree > 0 && ch3tree < ch3treeend) {
    ch3tree++;
    if (ch3tree == treecut + 1) PlayS_story2(CH3_TREEFALL, float(mousex));
    if (ch3tree == treedown + 1) PlayS(SFX_KILLEDZOMBIE, float(midx));
    if (ch3tree == treedonebubble) {
      showbubble(midx, midy, B_DONE, bubblelong);
      storyend = 1;
      PlayS_story2(CH3_FINISH, float(midx));
    }
  }
  float rot = 0;
  if (ch3tree > treecut && ch3tree < treedown) rot = treeangle - treeangle * cosd(float(ch3tree - treecut));
  if (ch3tree >= treedown) rot = treeangle;
  float o = 1;
  if (ch3tree > treeswap) o = std::max(1 - 0.1f * (ch3tree - treeswap), 0.0f);
  float x = ch3treex + ch3scroll, y = ch3treey;
  SetRotation(rot);
  if (ch3tree <= treedown) {
    SetAlpha(o);
    drawimg(storypic[P_TREE][V_TREE], x, y);
  }
  if (ch3tree > treeswap) {
    SetAlpha(1 - o);
    drawimg(storypic[P_TREE][V_TREEFELLED], x, y);
  }
  SetAlpha(1);
  SetRotation(0);

  if (active && ch3tree == 0 && storyhotpic(storypic[P_TREE][V_TREE], x, y)) {
    drawimg(storypic[P_TREE][V_TREEGLOW], x - treeglowshift, y - treeglowshift);
    if (clickfree()) {
      if (ch3saw == CH3_CARRIED) {
        ch3tree = 1;
        ch3saw = CH3_USED;
        storyclicked = 1;
        PlayS_story2(CH3_SAWCUT, float(mousex));
        StopS_story();
      } else {
        showbubble(mousex, mousey, B_TREEEMPTY, bubblelong);
        PlayS(SFX_CLICK, float(mousex));
      }
    }
  }
}

// The things to pick up and open: pliers, fuel can, chainsaw, tarp and tailgate.
static void ch3objects(bool active) {
  float s = ch3scroll;

  if (ch3pliers == CH3_LYING) {
    float x = ch3pliersx + s, y = ch3pliersy;
    drawimg(storypic[P_PLIERS][1], x, y);
    if (active && storyhotpic(storypic[P_PLIERS][1], x, y, true)) {
      drawimg(storypic[P_PLIERS][2], x, y);
      if (clickfree()) {
        showbubble(mousex, mousey, B_PLIERS, bubblelong);
        PlayS(SFX_TURNUP, float(mousex));
        ch3pliers = CH3_CARRIED;
      }
    }
  }

  if (ch3canister == CH3_LYING) {
    float x = ch3canx + s, y = ch3cany;
    drawimg(storypic[P_CAN][1], x, y);
    if (active && ch3tarp >= ch3tarpend && storyhotpic(storypic[P_CAN][1], x, y)) {
      drawimg(storypic[P_CAN][2], x, y);
      if (clickfree()) {
        showbubble(mousex, mousey, B_CAN, bubblelong);
        PlayS_story2(CH3_BOXOPEN, float(mousex));
        ch3canister = CH3_CARRIED;
      }
    }
  }

  if (ch3saw == CH3_LYING) {
    float x = ch3sawx + s, y = ch3sawy;
    drawimg(storypic[P_SAW][1], x, y);
    if (active && ch3door >= ch3doorend && storyhotpic(storypic[P_SAW][1], x, y)) {
      drawimg(storypic[P_SAW][3], x, y);
      if (clickfree()) {
        if (ch3canister == CH3_CARRIED) {
          showbubble(mousex, mousey, B_SAWFILLED, bubblelong);
          PlayS_story2(CH3_CHAINSAW2, float(mousex));
          ch3saw = CH3_CARRIED;
          ch3sawtimer = 1;
          ch3canister = CH3_USED;
        } else {
          showbubble(mousex, mousey, B_SAWEMPTY, bubblelong);
          PlayS_story2(CH3_CHAINSAW1, float(mousex));
        }
      }
    }
  }

  if (ch3tarp < ch3tarpend) {
    float x = ch3tarpx + s, y = ch3tarpy;
    if (ch3tarp > tarpfadefrom) SetAlpha(1 - 0.05f * (ch3tarp - tarpfadefrom));
    drawimg(storypic[P_TARP][1], x, y);
    SetAlpha(1);
    if (active && ch3tarp == 0 && storyhotpic(storypic[P_TARP][1], x, y)) {
      drawimg(storypic[P_TARP][2], x, y);
      if (clickfree()) {
        if (ch3pliers == CH3_CARRIED) {
          bubbletime = 0;
          storyclicked = 1;
          PlayS_story2(CH3_PLANEUP, float(mousex));
          ch3pliers = CH3_USED;
          ch3tarp = 1;
        } else {
          showbubble(mousex, mousey, B_TARPNOPLIERS, bubblelong);
          PlayS(SFX_CLICK, float(mousex));
        }
      }
    }
  }

  float dx = ch3doorx + s, dy = ch3doory;
  drawimg(storypic[P_DOOR][1 + ch3door / 4], dx, dy);
  if (active && ch3door == 0 && storyhotpic(storypic[P_DOOR][1], dx, dy)) {
    drawimg(storypic[P_DOOR][5], dx, dy + doorglowdy);
    if (clickfree()) {
      storyclicked = 1;
      PlayS_story2(CH3_TRUNK, float(mousex));
      ch3door = 1;
    }
  }
  if (ch3door > 0 && ch3door < ch3doorend) ch3door++;
}

// The tarp lifts as the nails fly out one after another, each rising and fading.
static void ch3nailstep() {
  if (ch3tarp > 0 && ch3tarp < ch3tarpend) {
    ch3tarp++;
    for (int i = 1; i <= ch3nails; i++)
      if (ch3tarp == nailstarts[i] && ch3nail[i] == 0) {
        ch3nail[i] = 1;
        PlayS_story2(CH3_NAIL, ch3tarpx + ch3scroll);
      }
  }
  for (int i = 1; i <= ch3nails; i++) {
    int n = ch3nail[i];
    float a = 1;
    if (n > 3 * i + 10) a = std::max(1 - 0.1f * (n - 3 * i - 10), 0.0f);
    float x = ch3tarpx + ch3scroll + ch3nailxy[i][0] + ch3nailshiftx;
    float y = float(ftoi(ch3tarpy + ch3nailxy[i][1]) - nailrise * n + ch3nailshifty);
    SetAlpha(a);
    drawimg(storypic[P_NAIL][1], x, y);
    if (n > 0 && n < nailcap) ch3nail[i]++;
  }
  SetAlpha(1);
}

// What the player holds hangs at the pointer; the filled chainsaw shakes and, after two
// seconds, idles on in a loop until the tree is cut.
static void ch3carried() {
  float x = float(mousex), y = float(mousey);
  if (ch3pliers == CH3_CARRIED) drawimg(storypic[P_PLIERS][1], x + carrypliersx, y + carrypliersy);
  if (ch3canister == CH3_CARRIED) drawimg(storypic[P_CAN][1], x + carrycanx, y + carrycany);
  if (ch3saw == CH3_CARRIED) {
    drawimg(storypic[P_SAW][1 + (framecount / 2) % 2], x + carrysawx, y + carrysawy);
    if (ch3sawtimer < ch3sawidle) {
      ch3sawtimer++;
      if (ch3sawtimer == ch3sawidle) PlayS_story(CH3_SAWIDLE, x);
    }
  }
}

void storyscene3() {
  storyjourneystart(ch3mapat);
  ch3scrollstep();
  drawimg(storybga, ch3scroll, 0);
  drawimg(storybgb, ch3scroll + 1366, 0);
  // Nothing on the road answers under a popup or the pause sign.
  bool active = storyclock > ch3wakeat && storyfree();

  storyclicked = 0;
  ch3scenery(active);
  ch3treestep(active);
  ch3objects(active);
  ch3nailstep();
  if (storyclock > ch3wakeat) drawstorypanel(ch3wakeat, float(midx), 70, 58, 23);
  ch3carried();
  bool emptyhanded = ch3pliers == CH3_LYING && ch3canister == CH3_LYING && ch3saw == CH3_LYING;
  storynothinghere(emptyhanded ? B_NOTHINGYET : B_NOTHING, active);
  drawbubble();
}
