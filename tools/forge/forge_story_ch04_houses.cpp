// Chapter 4's street of shops and houses: the café, the umbrella shop, the chip shop, the
// fishmonger's where the cat keeps watch, the tall house with the broken gutter, and the
// town's roofs and church spire far behind in the rain.
#include "tools/forge/forge_story.h"
#include "tools/forge/forge_story_ch04.h"
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

using namespace storykit;
using namespace ch4;

namespace ch4 {

namespace {

// A shop sign board over a shop window.
void signboard(cairo_t* cr, double cx, double y, double w, const std::string& text, rgb board, const light& L) {
  artroundrect(cr, cx - w / 2, y - 16, w, 32, 6);
  paint(cr, board, L, w, 3);
  artfont(cr, "round", 19);
  arttext(cr, text, cx, y + 1, pal::bone, 2.2);
}

// A lit or dark window with its frame and sill, top-left (x, y).
void sash(cairo_t* cr, double x, double y, double w, double h, bool lit, const light& L) {
  cairo_rectangle(cr, x - 5, y - 5, w + 10, h + 10);
  paint(cr, pal::bone, L, w, 2.5);
  cairo_rectangle(cr, x, y, w, h);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, y, 0, y + h);
  if (lit) {
    cairo_pattern_add_color_stop_rgb(g, 0, 1.0, 0.88, 0.56);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.88, 0.56, 0.30);
  } else {
    cairo_pattern_add_color_stop_rgb(g, 0, 0.2, 0.26, 0.42);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.08, 0.1, 0.2);
  }
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 2.5);
  cairo_stroke(cr);
  if (lit) glow(cr, x + w / 2, y + h / 2, std::max(w, h), col::windowlit, 0.25);
  inkline(cr, {{x + w / 2, y}, {x + w / 2, y + h}}, 2.2);
  inkline(cr, {{x, y + h * 0.45}, {x + w, y + h * 0.45}}, 2.2);
  cairo_rectangle(cr, x - 9, y + h + 4, w + 18, 7);
  paint(cr, pal::bone, L, w, 2.2);
}

// The house the cat sits at: a fishmonger's on the ground floor (of course), and under the
// first-floor window a box of drowned geraniums where the cat keeps watch.
void fishmongers(cairo_t* cr, const light& L) {
  const double x0 = 1900, x1 = 2232, top = 206;
  const rgb wall{0.30, 0.42, 0.50};
  // a gable roof with a round attic window
  blob(cr, {{x0 - 20, top + 4}, {x0 + 90, top - 70}, {(x0 + x1) / 2, top - 112}, {x1 - 90, top - 70}, {x1 + 20, top + 4},
            {(x0 + x1) / 2, top + 10}},
       0.3);
  paint(cr, rgb{0.22, 0.22, 0.32}, L, 300, 3);
  ellipse(cr, (x0 + x1) / 2, top - 46, 20, 20);
  flat(cr, rgb{0.98, 0.82, 0.48}, 3);
  glow(cr, (x0 + x1) / 2, top - 46, 50, col::windowlit, 0.3);
  cairo_rectangle(cr, x0, top, x1 - x0, front - top);
  cairo_path_t* face = cairo_copy_path(cr);
  paint(cr, wall, L, 300, 0);
  cairo_save(cr);
  cairo_append_path(cr, face);
  cairo_clip(cr);
  rng r(4431);
  for (double by = top + 6; by < front; by += 12)  // a few bricks showing through the paint
    for (double bx = x0 + (int(by / 12) % 2) * 11; bx < x1; bx += 22)
      if (r.chance(0.12)) {
        cairo_rectangle(cr, bx, by, 20, 10);
        artsetcolor(cr, artshade(wall, 0.82), 0.6);
        cairo_fill(cr);
      }
  for (int k = 0; k < 7; k++) {  // rain running down under the sills
    double sx = r.range(x0 + 10, x1 - 10);
    cairo_move_to(cr, sx, r.range(top + 60, top + 200));
    cairo_rel_line_to(cr, r.range(-2, 2), r.range(60, 160));
    artsetcolor(cr, artshade(wall, 0.75), 0.5);
    cairo_set_line_width(cr, r.range(3, 7));
    cairo_stroke(cr);
  }
  haze(cr, x1, top, front, pal::ink, 0, 0.3);
  cairo_restore(cr);
  cairo_new_path(cr);
  cairo_append_path(cr, face);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  cairo_path_destroy(face);
  // the top floor
  sash(cr, x0 + 40, top + 30, 56, 74, false, L);
  sash(cr, x1 - 96, top + 30, 56, 74, true, L);
  // the cat's window, lit warm behind it (the cat and its box are drawn over it)
  sash(cr, 2046, boxrim - 92, 98, 86, true, L);
  sash(cr, x0 + 22, boxrim - 86, 44, 70, false, L);
  sash(cr, x1 - 64, boxrim - 86, 44, 70, true, L);
  // the shop: a fascia board, a window full of fish on ice, a door with a bell
  cairo_rectangle(cr, x0 + 6, 528, x1 - x0 - 12, 28);
  paint(cr, pal::night, L, 300, 3);
  artfont(cr, "round", 19);
  arttext(cr, "Fresh Fish Daily", (x0 + x1) / 2 - 20, 542, pal::gold, 2.2);
  sash(cr, x0 + 20, 566, 200, 50, true, L);
  for (int k = 0; k < 5; k++) {  // the fish on the slab, all looking at the cat
    double fx = x0 + 44 + k * 38, fy = 604 - (k % 2) * 6;
    blob(cr, {{fx - 16, fy}, {fx, fy - 7}, {fx + 12, fy}, {fx, fy + 6}}, 0.8);
    paint(cr, k % 2 ? col::steel : rgb{0.9, 0.6, 0.5}, L, 30, 1.6);
    poly(cr, {{fx + 11, fy}, {fx + 20, fy - 7}, {fx + 20, fy + 7}});
    paint(cr, k % 2 ? col::steel : rgb{0.9, 0.6, 0.5}, L, 10, 1.6);
    ellipse(cr, fx - 9, fy - 1, 2, 2);
    flat(cr, pal::ink, 0);
  }
  artroundrect(cr, x1 - 58, 560, 44, 68, 4);
  paint(cr, pal::teal, L, 44, 3);
  cairo_rectangle(cr, x1 - 50, 570, 28, 24);
  flat(cr, rgb{0.98, 0.82, 0.48}, 2);
  ellipse(cr, x1 - 20, 600, 3, 3);
  flat(cr, pal::gold, 1.2);
}

}  // namespace

void windowbox(cairo_t* cr, double rim, const light& L) {
  for (double fx : {2026.0, 2134.0, 2150.0}) {  // geraniums beaten flat either side of the cat
    tube(cr, {{fx, rim}, {fx + 6, rim - 12}, {fx + 14, rim - 10}}, 2.5, pal::moss, L, 1.2);
    ellipse(cr, fx + 14, rim - 10, 6, 4);
    paint(cr, pal::blood, L, 12, 1.4);
  }
  cairo_rectangle(cr, 2028, rim, 136, 30);
  cairo_path_t* box = cairo_copy_path(cr);
  paint(cr, col::wood, L, 130, 3);
  cairo_save(cr);
  cairo_append_path(cr, box);
  cairo_clip(cr);
  woodgrain(cr, 2028, rim, 2164, rim + 30, col::darkwood, 4432);
  cairo_restore(cr);
  cairo_path_destroy(box);
  for (double bx : {2040.0, 2152.0}) {  // brackets
    poly(cr, {{bx - 5, rim + 30}, {bx + 5, rim + 30}, {bx + 5, rim + 44}});
    paint(cr, col::iron, L, 10, 1.8);
  }
}

// The row of shops and houses along Drizzle Street, from the left.
void houses(cairo_t* cr, const light& L) {
  struct house {
    double x, w, h;
    int floors, roof;
    rgb wall;
    bool shop, timber;
    rgb awning;
  };
  const house row[] = {
      {-30, 250, 330, 2, 0, rgb{0.36, 0.34, 0.48}, true, false, pal::blood},
      {220, 190, 410, 3, 1, rgb{0.46, 0.44, 0.46}, false, true, pal::blood},
      {410, 330, 360, 2, 0, rgb{0.28, 0.38, 0.48}, true, false, pal::plum},
      {740, 220, 440, 3, 2, rgb{0.46, 0.36, 0.40}, false, false, pal::blood},
      {960, 200, 300, 2, 0, rgb{0.32, 0.42, 0.42}, false, false, pal::blood},
      {1280, 300, 330, 2, 1, rgb{0.44, 0.40, 0.36}, true, false, pal::gold},
      {1580, 300, 500, 4, 2, rgb{0.38, 0.34, 0.48}, false, false, pal::blood},
      {2236, 270, 420, 3, 0, rgb{0.44, 0.44, 0.42}, false, true, pal::blood},
      {2500, 260, 580, 4, 2, rgb{0.34, 0.36, 0.46}, false, false, pal::blood},
  };
  int k = 0;
  for (const house& hs : row) {
    housestyle s;
    s.wall = hs.wall;
    s.floors = hs.floors;
    s.roofkind = hs.roof;
    s.shop = hs.shop;
    s.timber = hs.timber;
    s.awning = hs.awning;
    s.lit = 0.55;
    s.lean = (k % 3 - 1) * 0.015;
    townhouse(cr, hs.x, front, hs.w, hs.h, 4440 + k, s, L, 3);
    k++;
  }
  signboard(cr, 410 + 330 * 0.38, front - 180 - 24, 200, "Brolly & Sons", pal::purple, L);
  signboard(cr, 1280 + 300 * 0.38, front - 165 - 24, 180, "Chips", pal::blood, L);
  signboard(cr, -30 + 250 * 0.38, front - 165 - 24, 150, "Café", pal::teal, L);
  // the umbrella shop's hanging sign: a big striped umbrella on a bracket
  tube(cr, {{740, 300}, {690, 300}}, 4, col::iron, L, 2);
  inkline(cr, {{692, 300}, {692, 316}}, 1.5);
  blob(cr, {{650, 356}, {692, 312}, {734, 356}, {692, 348}}, 0.6);
  paint(cr, pal::pumpkin, L, 80, 2.6);
  for (double t : {-0.5, 0.0, 0.5}) inkline(cr, {{692, 314}, {692 + t * 40, 352}}, 1.2, 0.6);
  tube(cr, {{692, 350}, {692, 376}, {700, 382}}, 2.5, pal::ink, L, 0);
  fishmongers(cr, L);
  // the tall house's eaves and gutter at the top of the picture, its downpipe down the side
  cairo_rectangle(cr, 2480, 28, 270, 20);
  paint(cr, rgb{0.24, 0.2, 0.3}, L, 200, 3);
  artroundrect(cr, 2470, 52, gutx + 22 - 2470, 22, 8);  // the good length of gutter
  paint(cr, gutterzinc, L, 30, 3);
  cairo_rectangle(cr, 2468, 49, gutx + 24 - 2468, 6);
  paint(cr, artshade(gutterzinc, 1.2), L, 6, 2.2);
  tube(cr, {{2496, 70}, {2496, 90}, {2506, 104}, {2506, front - 6}}, 12, gutterzinc, L, 2.6);
  for (double y = 160; y < front; y += 120) {
    cairo_rectangle(cr, 2498, y, 16, 6);
    paint(cr, col::iron, L, 10, 1.6);
  }
  // a zombie sheltering in the timbered house's doorway, and the pub's sign next door
  {
    figure z = zombiefolk(5);
    z.height = 104;
    z.expr = face::sleepy;
    z.handl = {8, 20};
    z.handr = {-8, 20};
    z.lean = 0;
    drawfigure(cr, 2371, front - 2, z, L);
  }
  tube(cr, {{2500, 400}, {2440, 400}}, 5, col::iron, L, 2);
  for (double cx : {2452.0, 2488.0}) inkline(cr, {{cx, 400}, {cx, 414}}, 1.6);
  artroundrect(cr, 2436, 414, 68, 74, 6);
  paint(cr, rgb{0.2, 0.3, 0.26}, L, 70, 3);
  artroundrect(cr, 2442, 420, 56, 62, 4);
  artsetcolor(cr, pal::gold);
  cairo_set_line_width(cr, 1.6);
  cairo_stroke(cr);
  artfont(cr, "round", 12);
  arttext(cr, "The", 2470, 432, pal::gold, 0);
  arttext(cr, "Soggy", 2470, 448, pal::bone, 1.4);
  arttext(cr, "Boot", 2470, 464, pal::bone, 1.4);
  // a zombie peering out of an upper window of the timbered house, curious about the rain
  figure z = zombiefolk(3);
  z.expr = face::moan;
  z.lookx = -0.7;
  z.looky = 0.6;
  cairo_save(cr);
  cairo_rectangle(cr, 2260, 237, 42, 68);
  cairo_clip(cr);
  cairo_rectangle(cr, 2260, 237, 42, 68);
  artsetcolor(cr, rgb{0.96, 0.78, 0.45});
  cairo_fill(cr);
  drawhead(cr, 2282, 286, 17, z, L);
  cairo_restore(cr);
  inkline(cr, {{2281, 237}, {2281, 250}}, 2);
  cairo_rectangle(cr, 2260, 237, 42, 68);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 2.4);
  cairo_stroke(cr);
}

// The far town behind the roofs: a church spire, chimneys, roofs lost in the rain.
void farskyline(cairo_t* cr) {
  rng r(4450);
  rgb far = atmos(rgb{0.16, 0.2, 0.3}, rainhaze, 0.35);
  for (double x = -20; x < scenew + 40; x += r.range(40, 90)) {
    double w = r.range(50, 100), h = r.range(150, 260), gy = 470;
    poly(cr, {{x, gy}, {x, gy - h}, {x + w / 2, gy - h - w * 0.45}, {x + w, gy - h}, {x + w, gy}});
    artsetcolor(cr, artshade(far, r.range(0.9, 1.1)));
    cairo_fill(cr);
    if (r.chance(0.6)) {
      cairo_rectangle(cr, x + w * 0.7, gy - h - w * 0.5, 8, 26);
      cairo_fill(cr);
    }
    for (int k = 0; k < 3; k++)
      if (r.chance(0.35)) {
        double wx = x + r.range(8, w - 14), wy = gy - r.range(30, h - 20);
        glow(cr, wx + 3, wy + 4, 12, col::windowlit, 0.35);
        cairo_rectangle(cr, wx, wy, 6, 8);
        artsetcolor(cr, rgb{0.95, 0.78, 0.45}, 0.8);
        cairo_fill(cr);
      }
  }
  // the church spire over the middle of the street, its clock glowing
  const double sx = 1210;
  poly(cr, {{sx - 40, 470}, {sx - 40, 190}, {sx, 40}, {sx + 40, 190}, {sx + 40, 470}});
  artsetcolor(cr, atmos(rgb{0.14, 0.17, 0.26}, rainhaze, 0.3));
  cairo_fill(cr);
  glow(cr, sx, 220, 40, col::lamp, 0.4);
  ellipse(cr, sx, 220, 16, 16);
  artsetcolor(cr, rgb{0.98, 0.86, 0.56}, 0.85);
  cairo_fill(cr);
  inkline(cr, {{sx, 220}, {sx, 209}}, 2, 0.6);
  inkline(cr, {{sx, 220}, {sx + 8, 224}}, 2, 0.6);
}

}  // namespace ch4
