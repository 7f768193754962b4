// The adventure map's pictures (markers, bars, stage cards, signs) and the parchment
// journey map that unrolls over it.
#include "tools/forge/forge.h"
#include "tools/forge/forge_pictures_ui_kit.h"
#include <cmath>

using namespace uikit;

namespace {

const rgb parch{0.93, 0.84, 0.64}, parchdark{0.76, 0.6, 0.38}, inkbrown{0.36, 0.2, 0.12};

void star(cairo_t* cr, double cx, double cy, double ro, double ri) {
  cairo_new_path(cr);
  for (int i = 0; i < 10; i++) {
    double a = -M_PI / 2 + i * M_PI / 5, r = i % 2 ? ri : ro;
    if (i == 0) cairo_move_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
    else cairo_line_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
  }
  cairo_close_path(cr);
}

// Level markers: 0 the frontier's pulsing glow, 1 open, 2 spare (silver), 3 cleared, 4 solved.
void marker(cairo_t* cr, int w, int h, int kind) {
  double cx = w / 2.0, cy = h / 2.0;
  if (kind == 0) {
    artglow(cr, cx, cy, w / 2.0, pal::gold, 0.95);
    star(cr, cx, cy, 14, 6);
    artsetcolor(cr, rgb{1, 1, 1}, 0.7);
    cairo_fill(cr);
    return;
  }
  cairo_arc(cr, cx, cy + 1.5, 16, 0, 2 * M_PI);
  artsetcolor(cr, pal::ink, 0.6);
  cairo_fill(cr);
  cairo_arc(cr, cx, cy, 15, 0, 2 * M_PI);
  rgb base = kind == 1 ? artmix(pal::night, pal::purple, 0.5) : kind == 2 ? pal::grey : kind == 3 ? pal::teal : pal::plum;
  artfilloutline(cr, artshade(base, 1.3), artshade(base, 0.7), cy - 15, cy + 15, 3);
  if (kind == 1) {
    cairo_arc(cr, cx, cy, 5, 0, 2 * M_PI);
    artsetcolor(cr, pal::bone, 0.7);
    cairo_fill(cr);
  } else {
    rgb sc = kind == 4 ? pal::gold : kind == 3 ? pal::bone : artshade(pal::grey, 1.4);
    star(cr, cx, cy, 11, 4.8);
    artfilloutline(cr, artshade(sc, 1.2), artshade(sc, 0.8), cy - 11, cy + 11, 2);
  }
}

void mapstory(cairo_t* cr, int w, int h) {
  // A pumpkin-coloured ring with little bat wings: this level opens a story chapter.
  double cx = w / 2.0, cy = h / 2.0;
  for (int s = -1; s <= 1; s += 2) {
    cairo_move_to(cr, cx + s * 16, cy - 6);
    cairo_curve_to(cr, cx + s * 24, cy - 16, cx + s * 28, cy - 14, cx + s * 27, cy - 8);
    cairo_curve_to(cr, cx + s * 24, cy - 6, cx + s * 24, cy, cx + s * 26, cy + 4);
    cairo_curve_to(cr, cx + s * 22, cy + 2, cx + s * 20, cy + 4, cx + s * 17, cy + 8);
    cairo_close_path(cr);
    artsetcolor(cr, pal::ink);
    cairo_fill(cr);
  }
  cairo_arc(cr, cx, cy, 20, 0, 2 * M_PI);
  cairo_arc_negative(cr, cx, cy, 14, 2 * M_PI, 0);
  artfilloutline(cr, artshade(pal::pumpkin, 1.2), artshade(pal::pumpkin, 0.7), cy - 20, cy + 20, 3);
}

void bardown(cairo_t* cr, int w, int h) {
  // A wooden plank bar with a bone trim; its top edge sags a little in the middle.
  rgb wood{0.36, 0.22, 0.30};
  cairo_move_to(cr, 0, 18);
  cairo_curve_to(cr, w * 0.3, 10, w * 0.7, 10, w, 18);
  cairo_line_to(cr, w, h);
  cairo_line_to(cr, 0, h);
  cairo_close_path(cr);
  artfilloutline(cr, artshade(wood, 1.3), artshade(wood, 0.6), 10, h, 0);
  cairo_move_to(cr, 0, 18);
  cairo_curve_to(cr, w * 0.3, 10, w * 0.7, 10, w, 18);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 8);
  cairo_stroke_preserve(cr);
  artsetcolor(cr, artmix(pal::gold, pal::pumpkin, 0.4));
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  prng rnd(404);
  for (double x = 0; x < w; x += rnd.range(90, 160)) {
    cairo_move_to(cr, x, 24);
    cairo_line_to(cr, x + rnd.range(-4, 4), h);
  }
  artsetcolor(cr, pal::ink, 0.4);
  cairo_set_line_width(cr, 2.5);
  cairo_stroke(cr);
  for (int i = 0; i < 60; i++) {
    double x = rnd.range(0, w), y = rnd.range(30, h - 10);
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x + rnd.range(20, 60), y + rnd.range(-1, 1));
  }
  artsetcolor(cr, artshade(wood, 0.6), 0.5);
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
  // a dark groove where the arrows and page dots sit
  artroundrect(cr, w / 2.0 - 170, h / 2.0 - 24, 340, 48, 24);
  artsetcolor(cr, pal::ink, 0.35);
  cairo_fill(cr);
  for (double x : {30.0, w - 30.0}) rivet(cr, x, h / 2.0 + 6, 6);
}

void barup(cairo_t* cr, int w, int h) {
  rgb wood{0.36, 0.22, 0.30};
  double bottom = h - 20;
  cairo_move_to(cr, 0, 0);
  cairo_line_to(cr, w, 0);
  cairo_line_to(cr, w, bottom);
  // scalloped lower edge with a deeper bay in the middle for the title
  for (double x = w; x > 0; x -= 40) {
    double mid = std::fabs(x - 20 - w / 2.0) < 250 ? 16 : 0;
    cairo_curve_to(cr, x - 10, bottom + 10 + mid, x - 30, bottom + 10 + mid, x - 40, bottom + (mid > 0 && x - 40 > w / 2.0 - 230 ? mid * 0.5 : 0));
  }
  cairo_close_path(cr);
  cairo_path_t* p = cairo_copy_path(cr);
  artfilloutline(cr, artshade(wood, 1.2), artshade(wood, 0.55), 0, h, 0);
  cairo_append_path(cr, p);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 8);
  cairo_stroke_preserve(cr);
  artsetcolor(cr, artmix(pal::gold, pal::pumpkin, 0.4));
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  cairo_path_destroy(p);
  prng rnd(405);
  for (int i = 0; i < 60; i++) {
    double x = rnd.range(0, w), y = rnd.range(6, bottom - 6);
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x + rnd.range(20, 60), y + rnd.range(-1, 1));
  }
  artsetcolor(cr, artshade(wood, 0.6), 0.5);
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
  cobweb(cr, 0, 0, 60, 0);
  cobweb(cr, w, 0, 60, 1);
  bat(cr, w / 2.0 - 260, bottom + 4, 0.7);
  bat(cr, w / 2.0 + 260, bottom + 4, 0.7);
}

void stageshadow(cairo_t* cr, int w, int h) {
  // The card's shadow: a blurred rounded box a little lower than the card, fading out
  // well inside the picture.
  artroundrect(cr, 14, 14, w - 28, h - 30, 14);
  artsoft(cr, 0, 3.4, 0, 2, pal::ink, 0.7);
}

// The nine stage pictures: a framed little scene for each group of three stages.
void mappic(cairo_t* cr, int w, int h, int n) {
  double fx = 4, fy = 4, fw = w - 8, fh = h - 8;
  artroundrect(cr, fx, fy, fw, fh, 14);
  artfilloutline(cr, pal::bone, artshade(pal::bone, 0.75), fy, fy + fh, 4);
  cairo_save(cr);
  double ix = fx + 9, iy = fy + 9, iw = fw - 18, ih = fh - 18;
  artroundrect(cr, ix, iy, iw, ih, 8);
  cairo_clip(cr);
  cairo_translate(cr, ix, iy);
  static const rgb tops[9] = {{0.10, 0.07, 0.25}, {0.18, 0.08, 0.28}, {0.05, 0.14, 0.22},
                              {0.05, 0.07, 0.26}, {0.06, 0.14, 0.16}, {0.15, 0.06, 0.24},
                              {0.04, 0.09, 0.28}, {0.04, 0.12, 0.24}, {0.14, 0.04, 0.16}};
  static const rgb bots[9] = {{0.55, 0.30, 0.55}, {0.90, 0.48, 0.22}, {0.22, 0.52, 0.50},
                              {0.28, 0.32, 0.60}, {0.25, 0.46, 0.38}, {0.62, 0.32, 0.48},
                              {0.32, 0.42, 0.70}, {0.20, 0.48, 0.60}, {0.66, 0.20, 0.28}};
  rgb top = tops[n - 1], bot = bots[n - 1];
  sky(cr, iw, ih, top, bot, 900 + n, 30, ih * 0.6);
  moon(cr, iw * (n % 2 ? 0.8 : 0.2), ih * 0.25, 14, n == 9 ? rgb{1, 0.55, 0.35} : pal::bone);
  rgb far = artmix(top, pal::ink, 0.3), nearc = artshade(top, 0.55);
  hill(cr, iw, ih, ih * 0.7, 8, n * 0.7, 40, artmix(far, bot, 0.3), far, 0);
  switch (n) {
    case 1:
      for (int i = 0; i < 4; i++) tombstone(cr, 30 + i * 55, ih * 0.84, 0.45, (i - 2) * 5.0, i % 3);
      tree(cr, iw - 30, ih * 0.86, 0.6, 901, nearc);
      break;
    case 2:
      for (int i = 0; i < 5; i++) pumpkin(cr, 25 + i * 48, ih * 0.9, 0.55 + 0.1 * (i % 2), i % 2 == 0);
      break;
    case 3:
      cairo_rectangle(cr, 0, ih * 0.75, iw, ih);
      artsetcolor(cr, artmix(pal::teal, pal::night, 0.5), 0.8);
      cairo_fill(cr);
      tree(cr, 40, ih * 0.85, 0.55, 903, nearc);
      mist(cr, iw, ih * 0.75, 16, pal::mint, 0.3, 903);
      break;
    case 4:
      house(cr, 60, ih * 0.88, 0.5, 904, true);
      house(cr, 150, ih * 0.86, 0.42, 905, true);
      break;
    case 5:
      for (int i = 0; i < 5; i++) tree(cr, 20 + i * 50, ih * 0.9, 0.45 + 0.1 * (i % 2), 906 + i, nearc);
      ghost(cr, iw * 0.55, ih * 0.5, 0.4);
      break;
    case 6: {
      cairo_save(cr);
      cairo_translate(cr, iw * 0.6, ih * 0.82);
      cairo_scale(cr, 0.4, 0.4);
      artsetcolor(cr, nearc);
      cairo_rectangle(cr, -70, -90, 110, 90);
      cairo_rectangle(cr, 30, -170, 44, 170);
      cairo_move_to(cr, 24, -168);
      cairo_line_to(cr, 52, -240);
      cairo_line_to(cr, 80, -168);
      cairo_fill(cr);
      cairo_restore(cr);
      tombstone(cr, 40, ih * 0.88, 0.45, -5, 1);
      break;
    }
    case 7: {
      cairo_move_to(cr, 0, ih * 0.75);
      cairo_line_to(cr, iw * 0.25, ih * 0.25);
      cairo_line_to(cr, iw * 0.45, ih * 0.6);
      cairo_line_to(cr, iw * 0.7, ih * 0.2);
      cairo_line_to(cr, iw, ih * 0.7);
      cairo_line_to(cr, iw, ih);
      cairo_line_to(cr, 0, ih);
      cairo_close_path(cr);
      artfilloutline(cr, artmix(far, pal::bone, 0.25), far, ih * 0.2, ih, 0);
      break;
    }
    case 8: {
      cairo_rectangle(cr, 0, ih * 0.68, iw, ih);
      artsetcolor(cr, artmix(pal::teal, pal::night, 0.4));
      cairo_fill(cr);
      cairo_move_to(cr, iw * 0.6, ih);
      cairo_line_to(cr, iw * 0.7, ih * 0.62);
      cairo_line_to(cr, iw, ih * 0.6);
      cairo_line_to(cr, iw, ih);
      artsetcolor(cr, nearc);
      cairo_fill(cr);
      cairo_rectangle(cr, iw * 0.8, ih * 0.25, 14, ih * 0.38);
      artfilloutline(cr, pal::bone, artshade(pal::bone, 0.6), ih * 0.25, ih * 0.63, 2.5);
      artglow(cr, iw * 0.8 + 7, ih * 0.25, 26, pal::gold, 0.7);
      break;
    }
    case 9:
      for (int i = 0; i < 4; i++) bat(cr, 40 + i * 50, 30 + (i % 2) * 18, 0.6);
      cairo_rectangle(cr, iw * 0.45, ih * 0.35, 30, ih * 0.5);
      cairo_move_to(cr, iw * 0.45 - 6, ih * 0.35);
      cairo_line_to(cr, iw * 0.45 + 15, ih * 0.12);
      cairo_line_to(cr, iw * 0.45 + 36, ih * 0.35);
      artsetcolor(cr, nearc);
      cairo_fill(cr);
      break;
  }
  // the markers row sits a little below the middle: a soft dark band keeps them readable
  cairo_rectangle(cr, 0, ih / 2.0 + 20 - 22, iw, 44);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, ih / 2.0 - 2, 0, ih / 2.0 + 42);
  cairo_pattern_add_color_stop_rgba(g, 0, 0.1, 0.06, 0.14, 0);
  cairo_pattern_add_color_stop_rgba(g, 0.5, 0.1, 0.06, 0.14, 0.35);
  cairo_pattern_add_color_stop_rgba(g, 1, 0.1, 0.06, 0.14, 0);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  cairo_restore(cr);
  artroundrect(cr, ix, iy, iw, ih, 8);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  // a pin at the top
  cairo_arc(cr, w / 2.0, 10, 7, 0, 2 * M_PI);
  artfilloutline(cr, artshade(pal::blood, 1.4), pal::blood, 3, 17, 2.5);
}

void mapsign(cairo_t* cr, int w, int h) {
  rgb wood{0.45, 0.28, 0.18};
  cairo_move_to(cr, 14, 6);
  cairo_line_to(cr, w - 26, 5);
  cairo_line_to(cr, w - 6, h / 2.0);
  cairo_line_to(cr, w - 26, h - 6);
  cairo_line_to(cr, 14, h - 5);
  cairo_line_to(cr, 5, h / 2.0);
  cairo_close_path(cr);
  artfilloutline(cr, artshade(wood, 1.2), artshade(wood, 0.65), 5, h - 5, 4);
  artroundrect(cr, 18, 11, w - 50, h - 22, 8);
  artsetcolor(cr, pal::ink, 0.3);
  cairo_fill(cr);
  rivet(cr, 14, h / 2.0, 3.5);
}

void hook(cairo_t* cr, int w, int h) {
  // The stroke is 18 pixels wide; its ends and its glow stay inside the picture.
  auto tick = [&]() {
    cairo_move_to(cr, 14, h * 0.52);
    cairo_line_to(cr, w * 0.38, h - 14);
    cairo_curve_to(cr, w * 0.52, h * 0.55, w * 0.7, h * 0.3, w - 14, 13);
  };
  tick();
  artsoftline(cr, 20, 1.5, 0, 0, pal::mint, 0.5);
  tick();
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 18);
  cairo_stroke_preserve(cr);
  artsetcolor(cr, rgb{0.45, 0.9, 0.45});
  cairo_set_line_width(cr, 9);
  cairo_stroke_preserve(cr);
  artsetcolor(cr, rgb{1, 1, 1}, 0.35);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
}

void selector(cairo_t* cr, int w, int h, int full) {
  cairo_arc(cr, w / 2.0, h / 2.0, w / 2.0 - 3, 0, 2 * M_PI);
  if (full) artfilloutline(cr, artshade(pal::gold, 1.3), pal::pumpkin, 3, h - 3, 3);
  else artfilloutline(cr, artshade(pal::night, 1.2), artshade(pal::purple, 0.6), 3, h - 3, 3);
}

// ---- the journey map ---------------------------------------------------------------------------

// The path of the journey in the sheet's own pixels, point k for level k.
const int pathpts[105][2] = {
    {35, 630},  {75, 655},  {110, 650}, {130, 630}, {122, 620}, {108, 615}, {90, 612},  {75, 608},  {59, 605},
    {45, 600},  {20, 597},  {45, 590},  {70, 591},  {95, 591},  {125, 591}, {160, 591}, {188, 590}, {209, 588},
    {232, 585}, {250, 578}, {320, 570}, {338, 590}, {356, 590}, {374, 590}, {392, 590}, {410, 590}, {428, 590},
    {443, 580}, {447, 565}, {441, 550}, {432, 535}, {410, 523}, {422, 510}, {434, 500}, {446, 494}, {458, 491},
    {470, 492}, {482, 492}, {494, 492}, {506, 492}, {518, 491}, {530, 490}, {542, 490}, {554, 489}, {566, 480},
    {578, 475}, {590, 470}, {602, 466}, {617, 463}, {635, 451}, {615, 435}, {565, 428}, {530, 438}, {495, 445},
    {460, 441}, {425, 426}, {405, 405}, {390, 388}, {380, 370}, {395, 360}, {410, 360}, {425, 360}, {440, 360},
    {455, 360}, {470, 360}, {485, 350}, {493, 338}, {489, 326}, {470, 314}, {460, 294}, {482, 270}, {475, 250},
    {465, 240}, {454, 226}, {462, 216}, {475, 209}, {485, 200}, {492, 188}, {498, 175}, {512, 164}, {540, 152},
    {567, 137}, {596, 125}, {630, 111}, {670, 99},  {710, 97},  {760, 108}, {805, 138}, {790, 190}, {755, 150},
    {800, 105}, {850, 70},  {830, 50},  {810, 62},  {801, 78},  {786, 90},  {761, 92},  {736, 81},  {720, 65},
    {718, 55},  {712, 44},  {706, 33},  {700, 22},  {703, 12},  {703, 12}};

void parchment(cairo_t* cr, double x, double y, double w, double h, uint32_t seed) {
  prng rnd(seed);
  cairo_rectangle(cr, x, y, w, h);
  cairo_pattern_t* g = cairo_pattern_create_radial(x + w / 2, y + h / 2, 10, x + w / 2, y + h / 2, std::fmax(w, h) * 0.7);
  cairo_pattern_add_color_stop_rgb(g, 0, parch.r, parch.g, parch.b);
  cairo_pattern_add_color_stop_rgb(g, 1, parchdark.r, parchdark.g, parchdark.b);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  for (int i = 0; i < int(w * h / 4000); i++) {
    artsetcolor(cr, inkbrown, rnd.range(0.02, 0.08));
    cairo_arc(cr, x + rnd.range(0, w), y + rnd.range(0, h), rnd.range(3, 18), 0, 2 * M_PI);
    cairo_fill(cr);
  }
}

void sheet(cairo_t* cr, int w, int h) {
  double top = 14, bottom = h - 14;
  cairo_save(cr);
  cairo_rectangle(cr, 0, top, w, bottom - top);
  cairo_clip(cr);
  parchment(cr, 0, top, w, bottom - top, 2700);
  // sea in the upper right, a forest and mountains along the way, drawn as ink sketches
  cairo_move_to(cr, 560, top);
  cairo_curve_to(cr, 600, 60, 650, 40, 700, 70);
  cairo_curve_to(cr, 760, 40, 880, 40, w, 120);
  cairo_line_to(cr, w, top);
  cairo_close_path(cr);
  artsetcolor(cr, pal::teal, 0.25);
  cairo_fill_preserve(cr);
  artsetcolor(cr, inkbrown, 0.6);
  cairo_set_line_width(cr, 2.5);
  cairo_stroke(cr);
  artsetcolor(cr, inkbrown, 0.35);
  cairo_set_line_width(cr, 1.5);
  for (int i = 0; i < 10; i++) {  // little waves
    double wx = 640 + (i % 5) * 45, wy = 30 + (i / 5) * 22;
    cairo_move_to(cr, wx, wy);
    cairo_curve_to(cr, wx + 5, wy - 5, wx + 10, wy - 5, wx + 15, wy);
    cairo_curve_to(cr, wx + 20, wy - 5, wx + 25, wy - 5, wx + 30, wy);
  }
  cairo_stroke(cr);
  auto mountain = [&](double x, double y, double s) {
    cairo_move_to(cr, x - 30 * s, y);
    cairo_line_to(cr, x, y - 40 * s);
    cairo_line_to(cr, x + 30 * s, y);
    artsetcolor(cr, inkbrown, 0.15);
    cairo_fill_preserve(cr);
    artsetcolor(cr, inkbrown, 0.6);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    cairo_move_to(cr, x, y - 40 * s);
    cairo_line_to(cr, x + 8 * s, y - 12 * s);
    cairo_stroke(cr);
  };
  const double mts[][3] = {{260, 300, 1.2}, {310, 290, 1.5}, {360, 240, 1.0}, {600, 300, 1.3}, {650, 320, 1.0},
                           {250, 180, 1.0}, {380, 130, 1.3}, {620, 230, 1.1}, {700, 380, 1.2}};
  for (auto& m : mts) mountain(m[0], m[1], m[2]);
  auto smalltree = [&](double x, double y) {
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x, y - 10);
    artsetcolor(cr, inkbrown, 0.6);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    cairo_move_to(cr, x - 8, y - 8);
    cairo_line_to(cr, x, y - 26);
    cairo_line_to(cr, x + 8, y - 8);
    cairo_close_path(cr);
    artsetcolor(cr, pal::moss, 0.45);
    cairo_fill_preserve(cr);
    artsetcolor(cr, inkbrown, 0.6);
    cairo_stroke(cr);
  };
  prng rnd(2701);
  for (int i = 0; i < 40; i++) {
    double x = rnd.range(160, 360), y = rnd.range(400, 540);
    smalltree(x, y);
  }
  for (int i = 0; i < 24; i++) smalltree(rnd.range(620, 840), rnd.range(420, 700));
  for (int i = 0; i < 14; i++) smalltree(rnd.range(160, 260), rnd.range(660, 740));
  // a river
  cairo_move_to(cr, 0, 520);
  cairo_curve_to(cr, 120, 500, 180, 560, 300, 520);
  cairo_curve_to(cr, 380, 490, 360, 440, 420, 460);
  artsetcolor(cr, pal::teal, 0.5);
  cairo_set_line_width(cr, 7);
  cairo_stroke(cr);
  // the journey's dotted trail
  double dash[] = {2, 9};
  cairo_set_dash(cr, dash, 2, 0);
  cairo_move_to(cr, pathpts[0][0], pathpts[0][1]);
  for (int k = 1; k <= 104; k++) cairo_line_to(cr, pathpts[k][0], pathpts[k][1]);
  artsetcolor(cr, pal::blood, 0.7);
  cairo_set_line_width(cr, 4);
  cairo_stroke(cr);
  cairo_set_dash(cr, nullptr, 0, 0);
  // compass rose in the lower right
  double cx = 800, cy = 640;
  cairo_arc(cr, cx, cy, 40, 0, 2 * M_PI);
  artsetcolor(cr, inkbrown, 0.6);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  for (int i = 0; i < 4; i++) {
    double a = i * M_PI / 2;
    cairo_move_to(cr, cx + 52 * std::cos(a - M_PI / 2), cy + 52 * std::sin(a - M_PI / 2));
    cairo_line_to(cr, cx + 10 * std::cos(a), cy + 10 * std::sin(a));
    cairo_line_to(cr, cx - 10 * std::cos(a), cy - 10 * std::sin(a));
    cairo_close_path(cr);
    artsetcolor(cr, i == 0 ? pal::blood : inkbrown, 0.7);
    cairo_fill(cr);
  }
  cairo_restore(cr);
  // torn upper and lower edges, darker at the rim
  for (int edge = 0; edge < 2; edge++) {
    double y = edge ? bottom : top;
    artsetcolor(cr, inkbrown, 0.7);
    cairo_set_line_width(cr, 3);
    cairo_move_to(cr, 0, y);
    prng er(2702 + edge);
    for (double x = 0; x <= w; x += 12) cairo_line_to(cr, x, y + er.range(-2, 2));
    cairo_stroke(cr);
  }
}

// A roll of parchment standing upright, with wooden knobs at both ends.
void rollcylinder(cairo_t* cr, double cx, double top, double bottom, double r) {
  cairo_rectangle(cr, cx - r, top, 2 * r, bottom - top);
  cairo_pattern_t* g = cairo_pattern_create_linear(cx - r, 0, cx + r, 0);
  cairo_pattern_add_color_stop_rgb(g, 0, parchdark.r * 0.7, parchdark.g * 0.7, parchdark.b * 0.7);
  cairo_pattern_add_color_stop_rgb(g, 0.35, parch.r, parch.g, parch.b);
  cairo_pattern_add_color_stop_rgb(g, 1, parchdark.r * 0.6, parchdark.g * 0.6, parchdark.b * 0.6);
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 3.5);
  cairo_stroke(cr);
  for (double y : {top, bottom}) {  // wooden knobs
    cairo_save(cr);
    cairo_translate(cr, cx, y);
    cairo_scale(cr, 1, 0.45);
    cairo_arc(cr, 0, 0, r + 6, 0, 2 * M_PI);
    cairo_restore(cr);
    artfilloutline(cr, rgb{0.55, 0.32, 0.2}, rgb{0.3, 0.16, 0.1}, y - 10, y + 10, 3);
  }
}

// One end of the unrolled sheet (side 0 left, 1 right): its roll and a strip of paper toward the middle.
void sheetend(cairo_t* cr, int w, int h, int side) {
  double top = 14, bottom = h - 14;
  // the paper strip that joins the middle sheet
  double px0 = side == 0 ? 70 : 0, px1 = side == 0 ? w : 50;
  parchment(cr, px0, top, px1 - px0, bottom - top, 2800 + side);
  double cx = side == 0 ? 62 : 58;
  rollcylinder(cr, cx, top + 6, bottom - 6, 26);
}

void roll(cairo_t* cr, int w, int h) {
  double top = 20, bottom = h - 20;
  parchment(cr, w / 2.0 - 40, top + 4, 80, bottom - top - 8, 2900);
  rollcylinder(cr, w / 2.0 - 40, top + 6, bottom - 6, 30);
  rollcylinder(cr, w / 2.0 + 40, top + 6, bottom - 6, 30);
  // a red ribbon round the middle
  cairo_rectangle(cr, w / 2.0 - 74, h / 2.0 - 14, 148, 28);
  artfilloutline(cr, artshade(pal::blood, 1.3), artshade(pal::blood, 0.7), h / 2.0 - 14, h / 2.0 + 14, 3);
  cairo_arc(cr, w / 2.0, h / 2.0, 18, 0, 2 * M_PI);
  artfilloutline(cr, artshade(pal::blood, 1.2), artshade(pal::blood, 0.6), h / 2.0 - 18, h / 2.0 + 18, 3);
}

void rollsmall(cairo_t* cr, int w, int h, int glowing) {
  double r = 16, x0 = 22, x1 = w - 22, cy = h / 2.0;
  if (glowing) {  // a golden halo hugging the roll, fading out inside the picture
    artroundrect(cr, x0 - 8, cy - r - 2, x1 - x0 + 16, 2 * r + 4, r);
    artsoft(cr, 2, 4, 0, 0, pal::gold, 0.95);
  }
  cairo_rectangle(cr, x0, cy - r, x1 - x0, 2 * r);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, cy - r, 0, cy + r);
  cairo_pattern_add_color_stop_rgb(g, 0, parchdark.r * 0.75, parchdark.g * 0.75, parchdark.b * 0.75);
  cairo_pattern_add_color_stop_rgb(g, 0.35, parch.r, parch.g, parch.b);
  cairo_pattern_add_color_stop_rgb(g, 1, parchdark.r * 0.6, parchdark.g * 0.6, parchdark.b * 0.6);
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  for (double x : {x0, x1}) {
    cairo_save(cr);
    cairo_translate(cr, x, cy);
    cairo_scale(cr, 0.45, 1);
    cairo_arc(cr, 0, 0, r + 4, 0, 2 * M_PI);
    cairo_restore(cr);
    artfilloutline(cr, rgb{0.55, 0.32, 0.2}, rgb{0.3, 0.16, 0.1}, cy - r, cy + r, 2.5);
  }
  cairo_rectangle(cr, w / 2.0 - 7, cy - r - 1, 14, 2 * r + 2);
  artfilloutline(cr, artshade(pal::blood, 1.3), pal::blood, cy - r, cy + r, 2.5);
}

void paper(cairo_t* cr, int w, int h) {
  // A pinned note with a slightly wavy edge.
  cairo_move_to(cr, 14, 10);
  prng rnd(3100);
  for (double x = 14; x <= w - 14; x += 20) cairo_line_to(cr, x, 10 + rnd.range(-2, 2));
  for (double y = 10; y <= h - 14; y += 20) cairo_line_to(cr, w - 14 + rnd.range(-2, 2), y);
  for (double x = w - 14; x >= 14; x -= 20) cairo_line_to(cr, x, h - 14 + rnd.range(-3, 3));
  for (double y = h - 14; y >= 10; y -= 20) cairo_line_to(cr, 14 + rnd.range(-2, 2), y);
  cairo_close_path(cr);
  cairo_path_t* p = cairo_copy_path(cr);
  cairo_save(cr);
  cairo_translate(cr, 4, 6);
  cairo_new_path(cr);
  cairo_append_path(cr, p);
  artsetcolor(cr, pal::ink, 0.4);
  cairo_fill(cr);
  cairo_restore(cr);
  cairo_new_path(cr);
  cairo_append_path(cr, p);
  cairo_save(cr);
  cairo_clip_preserve(cr);
  parchment(cr, 0, 0, w, h, 3101);
  // faint ruled lines for the nine legs (48 pixels apart from the title)
  for (int j = 1; j <= 9; j++) {
    double y = h / 2.0 - 261 + 48 * j + 40;
    cairo_move_to(cr, 34, y);
    cairo_line_to(cr, w - 34, y);
  }
  artsetcolor(cr, inkbrown, 0.18);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  cairo_restore(cr);
  // a little ink flourish under the title
  cairo_move_to(cr, w / 2.0 - 90, 52);
  cairo_curve_to(cr, w / 2.0 - 30, 44, w / 2.0 + 30, 60, w / 2.0 + 90, 52);
  artsetcolor(cr, inkbrown, 0.6);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  cairo_new_path(cr);
  cairo_append_path(cr, p);
  artsetcolor(cr, inkbrown);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  cairo_path_destroy(p);
  // the pin
  cairo_arc(cr, w / 2.0, 14, 9, 0, 2 * M_PI);
  artfilloutline(cr, artshade(pal::blood, 1.4), pal::blood, 5, 23, 2.5);
}

// Place marks: a painted emblem in a ring of red ink, a different little picture per place.
void mark(cairo_t* cr, int w, int h, int j) {
  double cx = w / 2.0, cy = h / 2.0;
  cairo_arc(cr, cx, cy, 18, 0, 2 * M_PI);
  artsetcolor(cr, pal::bone, 0.85);
  cairo_fill_preserve(cr);
  artsetcolor(cr, pal::blood);
  cairo_set_line_width(cr, 3.5);
  cairo_stroke(cr);
  switch (j % 6) {
    case 0: house(cr, cx, cy + 11, 0.2, 3200 + j, true); break;
    case 1: tombstone(cr, cx, cy + 12, 0.33, 0, j % 3); break;
    case 2: pumpkin(cr, cx, cy + 10, 0.42, true); break;
    case 3: tree(cr, cx, cy + 12, 0.2, 3300 + j, inkbrown); break;
    case 4: ghost(cr, cx, cy + 1, 0.34); break;
    default: bat(cr, cx, cy, 0.6); break;
  }
}

void arrow(cairo_t* cr, int w, int h) {
  // The arrow stands above the point it marks; the picture's centre is the tip.
  double cx = w / 2.0, tip = h / 2.0;
  artglow(cr, cx, tip, 14, pal::gold, 0.8);
  cairo_move_to(cr, cx, tip - 2);
  cairo_line_to(cr, cx - 17, tip - 21);
  cairo_line_to(cr, cx - 7.5, tip - 21);
  cairo_line_to(cr, cx - 7.5, tip - 36);
  cairo_line_to(cr, cx + 7.5, tip - 36);
  cairo_line_to(cr, cx + 7.5, tip - 21);
  cairo_line_to(cr, cx + 17, tip - 21);
  cairo_close_path(cr);
  artfilloutline(cr, artshade(pal::pumpkin, 1.3), artshade(pal::pumpkin, 0.7), tip - 36, tip, 3.5);
}

void zombiefigure(cairo_t* cr, double x, double y, double s, uint32_t seed) {
  prng rnd(seed);
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, s, s);
  rgb skin{0.55, 0.78, 0.5}, cloth = rnd.unit() < 0.5 ? pal::plum : artmix(pal::sky, pal::teal, 0.5);
  // legs
  cairo_rectangle(cr, -9, -22, 7, 22);
  cairo_rectangle(cr, 3, -22, 7, 22);
  artfilloutline(cr, artshade(pal::night, 1.3), pal::night, -22, 0, 2.5);
  // body
  artroundrect(cr, -12, -50, 24, 32, 7);
  artfilloutline(cr, artshade(cloth, 1.2), artshade(cloth, 0.7), -50, -18, 2.5);
  // arms stretched forward (to the right)
  cairo_move_to(cr, 2, -44);
  cairo_line_to(cr, 26, -42);
  cairo_move_to(cr, 0, -36);
  cairo_line_to(cr, 24, -33);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 8);
  cairo_stroke_preserve(cr);
  artsetcolor(cr, skin);
  cairo_set_line_width(cr, 4.5);
  cairo_stroke(cr);
  // head
  cairo_arc(cr, 2, -62, 13, 0, 2 * M_PI);
  artfilloutline(cr, artshade(skin, 1.15), artshade(skin, 0.75), -75, -49, 2.5);
  cairo_arc(cr, 6, -64, 3.5, 0, 2 * M_PI);
  artsetcolor(cr, pal::bone);
  cairo_fill_preserve(cr);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
  cairo_arc(cr, 6.5, -64, 1.5, 0, 2 * M_PI);
  cairo_arc(cr, 13, -63, 1.5, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_move_to(cr, 5, -55);
  cairo_line_to(cr, 12, -56);
  cairo_set_line_width(cr, 1.8);
  cairo_stroke(cr);
  cairo_restore(cr);
}

void horde(cairo_t* cr, int w, int h) {
  zombiefigure(cr, 28, h - 6, 0.85, 41);
  zombiefigure(cr, 90, h - 4, 0.95, 42);
  zombiefigure(cr, 58, h - 2, 1.0, 43);
  (void)w;
}

}  // namespace

bool drawuimap(cairo_t* cr, const std::string& kind, int param, int w, int h) {
  if (kind == "marker") marker(cr, w, h, param);
  else if (kind == "mapstory") mapstory(cr, w, h);
  else if (kind == "bardown") bardown(cr, w, h);
  else if (kind == "barup") barup(cr, w, h);
  else if (kind == "stageshadow") stageshadow(cr, w, h);
  else if (kind == "selector") selector(cr, w, h, param);
  else if (kind == "mappic") mappic(cr, w, h, param);
  else if (kind == "mapsign") mapsign(cr, w, h);
  else if (kind == "hook") hook(cr, w, h);
  else if (kind == "roll") roll(cr, w, h);
  else if (kind == "sheetend") sheetend(cr, w, h, param);
  else if (kind == "sheet") sheet(cr, w, h);
  else if (kind == "paper") paper(cr, w, h);
  else if (kind == "mark") mark(cr, w, h, param);
  else if (kind == "arrow") arrow(cr, w, h);
  else if (kind == "horde") horde(cr, w, h);
  else if (kind == "rollsmall") rollsmall(cr, w, h, param);
  else return false;
  return true;
}
