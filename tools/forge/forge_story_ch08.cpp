// Chapter 8's scene: the shipyard at night, pitch dark. A yellow generator waits by the old
// shed on the left, a junction box stands on its post in the middle, and in the dry dock a
// half-built hull sits under a gantry hung with lamps, scaffolding up its side; on the right
// a tool chest, the yard office and the container stacks. Things giggle in the shadows: only
// their eyes and grins show.
//
// The yard is painted once in full colour and then lit twice: dimmed to a moonless night for
// the background, and lit by the seven lamps for the lamps' own pictures, each of which is
// that lit yard seen through its lamp's pool of light. So when a lamp comes on, the very
// yard under it lights up: the colours come back and the giggling shadows turn out to be
// zombies who do not like the light one bit.
//
// Scene positions (scene x, screen y): chest (2280, 670) with its lid's frames at
// (2280, 612), the cable in it (2275, 645), generator (727, 605), socket (1234, 627) with the
// plugged cable's picture at (1234, 697), lamps 1..7 at (1856, 452), (1659, 250), (1583, 348),
// (1497, 270), (1596, 280), (1801, 269), (1574, 605).
#include "tools/forge/forge_story.h"
#include "tools/forge/forge_story_ch08.h"
#include "tools/forge/forge_story_sea.h"
#include <algorithm>
#include <cmath>
#include <string>

using namespace storykit;
using namespace seakit;
using namespace shipyard;

namespace {

constexpr double groundback = 600;  // where the yard's floor meets the back buildings
constexpr double hullx0 = 1430, hullx1 = 2090, hulltop = 322, keel = 640;
constexpr double gantryl = 1440, gantryr = 1900, girdertop = 212, girderbottom = 250;
// How far each lamp's light reaches (its picture is that pool, softly edged).
constexpr double reach[lampcount + 1] = {0, 300, 330, 270, 300, 300, 320, 280};
// A lamp's pool is longer below it than above: distances up count this much more.
constexpr double upk = 1.3, downk = 0.72;

int lampw(int i) { return int(2 * (reach[i] + 10)); }
int lamph(int i) { return int(2 * (reach[i] / downk + 10)); }

// ---- the sky and the far yard (the same in the dark and under the lamps) -----------------------

void nightsky(cairo_t* cr) {
  const double W = scenew;
  skyfill(cr, W, sceneh,
          {{0, rgb{0.05, 0.05, 0.13}}, {0.3, rgb{0.08, 0.08, 0.19}}, {0.62, rgb{0.14, 0.12, 0.24}}, {1, rgb{0.1, 0.1, 0.18}}});
  stars(cr, W, 200, 90, 8701, 0.45);
  // the moon hidden behind a bank of cloud: a glow and a silver edge, nothing more
  glow(cr, 2210, 70, 300, rgb{0.6, 0.66, 0.9}, 0.22);
  moon(cr, 2210, 70, 30, rgb{0.8, 0.84, 0.9}, 0.2);
  fogbank(cr, -100, W + 100, 96, 50, rgb{0.11, 0.1, 0.22}, 0.95, 8702);
  fogbank(cr, 1900, 2600, 84, 30, rgb{0.5, 0.56, 0.8}, 0.25, 8703);
  fogbank(cr, -100, W + 100, 150, 34, rgb{0.09, 0.09, 0.2}, 0.8, 8704);
  const rgb far{0.09, 0.09, 0.18};
  // a hammerhead crane and two jib cranes across the far yard, red lights on their tips
  auto silhouette = [&](void (*shape)(cairo_t*)) {
    shape(cr);
    artsetcolor(cr, far);
    cairo_fill(cr);
  };
  silhouette([](cairo_t* c) {
    cairo_rectangle(c, 880, 150, 44, 380);
    cairo_rectangle(c, 640, 128, 620, 26);
    cairo_rectangle(c, 660, 154, 70, 40);
    cairo_rectangle(c, 924, 154, 60, 34);
  });
  for (double y = 160; y < 520; y += 30) inkline(cr, {{882, y}, {922, y + 30}}, 1.5, 0.35);
  for (double x = 650; x < 1250; x += 26) inkline(cr, {{x, 130}, {x + 13, 152}, {x + 26, 130}}, 1.2, 0.3);
  glow(cr, 1256, 128, 14, rgb{1, 0.25, 0.2}, 0.8);
  glow(cr, 642, 128, 14, rgb{1, 0.25, 0.2}, 0.8);
  for (double cx : {2520.0, 150.0}) {
    double top = cx > 2000 ? 200 : 230;
    cairo_save(cr);
    cairo_move_to(cr, cx - 24, groundback - 100);
    cairo_line_to(cr, cx - 8, top);
    cairo_line_to(cr, cx + 8, top);
    cairo_line_to(cr, cx + 24, groundback - 100);
    cairo_close_path(cr);
    artsetcolor(cr, far);
    cairo_fill(cr);
    cairo_move_to(cr, cx - 60, top + 10);
    cairo_line_to(cr, cx + 230, top - 60);
    artsetcolor(cr, far);
    cairo_set_line_width(cr, 9);
    cairo_stroke(cr);
    cairo_restore(cr);
    glow(cr, cx + 226, top - 60, 14, rgb{1, 0.25, 0.2}, 0.8);
  }
  // a finished ship waiting at the far quay, a few of her portholes lit
  cairo_new_path(cr);
  cairo_move_to(cr, 1960, 470);
  cairo_line_to(cr, 2440, 462);
  cairo_line_to(cr, 2480, 430);
  cairo_line_to(cr, 2410, 520);
  cairo_line_to(cr, 1990, 520);
  cairo_close_path(cr);
  artsetcolor(cr, far);
  cairo_fill(cr);
  cairo_rectangle(cr, 2040, 410, 120, 60);
  cairo_fill(cr);
  cairo_rectangle(cr, 2090, 370, 26, 40);
  cairo_fill(cr);
  for (int i = 0; i < 6; i++) {
    double px = 2010 + i * 64 + (i % 2) * 10;
    glow(cr, px, 490, 8, col::windowlit, 0.6);
    ellipse(cr, px, 490, 2.4, 2.4);
    artsetcolor(cr, col::windowlit, 0.9);
    cairo_fill(cr);
  }
  cairo_new_path(cr);
  cairo_move_to(cr, -10, groundback);
  for (double x = -10; x < W + 20; x += 120) {
    double h = 70 + 40 * std::sin(x * 0.013) + 30 * std::sin(x * 0.031);
    cairo_line_to(cr, x, groundback - h);
    cairo_line_to(cr, x + 100, groundback - h - 12);
  }
  cairo_line_to(cr, W + 20, groundback);
  cairo_close_path(cr);
  artsetcolor(cr, rgb{0.07, 0.07, 0.14});
  cairo_fill(cr);
  haze(cr, W, 300, groundback, rgb{0.16, 0.14, 0.3}, 0, 0.35);
}

// ---- the yard in full colour ------------------------------------------------------------------

void shed(cairo_t* cr, const light& L) {
  const rgb wall{0.62, 0.3, 0.24};
  cairo_rectangle(cr, -10, 236, 660, groundback - 236);
  cairo_path_t* shape = cairo_copy_path(cr);
  paint(cr, wall, L, 600, 3);
  cairo_save(cr);
  cairo_append_path(cr, shape);
  cairo_clip(cr);
  rng r(8801);
  for (double y = 240; y < groundback; y += 14)  // brick courses
    for (double x = -10 + (int(y / 14) % 2) * 16; x < 660; x += 32) {
      cairo_rectangle(cr, x, y, 30, 12);
      artsetcolor(cr, artshade(wall, r.range(0.85, 1.12)), 0.6);
      cairo_fill(cr);
    }
  cairo_restore(cr);
  cairo_path_destroy(shape);
  poly(cr, {{-20, 240}, {660, 240}, {640, 200}, {-20, 200}});
  paint(cr, rgb{0.3, 0.32, 0.38}, L, 660, 3);
  // a row of high windows, two of them broken, and the big doors
  for (int i = 0; i < 5; i++) {
    double wx = 20 + i * 126;
    cairo_rectangle(cr, wx, 270, 90, 62);
    paint(cr, rgb{0.3, 0.36, 0.46}, L, 90, 3);
    for (double gx : {wx + 30, wx + 60}) inkline(cr, {{gx, 270}, {gx, 332}}, 2.2);
    inkline(cr, {{wx, 301}, {wx + 90, 301}}, 2.2);
    if (i == 1 || i == 3) {
      poly(cr, {{wx + 32, 272}, {wx + 58, 272}, {wx + 50, 286}, {wx + 44, 280}, {wx + 38, 298}});
      flat(cr, rgb{0.05, 0.05, 0.1}, 1.5);
    }
  }
  cairo_rectangle(cr, 150, 380, 240, groundback - 380);
  paint(cr, rgb{0.32, 0.4, 0.46}, L, 240, 3);
  for (double x = 160; x < 390; x += 20) inkline(cr, {{x, 384}, {x, groundback - 2}}, 1.5, 0.45);
  artroundrect(cr, 200, 344, 140, 30, 4);
  paint(cr, pal::bone, L, 140, 2.5);
  artfont(cr, "sans", 18);
  arttext(cr, "SHED 2", 270, 359, rgb{0.25, 0.25, 0.3}, 0);
}

void drydock(cairo_t* cr, const light& L) {
  const rgb primer{0.66, 0.26, 0.2}, keelblock{0.5, 0.4, 0.3};
  // the dock's floor and its far wall
  cairo_rectangle(cr, 1380, keel - 4, 760, 50);
  paint(cr, rgb{0.42, 0.42, 0.46}, L, 700, 3);
  for (double x = 1480; x < 2080; x += 90) {  // keel blocks
    cairo_rectangle(cr, x, keel - 14, 46, 22);
    paint(cr, keelblock, L, 46, 2);
  }
  // the hull: a ship in primer red with her white number, bow to the right
  cairo_new_path(cr);
  cairo_move_to(cr, hullx0, hulltop + 10);
  cairo_line_to(cr, hullx1 - 60, hulltop);
  cairo_curve_to(cr, hullx1 - 10, hulltop - 4, hullx1 + 20, hulltop - 10, hullx1 + 34, hulltop - 16);
  cairo_curve_to(cr, hullx1 + 10, hulltop + 120, hullx1 - 40, keel - 60, hullx1 - 120, keel - 14);
  cairo_line_to(cr, hullx0 + 60, keel - 14);
  cairo_curve_to(cr, hullx0 + 20, keel - 40, hullx0 + 6, hulltop + 140, hullx0, hulltop + 10);
  cairo_close_path(cr);
  cairo_path_t* hull = cairo_copy_path(cr);
  paint(cr, primer, L, 600, 3.5);
  cairo_save(cr);
  cairo_append_path(cr, hull);
  cairo_clip(cr);
  for (double y = hulltop + 40; y < keel; y += 44) inkline(cr, {{hullx0, y}, {hullx1 + 40, y - 8}}, 1.6, 0.4);
  for (double x = hullx0 + 70; x < hullx1; x += 110) inkline(cr, {{x, hulltop}, {x + 4, keel}}, 1.4, 0.35);
  cairo_rectangle(cr, hullx0, keel - 90, 800, 80);
  artsetcolor(cr, rgb{0.3, 0.34, 0.4}, 0.85);
  cairo_fill(cr);
  dabs(cr, hullx0, hulltop, hullx1 - hullx0, keel - hulltop, rgb{0.45, 0.2, 0.12}, 0.35, 40, 30, 8802);
  artfont(cr, "sans", 64);
  arttext(cr, "No. 13", 1840, 420, pal::bone, 0);
  for (double px = 1560; px < 1760; px += 60) {  // portholes, still without their glass
    ellipse(cr, px, 380, 11, 11);
    flat(cr, rgb{0.12, 0.1, 0.14}, 2.5);
  }
  cairo_restore(cr);
  cairo_path_destroy(hull);
  // scaffolding up her side: poles, planks, a ladder
  for (double x = 1456; x < 1760; x += 96) tube(cr, {{x, keel + 4}, {x, hulltop - 30}}, 7, col::steel, L, 2.2);
  for (double y : {keel - 100, keel - 200, hulltop + 20}) {
    cairo_rectangle(cr, 1444, y, 330, 10);
    paint(cr, col::wood, L, 330, 2.2);
    tube(cr, {{1450, y - 26}, {1768, y - 26}}, 4, col::steel, L, 1.6);
  }
  for (double y = keel - 10; y > hulltop; y -= 16) inkline(cr, {{1668, y}, {1692, y}}, 2.2, 0.9);
  tube(cr, {{1666, keel + 2}, {1666, hulltop - 10}}, 4, col::steel, L, 1.6);
  tube(cr, {{1694, keel + 2}, {1694, hulltop - 10}}, 4, col::steel, L, 1.6);
}

void gantry(cairo_t* cr, const light& L) {
  const rgb yellow{0.95, 0.72, 0.16};
  for (double x : {gantryl, gantryr}) {
    truss(cr, {x, keel + 30}, {x, girderbottom}, 34, yellow, L, 3);
    cairo_rectangle(cr, x - 30, keel + 26, 60, 20);
    paint(cr, rgb{0.3, 0.3, 0.34}, L, 60, 2.5);
  }
  truss(cr, {gantryl - 50, (girdertop + girderbottom) / 2}, {gantryr + 60, (girdertop + girderbottom) / 2},
        girderbottom - girdertop, yellow, L, 3);
  // the crab on the girder, a hook hanging from it
  cairo_rectangle(cr, 1720, girdertop - 24, 70, 26);
  paint(cr, yellow, L, 70, 2.5);
  inkline(cr, {{1742, girderbottom}, {1742, 300}}, 2);
  inkline(cr, {{1768, girderbottom}, {1768, 300}}, 2);
  ellipse(cr, 1755, 306, 14, 8);
  paint(cr, col::iron, L, 28, 2);
  cairo_new_path(cr);
  cairo_arc(cr, 1755, 328, 10, -0.3 * M_PI, 1.1 * M_PI);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 6);
  cairo_stroke(cr);
  artfont(cr, "sans", 16);
  arttext(cr, "SWL 80 t", 1600, 231, pal::ink, 0);
  // the lamps' flex along the girder
  inkline(cr, {{gantryl, girderbottom + 4}, {1600, girderbottom + 10}, {gantryr, girderbottom + 4}}, 1.6, 0.8);
}

// The junction box on its post, with the yard cable from the generator and the lamps' line.
void junction(cairo_t* cr, const light& L) {
  // the thick cable from the generator lying along the ground to the post
  tube(cr, {{genx + 128, geny + 31}, {genx + 160, geny + 78}, {980, 690}, {1150, 702}, {socketx - 4, 704}, {socketx - 4, 668}},
       8, rgb{0.14, 0.14, 0.16}, L, 2.5);
  tube(cr, {{socketx, 712}, {socketx, 650}}, 10, col::iron, L, 2.5);
  // the lamps' line from the box up to the gantry's leg
  cairo_new_path(cr);
  curve(cr, {{socketx + 20, 588}, {1300, 560}, {1380, 470}, {gantryl, 420}});
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 4);
  cairo_stroke(cr);
  artroundrect(cr, socketx - 40, 586, 80, 84, 6);
  paint(cr, rgb{0.62, 0.64, 0.68}, L, 80, 3);
  // the socket: a round blue housing with its flap lifted
  ellipse(cr, socketx, socketface, 19, 19);
  paint(cr, rgb{0.22, 0.36, 0.72}, L, 38, 2.5);
  ellipse(cr, socketx, socketface, 11, 11);
  flat(cr, rgb{0.1, 0.1, 0.14}, 2);
  for (int k = 0; k < 3; k++) {
    double a = k * 2 * M_PI / 3 - M_PI / 2;
    ellipse(cr, socketx + std::cos(a) * 5, socketface + std::sin(a) * 5, 1.8, 1.8);
    artsetcolor(cr, col::steel);
    cairo_fill(cr);
  }
  poly(cr, {{socketx - 16, socketface - 20}, {socketx + 16, socketface - 20}, {socketx + 20, socketface - 34},
            {socketx - 20, socketface - 34}});
  paint(cr, rgb{0.26, 0.4, 0.76}, L, 32, 2);
  poly(cr, {{socketx + 22, 592}, {socketx + 34, 612}, {socketx + 10, 612}});
  paint(cr, pal::gold, L, 20, 1.5);
  artfont(cr, "sans", 9);
  arttext(cr, "LAMPS", socketx, 660, pal::ink, 0);
}

void rightside(cairo_t* cr, const light& L) {
  // the yard office: a cabin on blocks with a door and two windows, the night's paperwork
  cairo_rectangle(cr, 2140, 470, 200, 130);
  paint(cr, rgb{0.3, 0.5, 0.46}, L, 200, 3);
  poly(cr, {{2130, 470}, {2350, 470}, {2340, 452}, {2140, 452}});
  paint(cr, rgb{0.3, 0.3, 0.36}, L, 220, 2.5);
  for (double wx : {2160.0, 2280.0}) {
    cairo_rectangle(cr, wx, 496, 46, 40);
    paint(cr, rgb{0.2, 0.26, 0.36}, L, 46, 2.5);
    inkline(cr, {{wx + 23, 496}, {wx + 23, 536}}, 2);
  }
  cairo_rectangle(cr, 2222, 500, 42, 100);
  paint(cr, rgb{0.5, 0.34, 0.24}, L, 42, 2.5);
  // the stacks beyond, and a fence with the sea glinting through it
  const rgb cols[] = {rgb{0.18, 0.38, 0.6}, rgb{0.7, 0.54, 0.16}, rgb{0.55, 0.2, 0.18}, rgb{0.26, 0.5, 0.36}};
  const char* names[] = {"MRG", "", "HOWL & CO", ""};
  for (int i = 0; i < 4; i++) container(cr, 2470 + (i / 2) * 210, 612 - (i % 2) * 80, 200, 80, cols[i], L, names[i], 8810 + i, 2.5);
  for (double x = 2370; x < 2740; x += 30) tube(cr, {{x, 612}, {x, 520}}, 3, col::steel, L, 1.2);
}

void leftside(cairo_t* cr, const light& L) {
  // gas bottles by the shed, steel plates leaning, barrels, a heap of tyres
  for (int i = 0; i < 3; i++) {
    double x = 40 + i * 30;
    artroundrect(cr, x - 12, 540, 24, 70, 10);
    paint(cr, i == 1 ? rgb{0.2, 0.3, 0.6} : pal::blood, L, 24, 2.5);
    cairo_rectangle(cr, x - 5, 532, 10, 10);
    paint(cr, col::steel, L, 10, 1.5);
  }
  for (int i = 0; i < 3; i++) {
    double x = 420 + i * 26;
    poly(cr, {{x, 620}, {x + 20, 470}, {x + 30, 472}, {x + 14, 622}});
    paint(cr, artshade(col::steel, 0.7 + 0.08 * i), L, 40, 2.5);
  }
  barrel(cr, 540, 650, 56, 74, rgb{0.2, 0.4, 0.6}, L, 8820);
  barrel(cr, 596, 656, 56, 74, pal::blood, L, 8821);
  for (int i = 0; i < 4; i++) {
    ellipse(cr, 260 + (i % 2) * 14, 716 - i * 18, 50, 14);
    paint(cr, rgb{0.16, 0.16, 0.2}, L, 100, 2.5);
    ellipse(cr, 260 + (i % 2) * 14, 716 - i * 18, 24, 6);
    artsetcolor(cr, rgb{0.08, 0.08, 0.1});
    cairo_fill(cr);
  }
  // the yard's gate with its sign
  for (double x : {-4.0, 160.0}) tube(cr, {{x, 700}, {x, 440}}, 10, col::iron, L, 2.5);
  cairo_save(cr);
  cairo_rectangle(cr, 0, 450, 160, 240);
  cairo_clip(cr);
  for (double d = -240; d < 400; d += 16) {
    cairo_move_to(cr, d, 450);
    cairo_line_to(cr, d + 240, 690);
    cairo_move_to(cr, d + 240, 450);
    cairo_line_to(cr, d, 690);
  }
  artsetcolor(cr, col::steel, 0.55);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  cairo_restore(cr);
  artroundrect(cr, 10, 500, 140, 56, 5);
  paint(cr, pal::bone, L, 140, 2.5);
  artfont(cr, "sans", 13);
  arttext(cr, "SHIPYARD", 80, 518, rgb{0.22, 0.22, 0.3}, 0);
  artfont(cr, "sans", 10);
  arttext(cr, "KEEP OUT AFTER DARK", 80, 538, pal::blood, 0);
}

void ground(cairo_t* cr, const light& L) {
  slabs(cr, -10, scenew + 10, groundback, sceneh, rgb{0.5, 0.5, 0.54}, rgb{0.36, 0.35, 0.38}, 8830);
  rng r(8831);
  for (int i = 0; i < 14; i++) {  // oil stains and puddles
    double x = r.range(0, scenew), y = r.range(650, 760), w = r.range(40, 130);
    ellipse(cr, x, y, w / 2, w / 8);
    artsetcolor(cr, r.chance(0.5) ? rgb{0.2, 0.2, 0.26} : rgb{0.4, 0.5, 0.62}, 0.45);
    cairo_fill(cr);
  }
  // the dock's rails running into it
  for (double ry : {700.0, 744.0}) {
    cairo_rectangle(cr, 1300, ry, 900, 6);
    paint(cr, col::steel, L, 6, 1.8);
  }
}

void foreground(cairo_t* cr, const light& L) {
  // a pile of chain, a wheelbarrow, a stack of pallets, a welder's mask
  for (int i = 0; i < 40; i++) {
    double t = i / 40.0, x = 880 + t * 120, y = 752 - std::sin(t * M_PI) * 26 + (i % 3) * 3;
    ellipse(cr, x, y, i % 2 ? 4 : 8, i % 2 ? 7 : 5);
    paint(cr, col::iron, L, 10, 1.6);
  }
  {
    const double x = 2000, y = 752;
    tube(cr, {{x - 70, y - 40}, {x - 120, y - 24}}, 5, col::wood, L, 2);
    poly(cr, {{x - 80, y - 60}, {x + 40, y - 66}, {x + 20, y - 20}, {x - 70, y - 18}});
    paint(cr, pal::teal, L, 120, 2.5);
    ellipse(cr, x + 10, y - 10, 14, 14);
    paint(cr, rgb{0.16, 0.16, 0.2}, L, 28, 2.5);
  }
  for (int i = 0; i < 3; i++) {
    cairo_rectangle(cr, 1040, 740 - i * 20, 120, 14);
    paint(cr, col::wood, L, 120, 2);
  }
}

// The yard in full colour: everything that the dark hides and the lamps reveal.
void yard(cairo_t* cr, const light& L) {
  ground(cr, L);
  shed(cr, L);
  rightside(cr, L);
  drydock(cr, L);
  gantry(cr, L);
  for (int i = 1; i <= lampcount; i++) lampfixture(cr, i, false, L);
  leftside(cr, L);
  generator(cr, L);
  junction(cr, L);
  foreground(cr, L);
}

// ---- the giggling shadows -----------------------------------------------------------------------

// Where they lurk: the first three are caught by the lamps and turn out to be zombies.
struct lurker {
  double x, y, s;  // between the eyes, and the size
};
const lurker lurkers[] = {{1520, 562, 1.0}, {1730, 456, 0.9}, {1964, 600, 1.0}, {330, 300, 0.8},
                          {560, 596, 0.9},  {2398, 560, 0.9}, {1120, 650, 0.8}, {2660, 500, 0.7}};

// Eyes and a grin glowing in the dark.
void eyes(cairo_t* cr, const lurker& k, uint32_t seed) {
  rng r(seed);
  const rgb c{0.86, 1.0, 0.5};
  for (double side : {-1.0, 1.0}) {
    double ex = k.x + side * 9 * k.s, ey = k.y + (side > 0 ? r.range(-2, 2) : 0);
    glow(cr, ex, ey, 16 * k.s, c, 0.5);
    ellipse(cr, ex, ey, 4.5 * k.s, 3 * k.s, side * 12);
    artsetcolor(cr, rgb{1, 1, 0.8});
    cairo_fill(cr);
  }
  cairo_new_path(cr);
  cairo_arc(cr, k.x, k.y + 6 * k.s, 10 * k.s, 0.15 * M_PI, 0.85 * M_PI);
  artsetcolor(cr, c, 0.75);
  cairo_set_line_width(cr, 2 * k.s);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_stroke(cr);
}

// The three caught in the light: one hides his eyes, one has brought sunglasses, one runs.
void caught(cairo_t* cr, const light& L) {
  {
    figure f = zombiefolk(2);
    f.height = 130;
    f.expr = face::shock;
    f.handl = {14, -30};
    f.handr = {-8, -26};
    f.headtilt = -10;
    f.lean = -6;
    f.seed = 8901;
    drawfigure(cr, lurkers[0].x, lurkers[0].y + 96, f, L);
  }
  {
    figure f = zombiefolk(3);
    f.height = 118;
    f.expr = face::grin;
    f.handl = {-4, 30};
    f.handr = {10, -20};
    f.lean = 4;
    f.seed = 8902;
    drawfigure(cr, lurkers[1].x - 4, lurkers[1].y + 84, f, L);
    cairo_save(cr);
    double r = headframe(cr, lurkers[1].x - 4, lurkers[1].y + 84, f);
    sunglasses(cr, r, L);
    cairo_restore(cr);
  }
  {
    figure f = zombiefolk(1);
    f.height = 128;
    f.expr = face::shock;
    f.lean = 16;
    f.stance = 1.5;
    f.handl = {-22, -8};
    f.handr = {24, 4};
    f.lookx = 0.8;
    f.seed = 8903;
    drawfigure(cr, lurkers[2].x + 14, lurkers[2].y + 92, f, L);
    // speed lines behind him
    for (int i = 0; i < 3; i++) inkline(cr, {{lurkers[2].x - 80, lurkers[2].y + 20 + i * 18.0}, {lurkers[2].x - 40, lurkers[2].y + 18 + i * 18.0}}, 2, 0.6);
  }
}

// ---- light ----------------------------------------------------------------------------------------

// How strongly the lamps light a point: each lamp's pool, stretched downwards.
double lampstrength(int i, double x, double y) {
  double dx = x - lampx[i], dy = (y - lampy[i]) * (y > lampy[i] ? downk : upk);
  return 1.0 / (1 + (dx * dx + dy * dy) * (1.0 / (150.0 * 150.0)));
}

// The yard under the lamps: each pixel's colour times the light that reaches it.
void lightup(cairo_surface_t* s) {
  pixelgrid g = pixelsof(s);
  for (int y = 0; y < g.h; y++) {
    uint32_t* row = g.row(y);
    for (int x = 0; x < g.w; x++) {
      uint32_t p = row[x];
      int a = p >> 24;
      if (a == 0) continue;
      double I = 0;
      for (int i = 1; i <= lampcount; i++) I += lampstrength(i, x, y);
      I = I / (1 + 0.45 * I);
      double kr = 0.3 + 0.86 * I, kg = 0.31 + 0.76 * I, kb = 0.42 + 0.5 * I;
      int r = std::min(a, int(((p >> 16) & 255) * kr)), gg = std::min(a, int(((p >> 8) & 255) * kg)),
          b = std::min(a, int((p & 255) * kb));
      row[x] = (uint32_t(a) << 24) | (uint32_t(r) << 16) | (uint32_t(gg) << 8) | uint32_t(b);
    }
  }
  g.done();
}

// The beams and the lit lamps themselves, over the lit yard.
void beams(cairo_t* cr) {
  const rgb c{1.0, 0.9, 0.62};
  for (int i : {2, 4, 5, 6}) beam(cr, lampx[i], lampy[i] + 8, lampx[i] - 120, lampx[i] + 120, keel, c, 0.09);
  beam(cr, lampx[3], lampy[3] + 8, lampx[3] - 90, lampx[3] + 90, keel, c, 0.06);
  cairo_save(cr);  // the leg lamp throws its light to the left over the yard
  cairo_move_to(cr, lampx[1] - 18, lampy[1] - 10);
  cairo_line_to(cr, lampx[1] - 300, lampy[1] + 100);
  cairo_line_to(cr, lampx[1] - 200, lampy[1] + 230);
  cairo_line_to(cr, lampx[1] - 18, lampy[1] + 10);
  cairo_close_path(cr);
  cairo_pattern_t* g = cairo_pattern_create_linear(lampx[1], 0, lampx[1] - 300, 0);
  cairo_pattern_add_color_stop_rgba(g, 0, c.r, c.g, c.b, 0.2);
  cairo_pattern_add_color_stop_rgba(g, 1, c.r, c.g, c.b, 0);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  cairo_restore(cr);
  for (int i = 1; i <= lampcount; i++) {
    lampfixture(cr, i, true, moonrim);
    lightpool(cr, lampx[i], std::min(740.0, keel + 20), 160, 24, c, 0.08);
  }
}

// The lamp's picture: the lit yard through its pool, fading to nothing before the edge.
void lamppicture(cairo_surface_t* lit, int i) {
  int w = lampw(i), h = lamph(i);
  cairo_t* cr = artnew(w, h);
  double left = lampx[i] - w / 2.0, top = lampy[i] - h / 2.0;
  cairo_set_source_surface(cr, lit, -left, -top);
  cairo_paint(cr);
  pixelgrid g = pixelsof(cairo_get_target(cr));
  for (int y = 0; y < h; y++) {
    uint32_t* row = g.row(y);
    for (int x = 0; x < w; x++) {
      double dx = x + left - lampx[i], dy = y + top - lampy[i];
      double d = std::hypot(dx, dy * (dy > 0 ? downk : upk)) / reach[i];
      double m = std::clamp((1 - d) / 0.6, 0.0, 1.0);
      row[x] = fadepixel(row[x], m * m * (3 - 2 * m));
    }
  }
  g.done();
  artsave(cr, "story/8/l" + std::to_string(i) + ".png");
}

// Pure black is masked out of the game's JPEGs: keep the darkest night just above it.
void nopureblack(cairo_surface_t* s) {
  pixelgrid g = pixelsof(s);
  for (int y = 0; y < g.h; y++) {
    uint32_t* row = g.row(y);
    for (int x = 0; x < g.w; x++) {
      uint32_t p = row[x];
      uint32_t r = std::max<uint32_t>((p >> 16) & 255, 12), gg = std::max<uint32_t>((p >> 8) & 255, 12),
               b = std::max<uint32_t>(p & 255, 18);
      row[x] = 0xff000000u | (r << 16) | (gg << 8) | b;
    }
  }
  g.done();
}

void shipyardscene() {
  const light L = moonrim;
  // the yard in colour, with the night's extras kept apart
  cairo_t* colour = artnew(scenew, sceneh);
  yard(colour, L);
  // the dark background
  cairo_t* cr = artnew(scenew, sceneh);
  nightsky(cr);
  {
    cairo_t* dim = artnew(scenew, sceneh);
    cairo_set_source_surface(dim, cairo_get_target(colour), 0, 0);
    cairo_paint(dim);
    nightfall(cairo_get_target(dim), 1.0);
    cairo_set_source_surface(cr, cairo_get_target(dim), 0, 0);
    cairo_paint(cr);
    artdone(dim);
  }
  // what the moon gives: a cold wash from the upper right
  glow(cr, 2300, 0, 1500, rgb{0.45, 0.5, 0.85}, 0.16);
  // and the town's warm glow behind the yard's wall, far off on the left
  glow(cr, 300, groundback - 80, 500, rgb{1.0, 0.6, 0.35}, 0.12);
  // the generator and the socket catch a little moonlight, and show their tiny lamps
  glow(cr, genx, geny - 10, 150, rgb{0.5, 0.56, 0.8}, 0.12);
  glow(cr, socketx, socketface, 60, rgb{0.5, 0.56, 0.8}, 0.12);
  glow(cr, genx - 14, geny - 12, 10, rgb{1, 0.2, 0.2}, 0.9);
  glow(cr, socketx + 28, 600, 8, rgb{0.3, 1, 0.4}, 0.9);
  for (size_t k = 0; k < sizeof(lurkers) / sizeof(lurkers[0]); k++) eyes(cr, lurkers[k], 8950 + uint32_t(k));
  haze(cr, scenew, 520, sceneh, rgb{0.08, 0.08, 0.16}, 0, 0.4);
  vignette(cr, scenew, sceneh, 0.4);
  grain(cr, 0.02, 8960);
  nopureblack(cairo_get_target(cr));
  savehalves(cr, "story/8/bga.jpg", "story/8/bgb.jpg");
  // the lit yard: the chest stands open and empty, the cable is plugged in, the lurkers are
  // caught; the lamps' light on all of it, their beams and their glare
  // (no sky in it: the lamps' pictures lie over the background's own sky)
  cairo_t* lit = artnew(scenew, sceneh);
  chestbody(colour, L);
  chestlid(colour, 102, L);
  pluggedcable(colour, socketx, sockety, L);
  caught(colour, L);
  lightup(cairo_get_target(colour));
  cairo_set_source_surface(lit, cairo_get_target(colour), 0, 0);
  cairo_paint(lit);
  artdone(colour);
  beams(lit);
  grain(lit, 0.02, 8961);
  for (int i = 1; i <= lampcount; i++) lamppicture(cairo_get_target(lit), i);
  artdone(lit);
}

}  // namespace

void forgestory_ch8() {
  shipyardscene();
  yardobjects();
}

std::vector<pictureentry> manifest_story_ch8() {
  std::vector<pictureentry> m = yardmanifest();
  for (int i = 1; i <= lampcount; i++)
    m.push_back({"story/8/l" + std::to_string(i) + ".png", lampw(i), lamph(i),
                 "chapter 8 yard lamp " + std::to_string(i) + " lit, with the yard in its light"});
  return m;
}
