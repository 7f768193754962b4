// Chapter 7's objects: the key cabinet's lid in six frames, the key, the padlock shut and
// open, the quay lamp's flicker, the sliding door, the crane's lights and floodlight, the
// hook on its spreader and the container; and the pieces of the crane house the background
// and the lit pictures share.
#include "tools/forge/forge_story.h"
#include "tools/forge/forge_story_ch07.h"
#include "tools/forge/forge_story_sea.h"
#include <algorithm>
#include <cmath>
#include <string>

using namespace storykit;
using namespace seakit;

namespace harbour {

namespace {

constexpr int lidw = 120, lidh = 196, keyw = 96, keyh = 72, lockw = 64, lockh = 96;
constexpr int lampw = 420, lamph = 720, doorw = 344, doorh = 290, lightsw = 1000, lightsh = 424;
constexpr int floodw = 1000, floodh = 780, hookw = 400, hookh = 800, contw = 400, conth = 224, glowpad = 10;
const rgb cabinetred{0.74, 0.2, 0.18}, doorred{0.6, 0.24, 0.2}, crane{0.93, 0.58, 0.14};
const rgb lampglassoff{0.22, 0.26, 0.34};

// A new picture whose user space is the scene's, centred on (cx, cy).
cairo_t* scenepicture(int w, int h, double cx, double cy) {
  cairo_t* cr = artnew(w, h);
  cairo_translate(cr, w / 2.0 - cx, h / 2.0 - cy);
  return cr;
}

}  // namespace

// ---- pieces shared by the background and the lit pictures ----------------------------------

void lampglass(cairo_t* cr, bool lit, const light& L) {
  const double x = lampx, y = lampy, ol = 3;
  if (lit) glow(cr, x, y, 90, col::lamp, 0.7);
  artroundrect(cr, x - 15, y - 20, 30, 40, 6);
  if (lit) {
    cairo_pattern_t* g = cairo_pattern_create_radial(x, y, 2, x, y, 24);
    cairo_pattern_add_color_stop_rgb(g, 0, 1, 1, 0.9);
    cairo_pattern_add_color_stop_rgb(g, 1, 1, 0.72, 0.35);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    artsetcolor(cr, pal::ink);
    cairo_set_line_width(cr, ol);
    cairo_stroke(cr);
  } else {
    paint(cr, lampglassoff, L, 30, ol);
  }
  for (double dx : {-5.0, 5.0}) inkline(cr, {{x + dx, y - 20}, {x + dx, y + 20}}, 1.4, 0.7);
  // the bell-shaped cap with its finial, the collar under the glass
  blob(cr, {{x - 24, y - 18}, {x - 12, y - 34}, {x, y - 40}, {x + 12, y - 34}, {x + 24, y - 18}}, 0.7);
  paint(cr, rgb{0.22, 0.32, 0.32}, L, 48, ol);
  ellipse(cr, x, y - 44, 4, 5);
  paint(cr, rgb{0.22, 0.32, 0.32}, L, 8, 2);
  poly(cr, {{x - 16, y + 20}, {x + 16, y + 20}, {x + 10, y + 30}, {x - 10, y + 30}});
  paint(cr, rgb{0.22, 0.32, 0.32}, L, 30, ol);
}

void eavelamp(cairo_t* cr, double x, double y, bool lit, const light& L) {
  if (lit) glow(cr, x, y + 4, 46, rgb{1.0, 0.72, 0.3}, 0.75);
  tube(cr, {{x, y - 16}, {x, y - 8}}, 3, col::iron, L, 1.5);
  ellipse(cr, x, y + 2, 9, 10);
  if (lit) {
    cairo_pattern_t* g = cairo_pattern_create_radial(x, y + 2, 1, x, y + 2, 10);
    cairo_pattern_add_color_stop_rgb(g, 0, 1, 1, 0.85);
    cairo_pattern_add_color_stop_rgb(g, 1, 1, 0.62, 0.2);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    artsetcolor(cr, pal::ink);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
  } else {
    paint(cr, rgb{0.45, 0.34, 0.22}, L, 18, 2);
  }
  // the cage over the bulb
  for (double dx : {-5.0, 0.0, 5.0}) inkline(cr, {{x + dx, y - 8}, {x + dx * 1.6, y + 2}, {x + dx, y + 12}}, 1.3);
  cairo_rectangle(cr, x - 7, y - 10, 14, 4);
  paint(cr, col::iron, L, 14, 1.5);
}

void floodhead(cairo_t* cr, bool lit, const light& L) {
  const double x = floodlampx, y = floodlampy;
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, 0.6);  // aimed down to the right
  if (lit) glow(cr, 16, 0, 70, rgb{1.0, 0.95, 0.8}, 0.8);
  poly(cr, {{-22, -16}, {8, -20}, {8, 20}, {-22, 16}});
  paint(cr, rgb{0.3, 0.3, 0.36}, L, 40, 2.5);
  ellipse(cr, 10, 0, 7, 20);
  if (lit) {
    flat(cr, rgb{1.0, 0.98, 0.88}, 2.5);
  } else {
    paint(cr, rgb{0.3, 0.36, 0.46}, L, 20, 2.5);
  }
  for (double dy : {-10.0, 0.0, 10.0}) inkline(cr, {{4, dy}, {14, dy}}, 1.2, 0.6);
  cairo_restore(cr);
}

void cabwindows(cairo_t* cr, bool lit) {
  const double x0 = cabx0 + 8, x1 = cabx1 + 4, y0 = caby0 + 12, y1 = caby0 + 52;
  if (lit) glow(cr, (x0 + x1) / 2, (y0 + y1) / 2, 90, col::windowlit, 0.55);
  poly(cr, {{x0, y0}, {x1, y0}, {x1 - 6, y1}, {x0, y1}});
  if (lit) {
    cairo_pattern_t* g = cairo_pattern_create_linear(0, y0, 0, y1);
    cairo_pattern_add_color_stop_rgb(g, 0, 1.0, 0.92, 0.62);
    cairo_pattern_add_color_stop_rgb(g, 1, 1.0, 0.7, 0.32);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
  } else {
    artsetcolor(cr, rgb{0.16, 0.2, 0.3});
    cairo_fill_preserve(cr);
  }
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 2.5);
  cairo_stroke(cr);
  inkline(cr, {{cabx0 + 40, y0}, {cabx0 + 40, y1}}, 2.5);
  inkline(cr, {{cabx0 + 76, y0}, {cabx0 + 74, y1}}, 2.5);
  if (!lit) {
    cairo_move_to(cr, x0 + 6, y1 - 6);
    cairo_line_to(cr, x0 + 20, y0 + 6);
    artsetcolor(cr, col::moonlight, 0.35);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
  }
}

void machineroom(cairo_t* cr, const light& L) {
  const double x0 = doorl, x1 = doorr, y0 = doortop, y1 = doorbottom;
  cairo_save(cr);
  cairo_rectangle(cr, x0, y0, x1 - x0, y1 - y0);
  cairo_clip(cr);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, y0, 0, y1);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.16, 0.15, 0.2);
  cairo_pattern_add_color_stop_rgb(g, 0.75, 0.22, 0.19, 0.22);
  cairo_pattern_add_color_stop_rgb(g, 0.76, 0.26, 0.22, 0.22);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.2, 0.17, 0.18);
  cairo_set_source(cr, g);
  cairo_paint(cr);
  cairo_pattern_destroy(g);
  const light bulb = lightfrom(100, col::lamp, 0.6, 0.45);
  // a bare bulb on its flex lights the room from above
  glow(cr, 1440, 330, 260, col::lamp, 0.35);
  inkline(cr, {{1440, y0}, {1440, 318}}, 1.5);
  ellipse(cr, 1440, 326, 7, 9);
  flat(cr, rgb{1, 0.92, 0.6}, 1.5);
  // the winch drum with the hoist rope wound on it, going up through the roof
  cairo_rectangle(cr, 1500, 340, 140, 86);
  paint(cr, crane, bulb, 90, 3);
  ellipse(cr, 1500, 383, 14, 43);
  paint(cr, artshade(crane, 0.8), bulb, 30, 3);
  for (double x = 1506; x < 1636; x += 7) inkline(cr, {{x, 342}, {x + 3, 424}}, 1.4, 0.55);
  tube(cr, {{1560, 342}, {1566, y0 - 4}}, 5, col::steel, bulb, 1.5);
  // a big gear on the motor
  cairo_new_path(cr);
  for (int i = 0; i < 24; i++) {
    double a = i * M_PI / 12, rr = i % 2 ? 36 : 44;
    if (i == 0) cairo_move_to(cr, 1580 + std::cos(a) * rr, 470 + std::sin(a) * rr);
    else cairo_line_to(cr, 1580 + std::cos(a) * rr, 470 + std::sin(a) * rr);
  }
  cairo_close_path(cr);
  paint(cr, col::iron, bulb, 80, 2.5);
  ellipse(cr, 1580, 470, 10, 10);
  paint(cr, col::steel, bulb, 20, 2);
  // a calendar and the employee of the month on the back wall
  cairo_rectangle(cr, 1336, 318, 44, 56);
  paint(cr, pal::bone, bulb, 44, 2);
  for (int i = 0; i < 4; i++) inkline(cr, {{1342, 344 + i * 7.0}, {1374, 344 + i * 7.0}}, 1, 0.4);
  cairo_rectangle(cr, 1336, 318, 44, 18);
  artsetcolor(cr, pal::blood, 0.8);
  cairo_fill(cr);
  cairo_rectangle(cr, 1460, 350, 30, 36);
  paint(cr, pal::gold, bulb, 30, 2);
  figure mug = zombiefolk(5);
  mug.hat = 0;
  mug.hair_style = 5;
  mug.expr = face::grin;
  drawhead(cr, 1475, 366, 10, mug, bulb);
  // the control desk: levers, buttons, a dial
  poly(cr, {{1352, 528}, {1356, 452}, {1490, 440}, {1500, 528}});
  paint(cr, rgb{0.4, 0.44, 0.5}, bulb, 140, 3);
  poly(cr, {{1352, 456}, {1362, 436}, {1492, 424}, {1490, 442}});
  paint(cr, rgb{0.5, 0.54, 0.6}, bulb, 140, 2.5);
  const rgb knobs[] = {pal::blood, pal::gold, pal::moss, pal::blood};
  for (int i = 0; i < 4; i++) {
    ellipse(cr, 1380 + i * 16, 438 - i * 1.2, 5, 3);
    paint(cr, knobs[i], bulb, 10, 1.5);
  }
  ellipse(cr, 1400, 484, 14, 14);
  paint(cr, pal::bone, bulb, 28, 2);
  inkline(cr, {{1400, 484}, {1408, 474}}, 2);
  // the sleeping driver: hi-vis vest, hard hat over his eyes, elbow on the big lever
  tube(cr, {{1470, 430}, {1478, 396}}, 5, col::steel, bulb, 2);
  ellipse(cr, 1479, 393, 7, 7);
  paint(cr, pal::blood, bulb, 14, 2);
  cairo_rectangle(cr, 1418, 492, 44, 10);
  paint(cr, col::darkwood, bulb, 44, 2);
  tube(cr, {{1440, 500}, {1440, 528}}, 6, col::iron, bulb, 2);
  figure f = zombiefolk(6);
  f.height = 150;
  f.sitting = true;
  f.girth = 1.2;
  f.shirt = rgb{0.4, 0.42, 0.56};
  f.trousers = rgb{0.22, 0.26, 0.4};
  f.vest = true;
  f.accent = rgb{0.86, 0.95, 0.22};
  f.hat = 0;
  f.moustache = true;
  f.bowtie = false;
  f.expr = face::sleepy;
  f.droop = 0.85;
  f.headtilt = 16;
  f.lean = 6;
  f.handl = {10, 24};
  f.handr = {6, -18};
  f.seed = 7501;
  drawfigure(cr, 1442, 494, f, bulb);
  cairo_save(cr);
  double r = headframe(cr, 1442, 494, f);
  cairo_translate(cr, 0, 0.12 * r);
  hardhat(cr, r, pal::gold, bulb);
  cairo_restore(cr);
  // his lunchbox and a thermos on the floor; a "Zzz" drifting up
  artroundrect(cr, 1500, 502, 40, 24, 4);
  paint(cr, pal::blood, bulb, 40, 2);
  artroundrect(cr, 1546, 484, 16, 42, 5);
  paint(cr, pal::teal, bulb, 16, 2);
  artfont(cr, "comic", 18);
  arttext(cr, "z", 1402, 352, pal::bone, 2);
  artfont(cr, "comic", 24);
  arttext(cr, "Z", 1384, 326, pal::bone, 2);
  haze(cr, x1 + 10, y1 - 50, y1, pal::ink, 0, 0.35);
  cairo_restore(cr);
  cairo_rectangle(cr, x0, y0, x1 - x0, y1 - y0);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  (void)L;
}

void keyrecess(cairo_t* cr, const light& L) {
  const double x0 = boxx - cabw / 2, y0 = boxy - cabh / 2, x1 = x0 + cabw, y1 = y0 + cabh;
  // the cabinet's body stands a little proud of the wall: its side shows on the right
  poly(cr, {{x1 + 2, y0 - 6}, {x1 + 12, y0 - 1}, {x1 + 12, y1 + 9}, {x1 + 2, y1 + 6}});
  paint(cr, artshade(cabinetred, 0.7), L, 12, 2.5);
  cairo_rectangle(cr, x0 - 6, y0 - 6, cabw + 12, cabh + 12);
  paint(cr, cabinetred, L, cabw, 3);
  cairo_rectangle(cr, x0, y0, cabw, cabh);
  cairo_pattern_t* g = cairo_pattern_create_linear(x0, 0, x1, 0);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.12, 0.1, 0.12);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.22, 0.16, 0.16);
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 2.5);
  cairo_stroke(cr);
  // inside: a hook rail with a tag for every key but one, the shelf the big key lies on
  tube(cr, {{x0 + 8, y0 + 22}, {x1 - 8, y0 + 22}}, 4, col::steel, L, 1.5);
  const rgb tags[] = {pal::gold, pal::teal, pal::bone};
  for (int i = 0; i < 3; i++) {
    double hx = x0 + 16 + i * 20;
    inkline(cr, {{hx, y0 + 22}, {hx, y0 + 34}}, 1.6);
    artroundrect(cr, hx - 5, y0 + 34, 10, 16, 2);
    paint(cr, tags[i], L, 10, 1.2);
  }
  artfont(cr, "sans", 9);
  arttext(cr, "SPARE", boxx, y0 + 66, rgb{0.5, 0.44, 0.44}, 0);
  cairo_rectangle(cr, x0 + 2, keyy + 11, cabw - 4, 5);
  paint(cr, rgb{0.4, 0.3, 0.28}, L, cabw, 1.5);
}

namespace {

// ---- the cabinet's lid ------------------------------------------------------------------------

// Where a point of the lid lands when it has swung `theta` degrees open towards the viewer:
// d is its distance from the hinge (0..76), v its height from the lid's top (0..126). Cabinet
// coordinates; the lid comes nearer as it opens, so it grows a little and sinks towards the
// horizon's perspective.
pt lidpoint(double d, double v, double theta) {
  double t = theta * M_PI / 180, z = d * std::sin(t), s = 1 + 0.0022 * z;
  return {cabw / 2 - d * std::cos(t), (v - cabh / 2) * s + (boxy - 345) * (s - 1)};
}

// The lid's face seen straight on, in its own 76 x 126 units: red steel, a white plate with a
// key on it, a knob by the free edge (outer); or its grey inside with a sticker (inner).
void lidface(cairo_t* cr, bool outer, const light& L) {
  const double w = cabw, h = cabh;
  cairo_rectangle(cr, 0, 0, w, h);
  paint(cr, outer ? cabinetred : rgb{0.46, 0.42, 0.44}, L, w, 0);
  if (outer) {
    artroundrect(cr, 10, 16, w - 20, 44, 4);
    paint(cr, pal::bone, L, w, 2);
    artfont(cr, "sans", 15);
    arttext(cr, "KEY", w / 2, 30, pal::blood, 0);
    // a little key picture
    ellipse(cr, 22, 48, 5, 5);
    cairo_set_line_width(cr, 2.5);
    artsetcolor(cr, pal::ink);
    cairo_stroke(cr);
    inkline(cr, {{27, 48}, {56, 48}}, 2.5);
    inkline(cr, {{50, 48}, {50, 54}}, 2.5);
    inkline(cr, {{55, 48}, {55, 53}}, 2.5);
    // a glass pane to break in an emergency, and the knob
    cairo_rectangle(cr, 16, 72, w - 32, 36);
    paint(cr, rgb{0.5, 0.62, 0.72}, L, w, 2);
    inkline(cr, {{24, 100}, {40, 78}}, 1.5, 0.5);
    ellipse(cr, 10, h / 2 + 12, 5, 5);
    paint(cr, col::steel, L, 10, 1.8);
  } else {
    artroundrect(cr, 12, 20, w - 24, 34, 3);
    paint(cr, pal::gold, L, w, 1.5);
    artfont(cr, "sans", 8);
    arttext(cr, "IN CASE OF", w / 2, 31, pal::ink, 0);
    arttext(cr, "ZOMBIES", w / 2, 43, pal::blood, 0);
    for (int i = 0; i < 3; i++) inkline(cr, {{14, 70 + i * 14.0}, {w - 14, 70 + i * 14.0}}, 1.2, 0.35);
  }
}

// The lid swung open by theta, drawn in cabinet coordinates (origin at the cabinet's middle).
void lid(cairo_t* cr, double theta, const light& L) {
  bool outer = theta < 90;
  pt a = lidpoint(0, 0, theta), b = lidpoint(0, cabh, theta), c = lidpoint(cabw, cabh, theta), d = lidpoint(cabw, 0, theta);
  cairo_save(cr);
  poly(cr, {a, b, c, d});
  cairo_clip(cr);
  // the face's own units onto the lid: x runs from the free edge to the hinge on the outside,
  // from the hinge to the free edge on the inside
  pt o = outer ? d : a, ex = outer ? a : d, ey = outer ? c : b;
  cairo_matrix_t m;
  cairo_matrix_init(&m, (ex.x - o.x) / cabw, (ex.y - o.y) / cabw, (ey.x - o.x) / cabh, (ey.y - o.y) / cabh, o.x, o.y);
  cairo_save(cr);
  cairo_transform(cr, &m);
  // a lid turned away from the viewer catches less of the moon
  light l = L;
  l.rimalpha *= std::fabs(std::cos(theta * M_PI / 180)) * 0.6 + 0.4;
  lidface(cr, outer, l);
  cairo_restore(cr);
  // the darker its face turns from us, the more it is in its own shade
  double shade = std::clamp(std::sin(theta * M_PI / 180) * (outer ? 0.35 : 0.2), 0.0, 0.35);
  poly(cr, {a, b, c, d});
  artsetcolor(cr, pal::ink, shade);
  cairo_fill(cr);
  cairo_restore(cr);
  // the hinge pins and the ink outline
  for (double v : {14.0, cabh - 14}) {
    pt p = lidpoint(0, v, theta);
    cairo_rectangle(cr, p.x - 3, p.y - 7, 6, 14);
    paint(cr, col::iron, L, 6, 1.2);
  }
  poly(cr, {a, b, c, d});
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 3);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke(cr);
}

void lidframes() {
  const double angles[7] = {0, 0, 35, 56, 73, 107, 127};
  for (int k = 1; k <= 6; k++) {
    cairo_t* cr = artnew(lidw, lidh);
    cairo_translate(cr, lidw / 2.0 - lidoffx[k], lidh / 2.0 - lidoffy[k]);
    lid(cr, angles[k], nightlight);
    grain(cr, 0.02, 7600 + k);
    if (k == 1) saveglow(cr, "story/7/bdoor7.png", glowpad);
    artsave(cr, "story/7/bdoor" + std::to_string(k) + ".png");
  }
}

// ---- the key and the padlock ------------------------------------------------------------------

void bigkey(cairo_t* cr, double cx, double cy, const light& L) {
  const rgb brass{0.86, 0.66, 0.26};
  // the paper tag on its string
  inkline(cr, {{cx - 22, cy - 12}, {cx - 14, cy - 20}}, 1.4);
  poly(cr, {{cx - 16, cy - 30}, {cx - 2, cy - 26}, {cx - 5, cy - 13}, {cx - 19, cy - 17}});
  paint(cr, pal::bone, L, 16, 1.6);
  artfont(cr, "comic", 10);
  arttext(cr, "7", cx - 10, cy - 21, pal::blood, 0);
  // bow, shaft, bit
  cairo_new_path(cr);
  cairo_arc(cr, cx - 22, cy, 13, 0, 2 * M_PI);
  cairo_new_sub_path(cr);
  cairo_arc_negative(cr, cx - 22, cy, 6.5, 2 * M_PI, 0);
  paint(cr, brass, L, 26, 2.5);
  cairo_rectangle(cr, cx - 10, cy - 4, 44, 8);
  paint(cr, brass, L, 8, 2.5);
  poly(cr, {{cx + 22, cy + 2}, {cx + 36, cy + 2}, {cx + 36, cy + 16}, {cx + 32, cy + 16}, {cx + 32, cy + 10},
            {cx + 28, cy + 10}, {cx + 28, cy + 16}, {cx + 22, cy + 16}});
  paint(cr, brass, L, 14, 2.5);
  for (double x : {cx - 6, cx - 2}) {
    cairo_rectangle(cr, x, cy - 6, 3, 12);
    paint(cr, artshade(brass, 0.9), L, 3, 1.2);
  }
}

void padlock(cairo_t* cr, double cx, double cy, bool open, const light& L) {
  const rgb brass{0.82, 0.62, 0.22};
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  if (open) cairo_rotate(cr, -0.22);
  // the shackle: shut through the hasp, or sprung up with one leg free
  cairo_new_path(cr);
  double lift = open ? 12 : 0;
  cairo_move_to(cr, -11, -2 - lift);
  cairo_line_to(cr, -11, -20 - lift);
  cairo_arc(cr, 0, -20 - lift, 11, M_PI, 2 * M_PI);
  cairo_line_to(cr, 11, open ? -8 - lift : -2);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 10);
  cairo_stroke_preserve(cr);
  artsetcolor(cr, col::steel);
  cairo_set_line_width(cr, 5);
  cairo_stroke_preserve(cr);
  artsetcolor(cr, rgb{1, 1, 1}, 0.45);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  artroundrect(cr, -20, -6, 40, 36, 7);
  paint(cr, brass, L, 40, 3);
  ellipse(cr, 0, 8, 4.5, 4.5);
  artsetcolor(cr, pal::ink);
  cairo_fill(cr);
  poly(cr, {{-2, 10}, {2, 10}, {3, 20}, {-3, 20}});
  artsetcolor(cr, pal::ink);
  cairo_fill(cr);
  cairo_restore(cr);
}

// ---- the sliding door -------------------------------------------------------------------------

void slidingdoor(cairo_t* cr, const light& L) {
  const double x0 = doorl, x1 = doorr, y0 = doortop, y1 = doorbottom;
  // the hangers and their rollers riding on the rail
  for (double hx : {x0 + 50, x1 - 50}) {
    cairo_rectangle(cr, hx - 10, railtop - 4, 20, y0 - railtop + 14);
    paint(cr, col::iron, L, 20, 2.5);
    ellipse(cr, hx, railtop - 4, 9, 9);
    paint(cr, col::steel, L, 18, 2.5);
  }
  cairo_rectangle(cr, x0, y0, x1 - x0, y1 - y0);
  cairo_path_t* shape = cairo_copy_path(cr);
  paint(cr, doorred, L, 330, 3.5);
  cairo_save(cr);
  cairo_append_path(cr, shape);
  cairo_clip(cr);
  // two framed panels with cross braces, rivets, a big stencilled 7, weather
  for (int p = 0; p < 2; p++) {
    double px0 = x0 + 14 + p * 158, px1 = px0 + 144, py0 = y0 + 14, py1 = y1 - 34;
    cairo_rectangle(cr, px0, py0, px1 - px0, py1 - py0);
    paint(cr, artshade(doorred, 0.94), L, 144, 2.5);
    for (auto [a, b] : {std::pair{pt{px0 + 4, py0 + 4}, pt{px1 - 4, py1 - 4}}, {pt{px1 - 4, py0 + 4}, pt{px0 + 4, py1 - 4}}})
      tube(cr, {a, b}, 9, artshade(doorred, 1.08), L, 2);
    for (double rx = px0 + 8; rx < px1; rx += 22)
      for (double ry : {py0 + 6, py1 - 6}) {
        ellipse(cr, rx, ry, 2.2, 2.2);
        paint(cr, artshade(doorred, 1.3), L, 4, 0.8);
      }
  }
  artfont(cr, "sans", 120);
  arttext(cr, "7", x0 + 244, y0 + 104, artmix(pal::bone, doorred, 0.2), 0);
  dabs(cr, x0, y0, x1 - x0, y1 - y0, rgb{0.42, 0.2, 0.14}, 0.3, 30, 22, 7701);
  for (int i = 0; i < 12; i++) rustrun(cr, x0 + 20 + i * 27 + (i % 3) * 5, y0, 4, 20 + (i * 37) % 60, 0.6);
  // hazard stripes along the bottom
  for (double x = x0 - 30; x < x1; x += 30) {
    poly(cr, {{x, y1}, {x + 15, y1}, {x + 39, y1 - 24}, {x + 24, y1 - 24}});
    artsetcolor(cr, pal::gold);
    cairo_fill(cr);
  }
  cairo_restore(cr);
  inkline(cr, {{x0, y1 - 24}, {x1, y1 - 24}}, 2.5);
  cairo_append_path(cr, shape);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 3.5);
  cairo_stroke(cr);
  cairo_path_destroy(shape);
  // the pull handle and the hasp the padlock goes through, both at the left edge
  tube(cr, {{x0 + 34, y0 + 100}, {x0 + 34, y0 + 150}}, 7, col::steel, L, 2.5);
  cairo_rectangle(cr, x0 - 2, locky - 18, 30, 22);
  paint(cr, col::iron, L, 30, 2.5);
  cairo_rectangle(cr, lockx - 4, locky - 12, 8, 8);
  artsetcolor(cr, pal::ink);
  cairo_fill(cr);
}

// ---- the crane's lights -------------------------------------------------------------------------

void cranelightspicture() {
  cairo_t* cr = scenepicture(lightsw, lightsh, lightsx, lightsy);
  const light L = nightlight;
  // the light of the eave bulbs falls down the wall
  for (int i = 0; i < lightcount; i++) beam(cr, lightbx[i], lightby + 8, lightbx[i] - 60, lightbx[i] + 60, 420, col::lamp, 0.12);
  for (int i = 0; i < lightcount; i++) eavelamp(cr, lightbx[i], lightby, true, L);
  cabwindows(cr, true);
  // a red warning light on the cab's roof
  glow(cr, cabx1 - 10, caby0 - 6, 30, rgb{1, 0.3, 0.25}, 0.8);
  ellipse(cr, cabx1 - 10, caby0 - 6, 6, 5);
  flat(cr, rgb{1, 0.4, 0.35}, 2);
  fadeedges(cairo_get_target(cr), 24);
  artsave(cr, "story/7/cranelights.png");
}

void floodlightpicture() {
  cairo_t* cr = scenepicture(floodw, floodh, floodx, floody);
  // the cone of light down onto the pier, soft at its sides and fading with distance
  cairo_save(cr);
  cairo_translate(cr, floodlampx + 12, floodlampy + 8);
  cairo_rotate(cr, 0.6);
  cairo_move_to(cr, 0, -10);
  cairo_line_to(cr, 520, -150);
  cairo_line_to(cr, 520, 190);
  cairo_line_to(cr, 0, 10);
  cairo_close_path(cr);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 520, 0);
  cairo_pattern_add_color_stop_rgba(g, 0, 1, 0.96, 0.82, 0.42);
  cairo_pattern_add_color_stop_rgba(g, 0.6, 1, 0.96, 0.82, 0.16);
  cairo_pattern_add_color_stop_rgba(g, 1, 1, 0.96, 0.82, 0);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  cairo_restore(cr);
  lightpool(cr, 2060, 560, 200, 30, rgb{1, 0.95, 0.8}, 0.2);
  floodhead(cr, true, nightlight);
  fadeedges(cairo_get_target(cr), 40);
  artsave(cr, "story/7/cranelight.png");
}

void lamplightpicture() {
  cairo_t* cr = scenepicture(lampw, lamph, lampx, lampy);
  beam(cr, lampx, lampy + 24, lampx - 150, lampx + 150, 566, col::lamp, 0.22);
  lightpool(cr, lampx, 566, 180, 22, col::lamp, 0.3);
  glow(cr, lampx, lampy, 180, col::lamp, 0.3);
  lampglass(cr, true, nightlight);
  fadeedges(cairo_get_target(cr), 30);
  artsave(cr, "story/7/lamplight.png");
}

// ---- the hook and the container ---------------------------------------------------------------

void hookpicture() {
  cairo_t* cr = artnew(hookw, hookh);
  const light L = nightlight;
  const double cx = hookw / 2.0, bottom = hookh / 2.0 + 369;  // the spreader's feet
  const double beamy = bottom - 42, blocky = bottom - 150;
  // the hoist ropes up out of the picture, fading before its top edge
  cairo_push_group(cr);
  for (double dx : {-7.0, 7.0}) tube(cr, {{cx + dx, 0}, {cx + dx, blocky}}, 4, col::steel, L, 1.5);
  cairo_pop_group_to_source(cr);
  cairo_pattern_t* fade = cairo_pattern_create_linear(0, 4, 0, 60);
  cairo_pattern_add_color_stop_rgba(fade, 0, 0, 0, 0, 0);
  cairo_pattern_add_color_stop_rgba(fade, 1, 0, 0, 0, 1);
  cairo_mask(cr, fade);
  cairo_pattern_destroy(fade);
  // the hook block, striped like every crane's, and the hook in it
  artroundrect(cr, cx - 30, blocky - 10, 60, 66, 10);
  paint(cr, crane, L, 60, 3);
  cairo_save(cr);
  artroundrect(cr, cx - 30, blocky - 10, 60, 66, 10);
  cairo_clip(cr);
  for (double y = blocky - 30; y < blocky + 60; y += 22) {
    poly(cr, {{cx - 40, y + 22}, {cx - 40, y + 11}, {cx + 40, y - 19}, {cx + 40, y - 8}});
    artsetcolor(cr, pal::ink, 0.85);
    cairo_fill(cr);
  }
  cairo_restore(cr);
  ellipse(cr, cx, blocky + 8, 9, 9);
  paint(cr, col::steel, L, 18, 2);
  cairo_new_path(cr);
  cairo_arc(cr, cx, blocky + 86, 16, -0.3 * M_PI, 1.15 * M_PI);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 12);
  cairo_stroke_preserve(cr);
  artsetcolor(cr, col::steel);
  cairo_set_line_width(cr, 6);
  cairo_stroke(cr);
  tube(cr, {{cx, blocky + 56}, {cx, blocky + 72}}, 7, col::steel, L, 2.5);
  // chains from the hook down to the spreader's ends
  for (double side : {-1.0, 1.0}) {
    pt a{cx + side * 10, blocky + 98}, b{cx + side * 160, beamy};
    double l = std::hypot(b.x - a.x, b.y - a.y);
    for (double s = 0; s < l; s += 9) {
      double t = s / l, x = a.x + (b.x - a.x) * t, y = a.y + (b.y - a.y) * t;
      ellipse(cr, x, y, int(s / 9) % 2 ? 2.2 : 4.4, int(s / 9) % 2 ? 4.4 : 3, std::atan2(b.y - a.y, b.x - a.x) * 180 / M_PI);
      paint(cr, col::iron, L, 8, 1.4);
    }
  }
  // the spreader: a yellow beam with a twist-lock at each end that drops into the corner castings
  cairo_rectangle(cr, cx - 176, beamy, 352, 26);
  paint(cr, crane, L, 352, 3);
  for (double x = cx - 150; x < cx + 160; x += 50) inkline(cr, {{x, beamy + 3}, {x + 20, beamy + 23}}, 2, 0.4);
  artfont(cr, "sans", 14);
  arttext(cr, "SWL 30 t", cx, beamy + 13, pal::ink, 0);
  for (double side : {-1.0, 1.0}) {
    cairo_rectangle(cr, cx + side * 170 - 10, beamy + 22, 20, bottom - beamy - 22);
    paint(cr, col::iron, L, 20, 2.5);
  }
  grain(cr, 0.02, 7801);
  artsave(cr, "story/7/crane.png");
}

void containerpicture() {
  cairo_t* cr = artnew(contw, conth);
  // no shadow under it: it will hang in the air
  container(cr, contw / 2.0, conth - 12, 380, 200, rgb{0.16, 0.48, 0.5}, nightlight, "MORGAVELLE LINES", 7901, 3.5, false);
  grain(cr, 0.02, 7902);
  artsave(cr, "story/7/container.png");
}

}  // namespace

void harbourobjects() {
  lidframes();
  {
    cairo_t* cr = scenepicture(keyw, keyh, keyx, keyy);
    bigkey(cr, keyx + 4, keyy - 2, lightfrom(110, col::lamp, 0.6, 0.4));
    grain(cr, 0.02, 7611);
    saveglow(cr, "story/7/key2.png", glowpad);
    artsave(cr, "story/7/key.png");
  }
  for (int k = 1; k <= 2; k++) {
    cairo_t* cr = scenepicture(lockw, lockh, lockx, locky);
    padlock(cr, lockx, locky + 4, k == 2, nightlight);
    grain(cr, 0.02, 7620 + k);
    if (k == 1) saveglow(cr, "story/7/lock3.png", glowpad);
    artsave(cr, "story/7/lock" + std::to_string(k) + ".png");
  }
  lamplightpicture();
  {
    cairo_t* cr = scenepicture(doorw, doorh, doorx, doory);
    slidingdoor(cr, nightlight);
    grain(cr, 0.02, 7630);
    artsave(cr, "story/7/door.png");
  }
  cranelightspicture();
  floodlightpicture();
  hookpicture();
  containerpicture();
}

std::vector<pictureentry> harbourmanifest() {
  auto g = [](int v) { return v + 2 * glowpad; };
  std::vector<pictureentry> m = {
      {"story/7/bga.jpg", 1366, sceneh, "chapter 7 harbour at night, left half [cut]"},
      {"story/7/bgb.jpg", 1366, sceneh, "chapter 7 harbour at night, right half [cut]"},
      {"story/7/bdoor7.png", g(lidw), g(lidh), "chapter 7 key cabinet lid glowing"},
      {"story/7/key.png", keyw, keyh, "chapter 7 the crane house key"},
      {"story/7/key2.png", g(keyw), g(keyh), "chapter 7 the key glowing"},
      {"story/7/lock1.png", lockw, lockh, "chapter 7 padlock shut"},
      {"story/7/lock2.png", lockw, lockh, "chapter 7 padlock open, hanging on the door"},
      {"story/7/lock3.png", g(lockw), g(lockh), "chapter 7 padlock glowing"},
      {"story/7/lamplight.png", lampw, lamph, "chapter 7 quay lamp lit (it flickers)"},
      {"story/7/door.png", doorw, doorh, "chapter 7 sliding door of the crane house"},
      {"story/7/cranelights.png", lightsw, lightsh, "chapter 7 crane house lamps and cab windows lit"},
      {"story/7/cranelight.png", floodw, floodh, "chapter 7 crane floodlight on the pier"},
      {"story/7/crane.png", hookw, hookh, "chapter 7 crane hook and spreader"},
      {"story/7/container.png", contw, conth, "chapter 7 container blocking the pier"},
  };
  for (int k = 1; k <= 6; k++)
    m.push_back({"story/7/bdoor" + std::to_string(k) + ".png", lidw, lidh,
                 "chapter 7 key cabinet lid opening, frame " + std::to_string(k) + " of 6"});
  return m;
}

}  // namespace harbour
