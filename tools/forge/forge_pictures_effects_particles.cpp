// The particle pictures: glow balls and light glows in nine colours, coloured stars,
// sparkles, the question mark, cartoon splats, card fragments, confetti, fruit pieces,
// feathers, and the leaves and glass shards the story scenes throw about.
#include "tools/forge/forge_pictures_effects_kit.h"

namespace fx {

// Glow ball (drawn with alpha blending, up to 1.2 times its size, over any background):
// a white-hot core in the colour, fading softly to nothing.
void drawglowball(cairo_t* cr, int w, int h, int c) {
  rgb col = fxcolour[c];
  double x = w / 2.0, y = h / 2.0, r = w / 2.0 - 0.5;
  cairo_pattern_t* g = cairo_pattern_create_radial(x, y, 0, x, y, r);
  rgb core = artmix(col, white, 0.85), mid = artmix(col, white, 0.35);
  cairo_pattern_add_color_stop_rgba(g, 0.00, core.r, core.g, core.b, 1.0);
  cairo_pattern_add_color_stop_rgba(g, 0.16, core.r, core.g, core.b, 1.0);
  cairo_pattern_add_color_stop_rgba(g, 0.30, mid.r, mid.g, mid.b, 0.95);
  cairo_pattern_add_color_stop_rgba(g, 0.50, col.r, col.g, col.b, 0.55);
  cairo_pattern_add_color_stop_rgba(g, 0.75, col.r, col.g, col.b, 0.18);
  cairo_pattern_add_color_stop_rgba(g, 1.00, col.r, col.g, col.b, 0.0);
  cairo_set_source(cr, g);
  circle(cr, x, y, r);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
}

// Rotating light glow (added behind the points balls and the bar plants): soft rays,
// long and short in turn, around a round halo. The rays make its turning visible.
// A golden light around a card's outline: rings of rounded rectangles, brightest at the
// card's edge and fading outwards and inwards, for the extra card and the armed stable.
void drawcardglow(cairo_t* cr, int w, int h, int n) {
  rgb col = fxcolour[9];
  const double cw = 96, ch = 142;  // the card it surrounds
  double x0 = (w - cw) / 2, y0 = (h - ch) / 2;
  for (int k = 14; k >= -10; k--) {
    double grow = k, falloff = k >= 0 ? 1.0 - k / 15.0 : 1.0 + k / 11.0;
    artroundrect(cr, x0 - grow, y0 - grow, cw + 2 * grow, ch + 2 * grow, 10 + (grow > 0 ? grow : 0));
    cairo_set_line_width(cr, 2.2);
    artsetcolor(cr, artmix(col, white, k >= -2 && k <= 2 ? 0.5 : 0.0), 0.5 * falloff * falloff);
    cairo_stroke(cr);
  }
}

void drawlightglow(cairo_t* cr, int w, int h, int c) {
  rgb col = fxcolour[c];
  double x = w / 2.0, y = h / 2.0, r = w / 2.0 - 1;
  const int rays = 12;
  for (int k = 0; k < rays; k++) {
    double a = k * tau / rays + 0.13;
    double len = (k % 2 == 0) ? r : r * 0.72, half = (k % 2 == 0) ? 0.085 : 0.11;
    cairo_new_path(cr);
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x + len * std::cos(a - half), y + len * std::sin(a - half));
    cairo_arc(cr, x, y, len, a - half, a + half);
    cairo_close_path(cr);
    cairo_pattern_t* g = cairo_pattern_create_radial(x, y, 0, x, y, len);
    cairo_pattern_add_color_stop_rgba(g, 0.0, col.r, col.g, col.b, 0.75);
    cairo_pattern_add_color_stop_rgba(g, 0.5, col.r, col.g, col.b, 0.30);
    cairo_pattern_add_color_stop_rgba(g, 1.0, col.r, col.g, col.b, 0.0);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
  }
  rgb hot = artmix(col, white, 0.6);
  cairo_pattern_t* g = cairo_pattern_create_radial(x, y, 0, x, y, r * 0.62);
  cairo_pattern_add_color_stop_rgba(g, 0.0, hot.r, hot.g, hot.b, 0.95);
  cairo_pattern_add_color_stop_rgba(g, 0.25, col.r, col.g, col.b, 0.7);
  cairo_pattern_add_color_stop_rgba(g, 0.6, col.r, col.g, col.b, 0.22);
  cairo_pattern_add_color_stop_rgba(g, 1.0, col.r, col.g, col.b, 0.0);
  cairo_set_source(cr, g);
  circle(cr, x, y, r * 0.62);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
}

// A chubby five-pointed star with the ink outline, a shine and a lighter heart.
static void comicstar(cairo_t* cr, double x, double y, double ro, rgb col, double outline) {
  starpath(cr, x, y, ro, ro * 0.5, 5, 0);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, outline * 2);
  cairo_stroke_preserve(cr);
  fillradial(cr, x - ro * 0.2, y - ro * 0.3, ro * 1.1, artmix(col, white, 0.65), artshade(col, 0.8));
  // the inner star, a touch lighter, gives the face a bevel
  starpath(cr, x, y + ro * 0.03, ro * 0.55, ro * 0.28, 5, 0);
  fill(cr, artmix(col, white, 0.3), 0.55);
  // shine on the upper-left arm
  ellipse(cr, x - ro * 0.33, y - ro * 0.12, ro * 0.16, ro * 0.08, -0.6);
  fill(cr, white, 0.85);
  circle(cr, x - ro * 0.08, y - ro * 0.5, ro * 0.06);
  fill(cr, white, 0.8);
}

void drawcolourstar(cairo_t* cr, int w, int h, int c) {
  comicstar(cr, w / 2.0, h / 2.0 + 1.5, w * 0.45, fxcolour[c], 1.6);
}

// The falling star of the extra cards: golden, with a little twinkle beside it.
void drawgoldstar(cairo_t* cr, int w, int h, int) {
  comicstar(cr, w / 2.0, h / 2.0 + 1.5, w * 0.45, pal::gold, 1.6);
  twinklepath(cr, w * 0.80, h * 0.20, w * 0.14, w * 0.015, 0);
  fill(cr, white, 0.95);
}

// A sparkle: a crisp four-pointed twinkle with a smaller diagonal one and a soft halo.
void drawsparkle(cairo_t* cr, int w, int h, int green) {
  double x = w / 2.0, y = h / 2.0, r = w / 2.0 - 3;
  rgb col = green ? rgb{0.40, 1.00, 0.45} : rgb{1.00, 0.86, 0.40};
  rgb rim = green ? rgb{0.10, 0.60, 0.25} : rgb{0.95, 0.55, 0.10};
  artglow(cr, x, y, r * 0.55, col, 0.55);
  twinklepath(cr, x, y, r * 0.62, r * 0.05, M_PI / 4);
  fill(cr, artmix(col, white, 0.35), 0.85);
  twinklepath(cr, x, y, r, r * 0.07, 0);
  cairo_set_line_width(cr, 1.6);
  artsetcolor(cr, rim);
  cairo_stroke_preserve(cr);
  fillradial(cr, x, y, r * 0.9, white, col);
  circle(cr, x, y, r * 0.12);
  fill(cr, white);
}

// The question mark of the random extra: fat, golden, inked.
void drawquestion(cairo_t* cr, int w, int h, int) {
  artglow(cr, w / 2.0, h / 2.0, w / 2.0, pal::mint, 0.45);
  artfont(cr, "round", h * 0.86);
  arttext(cr, "?", w / 2.0, h / 2.0 + 1, pal::gold, h * 0.13);
  // a highlight on the hook, drawn over the fill
  ellipse(cr, w * 0.42, h * 0.27, w * 0.07, h * 0.035, -0.5);
  fill(cr, white, 0.8);
}

// ---------------------------------------------------------------------------------------
// Cut-out particles.

// A cartoon splat for a failed round: a round, bouncy blob with lobes and drops, a
// shine on top. Jam rather than gore.
void drawsplat(cairo_t* cr, int w, int h, int n) {
  fxrand rnd(700 + n);
  double x = w / 2.0, y = h / 2.0, r = w * 0.25;
  rgb top{0.93, 0.20, 0.24}, bottom{0.60, 0.06, 0.14}, line{0.25, 0.03, 0.08};
  std::vector<pt> p;
  int lobes = 8 + n;
  for (int k = 0; k < lobes; k++) {
    double a = k * tau / lobes + rnd.range(-0.12, 0.12);
    double rr = r * (k % 2 ? rnd.range(0.78, 0.9) : rnd.range(1.0, 1.18));
    p.push_back({x + rr * std::cos(a), y + rr * std::sin(a)});
  }
  // a few drops flung out, some still joined by a neck
  std::vector<pt> drops;
  std::vector<double> dropr;
  for (int k = 0; k < 5 + n; k++) {
    double a = rnd.range(0, tau), d = r * rnd.range(1.32, 1.6), rr = r * rnd.range(0.09, 0.2);
    drops.push_back({x + d * std::cos(a), y + d * std::sin(a)});
    dropr.push_back(rr);
  }
  for (int pass = 0; pass < 2; pass++) {  // outlines first, fills over them
    for (size_t k = 0; k < drops.size(); k++) {
      circle(cr, drops[k].x, drops[k].y, dropr[k]);
      if (pass == 0) {
        artsetcolor(cr, line);
        cairo_set_line_width(cr, 5);
        cairo_stroke(cr);
      } else {
        filllinear(cr, 0, y - r * 1.7, 0, y + r * 1.7, top, bottom);
      }
    }
    smoothpath(cr, p);
    if (pass == 0) {
      artsetcolor(cr, line);
      cairo_set_line_width(cr, 6);
      cairo_stroke(cr);
    } else {
      filllinear(cr, 0, y - r * 1.2, 0, y + r * 1.2, top, bottom);
    }
  }
  // shines
  ellipse(cr, x - r * 0.35, y - r * 0.42, r * 0.3, r * 0.14, -0.5);
  fill(cr, white, 0.7);
  circle(cr, x - r * 0.02, y - r * 0.62, r * 0.07);
  fill(cr, white, 0.7);
  for (size_t k = 0; k < drops.size(); k++) {
    circle(cr, drops[k].x - dropr[k] * 0.3, drops[k].y - dropr[k] * 0.35, dropr[k] * 0.3);
    fill(cr, white, 0.6);
  }
}

// Card fragments: bone-white pieces of a card with torn edges and the ink outline.
// 1: a top corner with a red heart, 2: a torn middle with a black spade, 3: a piece of
// the purple card back with its lattice.
// Card fragments: pieces of a card torn in three, each with some of the card's own straight
// edge and rounded corner, the rest a gently ragged tear (a few soft teeth, never spikes),
// and a piece of what was printed there. The thick ink rim and the rounded joins keep the
// piece's edge smooth when the game spins it.
void drawcardpart(cairo_t* cr, int w, int h, int n) {
  fxrand rnd(800 + n);
  std::vector<pt> p;
  double m = 6, r = 9;
  auto corner = [&](double cx, double cy, double a0) {  // a rounded card corner, 90 degrees from a0
    for (int k = 0; k <= 6; k++) {
      double a = a0 + k * (M_PI / 2) / 6;
      p.push_back({cx + r * std::cos(a), cy + r * std::sin(a)});
    }
  };
  if (n == 1) {
    // the top-left corner of the ace of hearts, torn off along a wavy diagonal
    p.push_back({m, h - m - 14});
    corner(m + r, m + r, M_PI);
    p.push_back({w - m - 6, m});
    tornedge(p, {w - m - 6, m}, {w * 0.55, h * 0.45}, 4, 1.6, rnd);
    tornedge(p, {w * 0.55, h * 0.45}, {m, h - m - 14}, 5, 1.6, rnd);
  } else if (n == 2) {
    // a piece from the middle: two straight cuts across, two ragged tears
    p.push_back({m + 6, m + 4});
    p.push_back({w - m - 4, m + 12});
    tornedge(p, {w - m - 4, m + 12}, {w - m - 10, h - m - 2}, 4, 1.5, rnd);
    p.push_back({m, h - m - 12});
    tornedge(p, {m, h - m - 12}, {m + 6, m + 4}, 4, 1.5, rnd);
  } else {
    // a piece of a card back: the card's right edge and its lower corner, torn on two sides
    p.push_back({w - m, m + 4});
    p.push_back({w - m, h - m - r});
    corner(w - m - r, h - m - r, 0);
    p.push_back({m + 10, h - m});
    tornedge(p, {m + 10, h - m}, {m + 4, h * 0.42}, 4, 1.6, rnd);
    tornedge(p, {m + 4, h * 0.42}, {w - m, m + 4}, 5, 1.6, rnd);
  }
  polygon(cr, p);
  cairo_save(cr);
  cairo_clip_preserve(cr);
  if (n == 3) {
    rgb back{0.30, 0.16, 0.44};  // the purple card back with its gold trim and stars
    fillpreserve(cr, back);
    cairo_new_path(cr);
    for (int k = 0; k < 8; k++) {
      starpath(cr, rnd.range(m, w - m), rnd.range(m, h - m), rnd.range(1.4, 2.4), 0.7, 4, 0);
      fill(cr, pal::gold, rnd.range(0.4, 0.8));
    }
    cairo_new_path(cr);
    artroundrect(cr, m - 40, m - 40 + 6, w - 2 * m + 40 - 6, h - 2 * m + 40 - 12, 5);
    artsetcolor(cr, pal::gold, 0.85);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    starpath(cr, w - m - 12, h - m - 12, 4.5, 1.8, 4, 0);
    fill(cr, pal::gold);
  } else {
    filllinear(cr, 0, 0, w, h, pal::bone, artshade(pal::bone, 0.9));
    if (n == 1) {
      artfont(cr, "sans", 18);
      arttext(cr, "A", m + 10, m + 15, pal::blood, 0);
      heartpath(cr, m + 10, m + 30, 11);
      fill(cr, pal::blood);
      heartpath(cr, w * 0.7, h * 0.62, 30);
      fill(cr, pal::blood);
    } else {
      spadepath(cr, w * 0.52, h * 0.54, 34);
      fill(cr, pal::ink);
      ellipse(cr, w * 0.45, h * 0.46, 4, 2.5, -0.6);
      fill(cr, white, 0.35);
    }
  }
  cairo_restore(cr);
  polygon(cr, p);
  inkstroke(cr, 3);
}

// Confetti: little paper pieces in many colours, each with a thin ink line and a fold.
void drawconfetti(cairo_t* cr, int w, int h, int n) {
  const rgb colours[6] = {
      {}, {1.0, 0.40, 0.72}, {0.26, 0.84, 0.86}, {1.0, 0.85, 0.25}, {0.50, 0.90, 0.36}, {0.70, 0.48, 1.0}};
  rgb col = colours[n];
  double x = w / 2.0, y = h / 2.0;
  if (n == 3) {  // a curly streamer
    cairo_translate(cr, x, y);
    cairo_scale(cr, 0.8, 0.8);
    cairo_translate(cr, -x, -y);
    cairo_new_path(cr);
    cairo_move_to(cr, x - 8, y - 7);
    cairo_curve_to(cr, x + 2, y - 11, x + 4, y - 1, x - 2, y);
    cairo_curve_to(cr, x - 8, y + 1, x - 4, y + 11, x + 7, y + 7);
    cairo_set_line_width(cr, 6.5);
    artsetcolor(cr, pal::ink);
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, 4);
    artsetcolor(cr, col);
    cairo_stroke(cr);
    return;
  }
  if (n == 5) {  // a little star
    starpath(cr, x, y + 0.5, w * 0.42, w * 0.2, 5, 0.2);
    artsetcolor(cr, pal::ink);
    cairo_set_line_width(cr, 2);
    cairo_stroke_preserve(cr);
    fill(cr, col);
    return;
  }
  double rw = n == 4 ? 6.5 : 5.5, rh = 8, a = (n - 2) * 0.35;
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, a);
  cairo_new_path(cr);
  if (n == 4)
    cairo_arc(cr, 0, 0, rw, 0, tau);  // a round dot
  else
    artroundrect(cr, -rw, -rh, rw * 2, rh * 2, 1.5);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 1.8);
  cairo_stroke_preserve(cr);
  filllinear(cr, -rw, 0, rw, 0, artmix(col, white, 0.35), artshade(col, 0.8));
  cairo_rectangle(cr, -rw + 1.5, -rh * 0.15, rw * 2 - 3, 2);  // the fold
  fill(cr, white, 0.35);
  cairo_restore(cr);
}

// Fruit pieces from a fruit cover cut open by the ninja.
void drawfruitpart(cairo_t* cr, int w, int h, int n) {
  double x = w / 2.0, y = h / 2.0;
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, w / 56.0, h / 56.0);  // each piece is laid out in a 56-pixel square
  const double ol = 2.5;
  switch (n) {
    case 1: {  // half an apple: red skin, cream flesh, seeds, stem
      cairo_rotate(cr, -0.25);
      cairo_new_path(cr);
      cairo_move_to(cr, 0, -13);
      cairo_curve_to(cr, 10, -20, 21, -10, 19, 2);
      cairo_curve_to(cr, 18, 14, 8, 20, 0, 16);
      cairo_curve_to(cr, -8, 20, -18, 14, -19, 2);
      cairo_curve_to(cr, -21, -10, -10, -20, 0, -13);
      cairo_close_path(cr);
      artsetcolor(cr, pal::ink);
      cairo_set_line_width(cr, ol * 2);
      cairo_stroke_preserve(cr);
      fillpreserve(cr, {0.86, 0.16, 0.20});
      cairo_save(cr);
      cairo_scale(cr, 0.82, 0.82);
      cairo_translate(cr, 0, 0.5);
      cairo_new_path(cr);
      cairo_move_to(cr, 0, -13);
      cairo_curve_to(cr, 10, -20, 21, -10, 19, 2);
      cairo_curve_to(cr, 18, 14, 8, 20, 0, 16);
      cairo_curve_to(cr, -8, 20, -18, 14, -19, 2);
      cairo_curve_to(cr, -21, -10, -10, -20, 0, -13);
      cairo_close_path(cr);
      cairo_restore(cr);
      fillradial(cr, -3, -3, 18, {1.0, 0.97, 0.85}, {0.96, 0.88, 0.62});
      ellipse(cr, 0, 2, 4.5, 7.5);
      fill(cr, {0.90, 0.78, 0.50});
      ellipse(cr, -1.6, 2, 1.4, 2.4, 0.3);
      fill(cr, {0.35, 0.18, 0.08});
      ellipse(cr, 1.6, 2, 1.4, 2.4, -0.3);
      fill(cr, {0.35, 0.18, 0.08});
      cairo_new_path(cr);
      cairo_move_to(cr, 0, -12);
      cairo_curve_to(cr, 0, -17, 2, -20, 4, -22);
      cairo_set_line_width(cr, 5);
      artsetcolor(cr, pal::ink);
      cairo_stroke_preserve(cr);
      cairo_set_line_width(cr, 2.5);
      artsetcolor(cr, {0.45, 0.28, 0.12});
      cairo_stroke(cr);
      break;
    }
    case 2: {  // an orange wedge: peel rim, juicy segments
      cairo_rotate(cr, 0.3);
      cairo_new_path(cr);
      cairo_arc(cr, 0, -6, 20, 0, M_PI);
      cairo_close_path(cr);
      artsetcolor(cr, pal::ink);
      cairo_set_line_width(cr, ol * 2);
      cairo_stroke_preserve(cr);
      fill(cr, pal::pumpkin);
      cairo_new_path(cr);
      cairo_arc(cr, 0, -6, 16.5, 0, M_PI);
      cairo_close_path(cr);
      fill(cr, {1.0, 0.93, 0.75});
      for (int k = 0; k < 4; k++) {
        double a0 = k * M_PI / 4 + 0.08, a1 = (k + 1) * M_PI / 4 - 0.08;
        cairo_new_path(cr);
        cairo_move_to(cr, 0, -4.5);
        cairo_arc(cr, 0, -6, 14.5, a0, a1);
        cairo_close_path(cr);
        fillradial(cr, 0, -6, 15, {1.0, 0.78, 0.35}, {0.98, 0.55, 0.12});
      }
      ellipse(cr, -7, 0, 2.5, 1.3, 0.8);
      fill(cr, white, 0.75);
      break;
    }
    case 3: {  // a watermelon wedge with seeds
      cairo_rotate(cr, -0.2);
      cairo_new_path(cr);
      cairo_move_to(cr, 0, -18);
      cairo_arc_negative(cr, 0, -36, 52, M_PI / 2 + 0.4, M_PI / 2 - 0.4);
      cairo_close_path(cr);
      artsetcolor(cr, pal::ink);
      cairo_set_line_width(cr, ol * 2);
      cairo_stroke_preserve(cr);
      fill(cr, {0.20, 0.52, 0.20});
      cairo_new_path(cr);
      cairo_move_to(cr, 0, -16);
      cairo_arc_negative(cr, 0, -36, 47, M_PI / 2 + 0.37, M_PI / 2 - 0.37);
      cairo_close_path(cr);
      fill(cr, {0.86, 0.95, 0.70});
      cairo_new_path(cr);
      cairo_move_to(cr, 0, -15);
      cairo_arc_negative(cr, 0, -36, 44.5, M_PI / 2 + 0.36, M_PI / 2 - 0.36);
      cairo_close_path(cr);
      fillradial(cr, 0, -10, 28, {1.0, 0.45, 0.50}, {0.92, 0.20, 0.30});
      const pt seeds[5] = {{-6, -2}, {5, -1}, {0, 5}, {-10, 6}, {10, 6}};
      for (auto& s : seeds) {
        ellipse(cr, s.x, s.y, 1.3, 2.3, s.x * 0.05);
        fill(cr, pal::ink);
      }
      break;
    }
    case 4: {  // a banana chunk, end on: yellow skin round pale flesh
      cairo_rotate(cr, 0.5);
      cairo_new_path(cr);
      cairo_move_to(cr, -14, -9);
      cairo_line_to(cr, 8, -12);
      cairo_curve_to(cr, 15, -13, 17, 11, 10, 12);
      cairo_line_to(cr, -12, 11);
      cairo_close_path(cr);
      artsetcolor(cr, pal::ink);
      cairo_set_line_width(cr, ol * 2);
      cairo_stroke_preserve(cr);
      filllinear(cr, 0, -12, 0, 12, {1.0, 0.93, 0.45}, {0.90, 0.70, 0.15});
      ellipse(cr, -13, 1, 7, 10.5);
      artsetcolor(cr, pal::ink);
      cairo_set_line_width(cr, ol * 2);
      cairo_stroke_preserve(cr);
      fill(cr, {0.96, 0.86, 0.30});
      ellipse(cr, -13, 1, 5, 8.3);
      fill(cr, {1.0, 0.97, 0.82});
      for (int k = 0; k < 3; k++) {
        ellipse(cr, -13 + 1.6 * std::cos(k * tau / 3 + 0.5), 1 + 2.6 * std::sin(k * tau / 3 + 0.5), 0.9, 0.9);
        fill(cr, {0.55, 0.40, 0.20});
      }
      cairo_new_path(cr);
      cairo_move_to(cr, -4, -8);
      cairo_line_to(cr, 7, -9.5);
      cairo_set_line_width(cr, 2);
      artsetcolor(cr, white, 0.7);
      cairo_stroke(cr);
      break;
    }
    case 5: {  // half a pear, green skin, pale flesh
      cairo_rotate(cr, 0.35);
      auto pear = [&](double s) {
        cairo_save(cr);
        cairo_scale(cr, s, s);
        cairo_new_path(cr);
        cairo_move_to(cr, 0, -17);
        cairo_curve_to(cr, 7, -17, 7, -7, 11, -1);
        cairo_curve_to(cr, 18, 8, 12, 19, 0, 19);
        cairo_curve_to(cr, -12, 19, -18, 8, -11, -1);
        cairo_curve_to(cr, -7, -7, -7, -17, 0, -17);
        cairo_close_path(cr);
        cairo_restore(cr);
      };
      pear(1);
      artsetcolor(cr, pal::ink);
      cairo_set_line_width(cr, ol * 2);
      cairo_stroke_preserve(cr);
      fill(cr, {0.62, 0.80, 0.22});
      pear(0.84);
      fillradial(cr, -3, 0, 18, {1.0, 0.98, 0.86}, {0.93, 0.92, 0.66});
      ellipse(cr, 0, 6, 4, 5.5);
      fill(cr, {0.86, 0.82, 0.55});
      ellipse(cr, 0, 6, 1.3, 2.4);
      fill(cr, {0.35, 0.18, 0.08});
      cairo_new_path(cr);
      cairo_move_to(cr, 0, 0);
      cairo_line_to(cr, 0, -14);
      cairo_set_line_width(cr, 1.2);
      artsetcolor(cr, {0.86, 0.82, 0.55});
      cairo_stroke(cr);
      break;
    }
    default: {  // a lemon wheel with its segments
      circle(cr, 0, 0, 19);
      artsetcolor(cr, pal::ink);
      cairo_set_line_width(cr, ol * 2);
      cairo_stroke_preserve(cr);
      fill(cr, {0.98, 0.86, 0.18});
      circle(cr, 0, 0, 15.5);
      fill(cr, {1.0, 0.97, 0.80});
      for (int k = 0; k < 8; k++) {
        double a0 = k * tau / 8 + 0.07, a1 = (k + 1) * tau / 8 - 0.07;
        cairo_new_path(cr);
        cairo_move_to(cr, 1.6 * std::cos((a0 + a1) / 2), 1.6 * std::sin((a0 + a1) / 2));
        cairo_arc(cr, 0, 0, 13.5, a0, a1);
        cairo_close_path(cr);
        fillradial(cr, 0, 0, 14, {1.0, 0.98, 0.60}, {0.98, 0.86, 0.25});
      }
      ellipse(cr, -6, -7, 3, 1.5, -0.7);
      fill(cr, white, 0.8);
    }
  }
  cairo_restore(cr);
}

// Feathers: a curved quill and a vane with a couple of splits, in a few bird colours.
// 2 is the crow's (the chapter-2 crow drops it): blue-black with a violet sheen.
static void featherpath(cairo_t* cr, double len, double top, double bottom, double cutup, double cutdown) {
  // base of the vane at x = -0.32 len, tip at x = +0.5 len; the quill runs along y = 0
  double x0 = -0.32 * len, x1 = 0.5 * len, span = x1 - x0;
  auto side = [&](double dir, double wid, double cut) {
    // from the base out to the tip along one side, with one split cut in towards the quill
    double xc = x0 + span * cut;
    cairo_curve_to(cr, x0 + span * 0.05, dir * wid * 0.9, xc - span * 0.18, dir * wid * 1.05, xc, dir * wid);
    cairo_line_to(cr, xc + span * 0.04, dir * wid * 0.35);
    cairo_curve_to(cr, xc + span * 0.1, dir * wid * 1.0, x1 - span * 0.2, dir * wid * 0.8, x1, 0);
  };
  cairo_new_path(cr);
  cairo_move_to(cr, x0, 0);
  side(-1, top, cutup);
  cairo_line_to(cr, x1, 0);
  // back along the lower side, the same shape walked in reverse
  double xc = x0 + span * cutdown;
  cairo_curve_to(cr, x1 - span * 0.2, bottom * 0.8, xc + span * 0.1, bottom * 1.0, xc + span * 0.04, bottom * 0.35);
  cairo_line_to(cr, xc, bottom);
  cairo_curve_to(cr, xc - span * 0.18, bottom * 1.05, x0 + span * 0.05, bottom * 0.9, x0, 0);
  cairo_close_path(cr);
}

void drawfeather(cairo_t* cr, int w, int h, int n) {
  struct look {
    rgb base, tip, quill;
  };
  const look looks[6] = {{},
                         {{0.98, 0.96, 0.92}, {0.80, 0.78, 0.88}, {0.72, 0.66, 0.60}},
                         {{0.28, 0.26, 0.42}, {0.10, 0.09, 0.18}, {0.55, 0.46, 0.70}},
                         {{0.82, 0.60, 0.36}, {0.52, 0.32, 0.18}, {0.95, 0.88, 0.74}},
                         {{0.62, 0.84, 1.00}, {0.28, 0.48, 0.88}, {0.92, 0.96, 1.00}},
                         {{1.00, 0.78, 0.40}, {0.92, 0.42, 0.22}, {1.00, 0.94, 0.78}}};
  const look& lk = looks[n];
  fxrand rnd(900 + n);
  double len = w * 0.92, top = w * (n == 2 ? 0.15 : 0.13), bottom = top * 0.85;
  double cutup = rnd.range(0.45, 0.62), cutdown = rnd.range(0.28, 0.42);
  cairo_save(cr);
  cairo_translate(cr, w / 2.0, h / 2.0);
  cairo_rotate(cr, -M_PI / 4 + (n - 3) * 0.1);
  featherpath(cr, len, top, bottom, cutup, cutdown);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 4);
  cairo_stroke_preserve(cr);
  filllinear(cr, -len * 0.32, 0, len * 0.5, 0, lk.base, lk.tip);
  // barbs and a sheen, kept inside the vane
  cairo_save(cr);
  featherpath(cr, len, top, bottom, cutup, cutdown);
  cairo_clip(cr);
  cairo_new_path(cr);
  for (int k = 0; k < 14; k++) {
    double x0 = -len * 0.3 + k * len * 0.06;
    cairo_move_to(cr, x0, 0);
    cairo_line_to(cr, x0 + top * 0.9, -top * 1.2);
    cairo_move_to(cr, x0, 0);
    cairo_line_to(cr, x0 + top * 0.9, top * 1.2);
  }
  artsetcolor(cr, artshade(lk.tip, 0.7), 0.4);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  ellipse(cr, -len * 0.02, -top * 0.5, len * 0.25, top * 0.22);
  fill(cr, n == 2 ? rgb{0.60, 0.50, 0.90} : white, n == 2 ? 0.4 : 0.35);
  cairo_restore(cr);
  // the quill, sticking out past the vane at the base
  cairo_new_path(cr);
  cairo_move_to(cr, -len * 0.46, 0);
  cairo_line_to(cr, len * 0.42, 0);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 4);
  cairo_stroke_preserve(cr);
  artsetcolor(cr, lk.quill);
  cairo_set_line_width(cr, 1.8);
  cairo_stroke(cr);
  cairo_restore(cr);
}

// Autumn leaves blown through the intro: a maple leaf, a beech leaf and an oak leaf.
void drawleaf(cairo_t* cr, int w, int h, int n) {
  const rgb colours[4][2] = {{},
                             {{1.0, 0.64, 0.18}, {0.86, 0.30, 0.10}},
                             {{0.94, 0.34, 0.26}, {0.62, 0.10, 0.18}},
                             {{0.86, 0.76, 0.26}, {0.50, 0.56, 0.18}}};
  double x = w / 2.0, y = h / 2.0 - 1.5, r = w * 0.39;
  std::vector<pt> p;
  const int steps = 120;
  for (int k = 0; k < steps; k++) {
    double a = k * tau / steps;  // 0 = the stem end, pointing down
    double rr, sx = 1;
    if (n == 1) {
      // five pointed lobes, a notch at the stem, small teeth on the lobes
      double lobe = std::pow(std::fabs(std::cos(2.5 * (a - M_PI))), 2.2);
      rr = 0.42 + 0.58 * lobe + 0.05 * std::fabs(std::cos(12.5 * (a - M_PI)));
    } else if (n == 2) {
      rr = 0.5 + 0.5 * std::pow(std::sin(a / 2), 1.6);  // a pointed oval
      sx = 0.62;
    } else {
      rr = (0.5 + 0.5 * std::sin(a / 2)) * (0.74 + 0.26 * std::fabs(std::cos(3.5 * a)));  // rounded oak lobes
      sx = 0.72;
    }
    p.push_back({x + r * rr * std::sin(a) * sx, y + r * rr * std::cos(a)});
  }
  polygon(cr, p);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 3.5);
  cairo_stroke_preserve(cr);
  filllinear(cr, x - r, y - r, x + r, y + r, colours[n][0], colours[n][1]);
  // veins: a maple's fan out from the stem, the others branch off a midrib
  cairo_new_path(cr);
  pt base{x, y + r * 0.38};
  if (n == 1) {
    for (int k = -2; k <= 2; k++) {
      double a = M_PI + k * 0.4 * M_PI;
      double rr = 0.42 + 0.58 * 0.95;
      cairo_move_to(cr, base.x, base.y);
      cairo_line_to(cr, x + r * rr * 0.8 * std::sin(a), y + r * rr * 0.8 * std::cos(a));
    }
  } else {
    cairo_move_to(cr, x, y + r * 0.9);
    cairo_line_to(cr, x, y - r * 0.8);
    for (int side = -1; side <= 1; side += 2) {
      for (int k = 0; k < 3; k++) {
        double yy = y + r * (0.4 - 0.38 * k);
        cairo_move_to(cr, x, yy);
        cairo_line_to(cr, x + side * r * (n == 2 ? 0.32 : 0.45), yy - r * 0.3);
      }
    }
  }
  artsetcolor(cr, artshade(colours[n][1], 0.6), 0.9);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  // the stem
  cairo_new_path(cr);
  cairo_move_to(cr, n == 1 ? base.x : x, n == 1 ? base.y : y + r * 0.85);
  cairo_line_to(cr, x + 2, y + r * 1.12);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
}

// Glass shards from the chapter-6 window: pale, see-through, with a bright edge.
void drawglass(cairo_t* cr, int w, int h, int n) {
  const std::vector<pt> shapes[4] = {{},
                                     {{8, 6}, {40, 14}, {20, 42}},
                                     {{12, 5}, {38, 9}, {42, 30}, {18, 43}, {6, 24}},
                                     {{24, 4}, {34, 24}, {28, 44}, {14, 30}}};
  const std::vector<pt>& p = shapes[n];
  polygon(cr, p);
  artsetcolor(cr, {0.10, 0.22, 0.30});
  cairo_set_line_width(cr, 3);
  cairo_stroke_preserve(cr);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, w, h);
  cairo_pattern_add_color_stop_rgba(g, 0, 0.90, 0.98, 1.00, 0.85);
  cairo_pattern_add_color_stop_rgba(g, 0.5, 0.62, 0.86, 0.95, 0.55);
  cairo_pattern_add_color_stop_rgba(g, 1, 0.45, 0.72, 0.88, 0.75);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  // a bright streak along the first edge and a glint
  pt a = p[0], b = p[1];
  double cx = 0, cy = 0;
  for (auto& q : p) cx += q.x / p.size(), cy += q.y / p.size();
  cairo_new_path(cr);
  cairo_move_to(cr, a.x + (cx - a.x) * 0.2, a.y + (cy - a.y) * 0.2);
  cairo_line_to(cr, b.x + (cx - b.x) * 0.25, b.y + (cy - b.y) * 0.25);
  artsetcolor(cr, white, 0.9);
  cairo_set_line_width(cr, 2.2);
  cairo_stroke(cr);
  twinklepath(cr, cx + 2, cy + 2, 6, 0.6, 0);
  fill(cr, white, 0.9);
}

}  // namespace fx
