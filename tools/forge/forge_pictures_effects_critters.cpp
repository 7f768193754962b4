// The small animations of the effects layer: the pig fired from a cannon and the
// jumping ninja.
#include "tools/forge/forge_pictures_effects_kit.h"

namespace fx {

static const rgb pigpink{1.0, 0.70, 0.76}, pigdark{0.90, 0.46, 0.58};

// A pig's head facing the viewer: ears, snout, eyes by mood (0 calm, 1 squeezed shut).
static void pighead(cairo_t* cr, double x, double y, double r, int mood) {
  for (int side = -1; side <= 1; side += 2) {  // ears
    cairo_new_path(cr);
    cairo_move_to(cr, x + side * r * 0.35, y - r * 0.8);
    cairo_line_to(cr, x + side * r * 1.0, y - r * 1.15);
    cairo_line_to(cr, x + side * r * 0.85, y - r * 0.4);
    cairo_close_path(cr);
    artsetcolor(cr, pal::ink);
    cairo_set_line_width(cr, 3.5);
    cairo_stroke_preserve(cr);
    fill(cr, pigdark);
  }
  circle(cr, x, y, r);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 3.5);
  cairo_stroke_preserve(cr);
  fillradial(cr, x - r * 0.3, y - r * 0.4, r * 1.4, {1.0, 0.86, 0.88}, pigpink);
  // snout
  ellipse(cr, x, y + r * 0.3, r * 0.42, r * 0.3);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 2.5);
  cairo_stroke_preserve(cr);
  fill(cr, pigdark);
  ellipse(cr, x - r * 0.15, y + r * 0.3, r * 0.07, r * 0.12);
  fill(cr, pal::ink);
  ellipse(cr, x + r * 0.15, y + r * 0.3, r * 0.07, r * 0.12);
  fill(cr, pal::ink);
  // eyes
  for (int side = -1; side <= 1; side += 2) {
    double ex = x + side * r * 0.36, ey = y - r * 0.22;
    if (mood == 0) {
      ellipse(cr, ex, ey, r * 0.17, r * 0.2);
      fill(cr, white);
      circle(cr, ex + side * r * 0.03, ey + r * 0.03, r * 0.1);
      fill(cr, pal::ink);
      circle(cr, ex - r * 0.02, ey - r * 0.04, r * 0.035);
      fill(cr, white);
    } else {  // squeezed shut: > <
      cairo_new_path(cr);
      cairo_move_to(cr, ex - side * r * 0.15, ey - r * 0.14);
      cairo_line_to(cr, ex + side * r * 0.12, ey);
      cairo_line_to(cr, ex - side * r * 0.15, ey + r * 0.14);
      inkstroke(cr, 2.5);
    }
  }
  // cheeks
  circle(cr, x - r * 0.62, y + r * 0.22, r * 0.13);
  fill(cr, {1.0, 0.45, 0.55}, 0.5);
  circle(cr, x + r * 0.62, y + r * 0.22, r * 0.13);
  fill(cr, {1.0, 0.45, 0.55}, 0.5);
}

// The leather flying cap with goggles the pig wears: it came prepared.
static void pigcap(cairo_t* cr, double x, double y, double r) {
  cairo_new_path(cr);
  cairo_arc(cr, x, y - r * 0.06, r * 1.03, M_PI * 1.12, M_PI * 1.88);
  cairo_close_path(cr);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 3);
  cairo_stroke_preserve(cr);
  fill(cr, {0.55, 0.32, 0.16});
  for (int side = -1; side <= 1; side += 2) {
    circle(cr, x + side * r * 0.33, y - r * 0.66, r * 0.25);
    artsetcolor(cr, pal::ink);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke_preserve(cr);
    fill(cr, {0.55, 0.85, 0.95});
    circle(cr, x + side * r * 0.33 - r * 0.08, y - r * 0.72, r * 0.07);
    fill(cr, white, 0.9);
  }
}

// The pig: 1 sits in the cannon's mouth, 2 braces for the shot, 3 flies off to the left.
void drawpig(cairo_t* cr, int w, int h, int n) {
  double x = w / 2.0, y = h / 2.0;
  if (n == 1 || n == 2) {
    pighead(cr, x, y + 4, w * 0.3, n - 1);
    pigcap(cr, x, y + 4, w * 0.3);
    if (n == 2) {  // a sweat drop
      cairo_new_path(cr);
      cairo_move_to(cr, x + w * 0.36, y - h * 0.2);
      cairo_curve_to(cr, x + w * 0.44, y - h * 0.06, x + w * 0.30, y - h * 0.04, x + w * 0.36, y - h * 0.2);
      artsetcolor(cr, pal::ink);
      cairo_set_line_width(cr, 2);
      cairo_stroke_preserve(cr);
      fill(cr, {0.6, 0.85, 1.0});
    }
    return;
  }
  // flying: a round body stretched out to the left, trotters forward, speed lines behind
  for (int k = 0; k < 3; k++) {
    cairo_new_path(cr);
    cairo_move_to(cr, x + w * 0.2, y - 8 + k * 8);
    cairo_line_to(cr, x + w * 0.46, y - 8 + k * 8);
    artsetcolor(cr, white, 0.85);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
  }
  // curly tail
  cairo_new_path(cr);
  cairo_move_to(cr, x + w * 0.22, y - 2);
  cairo_curve_to(cr, x + w * 0.36, y - 10, x + w * 0.3, y - 16, x + w * 0.27, y - 10);
  inkstroke(cr, 3);
  for (int k = 0; k < 4; k++) {  // trotters
    double lx = x - w * 0.12 + (k % 2) * w * 0.2, ly = y + h * 0.12;
    cairo_new_path(cr);
    cairo_move_to(cr, lx, ly);
    cairo_line_to(cr, lx - 6 - (k < 2 ? 3 : 0), ly + 6);
    artsetcolor(cr, pal::ink);
    cairo_set_line_width(cr, 7);
    cairo_stroke_preserve(cr);
    artsetcolor(cr, pigdark);
    cairo_set_line_width(cr, 3.5);
    cairo_stroke(cr);
  }
  ellipse(cr, x + 2, y, w * 0.25, h * 0.18);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 3.5);
  cairo_stroke_preserve(cr);
  fillradial(cr, x - 4, y - 6, w * 0.3, {1.0, 0.86, 0.88}, pigpink);
  pighead(cr, x - w * 0.2, y - h * 0.05, w * 0.17, 0);
  pigcap(cr, x - w * 0.2, y - h * 0.05, w * 0.17);
}

// The cannon: an iron barrel tilted up and to the left on a wooden carriage; its mouth
// sits 12 pixels left of and 30 above the picture's centre, where the pig appears.
void drawpigcannon(cairo_t* cr, int w, int h, int) {
  double cx = w / 2.0, cy = h / 2.0;
  pt mouth{cx - 12 * (w / 128.0), cy - 30 * (h / 128.0)};
  pt breech{cx + 16, cy + 24};
  double ang = std::atan2(mouth.y - breech.y, mouth.x - breech.x);
  double len = std::hypot(mouth.x - breech.x, mouth.y - breech.y);
  // carriage
  cairo_new_path(cr);
  cairo_move_to(cr, cx - 30, cy + 52);
  cairo_line_to(cr, cx + 44, cy + 52);
  cairo_line_to(cr, cx + 34, cy + 26);
  cairo_line_to(cr, cx - 4, cy + 18);
  cairo_close_path(cr);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 4);
  cairo_stroke_preserve(cr);
  filllinear(cr, 0, cy + 18, 0, cy + 52, {0.70, 0.45, 0.24}, {0.45, 0.26, 0.12});
  // fuse with a spark at the back
  cairo_new_path(cr);
  cairo_move_to(cr, breech.x + 14, breech.y - 4);
  cairo_curve_to(cr, breech.x + 24, breech.y - 14, breech.x + 20, breech.y - 24, breech.x + 30, breech.y - 30);
  inkstroke(cr, 3);
  twinklepath(cr, breech.x + 31, breech.y - 31, 9, 1, 0.3);
  artsetcolor(cr, pal::pumpkin);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke_preserve(cr);
  fill(cr, {1.0, 0.95, 0.6});
  // barrel, drawn in its own frame: x along the barrel from breech to mouth
  cairo_save(cr);
  cairo_translate(cr, breech.x, breech.y);
  cairo_rotate(cr, ang);
  cairo_new_path(cr);
  cairo_move_to(cr, -8, -22);
  cairo_line_to(cr, len - 4, -15);
  cairo_line_to(cr, len - 4, 15);
  cairo_line_to(cr, -8, 22);
  cairo_arc(cr, -8, 0, 22, M_PI / 2, 3 * M_PI / 2);
  cairo_close_path(cr);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 4.5);
  cairo_stroke_preserve(cr);
  filllinear(cr, 0, -22, 0, 22, {0.55, 0.48, 0.72}, {0.20, 0.16, 0.32});
  // pumpkin bands and a star, because it is a friendly cannon
  for (double bx : {len * 0.25, len * 0.72}) {
    cairo_rectangle(cr, bx - 3, -21, 6, 42);
    artsetcolor(cr, pal::ink);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke_preserve(cr);
    fill(cr, pal::pumpkin);
  }
  starpath(cr, len * 0.48, 0, 8, 3.8, 5, M_PI / 2);
  fill(cr, pal::gold);
  // muzzle ring
  artroundrect(cr, len - 8, -20, 12, 40, 4);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 4);
  cairo_stroke_preserve(cr);
  filllinear(cr, 0, -20, 0, 20, {0.65, 0.58, 0.82}, {0.25, 0.20, 0.38});
  // the barrel's shine
  cairo_new_path(cr);
  cairo_move_to(cr, 0, -13);
  cairo_line_to(cr, len - 16, -10);
  artsetcolor(cr, white, 0.5);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  cairo_restore(cr);
  // the dark mouth, seen end-on
  ellipse(cr, mouth.x + 4 * std::cos(ang), mouth.y + 4 * std::sin(ang), 13, 6, ang + M_PI / 2);
  fill(cr, pal::ink);
  // wheel
  circle(cr, cx + 8, cy + 40, 20);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 4);
  cairo_stroke_preserve(cr);
  fill(cr, {0.62, 0.38, 0.18});
  circle(cr, cx + 8, cy + 40, 14);
  fill(cr, {0.78, 0.52, 0.28});
  cairo_new_path(cr);
  for (int k = 0; k < 4; k++) {
    double a = k * M_PI / 4;
    cairo_move_to(cr, cx + 8 - 14 * std::cos(a), cy + 40 - 14 * std::sin(a));
    cairo_line_to(cr, cx + 8 + 14 * std::cos(a), cy + 40 + 14 * std::sin(a));
  }
  inkstroke(cr, 3);
  circle(cr, cx + 8, cy + 40, 4.5);
  artsetcolor(cr, pal::ink);
  cairo_fill(cr);
}

static const rgb ninjasuit{0.20, 0.18, 0.30}, ninjaband = pal::blood;

// One limb: a thick ink line with the suit colour inside, ending in a round hand or foot.
static void limb(cairo_t* cr, pt a, pt b, double width) {
  cairo_new_path(cr);
  cairo_move_to(cr, a.x, a.y);
  cairo_line_to(cr, b.x, b.y);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, width + 5);
  cairo_stroke_preserve(cr);
  artsetcolor(cr, ninjasuit);
  cairo_set_line_width(cr, width);
  cairo_stroke(cr);
  circle(cr, b.x, b.y, width * 0.6);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 2.5);
  cairo_stroke_preserve(cr);
  fill(cr, artshade(ninjasuit, 1.25));
}

struct ninjapose {
  double bodyy;   // body centre height
  double squash;  // body height / width
  pt armL, armR;  // hand positions relative to the body centre
  pt legL, legR;  // foot positions relative to the body centre
  double lean;    // body tilt in radians
  int sword;      // 1: a sword in the right hand
  int puff;       // 1: a dust puff under the feet
  int throwstar;  // 1: a throwing star flying off
};

// The ninja, a round little fellow in a dark suit with a red headband, laid out on a
// 128-pixel square (drawninja scales it up to the picture).
static void ninjaframe(cairo_t* cr, int w, int h, int n) {
  // frames: 1 crouched ready, 2 springing up, 3 tucked in the air with a star, 4 landed with the sword raised
  const ninjapose poses[5] = {
      {},
      {80, 0.85, {-26, 14}, {26, 14}, {-22, 30}, {22, 30}, 0.0, 0, 0, 0},
      {58, 1.12, {-22, -34}, {24, -36}, {-8, 40}, {10, 42}, -0.08, 0, 1, 0},
      {46, 0.95, {-20, 10}, {30, -6}, {-12, 24}, {14, 26}, 0.25, 0, 0, 1},
      {70, 1.0, {-30, 4}, {22, -30}, {-24, 36}, {22, 36}, -0.05, 1, 0, 0},
  };
  const ninjapose& q = poses[n];
  double x = w / 2.0, y = q.bodyy * h / 128.0, bw = 22, bh = 22 * q.squash;
  if (q.puff) {
    for (int k = -1; k <= 1; k++) {
      circle(cr, x + k * 14, h - 12 - (k == 0 ? 4 : 0), 9 - std::abs(k) * 2);
      artsetcolor(cr, pal::ink);
      cairo_set_line_width(cr, 3);
      cairo_stroke_preserve(cr);
      fill(cr, {0.88, 0.86, 0.92});
    }
  }
  // headband tails streaming out behind
  double trail = (n == 2) ? 1 : (n == 3 ? -0.5 : 0.2);
  for (int k = 0; k < 2; k++) {
    cairo_new_path(cr);
    cairo_move_to(cr, x + bw * 0.7, y - bh * 0.3);
    cairo_curve_to(cr, x + bw * 1.3, y - bh * 0.3 + trail * 14 - k * 6, x + bw * 1.6, y - bh * 0.5 + trail * 24,
                   x + bw * 2.1, y - bh * 0.1 + trail * 28 - k * 10);
    artsetcolor(cr, pal::ink);
    cairo_set_line_width(cr, 8);
    cairo_stroke_preserve(cr);
    artsetcolor(cr, ninjaband);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
  }
  limb(cr, {x - 10, y + bh * 0.6}, {x + q.legL.x, y + q.legL.y}, 8);
  limb(cr, {x + 10, y + bh * 0.6}, {x + q.legR.x, y + q.legR.y}, 8);
  limb(cr, {x - 16, y + 2}, {x + q.armL.x, y + q.armL.y}, 7);
  // the body and head are one round bean
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, q.lean);
  ellipse(cr, 0, 0, bw * 1.05, bh * 1.2);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 4.5);
  cairo_stroke_preserve(cr);
  fillradial(cr, -8, -12, bw * 1.8, artshade(ninjasuit, 1.6), ninjasuit);
  // the eye slit
  artroundrect(cr, -bw * 0.8, -bh * 0.55, bw * 1.6, bh * 0.42, bh * 0.2);
  fill(cr, pal::bone);
  for (int side = -1; side <= 1; side += 2) {
    double ex = side * bw * 0.35, ey = -bh * 0.34;
    if (n == 1) {  // determined: eyes under a frown
      circle(cr, ex, ey + 1, 3.2);
      fill(cr, pal::ink);
      cairo_new_path(cr);
      cairo_move_to(cr, ex - side * 6, ey - 6);
      cairo_line_to(cr, ex + side * 5, ey - 3);
      inkstroke(cr, 2.5);
    } else {
      circle(cr, ex, ey, 3.6);
      fill(cr, pal::ink);
      circle(cr, ex - 1, ey - 1.2, 1.2);
      fill(cr, white);
    }
  }
  // headband across the forehead
  cairo_rectangle(cr, -bw * 1.02, -bh * 0.95, bw * 2.04, bh * 0.25);
  cairo_save(cr);
  ellipse(cr, 0, 0, bw * 1.05, bh * 1.2);
  cairo_clip(cr);
  cairo_rectangle(cr, -bw * 1.1, -bh * 0.98, bw * 2.2, bh * 0.26);
  fill(cr, ninjaband);
  cairo_restore(cr);
  // belt
  cairo_save(cr);
  ellipse(cr, 0, 0, bw * 1.05, bh * 1.2);
  cairo_clip(cr);
  cairo_rectangle(cr, -bw * 1.2, bh * 0.35, bw * 2.4, bh * 0.2);
  fill(cr, pal::purple);
  cairo_restore(cr);
  ellipse(cr, -8, -bh * 0.9, 6, 2.5, -0.3);
  fill(cr, white, 0.25);
  cairo_restore(cr);
  pt hand{x + q.armR.x, y + q.armR.y};
  if (q.sword) {  // a gleaming blade pointing up from the raised hand
    cairo_new_path(cr);
    cairo_move_to(cr, hand.x, hand.y);
    cairo_line_to(cr, hand.x + 7, hand.y - 30);
    artsetcolor(cr, pal::ink);
    cairo_set_line_width(cr, 9);
    cairo_stroke_preserve(cr);
    artsetcolor(cr, {0.85, 0.88, 0.95});
    cairo_set_line_width(cr, 4.5);
    cairo_stroke(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, hand.x - 7, hand.y - 3);
    cairo_line_to(cr, hand.x + 8, hand.y + 1);
    artsetcolor(cr, pal::ink);
    cairo_set_line_width(cr, 6);
    cairo_stroke_preserve(cr);
    artsetcolor(cr, pal::gold);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    twinklepath(cr, hand.x + 7, hand.y - 30, 7, 1, 0.2);
    fill(cr, white);
  }
  limb(cr, {x + 16, y + 2}, hand, 7);
  if (q.throwstar) {  // a throwing star spinning away, with motion lines
    double sx = w - 20, sy = 26;
    cairo_new_path(cr);
    cairo_move_to(cr, hand.x + 6, hand.y - 4);
    cairo_line_to(cr, sx - 12, sy + 6);
    artsetcolor(cr, white, 0.8);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    starpath(cr, sx, sy, 12, 4, 4, 0.3);
    artsetcolor(cr, pal::ink);
    cairo_set_line_width(cr, 3);
    cairo_stroke_preserve(cr);
    fill(cr, {0.78, 0.80, 0.88});
    circle(cr, sx, sy, 2.5);
    fill(cr, pal::ink);
  }
  if (n == 2) {  // motion lines under the leap
    for (int k = -1; k <= 1; k++) {
      cairo_new_path(cr);
      cairo_move_to(cr, x + k * 16, y + 52);
      cairo_line_to(cr, x + k * 16, y + 64);
      artsetcolor(cr, white, 0.8);
      cairo_set_line_width(cr, 2.5);
      cairo_stroke(cr);
    }
  }
}

void drawninja(cairo_t* cr, int w, int h, int n) {
  cairo_save(cr);
  cairo_translate(cr, w / 2.0, h / 2.0);
  cairo_scale(cr, w / 128.0, h / 128.0);
  cairo_translate(cr, -64, -64);
  ninjaframe(cr, 128, 128, n);
  cairo_restore(cr);
}

}  // namespace fx
