// Type: the font pictures keep an even rhythm inside the fixed advances of the glyph table.
// Letters stand the same ink gap apart within a word (one pixel of play), a blank opens a
// clearly wider gap, and thin stems (I, i, l) land on whole pixels, as bright as the stems of H.
// The rhythm holds twice: for the whole letters, outline included, and for the letters as they
// read on the ground they are made for, where a dark outline melts into a dark panel.
// Each text is laid out exactly as the game's text drawing does: glyph after glyph, each
// advancing by its table width minus 2 (20- and 26-pixel cells) or minus 1 (28-pixel cells).
//
// Ideas for tests:
// - the same rhythm for punctuation next to letters ("Cash:", "yes!")
// - accented capitals fit their cell without touching the row above
// - a dark font's light halo is faint enough to vanish on the note paper
#include "text/glyphtable.h"
#include <gtest/gtest.h>
#include "tests/pngkit.h"
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace {

struct font {
  int number;
  const char* picture;
  int cellw, cellh, advsub;
};
const font fonts[] = {{1, "fbuttonsmall", 26, 26, 2}, {2, "ftext", 26, 26, 2}, {3, "fbuttonbig", 28, 28, 1},
                      {4, "fhead", 28, 28, 1},        {7, "ftext2", 20, 19, 2}, {8, "ftext4", 20, 19, 2}};

int slotof(int code) {
  int found = 0;
  for (int s = 1; s <= glyphtablesize; s++)
    if (glyphtable[s].code == code) found = s;  // the later slot wins, as in the game
  return found;
}

int advance(const font& f, int slot) { return glyphtablewidth(slot, f.cellw) - f.advsub; }

// One glyph cell of a loaded picture.
struct cell {
  const rgbapicture* p;
  int x0, y0, w, h;
  const uint8_t* at(int x, int y) const { return &p->rgba[(size_t(y0 + y) * p->w + x0 + x) * 4]; }
  int alpha(int x, int y) const { return at(x, y)[3]; }
};

cell cellof(const rgbapicture& p, const font& f, int slot) {
  return {&p, (slot - 1) % 10 * f.cellw, (slot - 1) / 10 * f.cellh, f.cellw, f.cellh};
}

constexpr int inked = 128;  // a pixel at half coverage or more is ink

// The lowest ink row of H: letters are measured above it, so tails may tuck under neighbours.
int baselinerow(const rgbapicture& p, const font& f) {
  cell c = cellof(p, f, slotof('H'));
  int b = 0;
  for (int y = 0; y < c.h; y++)
    for (int x = 0; x < c.w; x++)
      if (c.alpha(x, y) >= inked) b = y;
  return b;
}

double luminance(double r, double g, double b) { return 0.2126 * r + 0.7152 * g + 0.0722 * b; }

// What counts as ink. The whole letter, outline included, is what shows on a backdrop of the
// outline's opposite colour. On the backdrop a font is made for (light letters on the dark
// panels, dark letters on the paper) a dark outline melts into the ground and only the part
// that stands out from it reads as the letter: its contrast with that ground is half or more.
struct inkrule {
  bool visible = false;  // false: alpha alone; true: contrast with the ground
  bool light = true;     // the letters are light (ground black) or dark (ground white)
};

bool isink(const cell& c, int x, int y, inkrule rule) {
  if (!rule.visible) return c.alpha(x, y) >= inked;
  const uint8_t* px = c.at(x, y);
  double a = px[3] / 255.0, ground = rule.light ? 0 : 1;
  double lum = luminance(px[0] / 255.0, px[1] / 255.0, px[2] / 255.0) * a + ground * (1 - a);
  return std::fabs(lum - ground) >= 0.5;
}

// First and last ink column of a glyph above the baseline row; -1 when it has none.
void inkcolumns(const cell& c, int bottom, int& first, int& last, inkrule rule = {}) {
  first = last = -1;
  for (int x = 0; x < c.w; x++)
    for (int y = 0; y <= bottom; y++)
      if (isink(c, x, y, rule)) {
        if (first < 0) first = x;
        last = x;
        break;
      }
}

struct gaps {
  std::vector<std::vector<int>> words;  // letter gaps, per word
  std::vector<int> blanks;              // gaps across a blank
};

// Lays a line of Latin-1 text out as the game does and measures its ink gaps.
gaps measure(const rgbapicture& p, const font& f, const std::string& text, inkrule rule = {}) {
  gaps g;
  g.words.emplace_back();
  int bottom = baselinerow(p, f);
  int pen = 0, lastright = -1000;
  bool afterblank = false;
  for (unsigned char ch : text) {
    int slot = slotof(ch);
    if (ch == ' ') {
      pen += advance(f, slot);
      afterblank = true;
      g.words.emplace_back();
      continue;
    }
    int first, last;
    inkcolumns(cellof(p, f, slot), bottom, first, last, rule);
    if (first >= 0) {
      if (lastright > -1000) {
        int gap = pen + first - lastright - 1;
        if (afterblank)
          g.blanks.push_back(gap);
        else
          g.words.back().push_back(gap);
      }
      lastright = pen + last;
    }
    afterblank = false;
    pen += advance(f, slot);
  }
  return g;
}

// Whether a font's letters are light: their solid pixels are brighter than mid grey.
bool lightletters(const cell& c) {
  double sum = 0, weight = 0;
  for (int y = 0; y < c.h; y++)
    for (int x = 0; x < c.w; x++) {
      const uint8_t* px = c.at(x, y);
      double a = px[3] / 255.0;
      sum += a * a * luminance(px[0] / 255.0, px[1] / 255.0, px[2] / 255.0);
      weight += a * a;
    }
  return weight > 0 && sum / weight > 0.5;
}

const char* const samples[] = {
    "bats marsh strikes points",
    "the marsh",
    "Stage 4 Fog Marsh",
    "Welcome back Wanda",
    "Level 37 Cash 1250",
    "MAX BONUS",
    "New Game Continue Shop",
    "Morgavelle",
    "Take the 7 onto the stable",
    "The moon hides behind the fog",
    "Combo x5 250 points",
    "Hill Illusion little jolly quiz",
    "\xC4pfel \xD6l \xDC" "ber gr\xFC\xDF" "e",
    "ZOMBIE TOWNSFOLK 1234567890",
    "Type your name and press Enter",
};

// The rhythm of every sample line in one font, with ink counted by the given rule.
void checkrhythm(const rgbapicture& p, const font& f, inkrule rule) {
  for (const char* text : samples) {
    gaps g = measure(p, f, text, rule);
    double sum = 0;
    int n = 0;
    for (const auto& word : g.words) {
      if (word.empty()) continue;
      auto [lo, hi] = std::minmax_element(word.begin(), word.end());
      EXPECT_LE(*hi - *lo, 1) << "\"" << text << "\": letter gaps from " << *lo << " to " << *hi;
      EXPECT_GE(*lo, 0) << "\"" << text << "\": letters overlap";
      for (int v : word) sum += v, n++;
    }
    ASSERT_GT(n, 0);
    double mean = sum / n;
    for (int b : g.blanks)
      EXPECT_GE(b, 2 * mean) << "\"" << text << "\": a blank opens " << b << " pixels, letters " << mean;
  }
}

}  // namespace

TEST(TypeSpacing, LettersKeepAnEvenGapAndBlanksAWideOne) {
  for (const font& f : fonts) {
    rgbapicture p = readrgba(std::string("data/texts/") + f.picture + ".png");
    ASSERT_EQ(p.w, 10 * f.cellw);
    bool light = lightletters(cellof(p, f, slotof('H')));
    {
      SCOPED_TRACE(std::string("font ") + std::to_string(f.number) + ", whole letters");
      checkrhythm(p, f, {false, light});
    }
    {
      SCOPED_TRACE(std::string("font ") + std::to_string(f.number) + ", as they read on their own ground");
      checkrhythm(p, f, {true, light});
    }
  }
}

namespace {

// How strongly a glyph's vertical stem stands out: the glyph is laid on the ground that suits
// it (black under light letters, white under dark ones); for each column, the weakest contrast
// over the lower middle of the glyph's height; the strongest such column. A stem split over
// two half-lit columns scores about a half.
double stemstrength(const cell& c, int bottom, bool light) {
  int top = -1, low = -1;
  for (int y = 0; y <= bottom; y++)
    for (int x = 0; x < c.w; x++)
      if (c.alpha(x, y) >= inked) {
        if (top < 0) top = y;
        low = y;
      }
  if (top < 0) return 0;
  int y0 = top + int(std::lround(0.55 * (low - top))), y1 = top + int(std::lround(0.85 * (low - top)));
  double ground = light ? 0 : 1, best = 0;
  for (int x = 0; x < c.w; x++) {
    double weakest = 1e9;
    for (int y = y0; y <= y1; y++) {
      const uint8_t* px = c.at(x, y);
      double a = px[3] / 255.0;
      double lum = luminance(px[0] / 255.0, px[1] / 255.0, px[2] / 255.0) * a + ground * (1 - a);
      weakest = std::min(weakest, std::fabs(lum - ground));
    }
    best = std::max(best, weakest);
  }
  return best;
}


}  // namespace

TEST(TypeSpacing, ThinStemsAreAsBrightAsTheStemsOfH) {
  for (const font& f : fonts) {
    SCOPED_TRACE(std::string("font ") + std::to_string(f.number));
    rgbapicture p = readrgba(std::string("data/texts/") + f.picture + ".png");
    ASSERT_EQ(p.w, 10 * f.cellw);
    int bottom = baselinerow(p, f);
    cell h = cellof(p, f, slotof('H'));
    bool light = lightletters(h);
    double reference = stemstrength(h, bottom, light);
    ASSERT_GT(reference, 0.3);
    for (int code : {int('I'), int('i'), int('l'), 0xED, 0xCD}) {
      double s = stemstrength(cellof(p, f, slotof(code)), bottom, light);
      EXPECT_GE(s, 0.8 * reference) << "glyph " << code << ": stem " << s << ", H " << reference;
    }
  }
}

// The measures themselves, on a hand-made picture: two bars a known distance apart.
TEST(TypeSpacing, TheMeasureSeesAStemSplitOverTwoColumns) {
  rgbapicture p;
  p.w = 200;
  p.h = 19;
  p.rgba.assign(size_t(p.w) * p.h * 4, 0);
  font f{7, "", 20, 19, 2};
  auto paint = [&](int slot, int x, int y0, int y1, int a) {
    cell c = cellof(p, f, slot);
    for (int y = y0; y <= y1; y++) {
      uint8_t* px = &p.rgba[(size_t(c.y0 + y) * p.w + c.x0 + x) * 4];
      px[0] = px[1] = px[2] = 255;
      px[3] = uint8_t(a);
    }
  };
  for (int y = 4; y <= 14; y++) {
    paint(8, 1, y, y, 255);  // H (slot 8): a crisp stem in column 1
    paint(9, 1, y, y, 128);  // I (slot 9): the same stem, half in column 1 ...
    paint(9, 2, y, y, 128);  // ... and half in column 2
  }
  cell h = cellof(p, f, 8), i = cellof(p, f, 9);
  EXPECT_TRUE(lightletters(h));
  EXPECT_NEAR(stemstrength(h, 14, true), 1.0, 0.01);
  EXPECT_LT(stemstrength(i, 14, true), 0.6);
  int first, last;
  inkcolumns(i, 14, first, last);
  EXPECT_EQ(first, 1);
  EXPECT_EQ(last, 2);
}

// Accents over capitals and tails under the line are squeezed into the cell rather than cut by
// its edge: no glyph's ink touches the cell's top or bottom row, where it would be cut off.
TEST(TypeSpacing, AccentsAndTailsStayInsideTheirCells) {
  for (const font& f : fonts) {
    SCOPED_TRACE(std::string("font ") + std::to_string(f.number));
    rgbapicture p = readrgba(std::string("data/texts/") + f.picture + ".png");
    ASSERT_EQ(p.w, 10 * f.cellw);
    for (int slot = 1; slot <= glyphtablesize; slot++) {
      cell c = cellof(p, f, slot);
      int top = 0, bottom = 0;
      for (int x = 0; x < c.w; x++) {
        top = std::max(top, c.alpha(x, 0));
        bottom = std::max(bottom, c.alpha(x, c.h - 1));
      }
      EXPECT_LE(top, 64) << "slot " << slot << " (U+" << std::hex << glyphtable[slot].code << std::dec << ") top";
      EXPECT_LE(bottom, 64) << "slot " << slot << " (U+" << std::hex << glyphtable[slot].code << std::dec << ") bottom";
    }
  }
}
