#include "tools/forge/forge_art.h"
#include "tools/forge/forge.h"
#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include <cmath>
#include <map>
#include <mutex>

cairo_t* artnew(int w, int h) {
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
  cairo_t* cr = cairo_create(s);
  cairo_surface_destroy(s);  // the context holds it
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  return cr;
}

void artdone(cairo_t* cr) { cairo_destroy(cr); }

bool artsave(cairo_t* cr, const std::string& relpath) {
  bool ok = forgesavepng(cairo_get_target(cr), relpath);
  cairo_destroy(cr);
  return ok;
}

void artsetcolor(cairo_t* cr, rgb c, double alpha) { cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha); }

rgb artmix(rgb a, rgb b, double t) { return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t}; }

rgb artshade(rgb c, double f) {
  auto cl = [](double v) { return v < 0 ? 0 : v > 1 ? 1 : v; };
  if (f <= 1) return {c.r * f, c.g * f, c.b * f};
  double t = f - 1;
  return {cl(c.r + (1 - c.r) * t), cl(c.g + (1 - c.g) * t), cl(c.b + (1 - c.b) * t)};
}

void artroundrect(cairo_t* cr, double x, double y, double w, double h, double r) {
  r = std::fmin(r, std::fmin(w, h) / 2);
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
  cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
  cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
  cairo_arc(cr, x + r, y + r, r, M_PI, 1.5 * M_PI);
  cairo_close_path(cr);
}

void artfilloutline(cairo_t* cr, rgb top, rgb bottom, double y0, double y1, double outline) {
  cairo_pattern_t* g = cairo_pattern_create_linear(0, y0, 0, y1);
  cairo_pattern_add_color_stop_rgb(g, 0, top.r, top.g, top.b);
  cairo_pattern_add_color_stop_rgb(g, 1, bottom.r, bottom.g, bottom.b);
  cairo_set_source(cr, g);
  if (outline > 0) {
    cairo_fill_preserve(cr);
    artsetcolor(cr, pal::ink);
    cairo_set_line_width(cr, outline);
    cairo_stroke(cr);
  } else {
    cairo_fill(cr);
  }
  cairo_pattern_destroy(g);
}

void artglow(cairo_t* cr, double x, double y, double radius, rgb c, double alpha) {
  cairo_pattern_t* g = cairo_pattern_create_radial(x, y, 0, x, y, radius);
  cairo_pattern_add_color_stop_rgba(g, 0, c.r, c.g, c.b, alpha);
  cairo_pattern_add_color_stop_rgba(g, 0.45, c.r, c.g, c.b, alpha * 0.45);
  cairo_pattern_add_color_stop_rgba(g, 1, c.r, c.g, c.b, 0);
  cairo_set_source(cr, g);
  cairo_arc(cr, x, y, radius, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
}

// FreeType faces are loaded once per face name and kept for the forge's run.
static std::mutex fontlock;
static FT_Library ftlib = nullptr;
static std::map<std::string, cairo_font_face_t*> faces;

static const char* fontfile(const std::string& face) {
  if (face == "comic") return "/usr/share/fonts/opentype/comic-neue/ComicNeue-Bold.otf";
  if (face == "round") return "/usr/share/fonts/truetype/leckerli-one/LeckerliOne-Regular.ttf";
  if (face == "serif") return "/usr/share/fonts/truetype/dejavu/DejaVuSerif-Bold.ttf";
  return "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";
}

void artfont(cairo_t* cr, const std::string& face, double size) {
  std::lock_guard<std::mutex> hold(fontlock);
  if (!ftlib) FT_Init_FreeType(&ftlib);
  auto it = faces.find(face);
  if (it == faces.end()) {
    FT_Face ft = nullptr;
    cairo_font_face_t* cf = nullptr;
    if (FT_New_Face(ftlib, fontfile(face), 0, &ft) == 0) {
      cf = cairo_ft_font_face_create_for_ft_face(ft, 0);
    } else {
      forgeerror(std::string("missing font ") + fontfile(face));
      cf = cairo_toy_font_face_create("sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    }
    it = faces.emplace(face, cf).first;
  }
  cairo_set_font_face(cr, it->second);
  cairo_set_font_size(cr, size);
}

double arttextwidth(cairo_t* cr, const std::string& utf8) {
  cairo_text_extents_t e;
  cairo_text_extents(cr, utf8.c_str(), &e);
  return e.x_advance;
}

void arttext(cairo_t* cr, const std::string& utf8, double x, double y, rgb fill, double outline, rgb outlinecolor) {
  cairo_text_extents_t e;
  cairo_text_extents(cr, utf8.c_str(), &e);
  double tx = x - (e.x_bearing + e.width / 2), ty = y - (e.y_bearing + e.height / 2);
  cairo_new_path(cr);
  cairo_move_to(cr, tx, ty);
  cairo_text_path(cr, utf8.c_str());
  if (outline > 0) {
    artsetcolor(cr, outlinecolor);
    cairo_set_line_width(cr, outline);
    cairo_stroke_preserve(cr);
  }
  artsetcolor(cr, fill);
  cairo_fill(cr);
}
