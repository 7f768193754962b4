// Chapter 6's pictures laid out as its scene places them: the brickyard and the works' front
// at the start and the end of the scroll, the door, stones and window glowing, the door slid
// open on the switch, the lever pulled and the ladder coming down, a stone in hand, the window
// cracked, then broken with its glass flying.
#include "shell/gfx.h"
#include "shell/state.h"
#include "tools/snapshot/scene_storyart_kit.h"
#include "tools/snapshot/snapshot.h"
#include <algorithm>
#include <cmath>

namespace {

struct workspics {
  Image bga, bgb, frame, door, doorglow, framework, lever, leverglow, lamp, halo, ladder, window1, window2, windowglow;
  Image stone[3], stoneglow[3], glass[4];
};

workspics loadworks() {
  workspics p;
  const std::string f = "data\\story\\6\\";
  p.bga = storyartpicat(f + "bga.jpg", 0, 0);
  p.bgb = storyartpicat(f + "bgb.jpg", 0, 0);
  p.frame = storyartpic(f + "door1.png");
  p.door = storyartpic(f + "door2.png");
  p.doorglow = storyartpic(f + "door2-glow.png");
  p.framework = storyartpic(f + "framework.png");
  p.lever = storyartpicat(f + "s1.png", 3, 34);
  p.leverglow = storyartpicat(f + "s1-glow.png", 8, 39);
  p.lamp = storyartpic(f + "sl1.png");
  p.halo = storyartpic(f + "sl2.png");
  p.ladder = storyartpic(f + "ladder.png");
  for (int i = 1; i <= 2; i++) {
    p.stone[i] = storyartpic(f + "stone" + std::to_string(i) + ".png");
    p.stoneglow[i] = storyartpic(f + "stone" + std::to_string(i) + "-glow.png");
  }
  p.window1 = storyartpic(f + "window1.png");
  p.window2 = storyartpic(f + "window2.png");
  p.windowglow = storyartpic(f + "window-glow.png");
  for (int i = 1; i <= 3; i++) p.glass[i] = storyartpic(f + "p" + std::to_string(i) + ".png");
  return p;
}

struct worksstate {
  int t = 1000;                  // storyclock
  int door = 0, lever = 0, ladder = 0, window = 0;
  int stone[3] = {0, 0, 0};      // 0 lying, 1 carried, 2 thrown
  int glassage = 0;              // frames since the window broke, 0 none
  float px = 0, py = 0;          // the pointer, where a carried stone goes
  bool glow = false, panel = true;
};

void drawworks(const workspics& p, int w, const worksstate& s) {
  int d = w == 1024 ? 550 : w == 1280 ? 500 : 480;
  float sc = -3.f * float(std::clamp(s.t, 41, d) - 41);
  storyartscreen(w);
  drawimg(p.bga, sc, 0);
  drawimg(p.bgb, sc + 1366, 0);
  setdrawstate(3.f * s.lever, 1, 1, BLEND_ALPHA, 1);
  drawimg(p.lever, 2195 + sc, 592);
  resetdrawstate();
  if (s.glow && s.lever == 0 && s.door > 59) drawimg(p.leverglow, 2195 + sc, 592);
  float a = s.ladder > 199 ? 1.f : s.ladder > 0 ? 0.7f + 0.3f * std::sin(32.f * 7) : 0.7f + 0.3f * std::sin(4.f * 7);
  SetAlpha(a);
  drawimg(p.lamp, 2202 + sc, 617);
  drawimg(p.halo, 2202 + sc, 617);
  SetAlpha(1);
  drawimg(p.ladder, 2028 + 0.18f * s.ladder + sc, 320.f + s.ladder);
  drawimg(p.door, std::trunc(2430 - 140 + s.door + sc), 585);
  if (s.glow && s.door == 0) drawimg(p.doorglow, std::trunc(2430 - 140 + sc), 585);
  drawimg(p.frame, 2430 + sc, 570);
  if (s.window == 1) drawimg(p.window1, 1789 + sc, 142);
  if (s.window == 2) drawimg(p.window2, 1789 + sc, 142);
  if (s.glow && s.window < 2) drawimg(p.windowglow, 1789 + sc, 142);
  drawimg(p.framework, 1959 + sc, 277);
  const float sx[] = {0, 1800, 1870}, sy[] = {0, 740, 720};
  for (int i = 1; i <= 2; i++) {
    if (s.stone[i] == 0) {
      drawimg(p.stone[i], sx[i] + sc, sy[i]);
      if (s.glow) drawimg(p.stoneglow[i], sx[i] + sc, sy[i]);
    }
    if (s.stone[i] == 1) drawimg(p.stone[i], s.px + 50, s.py + 40);
  }
  if (s.glassage > 0) {  // the shards as the effects layer throws them: gravity, a spin each
    for (int i = 1; i <= 30; i++) {
      float vx = 0.3f * float((i * 7) % 31 - 15), vy = 0.3f * float((i * 13) % 31 - 15);
      float x = 1789 + 50 + 5 * vx + sc, y = 142 - 20 + 5 * vy;
      for (int k = 0; k < s.glassage; k++) {
        vx *= 0.99f;
        vy += 0.3f;
        x += vx;
        y += vy;
      }
      float rot = (i % 2 ? 1.f : -1.f) * s.glassage * (10 + 6 * std::sin(float(i)));
      setdrawstate(rot, 1, 1, BLEND_ALPHA, 1);
      drawimg(p.glass[1 + i % 3], x, y);
    }
    resetdrawstate();
  }
  if (s.panel) {
    int keep = midx;
    midx = w - 270;
    storyartpanel(6, 1, 70, 58, 23, 1);
    midx = keep;
  }
}

}  // namespace

bool snapstoryart_ch6() {
  bool ok = true;
  workspics p = loadworks();
  worksstate s;
  s.t = 20;
  s.panel = false;
  drawworks(p, 1366, s);
  ok = savesnapshot("story-art-6-start") && ok;
  s.t = 260;
  drawworks(p, 1366, s);
  ok = savesnapshot("story-art-6-scrolling") && ok;
  s = worksstate();
  drawworks(p, 1366, s);
  ok = savesnapshot("story-art-6-end") && ok;
  drawworks(p, 1024, s);
  ok = savesnapshot("story-art-6-end-1024") && ok;
  s.panel = false;
  s.glow = true;
  drawworks(p, 1366, s);
  ok = savesnapshot("story-art-6-glow") && ok;
  s.door = 66;
  drawworks(p, 1366, s);
  ok = savesnapshot("story-art-6-door-open") && ok;
  s.glow = false;
  s.lever = 40;
  s.ladder = 100;
  drawworks(p, 1366, s);
  ok = savesnapshot("story-art-6-ladder-sliding") && ok;
  s.ladder = 200;
  drawworks(p, 1366, s);
  ok = savesnapshot("story-art-6-ladder-down") && ok;
  s = worksstate();
  s.panel = false;
  s.stone[1] = 1;
  s.px = 420;
  s.py = 200;
  s.window = 1;
  drawworks(p, 1366, s);
  ok = savesnapshot("story-art-6-cracked") && ok;
  s.stone[1] = 2;
  s.stone[2] = 2;
  s.window = 2;
  s.glassage = 40;
  drawworks(p, 1366, s);
  ok = savesnapshot("story-art-6-broken") && ok;
  return ok;
}
