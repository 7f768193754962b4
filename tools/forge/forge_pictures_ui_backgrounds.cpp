// The nine game backgrounds, one per group of three stages, and the same scenes as the
// adventure map's stage pictures. Each is its own place: a graveyard, a pumpkin farm at
// sunset, a swamp, the crooked village, a forest, the old church, a mountain castle, the
// stormy coast and the last tower, peopled by townsfolk and the zombies after them.
// The game lays its cards over the middle, so the scenes put their buildings and people at
// the sides (x below 360 or above 1000 of 1366) and keep the middle quiet; everything that
// matters also shows at 1024 pixels wide, where 171 pixels are cut off either side.
#include "tools/forge/forge.h"
#include "tools/forge/forge_pictures_ui_kit.h"
#include <cmath>
#include <vector>

namespace uikit {

namespace {

// A smooth ground line through control points (Catmull-Rom), x ascending.
struct groundline {
  std::vector<double> x, y;
  double at(double px) const {
    size_t n = x.size();
    if (px <= x[0]) return y[0];
    if (px >= x[n - 1]) return y[n - 1];
    size_t i = 0;
    while (i + 2 < n && px > x[i + 1]) i++;
    double t = (px - x[i]) / (x[i + 1] - x[i]);
    double y0 = i > 0 ? y[i - 1] : y[i], y1 = y[i], y2 = y[i + 1], y3 = i + 2 < n ? y[i + 2] : y[i + 1];
    return 0.5 * ((2 * y1) + (-y0 + y2) * t + (2 * y0 - 5 * y1 + 4 * y2 - y3) * t * t +
                  (-y0 + 3 * y1 - 3 * y2 + y3) * t * t * t);
  }
  void path(cairo_t* cr, double w, double h) const {
    cairo_move_to(cr, -10, h + 10);
    for (double px = -10; px <= w + 10; px += 4) cairo_line_to(cr, px, at(px));
    cairo_line_to(cr, w + 10, h + 10);
    cairo_close_path(cr);
  }
};

void fillground(cairo_t* cr, const groundline& g, double w, double h, rgb top, rgb bottom, double outline) {
  g.path(cr, w, h);
  double lo = 1e9;
  for (double v : g.y) lo = std::fmin(lo, v);
  artfilloutline(cr, top, bottom, lo, h, outline);
}

// Tufts of grass along a ground line, in uneven clumps.
void tufts(cairo_t* cr, const groundline& g, double x0, double x1, rgb c, uint32_t seed, double size = 1) {
  prng rnd(seed);
  for (double x = x0; x < x1;) {
    int clump = 2 + int(rnd.next() % 4);
    for (int k = 0; k < clump; k++) {
      double bx = x + k * 4 * size, by = g.at(bx) + 2;
      double hgt = rnd.range(7, 16) * size, lean = rnd.range(-5, 5) * size;
      cairo_move_to(cr, bx - 2.5 * size, by);
      quadto(cr, bx + lean * 0.3, by - hgt * 0.6, bx + lean, by - hgt);
      quadto(cr, bx + lean * 0.3 + 1, by - hgt * 0.5, bx + 2.5 * size, by);
      cairo_close_path(cr);
    }
    x += rnd.range(30, 110) * size;
  }
  artsetcolor(cr, c);
  cairo_fill(cr);
}

void stars(cairo_t* cr, double w, double band, int n, uint32_t seed) {
  prng rnd(seed);
  for (int i = 0; i < n; i++) {
    double sx = rnd.range(0, w), sy = rnd.range(0, band) * rnd.unit();
    double r = rnd.range(0.6, 1.7), a = rnd.range(0.35, 0.95) * (1 - sy / (band + 1) * 0.7);
    artsetcolor(cr, pal::bone, a);
    cairo_arc(cr, sx, sy, r, 0, 2 * M_PI);
    cairo_fill(cr);
  }
}

void skygradient(cairo_t* cr, double w, double h, rgb top, rgb mid, rgb bottom, double midat) {
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, h);
  cairo_pattern_add_color_stop_rgb(g, 0, top.r, top.g, top.b);
  cairo_pattern_add_color_stop_rgb(g, midat, mid.r, mid.g, mid.b);
  cairo_pattern_add_color_stop_rgb(g, 1, bottom.r, bottom.g, bottom.b);
  cairo_set_source(cr, g);
  cairo_rectangle(cr, 0, 0, w, h);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
}

// Distant things fade toward the sky: a silhouette filled flat in a hazy colour.
void hazyhills(cairo_t* cr, double w, double h, double base, double amp, double phase, double wave, rgb c) {
  hill(cr, w, h, base, amp, phase, wave, c, artshade(c, 0.85), 0);
}

// A row of far roofs with a few lit windows, flat and hazy.
void farvillage(cairo_t* cr, double x0, double x1, double base, double s, rgb c, uint32_t seed) {
  prng rnd(seed);
  artsetcolor(cr, c);
  for (double x = x0; x < x1;) {
    double bw = rnd.range(30, 60) * s, bh = rnd.range(26, 50) * s;
    cairo_move_to(cr, x, base);
    cairo_line_to(cr, x, base - bh);
    cairo_line_to(cr, x + bw / 2, base - bh - rnd.range(14, 30) * s);
    cairo_line_to(cr, x + bw, base - bh);
    cairo_line_to(cr, x + bw, base);
    cairo_close_path(cr);
    cairo_fill(cr);
    if (rnd.unit() < 0.55) {
      double wx = x + bw * rnd.range(0.25, 0.6), wy = base - bh * rnd.range(0.4, 0.75);
      artglow(cr, wx + 2 * s, wy + 3 * s, 9 * s, pal::gold, 0.5);
      cairo_rectangle(cr, wx, wy, 4 * s, 6 * s);
      artsetcolor(cr, rgb{1.0, 0.8, 0.4});
      cairo_fill(cr);
      artsetcolor(cr, c);
    }
    x += bw + rnd.range(-4, 14) * s;
  }
}

void crow(cairo_t* cr, double x, double y, double s, int facing) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, s * facing, s);
  cairo_move_to(cr, -14, 0);
  cairo_curve_to(cr, -10, -12, 6, -14, 10, -8);
  cairo_line_to(cr, 18, -6);
  cairo_line_to(cr, 10, -3);
  cairo_curve_to(cr, 8, 4, -4, 6, -14, 0);
  cairo_line_to(cr, -22, 2);
  cairo_close_path(cr);
  artsetcolor(cr, pal::ink);
  cairo_fill(cr);
  cairo_arc(cr, 5, -8, 1.6, 0, 2 * M_PI);
  artsetcolor(cr, pal::gold);
  cairo_fill(cr);
  cairo_restore(cr);
}

void headstone(cairo_t* cr, double x, double y, double s, uint32_t seed) {
  prng rnd(seed);
  tombstone(cr, x, y, s * rnd.range(0.85, 1.15), rnd.range(-10, 10), int(rnd.next() % 3));
}

// The quiet middle where the cards lie, and the edges darkened.
void calm(cairo_t* cr, double w, double h, rgb tint) {
  vignette(cr, w, h, 0.5);
  cairo_save(cr);
  cairo_translate(cr, w / 2.0, h / 2.0);
  cairo_scale(cr, 1.6, 1);
  artglow(cr, 0, 0, 360, tint, 0.22);
  cairo_restore(cr);
}

// ---- 1: the graveyard hills ------------------------------------------------------------

void graveyard(cairo_t* cr, double w, double h) {
  skygradient(cr, w, h, {0.09, 0.06, 0.22}, {0.36, 0.2, 0.44}, {0.62, 0.36, 0.5}, 0.5);
  stars(cr, w, h * 0.55, 280, 1017);
  crescent(cr, 420, 120, 56, {0.98, 0.93, 0.78}, 0.55);
  inkcloud(cr, 520, 170, 250, 64, {0.34, 0.22, 0.46}, {0.62, 0.5, 0.7}, 11);
  inkcloud(cr, 1080, 120, 200, 54, {0.3, 0.2, 0.42}, {0.52, 0.4, 0.62}, 12);
  hazyhills(cr, w, h, 520, 30, 1.1, 210, {0.32, 0.2, 0.42});
  farvillage(cr, 860, 1180, 512, 0.9, {0.26, 0.16, 0.36}, 101);
  groundline mid{{-10, 200, 420, 700, 1000, 1250, 1380}, {470, 500, 560, 590, 575, 540, 520}};
  fillground(cr, mid, w, h, {0.3, 0.18, 0.4}, {0.16, 0.09, 0.24}, 4);
  // the mausoleum on the rise and the old yew beside it
  mausoleum(cr, 330, mid.at(330) + 6, 0.9, {0.6, 0.56, 0.66}, true);
  gnarledtree(cr, 130, mid.at(130) + 12, 1.55, 104, {0.28, 0.18, 0.26}, 2);
  crow(cr, 322, mid.at(330) - 120, 0.9, -1);
  // stones lean in little family groups, never in rows
  const double stones[][2] = {{212, 0.55}, {238, 0.45}, {452, 0.5}, {486, 0.62}, {520, 0.4},
                              {880, 0.45}, {910, 0.55}, {1182, 0.6}, {1212, 0.5}, {1296, 0.58}};
  int i = 0;
  for (auto& st : stones) headstone(cr, st[0], mid.at(st[0]) + 6, st[1], 110 + i++);
  zombie(cr, 1245, mid.at(1245) + 4, 0.78, 5, -1, 2);
  woodfence(cr, 1010, 1150, mid.at(1080) + 4, 0.8, 120, {0.3, 0.2, 0.28});
  // the near ground: a path between two dark banks
  groundline nearl{{-10, 140, 300, 460}, {640, 650, 690, 790}};
  groundline nearr{{900, 1060, 1220, 1380}, {790, 690, 650, 630}};
  fillground(cr, nearl, 480, h, {0.2, 0.12, 0.28}, {0.1, 0.06, 0.16}, 4);
  tufts(cr, nearl, 0, 420, {0.14, 0.09, 0.2}, 130);
  groundline nr = nearr;
  nr.x.insert(nr.x.begin(), 880);
  nr.y.insert(nr.y.begin(), 900);
  fillground(cr, nr, w, h, {0.2, 0.12, 0.28}, {0.1, 0.06, 0.16}, 4);
  tufts(cr, nearr, 980, w, {0.14, 0.09, 0.2}, 131);
  headstone(cr, 70, nearl.at(70) + 10, 1.1, 140);
  pumpkin(cr, 200, nearl.at(200) + 8, 0.8, true);
  townsfolk(cr, 1110, nearr.at(1110) + 4, 0.95, 21, -1, 1);
  zombie(cr, 1275, nearr.at(1275) + 4, 1.05, 22, -1, 0);
  headstone(cr, 1330, nearr.at(1330) + 10, 0.9, 141);
  for (int b = 0; b < 3; b++) bat(cr, 560 + b * 70 + (b % 2) * 20, 120 + (b % 2) * 30, 0.55 + b * 0.1);
}

// ---- 2: the pumpkin farm at sunset ------------------------------------------------------

void pumpkinfarm(cairo_t* cr, double w, double h) {
  skygradient(cr, w, h, {0.16, 0.08, 0.3}, {0.72, 0.3, 0.32}, {0.98, 0.66, 0.3}, 0.55);
  stars(cr, w, h * 0.3, 120, 2017);
  // the setting sun, banded, half down behind the far fields
  double sx = 1000, sy = 520;
  artglow(cr, sx, sy, 320, pal::gold, 0.45);
  cairo_arc(cr, sx, sy, 110, 0, 2 * M_PI);
  artfilloutline(cr, {1.0, 0.9, 0.5}, {0.98, 0.5, 0.2}, sy - 110, sy + 110, 0);
  for (int k = 0; k < 4; k++) {
    cairo_rectangle(cr, sx - 120, sy - 20 + k * 20 - k * 2, 240, 5 + k * 2);
    artsetcolor(cr, {0.9, 0.45, 0.3}, 0.8);
    cairo_fill(cr);
  }
  inkcloud(cr, 360, 170, 280, 60, {0.56, 0.26, 0.36}, {0.98, 0.62, 0.42}, 21);
  inkcloud(cr, 1200, 250, 220, 50, {0.66, 0.3, 0.34}, {1.0, 0.7, 0.45}, 22);
  // far fields in stripes of haze
  hazyhills(cr, w, h, 530, 20, 0.3, 260, {0.5, 0.22, 0.3});
  hazyhills(cr, w, h, 565, 16, 2.1, 180, {0.4, 0.17, 0.26});
  groundline field{{-10, 300, 700, 1100, 1380}, {590, 600, 610, 596, 580}};
  fillground(cr, field, w, h, {0.36, 0.18, 0.22}, {0.18, 0.09, 0.14}, 4);
  // furrows running off toward the sun
  for (int k = 0; k < 9; k++) {
    double y0 = field.at(683) + 12 + k * k * 2.2;
    cairo_move_to(cr, -10, y0 + k * 6);
    cairo_curve_to(cr, 400, y0, 900, y0 - 4, w + 10, y0 + k * 4);
  }
  artsetcolor(cr, pal::ink, 0.3);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  // the farm on the right: house and barn, lit
  double fy = field.at(1230) + 6;
  cairo_save(cr);
  cairo_translate(cr, 1300, fy);
  cairo_rectangle(cr, -80, -110, 140, 110);
  artfilloutline(cr, {0.66, 0.2, 0.18}, {0.4, 0.1, 0.1}, -110, 0, 4);
  cairo_move_to(cr, -92, -104);
  cairo_line_to(cr, -10, -170);
  cairo_line_to(cr, 72, -104);
  cairo_close_path(cr);
  artfilloutline(cr, {0.36, 0.22, 0.2}, {0.22, 0.12, 0.12}, -170, -104, 4);
  cairo_rectangle(cr, -40, -80, 60, 80);
  artfilloutline(cr, {0.5, 0.3, 0.18}, {0.32, 0.18, 0.1}, -80, 0, 3.5);
  cairo_move_to(cr, -40, -80);
  cairo_line_to(cr, 20, 0);
  cairo_move_to(cr, 20, -80);
  cairo_line_to(cr, -40, 0);
  artsetcolor(cr, pal::bone, 0.8);
  cairo_set_line_width(cr, 4);
  cairo_stroke(cr);
  window(cr, -22, -148, 24, 24, true, true);
  cairo_restore(cr);
  cottage(cr, 1120, fy + 4, 1.0, 202, 7, {0.86, 0.74, 0.56}, {0.46, 0.22, 0.2});
  woodfence(cr, 940, 1060, field.at(1000) + 8, 0.9, 203, {0.46, 0.3, 0.2});
  // the scarecrow keeping watch on the left, a crow on its arm
  scarecrow(cr, 250, field.at(250) + 14, 1.1);
  crow(cr, 312, field.at(250) - 122, 0.9, 1);
  // the near patch: dark earth, vines and pumpkins in clumps
  groundline nearg{{-10, 200, 420, 700, 950, 1180, 1380}, {668, 660, 700, 740, 700, 662, 650}};
  fillground(cr, nearg, w, h, {0.24, 0.12, 0.12}, {0.12, 0.06, 0.08}, 4);
  prng rnd(2300);
  for (int k = 0; k < 6; k++) {
    double vx = rnd.range(0, w);
    cairo_move_to(cr, vx, nearg.at(vx));
    cairo_curve_to(cr, vx + 40, nearg.at(vx) - 30, vx + 80, nearg.at(vx) + 20, vx + 130, nearg.at(vx + 130) - 4);
  }
  artsetcolor(cr, pal::moss);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  const double patch[][3] = {{60, 1.1, 1}, {120, 0.7, 0}, {170, 0.85, 1}, {330, 0.6, 0},
                             {1030, 0.65, 1}, {1200, 1.0, 1}, {1270, 0.7, 0}, {1340, 0.9, 1}};
  for (auto& p : patch) pumpkin(cr, p[0], nearg.at(p[0]) + 10, p[1], p[2] > 0);
  zombie(cr, 400, nearg.at(400) + 6, 1.0, 31, 1, 0);
  townsfolk(cr, 1110, nearg.at(1110) + 4, 1.0, 32, -1, 3);
}

// ---- 3: the misty swamp ---------------------------------------------------------------

void swamp(cairo_t* cr, double w, double h) {
  skygradient(cr, w, h, {0.04, 0.1, 0.17}, {0.1, 0.3, 0.34}, {0.26, 0.5, 0.48}, 0.55);
  stars(cr, w, h * 0.5, 220, 3017);
  moon(cr, 1110, 140, 50, {0.86, 0.98, 0.9});
  inkcloud(cr, 1010, 180, 220, 48, {0.14, 0.3, 0.34}, {0.46, 0.66, 0.62}, 31);
  // the far treeline of cypress shapes
  prng rnd(3100);
  artsetcolor(cr, {0.1, 0.26, 0.28});
  for (double x = -20; x < w + 20; x += rnd.range(26, 60)) {
    double th = rnd.range(60, 140);
    cairo_move_to(cr, x - 10, 560);
    cairo_curve_to(cr, x - 12, 560 - th * 0.6, x - 20, 560 - th * 0.9, x, 560 - th);
    cairo_curve_to(cr, x + 20, 560 - th * 0.9, x + 12, 560 - th * 0.6, x + 10, 560);
    cairo_close_path(cr);
  }
  cairo_fill(cr);
  mist(cr, w, 540, 50, pal::mint, 0.22, 3101);
  // the water, with the moon's broken path and lily pads
  cairo_rectangle(cr, 0, 556, w, h - 556);
  artfilloutline(cr, {0.1, 0.3, 0.32}, {0.04, 0.12, 0.14}, 556, h, 0);
  for (int i = 0; i < 24; i++) {
    double y = 566 + i * 8, hw = 16 + i * 3.5;
    artsetcolor(cr, {0.86, 0.98, 0.9}, 0.4 - i * 0.012);
    cairo_rectangle(cr, 1110 - hw / 2 + rnd.range(-12, 12), y, hw, 2.5);
    cairo_fill(cr);
  }
  for (int i = 0; i < 14; i++) {
    double x = rnd.range(0, w), y = rnd.range(600, 720);
    if (x > 420 && x < 950) continue;
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, 1, 0.4);
    cairo_arc(cr, 0, 0, rnd.range(10, 18), 0.3, 2 * M_PI);
    cairo_line_to(cr, 0, 0);
    cairo_close_path(cr);
    cairo_restore(cr);
    artfilloutline(cr, artshade(pal::moss, 1.2), artshade(pal::moss, 0.7), y - 6, y + 6, 2);
  }
  // the stilt hut over the water on the right, its jetty and a lantern-bearer
  double hx = 1190, wl = 575;
  for (int k = -2; k <= 2; k++) {
    cairo_rectangle(cr, hx + k * 30 - 4, wl - 70, 8, 100);
    artfilloutline(cr, {0.4, 0.28, 0.18}, {0.24, 0.16, 0.1}, wl - 70, wl + 30, 3);
  }
  cottage(cr, hx, wl - 66, 1.2, 303, 3, {0.44, 0.36, 0.26}, {0.3, 0.36, 0.26});
  cairo_rectangle(cr, 980, wl - 14, 170, 12);
  artfilloutline(cr, {0.52, 0.36, 0.22}, {0.34, 0.22, 0.14}, wl - 14, wl - 2, 3);
  for (double x = 990; x < 1150; x += 40) {
    cairo_rectangle(cr, x, wl - 2, 6, 40);
    artfilloutline(cr, {0.4, 0.28, 0.18}, {0.24, 0.16, 0.1}, wl, wl + 38, 2.5);
  }
  townsfolk(cr, 1050, wl - 14, 0.62, 41, -1, 0);
  // the mossy tree on the left bank
  groundline bank{{-10, 120, 260, 360}, {600, 610, 650, 780}};
  fillground(cr, bank, 380, h, {0.12, 0.24, 0.2}, {0.06, 0.12, 0.1}, 4);
  gnarledtree(cr, 120, bank.at(120) + 10, 1.6, 305, {0.22, 0.26, 0.2}, 1);
  tufts(cr, bank, 0, 340, {0.1, 0.2, 0.16}, 306, 1.4);
  // a zombie wading in from the left, the water up to its knees
  zombie(cr, 400, 690, 1.0, 42, 1, 0);
  cairo_rectangle(cr, 330, 660, 160, 60);
  cairo_pattern_t* wg = cairo_pattern_create_linear(0, 650, 0, 690);
  cairo_pattern_add_color_stop_rgba(wg, 0, 0.06, 0.2, 0.22, 0);
  cairo_pattern_add_color_stop_rgba(wg, 1, 0.06, 0.18, 0.2, 0.92);
  cairo_set_source(cr, wg);
  cairo_fill(cr);
  cairo_pattern_destroy(wg);
  for (int k = 0; k < 3; k++) {
    cairo_save(cr);
    cairo_translate(cr, 408, 676);
    cairo_scale(cr, 1, 0.3);
    cairo_arc(cr, 0, 0, 22 + k * 12, 0, 2 * M_PI);
    cairo_restore(cr);
    artsetcolor(cr, pal::mint, 0.4 - k * 0.1);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
  }
  // will-o'-the-wisps
  for (int k = 0; k < 7; k++) {
    double x = rnd.range(0, w), y = rnd.range(420, 620);
    if (x > 380 && x < 990) x = x < 683 ? x - 330 : x + 330;
    artglow(cr, x, y, 16, pal::mint, 0.7);
    artglow(cr, x, y, 5, {1, 1, 1}, 0.9);
  }
  // reeds in the right corner
  artsetcolor(cr, {0.1, 0.2, 0.16});
  cairo_set_line_width(cr, 3);
  for (double x = 1250; x < w; x += rnd.range(7, 14)) {
    double hgt = rnd.range(50, 120), lean = rnd.range(-12, 12);
    cairo_move_to(cr, x, h);
    quadto(cr, x + lean * 0.2, h - hgt * 0.6, x + lean, h - hgt);
    cairo_stroke(cr);
  }
  mist(cr, w, 700, 60, pal::mint, 0.16, 3102);
}

// ---- 4: the crooked village ------------------------------------------------------------

void village(cairo_t* cr, double w, double h) {
  skygradient(cr, w, h, {0.04, 0.06, 0.2}, {0.14, 0.2, 0.44}, {0.3, 0.34, 0.6}, 0.6);
  stars(cr, w, h * 0.6, 340, 4017);
  crescent(cr, 1160, 120, 44, {0.98, 0.95, 0.8}, 0.45);
  // far roofs and a far spire
  farvillage(cr, -20, w + 20, 540, 1.3, {0.16, 0.18, 0.38}, 401);
  artsetcolor(cr, {0.16, 0.18, 0.38});
  cairo_move_to(cr, 760, 540);
  cairo_line_to(cr, 760, 430);
  cairo_line_to(cr, 775, 370);
  cairo_line_to(cr, 790, 430);
  cairo_line_to(cr, 790, 540);
  cairo_fill(cr);
  // the street: cobbles running down the middle
  groundline street{{-10, 400, 900, 1380}, {600, 612, 612, 598}};
  fillground(cr, street, w, h, {0.24, 0.24, 0.42}, {0.12, 0.12, 0.24}, 4);
  prng rnd(4100);
  for (int row = 0; row < 9; row++) {
    double y = 620 + row * row * 1.6 + row * 6;
    for (double x = -10; x < w; x += 24 + row * 3) {
      cairo_save(cr);
      cairo_translate(cr, x + (row % 2) * 12 + rnd.range(-3, 3), y);
      cairo_scale(cr, 1, 0.45);
      cairo_arc(cr, 0, 0, 9 + row * 1.2, 0, 2 * M_PI);
      cairo_restore(cr);
      artsetcolor(cr, pal::ink, 0.25);
      cairo_set_line_width(cr, 1.5);
      cairo_stroke(cr);
    }
  }
  // houses leaning into the street from both sides, every one different
  cottage(cr, 300, street.at(300) + 4, 0.95, 411, 1, {0.5, 0.4, 0.56}, {0.36, 0.2, 0.36});
  cottage(cr, 150, street.at(150) + 8, 1.35, 412, 6, {0.62, 0.52, 0.42}, {0.3, 0.22, 0.4});
  cottage(cr, 40, street.at(40) + 10, 1.1, 413, 2, {0.44, 0.46, 0.6}, {0.42, 0.2, 0.24});
  cottage(cr, 1070, street.at(1070) + 4, 0.9, 414, 2, {0.56, 0.46, 0.36}, {0.26, 0.3, 0.46});
  cottage(cr, 1220, street.at(1220) + 8, 1.4, 415, 5, {0.48, 0.42, 0.58}, {0.44, 0.22, 0.26});
  cottage(cr, 1345, street.at(1345) + 10, 1.0, 416, 1, {0.66, 0.56, 0.44}, {0.3, 0.24, 0.42});
  lamppost(cr, 410, street.at(410) + 6, 0.95);
  lamppost(cr, 975, street.at(975) + 6, 0.95);
  well(cr, 1000, street.at(1000) + 40, 0.75);
  // the people: a brave pair with a lantern and a fork, and two zombies in the lane
  townsfolk(cr, 360, 700, 1.0, 51, 1, 0);
  townsfolk(cr, 250, 712, 0.9, 52, 1, 3);
  zombie(cr, 1130, 706, 1.05, 53, -1, 0);
  zombie(cr, 1260, 720, 0.95, 54, -1, 1);
  // a cat on a ridge and bats around the moon
  cairo_save(cr);
  cairo_translate(cr, 150, street.at(150) - 196);
  cairo_arc(cr, 0, 0, 8, 0, 2 * M_PI);
  cairo_move_to(cr, -6, -4);
  cairo_line_to(cr, -7, -13);
  cairo_line_to(cr, -1, -7);
  cairo_move_to(cr, 6, -4);
  cairo_line_to(cr, 7, -13);
  cairo_line_to(cr, 1, -7);
  artsetcolor(cr, pal::ink);
  cairo_fill(cr);
  for (int k = -1; k <= 1; k += 2) {
    cairo_arc(cr, k * 3, -1, 1.4, 0, 2 * M_PI);
    artsetcolor(cr, pal::gold);
    cairo_fill(cr);
  }
  cairo_restore(cr);
  bat(cr, 1080, 170, 0.7);
  bat(cr, 1250, 200, 0.55);
}

// ---- 5: the whispering forest -----------------------------------------------------------

void trunk(cairo_t* cr, double x, double base, double wdt, double top, rgb c, double outline, uint32_t seed) {
  prng rnd(seed);
  double lean = rnd.range(-0.04, 0.04);
  cairo_move_to(cr, x - wdt * 0.7, base + 4);
  cairo_curve_to(cr, x - wdt * 0.5, base - 20, x - wdt * 0.5, base - 60, x - wdt / 2 + lean * (base - top), top);
  cairo_line_to(cr, x + wdt / 2 + lean * (base - top), top);
  cairo_curve_to(cr, x + wdt * 0.5, base - 60, x + wdt * 0.5, base - 20, x + wdt * 0.75, base + 4);
  cairo_close_path(cr);
  artfilloutline(cr, artshade(c, 1.15), artshade(c, 0.8), top, base, outline);
  // a bare branch or two
  for (int k = 0; k < 2; k++) {
    double by = base - rnd.range(0.4, 0.8) * (base - top), dir = k ? 1 : -1;
    double bx = x + lean * (base - by) + dir * wdt * 0.4;
    cairo_move_to(cr, bx, by);
    cairo_curve_to(cr, bx + dir * 20, by - 10, bx + dir * 30, by - 26, bx + dir * 44, by - 34);
    artsetcolor(cr, outline > 0 ? pal::ink : c);
    cairo_set_line_width(cr, wdt * 0.14 + outline);
    cairo_stroke(cr);
    if (outline > 0) {
      cairo_move_to(cr, bx, by);
      cairo_curve_to(cr, bx + dir * 20, by - 10, bx + dir * 30, by - 26, bx + dir * 44, by - 34);
      artsetcolor(cr, c);
      cairo_set_line_width(cr, wdt * 0.14);
      cairo_stroke(cr);
    }
  }
}

void mushroom(cairo_t* cr, double x, double y, double s) {
  cairo_rectangle(cr, x - 3 * s, y - 12 * s, 6 * s, 12 * s);
  artfilloutline(cr, pal::bone, artshade(pal::bone, 0.7), y - 12 * s, y, 2);
  artglow(cr, x, y - 14 * s, 20 * s, pal::mint, 0.45);
  cairo_move_to(cr, x - 12 * s, y - 10 * s);
  cairo_curve_to(cr, x - 12 * s, y - 26 * s, x + 12 * s, y - 26 * s, x + 12 * s, y - 10 * s);
  cairo_close_path(cr);
  artfilloutline(cr, artshade(pal::mint, 1.1), pal::teal, y - 24 * s, y - 10 * s, 2);
  for (int k = -1; k <= 1; k++) {
    cairo_arc(cr, x + k * 5 * s, y - 17 * s + std::abs(k) * 2 * s, 1.6 * s, 0, 2 * M_PI);
    artsetcolor(cr, rgb{1, 1, 1}, 0.8);
    cairo_fill(cr);
  }
}

void forest(cairo_t* cr, double w, double h) {
  skygradient(cr, w, h, {0.04, 0.1, 0.1}, {0.1, 0.26, 0.22}, {0.22, 0.42, 0.34}, 0.55);
  stars(cr, w, h * 0.35, 90, 5017);
  // moonlight falling through from the upper right
  moon(cr, 1020, 90, 40, {0.92, 1.0, 0.88});
  for (int k = 0; k < 4; k++) {
    cairo_move_to(cr, 980 + k * 40, 60);
    cairo_line_to(cr, 620 + k * 120, h);
    cairo_line_to(cr, 700 + k * 120, h);
    cairo_line_to(cr, 1000 + k * 40, 60);
    cairo_close_path(cr);
    artsetcolor(cr, {0.8, 1.0, 0.85}, 0.05);
    cairo_fill(cr);
  }
  prng rnd(5100);
  // three depths of trunks, darker and sharper as they come near
  const rgb layers[3] = {{0.14, 0.3, 0.26}, {0.1, 0.22, 0.18}, {0.07, 0.14, 0.12}};
  for (int layer = 0; layer < 3; layer++) {
    double base = 560 + layer * 30, wd = 18 + layer * 16;
    for (double x = rnd.range(-20, 30); x < w + 40; x += rnd.range(70, 150) + layer * 40) {
      if (layer == 2 && x > 330 && x < 1040) continue;
      trunk(cr, x, base, wd * rnd.range(0.8, 1.2), -20, layers[layer], layer == 2 ? 4 : 0, uint32_t(x * 3 + layer));
    }
    mist(cr, w, base + 10, 40, pal::mint, 0.12 + layer * 0.04, 5110 + layer);
  }
  // the forest floor and a path winding into the trees
  groundline floor{{-10, 300, 683, 1060, 1380}, {640, 620, 600, 618, 640}};
  fillground(cr, floor, w, h, {0.1, 0.22, 0.16}, {0.05, 0.1, 0.08}, 4);
  cairo_move_to(cr, 560, h + 10);
  cairo_curve_to(cr, 620, 700, 720, 660, 690, 604);
  cairo_line_to(cr, 700, 604);
  cairo_curve_to(cr, 780, 660, 760, 700, 860, h + 10);
  cairo_close_path(cr);
  artfilloutline(cr, {0.3, 0.34, 0.24}, {0.16, 0.18, 0.12}, 600, h, 3);
  tufts(cr, floor, 0, w, {0.08, 0.18, 0.12}, 5120, 1.2);
  // near trunks framing the sides, an owl, glowing mushrooms
  trunk(cr, 60, h, 90, -20, {0.08, 0.12, 0.1}, 5, 5130);
  trunk(cr, 1320, h, 100, -20, {0.08, 0.12, 0.1}, 5, 5131);
  cairo_save(cr);
  cairo_translate(cr, 1290, 300);
  cairo_arc(cr, 0, 0, 20, 0, 2 * M_PI);
  artfilloutline(cr, {0.45, 0.34, 0.26}, {0.3, 0.22, 0.16}, -20, 20, 3);
  for (int k = -1; k <= 1; k += 2) {
    cairo_arc(cr, k * 8, -3, 7, 0, 2 * M_PI);
    artfilloutline(cr, pal::gold, pal::pumpkin, -10, 4, 2);
    cairo_arc(cr, k * 8, -3, 3, 0, 2 * M_PI);
    artsetcolor(cr, pal::ink);
    cairo_fill(cr);
  }
  cairo_move_to(cr, -3, 4);
  cairo_line_to(cr, 0, 10);
  cairo_line_to(cr, 3, 4);
  artsetcolor(cr, pal::pumpkin);
  cairo_fill(cr);
  cairo_restore(cr);
  for (int k = 0; k < 5; k++) mushroom(cr, 130 + k * 26 + (k % 2) * 9, floor.at(130 + k * 26) + 6, 0.8 + (k % 3) * 0.25);
  for (int k = 0; k < 4; k++) mushroom(cr, 1110 + k * 30, floor.at(1110 + k * 30) + 6, 0.7 + (k % 2) * 0.3);
  ghost(cr, 1170, 400, 0.7);
  townsfolk(cr, 270, floor.at(270) + 8, 0.95, 61, 1, 0);
  zombie(cr, 1080, floor.at(1080) + 8, 1.0, 62, -1, 0);
  zombie(cr, 1200, floor.at(1200) - 10, 0.75, 63, -1, 1);
}

// ---- 6: the old church ------------------------------------------------------------------

void oldchurch(cairo_t* cr, double w, double h) {
  skygradient(cr, w, h, {0.12, 0.05, 0.2}, {0.42, 0.2, 0.4}, {0.7, 0.4, 0.5}, 0.55);
  stars(cr, w, h * 0.55, 260, 6017);
  moon(cr, 1200, 170, 70, {1.0, 0.92, 0.82});
  inkcloud(cr, 300, 140, 240, 56, {0.32, 0.16, 0.34}, {0.62, 0.42, 0.56}, 61);
  hazyhills(cr, w, h, 540, 24, 2.4, 230, {0.36, 0.18, 0.36});
  groundline yard{{-10, 300, 683, 1000, 1380}, {580, 590, 600, 586, 570}};
  fillground(cr, yard, w, h, {0.3, 0.16, 0.32}, {0.15, 0.07, 0.17}, 4);
  // the church on the right, the churchyard wall running left from it
  church(cr, 1150, yard.at(1150) + 6, 1.0, {0.56, 0.5, 0.62});
  for (int b = 0; b < 4; b++) bat(cr, 1180 + b * 34, 200 + (b % 2) * 26 - b * 8, 0.45 + 0.08 * b);
  double wy = yard.at(900);
  cairo_rectangle(cr, 840, wy - 36, 190, 36);
  artfilloutline(cr, {0.5, 0.44, 0.54}, {0.3, 0.26, 0.34}, wy - 36, wy, 3.5);
  for (double x = 850; x < 1030; x += 26) {
    cairo_move_to(cr, x, wy - 36);
    cairo_line_to(cr, x, wy);
  }
  artsetcolor(cr, pal::ink, 0.4);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  // the yew on the left, round and dark
  double tx = 170, ty = yard.at(170) + 8;
  cairo_rectangle(cr, tx - 12, ty - 90, 24, 92);
  artfilloutline(cr, {0.36, 0.22, 0.18}, {0.22, 0.12, 0.1}, ty - 90, ty, 3.5);
  const double puffs[][3] = {{-50, -120, 52}, {40, -130, 56}, {-10, -180, 60}, {-60, -190, 40}, {55, -200, 42}};
  for (auto& p : puffs) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, tx + p[0], ty + p[1], p[2] + 3, 0, 2 * M_PI);
  }
  artsetcolor(cr, pal::ink);
  cairo_fill(cr);
  for (auto& p : puffs) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, tx + p[0], ty + p[1], p[2], 0, 2 * M_PI);
  }
  artfilloutline(cr, {0.16, 0.3, 0.24}, {0.08, 0.16, 0.14}, ty - 250, ty - 70, 0);
  for (auto& p : puffs) {
    cairo_arc(cr, tx + p[0] - p[2] * 0.25, ty + p[1] - p[2] * 0.3, p[2] * 0.45, 0, 2 * M_PI);
    artsetcolor(cr, {0.26, 0.42, 0.32}, 0.5);
    cairo_fill(cr);
  }
  // graves rising at both sides
  const double graves[][2] = {{320, 0.7}, {352, 0.55}, {430, 0.6}, {930, 0.55}, {1010, 0.6}};
  int i = 0;
  for (auto& g : graves) headstone(cr, g[0], yard.at(g[0]) + 8, g[1], 610 + i++);
  groundline nearg{{-10, 200, 400, 560}, {660, 668, 700, 790}};
  fillground(cr, nearg, 600, h, {0.22, 0.1, 0.24}, {0.1, 0.05, 0.12}, 4);
  tufts(cr, nearg, 0, 520, {0.14, 0.06, 0.16}, 620);
  zombie(cr, 360, nearg.at(360) + 6, 1.0, 71, 1, 2);
  headstone(cr, 90, nearg.at(90) + 10, 1.2, 621);
  headstone(cr, 250, nearg.at(250) + 10, 0.9, 622);
  groundline nearr{{800, 1000, 1200, 1380}, {790, 690, 668, 656}};
  fillground(cr, nearr, w, h, {0.22, 0.1, 0.24}, {0.1, 0.05, 0.12}, 4);
  tufts(cr, nearr, 980, w, {0.14, 0.06, 0.16}, 623);
  townsfolk(cr, 1250, nearr.at(1250) + 4, 1.0, 72, -1, 0);
  zombie(cr, 1060, nearr.at(1060) + 6, 0.95, 73, 1, 0);
}

// ---- 7: the mountain pass and the castle -------------------------------------------------

void mountainrange(cairo_t* cr, double w, double base, double hmin, double hmax, rgb c, rgb snow, double outline,
                   uint32_t seed) {
  prng rnd(seed);
  std::vector<double> px, py;
  double x = -60;
  px.push_back(x);
  py.push_back(base);
  while (x < w + 60) {
    double pw = rnd.range(160, 300), ph = rnd.range(hmin, hmax);
    px.push_back(x + pw * rnd.range(0.4, 0.6));
    py.push_back(base - ph);
    x += pw;
    px.push_back(x);
    py.push_back(base - rnd.range(0, hmin * 0.5));
  }
  cairo_move_to(cr, -60, base + 300);
  for (size_t i = 0; i < px.size(); i++) cairo_line_to(cr, px[i], py[i]);
  cairo_line_to(cr, x, base + 300);
  cairo_close_path(cr);
  artfilloutline(cr, artshade(c, 1.15), artshade(c, 0.8), base - hmax, base + 100, outline);
  // snow caps: a ragged patch below each peak
  for (size_t i = 1; i + 1 < px.size(); i += 2) {
    double tx = px[i], ty = py[i], dl = (px[i] - px[i - 1]), dr = (px[i + 1] - px[i]);
    double ky = (py[i - 1] - ty) * 0.28, kr = (py[i + 1] - ty) * 0.28;
    cairo_move_to(cr, tx, ty);
    cairo_line_to(cr, tx + dr * 0.28 * (kr / std::fmax(1, py[i + 1] - ty)) * 1.0, ty + kr);
    cairo_line_to(cr, tx + dr * 0.12, ty + kr * 0.7);
    cairo_line_to(cr, tx, ty + std::fmin(ky, kr) * 0.9);
    cairo_line_to(cr, tx - dl * 0.14, ty + ky * 0.7);
    cairo_line_to(cr, tx - dl * 0.28 * (ky / std::fmax(1, py[i - 1] - ty)), ty + ky);
    cairo_close_path(cr);
    artsetcolor(cr, snow);
    cairo_fill(cr);
  }
}

void mountainpass(cairo_t* cr, double w, double h) {
  skygradient(cr, w, h, {0.04, 0.08, 0.26}, {0.16, 0.24, 0.5}, {0.38, 0.46, 0.72}, 0.6);
  stars(cr, w, h * 0.5, 260, 7017);
  moon(cr, 1130, 110, 46, {0.95, 0.96, 1.0});
  mountainrange(cr, w, 520, 140, 280, {0.3, 0.36, 0.6}, {0.78, 0.82, 0.95}, 0, 7101);
  mountainrange(cr, w, 590, 90, 190, {0.18, 0.22, 0.44}, {0.86, 0.88, 0.98}, 3.5, 7102);
  // the castle on its crag, the road zigzagging up to it
  cairo_move_to(cr, 120, 640);
  cairo_curve_to(cr, 160, 560, 200, 520, 230, 470);
  cairo_line_to(cr, 420, 470);
  cairo_curve_to(cr, 440, 540, 470, 600, 520, 660);
  cairo_close_path(cr);
  artfilloutline(cr, {0.3, 0.3, 0.42}, {0.16, 0.16, 0.26}, 470, 660, 4);
  rock(cr, 200, 560, 80, 40, 7110, {0.32, 0.32, 0.44});
  castle(cr, 320, 474, 0.62, 7111, {0.54, 0.54, 0.66}, 0);
  cairo_move_to(cr, 500, 660);
  cairo_curve_to(cr, 430, 620, 470, 590, 400, 560);
  cairo_curve_to(cr, 360, 540, 380, 510, 330, 476);
  artsetcolor(cr, {0.62, 0.56, 0.5});
  cairo_set_line_width(cr, 7);
  cairo_stroke(cr);
  zombie(cr, 430, 600, 0.32, 81, -1, 0);
  zombie(cr, 455, 628, 0.34, 82, -1, 1);
  // snowy pines climbing the right slope
  groundline slope{{-10, 300, 683, 1000, 1380}, {660, 640, 620, 600, 570}};
  fillground(cr, slope, w, h, {0.8, 0.84, 0.95}, {0.5, 0.56, 0.74}, 4);
  const double pines[][2] = {{1010, 0.7}, {1075, 0.9}, {1160, 0.8}, {1230, 1.1}, {1310, 0.95}, {1355, 1.2}};
  for (auto& p : pines) pinetree(cr, p[0], slope.at(p[0]) + 6, p[1], uint32_t(p[0]), {0.12, 0.3, 0.3}, true);
  pinetree(cr, 60, slope.at(60) + 10, 1.3, 7120, {0.1, 0.26, 0.26}, true);
  rock(cr, 200, slope.at(200) + 6, 120, 50, 7121, {0.4, 0.42, 0.56});
  townsfolk(cr, 1120, slope.at(1120) + 14, 1.0, 83, -1, 0);
  zombie(cr, 250, slope.at(250) + 16, 1.0, 84, 1, 0);
  // footprints in the snow behind the zombie
  for (int k = 0; k < 5; k++) {
    cairo_save(cr);
    cairo_translate(cr, 200 - k * 36, slope.at(200 - k * 36) + 26 + (k % 2) * 8);
    cairo_scale(cr, 1, 0.4);
    cairo_arc(cr, 0, 0, 7, 0, 2 * M_PI);
    cairo_restore(cr);
    artsetcolor(cr, {0.4, 0.46, 0.66}, 0.7);
    cairo_fill(cr);
  }
}

// ---- 8: the stormy coast ----------------------------------------------------------------

void coast(cairo_t* cr, double w, double h) {
  skygradient(cr, w, h, {0.03, 0.08, 0.16}, {0.1, 0.26, 0.36}, {0.2, 0.42, 0.52}, 0.55);
  stars(cr, w, h * 0.3, 80, 8017);
  moon(cr, 290, 150, 48, {0.96, 0.96, 0.86});
  inkcloud(cr, 380, 170, 300, 70, {0.16, 0.24, 0.32}, {0.46, 0.56, 0.62}, 81);
  inkcloud(cr, 800, 110, 360, 80, {0.12, 0.18, 0.26}, {0.3, 0.4, 0.48}, 82);
  inkcloud(cr, 1180, 90, 320, 70, {0.12, 0.18, 0.26}, {0.3, 0.4, 0.48}, 83);
  // a bolt of lightning far out over the sea
  cairo_move_to(cr, 720, 140);
  cairo_line_to(cr, 700, 230);
  cairo_line_to(cr, 716, 232);
  cairo_line_to(cr, 690, 330);
  cairo_line_to(cr, 730, 212);
  cairo_line_to(cr, 714, 210);
  cairo_line_to(cr, 734, 140);
  cairo_close_path(cr);
  cairo_path_t* bolt = cairo_copy_path(cr);
  artsoft(cr, 3, 6, 0, 0, {0.8, 0.95, 1.0}, 0.6);
  cairo_append_path(cr, bolt);
  cairo_path_destroy(bolt);
  artfilloutline(cr, {1, 1, 0.9}, {0.8, 0.9, 1.0}, 140, 330, 2);
  // the sea: rolling swells with white crests, darker toward the shore
  cairo_rectangle(cr, 0, 530, w, h - 530);
  artfilloutline(cr, {0.14, 0.36, 0.44}, {0.05, 0.14, 0.2}, 530, h, 0);
  prng rnd(8100);
  for (int row = 0; row < 10; row++) {
    double y = 540 + row * row * 2.2 + row * 8, amp = 3 + row * 0.8, len = 40 + row * 10;
    for (double x = -rnd.range(0, len); x < w; x += len * rnd.range(1.1, 1.8)) {
      cairo_move_to(cr, x, y);
      cairo_curve_to(cr, x + len * 0.3, y - amp * 2, x + len * 0.6, y - amp * 2, x + len * 0.8, y);
      cairo_curve_to(cr, x + len * 0.7, y - amp * 0.6, x + len * 0.5, y - amp * 0.8, x + len * 0.35, y - amp * 0.2);
      artsetcolor(cr, pal::bone, 0.35 + row * 0.04);
      cairo_set_line_width(cr, 1.2 + row * 0.25);
      cairo_stroke(cr);
    }
  }
  for (int i = 0; i < 12; i++) {  // the moon on the water
    artsetcolor(cr, {0.96, 0.96, 0.86}, 0.3 - i * 0.02);
    cairo_rectangle(cr, 290 - 20 - i * 3 + rnd.range(-8, 8), 548 + i * 9, 40 + i * 6, 2.5);
    cairo_fill(cr);
  }
  // the headland: a layered cliff, grass on top, the lighthouse and its keeper
  cairo_move_to(cr, 930, h + 10);
  cairo_line_to(cr, 960, 640);
  cairo_line_to(cr, 990, 600);
  cairo_line_to(cr, 1010, 560);
  cairo_curve_to(cr, 1080, 530, 1200, 520, 1380, 530);
  cairo_line_to(cr, 1380, h + 10);
  cairo_close_path(cr);
  cairo_path_t* cliff = cairo_copy_path(cr);
  artfilloutline(cr, {0.42, 0.36, 0.4}, {0.2, 0.16, 0.2}, 530, h, 4);
  cairo_save(cr);
  cairo_append_path(cr, cliff);
  cairo_clip(cr);
  for (int k = 0; k < 9; k++) {  // rock strata and cracks
    double y = 560 + k * 24;
    cairo_move_to(cr, 940, y + 10);
    cairo_curve_to(cr, 1100, y - 6, 1250, y + 12, 1380, y);
  }
  for (int k = 0; k < 12; k++) {
    double x = rnd.range(960, 1370), y = rnd.range(560, 740);
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x + rnd.range(-8, 8), y + rnd.range(14, 26));
  }
  artsetcolor(cr, pal::ink, 0.45);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  cairo_restore(cr);
  cairo_path_destroy(cliff);
  cairo_move_to(cr, 1004, 566);
  cairo_curve_to(cr, 1080, 530, 1200, 518, 1380, 526);
  cairo_line_to(cr, 1380, 546);
  cairo_curve_to(cr, 1200, 540, 1080, 552, 1000, 590);
  cairo_close_path(cr);
  artfilloutline(cr, {0.3, 0.5, 0.3}, {0.18, 0.32, 0.2}, 520, 590, 3);
  lighthouse(cr, 1190, 528, 0.9, -1);
  townsfolk(cr, 1070, 550, 0.55, 91, -1, 0);
  // rocks in the surf and the wreck on the left
  rock(cr, 880, 690, 90, 44, 8110, {0.3, 0.3, 0.36});
  rock(cr, 830, 720, 60, 28, 8111, {0.26, 0.26, 0.32});
  groundline beach{{-10, 160, 330, 460}, {640, 650, 700, 800}};
  fillground(cr, beach, 480, h, {0.62, 0.54, 0.42}, {0.36, 0.3, 0.24}, 4);
  cairo_save(cr);
  cairo_translate(cr, 140, 646);
  cairo_rotate(cr, -0.25);
  cairo_move_to(cr, -110, -10);
  cairo_curve_to(cr, -90, 30, 80, 34, 110, -20);
  cairo_line_to(cr, 90, -34);
  cairo_line_to(cr, -96, -30);
  cairo_close_path(cr);
  artfilloutline(cr, {0.48, 0.32, 0.2}, {0.28, 0.18, 0.1}, -34, 30, 4);
  for (int k = -3; k <= 3; k++) {
    cairo_move_to(cr, k * 26, -30);
    cairo_line_to(cr, k * 24, 20);
  }
  artsetcolor(cr, pal::ink, 0.5);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  cairo_rectangle(cr, -8, -170, 10, 140);
  artfilloutline(cr, {0.48, 0.32, 0.2}, {0.28, 0.18, 0.1}, -170, -30, 3);
  cairo_move_to(cr, 2, -160);
  cairo_curve_to(cr, 50, -130, 40, -90, 10, -70);
  cairo_line_to(cr, 2, -70);
  cairo_close_path(cr);
  artfilloutline(cr, {0.8, 0.74, 0.6}, {0.56, 0.5, 0.4}, -160, -70, 3);
  cairo_restore(cr);
  zombie(cr, 330, beach.at(330) + 6, 1.0, 92, 1, 0);
  // rain over everything
  for (int k = 0; k < 260; k++) {
    double x = rnd.range(-50, w), y = rnd.range(0, h);
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x - 6, y + 22);
  }
  artsetcolor(cr, {0.7, 0.85, 0.95}, 0.18);
  cairo_set_line_width(cr, 1.3);
  cairo_stroke(cr);
}

// ---- 9: the last tower under the blood moon ------------------------------------------------

void lasttower(cairo_t* cr, double w, double h) {
  skygradient(cr, w, h, {0.1, 0.03, 0.14}, {0.42, 0.1, 0.2}, {0.7, 0.22, 0.26}, 0.55);
  stars(cr, w, h * 0.45, 200, 9017);
  moon(cr, 1080, 190, 110, {1.0, 0.5, 0.32});
  inkcloud(cr, 900, 290, 300, 60, {0.3, 0.06, 0.14}, {0.7, 0.3, 0.3}, 91);
  inkcloud(cr, 260, 150, 260, 56, {0.26, 0.05, 0.14}, {0.56, 0.24, 0.3}, 92);
  hazyhills(cr, w, h, 550, 40, 0.8, 180, {0.3, 0.06, 0.16});
  // the crag and the dark tower on it
  cairo_move_to(cr, 940, h);
  cairo_curve_to(cr, 960, 600, 1000, 540, 1040, 520);
  cairo_line_to(cr, 1250, 520);
  cairo_curve_to(cr, 1290, 560, 1320, 620, 1380, 640);
  cairo_line_to(cr, 1380, h);
  cairo_close_path(cr);
  artfilloutline(cr, {0.26, 0.12, 0.2}, {0.12, 0.05, 0.1}, 520, h, 4);
  castle(cr, 1140, 524, 0.8, 9101, {0.34, 0.24, 0.36}, 2);
  prng rnd(9100);
  for (int k = 0; k < 9; k++) bat(cr, rnd.range(900, 1300), rnd.range(90, 330), rnd.range(0.4, 0.8));
  // the stone bridge the horde crosses: a parapet on arches over a dark gorge
  double by = 600;
  auto deck = [&](double x) { return by - x * 20 / 970; };
  cairo_move_to(cr, -10, deck(-10));
  cairo_line_to(cr, 970, deck(970));
  cairo_line_to(cr, 970, h + 10);
  cairo_line_to(cr, -10, h + 10);
  cairo_close_path(cr);
  for (double x = 60; x < 960; x += 170) {  // the arches, cut out of the wall
    double ay = deck(x + 60) + 70;
    cairo_new_sub_path(cr);
    cairo_move_to(cr, x, h + 10);
    cairo_line_to(cr, x, ay);
    cairo_arc(cr, x + 60, ay, 60, M_PI, 2 * M_PI);
    cairo_line_to(cr, x + 120, h + 10);
    cairo_close_path(cr);
  }
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
  cairo_path_t* wall = cairo_copy_path(cr);
  artfilloutline(cr, {0.42, 0.3, 0.36}, {0.24, 0.15, 0.2}, by - 20, h, 4);
  cairo_save(cr);
  cairo_append_path(cr, wall);
  cairo_clip(cr);
  for (double y = by - 10; y < h; y += 16) {
    cairo_move_to(cr, -10, y);
    cairo_line_to(cr, 970, y - 20);
  }
  artsetcolor(cr, pal::ink, 0.3);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  cairo_restore(cr);
  cairo_path_destroy(wall);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  cairo_move_to(cr, -10, deck(-10) - 16);
  cairo_line_to(cr, 970, deck(970) - 16);
  cairo_line_to(cr, 970, deck(970) + 4);
  cairo_line_to(cr, -10, deck(-10) + 4);
  cairo_close_path(cr);
  artfilloutline(cr, {0.56, 0.42, 0.48}, {0.4, 0.28, 0.34}, by - 36, by + 4, 3.5);
  // the horde: every zombie its own
  const double horde[][3] = {{120, 0.62, 1}, {170, 0.7, 2}, {215, 0.58, 3}, {260, 0.66, 4}, {300, 0.6, 5}};
  for (auto& z : horde) zombie(cr, z[0], deck(z[0]) - 14, z[1], uint32_t(900 + z[2]), 1, int(z[2]) % 2);
  // the townsfolk making their stand in front, torches up
  groundline nearg{{-10, 200, 420, 560}, {690, 680, 720, 800}};
  fillground(cr, nearg, 600, h, {0.2, 0.06, 0.12}, {0.1, 0.03, 0.06}, 4);
  groundline nearr{{820, 1000, 1200, 1380}, {800, 700, 676, 670}};
  fillground(cr, nearr, w, h, {0.2, 0.06, 0.12}, {0.1, 0.03, 0.06}, 4);
  townsfolk(cr, 1080, nearr.at(1080) + 6, 1.0, 95, -1, 3);
  townsfolk(cr, 1190, nearr.at(1190) + 6, 0.95, 96, -1, 0);
  zombie(cr, 330, nearg.at(330) + 6, 1.05, 97, 1, 1);
  pumpkin(cr, 90, nearg.at(90) + 8, 0.9, true);
  pumpkin(cr, 1320, nearr.at(1320) + 8, 0.85, true);
}

}  // namespace

void drawgamescene(cairo_t* cr, int n, bool quiet) {
  const double w = 1366, h = 768;
  switch (n) {
    case 1: graveyard(cr, w, h); break;
    case 2: pumpkinfarm(cr, w, h); break;
    case 3: swamp(cr, w, h); break;
    case 4: village(cr, w, h); break;
    case 5: forest(cr, w, h); break;
    case 6: oldchurch(cr, w, h); break;
    case 7: mountainpass(cr, w, h); break;
    case 8: coast(cr, w, h); break;
    default: lasttower(cr, w, h); break;
  }
  static const rgb tints[10] = {{},
                                {0.14, 0.08, 0.2},
                                {0.2, 0.08, 0.12},
                                {0.04, 0.12, 0.14},
                                {0.06, 0.06, 0.18},
                                {0.04, 0.1, 0.08},
                                {0.12, 0.05, 0.14},
                                {0.06, 0.08, 0.2},
                                {0.04, 0.1, 0.14},
                                {0.12, 0.03, 0.08}};
  if (quiet) calm(cr, w, h, tints[n < 1 || n > 9 ? 9 : n]);
}

}  // namespace uikit
