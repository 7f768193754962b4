// The six bitmap font pictures and the nine floating number pictures.
// Glyphs are rasterised with FreeType straight into coverage masks; outline, halo, shadow and
// the fill gradient are composed here per cell so every effect stays inside its own cell.
#include "text/glyphtable.h"
#include "tools/forge/forge.h"
#include "tools/forge/forge_art.h"
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H
#include FT_BBOX_H
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace {

const char* const comicbold = "/usr/share/fonts/opentype/comic-neue/ComicNeue-Bold.otf";
const char* const sansbold = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";
// Letters drawn to fill a fixed pitch: its l carries a foot, so it fills a wide slot.
const char* const pitchbold = "/usr/share/fonts/truetype/dejavu/DejaVuSansMono-Bold.ttf";

// One font's look. Sizes are in pixels of the cell.
//
// Spacing: the game advances every glyph by a fixed width from the glyph table, so the even
// rhythm has to live inside each cell. Every letter and digit is fitted so that its ink
// (outline included) starts `lead` columns after its pen position and ends `trail` columns
// before the next one: the gap between any two letters is then lead + trail whole pixels.
// A narrow letter may take one column more (or, in fonts with room to spare, one column
// less) where its natural shape asks for it, which moves that one gap by one pixel at most.
// The blank's own width then opens a word gap at least twice the letter gap.
struct fontlook {
  const char* picture;
  int cellw, cellh;
  int advsub;          // the game advances by slot width minus this
  const char* face;    // primary face; missing glyphs come from the comic face, then the sans face
  double cap;          // height of a capital H (the light hinting snaps it to whole pixels)
  int baseline;        // baseline row inside the cell
  int lead, trail;     // empty columns before and after a letter's ink, within its advance
  int flex;            // +1: a narrow letter may ink one column more; -1: one column less
  int outline;         // whole pixels of hard ink outline around the letters, 0 = none
  double weight;       // extra stem weight in pixels, added to every vertical stroke
  double halo, haloalpha;  // soft halo around the letters (radius, alpha); it never counts as ink
  rgb halocolor;
  double shadowx, shadowy, shadowblur, shadowalpha;  // drop shadow of the outlined shape
  rgb top, bottom;     // fill gradient from cap top to baseline
  rgb edge;            // outline and shadow colour
  const char* tailed;  // letters taken from the fixed-pitch face, whose feet fill a wide room
};

// Coverage in a padded float buffer around one cell.
struct plane {
  int w = 0, h = 0;
  std::vector<float> v;
  plane(int w_, int h_) : w(w_), h(h_), v(size_t(w_) * h_, 0.f) {}
  float at(int x, int y) const { return (x < 0 || y < 0 || x >= w || y >= h) ? 0.f : v[size_t(y) * w + x]; }
  float& ref(int x, int y) { return v[size_t(y) * w + x]; }
};

// Grows a coverage mask by radius r with an anti-aliased round brush. With r = n + 0.5 an
// edge on a pixel boundary grows by exactly n whole pixels.
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

// Letters and digits get the fitted rhythm; punctuation and signs keep their own width.
bool fitted(int code) {
  if ((code >= 'A' && code <= 'Z') || (code >= 'a' && code <= 'z') || (code >= '0' && code <= '9')) return true;
  if (code >= 0xC0 && code <= 0xFF && code != 0xD7 && code != 0xF7) return true;
  if (code == 0x131 || code == 0x152 || code == 0x153 || code == 0x160 || code == 0x161 || code == 0x178 ||
      code == 0x17F)
    return true;
  return code >= 0x410 && code <= 0x44F;
}

// Glyphs whose one stem should fall on whole pixels: the stem is shifted onto the grid.
bool stemmed(int code) {
  static const int codes[] = {'I', 'i', 'l', 'j', '1', '!', '|', 0xA1, 0xCC, 0xCD, 0xCE, 0xCF, 0xEC, 0xED, 0xEE, 0xEF, 0x131};
  for (int c : codes)
    if (c == code) return true;
  return false;
}

constexpr FT_Int32 loadflags = FT_LOAD_NO_BITMAP | FT_LOAD_FORCE_AUTOHINT | FT_LOAD_TARGET_LIGHT;

// Loads a glyph at the given horizontal and vertical pixel sizes, hinted only vertically
// (baseline, x-height and cap height on whole rows); false when the face cannot.
bool loadglyph(FT_Face face, int code, double sizex, double sizey) {
  FT_Set_Transform(face, nullptr, nullptr);
  if (FT_Set_Char_Size(face, FT_F26Dot6(std::lround(sizex * 64)), FT_F26Dot6(std::lround(sizey * 64)), 72, 72) != 0)
    return false;
  return FT_Load_Char(face, FT_ULong(code), loadflags) == 0 && face->glyph->format == FT_GLYPH_FORMAT_OUTLINE;
}

// Squeezes what rises above `top` or sinks below `bottom` (pixels above the baseline) into
// that room: accents over capitals flatten a little, tails shorten, the letter's body stays.
void fitvertically(FT_Outline& o, double cap, double top, double bottom) {
  FT_BBox box;
  FT_Outline_Get_BBox(&o, &box);
  double ymax = box.yMax / 64.0, ymin = box.yMin / 64.0;
  double from = std::min(cap, top - 1);
  double ku = ymax > top && ymax > from ? (top - from) / (ymax - from) : 1.0;
  double kd = ymin < bottom ? bottom / ymin : 1.0;
  for (int i = 0; i < o.n_points; i++) {
    double y = o.points[i].y / 64.0;
    if (y > from && ku < 1) y = from + (y - from) * ku;
    if (y < 0 && kd < 1) y *= kd;
    o.points[i].y = FT_Pos(std::lround(y * 64));
  }
}

double inkwidth(FT_Outline& o) {
  FT_BBox box;
  FT_Outline_Get_BBox(&o, &box);
  return (box.xMax - box.xMin) / 64.0;
}

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
  if (code < 0x80 && look.tailed && std::string(look.tailed).find(char(code)) != std::string::npos && chain.f[3])
    fi = 3;
  // The comic face's capital I has bars top and bottom, which crush into a blot in the narrow
  // room the table gives it: the plain bar of the sans face reads as an I there.
  if ((code == 'I' || (code >= 0xCC && code <= 0xCF)) && chain.f[2]) fi = 2;
  FT_Face face = chain.f[fi];
  const double size = chain.px[fi];
  const int cw = look.cellw, ch = look.cellh, o = look.outline;
  const int advance = glyphtablewidth(slot, cw) - look.advsub;
  const double below = std::max(0.0, look.shadowy + look.shadowblur);
  // Room above and below the baseline for the body (the outline and shadow go round it).
  const double rim = std::max(double(o), look.halo * 1.5);  // outline or halo around the body
  const double top = look.baseline - rim - 1.5, bottom = -(ch - look.baseline - rim - below - 1.5);

  // The natural shape at the font's size, its weight added.
  if (!loadglyph(face, code, size, size)) return false;
  double natural = inkwidth(face->glyph->outline) + look.weight;
  if (natural <= 0.01) return true;

  // Where the ink goes: fitted letters fill [lead, advance - trail] exactly (or one column
  // more or less), signs keep their natural width centred in that room.
  const int full = advance - look.lead - look.trail;  // ink columns of a fitted letter
  int ink = full;
  if (look.flex != 0) {
    int alt = full + look.flex;
    double want = natural + 2 * o;
    if (alt >= 1 && std::fabs(std::log(alt / want)) < std::fabs(std::log(full / want))) ink = alt;
  }
  double body, left;  // the body's width and its left edge, outline not included
  if (fitted(code)) {
    body = std::max(1.0, double(ink - 2 * o));
    left = (look.flex > 0 && ink > full) ? look.lead - 1 + o : look.lead + (full - ink) + o;
  } else {
    // A sign may reach a little past its room rather than crush into a bar: brackets and
    // number signs keep four fifths of their width at least.
    double room = std::max(1.0, double(full - 2 * o));
    body = std::min(natural, std::max(room, 0.8 * natural));
    left = look.lead + o + std::floor((room - body) / 2 + 0.5);
    left = std::max(left, double(o));
  }
  // Horizontal size: the outline's width grows linearly with it; the weight adds a constant.
  double sx = size * std::max(0.05, body - look.weight) / std::max(0.05, natural - look.weight);
  if (!loadglyph(face, code, sx, size)) return false;
  FT_Outline& outline = face->glyph->outline;
  if (look.weight > 0) FT_Outline_EmboldenXY(&outline, FT_Pos(std::lround(look.weight * 64)), 0);
  fitvertically(outline, look.cap, top, bottom);
  FT_BBox box;
  FT_Outline_Get_BBox(&outline, &box);
  double shift = left - box.xMin / 64.0;
  FT_Outline_Translate(&outline, FT_Pos(std::lround(shift * 64)), 0);

  const int P = 8;  // padding around the cell to catch anything that would spill over
  auto render = [&](plane& m) {
    if (FT_Render_Glyph(face->glyph, FT_RENDER_MODE_NORMAL) != 0) return false;
    const FT_Bitmap& bm = face->glyph->bitmap;
    for (unsigned r = 0; r < bm.rows; r++)
      for (unsigned c = 0; c < bm.width; c++) {
        int x = face->glyph->bitmap_left + int(c) + P, y = look.baseline - face->glyph->bitmap_top + int(r) + P;
        if (x < 0 || y < 0 || x >= m.w || y >= m.h) continue;
        m.ref(x, y) = std::max(m.ref(x, y), bm.buffer[size_t(r) * bm.pitch + c] / 255.f);
      }
    return true;
  };
  plane m(cw + 2 * P, ch + 2 * P);
  if (stemmed(code)) {
    // Find the stem's left edge in the lower half of the x-height and move it onto the grid.
    FT_Outline copy;
    FT_Outline_New(face->glyph->library, outline.n_points, outline.n_contours, &copy);
    FT_Outline_Copy(&outline, &copy);
    if (!render(m)) return false;
    FT_Outline_Copy(&copy, &outline);
    double edge = -1;
    int y0 = P + look.baseline - int(look.cap * 0.45), y1 = P + look.baseline - 2;
    for (int x = 0; x < m.w && edge < 0; x++) {
      double cover = 0;
      for (int y = y0; y <= y1; y++) cover += m.at(x, y);
      cover /= (y1 - y0 + 1);
      if (cover > 0.04) edge = x + 1 - cover;
    }
    if (edge >= 0) {
      double nudge = std::floor(edge + 0.5) - edge;
      FT_Outline_Translate(&outline, FT_Pos(std::lround(nudge * 64)), 0);
    }
    FT_Outline_Done(face->glyph->library, &copy);
    m = plane(cw + 2 * P, ch + 2 * P);
  }
  if (!render(m)) return false;

  plane edgeplane = o > 0 ? dilate(m, o + 0.5) : m;
  plane halo = look.halo > 0 ? blurshift(dilate(m, look.halo), look.halo * 0.6, 0, 0) : plane(m.w, m.h);
  plane shadow = look.shadowalpha > 0 ? blurshift(edgeplane, look.shadowblur, int(std::lround(look.shadowx)),
                                                  int(std::lround(look.shadowy)))
                                      : plane(m.w, m.h);
  // Premultiplied layers, back to front: shadow, halo, outline, fill.
  std::vector<float> pr(size_t(m.w) * m.h * 4, 0.f);
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
      over(look.halocolor, halo.at(x, y) * float(look.haloalpha));
      if (o > 0) over(look.edge, edgeplane.at(x, y));
      double t = std::clamp((y - P + 0.5 - captop) / std::max(1.0, look.cap), 0.0, 1.0);
      over(artmix(look.top, look.bottom, t), m.at(x, y));
    }
  int col = (slot - 1) % 10, row = (slot - 1) / 10;
  for (int y = 0; y < ch; y++)
    for (int x = 0; x < cw; x++) {
      const float* p = &pr[(size_t(y + P) * m.w + x + P) * 4];
      uint8_t* out = &sheet.rgba[(size_t(row * ch + y) * sheet.w + col * cw + x) * 4];
      int a = int(std::lround(p[3] * 255));
      if (a <= 0) continue;
      for (int k = 0; k < 3; k++) out[k] = uint8_t(std::clamp(std::lround(p[k] / p[3] * 255), 0L, 255L));
      out[3] = uint8_t(std::min(a, 255));
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
  const rgb paper{0.93, 0.84, 0.64};
  const fontlook looks[6] = {
      // small button captions: bone letters in a firm one-pixel ink outline
      {"texts/fbuttonsmall.png", 26, 26, 2, comicbold, 13, 19, 1, 0, +1, 1, 0.45, 0, 0, pal::ink, 1, 1, 1.0, 0.4,
       white, pal::bone, pal::ink, "l"},
      // general text: clean white with a soft dark halo and shadow
      {"texts/ftext.png", 26, 26, 2, comicbold, 13, 19, 1, 1, -1, 0, 0.55, 1.4, 0.4, pal::ink, 1, 1, 1.2, 0.35,
       white, artshade(pal::bone, 1.3), pal::ink, "l"},
      // big button captions: chunky warm letters, a two-pixel outline
      {"texts/fbuttonbig.png", 28, 28, 1, comicbold, 14, 20, 1, 0, +1, 2, 0.6, 0, 0, pal::ink, 1, 1, 1.0, 0.45,
       white, warm, pal::ink, "l"},
      // headlines: chunky gold-to-pumpkin letters, a two-pixel outline (a joined script face
      // looks broken at the fixed advances of a bitmap font, so the headline uses the comic face too)
      {"texts/fhead.png", 28, 28, 1, comicbold, 14, 20, 1, 0, +1, 2, 0.7, 0, 0, pal::ink, 1, 1, 1.0, 0.45,
       artshade(pal::gold, 1.2), pal::pumpkin, pal::ink, "l"},
      // small body text on panels: heavy bright white in a crisp one-pixel ink outline. On the
      // dark panels the outline melts into the ground, so every letter fills its whole advance:
      // the outlines touch, the white letters stand two pixels apart and the three-pixel blank
      // opens five between words.
      {"texts/ftext2.png", 20, 19, 2, comicbold, 10, 14, 0, 0, 0, 1, 0.6, 0, 0, pal::ink, 0, 0, 0, 0, white, white,
       pal::ink, "l"},
      // small text on the note paper: heavy dark sepia with a faint paper-coloured halo, so it
      // also reads where it lies on a dark panel
      {"texts/ftext4.png", 20, 19, 2, comicbold, 10, 14, 1, 1, 0, 0, 0.75, 1.2, 0.75, paper, 0, 0, 0, 0, sepia,
       artshade(sepia, 0.7), pal::ink, "l"},
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
