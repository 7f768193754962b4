// Chapter 4's scene: Drizzle Street on a night of pouring rain. A row of crooked shops and
// houses stands behind a wet pavement, the lamps make gold puddles on the cobbles, a bus
// stop, an umbrella shop and a chip shop keep the townsfolk (and a few zombies) out of the
// rain. Three things are there to be found with the pointer: a soggy cat in a window box, the
// broken gutter that drips onto the pavement, and the drain cover in the road.
//
// Scene positions this file composes around (scene x, screen y, top-left handles): the cat's
// search picture at (2020, 388), the gutter's at (2557, 0), the drain's at (1932, 676) with its
// cover at (1933, 678), dragged 150 pixels to the left once found.
#include "tools/forge/forge_story.h"
#include "tools/forge/forge_story_ch04.h"
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

using namespace storykit;
using namespace ch4;

namespace {

const light coldlight = lightfrom(100, rgb{0.62, 0.78, 1.0}, 0.4, 0.45);  // the wet sky

// n straight streaks falling along (-1, 4), as the rain particles do, over the rectangle.
void rainstreaks(cairo_t* cr, double x0, double y0, double w, double h, int n, double len0, double len1,
                 double alpha, double width, rgb c, uint32_t seed) {
  rng r(seed);
  cairo_save(cr);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_width(cr, width);
  for (int i = 0; i < n; i++) {
    double x = x0 + r.unit() * w, y = y0 + r.unit() * h, l = r.range(len0, len1);
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x - l * 0.25, y + l);
    artsetcolor(cr, c, alpha * r.range(0.4, 1.0));
    cairo_stroke(cr);
  }
  cairo_restore(cr);
}

// Rings where drops hit a puddle or the pavement: flat ellipses and a little crown.
void splashes(cairo_t* cr, double x0, double x1, double y0, double y1, int n, double alpha, uint32_t seed) {
  rng r(seed);
  cairo_save(cr);
  for (int i = 0; i < n; i++) {
    double x = r.range(x0, x1), y = r.range(y0, y1), k = 0.6 + 0.8 * (y - y0) / std::max(1.0, y1 - y0);
    ellipse(cr, x, y, 7 * k * r.range(0.6, 1.3), 2 * k);
    artsetcolor(cr, raincol, alpha * r.range(0.4, 1));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    if (r.chance(0.4)) {
      for (int s = -1; s <= 1; s++) {
        cairo_move_to(cr, x + s * 2 * k, y - 1);
        cairo_line_to(cr, x + s * 5 * k, y - 6 * k);
      }
      artsetcolor(cr, raincol, alpha * 0.8);
      cairo_stroke(cr);
    }
  }
  cairo_restore(cr);
}

// A gold reflection on the wet road under a lamp or a window: a soft upright streak broken by
// ripples.
void reflection(cairo_t* cr, double x, double y, double w, double h, rgb c, double alpha, uint32_t seed) {
  lightpool(cr, x, y, w, h, c, alpha);
  rng r(seed);
  cairo_save(cr);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (double yy = y - h * 0.8; yy < y + h * 0.8; yy += r.range(5, 10)) {
    double half = w * 0.8 * std::sqrt(std::max(0.0, 1 - std::pow((yy - y) / h, 2))) * r.range(0.4, 1);
    cairo_move_to(cr, x - half, yy);
    cairo_line_to(cr, x + half, yy);
    artsetcolor(cr, artmix(c, rgb{1, 1, 1}, 0.3), alpha * r.range(0.3, 0.8));
    cairo_set_line_width(cr, r.range(1, 2.2));
    cairo_stroke(cr);
  }
  cairo_restore(cr);
}

constexpr int coverw = 164, coverh = 80;                 // e3.png at (1933, 678)
constexpr int holew = coverw + 10, holeh = coverh + 10;  // 0.png and 3.png at (1932, 676)
constexpr int rainw = 26, rainh = 76;
constexpr double coverx = 1933, covery = 678;
// Where the cover's disc sits inside e3.png (a wide margin left and top for 3.png's halo).
constexpr double discx = 24 + 62, discy = 22 + 24, discrx = 62, discry = 24;

// ---- the things to find -------------------------------------------------------------------------

// The soggy cat sitting in a window box, seen down to the box's rim at y `rim`; the rest of
// it is in the box. Its tail hangs over the box's front. (x, rim) is the middle of the rim.
void soggycat(cairo_t* cr, double x, double rim, const light& L) {
  const rgb fur{0.90, 0.55, 0.26}, dark{0.62, 0.32, 0.14}, bib{0.98, 0.88, 0.72};
  rng r(4411);
  cairo_save(cr);
  cairo_rectangle(cr, x - 80, rim - 120, 160, 120);
  cairo_clip(cr);
  // the body: a wet pear with clumped fur sticking out at the sides
  std::vector<pt> body;
  for (int i = 0; i <= 24; i++) {
    double a = M_PI * (1 + i / 24.0);  // the top half of an oval, left to right
    double rx = 33, ry = 44;
    double px = x + std::cos(a) * rx * (1 + 0.1 * std::sin(a * 2)), py = rim + 6 + std::sin(a) * ry;
    body.push_back({px, py});
    if (i % 3 == 1 && i > 2 && i < 22) {  // a wet clump
      double nx = std::cos(a), ny = std::sin(a);
      body.push_back({px + nx * r.range(5, 8) + ny * 3, py + ny * r.range(3, 6) - nx * 3});
    }
  }
  body.push_back({x + 40, rim + 8});
  body.push_back({x - 40, rim + 8});
  poly(cr, body);
  cairo_path_t* shape = cairo_copy_path(cr);
  paint(cr, fur, L, 70, 3);
  cairo_save(cr);
  cairo_append_path(cr, shape);
  cairo_clip(cr);
  for (int k = 0; k < 4; k++) {  // tabby stripes round the sides
    double yy = rim - 30 + k * 10;
    inkline(cr, {{x - 36, yy}, {x - 26, yy + 3}, {x - 20, yy + 1}}, 4, 0);
    cairo_move_to(cr, x - 38, yy);
    cairo_curve_to(cr, x - 30, yy + 4, x - 24, yy + 4, x - 19, yy);
    cairo_move_to(cr, x + 38, yy);
    cairo_curve_to(cr, x + 30, yy + 4, x + 24, yy + 4, x + 19, yy);
    artsetcolor(cr, dark, 0.8);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
  }
  blob(cr, {{x - 14, rim - 34}, {x + 14, rim - 34}, {x + 16, rim + 4}, {x - 16, rim + 4}}, 0.8);
  paint(cr, bib, L, 30, 0);
  cairo_restore(cr);
  cairo_new_path(cr);
  cairo_append_path(cr, shape);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  cairo_path_destroy(shape);
  // front paws on the rim
  for (double s : {-1.0, 1.0}) {
    ellipse(cr, x + s * 11, rim - 3, 8, 6);
    paint(cr, bib, L, 14, 2.2);
  }
  cairo_restore(cr);
  // the head, ears flattened sideways by the rain
  const double hx = x + 2, hy = rim - 52;
  for (double s : {-1.0, 1.0}) {
    std::vector<pt> ear{{hx + s * 12, hy - 16}, {hx + s * 36, hy - 14}, {hx + s * 24, hy - 2}};
    blob(cr, ear, 0.3);
    paint(cr, fur, L, 20, 2.6);
    poly(cr, {{hx + s * 16, hy - 13}, {hx + s * 29, hy - 12}, {hx + s * 22, hy - 6}});
    flat(cr, col::blush, 0, 0.8);
  }
  std::vector<pt> head;
  for (int i = 0; i < 28; i++) {
    double a = 2 * M_PI * i / 28;
    double rx = 27, ry = 22;
    double px = hx + std::cos(a) * rx, py = hy + std::sin(a) * ry;
    head.push_back({px, py});
    if (std::sin(a) > 0.2 && i % 2 == 0) head.push_back({px + std::cos(a) * 3, py + 5});  // dripping cheek fur
  }
  poly(cr, head);
  cairo_path_t* hs = cairo_copy_path(cr);
  paint(cr, fur, L, 50, 3);
  cairo_save(cr);
  cairo_append_path(cr, hs);
  cairo_clip(cr);
  for (int k = -1; k <= 1; k++) {  // the tabby M on the forehead
    cairo_move_to(cr, hx + k * 8, hy - 22);
    cairo_line_to(cr, hx + k * 7, hy - 13);
  }
  artsetcolor(cr, dark, 0.85);
  cairo_set_line_width(cr, 3.2);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_stroke(cr);
  ellipse(cr, hx, hy + 9, 14, 9);  // muzzle
  artsetcolor(cr, bib);
  cairo_fill(cr);
  cairo_restore(cr);
  cairo_path_destroy(hs);
  // grumpy half-lidded eyes with slit pupils
  for (double s : {-1.0, 1.0}) {
    double ex = hx + s * 11, ey = hy - 2;
    ellipse(cr, ex, ey, 7.5, 7);
    artsetcolor(cr, rgb{0.86, 0.9, 0.42});
    cairo_fill_preserve(cr);
    artsetcolor(cr, pal::ink);
    cairo_set_line_width(cr, 1.8);
    cairo_stroke(cr);
    ellipse(cr, ex + s * 0.5, ey + 1.5, 1.6, 4.5);
    artsetcolor(cr, pal::ink);
    cairo_fill(cr);
    poly(cr, {{ex - 9, ey - 8}, {ex + 9, ey - 8}, {ex + 9, ey - 1 + s * 1.5}, {ex - 9, ey - 1 - s * 1.5}});
    artsetcolor(cr, artshade(fur, 0.9));
    cairo_fill(cr);
    inkline(cr, {{ex - 8, ey - 1 - s * 1.5}, {ex + 8, ey - 1 + s * 1.5}}, 2.2);
  }
  // nose, a sulking mouth, drooping whiskers
  poly(cr, {{hx - 4, hy + 5}, {hx + 4, hy + 5}, {hx, hy + 9}});
  flat(cr, col::blush, 1.4);
  inkline(cr, {{hx - 7, hy + 16}, {hx - 3, hy + 13}, {hx, hy + 12}, {hx + 3, hy + 13}, {hx + 7, hy + 16}}, 1.8);
  for (double s : {-1.0, 1.0})
    for (int k = 0; k < 3; k++)
      inkline(cr, {{hx + s * 12, hy + 10 + k * 2}, {hx + s * 24, hy + 14 + k * 4}, {hx + s * 32, hy + 20 + k * 5}}, 1.1,
              0.8);
  // drops running off the ears and the chin
  for (pt d : std::vector<pt>{{hx - 34, hy - 8}, {hx + 37, hy - 6}, {hx + 2, hy + 30}}) {
    blob(cr, {{d.x, d.y - 5}, {d.x + 3, d.y + 1}, {d.x, d.y + 4}, {d.x - 3, d.y + 1}}, 0.8);
    flat(cr, rgb{0.72, 0.86, 1.0}, 1.2);
  }
  // the tail hanging over the box
  tube(cr, {{x + 26, rim - 4}, {x + 40, rim + 2}, {x + 44, rim + 14}, {x + 42, rim + 26}}, 8, fur, L, 2.4);
  blob(cr, {{x + 42, rim + 25}, {x + 45, rim + 31}, {x + 42, rim + 35}, {x + 39, rim + 31}}, 0.8);
  flat(cr, rgb{0.72, 0.86, 1.0}, 1.2);
}

// The gutter under the tall house's eaves: a length of it has lost its bracket and hangs
// down to the right, pouring. Drawn in the gutter picture's own frame (its top-left at the
// scene's (gutx, guty)); the intact gutter left of it is the background's.
void sagginggutter(cairo_t* cr, const light& L, bool stream) {
  const double x0 = 22, y0 = 52, x1 = 128, y1 = 104, th = 20;  // the hanging length's ends, its depth
  double ang = std::atan2(y1 - y0, x1 - x0), len = std::hypot(x1 - x0, y1 - y0);
  cairo_save(cr);
  cairo_translate(cr, x0, y0);
  cairo_rotate(cr, ang);
  // a half-round trough: the rolled lip on top, the round belly below, an end cap
  blob(cr, {{-2, -th / 2}, {len, -th / 2}, {len + 4, 0}, {len - 2, th / 2 + 2}, {len * 0.5, th / 2 + 4}, {0, th / 2 + 2},
            {-3, 0}},
       0.5);
  paint(cr, gutterzinc, L, th * 1.6, 3);
  cairo_rectangle(cr, -2, -th / 2 - 3, len + 4, 6);
  paint(cr, artshade(gutterzinc, 1.2), L, 6, 2.2);
  ellipse(cr, len + 1, 0, 4, th / 2);
  paint(cr, artshade(gutterzinc, 0.8), L, 8, 2.2);
  for (double t : {0.34, 0.68}) inkline(cr, {{len * t, -th / 2}, {len * t, th / 2 + 3}}, 1.6, 0.6);  // joints
  dabs(cr, len * 0.4, -4, len * 0.5, 12, rgb{0.66, 0.36, 0.2}, 0.55, 7, 8, 4421);  // rust
  // water brimming over the lip all along
  cairo_rectangle(cr, 2, -th / 2 - 1, len - 4, 3);
  artsetcolor(cr, rgb{0.8, 0.9, 1.0}, 0.7);
  cairo_fill(cr);
  cairo_restore(cr);
  // drips hanging under its belly
  for (double t : {0.2, 0.5, 0.8}) {
    double dx = x0 + (x1 - x0) * t - std::sin(ang) * 12, dy = y0 + (y1 - y0) * t + std::cos(ang) * 14;
    blob(cr, {{dx, dy - 3}, {dx + 3, dy + 3}, {dx, dy + 7}, {dx - 3, dy + 3}}, 0.8);
    flat(cr, rgb{0.74, 0.86, 1.0}, 1.3);
  }
  // the torn bracket still on the fascia, bent down, and the screw that gave way
  tube(cr, {{92, 30}, {95, 46}, {104, 56}}, 5, col::iron, L, 2);
  ellipse(cr, 92, 30, 4, 4);
  paint(cr, col::steel, L, 8, 1.6);
  // the joint with the good length on the left
  cairo_rectangle(cr, x0 - 12, y0 - 13, 14, 26);
  paint(cr, artshade(gutterzinc, 0.9), L, 14, 2.4);
  if (!stream) return;
  // water pouring off the low end and breaking into drops
  cairo_save(cr);
  cairo_move_to(cr, x1 + 2, y1 - 2);
  cairo_curve_to(cr, x1 + 14, y1 + 8, x1 + 10, y1 + 30, x1 + 8, y1 + 64);
  cairo_line_to(cr, x1 - 3, y1 + 64);
  cairo_curve_to(cr, x1 - 1, y1 + 40, x1 + 1, y1 + 14, x1 - 6, y1 + 6);
  cairo_close_path(cr);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, y1, 0, y1 + 64);
  cairo_pattern_add_color_stop_rgba(g, 0, 0.82, 0.92, 1.0, 0.95);
  cairo_pattern_add_color_stop_rgba(g, 1, 0.82, 0.92, 1.0, 0.0);
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  artsetcolor(cr, pal::ink, 0.5);
  cairo_set_line_width(cr, 1.4);
  cairo_stroke(cr);
  cairo_restore(cr);
  rng r(4422);
  for (int i = 0; i < 4; i++) {  // the picture ends here; the scene's drops carry on down
    double dx = x1 + 3 + r.range(-3, 3), dy = y1 + 74 + i * 16 + r.range(-2, 2), s = 1.2 - i * 0.08;
    blob(cr, {{dx, dy - 7 * s}, {dx + 4 * s, dy + 1}, {dx, dy + 5 * s}, {dx - 4 * s, dy + 1}}, 0.8);
    flat(cr, rgb{0.74, 0.86, 1.0}, 1.4);
  }
}

// The drain cover: a round iron lid in the road seen at a slant, the town's name cast round it
// and rain pooling in its pattern. Centre (cx, cy).
void covertop(cairo_t* cr, double cx, double cy, const light& L) {
  groundshadow(cr, cx + 4, cy + 6, discrx + 6, discry + 2, 0.5);
  ellipse(cr, cx, cy + 4, discrx, discry);  // the lid's rim seen below its face
  paint(cr, artshade(col::iron, 0.7), L, 40, 3);
  ellipse(cr, cx, cy, discrx, discry);
  cairo_path_t* face = cairo_copy_path(cr);
  paint(cr, rgb{0.40, 0.42, 0.50}, L, 120, 3);
  cairo_save(cr);
  cairo_append_path(cr, face);
  cairo_clip(cr);
  // a cast grid of raised studs
  for (int j = -3; j <= 3; j++)
    for (int i = -7; i <= 7; i++) {
      double x = cx + i * 8 + (j % 2) * 4, y = cy + j * 6;
      if (std::pow((x - cx) / (discrx * 0.62), 2) + std::pow((y - cy) / (discry * 0.62), 2) > 1) continue;
      ellipse(cr, x, y, 2.6, 1.2);
      artsetcolor(cr, rgb{0.56, 0.58, 0.66});
      cairo_fill_preserve(cr);
      artsetcolor(cr, pal::ink, 0.5);
      cairo_set_line_width(cr, 0.8);
      cairo_stroke(cr);
    }
  ellipse(cr, cx, cy, discrx * 0.72, discry * 0.72);
  artsetcolor(cr, pal::ink, 0.6);
  cairo_set_line_width(cr, 1.6);
  cairo_stroke(cr);
  // the raised letters in the ring, squashed by the slant
  const char* word = "MORGAVELLE SEWERS * ";
  artfont(cr, "sans", 7.5);
  for (int i = 0; word[i]; i++) {
    double a = -M_PI / 2 + i * 2 * M_PI / 20;
    cairo_save(cr);
    cairo_translate(cr, cx + std::cos(a) * discrx * 0.86, cy + std::sin(a) * discry * 0.86);
    cairo_scale(cr, 1, 0.55);
    cairo_rotate(cr, a + M_PI / 2);
    std::string ch(1, word[i]);
    arttext(cr, ch, 0, 0, rgb{0.6, 0.62, 0.7}, 0);
    cairo_restore(cr);
  }
  // rain pooled on the face: a sheen and two puddled hollows
  ellipse(cr, cx - 14, cy - 4, 26, 7);
  artsetcolor(cr, rgb{0.6, 0.72, 0.9}, 0.35);
  cairo_fill(cr);
  ellipse(cr, cx + 30, cy + 8, 14, 4);
  artsetcolor(cr, rgb{0.6, 0.72, 0.9}, 0.3);
  cairo_fill(cr);
  cairo_move_to(cr, cx - 40, cy - 12);
  cairo_curve_to(cr, cx - 20, cy - 20, cx + 10, cy - 21, cx + 34, cy - 16);
  artsetcolor(cr, rgb{0.85, 0.92, 1.0}, 0.5);
  cairo_set_line_width(cr, 2.5);
  cairo_stroke(cr);
  cairo_restore(cr);
  cairo_path_destroy(face);
  // the lifting slots
  for (double s : {-1.0, 1.0}) {
    artroundrect(cr, cx + s * 38 - 5, cy - 2, 10, 4, 2);
    flat(cr, pal::ink, 0);
  }
}

// The open drain: the iron ring set in the road and the dark shaft with the rungs going down.
void openhole(cairo_t* cr, double cx, double cy, const light& L) {
  ellipse(cr, cx, cy, discrx - 1, discry - 1);
  paint(cr, col::iron, L, 40, 3);
  ellipse(cr, cx, cy + 2, discrx - 9, discry - 7);
  cairo_path_t* shaft = cairo_copy_path(cr);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, cy - discry, 0, cy + discry);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.03, 0.05, 0.06);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.08, 0.16, 0.14);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  cairo_save(cr);
  cairo_append_path(cr, shaft);
  cairo_clip(cr);
  glow(cr, cx + 8, cy + 14, 44, rgb{0.4, 0.8, 0.6}, 0.3);  // the sewer's green glimmer far below
  for (int k = 0; k < 3; k++) {  // iron rungs down the shaft's far wall
    double y = cy - 10 + k * 9, w = 22 - k * 3;
    cairo_move_to(cr, cx - w, y);
    cairo_line_to(cr, cx - w, y + 3);
    cairo_line_to(cr, cx + w, y + 3);
    cairo_line_to(cr, cx + w, y);
    artsetcolor(cr, artshade(col::steel, 0.8 - k * 0.2));
    cairo_set_line_width(cr, 2.5 - k * 0.5);
    cairo_stroke(cr);
  }
  cairo_restore(cr);
  cairo_new_path(cr);
  cairo_append_path(cr, shaft);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 2.5);
  cairo_stroke(cr);
  cairo_path_destroy(shaft);
}

void streetscene() {
  cairo_t* cr = artnew(scenew, sceneh);
  const double W = scenew;
  const light L = lamplight;
  // a low, heavy sky: night blue into the sodium glow the town throws on the clouds
  skyfill(cr, W, sceneh,
          {{0, rgb{0.05, 0.08, 0.17}}, {0.3, rgb{0.11, 0.16, 0.28}}, {0.55, rgb{0.22, 0.28, 0.38}},
           {0.75, rgb{0.36, 0.36, 0.40}}});
  glow(cr, 860, 90, 260, rgb{0.7, 0.78, 0.95}, 0.18);  // the moon lost behind the clouds
  rng r(4460);
  for (int i = 0; i < 11; i++) {
    double cx = r.range(-100, W + 100), cy = r.range(40, 230);
    cloud(cr, cx, cy, r.range(360, 620), r.range(90, 150), rgb{0.18, 0.22, 0.32}, rgb{0.5, 0.6, 0.78}, 4461 + i);
  }
  rainstreaks(cr, 0, -40, W + 100, 520, 900, 30, 70, 0.18, 1, raincol, 4462);
  farskyline(cr);
  haze(cr, W, 250, 480, rainhaze, 0, 0.55);
  rainstreaks(cr, 0, 100, W + 100, 420, 700, 20, 50, 0.2, 1, raincol, 4463);
  // the alley between the middle houses: a far lamp, a zombie's silhouette coming this way
  {
    cairo_rectangle(cr, 1160, 300, 120, front - 300);
    artsetcolor(cr, rgb{0.12, 0.14, 0.22});
    cairo_fill(cr);
    glow(cr, 1222, 470, 70, col::lamp, 0.5);
    lamppost(cr, 1222, 560, 110, true, L, 1.5);
    figure z = zombiefolk(5);
    z.height = 64;
    drawfigure(cr, 1196, 572, z, lightfrom(90, col::lamp, 0.3, 0.3));
    cairo_rectangle(cr, 1160, 300, 120, front - 300);
    artsetcolor(cr, rainhaze, 0.3);
    cairo_fill(cr);
  }
  houses(cr, L);
  haze(cr, W, 0, front, rainhaze, 0.14, 0.1);  // the rain veils the house fronts
  // the cat, the window box and the hanging gutter are drawn where their search pictures lie
  cairo_push_group(cr);  // the cat, half lost in the murk until the pointer finds it
  soggycat(cr, catx + catw / 2.0, boxrim, coldlight);
  cairo_pattern_t* cat = cairo_pop_group(cr);
  cairo_set_source(cr, cat);
  cairo_paint(cr);
  artsetcolor(cr, rgb{0.1, 0.12, 0.24}, 0.42);
  cairo_mask(cr, cat);
  cairo_pattern_destroy(cat);
  windowbox(cr, boxrim, L);
  cairo_save(cr);
  cairo_translate(cr, gutx, guty);
  sagginggutter(cr, coldlight, true);
  cairo_restore(cr);
  // the water from the gutter runs on down to a splash on the pavement
  {
    double sx = gutx + 131;
    for (int i = 0; i < 16; i++) {
      double y = 260 + i * 24 + (i % 3) * 5;
      blob(cr, {{sx + (i % 2) * 3, y - 6}, {sx + 3 + (i % 2) * 3, y + 1}, {sx + (i % 2) * 3, y + 4}, {sx - 3 + (i % 2) * 3, y + 1}},
           0.8);
      flat(cr, rgb{0.74, 0.86, 1.0}, 1.2, 0.85);
    }
    ellipse(cr, sx, front + 24, 40, 8);
    artsetcolor(cr, rgb{0.55, 0.68, 0.85}, 0.5);
    cairo_fill(cr);
    splashes(cr, sx - 20, sx + 20, front + 18, front + 30, 8, 0.8, 4464);
  }
  // the pavement: big wet flagstones, the kerb, then the cobbled road
  cairo_rectangle(cr, 0, front - 4, W, kerb - front + 4);
  artfilloutline(cr, rgb{0.34, 0.38, 0.46}, rgb{0.28, 0.32, 0.42}, front, kerb, 0);
  for (double x = -20; x < W; x += 96) {
    cairo_move_to(cr, x, front);
    cairo_line_to(cr, x - 18, kerb);
  }
  cairo_move_to(cr, 0, front + 20);
  cairo_line_to(cr, W, front + 20);
  artsetcolor(cr, pal::ink, 0.45);
  cairo_set_line_width(cr, 1.6);
  cairo_stroke(cr);
  cairo_rectangle(cr, -4, kerb, W + 8, 10);
  paint(cr, rgb{0.5, 0.52, 0.58}, L, 10, 2.5);
  cobbles(cr, 0, kerb + 10, W, sceneh, rgb{0.30, 0.33, 0.42}, 4465);
  // the road is a sheet of water: the sky's sheen and the warm town mirrored in it
  haze(cr, W, kerb + 10, sceneh, rgb{0.16, 0.2, 0.3}, 0.35, 0.15);
  rng pr(4466);
  for (int i = 0; i < 26; i++) {  // puddles
    double x = pr.range(0, W), y = pr.range(kerb + 22, sceneh - 8), rx = pr.range(40, 120);
    if (x > coverx - 60 && x < coverx + coverw + 40 && y > covery - 10) continue;  // keep the drain clear
    if (x > coverx - 230 && x < coverx && y > covery) continue;  // and where its cover will rest
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, rx, rx * 0.16);
    cairo_pattern_t* g = cairo_pattern_create_radial(0, -0.3, 0, 0, 0, 1);
    cairo_pattern_add_color_stop_rgba(g, 0, 0.46, 0.56, 0.74, 0.8);
    cairo_pattern_add_color_stop_rgba(g, 0.8, 0.26, 0.32, 0.48, 0.7);
    cairo_pattern_add_color_stop_rgba(g, 1, 0.2, 0.24, 0.36, 0);
    cairo_set_source(cr, g);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    cairo_restore(cr);
    cairo_move_to(cr, x - rx * 0.5, y - rx * 0.07);  // the sky's sheen on its far edge
    cairo_curve_to(cr, x - rx * 0.2, y - rx * 0.12, x + rx * 0.2, y - rx * 0.12, x + rx * 0.45, y - rx * 0.08);
    artsetcolor(cr, rgb{0.8, 0.88, 1.0}, 0.35);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
  }
  // lamps along the kerb with their pools, beams full of rain and gold streaks in the road
  const double lamps[] = {118, 880, 1650, 2400};
  for (double lx : lamps) {
    reflection(cr, lx + 4, 728, 30, 74, col::lamp, 0.75, uint32_t(lx));
    lightpool(cr, lx, 660, 170, 26, col::lamp, 0.32);
    beam(cr, lx, 372, lx - 120, lx + 120, 664, col::lamp, 0.08);
    cairo_save(cr);
    cairo_move_to(cr, lx - 4, 372);
    cairo_line_to(cr, lx + 4, 372);
    cairo_line_to(cr, lx + 120, 664);
    cairo_line_to(cr, lx - 120, 664);
    cairo_close_path(cr);
    cairo_clip(cr);
    rainstreaks(cr, lx - 160, 340, 300, 330, 110, 16, 40, 0.55, 1.3, rgb{1.0, 0.92, 0.7}, uint32_t(lx) + 1);
    cairo_restore(cr);
    lamppost(cr, lx, 668, 330, true, L, 3);
  }
  // the street's name on a plate fixed to a lamp post
  artroundrect(cr, 880 + 8, 470, 140, 30, 5);
  paint(cr, pal::bone, L, 140, 2.5);
  artfont(cr, "sans", 14);
  arttext(cr, "DRIZZLE STREET", 880 + 78, 485, pal::night, 0);

  for (double wx : {60.0, 540.0, 1380.0, 2010.0}) reflection(cr, wx, 718, 60, 40, col::windowlit, 0.22, uint32_t(wx) + 7);
  busstop(cr, 180, L);
  people(cr);
  puddlejumper(cr, 560, 742, L);
  // a red pillar box and a dustbin on the pavement
  {
    const double px = 1820, py = 664;
    groundshadow(cr, px, py, 30, 5, 0.5);
    artroundrect(cr, px - 20, py - 104, 40, 104, 10);
    paint(cr, pal::blood, L, 40, 3);
    ellipse(cr, px, py - 104, 24, 8);
    paint(cr, artshade(pal::blood, 0.85), L, 48, 3);
    cairo_rectangle(cr, px - 12, py - 80, 24, 5);
    flat(cr, pal::ink, 0);
    cairo_rectangle(cr, px - 22, py - 10, 44, 10);
    paint(cr, artshade(pal::blood, 0.7), L, 44, 2.5);
    const double bx = 2262;
    groundshadow(cr, bx, py, 30, 5, 0.5);
    poly(cr, {{bx - 24, py - 70}, {bx + 24, py - 70}, {bx + 20, py}, {bx - 20, py}});
    paint(cr, col::iron, L, 50, 3);
    for (int k = 1; k < 4; k++) inkline(cr, {{bx - 24 + k * 1.0, py - 70 + k * 17.0}, {bx + 24 - k * 1.0, py - 70 + k * 17.0}}, 1.4, 0.5);
    ellipse(cr, bx - 2, py - 74, 30, 8, -8);
    paint(cr, artshade(col::iron, 1.2), L, 60, 3);
    glow(cr, bx + 6, py - 60, 16, rgb{0.6, 1.0, 0.5}, 0.5);  // something blinking inside
  }
  // rain: sheets of streaks, thicker near, splashes on the pavement and rings in the road
  splashes(cr, 0, W, front + 6, kerb - 4, 260, 0.55, 4467);
  splashes(cr, 0, W, kerb + 16, sceneh - 4, 360, 0.6, 4468);
  haze(cr, W, 0, sceneh, rainhaze, 0.06, 0.12);
  rainstreaks(cr, -100, -80, W + 200, sceneh + 80, 1600, 30, 80, 0.22, 1.2, raincol, 4469);
  rainstreaks(cr, -100, -80, W + 200, sceneh + 80, 260, 70, 140, 0.28, 2, raincol, 4470);
  vignette(cr, W, sceneh, 0.35);
  grain(cr, 0.025, 4471);
  savehalves(cr, "story/4/bga.jpg", "story/4/bgb.jpg");
}

// ---- the pictures -------------------------------------------------------------------------------

// A search picture: the object drawn by `draw` into a w x h surface, written brighter with a
// halo as `name`, grown by `pad` on each side so it lies over the scene's own drawing.
void searchpicture(const std::string& name, int w, int h, int pad, void (*draw)(cairo_t*)) {
  cairo_t* cr = artnew(w, h);
  draw(cr);
  saveglow(cr, name, pad, 0, 0, rgb{1.0, 0.88, 0.55}, 1.15);
  artdone(cr);
}

void drawcat(cairo_t* cr) {
  cairo_translate(cr, -catx, -caty);
  soggycat(cr, catx + catw / 2.0, boxrim, coldlight);
}
void drawgutter(cairo_t* cr) { sagginggutter(cr, coldlight, true); }

void objects() {
  searchpicture("story/4/1.png", catw, cath, catpad, drawcat);
  searchpicture("story/4/2.png", gutw, guth, gutpad, drawgutter);
  // the cover, with a wide margin left and top so its glow picture can sit at (1932, 676)
  cairo_t* cr = artnew(coverw, coverh);
  covertop(cr, discx, discy, coldlight);
  grain(cr, 0.02, 4480);
  saveglow(cr, "story/4/3.png", 5, -4, -3, rgb{1.0, 0.88, 0.55}, 1.15);
  artsave(cr, "story/4/e3.png");
  // the open drain under it, centred where the cover was
  cr = artnew(holew, holeh);
  openhole(cr, discx + 1, discy + 2, coldlight);
  grain(cr, 0.02, 4481);
  artsave(cr, "story/4/0.png");
  // a raindrop streak for the rain particles: a bright head, a tail fading up the slant
  cr = artnew(rainw, rainh);
  const double hx = 5.5, hy = rainh - 8, tx = 21, ty = 6;  // along (-1, 4)
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (int pass = 0; pass < 2; pass++) {
    cairo_pattern_t* g = cairo_pattern_create_linear(tx, ty, hx, hy);
    double a = pass == 0 ? 0.35 : 0.85;
    cairo_pattern_add_color_stop_rgba(g, 0, raincol.r, raincol.g, raincol.b, 0);
    cairo_pattern_add_color_stop_rgba(g, 0.7, raincol.r, raincol.g, raincol.b, a * 0.6);
    cairo_pattern_add_color_stop_rgba(g, 1, 0.95, 0.98, 1.0, a);
    cairo_set_source(cr, g);
    cairo_set_line_width(cr, pass == 0 ? 5 : 2);
    cairo_move_to(cr, tx, ty);
    cairo_line_to(cr, hx, hy);
    cairo_stroke(cr);
    cairo_pattern_destroy(g);
  }
  artsave(cr, "story/4/rain.png");
}

}  // namespace

void forgestory_ch4() {
  streetscene();
  objects();
}

std::vector<pictureentry> manifest_story_ch4() {
  return {
      {"story/4/bga.jpg", 1366, sceneh, "chapter 4 Drizzle Street in the rain, left half [cut]"},
      {"story/4/bgb.jpg", 1366, sceneh, "chapter 4 Drizzle Street in the rain, right half [cut]"},
      {"story/4/0.png", holew, holeh, "chapter 4 the open drain under its cover"},
      {"story/4/1.png", catw + 2 * catpad, cath + 2 * catpad, "chapter 4 the soggy cat lit up by the search"},
      {"story/4/2.png", gutw + 2 * gutpad, guth + 2 * gutpad, "chapter 4 the dripping gutter lit up by the search"},
      {"story/4/3.png", coverw + 10, coverh + 10, "chapter 4 the drain cover lit up by the search"},
      {"story/4/e3.png", coverw, coverh, "chapter 4 the drain cover, dragged aside when found"},
      {"story/4/rain.png", rainw, rainh, "chapter 4 a raindrop streak for the rain"},
  };
}
