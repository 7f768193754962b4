// Chapter 8's pictures laid out as its scene places them: the dark shipyard from its left end
// to its right, the chest, cable and generator glowing, the chest opening, the cable carried
// and plugged in, the generator puffing, and the lamps coming on one by one.
#include "shell/gfx.h"
#include "shell/state.h"
#include "tools/snapshot/scene_storyart_kit.h"
#include "tools/snapshot/snapshot.h"
#include <algorithm>
#include <cmath>

namespace {

struct yardpics {
  Image bga, bgb, box, lidglow, cable, cableglow, cablepart, genglow, puff;
  Image lid[5], lamp[8];
};

yardpics loadyard() {
  yardpics p;
  const std::string f = "data\\story\\8\\";
  p.bga = storyartpicat(f + "bga.jpg", 0, 0);
  p.bgb = storyartpicat(f + "bgb.jpg", 0, 0);
  p.box = storyartpic(f + "box.png");
  for (int i = 1; i <= 4; i++) p.lid[i] = storyartpic(f + "b" + std::to_string(i) + ".png");
  p.lidglow = storyartpic(f + "b1-glow.png");
  p.cable = storyartpic(f + "cable.png");
  p.cableglow = storyartpic(f + "cable-glow.png");
  p.cablepart = storyartpic(f + "cablepart.png");
  p.genglow = storyartpic(f + "gen-glow.png");
  p.puff = storyartpic(f + "light.png");
  for (int i = 1; i <= 7; i++) p.lamp[i] = storyartpic(f + "l" + std::to_string(i) + ".png");
  return p;
}

const float lampx[8] = {0, 1856, 1659, 1583, 1497, 1596, 1801, 1574};
const float lampy[8] = {0, 452, 250, 348, 270, 280, 269, 605};

struct yardstate {
  float scroll = 0;
  int lid = 0;     // crate lid counter 0..31
  int cable = 0;   // 0 in the chest, 1 carried, 2 plugged in
  int gen = 0, lamps = 0;
  bool lidglow = false, cableglow = false, genglow = false, panel = true;
  float mx = 0, my = 0;
  int bubble = 0;
  float bx = 0, by = 0;
};

void drawyard(const yardpics& p, int w, const yardstate& s) {
  storyartscreen(w);
  float sc = std::clamp(s.scroll, float(w - 2732), 0.f);
  drawimg(p.bga, sc, 0);
  drawimg(p.bgb, sc + 1366, 0);
  drawimg(p.box, 2280 + sc, 670);
  if (s.cable == 0) {
    drawimg(p.cable, 2275 + sc, 645);
    if (s.cableglow) drawimg(p.cableglow, 2275 + sc, 645);
  }
  drawimg(p.lid[1 + std::min(s.lid, 30) / 8], 2280 + sc, 612);
  if (s.lidglow) drawimg(p.lidglow, 2280 + sc, 612);
  if (s.cable == 2) drawimg(p.cablepart, 1234 + sc, 697);
  if (s.genglow) drawimg(p.genglow, 727 + sc, 605);
  for (int i = 1; i <= 7; i++) {
    SetAlpha(std::clamp((s.gen - 10 * i - 10) * 0.1f, 0.f, 1.f));
    drawimg(p.puff, 727 + 8 + 10 * i + sc, 605 - 68 - 3 * i);
  }
  for (int i = 1; i <= 7; i++) {
    SetAlpha(std::clamp((s.lamps - 10 * i - 10) * 0.1f, 0.f, 1.f));
    drawimg(p.lamp[i], lampx[i] + sc, lampy[i]);
  }
  SetAlpha(1);
  if (s.panel) storyartpanel(8, 1, 70, 58, 23, 1);
  if (s.bubble) storyartbubble(8, s.bubble, s.bx, s.by - 80);
  if (s.cable == 1) drawimg(p.cablepart, s.mx, s.my + 70);
}

}  // namespace

bool snapstoryart_ch8() {
  bool ok = true;
  yardpics p = loadyard();
  yardstate s;
  s.panel = false;
  drawyard(p, 1366, s);
  ok = savesnapshot("story-art-8-left") && ok;
  s.panel = true;
  s.scroll = -700;
  drawyard(p, 1366, s);
  ok = savesnapshot("story-art-8-middle") && ok;
  s.scroll = -2000;
  drawyard(p, 1366, s);
  ok = savesnapshot("story-art-8-right") && ok;
  drawyard(p, 1024, s);
  ok = savesnapshot("story-art-8-right-1024") && ok;
  s.panel = false;
  s.lidglow = true;
  drawyard(p, 1366, s);
  ok = savesnapshot("story-art-8-glow-chest") && ok;
  s.lidglow = false;
  for (int m : {10, 18, 31}) {
    s.lid = m;
    s.cableglow = m == 31;
    drawyard(p, 1366, s);
    ok = savesnapshot("story-art-8-chest-" + std::to_string(m)) && ok;
  }
  s.cableglow = false;
  s.cable = 1;
  s.scroll = -500;
  s.mx = 900;
  s.my = 520;
  s.bubble = 6;
  s.bx = 900;
  s.by = 470;
  drawyard(p, 1366, s);
  ok = savesnapshot("story-art-8-carried") && ok;
  s.bubble = 0;
  s.cable = 2;
  s.scroll = 0;
  s.genglow = true;
  drawyard(p, 1366, s);
  ok = savesnapshot("story-art-8-glow-generator") && ok;
  s.genglow = false;
  s.gen = 120;
  drawyard(p, 1366, s);
  ok = savesnapshot("story-art-8-running") && ok;
  s.scroll = -900;
  for (int l : {30, 60, 90}) {
    s.lamps = l;
    drawyard(p, 1366, s);
    ok = savesnapshot("story-art-8-lamps-" + std::to_string(l)) && ok;
  }
  s.lamps = 200;
  s.bubble = 5;
  s.bx = 683;
  s.by = 384;
  s.panel = true;
  drawyard(p, 1366, s);
  ok = savesnapshot("story-art-8-lit") && ok;
  s.bubble = 0;
  s.scroll = -1708;
  drawyard(p, 1024, s);
  ok = savesnapshot("story-art-8-lit-1024") && ok;
  return ok;
}
