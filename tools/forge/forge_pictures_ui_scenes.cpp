// Full-screen scenes: the parallax title landscape, the nine game backgrounds, the shop
// and the two splash pages. Landscapes keep the middle calm where the cards lie.
#include "tools/forge/forge.h"
#include "tools/forge/forge_pictures_ui_kit.h"
#include <cmath>

using namespace uikit;

namespace {

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
    bat(cr, 236, 262, 0.6);
    bat(cr, 640, 200, 0.5);
  }
}

// The drifting clouds: opaque comic puffs, lit from above by the moon, fitted inside their
// pictures with room for the ink edge (the puffs rise 0.9 of the cloud's height above its
// middle, the flat underside lies half the height below it).
void titlecloud(cairo_t* cr, int w, int h, int n) {
  double ch = (h - 18) / 1.4, cw = w - 2 * (0.38 * ch + 9);
  rgb body = artmix(pal::plum, pal::sky, 0.25 + 0.08 * n), rim = artmix(body, pal::bone, 0.4);
  inkcloud(cr, w / 2.0, 9 + 0.9 * ch, cw, ch, artshade(body, 0.85), rim, 700 + n);
}

// The far hills run on across both pictures: x is the position in the joined landscape.
double farcrest(double gx) { return hillheight(gx, 500, 36, 0.4, 160); }

// The haunted mansion on the far hill. Its eleven window holes sit where the game switches
// the window lights on and off: light i is drawn at (bx + 311, by + 85) of this picture with
// a 24 x 32 pane inset by 4. The other windows glow all the time.
void mansion(cairo_t* cr) {
  rgb wall{0.36, 0.26, 0.42}, wall2{0.3, 0.22, 0.36}, roof{0.22, 0.14, 0.28}, trim{0.62, 0.54, 0.66};
  auto poly = [&](std::initializer_list<double> pts) {
    auto it = pts.begin();
    cairo_move_to(cr, it[0], it[1]);
    for (size_t i = 2; i < pts.size(); i += 2) cairo_line_to(cr, it[i], it[i + 1]);
    cairo_close_path(cr);
  };
  auto wallpart = [&](std::initializer_list<double> pts, rgb c, double y0, double y1) {
    poly(pts);
    cairo_path_t* p = cairo_copy_path(cr);
    artfilloutline(cr, artshade(c, 1.2), artshade(c, 0.72), y0, y1, 4);
    // clapboards
    cairo_save(cr);
    cairo_append_path(cr, p);
    cairo_clip(cr);
    for (double y = y0 + 9; y < y1; y += 9) {
      cairo_move_to(cr, 250, y);
      cairo_line_to(cr, 660, y + 3);
    }
    artsetcolor(cr, pal::ink, 0.35);
    cairo_set_line_width(cr, 1.3);
    cairo_stroke(cr);
    cairo_restore(cr);
    cairo_path_destroy(p);
  };
  auto roofpart = [&](std::initializer_list<double> pts, double y0, double y1) {
    poly(pts);
    cairo_path_t* p = cairo_copy_path(cr);
    artfilloutline(cr, artshade(roof, 1.5), roof, y0, y1, 4);
    cairo_save(cr);
    cairo_append_path(cr, p);
    cairo_clip(cr);
    for (double y = y0 + 8; y < y1; y += 8) {  // shingle rows, scalloped
      for (double x = 250; x < 660; x += 10) {
        cairo_move_to(cr, x, y);
        cairo_arc_negative(cr, x + 5, y, 5, M_PI, 0);
      }
    }
    artsetcolor(cr, pal::ink, 0.35);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    cairo_restore(cr);
    cairo_path_destroy(p);
  };
  double ground = farcrest(1500) + 8;
  // chimneys behind the roofs (on the main roof's right slope and on the wing), one smoking
  cairo_rectangle(cr, 462, 12, 18, 60);
  artfilloutline(cr, artshade(pal::grey, 1.1), artshade(pal::grey, 0.6), 12, 72, 3.5);
  cairo_rectangle(cr, 584, 262, 16, 56);
  artfilloutline(cr, artshade(pal::grey, 1.1), artshade(pal::grey, 0.6), 262, 318, 3.5);
  inkcloud(cr, 602, 246, 44, 12, artshade(pal::grey, 0.8), pal::grey, 9);
  inkcloud(cr, 626, 226, 30, 9, artshade(pal::grey, 0.8), pal::grey, 10);
  // right wing, main house, left tower: back to front
  wallpart({512, ground + 4, 514, 330, 604, 326, 606, ground + 4}, wall2, 326, ground);
  roofpart({500, 336, 558, 270, 618, 332}, 270, 336);
  wallpart({344, ground + 4, 346, 80, 512, 74, 516, ground + 4}, wall, 74, ground);
  roofpart({330, 88, 428, -6, 530, 82}, -6, 88);
  wallpart({300, ground + 4, 302, 168, 352, 166, 354, ground + 4}, wall2, 166, ground);
  roofpart({292, 172, 327, 54, 362, 170}, 54, 172);
  // a finial and a weathervane bat
  cairo_move_to(cr, 327, 54);
  cairo_line_to(cr, 327, 34);
  cairo_move_to(cr, 428, -6);
  cairo_line_to(cr, 428, 0);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  bat(cr, 327, 32, 0.35);
  // trim under the eaves
  for (double y : {82.0, 170.0, 330.0}) {
    double x0 = y < 100 ? 346 : y < 200 ? 302 : 514, x1 = y < 100 ? 512 : y < 200 ? 352 : 604;
    cairo_rectangle(cr, x0, y, x1 - x0, 6);
    artfilloutline(cr, trim, artshade(trim, 0.7), y, y + 6, 2);
  }
  // the eleven window holes the lights fill, dark with frames and shutters
  const int bx[] = {63, 0, 58, 139, 4, 37, 140, 10, 91, 159, 238}, by[] = {0, 88, 46, 56, 159, 131, 116, 231, 225, 212, 269};
  for (int i = 0; i < 11; i++) {
    double x = bx[i] + 311 + 4, y = by[i] + 85 + 4;
    for (int k = -1; k <= 1; k += 2) {  // shutters, one hanging crooked
      cairo_save(cr);
      cairo_translate(cr, k < 0 ? x - 2 : x + 26, y + 2);
      cairo_rotate(cr, (i % 3 == 0 && k > 0) ? 0.25 : 0);
      cairo_rectangle(cr, k < 0 ? -7 : 0, 0, 7, 28);
      artfilloutline(cr, artshade(pal::teal, 0.7), artshade(pal::teal, 0.4), 0, 28, 2);
      cairo_restore(cr);
    }
    artroundrect(cr, x, y, 24, 32, 4);
    artfilloutline(cr, artshade(pal::night, 0.7), artshade(pal::night, 0.4), y, y + 32, 3);
  }
  // windows that are always lit: the attic oculus, the porch and the wing's bay
  cairo_arc(cr, 428, 52, 11, 0, 2 * M_PI);
  artsoft(cr, 3, 4, 0, 0, pal::gold, 0.6);
  cairo_arc(cr, 428, 52, 11, 0, 2 * M_PI);
  artfilloutline(cr, rgb{1.0, 0.92, 0.6}, pal::pumpkin, 41, 63, 3);
  window(cr, 520, 350, 20, 26, true, true);
  window(cr, 576, 412, 18, 24, true, false);
  // the porch with its lit door and two steps
  double dy = ground;
  cairo_rectangle(cr, 376, dy - 78, 92, 10);
  artfilloutline(cr, roof, artshade(roof, 0.7), dy - 78, dy - 68, 3);
  for (double px : {382.0, 462.0}) {
    cairo_rectangle(cr, px - 4, dy - 68, 8, 68);
    artfilloutline(cr, trim, artshade(trim, 0.7), dy - 68, dy, 2.5);
  }
  cairo_move_to(cr, 398, dy);
  cairo_line_to(cr, 398, dy - 46);
  cairo_arc(cr, 414, dy - 46, 16, M_PI, 2 * M_PI);
  cairo_line_to(cr, 430, dy);
  cairo_close_path(cr);
  artsoft(cr, 3, 5, 0, 0, pal::gold, 0.55);
  cairo_move_to(cr, 398, dy);
  cairo_line_to(cr, 398, dy - 46);
  cairo_arc(cr, 414, dy - 46, 16, M_PI, 2 * M_PI);
  cairo_line_to(cr, 430, dy);
  cairo_close_path(cr);
  artfilloutline(cr, rgb{1.0, 0.86, 0.45}, pal::pumpkin, dy - 62, dy, 3);
  cairo_rectangle(cr, 388, dy - 6, 52, 7);
  artfilloutline(cr, pal::grey, artshade(pal::grey, 0.6), dy - 6, dy + 1, 2.5);
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
  rgb bark = artmix(pal::purple, pal::ink, 0.45);
  if (part == 0) {
    gnarledtree(cr, 150, farcrest(150) + 6, 0.75, 21, bark, 0);
    cottage(cr, 610, farcrest(610) + 6, 0.62, 31, 5, rgb{0.42, 0.34, 0.46}, rgb{0.26, 0.16, 0.3});
    gnarledtree(cr, 840, farcrest(840) + 6, 0.6, 22, bark, 0);
  } else {
    gnarledtree(cr, 200, farcrest(1200) + 6, 0.8, 23, bark, 0);
    gnarledtree(cr, 790, farcrest(1790) + 6, 0.65, 24, bark, 0);
    cottage(cr, 960, farcrest(1960) + 6, 0.55, 32, 1, rgb{0.4, 0.32, 0.44}, rgb{0.26, 0.16, 0.3});
  }
  rgb hillc = artmix(pal::purple, pal::night, 0.3);
  cairo_move_to(cr, -10, h);
  for (double x = -10; x <= w + 10; x += 6) cairo_line_to(cr, x, farcrest(x + off));
  cairo_line_to(cr, w + 10, h);
  cairo_close_path(cr);
  artfilloutline(cr, artshade(hillc, 1.15), artshade(hillc, 0.55), 460, h, 3);
  if (part == 1) {
    mansion(cr);
    pumpkin(cr, 370, farcrest(1370) + 8, 0.45, true);
    pumpkin(cr, 458, farcrest(1458) + 8, 0.45, true);
    woodfence(cr, 620, 900, farcrest(1760) + 8, 0.7, 33, artmix(pal::purple, pal::ink, 0.5));
  } else {
    woodfence(cr, 40, 300, farcrest(170) + 8, 0.7, 34, artmix(pal::purple, pal::ink, 0.5));
  }
  // One band of mist over the joined landscape, so it runs on across the join.
  cairo_save(cr);
  cairo_translate(cr, -off, 0);
  mist(cr, 2100, 560, 60, pal::plum, 0.18, 50);
  cairo_restore(cr);
}

// The near graveyard: props placed along the joined 2800-pixel strip, in family groups.
struct prop {
  double gx;
  int kind;  // 0..2 stones, 3 pumpkin, 4 tree, 5 ghost, 6 zombie rising, 7 zombie, 8 townsfolk, 9 fleeing townsfolk
  double s;
};

double nearcrest(double gx) { return hillheight(gx, 668, 30, 1.3, 120); }

void titlenear(cairo_t* cr, int w, int h, int part) {
  double off = part * 1000;
  // Keep the stretch under the loading bar (x 480..880) and under the menu (x 1750..2250) low.
  const prop props[] = {{52, 4, 1.2},    {150, 0, 0.85}, {178, 1, 0.7},  {196, 0, 0.55}, {300, 3, 0.9},
                        {392, 6, 0.8},   {440, 0, 0.6},  {930, 3, 0.7},  {968, 2, 0.75}, {1060, 8, 0.9},
                        {1190, 4, 1.35}, {1262, 5, 0.8}, {1330, 7, 0.95}, {1420, 1, 0.8}, {1446, 0, 0.6},
                        {1560, 3, 1.0},  {1610, 2, 0.7}, {2290, 0, 0.75}, {2330, 1, 0.65}, {2380, 9, 0.95},
                        {2520, 7, 1.0},  {2590, 4, 1.15}, {2690, 0, 0.8}, {2720, 3, 0.75}};
  cairo_translate(cr, -off, 0);
  rgb bark = artmix(pal::ink, pal::night, 0.4);
  for (auto& p : props)
    if (p.kind == 4) gnarledtree(cr, p.gx, nearcrest(p.gx) + 10, p.s, uint32_t(p.gx), bark, 2);
  cairo_move_to(cr, off - 10, h);
  for (double x = off - 10; x <= off + w + 10; x += 5) cairo_line_to(cr, x, nearcrest(x));
  cairo_line_to(cr, off + w + 10, h);
  cairo_close_path(cr);
  rgb g = artmix(pal::night, pal::teal, 0.25);
  artfilloutline(cr, artshade(g, 0.95), artshade(g, 0.45), 630, h, 4);
  grass(cr, off - 10, off + w + 10, w, 668, 30, 1.3, 120, artshade(g, 0.7), 90 + part);
  woodfence(cr, 1690, 1750, nearcrest(1720) + 14, 0.9, 35, artmix(pal::ink, pal::night, 0.3));
  int seed = 0;
  for (auto& p : props) {
    double y = nearcrest(p.gx) + 12;
    seed++;
    if (p.kind <= 2) tombstone(cr, p.gx, y, p.s, std::sin(p.gx) * 9, p.kind);
    else if (p.kind == 3) pumpkin(cr, p.gx, y + 2, p.s, true);
    else if (p.kind == 5) ghost(cr, p.gx, y - 110, p.s);
    else if (p.kind == 6) zombie(cr, p.gx, y - 2, p.s, 200 + seed, 1, 2);
    else if (p.kind == 7) zombie(cr, p.gx, y - 2, p.s, 200 + seed, -1, 0);
    else if (p.kind == 8) townsfolk(cr, p.gx, y - 2, p.s, 200 + seed, 1, 0);
    else if (p.kind == 9) townsfolk(cr, p.gx, y - 2, p.s, 200 + seed, -1, 1);
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

// ---- shop -----------------------------------------------------------------------------------

// A shelf board with its clutter: bottles, jars, books and candles of every shape, never two
// alike side by side. x0..x1 is the board, y its top.
void shopshelf(cairo_t* cr, double x0, double x1, double y, uint32_t seed) {
  prng rnd(seed);
  for (double x = x0 + 10; x < x1 - 26;) {
    int kind = int(rnd.next() % 6);
    rgb c = kind % 3 == 0 ? pal::mint : kind % 3 == 1 ? pal::pumpkin : pal::plum;
    if (rnd.unit() < 0.25) c = pal::blood;
    double used = 0;
    if (kind == 0 || kind == 1) {  // a round flask or a tall bottle, glowing a little
      double bw = kind == 0 ? rnd.range(24, 32) : rnd.range(14, 20), bh = kind == 0 ? bw : rnd.range(40, 56);
      double cx = x + bw / 2;
      artglow(cr, cx, y - bh * 0.4, bw * 1.1, c, 0.22);
      if (kind == 0) {
        cairo_arc(cr, cx, y - bw / 2, bw / 2, 0, 2 * M_PI);
        cairo_rectangle(cr, cx - 4, y - bw - 10, 8, 12);
      } else {
        artroundrect(cr, x, y - bh, bw, bh, 5);
        cairo_rectangle(cr, cx - 3.5, y - bh - 12, 7, 13);
      }
      cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
      artfilloutline(cr, artshade(c, 1.25), artshade(c, 0.6), y - bh - 12, y, 3);
      cairo_rectangle(cr, cx - 4.5, y - bh - (kind == 0 ? 0 : 16) - (kind == 0 ? 13 : 0), 9, 5);
      artfilloutline(cr, rgb{0.6, 0.4, 0.25}, rgb{0.4, 0.26, 0.16}, y - bh - 18, y - bh, 2);
      artroundrect(cr, cx - bw * 0.3, y - bh * 0.8, 3.5, bh * 0.4, 1.5);
      artsetcolor(cr, rgb{1, 1, 1}, 0.4);
      cairo_fill(cr);
      used = bw;
    } else if (kind == 2) {  // a row of leaning books
      int n = 2 + int(rnd.next() % 3);
      for (int i = 0; i < n; i++) {
        double bh = rnd.range(34, 46), bw = rnd.range(8, 12);
        cairo_save(cr);
        cairo_translate(cr, x + i * 11 + bw / 2, y);
        cairo_rotate(cr, i == n - 1 ? 0.18 : 0);
        cairo_rectangle(cr, -bw / 2, -bh, bw, bh);
        rgb bc = i % 3 == 0 ? artshade(pal::blood, 0.8) : i % 3 == 1 ? artshade(pal::teal, 0.8) : artshade(pal::purple, 1.1);
        artfilloutline(cr, artshade(bc, 1.2), artshade(bc, 0.7), -bh, 0, 2.5);
        cairo_move_to(cr, -bw / 2 + 2, -bh * 0.75);
        cairo_line_to(cr, bw / 2 - 2, -bh * 0.75);
        artsetcolor(cr, pal::gold, 0.9);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
        cairo_restore(cr);
      }
      used = n * 11 + 6;
    } else if (kind == 3) {  // a candle with a drip
      cairo_rectangle(cr, x, y - 30, 12, 30);
      artfilloutline(cr, pal::bone, artshade(pal::bone, 0.75), y - 30, y, 2.5);
      artglow(cr, x + 6, y - 40, 22, pal::gold, 0.5);
      cairo_move_to(cr, x + 6, y - 44);
      cairo_curve_to(cr, x + 11, y - 36, x + 1, y - 36, x + 6, y - 44);
      artsetcolor(cr, rgb{1.0, 0.85, 0.4});
      cairo_fill(cr);
      used = 14;
    } else if (kind == 4) {  // a jar of eyeballs looking around
      artroundrect(cr, x, y - 34, 28, 34, 6);
      artfilloutline(cr, artmix(pal::mint, pal::bone, 0.6), artshade(pal::mint, 0.6), y - 34, y, 3);
      for (int i = 0; i < 3; i++) {
        double ex = x + 7 + i * 7, ey = y - 10 - (i % 2) * 10;
        cairo_arc(cr, ex, ey, 4.5, 0, 2 * M_PI);
        artfilloutline(cr, pal::bone, pal::bone, ey - 4, ey + 4, 1.2);
        cairo_arc(cr, ex + rnd.range(-1.5, 1.5), ey + rnd.range(-1, 1), 1.8, 0, 2 * M_PI);
        artsetcolor(cr, i == 1 ? pal::teal : pal::ink);
        cairo_fill(cr);
      }
      cairo_rectangle(cr, x - 2, y - 40, 32, 7);
      artfilloutline(cr, rgb{0.6, 0.4, 0.25}, rgb{0.4, 0.26, 0.16}, y - 40, y - 33, 2.5);
      used = 30;
    } else {  // a small pumpkin or a crystal ball on a stand
      if (rnd.unit() < 0.5) {
        pumpkin(cr, x + 16, y, 0.42, rnd.unit() < 0.5, 0.5);
      } else {
        artglow(cr, x + 16, y - 22, 26, pal::plum, 0.5);
        cairo_arc(cr, x + 16, y - 20, 13, 0, 2 * M_PI);
        artfilloutline(cr, artmix(pal::plum, pal::bone, 0.5), pal::purple, y - 33, y - 7, 3);
        cairo_move_to(cr, x + 6, y);
        cairo_line_to(cr, x + 10, y - 9);
        cairo_line_to(cr, x + 22, y - 9);
        cairo_line_to(cr, x + 26, y);
        cairo_close_path(cr);
        artfilloutline(cr, pal::gold, artshade(pal::gold, 0.6), y - 9, y, 2.5);
      }
      used = 34;
    }
    x += used + rnd.range(6, 20);
  }
  cairo_rectangle(cr, x0, y, x1 - x0, 14);
  artfilloutline(cr, rgb{0.58, 0.38, 0.24}, rgb{0.36, 0.22, 0.14}, y, y + 14, 3.5);
  for (double bx : {x0 + 24, x1 - 24}) {  // brackets
    cairo_move_to(cr, bx - 6, y + 14);
    cairo_line_to(cr, bx + 6, y + 14);
    cairo_line_to(cr, bx, y + 32);
    cairo_close_path(cr);
    artfilloutline(cr, rgb{0.5, 0.32, 0.2}, rgb{0.3, 0.18, 0.1}, y + 14, y + 32, 2.5);
  }
}

void shopbg(cairo_t* cr, int w, int h) {
  // The back wall: upright planks, a darker wainscot below a rail.
  rgb wood = artmix(pal::purple, rgb{0.42, 0.25, 0.16}, 0.45);
  cairo_rectangle(cr, 0, 0, w, h);
  artfilloutline(cr, artshade(wood, 0.95), artshade(wood, 0.55), 0, h, 0);
  prng rnd(2100);
  for (double x = rnd.range(0, 30); x < w; x += rnd.range(60, 84)) {
    cairo_move_to(cr, x, 0);
    cairo_line_to(cr, x + rnd.range(-2, 2), h);
  }
  artsetcolor(cr, pal::ink, 0.35);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  for (int i = 0; i < 90; i++) {  // grain and knots
    double x = rnd.range(0, w), y = rnd.range(0, h);
    cairo_move_to(cr, x, y);
    cairo_curve_to(cr, x + 2, y + 20, x - 2, y + 40, x + rnd.range(-2, 2), y + rnd.range(50, 90));
  }
  artsetcolor(cr, artshade(wood, 0.6), 0.45);
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
  cairo_rectangle(cr, 0, 470, w, h - 470);
  artsetcolor(cr, pal::ink, 0.22);
  cairo_fill(cr);
  cairo_rectangle(cr, -10, 462, w + 20, 12);
  artfilloutline(cr, rgb{0.56, 0.36, 0.22}, rgb{0.36, 0.22, 0.14}, 462, 474, 3);
  // ceiling beams with bunches of herbs and garlic hanging
  cairo_rectangle(cr, -10, -10, w + 20, 34);
  artfilloutline(cr, rgb{0.4, 0.26, 0.18}, rgb{0.24, 0.14, 0.1}, -10, 24, 4);
  const double hangs[] = {60, 250, 420, 960, 1120, 1300};
  for (int i = 0; i < 6; i++) {
    double hx = hangs[i], len = rnd.range(30, 60);
    cairo_move_to(cr, hx, 24);
    cairo_line_to(cr, hx, 24 + len);
    artsetcolor(cr, pal::ink);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    for (int k = 0; k < 4; k++) {
      double lx = hx + (k - 1.5) * 6, ly = 24 + len + 8 + (k % 2) * 5;
      cairo_save(cr);
      cairo_translate(cr, lx, ly);
      cairo_scale(cr, 5, i % 2 ? 6 : 9);
      cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
      cairo_restore(cr);
      artfilloutline(cr, i % 2 ? pal::bone : pal::moss, i % 2 ? artshade(pal::bone, 0.7) : artshade(pal::moss, 0.6),
                     ly - 9, ly + 9, 2);
    }
  }
  // The carved sign board behind the shop's name, lanterns hanging at its ends.
  double sx = w / 2.0, sy = 46;
  for (int k = -1; k <= 1; k += 2) {
    cairo_move_to(cr, sx + k * 170, 24);
    cairo_line_to(cr, sx + k * 170, sy - 22);
    artsetcolor(cr, pal::ink);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
  }
  cairo_move_to(cr, sx - 210, sy - 24);
  cairo_line_to(cr, sx + 210, sy - 24);
  cairo_line_to(cr, sx + 228, sy);
  cairo_line_to(cr, sx + 210, sy + 26);
  cairo_line_to(cr, sx - 210, sy + 26);
  cairo_line_to(cr, sx - 228, sy);
  cairo_close_path(cr);
  artsoft(cr, 0, 3, 0, 4, pal::ink, 0.55);
  cairo_move_to(cr, sx - 210, sy - 24);
  cairo_line_to(cr, sx + 210, sy - 24);
  cairo_line_to(cr, sx + 228, sy);
  cairo_line_to(cr, sx + 210, sy + 26);
  cairo_line_to(cr, sx - 210, sy + 26);
  cairo_line_to(cr, sx - 228, sy);
  cairo_close_path(cr);
  artfilloutline(cr, rgb{0.36, 0.22, 0.3}, rgb{0.2, 0.12, 0.18}, sy - 24, sy + 26, 4);
  artroundrect(cr, sx - 196, sy - 16, 392, 34, 8);
  artsetcolor(cr, pal::gold, 0.7);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  for (int k = -1; k <= 1; k += 2) {
    bat(cr, sx + k * 150, sy + 1, 0.45);
    double lx = sx + k * 250, ly = sy + 6;
    artglow(cr, lx, ly, 70, pal::gold, 0.45);
    cairo_move_to(cr, lx, 24);
    cairo_line_to(cr, lx, ly - 22);
    artsetcolor(cr, pal::ink);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    artroundrect(cr, lx - 11, ly - 20, 22, 32, 5);
    artfilloutline(cr, rgb{1.0, 0.9, 0.55}, pal::pumpkin, ly - 20, ly + 12, 3);
    cairo_rectangle(cr, lx - 14, ly - 24, 28, 6);
    cairo_rectangle(cr, lx - 14, ly + 10, 28, 6);
    artfilloutline(cr, pal::grey, artshade(pal::grey, 0.5), ly - 24, ly + 16, 2.5);
  }
  // The round window on the left with the moon and a bat, curtains drawn aside.
  double wx = 40, wy = 110, ww = 170, wh = 200;
  cairo_save(cr);
  artroundrect(cr, wx, wy, ww, wh, 80);
  cairo_clip(cr);
  sky(cr, 400, 400, rgb{0.06, 0.08, 0.25}, rgb{0.3, 0.22, 0.5}, 77, 40, 300);
  moon(cr, wx + 108, wy + 76, 32, pal::bone);
  bat(cr, wx + 52, wy + 120, 0.7);
  hill(cr, 260, wy + wh, wy + wh - 30, 8, 1, 40, pal::purple, artshade(pal::purple, 0.6), 0);
  cairo_restore(cr);
  artroundrect(cr, wx, wy, ww, wh, 80);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 12);
  cairo_stroke_preserve(cr);
  artsetcolor(cr, rgb{0.5, 0.32, 0.2});
  cairo_set_line_width(cr, 6);
  cairo_stroke(cr);
  cairo_move_to(cr, wx + ww / 2, wy);
  cairo_line_to(cr, wx + ww / 2, wy + wh);
  cairo_move_to(cr, wx, wy + wh * 0.55);
  cairo_line_to(cr, wx + ww, wy + wh * 0.55);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 5);
  cairo_stroke(cr);
  for (int k = 0; k < 2; k++) {  // curtains gathered at the sides
    double cx = k ? wx + ww + 8 : wx - 8, dir = k ? 1 : -1;
    cairo_move_to(cr, cx - dir * 30, wy - 14);
    cairo_curve_to(cr, cx - dir * 10, wy + 60, cx - dir * 24, wy + 140, cx, wy + wh + 20);
    cairo_line_to(cr, cx + dir * 18, wy + wh + 20);
    cairo_curve_to(cr, cx + dir * 14, wy + 120, cx + dir * 20, wy + 40, cx + dir * 16, wy - 14);
    cairo_close_path(cr);
    artfilloutline(cr, artshade(pal::blood, 1.1), artshade(pal::blood, 0.55), wy - 14, wy + wh + 20, 3.5);
  }
  cairo_rectangle(cr, wx - 40, wy - 22, ww + 80, 10);
  artfilloutline(cr, pal::gold, artshade(pal::gold, 0.6), wy - 22, wy - 12, 2.5);
  // shelves on the left wall under the window, and the tall case behind the keeper
  shopshelf(cr, 0, 230, 392, 2201);
  shopshelf(cr, 0, 230, 504, 2202);  // the till stands on the counter just below this one
  cairo_rectangle(cr, 1090, 110, 276, 500);
  artfilloutline(cr, rgb{0.42, 0.26, 0.18}, rgb{0.26, 0.16, 0.1}, 110, 610, 5);
  cairo_rectangle(cr, 1104, 124, 248, 480);
  artsetcolor(cr, pal::ink, 0.45);
  cairo_fill(cr);
  shopshelf(cr, 1100, 1356, 230, 2203);
  shopshelf(cr, 1100, 1356, 350, 2204);
  // a stuffed crow and a clock on top of the case
  cairo_save(cr);
  cairo_translate(cr, 1150, 108);
  cairo_move_to(cr, -16, 0);
  cairo_curve_to(cr, -14, -20, 10, -26, 16, -14);
  cairo_line_to(cr, 28, -12);
  cairo_line_to(cr, 16, -6);
  cairo_curve_to(cr, 14, 2, -6, 4, -16, 0);
  cairo_line_to(cr, -28, 4);
  cairo_close_path(cr);
  artsetcolor(cr, pal::ink);
  cairo_fill(cr);
  cairo_arc(cr, 8, -16, 2.4, 0, 2 * M_PI);
  artsetcolor(cr, pal::gold);
  cairo_fill(cr);
  cairo_restore(cr);
  cairo_arc(cr, 1290, 78, 24, 0, 2 * M_PI);
  artfilloutline(cr, pal::bone, artshade(pal::bone, 0.75), 54, 102, 4);
  cairo_move_to(cr, 1290, 78);
  cairo_line_to(cr, 1290, 62);
  cairo_move_to(cr, 1290, 78);
  cairo_line_to(cr, 1301, 82);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  cobweb(cr, 1090, 110, 60, 0);
  cobweb(cr, 0, 24, 90, 0);
  // The shopkeeper behind the counter on the right, holding up his best potion. The plant
  // offers stand in a column from x 985 to 1081 and a 1024-pixel screen shows this picture
  // only up to x 1195, so he stands just right of the column, his face in view on every screen.
  shopkeeper(cr, 1160, 612, 1.35);
  // The counter across the whole room: a top board, panelled front, brass corners, and on
  // it the till, a candle and a whole pumpkin.
  cairo_rectangle(cr, -10, 612, w + 20, 170);
  artfilloutline(cr, rgb{0.5, 0.3, 0.18}, rgb{0.28, 0.16, 0.1}, 612, h, 5);
  for (double px = (w - 7 * 160 - 6 * 30) / 2.0; px + 160 <= w; px += 190) {  // seven raised panels, centred
    artroundrect(cr, px, 640, 160, 110, 10);
    artfilloutline(cr, rgb{0.44, 0.26, 0.16}, rgb{0.32, 0.18, 0.12}, 640, 750, 3);
    artroundrect(cr, px + 10, 650, 140, 90, 6);
    artsetcolor(cr, rgb{0.62, 0.42, 0.26}, 0.4);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
  }
  cairo_rectangle(cr, -10, 600, w + 20, 18);
  artfilloutline(cr, rgb{0.68, 0.46, 0.28}, rgb{0.46, 0.3, 0.18}, 600, 618, 4);
  for (int i = 0; i < 40; i++) {
    double gx = rnd.range(0, w);
    cairo_move_to(cr, gx, 605);
    cairo_line_to(cr, gx + rnd.range(20, 60), 605 + rnd.range(-1, 1));
  }
  artsetcolor(cr, pal::ink, 0.25);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  // The brass till at the counter's left end, clear of the first column of offers (their price
  // plates begin at x 208): a drawer, a sloped bank of round keys, the price flags on top and
  // a crank at its side.
  double tx = 112, ty = 602;
  cairo_rectangle(cr, tx - 56, ty - 20, 112, 20);  // the drawer
  artfilloutline(cr, artshade(pal::gold, 0.95), artshade(pal::gold, 0.5), ty - 20, ty, 3);
  cairo_arc(cr, tx, ty - 10, 3.5, 0, 2 * M_PI);
  artfilloutline(cr, pal::bone, artshade(pal::bone, 0.6), ty - 14, ty - 6, 1.5);
  cairo_move_to(cr, tx - 50, ty - 20);  // the body with its sloped key bank
  cairo_line_to(cr, tx - 40, ty - 62);
  cairo_line_to(cr, tx + 26, ty - 62);
  cairo_line_to(cr, tx + 50, ty - 20);
  cairo_close_path(cr);
  artfilloutline(cr, artshade(pal::gold, 1.2), artshade(pal::gold, 0.6), ty - 62, ty - 20, 3);
  for (int row = 0; row < 3; row++)
    for (int k = 0; k < 5; k++) {
      double kx = tx - 36 + k * 14 + row * 5, ky = ty - 30 - row * 10;
      cairo_arc(cr, kx, ky, 3.6, 0, 2 * M_PI);
      artfilloutline(cr, k == 4 && row == 0 ? artshade(pal::blood, 1.2) : pal::bone, pal::ink, ky - 3.6, ky + 3.6, 1.5);
    }
  cairo_rectangle(cr, tx - 30, ty - 82, 52, 20);  // the price flags behind a glass window
  artfilloutline(cr, artshade(pal::gold, 1.1), artshade(pal::gold, 0.55), ty - 82, ty - 62, 3);
  cairo_rectangle(cr, tx - 24, ty - 78, 40, 12);
  artfilloutline(cr, pal::bone, artshade(pal::bone, 0.7), ty - 78, ty - 66, 2);
  for (int k = 0; k < 3; k++) {
    cairo_move_to(cr, tx - 17 + k * 12, ty - 76);
    cairo_line_to(cr, tx - 17 + k * 12, ty - 70);
  }
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 2.5);
  cairo_stroke(cr);
  cairo_move_to(cr, tx + 48, ty - 36);  // the crank
  cairo_line_to(cr, tx + 62, ty - 40);
  cairo_line_to(cr, tx + 64, ty - 54);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 5);
  cairo_stroke_preserve(cr);
  artsetcolor(cr, artshade(pal::gold, 0.8));
  cairo_set_line_width(cr, 2.5);
  cairo_stroke(cr);
  cairo_arc(cr, tx + 64, ty - 56, 5, 0, 2 * M_PI);
  artfilloutline(cr, artshade(pal::blood, 1.2), pal::ink, ty - 61, ty - 51, 2);
  pumpkin(cr, 1310, 604, 0.9, true, 0.6);
  vignette(cr, w, h, 0.4);
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
    // Title page: the town's edge at dusk, its people and its zombies, and the logo.
    sky(cr, w, h, rgb{0.07, 0.07, 0.24}, rgb{0.66, 0.34, 0.40}, 7070, 300, h * 0.7);
    moon(cr, w * 0.72, h * 0.2, 70, pal::bone);
    inkcloud(cr, w * 0.8, h * 0.27, 240, 54, rgb{0.34, 0.22, 0.44}, rgb{0.62, 0.5, 0.68}, 7071);
    const double bats[][3] = {{300, 150, 0.8}, {372, 196, 0.6}, {468, 128, 0.9}, {1040, 250, 0.55}, {1120, 214, 0.7}};
    for (auto& b : bats) bat(cr, b[0], b[1], b[2]);
    hill(cr, w, h, 560, 40, 0.3, 180, artmix(pal::purple, pal::sky, 0.3), artshade(pal::purple, 0.5), 0);
    cottage(cr, 300, hillheight(300, 560, 40, 0.3, 180) + 8, 0.95, 7072, 5, rgb{0.5, 0.4, 0.56},
            rgb{0.32, 0.18, 0.34});
    gnarledtree(cr, 150, hillheight(150, 560, 40, 0.3, 180) + 8, 1.0, 7073, artmix(pal::purple, pal::ink, 0.5), 2);
    church(cr, 1080, hillheight(1080, 560, 40, 0.3, 180) + 10, 0.75, rgb{0.5, 0.44, 0.58});
    hill(cr, w, h, 690, 30, 1.1, 120, artmix(pal::night, pal::teal, 0.25), pal::ink, 4);
    auto ground = [&](double x) { return hillheight(x, 690, 30, 1.1, 120) + 10; };
    tombstone(cr, 180, ground(180), 0.9, -6, 0);
    tombstone(cr, 226, ground(226), 0.7, 5, 1);
    pumpkin(cr, 330, ground(330), 0.9, true);
    zombie(cr, 470, ground(470), 1.0, 7074, 1, 0);
    zombie(cr, 560, ground(560) - 4, 0.85, 7075, 1, 1);
    townsfolk(cr, 860, ground(860), 1.0, 7076, 1, 1);
    townsfolk(cr, 960, ground(960), 0.95, 7077, 1, 0);
    pumpkin(cr, 1110, ground(1110), 0.8, true);
    tombstone(cr, 1196, ground(1196), 0.85, 4, 2);
    tombstone(cr, 1236, ground(1236), 0.6, -8, 0);
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
  else if (kind == "gamebg") drawgamescene(cr, param, true);
  else if (kind == "shopbg") shopbg(cr, w, h);
  else if (kind == "splash") splash(cr, w, h, param);
  else return false;
  return true;
}
