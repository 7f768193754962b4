// The forged pictures keep the promises the game's screens rely on: nine backgrounds that are
// nine different places with their detail at the sides where the cards leave room, stage
// pictures that show their own stage, 27 different journey marks, the mansion's windows where
// the title lights switch on, room for the double-points label beside the coins, a title
// plate behind both lines of the game's top band, card pips clear of the corner index, solid
// title clouds in an ink edge, a shop whose keeper stands in view beside a quiet middle, a
// hall of fame board with a plaque under each of its eight rows, and small paired buttons that
// do not overlap.
//
// Ideas for tests:
// - every townsperson and zombie stands on the ground (no figure floating in the sky band)
// - the title clouds cover the moon's disc wherever they cross it
// - the item captions are at least 11 pixels tall
#include "tests/harness.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace {

Image picture(const std::string& path) {
  headlessgraphics();
  Image img = LoadImage("data/" + path, 0);
  return img;
}

struct rgbpx {
  double r, g, b, a;
};

rgbpx at(const Image& img, int x, int y) {
  const uint8_t* p = &img->pixels[(size_t(y) * img->picw + x) * 4];
  return {p[0] / 255.0, p[1] / 255.0, p[2] / 255.0, p[3] / 255.0};
}

double luminance(const rgbpx& p) { return 0.2126 * p.r + 0.7152 * p.g + 0.0722 * p.b; }

// The mean colour of a box, for comparing pictures at a coarse scale.
rgbpx boxmean(const Image& img, int x0, int y0, int x1, int y1) {
  rgbpx s{0, 0, 0, 0};
  int n = 0;
  for (int y = y0; y < y1; y++)
    for (int x = x0; x < x1; x++) {
      rgbpx p = at(img, x, y);
      s.r += p.r, s.g += p.g, s.b += p.b, s.a += p.a;
      n++;
    }
  return {s.r / n, s.g / n, s.b / n, s.a / n};
}

// A coarse grid of mean colours over a region of a picture, cols x rows cells.
std::vector<rgbpx> coarse(const Image& img, double x0, double y0, double x1, double y1, int cols, int rows) {
  std::vector<rgbpx> out;
  for (int r = 0; r < rows; r++)
    for (int c = 0; c < cols; c++) {
      int ax = int(x0 + (x1 - x0) * c / cols), bx = int(x0 + (x1 - x0) * (c + 1) / cols);
      int ay = int(y0 + (y1 - y0) * r / rows), by = int(y0 + (y1 - y0) * (r + 1) / rows);
      out.push_back(boxmean(img, ax, ay, std::max(bx, ax + 1), std::max(by, ay + 1)));
    }
  return out;
}

double distance(const std::vector<rgbpx>& a, const std::vector<rgbpx>& b) {
  double d = 0;
  for (size_t i = 0; i < a.size(); i++) d += std::fabs(a[i].r - b[i].r) + std::fabs(a[i].g - b[i].g) + std::fabs(a[i].b - b[i].b);
  return d / (3 * a.size());
}

// How busy a region is: the mean luminance step between neighbouring pixels.
double busyness(const Image& img, int x0, int y0, int x1, int y1) {
  double sum = 0;
  int n = 0;
  for (int y = y0; y < y1 - 1; y++)
    for (int x = x0; x < x1 - 1; x++) {
      double l = luminance(at(img, x, y));
      sum += std::fabs(l - luminance(at(img, x + 1, y))) + std::fabs(l - luminance(at(img, x, y + 1)));
      n++;
    }
  return sum / n;
}

}  // namespace

TEST(PictureArt, NineBackgroundsAreNinePlacesWithTheirDetailAtTheSides) {
  std::vector<std::vector<rgbpx>> grids;
  for (int n = 1; n <= 9; n++) {
    SCOPED_TRACE("bg" + std::to_string(n));
    Image bg = picture("bg/bg" + std::to_string(n) + ".jpg");
    ASSERT_TRUE(bg);
    ASSERT_EQ(bg->picw, 1366);
    grids.push_back(coarse(bg, 0, 0, 1366, 768, 32, 18));
    // The cards lie in the middle; the buildings and people stand at the sides.
    double middle = busyness(bg, 420, 200, 946, 560);
    double sides = (busyness(bg, 0, 200, 360, 720) + busyness(bg, 1006, 200, 1366, 720)) / 2;
    EXPECT_GT(sides, 1.5 * middle) << "sides " << sides << ", middle " << middle;
  }
  for (int a = 0; a < 9; a++)
    for (int b = a + 1; b < 9; b++)
      EXPECT_GT(distance(grids[a], grids[b]), 0.05) << "bg" << a + 1 << " and bg" << b + 1 << " look alike";
}

TEST(PictureArt, EachStagePictureShowsItsOwnBackground) {
  std::vector<std::vector<rgbpx>> scenes;
  for (int n = 1; n <= 9; n++) {
    Image bg = picture("bg/bg" + std::to_string(n) + ".jpg");
    ASSERT_TRUE(bg);
    // The stage picture shows the scene's whole width from a little below its top; its
    // quiet middle is darkened only in the game background, so compare the sides.
    scenes.push_back(coarse(bg, 0, 60, 300, 749, 6, 12));
  }
  for (int n = 1; n <= 9; n++) {
    SCOPED_TRACE("map-pic" + std::to_string(n));
    Image pic = picture("map/map-pic" + std::to_string(n) + ".png");
    ASSERT_TRUE(pic);
    // The framed picture inside the card: 242 x 122 at (13, 13).
    std::vector<rgbpx> left = coarse(pic, 13, 13, 13 + 242 * 300.0 / 1366, 135, 6, 12);
    int best = 0;
    for (int m = 1; m < 9; m++)
      if (distance(left, scenes[m]) < distance(left, scenes[best])) best = m;
    EXPECT_EQ(best + 1, n) << "the stage picture looks most like bg" << best + 1;
  }
}

TEST(PictureArt, TheJourneyHasTwentySevenDifferentMarks) {
  std::vector<std::vector<rgbpx>> marks;
  for (int j = 1; j <= 27; j++) {
    Image m = picture("story/mark" + std::to_string(j) + ".png");
    ASSERT_TRUE(m) << j;
    marks.push_back(coarse(m, 8, 8, 36, 36, 7, 7));
  }
  for (int a = 0; a < 27; a++)
    for (int b = a + 1; b < 27; b++)
      EXPECT_GT(distance(marks[a], marks[b]), 0.02) << "marks " << a + 1 << " and " << b + 1 << " look alike";
}

TEST(PictureArt, TheMansionHasAWindowWhereEveryTitleLightShines) {
  Image far = picture("bg/titlebg/e2b.png");
  ASSERT_TRUE(far);
  // The game draws light i at (bx + 311, by + 85) of this picture, a 24 x 32 pane 4 in.
  const int bx[] = {63, 0, 58, 139, 4, 37, 140, 10, 91, 159, 238}, by[] = {0, 88, 46, 56, 159, 131, 116, 231, 225, 212, 269};
  for (int i = 0; i < 11; i++) {
    rgbpx pane = boxmean(far, bx[i] + 315 + 5, by[i] + 89 + 5, bx[i] + 315 + 19, by[i] + 89 + 27);
    EXPECT_GT(pane.a, 0.98) << "light " << i + 1 << " shines on the sky";
    EXPECT_LT(luminance(pane), 0.2) << "light " << i + 1 << " lands on a wall, not a dark window";
  }
}

TEST(PictureArt, HudPlatesLeaveRoomForTheGamesWords) {
  // "x2" is written centred 25 pixels right of the coin picture's middle, 30 to 56 down.
  Image coins = picture("game/balls.png");
  ASSERT_TRUE(coins);
  int solid = 0;
  for (int y = 30; y < 56; y++)
    for (int x = 50; x < 70; x++) solid += at(coins, x, y).a > 0.7;
  EXPECT_EQ(solid, 0) << "the coins reach into the double-points label";
  // The game's name and the level line are written centred at x 633, rows 28 to 76.
  Image band = picture("game/gameui-up.png");
  ASSERT_TRUE(band);
  for (int y = 26; y < 78; y += 2)
    for (int x = 633 - 80; x <= 633 + 80; x += 4) ASSERT_GT(at(band, x, y).a, 0.85) << x << ", " << y;
  rgbpx plate = boxmean(band, 633 - 80, 26, 633 + 80, 78);
  EXPECT_LT(luminance(plate), 0.3) << "light text needs a dark plate";
  // The menu button is drawn 130 pixels right of that centre; the game's name ("Morgavelle",
  // 110 pixels in the heading font) ends 55 pixels right of it, so the button's first 8 columns
  // stay clear of any solid face.
  Image menu = picture("ui/button11.png");
  ASSERT_TRUE(menu);
  int left = menu->picw / 2 - 130 + 55 + 8;
  for (int y = 0; y < menu->pich; y++)
    for (int x = 0; x < left; x++) ASSERT_LT(at(menu, x, y).a, 0.5) << "the menu button covers the heading at " << x << ", " << y;
}

TEST(PictureArt, PipsKeepClearOfTheCornerIndex) {
  const char suits[] = {'a', 'b', 'c', 'd'};
  for (char s : suits)
    for (int rank = 4; rank <= 10; rank++) {
      std::string name = std::string(1, s) + std::to_string(rank);
      SCOPED_TRACE(name);
      Image card = picture("solitaire/" + name + ".png");
      ASSERT_TRUE(card);
      // Columns with ink beside the index (rows 12 to 46): the index, then a gap, then the
      // first column of pips.
      rgbpx paper = at(card, 48, 71);
      if (rank == 5 || rank == 9) paper = at(card, 48, 60);
      std::vector<bool> ink(60, false);
      for (int x = 4; x < 60; x++)
        for (int y = 12; y <= 46; y++) {
          rgbpx p = at(card, x, y);
          double d = std::fabs(p.r - paper.r) + std::fabs(p.g - paper.g) + std::fabs(p.b - paper.b);
          if (p.a > 0.5 && d > 0.45) {
            ink[x] = true;
            break;
          }
        }
      int x = 4;
      while (x < 60 && !ink[x]) x++;  // the index starts
      while (x < 60 && ink[x]) x++;   // ... and ends
      int gap = 0;
      while (x < 60 && !ink[x]) x++, gap++;
      EXPECT_GE(gap, 3) << "pips within " << gap << " pixels of the index";
    }
}

TEST(PictureArt, TitleCloudsAreSolidPuffsInAnInkEdge) {
  for (int n = 1; n <= 4; n++) {
    SCOPED_TRACE("c" + std::to_string(n));
    Image cloud = picture("bg/titlebg/c" + std::to_string(n) + ".png");
    ASSERT_TRUE(cloud);
    int w = cloud->picw, h = cloud->pich;
    // Solid in its middle: a cloud passing over the moon hides it instead of staining it.
    rgbpx body = boxmean(cloud, w / 2 - 40, h / 2, w / 2 + 40, h / 2 + 16);
    EXPECT_GT(body.a, 0.98);
    // Its outline: along the middle row, the first opaque pixel from the left is dark ink.
    int x = 0;
    while (x < w && at(cloud, x, h * 2 / 3).a < 0.9) x++;
    ASSERT_LT(x, w / 2);
    EXPECT_LT(luminance(at(cloud, x + 1, h * 2 / 3)), 0.18);
  }
}

TEST(PictureArt, TheShopKeepsItsMiddleQuietAndItsKeeperInView) {
  Image shop = picture("shop/shopbg.jpg");
  ASSERT_TRUE(shop);
  // The item grid covers x 235..911 and y 190..600; the keeper stands behind the counter at
  // the right, inside what a 1024-pixel screen shows (up to x 1195).
  double grid = busyness(shop, 300, 200, 880, 440);
  double keeper = busyness(shop, 1120, 420, 1195, 600);
  EXPECT_GT(keeper, 2.5 * grid) << "keeper " << keeper << ", grid " << grid;
}

TEST(PictureArt, TheHallOfFameBoardHoldsAllEightRowsClearOfItsFrame) {
  Image board = picture("ui/scores2.png");
  ASSERT_TRUE(board);
  const int cx = board->picw / 2;
  // The game writes row i's letters with their ink middle 35 i - 4.5 pixels below the board's
  // top, from the name at x -153 to the level ending at +202. There the board shows slate or
  // a purple plaque: no wood of the frame and no pale cobweb over the words. The two thin
  // gold column lines are left out.
  for (int i = 1; i <= 8; i++) {
    int mid = int(35 * i - 4.5);
    for (int y = mid - 7; y <= mid + 7; y++)
      for (int x = cx - 155; x <= cx + 204; x++) {
        if (std::abs(x - (cx + 68)) <= 2 || std::abs(x - (cx + 148)) <= 2) continue;
        rgbpx p = at(board, x, y);
        ASSERT_GT(p.a, 0.98) << "row " << i << " at " << x << ", " << y;
        ASSERT_GE(p.b, p.r - 0.03) << "row " << i << " lies on the frame at " << x << ", " << y;
        ASSERT_LT(luminance(p), 0.45) << "row " << i << " has something pale under its words at " << x << ", " << y;
      }
  }
}

TEST(PictureArt, SmallPairedButtonsStandApartAndHoldTheirCaptions) {
  // Picture 15 is drawn in pairs 120 pixels apart (end / go on, close / next); captions are up
  // to 95 pixels wide.
  Image button = picture("ui/button15.png");
  ASSERT_TRUE(button);
  int first = button->picw, last = -1;
  for (int x = 0; x < button->picw; x++)
    for (int y = 0; y < button->pich; y++)
      if (at(button, x, y).a > 0.5) {
        first = std::min(first, x);
        last = std::max(last, x);
      }
  int face = last - first + 1;
  EXPECT_LE(face, 120 - 4) << "two faces 120 pixels apart touch";
  EXPECT_GE(face, 95 + 10) << "a 95-pixel caption does not fit";
}
