// The launcher's icon at the sizes of the desktop's icon theme: a night-purple playing card
// with the title's "M" on it, gold to pumpkin under the logo's thick ink line. Small sizes
// drop the details and snap the card to whole pixels so the letter stays readable at 16 px.
// Written beside the data folder, as <build>/icons/hicolor/<size>x<size>/apps/<id>.png.
#include "tools/forge/forge.h"
#include "tools/forge/forge_pictures_ui_kit.h"
#include <cairo.h>
#include <algorithm>
#include <cmath>
#include <string>

using namespace uikit;

namespace {

const char* const appid = "com.tamberlinex.morgavelle";  // the launcher's name, which the icon shares
const int iconsizes[] = {16, 32, 48, 64, 128, 256};      // the hicolor sizes desktops ask for

std::string iconpath(int size) {
  std::string s = std::to_string(size);
  return "../icons/hicolor/" + s + "x" + s + "/apps/" + appid + ".png";
}

// The card: drawn in a 256-unit square. From 48 px on it leans a little, as if just dealt.
void iconcard(cairo_t* cr, int size, double unit) {
  bool small = size < 48;
  double inset = small ? 8 : 22;
  double x = inset, y = small ? 8 : 12, w = 256 - 2 * inset, h = 256 - y - (small ? 8 : 12);
  double outline = std::max(1.2 / unit, 11.0);  // never thinner than a pixel and a bit
  cairo_save(cr);
  if (!small) {
    cairo_translate(cr, 128, 128);
    cairo_rotate(cr, -6 * M_PI / 180);
    cairo_translate(cr, -128, -128);
  }
  // A soft drop shadow under the card, only where there is room for it.
  if (size >= 64) {
    artroundrect(cr, x + 6, y + 10, w, h, 30);
    artsetcolor(cr, pal::ink, 0.35);
    cairo_fill(cr);
  }
  artroundrect(cr, x, y, w, h, small ? 34 : 30);
  artfilloutline(cr, artmix(pal::plum, pal::purple, 0.35), pal::night, y, y + h, outline);
  if (size >= 48) {
    // The card's inner frame, as the card backs have it.
    artroundrect(cr, x + 16, y + 16, w - 32, h - 32, 18);
    artsetcolor(cr, pal::gold, 0.45);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
  }
  cairo_restore(cr);
}

// The title's letter M, as the logo draws its name: ink line, purple inner line, gold fill.
void iconletter(cairo_t* cr, int size, double unit) {
  double fontsize = size < 48 ? 250 : 215;
  artfont(cr, "round", fontsize);
  cairo_text_extents_t e;
  cairo_text_extents(cr, "M", &e);
  double maxw = size < 32 ? 226 : size < 48 ? 214 : 176;
  if (e.width > maxw) {
    fontsize *= maxw / e.width;
    artfont(cr, "round", fontsize);
    cairo_text_extents(cr, "M", &e);
  }
  double cx = 128, cy = size < 48 ? 134 : 146;
  double tx = cx - (e.x_bearing + e.width / 2), ty = cy - (e.y_bearing + e.height / 2);
  cairo_new_path(cr);
  cairo_move_to(cr, tx, ty);
  cairo_text_path(cr, "M");
  cairo_path_t* path = cairo_copy_path(cr);
  // At 16 px a thick line would swallow the letter's counters: there it is one pixel.
  double ink = size < 32 ? 1.0 / unit : std::max(1.5 / unit, fontsize * (size < 48 ? 0.11 : 0.14));
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_new_path(cr);
  cairo_append_path(cr, path);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, ink);
  cairo_stroke_preserve(cr);
  if (size >= 48) {
    artsetcolor(cr, pal::purple);
    cairo_set_line_width(cr, fontsize * 0.06);
    cairo_stroke_preserve(cr);
  }
  cairo_pattern_t* g = cairo_pattern_create_linear(0, cy + e.y_bearing * 0.5, 0, cy - e.y_bearing * 0.5);
  rgb hi = artshade(pal::gold, 1.5);
  cairo_pattern_add_color_stop_rgb(g, 0, hi.r, hi.g, hi.b);
  cairo_pattern_add_color_stop_rgb(g, 0.45, pal::gold.r, pal::gold.g, pal::gold.b);
  cairo_pattern_add_color_stop_rgb(g, 1, pal::pumpkin.r, pal::pumpkin.g * 0.85, pal::pumpkin.b);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  if (size >= 64) {
    // The logo's glossy streak over the upper half of the letter.
    cairo_save(cr);
    cairo_new_path(cr);
    cairo_append_path(cr, path);
    cairo_clip(cr);
    cairo_rectangle(cr, 0, cy - e.height * 0.5, 256, e.height * 0.26);
    artsetcolor(cr, rgb{1, 1, 1}, 0.28);
    cairo_fill(cr);
    cairo_restore(cr);
  }
  cairo_path_destroy(path);
}

void drawicon(int size) {
  cairo_t* cr = artnew(size, size);
  double unit = size / 256.0;  // pixels per design unit
  cairo_scale(cr, unit, unit);
  iconcard(cr, size, unit);
  if (size >= 48) {
    // A moon over the card's shoulder and, with room enough, a bat crossing it.
    moon(cr, 186, 58, 24, pal::bone);
    if (size >= 64) bat(cr, 70, 52, 1.35);
  }
  iconletter(cr, size, unit);
  artsave(cr, iconpath(size));
}

}  // namespace

std::vector<pictureentry> manifest_icons() {
  std::vector<pictureentry> out;
  for (int s : iconsizes) out.push_back({iconpath(s), s, s, "launcher icon in the desktop's icon theme, its tile full to the edge at the small sizes [cut]"});
  return out;
}

void forgepictures_icons() {
  for (int s : iconsizes) drawicon(s);
}
