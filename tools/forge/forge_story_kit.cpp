// The story kit's core: paths, painting with light, texture, glow variants, sky pieces.
// The figures live in forge_story_kit_figures.cpp, the scenery in forge_story_kit_scenery.cpp.
#include "tools/forge/forge_story_kit.h"
#include "tools/forge/forge.h"
#include <algorithm>
#include <cmath>

namespace storykit {

rgb atmos(rgb c, rgb haze, double t) { return artmix(c, haze, std::clamp(t, 0.0, 1.0)); }

light lightfrom(double degrees, rgb rim, double rimalpha, double shadealpha) {
  light L;
  double a = degrees * M_PI / 180;
  L.x = std::cos(a);
  L.y = -std::sin(a);
  L.rim = rim;
  L.rimalpha = rimalpha;
  L.shadealpha = shadealpha;
  return L;
}

// ---- paths ----------------------------------------------------------------------------------

void ellipse(cairo_t* cr, double cx, double cy, double rx, double ry, double angle) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_rotate(cr, angle * M_PI / 180);
  cairo_scale(cr, std::max(rx, 0.01), std::max(ry, 0.01));
  cairo_new_sub_path(cr);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_close_path(cr);
  cairo_restore(cr);
}

void poly(cairo_t* cr, const std::vector<pt>& p) {
  if (p.empty()) return;
  cairo_move_to(cr, p[0].x, p[0].y);
  for (size_t i = 1; i < p.size(); i++) cairo_line_to(cr, p[i].x, p[i].y);
  cairo_close_path(cr);
}

// Catmull-Rom through the points, as cubic Bezier segments.
static void splineseg(cairo_t* cr, pt p0, pt p1, pt p2, pt p3, double t) {
  double k = t / 6;
  cairo_curve_to(cr, p1.x + (p2.x - p0.x) * k, p1.y + (p2.y - p0.y) * k, p2.x - (p3.x - p1.x) * k,
                 p2.y - (p3.y - p1.y) * k, p2.x, p2.y);
}

void blob(cairo_t* cr, const std::vector<pt>& p, double tension) {
  size_t n = p.size();
  if (n < 3) return;
  cairo_move_to(cr, p[0].x, p[0].y);
  for (size_t i = 0; i < n; i++) splineseg(cr, p[(i + n - 1) % n], p[i], p[(i + 1) % n], p[(i + 2) % n], tension);
  cairo_close_path(cr);
}

void curve(cairo_t* cr, const std::vector<pt>& p, double tension) {
  size_t n = p.size();
  if (n < 2) return;
  cairo_move_to(cr, p[0].x, p[0].y);
  for (size_t i = 0; i + 1 < n; i++)
    splineseg(cr, p[i == 0 ? 0 : i - 1], p[i], p[i + 1], p[std::min(i + 2, n - 1)], tension);
}

void ragged(std::vector<pt>& out, pt a, pt b, int teeth, double depth, rng& r) {
  double nx = -(b.y - a.y), ny = b.x - a.x, len = std::hypot(nx, ny);
  if (len < 1e-6) return;
  nx /= len;
  ny /= len;
  for (int i = 1; i <= teeth * 2; i++) {
    double t = double(i) / (teeth * 2);
    double d = (i % 2 ? depth : 0) * r.range(0.5, 1.2);
    out.push_back({a.x + (b.x - a.x) * t + nx * d, a.y + (b.y - a.y) * t + ny * d});
  }
}

// ---- painting -------------------------------------------------------------------------------

// Paints `c` over the clip region except where the path, shifted by (dx, dy), lies: the band
// of the shape that the shift uncovers.
static void band(cairo_t* cr, cairo_path_t* path, double dx, double dy, rgb c, double alpha) {
  cairo_push_group(cr);
  artsetcolor(cr, c);
  cairo_paint(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_DEST_OUT);
  cairo_save(cr);
  cairo_translate(cr, dx, dy);
  cairo_new_path(cr);
  cairo_append_path(cr, path);
  cairo_restore(cr);
  cairo_set_source_rgba(cr, 0, 0, 0, 1);
  cairo_fill(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
  cairo_pop_group_to_source(cr);
  cairo_paint_with_alpha(cr, alpha);
}

static void shadeandrim(cairo_t* cr, cairo_path_t* path, const light& L, double size, double outline, double cx,
                        double cy, double r) {
  if (L.shadealpha <= 0 && L.rimalpha <= 0) return;
  cairo_save(cr);
  cairo_new_path(cr);
  cairo_append_path(cr, path);
  cairo_clip(cr);
  // A soft sheen towards the light makes round things round.
  cairo_pattern_t* g = cairo_pattern_create_radial(cx + L.x * r * 0.45, cy + L.y * r * 0.45, 0,
                                                   cx + L.x * r * 0.45, cy + L.y * r * 0.45, r * 0.9);
  cairo_pattern_add_color_stop_rgba(g, 0, 1, 1, 0.95, 0.16 * std::min(1.0, L.rimalpha * 2));
  cairo_pattern_add_color_stop_rgba(g, 1, 1, 1, 0.95, 0);
  cairo_set_source(cr, g);
  cairo_paint(cr);
  cairo_pattern_destroy(g);
  if (L.shadealpha > 0) {
    const int layers = 3;
    for (int i = 1; i <= layers; i++) {
      double k = size * (0.06 + 0.08 * i);
      band(cr, path, L.x * k, L.y * k, L.shade, L.shadealpha / layers);
    }
  }
  if (L.rimalpha > 0) {
    double k0 = outline * 0.5;
    double k1 = k0 + std::max(1.2, size * 0.035), k2 = k0 + std::max(2.2, size * 0.07);
    band(cr, path, -L.x * k1, -L.y * k1, L.rim, L.rimalpha * 0.7);
    band(cr, path, -L.x * k2, -L.y * k2, L.rim, L.rimalpha * 0.35);
  }
  cairo_restore(cr);
}

static void inkpath(cairo_t* cr, cairo_path_t* path, double outline) {
  if (outline <= 0) return;
  cairo_new_path(cr);
  cairo_append_path(cr, path);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, outline);
  cairo_stroke(cr);
}

void paint(cairo_t* cr, rgb base, const light& L, double size, double outline) {
  cairo_path_t* path = cairo_copy_path(cr);
  double x0, y0, x1, y1;
  cairo_fill_extents(cr, &x0, &y0, &x1, &y1);
  double cx = (x0 + x1) / 2, cy = (y0 + y1) / 2, r = std::max(x1 - x0, y1 - y0) / 2 + 1;
  rgb lit = artshade(base, 1.10), dark = artshade(base, 0.86);
  cairo_pattern_t* g = cairo_pattern_create_linear(cx + L.x * r, cy + L.y * r, cx - L.x * r, cy - L.y * r);
  cairo_pattern_add_color_stop_rgb(g, 0, lit.r, lit.g, lit.b);
  cairo_pattern_add_color_stop_rgb(g, 1, dark.r, dark.g, dark.b);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  shadeandrim(cr, path, L, size, outline, cx, cy, r);
  inkpath(cr, path, outline);
  cairo_new_path(cr);
  cairo_path_destroy(path);
}

void paintgrad(cairo_t* cr, rgb top, rgb bottom, const light& L, double size, double outline) {
  cairo_path_t* path = cairo_copy_path(cr);
  double x0, y0, x1, y1;
  cairo_fill_extents(cr, &x0, &y0, &x1, &y1);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, y0, 0, y1);
  cairo_pattern_add_color_stop_rgb(g, 0, top.r, top.g, top.b);
  cairo_pattern_add_color_stop_rgb(g, 1, bottom.r, bottom.g, bottom.b);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  double cx = (x0 + x1) / 2, cy = (y0 + y1) / 2, r = std::max(x1 - x0, y1 - y0) / 2 + 1;
  shadeandrim(cr, path, L, size, outline, cx, cy, r);
  inkpath(cr, path, outline);
  cairo_new_path(cr);
  cairo_path_destroy(path);
}

void flat(cairo_t* cr, rgb c, double outline, double alpha) {
  artsetcolor(cr, c, alpha);
  if (outline > 0) {
    cairo_fill_preserve(cr);
    artsetcolor(cr, pal::ink, alpha);
    cairo_set_line_width(cr, outline);
    cairo_stroke(cr);
  } else {
    cairo_fill(cr);
  }
}

// The polyline offset sideways by d (positive: to the left of the direction of travel).
static std::vector<pt> offsetline(const std::vector<pt>& p, double d) {
  std::vector<pt> o;
  for (size_t i = 0; i < p.size(); i++) {
    pt a = p[i == 0 ? 0 : i - 1], b = p[std::min(i + 1, p.size() - 1)];
    double dx = b.x - a.x, dy = b.y - a.y, l = std::hypot(dx, dy);
    if (l < 1e-6) l = 1;
    o.push_back({p[i].x + dy / l * d, p[i].y - dx / l * d});
  }
  return o;
}

void tube(cairo_t* cr, const std::vector<pt>& p, double width, rgb c, const light& L, double outline) {
  if (p.size() < 2) return;
  cairo_save(cr);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_new_path(cr);
  curve(cr, p);
  if (outline > 0) {
    artsetcolor(cr, pal::ink);
    cairo_set_line_width(cr, width + 2 * outline);
    cairo_stroke_preserve(cr);
  }
  artsetcolor(cr, c);
  cairo_set_line_width(cr, width);
  cairo_stroke(cr);
  // Which side of the tube faces the light: compare the light with the tube's normal.
  double dx = p.back().x - p.front().x, dy = p.back().y - p.front().y, l = std::hypot(dx, dy);
  double nx = l > 0 ? dy / l : 0, ny = l > 0 ? -dx / l : 0;  // the left-hand normal
  double side = (nx * L.x + ny * L.y) >= 0 ? 1 : -1;
  if (L.shadealpha > 0) {
    curve(cr, offsetline(p, -side * width * 0.26));
    artsetcolor(cr, L.shade, L.shadealpha * 0.8);
    cairo_set_line_width(cr, width * 0.42);
    cairo_stroke(cr);
  }
  if (L.rimalpha > 0) {
    curve(cr, offsetline(p, side * width * 0.28));
    artsetcolor(cr, artmix(c, L.rim, 0.6), L.rimalpha * 0.8);
    cairo_set_line_width(cr, std::max(1.0, width * 0.16));
    cairo_stroke(cr);
  }
  cairo_restore(cr);
}

void inkline(cairo_t* cr, const std::vector<pt>& p, double width, double alpha) {
  cairo_save(cr);
  cairo_new_path(cr);
  curve(cr, p);
  artsetcolor(cr, pal::ink, alpha);
  cairo_set_line_width(cr, width);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_stroke(cr);
  cairo_restore(cr);
}

void stitches(cairo_t* cr, pt a, pt b, int n, double size, double width) {
  inkline(cr, {a, b}, width * 0.8);
  double dx = b.x - a.x, dy = b.y - a.y, l = std::hypot(dx, dy);
  if (l < 1e-6) return;
  double nx = -dy / l * size, ny = dx / l * size;
  cairo_save(cr);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, width);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (int i = 0; i < n; i++) {
    double t = (i + 0.5) / n;
    double x = a.x + dx * t, y = a.y + dy * t;
    cairo_move_to(cr, x - nx + dx / l * size * 0.2, y - ny + dy / l * size * 0.2);
    cairo_line_to(cr, x + nx - dx / l * size * 0.2, y + ny - dy / l * size * 0.2);
  }
  cairo_stroke(cr);
  cairo_restore(cr);
}

// ---- light and shadow in a scene ------------------------------------------------------------

void groundshadow(cairo_t* cr, double cx, double cy, double rx, double ry, double alpha) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, rx, std::max(ry, 0.01));
  cairo_pattern_t* g = cairo_pattern_create_radial(0, 0, 0, 0, 0, 1);
  cairo_pattern_add_color_stop_rgba(g, 0, pal::ink.r, pal::ink.g, pal::ink.b, alpha);
  cairo_pattern_add_color_stop_rgba(g, 0.55, pal::ink.r, pal::ink.g, pal::ink.b, alpha * 0.7);
  cairo_pattern_add_color_stop_rgba(g, 1, pal::ink.r, pal::ink.g, pal::ink.b, 0);
  cairo_set_source(cr, g);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  cairo_restore(cr);
}

void glow(cairo_t* cr, double x, double y, double r, rgb c, double alpha) {
  cairo_save(cr);
  cairo_pattern_t* g = cairo_pattern_create_radial(x, y, 0, x, y, r);
  cairo_pattern_add_color_stop_rgba(g, 0, c.r, c.g, c.b, alpha);
  cairo_pattern_add_color_stop_rgba(g, 0.2, c.r, c.g, c.b, alpha * 0.7);
  cairo_pattern_add_color_stop_rgba(g, 0.5, c.r, c.g, c.b, alpha * 0.25);
  cairo_pattern_add_color_stop_rgba(g, 1, c.r, c.g, c.b, 0);
  cairo_set_source(cr, g);
  cairo_arc(cr, x, y, r, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  cairo_restore(cr);
}

void lightpool(cairo_t* cr, double x, double y, double rx, double ry, rgb c, double alpha) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, rx, std::max(ry, 0.01));
  cairo_pattern_t* g = cairo_pattern_create_radial(0, 0, 0, 0, 0, 1);
  cairo_pattern_add_color_stop_rgba(g, 0, c.r, c.g, c.b, alpha);
  cairo_pattern_add_color_stop_rgba(g, 0.6, c.r, c.g, c.b, alpha * 0.45);
  cairo_pattern_add_color_stop_rgba(g, 1, c.r, c.g, c.b, 0);
  cairo_set_source(cr, g);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  cairo_restore(cr);
}

void beam(cairo_t* cr, double x, double y, double x0, double x1, double ybottom, rgb c, double alpha) {
  cairo_save(cr);
  cairo_move_to(cr, x - 4, y);
  cairo_line_to(cr, x + 4, y);
  cairo_line_to(cr, x1, ybottom);
  cairo_line_to(cr, x0, ybottom);
  cairo_close_path(cr);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, y, 0, ybottom);
  cairo_pattern_add_color_stop_rgba(g, 0, c.r, c.g, c.b, alpha);
  cairo_pattern_add_color_stop_rgba(g, 1, c.r, c.g, c.b, alpha * 0.15);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  cairo_restore(cr);
}

void vignette(cairo_t* cr, double w, double h, double alpha) {
  cairo_save(cr);
  cairo_translate(cr, w / 2, h / 2);
  cairo_scale(cr, w / h, 1);
  cairo_pattern_t* g = cairo_pattern_create_radial(0, 0, h * 0.38, 0, 0, h * 0.8);
  cairo_pattern_add_color_stop_rgba(g, 0, pal::ink.r, pal::ink.g, pal::ink.b, 0);
  cairo_pattern_add_color_stop_rgba(g, 1, pal::ink.r, pal::ink.g, pal::ink.b, alpha);
  cairo_set_source(cr, g);
  cairo_paint(cr);
  cairo_pattern_destroy(g);
  cairo_restore(cr);
}

void haze(cairo_t* cr, double w, double y0, double y1, rgb c, double a0, double a1) {
  cairo_save(cr);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, y0, 0, y1);
  cairo_pattern_add_color_stop_rgba(g, 0, c.r, c.g, c.b, a0);
  cairo_pattern_add_color_stop_rgba(g, 1, c.r, c.g, c.b, a1);
  cairo_set_source(cr, g);
  cairo_rectangle(cr, 0, std::min(y0, y1), w, std::fabs(y1 - y0));
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  cairo_restore(cr);
}

// ---- texture --------------------------------------------------------------------------------

static inline uint32_t hash3(uint32_t x, uint32_t y, uint32_t s) {
  uint32_t h = x * 374761393u + y * 668265263u + s * 2246822519u;
  h = (h ^ (h >> 13)) * 1274126177u;
  return h ^ (h >> 16);
}

void grain(cairo_t* cr, double amount, uint32_t seed) {
  cairo_surface_t* s = cairo_get_target(cr);
  cairo_surface_flush(s);
  int w = cairo_image_surface_get_width(s), h = cairo_image_surface_get_height(s);
  int stride = cairo_image_surface_get_stride(s);
  uint8_t* data = cairo_image_surface_get_data(s);
  if (!data) return;
  // Coarse mottling on a 24-pixel lattice, smoothly interpolated, plus fine per-pixel grain.
  const int cell = 24;
  int gw = w / cell + 2, gh = h / cell + 2;
  std::vector<float> lattice(size_t(gw) * gh);
  for (int j = 0; j < gh; j++)
    for (int i = 0; i < gw; i++) lattice[size_t(j) * gw + i] = float((hash3(i, j, seed ^ 0x51ed) & 1023) / 511.5 - 1);
  int fine = int(amount * 255 * 256), coarse = int(amount * 0.8 * 255 * 256);
  for (int y = 0; y < h; y++) {
    uint32_t* row = reinterpret_cast<uint32_t*>(data + size_t(y) * stride);
    int j = y / cell;
    float fy = float(y % cell) / cell;
    fy = fy * fy * (3 - 2 * fy);
    for (int x = 0; x < w; x++) {
      uint32_t p = row[x];
      int a = p >> 24;
      if (a == 0) continue;
      int i = x / cell;
      float fx = float(x % cell) / cell;
      fx = fx * fx * (3 - 2 * fx);
      const float* l0 = &lattice[size_t(j) * gw + i];
      const float* l1 = l0 + gw;
      float m = (l0[0] * (1 - fx) + l0[1] * fx) * (1 - fy) + (l1[0] * (1 - fx) + l1[1] * fx) * fy;
      int n = int((hash3(x, y, seed) & 1023)) - 512;
      int d = ((n * fine) >> 17) + int(m * coarse / 256) ;
      d = d * a / 255;
      int r = int((p >> 16) & 255) + d, g = int((p >> 8) & 255) + d, b = int(p & 255) + d;
      r = std::clamp(r, 0, a);
      g = std::clamp(g, 0, a);
      b = std::clamp(b, 0, a);
      row[x] = (uint32_t(a) << 24) | (uint32_t(r) << 16) | (uint32_t(g) << 8) | uint32_t(b);
    }
  }
  cairo_surface_mark_dirty(s);
}

void dabs(cairo_t* cr, double x, double y, double w, double h, rgb c, double alpha, int n, double size,
          uint32_t seed) {
  rng r(seed);
  cairo_save(cr);
  for (int i = 0; i < n; i++) {
    double cx = x + r.unit() * w, cy = y + r.unit() * h;
    double rx = size * r.range(0.45, 1.0), ry = rx * r.range(0.22, 0.5);
    rgb k = artshade(c, r.range(0.9, 1.1));
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, r.range(-0.5, 0.5));
    cairo_scale(cr, rx, ry);
    cairo_pattern_t* g = cairo_pattern_create_radial(0, 0, 0, 0, 0, 1);
    double a = alpha * r.range(0.5, 1.0);
    cairo_pattern_add_color_stop_rgba(g, 0, k.r, k.g, k.b, a);
    cairo_pattern_add_color_stop_rgba(g, 0.7, k.r, k.g, k.b, a * 0.6);
    cairo_pattern_add_color_stop_rgba(g, 1, k.r, k.g, k.b, 0);
    cairo_set_source(cr, g);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    cairo_restore(cr);
  }
  cairo_restore(cr);
}

void woodgrain(cairo_t* cr, double x0, double y0, double x1, double y1, rgb c, uint32_t seed) {
  rng r(seed);
  cairo_save(cr);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  int lines = std::max(2, int((y1 - y0) / 5));
  for (int i = 0; i < lines; i++) {
    double y = y0 + (y1 - y0) * (i + r.range(0.2, 0.8)) / lines;
    double xs = x0 + r.range(0, (x1 - x0) * 0.3), xe = x1 - r.range(0, (x1 - x0) * 0.3);
    cairo_move_to(cr, xs, y);
    double amp = r.range(0.5, 1.8);
    for (double x = xs; x <= xe; x += 8) cairo_line_to(cr, x, y + amp * std::sin(x * 0.05 + i));
    artsetcolor(cr, c, r.range(0.25, 0.5));
    cairo_set_line_width(cr, r.range(0.8, 1.6));
    cairo_stroke(cr);
  }
  // a knot or two
  for (int k = 0; k < 2; k++) {
    if (!r.chance(0.6)) continue;
    double kx = r.range(x0 + 10, x1 - 10), ky = r.range(y0 + 3, y1 - 3);
    ellipse(cr, kx, ky, r.range(3, 6), r.range(1.5, 3));
    artsetcolor(cr, c, 0.55);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
  }
  cairo_restore(cr);
}

// ---- glow variants --------------------------------------------------------------------------

// Three passes of a box blur approximate a gaussian; runs on one float channel.
static void boxblur(std::vector<float>& a, int w, int h, int r) {
  if (r < 1) return;
  std::vector<float> tmp(a.size());
  for (int pass = 0; pass < 3; pass++) {
    for (int y = 0; y < h; y++) {
      const float* src = &a[size_t(y) * w];
      float* dst = &tmp[size_t(y) * w];
      float sum = 0;
      for (int x = -r; x <= r; x++) sum += src[std::clamp(x, 0, w - 1)];
      for (int x = 0; x < w; x++) {
        dst[x] = sum / (2 * r + 1);
        sum += src[std::min(x + r + 1, w - 1)] - src[std::max(x - r, 0)];
      }
    }
    for (int x = 0; x < w; x++) {
      float sum = 0;
      for (int y = -r; y <= r; y++) sum += tmp[size_t(std::clamp(y, 0, h - 1)) * w + x];
      for (int y = 0; y < h; y++) {
        a[size_t(y) * w + x] = sum / (2 * r + 1);
        sum += tmp[size_t(std::min(y + r + 1, h - 1)) * w + x] - tmp[size_t(std::max(y - r, 0)) * w + x];
      }
    }
  }
}

// Brightens one straight-alpha colour: fills and light parts lift, dark ink stays put.
static inline void lift(double& r, double& g, double& b, double amount) {
  double l = 0.3 * r + 0.59 * g + 0.11 * b;
  double t = std::clamp((l - 0.14) / 0.3, 0.0, 1.0);
  t = t * t * (3 - 2 * t) * amount;
  r = r + (1 - r) * t * 0.9 + 0.05 * t;
  g = g + (1 - g) * t * 0.8 + 0.03 * t;
  b = b + (1 - b) * t * 0.55;
  r = std::min(r, 1.0);
  g = std::min(g, 1.0);
  b = std::min(b, 1.0);
}

void brighten(cairo_surface_t* s, double amount) {
  cairo_surface_flush(s);
  int w = cairo_image_surface_get_width(s), h = cairo_image_surface_get_height(s);
  int stride = cairo_image_surface_get_stride(s);
  uint8_t* data = cairo_image_surface_get_data(s);
  for (int y = 0; y < h; y++) {
    uint32_t* row = reinterpret_cast<uint32_t*>(data + size_t(y) * stride);
    for (int x = 0; x < w; x++) {
      uint32_t p = row[x];
      int a = p >> 24;
      if (a == 0) continue;
      double r = ((p >> 16) & 255) / double(a), g = ((p >> 8) & 255) / double(a), b = (p & 255) / double(a);
      lift(r, g, b, amount);
      row[x] = (uint32_t(a) << 24) | (uint32_t(r * a + 0.5) << 16) | (uint32_t(g * a + 0.5) << 8) | uint32_t(b * a + 0.5);
    }
  }
  cairo_surface_mark_dirty(s);
}

cairo_surface_t* glowof(cairo_surface_t* base, int pad, int dx, int dy, rgb halo, double strength) {
  cairo_surface_flush(base);
  int bw = cairo_image_surface_get_width(base), bh = cairo_image_surface_get_height(base);
  int bstride = cairo_image_surface_get_stride(base);
  const uint8_t* bdata = cairo_image_surface_get_data(base);
  int w = bw + 2 * pad, h = bh + 2 * pad;
  cairo_surface_t* out = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
  cairo_surface_flush(out);
  int stride = cairo_image_surface_get_stride(out);
  uint8_t* data = cairo_image_surface_get_data(out);
  // The halo: the drawing's coverage, spread and softened.
  std::vector<float> a(size_t(w) * h, 0.f);
  int ox = pad + dx, oy = pad + dy;
  for (int y = 0; y < bh; y++) {
    const uint32_t* row = reinterpret_cast<const uint32_t*>(bdata + size_t(y) * bstride);
    int ty = y + oy;
    if (ty < 0 || ty >= h) continue;
    for (int x = 0; x < bw; x++) {
      int tx = x + ox;
      if (tx < 0 || tx >= w) continue;
      a[size_t(ty) * w + tx] = (row[x] >> 24) / 255.f;
    }
  }
  int reach = std::max(3, std::min(14, std::min(w, h) / 10));
  boxblur(a, w, h, std::max(1, reach / 3));
  // The halo fades to nothing before the edge, whatever the drawing's margin.
  int fade = std::max(3, reach);
  for (int y = 0; y < h; y++) {
    for (int x = 0; x < w; x++) {
      int d = std::min(std::min(x, w - 1 - x), std::min(y, h - 1 - y));
      double wnd = std::clamp((d - 1.0) / fade, 0.0, 1.0);
      wnd = wnd * wnd * (3 - 2 * wnd);
      double ha = std::min(1.0, a[size_t(y) * w + x] * 2.2) * 0.85 * strength * wnd;
      uint32_t* o = reinterpret_cast<uint32_t*>(data + size_t(y) * stride) + x;
      int ia = int(ha * 255 + 0.5);
      *o = (uint32_t(ia) << 24) | (uint32_t(halo.r * ia + 0.5) << 16) | (uint32_t(halo.g * ia + 0.5) << 8) |
           uint32_t(halo.b * ia + 0.5);
    }
  }
  cairo_surface_mark_dirty(out);
  // The drawing itself, brightened, over the halo.
  cairo_surface_t* lit = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, bw, bh);
  cairo_t* c = cairo_create(lit);
  cairo_set_source_surface(c, base, 0, 0);
  cairo_paint(c);
  cairo_destroy(c);
  brighten(lit, 0.42 * strength);
  c = cairo_create(out);
  cairo_set_source_surface(c, lit, ox, oy);
  cairo_paint(c);
  cairo_destroy(c);
  cairo_surface_destroy(lit);
  return out;
}

bool saveglow(cairo_t* base, const std::string& relpath, int pad, int dx, int dy, rgb halo, double strength) {
  cairo_surface_t* g = glowof(cairo_get_target(base), pad, dx, dy, halo, strength);
  bool ok = forgesavepng(g, relpath);
  cairo_surface_destroy(g);
  return ok;
}

// ---- saving ---------------------------------------------------------------------------------

bool savesurface(cairo_surface_t* s, const std::string& relpath) {
  if (relpath.size() > 4 && relpath.substr(relpath.size() - 4) == ".jpg") return forgesavejpg(s, relpath);
  return forgesavepng(s, relpath);
}

cairo_surface_t* cutout(cairo_surface_t* s, int x, int y, int w, int h) {
  cairo_surface_t* out = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
  cairo_t* c = cairo_create(out);
  cairo_set_source_surface(c, s, -x, -y);
  cairo_paint(c);
  cairo_destroy(c);
  return out;
}

bool savehalves(cairo_t* cr, const std::string& left, const std::string& right) {
  cairo_surface_t* s = cairo_get_target(cr);
  cairo_surface_flush(s);
  int w = cairo_image_surface_get_width(s), h = cairo_image_surface_get_height(s);
  bool ok = true;
  for (int half = 0; half < 2; half++) {
    cairo_surface_t* part = cutout(s, half * (w / 2), 0, w / 2, h);
    ok = savesurface(part, half ? right : left) && ok;
    cairo_surface_destroy(part);
  }
  cairo_destroy(cr);
  return ok;
}

// ---- sky ------------------------------------------------------------------------------------

void skyfill(cairo_t* cr, double w, double h, const std::vector<stop>& stops) {
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, h);
  for (const stop& s : stops) cairo_pattern_add_color_stop_rgb(g, s.at, s.c.r, s.c.g, s.c.b);
  cairo_set_source(cr, g);
  cairo_rectangle(cr, 0, 0, w, h);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
}

void stars(cairo_t* cr, double w, double band, int n, uint32_t seed, double alpha) {
  rng r(seed);
  cairo_save(cr);
  for (int i = 0; i < n; i++) {
    double x = r.unit() * w, y = band * r.unit() * r.unit();
    double rad = r.range(0.5, 1.6);
    double a = alpha * r.range(0.3, 0.95) * (1 - y / (band + 1) * 0.8);
    rgb c = r.chance(0.3) ? rgb{1.0, 0.92, 0.75} : rgb{0.88, 0.92, 1.0};
    artsetcolor(cr, c, a);
    cairo_arc(cr, x, y, rad, 0, 2 * M_PI);
    cairo_fill(cr);
    if (rad > 1.35) {
      glow(cr, x, y, rad * 5, c, a * 0.35);
      cairo_set_line_width(cr, 0.9);
      artsetcolor(cr, c, a * 0.5);
      cairo_move_to(cr, x - rad * 4, y);
      cairo_line_to(cr, x + rad * 4, y);
      cairo_move_to(cr, x, y - rad * 4);
      cairo_line_to(cr, x, y + rad * 4);
      cairo_stroke(cr);
    }
  }
  cairo_restore(cr);
}

void cloud(cairo_t* cr, double cx, double cy, double w, double h, rgb c, rgb rim, uint32_t seed, double outline) {
  rng r(seed);
  // Puffs of different sizes along a dome over a flat-ish base; their union is the cloud.
  struct puff {
    double x, y, rad;
  };
  std::vector<puff> puffs;
  int n = 5 + int(r.unit() * 3);
  double base = cy + h * 0.3;
  for (int i = 0; i < n; i++) {
    double t = (i + 0.5) / n;
    double dome = std::sin(t * M_PI);
    double rad = h * (0.22 + 0.32 * dome) * r.range(0.85, 1.15);
    puffs.push_back({cx - w * 0.5 + rad * 0.7 + (w - rad * 1.4) * t, base - rad * 0.55 - h * 0.25 * dome, rad});
  }
  for (int i = 0; i < n / 2; i++) {  // a few smaller puffs on top
    double t = r.range(0.25, 0.75);
    double rad = h * r.range(0.18, 0.28);
    puffs.push_back({cx - w * 0.5 + w * t, base - h * 0.62 - rad * 0.2, rad});
  }
  auto path = [&](double grow) {
    cairo_new_path(cr);
    for (const puff& p : puffs) {
      cairo_new_sub_path(cr);
      cairo_arc(cr, p.x, p.y, p.rad + grow, 0, 2 * M_PI);
    }
    // the underside: small flat puffs
    for (int i = 0; i < 5; i++) {
      cairo_new_sub_path(cr);
      ellipse(cr, cx - w * 0.36 + w * 0.18 * i, base - h * 0.1, w * 0.13 + grow, h * 0.12 + grow);
    }
  };
  cairo_save(cr);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  if (outline > 0) {  // ink under the union, so inner arcs never show
    path(outline * 0.5);
    artsetcolor(cr, pal::ink);
    cairo_fill(cr);
  }
  path(0);
  cairo_path_t* shape = cairo_copy_path(cr);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, cy - h * 0.7, 0, base + h * 0.1);
  rgb top = artshade(c, 1.15), low = artshade(c, 0.8);
  cairo_pattern_add_color_stop_rgb(g, 0, top.r, top.g, top.b);
  cairo_pattern_add_color_stop_rgb(g, 1, low.r, low.g, low.b);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  cairo_append_path(cr, shape);
  cairo_clip(cr);
  // each puff's own roundness: lit on top, a soft shade low down
  for (const puff& p : puffs) {
    glow(cr, p.x - p.rad * 0.2, p.y - p.rad * 0.35, p.rad * 0.9, artshade(c, 1.35), 0.28);
    cairo_new_path(cr);
    cairo_arc(cr, p.x, p.y, p.rad, 0.15 * M_PI, 0.85 * M_PI);
    artsetcolor(cr, artshade(c, 0.75), 0.35);
    cairo_set_line_width(cr, std::max(1.0, p.rad * 0.08));
    cairo_stroke(cr);
  }
  // the dusk lights the underside
  band(cr, shape, -w * 0.02, -h * 0.08, rim, 0.4);
  band(cr, shape, -w * 0.04, -h * 0.2, rim, 0.18);
  cairo_reset_clip(cr);
  cairo_new_path(cr);
  cairo_path_destroy(shape);
  cairo_restore(cr);
}

void moon(cairo_t* cr, double x, double y, double r, rgb c, double glowalpha) {
  glow(cr, x, y, r * 4.5, artshade(c, 1.1), glowalpha);
  cairo_new_path(cr);
  cairo_arc(cr, x, y, r, 0, 2 * M_PI);
  cairo_pattern_t* g = cairo_pattern_create_radial(x - r * 0.35, y - r * 0.35, r * 0.1, x, y, r);
  cairo_pattern_add_color_stop_rgb(g, 0, 1, 0.99, 0.93);
  cairo_pattern_add_color_stop_rgb(g, 1, c.r, c.g, c.b);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  const double kx[] = {-0.38, 0.3, 0.08, -0.12, 0.48, 0.2}, ky[] = {-0.18, 0.28, -0.46, 0.42, -0.05, 0.02},
               ks[] = {0.22, 0.17, 0.12, 0.1, 0.08, 0.06};
  for (int i = 0; i < 6; i++) {
    ellipse(cr, x + kx[i] * r, y + ky[i] * r, ks[i] * r, ks[i] * r * 0.9);
    artsetcolor(cr, artshade(c, 0.82), 0.5);
    cairo_fill(cr);
  }
}

static double noise1(double x, uint32_t seed) {
  int i = int(std::floor(x));
  double f = x - i;
  double a = (hash3(uint32_t(i), 7, seed) & 1023) / 1023.0, b = (hash3(uint32_t(i + 1), 7, seed) & 1023) / 1023.0;
  f = f * f * (3 - 2 * f);
  return a + (b - a) * f;
}

double ridgeheight(double x, double base, double amp, uint32_t seed) {
  double n = 0.55 * noise1(x / 260, seed) + 0.3 * noise1(x / 110, seed + 1) + 0.15 * noise1(x / 40, seed + 2);
  return base - amp * (n * 2 - 1);
}

void ridge(cairo_t* cr, double w, double base, double amp, double bottom, uint32_t seed, rgb top, rgb low,
           double outline) {
  cairo_new_path(cr);
  cairo_move_to(cr, -20, bottom + 20);
  for (double x = -20; x <= w + 20; x += 4) cairo_line_to(cr, x, ridgeheight(x, base, amp, seed));
  cairo_line_to(cr, w + 20, bottom + 20);
  cairo_close_path(cr);
  artfilloutline(cr, top, low, base - amp, bottom, outline);
}

}  // namespace storykit
