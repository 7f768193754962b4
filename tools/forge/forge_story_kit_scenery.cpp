// The story kit's scenery: trees, houses, lamps, fences, bushes, grass, stones, cobbles.
#include "tools/forge/forge_story_kit.h"
#include <algorithm>
#include <cmath>

namespace storykit {

// ---- trees ----------------------------------------------------------------------------------

void pinetree(cairo_t* cr, double x, double y, double h, uint32_t seed, rgb c, const light& L, double outline) {
  rng r(seed);
  double trunkw = h * 0.045;
  // trunk
  poly(cr, {{x - trunkw, y}, {x - trunkw * 0.5, y - h * 0.9}, {x + trunkw * 0.5, y - h * 0.9}, {x + trunkw, y}});
  paint(cr, col::darkwood, L, trunkw * 2, outline);
  // tiers from the bottom up, each a ragged fan
  int tiers = 5 + int(r.unit() * 2);
  for (int t = 0; t < tiers; t++) {
    double f = double(t) / tiers;
    double ty = y - h * (0.18 + 0.78 * f);
    double tw = h * (0.34 - 0.26 * f) * r.range(0.9, 1.1);
    double th = h * (0.26 - 0.08 * f);
    std::vector<pt> p;
    p.push_back({x + r.range(-2, 2), ty - th});
    int teeth = 4;
    for (int i = 1; i <= teeth; i++) {  // right side down to the tip
      double k = double(i) / teeth;
      p.push_back({x + tw * k * 0.75, ty - th + th * k * 0.85});
      p.push_back({x + tw * k * 0.55, ty - th + th * k * 0.85 + h * 0.015});
    }
    p.push_back({x + tw, ty + th * 0.08});
    for (int i = 1; i < 6; i++) {  // a drooping, fringed bottom edge
      double k = double(i) / 6;
      p.push_back({x + tw - 2 * tw * k, ty + th * 0.08 + (i % 2 ? -th * 0.12 : th * 0.06) * r.range(0.6, 1.2)});
    }
    p.push_back({x - tw, ty + th * 0.06});
    for (int i = teeth; i >= 1; i--) {
      double k = double(i) / teeth;
      p.push_back({x - tw * k * 0.55, ty - th + th * k * 0.85 + h * 0.015});
      p.push_back({x - tw * k * 0.75, ty - th + th * k * 0.85});
    }
    poly(cr, p);
    paint(cr, artshade(c, 0.9 + 0.25 * f), L, tw * 1.6, outline);
  }
}

void leafytree(cairo_t* cr, double x, double y, double h, uint32_t seed, rgb c, const light& L, double outline) {
  rng r(seed);
  double tw = h * 0.055;
  // trunk with a flared foot and two boughs reaching into the crown
  blob(cr, {{x - tw * 2.2, y}, {x - tw * 1.1, y - h * 0.12}, {x - tw * 0.8, y - h * 0.5}, {x - tw * 0.4, y - h * 0.62},
            {x + tw * 0.5, y - h * 0.62}, {x + tw * 0.9, y - h * 0.48}, {x + tw * 1.2, y - h * 0.12},
            {x + tw * 2.4, y}, {x, y + h * 0.01}},
       0.6);
  paint(cr, col::darkwood, L, tw * 2.5, outline);
  tube(cr, {{x - tw * 0.3, y - h * 0.42}, {x - h * 0.1, y - h * 0.56}, {x - h * 0.17, y - h * 0.64}}, tw * 0.7,
       col::darkwood, L, outline);
  tube(cr, {{x + tw * 0.3, y - h * 0.46}, {x + h * 0.09, y - h * 0.6}, {x + h * 0.15, y - h * 0.7}}, tw * 0.6,
       col::darkwood, L, outline);
  // the crown: round lobes around an oval, their union outlined once
  double cx = x + r.range(-0.02, 0.02) * h, cy = y - h * 0.7, rx = h * 0.27, ry = h * 0.22;
  struct lobe {
    double x, y, rad;
  };
  std::vector<lobe> lobes;
  int n = 10;
  for (int i = 0; i < n; i++) {
    double a = 2 * M_PI * (i + r.range(-0.2, 0.2)) / n;
    double rad = h * r.range(0.1, 0.14) * (std::sin(a) > 0.3 ? 0.85 : 1.0);
    lobes.push_back({cx + std::cos(a) * (rx - rad * 0.5), cy + std::sin(a) * (ry - rad * 0.45) * 0.95, rad});
  }
  for (int i = 0; i < 3; i++) lobes.push_back({cx + r.range(-0.3, 0.3) * rx, cy + r.range(-0.4, 0.2) * ry, h * 0.14});
  auto crown = [&](double grow) {
    cairo_new_path(cr);
    for (const lobe& l : lobes) {
      cairo_new_sub_path(cr);
      cairo_arc(cr, l.x, l.y, l.rad + grow, 0, 2 * M_PI);
    }
  };
  cairo_save(cr);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  if (outline > 0) {
    crown(outline * 0.5);
    artsetcolor(cr, pal::ink);
    cairo_fill(cr);
  }
  crown(0);
  cairo_path_t* shape = cairo_copy_path(cr);
  cairo_pattern_t* g = cairo_pattern_create_linear(cx + L.x * rx, cy + L.y * ry, cx - L.x * rx, cy - L.y * ry);
  rgb lit = artshade(c, 1.18), dark = artshade(c, 0.7);
  cairo_pattern_add_color_stop_rgb(g, 0, lit.r, lit.g, lit.b);
  cairo_pattern_add_color_stop_rgb(g, 1, dark.r, dark.g, dark.b);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  cairo_append_path(cr, shape);
  cairo_clip(cr);
  // each lobe rounds itself: a shaded crescent away from the light, a lit patch towards it
  for (const lobe& l : lobes) {
    cairo_new_path(cr);
    cairo_arc(cr, l.x - L.x * l.rad * 0.25, l.y - L.y * l.rad * 0.25, l.rad * 0.95, 0, 2 * M_PI);
    cairo_new_sub_path(cr);
    cairo_arc_negative(cr, l.x + L.x * l.rad * 0.2, l.y + L.y * l.rad * 0.2, l.rad * 0.9, 2 * M_PI, 0);
    artsetcolor(cr, L.shade, L.shadealpha * 0.55);
    cairo_fill(cr);
    glow(cr, l.x + L.x * l.rad * 0.35, l.y + L.y * l.rad * 0.35, l.rad * 0.6, artshade(c, 1.4), 0.3);
  }
  // leaf ticks
  for (int i = 0; i < int(h * 0.25); i++) {
    double lx = cx + r.range(-1, 1) * rx, ly = cy + r.range(-1, 1) * ry;
    cairo_new_path(cr);
    cairo_arc(cr, lx, ly, h * 0.012, M_PI * 1.1, M_PI * 1.9);
    artsetcolor(cr, r.chance(0.5) ? artshade(c, 1.45) : artshade(c, 0.6), 0.55);
    cairo_set_line_width(cr, std::max(1.0, h * 0.005));
    cairo_stroke(cr);
  }
  // a rim of sky light along the lit edge
  cairo_push_group(cr);
  artsetcolor(cr, L.rim);
  cairo_paint(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_DEST_OUT);
  cairo_translate(cr, -L.x * h * 0.02, -L.y * h * 0.02);
  cairo_new_path(cr);
  cairo_append_path(cr, shape);
  cairo_fill(cr);
  cairo_pop_group_to_source(cr);
  cairo_paint_with_alpha(cr, L.rimalpha * 0.7);
  cairo_restore(cr);
  cairo_new_path(cr);
  cairo_path_destroy(shape);
}

void silhouettetree(cairo_t* cr, double x, double y, double h, uint32_t seed, rgb c, bool pine) {
  rng r(seed);
  artsetcolor(cr, c);
  if (pine) {
    double w = h * r.range(0.26, 0.34);
    cairo_move_to(cr, x, y - h);
    int steps = 6;
    for (int i = 1; i <= steps; i++) {
      double k = double(i) / steps;
      cairo_line_to(cr, x + w * k, y - h + h * k * 0.95);
      cairo_line_to(cr, x + w * k * 0.6, y - h + h * k * 0.95 + h * 0.02);
    }
    cairo_line_to(cr, x + h * 0.02, y - h * 0.05);
    cairo_line_to(cr, x + h * 0.02, y);
    cairo_line_to(cr, x - h * 0.02, y);
    cairo_line_to(cr, x - h * 0.02, y - h * 0.05);
    for (int i = steps; i >= 1; i--) {
      double k = double(i) / steps;
      cairo_line_to(cr, x - w * k * 0.6, y - h + h * k * 0.95 + h * 0.02);
      cairo_line_to(cr, x - w * k, y - h + h * k * 0.95);
    }
    cairo_close_path(cr);
    cairo_fill(cr);
  } else {
    cairo_rectangle(cr, x - h * 0.03, y - h * 0.5, h * 0.06, h * 0.5);
    cairo_fill(cr);
    for (int i = 0; i < 6; i++) {
      double cx = x + r.range(-0.18, 0.18) * h, cy = y - h * r.range(0.55, 0.85);
      ellipse(cr, cx, cy, h * r.range(0.12, 0.2), h * r.range(0.1, 0.16));
      cairo_fill(cr);
    }
  }
}

// ---- houses ---------------------------------------------------------------------------------

static void window(cairo_t* cr, double x, double y, double w, double h, bool lit, rgb trim, const light& L,
                   double outline, rng& r) {
  if (lit) glow(cr, x + w / 2, y + h / 2, std::max(w, h) * 1.6, col::windowlit, 0.35);
  // frame
  cairo_rectangle(cr, x - w * 0.1, y - h * 0.08, w * 1.2, h * 1.16);
  paint(cr, trim, L, w, outline);
  cairo_rectangle(cr, x, y, w, h);
  if (lit) {
    cairo_pattern_t* g = cairo_pattern_create_radial(x + w / 2, y + h * 0.7, 0, x + w / 2, y + h * 0.6, h);
    cairo_pattern_add_color_stop_rgb(g, 0, 1.0, 0.93, 0.62);
    cairo_pattern_add_color_stop_rgb(g, 1, col::windowlit.r * 0.85, col::windowlit.g * 0.7, col::windowlit.b * 0.6);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
  } else {
    cairo_pattern_t* g = cairo_pattern_create_linear(x, y, x + w, y + h);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.22, 0.26, 0.45);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.1, 0.1, 0.24);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
  }
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, outline * 0.8);
  cairo_stroke(cr);
  // a curtain or a reflection
  if (lit && r.chance(0.6)) {
    poly(cr, {{x, y}, {x + w * 0.35, y}, {x + w * 0.15, y + h * 0.6}, {x, y + h}});
    artsetcolor(cr, pal::blood, 0.55);
    cairo_fill(cr);
  } else if (!lit) {
    cairo_move_to(cr, x + w * 0.2, y + h * 0.7);
    cairo_line_to(cr, x + w * 0.6, y + h * 0.2);
    artsetcolor(cr, col::moonlight, 0.35);
    cairo_set_line_width(cr, w * 0.1);
    cairo_stroke(cr);
  }
  // muntins
  cairo_move_to(cr, x + w / 2, y);
  cairo_line_to(cr, x + w / 2, y + h);
  cairo_move_to(cr, x, y + h * 0.45);
  cairo_line_to(cr, x + w, y + h * 0.45);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, outline * 0.7);
  cairo_stroke(cr);
  // sill
  cairo_rectangle(cr, x - w * 0.18, y + h, w * 1.36, h * 0.1);
  paint(cr, trim, L, w, outline * 0.8);
}

void townhouse(cairo_t* cr, double x, double y, double w, double h, uint32_t seed, const housestyle& s, const light& L,
               double outline) {
  rng r(seed);
  cairo_save(cr);
  // a little crookedness
  cairo_matrix_t shear;
  cairo_matrix_init(&shear, 1, 0, s.lean, 1, -s.lean * y, 0);
  cairo_transform(cr, &shear);
  double roofh = s.roofkind == 2 ? h * 0.08 : h * (s.roofkind == 1 ? 0.75 : 0.5);
  // chimney behind the roof
  if (s.chimney && s.roofkind != 2) {
    double cx = x + w * r.range(0.6, 0.8);
    cairo_rectangle(cr, cx, y - h - roofh * 0.9, w * 0.1, roofh * 0.7);
    paint(cr, col::brick, L, w * 0.1, outline);
    cairo_rectangle(cr, cx - w * 0.015, y - h - roofh * 0.93, w * 0.13, w * 0.04);
    paint(cr, artshade(col::brick, 0.8), L, w * 0.1, outline);
  }
  // wall
  cairo_rectangle(cr, x, y - h, w, h);
  cairo_path_t* wall = cairo_copy_path(cr);
  paint(cr, s.wall, L, w, 0);
  cairo_save(cr);
  cairo_append_path(cr, wall);
  cairo_clip(cr);
  // plaster dabs or bricks give the wall its texture
  if (r.chance(0.5)) {
    dabs(cr, x, y - h, w, h, artshade(s.wall, 0.85), 0.35, int(w * h / 900) + 4, w * 0.12, seed + 5);
  } else {
    for (double by = y - h + 6; by < y; by += 10)
      for (double bx = x + ((int((by - y) / 10) % 2) ? 0 : 9); bx < x + w; bx += 18)
        if (r.chance(0.18)) {
          cairo_rectangle(cr, bx, by, 16, 8);
          artsetcolor(cr, artshade(s.wall, 0.8), 0.5);
          cairo_fill(cr);
        }
  }
  if (s.timber) {
    artsetcolor(cr, col::darkwood);
    cairo_set_line_width(cr, w * 0.035);
    for (int f = 1; f < s.floors; f++) {
      double fy = y - h * f / s.floors;
      cairo_move_to(cr, x, fy);
      cairo_line_to(cr, x + w, fy);
    }
    cairo_move_to(cr, x + w * 0.04, y - h);
    cairo_line_to(cr, x + w * 0.04, y);
    cairo_move_to(cr, x + w * 0.96, y - h);
    cairo_line_to(cr, x + w * 0.96, y);
    cairo_move_to(cr, x, y - h * 0.55);
    cairo_line_to(cr, x + w * 0.25, y - h);
    cairo_move_to(cr, x + w, y - h * 0.55);
    cairo_line_to(cr, x + w * 0.75, y - h);
    cairo_stroke(cr);
  }
  // the sky lights the wall from above, the street darkens its foot
  cairo_pattern_t* g = cairo_pattern_create_linear(0, y - h, 0, y);
  cairo_pattern_add_color_stop_rgba(g, 0, L.rim.r, L.rim.g, L.rim.b, 0.0);
  cairo_pattern_add_color_stop_rgba(g, 1, pal::ink.r, pal::ink.g, pal::ink.b, 0.3);
  cairo_set_source(cr, g);
  cairo_paint(cr);
  cairo_pattern_destroy(g);
  cairo_restore(cr);
  cairo_append_path(cr, wall);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, outline);
  cairo_stroke(cr);
  cairo_path_destroy(wall);
  // roof
  double over = w * 0.07;
  if (s.roofkind == 2) {
    cairo_rectangle(cr, x - over * 0.5, y - h - roofh, w + over, roofh);
    paint(cr, s.trim, L, w, outline);
  } else {
    double peak = x + w / 2 + r.range(-w * 0.05, w * 0.05);
    std::vector<pt> roof{{x - over, y - h + 2},
                         {peak, y - h - roofh},
                         {x + w + over, y - h + 2},
                         {x + w + over * 0.6, y - h + roofh * 0.1},
                         {x - over * 0.6, y - h + roofh * 0.1}};
    blob(cr, {{x - over, y - h + 4}, {x + w * 0.2, y - h - roofh * 0.38}, {peak, y - h - roofh},
              {x + w * 0.8, y - h - roofh * 0.38}, {x + w + over, y - h + 4}, {x + w / 2, y - h + roofh * 0.06}},
         0.35);
    cairo_path_t* roofpath = cairo_copy_path(cr);
    paint(cr, s.roof, L, w, 0);
    cairo_save(cr);
    cairo_append_path(cr, roofpath);
    cairo_clip(cr);
    // rows of scalloped tiles
    for (double ty = y - h - roofh; ty < y - h + 4; ty += roofh * 0.16) {
      for (double tx = x - over; tx < x + w + over; tx += w * 0.08) {
        cairo_arc(cr, tx + (int((ty - y) / 7) % 2) * w * 0.04, ty, w * 0.045, 0, M_PI);
      }
      artsetcolor(cr, artshade(s.roof, 0.7), 0.55);
      cairo_set_line_width(cr, 1.2);
      cairo_stroke(cr);
    }
    cairo_restore(cr);
    cairo_append_path(cr, roofpath);
    artsetcolor(cr, pal::ink);
    cairo_set_line_width(cr, outline);
    cairo_stroke(cr);
    cairo_path_destroy(roofpath);
    // an attic window
    if (s.roofkind == 1 || r.chance(0.5)) {
      double ax = peak - w * 0.07, ay = y - h - roofh * 0.5;
      window(cr, ax, ay, w * 0.14, roofh * 0.26, r.chance(s.lit), s.trim, L, outline * 0.8, r);
    }
  }
  // windows per floor, a door or a shop front at the bottom
  int cols = std::max(2, int(w / 70));
  for (int f = 0; f < s.floors; f++) {
    double fy = y - h * (f + 1) / s.floors;
    double fh = h / s.floors;
    for (int c = 0; c < cols; c++) {
      double ww = w / cols * 0.48, wh = fh * 0.5;
      double wx = x + w * (c + 0.5) / cols - ww / 2, wy = fy + fh * 0.2;
      if (f == 0) {
        if (s.shop) continue;
        if (c == cols / 2) continue;  // the door's place
      }
      window(cr, wx, wy, ww, wh, r.chance(s.lit), s.trim, L, outline * 0.8, r);
    }
  }
  double fh = h / s.floors;
  if (s.shop) {
    double sx = x + w * 0.08, sw = w * 0.58, sy = y - fh * 0.78;
    window(cr, sx, sy, sw, fh * 0.62, true, s.trim, L, outline, r);
    // striped awning
    std::vector<pt> aw{{sx - w * 0.04, sy - fh * 0.14}, {sx + sw + w * 0.04, sy - fh * 0.14},
                       {sx + sw + w * 0.08, sy + fh * 0.08}, {sx - w * 0.08, sy + fh * 0.08}};
    poly(cr, aw);
    paint(cr, s.awning, L, sw, outline);
    cairo_save(cr);
    poly(cr, aw);
    cairo_clip(cr);
    for (double sx2 = sx - w * 0.1; sx2 < sx + sw + w * 0.1; sx2 += sw / 6) {
      poly(cr, {{sx2, sy - fh * 0.2}, {sx2 + sw / 12, sy - fh * 0.2}, {sx2 + sw / 12 + w * 0.02, sy + fh * 0.1},
                {sx2 + w * 0.02, sy + fh * 0.1}});
      artsetcolor(cr, pal::bone, 0.85);
      cairo_fill(cr);
    }
    cairo_restore(cr);
    // scalloped edge
    for (double sx2 = sx - w * 0.08; sx2 < sx + sw + w * 0.08; sx2 += sw / 12) {
      cairo_new_sub_path(cr);
      cairo_arc(cr, sx2 + sw / 24, sy + fh * 0.08, sw / 24, 0, M_PI);
    }
    paint(cr, s.awning, L, 10, outline * 0.7);
  }
  // the door, with a step and a little lamp above it
  double dw = std::min(w * 0.2, 46.0), dh = fh * 0.72;
  double dx = s.shop ? x + w * 0.74 : x + w * ((cols / 2) + 0.5) / cols - dw / 2;
  cairo_move_to(cr, dx, y);
  cairo_line_to(cr, dx, y - dh + dw / 2);
  cairo_arc(cr, dx + dw / 2, y - dh + dw / 2, dw / 2, M_PI, 2 * M_PI);
  cairo_line_to(cr, dx + dw, y);
  cairo_close_path(cr);
  paint(cr, s.door, L, dw, outline);
  cairo_arc(cr, dx + dw * 0.78, y - dh * 0.45, dw * 0.06, 0, 2 * M_PI);
  artsetcolor(cr, pal::gold);
  cairo_fill(cr);
  cairo_rectangle(cr, dx - dw * 0.15, y - 4, dw * 1.3, 5);
  paint(cr, pal::grey, L, dw, outline * 0.7);
  if (r.chance(s.lit + 0.2)) {
    glow(cr, dx + dw / 2, y - dh - 8, 30, col::lamp, 0.5);
    ellipse(cr, dx + dw / 2, y - dh - 8, 4, 5);
    flat(cr, rgb{1.0, 0.9, 0.6}, outline * 0.5);
  }
  cairo_restore(cr);
}

// ---- street pieces --------------------------------------------------------------------------

void lamppost(cairo_t* cr, double x, double y, double h, bool lit, const light& L, double outline) {
  double w = h * 0.035;
  // base, post, arm
  poly(cr, {{x - w * 2.2, y}, {x - w * 1.6, y - h * 0.08}, {x + w * 1.6, y - h * 0.08}, {x + w * 2.2, y}});
  paint(cr, col::iron, L, w * 4, outline);
  cairo_rectangle(cr, x - w * 0.6, y - h * 0.86, w * 1.2, h * 0.79);
  paint(cr, col::iron, L, w * 2, outline);
  cairo_rectangle(cr, x - w * 1.2, y - h * 0.3, w * 2.4, h * 0.03);
  paint(cr, col::iron, L, w * 2, outline * 0.8);
  // the lantern head
  double ly = y - h * 0.9;
  if (lit) glow(cr, x, ly, h * 0.45, col::lamp, 0.55);
  poly(cr, {{x - w * 2.2, ly - h * 0.06}, {x + w * 2.2, ly - h * 0.06}, {x + w * 1.6, ly + h * 0.05},
            {x - w * 1.6, ly + h * 0.05}});
  if (lit) {
    cairo_pattern_t* g = cairo_pattern_create_radial(x, ly, 0, x, ly, w * 3);
    cairo_pattern_add_color_stop_rgb(g, 0, 1, 1, 0.85);
    cairo_pattern_add_color_stop_rgb(g, 1, col::lamp.r, col::lamp.g * 0.9, col::lamp.b * 0.7);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    artsetcolor(cr, pal::ink);
    cairo_set_line_width(cr, outline);
    cairo_stroke(cr);
  } else {
    paint(cr, rgb{0.3, 0.32, 0.45}, L, w * 4, outline);
  }
  cairo_move_to(cr, x, ly - h * 0.06);
  cairo_line_to(cr, x, ly + h * 0.05);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, outline * 0.6);
  cairo_stroke(cr);
  poly(cr, {{x - w * 2.8, ly - h * 0.06}, {x, ly - h * 0.11}, {x + w * 2.8, ly - h * 0.06}});
  paint(cr, col::iron, L, w * 5, outline);
  cairo_arc(cr, x, ly - h * 0.12, w * 0.6, 0, 2 * M_PI);
  paint(cr, col::iron, L, w, outline * 0.6);
}

void picketfence(cairo_t* cr, double x0, double x1, double y, double h, rgb c, uint32_t seed, const light& L,
                 double outline) {
  rng r(seed);
  double pw = h * 0.16, gap = h * 0.1;
  // rails behind the pickets
  for (int i = 0; i < 2; i++) {
    double ry = y - h * (0.3 + 0.4 * i);
    cairo_rectangle(cr, x0, ry - h * 0.05, x1 - x0, h * 0.1);
    paint(cr, artshade(c, 0.8), L, h * 0.1, outline * 0.8);
  }
  for (double x = x0; x < x1 - pw * 0.5; x += pw + gap) {
    double tall = h * r.range(0.92, 1.06), lean = r.range(-0.05, 0.05) * h;
    poly(cr, {{x, y}, {x + lean, y - tall + pw * 0.5}, {x + pw / 2 + lean, y - tall}, {x + pw + lean, y - tall + pw * 0.5},
              {x + pw, y}});
    paint(cr, artshade(c, r.range(0.9, 1.08)), L, pw * 2, outline);
  }
}

void bush(cairo_t* cr, double x, double y, double w, double h, rgb c, uint32_t seed, const light& L, double outline) {
  rng r(seed);
  std::vector<pt> p;
  int bumps = std::max(7, int(w / 22));
  p.push_back({x + w / 2, y});
  for (int i = 0; i <= bumps; i++) {
    double t = double(i) / bumps;
    double a = M_PI * (1 - t);
    double rr = (i % 2 ? 0.92 : 1.0) * r.range(0.94, 1.04);
    p.push_back({x + std::cos(a) * w / 2 * rr, y - std::sin(a) * h * rr});
  }
  p.push_back({x - w / 2, y});
  blob(cr, p, 0.9);
  paint(cr, c, L, std::max(w, h), outline);
  // leafy ticks inside
  cairo_save(cr);
  blob(cr, p, 0.9);
  cairo_clip(cr);
  for (int i = 0; i < int(w * h / 300) + 3; i++) {
    double lx = x + r.range(-w / 2, w / 2), ly = y - r.range(0, h);
    cairo_arc(cr, lx, ly, r.range(3, 6), M_PI * 1.1, M_PI * 1.9);
    artsetcolor(cr, artshade(c, r.chance(0.5) ? 0.7 : 1.3), 0.6);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
  }
  cairo_restore(cr);
}

void grasstufts(cairo_t* cr, double x0, double x1, double y, double h, rgb c, uint32_t seed, double density) {
  rng r(seed);
  cairo_save(cr);
  for (double x = x0; x < x1; x += r.range(4, 10) / density) {
    double hh = h * r.range(0.5, 1.1), lean = r.range(-0.4, 0.4) * hh;
    rgb k = artshade(c, r.range(0.8, 1.25));
    cairo_move_to(cr, x - 2.2, y);
    cairo_curve_to(cr, x - 1, y - hh * 0.5, x + lean * 0.5, y - hh * 0.8, x + lean, y - hh);
    cairo_curve_to(cr, x + lean * 0.4 + 1, y - hh * 0.6, x + 1.5, y - hh * 0.3, x + 2.2, y);
    cairo_close_path(cr);
    artsetcolor(cr, k);
    cairo_fill(cr);
  }
  cairo_restore(cr);
}

void rock(cairo_t* cr, double x, double y, double w, double h, rgb c, uint32_t seed, const light& L, double outline) {
  rng r(seed);
  std::vector<pt> p;
  int n = 8;
  for (int i = 0; i < n; i++) {
    double a = M_PI + M_PI * i / (n - 1);
    double rr = r.range(0.85, 1.05);
    p.push_back({x + std::cos(a) * w / 2 * rr, y + std::sin(a) * h * rr});
  }
  p.push_back({x + w * 0.45, y});
  p.push_back({x - w * 0.45, y});
  blob(cr, p, 0.8);
  paint(cr, c, L, std::max(w, h), outline);
  // a crack and a tuft of moss
  inkline(cr, {{x - w * 0.1, y - h * 0.7}, {x, y - h * 0.45}, {x - w * 0.05, y - h * 0.25}}, outline * 0.5, 0.5);
  ellipse(cr, x - w * 0.2, y - h * 0.9, w * 0.15, h * 0.08);
  artsetcolor(cr, pal::moss, 0.7);
  cairo_fill(cr);
}

void cobbles(cairo_t* cr, double x0, double y0, double x1, double y1, rgb c, uint32_t seed) {
  rng r(seed);
  cairo_save(cr);
  cairo_rectangle(cr, x0, y0, x1 - x0, y1 - y0);
  cairo_clip(cr);
  // dark mortar first; the stones sit in it with small gaps
  artsetcolor(cr, artshade(c, 0.45));
  cairo_paint(cr);
  double y = y0;
  while (y < y1) {
    double t = (y - y0) / std::max(1.0, y1 - y0);
    double sh = 5 + 18 * t, gap = 1 + 2.2 * t;
    double x = x0 - r.range(0, sh * 2);
    while (x < x1) {
      double sw = sh * r.range(1.3, 2.2);
      double cw = sw - gap, ch = sh - gap;
      double jy = r.range(-0.6, 0.6) * gap;
      artroundrect(cr, x, y + jy, cw, ch, ch * r.range(0.35, 0.5));
      rgb k = artshade(c, r.range(0.86, 1.08));
      cairo_pattern_t* g = cairo_pattern_create_linear(0, y, 0, y + sh);
      rgb top = artshade(k, 1.12);
      cairo_pattern_add_color_stop_rgb(g, 0, top.r, top.g, top.b);
      cairo_pattern_add_color_stop_rgb(g, 1, k.r * 0.78, k.g * 0.78, k.b * 0.78);
      cairo_set_source(cr, g);
      cairo_fill(cr);
      cairo_pattern_destroy(g);
      // a glint of sky on the stone's upper edge
      cairo_move_to(cr, x + cw * 0.25, y + jy + ch * 0.2);
      cairo_line_to(cr, x + cw * 0.7, y + jy + ch * 0.2);
      artsetcolor(cr, artshade(k, 1.35), 0.35);
      cairo_set_line_width(cr, 0.6 + t);
      cairo_stroke(cr);
      x += sw;
    }
    y += sh;
  }
  cairo_restore(cr);
}

void pumpkin(cairo_t* cr, double x, double y, double w, bool lit, const light& L) {
  double s = w / 50, ol = std::max(1.5, w * 0.05);
  if (lit) glow(cr, x, y - w * 0.4, w * 1.4, pal::pumpkin, 0.4);
  tube(cr, {{x, y - w * 0.72}, {x + w * 0.05, y - w * 0.88}, {x + w * 0.16, y - w * 0.92}}, w * 0.09, pal::moss, L, ol);
  const double lobes[] = {-17, 17, -8, 8, 0};
  for (double lx : lobes) {
    ellipse(cr, x + lx * s, y - w * 0.38, (21 - std::fabs(lx) * 0.3) * s, w * 0.38);
    paint(cr, pal::pumpkin, L, w * 0.7, ol);
  }
  if (lit) {
    rgb fire{1.0, 0.92, 0.45};
    poly(cr, {{x - 14 * s, y - w * 0.5}, {x - 6 * s, y - w * 0.5}, {x - 10 * s, y - w * 0.65}});
    poly(cr, {{x + 14 * s, y - w * 0.5}, {x + 6 * s, y - w * 0.5}, {x + 10 * s, y - w * 0.65}});
    artsetcolor(cr, fire);
    cairo_fill(cr);
    cairo_move_to(cr, x - 15 * s, y - w * 0.34);
    cairo_curve_to(cr, x - 8 * s, y - w * 0.16, x + 8 * s, y - w * 0.16, x + 15 * s, y - w * 0.34);
    cairo_curve_to(cr, x + 8 * s, y - w * 0.26, x - 8 * s, y - w * 0.26, x - 15 * s, y - w * 0.34);
    cairo_close_path(cr);
    flat(cr, fire, ol * 0.6);
  }
}

}  // namespace storykit
