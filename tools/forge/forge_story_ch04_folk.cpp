// Chapter 4's people out in the rain: a grandma under her umbrella, a zombie whose umbrella
// blew inside out, another sheltering under his newspaper, a zombie child stamping in a
// puddle, and the bus stop where a postman and a zombie wait side by side.
#include "tools/forge/forge_story.h"
#include "tools/forge/forge_story_ch04.h"
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

using namespace storykit;
using namespace ch4;

namespace ch4 {

namespace {

// An umbrella blown inside out over a hand at (x, y): the canopy a cup, the ribs sticking out.
void insideout(cairo_t* cr, double x, double y, double s, const light& L) {
  tube(cr, {{x, y + 8 * s}, {x + 2 * s, y - 48 * s}}, 3 * s, pal::ink, L, 0);
  cairo_move_to(cr, x - 3 * s, y + 8 * s);
  cairo_curve_to(cr, x - 3 * s, y + 16 * s, x + 7 * s, y + 16 * s, x + 7 * s, y + 8 * s);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 3 * s);
  cairo_stroke(cr);
  std::vector<pt> cup{{x - 40 * s, y - 96 * s}, {x - 18 * s, y - 80 * s}, {x + 2 * s, y - 50 * s},
                      {x + 24 * s, y - 84 * s}, {x + 46 * s, y - 100 * s}, {x + 20 * s, y - 88 * s},
                      {x + 2 * s, y - 92 * s},  {x - 18 * s, y - 90 * s}};
  blob(cr, cup, 0.5);
  paint(cr, pal::plum, L, 80 * s, 2.6);
  for (pt tip : std::vector<pt>{{-40, -96}, {-18, -90}, {2, -92}, {20, -88}, {46, -100}})
    inkline(cr, {{x + 2 * s, y - 50 * s}, {x + tip.x * s, y + tip.y * s}}, 1.4 * s, 0.8);
  // a torn flap flapping free
  poly(cr, {{x + 46 * s, y - 100 * s}, {x + 62 * s, y - 112 * s}, {x + 54 * s, y - 94 * s}});
  paint(cr, pal::plum, L, 20 * s, 2);
}

// An open umbrella held at (hx, hy), its tip at (tx, ty), the canopy `w` wide, striped, with
// rain bouncing off it.
void umbrella(cairo_t* cr, double hx, double hy, double tx, double ty, double w, rgb c, const light& L) {
  tube(cr, {{hx, hy + 10}, {tx, ty}}, 3, pal::ink, L, 0);
  cairo_move_to(cr, hx - 4, hy + 10);
  cairo_curve_to(cr, hx - 4, hy + 18, hx + 6, hy + 18, hx + 6, hy + 10);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  double cx = tx, top = ty + 6, rim = ty + 52;
  std::vector<pt> canopy{{cx - w / 2, rim}, {cx - w * 0.42, rim - 28}, {cx - w * 0.2, top + 4}, {cx, top},
                         {cx + w * 0.2, top + 4}, {cx + w * 0.42, rim - 28}, {cx + w / 2, rim}};
  // a scalloped rim between the ribs
  for (int k = 3; k >= -3; k--) {
    double x = cx + k * w / 6;
    canopy.push_back({x + w / 12, rim - 8});
    if (k > -3) canopy.push_back({x, rim});
  }
  poly(cr, canopy);
  cairo_path_t* shape = cairo_copy_path(cr);
  paint(cr, c, L, w, 3);
  cairo_save(cr);
  cairo_append_path(cr, shape);
  cairo_clip(cr);
  for (int k = -2; k <= 2; k += 2) {  // bone stripes between every other rib
    poly(cr, {{cx, top}, {cx + (k - 0.5) * w / 6, rim}, {cx + (k + 0.5) * w / 6, rim}});
    artsetcolor(cr, pal::bone, 0.8);
    cairo_fill(cr);
  }
  cairo_restore(cr);
  for (int k = -2; k <= 2; k++) inkline(cr, {{cx, top}, {cx + k * w / 6 * 1.1, rim - 4}}, 1.4, 0.6);
  cairo_new_path(cr);
  cairo_append_path(cr, shape);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  cairo_path_destroy(shape);
  ellipse(cr, cx, top - 2, 3, 5);
  flat(cr, pal::ink, 0);
  rng r{uint32_t(hx)};
  for (int i = 0; i < 9; i++) {  // drops bouncing off the canopy and running off its rim
    double a = r.range(-1.2, 1.2);
    double x = cx + std::sin(a) * w * 0.45, y = top + 10 + (1 - std::cos(a)) * 40 - r.range(6, 16);
    inkline(cr, {{x, y}, {x + std::sin(a) * 6, y - 5}}, 1.4, 0);
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x + std::sin(a) * 7, y - 6);
    artsetcolor(cr, raincol, 0.8);
    cairo_set_line_width(cr, 1.4);
    cairo_stroke(cr);
  }
  for (int k = -3; k <= 3; k += 2) {
    double x = cx + k * w / 6 + w / 12;
    blob(cr, {{x, rim - 4}, {x + 3, rim + 3}, {x, rim + 6}, {x - 3, rim + 3}}, 0.8);
    flat(cr, rgb{0.74, 0.86, 1.0}, 1.2);
  }
}

}  // namespace

// A zombie child in a yellow raincoat and sou'wester, stamping in a puddle with both boots.
void puddlejumper(cairo_t* cr, double x, double y, const light& L) {
  ellipse(cr, x, y, 110, 16);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, y - 16, 0, y + 16);
  cairo_pattern_add_color_stop_rgba(g, 0, 0.5, 0.6, 0.78, 0.85);
  cairo_pattern_add_color_stop_rgba(g, 1, 0.22, 0.28, 0.42, 0.85);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  for (int k = 0; k < 3; k++) {  // rings spreading from the stamp
    ellipse(cr, x, y, 40 + k * 26, 6 + k * 3.5);
    artsetcolor(cr, raincol, 0.6 - k * 0.15);
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);
  }
  figure z = zombiefolk(1);
  z.height = 170;
  z.shirt = pal::gold;
  z.trousers = pal::gold;
  z.shoes = rgb{0.2, 0.45, 0.36};
  z.hat = 0;
  z.hair_style = 4;
  z.expr = face::grin;
  z.handl = {-22, -20};
  z.handr = {22, -24};
  z.headtilt = 6;
  drawfigure(cr, x, y - 30, z, L);  // in mid-stamp, just above the water
  // the sou'wester, brim turned down all round
  double hx = x + 2, hy = y - 30 - 170 + 34;
  blob(cr, {{hx - 46, hy + 2}, {hx - 26, hy - 30}, {hx, hy - 38}, {hx + 26, hy - 30}, {hx + 46, hy + 2}, {hx, hy - 8}}, 0.5);
  paint(cr, pal::gold, L, 90, 3);
  inkline(cr, {{hx - 24, hy - 8}, {hx + 24, hy - 8}}, 2, 0.6);
  // the splash: a crown of water and flying drops
  for (int k = -4; k <= 4; k++) {
    if (k == 0) continue;
    double a = k * 0.3;
    double bx = x + k * 14, len = 50 - std::abs(k) * 7;
    cairo_move_to(cr, bx, y - 4);
    cairo_curve_to(cr, bx + std::sin(a) * len * 0.4, y - len * 0.6, bx + std::sin(a) * len, y - len, bx + std::sin(a) * len * 1.1,
                   y - len * 0.8);
    artsetcolor(cr, raincol, 0.8);
    cairo_set_line_width(cr, 3);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
    ellipse(cr, bx + std::sin(a) * len * 1.3, y - len * 1.05, 3.5, 4.5);
    flat(cr, rgb{0.78, 0.9, 1.0}, 1.2);
  }
}

void people(cairo_t* cr) {
  const light L = lamplight;
  // a grandma hurrying home under her red umbrella
  {
    figure g = townsfolk(3);
    g.height = 150;
    g.expr = face::worry;
    g.lookx = 0.6;
    g.lean = 6;
    g.handl = {6, -30};
    g.handr = {4, 26};
    g.holdr = held::bag;
    g.stance = 1.3;
    groundshadow(cr, 690, 662, 50, 7, 0.5);
    drawfigure(cr, 690, 660, g, L);
    umbrella(cr, 686, 527, 712, 446, 150, pal::blood, L);
  }
  // a zombie whose umbrella the wind turned inside out, staring at it
  {
    figure z = zombiefolk(6);
    z.height = 160;
    z.expr = face::shock;
    z.lookx = 0.5;
    z.looky = -1;
    z.headtilt = 10;
    z.handr = {6, -46};
    z.handl = {-14, 12};
    z.lean = 0;
    groundshadow(cr, 1016, 664, 52, 7, 0.5);
    drawfigure(cr, 1016, 662, z, L);
    insideout(cr, 1016 + (17 * z.girth + 6) * 1.6, 662 - (58 + 46) * 1.6 + 4, 1.1, L);  // in his right hand
  }
  // a zombie at the chip shop holding his paper over his head like a roof
  {
    figure z = zombiefolk(4);
    z.height = 150;
    z.expr = face::grin;
    z.handl = {-4, -44};
    z.handr = {4, -44};
    z.headtilt = -6;
    z.lean = 0;
    groundshadow(cr, 1452, 662, 48, 7, 0.5);
    drawfigure(cr, 1452, 660, z, L);
    double top = 660 - 150 - 6;
    poly(cr, {{1452 - 46, top + 20}, {1452 - 4, top - 6}, {1452 + 4, top - 6}, {1452 + 46, top + 20},
              {1452 + 40, top + 26}, {1452, top + 4}, {1452 - 40, top + 26}});
    paint(cr, pal::bone, L, 90, 2.6);
    for (int k = 0; k < 4; k++)
      inkline(cr, {{1452 - 34 + k * 4.0, top + 14 - k * 4.0}, {1452 - 12.0, top + 8 - k * 2.0}}, 1, 0.5);
    artfont(cr, "serif", 9);
    cairo_save(cr);
    cairo_translate(cr, 1452 + 22, top + 8);
    cairo_rotate(cr, 0.52);
    arttext(cr, "GAZETTE", 0, 0, pal::ink, 0);
    cairo_restore(cr);
  }
}

// The bus stop on the left: a glass shelter, a timetable, a postman waiting on the bench and a
// zombie waiting just as politely beside him, ticket in hand.
void busstop(cairo_t* cr, double x, const light& L) {
  const double y = 660, w = 250, h = 190;
  poly(cr, {{x - 6, y - h - 14}, {x + w + 6, y - h - 14}, {x + w + 16, y - h + 2}, {x - 16, y - h + 2}});
  paint(cr, pal::teal, L, w, 3);
  cairo_rectangle(cr, x, y - h, w, h);
  artsetcolor(cr, rgb{0.6, 0.75, 0.85}, 0.18);
  cairo_fill(cr);
  for (double px : {x, x + w}) {
    cairo_rectangle(cr, px - 4, y - h, 8, h);
    paint(cr, pal::teal, L, 8, 2.5);
  }
  artroundrect(cr, x + w - 70, y - h + 24, 56, 70, 4);  // the timetable, lit from inside
  flat(cr, rgb{0.98, 0.94, 0.78}, 2.5);
  glow(cr, x + w - 42, y - h + 58, 60, col::lamp, 0.35);
  for (int k = 0; k < 6; k++) inkline(cr, {{x + w - 62, y - h + 36 + k * 9.0}, {x + w - 24, y - h + 36 + k * 9.0}}, 1.2, 0.45);
  figure p = townsfolk(4);
  p.height = 140;
  p.sitting = true;
  p.expr = face::sleepy;
  p.handl = {6, 16};
  p.handr = {-4, 18};
  p.holdl = held::newspaper;
  drawfigure(cr, x + 80, y - 40, p, L);
  figure z = zombiefolk(2);
  z.height = 146;
  z.expr = face::smile;
  z.lookx = -0.8;
  z.handr = {-8, 10};
  z.handl = {-2, 30};
  z.lean = -4;
  drawfigure(cr, x + 170, y, z, L);
  cairo_rectangle(cr, x + 140, y - 94, 10, 7);  // the ticket
  flat(cr, pal::gold, 1.4);
  cairo_rectangle(cr, x + 20, y - 44, 120, 8);  // the bench
  paint(cr, col::wood, L, 100, 2.5);
  for (int k = 0; k < 6; k++) {  // glass streaked with running water
    double gx = x + 16 + k * 40;
    inkline(cr, {{gx, y - h + 6}, {gx + 2, y - h + 60}, {gx - 1, y - 30}}, 1, 0.0);
    cairo_move_to(cr, gx, y - h + 6);
    cairo_curve_to(cr, gx + 3, y - h + 50, gx - 2, y - h + 100, gx + 1, y - 20);
    artsetcolor(cr, rgb{0.85, 0.95, 1.0}, 0.25);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
  }
  cairo_rectangle(cr, x, y - h, w, h);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 2.5);
  cairo_stroke(cr);
  // the stop sign on its pole
  tube(cr, {{x - 30, y}, {x - 30, y - 240}}, 5, col::iron, L, 2);
  ellipse(cr, x - 30, y - 250, 22, 22);
  paint(cr, pal::blood, L, 44, 2.8);
  ellipse(cr, x - 30, y - 250, 14, 14);
  flat(cr, pal::bone, 0);
  artfont(cr, "sans", 12);
  arttext(cr, "BUS", x - 30, y - 250, pal::ink, 0);
}

}  // namespace ch4
