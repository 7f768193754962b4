// The story's shared pictures: the text panel every chapter hangs at the top of its scene, and
// the censored sign slapped over Mr. Pudding while he changes.
#include "tools/forge/forge_story.h"
#include "tools/forge/forge_story_kit.h"
#include <cmath>

using namespace storykit;

namespace {

// The text panel: centred at (midx, 70) it hangs from just above the screen's top edge. Its
// rows in screen terms (picture y = screen y + 5): the title around y 12..15, three text lines
// from y 40 to 90 (520 pixels wide), the last line at y 109.
constexpr int fieldw = 660, fieldh = 150;

void textfield() {
  cairo_t* cr = artnew(fieldw, fieldh);
  const double x0 = 24, x1 = fieldw - 24, top = 4, bottom = 134;  // the banner's body
  light L = lightfrom(100, col::lamp, 0.4, 0.3);
  // drop shadow, soft, fading out before the picture's edge
  for (int i = 8; i >= 1; i--) {
    artroundrect(cr, x0 - i * 1.2 + 2, top, x1 - x0 + i * 2.4, bottom - top + 3 + i * 1.2, 26 + i);
    artsetcolor(cr, pal::ink, 0.06);
    cairo_fill(cr);
  }
  // the banner: square at the top (it hangs from off screen), rounded at the bottom
  auto bannerpath = [&](double inset) {
    double r = 24 - inset * 0.5;
    cairo_new_path(cr);
    cairo_move_to(cr, x0 + inset, top - 1);
    cairo_line_to(cr, x1 - inset, top - 1);
    cairo_line_to(cr, x1 - inset, bottom - inset - r);
    cairo_arc(cr, x1 - inset - r, bottom - inset - r, r, 0, M_PI / 2);
    // a shallow dip in the middle of the bottom edge, like cloth hanging
    cairo_curve_to(cr, fieldw * 0.62, bottom - inset + 4, fieldw * 0.38, bottom - inset + 4, x0 + inset + r,
                   bottom - inset);
    cairo_arc(cr, x0 + inset + r, bottom - inset - r, r, M_PI / 2, M_PI);
    cairo_close_path(cr);
  };
  // gold rim
  bannerpath(0);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, top, 0, bottom);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.93, 0.72, 0.3);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.62, 0.36, 0.12);
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 3.5);
  cairo_stroke(cr);
  // the cloth: deep purple, a touch lighter in the middle where the text sits
  bannerpath(7);
  cairo_path_t* cloth = cairo_copy_path(cr);
  g = cairo_pattern_create_radial(fieldw / 2, 60, 20, fieldw / 2, 70, fieldw * 0.55);
  cairo_pattern_add_color_stop_rgba(g, 0, 0.26, 0.15, 0.40, 0.97);
  cairo_pattern_add_color_stop_rgba(g, 1, 0.12, 0.07, 0.22, 0.97);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  cairo_save(cr);
  cairo_append_path(cr, cloth);
  cairo_clip(cr);
  dabs(cr, x0, top, x1 - x0, bottom - top, rgb{0.36, 0.22, 0.5}, 0.22, 60, 40, 71);
  // the title band, a little darker, with a fine gold line under it
  cairo_rectangle(cr, x0, top, x1 - x0, 27);
  artsetcolor(cr, pal::ink, 0.35);
  cairo_fill(cr);
  for (double y : {29.0, 104.0}) {
    cairo_move_to(cr, x0 + 40, y);
    cairo_line_to(cr, x1 - 40, y);
    artsetcolor(cr, pal::gold, 0.55);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    for (double side : {-1.0, 1.0}) {  // little diamonds at the line's ends
      double cx = fieldw / 2 + side * (fieldw / 2 - 64);
      poly(cr, {{cx, y - 4}, {cx + 4, y}, {cx, y + 4}, {cx - 4, y}});
      artsetcolor(cr, pal::gold, 0.8);
      cairo_fill(cr);
    }
  }
  // candle-warm light from above
  g = cairo_pattern_create_linear(0, top, 0, bottom);
  cairo_pattern_add_color_stop_rgba(g, 0, 1, 0.8, 0.45, 0.1);
  cairo_pattern_add_color_stop_rgba(g, 1, 1, 0.8, 0.45, 0);
  cairo_set_source(cr, g);
  cairo_paint(cr);
  cairo_pattern_destroy(g);
  cairo_restore(cr);
  cairo_append_path(cr, cloth);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 2.5);
  cairo_stroke(cr);
  cairo_path_destroy(cloth);
  // corner ornaments: a cobweb on the left, a little pumpkin on the right, a bat hanging
  cairo_save(cr);
  cairo_translate(cr, x0 + 8, top + 28);
  artsetcolor(cr, pal::bone, 0.35);
  cairo_set_line_width(cr, 1.1);
  for (int i = 0; i <= 4; i++) {
    double a = i * M_PI / 8;
    cairo_move_to(cr, 0, 0);
    cairo_line_to(cr, 34 * std::cos(a), 34 * std::sin(a));
  }
  for (int k = 1; k <= 3; k++) {
    double rr = 34.0 * k / 3.4;
    cairo_move_to(cr, rr, 0);
    for (int i = 1; i <= 4; i++) {
      double a1 = i * M_PI / 8, am = a1 - M_PI / 16;
      cairo_curve_to(cr, rr * 0.82 * std::cos(am), rr * 0.82 * std::sin(am), rr * 0.82 * std::cos(am),
                     rr * 0.82 * std::sin(am), rr * std::cos(a1), rr * std::sin(a1));
    }
  }
  cairo_stroke(cr);
  cairo_restore(cr);
  pumpkin(cr, x1 - 26, bottom - 10, 30, true, L);
  // the bat dangles from the title band's right end
  cairo_save(cr);
  cairo_translate(cr, x1 - 70, 40);
  cairo_scale(cr, 0.55, -0.55);
  artsetcolor(cr, pal::ink);
  cairo_move_to(cr, 0, -6);
  cairo_curve_to(cr, -10, -16, -24, -16, -34, -8);
  cairo_curve_to(cr, -26, -4, -22, 0, -15, 4);
  cairo_curve_to(cr, -10, 1, -6, 2, 0, 8);
  cairo_curve_to(cr, 6, 2, 10, 1, 15, 4);
  cairo_curve_to(cr, 22, 0, 26, -4, 34, -8);
  cairo_curve_to(cr, 24, -16, 10, -16, 0, -6);
  cairo_close_path(cr);
  cairo_fill(cr);
  cairo_restore(cr);
  cairo_move_to(cr, x1 - 70, 29);
  cairo_line_to(cr, x1 - 70, 36);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  artsetcolor(cr, pal::gold);
  cairo_arc(cr, x1 - 72, 43, 1, 0, 2 * M_PI);
  cairo_arc(cr, x1 - 68, 43, 1, 0, 2 * M_PI);
  cairo_fill(cr);
  grain(cr, 0.025, 72);
  artsave(cr, "story/storytextfield.png");
}

// The censored sign: a black bar, a stamped word and two strips of tape, tilted a little.
constexpr int censw = 320, censh = 160;

void censored() {
  cairo_t* cr = artnew(censw, censh);
  cairo_translate(cr, censw / 2.0, censh / 2.0);
  cairo_rotate(cr, -7 * M_PI / 180);
  const double w = 262, h = 92;
  // shadow
  for (int i = 6; i >= 1; i--) {
    artroundrect(cr, -w / 2 - i + 4, -h / 2 - i + 6, w + 2 * i, h + 2 * i, 8 + i);
    artsetcolor(cr, pal::ink, 0.07);
    cairo_fill(cr);
  }
  artroundrect(cr, -w / 2, -h / 2, w, h, 6);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, -h / 2, 0, h / 2);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.16, 0.14, 0.18);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.05, 0.04, 0.07);
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  // a stamped frame and the word, in a slightly worn red
  artroundrect(cr, -w / 2 + 10, -h / 2 + 10, w - 20, h - 20, 4);
  artsetcolor(cr, pal::blood, 0.9);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  artfont(cr, "sans", 40);
  arttext(cr, "CENSORED", 0, 2, artshade(pal::blood, 1.25), 0);
  // worn stamp: specks knocked out of the ink
  rng r(91);
  for (int i = 0; i < 90; i++) {
    cairo_arc(cr, r.range(-w / 2 + 12, w / 2 - 12), r.range(-h / 2 + 12, h / 2 - 12), r.range(0.6, 1.8), 0, 2 * M_PI);
    artsetcolor(cr, rgb{0.1, 0.09, 0.12}, 0.8);
    cairo_fill(cr);
  }
  // tape at two corners
  for (double side : {-1.0, 1.0}) {
    cairo_save(cr);
    cairo_translate(cr, side * (w / 2 - 8), -h / 2 + 4);
    cairo_rotate(cr, side * 0.7);
    cairo_rectangle(cr, -26, -9, 52, 18);
    artsetcolor(cr, rgb{0.95, 0.9, 0.72}, 0.85);
    cairo_fill_preserve(cr);
    artsetcolor(cr, pal::ink, 0.35);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    cairo_restore(cr);
  }
  cairo_identity_matrix(cr);
  grain(cr, 0.03, 92);
  artsave(cr, "texts/censored.png");
}

}  // namespace

void forgestory_common() {
  textfield();
  censored();
}

std::vector<pictureentry> manifest_story_common() {
  return {
      {"story/storytextfield.png", fieldw, fieldh, "story text panel: chapter title, three text lines, last line"},
      {"texts/censored.png", censw, censh, "censored sign over Mr. Pudding in chapter 1"},
  };
}
