// Drawing kit shared by the effect pictures' files: a small seeded generator, paths for
// stars, twinkles, suits and torn edges, gradient fills, and the light-picture saver.
#pragma once
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "tools/forge/forge_art.h"

namespace fx {

// A small deterministic generator (xorshift32): each picture seeds its own.
struct fxrand {
  uint32_t s;
  explicit fxrand(uint32_t seed) : s(seed * 2654435761u + 12345u) {
    if (s == 0) s = 1;
  }
  uint32_t next() {
    s ^= s << 13;
    s ^= s >> 17;
    s ^= s << 5;
    return s;
  }
  double uni() { return (next() >> 8) * (1.0 / 16777216.0); }  // 0..1
  double range(double a, double b) { return a + (b - a) * uni(); }
};

struct pt {
  double x, y;
};

inline constexpr double tau = 2 * M_PI;
inline const rgb white{1, 1, 1};

// The nine effect colours, by the colour number the game passes (1..9).
// 1 cherry red, 2 pumpkin, 3 lemon, 4 slime green, 5 ghost teal, 6 moon blue,
// 7 witch violet, 8 candy pink, 9 sun gold (the doubled-points burst).
inline const rgb fxcolour[10] = {
    {1, 1, 1},          {0.96, 0.26, 0.30}, {0.99, 0.55, 0.16}, {1.00, 0.87, 0.26}, {0.48, 0.90, 0.34},
    {0.26, 0.86, 0.86}, {0.36, 0.58, 1.00}, {0.72, 0.45, 1.00}, {1.00, 0.45, 0.80}, {1.00, 0.84, 0.42},
};

void fill(cairo_t* cr, rgb c, double a = 1);
void fillpreserve(cairo_t* cr, rgb c, double a = 1);
void inkstroke(cairo_t* cr, double width, rgb c = pal::ink);
// Fills the current path with a radial gradient from `inner` at (x, y) to `outer` at radius r.
void fillradial(cairo_t* cr, double x, double y, double r, rgb inner, rgb outer, bool keep = false);
// Fills the current path with a linear gradient along (x0, y0)..(x1, y1).
void filllinear(cairo_t* cr, double x0, double y0, double x1, double y1, rgb a, rgb b, bool keep = false);
void polygon(cairo_t* cr, const std::vector<pt>& p);
// A closed smooth curve through the points.
void smoothpath(cairo_t* cr, const std::vector<pt>& p);
void circle(cairo_t* cr, double x, double y, double r);
void ellipse(cairo_t* cr, double x, double y, double rx, double ry, double angle = 0);
// A star of `points` tips between radii ro and ri, first tip at angle `rot` (0 = up).
void starpath(cairo_t* cr, double x, double y, double ro, double ri, int points, double rot);
// A twinkle: four thin tips with concave sides.
void twinklepath(cairo_t* cr, double x, double y, double r, double waist, double rot);
void heartpath(cairo_t* cr, double x, double y, double s);
void spadepath(cairo_t* cr, double x, double y, double s);
// Points from a to b with a torn, zig-zag edge (a excluded, b included).
void tornedge(std::vector<pt>& out, pt a, pt b, int teeth, double depth, fxrand& rnd);
// Saves a light picture (colour stored multiplied by coverage) and frees the context.
bool savelight(cairo_t* cr, const std::string& relpath);

// The pictures, each drawn into a w × h surface; n is the picture's number in its family
// (or a switch for single pictures).
void drawglowball(cairo_t* cr, int w, int h, int c);
void drawlightglow(cairo_t* cr, int w, int h, int c);
void drawcardglow(cairo_t* cr, int w, int h, int n);
void drawcolourstar(cairo_t* cr, int w, int h, int c);
void drawgoldstar(cairo_t* cr, int w, int h, int n);
void drawsparkle(cairo_t* cr, int w, int h, int green);
void drawquestion(cairo_t* cr, int w, int h, int n);
void drawsplat(cairo_t* cr, int w, int h, int n);
void drawcardpart(cairo_t* cr, int w, int h, int n);
void drawconfetti(cairo_t* cr, int w, int h, int n);
void drawfruitpart(cairo_t* cr, int w, int h, int n);
void drawfeather(cairo_t* cr, int w, int h, int n);
void drawleaf(cairo_t* cr, int w, int h, int n);
void drawglass(cairo_t* cr, int w, int h, int n);
void drawpig(cairo_t* cr, int w, int h, int n);
void drawpigcannon(cairo_t* cr, int w, int h, int n);
void drawninja(cairo_t* cr, int w, int h, int n);

}  // namespace fx
