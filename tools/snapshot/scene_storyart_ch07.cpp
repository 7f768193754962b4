// Chapter 7's pictures laid out as its scene places them: the harbour at the start and the
// end of its scroll, the cabinet, key and padlock glowing, the lid swinging open, the key
// carried to the lock, the door sliding, the crane waking and lifting the container away.
#include "shell/gfx.h"
#include "shell/state.h"
#include "tools/snapshot/scene_storyart_kit.h"
#include "tools/snapshot/snapshot.h"
#include <algorithm>
#include <cmath>

namespace {

struct harbourpics {
  Image bga, bgb, key, keyglow, lamplight, door, lights, flood, hook, container;
  Image lid[8], lock[4];
};

harbourpics loadharbour() {
  harbourpics p;
  const std::string f = "data\\story\\7\\";
  p.bga = storyartpicat(f + "bga.jpg", 0, 0);
  p.bgb = storyartpicat(f + "bgb.jpg", 0, 0);
  for (int i = 1; i <= 7; i++) p.lid[i] = storyartpic(f + "bdoor" + std::to_string(i) + ".png");
  p.key = storyartpic(f + "key.png");
  p.keyglow = storyartpic(f + "key2.png");
  for (int i = 1; i <= 3; i++) p.lock[i] = storyartpic(f + "lock" + std::to_string(i) + ".png");
  p.lamplight = storyartpic(f + "lamplight.png");
  p.door = storyartpic(f + "door.png");
  p.lights = storyartpic(f + "cranelights.png");
  p.flood = storyartpic(f + "cranelight.png");
  p.hook = storyartpic(f + "crane.png");
  p.container = storyartpic(f + "container.png");
  return p;
}

struct harbourstate {
  int t = 400;          // storyclock: sets the scroll
  int lid = 0;          // lid frame 0 (shut) .. 6
  int key = 0;          // 0 in the cabinet, 1 carried, 2 used
  bool lockopen = false, lamp = true, glow = false, panel = true;
  int slide = 0, crane = 0;
  float mx = 0, my = 0;  // the pointer, for a carried key
  int bubble = 0;
};

const float lidx[7] = {0, 0, 7, 17, 27, 49, 61}, lidy[7] = {0, 0, 13, 17, 22, 21, 15};

void drawharbour(const harbourpics& p, int w, const harbourstate& s) {
  int d = w == 1024 ? 340 : 300;
  float sc = -3.f * std::clamp(std::min(s.t, d) - 2, 0, d);
  storyartscreen(w);
  drawimg(p.bga, sc, 0);
  drawimg(p.bgb, sc + 1366, 0);
  if (s.lamp) drawimg(p.lamplight, 985 + sc, 230);
  if (s.key == 0) {
    drawimg(p.key, 1228 + sc, 502);
    if (s.glow && s.lid == 6) drawimg(p.keyglow, 1228 + sc, 502);
  }
  if (s.lid == 0) {
    drawimg(p.lid[1], 1232 + sc, 456);
    if (s.glow) drawimg(p.lid[7], 1232 + sc, 456);
  } else {
    drawimg(p.lid[s.lid], 1232 + sc + lidx[s.lid], 456 + lidy[s.lid]);
  }
  drawimg(p.door, 1486 + s.slide + sc, 408);
  if (s.lockopen) {
    drawimg(p.lock[2], 1336 + s.slide + 11 + sc, 466);
  } else {
    drawimg(p.lock[1], 1336 + sc, 458);
    if (s.glow) drawimg(p.lock[3], 1336 + sc, 458);
  }
  int c = s.crane;
  float hook = 0, cont = 0;
  if (c > 0) {
    float a = (c - 49) * 0.05f + 0.5f * std::sin((50.f * c - 2450) * float(M_PI) / 180);
    SetAlpha(std::clamp(a, 0.f, 1.f));
    drawimg(p.lights, 1429 + sc, 271);
    SetAlpha(std::clamp((c - 100) * 0.05f, 0.f, 1.f));
    drawimg(p.flood, 1789 + sc, 211);
    SetAlpha(1);
    hook = 3.f * std::clamp(c - 100, 0, 147) - 2.f * std::max(0, c - 300);
    cont = -2.f * std::max(0, c - 300);
  }
  float cx = (w == 1024 ? 1900 : 2150) + sc;
  drawimg(p.container, cx, 710 + cont);
  drawimg(p.hook, cx, -200 + hook);
  if (s.panel) storyartpanel(7, 1, float(screenh - 70), 58, 23, 1);
  if (s.bubble) storyartbubble(7, s.bubble, s.mx, s.my - 80);
  if (s.key == 1) drawimg(p.key, s.mx + 38, s.my + 52);
}

}  // namespace

bool snapstoryart_ch7() {
  bool ok = true;
  harbourpics p = loadharbour();
  harbourstate s;
  s.t = 2;
  s.panel = false;
  drawharbour(p, 1366, s);
  ok = savesnapshot("story-art-7-start") && ok;
  s.t = 150;
  s.lamp = false;
  drawharbour(p, 1366, s);
  ok = savesnapshot("story-art-7-scrolling") && ok;
  s = harbourstate();
  drawharbour(p, 1366, s);
  ok = savesnapshot("story-art-7-end") && ok;
  drawharbour(p, 1024, s);
  ok = savesnapshot("story-art-7-end-1024") && ok;
  s.glow = true;
  s.panel = false;
  drawharbour(p, 1366, s);
  ok = savesnapshot("story-art-7-glow") && ok;
  for (int k : {2, 4, 5}) {
    s.lid = k;
    drawharbour(p, 1366, s);
    ok = savesnapshot("story-art-7-lid" + std::to_string(k)) && ok;
  }
  s.lid = 6;
  drawharbour(p, 1366, s);
  ok = savesnapshot("story-art-7-key") && ok;
  s.key = 1;
  s.glow = false;
  s.mx = 1336 - 894 + 10;
  s.my = 470;
  s.bubble = 1;
  drawharbour(p, 1366, s);
  ok = savesnapshot("story-art-7-carried") && ok;
  s.key = 2;
  s.bubble = 0;
  s.lockopen = true;
  s.slide = 130;
  drawharbour(p, 1366, s);
  ok = savesnapshot("story-art-7-sliding") && ok;
  s.slide = 260;
  for (int c : {60, 180, 260, 450, 600}) {
    s.crane = c;
    drawharbour(p, 1366, s);
    ok = savesnapshot("story-art-7-crane-" + std::to_string(c)) && ok;
  }
  s.panel = true;
  drawharbour(p, 1024, s);
  ok = savesnapshot("story-art-7-lifted-1024") && ok;
  return ok;
}
