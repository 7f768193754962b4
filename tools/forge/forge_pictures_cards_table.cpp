// The game table around the cards: the two screen bands, the points, combo, item and plant
// bars, the stock counter, the result stars, and the signs that pop up over the table.
// Sizes and the inner positions follow where the game draws text and widgets on them;
// each routine notes the numbers it lines up with.
#include "tools/forge/forge.h"
#include "tools/forge/forge_pictures_cards_kit.h"
#include <cmath>

namespace {

void circle(cairo_t* cr, double cx, double cy, double r) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
  cairo_close_path(cr);
}

// A dark panel with a gold trim, the common plate under light text.
void plate(cairo_t* cr, double x, double y, double w, double h, double r, double alpha = 0.94) {
  cairo_new_path(cr);
  artroundrect(cr, x, y, w, h, r);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, y, 0, y + h);
  rgb top = artmix(pal::purple, pal::plum, 0.35), bottom = artmix(pal::night, pal::ink, 0.35);
  cairo_pattern_add_color_stop_rgba(g, 0, top.r, top.g, top.b, alpha);
  cairo_pattern_add_color_stop_rgba(g, 1, bottom.r, bottom.g, bottom.b, alpha);
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  cairo_new_path(cr);
  artroundrect(cr, x + 3.5, y + 3.5, w - 7, h - 7, std::fmax(1, r - 3));
  artsetcolor(cr, pal::gold, 0.7);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
}

// A recessed dark well where numbers or a fill sit.
void well(cairo_t* cr, double x, double y, double w, double h, double r) {
  cairo_new_path(cr);
  artroundrect(cr, x, y, w, h, r);
  artfilloutline(cr, artmix(pal::ink, pal::night, 0.2), artmix(pal::ink, pal::purple, 0.5), y, y + h, 2);
  cairo_new_path(cr);
  artroundrect(cr, x + 2, y + h - 4, w - 4, 2, 1);
  artsetcolor(cr, pal::plum, 0.5);
  cairo_fill(cr);
}

void zombiehead(cairo_t* cr, double cx, double cy, double r) {
  rgb skin = artshade(artmix(pal::moss, pal::mint, 0.3), 1.1);
  cairo_new_path(cr);
  cardellipse(cr, cx, cy, r, r * 1.08);
  artfilloutline(cr, artshade(skin, 1.15), artshade(skin, 0.8), cy - r, cy + r, std::fmax(1.5, r * 0.14));
  cairo_new_path(cr);  // hair tuft
  cairo_move_to(cr, cx - r * 0.7, cy - r * 0.6);
  cairo_line_to(cr, cx - r * 0.3, cy - r * 1.3);
  cairo_line_to(cr, cx, cy - r * 0.8);
  cairo_line_to(cr, cx + r * 0.35, cy - r * 1.25);
  cairo_line_to(cr, cx + r * 0.7, cy - r * 0.6);
  cairo_curve_to(cr, cx + r * 0.3, cy - r * 0.9, cx - r * 0.3, cy - r * 0.9, cx - r * 0.7, cy - r * 0.6);
  cardfillstroke(cr, pal::purple, std::fmax(1, r * 0.1));
  cardeye(cr, cx - r * 0.35, cy - r * 0.05, r * 0.3, 0.4, 0);
  cardeye(cr, cx + r * 0.38, cy, r * 0.22, 0.4, 0);
  cairo_new_path(cr);
  cairo_move_to(cr, cx - r * 0.45, cy + r * 0.45);
  cairo_curve_to(cr, cx - r * 0.2, cy + r * 0.7, cx + r * 0.3, cy + r * 0.7, cx + r * 0.5, cy + r * 0.4);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, std::fmax(1.2, r * 0.12));
  cairo_stroke(cr);
}

// ---- bars -------------------------------------------------------------------------------

// Combo bar frame. Drawn centred at (screenw - 167, y0 - 9); the fill lands at
// (screenw - 307, y0 - 1), which is (15, 51) here, 280 x 18; the caption is centred at (153, 10).
void combobar(cairo_t* cr, int w, int h) {
  plate(cr, 3.5, 30, w - 7, h - 34, 14);
  plate(cr, 86, 2.5, 134, 26, 10);  // caption tab
  well(cr, 11, 47, 288, 26, 9);
  // tick marks: every 35 pixels of fill is one more action in the best combo
  for (int i = 1; i < 8; i++) {
    double x = 15 + i * 35;
    cairo_new_path(cr);
    cairo_move_to(cr, x, 74);
    cairo_line_to(cr, x, 79);
    artsetcolor(cr, pal::gold, 0.6);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
  }
  cardstar(cr, 300, 42, 8, 3.5, 5);
  cardfillstroke(cr, pal::gold, 1.5);
}

// The fill: 16 cells of 17 x 18, cold teal for short combos warming to pumpkin and blood.
void combofill(cairo_t* cr, int w, int h) {
  int cells = w / 17;
  for (int i = 0; i < cells; i++) {
    double t = double(i) / (cells - 1);
    rgb c = t < 0.5 ? artmix(pal::teal, pal::gold, t * 2) : artmix(pal::gold, pal::blood, (t - 0.5) * 2);
    cairo_new_path(cr);
    artroundrect(cr, i * 17 + 1, 1.5, 16, h - 3, 4);
    artfilloutline(cr, artshade(c, 1.35), artshade(c, 0.85), 1.5, h - 1.5, 1.2);
    cairo_new_path(cr);
    artroundrect(cr, i * 17 + 3.5, 3.5, 11, 4, 2);
    artsetcolor(cr, {1, 1, 1}, 0.4);
    cairo_fill(cr);
  }
}

// Points bar, centred at (172, y0 - 11): the labels right-align at x 135 and 293 here, the
// captions at y 15 and the numbers at y 40; the coins sit over the left end at (20, 35).
void pointsbar(cairo_t* cr, int w, int h) {
  plate(cr, 14, 4, w - 18, h - 8, 16);
  well(cr, 48, 28, 96, 24, 8);
  well(cr, 208, 28, 90, 24, 8);
  cairo_new_path(cr);
  cairo_move_to(cr, 154, 12);
  cairo_line_to(cr, 154, 58);
  artsetcolor(cr, pal::gold, 0.5);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
}

// Stock counter, centred on the pile; the count is centred at (33, 19) here.
void cardometer(cairo_t* cr, int w, int h) {
  cairo_new_path(cr);
  cairo_move_to(cr, 8, 36);
  cairo_line_to(cr, w - 14, 36);
  cairo_line_to(cr, w / 2.0 - 3, h - 4);
  cairo_close_path(cr);
  artfilloutline(cr, artshade(pal::plum, 1.2), pal::purple, 36, h, 2.5);
  plate(cr, 3.5, 3, w - 7, 36, 12);
  well(cr, 12, 7, 42, 26, 8);
  artglow(cr, 33, 20, 18, pal::mint, 0.35);
  // a tiny card back on the right: "cards left"
  cairo_new_path(cr);
  artroundrect(cr, 56.5, 11, 10, 15, 2.5);
  artfilloutline(cr, artshade(pal::purple, 1.5), pal::purple, 10, 26, 1.5);
  cardstar(cr, 61.5, 18.5, 3, 1.2, 4);
  artsetcolor(cr, pal::gold);
  cairo_fill(cr);
}

// Item bar, centred at (171, screenh - 40): the three item slots (96 wide at x 18, 120, 222 here)
// reach down to y 56, so only their lower part shows when a slot is empty.
void extrabar(cairo_t* cr, int w, int h) {
  plate(cr, 3.5, 22, w - 7, h - 26, 16);
  for (int s = 0; s < 3; s++) {
    double x = 18 + s * 102;
    cairo_new_path(cr);
    artroundrect(cr, x + 2, 6, 92, 48, 8);
    artfilloutline(cr, artmix(pal::ink, pal::purple, 0.6), artmix(pal::ink, pal::night, 0.4), 6, 54, 2);
    static const double dash[2] = {5, 4};
    cairo_new_path(cr);
    artroundrect(cr, x + 7, 11, 82, 38, 5);
    cairo_set_dash(cr, dash, 2, 0);
    artsetcolor(cr, pal::plum, 0.9);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    cairo_set_dash(cr, nullptr, 0, 0);
    cardstar(cr, x + 48, 30, 7, 3, 4, -90);
    artsetcolor(cr, pal::plum, 0.8);
    cairo_fill(cr);
  }
  for (int i = 0; i < 2; i++) {  // rivets
    cairo_new_path(cr);
    circle(cr, i ? w - 10.0 : 10.0, 66, 3);
    cardfillstroke(cr, pal::gold, 1.2);
  }
}

// Plant bar back, centred at (screenw - 246, screenh - 57). Only the right part from x 140 is
// the bar (the tooltip zone starts there); the plants stand on an arc with pot bases at about
// (153, 106) (198, 86) (243, 76) (288, 76) (339, 66) (383, 76) (423, 86) (468, 106).
void flowerbar(cairo_t* cr, int w, int h) {
  artglow(cr, 320, 90, 170, pal::mint, 0.18);
  cairo_new_path(cr);
  cairo_move_to(cr, 136, h);
  cairo_curve_to(cr, 150, 90, 200, 66, 250, 62);
  cairo_curve_to(cr, 300, 56, 330, 48, 360, 56);
  cairo_curve_to(cr, 420, 64, 470, 80, w, 90);
  cairo_line_to(cr, w, h);
  cairo_close_path(cr);
  artfilloutline(cr, artmix(pal::moss, pal::teal, 0.4), artmix(pal::night, pal::ink, 0.3), 50, h, 3);
  // a picket of tiny gravestones on the ridge
  cardrng rng(0xf10e);
  double stones[4][2] = {{190, 70}, {262, 60}, {402, 64}, {455, 78}};
  for (auto& s : stones) {
    double sw = rng.range(9, 13), sh = rng.range(13, 17);
    cairo_new_path(cr);
    cairo_move_to(cr, s[0] - sw / 2, s[1] + 3);
    cairo_line_to(cr, s[0] - sw / 2, s[1] - sh + sw / 2);
    cairo_arc(cr, s[0], s[1] - sh + sw / 2, sw / 2, M_PI, 2 * M_PI);
    cairo_line_to(cr, s[0] + sw / 2, s[1] + 3);
    cairo_close_path(cr);
    artfilloutline(cr, artshade(pal::grey, 1.2), artshade(pal::grey, 0.7), s[1] - sh, s[1], 1.8);
  }
  for (int i = 0; i < 40; i++) {  // grass blades along the ridge
    double x = rng.range(150, w - 4);
    double t = (x - 136) / (w - 136);
    double y = 92 - 40 * std::sin(t * M_PI) + rng.range(-2, 4);
    cairo_new_path(cr);
    cairo_move_to(cr, x - 2, y + 4);
    cairo_line_to(cr, x + rng.range(-3, 3), y - rng.range(5, 9));
    cairo_line_to(cr, x + 2, y + 4);
    artsetcolor(cr, artshade(pal::moss, 1.2));
    cairo_fill(cr);
  }
  for (int i = 0; i < 10; i++) {  // fireflies
    double x = rng.range(160, w - 10), y = rng.range(30, 100);
    artglow(cr, x, y, 5, pal::gold, 0.8);
  }
}

// Plant bar front rim, centred at (screenw - 185, screenh - 27): soil over the pot feet, whose
// bases lie at about (31, 47) (76, 27) (121, 17) (166, 17) (217, 7) (261, 17) (301, 27) (346, 47).
void flowerbar2(cairo_t* cr, int w, int h) {
  double feet[8][2] = {{31, 47}, {76, 27}, {121, 17}, {166, 17}, {217, 7}, {261, 17}, {301, 27}, {346, 47}};
  cairo_new_path(cr);
  cairo_move_to(cr, 0, h);
  cairo_line_to(cr, 0, 52);
  for (auto& f : feet) {
    cairo_line_to(cr, f[0] - 16, f[1] - 1);
    cairo_curve_to(cr, f[0] - 8, f[1] - 6, f[0] + 8, f[1] - 6, f[0] + 16, f[1] - 1);
  }
  cairo_line_to(cr, w, 52);
  cairo_line_to(cr, w, h);
  cairo_close_path(cr);
  artfilloutline(cr, artmix(pal::pumpkin, pal::ink, 0.55), artmix(pal::purple, pal::ink, 0.6), 0, h, 2.5);
  cardrng rng(0xf10f);
  for (auto& f : feet) {  // tufts at each pot
    for (int i = 0; i < 5; i++) {
      double x = f[0] + rng.range(-18, 18), y = f[1] + rng.range(0, 4);
      cairo_new_path(cr);
      cairo_move_to(cr, x - 2.5, y + 3);
      cairo_line_to(cr, x + rng.range(-3, 3), y - rng.range(4, 8));
      cairo_line_to(cr, x + 2.5, y + 3);
      cardfillstroke(cr, artshade(pal::moss, 1.15), 1);
    }
  }
  for (int i = 0; i < 18; i++) {  // pebbles
    cairo_new_path(cr);
    double x = rng.range(10, w - 10), y = rng.range(36, h - 4);
    cardellipse(cr, x, y, rng.range(1.5, 3), rng.range(1, 2));
    artsetcolor(cr, pal::grey, 0.5);
    cairo_fill(cr);
  }
}

// ---- bands -------------------------------------------------------------------------------

// Top band, centred at (midx, barpos - 12); the level title sits at x 633, y 32 and 55 here.
void gameuiup(cairo_t* cr, int w, int h) {
  cairo_new_path(cr);
  cairo_move_to(cr, 0, 0);
  cairo_line_to(cr, w, 0);
  cairo_line_to(cr, w, 86);
  cardrng rng(0x7095);
  // a soft wavy lower edge with a few friendly drips
  double x = w;
  while (x > 0) {
    double step = rng.range(40, 80);
    double nx = std::fmax(0, x - step);
    if (rng.next() < 0.3) {
      double mx = (x + nx) / 2, len = rng.range(8, 20);
      cairo_curve_to(cr, x - 5, 88, mx + 6, 86, mx + 4, 86 + len * 0.6);
      cairo_arc(cr, mx, 86 + len * 0.6, 4, 0, M_PI);
      cairo_curve_to(cr, mx - 6, 86, nx + 5, 88, nx, 86);
    } else {
      cairo_curve_to(cr, x - step * 0.3, 92, nx + step * 0.3, 92, nx, 86);
    }
    x = nx;
  }
  cairo_close_path(cr);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, 100);
  rgb a = artmix(pal::night, pal::ink, 0.4), b = artmix(pal::purple, pal::plum, 0.2);
  cairo_pattern_add_color_stop_rgba(g, 0, a.r, a.g, a.b, 0.97);
  cairo_pattern_add_color_stop_rgba(g, 1, b.r, b.g, b.b, 0.97);
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  for (int i = 0; i < 60; i++) {  // faint stars in the band
    double sx = rng.range(0, w), sy = rng.range(6, 78);
    cardstar(cr, sx, sy, rng.range(0.8, 1.8), 0.5, 4, 0);
    artsetcolor(cr, pal::bone, rng.range(0.15, 0.4));
    cairo_fill(cr);
  }
  // The title plaque under the game's two lines (the game's name at y 32, "- Level n -" at
  // y 55, both centred at x 633 in the 26-pixel text font): tall enough for both, clear of
  // the menu button at x 763, with a bat on each end.
  plate(cr, 633 - 104, 18, 208, 64, 14, 0.92);
  cairo_new_path(cr);
  cairo_move_to(cr, 633 - 80, 50);
  cairo_line_to(cr, 633 + 80, 50);
  artsetcolor(cr, pal::gold, 0.35);
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
  for (int side = -1; side <= 1; side += 2) {
    cardstar(cr, 633 + side * 92, 50, 5, 2, 4, 0);
    artsetcolor(cr, pal::gold, 0.85);
    cairo_fill(cr);
  }
  (void)h;
}

// Bottom band, centred at (midx, screenh - barpos + 41): grass and earth along the screen's foot.
void gameuidown(cairo_t* cr, int w, int h) {
  cardrng rng(0xd0e1);
  cairo_new_path(cr);
  cairo_move_to(cr, 0, h);
  cairo_line_to(cr, 0, 12);
  for (double x = 0; x < w; x += 60) {
    double y1 = rng.range(9, 14);
    cairo_curve_to(cr, x + 20, rng.range(6, 12), x + 40, rng.range(6, 12), x + 60, y1);
  }
  cairo_line_to(cr, w, h);
  cairo_close_path(cr);
  artfilloutline(cr, artmix(pal::moss, pal::night, 0.55), artmix(pal::night, pal::ink, 0.5), 8, h, 3);
  for (int i = 0; i < 260; i++) {
    double x = rng.range(0, w), y = rng.range(9, 14);
    cairo_new_path(cr);
    cairo_move_to(cr, x - 2, y + 3);
    cairo_line_to(cr, x + rng.range(-3, 3), y - rng.range(3, 9));
    cairo_line_to(cr, x + 2, y + 3);
    artsetcolor(cr, artmix(pal::moss, pal::teal, rng.range(0, 0.5)), 0.9);
    cairo_fill(cr);
  }
  for (int i = 0; i < 40; i++) {
    cairo_new_path(cr);
    cardellipse(cr, rng.range(0, w), rng.range(24, h - 4), rng.range(2, 4), rng.range(1, 2));
    artsetcolor(cr, pal::grey, 0.3);
    cairo_fill(cr);
  }
}

// ---- stars, coins, balls --------------------------------------------------------------------

void resultstar(cairo_t* cr, int kind, int w, int h) {
  double cx = w / 2.0, cy = h / 2.0 + 2, r = w * 0.46, in = r * 0.48;
  if (kind == 3) artglow(cr, cx, h / 2.0, w / 2.0 - 1, pal::mint, 0.7);
  if (kind == 2) artglow(cr, cx, h / 2.0, w / 2.0 - 1, pal::gold, 0.45);
  cairo_new_path(cr);
  cardstar(cr, cx, cy, r, in, 5);
  switch (kind) {
    case 1: {  // empty: a dark slot waiting for a star
      artsetcolor(cr, pal::ink, 0.55);
      cairo_fill_preserve(cr);
      artsetcolor(cr, pal::plum);
      cairo_set_line_width(cr, 3);
      cairo_stroke(cr);
      break;
    }
    case 2:
      artfilloutline(cr, artshade(pal::gold, 1.35), artshade(pal::gold, 0.8), cy - r, cy + r, 3.5);
      break;
    case 3:
      artfilloutline(cr, artshade(pal::gold, 1.5), pal::pumpkin, cy - r, cy + r, 3.5);
      break;
    default: {  // broken: two grey halves pulled apart along a jagged crack
      cairo_new_path(cr);
      double crack[6][2] = {{cx + 2, cy - r - 4}, {cx - 5, cy - r * 0.4}, {cx + 6, cy - r * 0.05},
                            {cx - 4, cy + r * 0.35}, {cx + 3, cy + r * 0.8}, {cx + 3, cy + r + 6}};
      for (int half = 0; half < 2; half++) {
        cairo_save(cr);
        cairo_new_path(cr);
        double edge = half ? w + 10.0 : -10.0;
        cairo_move_to(cr, edge, -10);
        for (auto& c : crack) cairo_line_to(cr, c[0], c[1]);
        cairo_line_to(cr, edge, h + 10.0);
        cairo_close_path(cr);
        cairo_clip(cr);
        cairo_translate(cr, cx, cy);
        cairo_rotate(cr, half ? 0.12 : -0.12);
        cairo_translate(cr, -cx + (half ? 3 : -3), -cy + 2);
        cairo_new_path(cr);
        cardstar(cr, cx, cy, r * 0.94, in * 0.94, 5);
        artfilloutline(cr, artshade(pal::grey, 1.15), artshade(pal::grey, 0.7), cy - r, cy + r, 3.5);
        cairo_new_path(cr);
        cardstar(cr, cx, cy, r * 0.94, in * 0.94, 5);
        cairo_clip(cr);  // the crack's edge stays inside the star
        cairo_new_path(cr);
        for (int i = 0; i < 6; i++) {
          if (i == 0)
            cairo_move_to(cr, crack[i][0], crack[i][1]);
          else
            cairo_line_to(cr, crack[i][0], crack[i][1]);
        }
        artsetcolor(cr, pal::ink);
        cairo_set_line_width(cr, 3.5);
        cairo_stroke(cr);
        cairo_restore(cr);
      }
      break;
    }
  }
  if (kind >= 2) {
    cairo_new_path(cr);
    cardellipse(cr, cx - r * 0.22, cy - r * 0.28, r * 0.16, r * 0.09);
    artsetcolor(cr, {1, 1, 1}, 0.45);
    cairo_fill(cr);
  }
  if (kind == 2 || kind == 3) {  // a happy face
    cardeye(cr, cx - r * 0.17, cy - r * 0.02, r * 0.09, 0, 0.3);
    cardeye(cr, cx + r * 0.17, cy - r * 0.02, r * 0.09, 0, 0.3);
    cardsmile(cr, cx, cy + r * 0.18, r * 0.14, r * 0.12, 2);
  }
  if (kind == 3) {  // strike sparkles
    double sp[3][3] = {{w - 10.0, 12, 7}, {10, 18, 5}, {w - 14.0, h - 14.0, 5}};
    for (auto& s : sp) {
      cardstar(cr, s[0], s[1], s[2], s[2] * 0.35, 4, 0);
      cardfillstroke(cr, {1, 1, 1}, 1);
    }
  }
}

void ball(cairo_t* cr, int w, int h) {
  double cx = w / 2.0, cy = h / 2.0, r = w / 2.0 - 2;
  artglow(cr, cx, cy, w / 2.0, pal::gold, 0.5);
  cairo_new_path(cr);
  circle(cr, cx, cy, r * 0.8);
  cairo_pattern_t* g = cairo_pattern_create_radial(cx - r * 0.3, cy - r * 0.3, 1, cx, cy, r * 0.8);
  cairo_pattern_add_color_stop_rgb(g, 0, pal::plum.r * 1.4, pal::plum.g * 1.4, pal::plum.b * 1.4);
  cairo_pattern_add_color_stop_rgb(g, 1, pal::purple.r * 0.8, pal::purple.g * 0.8, pal::purple.b * 0.8);
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  artsetcolor(cr, pal::gold, 0.9);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
}

void coin(cairo_t* cr, double cx, double cy, double r) {
  cairo_new_path(cr);
  cardellipse(cr, cx, cy + r * 0.18, r, r * 0.42);
  artfilloutline(cr, artshade(pal::pumpkin, 0.9), artshade(pal::pumpkin, 0.65), cy, cy + r * 0.6, 2);
  cairo_new_path(cr);
  cardellipse(cr, cx, cy, r, r * 0.42);
  artfilloutline(cr, artshade(pal::gold, 1.35), pal::gold, cy - r * 0.42, cy + r * 0.42, 2);
  cairo_new_path(cr);
  cardellipse(cr, cx, cy, r * 0.62, r * 0.24);
  artsetcolor(cr, artshade(pal::pumpkin, 0.9), 0.7);
  cairo_set_line_width(cr, 1.3);
  cairo_stroke(cr);
}

// The coins by the points bar. The game writes "x2" in the right half of this picture while
// points count double (centred 25 pixels right of the middle), so the stack stands in the
// left half and leaves that room free.
void balls(cairo_t* cr, int w, int h) {
  double sx = 24;
  artglow(cr, sx + 2, h / 2.0 + 4, 24, pal::gold, 0.4);
  for (int i = 0; i < 4; i++) coin(cr, sx - 2 + (i % 2) * 4, h - 16.0 - i * 8, 17);
  // one coin standing on its edge in front, with a skull stamp
  double fx = sx + 10, fy = h - 19.0;
  cairo_new_path(cr);
  circle(cr, fx, fy, 12.5);
  artfilloutline(cr, artshade(pal::gold, 1.35), artshade(pal::gold, 0.8), fy - 12.5, fy + 12.5, 2.2);
  cairo_new_path(cr);
  circle(cr, fx, fy, 8.5);
  artsetcolor(cr, artshade(pal::pumpkin, 0.85), 0.8);
  cairo_set_line_width(cr, 1.4);
  cairo_stroke(cr);
  cairo_new_path(cr);
  cardellipse(cr, fx, fy - 1, 4, 3.6);
  artsetcolor(cr, artshade(pal::pumpkin, 0.8));
  cairo_fill(cr);
  for (int side = -1; side <= 1; side += 2) {
    cairo_new_path(cr);
    circle(cr, fx + side * 1.6, fy - 1, 1.1);
    artsetcolor(cr, pal::gold);
    cairo_fill(cr);
  }
  cardstar(cr, 10, 14, 5.5, 2, 4, 0);
  cardfillstroke(cr, {1, 1, 1}, 0.8);
  (void)w;
}

// ---- signs ---------------------------------------------------------------------------------

struct signlook {
  const char* text;
  rgb top, bottom;  // plaque
  rgb letters;
  double size;
};

// A plaque with big round letters; wobble tilts it a little for the comic look.
void sign(cairo_t* cr, int w, int h, const signlook& s, double tilt) {
  cairo_save(cr);
  cairo_translate(cr, w / 2.0, h / 2.0);
  cairo_rotate(cr, tilt);
  // The plaque leaves room for its halo and its tilt: the halo reaches 8 pixels past the
  // plaque and fades out before the picture's border.
  double pw = w - 26, ph = h - 36;
  cairo_new_path(cr);
  artroundrect(cr, -pw / 2, -ph / 2, pw, ph, ph * 0.35);
  artsoft(cr, 1.5, 2.6, 0, 0, artshade(s.top, 1.4), 0.6);
  cairo_new_path(cr);
  artroundrect(cr, -pw / 2, -ph / 2, pw, ph, ph * 0.35);
  artfilloutline(cr, s.top, s.bottom, -ph / 2, ph / 2, 4);
  cairo_new_path(cr);
  artroundrect(cr, -pw / 2 + 5, -ph / 2 + 5, pw - 10, ph - 10, ph * 0.3);
  artsetcolor(cr, pal::bone, 0.45);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  cardtext(cr, "round", s.size, s.text, 0, 0, s.letters, s.size * 0.16, pw - 30);
  cairo_restore(cr);
}

void sparkles(cairo_t* cr, int w, int h, uint32_t seed, int n) {
  cardrng rng(seed);
  for (int i = 0; i < n; i++) {
    double r = rng.range(4, 8);
    double x = i % 2 ? rng.range(r + 2, 30) : rng.range(w - 30, w - r - 2), y = rng.range(r + 2, h - r - 2);
    cardstar(cr, x, y, r, r * 0.35, 4, 0);
    cardfillstroke(cr, i % 3 ? pal::gold : rgb{1, 1, 1}, 1);
  }
}

void invalidsign(cairo_t* cr, int w, int h) {
  double cx = w / 2.0, cy = h / 2.0, r = w / 2.0 - 6;
  artglow(cr, cx, cy, w / 2.0, pal::blood, 0.5);
  cairo_new_path(cr);
  circle(cr, cx, cy, r);
  artfilloutline(cr, artshade(pal::blood, 1.3), artshade(pal::blood, 0.8), cy - r, cy + r, 3.5);
  double k = r * 0.45;
  for (int pass = 0; pass < 2; pass++) {
    cairo_new_path(cr);
    cairo_move_to(cr, cx - k, cy - k);
    cairo_line_to(cr, cx + k, cy + k);
    cairo_move_to(cr, cx + k, cy - k);
    cairo_line_to(cr, cx - k, cy + k);
    artsetcolor(cr, pass ? pal::bone : pal::ink);
    cairo_set_line_width(cr, pass ? 8 : 13);
    cairo_stroke(cr);
  }
}

void enddrive(cairo_t* cr, int w, int h) {
  cairo_save(cr);
  cairo_translate(cr, w / 2.0, h / 2.0);
  cairo_rotate(cr, -0.12);
  cairo_new_path(cr);
  artroundrect(cr, -w / 2.0 + 5, -h / 2.0 + 8, w - 10, h - 16, 12);
  artfilloutline(cr, artshade(pal::pumpkin, 1.2), artmix(pal::pumpkin, pal::blood, 0.5), -h / 2.0, h / 2.0, 3);
  cardtext(cr, "comic", 20, "END", 0, -10, pal::bone, 3.8, w - 24);
  cardtext(cr, "comic", 20, "DRIVE!", 0, 10, pal::gold, 3.8, w - 18);
  cairo_restore(cr);
}

void tutorialsign(cairo_t* cr, int w, int h) {
  // The panel for tutorial pages and the no-moves question: the title line at y 34 on a
  // ribbon, up to three lines of text from y 40 to 100, two buttons at y 121.
  double x = 6, y = 12, pw = w - 12, ph = h - 20;
  cairo_new_path(cr);
  artroundrect(cr, x + 1, y + 2, pw - 2, ph - 2, 22);
  artsoft(cr, 0, 1.6, 0, 3, pal::ink, 0.5);
  cairo_new_path(cr);
  artroundrect(cr, x, y, pw, ph, 22);
  artfilloutline(cr, artmix(pal::gold, pal::pumpkin, 0.45), artshade(pal::pumpkin, 0.5), y, y + ph, 3.5);
  cairo_new_path(cr);
  artroundrect(cr, x + 7, y + 7, pw - 14, ph - 14, 16);
  cairo_pattern_t* g = cairo_pattern_create_radial(w / 2.0, h * 0.45, 10, w / 2.0, h / 2.0, w * 0.6);
  rgb in0 = artmix(pal::purple, pal::night, 0.3), in1 = artshade(pal::night, 0.5);
  cairo_pattern_add_color_stop_rgb(g, 0, in0.r, in0.g, in0.b);
  cairo_pattern_add_color_stop_rgb(g, 1, in1.r, in1.g, in1.b);
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  artsetcolor(cr, pal::ink, 0.85);
  cairo_set_line_width(cr, 2.5);
  cairo_stroke(cr);
  cardrng rng(0x7051);
  for (int i = 0; i < 24; i++) {  // faint stars in the slate
    cairo_new_path(cr);
    circle(cr, rng.range(24, w - 24.0), rng.range(50, h - 24.0), rng.range(0.6, 1.4));
    artsetcolor(cr, pal::bone, rng.range(0.08, 0.25));
    cairo_fill(cr);
  }
  // the title ribbon with folded tails
  for (int side = -1; side <= 1; side += 2) {
    double x0 = w / 2.0 + side * 120, x1 = w / 2.0 + side * 152;
    cairo_new_path(cr);
    cairo_move_to(cr, x0, 28);
    cairo_line_to(cr, x1, 30);
    cairo_line_to(cr, x1 - side * 10, 39);
    cairo_line_to(cr, x1, 48);
    cairo_line_to(cr, x0, 46);
    cairo_close_path(cr);
    artfilloutline(cr, artshade(pal::teal, 0.8), artshade(pal::teal, 0.5), 28, 48, 2.5);
  }
  cairo_new_path(cr);
  artroundrect(cr, w / 2.0 - 130, 20, 260, 28, 12);
  artfilloutline(cr, artmix(pal::teal, pal::mint, 0.15), artmix(pal::teal, pal::night, 0.5), 20, 48, 2.5);
  cairo_new_path(cr);
  artroundrect(cr, w / 2.0 - 122, 24, 244, 7, 4);
  artsetcolor(cr, {1, 1, 1}, 0.15);
  cairo_fill(cr);
  // a little bat friend hanging on the corner, and cobwebs
  cairo_save(cr);
  cairo_translate(cr, w - 40, 34);
  cairo_new_path(cr);
  cairo_move_to(cr, 0, -2);
  cairo_curve_to(cr, 5, -10, 14, -10, 22, -4);
  cairo_curve_to(cr, 16, -2, 14, 2, 12, 5);
  cairo_curve_to(cr, 8, 1, 4, 2, 0, 6);
  cairo_curve_to(cr, -4, 2, -8, 1, -12, 5);
  cairo_curve_to(cr, -14, 2, -16, -2, -22, -4);
  cairo_curve_to(cr, -14, -10, -5, -10, 0, -2);
  cairo_close_path(cr);
  cardfillstroke(cr, pal::ink, 0);
  cardeye(cr, -2.5, -2, 1.8, 0, 0.3);
  cardeye(cr, 2.5, -2, 1.8, 0, 0.3);
  cairo_restore(cr);
  for (int side = 0; side < 2; side++) {
    double cx = side ? w - 16.0 : 16.0, cy = h - 14.0;
    for (int i = 0; i <= 3; i++) {
      double a = -M_PI / 2 * i / 3.0;
      cairo_new_path(cr);
      cairo_move_to(cr, cx, cy);
      cairo_line_to(cr, cx + (side ? -1 : 1) * 24 * std::cos(a), cy + 24 * std::sin(a));
      artsetcolor(cr, pal::bone, 0.3);
      cairo_set_line_width(cr, 1);
      cairo_stroke(cr);
    }
  }
}

}  // namespace

void tablepicture(cairo_t* cr, const std::string& name, int w, int h) {
  if (name == "head") {
    artglow(cr, w / 2.0, h / 2.0 + 2, w / 2.0, pal::mint, 0.5);
    zombiehead(cr, w / 2.0, h / 2.0 + 3, w * 0.38);
  } else if (name == "cardometer") {
    cardometer(cr, w, h);
  } else if (name == "flowerbar") {
    flowerbar(cr, w, h);
  } else if (name == "flowerbar2") {
    flowerbar2(cr, w, h);
  } else if (name == "extrabar") {
    extrabar(cr, w, h);
  } else if (name.size() == 5 && name.compare(0, 4, "star") == 0) {
    resultstar(cr, name[4] - '0', w, h);
  } else if (name == "combobar") {
    combobar(cr, w, h);
  } else if (name == "combobar-fill") {
    combofill(cr, w, h);
  } else if (name == "pointsbar") {
    pointsbar(cr, w, h);
  } else if (name == "ball") {
    ball(cr, w, h);
  } else if (name == "balls") {
    balls(cr, w, h);
  } else if (name == "gameui-up") {
    gameuiup(cr, w, h);
  } else if (name == "gameui-down") {
    gameuidown(cr, w, h);
  } else if (name == "solvedsign") {
    sign(cr, w, h, {"Solved!", artmix(pal::teal, pal::mint, 0.3), artmix(pal::teal, pal::night, 0.5), pal::gold, 62}, -0.04);
    sparkles(cr, w, h, 0x501, 4);
  } else if (name == "strikesign") {
    sign(cr, w, h, {"Strike!", pal::gold, pal::pumpkin, pal::bone, 64}, -0.06);
    sparkles(cr, w, h, 0x571, 8);
  } else if (name == "failsign") {
    sign(cr, w, h, {"Failed", artmix(pal::grey, pal::purple, 0.4), artmix(pal::blood, pal::ink, 0.45), pal::bone, 60},
         0.05);
  } else if (name == "play") {
    sign(cr, w, h, {"Let's play!", artmix(pal::purple, pal::plum, 0.5), pal::night, pal::gold, 48}, -0.03);
  } else if (name == "play-sign") {
    sign(cr, w, h, {"Go!", pal::pumpkin, artmix(pal::pumpkin, pal::blood, 0.6), pal::bone, 54}, 0.04);
  } else if (name == "enddrive") {
    enddrive(cr, w, h);
  } else if (name == "invalid-sign") {
    invalidsign(cr, w, h);
  } else if (name == "cleared-sign") {
    sign(cr, w, h, {"Cleared!", artmix(pal::moss, pal::mint, 0.3), artmix(pal::moss, pal::night, 0.5), pal::bone, 30}, -0.05);
  } else if (name == "longdrive-sign") {
    sign(cr, w, h, {"Long drive!", artmix(pal::pumpkin, pal::gold, 0.3), artmix(pal::blood, pal::purple, 0.3), pal::bone, 64},
         -0.05);
    sparkles(cr, w, h, 0x10d, 6);
  } else if (name == "tutorialsign") {
    tutorialsign(cr, w, h);
  } else {
    forgeerror("no drawing for table picture " + name);
  }
}
