// Chapter 9's pictures laid out as its scene places them: the harbour's end in the fog, the
// Merry Widow gliding in and rocking, her anchor going down, her door and lever glowing, the
// signal lamps lighting and the door folding down onto the jetty.
#include "shell/gfx.h"
#include "shell/state.h"
#include "tools/snapshot/scene_storyart_kit.h"
#include "tools/snapshot/snapshot.h"
#include <algorithm>
#include <cmath>

namespace {

struct jettypics {
  Image bga, bgb, ship, steg, anchor, doorglow, lever, leverglow, light;
  Image door[11];
};

jettypics loadjetty() {
  jettypics p;
  const std::string f = "data\\story\\9\\";
  p.bga = storyartpicat(f + "bga.jpg", 0, 0);
  p.bgb = storyartpicat(f + "bgb.jpg", 0, 0);
  p.ship = storyartpic(f + "ship.png");
  p.steg = storyartpicat(f + "steg.png", 1560, 568);
  p.anchor = storyartpic(f + "anchor.png");
  for (int i = 1; i <= 10; i++) p.door[i] = storyartpic(f + "door" + std::to_string(i) + ".png");
  p.doorglow = storyartpic(f + "door1-glow.png");
  p.lever = storyartpicat(f + "lever.png", 6, 52);
  p.leverglow = storyartpicat(f + "lever-glow.png", 11, 52);
  p.light = storyartpic(f + "light.png");
  return p;
}

struct jettystate {
  int t = 300;  // storyclock: scroll, the ship's course, her rocking, the anchor
  int lever = 0, lights = 0, door = 0;
  bool glow = false, panel = true;
  int bubble = 0;
};

void drawjetty(const jettypics& p, int w, const jettystate& s) {
  int d = w == 1024 ? 320 : w == 1280 ? 260 : 280;
  float sc = -3.f * std::clamp(std::min(s.t, d) - 41, 0, d);
  // the ship's course, frame by frame from storyclock 2
  float sx = 2600, sy = 250;
  for (int t = 3; t <= s.t; t++) {
    if (t <= 100) continue;
    float stx = std::clamp((sx - 1350) * 0.005f, -3.f, 3.f), sty = std::clamp((sy - 380) * 0.003f, -0.7f, 0.7f);
    if (stx < 0.5f && sx > 1350) stx = 0.5f;
    sx -= stx;
    sy -= sty;
  }
  float a = std::max(0.f, 1.5f - 0.003f * s.t), r = a * std::sin(float(s.t) * float(M_PI) / 180);
  int n = std::clamp(s.t - (d + 240), 0, 300);
  float u = sx + sc, v = sy;
  storyartscreen(w);
  drawimg(p.bga, sc, 0);
  drawimg(p.bgb, sc + 1366, 0);
  // The ship and her anchor rock by at most a degree and a half; the headless software
  // renderer draws pictures this large wrongly when they are turned, so they stay upright here.
  drawimg(p.anchor, u - 435, v - 130 - 5 * a * r + n);
  drawimg(p.ship, u, v);
  int k = s.door;
  drawimg(p.door[1 + k / 4], u + 50, v + 75 - 0.13f * k);
  if (s.glow && s.lever == 0) drawimg(p.doorglow, u + 50, v + 75);
  setdrawstate(float(s.lever), 1, 1, 1, 1);
  drawimg(p.lever, u + 470, v + 70);
  resetdrawstate();
  if (s.glow && s.lever == 0) drawimg(p.leverglow, u + 470, v + 66);
  const float lx[4] = {-20, 5, 27, 47}, ly[4] = {-28, -23, -18, -14};
  for (int i = 1; i <= 4; i++) {
    SetAlpha(std::clamp((s.lights - 20 * i) * 0.1f, 0.f, 1.f));
    drawimg(p.light, u + lx[i - 1], v + ly[i - 1]);
  }
  SetAlpha(1);
  drawimg(p.steg, 2732 + sc, 768);
  if (s.t > d + 250) drawimg(p.door[1 + k / 4], u + 50, v + 75 - 0.13f * k);
  if (s.panel) storyartpanel(9, 1, 70, 58, 23, 1);
  if (s.bubble) storyartbubble(9, s.bubble, float(midx), float(midy));
}

}  // namespace

bool snapstoryart_ch9() {
  bool ok = true;
  jettypics p = loadjetty();
  jettystate s;
  s.t = 2;
  s.panel = false;
  drawjetty(p, 1366, s);
  ok = savesnapshot("story-art-9-start") && ok;
  s.t = 180;
  drawjetty(p, 1366, s);
  ok = savesnapshot("story-art-9-scrolling") && ok;
  s.t = 300;
  s.panel = true;
  drawjetty(p, 1366, s);
  ok = savesnapshot("story-art-9-arriving") && ok;
  s.t = 640;
  s.panel = false;
  drawjetty(p, 1366, s);
  ok = savesnapshot("story-art-9-anchor") && ok;
  s.t = 900;
  s.glow = true;
  drawjetty(p, 1366, s);
  ok = savesnapshot("story-art-9-glow") && ok;
  s.glow = false;
  s.panel = true;
  drawjetty(p, 1024, s);
  ok = savesnapshot("story-art-9-docked-1024") && ok;
  drawjetty(p, 1280, s);
  ok = savesnapshot("story-art-9-docked-1280") && ok;
  s.panel = false;
  s.lever = 40;
  s.lights = 70;
  drawjetty(p, 1366, s);
  ok = savesnapshot("story-art-9-lights") && ok;
  for (int k : {8, 20, 28}) {
    s.lights = 80 + k;
    s.door = k;
    drawjetty(p, 1366, s);
    ok = savesnapshot("story-art-9-door-" + std::to_string(k)) && ok;
  }
  s.door = 35;
  s.lights = 200;
  s.bubble = 4;
  s.panel = true;
  drawjetty(p, 1366, s);
  ok = savesnapshot("story-art-9-aboard") && ok;
  return ok;
}
