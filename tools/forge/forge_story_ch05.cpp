// Chapter 5's scene: under the old town. The left half is the sewer, a brick tunnel with a
// green channel, the ladder down from the drain in Drizzle Street, a zombie fishing and
// something with eyes in the water; through a great arch the right half is the bone cellar,
// candle-lit, its walls stacked with skulls, rising in three tiers: the floor where the
// skeleton lounges against a pile of sacks, a ledge along which the low crate slides, and at
// the top a landing in front of the passage on, blocked by the big crate.
//
// Scene positions this file composes around (centres): skeleton (1542, 672) with his skull at
// (1632, 554), landing in his lap at (1512, 676); the low crate (1580, 397), pushed four times
// 130 pixels to the right, its shadow at (+131, +53); the big crate (1900, 325), pulled twice
// 80 pixels to the right and a little down, uncovering the passage.
#include "tools/forge/forge_story.h"
#include "tools/forge/forge_story_ch05.h"
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

using namespace storykit;
using namespace ch5;

namespace {

constexpr int skelw = 320, skelh = 344, skullw = 78, skullh = 78, glowpad = 10;
constexpr int box2w = 156, box2h = 216, shadoww = 250, shadowh = 120, box1w = 168, box1h = 150;
constexpr double skelx = 1542, skely = 672, skullx = 1632, skully = 554;
constexpr double box2x = 1580, box2y = 397, box1x = 1900, box1y = 325;
// The tiers: the landing's floor, the ledge's floor (its front edge) and the cellar floor.
constexpr double landing = 392, ledge = 498, ledgefoot = 570;
constexpr double pillarx = 2168;  // the wall the low crate ends against

const rgb candle{1.0, 0.74, 0.38};
const light torch = lightfrom(150, candle, 0.55, 0.45);        // the torch at the upper left
const rgb stone{0.52, 0.44, 0.42};
// ---- the skeleton ---------------------------------------------------------------------------------

// A bone from a to b: a shaft with two knobbly ends.
void bone(cairo_t* cr, pt a, pt b, double w, const light& L) {
  double dx = b.x - a.x, dy = b.y - a.y, l = std::hypot(dx, dy);
  double nx = -dy / l, ny = dx / l;
  cairo_new_path(cr);
  for (pt e : {a, b}) {
    double ux = (e.x == a.x && e.y == a.y) ? -dx / l : dx / l, uy = (e.x == a.x && e.y == a.y) ? -dy / l : dy / l;
    for (double s : {-1.0, 1.0}) {
      cairo_new_sub_path(cr);
      cairo_arc(cr, e.x + nx * s * w * 0.45 + ux * w * 0.15, e.y + ny * s * w * 0.45 + uy * w * 0.15, w * 0.52, 0,
                2 * M_PI);
    }
  }
  cairo_new_sub_path(cr);
  cairo_move_to(cr, a.x + nx * w * 0.36, a.y + ny * w * 0.36);
  cairo_line_to(cr, b.x + nx * w * 0.36, b.y + ny * w * 0.36);
  cairo_line_to(cr, b.x - nx * w * 0.36, b.y - ny * w * 0.36);
  cairo_line_to(cr, a.x - nx * w * 0.36, a.y - ny * w * 0.36);
  cairo_close_path(cr);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  // ink under the union, then the bone colour, so the knobs and shaft read as one piece
  cairo_path_t* p = cairo_copy_path(cr);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 5);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke_preserve(cr);
  cairo_fill(cr);
  cairo_append_path(cr, p);
  paint(cr, pal::bone, L, w * 2, 0);
  cairo_path_destroy(p);
  inkline(cr, {{a.x + nx * w * 0.1 + dx * 0.2, a.y + ny * w * 0.1 + dy * 0.2}, {a.x + nx * w * 0.1 + dx * 0.75, a.y + ny * w * 0.1 + dy * 0.75}},
          1.2, 0.25);
}

// A bony hand at the wrist w, fingers spread along `angle` degrees.
void bonyhand(cairo_t* cr, pt w, double angle, double size, double curl, const light& L) {
  double a = angle * M_PI / 180;
  pt palm{w.x + std::cos(a) * size * 0.35, w.y + std::sin(a) * size * 0.35};
  ellipse(cr, palm.x, palm.y, size * 0.26, size * 0.2, angle);
  paint(cr, pal::bone, L, size * 0.5, 2.4);
  for (int k = -2; k <= 1; k++) {
    double fa = a + k * 0.28 + curl * 0.5;
    pt b{palm.x + std::cos(a + k * 0.3) * size * 0.2, palm.y + std::sin(a + k * 0.3) * size * 0.2};
    pt t{b.x + std::cos(fa) * size * 0.42, b.y + std::sin(fa) * size * 0.42};
    tube(cr, {b, {(b.x + t.x) / 2, (b.y + t.y) / 2 + curl * 3}, t}, size * 0.1, pal::bone, L, 2);
  }
  pt th{palm.x + std::cos(a - 1.3) * size * 0.36, palm.y + std::sin(a - 1.3) * size * 0.36};
  tube(cr, {palm, th}, size * 0.1, pal::bone, L, 2);
}

// The skull, centre (cx, cy): a big round crown, friendly sockets with a glint in each, a
// gap-toothed grin and a crack for character.
void skull(cairo_t* cr, double cx, double cy, const light& L) {
  blob(cr, {{cx - 30, cy - 4}, {cx - 26, cy - 24}, {cx - 6, cy - 34}, {cx + 18, cy - 30}, {cx + 31, cy - 12},
            {cx + 29, cy + 8}, {cx + 20, cy + 16}, {cx + 18, cy + 30}, {cx - 14, cy + 31}, {cx - 18, cy + 16},
            {cx - 28, cy + 10}},
       0.8);
  cairo_path_t* head = cairo_copy_path(cr);
  paint(cr, pal::bone, L, 64, 3.5);
  cairo_save(cr);
  cairo_append_path(cr, head);
  cairo_clip(cr);
  dabs(cr, cx - 30, cy - 30, 60, 60, rgb{0.85, 0.78, 0.62}, 0.35, 8, 14, 5101);
  cairo_restore(cr);
  cairo_path_destroy(head);
  // the crack
  inkline(cr, {{cx + 6, cy - 33}, {cx + 2, cy - 24}, {cx + 8, cy - 19}, {cx + 4, cy - 12}}, 1.8);
  // the sockets, each with a little mint glint: he is looking at you
  for (double s : {-1.0, 1.0}) {
    double ex = cx + s * 12 - 2, ey = cy - 2;
    blob(cr, {{ex - 9, ey - 2}, {ex - 2, ey - 10}, {ex + 8, ey - 6}, {ex + 9, ey + 4}, {ex, ey + 9}, {ex - 8, ey + 6}}, 0.8);
    flat(cr, rgb{0.16, 0.1, 0.18}, 2.2);
    glow(cr, ex + 1, ey + 1, 8, pal::mint, 0.7);
    ellipse(cr, ex + 1, ey + 1, 2.4, 2.8);
    flat(cr, rgb{0.8, 1.0, 0.9}, 0);
  }
  // nose hole
  blob(cr, {{cx - 2, cy + 7}, {cx + 2, cy + 7}, {cx + 3, cy + 13}, {cx - 3, cy + 13}}, 0.6);
  flat(cr, rgb{0.16, 0.1, 0.18}, 1.4);
  // the grin: a row of teeth with one missing
  blob(cr, {{cx - 15, cy + 17}, {cx + 14, cy + 16}, {cx + 12, cy + 27}, {cx - 12, cy + 28}}, 0.5);
  flat(cr, rgb{0.98, 0.96, 0.88}, 2.2);
  for (int k = -2; k <= 2; k++) inkline(cr, {{cx + k * 5.0, cy + 17}, {cx + k * 5.0, cy + 27.5}}, 1.4);
  cairo_rectangle(cr, cx + 5.5, cy + 18, 4, 8);
  flat(cr, rgb{0.16, 0.1, 0.18}, 0);
  inkline(cr, {{cx - 14, cy + 22}, {cx + 13, cy + 21.5}}, 1.2, 0.7);
}

// The skeleton without his skull, in the skeleton picture's frame (its centre at the scene's
// (skelx, skely)). `o` converts scene points.
void skeletonbody(cairo_t* cr, const light& L) {
  auto o = [](double x, double y) { return pt{x - skelx + skelw / 2.0, y - skely + skelh / 2.0}; };
  groundshadow(cr, o(1500, 748).x, o(1500, 748).y, 120, 14, 0.5);
  // the leg lying flat, then the crossed one over it
  bone(cr, o(1536, 722), o(1478, 738), 15, L);
  bone(cr, o(1478, 738), o(1422, 750), 12, L);
  bonyhand(cr, o(1420, 750), 188, 30, 0, L);  // a foot, toes up
  // the pelvis
  blob(cr, {o(1500, 700), o(1522, 690), o(1548, 696), o(1556, 716), o(1538, 734), o(1514, 736), o(1496, 722)}, 0.8);
  paint(cr, pal::bone, L, 60, 3.2);
  for (double s : {-1.0, 1.0}) {
    ellipse(cr, o(1526 + s * 12, 714).x, o(1526 + s * 12, 714).y, 6, 7);
    flat(cr, rgb{0.16, 0.1, 0.18}, 1.6);
  }
  bone(cr, o(1520, 710), o(1472, 682), 15, L);
  bone(cr, o(1472, 682), o(1430, 718), 12, L);
  bonyhand(cr, o(1430, 718), 196, 30, 0.3, L);
  // the spine, a string of vertebrae up to the neck
  for (int k = 0; k <= 9; k++) {
    double t = k / 9.0;
    pt p = o(1526 + (1616 - 1526) * t, 700 + (590 - 700) * t);
    ellipse(cr, p.x, p.y, 7, 5.5, -50);
    paint(cr, pal::bone, L, 12, 2.2);
  }
  // the ribcage, rib by rib, tilted back along the spine
  cairo_save(cr);
  pt c = o(1578, 640);
  cairo_translate(cr, c.x, c.y);
  cairo_rotate(cr, (-54 + 90) * M_PI / 180);
  blob(cr, {{-6, -50}, {26, -40}, {38, -4}, {30, 30}, {6, 40}, {-24, 34}, {-36, 4}, {-30, -34}}, 0.9);
  cairo_path_t* cage = cairo_copy_path(cr);
  artsetcolor(cr, rgb{0.14, 0.1, 0.16}, 0.35);
  cairo_fill(cr);
  cairo_restore(cr);
  cairo_save(cr);
  cairo_translate(cr, c.x, c.y);
  cairo_rotate(cr, (-54 + 90) * M_PI / 180);
  for (int k = 0; k < 5; k++) {  // ribs: long curves each side of the breastbone
    double y = -38 + k * 17, w = 36 - std::abs(k - 1.5) * 3;
    for (double s : {-1.0, 1.0}) {
      cairo_new_path(cr);
      cairo_move_to(cr, 0, y);
      cairo_curve_to(cr, s * w * 0.6, y - 8, s * w, y, s * w * 0.9, y + 10);
      artsetcolor(cr, pal::ink);
      cairo_set_line_width(cr, 9);
      cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
      cairo_stroke_preserve(cr);
      artsetcolor(cr, pal::bone);
      cairo_set_line_width(cr, 5);
      cairo_stroke(cr);
    }
  }
  artroundrect(cr, -5, -44, 10, 70, 5);  // breastbone
  paint(cr, pal::bone, L, 12, 2.4);
  cairo_restore(cr);
  cairo_path_destroy(cage);
  // collar bones
  bone(cr, o(1596, 596), o(1634, 610), 9, L);
  // the arm crooked behind his head; its hand cups where the skull rests
  bone(cr, o(1630, 606), o(1672, 556), 12, L);
  bone(cr, o(1672, 556), o(1646, 548), 10, L);
  bonyhand(cr, o(1646, 550), 200, 26, 0.6, L);
  // the other arm down to a teacup on his belly
  bone(cr, o(1598, 598), o(1566, 654), 12, L);
  bone(cr, o(1566, 654), o(1602, 686), 10, L);
  pt cup = o(1612, 678);
  ellipse(cr, cup.x, cup.y + 10, 20, 5);  // saucer
  paint(cr, pal::bone, L, 40, 2.4);
  blob(cr, {{cup.x - 13, cup.y - 8}, {cup.x + 13, cup.y - 8}, {cup.x + 10, cup.y + 8}, {cup.x - 10, cup.y + 8}}, 0.5);
  paint(cr, pal::teal, L, 26, 2.4);
  ellipse(cr, cup.x, cup.y - 8, 13, 3.5);
  flat(cr, rgb{0.55, 0.32, 0.18}, 2);
  tube(cr, {{cup.x + 12, cup.y - 4}, {cup.x + 19, cup.y}, {cup.x + 11, cup.y + 5}}, 2.5, pal::teal, L, 1.6);
  bonyhand(cr, o(1600, 684), 20, 24, 0.9, L);
  for (int k = 0; k < 2; k++)  // steam
    inkline(cr, {{cup.x - 4 + k * 8.0, cup.y - 14}, {cup.x - 8 + k * 8.0, cup.y - 24}, {cup.x - 2 + k * 8.0, cup.y - 34}}, 1.6,
            0.35);
}

// ---- crates ---------------------------------------------------------------------------------------

// A wooden crate seen from the front and a little above, bottom centre at (cx, bottom).
void crate(cairo_t* cr, double cx, double bottom, double w, double h, double top, const std::string& label,
           const std::string& label2, uint32_t seed, const light& L) {
  const rgb pine{0.72, 0.52, 0.32}, darker{0.58, 0.40, 0.24};
  groundshadow(cr, cx + 6, bottom, w * 0.55, 7, 0.55);
  double x0 = cx - w / 2, y0 = bottom - h;
  // the lid seen from above
  poly(cr, {{x0, y0}, {x0 + 10, y0 - top}, {x0 + w + 10, y0 - top}, {x0 + w, y0}});
  paint(cr, artshade(pine, 1.12), L, w, 3);
  for (double t = 0.25; t < 1; t += 0.25) inkline(cr, {{x0 + 10 * t + 2, y0 - top * t}, {x0 + w + 10 * t - 2, y0 - top * t}}, 1.2, 0.5);
  // the side
  poly(cr, {{x0 + w, y0}, {x0 + w + 10, y0 - top}, {x0 + w + 10, bottom - top}, {x0 + w, bottom}});
  paint(cr, darker, L, 12, 3);
  // the front: planks in a frame
  cairo_rectangle(cr, x0, y0, w, h);
  cairo_path_t* face = cairo_copy_path(cr);
  paint(cr, pine, L, w, 0);
  cairo_save(cr);
  cairo_append_path(cr, face);
  cairo_clip(cr);
  int planks = std::max(3, int(h / 24));
  for (int k = 0; k < planks; k++) {
    double py = y0 + h * k / planks;
    woodgrain(cr, x0, py, x0 + w, py + h / planks, col::darkwood, seed + k);
    inkline(cr, {{x0, py}, {x0 + w, py}}, 1.6, 0.6);
  }
  artfont(cr, "sans", std::min(16.0, h * 0.2));
  arttext(cr, label, cx, y0 + h * 0.42, rgb{0.3, 0.16, 0.12}, 0);
  if (!label2.empty()) {
    artfont(cr, "sans", std::min(11.0, h * 0.14));
    arttext(cr, label2, cx, y0 + h * 0.64, rgb{0.3, 0.16, 0.12}, 0);
  }
  cairo_restore(cr);
  cairo_new_path(cr);
  cairo_append_path(cr, face);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  cairo_path_destroy(face);
  // the frame boards and their nails
  for (double fx : {x0, x0 + w - 12}) {
    cairo_rectangle(cr, fx, y0, 12, h);
    paint(cr, darker, L, 12, 2.4);
    for (double ny : {y0 + 7, bottom - 7}) {
      ellipse(cr, fx + 6, ny, 2, 2);
      flat(cr, col::steel, 1);
    }
  }
  cairo_rectangle(cr, x0 + 12, y0, w - 24, 10);
  paint(cr, darker, L, 10, 2.2);
  cairo_rectangle(cr, x0 + 12, bottom - 10, w - 24, 10);
  paint(cr, darker, L, 10, 2.2);
}

// Big dressed stones filling a rectangle.
void ashlar(cairo_t* cr, double x0, double y0, double x1, double y1, rgb c, double sh, uint32_t seed, const light& L) {
  rng r(seed);
  cairo_save(cr);
  cairo_rectangle(cr, x0, y0, x1 - x0, y1 - y0);
  cairo_clip(cr);
  for (double y = y0; y < y1; y += sh) {
    double x = x0 - r.range(0, sh);
    while (x < x1) {
      double w = sh * r.range(1.2, 2.2);
      artroundrect(cr, x + 2, y + 2, w - 4, sh - 4, sh * 0.18);
      paint(cr, artshade(c, r.range(0.86, 1.08)), L, sh, 2);
      x += w;
    }
  }
  cairo_restore(cr);
}

// A candle standing at (x, y), `h` tall, its flame and glow.
void candlestick(cairo_t* cr, double x, double y, double h, const light& L) {
  glow(cr, x, y - h - 8, h * 3.5, candle, 0.45);
  artroundrect(cr, x - 5, y - h, 10, h, 3);
  paint(cr, pal::bone, L, 10, 2);
  blob(cr, {{x, y - h - 16}, {x + 4, y - h - 6}, {x, y - h - 1}, {x - 4, y - h - 6}}, 0.8);
  flat(cr, rgb{1.0, 0.86, 0.4}, 1.4);
  blob(cr, {{x - 5, y - h + 1}, {x - 7, y - h + 10}, {x - 4, y - h + 6}}, 0.6);  // a drip of wax
  flat(cr, pal::bone, 1.2);
}

// The skeleton's dog, curled up on the floor gnawing a bone, facing left; (x, y) its middle.
void bonedog(cairo_t* cr, double x, double y, const light& L) {
  groundshadow(cr, x, y + 22, 84, 9, 0.5);
  tube(cr, {{x + 50, y + 10}, {x + 72, y - 4}, {x + 84, y - 22}}, 5, pal::bone, L, 2);  // the tail, wagging
  for (double fx : {x - 50, x + 30}) bone(cr, {fx, y + 14}, {fx - 34, y + 22}, 8, L);  // folded legs
  blob(cr, {{x - 40, y + 14}, {x - 30, y - 16}, {x + 10, y - 24}, {x + 46, y - 12}, {x + 54, y + 12}, {x, y + 20}}, 0.8);
  artsetcolor(cr, rgb{0.14, 0.1, 0.16}, 0.35);
  cairo_fill(cr);
  for (int k = 0; k < 5; k++) {  // ribs arching over its back
    double rx = x - 24 + k * 14;
    cairo_new_path(cr);
    cairo_move_to(cr, rx, y - 20 + std::abs(k - 2) * 2.0);
    cairo_curve_to(cr, rx - 8, y - 10, rx - 8, y + 6, rx - 2, y + 14);
    artsetcolor(cr, pal::ink);
    cairo_set_line_width(cr, 8);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke_preserve(cr);
    artsetcolor(cr, pal::bone);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
  }
  for (int k = 0; k <= 7; k++) {  // the spine
    ellipse(cr, x - 34 + k * 12, y - 22 + std::abs(k - 3.5) * 1.5, 5, 4);
    paint(cr, pal::bone, L, 10, 1.8);
  }
  bone(cr, {x - 74, y + 18}, {x - 44, y + 22}, 9, L);  // the bone it gnaws, between its paws
  for (double fx : {x - 56, x - 68}) bone(cr, {fx + 26, y + 8}, {fx, y + 26}, 7, L);  // front legs
  // the head: a long snout resting on the bone, an eye socket with a happy glint
  blob(cr, {{x - 60, y - 14}, {x - 44, y - 26}, {x - 26, y - 18}, {x - 30, y + 4}, {x - 58, y + 6}, {x - 86, y + 8}, {x - 92, y},
            {x - 84, y - 6}},
       0.7);
  paint(cr, pal::bone, L, 60, 3);
  ellipse(cr, x - 50, y - 12, 6, 5);
  flat(cr, rgb{0.16, 0.1, 0.18}, 1.6);
  glow(cr, x - 49, y - 12, 6, pal::mint, 0.7);
  ellipse(cr, x - 91, y + 1, 3, 2.5);
  flat(cr, rgb{0.16, 0.1, 0.18}, 0);
  for (int k = 0; k < 4; k++) inkline(cr, {{x - 84 + k * 6.0, y + 5}, {x - 84 + k * 6.0, y + 9}}, 1.4);
}

// A little barrel lying on its side, bottom at y.
void barrel(cairo_t* cr, double x, double y, const light& L) {
  ellipse(cr, x, y - 26, 40, 26);
  paint(cr, col::wood, L, 80, 3);
  for (double dx : {-22.0, 22.0}) inkline(cr, {{x + dx, y - 50}, {x + dx * 1.1, y - 26}, {x + dx, y - 2}}, 3.5, 0.7);
  ellipse(cr, x + 40, y - 26, 10, 24);
  paint(cr, artshade(col::wood, 1.1), L, 20, 3);
  ellipse(cr, x + 40, y - 26, 3, 3);
  flat(cr, col::darkwood, 1.2);
}

// A niche in the cellar wall full of skulls, candles on top.
void skullniche(cairo_t* cr, double cx, double top, double w, double h, uint32_t seed, const light& L) {
  rng r(seed);
  cairo_new_path(cr);
  cairo_move_to(cr, cx - w / 2, top + h);
  cairo_line_to(cr, cx - w / 2, top + w / 2);
  cairo_arc(cr, cx, top + w / 2, w / 2, M_PI, 2 * M_PI);
  cairo_line_to(cr, cx + w / 2, top + h);
  cairo_close_path(cr);
  cairo_path_t* hole = cairo_copy_path(cr);
  artsetcolor(cr, rgb{0.1, 0.07, 0.1});
  cairo_fill(cr);
  cairo_save(cr);
  cairo_append_path(cr, hole);
  cairo_clip(cr);
  double s = w / 7.5;
  for (double y = top + h - s * 0.9; y > top + s; y -= s * 1.5) {  // rows of skulls, smaller ones behind
    for (double x = cx - w / 2 + s * 0.9; x < cx + w / 2; x += s * 1.8) {
      double k = r.range(0.9, 1.05);
      ellipse(cr, x, y, s * 0.8 * k, s * 0.72 * k);
      paint(cr, artshade(pal::bone, r.range(0.72, 0.9)), L, s * 1.6, 2);
      for (double e : {-1.0, 1.0}) {
        ellipse(cr, x + e * s * 0.3, y, s * 0.2, s * 0.22);
        flat(cr, rgb{0.16, 0.1, 0.18}, 0);
      }
      inkline(cr, {{x - s * 0.3, y + s * 0.42}, {x + s * 0.3, y + s * 0.42}}, 1.2, 0.6);
    }
  }
  glow(cr, cx, top + h * 0.5, w * 0.7, candle, 0.2);
  cairo_restore(cr);
  cairo_new_path(cr);
  cairo_append_path(cr, hole);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  cairo_path_destroy(hole);
  candlestick(cr, cx - w * 0.25, top + h + 2, 18, L);
  candlestick(cr, cx + w * 0.3, top + h + 2, 12, L);
}

void cellar(cairo_t* cr) {
  const light L = torch;
  const double x0 = 1180;
  // the back wall: big old stones, warm where the candles reach, a low vault above
  cairo_rectangle(cr, x0, 0, scenew - x0, sceneh);
  artsetcolor(cr, rgb{0.16, 0.12, 0.16});
  cairo_fill(cr);
  cairo_save(cr);
  cairo_rectangle(cr, x0, 0, scenew - x0, sceneh);
  cairo_clip(cr);
  ashlar(cr, x0, 100, scenew, ledgefoot, stone, 46, 5301, L);
  // vault ribs and the dark ceiling between them
  for (double x = x0 + 100; x < scenew + 200; x += 420) {
    cairo_new_path(cr);
    cairo_arc(cr, x + 210, 300, 260, M_PI, 2 * M_PI);
    cairo_line_to(cr, x + 210 + 260, -20);
    cairo_line_to(cr, x - 50, -20);
    cairo_close_path(cr);
    artsetcolor(cr, rgb{0.1, 0.08, 0.12});
    cairo_fill(cr);
    rib(cr, x + 210, 300, 260, 26, artshade(stone, 1.15));
  }
  // skull niches along the wall at the height of the landing and above
  skullniche(cr, 1350, 180, 110, 150, 5302, L);
  skullniche(cr, 2330, 170, 120, 160, 5303, L);
  skullniche(cr, 1700, 150, 90, 120, 5304, L);
  // the passage on: a tall arch behind the big crate, a lantern deep inside
  {
    const double px = 1905, top = 196, hw = 78;
    cairo_new_path(cr);
    cairo_move_to(cr, px - hw, landing);
    cairo_line_to(cr, px - hw, top + hw);
    cairo_arc(cr, px, top + hw, hw, M_PI, 2 * M_PI);
    cairo_line_to(cr, px + hw, landing);
    cairo_close_path(cr);
    cairo_path_t* hole = cairo_copy_path(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, top, 0, landing);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.05, 0.04, 0.07);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.14, 0.1, 0.12);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    cairo_save(cr);
    cairo_append_path(cr, hole);
    cairo_clip(cr);
    for (int k = 1; k <= 3; k++) {  // steps going up into the dark
      double y = landing - k * 16;
      cairo_rectangle(cr, px - hw + k * 12, y, 2 * hw - k * 24, 16);
      paint(cr, artshade(stone, 0.6 - k * 0.1), L, 40, 1.5);
    }
    glow(cr, px + 20, top + 120, 60, candle, 0.5);
    cairo_rectangle(cr, px + 14, top + 110, 12, 16);  // a far lantern
    flat(cr, rgb{1.0, 0.86, 0.5}, 1.6);
    cairo_restore(cr);
    cairo_new_path(cr);
    cairo_append_path(cr, hole);
    artsetcolor(cr, pal::ink);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    cairo_path_destroy(hole);
    // the arch's stones and a keystone with a painted arrow
    for (int k = 0; k <= 8; k++) {
      double a = M_PI + k * M_PI / 8;
      double cx = px + std::cos(a) * (hw + 14), cy = top + hw + std::sin(a) * (hw + 14);
      ellipse(cr, cx, cy, 13, 11, a * 180 / M_PI + 90);
      paint(cr, artshade(stone, 1.12), L, 24, 2.5);
    }
    artfont(cr, "sans", 11);
    arttext(cr, "WAY OUT", px, top - 22, pal::bone, 1.6);
  }
  // the landing: its floor and its front face
  poly(cr, {{1790, landing - 12}, {pillarx, landing - 10}, {pillarx, landing + 2}, {1780, landing + 2}});
  paint(cr, artshade(stone, 1.05), L, 60, 3);
  cairo_rectangle(cr, 1760, landing + 2, pillarx - 1760, 48);
  paint(cr, artshade(stone, 0.85), L, 60, 3);
  ashlar(cr, 1760, landing + 4, pillarx, landing + 50, artshade(stone, 0.85), 22, 5305, L);
  // the stair up to it from the ledge, five worn steps rising to the right
  for (int k = 0; k < 5; k++) {
    double sx = 1640 + k * 24, top = 436 - (k + 1) * 8.8;
    cairo_rectangle(cr, sx, top, 1762 - sx, 8.8 * (k + 1) + 2);
    paint(cr, artshade(stone, 0.8), L, 30, 2.5);
    cairo_rectangle(cr, sx, top - 5, 1762 - sx, 6);
    paint(cr, artshade(stone, 1.15), L, 30, 2);
  }
  // the ledge: floor band and front face, along to the pillar
  poly(cr, {{1250, 436}, {pillarx, 436}, {pillarx, ledge}, {1240, ledge}});
  paintgrad(cr, artshade(stone, 1.12), artshade(stone, 0.95), L, 60, 3);
  cairo_rectangle(cr, 1240, ledge, pillarx + 70 - 1240, ledgefoot - ledge);
  paint(cr, artshade(stone, 0.75), L, 60, 3);
  ashlar(cr, 1240, ledge + 2, pillarx + 70, ledgefoot, artshade(stone, 0.75), 24, 5306, L);
  // the pillar the low crate comes up against
  cairo_rectangle(cr, pillarx, 80, 74, ledgefoot - 80);
  paint(cr, artshade(stone, 1.0), L, 74, 3.5);
  ashlar(cr, pillarx + 3, 84, pillarx + 71, ledgefoot - 4, stone, 34, 5307, L);
  // the floor: flagstones, darker away from the candles
  cairo_rectangle(cr, x0, ledgefoot, scenew - x0, sceneh - ledgefoot);
  paintgrad(cr, rgb{0.36, 0.30, 0.32}, rgb{0.22, 0.18, 0.22}, L, 100, 3);
  for (double y = ledgefoot + 30; y < sceneh; y += 36) inkline(cr, {{x0, y}, {scenew, y}}, 1.4, 0.4);
  rng r(5308);
  for (double y = ledgefoot; y < sceneh; y += 36)
    for (double x = x0 + r.range(0, 80); x < scenew; x += r.range(90, 150)) inkline(cr, {{x, y}, {x - 4, y + 36}}, 1.4, 0.4);
  // the torch at the upper left that throws the crates' shadows to the right
  {
    const double tx = 1420, ty = 330;
    glow(cr, tx, ty - 30, 260, candle, 0.4);
    poly(cr, {{tx - 8, ty}, {tx + 8, ty}, {tx + 4, ty + 50}, {tx - 4, ty + 50}});
    paint(cr, col::darkwood, L, 16, 2.5);
    blob(cr, {{tx, ty - 44}, {tx + 14, ty - 16}, {tx + 8, ty}, {tx - 8, ty}, {tx - 14, ty - 18}}, 0.8);
    flat(cr, pal::pumpkin, 2);
    blob(cr, {{tx, ty - 30}, {tx + 7, ty - 12}, {tx, ty - 4}, {tx - 7, ty - 12}}, 0.8);
    flat(cr, rgb{1.0, 0.92, 0.55}, 0);
    tube(cr, {{tx - 16, ty + 36}, {tx + 16, ty + 36}}, 5, col::iron, L, 2);
  }
  // the pile of sacks the skeleton leans on, a candle stub beside him, bones strewn about
  {
    const double sx = 1676;
    for (int k = 0; k < 3; k++) {
      double cx = sx + (k == 2 ? 28 : k * 44), cy = k == 2 ? 630 : 712;
      blob(cr, {{cx - 46, cy + 36}, {cx - 50, cy - 10}, {cx - 30, cy - 44}, {cx - 8, cy - 50}, {cx + 12, cy - 58},
                {cx + 20, cy - 44}, {cx + 46, cy - 30}, {cx + 50, cy + 36}},
           0.7);
      paint(cr, rgb{0.66, 0.56, 0.42}, L, 100, 3);
      inkline(cr, {{cx - 4, cy - 48}, {cx + 14, cy - 50}}, 2.4);  // the tied neck
    }
    artfont(cr, "sans", 12);
    arttext(cr, "BONE", sx + 44, 716, rgb{0.42, 0.28, 0.2}, 0);
    arttext(cr, "MEAL", sx + 44, 730, rgb{0.42, 0.28, 0.2}, 0);
    candlestick(cr, 1380, 756, 14, L);
    bonedog(cr, 2010, 716, L);
    barrel(cr, 1300, ledge - 4, L);
    barrel(cr, 1400, ledge - 6, L);
    candlestick(cr, 1470, ledge - 8, 20, L);
    bone(cr, {1262, 720}, {1322, 744}, 10, L);
    bone(cr, {1800, 748}, {1850, 730}, 9, L);
    ellipse(cr, 1300, 674, 26, 6);  // a puddle that seeped in from the sewer
    artsetcolor(cr, pal::mint, 0.25);
    cairo_fill(cr);
  }
  // chains and cobwebs hanging from the vault
  for (double cx : {1500.0, 2060.0}) {
    for (int k = 0; k < 8; k++) {
      ellipse(cr, cx + (k % 2) * 1.5, 20 + k * 14, 4, 7);
      artsetcolor(cr, col::iron);
      cairo_set_line_width(cr, 3);
      cairo_stroke(cr);
    }
  }
  for (double cx : {1240.0, 2250.0}) {
    for (int k = 0; k < 6; k++) inkline(cr, {{cx, 100}, {cx + std::cos(k * 0.5) * 70, 100 + std::sin(k * 0.5) * 70}}, 1, 0.4);
    for (int ring = 1; ring <= 4; ring++) {
      std::vector<pt> web;
      for (int k = 0; k < 6; k++) web.push_back({cx + std::cos(k * 0.5) * ring * 16, 100 + std::sin(k * 0.5) * ring * 16 + 3});
      curve(cr, web);
      artsetcolor(cr, pal::bone, 0.35);
      cairo_set_line_width(cr, 1);
      cairo_stroke(cr);
    }
  }
  cairo_restore(cr);
}

// The great arch between the sewer and the cellar, with its sign.
void archway(cairo_t* cr) {
  const light L = torch;
  const double ax = 1196;
  cairo_rectangle(cr, ax - 40, 0, 80, sceneh);
  paint(cr, artshade(stone, 0.9), L, 80, 3.5);
  ashlar(cr, ax - 38, 0, ax + 38, sceneh, artshade(stone, 0.9), 40, 5401, L);
  artroundrect(cr, ax - 84, 330, 168, 70, 8);
  paint(cr, col::wood, L, 168, 3);
  artfont(cr, "round", 20);
  arttext(cr, "Bone Cellar", ax, 354, pal::bone, 2);
  artfont(cr, "comic", 12);
  arttext(cr, "mind your head", ax, 380, pal::bone, 1.2);
  for (double s : {-1.0, 1.0}) inkline(cr, {{ax + s * 60, 330}, {ax + s * 40, 290}}, 2);
  // a sewer grate where the channel runs under the cellar floor
  cairo_rectangle(cr, ax - 40, 612, 80, 156);
  artsetcolor(cr, rgb{0.06, 0.1, 0.1});
  cairo_fill(cr);
  for (double x = ax - 34; x < ax + 40; x += 12) tube(cr, {{x, 612}, {x, 768}}, 4, col::iron, L, 1.6);
}

void bonecellarscene() {
  cairo_t* cr = artnew(scenew, sceneh);
  sewer(cr);
  cellar(cr);
  archway(cr);
  // the cellar is dark but for the torch and the candles; warm where they reach
  darkness(cr, 1156, 0, scenew - 1156, sceneh, rgb{0.06, 0.03, 0.08}, 0.62,
           {{1420, 300}, {1350, 330}, {1700, 270}, {2330, 330}, {1380, 730}, {1925, 320}, {1560, 640}, {1470, 470}, {2010, 700}},
           {460, 170, 150, 190, 170, 110, 300, 120, 180});
  glow(cr, 1420, 300, 380, candle, 0.16);
  haze(cr, scenew, 0, 200, rgb{0.05, 0.03, 0.07}, 0.5, 0);
  haze(cr, scenew, 600, sceneh, pal::ink, 0, 0.35);
  vignette(cr, scenew, sceneh, 0.4);
  grain(cr, 0.028, 5499);
  savehalves(cr, "story/5/bga.jpg", "story/5/bgb.jpg");
}

// ---- the pictures ---------------------------------------------------------------------------------

void objects() {
  const light L = torch;
  // the skeleton (without his skull) and the skull, each with its glow
  cairo_t* cr = artnew(skelw, skelh);
  skeletonbody(cr, L);
  grain(cr, 0.02, 5501);
  saveglow(cr, "story/5/skel2-glow.png", glowpad);
  artsave(cr, "story/5/skel2.png");
  cr = artnew(skullw, skullh);
  skull(cr, skullw / 2.0, skullh / 2.0 + 1, L);
  grain(cr, 0.02, 5502);
  saveglow(cr, "story/5/skel1-glow.png", glowpad);
  artsave(cr, "story/5/skel1.png");
  // the low crate of bones, sitting at the bottom of its picture on the ledge
  cr = artnew(box2w, box2h);
  crate(cr, box2w / 2.0 - 5, box2h / 2.0 + (ledge - 4 - box2y), 126, 80, 10, "BONES", "FRAGILE", 5503, L);
  grain(cr, 0.02, 5504);
  saveglow(cr, "story/5/box2-glow.png", glowpad);
  artsave(cr, "story/5/box2.png");
  // its shadow, thrown by the torch onto the ledge and the landing's face behind it
  cr = artnew(shadoww, shadowh);
  {
    auto o = [](double x, double y) { return pt{x - (box2x + 131) + shadoww / 2.0, y - (box2y + 53) + shadowh / 2.0}; };
    for (int k = 0; k < 8; k++) {  // soft edges: the same shape grown a little each pass
      double g = k * 1.2;
      poly(cr, {o(1606 - g, ledge - 4 + g * 0.3), o(1770 + g, ledge - 10 + g * 0.3), o(1816 + g, 420 - g),
                o(1700, 406 - g), o(1606 - g, 406 - g)});
      artsetcolor(cr, pal::ink, 0.09);
      cairo_fill(cr);
    }
  }
  artsave(cr, "story/5/box2-shadow.png");
  // the big crate in front of the passage, its bottom on the landing
  cr = artnew(box1w, box1h);
  crate(cr, box1w / 2.0 - 5, box1h / 2.0 + (landing - 4 - box1y), 140, 112, 12, "SPARE RIBS", "THIS WAY UP", 5505, L);
  grain(cr, 0.02, 5506);
  saveglow(cr, "story/5/box1-glow.png", glowpad);
  artsave(cr, "story/5/box1.png");
}

}  // namespace

void forgestory_ch5() {
  bonecellarscene();
  objects();
}

std::vector<pictureentry> manifest_story_ch5() {
  auto g = [](int v) { return v + 2 * glowpad; };
  return {
      {"story/5/bga.jpg", 1366, sceneh, "chapter 5 the sewer, left half [cut]"},
      {"story/5/bgb.jpg", 1366, sceneh, "chapter 5 the bone cellar, right half [cut]"},
      {"story/5/skel2.png", skelw, skelh, "chapter 5 the skeleton lounging, without his skull"},
      {"story/5/skel2-glow.png", g(skelw), g(skelh), "chapter 5 the skeleton glowing"},
      {"story/5/skel1.png", skullw, skullh, "chapter 5 the skeleton's skull"},
      {"story/5/skel1-glow.png", g(skullw), g(skullh), "chapter 5 the skull glowing"},
      {"story/5/box2.png", box2w, box2h, "chapter 5 the low crate on the ledge"},
      {"story/5/box2-glow.png", g(box2w), g(box2h), "chapter 5 the low crate glowing"},
      {"story/5/box2-shadow.png", shadoww, shadowh, "chapter 5 the low crate's shadow"},
      {"story/5/box1.png", box1w, box1h, "chapter 5 the big crate in front of the passage"},
      {"story/5/box1-glow.png", g(box1w), g(box1h), "chapter 5 the big crate glowing"},
  };
}
