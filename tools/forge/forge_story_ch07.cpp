// Chapter 7's scene: Morgavelle harbour on a foggy night. Fishing boats lie at the quay on
// the left under a lighthouse's beam; a quay lamp flickers; in the middle stands the crane
// house of crane No. 7, its big sliding door padlocked, a red key cabinet on its wall, the
// crane's tower climbing out of the picture with the cab and a floodlight; on the right the
// container stacks and the one container that blocks the pier. Inside the crane house the
// crane driver sleeps at his controls: he has, er, changed careers.
//
// Scene positions (scene x, screen y) this file composes around: key cabinet (1232, 456)
// with its lid swinging open to the right, key (1228, 502), padlock (1336, 458), lamp head
// (985, 230), sliding door (1486, 408) running 260 pixels to the right, crane lights
// (1429, 271), floodlight (1789, 211), the container (1900 or 2150, 710) and the hook
// coming down over it from above the picture.
#include "tools/forge/forge_story.h"
#include "tools/forge/forge_story_ch07.h"
#include "tools/forge/forge_story_sea.h"
#include <algorithm>
#include <cmath>
#include <string>
#include <tuple>

using namespace storykit;
using namespace seakit;
using namespace harbour;

namespace {

constexpr double horizon = 345;   // where sea meets sky
constexpr double quayedge = 505;  // the far edge of the quay, over the water
constexpr double houseground = 548, housex0 = 1120, housex1 = 1960, housetop = 252;
const rgb fogc{0.62, 0.70, 0.78};

double quaystone(double x) { return quayedge + 3 * std::sin(x / 57.0); }

// The far shore: a headland with the lighthouse on the left, hills with the town's lights on
// the right, other harbour cranes standing in the fog.
void farshore(cairo_t* cr, const light& L) {
  rgb hill = atmos(rgb{0.12, 0.16, 0.26}, fogc, 0.35);
  cairo_new_path(cr);
  curve(cr, {{-20, 296}, {90, 282}, {190, 292}, {330, 318}, {520, 340}, {640, horizon + 2}});
  cairo_line_to(cr, 640, horizon + 6);
  cairo_line_to(cr, -20, horizon + 6);
  cairo_close_path(cr);
  flat(cr, hill, 0);
  lighthouse(cr, 176, 294, 96, true, -6, L);
  rng r(7101);
  cairo_new_path(cr);
  curve(cr, {{2150, horizon + 2}, {2300, 318}, {2480, 300}, {2640, 306}, {2760, 322}});
  cairo_line_to(cr, 2760, horizon + 6);
  cairo_line_to(cr, 2150, horizon + 6);
  cairo_close_path(cr);
  flat(cr, atmos(hill, fogc, 0.2), 0);
  for (int i = 0; i < 60; i++) {  // the town across the water: rooftops and lit windows
    double x = r.range(2250, 2740), y = r.range(304, 340);
    if (y < 300 + 0.02 * std::fabs(x - 2480)) continue;
    cairo_rectangle(cr, x, y, r.range(8, 18), r.range(6, 14));
    artsetcolor(cr, atmos(rgb{0.16, 0.18, 0.3}, fogc, 0.3));
    cairo_fill(cr);
    if (r.chance(0.5)) {
      cairo_rectangle(cr, x + 3, y + 3, 2.5, 2.5);
      artsetcolor(cr, col::windowlit, 0.8);
      cairo_fill(cr);
      glow(cr, x + 4, y + 4, 7, col::windowlit, 0.3);
    }
  }
  // two far cranes, grey in the fog
  for (double cx : {2470.0, 2660.0}) {
    rgb c = atmos(rgb{0.5, 0.42, 0.3}, fogc, 0.6);
    double top = cx < 2600 ? 160 : 196;
    for (double side : {-14.0, 14.0}) inkline(cr, {{cx + side, horizon + 2}, {cx + side * 0.5, top}}, 4, 0);
    cairo_save(cr);
    cairo_move_to(cr, cx - 14, horizon + 2);
    cairo_line_to(cr, cx - 7, top);
    cairo_line_to(cr, cx + 7, top);
    cairo_line_to(cr, cx + 14, horizon + 2);
    artsetcolor(cr, c, 0.7);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    cairo_move_to(cr, cx - 60, top);
    cairo_line_to(cr, cx + 200, top - 40);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    cairo_restore(cr);
    glow(cr, cx + 6, top - 4, 12, rgb{1, 0.3, 0.25}, 0.7);
  }
}

// The quay lamp, unlit (its glass dark); the flicker picture lights it.
void quaylamp(cairo_t* cr, const light& L) {
  const double x = lampx, foot = 566, ol = 3;
  groundshadow(cr, x + 6, foot, 36, 7, 0.5);
  poly(cr, {{x - 16, foot}, {x - 11, foot - 34}, {x + 11, foot - 34}, {x + 16, foot}});
  paint(cr, rgb{0.2, 0.3, 0.3}, L, 30, ol);
  tube(cr, {{x, foot - 30}, {x, lampy + 40}}, 10, rgb{0.2, 0.3, 0.3}, L, ol);
  for (double y : {foot - 110, lampy + 60}) {
    cairo_rectangle(cr, x - 9, y, 18, 8);
    paint(cr, rgb{0.22, 0.32, 0.32}, L, 18, ol * 0.8);
  }
  // a curly bracket and the lantern: a bell-shaped head over a glass cylinder
  cairo_new_path(cr);
  curve(cr, {{x, lampy + 48}, {x - 22, lampy + 38}, {x - 18, lampy + 24}, {x - 8, lampy + 30}});
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  lampglass(cr, false, L);
}

// The crane house's front wall with its doorway, and everything painted on or fixed to it.
void cranehouse(cairo_t* cr, const light& L) {
  const rgb wall{0.22, 0.40, 0.44};
  groundshadow(cr, (housex0 + housex1) / 2, houseground, 470, 16, 0.55);
  cairo_rectangle(cr, housex0, housetop, housex1 - housex0, houseground - housetop);
  cairo_path_t* shape = cairo_copy_path(cr);
  paint(cr, wall, L, 500, 3.5);
  cairo_save(cr);
  cairo_append_path(cr, shape);
  cairo_clip(cr);
  for (double x = housex0 + 6; x < housex1; x += 16) {  // corrugated sheets
    cairo_rectangle(cr, x, housetop, 6, houseground - housetop);
    artsetcolor(cr, artshade(wall, 1.25), 0.35);
    cairo_fill(cr);
    cairo_rectangle(cr, x + 6, housetop, 3, houseground - housetop);
    artsetcolor(cr, artshade(wall, 0.7), 0.45);
    cairo_fill(cr);
  }
  for (double x = housex0 + 170; x < housex1; x += 170) inkline(cr, {{x, housetop}, {x, houseground}}, 1.6, 0.5);
  rng r(7201);
  for (int i = 0; i < 26; i++) {  // rust running down from the eave and the rivets
    double x = r.range(housex0, housex1), len = r.range(30, 160);
    rustrun(cr, x, housetop, r.range(3, 8), len, 0.55);
  }
  haze(cr, housex1 + 20, houseground - 80, houseground, pal::ink, 0, 0.4);
  cairo_restore(cr);
  cairo_path_destroy(shape);
  // eave and roof edge
  cairo_rectangle(cr, housex0 - 14, housetop - 16, housex1 - housex0 + 28, 18);
  paint(cr, rgb{0.16, 0.2, 0.26}, L, 20, 3);
  // the doorway: the dark machine room the door closes
  machineroom(cr, L);
  // its steel frame and the door's rail
  for (double x : {doorl - 12.0, doorr + 1.0}) {
    cairo_rectangle(cr, x, doortop - 12, 11, doorbottom - doortop + 14);
    paint(cr, rgb{0.3, 0.3, 0.36}, L, 11, 2.5);
  }
  cairo_rectangle(cr, doorl - 12, doortop - 14, doorr - doorl + 24, 12);
  paint(cr, rgb{0.3, 0.3, 0.36}, L, 12, 2.5);
  cairo_rectangle(cr, doorl - 20, railtop, housex1 - 12 - doorl, 11);
  paint(cr, rgb{0.36, 0.36, 0.42}, L, 11, 2.5);
  for (double x = doorl - 10; x < housex1 - 30; x += 40) {
    ellipse(cr, x, railtop + 5.5, 2, 2);
    artsetcolor(cr, pal::ink, 0.7);
    cairo_fill(cr);
  }
  // the padlock's staple on the frame (the lock itself is its own picture)
  cairo_rectangle(cr, lockx - 27, locky - 20, 14, 26);
  paint(cr, col::iron, L, 14, 2);
  tube(cr, {{lockx - 16, locky - 12}, {lockx - 6, locky - 12}}, 4, col::steel, L, 1.5);
  // the key cabinet's recess: its frame and the dark inside with a hook rail
  keyrecess(cr, L);
  // a sign: CRANE No. 7 and a warning
  artroundrect(cr, 1136, 300, 160, 54, 6);
  paint(cr, pal::bone, L, 160, 3);
  artfont(cr, "sans", 24);
  arttext(cr, "CRANE No. 7", 1216, 320, rgb{0.2, 0.2, 0.28}, 0);
  artfont(cr, "sans", 11);
  arttext(cr, "DRIVER ONLY", 1216, 342, pal::blood, 0);
  // hazard stripes along the foot, a window on the right (the door will slide over it)
  cairo_save(cr);
  cairo_rectangle(cr, housex0, houseground - 16, housex1 - housex0, 16);
  cairo_clip(cr);
  for (double x = housex0 - 20; x < housex1; x += 28) {
    poly(cr, {{x, houseground}, {x + 14, houseground}, {x + 30, houseground - 16}, {x + 16, houseground - 16}});
    artsetcolor(cr, pal::gold, 0.85);
    cairo_fill(cr);
  }
  cairo_restore(cr);
  inkline(cr, {{housex0, houseground - 16}, {housex1, houseground - 16}}, 2);
  cairo_rectangle(cr, 1760, 330, 150, 80);
  paint(cr, rgb{0.12, 0.16, 0.24}, L, 150, 3);
  for (double x : {1810.0, 1860.0}) inkline(cr, {{x, 330}, {x, 410}}, 2.5);
  glow(cr, 1800, 360, 30, fogc, 0.25);
  // the crane lights' dark bulbs under the eave (the lit ones are their own picture)
  for (int i = 0; i < lightcount; i++) eavelamp(cr, lightbx[i], lightby, false, L);
}

// The crane: the tower rising from the roof out of the picture, its counter-jib and jib
// along the top edge, the cab with dark windows and the floodlight's housing.
void cranetower(cairo_t* cr, const light& L) {
  const rgb orange{0.93, 0.58, 0.14};
  // counter-jib to the left with its weight, jib to the right, both mostly above the picture
  truss(cr, {1300, 2}, {1700, 2}, 46, orange, L, 3);
  cairo_rectangle(cr, 1318, 20, 96, 54);
  paint(cr, rgb{0.4, 0.4, 0.46}, L, 96, 3);
  artfont(cr, "sans", 14);
  arttext(cr, "20 t", 1366, 48, pal::bone, 0);
  truss(cr, {1700, -4}, {2760, -4}, 58, orange, L, 3);
  // trolley rails under the jib
  tube(cr, {{1700, 27}, {2760, 27}}, 4, col::iron, L, 1.5);
  // the tower: two legs with lattice between them
  truss(cr, {1662, housetop - 16}, {1662, -10}, 26, orange, L, 3);
  truss(cr, {1756, housetop - 16}, {1756, -10}, 26, orange, L, 3);
  for (double y = housetop - 40; y > 0; y -= 56) {
    tube(cr, {{1662, y}, {1756, y - 40}}, 5, artshade(orange, 0.85), L, 2);
    tube(cr, {{1662, y - 40}, {1756, y}}, 5, artshade(orange, 0.85), L, 2);
  }
  // a ladder up the tower with its hoops
  for (double y = housetop - 20; y > 0; y -= 14) inkline(cr, {{1694, y}, {1724, y}}, 2, 0.8);
  // the cab hanging on the tower's right, its windows dark until the crane wakes
  poly(cr, {{cabx0, caby0}, {cabx1 + 10, caby0}, {cabx1, caby1}, {cabx0, caby1}});
  paint(cr, pal::bone, L, 110, 3);
  cabwindows(cr, false);
  artfont(cr, "sans", 16);
  arttext(cr, "7", cabx0 + 56, caby1 - 16, pal::blood, 0);
  // the floodlight's housing on its bracket, aimed down at the pier
  tube(cr, {{1756, floodlampy - 4}, {floodlampx - 10, floodlampy}}, 6, orange, L, 2.5);
  floodhead(cr, false, L);
}

// A bollard with a wet rope running off to a boat.
void mooring(cairo_t* cr, double x, double y, double s, pt to, const light& L) {
  bollard(cr, x, y, s, rgb{0.22, 0.24, 0.3}, L);
  rope(cr, {{x + s * 0.1, y - s * 0.62}, {(x + to.x) / 2, std::max(y, to.y) + 14}, to}, s * 0.14, rgb{0.62, 0.52, 0.38}, L);
}

// The zombie fisherman on his upturned crate, rod over his shoulder, line in the water.
void fisherman(cairo_t* cr, double x, double y, const light& L) {
  crate(cr, x, y, 96, 56, col::wood, L, 7301, "FISH");
  figure f = zombiefolk(4);
  f.height = 170;
  f.sitting = true;
  f.girth = 1.15;
  f.shirt = rgb{0.2, 0.32, 0.5};
  f.trousers = rgb{0.35, 0.3, 0.24};
  f.hat = 0;
  f.hair_style = 0;
  f.expr = face::sleepy;
  f.droop = 0.7;
  f.headtilt = 8;
  f.lean = -4;
  f.handl = {8, 14};
  f.handr = {-4, 16};
  f.seed = 7302;
  drawfigure(cr, x, y - 54, f, L);
  cairo_save(cr);
  double r = headframe(cr, x, y - 54, f);
  souwester(cr, r, L);
  cairo_restore(cr);
  pt h = handat(x, y - 54, f, true);
  // the rod goes up and back over the quay edge, the line drops into the water behind
  tube(cr, {{h.x + 10, h.y + 6}, {h.x - 40, h.y - 90}, {h.x - 150, h.y - 180}}, 4, col::darkwood, L, 1.6);
  cairo_new_path(cr);
  curve(cr, {{h.x - 150, h.y - 180}, {h.x - 200, h.y - 150}, {h.x - 214, quayedge + 6}});
  artsetcolor(cr, pal::bone, 0.6);
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
  // his bucket, a fish skeleton looking out
  double bx = x + 80, by = y;
  poly(cr, {{bx - 20, by}, {bx - 24, by - 40}, {bx + 24, by - 40}, {bx + 20, by}});
  paint(cr, rgb{0.5, 0.58, 0.66}, L, 40, 2.5);
  ellipse(cr, bx, by - 40, 24, 6);
  flat(cr, rgb{0.12, 0.16, 0.22}, 2.5);
  inkline(cr, {{bx - 6, by - 42}, {bx + 8, by - 70}}, 3);
  for (int i = 0; i < 4; i++) inkline(cr, {{bx - 3 + i * 3.5, by - 48 - i * 6}, {bx + 8 + i * 3.5, by - 44 - i * 6}}, 1.6);
  ellipse(cr, bx + 10, by - 74, 7, 5, -50);
  flat(cr, pal::bone, 2);
}

// A dock worker zombie leaning on the stacks with his mug, hard hat askew.
void docker(cairo_t* cr, double x, double y, const light& L) {
  figure f = zombiefolk(5);
  f.height = 150;
  f.shirt = rgb{0.36, 0.38, 0.5};
  f.trousers = rgb{0.2, 0.24, 0.38};
  f.vest = true;
  f.accent = rgb{0.86, 0.95, 0.22};
  f.hat = 0;
  f.hair_style = 0;
  f.expr = face::moan;
  f.lean = 8;
  f.headtilt = 12;
  f.handl = {6, 10};
  f.handr = {10, 26};
  f.seed = 7311;
  drawfigure(cr, x, y, f, L);
  cairo_save(cr);
  double r = headframe(cr, x, y, f);
  cairo_rotate(cr, 0.2);
  hardhat(cr, r, pal::gold, L);
  cairo_restore(cr);
  pt h = handat(x, y, f, true);
  artroundrect(cr, h.x - 8, h.y - 14, 16, 18, 3);
  paint(cr, pal::bone, L, 16, 2);
  for (int k = 0; k < 2; k++)
    inkline(cr, {{h.x - 2 + k * 5, h.y - 18}, {h.x - 5 + k * 5, h.y - 28}, {h.x - 1 + k * 5, h.y - 36}}, 1.4, 0.35);
}

// A lobster pot: a half-barrel of netting on a wooden base.
void lobsterpot(cairo_t* cr, double x, double y, double w, const light& L) {
  double h = w * 0.55;
  cairo_rectangle(cr, x - w / 2, y - 8, w, 8);
  paint(cr, col::wood, L, w, 2);
  cairo_new_path(cr);
  cairo_move_to(cr, x - w / 2 + 3, y - 8);
  cairo_curve_to(cr, x - w / 2 + 3, y - h * 1.3, x + w / 2 - 3, y - h * 1.3, x + w / 2 - 3, y - 8);
  cairo_close_path(cr);
  cairo_path_t* shape = cairo_copy_path(cr);
  artsetcolor(cr, rgb{0.2, 0.3, 0.36}, 0.55);
  cairo_fill(cr);
  cairo_save(cr);
  cairo_append_path(cr, shape);
  cairo_clip(cr);
  for (double d = -w; d < w; d += 7) {
    cairo_move_to(cr, x + d, y);
    cairo_line_to(cr, x + d + h, y - h);
    cairo_move_to(cr, x + d, y);
    cairo_line_to(cr, x + d - h, y - h);
  }
  artsetcolor(cr, rgb{0.72, 0.7, 0.58}, 0.6);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  cairo_restore(cr);
  for (double k : {-0.3, 0.0, 0.3}) {
    cairo_new_path(cr);
    cairo_move_to(cr, x + k * w, y - 8);
    cairo_curve_to(cr, x + k * w * 1.1, y - h * 0.9, x + k * w * 0.6, y - h, x + k * w * 0.2, y - h);
    artsetcolor(cr, pal::ink, 0.8);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
  }
  cairo_append_path(cr, shape);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 2.5);
  cairo_stroke(cr);
  cairo_path_destroy(shape);
}

// An orange traffic cone, foot at (x, y).
void cone(cairo_t* cr, double x, double y, double h, const light& L) {
  groundshadow(cr, x + 4, y, h * 0.45, h * 0.08, 0.45);
  cairo_rectangle(cr, x - h * 0.36, y - h * 0.08, h * 0.72, h * 0.08);
  paint(cr, pal::pumpkin, L, h * 0.7, 2);
  poly(cr, {{x - h * 0.26, y - h * 0.08}, {x - h * 0.06, y - h}, {x + h * 0.06, y - h}, {x + h * 0.26, y - h * 0.08}});
  cairo_path_t* shape = cairo_copy_path(cr);
  paint(cr, pal::pumpkin, L, h * 0.5, 2.2);
  cairo_save(cr);
  cairo_append_path(cr, shape);
  cairo_clip(cr);
  for (double k : {0.35, 0.62}) {
    cairo_rectangle(cr, x - h, y - h * k - h * 0.07, 2 * h, h * 0.12);
    artsetcolor(cr, pal::bone, 0.95);
    cairo_fill(cr);
  }
  cairo_restore(cr);
  cairo_append_path(cr, shape);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 2.2);
  cairo_stroke(cr);
  cairo_path_destroy(shape);
}

void harbourscene() {
  cairo_t* cr = artnew(scenew, sceneh);
  const double W = scenew;
  const light L = nightlight;
  skyfill(cr, W, sceneh,
          {{0, rgb{0.04, 0.07, 0.18}}, {0.22, rgb{0.08, 0.13, 0.28}}, {0.38, rgb{0.17, 0.27, 0.4}},
           {0.45, rgb{0.36, 0.46, 0.54}}, {1, rgb{0.2, 0.28, 0.36}}});
  stars(cr, W, 220, 160, 7401, 0.6);
  moon(cr, 560, 118, 40, rgb{0.96, 0.94, 0.82}, 0.3);
  glow(cr, 560, 118, 300, fogc, 0.18);
  cloud(cr, 440, 168, 300, 96, rgb{0.16, 0.2, 0.34}, col::moonlight, 7402);
  cloud(cr, 1000, 110, 260, 84, rgb{0.14, 0.18, 0.32}, col::moonlight, 7403);
  cloud(cr, 2380, 150, 320, 100, rgb{0.15, 0.19, 0.33}, col::moonlight, 7404);
  farshore(cr, L);
  // the sea behind the quay, the fog lying on it, the lighthouse's light on the water
  water(cr, 0, W, horizon, quayedge + 40, rgb{0.3, 0.4, 0.5}, rgb{0.1, 0.16, 0.26}, 7405, 0.2);
  shimmer(cr, 560, horizon + 6, quayedge, 60, rgb{0.9, 0.92, 0.8}, 0.4, 7406);
  shimmer(cr, 176, horizon + 4, quayedge, 40, col::lamp, 0.35, 7407);
  fogbank(cr, -60, W + 60, horizon + 6, 34, fogc, 0.35, 7408);
  // boats at the quay, their hulls down behind its edge
  fishingboat(cr, 260, quayedge - 26, 300, rgb{0.62, 0.2, 0.2}, L, true, true, 7409);
  fishingboat(cr, 700, quayedge - 20, 250, rgb{0.2, 0.4, 0.5}, L, false, false, 7410);
  shimmer(cr, 268, quayedge - 20, quayedge + 4, 30, col::lamp, 0.5, 7416);
  fogbank(cr, -60, 1100, quayedge - 10, 14, fogc, 0.3, 7417);
  // the quay: its stone edge, the wet slabs, the crane rails
  cairo_new_path(cr);
  cairo_move_to(cr, -10, sceneh + 10);
  for (double x = -10; x <= W + 10; x += 8) cairo_line_to(cr, x, quaystone(x));
  cairo_line_to(cr, W + 10, sceneh + 10);
  cairo_close_path(cr);
  paintgrad(cr, rgb{0.3, 0.32, 0.4}, rgb{0.16, 0.17, 0.24}, L, 800, 3);
  for (double x = -10; x < W; x += 62) {  // kerb stones
    cairo_rectangle(cr, x, quaystone(x) - 1, 60, 12);
    paint(cr, rgb{0.42, 0.42, 0.5}, L, 60, 2);
  }
  slabs(cr, 0, W, quayedge + 11, sceneh, rgb{0.34, 0.36, 0.44}, rgb{0.2, 0.21, 0.28}, 7411);
  haze(cr, W, quayedge + 10, sceneh, rgb{0.08, 0.1, 0.16}, 0.1, 0.45);
  for (double ry : {628.0, 700.0}) {  // the crane's rails, shining wet
    cairo_rectangle(cr, -10, ry, W + 20, 7);
    paint(cr, col::steel, L, 7, 2);
    cairo_move_to(cr, 0, ry + 1.5);
    cairo_line_to(cr, W, ry + 1.5);
    artsetcolor(cr, rgb{1, 1, 1}, 0.35);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
  }
  // puddles holding the sky, the moon caught in one of them
  for (auto [px, py, pw] : {std::tuple{985.0, 652.0, 120.0}, {430.0, 690.0, 90.0}, {1500.0, 740.0, 160.0},
                            {2250.0, 600.0, 110.0}, {140.0, 600.0, 70.0}, {700.0, 620.0, 80.0}}) {
    ellipse(cr, px, py, pw / 2, pw / 9);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, py - pw / 9, 0, py + pw / 9);
    cairo_pattern_add_color_stop_rgba(g, 0, 0.55, 0.64, 0.76, 0.7);
    cairo_pattern_add_color_stop_rgba(g, 1, 0.12, 0.16, 0.26, 0.75);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    cairo_new_path(cr);
    cairo_save(cr);
    cairo_translate(cr, px, py);
    cairo_scale(cr, pw / 2, pw / 9);
    cairo_arc(cr, 0, 0, 1, M_PI * 1.05, M_PI * 1.55);
    cairo_restore(cr);
    artsetcolor(cr, col::moonlight, 0.5);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
  }
  ellipse(cr, 716, 618, 9, 2.5);
  artsetcolor(cr, rgb{1, 0.98, 0.88}, 0.85);
  cairo_fill(cr);
  // moorings along the edge, the ropes running down to the boats
  mooring(cr, 118, quayedge + 10, 34, {150, quayedge - 40}, L);
  mooring(cr, 520, quayedge + 8, 30, {380, quayedge - 44}, L);
  mooring(cr, 860, quayedge + 10, 32, {800, quayedge - 40}, L);
  net(cr, {30, 560}, {200, 580}, 40, rgb{0.7, 0.64, 0.5}, 7412);
  // the middle: container stacks on the right, the crane house and its tower
  {
    struct stack {
      double x, w;
      int high;
    };
    const stack stacks[] = {{2060, 190, 2}, {2262, 196, 3}, {2470, 190, 2}, {2680, 150, 3}};
    const rgb cols[] = {rgb{0.62, 0.18, 0.16}, rgb{0.16, 0.36, 0.56}, rgb{0.72, 0.56, 0.16}, rgb{0.24, 0.48, 0.34},
                        rgb{0.45, 0.24, 0.5}};
    const char* names[] = {"MRG", "HOWL & CO", "", "GHOUL LINE", "", "MRG", "", "BATS", ""};
    int k = 0;
    for (const stack& s : stacks)
      for (int i = 0; i < s.high; i++, k++)
        container(cr, s.x, 520 - i * 72, s.w, 72, atmos(cols[(k * 3) % 5], fogc, 0.25 + 0.05 * i), L, names[k % 9],
                  7420 + k, 2.5);
    fogbank(cr, 1960, W + 40, 470, 40, fogc, 0.28, 7413);
  }
  cranetower(cr, L);
  cranehouse(cr, L);
  docker(cr, 2560, 560, L);
  // the lamp, the lifebuoy stand, crates and barrels, the fisherman
  quaylamp(cr, L);
  tube(cr, {{1080, 560}, {1080, 430}}, 7, col::wood, L, 2.5);
  lifebuoy(cr, 1080, 452, 28, L);
  barrel(cr, 1045, 604, 58, 76, rgb{0.3, 0.42, 0.34}, L, 7430);
  crate(cr, 900, 612, 104, 84, col::wood, L, 7431, "NETS");
  barrel(cr, 842, 640, 54, 70, rgb{0.6, 0.3, 0.2}, L, 7432);
  crate(cr, 925, 540, 80, 64, artshade(col::wood, 1.1), L, 7433);
  fisherman(cr, 440, 640, L);
  sittinggull(cr, 118, quayedge - 18, 46, L);
  // fog drifting over the quay and the light of the crane house's lamps on the wet ground
  fogbank(cr, -60, 1100, 520, 40, fogc, 0.22, 7414);
  fogbank(cr, 1900, W + 60, 600, 36, fogc, 0.18, 7415);
  lightpool(cr, 1500, houseground + 30, 420, 40, col::lamp, 0.12);
  // the foreground: a big bollard with its rope on the right, rope coils, the quay's rim
  ropecoil(cr, 640, 736, 46, rgb{0.62, 0.52, 0.38}, L);
  lobsterpot(cr, 236, 742, 96, L);
  lobsterpot(cr, 318, 730, 80, L);
  lobsterpot(cr, 272, 690, 78, L);
  cone(cr, 1290, 742, 54, L);
  cone(cr, 1352, 758, 60, L);
  cone(cr, 2432, 700, 50, L);
  // a gull busy with a fish the fisherman dropped
  sittinggull(cr, 1188, 704, 52, L);
  ellipse(cr, 1150, 706, 16, 5);
  paint(cr, rgb{0.6, 0.66, 0.74}, L, 30, 1.8);
  ropecoil(cr, 1830, 744, 40, rgb{0.55, 0.46, 0.34}, L);
  mooring(cr, 2680, 752, 64, {2760, 700}, L);
  bollard(cr, 60, 770, 70, rgb{0.22, 0.24, 0.3}, L);
  haze(cr, W, 0, horizon, fogc, 0.0, 0.12);
  vignette(cr, W, sceneh, 0.35);
  grain(cr, 0.025, 7499);
  savehalves(cr, "story/7/bga.jpg", "story/7/bgb.jpg");
}

}  // namespace

void forgestory_ch7() {
  harbourscene();
  harbourobjects();
}

std::vector<pictureentry> manifest_story_ch7() { return harbourmanifest(); }
