#include "tools/forge/forge_art.h"
#include "tools/forge/forge.h"
#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include <cmath>
#include <map>
#include <mutex>
#include <vector>

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

namespace {

// One pass of a running-sum box blur of radius r along rows (step 1) or columns (step w).
void boxpass(std::vector<float>& v, int w, int h, int r, bool rows) {
  if (r <= 0) return;
  int n = rows ? w : h, lines = rows ? h : w;
  std::vector<float> line(static_cast<size_t>(n));
  for (int l = 0; l < lines; l++) {
    auto at = [&](int i) -> float& { return rows ? v[size_t(l) * w + i] : v[size_t(i) * w + l]; };
    for (int i = 0; i < n; i++) line[size_t(i)] = at(i);
    double sum = 0;
    for (int i = -r; i <= r; i++) sum += (i >= 0 && i < n) ? line[size_t(i)] : 0;
    for (int i = 0; i < n; i++) {
      at(i) = float(sum / (2 * r + 1));
      int out = i - r, in = i + r + 1;
      if (out >= 0) sum -= line[size_t(out)];
      if (in < n) sum += line[size_t(in)];
    }
  }
}


// Fills (or, with line > 0, strokes) the current path into a mask, blurs it and paints it.
void softmask(cairo_t* cr, double spread, double line, double blur, double dx, double dy, rgb c, double alpha) {
  cairo_path_t* path = cairo_copy_path(cr);
  cairo_matrix_t m;
  cairo_get_matrix(cr, &m);
  // The shape's box in device pixels, with room for the spread and the blur.
  double x0, y0, x1, y1;
  if (line > 0) {
    cairo_save(cr);
    cairo_set_line_width(cr, line);
    cairo_stroke_extents(cr, &x0, &y0, &x1, &y1);
    cairo_restore(cr);
  } else {
    cairo_fill_extents(cr, &x0, &y0, &x1, &y1);
  }
  cairo_new_path(cr);
  if (x1 <= x0 || y1 <= y0) {
    cairo_path_destroy(path);
    return;
  }
  double px[4] = {x0, x1, x1, x0}, py[4] = {y0, y0, y1, y1};
  double dminx = 1e30, dminy = 1e30, dmaxx = -1e30, dmaxy = -1e30;
  for (int i = 0; i < 4; i++) {
    double x = px[i], y = py[i];
    cairo_user_to_device(cr, &x, &y);
    dminx = std::fmin(dminx, x), dmaxx = std::fmax(dmaxx, x);
    dminy = std::fmin(dminy, y), dmaxy = std::fmax(dmaxy, y);
  }
  double scale = std::sqrt(std::fabs(m.xx * m.yy - m.xy * m.yx));
  int r = int(std::lround(blur * 0.8));  // three box passes of this radius come close to a Gaussian of sigma ~ blur
  int pad = int(std::ceil(spread * scale)) + 3 * r + 2;
  int ox = int(std::floor(dminx)) - pad, oy = int(std::floor(dminy)) - pad;
  int w = int(std::ceil(dmaxx)) + pad - ox, h = int(std::ceil(dmaxy)) + pad - oy;
  cairo_surface_t* mask = cairo_image_surface_create(CAIRO_FORMAT_A8, w, h);
  cairo_t* mc = cairo_create(mask);
  cairo_translate(mc, -ox, -oy);
  cairo_transform(mc, &m);
  cairo_append_path(mc, path);
  cairo_set_source_rgba(mc, 0, 0, 0, 1);
  cairo_set_line_join(mc, CAIRO_LINE_JOIN_ROUND);
  cairo_set_fill_rule(mc, cairo_get_fill_rule(cr));
  cairo_set_line_cap(mc, CAIRO_LINE_CAP_ROUND);
  if (line > 0) {
    cairo_set_line_width(mc, line + 2 * spread);
    cairo_stroke(mc);
  } else if (spread > 0) {
    cairo_fill_preserve(mc);
    cairo_set_line_width(mc, 2 * spread);
    cairo_stroke(mc);
  } else {
    cairo_fill(mc);
  }
  cairo_destroy(mc);
  cairo_surface_flush(mask);
  int stride = cairo_image_surface_get_stride(mask);
  uint8_t* data = cairo_image_surface_get_data(mask);
  std::vector<float> v(size_t(w) * h);
  for (int y = 0; y < h; y++)
    for (int x = 0; x < w; x++) v[size_t(y) * w + x] = data[size_t(y) * stride + x];
  for (int pass = 0; pass < 3; pass++) {
    boxpass(v, w, h, r, true);
    boxpass(v, w, h, r, false);
  }
  for (int y = 0; y < h; y++)
    for (int x = 0; x < w; x++) data[size_t(y) * stride + x] = uint8_t(std::lround(std::fmin(255.0, v[size_t(y) * w + x])));
  cairo_surface_mark_dirty(mask);
  cairo_save(cr);
  cairo_identity_matrix(cr);
  cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha);
  cairo_mask_surface(cr, mask, ox + dx * scale, oy + dy * scale);
  cairo_restore(cr);
  cairo_surface_destroy(mask);
  cairo_path_destroy(path);
}

}  // namespace

void artsoft(cairo_t* cr, double spread, double blur, double dx, double dy, rgb c, double alpha) {
  softmask(cr, spread, 0, blur, dx, dy, c, alpha);
}

void artsoftline(cairo_t* cr, double width, double blur, double dx, double dy, rgb c, double alpha) {
  softmask(cr, 0, width, blur, dx, dy, c, alpha);
}
