// Chapter 10's pictures laid out as its scene places them: chapter 1's evening sky with the
// clouds drifting, the sunset sea and the Merry Widow sailing into it, and the long drift to
// the pier where the horde waves goodbye, at every screen width.
#include "shell/gfx.h"
#include "shell/state.h"
#include "tools/snapshot/scene_storyart_kit.h"
#include "tools/snapshot/snapshot.h"
#include <algorithm>
#include <cmath>

namespace {

struct endingpics {
  Image sky, bga, bgb, ship;
  Image cloud[6];
};

endingpics loadending() {
  endingpics p;
  p.sky = storyartpicat("data\\story\\1\\sky1.png", 0, 0);
  for (int i = 1; i <= 5; i++) p.cloud[i] = storyartpic("data\\story\\1\\cloud" + std::to_string(i) + ".png");
  p.bga = storyartpicat("data\\story\\10\\bga.png", 0, 0);
  p.bgb = storyartpicat("data\\story\\10\\bgb.png", 0, 0);
  p.ship = storyartpicat("data\\story\\10\\ship.png", 162, 122);
  return p;
}

float deg(float d) { return d * float(M_PI) / 180; }

void drawending(const endingpics& p, int w, int t, bool panel) {
  int d = w == 1024 ? 569 : w == 1280 ? 726 : 683;
  float speed = w == 1024 ? 3.f : 2.f;
  float sc = -speed * std::min(t, d);
  storyartscreen(w);
  drawimg(p.sky, 0, 0);
  for (int i = 1; i <= 15; i++) {
    float x = std::trunc(200.f * i + 100 * std::sin(deg(100.f * i))) - 0.03f * i * t + 200 + sc;
    drawimg(p.cloud[(i % 5) + 1], x, 130 + 80 * std::cos(deg(150.f * i)));
  }
  drawimg(p.bga, sc, 0);
  drawimg(p.bgb, sc + 1366, 0);
  setdrawstate(2 * std::sin(deg(float(t))), 1, 1, 1, 1);
  drawimg(p.ship, 860 + sc, 340);
  resetdrawstate();
  if (panel) storyartpanel(10, 1, 70, 58, 23, std::clamp((t - 50) * 0.05f, 0.f, 1.f));
}

}  // namespace

bool snapstoryart_ch10() {
  bool ok = true;
  endingpics p = loadending();
  drawending(p, 1366, 0, false);
  ok = savesnapshot("story-art-10-start") && ok;
  drawending(p, 1366, 120, true);
  ok = savesnapshot("story-art-10-panel") && ok;
  drawending(p, 1366, 340, true);
  ok = savesnapshot("story-art-10-drifting") && ok;
  drawending(p, 1366, 683 + 600, true);
  ok = savesnapshot("story-art-10-end") && ok;
  drawending(p, 1024, 569 + 600, true);
  ok = savesnapshot("story-art-10-end-1024") && ok;
  drawending(p, 1280, 726 + 600, false);
  ok = savesnapshot("story-art-10-end-1280") && ok;
  return ok;
}
