// Chapter 1's pictures laid out as its scene places them: the town at the start and the end of
// its scroll, the pie, the censored sign, the changed sky and figure, the newspaper; then
// Grandma's room with its four hiding places at rest, glowing, moving and revealing the roll.
#include "shell/gfx.h"
#include "shell/state.h"
#include "tools/snapshot/scene_storyart_kit.h"
#include "tools/snapshot/snapshot.h"
#include <algorithm>
#include <cmath>

namespace {

struct townpics {
  Image sky1, sky2, bga, bgb, balloon, ch1, news, censored;
  Image cloud[6], ch2[4];
};

townpics loadtown() {
  townpics p;
  p.sky1 = storyartpicat("data\\story\\1\\sky1.png", 0, 0);
  p.sky2 = storyartpicat("data\\story\\1\\sky2.png", 0, 0);
  p.bga = storyartpicat("data\\story\\1\\bga.png", 0, 0);
  p.bgb = storyartpicat("data\\story\\1\\bgb.png", 0, 0);
  p.ch1 = storyartpicat("data\\story\\1\\ch1.png", 0, 0);
  for (int i = 1; i <= 3; i++) p.ch2[i] = storyartpicat("data\\story\\1\\ch2" + std::to_string(i) + ".png", 0, 0);
  for (int i = 1; i <= 5; i++) p.cloud[i] = storyartpic("data\\story\\1\\cloud" + std::to_string(i) + ".png");
  p.balloon = storyartpic("data\\story\\1\\balloon.png");
  p.news = storyartpic("data\\story\\1\\news.png");
  p.censored = storyartpic("data\\texts\\censored.png");
  return p;
}

// The first part at frame t for the screen width w, as the scene draws it (shake left out).
void drawtown(const townpics& p, int w, int t) {
  int d = w == 1024 ? 430 : w == 1280 ? 500 : 460;
  int speed = w == 1024 ? 3 : 2;
  int g = d + 300;
  float scroll = -float(speed * (std::min(t, d) - 2));
  float h = std::clamp((t - g) * 0.05f, 0.f, 1.f);
  storyartscreen(w);
  if (t < d + 320) {
    SetAlpha(1 - h);
    drawimg(p.sky1, 0, 0);
  }
  if (t >= g) {
    SetAlpha(h);
    drawimg(p.sky2, 0.4f * (g - t), 0);
  }
  SetAlpha(1 - h);
  for (int i = 1; i <= 5; i++) {
    float x = std::trunc(400 * i + 100 * std::sin(200 * i * M_PI / 180)) - 0.06f * i * t + 200 + scroll;
    drawimg(p.cloud[i], x, 50.f * i - 20);
  }
  SetAlpha(1);
  drawimg(p.bga, scroll, 0);
  drawimg(p.bgb, scroll + 1366, 0);
  drawimg(p.balloon, scroll + 1450 - 0.05f * t, 180 - 0.03f * t);
  float X = scroll + 1500, Y = 496;
  if (t < d + 320) {
    SetAlpha(1 - h);
    drawimg(p.ch1, X, Y);
  }
  if (t >= g) {
    int c = (t / 15) % 5;
    SetAlpha(h);
    drawimg(p.ch2[c == 0 || c == 4 ? 1 : c == 2 ? 3 : 2], X, Y - 90);
  }
  if (t >= d + 150 && t < d + 370) {
    int u = t - d - 150;
    float s = std::max(2 - 0.05f * u, 1.f);
    SetAlpha(t < d + 350 ? std::min(0.05f * u, 1.f) : 1 - 0.05f * (t - d - 350));
    SetScale(s, s);
    drawimg(p.censored, X + 100, Y + 60);
    SetScale(1, 1);
  }
  SetAlpha(1);
  if (t > 50 && t < 420) storyartpanel(1, 1, 70, 55, 30, std::min((t - 50) * 0.05f, std::min(1.f, (420 - t) * 0.05f)));
  if (t > d + 500) {
    int spin = std::max(0, 500 - 10 * (t - d - 500));
    SetAlpha(std::min(1.f, 0.05f * (t - d - 500)));
    SetRotation(3.f * spin);
    SetScale(1 - 0.002f * spin, 1 - 0.002f * spin);
    drawimg(p.news, float(midx), float(midy));
    resetdrawstate();
  }
}

struct homepics {
  Image bg, carpetglow, pillow1, pillow1glow, pillow2, pillow2glow, clock, clockglow, roll, rollglow;
  Image carpet[8];
};

homepics loadhome() {
  homepics p;
  p.bg = storyartpic("data\\story\\1-home\\bg.jpg");
  p.carpetglow = storyartpic("data\\story\\1-home\\v1-2.png");
  for (int i = 2; i <= 7; i++) p.carpet[i] = storyartpic("data\\story\\1-home\\v" + std::to_string(i) + ".png");
  p.pillow1 = storyartpic("data\\story\\1-home\\pillow1.png");
  p.pillow1glow = storyartpic("data\\story\\1-home\\pillow1-2.png");
  p.pillow2 = storyartpic("data\\story\\1-home\\pillow2.png");
  p.pillow2glow = storyartpic("data\\story\\1-home\\pillow2-2.png");
  p.clock = storyartpic("data\\story\\1-home\\clock.png");
  p.clockglow = storyartpic("data\\story\\1-home\\clock-2.png");
  p.roll = storyartpic("data\\story\\maprollsmall.png");
  p.rollglow = storyartpic("data\\story\\maprollsmall2.png");
  return p;
}

// The room with its objects in the given states: carpet frame (0 at rest), clock and pillow
// offsets, pillow 2's throw frame (0 at rest); glow draws every untouched object glowing.
struct homestate {
  int carpet = 0, clockdx = 0, pillow1dx = 0, pillow2 = 0;
  bool glow = false, panel = true;
  int rollspot = 0;  // 1 carpet, 2 pillow 1, 3 pillow 2, 4 clock
};

void drawhome(const homepics& p, int w, const homestate& s) {
  storyartscreen(w);
  float m = float(midx);
  drawimg(p.bg, m, float(midy));
  if (s.carpet > 0) drawimg(p.carpet[std::min(s.carpet / 3 + 2, 7)], m - 66, 557);
  else if (s.glow) drawimg(p.carpetglow, m - 66, 587);
  drawimg(p.clock, m - 13 + s.clockdx, 273);
  if (s.glow && s.clockdx == 0) drawimg(p.clockglow, m - 13, 273);
  drawimg(p.pillow1, m - 20 + s.pillow1dx, 444);
  if (s.glow && s.pillow1dx == 0) drawimg(p.pillow1glow, m - 20, 444);
  if (s.pillow2 == 0) {
    drawimg(p.pillow2, m - 110, 434);
    if (s.glow) drawimg(p.pillow2glow, m - 110, 434);
  } else {
    float vx = -10, vy = -8, dx = 0, dy = 0;
    for (int i = 0; i < s.pillow2; i++) {
      vx *= 0.97f;
      vy += 0.2f;
      dx += vx;
      dy += vy;
    }
    setdrawstate(20.f * s.pillow2, 1, 1, 1, std::clamp(3 - 0.05f * s.pillow2, 0.f, 1.f));
    drawimg(p.pillow2, m - 110 + dx, 434 + dy);
    resetdrawstate();
  }
  // the map roll at its hiding place
  const float rx[5] = {0, m - 66, m - 20, m - 110, m - 21}, ry[5] = {0, 592, 444, 434, 285};
  const float rrot[5] = {0, 90, 25, -25, -15}, rscale[5] = {0, 0.1f, 0.07f, 0.07f, 0.06f};
  if (s.rollspot) {
    float sc = rscale[s.rollspot] * 10 * 0.666f;
    setdrawstate(rrot[s.rollspot], sc, sc, 1, 1);
    drawimg(p.roll, rx[s.rollspot], ry[s.rollspot]);
    if (s.glow) drawimg(p.rollglow, rx[s.rollspot], ry[s.rollspot]);
    resetdrawstate();
  }
  if (s.panel) storyartpanel(1, 5, 70, 58, 23, 1);
}

}  // namespace

bool snapstoryart_ch1() {
  bool ok = true;
  townpics town = loadtown();
  drawtown(town, 1366, 60);
  ok = savesnapshot("story-art-1-start") && ok;
  drawtown(town, 1366, 300);
  ok = savesnapshot("story-art-1-scrolling") && ok;
  drawtown(town, 1366, 560);
  ok = savesnapshot("story-art-1-end") && ok;
  drawtown(town, 1024, 560);
  ok = savesnapshot("story-art-1-end-1024") && ok;
  drawtown(town, 1366, 460 + 200);
  ok = savesnapshot("story-art-1-censored") && ok;
  drawtown(town, 1366, 460 + 430);
  ok = savesnapshot("story-art-1-changed") && ok;
  drawtown(town, 1366, 460 + 520);
  ok = savesnapshot("story-art-1-news-spinning") && ok;
  drawtown(town, 1366, 460 + 600);
  ok = savesnapshot("story-art-1-news") && ok;

  homepics home = loadhome();
  homestate s;
  drawhome(home, 1366, s);
  ok = savesnapshot("story-art-1-home") && ok;
  s.glow = true;
  s.panel = false;
  drawhome(home, 1366, s);
  ok = savesnapshot("story-art-1-home-glow") && ok;
  s.glow = false;
  s.carpet = 7;
  s.clockdx = -40;
  s.pillow1dx = 50;
  s.pillow2 = 12;
  drawhome(home, 1366, s);
  ok = savesnapshot("story-art-1-home-moving") && ok;
  for (int spot = 1; spot <= 4; spot++) {
    homestate r;
    r.panel = false;
    r.rollspot = spot;
    r.glow = spot == 2;
    if (spot == 1) r.carpet = 30;
    if (spot == 2) r.pillow1dx = 80;
    if (spot == 3) r.pillow2 = 70;
    if (spot == 4) r.clockdx = -70;
    drawhome(home, 1366, r);
    ok = savesnapshot("story-art-1-home-roll" + std::to_string(spot)) && ok;
  }
  homestate narrow;
  drawhome(home, 1024, narrow);
  ok = savesnapshot("story-art-1-home-1024") && ok;
  return ok;
}
