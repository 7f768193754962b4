// Text tables and bitmap fonts: file format, section markers, widths, alignment, the glyph
// list, text boxes, and that every text the game cites exists and fits its room.
//
// Ideas for tests:
// - F7 held for several frames reloading an edited file mid-game
// - a text drawn with scale 2 keeping its unscaled advances
// - scrolling text leaving the screen on the left glyph by glyph
#include "tests/harness.h"
#include "tests/textkit.h"
#include "shell/gfx.h"
#include "text/fonts.h"
#include "text/glyphtable.h"
#include "text/texts.h"
#include <gtest/gtest.h>
#include <cstdlib>
#include <filesystem>
#include <sstream>

namespace fs = std::filesystem;

namespace {

// A file line: a 13-character label, then the text.
std::string entry(const std::string& text) { return "label        " + text; }
std::string marker(const std::string& mark, const std::string& note = "") { return mark + "    " + note; }

// Runs each test in its own folder holding an empty data/texts, so the loaders' fixed paths
// land there and never in the build folder's real data.
class TextFolder : public ::testing::Test {
 protected:
  fs::path home;
  void SetUp() override {
    home = fs::current_path();
    std::string dir = tempfolder();
    fs::create_directories(dir + "data/texts");
    fs::current_path(dir);
    resettexts();
    resetfonts();
  }
  void TearDown() override { fs::current_path(home); }
  void writetexts(const std::string& name, const std::string& bytes) { writebytes("data/texts/" + name, bytes); }
};

using TextTables = TextFolder;

TEST_F(TextTables, ColumnsMarkersAndTrimming) {
  std::string file;
  file += "note         file header\n";                 // line 1
  file += marker("---005---", "for the translator") + "\n";  // line 2
  file += "ab\n";                                        // line 3: shorter than the label
  file += "1234567890123   word  \n";                    // line 4
  file += "1234567890123\t\x01 two words \t\n";          // line 5
  file += entry("Gr\xFC\xDF" "e") + "\n";                // line 6: ISO 8859-1 bytes stay single bytes
  writetexts("menutexts.txt", file);
  loadmenutexts();
  EXPECT_EQ(menuidx[5], 2);
  EXPECT_EQ(menutext(5, 1), "");
  EXPECT_EQ(menutext(5, 2), "word");
  EXPECT_EQ(menutext(5, 3), "two words");
  EXPECT_EQ(menutext(5, 4), "Gr\xFC\xDF" "e");
  EXPECT_EQ(static_cast<unsigned char>(menutext(5, 4)[2]), 252);
  EXPECT_EQ(menutexts[2], "for the translator");  // the marker line is an entry as well
  // A section without a marker reads from the top of the file; addresses off the table read "".
  EXPECT_EQ(menutext(1, 4), "word");
  EXPECT_EQ(menutext(5, 399), "");
  EXPECT_EQ(menutext(0, 1), "");
  EXPECT_EQ(menutext(101, 1), "");
  EXPECT_EQ(menutext(5, 0), "");
}

TEST_F(TextTables, ABareMarkerWithNothingAfterItStillOpensItsSection) {
  // An editor that strips trailing blanks leaves the marker alone on its line, even on the
  // file's last line without a line end.
  writetexts("menutexts.txt", entry("top") + "\n---005---\n" + entry("five") + "\n" + entry("more") + "\n---009---");
  loadmenutexts();
  EXPECT_EQ(menuidx[5], 2);
  EXPECT_EQ(menutext(5, 1), "five");
  EXPECT_EQ(menutext(5, 2), "more");
  EXPECT_EQ(menuidx[9], 5);
  EXPECT_EQ(menutexts[2], "") << "the bare marker shows nothing";
}

TEST_F(TextTables, OnlyRecognisedExactMarkersCount) {
  std::string file;
  file += marker("---003---") + "\n";   // 1
  file += entry("first") + "\n";        // 2
  file += marker("---003---") + "\n";   // 3: the second marker wins
  file += entry("second") + "\n";       // 4
  file += marker("---07---") + "\n";    // 5: two digits: an ordinary line
  file += marker("---029---") + "\n";   // 6: past the 28 sections of menutexts
  file += marker("---028---") + "\n";   // 7: the last one that counts
  file += marker("--+004---") + "\n";   // 8
  file += marker("---004--") + "\n";    // 9: eight characters
  writetexts("menutexts.txt", file);
  loadmenutexts();
  EXPECT_EQ(menuidx[3], 3);
  EXPECT_EQ(menutext(3, 1), "second");
  EXPECT_EQ(menuidx[7], 0);
  EXPECT_EQ(menuidx[29], 0);
  EXPECT_EQ(menuidx[28], 7);
  EXPECT_EQ(menuidx[4], 0);
  // Each table knows its own range: section 11 is a story section but no game section.
  writetexts("gametexts.txt", marker("---006---") + "\n" + marker("---011---") + "\n" + marker("---007---") + "\n");
  writetexts("storytexts.txt", marker("---006---") + "\n" + marker("---011---") + "\n" + marker("---012---") + "\n");
  loadgametexts();
  loadstorytexts();
  EXPECT_EQ(gameidx[6], 1);
  EXPECT_EQ(gameidx[11], 0);
  EXPECT_EQ(gameidx[7], 0);
  EXPECT_EQ(storyidx[6], 1);
  EXPECT_EQ(storyidx[11], 2);
  EXPECT_EQ(storyidx[12], 0);
}

TEST_F(TextTables, LineEndsCrLfAndNul) {
  std::string lf = marker("---002---") + "\n" + entry("one") + "\n" + entry("two") + "\n" + entry("three");
  std::string crlf = marker("---002---") + "\r\n" + entry("o\rne") + "\r\n" + entry("two") + "\r\n" + entry("three") + "\r\n";
  writetexts("gametexts.txt", lf);
  loadgametexts();
  auto first = gametexts;
  auto firstidx = gameidx;
  resettexts();
  writetexts("gametexts.txt", crlf);
  loadgametexts();
  EXPECT_EQ(gametexts, first);
  EXPECT_EQ(gameidx, firstidx);
  EXPECT_EQ(gametext(2, 1), "one");
  // A NUL byte ends a line like a line feed.
  writetexts("gametexts.txt", marker("---001---") + std::string(1, '\0') + entry("after nul") + "\n");
  loadgametexts();
  EXPECT_EQ(gametext(1, 1), "after nul");
}

TEST_F(TextTables, LineLimitAndOverwriteInPlace) {
  std::string file;
  for (int i = 1; i <= 400; i++) file += entry("line " + std::to_string(i)) + "\n";
  file += marker("---009---") + "\n";  // line 401: never read, although it is a marker
  file += entry("line 402") + "\n";
  writetexts("menutexts.txt", file);
  menuidx[9] = 17;  // from an earlier load
  loadmenutexts();
  EXPECT_EQ(menutexts[400], "line 400");
  EXPECT_EQ(menuidx[9], 17);  // indexes are overwritten only by markers that occur
  // A shorter file blanks the lines it no longer has; indexes not seen stay.
  writetexts("menutexts.txt", marker("---002---") + "\n" + entry("only") + "\n");
  loadmenutexts();
  EXPECT_EQ(menutexts[2], "only");
  EXPECT_EQ(menutexts[3], "");
  EXPECT_EQ(menutexts[400], "");
  EXPECT_EQ(menuidx[2], 1);
  EXPECT_EQ(menuidx[9], 17);
}

TEST_F(TextTables, MissingFileKeepsTheOldTexts) {
  writetexts("storytexts.txt", marker("---001---") + "\n" + entry("Once upon a dusk") + "\n");
  loadstorytexts();
  ASSERT_EQ(storytext(1, 1), "Once upon a dusk");
  fs::remove("data/texts/storytexts.txt");
  int logs = logcount;
  loadstorytexts();
  EXPECT_EQ(storytext(1, 1), "Once upon a dusk");
  EXPECT_EQ(storyidx[1], 1);
  EXPECT_EQ(logcount, logs + 1);
  // Empty and binary files load without harm.
  writetexts("storytexts.txt", "");
  loadstorytexts();
  EXPECT_EQ(storytext(1, 1), "");
  writetexts("storytexts.txt", std::string("\xFF\xFE\0\0\r\r\r---001---\xFF", 17));
  loadtexts();
  EXPECT_EQ(storyidx[1], 3);  // the carriage returns vanish, so line 3 starts with the marker
  EXPECT_EQ(storytext(1, 1), "");
}

// Fonts measured without pictures: the tables come from the glyph table alone.
class TextFonts : public TextFolder {
 protected:
  void SetUp() override {
    TextFolder::SetUp();
    loadfonts();  // no pictures in this folder: only the tables are built
  }
};

TEST_F(TextFonts, WidthsFollowTheTablesAndTheTrim) {
  EXPECT_EQ(textwidth("AB", 4), 30);
  EXPECT_EQ(textwidth("AB", 7), 18);
  EXPECT_EQ(textwidth("AB", 1), 24);
  const int blank[] = {0, 4, 4, 6, 6, 0, 0, 3, 3};
  for (int f : {1, 2, 3, 4, 7, 8}) {
    EXPECT_EQ(charwidth(" ", f), blank[f]) << "font " << f;
    EXPECT_EQ(charwidth("", f), blank[f]) << "font " << f;
    EXPECT_EQ(fontframe[f][' '], glyphblank) << "font " << f;
  }
  // Fonts 5 and 6 do not exist: they measure nothing.
  EXPECT_EQ(textwidth("AB", 5), 0);
  EXPECT_EQ(textwidth("AB", 9), 0);
  EXPECT_EQ(textwidth("AB", -1), 0);
  EXPECT_EQ(textwidth("", 7), 0);
}

TEST_F(TextFonts, LaterSlotsWinAndCodesPastTheLimitAreSkipped) {
  EXPECT_EQ(fontframe[7][0xFC], 58);  // ü
  EXPECT_EQ(fontframe[2]['$'], 187);
  EXPECT_EQ(fontadv[2]['$'], 12 - 2);
  EXPECT_EQ(fontframe[4]['@'], 257);
  EXPECT_EQ(fontframe[7][0x131], 146);  // dotless i lies inside the tables
  EXPECT_EQ(fontframe[7][128], 0);
  EXPECT_EQ(fontadv[7][128], 0);
  EXPECT_EQ(textwidth("A\x80" "B", 7), 18);
  EXPECT_EQ(fontframe[7][0], 259);  // the last empty slot ends up on code 0
  EXPECT_LT(fontadv[7][0], 0);
  // The table for 26 pixels only was last used by fonts 1 and 2.
  EXPECT_EQ(fontadv[1][0xC4], 13 - 2);
  EXPECT_EQ(fontadv[3][0xC4], 16 - 1);
  EXPECT_EQ(fontadv[7][0xC4], 11 - 2);
}

TEST_F(TextFonts, WrapBreaksAfterTheLastBlankThatFits) {
  // Font 7: "A" 9, blank 3. "AA AA AA" = 9 9 3 9 9 3 9 9.
  ASSERT_EQ(wraptext("AA AA AA", 40, 7), 2);
  EXPECT_EQ(boxline[1], "AA AA ");  // the blank stays with the line it ends
  EXPECT_EQ(boxline[2], "AA");
  EXPECT_EQ(wraptext("AA AA AA", 60, 7), 1);  // exactly the width fits
  EXPECT_EQ(wraptext("AA AA AA", 59, 7), 2);
  // A blank that overflows ends its own line.
  ASSERT_EQ(wraptext("AAAA AA", 36, 7), 2);
  EXPECT_EQ(boxline[1], "AAAA ");
  EXPECT_EQ(boxline[2], "AA");
  // A break that leaves one character gives it a line of its own.
  ASSERT_EQ(wraptext("AAA A", 30, 7), 2);
  EXPECT_EQ(boxline[1], "AAA ");
  EXPECT_EQ(boxline[2], "A");
  ASSERT_EQ(wraptext("AAA AAA A", 30, 7), 3);
  EXPECT_EQ(boxline[2], "AAA ");
  EXPECT_EQ(boxline[3], "A");
  // What the wrap cannot place stays inside its lists: words cut, lines capped at ten.
  int n = wraptext("AAAAAAAAAA", 20, 7);
  EXPECT_EQ(n, 5);
  EXPECT_EQ(boxline[1], "AA");
  EXPECT_EQ(wraptext(std::string(400, 'A') + " A", 9, 7), textboxlines);
  EXPECT_EQ(wraptext("", 100, 7), 0);
  EXPECT_EQ(wraptext("AAA", 0, 7), 3);
}

// Font pictures made for the test: every cell a solid block whose red value names its slot,
// so a pixel of the screen tells which glyph was drawn there.
class TextDrawing : public TextFolder {
 protected:
  void SetUp() override {
    TextFolder::SetUp();
    headlessgraphics(1024, 768);
    const struct {
      const char* name;
      int cw, ch;
    } pics[] = {{"fbuttonsmall", 26, 26}, {"ftext", 26, 26}, {"fbuttonbig", 28, 28}, {"fhead", 28, 28}, {"ftext2", 20, 19}, {"ftext4", 20, 19}};
    for (const auto& p : pics) {
      int w = p.cw * 10, h = p.ch * 26;
      std::vector<uint8_t> px(size_t(w) * h * 4);
      for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++) {
          int slot = (y / p.ch) * 10 + x / p.cw + 1;
          uint8_t* o = &px[(size_t(y) * w + x) * 4];
          o[0] = uint8_t(slot & 255);
          o[1] = uint8_t(slot > 255 ? 200 : 100);
          o[2] = 50;
          o[3] = 255;
        }
      SavePixelsPNG(px, w, h, std::string("data/texts/") + p.name + ".png");
    }
    AutoMidHandle(true);
    loadfonts();
    SetBlend(BLEND_ALPHA);
    SetColor(255, 255, 255);
    SetAlpha(1);
    Cls();
  }
  // The slot whose glyph covers the pixel, 0 for the black background.
  int slotat(int x, int y) {
    uint32_t c = pixel(x, y);
    if (c == 0) return 0;
    return int((c >> 16) & 255) + (((c >> 8) & 255) == 200 ? 256 : 0);
  }
};

TEST_F(TextDrawing, PicturesLoadAsStripsPlacedByTheirCorner) {
  for (int f : {1, 2, 3, 4, 7, 8}) {
    ASSERT_TRUE(fontimg[f]) << "font " << f;
    EXPECT_EQ(fontimg[f]->frames, 260);
    EXPECT_EQ(fontimg[f]->handle_x, 0);
  }
  EXPECT_FALSE(fontimg[5]);
  // Number pictures are missing here; the mid-handle is back on for what loads next.
  EXPECT_FALSE(numimg[1]);
  EXPECT_EQ(loglasttext, "data\\/texts/n50.png");
  EXPECT_EQ(fontimg[7]->width, 20);
  EXPECT_EQ(fontimg[7]->height, 19);
  Image after = loadimg("data/texts/ftext2.png");
  ASSERT_TRUE(after);
  EXPECT_EQ(after->handle_x, 100);
}

TEST_F(TextDrawing, AlignmentsAndTheRise) {
  // "AB" in font 7 is 18 wide; cells are 20 x 19 and sit 4 pixels above y.
  drawtext("AB", 500, 100, ALIGN_RIGHT, 7);
  EXPECT_EQ(slotat(482, 96), 1);
  EXPECT_EQ(slotat(481, 96), 0);
  EXPECT_EQ(slotat(491, 96), 2);  // B starts 9 pixels on and covers A's right edge
  EXPECT_EQ(slotat(491, 95), 0);
  Cls();
  // Centred: an odd width of 9 gives a start of 500 - 4.
  drawtext("A", 500, 300, ALIGN_CENTRE, 7);
  EXPECT_EQ(slotat(496, 296), 1);
  EXPECT_EQ(slotat(495, 296), 0);
  Cls();
  drawtext("A", 500, 300, ALIGN_LEFT, 4);
  EXPECT_EQ(slotat(500, 296), 1);
  EXPECT_EQ(slotat(527, 323), 1);
  EXPECT_EQ(slotat(528, 296), 0);
  Cls();
  drawtext("A", 500, 300, 4, 7);  // an unknown alignment draws nothing
  EXPECT_EQ(DrawCalls(), 0);
  EXPECT_EQ(glyphcursor, 0);
}

TEST_F(TextDrawing, WhatIsDrawnAndWhatOnlyTakesRoom) {
  drawtext("A B", 100, 100, ALIGN_LEFT, 7);
  EXPECT_EQ(DrawCalls(), 2);  // the blank is never drawn
  EXPECT_EQ(slotat(100 + 9 + 3, 96), 2);
  Cls();
  drawtext("A\x80" "B", 100, 100, ALIGN_LEFT, 7);
  EXPECT_EQ(DrawCalls(), 2);  // no glyph, no gap
  EXPECT_EQ(slotat(109, 96), 2);
  Cls();
  drawtext("\xFC$", 100, 100, ALIGN_LEFT, 7);
  EXPECT_EQ(slotat(100, 100), 58);
  EXPECT_EQ(slotat(100 + 10, 100), 187);
  Cls();
  drawtext("A", -40, 100, ALIGN_LEFT, 7);
  EXPECT_EQ(DrawCalls(), 0);
  drawtext("A", -39.5f, 100, ALIGN_LEFT, 7);
  EXPECT_EQ(DrawCalls(), 1);
  // The list is free again after every call, and over-long lines stop at 200 glyphs.
  for (int i = 1; i <= glyphlistsize; i++) ASSERT_EQ(glyphcode[i], -1);
  Cls();
  drawtext(std::string(250, 'A'), -1000, 100, ALIGN_LEFT, 7);
  EXPECT_EQ(DrawCalls(), 200 - 107);  // 107 glyphs lie left of -40
  EXPECT_EQ(glyphcursor, 0);
  // A font without a picture draws nothing but still measures.
  Cls();
  fontimg[8].reset();
  drawtext("AB", 100, 100, ALIGN_LEFT, 8);
  EXPECT_EQ(DrawCalls(), 0);
}

TEST_F(TextDrawing, TextBoxesPlaceTheirLines) {
  // One line: drawn a line lower. Font 7, "AA" is 18 wide.
  drawtextbox("AA", 100, 100, 200, 30, ALIGN_LEFT, 7);
  EXPECT_EQ(slotat(101, 126), 1);
  EXPECT_EQ(slotat(101, 125), 0);
  Cls();
  // Two lines: also one lower, the second a line below that.
  drawtextbox("AA AA", 100, 100, 20, 30, ALIGN_LEFT, 7);
  EXPECT_EQ(slotat(101, 126), 1);
  EXPECT_EQ(slotat(101, 156), 1);
  EXPECT_EQ(slotat(101, 186), 0);
  Cls();
  // Three lines: at y.
  drawtextbox("AA AA AA", 100, 100, 20, 30, ALIGN_LEFT, 7);
  EXPECT_EQ(slotat(101, 96), 1);
  EXPECT_EQ(slotat(101, 95), 0);
  EXPECT_EQ(slotat(101, 156), 1);
  Cls();
  // Four lines: six pixels higher.
  drawtextbox("AA AA AA AA", 100, 100, 20, 30, ALIGN_LEFT, 7);
  EXPECT_EQ(slotat(101, 90), 1);
  EXPECT_EQ(slotat(101, 89), 0);
  EXPECT_EQ(slotat(101, 180), 1);
  EXPECT_EQ(slotat(101, 210), 0);
  Cls();
  // A wrapped line keeps its blank: centred, "AA " (21) starts at 500 - 10, the last line
  // "AA" (18) at 500 - 9.
  drawtextbox("AA AA", 500, 100, 20, 30, ALIGN_CENTRE, 7);
  EXPECT_EQ(slotat(490, 126), 1);
  EXPECT_EQ(slotat(489, 126), 0);
  EXPECT_EQ(slotat(491, 156), 1);
  EXPECT_EQ(slotat(490, 156), 0);
}

TEST(TextData, ForgedFontPicturesLoad) {
  if (FileType("data/texts/ftext2.png") != 1) GTEST_SKIP() << "no data folder";
  resetfonts();
  AutoMidHandle(true);
  headlessgraphics(1024, 768);
  loadfonts();
  for (int f : {1, 2, 3, 4, 7, 8}) {
    ASSERT_TRUE(fontimg[f]) << "font " << f;
    EXPECT_EQ(fontimg[f]->frames, 260) << "font " << f;
  }
  EXPECT_EQ(fontimg[4]->width, 28);
  EXPECT_EQ(fontimg[7]->height, 19);
  for (int i = 1; i <= 9; i++) {
    ASSERT_TRUE(numimg[i]) << "number picture " << i;
    EXPECT_EQ(numimg[i]->handle_x, numimg[i]->width / 2.0f);
  }
}

// Every cited text exists in the shipped tables and fits the room its screen gives it.
class TextContent : public TextFolder {};

TEST_F(TextContent, EveryCitedTextExistsAndFits) {
  std::string texts = contenttexts(home.string());
  ASSERT_EQ(FileType(texts + "cited.txt"), 1) << texts;
  for (const char* name : {"menutexts.txt", "storytexts.txt", "gametexts.txt"}) fs::copy_file(texts + name, std::string("data/texts/") + name);
  loadtexts();
  loadfonts();
  EXPECT_GT(checkcitedtexts(texts + "cited.txt"), 400);
}

}  // namespace
