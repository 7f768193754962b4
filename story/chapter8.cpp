// Chapter 8: the dark shipyard. Its own state, its pictures and its scene.
#include "story/chapter8.h"
#include "presentation/sound.h"
#include "shell/buttons.h"
#include "shell/gfx.h"
#include "shell/state.h"
#include "solitaire/state.h"
#include "story/scenekit.h"
#include "story/scenes.h"
#include "story/story.h"
#include <algorithm>
#include <string>

namespace {
// Story sounds of the yard, by their slot in the story sound table.
enum {
  SND8_ELECTRIC = 13,
  SND8_CRANE3 = 16,
  SND8_TRUNK = 40,
  SND8_FINISH = 46,
  SND8_PLUGIN = 53,
  SND8_GEN1 = 54,
  SND8_GEN2 = 55,  // the generator's hum, looping on the kept story channel
  SND8_BEEP = 58
};

constexpr float followk = 0.03f;        // the scroll's easing towards the pointer's target
constexpr float follownarrow = 1.75f;   // pixels of scroll per pointer pixel at width 1024
constexpr float followwide = 1.1f;      // and at the wider widths
constexpr int scenewidth = 2732;        // both background halves
constexpr int humat = 10;               // generator frame at which the hum starts
constexpr int lampsneed = 40;           // generator frames before the lamps can light
constexpr int puffs = 7;                // puffs of the running generator
constexpr int socketreachx = 300, socketreachy = 100;  // a click this near the socket plugs the cable in

Image& lidimg(int k) { return storypic[1][1 + k]; }  // b1..b4 as k = 1..4; b1-glow is storypic[1][6]

// The scroll eases towards a target set by the pointer: far left shows the generator,
// far right the chest.
void followpointer(int t) {
  if (t == 2) ch8scroll = 0;
  if (t > ch8follow && buttonlayer == 1) {
    float target = 100 - (screenw == 1024 ? follownarrow : followwide) * float(mousex);
    ch8scroll -= (ch8scroll - target) * followk;
    ch8scroll = std::clamp(ch8scroll, float(screenw - scenewidth), 0.0f);
  }
}

void drawchest(int t) {
  const float s = ch8scroll;
  const float cx = ch8chestx + s, cy = ch8chesty;
  if (ch8lid >= 1 && ch8lid < ch8lidopen) ch8lid++;
  drawimg(storypic[1][1], cx, cy);
  if (ch8cable == 0) {
    float x = cx - 5, y = cy - 25;
    drawimg(storypic[2][1], x, y);
    if (ch8lid >= ch8lidopen && t > ch8active && storyhotbox(x, y, 20, 20, 20, 20)) {
      drawimg(storypic[2][2], x, y);
      if (sceneclick()) {
        showbubble(mousex, mousey - 50, 7, 200);
        PlayS(SFX_TURNUP, float(mousex));
        ch8cable = 1;
      }
    }
  }
  drawimg(lidimg(1 + ch8lid / 8), cx, cy - 58);
  if (ch8lid == 0 && t > ch8active && storyhotpic(lidimg(1), cx, cy - 58)) {
    drawimg(storypic[1][6], cx, cy - 58);
    if (sceneclick()) {
      showbubble(mousex, mousey - 50, 2, 200);
      PlayS_story2(SND8_TRUNK, float(mousex));
      ch8lid = 1;
    }
  }
}

void drawsocket() {
  const float x = ch8socketx + ch8scroll, y = ch8sockety;
  const bool near = storyhotbox(x, y, socketreachx, socketreachx, socketreachy, socketreachy);
  if (ch8cable == 1 && storyclicked == 0 && sceneclick() && near) {
    showbubble(mousex, mousey - 50, 3, 200);
    PlayS(SFX_CLICK, float(mousex));
    PlayS_story2(SND8_ELECTRIC, float(mousex));
    PlayS_story2(SND8_PLUGIN, float(mousex));
    ch8cable = 2;
  }
  if (ch8cable == 2) drawimg(storypic[2][3], x, y);
}

// The generator: started by hand, it coughs, hums and puffs.
void drawgenerator(int t) {
  const float x = ch8genx + ch8scroll, y = ch8geny;
  if (ch8gen > 0) {
    ch8gen++;
    if (ch8gen == humat) PlayS_story(SND8_GEN2, float(mousex));
  }
  if (ch8gen == 0 && t > ch8active && ch8cable != 1 && storyhotpic(storypic[3][1], x, y, true)) {
    drawimg(storypic[3][1], x, y);
    if (sceneclick()) {
      ch8gen = 1;
      PlayS_story2(SND8_GEN1, x);
      showbubble(mousex, mousey - 150, 4, 200);
    }
  }
  for (int i = 1; i <= puffs; i++)
    drawfaded(storypic[5][1], x + 8 + 10 * i, y - 68 - 3 * i, (ch8gen - 10 * i - 10) * 0.1f);
}

// The lamps light one after another once the generator runs and the cable is in.
void drawlamps() {
  if (ch8lamps == 0 && ch8gen > lampsneed && ch8cable == 2) ch8lamps = 1;
  if (ch8lamps > 0) {
    ch8lamps++;
    if (ch8lamps == 10) PlayS_story2(SND8_BEEP, float(midx));
    if (ch8lamps == 20) PlayS_story2(SND8_CRANE3, float(midx));
    if (ch8lamps == ch8lampsend && storyend == 0) {
      storyend = 1;
      PlayS_story2(SND8_FINISH, float(midx));
      showbubble(midx, midy, 5, 200);
    }
  }
  for (int i = 1; i <= ch8lampcount; i++)
    drawfaded(storypic[4][i], ch8lampxy[i][0] + ch8scroll, ch8lampxy[i][1], (ch8lamps - 10 * i - 10) * 0.1f);
}
}  // namespace

void preparechapter8() {
  ch8scroll = 0;
  ch8lid = ch8cable = ch8gen = ch8lamps = 0;
}

void loadchapter8() {
  AutoMidHandle(false);
  storybga = loadimg("data\\story\\8\\bga.jpg");
  storybgb = loadimg("data\\story\\8\\bgb.jpg");
  AutoMidHandle(true);
  storypic[1][1] = loadimg("data\\story\\8\\box.png");
  for (int k = 1; k <= 4; k++) lidimg(k) = loadimg("data\\story\\8\\b" + std::to_string(k) + ".png");
  storypic[1][6] = loadimg("data\\story\\8\\b1-glow.png");
  storypic[2][1] = loadimg("data\\story\\8\\cable.png");
  storypic[2][2] = loadimg("data\\story\\8\\cable-glow.png");
  storypic[2][3] = loadimg("data\\story\\8\\cablepart.png");
  storypic[3][1] = loadimg("data\\story\\8\\gen-glow.png");
  for (int i = 1; i <= ch8lampcount; i++) storypic[4][i] = loadimg("data\\story\\8\\l" + std::to_string(i) + ".png");
  storypic[5][1] = loadimg("data\\story\\8\\light.png");
}

void storyscene8() {
  storyjourneystart(40);
  const int t = storyclock;
  followpointer(t);
  drawimg(storybga, ch8scroll, 0);
  drawimg(storybgb, ch8scroll + 1366, 0);
  storyclicked = 0;
  drawchest(t);
  drawsocket();
  drawgenerator(t);
  drawlamps();
  drawstorypanel(ch8active, float(midx), 70, 58, 23);
  if (ch8cable == 1) drawimg(storypic[2][3], float(mousex), float(mousey + 70));
  storynothinghere(ch8cable == 1 ? 6 : 1, t > ch8active);
  drawbubble();
}
