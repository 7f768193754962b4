// The story kit's figures: townsfolk and zombies on one plump comic rig, their faces, hands,
// the things they hold, and the crow.
#include "tools/forge/forge_story_kit.h"
#include <algorithm>
#include <cmath>

namespace storykit {

namespace {

const rgb mouthdark{0.36, 0.08, 0.14};  // inside an open mouth
const rgb teeth{0.99, 0.97, 0.88};
const rgb eyewhite{0.99, 0.98, 0.94};
const rgb zombieeye{0.96, 0.95, 0.78};  // a little yellowed

// Light with its direction turned by -deg, for a figure drawn rotated by deg.
light turned(const light& L, double deg) {
  light o = L;
  double a = -deg * M_PI / 180, c = std::cos(a), s = std::sin(a);
  o.x = L.x * c - L.y * s;
  o.y = L.x * s + L.y * c;
  return o;
}

pt add(pt a, pt b) { return {a.x + b.x, a.y + b.y}; }

// ---- head parts -----------------------------------------------------------------------------

void eyes(cairo_t* cr, double r, const figure& f, double ol) {
  double ey = -0.06 * r;
  bool z = f.zombie;
  for (double side : {-1.0, 1.0}) {
    double ex = side * 0.36 * r;
    double rx = 0.19 * r, ry = 0.23 * r;
    if (z) {  // mismatched zombie eyes
      rx *= side < 0 ? 1.12 : 0.9;
      ry *= side < 0 ? 1.1 : 0.88;
    }
    if (f.expr == face::shock) {
      rx *= 1.15;
      ry *= 1.2;
    }
    if (f.expr == face::chew || f.expr == face::munch || (f.expr == face::grin && !z)) {
      // happily squeezed shut: an upward arc
      inkline(cr, {{ex - rx, ey + ry * 0.15}, {ex, ey - ry * 0.55}, {ex + rx, ey + ry * 0.15}}, ol * 1.1);
      continue;
    }
    if (f.expr == face::dizzy) {  // spiral eyes
      ellipse(cr, ex, ey, rx, ry);
      flat(cr, z ? zombieeye : eyewhite, ol * 0.8);
      cairo_save(cr);
      cairo_new_path(cr);
      for (double t = 0; t < 3.2 * M_PI; t += 0.2) {
        double rr = rx * 0.85 * t / (3.2 * M_PI);
        double x = ex + rr * std::cos(t * side), y = ey + rr * std::sin(t * side) * (ry / rx);
        if (t == 0) cairo_move_to(cr, x, y);
        else cairo_line_to(cr, x, y);
      }
      artsetcolor(cr, pal::ink);
      cairo_set_line_width(cr, ol * 0.6);
      cairo_stroke(cr);
      cairo_restore(cr);
      continue;
    }
    // dark rings under zombie eyes
    if (z) {
      ellipse(cr, ex, ey + ry * 0.35, rx * 1.25, ry * 1.05);
      artsetcolor(cr, artshade(f.skin, 0.62), 0.55);
      cairo_fill(cr);
    }
    ellipse(cr, ex, ey, rx, ry);
    cairo_path_t* white = cairo_copy_path(cr);
    artsetcolor(cr, z ? zombieeye : eyewhite);
    cairo_fill(cr);
    cairo_save(cr);
    cairo_append_path(cr, white);
    cairo_clip(cr);
    // pupil
    double pr = (z ? 0.07 : 0.105) * r;
    double lx = f.lookx, ly = f.looky;
    if (z && side > 0) {  // the lazy eye wanders
      lx = -lx * 0.5 + 0.4;
      ly += 0.3;
    }
    double px = ex + lx * rx * 0.45, py = ey + ly * ry * 0.4 + (z ? ry * 0.2 : 0);
    ellipse(cr, px, py, pr, pr * 1.12);
    artsetcolor(cr, pal::ink);
    cairo_fill(cr);
    if (!z) {
      cairo_arc(cr, px - pr * 0.35, py - pr * 0.4, pr * 0.38, 0, 2 * M_PI);
      artsetcolor(cr, rgb{1, 1, 1});
      cairo_fill(cr);
    }
    // lids: zombies droop, sleepy folk too
    double droop = z ? f.droop * (side < 0 ? 0.85 : 1.0) : (f.expr == face::sleepy ? 0.5 : 0);
    if (droop > 0) {
      double lidy = ey - ry + 2 * ry * droop;
      cairo_rectangle(cr, ex - rx - 2, ey - ry - 2, 2 * rx + 4, lidy - (ey - ry) + 2);
      artsetcolor(cr, artshade(f.skin, 0.88));
      cairo_fill(cr);
      cairo_move_to(cr, ex - rx - 1, lidy + ry * 0.12);
      cairo_curve_to(cr, ex - rx * 0.4, lidy - ry * 0.05, ex + rx * 0.4, lidy - ry * 0.05, ex + rx + 1,
                     lidy + ry * 0.12);
      artsetcolor(cr, pal::ink);
      cairo_set_line_width(cr, ol * 0.8);
      cairo_stroke(cr);
    }
    cairo_restore(cr);
    cairo_append_path(cr, white);
    artsetcolor(cr, pal::ink);
    cairo_set_line_width(cr, ol * 0.8);
    cairo_stroke(cr);
    cairo_path_destroy(white);
  }
}

void brows(cairo_t* cr, double r, const figure& f, double ol) {
  if (f.glasses && !f.zombie && f.expr == face::chew) return;
  for (double side : {-1.0, 1.0}) {
    double bx = side * 0.36 * r, by = -0.36 * r;
    double inner = 0, outer = 0;  // lift of the inner and outer ends
    switch (f.expr) {
      case face::shock: by -= 0.08 * r; inner = outer = 0.04 * r; break;
      case face::worry: inner = 0.08 * r; outer = -0.04 * r; break;
      case face::growl: inner = -0.1 * r; outer = 0.05 * r; break;
      case face::moan: inner = 0.06 * r; outer = -0.06 * r; break;
      case face::chew:
      case face::munch: by -= 0.04 * r; inner = outer = 0.02 * r; break;
      default: inner = 0.02 * r; outer = 0.0; break;
    }
    if (f.zombie && side > 0) by += 0.03 * r;  // one brow lower: the lopsided look
    double xi = bx - side * 0.16 * r, xo = bx + side * 0.18 * r;
    inkline(cr, {{xi, by - inner}, {bx, by - 0.05 * r - (inner + outer) / 2}, {xo, by - outer}}, ol * 1.5);
  }
}

void mouth(cairo_t* cr, double r, const figure& f, double ol) {
  double my = 0.46 * r;
  switch (f.expr) {
    case face::smile:
    case face::sleepy: {
      inkline(cr, {{-0.28 * r, my - 0.06 * r}, {0, my + 0.1 * r}, {0.28 * r, my - 0.06 * r}}, ol * 1.1);
      // dimples
      inkline(cr, {{-0.33 * r, my - 0.1 * r}, {-0.27 * r, my - 0.03 * r}}, ol * 0.8);
      inkline(cr, {{0.33 * r, my - 0.1 * r}, {0.27 * r, my - 0.03 * r}}, ol * 0.8);
      break;
    }
    case face::worry: {
      inkline(cr, {{-0.22 * r, my + 0.04 * r}, {-0.08 * r, my - 0.03 * r}, {0.06 * r, my + 0.04 * r},
                   {0.22 * r, my - 0.02 * r}},
              ol * 1.0);
      break;
    }
    case face::chew: {
      // full cheeks, a small wavy mouth pushed to one side, crumbs
      for (double side : {-1.0, 1.0}) {
        ellipse(cr, side * 0.55 * r, my - 0.12 * r, 0.26 * r, 0.2 * r);
        artsetcolor(cr, artshade(f.skin, 1.06));
        cairo_fill(cr);
        cairo_arc(cr, side * 0.55 * r, my - 0.12 * r, 0.26 * r, side < 0 ? 1.9 : -0.6, side < 0 ? 3.8 : 1.2);
        artsetcolor(cr, pal::ink, 0.55);
        cairo_set_line_width(cr, ol * 0.6);
        cairo_stroke(cr);
      }
      inkline(cr, {{-0.18 * r, my}, {-0.05 * r, my + 0.05 * r}, {0.06 * r, my - 0.01 * r}, {0.2 * r, my + 0.04 * r}},
              ol * 1.1);
      for (int i = 0; i < 4; i++) {
        cairo_arc(cr, (-0.2 + 0.14 * i) * r, my + (0.18 + 0.05 * (i % 2)) * r, 0.035 * r, 0, 2 * M_PI);
        artsetcolor(cr, col::pastry);
        cairo_fill(cr);
      }
      break;
    }
    case face::shock: {
      ellipse(cr, 0, my + 0.04 * r, 0.13 * r, 0.17 * r);
      flat(cr, mouthdark, ol);
      break;
    }
    case face::grin:
    case face::munch: {
      double w = f.expr == face::munch ? 0.3 : 0.34, d = f.expr == face::munch ? 0.3 : 0.24;
      cairo_move_to(cr, -w * r, my - 0.07 * r);
      cairo_curve_to(cr, -w * 0.5 * r, my - 0.02 * r, w * 0.5 * r, my - 0.02 * r, w * r, my - 0.07 * r);
      cairo_curve_to(cr, w * 0.8 * r, my + d * r, -w * 0.8 * r, my + d * r, -w * r, my - 0.07 * r);
      cairo_close_path(cr);
      cairo_path_t* m = cairo_copy_path(cr);
      artsetcolor(cr, mouthdark);
      cairo_fill(cr);
      cairo_save(cr);
      cairo_append_path(cr, m);
      cairo_clip(cr);
      cairo_rectangle(cr, -w * r, my - 0.1 * r, 2 * w * r, 0.09 * r);  // upper teeth
      artsetcolor(cr, teeth);
      cairo_fill(cr);
      ellipse(cr, 0.03 * r, my + d * r * 0.8, w * 0.55 * r, 0.12 * r);  // tongue
      artsetcolor(cr, col::tongue);
      cairo_fill(cr);
      cairo_restore(cr);
      cairo_append_path(cr, m);
      artsetcolor(cr, pal::ink);
      cairo_set_line_width(cr, ol);
      cairo_stroke(cr);
      cairo_path_destroy(m);
      break;
    }
    case face::moan:
    case face::growl:
    case face::dizzy: {
      double open = 0.13 + 0.06 * f.breath;
      double w = f.expr == face::growl ? 0.3 : 0.22;
      double tilt = f.expr == face::dizzy ? 0.08 : 0.03;
      double cx = 0.04 * r;
      cairo_move_to(cr, cx - w * r, my - tilt * r);
      cairo_curve_to(cr, cx - w * 0.4 * r, my - (open + 0.02) * r, cx + w * 0.4 * r, my - (open - 0.02) * r,
                     cx + w * r, my + tilt * r);
      cairo_curve_to(cr, cx + w * 0.6 * r, my + (open + 0.12) * r, cx - w * 0.6 * r, my + (open + 0.1) * r,
                     cx - w * r, my - tilt * r);
      cairo_close_path(cr);
      cairo_path_t* m = cairo_copy_path(cr);
      artsetcolor(cr, mouthdark);
      cairo_fill(cr);
      cairo_save(cr);
      cairo_append_path(cr, m);
      cairo_clip(cr);
      // a couple of friendly crooked teeth
      double tw = 0.07 * r;
      for (int i = 0; i < (f.expr == face::growl ? 4 : 2); i++) {
        double tx = cx - w * r * 0.5 + i * w * r * (f.expr == face::growl ? 0.35 : 0.8);
        cairo_rectangle(cr, tx, my - (open + 0.05) * r, tw, 0.11 * r);
      }
      artsetcolor(cr, teeth);
      cairo_fill(cr);
      ellipse(cr, cx + 0.02 * r, my + (open + 0.02) * r, w * 0.7 * r, 0.11 * r);
      artsetcolor(cr, col::tongue);
      cairo_fill(cr);
      cairo_restore(cr);
      cairo_append_path(cr, m);
      artsetcolor(cr, pal::ink);
      cairo_set_line_width(cr, ol);
      cairo_stroke(cr);
      cairo_path_destroy(m);
      if (f.tonguetip) {  // the tongue lolls over the lip
        double tx = cx + (f.expr == face::dizzy ? 0.1 : 0.05) * r;
        cairo_move_to(cr, tx - 0.1 * r, my + (open + 0.06) * r);
        cairo_curve_to(cr, tx - 0.12 * r, my + (open + 0.28) * r, tx + 0.12 * r, my + (open + 0.3) * r,
                       tx + 0.11 * r, my + (open + 0.05) * r);
        cairo_close_path(cr);
        artsetcolor(cr, col::tongue);
        cairo_fill_preserve(cr);
        artsetcolor(cr, pal::ink);
        cairo_set_line_width(cr, ol * 0.8);
        cairo_stroke(cr);
        inkline(cr, {{tx, my + (open + 0.1) * r}, {tx + 0.005 * r, my + (open + 0.2) * r}}, ol * 0.5, 0.6);
      }
      break;
    }
  }
}

void hair(cairo_t* cr, double r, const figure& f, const light& L, double ol, bool behind) {
  rng rr(f.seed * 31 + 7);
  rgb h = f.hair;
  switch (f.hair_style) {
    case 0:  // bald: a shine
      if (!behind) {
        ellipse(cr, -0.3 * r, -0.72 * r, 0.18 * r, 0.08 * r, -30);
        artsetcolor(cr, rgb{1, 1, 1}, 0.45);
        cairo_fill(cr);
      }
      break;
    case 1:  // side hair and a proud comb-over
      if (behind) break;
      for (double side : {-1.0, 1.0}) {
        blob(cr, {{side * 0.78 * r, -0.5 * r},
                  {side * 1.02 * r, -0.3 * r},
                  {side * 1.0 * r, 0.05 * r},
                  {side * 0.86 * r, 0.1 * r},
                  {side * 0.82 * r, -0.2 * r}});
        paint(cr, h, L, r * 0.5, ol);
      }
      for (int i = 0; i < 2; i++) {
        double y = -0.8 * r + i * 0.14 * r;
        std::vector<pt> st{{-0.7 * r, y + 0.3 * r}, {-0.25 * r, y - 0.08 * r}, {0.3 * r, y - 0.06 * r},
                           {0.62 * r, y + 0.22 * r}};
        tube(cr, st, 0.075 * r, h, L, ol * 0.45);
      }
      break;
    case 2:  // a grey bun
      if (behind) {
        ellipse(cr, 0, -1.0 * r, 0.36 * r, 0.3 * r);
        paint(cr, h, L, r * 0.7, ol);
      } else {
        blob(cr, {{-0.95 * r, -0.05 * r},
                  {-0.9 * r, -0.6 * r},
                  {-0.4 * r, -1.0 * r},
                  {0.4 * r, -1.0 * r},
                  {0.9 * r, -0.6 * r},
                  {0.95 * r, -0.05 * r},
                  {0.7 * r, -0.45 * r},
                  {0, -0.62 * r},
                  {-0.7 * r, -0.45 * r}});
        paint(cr, h, L, r * 1.6, ol);
        inkline(cr, {{-0.3 * r, -0.9 * r}, {-0.1 * r, -0.66 * r}}, ol * 0.6, 0.6);
        inkline(cr, {{0.3 * r, -0.9 * r}, {0.1 * r, -0.66 * r}}, ol * 0.6, 0.6);
      }
      break;
    case 3:  // curls
      if (behind) break;
      for (int i = 0; i < 11; i++) {
        double a = M_PI * (1.05 + i * 0.09);
        double cx = std::cos(a) * 0.86 * r, cy = std::sin(a) * 0.86 * r - 0.05 * r;
        ellipse(cr, cx, cy, 0.24 * r, 0.22 * r);
        paint(cr, h, L, r * 0.5, ol * 0.8);
      }
      break;
    case 4:  // a single curl on top
      if (behind) break;
      cairo_move_to(cr, -0.05 * r, -0.95 * r);
      cairo_curve_to(cr, -0.2 * r, -1.35 * r, 0.35 * r, -1.4 * r, 0.25 * r, -1.12 * r);
      cairo_curve_to(cr, 0.18 * r, -0.98 * r, 0.02 * r, -1.12 * r, 0.1 * r, -1.2 * r);
      artsetcolor(cr, pal::ink);
      cairo_set_line_width(cr, ol * 1.6);
      cairo_stroke_preserve(cr);
      artsetcolor(cr, h);
      cairo_set_line_width(cr, ol * 0.7);
      cairo_stroke(cr);
      break;
    case 5: {  // wild, uncombed (zombies like it this way)
      if (behind) break;
      std::vector<pt> p;
      int spikes = 9;
      for (int i = 0; i <= spikes; i++) {
        double a = M_PI * (1.0 + double(i) / spikes);
        double rad = (i % 2 ? 1.22 : 0.9) * r * rr.range(0.92, 1.08);
        p.push_back({std::cos(a) * rad, std::sin(a) * rad * 0.95 - 0.05 * r});
      }
      p.push_back({0.8 * r, -0.35 * r});
      p.push_back({0.3 * r, -0.55 * r});
      p.push_back({-0.2 * r, -0.5 * r});
      p.push_back({-0.8 * r, -0.3 * r});
      poly(cr, p);
      paint(cr, h, L, r * 1.6, ol);
      break;
    }
  }
}

void hat(cairo_t* cr, double r, const figure& f, const light& L, double ol) {
  switch (f.hat) {
    case 1: {  // bowler
      ellipse(cr, 0, -0.72 * r, 1.05 * r, 0.2 * r);
      paint(cr, pal::ink, L, r, ol);
      blob(cr, {{-0.72 * r, -0.75 * r}, {-0.7 * r, -1.2 * r}, {0, -1.45 * r}, {0.7 * r, -1.2 * r}, {0.72 * r, -0.75 * r}});
      paint(cr, artmix(pal::ink, pal::purple, 0.5), L, r * 1.4, ol);
      cairo_rectangle(cr, -0.71 * r, -0.92 * r, 1.42 * r, 0.14 * r);
      artsetcolor(cr, f.accent, 0.9);
      cairo_fill(cr);
      break;
    }
    case 2: {  // flat cap
      blob(cr, {{-0.95 * r, -0.45 * r}, {-0.8 * r, -0.95 * r}, {0.1 * r, -1.15 * r}, {0.9 * r, -0.85 * r},
                {1.0 * r, -0.5 * r}});
      paint(cr, f.accent, L, r * 1.6, ol);
      ellipse(cr, -0.55 * r, -0.48 * r, 0.62 * r, 0.14 * r, -6);
      paint(cr, artshade(f.accent, 0.8), L, r, ol);
      break;
    }
    case 3: {  // headscarf tied under the chin
      blob(cr, {{-1.05 * r, 0.1 * r}, {-0.95 * r, -0.75 * r}, {0, -1.12 * r}, {0.95 * r, -0.75 * r},
                {1.05 * r, 0.1 * r}, {0.6 * r, -0.5 * r}, {-0.6 * r, -0.5 * r}});
      paint(cr, f.accent, L, r * 1.8, ol);
      for (int i = 0; i < 5; i++) {
        cairo_arc(cr, (-0.6 + 0.3 * i) * r, (-0.78 + 0.08 * (i % 2)) * r, 0.06 * r, 0, 2 * M_PI);
        artsetcolor(cr, pal::bone, 0.85);
        cairo_fill(cr);
      }
      break;
    }
    case 4: {  // chef's hat
      cairo_rectangle(cr, -0.6 * r, -1.05 * r, 1.2 * r, 0.35 * r);
      paint(cr, pal::bone, L, r, ol);
      blob(cr, {{-0.62 * r, -1.0 * r}, {-0.95 * r, -1.45 * r}, {-0.45 * r, -1.85 * r}, {0.05 * r, -1.7 * r},
                {0.5 * r, -1.9 * r}, {0.95 * r, -1.45 * r}, {0.62 * r, -1.0 * r}});
      paint(cr, pal::bone, L, r * 1.8, ol);
      break;
    }
    case 5: {  // bobble hat
      blob(cr, {{-0.92 * r, -0.45 * r}, {-0.8 * r, -1.0 * r}, {0, -1.25 * r}, {0.8 * r, -1.0 * r}, {0.92 * r, -0.45 * r}});
      paint(cr, f.accent, L, r * 1.8, ol);
      cairo_rectangle(cr, -0.95 * r, -0.62 * r, 1.9 * r, 0.22 * r);
      paint(cr, artshade(f.accent, 0.8), L, r, ol);
      ellipse(cr, 0, -1.3 * r, 0.2 * r, 0.2 * r);
      paint(cr, pal::bone, L, r * 0.4, ol);
      break;
    }
    default: break;
  }
}

// ---- held things ------------------------------------------------------------------------------

void holdthing(cairo_t* cr, pt at, held what, const light& L, double ol) {
  switch (what) {
    case held::pie: drawpie(cr, at.x, at.y - 4, 30, true, L); break;
    case held::fork: {
      cairo_save(cr);
      cairo_translate(cr, at.x, at.y);
      cairo_rotate(cr, -0.5);
      tube(cr, {{0, 4}, {0, -16}}, 2.2, col::steel, L, ol * 0.6);
      for (int i = -1; i <= 1; i++) tube(cr, {{i * 2.2, -16}, {i * 2.2, -23}}, 1.2, col::steel, L, ol * 0.5);
      cairo_restore(cr);
      break;
    }
    case held::newspaper: {
      poly(cr, {{at.x - 14, at.y - 16}, {at.x + 12, at.y - 18}, {at.x + 14, at.y + 8}, {at.x - 12, at.y + 10}});
      paint(cr, pal::bone, L, 30, ol);
      for (int i = 0; i < 4; i++) inkline(cr, {{at.x - 9, at.y - 10 + i * 5}, {at.x + 9, at.y - 11 + i * 5}}, 0.8, 0.5);
      break;
    }
    case held::lantern: {
      glow(cr, at.x, at.y + 10, 40, col::lamp, 0.45);
      tube(cr, {{at.x - 5, at.y}, {at.x, at.y - 6}, {at.x + 5, at.y}}, 1.2, col::iron, L, ol * 0.5);
      cairo_rectangle(cr, at.x - 7, at.y + 2, 14, 18);
      paint(cr, col::lamp, L, 14, ol);
      glow(cr, at.x, at.y + 11, 12, rgb{1, 1, 0.8}, 0.8);
      break;
    }
    case held::umbrella: {
      tube(cr, {{at.x, at.y + 6}, {at.x, at.y - 40}}, 1.8, pal::ink, L, 0);
      blob(cr, {{at.x - 30, at.y - 38}, {at.x, at.y - 58}, {at.x + 30, at.y - 38}, {at.x, at.y - 44}});
      paint(cr, pal::blood, L, 60, ol);
      break;
    }
    case held::bag: {
      blob(cr, {{at.x - 10, at.y + 2}, {at.x + 10, at.y + 2}, {at.x + 12, at.y + 22}, {at.x - 12, at.y + 22}});
      paint(cr, col::wood, L, 24, ol);
      break;
    }
    default: break;
  }
}

}  // namespace

// ---- hands --------------------------------------------------------------------------------------

void drawhand(cairo_t* cr, double x, double y, double size, double angle, rgb skin, int gesture, const light& L,
              bool zombie) {
  double s = size;
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, angle * M_PI / 180);
  light l = turned(L, angle);
  double ol = std::max(1.0, s * 0.09);
  // Drawn pointing along +x from the wrist at (0, 0): a mitten with finger creases and a thumb.
  double droop = zombie ? 0.22 * s : 0;  // zombie fingers hang limp
  if (gesture == 1) {  // a fist
    blob(cr, {{0, -0.24 * s}, {0.45 * s, -0.36 * s}, {0.78 * s, -0.25 * s}, {0.82 * s, 0.2 * s}, {0.45 * s, 0.34 * s},
              {0, 0.24 * s}});
    paint(cr, skin, l, s * 0.8, ol);
    for (int i = 0; i < 3; i++)
      inkline(cr, {{0.62 * s, (-0.18 + i * 0.15) * s}, {0.8 * s, (-0.16 + i * 0.15) * s}}, ol * 0.6);
    tube(cr, {{0.3 * s, -0.28 * s}, {0.62 * s, -0.3 * s}}, s * 0.2, skin, l, ol);
  } else if (gesture == 2) {  // pointing
    tube(cr, {{0.5 * s, -0.1 * s}, {1.05 * s, -0.12 * s}}, s * 0.2, skin, l, ol);
    blob(cr, {{0, -0.24 * s}, {0.5 * s, -0.3 * s}, {0.72 * s, -0.05 * s}, {0.68 * s, 0.26 * s}, {0.35 * s, 0.34 * s},
              {0, 0.24 * s}});
    paint(cr, skin, l, s * 0.8, ol);
    tube(cr, {{0.3 * s, -0.26 * s}, {0.5 * s, -0.4 * s}}, s * 0.2, skin, l, ol);
  } else {
    double spread = gesture == 3 ? 0.12 * s : 0;
    // the mitten: palm and four fingers as one shape, tips scalloped
    std::vector<pt> p{{0, -0.24 * s}, {0.45 * s, -0.34 * s - spread}};
    const double tipy[4] = {-0.27, -0.09, 0.09, 0.26}, tipx[4] = {0.9, 1.0, 0.98, 0.86};
    for (int i = 0; i < 4; i++) {
      double fy = tipy[i] * s * (1 + spread / s) + droop * (0.4 + 0.2 * i);
      double fx = tipx[i] * s - droop * 0.35;
      p.push_back({fx - 0.05 * s, fy - 0.08 * s});
      p.push_back({fx, fy});
      p.push_back({fx - 0.05 * s, fy + 0.08 * s});
      if (i < 3) p.push_back({fx - 0.16 * s, fy + 0.09 * s});
    }
    p.push_back({0.45 * s, 0.34 * s + spread + droop * 0.5});
    p.push_back({0, 0.24 * s});
    blob(cr, p, 0.7);
    paint(cr, skin, l, s * 0.9, ol);
    for (int i = 0; i < 3; i++) {  // creases between the fingers
      double fy0 = (tipy[i] + tipy[i + 1]) / 2 * s * (1 + spread / s) + droop * (0.5 + 0.2 * i);
      double fx0 = (tipx[i] + tipx[i + 1]) / 2 * s - droop * 0.35;
      inkline(cr, {{fx0 - 0.16 * s, fy0}, {0.55 * s, fy0 * 0.6}}, ol * 0.6);
    }
    // thumb
    tube(cr, {{0.28 * s, -0.26 * s}, {0.5 * s, -0.44 * s - spread}, {0.62 * s, -0.48 * s - spread}}, s * 0.21, skin, l,
         ol);
    if (zombie) stitches(cr, {0.12 * s, -0.12 * s}, {0.16 * s, 0.16 * s}, 3, 0.06 * s, ol * 0.5);
  }
  cairo_restore(cr);
}

// ---- the pie --------------------------------------------------------------------------------------

void drawpie(cairo_t* cr, double x, double y, double w, bool bite, const light& L) {
  double ol = std::max(1.0, w * 0.05);
  cairo_save(cr);
  cairo_push_group(cr);
  // tin
  poly(cr, {{x - w * 0.5, y}, {x + w * 0.5, y}, {x + w * 0.42, y + w * 0.2}, {x - w * 0.42, y + w * 0.2}});
  paint(cr, col::steel, L, w * 0.4, ol);
  // filling peeks out: a suspicious midnight-market green
  ellipse(cr, x, y, w * 0.5, w * 0.1);
  flat(cr, rgb{0.45, 0.85, 0.35}, ol * 0.6);
  // domed crust with a lattice
  cairo_move_to(cr, x - w * 0.5, y);
  cairo_curve_to(cr, x - w * 0.45, y - w * 0.42, x + w * 0.45, y - w * 0.42, x + w * 0.5, y);
  cairo_close_path(cr);
  cairo_path_t* dome = cairo_copy_path(cr);
  paint(cr, col::pastry, L, w, ol);
  cairo_save(cr);
  cairo_append_path(cr, dome);
  cairo_clip(cr);
  for (int i = -3; i <= 3; i++) {
    inkline(cr, {{x + i * w * 0.14 - w * 0.1, y + 2}, {x + i * w * 0.14 + w * 0.1, y - w * 0.4}}, ol * 0.55, 0.55);
    inkline(cr, {{x + i * w * 0.14 + w * 0.1, y + 2}, {x + i * w * 0.14 - w * 0.1, y - w * 0.4}}, ol * 0.55, 0.55);
  }
  cairo_restore(cr);
  cairo_path_destroy(dome);
  if (bite) {  // a big round bite out of the right side, filling showing
    cairo_set_operator(cr, CAIRO_OPERATOR_DEST_OUT);
    for (int i = 0; i < 3; i++) {
      cairo_arc(cr, x + w * 0.5, y - w * (0.08 + 0.1 * i), w * 0.12, 0, 2 * M_PI);
      cairo_fill(cr);
    }
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    cairo_save(cr);
    for (int i = 0; i < 3; i++) {
      cairo_arc(cr, x + w * 0.5, y - w * (0.08 + 0.1 * i), w * 0.12 + ol, 0, 2 * M_PI);
      cairo_close_path(cr);
    }
    cairo_clip(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_ATOP);
    cairo_rectangle(cr, x, y - w, w, w * 1.4);
    artsetcolor(cr, rgb{0.4, 0.8, 0.3});
    cairo_fill(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    cairo_restore(cr);
  }
  cairo_pop_group_to_source(cr);
  cairo_paint(cr);
  // a faint glow: this pie is not quite right
  glow(cr, x, y - w * 0.2, w * 0.7, rgb{0.55, 1.0, 0.45}, 0.18);
  cairo_restore(cr);
}

// ---- heads --------------------------------------------------------------------------------------

void drawhead(cairo_t* cr, double cx, double cy, double r, const figure& f, const light& L) {
  double ol = std::clamp(r * 0.085, 1.2, 5.0);
  rng rr(f.seed * 7 + 3);
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_rotate(cr, f.headtilt * M_PI / 180);
  light l = turned(L, f.headtilt);
  hair(cr, r, f, l, ol, true);
  // ears
  for (double side : {-1.0, 1.0}) {
    ellipse(cr, side * 0.98 * r, 0.08 * r, 0.2 * r, 0.27 * r);
    paint(cr, f.skin, l, r * 0.5, ol);
    inkline(cr, {{side * 0.98 * r, -0.05 * r}, {side * 1.03 * r, 0.1 * r}, {side * 0.96 * r, 0.2 * r}}, ol * 0.5,
            0.5);
  }
  if (f.zombie) stitches(cr, {0.98 * r, -0.1 * r}, {0.98 * r, 0.25 * r}, 3, 0.06 * r, ol * 0.5);
  // the head: round, a little heavier at the jowls
  double j = f.girth > 1.15 ? 1.06 : 1.0;
  std::vector<pt> shape{{0, -r},          {0.74 * r, -0.72 * r}, {1.0 * r, -0.05 * r}, {0.95 * j * r, 0.5 * r},
                        {0.6 * j * r, 0.9 * r}, {0, 1.02 * r},         {-0.6 * j * r, 0.9 * r}, {-0.95 * j * r, 0.5 * r},
                        {-1.0 * r, -0.05 * r}, {-0.74 * r, -0.72 * r}};
  if (f.zombie)
    for (pt& p : shape) {
      p.x *= rr.range(0.97, 1.03);
      p.y *= rr.range(0.97, 1.03);
    }
  blob(cr, shape);
  cairo_path_t* headpath = cairo_copy_path(cr);
  paint(cr, f.skin, l, 2 * r, ol);
  // a few painted touches on the skin
  cairo_save(cr);
  cairo_append_path(cr, headpath);
  cairo_clip(cr);
  if (f.zombie) {
    dabs(cr, -r, -r, 2 * r, 2 * r, artshade(f.skin, 0.8), 0.35, 7, r * 0.35, f.seed + 11);
    ellipse(cr, -0.45 * r, -0.55 * r, 0.16 * r, 0.12 * r);  // a bruise-coloured spot
    artsetcolor(cr, artmix(f.skin, pal::plum, 0.5), 0.5);
    cairo_fill(cr);
  } else {
    for (double side : {-1.0, 1.0}) {
      ellipse(cr, side * 0.6 * r, 0.3 * r, 0.2 * r, 0.13 * r);
      artsetcolor(cr, col::blush, f.expr == face::chew ? 0.5 : 0.35);
      cairo_fill(cr);
    }
  }
  cairo_restore(cr);
  cairo_path_destroy(headpath);
  hair(cr, r, f, l, ol, false);
  eyes(cr, r, f, ol);
  brows(cr, r, f, ol);
  // nose
  double nr = f.girth > 1.15 ? 0.17 : 0.13;
  ellipse(cr, 0, 0.17 * r, nr * r, nr * 0.85 * r);
  paint(cr, f.zombie ? artshade(f.skin, 0.92) : artmix(f.skin, col::blush, 0.25), l, nr * 2 * r, ol * 0.7);
  if (f.moustache) {
    for (double side : {-1.0, 1.0}) {
      blob(cr, {{0, 0.3 * r}, {side * 0.2 * r, 0.24 * r}, {side * 0.42 * r, 0.34 * r}, {side * 0.45 * r, 0.46 * r},
                {side * 0.2 * r, 0.4 * r}});
      paint(cr, f.hair, l, r * 0.5, ol * 0.8);
    }
  }
  mouth(cr, r, f, ol);
  if (f.zombie && f.stitchcheek) {
    double s = f.stitchcheek == 1 ? -1 : 1;
    stitches(cr, {s * 0.5 * r, 0.05 * r}, {s * 0.72 * r, 0.5 * r}, 4, 0.07 * r, ol * 0.55);
  }
  if (f.glasses) {
    double tilt = f.zombie ? 6 : 0;  // zombies wear them askew
    cairo_save(cr);
    cairo_rotate(cr, tilt * M_PI / 180);
    for (double side : {-1.0, 1.0}) {
      cairo_new_sub_path(cr);
      cairo_arc(cr, side * 0.36 * r, -0.05 * r, 0.27 * r, 0, 2 * M_PI);
    }
    artsetcolor(cr, rgb{0.85, 0.95, 1.0}, 0.18);
    cairo_fill_preserve(cr);
    artsetcolor(cr, pal::ink);
    cairo_set_line_width(cr, ol * 0.75);
    cairo_stroke(cr);
    inkline(cr, {{-0.1 * r, -0.08 * r}, {0, -0.13 * r}, {0.1 * r, -0.08 * r}}, ol * 0.75);
    inkline(cr, {{-0.63 * r, -0.08 * r}, {-0.95 * r, -0.02 * r}}, ol * 0.6);
    inkline(cr, {{0.63 * r, -0.08 * r}, {0.95 * r, -0.02 * r}}, ol * 0.6);
    for (double side : {-1.0, 1.0}) {  // glints
      inkline(cr, {{side * 0.36 * r - 0.14 * r, -0.18 * r}, {side * 0.36 * r - 0.05 * r, -0.25 * r}}, ol * 0.5);
      cairo_move_to(cr, side * 0.36 * r - 0.15 * r, -0.16 * r);
      cairo_line_to(cr, side * 0.36 * r - 0.04 * r, -0.27 * r);
      artsetcolor(cr, rgb{1, 1, 1}, 0.8);
      cairo_set_line_width(cr, ol * 0.45);
      cairo_stroke(cr);
    }
    if (f.zombie) inkline(cr, {{0.26 * r, -0.28 * r}, {0.4 * r, -0.08 * r}, {0.32 * r, 0.1 * r}}, ol * 0.4);  // a crack
    cairo_restore(cr);
  }
  hat(cr, r, f, l, ol);
  cairo_restore(cr);
}

// ---- whole figures ------------------------------------------------------------------------------

void drawfigure(cairo_t* cr, double x, double y, const figure& f, const light& L) {
  double u = f.height / 100;
  double g = f.girth;
  double ol = std::clamp(f.height * 0.016, 1.6, 5.5) / u;
  rng rr(f.seed);
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, f.lean * M_PI / 180);
  cairo_scale(cr, u, u);
  light l = turned(L, f.lean);
  double sit = f.sitting ? 10 : 0;  // a seated figure's upper body sits lower
  double R = 19 * f.headsize;
  pt head{0, -100 + R + sit};
  pt sl{-17 * g, -58 + sit}, sr{17 * g, -58 + sit};

  // legs and shoes
  if (!f.sitting) {
    for (double side : {-1.0, 1.0}) {
      double lx = side * 9 * f.stance * std::sqrt(g);
      tube(cr, {{lx * 0.9, -24}, {lx, -6}}, 12 * std::pow(g, 0.7), f.trousers, l, ol);
      ellipse(cr, lx + side * 3, -3.5, 9, 4.8, side * 8);
      paint(cr, f.shoes, l, 14, ol);
    }
  } else {
    for (double side : {-1.0, 1.0}) {
      double lx = side * 12 * f.stance * std::sqrt(g);
      tube(cr, {{lx, -10}, {lx * 1.05, -3}}, 11 * std::pow(g, 0.7), f.trousers, l, ol);
      ellipse(cr, lx * 1.1 + side * 3, -3, 9, 4.6, side * 8);
      paint(cr, f.shoes, l, 14, ol);
    }
  }

  // torso: a plump egg, trousers up to the belt
  double b = f.breath * 2.5;
  std::vector<pt> body{{0, -66 - b + sit},        {15 * g + b, -64 - b + sit}, {23 * g + b, -55 + sit},
                       {27 * g + b, -41 + sit},   {26 * g, -27 + sit},         {19 * g, -16 + sit * 0.4},
                       {0, -13 + sit * 0.3},      {-19 * g, -16 + sit * 0.4},  {-26 * g, -27 + sit},
                       {-27 * g - b, -41 + sit},  {-23 * g - b, -55 + sit},    {-15 * g - b, -64 - b + sit}};
  blob(cr, body);
  cairo_path_t* torso = cairo_copy_path(cr);
  paint(cr, f.shirt, l, 55 * g, 0);
  cairo_save(cr);
  cairo_append_path(cr, torso);
  cairo_clip(cr);
  double belt = -25 + sit * 0.8;
  // trousers (with a ragged shirt hem for zombies)
  {
    std::vector<pt> hem;
    if (f.zombie) {
      hem.push_back({-40, belt});
      ragged(hem, {-40, belt}, {40, belt}, 7, 4, rr);
    } else {
      hem = {{-40, belt}, {40, belt}};
    }
    hem.push_back({40, 10});
    hem.push_back({-40, 10});
    poly(cr, hem);
    paint(cr, f.trousers, l, 40 * g, ol);
    if (!f.zombie) {
      cairo_rectangle(cr, -4, belt - 0.5, 8, 5);  // buckle
      paint(cr, f.accent, l, 8, ol * 0.6);
    }
  }
  if (f.vest) {  // a waistcoat over the shirt, open down the middle
    for (double side : {-1.0, 1.0}) {
      poly(cr, {{side * 3, -60 + sit}, {side * 40, -70 + sit}, {side * 40, belt + 1}, {side * 3, belt + 1},
                {side * 8, -40 + sit}});
      paint(cr, f.accent, l, 30 * g, ol);
    }
    for (int i = 0; i < 3; i++) {
      cairo_arc(cr, 6, -46 + sit + i * 7, 1.4, 0, 2 * M_PI);
      artsetcolor(cr, pal::gold);
      cairo_fill_preserve(cr);
      artsetcolor(cr, pal::ink);
      cairo_set_line_width(cr, ol * 0.4);
      cairo_stroke(cr);
    }
  } else if (!f.apron) {  // shirt buttons
    for (int i = 0; i < 3; i++) {
      cairo_arc(cr, 0, -54 + sit + i * 9, 1.3, 0, 2 * M_PI);
      artsetcolor(cr, artshade(f.shirt, 0.6));
      cairo_fill(cr);
    }
  }
  if (f.apron) {
    blob(cr, {{-16 * g, -52 + sit}, {16 * g, -52 + sit}, {20 * g, -10}, {0, -6}, {-20 * g, -10}}, 0.6);
    paint(cr, pal::bone, l, 40, ol);
    cairo_rectangle(cr, -8, -36 + sit, 16, 9);  // pocket
    paint(cr, artshade(pal::bone, 0.92), l, 12, ol * 0.6);
  }
  if (f.zombie) {  // a patch and a rip
    cairo_rectangle(cr, 8 * g, -48 + sit, 9, 8);
    paint(cr, artmix(f.shirt, pal::bone, 0.4), l, 10, ol * 0.6);
    stitches(cr, {8 * g, -48 + sit}, {8 * g + 9, -48 + sit}, 3, 1.2, ol * 0.35);
    std::vector<pt> rip;
    for (int k = 0; k < 9; k++) {
      double a = 2 * M_PI * k / 9, rad = (k % 2 ? 3.2 : 5.5) * rr.range(0.8, 1.2);
      rip.push_back({-13 * g + std::cos(a) * rad, -40 + sit + std::sin(a) * rad * 0.8});
    }
    poly(cr, rip);
    flat(cr, artshade(f.skin, 0.85), ol * 0.6);
  }
  cairo_restore(cr);
  cairo_append_path(cr, torso);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, ol);
  cairo_stroke(cr);
  cairo_path_destroy(torso);
  // collar and neck
  poly(cr, {{-9, -66 - b + sit}, {0, -58 + sit}, {9, -66 - b + sit}, {4, -68 - b + sit}, {0, -63 + sit},
            {-4, -68 - b + sit}});
  paint(cr, artshade(f.shirt, 1.25), l, 12, ol * 0.7);
  if (f.bowtie) {
    poly(cr, {{0, -62 + sit}, {-9, -67 + sit}, {-9, -57 + sit}});
    paint(cr, pal::blood, l, 10, ol * 0.8);
    poly(cr, {{0, -62 + sit}, {9, -67 + sit}, {9, -57 + sit}});
    paint(cr, pal::blood, l, 10, ol * 0.8);
    ellipse(cr, 0, -62 + sit, 2.5, 2.5);
    paint(cr, artshade(pal::blood, 0.8), l, 4, ol * 0.6);
  }

  // the head
  drawhead(cr, head.x, head.y, R, f, l);

  // arms with their hands and whatever they hold
  for (double side : {-1.0, 1.0}) {
    pt sh = side < 0 ? sl : sr;
    pt hand = add(sh, side < 0 ? f.handl : f.handr);
    double dx = hand.x - sh.x, dy = hand.y - sh.y;
    pt elbow{sh.x + dx * 0.5 + side * 4, sh.y + dy * 0.5 + 2};  // elbows bow outwards
    held what = side < 0 ? f.holdl : f.holdr;
    tube(cr, {sh, elbow, hand}, 10.5 * std::pow(g, 0.6), f.shirt, l, ol);
    if (f.zombie) {  // a frayed cuff: torn threads at the sleeve's end
      double ang = std::atan2(hand.y - elbow.y, hand.x - elbow.x);
      double cx = hand.x - std::cos(ang) * 5, cy = hand.y - std::sin(ang) * 5;
      for (int k = -1; k <= 1; k++) {
        double ox = -std::sin(ang) * k * 3.5, oy = std::cos(ang) * k * 3.5;
        inkline(cr, {{cx + ox, cy + oy}, {cx + ox + std::cos(ang) * 4, cy + oy + std::sin(ang) * 4 + 1}}, ol * 0.45,
                0.8);
      }
    }
    if (what != held::none) holdthing(cr, {hand.x, hand.y - 2}, what, l, ol);
    double ang = std::atan2(hand.y - elbow.y, hand.x - elbow.x) * 180 / M_PI;
    int gesture = what != held::none ? 1 : 0;  // a fist round what it holds
    drawhand(cr, hand.x - std::cos(ang * M_PI / 180) * 2, hand.y - std::sin(ang * M_PI / 180) * 2, 11, ang, f.skin,
             gesture, l, f.zombie);
  }
  cairo_restore(cr);
}

// ---- presets ------------------------------------------------------------------------------------

figure mrpudding(bool zombie) {
  figure f;
  f.girth = 1.3;
  f.headsize = 1.05;
  f.skin = zombie ? col::zombie : col::skin;
  f.hair = rgb{0.62, 0.42, 0.30};
  f.shirt = rgb{0.93, 0.90, 0.80};
  f.accent = rgb{0.86, 0.55, 0.18};  // mustard waistcoat
  f.trousers = rgb{0.30, 0.20, 0.42};
  f.shoes = rgb{0.35, 0.2, 0.12};
  f.hair_style = 1;
  f.glasses = true;
  f.moustache = true;
  f.bowtie = true;
  f.vest = true;
  f.seed = 41;
  if (zombie) {
    f.zombie = true;
    f.shirt = rgb{0.80, 0.82, 0.70};
    f.expr = face::moan;
    f.droop = 0.5;
    f.headtilt = -8;
    f.handl = {-10, -8};
    f.handr = {10, -12};
    f.stitchcheek = 2;
  } else {
    f.expr = face::chew;
    f.handl = {-2, -4};   // the pie up at his cheek
    f.handr = {-4, 22};   // a fork in the other hand
    f.holdl = held::pie;
    f.holdr = held::fork;
  }
  return f;
}

figure townsfolk(int kind) {
  figure f;
  f.seed = 100 + kind;
  switch ((kind - 1) % 6) {
    case 0:  // the grandchild: small, quick, bobble hat
      f.girth = 0.85;
      f.headsize = 1.15;
      f.shirt = pal::teal;
      f.trousers = pal::night;
      f.hat = 5;
      f.accent = pal::pumpkin;
      f.hair_style = 4;
      f.expr = face::smile;
      break;
    case 1:  // the baker
      f.girth = 1.2;
      f.shirt = pal::bone;
      f.apron = true;
      f.hat = 4;
      f.moustache = true;
      f.skin = col::skintan;
      f.hair = rgb{0.2, 0.15, 0.12};
      break;
    case 2:  // a grandma with a bun
      f.girth = 1.05;
      f.shirt = pal::plum;
      f.hair = rgb{0.86, 0.86, 0.9};
      f.hair_style = 2;
      f.glasses = true;
      f.accent = pal::teal;
      break;
    case 3:  // the postman in a flat cap
      f.girth = 1.1;
      f.shirt = pal::sky;
      f.hat = 2;
      f.accent = rgb{0.3, 0.3, 0.5};
      f.skin = col::skindark;
      f.hair_style = 0;
      f.vest = false;
      break;
    case 4:  // a lady in a headscarf
      f.girth = 1.0;
      f.shirt = pal::moss;
      f.hat = 3;
      f.accent = pal::blood;
      f.hair_style = 3;
      break;
    default:  // a gent in a bowler
      f.girth = 1.15;
      f.shirt = rgb{0.45, 0.28, 0.2};
      f.hat = 1;
      f.accent = pal::gold;
      f.moustache = true;
      f.bowtie = true;
      f.hair_style = 1;
      break;
  }
  return f;
}

figure zombiefolk(int kind) {
  figure f = townsfolk(kind);
  f.zombie = true;
  f.seed = 300 + kind;
  const rgb skins[] = {col::zombie, col::zombieteal, col::zombiegrey};
  f.skin = skins[kind % 3];
  f.expr = kind % 2 ? face::moan : face::growl;
  f.droop = 0.45 + 0.1 * (kind % 3);
  f.handl = {-6, -10};
  f.handr = {6, -6};
  f.headtilt = kind % 2 ? 10 : -8;
  f.lean = kind % 2 ? 4 : -3;
  f.stitchcheek = 1 + kind % 2;
  if (f.hat == 0 && f.hair_style != 2) f.hair_style = 5;
  f.hair = artshade(f.hair, 0.9);
  return f;
}

// ---- the crow -----------------------------------------------------------------------------------

void drawcrow(cairo_t* cr, double x, double y, double size, int eyes, int beak, double wing, const light& L) {
  double s = size / 100;
  double ol = std::max(1.4, size * 0.03) / s;
  rgb feather{0.16, 0.14, 0.24}, sheen{0.42, 0.45, 0.75};
  light l = L;
  l.rim = sheen;
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, s, s);
  // tail fan
  poly(cr, {{22, 4}, {52, 14}, {56, 22}, {50, 26}, {18, 14}});
  paint(cr, feather, l, 30, ol);
  inkline(cr, {{24, 8}, {52, 20}}, ol * 0.5, 0.6);
  // legs and toes gripping the perch below
  for (int i = 0; i < 2; i++) {
    double lx = -4 + i * 10;
    tube(cr, {{lx, 14}, {lx - 1, 30}}, 2.6, rgb{0.45, 0.4, 0.35}, l, ol * 0.5);
    for (int t = -1; t <= 1; t++) tube(cr, {{lx - 1, 30}, {lx - 1 + t * 6, 33}}, 2, rgb{0.45, 0.4, 0.35}, l, ol * 0.4);
  }
  // body
  blob(cr, {{-26, -8}, {-10, -22}, {14, -16}, {30, 2}, {20, 18}, {-6, 20}, {-24, 8}});
  paint(cr, feather, l, 55, ol);
  // folded or raised wing
  cairo_save(cr);
  cairo_translate(cr, 4, -6);
  cairo_rotate(cr, -wing * 0.9);
  blob(cr, {{-14, -6}, {8, -12}, {34, 4}, {40, 14}, {18, 12}, {-8, 8}});
  paint(cr, artshade(feather, 1.15), l, 40, ol);
  for (double i = 0; i < 3; i++) inkline(cr, {{6 + i * 8, 0 + i * 2}, {20 + i * 6, 10}}, ol * 0.5, 0.6);
  cairo_restore(cr);
  // head
  ellipse(cr, -26, -22, 17, 16);
  paint(cr, feather, l, 32, ol);
  // a scruffy crest
  for (double i = 0; i < 3; i++) tube(cr, {{-28 + i * 5, -36}, {-30 + i * 7, -44 + i * 2}}, 2.4, feather, l, ol * 0.5);
  // beak
  double open = beak ? 7 : 0;
  poly(cr, {{-38, -26}, {-62, -22 - open * 0.3}, {-38, -17}});
  paint(cr, rgb{0.55, 0.55, 0.58}, l, 20, ol);
  poly(cr, {{-38, -17}, {-58, -16 + open}, {-37, -12}});
  paint(cr, rgb{0.45, 0.45, 0.5}, l, 18, ol);
  // the eye: a glare under a heavy brow
  ellipse(cr, -28, -25, 6, 6.5);
  cairo_path_t* eye = cairo_copy_path(cr);
  artsetcolor(cr, rgb{1.0, 0.93, 0.6});
  cairo_fill(cr);
  cairo_save(cr);
  cairo_append_path(cr, eye);
  cairo_clip(cr);
  cairo_arc(cr, -30, -24.5, 3, 0, 2 * M_PI);
  artsetcolor(cr, pal::ink);
  cairo_fill(cr);
  cairo_arc(cr, -31, -25.8, 1, 0, 2 * M_PI);
  artsetcolor(cr, rgb{1, 1, 1});
  cairo_fill(cr);
  if (eyes > 0) {
    double lid = eyes == 1 ? -25 : -17;
    cairo_rectangle(cr, -36, -34, 16, lid + 34);
    artsetcolor(cr, artshade(feather, 1.5));
    cairo_fill(cr);
    inkline(cr, {{-35, lid}, {-28, lid + 1}, {-21, lid}}, ol * 0.7);
  }
  cairo_restore(cr);
  cairo_append_path(cr, eye);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, ol * 0.7);
  cairo_stroke(cr);
  cairo_path_destroy(eye);
  inkline(cr, {{-37, -34}, {-28, -31}, {-19, -33}}, ol * 1.3);  // the brow
  cairo_restore(cr);
}

}  // namespace storykit
