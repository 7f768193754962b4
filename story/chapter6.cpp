// Chapter 6: the old brick works. The yard scrolls in, the journey map shows the way, then
// the player gets in by the ladder (door, switch) or by the window (two stones thrown).
#include "story/chapter6.h"
#include "presentation/effects.h"
#include "presentation/sound.h"
#include "runtime/runtime.h"
#include "shell/gfx.h"
#include "shell/state.h"
#include "story/scenes.h"
#include "story/story.h"
#include <algorithm>
#include <cmath>

constexpr int clicksound = 13;       // click.ogg, game sound
constexpr int finishsound = 46;      // finish.ogg
constexpr int metaldoorsound = 47;   // metaldoor2.ogg, the door sliding
constexpr int glasssound = 48;       // glass.ogg, the window breaking
constexpr int glass2sound = 49;      // glass2.ogg, the window cracking
constexpr int stonesound = 50;       // stone.ogg, a stone picked up
constexpr int laddersound = 51;      // ladder.ogg
constexpr int leversound = 52;       // lever.ogg
constexpr int bubblelong = 200;      // frames of the scene's bubbles

void preparechapter6() {
  story6door = 0;
  story6switch = 0;
  story6ladder = 0;
  for (int& s : story6stone) s = STONE_LYING;
  story6window = WINDOW_WHOLE;
}

void loadchapter6() {
  const std::string f = "data\\story\\6\\";
  AutoMidHandle(false);
  storybga = loadimg(f + "bga.jpg");
  storybgb = loadimg(f + "bgb.jpg");
  AutoMidHandle(true);
  storypic[1][1] = loadimg(f + "door1.png");
  storypic[1][2] = loadimg(f + "door2.png");
  storypic[1][3] = loadimg(f + "door2-glow.png");
  storypic[2][1] = loadimg(f + "framework.png");
  storypic[3][1] = loadimg(f + "s1.png");
  storypic[3][2] = loadimg(f + "s1-glow.png");
  if (storypic[3][1]) SetImageHandle(storypic[3][1], 3, 34);  // on the pivot
  if (storypic[3][2]) SetImageHandle(storypic[3][2], 8, 39);
  storypic[3][3] = loadimg(f + "sl1.png");
  storypic[3][4] = loadimg(f + "sl2.png");
  storypic[3][5] = loadimg(f + "sl3.png");
  storypic[4][1] = loadimg(f + "ladder.png");
  storypic[5][1] = loadimg(f + "stone1.png");
  storypic[5][2] = loadimg(f + "stone1-glow.png");
  storypic[6][1] = loadimg(f + "stone2.png");
  storypic[6][2] = loadimg(f + "stone2-glow.png");
  storypic[7][1] = loadimg(f + "window1.png");
  storypic[7][2] = loadimg(f + "window2.png");
  storypic[7][3] = loadimg(f + "window-glow.png");
}

int story6stopframe() { return story6stop[screenw <= 1024 ? 0 : screenw <= 1280 ? 1 : 2]; }

// This frame's click, when the scene is active, nothing lies over it and no object took it yet.
static bool story6click(bool active) { return active && mousehit1 == 1 && storyclicked == 0 && storyfree(); }

static int story6carried() {
  for (int i = 1; i <= story6stones; i++)
    if (story6stone[i] == STONE_CARRIED) return i;
  return 0;
}

// The switch behind the door: pulled, it turns down and lets the ladder go.
static void story6switchstep(bool active) {
  if (story6switch >= 1 && story6switch < story6switchend) story6switch++;
  if (story6switch >= story6switchend && story6ladder == 0) {
    story6ladder = 1;
    PlayS_story2(laddersound, float(mousex));
  }
  float x = story6switchx + storyscroll, y = story6switchy;
  SetRotation(3.0f * story6switch);
  drawimg(storypic[3][1], x, y);
  SetRotation(0);
  bool hot = active && story6switch == 0 && story6door > story6doorready &&
             storyhotbox(x, y, story6switchbox[0], story6switchbox[0], story6switchbox[1], story6switchbox[1]);
  if (hot) {
    drawimg(storypic[3][2], x, y);
    if (story6click(true)) {
      storyclicked = 1;
      PlayS_story2(leversound, float(mousex));
      story6switch = 1;
    }
  }
  // Its lights blink slowly while it waits, fast while the ladder slides, and stay lit after.
  float a = 1;
  if (story6ladder == 0) a = 0.7f + 0.3f * sind(4.0f * framecount);
  else if (story6ladder < story6ladderend) a = 0.7f + 0.3f * sind(32.0f * framecount);
  SetAlpha(a);
  drawimg(storypic[3][3], x + story6lightx, y + story6lighty);
  drawimg(storypic[3][4], x + story6lightx, y + story6lighty);
  SetAlpha(1);
}

static void story6ladderstep() {
  if (story6ladder >= 1 && story6ladder < story6ladderend)
    story6ladder = std::min(story6ladder + 2, story6ladderend);
  drawimg(storypic[4][1], story6ladderx + storyscroll + story6ladderlean * story6ladder,
          float(story6laddery + story6ladder));
}

// The iron door slides to the right on its rail and shows the switch; the frame lies over it.
static void story6doorstep(bool active) {
  if (story6door >= 1 && story6door < story6doorend) story6door += 2;
  float fx = story6doorx + storyscroll;
  float x = std::trunc(fx + story6slidex + story6door), y = story6slidey;
  drawimg(storypic[1][2], x, y);
  if (active && story6door == 0 && storyhotbox(x, y, story6doorbox[0], story6doorbox[0], story6doorbox[1], story6doorbox[1])) {
    drawimg(storypic[1][3], x, y);
    if (story6click(true)) {
      showbubble(mousex, mousey - 50, 1, bubblelong);
      PlayS_story2(metaldoorsound, float(mousex));
      story6door = 1;
    }
  }
  drawimg(storypic[1][1], fx, story6doory);
}

// The tall window: a stone cracks it, a second one breaks it.
static void story6windowstep(bool active) {
  float x = story6windowx + storyscroll, y = story6windowy;
  if (story6window == WINDOW_CRACKED) drawimg(storypic[7][1], x, y);
  if (story6window == WINDOW_BROKEN) drawimg(storypic[7][2], x, y);
  if (!active || story6window >= WINDOW_BROKEN || !storyhotpic(storypic[7][1], x, y)) return;
  drawimg(storypic[7][3], x, y);
  if (!story6click(true)) return;
  int stone = story6carried();
  if (stone == 0) {
    showbubble(mousex, mousey, story6window == WINDOW_WHOLE ? 8 : 9, bubblelong);
    PlayS(clicksound, float(mousex));
    return;
  }
  story6stone[stone] = STONE_THROWN;
  if (story6window == WINDOW_WHOLE) {
    story6window = WINDOW_CRACKED;
    PlayS_story2(glass2sound, float(mousex));
    showbubble(mousex, mousey, 9, bubblelong);
    return;
  }
  story6window = WINDOW_BROKEN;
  PlayS_story2(glasssound, float(mousex));
  for (int i = 1; i <= story6glass; i++) {
    float vx = 0.3f * Rand(-15, 15);
    float vy = 0.3f * Rand(-15, 15);
    addeffect(x + 50 + 5 * vx, y - 20 + 5 * vy, EFF_GLASS, vx, vy);
  }
  showbubble(mousex, mousey, 10, bubblelong);
}

// The two stones in the yard: one can be carried at a time, and it goes with the pointer.
static void story6stonestep(bool active) {
  for (int i = 1; i <= story6stones; i++) {
    if (story6stone[i] != STONE_LYING) continue;
    float x = story6stonexy[i][0] + storyscroll, y = story6stonexy[i][1];
    drawimg(storypic[4 + i][1], x, y);
    if (!active || story6carried() != 0 ||
        !storyhotbox(x, y, story6stonebox, story6stonebox, story6stonebox, story6stonebox))
      continue;
    drawimg(storypic[4 + i][2], x, y);
    if (story6click(true)) {
      showbubble(mousex, mousey - 50, 6, bubblelong);
      PlayS_story2(stonesound, float(mousex));
      story6stone[i] = STONE_CARRIED;
    }
  }
  int carried = story6carried();
  if (carried > 0) drawimg(storypic[4 + carried][1], float(mousex + story6carryx), float(mousey + story6carryy));
}

void storyscene6() {
  lastfunc = "storyscene6()";
  storyjourneystart(story6mapat);
  int t = storyclock, d = story6stopframe();
  storyscrollstep(3, d, story6scrollfrom);
  drawstorybackground();
  storyclicked = 0;
  bool active = t > d;
  story6switchstep(active);
  story6ladderstep();
  story6doorstep(active);
  story6windowstep(active);
  drawimg(storypic[2][1], story6frameworkx + storyscroll, story6frameworky);
  story6stonestep(active);
  // Up the ladder or through the window: either way in ends the chapter.
  if ((story6ladder >= story6ladderend || story6window == WINDOW_BROKEN) && storyend == 0) {
    showbubble(midx, midy, 11, bubblelong);
    storyend = 1;
    PlayS_story2(finishsound, float(midx));
  }
  storynothinghere(story6carried() > 0 ? 7 : 2, active);
  drawbubble();
  if (active) drawstorypanel(d, float(screenw - story6panelx), 70, 58, 23);
}
