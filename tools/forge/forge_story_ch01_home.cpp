// Chapter 1's second part: Grandma's room at night, and its four hiding places: the rug
// (part of the room; its glow and the frames of it being rolled away are pictures of their
// own), the two sofa pillows and the wall clock. Changed Mr. Pudding presses his face to the
// window on the left, where the growl spot is.
//
// The room picture is 1366 wide and centred on the screen, so room x equals screen x at width
// 1366; at 1024 only x 171..1195 shows, and everything that matters lies inside that.
#include "tools/forge/forge_story.h"
#include "tools/forge/forge_story_kit.h"
#include <algorithm>
#include <cmath>
#include <string>

using namespace storykit;

namespace {

constexpr int roomw = 1366, roomh = 768;
constexpr double floory = 520;  // where the wall meets the floor
// The hiding places' centres in room pixels (midx 683 at width 1366).
constexpr double rugx = 617, rugy = 587, rugrx = 196, rugry = 58;  // the rug lies here
constexpr double framey = 557;                                      // the rug's roll frames sit 30 higher
constexpr int rugw = 420, rugh = 150, framew = 460, frameh = 240;
constexpr double clockx = 670, clocky = 273, pillow1x = 663, pillow1y = 444, pillow2x = 573, pillow2y = 434;
constexpr int clockw = 120, clockh = 192, pillw = 136, pillh = 108, glowpad = 12;
// The growl spot: changed Mr. Pudding's face at the window.
constexpr double facex = 305, facey = 338;

const light lamp = lightfrom(40, col::lamp, 0.55, 0.4);  // the standard lamp on the right

// ---- the room ---------------------------------------------------------------------------------

void wallpaper(cairo_t* cr) {
  skyfill(cr, roomw, floory, {{0, rgb{0.30, 0.16, 0.36}}, {1, rgb{0.40, 0.22, 0.44}}});
  // soft stripes and a small gold flower in each panel
  for (double x = 0; x < roomw; x += 56) {
    cairo_rectangle(cr, x, 0, 28, floory);
    artsetcolor(cr, rgb{0.46, 0.28, 0.5}, 0.35);
    cairo_fill(cr);
  }
  for (double y = 40; y < floory - 120; y += 70)
    for (double x = 14 + (int(y / 70) % 2) * 28; x < roomw; x += 56) {
      for (int k = 0; k < 4; k++) {
        double a = k * M_PI / 2;
        ellipse(cr, x + std::cos(a) * 5, y + std::sin(a) * 5, 4.5, 2.5, k * 90);
      }
      artsetcolor(cr, pal::gold, 0.35);
      cairo_fill(cr);
    }
  // picture rail and wainscot
  // rails and panels run past both edges, so their shading never rims the picture's sides
  cairo_rectangle(cr, -40, 150, roomw + 80, 8);
  paint(cr, col::wood, lamp, 10, 2);
  cairo_rectangle(cr, -40, 402, roomw + 80, floory - 402);
  paint(cr, artshade(col::wood, 0.8), lamp, 100, 0);
  for (double x = 20; x < roomw; x += 130) {
    artroundrect(cr, x, 418, 110, 84, 6);
    paint(cr, artshade(col::wood, 0.75), lamp, 100, 2);
  }
  cairo_rectangle(cr, -40, 398, roomw + 80, 10);
  paint(cr, col::wood, lamp, 10, 2.5);
  cairo_rectangle(cr, -40, floory - 14, roomw + 80, 14);
  paint(cr, artshade(col::wood, 0.7), lamp, 14, 2.5);
}

void floorboards(cairo_t* cr) {
  // boards running into the room, converging on a point behind the sofa
  cairo_rectangle(cr, 0, floory, roomw, roomh - floory);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, floory, 0, roomh);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.40, 0.25, 0.18);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.52, 0.32, 0.20);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  const double vx = 683, vy = 200;
  rng r(3101);
  for (double bx = -1400; bx < roomw + 1400; bx += 64) {
    double tx = vx + (bx - vx) * (floory - vy) / (roomh - vy);
    cairo_move_to(cr, tx, floory);
    cairo_line_to(cr, bx, roomh);
    artsetcolor(cr, rgb{0.22, 0.12, 0.1}, 0.7);
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);
    // board ends here and there
    double t = r.range(0.15, 0.9);
    double ey = floory + (roomh - floory) * t;
    double ex0 = tx + (bx - tx) * t, ex1 = tx + (bx + 64 - tx) * t + (vx + (bx + 64 - vx) * (floory - vy) / (roomh - vy) - tx) * (1 - t);
    cairo_move_to(cr, ex0, ey);
    cairo_line_to(cr, ex1, ey);
    artsetcolor(cr, rgb{0.22, 0.12, 0.1}, 0.45);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
  }
  // grain streaks along the boards
  cairo_save(cr);
  cairo_rectangle(cr, 0, floory, roomw, roomh - floory);
  cairo_clip(cr);
  for (int i = 0; i < 700; i++) {
    double bx = r.range(-1400, roomw + 1400), t = r.range(0.02, 1);
    double tx = vx + (bx - vx) * (floory - vy) / (roomh - vy);
    double x0 = tx + (bx - tx) * t, y0 = floory + (roomh - floory) * t;
    double len = r.range(0.04, 0.12);
    double x1 = tx + (bx - tx) * (t + len), y1 = floory + (roomh - floory) * (t + len);
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
    artsetcolor(cr, r.chance(0.5) ? rgb{0.62, 0.4, 0.26} : rgb{0.26, 0.15, 0.1}, r.range(0.15, 0.35));
    cairo_set_line_width(cr, 0.6 + 1.6 * t);
    cairo_stroke(cr);
  }
  cairo_restore(cr);
}

void windowwithface(cairo_t* cr) {
  const double x0 = 200, y0 = 190, x1 = 410, y1 = 452;
  // night outside: sky, the moon, a rooftop, and changed Mr. Pudding pressed to the glass
  cairo_save(cr);
  cairo_rectangle(cr, x0, y0, x1 - x0, y1 - y0);
  cairo_clip(cr);
  skyfill(cr, roomw, y1, {{0, rgb{0.06, 0.08, 0.22}}, {0.5, rgb{0.12, 0.14, 0.34}}, {1, rgb{0.3, 0.3, 0.5}}});
  stars(cr, roomw, y1, 900, 3201, 0.9);
  moon(cr, 250, 236, 22, rgb{0.9, 0.95, 0.8}, 0.5);
  poly(cr, {{x0, y1}, {x0, 400}, {260, 370}, {330, 400}, {x1, 380}, {x1, y1}});
  artsetcolor(cr, rgb{0.1, 0.08, 0.18});
  cairo_fill(cr);
  figure f = mrpudding(true);
  f.expr = face::moan;
  f.headtilt = 6;
  f.lookx = 0.6;
  f.droop = 0.4;
  drawhead(cr, facex, facey, 40, f, lightfrom(120, col::moonlight, 0.6, 0.45));
  // his hands flat on the glass, and a fog patch where he breathes on it
  drawhand(cr, facex - 52, facey + 42, 30, -75, f.skin, 0, lightfrom(120, col::moonlight), true);
  drawhand(cr, facex + 56, facey + 30, 30, -100, f.skin, 0, lightfrom(120, col::moonlight), true);
  glow(cr, facex + 6, facey + 36, 40, rgb{0.85, 0.9, 0.95}, 0.35);
  // a reflection streak on the glass
  poly(cr, {{x0 + 20, y1}, {x0 + 70, y1}, {x1 - 20, y0}, {x1 - 70, y0}});
  artsetcolor(cr, rgb{0.8, 0.9, 1.0}, 0.08);
  cairo_fill(cr);
  cairo_restore(cr);
  // frame, bars and sill
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
  cairo_rectangle(cr, x0 - 14, y0 - 14, x1 - x0 + 28, y1 - y0 + 28);
  cairo_rectangle(cr, x0, y0, x1 - x0, y1 - y0);
  paint(cr, pal::bone, lamp, 40, 3);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  cairo_rectangle(cr, (x0 + x1) / 2 - 5, y0, 10, y1 - y0);
  cairo_rectangle(cr, x0, 300, x1 - x0, 9);
  paint(cr, pal::bone, lamp, 12, 2.5);
  cairo_rectangle(cr, x0 - 26, y1 + 12, x1 - x0 + 52, 14);
  paint(cr, pal::bone, lamp, 30, 3);
  // curtains gathered at both sides, with tie-backs
  for (double side : {-1.0, 1.0}) {
    double cx = side < 0 ? x0 - 10 : x1 + 10;
    std::vector<pt> c{{cx - side * 4, y0 - 40}, {cx + side * 48, y0 - 40}, {cx + side * 30, y0 + 120},
                      {cx + side * 40, y0 + 150}, {cx + side * 60, y1 + 50}, {cx - side * 24, y1 + 50},
                      {cx - side * 8, y0 + 150}, {cx - side * 14, y0 + 100}};
    blob(cr, c, 0.7);
    paint(cr, pal::blood, lamp, 70, 3);
    for (int k = 1; k < 4; k++)
      inkline(cr, {{cx + side * 10 * k - side * 8, y0 - 30}, {cx + side * (4 + 6 * k), y0 + 130},
                   {cx + side * (6 + 14 * k) - side * 20, y1 + 40}},
              1.4, 0.45);
    ellipse(cr, cx + side * 24, y0 + 140, 22, 7);
    paint(cr, pal::gold, lamp, 20, 2);
  }
  cairo_rectangle(cr, x0 - 60, y0 - 52, x1 - x0 + 120, 12);
  paint(cr, col::darkwood, lamp, 12, 2.5);
}

void portrait(cairo_t* cr) {
  // Grandma, who knew all along
  const double x = 930, y = 240;
  cairo_rectangle(cr, x - 62, y - 74, 124, 148);
  paint(cr, pal::gold, lamp, 140, 3);
  cairo_rectangle(cr, x - 50, y - 62, 100, 124);
  cairo_path_t* inner = cairo_copy_path(cr);
  cairo_pattern_t* g = cairo_pattern_create_radial(x, y - 10, 10, x, y, 90);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.5, 0.55, 0.45);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.2, 0.25, 0.22);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  cairo_save(cr);
  cairo_append_path(cr, inner);
  cairo_clip(cr);
  figure gm = townsfolk(3);
  gm.height = 150;
  gm.expr = face::smile;
  gm.lookx = 0.5;
  drawfigure(cr, x, y + 140, gm, lamp);
  cairo_restore(cr);
  cairo_append_path(cr, inner);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 2.5);
  cairo_stroke(cr);
  cairo_path_destroy(inner);
  inkline(cr, {{x - 30, y - 74}, {x, y - 104}, {x + 30, y - 74}}, 1.5);
  ellipse(cr, x, y - 104, 4, 4);
  flat(cr, pal::gold, 1.5);
}

void sofa(cairo_t* cr) {
  rgb velvet{0.16, 0.46, 0.46};
  groundshadow(cr, 630, 532, 220, 22, 0.55);
  // back with a curved top and buttons
  blob(cr, {{470, 460}, {474, 400}, {530, 378}, {630, 370}, {730, 378}, {786, 400}, {790, 460}}, 0.7);
  paint(cr, velvet, lamp, 300, 3);
  for (int row = 0; row < 2; row++)
    for (int i = 0; i < 5; i++) {
      double bx = 530 + i * 50 + row * 25, by = 396 + row * 28;
      if (row == 1 && i == 4) continue;
      ellipse(cr, bx, by, 3, 3);
      flat(cr, artshade(velvet, 0.6), 1);
      for (int k = 0; k < 4; k++) {
        double a = k * M_PI / 2 + M_PI / 4;
        inkline(cr, {{bx + std::cos(a) * 5, by + std::sin(a) * 5}, {bx + std::cos(a) * 14, by + std::sin(a) * 12}}, 1,
                0.35);
      }
    }
  // seat cushion
  artroundrect(cr, 478, 452, 304, 46, 18);
  paint(cr, artshade(velvet, 1.08), lamp, 300, 3);
  inkline(cr, {{630, 456}, {630, 494}}, 1.5, 0.5);
  // front rail and little turned legs
  artroundrect(cr, 470, 490, 320, 22, 8);
  paint(cr, artshade(velvet, 0.8), lamp, 300, 3);
  for (double lx : {490.0, 770.0}) {
    poly(cr, {{lx - 8, 510}, {lx + 8, 510}, {lx + 4, 532}, {lx - 4, 532}});
    paint(cr, col::darkwood, lamp, 12, 2);
  }
  // rolled arms
  for (double side : {-1.0, 1.0}) {
    double ax = side < 0 ? 462 : 798;
    blob(cr, {{ax - 26, 500}, {ax - 30, 440}, {ax - 16, 410}, {ax + 16, 410}, {ax + 30, 440}, {ax + 26, 500}}, 0.8);
    paint(cr, velvet, lamp, 60, 3);
    ellipse(cr, ax, 426, 20, 16);
    paint(cr, artshade(velvet, 1.1), lamp, 40, 2.5);
    cairo_new_path(cr);
    cairo_arc(cr, ax, 426, 9, 0, 2 * M_PI);
    artsetcolor(cr, pal::ink, 0.4);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
  }
}

void clockniche(cairo_t* cr) {
  // a hole in the wall behind the clock, with a little shelf: Grandma's secret cupboard
  const double x = 676, y = 288;
  artroundrect(cr, x - 38, y - 30, 76, 58, 6);
  paint(cr, col::darkwood, lamp, 70, 3);
  artroundrect(cr, x - 30, y - 22, 60, 42, 4);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, y - 22, 0, y + 20);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.08, 0.05, 0.1);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.2, 0.13, 0.16);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  // the clock's nail
  ellipse(cr, clockx, clocky - 78, 3, 3);
  flat(cr, col::steel, 1.2);
}

void lampandchair(cairo_t* cr) {
  // the standard lamp: a warm cone on the wall, a pool on the floor
  const double lx = 1040, ly = 250;
  cairo_save(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
  glow(cr, lx, ly, 380, rgb{0.6, 0.42, 0.2}, 0.55);
  lightpool(cr, lx - 40, 640, 360, 70, rgb{0.5, 0.35, 0.15}, 0.5);
  cairo_restore(cr);
  groundshadow(cr, lx, 640, 60, 12, 0.5);
  tube(cr, {{lx, 296}, {lx, 630}}, 8, col::iron, lamp, 2.5);
  ellipse(cr, lx, 634, 34, 9);
  paint(cr, col::iron, lamp, 60, 2.5);
  poly(cr, {{lx - 30, 226}, {lx + 30, 226}, {lx + 52, 298}, {lx - 52, 298}});
  cairo_pattern_t* g = cairo_pattern_create_radial(lx, 290, 10, lx, 270, 80);
  cairo_pattern_add_color_stop_rgb(g, 0, 1.0, 0.93, 0.65);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.92, 0.62, 0.3);
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  for (double fx = lx - 48; fx <= lx + 48; fx += 8) inkline(cr, {{fx, 298}, {fx, 306}}, 1.5, 0.8);
  // Grandma's armchair with her knitting, and the cat asleep in it
  rgb chair{0.58, 0.3, 0.32};
  groundshadow(cr, 1120, 606, 110, 16, 0.5);
  blob(cr, {{1036, 560}, {1040, 410}, {1080, 370}, {1160, 370}, {1200, 410}, {1204, 560}}, 0.7);
  paint(cr, chair, lamp, 170, 3);
  artroundrect(cr, 1044, 520, 152, 44, 16);
  paint(cr, artshade(chair, 1.1), lamp, 150, 3);
  for (double side : {-1.0, 1.0}) {
    double ax = side < 0 ? 1036 : 1204;
    artroundrect(cr, ax - 20, 470, 40, 120, 16);
    paint(cr, chair, lamp, 60, 3);
  }
  for (double fx : {1050.0, 1190.0}) {
    poly(cr, {{fx - 6, 588}, {fx + 6, 588}, {fx + 3, 606}, {fx - 3, 606}});
    paint(cr, col::darkwood, lamp, 10, 2);
  }
  // the cat: a curled loaf with its tail over its nose
  blob(cr, {{1080, 524}, {1088, 500}, {1116, 490}, {1146, 496}, {1160, 514}, {1154, 526}});
  paint(cr, pal::pumpkin, lamp, 80, 2.5);
  for (double ex : {1094.0, 1108.0}) {
    poly(cr, {{ex - 6, 502}, {ex - 1, 488}, {ex + 5, 500}});
    paint(cr, pal::pumpkin, lamp, 10, 2);
  }
  inkline(cr, {{1092, 510}, {1097, 512}}, 1.4);
  inkline(cr, {{1104, 510}, {1109, 512}}, 1.4);
  tube(cr, {{1150, 520}, {1126, 526}, {1096, 522}}, 7, artshade(pal::pumpkin, 0.85), lamp, 2);
  for (int i = 0; i < 3; i++) inkline(cr, {{1122 + i * 10.0, 498}, {1126 + i * 10.0, 508}}, 1.2, 0.4);
  // knitting basket with needles
  artroundrect(cr, 1216, 574, 56, 40, 10);
  paint(cr, col::wood, lamp, 56, 2.5);
  ellipse(cr, 1236, 572, 14, 12);
  paint(cr, pal::plum, lamp, 24, 2);
  ellipse(cr, 1256, 574, 12, 10);
  paint(cr, pal::teal, lamp, 20, 2);
  tube(cr, {{1230, 576}, {1262, 540}}, 2.5, col::steel, lamp, 1.2);
  tube(cr, {{1244, 578}, {1270, 548}}, 2.5, col::steel, lamp, 1.2);
}

void bookcase(cairo_t* cr) {
  const double x0 = 30, x1 = 160, top = 170;
  cairo_rectangle(cr, x0, top, x1 - x0, floory + 10 - top);
  paint(cr, col::darkwood, lamp, 130, 3);
  rng r(3301);
  const rgb spines[] = {pal::blood, pal::teal, pal::plum, pal::gold, pal::moss, pal::sky};
  for (int shelf = 0; shelf < 4; shelf++) {
    double sy = top + 20 + shelf * 84;
    cairo_rectangle(cr, x0 + 8, sy, x1 - x0 - 16, 70);
    flat(cr, rgb{0.16, 0.1, 0.1}, 2);
    double bx = x0 + 12;
    while (bx < x1 - 20) {
      double bw = r.range(8, 15), bh = r.range(46, 66);
      bool lean = r.chance(0.1);
      cairo_save(cr);
      if (lean) {
        cairo_translate(cr, bx, sy + 70);
        cairo_rotate(cr, 0.25);
        cairo_translate(cr, -bx, -(sy + 70));
      }
      cairo_rectangle(cr, bx, sy + 70 - bh, bw, bh);
      paint(cr, spines[r.next() % 6], lamp, bw, 1.5);
      cairo_rectangle(cr, bx + 2, sy + 70 - bh + 8, bw - 4, 3);
      artsetcolor(cr, pal::gold, 0.7);
      cairo_fill(cr);
      cairo_restore(cr);
      bx += bw + (lean ? 8 : 1);
    }
    cairo_rectangle(cr, x0 + 4, sy + 70, x1 - x0 - 8, 8);
    paint(cr, col::wood, lamp, 8, 2);
  }
  // a candle on a small table in front
  cairo_rectangle(cr, 120, 560, 130, 14);
  paint(cr, col::wood, lamp, 130, 2.5);
  for (double lx : {130.0, 240.0}) {
    cairo_rectangle(cr, lx - 4, 574, 8, 90);
    paint(cr, col::wood, lamp, 8, 2);
  }
  glow(cr, 200, 500, 120, col::lamp, 0.4);
  cairo_rectangle(cr, 192, 510, 16, 50);
  paint(cr, pal::bone, lamp, 16, 2);
  blob(cr, {{200, 486}, {206, 500}, {200, 508}, {194, 500}});
  flat(cr, rgb{1.0, 0.85, 0.4}, 1.2);
  drawpie(cr, 150, 552, 40, false, lamp);  // one of Grandma's, perfectly safe
}

// The rug: an oval with borders and a ring pattern. Drawn into the room and, on its own, into
// the rug pictures.
void rug(cairo_t* cr, double x, double y, double rx, double ry) {
  light L = lamp;
  ellipse(cr, x, y, rx, ry);
  paint(cr, rgb{0.62, 0.18, 0.2}, L, rx * 2, 3);
  for (int ring = 1; ring <= 3; ring++) {
    double k = 1 - ring * 0.2;
    ellipse(cr, x, y, rx * k, ry * k);
    artsetcolor(cr, ring % 2 ? pal::gold : pal::bone, 0.75);
    cairo_set_line_width(cr, 4 - ring * 0.8);
    cairo_stroke(cr);
  }
  ellipse(cr, x, y, rx * 0.22, ry * 0.22);
  flat(cr, pal::gold, 1.5, 0.8);
  // fringe
  for (double a = 0; a < 2 * M_PI; a += 0.09) {
    double fx = x + std::cos(a) * rx, fy = y + std::sin(a) * ry;
    inkline(cr, {{fx, fy}, {fx + std::cos(a) * 7, fy + std::sin(a) * 4}}, 1.2, 0.6);
  }
}

// Everything of the room but the pillows and the clock; with or without the rug.
void room(cairo_t* cr, bool withrug) {
  wallpaper(cr);
  floorboards(cr);
  windowwithface(cr);
  portrait(cr);
  bookcase(cr);
  clockniche(cr);
  lampandchair(cr);
  // moonlight falling through the window onto the floor
  cairo_save(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
  poly(cr, {{200, 452}, {410, 452}, {560, 700}, {260, 720}});
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 452, 0, 720);
  cairo_pattern_add_color_stop_rgba(g, 0, 0.25, 0.3, 0.45, 0.25);
  cairo_pattern_add_color_stop_rgba(g, 1, 0.25, 0.3, 0.45, 0);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  cairo_restore(cr);
  if (withrug) {
    groundshadow(cr, rugx + 6, rugy + 8, rugrx + 6, rugry + 6, 0.4);
    rug(cr, rugx, rugy, rugrx, rugry);
  }
  sofa(cr);
  // a potted fern in the right corner, and the room's dimness at the edges
  for (int i = 0; i < 9; i++) {
    double a = -M_PI / 2 + (i - 4) * 0.28;
    tube(cr, {{1300, 640}, {1300 + std::cos(a) * 60, 640 + std::sin(a) * 70}, {1300 + std::cos(a) * 100, 620 + std::sin(a) * 110}},
         9, pal::moss, lamp, 2);
  }
  poly(cr, {{1268, 640}, {1332, 640}, {1322, 700}, {1278, 700}});
  paint(cr, col::brick, lamp, 60, 3);
  vignette(cr, roomw, roomh, 0.55);
}


// ---- the hiding places ------------------------------------------------------------------------

void pillow(cairo_t* cr, double cx, double cy, double tilt, rgb c, int pattern) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_rotate(cr, tilt * M_PI / 180);
  groundshadow(cr, 2, 30, 50, 8, 0.45);
  // a plump square with its corners pulled out into points
  blob(cr, {{-48, -34}, {0, -28}, {48, -36}, {42, 0}, {50, 34}, {0, 28}, {-50, 36}, {-42, 0}}, 0.9);
  cairo_path_t* shape = cairo_copy_path(cr);
  paint(cr, c, lamp, 96, 3);
  cairo_save(cr);
  cairo_append_path(cr, shape);
  cairo_clip(cr);
  if (pattern == 1) {  // embroidered diamonds
    for (double y = -30; y <= 30; y += 20)
      for (double x = -44 + (int(y + 30) / 20 % 2) * 11; x <= 44; x += 22) {
        poly(cr, {{x, y - 6}, {x + 5, y}, {x, y + 6}, {x - 5, y}});
        artsetcolor(cr, pal::bone, 0.5);
        cairo_fill(cr);
      }
  } else {  // a stitched border
    artroundrect(cr, -36, -22, 72, 44, 10);
    artsetcolor(cr, pal::bone, 0.55);
    cairo_set_line_width(cr, 1.6);
    double dash[] = {4, 3};
    cairo_set_dash(cr, dash, 2, 0);
    cairo_stroke(cr);
    cairo_set_dash(cr, nullptr, 0, 0);
  }
  cairo_restore(cr);
  cairo_path_destroy(shape);
  // a button pulling the middle in, and the tassels
  ellipse(cr, 0, 0, 5, 5);
  paint(cr, artshade(c, 0.7), lamp, 10, 1.5);
  for (double a : {-140.0, -40.0, 40.0, 140.0}) {
    double r = a * M_PI / 180;
    double tx = std::cos(r) * 58, ty = std::sin(r) * 44;
    poly(cr, {{tx, ty - 2}, {tx + std::cos(r) * 10 - 3, ty + 9}, {tx + std::cos(r) * 10 + 3, ty + 9}});
    paint(cr, pal::gold, lamp, 8, 1.5);
  }
  cairo_restore(cr);
}

void wallclock(cairo_t* cr, double cx, double cy) {
  // case with a little roof, a round face and a window onto the pendulum
  poly(cr, {{cx - 46, cy - 52}, {cx, cy - 84}, {cx + 46, cy - 52}});
  paint(cr, col::darkwood, lamp, 90, 3);
  artroundrect(cr, cx - 42, cy - 56, 84, 138, 10);
  paint(cr, col::wood, lamp, 120, 3);
  woodgrain(cr, cx - 40, cy - 50, cx + 40, cy + 80, col::darkwood, 3401);
  artroundrect(cr, cx - 42, cy - 56, 84, 138, 10);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  ellipse(cr, cx, cy - 14, 34, 34);
  paint(cr, pal::gold, lamp, 70, 3);
  ellipse(cr, cx, cy - 14, 27, 27);
  paint(cr, pal::bone, lamp, 54, 2);
  for (int i = 0; i < 12; i++) {
    double a = i * M_PI / 6;
    double r0 = i % 3 == 0 ? 19 : 22;
    inkline(cr, {{cx + std::cos(a) * r0, cy - 14 + std::sin(a) * r0}, {cx + std::cos(a) * 24, cy - 14 + std::sin(a) * 24}},
            i % 3 == 0 ? 2.2 : 1.2);
  }
  inkline(cr, {{cx, cy - 14}, {cx + 2, cy - 34}}, 2.8);  // nearly midnight
  inkline(cr, {{cx, cy - 14}, {cx - 10, cy - 26}}, 3.2);
  ellipse(cr, cx, cy - 14, 3, 3);
  flat(cr, pal::ink, 0);
  artroundrect(cr, cx - 22, cy + 26, 44, 48, 6);
  cairo_path_t* win = cairo_copy_path(cr);
  flat(cr, rgb{0.16, 0.1, 0.12}, 2.5);
  cairo_save(cr);
  cairo_append_path(cr, win);
  cairo_clip(cr);
  tube(cr, {{cx, cy + 20}, {cx + 4, cy + 58}}, 2, pal::gold, lamp, 1);
  ellipse(cr, cx + 4, cy + 60, 9, 9);
  paint(cr, pal::gold, lamp, 18, 1.5);
  cairo_restore(cr);
  cairo_path_destroy(win);
  // feet
  for (double side : {-1.0, 1.0}) {
    ellipse(cr, cx + side * 30, cy + 84, 7, 5);
    paint(cr, col::darkwood, lamp, 12, 2);
  }
}

// The rug rolled up from its front edge; p from 0 (flat) to 1 (one roll at its back edge).
void rugrolling(cairo_t* cr, double x, double y, double rx, double ry, double p) {
  double front = y + ry - p * 2 * ry * 0.92;
  double d = 12 + 30 * p;  // the roll's diameter grows as it takes up the rug
  if (p < 1) {
    cairo_save(cr);
    cairo_rectangle(cr, x - rx - 20, y - ry - 20, 2 * rx + 40, front - (y - ry - 20));
    cairo_clip(cr);
    rug(cr, x, y, rx, ry);
    cairo_restore(cr);
  }
  // the roll lies along the front line, as wide as the rug
  double w = rx * 1.9, cyr = front - d * 0.45;
  groundshadow(cr, x, front + 2, w * 0.55, 7, 0.45);
  artroundrect(cr, x - w / 2, cyr - d / 2, w, d, d / 2);
  cairo_path_t* roll = cairo_copy_path(cr);
  paint(cr, rgb{0.62, 0.18, 0.2}, lamp, d, 3);
  cairo_save(cr);
  cairo_append_path(cr, roll);
  cairo_clip(cr);
  for (double sx = -0.42; sx <= 0.42; sx += 0.14) {
    cairo_rectangle(cr, x + sx * w - 3, cyr - d / 2, 6, d);
    artsetcolor(cr, pal::gold, 0.55);
    cairo_fill(cr);
  }
  cairo_restore(cr);
  cairo_path_destroy(roll);
  // the spiral at each end
  for (double side : {-1.0, 1.0}) {
    double ex = x + side * (w / 2 - d * 0.25);
    ellipse(cr, ex, cyr, d * 0.28, d * 0.5);
    paint(cr, rgb{0.5, 0.14, 0.16}, lamp, d, 2.5);
    cairo_new_path(cr);
    for (double t = 0; t < 4 * M_PI; t += 0.3) {
      double rr = t / (4 * M_PI);
      double sx = ex + std::cos(t) * d * 0.24 * rr, sy = cyr + std::sin(t) * d * 0.44 * rr;
      if (t == 0) cairo_move_to(cr, sx, sy);
      else cairo_line_to(cr, sx, sy);
    }
    artsetcolor(cr, pal::gold, 0.8);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
  }
}

// A picture of size w x h whose centre is room point (cx, cy), copied from a room render.
cairo_surface_t* roomcut(cairo_surface_t* room, double cx, double cy, int w, int h) {
  return cutout(room, int(cx - w / 2.0), int(cy - h / 2.0), w, h);
}

void home() {
  // the room with the rug (the background) and without (the floor under the rolling rug)
  cairo_t* withrug = artnew(roomw, roomh);
  room(withrug, true);
  grain(withrug, 0.025, 3501);
  cairo_t* bare = artnew(roomw, roomh);
  room(bare, false);
  grain(bare, 0.025, 3501);
  savesurface(cairo_get_target(withrug), "story/1-home/bg.jpg");

  // v1: the resting rug as the room shows it, cut out along its own shape; v1-2 its glow
  {
    cairo_t* mask = artnew(rugw, rugh);
    cairo_translate(mask, rugw / 2.0 - rugx, rugh / 2.0 - rugy);
    rug(mask, rugx, rugy, rugrx, rugry);
    cairo_t* v1 = artnew(rugw, rugh);
    cairo_surface_t* lit = roomcut(cairo_get_target(withrug), rugx, rugy, rugw, rugh);
    cairo_set_source_surface(v1, lit, 0, 0);
    cairo_mask_surface(v1, cairo_get_target(mask), 0, 0);
    cairo_surface_destroy(lit);
    artdone(mask);
    saveglow(v1, "story/1-home/v1-2.png", glowpad);
    artsave(v1, "story/1-home/v1.png");
  }
  // v2..v7: the bare floor where the rug lay, feathered into the room, and the rug rolling up
  for (int k = 1; k <= 6; k++) {
    cairo_t* cr = artnew(framew, frameh);
    double ox = framew / 2.0 - rugx, oy = frameh / 2.0 - framey;
    cairo_surface_t* floor = roomcut(cairo_get_target(bare), rugx, framey, framew, frameh);
    cairo_pattern_t* m = cairo_pattern_create_radial(0, 0, 0, 0, 0, 1);
    cairo_pattern_add_color_stop_rgba(m, 0, 0, 0, 0, 1);
    cairo_pattern_add_color_stop_rgba(m, 0.88, 0, 0, 0, 1);
    cairo_pattern_add_color_stop_rgba(m, 1, 0, 0, 0, 0);
    cairo_matrix_t mm;
    cairo_matrix_init_scale(&mm, 1.0 / (rugrx + 26), 1.0 / (rugry + 22));
    cairo_matrix_translate(&mm, -(rugx + ox), -(rugy + 4 + oy));
    cairo_pattern_set_matrix(m, &mm);
    cairo_set_source_surface(cr, floor, 0, 0);
    cairo_mask(cr, m);
    cairo_pattern_destroy(m);
    cairo_surface_destroy(floor);
    cairo_translate(cr, ox, oy);
    rugrolling(cr, rugx, rugy, rugrx, rugry, k / 6.0);
    cairo_identity_matrix(cr);
    grain(cr, 0.02, 3510 + k);
    artsave(cr, "story/1-home/v" + std::to_string(k + 1) + ".png");
  }
  artdone(withrug);
  artdone(bare);

  // the pillows and the clock, each with its glow
  {
    cairo_t* cr = artnew(pillw, pillh);
    pillow(cr, pillw / 2.0, pillh / 2.0 - 2, 8, rgb{0.86, 0.6, 0.2}, 2);
    grain(cr, 0.02, 3601);
    saveglow(cr, "story/1-home/pillow1-2.png", glowpad);
    artsave(cr, "story/1-home/pillow1.png");
  }
  {
    cairo_t* cr = artnew(pillw, pillh);
    pillow(cr, pillw / 2.0, pillh / 2.0 - 2, -10, pal::plum, 1);
    grain(cr, 0.02, 3602);
    saveglow(cr, "story/1-home/pillow2-2.png", glowpad);
    artsave(cr, "story/1-home/pillow2.png");
  }
  {
    cairo_t* cr = artnew(clockw, clockh);
    groundshadow(cr, clockw / 2.0 + 8, clockh / 2.0 + 12, 40, 70, 0.35);
    wallclock(cr, clockw / 2.0, clockh / 2.0);
    grain(cr, 0.02, 3603);
    saveglow(cr, "story/1-home/clock-2.png", glowpad);
    artsave(cr, "story/1-home/clock.png");
  }
}

}  // namespace

void forgestory_ch1home() { home(); }

std::vector<pictureentry> manifest_story_ch1home() {
  std::vector<pictureentry> m = {
      {"story/1-home/bg.jpg", roomw, roomh, "chapter 1 Grandma's room at night, rug included [cut]"},
      {"story/1-home/v1.png", rugw, rugh, "chapter 1 the rug at rest (as in the room)"},
      {"story/1-home/v1-2.png", rugw + 2 * glowpad, rugh + 2 * glowpad, "chapter 1 the rug glowing"},
      {"story/1-home/pillow1.png", pillw, pillh, "chapter 1 sofa pillow, right"},
      {"story/1-home/pillow1-2.png", pillw + 2 * glowpad, pillh + 2 * glowpad, "chapter 1 sofa pillow, right, glowing"},
      {"story/1-home/pillow2.png", pillw, pillh, "chapter 1 sofa pillow, left"},
      {"story/1-home/pillow2-2.png", pillw + 2 * glowpad, pillh + 2 * glowpad, "chapter 1 sofa pillow, left, glowing"},
      {"story/1-home/clock.png", clockw, clockh, "chapter 1 wall clock over the secret niche"},
      {"story/1-home/clock-2.png", clockw + 2 * glowpad, clockh + 2 * glowpad, "chapter 1 wall clock glowing"},
  };
  for (int k = 2; k <= 7; k++)
    m.push_back({"story/1-home/v" + std::to_string(k) + ".png", framew, frameh,
                 "chapter 1 the rug rolled away, frame " + std::to_string(k - 1) + " of 6"});
  return m;
}
