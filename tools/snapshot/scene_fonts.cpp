// The font sheets ("font1" .. "font8": every glyph slot of a font in a grid of cells) and a
// page of sample lines in every font, with guide lines at the x anchors and at each line's y.
#include "tools/snapshot/snapshot.h"
#include "runtime/runtime.h"
#include "shell/gfx.h"
#include "shell/state.h"
#include "text/fonts.h"
#include "text/glyphtable.h"
#include <cstdio>
#include <string>
#include <vector>

// A dusk backdrop: night blue at the top fading to a muted purple, dark enough for bone-white
// glyphs and light enough for dark outlines.
static void drawdusk(int w, int h) {
  for (int y = 0; y < h; y += 8) {
    float t = float(y) / h;
    Image band = makeblock(w, 8, int(58 + 40 * t), int(62 + 14 * t), int(96 + 8 * t), 255);
    DrawImage(band, 0, float(y), 0);
  }
}

// The cell size of each font that exists, in sheet order.
struct sheetfont {
  int font, cellw, cellh;
};
static const sheetfont sheetfonts[] = {{1, 26, 26}, {2, 26, 26}, {3, 28, 28}, {4, 28, 28}, {7, 20, 19}, {8, 20, 19}};

static const int sheetcols = 20;  // slots per sheet row: 13 rows of 20 keep the big fonts on one page
static const int sheetgap = 6;    // pixels between cells
static const int sheettop = 44;   // room for the title line

static bool snapsheet(const sheetfont& f) {
  const int pitchx = f.cellw + sheetgap, pitchy = f.cellh + sheetgap + 10;
  const int w = 60 + sheetcols * pitchx + 20, h = sheettop + 13 * pitchy + 10;
  snapscreen(w, h);
  drawdusk(w, h);
  Image cell = makeblock(f.cellw, f.cellh, 122, 116, 132, 255);  // mid-grey: light and dark glyphs both show
  Image tick = makeblock(1, 4, 255, 190, 90, 255);
  drawtext("font " + std::to_string(f.font) + "  (" + std::to_string(f.cellw) + " x " + std::to_string(f.cellh) +
               " cells; orange ticks mark each glyph's advance)",
           12, 14, ALIGN_LEFT, 7);
  for (int s = 1; s <= glyphtablesize; s++) {
    int col = (s - 1) % sheetcols, row = (s - 1) / sheetcols;
    float x = float(60 + col * pitchx), y = float(sheettop + row * pitchy);
    if (col == 0) drawtext(std::to_string(s), 52, y + 4 + (f.cellh - 19) / 2.0f, ALIGN_RIGHT, 7);
    DrawImage(cell, x, y, 0);
    DrawImage(fontimg[f.font], x, y, s - 1);
    int code = glyphtable[s].code;
    if (code > 0 && code < fontcodelimit && fontframe[f.font][code] == s)
      DrawImage(tick, x + float(fontadv[f.font][code]), y + float(f.cellh) + 1, 0);
  }
  return savesnapshot("font" + std::to_string(f.font));
}

// Sample lines: one row per font, each drawn left at 40, centred at 512 and right at 984.
static const struct {
  int font;
  const char* left;
  const char* centre;
  const char* right;
} samplerows[] = {
    {1, "Play", "Options", "Quit"},
    {2, "Welcome back, Wanda!", "Stage 4: Fog Marsh", "Cash: 1250 $"},
    {3, "New Game", "Continue", "Shop"},
    {4, "Morgavelle", "Level 37", "Gr\xFC\xDF" "e!"},
    {7, "Take the 7 onto the stable.", "\xC4pfel, \xD6l, \xDC" "ber, \xE4\xF6\xFC\xDF", "(50%) #3 + @home?"},
    {8, "The moon hides behind the fog.", "Combo x5 = 250 points", "[a] {b} \"c\" 'd'"},
};

static const char* boxsample =
    "Night falls over the village. The pumpkins grin, the bats circle the church tower, and somewhere in the marsh "
    "a lantern blinks twice. Clear the table before the clock strikes twelve!";

static bool snapsamples() {
  const int w = 1024, h = 768;
  snapscreen(w, h);
  drawdusk(w, h);
  Image vguide = makeblock(1, h, 255, 190, 90, 160);
  Image hguide = makeblock(w, 1, 140, 220, 210, 110);
  for (int x : {40, 512, 984}) DrawImage(vguide, float(x), 0, 0);
  float y = 30;
  for (const auto& r : samplerows) {
    DrawImage(hguide, 0, y, 0);  // the y given to drawtext; cells start 4 pixels above it
    drawtext(r.left, 40, y, ALIGN_LEFT, r.font);
    drawtext(r.centre, 512, y, ALIGN_CENTRE, r.font);
    drawtext(r.right, 984, y, ALIGN_RIGHT, r.font);
    drawtext(std::to_string(r.font), 14, y, ALIGN_LEFT, 7);
    y += r.font == 3 || r.font == 4 ? 44 : 38;
  }
  // Two text boxes: centred on the middle guide and left-aligned, each with its width marked.
  const int boxw = 380, lineh = 22;
  Image edge = makeblock(1, 150, 255, 120, 160, 200);
  float by = y + 20;
  DrawImage(edge, float(512 - boxw / 2), by - 10, 0);
  DrawImage(edge, float(512 + boxw / 2), by - 10, 0);
  drawtextbox(boxsample, 512, by, boxw, lineh, ALIGN_CENTRE, 7);
  by += 170;
  DrawImage(edge, 40, by - 10, 0);
  DrawImage(edge, float(40 + boxw), by - 10, 0);
  drawtextbox(boxsample, 40, by, boxw, lineh, ALIGN_LEFT, 8);
  drawtextbox("A short box sits a line lower.", 740, by, 300, lineh, ALIGN_CENTRE, 2);
  return savesnapshot("textsamples");
}

bool snapfonts() {
  snapscreen(1024, 768);
  loadfonts();
  bool ok = true;
  for (const sheetfont& f : sheetfonts) {
    if (!fontimg[f.font]) {
      std::printf("FAILED font %d: no picture (run in the build folder, beside data/)\n", f.font);
      ok = false;
      continue;
    }
    ok = snapsheet(f) && ok;
  }
  return snapsamples() && ok;
}
