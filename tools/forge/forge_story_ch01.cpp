// Chapter 1's opening: the dusk sky over Morgavelle and the sky it turns into, the clouds and
// a hot-air balloon drifting by, the town panorama with the midnight market, Mr. Pudding with
// his pie and after it, and the newspaper that spins in at the end. The sky, the clouds and the
// newspaper come back in the last chapter, so they are calm enough for an ending too.
// The home of the second part is drawn in forge_story_ch01_home.cpp.
#include "tools/forge/forge_story.h"
#include "tools/forge/forge_story_kit.h"
#include <cmath>

using namespace storykit;

// The second part's pictures (forge_story_ch01_home.cpp).
void forgestory_ch1home();
std::vector<pictureentry> manifest_story_ch1home();

namespace {

constexpr int scenew = 2732, sceneh = 768;  // the panorama, two screens wide
constexpr int skyw = 1366, sky2w = 1600;    // sky2 drifts 200 pixels left while it shows
// Mr. Pudding's pictures, placed by their top-left corner: ch1 at (X, 496), the changed
// figure at (X, 406); his feet stand on the street at screen y 760 in both.
constexpr int pudw = 300, pudh = 272, zomh = 362;
constexpr double pudx = 140;  // his middle inside the picture (the sign lands on his face at X + 100)
// The cloud pictures, largest first (cloud 1 rides highest).
constexpr int cloudw[6] = {0, 420, 380, 340, 300, 260}, cloudh[6] = {0, 170, 150, 140, 124, 110};
constexpr int balloonw = 120, balloonh = 170, sunw = 240, newsw = 600, newsh = 430;

const rgb hazecol{0.62, 0.42, 0.58};  // the dusk haze the far town fades into
const rgb dusk{1.0, 0.72, 0.52};    // the low sun's rim light

// ---- skies ------------------------------------------------------------------------------------

void sky1() {
  cairo_t* cr = artnew(skyw, sceneh);
  skyfill(cr, skyw, sceneh,
          {{0, rgb{0.07, 0.10, 0.28}},
           {0.3, rgb{0.20, 0.15, 0.42}},
           {0.5, rgb{0.45, 0.25, 0.50}},
           {0.66, rgb{0.80, 0.44, 0.50}},
           {0.8, rgb{0.98, 0.62, 0.40}},
           {1, rgb{1.0, 0.82, 0.52}}});
  stars(cr, skyw, 330, 170, 1101, 0.9);
  // the sun has just gone: a warm bloom low in the middle
  glow(cr, skyw * 0.56, sceneh * 0.86, 520, rgb{1.0, 0.85, 0.55}, 0.5);
  // long thin streaks of evening cloud
  rng r(1102);
  for (int i = 0; i < 9; i++) {
    double y = r.range(330, 560), x = r.range(-100, skyw), len = r.range(200, 520);
    ellipse(cr, x + len / 2, y, len / 2, r.range(3, 7));
    rgb c = y > 450 ? rgb{1.0, 0.66, 0.55} : rgb{0.62, 0.38, 0.62};
    artsetcolor(cr, c, r.range(0.25, 0.5));
    cairo_fill(cr);
  }
  // a thin young moon, high on the left
  glow(cr, 200, 135, 120, rgb{1.0, 0.95, 0.8}, 0.25);
  cairo_save(cr);
  cairo_new_path(cr);
  cairo_arc(cr, 210, 130, 34, 0, 2 * M_PI);
  cairo_new_sub_path(cr);
  cairo_arc(cr, 224, 120, 31, 0, 2 * M_PI);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
  cairo_clip(cr);
  cairo_new_path(cr);
  cairo_arc(cr, 210, 130, 34, 0, 2 * M_PI);
  artsetcolor(cr, rgb{1.0, 0.96, 0.82});
  cairo_fill(cr);
  cairo_restore(cr);
  grain(cr, 0.02, 1103);
  artsave(cr, "story/1/sky1.png");
}

// The sky once the pie has done its work: sickly green under a bruised purple, a swollen moon.
void sky2() {
  cairo_t* cr = artnew(sky2w, sceneh);
  skyfill(cr, sky2w, sceneh,
          {{0, rgb{0.08, 0.05, 0.16}},
           {0.35, rgb{0.24, 0.10, 0.32}},
           {0.6, rgb{0.34, 0.30, 0.36}},
           {0.8, rgb{0.46, 0.62, 0.36}},
           {1, rgb{0.74, 0.86, 0.44}}});
  stars(cr, sky2w, 260, 90, 1201, 0.6);
  moon(cr, 1020, 190, 92, rgb{0.86, 0.96, 0.70}, 0.45);
  glow(cr, 1020, 190, 330, rgb{0.6, 1.0, 0.5}, 0.18);
  // heavy swirling clouds crossing the moon's light
  rng r(1202);
  for (int i = 0; i < 7; i++) {
    double x = r.range(-100, sky2w + 100), y = r.range(60, 420);
    cloud(cr, x, y, r.range(300, 520), r.range(90, 150), rgb{0.22, 0.14, 0.3}, rgb{0.55, 0.85, 0.45}, 1210 + i);
  }
  // a flight of bats leaving town in a hurry
  for (int i = 0; i < 9; i++) {
    double bx = 240 + i * 45 + r.range(-15, 15), by = 120 + i * 14 + r.range(-15, 15), s = r.range(0.35, 0.7);
    cairo_save(cr);
    cairo_translate(cr, bx, by);
    cairo_scale(cr, s, s);
    cairo_move_to(cr, 0, -6);
    cairo_curve_to(cr, -10, -16, -24, -16, -34, -8);
    cairo_curve_to(cr, -26, -4, -22, 0, -15, 4);
    cairo_curve_to(cr, -10, 1, -6, 2, 0, 8);
    cairo_curve_to(cr, 6, 2, 10, 1, 15, 4);
    cairo_curve_to(cr, 22, 0, 26, -4, 34, -8);
    cairo_curve_to(cr, 24, -16, 10, -16, 0, -6);
    cairo_close_path(cr);
    artsetcolor(cr, pal::ink);
    cairo_fill(cr);
    cairo_restore(cr);
  }
  grain(cr, 0.025, 1203);
  artsave(cr, "story/1/sky2.png");
}

void clouds() {
  for (int i = 1; i <= 5; i++) {
    int w = cloudw[i], h = cloudh[i];
    cairo_t* cr = artnew(w, h);
    // higher clouds are cooler, the low ones catch more of the sunset
    rgb body = artmix(rgb{0.42, 0.28, 0.56}, rgb{0.62, 0.36, 0.58}, (i - 1) / 4.0);
    rgb rim = artmix(rgb{1.0, 0.62, 0.5}, rgb{1.0, 0.8, 0.5}, (i - 1) / 4.0);
    cloud(cr, w / 2.0, h * 0.56, w * 0.8, h * 0.62, body, rim, 1300 + i);
    grain(cr, 0.02, 1310 + i);
    artsave(cr, "story/1/cloud" + std::to_string(i) + ".png");
  }
}

void sun() {
  cairo_t* cr = artnew(sunw, sunw);
  double c = sunw / 2.0;
  glow(cr, c, c, c - 4, rgb{1.0, 0.75, 0.4}, 0.55);
  ellipse(cr, c, c, 46, 46);
  cairo_pattern_t* g = cairo_pattern_create_radial(c - 12, c - 14, 4, c, c, 46);
  cairo_pattern_add_color_stop_rgb(g, 0, 1.0, 0.97, 0.8);
  cairo_pattern_add_color_stop_rgb(g, 1, 1.0, 0.62, 0.28);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  artsave(cr, "story/1/sun2.png");
}

void balloon() {
  cairo_t* cr = artnew(balloonw, balloonh);
  light L = lightfrom(150, dusk, 0.6, 0.4);
  double cx = balloonw / 2.0;
  // ropes, basket and a tiny waving passenger
  for (double side : {-1.0, 1.0}) inkline(cr, {{cx + side * 30, 108}, {cx + side * 13, 138}}, 1.2);
  figure f = townsfolk(3);
  f.height = 26;
  f.handl = {-8, -14};
  drawhead(cr, cx - 4, 134, 6, f, L);
  drawhand(cr, cx - 12, 128, 6, -100, f.skin, 0, L);
  artroundrect(cr, cx - 14, 136, 28, 20, 4);
  paint(cr, col::wood, L, 28, 2);
  for (int i = 1; i < 4; i++) inkline(cr, {{cx - 14 + i * 7, 138}, {cx - 14 + i * 7, 154}}, 0.8, 0.5);
  // the envelope: plum and pumpkin gores
  std::vector<pt> env{{cx, 6}, {cx + 44, 30}, {cx + 50, 62}, {cx + 32, 100}, {cx + 12, 116}, {cx - 12, 116},
                      {cx - 32, 100}, {cx - 50, 62}, {cx - 44, 30}};
  blob(cr, env);
  cairo_path_t* shape = cairo_copy_path(cr);
  paint(cr, pal::plum, L, 100, 0);
  cairo_save(cr);
  cairo_append_path(cr, shape);
  cairo_clip(cr);
  for (int k = -2; k <= 2; k += 2) {
    cairo_move_to(cr, cx + k * 8 - 6, 0);
    cairo_curve_to(cr, cx + k * 22 - 6, 40, cx + k * 18 - 4, 90, cx + k * 4 - 3, 120);
    cairo_line_to(cr, cx + k * 4 + 3, 120);
    cairo_curve_to(cr, cx + k * 18 + 4, 90, cx + k * 22 + 6, 40, cx + k * 8 + 6, 0);
    cairo_close_path(cr);
  }
  artsetcolor(cr, pal::pumpkin, 0.9);
  cairo_fill(cr);
  cairo_restore(cr);
  cairo_append_path(cr, shape);
  cairo_path_destroy(shape);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 2.5);
  cairo_stroke(cr);
  glow(cr, cx - 18, 40, 30, rgb{1, 1, 1}, 0.25);
  grain(cr, 0.02, 1401);
  artsave(cr, "story/1/balloon.png");
}

// ---- the town -------------------------------------------------------------------------------------

// A far house as a hazed silhouette with a lit window or two.
void farhouse(cairo_t* cr, double x, double ground, double w, double h, rng& r, rgb c) {
  cairo_move_to(cr, x, ground);
  cairo_line_to(cr, x, ground - h);
  cairo_line_to(cr, x + w / 2, ground - h - w * r.range(0.35, 0.6));
  cairo_line_to(cr, x + w, ground - h);
  cairo_line_to(cr, x + w, ground);
  cairo_close_path(cr);
  artsetcolor(cr, c);
  cairo_fill(cr);
  if (r.chance(0.3)) {
    cairo_rectangle(cr, x + w * 0.65, ground - h - w * 0.45, w * 0.12, w * 0.3);
    cairo_fill(cr);
  }
  for (int i = 0; i < 2; i++)
    if (r.chance(0.55)) {
      double wx = x + w * r.range(0.2, 0.7), wy = ground - h * r.range(0.4, 0.8);
      glow(cr, wx + 2, wy + 2, 9, col::windowlit, 0.35);
      cairo_rectangle(cr, wx, wy, 4, 5);
      artsetcolor(cr, rgb{1.0, 0.82, 0.45}, 0.9);
      cairo_fill(cr);
    }
}

void church(cairo_t* cr, double x, double ground, const light& L) {
  rgb stone = atmos(rgb{0.52, 0.44, 0.62}, hazecol, 0.15);
  // nave
  cairo_rectangle(cr, x - 120, ground - 150, 150, 150);
  paint(cr, stone, L, 150, 3);
  poly(cr, {{x - 132, ground - 148}, {x - 45, ground - 222}, {x + 42, ground - 148}});
  paint(cr, col::roof, L, 150, 3);
  // tall pointed windows, lit from inside
  for (int i = 0; i < 3; i++) {
    double wx = x - 100 + i * 42;
    glow(cr, wx + 8, ground - 80, 34, col::windowlit, 0.35);
    cairo_move_to(cr, wx, ground - 40);
    cairo_line_to(cr, wx, ground - 100);
    cairo_line_to(cr, wx + 8, ground - 114);
    cairo_line_to(cr, wx + 16, ground - 100);
    cairo_line_to(cr, wx + 16, ground - 40);
    cairo_close_path(cr);
    flat(cr, rgb{1.0, 0.78, 0.4}, 2.5);
  }
  // the tower with its clock
  cairo_rectangle(cr, x + 20, ground - 330, 74, 330);
  paint(cr, artshade(stone, 1.05), L, 90, 3);
  poly(cr, {{x + 12, ground - 328}, {x + 57, ground - 470}, {x + 102, ground - 328}});
  paint(cr, col::roof, L, 100, 3);
  tube(cr, {{x + 57, ground - 470}, {x + 57, ground - 500}}, 3, pal::gold, L, 1.5);
  tube(cr, {{x + 47, ground - 490}, {x + 67, ground - 490}}, 3, pal::gold, L, 1.5);
  glow(cr, x + 57, ground - 262, 70, col::lamp, 0.45);
  ellipse(cr, x + 57, ground - 262, 26, 26);
  flat(cr, rgb{1.0, 0.92, 0.7}, 3);
  for (int i = 0; i < 12; i++) {
    double a = i * M_PI / 6;
    inkline(cr, {{x + 57 + 20 * std::cos(a), ground - 262 + 20 * std::sin(a)},
                 {x + 57 + 23 * std::cos(a), ground - 262 + 23 * std::sin(a)}},
            1.5);
  }
  inkline(cr, {{x + 57, ground - 262}, {x + 57, ground - 280}}, 2.5);  // midnight, nearly
  inkline(cr, {{x + 57, ground - 262}, {x + 54, ground - 281}}, 2);
  // belfry arch
  cairo_move_to(cr, x + 42, ground - 300);
  cairo_line_to(cr, x + 42, ground - 316);
  cairo_arc(cr, x + 57, ground - 316, 15, M_PI, 2 * M_PI);
  cairo_line_to(cr, x + 72, ground - 300);
  cairo_close_path(cr);
  flat(cr, rgb{0.12, 0.08, 0.2}, 2.5);
  // door
  cairo_move_to(cr, x + 40, ground);
  cairo_line_to(cr, x + 40, ground - 40);
  cairo_arc(cr, x + 57, ground - 40, 17, M_PI, 2 * M_PI);
  cairo_line_to(cr, x + 74, ground);
  cairo_close_path(cr);
  paint(cr, col::wood, L, 34, 2.5);
}

// The mysterious pie seller under a hood: two glowing eyes and a grin in the dark.
void pieseller(cairo_t* cr, double x, double ground, const light& L) {
  blob(cr, {{x - 46, ground}, {x - 40, ground - 70}, {x - 30, ground - 130}, {x, ground - 160}, {x + 30, ground - 130},
            {x + 40, ground - 70}, {x + 46, ground}});
  paint(cr, rgb{0.22, 0.14, 0.32}, L, 100, 3);
  ellipse(cr, x, ground - 118, 22, 24);
  flat(cr, rgb{0.06, 0.03, 0.1}, 0);
  for (double side : {-1.0, 1.0}) {
    glow(cr, x + side * 9, ground - 124, 12, rgb{0.6, 1.0, 0.5}, 0.8);
    ellipse(cr, x + side * 9, ground - 124, 3.5, 2.2);
    flat(cr, rgb{0.85, 1.0, 0.7}, 0);
  }
  cairo_move_to(cr, x - 10, ground - 108);
  cairo_curve_to(cr, x - 4, ground - 102, x + 4, ground - 102, x + 10, ground - 108);
  artsetcolor(cr, rgb{0.85, 1.0, 0.7});
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  // a bony-thin hand offering a pie across the counter
  drawpie(cr, x + 40, ground - 84, 34, false, L);
  drawhand(cr, x + 18, ground - 76, 16, 10, rgb{0.7, 0.75, 0.62}, 0, L);
}

// A market stall: posts, a counter with goods, a striped awning, a lantern.
void stall(cairo_t* cr, double x, double ground, double w, rgb stripe, int goods, const light& L, uint32_t seed,
           bool keeper = false) {
  rng r(seed);
  double top = ground - 170;
  for (double px : {x + 6, x + w - 6}) {
    cairo_rectangle(cr, px - 5, top, 10, 170);
    paint(cr, col::wood, L, 12, 2.5);
  }
  // the lantern's glow behind everything, so the keeper stands in its light
  glow(cr, x + w * 0.78, top + 60, 120, col::lamp, 0.45);
  if (keeper) {
    cairo_save(cr);
    cairo_translate(cr, x + w * 0.3, ground - 6);
    cairo_scale(cr, 0.85, 0.85);
    pieseller(cr, 0, 0, L);
    cairo_restore(cr);
  }
  // counter
  cairo_rectangle(cr, x - 4, ground - 62, w + 8, 62);
  paint(cr, artshade(col::wood, 0.85), L, w, 3);
  for (int i = 1; i < 4; i++) inkline(cr, {{x, ground - 62 + i * 15}, {x + w, ground - 62 + i * 15}}, 1.2, 0.45);
  cairo_rectangle(cr, x - 10, ground - 70, w + 20, 10);
  paint(cr, col::wood, L, w, 2.5);
  // goods on the counter
  for (double gx = x + 16; gx < x + w - 12; gx += r.range(26, 34)) {
    if (goods == 0) pumpkin(cr, gx, ground - 70, r.range(24, 32), false, L);
    else if (goods == 1) drawpie(cr, gx, ground - 76, 26, false, L);
    else {  // jars of something that glows a little
      artroundrect(cr, gx - 8, ground - 94, 16, 24, 4);
      rgb c = r.chance(0.5) ? rgb{0.5, 0.9, 0.5} : rgb{0.95, 0.6, 0.3};
      paint(cr, c, L, 16, 2);
      cairo_rectangle(cr, gx - 9, ground - 98, 18, 5);
      paint(cr, col::wood, L, 18, 1.5);
      glow(cr, gx, ground - 82, 16, c, 0.3);
    }
  }
  // awning
  std::vector<pt> aw{{x - 18, top + 40}, {x + 10, top - 8}, {x + w - 10, top - 8}, {x + w + 18, top + 40}};
  poly(cr, aw);
  paint(cr, stripe, L, w, 3);
  cairo_save(cr);
  poly(cr, aw);
  cairo_clip(cr);
  for (double sx = x - 30; sx < x + w + 30; sx += 36) {
    double sb = sx + (sx - (x + w / 2)) * 0.25;
    poly(cr, {{sx, top - 10}, {sx + 14, top - 10}, {sb + 18, top + 42}, {sb, top + 42}});
    artsetcolor(cr, pal::bone, 0.9);
    cairo_fill(cr);
  }
  cairo_restore(cr);
  for (double sx = x - 18; sx < x + w + 18; sx += 18) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, sx + 9, top + 40, 9, 0, M_PI);
  }
  paint(cr, stripe, L, 18, 2.5);
  // the lantern itself, hung to one side
  tube(cr, {{x + w * 0.78, top + 42}, {x + w * 0.78, top + 52}}, 1.5, pal::ink, L, 0);
  artroundrect(cr, x + w * 0.78 - 8, top + 52, 16, 20, 4);
  flat(cr, rgb{1.0, 0.9, 0.55}, 2);
}

// A string of little coloured bulbs hanging between two points.
void bulbs(cairo_t* cr, pt a, pt b, double sag, uint32_t seed) {
  rng r(seed);
  cairo_move_to(cr, a.x, a.y);
  cairo_curve_to(cr, a.x + (b.x - a.x) * 0.3, a.y + sag, a.x + (b.x - a.x) * 0.7, b.y + sag, b.x, b.y);
  artsetcolor(cr, pal::ink, 0.8);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  const rgb colours[] = {{1.0, 0.85, 0.4}, {1.0, 0.5, 0.3}, {0.5, 0.95, 0.6}, {0.85, 0.55, 1.0}};
  int n = int(std::fabs(b.x - a.x) / 26);
  for (int i = 1; i < n; i++) {
    double t = double(i) / n, mt = 1 - t;
    // the same cubic as the wire
    double x = mt * mt * mt * a.x + 3 * mt * mt * t * (a.x + (b.x - a.x) * 0.3) + 3 * mt * t * t * (a.x + (b.x - a.x) * 0.7) +
               t * t * t * b.x;
    double y = mt * mt * mt * a.y + 3 * mt * mt * t * (a.y + sag) + 3 * mt * t * t * (b.y + sag) + t * t * t * b.y;
    rgb c = colours[r.next() % 4];
    glow(cr, x, y + 4, 16, c, 0.45);
    ellipse(cr, x, y + 4, 3.2, 4);
    flat(cr, artshade(c, 1.2), 1.2);
  }
}

void town() {
  cairo_t* cr = artnew(scenew, sceneh);
  const double W = scenew;
  light L = lightfrom(115, dusk, 0.5, 0.4);
  // far ridge with hazy houses, a windmill and a manor on the hill
  rgb far1 = atmos(rgb{0.30, 0.20, 0.42}, hazecol, 0.55);
  ridge(cr, W, 430, 34, 768, 1501, far1, atmos(far1, hazecol, 0.3));
  rng r(1502);
  for (double x = -20; x < W; x += r.range(30, 70)) {
    double gy = ridgeheight(x + 20, 430, 34, 1501) + 14;
    farhouse(cr, x, gy, r.range(26, 44), r.range(24, 46), r, atmos(rgb{0.26, 0.17, 0.36}, hazecol, 0.5));
  }
  {  // the windmill at the left, sails turning over the ridge
    double mx = 420, my = ridgeheight(420, 430, 34, 1501) - 4;
    rgb c = atmos(rgb{0.24, 0.15, 0.34}, hazecol, 0.45);
    poly(cr, {{mx - 20, my}, {mx - 13, my - 70}, {mx + 13, my - 70}, {mx + 20, my}});
    artsetcolor(cr, c);
    cairo_fill(cr);
    poly(cr, {{mx - 16, my - 68}, {mx, my - 86}, {mx + 16, my - 68}});
    cairo_fill(cr);
    for (int k = 0; k < 4; k++) {
      double a = k * M_PI / 2 + 0.4;
      cairo_save(cr);
      cairo_translate(cr, mx, my - 70);
      cairo_rotate(cr, a);
      cairo_rectangle(cr, 4, -5, 54, 10);
      cairo_restore(cr);
    }
    cairo_fill(cr);
  }
  {  // a manor on the hill at the right, its windows awake
    double mx = 2330, my = ridgeheight(2330, 430, 34, 1501) + 6;
    rgb c = atmos(rgb{0.22, 0.14, 0.32}, hazecol, 0.42);
    artsetcolor(cr, c);
    cairo_rectangle(cr, mx - 70, my - 70, 140, 70);
    cairo_rectangle(cr, mx - 90, my - 110, 30, 110);
    cairo_rectangle(cr, mx + 58, my - 96, 26, 96);
    cairo_fill(cr);
    poly(cr, {{mx - 96, my - 108}, {mx - 75, my - 150}, {mx - 54, my - 108}});
    poly(cr, {{mx + 52, my - 94}, {mx + 71, my - 128}, {mx + 90, my - 94}});
    poly(cr, {{mx - 74, my - 68}, {mx, my - 112}, {mx + 74, my - 68}});
    cairo_fill(cr);
    for (int i = 0; i < 6; i++) {
      double wx = mx - 50 + i * 19, wy = my - 48 + (i % 2) * 18;
      glow(cr, wx + 2, wy + 3, 10, col::windowlit, 0.4);
      cairo_rectangle(cr, wx, wy, 5, 7);
      artsetcolor(cr, rgb{1.0, 0.85, 0.45});
      cairo_fill(cr);
    }
  }
  haze(cr, W, 380, 520, hazecol, 0.0, 0.45);

  // the town's middle: houses of every shape, the church, trees between them
  const double street = 612;  // foot of the house row
  struct row {
    double x, w, h;
    int kind;  // 0 house, 1 shop, 2 church, 3 tree
  };
  const row houses[] = {
      {-30, 170, 210, 0},  {150, 60, 0, 3},      {190, 150, 250, 1},  {350, 130, 190, 0},  {490, 40, 0, 3},
      {600, 0, 0, 2},      {800, 160, 230, 0},   {970, 120, 180, 1},  {1100, 70, 0, 3},    {1160, 190, 260, 0},
      {1360, 140, 200, 0}, {1510, 110, 170, 1},  {1630, 80, 0, 3},    {1690, 180, 240, 0}, {1880, 130, 210, 1},
      {2020, 150, 190, 0}, {2180, 60, 0, 3},     {2230, 170, 250, 0}, {2410, 140, 200, 1}, {2560, 200, 230, 0},
  };
  const rgb walls[] = {{0.62, 0.40, 0.62}, {0.46, 0.34, 0.62}, {0.70, 0.48, 0.42}, {0.42, 0.50, 0.64},
                       {0.66, 0.56, 0.44}, {0.52, 0.36, 0.50}};
  const rgb awnings[] = {pal::blood, pal::teal, pal::pumpkin, pal::plum};
  int k = 0;
  for (const row& h : houses) {
    k++;
    if (h.kind == 2) {
      church(cr, h.x + 120, street, L);
      continue;
    }
    if (h.kind == 3) {
      leafytree(cr, h.x + h.w / 2, street, 250 + (k % 3) * 30, 1600 + k, atmos(col::leaf, hazecol, 0.25), L, 2.5);
      continue;
    }
    housestyle s;
    s.wall = atmos(walls[k % 6], hazecol, 0.12);
    s.roof = atmos(k % 3 ? col::roof : rgb{0.30, 0.26, 0.40}, hazecol, 0.1);
    s.floors = h.h > 220 ? 3 : 2;
    s.roofkind = k % 4 == 1 ? 1 : 0;
    s.timber = k % 3 == 0;
    s.shop = h.kind == 1;
    s.awning = awnings[k % 4];
    s.lit = 0.55;
    s.lean = (k % 5 - 2) * 0.02;
    townhouse(cr, h.x, street, h.w, h.h, 1700 + k, s, L, 2.5);
  }

  // the square in front: cobbles, darker and bigger towards us
  cobbles(cr, 0, street - 2, W, sceneh, atmos(rgb{0.46, 0.40, 0.52}, hazecol, 0.1), 1801);
  haze(cr, W, street - 2, street + 40, hazecol, 0.35, 0.0);
  haze(cr, W, 680, sceneh, pal::ink, 0.0, 0.45);

  // the midnight market: stalls, bulbs strung between them, the hooded pie seller
  stall(cr, 1260, 690, 170, pal::teal, 0, L, 1901);
  stall(cr, 1760, 688, 190, pal::plum, 1, L, 1902, true);
  stall(cr, 2050, 692, 160, pal::blood, 2, L, 1903);
  bulbs(cr, {1180, 420}, {1520, 430}, 40, 1904);
  bulbs(cr, {1520, 430}, {1780, 424}, 34, 1905);
  bulbs(cr, {1780, 424}, {2150, 434}, 44, 1906);
  bulbs(cr, {2150, 434}, {2300, 420}, 24, 1907);

  // townsfolk out late: the baker at his door, a lady with her bag, the postman with a lantern
  {
    figure f = townsfolk(2);
    f.height = 118;
    f.handl = {-10, 22};
    f.handr = {12, -6};  // waving goodnight
    drawfigure(cr, 1005, 668, f, L);
    figure g = townsfolk(3);
    g.height = 108;
    g.holdr = held::bag;
    g.handr = {6, 28};
    drawfigure(cr, 640, 676, g, L);
    figure p = townsfolk(4);
    p.height = 116;
    p.holdl = held::lantern;
    p.handl = {-6, 24};
    drawfigure(cr, 2420, 672, p, L);
    figure c = townsfolk(5);
    c.height = 104;
    c.lookx = 0.8;
    drawfigure(cr, 1630, 672, c, L);
  }

  // street lamps with pools of light on the cobbles
  const double lamps[] = {260, 880, 1395, 2262};
  for (double lx : lamps) {
    cairo_save(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
    lightpool(cr, lx, 742, 210, 40, col::lamp, 0.3);
    beam(cr, lx, 450, lx - 130, lx + 130, 742, col::lamp, 0.06);
    cairo_restore(cr);
    lamppost(cr, lx, 748, 330, true, L, 3);
  }
  // a bench with a cat curled up on it
  for (double bx : {430.0, 540.0}) {
    cairo_rectangle(cr, bx - 4, 640, 8, 96);
    paint(cr, col::iron, L, 8, 2.5);
  }
  for (int i = 0; i < 2; i++) {
    artroundrect(cr, 414, 642 + i * 16, 142, 11, 4);
    paint(cr, col::wood, L, 140, 2.5);
  }
  artroundrect(cr, 410, 690, 150, 13, 4);
  paint(cr, artshade(col::wood, 1.1), L, 150, 3);
  blob(cr, {{458, 692}, {462, 676}, {480, 668}, {502, 672}, {512, 684}, {508, 692}});
  paint(cr, rgb{0.24, 0.18, 0.28}, L, 50, 2.5);
  for (double ex : {468.0, 478.0}) {
    poly(cr, {{ex - 5, 676}, {ex - 1, 664}, {ex + 4, 674}});
    paint(cr, rgb{0.24, 0.18, 0.28}, L, 10, 2);
  }
  inkline(cr, {{466, 682}, {470, 684}}, 1.3);
  inkline(cr, {{476, 682}, {480, 684}}, 1.3);
  tube(cr, {{508, 688}, {520, 690}, {524, 700}}, 5, rgb{0.24, 0.18, 0.28}, L, 2);
  groundshadow(cr, 485, 738, 90, 8, 0.45);
  // flower tubs and a crate of pumpkins by the stalls
  pumpkin(cr, 1470, 742, 40, true, L);
  pumpkin(cr, 1502, 748, 30, false, L);
  pumpkin(cr, 2230, 744, 44, true, L);
  grain(cr, 0.025, 1999);
  savehalves(cr, "story/1/bga.png", "story/1/bgb.png");
}

// ---- Mr. Pudding ----------------------------------------------------------------------------------

// The street under him is in the panorama; his own pictures carry only a soft shadow.
void pudding() {
  light L = lightfrom(115, dusk, 0.55, 0.42);
  {
    cairo_t* cr = artnew(pudw, pudh);
    groundshadow(cr, pudx, pudh - 14, 84, 9, 0.5);
    figure f = mrpudding(false);
    f.height = 250;
    drawfigure(cr, pudx, pudh - 12, f, L);
    grain(cr, 0.02, 2001);
    artsave(cr, "story/1/ch1.png");
  }
  // after the pie: taller, greener, arms out, breathing in a slow three-frame cycle
  for (int i = 0; i < 3; i++) {
    cairo_t* cr = artnew(pudw, zomh);
    groundshadow(cr, pudx, zomh - 14, 90, 9, 0.5);
    figure f = mrpudding(true);
    f.height = 318;
    f.breath = i * 0.5;
    f.handl = {-12, -8 - 2.0 * i};
    f.handr = {12, -10 - 2.0 * i};
    f.headtilt = -8 + i * 2;
    drawfigure(cr, pudx, zomh - 12, f, L);
    // a green whiff of pie breath
    glow(cr, pudx + 4, zomh - 318 * 0.72, 30 + 6 * i, rgb{0.6, 1.0, 0.5}, 0.15 + 0.05 * i);
    grain(cr, 0.02, 2002 + i);
    artsave(cr, "story/1/ch2" + std::to_string(i + 1) + ".png");
  }
}

// ---- the newspaper --------------------------------------------------------------------------------

void news() {
  cairo_t* cr = artnew(newsw, newsh);
  light L = lightfrom(120, rgb{1, 1, 0.9}, 0.3, 0.25);
  const double x0 = 22, y0 = 18, w = newsw - 44, h = newsh - 40;
  // shadow, then the sheet with a soft fold down the middle
  for (int i = 6; i >= 1; i--) {
    artroundrect(cr, x0 - i + 6, y0 - i + 8, w + 2 * i, h + 2 * i, 4 + i);
    artsetcolor(cr, pal::ink, 0.07);
    cairo_fill(cr);
  }
  cairo_rectangle(cr, x0, y0, w, h);
  cairo_pattern_t* g = cairo_pattern_create_linear(x0, 0, x0 + w, 0);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.93, 0.90, 0.80);
  cairo_pattern_add_color_stop_rgb(g, 0.48, 0.98, 0.96, 0.88);
  cairo_pattern_add_color_stop_rgb(g, 0.5, 0.86, 0.83, 0.74);
  cairo_pattern_add_color_stop_rgb(g, 0.52, 0.97, 0.95, 0.87);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.90, 0.87, 0.77);
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  rgb ink{0.14, 0.1, 0.12};
  // masthead
  artfont(cr, "serif", 40);
  arttext(cr, "The Morgavelle Gazette", newsw / 2.0, y0 + 34, ink, 0);
  for (double y : {y0 + 60.0, y0 + 64.0}) {
    cairo_move_to(cr, x0 + 14, y);
    cairo_line_to(cr, x0 + w - 14, y);
    artsetcolor(cr, ink);
    cairo_set_line_width(cr, y == y0 + 60 ? 2.5 : 1);
    cairo_stroke(cr);
  }
  artfont(cr, "sans", 11);
  arttext(cr, "LATE EDITION  -  ONE PENNY  -  NOW WITH EXTRA CRUST", newsw / 2.0, y0 + 74, ink, 0);
  // the headline
  artfont(cr, "sans", 50);
  double hw = arttextwidth(cr, "TOWN GOES ZOMBIE!");
  if (hw > w - 40) artfont(cr, "sans", 50 * (w - 40) / hw);
  arttext(cr, "TOWN GOES ZOMBIE!", newsw / 2.0, y0 + 118, pal::blood, 0);
  // the picture: Mr. Pudding, changed, in a little framed photo
  const double px = x0 + 22, py = y0 + 150, pw = 230, ph = 200;
  cairo_rectangle(cr, px, py, pw, ph);
  cairo_save(cr);
  cairo_clip_preserve(cr);
  g = cairo_pattern_create_linear(0, py, 0, py + ph);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.55, 0.6, 0.62);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.8, 0.82, 0.78);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  figure f = mrpudding(true);
  f.height = 250;
  f.expr = face::growl;
  drawfigure(cr, px + pw / 2, py + ph + 60, f, L);
  cairo_restore(cr);
  cairo_rectangle(cr, px, py, pw, ph);
  artsetcolor(cr, ink);
  cairo_set_line_width(cr, 2.5);
  cairo_stroke(cr);
  artfont(cr, "comic", 12);
  arttext(cr, "Mr. Pudding, shortly after dessert", px + pw / 2, py + ph + 14, ink, 0);
  // the story in columns of grey lines, and a smaller headline
  const double cx = px + pw + 22, cw = x0 + w - 20 - cx;
  artfont(cr, "serif", 20);
  arttext(cr, "Midnight Pie Blamed", cx + cw / 2, py + 12, ink, 0);
  artfont(cr, "comic", 13);
  arttext(cr, "Mayor: \"Seconds, anyone?\"", cx + cw / 2, py + 36, ink, 0);
  rng r(2101);
  for (int col = 0; col < 2; col++) {
    double colx = cx + col * (cw / 2 + 4), colw = cw / 2 - 8;
    for (double y = py + 58; y < py + ph + 14; y += 9) {
      double lw = y + 9 >= py + ph + 14 ? colw * 0.5 : colw * r.range(0.82, 1.0);
      cairo_rectangle(cr, colx, y, lw, 3.4);
      artsetcolor(cr, ink, 0.42);
      cairo_fill(cr);
    }
  }
  // a coffee ring and a torn corner for a well-read look
  cairo_arc(cr, x0 + w - 70, y0 + h - 46, 30, 0.3, 5.6);
  artsetcolor(cr, rgb{0.6, 0.42, 0.25}, 0.3);
  cairo_set_line_width(cr, 4);
  cairo_stroke(cr);
  grain(cr, 0.03, 2102);
  artsave(cr, "story/1/news.png");
}

}  // namespace

void forgestory_ch1() {
  sky1();
  sky2();
  clouds();
  sun();
  balloon();
  town();
  pudding();
  news();
  forgestory_ch1home();
}

std::vector<pictureentry> manifest_story_ch1() {
  std::vector<pictureentry> m = {
      {"story/1/sky1.png", skyw, sceneh, "chapter 1 and 10 dusk sky behind the town [cut]"},
      {"story/1/sky2.png", sky2w, sceneh, "chapter 1 sky after the pie, drifting left [cut]"},
      {"story/1/sun2.png", sunw, sunw, "chapter 1 setting sun"},
      {"story/1/balloon.png", balloonw, balloonh, "chapter 1 hot-air balloon drifting over the town"},
      {"story/1/bga.png", 1366, sceneh, "chapter 1 town panorama, left half [cut]"},
      {"story/1/bgb.png", 1366, sceneh, "chapter 1 town panorama, right half [cut]"},
      {"story/1/ch1.png", pudw, pudh, "chapter 1 Mr. Pudding eating the pie"},
      {"story/1/ch21.png", pudw, zomh, "chapter 1 Mr. Pudding changed, breathing frame 1"},
      {"story/1/ch22.png", pudw, zomh, "chapter 1 Mr. Pudding changed, breathing frame 2"},
      {"story/1/ch23.png", pudw, zomh, "chapter 1 Mr. Pudding changed, breathing frame 3"},
      {"story/1/news.png", newsw, newsh, "chapter 1 newspaper spinning in"},
  };
  for (int i = 1; i <= 5; i++)
    m.push_back({"story/1/cloud" + std::to_string(i) + ".png", cloudw[i], cloudh[i], "chapter 1 and 10 dusk cloud"});
  for (auto& e : manifest_story_ch1home()) m.push_back(e);
  return m;
}
