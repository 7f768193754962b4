// Chapter 2, the allotment gardens: lift the two planks off the iron weight, carry the weight
// to the see-saw plank and drop it there; the plank tips over and the crow on top flies off.
// The mower on the bank, the privy door and the crow only comment on what the player does,
// though a mower rolled down early stops the falling plank short with a clang.
#include "story/chapter2.h"
#include "presentation/effects.h"
#include "presentation/sound.h"
#include "runtime/convert.h"
#include "shell/gfx.h"
#include "shell/state.h"
#include "solitaire/state.h"
#include "story/scenes.h"
#include "story/story.h"
#include <algorithm>

namespace {

// The chapter's story sounds, by their slot in the story sound table.
enum {
  CH2_GROWL1 = 3,    // "introstory_growl1.ogg": the zombie on the privy
  CH2_GROWL2 = 4,    // "introstory_growl2.ogg": the zombie climbing out of the bed
  CH2_CARPET = 26,   // "carpet.ogg": the privy door creaks open
  CH2_RUMBLE5 = 27,  // "rumble5.ogg": the lower plank
  CH2_RUMBLE6 = 28,  // "rumble6.ogg": the upper plank
  CH2_MOWER = 29,    // "mower2.ogg"
  CH2_CROW = 30,     // "crow.ogg"
  CH2_PLANK = 31,    // "plank.ogg": the weight lands on the see-saw
  CH2_IRON = 32,     // "iron.ogg": the weight is picked up
  CH2_CROW2 = 33,    // "crow2.ogg": the crow flies off
  CH2_METALHIT = 34, // "metallhit.ogg": the plank hits the mower
  CH2_FINISH = 46    // "finish.ogg"
};

// Picture slots in storypic: [object][variant].
enum { P_IRON = 1, P_PLANK1, P_PLANK2, P_MOWER, P_DOOR, P_SEESAW, P_CROW, P_PRIVY, P_RISE };

// Hot boxes: half-widths and half-heights around the drawn position.
constexpr int ironhalfw = 49, ironhalfh = 36;
constexpr int plank1halfw = 113, plank1halfh = 24;
constexpr int plank2halfw = 101, plank2halfh = 50;
constexpr int mowerhalfw = 70, mowerhalfh = 85;
constexpr int seesawhalfw = 47, seesawup = 390, seesawdown = 10;  // the standing plank above its pivot
constexpr int crowhalfw = 50, crowtop = 245, crowbottom = 325;   // screen y band of the crow
constexpr int privyhalf = 18;
constexpr float crowscale = 0.8f;
constexpr float crowlean = 6;        // the crow moves this many pixels sideways per degree of tilt
constexpr int crowoffx = -15;        // and sits this far left of the pivot
constexpr float featherspeed = 0.3f; // the fleeing crow's feathers: 0.3 x Rand(-50, 50) each way
constexpr int risefromy = 80;        // the bed zombie rises 3 pixels a frame from screenh + 80
constexpr int bubblelong = 200, bubbleprivy = 150;
constexpr int tipangle = 45, tipanglemower = 40;  // the see-saw stops at -2 x this (-90 or -80 degrees)

// Bubbles: number n shows storytexts 2.(3 + n).
enum { B_PRIVY = 1, B_NOTHING = 2, B_MOWER = 3, B_CROW = 5, B_SEESAW = 6, B_IRON = 7, B_NOIRON = 8 };

float wobble(int timer, float amount) { return sind(3.6f * (ch2wobblelen - timer)) * amount * timer; }

bool clickfree() { return mousehit1 == 1 && storyclicked == 0; }

}  // namespace

int ch2stopframe() {
  if (screenw >= 1366) return 280;
  if (screenw >= 1280) return 300;
  return 350;
}

void preparechapter2() {
  ch2plank1 = ch2plank2 = 0;
  ch2iron = CH2_IRONLYING;
  ch2seesawwobble = 0;
  ch2mower = 0;
  ch2door = 0;
  ch2blink = 0;
  ch2seesaw = 0;
  ch2crowgone = 0;
  ch2rise = 0;
  ch2privywobble = 0;
  ch2seesawangle = 0;
  ch2seesawstop = 0;
}

void loadchapter2() {
  lastfunc = "loadchapter2()";
  bool mid = AutoMidHandleOn();
  AutoMidHandle(false);
  storybga = loadimg("data\\story\\2\\bga.jpg");
  storybgb = loadimg("data\\story\\2\\bgb.jpg");
  AutoMidHandle(true);
  storypic[P_IRON][1] = loadimg("data\\story\\2\\iron.png");
  storypic[P_IRON][2] = loadimg("data\\story\\2\\iron-glow.png");
  storypic[P_PLANK1][1] = loadimg("data\\story\\2\\plank1.png");
  storypic[P_PLANK1][2] = loadimg("data\\story\\2\\plank1-glow.png");
  storypic[P_PLANK2][1] = loadimg("data\\story\\2\\plank2.png");
  storypic[P_PLANK2][2] = loadimg("data\\story\\2\\plank2-glow.png");
  storypic[P_MOWER][1] = loadimg("data\\story\\2\\mower.png");
  storypic[P_MOWER][2] = loadimg("data\\story\\2\\mower-glow.png");
  for (int i = 1; i <= 3; i++) storypic[P_DOOR][i] = loadimg("data\\story\\2\\door" + str(i) + ".png");
  storypic[P_DOOR][4] = loadimg("data\\story\\2\\door1-glow.png");
  storypic[P_SEESAW][1] = loadimg("data\\story\\2\\plank.png");
  storypic[P_SEESAW][2] = loadimg("data\\story\\2\\plank-glow.png");
  for (int i = 1; i <= 3; i++) storypic[P_CROW][i] = loadimg("data\\story\\2\\crow" + str(i) + ".png");
  storypic[P_CROW][4] = loadimg("data\\story\\2\\crow1-glow.png");
  storypic[P_PRIVY][1] = loadimg("data\\story\\2\\zombie2.png");
  storypic[P_PRIVY][2] = loadimg("data\\story\\2\\zombie2-glow.png");
  storypic[P_RISE][1] = loadimg("data\\story\\2\\zombie1.png");
  // The door hangs by its top-left corner; the see-saw plank turns about its pivot.
  for (int i = 1; i <= 4; i++)
    if (storypic[P_DOOR][i]) SetImageHandle(storypic[P_DOOR][i], 0, 0);
  for (int i = 1; i <= 2; i++)
    if (storypic[P_SEESAW][i]) SetImageHandle(storypic[P_SEESAW][i], 56, 384);
  AutoMidHandle(mid);
}

// Where the tipping plank stops, as half its angle: against the mower when it has rolled more
// than halfway down, else flat on the lawn. Once the plank is past the mower's height the
// choice is kept: a mower still rolling down later cannot lift the plank back up.
static int ch2tipstop() {
  if (ch2seesawstop == 0) return ch2mower > ch2mowerhit ? tipanglemower : tipangle;
  return ch2seesawstop;
}

// The see-saw's rotation: a damped wobble while it stands, then tipping to -90 degrees, or to
// -80 when the mower has rolled into its way.
static float ch2tilt() {
  if (ch2seesaw == 0) return wobble(ch2seesawwobble, 0.01f);
  return -2.0f * float(std::min(ch2tipstop(), ch2seesaw));
}

// The weight lands on the see-saw: the plank starts to tip and the crow flies off in a cloud of feathers.
static void ch2dropiron(float crowx) {
  ch2seesaw = 1;
  PlayS_story2(CH2_PLANK, float(mousex));
  showbubble(mousex, mousey, B_SEESAW, bubblelong);
  ch2iron = CH2_IRONUSED;
  for (int i = 1; i <= ch2feathers; i++)
    addeffect(crowx, float(ch2crowy), EFF_FEATHERFALL, featherspeed * Rand(-50, 50), featherspeed * Rand(-50, 50));
  ch2crowgone = 1;
  PlayS_story2(CH2_CROW2, float(mousex));
}

// The objects, in the order they are drawn; each reacts to the click once the scroll has stopped.
static void ch2objects(bool active) {
  float s = float(storyscroll);
  float sx = ch2stackx + s, sy = ch2stacky;

  // The iron weight: it can be taken once both planks are gone.
  if (ch2iron == CH2_IRONLYING) {
    drawimg(storypic[P_IRON][1], sx, sy);
    if (active && ch2plank1 >= ch2plankfade && ch2plank2 >= ch2plankfade &&
        storyhotbox(sx, sy, ironhalfw, ironhalfw, ironhalfh, ironhalfh)) {
      drawimg(storypic[P_IRON][2], sx, sy);
      if (clickfree()) {
        showbubble(mousex, mousey, B_IRON, bubblelong);
        PlayS_story2(CH2_IRON, float(mousex));
        ch2iron = CH2_IRONCARRIED;
      }
    }
  }
  // Plank 1 lies under plank 2 and can only be lifted once plank 2 is gone.
  if (ch2plank1 < ch2plankfade) {
    SetAlpha(1 - 0.05f * ch2plank1);
    drawimg(storypic[P_PLANK1][1], sx, sy);
    SetAlpha(1);
    if (active && ch2plank1 == 0 && ch2plank2 >= ch2plankfade &&
        storyhotbox(sx, sy, plank1halfw, plank1halfw, plank1halfh, plank1halfh)) {
      drawimg(storypic[P_PLANK1][2], sx, sy);
      if (clickfree()) {
        PlayS_story2(CH2_RUMBLE5, float(mousex));
        ch2plank1 = 1;
        storyclicked = 1;
      }
    }
  }
  if (ch2plank2 < ch2plankfade) {
    SetAlpha(1 - 0.05f * ch2plank2);
    drawimg(storypic[P_PLANK2][1], sx, sy);
    SetAlpha(1);
    if (active && ch2plank2 == 0 && storyhotbox(sx, sy, plank2halfw, plank2halfw, plank2halfh, plank2halfh)) {
      drawimg(storypic[P_PLANK2][2], sx, sy);
      if (clickfree()) {
        PlayS_story2(CH2_RUMBLE6, float(mousex));
        ch2plank2 = 1;
        storyclicked = 1;
      }
    }
  }

  // The mower rolls 200 pixels down the bank, growing to full size as it comes nearer.
  float roll = sind(0.45f * ch2mower);
  float mx = ch2mowerx + s + 200 * roll, my = ch2mowery + 200 * roll, msc = 0.7f + 0.3f * roll;
  SetScale(msc, msc);
  drawimg(storypic[P_MOWER][1], mx, my);
  bool mowerhot = active && ch2mower == 0 && ch2seesaw == 0 &&
                  storyhotbox(mx, my, mowerhalfw, mowerhalfw, mowerhalfh, mowerhalfh);
  if (mowerhot) drawimg(storypic[P_MOWER][2], mx, my);
  SetScale(1, 1);
  if (mowerhot && clickfree()) {
    ch2mower = 1;
    showbubble(mousex, mousey, B_MOWER, bubblelong);
    PlayS_story2(CH2_MOWER, float(mousex));
  }

  // The see-saw plank, standing on its pivot until the weight lands on it.
  float px = ch2seesawx + s, py = ch2seesawy;
  ch2seesawangle = ch2tilt();
  SetRotation(ch2seesawangle);
  drawimg(storypic[P_SEESAW][1], px, py);
  bool seesawhot = active && ch2seesaw == 0 && storyhotbox(px, py, seesawhalfw, seesawhalfw, seesawup, seesawdown);
  if (seesawhot) drawimg(storypic[P_SEESAW][2], px - ch2glowshift, py - ch2glowshift);
  SetRotation(0);
  float crowx = px + crowoffx + crowlean * ch2seesawangle;
  if (seesawhot && clickfree()) {
    if (ch2iron == CH2_IRONCARRIED) {
      ch2dropiron(crowx);
    } else {
      showbubble(mousex, mousey, B_NOIRON, bubblelong);
      PlayS(SFX_CLICK, float(mousex));
    }
  }

  // The crow on top of the plank, blinking now and then.
  if (!ch2crowgone) {
    SetScale(crowscale, crowscale);
    drawimg(storypic[P_CROW][1 + ch2blink / 4], crowx, float(ch2crowy));
    bool crowhot = active && storyhotbox(crowx, float(ch2crowy), crowhalfw, crowhalfw, ch2crowy - crowtop,
                                         crowbottom - ch2crowy);
    if (crowhot) drawimg(storypic[P_CROW][4], crowx, float(ch2crowy));
    SetScale(1, 1);
    if (crowhot && clickfree()) {
      showbubble(mousex, mousey, B_CROW, bubblelong);
      PlayS_story2(CH2_CROW, float(mousex));
    }
  }

  // The zombie on the privy, seen once the door is open.
  float zx = ch2privyx + s, zy = ch2privyy + wobble(ch2privywobble, 0.03f);
  drawimg(storypic[P_PRIVY][1], zx, zy);
  if (active && ch2door > 10 && storyhotbox(zx, float(ch2privyy), privyhalf, privyhalf, privyhalf, privyhalf)) {
    drawimg(storypic[P_PRIVY][2], zx, zy);
    if (clickfree()) {
      showbubble(mousex, mousey, B_PRIVY, bubbleprivy);
      PlayS_story2(CH2_GROWL1, float(mousex));
    }
  }

  // The zombie climbing out of the vegetable bed as the scene scrolls in.
  if (ch2rise > 0) drawimg(storypic[P_RISE][1], ch2risex + s, float(screenh - 3 * ch2rise + risefromy));

  // The privy door.
  float dx = ch2doorx + s, dy = ch2doory;
  drawimg(storypic[P_DOOR][1 + ch2door / 4], dx, dy);
  if (active && ch2door == 0 && storyhotbox(dx, dy, 0, ch2doorw, 0, ch2doorh)) {
    drawimg(storypic[P_DOOR][4], dx - ch2glowshift, dy - ch2glowshift);
    if (clickfree()) {
      ch2door = 1;
      PlayS_story2(CH2_CARPET, float(midx));
      storyclicked = 1;
    }
  }

  // The weight in the player's hand.
  if (ch2iron == CH2_IRONCARRIED) drawimg(storypic[P_IRON][1], float(mousex + ch2ironcarryx), float(mousey + ch2ironcarryy));
}

// Everything that moves by itself, once a frame after the objects were drawn.
static void ch2animate() {
  int t = storyclock;
  if (ch2plank1 > 0 && ch2plank1 < ch2plankfade) ch2plank1++;
  if (ch2plank2 > 0 && ch2plank2 < ch2plankfade) ch2plank2++;
  if (ch2mower > 0 && ch2mower < ch2mowerroll) ch2mower++;

  if (ch2seesaw == 0) {
    if (framecount % ch2seesawevery == 0) ch2seesawwobble = ch2wobblelen;
    if (ch2seesawwobble > 0) ch2seesawwobble--;
  } else if (ch2seesaw < ch2tipend) {
    ch2seesaw++;
    int stop = ch2tipstop();
    if (ch2seesawstop == 0 && ch2seesaw + 4 == tipanglemower) {
      ch2seesawstop = stop;
      if (stop == tipanglemower) PlayS_story2(CH2_METALHIT, float(ch2seesawx + storyscroll));
    }
    if (ch2seesaw == ch2tipend) {
      ch2seesaw = ch2tipend + 1;
      storyend = 1;
      PlayS_story2(CH2_FINISH, float(midx));
    }
  }

  if (ch2blink > 0) {
    ch2blink++;
    if (ch2blink > ch2blinkend) ch2blink = 0;
  } else if (Rand(0, 100) == 1) {
    ch2blink = 2;
  }

  if (framecount % ch2privyevery == 0) ch2privywobble = ch2wobblelen;
  if (ch2privywobble > 0) ch2privywobble--;

  if (ch2door > 0 && ch2door < ch2doorend) ch2door++;

  if (t == ch2risestart && ch2rise == 0) ch2rise = 1;
  if (ch2rise > 0 && ch2rise < ch2riseend) {
    ch2rise++;
    if (ch2rise == ch2risegrowl) PlayS_story2(CH2_GROWL2, float(ch2risex + storyscroll));
  }
}

void storyscene2() {
  storyjourneystart(ch2mapat);
  int d = ch2stopframe();
  storyscrollstep(ch2scrollspeed, d, ch2mapat + 1);
  drawstorybackground();
  if (storyclock > d) drawstorypanel(d, float(midx), 70, 58, 23);

  // The objects wake once the scroll has stopped, and sleep while a popup or the pause sign
  // lies over the garden: a click meant for a popup's button never reaches them.
  bool active = storyclock > d && storyfree();
  storyclicked = 0;
  ch2objects(active);
  ch2animate();
  storynothinghere(B_NOTHING, active);
  drawbubble();
}
