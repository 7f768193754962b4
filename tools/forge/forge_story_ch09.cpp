// Chapter 9's scene: the last jetty at dawn, in fog. On the left the harbour's end: the
// harbour master's hut with its window lit, lamps, bollards, the sign to the last jetty, and
// the horde shuffling out of the fog behind. Then open water, a bell buoy, a far lighthouse,
// the dawn glowing pink under the fog; on the right the jetty itself runs out from the edge of
// the picture, where the good ship Merry Widow comes alongside.
//
// Scene positions (scene x, screen y): the ship glides from (2600, 250) to (1350, 380); her
// anchor hangs from her cathead at (ship - 435, ship - 130) and drops 300 pixels; her door
// is at (ship + 50, ship + 75) and folds down onto the jetty as a ramp; her lever at
// (ship + 470, ship + 70) turns about its picture's (6, 52); her four signal lamps at
// (ship - 20, ship - 28) ... (ship + 47, ship - 14). The jetty's picture has its bottom-right
// corner on the scene's (2732, 768).
#include "tools/forge/forge_story.h"
#include "tools/forge/forge_story_sea.h"
#include <algorithm>
#include <cmath>
#include <string>

using namespace storykit;
using namespace seakit;

namespace {

constexpr int scenew = 2732, sceneh = 768;
constexpr double horizon = 330;
constexpr double shipx = 1350, shipy = 380;  // where she comes to rest
// Pictures and their sizes.
constexpr int shipw = 1400, shiph = 920, anchorw = 96, anchorh = 800, doorw = 110, doorh = 270;
constexpr int leverw = 52, leverh = 66, leverpad = 5, lightw = 56, lighth = 56, glowpad = 10;
constexpr int stegw = 1560, stegh = 568;
// The jetty: its deck from the back edge to the front, its fascia, its left end.
constexpr double deckback = 505, deckfront = 580, fascia = 606, stegleft = scenew - stegw + 24;
const rgb fogc{0.78, 0.74, 0.84}, dawn{1.0, 0.76, 0.62};
const light dawnlight = lightfrom(25, dawn, 0.55, 0.42);  // the low sun behind the fog, on the right

shipstyle widowstyle() {
  shipstyle s;
  s.sea = rgb{0.34, 0.42, 0.54};
  return s;
}

// ---- the ship and her parts ---------------------------------------------------------------------

void shippicture() {
  cairo_t* cr = artnew(shipw, shiph);
  cairo_translate(cr, shipw / 2.0, shiph / 2.0);
  merrywidow(cr, widowstyle(), dawnlight, 9101);
  // the fog she brings with her, clinging to her sails
  fogbank(cr, -460, 440, -120, 40, fogc, 0.18, 9102);
  cairo_identity_matrix(cr);
  grain(cr, 0.02, 9103);
  artsave(cr, "story/9/ship.png");
}

// The anchor, its middle at the picture's middle, its chain rising out of the top.
void anchorpicture() {
  cairo_t* cr = artnew(anchorw, anchorh);
  const double cx = anchorw / 2.0, cy = anchorh / 2.0, ol = 3;
  const rgb iron{0.26, 0.26, 0.32};
  const light L = dawnlight;
  // the chain: links alternately face on and edge on, fading out near the top
  cairo_push_group(cr);
  for (double y = cy - 44; y > 0; y -= 13) {
    bool face = int((cy - y) / 13) % 2 == 0;
    ellipse(cr, cx, y, face ? 6 : 2.6, 8.5);
    if (face) {
      cairo_new_sub_path(cr);
      ellipse(cr, cx, y, 2.5, 4.8);
      cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    }
    paint(cr, iron, L, 14, 2);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  }
  cairo_pop_group_to_source(cr);
  cairo_pattern_t* fade = cairo_pattern_create_linear(0, 10, 0, 70);
  cairo_pattern_add_color_stop_rgba(fade, 0, 0, 0, 0, 0);
  cairo_pattern_add_color_stop_rgba(fade, 1, 0, 0, 0, 1);
  cairo_mask(cr, fade);
  cairo_pattern_destroy(fade);
  // ring, stock, shank, arms and flukes
  cairo_new_path(cr);
  cairo_arc(cr, cx, cy - 36, 9, 0, 2 * M_PI);
  cairo_new_sub_path(cr);
  cairo_arc_negative(cr, cx, cy - 36, 4.5, 2 * M_PI, 0);
  paint(cr, iron, L, 18, 2.5);
  artroundrect(cr, cx - 30, cy - 28, 60, 9, 4);
  paint(cr, col::darkwood, L, 60, ol);
  cairo_rectangle(cr, cx - 5, cy - 26, 10, 56);
  paint(cr, iron, L, 10, ol);
  cairo_new_path(cr);
  cairo_arc_negative(cr, cx, cy, 32, M_PI * 0.95, M_PI * 0.05);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 13);
  cairo_stroke_preserve(cr);
  artsetcolor(cr, iron);
  cairo_set_line_width(cr, 7);
  cairo_stroke(cr);
  for (double side : {-1.0, 1.0}) {
    poly(cr, {{cx + side * 32, cy - 10}, {cx + side * 42, cy + 4}, {cx + side * 26, cy + 4}});
    paint(cr, iron, L, 20, 2.5);
  }
  ellipse(cr, cx, cy + 34, 6, 5);
  paint(cr, iron, L, 12, 2);
  dabs(cr, cx - 36, cy - 30, 72, 70, rgb{0.55, 0.3, 0.18}, 0.4, 10, 9, 9111);
  grain(cr, 0.02, 9112);
  artsave(cr, "story/9/anchor.png");
}

// The entry port's door, folding down from its sill towards us: `theta` 0 shut .. 120 lying
// on the jetty as a ramp. Door-picture coordinates: the door's middle when shut is (0, 0).
void portdoor(cairo_t* cr, double theta, const light& L) {
  const double w = 64, h = 79, sill = 41, k = 0.003, eye = horizon - (shipy + widowdoory);
  double t = theta * M_PI / 180;
  auto at = [&](double x, double v) {  // v: distance from the sill up the door
    double z = v * std::sin(t), s = 1 + k * z;
    double y = sill - v * std::cos(t);
    return pt{x * s, (y - eye) * s + eye};
  };
  pt a = at(-w / 2, 0), b = at(w / 2, 0), c = at(w / 2, h), d = at(-w / 2, h);
  bool outside = theta < 86;
  poly(cr, {a, b, c, d});
  cairo_path_t* face = cairo_copy_path(cr);
  rgb wood = outside ? rgb{0.46, 0.3, 0.4} : rgb{0.62, 0.46, 0.34};
  paint(cr, wood, L, 64, 0);
  cairo_save(cr);
  cairo_append_path(cr, face);
  cairo_clip(cr);
  // the face's own pattern mapped onto it: planks up the door, or cleats across the ramp
  for (int i = 1; i < 4; i++) {
    double x = -w / 2 + w * i / 4;
    pt p0 = at(x, 0), p1 = at(x, h);
    inkline(cr, {p0, p1}, 1.4, 0.5);
  }
  if (outside) {
    for (double v : {14.0, 64.0}) {  // iron straps with their studs
      pt p0 = at(-w / 2, v - 4), p1 = at(w / 2, v - 4), p2 = at(w / 2, v + 4), p3 = at(-w / 2, v + 4);
      poly(cr, {p0, p1, p2, p3});
      paint(cr, col::iron, L, 8, 1.2);
    }
    pt ring = at(w / 2 - 12, 40);
    ellipse(cr, ring.x, ring.y, 5, 5 * std::max(0.2, std::cos(t)));
    cairo_set_line_width(cr, 2.5);
    artsetcolor(cr, pal::gold);
    cairo_stroke(cr);
    pt win = at(0, 58);
    ellipse(cr, win.x, win.y, 9, 9 * std::max(0.15, std::cos(t)));
    paint(cr, rgb{1.0, 0.8, 0.45}, L, 18, 2);
  } else {
    for (double v = 10; v < h; v += 14) {  // cleats to walk up on
      pt p0 = at(-w / 2 + 6, v), p1 = at(w / 2 - 6, v), p2 = at(w / 2 - 6, v + 4), p3 = at(-w / 2 + 6, v + 4);
      poly(cr, {p0, p1, p2, p3});
      paint(cr, artshade(wood, 0.8), L, 6, 1);
    }
    pt mat = at(0, 40);
    double sy = std::fabs(std::cos(t)) * 0.9 + 0.25;
    cairo_save(cr);
    cairo_translate(cr, mat.x, mat.y);
    cairo_scale(cr, 1, sy);
    artroundrect(cr, -22, -14, 44, 28, 4);
    paint(cr, pal::blood, L, 44, 1.5);
    artfont(cr, "comic", 9);
    arttext(cr, "WELCOME", 0, 0, pal::bone, 0);
    cairo_restore(cr);
  }
  cairo_restore(cr);
  cairo_append_path(cr, face);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 3);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke(cr);
  cairo_path_destroy(face);
  // the chains that hold it, from the frame's top corners to its top edge once it opens
  if (theta > 8) {
    for (double side : {-1.0, 1.0}) {
      pt top{side * (w / 2 + 4), -38}, end = at(side * w / 2, h);
      inkline(cr, {top, {(top.x + end.x) / 2, (top.y + end.y) / 2 + 4}, end}, 1.6);
    }
  }
}

void doorpictures() {
  const double angles[11] = {0, 0, 12, 26, 40, 55, 70, 85, 100, 114, 120};
  for (int k = 1; k <= 10; k++) {
    cairo_t* cr = artnew(doorw, doorh);
    cairo_translate(cr, doorw / 2.0, doorh / 2.0);
    portdoor(cr, angles[k], dawnlight);
    cairo_identity_matrix(cr);
    grain(cr, 0.02, 9120 + k);
    if (k == 1) saveglow(cr, "story/9/door1-glow.png", glowpad);
    artsave(cr, "story/9/door" + std::to_string(k) + ".png");
  }
}

// The lever: a brass arm leaning 40 degrees to the right of upright from its pivot at the
// picture's (6, 52), with a red knob; pulling it turns it back upright.
void leverpicture() {
  cairo_t* cr = artnew(leverw, leverh);
  const double px = 6, py = 52, len = 46, a = 40 * M_PI / 180;
  pt knob{px + len * std::sin(a), py - len * std::cos(a)};
  tube(cr, {{px, py}, {knob.x, knob.y}}, 6, pal::gold, dawnlight, 1.8);
  ellipse(cr, knob.x, knob.y, 7, 7);
  paint(cr, pal::blood, dawnlight, 14, 2);
  ellipse(cr, px, py, 3.6, 3.6);
  paint(cr, col::iron, dawnlight, 8, 1.4);
  grain(cr, 0.02, 9131);
  // its glow is drawn 4 pixels higher from the handle (11, 52): the drawing sits 5 right, 4 down
  saveglow(cr, "story/9/lever-glow.png", leverpad, 0, -1);
  artsave(cr, "story/9/lever.png");
}

// A signal lamp lit: a hot white core in a warm halo.
void signallight() {
  cairo_t* cr = artnew(lightw, lighth);
  const double c = lightw / 2.0;
  glow(cr, c, c, 26, rgb{1.0, 0.9, 0.6}, 0.8);
  ellipse(cr, c, c, 6.5, 7.5);
  cairo_pattern_t* g = cairo_pattern_create_radial(c - 1.5, c - 2, 0, c, c, 8);
  cairo_pattern_add_color_stop_rgba(g, 0, 1, 1, 0.95, 0.95);
  cairo_pattern_add_color_stop_rgba(g, 1, 1, 0.86, 0.5, 0.55);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  artsave(cr, "story/9/light.png");
}

// ---- the jetty ----------------------------------------------------------------------------------

// A lamp post on the jetty, lit, foot at (x, y).
void jettylamp(cairo_t* cr, double x, double y, double h, const light& L) {
  tube(cr, {{x, y}, {x, y - h}}, 9, rgb{0.22, 0.24, 0.32}, L, 2.5);
  cairo_rectangle(cr, x - 12, y - 14, 24, 14);
  paint(cr, rgb{0.22, 0.24, 0.32}, L, 24, 2.5);
  glow(cr, x, y - h - 16, 110, col::lamp, 0.45);
  artroundrect(cr, x - 12, y - h - 32, 24, 32, 5);
  flat(cr, rgb{1.0, 0.88, 0.55}, 2.5);
  poly(cr, {{x - 18, y - h - 32}, {x, y - h - 46}, {x + 18, y - h - 32}});
  paint(cr, rgb{0.22, 0.24, 0.32}, L, 36, 2.5);
}

// The traveller's luggage waiting at the jetty: a trunk, a suitcase, a hatbox with a deck of
// cards on it.
void luggage(cairo_t* cr, double x, double y, const light& L) {
  groundshadow(cr, x + 20, y, 110, 10, 0.5);
  artroundrect(cr, x - 80, y - 70, 120, 70, 8);
  paint(cr, rgb{0.52, 0.3, 0.2}, L, 120, 3);
  for (double sx : {x - 50, x + 10}) {
    cairo_rectangle(cr, sx, y - 70, 10, 70);
    paint(cr, rgb{0.36, 0.2, 0.14}, L, 10, 2);
  }
  cairo_rectangle(cr, x - 28, y - 44, 16, 12);
  paint(cr, pal::gold, L, 16, 1.6);
  artroundrect(cr, x + 40, y - 56, 76, 56, 6);
  paint(cr, pal::teal, L, 76, 3);
  tube(cr, {{x + 64, y - 56}, {x + 66, y - 68}, {x + 90, y - 68}, {x + 92, y - 56}}, 4, col::darkwood, L, 1.6);
  for (int i = 0; i < 3; i++) {  // travel stickers
    ellipse(cr, x + 54 + i * 22, y - 24 - (i % 2) * 10, 8, 6, i * 20);
    paint(cr, i == 1 ? pal::pumpkin : pal::bone, L, 16, 1.2);
  }
  ellipse(cr, x - 30, y - 92, 40, 11);
  paint(cr, rgb{0.55, 0.3, 0.5}, L, 80, 2.5);
  cairo_rectangle(cr, x - 70, y - 92, 80, 22);
  paint(cr, rgb{0.55, 0.3, 0.5}, L, 80, 2.5);
  ellipse(cr, x - 30, y - 92, 40, 11);
  paint(cr, rgb{0.62, 0.36, 0.56}, L, 80, 2.5);
  // the deck of cards, the ace on top
  artroundrect(cr, x - 44, y - 104, 24, 16, 2);
  paint(cr, pal::bone, L, 24, 1.6);
  artfont(cr, "serif", 9);
  arttext(cr, "A", x - 32, y - 96, pal::blood, 0);
}

void stegpicture() {
  cairo_t* cr = artnew(stegw, stegh);
  cairo_translate(cr, stegw - scenew, stegh - sceneh);  // scene coordinates from here on
  const light L = dawnlight;
  const rgb plank{0.58, 0.46, 0.38}, post{0.34, 0.26, 0.24};
  const double x0 = stegleft, x1 = scenew + 10;
  // piles into the water with their cross braces, weed at the waterline
  for (double x = x0 + 14; x < x1; x += 118) {
    for (double dx : {-16.0, 16.0}) tube(cr, {{x + dx, fascia - 4}, {x + dx, sceneh + 10}}, 20, post, L, 3);
    ellipse(cr, x, 700, 34, 6);
    artsetcolor(cr, rgb{0.26, 0.42, 0.32}, 0.8);
    cairo_fill(cr);
    if (x + 118 < x1) {
      tube(cr, {{x + 16, fascia + 10}, {x + 102, 690}}, 7, artshade(post, 1.1), L, 2);
      tube(cr, {{x + 102, fascia + 10}, {x + 16, 690}}, 7, artshade(post, 1.1), L, 2);
    }
  }
  // the deck seen from a little above: boards running out from the front edge to the back
  poly(cr, {{x0, deckfront}, {x0 + 16, deckback}, {x1, deckback}, {x1, deckfront}});
  cairo_path_t* deck = cairo_copy_path(cr);
  paintgrad(cr, artshade(plank, 0.92), artshade(plank, 1.08), L, 300, 3);
  cairo_save(cr);
  cairo_append_path(cr, deck);
  cairo_clip(cr);
  rng r(9141);
  for (double x = x0 + 16; x < x1; x += 22) {
    double lean = (x - 1366) * 0.03;
    inkline(cr, {{x, deckfront}, {x - lean * 0.4 + 6, deckback}}, 1.4, 0.45);
    if (r.chance(0.4)) {
      ellipse(cr, x + 11, r.range(deckback + 10, deckfront - 10), 2, 1.2);
      artsetcolor(cr, pal::ink, 0.6);
      cairo_fill(cr);
    }
  }
  woodgrain(cr, x0, deckback, x1, deckfront, artshade(plank, 0.6), 9142);
  haze(cr, x1 + 10, deckback, deckback + 18, pal::ink, 0.35, 0);
  cairo_restore(cr);
  cairo_path_destroy(deck);
  // the fascia beam along the front, the end post and its ladder
  poly(cr, {{x0, deckfront}, {x1, deckfront}, {x1, fascia}, {x0, fascia}});
  paint(cr, artshade(plank, 0.75), L, 26, 3);
  tube(cr, {{x0 + 4, fascia + 40}, {x0 + 4, deckback - 36}}, 16, post, L, 3);
  for (double y = fascia + 20; y < 720; y += 22) inkline(cr, {{x0 + 22, y}, {x0 + 46, y}}, 3);
  tube(cr, {{x0 + 22, deckfront}, {x0 + 22, 730}}, 4, col::iron, L, 1.5);
  tube(cr, {{x0 + 46, deckfront}, {x0 + 46, 730}}, 4, col::iron, L, 1.5);
  // on the deck: bollards with their lines, the luggage, a lifebuoy, lamps, the name board
  for (double bx : {1560.0, 2050.0, 2500.0}) bollard(cr, bx, deckback + 36, 30, rgb{0.24, 0.26, 0.34}, L);
  ropecoil(cr, 1620, deckback + 50, 22, rgb{0.7, 0.6, 0.44}, L);
  luggage(cr, 1700, deckback + 62, L);
  tube(cr, {{2160, deckback + 40}, {2160, deckback - 50}}, 6, col::wood, L, 2.5);
  lifebuoy(cr, 2160, deckback - 30, 24, L);
  jettylamp(cr, 1292, deckback + 40, 200, L);
  jettylamp(cr, 2300, deckback + 30, 230, L);
  artroundrect(cr, 2380, deckback - 60, 170, 60, 6);
  paint(cr, pal::bone, L, 170, 3);
  for (double px : {2400.0, 2530.0}) tube(cr, {{px, deckback}, {px, deckback + 44}}, 6, col::wood, L, 2);
  artfont(cr, "serif", 22);
  arttext(cr, "LAST JETTY", 2465, deckback - 38, rgb{0.3, 0.2, 0.34}, 0);
  artfont(cr, "sans", 11);
  arttext(cr, "ships to anywhere but here", 2465, deckback - 16, pal::blood, 0);
  sittinggull(cr, 2052, deckback + 36 - 28, 40, L);
  // the water laps around the piles: a soft fade at the picture's bottom keeps its edge clean
  cairo_identity_matrix(cr);
  grain(cr, 0.02, 9143);
  artsave(cr, "story/9/steg.png");
}

// ---- the scene ------------------------------------------------------------------------------------

// The horde coming through the fog: dim shapes, arms out, eyes glowing.
void fogshamblers(cairo_t* cr, const light& L) {
  const double xs[] = {40, 110, 170, 250, 320, 70, 210};
  const double ys[] = {462, 470, 456, 468, 460, 486, 484};
  for (int i = 0; i < 7; i++) {
    figure f = zombiefolk(1 + i % 6);
    f.height = i < 5 ? 92 : 110;
    f.handl = {-12, -18};
    f.handr = {12, -16};
    f.seed = 9160 + i;
    cairo_push_group(cr);
    drawfigure(cr, xs[i], ys[i], f, L);
    cairo_pop_group_to_source(cr);
    cairo_paint_with_alpha(cr, i < 5 ? 0.55 : 0.75);
  }
  fogbank(cr, -60, 420, 450, 30, fogc, 0.55, 9170);
}

void harbourmaster(cairo_t* cr, const light& L) {
  const double x = 470, y = 520;
  cairo_rectangle(cr, x - 80, y - 110, 160, 110);
  paint(cr, rgb{0.36, 0.48, 0.58}, L, 160, 3);
  poly(cr, {{x - 96, y - 110}, {x, y - 170}, {x + 96, y - 110}});
  paint(cr, rgb{0.5, 0.24, 0.28}, L, 190, 3);
  glow(cr, x - 30, y - 66, 60, col::windowlit, 0.5);
  cairo_rectangle(cr, x - 56, y - 90, 52, 40);
  flat(cr, col::windowlit, 2.5);
  inkline(cr, {{x - 30, y - 90}, {x - 30, y - 50}}, 2);
  // a silhouette of the harbour master's cap at the window: he is one of them now
  ellipse(cr, x - 40, y - 62, 10, 11);
  artsetcolor(cr, rgb{0.3, 0.26, 0.3}, 0.8);
  cairo_fill(cr);
  cairo_rectangle(cr, x + 20, y - 80, 40, 80);
  paint(cr, rgb{0.4, 0.28, 0.24}, L, 40, 2.5);
  cairo_rectangle(cr, x + 60, y - 150, 14, 40);
  paint(cr, rgb{0.4, 0.3, 0.32}, L, 14, 2);
  artroundrect(cr, x - 60, y - 134, 120, 20, 4);
  paint(cr, pal::bone, L, 120, 2);
  artfont(cr, "sans", 11);
  arttext(cr, "HARBOUR MASTER", x, y - 124, rgb{0.25, 0.2, 0.3}, 0);
}

void signpost(cairo_t* cr, double x, double y, const light& L) {
  tube(cr, {{x, y}, {x, y - 150}}, 8, col::wood, L, 2.5);
  poly(cr, {{x - 10, y - 140}, {x + 120, y - 140}, {x + 140, y - 122}, {x + 120, y - 104}, {x - 10, y - 104}});
  paint(cr, pal::bone, L, 140, 2.5);
  artfont(cr, "sans", 13);
  arttext(cr, "LAST JETTY", x + 60, y - 122, rgb{0.3, 0.2, 0.34}, 0);
}

void bellbuoy(cairo_t* cr, double x, double y, const light& L) {
  poly(cr, {{x - 26, y}, {x - 16, y - 20}, {x + 16, y - 20}, {x + 26, y}});
  paint(cr, pal::blood, L, 50, 2.5);
  for (double side : {-1.0, 1.0}) tube(cr, {{x + side * 14, y - 20}, {x + side * 6, y - 74}}, 4, col::iron, L, 1.6);
  tube(cr, {{x - 8, y - 74}, {x + 8, y - 74}}, 4, col::iron, L, 1.6);
  blob(cr, {{x - 10, y - 34}, {x - 8, y - 56}, {x + 8, y - 56}, {x + 10, y - 34}}, 0.6);
  paint(cr, pal::gold, L, 20, 2);
  glow(cr, x, y - 84, 26, rgb{0.5, 1, 0.6}, 0.8);
  ellipse(cr, x, y - 84, 4, 5);
  flat(cr, rgb{0.7, 1, 0.7}, 1.5);
  ellipse(cr, x, y + 2, 40, 6);
  artsetcolor(cr, rgb{0.9, 0.94, 1}, 0.5);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
}

void jettyscene() {
  cairo_t* cr = artnew(scenew, sceneh);
  const double W = scenew;
  const light L = dawnlight;
  skyfill(cr, W, sceneh,
          {{0, rgb{0.16, 0.18, 0.36}}, {0.2, rgb{0.3, 0.3, 0.5}}, {0.38, rgb{0.6, 0.52, 0.66}},
           {0.43, rgb{0.86, 0.7, 0.72}}, {1, rgb{0.3, 0.36, 0.48}}});
  stars(cr, W, 120, 60, 9201, 0.4);
  // the dawn glows under the fog on the right, where the ship comes from
  glow(cr, 2300, horizon, 900, dawn, 0.35);
  glow(cr, 2300, horizon, 300, rgb{1.0, 0.9, 0.7}, 0.4);
  cloud(cr, 700, 110, 340, 110, rgb{0.4, 0.36, 0.56}, dawn, 9202);
  cloud(cr, 1640, 70, 280, 90, rgb{0.38, 0.34, 0.54}, dawn, 9203);
  cloud(cr, 2480, 160, 320, 100, rgb{0.48, 0.4, 0.58}, dawn, 9204);
  fogbank(cr, -80, W + 80, 200, 30, fogc, 0.25, 9212);
  // a far headland with its lighthouse, the open sea, fog lying on it in banks
  cairo_new_path(cr);
  curve(cr, {{560, horizon + 2}, {680, 306}, {800, 300}, {920, horizon + 2}});
  cairo_close_path(cr);
  flat(cr, atmos(rgb{0.3, 0.3, 0.45}, fogc, 0.5), 0);
  lighthouse(cr, 790, 302, 58, true, 190, L);
  water(cr, 0, W, horizon, sceneh, rgb{0.62, 0.6, 0.72}, rgb{0.2, 0.28, 0.4}, 9205, 0.35);
  shimmer(cr, 2300, horizon + 4, 560, 160, rgb{1.0, 0.86, 0.7}, 0.5, 9206);
  for (int i = 0; i < 3; i++) fogbank(cr, -80, W + 80, horizon + 4 + i * 50, 30 + i * 12, fogc, 0.35 - i * 0.08, 9207 + i);
  bellbuoy(cr, 1060, 470, L);
  for (int i = 0; i < 5; i++) gull(cr, 1250 + i * 140 + (i % 2) * 30, 170 + (i % 3) * 40, 26 + i * 3, i % 2, rgb{0.3, 0.28, 0.42});
  // the harbour street on the left runs back into the fog, its houses grey shapes in it
  {
    rng r(9213);
    for (double x = -20; x < 420; x += r.range(50, 80)) {
      double w = r.range(50, 76), h = r.range(70, 120), gy = 440 + x * 0.05;
      poly(cr, {{x, gy}, {x, gy - h}, {x + w / 2, gy - h - w * 0.45}, {x + w, gy - h}, {x + w, gy}});
      artsetcolor(cr, atmos(rgb{0.3, 0.28, 0.42}, fogc, 0.45));
      cairo_fill(cr);
      if (r.chance(0.6)) {
        glow(cr, x + w / 2, gy - h * 0.5, 12, col::windowlit, 0.4);
        cairo_rectangle(cr, x + w / 2 - 4, gy - h * 0.55, 8, 9);
        artsetcolor(cr, atmos(col::windowlit, fogc, 0.3));
        cairo_fill(cr);
      }
    }
    fogbank(cr, -60, 460, 400, 40, fogc, 0.5, 9214);
    cairo_new_path(cr);
    cairo_move_to(cr, -10, 436);
    cairo_line_to(cr, 430, 452);
    cairo_line_to(cr, 760, 522);
    cairo_line_to(cr, -10, 522);
    cairo_close_path(cr);
    paintgrad(cr, atmos(rgb{0.46, 0.44, 0.54}, fogc, 0.4), rgb{0.46, 0.44, 0.54}, L, 500, 0);
  }
  // the harbour's end on the left: a stone quay, the hut, lamps, bollards, the sign
  cairo_new_path(cr);
  cairo_move_to(cr, -10, 520);
  cairo_line_to(cr, 720, 520);
  cairo_curve_to(cr, 760, 560, 780, 640, 800, sceneh + 10);
  cairo_line_to(cr, -10, sceneh + 10);
  cairo_close_path(cr);
  paintgrad(cr, rgb{0.5, 0.48, 0.56}, rgb{0.3, 0.28, 0.36}, L, 700, 3);
  cairo_save(cr);
  cairo_rectangle(cr, -10, 524, 760, 250);
  cairo_clip(cr);
  slabs(cr, -10, 800, 526, sceneh, rgb{0.52, 0.5, 0.58}, rgb{0.34, 0.32, 0.4}, 9208);
  cairo_restore(cr);
  for (double x = -10; x < 720; x += 60) {
    cairo_rectangle(cr, x, 514, 58, 12);
    paint(cr, rgb{0.6, 0.58, 0.66}, L, 58, 2);
  }
  fogshamblers(cr, L);
  harbourmaster(cr, L);
  jettylamp(cr, 330, 536, 190, L);
  jettylamp(cr, 690, 530, 170, L);
  bollard(cr, 640, 560, 40, rgb{0.24, 0.26, 0.34}, L);
  rope(cr, {{644, 534}, {700, 560}, {760, 600}}, 6, rgb{0.7, 0.6, 0.44}, L);
  signpost(cr, 560, 700, L);
  crate(cr, 160, 700, 110, 80, col::wood, L, 9210, "CARGO");
  crate(cr, 176, 620, 84, 60, artshade(col::wood, 1.1), L, 9215);
  barrel(cr, 250, 720, 56, 74, pal::teal, L, 9211);
  net(cr, {226, 648}, {330, 700}, 30, rgb{0.72, 0.68, 0.56}, 9216);
  ropecoil(cr, 420, 736, 36, rgb{0.7, 0.6, 0.44}, L);
  sittinggull(cr, 690, 318, 36, L);
  for (int i = 0; i < 3; i++) {  // puddles left by the fog
    double px = 300 + i * 170, py = 600 + (i % 2) * 70;
    ellipse(cr, px, py, 60 - i * 8, 8);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, py - 8, 0, py + 8);
    cairo_pattern_add_color_stop_rgba(g, 0, 0.8, 0.74, 0.86, 0.55);
    cairo_pattern_add_color_stop_rgba(g, 1, 0.3, 0.3, 0.44, 0.5);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
  }
  haze(cr, W, 560, sceneh, rgb{0.16, 0.2, 0.32}, 0, 0.35);
  vignette(cr, W, sceneh, 0.28);
  grain(cr, 0.025, 9299);
  savehalves(cr, "story/9/bga.jpg", "story/9/bgb.jpg");
}

}  // namespace

void forgestory_ch9() {
  jettyscene();
  shippicture();
  anchorpicture();
  doorpictures();
  leverpicture();
  signallight();
  stegpicture();
}

std::vector<pictureentry> manifest_story_ch9() {
  auto g = [](int v) { return v + 2 * glowpad; };
  std::vector<pictureentry> m = {
      {"story/9/bga.jpg", 1366, sceneh, "chapter 9 the last jetty at dawn, left half [cut]"},
      {"story/9/bgb.jpg", 1366, sceneh, "chapter 9 the last jetty at dawn, right half [cut]"},
      {"story/9/ship.png", shipw, shiph, "chapter 9 the Merry Widow coming alongside"},
      {"story/9/steg.png", stegw, stegh, "chapter 9 the jetty, standing on the bottom edge [cut]"},
      {"story/9/anchor.png", anchorw, anchorh, "chapter 9 the ship's anchor on its chain"},
      {"story/9/door1-glow.png", g(doorw), g(doorh), "chapter 9 the ship's door glowing"},
      {"story/9/lever.png", leverw, leverh, "chapter 9 the lever on deck, handle (6, 52)"},
      {"story/9/lever-glow.png", leverw + 2 * leverpad, leverh + 2 * leverpad,
       "chapter 9 the lever glowing, handle (11, 52)"},
      {"story/9/light.png", lightw, lighth, "chapter 9 a signal lamp lit"},
  };
  for (int k = 1; k <= 10; k++)
    m.push_back({"story/9/door" + std::to_string(k) + ".png", doorw, doorh,
                 "chapter 9 the ship's door folding down, frame " + std::to_string(k) + " of 10"});
  return m;
}
