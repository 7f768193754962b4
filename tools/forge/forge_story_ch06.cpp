// Chapter 6's scene: the front of the old brick works at sunset. Its big iron door slides on
// a rail and hides the switch that lowers the drop ladder from the gantry by the loading
// door upstairs; high on the left a tall arched window waits for a well-thrown stone, and two
// stones lie in the yard beneath it. The brickyard and the horde are in forge_story_ch06_yard.
//
// The door's frame, the gantry and the window are cut from the finished scene itself, so they
// lie over the background pixel for pixel and the sliding door and the ladder pass behind them.
//
// Scene positions this file composes around (centres unless a handle is given): the door's
// frame (2430, 570); the sliding door (2290, 585), sliding 66 pixels right; the switch's pivot
// (2195, 592) and its lights (2202, 617); the ladder (2028, 320), lowered 200 pixels along
// (0.18, 1); the gantry (1959, 277); the window (1789, 142); the stones (1800, 740) and
// (1870, 720).
#include "tools/forge/forge_story.h"
#include "tools/forge/forge_story_ch06.h"
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

using namespace storykit;
using namespace ch6;

namespace {

constexpr int framew = 620, frameh = 340;      // door1.png, centred on (2430, 570)
constexpr int doorw = 276, doorh = 272;        // door2.png, centred on (2290, 585)
constexpr int leverw = 44, leverh = 40;        // s1.png, handle (3, 34) on the pivot
constexpr int lampw = 24, haloimgw = 48;       // sl1 and sl3, sl2
constexpr int ladderw = 160, ladderh = 430;    // ladder.png, centred on (2028, 320)
constexpr int gantryw = 360, gantryh = 300;    // framework.png, centred on (1959, 277)
constexpr int windoww = 176, windowh = 212;    // window1/2.png, centred on (1789, 142)
constexpr int stonew = 64, stoneh = 52, glowpad = 10, leverpad = 5;
constexpr double openl = 2160, openr = 2420, opent = 456, openb = 718;  // the doorway
constexpr double pivotx = 2195, pivoty = 592;
constexpr double winx = 1789, winy = 142, winr = 60, winsill = 218;      // the arched window
constexpr double leftblock = 1660, rightblock = 1975, parapet = 96;

const light L = sunlight;
const rgb teal{0.20, 0.50, 0.48};
const rgb steelblue{0.46, 0.52, 0.60};

// The line the ladder slides along, up or down: its axis crosses height y at this x.
double ladderaxis(double y) { return 2028 + 0.18 * (y - 320); }

// ---- the building ---------------------------------------------------------------------------------

// The arched window's outline (a path), grown by `grow`.
void windowpath(cairo_t* cr, double grow) {
  cairo_new_path(cr);
  cairo_move_to(cr, winx - winr - grow, winsill + grow);
  cairo_line_to(cr, winx - winr - grow, winy - 16);
  cairo_arc(cr, winx, winy - 16, winr + grow, M_PI, 2 * M_PI);
  cairo_line_to(cr, winx + winr + grow, winsill + grow);
  cairo_close_path(cr);
}

// The tall window whole: stone surround, small panes in iron glazing bars, the sunset in the glass.
void tallwindow(cairo_t* cr) {
  windowpath(cr, 10);
  paint(cr, rgb{0.82, 0.74, 0.66}, L, 140, 3);
  for (int k = 0; k <= 6; k++) {  // voussoirs round the arch
    double a = M_PI + k * M_PI / 6;
    ellipse(cr, winx + std::cos(a) * (winr + 5), winy - 16 + std::sin(a) * (winr + 5), 7, 5, a * 180 / M_PI + 90);
    paint(cr, rgb{0.86, 0.78, 0.7}, L, 14, 1.6);
  }
  windowpath(cr, 0);
  cairo_path_t* glass = cairo_copy_path(cr);
  cairo_pattern_t* g = cairo_pattern_create_linear(winx - winr, winy - 80, winx + winr, winsill);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.98, 0.72, 0.58);
  cairo_pattern_add_color_stop_rgb(g, 0.5, 0.62, 0.42, 0.62);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.26, 0.2, 0.4);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  cairo_save(cr);
  cairo_append_path(cr, glass);
  cairo_clip(cr);
  for (int k = 0; k < 3; k++) {  // the sky's light sliding across the panes
    cairo_move_to(cr, winx - 70 + k * 40, winsill);
    cairo_line_to(cr, winx - 10 + k * 40, winy - 90);
    artsetcolor(cr, rgb{1, 0.95, 0.9}, 0.18);
    cairo_set_line_width(cr, 10 - k * 3);
    cairo_stroke(cr);
  }
  for (double x = winx - winr + 30; x < winx + winr; x += 30) inkline(cr, {{x, winy - 90}, {x, winsill}}, 3);
  for (double y = winy - 50; y < winsill; y += 28) inkline(cr, {{winx - winr, y}, {winx + winr, y}}, 3);
  cairo_restore(cr);
  cairo_new_path(cr);
  cairo_append_path(cr, glass);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 4);
  cairo_stroke(cr);
  cairo_path_destroy(glass);
  cairo_rectangle(cr, winx - winr - 18, winsill + 6, 2 * winr + 36, 12);  // the sill
  paint(cr, rgb{0.86, 0.78, 0.7}, L, 140, 3);
}

// An arched upper window of the works, some panes broken or boarded.
void worksWindow(cairo_t* cr, double cx, double top, double w, double h, int state) {
  cairo_new_path(cr);
  cairo_move_to(cr, cx - w / 2, top + h);
  cairo_line_to(cr, cx - w / 2, top + w / 2);
  cairo_arc(cr, cx, top + w / 2, w / 2, M_PI, 2 * M_PI);
  cairo_line_to(cr, cx + w / 2, top + h);
  cairo_close_path(cr);
  cairo_path_t* p = cairo_copy_path(cr);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, top, 0, top + h);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.9, 0.62, 0.56);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.3, 0.22, 0.36);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  cairo_save(cr);
  cairo_append_path(cr, p);
  cairo_clip(cr);
  if (state == 1) {  // a pane gone: dark inside
    cairo_rectangle(cr, cx, top + h * 0.5, w / 2, h * 0.25);
    artsetcolor(cr, rgb{0.12, 0.08, 0.12});
    cairo_fill(cr);
  }
  if (state == 2) {  // boarded up
    for (int k = 0; k < 2; k++) {
      cairo_save(cr);
      cairo_translate(cr, cx, top + h * (0.4 + k * 0.3));
      cairo_rotate(cr, k ? 0.25 : -0.2);
      cairo_rectangle(cr, -w * 0.7, -8, w * 1.4, 16);
      paint(cr, col::wood, L, w, 2.2);
      cairo_restore(cr);
    }
  }
  for (double x = cx - w / 2 + w / 3; x < cx + w / 2 - 2; x += w / 3) inkline(cr, {{x, top}, {x, top + h}}, 2.4);
  for (double y = top + w / 2; y < top + h; y += h / 4) inkline(cr, {{cx - w / 2, y}, {cx + w / 2, y}}, 2.4);
  cairo_restore(cr);
  cairo_new_path(cr);
  cairo_append_path(cr, p);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 3.5);
  cairo_stroke(cr);
  cairo_path_destroy(p);
  cairo_rectangle(cr, cx - w / 2 - 8, top + h, w + 16, 9);
  paint(cr, rgb{0.82, 0.74, 0.66}, L, w, 2.4);
}

// What shows through the doorway once the door slides: the dark works, a lamp far in, and the
// switch box on the wall with its lever's hub and the sockets of its two lamps.
void doorway(cairo_t* cr) {
  cairo_rectangle(cr, openl, opent, openr - openl, openb - opent);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, opent, 0, openb);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.12, 0.08, 0.12);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.24, 0.14, 0.14);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  cairo_save(cr);
  cairo_rectangle(cr, openl, opent, openr - openl, openb - opent);
  cairo_clip(cr);
  glow(cr, 2330, 560, 140, col::lamp, 0.3);
  tube(cr, {{2330, opent}, {2330, 540}}, 2, pal::ink, L, 0);
  ellipse(cr, 2330, 548, 12, 8);
  flat(cr, rgb{1.0, 0.86, 0.5}, 2);
  for (int k = 0; k < 4; k++) {  // stacks of bricks in the gloom
    double bx = 2250 + k * 40, by = openb - 10;
    cairo_rectangle(cr, bx, by - 40 - (k % 2) * 20, 36, 40 + (k % 2) * 20);
    artsetcolor(cr, rgb{0.3, 0.16, 0.14});
    cairo_fill(cr);
  }
  // the switch box, bolted to the wall just inside the door
  artroundrect(cr, 2174, 560, 44, 84, 5);
  paint(cr, steelblue, L, 44, 3);
  for (int k = 0; k < 4; k++) {  // warning stripes on its lid
    poly(cr, {{2180 + k * 10.0, 563}, {2186 + k * 10.0, 563}, {2180 + k * 10.0, 572}, {2174 + k * 10.0, 572}});
    flat(cr, k % 2 ? pal::ink : pal::gold, 0);
  }
  artfont(cr, "sans", 8);
  arttext(cr, "LADDER", 2196, 632, pal::ink, 0);
  ellipse(cr, pivotx, pivoty, 7, 7);  // the lever's hub
  paint(cr, col::iron, L, 14, 2);
  ellipse(cr, pivotx + 7, 617, 8, 8);  // the lamp's socket under it
  flat(cr, rgb{0.2, 0.16, 0.2}, 2);
  inkline(cr, {{2218, 600}, {2240, 600}, {2240, openb}}, 3, 0.8);  // its cable
  cairo_restore(cr);
}

// The door's surround: stone posts, a lintel with the rail the door hangs from, the threshold.
void doorsurround(cairo_t* cr) {
  cairo_rectangle(cr, 2136, 412, openr + 136 - 2136, 44);  // lintel
  paint(cr, rgb{0.82, 0.74, 0.66}, L, 400, 3);
  tube(cr, {{2140, 446}, {2550, 446}}, 6, col::iron, L, 2);  // the rail
  for (double x : {2170.0, 2300.0, 2430.0, 2540.0}) {
    cairo_rectangle(cr, x - 4, 436, 8, 16);
    paint(cr, col::iron, L, 8, 1.6);
  }
  cairo_rectangle(cr, 2136, opent, openl - 2136, openb - opent);  // left post
  paint(cr, rgb{0.8, 0.72, 0.64}, L, 30, 3);
  for (double y = opent + 40; y < openb; y += 50) inkline(cr, {{2136, y}, {openl, y}}, 1.6, 0.5);
  cairo_rectangle(cr, openl - 6, openb, openr - openl + 140, 14);  // threshold
  paint(cr, rgb{0.7, 0.64, 0.6}, L, 100, 2.5);
  cairo_rectangle(cr, openr, opent, 12, openb - opent);  // the right post, the pier is brick
  paint(cr, rgb{0.8, 0.72, 0.64}, L, 12, 3);
}

void facade(cairo_t* cr) {
  // the two blocks of brick, the left one taller, stone coping along their tops
  brickwall(cr, leftblock, 14, rightblock + 4, ground, brickred, 12, 6301);
  brickwall(cr, rightblock, parapet, scenew, ground, artshade(brickred, 0.96), 12, 6302);
  cairo_save(cr);  // the sun gone low: warm on the left, dusk purple to the right and below
  cairo_rectangle(cr, leftblock, 0, scenew - leftblock, ground);
  cairo_clip(cr);
  cairo_pattern_t* g = cairo_pattern_create_linear(leftblock, 0, scenew, ground);
  cairo_pattern_add_color_stop_rgba(g, 0, sunsetrim.r, sunsetrim.g, sunsetrim.b, 0.18);
  cairo_pattern_add_color_stop_rgba(g, 1, pal::purple.r, pal::purple.g, pal::purple.b, 0.4);
  cairo_set_source(cr, g);
  cairo_paint(cr);
  cairo_pattern_destroy(g);
  haze(cr, scenew, 600, ground, pal::ink, 0, 0.3);
  cairo_restore(cr);
  for (double px : {leftblock, rightblock, scenew - 12.0}) {  // brick piers
    cairo_rectangle(cr, px - 12, px == leftblock ? 14 : parapet, 24, ground - (px == leftblock ? 14 : parapet));
    paint(cr, artshade(brickred, 0.85), L, 24, 3);
  }
  cairo_rectangle(cr, leftblock - 16, 6, rightblock - leftblock + 32, 14);
  paint(cr, rgb{0.82, 0.74, 0.66}, L, 200, 3);
  cairo_rectangle(cr, rightblock, parapet - 12, scenew - rightblock + 10, 14);
  paint(cr, rgb{0.82, 0.74, 0.66}, L, 200, 3);
  cairo_rectangle(cr, leftblock - 12, 340, scenew - leftblock + 20, 12);  // a stone string course
  paint(cr, rgb{0.8, 0.72, 0.64}, L, 100, 2.5);
  cairo_rectangle(cr, leftblock - 12, ground - 30, scenew - leftblock + 20, 30);  // plinth
  paint(cr, rgb{0.36, 0.3, 0.34}, L, 60, 3);
  // the chimney stack of the works, rising out of sight
  cairo_rectangle(cr, 2636, -20, 74, parapet + 8);
  paint(cr, artshade(brickred, 0.9), L, 74, 3.5);
  brickwall(cr, 2639, -20, 2707, parapet - 14, artshade(brickred, 0.9), 12, 6303);
  tallwindow(cr);
  worksWindow(cr, 2230, 172, 70, 130, 0);
  worksWindow(cr, 2360, 172, 70, 130, 1);
  worksWindow(cr, 2490, 172, 70, 130, 2);
  worksWindow(cr, 2620, 172, 70, 130, 0);
  worksWindow(cr, 1740, 540, 56, 100, 2);
  // the loading door upstairs, one leaf ajar and lamplight inside: the way in from the gantry
  {
    const double x0 = 1994, x1 = 2078, top = 190, bot = 330;
    cairo_rectangle(cr, x0 - 8, top - 10, x1 - x0 + 16, bot - top + 10);
    paint(cr, rgb{0.8, 0.72, 0.64}, L, 100, 3);
    cairo_rectangle(cr, x0, top, x1 - x0, bot - top);
    artsetcolor(cr, rgb{0.98, 0.78, 0.42});
    cairo_fill(cr);
    glow(cr, (x0 + x1) / 2, (top + bot) / 2, 90, col::lamp, 0.4);
    cairo_rectangle(cr, x0, top, (x1 - x0) / 2, bot - top);
    paint(cr, teal, L, 40, 3);
    inkline(cr, {{x0 + 4, top + 4}, {x0 + (x1 - x0) / 2 - 4, bot - 4}}, 2.4, 0.6);
    inkline(cr, {{x0 + (x1 - x0) / 2 - 4, top + 4}, {x0 + 4, bot - 4}}, 2.4, 0.6);
    poly(cr, {{x1 - 20, top}, {x1 + 8, top - 8}, {x1 + 8, bot + 8}, {x1 - 20, bot}});  // the open leaf
    paint(cr, artshade(teal, 0.85), L, 30, 3);
    // a crane beam over it for hoisting bricks
    tube(cr, {{x0 - 20, top - 24}, {x1 + 60, top - 24}}, 10, col::iron, L, 2.5);
    inkline(cr, {{x1 + 50, top - 20}, {x1 + 50, top + 30}}, 1.8);
    tube(cr, {{x1 + 44, top + 30}, {x1 + 50, top + 42}, {x1 + 56, top + 30}}, 3, col::steel, L, 1.6);
  }
  // the works' name painted across the front, faded
  artfont(cr, "round", 30);
  arttext(cr, "Morgavelle Brick Works", 2392, 376, rgb{0.96, 0.9, 0.8}, 2.5, rgb{0.36, 0.16, 0.14});
  artfont(cr, "sans", 12);
  arttext(cr, "EST. 1887", 2392, 400, rgb{0.96, 0.9, 0.8}, 0);
  doorway(cr);
  doorsurround(cr);
  // right of the door: a drainpipe and a poster somebody pasted up this morning
  tube(cr, {{2604, parapet}, {2604, ground - 6}}, 10, col::iron, L, 2.5);
  {
    const double px = 2640, py = 520;
    cairo_save(cr);
    cairo_translate(cr, px, py);
    cairo_rotate(cr, 0.05);
    cairo_rectangle(cr, -36, -46, 72, 92);
    paint(cr, pal::bone, L, 72, 2.5);
    artfont(cr, "sans", 11);
    arttext(cr, "LOST", 0, -34, pal::blood, 0);
    ellipse(cr, 0, -6, 18, 14);  // a sketch of a ginger cat
    paint(cr, pal::pumpkin, L, 30, 1.6);
    poly(cr, {{-14, -16}, {-10, -26}, {-4, -18}});
    paint(cr, pal::pumpkin, L, 10, 1.4);
    poly(cr, {{14, -16}, {10, -26}, {4, -18}});
    paint(cr, pal::pumpkin, L, 10, 1.4);
    artfont(cr, "comic", 9);
    arttext(cr, "answers to", 0, 20, pal::ink, 0);
    arttext(cr, "\"Moggy\"", 0, 32, pal::ink, 0);
    cairo_restore(cr);
  }
  // a lamp over the door on a swan-neck bracket, just lit
  glow(cr, 2290, 416, 120, col::lamp, 0.35);
  tube(cr, {{2290, 352}, {2290, 334}, {2306, 330}, {2306, 340}}, 4, col::iron, L, 1.8);
  poly(cr, {{2294, 340}, {2318, 340}, {2324, 352}, {2288, 352}});
  paint(cr, col::iron, L, 30, 2);
  ellipse(cr, 2306, 356, 8, 5);
  flat(cr, rgb{1.0, 0.92, 0.6}, 1.6);
}

// The gantry by the loading door: a deck on brackets, railings, and the guides the drop ladder
// slides through. Drawn both into the scene and on its own (for the picture's outline).
void gantry(cairo_t* cr) {
  const double x0 = 1872, x1 = 2128, deck = 330;
  for (double bx : {1900.0, 2100.0}) tube(cr, {{bx, deck + 8}, {bx, deck + 90}}, 7, col::iron, L, 2.5);
  tube(cr, {{1900, deck + 10}, {1940, deck + 84}}, 6, col::iron, L, 2.2);  // braces back to the wall
  tube(cr, {{2100, deck + 10}, {2060, deck + 84}}, 6, col::iron, L, 2.2);
  for (double bx : {1900.0, 2100.0}) {
    cairo_rectangle(cr, bx - 8, deck + 84, 16, 10);
    paint(cr, col::iron, L, 16, 2);
  }
  // the deck, a grating seen from the front
  cairo_rectangle(cr, x0, deck, x1 - x0, 12);
  paint(cr, teal, L, 200, 3);
  for (double x = x0 + 10; x < x1; x += 12) inkline(cr, {{x, deck + 2}, {x, deck + 10}}, 1.2, 0.5);
  // railings: a top rail, a mid rail and posts, with a gap where the ladder comes up
  for (double y : {deck - 58.0, deck - 30.0}) {
    tube(cr, {{x0, y}, {ladderaxis(y) - 36, y}}, 4, teal, L, 2);
    tube(cr, {{ladderaxis(y) + 36, y}, {x1, y}}, 4, teal, L, 2);
  }
  for (double x = x0 + 4; x < x1; x += 42) {
    if (std::abs(x - ladderaxis(deck - 30)) < 40) continue;
    tube(cr, {{x, deck}, {x, deck - 60}}, 4, teal, L, 2);
  }
  // the ladder's guides: two hoops it slides through, in front of it
  for (double y : {deck - 60.0, deck + 6.0}) {
    double ax = ladderaxis(y);
    cairo_new_path(cr);
    cairo_arc(cr, ax, y, 34, 0.1 * M_PI, 0.9 * M_PI);
    artsetcolor(cr, pal::ink);
    cairo_set_line_width(cr, 9);
    cairo_stroke_preserve(cr);
    artsetcolor(cr, teal);
    cairo_set_line_width(cr, 5);
    cairo_stroke(cr);
    for (double s : {-1.0, 1.0}) {
      ellipse(cr, ax + s * 31, y + 12, 4.5, 4.5);
      paint(cr, col::steel, L, 9, 1.6);
    }
  }
  // a pulley at the top with the cable the switch's motor pulls
  ellipse(cr, ladderaxis(deck - 100) + 46, deck - 100, 12, 12);
  paint(cr, col::iron, L, 24, 2.5);
  inkline(cr, {{ladderaxis(deck - 100) + 46, deck - 100}, {ladderaxis(deck - 40) + 40, deck - 20}}, 2, 0.8);
}

// ---- pictures cut from the finished scene ---------------------------------------------------------

// Three passes of a box blur over an A8 surface's alpha: feathers a mask's edges.
void feather(cairo_surface_t* s, int r) {
  cairo_surface_flush(s);
  int w = cairo_image_surface_get_width(s), h = cairo_image_surface_get_height(s), stride = cairo_image_surface_get_stride(s);
  uint8_t* d = cairo_image_surface_get_data(s);
  std::vector<float> a(size_t(w) * h), t(a.size());
  for (int y = 0; y < h; y++)
    for (int x = 0; x < w; x++) a[size_t(y) * w + x] = d[size_t(y) * stride + x];
  for (int pass = 0; pass < 3; pass++) {
    for (int y = 0; y < h; y++)
      for (int x = 0; x < w; x++) {
        float sum = 0;
        for (int k = -r; k <= r; k++) sum += a[size_t(y) * w + std::clamp(x + k, 0, w - 1)];
        t[size_t(y) * w + x] = sum / (2 * r + 1);
      }
    for (int y = 0; y < h; y++)
      for (int x = 0; x < w; x++) {
        float sum = 0;
        for (int k = -r; k <= r; k++) sum += t[size_t(std::clamp(y + k, 0, h - 1)) * w + x];
        a[size_t(y) * w + x] = sum / (2 * r + 1);
      }
  }
  for (int y = 0; y < h; y++)
    for (int x = 0; x < w; x++) d[size_t(y) * stride + x] = uint8_t(std::clamp(a[size_t(y) * w + x] + 0.5f, 0.f, 255.f));
  cairo_surface_mark_dirty(s);
}

// The scene's pixels under a mask: a w x h picture whose top-left lies at (x, y) in the scene.
cairo_surface_t* cutmasked(cairo_surface_t* scene, int x, int y, int w, int h, cairo_surface_t* mask) {
  cairo_surface_t* out = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
  cairo_t* c = cairo_create(out);
  cairo_set_source_surface(c, scene, -x, -y);
  cairo_mask_surface(c, mask, 0, 0);
  cairo_destroy(c);
  return out;
}

// A mask the size of a picture at (x, y), drawn in scene coordinates by `shape`.
cairo_surface_t* scenemask(int x, int y, int w, int h, void (*shape)(cairo_t*)) {
  cairo_surface_t* m = cairo_image_surface_create(CAIRO_FORMAT_A8, w, h);
  cairo_t* c = cairo_create(m);
  cairo_translate(c, -x, -y);
  shape(c);
  cairo_destroy(c);
  return m;
}

constexpr int framex = 2430 - framew / 2, framey = 570 - frameh / 2;
constexpr int gantryx = 1959 - gantryw / 2, gantryy = 277 - gantryh / 2;
constexpr int windowx = 1789 - windoww / 2, windowy = 142 - windowh / 2;

void framemask(cairo_t* c) {
  cairo_rectangle(c, 2130, 406, 2566 - 2130, 730 - 406);
  cairo_set_source_rgba(c, 0, 0, 0, 1);
  cairo_fill(c);
}

void windowmask(cairo_t* c) {
  windowpath(c, 12);
  cairo_rectangle(c, winx - winr - 20, winsill, 2 * winr + 40, 20);
  cairo_set_source_rgba(c, 0, 0, 0, 1);
  cairo_fill(c);
}

// The window once hit: cracks running out from where the stone struck; `broken` knocks most
// of the glass out, leaving jagged teeth round the frame and the works' gloom behind.
void damage(cairo_t* cr, bool broken) {
  cairo_translate(cr, -windowx, -windowy);
  const double hx = winx + 18, hy = winy + 6;
  rng r(6401);
  windowpath(cr, 0);
  cairo_clip(cr);
  for (int k = 0; k < 9; k++) {  // cracks
    double a = k * 2 * M_PI / 9 + r.range(-0.2, 0.2);
    std::vector<pt> c{{hx, hy}};
    double rad = 0;
    for (int s = 0; s < 4; s++) {
      rad += r.range(14, 26);
      c.push_back({hx + std::cos(a + r.range(-0.2, 0.2)) * rad, hy + std::sin(a + r.range(-0.2, 0.2)) * rad});
    }
    cairo_new_path(cr);
    cairo_move_to(cr, c[0].x, c[0].y);
    for (size_t i = 1; i < c.size(); i++) cairo_line_to(cr, c[i].x, c[i].y);
    artsetcolor(cr, rgb{1, 1, 1}, 0.85);
    cairo_set_line_width(cr, 1.6);
    cairo_stroke_preserve(cr);
    artsetcolor(cr, pal::ink, 0.6);
    cairo_set_line_width(cr, 0.8);
    cairo_stroke(cr);
  }
  for (int ring = 1; ring <= 2; ring++) {  // the star's rings
    std::vector<pt> ringpts;
    for (int k = 0; k < 9; k++) {
      double a = k * 2 * M_PI / 9;
      ringpts.push_back({hx + std::cos(a) * ring * 16 * r.range(0.8, 1.2), hy + std::sin(a) * ring * 16 * r.range(0.8, 1.2)});
    }
    poly(cr, ringpts);
    artsetcolor(cr, rgb{1, 1, 1}, 0.6);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
  }
  if (broken) {
    std::vector<pt> hole;
    for (int k = 0; k < 22; k++) {
      double a = 2 * M_PI * k / 22, rad = (k % 2 ? 38 : 62) * r.range(0.8, 1.15);
      hole.push_back({hx + std::cos(a) * rad * 1.1, hy + std::sin(a) * rad * 1.2});
    }
    poly(cr, hole);
    cairo_path_t* p = cairo_copy_path(cr);
    cairo_pattern_t* g = cairo_pattern_create_radial(hx, hy + 30, 4, hx, hy, 90);
    cairo_pattern_add_color_stop_rgb(g, 0, 0.42, 0.26, 0.2);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.1, 0.06, 0.1);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    glow(cr, hx + 10, hy + 40, 50, col::lamp, 0.35);  // a lamp somewhere inside
    cairo_append_path(cr, p);
    artsetcolor(cr, pal::ink);
    cairo_set_line_width(cr, 2.4);
    cairo_stroke(cr);
    cairo_path_destroy(p);
    // glazing bars bent but hanging on
    inkline(cr, {{winx + 10, winy - 90}, {winx + 8, winy - 20}, {winx + 16, winy + 30}}, 3);
    inkline(cr, {{winx - winr, winy + 34}, {winx - 10, winy + 40}, {winx + 30, winy + 52}}, 3);
  }
}

// The stones the player throws: a rounded cobble and a flat chunk of old brick.
void stone(cairo_t* cr, int which) {
  const double cx = stonew / 2.0, cy = stoneh / 2.0 + 2;
  groundshadow(cr, cx + 3, cy + 14, 24, 5, 0.5);
  if (which == 1) {
    blob(cr, {{cx - 22, cy + 8}, {cx - 18, cy - 10}, {cx - 2, cy - 16}, {cx + 16, cy - 12}, {cx + 22, cy + 4}, {cx + 10, cy + 14},
              {cx - 12, cy + 14}},
         0.9);
    paint(cr, rgb{0.6, 0.56, 0.6}, L, 44, 3);
    inkline(cr, {{cx - 6, cy - 4}, {cx + 2, cy + 2}}, 1.4, 0.5);
    ellipse(cr, cx - 8, cy - 8, 4, 2.5, -20);
    artsetcolor(cr, rgb{1, 1, 1}, 0.45);
    cairo_fill(cr);
  } else {
    poly(cr, {{cx - 22, cy + 2}, {cx - 16, cy - 12}, {cx + 20, cy - 14}, {cx + 22, cy + 4}, {cx + 16, cy + 13}, {cx - 18, cy + 12}});
    paint(cr, brickred, L, 44, 3);
    inkline(cr, {{cx - 16, cy - 12}, {cx - 14, cy + 10}}, 1.6, 0.5);  // a broken face
    dabs(cr, cx - 18, cy - 10, 36, 20, artshade(brickred, 0.8), 0.5, 6, 6, 6402);
  }
}


// ---- the pictures that move -------------------------------------------------------------------------

// The sliding door: riveted iron panels painted works green, braced, a handle at its left edge
// and the rollers it hangs from on the rail. Its centre is the picture's.
void slidingdoor(cairo_t* cr) {
  const double x0 = 3, y0 = 8, x1 = doorw - 3, y1 = doorh - 4;  // 270 x 260: 2155..2425, 455..715
  for (double rx : {x0 + 40, x1 - 40}) {  // rollers on the rail above
    tube(cr, {{rx, y0 + 10}, {rx, y0 - 2}}, 6, col::iron, L, 2);
    ellipse(cr, rx, y0 + 1, 7, 7);
    paint(cr, col::steel, L, 14, 2);
  }
  cairo_rectangle(cr, x0, y0 + 8, x1 - x0, y1 - y0 - 8);
  cairo_path_t* face = cairo_copy_path(cr);
  paint(cr, teal, L, 260, 0);
  cairo_save(cr);
  cairo_append_path(cr, face);
  cairo_clip(cr);
  for (int k = 0; k < 4; k++) {  // four panels, each lit a touch differently
    double px = x0 + k * (x1 - x0) / 4;
    cairo_rectangle(cr, px + 6, y0 + 16, (x1 - x0) / 4 - 12, y1 - y0 - 26);
    paint(cr, artshade(teal, 0.92 + 0.05 * (k % 2)), L, 60, 2);
    for (double ry = y0 + 24; ry < y1 - 8; ry += 30)
      for (double rx : {px + 12, px + (x1 - x0) / 4 - 12}) {
        ellipse(cr, rx, ry, 2.2, 2.2);
        flat(cr, artshade(teal, 1.3), 0.8);
      }
  }
  tube(cr, {{x0 + 10, y1 - 14}, {x1 - 10, y0 + 24}}, 10, artshade(teal, 0.85), L, 2.5);  // the brace
  rng r(6601);
  for (int k = 0; k < 9; k++) {  // rust running down from the rivets
    double rx = r.range(x0 + 10, x1 - 10), ry = r.range(y0 + 20, y1 - 80);
    cairo_move_to(cr, rx, ry);
    cairo_rel_line_to(cr, r.range(-2, 2), r.range(20, 70));
    artsetcolor(cr, rgb{0.6, 0.34, 0.2}, 0.5);
    cairo_set_line_width(cr, r.range(2, 5));
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
  }
  artfont(cr, "sans", 20);
  arttext(cr, "KEEP SHUT", (x0 + x1) / 2 + 10, y0 + 70, rgb{0.96, 0.9, 0.76}, 2, rgb{0.1, 0.2, 0.2});
  cairo_restore(cr);
  cairo_new_path(cr);
  cairo_append_path(cr, face);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 3.5);
  cairo_stroke(cr);
  cairo_path_destroy(face);
  // the pull handle on its left edge, where it shows beside the post
  tube(cr, {{x0 + 30, y0 + 120}, {x0 + 22, y0 + 124}, {x0 + 22, y0 + 156}, {x0 + 30, y0 + 160}}, 6, col::steel, L, 2.2);
}

// The switch's lever: a rod from its hub at (3, 34) up and to the right, a red knob on the end.
void lever(cairo_t* cr) {
  const double px = 3, py = 34, a = -58 * M_PI / 180, len = 28;
  double kx = px + std::cos(a) * len, ky = py + std::sin(a) * len;
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_move_to(cr, px + 0.6, py);
  cairo_line_to(cr, kx, ky);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 5.2);
  cairo_stroke(cr);
  cairo_move_to(cr, px + 0.6, py);
  cairo_line_to(cr, kx, ky);
  artsetcolor(cr, col::steel);
  cairo_set_line_width(cr, 2.6);
  cairo_stroke(cr);
  ellipse(cr, kx, ky, 6, 6);
  paint(cr, pal::blood, L, 12, 2);
}

// The switch's lamps: a lit red lens, its wide soft glow, and the green lens (kept for later).
void lamp(cairo_t* cr, double c, rgb colour, bool halo) {
  if (halo) {
    glow(cr, c, c, c - 2, colour, 0.75);
    return;
  }
  glow(cr, c, c, c - 1, colour, 0.55);
  ellipse(cr, c, c, 5.5, 5.5);
  cairo_pattern_t* g = cairo_pattern_create_radial(c - 1.5, c - 1.5, 0.5, c, c, 5.5);
  cairo_pattern_add_color_stop_rgb(g, 0, 1, 1, 0.9);
  cairo_pattern_add_color_stop_rgb(g, 1, colour.r, colour.g, colour.b);
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 1.6);
  cairo_stroke(cr);
}

// The drop ladder, leaning along (0.18, 1) like the guides it slides in; centred in its picture.
void ladder(cairo_t* cr) {
  const double cx = ladderw / 2.0, cy = ladderh / 2.0, half = 200, k = 0.18;
  auto at = [&](double dy, double side) { return pt{cx + k * dy + side * 24, cy + dy}; };
  for (double dy = -half + 24; dy < half - 6; dy += 30) tube(cr, {at(dy, -1), at(dy, 1)}, 5, steelblue, L, 2);
  for (double side : {-1.0, 1.0}) tube(cr, {at(-half, side), at(half, side)}, 8, steelblue, L, 2.5);
  for (double side : {-1.0, 1.0}) {  // hooks over the top and rubber feet
    pt t = at(-half, side);
    tube(cr, {t, {t.x - 4, t.y - 8}, {t.x - 12, t.y - 4}}, 5, steelblue, L, 2);
    pt f = at(half, side);
    ellipse(cr, f.x, f.y + 2, 7, 4);
    paint(cr, pal::ink, L, 14, 1.5);
  }
}

void forgestory_ch6_objects() {
  cairo_t* cr = artnew(doorw, doorh);
  slidingdoor(cr);
  grain(cr, 0.02, 6602);
  saveglow(cr, "story/6/door2-glow.png", glowpad);
  artsave(cr, "story/6/door2.png");
  cr = artnew(leverw, leverh);
  lever(cr);
  saveglow(cr, "story/6/s1-glow.png", leverpad);
  artsave(cr, "story/6/s1.png");
  cr = artnew(lampw, lampw);
  lamp(cr, lampw / 2.0, rgb{1.0, 0.3, 0.25}, false);
  artsave(cr, "story/6/sl1.png");
  cr = artnew(haloimgw, haloimgw);
  lamp(cr, haloimgw / 2.0, rgb{1.0, 0.35, 0.25}, true);
  artsave(cr, "story/6/sl2.png");
  cr = artnew(lampw, lampw);
  lamp(cr, lampw / 2.0, rgb{0.4, 1.0, 0.5}, false);
  artsave(cr, "story/6/sl3.png");
  cr = artnew(ladderw, ladderh);
  ladder(cr);
  grain(cr, 0.02, 6603);
  artsave(cr, "story/6/ladder.png");
  for (int i = 1; i <= 2; i++) {
    cr = artnew(stonew, stoneh);
    stone(cr, i);
    grain(cr, 0.02, 6603 + i);
    saveglow(cr, "story/6/stone" + std::to_string(i) + "-glow.png", glowpad);
    artsave(cr, "story/6/stone" + std::to_string(i) + ".png");
  }
}

}  // namespace

void forgestory_ch6() {
  // the scene: yard, works front, gantry; everything that never moves
  cairo_t* cr = artnew(scenew, sceneh);
  brickyard(cr);
  facade(cr);
  gantry(cr);
  // weeds and broken bricks along the foot of the wall, and where the stones lie
  grasstufts(cr, leftblock, scenew, ground + 4, 16, rgb{0.4, 0.5, 0.3}, 6501, 0.7);
  rng r(6502);
  for (int i = 0; i < 16; i++) {
    double x = r.range(1300, scenew - 40), y = r.range(ground + 8, sceneh - 6);
    if (x > 1760 && x < 1910) continue;  // the stones' own patch
    ellipse(cr, x, y, r.range(6, 12), r.range(3, 6), r.range(-20, 20));
    paint(cr, artshade(brickred, r.range(0.8, 1.1)), L, 20, 2);
  }
  haze(cr, scenew, ground - 20, sceneh, pal::ink, 0, 0.3);
  vignette(cr, scenew, sceneh, 0.3);
  grain(cr, 0.025, 6503);
  cairo_surface_t* scene = cairo_get_target(cr);
  cairo_surface_flush(scene);
  // the pictures cut from it: the door's frame, the gantry, the window in its three states
  {
    cairo_surface_t* m = scenemask(framex, framey, framew, frameh, framemask);
    feather(m, 2);
    cairo_t* c = cairo_create(m);  // the doorway itself is open, crisp at the posts
    cairo_rectangle(c, openl - framex, opent - framey, openr - openl, openb - opent);
    cairo_set_operator(c, CAIRO_OPERATOR_CLEAR);
    cairo_fill(c);
    cairo_destroy(c);
    cairo_surface_t* f = cutmasked(scene, framex, framey, framew, frameh, m);
    savesurface(f, "story/6/door1.png");
    cairo_surface_destroy(f);
    cairo_surface_destroy(m);
  }
  {
    cairo_t* g = artnew(gantryw, gantryh);  // the gantry alone, for its outline
    cairo_translate(g, -gantryx, -gantryy);
    gantry(g);
    cairo_surface_t* m = cairo_image_surface_create(CAIRO_FORMAT_A8, gantryw, gantryh);
    cairo_t* c = cairo_create(m);
    cairo_set_source_surface(c, cairo_get_target(g), 0, 0);
    cairo_paint(c);
    cairo_destroy(c);
    artdone(g);
    cairo_surface_t* f = cutmasked(scene, gantryx, gantryy, gantryw, gantryh, m);
    savesurface(f, "story/6/framework.png");
    cairo_surface_destroy(f);
    cairo_surface_destroy(m);
  }
  {
    cairo_surface_t* m = scenemask(windowx, windowy, windoww, windowh, windowmask);
    feather(m, 2);
    cairo_surface_t* whole = cutmasked(scene, windowx, windowy, windoww, windowh, m);
    cairo_surface_t* glow = glowof(whole, glowpad, 0, 0, rgb{1.0, 0.88, 0.55}, 1.0);
    savesurface(glow, "story/6/window-glow.png");
    cairo_surface_destroy(glow);
    for (int broken = 0; broken < 2; broken++) {
      cairo_surface_t* pic = cutmasked(scene, windowx, windowy, windoww, windowh, m);
      cairo_t* c = cairo_create(pic);
      damage(c, broken == 1);
      cairo_destroy(c);
      savesurface(pic, broken ? "story/6/window2.png" : "story/6/window1.png");
      cairo_surface_destroy(pic);
    }
    cairo_surface_destroy(whole);
    cairo_surface_destroy(m);
  }
  savehalves(cr, "story/6/bga.jpg", "story/6/bgb.jpg");
  forgestory_ch6_objects();
}

std::vector<pictureentry> manifest_story_ch6() {
  auto g = [](int v) { return v + 2 * glowpad; };
  return {
      {"story/6/bga.jpg", 1366, sceneh, "chapter 6 the brickyard at sunset, left half [cut]"},
      {"story/6/bgb.jpg", 1366, sceneh, "chapter 6 the brick works' front, right half [cut]"},
      {"story/6/door1.png", framew, frameh, "chapter 6 the door's frame, cut from the front"},
      {"story/6/door2.png", doorw, doorh, "chapter 6 the sliding iron door"},
      {"story/6/door2-glow.png", g(doorw), g(doorh), "chapter 6 the sliding door glowing"},
      {"story/6/framework.png", gantryw, gantryh, "chapter 6 the gantry the ladder hangs in"},
      {"story/6/s1.png", leverw, leverh, "chapter 6 the switch's lever, handle on its hub"},
      {"story/6/s1-glow.png", leverw + 2 * leverpad, leverh + 2 * leverpad, "chapter 6 the lever glowing"},
      {"story/6/sl1.png", lampw, lampw, "chapter 6 the switch's red lamp"},
      {"story/6/sl2.png", haloimgw, haloimgw, "chapter 6 the red lamp's glow"},
      {"story/6/sl3.png", lampw, lampw, "chapter 6 the switch's green lamp"},
      {"story/6/ladder.png", ladderw, ladderh, "chapter 6 the drop ladder"},
      {"story/6/stone1.png", stonew, stoneh, "chapter 6 a cobble to throw"},
      {"story/6/stone1-glow.png", g(stonew), g(stoneh), "chapter 6 the cobble glowing"},
      {"story/6/stone2.png", stonew, stoneh, "chapter 6 a chunk of brick to throw"},
      {"story/6/stone2-glow.png", g(stonew), g(stoneh), "chapter 6 the brick chunk glowing"},
      {"story/6/window1.png", windoww, windowh, "chapter 6 the tall window cracked"},
      {"story/6/window2.png", windoww, windowh, "chapter 6 the tall window broken"},
      {"story/6/window-glow.png", g(windoww), g(windowh), "chapter 6 the tall window glowing"},
  };
}
