// Chapter 2's pictures laid out as its scene places them: the gardens at the start and the
// end of the scroll, every object glowing, the planks fading, the privy door opening on its
// guest, the mower rolled down the bank and the see-saw tipped over both ways.
#include "shell/gfx.h"
#include "shell/state.h"
#include "tools/snapshot/scene_storyart_kit.h"
#include "tools/snapshot/snapshot.h"
#include <algorithm>
#include <cmath>

namespace {

struct gardenpics {
  Image bga, bgb, iron, ironglow, plank1, plank1glow, plank2, plank2glow, mower, mowerglow, doorglow, seesaw,
      seesawglow, crowglow, zombie2, zombie2glow, zombie1;
  Image door[4], crow[4];
};

gardenpics loadgarden() {
  gardenpics p;
  const std::string f = "data\\story\\2\\";
  p.bga = storyartpicat(f + "bga.jpg", 0, 0);
  p.bgb = storyartpicat(f + "bgb.jpg", 0, 0);
  p.iron = storyartpic(f + "iron.png");
  p.ironglow = storyartpic(f + "iron-glow.png");
  p.plank1 = storyartpic(f + "plank1.png");
  p.plank1glow = storyartpic(f + "plank1-glow.png");
  p.plank2 = storyartpic(f + "plank2.png");
  p.plank2glow = storyartpic(f + "plank2-glow.png");
  p.mower = storyartpic(f + "mower.png");
  p.mowerglow = storyartpic(f + "mower-glow.png");
  for (int i = 1; i <= 3; i++) p.door[i] = storyartpicat(f + "door" + std::to_string(i) + ".png", 0, 0);
  p.doorglow = storyartpicat(f + "door1-glow.png", 0, 0);
  p.seesaw = storyartpicat(f + "plank.png", 56, 384);
  p.seesawglow = storyartpicat(f + "plank-glow.png", 56, 384);
  for (int i = 1; i <= 3; i++) p.crow[i] = storyartpic(f + "crow" + std::to_string(i) + ".png");
  p.crowglow = storyartpic(f + "crow1-glow.png");
  p.zombie2 = storyartpic(f + "zombie2.png");
  p.zombie2glow = storyartpic(f + "zombie2-glow.png");
  p.zombie1 = storyartpic(f + "zombie1.png");
  return p;
}

struct gardenstate {
  int t = 300;               // storyclock (sets the scroll and the rising zombie)
  int plank1 = 0, plank2 = 0;  // fade counters 0..20
  int mower = 0, door = 0, seesaw = 0, blink = 0;
  bool ironlying = true, glow = false, panel = true;
};

void drawgarden(const gardenpics& p, int w, const gardenstate& s) {
  int d = w == 1024 ? 350 : w == 1280 ? 300 : 280;
  float scroll = -3.f * std::max(0, std::min(s.t, d) - 41);
  storyartscreen(w);
  drawimg(p.bga, scroll, 0);
  drawimg(p.bgb, scroll + 1366, 0);
  const float sx = 1295 + scroll, sy = 620;
  if (s.ironlying) {
    drawimg(p.iron, sx, sy);
    if (s.glow && s.plank1 > 19 && s.plank2 > 19) drawimg(p.ironglow, sx, sy);
  }
  SetAlpha(1 - 0.05f * s.plank1);
  drawimg(p.plank1, sx, sy);
  if (s.glow && s.plank2 > 19 && s.plank1 == 0) drawimg(p.plank1glow, sx, sy);
  SetAlpha(1 - 0.05f * s.plank2);
  drawimg(p.plank2, sx, sy);
  if (s.glow && s.plank2 == 0) drawimg(p.plank2glow, sx, sy);
  SetAlpha(1);
  float m = s.mower * float(M_PI) / 180 * 0.45f;
  float ms = 0.7f + 0.3f * std::sin(m);
  setdrawstate(0, ms, ms, 1, 1);
  drawimg(p.mower, 1450 + scroll + 200 * std::sin(m), 410 + 200 * std::sin(m));
  if (s.glow && s.mower == 0) drawimg(p.mowerglow, 1450 + scroll, 410);
  resetdrawstate();
  float stop = s.mower > 100 ? 40.f : 45.f;
  float rot = s.seesaw > 0 ? -2 * std::min(stop, float(s.seesaw)) : 0;
  setdrawstate(rot, 1, 1, 1, 1);
  drawimg(p.seesaw, 1932 + scroll, 700);
  if (s.glow && s.seesaw == 0) drawimg(p.seesawglow, 1932 + scroll - 5, 695);
  resetdrawstate();
  if (s.seesaw == 0) {
    float cx = 1932 - 15 + 6 * rot + scroll;
    setdrawstate(0, 0.8f, 0.8f, 1, 1);
    drawimg(p.crow[1 + s.blink / 4], cx, 295);
    if (s.glow) drawimg(p.crowglow, cx, 295);
    resetdrawstate();
  }
  drawimg(p.zombie2, 1300 + scroll, 387);
  if (s.glow && s.door > 10) drawimg(p.zombie2glow, 1300 + scroll, 387);
  int rise = std::clamp(s.t - 100, 0, 50);
  if (rise > 0) drawimg(p.zombie1, 900 + scroll, float(screenh - 3 * rise + 80));
  drawimg(p.door[1 + std::min(s.door, 11) / 4], 1249 + scroll, 302);
  if (s.glow && s.door == 0) drawimg(p.doorglow, 1249 + scroll - 5, 297);
  if (s.panel) storyartpanel(2, 1, 70, 58, 23, 1);
}

}  // namespace

bool snapstoryart_ch2() {
  bool ok = true;
  gardenpics p = loadgarden();
  gardenstate s;
  s.t = 30;
  s.panel = false;
  drawgarden(p, 1366, s);
  ok = savesnapshot("story-art-2-start") && ok;
  s.t = 150;
  drawgarden(p, 1366, s);
  ok = savesnapshot("story-art-2-scrolling") && ok;
  s = gardenstate();
  drawgarden(p, 1366, s);
  ok = savesnapshot("story-art-2-end") && ok;
  drawgarden(p, 1024, s);
  ok = savesnapshot("story-art-2-end-1024") && ok;
  s.glow = true;
  s.panel = false;
  drawgarden(p, 1366, s);
  ok = savesnapshot("story-art-2-glow") && ok;
  s.plank2 = 20;
  s.plank1 = 8;
  s.door = 6;
  s.blink = 6;
  drawgarden(p, 1366, s);
  ok = savesnapshot("story-art-2-moving") && ok;
  s.plank1 = 20;
  s.door = 11;
  s.blink = 0;
  drawgarden(p, 1366, s);
  ok = savesnapshot("story-art-2-open") && ok;
  s.glow = false;
  s.ironlying = false;
  s.mower = 200;
  s.seesaw = 20;
  drawgarden(p, 1366, s);
  ok = savesnapshot("story-art-2-tipping") && ok;
  s.seesaw = 200;
  drawgarden(p, 1366, s);
  ok = savesnapshot("story-art-2-tipped-mower") && ok;
  s.mower = 0;
  drawgarden(p, 1366, s);
  ok = savesnapshot("story-art-2-tipped") && ok;
  return ok;
}
