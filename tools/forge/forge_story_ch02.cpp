// Chapter 2's scene: the allotment gardens behind town at dusk. A terrace at the back holds
// the privy (its door, and the zombie who is using it), the lawn mower waits at the top of the
// grassy bank, an iron weight lies under two planks in front of the terrace wall, and on the
// lawn a long see-saw plank stands up on its trestle with the crow on top. A zombie climbs out
// of a vegetable bed on the left while the scene scrolls in.
//
// Scene positions (scene x, screen y) this file composes around: weight and planks (1295, 620),
// mower (1450, 410) rolling down the bank to (1650, 610), privy door top-left (1249, 302) with
// a 68 x 184 box, the zombie inside (1300, 387), see-saw pivot (1932, 700) with the crow at
// y 295 on its top, the rising zombie at x 900.
#include "tools/forge/forge_story.h"
#include "tools/forge/forge_story_kit.h"
#include <algorithm>
#include <cmath>
#include <string>

using namespace storykit;

namespace {

constexpr int scenew = 2732, sceneh = 768;
constexpr int ironw = 124, ironh = 96, plank1w = 252, plank1h = 84, plank2w = 228, plank2h = 126;
constexpr int mowerw = 164, mowerh = 194;
constexpr int doorw = 72, doorh = 190, doorpad = 5;  // the glow is drawn 5 pixels up and left
constexpr int seesaww = 112, seesawh = 420;          // handle (56, 384) is the pivot
constexpr int croww = 150, crowh = 130;
constexpr int zomb2w = 100, zomb2h = 200, zomb1w = 300, zomb1h = 340;
constexpr int glowpad = 10;
// Where things stand in the scene.
constexpr double doorx = 1249, doory = 302;       // privy door, top-left
constexpr double terracey = 488;                  // the terrace the privy stands on
constexpr double stackx = 1295, stacky = 620;     // weight and planks
constexpr double pivotx = 1932, pivoty = 700;     // the see-saw's pivot on its trestle

const light dusklight = lightfrom(60, rgb{1.0, 0.78, 0.55}, 0.5, 0.42);  // low sun, upper right

// ---- the objects ------------------------------------------------------------------------------

// The cartoon weight: a heavy iron trapezoid with a ring on top and its mass cast in.
void ironweight(cairo_t* cr, double cx, double cy) {
  groundshadow(cr, cx, cy + 34, 50, 7, 0.5);
  tube(cr, {{cx - 14, cy - 22}, {cx - 12, cy - 36}, {cx, cy - 42}, {cx + 12, cy - 36}, {cx + 14, cy - 22}}, 7, col::iron,
       dusklight, 3);
  poly(cr, {{cx - 32, cy - 24}, {cx + 32, cy - 24}, {cx + 46, cy + 32}, {cx - 46, cy + 32}});
  paint(cr, col::iron, dusklight, 90, 3.5);
  artfont(cr, "sans", 18);
  arttext(cr, "50 KG", cx, cy + 6, artshade(col::iron, 1.5), 1.5, artshade(col::iron, 0.6));
  // rust spots and a shine
  dabs(cr, cx - 30, cy - 20, 60, 44, rgb{0.55, 0.3, 0.2}, 0.3, 8, 10, 4101);
  inkline(cr, {{cx - 24, cy - 18}, {cx - 34, cy + 24}}, 2, 0);
  cairo_move_to(cr, cx - 24, cy - 16);
  cairo_line_to(cr, cx - 32, cy + 20);
  artsetcolor(cr, rgb{0.9, 0.92, 1.0}, 0.35);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
}

// A weathered plank lying at an angle, with nails and a knot.
void plank(cairo_t* cr, double cx, double cy, double len, double wid, double angle, uint32_t seed) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_rotate(cr, angle * M_PI / 180);
  groundshadow(cr, 4, wid * 0.6, len * 0.5, wid * 0.3, 0.35);
  rng r(seed);
  std::vector<pt> p{{-len / 2, -wid / 2}, {len / 2 - 6, -wid / 2 + 1}, {len / 2, -wid / 2 + 8},
                    {len / 2 - 3, wid / 2},  {-len / 2 + 10, wid / 2}, {-len / 2 + 2, wid / 2 - 9}};
  poly(cr, p);
  cairo_path_t* shape = cairo_copy_path(cr);
  paint(cr, rgb{0.66, 0.48, 0.32}, dusklight, wid * 2, 3);
  cairo_save(cr);
  cairo_append_path(cr, shape);
  cairo_clip(cr);
  woodgrain(cr, -len / 2, -wid / 2, len / 2, wid / 2, col::darkwood, seed);
  cairo_restore(cr);
  cairo_path_destroy(shape);
  for (double nx : {-len / 2 + 14, len / 2 - 16}) {
    for (double ny : {-wid / 4, wid / 4}) {
      ellipse(cr, nx + r.range(-2, 2), ny, 2.6, 2.6);
      flat(cr, col::steel, 1);
    }
  }
  cairo_restore(cr);
}

// A push mower facing right, its handle reaching back up to the left, a grass box behind.
void mower(cairo_t* cr, double cx, double cy) {
  light L = dusklight;
  groundshadow(cr, cx + 4, cy + 80, 66, 9, 0.45);
  // handle
  tube(cr, {{cx - 6, cy + 20}, {cx - 40, cy - 36}, {cx - 62, cy - 76}}, 7, col::iron, L, 3);
  tube(cr, {{cx - 76, cy - 70}, {cx - 48, cy - 84}}, 10, rgb{0.2, 0.2, 0.24}, L, 3);
  // grass box
  artroundrect(cr, cx - 62, cy + 8, 46, 50, 8);
  paint(cr, pal::moss, L, 50, 3);
  for (int i = 0; i < 4; i++) inkline(cr, {{cx - 56 + i * 11.0, cy + 14}, {cx - 56 + i * 11.0, cy + 52}}, 1.2, 0.4);
  // body
  blob(cr, {{cx - 22, cy + 62}, {cx - 20, cy + 18}, {cx + 14, cy + 6}, {cx + 52, cy + 16}, {cx + 60, cy + 62}}, 0.7);
  paint(cr, pal::blood, L, 90, 3);
  artfont(cr, "comic", 13);
  arttext(cr, "ZIPPY", cx + 20, cy + 36, pal::bone, 1.5);
  // wheels
  for (double wx : {cx - 10, cx + 46}) {
    ellipse(cr, wx, cy + 66, 17, 17);
    paint(cr, rgb{0.2, 0.18, 0.22}, L, 34, 3);
    ellipse(cr, wx, cy + 66, 7, 7);
    paint(cr, col::steel, L, 14, 2);
  }
  // the spinning blade cover at the front
  ellipse(cr, cx + 62, cy + 54, 9, 14);
  paint(cr, col::steel, L, 20, 2.5);
}

// The privy door in frame n (0 shut .. 2 wide open), hinged on its left edge, swinging out.
void privydoor(cairo_t* cr, int n) {
  const double x0 = 3, y0 = 3, w = 62, h = 178;  // the shut door fills the click box
  light L = dusklight;
  if (n == 0) {
    artroundrect(cr, x0, y0, w, h, 3);
    cairo_path_t* shape = cairo_copy_path(cr);
    paint(cr, rgb{0.50, 0.34, 0.26}, L, w, 3);
    cairo_save(cr);
    cairo_append_path(cr, shape);
    cairo_clip(cr);
    for (int i = 1; i < 4; i++) inkline(cr, {{x0 + i * w / 4, y0}, {x0 + i * w / 4, y0 + h}}, 1.4, 0.55);
    woodgrain(cr, x0, y0, x0 + w, y0 + h, col::darkwood, 4201);
    cairo_restore(cr);
    cairo_path_destroy(shape);
    // the crescent moon cut-out, glowing from the lantern inside
    glow(cr, x0 + w / 2, y0 + 34, 20, col::lamp, 0.6);
    cairo_new_path(cr);
    cairo_arc(cr, x0 + w / 2, y0 + 34, 10, 0, 2 * M_PI);
    cairo_new_sub_path(cr);
    cairo_arc(cr, x0 + w / 2 + 5, y0 + 30, 9, 0, 2 * M_PI);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    flat(cr, rgb{1.0, 0.85, 0.45}, 1.5);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    // Z-brace and the latch
    for (double y : {y0 + 62, y0 + 150}) {
      cairo_rectangle(cr, x0 + 3, y - 6, w - 6, 12);
      paint(cr, rgb{0.44, 0.3, 0.22}, L, 12, 2);
    }
    poly(cr, {{x0 + 8, y0 + 144}, {x0 + 16, y0 + 144}, {x0 + w - 6, y0 + 72}, {x0 + w - 14, y0 + 68}});
    paint(cr, rgb{0.44, 0.3, 0.22}, L, 12, 2);
    ellipse(cr, x0 + w - 10, y0 + 104, 4, 4);
    paint(cr, col::steel, L, 8, 1.5);
    for (double y : {y0 + 20, y0 + h - 20}) {  // hinges
      cairo_rectangle(cr, x0 - 1, y - 4, 16, 8);
      paint(cr, col::iron, L, 8, 1.5);
    }
    return;
  }
  // swung open: the door's back seen narrowing towards the hinge
  double k = n == 1 ? 0.45 : 0.18;
  double fx = x0 + w * k;  // the free edge, nearer the viewer, so a little taller
  double grow = n == 1 ? 3 : 5;  // the near edge reaches a little lower (its top stays at the frame's)
  poly(cr, {{x0, y0}, {fx, y0}, {fx, y0 + h + grow}, {x0, y0 + h}});
  paint(cr, rgb{0.40, 0.27, 0.2}, L, w * k, 3);
  inkline(cr, {{x0 + (fx - x0) * 0.5, y0 + 4}, {x0 + (fx - x0) * 0.5, y0 + h - 4}}, 1.2, 0.5);
  // its edge, showing the plank's thickness
  cairo_rectangle(cr, fx - 1, y0, 5, h + grow);
  paint(cr, rgb{0.6, 0.44, 0.3}, L, 5, 2);
}

// The zombie in the privy: sitting, reading the paper, peeking over it. Kept inside the
// doorway, which is drawn as the picture's clip.
void privyzombie(cairo_t* cr, double cx, double cy, double doorleft, double doorright, double doortop,
                 double doorbottom) {
  cairo_save(cr);
  cairo_rectangle(cr, doorleft, doortop, doorright - doorleft, doorbottom - doortop);
  cairo_clip(cr);
  figure z = zombiefolk(4);
  z.height = 150;
  z.sitting = true;
  z.expr = face::worry;
  z.lookx = -0.6;
  z.handl = {6, 18};
  z.handr = {-6, 18};
  z.holdl = held::newspaper;
  z.headtilt = -6;
  z.lean = 0;
  drawfigure(cr, cx - 4, cy + 92, z, lightfrom(90, col::lamp, 0.6, 0.4));
  cairo_restore(cr);
}

// ---- the scene ------------------------------------------------------------------------------------

// The bank the mower rolls down: from the terrace at x 1480 to the lawn at x 1720.
double groundat(double x) {
  if (x < 1000) return 640 + 20 * std::sin(x / 170);
  if (x < 1480) return terracey;
  if (x < 1740) {
    double t = (x - 1480) / 260;
    t = t * t * (3 - 2 * t);
    return terracey + (742 - terracey) * t;
  }
  return 742 + 8 * std::sin(x / 120);
}

void vegbed(cairo_t* cr, double x0, double x1, double y, rng& r, const light& L) {
  artroundrect(cr, x0, y - 26, x1 - x0, 34, 10);
  paint(cr, col::earth, L, x1 - x0, 3);
  for (double x = x0 + 22; x < x1 - 16; x += r.range(34, 46)) {
    int kind = int(r.unit() * 3);
    if (kind == 0) {  // a cabbage
      ellipse(cr, x, y - 26, 16, 13);
      paint(cr, rgb{0.45, 0.68, 0.4}, L, 30, 2.5);
      inkline(cr, {{x - 8, y - 30}, {x, y - 22}, {x + 8, y - 30}}, 1.2, 0.5);
    } else if (kind == 1) {  // a pumpkin
      pumpkin(cr, x, y - 14, 30, false, L);
    } else {  // carrot tops
      for (int k = -1; k <= 1; k++) tube(cr, {{x + k * 3.0, y - 22}, {x + k * 8.0, y - 48}}, 3, pal::moss, L, 1.2);
      ellipse(cr, x, y - 22, 6, 4);
      paint(cr, pal::pumpkin, L, 12, 1.5);
    }
  }
}

void scarecrow(cairo_t* cr, double x, double y, const light& L) {
  tube(cr, {{x, y}, {x, y - 170}}, 7, col::darkwood, L, 2.5);
  tube(cr, {{x - 60, y - 130}, {x + 60, y - 126}}, 6, col::darkwood, L, 2.5);
  poly(cr, {{x - 34, y - 140}, {x + 34, y - 140}, {x + 42, y - 62}, {x - 40, y - 62}});
  paint(cr, rgb{0.35, 0.45, 0.65}, L, 80, 3);
  cairo_rectangle(cr, x + 6, y - 112, 14, 14);
  paint(cr, pal::blood, L, 14, 1.5);
  for (double side : {-1.0, 1.0})
    for (int k = 0; k < 3; k++)
      tube(cr, {{x + side * 56, y - 128}, {x + side * (66 + k * 3.0), y - 118 + k * 6.0}}, 2, pal::gold, L, 1);
  pumpkin(cr, x, y - 140, 54, true, L);
  poly(cr, {{x - 40, y - 178}, {x + 40, y - 178}, {x + 20, y - 188}, {x + 6, y - 224}, {x - 18, y - 190}});
  paint(cr, rgb{0.3, 0.22, 0.16}, L, 80, 2.5);
}

void privy(cairo_t* cr, const light& L) {
  // a lean-to privy of boards on the terrace, a roof of tarred felt, a lantern by the door
  const double x0 = 1226, x1 = 1340, top = 266;
  poly(cr, {{x0, terracey + 4}, {x0 + 2, top + 14}, {x1 - 2, top + 4}, {x1, terracey + 4}});
  cairo_path_t* shape = cairo_copy_path(cr);
  paint(cr, rgb{0.38, 0.46, 0.5}, L, 120, 3);
  cairo_save(cr);
  cairo_append_path(cr, shape);
  cairo_clip(cr);
  for (double x = x0 + 16; x < x1; x += 18) inkline(cr, {{x, top}, {x + 1, terracey + 4}}, 1.4, 0.5);
  cairo_restore(cr);
  cairo_path_destroy(shape);
  // the dark doorway the door closes: it frames the zombie once the door opens
  cairo_rectangle(cr, doorx + 3, doory + 3, 62, 178);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, doory, 0, doory + 180);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.22, 0.14, 0.12);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.1, 0.07, 0.08);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  glow(cr, doorx + 40, doory + 40, 60, col::lamp, 0.3);  // a candle inside
  cairo_rectangle(cr, doorx, doory, 68, 184);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  poly(cr, {{x0 - 14, top + 20}, {x1 + 12, top + 4}, {x1 + 8, top - 12}, {x0 - 10, top + 2}});
  paint(cr, rgb{0.22, 0.2, 0.26}, L, 140, 3);
  // lantern on a hook at the right
  glow(cr, x1 + 22, top + 66, 90, col::lamp, 0.5);
  tube(cr, {{x1, top + 40}, {x1 + 22, top + 40}, {x1 + 22, top + 52}}, 2, col::iron, L, 1.2);
  artroundrect(cr, x1 + 14, top + 52, 16, 22, 4);
  flat(cr, rgb{1.0, 0.9, 0.55}, 2);
  // a heart painted on the side wall, and a roll of paper on a nail
  blob(cr, {{x1 - 22, top + 60}, {x1 - 16, top + 52}, {x1 - 10, top + 58}, {x1 - 16, top + 70}});
  flat(cr, pal::blood, 1.2, 0.8);
}

void gardens() {
  cairo_t* cr = artnew(scenew, sceneh);
  const double W = scenew;
  light L = dusklight;
  // dusk sky with a teal tint, stars, the moon on the right
  skyfill(cr, W, sceneh,
          {{0, rgb{0.08, 0.12, 0.30}}, {0.35, rgb{0.22, 0.22, 0.46}}, {0.6, rgb{0.62, 0.42, 0.52}}, {0.78, rgb{0.95, 0.68, 0.48}}});
  stars(cr, W, 300, 260, 4301, 0.85);
  moon(cr, 2300, 120, 54, rgb{0.98, 0.92, 0.72}, 0.4);
  cloud(cr, 600, 150, 380, 90, rgb{0.4, 0.3, 0.55}, rgb{1.0, 0.65, 0.5}, 4302);
  cloud(cr, 1700, 90, 300, 70, rgb{0.38, 0.3, 0.55}, rgb{1.0, 0.65, 0.5}, 4303);
  // Morgavelle's roofs on the far left, the hills and far hedges behind the gardens
  rgb far = rgb{0.36, 0.26, 0.46};
  ridge(cr, W, 420, 26, sceneh, 4304, atmos(far, rgb{0.9, 0.6, 0.55}, 0.35), atmos(far, rgb{0.9, 0.6, 0.55}, 0.1));
  rng r(4305);
  for (double x = 0; x < 700; x += r.range(40, 70)) {
    double w = r.range(40, 70), h = r.range(40, 90), gy = ridgeheight(x, 420, 26, 4304) + 10;
    poly(cr, {{x, gy}, {x, gy - h}, {x + w / 2, gy - h - w * 0.5}, {x + w, gy - h}, {x + w, gy}});
    artsetcolor(cr, rgb{0.26, 0.18, 0.34});
    cairo_fill(cr);
    if (r.chance(0.7)) {
      glow(cr, x + w / 2, gy - h * 0.5, 10, col::windowlit, 0.5);
      cairo_rectangle(cr, x + w / 2 - 3, gy - h * 0.55, 6, 7);
      artsetcolor(cr, rgb{1.0, 0.82, 0.45});
      cairo_fill(cr);
    }
  }
  for (double x = -30; x < W; x += r.range(50, 110))
    silhouettetree(cr, x, ridgeheight(x, 420, 26, 4304) + 14, r.range(70, 130), 4400 + int(x), rgb{0.24, 0.2, 0.32},
                   r.chance(0.4));
  haze(cr, W, 360, 520, rgb{0.85, 0.55, 0.55}, 0, 0.35);
  // middle: the long back hedge and allotment sheds
  ridge(cr, W, 470, 12, sceneh, 4306, rgb{0.2, 0.32, 0.3}, rgb{0.12, 0.2, 0.22}, 3);
  {  // allotment sheds at irregular places and sizes, one with a rain barrel
    const double shedx[] = {120, 430, 1820, 2160, 2520}, shedw[] = {70, 110, 84, 126, 64};
    for (int i = 0; i < 5; i++) {
      double x = shedx[i], w = shedw[i], h = w * 0.62, gy = 482 - (i % 2) * 6;
      rgb wall = atmos(i % 2 ? col::wood : rgb{0.36, 0.46, 0.52}, rgb{0.5, 0.4, 0.55}, 0.35);
      cairo_rectangle(cr, x, gy - h, w, h);
      paint(cr, wall, L, w, 2.5);
      poly(cr, {{x - 8, gy - h + 4}, {x + w * 0.5, gy - h - w * 0.32}, {x + w + 8, gy - h + 4}});
      paint(cr, atmos(col::roof, rgb{0.5, 0.4, 0.55}, 0.3), L, w, 2.5);
      if (i != 2) {
        double wx = x + w * (i % 2 ? 0.22 : 0.6);
        glow(cr, wx + 8, gy - h * 0.55, 22, col::windowlit, 0.5);
        cairo_rectangle(cr, wx, gy - h * 0.7, 16, 14);
        flat(cr, rgb{1.0, 0.82, 0.45}, 2);
      }
      if (i == 1) {
        artroundrect(cr, x + w + 6, gy - 34, 26, 34, 5);
        paint(cr, col::darkwood, L, 26, 2.5);
      }
    }
    // a greenhouse glowing with a lamp left on
    const double gx = 640, gy = 486, gw = 150, gh = 84;
    glow(cr, gx + gw / 2, gy - gh / 2, 130, rgb{1.0, 0.85, 0.5}, 0.35);
    poly(cr, {{gx, gy}, {gx, gy - gh * 0.6}, {gx + gw / 2, gy - gh}, {gx + gw, gy - gh * 0.6}, {gx + gw, gy}});
    cairo_pattern_t* g = cairo_pattern_create_linear(0, gy - gh, 0, gy);
    cairo_pattern_add_color_stop_rgba(g, 0, 0.8, 0.9, 0.8, 0.55);
    cairo_pattern_add_color_stop_rgba(g, 1, 1.0, 0.85, 0.55, 0.75);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
    artsetcolor(cr, pal::ink);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    for (double x = gx + 25; x < gx + gw; x += 25) inkline(cr, {{x, gy}, {x, gy - gh * 0.6 - (x < gx + gw / 2 ? (x - gx) : (gx + gw - x)) * 0.53}}, 1.5, 0.7);
    inkline(cr, {{gx, gy - gh * 0.6}, {gx + gw, gy - gh * 0.6}}, 1.5, 0.7);
    for (double x = gx + 14; x < gx + gw - 10; x += 22) {
      ellipse(cr, x, gy - 12, 9, 8);
      paint(cr, rgb{0.3, 0.55, 0.3}, L, 16, 1.5);
    }
  }
  // the ground: a lawn with a raised terrace in the middle and its grassy bank to the right
  // (the ground runs well past both ends, so its shading never rims the picture's sides)
  cairo_new_path(cr);
  cairo_move_to(cr, -200, sceneh + 200);
  for (double x = -200; x <= W + 200; x += 6) cairo_line_to(cr, x, groundat(x));
  cairo_line_to(cr, W + 200, sceneh + 200);
  cairo_close_path(cr);
  paintgrad(cr, rgb{0.36, 0.52, 0.36}, rgb{0.24, 0.38, 0.26}, L, 400, 3);
  // the terrace's stone front wall (the weight lies in front of it)
  {
    const double wx0 = 1000, wx1 = 1486, wy0 = terracey + 2, wy1 = 612;
    poly(cr, {{wx0, wy0}, {wx1, wy0}, {wx1 + 30, wy1}, {wx0, wy1}});
    paint(cr, rgb{0.5, 0.46, 0.56}, L, 200, 3);
    cairo_save(cr);
    poly(cr, {{wx0, wy0}, {wx1, wy0}, {wx1 + 30, wy1}, {wx0, wy1}});
    cairo_clip(cr);
    for (double y = wy0; y < wy1; y += 26)
      for (double x = wx0 - (int((y - wy0) / 26) % 2) * 30; x < wx1 + 40; x += 60) {
        artroundrect(cr, x + 2, y + 2, 56, 22, 8);
        paint(cr, artshade(rgb{0.5, 0.46, 0.56}, r.range(0.85, 1.1)), L, 56, 1.6);
      }
    haze(cr, W, wy0, wy1, pal::ink, 0.0, 0.35);
    cairo_restore(cr);
    // ivy over the wall's top
    for (double x = wx0 + 10; x < wx1; x += r.range(18, 30)) {
      double len = r.range(20, 80);
      tube(cr, {{x, wy0}, {x + r.range(-8, 8), wy0 + len * 0.5}, {x + r.range(-10, 10), wy0 + len}}, 2, pal::moss, L, 1);
      for (double k = 0.3; k < 1; k += 0.3) {
        ellipse(cr, x + r.range(-6, 6), wy0 + len * k, 5, 4, r.range(0, 180));
        paint(cr, pal::moss, L, 10, 1.2);
      }
    }
  }
  // the lawn's texture: mown stripes, painterly dabs, clover, little flowers
  cairo_save(cr);
  cairo_new_path(cr);
  cairo_move_to(cr, -10, sceneh + 10);
  for (double x = -10; x <= W + 10; x += 6) cairo_line_to(cr, x, groundat(x));
  cairo_line_to(cr, W + 10, sceneh + 10);
  cairo_close_path(cr);
  cairo_clip(cr);
  for (double x = -300; x < W; x += 110) {
    poly(cr, {{x, 768}, {x + 55, 768}, {x + 300, 440}, {x + 270, 440}});
    artsetcolor(cr, rgb{0.55, 0.75, 0.42}, 0.09);
    cairo_fill(cr);
  }
  dabs(cr, 0, 470, W, 300, rgb{0.45, 0.66, 0.38}, 0.3, 700, 40, 4510);
  dabs(cr, 0, 470, W, 300, rgb{0.14, 0.26, 0.2}, 0.3, 500, 44, 4511);
  // a gravel path winding from the garden gate on the left to the terrace steps
  cairo_new_path(cr);
  curve(cr, {{280, 640}, {360, 700}, {560, 690}, {760, 660}, {980, 664}});
  artsetcolor(cr, rgb{0.62, 0.55, 0.5});
  cairo_set_line_width(cr, 36);
  cairo_stroke(cr);
  rng pr(4512);
  for (int i = 0; i < 260; i++) {
    double t = pr.unit();
    double x = 280 + t * 700, y = 640 + std::sin(t * M_PI) * 50 + (t > 0.5 ? -30 * (t - 0.5) : 0) + pr.range(-14, 14);
    ellipse(cr, x, y, pr.range(1.5, 3.5), pr.range(1, 2.2));
    artsetcolor(cr, artshade(rgb{0.62, 0.55, 0.5}, pr.range(0.7, 1.25)));
    cairo_fill(cr);
  }
  // flowers sprinkled over the lawn and the bank
  for (int i = 0; i < 240; i++) {
    double x = pr.range(0, W);
    if (x > 990 && x < 1490) continue;
    double y = pr.range(groundat(x) + 10, 766);
    const rgb fl[] = {pal::bone, pal::gold, rgb{0.9, 0.5, 0.7}, rgb{0.6, 0.6, 1.0}};
    rgb c = fl[pr.next() % 4];
    for (int k = 0; k < 5; k++) {
      double a = k * 2 * M_PI / 5;
      ellipse(cr, x + std::cos(a) * 2.4, y + std::sin(a) * 2.4, 1.8, 1.8);
    }
    artsetcolor(cr, c, 0.85);
    cairo_fill(cr);
  }
  cairo_restore(cr);
  for (double x = 0; x < W; x += 4) {
    double y = groundat(x);
    if (x > 1000 && x < 1486) continue;
    grasstufts(cr, x, x + 4, y + 3, 12, rgb{0.4, 0.6, 0.34}, 4500 + int(x), 0.8);
  }
  grasstufts(cr, 1000, 1486, terracey + 3, 10, rgb{0.4, 0.6, 0.34}, 4501, 1);
  // allotment rows across the middle distance, smaller further back
  for (int row = 0; row < 3; row++) {
    double y = 506 + row * 34, k = 0.55 + row * 0.2;
    for (double x = 20 + row * 40; x < W - 60; x += pr.range(220, 320) * k) {
      double w = pr.range(120, 200) * k;
      if ((x + w > 960 && x < 1500) || (x + w > 1860 && x < 2010) || (row == 2 && x < 600)) continue;
      artroundrect(cr, x, y - 8 * k, w, 14 * k, 6 * k);
      flat(cr, atmos(col::earth, rgb{0.5, 0.4, 0.5}, 0.3 - row * 0.1), 1.5);
      int kind = int(pr.unit() * 3);
      for (double px = x + 8 * k; px < x + w - 6 * k; px += 14 * k) {
        if (kind == 0) {
          ellipse(cr, px, y - 10 * k, 6 * k, 5 * k);
          artsetcolor(cr, atmos(rgb{0.45, 0.68, 0.4}, rgb{0.5, 0.4, 0.5}, 0.3 - row * 0.1));
          cairo_fill(cr);
        } else if (kind == 1) {
          tube(cr, {{px, y - 6 * k}, {px, y - 40 * k}}, 1.5 * k, col::wood, L, 0);
          ellipse(cr, px + 2, y - 26 * k, 5 * k, 9 * k);
          artsetcolor(cr, atmos(pal::moss, rgb{0.5, 0.4, 0.5}, 0.3));
          cairo_fill(cr);
        } else {
          ellipse(cr, px, y - 8 * k, 5 * k, 4 * k);
          artsetcolor(cr, atmos(pal::pumpkin, rgb{0.5, 0.4, 0.5}, 0.35 - row * 0.1));
          cairo_fill(cr);
        }
      }
    }
  }
  for (double x = 1010; x < 1480; x += pr.range(16, 26)) {
    if (x > 1180 && x < 1420) continue;  // the weight and planks lie here
    tube(cr, {{x, 620}, {x + pr.range(-4, 4), 596}}, 2, pal::moss, L, 1);
    const rgb fl[] = {pal::pumpkin, pal::gold, rgb{0.9, 0.5, 0.7}};
    ellipse(cr, x, 594, 6, 5);
    paint(cr, fl[pr.next() % 3], L, 12, 1.5);
  }
  // on the lawn below the bank: a bird bath, a garden gnome, a patch of pumpkins
  {
    const double bx = 1660, by = 748;
    groundshadow(cr, bx, by, 40, 7, 0.45);
    poly(cr, {{bx - 10, by}, {bx - 6, by - 60}, {bx + 6, by - 60}, {bx + 10, by}});
    paint(cr, rgb{0.62, 0.6, 0.66}, L, 20, 2.5);
    ellipse(cr, bx, by - 64, 40, 10);
    paint(cr, rgb{0.62, 0.6, 0.66}, L, 80, 2.5);
    ellipse(cr, bx, by - 66, 30, 6);
    flat(cr, rgb{0.5, 0.6, 0.85}, 1.5);
  }
  {
    const double gx = 2470, gy = 724;
    groundshadow(cr, gx, gy, 22, 5, 0.45);
    poly(cr, {{gx - 14, gy}, {gx - 12, gy - 26}, {gx + 12, gy - 26}, {gx + 14, gy}});
    paint(cr, pal::sky, L, 28, 2);
    ellipse(cr, gx, gy - 34, 10, 10);
    paint(cr, col::skin, L, 20, 2);
    blob(cr, {{gx - 10, gy - 22}, {gx, gy - 12}, {gx + 10, gy - 22}, {gx, gy - 30}});
    paint(cr, pal::bone, L, 20, 1.5);
    poly(cr, {{gx - 12, gy - 38}, {gx, gy - 70}, {gx + 12, gy - 38}});
    paint(cr, pal::blood, L, 24, 2);
  }
  // a clothes line at the far right with the washing out
  {
    tube(cr, {{2290, 742}, {2296, 520}}, 6, col::wood, L, 2.5);
    tube(cr, {{2690, 730}, {2684, 512}}, 6, col::wood, L, 2.5);
    cairo_new_path(cr);
    curve(cr, {{2296, 530}, {2490, 560}, {2684, 522}});
    artsetcolor(cr, pal::ink);
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);
    const rgb cl[] = {pal::plum, pal::bone, pal::teal, pal::gold, pal::blood};
    for (int i = 0; i < 5; i++) {
      double x = 2330 + i * 70, y = 538 + std::sin((i + 0.5) / 5.0 * M_PI) * 20;
      if (i % 2) {
        poly(cr, {{x, y}, {x + 40, y + 1}, {x + 42, y + 52}, {x + 30, y + 54}, {x + 24, y + 22}, {x + 12, y + 56}, {x, y + 54}});
      } else {
        poly(cr, {{x, y}, {x + 14, y}, {x + 14, y + 34}, {x + 30, y + 44}, {x + 24, y + 52}, {x, y + 44}});
      }
      paint(cr, cl[i], L, 40, 2);
      inkline(cr, {{x + 4, y - 4}, {x + 4, y + 4}}, 2);
    }
  }
  // back of the terrace: bushes, the scarecrow, a bean row
  bush(cr, 1080, terracey + 2, 140, 70, col::leaf, 4502, L);
  for (double x = 1380; x < 1470; x += 18) {
    tube(cr, {{x, terracey}, {x + 4, terracey - 120}}, 3, col::wood, L, 1.5);
    for (double y = terracey - 110; y < terracey - 10; y += 16) {
      ellipse(cr, x + 6, y, 6, 4, 30);
      paint(cr, pal::moss, L, 10, 1.2);
    }
  }
  privy(cr, L);
  scarecrow(cr, 1160, terracey, L);
  // the gardens in front: beds, a gate and path on the left, the rising zombie's bed at x 900
  picketfence(cr, 0, 560, 640, 64, pal::bone, 4503, L);
  cairo_rectangle(cr, 240, 576, 84, 8);
  paint(cr, pal::bone, L, 80, 2);
  vegbed(cr, 80, 420, 700, r, L);
  vegbed(cr, 520, 820, 736, r, L);
  // the bed the zombie climbs out of: freshly dug, with a little crooked cross of sticks
  artroundrect(cr, 820, 730, 170, 38, 14);
  paint(cr, artshade(col::earth, 1.1), L, 170, 3);
  for (int i = 0; i < 8; i++) {
    ellipse(cr, 830 + i * 20 + r.range(-4, 4), 736 + r.range(-4, 8), r.range(6, 10), r.range(4, 7));
    paint(cr, artshade(col::earth, r.range(0.8, 1.2)), L, 14, 1.5);
  }
  vegbed(cr, 2050, 2420, 756, r, L);
  vegbed(cr, 2480, 2720, 716, r, L);
  // the see-saw's trestle on the lawn (the plank itself is its own picture)
  {
    groundshadow(cr, pivotx, 752, 70, 10, 0.5);
    for (double side : {-1.0, 1.0}) {
      tube(cr, {{pivotx, pivoty - 4}, {pivotx + side * 40, 752}}, 12, col::wood, L, 3);
    }
    tube(cr, {{pivotx - 26, 728}, {pivotx + 26, 728}}, 8, col::wood, L, 2.5);
    ellipse(cr, pivotx, pivoty, 12, 12);
    paint(cr, col::iron, L, 24, 2.5);
  }
  // tools leaning on the wall, a watering can, a wheelbarrow: the lived-in garden
  tube(cr, {{1010, 652}, {1046, 520}}, 5, col::wood, L, 2);
  poly(cr, {{1040, 530}, {1056, 520}, {1062, 540}, {1046, 548}});
  paint(cr, col::steel, L, 20, 2);
  blob(cr, {{2200, 730}, {2204, 700}, {2240, 694}, {2262, 706}, {2260, 730}});
  paint(cr, pal::teal, L, 60, 2.5);
  tube(cr, {{2258, 712}, {2290, 690}}, 5, pal::teal, L, 2);
  // foreground leaves and sunflowers framing the bottom
  for (double x : {40.0, 700.0, 1560.0, 2660.0}) {
    for (int k = 0; k < 3; k++) {
      double a = -M_PI / 2 + (k - 1) * 0.7;
      std::vector<pt> leaf{{x, 780},
                           {x + std::cos(a - 0.3) * 80, 780 + std::sin(a - 0.3) * 80},
                           {x + std::cos(a) * 130, 780 + std::sin(a) * 130},
                           {x + std::cos(a + 0.3) * 80, 780 + std::sin(a + 0.3) * 80}};
      blob(cr, leaf, 0.8);
      paint(cr, artshade(rgb{0.22, 0.42, 0.24}, 0.8 + 0.1 * k), L, 120, 3);
      inkline(cr, {{x, 780}, {x + std::cos(a) * 110, 780 + std::sin(a) * 110}}, 1.5, 0.5);
    }
  }
  for (double x : {2580.0, 2640.0}) {
    tube(cr, {{x, 770}, {x + 6, 560}}, 6, pal::moss, L, 2);
    for (int k = 0; k < 12; k++) {
      double a = k * M_PI / 6;
      ellipse(cr, x + 6 + std::cos(a) * 24, 548 + std::sin(a) * 24, 12, 6, k * 30);
      paint(cr, pal::gold, L, 20, 1.5);
    }
    ellipse(cr, x + 6, 548, 16, 16);
    paint(cr, col::darkwood, L, 30, 2);
  }
  haze(cr, W, 640, sceneh, pal::ink, 0, 0.4);
  vignette(cr, W, sceneh, 0.3);
  grain(cr, 0.025, 4599);
  savehalves(cr, "story/2/bga.jpg", "story/2/bgb.jpg");
}

// Draws a picture, saves it and its glow.
void objectwithglow(const std::string& base, int w, int h, void (*draw)(cairo_t*, int, int)) {
  cairo_t* cr = artnew(w, h);
  draw(cr, w, h);
  grain(cr, 0.02, uint32_t(base.size() * 131 + w));
  saveglow(cr, "story/2/" + base + "-glow.png", glowpad);
  artsave(cr, "story/2/" + base + ".png");
}

void drawiron(cairo_t* cr, int w, int h) { ironweight(cr, w / 2.0, h / 2.0 + 2); }
void drawplank1(cairo_t* cr, int w, int h) { plank(cr, w / 2.0, h / 2.0, 224, 38, 3, 4601); }
void drawplank2(cairo_t* cr, int w, int h) { plank(cr, w / 2.0, h / 2.0, 206, 40, -20, 4602); }
void drawmower(cairo_t* cr, int w, int h) { mower(cr, w / 2.0 + 6, h / 2.0 - 4); }

void objects() {
  objectwithglow("iron", ironw, ironh, drawiron);
  objectwithglow("plank1", plank1w, plank1h, drawplank1);
  objectwithglow("plank2", plank2w, plank2h, drawplank2);
  objectwithglow("mower", mowerw, mowerh, drawmower);
  // the privy door: three frames; the glow of the shut door is drawn 5 pixels up and left
  for (int n = 0; n < 3; n++) {
    cairo_t* cr = artnew(doorw, doorh);
    privydoor(cr, n);
    grain(cr, 0.02, 4700 + n);
    if (n == 0) saveglow(cr, "story/2/door1-glow.png", doorpad);
    artsave(cr, "story/2/door" + std::to_string(n + 1) + ".png");
  }
  // the see-saw plank, standing on its pivot at (56, 384), leaning a little so its top end
  // (where the crow sits) is 15 pixels left of the pivot
  {
    cairo_t* cr = artnew(seesaww, seesawh);
    const double px = 56, py = 384;
    cairo_save(cr);
    cairo_translate(cr, px, py);
    cairo_rotate(cr, std::atan2(-15.0, 376.0));
    std::vector<pt> p{{-13, 28}, {-14, -370}, {-8, -378}, {9, -376}, {13, -368}, {13, 28}};
    poly(cr, p);
    cairo_path_t* shape = cairo_copy_path(cr);
    paint(cr, rgb{0.7, 0.5, 0.32}, dusklight, 30, 3);
    cairo_save(cr);
    cairo_append_path(cr, shape);
    cairo_clip(cr);
    cairo_rotate(cr, M_PI / 2);
    woodgrain(cr, -378, -13, 28, 13, col::darkwood, 4801);
    cairo_restore(cr);
    cairo_path_destroy(shape);
    // a seat at the lower end and a handle bar, like every see-saw has
    cairo_rectangle(cr, -18, -6, 36, 14);
    paint(cr, pal::blood, dusklight, 36, 2.5);
    tube(cr, {{-16, -40}, {16, -40}}, 5, col::iron, dusklight, 2);
    cairo_rectangle(cr, -18, -348, 36, 14);
    paint(cr, pal::blood, dusklight, 36, 2.5);
    tube(cr, {{-16, -318}, {16, -318}}, 5, col::iron, dusklight, 2);
    ellipse(cr, 0, 0, 7, 7);
    paint(cr, col::steel, dusklight, 14, 2);
    cairo_restore(cr);
    grain(cr, 0.02, 4802);
    saveglow(cr, "story/2/plank-glow.png", doorpad);
    artsave(cr, "story/2/plank.png");
  }
  // the crow: open, half shut, shut; its feet 36 pixels below the picture's centre
  for (int i = 0; i < 3; i++) {
    cairo_t* cr = artnew(croww, crowh);
    drawcrow(cr, croww / 2.0 + 4, crowh / 2.0 + 3, 110, i, 0, 0, dusklight);
    grain(cr, 0.02, 4900 + i);
    if (i == 0) saveglow(cr, "story/2/crow1-glow.png", glowpad);
    artsave(cr, "story/2/crow" + std::to_string(i + 1) + ".png");
  }
  // the zombie in the privy, kept to the doorway (scene 1252..1316 x 305..485 around 1300, 387)
  {
    cairo_t* cr = artnew(zomb2w, zomb2h);
    double ox = zomb2w / 2.0 - 1300, oy = zomb2h / 2.0 - 387;
    privyzombie(cr, zomb2w / 2.0, zomb2h / 2.0, doorx + 4 + ox, doorx + 66 + ox, doory + 4 + oy, doory + 182 + oy);
    grain(cr, 0.02, 4950);
    saveglow(cr, "story/2/zombie2-glow.png", glowpad);
    artsave(cr, "story/2/zombie2.png");
  }
  // the zombie climbing out of the bed: arms up, clods of earth, his legs still underground
  {
    cairo_t* cr = artnew(zomb1w, zomb1h);
    light L = lightfrom(70, rgb{1.0, 0.78, 0.55}, 0.55, 0.42);
    cairo_push_group(cr);
    figure z = zombiefolk(5);
    z.height = 330;
    z.handl = {-14, -26};
    z.handr = {14, -30};
    z.expr = face::moan;
    z.headtilt = 8;
    drawfigure(cr, zomb1w / 2.0, zomb1h + 90, z, L);
    cairo_pop_group_to_source(cr);
    // the lower part fades into the soil the picture ends in
    cairo_pattern_t* fade = cairo_pattern_create_linear(0, zomb1h - 120, 0, zomb1h - 8);
    cairo_pattern_add_color_stop_rgba(fade, 0, 0, 0, 0, 1);
    cairo_pattern_add_color_stop_rgba(fade, 1, 0, 0, 0, 0);
    cairo_mask(cr, fade);
    cairo_pattern_destroy(fade);
    // clods of earth flung up on both sides as he pushes out
    rng r(4960);
    for (int i = 0; i < 10; i++) {
      double side = i % 2 ? 1 : -1;
      double cx = zomb1w / 2.0 + side * r.range(95, 135), cy = r.range(150, 300);
      ellipse(cr, cx, cy, r.range(6, 11), r.range(5, 8), r.range(0, 180));
      paint(cr, artshade(col::earth, r.range(0.9, 1.3)), L, 16, 2);
    }
    grain(cr, 0.02, 4961);
    artsave(cr, "story/2/zombie1.png");
  }
}

}  // namespace

void forgestory_ch2() {
  gardens();
  objects();
}

std::vector<pictureentry> manifest_story_ch2() {
  auto g = [](int v) { return v + 2 * glowpad; };
  std::vector<pictureentry> m = {
      {"story/2/bga.jpg", 1366, sceneh, "chapter 2 gardens, left half [cut]"},
      {"story/2/bgb.jpg", 1366, sceneh, "chapter 2 gardens, right half [cut]"},
      {"story/2/iron.png", ironw, ironh, "chapter 2 iron weight under the planks"},
      {"story/2/iron-glow.png", g(ironw), g(ironh), "chapter 2 iron weight glowing"},
      {"story/2/plank1.png", plank1w, plank1h, "chapter 2 lower plank on the weight"},
      {"story/2/plank1-glow.png", g(plank1w), g(plank1h), "chapter 2 lower plank glowing"},
      {"story/2/plank2.png", plank2w, plank2h, "chapter 2 upper plank on the weight"},
      {"story/2/plank2-glow.png", g(plank2w), g(plank2h), "chapter 2 upper plank glowing"},
      {"story/2/mower.png", mowerw, mowerh, "chapter 2 lawn mower on the bank"},
      {"story/2/mower-glow.png", g(mowerw), g(mowerh), "chapter 2 lawn mower glowing"},
      {"story/2/door1.png", doorw, doorh, "chapter 2 privy door shut, frame 1 of 3"},
      {"story/2/door2.png", doorw, doorh, "chapter 2 privy door opening, frame 2 of 3"},
      {"story/2/door3.png", doorw, doorh, "chapter 2 privy door open, frame 3 of 3"},
      {"story/2/door1-glow.png", doorw + 2 * doorpad, doorh + 2 * doorpad, "chapter 2 privy door glowing"},
      {"story/2/plank.png", seesaww, seesawh, "chapter 2 see-saw plank standing on its pivot"},
      {"story/2/plank-glow.png", seesaww + 2 * doorpad, seesawh + 2 * doorpad, "chapter 2 see-saw plank glowing"},
      {"story/2/crow1.png", croww, crowh, "chapter 2 crow, eyes open, frame 1 of 3"},
      {"story/2/crow2.png", croww, crowh, "chapter 2 crow blinking, frame 2 of 3"},
      {"story/2/crow3.png", croww, crowh, "chapter 2 crow, eyes shut, frame 3 of 3"},
      {"story/2/crow1-glow.png", g(croww), g(crowh), "chapter 2 crow glowing"},
      {"story/2/zombie2.png", zomb2w, zomb2h, "chapter 2 zombie in the privy"},
      {"story/2/zombie2-glow.png", g(zomb2w), g(zomb2h), "chapter 2 zombie in the privy glowing"},
      {"story/2/zombie1.png", zomb1w, zomb1h, "chapter 2 zombie climbing out of a bed"},
  };
  return m;
}
