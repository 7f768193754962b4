// Chapter 3's pictures laid out as its scene places them: Pine Road from its left end to its
// right end, every object glowing, the tarp's nails flying, the tailgate opening on the saw,
// the tree falling and the zombie flattened under it.
#include "shell/gfx.h"
#include "shell/state.h"
#include "tools/snapshot/scene_storyart_kit.h"
#include "tools/snapshot/snapshot.h"
#include <algorithm>
#include <cmath>

namespace {

struct woodpics {
  Image bga, bgb, tree1, tree1glow, tree4, treesh, pliers, pliersglow, canister, canisterglow, saw1, saw2, sawglow,
      tarp, tarpglow, doorglow, zombie, zombieglow, zombiesh, splash, car, nail;
  Image door[5];
};

woodpics loadwoods() {
  woodpics p;
  const std::string f = "data\\story\\3\\";
  p.bga = storyartpicat(f + "bga.jpg", 0, 0);
  p.bgb = storyartpicat(f + "bgb.jpg", 0, 0);
  p.tree1 = storyartpicat(f + "tree1.png", 210, 726);
  p.tree1glow = storyartpicat(f + "tree1-glow.png", 210, 726);
  p.tree4 = storyartpicat(f + "tree4.png", 206, 725);
  p.treesh = storyartpicat(f + "treesh.png", 900, 60);
  p.pliers = storyartpic(f + "pliers.png");
  p.pliersglow = storyartpic(f + "pliers-glow.png");
  p.canister = storyartpic(f + "canister.png");
  p.canisterglow = storyartpic(f + "canister-glow.png");
  p.saw1 = storyartpic(f + "saw1.png");
  p.saw2 = storyartpic(f + "saw2.png");
  p.sawglow = storyartpic(f + "saw1-glow.png");
  p.tarp = storyartpic(f + "plane.png");
  p.tarpglow = storyartpic(f + "plane-glow.png");
  for (int i = 1; i <= 4; i++) p.door[i] = storyartpic(f + "cardoor" + std::to_string(i) + ".png");
  p.doorglow = storyartpic(f + "cardoor1-glow.png");
  p.zombie = storyartpic(f + "zombie.png");
  p.zombieglow = storyartpic(f + "zombie-glow.png");
  p.zombiesh = storyartpic(f + "zombiesh.png");
  p.splash = storyartpic(f + "zombiesplash.png");
  p.car = storyartpic(f + "car.png");
  p.nail = storyartpic(f + "nail.png");
  return p;
}

struct woodstate {
  float scroll = 0;
  int tree = 0, tarp = 0, door = 0;
  bool pliers = true, canister = true, saw = true, sawrunning = false, glow = false, panel = true;
};

void drawwoods(const woodpics& p, int w, const woodstate& s) {
  storyartscreen(w);
  float sc = s.scroll;
  drawimg(p.bga, sc, 0);
  drawimg(p.bgb, sc + 1366, 0);
  int T = s.tree;
  float shx = T > 60 ? std::min(0.85f, 0.6f + 0.0029f * (T - 60)) : 0.6f;
  setdrawstate(0, shx, 1, 1, 1);
  drawimg(p.treesh, 2203 + 20 + sc, 426 + 70);
  resetdrawstate();
  drawimg(p.car, 2208 + sc, 481);
  float z = T > 150 ? std::max(1 - 0.2f * (T - 150), 0.f) : 1;
  SetAlpha(z);
  drawimg(p.zombiesh, 1720 + sc, 560);
  if (T > 150) {
    SetAlpha(1 - z);
    drawimg(p.splash, 1720 + sc, 560);
  }
  SetAlpha(z);
  drawimg(p.zombie, 1720 + sc, 480);
  if (s.glow && T == 0) drawimg(p.zombieglow, 1720 + sc, 480);
  SetAlpha(1);
  float rot = T == 0 ? 0 : T < 60 ? 0 : T < 150 ? -93 + 93 * std::cos((T - 60) * float(M_PI) / 180) : -93;
  float o = T > 140 ? std::max(1 - 0.1f * (T - 140), 0.f) : 1;
  if (T <= 150) {
    setdrawstate(rot, 1, 1, 1, o);
    drawimg(p.tree1, 2203 + sc, 426);
    if (s.glow && T == 0) drawimg(p.tree1glow, 2203 + sc - 5, 421);
    resetdrawstate();
  }
  if (T > 140) {
    setdrawstate(rot, 1, 1, 1, 1 - o);
    drawimg(p.tree4, 2203 + sc, 426);
    resetdrawstate();
  }
  if (s.pliers) {
    drawimg(p.pliers, 860 + sc, 670);
    if (s.glow) drawimg(p.pliersglow, 860 + sc, 670);
  }
  if (s.canister) {
    drawimg(p.canister, 453 + sc, 566);
    if (s.glow && s.tarp > 39) drawimg(p.canisterglow, 453 + sc, 566);
  }
  if (s.saw) {
    drawimg(s.sawrunning ? p.saw2 : p.saw1, 2478 + sc, 652);
    if (s.glow && s.door > 11) drawimg(p.sawglow, 2478 + sc, 652);
  }
  if (s.tarp < 40) {
    SetAlpha(s.tarp > 20 ? 1 - 0.05f * (s.tarp - 20) : 1);
    drawimg(p.tarp, 513 + sc, 568);
    if (s.glow && s.tarp == 0) drawimg(p.tarpglow, 513 + sc, 568);
    SetAlpha(1);
  }
  drawimg(p.door[1 + std::min(s.door, 12) / 4 > 4 ? 4 : 1 + std::min(s.door, 12) / 4], 2455 + sc, 599);
  if (s.glow && s.door == 0) drawimg(p.doorglow, 2455 + sc, 601);
  const float ndx[5] = {0, 9, 260, 194, 569}, ndy[5] = {0, 24, 4, 90, 55};
  const int start[5] = {0, 2, 10, 15, 20};
  for (int i = 1; i <= 4; i++) {
    int c = s.tarp > start[i] ? s.tarp - start[i] : 0;
    float a = c > 3 * i + 10 ? std::max(0.f, 1 - 0.1f * (c - 3 * i - 10)) : 1;
    SetAlpha(a);
    drawimg(p.nail, 513 + sc + ndx[i] - 296, std::trunc(568 + ndy[i]) - 5.f * c - 55);
  }
  SetAlpha(1);
  if (s.panel) storyartpanel(3, 1, 70, 58, 23, 1);
}

}  // namespace

bool snapstoryart_ch3() {
  bool ok = true;
  woodpics p = loadwoods();
  woodstate s;
  drawwoods(p, 1366, s);
  ok = savesnapshot("story-art-3-left") && ok;
  s.scroll = -700;
  drawwoods(p, 1366, s);
  ok = savesnapshot("story-art-3-middle") && ok;
  s.scroll = -1366;
  drawwoods(p, 1366, s);
  ok = savesnapshot("story-art-3-right") && ok;
  s.scroll = -1708;
  drawwoods(p, 1024, s);
  ok = savesnapshot("story-art-3-right-1024") && ok;
  woodstate g;
  g.glow = true;
  g.panel = false;
  g.scroll = -300;
  drawwoods(p, 1366, g);
  ok = savesnapshot("story-art-3-glow-left") && ok;
  g.scroll = -1366;
  drawwoods(p, 1366, g);
  ok = savesnapshot("story-art-3-glow-right") && ok;
  woodstate m;
  m.panel = false;
  m.scroll = -120;
  m.tarp = 24;
  m.pliers = false;
  drawwoods(p, 1366, m);
  ok = savesnapshot("story-art-3-nails") && ok;
  m.tarp = 40;
  m.glow = true;
  drawwoods(p, 1366, m);
  ok = savesnapshot("story-art-3-fuel") && ok;
  woodstate d;
  d.panel = false;
  d.scroll = -1366;
  d.door = 6;
  drawwoods(p, 1366, d);
  ok = savesnapshot("story-art-3-tailgate") && ok;
  d.door = 12;
  d.glow = true;
  drawwoods(p, 1366, d);
  ok = savesnapshot("story-art-3-saw") && ok;
  woodstate f;
  f.panel = false;
  f.scroll = -1000;
  f.saw = false;
  f.door = 12;
  f.tree = 110;
  drawwoods(p, 1366, f);
  ok = savesnapshot("story-art-3-falling") && ok;
  f.tree = 240;
  drawwoods(p, 1366, f);
  ok = savesnapshot("story-art-3-felled") && ok;
  return ok;
}
