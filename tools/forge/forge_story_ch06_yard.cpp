// Chapter 6's brickyard at sunset: the town and its chimneys far off, a beehive kiln still
// glowing, stacks of fresh bricks, a tipper wagon on its rails, and up the lane from the left
// the horde shuffling after us, one of them with a placard.
#include "tools/forge/forge_story_ch06.h"
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

using namespace storykit;

namespace ch6 {

void brickwall(cairo_t* cr, double x0, double y0, double x1, double y1, rgb c, double bh, uint32_t seed) {
  rng r(seed);
  cairo_save(cr);
  cairo_rectangle(cr, x0, y0, x1 - x0, y1 - y0);
  cairo_clip(cr);
  artsetcolor(cr, artshade(c, 0.55));  // mortar
  cairo_paint(cr);
  const double bw = bh * 2.6;
  for (double y = y0; y < y1; y += bh) {
    double off = (int((y - y0) / bh) % 2) * bw * 0.5;
    for (double x = x0 - off; x < x1; x += bw) {
      rgb k = artshade(c, r.range(0.84, 1.12));
      if (r.chance(0.06)) k = artmix(k, rgb{0.3, 0.2, 0.22}, 0.4);  // a burnt one
      artroundrect(cr, x + 1.5, y + 1.5, bw - 3, bh - 3, 2);
      artsetcolor(cr, k);
      cairo_fill(cr);
      if (r.chance(0.3)) {  // the top edge catches the light
        cairo_move_to(cr, x + 3, y + 2.5);
        cairo_line_to(cr, x + bw - 4, y + 2.5);
        artsetcolor(cr, artshade(k, 1.25), 0.6);
        cairo_set_line_width(cr, 1.2);
        cairo_stroke(cr);
      }
    }
  }
  cairo_restore(cr);
}

namespace {

const rgb dusk{0.96, 0.6, 0.5};  // the haze the sunset leaves over the distance

// A tall brick chimney stack, foot at (x, y), with a plume of smoke drifting right.
void chimneystack(cairo_t* cr, double x, double y, double h, double w, double far, uint32_t seed, const light& L) {
  rgb c = atmos(brickred, dusk, far);
  rng r(seed);
  for (int k = 0; k < 12; k++) {  // smoke first, so the stack stands in front of it
    double t = k / 11.0;
    double sx = x + t * 280 + r.range(-10, 10), sy = y - h - 16 - t * 70 + r.range(-6, 6), rad = 20 + t * 56;
    cairo_save(cr);
    cairo_translate(cr, sx, sy);
    cairo_scale(cr, 1, 0.6);
    cairo_pattern_t* g = cairo_pattern_create_radial(0, 0, 0, 0, 0, rad);
    rgb c = atmos(rgb{0.56, 0.46, 0.54}, dusk, 0.3 + far * 0.4);
    cairo_pattern_add_color_stop_rgba(g, 0, c.r, c.g, c.b, 0.5 - t * 0.3);
    cairo_pattern_add_color_stop_rgba(g, 1, c.r, c.g, c.b, 0);
    cairo_set_source(cr, g);
    cairo_arc(cr, 0, 0, rad, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    cairo_restore(cr);
  }
  poly(cr, {{x - w * 0.62, y}, {x - w * 0.5, y - h}, {x + w * 0.5, y - h}, {x + w * 0.62, y}});
  paint(cr, c, L, w * 1.2, far > 0.4 ? 0 : 3);
  for (double by = y - h + 30; by < y; by += 60) inkline(cr, {{x - w * 0.55, by}, {x + w * 0.55, by}}, 2, far > 0.4 ? 0.15 : 0.35);
  cairo_rectangle(cr, x - w * 0.62, y - h - 12, w * 1.24, 14);
  paint(cr, artshade(c, 0.8), L, w, far > 0.4 ? 0 : 3);
}

// A beehive kiln: a brick dome with its arched mouth still glowing from the firing.
void kiln(cairo_t* cr, double cx, double y, double w, double h, const light& L) {
  glow(cr, cx, y - h * 0.25, w * 0.9, pal::pumpkin, 0.3);
  cairo_new_path(cr);
  cairo_move_to(cr, cx - w / 2, y);
  cairo_curve_to(cr, cx - w / 2, y - h * 0.8, cx - w * 0.3, y - h, cx, y - h);
  cairo_curve_to(cr, cx + w * 0.3, y - h, cx + w / 2, y - h * 0.8, cx + w / 2, y);
  cairo_close_path(cr);
  cairo_path_t* dome = cairo_copy_path(cr);
  paint(cr, brickred, L, w, 0);
  cairo_save(cr);
  cairo_append_path(cr, dome);
  cairo_clip(cr);
  brickwall(cr, cx - w / 2, y - h, cx + w / 2, y, brickred, 14, 6101);
  for (int k = 1; k <= 3; k++) {  // iron hoops round the dome
    double hy = y - h * k * 0.24;
    cairo_move_to(cr, cx - w / 2, hy);
    cairo_curve_to(cr, cx - w * 0.2, hy + 10, cx + w * 0.2, hy + 10, cx + w / 2, hy);
    artsetcolor(cr, pal::ink, 0.7);
    cairo_set_line_width(cr, 5);
    cairo_stroke(cr);
  }
  haze(cr, cx + w, y - h, y, pal::purple, 0.1, 0.35);
  cairo_restore(cr);
  cairo_new_path(cr);
  cairo_append_path(cr, dome);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 3.5);
  cairo_stroke(cr);
  cairo_path_destroy(dome);
  // the glowing mouth
  const double mw = w * 0.3, mh = h * 0.42;
  cairo_new_path(cr);
  cairo_move_to(cr, cx - mw / 2, y);
  cairo_line_to(cr, cx - mw / 2, y - mh + mw / 2);
  cairo_arc(cr, cx, y - mh + mw / 2, mw / 2, M_PI, 2 * M_PI);
  cairo_line_to(cr, cx + mw / 2, y);
  cairo_close_path(cr);
  cairo_pattern_t* g = cairo_pattern_create_radial(cx, y - 6, 4, cx, y - mh * 0.4, mh);
  cairo_pattern_add_color_stop_rgb(g, 0, 1.0, 0.95, 0.6);
  cairo_pattern_add_color_stop_rgb(g, 0.5, 1.0, 0.6, 0.2);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.6, 0.2, 0.12);
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 3.5);
  cairo_stroke(cr);
  lightpool(cr, cx, y + 10, w * 0.5, 14, pal::pumpkin, 0.45);
  // a little chimney on top
  cairo_rectangle(cr, cx + w * 0.12, y - h - 26, 24, 34);
  paint(cr, artshade(brickred, 0.9), L, 24, 3);
}

// A pallet stacked with fresh bricks, front-left corner at (x, y) on the ground.
void brickstack(cairo_t* cr, double x, double y, int cols, int rows, uint32_t seed, const light& L) {
  rng r(seed);
  const double bw = 34, bh = 13;
  cairo_rectangle(cr, x - 6, y - 12, cols * bw + 12, 12);
  paint(cr, col::wood, L, cols * bw, 2.5);
  for (int k = 0; k < 3; k++) {
    cairo_rectangle(cr, x - 4 + k * (cols * bw) / 2, y - 12, 12, 12);
    artsetcolor(cr, pal::ink, 0.6);
    cairo_fill(cr);
  }
  for (int row = 0; row < rows; row++)
    for (int c = 0; c < cols; c++) {
      if (row == rows - 1 && r.chance(0.3)) continue;  // the top course half taken
      double bx = x + c * bw + (row % 2) * 4, by = y - 12 - (row + 1) * bh;
      artroundrect(cr, bx, by, bw - 1, bh, 2);
      paint(cr, artshade(brickred, r.range(0.9, 1.1)), L, bw, 1.8);
    }
}

// A zombie of the horde walking right, arms out, at (x, y) `h` tall.
void hordezombie(cairo_t* cr, double x, double y, double h, int kind, const light& L) {
  figure z = zombiefolk(kind);
  z.height = h;
  z.handl = {22, 4};
  z.handr = {28, -4};
  z.lookx = 0.9;
  z.lean = 6;
  z.stance = 1.2;
  groundshadow(cr, x + 10, y + 2, h * 0.35, h * 0.05, 0.45);
  drawfigure(cr, x, y, z, L);
}

}  // namespace

void brickyard(cairo_t* cr) {
  const double W = scenew;
  const light L = sunlight;
  // the sunset: purple overhead, rose and orange down to the roofs
  skyfill(cr, W, sceneh,
          {{0, rgb{0.16, 0.1, 0.3}}, {0.28, rgb{0.38, 0.2, 0.44}}, {0.5, rgb{0.8, 0.42, 0.46}}, {0.7, rgb{1.0, 0.68, 0.44}}});
  stars(cr, W, 160, 90, 6201, 0.6);
  glow(cr, 260, 500, 420, rgb{1.0, 0.8, 0.5}, 0.45);  // the sun just gone behind the town
  rng r(6202);
  for (int i = 0; i < 7; i++)
    cloud(cr, r.range(0, W), r.range(80, 260), r.range(260, 480), r.range(50, 90), rgb{0.52, 0.32, 0.52}, rgb{1.0, 0.7, 0.5},
          6203 + i);
  // the town far off to the left, its chimneys and church, windows lighting up
  rgb far = atmos(rgb{0.36, 0.22, 0.4}, dusk, 0.35);
  for (double x = -20; x < 1500; x += r.range(36, 70)) {
    double w = r.range(40, 74), h = r.range(50, 130), gy = 560;
    poly(cr, {{x, gy}, {x, gy - h}, {x + w / 2, gy - h - w * 0.45}, {x + w, gy - h}, {x + w, gy}});
    artsetcolor(cr, artshade(far, r.range(0.92, 1.08)));
    cairo_fill(cr);
    if (r.chance(0.5)) {
      glow(cr, x + w / 2, gy - h * 0.5, 10, col::windowlit, 0.4);
      cairo_rectangle(cr, x + w / 2 - 3, gy - h * 0.55, 6, 7);
      artsetcolor(cr, rgb{1.0, 0.84, 0.5});
      cairo_fill(cr);
    }
  }
  poly(cr, {{700, 560}, {700, 380}, {726, 300}, {752, 380}, {752, 560}});
  artsetcolor(cr, artshade(far, 0.95));
  cairo_fill(cr);
  chimneystack(cr, 1060, 600, 330, 40, 0.55, 6204, L);
  chimneystack(cr, 1320, 620, 260, 34, 0.6, 6205, L);
  haze(cr, W, 400, 620, dusk, 0, 0.4);
  // the yard's far wall and a long drying shed
  cairo_rectangle(cr, -10, 560, 1700, 60);
  paint(cr, atmos(brickred, dusk, 0.25), L, 60, 3);
  brickwall(cr, -10, 564, 1690, 620, atmos(brickred, dusk, 0.25), 10, 6206);
  {  // a long open drying shed: racks of green bricks under a low roof on posts
    const double sx0 = 770, sx1 = 1230;
    cairo_rectangle(cr, sx0, 548, sx1 - sx0, 72);
    artsetcolor(cr, atmos(rgb{0.22, 0.14, 0.2}, dusk, 0.2));
    cairo_fill(cr);
    for (int row = 0; row < 4; row++)
      for (double x = sx0 + 10; x < sx1 - 10; x += 14) {
        cairo_rectangle(cr, x, 560 + row * 15, 10, 6);
        artsetcolor(cr, atmos(rgb{0.62, 0.44, 0.36}, dusk, 0.3));
        cairo_fill(cr);
      }
    for (double x = sx0; x <= sx1; x += 46) {
      cairo_rectangle(cr, x - 4, 540, 8, 80);
      paint(cr, atmos(col::wood, dusk, 0.2), L, 8, 2);
    }
    poly(cr, {{sx0 - 30, 552}, {sx0 + 40, 500}, {sx1 - 40, 500}, {sx1 + 30, 552}});
    paint(cr, atmos(rgb{0.36, 0.26, 0.34}, dusk, 0.2), L, 300, 3);
    for (double x = sx0; x < sx1; x += 22) inkline(cr, {{x, 552}, {x + 24, 502}}, 1.4, 0.4);
  }
  // the yard's ground: packed earth and brick dust, a lane of cobbles coming in from the left
  cairo_rectangle(cr, -10, 620, W + 20, sceneh - 620);
  paintgrad(cr, rgb{0.62, 0.42, 0.36}, rgb{0.42, 0.26, 0.26}, L, 200, 0);
  {  // the cobbles give out into the yard's dust
    cairo_push_group(cr);
    cobbles(cr, 0, 640, 800, sceneh, rgb{0.5, 0.4, 0.42}, 6207);
    cairo_pattern_t* lane = cairo_pop_group(cr);
    cairo_pattern_t* fade = cairo_pattern_create_linear(560, 0, 800, 0);
    cairo_pattern_add_color_stop_rgba(fade, 0, 0, 0, 0, 1);
    cairo_pattern_add_color_stop_rgba(fade, 1, 0, 0, 0, 0);
    cairo_set_source(cr, lane);
    cairo_mask(cr, fade);
    cairo_pattern_destroy(fade);
    cairo_pattern_destroy(lane);
    haze(cr, 800, 640, 660, rgb{0.62, 0.42, 0.36}, 0.8, 0);
    rng d(6212);
    for (int i = 0; i < 40; i++) {  // a few loose cobbles scattered beyond
      double x = d.range(640, 900), y = d.range(646, sceneh - 4);
      ellipse(cr, x, y, d.range(6, 11), d.range(3, 6));
      paint(cr, artshade(rgb{0.5, 0.4, 0.42}, d.range(0.9, 1.1)), L, 16, 1.5);
    }
  }
  // rails for the tipper wagon, running along the yard
  for (double ry : {676.0, 700.0}) {
    cairo_move_to(cr, 560, ry);
    cairo_line_to(cr, 1700, ry - 6);
    artsetcolor(cr, col::steel);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
  }
  for (double x = 580; x < 1700; x += 40) inkline(cr, {{x, 670}, {x + 4, 708}}, 5, 0.5);
  kiln(cr, 430, 640, 300, 230, L);
  brickstack(cr, 820, 680, 5, 6, 6208, L);
  brickstack(cr, 1240, 700, 4, 8, 6209, L);
  brickstack(cr, 1520, 690, 3, 5, 6210, L);
  // the tipper wagon, full of broken bricks
  {
    const double wx = 1060, wy = 684;
    for (double s : {-1.0, 1.0}) {
      ellipse(cr, wx + s * 40, wy, 16, 16);
      paint(cr, col::iron, L, 32, 3);
    }
    poly(cr, {{wx - 76, wy - 70}, {wx + 76, wy - 70}, {wx + 60, wy - 8}, {wx - 60, wy - 8}});
    paint(cr, pal::teal, L, 150, 3);
    for (int k = 0; k < 8; k++) {  // broken bricks heaped in it
      cairo_save(cr);
      cairo_translate(cr, wx - 56 + k * 16, wy - 74 - (k % 3) * 6);
      cairo_rotate(cr, (k % 4 - 1.5) * 0.35);
      artroundrect(cr, -12, -6, 24, 12, 2);
      paint(cr, artshade(brickred, 0.9 + 0.05 * (k % 3)), L, 24, 2);
      cairo_restore(cr);
    }
    artfont(cr, "sans", 12);
    arttext(cr, "No. 3", wx, wy - 40, pal::bone, 0);
  }
  // the horde, a few streets behind and catching up: one brought a placard
  hordezombie(cr, 90, 700, 150, 1, L);
  hordezombie(cr, 200, 690, 140, 5, L);
  hordezombie(cr, 330, 712, 170, 6, L);
  {
    figure z = zombiefolk(2);
    z.height = 160;
    z.handl = {10, -30};
    z.handr = {20, -26};
    z.expr = face::moan;
    z.lean = 4;
    groundshadow(cr, 600, 724, 56, 8, 0.45);
    drawfigure(cr, 596, 722, z, L);
    tube(cr, {{612, 600}, {622, 460}}, 5, col::wood, L, 2);
    artroundrect(cr, 560, 440, 130, 64, 6);
    paint(cr, pal::bone, L, 130, 3);
    artfont(cr, "comic", 18);
    arttext(cr, "WAIT FOR US!", 625, 462, pal::blood, 0);
    artfont(cr, "comic", 13);
    arttext(cr, "(we brought cards)", 625, 486, pal::ink, 0);
  }
  // in front: a puddle holding the sunset, a wheelbarrow left full of bricks, two pigeons riding on a zombie's bowler
  ellipse(cr, 1180, 744, 120, 14);
  cairo_pattern_t* pg = cairo_pattern_create_linear(0, 730, 0, 758);
  cairo_pattern_add_color_stop_rgba(pg, 0, 1.0, 0.72, 0.5, 0.8);
  cairo_pattern_add_color_stop_rgba(pg, 1, 0.5, 0.3, 0.5, 0.8);
  cairo_set_source(cr, pg);
  cairo_fill(cr);
  cairo_pattern_destroy(pg);
  {
    const double bx = 1420, by = 738;
    tube(cr, {{bx - 40, by - 30}, {bx - 110, by - 10}}, 5, col::wood, L, 2);
    tube(cr, {{bx - 30, by - 22}, {bx - 100, by}}, 5, col::wood, L, 2);
    poly(cr, {{bx - 60, by - 44}, {bx + 50, by - 52}, {bx + 30, by - 12}, {bx - 40, by - 10}});
    paint(cr, col::iron, L, 100, 3);
    for (int k = 0; k < 5; k++) {
      artroundrect(cr, bx - 48 + k * 18, by - 60 - (k % 2) * 6, 20, 10, 2);
      paint(cr, brickred, L, 20, 1.8);
    }
    ellipse(cr, bx + 40, by - 4, 14, 14);
    paint(cr, rgb{0.2, 0.18, 0.22}, L, 28, 2.5);
  }
  for (double px : {300.0, 336.0}) {
    double py = 556;
    ellipse(cr, px, py - 8, 13, 9);
    paint(cr, rgb{0.6, 0.62, 0.72}, L, 26, 2.2);
    ellipse(cr, px + 9, py - 18, 6, 6);
    paint(cr, rgb{0.6, 0.62, 0.72}, L, 12, 2);
    poly(cr, {{px + 14, py - 19}, {px + 19, py - 17}, {px + 14, py - 16}});
    flat(cr, pal::pumpkin, 1);
    ellipse(cr, px + 10, py - 20, 1.3, 1.3);
    flat(cr, pal::ink, 0);
  }
  grasstufts(cr, 0, W, 726, 14, rgb{0.45, 0.5, 0.3}, 6211, 0.5);
  for (double fx : {40.0, 1560.0}) {  // dock leaves and seeding stalks framing the bottom
    for (int k = 0; k < 3; k++) {
      double a = -M_PI / 2 + (k - 1) * 0.55, tip = 110 - std::abs(k - 1) * 30;
      tube(cr, {{fx + k * 6.0, 772}, {fx + k * 6.0 + std::cos(a) * tip * 0.7, 772 + std::sin(a) * tip * 1.3}}, 3, rgb{0.4, 0.5, 0.26}, L, 1.6);
      ellipse(cr, fx + k * 6.0 + std::cos(a) * tip * 0.7, 772 + std::sin(a) * tip * 1.3 - 8, 5, 12, a * 180 / M_PI + 90);
      paint(cr, rgb{0.62, 0.36, 0.24}, L, 12, 1.6);
    }
    for (int k = 0; k < 4; k++) {
      double a = -M_PI / 2 + (k - 1.5) * 0.5;
      std::vector<pt> leaf{{fx, 776},
                           {fx + std::cos(a - 0.25) * 50, 776 + std::sin(a - 0.25) * 50},
                           {fx + std::cos(a) * 86, 776 + std::sin(a) * 86},
                           {fx + std::cos(a + 0.25) * 50, 776 + std::sin(a + 0.25) * 50}};
      blob(cr, leaf, 0.8);
      paint(cr, artshade(rgb{0.26, 0.4, 0.24}, 0.85 + 0.08 * k), L, 80, 2.6);
      inkline(cr, {{fx, 776}, {fx + std::cos(a) * 74, 776 + std::sin(a) * 74}}, 1.3, 0.5);
    }
  }
}

}  // namespace ch6
