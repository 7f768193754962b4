#include "tools/forge/forge_pictures_effects_kit.h"

#include "tools/forge/forge.h"

namespace fx {

void fill(cairo_t* cr, rgb c, double a) {
  artsetcolor(cr, c, a);
  cairo_fill(cr);
}

void fillpreserve(cairo_t* cr, rgb c, double a) {
  artsetcolor(cr, c, a);
  cairo_fill_preserve(cr);
}

void inkstroke(cairo_t* cr, double width, rgb c) {
  artsetcolor(cr, c);
  cairo_set_line_width(cr, width);
  cairo_stroke(cr);
}

// Fills the current path with a radial gradient from `inner` at (x, y) to `outer` at radius r.
void fillradial(cairo_t* cr, double x, double y, double r, rgb inner, rgb outer, bool keep) {
  cairo_pattern_t* g = cairo_pattern_create_radial(x, y, 0, x, y, r);
  cairo_pattern_add_color_stop_rgb(g, 0, inner.r, inner.g, inner.b);
  cairo_pattern_add_color_stop_rgb(g, 1, outer.r, outer.g, outer.b);
  cairo_set_source(cr, g);
  if (keep)
    cairo_fill_preserve(cr);
  else
    cairo_fill(cr);
  cairo_pattern_destroy(g);
}

// Fills the current path with a linear gradient along (x0, y0)..(x1, y1).
void filllinear(cairo_t* cr, double x0, double y0, double x1, double y1, rgb a, rgb b, bool keep) {
  cairo_pattern_t* g = cairo_pattern_create_linear(x0, y0, x1, y1);
  cairo_pattern_add_color_stop_rgb(g, 0, a.r, a.g, a.b);
  cairo_pattern_add_color_stop_rgb(g, 1, b.r, b.g, b.b);
  cairo_set_source(cr, g);
  if (keep)
    cairo_fill_preserve(cr);
  else
    cairo_fill(cr);
  cairo_pattern_destroy(g);
}

void polygon(cairo_t* cr, const std::vector<pt>& p) {
  cairo_new_path(cr);
  for (size_t i = 0; i < p.size(); i++) {
    if (i == 0)
      cairo_move_to(cr, p[i].x, p[i].y);
    else
      cairo_line_to(cr, p[i].x, p[i].y);
  }
  cairo_close_path(cr);
}

// A closed smooth curve through the points (Catmull-Rom turned into Béziers).
void smoothpath(cairo_t* cr, const std::vector<pt>& p) {
  size_t n = p.size();
  cairo_new_path(cr);
  cairo_move_to(cr, p[0].x, p[0].y);
  for (size_t i = 0; i < n; i++) {
    const pt& p0 = p[(i + n - 1) % n];
    const pt& p1 = p[i];
    const pt& p2 = p[(i + 1) % n];
    const pt& p3 = p[(i + 2) % n];
    cairo_curve_to(cr, p1.x + (p2.x - p0.x) / 6, p1.y + (p2.y - p0.y) / 6, p2.x - (p3.x - p1.x) / 6,
                   p2.y - (p3.y - p1.y) / 6, p2.x, p2.y);
  }
  cairo_close_path(cr);
}

void circle(cairo_t* cr, double x, double y, double r) {
  cairo_new_path(cr);
  cairo_arc(cr, x, y, r, 0, tau);
}

void ellipse(cairo_t* cr, double x, double y, double rx, double ry, double angle) {
  cairo_new_path(cr);
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, angle);
  cairo_scale(cr, rx, ry);
  cairo_arc(cr, 0, 0, 1, 0, tau);
  cairo_restore(cr);
}

// A star of `points` tips between radii ro and ri, first tip at angle `rot` (0 = up).
void starpath(cairo_t* cr, double x, double y, double ro, double ri, int points, double rot) {
  std::vector<pt> p;
  for (int k = 0; k < points * 2; k++) {
    double a = rot - M_PI / 2 + k * M_PI / points;
    double r = (k % 2 == 0) ? ro : ri;
    p.push_back({x + r * std::cos(a), y + r * std::sin(a)});
  }
  polygon(cr, p);
}

// A twinkle: four thin tips with concave sides.
void twinklepath(cairo_t* cr, double x, double y, double r, double waist, double rot) {
  cairo_new_path(cr);
  for (int k = 0; k < 4; k++) {
    double a = rot + k * M_PI / 2 - M_PI / 2, b = a + M_PI / 2;
    pt tip{x + r * std::cos(a), y + r * std::sin(a)};
    pt next{x + r * std::cos(b), y + r * std::sin(b)};
    double m = a + M_PI / 4;
    pt c{x + waist * std::cos(m), y + waist * std::sin(m)};
    if (k == 0) cairo_move_to(cr, tip.x, tip.y);
    cairo_curve_to(cr, c.x, c.y, c.x, c.y, next.x, next.y);
  }
  cairo_close_path(cr);
}

// A heart, centred on (x, y), about s wide.
void heartpath(cairo_t* cr, double x, double y, double s) {
  double h = s * 0.5;
  cairo_new_path(cr);
  cairo_move_to(cr, x, y + h * 0.95);
  cairo_curve_to(cr, x - h * 0.3, y + h * 0.6, x - h * 1.05, y + h * 0.15, x - h * 1.0, y - h * 0.35);
  cairo_curve_to(cr, x - h * 0.95, y - h * 0.95, x - h * 0.15, y - h * 1.0, x, y - h * 0.45);
  cairo_curve_to(cr, x + h * 0.15, y - h * 1.0, x + h * 0.95, y - h * 0.95, x + h * 1.0, y - h * 0.35);
  cairo_curve_to(cr, x + h * 1.05, y + h * 0.15, x + h * 0.3, y + h * 0.6, x, y + h * 0.95);
  cairo_close_path(cr);
}

// A spade: an upside-down heart on a little foot.
void spadepath(cairo_t* cr, double x, double y, double s) {
  double h = s * 0.5;
  cairo_new_path(cr);
  cairo_move_to(cr, x, y - h * 1.0);
  cairo_curve_to(cr, x - h * 0.3, y - h * 0.6, x - h * 1.05, y - h * 0.2, x - h * 0.95, y + h * 0.3);
  cairo_curve_to(cr, x - h * 0.85, y + h * 0.8, x - h * 0.2, y + h * 0.75, x - h * 0.08, y + h * 0.45);
  cairo_line_to(cr, x - h * 0.35, y + h * 1.0);
  cairo_line_to(cr, x + h * 0.35, y + h * 1.0);
  cairo_line_to(cr, x + h * 0.08, y + h * 0.45);
  cairo_curve_to(cr, x + h * 0.2, y + h * 0.75, x + h * 0.85, y + h * 0.8, x + h * 0.95, y + h * 0.3);
  cairo_curve_to(cr, x + h * 1.05, y - h * 0.2, x + h * 0.3, y - h * 0.6, x, y - h * 1.0);
  cairo_close_path(cr);
}

// Points from a to b with a torn, zig-zag edge (a excluded, b included).
void tornedge(std::vector<pt>& out, pt a, pt b, int teeth, double depth, fxrand& rnd) {
  double dx = b.x - a.x, dy = b.y - a.y, len = std::hypot(dx, dy);
  double nx = -dy / len, ny = dx / len;
  for (int k = 1; k < teeth; k++) {
    double t = (k + rnd.range(-0.25, 0.25)) / teeth;
    double d = ((k % 2) ? 1 : -1) * depth * rnd.range(0.4, 1.0);
    out.push_back({a.x + dx * t + nx * d, a.y + dy * t + ny * d});
  }
  out.push_back(b);
}

// Saves a light picture: the colour is stored multiplied by its coverage, so the glow's
// colour itself fades to black where it fades out (an added picture shows no rim).
bool savelight(cairo_t* cr, const std::string& relpath) {
  cairo_surface_t* s = cairo_get_target(cr);
  cairo_surface_flush(s);
  int w = cairo_image_surface_get_width(s), h = cairo_image_surface_get_height(s);
  int stride = cairo_image_surface_get_stride(s);
  const uint8_t* data = cairo_image_surface_get_data(s);
  std::vector<uint8_t> rgba(size_t(w) * h * 4);
  for (int y = 0; y < h; y++) {
    const uint32_t* row = reinterpret_cast<const uint32_t*>(data + size_t(y) * stride);
    for (int x = 0; x < w; x++) {
      uint32_t p = row[x];  // premultiplied: exactly colour × coverage
      uint8_t* o = &rgba[(size_t(y) * w + x) * 4];
      o[0] = uint8_t((p >> 16) & 255);
      o[1] = uint8_t((p >> 8) & 255);
      o[2] = uint8_t(p & 255);
      o[3] = uint8_t(p >> 24);
    }
  }
  cairo_destroy(cr);
  return forgesavergba(rgba, w, h, relpath);
}

}  // namespace fx
