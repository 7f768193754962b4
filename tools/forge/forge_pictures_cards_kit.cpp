#include "tools/forge/forge_pictures_cards_kit.h"
#include <cmath>

rgb cardsuitcolor(int suit) {
  switch (suit) {
    case 1: return pal::blood;                               // hearts: friendly blood red
    case 2: return pal::ink;                                 // spades: ink
    case 3: return artmix(pal::blood, pal::pumpkin, 0.55);   // diamonds: pumpkin red
    default: return artmix(pal::night, pal::teal, 0.22);     // clubs: night blue
  }
}

bool cardsuitred(int suit) { return suit == 1 || suit == 3; }

void cardsuitpath(cairo_t* cr, int suit, double cx, double cy, double s) {
  cairo_new_sub_path(cr);
  switch (suit) {
    case 1:  // heart
      cairo_move_to(cr, cx, cy - 0.24 * s);
      cairo_curve_to(cr, cx + 0.08 * s, cy - 0.52 * s, cx + 0.52 * s, cy - 0.54 * s, cx + 0.52 * s, cy - 0.18 * s);
      cairo_curve_to(cr, cx + 0.52 * s, cy + 0.08 * s, cx + 0.20 * s, cy + 0.28 * s, cx, cy + 0.50 * s);
      cairo_curve_to(cr, cx - 0.20 * s, cy + 0.28 * s, cx - 0.52 * s, cy + 0.08 * s, cx - 0.52 * s, cy - 0.18 * s);
      cairo_curve_to(cr, cx - 0.52 * s, cy - 0.54 * s, cx - 0.08 * s, cy - 0.52 * s, cx, cy - 0.24 * s);
      cairo_close_path(cr);
      break;
    case 2:  // spade
      cairo_move_to(cr, cx, cy - 0.50 * s);
      cairo_curve_to(cr, cx + 0.18 * s, cy - 0.28 * s, cx + 0.50 * s, cy - 0.12 * s, cx + 0.50 * s, cy + 0.12 * s);
      cairo_curve_to(cr, cx + 0.50 * s, cy + 0.36 * s, cx + 0.16 * s, cy + 0.40 * s, cx + 0.05 * s, cy + 0.22 * s);
      cairo_curve_to(cr, cx + 0.07 * s, cy + 0.38 * s, cx + 0.14 * s, cy + 0.46 * s, cx + 0.22 * s, cy + 0.50 * s);
      cairo_line_to(cr, cx - 0.22 * s, cy + 0.50 * s);
      cairo_curve_to(cr, cx - 0.14 * s, cy + 0.46 * s, cx - 0.07 * s, cy + 0.38 * s, cx - 0.05 * s, cy + 0.22 * s);
      cairo_curve_to(cr, cx - 0.16 * s, cy + 0.40 * s, cx - 0.50 * s, cy + 0.36 * s, cx - 0.50 * s, cy + 0.12 * s);
      cairo_curve_to(cr, cx - 0.50 * s, cy - 0.12 * s, cx - 0.18 * s, cy - 0.28 * s, cx, cy - 0.50 * s);
      cairo_close_path(cr);
      break;
    case 3:  // diamond
      cairo_move_to(cr, cx, cy - 0.52 * s);
      cairo_curve_to(cr, cx + 0.12 * s, cy - 0.32 * s, cx + 0.26 * s, cy - 0.14 * s, cx + 0.40 * s, cy);
      cairo_curve_to(cr, cx + 0.26 * s, cy + 0.14 * s, cx + 0.12 * s, cy + 0.32 * s, cx, cy + 0.52 * s);
      cairo_curve_to(cr, cx - 0.12 * s, cy + 0.32 * s, cx - 0.26 * s, cy + 0.14 * s, cx - 0.40 * s, cy);
      cairo_curve_to(cr, cx - 0.26 * s, cy - 0.14 * s, cx - 0.12 * s, cy - 0.32 * s, cx, cy - 0.52 * s);
      cairo_close_path(cr);
      break;
    default: {  // club: three leaves and a flared stem
      double r = 0.235 * s;
      cairo_arc(cr, cx, cy - 0.26 * s, r, 0, 2 * M_PI);
      cairo_close_path(cr);
      cairo_new_sub_path(cr);
      cairo_arc(cr, cx - 0.255 * s, cy + 0.07 * s, r, 0, 2 * M_PI);
      cairo_close_path(cr);
      cairo_new_sub_path(cr);
      cairo_arc(cr, cx + 0.255 * s, cy + 0.07 * s, r, 0, 2 * M_PI);
      cairo_close_path(cr);
      cairo_new_sub_path(cr);
      cairo_move_to(cr, cx - 0.05 * s, cy);
      cairo_curve_to(cr, cx - 0.05 * s, cy + 0.30 * s, cx - 0.12 * s, cy + 0.44 * s, cx - 0.22 * s, cy + 0.50 * s);
      cairo_line_to(cr, cx + 0.22 * s, cy + 0.50 * s);
      cairo_curve_to(cr, cx + 0.12 * s, cy + 0.44 * s, cx + 0.05 * s, cy + 0.30 * s, cx + 0.05 * s, cy);
      cairo_close_path(cr);
      break;
    }
  }
}

void cardsuit(cairo_t* cr, int suit, double cx, double cy, double size, double edge) {
  rgb c = cardsuitcolor(suit);
  // Stroke every part first and fill over it: overlapping club leaves then share one outline.
  cairo_new_path(cr);
  cardsuitpath(cr, suit, cx, cy, size);
  if (edge > 0) {
    artsetcolor(cr, suit == 2 ? artshade(pal::plum, 0.8) : pal::ink, suit == 2 ? 0.9 : 1.0);
    cairo_set_line_width(cr, edge * 2);
    cairo_stroke_preserve(cr);
  }
  cairo_pattern_t* g = cairo_pattern_create_linear(0, cy - size / 2, 0, cy + size / 2);
  rgb top = artshade(c, suit == 2 ? 2.2 : 1.25), bottom = c;
  if (suit == 2) top = artmix(pal::ink, pal::plum, 0.45);
  cairo_pattern_add_color_stop_rgb(g, 0, top.r, top.g, top.b);
  cairo_pattern_add_color_stop_rgb(g, 1, bottom.r, bottom.g, bottom.b);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  // A soft shine on the upper left makes the symbol look round and friendly.
  if (size >= 14) {
    cairo_save(cr);
    cardsuitpath(cr, suit, cx, cy, size);
    cairo_clip(cr);
    cardellipse(cr, cx - 0.2 * size, cy - 0.22 * size, 0.16 * size, 0.09 * size);
    artsetcolor(cr, pal::bone, 0.35);
    cairo_fill(cr);
    cairo_restore(cr);
  }
}

void cardshape(cairo_t* cr, double w, double h, double inset, double radius) {
  cairo_new_path(cr);
  artroundrect(cr, inset, inset, w - 2 * inset, h - 2 * inset, radius);
}

void cardblank(cairo_t* cr, rgb top, rgb bottom, double w, double h) {
  cardshape(cr, w, h);
  artfilloutline(cr, top, bottom, 0, h, 3);
}

void cardclip(cairo_t* cr, double w, double h) {
  cairo_save(cr);
  cardshape(cr, w, h, 4, 7.5);
  cairo_clip(cr);
}

void cardtext(cairo_t* cr, const std::string& face, double size, const std::string& text, double x, double y, rgb fill,
              double outline, double maxw, rgb outlinecolor) {
  artfont(cr, face, size);
  cairo_text_extents_t e;
  cairo_text_extents(cr, text.c_str(), &e);
  double sx = (maxw > 0 && e.width > maxw) ? maxw / e.width : 1.0;
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, sx, 1);
  arttext(cr, text, 0, 0, fill, outline, outlinecolor);
  cairo_restore(cr);
}

void cardellipse(cairo_t* cr, double cx, double cy, double rx, double ry) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, rx, ry);
  cairo_new_sub_path(cr);
  cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
  cairo_close_path(cr);
  cairo_restore(cr);
}

void cardfillstroke(cairo_t* cr, rgb fill, double outline, double alpha) {
  artsetcolor(cr, fill, alpha);
  if (outline > 0) {
    cairo_fill_preserve(cr);
    artsetcolor(cr, pal::ink, alpha);
    cairo_set_line_width(cr, outline);
    cairo_stroke(cr);
  } else {
    cairo_fill(cr);
  }
}

void cardstar(cairo_t* cr, double cx, double cy, double r, double inner, int points, double turn) {
  cairo_new_sub_path(cr);
  for (int i = 0; i < points * 2; i++) {
    double a = (turn + i * 180.0 / points) * M_PI / 180;
    double rr = (i % 2) ? inner : r;
    if (i == 0)
      cairo_move_to(cr, cx + rr * std::cos(a), cy + rr * std::sin(a));
    else
      cairo_line_to(cr, cx + rr * std::cos(a), cy + rr * std::sin(a));
  }
  cairo_close_path(cr);
}

void cardeye(cairo_t* cr, double cx, double cy, double r, double lookx, double looky) {
  cairo_new_path(cr);
  cardellipse(cr, cx, cy, r, r * 1.15);
  cardfillstroke(cr, {1, 1, 1}, std::fmax(0.8, r * 0.22));
  cairo_new_path(cr);
  cardellipse(cr, cx + lookx * r * 0.4, cy + looky * r * 0.4, r * 0.5, r * 0.58);
  artsetcolor(cr, pal::ink);
  cairo_fill(cr);
  cardellipse(cr, cx + lookx * r * 0.4 - r * 0.18, cy + looky * r * 0.4 - r * 0.22, r * 0.16, r * 0.16);
  artsetcolor(cr, {1, 1, 1});
  cairo_fill(cr);
}

void cardribbon(cairo_t* cr, double y, const std::string& text, rgb colour, double w) {
  // A wide band with folded tails; its caption is set as large as the band allows (about 12
  // pixels tall) and only squeezed sideways for the longest names.
  double hh = 12.5;
  cairo_new_path(cr);
  for (int side = -1; side <= 1; side += 2) {
    double x0 = side < 0 ? 4 : w - 4, x1 = side < 0 ? 12 : w - 12;
    cairo_move_to(cr, x0, y - hh + 5);
    cairo_line_to(cr, x1, y - hh + 5);
    cairo_line_to(cr, x1, y + hh + 4);
    cairo_line_to(cr, x0, y + hh + 4);
    cairo_line_to(cr, x0 + side * -5, y + 4.5);
    cairo_close_path(cr);
  }
  cardfillstroke(cr, artshade(colour, 0.65), 1.6);
  cairo_new_path(cr);
  artroundrect(cr, 7, y - hh, w - 14, 2 * hh, 4);
  artfilloutline(cr, artshade(colour, 1.25), colour, y - hh, y + hh, 2);
  cairo_new_path(cr);
  artroundrect(cr, 10, y - hh + 2.5, w - 20, 5, 2.5);
  artsetcolor(cr, {1, 1, 1}, 0.18);
  cairo_fill(cr);
  cardtext(cr, "comic", 17, text, w / 2, y + 0.5, pal::bone, 3.2, w - 20);
}

void cardsmile(cairo_t* cr, double cx, double cy, double w, double depth, double lw) {
  cairo_new_path(cr);
  cairo_move_to(cr, cx - w, cy);
  cairo_curve_to(cr, cx - w * 0.5, cy + depth, cx + w * 0.5, cy + depth, cx + w, cy);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, lw);
  cairo_stroke(cr);
}
