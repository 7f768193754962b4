// The special cards: plants, items, bonus cards, animals and covers, plus the two aiming
// pointers, the highlight frame and the panel under the used-up stock.
#include "tools/forge/forge_pictures_cards_kit.h"
#include <cmath>

namespace {

void line(cairo_t* cr, double x0, double y0, double x1, double y1, rgb c, double w, double alpha = 1) {
  cairo_new_path(cr);
  cairo_move_to(cr, x0, y0);
  cairo_line_to(cr, x1, y1);
  artsetcolor(cr, c, alpha);
  cairo_set_line_width(cr, w);
  cairo_stroke(cr);
}

void circle(cairo_t* cr, double cx, double cy, double r) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
  cairo_close_path(cr);
}

// A special card's frame: a coloured field, an inner bone line and a soft glow behind the emblem.
void cardfieldbase(cairo_t* cr, rgb top, rgb bottom, rgb glow, double glowy = 62) {
  cardblank(cr, top, bottom);
  cardclip(cr);
  artglow(cr, 48, glowy, 52, glow, 0.55);
  cairo_restore(cr);
  cairo_new_path(cr);
  artroundrect(cr, 7.5, 7.5, cardw - 15, cardh - 15, 5);
  artsetcolor(cr, pal::bone, 0.55);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
}

// ------------------------------------------------------------------------------------
// Plants. Each plant is drawn in its pot with the pot's base at (cx, cy); s is the whole height.

void pot(cairo_t* cr, double cx, double cy, double s) {
  double w = 0.34 * s, h = 0.3 * s;
  cairo_new_path(cr);
  cairo_move_to(cr, cx - w * 0.5, cy - h);
  cairo_line_to(cr, cx + w * 0.5, cy - h);
  cairo_line_to(cr, cx + w * 0.38, cy);
  cairo_line_to(cr, cx - w * 0.38, cy);
  cairo_close_path(cr);
  artfilloutline(cr, artshade(pal::plum, 1.2), artshade(pal::purple, 0.9), cy - h, cy, std::fmax(1.5, s * 0.025));
  cairo_new_path(cr);
  artroundrect(cr, cx - w * 0.58, cy - h - 0.07 * s, w * 1.16, 0.1 * s, 0.03 * s);
  artfilloutline(cr, artshade(pal::plum, 1.4), pal::plum, cy - h - 0.07 * s, cy - h + 0.03 * s, std::fmax(1.5, s * 0.025));
  // a little skull on the pot
  double k = cy - h * 0.45;
  cairo_new_path(cr);
  cardellipse(cr, cx, k, 0.055 * s, 0.05 * s);
  artsetcolor(cr, pal::bone, 0.85);
  cairo_fill(cr);
  for (int side = -1; side <= 1; side += 2) {
    cairo_new_path(cr);
    circle(cr, cx + side * 0.022 * s, k - 0.005 * s, 0.014 * s);
    artsetcolor(cr, pal::purple);
    cairo_fill(cr);
  }
}

void leaf(cairo_t* cr, double x, double y, double len, double angle, double wid, rgb c, double lw) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, angle);
  cairo_new_path(cr);
  cairo_move_to(cr, 0, 0);
  cairo_curve_to(cr, len * 0.3, -wid, len * 0.7, -wid, len, 0);
  cairo_curve_to(cr, len * 0.7, wid, len * 0.3, wid, 0, 0);
  cairo_close_path(cr);
  artfilloutline(cr, artshade(c, 1.25), c, -wid, wid, lw);
  cairo_restore(cr);
}

void stem(cairo_t* cr, double x0, double y0, double x1, double y1, double bend, double w) {
  cairo_new_path(cr);
  cairo_move_to(cr, x0, y0);
  cairo_curve_to(cr, x0 + bend, (y0 * 2 + y1) / 3, x1 + bend, (y0 + y1 * 2) / 3, x1, y1);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, w + 2.2);
  cairo_stroke_preserve(cr);
  artsetcolor(cr, pal::moss);
  cairo_set_line_width(cr, w);
  cairo_stroke(cr);
}

}  // namespace

void cardplantdraw(cairo_t* cr, int plant, double cx, double cy, double s) {
  double lw = std::fmax(1.3, s * 0.025);
  double top = cy - 0.37 * s;  // soil line
  rgb green = pal::moss;
  switch (plant) {
    case 1: {  // snapping flytrap
      stem(cr, cx, top, cx + 0.02 * s, cy - 0.62 * s, 0.06 * s, 0.05 * s);
      leaf(cr, cx, top, 0.22 * s, -2.5, 0.06 * s, green, lw);
      leaf(cr, cx, top, 0.22 * s, -0.6, 0.06 * s, green, lw);
      double hx = cx + 0.02 * s, hy = cy - 0.72 * s;
      for (int jaw = -1; jaw <= 1; jaw += 2) {
        cairo_new_path(cr);
        cairo_move_to(cr, hx - 0.2 * s, hy);
        cairo_curve_to(cr, hx - 0.2 * s, hy + jaw * 0.22 * s, hx + 0.2 * s, hy + jaw * 0.22 * s, hx + 0.24 * s, hy + jaw * 0.02 * s);
        cairo_close_path(cr);
        artfilloutline(cr, artshade(green, 1.3), green, hy - 0.2 * s, hy + 0.2 * s, lw);
        for (int t = 0; t < 4; t++) {  // teeth
          double tx = hx - 0.13 * s + t * 0.1 * s;
          cairo_new_path(cr);
          cairo_move_to(cr, tx - 0.025 * s, hy + jaw * 0.035 * s);
          cairo_line_to(cr, tx, hy - jaw * 0.03 * s);
          cairo_line_to(cr, tx + 0.025 * s, hy + jaw * 0.035 * s);
          cardfillstroke(cr, pal::bone, lw * 0.5);
        }
      }
      cairo_new_path(cr);
      cardellipse(cr, hx + 0.02 * s, hy, 0.16 * s, 0.035 * s);
      artsetcolor(cr, artmix(pal::blood, pal::pumpkin, 0.3));
      cairo_fill(cr);
      cardeye(cr, hx - 0.06 * s, hy - 0.13 * s, 0.05 * s, 0.3, 0);
      break;
    }
    case 2: {  // mandrake with a sleepy face
      for (int i = -1; i <= 1; i++) leaf(cr, cx, top - 0.22 * s, 0.26 * s, -M_PI / 2 + i * 0.6, 0.06 * s, green, lw);
      cairo_new_path(cr);
      cairo_move_to(cr, cx - 0.17 * s, top - 0.2 * s);
      cairo_curve_to(cr, cx - 0.2 * s, top + 0.02 * s, cx - 0.1 * s, top + 0.02 * s, cx, top + 0.01 * s);
      cairo_curve_to(cr, cx + 0.1 * s, top + 0.02 * s, cx + 0.2 * s, top + 0.02 * s, cx + 0.17 * s, top - 0.2 * s);
      cairo_curve_to(cr, cx + 0.14 * s, top - 0.3 * s, cx - 0.14 * s, top - 0.3 * s, cx - 0.17 * s, top - 0.2 * s);
      cairo_close_path(cr);
      artfilloutline(cr, artmix(pal::bone, pal::pumpkin, 0.35), artmix(pal::bone, pal::pumpkin, 0.6), top - 0.3 * s, top,
                     lw);
      for (int side = -1; side <= 1; side += 2) {
        cairo_new_path(cr);
        cairo_move_to(cr, cx + side * 0.09 * s, top - 0.15 * s);
        cairo_curve_to(cr, cx + side * 0.07 * s, top - 0.13 * s, cx + side * 0.05 * s, top - 0.13 * s,
                       cx + side * 0.03 * s, top - 0.15 * s);
        artsetcolor(cr, pal::ink);
        cairo_set_line_width(cr, lw * 0.8);
        cairo_stroke(cr);
      }
      cairo_new_path(cr);
      cardellipse(cr, cx, top - 0.07 * s, 0.03 * s, 0.025 * s);
      artsetcolor(cr, pal::ink);
      cairo_fill(cr);
      break;
    }
    case 3: {  // pumpkin sprout
      stem(cr, cx, top, cx + 0.12 * s, top - 0.35 * s, -0.1 * s, 0.035 * s);
      leaf(cr, cx + 0.05 * s, top - 0.2 * s, 0.18 * s, -2.6, 0.06 * s, green, lw);
      cairo_new_path(cr);
      cairo_move_to(cr, cx + 0.12 * s, top - 0.35 * s);
      cairo_curve_to(cr, cx + 0.25 * s, top - 0.45 * s, cx + 0.3 * s, top - 0.3 * s, cx + 0.22 * s, top - 0.3 * s);
      artsetcolor(cr, pal::moss);
      cairo_set_line_width(cr, lw);
      cairo_stroke(cr);
      double py = top - 0.12 * s;
      for (int i = -1; i <= 1; i++) {
        cairo_new_path(cr);
        cardellipse(cr, cx + i * 0.08 * s, py, 0.13 * s - std::abs(i) * 0.02 * s, 0.13 * s);
        artfilloutline(cr, artshade(pal::pumpkin, 1.2), artshade(pal::pumpkin, 0.8), py - 0.13 * s, py + 0.13 * s, lw);
      }
      for (int side = -1; side <= 1; side += 2) {
        cairo_new_path(cr);
        cairo_move_to(cr, cx + side * 0.04 * s, py - 0.02 * s);
        cairo_line_to(cr, cx + side * 0.12 * s, py - 0.02 * s);
        cairo_line_to(cr, cx + side * 0.08 * s, py - 0.08 * s);
        cairo_close_path(cr);
        artsetcolor(cr, pal::ink);
        cairo_fill(cr);
      }
      cairo_new_path(cr);
      cairo_move_to(cr, cx - 0.1 * s, py + 0.04 * s);
      cairo_curve_to(cr, cx - 0.05 * s, py + 0.09 * s, cx + 0.05 * s, py + 0.09 * s, cx + 0.1 * s, py + 0.04 * s);
      cairo_close_path(cr);
      artsetcolor(cr, pal::ink);
      cairo_fill(cr);
      break;
    }
    case 4: {  // spotted toadstool with a smile
      cairo_new_path(cr);
      artroundrect(cr, cx - 0.08 * s, top - 0.28 * s, 0.16 * s, 0.3 * s, 0.05 * s);
      artfilloutline(cr, pal::bone, artshade(pal::bone, 0.85), top - 0.28 * s, top, lw);
      double capy = top - 0.28 * s;
      cairo_new_path(cr);
      cairo_move_to(cr, cx - 0.3 * s, capy + 0.02 * s);
      cairo_curve_to(cr, cx - 0.3 * s, capy - 0.36 * s, cx + 0.3 * s, capy - 0.36 * s, cx + 0.3 * s, capy + 0.02 * s);
      cairo_close_path(cr);
      artfilloutline(cr, artshade(pal::plum, 1.35), pal::purple, capy - 0.27 * s, capy, lw);
      double spots[4][3] = {{-0.15, -0.08, 0.045}, {0.02, -0.19, 0.05}, {0.17, -0.07, 0.04}, {-0.03, -0.05, 0.03}};
      for (auto& sp : spots) {
        cairo_new_path(cr);
        circle(cr, cx + sp[0] * s, capy + sp[1] * s, sp[2] * s);
        artsetcolor(cr, pal::mint);
        cairo_fill(cr);
      }
      cardeye(cr, cx - 0.035 * s, top - 0.17 * s, 0.025 * s, 0, 0.2);
      cardeye(cr, cx + 0.035 * s, top - 0.17 * s, 0.025 * s, 0, 0.2);
      cardsmile(cr, cx, top - 0.09 * s, 0.035 * s, 0.03 * s, lw * 0.7);
      break;
    }
    case 5: {  // grumpy-happy cactus
      rgb c = artmix(pal::moss, pal::teal, 0.3);
      for (int side = -1; side <= 1; side += 2) {
        cairo_new_path(cr);
        double ax = cx + side * 0.13 * s, ay = top - 0.22 * s;
        cairo_move_to(cr, cx + side * 0.06 * s, ay + 0.04 * s);
        cairo_line_to(cr, ax, ay + 0.04 * s);
        cairo_line_to(cr, ax, ay - 0.12 * s + side * 0.04 * s);
        artsetcolor(cr, pal::ink);
        cairo_set_line_width(cr, 0.09 * s + 2.2);
        cairo_stroke_preserve(cr);
        artsetcolor(cr, c);
        cairo_set_line_width(cr, 0.09 * s);
        cairo_stroke(cr);
      }
      cairo_new_path(cr);
      artroundrect(cr, cx - 0.09 * s, top - 0.5 * s, 0.18 * s, 0.51 * s, 0.09 * s);
      artfilloutline(cr, artshade(c, 1.2), c, top - 0.5 * s, top, lw);
      for (int i = 0; i < 5; i++) {
        double y = top - 0.44 * s + i * 0.09 * s;
        line(cr, cx - 0.11 * s, y, cx - 0.14 * s, y - 0.015 * s, pal::ink, lw * 0.5);
        line(cr, cx + 0.11 * s, y + 0.04 * s, cx + 0.14 * s, y + 0.025 * s, pal::ink, lw * 0.5);
      }
      cardeye(cr, cx - 0.035 * s, top - 0.33 * s, 0.026 * s, 0, 0.2);
      cardeye(cr, cx + 0.035 * s, top - 0.33 * s, 0.026 * s, 0, 0.2);
      cardsmile(cr, cx, top - 0.25 * s, 0.035 * s, 0.03 * s, lw * 0.7);
      cardstar(cr, cx, top - 0.52 * s, 0.06 * s, 0.025 * s, 5);  // a flower on top
      cardfillstroke(cr, pal::pumpkin, lw * 0.6);
      break;
    }
    case 6: {  // eyeball flower
      stem(cr, cx, top, cx, top - 0.42 * s, 0.05 * s, 0.04 * s);
      leaf(cr, cx, top - 0.1 * s, 0.17 * s, -0.4, 0.05 * s, green, lw);
      leaf(cr, cx, top - 0.18 * s, 0.17 * s, -2.7, 0.05 * s, green, lw);
      double fy = top - 0.45 * s;
      for (int i = 0; i < 7; i++) {
        double a = i * 2 * M_PI / 7;
        cairo_new_path(cr);
        cardellipse(cr, cx + 0.13 * s * std::cos(a), fy + 0.13 * s * std::sin(a), 0.075 * s, 0.075 * s);
        artfilloutline(cr, artshade(pal::blood, 1.4), pal::blood, fy - 0.2 * s, fy + 0.2 * s, lw);
      }
      cardeye(cr, cx, fy, 0.11 * s, 0.2, 0.2);
      break;
    }
    case 7: {  // grinning sunflower
      stem(cr, cx, top, cx, top - 0.4 * s, -0.05 * s, 0.04 * s);
      leaf(cr, cx, top - 0.12 * s, 0.18 * s, -0.5, 0.05 * s, green, lw);
      leaf(cr, cx, top - 0.08 * s, 0.18 * s, -2.6, 0.05 * s, green, lw);
      double fy = top - 0.46 * s;
      cairo_new_path(cr);
      cardstar(cr, cx, fy, 0.24 * s, 0.13 * s, 11);
      artfilloutline(cr, artshade(pal::gold, 1.2), pal::gold, fy - 0.24 * s, fy + 0.24 * s, lw);
      cairo_new_path(cr);
      circle(cr, cx, fy, 0.13 * s);
      artfilloutline(cr, artmix(pal::pumpkin, pal::blood, 0.2), artshade(pal::pumpkin, 0.6), fy - 0.13 * s, fy + 0.13 * s,
                     lw);
      cardeye(cr, cx - 0.05 * s, fy - 0.03 * s, 0.03 * s, 0, 0.2);
      cardeye(cr, cx + 0.05 * s, fy - 0.03 * s, 0.03 * s, 0, 0.2);
      cairo_new_path(cr);
      cairo_move_to(cr, cx - 0.07 * s, fy + 0.04 * s);
      cairo_curve_to(cr, cx - 0.03 * s, fy + 0.1 * s, cx + 0.03 * s, fy + 0.1 * s, cx + 0.07 * s, fy + 0.04 * s);
      cairo_close_path(cr);
      cardfillstroke(cr, pal::ink, 0);
      break;
    }
    default: {  // glowing ghost bells
      stem(cr, cx, top, cx - 0.02 * s, top - 0.5 * s, 0.08 * s, 0.035 * s);
      leaf(cr, cx, top - 0.05 * s, 0.2 * s, -0.3, 0.05 * s, green, lw);
      leaf(cr, cx, top - 0.05 * s, 0.2 * s, -2.8, 0.05 * s, green, lw);
      double bells[3][2] = {{-0.14, -0.42}, {0.12, -0.33}, {-0.02, -0.55}};
      for (auto& b : bells) {
        double bx = cx + b[0] * s, by = top + b[1] * s;
        line(cr, cx + 0.01 * s, top - 0.3 * s + (b[1] + 0.3) * 0.4 * s, bx, by - 0.06 * s, pal::moss, lw);
        artglow(cr, bx, by + 0.03 * s, 0.14 * s, pal::mint, 0.6);
        cairo_new_path(cr);
        cairo_move_to(cr, bx - 0.08 * s, by + 0.06 * s);
        cairo_curve_to(cr, bx - 0.08 * s, by - 0.09 * s, bx + 0.08 * s, by - 0.09 * s, bx + 0.08 * s, by + 0.06 * s);
        cairo_line_to(cr, bx + 0.04 * s, by + 0.04 * s);
        cairo_line_to(cr, bx, by + 0.07 * s);
        cairo_line_to(cr, bx - 0.04 * s, by + 0.04 * s);
        cairo_close_path(cr);
        artfilloutline(cr, {1, 1, 1}, pal::mint, by - 0.08 * s, by + 0.07 * s, lw);
        cairo_new_path(cr);
        circle(cr, bx - 0.025 * s, by - 0.01 * s, 0.012 * s);
        circle(cr, bx + 0.025 * s, by - 0.01 * s, 0.012 * s);
        artsetcolor(cr, pal::ink);
        cairo_fill(cr);
      }
      break;
    }
  }
  pot(cr, cx, cy, s);
}

void cardplant(cairo_t* cr, int plant) {
  rgb top = artmix(pal::bone, pal::mint, 0.45), bottom = artmix(pal::bone, pal::moss, 0.45);
  cardblank(cr, top, bottom);
  cardclip(cr);
  artglow(cr, 48, 72, 50, pal::gold, 0.45);
  // ground hills behind the pot
  cairo_new_path(cr);
  cairo_move_to(cr, 0, 118);
  cairo_curve_to(cr, 30, 106, 60, 112, 96, 104);
  cairo_line_to(cr, 96, 142);
  cairo_line_to(cr, 0, 142);
  cairo_close_path(cr);
  artsetcolor(cr, pal::moss, 0.45);
  cairo_fill(cr);
  cairo_restore(cr);
  cardplantdraw(cr, plant, 50, 126, 96);
  // the plant plays as rank k: its corner says so in green
  rgb c = artshade(pal::moss, 0.6);
  const char* rank[9] = {"", "A", "2", "3", "4", "5", "6", "7", "8"};
  for (int turn = 0; turn < 2; turn++) {
    cairo_save(cr);
    if (turn) {
      cairo_translate(cr, cardw, cardh);
      cairo_rotate(cr, M_PI);
    }
    cardtext(cr, "sans", 25, rank[plant], 14, 19, c, 0, 20);
    leaf(cr, 8, 40, 13, -0.35, 4, pal::moss, 1);
    cairo_restore(cr);
  }
}

void cardbarplant(cairo_t* cr, int plant, int w, int h) {
  // The tallest plants reach up to the picture's top: they are drawn a little smaller than
  // the picture so their leaves and the glow keep clear of its border.
  artglow(cr, w / 2.0, h * 0.47, std::fmin(w / 2.0, h * 0.47) - 1, pal::mint, 0.25);
  cardplantdraw(cr, plant, w / 2.0, h - 3, h - 9);
}

// ------------------------------------------------------------------------------------
// Items

namespace {

void fishemblem(cairo_t* cr) {
  cairo_save(cr);
  cairo_translate(cr, 48, 62);
  cairo_rotate(cr, -0.5);
  // motion lines behind the slap
  for (int i = 0; i < 3; i++) line(cr, -40, -12 + i * 12, -30, -12 + i * 12, pal::bone, 2.5, 0.8);
  cairo_new_path(cr);
  cairo_move_to(cr, -26, 0);
  cairo_curve_to(cr, -16, -20, 14, -20, 26, 0);
  cairo_curve_to(cr, 14, 20, -16, 20, -26, 0);
  cairo_close_path(cr);
  artfilloutline(cr, artmix(pal::sky, pal::mint, 0.5), pal::sky, -16, 16, 2.2);
  cairo_new_path(cr);  // tail
  cairo_move_to(cr, -24, 0);
  cairo_line_to(cr, -38, -13);
  cairo_line_to(cr, -34, 0);
  cairo_line_to(cr, -38, 13);
  cairo_close_path(cr);
  artfilloutline(cr, pal::mint, pal::sky, -13, 13, 2);
  cairo_new_path(cr);  // fin
  cairo_move_to(cr, -6, -13);
  cairo_line_to(cr, 2, -22);
  cairo_line_to(cr, 8, -13);
  cardfillstroke(cr, pal::mint, 1.8);
  for (int i = 0; i < 3; i++) {
    cairo_new_path(cr);
    cairo_arc(cr, -8 + i * 7, 2, 4, -0.8, 0.8);
    artsetcolor(cr, pal::night, 0.5);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
  }
  cardeye(cr, 15, -4, 4.5, 0.3, 0);
  cardsmile(cr, 20, 7, 3.5, -2, 1.5);
  cairo_restore(cr);
  cardtext(cr, "comic", 20, "SLAP!", 50, 24, pal::gold, 3.5, 70);
}

void gunemblem(cairo_t* cr) {
  // a cartoon blunderbuss over a crosshair
  cairo_new_path(cr);
  circle(cr, 48, 60, 28);
  artsetcolor(cr, pal::bone, 0.85);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  line(cr, 48, 26, 48, 40, pal::bone, 3, 0.85);
  line(cr, 48, 80, 48, 94, pal::bone, 3, 0.85);
  line(cr, 14, 60, 28, 60, pal::bone, 3, 0.85);
  line(cr, 68, 60, 82, 60, pal::bone, 3, 0.85);
  cairo_save(cr);
  cairo_translate(cr, 48, 62);
  cairo_rotate(cr, -0.55);
  cairo_new_path(cr);  // stock
  cairo_move_to(cr, -36, -2);
  cairo_curve_to(cr, -30, -6, -20, -6, -8, -5);
  cairo_line_to(cr, -6, 5);
  cairo_curve_to(cr, -18, 6, -28, 10, -38, 11);
  cairo_close_path(cr);
  artfilloutline(cr, artmix(pal::pumpkin, pal::ink, 0.2), artmix(pal::pumpkin, pal::ink, 0.5), -6, 11, 2);
  cairo_new_path(cr);  // barrel with a flared muzzle
  cairo_move_to(cr, -8, -5);
  cairo_line_to(cr, 28, -5);
  cairo_line_to(cr, 36, -9);
  cairo_line_to(cr, 36, 5);
  cairo_line_to(cr, 28, 2);
  cairo_line_to(cr, -8, 2);
  cairo_close_path(cr);
  artfilloutline(cr, artshade(pal::grey, 1.3), artshade(pal::grey, 0.7), -9, 5, 2);
  line(cr, -4, 3, -2, 9, pal::ink, 2);
  cairo_restore(cr);
  cardstar(cr, 82, 30, 11, 5, 8);  // bang
  cardfillstroke(cr, pal::gold, 1.6);
}

void turnemblem(cairo_t* cr) {
  // three cards turning over, a face, a half-turned card and a back
  for (int i = 0; i < 3; i++) {
    cairo_save(cr);
    cairo_translate(cr, 26 + i * 22, 62);
    cairo_rotate(cr, (i - 1) * 0.18);
    double sx = i == 1 ? 0.55 : 1;
    cairo_scale(cr, sx, 1);
    cairo_new_path(cr);
    artroundrect(cr, -13, -19, 26, 38, 4);
    if (i == 0) {
      artfilloutline(cr, artshade(pal::purple, 1.4), pal::purple, -19, 19, 2);
      cardstar(cr, 0, 0, 6, 2.5, 4);
      cardfillstroke(cr, pal::gold, 0);
    } else {
      artfilloutline(cr, pal::bone, artshade(pal::bone, 0.9), -19, 19, 2);
      cardsuit(cr, i == 1 ? 2 : 1, 0, 0, 16, 0.8);
    }
    cairo_restore(cr);
  }
  // a round arrow over them
  cairo_new_path(cr);
  cairo_arc(cr, 48, 58, 36, M_PI * 1.1, M_PI * 1.85);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 7);
  cairo_stroke_preserve(cr);
  artsetcolor(cr, pal::gold);
  cairo_set_line_width(cr, 4);
  cairo_stroke(cr);
  double a = M_PI * 1.85, ex = 48 + 36 * std::cos(a), ey = 58 + 36 * std::sin(a);
  cairo_new_path(cr);
  cairo_move_to(cr, ex + 8, ey - 6);
  cairo_line_to(cr, ex + 4, ey + 10);
  cairo_line_to(cr, ex - 9, ey - 1);
  cairo_close_path(cr);
  cardfillstroke(cr, pal::gold, 1.8);
}

void bowlemblem(cairo_t* cr) {
  // skittles being scattered by a big purple ball
  for (int i = 0; i < 3; i++) {
    double px = 58 + i * 11, py = 40 + (i % 2) * 6;
    cairo_save(cr);
    cairo_translate(cr, px, py);
    cairo_rotate(cr, 0.3 + i * 0.25);
    cairo_new_path(cr);
    cairo_move_to(cr, 0, -14);
    cairo_curve_to(cr, 5, -14, 5, -7, 2.5, -4);
    cairo_curve_to(cr, 7, 2, 7, 12, 4, 14);
    cairo_line_to(cr, -4, 14);
    cairo_curve_to(cr, -7, 12, -7, 2, -2.5, -4);
    cairo_curve_to(cr, -5, -7, -5, -14, 0, -14);
    cairo_close_path(cr);
    cardfillstroke(cr, pal::bone, 1.6);
    line(cr, -3, -4, 3, -4, pal::blood, 2);
    cairo_restore(cr);
  }
  cairo_new_path(cr);
  circle(cr, 40, 70, 25);
  artfilloutline(cr, artshade(pal::plum, 1.3), artshade(pal::purple, 0.7), 45, 95, 2.5);
  double holes[3][2] = {{33, 62}, {43, 60}, {37, 71}};
  for (auto& h : holes) {
    cairo_new_path(cr);
    circle(cr, h[0], h[1], 3.6);
    artsetcolor(cr, pal::ink);
    cairo_fill(cr);
  }
  cairo_new_path(cr);
  cardellipse(cr, 30, 56, 7, 4);
  artsetcolor(cr, {1, 1, 1}, 0.3);
  cairo_fill(cr);
  for (int i = 0; i < 3; i++) line(cr, 4, 58 + i * 10, 11, 58 + i * 10, pal::bone, 2.5, 0.8);
}

void maxemblem(cairo_t* cr) {
  // a combo meter bursting at the top
  artglow(cr, 48, 50, 38, pal::gold, 0.7);
  cairo_new_path(cr);
  artroundrect(cr, 16, 70, 64, 18, 8);
  artfilloutline(cr, artshade(pal::ink, 2.5), pal::ink, 70, 88, 2.5);
  cairo_new_path(cr);
  artroundrect(cr, 20, 74, 56, 10, 5);
  artfilloutline(cr, artshade(pal::gold, 1.3), pal::pumpkin, 74, 84, 0);
  for (int i = 0; i < 9; i++) {
    double a = M_PI + i * M_PI / 8;
    line(cr, 48 + 20 * std::cos(a), 56 + 20 * std::sin(a), 48 + 34 * std::cos(a), 56 + 34 * std::sin(a), pal::gold, 3);
  }
  cardtext(cr, "round", 28, "MAX", 48, 48, pal::gold, 4.5, 70);
  cardtext(cr, "comic", 14, "x 3.0", 48, 99, pal::bone, 3, 70);
}

void stackemblem(cairo_t* cr) {
  // a fresh stack of backs with a circling arrow: the stock comes back
  for (int i = 4; i >= 0; i--) {
    cairo_new_path(cr);
    artroundrect(cr, 30 + i * 3, 36 + i * 3, 36, 50, 5);
    artfilloutline(cr, artshade(pal::purple, 1.5), pal::purple, 36 + i * 3, 86 + i * 3, 2);
  }
  cardstar(cr, 48, 61, 9, 3.5, 4);
  cardfillstroke(cr, pal::gold, 1.2);
  for (int k = 0; k < 2; k++) {
    double a0 = k ? M_PI * 0.15 : M_PI * 1.15, a1 = a0 + M_PI * 0.6;
    cairo_new_path(cr);
    cairo_arc(cr, 51, 64, 40, a0, a1);
    artsetcolor(cr, pal::ink);
    cairo_set_line_width(cr, 7);
    cairo_stroke_preserve(cr);
    artsetcolor(cr, pal::mint);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    double ex = 51 + 40 * std::cos(a1), ey = 64 + 40 * std::sin(a1), tx = -std::sin(a1), ty = std::cos(a1);
    cairo_new_path(cr);
    cairo_move_to(cr, ex + tx * 10, ey + ty * 10);
    cairo_line_to(cr, ex - ty * 8, ey + tx * 8);
    cairo_line_to(cr, ex + ty * 8, ey - tx * 8);
    cairo_close_path(cr);
    cardfillstroke(cr, pal::mint, 1.8);
  }
}

void jokeremblem(cairo_t* cr) {
  // a jester's grin under a three-pointed hat with bells
  cairo_new_path(cr);
  circle(cr, 48, 70, 20);
  artfilloutline(cr, pal::bone, artshade(pal::bone, 0.85), 50, 90, 2.2);
  // three floppy points: red and orange to the sides, teal in the middle
  rgb hatc[3] = {pal::blood, pal::pumpkin, pal::teal};
  double tips[3][2] = {{12, 38}, {84, 38}, {48, 16}};
  for (int i = 0; i < 3; i++) {
    cairo_new_path(cr);
    if (i < 2) {
      double d = i ? -1 : 1;  // mirror the left point for the right one
      cairo_move_to(cr, 48 - d * 18, 58);
      cairo_curve_to(cr, 48 - d * 22, 46, 48 - d * 30, 40, tips[i][0], tips[i][1]);
      cairo_curve_to(cr, 48 - d * 26, 34, 48 - d * 12, 40, 48 - d * 2, 56);
    } else {
      cairo_move_to(cr, 36, 58);
      cairo_curve_to(cr, 38, 40, 44, 28, 48, 16);
      cairo_curve_to(cr, 52, 28, 58, 40, 60, 58);
    }
    cairo_close_path(cr);
    artfilloutline(cr, artshade(hatc[i], 1.3), hatc[i], tips[i][1], 58, 2);
  }
  cairo_new_path(cr);
  artroundrect(cr, 27, 54, 42, 8, 4);
  cardfillstroke(cr, pal::gold, 1.8);
  for (auto& t : tips) {
    cairo_new_path(cr);
    circle(cr, t[0], t[1], 4.5);
    cardfillstroke(cr, pal::gold, 1.6);
  }
  cardeye(cr, 41, 70, 3.6, 0.2, -0.1);
  cardeye(cr, 55, 70, 3.6, -0.2, -0.1);
  cairo_new_path(cr);
  cairo_move_to(cr, 36, 78);
  cairo_curve_to(cr, 42, 88, 54, 88, 60, 78);
  cairo_curve_to(cr, 54, 82, 42, 82, 36, 78);
  cardfillstroke(cr, pal::blood, 1.5);
  for (int side = -1; side <= 1; side += 2) {  // diamond marks on the cheeks
    cairo_new_path(cr);
    cardsuitpath(cr, 3, 48 + side * 13, 77, 6);
    artsetcolor(cr, pal::teal);
    cairo_fill(cr);
  }
}

void randomemblem(cairo_t* cr) {
  artglow(cr, 48, 58, 40, pal::mint, 0.6);
  for (int i = 0; i < 2; i++) {  // two tumbling dice
    cairo_save(cr);
    cairo_translate(cr, i ? 72 : 24, i ? 88 : 90);
    cairo_rotate(cr, i ? 0.35 : -0.3);
    cairo_new_path(cr);
    artroundrect(cr, -11, -11, 22, 22, 5);
    artfilloutline(cr, pal::bone, artshade(pal::bone, 0.85), -11, 11, 2);
    int pips = i ? 3 : 5;
    double pos[5][2] = {{-5, -5}, {5, 5}, {0, 0}, {5, -5}, {-5, 5}};
    for (int p = 0; p < pips; p++) {
      int idx = i ? (p == 0 ? 0 : p == 1 ? 2 : 1) : p;
      cairo_new_path(cr);
      circle(cr, pos[idx][0], pos[idx][1], 2.2);
      artsetcolor(cr, pal::blood);
      cairo_fill(cr);
    }
    cairo_restore(cr);
  }
  cardtext(cr, "round", 66, "?", 48, 56, pal::gold, 6, 80);
}

void sun(cairo_t* cr, double cx, double cy, double r) {
  cairo_new_path(cr);
  cardstar(cr, cx, cy, r * 1.5, r * 1.05, 12);
  artfilloutline(cr, pal::gold, pal::pumpkin, cy - r * 1.5, cy + r * 1.5, 2);
  cairo_new_path(cr);
  circle(cr, cx, cy, r);
  artfilloutline(cr, artshade(pal::gold, 1.35), pal::gold, cy - r, cy + r, 2);
  cardeye(cr, cx - r * 0.35, cy - r * 0.15, r * 0.2, 0, 0.2);
  cardeye(cr, cx + r * 0.35, cy - r * 0.15, r * 0.2, 0, 0.2);
  cardsmile(cr, cx, cy + r * 0.3, r * 0.38, r * 0.3, 1.6);
}

void sunsemblem(cairo_t* cr) {
  sun(cr, 34, 48, 15);
  sun(cr, 62, 70, 15);
  cardtext(cr, "round", 30, "x2", 66, 32, pal::bone, 5, 60);
}

void bombemblem(cairo_t* cr) {
  // a round bomb with a sparking fuse, and a lightning bolt
  cairo_new_path(cr);
  cairo_move_to(cr, 56, 44);
  cairo_curve_to(cr, 62, 30, 72, 34, 76, 24);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 5);
  cairo_stroke_preserve(cr);
  artsetcolor(cr, artmix(pal::bone, pal::pumpkin, 0.3));
  cairo_set_line_width(cr, 2.5);
  cairo_stroke(cr);
  artglow(cr, 77, 22, 14, pal::gold, 0.9);
  cardstar(cr, 77, 22, 9, 3.5, 7);
  cardfillstroke(cr, pal::gold, 1.2);
  cairo_new_path(cr);
  circle(cr, 44, 68, 26);
  artfilloutline(cr, artshade(pal::night, 1.8), pal::ink, 42, 94, 2.5);
  cairo_new_path(cr);
  artroundrect(cr, 48, 38, 14, 10, 2);
  cardfillstroke(cr, pal::grey, 2);
  cairo_new_path(cr);
  cardellipse(cr, 34, 58, 8, 5);
  artsetcolor(cr, {1, 1, 1}, 0.35);
  cairo_fill(cr);
  // a lightning bolt across the front
  cairo_new_path(cr);
  cairo_move_to(cr, 30, 60);
  cairo_line_to(cr, 52, 60);
  cairo_line_to(cr, 42, 72);
  cairo_line_to(cr, 56, 72);
  cairo_line_to(cr, 30, 96);
  cairo_line_to(cr, 38, 78);
  cairo_line_to(cr, 26, 78);
  cairo_close_path(cr);
  cardfillstroke(cr, pal::gold, 2);
}

struct itemlook {
  rgb top, bottom, glow;
  const char* label;
};
const itemlook itemlooks[11] = {
    {},
    {{0.18, 0.42, 0.66}, {0.07, 0.16, 0.36}, pal::mint, "FISH SLAP"},
    {{0.62, 0.16, 0.20}, {0.26, 0.06, 0.14}, pal::pumpkin, "KILLER"},
    {{0.16, 0.55, 0.52}, {0.06, 0.24, 0.28}, pal::mint, "TURN ALL UP"},
    {{0.38, 0.22, 0.55}, {0.14, 0.07, 0.26}, pal::pumpkin, "BLASTER"},
    {{0.85, 0.45, 0.12}, {0.48, 0.14, 0.12}, pal::gold, "MAX BONUS"},
    {{0.22, 0.34, 0.62}, {0.08, 0.12, 0.30}, pal::mint, "NEW STOCK"},
    {{0.52, 0.20, 0.52}, {0.20, 0.06, 0.24}, pal::gold, "JOKER"},
    {{0.15, 0.40, 0.40}, {0.10, 0.10, 0.28}, pal::mint, "RANDOM"},
    {{0.90, 0.62, 0.16}, {0.62, 0.22, 0.10}, pal::gold, "DOUBLE SUNS"},
    {{0.30, 0.12, 0.40}, {0.08, 0.04, 0.14}, pal::pumpkin, "STRIKE"},
};

}  // namespace

void carditem(cairo_t* cr, int item) {
  const itemlook& l = itemlooks[item];
  cardfieldbase(cr, l.top, l.bottom, l.glow);
  switch (item) {
    case 1: fishemblem(cr); break;
    case 2: gunemblem(cr); break;
    case 3: turnemblem(cr); break;
    case 4: bowlemblem(cr); break;
    case 5: maxemblem(cr); break;
    case 6: stackemblem(cr); break;
    case 7: jokeremblem(cr); break;
    case 8: randomemblem(cr); break;
    case 9: sunsemblem(cr); break;
    default: bombemblem(cr); break;
  }
  cardribbon(cr, 120, l.label, artmix(l.top, pal::ink, 0.25));
}

// ------------------------------------------------------------------------------------
// Bonus cards, animals and covers

namespace {

void coin(cairo_t* cr, double cx, double cy, double r, const std::string& text) {
  cairo_new_path(cr);
  cardellipse(cr, cx, cy + r * 0.12, r, r);
  artsetcolor(cr, artshade(pal::pumpkin, 0.8));
  cairo_fill(cr);
  cairo_new_path(cr);
  circle(cr, cx, cy, r);
  artfilloutline(cr, artshade(pal::gold, 1.35), artshade(pal::gold, 0.85), cy - r, cy + r, 2.2);
  cairo_new_path(cr);
  circle(cr, cx, cy, r * 0.78);
  artsetcolor(cr, artshade(pal::pumpkin, 0.85), 0.8);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  cardtext(cr, "round", r * 0.9, text, cx, cy + 1, pal::bone, 3, r * 1.3, artshade(pal::pumpkin, 0.55));
}

}  // namespace

void cardbonus(cairo_t* cr, int kind) {
  cardfieldbase(cr, {0.40, 0.20, 0.52}, {0.14, 0.07, 0.24}, pal::gold, 60);
  cardrng rng(0xca5 + kind);
  for (int i = 0; i < 14; i++) {
    cardstar(cr, rng.range(12, 84), rng.range(14, 104), rng.range(1.5, 3), 0.9, 4, 0);
    artsetcolor(cr, pal::gold, rng.range(0.5, 0.9));
    cairo_fill(cr);
  }
  if (kind == 1) {
    coin(cr, 48, 60, 30, "50");
    cardribbon(cr, 120, "CASH", artshade(pal::pumpkin, 0.75));
  } else {
    coin(cr, 36, 46, 24, "50");
    coin(cr, 60, 76, 24, "50");
    cardribbon(cr, 120, "CASH x2", artshade(pal::pumpkin, 0.75));
  }
}

void cardanimal(cairo_t* cr, int kind) {
  if (kind == 1) {
    // the pig: a round pink friend who scares the birds away
    cardfieldbase(cr, {0.55, 0.32, 0.62}, {0.18, 0.10, 0.30}, pal::pumpkin, 64);
    rgb pink = {0.98, 0.66, 0.72};
    for (int side = -1; side <= 1; side += 2) {
      cairo_new_path(cr);
      cairo_move_to(cr, 48 + side * 12, 40);
      cairo_line_to(cr, 48 + side * 32, 26);
      cairo_line_to(cr, 48 + side * 28, 52);
      cairo_close_path(cr);
      artfilloutline(cr, pink, artshade(pink, 0.8), 26, 52, 2.2);
    }
    cairo_new_path(cr);
    cardellipse(cr, 48, 66, 33, 29);
    artfilloutline(cr, artshade(pink, 1.1), artshade(pink, 0.85), 37, 95, 2.5);
    cairo_new_path(cr);
    cardellipse(cr, 48, 74, 14, 10);
    artfilloutline(cr, artshade(pink, 0.92), artshade(pink, 0.78), 64, 84, 2);
    for (int side = -1; side <= 1; side += 2) {
      cairo_new_path(cr);
      cardellipse(cr, 48 + side * 5, 74, 2.6, 4);
      artsetcolor(cr, artshade(pink, 0.45));
      cairo_fill(cr);
      cardeye(cr, 48 + side * 13, 56, 4.8, 0, 0.2);
      cairo_new_path(cr);
      cardellipse(cr, 48 + side * 24, 72, 5, 3);
      artsetcolor(cr, pal::blood, 0.3);
      cairo_fill(cr);
    }
    cardsmile(cr, 48, 87, 7, 4, 1.8);
    cardribbon(cr, 120, "PIG", artshade(pal::blood, 0.9));
  } else {
    // the ninja: a masked friend who slices the fruit
    cardfieldbase(cr, {0.22, 0.30, 0.58}, {0.06, 0.08, 0.22}, pal::mint, 60);
    cairo_new_path(cr);
    circle(cr, 70, 28, 10);
    artsetcolor(cr, pal::bone, 0.9);
    cairo_fill(cr);
    // the headband tails fly out behind
    cairo_new_path(cr);
    cairo_move_to(cr, 74, 56);
    cairo_curve_to(cr, 84, 52, 88, 60, 90, 54);
    cairo_curve_to(cr, 88, 66, 82, 62, 74, 64);
    cairo_close_path(cr);
    cardfillstroke(cr, pal::blood, 1.8);
    cairo_new_path(cr);
    circle(cr, 48, 64, 30);
    artfilloutline(cr, artmix(pal::ink, pal::night, 0.7), pal::ink, 34, 94, 2.5);
    cairo_new_path(cr);
    artroundrect(cr, 20, 52, 56, 9, 3);
    cardfillstroke(cr, pal::blood, 1.8);
    cairo_new_path(cr);
    artroundrect(cr, 26, 62, 44, 16, 8);
    cardfillstroke(cr, artmix(pal::bone, pal::pumpkin, 0.2), 1.8);
    cardeye(cr, 39, 70, 4.2, 0.3, 0);
    cardeye(cr, 57, 70, 4.2, 0.3, 0);
    line(cr, 33, 64, 43, 66, pal::ink, 2);
    line(cr, 63, 64, 53, 66, pal::ink, 2);
    // a sword handle over the shoulder
    line(cr, 18, 100, 30, 86, pal::ink, 6);
    line(cr, 18, 100, 30, 86, pal::grey, 3);
    cardribbon(cr, 120, "NINJA", artshade(pal::night, 1.3));
  }
}

void cardcover(cairo_t* cr, int kind) {
  // A cover sits on a face-down card: a muted back pattern shows underneath.
  cardblank(cr, {0.28, 0.22, 0.40}, {0.12, 0.09, 0.20});
  cardclip(cr);
  artsetcolor(cr, pal::plum, 0.35);
  cairo_set_line_width(cr, 1.2);
  for (int i = -8; i < 12; i++) {
    cairo_move_to(cr, i * 14, 0);
    cairo_line_to(cr, i * 14 + 142, 142);
  }
  cairo_stroke(cr);
  artglow(cr, 48, 72, 50, kind == 1 ? pal::sky : pal::moss, 0.5);
  cairo_restore(cr);
  if (kind == 1) {
    // a plump crow on its nest
    cardrng rng(0xb1d);
    for (int i = 0; i < 26; i++) {
      double x = rng.range(16, 80), y = rng.range(98, 118);
      double a = rng.range(-0.5, 0.5);
      line(cr, x - 12 * std::cos(a), y - 12 * std::sin(a), x + 12 * std::cos(a), y + 12 * std::sin(a),
           artmix(pal::pumpkin, pal::ink, rng.range(0.35, 0.6)), 2.4);
    }
    cairo_new_path(cr);
    cairo_move_to(cr, 20, 96);
    cairo_curve_to(cr, 18, 60, 38, 40, 56, 44);
    cairo_curve_to(cr, 76, 48, 82, 72, 78, 96);
    cairo_close_path(cr);
    artfilloutline(cr, artmix(pal::purple, pal::ink, 0.3), pal::ink, 40, 100, 2.5);
    cairo_new_path(cr);  // wing
    cairo_move_to(cr, 30, 74);
    cairo_curve_to(cr, 40, 64, 60, 70, 66, 92);
    cairo_curve_to(cr, 50, 94, 34, 90, 30, 74);
    cardfillstroke(cr, artmix(pal::purple, pal::night, 0.5), 1.8);
    cairo_new_path(cr);  // tuft
    cairo_move_to(cr, 46, 44);
    cairo_line_to(cr, 44, 34);
    cairo_line_to(cr, 52, 42);
    cairo_line_to(cr, 56, 32);
    cairo_line_to(cr, 58, 44);
    cardfillstroke(cr, pal::purple, 1.5);
    cardeye(cr, 50, 56, 5, 0.3, 0);
    cardeye(cr, 63, 57, 5, 0.3, 0);
    cairo_new_path(cr);  // beak
    cairo_move_to(cr, 54, 63);
    cairo_line_to(cr, 74, 67);
    cairo_line_to(cr, 55, 71);
    cairo_close_path(cr);
    cardfillstroke(cr, pal::gold, 1.8);
    for (int i = 0; i < 14; i++) {
      double x = rng.range(18, 78), y = rng.range(104, 122);
      double a = rng.range(-0.6, 0.6);
      line(cr, x - 10 * std::cos(a), y - 10 * std::sin(a), x + 10 * std::cos(a), y + 10 * std::sin(a),
           artmix(pal::pumpkin, pal::ink, rng.range(0.25, 0.5)), 2.4);
    }
  } else {
    // a watermelon and an apple piled on the card
    cairo_new_path(cr);
    cardellipse(cr, 46, 86, 34, 26);
    artfilloutline(cr, artshade(pal::moss, 1.3), artshade(pal::moss, 0.7), 60, 112, 2.5);
    cairo_save(cr);
    cardellipse(cr, 46, 86, 34, 26);
    cairo_clip(cr);
    for (int i = -3; i <= 3; i++) {
      cairo_new_path(cr);
      cairo_move_to(cr, 46 + i * 10, 58);
      cairo_curve_to(cr, 46 + i * 14, 76, 46 + i * 14, 96, 46 + i * 10, 114);
      artsetcolor(cr, artshade(pal::moss, 0.55));
      cairo_set_line_width(cr, 3.5);
      cairo_stroke(cr);
    }
    cairo_restore(cr);
    cairo_new_path(cr);
    cardellipse(cr, 34, 74, 7, 4);
    artsetcolor(cr, {1, 1, 1}, 0.3);
    cairo_fill(cr);
    cairo_new_path(cr);  // apple
    cairo_move_to(cr, 62, 42);
    cairo_curve_to(cr, 50, 30, 36, 42, 40, 56);
    cairo_curve_to(cr, 44, 70, 56, 70, 62, 66);
    cairo_curve_to(cr, 68, 70, 80, 70, 84, 56);
    cairo_curve_to(cr, 88, 42, 74, 30, 62, 42);
    cairo_close_path(cr);
    artfilloutline(cr, artshade(pal::blood, 1.35), pal::blood, 34, 70, 2.5);
    line(cr, 62, 42, 64, 30, pal::ink, 3);
    leaf(cr, 64, 34, 14, -0.5, 4, pal::moss, 1.5);
    cairo_new_path(cr);
    cardellipse(cr, 52, 48, 4, 6);
    artsetcolor(cr, {1, 1, 1}, 0.4);
    cairo_fill(cr);
    cardeye(cr, 56, 54, 3, 0, 0.2);
    cardeye(cr, 68, 54, 3, 0, 0.2);
    cardsmile(cr, 62, 60, 3.5, 2.5, 1.3);
  }
}

// ------------------------------------------------------------------------------------
// Pointers, highlight and the stock base

void cardcursor(cairo_t* cr, int kind, int w, int h) {
  double cx = w / 2.0, cy = h / 2.0;
  if (kind == 1) {
    // crosshair of the zombie killer
    artglow(cr, cx, cy, 30, pal::blood, 0.35);
    for (int pass = 0; pass < 2; pass++) {
      rgb c = pass ? artmix(pal::blood, pal::pumpkin, 0.3) : pal::ink;
      double lw = pass ? 3 : 6;
      cairo_new_path(cr);
      circle(cr, cx, cy, 18);
      artsetcolor(cr, c);
      cairo_set_line_width(cr, lw);
      cairo_stroke(cr);
      line(cr, cx, cy - 27, cx, cy - 10, c, lw);
      line(cr, cx, cy + 10, cx, cy + 27, c, lw);
      line(cr, cx - 27, cy, cx - 10, cy, c, lw);
      line(cr, cx + 10, cy, cx + 27, cy, c, lw);
    }
    cairo_new_path(cr);
    circle(cr, cx, cy, 3.5);
    cardfillstroke(cr, pal::gold, 1.5);
  } else {
    // the blaster's bowling ball
    artglow(cr, cx, cy, 31, pal::pumpkin, 0.4);
    cairo_new_path(cr);
    circle(cr, cx, cy, 22);
    artfilloutline(cr, artshade(pal::plum, 1.3), artshade(pal::purple, 0.7), cy - 22, cy + 22, 3);
    double holes[3][2] = {{-6, -8}, {4, -10}, {-2, 0}};
    for (auto& hh : holes) {
      cairo_new_path(cr);
      circle(cr, cx + hh[0], cy + hh[1], 3.5);
      artsetcolor(cr, pal::ink);
      cairo_fill(cr);
    }
    cairo_new_path(cr);
    cardellipse(cr, cx - 10, cy - 12, 6, 3.5);
    artsetcolor(cr, {1, 1, 1}, 0.35);
    cairo_fill(cr);
  }
}

void cardglow(cairo_t* cr, int w, int h) {
  // A warm light hugging the card edge. The game lays it over the card two pixels out from
  // the card's corner, so the light is strongest on the card's outline and fades inward over
  // the face; outward it only softens the rim and is gone before the picture's border.
  double ex = 2 + 2.5, ey = 2 + 2.5;  // the card's outline, as the card pictures draw it
  cairo_save(cr);
  cairo_new_path(cr);
  artroundrect(cr, ex, ey, w - 2 * ex, h - 2 * ey, 9);
  cairo_clip(cr);
  for (int i = 7; i >= 0; i--) {
    cairo_new_path(cr);
    artroundrect(cr, ex, ey, w - 2 * ex, h - 2 * ey, 9);
    double a = 0.07 + 0.05 * (7 - i);
    artsetcolor(cr, i > 3 ? pal::pumpkin : pal::gold, a);
    cairo_set_line_width(cr, 3 + i * 3.2);
    cairo_stroke(cr);
  }
  cairo_restore(cr);
  cairo_new_path(cr);
  artroundrect(cr, ex, ey, w - 2 * ex, h - 2 * ey, 9);
  artsoftline(cr, 2.6, 0.9, 0, 0, pal::gold, 0.6);
  cairo_new_path(cr);
  artroundrect(cr, ex, ey, w - 2 * ex, h - 2 * ey, 9);
  artsetcolor(cr, artshade(pal::gold, 1.3), 0.95);
  cairo_set_line_width(cr, 2.6);
  cairo_stroke(cr);
}

void cardstockbase(cairo_t* cr) {
  // Where the stock lay: an empty grave-dark slot, quiet enough for three lines of text.
  cardshape(cr);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, cardh);
  cairo_pattern_add_color_stop_rgba(g, 0, 0.16, 0.09, 0.24, 0.82);
  cairo_pattern_add_color_stop_rgba(g, 1, 0.07, 0.05, 0.14, 0.9);
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  static const double dash[2] = {6, 4};
  cairo_set_dash(cr, dash, 2, 0);
  artsetcolor(cr, pal::plum, 0.9);
  cairo_set_line_width(cr, 2.5);
  cairo_stroke(cr);
  cairo_set_dash(cr, nullptr, 0, 0);
  // a small tombstone at the foot
  cairo_new_path(cr);
  cairo_move_to(cr, 34, 134);
  cairo_line_to(cr, 34, 116);
  cairo_curve_to(cr, 34, 104, 62, 104, 62, 116);
  cairo_line_to(cr, 62, 134);
  cairo_close_path(cr);
  artsetcolor(cr, pal::grey, 0.35);
  cairo_fill(cr);
  cardtext(cr, "sans", 8, "R.I.P.", 48, 120, artmix(pal::grey, pal::purple, 0.3), 0, 24);
  cardrng rng(0x570c);
  for (int i = 0; i < 8; i++) {
    cardstar(cr, rng.range(12, 84), rng.range(12, 100), rng.range(1, 2), 0.6, 4, 0);
    artsetcolor(cr, pal::mint, 0.35);
    cairo_fill(cr);
  }
}
