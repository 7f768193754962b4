// Chapter 4's pictures laid out as its scene places them: Drizzle Street from its left end to
// its right end with the rain falling over it, each hidden thing fading in under the pointer,
// and the drain cover dragged aside, bobbing, then resting by the open drain.
#include "shell/gfx.h"
#include "shell/state.h"
#include "tools/snapshot/scene_storyart_kit.h"
#include "tools/snapshot/snapshot.h"
#include <algorithm>
#include <cmath>

namespace {

struct streetpics {
  Image bga, bgb, hole, cover, rain;
  Image find[4];  // the search pictures of the cat, the gutter and the cover
};

streetpics loadstreet() {
  streetpics p;
  const std::string f = "data\\story\\4\\";
  p.bga = storyartpicat(f + "bga.jpg", 0, 0);
  p.bgb = storyartpicat(f + "bgb.jpg", 0, 0);
  p.hole = storyartpicat(f + "0.png", 0, 0);
  for (int i = 1; i <= 3; i++) p.find[i] = storyartpicat(f + std::to_string(i) + ".png", 0, 0);
  p.cover = storyartpicat(f + "e3.png", 0, 0);
  p.rain = storyartpic(f + "rain.png");
  return p;
}

struct streetstate {
  int t = 1000;      // storyclock: the scroll runs from frame 3 to the stop frame
  int found = 0;     // the object under the pointer, 0 none
  int fade = 20;     // the hover fade counter
  int grab = 0;      // the grab counter once the cover is found
  bool panel = true;
  uint32_t seed = 1; // where the rain drops are
};

// The rain as the particle layer draws it: drops of ten sizes, the bigger ones further down
// their fall, scattered over the screen.
void drawrain(const streetpics& p, int w, uint32_t seed) {
  uint32_t s = seed * 2654435761u + 12345u;
  auto next = [&s](int n) {
    s = s * 1664525u + 1013904223u;
    return int((s >> 8) % uint32_t(n));
  };
  for (int i = 0; i < 70; i++) {
    float k = 0.5f + 0.05f * (1 + next(10));
    setdrawstate(0, k, k, BLEND_ALPHA, 1);
    drawimg(p.rain, float(next(w + 200)), float(next(900) - 100));
  }
  resetdrawstate();
}

void drawstreet(const streetpics& p, int w, const streetstate& s) {
  int d = w == 1024 ? 560 : w == 1280 ? 484 : 455;
  float sc = -3.f * float(std::clamp(s.t, 2, d) - 2);
  storyartscreen(w);
  drawimg(p.bga, sc, 0);
  drawimg(p.bgb, sc + 1366, 0);
  drawimg(p.hole, 1932 + sc, 676);
  if (s.grab == 0) drawimg(p.cover, 1933 + sc, 678);
  if (s.found > 0 && s.grab == 0) {
    const float fx[] = {0, 2020, 2557, 1932}, fy[] = {0, 388, 0, 676};
    SetAlpha(std::min(1.f, 0.1f * s.fade));
    drawimg(p.find[s.found], fx[s.found] + sc, fy[s.found]);
    SetAlpha(1);
  }
  if (s.grab > 0) {
    int g = s.grab;
    float y = g <= 90 ? 676 + std::trunc(-10 * std::sin(2 * g * float(M_PI) / 180)) : 676;
    drawimg(p.cover, 1932 + sc + std::max(-2.f * g, -150.f), y);
  }
  drawrain(p, w, s.seed);
  if (s.panel) storyartpanel(4, 1, 70, 58, 23, 1);
}

}  // namespace

bool snapstoryart_ch4() {
  bool ok = true;
  streetpics p = loadstreet();
  streetstate s;
  s.t = 4;
  s.panel = false;
  drawstreet(p, 1366, s);
  ok = savesnapshot("story-art-4-start") && ok;
  s.t = 230;
  s.seed = 2;
  drawstreet(p, 1366, s);
  ok = savesnapshot("story-art-4-scrolling") && ok;
  s = streetstate();
  drawstreet(p, 1366, s);
  ok = savesnapshot("story-art-4-end") && ok;
  drawstreet(p, 1024, s);
  ok = savesnapshot("story-art-4-end-1024") && ok;
  s.panel = false;
  const char* names[] = {"", "story-art-4-cat", "story-art-4-gutter", "story-art-4-drain"};
  for (int i = 1; i <= 3; i++) {
    s.found = i;
    s.seed = 3 + i;
    drawstreet(p, 1366, s);
    ok = savesnapshot(names[i]) && ok;
  }
  s.found = 1;
  s.fade = 4;
  drawstreet(p, 1366, s);
  ok = savesnapshot("story-art-4-cat-fading-in") && ok;
  s.found = 0;
  s.grab = 30;
  drawstreet(p, 1366, s);
  ok = savesnapshot("story-art-4-dragging") && ok;
  s.grab = 150;
  drawstreet(p, 1024, s);
  ok = savesnapshot("story-art-4-open-1024") && ok;
  return ok;
}
