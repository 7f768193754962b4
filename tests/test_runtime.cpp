// Runtime layer: drawing state, images, overlap test, input, timers, streams, conversions.
//
// Ideas for tests:
// - filtered scaling of a one-pixel line (needs a tolerance on the software renderer)
// - the viewport clipping a quad half off the screen
// - a looping sound still playing after its length
#include "tests/harness.h"
#include "shell/gfx.h"
#include "shell/state.h"
#include <gtest/gtest.h>
#include <jpeglib.h>
#include <cstdio>
#include <random>

namespace {

// A picture of one colour, with an optional transparent border of `margin` pixels.
Image solidimage(int w, int h, uint32_t rgb, int margin = 0) {
  std::vector<uint8_t> p(size_t(w) * h * 4);
  for (int y = 0; y < h; y++)
    for (int x = 0; x < w; x++) {
      uint8_t* o = &p[(size_t(y) * w + x) * 4];
      bool in = x >= margin && y >= margin && x < w - margin && y < h - margin;
      o[0] = uint8_t(rgb >> 16);
      o[1] = uint8_t(rgb >> 8);
      o[2] = uint8_t(rgb);
      o[3] = in ? 255 : 0;
    }
  return CreateImageFromPixels(p.data(), w, h, 0);
}

void savepng(const std::string& path, int w, int h, uint32_t rgb) {
  std::vector<uint8_t> p(size_t(w) * h * 4);
  for (size_t i = 0; i < p.size(); i += 4) {
    p[i] = uint8_t(rgb >> 16);
    p[i + 1] = uint8_t(rgb >> 8);
    p[i + 2] = uint8_t(rgb);
    p[i + 3] = 255;
  }
  ASSERT_TRUE(SavePixelsPNG(p, w, h, path));
}

// A JPEG whose left half is pure black and right half white.
void savejpeg(const std::string& path, int w, int h) {
  FILE* f = std::fopen(path.c_str(), "wb");
  ASSERT_NE(f, nullptr);
  jpeg_compress_struct c;
  jpeg_error_mgr err;
  c.err = jpeg_std_error(&err);
  jpeg_create_compress(&c);
  jpeg_stdio_dest(&c, f);
  c.image_width = unsigned(w);
  c.image_height = unsigned(h);
  c.input_components = 3;
  c.in_color_space = JCS_RGB;
  jpeg_set_defaults(&c);
  jpeg_set_quality(&c, 100, TRUE);
  jpeg_start_compress(&c, TRUE);
  std::vector<uint8_t> row(size_t(w) * 3);
  for (int x = 0; x < w; x++) row[x * 3] = row[x * 3 + 1] = row[x * 3 + 2] = x < w / 2 ? 0 : 255;
  while (c.next_scanline < c.image_height) {
    JSAMPROW rp = row.data();
    jpeg_write_scanlines(&c, &rp, 1);
  }
  jpeg_finish_compress(&c);
  jpeg_destroy_compress(&c);
  std::fclose(f);
}

class Runtime : public ::testing::Test {
 protected:
  void SetUp() override {
    testclock(true, 0);
    testresetinput();
    headlessgraphics(1024, 768);
    AutoMidHandle(false);
    screenw = 1024;
    screenh = 768;
    fadelevel = 256;
    resetdrawstate();
    Cls();
  }
  void TearDown() override { AutoMidHandle(false); }
};

TEST_F(Runtime, ColourAndAlphaAreClampedWhenApplied) {
  Image white = solidimage(10, 10, 0xFFFFFF);
  SetColor(-32, -32, -32);
  DrawImage(white, 0, 0, 0);
  EXPECT_EQ(pixel(5, 5), 0x000000u);
  SetColor(300, 300, 300);
  DrawImage(white, 20, 0, 0);
  EXPECT_EQ(pixel(25, 5), 0xFFFFFFu);
  int r, g, b;
  GetColor(r, g, b);
  EXPECT_EQ(r, 255);

  SetAlpha(1.7f);
  EXPECT_FLOAT_EQ(GetAlpha(), 1.0f);
  DrawImage(white, 40, 0, 0);
  EXPECT_EQ(pixel(45, 5), 0xFFFFFFu);
  SetAlpha(-0.2f);
  EXPECT_FLOAT_EQ(GetAlpha(), 0.0f);
  DrawImage(white, 60, 0, 0);
  EXPECT_EQ(pixel(65, 5), 0x000000u);
}

TEST_F(Runtime, MidHandledImageScaledTwoCoversTheExpectedBox) {
  Image img = solidimage(100, 50, 0x40C0FF);
  MidHandleImage(img);
  SetScale(2, 2);
  DrawImage(img, 200, 100, 0);
  SetScale(1, 1);
  EXPECT_EQ(pixel(100, 50), 0x40C0FFu);
  EXPECT_EQ(pixel(299, 149), 0x40C0FFu);
  EXPECT_EQ(pixel(99, 100), 0u);
  EXPECT_EQ(pixel(300, 100), 0u);
  EXPECT_EQ(pixel(200, 49), 0u);
  EXPECT_EQ(pixel(200, 150), 0u);
}

TEST_F(Runtime, RotationNinetyTurnsTheRightEdgeDown) {
  // Left half red, right half green, handle at the left middle.
  std::vector<uint8_t> p(40 * 10 * 4);
  for (int y = 0; y < 10; y++)
    for (int x = 0; x < 40; x++) {
      uint8_t* o = &p[(y * 40 + x) * 4];
      o[0] = x < 20 ? 255 : 0;
      o[1] = x < 20 ? 0 : 255;
      o[2] = 0;
      o[3] = 255;
    }
  Image img = CreateImageFromPixels(p.data(), 40, 10, 0);
  SetImageHandle(img, 0, 5);
  SetRotation(90);
  DrawImage(img, 500, 300, 0);
  SetRotation(0);
  // Rotated quads sample about half a texel off on the software renderer: test well inside.
  EXPECT_EQ(pixel(500, 305), 0xFF0000u);
  EXPECT_EQ(pixel(500, 335), 0x00FF00u);
  EXPECT_EQ(pixel(530, 300), 0u);
}

TEST_F(Runtime, ABigTurnedPictureIsDrawnWholeWithoutSeams) {
  // A scene-sized picture rocking by a degree, as a ship at the jetty does: the software
  // renderer's triangle filler fails on it unless it goes out in tiles.
  const int w = 1400, h = 920;
  Image img = solidimage(w, h, 0x3060A0);
  MidHandleImage(img);
  SetRotation(1);
  DrawImage(img, 683, 384, 0);
  SetRotation(-1.5f);
  DrawImage(img, 1700, 288, 0);
  SetRotation(0);
  // Along a row through its middle, tile seams included, every pixel is the picture's.
  int holes = 0;
  for (int x = 0; x < 1024; x++) holes += pixel(x, 384) != 0x3060A0u;
  EXPECT_EQ(holes, 0);
  int colholes = 0;
  for (int y = 0; y < 768; y++) colholes += pixel(683, y) != 0x3060A0u;
  EXPECT_EQ(colholes, 0);
}

TEST_F(Runtime, AnimationStripCutsCellsRowByRowAndRefusesTooMany) {
  std::string dir = tempfolder();
  // 256 x 128: two rows of four 64 x 64 cells, each cell a different colour.
  std::vector<uint8_t> p(256 * 128 * 4);
  for (int y = 0; y < 128; y++)
    for (int x = 0; x < 256; x++) {
      uint8_t* o = &p[(y * 256 + x) * 4];
      int cell = (y / 64) * 4 + x / 64;
      o[0] = uint8_t(cell * 30);
      o[1] = 100;
      o[2] = 200;
      o[3] = 255;
    }
  ASSERT_TRUE(SavePixelsPNG(p, 256, 128, dir + "strip.png"));
  Image strip = LoadAnimImage(dir + "strip.png", 64, 64, 0, 8, -1);
  ASSERT_TRUE(strip);
  EXPECT_EQ(strip->frames, 8);
  EXPECT_EQ(ImageWidth(strip), 64);
  for (int f = 0; f < 8; f++) {
    DrawImage(strip, 70 * f, 0, f);
    EXPECT_EQ(pixel(70 * f + 32, 32) >> 16, uint32_t(f * 30)) << "frame " << f;
  }
  EXPECT_FALSE(LoadAnimImage(dir + "strip.png", 64, 64, 0, 9, -1));
}

TEST_F(Runtime, PureBlackInAJpegIsTransparent) {
  std::string dir = tempfolder();
  savejpeg(dir + "half.jpg", 64, 32);
  Image img = LoadImage(dir + "half.jpg", -1);
  ASSERT_TRUE(img);
  EXPECT_FALSE(img->hasalpha);
  SetClsColor(0, 0, 255);
  Cls();
  SetClsColor(0, 0, 0);
  DrawImage(img, 0, 0, 0);
  EXPECT_EQ(pixel(8, 16), 0x0000FFu);  // black became see-through
  EXPECT_EQ(pixel(56, 16), 0xFFFFFFu);
}

// A filtered picture's clear pixels borrow the colour of their opaque neighbours, so a scaled
// edge blends into the picture's own colour, not into black; opaque pixels and clear pixels
// with no opaque neighbour keep theirs.
TEST_F(Runtime, FilteredPicturesLendTheirEdgeColourToClearNeighbours) {
  const int w = 6, h = 4;
  std::vector<uint8_t> p(size_t(w) * h * 4, 0);
  auto at = [&](int x, int y) { return &p[(size_t(y) * w + x) * 4]; };
  // Two opaque pixels on the right-hand edge, red above blue; a clear grey pixel far from them.
  uint8_t* red = at(5, 1);
  red[0] = 200, red[3] = 255;
  uint8_t* blue = at(5, 2);
  blue[2] = 100, blue[3] = 128;
  uint8_t* far = at(0, 3);
  far[0] = far[1] = far[2] = 50;
  Image img = CreateImageFromPixels(p.data(), w, h, IMG_FILTERED);
  ASSERT_TRUE(img);
  auto px = [&](int x, int y) {
    const uint8_t* q = &img->pixels[(size_t(y) * w + x) * 4];
    return std::vector<int>{q[0], q[1], q[2], q[3]};
  };
  EXPECT_EQ(px(5, 0), (std::vector<int>{200, 0, 0, 0})) << "touches red only";
  EXPECT_EQ(px(4, 1), (std::vector<int>{100, 0, 50, 0})) << "touches both: their mean";
  EXPECT_EQ(px(4, 3), (std::vector<int>{0, 0, 100, 0})) << "touches blue only, at the bottom edge";
  EXPECT_EQ(px(5, 1), (std::vector<int>{200, 0, 0, 255})) << "opaque pixels keep their colour";
  EXPECT_EQ(px(5, 2), (std::vector<int>{0, 0, 100, 128}));
  EXPECT_EQ(px(3, 1), (std::vector<int>{0, 0, 0, 0})) << "two pixels away: untouched";
  EXPECT_EQ(px(0, 3), (std::vector<int>{50, 50, 50, 0})) << "no opaque neighbour: untouched";
  // Unfiltered pictures keep every pixel as given.
  Image plain = CreateImageFromPixels(p.data(), w, h, 0);
  EXPECT_EQ(plain->pixels, p);
}

// Opaque pictures are copied rather than blended, and mostly clear ones are drawn over the box
// of what shows, where either looks the same; everything else still blends.
TEST_F(Runtime, OpaquePicturesCoverWhatIsUnderThemAndEverythingElseStillBlends) {
  Image ground = solidimage(200, 100, 0x204060);
  Image red = solidimage(20, 20, 0xF00000);
  SetBlend(BLEND_SOLID);
  DrawImage(ground, 0, 0, 0);
  SetBlend(BLEND_ALPHA);
  // Upright at full alpha: the picture's own colour, edge to edge, and nothing beside it.
  DrawImage(red, 10, 10, 0);
  EXPECT_EQ(pixel(10, 10), 0xF00000u);
  EXPECT_EQ(pixel(29, 29), 0xF00000u);
  EXPECT_EQ(pixel(30, 20), 0x204060u);
  EXPECT_EQ(pixel(9, 20), 0x204060u);
  // At half alpha it is mixed with the ground.
  SetAlpha(0.5f);
  DrawImage(red, 40, 10, 0);
  SetAlpha(1);
  uint32_t half = pixel(50, 20);
  EXPECT_NEAR(int(half >> 16), (0xF0 + 0x20) / 2, 2);
  EXPECT_NEAR(int(half & 0xFF), 0x60 / 2, 2);
  // A tint keeps the picture covering and colours it.
  SetColor(255, 255, 0);
  DrawImage(solidimage(20, 20, 0xFFFFFF), 70, 10, 0);
  SetColor(255, 255, 255);
  EXPECT_EQ(pixel(80, 20), 0xFFFF00u);
  // One clear pixel in an otherwise solid picture lets the ground through there.
  std::vector<uint8_t> p(20 * 20 * 4, 255);
  for (size_t i = 0; i < p.size(); i += 4) p[i + 2] = 0;  // yellow
  p[(5 * 20 + 7) * 4 + 3] = 0;
  DrawImage(CreateImageFromPixels(p.data(), 20, 20, 0), 100, 10, 0);
  EXPECT_EQ(pixel(107, 15), 0x204060u);
  EXPECT_EQ(pixel(108, 15), 0xFFFF00u);
  // Light adds to the ground, and a light picture that is opaque is no exception.
  SetBlend(BLEND_LIGHT);
  DrawImage(solidimage(20, 20, 0x101010), 130, 10, 0);
  SetBlend(BLEND_ALPHA);
  EXPECT_EQ(pixel(140, 20), 0x305070u);
}

TEST_F(Runtime, AMostlyClearPictureShowsItsVisiblePartsAndShadesAllOfItself) {
  Image ground = solidimage(300, 300, 0x806040);
  // Clear grey everywhere but two white blocks in opposite corners: the box of what shows is
  // the whole picture less a rim, and half of it is still clear.
  std::vector<uint8_t> p(size_t(200) * 200 * 4, 128);
  for (size_t i = 3; i < p.size(); i += 4) p[i] = 0;
  for (int y = 0; y < 200; y++)
    for (int x = 0; x < 200; x++)
      if ((x >= 30 && x < 40 && y >= 20 && y < 30) || (x >= 150 && x < 170 && y >= 160 && y < 175))
        for (int c = 0; c < 4; c++) p[(size_t(y) * 200 + x) * 4 + c] = 255;
  Image spots = CreateImageFromPixels(p.data(), 200, 200, 0);
  for (int blend : {BLEND_ALPHA, BLEND_LIGHT, BLEND_SHADE}) {
    SCOPED_TRACE(blend);
    SetBlend(BLEND_SOLID);
    DrawImage(ground, 0, 0, 0);
    SetBlend(blend);
    DrawImage(spots, 50, 60, 0);
    SetBlend(BLEND_ALPHA);
    const uint32_t spot = pixel(50 + 35, 60 + 25), far = pixel(50 + 160, 60 + 170);
    const uint32_t clear = pixel(50 + 100, 60 + 100), rim = pixel(50 + 2, 60 + 198), beside = pixel(40, 60 + 25);
    EXPECT_EQ(beside, 0x806040u);
    if (blend == BLEND_SHADE) {
      // Shade darkens through clear pixels as well: the whole picture is drawn.
      EXPECT_EQ(spot, 0x806040u);
      EXPECT_EQ(clear, 0x403020u);
      EXPECT_EQ(rim, 0x403020u);
    } else {
      EXPECT_EQ(spot, 0xFFFFFFu);
      EXPECT_EQ(far, 0xFFFFFFu);
      EXPECT_EQ(clear, 0x806040u);
      EXPECT_EQ(rim, 0x806040u);
    }
  }
  // A picture with nothing to see draws nothing but is still a draw.
  std::vector<uint8_t> none(size_t(64) * 64 * 4, 0);
  SetBlend(BLEND_SOLID);
  DrawImage(ground, 0, 0, 0);
  SetBlend(BLEND_ALPHA);
  int before = DrawCalls();
  DrawImage(CreateImageFromPixels(none.data(), 64, 64, 0), 10, 10, 0);
  EXPECT_EQ(DrawCalls(), before + 1);
  EXPECT_EQ(pixel(20, 20), 0x806040u);
}

TEST_F(Runtime, ImagesCollideOnlyWhereBothAreSolid) {
  // Two 20 x 20 pictures, solid only in their middle 10 x 10: corners overlapping only
  // in transparent pixels do not collide; moving them into the solid parts does.
  Image a = solidimage(20, 20, 0xFFFFFF, 5), b = solidimage(20, 20, 0xFFFFFF, 5);
  EXPECT_EQ(ImagesCollide(a, 0, 0, 0, b, 17, 17, 0), 0);
  EXPECT_EQ(ImagesCollide(a, 0, 0, 0, b, 6, 6, 0), 1);
  EXPECT_EQ(ImagesCollide(a, 0, 0, 0, b, 20, 0, 0), 0);  // touching edges share no pixel
  // Scale applies to both: at scale 2 the solid parts reach twice as far.
  EXPECT_EQ(ImagesCollide(a, 0, 0, 0, b, 12, 12, 0), 0);
  SetScale(2, 2);
  EXPECT_EQ(ImagesCollide(a, 0, 0, 0, b, 12, 12, 0), 1);
  SetScale(1, 1);
  // A pointer dot rotated with the picture still finds the solid middle.
  Image dot = solidimage(2, 2, 0xFFFFFF);
  MidHandleImage(a);
  SetRotation(45);
  EXPECT_EQ(ImagesCollide(a, 100, 100, 0, dot, 100, 100, 0), 1);
  EXPECT_EQ(ImagesCollide(a, 100, 100, 0, dot, 100, 112, 0), 0);
  SetRotation(0);
  EXPECT_EQ(ImagesCollide(a, 0, 0, 0, nullptr, 0, 0, 0), 0);
}

TEST_F(Runtime, DrawVisibleSkipsAnImageJustTouchingTheLeftEdge) {
  Image img = solidimage(40, 40, 0xFFFFFF);
  MidHandleImage(img);
  skippedcount = drawncount = 0;
  drawvisible(img, -20, 100);  // x + hw = 0: outside
  EXPECT_EQ(skippedcount, 1);
  drawvisible(img, -19, 100);
  EXPECT_EQ(drawncount, 1);
  drawvisible(img, 1044, 100);  // x - hw = screenw: outside
  EXPECT_EQ(skippedcount, 2);
}

TEST_F(Runtime, WrappersLogMissingPicturesAndDrawNothing) {
  int before = logcount;
  Image none = loadimg("data/ui/no-such-picture.png");
  EXPECT_FALSE(none);
  EXPECT_EQ(logcount, before + 1);
  EXPECT_EQ(loglastkind, "i");
  drawimg(none, 10, 10);
  EXPECT_EQ(loglastkind, "error");
  EXPECT_EQ(loglasttext, "drawimage");
  Image img = solidimage(8, 8, 0xFF0000);
  drawframe(img, 0, 0, 1, 0);  // frame beyond the last: nothing, no crash
  EXPECT_EQ(pixel(2, 2), 0u);
}

TEST_F(Runtime, DamagedPicturesAndSoundsGiveNothing) {
  std::string dir = tempfolder();
  savepng(dir + "good.png", 32, 32, 0x123456);
  savejpeg(dir + "good.jpg", 32, 32);
  ASSERT_TRUE(LoadImage(dir + "good.png", -1));
  ASSERT_TRUE(LoadImage(dir + "good.jpg", -1));
  std::string png = readbytes(dir + "good.png"), jpg = readbytes(dir + "good.jpg");
  std::mt19937 rng(7);
  std::string noise(3000, 0);
  for (char& c : noise) c = char(rng());
  struct bad {
    std::string name, bytes;
  };
  const bad files[] = {
      {"short.png", png.substr(0, png.size() / 2)},
      {"head.png", png.substr(0, 30)},
      {"noise.png", "\x89PNG\r\n\x1a\n" + noise},
      {"short.jpg", jpg.substr(0, jpg.size() / 2)},
      {"noise.jpg", "\xff\xd8\xff" + noise},
      {"empty.png", ""},
  };
  for (const bad& f : files) {
    writebytes(dir + f.name, f.bytes);
    int before = logcount;
    EXPECT_FALSE(loadimg(dir + f.name)) << f.name;
    EXPECT_EQ(logcount, before + 1) << f.name;
    EXPECT_FALSE(LoadAnimImage(dir + f.name, 8, 8, 0, 1, -1)) << f.name;
  }
  InitAudio();
  // A WAV header that promises more than the file holds, a cut Ogg page, noise.
  std::string wav = std::string("RIFF") + std::string("\x24\x10\x00\x00", 4) + "WAVEfmt " +
                    std::string("\x10\0\0\0\x01\0\x01\0\x44\xac\0\0\x88\x58\x01\0\x02\0\x10\0", 20) + "data" +
                    std::string("\x00\x10\x00\x00", 4) + std::string(100, '\x01');
  const bad sounds[] = {
      {"short.wav", wav},
      {"noise.wav", "RIFF" + noise},
      {"cut.ogg", std::string("OggS\0\x02", 6) + noise.substr(0, 200)},
      {"noise.ogg", "OggS" + noise},
      {"empty.ogg", ""},
  };
  for (const bad& f : sounds) {
    writebytes(dir + f.name, f.bytes);
    EXPECT_FALSE(LoadSound(dir + f.name, 0)) << f.name;
  }
  EXPECT_FALSE(LoadSound(dir + "missing.ogg", 0));
}

TEST_F(Runtime, PathsResolveWithEitherSlashAndAnyCase) {
  std::string dir = tempfolder();
  CreateDir(dir + "Data/Sub", 1);
  writebytes(dir + "Data/Sub/File.TXT", "x");
  EXPECT_EQ(FileType(dir + "data\\sub/file.txt"), 1);
  EXPECT_EQ(FileType(dir + "DATA\\/SUB\\FILE.txt"), 1);
  EXPECT_EQ(FileType(dir + "data/sub"), 2);
  EXPECT_EQ(FileType(dir + "data/nothing"), 0);
  EXPECT_TRUE(CreateDir(dir + "a/b/c", 1));
  EXPECT_EQ(FileType(dir + "a/b/c"), 2);
}

TEST_F(Runtime, TwoClicksBetweenFramesCountAsTwoHits) {
  testmousepress(1);
  testmouserelease(1);
  testmousepress(1);
  EXPECT_EQ(MouseHit(1), 2);
  EXPECT_EQ(MouseHit(1), 0);
  EXPECT_EQ(MouseDown(1), 1);
  EXPECT_EQ(MouseHit(7), 0);  // no such button
}

TEST_F(Runtime, FlushKeysEmptiesTheCharacterQueue) {
  testtypechar('a');
  testtypechar('b');
  testkeypress(KEY_ENTER);
  EXPECT_EQ(GetChar(), 'a');
  FlushKeys();
  EXPECT_EQ(GetChar(), 0);
  EXPECT_EQ(KeyDown(KEY_ENTER), 0);
  EXPECT_EQ(KeyHit(KEY_ENTER), 0);
}

TEST_F(Runtime, TimerWaitReturnsMissedTicksWithoutCatchingUp) {
  Timer t = CreateTimer(50);
  EXPECT_EQ(WaitTimer(t), 1);  // blocks until the first tick
  int before = MilliSecs();
  testadvanceclock(100);       // a 100 ms stall
  EXPECT_EQ(WaitTimer(t), 5);
  EXPECT_EQ(MilliSecs(), before + 100);  // returned at once
  EXPECT_EQ(WaitTimer(t), 1);  // and the next wait is a single tick again
  EXPECT_EQ(MilliSecs(), before + 120);
}

TEST_F(Runtime, RandCoversAReversedRange) {
  bool seen[4] = {};
  for (int i = 0; i < 300; i++) {
    int r = Rand(3, 1);
    ASSERT_GE(r, 1);
    ASSERT_LE(r, 3);
    seen[r] = true;
  }
  EXPECT_TRUE(seen[1] && seen[2] && seen[3]);
  SeedRnd(42);
  int a = Rand(1, 1000000);
  SeedRnd(42);
  EXPECT_EQ(Rand(1, 1000000), a);
}

TEST_F(Runtime, StreamsFollowTheByteRules) {
  std::string dir = tempfolder();
  writebytes(dir + "lines.txt", std::string("abc\r\nd\re\nlast", 14));
  Stream s = ReadFile(dir + "lines.txt");
  ASSERT_TRUE(s);
  EXPECT_EQ(ReadLine(s), "abc");
  EXPECT_EQ(ReadLine(s), "de");  // CR dropped anywhere
  EXPECT_EQ(Eof(s), 0);
  EXPECT_EQ(ReadLine(s), "last");  // no final line feed
  EXPECT_EQ(Eof(s), 1);
  CloseFile(s);
  writebytes(dir + "nul.txt", std::string("ab\0cd", 5));
  s = ReadFile(dir + "nul.txt");
  EXPECT_EQ(ReadLine(s), "ab");
  EXPECT_EQ(ReadLine(s), "cd");

  Stream w = WriteFile(dir + "out.bin");
  ASSERT_TRUE(w);
  WriteInt(w, -2);
  WriteLine(w, "h\xe9");
  WriteString(w, "xy");
  ASSERT_TRUE(CloseFile(w));
  EXPECT_EQ(readbytes(dir + "out.bin"), std::string("\xfe\xff\xff\xff" "h\xe9\r\nxy", 10));
  s = ReadFile(dir + "out.bin");
  EXPECT_EQ(ReadInt(s), -2);
  EXPECT_EQ(ReadLine(s), "h\xe9");
  EXPECT_EQ(ReadString(s, 2), "xy");
  EXPECT_FALSE(StreamFailed(s));
  EXPECT_EQ(ReadInt(s), 0);  // past the end: zero, and the stream says so
  EXPECT_TRUE(StreamFailed(s));
  EXPECT_FALSE(ReadFile(dir + "absent"));
  EXPECT_FALSE(WriteFile(dir + "no/such/folder/file"));
}

TEST_F(Runtime, AnInterruptedWriteLeavesTheOldFileWhole) {
  std::string dir = tempfolder();
  writebytes(dir + "save.txt", "old copy");
  {
    Stream w = WriteFile(dir + "save.txt");
    WriteLine(w, "half of a new");
    // The program dies here: the stream is dropped without CloseFile.
  }
  EXPECT_EQ(readbytes(dir + "save.txt"), "old copy");
  Stream w = WriteFile(dir + "save.txt");
  WriteLine(w, "new");
  EXPECT_TRUE(CloseFile(w));
  EXPECT_EQ(readbytes(dir + "save.txt"), "new\r\n");
  EXPECT_EQ(FileType(dir + "save.txt.new"), 0);
}

TEST(Convert, TextToIntFollowsTheGameRules) {
  EXPECT_EQ(toint("  -12a"), -12);
  EXPECT_EQ(toint("a12"), 0);
  EXPECT_EQ(toint(""), 0);
  EXPECT_EQ(toint("\t+7"), 7);
  EXPECT_EQ(toint("%101"), 5);
  EXPECT_EQ(toint("$ff"), 255);
  EXPECT_EQ(toint("280\r"), 280);
  EXPECT_EQ(str(-5), "-5");
  EXPECT_EQ(ftoi(2.7f), 2);
  EXPECT_EQ(ftoi(-2.7f), -2);
  EXPECT_EQ(-7 / 2, -3);
  EXPECT_EQ(-7 % 2, -1);
  EXPECT_EQ(trim(" \t x \r\n"), "x");
  EXPECT_EQ(mid("hello", 2, 3), "ell");
  EXPECT_EQ(mid("hello", 4), "lo");
  EXPECT_EQ(mid("hello", 9, 2), "");
  EXPECT_EQ(instr("a,b", ","), 2);
  EXPECT_EQ(utf8tolatin1("M\xc3\xbc" "de"), "M\xfc" "de");
  EXPECT_EQ(latin1toutf8("\xfc"), "\xc3\xbc");
}

}  // namespace
