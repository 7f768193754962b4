// Buildings, trees and props of the landscapes, each in the comic line: ink outline, shaded
// fill, a few lines of detail, warm lit windows. Every prop stands with its base at (x, y)
// and scales with s; seeds vary the shapes so no two neighbours look stamped.
#include "tools/forge/forge_pictures_ui_kit.h"
#include <cmath>
#include <vector>

namespace uikit {

namespace {

void fillink(cairo_t* cr, rgb top, rgb bottom, double y0, double y1, double lw) {
  artfilloutline(cr, top, bottom, y0, y1, lw);
}

void strokeink(cairo_t* cr, double lw, rgb c = pal::ink, double alpha = 1) {
  artsetcolor(cr, c, alpha);
  cairo_set_line_width(cr, lw);
  cairo_stroke(cr);
}

// One segment of a tree's crown: a curved stroke from (x0, y0) to (x1, y1) of width w.
struct limbseg {
  double x0, y0, xm, ym, x1, y1, w;
};

// Branches split from a bough and reach up and out; every segment is remembered so the
// crown can be drawn in two passes (all ink edges first, then all bark over them), which
// merges the joints into one shape.
void bough(prng& rnd, double x, double y, double len, double ang, double w, int depth, std::vector<limbseg>& segs,
           std::vector<double>& tips) {
  double bend = rnd.range(-0.4, 0.4);
  double x2 = x + len * std::cos(ang), y2 = y + len * std::sin(ang);
  segs.push_back({x, y, x + len * 0.5 * std::cos(ang + bend), y + len * 0.5 * std::sin(ang + bend), x2, y2, w});
  if (depth <= 0 || len < 10) {
    tips.push_back(x2);
    tips.push_back(y2);
    return;
  }
  int n = 2 + (rnd.unit() < 0.3 ? 1 : 0);
  for (int i = 0; i < n; i++) {
    double a = ang + (i - (n - 1) / 2.0) * rnd.range(0.5, 0.8) + rnd.range(-0.2, 0.2);
    a = std::fmin(a, -0.12 - rnd.range(0, 0.25));  // never droop below the horizontal
    a = std::fmax(a, -M_PI + 0.12 + rnd.range(0, 0.25));
    bough(rnd, x2, y2, len * rnd.range(0.58, 0.76), a, std::fmax(1.6, w * 0.68), depth - 1, segs, tips);
  }
}

}  // namespace

void gnarledtree(cairo_t* cr, double x, double y, double s, uint32_t seed, rgb bark, int foliage) {
  prng rnd(seed * 2654435761u + 99);
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, s, s);
  double lean = rnd.range(-0.3, 0.3), fork = -rnd.range(110, 150), tw = rnd.range(15, 20);
  double fx = lean * -fork * 0.5;
  std::vector<limbseg> segs;
  std::vector<double> tips;
  // two or three great boughs from the fork, and a low side branch
  int main = 2 + (rnd.unit() < 0.5 ? 1 : 0);
  for (int i = 0; i < main; i++) {
    double a = -M_PI / 2 + (i - (main - 1) / 2.0) * rnd.range(0.6, 0.9) + lean * 0.6;
    bough(rnd, fx, fork + 4, rnd.range(55, 75), a, tw * 0.8, 3, segs, tips);
  }
  double sy = fork * rnd.range(0.45, 0.6), side = rnd.unit() < 0.5 ? -1 : 1;
  bough(rnd, lean * -sy * 0.5 + side * 4, sy, rnd.range(40, 55), side < 0 ? -M_PI + 0.5 : -0.5, tw * 0.5, 2, segs, tips);
  auto strokeall = [&](bool ink) {
    for (auto& g : segs) {
      cairo_move_to(cr, g.x0, g.y0);
      cairo_curve_to(cr, g.xm, g.ym, g.xm, g.ym, g.x1, g.y1);
      artsetcolor(cr, ink ? pal::ink : bark);
      cairo_set_line_width(cr, ink ? g.w + 5 : g.w);
      cairo_stroke(cr);
    }
  };
  strokeall(true);
  // the trunk: wide roots, a twist, narrowing into the fork
  cairo_move_to(cr, -34, 3);
  cairo_curve_to(cr, -18, -4, -tw * 0.8, -24, -tw * 0.7 + lean * 20, -50);
  cairo_curve_to(cr, -tw * 0.55 + lean * 50, fork * 0.7, fx - tw * 0.55, fork + 14, fx - tw * 0.45, fork);
  cairo_line_to(cr, fx + tw * 0.45, fork);
  cairo_curve_to(cr, fx + tw * 0.55, fork + 14, tw * 0.55 + lean * 50, fork * 0.7, tw * 0.7 + lean * 20, -50);
  cairo_curve_to(cr, tw * 0.8, -24, 20, -4, 36, 3);
  cairo_close_path(cr);
  fillink(cr, artshade(bark, 1.25), artshade(bark, 0.8), fork, 0, 4.5);
  strokeall(false);
  // bark lines and a knot hole
  for (int i = 0; i < 3; i++) {
    double by = rnd.range(fork * 0.8, -20), bx = lean * -by * 0.5 + rnd.range(-tw * 0.25, tw * 0.25);
    cairo_move_to(cr, bx, by);
    cairo_curve_to(cr, bx + 3, by - 8, bx - 3, by - 16, bx + 1, by - 24);
  }
  strokeink(cr, 1.6, pal::ink, 0.55);
  double ky = fork * rnd.range(0.35, 0.55), kx = lean * -ky * 0.5 + rnd.range(-3, 3);
  cairo_save(cr);
  cairo_translate(cr, kx, ky);
  cairo_scale(cr, 3.5, 5.5);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_restore(cr);
  artsetcolor(cr, pal::ink);
  cairo_fill(cr);
  if (foliage == 1) {  // hanging moss from the tips, for the swamp
    for (size_t i = 0; i + 1 < tips.size(); i += 2) {
      if (rnd.unit() < 0.35) continue;
      double tx = tips[i], ty = tips[i + 1], len = rnd.range(20, 50);
      cairo_move_to(cr, tx - 4, ty);
      cairo_curve_to(cr, tx - 7, ty + len * 0.5, tx + 3, ty + len * 0.7, tx, ty + len);
      cairo_curve_to(cr, tx + 2, ty + len * 0.6, tx + 7, ty + len * 0.4, tx + 4, ty);
      cairo_close_path(cr);
      fillink(cr, artmix(pal::moss, pal::mint, 0.3), artshade(pal::moss, 0.6), ty, ty + len, 2);
    }
  } else if (foliage == 2) {  // a few late leaves in autumn colours
    for (size_t i = 0; i + 1 < tips.size(); i += 2) {
      if (rnd.unit() < 0.55) continue;
      cairo_save(cr);
      cairo_translate(cr, tips[i], tips[i + 1]);
      cairo_rotate(cr, rnd.range(0, 6.28));
      cairo_scale(cr, 5, 3);
      cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
      cairo_restore(cr);
      fillink(cr, rnd.unit() < 0.5 ? pal::pumpkin : pal::gold, artshade(pal::pumpkin, 0.7), tips[i + 1] - 3,
              tips[i + 1] + 3, 1.4);
    }
  }
  cairo_restore(cr);
}

void pinetree(cairo_t* cr, double x, double y, double s, uint32_t seed, rgb c, bool snow) {
  prng rnd(seed * 40503u + 5);
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, s, s);
  cairo_rectangle(cr, -5, -24, 10, 26);
  fillink(cr, rgb{0.4, 0.26, 0.18}, rgb{0.26, 0.16, 0.1}, -24, 2, 3);
  double hgt = rnd.range(120, 160);
  int tiers = 4;
  for (int i = 0; i < tiers; i++) {
    double t = i / double(tiers);
    double by = -20 - t * (hgt - 30), ty = by - hgt * 0.42, hw = 44 * (1 - t * 0.62) * rnd.range(0.9, 1.1);
    cairo_move_to(cr, 0, ty);
    cairo_curve_to(cr, hw * 0.4, ty + (by - ty) * 0.5, hw * 0.8, by - 6, hw, by);
    for (int k = 3; k >= -3; k--) cairo_line_to(cr, hw * k / 3.0 + (k % 2) * 2, by + (k % 2 ? 5 : 0));
    cairo_line_to(cr, -hw, by);
    cairo_curve_to(cr, -hw * 0.8, by - 6, -hw * 0.4, ty + (by - ty) * 0.5, 0, ty);
    cairo_close_path(cr);
    fillink(cr, artshade(c, 1.3), artshade(c, 0.75), ty, by, 3);
    if (snow) {
      cairo_move_to(cr, -hw * 0.45, ty + (by - ty) * 0.55);
      cairo_curve_to(cr, -hw * 0.2, ty + (by - ty) * 0.35, hw * 0.2, ty + (by - ty) * 0.35, hw * 0.45,
                     ty + (by - ty) * 0.55);
      cairo_line_to(cr, 0, ty + 2);
      cairo_close_path(cr);
      artsetcolor(cr, pal::bone, 0.9);
      cairo_fill(cr);
    }
  }
  cairo_restore(cr);
}

void window(cairo_t* cr, double x, double y, double w, double h, bool lit, bool arched) {
  auto shape = [&]() {
    if (arched) {
      cairo_move_to(cr, x, y + h);
      cairo_line_to(cr, x, y + w / 2);
      cairo_arc(cr, x + w / 2, y + w / 2, w / 2, M_PI, 2 * M_PI);
      cairo_line_to(cr, x + w, y + h);
      cairo_close_path(cr);
    } else {
      cairo_rectangle(cr, x, y, w, h);
    }
  };
  if (lit) {
    shape();
    artsoft(cr, w * 0.35, w * 0.35, 0, 0, pal::gold, 0.55);
  }
  shape();
  if (lit) {
    cairo_pattern_t* g = cairo_pattern_create_radial(x + w / 2, y + h * 0.55, 1, x + w / 2, y + h / 2, h * 0.7);
    cairo_pattern_add_color_stop_rgb(g, 0, 1.0, 0.96, 0.72);
    cairo_pattern_add_color_stop_rgb(g, 1, 0.98, 0.6, 0.18);
    cairo_set_source(cr, g);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(g);
  } else {
    fillink(cr, artshade(pal::night, 0.9), artshade(pal::night, 0.5), y, y + h, 0);
    shape();
  }
  strokeink(cr, std::fmax(1.5, w * 0.16));
  // cross bars and a sill
  cairo_move_to(cr, x + w / 2, y + (arched ? 2 : 0));
  cairo_line_to(cr, x + w / 2, y + h);
  cairo_move_to(cr, x, y + h * 0.55);
  cairo_line_to(cr, x + w, y + h * 0.55);
  strokeink(cr, std::fmax(1, w * 0.1));
  cairo_rectangle(cr, x - w * 0.15, y + h, w * 1.3, std::fmax(2, h * 0.12));
  fillink(cr, pal::grey, artshade(pal::grey, 0.6), y + h, y + h * 1.12, std::fmax(1, w * 0.08));
}

// Plank lines inside a wall path (the path is consumed).
static void planks(cairo_t* cr, double x0, double x1, double y0, double y1, double step, bool vertical, rgb c) {
  cairo_save(cr);
  cairo_clip(cr);
  if (vertical)
    for (double x = x0 + step; x < x1; x += step) {
      cairo_move_to(cr, x, y0);
      cairo_line_to(cr, x, y1);
    }
  else
    for (double y = y0 + step; y < y1; y += step) {
      cairo_move_to(cr, x0, y);
      cairo_line_to(cr, x1, y);
    }
  artsetcolor(cr, c, 0.5);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  cairo_restore(cr);
}

// Staggered stone blocks inside a wall path (the path is consumed).
static void stones(cairo_t* cr, double x0, double x1, double y0, double y1, double bw, double bh, rgb c, uint32_t seed) {
  prng rnd(seed);
  cairo_save(cr);
  cairo_clip(cr);
  int row = 0;
  for (double y = y0; y < y1; y += bh, row++) {
    double off = (row % 2) * bw * 0.5;
    cairo_move_to(cr, x0, y);
    cairo_line_to(cr, x1, y);
    for (double x = x0 - off; x < x1; x += bw * rnd.range(0.8, 1.2)) {
      cairo_move_to(cr, x, y);
      cairo_line_to(cr, x, y + bh);
    }
  }
  artsetcolor(cr, c, 0.45);
  cairo_set_line_width(cr, 1.3);
  cairo_stroke(cr);
  cairo_restore(cr);
}

void cottage(cairo_t* cr, double x, double y, double s, uint32_t seed, int lit, rgb wall, rgb roof) {
  prng rnd(seed * 2246822519u + 3);
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, s, s);
  double lean = rnd.range(-0.07, 0.07);
  cairo_matrix_t shear;
  cairo_matrix_init(&shear, 1, 0, lean, 1, 0, 0);
  cairo_transform(cr, &shear);
  double w = rnd.range(90, 130), h = rnd.range(70, 100), storeys = h > 85 ? 2 : 1;
  double hw = w / 2;
  // chimney behind the roof
  double chx = rnd.unit() < 0.5 ? -hw * 0.5 : hw * 0.45;
  cairo_rectangle(cr, chx - 8, -h - 62, 16, 50);
  fillink(cr, artshade(pal::grey, 1.05), artshade(pal::grey, 0.6), -h - 62, -h - 12, 3);
  stones(cr, chx - 8, chx + 8, -h - 62, -h - 12, 8, 6, pal::ink, seed);
  cairo_rectangle(cr, chx - 10, -h - 66, 20, 6);
  fillink(cr, pal::grey, artshade(pal::grey, 0.6), -h - 66, -h - 60, 2.5);
  // walls with timber framing
  cairo_move_to(cr, -hw, 0);
  cairo_line_to(cr, -hw + 2, -h);
  cairo_line_to(cr, hw - 2, -h - 3);
  cairo_line_to(cr, hw, 0);
  cairo_close_path(cr);
  fillink(cr, artshade(wall, 1.15), artshade(wall, 0.7), -h, 0, 3.5);
  cairo_move_to(cr, -hw + 2, -h * 0.5);
  cairo_line_to(cr, hw - 1, -h * 0.52);
  cairo_move_to(cr, -hw * 0.35, -h);
  cairo_line_to(cr, -hw * 0.33, 0);
  cairo_move_to(cr, hw * 0.35, -h - 1);
  cairo_line_to(cr, hw * 0.36, 0);
  strokeink(cr, 3.5, rgb{0.3, 0.18, 0.12});
  // roof: crooked, with shingle rows and an overhang
  double peak = -h - rnd.range(50, 80), px = rnd.range(-10, 10);
  cairo_move_to(cr, -hw - 14, -h + 6);
  cairo_curve_to(cr, -hw * 0.4, -h - 20, px - 10, peak + 20, px, peak);
  cairo_curve_to(cr, px + 12, peak + 22, hw * 0.4, -h - 22, hw + 14, -h + 4);
  cairo_close_path(cr);
  cairo_path_t* rp = cairo_copy_path(cr);
  fillink(cr, artshade(roof, 1.2), artshade(roof, 0.65), peak, -h + 6, 3.5);
  cairo_append_path(cr, rp);
  cairo_path_destroy(rp);
  planks(cr, -hw - 14, hw + 14, peak, -h + 6, 9, false, pal::ink);
  // windows and a door
  int windows = int(storeys) * 2;
  for (int i = 0; i < windows; i++) {
    double wx = (i % 2 ? hw * 0.55 : -hw * 0.55) - 9, wy = i < 2 ? -h * 0.42 : -h * 0.9;
    if (i < 2 && i % 2 == 1) continue;  // the door takes that spot on the ground floor
    window(cr, wx, wy, 18, 22, (lit >> i) & 1, false);
  }
  double dx = hw * 0.28;
  cairo_move_to(cr, dx - 11, 0);
  cairo_line_to(cr, dx - 11, -30);
  cairo_arc(cr, dx, -30, 11, M_PI, 2 * M_PI);
  cairo_line_to(cr, dx + 11, 0);
  cairo_close_path(cr);
  fillink(cr, rgb{0.52, 0.3, 0.18}, rgb{0.32, 0.18, 0.1}, -41, 0, 3);
  cairo_arc(cr, dx + 6, -18, 1.8, 0, 2 * M_PI);
  artsetcolor(cr, pal::gold);
  cairo_fill(cr);
  cairo_restore(cr);
}

void church(cairo_t* cr, double x, double y, double s, rgb stone) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, s, s);
  rgb roof = artmix(pal::purple, pal::ink, 0.35);
  // the nave with its roof
  cairo_rectangle(cr, -110, -120, 150, 120);
  fillink(cr, artshade(stone, 1.2), artshade(stone, 0.7), -120, 0, 4);
  cairo_rectangle(cr, -110, -120, 150, 120);
  stones(cr, -110, 40, -120, 0, 26, 13, pal::ink, 61);
  cairo_move_to(cr, -122, -114);
  cairo_line_to(cr, -35, -190);
  cairo_line_to(cr, 52, -114);
  cairo_close_path(cr);
  fillink(cr, artshade(roof, 1.4), roof, -190, -114, 4);
  cairo_move_to(cr, -122, -114);
  cairo_line_to(cr, -35, -190);
  cairo_line_to(cr, 52, -114);
  cairo_close_path(cr);
  planks(cr, -122, 52, -190, -114, 10, false, pal::ink);
  // tall pointed windows along the nave and a rose window in the gable
  for (int i = 0; i < 3; i++) window(cr, -95 + i * 40, -92, 20, 48, i != 1, true);
  cairo_arc(cr, -35, -140, 16, 0, 2 * M_PI);
  artsoft(cr, 4, 5, 0, 0, pal::gold, 0.5);
  cairo_arc(cr, -35, -140, 16, 0, 2 * M_PI);
  fillink(cr, rgb{1.0, 0.88, 0.5}, rgb{0.95, 0.5, 0.25}, -156, -124, 3);
  for (int k = 0; k < 4; k++) {
    double a = k * M_PI / 4;
    cairo_move_to(cr, -35 + 16 * std::cos(a), -140 + 16 * std::sin(a));
    cairo_line_to(cr, -35 - 16 * std::cos(a), -140 - 16 * std::sin(a));
  }
  strokeink(cr, 2);
  // the bell tower with a spire, a clock and an open belfry
  cairo_rectangle(cr, 30, -230, 64, 230);
  fillink(cr, artshade(stone, 1.25), artshade(stone, 0.72), -230, 0, 4);
  cairo_rectangle(cr, 30, -230, 64, 230);
  stones(cr, 30, 94, -230, 0, 22, 13, pal::ink, 62);
  cairo_move_to(cr, 22, -226);
  cairo_line_to(cr, 62, -340);
  cairo_line_to(cr, 102, -226);
  cairo_close_path(cr);
  fillink(cr, artshade(roof, 1.5), roof, -340, -226, 4);
  cairo_rectangle(cr, 59, -372, 6, 34);
  cairo_rectangle(cr, 50, -362, 24, 6);
  fillink(cr, pal::gold, artshade(pal::gold, 0.7), -372, -338, 2);
  // belfry with a bell
  cairo_move_to(cr, 46, -180);
  cairo_line_to(cr, 46, -204);
  cairo_arc(cr, 62, -204, 16, M_PI, 2 * M_PI);
  cairo_line_to(cr, 78, -180);
  cairo_close_path(cr);
  fillink(cr, artmix(pal::ink, pal::grey, 0.35), pal::ink, -220, -180, 3);
  cairo_move_to(cr, 54, -186);
  cairo_curve_to(cr, 54, -204, 70, -204, 70, -186);
  cairo_close_path(cr);
  fillink(cr, artshade(pal::gold, 1.2), artshade(pal::gold, 0.6), -204, -186, 2);
  // clock face
  cairo_arc(cr, 62, -140, 14, 0, 2 * M_PI);
  fillink(cr, pal::bone, artshade(pal::bone, 0.8), -154, -126, 3);
  cairo_move_to(cr, 62, -140);
  cairo_line_to(cr, 62, -150);
  cairo_move_to(cr, 62, -140);
  cairo_line_to(cr, 69, -137);
  strokeink(cr, 2);
  // the door, lit from inside
  cairo_move_to(cr, 48, 0);
  cairo_line_to(cr, 48, -40);
  cairo_arc(cr, 62, -40, 14, M_PI, 2 * M_PI);
  cairo_line_to(cr, 76, 0);
  cairo_close_path(cr);
  artsoft(cr, 4, 5, 0, 0, pal::gold, 0.5);
  cairo_move_to(cr, 48, 0);
  cairo_line_to(cr, 48, -40);
  cairo_arc(cr, 62, -40, 14, M_PI, 2 * M_PI);
  cairo_line_to(cr, 76, 0);
  cairo_close_path(cr);
  fillink(cr, rgb{1.0, 0.85, 0.45}, pal::pumpkin, -54, 0, 3);
  cairo_move_to(cr, 62, -54);
  cairo_line_to(cr, 62, 0);
  strokeink(cr, 2);
  cairo_restore(cr);
}

void castle(cairo_t* cr, double x, double y, double s, uint32_t seed, rgb stone, int tall) {
  prng rnd(seed * 1597334677u + 1);
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, s, s);
  rgb roof = artmix(pal::blood, pal::purple, 0.5);
  auto crenels = [&](double x0, double x1, double top, double step) {
    cairo_move_to(cr, x0, top + 14);
    for (double cx = x0; cx < x1 - 1; cx += step) {
      cairo_line_to(cr, cx, top);
      cairo_line_to(cr, cx + step * 0.55, top);
      cairo_line_to(cr, cx + step * 0.55, top + 7);
      cairo_line_to(cr, std::fmin(cx + step, x1), top + 7);
    }
    cairo_line_to(cr, x1, top);
    cairo_line_to(cr, x1, top + 14);
    cairo_close_path(cr);
  };
  auto tower = [&](double tx, double tw, double th, bool cone, int lit) {
    cairo_rectangle(cr, tx - tw / 2, -th, tw, th);
    fillink(cr, artshade(stone, 1.22), artshade(stone, 0.7), -th, 0, 4);
    cairo_rectangle(cr, tx - tw / 2, -th, tw, th);
    stones(cr, tx - tw / 2, tx + tw / 2, -th, 0, 20, 12, pal::ink, uint32_t(tx * 7 + th));
    if (cone) {
      cairo_move_to(cr, tx - tw / 2 - 9, -th + 2);
      cairo_line_to(cr, tx, -th - tw * 1.35);
      cairo_line_to(cr, tx + tw / 2 + 9, -th + 2);
      cairo_close_path(cr);
      fillink(cr, artshade(roof, 1.5), roof, -th - tw * 1.35, -th, 4);
      cairo_move_to(cr, tx, -th - tw * 1.35);
      cairo_line_to(cr, tx, -th - tw * 1.35 - 22);
      strokeink(cr, 3);
      cairo_move_to(cr, tx, -th - tw * 1.35 - 22);
      cairo_line_to(cr, tx + 16, -th - tw * 1.35 - 17);
      cairo_line_to(cr, tx, -th - tw * 1.35 - 12);
      cairo_close_path(cr);
      fillink(cr, pal::pumpkin, artshade(pal::pumpkin, 0.7), -th - tw * 1.35 - 22, -th - tw * 1.35 - 12, 2);
    } else {
      crenels(tx - tw / 2 - 4, tx + tw / 2 + 4, -th - 12, 12);
      fillink(cr, artshade(stone, 1.3), artshade(stone, 0.8), -th - 12, -th + 2, 3);
    }
    for (int k = 0; k < 2; k++) {
      double wy = -th + 30 + k * th * 0.35;
      if (wy > -40) break;
      window(cr, tx - 7, wy, 14, 22, (lit >> k) & 1, true);
    }
  };
  double keep = 260 + 60 * tall;
  // back towers, the curtain wall, the keep, the front towers
  tower(-130, 50, 190 + rnd.range(0, 30), true, 1);
  tower(140, 46, 170 + rnd.range(0, 30), true, 2);
  cairo_rectangle(cr, -150, -120, 300, 120);
  fillink(cr, artshade(stone, 1.1), artshade(stone, 0.65), -120, 0, 4);
  cairo_rectangle(cr, -150, -120, 300, 120);
  stones(cr, -150, 150, -120, 0, 24, 13, pal::ink, seed);
  crenels(-152, 152, -132, 16);
  fillink(cr, artshade(stone, 1.25), artshade(stone, 0.8), -132, -118, 3);
  tower(10, 76, keep, true, 3);
  tower(-80, 44, 150, false, 1);
  tower(92, 44, 140, false, 0);
  // the gate with a portcullis
  cairo_move_to(cr, -24, 0);
  cairo_line_to(cr, -24, -44);
  cairo_arc(cr, 0, -44, 24, M_PI, 2 * M_PI);
  cairo_line_to(cr, 24, 0);
  cairo_close_path(cr);
  fillink(cr, artmix(pal::ink, pal::grey, 0.35), pal::ink, -68, 0, 4);
  for (int k = -2; k <= 2; k++) {
    cairo_move_to(cr, k * 8, -62 + std::abs(k) * 3);
    cairo_line_to(cr, k * 8, -2);
  }
  for (int k = 0; k < 3; k++) {
    cairo_move_to(cr, -20, -50 + k * 16);
    cairo_line_to(cr, 20, -50 + k * 16);
  }
  strokeink(cr, 2.5, artshade(pal::grey, 0.9));
  // a banner on the keep
  cairo_rectangle(cr, -4, -keep + 40, 28, 40);
  fillink(cr, pal::blood, artshade(pal::blood, 0.6), -keep + 40, -keep + 80, 2.5);
  cairo_restore(cr);
}

void lighthouse(cairo_t* cr, double x, double y, double s, double beam) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, s, s);
  // the beam sweeping out over the sea
  if (beam != 0) {
    cairo_move_to(cr, 0, -262);
    cairo_line_to(cr, beam * 520, -330);
    cairo_line_to(cr, beam * 520, -190);
    cairo_close_path(cr);
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, beam * 520, 0);
    cairo_pattern_add_color_stop_rgba(g, 0, 1, 0.94, 0.65, 0.45);
    cairo_pattern_add_color_stop_rgba(g, 1, 1, 0.94, 0.65, 0);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
  }
  // the stone base and the keeper's cottage
  cairo_move_to(cr, -62, 0);
  cairo_line_to(cr, -56, -34);
  cairo_line_to(cr, 56, -34);
  cairo_line_to(cr, 62, 0);
  cairo_close_path(cr);
  fillink(cr, artshade(pal::grey, 1.1), artshade(pal::grey, 0.6), -34, 0, 4);
  cairo_move_to(cr, -62, 0);
  cairo_line_to(cr, -56, -34);
  cairo_line_to(cr, 56, -34);
  cairo_line_to(cr, 62, 0);
  cairo_close_path(cr);
  stones(cr, -62, 62, -34, 0, 20, 11, pal::ink, 81);
  cottage(cr, -70, -2, 0.55, 83, 3, artmix(pal::bone, pal::grey, 0.4), artshade(pal::blood, 0.7));
  // the tower, banded red and white
  auto tower = [&]() {
    cairo_move_to(cr, -34, -32);
    cairo_line_to(cr, -22, -236);
    cairo_line_to(cr, 22, -236);
    cairo_line_to(cr, 34, -32);
    cairo_close_path(cr);
  };
  tower();
  fillink(cr, pal::bone, artshade(pal::bone, 0.65), -236, -32, 4);
  cairo_save(cr);
  tower();
  cairo_clip(cr);
  for (int i = 0; i < 3; i++) {
    cairo_rectangle(cr, -40, -90 - i * 56, 80, 26);
    artsetcolor(cr, pal::blood);
    cairo_fill(cr);
  }
  cairo_rectangle(cr, 4, -236, 40, 210);
  artsetcolor(cr, pal::ink, 0.18);
  cairo_fill(cr);
  cairo_restore(cr);
  tower();
  strokeink(cr, 4);
  window(cr, -6, -190, 12, 18, true, true);
  window(cr, -6, -120, 12, 18, false, true);
  // gallery, lamp room and cap
  cairo_rectangle(cr, -34, -246, 68, 10);
  fillink(cr, artmix(pal::ink, pal::grey, 0.35), pal::ink, -246, -236, 3);
  for (int k = -3; k <= 3; k++) {
    cairo_move_to(cr, k * 10, -246);
    cairo_line_to(cr, k * 10, -258);
  }
  cairo_move_to(cr, -34, -258);
  cairo_line_to(cr, 34, -258);
  strokeink(cr, 2.5);
  cairo_rectangle(cr, -18, -286, 36, 28);
  artsoft(cr, 10, 8, 0, 0, pal::gold, 0.7);
  cairo_rectangle(cr, -18, -286, 36, 28);
  fillink(cr, rgb{1.0, 0.96, 0.7}, pal::gold, -286, -258, 3.5);
  cairo_move_to(cr, -6, -286);
  cairo_line_to(cr, -6, -258);
  cairo_move_to(cr, 6, -286);
  cairo_line_to(cr, 6, -258);
  strokeink(cr, 2);
  cairo_move_to(cr, -26, -284);
  cairo_line_to(cr, 0, -310);
  cairo_line_to(cr, 26, -284);
  cairo_close_path(cr);
  fillink(cr, pal::blood, artshade(pal::blood, 0.6), -310, -284, 3.5);
  cairo_arc(cr, 0, -312, 4, 0, 2 * M_PI);
  fillink(cr, pal::gold, pal::gold, -316, -308, 2);
  cairo_restore(cr);
}

void mausoleum(cairo_t* cr, double x, double y, double s, rgb stone, bool lit) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, s, s);
  cairo_rectangle(cr, -56, -14, 112, 14);
  fillink(cr, artshade(stone, 1.1), artshade(stone, 0.6), -14, 0, 3.5);
  cairo_rectangle(cr, -46, -100, 92, 86);
  fillink(cr, artshade(stone, 1.2), artshade(stone, 0.7), -100, -14, 3.5);
  cairo_rectangle(cr, -46, -100, 92, 86);
  stones(cr, -46, 46, -100, -14, 23, 12, pal::ink, 71);
  for (int k = -1; k <= 1; k += 2) {  // columns
    cairo_rectangle(cr, k * 36 - 6, -96, 12, 82);
    fillink(cr, artshade(stone, 1.4), artshade(stone, 0.8), -96, -14, 2.5);
  }
  cairo_move_to(cr, -58, -98);
  cairo_line_to(cr, 0, -138);
  cairo_line_to(cr, 58, -98);
  cairo_close_path(cr);
  fillink(cr, artshade(stone, 1.3), artshade(stone, 0.8), -138, -98, 3.5);
  cairo_arc(cr, 0, -112, 7, 0, 2 * M_PI);
  strokeink(cr, 2);
  // the door stands ajar with light inside
  cairo_move_to(cr, -18, -14);
  cairo_line_to(cr, -18, -60);
  cairo_arc(cr, 0, -60, 18, M_PI, 2 * M_PI);
  cairo_line_to(cr, 18, -14);
  cairo_close_path(cr);
  if (lit) fillink(cr, rgb{0.7, 1.0, 0.8}, pal::teal, -78, -14, 3);
  else fillink(cr, artmix(pal::ink, pal::grey, 0.35), pal::ink, -78, -14, 3);
  cairo_move_to(cr, -18, -14);
  cairo_line_to(cr, -4, -18);
  cairo_line_to(cr, -4, -70);
  cairo_line_to(cr, -18, -64);
  cairo_close_path(cr);
  fillink(cr, artshade(pal::grey, 0.8), artshade(pal::grey, 0.5), -70, -14, 2.5);
  cairo_restore(cr);
}

void scarecrow(cairo_t* cr, double x, double y, double s) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, s, s);
  cairo_rectangle(cr, -4, -150, 8, 150);
  cairo_rectangle(cr, -60, -112, 120, 7);
  fillink(cr, rgb{0.55, 0.38, 0.22}, rgb{0.35, 0.22, 0.12}, -150, 0, 3);
  // patched coat
  cairo_move_to(cr, -52, -112);
  cairo_line_to(cr, 52, -112);
  cairo_line_to(cr, 30, -60);
  cairo_line_to(cr, 24, -52);
  cairo_line_to(cr, 14, -60);
  cairo_line_to(cr, 2, -50);
  cairo_line_to(cr, -10, -60);
  cairo_line_to(cr, -22, -52);
  cairo_line_to(cr, -30, -60);
  cairo_close_path(cr);
  fillink(cr, artshade(pal::teal, 1.1), artshade(pal::teal, 0.6), -112, -50, 3.5);
  cairo_rectangle(cr, -20, -96, 14, 12);
  fillink(cr, pal::pumpkin, artshade(pal::pumpkin, 0.7), -96, -84, 2);
  for (int k = -1; k <= 1; k += 2) {  // straw at the cuffs
    for (int i = 0; i < 4; i++) {
      cairo_move_to(cr, k * 52, -110);
      cairo_line_to(cr, k * (58 + i * 3), -100 + i * 4);
    }
  }
  strokeink(cr, 2.5, pal::gold);
  // sack head with a stitched grin and a floppy hat
  cairo_arc(cr, 0, -130, 18, 0, 2 * M_PI);
  fillink(cr, rgb{0.86, 0.72, 0.5}, rgb{0.66, 0.52, 0.34}, -148, -112, 3.5);
  for (int k = -1; k <= 1; k += 2) {
    cairo_move_to(cr, k * 7 - 3, -135);
    cairo_line_to(cr, k * 7 + 3, -129);
    cairo_move_to(cr, k * 7 + 3, -135);
    cairo_line_to(cr, k * 7 - 3, -129);
  }
  cairo_move_to(cr, -9, -122);
  cairo_curve_to(cr, -4, -118, 4, -118, 9, -122);
  strokeink(cr, 2);
  cairo_move_to(cr, -30, -142);
  cairo_curve_to(cr, -12, -150, 12, -150, 30, -142);
  cairo_curve_to(cr, 20, -146, 14, -170, 2, -172);
  cairo_curve_to(cr, -12, -170, -18, -150, -30, -142);
  cairo_close_path(cr);
  fillink(cr, rgb{0.45, 0.32, 0.22}, rgb{0.3, 0.2, 0.14}, -172, -142, 3);
  cairo_restore(cr);
}

void lamppost(cairo_t* cr, double x, double y, double s) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, s, s);
  artglow(cr, 0, -150, 80, pal::gold, 0.35);
  cairo_rectangle(cr, -4, -140, 8, 140);
  cairo_rectangle(cr, -10, -12, 20, 12);
  fillink(cr, artmix(pal::ink, pal::grey, 0.35), pal::ink, -140, 0, 3);
  cairo_move_to(cr, -12, -138);
  cairo_line_to(cr, -15, -164);
  cairo_line_to(cr, 15, -164);
  cairo_line_to(cr, 12, -138);
  cairo_close_path(cr);
  fillink(cr, rgb{1.0, 0.95, 0.68}, pal::gold, -164, -138, 3);
  cairo_move_to(cr, -18, -164);
  cairo_line_to(cr, 0, -178);
  cairo_line_to(cr, 18, -164);
  cairo_close_path(cr);
  fillink(cr, artmix(pal::ink, pal::grey, 0.35), pal::ink, -178, -164, 3);
  cairo_restore(cr);
}

void well(cairo_t* cr, double x, double y, double s) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, s, s);
  for (int k = -1; k <= 1; k += 2) {
    cairo_rectangle(cr, k * 34 - 4, -96, 8, 70);
    fillink(cr, rgb{0.55, 0.38, 0.22}, rgb{0.35, 0.22, 0.12}, -96, -26, 3);
  }
  cairo_move_to(cr, -46, -88);
  cairo_line_to(cr, 0, -118);
  cairo_line_to(cr, 46, -88);
  cairo_close_path(cr);
  fillink(cr, artshade(pal::blood, 0.9), artshade(pal::blood, 0.5), -118, -88, 3);
  cairo_move_to(cr, 0, -88);
  cairo_line_to(cr, 0, -56);
  strokeink(cr, 1.5);
  cairo_rectangle(cr, -7, -56, 14, 12);
  fillink(cr, rgb{0.55, 0.38, 0.22}, rgb{0.35, 0.22, 0.12}, -56, -44, 2);
  cairo_move_to(cr, -42, 0);
  cairo_line_to(cr, -42, -34);
  cairo_curve_to(cr, -20, -40, 20, -40, 42, -34);
  cairo_line_to(cr, 42, 0);
  cairo_close_path(cr);
  fillink(cr, artshade(pal::grey, 1.1), artshade(pal::grey, 0.6), -40, 0, 3.5);
  cairo_move_to(cr, -42, 0);
  cairo_line_to(cr, -42, -34);
  cairo_curve_to(cr, -20, -40, 20, -40, 42, -34);
  cairo_line_to(cr, 42, 0);
  cairo_close_path(cr);
  stones(cr, -42, 42, -40, 0, 18, 10, pal::ink, 91);
  cairo_restore(cr);
}

void rock(cairo_t* cr, double x, double y, double w, double h, uint32_t seed, rgb c) {
  prng rnd(seed * 69069u + 1);
  int n = 9;
  std::vector<double> px, py;
  for (int i = 0; i <= n; i++) {
    double t = M_PI * i / n;
    double r = rnd.range(0.8, 1.05);
    px.push_back(x - std::cos(t) * w / 2 * r);
    py.push_back(y - std::sin(t) * h * r);
  }
  cairo_move_to(cr, px[0], y + 2);
  for (size_t i = 0; i < px.size(); i++) cairo_line_to(cr, px[i], std::fmin(py[i], y));
  cairo_line_to(cr, px.back(), y + 2);
  cairo_close_path(cr);
  fillink(cr, artshade(c, 1.25), artshade(c, 0.6), y - h, y, 3);
  // a facet line and a crack
  cairo_move_to(cr, x - w * 0.2, y - h * 0.8);
  cairo_line_to(cr, x - w * 0.05, y - h * 0.35);
  cairo_line_to(cr, x + w * 0.2, y - h * 0.1);
  strokeink(cr, 1.8, pal::ink, 0.6);
}

void woodfence(cairo_t* cr, double x0, double x1, double y, double s, uint32_t seed, rgb c) {
  prng rnd(seed);
  std::vector<double> posts;
  for (double x = x0; x < x1; x += 34 * s * rnd.range(0.85, 1.2)) posts.push_back(x);
  for (int rail = 0; rail < 2; rail++) {
    double ry = y - (12 + rail * 22) * s;
    cairo_move_to(cr, x0, ry + rnd.range(-2, 2) * s);
    cairo_line_to(cr, x1, ry + rnd.range(-3, 3) * s);
    for (int pass = 0; pass < 2; pass++) {
      cairo_path_t* p = cairo_copy_path(cr);
      strokeink(cr, pass ? 4 * s : 4 * s + 3.5, pass ? c : pal::ink);
      if (!pass) cairo_append_path(cr, p);
      cairo_path_destroy(p);
    }
  }
  for (double px : posts) {
    double hgt = rnd.range(44, 56) * s, tilt = rnd.range(-3, 3) * s;
    cairo_move_to(cr, px - 4 * s, y + 2);
    cairo_line_to(cr, px - 4 * s + tilt, y - hgt);
    cairo_line_to(cr, px + tilt, y - hgt - 6 * s);
    cairo_line_to(cr, px + 4 * s + tilt, y - hgt);
    cairo_line_to(cr, px + 4 * s, y + 2);
    cairo_close_path(cr);
    fillink(cr, artshade(c, 1.2), artshade(c, 0.7), y - hgt, y, 2.5);
  }
}

void inkcloud(cairo_t* cr, double cx, double cy, double w, double h, rgb body, rgb rim, uint32_t seed) {
  prng rnd(seed * 747796405u + 11);
  // Puffs along a flattened arc: big in the middle, small at the ends, a flat-ish underside.
  struct puff {
    double x, y, r;
  };
  std::vector<puff> puffs;
  int n = 5 + int(rnd.next() % 3);
  for (int i = 0; i < n; i++) {
    double t = (i + 0.5) / n;
    double r = h * (0.3 + 0.28 * std::sin(t * M_PI)) * rnd.range(0.85, 1.12);
    puffs.push_back({cx - w / 2 + w * t, cy + h * 0.5 - r * rnd.range(1.0, 1.15), r});
  }
  double bottom = cy + h * 0.5;
  auto shape = [&](double grow) {
    for (auto& p : puffs) {
      cairo_new_sub_path(cr);
      cairo_arc(cr, p.x, p.y, p.r + grow, 0, 2 * M_PI);
    }
    cairo_new_sub_path(cr);
    artroundrect(cr, cx - w / 2 + h * 0.2 - grow, bottom - h * 0.42 - grow, w - h * 0.4 + 2 * grow, h * 0.42 + 2 * grow,
                 h * 0.2);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  };
  // the ink edge first, then the body, then the lit tops and a shaded underside
  shape(2.5);
  artsetcolor(cr, pal::ink);
  cairo_fill(cr);
  shape(0);
  artsetcolor(cr, body);
  cairo_fill(cr);
  cairo_save(cr);
  shape(0);
  cairo_clip(cr);
  for (auto& p : puffs) {
    cairo_arc(cr, p.x - p.r * 0.15, p.y - p.r * 0.2, p.r * 0.8, 0, 2 * M_PI);
    cairo_close_path(cr);
  }
  artsetcolor(cr, rim, 0.8);
  cairo_fill(cr);
  for (auto& p : puffs) {
    cairo_arc(cr, p.x - p.r * 0.05, p.y + p.r * 0.08, p.r * 0.82, 0, 2 * M_PI);
    cairo_close_path(cr);
  }
  artsetcolor(cr, body);
  cairo_fill(cr);
  cairo_rectangle(cr, cx - w, bottom - h * 0.22, 2 * w, h);
  artsetcolor(cr, artshade(body, 0.78));
  cairo_fill(cr);
  cairo_restore(cr);
}

void crescent(cairo_t* cr, double x, double y, double r, rgb c, double phase) {
  artglow(cr, x, y, r * 2.8, artshade(c, 1.1), 0.3);
  cairo_save(cr);
  cairo_arc(cr, x, y, r, 0, 2 * M_PI);
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + r * phase, y - r * 0.25, r * 0.92, 0, 2 * M_PI);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
  cairo_clip(cr);
  cairo_arc(cr, x, y, r, 0, 2 * M_PI);
  cairo_pattern_t* g = cairo_pattern_create_radial(x - r * 0.3, y - r * 0.3, r * 0.1, x, y, r);
  cairo_pattern_add_color_stop_rgb(g, 0, 1, 0.99, 0.92);
  cairo_pattern_add_color_stop_rgb(g, 1, c.r, c.g, c.b);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  cairo_restore(cr);
}

}  // namespace uikit
