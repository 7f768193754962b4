// The harbour pieces of the last four chapters: water, fog, quay things, steel and ships.
#include "tools/forge/forge_story_sea.h"
#include <algorithm>
#include <cmath>

using namespace storykit;
using storykit::figure;

namespace seakit {

namespace {
// A vertical gradient band over x0..x1 (the kit's haze always starts at x 0).
void vband(cairo_t* cr, double x0, double x1, double y0, double y1, rgb c, double a0, double a1) {
  cairo_pattern_t* g = cairo_pattern_create_linear(0, y0, 0, y1);
  cairo_pattern_add_color_stop_rgba(g, 0, c.r, c.g, c.b, a0);
  cairo_pattern_add_color_stop_rgba(g, 1, c.r, c.g, c.b, a1);
  cairo_set_source(cr, g);
  cairo_rectangle(cr, x0, std::min(y0, y1), x1 - x0, std::fabs(y1 - y0));
  cairo_fill(cr);
  cairo_pattern_destroy(g);
}
}  // namespace

// ---- water and air ----------------------------------------------------------------------------

void water(cairo_t* cr, double x0, double x1, double y0, double y1, rgb far, rgb near, uint32_t seed, double calm) {
  cairo_save(cr);
  cairo_rectangle(cr, x0, y0, x1 - x0, y1 - y0);
  cairo_clip(cr);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, y0, 0, y1);
  cairo_pattern_add_color_stop_rgb(g, 0, far.r, far.g, far.b);
  rgb mid = artmix(far, near, 0.6);
  cairo_pattern_add_color_stop_rgb(g, 0.35, mid.r, mid.g, mid.b);
  cairo_pattern_add_color_stop_rgb(g, 1, near.r, near.g, near.b);
  cairo_set_source(cr, g);
  cairo_paint(cr);
  cairo_pattern_destroy(g);
  // the line where sea meets sky is a little brighter
  vband(cr, x0, x1, y0, y0 + 10, artshade(far, 1.35), 0.6, 0);
  rng r(seed);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  double span = y1 - y0, amp = 1 - 0.7 * calm;
  for (double y = y0 + 3; y < y1 + 10;) {
    double t = (y - y0) / span;  // 0 far .. 1 near
    double len = 8 + 150 * t * t + 20 * t, thick = 0.7 + 3.2 * t;
    rgb c = artmix(far, near, std::min(1.0, t * 1.4));
    for (double x = x0 - r.range(0, len * 2); x < x1 + len;) {
      // patches of brighter and calmer water drift across the surface
      double patch = 0.55 + 0.45 * std::sin(x * 0.0041 + y * 0.023) * std::sin(x * 0.0017 - y * 0.011 + 1.3);
      double l = len * r.range(0.4, 1.4), bow = (1 + 5 * t) * amp * r.range(0.4, 1.2);
      double yy = y + r.range(-1.5, 1.5) * (1 + 4 * t);
      // a crest: lit on top ...
      cairo_move_to(cr, x, yy);
      cairo_curve_to(cr, x + l * 0.3, yy - bow, x + l * 0.7, yy - bow, x + l, yy);
      artsetcolor(cr, artshade(c, 1.32), r.range(0.3, 0.7) * (0.45 + 0.55 * amp) * patch);
      cairo_set_line_width(cr, thick);
      cairo_stroke(cr);
      // ... and its trough in shadow
      if (t > 0.15 && r.chance(0.7)) {
        cairo_move_to(cr, x + l * 0.5, yy + thick * 1.6);
        cairo_curve_to(cr, x + l * 0.7, yy + thick * 1.6 + bow * 0.6, x + l * 1.1, yy + thick * 1.6 + bow * 0.6,
                       x + l * 1.3, yy + thick * 1.6);
        artsetcolor(cr, artshade(c, 0.72), r.range(0.25, 0.55) * amp * (1.2 - patch * 0.5));
        cairo_set_line_width(cr, thick * 0.9);
        cairo_stroke(cr);
      }
      x += l * r.range(1.2, 3.4);
    }
    y += (2.5 + 26 * t * t + 3 * t) * r.range(0.75, 1.25);
  }
  cairo_restore(cr);
}

void shimmer(cairo_t* cr, double x, double y0, double y1, double width, rgb c, double alpha, uint32_t seed) {
  rng r(seed);
  cairo_save(cr);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (double y = y0; y < y1;) {
    double t = (y - y0) / std::max(1.0, y1 - y0);
    double w = width * (0.35 + 0.9 * t) * r.range(0.3, 1.0);
    double cx = x + r.range(-0.5, 0.5) * width * (0.4 + t);
    cairo_move_to(cr, cx - w / 2, y);
    cairo_line_to(cr, cx + w / 2, y);
    artsetcolor(cr, c, alpha * (1 - 0.75 * t) * r.range(0.5, 1.0));
    cairo_set_line_width(cr, 1.2 + 2.5 * t);
    cairo_stroke(cr);
    y += 3 + 9 * t * r.range(0.6, 1.4);
  }
  cairo_restore(cr);
}

void fogbank(cairo_t* cr, double x0, double x1, double y, double h, rgb c, double alpha, uint32_t seed) {
  rng r(seed);
  cairo_save(cr);
  for (double x = x0; x < x1;) {
    double rx = h * r.range(1.2, 2.6), ry = h * r.range(0.35, 0.6);
    double cy = y + r.range(-0.25, 0.25) * h;
    lightpool(cr, x, cy, rx, ry, c, alpha * r.range(0.6, 1.0));
    x += rx * r.range(0.5, 0.9);
  }
  cairo_restore(cr);
}

pixelgrid pixelsof(cairo_surface_t* s) {
  cairo_surface_flush(s);
  return {s, cairo_image_surface_get_data(s), cairo_image_surface_get_width(s), cairo_image_surface_get_height(s),
          cairo_image_surface_get_stride(s)};
}

void fadeedges(cairo_surface_t* s, int margin) {
  pixelgrid g = pixelsof(s);
  for (int y = 0; y < g.h; y++) {
    uint32_t* row = g.row(y);
    for (int x = 0; x < g.w; x++) {
      int d = std::min(std::min(x, g.w - 1 - x), std::min(y, g.h - 1 - y));
      if (d >= margin) continue;
      double k = std::clamp((d - 1.0) / (margin - 1.0), 0.0, 1.0);
      row[x] = fadepixel(row[x], k * k * (3 - 2 * k));
    }
  }
  g.done();
}

void rustrun(cairo_t* cr, double x, double y, double w, double len, double alpha) {
  cairo_pattern_t* g = cairo_pattern_create_linear(0, y, 0, y + len);
  cairo_pattern_add_color_stop_rgba(g, 0, 0.52, 0.26, 0.15, alpha);
  cairo_pattern_add_color_stop_rgba(g, 1, 0.52, 0.26, 0.15, 0);
  cairo_set_source(cr, g);
  cairo_rectangle(cr, x, y, w, len);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
}

void gull(cairo_t* cr, double x, double y, double s, double flap, rgb c) {
  cairo_save(cr);
  double up = s * (0.1 + 0.25 * flap);
  cairo_move_to(cr, x - s / 2, y - up * 0.4);
  cairo_curve_to(cr, x - s * 0.35, y - up, x - s * 0.12, y - up, x, y);
  cairo_curve_to(cr, x + s * 0.12, y - up, x + s * 0.35, y - up, x + s / 2, y - up * 0.4);
  artsetcolor(cr, c);
  cairo_set_line_width(cr, std::max(1.2, s * 0.07));
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke(cr);
  cairo_restore(cr);
}

void sittinggull(cairo_t* cr, double x, double y, double s, const light& L) {
  double ol = std::max(1.5, s * 0.05);
  // tail and body, the grey back, the white head with its yellow beak
  poly(cr, {{x + s * 0.3, y - s * 0.32}, {x + s * 0.55, y - s * 0.28}, {x + s * 0.32, y - s * 0.2}});
  paint(cr, rgb{0.3, 0.3, 0.36}, L, s * 0.2, ol);
  tube(cr, {{x - s * 0.06, y - s * 0.12}, {x - s * 0.06, y}}, s * 0.03, pal::pumpkin, L, ol * 0.5);
  tube(cr, {{x + s * 0.06, y - s * 0.12}, {x + s * 0.06, y}}, s * 0.03, pal::pumpkin, L, ol * 0.5);
  ellipse(cr, x, y - s * 0.26, s * 0.36, s * 0.17, -8);
  paint(cr, pal::bone, L, s * 0.5, ol);
  blob(cr, {{x - s * 0.12, y - s * 0.36}, {x + s * 0.34, y - s * 0.36}, {x + s * 0.42, y - s * 0.28},
            {x + s * 0.1, y - s * 0.2}});
  paint(cr, rgb{0.62, 0.64, 0.72}, L, s * 0.4, ol);
  ellipse(cr, x - s * 0.26, y - s * 0.44, s * 0.15, s * 0.14);
  paint(cr, pal::bone, L, s * 0.3, ol);
  poly(cr, {{x - s * 0.38, y - s * 0.46}, {x - s * 0.58, y - s * 0.42}, {x - s * 0.38, y - s * 0.4}});
  paint(cr, pal::gold, L, s * 0.15, ol * 0.7);
  ellipse(cr, x - s * 0.3, y - s * 0.47, s * 0.025, s * 0.03);
  artsetcolor(cr, pal::ink);
  cairo_fill(cr);
  // a grumpy brow
  inkline(cr, {{x - s * 0.36, y - s * 0.52}, {x - s * 0.24, y - s * 0.5}}, ol * 0.7);
}

// ---- on the quay --------------------------------------------------------------------------------

void slabs(cairo_t* cr, double x0, double x1, double y0, double y1, rgb far, rgb near, uint32_t seed) {
  rng r(seed);
  cairo_save(cr);
  cairo_rectangle(cr, x0, y0, x1 - x0, y1 - y0 + 40);
  cairo_clip(cr);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, y0, 0, y1);
  cairo_pattern_add_color_stop_rgb(g, 0, far.r, far.g, far.b);
  cairo_pattern_add_color_stop_rgb(g, 1, near.r, near.g, near.b);
  cairo_set_source(cr, g);
  cairo_paint(cr);
  cairo_pattern_destroy(g);
  int row = 0;
  for (double y = y0; y < y1 + 40; row++) {
    double t = std::clamp((y - y0) / (y1 - y0), 0.0, 1.0);
    double h = 10 + 70 * t * t, w = h * r.range(2.6, 3.4) + 30;
    rgb c = artmix(far, near, t);
    for (double x = x0 - (row % 2) * w * 0.5 - r.range(0, 20); x < x1; x += w) {
      // each slab its own shade, a few wet and shining
      double k = r.range(0.86, 1.12);
      cairo_rectangle(cr, x + 1, y + 1, w - 2, h - 2);
      artsetcolor(cr, artshade(c, k), 0.65);
      cairo_fill(cr);
      if (r.chance(0.3)) {
        cairo_pattern_t* sh = cairo_pattern_create_linear(x, y, x + w, y + h);
        cairo_pattern_add_color_stop_rgba(sh, 0, 0.7, 0.8, 0.95, 0);
        cairo_pattern_add_color_stop_rgba(sh, 0.5, 0.7, 0.8, 0.95, 0.14);
        cairo_pattern_add_color_stop_rgba(sh, 1, 0.7, 0.8, 0.95, 0);
        cairo_set_source(cr, sh);
        cairo_rectangle(cr, x + 1, y + 1, w - 2, h - 2);
        cairo_fill(cr);
        cairo_pattern_destroy(sh);
      }
      if (r.chance(0.25)) {  // a crack
        double cx = x + r.range(0.2, 0.8) * w;
        inkline(cr, {{cx, y + 2}, {cx + r.range(-8, 8), y + h * 0.5}, {cx + r.range(-12, 12), y + h - 2}}, 0.8 + t, 0.35);
      }
      // the joint: dark below, a lit lip above
      cairo_move_to(cr, x, y + h);
      cairo_line_to(cr, x + w, y + h);
      cairo_move_to(cr, x + w, y);
      cairo_line_to(cr, x + w, y + h);
      artsetcolor(cr, artshade(c, 0.45), 0.8);
      cairo_set_line_width(cr, 1 + 1.6 * t);
      cairo_stroke(cr);
      cairo_move_to(cr, x + 2, y + 1.5);
      cairo_line_to(cr, x + w - 2, y + 1.5);
      artsetcolor(cr, artshade(c, 1.35), 0.35);
      cairo_set_line_width(cr, 0.8 + t);
      cairo_stroke(cr);
    }
    y += h;
  }
  cairo_restore(cr);
}

void bollard(cairo_t* cr, double x, double y, double s, rgb c, const light& L) {
  double ol = std::max(2.0, s * 0.06);
  groundshadow(cr, x + s * 0.1, y, s * 0.8, s * 0.14, 0.5);
  // the post, waisted, then its wide cap
  blob(cr, {{x - s * 0.42, y}, {x - s * 0.3, y - s * 0.45}, {x - s * 0.36, y - s * 0.8}, {x + s * 0.36, y - s * 0.8},
            {x + s * 0.3, y - s * 0.45}, {x + s * 0.42, y}},
       0.5);
  paint(cr, c, L, s, ol);
  ellipse(cr, x, y - s * 0.86, s * 0.56, s * 0.17);
  paint(cr, c, L, s * 1.1, ol);
  ellipse(cr, x, y - s * 0.9, s * 0.42, s * 0.1);
  paint(cr, artshade(c, 1.2), L, s * 0.8, ol * 0.6);
  // flaking paint and a rust streak
  dabs(cr, x - s * 0.3, y - s * 0.7, s * 0.6, s * 0.6, rgb{0.55, 0.3, 0.2}, 0.35, 5, s * 0.14, uint32_t(x * 7 + y));
}

void rope(cairo_t* cr, const std::vector<pt>& p, double width, rgb c, const light& L) {
  tube(cr, p, width, c, L, std::max(1.2, width * 0.28));
  // the twist: short diagonal strands along the rope
  cairo_save(cr);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (size_t i = 0; i + 1 < p.size(); i++) {
    double dx = p[i + 1].x - p[i].x, dy = p[i + 1].y - p[i].y, l = std::hypot(dx, dy);
    if (l < 1) continue;
    double ux = dx / l, uy = dy / l, nx = -uy, ny = ux;
    for (double s = width * 0.5; s < l; s += width * 0.9) {
      double cx = p[i].x + ux * s, cy = p[i].y + uy * s;
      cairo_move_to(cr, cx - nx * width * 0.42 - ux * width * 0.25, cy - ny * width * 0.42 - uy * width * 0.25);
      cairo_line_to(cr, cx + nx * width * 0.42 + ux * width * 0.25, cy + ny * width * 0.42 + uy * width * 0.25);
    }
  }
  artsetcolor(cr, artshade(c, 0.62), 0.75);
  cairo_set_line_width(cr, std::max(0.8, width * 0.16));
  cairo_stroke(cr);
  cairo_restore(cr);
}

void ropecoil(cairo_t* cr, double x, double y, double r, rgb c, const light& L) {
  groundshadow(cr, x + r * 0.1, y + r * 0.2, r * 1.2, r * 0.35, 0.45);
  for (int i = 0; i < 4; i++) {
    double k = 1 - i * 0.2;
    ellipse(cr, x, y - i * r * 0.12, r * k, r * k * 0.36);
    cairo_set_line_width(cr, r * 0.2 + 3);
    artsetcolor(cr, pal::ink);
    cairo_stroke(cr);
    ellipse(cr, x, y - i * r * 0.12, r * k, r * k * 0.36);
    cairo_set_line_width(cr, r * 0.2);
    artsetcolor(cr, artshade(c, 0.85 + i * 0.07));
    cairo_stroke(cr);
    cairo_arc(cr, x, y - i * r * 0.12, 1, 0, 0);  // keeps cairo's current point tidy
    cairo_new_path(cr);
    cairo_save(cr);
    cairo_translate(cr, x, y - i * r * 0.12);
    cairo_scale(cr, r * k, r * k * 0.36);
    cairo_arc(cr, 0, 0, 1, M_PI * 1.05, M_PI * 1.6);
    cairo_restore(cr);
    artsetcolor(cr, artmix(c, L.rim, 0.5), 0.6);
    cairo_set_line_width(cr, r * 0.05);
    cairo_stroke(cr);
  }
  // the loose end
  rope(cr, {{x + r * 0.7, y - r * 0.1}, {x + r * 1.1, y + r * 0.15}, {x + r * 1.5, y + r * 0.1}}, r * 0.18, c, L);
}

void barrel(cairo_t* cr, double x, double y, double w, double h, rgb c, const light& L, uint32_t seed) {
  double ol = std::max(2.0, w * 0.05);
  groundshadow(cr, x + w * 0.1, y, w * 0.7, w * 0.12, 0.5);
  blob(cr, {{x - w * 0.44, y}, {x - w * 0.5, y - h * 0.5}, {x - w * 0.44, y - h}, {x + w * 0.44, y - h},
            {x + w * 0.5, y - h * 0.5}, {x + w * 0.44, y}},
       0.55);
  cairo_path_t* shape = cairo_copy_path(cr);
  paint(cr, c, L, w, ol);
  cairo_save(cr);
  cairo_append_path(cr, shape);
  cairo_clip(cr);
  for (int i = 1; i < 5; i++) {  // staves
    double sx = x - w * 0.5 + w * i / 5.0;
    inkline(cr, {{sx + (sx - x) * -0.1, y - h}, {sx, y - h * 0.5}, {sx + (sx - x) * -0.1, y}}, ol * 0.4, 0.45);
  }
  for (double k : {0.16, 0.84}) {  // hoops
    cairo_rectangle(cr, x - w, y - h * k - h * 0.05, w * 2, h * 0.1);
    paint(cr, col::iron, L, h * 0.1, ol * 0.6);
  }
  cairo_restore(cr);
  cairo_path_destroy(shape);
  ellipse(cr, x, y - h, w * 0.44, w * 0.1);
  paint(cr, artshade(c, 1.15), L, w * 0.5, ol);
  (void)seed;
}

void crate(cairo_t* cr, double x, double y, double w, double h, rgb c, const light& L, uint32_t seed,
           const std::string& word) {
  double ol = std::max(2.0, w * 0.025);
  groundshadow(cr, x + w * 0.08, y, w * 0.62, w * 0.08, 0.5);
  cairo_rectangle(cr, x - w / 2, y - h, w, h);
  cairo_path_t* shape = cairo_copy_path(cr);
  paint(cr, c, L, w, ol);
  cairo_save(cr);
  cairo_append_path(cr, shape);
  cairo_clip(cr);
  int planks = std::max(2, int(h / 22));
  for (int i = 0; i < planks; i++) {
    double py = y - h + h * i / planks;
    woodgrain(cr, x - w / 2, py, x + w / 2, py + h / planks, artshade(c, 0.55), seed + i);
    if (i) inkline(cr, {{x - w / 2, py}, {x + w / 2, py}}, ol * 0.5, 0.6);
  }
  cairo_restore(cr);
  cairo_path_destroy(shape);
  // the frame and a diagonal brace
  double b = std::min(w, h) * 0.12;
  for (double sx : {x - w / 2, x + w / 2 - b}) {
    cairo_rectangle(cr, sx, y - h, b, h);
    paint(cr, artshade(c, 1.1), L, b, ol * 0.8);
  }
  poly(cr, {{x - w / 2 + b, y - b * 0.3}, {x - w / 2 + b * 1.8, y}, {x + w / 2 - b, y - h + b * 0.3},
            {x + w / 2 - b * 1.8, y - h}});
  paint(cr, artshade(c, 1.05), L, b, ol * 0.8);
  if (!word.empty()) {
    artfont(cr, "sans", std::min(h * 0.2, w * 0.9 / std::max<size_t>(3, word.size()) * 1.5));
    cairo_save(cr);
    arttext(cr, word, x, y - h * 0.5, artmix(c, pal::ink, 0.7), 0);
    cairo_restore(cr);
  }
}

void container(cairo_t* cr, double x, double y, double w, double h, rgb c, const light& L, const std::string& name,
               uint32_t seed, double outline, bool shadow) {
  double x0 = x - w / 2, y0 = y - h;
  if (shadow) groundshadow(cr, x + w * 0.04, y, w * 0.56, h * 0.06, 0.55);
  cairo_rectangle(cr, x0, y0, w, h);
  cairo_path_t* shape = cairo_copy_path(cr);
  paint(cr, c, L, w * 0.5, outline);
  cairo_save(cr);
  cairo_append_path(cr, shape);
  cairo_clip(cr);
  // corrugation: narrow ribs, each lit on one side
  double rib = std::max(5.0, w / 34);
  for (double rx = x0 + rib * 0.5; rx < x0 + w; rx += rib) {
    cairo_rectangle(cr, rx, y0, rib * 0.35, h);
    artsetcolor(cr, artshade(c, 1.22), 0.45);
    cairo_fill(cr);
    cairo_rectangle(cr, rx + rib * 0.35, y0, rib * 0.2, h);
    artsetcolor(cr, artshade(c, 0.7), 0.5);
    cairo_fill(cr);
  }
  // weather: rust runs from the top rail and grime along the bottom
  rng r(seed);
  for (int i = 0; i < int(w / 40); i++) {
    double sx = x0 + r.range(0, w), len = r.range(h * 0.1, h * 0.45);
    rustrun(cr, sx, y0, r.range(2, 5), len, 0.5);
  }
  vband(cr, x0, x0 + w, y - h * 0.25, y, pal::ink, 0, 0.35);
  cairo_restore(cr);
  cairo_path_destroy(shape);
  // top and bottom rails, corner posts with their castings
  double rail = h * 0.07, post = w * 0.03;
  for (double ry : {y0, y - rail}) {
    cairo_rectangle(cr, x0, ry, w, rail);
    paint(cr, artshade(c, 0.85), L, rail, outline * 0.8);
  }
  for (double px : {x0, x0 + w - post}) {
    cairo_rectangle(cr, px, y0, post, h);
    paint(cr, artshade(c, 0.9), L, post, outline * 0.8);
    for (double py : {y0, y - rail}) {
      cairo_rectangle(cr, px - 1, py, post + 2, rail);
      paint(cr, col::iron, L, rail, outline * 0.7);
      ellipse(cr, px + post / 2, py + rail / 2, post * 0.28, rail * 0.25);
      artsetcolor(cr, pal::ink);
      cairo_fill(cr);
    }
  }
  // the door end on the right: locking bars and their handles
  double dx0 = x0 + w * 0.8;
  inkline(cr, {{dx0, y0 + rail}, {dx0, y - rail}}, outline * 0.7);
  for (int i = 0; i < 4; i++) {
    double bx = dx0 + w * 0.03 + i * w * 0.042;
    tube(cr, {{bx, y0 + rail * 1.2}, {bx, y - rail * 1.2}}, std::max(2.0, w * 0.008), col::steel, L, outline * 0.4);
    cairo_rectangle(cr, bx - w * 0.012, y0 + h * (0.5 + 0.06 * (i % 2)), w * 0.024, h * 0.05);
    paint(cr, col::steel, L, w * 0.02, outline * 0.4);
  }
  if (!name.empty()) {
    double size = h * 0.16;
    artfont(cr, "sans", size);
    double tw = arttextwidth(cr, name);
    if (tw > w * 0.66) artfont(cr, "sans", size * w * 0.66 / tw);
    arttext(cr, name, x0 + w * 0.42, y0 + h * 0.42, artmix(pal::bone, c, 0.15), 0);
  }
}

void lifebuoy(cairo_t* cr, double x, double y, double r, const light& L) {
  double ol = std::max(2.0, r * 0.08);
  cairo_new_path(cr);
  cairo_arc(cr, x, y, r, 0, 2 * M_PI);
  cairo_new_sub_path(cr);
  cairo_arc_negative(cr, x, y, r * 0.55, 2 * M_PI, 0);
  cairo_path_t* ring = cairo_copy_path(cr);
  paint(cr, pal::bone, L, r * 2, ol);
  cairo_save(cr);
  cairo_append_path(cr, ring);
  cairo_clip(cr);
  for (int i = 0; i < 4; i++) {
    double a = i * M_PI / 2 + M_PI / 4;
    cairo_move_to(cr, x, y);
    cairo_arc(cr, x, y, r * 1.1, a - 0.38, a + 0.38);
    cairo_close_path(cr);
    artsetcolor(cr, pal::blood);
    cairo_fill(cr);
  }
  cairo_restore(cr);
  cairo_append_path(cr, ring);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, ol);
  cairo_stroke(cr);
  cairo_path_destroy(ring);
  glow(cr, x - r * 0.35, y - r * 0.45, r * 0.45, rgb{1, 1, 1}, 0.3);
  // the grab line around it
  for (int i = 0; i < 4; i++) {
    double a = i * M_PI / 2;
    cairo_arc(cr, x + std::cos(a) * r * 1.02, y + std::sin(a) * r * 1.02, r * 0.08, 0, 2 * M_PI);
    artsetcolor(cr, rgb{0.8, 0.75, 0.6});
    cairo_fill(cr);
  }
}

void net(cairo_t* cr, pt a, pt b, double sag, rgb c, uint32_t seed) {
  rng r(seed);
  // the net's outline: the top line sags, the bottom hangs in a belly
  std::vector<pt> top, bottom;
  for (int i = 0; i <= 10; i++) {
    double t = i / 10.0;
    double x = a.x + (b.x - a.x) * t;
    top.push_back({x, a.y + (b.y - a.y) * t + std::sin(t * M_PI) * sag * 0.3});
    bottom.push_back({x, a.y + (b.y - a.y) * t + std::sin(t * M_PI) * sag + r.range(-3, 3)});
  }
  cairo_save(cr);
  cairo_new_path(cr);
  cairo_move_to(cr, top[0].x, top[0].y);
  for (auto& p : top) cairo_line_to(cr, p.x, p.y);
  for (int i = 10; i >= 0; i--) cairo_line_to(cr, bottom[i].x, bottom[i].y);
  cairo_close_path(cr);
  cairo_path_t* shape = cairo_copy_path(cr);
  artsetcolor(cr, c, 0.18);
  cairo_fill(cr);
  cairo_append_path(cr, shape);
  cairo_clip(cr);
  double x0 = std::min(a.x, b.x) - sag, x1 = std::max(a.x, b.x) + sag, y0 = std::min(a.y, b.y) - 10,
         y1 = std::max(a.y, b.y) + sag + 10;
  for (double d = x0 - (y1 - y0); d < x1; d += 9) {
    cairo_move_to(cr, d, y0);
    cairo_line_to(cr, d + (y1 - y0), y1);
    cairo_move_to(cr, d + (y1 - y0), y0);
    cairo_line_to(cr, d, y1);
  }
  artsetcolor(cr, c, 0.75);
  cairo_set_line_width(cr, 1.1);
  cairo_stroke(cr);
  cairo_restore(cr);
  cairo_path_destroy(shape);
  cairo_new_path(cr);
  curve(cr, top);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 2.2);
  cairo_stroke(cr);
  light L = lightfrom(120);
  for (size_t i = 1; i < top.size(); i += 2) {
    ellipse(cr, top[i].x, top[i].y + 3, 6, 5);
    paint(cr, pal::pumpkin, L, 10, 1.6);
  }
}

// ---- steel --------------------------------------------------------------------------------------

void truss(cairo_t* cr, pt a, pt b, double w, rgb c, const light& L, double outline) {
  double dx = b.x - a.x, dy = b.y - a.y, l = std::hypot(dx, dy);
  if (l < 1) return;
  double ux = dx / l, uy = dy / l, nx = -uy * w / 2, ny = ux * w / 2;
  double chord = std::max(3.0, w * 0.16), strut = std::max(2.0, w * 0.09);
  int bays = std::max(1, int(l / (w * 1.1)));
  // struts first, chords over them
  std::vector<pt> zig;
  for (int i = 0; i <= bays; i++) {
    double t = double(i) / bays;
    double side = i % 2 ? 1 : -1;
    zig.push_back({a.x + dx * t + nx * side, a.y + dy * t + ny * side});
  }
  for (size_t i = 0; i + 1 < zig.size(); i++) tube(cr, {zig[i], zig[i + 1]}, strut, artshade(c, 0.85), L, outline * 0.7);
  for (int i = 0; i <= bays; i++) {
    double t = double(i) / bays;
    tube(cr, {{a.x + dx * t + nx, a.y + dy * t + ny}, {a.x + dx * t - nx, a.y + dy * t - ny}}, strut * 0.9,
         artshade(c, 0.8), L, outline * 0.6);
  }
  tube(cr, {{a.x + nx, a.y + ny}, {b.x + nx, b.y + ny}}, chord, c, L, outline);
  tube(cr, {{a.x - nx, a.y - ny}, {b.x - nx, b.y - ny}}, chord, c, L, outline);
}

// ---- people of the harbour ----------------------------------------------------------------------

double headframe(cairo_t* cr, double x, double y, const figure& f) {
  double u = f.height / 100, sit = f.sitting ? 10 : 0, R = 19 * f.headsize;
  cairo_translate(cr, x, y);
  cairo_rotate(cr, f.lean * M_PI / 180);
  cairo_scale(cr, u, u);
  cairo_translate(cr, 0, -100 + R + sit);
  cairo_rotate(cr, f.headtilt * M_PI / 180);
  return R;
}

pt handat(double x, double y, const figure& f, bool left) {
  double u = f.height / 100, sit = f.sitting ? 10 : 0, a = f.lean * M_PI / 180;
  pt sh{(left ? -17 : 17) * f.girth, -58 + sit};
  pt d = left ? f.handl : f.handr;
  double rx = (sh.x + d.x) * u, ry = (sh.y + d.y) * u;
  return {x + rx * std::cos(a) - ry * std::sin(a), y + rx * std::sin(a) + ry * std::cos(a)};
}

void hardhat(cairo_t* cr, double r, rgb c, const light& L) {
  double ol = std::clamp(r * 0.085, 1.2, 5.0);
  ellipse(cr, 0, -0.62 * r, 1.12 * r, 0.18 * r);
  paint(cr, c, L, r, ol);
  blob(cr, {{-0.86 * r, -0.62 * r}, {-0.8 * r, -1.05 * r}, {0, -1.32 * r}, {0.8 * r, -1.05 * r}, {0.86 * r, -0.62 * r}});
  paint(cr, c, L, r * 1.6, ol);
  tube(cr, {{0, -1.3 * r}, {0, -0.7 * r}}, r * 0.16, artshade(c, 1.1), L, ol * 0.6);
}

void souwester(cairo_t* cr, double r, const light& L) {
  double ol = std::clamp(r * 0.085, 1.2, 5.0);
  rgb c{0.98, 0.82, 0.22};
  blob(cr, {{-1.3 * r, -0.35 * r}, {-0.9 * r, -0.6 * r}, {0.9 * r, -0.6 * r}, {1.35 * r, -0.3 * r}, {1.1 * r, -0.15 * r},
            {0, -0.42 * r}, {-1.1 * r, -0.15 * r}});
  paint(cr, c, L, r * 2, ol);
  blob(cr, {{-0.85 * r, -0.55 * r}, {-0.75 * r, -1.05 * r}, {0, -1.25 * r}, {0.75 * r, -1.05 * r}, {0.85 * r, -0.55 * r}});
  paint(cr, c, L, r * 1.6, ol);
  inkline(cr, {{-0.8 * r, -0.6 * r}, {0, -0.66 * r}, {0.8 * r, -0.6 * r}}, ol * 0.5, 0.6);
}

void sunglasses(cairo_t* cr, double r, const light& L) {
  double ol = std::clamp(r * 0.085, 1.2, 5.0);
  inkline(cr, {{-0.62 * r, -0.12 * r}, {0.62 * r, -0.12 * r}}, ol * 0.8);
  for (double side : {-1.0, 1.0}) {
    ellipse(cr, side * 0.36 * r, -0.06 * r, 0.3 * r, 0.22 * r);
    flat(cr, rgb{0.1, 0.08, 0.14}, ol * 0.8);
    inkline(cr, {{side * 0.36 * r - 0.16 * r, -0.14 * r}, {side * 0.36 * r - 0.04 * r, -0.2 * r}}, ol * 0.5, 0.0);
    cairo_move_to(cr, side * 0.36 * r - 0.17 * r, -0.1 * r);
    cairo_line_to(cr, side * 0.36 * r - 0.02 * r, -0.2 * r);
    artsetcolor(cr, rgb{1, 1, 1}, 0.7);
    cairo_set_line_width(cr, ol * 0.45);
    cairo_stroke(cr);
  }
  (void)L;
}

void hanky(cairo_t* cr, double x, double y, double s, double flutter, rgb c, const light& L) {
  double f = flutter * s;
  blob(cr, {{x, y}, {x + s * 0.5, y - s * 0.25 - f * 0.3}, {x + s, y - s * 0.1 + f * 0.2}, {x + s * 0.85, y + s * 0.45},
            {x + s * 0.45, y + s * 0.3 - f * 0.2}, {x + s * 0.1, y + s * 0.6}},
       0.8);
  paint(cr, c, L, s, std::max(1.2, s * 0.06));
  inkline(cr, {{x + s * 0.2, y + s * 0.1}, {x + s * 0.6, y + s * 0.05}}, std::max(0.8, s * 0.03), 0.4);
}

// ---- boats and ships ----------------------------------------------------------------------------

void fishingboat(cairo_t* cr, double x, double y, double w, rgb hull, const light& L, bool left, bool lit,
                 uint32_t seed) {
  rng r(seed);
  double ol = std::max(1.8, w * 0.014);
  cairo_save(cr);
  cairo_translate(cr, x, y);
  if (!left) cairo_scale(cr, -1, 1);
  light l = L;
  if (!left) l.x = -l.x;
  double h = w * 0.22;
  // mast with its lamp and a stay
  tube(cr, {{w * 0.05, -h * 0.6}, {w * 0.08, -h * 3.2}}, w * 0.018, col::darkwood, l, ol);
  inkline(cr, {{w * 0.08, -h * 3.1}, {-w * 0.48, -h * 0.55}}, ol * 0.4);
  inkline(cr, {{w * 0.08, -h * 3.1}, {w * 0.46, -h * 0.75}}, ol * 0.4);
  if (lit) glow(cr, w * 0.08, -h * 2.6, w * 0.12, col::lamp, 0.7);
  ellipse(cr, w * 0.08, -h * 2.6, w * 0.014, w * 0.018);
  flat(cr, lit ? rgb{1, 0.92, 0.6} : rgb{0.5, 0.5, 0.55}, ol * 0.5);
  // wheelhouse
  artroundrect(cr, w * 0.12, -h * 1.45, w * 0.22, h * 0.95, 3);
  paint(cr, pal::bone, l, w * 0.2, ol);
  cairo_rectangle(cr, w * 0.16, -h * 1.25, w * 0.14, h * 0.35);
  if (lit) {
    glow(cr, w * 0.23, -h * 1.08, w * 0.14, col::windowlit, 0.5);
    cairo_rectangle(cr, w * 0.16, -h * 1.25, w * 0.14, h * 0.35);
  }
  flat(cr, lit ? col::windowlit : rgb{0.25, 0.3, 0.42}, ol * 0.7);
  poly(cr, {{w * 0.1, -h * 1.45}, {w * 0.36, -h * 1.45}, {w * 0.34, -h * 1.58}, {w * 0.12, -h * 1.58}});
  paint(cr, hull, l, w * 0.2, ol);
  // the hull, its bow high on the left
  blob(cr, {{-w * 0.5, -h * 1.05}, {-w * 0.2, -h * 0.62}, {w * 0.3, -h * 0.6}, {w * 0.47, -h * 0.72},
            {w * 0.44, h * 0.05}, {-w * 0.2, h * 0.1}, {-w * 0.44, -h * 0.3}},
       0.7);
  paint(cr, hull, l, w * 0.5, ol);
  cairo_move_to(cr, -w * 0.45, -h * 0.55);
  cairo_curve_to(cr, -w * 0.2, -h * 0.35, w * 0.2, -h * 0.35, w * 0.45, -h * 0.45);
  artsetcolor(cr, pal::bone, 0.8);
  cairo_set_line_width(cr, h * 0.1);
  cairo_stroke(cr);
  // tyres as fenders and a number
  for (double fx : {-w * 0.15, w * 0.12}) {
    ellipse(cr, fx, -h * 0.3, h * 0.14, h * 0.2);
    paint(cr, rgb{0.15, 0.14, 0.18}, l, h * 0.3, ol * 0.7);
  }
  artfont(cr, "sans", h * 0.34);
  cairo_save(cr);
  if (!left) cairo_scale(cr, -1, 1);
  arttext(cr, "M-" + std::to_string(10 + int(r.unit() * 80)), left ? w * 0.28 : -w * 0.28, -h * 0.16, pal::bone, 0);
  cairo_restore(cr);
  cairo_restore(cr);
}

void lighthouse(cairo_t* cr, double x, double y, double h, bool lit, double beamangle, const light& L) {
  double ol = std::max(1.5, h * 0.012), w = h * 0.16;
  if (lit) {  // the beam, a long soft wedge
    cairo_save(cr);
    cairo_translate(cr, x, y - h * 0.92);
    cairo_rotate(cr, beamangle * M_PI / 180);
    cairo_move_to(cr, 0, -h * 0.03);
    cairo_line_to(cr, h * 5, -h * 0.5);
    cairo_line_to(cr, h * 5, h * 0.5);
    cairo_line_to(cr, 0, h * 0.03);
    cairo_close_path(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, h * 5, 0);
    cairo_pattern_add_color_stop_rgba(g, 0, 1, 0.95, 0.75, 0.45);
    cairo_pattern_add_color_stop_rgba(g, 1, 1, 0.95, 0.75, 0);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    cairo_restore(cr);
    glow(cr, x, y - h * 0.92, h * 0.4, col::lamp, 0.6);
  }
  // rock
  blob(cr, {{x - w * 2.2, y + 4}, {x - w * 1.6, y - h * 0.08}, {x - w * 0.2, y - h * 0.12}, {x + w * 1.4, y - h * 0.06},
            {x + w * 2.4, y + 4}},
       0.8);
  paint(cr, rgb{0.3, 0.28, 0.36}, L, w * 3, ol);
  // tower in bands
  poly(cr, {{x - w * 0.55, y - h * 0.1}, {x - w * 0.36, y - h * 0.8}, {x + w * 0.36, y - h * 0.8}, {x + w * 0.55, y - h * 0.1}});
  cairo_path_t* tower = cairo_copy_path(cr);
  paint(cr, pal::bone, L, w, ol);
  cairo_save(cr);
  cairo_append_path(cr, tower);
  cairo_clip(cr);
  for (int i = 0; i < 3; i++) {
    cairo_rectangle(cr, x - w, y - h * (0.24 + 0.22 * i), w * 2, h * 0.1);
    artsetcolor(cr, pal::blood, 0.9);
    cairo_fill(cr);
  }
  cairo_restore(cr);
  cairo_append_path(cr, tower);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, ol);
  cairo_stroke(cr);
  cairo_path_destroy(tower);
  // gallery, lantern room, cap
  cairo_rectangle(cr, x - w * 0.6, y - h * 0.83, w * 1.2, h * 0.04);
  paint(cr, col::iron, L, w, ol * 0.8);
  cairo_rectangle(cr, x - w * 0.32, y - h * 0.96, w * 0.64, h * 0.13);
  flat(cr, lit ? rgb{1.0, 0.92, 0.6} : rgb{0.35, 0.4, 0.5}, ol * 0.8);
  poly(cr, {{x - w * 0.45, y - h * 0.96}, {x, y - h * 1.06}, {x + w * 0.45, y - h * 0.96}});
  paint(cr, pal::blood, L, w, ol * 0.8);
}

// The Merry Widow ---------------------------------------------------------------------------------

namespace {

// A square sail hung from a yard: head from (hx0, hy) to (hx1, hy), foot from (fx0, fy) to
// (fx1, fy), bellied forward by `belly`. Lace along the foot, seams, a patch or two.
void squaresail(cairo_t* cr, double hx0, double hx1, double hy, double fx0, double fx1, double fy, double belly,
                const shipstyle& s, const light& L, uint32_t seed) {
  rng r(seed);
  double ol = s.outline * 0.8;
  std::vector<pt> p{{hx0, hy}, {hx1, hy}};
  p.push_back({(hx1 + fx1) / 2 + belly * 0.35, (hy + fy) / 2});
  p.push_back({fx1, fy});
  p.push_back({(fx0 + fx1) / 2, fy + belly * 0.25});
  p.push_back({fx0, fy});
  p.push_back({(hx0 + fx0) / 2 - belly * 0.25, (hy + fy) / 2});
  cairo_new_path(cr);
  cairo_move_to(cr, hx0, hy);
  cairo_line_to(cr, hx1, hy);
  cairo_curve_to(cr, hx1 + belly * 0.4, hy + (fy - hy) * 0.35, fx1 + belly * 0.4, hy + (fy - hy) * 0.7, fx1, fy);
  cairo_curve_to(cr, fx1 - (fx1 - fx0) * 0.3, fy + belly * 0.3, fx0 + (fx1 - fx0) * 0.3, fy + belly * 0.3, fx0, fy);
  cairo_curve_to(cr, fx0 - belly * 0.3, hy + (fy - hy) * 0.7, hx0 - belly * 0.3, hy + (fy - hy) * 0.35, hx0, hy);
  cairo_close_path(cr);
  cairo_path_t* shape = cairo_copy_path(cr);
  paintgrad(cr, s.sail, artmix(s.sail, s.sailshade, 0.45), L, std::abs(hx1 - hx0), ol);
  cairo_save(cr);
  cairo_append_path(cr, shape);
  cairo_clip(cr);
  // the belly's shadow down the middle and the cloth's seams
  double cx = (hx0 + hx1 + fx0 + fx1) / 4;
  glow(cr, cx + (hx1 - hx0) * 0.15, (hy + fy) / 2, (hx1 - hx0) * 0.45, s.sailshade, 0.3);
  for (int i = 1; i < 6; i++) {
    double t = i / 6.0;
    inkline(cr, {{hx0 + (hx1 - hx0) * t, hy}, {fx0 + (fx1 - fx0) * t + belly * 0.15 * std::sin(t * M_PI), fy + belly * 0.2}},
            ol * 0.3, 0.3);
  }
  // a patch
  double px = hx0 + (hx1 - hx0) * r.range(0.2, 0.7), py = hy + (fy - hy) * r.range(0.25, 0.6);
  double pw = (hx1 - hx0) * 0.12, ph = (fy - hy) * 0.18;
  cairo_rectangle(cr, px, py, pw, ph);
  paint(cr, artmix(s.sail, rgb{0.8, 0.6, 0.5}, 0.35), L, pw, ol * 0.5);
  stitches(cr, {px, py}, {px + pw, py}, 4, ol * 0.5, ol * 0.25);
  stitches(cr, {px, py + ph}, {px + pw, py + ph}, 4, ol * 0.5, ol * 0.25);
  cairo_restore(cr);
  cairo_path_destroy(shape);
  // the widow's lace along the foot: a scalloped black band
  int sc = std::max(4, int(std::abs(fx1 - fx0) / (ol * 6)));
  cairo_new_path(cr);
  for (int i = 0; i < sc; i++) {
    double t0 = double(i) / sc, t1 = double(i + 1) / sc;
    auto foot = [&](double t) {
      double x = fx0 + (fx1 - fx0) * t;
      double y = fy + belly * 0.3 * 4 * t * (1 - t) * 0.75;
      return pt{x, y};
    };
    pt a = foot(t0), b = foot(t1);
    double rr = std::hypot(b.x - a.x, b.y - a.y) / 2;
    cairo_new_sub_path(cr);
    cairo_arc(cr, (a.x + b.x) / 2, (a.y + b.y) / 2, rr, 0, M_PI);
  }
  artsetcolor(cr, rgb{0.16, 0.1, 0.2});
  cairo_fill(cr);
  // yard
  tube(cr, {{hx0 - (hx1 - hx0) * 0.06, hy}, {hx1 + (hx1 - hx0) * 0.06, hy}}, ol * 1.6, col::darkwood, L, ol * 0.7);
}

// A triangular sail through three corners, bellied, with lace along its foot.
void trisail(cairo_t* cr, pt a, pt b, pt c, double belly, const shipstyle& s, const light& L) {
  double ol = s.outline * 0.75;
  cairo_new_path(cr);
  cairo_move_to(cr, a.x, a.y);
  cairo_curve_to(cr, a.x + (b.x - a.x) * 0.3 - belly * 0.3, a.y + (b.y - a.y) * 0.3, a.x + (b.x - a.x) * 0.7 - belly * 0.3,
                 a.y + (b.y - a.y) * 0.7, b.x, b.y);
  cairo_curve_to(cr, b.x + (c.x - b.x) * 0.4 + belly * 0.4, b.y + (c.y - b.y) * 0.4, b.x + (c.x - b.x) * 0.8 + belly * 0.2,
                 b.y + (c.y - b.y) * 0.8, c.x, c.y);
  cairo_curve_to(cr, c.x + (a.x - c.x) * 0.3, c.y + belly * 0.2, c.x + (a.x - c.x) * 0.7, a.y + belly * 0.2, a.x, a.y);
  cairo_close_path(cr);
  cairo_path_t* shape = cairo_copy_path(cr);
  paintgrad(cr, s.sail, artmix(s.sail, s.sailshade, 0.5), L, std::abs(c.x - a.x), ol);
  cairo_save(cr);
  cairo_append_path(cr, shape);
  cairo_clip(cr);
  for (int i = 1; i < 4; i++) {
    double t = i / 4.0;
    inkline(cr, {{b.x + (a.x - b.x) * t, b.y + (a.y - b.y) * t}, {b.x + (c.x - b.x) * t, b.y + (c.y - b.y) * t}}, ol * 0.3,
            0.3);
  }
  cairo_restore(cr);
  cairo_path_destroy(shape);
}

// A round window: brass rim, lit glass or dark.
void porthole(cairo_t* cr, double x, double y, double r, bool lit, const light& L, double ol) {
  if (lit) glow(cr, x, y, r * 2.6, col::windowlit, 0.35);
  ellipse(cr, x, y, r, r);
  paint(cr, pal::gold, L, r * 2, ol);
  ellipse(cr, x, y, r * 0.66, r * 0.66);
  if (lit) {
    cairo_pattern_t* g = cairo_pattern_create_radial(x - r * 0.2, y - r * 0.2, 0, x, y, r * 0.7);
    cairo_pattern_add_color_stop_rgb(g, 0, 1.0, 0.95, 0.7);
    cairo_pattern_add_color_stop_rgb(g, 1, 1.0, 0.66, 0.3);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
  } else {
    artsetcolor(cr, rgb{0.15, 0.18, 0.3});
    cairo_fill_preserve(cr);
  }
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, ol * 0.6);
  cairo_stroke(cr);
  inkline(cr, {{x - r * 0.3, y - r * 0.1}, {x - r * 0.1, y - r * 0.35}}, ol * 0.35, 0.0);
  cairo_move_to(cr, x - r * 0.35, y - r * 0.05);
  cairo_line_to(cr, x - r * 0.05, y - r * 0.38);
  artsetcolor(cr, rgb{1, 1, 1}, 0.6);
  cairo_set_line_width(cr, ol * 0.4);
  cairo_stroke(cr);
}

// A hanging lantern, its hook at (x, y).
void lantern(cairo_t* cr, double x, double y, double s, bool lit, const light& L, double ol) {
  if (lit) glow(cr, x, y + s * 0.9, s * 3, col::lamp, 0.5);
  inkline(cr, {{x, y}, {x, y + s * 0.3}}, ol * 0.6);
  poly(cr, {{x - s * 0.4, y + s * 0.3}, {x + s * 0.4, y + s * 0.3}, {x + s * 0.3, y + s * 0.45}, {x - s * 0.3, y + s * 0.45}});
  paint(cr, col::iron, L, s, ol * 0.7);
  artroundrect(cr, x - s * 0.3, y + s * 0.45, s * 0.6, s * 0.9, s * 0.12);
  flat(cr, lit ? rgb{1.0, 0.9, 0.55} : rgb{0.4, 0.42, 0.5}, ol * 0.8);
  cairo_rectangle(cr, x - s * 0.38, y + s * 1.35, s * 0.76, s * 0.14);
  paint(cr, col::iron, L, s, ol * 0.7);
}

}  // namespace

void merrywidow(cairo_t* cr, const shipstyle& s, const light& L, uint32_t seed) {
  rng r(seed);
  const double ol = s.outline, wl = widowwaterline;
  rgb wood = s.hull, dark = artshade(s.hull, 0.7);
  // ---- behind the hull: masts, stays, sails ----
  const double foremast = -300, mainmast = -40, mizzen = 330;
  // the bowsprit and the jibs stretched to the fore top
  tube(cr, {{-380, -108}, {-600, -190}}, ol * 3.2, col::darkwood, L, ol * 0.8);
  inkline(cr, {{-600, -190}, {-560, -40}, {-400, -20}}, ol * 0.4, 0.8);  // the bobstay
  if (s.sails) {
    trisail(cr, {-585, -192}, {foremast - 8, -425}, {-430, -205}, 22, s, L);
    trisail(cr, {-520, -168}, {foremast - 6, -330}, {-400, -160}, 16, s, L);
  }
  // masts
  tube(cr, {{foremast, -90}, {foremast + 4, -440}}, ol * 3.6, col::darkwood, L, ol);
  tube(cr, {{mainmast, 20}, {mainmast + 4, -448}}, ol * 4, col::darkwood, L, ol);
  tube(cr, {{mizzen, -40}, {mizzen + 3, -392}}, ol * 3.2, col::darkwood, L, ol);
  // crow's nest on the main
  poly(cr, {{mainmast - 34, -350}, {mainmast + 38, -350}, {mainmast + 28, -322}, {mainmast - 24, -322}});
  paint(cr, wood, L, 70, ol);
  // stays between the mast tops, shrouds down to the rails
  inkline(cr, {{foremast + 4, -438}, {mainmast + 4, -446}}, ol * 0.35, 0.8);
  inkline(cr, {{mainmast + 4, -446}, {mizzen + 3, -390}}, ol * 0.35, 0.8);
  inkline(cr, {{mizzen + 3, -390}, {590, -80}}, ol * 0.35, 0.8);
  for (double mast : {foremast, mainmast, mizzen}) {
    double top = mast == mainmast ? -330 : mast == foremast ? -300 : -300;
    double foot = mast == foremast ? -96 : mast == mainmast ? 14 : -10;
    for (int k = -2; k <= 2; k++) {
      if (k == 0) continue;
      inkline(cr, {{mast + k * 3.0, top}, {mast + k * 26.0, foot}}, ol * 0.3, 0.7);
    }
    for (double y = top + 24; y < foot - 10; y += 22) {  // ratlines
      double t = (y - top) / (foot - top);
      inkline(cr, {{mast - 52 * t - 3, y}, {mast + 52 * t + 3, y}}, ol * 0.22, 0.5);
    }
  }
  if (s.sails) {
    // fore: topsail and course, wide enough to stand in front of the anchor chain's climb
    squaresail(cr, -470, -136, -420, -478, -128, -262, 26, s, L, seed + 1);
    squaresail(cr, -486, -118, -255, -492, -112, -186, 22, s, L, seed + 2);
    // main: topsail and course with the widow's heart
    squaresail(cr, -178, 92, -444, -196, 110, -340, 24, s, L, seed + 3);
    squaresail(cr, -214, 134, -330, -226, 146, -150, 30, s, L, seed + 4);
    {
      double hx = -40, hy = -250;
      blob(cr, {{hx, hy + 34}, {hx - 40, hy - 4}, {hx - 36, hy - 30}, {hx - 16, hy - 38}, {hx, hy - 22}, {hx + 16, hy - 38},
                {hx + 36, hy - 30}, {hx + 40, hy - 4}},
           0.9);
      paint(cr, rgb{0.36, 0.14, 0.36}, L, 80, ol * 0.8);
      // a little veil over the heart's top, and two friendly eyes
      blob(cr, {{hx - 40, hy - 20}, {hx, hy - 44}, {hx + 40, hy - 20}, {hx + 30, hy + 2}, {hx, hy - 12}, {hx - 30, hy + 2}},
           0.9);
      flat(cr, rgb{0.12, 0.08, 0.16}, ol * 0.5, 0.55);
      for (double ex : {hx - 12, hx + 12}) {
        ellipse(cr, ex, hy - 4, 5, 6);
        flat(cr, pal::bone, ol * 0.4);
        ellipse(cr, ex + 1, hy - 3, 2.2, 2.6);
        artsetcolor(cr, pal::ink);
        cairo_fill(cr);
      }
      inkline(cr, {{hx - 8, hy + 10}, {hx, hy + 14}, {hx + 8, hy + 10}}, ol * 0.5);
    }
    // mizzen: a gaff sail running aft
    {
      cairo_new_path(cr);
      cairo_move_to(cr, mizzen + 6, -360);
      cairo_line_to(cr, 548, -300);
      cairo_curve_to(cr, 562, -220, 570, -150, 560, -92);
      cairo_line_to(cr, mizzen + 6, -58);
      cairo_close_path(cr);
      paintgrad(cr, s.sail, artmix(s.sail, s.sailshade, 0.45), L, 220, ol * 0.8);
      for (int i = 1; i < 4; i++) inkline(cr, {{mizzen + 6, -360 + i * 75.0}, {548 + i * 4.0, -300 + i * 52.0}}, ol * 0.3, 0.3);
      tube(cr, {{mizzen + 2, -362}, {556, -302}}, ol * 1.4, col::darkwood, L, ol * 0.6);  // gaff
      tube(cr, {{mizzen + 2, -56}, {576, -92}}, ol * 1.4, col::darkwood, L, ol * 0.6);   // boom
    }
  }
  // pennants at the mast tops
  for (double mast : {foremast, mainmast, mizzen}) {
    double top = mast == mainmast ? -448 : mast == foremast ? -440 : -392;
    poly(cr, {{mast + 4, top}, {mast + 60, top + 8}, {mast + 4, top + 16}});
    paint(cr, mast == mainmast ? pal::pumpkin : rgb{0.5, 0.22, 0.55}, L, 30, ol * 0.6);
  }
  // the signal lamps' line, from the main mast down to a post on the deckhouse
  inkline(cr, {{mainmast + 2, -38}, {-20, -35.5}, {5, -30.5}, {27, -25.5}, {47, -21.5}, {86, -12}}, ol * 0.35);

  // ---- on deck: deckhouse, stern castle, the things standing about ----
  // deckhouse with lit windows and its little chimney
  artroundrect(cr, 76, -44, 232, 70, 6);
  paint(cr, artmix(wood, pal::bone, 0.55), L, 200, ol);
  poly(cr, {{68, -44}, {316, -44}, {308, -56}, {76, -56}});
  paint(cr, dark, L, 200, ol);
  for (double wx : {110.0, 170.0, 230.0, 280.0}) {
    if (s.portholeslit) glow(cr, wx + 12, -14, 34, col::windowlit, 0.35);
    artroundrect(cr, wx, -30, 24, 26, 4);
    flat(cr, s.portholeslit ? rgb{1.0, 0.8, 0.42} : rgb{0.2, 0.24, 0.36}, ol * 0.7);
    inkline(cr, {{wx + 12, -30}, {wx + 12, -4}}, ol * 0.4);
  }
  tube(cr, {{86, -56}, {86, -12}}, ol * 1.1, col::darkwood, L, ol * 0.5);  // the lamp line's post
  cairo_rectangle(cr, 250, -84, 16, 30);
  paint(cr, rgb{0.2, 0.18, 0.22}, L, 16, ol * 0.8);
  // the ship's bell on a little gallows and a water barrel
  tube(cr, {{-120, 20}, {-120, -30}, {-92, -30}}, ol, col::darkwood, L, ol * 0.6);
  blob(cr, {{-100, -28}, {-88, -28}, {-84, -10}, {-104, -10}}, 0.6);
  paint(cr, pal::gold, L, 20, ol * 0.7);
  barrel(cr, -200, 20, 36, 42, col::wood, L, seed + 9);
  barrel(cr, -240, 20, 30, 36, col::wood, L, seed + 10);
  // the stern castle: windows, lanterns, a railing, the wheel on top
  cairo_new_path(cr);
  cairo_move_to(cr, 520, 30);
  cairo_line_to(cr, 522, -62);
  cairo_line_to(cr, 610, -74);
  cairo_curve_to(cr, 606, -20, 600, 30, 590, 60);
  cairo_close_path(cr);
  paint(cr, wood, L, 100, ol);
  for (double wx : {538.0, 570.0}) {
    if (s.portholeslit) glow(cr, wx + 10, -30, 30, col::windowlit, 0.35);
    artroundrect(cr, wx, -46, 20, 30, 8);
    flat(cr, s.portholeslit ? rgb{1.0, 0.8, 0.42} : rgb{0.2, 0.24, 0.36}, ol * 0.7);
  }
  cairo_rectangle(cr, 518, -70, 96, 8);
  paint(cr, pal::gold, L, 90, ol * 0.7);
  for (double px = 524; px < 612; px += 14) tube(cr, {{px, -70}, {px, -96}}, ol * 0.8, col::darkwood, L, ol * 0.4);
  tube(cr, {{518, -98}, {614, -98}}, ol * 1.2, col::darkwood, L, ol * 0.5);
  // the wheel
  ellipse(cr, 548, -104, 18, 18);
  cairo_set_line_width(cr, ol * 1.6);
  artsetcolor(cr, pal::ink);
  cairo_stroke(cr);
  ellipse(cr, 548, -104, 18, 18);
  cairo_set_line_width(cr, ol * 0.8);
  artsetcolor(cr, col::wood);
  cairo_stroke(cr);
  for (int k = 0; k < 8; k++) {
    double a = k * M_PI / 4;
    inkline(cr, {{548, -104}, {548 + std::cos(a) * 24, -104 + std::sin(a) * 24}}, ol * 0.5);
  }
  lantern(cr, 612, -100, 26, s.portholeslit, L, ol);
  // the stern flag: purple with a bone-white heart
  tube(cr, {{612, -74}, {640, -150}}, ol * 0.8, col::darkwood, L, ol * 0.4);
  blob(cr, {{636, -150}, {606, -160}, {582, -146}, {560, -152}, {566, -118}, {590, -112}, {612, -122}, {630, -116}}, 0.7);
  paint(cr, rgb{0.42, 0.2, 0.5}, L, 70, ol * 0.6);
  blob(cr, {{598, -124}, {588, -134}, {590, -142}, {598, -140}, {606, -142}, {608, -134}}, 0.9);
  flat(cr, pal::bone, ol * 0.4);

  // ---- the hull ----
  // its outline: the high forecastle, the low waist, the well by the stern, the stern castle
  std::vector<pt> hullpts{{-402, -124}, {-300, -100}, {-294, -72}, {-290, 22},  {400, 22},  {404, 66},
                          {520, 66},    {522, 30},    {590, 60},   {585, 110},  {560, 158}, {470, 172},
                          {-200, 172},  {-330, 166},  {-380, 140}, {-392, 60},  {-398, -40}};
  cairo_new_path(cr);
  cairo_move_to(cr, hullpts[0].x, hullpts[0].y);
  for (size_t i = 1; i < hullpts.size(); i++) cairo_line_to(cr, hullpts[i].x, hullpts[i].y);
  cairo_close_path(cr);
  cairo_path_t* hull = cairo_copy_path(cr);
  paint(cr, wood, L, 420, ol);
  cairo_save(cr);
  cairo_append_path(cr, hull);
  cairo_clip(cr);
  // planking
  for (double y = -120; y < 175; y += 13) {
    double sag = 6;
    inkline(cr, {{-420, y - 4}, {0, y + sag}, {620, y - 6}}, ol * 0.28, 0.35);
  }
  woodgrain(cr, -420, -130, 620, 175, artshade(wood, 0.6), seed + 20);
  // the gold stripe, the boot-top at the waterline and the copper below it
  cairo_new_path(cr);
  cairo_move_to(cr, -420, 36);
  cairo_curve_to(cr, -100, 46, 300, 46, 620, 34);
  cairo_line_to(cr, 620, 48);
  cairo_curve_to(cr, 300, 60, -100, 60, -420, 50);
  cairo_close_path(cr);
  flat(cr, s.trim, ol * 0.5);
  cairo_rectangle(cr, -420, wl - 14, 1040, 14);
  artsetcolor(cr, artmix(pal::bone, wood, 0.3));
  cairo_fill(cr);
  cairo_rectangle(cr, -420, wl, 1040, 40);
  artsetcolor(cr, rgb{0.45, 0.55, 0.5});
  cairo_fill(cr);
  // the hull's own shade low down, sea light along the bottom
  vband(cr, -420, 620, 90, 172, pal::ink, 0, 0.35);
  cairo_restore(cr);
  cairo_append_path(cr, hull);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, ol);
  cairo_stroke(cr);
  cairo_path_destroy(hull);
  // rails: a cap rail along the top of the hull, open railings on the waist and the well
  tube(cr, {{-404, -126}, {-300, -102}}, ol * 1.3, artshade(wood, 0.8), L, ol * 0.6);
  for (double px = -286; px < 400; px += 18) {
    if (px > widowdoorx - 40 && px < widowdoorx + 40) continue;
    tube(cr, {{px, 22}, {px, -10}}, ol * 0.9, col::darkwood, L, ol * 0.4);
  }
  tube(cr, {{-290, -12}, {widowdoorx - 40, -12}}, ol * 1.4, col::darkwood, L, ol * 0.5);
  tube(cr, {{widowdoorx + 40, -12}, {402, -12}}, ol * 1.4, col::darkwood, L, ol * 0.5);
  for (double px = 410; px < 520; px += 18) tube(cr, {{px, 66}, {px, 40}}, ol * 0.9, col::darkwood, L, ol * 0.4);
  tube(cr, {{404, 40}, {522, 40}}, ol * 1.3, col::darkwood, L, ol * 0.5);
  // the cathead: a stout beam out of the bow, with its sheave at the tip
  poly(cr, {{-404, -138}, {-448, -156}, {-452, -142}, {-404, -122}});
  paint(cr, col::darkwood, L, 40, ol);
  ellipse(cr, widowcatx, widowcaty, 6, 6);
  paint(cr, col::iron, L, 12, ol * 0.6);
  // the bow: a carved scroll and the name
  cairo_new_path(cr);
  curve(cr, {{-392, -60}, {-360, -80}, {-330, -60}, {-338, -40}, {-356, -46}});
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, ol * 1.6);
  cairo_stroke(cr);
  cairo_new_path(cr);
  curve(cr, {{-392, -60}, {-360, -80}, {-330, -60}, {-338, -40}, {-356, -46}});
  artsetcolor(cr, s.trim);
  cairo_set_line_width(cr, ol * 0.7);
  cairo_stroke(cr);
  artfont(cr, "serif", 20);
  arttext(cr, "MERRY WIDOW", -282, 92, s.trim, 2.5);
  // portholes along the waist (the entry port keeps its own space)
  for (double px = -330; px < 390; px += 58) {
    if (px > widowdoorx - 70 && px < widowdoorx + 70) continue;
    if (px > -390 && px < -170) continue;  // the name
    porthole(cr, px, 96, 11, s.portholeslit, L, ol * 0.8);
  }
  for (double px : {-350.0, -290.0}) porthole(cr, px, -20, 10, s.portholeslit, L, ol * 0.8);
  // the entry port: its frame, a little pediment with a lantern, the doorway behind the door
  {
    const double dx = widowdoorx, dy = widowdoory;
    poly(cr, {{dx - 44, widowsill + 6}, {dx - 44, dy - 44}, {dx - 30, dy - 62}, {dx + 30, dy - 62}, {dx + 44, dy - 44},
              {dx + 44, widowsill + 6}});
    paint(cr, artmix(wood, pal::bone, 0.35), L, 90, ol);
    poly(cr, {{dx - 50, dy - 46}, {dx, dy - 74}, {dx + 50, dy - 46}});
    paint(cr, s.trim, L, 100, ol * 0.8);
    cairo_rectangle(cr, dx - 32, dy - 38, 64, widowsill - dy + 38);
    if (s.doorway) {
      cairo_pattern_t* g = cairo_pattern_create_linear(0, dy - 38, 0, widowsill);
      cairo_pattern_add_color_stop_rgb(g, 0, 1.0, 0.78, 0.42);
      cairo_pattern_add_color_stop_rgb(g, 1, 0.7, 0.38, 0.2);
      cairo_set_source(cr, g);
      cairo_fill(cr);
      cairo_pattern_destroy(g);
      // the corridor inside: a rug, a hat stand, a framed widow on the wall
      poly(cr, {{dx - 18, widowsill}, {dx - 8, dy + 10}, {dx + 8, dy + 10}, {dx + 18, widowsill}});
      flat(cr, pal::blood, 0, 0.8);
      cairo_rectangle(cr, dx - 8, dy - 26, 16, 20);
      flat(cr, pal::gold, ol * 0.4);
      ellipse(cr, dx, dy - 17, 4, 5);
      flat(cr, rgb{0.2, 0.1, 0.2}, 0);
      tube(cr, {{dx + 22, widowsill}, {dx + 22, dy - 20}}, 3, col::darkwood, L, 1);
      cairo_rectangle(cr, dx - 32, dy - 38, 64, widowsill - dy + 38);
      artsetcolor(cr, pal::ink);
      cairo_set_line_width(cr, ol);
      cairo_stroke(cr);
    } else {
      flat(cr, rgb{0.12, 0.08, 0.14}, ol);
    }
    lantern(cr, dx + 54, dy - 52, 18, s.portholeslit, L, ol * 0.8);
  }
  // the lever's box on the well's rail: brass with a pull plate
  {
    const double lx = widowleverx, ly = widowlevery;
    artroundrect(cr, lx - 18, ly - 8, 40, 34, 4);
    paint(cr, pal::gold, L, 40, ol);
    cairo_rectangle(cr, lx - 3, ly - 9, 6, 6);
    artsetcolor(cr, pal::ink);
    cairo_fill(cr);
    artfont(cr, "sans", 9);
    arttext(cr, "PULL", lx + 2, ly + 14, rgb{0.35, 0.22, 0.1}, 0);
  }
  // signal lamps: dark globes in their cages, red, gold, green and blue
  {
    const double lampx[] = {-20, 5, 27, 47}, lampy[] = {-28, -23, -18, -14};
    const rgb glass[] = {rgb{0.55, 0.2, 0.22}, rgb{0.6, 0.48, 0.2}, rgb{0.22, 0.48, 0.3}, rgb{0.24, 0.32, 0.6}};
    for (int i = 0; i < 4; i++) {
      inkline(cr, {{lampx[i], lampy[i] - 8}, {lampx[i], lampy[i] - 5}}, ol * 0.4);
      ellipse(cr, lampx[i], lampy[i], 6.5, 7.5);
      paint(cr, glass[i], L, 14, ol * 0.6);
      cairo_rectangle(cr, lampx[i] - 4, lampy[i] - 10, 8, 3);
      flat(cr, col::iron, ol * 0.3);
    }
  }
  // ---- the sea at her waterline: foam, and a band of water in front of her keel ----
  if (s.waterband) {
    cairo_save(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, -620, wl - 2);
    for (double x = -620; x <= 620; x += 10) cairo_line_to(cr, x, wl - 2 + 2.5 * std::sin(x * 0.05));
    cairo_line_to(cr, 620, wl + 120);
    cairo_line_to(cr, -620, wl + 120);
    cairo_close_path(cr);
    cairo_clip(cr);
    cairo_push_group(cr);
    cairo_rectangle(cr, -620, wl - 4, 1240, 124);
    artsetcolor(cr, s.sea);
    cairo_fill(cr);
    water(cr, -620, 620, wl - 4, wl + 120, artshade(s.sea, 1.05), artshade(s.sea, 0.92), seed + 30, 0.3);
    // it fades out at both ends ...
    cairo_pattern_t* ends = cairo_pattern_create_linear(-620, 0, 620, 0);
    cairo_pattern_add_color_stop_rgba(ends, 0, 0, 0, 0, 0);
    cairo_pattern_add_color_stop_rgba(ends, 0.12, 0, 0, 0, 1);
    cairo_pattern_add_color_stop_rgba(ends, 0.88, 0, 0, 0, 1);
    cairo_pattern_add_color_stop_rgba(ends, 1, 0, 0, 0, 0);
    cairo_set_operator(cr, CAIRO_OPERATOR_DEST_IN);
    cairo_set_source(cr, ends);
    cairo_paint(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    cairo_pattern_destroy(ends);
    cairo_pattern_t* band = cairo_pop_group(cr);
    // ... and towards its bottom
    cairo_pattern_t* fade = cairo_pattern_create_linear(0, wl, 0, wl + 110);
    cairo_pattern_add_color_stop_rgba(fade, 0, 0, 0, 0, 0.92);
    cairo_pattern_add_color_stop_rgba(fade, 0.55, 0, 0, 0, 0.8);
    cairo_pattern_add_color_stop_rgba(fade, 1, 0, 0, 0, 0);
    cairo_set_source(cr, band);
    cairo_mask(cr, fade);
    cairo_pattern_destroy(fade);
    cairo_pattern_destroy(band);
    cairo_restore(cr);
  }
  // foam where she cuts the water
  rng f(seed + 40);
  for (int i = 0; i < 90; i++) {
    double x = f.range(-400, 590), y = wl + f.range(-2, 6);
    ellipse(cr, x, y, f.range(6, 16), f.range(1.5, 3));
    artsetcolor(cr, rgb{0.92, 0.96, 1.0}, f.range(0.4, 0.85));
    cairo_fill(cr);
  }
  for (int i = 0; i < 30; i++) {  // the bow wave
    double t = f.unit();
    double x = -392 - t * 80 + f.range(-6, 6), y = wl - 8 + t * 14 + f.range(-4, 4);
    ellipse(cr, x, y, f.range(4, 10), f.range(2, 4));
    artsetcolor(cr, rgb{0.95, 0.97, 1.0}, f.range(0.5, 0.9));
    cairo_fill(cr);
  }
}

}  // namespace seakit
