// Chapter 10's scene: the ending. The sun sets into the sea on the left and the Merry Widow
// sails into it; the scene drifts right along the water to the pier below Morgavelle's hill,
// where the whole horde has come down to wave goodbye, a little sadly, round the card table
// they will miss. The sky is chapter 1's evening sky with its clouds (drawn by chapter 1);
// this chapter's two halves are the sea, the sun and the pier over it, clear where the sky
// shows through.
//
// Scene positions (scene x, screen y): the ship at (860, 340), turned about her picture's
// (162, 122); the sky and the clouds above y 250 stay clear of anything on the left half.
#include "tools/forge/forge_story.h"
#include "tools/forge/forge_story_sea.h"
#include <algorithm>
#include <cmath>
#include <string>

using namespace storykit;
using namespace seakit;

namespace {

constexpr int scenew = 2732, sceneh = 768;
constexpr double horizon = 362;
constexpr double sunx = 600, sunr = 66;
constexpr double deckback = 606, deckfront = 668, fascia = 692, pierleft = 1440;
// The far ship: her picture, and where her own middle sits in it (the turning handle).
constexpr int shipw = 340, shiph = 210;
constexpr double shiphx = 162, shiphy = 122, shipscale = 0.24;
const rgb sunset{1.0, 0.68, 0.36}, sungold{1.0, 0.86, 0.5};
const light evening = lightfrom(165, sunset, 0.7, 0.45);  // the low sun on the left

// The sea at sunset: gold under the sun, rose and purple away from it.
void sunsetsea(cairo_t* cr) {
  water(cr, 0, scenew, horizon, sceneh, rgb{0.86, 0.56, 0.52}, rgb{0.3, 0.22, 0.42}, 10101, 0.4);
  // a warm wash over the water around the sun's path, and its glitter
  cairo_save(cr);
  cairo_rectangle(cr, 0, horizon, scenew, sceneh - horizon);
  cairo_clip(cr);
  glow(cr, sunx, horizon, 700, sunset, 0.35);
  cairo_restore(cr);
  shimmer(cr, sunx, horizon + 2, sceneh, 260, sungold, 0.75, 10102);
  shimmer(cr, sunx + 10, horizon + 2, sceneh, 150, rgb{1, 0.96, 0.8}, 0.6, 10103);
}

void sun(cairo_t* cr) {
  // its bloom over the sky (this half of the scene is clear above the horizon, so the bloom is
  // what the sky gets), the disc half under the sea's rim
  cairo_save(cr);
  cairo_rectangle(cr, 0, 0, scenew, horizon + 1);
  cairo_clip(cr);
  glow(cr, sunx, horizon, 520, sunset, 0.5);
  glow(cr, sunx, horizon, 200, sungold, 0.75);
  ellipse(cr, sunx, horizon, sunr, sunr);
  cairo_pattern_t* g = cairo_pattern_create_radial(sunx, horizon - 20, 4, sunx, horizon, sunr);
  cairo_pattern_add_color_stop_rgb(g, 0, 1, 0.98, 0.82);
  cairo_pattern_add_color_stop_rgb(g, 1, 1, 0.72, 0.36);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  cairo_restore(cr);
}

// The headland on the far left: a grassy bluff lit along its top by the sunset, a cottage with
// its window lit, rocks at its foot, and the lighthouse on its own rock at the point.
void headland(cairo_t* cr, const light& L) {
  const rgb land{0.3, 0.18, 0.34}, grass{0.36, 0.3, 0.36};
  cairo_new_path(cr);
  curve(cr, {{-20, 232}, {60, 222}, {150, 236}, {230, 268}, {300, 300}, {360, 334}, {430, horizon + 4}});
  cairo_line_to(cr, 430, horizon + 30);
  cairo_line_to(cr, -20, horizon + 30);
  cairo_close_path(cr);
  cairo_path_t* shape = cairo_copy_path(cr);
  paintgrad(cr, grass, land, L, 400, 3);
  cairo_save(cr);
  cairo_append_path(cr, shape);
  cairo_clip(cr);
  // strata of rock showing through the turf, darker towards the water
  for (int i = 0; i < 5; i++) {
    double y = 270 + i * 20;
    inkline(cr, {{-10, y + 10}, {120, y - 4}, {260, y + 6}, {420, y + 2}}, 1.4, 0.35);
  }
  haze(cr, 440, 300, horizon + 30, rgb{0.16, 0.08, 0.2}, 0, 0.45);
  cairo_restore(cr);
  cairo_path_destroy(shape);
  grasstufts(cr, -10, 130, 232, 10, rgb{0.5, 0.4, 0.42}, 10104, 0.8);
  // the cottage on the bluff
  const double hx = 40, hy = 232;
  cairo_rectangle(cr, hx, hy - 40, 60, 40);
  paint(cr, rgb{0.5, 0.36, 0.44}, L, 60, 2.5);
  poly(cr, {{hx - 8, hy - 40}, {hx + 30, hy - 66}, {hx + 68, hy - 40}});
  paint(cr, rgb{0.36, 0.2, 0.3}, L, 76, 2.5);
  glow(cr, hx + 18, hy - 22, 24, col::windowlit, 0.5);
  cairo_rectangle(cr, hx + 10, hy - 30, 16, 14);
  flat(cr, col::windowlit, 2);
  cairo_rectangle(cr, hx + 50, hy - 72, 9, 20);
  paint(cr, rgb{0.36, 0.2, 0.3}, L, 9, 2);
  for (int i = 0; i < 7; i++) {  // rocks at its foot, the lighthouse's rock at the point
    ellipse(cr, 30 + i * 62, horizon + 12 + (i % 2) * 8, 40 + (i % 3) * 8, 16);
    paint(cr, rgb{0.34, 0.2, 0.36}, L, 80, 2.5);
  }
  blob(cr, {{400, horizon + 14}, {410, 318}, {450, 300}, {490, 316}, {500, horizon + 14}}, 0.8);
  paint(cr, rgb{0.36, 0.22, 0.38}, L, 100, 3);
  lighthouse(cr, 452, 306, 96, true, 12, L);
}

// Morgavelle on its hill behind the pier, the windows lit, the church spire.
void hometown(cairo_t* cr, const light& L) {
  cairo_new_path(cr);
  curve(cr, {{1900, horizon}, {2100, 320}, {2320, 262}, {2560, 240}, {2760, 236}});
  cairo_line_to(cr, 2760, horizon + 10);
  cairo_line_to(cr, 1900, horizon + 10);
  cairo_close_path(cr);
  flat(cr, rgb{0.3, 0.18, 0.36}, 0);
  rng r(10111);
  for (double x = 2060; x < 2740; x += r.range(36, 56)) {
    double gy = 330 - (x - 2060) * 0.13 + r.range(-4, 8), w = r.range(34, 50), h = r.range(30, 60);
    poly(cr, {{x, gy}, {x, gy - h}, {x + w / 2, gy - h - w * 0.5}, {x + w, gy - h}, {x + w, gy}});
    artsetcolor(cr, rgb{0.26, 0.15, 0.32});
    cairo_fill(cr);
    if (r.chance(0.75)) {
      glow(cr, x + w / 2, gy - h * 0.5, 12, col::windowlit, 0.45);
      cairo_rectangle(cr, x + w / 2 - 3.5, gy - h * 0.6, 7, 8);
      artsetcolor(cr, col::windowlit);
      cairo_fill(cr);
    }
  }
  // the church: its tower and spire on the hill's shoulder
  cairo_rectangle(cr, 2400, 170, 40, 110);
  artsetcolor(cr, rgb{0.24, 0.14, 0.3});
  cairo_fill(cr);
  poly(cr, {{2394, 172}, {2420, 92}, {2446, 172}});
  cairo_fill(cr);
  ellipse(cr, 2420, 200, 10, 10);
  artsetcolor(cr, pal::gold, 0.8);
  cairo_fill(cr);
  haze(cr, scenew, 230, horizon, sunset, 0, 0.2);
  (void)L;
}

// A lamp post on the pier, lit in the dusk, foot at (x, y).
void pierlamp(cairo_t* cr, double x, double y, const light& L) {
  tube(cr, {{x, y}, {x, y - 230}}, 9, rgb{0.22, 0.16, 0.28}, L, 2.5);
  glow(cr, x, y - 248, 90, col::lamp, 0.5);
  artroundrect(cr, x - 12, y - 264, 24, 32, 5);
  flat(cr, rgb{1.0, 0.88, 0.55}, 2.5);
  poly(cr, {{x - 18, y - 264}, {x, y - 278}, {x + 18, y - 264}});
  paint(cr, rgb{0.22, 0.16, 0.28}, L, 36, 2.5);
}

void pier(cairo_t* cr, const light& L) {
  const rgb plank{0.6, 0.42, 0.36}, post{0.3, 0.2, 0.26};
  const double x0 = pierleft, x1 = scenew + 10;
  for (double x = x0 + 14; x < x1; x += 124) {
    for (double dx : {-14.0, 14.0}) tube(cr, {{x + dx, fascia - 4}, {x + dx, sceneh + 10}}, 18, post, L, 3);
    if (x + 124 < x1) {
      tube(cr, {{x + 14, fascia + 8}, {x + 110, 750}}, 6, artshade(post, 1.1), L, 2);
      tube(cr, {{x + 110, fascia + 8}, {x + 14, 750}}, 6, artshade(post, 1.1), L, 2);
    }
  }
  shimmer(cr, 1800, fascia + 20, sceneh, 400, sunset, 0.25, 10121);
  poly(cr, {{x0, deckfront}, {x0 + 14, deckback}, {x1, deckback}, {x1, deckfront}});
  cairo_path_t* deck = cairo_copy_path(cr);
  paintgrad(cr, artshade(plank, 0.95), artshade(plank, 1.05), L, 300, 3);
  cairo_save(cr);
  cairo_append_path(cr, deck);
  cairo_clip(cr);
  for (double x = x0 + 14; x < x1; x += 22) inkline(cr, {{x, deckfront}, {x + 4 - (x - 2000) * 0.02, deckback}}, 1.4, 0.45);
  woodgrain(cr, x0, deckback, x1, deckfront, artshade(plank, 0.6), 10122);
  cairo_restore(cr);
  cairo_path_destroy(deck);
  poly(cr, {{x0, deckfront}, {x1, deckfront}, {x1, fascia}, {x0, fascia}});
  paint(cr, artshade(plank, 0.75), L, 24, 3);
  tube(cr, {{x0 + 6, fascia + 30}, {x0 + 6, deckback - 40}}, 16, post, L, 3);
}

// Bunting from lamp to lamp: a sagging line of little pennants.
void bunting(cairo_t* cr, pt a, pt b, double sag, uint32_t seed) {
  rng r(seed);
  std::vector<pt> line;
  for (int i = 0; i <= 30; i++) {
    double t = i / 30.0;
    line.push_back({a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t + 4 * sag * t * (1 - t)});
  }
  inkline(cr, line, 1.6);
  const rgb cols[] = {pal::pumpkin, pal::plum, pal::bone, pal::teal, pal::gold};
  for (size_t i = 1; i + 1 < line.size(); i++) {
    pt p = line[i];
    poly(cr, {{p.x - 11, p.y}, {p.x + 11, p.y}, {p.x + r.range(-2, 2), p.y + 24}});
    paint(cr, cols[i % 5], evening, 22, 1.6);
  }
}

// A figure of the horde waving: the raised hand holds a handkerchief or a card.
struct waver {
  figure f;
  double x, y;
  int wave;  // 0 nothing in the hand, 1 a handkerchief, 2 a playing card, 3 a sign on a stick
};

void drawwaver(cairo_t* cr, const waver& w, const light& L) {
  drawfigure(cr, w.x, w.y, w.f, L);
  pt h = handat(w.x, w.y, w.f, w.f.handr.y < w.f.handl.y ? false : true);
  double u = w.f.height / 100;
  if (w.wave == 1) hanky(cr, h.x - 2 * u, h.y - 14 * u, 16 * u, 0.6, pal::bone, L);
  if (w.wave == 2) {
    cairo_save(cr);
    cairo_translate(cr, h.x, h.y - 10 * u);
    cairo_rotate(cr, 0.2);
    artroundrect(cr, -7 * u, -10 * u, 14 * u, 20 * u, 2 * u);
    paint(cr, pal::bone, L, 14 * u, 2);
    artfont(cr, "serif", 8 * u);
    arttext(cr, "A", 0, -3 * u, pal::blood, 0);
    artfont(cr, "sans", 6 * u);
    arttext(cr, "\u2665", 0, 5 * u, pal::blood, 0);
    cairo_restore(cr);
  }
  if (w.wave == 3) {
    tube(cr, {{h.x, h.y + 6 * u}, {h.x, h.y - 60 * u}}, 2.2 * u, col::wood, L, 2);
    artroundrect(cr, h.x - 34 * u, h.y - 84 * u, 68 * u, 30 * u, 3 * u);
    paint(cr, pal::bone, L, 68 * u, 2.5);
    artfont(cr, "comic", 15 * u);
    arttext(cr, "BYE!", h.x, h.y - 69 * u, pal::blood, 0);
  }
}

// The card table they gathered round every evening, the player's chair empty.
void cardtable(cairo_t* cr, double x, double y, const light& L) {
  groundshadow(cr, x + 10, y, 80, 9, 0.45);
  for (double dx : {-52.0, 52.0}) tube(cr, {{x + dx, y}, {x + dx * 0.8, y - 60}}, 6, col::darkwood, L, 2);
  ellipse(cr, x, y - 62, 70, 16);
  paint(cr, rgb{0.2, 0.42, 0.3}, L, 140, 3);
  const double cx[] = {-34, -12, 14, 36}, cr2[] = {-20, 10, -6, 16};
  for (int i = 0; i < 4; i++) {
    cairo_save(cr);
    cairo_translate(cr, x + cx[i], y - 64 + (i % 2) * 4);
    cairo_rotate(cr, cr2[i] * M_PI / 180);
    cairo_scale(cr, 1, 0.45);
    artroundrect(cr, -7, -10, 14, 20, 2);
    paint(cr, i == 2 ? pal::blood : pal::bone, L, 14, 1.5);
    cairo_restore(cr);
  }
  // the empty chair with a shawl over its back
  const double chx = x + 96;
  for (double dx : {-16.0, 16.0}) tube(cr, {{chx + dx, y}, {chx + dx, y - 44}}, 5, col::wood, L, 2);
  cairo_rectangle(cr, chx - 22, y - 50, 44, 8);
  paint(cr, col::wood, L, 44, 2);
  tube(cr, {{chx + 16, y - 46}, {chx + 20, y - 110}}, 5, col::wood, L, 2);
  tube(cr, {{chx - 16, y - 46}, {chx - 12, y - 110}}, 5, col::wood, L, 2);
  cairo_rectangle(cr, chx - 16, y - 112, 38, 20);
  paint(cr, col::wood, L, 38, 2);
  blob(cr, {{chx - 20, y - 108}, {chx + 26, y - 110}, {chx + 28, y - 70}, {chx + 10, y - 80}, {chx - 14, y - 66}}, 0.8);
  paint(cr, rgb{0.5, 0.3, 0.6}, L, 50, 2);
}

void horde(cairo_t* cr, const light& L) {
  std::vector<waver> w;
  auto add = [&](figure f, double x, double y, double h, int wave) {
    f.height = h;
    w.push_back({f, x, y, wave});
  };
  {  // one sits on the edge with his legs over the water
    figure f = zombiefolk(4);
    f.sitting = true;
    f.expr = face::worry;
    f.handl = {-4, 20};
    f.handr = {12, -34};
    f.seed = 10201;
    add(f, 1560, deckfront - 4, 160, 1);
  }
  {
    figure f = mrpudding(true);
    f.expr = face::worry;
    f.handl = {-6, 16};
    f.handr = {14, -36};
    f.holdl = held::none;
    f.seed = 10202;
    add(f, 1700, deckfront - 6, 210, 1);
  }
  {
    figure f = zombiefolk(2);
    f.expr = face::grin;
    f.handl = {-16, -34};
    f.handr = {16, -36};
    f.seed = 10203;
    add(f, 1840, deckback + 28, 180, 0);
  }
  {
    figure f = zombiefolk(3);
    f.expr = face::worry;
    f.handl = {10, -14};
    f.handr = {14, -30};
    f.seed = 10204;
    add(f, 1960, deckfront - 8, 170, 1);
  }
  {
    figure f = zombiefolk(6);
    f.expr = face::moan;
    f.handl = {-4, 24};
    f.handr = {8, -28};
    f.seed = 10205;
    add(f, 2090, deckback + 34, 190, 3);
  }
  {
    figure f = zombiefolk(4);
    f.expr = face::smile;
    f.handl = {-6, 20};
    f.handr = {16, -38};
    f.seed = 10206;
    add(f, 2360, deckfront - 4, 180, 2);
  }
  {  // a tall one with the little one on his shoulders (she sits behind his head)
    figure k = zombiefolk(1);
    k.sitting = true;
    k.expr = face::grin;
    k.handl = {-16, -30};
    k.handr = {18, -32};
    k.seed = 10208;
    add(k, 2490, deckback + 30 - 172, 90, 1);
    figure f = zombiefolk(5);
    f.expr = face::moan;
    f.handl = {-14, -30};
    f.handr = {10, -34};
    f.seed = 10207;
    add(f, 2490, deckback + 30, 200, 0);
  }
  {
    figure f = zombiefolk(6);
    f.hat = 1;
    f.expr = face::smile;
    f.handl = {-4, 22};
    f.handr = {14, -36};
    f.seed = 10209;
    add(f, 2620, deckfront - 6, 180, 1);
  }
  {  // the giant from the forest road, too big for the pier's edge
    figure f = zombiefolk(4);
    f.girth = 1.35;
    f.hat = 2;
    f.accent = rgb{0.4, 0.36, 0.5};
    f.expr = face::worry;
    f.handl = {-4, 24};
    f.handr = {16, -40};
    f.seed = 10210;
    add(f, 2740, deckback + 40, 240, 0);
  }
  for (const waver& v : w) drawwaver(cr, v, L);
  // tears: small blue drops on the sad ones
  for (int i : {1, 3}) {
    const waver& v = w[size_t(i)];
    double u = v.f.height / 100;
    for (double side : {-1.0, 1.0}) {
      double tx = v.x + side * 7 * u, ty = v.y - (100 - 19) * u + 4 * u;
      blob(cr, {{tx, ty}, {tx + 2 * u, ty + 5 * u}, {tx, ty + 7 * u}, {tx - 2 * u, ty + 5 * u}}, 0.9);
      flat(cr, rgb{0.6, 0.8, 1.0}, 1.2);
    }
  }
}

void endingscene() {
  cairo_t* cr = artnew(scenew, sceneh);
  const light L = evening;
  sun(cr);
  headland(cr, L);
  hometown(cr, L);
  sunsetsea(cr);
  for (int i = 0; i < 6; i++) gull(cr, 300 + i * 160 + (i % 2) * 40, 290 + (i % 3) * 22, 22 + i * 2, i % 2, rgb{0.3, 0.16, 0.3});
  pier(cr, L);
  pierlamp(cr, 1500, deckback + 10, L);
  pierlamp(cr, 2270, deckback + 10, L);
  bunting(cr, {1500, deckback - 236}, {2270, deckback - 236}, 40, 10301);
  bunting(cr, {2270, deckback - 236}, {2760, deckback - 250}, 30, 10302);
  drawcrow(cr, 1442, deckback - 70, 70, 0, 1, 0.8, L);
  cardtable(cr, 2200, deckfront - 4, L);
  horde(cr, L);
  grain(cr, 0.02, 10399);
  savehalves(cr, "story/10/bga.png", "story/10/bgb.png");
}

void shippicture() {
  cairo_t* cr = artnew(shipw, shiph);
  cairo_translate(cr, shiphx, shiphy);
  // her wake runs back behind her, to the right
  rng r(10401);
  for (int i = 0; i < 40; i++) {
    double t = r.unit(), x = 90 + t * 60, y = widowwaterline * shipscale + 2 + t * 10 + r.range(-3, 3);
    ellipse(cr, x, y, r.range(4, 10) * (1 - t * 0.6), 1.5);
    artsetcolor(cr, rgb{1, 0.92, 0.8}, 0.7 * (1 - t));
    cairo_fill(cr);
  }
  cairo_scale(cr, shipscale, shipscale);
  shipstyle s;
  s.outline = 11;
  s.hull = rgb{0.26, 0.14, 0.3};
  s.sail = rgb{1.0, 0.84, 0.72};
  s.sailshade = rgb{0.7, 0.42, 0.5};
  s.sea = rgb{0.86, 0.56, 0.5};
  merrywidow(cr, s, lightfrom(165, sungold, 0.9, 0.5), 10402);
  cairo_identity_matrix(cr);
  grain(cr, 0.015, 10403);
  artsave(cr, "story/10/ship.png");
}

}  // namespace

void forgestory_ch10() {
  endingscene();
  shippicture();
}

std::vector<pictureentry> manifest_story_ch10() {
  return {
      {"story/10/bga.png", 1366, sceneh, "chapter 10 sunset sea over the sky, left half [cut]"},
      {"story/10/bgb.png", 1366, sceneh, "chapter 10 the horde on the pier waving, right half [cut]"},
      {"story/10/ship.png", shipw, shiph, "chapter 10 the Merry Widow sailing away, handle (162, 122)"},
  };
}
