// Chapter 3's scene: Pine Road through the woods at sunset. A huge zombie sits in the middle
// of the road; an old estate car stands on the right with a chainsaw behind its tailgate; a
// woodpile on the left hides a fuel can under a nailed-down tarp; a pair of pliers lies at the
// roadside; and one tall pine behind the car leans just right to fall across the road.
//
// Scene positions this file composes around (scene x, screen y): tree foot (2203, 426), felled
// to -93 degrees about it; its shadow from (2223, 496) to the left; car (2208, 481), tailgate
// (2455, 599), chainsaw (2478, 652); zombie (1720, 480), his shadow and squashed self at
// (1720, 560); tarp (513, 568) with nails at (226, 537), (477, 517), (411, 603), (786, 568);
// fuel can (453, 566); pliers (860, 670).
#include "tools/forge/forge_story.h"
#include "tools/forge/forge_story_kit.h"
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

using namespace storykit;

namespace {

constexpr int scenew = 2732, sceneh = 768;
constexpr int treew = 420, treeh = 760, treepad = 5;  // tree1 foot at (210, 726), tree4 at (206, 725)
constexpr int shadoww = 940, shadowh = 120;           // handle (900, 60)
constexpr int pliersw = 140, pliersh = 74, canw = 100, canh = 130, saww = 200, sawh = 200;
constexpr int tarpw = 660, tarph = 200, doorw = 200, doorh = 200, glowpad = 10;
constexpr int zombw = 440, zombh = 420, zshw = 440, zshh = 110, splashw = 480, splashh = 260;
constexpr int carw = 680, carh = 500, nailw = 26, nailh = 48;
constexpr double treex = 2203, treey = 426;
constexpr double carx = 2208, cary = 481, tailx = 2455, taily = 599, sawx = 2478, sawy = 652;
constexpr double zombx = 1720, zomby = 480, tarpx = 513, tarpy = 568, canx = 453, cany = 566;
// The nails in scene pixels, where the tarp is pinned.
const pt nails[4] = {{226, 537}, {477, 517}, {411, 603}, {786, 568}};

const rgb sunset{1.0, 0.66, 0.38};
const light sun = lightfrom(20, sunset, 0.6, 0.42);  // low sun on the right

// The road's far and near edge at scene x.
double roadfar(double x) {
  double t = std::clamp((x - 700) / 900, 0.0, 1.0);
  t = t * t * (3 - 2 * t);
  return 652 - 168 * t + 6 * std::sin(x / 90);
}
double roadnear(double x) { return 768 + 30 - 60 * std::clamp((x - 900) / 800, 0.0, 1.0) + 4 * std::sin(x / 70); }

// ---- the tree ---------------------------------------------------------------------------------

// One tier of a pine: a drooping, ragged cone around (cx, ty) whose apex is th above; the
// left and right halves can be shortened (a felled tree's underside is crushed).
std::vector<pt> pinetier(double cx, double ty, double w, double th, double leftk, double rightk, rng& r) {
  std::vector<pt> p;
  p.push_back({cx + r.range(-3, 3), ty - th});
  for (double side : {1.0, -1.0}) {
    double k = side > 0 ? rightk : leftk;
    std::vector<pt> half;
    int teeth = 6;
    for (int i = 1; i <= teeth; i++) {
      double t = double(i) / teeth;
      // the outer edge droops: it bows down towards the tip
      double x = cx + side * w * k * t, y = ty - th + th * t * 1.02 + std::sin(t * M_PI) * th * 0.12;
      half.push_back({x, y});
      if (i < teeth) half.push_back({x - side * w * k * 0.07, y + th * 0.07});
    }
    for (int i = 1; i <= 5; i++) {  // ragged underside back towards the trunk
      double t = 1 - i / 5.0;
      double x = cx + side * w * k * t, y = ty + (i % 2 ? -th * 0.08 : th * 0.05) * r.range(0.6, 1.4);
      half.push_back({x, y});
    }
    if (side > 0) {
      for (auto& q : half) p.push_back(q);
    } else {
      std::reverse(half.begin(), half.end());
      p.insert(p.begin() + 1, half.begin(), half.end());
    }
  }
  return p;
}

// The crown from its tiers: one ink outline around them all, then each tier painted from the
// bottom up with a shadow under its ragged edge and needle strokes.
void crown(cairo_t* cr, const std::vector<std::vector<pt>>& tiers, const std::vector<rgb>& colours,
           const std::vector<double>& widths, const light& L, rng& r) {
  for (const auto& t : tiers) {
    poly(cr, t);
    artsetcolor(cr, pal::ink);
    cairo_set_line_width(cr, 7);
    cairo_stroke(cr);
  }
  for (size_t i = 0; i < tiers.size(); i++) {
    poly(cr, tiers[i]);
    cairo_path_t* shape = cairo_copy_path(cr);
    paint(cr, colours[i], L, widths[i] * 1.4, 0);
    cairo_save(cr);
    cairo_append_path(cr, shape);
    cairo_clip(cr);
    double x0, y0, x1, y1;
    cairo_path_extents(cr, &x0, &y0, &x1, &y1);
    for (int k = 0; k < int(widths[i] / 5); k++) {  // needle strokes
      double x = r.range(x0, x1), y = r.range(y0, y1);
      double dir = x > (x0 + x1) / 2 ? 1 : -1;
      inkline(cr, {{x, y}, {x + dir * 7, y + 5}}, 1.3, 0.3);
      cairo_move_to(cr, x + 1, y - 2);
      cairo_line_to(cr, x + 1 + dir * 6, y + 2);
      artsetcolor(cr, artshade(colours[i], 1.5), 0.35);
      cairo_set_line_width(cr, 1.2);
      cairo_stroke(cr);
    }
    cairo_restore(cr);
    // the tier's ragged lower edge casts a line of shade on the one below
    cairo_new_path(cr);
    cairo_append_path(cr, shape);
    artsetcolor(cr, pal::ink, 0.55);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    cairo_path_destroy(shape);
  }
}

// A tall pine with its foot at (fx, fy); `sag` bends the trunk towards -x as it rises (the
// felled tree's top hangs down once it lies on its side), and `crushed` shortens the -x side's
// branches (they are underneath once it has fallen).
void tallpine(cairo_t* cr, double fx, double fy, double sag, double crushed, uint32_t seed, const light& L) {
  rng r(seed);
  const double height = 690, sagat = 483;
  auto centre = [&](double h) { return fx - sag * std::pow(std::max(h, 0.0) / sagat, 1.5); };
  std::vector<pt> left, right;
  for (double h = 0; h <= height; h += 20) {
    double w = 34 - 28 * h / height;
    left.push_back({centre(h) - w, fy - h});
    right.push_back({centre(h) + w, fy - h});
  }
  std::vector<pt> trunk;
  trunk.push_back({fx - 50, fy + 4});
  for (auto& p : left) trunk.push_back(p);
  for (auto it = right.rbegin(); it != right.rend(); ++it) trunk.push_back(*it);
  trunk.push_back({fx + 52, fy + 4});
  poly(cr, trunk);
  cairo_path_t* shape = cairo_copy_path(cr);
  paint(cr, rgb{0.44, 0.28, 0.2}, L, 70, 3.5);
  cairo_save(cr);
  cairo_append_path(cr, shape);
  cairo_clip(cr);
  for (int i = 0; i < 50; i++) {
    double h = r.range(0, height * 0.7), w = 30 - 26 * h / height;
    double x = centre(h) + r.range(-w, w) * 0.8;
    inkline(cr, {{x, fy - h}, {x + r.range(-2, 2), fy - h - r.range(20, 60)}}, 1.5, 0.45);
  }
  cairo_restore(cr);
  cairo_path_destroy(shape);
  if (crushed == 0) {  // roots; a felled tree was sawn off above them
    for (double side : {-1.0, 1.0})
      tube(cr, {{fx + side * 20, fy - 10}, {fx + side * 42, fy}, {fx + side * 56, fy + 3}}, 10, rgb{0.44, 0.28, 0.2}, L,
           3);
  } else {
    ellipse(cr, fx, fy - 2, 34, 9);
    paint(cr, rgb{0.9, 0.74, 0.5}, L, 60, 2.5);
    for (int k = 1; k <= 3; k++) {
      ellipse(cr, fx, fy - 2, 34 - k * 9, 9 - k * 2.2);
      artsetcolor(cr, rgb{0.6, 0.42, 0.26}, 0.6);
      cairo_set_line_width(cr, 1.2);
      cairo_stroke(cr);
    }
  }
  // tiers from low on the trunk to the top, overlapping into one full crown
  std::vector<std::vector<pt>> tiers;
  std::vector<rgb> colours;
  std::vector<double> widths;
  int count = 13;
  for (int t = 0; t < count; t++) {
    double f = double(t) / (count - 1);
    double h = 100 + f * 520;
    double w = (176 - 140 * f) * r.range(0.85, 1.12), th = (150 - 70 * f) * r.range(0.9, 1.1);
    double leftk = (1 - crushed * (1 - 0.25 * f)) * r.range(0.85, 1.1), rightk = r.range(0.85, 1.1);
    tiers.push_back(pinetier(centre(h) + r.range(-6, 6), fy - h + r.range(-8, 8), w, th, leftk, rightk, r));
    colours.push_back(artshade(rgb{0.16, 0.38, 0.32}, 0.82 + 0.32 * f));
    widths.push_back(w);
  }
  crown(cr, tiers, colours, widths, L, r);
}

// ---- objects ------------------------------------------------------------------------------------

void pliers(cairo_t* cr, double cx, double cy) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_rotate(cr, -0.15);
  groundshadow(cr, 0, 18, 54, 8, 0.45);
  // two handles crossing at the pivot, red grips
  tube(cr, {{-4, 0}, {30, -10}, {54, -16}}, 9, pal::blood, sun, 3);
  tube(cr, {{-4, 0}, {30, 10}, {54, 18}}, 9, pal::blood, sun, 3);
  poly(cr, {{-2, -6}, {-36, -12}, {-50, -6}, {-44, -2}, {-6, 2}});
  paint(cr, col::steel, sun, 40, 2.5);
  poly(cr, {{-2, 6}, {-36, 12}, {-50, 6}, {-44, 2}, {-6, -2}});
  paint(cr, col::steel, sun, 40, 2.5);
  ellipse(cr, -2, 0, 7, 7);
  paint(cr, col::iron, sun, 14, 2);
  cairo_restore(cr);
}

void canister(cairo_t* cr, double cx, double cy) {
  groundshadow(cr, cx + 6, cy + 50, 44, 8, 0.5);
  artroundrect(cr, cx - 36, cy - 40, 72, 90, 10);
  paint(cr, pal::blood, sun, 90, 3);
  // the X-shaped pressing and the label
  inkline(cr, {{cx - 26, cy - 28}, {cx + 26, cy + 38}}, 2, 0.45);
  inkline(cr, {{cx + 26, cy - 28}, {cx - 26, cy + 38}}, 2, 0.45);
  artroundrect(cr, cx - 24, cy - 2, 48, 18, 3);
  paint(cr, pal::gold, sun, 40, 2);
  artfont(cr, "sans", 11);
  arttext(cr, "FUEL", cx, cy + 7, pal::ink, 0);
  // handle and spout
  tube(cr, {{cx - 24, cy - 40}, {cx - 20, cy - 54}, {cx + 6, cy - 54}, {cx + 10, cy - 40}}, 7, pal::blood, sun, 3);
  poly(cr, {{cx + 18, cy - 40}, {cx + 22, cy - 54}, {cx + 34, cy - 54}, {cx + 34, cy - 40}});
  paint(cr, pal::ink, sun, 14, 2);
}

// The chainsaw, engine to the left, bar to the right; `running` shakes it and puffs smoke.
void chainsaw(cairo_t* cr, double cx, double cy, bool running) {
  double jx = running ? 1.5 : 0, jy = running ? -1.5 : 0;
  cairo_save(cr);
  cairo_translate(cr, cx + jx, cy + jy);
  if (!running) groundshadow(cr, -4, 30, 60, 8, 0.45);
  // the bar and its chain
  artroundrect(cr, -6, -4, 78, 22, 11);
  paint(cr, col::steel, sun, 40, 3);
  cairo_save(cr);
  artroundrect(cr, -6, -4, 78, 22, 11);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 3);
  double dash[] = {3, 3};
  cairo_set_dash(cr, dash, 2, running ? 3 : 0);
  cairo_stroke(cr);
  cairo_restore(cr);
  // the engine body and the top handle
  blob(cr, {{-62, 20}, {-64, -14}, {-40, -26}, {-4, -24}, {6, 0}, {4, 22}});
  paint(cr, pal::pumpkin, sun, 70, 3);
  tube(cr, {{-52, -24}, {-40, -42}, {-6, -40}, {0, -24}}, 7, rgb{0.22, 0.2, 0.24}, sun, 3);
  tube(cr, {{-64, 4}, {-74, 4}}, 10, rgb{0.22, 0.2, 0.24}, sun, 3);
  ellipse(cr, -34, 0, 10, 10);
  paint(cr, rgb{0.3, 0.28, 0.32}, sun, 20, 2);
  for (int i = 0; i < 3; i++) inkline(cr, {{-44 + i * 6.0, -12}, {-44 + i * 6.0, 12}}, 1.2, 0.5);
  if (running) {  // puffs of exhaust and motion lines
    for (int i = 0; i < 3; i++) {
      ellipse(cr, -72 - i * 8, -16 - i * 6, 6 + i * 2, 5 + i * 2);
      artsetcolor(cr, rgb{0.85, 0.85, 0.9}, 0.6 - i * 0.15);
      cairo_fill(cr);
    }
    for (int i = 0; i < 3; i++) inkline(cr, {{76, -10 + i * 10.0}, {84, -12 + i * 10.0}}, 1.5, 0.6);
  }
  cairo_restore(cr);
}

// The tarp pinned over the woodpile: a draped canvas with grommets where the nails go. Drawn
// in scene coordinates.
void tarp(cairo_t* cr) {
  std::vector<pt> p{{206, 640}, {210, 566}, {236, 530}, {290, 508}, {350, 512}, {420, 488}, {490, 478},
                    {560, 490}, {620, 502}, {690, 512}, {760, 536}, {806, 566}, {818, 604}, {812, 642},
                    {700, 650}, {520, 652}, {340, 648}};
  blob(cr, p, 0.8);
  cairo_path_t* shape = cairo_copy_path(cr);
  paint(cr, rgb{0.24, 0.48, 0.52}, sun, 300, 3.5);
  cairo_save(cr);
  cairo_append_path(cr, shape);
  cairo_clip(cr);
  // folds draped over the logs underneath
  const double folds[][4] = {{300, 500, 280, 640}, {440, 484, 470, 648}, {560, 484, 600, 650}, {690, 514, 720, 646}};
  for (auto& f : folds) {
    inkline(cr, {{f[0], f[1]}, {(f[0] + f[2]) / 2 + 10, (f[1] + f[3]) / 2}, {f[2], f[3]}}, 2, 0.4);
    cairo_new_path(cr);
    curve(cr, {{f[0] + 8, f[1] + 4}, {(f[0] + f[2]) / 2 + 18, (f[1] + f[3]) / 2}, {f[2] + 8, f[3]}});
    artsetcolor(cr, rgb{0.55, 0.8, 0.8}, 0.25);
    cairo_set_line_width(cr, 5);
    cairo_stroke(cr);
  }
  dabs(cr, 200, 480, 630, 170, rgb{0.18, 0.36, 0.4}, 0.3, 30, 40, 5101);
  cairo_restore(cr);
  cairo_path_destroy(shape);
  // a hem with grommets along the edge, and the four pinned corners
  for (const pt& n : nails) {
    ellipse(cr, n.x, n.y + 4, 8, 6);
    flat(cr, col::steel, 2);
    ellipse(cr, n.x, n.y + 4, 4, 3);
    flat(cr, rgb{0.15, 0.12, 0.14}, 0);
  }
}

void nail(cairo_t* cr, double cx, double cy) {
  poly(cr, {{cx - 2.5, cy - 10}, {cx + 2.5, cy - 10}, {cx + 1.5, cy + 16}, {cx, cy + 20}, {cx - 1.5, cy + 16}});
  paint(cr, col::steel, sun, 6, 1.5);
  ellipse(cr, cx, cy - 12, 8, 3.5);
  paint(cr, col::steel, sun, 16, 1.8);
}

// The old estate car, facing left; seen a little from behind, so its back shows on the right.
void car(cairo_t* cr) {
  light L = sun;
  rgb paintc{0.36, 0.66, 0.62}, roofc{0.93, 0.88, 0.74};
  groundshadow(cr, 2220, 708, 330, 18, 0.55);
  // the back face: a dark cargo space behind the tailgate (the tailgate is its own picture)
  poly(cr, {{2392, 492}, {2520, 496}, {2528, 690}, {2396, 694}});
  paint(cr, artshade(paintc, 0.8), L, 130, 3.5);
  poly(cr, {{2402, 522}, {2512, 522}, {2512, 678}, {2402, 678}});
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 522, 0, 678);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.08, 0.06, 0.1);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.22, 0.16, 0.18);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  poly(cr, {{2404, 650}, {2510, 646}, {2512, 678}, {2402, 678}});  // a checked blanket on the floor
  paint(cr, pal::blood, L, 100, 2);
  for (double x = 2410; x < 2510; x += 14) inkline(cr, {{x, 648}, {x + 2, 678}}, 1.5, 0.4);
  // rear window over the tailgate
  poly(cr, {{2404, 500}, {2508, 503}, {2508, 517}, {2404, 517}});
  flat(cr, rgb{0.3, 0.4, 0.55}, 3);
    // the body's side
  std::vector<pt> body{{1890, 646}, {1886, 596}, {1900, 578}, {1990, 566}, {2046, 498}, {2060, 490},
                       {2388, 488}, {2396, 494}, {2398, 694}, {2340, 700}, {1900, 690}};
  blob(cr, body, 0.25);
  cairo_path_t* side = cairo_copy_path(cr);
  paint(cr, paintc, L, 500, 0);
  cairo_save(cr);
  cairo_append_path(cr, side);
  cairo_clip(cr);
  cairo_rectangle(cr, 1880, 470, 540, 92);  // a cream roof and pillars
  artsetcolor(cr, roofc);
  cairo_fill(cr);
  cairo_rectangle(cr, 1880, 606, 540, 8);  // a chrome strip
  artsetcolor(cr, col::steel);
  cairo_fill(cr);
  dabs(cr, 1900, 560, 480, 130, rgb{0.55, 0.35, 0.25}, 0.35, 14, 18, 5201);  // rust
  haze(cr, 2600, 620, 700, pal::ink, 0, 0.35);
  cairo_restore(cr);
  cairo_append_path(cr, side);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 3.5);
  cairo_stroke(cr);
  cairo_path_destroy(side);
  // windows: windscreen and three side panes
  const double wins[][4] = {{2066, 2160, 500, 558}, {2172, 2268, 500, 558}, {2280, 2380, 500, 558}};
  poly(cr, {{2000, 566}, {2050, 502}, {2058, 500}, {2058, 558}});
  flat(cr, rgb{0.32, 0.44, 0.6}, 3);
  for (auto& w : wins) {
    artroundrect(cr, w[0], w[2], w[1] - w[0], w[3] - w[2], 6);
    cairo_pattern_t* wg = cairo_pattern_create_linear(w[0], w[2], w[1], w[3]);
    cairo_pattern_add_color_stop_rgb(wg, 0, 0.62, 0.55, 0.6);
    cairo_pattern_add_color_stop_rgb(wg, 0.5, 0.3, 0.36, 0.55);
    cairo_pattern_add_color_stop_rgb(wg, 1, 0.2, 0.22, 0.4);
    cairo_set_source(cr, wg);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(wg);
    artsetcolor(cr, pal::ink);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    cairo_move_to(cr, w[0] + 16, w[3] - 8);
    cairo_line_to(cr, w[0] + 46, w[2] + 8);
    artsetcolor(cr, rgb{1, 0.92, 0.8}, 0.3);
    cairo_set_line_width(cr, 6);
    cairo_stroke(cr);
  }
  // doors, handles, the headlamp, bumpers
  inkline(cr, {{2166, 566}, {2166, 690}}, 2, 0.7);
  inkline(cr, {{2274, 566}, {2274, 690}}, 2, 0.7);
  for (double hx : {2140.0, 2250.0}) {
    artroundrect(cr, hx, 580, 18, 6, 3);
    paint(cr, col::steel, L, 18, 1.5);
  }
  ellipse(cr, 1898, 612, 10, 14);
  paint(cr, pal::bone, L, 20, 2.5);
  artroundrect(cr, 1876, 632, 40, 16, 6);
  paint(cr, col::steel, L, 40, 2.5);
  artroundrect(cr, 2380, 672, 160, 18, 6);
  paint(cr, col::steel, L, 160, 2.5);
  // a dent and a bumper sticker on the front wing
  inkline(cr, {{1950, 620}, {1962, 628}, {1976, 622}}, 1.6, 0.6);
  // wheels
  for (double wx : {2010.0, 2318.0}) {
    ellipse(cr, wx, 668, 42, 42);
    paint(cr, rgb{0.16, 0.14, 0.18}, L, 84, 3.5);
    ellipse(cr, wx, 668, 22, 22);
    paint(cr, col::steel, L, 44, 2.5);
    ellipse(cr, wx, 668, 6, 6);
    flat(cr, col::iron, 1.5);
    cairo_new_path(cr);
    cairo_arc(cr, wx, 668, 52, M_PI * 1.05, M_PI * 1.95);  // the wheel arch
    artsetcolor(cr, pal::ink);
    cairo_set_line_width(cr, 3.5);
    cairo_stroke(cr);
  }
}

// The tailgate in frame n (0 shut .. 3 swung past open), hinged on its right edge at scene
// x 2512, drawn in scene coordinates.
void tailgate(cairo_t* cr, int n) {
  const double hx = 2512, top = 522, bottom = 678, w = 110;
  const double angles[] = {0, 48, 82, 106};
  double a = angles[n] * M_PI / 180;
  double fx = hx - w * std::cos(a), grow = 12 * std::sin(a);
  rgb paintc{0.36, 0.66, 0.62};
  bool inside = std::cos(a) < 0;
  poly(cr, {{hx, top}, {fx, top - grow}, {fx, bottom + grow}, {hx, bottom}});
  paint(cr, inside ? rgb{0.3, 0.28, 0.3} : artshade(paintc, 0.9), sun, 110, 3);
  double k = std::fabs(std::cos(a));
  auto at = [&](double u, double v) {  // a point on the gate: u 0 free edge .. 1 hinge, v 0 top .. 1 bottom
    double x = fx + (hx - fx) * u;
    double t0 = top - grow * (1 - u), t1 = bottom + grow * (1 - u);
    return pt{x, t0 + (t1 - t0) * v};
  };
  if (!inside) {
    // number plate, tail lamp, handle
    pt p0 = at(0.25, 0.55), p1 = at(0.75, 0.55), p2 = at(0.75, 0.72), p3 = at(0.25, 0.72);
    poly(cr, {p0, p1, p2, p3});
    paint(cr, pal::bone, sun, 40, 2);
    if (k > 0.5) {
      artfont(cr, "sans", 12 * k);
      arttext(cr, "MRG 13", (p0.x + p1.x) / 2, (p0.y + p2.y) / 2, pal::ink, 0);
    }
    pt l0 = at(0.04, 0.1), l1 = at(0.18, 0.1), l2 = at(0.18, 0.35), l3 = at(0.04, 0.35);
    poly(cr, {l0, l1, l2, l3});
    paint(cr, pal::blood, sun, 14, 2);
    pt h0 = at(0.4, 0.3), h1 = at(0.6, 0.3);
    tube(cr, {h0, h1}, 5, col::steel, sun, 1.5);
    pt s0 = at(0.12, 0.82), s1 = at(0.5, 0.82), s2 = at(0.5, 0.92), s3 = at(0.12, 0.92);  // bumper sticker
    poly(cr, {s0, s1, s2, s3});
    paint(cr, pal::gold, sun, 30, 1.5);
  } else {
    // the inside: a trim panel and a spare tyre strapped to it
    pt c = at(0.5, 0.45);
    ellipse(cr, c.x, c.y, 30 * k + 4, 40);
    paint(cr, rgb{0.16, 0.14, 0.18}, sun, 60, 2.5);
    ellipse(cr, c.x, c.y, 14 * k + 2, 20);
    paint(cr, col::steel, sun, 30, 2);
  }
}

// The huge zombie, sitting in the road with his legs out, arms wide to stop anyone passing.
figure bigzombie() {
  figure z = zombiefolk(6);
  z.height = 330;
  z.girth = 1.55;
  z.headsize = 0.95;
  z.sitting = true;
  z.stance = 1.4;
  z.handl = {-22, 6};
  z.handr = {22, 2};
  z.expr = face::moan;
  z.hat = 2;
  z.accent = rgb{0.4, 0.32, 0.5};
  z.shirt = rgb{0.62, 0.28, 0.24};
  z.trousers = rgb{0.28, 0.3, 0.46};
  z.lookx = -0.5;
  z.lean = 0;
  z.headtilt = 5;
  z.seed = 5301;
  return z;
}

// ---- the scene ----------------------------------------------------------------------------------

void woods() {
  cairo_t* cr = artnew(scenew, sceneh);
  const double W = scenew;
  light L = sun;
  rng r(5401);
  // sunset sky through the trees: warm on the right where the sun sets
  skyfill(cr, W, sceneh, {{0, rgb{0.16, 0.14, 0.36}}, {0.4, rgb{0.5, 0.3, 0.5}}, {0.7, rgb{0.95, 0.55, 0.45}}, {1, rgb{1.0, 0.78, 0.5}}});
  glow(cr, 2600, 470, 700, rgb{1.0, 0.8, 0.5}, 0.55);
  // three rows of far pines, paler and bluer with distance, mist between them
  const rgb rows[] = {rgb{0.40, 0.27, 0.46}, rgb{0.31, 0.2, 0.38}, rgb{0.22, 0.15, 0.29}};
  for (int row = 0; row < 3; row++) {
    double base = 450 + row * 26, hmin = 170 + row * 60, hmax = 280 + row * 90;
    for (double x = -60; x < W + 60; x += r.range(30, 64) - row * 6)
      silhouettetree(cr, x, base + r.range(-10, 10), r.range(hmin, hmax), 5500 + int(x) + row * 7000,
                     atmos(atmos(rows[row], rgb{0.62, 0.4, 0.52}, 0.35 - row * 0.12), sunset,
                           std::max(0.0, (x - 1500) / 1300) * 0.35),
                     true);
    haze(cr, W, base - 200, base + 20, rgb{0.98, 0.7, 0.58}, 0, 0.38 - row * 0.08);
  }
  // rays of the low sun slanting in from the right
  cairo_save(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
  for (int i = 0; i < 7; i++) {
    double x0 = 2760, y0 = 380 + i * 20, x1 = 600 + i * 260, spread = 40 + i * 10;
    poly(cr, {{x0, y0}, {x1, y0 + 300 + spread}, {x1 - spread * 2, y0 + 300 + spread * 2}});
    cairo_pattern_t* g = cairo_pattern_create_linear(x0, 0, x1, 0);
    cairo_pattern_add_color_stop_rgba(g, 0, 0.5, 0.35, 0.2, 0.18);
    cairo_pattern_add_color_stop_rgba(g, 1, 0.5, 0.35, 0.2, 0);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
  }
  cairo_restore(cr);
  // the forest floor: moss and needles, darker under the trees
  cairo_rectangle(cr, -200, 452, W + 400, sceneh);  // past both ends: no rim at the sides
  paintgrad(cr, rgb{0.26, 0.3, 0.22}, rgb{0.14, 0.18, 0.14}, L, 300, 0);
  haze(cr, W, 452, 500, rgb{0.9, 0.6, 0.5}, 0.35, 0);
  dabs(cr, 0, 456, W, 320, rgb{0.36, 0.4, 0.24}, 0.35, 500, 36, 5402);
  dabs(cr, 0, 456, W, 320, rgb{0.45, 0.3, 0.2}, 0.25, 300, 30, 5403);
  // the floor's litter: darker hollows, needles, pine cones, a fallen branch
  cairo_save(cr);
  cairo_rectangle(cr, 0, 452, W, sceneh - 452);
  cairo_clip(cr);
  for (int i = 0; i < 60; i++) {
    double x = r.range(0, W), y = r.range(458, roadfar(x) - 4);
    if (y < 460) continue;
    ellipse(cr, x, y, r.range(30, 90), r.range(5, 10));
    artsetcolor(cr, rgb{0.1, 0.12, 0.1}, 0.25);
    cairo_fill(cr);
  }
  for (int i = 0; i < 900; i++) {
    double x = r.range(0, W), y = r.range(456, roadfar(x) + 6);
    double a = r.range(0, M_PI);
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x + std::cos(a) * 6, y + std::sin(a) * 2);
    artsetcolor(cr, r.chance(0.5) ? rgb{0.62, 0.46, 0.3} : rgb{0.4, 0.5, 0.3}, 0.5);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
  }
  cairo_restore(cr);
  for (int i = 0; i < 18; i++) {
    double x = r.range(0, W), y = r.range(470, roadfar(x) - 6);
    if (y < 470) continue;
    ellipse(cr, x, y, 6, 4, r.range(-30, 30));
    paint(cr, rgb{0.5, 0.32, 0.2}, L, 10, 1.5);
    for (int k = -1; k <= 1; k++) inkline(cr, {{x - 4, y + k * 1.5}, {x + 4, y + k * 1.5}}, 0.8, 0.5);
  }
  tube(cr, {{300, 478}, {380, 472}, {470, 476}}, 10, col::darkwood, L, 2.5);
  tube(cr, {{380, 473}, {400, 458}}, 4, col::darkwood, L, 2);
  // undergrowth along the far side: bushes and small firs, mossy bumps
  for (double x = -40; x < W; x += r.range(90, 170)) {
    if (x > 2060 && x < 2360) continue;  // the felled tree's foot stays clear
    double y = roadfar(x) - 2;
    if (r.chance(0.5))
      bush(cr, x, y, r.range(90, 150), r.range(30, 56), rgb{0.2, 0.34, 0.26}, 5450 + int(x), L, 2.5);
    else
      pinetree(cr, x, y, r.range(70, 110), 5460 + int(x), rgb{0.16, 0.32, 0.28}, L, 2.5);
  }
  cairo_new_path(cr);
  cairo_move_to(cr, -200, roadfar(-200));
  for (double x = -200; x <= W + 200; x += 8) cairo_line_to(cr, x, roadfar(x));
  for (double x = W + 200; x >= -200; x -= 8) cairo_line_to(cr, x, roadnear(x));
  cairo_close_path(cr);
  cairo_path_t* road = cairo_copy_path(cr);
  paintgrad(cr, rgb{0.62, 0.48, 0.42}, rgb{0.5, 0.36, 0.3}, L, 600, 3);
  cairo_save(cr);
  cairo_append_path(cr, road);
  cairo_clip(cr);
  dabs(cr, 0, 470, W, 300, rgb{0.7, 0.56, 0.46}, 0.35, 300, 50, 5404);
  dabs(cr, 0, 470, W, 300, rgb{0.4, 0.28, 0.24}, 0.3, 200, 40, 5405);
  // two tyre ruts, a puddle with the sky in it, pebbles
  for (double off : {0.35, 0.7}) {
    cairo_new_path(cr);
    for (double x = -10; x <= W + 10; x += 10) {
      double y = roadfar(x) + (roadnear(x) - roadfar(x)) * off;
      if (x == -10) cairo_move_to(cr, x, y);
      else cairo_line_to(cr, x, y);
    }
    artsetcolor(cr, rgb{0.36, 0.24, 0.2}, 0.5);
    cairo_set_line_width(cr, 14);
    cairo_stroke(cr);
  }
  ellipse(cr, 1240, 690, 90, 16);
  cairo_pattern_t* pg = cairo_pattern_create_linear(0, 674, 0, 706);
  cairo_pattern_add_color_stop_rgb(pg, 0, 0.98, 0.7, 0.5);
  cairo_pattern_add_color_stop_rgb(pg, 1, 0.5, 0.32, 0.5);
  cairo_set_source(cr, pg);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(pg);
  artsetcolor(cr, pal::ink, 0.6);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  for (int i = 0; i < 160; i++) {
    double x = r.range(0, W), y = r.range(roadfar(x) + 6, std::min(768.0, roadnear(x)));
    ellipse(cr, x, y, r.range(1.5, 4), r.range(1, 2.5));
    artsetcolor(cr, artshade(rgb{0.6, 0.5, 0.45}, r.range(0.6, 1.2)));
    cairo_fill(cr);
  }
  cairo_restore(cr);
  cairo_path_destroy(road);
  // tall pines along the far side of the road (not where the chapter's tree stands), their
  // crowns going up out of the picture
  const double trunks[] = {90, 640, 1010, 1380, 1610, 2620};
  for (double tx : trunks) {
    double fy = roadfar(tx) - 14;
    double k = r.range(1.15, 1.4);
    groundshadow(cr, tx - 120, fy + 4, 160, 12, 0.45);
    cairo_save(cr);
    cairo_translate(cr, tx, fy);
    cairo_scale(cr, k, k);
    tallpine(cr, 0, 0, 0, 0, 5480 + int(tx), L);
    cairo_restore(cr);
  }
  // grass along both edges of the road
  for (double x = 0; x < W; x += 6) {
    grasstufts(cr, x, x + 6, roadfar(x) + 4, 14, rgb{0.32, 0.44, 0.26}, 5490 + int(x), 0.7);
    if (roadnear(x) < 766) grasstufts(cr, x, x + 6, roadnear(x) + 6, 18, rgb{0.26, 0.38, 0.22}, 5491 + int(x), 0.7);
  }
  // the stump the felled tree leaves, hidden under the standing tree's trunk until then
  ellipse(cr, treex, treey + 2, 30, 8);
  paint(cr, rgb{0.88, 0.72, 0.5}, L, 60, 2.5);
  poly(cr, {{treex - 30, treey + 2}, {treex - 30, treey + 16}, {treex + 30, treey + 16}, {treex + 30, treey + 2}});
  paint(cr, rgb{0.44, 0.28, 0.2}, L, 60, 2.5);
  ellipse(cr, treex, treey + 2, 30, 8);
  flat(cr, rgb{0.88, 0.72, 0.5}, 2.5);
  // the woodpile the tarp hides, on the verge at the left
  for (int row = 0; row < 4; row++)
    for (int i = 0; i < 11 - row; i++) {
      double lx = 196 + row * 30 + i * 62 + r.range(-4, 4), ly = 632 - row * 36;
      ellipse(cr, lx, ly, 27, 18);
      paint(cr, rgb{0.66, 0.46, 0.3}, L, 40, 2.5);
      ellipse(cr, lx, ly, 15, 9);
      artsetcolor(cr, rgb{0.8, 0.6, 0.4}, 0.8);
      cairo_set_line_width(cr, 1.2);
      cairo_stroke(cr);
    }
  // a signpost for Pine Road
  tube(cr, {{1030, 720}, {1032, 560}}, 9, col::wood, L, 3);
  poly(cr, {{960, 566}, {1090, 560}, {1110, 580}, {1092, 600}, {962, 604}});
  paint(cr, col::wood, L, 150, 3);
  artfont(cr, "comic", 20);
  arttext(cr, "PINE ROAD", 1030, 582, pal::bone, 2.5);
  // toadstools, ferns and rocks along both verges
  for (double x : {140.0, 880.0, 1470.0, 1880.0}) {
    for (int k = 0; k < 3; k++) {
      double mx = x + k * 18, my = roadfar(mx) - 2 + k * 4;
      tube(cr, {{mx, my}, {mx, my - 16 - k * 4}}, 5, pal::bone, L, 2);
      cairo_new_path(cr);
      cairo_arc(cr, mx, my - 16 - k * 4, 12 - k * 2, M_PI, 2 * M_PI);
      cairo_close_path(cr);
      paint(cr, pal::blood, L, 24, 2);
      for (int s = 0; s < 3; s++) {
        ellipse(cr, mx - 6 + s * 6, my - 22 - k * 4 + (s % 2) * 3, 1.8, 1.8);
        artsetcolor(cr, pal::bone);
        cairo_fill(cr);
      }
    }
  }
  rock(cr, 1560, 630, 80, 40, pal::grey, 5406, L);
  rock(cr, 170, 740, 110, 56, pal::grey, 5407, L);
  // foreground ferns and a great dark trunk at each end, framing the road
  for (double x : {20.0, 620.0, 1180.0, 2690.0}) {
    for (int k = 0; k < 7; k++) {
      double a = -M_PI / 2 + (k - 3) * 0.32;
      std::vector<pt> frond{{x, 790}, {x + std::cos(a) * 70, 790 + std::sin(a) * 90},
                            {x + std::cos(a) * 150, 790 + std::sin(a) * 150}};
      tube(cr, frond, 5, rgb{0.18, 0.32, 0.2}, L, 2.5);
      for (double t = 0.2; t < 1; t += 0.12) {
        double fx = x + std::cos(a) * 150 * t, fy = 790 + std::sin(a) * 150 * t;
        ellipse(cr, fx, fy, 14 * (1.1 - t), 5, a * 180 / M_PI + 60);
        paint(cr, rgb{0.22, 0.42, 0.24}, L, 20, 1.5);
        ellipse(cr, fx, fy, 14 * (1.1 - t), 5, a * 180 / M_PI - 60);
        paint(cr, rgb{0.22, 0.42, 0.24}, L, 20, 1.5);
      }
    }
  }
  haze(cr, W, 650, sceneh, pal::ink, 0, 0.35);
  vignette(cr, W, sceneh, 0.3);
  grain(cr, 0.025, 5499);
  savehalves(cr, "story/3/bga.jpg", "story/3/bgb.jpg");
}

// A picture of w x h whose centre stands at scene point (cx, cy), drawn in scene coordinates.
cairo_t* scenepic(int w, int h, double cx, double cy) {
  cairo_t* cr = artnew(w, h);
  cairo_translate(cr, w / 2.0 - cx, h / 2.0 - cy);
  return cr;
}

void saveboth(cairo_t* cr, const std::string& name, int pad, int dx = 0, int dy = 0) {
  cairo_identity_matrix(cr);
  grain(cr, 0.02, uint32_t(name.size() * 977 + pad));
  saveglow(cr, "story/3/" + name + "-glow.png", pad, dx, dy);
  artsave(cr, "story/3/" + name + ".png");
}

void objects() {
  // the standing tree (foot at 210, 726) and its glow, drawn 5 pixels up and left
  {
    cairo_t* cr = artnew(treew, treeh);
    tallpine(cr, 210, 726, 0, 0, 5601, sun);
    saveboth(cr, "tree1", treepad);
  }
  // the felled tree: the same pine, its top sagging so it lies over the zombie (foot 206, 725)
  {
    cairo_t* cr = artnew(treew, treeh);
    tallpine(cr, 206, 725, 60, 0.75, 5601, lightfrom(-73, sunset, 0.5, 0.42));  // the sun, as the tree lies
    grain(cr, 0.02, 5602);
    artsave(cr, "story/3/tree4.png");
  }
  // the tree's long shadow, stretched out to the left of the foot at (900, 60)
  {
    cairo_t* cr = artnew(shadoww, shadowh);
    cairo_push_group(cr);
    poly(cr, {{900, 44}, {700, 40}, {400, 30}, {60, 50}, {30, 60}, {60, 70}, {400, 90}, {700, 80}, {900, 76}});
    artsetcolor(cr, pal::ink);
    cairo_fill(cr);
    for (int i = 0; i < 9; i++) {
      double x = 380 + i * 60;
      ellipse(cr, x, 60, 40 - i * 2, 30 - i);
      cairo_fill(cr);
    }
    cairo_pop_group_to_source(cr);
    // soft: fade along its length and at its sides
    cairo_pattern_t* fade = cairo_pattern_create_linear(20, 0, 910, 0);
    cairo_pattern_add_color_stop_rgba(fade, 0, 0, 0, 0, 0);
    cairo_pattern_add_color_stop_rgba(fade, 0.35, 0, 0, 0, 0.3);
    cairo_pattern_add_color_stop_rgba(fade, 1, 0, 0, 0, 0.55);
    cairo_mask(cr, fade);
    cairo_pattern_destroy(fade);
    artsave(cr, "story/3/treesh.png");
  }
  {
    cairo_t* cr = artnew(pliersw, pliersh);
    pliers(cr, pliersw / 2.0 - 2, pliersh / 2.0 - 4);
    saveboth(cr, "pliers", 8);
  }
  {
    cairo_t* cr = artnew(canw, canh);
    canister(cr, canw / 2.0 - 2, canh / 2.0 + 6);
    saveboth(cr, "canister", 8);
  }
  // the chainsaw lies in the cargo space: its drawing keeps left of the tailgate's hinge
  for (int run = 0; run < 2; run++) {
    cairo_t* cr = artnew(saww, sawh);
    // tilted into the cargo space so it fits behind the gate: its middle at scene (2457, 610),
    // up and left of the picture's centre (2478, 652)
    cairo_translate(cr, saww / 2.0 - 21, sawh / 2.0 - 42);
    cairo_rotate(cr, -38 * M_PI / 180);
    cairo_scale(cr, 0.8, 0.8);
    chainsaw(cr, 0, 0, run == 1);
    cairo_identity_matrix(cr);
    grain(cr, 0.02, 5700 + run);
    if (run == 0) saveglow(cr, "story/3/saw1-glow.png", 8);
    artsave(cr, "story/3/saw" + std::to_string(run + 1) + ".png");
  }
  {
    cairo_t* cr = scenepic(tarpw, tarph, tarpx, tarpy);
    tarp(cr);
    saveboth(cr, "plane", glowpad);
  }
  {
    cairo_t* cr = artnew(nailw, nailh);
    nail(cr, nailw / 2.0, nailh / 2.0 + 2);
    grain(cr, 0.02, 5703);
    artsave(cr, "story/3/nail.png");
  }
  // the tailgate: four frames; the glow of the shut one is drawn 2 pixels lower
  for (int n = 0; n < 4; n++) {
    cairo_t* cr = scenepic(doorw, doorh, tailx, taily);
    tailgate(cr, n);
    cairo_identity_matrix(cr);
    grain(cr, 0.02, 5710 + n);
    if (n == 0) saveglow(cr, "story/3/cardoor1-glow.png", 8, 0, -2);
    artsave(cr, "story/3/cardoor" + std::to_string(n + 1) + ".png");
  }
  {
    cairo_t* cr = scenepic(carw, carh, carx, cary);
    car(cr);
    cairo_identity_matrix(cr);
    grain(cr, 0.02, 5720);
    artsave(cr, "story/3/car.png");
  }
  // the huge zombie, his shadow, and the squashed zombie under the felled tree
  {
    cairo_t* cr = artnew(zombw, zombh);
    drawfigure(cr, zombw / 2.0, zombh - 80, bigzombie(), lightfrom(30, sunset, 0.6, 0.42));  // soles at scene 610
    saveboth(cr, "zombie", glowpad);
  }
  {
    cairo_t* cr = artnew(zshw, zshh);
    groundshadow(cr, zshw / 2.0, zshh / 2.0, zshw / 2.0 - 16, zshh / 2.0 - 14, 0.6);
    artsave(cr, "story/3/zombiesh.png");
  }
  {
    // flat on his back under the trunk (which crosses the picture's upper middle): boots up on
    // the right, arms out, the dizzy head on the left with stars going round it
    cairo_t* cr = artnew(splashw, splashh);
    cairo_translate(cr, 0, 20);  // the drawing below is laid out for a picture 40 pixels shorter
    light L = lightfrom(30, sunset, 0.6, 0.42);
    figure z = bigzombie();
    z.expr = face::dizzy;
    z.hat = 0;
    groundshadow(cr, splashw / 2.0, 150, 220, 30, 0.5);
    for (double side : {-1.0, 1.0}) {  // squashed arms flat on the road, poking out above and below
      tube(cr, {{230, 66}, {230 + side * 24, 66 + side * 34}, {246 + side * 40, 70 + side * 52}}, 24, z.shirt, L, 4);
      drawhand(cr, 248 + side * 42, 70 + side * 56, 28, side < 0 ? -70 : 70, z.skin, 0, L, true);
    }
    ellipse(cr, 250, 72, 150, 42);  // the pancaked body, mostly under the trunk
    paint(cr, z.shirt, L, 300, 4);
    for (double side : {-1.0, 1.0}) {  // legs and boots sticking out on the right
      tube(cr, {{350, 80 + side * 14}, {390, 100 + side * 28}, {420, 130 + side * 10}}, 26, z.trousers, L, 4);
      ellipse(cr, 430, 144 + side * 10, 22, 16, 30);
      paint(cr, z.shoes, L, 40, 3);
    }
    drawhead(cr, 64, 160, 44, z, L);
    for (int i = 0; i < 5; i++) {  // stars circling his head
      double a = i * 2 * M_PI / 5;
      double sx = 64 + std::cos(a) * 56, sy = 106 + std::sin(a) * 12;
      cairo_save(cr);
      cairo_translate(cr, sx, sy);
      cairo_new_path(cr);
      for (int k = 0; k < 10; k++) {
        double rr = k % 2 ? 4 : 10, b = k * M_PI / 5 - M_PI / 2;
        if (k == 0) cairo_move_to(cr, std::cos(b) * rr, std::sin(b) * rr);
        else cairo_line_to(cr, std::cos(b) * rr, std::sin(b) * rr);
      }
      cairo_close_path(cr);
      paint(cr, pal::gold, L, 20, 2);
      cairo_restore(cr);
    }
    grain(cr, 0.02, 5730);
    artsave(cr, "story/3/zombiesplash.png");
  }
}

}  // namespace

void forgestory_ch3() {
  woods();
  objects();
}

std::vector<pictureentry> manifest_story_ch3() {
  auto g = [](int v, int pad) { return v + 2 * pad; };
  return {
      {"story/3/bga.jpg", 1366, sceneh, "chapter 3 Pine Road through the woods, left half [cut]"},
      {"story/3/bgb.jpg", 1366, sceneh, "chapter 3 Pine Road through the woods, right half [cut]"},
      {"story/3/tree1.png", treew, treeh, "chapter 3 tall pine behind the car, standing"},
      {"story/3/tree1-glow.png", g(treew, treepad), g(treeh, treepad), "chapter 3 tall pine glowing"},
      {"story/3/tree4.png", treew, treeh, "chapter 3 tall pine felled across the road"},
      {"story/3/treesh.png", shadoww, shadowh, "chapter 3 the pine's long shadow"},
      {"story/3/pliers.png", pliersw, pliersh, "chapter 3 pliers at the roadside"},
      {"story/3/pliers-glow.png", g(pliersw, 8), g(pliersh, 8), "chapter 3 pliers glowing"},
      {"story/3/canister.png", canw, canh, "chapter 3 fuel can under the tarp"},
      {"story/3/canister-glow.png", g(canw, 8), g(canh, 8), "chapter 3 fuel can glowing"},
      {"story/3/saw1.png", saww, sawh, "chapter 3 chainsaw, frame 1 of 2"},
      {"story/3/saw2.png", saww, sawh, "chapter 3 chainsaw running, frame 2 of 2"},
      {"story/3/saw1-glow.png", g(saww, 8), g(sawh, 8), "chapter 3 chainsaw glowing"},
      {"story/3/plane.png", tarpw, tarph, "chapter 3 tarp nailed over the woodpile"},
      {"story/3/plane-glow.png", g(tarpw, glowpad), g(tarph, glowpad), "chapter 3 tarp glowing"},
      {"story/3/cardoor1.png", doorw, doorh, "chapter 3 tailgate shut, frame 1 of 4"},
      {"story/3/cardoor2.png", doorw, doorh, "chapter 3 tailgate opening, frame 2 of 4"},
      {"story/3/cardoor3.png", doorw, doorh, "chapter 3 tailgate opening, frame 3 of 4"},
      {"story/3/cardoor4.png", doorw, doorh, "chapter 3 tailgate open, frame 4 of 4"},
      {"story/3/cardoor1-glow.png", g(doorw, 8), g(doorh, 8), "chapter 3 tailgate glowing"},
      {"story/3/zombie.png", zombw, zombh, "chapter 3 huge zombie sitting in the road"},
      {"story/3/zombie-glow.png", g(zombw, glowpad), g(zombh, glowpad), "chapter 3 huge zombie glowing"},
      {"story/3/zombiesh.png", zshw, zshh, "chapter 3 huge zombie's shadow"},
      {"story/3/zombiesplash.png", splashw, splashh, "chapter 3 zombie flattened under the tree"},
      {"story/3/car.png", carw, carh, "chapter 3 old estate car"},
      {"story/3/nail.png", nailw, nailh, "chapter 3 nail pinning the tarp"},
  };
}
