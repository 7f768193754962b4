// The six bitmap font pictures and the nine floating number pictures.
// Glyphs are rasterised with FreeType straight into coverage masks; outline, halo, shadow and
// the fill gradient are composed here per cell so every effect stays inside its own cell.
#include "text/glyphtable.h"
#include "tools/forge/forge.h"
#include "tools/forge/forge_art.h"
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace {

const char* const comicbold = "/usr/share/fonts/opentype/comic-neue/ComicNeue-Bold.otf";
const char* const sansbold = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";
// Letters drawn to fill a fixed pitch: its l and i carry feet, so they fill their wide slots.
const char* const pitchbold = "/usr/share/fonts/truetype/dejavu/DejaVuSansMono-Bold.ttf";

// One font's look. Sizes are in pixels of the cell.
struct fontlook {
  const char* picture;
  int cellw, cellh;
  int advsub;          // the game advances by slot width minus this
  const char* face;    // primary face; missing glyphs come from the comic face, then the sans face
  double cap;          // height of a capital H
  int baseline;        // baseline row inside the cell
  double gap;          // space kept free between neighbouring glyph bodies
  double outline;      // radius of the hard ink outline, 0 = none
  double halo;         // radius of a soft dark halo around the letters, 0 = none
  double haloalpha;
  double shadowx, shadowy, shadowblur, shadowalpha;  // drop shadow of the outlined shape
  rgb top, bottom;     // fill gradient from cap top to baseline
  rgb edge;            // outline and halo colour
  double embolden;     // extra stroke weight of the fill (dilation radius), 0 = none
  double stretch;      // how far a glyph narrower than its room may be widened
  double narrowstretch;  // the same for glyphs with less than half their room inked
  const char* footed;    // letters taken from the fixed-pitch face so they fill their room
};

// Coverage in a padded float buffer around one cell.
struct plane {
  int w = 0, h = 0;
  std::vector<float> v;
  plane(int w_, int h_) : w(w_), h(h_), v(size_t(w_) * h_, 0.f) {}
  float at(int x, int y) const { return (x < 0 || y < 0 || x >= w || y >= h) ? 0.f : v[size_t(y) * w + x]; }
  float& ref(int x, int y) { return v[size_t(y) * w + x]; }
};

// Grows a coverage mask by radius r with an anti-aliased round brush.
plane dilate(const plane& m, double r) {
  if (r <= 0) return m;
  plane out(m.w, m.h);
  int R = int(std::ceil(r + 0.5));
  std::vector<int> dxs, dys;
  std::vector<float> ws;
  for (int dy = -R; dy <= R; dy++)
    for (int dx = -R; dx <= R; dx++) {
      double d = std::sqrt(double(dx * dx + dy * dy));
      double w = std::clamp(r + 0.5 - d, 0.0, 1.0);
      if (w > 0) {
        dxs.push_back(dx);
        dys.push_back(dy);
        ws.push_back(float(w));
      }
    }
  for (int y = 0; y < m.h; y++)
    for (int x = 0; x < m.w; x++) {
      float best = 0;
      for (size_t k = 0; k < ws.size(); k++) {
        float c = m.at(x + dxs[k], y + dys[k]) * ws[k];
        if (c > best) best = c;
      }
      out.ref(x, y) = best;
    }
  return out;
}

// Gaussian blur with standard deviation s, then shifted by (ox, oy) whole pixels.
plane blurshift(const plane& m, double s, int ox, int oy) {
  plane a(m.w, m.h), b(m.w, m.h);
  int R = s > 0 ? int(std::ceil(s * 2.5)) : 0;
  std::vector<float> k(2 * R + 1);
  float sum = 0;
  for (int i = -R; i <= R; i++) {
    k[i + R] = s > 0 ? float(std::exp(-0.5 * i * i / (s * s))) : 1.f;
    sum += k[i + R];
  }
  for (auto& x : k) x /= sum;
  for (int y = 0; y < m.h; y++)
    for (int x = 0; x < m.w; x++) {
      float acc = 0;
      for (int i = -R; i <= R; i++) acc += m.at(x - ox + i, y - oy) * k[i + R];
      a.ref(x, y) = acc;
    }
  for (int y = 0; y < m.h; y++)
    for (int x = 0; x < m.w; x++) {
      float acc = 0;
      for (int i = -R; i <= R; i++) acc += a.at(x, y + i) * k[i + R];
      b.ref(x, y) = acc;
    }
  return b;
}

struct facechain {
  FT_Face f[4] = {nullptr, nullptr, nullptr, nullptr};  // primary, comic, sans, fixed pitch
  double px[4] = {0, 0, 0, 0};  // pixel size giving the wanted cap height in each face
};

// Pixel size at which a face's capital H is cap pixels tall.
double sizeforcap(FT_Face face, double cap) {
  FT_Set_Char_Size(face, 0, 100 * 64, 72, 72);
  FT_Set_Transform(face, nullptr, nullptr);
  if (FT_Load_Char(face, 'H', FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP) != 0) return cap * 1.4;
  FT_BBox box;
  FT_Outline_Get_CBox(&face->glyph->outline, &box);
  double h = (box.yMax - box.yMin) / 64.0;
  return h > 1 ? 100.0 * cap / h : cap * 1.4;
}

struct fontsheet {
  int w, h;
  std::vector<uint8_t> rgba;
};

// Draws one glyph into its cell of the sheet. Returns false when the face chain lacks it.
bool drawglyph(const fontlook& look, facechain& chain, int slot, fontsheet& sheet) {
  const glyphslot& g = glyphtable[slot];
  int code = g.code;
  if (code <= 0x20 || (code >= 0x7F && code <= 0x9F)) return true;  // blanks, empties, control codes
  int fi = -1;
  for (int i = 0; i < 3; i++)
    if (chain.f[i] && FT_Get_Char_Index(chain.f[i], FT_ULong(code)) != 0) {
      fi = i;
      break;
    }
  if (fi < 0) return false;
  if (code < 0x80 && look.footed && std::string(look.footed).find(char(code)) != std::string::npos && chain.f[3])
    fi = 3;
  FT_Face face = chain.f[fi];
  FT_Set_Char_Size(face, 0, FT_F26Dot6(std::lround(chain.px[fi] * 64)), 72, 72);
  FT_Set_Transform(face, nullptr, nullptr);
  const FT_Int32 flags = FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP;
  if (FT_Load_Char(face, FT_ULong(code), flags) != 0) return false;
  FT_BBox box;
  FT_Outline_Get_CBox(&face->glyph->outline, &box);
  double xmin = box.xMin / 64.0, xmax = box.xMax / 64.0, ymin = box.yMin / 64.0, ymax = box.yMax / 64.0;
  if (xmax <= xmin) return true;

  const int cw = look.cellw, ch = look.cellh;
  const double reach = std::max(look.outline, look.halo) + look.embolden;  // solid ink beyond the body
  const double below = std::max(0.0, look.shadowy + look.shadowblur * 0.5);
  const double right = std::max(0.0, look.shadowx + look.shadowblur);
  const int advance = glyphtablewidth(slot, cw) - look.advsub;

  // Vertical fit: tall accented capitals and deep descenders shrink about the baseline.
  double sv = 1.0;
  if (ymax > 0) sv = std::min(sv, (look.baseline - reach - 0.5) / ymax);
  if (ymin < 0) sv = std::min(sv, (ch - look.baseline - reach - below - 0.5) / -ymin);
  // What the neighbours see of a glyph is its ink below cap height, and on the right only down
  // to the baseline: a y's tail slides under the next letter, a j's hook fills its own room.
  // Measure that once, unstretched.
  double bandl = xmin * sv, bandr = xmax * sv;
  {
    FT_Matrix mat{FT_Fixed(std::lround(sv * 65536.0)), 0, 0, FT_Fixed(std::lround(sv * 65536.0))};
    FT_Vector delta{0, 0};
    FT_Set_Transform(face, &mat, &delta);
    if (FT_Load_Char(face, FT_ULong(code), flags) == 0 && FT_Render_Glyph(face->glyph, FT_RENDER_MODE_NORMAL) == 0) {
      const FT_Bitmap& bm = face->glyph->bitmap;
      double lo = 1e9, hi = -1e9;
      for (unsigned r = 0; r < bm.rows; r++) {
        int y = look.baseline - face->glyph->bitmap_top + int(r);
        if (y < look.baseline - look.cap - 0.5) continue;
        for (unsigned c = 0; c < bm.width; c++) {
          double a = bm.buffer[size_t(r) * bm.pitch + c] / 255.0;
          if (a < 0.2) continue;
          double x = face->glyph->bitmap_left + int(c);
          lo = std::min(lo, x + 1 - a);  // coverage gives the edge inside the pixel
          if (y < look.baseline) hi = std::max(hi, x + a);
        }
      }
      if (hi > lo) bandl = std::max(bandl, lo), bandr = std::min(bandr, hi);
    }
    FT_Set_Transform(face, nullptr, nullptr);
  }
  if (bandr - bandl < 0.5) bandl = xmin * sv, bandr = xmax * sv;
  double bodyw = bandr - bandl;
  // Horizontal fit: the body keeps a gap to its neighbour; wider glyphs are condensed.
  double room = std::max(1.0, advance - look.gap);
  room = std::min(room, cw - 2 * reach - right - 1.0);
  // Narrow glyphs widen towards the room so the text keeps an even colour; a glyph that
  // inks less than half its room has its own limit, so stems do not turn into bars.
  double limit = room > 1.8 * bodyw ? look.narrowstretch : look.stretch;
  double sh = bodyw > room ? room / bodyw : std::min(limit, room / bodyw);
  // Every glyph sits the same distance right of its pen position, so outlines never start
  // left of the cell and neighbouring gaps stay equal.
  const double lead = std::max(0.0, reach + 0.5 - look.gap / 2);

  const int P = 8;  // padding around the cell to catch anything that would spill over
  for (int attempt = 0; attempt < 8; attempt++) {
    double w = bodyw * sh;
    double x0 = (advance - w) / 2 + lead - (bandl - xmin * sv) * sh;  // left of the whole body
    double full = (xmax - xmin) * sv * sh;
    x0 = std::max(x0, reach + 0.3);
    if (x0 + full + reach + right > cw - 0.5) x0 = std::max(reach + 0.3, cw - 0.5 - reach - right - full);
    FT_Matrix mat;
    mat.xx = FT_Fixed(std::lround(sh * sv * 65536.0));
    mat.xy = 0;
    mat.yx = 0;
    mat.yy = FT_Fixed(std::lround(sv * 65536.0));
    FT_Vector delta;
    delta.x = FT_Pos(std::lround((x0 - xmin * sh * sv) * 64));
    delta.y = 0;
    FT_Set_Transform(face, &mat, &delta);
    if (FT_Load_Char(face, FT_ULong(code), flags) != 0 || FT_Render_Glyph(face->glyph, FT_RENDER_MODE_NORMAL) != 0) {
      FT_Set_Transform(face, nullptr, nullptr);
      return false;
    }
    FT_Set_Transform(face, nullptr, nullptr);
    const FT_Bitmap& bm = face->glyph->bitmap;
    plane m(cw + 2 * P, ch + 2 * P);
    for (unsigned r = 0; r < bm.rows; r++)
      for (unsigned c = 0; c < bm.width; c++) {
        int x = face->glyph->bitmap_left + int(c) + P, y = look.baseline - face->glyph->bitmap_top + int(r) + P;
        if (x < 0 || y < 0 || x >= m.w || y >= m.h) continue;
        m.ref(x, y) = std::max(m.ref(x, y), bm.buffer[size_t(r) * bm.pitch + c] / 255.f);
      }
    plane body = dilate(m, look.embolden);
    plane edge = dilate(body, look.outline);
    plane halo = look.halo > 0 ? blurshift(dilate(body, look.halo), look.halo * 0.5, 0, 0) : plane(m.w, m.h);
    plane shadow = look.shadowalpha > 0
                       ? blurshift(edge, look.shadowblur, int(std::lround(look.shadowx)), int(std::lround(look.shadowy)))
                       : plane(m.w, m.h);
    // Premultiplied layers, back to front: shadow, halo, outline, fill.
    std::vector<float> pr(size_t(m.w) * m.h * 4, 0.f);
    bool spill = false;
    double captop = look.baseline - look.cap;
    for (int y = 0; y < m.h; y++)
      for (int x = 0; x < m.w; x++) {
        float* p = &pr[(size_t(y) * m.w + x) * 4];
        auto over = [p](rgb c, float a) {
          if (a <= 0) return;
          a = std::min(a, 1.f);
          for (int k = 0; k < 3; k++) p[k] = float((&c.r)[k]) * a + p[k] * (1 - a);
          p[3] = a + p[3] * (1 - a);
        };
        over(look.edge, shadow.at(x, y) * float(look.shadowalpha));
        over(look.edge, halo.at(x, y) * float(look.haloalpha));
        if (look.outline > 0) over(look.edge, edge.at(x, y));
        double t = std::clamp((y - P + 0.5 - captop) / std::max(1.0, look.cap), 0.0, 1.0);
        over(artmix(look.top, look.bottom, t), body.at(x, y));
        bool inside = x >= P && y >= P && x < P + cw && y < P + ch;
        if (!inside && p[3] > 0.25f) spill = true;  // faint shadow and halo tails are clipped unseen
      }
    if (spill && attempt < 7) {  // shrink a little and try again; the measured band shrinks with it
      sh *= 0.93;
      sv *= 0.96;
      bandl *= 0.96;
      bandr *= 0.96;
      bodyw = bandr - bandl;
      continue;
    }
    int col = (slot - 1) % 10, row = (slot - 1) / 10;
    for (int y = 0; y < ch; y++)
      for (int x = 0; x < cw; x++) {
        const float* p = &pr[(size_t(y + P) * m.w + x + P) * 4];
        uint8_t* o = &sheet.rgba[(size_t(row * ch + y) * sheet.w + col * cw + x) * 4];
        int a = int(std::lround(p[3] * 255));
        if (a <= 0) continue;
        for (int k = 0; k < 3; k++) o[k] = uint8_t(std::clamp(std::lround(p[k] / p[3] * 255), 0L, 255L));
        o[3] = uint8_t(std::min(a, 255));
      }
    return true;
  }
  return true;
}

void forgeonefont(FT_Library lib, const fontlook& look) {
  facechain chain;
  const char* files[4] = {look.face, comicbold, sansbold, pitchbold};
  for (int i = 0; i < 4; i++) {
    if (i > 0 && std::string(files[i]) == look.face) continue;
    if (FT_New_Face(lib, files[i], 0, &chain.f[i]) != 0) {
      chain.f[i] = nullptr;
      forgeerror(std::string("missing font ") + files[i]);
      continue;
    }
    chain.px[i] = sizeforcap(chain.f[i], look.cap);
  }
  fontsheet sheet{10 * look.cellw, 26 * look.cellh, {}};
  sheet.rgba.assign(size_t(sheet.w) * sheet.h * 4, 0);
  for (int s = 1; s <= glyphtablesize; s++)
    if (!drawglyph(look, chain, s, sheet))
      forgeerror(std::string(look.picture) + ": no glyph for slot " + std::to_string(s));
  for (auto f : chain.f)
    if (f) FT_Done_Face(f);
  forgesavergba(sheet.rgba, sheet.w, sheet.h, look.picture);
}

// "+1" ... "+50": golden points that float up from the table.
void forgenumber(int value) {
  std::string label = "+" + std::to_string(value);
  const double size = 40, hgt = 48, margin = 9;
  cairo_t* probe = artnew(4, 4);
  artfont(probe, "comic", size);
  cairo_text_extents_t e;
  cairo_text_extents(probe, label.c_str(), &e);
  artdone(probe);
  int w = int(std::ceil(std::max(60.0, e.width + 2 * margin)));
  int h = int(hgt);
  cairo_t* cr = artnew(w, h);
  artfont(cr, "comic", size);
  double tx = (w - e.width) / 2 - e.x_bearing, ty = (h - e.height) / 2 - e.y_bearing;
  cairo_move_to(cr, tx, ty);
  cairo_text_path(cr, label.c_str());
  cairo_path_t* path = cairo_copy_path(cr);
  // Soft glow: widening strokes of warm light.
  const double glows[4] = {15, 11, 8, 5.5};
  for (double gw : glows) {
    cairo_new_path(cr);
    cairo_append_path(cr, path);
    artsetcolor(cr, artmix(pal::gold, pal::pumpkin, 0.3), 0.11);
    cairo_set_line_width(cr, gw);
    cairo_stroke(cr);
  }
  cairo_new_path(cr);
  cairo_append_path(cr, path);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 4.2);
  cairo_stroke(cr);
  cairo_new_path(cr);
  cairo_append_path(cr, path);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, ty + e.y_bearing, 0, ty + e.y_bearing + e.height);
  rgb light = artshade(pal::gold, 1.55), deep = artmix(pal::gold, pal::pumpkin, 0.55);
  cairo_pattern_add_color_stop_rgb(g, 0, light.r, light.g, light.b);
  cairo_pattern_add_color_stop_rgb(g, 0.45, pal::gold.r, pal::gold.g, pal::gold.b);
  cairo_pattern_add_color_stop_rgb(g, 1, deep.r, deep.g, deep.b);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  // A small shine on the upper half of the figures.
  cairo_new_path(cr);
  cairo_append_path(cr, path);
  cairo_clip(cr);
  artsetcolor(cr, pal::bone, 0.35);
  cairo_rectangle(cr, 0, 0, w, ty + e.y_bearing + e.height * 0.28);
  cairo_fill(cr);
  cairo_reset_clip(cr);
  cairo_path_destroy(path);
  artsave(cr, "texts/n" + std::to_string(value) + ".png");
}

}  // namespace

void forgefonts() {
  const rgb white{1, 1, 1};
  const rgb warm = artmix(pal::bone, pal::gold, 0.35);
  const rgb sepia{0.17, 0.09, 0.08};
  const fontlook looks[6] = {
      // small button captions: bone letters in a firm ink outline
      {"texts/fbuttonsmall.png", 26, 26, 2, comicbold, 12.5, 19, 2.0, 1.5, 0, 0, 1, 1, 1.0, 0.45, white, pal::bone,
       pal::ink, 0.2, 1.25, 1.3, "li"},
      // general text: clean white with a soft shadow and a faint dark halo
      {"texts/ftext.png", 26, 26, 2, comicbold, 12.5, 19, 1.5, 0, 1.0, 0.8, 1, 1, 1.2, 0.6, white,
       artshade(pal::bone, 1.3), pal::ink, 0.3, 1.25, 1.3, "li"},
      // big button captions: chunky warm letters, thick outline
      {"texts/fbuttonbig.png", 28, 28, 1, comicbold, 13.0, 20, 2.5, 2.0, 0, 0, 1, 1, 1.0, 0.5, white, warm, pal::ink,
       0.45, 1.4, 1.3, "li"},
      // headlines: chunky gold-to-pumpkin letters, thick outline (a joined script face looks
      // broken at the fixed advances of a bitmap font, so the headline uses the comic face too)
      {"texts/fhead.png", 28, 28, 1, comicbold, 13.0, 20, 2.5, 2.0, 0, 0, 1, 1, 1.0, 0.5, artshade(pal::gold, 1.2),
       pal::pumpkin, pal::ink, 0.5, 1.4, 1.3, "li"},
      // small body text on panels: bold bright white in a crisp ink outline, reads on dark and light and tints cleanly
      {"texts/ftext2.png", 20, 19, 2, comicbold, 9.5, 14, 2.0, 1.2, 0, 0, 0, 0, 0, 0, white, white, pal::ink, 0.35,
       1.25, 1.3, "li"},
      // small text on the note paper: dark sepia ink
      {"texts/ftext4.png", 20, 19, 2, comicbold, 10.0, 14, 1.0, 0, 0, 0, 0, 0, 0, 0, sepia, artshade(sepia, 0.7),
       pal::ink, 0.3, 1.25, 1.3, "li"},
  };
  FT_Library lib = nullptr;
  if (FT_Init_FreeType(&lib) != 0) {
    forgeerror("cannot start FreeType");
    return;
  }
  for (const fontlook& look : looks) forgeonefont(lib, look);
  FT_Done_FreeType(lib);
  for (int v : {1, 2, 3, 5, 10, 20, 25, 30, 50}) forgenumber(v);
}
