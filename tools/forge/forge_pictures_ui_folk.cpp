// The people of Morgavelle as the landscapes show them: townsfolk with lanterns, pitchforks
// and hats, and the zombie townsfolk shambling after them. Comic line: a thick ink outline,
// round heads a third of the figure's height, big eyes. Every figure stands with its feet at
// (x, y), about 120 pixels tall at scale 1, facing right (facing +1) or left (facing -1).
#include "tools/forge/forge_pictures_ui_kit.h"
#include <cmath>

namespace uikit {

namespace {

// Fills the current path and strokes it with the ink outline, line width in figure units.
void inked(cairo_t* cr, rgb top, rgb bottom, double y0, double y1, double lw) {
  artfilloutline(cr, top, bottom, y0, y1, lw);
}

void blob(cairo_t* cr, double x, double y, double rx, double ry) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, rx, ry);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_restore(cr);
}

// A limb: a thick ink line with a coloured core, round-capped.
void limb(cairo_t* cr, double x0, double y0, double xm, double ym, double x1, double y1, double w, rgb c) {
  for (int pass = 0; pass < 2; pass++) {
    cairo_move_to(cr, x0, y0);
    cairo_curve_to(cr, xm, ym, xm, ym, x1, y1);
    artsetcolor(cr, pass ? c : pal::ink);
    cairo_set_line_width(cr, pass ? w : w + 5);
    cairo_stroke(cr);
  }
}

void eye(cairo_t* cr, double x, double y, double r, double lookx, double looky) {
  blob(cr, x, y, r, r * 1.1);
  artsetcolor(cr, pal::bone);
  cairo_fill_preserve(cr);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  cairo_arc(cr, x + lookx * r * 0.4, y + looky * r * 0.4, r * 0.45, 0, 2 * M_PI);
  cairo_fill(cr);
  artsetcolor(cr, rgb{1, 1, 1});
  cairo_arc(cr, x + lookx * r * 0.4 - r * 0.18, y + looky * r * 0.4 - r * 0.2, r * 0.15, 0, 2 * M_PI);
  cairo_fill(cr);
}

const rgb zombieskins[4] = {{0.55, 0.78, 0.50}, {0.62, 0.74, 0.58}, {0.50, 0.70, 0.62}, {0.68, 0.76, 0.46}};
const rgb clothes[8] = {{0.45, 0.24, 0.56}, {0.10, 0.55, 0.56}, {0.62, 0.30, 0.18}, {0.78, 0.60, 0.22},
                        {0.28, 0.36, 0.62}, {0.55, 0.18, 0.24}, {0.35, 0.50, 0.28}, {0.52, 0.44, 0.38}};
const rgb humanskins[4] = {{0.98, 0.80, 0.66}, {0.86, 0.64, 0.48}, {0.66, 0.45, 0.32}, {0.95, 0.74, 0.58}};

}  // namespace

void zombie(cairo_t* cr, double x, double y, double s, uint32_t seed, int facing, int pose) {
  prng rnd(seed * 7919 + 13);
  rgb skin = zombieskins[rnd.next() % 4], shirt = clothes[rnd.next() % 8], pants = artshade(clothes[rnd.next() % 8], 0.55);
  double lean = rnd.range(0.05, 0.18), stride = rnd.range(-1, 1);
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, s * facing, s);
  if (pose == 2) {  // rising from the ground: only the upper half shows, with clods of earth
    cairo_translate(cr, 0, 40);
  }
  if (pose != 2) {
    // legs: one stiff, one dragging
    limb(cr, -7, -46, -8 + stride * 4, -22, -12 + stride * 6, -3, 10, pants);
    limb(cr, 7, -46, 12 - stride * 3, -24, 9 - stride * 4, -3, 10, pants);
    for (int k = 0; k < 2; k++) {  // shoes
      double fx = k ? 9 - stride * 4 : -12 + stride * 6;
      blob(cr, fx + 4, -3, 8, 4.5);
      inked(cr, artshade(pal::grey, 0.5), artmix(pal::ink, pal::grey, 0.35), -8, 2, 3);
    }
  }
  cairo_save(cr);
  cairo_rotate(cr, lean);
  // torso: a torn shirt
  cairo_move_to(cr, -15, -84);
  cairo_curve_to(cr, -4, -89, 8, -89, 16, -83);
  cairo_line_to(cr, 17, -48);
  cairo_line_to(cr, 11, -43);
  cairo_line_to(cr, 6, -49);
  cairo_line_to(cr, 0, -42);
  cairo_line_to(cr, -6, -48);
  cairo_line_to(cr, -11, -42);
  cairo_line_to(cr, -16, -48);
  cairo_close_path(cr);
  inked(cr, artshade(shirt, 1.2), artshade(shirt, 0.75), -89, -42, 3.5);
  // a patch and a tear
  cairo_rectangle(cr, 3, -72, 8, 7);
  inked(cr, artshade(shirt, 1.5), artshade(shirt, 1.3), -72, -65, 1.5);
  cairo_move_to(cr, -9, -66);
  cairo_line_to(cr, -5, -60);
  cairo_line_to(cr, -9, -56);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 1.6);
  cairo_stroke(cr);
  // arms stretched forward, the classic shamble
  double reach = pose == 1 ? -30 : 0;
  limb(cr, 10, -80, 26, -82 + reach * 0.5, 40, -78 + reach, 8, shirt);
  limb(cr, 4, -70, 22, -70 + reach * 0.4, 36, -66 + reach, 8, shirt);
  for (int k = 0; k < 2; k++) {  // green hands with three fingers
    double hx = k ? 38 : 42, hy = (k ? -66 : -78) + reach;
    blob(cr, hx, hy, 5.5, 5);
    inked(cr, artshade(skin, 1.1), artshade(skin, 0.8), hy - 5, hy + 5, 2.5);
    for (int f = -1; f <= 1; f++) {
      cairo_move_to(cr, hx + 3, hy + f * 3);
      cairo_line_to(cr, hx + 8, hy + f * 3.5 + 1);
    }
    artsetcolor(cr, pal::ink);
    cairo_set_line_width(cr, 4.5);
    cairo_stroke_preserve(cr);
    artsetcolor(cr, skin);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
  }
  // head, drooping a little to one side
  cairo_save(cr);
  cairo_translate(cr, 4, -104);
  cairo_rotate(cr, rnd.range(-0.2, 0.15));
  cairo_move_to(cr, -19, -4);
  cairo_curve_to(cr, -21, -26, 19, -28, 20, -6);
  cairo_curve_to(cr, 21, 12, 12, 20, 0, 20);
  cairo_curve_to(cr, -12, 20, -18, 12, -19, -4);
  cairo_close_path(cr);
  inked(cr, artshade(skin, 1.15), artshade(skin, 0.8), -24, 20, 3.5);
  // ear
  blob(cr, -17, 2, 4, 6);
  inked(cr, skin, artshade(skin, 0.8), -4, 8, 2.5);
  // messy hair or a bald patch with three hairs
  if (rnd.unit() < 0.6) {
    rgb hair = rnd.unit() < 0.5 ? artshade(pal::purple, 0.7) : rgb{0.35, 0.24, 0.16};
    cairo_move_to(cr, -19, -8);
    cairo_curve_to(cr, -22, -24, -6, -30, 4, -24);
    cairo_line_to(cr, 8, -30);
    cairo_line_to(cr, 10, -22);
    cairo_curve_to(cr, 18, -22, 22, -14, 20, -8);
    cairo_line_to(cr, 13, -14);
    cairo_line_to(cr, 6, -11);
    cairo_line_to(cr, 0, -16);
    cairo_line_to(cr, -7, -12);
    cairo_line_to(cr, -12, -16);
    cairo_close_path(cr);
    inked(cr, artshade(hair, 1.3), hair, -30, -8, 2.5);
  } else {
    for (int k = -1; k <= 1; k++) {
      cairo_move_to(cr, k * 4, -22);
      cairo_curve_to(cr, k * 5, -28, k * 8 + 3, -30, k * 9 + 4, -27);
    }
    artsetcolor(cr, pal::ink);
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);
  }
  // one big eye, one small: the friendly dopey look
  eye(cr, 8, -4, 6.5, 0.6, 0.1);
  eye(cr, -4, -2, 4, 0.6, 0.3);
  cairo_move_to(cr, -8, -9);
  cairo_line_to(cr, 0, -8);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 1.8);
  cairo_stroke(cr);
  // dark rings under the eyes
  cairo_arc(cr, 8, -1, 7, 0.3, M_PI - 0.3);
  artsetcolor(cr, artshade(skin, 0.55), 0.8);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  // crooked grin with one tooth
  cairo_move_to(cr, -4, 9);
  cairo_curve_to(cr, 0, 13, 8, 13, 13, 7);
  cairo_curve_to(cr, 8, 10, 1, 10, -4, 9);
  inked(cr, artshade(pal::blood, 0.5), artshade(pal::blood, 0.4), 7, 13, 2);
  cairo_rectangle(cr, 4, 9.2, 3, 2.6);
  artsetcolor(cr, pal::bone);
  cairo_fill(cr);
  // stitches across the brow
  cairo_move_to(cr, -10, -14);
  cairo_line_to(cr, 2, -17);
  for (int k = 0; k < 3; k++) {
    cairo_move_to(cr, -8 + k * 4, -17.5 + k * -0.8);
    cairo_line_to(cr, -7 + k * 4, -12.5 + k * -0.8);
  }
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 1.3);
  cairo_stroke(cr);
  cairo_restore(cr);
  cairo_restore(cr);
  if (pose == 2) {  // a mound of earth the zombie climbs out of
    cairo_move_to(cr, -34, -40);
    cairo_curve_to(cr, -24, -58, 24, -60, 40, -40);
    cairo_close_path(cr);
    inked(cr, rgb{0.36, 0.24, 0.2}, rgb{0.2, 0.13, 0.12}, -58, -40, 3);
    for (int k = 0; k < 4; k++) {
      blob(cr, -22 + k * 15, -47 - (k % 2) * 4, 4, 3);
      inked(cr, rgb{0.42, 0.3, 0.24}, rgb{0.3, 0.2, 0.16}, -52, -44, 1.8);
    }
  }
  cairo_restore(cr);
}

void townsfolk(cairo_t* cr, double x, double y, double s, uint32_t seed, int facing, int pose) {
  prng rnd(seed * 104729 + 7);
  rgb skin = humanskins[rnd.next() % 4], coat = clothes[rnd.next() % 8], pants = artshade(clothes[rnd.next() % 8], 0.6);
  bool dress = rnd.unit() < 0.4;
  int hat = int(rnd.next() % 4);  // 0 none, 1 cap, 2 bonnet, 3 tall hat
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, s * facing, s);
  double stride = pose == 1 ? 1.0 : rnd.range(-0.6, 0.6);
  if (!dress) {
    limb(cr, -6, -46, -9 - stride * 6, -22, -12 - stride * 8, -3, 10, pants);
    limb(cr, 6, -46, 10 + stride * 6, -24, 12 + stride * 8, -3, 10, pants);
  } else {
    limb(cr, -5, -30, -6, -16, -7 - stride * 4, -3, 7, artmix(pal::ink, pal::grey, 0.35));
    limb(cr, 5, -30, 6, -16, 7 + stride * 4, -3, 7, artmix(pal::ink, pal::grey, 0.35));
  }
  for (int k = 0; k < 2; k++) {
    double fx = k ? (dress ? 7 + stride * 4 : 12 + stride * 8) : (dress ? -7 - stride * 4 : -12 - stride * 8);
    blob(cr, fx + 3, -3, 7.5, 4.5);
    inked(cr, rgb{0.36, 0.22, 0.14}, rgb{0.22, 0.13, 0.08}, -8, 2, 3);
  }
  // coat or dress
  cairo_move_to(cr, -14, -84);
  cairo_curve_to(cr, -4, -89, 6, -89, 15, -84);
  if (dress) {
    cairo_curve_to(cr, 18, -60, 24, -40, 26, -28);
    cairo_curve_to(cr, 10, -24, -12, -24, -26, -28);
    cairo_curve_to(cr, -22, -40, -18, -60, -14, -84);
  } else {
    cairo_line_to(cr, 17, -44);
    cairo_curve_to(cr, 6, -41, -6, -41, -17, -44);
  }
  cairo_close_path(cr);
  inked(cr, artshade(coat, 1.2), artshade(coat, 0.72), -89, dress ? -26 : -42, 3.5);
  // buttons down the front
  for (int k = 0; k < 3; k++) {
    cairo_arc(cr, 3, -76 + k * 10, 1.6, 0, 2 * M_PI);
    artsetcolor(cr, pal::gold);
    cairo_fill(cr);
  }
  // arms: a lantern or torch held out, a pitchfork, or both arms up in fright
  if (pose == 1) {
    limb(cr, 10, -80, 20, -96, 22, -112, 7, coat);
    limb(cr, -10, -80, -18, -96, -18, -112, 7, coat);
    for (int k = 0; k < 2; k++) {
      blob(cr, k ? 22 : -18, -115, 5, 5);
      inked(cr, skin, artshade(skin, 0.8), -120, -110, 2.5);
    }
  } else {
    limb(cr, -10, -80, -16, -64, -14, -50, 7, coat);
    blob(cr, -14, -48, 4.5, 4.5);
    inked(cr, skin, artshade(skin, 0.8), -53, -44, 2.5);
    limb(cr, 10, -80, 22, -74, 30, -70, 7, coat);
    blob(cr, 31, -70, 4.5, 4.5);
    inked(cr, skin, artshade(skin, 0.8), -75, -65, 2.5);
    if (pose == 3) {  // pitchfork held upright
      cairo_move_to(cr, 34, -8);
      cairo_line_to(cr, 30, -118);
      artsetcolor(cr, pal::ink);
      cairo_set_line_width(cr, 6);
      cairo_stroke_preserve(cr);
      artsetcolor(cr, rgb{0.62, 0.44, 0.26});
      cairo_set_line_width(cr, 3);
      cairo_stroke(cr);
      cairo_move_to(cr, 20, -130);
      cairo_line_to(cr, 21, -118);
      cairo_curve_to(cr, 24, -112, 36, -112, 39, -118);
      cairo_line_to(cr, 40, -130);
      cairo_move_to(cr, 30, -132);
      cairo_line_to(cr, 30, -114);
      artsetcolor(cr, pal::ink);
      cairo_set_line_width(cr, 4.5);
      cairo_stroke_preserve(cr);
      artsetcolor(cr, pal::grey);
      cairo_set_line_width(cr, 2);
      cairo_stroke(cr);
    } else {  // a lantern on a short handle, lit
      artglow(cr, 34, -56, 30, pal::gold, 0.5);
      cairo_move_to(cr, 31, -70);
      cairo_line_to(cr, 34, -64);
      artsetcolor(cr, pal::ink);
      cairo_set_line_width(cr, 2);
      cairo_stroke(cr);
      artroundrect(cr, 28, -64, 12, 15, 3);
      inked(cr, rgb{1.0, 0.92, 0.55}, pal::pumpkin, -64, -49, 2.5);
      cairo_rectangle(cr, 27, -66, 14, 3);
      cairo_rectangle(cr, 27, -50, 14, 3);
      inked(cr, pal::grey, artshade(pal::grey, 0.6), -66, -47, 1.5);
    }
  }
  // head
  cairo_save(cr);
  cairo_translate(cr, 2, -104);
  blob(cr, 0, 0, 18, 19);
  inked(cr, artshade(skin, 1.08), artshade(skin, 0.86), -19, 19, 3.5);
  blob(cr, -17, 2, 4, 5.5);
  inked(cr, skin, artshade(skin, 0.85), -4, 8, 2.5);
  rgb hair = rnd.unit() < 0.5 ? rgb{0.36, 0.22, 0.12} : rnd.unit() < 0.5 ? rgb{0.85, 0.62, 0.26} : artmix(pal::ink, pal::grey, 0.35);
  if (hat != 3 && hat != 1) {
    cairo_move_to(cr, -18, -2);
    cairo_curve_to(cr, -20, -22, 16, -26, 19, -4);
    cairo_curve_to(cr, 10, -12, -6, -14, -18, -2);
    cairo_close_path(cr);
    inked(cr, artshade(hair, 1.3), hair, -22, -2, 2.5);
  }
  if (hat == 1) {  // flat cap
    cairo_move_to(cr, -19, -6);
    cairo_curve_to(cr, -18, -24, 16, -26, 18, -8);
    cairo_curve_to(cr, 24, -8, 29, -5, 29, -3);
    cairo_curve_to(cr, 14, -4, -6, -4, -19, -6);
    cairo_close_path(cr);
    inked(cr, artshade(pants, 1.6), artshade(pants, 1.1), -24, -3, 2.5);
  } else if (hat == 2) {  // bonnet with a bow
    cairo_move_to(cr, -22, 6);
    cairo_curve_to(cr, -26, -28, 24, -30, 22, 0);
    cairo_curve_to(cr, 12, -14, -10, -14, -22, 6);
    cairo_close_path(cr);
    inked(cr, artmix(pal::bone, coat, 0.3), artmix(pal::bone, coat, 0.5), -26, 6, 2.5);
  } else if (hat == 3) {  // tall hat
    cairo_rectangle(cr, -12, -40, 24, 30);
    inked(cr, artmix(pal::ink, pal::grey, 0.35), artmix(pal::ink, pal::grey, 0.35), -40, -10, 2.5);
    blob(cr, 0, -10, 21, 4);
    inked(cr, artmix(pal::ink, pal::grey, 0.35), artmix(pal::ink, pal::grey, 0.35), -14, -6, 2.5);
    cairo_rectangle(cr, -12, -16, 24, 4);
    artsetcolor(cr, coat);
    cairo_fill(cr);
  }
  // wide frightened eyes looking back over the shoulder, or a brave frown
  bool brave = pose == 3 || rnd.unit() < 0.3;
  eye(cr, 6, 0, 5, brave ? 0.7 : -0.5, 0);
  eye(cr, -5, 0, 4.5, brave ? 0.7 : -0.5, 0);
  cairo_move_to(cr, brave ? 0 : 1, brave ? -8 : -10);
  cairo_line_to(cr, brave ? 10 : 11, brave ? -6 : -9);
  cairo_move_to(cr, -9, brave ? -6 : -9);
  cairo_line_to(cr, -2, brave ? -8 : -10);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 1.8);
  cairo_stroke(cr);
  if (brave) {
    cairo_move_to(cr, -2, 11);
    cairo_curve_to(cr, 2, 9, 6, 9, 9, 11);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
  } else {
    blob(cr, 3, 11, 3, 3.8);
    inked(cr, artshade(pal::blood, 0.5), artshade(pal::blood, 0.4), 7, 15, 1.8);
  }
  // rosy cheek and a nose
  blob(cr, 12, 6, 3, 2);
  artsetcolor(cr, pal::blood, 0.35);
  cairo_fill(cr);
  cairo_move_to(cr, 2, 2);
  cairo_curve_to(cr, 5, 5, 4, 7, 1, 7);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 1.6);
  cairo_stroke(cr);
  cairo_restore(cr);
  cairo_restore(cr);
}

void shopkeeper(cairo_t* cr, double x, double y, double s) {
  // Old Mr. Mothwick behind his counter: a round fellow in an apron and a velvet waistcoat,
  // spectacles on his nose, holding up a bubbling green potion for the customer to see.
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, s, s);
  rgb skin{0.96, 0.78, 0.64}, vest{0.45, 0.18, 0.42}, shirt{0.92, 0.88, 0.8}, apron{0.74, 0.66, 0.52};
  // the body down to the counter, which hides the rest
  cairo_move_to(cr, -46, 6);
  cairo_curve_to(cr, -52, -40, -40, -78, -20, -84);
  cairo_curve_to(cr, -6, -88, 6, -88, 20, -84);
  cairo_curve_to(cr, 40, -78, 52, -40, 46, 6);
  cairo_close_path(cr);
  inked(cr, artshade(shirt, 1.05), artshade(shirt, 0.8), -88, 6, 4);
  cairo_move_to(cr, -34, 6);
  cairo_curve_to(cr, -38, -30, -30, -66, -12, -80);
  cairo_line_to(cr, 0, -60);
  cairo_line_to(cr, 12, -80);
  cairo_curve_to(cr, 30, -66, 38, -30, 34, 6);
  cairo_close_path(cr);
  inked(cr, artshade(vest, 1.3), artshade(vest, 0.75), -80, 6, 3.5);
  for (int k = 0; k < 3; k++) {
    cairo_arc(cr, 0, -48 + k * 14, 2.4, 0, 2 * M_PI);
    inked(cr, pal::gold, artshade(pal::gold, 0.7), -51, 0, 1.5);
  }
  cairo_move_to(cr, -30, 6);
  cairo_line_to(cr, -26, -30);
  cairo_line_to(cr, 26, -30);
  cairo_line_to(cr, 30, 6);
  cairo_close_path(cr);
  inked(cr, artshade(apron, 1.1), artshade(apron, 0.8), -30, 6, 3);
  cairo_rectangle(cr, -10, -20, 20, 12);  // the apron's pocket with a pencil
  inked(cr, artshade(apron, 0.95), artshade(apron, 0.8), -20, -8, 2);
  cairo_move_to(cr, 4, -20);
  cairo_line_to(cr, 8, -32);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 4.5);
  cairo_stroke(cr);
  cairo_move_to(cr, 4, -20);
  cairo_line_to(cr, 8, -32);
  artsetcolor(cr, pal::gold);
  cairo_set_line_width(cr, 2.2);
  cairo_stroke(cr);
  // bow tie
  cairo_move_to(cr, 0, -80);
  cairo_line_to(cr, -11, -86);
  cairo_line_to(cr, -11, -74);
  cairo_close_path(cr);
  cairo_move_to(cr, 0, -80);
  cairo_line_to(cr, 11, -86);
  cairo_line_to(cr, 11, -74);
  cairo_close_path(cr);
  inked(cr, pal::blood, artshade(pal::blood, 0.7), -86, -74, 2);
  // one arm rests on the counter, the other holds up the potion
  limb(cr, -38, -66, -54, -40, -40, -4, 13, shirt);
  blob(cr, -36, -2, 8, 6);
  inked(cr, skin, artshade(skin, 0.85), -8, 4, 2.5);
  limb(cr, 38, -66, 62, -70, 66, -102, 13, shirt);
  artglow(cr, 70, -126, 40, pal::mint, 0.5);
  cairo_move_to(cr, 66, -150);
  cairo_line_to(cr, 66, -140);
  cairo_curve_to(cr, 50, -136, 50, -110, 70, -108);
  cairo_curve_to(cr, 90, -110, 90, -136, 74, -140);
  cairo_line_to(cr, 74, -150);
  cairo_close_path(cr);
  inked(cr, artshade(pal::mint, 1.2), pal::teal, -150, -108, 3);
  cairo_rectangle(cr, 64, -156, 12, 7);
  inked(cr, rgb{0.6, 0.4, 0.25}, rgb{0.4, 0.26, 0.16}, -156, -149, 2);
  for (int k = 0; k < 3; k++) {
    cairo_arc(cr, 66 + k * 5, -124 - k * 6, 2 + k * 0.5, 0, 2 * M_PI);
    artsetcolor(cr, rgb{1, 1, 1}, 0.7);
    cairo_fill(cr);
  }
  blob(cr, 66, -104, 8, 7);
  inked(cr, skin, artshade(skin, 0.85), -111, -97, 2.5);
  // the head: bald and round, white tufts over the ears, spectacles, a walrus moustache
  cairo_save(cr);
  cairo_translate(cr, 0, -116);
  blob(cr, 0, 0, 30, 32);
  inked(cr, artshade(skin, 1.08), artshade(skin, 0.85), -32, 32, 4);
  for (int k = -1; k <= 1; k += 2) {
    blob(cr, k * 29, 4, 6, 9);
    inked(cr, skin, artshade(skin, 0.85), -5, 13, 3);
    cairo_move_to(cr, k * 22, -14);
    cairo_curve_to(cr, k * 36, -20, k * 40, -4, k * 34, 8);
    cairo_curve_to(cr, k * 30, -2, k * 26, -6, k * 22, -14);
    cairo_close_path(cr);
    inked(cr, pal::bone, artshade(pal::bone, 0.8), -20, 8, 2.5);
  }
  blob(cr, -8, -24, 8, 4);  // the shine on his pate
  artsetcolor(cr, rgb{1, 1, 1}, 0.45);
  cairo_fill(cr);
  for (int k = -1; k <= 1; k += 2) {
    cairo_arc(cr, k * 12, -2, 9, 0, 2 * M_PI);
    artsetcolor(cr, rgb{0.85, 0.95, 1.0}, 0.6);
    cairo_fill_preserve(cr);
    artsetcolor(cr, pal::ink);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    cairo_arc(cr, k * 12 + 2, -1, 3.2, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_move_to(cr, k * 6, -14);
    cairo_line_to(cr, k * 18, -16);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
  }
  cairo_move_to(cr, -3, -2);
  cairo_line_to(cr, 3, -2);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  blob(cr, 0, 8, 7, 6);  // nose
  inked(cr, artshade(skin, 1.0), artmix(skin, pal::blood, 0.3), 2, 14, 2.5);
  cairo_move_to(cr, -2, 14);  // moustache
  cairo_curve_to(cr, -10, 10, -22, 14, -24, 24);
  cairo_curve_to(cr, -16, 20, -8, 22, 0, 18);
  cairo_curve_to(cr, 8, 22, 16, 20, 24, 24);
  cairo_curve_to(cr, 22, 14, 10, 10, 2, 14);
  cairo_close_path(cr);
  inked(cr, pal::bone, artshade(pal::bone, 0.8), 10, 24, 2.5);
  cairo_arc(cr, 0, 22, 6, 0.2, M_PI - 0.2);  // a smile under it
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 2.2);
  cairo_stroke(cr);
  for (int k = -1; k <= 1; k += 2) {
    blob(cr, k * 20, 10, 5, 3);
    artsetcolor(cr, pal::blood, 0.3);
    cairo_fill(cr);
  }
  cairo_restore(cr);
  cairo_restore(cr);
}

}  // namespace uikit
