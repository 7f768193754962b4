// The glyph table and the forged font pictures that follow it.
#include "text/glyphtable.h"
#include <gtest/gtest.h>
#include "tests/pngkit.h"
#include <cstdio>
#include <string>
#include <vector>

namespace {

// Sum of alpha inside one glyph cell.
long cellink(const rgbapicture& p, int slot, int cw, int ch) {
  int col = (slot - 1) % 10, row = (slot - 1) / 10;
  long sum = 0;
  for (int y = row * ch; y < (row + 1) * ch; y++)
    for (int x = col * cw; x < (col + 1) * cw; x++) sum += p.rgba[(size_t(y) * p.w + x) * 4 + 3];
  return sum;
}

}  // namespace

TEST(GlyphTable, RowsStartAndEndWhereTheFontsExpect) {
  struct row {
    int slot, code, w20, w26, w28;
  };
  const row rows[] = {
      {1, 'A', 11, 14, 16},      {10, 'J', 10, 11, 13},     {11, 'K', 11, 13, 15},     {20, 'T', 11, 13, 14},
      {27, 0xC4, 11, 13, 16},    {30, 'a', 11, 13, 15},     {40, 'k', 11, 12, 13},     {42, 'm', 13, 17, 19},
      {58, 0xFC, 12, 15, 16},    {59, '0', 11, 12, 13},     {69, 0xDF, 12, 14, 15},    {70, '!', 8, 9, 9},
      {71, '"', 6, 8, 10},       {80, ',', 6, 7, 7},        {81, '.', 6, 7, 7},        {90, '~', 8, 9, 11},
      {100, '\\', 9, 11, 12},    {110, 0xED, 6, 6, 8},      {117, 0x160, 12, 15, 16},  {130, 0xE0, 11, 13, 14},
      {141, 0x152, 16, 20, 23},  {142, 0x153, 17, 20, 24},  {146, 0x131, 5, 6, 8},     {150, 0xF8, 12, 12, 16},
      {169, 0xBF, 12, 14, 15},   {171, 0xAB, 11, 14, 15},   {180, 0x2039, 7, 8, 9},    {181, 0x203A, 9, 11, 12},
      {190, 0xD0, 11, 14, 15},   {191, 0xF0, 13, 16, 19},   {192, 0x17F, 8, 13, 11},   {193, 0x410, 12, 12, 12},
      {200, 0x433, 10, 10, 10},  {201, 0x414, 14, 14, 14},  {202, 0x434, 12, 12, 12},  {205, 0x416, 16, 16, 16},
      {241, 0x428, 17, 17, 17},  {244, 0x449, 17, 17, 17},  {255, 0x42F, 12, 12, 12},  {256, 0x44F, 10, 10, 10},
      {257, '@', 14, 16, 18},    {260, ' ', 5, 6, 7},
  };
  for (const row& r : rows) {
    SCOPED_TRACE("slot " + std::to_string(r.slot));
    EXPECT_EQ(glyphtable[r.slot].code, r.code);
    EXPECT_EQ(glyphtable[r.slot].w20, r.w20);
    EXPECT_EQ(glyphtable[r.slot].w26, r.w26);
    EXPECT_EQ(glyphtable[r.slot].w28, r.w28);
  }
  EXPECT_EQ(glyphtablewidth(1, 20), 11);
  EXPECT_EQ(glyphtablewidth(1, 26), 14);
  EXPECT_EQ(glyphtablewidth(1, 28), 16);
  EXPECT_EQ(glyphtablewidth(0, 26), 0);
  EXPECT_EQ(glyphtablewidth(261, 26), 0);
}

TEST(GlyphTable, DuplicatesEmptiesAndTheCyrillicRun) {
  // Euro and dollar appear twice with their own widths.
  EXPECT_EQ(glyphtable[95].code, 0x20AC);
  EXPECT_EQ(glyphtable[184].code, 0x20AC);
  EXPECT_EQ(glyphtable[95].w20, 11);
  EXPECT_EQ(glyphtable[184].w20, 12);
  EXPECT_EQ(glyphtable[101].code, '$');
  EXPECT_EQ(glyphtable[187].code, '$');
  EXPECT_EQ(glyphtable[101].w28, 15);
  EXPECT_EQ(glyphtable[187].w28, 14);

  const int empties[] = {94, 144, 145, 170, 258, 259};
  for (int s : empties) {
    EXPECT_EQ(glyphtable[s].code, 0) << s;
    EXPECT_EQ(glyphtable[s].w20 + glyphtable[s].w26 + glyphtable[s].w28, 0) << s;
  }
  int filled = 0;
  for (int s = 1; s <= glyphtablesize; s++) {
    const glyphslot& g = glyphtable[s];
    if (g.code == 0) continue;
    filled++;
    EXPECT_GT(g.w20, 0) << s;
    EXPECT_GT(g.w26, 0) << s;
    EXPECT_GT(g.w28, 0) << s;
    EXPECT_FALSE(g.code >= 0x7F && g.code <= 0x9F) << s;
  }
  EXPECT_EQ(filled, 254);

  // Slots 201..256 pair capitals U+0414.. with small letters U+0434.., one width for all tables.
  for (int i = 0; i < 28; i++) {
    const glyphslot& cap = glyphtable[201 + 2 * i];
    const glyphslot& small = glyphtable[202 + 2 * i];
    EXPECT_EQ(cap.code, 0x414 + i);
    EXPECT_EQ(small.code, 0x434 + i);
    EXPECT_EQ(cap.w20, cap.w26);
    EXPECT_EQ(cap.w26, cap.w28);
    EXPECT_EQ(small.w20, small.w28);
  }
  // Every character occurs once, apart from the two duplicates.
  for (int a = 1; a <= glyphtablesize; a++) {
    for (int b = a + 1; b <= glyphtablesize; b++) {
      if (glyphtable[a].code != 0 && glyphtable[a].code == glyphtable[b].code) {
        EXPECT_TRUE((a == 95 && b == 184) || (a == 101 && b == 187)) << a << " " << b;
      }
    }
  }
}

TEST(FontPictures, SheetsHaveTheGridAndInkWhereTheTableHasGlyphs) {
  struct sheet {
    const char* name;
    int cw, ch;
  };
  const sheet sheets[] = {{"fbuttonsmall", 26, 26}, {"ftext", 26, 26}, {"fbuttonbig", 28, 28},
                          {"fhead", 28, 28},        {"ftext2", 20, 19}, {"ftext4", 20, 19}};
  for (const sheet& s : sheets) {
    SCOPED_TRACE(s.name);
    rgbapicture p = readrgba(std::string("data/texts/") + s.name + ".png");
    ASSERT_EQ(p.w, 10 * s.cw);
    ASSERT_EQ(p.h, 26 * s.ch);
    for (int slot = 1; slot <= glyphtablesize; slot++) {
      long ink = cellink(p, slot, s.cw, s.ch);
      if (glyphtable[slot].code == 0 || slot == glyphblank)
        EXPECT_EQ(ink, 0) << "slot " << slot;
      else
        EXPECT_GT(ink, 255 * 2) << "slot " << slot;  // even an apostrophe leaves a few solid pixels
    }
  }
}

TEST(FontPictures, NumberPicturesAreSmallTransparentBadges) {
  for (int v : {1, 2, 3, 5, 10, 20, 25, 30, 50}) {
    SCOPED_TRACE(v);
    rgbapicture p = readrgba("data/texts/n" + std::to_string(v) + ".png");
    ASSERT_GT(p.w, 0);
    EXPECT_GE(p.w, 40);
    EXPECT_LE(p.w, 100);
    EXPECT_GE(p.h, 30);
    EXPECT_LE(p.h, 60);
    EXPECT_EQ(p.rgba[3], 0);  // the corner stays clear
  }
}
