#include "tools/forge/forge_pictures_ui_kit.h"
#include <cmath>

namespace uikit {

void quadto(cairo_t* cr, double x1, double y1, double x2, double y2) {
  double x0, y0;
  cairo_get_current_point(cr, &x0, &y0);
  cairo_curve_to(cr, x0 + 2.0 / 3 * (x1 - x0), y0 + 2.0 / 3 * (y1 - y0), x2 + 2.0 / 3 * (x1 - x2), y2 + 2.0 / 3 * (y1 - y2), x2, y2);
}

void softshadow(cairo_t* cr, double x, double y, double w, double h, double r, double alpha, double reach) {
  // Half the reach is the drop, half the blur: the shadow ends reach pixels below the shape.
  artroundrect(cr, x + 1, y + 1, w - 2, h - 1, r);
  artsoft(cr, 0, reach * 0.5 / 2.4, 0, reach * 0.5, pal::ink, alpha);
}

void pill(cairo_t* cr, double x, double y, double w, double h, rgb base, double outline, double reach) {
  double r = h * 0.42;
  softshadow(cr, x, y, w, h, r, 0.5, reach);
  // Dark rim under the face gives the button its thickness.
  artroundrect(cr, x, y + 3, w, h - 3, r);
  artsetcolor(cr, artshade(base, 0.45));
  cairo_fill(cr);
  artroundrect(cr, x, y, w, h - 5, r);
  artfilloutline(cr, artshade(base, 1.35), artshade(base, 0.82), y, y + h - 5, 0);
  // Gloss on the upper half.
  artroundrect(cr, x + h * 0.22, y + 4, w - h * 0.44, (h - 5) * 0.38, r * 0.6);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, y + 4, 0, y + 4 + (h - 5) * 0.38);
  cairo_pattern_add_color_stop_rgba(g, 0, 1, 1, 1, 0.55);
  cairo_pattern_add_color_stop_rgba(g, 1, 1, 1, 1, 0.05);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  artroundrect(cr, x, y, w, h, r);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, outline);
  cairo_stroke(cr);
}

void rivet(cairo_t* cr, double x, double y, double r) {
  cairo_arc(cr, x, y, r, 0, 2 * M_PI);
  cairo_pattern_t* g = cairo_pattern_create_radial(x - r * 0.4, y - r * 0.4, 0, x, y, r);
  cairo_pattern_add_color_stop_rgb(g, 0, 1, 0.95, 0.7);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.62, 0.42, 0.12);
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
}

void cobweb(cairo_t* cr, double x, double y, double size, int corner) {
  double sx = (corner & 1) ? -1 : 1, sy = (corner & 2) ? -1 : 1;
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, sx, sy);
  artsetcolor(cr, pal::bone, 0.45);
  cairo_set_line_width(cr, 1.3);
  for (int i = 0; i <= 4; i++) {
    double a = i * M_PI / 8;
    cairo_move_to(cr, 0, 0);
    cairo_line_to(cr, size * std::cos(a), size * std::sin(a));
  }
  cairo_stroke(cr);
  for (int k = 1; k <= 3; k++) {
    double rr = size * k / 3.6;
    cairo_move_to(cr, rr, 0);
    for (int i = 1; i <= 4; i++) {
      double a0 = (i - 1) * M_PI / 8, a1 = i * M_PI / 8, am = (a0 + a1) / 2;
      cairo_curve_to(cr, rr * 0.8 * std::cos(am), rr * 0.8 * std::sin(am), rr * 0.8 * std::cos(am),
                     rr * 0.8 * std::sin(am), rr * std::cos(a1), rr * std::sin(a1));
    }
  }
  cairo_stroke(cr);
  cairo_restore(cr);
}

void panel(cairo_t* cr, double x, double y, double w, double h, double r, rgb face, rgb face2, rgb rim, double reach) {
  softshadow(cr, x, y, w, h, r, 0.55, reach);
  artroundrect(cr, x, y, w, h, r);
  artfilloutline(cr, artshade(rim, 1.25), artshade(rim, 0.7), y, y + h, 5);
  double m = std::fmin(14.0, std::fmin(w, h) * 0.12);
  artroundrect(cr, x + m, y + m, w - 2 * m, h - 2 * m, std::fmax(r - m * 0.6, 4));
  cairo_pattern_t* g = cairo_pattern_create_radial(x + w / 2, y + h * 0.35, 10, x + w / 2, y + h / 2, std::fmax(w, h) * 0.7);
  cairo_pattern_add_color_stop_rgb(g, 0, face.r, face.g, face.b);
  cairo_pattern_add_color_stop_rgb(g, 1, face2.r, face2.g, face2.b);
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  artsetcolor(cr, pal::ink, 0.85);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  // A thin light line just inside the rim.
  artroundrect(cr, x + 3, y + 3, w - 6, h - 6, r - 2);
  artsetcolor(cr, pal::bone, 0.35);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
}

void sky(cairo_t* cr, double w, double h, rgb top, rgb bottom, uint32_t seed, int stars, double starband) {
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, h);
  cairo_pattern_add_color_stop_rgb(g, 0, top.r, top.g, top.b);
  rgb mid = artmix(top, bottom, 0.55);
  cairo_pattern_add_color_stop_rgb(g, 0.55, mid.r, mid.g, mid.b);
  cairo_pattern_add_color_stop_rgb(g, 1, bottom.r, bottom.g, bottom.b);
  cairo_set_source(cr, g);
  cairo_rectangle(cr, 0, 0, w, h);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  prng rnd(seed);
  for (int i = 0; i < stars; i++) {
    double sx = rnd.range(0, w), sy = rnd.range(0, starband) * rnd.unit();
    double r = rnd.range(0.6, 1.8);
    double a = rnd.range(0.35, 0.95) * (1 - sy / (starband + 1) * 0.7);
    artsetcolor(cr, pal::bone, a);
    cairo_arc(cr, sx, sy, r, 0, 2 * M_PI);
    cairo_fill(cr);
    if (r > 1.6) {  // a few twinkle crosses
      cairo_set_line_width(cr, 1);
      artsetcolor(cr, pal::bone, a * 0.6);
      cairo_move_to(cr, sx - 5, sy);
      cairo_line_to(cr, sx + 5, sy);
      cairo_move_to(cr, sx, sy - 5);
      cairo_line_to(cr, sx, sy + 5);
      cairo_stroke(cr);
    }
  }
}

void moon(cairo_t* cr, double x, double y, double r, rgb c) {
  artglow(cr, x, y, r * 3.2, artshade(c, 1.1), 0.35);
  cairo_arc(cr, x, y, r, 0, 2 * M_PI);
  cairo_pattern_t* g = cairo_pattern_create_radial(x - r * 0.3, y - r * 0.3, r * 0.1, x, y, r);
  cairo_pattern_add_color_stop_rgb(g, 0, 1, 0.99, 0.92);
  cairo_pattern_add_color_stop_rgb(g, 1, c.r, c.g, c.b);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  const double cx[] = {-0.35, 0.3, 0.1, -0.1, 0.45}, cy[] = {-0.2, 0.25, -0.45, 0.45, -0.05},
               cs[] = {0.22, 0.16, 0.12, 0.1, 0.08};
  for (int i = 0; i < 5; i++) {
    cairo_arc(cr, x + cx[i] * r, y + cy[i] * r, cs[i] * r, 0, 2 * M_PI);
    artsetcolor(cr, artshade(c, 0.8), 0.45);
    cairo_fill(cr);
  }
}

double hillheight(double x, double base, double amp, double phase, double wave) {
  return base - amp * (0.6 * std::sin(x / wave + phase) + 0.3 * std::sin(x / (wave * 0.47) + phase * 2.3) +
                       0.1 * std::sin(x / (wave * 0.21) + phase * 4.1));
}

void hill(cairo_t* cr, double w, double h, double base, double amp, double phase, double wave, rgb top, rgb bottom,
          double outline) {
  cairo_new_path(cr);
  cairo_move_to(cr, -10, h + 10);
  for (double x = -10; x <= w + 10; x += 6) cairo_line_to(cr, x, hillheight(x, base, amp, phase, wave));
  cairo_line_to(cr, w + 10, h + 10);
  cairo_close_path(cr);
  artfilloutline(cr, top, bottom, base - amp, h, outline);
}

void tombstone(cairo_t* cr, double x, double y, double s, double tilt, int kind) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, tilt * M_PI / 180);
  cairo_scale(cr, s, s);
  cairo_new_path(cr);
  if (kind == 1) {  // a cross
    cairo_rectangle(cr, -6, -62, 12, 64);
    cairo_rectangle(cr, -22, -48, 44, 11);
  } else if (kind == 2) {  // a slim obelisk
    cairo_move_to(cr, -13, 2);
    cairo_line_to(cr, -10, -58);
    cairo_line_to(cr, 0, -72);
    cairo_line_to(cr, 10, -58);
    cairo_line_to(cr, 13, 2);
    cairo_close_path(cr);
  } else {  // the classic rounded stone
    cairo_move_to(cr, -22, 2);
    cairo_line_to(cr, -22, -32);
    cairo_arc(cr, 0, -32, 22, M_PI, 2 * M_PI);
    cairo_line_to(cr, 22, 2);
    cairo_close_path(cr);
  }
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  artfilloutline(cr, artshade(pal::grey, 1.15), artshade(pal::grey, 0.6), -70, 2, 3.5);
  if (kind == 0) {  // "RIP"-free friendly stone: a carved little skull-less cross and some moss
    artsetcolor(cr, pal::ink, 0.55);
    cairo_set_line_width(cr, 3);
    cairo_move_to(cr, 0, -40);
    cairo_line_to(cr, 0, -18);
    cairo_move_to(cr, -8, -32);
    cairo_line_to(cr, 8, -32);
    cairo_stroke(cr);
    artsetcolor(cr, pal::moss, 0.9);
    cairo_arc(cr, -16, 0, 7, M_PI, 2 * M_PI);
    cairo_arc(cr, -7, 0, 5, M_PI, 2 * M_PI);
    cairo_fill(cr);
  }
  cairo_restore(cr);
}

void pumpkin(cairo_t* cr, double x, double y, double s, bool lit, double glow) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, s, s);
  if (lit && glow > 0) artglow(cr, 0, -22, 70 * glow, pal::pumpkin, 0.35);
  // stem
  cairo_move_to(cr, -3, -40);
  cairo_curve_to(cr, -2, -52, 4, -56, 10, -56);
  cairo_line_to(cr, 9, -50);
  cairo_curve_to(cr, 5, -49, 4, -45, 4, -40);
  cairo_close_path(cr);
  artfilloutline(cr, pal::moss, artshade(pal::moss, 0.6), -56, -40, 3);
  const double lobes[] = {-20, 20, -9, 9, 0};
  for (double lx : lobes) {
    cairo_save(cr);
    cairo_translate(cr, lx, -21);
    cairo_scale(cr, 1, 0.86);
    cairo_arc(cr, 0, 0, 24 - std::fabs(lx) * 0.25, 0, 2 * M_PI);
    cairo_restore(cr);
    artfilloutline(cr, artshade(pal::pumpkin, 1.2), artshade(pal::pumpkin, 0.62), -42, 0, 3);
  }
  if (lit) {  // a friendly grin
    rgb fire{1.0, 0.9, 0.35};
    artsetcolor(cr, fire);
    cairo_move_to(cr, -16, -30);
    cairo_line_to(cr, -7, -30);
    cairo_line_to(cr, -11.5, -38);
    cairo_close_path(cr);
    cairo_move_to(cr, 16, -30);
    cairo_line_to(cr, 7, -30);
    cairo_line_to(cr, 11.5, -38);
    cairo_close_path(cr);
    cairo_fill(cr);
    cairo_move_to(cr, -18, -19);
    cairo_curve_to(cr, -10, -8, 10, -8, 18, -19);
    cairo_curve_to(cr, 10, -14, -10, -14, -18, -19);
    cairo_close_path(cr);
    cairo_fill_preserve(cr);
    artsetcolor(cr, pal::ink);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
  }
  cairo_restore(cr);
}

static void branch(cairo_t* cr, prng& rnd, double x, double y, double len, double ang, double width, int depth) {
  double x2 = x + len * std::cos(ang), y2 = y + len * std::sin(ang);
  double bend = rnd.range(-0.5, 0.5);
  cairo_move_to(cr, x, y);
  cairo_curve_to(cr, x + len * 0.5 * std::cos(ang + bend), y + len * 0.5 * std::sin(ang + bend),
                 x + len * 0.8 * std::cos(ang - bend * 0.5), y + len * 0.8 * std::sin(ang - bend * 0.5), x2, y2);
  cairo_set_line_width(cr, width);
  cairo_stroke(cr);
  if (depth <= 0) {  // a curl at the tip
    cairo_arc(cr, x2 + 4 * std::cos(ang + 1.5), y2 + 4 * std::sin(ang + 1.5), 4, ang - 1.5, ang + 2.5);
    cairo_set_line_width(cr, std::fmax(width * 0.7, 1.2));
    cairo_stroke(cr);
    return;
  }
  int n = 2 + (rnd.next() % 2);
  for (int i = 0; i < n; i++)
    branch(cr, rnd, x2, y2, len * rnd.range(0.55, 0.75), ang + rnd.range(-0.8, 0.8), width * 0.62, depth - 1);
}

void tree(cairo_t* cr, double x, double y, double s, uint32_t seed, rgb c) {
  prng rnd(seed);
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, s, s);
  artsetcolor(cr, c);
  // trunk
  cairo_move_to(cr, -16, 0);
  cairo_curve_to(cr, -8, -30, -12, -60, -4, -100);
  cairo_line_to(cr, 6, -100);
  cairo_curve_to(cr, 8, -60, 6, -30, 18, 0);
  cairo_close_path(cr);
  cairo_fill(cr);
  branch(cr, rnd, 0, -98, 50, -M_PI / 2 - 0.5, 9, 3);
  branch(cr, rnd, 0, -98, 48, -M_PI / 2 + 0.55, 9, 3);
  branch(cr, rnd, -2, -70, 40, -M_PI + 0.5, 7, 2);
  branch(cr, rnd, 3, -60, 38, -0.4, 7, 2);
  cairo_restore(cr);
}

void bat(cairo_t* cr, double x, double y, double s) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, s, s);
  cairo_new_path(cr);
  cairo_move_to(cr, 0, -6);
  cairo_curve_to(cr, -10, -16, -24, -16, -34, -8);
  cairo_curve_to(cr, -28, -6, -26, -2, -27, 3);
  cairo_curve_to(cr, -22, 0, -18, 0, -15, 4);
  cairo_curve_to(cr, -12, 1, -8, 1, -5, 6);
  cairo_line_to(cr, 0, 8);
  cairo_line_to(cr, 5, 6);
  cairo_curve_to(cr, 8, 1, 12, 1, 15, 4);
  cairo_curve_to(cr, 18, 0, 22, 0, 27, 3);
  cairo_curve_to(cr, 26, -2, 28, -6, 34, -8);
  cairo_curve_to(cr, 24, -16, 10, -16, 0, -6);
  cairo_close_path(cr);
  artsetcolor(cr, pal::ink);
  cairo_fill(cr);
  // ears and eyes
  cairo_move_to(cr, -5, -5);
  cairo_line_to(cr, -4, -12);
  cairo_line_to(cr, -1, -6);
  cairo_move_to(cr, 5, -5);
  cairo_line_to(cr, 4, -12);
  cairo_line_to(cr, 1, -6);
  cairo_fill(cr);
  artsetcolor(cr, pal::gold);
  cairo_arc(cr, -2.2, -2, 1.3, 0, 2 * M_PI);
  cairo_arc(cr, 2.2, -2, 1.3, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_restore(cr);
}

void ghost(cairo_t* cr, double x, double y, double s) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, s, s);
  artglow(cr, 0, -10, 60, pal::mint, 0.25);
  cairo_new_path(cr);
  cairo_move_to(cr, -22, 20);
  cairo_line_to(cr, -22, -12);
  cairo_arc(cr, 0, -12, 22, M_PI, 2 * M_PI);
  cairo_line_to(cr, 22, 20);
  for (int i = 0; i < 4; i++) {
    double x0 = 22 - i * 11;
    cairo_curve_to(cr, x0 - 3, 14, x0 - 8, 14, x0 - 11, 20);
  }
  cairo_close_path(cr);
  artsetcolor(cr, pal::bone, 0.92);
  cairo_fill_preserve(cr);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  cairo_arc(cr, -8, -14, 4, 0, 2 * M_PI);
  cairo_arc(cr, 8, -14, 4, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_save(cr);
  cairo_translate(cr, 0, -2);
  cairo_scale(cr, 1, 1.3);
  cairo_arc(cr, 0, 0, 3.5, 0, 2 * M_PI);
  cairo_restore(cr);
  cairo_fill(cr);
  artsetcolor(cr, rgb{1.0, 0.6, 0.7}, 0.6);
  cairo_arc(cr, -14, -5, 3.5, 0, 2 * M_PI);
  cairo_arc(cr, 14, -5, 3.5, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_restore(cr);
}

void grass(cairo_t* cr, double x0, double x1, double w, double base, double amp, double phase, double wave, rgb c,
           uint32_t seed) {
  (void)w;
  prng rnd(seed);
  artsetcolor(cr, c);
  for (double x = x0; x < x1; x += rnd.range(3, 8)) {
    double y = hillheight(x, base, amp, phase, wave) + 3;
    double hgt = rnd.range(6, 16), lean = rnd.range(-5, 5);
    cairo_move_to(cr, x - 2.5, y);
    quadto(cr, x + lean * 0.3, y - hgt * 0.6, x + lean, y - hgt);
    quadto(cr, x + lean * 0.3 + 1, y - hgt * 0.5, x + 2.5, y);
    cairo_close_path(cr);
  }
  cairo_fill(cr);
}

void mist(cairo_t* cr, double w, double y, double thick, rgb c, double alpha, uint32_t seed) {
  prng rnd(seed);
  for (int i = 0; i < 18; i++) {
    double cx = rnd.range(-50, w + 50), cy = y + rnd.range(-thick * 0.4, thick * 0.4);
    double rx = rnd.range(120, 260);
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx / thick, 1);
    cairo_pattern_t* g = cairo_pattern_create_radial(0, 0, 0, 0, 0, thick);
    cairo_pattern_add_color_stop_rgba(g, 0, c.r, c.g, c.b, alpha);
    cairo_pattern_add_color_stop_rgba(g, 1, c.r, c.g, c.b, 0);
    cairo_set_source(cr, g);
    cairo_arc(cr, 0, 0, thick, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    cairo_restore(cr);
  }
}

void vignette(cairo_t* cr, double w, double h, double alpha) {
  cairo_save(cr);
  cairo_translate(cr, w / 2, h / 2);
  cairo_scale(cr, w / h, 1);
  cairo_pattern_t* g = cairo_pattern_create_radial(0, 0, h * 0.35, 0, 0, h * 0.78);
  cairo_pattern_add_color_stop_rgba(g, 0, pal::ink.r, pal::ink.g, pal::ink.b, 0);
  cairo_pattern_add_color_stop_rgba(g, 1, pal::ink.r, pal::ink.g, pal::ink.b, alpha);
  cairo_set_source(cr, g);
  cairo_paint(cr);
  cairo_pattern_destroy(g);
  cairo_restore(cr);
}

void board(cairo_t* cr, double x, double y, double w, double h, double r, rgb slate, uint32_t seed, double frame) {
  softshadow(cr, x, y, w, h, r, 0.5, 5);
  // the wooden frame with a light bevel on its upper edge
  artroundrect(cr, x, y, w, h, r);
  artfilloutline(cr, rgb{0.5, 0.32, 0.22}, rgb{0.3, 0.18, 0.12}, y, y + h, 3.5);
  artroundrect(cr, x + 2.5, y + 2.5, w - 5, h - 5, r - 2);
  artsetcolor(cr, rgb{0.8, 0.6, 0.42}, 0.45);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  // the slate inside, darker toward its rim, a few chalk smudges
  double m = frame;
  artroundrect(cr, x + m, y + m, w - 2 * m, h - 2 * m, std::fmax(3, r - m));
  cairo_path_t* inner = cairo_copy_path(cr);
  cairo_pattern_t* g = cairo_pattern_create_radial(x + w / 2, y + h * 0.4, 10, x + w / 2, y + h / 2, std::fmax(w, h) * 0.65);
  cairo_pattern_add_color_stop_rgb(g, 0, slate.r * 1.25, slate.g * 1.25, slate.b * 1.25);
  cairo_pattern_add_color_stop_rgb(g, 1, slate.r * 0.6, slate.g * 0.6, slate.b * 0.6);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  cairo_save(cr);
  cairo_append_path(cr, inner);
  cairo_clip(cr);
  prng rnd(seed);
  for (int i = 0; i < int(w * h / 3000); i++) {
    double sx = rnd.range(x, x + w), sy = rnd.range(y, y + h), sr = rnd.range(6, 22);
    cairo_save(cr);
    cairo_translate(cr, sx, sy);
    cairo_scale(cr, 1.8, 1);
    cairo_arc(cr, 0, 0, sr, 0, 2 * M_PI);
    cairo_restore(cr);
    artsetcolor(cr, pal::bone, rnd.range(0.01, 0.035));
    cairo_fill(cr);
  }
  cairo_restore(cr);
  cairo_append_path(cr, inner);
  artsetcolor(cr, pal::ink, 0.9);
  cairo_set_line_width(cr, 2.5);
  cairo_stroke(cr);
  cairo_append_path(cr, inner);
  cairo_path_destroy(inner);
  cairo_new_path(cr);
  if (m < 6) return;  // a narrow frame leaves the slate's whole face to what lies on it
  artroundrect(cr, x + m + 3, y + m + 3, w - 2 * m - 6, h - 2 * m - 6, std::fmax(2, r - m - 2));
  artsetcolor(cr, pal::gold, 0.45);
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
}

void medallion(cairo_t* cr, double x, double y, double r, rgb c) {
  cairo_arc(cr, x, y + 1.5, r, 0, 2 * M_PI);
  artsetcolor(cr, pal::ink, 0.5);
  cairo_fill(cr);
  cairo_arc(cr, x, y, r, 0, 2 * M_PI);
  artfilloutline(cr, artshade(c, 1.35), artshade(c, 0.7), y - r, y + r, 2);
  cairo_arc(cr, x, y, r * 0.72, 0, 2 * M_PI);
  artsetcolor(cr, artshade(c, 0.75), 0.6);
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
}

}  // namespace uikit
