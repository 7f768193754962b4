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
    // The frontier's pulse, laid over the marker with light blending: a warm halo, the same
    // ring and outlined star as the other markers, all in light colours.
    cairo_arc(cr, cx, cy, 15, 0, 2 * M_PI);
    artsoft(cr, 1, 1.6, 0, 0, pal::gold, 0.8);
    cairo_arc(cr, cx, cy, 15, 0, 2 * M_PI);
    artsetcolor(cr, artshade(pal::gold, 1.4));
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    star(cr, cx, cy, 11, 4.8);
    artfilloutline(cr, rgb{1, 1, 0.9}, artshade(pal::gold, 1.2), cy - 11, cy + 11, 2);
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
  // An open storybook lying under the level marker: the marker covers the middle, the pages
  // spread out to both sides and a ribbon hangs below, so the story levels stand out.
  double cx = w / 2.0, cy = h / 2.0 + 2;
  cairo_move_to(cr, cx - 25, cy - 8);
  cairo_line_to(cr, cx + 25, cy - 8);
  cairo_line_to(cr, cx + 25, cy + 14);
  cairo_line_to(cr, cx - 25, cy + 14);
  cairo_close_path(cr);
  artsoft(cr, 0, 1, 0, 1.5, pal::ink, 0.5);
  // the cover
  cairo_move_to(cr, cx - 25, cy - 6);
  cairo_line_to(cr, cx + 25, cy - 6);
  cairo_line_to(cr, cx + 25, cy + 12);
  cairo_curve_to(cr, cx + 12, cy + 10, cx + 4, cy + 12, cx, cy + 16);
  cairo_curve_to(cr, cx - 4, cy + 12, cx - 12, cy + 10, cx - 25, cy + 12);
  cairo_close_path(cr);
  artfilloutline(cr, artshade(pal::plum, 1.2), artshade(pal::purple, 0.8), cy - 6, cy + 16, 2.5);
  // the two pages, curving up from the spine, with a few lines of writing
  for (int side = -1; side <= 1; side += 2) {
    cairo_move_to(cr, cx, cy + 12);
    cairo_curve_to(cr, cx + side * 6, cy + 6, cx + side * 14, cy + 6, cx + side * 22, cy + 9);
    cairo_line_to(cr, cx + side * 22, cy - 11);
    cairo_curve_to(cr, cx + side * 14, cy - 14, cx + side * 6, cy - 14, cx, cy - 8);
    cairo_close_path(cr);
    artfilloutline(cr, pal::bone, artshade(pal::bone, 0.8), cy - 14, cy + 12, 2);
    for (int k = 0; k < 3; k++) {
      double y = cy - 7 + k * 5.5;
      cairo_move_to(cr, cx + side * 17, y);
      cairo_line_to(cr, cx + side * 20, y + side * 0.2);
    }
    artsetcolor(cr, pal::ink, 0.5);
    cairo_set_line_width(cr, 1.3);
    cairo_stroke(cr);
  }
  // the ribbon bookmark
  cairo_move_to(cr, cx + 2, cy + 10);
  cairo_line_to(cr, cx + 2, cy + 22);
  cairo_line_to(cr, cx + 5, cy + 19);
  cairo_line_to(cr, cx + 8, cy + 22);
  cairo_line_to(cr, cx + 8, cy + 10);
  cairo_close_path(cr);
  artfilloutline(cr, artshade(pal::blood, 1.3), pal::blood, cy + 10, cy + 22, 1.8);
  // two gold sparkles at the upper corners
  for (int side = -1; side <= 1; side += 2) {
    star(cr, cx + side * 21, cy - 19, 5, 2);
    artfilloutline(cr, artshade(pal::gold, 1.3), pal::gold, cy - 24, cy - 14, 1.3);
  }
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

// The nine stage pictures: the stage group's own game background, drawn by the same scene
// code, framed like a little painting pinned to the map.
void mappic(cairo_t* cr, int w, int h, int n) {
  double fx = 4, fy = 4, fw = w - 8, fh = h - 8;
  artroundrect(cr, fx, fy, fw, fh, 14);
  artfilloutline(cr, pal::bone, artshade(pal::bone, 0.75), fy, fy + fh, 4);
  cairo_save(cr);
  double ix = fx + 9, iy = fy + 9, iw = fw - 18, ih = fh - 18;
  artroundrect(cr, ix, iy, iw, ih, 8);
  cairo_clip(cr);
  cairo_translate(cr, ix, iy);
  // The whole width of the scene, from a little below its top: the sky with its moon and
  // the buildings and people at both sides all make it into the frame.
  cairo_surface_t* scene = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 1366, 768);
  cairo_t* sc = cairo_create(scene);
  cairo_set_line_join(sc, CAIRO_LINE_JOIN_ROUND);
  cairo_set_line_cap(sc, CAIRO_LINE_CAP_ROUND);
  drawgamescene(sc, n, false);
  cairo_destroy(sc);
  double k = iw / 1366.0, top = std::fmin(60.0, 768 - ih / k);
  cairo_save(cr);
  cairo_scale(cr, k, k);
  cairo_set_source_surface(cr, scene, 0, -top);
  cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_BEST);
  cairo_paint(cr);
  cairo_restore(cr);
  cairo_surface_destroy(scene);
  // the markers row sits a little below the middle: a soft dark band keeps them readable
  cairo_rectangle(cr, 0, ih / 2.0 + 20 - 22, iw, 44);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, ih / 2.0 - 2, 0, ih / 2.0 + 42);
  cairo_pattern_add_color_stop_rgba(g, 0, 0.1, 0.06, 0.14, 0);
  cairo_pattern_add_color_stop_rgba(g, 0.5, 0.1, 0.06, 0.14, 0.3);
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
  // little ink flourishes either side of the title: the title's letters stand 24 to 35
  // pixels from the top and the first leg's begin at 40, so nothing runs under the title
  for (int side = -1; side <= 1; side += 2) {
    double x0 = w / 2.0 + side * 82, x1 = w / 2.0 + side * 128;
    cairo_move_to(cr, x0, 30);
    cairo_curve_to(cr, x0 + side * 14, 25, x1 - side * 16, 35, x1, 29);
    cairo_new_sub_path(cr);
    cairo_arc(cr, x1 + side * 3, 29, 2, 0, 2 * M_PI);
  }
  artsetcolor(cr, inkbrown, 0.6);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  cairo_new_path(cr);
  cairo_append_path(cr, p);
  artsetcolor(cr, inkbrown);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  cairo_path_destroy(p);
  // the pin, above the title's letters
  cairo_arc(cr, w / 2.0, 12, 7, 0, 2 * M_PI);
  artfilloutline(cr, artshade(pal::blood, 1.4), pal::blood, 5, 19, 2.5);
}

// Place marks: a little painted emblem in a ring of red ink, one per stage of the route,
// each showing its place: Cobweb Lane's web, the market's awning, the old town gate, the
// crow garden ... down to the ship waiting at the last jetty.
void stamp(cairo_t* cr, rgb fill, double lw = 1.6) {
  artsetcolor(cr, fill);
  cairo_fill_preserve(cr);
  artsetcolor(cr, inkbrown);
  cairo_set_line_width(cr, lw);
  cairo_stroke(cr);
}

void inkline(cairo_t* cr, double lw = 1.6, rgb c = inkbrown) {
  artsetcolor(cr, c);
  cairo_set_line_width(cr, lw);
  cairo_stroke(cr);
}

void markemblem(cairo_t* cr, double cx, double cy, int j) {
  const rgb wood{0.62, 0.42, 0.24}, stone{0.66, 0.62, 0.6}, brick{0.72, 0.34, 0.22}, sea{0.3, 0.55, 0.6};
  switch (j) {
    case 1:  // Cobweb Lane: a web with its spider
      for (int i = 0; i < 6; i++) {
        double a = i * M_PI / 3;
        cairo_move_to(cr, cx, cy);
        cairo_line_to(cr, cx + 12 * std::cos(a), cy + 12 * std::sin(a));
      }
      for (int r = 4; r <= 12; r += 4) {
        for (int i = 0; i <= 6; i++) {
          double a = i * M_PI / 3;
          if (i == 0) cairo_move_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
          else cairo_line_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
        }
      }
      inkline(cr, 1);
      cairo_arc(cr, cx + 4, cy + 3, 3, 0, 2 * M_PI);
      stamp(cr, pal::ink, 1);
      break;
    case 2:  // Market Square: a striped awning over a stall of apples
      cairo_rectangle(cr, cx - 11, cy - 2, 22, 11);
      stamp(cr, wood);
      for (int i = 0; i < 4; i++) {
        cairo_arc(cr, cx - 7 + i * 4.6, cy + 1, 2.2, 0, 2 * M_PI);
        stamp(cr, i % 2 ? pal::gold : pal::blood, 1);
      }
      for (int i = 0; i < 4; i++) {
        cairo_move_to(cr, cx - 13 + i * 6.5, cy - 4);
        cairo_line_to(cr, cx - 10 + i * 6.5, cy - 11);
        cairo_line_to(cr, cx - 4 + i * 6.5, cy - 11);
        cairo_line_to(cr, cx - 6.5 + i * 6.5, cy - 4);
        cairo_close_path(cr);
        stamp(cr, i % 2 ? pal::bone : pal::blood, 1.2);
      }
      break;
    case 3:  // Old Town Gate: a stone arch with a portcullis
      cairo_move_to(cr, cx - 12, cy + 11);
      cairo_line_to(cr, cx - 12, cy - 10);
      cairo_line_to(cr, cx + 12, cy - 10);
      cairo_line_to(cr, cx + 12, cy + 11);
      cairo_line_to(cr, cx + 6, cy + 11);
      cairo_line_to(cr, cx + 6, cy);
      cairo_arc_negative(cr, cx, cy, 6, 0, M_PI);
      cairo_line_to(cr, cx - 6, cy + 11);
      cairo_close_path(cr);
      stamp(cr, stone);
      for (int i = -1; i <= 1; i++) {
        cairo_move_to(cr, cx + i * 3, cy - 4);
        cairo_line_to(cr, cx + i * 3, cy + 11);
      }
      inkline(cr, 1);
      for (int i = 0; i < 3; i++) {
        cairo_rectangle(cr, cx - 12 + i * 9, cy - 14, 6, 4);
        stamp(cr, stone, 1.2);
      }
      break;
    case 4:  // Crow Garden: a crow on a fence post
      cairo_rectangle(cr, cx - 2, cy, 4, 12);
      stamp(cr, wood, 1.2);
      cairo_move_to(cr, cx - 10, cy - 1);
      cairo_curve_to(cr, cx - 8, cy - 10, cx + 4, cy - 12, cx + 6, cy - 6);
      cairo_line_to(cr, cx + 12, cy - 5);
      cairo_line_to(cr, cx + 6, cy - 3);
      cairo_curve_to(cr, cx + 4, cy + 2, cx - 4, cy + 2, cx - 10, cy - 1);
      cairo_close_path(cr);
      stamp(cr, pal::ink, 1.2);
      cairo_arc(cr, cx + 2, cy - 7, 1.3, 0, 2 * M_PI);
      artsetcolor(cr, pal::gold);
      cairo_fill(cr);
      break;
    case 5: pumpkin(cr, cx, cy + 10, 0.4, true, 0); break;
    case 6:  // Tool Shed Row: a hammer crossed over a saw
      cairo_move_to(cr, cx - 11, cy + 6);
      cairo_line_to(cr, cx + 9, cy - 8);
      cairo_line_to(cr, cx + 12, cy - 4);
      cairo_line_to(cr, cx - 8, cy + 10);
      cairo_close_path(cr);
      stamp(cr, pal::grey, 1.2);
      cairo_move_to(cr, cx - 8, cy - 9);
      cairo_line_to(cr, cx + 10, cy + 9);
      inkline(cr, 4.5);
      cairo_move_to(cr, cx - 8, cy - 9);
      cairo_line_to(cr, cx + 10, cy + 9);
      inkline(cr, 2.5, wood);
      cairo_rectangle(cr, cx - 13, cy - 12, 9, 6);
      stamp(cr, pal::grey, 1.2);
      break;
    case 7: pinetree(cr, cx, cy + 12, 0.17, 3307, pal::moss, false); break;
    case 8: gnarledtree(cr, cx, cy + 13, 0.15, 3308, wood, 0); break;
    case 9:  // Lumber Hill: a pile of logs
      for (int i = 0; i < 3; i++)
        for (int k = 0; k < 3 - i; k++) {
          double lx = cx - 8 + k * 8 + i * 4, ly = cy + 8 - i * 7;
          cairo_arc(cr, lx, ly, 3.8, 0, 2 * M_PI);
          stamp(cr, wood, 1.3);
          cairo_arc(cr, lx, ly, 1.4, 0, 2 * M_PI);
          inkline(cr, 0.8);
        }
      break;
    case 10:  // Drizzle Street: a rain cloud
      for (int i = 0; i < 4; i++) {
        cairo_move_to(cr, cx - 7 + i * 5, cy + 2);
        cairo_line_to(cr, cx - 9 + i * 5, cy + 10);
      }
      inkline(cr, 1.6, sea);
      cairo_new_sub_path(cr);
      cairo_arc(cr, cx - 6, cy - 2, 5, 0, 2 * M_PI);
      cairo_new_sub_path(cr);
      cairo_arc(cr, cx + 1, cy - 6, 6.5, 0, 2 * M_PI);
      cairo_new_sub_path(cr);
      cairo_arc(cr, cx + 7, cy - 1, 5, 0, 2 * M_PI);
      stamp(cr, artmix(pal::grey, pal::sky, 0.3), 1.3);
      break;
    case 11:  // Puddle Row: a boot splashing in a puddle
      cairo_save(cr);
      cairo_translate(cr, cx, cy + 9);
      cairo_scale(cr, 1, 0.35);
      cairo_arc(cr, 0, 0, 12, 0, 2 * M_PI);
      cairo_restore(cr);
      stamp(cr, sea, 1.2);
      cairo_move_to(cr, cx - 3, cy - 10);
      cairo_line_to(cr, cx + 3, cy - 10);
      cairo_line_to(cr, cx + 3, cy + 2);
      cairo_line_to(cr, cx + 9, cy + 4);
      cairo_line_to(cr, cx + 9, cy + 8);
      cairo_line_to(cr, cx - 3, cy + 8);
      cairo_close_path(cr);
      stamp(cr, pal::gold, 1.3);
      break;
    case 12:  // Gutter End: a drain grate in the kerb
      cairo_rectangle(cr, cx - 11, cy - 7, 22, 14);
      stamp(cr, artshade(pal::grey, 0.8));
      for (int i = -2; i <= 2; i++) {
        cairo_move_to(cr, cx + i * 4, cy - 5);
        cairo_line_to(cr, cx + i * 4, cy + 5);
      }
      inkline(cr, 1.6, pal::ink);
      break;
    case 13:  // The Sewers: a round manhole cover
      cairo_arc(cr, cx, cy, 11, 0, 2 * M_PI);
      stamp(cr, artshade(pal::grey, 0.8));
      for (int i = -1; i <= 1; i++) {
        cairo_move_to(cr, cx - 8, cy + i * 4.5);
        cairo_line_to(cr, cx + 8, cy + i * 4.5);
      }
      inkline(cr, 1.2);
      break;
    case 14:  // Bone Cellar: a bone
      cairo_save(cr);
      cairo_translate(cr, cx, cy);
      cairo_rotate(cr, -0.6);
      cairo_rectangle(cr, -8, -2.5, 16, 5);
      for (int sx = -1; sx <= 1; sx += 2)
        for (int sy = -1; sy <= 1; sy += 2) {
          cairo_new_sub_path(cr);
          cairo_arc(cr, sx * 9, sy * 2.6, 3.3, 0, 2 * M_PI);
        }
      cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
      stamp(cr, pal::bone, 1.4);
      cairo_restore(cr);
      break;
    case 15:  // Crate Vault: a wooden crate
      cairo_rectangle(cr, cx - 10, cy - 10, 20, 20);
      stamp(cr, wood);
      cairo_move_to(cr, cx - 10, cy - 10);
      cairo_line_to(cr, cx + 10, cy + 10);
      cairo_move_to(cr, cx - 10, cy - 3);
      cairo_line_to(cr, cx + 10, cy - 3);
      cairo_move_to(cr, cx - 10, cy + 3);
      cairo_line_to(cr, cx + 10, cy + 3);
      inkline(cr, 1.2);
      break;
    case 16:  // Brick Works: a stack of bricks
      for (int r = 0; r < 3; r++)
        for (int k = 0; k < 3 - (r % 2); k++) {
          cairo_rectangle(cr, cx - 12 + k * 8 + (r % 2) * 4, cy + 4 - r * 6, 8, 6);
          stamp(cr, brick, 1.2);
        }
      break;
    case 17:  // Chimney Row: a chimney pot puffing smoke
      cairo_rectangle(cr, cx - 6, cy - 2, 12, 14);
      stamp(cr, brick);
      cairo_rectangle(cr, cx - 8, cy - 5, 16, 4);
      stamp(cr, brick, 1.3);
      for (int i = 0; i < 3; i++) {
        cairo_arc(cr, cx + 2 + i * 4, cy - 9 - i * 2, 2.5 + i * 0.6, 0, 2 * M_PI);
        stamp(cr, pal::grey, 1);
      }
      break;
    case 18:  // Rooftops: a roof ridge with a cat on it
      cairo_move_to(cr, cx - 13, cy + 10);
      cairo_line_to(cr, cx - 2, cy - 2);
      cairo_line_to(cr, cx + 13, cy + 10);
      cairo_close_path(cr);
      stamp(cr, brick);
      cairo_arc(cr, cx - 2, cy - 6, 3.6, 0, 2 * M_PI);
      cairo_move_to(cr, cx - 5, cy - 8);
      cairo_line_to(cr, cx - 5.5, cy - 12);
      cairo_line_to(cr, cx - 2.5, cy - 9);
      cairo_move_to(cr, cx + 1, cy - 8);
      cairo_line_to(cr, cx + 1.5, cy - 12);
      cairo_line_to(cr, cx - 1.5, cy - 9);
      artsetcolor(cr, pal::ink);
      cairo_fill(cr);
      break;
    case 19:  // Harbour Gate: an anchor
      cairo_arc(cr, cx, cy - 9, 2.5, 0, 2 * M_PI);
      inkline(cr, 1.8, pal::ink);
      cairo_move_to(cr, cx, cy - 6);
      cairo_line_to(cr, cx, cy + 10);
      cairo_move_to(cr, cx - 6, cy - 3);
      cairo_line_to(cr, cx + 6, cy - 3);
      cairo_move_to(cr, cx - 10, cy + 3);
      cairo_curve_to(cr, cx - 8, cy + 10, cx + 8, cy + 10, cx + 10, cy + 3);
      inkline(cr, 2.4, pal::ink);
      break;
    case 20:  // Crane Quay: a harbour crane with its hook
      cairo_move_to(cr, cx - 8, cy + 12);
      cairo_line_to(cr, cx - 8, cy - 10);
      cairo_line_to(cr, cx + 12, cy - 10);
      inkline(cr, 3, pal::pumpkin);
      cairo_move_to(cr, cx - 8, cy - 4);
      cairo_line_to(cr, cx - 2, cy - 10);
      cairo_move_to(cr, cx + 9, cy - 10);
      cairo_line_to(cr, cx + 9, cy + 2);
      inkline(cr, 1.2);
      cairo_rectangle(cr, cx + 5, cy + 2, 8, 6);
      stamp(cr, sea, 1.2);
      break;
    case 21:  // Container Bay: a ribbed shipping container
      cairo_rectangle(cr, cx - 12, cy - 6, 24, 13);
      stamp(cr, pal::blood);
      for (int i = -2; i <= 2; i++) {
        cairo_move_to(cr, cx + i * 4.5, cy - 4);
        cairo_line_to(cr, cx + i * 4.5, cy + 5);
      }
      inkline(cr, 1);
      break;
    case 22:  // Dark Yard: a barrel under a single star
      cairo_move_to(cr, cx - 7, cy - 10);
      cairo_curve_to(cr, cx - 10, cy - 2, cx - 10, cy + 4, cx - 7, cy + 12);
      cairo_line_to(cr, cx + 7, cy + 12);
      cairo_curve_to(cr, cx + 10, cy + 4, cx + 10, cy - 2, cx + 7, cy - 10);
      cairo_close_path(cr);
      stamp(cr, wood);
      cairo_move_to(cr, cx - 9, cy - 3);
      cairo_line_to(cr, cx + 9, cy - 3);
      cairo_move_to(cr, cx - 9, cy + 5);
      cairo_line_to(cr, cx + 9, cy + 5);
      inkline(cr, 1.4, pal::ink);
      break;
    case 23:  // Fuse Alley: a round bomb with a fizzing fuse
      cairo_arc(cr, cx - 2, cy + 3, 9, 0, 2 * M_PI);
      stamp(cr, pal::ink);
      cairo_move_to(cr, cx + 4, cy - 4);
      cairo_curve_to(cr, cx + 8, cy - 8, cx + 6, cy - 12, cx + 10, cy - 12);
      inkline(cr, 1.5);
      star(cr, cx + 11, cy - 13, 4, 1.6);
      stamp(cr, pal::gold, 1);
      break;
    case 24: lamppost(cr, cx, cy + 13, 0.14); break;
    case 25:  // Foggy Pier: posts of a pier in the fog
      cairo_rectangle(cr, cx - 13, cy - 2, 26, 4);
      stamp(cr, wood, 1.2);
      for (int i = -1; i <= 1; i++) {
        cairo_rectangle(cr, cx + i * 9 - 1.5, cy + 2, 3, 10);
        stamp(cr, wood, 1);
      }
      for (int i = 0; i < 2; i++) {
        cairo_move_to(cr, cx - 12, cy - 6 + i * 14);
        cairo_curve_to(cr, cx - 4, cy - 9 + i * 14, cx + 4, cy - 3 + i * 14, cx + 12, cy - 6 + i * 14);
      }
      inkline(cr, 1.6, pal::grey);
      break;
    case 26: lighthouse(cr, cx + 1, cy + 13, 0.08, 0); break;
    default: {  // Last Jetty: the ship waiting
      cairo_move_to(cr, cx - 13, cy + 2);
      cairo_line_to(cr, cx + 13, cy + 2);
      cairo_line_to(cr, cx + 9, cy + 9);
      cairo_line_to(cr, cx - 9, cy + 9);
      cairo_close_path(cr);
      stamp(cr, pal::blood);
      cairo_move_to(cr, cx, cy + 2);
      cairo_line_to(cr, cx, cy - 13);
      inkline(cr, 1.4);
      cairo_move_to(cr, cx + 1, cy - 12);
      cairo_line_to(cr, cx + 9, cy - 1);
      cairo_line_to(cr, cx + 1, cy - 1);
      cairo_close_path(cr);
      stamp(cr, pal::bone, 1.2);
      cairo_move_to(cr, cx - 1, cy - 10);
      cairo_line_to(cr, cx - 8, cy - 1);
      cairo_line_to(cr, cx - 1, cy - 1);
      cairo_close_path(cr);
      stamp(cr, pal::bone, 1.2);
      break;
    }
  }
}

void mark(cairo_t* cr, int w, int h, int j) {
  double cx = w / 2.0, cy = h / 2.0;
  cairo_arc(cr, cx, cy, 18, 0, 2 * M_PI);
  artsetcolor(cr, pal::bone, 0.9);
  cairo_fill_preserve(cr);
  artsetcolor(cr, pal::blood);
  cairo_set_line_width(cr, 3.5);
  cairo_stroke(cr);
  cairo_save(cr);
  cairo_arc(cr, cx, cy, 16, 0, 2 * M_PI);
  cairo_clip(cr);
  markemblem(cr, cx, cy, j);
  cairo_restore(cr);
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

// The horde that follows the player along the route: five zombies, each its own, walking
// right (the game mirrors the picture when the route turns left).
void horde(cairo_t* cr, int w, int h) {
  struct walker {
    double x, foot, s;
    int pose;
  };
  const walker walkers[] = {{22, h - 12.0, 0.38, 1}, {52, h - 14.0, 0.36, 0}, {88, h - 12.0, 0.4, 0},
                            {36, h - 5.0, 0.45, 0},  {72, h - 4.0, 0.46, 1}};
  int seed = 0;
  for (const walker& z : walkers) zombie(cr, z.x, z.foot, z.s, 4100 + seed++, 1, z.pose);
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
