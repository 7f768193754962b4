// Chapter 5's pictures laid out as its scene places them: the sewer and the bone cellar at
// the start and the end of the scroll, the skeleton, his skull and both crates glowing, the
// skull falling off and landing in his lap, the low crate pushed along the ledge with its
// shadow, and the big crate pulled clear of the way out.
#include "shell/gfx.h"
#include "shell/state.h"
#include "tools/snapshot/scene_storyart_kit.h"
#include "tools/snapshot/snapshot.h"
#include <algorithm>
#include <cmath>

namespace {

struct cellarpics {
  Image bga, bgb, skel, skelglow, skull, skullglow, box2, box2glow, box2shadow, box1, box1glow;
};

cellarpics loadcellar() {
  cellarpics p;
  const std::string f = "data\\story\\5\\";
  p.bga = storyartpicat(f + "bga.jpg", 0, 0);
  p.bgb = storyartpicat(f + "bgb.jpg", 0, 0);
  p.skel = storyartpic(f + "skel2.png");
  p.skelglow = storyartpic(f + "skel2-glow.png");
  p.skull = storyartpic(f + "skel1.png");
  p.skullglow = storyartpic(f + "skel1-glow.png");
  p.box2 = storyartpic(f + "box2.png");
  p.box2glow = storyartpic(f + "box2-glow.png");
  p.box2shadow = storyartpic(f + "box2-shadow.png");
  p.box1 = storyartpic(f + "box1.png");
  p.box1glow = storyartpic(f + "box1-glow.png");
  return p;
}

struct cellarstate {
  int t = 1000;              // storyclock
  int skull = 0;             // the skeleton's counter
  int pushes = 0, pulls = 0; // how far the crates have gone
  bool glow = false, panel = true;
};

// The skull's fall as the scene runs it, frame by frame up to the counter.
void skullat(int counter, float& x, float& y, float& rot) {
  float angle = 0, drop = 0, speed = 0;
  for (int c = 1; c <= std::min(counter, 95); c++) {
    angle -= (angle + 120) * 0.05f;
    if (drop >= 122) {
      speed *= -0.85f;
    } else {
      speed += 0.5f;
    }
    drop += speed;
  }
  x = 1632 + angle;
  y = 554 + drop;
  rot = 360 * std::sin(angle * float(M_PI) / 180);
}

void drawcellar(const cellarpics& p, int w, const cellarstate& s) {
  int d = w == 1024 ? 450 : w == 1280 ? 400 : 380;
  float sc = -3.f * float(std::clamp(s.t, 41, d) - 41);
  storyartscreen(w);
  drawimg(p.bga, sc, 0);
  drawimg(p.bgb, sc + 1366, 0);
  drawimg(p.skel, 1542 + sc, 672);
  if (s.glow && s.skull == 0) drawimg(p.skelglow, 1542 + sc, 672);
  float kx, ky, rot;
  skullat(s.skull, kx, ky, rot);
  setdrawstate(rot, 1, 1, BLEND_ALPHA, 1);
  drawimg(p.skull, kx + sc, ky);
  if (s.glow && s.skull == 0) drawimg(p.skullglow, 1632 + sc, 554);
  resetdrawstate();
  float slide = 130.f * s.pushes;
  drawimg(p.box2shadow, 1580 + slide + 131 + sc, 397 + 53);
  drawimg(p.box2, 1580 + slide + sc, 397);
  if (s.glow) drawimg(p.box2glow, 1580 + slide + sc, 397);
  float slide1 = 80.f * s.pulls;
  drawimg(p.box1, 1900 + slide1 + sc, 325 + 0.06f * slide1);
  if (s.glow) drawimg(p.box1glow, 1900 + slide1 + sc, 325 + 0.06f * slide1);
  if (s.panel) storyartpanel(5, 1, 70, 58, 23, 1);
}

}  // namespace

bool snapstoryart_ch5() {
  bool ok = true;
  cellarpics p = loadcellar();
  cellarstate s;
  s.t = 20;
  s.panel = false;
  drawcellar(p, 1366, s);
  ok = savesnapshot("story-art-5-start") && ok;
  s.t = 200;
  drawcellar(p, 1366, s);
  ok = savesnapshot("story-art-5-scrolling") && ok;
  s = cellarstate();
  drawcellar(p, 1366, s);
  ok = savesnapshot("story-art-5-end") && ok;
  drawcellar(p, 1024, s);
  ok = savesnapshot("story-art-5-end-1024") && ok;
  s.panel = false;
  s.glow = true;
  drawcellar(p, 1366, s);
  ok = savesnapshot("story-art-5-glow") && ok;
  s.glow = false;
  s.skull = 18;
  drawcellar(p, 1366, s);
  ok = savesnapshot("story-art-5-skull-falling") && ok;
  s.skull = 200;
  s.pushes = 2;
  drawcellar(p, 1366, s);
  ok = savesnapshot("story-art-5-pushed-twice") && ok;
  s.pushes = 4;
  drawcellar(p, 1366, s);
  ok = savesnapshot("story-art-5-pushed-four") && ok;
  s.pulls = 2;
  drawcellar(p, 1366, s);
  ok = savesnapshot("story-art-5-way-out") && ok;
  drawcellar(p, 1024, s);
  ok = savesnapshot("story-art-5-way-out-1024") && ok;
  return ok;
}
