// Full-screen scenes: the parallax title landscape, the nine game backgrounds, the shop
// and the two splash pages. Landscapes keep the middle calm where the cards lie.
#include "tools/forge/forge.h"
#include "tools/forge/forge_pictures_ui_kit.h"
#include <cmath>

using namespace uikit;

namespace {

// ---- silhouettes used only by the scenes -----------------------------------------------------

void church(cairo_t* cr, double x, double y, double s, rgb c) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, s, s);
  artsetcolor(cr, c);
  cairo_rectangle(cr, -70, -90, 110, 90);  // nave
  cairo_move_to(cr, -78, -88);
  cairo_line_to(cr, -15, -140);
  cairo_line_to(cr, 48, -88);
  cairo_close_path(cr);
  cairo_rectangle(cr, 30, -170, 44, 170);  // tower
  cairo_move_to(cr, 24, -168);
  cairo_line_to(cr, 52, -240);
  cairo_line_to(cr, 80, -168);
  cairo_close_path(cr);
  cairo_fill(cr);
  cairo_rectangle(cr, 49, -268, 6, 30);
  cairo_rectangle(cr, 41, -258, 22, 5);
  cairo_fill(cr);
  // one warm round window and a pointed one
  artglow(cr, 52, -130, 30, pal::gold, 0.35);
  cairo_arc(cr, 52, -130, 10, 0, 2 * M_PI);
  artsetcolor(cr, rgb{1.0, 0.8, 0.35});
  cairo_fill(cr);
  cairo_move_to(cr, -30, -20);
  cairo_line_to(cr, -30, -50);
  cairo_line_to(cr, -22, -62);
  cairo_line_to(cr, -14, -50);
  cairo_line_to(cr, -14, -20);
  cairo_close_path(cr);
  artsetcolor(cr, rgb{1.0, 0.75, 0.3}, 0.8);
  cairo_fill(cr);
  cairo_restore(cr);
}

void castle(cairo_t* cr, double x, double y, double s, rgb c, bool lit) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, s, s);
  artsetcolor(cr, c);
  cairo_rectangle(cr, -110, -110, 220, 110);
  const double tx[] = {-120, -40, 50, 100}, th[] = {190, 260, 220, 150}, tw[] = {50, 56, 50, 40};
  for (int i = 0; i < 4; i++) {
    cairo_rectangle(cr, tx[i], -th[i], tw[i], th[i]);
    cairo_move_to(cr, tx[i] - 8, -th[i]);
    cairo_line_to(cr, tx[i] + tw[i] / 2, -th[i] - tw[i] * 1.4);
    cairo_line_to(cr, tx[i] + tw[i] + 8, -th[i]);
    cairo_close_path(cr);
  }
  for (double bx = -110; bx < 110; bx += 22) cairo_rectangle(cr, bx, -124, 12, 16);
  cairo_fill(cr);
  if (lit) {
    prng rnd(313);
    for (int i = 0; i < 9; i++) {
      double wx = rnd.range(-110, 130), wy = -rnd.range(40, 200);
      artglow(cr, wx, wy, 16, pal::gold, 0.4);
      cairo_rectangle(cr, wx - 4, wy - 6, 8, 12);
      artsetcolor(cr, rgb{1.0, 0.82, 0.38});
      cairo_fill(cr);
    }
  }
  cairo_restore(cr);
}

void lighthouse(cairo_t* cr, double x, double y, double s) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, s, s);
  // beam
  cairo_move_to(cr, 0, -230);
  cairo_line_to(cr, -420, -290);
  cairo_line_to(cr, -420, -170);
  cairo_close_path(cr);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, -420, 0);
  cairo_pattern_add_color_stop_rgba(g, 0, 1, 0.92, 0.6, 0.35);
  cairo_pattern_add_color_stop_rgba(g, 1, 1, 0.92, 0.6, 0);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  cairo_move_to(cr, -30, 0);
  cairo_line_to(cr, -20, -210);
  cairo_line_to(cr, 20, -210);
  cairo_line_to(cr, 30, 0);
  cairo_close_path(cr);
  artfilloutline(cr, pal::bone, artshade(pal::bone, 0.6), -210, 0, 4);
  for (int i = 0; i < 3; i++) {
    double y0 = -40 - i * 60;
    cairo_move_to(cr, -28 + i * 3.3, y0);
    cairo_line_to(cr, 28 - i * 3.3, y0);
    cairo_line_to(cr, 27 - i * 3.3, y0 - 22);
    cairo_line_to(cr, -27 + i * 3.3, y0 - 22);
    cairo_close_path(cr);
    artsetcolor(cr, pal::blood);
    cairo_fill(cr);
  }
  artglow(cr, 0, -230, 60, pal::gold, 0.6);
  cairo_rectangle(cr, -18, -248, 36, 30);
  artfilloutline(cr, rgb{1.0, 0.9, 0.5}, pal::gold, -248, -218, 3.5);
  cairo_move_to(cr, -26, -248);
  cairo_line_to(cr, 0, -272);
  cairo_line_to(cr, 26, -248);
  cairo_close_path(cr);
  artfilloutline(cr, pal::blood, artshade(pal::blood, 0.6), -272, -248, 3.5);
  cairo_restore(cr);
}

void mountains(cairo_t* cr, double w, double base, rgb top, rgb bottom, uint32_t seed) {
  prng rnd(seed);
  cairo_move_to(cr, -20, base + 200);
  double x = -20;
  while (x < w + 40) {
    double pw = rnd.range(140, 260), ph = rnd.range(120, 260);
    cairo_line_to(cr, x + pw * 0.5, base - ph);
    cairo_line_to(cr, x + pw, base - rnd.range(0, 40));
    x += pw;
  }
  cairo_line_to(cr, w + 40, base + 200);
  cairo_close_path(cr);
  artfilloutline(cr, top, bottom, base - 260, base + 100, 0);
}

void reeds(cairo_t* cr, double x0, double x1, double y, rgb c, uint32_t seed) {
  prng rnd(seed);
  artsetcolor(cr, c);
  cairo_set_line_width(cr, 3);
  for (double x = x0; x < x1; x += rnd.range(6, 14)) {
    double hgt = rnd.range(40, 110), lean = rnd.range(-14, 14);
    cairo_move_to(cr, x, y);
    quadto(cr, x + lean * 0.2, y - hgt * 0.6, x + lean, y - hgt);
    cairo_stroke(cr);
    if (rnd.unit() < 0.3) {  // cattail
      cairo_save(cr);
      cairo_translate(cr, x + lean, y - hgt + 8);
      cairo_scale(cr, 0.45, 1);
      cairo_arc(cr, 0, 0, 10, 0, 2 * M_PI);
      cairo_restore(cr);
      artsetcolor(cr, rgb{0.35, 0.2, 0.12});
      cairo_fill(cr);
      artsetcolor(cr, c);
    }
  }
}

// ---- the title landscape --------------------------------------------------------------------

void titlesky(cairo_t* cr, int w, int h, int half) {
  sky(cr, w, h, rgb{0.06, 0.07, 0.22}, rgb{0.62, 0.32, 0.42}, 4100 + half, 260, h * 0.7);
  // a warm band low on the horizon
  cairo_pattern_t* g = cairo_pattern_create_linear(0, h * 0.45, 0, h);
  cairo_pattern_add_color_stop_rgba(g, 0, pal::pumpkin.r, pal::pumpkin.g, pal::pumpkin.b, 0);
  cairo_pattern_add_color_stop_rgba(g, 1, pal::pumpkin.r, pal::pumpkin.g, pal::pumpkin.b, 0.45);
  cairo_set_source(cr, g);
  cairo_rectangle(cr, 0, 0, w, h);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  if (half == 1) moon(cr, 260, 170, 70, rgb{0.98, 0.9, 0.7});
  if (half == 0) {
    bat(cr, 180, 300, 0.8);
    bat(cr, 230, 270, 0.6);
  }
}

void titlecloud(cairo_t* cr, int w, int h, int n) {
  rgb c = artmix(pal::plum, pal::sky, 0.3 + 0.1 * n);
  cloud(cr, w / 2.0, h * 0.58, w * 0.86, h * 0.72, c, 0.85, 700 + n);
}

// The far hills run on across both pictures: x is the position in the joined landscape.
double farcrest(double gx) { return hillheight(gx, 500, 36, 0.4, 160); }

void mansion(cairo_t* cr) {
  rgb wall = artmix(pal::purple, pal::night, 0.55), roof = artshade(pal::purple, 0.55);
  auto fillpoly = [&](std::initializer_list<double> pts, rgb c) {
    auto it = pts.begin();
    cairo_move_to(cr, it[0], it[1]);
    for (size_t i = 2; i < pts.size(); i += 2) cairo_line_to(cr, it[i], it[i + 1]);
    cairo_close_path(cr);
    artfilloutline(cr, artshade(c, 1.15), artshade(c, 0.75), 0, 500, 3);
  };
  fillpoly({506, 500, 508, 330, 600, 326, 603, 500}, wall);   // right wing
  fillpoly({496, 334, 552, 282, 612, 330}, roof);
  fillpoly({300, 500, 303, 124, 514, 118, 518, 500}, wall);   // main house
  fillpoly({286, 132, 400, 26, 530, 126}, roof);
  fillpoly({294, 500, 298, 160, 350, 158, 352, 500}, artshade(wall, 0.9));  // left tower
  fillpoly({288, 164, 322, 58, 358, 162}, roof);
  // chimneys with a wisp of smoke
  cairo_rectangle(cr, 460, 60, 20, 60);
  artfilloutline(cr, pal::grey, artshade(pal::grey, 0.6), 60, 120, 3);
  cloud(cr, 478, 36, 60, 24, pal::grey, 0.35, 9);
  // the window holes where the lights come on: light i at (bx + 311, by + 85), pane inset by 4
  const int bx[] = {63, 0, 58, 139, 4, 37, 140, 10, 91, 159, 238}, by[] = {0, 88, 46, 56, 159, 131, 116, 231, 225, 212, 269};
  for (int i = 0; i < 11; i++) {
    double x = bx[i] + 311 + 4, y = by[i] + 85 + 4;
    artroundrect(cr, x, y, 24, 32, 4);
    artsetcolor(cr, artshade(pal::night, 0.6));
    cairo_fill_preserve(cr);
    artsetcolor(cr, pal::ink);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
  }
}

void titlefar(cairo_t* cr, int w, int h, int part) {
  double off = part * 1000;
  // a distant ridge first, then the hill the mansion stands on
  rgb far1 = artmix(pal::purple, pal::sky, 0.35);
  cairo_move_to(cr, -10, h);
  for (double x = -10; x <= w + 10; x += 6) cairo_line_to(cr, x, hillheight(x + off, 430, 50, 2.0, 230));
  cairo_line_to(cr, w + 10, h);
  cairo_close_path(cr);
  artfilloutline(cr, artshade(far1, 0.85), artshade(far1, 0.6), 380, h, 0);
  if (part == 0) {
    tree(cr, 160, farcrest(160) + 6, 0.9, 21, artshade(pal::purple, 0.5));
    house(cr, 620, farcrest(620) + 4, 0.7, 31, true);
    tree(cr, 820, farcrest(820) + 6, 0.7, 22, artshade(pal::purple, 0.5));
  } else {
    mansion(cr);
    tree(cr, 200, farcrest(1200) + 6, 1.0, 23, artshade(pal::purple, 0.5));
    tree(cr, 760, farcrest(1760) + 6, 0.8, 24, artshade(pal::purple, 0.5));
    house(cr, 960, farcrest(1960) + 4, 0.6, 32, false);
  }
  rgb hillc = artmix(pal::purple, pal::night, 0.3);
  cairo_move_to(cr, -10, h);
  for (double x = -10; x <= w + 10; x += 6) cairo_line_to(cr, x, farcrest(x + off));
  cairo_line_to(cr, w + 10, h);
  cairo_close_path(cr);
  artfilloutline(cr, artshade(hillc, 1.15), artshade(hillc, 0.55), 460, h, 3);
  if (part == 1) {  // the mansion's door and two pumpkins, standing on the hill's crest
    double dy = farcrest(1414) + 6;
    cairo_move_to(cr, 398, dy);
    cairo_line_to(cr, 398, dy - 50);
    cairo_arc(cr, 414, dy - 50, 16, M_PI, 2 * M_PI);
    cairo_line_to(cr, 430, dy);
    cairo_close_path(cr);
    artfilloutline(cr, artshade(pal::pumpkin, 0.45), artshade(pal::pumpkin, 0.25), dy - 66, dy, 3);
    pumpkin(cr, 376, farcrest(1376) + 8, 0.45, true);
    pumpkin(cr, 452, farcrest(1452) + 8, 0.45, true);
  }
  fence(cr, part ? 620 : 40, part ? 900 : 300, farcrest(part ? 1760 : 170) + 8, 0.7, artshade(pal::ink, 1.3));
  mist(cr, w, 560, 60, pal::plum, 0.18, 50 + part);
}

// The near graveyard: props placed along the joined 2800-pixel strip.
struct prop {
  double gx;
  int kind;  // 0 stone, 1 cross, 2 obelisk, 3 pumpkin, 4 tree, 5 ghost
  double s;
};

double nearcrest(double gx) { return hillheight(gx, 668, 30, 1.3, 120); }

void titlenear(cairo_t* cr, int w, int h, int part) {
  double off = part * 1000;
  // Keep the stretch under the loading bar (x 480..880) and under the menu (x 1750..2250) low.
  const prop props[] = {{60, 4, 1.25},   {170, 0, 0.9},  {240, 1, 0.8},  {330, 3, 0.9},  {410, 0, 0.7},
                        {930, 3, 0.8},   {1010, 2, 0.9}, {1090, 0, 0.8}, {1200, 4, 1.4}, {1320, 5, 0.8},
                        {1400, 1, 0.85}, {1480, 0, 0.75}, {1560, 3, 1.0}, {1640, 2, 0.8}, {2300, 0, 0.8},
                        {2380, 3, 0.9},  {2450, 1, 0.9},  {2540, 4, 1.2}, {2650, 0, 0.8}, {2730, 3, 0.8}};
  cairo_translate(cr, -off, 0);
  for (auto& p : props)
    if (p.kind == 4) tree(cr, p.gx, nearcrest(p.gx) + 10, p.s, uint32_t(p.gx), artmix(pal::ink, pal::night, 0.35));
  cairo_move_to(cr, off - 10, h);
  for (double x = off - 10; x <= off + w + 10; x += 5) cairo_line_to(cr, x, nearcrest(x));
  cairo_line_to(cr, off + w + 10, h);
  cairo_close_path(cr);
  rgb g = artmix(pal::night, pal::teal, 0.25);
  artfilloutline(cr, artshade(g, 0.95), artshade(g, 0.45), 630, h, 4);
  grass(cr, off - 10, off + w + 10, w, 668, 30, 1.3, 120, artshade(g, 0.7), 90 + part);
  fence(cr, 1700, 1740, nearcrest(1720) + 14, 0.9, pal::ink);
  for (auto& p : props) {
    double y = nearcrest(p.gx) + 12;
    if (p.kind <= 2) tombstone(cr, p.gx, y, p.s, std::sin(p.gx) * 8, p.kind);
    else if (p.kind == 3) pumpkin(cr, p.gx, y + 2, p.s, true);
    else if (p.kind == 5) ghost(cr, p.gx, y - 110, p.s);
  }
}

void titlelight(cairo_t* cr, int w, int h, int n) {
  (void)n;
  // The glow spills over the window frame and fades out inside the 4-pixel margin.
  artroundrect(cr, 4, 4, 24, 32, 4);
  artsoft(cr, 1, 1.2, 0, 0, pal::gold, 0.7);
  artroundrect(cr, 4, 4, 24, 32, 4);
  cairo_pattern_t* g = cairo_pattern_create_radial(w / 2.0, h / 2.0, 2, w / 2.0, h / 2.0, 20);
  cairo_pattern_add_color_stop_rgb(g, 0, 1.0, 0.96, 0.7);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.98, 0.62, 0.18);
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 2.5);
  cairo_stroke(cr);
  cairo_move_to(cr, 16, 5);
  cairo_line_to(cr, 16, 35);
  cairo_move_to(cr, 5, 19);
  cairo_line_to(cr, 27, 19);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
}

// ---- the nine game backgrounds ----------------------------------------------------------------

struct scene {
  rgb skytop, skybottom, glow;
  double moonx, moony, moonr;
  rgb moonc;
  rgb far, nearc;
  int theme;
};

void sidetrees(cairo_t* cr, int w, double y, rgb c, uint32_t seed) {
  tree(cr, 70, y + 40, 2.1, seed, c);
  tree(cr, w - 80, y + 40, 2.2, seed + 1, c);
}

void gamebg(cairo_t* cr, int w, int h, int n) {
  static const scene scenes[9] = {
      // 1 graveyard hills under a purple dusk
      {{0.10, 0.07, 0.25}, {0.52, 0.28, 0.52}, pal::plum, 1120, 130, 60, {0.98, 0.93, 0.78}, {0.24, 0.14, 0.36},
       {0.14, 0.10, 0.24}, 1},
      // 2 pumpkin patch at sunset
      {{0.16, 0.08, 0.28}, {0.86, 0.45, 0.22}, pal::pumpkin, 240, 150, 70, {1.0, 0.86, 0.55}, {0.34, 0.16, 0.28},
       {0.20, 0.11, 0.18}, 2},
      // 3 misty swamp
      {{0.05, 0.12, 0.20}, {0.20, 0.48, 0.48}, pal::teal, 1150, 120, 48, {0.85, 0.98, 0.9}, {0.10, 0.26, 0.30},
       {0.06, 0.16, 0.18}, 3},
      // 4 the crooked village
      {{0.05, 0.07, 0.24}, {0.26, 0.30, 0.56}, pal::sky, 200, 120, 56, {0.98, 0.95, 0.8}, {0.14, 0.14, 0.34},
       {0.09, 0.08, 0.22}, 4},
      // 5 the whispering forest
      {{0.06, 0.12, 0.16}, {0.22, 0.42, 0.36}, pal::mint, 1180, 140, 52, {0.92, 1.0, 0.88}, {0.10, 0.22, 0.20},
       {0.06, 0.13, 0.12}, 5},
      // 6 the old church
      {{0.14, 0.06, 0.22}, {0.58, 0.30, 0.46}, pal::plum, 230, 130, 58, {1.0, 0.9, 0.8}, {0.26, 0.12, 0.30},
       {0.15, 0.08, 0.20}, 6},
      // 7 mountain pass and the castle
      {{0.04, 0.08, 0.26}, {0.30, 0.40, 0.66}, pal::sky, 1130, 110, 54, {0.95, 0.96, 1.0}, {0.14, 0.18, 0.38},
       {0.08, 0.10, 0.24}, 7},
      // 8 the stormy coast
      {{0.04, 0.10, 0.22}, {0.18, 0.44, 0.56}, pal::teal, 300, 140, 62, {0.98, 0.96, 0.85}, {0.08, 0.22, 0.34},
       {0.10, 0.10, 0.18}, 8},
      // 9 the blood moon over the last tower
      {{0.12, 0.04, 0.16}, {0.60, 0.18, 0.26}, pal::blood, 683, 150, 96, {1.0, 0.55, 0.35}, {0.26, 0.08, 0.20},
       {0.14, 0.05, 0.12}, 9},
  };
  const scene& s = scenes[n - 1];
  sky(cr, w, h, s.skytop, s.skybottom, 1000 + n * 17, 320, h * 0.6);
  artglow(cr, w / 2.0, h * 0.95, w * 0.6, s.glow, 0.25);
  moon(cr, s.moonx, s.moony, s.moonr, s.moonc);
  bat(cr, s.moonx - 90, s.moony + 40, 0.9);
  bat(cr, s.moonx + 70, s.moony + 70, 0.6);
  prng rnd(n * 101);
  for (int i = 0; i < 3; i++) cloud(cr, rnd.range(100, w - 100), rnd.range(60, 260), rnd.range(220, 380), 70,
                                    artmix(s.skytop, s.glow, 0.35), 0.35, n * 13 + i);
  double horizon = 560;
  if (n == 7) mountains(cr, w, horizon, artmix(s.far, s.skybottom, 0.45), s.far, 70);
  if (n == 8) {  // the sea, with the moon's path on it
    cairo_rectangle(cr, 0, horizon - 40, w, h);
    artfilloutline(cr, artmix(s.far, pal::teal, 0.4), artshade(s.far, 0.6), horizon - 40, h, 0);
    for (int i = 0; i < 26; i++) {
      double y = horizon - 30 + i * 9, hw = 20 + i * 4;
      artsetcolor(cr, s.moonc, 0.35 - i * 0.01);
      cairo_rectangle(cr, s.moonx - hw / 2 + rnd.range(-10, 10), y, hw, 2.5);
      cairo_fill(cr);
    }
  }
  // the far hills
  if (n != 8) hill(cr, w, h, horizon, 40, n * 0.9, 190, artmix(s.far, s.skybottom, 0.2), artshade(s.far, 0.7), 0);
  switch (n) {
    case 1:
      for (int i = 0; i < 9; i++) {
        double x = 40 + i * 160 + rnd.range(-30, 30);
        tombstone(cr, x, hillheight(x, horizon, 40, 0.9, 190) + 8, 0.55, rnd.range(-8, 8), i % 3);
      }
      break;
    case 2:
      fence(cr, 0, w, hillheight(600, horizon, 40, 1.8, 190) + 22, 0.7, artshade(s.far, 0.6));
      break;
    case 3:
      mist(cr, w, horizon, 70, pal::mint, 0.25, 303);
      break;
    case 4:
      for (int i = 0; i < 7; i++) {
        double x = 120 + i * 190;
        house(cr, x, hillheight(x, horizon, 40, 3.6, 190) + 12, 0.6 + 0.1 * (i % 3), 400 + i, i % 2 == 0);
      }
      break;
    case 5:
      cairo_push_group(cr);
      for (int i = 0; i < 14; i++) {
        double x = 30 + i * 100 + rnd.range(-20, 20);
        tree(cr, x, hillheight(x, horizon, 40, 4.5, 190) + 14, rnd.range(0.8, 1.3), 500 + i,
             artmix(s.far, pal::ink, 0.3));
      }
      cairo_pop_group_to_source(cr);
      cairo_paint_with_alpha(cr, 0.6);
      break;
    case 6: church(cr, 1020, hillheight(1020, horizon, 40, 5.4, 190) + 10, 1.0, artshade(s.far, 0.7)); break;
    case 7: castle(cr, 420, horizon - 30, 0.9, artshade(s.far, 0.6), true); break;
    case 8:
      cairo_move_to(cr, 1000, horizon + 60);
      cairo_curve_to(cr, 1060, horizon - 10, 1100, horizon - 30, 1180, horizon - 28);
      cairo_curve_to(cr, 1260, horizon - 30, 1320, horizon - 10, w + 10, horizon - 20);
      cairo_line_to(cr, w + 10, horizon + 120);
      cairo_close_path(cr);
      artfilloutline(cr, artmix(s.far, pal::grey, 0.3), artshade(s.far, 0.6), horizon - 30, horizon + 120, 3);
      lighthouse(cr, 1160, horizon - 24, 0.9);
      break;
    case 9:
      castle(cr, 683, hillheight(683, horizon, 40, 8.1, 190) + 20, 0.8, artshade(s.far, 0.5), true);
      for (int i = 0; i < 7; i++) bat(cr, rnd.range(300, 1060), rnd.range(200, 400), rnd.range(0.5, 1.0));
      break;
  }
  // the near ground, lower in the middle and rising at the sides
  cairo_move_to(cr, -10, h);
  for (double x = -10; x <= w + 10; x += 5) {
    double side = std::pow(std::fabs(x - w / 2.0) / (w / 2.0), 3);
    cairo_line_to(cr, x, 700 - side * 150 + 10 * std::sin(x / 60 + n));
  }
  cairo_line_to(cr, w + 10, h);
  cairo_close_path(cr);
  artfilloutline(cr, artmix(s.nearc, s.far, 0.6), artshade(s.nearc, 0.55), 550, h, 4);
  auto groundy = [&](double x) {
    double side = std::pow(std::fabs(x - w / 2.0) / (w / 2.0), 3);
    return 700 - side * 150 + 10 * std::sin(x / 60 + n);
  };
  rgb propc = artshade(s.nearc, 0.6);
  switch (n) {
    case 1:
      sidetrees(cr, w, groundy(70), propc, 11);
      tombstone(cr, 190, groundy(190) + 10, 1.0, -6, 0);
      tombstone(cr, 250, groundy(250) + 10, 0.8, 4, 1);
      tombstone(cr, w - 200, groundy(w - 200) + 10, 1.0, 5, 2);
      pumpkin(cr, w - 260, groundy(w - 260) + 8, 0.8, true);
      break;
    case 2:
      for (int i = 0; i < 4; i++) {
        pumpkin(cr, 40 + i * 70, groundy(40 + i * 70) + 10, 1.1 - i * 0.15, i % 2 == 0);
        pumpkin(cr, w - 40 - i * 70, groundy(w - 40 - i * 70) + 10, 1.1 - i * 0.15, i % 2 == 1);
      }
      tree(cr, w - 160, groundy(w - 160) + 20, 1.6, 77, propc);
      break;
    case 3:
      reeds(cr, 0, 260, h - 20, artshade(s.nearc, 0.8), 31);
      reeds(cr, w - 260, w, h - 20, artshade(s.nearc, 0.8), 32);
      sidetrees(cr, w, groundy(70), propc, 33);
      mist(cr, w, h - 60, 80, pal::mint, 0.2, 34);
      break;
    case 4:
      house(cr, 110, groundy(110) + 14, 1.5, 41, true);
      house(cr, w - 120, groundy(w - 120) + 14, 1.6, 42, true);
      pumpkin(cr, 240, groundy(240) + 8, 0.7, true);
      break;
    case 5:
      sidetrees(cr, w, groundy(70), propc, 51);
      tree(cr, 210, groundy(210) + 20, 1.3, 52, propc);
      ghost(cr, w - 230, 470, 0.9);
      ghost(cr, 250, 420, 0.6);
      break;
    case 6:
      tombstone(cr, 90, groundy(90) + 10, 1.2, -5, 1);
      tombstone(cr, 170, groundy(170) + 10, 0.9, 6, 0);
      tombstone(cr, w - 100, groundy(w - 100) + 10, 1.2, 4, 0);
      tombstone(cr, w - 180, groundy(w - 180) + 10, 0.9, -4, 2);
      fence(cr, 200, 330, groundy(265) + 10, 0.9, pal::ink);
      break;
    case 7:
      sidetrees(cr, w, groundy(70), propc, 71);
      pumpkin(cr, w - 220, groundy(w - 220) + 8, 0.8, true);
      break;
    case 8:
      reeds(cr, 0, 220, h - 10, artshade(s.nearc, 0.9), 81);
      tree(cr, 90, groundy(90) + 20, 1.8, 82, propc);
      tombstone(cr, w - 140, groundy(w - 140) + 10, 1.0, 8, 1);
      break;
    case 9:
      sidetrees(cr, w, groundy(70), propc, 91);
      pumpkin(cr, 220, groundy(220) + 8, 0.9, true);
      pumpkin(cr, w - 230, groundy(w - 230) + 8, 0.9, true);
      break;
  }
  vignette(cr, w, h, 0.55);
  // Calm the middle a touch so the cards stand out.
  cairo_save(cr);
  cairo_translate(cr, w / 2.0, h / 2.0);
  cairo_scale(cr, 1.6, 1);
  artglow(cr, 0, 0, 360, artshade(s.far, 0.5), 0.25);
  cairo_restore(cr);
}

// ---- shop -----------------------------------------------------------------------------------

void shopbg(cairo_t* cr, int w, int h) {
  // Wall of purple planks.
  rgb wood = artmix(pal::purple, rgb{0.42, 0.25, 0.16}, 0.45);
  cairo_rectangle(cr, 0, 0, w, h);
  artfilloutline(cr, artshade(wood, 0.95), artshade(wood, 0.55), 0, h, 0);
  prng rnd(2100);
  for (double x = 0; x < w; x += 74) {
    cairo_move_to(cr, x, 0);
    cairo_line_to(cr, x + rnd.range(-3, 3), h);
  }
  artsetcolor(cr, pal::ink, 0.35);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  for (int i = 0; i < 140; i++) {
    double x = rnd.range(0, w), y = rnd.range(0, h);
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x + rnd.range(-2, 2), y + rnd.range(30, 90));
  }
  artsetcolor(cr, artshade(wood, 0.6), 0.45);
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
  // A window with the moon, top left; a warm lantern glow top right.
  double wx = 60, wy = 40, ww = 150, wh = 170;
  cairo_save(cr);
  artroundrect(cr, wx, wy, ww, wh, 70);
  cairo_clip(cr);
  sky(cr, 400, 260, rgb{0.06, 0.08, 0.25}, rgb{0.3, 0.22, 0.5}, 77, 40, 200);
  moon(cr, wx + 95, wy + 70, 30, pal::bone);
  bat(cr, wx + 50, wy + 110, 0.7);
  cairo_restore(cr);
  artroundrect(cr, wx, wy, ww, wh, 70);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 10);
  cairo_stroke_preserve(cr);
  artsetcolor(cr, rgb{0.5, 0.32, 0.2});
  cairo_set_line_width(cr, 5);
  cairo_stroke(cr);
  cairo_move_to(cr, wx + ww / 2, wy);
  cairo_line_to(cr, wx + ww / 2, wy + wh);
  cairo_move_to(cr, wx, wy + wh * 0.55);
  cairo_line_to(cr, wx + ww, wy + wh * 0.55);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 5);
  cairo_stroke(cr);
  // lantern
  double lx = w - 150, ly = 150;
  artglow(cr, lx, ly, 220, pal::gold, 0.35);
  cairo_move_to(cr, lx, 0);
  cairo_line_to(cr, lx, ly - 40);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  artroundrect(cr, lx - 24, ly - 40, 48, 70, 10);
  artfilloutline(cr, rgb{1.0, 0.88, 0.5}, pal::pumpkin, ly - 40, ly + 30, 4);
  cairo_rectangle(cr, lx - 30, ly - 46, 60, 10);
  cairo_rectangle(cr, lx - 30, ly + 28, 60, 10);
  artfilloutline(cr, pal::grey, artshade(pal::grey, 0.5), ly - 46, ly + 38, 3);
  // Shelves with jars and potions down both sides (left of the item grid, right of the plants).
  auto shelf = [&](double x0, double x1, double y) {
    for (double x = x0 + 14; x < x1 - 20; x += rnd.range(30, 44)) {
      double bh = rnd.range(30, 60), bw = rnd.range(18, 30);
      rgb c = rnd.unit() < 0.33 ? pal::mint : rnd.unit() < 0.5 ? pal::pumpkin : pal::plum;
      artglow(cr, x + bw / 2, y - bh / 2, bw * 1.2, c, 0.25);
      artroundrect(cr, x, y - bh, bw, bh, 7);
      cairo_pattern_t* g = cairo_pattern_create_linear(x, 0, x + bw, 0);
      cairo_pattern_add_color_stop_rgba(g, 0, c.r, c.g, c.b, 0.95);
      cairo_pattern_add_color_stop_rgba(g, 1, c.r * 0.6, c.g * 0.6, c.b * 0.6, 0.95);
      cairo_set_source(cr, g);
      cairo_fill_preserve(cr);
      cairo_pattern_destroy(g);
      artsetcolor(cr, pal::ink);
      cairo_set_line_width(cr, 3);
      cairo_stroke(cr);
      cairo_rectangle(cr, x + bw * 0.3, y - bh - 8, bw * 0.4, 9);
      artfilloutline(cr, rgb{0.6, 0.4, 0.25}, rgb{0.4, 0.26, 0.16}, y - bh - 8, y - bh + 1, 2.5);
      artroundrect(cr, x + 4, y - bh + 6, 4, bh * 0.5, 2);
      artsetcolor(cr, rgb{1, 1, 1}, 0.35);
      cairo_fill(cr);
    }
    cairo_rectangle(cr, x0, y, x1 - x0, 14);
    artfilloutline(cr, rgb{0.55, 0.35, 0.22}, rgb{0.35, 0.22, 0.14}, y, y + 14, 3.5);
  };
  shelf(0, 220, 330);
  shelf(0, 220, 500);
  shelf(w - 250, w, 360);
  shelf(w - 250, w, 540);
  // skull-free friendly clutter: a pumpkin and a sleeping ghost on the shelves
  pumpkin(cr, 70, 640, 1.1, true);
  pumpkin(cr, w - 90, 660, 1.0, true);
  ghost(cr, w - 120, 270, 0.7);
  cobweb(cr, 0, 0, 120, 0);
  cobweb(cr, w, 0, 120, 1);
  // The counter along the bottom.
  cairo_rectangle(cr, -10, h - 110, w + 20, 120);
  artfilloutline(cr, rgb{0.45, 0.28, 0.18}, rgb{0.25, 0.15, 0.1}, h - 110, h, 5);
  cairo_rectangle(cr, -10, h - 118, w + 20, 16);
  artfilloutline(cr, rgb{0.6, 0.4, 0.25}, rgb{0.42, 0.27, 0.17}, h - 118, h - 102, 4);
  vignette(cr, w, h, 0.45);
}

// ---- splash pages ------------------------------------------------------------------------------

void splash(cairo_t* cr, int w, int h, int page) {
  if (page == 1) {
    // Studio page: a dusk badge with the studio's name.
    sky(cr, w, h, rgb{0.10, 0.06, 0.20}, rgb{0.22, 0.10, 0.30}, 6060, 220, h);
    double cx = w / 2.0, cy = h * 0.4;
    artglow(cr, cx, cy, 300, pal::plum, 0.5);
    cairo_arc(cr, cx, cy, 150, 0, 2 * M_PI);
    artfilloutline(cr, artmix(pal::sky, pal::purple, 0.4), artshade(pal::night, 0.6), cy - 150, cy + 150, 8);
    cairo_save(cr);
    cairo_arc(cr, cx, cy, 146, 0, 2 * M_PI);
    cairo_clip(cr);
    moon(cr, cx + 55, cy - 50, 48, pal::bone);
    hill(cr, w, cy + 150, cy + 80, 18, 2.0, 60, pal::purple, artshade(pal::purple, 0.5), 4);
    tree(cr, cx - 80, cy + 90, 0.8, 808, pal::ink);
    pumpkin(cr, cx + 10, cy + 96, 1.1, true);
    bat(cr, cx - 30, cy - 80, 1.1);
    cairo_restore(cr);
    cairo_arc(cr, cx, cy, 150, 0, 2 * M_PI);
    artsetcolor(cr, pal::gold);
    cairo_set_line_width(cr, 5);
    cairo_stroke(cr);
    artfont(cr, "round", 96);
    arttext(cr, "Tamberlinex", cx, h * 0.74, pal::bone, 12);
    artfont(cr, "comic", 44);
    arttext(cr, "G A M E S", cx, h * 0.86, pal::pumpkin, 8);
  } else {
    // Title page: the graveyard at dusk and the logo.
    sky(cr, w, h, rgb{0.07, 0.07, 0.24}, rgb{0.66, 0.34, 0.40}, 7070, 300, h * 0.7);
    moon(cr, w * 0.72, h * 0.2, 70, pal::bone);
    for (int i = 0; i < 5; i++) bat(cr, 300 + i * 110, 140 + (i % 2) * 50, 0.7 + 0.1 * i);
    hill(cr, w, h, 560, 40, 0.3, 180, artmix(pal::purple, pal::sky, 0.3), artshade(pal::purple, 0.5), 0);
    house(cr, 330, hillheight(330, 560, 40, 0.3, 180) + 8, 1.0, 12, true);
    church(cr, 1060, hillheight(1060, 560, 40, 0.3, 180) + 10, 0.8, artshade(pal::purple, 0.45));
    hill(cr, w, h, 690, 30, 1.1, 120, artmix(pal::night, pal::teal, 0.25), pal::ink, 4);
    for (int i = 0; i < 6; i++) {
      double x = 200 + i * 190;
      if (i % 2) tombstone(cr, x, hillheight(x, 690, 30, 1.1, 120) + 10, 0.9, (i - 3) * 3.0, i % 3);
      else pumpkin(cr, x, hillheight(x, 690, 30, 1.1, 120) + 10, 0.9, true);
    }
    artglow(cr, w / 2.0, h * 0.45, 420, pal::pumpkin, 0.3);
    logotext(cr, w / 2.0, h * 0.45, 860, 190);
  }
}

}  // namespace

bool drawuiscene(cairo_t* cr, const std::string& kind, int param, int w, int h) {
  if (kind == "sky") titlesky(cr, w, h, param);
  else if (kind == "cloud") titlecloud(cr, w, h, param);
  else if (kind == "far") titlefar(cr, w, h, param);
  else if (kind == "near") titlenear(cr, w, h, param);
  else if (kind == "light") titlelight(cr, w, h, param);
  else if (kind == "gamebg") gamebg(cr, w, h, param);
  else if (kind == "shopbg") shopbg(cr, w, h);
  else if (kind == "splash") splash(cr, w, h, param);
  else return false;
  return true;
}
