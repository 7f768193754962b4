// Chapter 5's sewer: a brick tunnel under Drizzle Street, the ladder down from the drain
// with the street's light and rain falling through, side tunnels glowing green, a zombie
// fishing a boot out of the channel, something with eyes in the water, and Grandma's chalk.
#include "tools/forge/forge_story_ch05.h"
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

using namespace storykit;
using namespace ch5;

namespace ch5 {

namespace {

const light sewerlight = lightfrom(100, pal::mint, 0.45, 0.45);  // green light off the water

// Brick courses over a rectangle (clip first): rows of rounded bricks, some darker.
void brickwork(cairo_t* cr, double x0, double y0, double x1, double y1, rgb c, double bh, uint32_t seed) {
  rng r(seed);
  cairo_save(cr);
  for (double y = y0; y < y1; y += bh) {
    double off = (int((y - y0) / bh) % 2) * bh;
    for (double x = x0 - off; x < x1; x += bh * 2) {
      artroundrect(cr, x + 1, y + 1, bh * 2 - 2, bh - 2, bh * 0.25);
      artsetcolor(cr, artshade(c, r.range(0.82, 1.1)));
      cairo_fill(cr);
    }
  }
  cairo_restore(cr);
}

}  // namespace

void darkness(cairo_t* cr, double x0, double y0, double w, double h, rgb c, double alpha, const std::vector<pt>& at,
              const std::vector<double>& radius) {
  cairo_push_group(cr);
  cairo_rectangle(cr, x0, y0, w, h);
  artsetcolor(cr, c, alpha);
  cairo_fill(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_DEST_OUT);
  for (size_t i = 0; i < at.size(); i++) {
    cairo_pattern_t* g = cairo_pattern_create_radial(at[i].x, at[i].y, 0, at[i].x, at[i].y, radius[i]);
    cairo_pattern_add_color_stop_rgba(g, 0, 0, 0, 0, 0.9);
    cairo_pattern_add_color_stop_rgba(g, 0.5, 0, 0, 0, 0.5);
    cairo_pattern_add_color_stop_rgba(g, 1, 0, 0, 0, 0);
    cairo_set_source(cr, g);
    cairo_arc(cr, at[i].x, at[i].y, radius[i], 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
  }
  cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
  cairo_pop_group_to_source(cr);
  cairo_paint(cr);
}

void rib(cairo_t* cr, double cx, double cy, double r, double width, rgb c) {
  cairo_new_path(cr);
  cairo_arc(cr, cx, cy, r, M_PI, 2 * M_PI);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, width + 8);
  cairo_stroke_preserve(cr);
  artsetcolor(cr, c);
  cairo_set_line_width(cr, width);
  cairo_stroke(cr);
}

// The sewer: brick vaults, side tunnels glowing green, the walkway and the channel.
void sewer(cairo_t* cr) {
  const double walk = 560, water = 612, end = sewerend;
  const light L = sewerlight;
  const rgb brick{0.36, 0.30, 0.34};
  cairo_save(cr);
  cairo_rectangle(cr, 0, 0, end, sceneh);
  cairo_clip(cr);
  cairo_rectangle(cr, 0, 0, end, sceneh);
  artsetcolor(cr, rgb{0.12, 0.14, 0.18});
  cairo_fill(cr);
  brickwork(cr, 0, 0, end, walk, brick, 18, 5201);
  // the vault's ribs across the ceiling, arches resting on piers
  for (double x = -60; x < end + 100; x += 300) {
    rib(cr, x + 150, 250, 170, 22, artshade(brick, 1.25));
    cairo_rectangle(cr, x - 22, 250, 44, walk - 250);
    paint(cr, artshade(brick, 1.15), L, 44, 3);
  }
  // side tunnels: arched openings going off into the dark, lit green from below
  for (double x : {300.0, 900.0}) {
    cairo_new_path(cr);
    cairo_move_to(cr, x - 90, walk);
    cairo_line_to(cr, x - 90, 330);
    cairo_arc(cr, x, 330, 90, M_PI, 2 * M_PI);
    cairo_line_to(cr, x + 90, walk);
    cairo_close_path(cr);
    cairo_path_t* hole = cairo_copy_path(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 240, 0, walk);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.04, 0.06, 0.08);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.08, 0.2, 0.18);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    cairo_save(cr);
    cairo_append_path(cr, hole);
    cairo_clip(cr);
    for (int k = 1; k <= 4; k++) {  // arches inside, getting smaller and darker
      double s = 1 - k * 0.18;
      cairo_new_path(cr);
      cairo_arc(cr, x, 330 + k * 30, 90 * s, M_PI, 2 * M_PI);
      cairo_line_to(cr, x + 90 * s, walk);
      cairo_move_to(cr, x - 90 * s, walk);
      cairo_line_to(cr, x - 90 * s, 330 + k * 30);
      artsetcolor(cr, artshade(brick, 0.8 - k * 0.1));
      cairo_set_line_width(cr, 10 * s);
      cairo_stroke(cr);
    }
    glow(cr, x, walk - 10, 110, pal::mint, 0.3);
    cairo_restore(cr);
    cairo_new_path(cr);
    cairo_append_path(cr, hole);
    artsetcolor(cr, pal::ink);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    cairo_path_destroy(hole);
  }
  // pipes along the wall, one dripping, a valve wheel
  tube(cr, {{0, 200}, {640, 200}, {660, 210}, {660, 330}}, 16, col::iron, L, 3);
  tube(cr, {{0, 226}, {end, 226}}, 10, rgb{0.45, 0.36, 0.3}, L, 2.5);
  ellipse(cr, 520, 200, 14, 14);
  paint(cr, pal::blood, L, 28, 2.5);
  inkline(cr, {{506, 200}, {534, 200}}, 2);
  inkline(cr, {{520, 186}, {520, 214}}, 2);
  // the ladder down from the drain in Drizzle Street, light and rain falling through it
  {
    const double lx = 150;
    beam(cr, lx, -10, lx - 70, lx + 90, walk, rgb{0.7, 0.82, 1.0}, 0.14);
    cairo_rectangle(cr, lx - 50, 0, 100, 26);
    artsetcolor(cr, rgb{0.3, 0.38, 0.5});
    cairo_fill(cr);
    for (double s : {-1.0, 1.0}) tube(cr, {{lx + s * 26, 0}, {lx + s * 26, walk - 4}}, 6, col::iron, L, 2.5);
    for (double y = 30; y < walk - 10; y += 34) tube(cr, {{lx - 26, y}, {lx + 26, y}}, 4, col::iron, L, 2);
    for (int k = 0; k < 10; k++) {
      double y = 40 + k * 50;
      blob(cr, {{lx + 40, y - 5}, {lx + 43, y + 1}, {lx + 40, y + 4}, {lx + 37, y + 1}}, 0.8);
      flat(cr, rgb{0.74, 0.86, 1.0}, 1.1, 0.8);
    }
  }
  // the walkway and its edge, slimy
  cairo_rectangle(cr, -4, walk, end + 8, water - walk);
  paintgrad(cr, rgb{0.42, 0.40, 0.40}, rgb{0.30, 0.30, 0.32}, L, 60, 3);
  for (double x = 0; x < end; x += 64) inkline(cr, {{x, walk}, {x - 6, water}}, 1.4, 0.4);
  dabs(cr, 0, water - 14, end, 12, pal::moss, 0.5, 60, 20, 5202);
  // the channel: murky green, glowing a little, ripples and floating junk
  cairo_rectangle(cr, 0, water, end, sceneh - water);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, water, 0, sceneh);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.16, 0.36, 0.32);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.06, 0.16, 0.16);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  rng r(5203);
  for (int i = 0; i < 60; i++) {
    double x = r.range(0, end), y = r.range(water + 8, sceneh - 4), w = r.range(20, 70) * (0.6 + (y - water) / 200);
    cairo_move_to(cr, x - w, y);
    cairo_curve_to(cr, x - w * 0.3, y - 3, x + w * 0.3, y + 3, x + w, y);
    artsetcolor(cr, pal::mint, r.range(0.15, 0.4));
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);
  }
  // reflections of the side tunnels' glow
  for (double x : {300.0, 900.0}) glow(cr, x, water + 40, 110, pal::mint, 0.18);
  // junk afloat: a rubber duck and a boot
  {
    const double dx = 760, dy = 700;
    ellipse(cr, dx, dy, 22, 12);
    paint(cr, pal::gold, L, 40, 2.5);
    ellipse(cr, dx + 12, dy - 16, 11, 10);
    paint(cr, pal::gold, L, 20, 2.5);
    poly(cr, {{dx + 21, dy - 16}, {dx + 31, dy - 13}, {dx + 21, dy - 10}});
    paint(cr, pal::pumpkin, L, 10, 1.6);
    ellipse(cr, dx + 14, dy - 19, 2, 2);
    flat(cr, pal::ink, 0);
  }
  // a zombie paddling a bathtub down the channel with a sink plunger, rubber gloves on
  {
    const double bx = 200, by = 716;
    for (int k = 0; k < 3; k++) {  // its wake
      ellipse(cr, bx + 20, by + 18, 120 + k * 30, 10 + k * 4);
      artsetcolor(cr, pal::mint, 0.4 - k * 0.12);
      cairo_set_line_width(cr, 1.6);
      cairo_stroke(cr);
    }
    figure z = zombiefolk(3);
    z.height = 150;
    z.sitting = true;
    z.lean = 0;
    z.expr = face::grin;
    z.lookx = 0.8;
    z.handl = {30, -4};
    z.handr = {34, 4};
    z.headtilt = 6;
    drawfigure(cr, bx - 10, by - 4, z, L);
    tube(cr, {{bx + 20, by - 120}, {bx + 60, by - 60}, {bx + 100, by + 14}}, 4, col::wood, L, 1.8);  // the plunger
    blob(cr, {{bx + 86, by + 10}, {bx + 112, by + 4}, {bx + 118, by + 20}, {bx + 96, by + 26}}, 0.6);
    paint(cr, pal::blood, L, 30, 2.2);
    // the tub: white enamel, a rolled rim, claw feet just under the water
    blob(cr, {{bx - 110, by - 40}, {bx + 80, by - 40}, {bx + 70, by + 14}, {bx + 40, by + 26}, {bx - 80, by + 26},
              {bx - 104, by + 10}},
         0.5);
    paint(cr, pal::bone, L, 190, 3.5);
    artroundrect(cr, bx - 118, by - 48, 206, 14, 7);
    paint(cr, artshade(pal::bone, 1.05), L, 200, 3);
    tube(cr, {{bx - 100, by - 48}, {bx - 104, by - 66}, {bx - 92, by - 74}, {bx - 84, by - 66}}, 4, col::steel, L, 1.8);  // tap
    // the water line over its foot
    cairo_rectangle(cr, bx - 130, by + 14, 260, 20);
    artsetcolor(cr, rgb{0.16, 0.36, 0.32}, 0.75);
    cairo_fill(cr);
  }
  // eyes and a snout in the water: the sewer's famous lodger, smiling
  {
    const double gx = 420, gy = 676;
    for (double s : {0.0, 1.0}) {
      ellipse(cr, gx + s * 34, gy, 14, 11);
      paint(cr, rgb{0.36, 0.56, 0.34}, L, 28, 2.8);
      ellipse(cr, gx + s * 34, gy - 1, 8, 7);
      flat(cr, rgb{0.96, 0.9, 0.4}, 1.6);
      ellipse(cr, gx + s * 34 + 2, gy - 1, 2, 5);
      flat(cr, pal::ink, 0);
    }
    blob(cr, {{gx + 36, gy + 8}, {gx + 80, gy + 2}, {gx + 122, gy + 6}, {gx + 124, gy + 16}, {gx + 36, gy + 18}}, 0.6);
    paint(cr, rgb{0.36, 0.56, 0.34}, L, 80, 2.8);
    for (double nx : {gx + 110, gx + 118}) {
      ellipse(cr, nx, gy + 6, 2, 1.5);
      flat(cr, pal::ink, 0);
    }
    inkline(cr, {{gx + 50, gy + 15}, {gx + 92, gy + 13}, {gx + 118, gy + 12}}, 1.6, 0.6);
    for (int k = 0; k < 3; k++) {
      ellipse(cr, gx + 60, gy + 16, 60 + k * 22, 8 + k * 3);
      artsetcolor(cr, pal::mint, 0.35 - k * 0.1);
      cairo_set_line_width(cr, 1.5);
      cairo_stroke(cr);
    }
  }
  // a zombie fishing off the walkway, sitting on its edge with his bait tin, a boot on his hook
  {
    const double fx = 640;
    groundshadow(cr, fx, walk + 22, 50, 6, 0.5);
    figure z = zombiefolk(4);
    z.height = 150;
    z.sitting = true;
    z.lean = 0;
    z.expr = face::smile;
    z.lookx = 0.8;
    z.looky = 0.6;
    z.handl = {12, 8};
    z.handr = {4, 12};
    z.headtilt = 8;
    drawfigure(cr, fx, walk + 20, z, L);
    tube(cr, {{fx - 4, walk - 18}, {fx + 90, walk - 120}, {fx + 180, walk - 196}}, 3.5, col::darkwood, L, 1.8);
    ellipse(cr, fx + 22, walk - 38, 6, 6);  // the reel between his hands
    paint(cr, col::steel, L, 12, 1.6);
    drawhand(cr, fx + 30, walk - 36, 14, -40, col::zombieteal, 1, L, true);
    cairo_move_to(cr, fx + 180, walk - 196);
    cairo_curve_to(cr, fx + 190, walk - 120, fx + 184, walk - 40, fx + 182, walk + 84);
    artsetcolor(cr, pal::bone, 0.8);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    blob(cr, {{fx + 170, walk + 84}, {fx + 188, walk + 84}, {fx + 188, walk + 118}, {fx + 210, walk + 124}, {fx + 210, walk + 136},
              {fx + 168, walk + 136}},
         0.3);
    paint(cr, rgb{0.34, 0.24, 0.18}, L, 40, 2.6);
    for (int k = 0; k < 3; k++) {
      double y = walk + 140 + k * 14;
      blob(cr, {{fx + 180 + k * 6.0, y - 4}, {fx + 183 + k * 6.0, y + 2}, {fx + 180 + k * 6.0, y + 5}, {fx + 177 + k * 6.0, y + 2}}, 0.8);
      flat(cr, pal::mint, 1.1, 0.8);
    }
    artroundrect(cr, fx - 84, walk - 2, 30, 20, 4);  // the bait tin
    paint(cr, pal::blood, L, 30, 2.2);
    for (int k = 0; k < 3; k++) inkline(cr, {{fx - 78 + k * 8.0, walk - 2}, {fx - 80 + k * 8.0, walk - 12}, {fx - 74 + k * 8.0, walk - 16}}, 2.4, 0.9);
  }
  // green slime running down the wall under the pipes, moss and roots hanging from the vault
  rng sr(5210);
  for (int i = 0; i < 26; i++) {
    double x = sr.range(0, end - 60), y = sr.range(214, 250), l = sr.range(40, 160);
    cairo_move_to(cr, x, y);
    cairo_curve_to(cr, x + 3, y + l * 0.4, x - 3, y + l * 0.7, x + 1, y + l);
    artsetcolor(cr, rgb{0.3, 0.46, 0.3}, sr.range(0.25, 0.5));
    cairo_set_line_width(cr, sr.range(4, 10));
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
  }
  for (int i = 0; i < 9; i++) {
    double x = sr.range(200, end - 40);
    std::vector<pt> root{{x, 0}};
    for (int k = 1; k <= 4; k++) root.push_back({x + sr.range(-10, 10), k * sr.range(14, 26.0)});
    tube(cr, root, 3, rgb{0.42, 0.32, 0.24}, L, 1.4);
  }
  // an outfall pipe pouring into the channel, and a rat strolling along the big pipe
  {
    const double ox = 1060, oy = 590;
    ellipse(cr, ox, oy - 20, 26, 26);
    paint(cr, col::iron, L, 52, 3);
    ellipse(cr, ox, oy - 20, 17, 17);
    flat(cr, rgb{0.05, 0.07, 0.08}, 2);
    cairo_move_to(cr, ox - 12, oy - 10);
    cairo_curve_to(cr, ox - 8, oy + 10, ox - 6, oy + 24, ox - 4, water + 6);
    cairo_line_to(cr, ox + 12, water + 6);
    cairo_curve_to(cr, ox + 10, oy + 20, ox + 10, oy + 6, ox + 12, oy - 10);
    cairo_close_path(cr);
    artsetcolor(cr, rgb{0.55, 0.8, 0.7}, 0.7);
    cairo_fill(cr);
    for (int k = 0; k < 3; k++) {
      ellipse(cr, ox + 4, water + 10, 20 + k * 16, 4 + k * 2.5);
      artsetcolor(cr, pal::mint, 0.5 - k * 0.14);
      cairo_set_line_width(cr, 1.5);
      cairo_stroke(cr);
    }
    const double rx = 380, ry = 186;  // the rat, tail curled, nose twitching
    tube(cr, {{rx - 20, ry}, {rx - 44, ry - 4}, {rx - 58, ry - 16}}, 2.5, col::blush, L, 1.2);
    blob(cr, {{rx - 24, ry + 2}, {rx - 16, ry - 14}, {rx + 6, ry - 16}, {rx + 22, ry - 8}, {rx + 32, ry}, {rx + 10, ry + 4}}, 0.7);
    paint(cr, rgb{0.5, 0.48, 0.52}, L, 50, 2.4);
    ellipse(cr, rx + 8, ry - 16, 6, 7);
    paint(cr, rgb{0.5, 0.48, 0.52}, L, 12, 2);
    ellipse(cr, rx + 8, ry - 16, 3, 4);
    flat(cr, col::blush, 0);
    ellipse(cr, rx + 20, ry - 7, 2, 2);
    flat(cr, pal::ink, 0);
    ellipse(cr, rx + 32, ry - 1, 2.5, 2.5);
    flat(cr, col::blush, 1);
  }
  // a street sign at the foot of the ladder: where it comes down from
  artroundrect(cr, 190, 420, 110, 30, 5);
  paint(cr, pal::night, L, 110, 2.5);
  artfont(cr, "sans", 12);
  arttext(cr, "DRIZZLE ST.", 245, 435, pal::bone, 0);
  // a chalked arrow on the wall, the way Grandma went
  cairo_move_to(cr, 980, 470);
  cairo_line_to(cr, 1080, 470);
  cairo_move_to(cr, 1060, 456);
  cairo_line_to(cr, 1082, 470);
  cairo_line_to(cr, 1060, 484);
  artsetcolor(cr, pal::bone, 0.75);
  cairo_set_line_width(cr, 5);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_stroke(cr);
  artfont(cr, "comic", 20);
  arttext(cr, "G was here", 1030, 444, artshade(pal::bone, 0.9), 0);
  // dark under the vault, green light thrown up from the water, the street's light down the ladder
  haze(cr, end, 0, 330, rgb{0.04, 0.05, 0.1}, 0.6, 0);
  darkness(cr, 0, 0, end, sceneh, rgb{0.03, 0.05, 0.08}, 0.35, {{150, 200}, {300, 480}, {900, 480}, {640, 520}},
           {260, 200, 200, 220});
  haze(cr, end, walk - 120, water, pal::mint, 0, 0.12);
  glow(cr, 150, 10, 160, rgb{0.7, 0.82, 1.0}, 0.5);
  cairo_restore(cr);
}

}  // namespace ch5
