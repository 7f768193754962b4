// Chapter 8's objects: the tool chest and its lid, the cable coiled in it and plugged in, the
// generator's glow and its exhaust puff; and the pieces the yard and the pictures share.
#include "tools/forge/forge_story.h"
#include "tools/forge/forge_story_ch08.h"
#include "tools/forge/forge_story_sea.h"
#include <algorithm>
#include <cmath>
#include <string>

using namespace storykit;
using namespace seakit;

namespace shipyard {

namespace {

constexpr int boxw = 300, boxh = 220, lidw = 270, lidh = 400, cablew = 150, cableh = 150;
constexpr int partw = 220, parth = 196, genw = 280, genh = 200, puffw = 48, puffh = 44, glowpad = 10;
const rgb genyellow{0.95, 0.74, 0.18}, cableorange{0.98, 0.5, 0.14}, chestwood{0.58, 0.42, 0.26};

cairo_t* scenepicture(int w, int h, double cx, double cy) {
  cairo_t* cr = artnew(w, h);
  cairo_translate(cr, w / 2.0 - cx, h / 2.0 - cy);
  return cr;
}

// The glow of a piece drawn in full colour: dimmed only by `lift`, so it stands out of the dark
// as the same drawing lit, with the usual halo. The piece itself is left as it was.
void saveglowatnight(cairo_t* cr, const std::string& path, double lift) {
  cairo_surface_t* s = cairo_get_target(cr);
  cairo_surface_flush(s);
  cairo_surface_t* copy = cutout(s, 0, 0, cairo_image_surface_get_width(s), cairo_image_surface_get_height(s));
  nightfall(copy, lift);
  cairo_t* c = cairo_create(copy);
  grain(c, 0.02, 8999);
  cairo_destroy(c);
  cairo_surface_t* g = glowof(copy, glowpad, 0, 0, rgb{1.0, 0.86, 0.46}, 1.2);
  forgesavepng(g, path);
  cairo_surface_destroy(g);
  cairo_surface_destroy(copy);
}

}  // namespace

void nightfall(cairo_surface_t* s, double lift) {
  pixelgrid g = pixelsof(s);
  // each channel of an opaque pixel through a table; the few half-covered ones computed
  const double k[3] = {0.23 * lift, 0.25 * lift, 0.4 * lift};
  auto dim = [](double t, double kk) { return std::min(1.0, kk * (0.7 * t + 0.3 * std::sqrt(t))); };
  uint8_t table[3][256];
  for (int c = 0; c < 3; c++)
    for (int v = 0; v < 256; v++) table[c][v] = uint8_t(dim(v / 255.0, k[c]) * 255 + 0.5);
  for (int y = 0; y < g.h; y++) {
    uint32_t* row = g.row(y);
    for (int x = 0; x < g.w; x++) {
      uint32_t p = row[x];
      int a = p >> 24;
      if (a == 0) continue;
      int ch[3] = {int((p >> 16) & 255), int((p >> 8) & 255), int(p & 255)};
      for (int c = 0; c < 3; c++)
        ch[c] = a == 255 ? table[c][ch[c]] : int(dim(double(ch[c]) / a, k[c]) * a + 0.5);
      row[x] = (uint32_t(a) << 24) | (uint32_t(ch[0]) << 16) | (uint32_t(ch[1]) << 8) | uint32_t(ch[2]);
    }
  }
  g.done();
}

// ---- the generator ------------------------------------------------------------------------------

void generator(cairo_t* cr, const light& L) {
  const double x = genx, y = geny, ol = 3;
  groundshadow(cr, x + 10, y + 84, 140, 12, 0.55);
  // skids
  for (double sy : {y + 74}) {
    cairo_rectangle(cr, x - 122, sy, 244, 12);
    paint(cr, rgb{0.3, 0.3, 0.34}, L, 244, ol);
  }
  // the exhaust stack with its rain flap, on the left of the roof
  tube(cr, {{x + 10, y - 44}, {x + 10, y - 62}}, 14, rgb{0.35, 0.33, 0.36}, L, ol);
  poly(cr, {{x + 2, y - 66}, {x + 20, y - 62}, {x + 22, y - 68}, {x + 4, y - 72}});
  paint(cr, rgb{0.4, 0.38, 0.4}, L, 20, 2);
  // the body: a yellow housing with louvres, rounded edges
  artroundrect(cr, x - 116, y - 46, 232, 122, 10);
  cairo_path_t* body = cairo_copy_path(cr);
  paint(cr, genyellow, L, 230, ol);
  cairo_save(cr);
  cairo_append_path(cr, body);
  cairo_clip(cr);
  for (int i = 0; i < 7; i++) {
    double ly = y - 30 + i * 9;
    cairo_rectangle(cr, x + 36, ly, 66, 4);
    artsetcolor(cr, artshade(genyellow, 0.55));
    cairo_fill(cr);
  }
  dabs(cr, x - 116, y - 46, 232, 122, rgb{0.55, 0.32, 0.14}, 0.35, 18, 18, 8101);
  cairo_rectangle(cr, x - 116, y + 56, 232, 20);
  artsetcolor(cr, rgb{0.2, 0.2, 0.24}, 0.85);
  cairo_fill(cr);
  cairo_restore(cr);
  cairo_append_path(cr, body);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, ol);
  cairo_stroke(cr);
  cairo_path_destroy(body);
  // the roof's lip and lifting eye
  cairo_rectangle(cr, x - 120, y - 50, 240, 9);
  paint(cr, artshade(genyellow, 0.9), L, 240, 2.5);
  ellipse(cr, x - 40, y - 56, 7, 7);
  cairo_set_line_width(cr, 4);
  artsetcolor(cr, pal::ink);
  cairo_stroke(cr);
  // the control panel: two dials, the big red start button, a toggle, the label
  artroundrect(cr, x - 100, y - 32, 110, 70, 6);
  paint(cr, rgb{0.28, 0.3, 0.36}, L, 110, 2.5);
  for (double dx : {-78.0, -46.0}) {
    ellipse(cr, x + dx, y - 12, 12, 12);
    paint(cr, pal::bone, L, 24, 2);
    inkline(cr, {{x + dx, y - 12}, {x + dx - 6, y - 18}}, 2);
  }
  ellipse(cr, x - 14, y - 12, 11, 11);
  paint(cr, pal::blood, L, 22, 2.5);
  artfont(cr, "sans", 7);
  arttext(cr, "START", x - 14, y + 4, pal::bone, 0);
  cairo_rectangle(cr, x - 90, y + 14, 80, 16);
  paint(cr, pal::bone, L, 80, 1.5);
  artfont(cr, "sans", 10);
  arttext(cr, "DIESEL 40kVA", x - 50, y + 22, rgb{0.25, 0.22, 0.2}, 0);
  // a hazard sign, the fuel cap, the outlet on the right where the yard cable starts
  poly(cr, {{x + 70, y - 40}, {x + 82, y - 20}, {x + 58, y - 20}});
  paint(cr, pal::gold, L, 20, 1.6);
  artfont(cr, "sans", 10);
  arttext(cr, "!", x + 70, y - 26, pal::ink, 0);
  ellipse(cr, x + 96, y - 50, 9, 4);
  paint(cr, pal::blood, L, 18, 1.8);
  cairo_rectangle(cr, x + 112, y + 20, 16, 22);
  paint(cr, rgb{0.2, 0.3, 0.6}, L, 16, 2);
}

// ---- the tool chest -----------------------------------------------------------------------------

void chestbody(cairo_t* cr, const light& L) {
  const double x0 = chestx0, x1 = chestx1, ol = 3;
  groundshadow(cr, (x0 + x1) / 2 + 12, chestfoot, 140, 12, 0.6);
  // the inside seen through the open top: its back wall and floor, dark
  poly(cr, {{x0 + 8, chesttop}, {x1 - 8, chesttop}, {x1 - 8, chestrim}, {x0 + 8, chestrim}});
  cairo_pattern_t* g = cairo_pattern_create_linear(0, chesttop, 0, chestrim);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.2, 0.14, 0.1);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.34, 0.24, 0.16);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  // the back and side walls' top edges, the front face with its planks, iron corners, handles
  poly(cr, {{x0, chestrim}, {x0, chesttop + 4}, {x0 + 10, chesttop}, {x0 + 10, chestrim - 6}});
  paint(cr, artshade(chestwood, 0.9), L, 12, 2);
  poly(cr, {{x1, chestrim}, {x1, chesttop + 4}, {x1 - 10, chesttop}, {x1 - 10, chestrim - 6}});
  paint(cr, artshade(chestwood, 0.8), L, 12, 2);
  cairo_rectangle(cr, x0 + 10, chesttop - 2, x1 - x0 - 20, 8);
  paint(cr, artshade(chestwood, 0.95), L, 200, 2);
  cairo_rectangle(cr, x0, chestrim, x1 - x0, chestfoot - chestrim);
  cairo_path_t* front = cairo_copy_path(cr);
  paint(cr, chestwood, L, 220, ol);
  cairo_save(cr);
  cairo_append_path(cr, front);
  cairo_clip(cr);
  for (int i = 0; i < 4; i++) {
    double py = chestrim + i * 26.25;
    woodgrain(cr, x0, py, x1, py + 26, artshade(chestwood, 0.55), 8201 + i);
    if (i) inkline(cr, {{x0, py}, {x1, py}}, 1.5, 0.6);
  }
  artfont(cr, "sans", 24);
  arttext(cr, "YARD 13", (x0 + x1) / 2, chestrim + 52, artmix(chestwood, pal::ink, 0.6), 0);
  cairo_restore(cr);
  cairo_path_destroy(front);
  for (double cx : {x0, x1 - 22}) {
    for (double cy : {chestrim, chestfoot - 22}) {
      cairo_rectangle(cr, cx, cy, 22, 22);
      paint(cr, col::iron, L, 22, 2);
      ellipse(cr, cx + 11, cy + 11, 2.5, 2.5);
      artsetcolor(cr, pal::ink);
      cairo_fill(cr);
    }
  }
  for (double side : {-1.0, 1.0}) {
    double hx = side < 0 ? x0 : x1;
    tube(cr, {{hx, chestrim + 30}, {hx + side * 12, chestrim + 34}, {hx + side * 12, chestrim + 50}, {hx, chestrim + 54}}, 5,
         col::iron, L, 2);
  }
  // the hasp on the front for the lid's latch
  cairo_rectangle(cr, (x0 + x1) / 2 - 10, chestrim, 20, 18);
  paint(cr, col::iron, L, 20, 2);
}

// The lid, `angle` degrees up from shut, hinged along the back of the opening. Seen from the
// front and a little above: shut, its top face shows; past thirty degrees its underside does.
void chestlid(cairo_t* cr, double angle, const light& L) {
  const double depth = 132, thick = 14, sine = 0.5, cose = 0.866, x0 = chestx0 - 4, x1 = chestx1 + 4;
  double a = angle * M_PI / 180;
  auto yat = [&](double s, double up) {  // a point s along the lid from the hinge, `up` off its face
    double z = s * std::cos(a) - up * std::sin(a), h = s * std::sin(a) + up * std::cos(a);
    return chesttop - 4 + z * sine - h * cose;
  };
  double hingey = yat(0, 0), fronty = yat(depth, 0), fronttop = yat(depth, thick), hingetop = yat(0, thick);
  bool top = angle < 30;
  if (top) {
    // the top face from the hinge to the front edge, then the front edge's thickness
    poly(cr, {{x0, hingetop}, {x1, hingetop}, {x1, fronttop}, {x0, fronttop}});
    cairo_path_t* face = cairo_copy_path(cr);
    paint(cr, artshade(chestwood, 1.08), L, 220, 3);
    cairo_save(cr);
    cairo_append_path(cr, face);
    cairo_clip(cr);
    double span = fronttop - hingetop;
    for (int i = 1; i < 4; i++) inkline(cr, {{x0, hingetop + span * i / 4}, {x1, hingetop + span * i / 4}}, 1.5, 0.55);
    woodgrain(cr, x0, hingetop, x1, fronttop, artshade(chestwood, 0.6), 8301);
    if (span > 40) {
      cairo_save(cr);
      cairo_translate(cr, (x0 + x1) / 2, (hingetop + fronttop) / 2);
      cairo_scale(cr, 1, span / 66);
      artfont(cr, "sans", 26);
      arttext(cr, "TOOLS", 0, 0, artmix(chestwood, pal::ink, 0.55), 0);
      cairo_restore(cr);
    }
    cairo_restore(cr);
    cairo_path_destroy(face);
    cairo_rectangle(cr, x0, fronttop, x1 - x0, std::max(4.0, fronty - fronttop + 6));
    paint(cr, artshade(chestwood, 0.85), L, 220, 3);
    // metal corners and the latch hanging over the hasp
    for (double cx : {x0, x1 - 24}) {
      poly(cr, {{cx, fronttop}, {cx + 24, fronttop}, {cx + 24, fronty + 6}, {cx, fronty + 6}});
      paint(cr, col::iron, L, 24, 2);
    }
    double lx = (x0 + x1) / 2;
    cairo_rectangle(cr, lx - 8, fronttop, 16, fronty - fronttop + 20);
    paint(cr, col::iron, L, 16, 2);
  } else {
    // raised: the underside faces us, its front edge on top
    double y0 = std::min(fronttop, fronty), yh = hingey;
    poly(cr, {{x0, yh}, {x1, yh}, {x1 + 6, fronty}, {x0 - 6, fronty}});
    cairo_path_t* face = cairo_copy_path(cr);
    paint(cr, artshade(chestwood, 0.82), L, 220, 3);
    cairo_save(cr);
    cairo_append_path(cr, face);
    cairo_clip(cr);
    woodgrain(cr, x0, fronty, x1, yh, artshade(chestwood, 0.5), 8302);
    // two battens across the inside, and a note taped to it
    for (double t : {0.3, 0.75}) {
      double by = yh + (fronty - yh) * t;
      cairo_rectangle(cr, x0 - 6, by - 6, x1 - x0 + 12, 12);
      paint(cr, artshade(chestwood, 0.95), L, 12, 2);
    }
    double ny = yh + (fronty - yh) * 0.52, nh = std::fabs(fronty - yh) * 0.3;
    cairo_save(cr);
    cairo_translate(cr, x0 + 150, ny);
    cairo_rotate(cr, -0.08);
    cairo_rectangle(cr, -34, -nh / 2, 68, nh);
    paint(cr, pal::bone, L, 68, 1.5);
    cairo_scale(cr, 1, std::min(1.0, nh / 30));
    artfont(cr, "comic", 11);
    arttext(cr, "spare cable", 0, -4, pal::blood, 0);
    arttext(cr, "inside!", 0, 8, pal::blood, 0);
    cairo_restore(cr);
    cairo_restore(cr);
    cairo_path_destroy(face);
    // the front edge, seen from above
    poly(cr, {{x0 - 6, fronty}, {x1 + 6, fronty}, {x1 + 6, y0 - 2}, {x0 - 6, y0 - 2}});
    paint(cr, artshade(chestwood, 1.1), L, 220, 3);
    double lx = (x0 + x1) / 2;
    cairo_rectangle(cr, lx - 8, y0 - 16, 16, 16);
    paint(cr, col::iron, L, 16, 2);
  }
  // hinges along the back
  for (double hx : {x0 + 40, x1 - 60}) {
    cairo_rectangle(cr, hx, hingey - 6, 20, 10);
    paint(cr, col::iron, L, 20, 1.8);
  }
}

// ---- the cable ----------------------------------------------------------------------------------

namespace {

// The plug seen end on: a yellow body with its blue collar and the cable's boot.
void plug(cairo_t* cr, double x, double y, const light& L) {
  ellipse(cr, x, y, 15, 15);
  paint(cr, rgb{0.22, 0.36, 0.72}, L, 30, 2.5);
  ellipse(cr, x, y, 9, 9);
  paint(cr, pal::gold, L, 18, 2);
  for (int k = 0; k < 3; k++) {
    double a = k * 2 * M_PI / 3 - M_PI / 2;
    ellipse(cr, x + std::cos(a) * 4, y + std::sin(a) * 4, 1.6, 1.6);
    artsetcolor(cr, pal::ink);
    cairo_fill(cr);
  }
}

}  // namespace

void cablecoil(cairo_t* cr, const light& L) {
  // loops lying in the chest, seen from above at a slant, the plug on top
  const double x = cablex, y = cabley - 22;
  for (int i = 0; i < 4; i++) {
    double rx = 50 - i * 4, ry = 15 - i, dy = -i * 4;
    cairo_new_path(cr);
    ellipse(cr, x + i * 3, y + dy, rx, ry);
    artsetcolor(cr, pal::ink);
    cairo_set_line_width(cr, 11);
    cairo_stroke(cr);
    ellipse(cr, x + i * 3, y + dy, rx, ry);
    artsetcolor(cr, artshade(cableorange, 0.85 + i * 0.06));
    cairo_set_line_width(cr, 6);
    cairo_stroke(cr);
    cairo_new_path(cr);
    cairo_save(cr);
    cairo_translate(cr, x + i * 3, y + dy);
    cairo_scale(cr, rx, ry);
    cairo_arc(cr, 0, 0, 1, M_PI * 1.1, M_PI * 1.7);
    cairo_restore(cr);
    artsetcolor(cr, rgb{1, 0.9, 0.7}, 0.5);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
  }
  tube(cr, {{x + 44, y - 6}, {x + 34, y - 20}, {x + 18, y - 22}}, 6, cableorange, L, 2.5);
  plug(cr, x + 12, y - 22, L);
}

void pluggedcable(cairo_t* cr, double x, double y, const light& L) {
  const double py = y - 70;
  // down from the plug, a loop, and the rest lying coiled on the ground
  tube(cr, {{x, py + 10}, {x + 4, py + 50}, {x - 14, py + 86}, {x + 10, py + 112}, {x + 40, py + 118}}, 7, cableorange, L,
       2.5);
  for (int i = 0; i < 3; i++) {
    double cx = x + 44 - i * 6, cy = py + 126 - i * 5;
    cairo_new_path(cr);
    ellipse(cr, cx, cy, 40 - i * 5, 11 - i);
    artsetcolor(cr, pal::ink);
    cairo_set_line_width(cr, 11);
    cairo_stroke(cr);
    ellipse(cr, cx, cy, 40 - i * 5, 11 - i);
    artsetcolor(cr, artshade(cableorange, 0.85 + i * 0.07));
    cairo_set_line_width(cr, 6);
    cairo_stroke(cr);
  }
  plug(cr, x, py, L);
}

// ---- the yard lamps -----------------------------------------------------------------------------

void lampfixture(cairo_t* cr, int i, bool lit, const light& L) {
  const double x = lampx[i], y = lampy[i];
  const rgb housing{0.3, 0.3, 0.36};
  rgb lens = lit ? rgb{1.0, 0.97, 0.85} : rgb{0.32, 0.36, 0.44};
  if (lit) glow(cr, x, y + 6, 60, rgb{1.0, 0.9, 0.6}, 0.6);
  switch (i) {
    case 3: {  // a caged work lamp hanging on its flex
      inkline(cr, {{x, y - 80}, {x, y - 14}}, 2);
      ellipse(cr, x, y, 10, 13);
      flat(cr, lens, 2.5);
      for (double dx : {-6.0, 0.0, 6.0}) inkline(cr, {{x + dx, y - 12}, {x + dx * 1.8, y}, {x + dx, y + 12}}, 1.5);
      cairo_rectangle(cr, x - 8, y - 18, 16, 6);
      paint(cr, housing, L, 16, 2);
      break;
    }
    case 1: {  // on a bracket on the gantry's leg, facing the yard
      tube(cr, {{x + 40, y}, {x + 12, y}}, 6, housing, L, 2.5);
      poly(cr, {{x - 18, y - 14}, {x + 14, y - 12}, {x + 14, y + 12}, {x - 18, y + 14}});
      paint(cr, housing, L, 30, 2.5);
      ellipse(cr, x - 18, y, 6, 14);
      flat(cr, lens, 2.5);
      break;
    }
    case 7: {  // a work light on a tripod, aimed at the hull
      for (double dx : {-26.0, 0.0, 26.0}) tube(cr, {{x, y + 14}, {x + dx, y + 96}}, 4, pal::gold, L, 2);
      tube(cr, {{x, y + 20}, {x, y + 4}}, 5, pal::gold, L, 2);
      artroundrect(cr, x - 22, y - 16, 44, 28, 4);
      paint(cr, pal::gold, L, 44, 2.5);
      cairo_rectangle(cr, x - 16, y - 11, 32, 18);
      flat(cr, lens, 2);
      for (double dy : {-5.0, 1.0}) inkline(cr, {{x - 16, y + dy}, {x + 16, y + dy}}, 1.2, 0.5);
      break;
    }
    default: {  // floodlights hung from the gantry's girder, facing down into the dock
      inkline(cr, {{x - 10, y - 24}, {x - 10, y - 12}}, 2.5);
      inkline(cr, {{x + 10, y - 24}, {x + 10, y - 12}}, 2.5);
      poly(cr, {{x - 22, y - 12}, {x + 22, y - 12}, {x + 18, y + 8}, {x - 18, y + 8}});
      paint(cr, housing, L, 44, 2.5);
      ellipse(cr, x, y + 8, 18, 5);
      flat(cr, lens, 2.2);
      break;
    }
  }
}

// ---- the object pictures ------------------------------------------------------------------------

namespace {

// Draws a piece in full colour into a picture centred on (cx, cy), dims it to the yard's night
// and saves it; its glow is the same drawing dimmed less, brightened, with its halo.
void nightpicture(const std::string& name, int w, int h, double cx, double cy, void (*draw)(cairo_t*), double lift,
                  const std::string& glowname) {
  cairo_t* cr = scenepicture(w, h, cx, cy);
  draw(cr);
  if (!glowname.empty()) saveglowatnight(cr, "story/8/" + glowname, lift * 1.8);
  nightfall(cairo_get_target(cr), lift);
  grain(cr, 0.02, uint32_t(name.size() * 313 + w));
  artsave(cr, "story/8/" + name);
}

void drawchest(cairo_t* cr) { chestbody(cr, moonrim); }
void drawcable(cairo_t* cr) {
  cairo_save(cr);
  cairo_rectangle(cr, chestx0 + 8, chesttop - 60, chestx1 - chestx0 - 16, chestrim - chesttop + 60);
  cairo_clip(cr);
  cablecoil(cr, moonrim);
  cairo_restore(cr);
}
void drawpart(cairo_t* cr) { pluggedcable(cr, socketx, sockety, moonrim); }

void lidframes() {
  const double angles[5] = {0, 0, 18, 62, 102};
  for (int k = 1; k <= 4; k++) {
    cairo_t* cr = scenepicture(lidw, lidh, cratex, lidy);
    chestlid(cr, angles[k], moonrim);
    if (k == 1) saveglowatnight(cr, "story/8/b1-glow.png", 2.4);
    nightfall(cairo_get_target(cr), 1.3);
    grain(cr, 0.02, 8400 + k);
    artsave(cr, "story/8/b" + std::to_string(k) + ".png");
  }
}

// A soft, round puff of exhaust.
void puff() {
  cairo_t* cr = artnew(puffw, puffh);
  rng r(8501);
  for (int i = 0; i < 6; i++) {
    double x = puffw / 2.0 + r.range(-7, 7), y = puffh / 2.0 + r.range(-5, 5), rad = r.range(7, 11);
    cairo_pattern_t* g = cairo_pattern_create_radial(x - rad * 0.3, y - rad * 0.4, 0, x, y, rad);
    cairo_pattern_add_color_stop_rgba(g, 0, 0.78, 0.78, 0.84, 0.42);
    cairo_pattern_add_color_stop_rgba(g, 0.65, 0.52, 0.52, 0.62, 0.26);
    cairo_pattern_add_color_stop_rgba(g, 1, 0.36, 0.36, 0.46, 0);
    cairo_set_source(cr, g);
    cairo_arc(cr, x, y, rad, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
  }
  artsave(cr, "story/8/light.png");
}

}  // namespace

void yardobjects() {
  nightpicture("box.png", boxw, boxh, cratex, cratey, drawchest, 1.3, "");
  lidframes();
  nightpicture("cable.png", cablew, cableh, cablex, cabley, drawcable, 1.8, "cable-glow.png");
  nightpicture("cablepart.png", partw, parth, socketx, sockety, drawpart, 2.2, "");
  {
    // the generator's glow: the very drawing the yard holds, lifted
    cairo_t* cr = scenepicture(genw, genh, genx, geny);
    generator(cr, moonrim);
    saveglowatnight(cr, "story/8/gen-glow.png", 2.2);
    artdone(cr);
  }
  puff();
}

std::vector<pictureentry> yardmanifest() {
  auto g = [](int v) { return v + 2 * glowpad; };
  std::vector<pictureentry> m = {
      {"story/8/bga.jpg", 1366, sceneh, "chapter 8 dark shipyard, left half [cut]"},
      {"story/8/bgb.jpg", 1366, sceneh, "chapter 8 dark shipyard, right half [cut]"},
      {"story/8/box.png", boxw, boxh, "chapter 8 tool chest"},
      {"story/8/b1-glow.png", g(lidw), g(lidh), "chapter 8 tool chest lid glowing"},
      {"story/8/cable.png", cablew, cableh, "chapter 8 cable coiled in the chest"},
      {"story/8/cable-glow.png", g(cablew), g(cableh), "chapter 8 cable glowing"},
      {"story/8/cablepart.png", partw, parth, "chapter 8 cable carried and plugged in"},
      {"story/8/gen-glow.png", g(genw), g(genh), "chapter 8 generator glowing"},
      {"story/8/light.png", puffw, puffh, "chapter 8 puff from the running generator"},
  };
  for (int k = 1; k <= 4; k++)
    m.push_back({"story/8/b" + std::to_string(k) + ".png", lidw, lidh,
                 "chapter 8 tool chest lid opening, frame " + std::to_string(k) + " of 4"});
  return m;
}

}  // namespace shipyard
