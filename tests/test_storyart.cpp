// The opening chapters' pictures as the forge writes them: every picture the chapters name is
// there at a size its scene can use, frames of one object share one size, a glow is its object
// brightened over the same outline with a halo, nothing with transparency is cut off by its
// picture's edge unless meant to be, the story's JPEGs hold no masked black, and the rug's
// frames and cut-out carry the very pixels of the room they lie in.
//
// Ideas for tests:
// - the crow's feet land on the see-saw plank's top end at its scene position
// - the tree's long shadow starts under the tree's foot at both of its scales
// - the growl spot's box in the room lies over changed Mr. Pudding's face at the window
// - the felled tree's trunk crosses the squashed zombie where the scene draws both
#include "tests/harness.h"
#include "shell/gfx.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <vector>

namespace {

struct row {
  int w = 0, h = 0;
  std::string role;
};

std::map<std::string, row> manifest() {
  std::map<std::string, row> m;
  Stream f = ReadFile("data/manifest.txt");
  if (!f) return m;
  while (!Eof(f)) {
    std::string line = ReadLine(f);
    size_t a = line.find('\t'), b = line.find('\t', a + 1), c = line.find('\t', b + 1);
    if (a == std::string::npos || b == std::string::npos || c == std::string::npos) continue;
    m[line.substr(0, a)] = {toint(line.substr(a + 1, b - a - 1)), toint(line.substr(b + 1, c - b - 1)),
                            line.substr(c + 1)};
  }
  CloseFile(f);
  return m;
}

// A picture's own pixels: no masking, no edge bleeding.
Image rawpicture(const std::string& path) { return LoadImage("data/" + path, 0); }

const uint8_t* px(const Image& img, int x, int y) { return &img->pixels[(size_t(y) * img->picw + x) * 4]; }
double luma(const uint8_t* p) { return (0.3 * p[0] + 0.59 * p[1] + 0.11 * p[2]) / 255.0; }

bool mine(const std::string& path) {
  for (const char* folder : {"story/1/", "story/1-home/", "story/2/", "story/3/"})
    if (path.rfind(folder, 0) == 0) return true;
  return path == "story/storytextfield.png" || path == "texts/censored.png";
}

class StoryArt : public ::testing::Test {
 protected:
  void SetUp() override {
    headlessgraphics();
    rows = manifest();
    ASSERT_FALSE(rows.empty()) << "the forge writes data/manifest.txt";
  }
  std::map<std::string, row> rows;
};

TEST_F(StoryArt, EveryPictureTheOpeningChaptersNameIsThereAtAUsableSize) {
  // name, and the least size its scene needs: hit boxes, handles inside, the sky's drift
  struct need {
    const char* path;
    int minw, minh;
  };
  const need needs[] = {
      {"story/storytextfield.png", 540, 120}, {"texts/censored.png", 200, 80},
      {"story/1/sky1.png", 1366, 768},       {"story/1/sky2.png", 1566, 768},
      {"story/1/bga.png", 1366, 768},        {"story/1/bgb.png", 1366, 768},
      {"story/1/ch1.png", 200, 272},         {"story/1/ch21.png", 200, 362},
      {"story/1/news.png", 400, 300},        {"story/1/balloon.png", 40, 60},
      {"story/1/sun2.png", 60, 60},          {"story/1/cloud5.png", 120, 60},
      {"story/1-home/bg.jpg", 1366, 768},    {"story/1-home/v1-2.png", 100, 100},
      {"story/1-home/v7.png", 100, 100},     {"story/1-home/clock-2.png", 60, 100},
      {"story/1-home/pillow2-2.png", 60, 50}, {"story/2/bga.jpg", 1366, 768},
      {"story/2/iron.png", 98, 72},          {"story/2/plank1.png", 226, 48},
      {"story/2/plank2.png", 202, 100},      {"story/2/mower.png", 140, 170},
      {"story/2/door1.png", 68, 184},        {"story/2/plank.png", 57 + 47, 385},
      {"story/2/crow3.png", 100, 80},        {"story/2/zombie2.png", 36, 36},
      {"story/2/zombie1.png", 100, 150},     {"story/3/bgb.jpg", 1366, 768},
      {"story/3/tree1.png", 211, 727},       {"story/3/tree4.png", 207, 726},
      {"story/3/treesh.png", 901, 61},       {"story/3/zombie.png", 316, 140},
      {"story/3/plane.png", 580, 120},       {"story/3/car.png", 600, 300},
      {"story/3/cardoor4.png", 114, 156},    {"story/3/nail.png", 8, 20},
  };
  for (const need& n : needs) {
    auto it = rows.find(n.path);
    ASSERT_NE(it, rows.end()) << n.path << " is not in the manifest";
    EXPECT_GE(it->second.w, n.minw) << n.path;
    EXPECT_GE(it->second.h, n.minh) << n.path;
    Image img = rawpicture(n.path);
    ASSERT_TRUE(img) << n.path;
    EXPECT_EQ(img->picw, it->second.w) << n.path;
    EXPECT_EQ(img->pich, it->second.h) << n.path;
  }
}

TEST_F(StoryArt, FramesOfOneObjectShareOneSize) {
  const std::vector<std::vector<std::string>> groups = {
      {"story/1/ch21.png", "story/1/ch22.png", "story/1/ch23.png"},
      {"story/1-home/v2.png", "story/1-home/v3.png", "story/1-home/v4.png", "story/1-home/v5.png", "story/1-home/v6.png",
       "story/1-home/v7.png"},
      {"story/1/bga.png", "story/1/bgb.png"},
      {"story/2/door1.png", "story/2/door2.png", "story/2/door3.png"},
      {"story/2/crow1.png", "story/2/crow2.png", "story/2/crow3.png"},
      {"story/3/cardoor1.png", "story/3/cardoor2.png", "story/3/cardoor3.png", "story/3/cardoor4.png"},
      {"story/3/saw1.png", "story/3/saw2.png"},
      {"story/3/tree1.png", "story/3/tree4.png"},
  };
  for (const auto& g : groups) {
    ASSERT_TRUE(rows.count(g[0])) << g[0];
    for (const std::string& p : g) {
      ASSERT_TRUE(rows.count(p)) << p;
      EXPECT_EQ(rows[p].w, rows[g[0]].w) << p << " against " << g[0];
      EXPECT_EQ(rows[p].h, rows[g[0]].h) << p << " against " << g[0];
    }
  }
}

TEST_F(StoryArt, PicturesWithTransparencyFadeOutBeforeTheirEdge) {
  int checked = 0;
  for (const auto& [path, r] : rows) {
    if (!mine(path) || right(path, 4) != ".png") continue;
    bool cut = r.role.size() >= 6 && r.role.substr(r.role.size() - 6) == " [cut]";
    if (cut) continue;
    Image img = rawpicture(path);
    ASSERT_TRUE(img) << path;
    int worst = 0, wx = 0, wy = 0;
    for (int x = 0; x < img->picw; x++)
      for (int y : {0, img->pich - 1})
        if (px(img, x, y)[3] > worst) worst = px(img, x, y)[3], wx = x, wy = y;
    for (int y = 0; y < img->pich; y++)
      for (int x : {0, img->picw - 1})
        if (px(img, x, y)[3] > worst) worst = px(img, x, y)[3], wx = x, wy = y;
    EXPECT_LE(worst, 8) << path << " is cut at its edge, alpha " << worst << " at " << wx << "," << wy;
    checked++;
  }
  EXPECT_GT(checked, 60);
}

TEST_F(StoryArt, GlowsAreTheirObjectBrighterOverTheSameOutlineWithAHalo) {
  // base, glow, and where the glow's drawing sits against the centred one (the tailgate's
  // glow is drawn 2 pixels lower, so its drawing sits 2 higher)
  struct pair {
    const char* base;
    const char* glow;
    int dx, dy;
  };
  const pair pairs[] = {
      {"story/1-home/v1.png", "story/1-home/v1-2.png", 0, 0},
      {"story/1-home/pillow1.png", "story/1-home/pillow1-2.png", 0, 0},
      {"story/1-home/pillow2.png", "story/1-home/pillow2-2.png", 0, 0},
      {"story/1-home/clock.png", "story/1-home/clock-2.png", 0, 0},
      {"story/2/iron.png", "story/2/iron-glow.png", 0, 0},
      {"story/2/plank1.png", "story/2/plank1-glow.png", 0, 0},
      {"story/2/plank2.png", "story/2/plank2-glow.png", 0, 0},
      {"story/2/mower.png", "story/2/mower-glow.png", 0, 0},
      {"story/2/door1.png", "story/2/door1-glow.png", 0, 0},
      {"story/2/plank.png", "story/2/plank-glow.png", 0, 0},
      {"story/2/crow1.png", "story/2/crow1-glow.png", 0, 0},
      {"story/2/zombie2.png", "story/2/zombie2-glow.png", 0, 0},
      {"story/3/tree1.png", "story/3/tree1-glow.png", 0, 0},
      {"story/3/pliers.png", "story/3/pliers-glow.png", 0, 0},
      {"story/3/canister.png", "story/3/canister-glow.png", 0, 0},
      {"story/3/saw1.png", "story/3/saw1-glow.png", 0, 0},
      {"story/3/plane.png", "story/3/plane-glow.png", 0, 0},
      {"story/3/cardoor1.png", "story/3/cardoor1-glow.png", 0, -2},
      {"story/3/zombie.png", "story/3/zombie-glow.png", 0, 0},
  };
  for (const pair& p : pairs) {
    Image base = rawpicture(p.base), glow = rawpicture(p.glow);
    ASSERT_TRUE(base && glow) << p.base;
    int padx = (glow->picw - base->picw) / 2, pady = (glow->pich - base->pich) / 2;
    ASSERT_GE(padx, 0) << p.glow;
    ASSERT_EQ(padx, pady) << p.glow << " is not its object grown evenly";
    int ox = padx + p.dx, oy = pady + p.dy;
    int solid = 0, covered = 0, ink = 0, inkkept = 0, halo = 0;
    double before = 0, after = 0;
    int fills = 0;
    for (int y = 0; y < base->pich; y++)
      for (int x = 0; x < base->picw; x++) {
        const uint8_t* b = px(base, x, y);
        const uint8_t* g = px(glow, x + ox, y + oy);
        if (b[3] < 250) {
          if (b[3] == 0 && g[3] > 20) halo++;
          continue;
        }
        solid++;
        if (g[3] >= 250) covered++;
        double lb = luma(b), lg = luma(g);
        if (lb < 0.12) {
          ink++;
          if (lg < 0.3) inkkept++;
        } else if (lb > 0.2 && lb < 0.85) {
          before += lb;
          after += lg;
          fills++;
        }
      }
    ASSERT_GT(solid, 100) << p.base;
    EXPECT_GE(covered, solid * 98 / 100) << p.glow << " does not cover its object";
    EXPECT_GE(inkkept, ink * 9 / 10) << p.glow << " lightens the outline";
    ASSERT_GT(fills, 50) << p.base;
    EXPECT_GT((after - before) / fills, 0.06) << p.glow << " is not brighter than " << p.base;
    EXPECT_GT(halo, 100) << p.glow << " has no halo";
  }
}

TEST_F(StoryArt, StoryBackgroundsHoldNoBlackTheGameWouldMask) {
  for (const char* path : {"story/1-home/bg.jpg", "story/2/bga.jpg", "story/2/bgb.jpg", "story/3/bga.jpg", "story/3/bgb.jpg"}) {
    Image img = LoadImage(std::string("data/") + path, -1);
    ASSERT_TRUE(img) << path;
    int holes = 0;
    for (size_t i = 3; i < img->pixels.size(); i += 4) holes += img->pixels[i] == 0;
    EXPECT_EQ(holes, 0) << path;
  }
}

// Mean difference per channel between a picture's pixels (those at least `minalpha` opaque) and
// the room under them.
double againstroom(const Image& pic, const Image& room, int left, int top, int minalpha, bool (*where)(int, int)) {
  double sum = 0;
  int n = 0;
  for (int y = 0; y < pic->pich; y++)
    for (int x = 0; x < pic->picw; x++) {
      const uint8_t* p = px(pic, x, y);
      if (p[3] < minalpha || !where(left + x, top + y)) continue;
      const uint8_t* r = px(room, left + x, top + y);
      sum += std::abs(p[0] - r[0]) + std::abs(p[1] - r[1]) + std::abs(p[2] - r[2]);
      n += 3;
    }
  return n ? sum / n : 1e9;
}

TEST_F(StoryArt, TheRugsPicturesCarryTheRoomsOwnPixels) {
  Image room = rawpicture("story/1-home/bg.jpg");
  ASSERT_TRUE(room);
  // v1 is the rug as the room shows it, centred on the rug at (617, 587)
  Image v1 = rawpicture("story/1-home/v1.png");
  ASSERT_TRUE(v1);
  EXPECT_LT(againstroom(v1, room, 617 - v1->picw / 2, 587 - v1->pich / 2, 255, [](int, int) { return true; }), 8.0);
  // the rolling frames, centred 30 higher, show the bare floor, feathered into the room: left
  // of the rug it is the same floor as the room's (the rug's shadow falls to the right). The
  // floor there is quiet, so the bound is tight: registered frames differ by about 3.5 (the
  // JPEG and the frames' own grain), frames 4 pixels off by more than 5.
  for (int k = 2; k <= 7; k++) {
    Image f = rawpicture("story/1-home/v" + std::to_string(k) + ".png");
    ASSERT_TRUE(f);
    auto leftofrug = [](int x, int y) {
      double dx = (x - 617) / 200.0, dy = (y - 587) / 62.0;
      return x < 617 - 204 && dx * dx + dy * dy > 1.0;
    };
    EXPECT_LT(againstroom(f, room, 617 - f->picw / 2, 557 - f->pich / 2, 128, leftofrug), 4.5) << "v" << k;
  }
}

TEST_F(StoryArt, ThingsStandWhereTheirScenesLookForThem) {
  // the privy door fills the 68 x 184 box under its top-left handle
  Image door = rawpicture("story/2/door1.png");
  ASSERT_TRUE(door);
  int solid = 0;
  for (int y = 0; y < 184; y++)
    for (int x = 0; x < 68; x++) solid += px(door, x, y)[3] >= 128;
  EXPECT_GT(solid, 68 * 184 * 85 / 100);
  // the tarp hides the fuel can: opaque over the can's middle (453, 566) from its own (513, 568)
  Image tarp = rawpicture("story/3/plane.png"), can = rawpicture("story/3/canister.png");
  ASSERT_TRUE(tarp && can);
  for (int dy = -30; dy <= 30; dy += 10)
    for (int dx = -25; dx <= 25; dx += 10)
      EXPECT_GE(px(tarp, tarp->picw / 2 + (453 - 513) + dx, tarp->pich / 2 + (566 - 568) + dy)[3], 250)
          << "the fuel can shows through the tarp at " << dx << "," << dy;
  // the standing tree is solid just above the foot of its trunk, where it turns
  Image tree = rawpicture("story/3/tree1.png");
  ASSERT_TRUE(tree);
  EXPECT_EQ(px(tree, 210, 700)[3], 255);
  // the see-saw plank's pivot lies on the plank
  Image seesaw = rawpicture("story/2/plank.png");
  ASSERT_TRUE(seesaw);
  EXPECT_EQ(px(seesaw, 56, 384)[3], 255);
}


// ---- chapters 4 to 6 ------------------------------------------------------------------------------
// The rainy street, the bone cellar and the brick works: their pictures fade out before their
// edges, glows are their objects brighter, and the things that move or light up land where
// their scenes draw them over the backgrounds.
//
// Ideas for tests:
// - the carried stone, drawn at the pointer + (50, 40), never hides the pointer's own hot spot
// - the skull's bounces stay inside the floor between the sacks and the sewer grate
// - chapter 6's panel, moved to the right, leaves the window and the stones in view at 1024

bool minetoo(const std::string& path) {
  for (const char* folder : {"story/4/", "story/5/", "story/6/"})
    if (path.rfind(folder, 0) == 0) return path.rfind("story/6/p", 0) != 0;  // the glass belongs to the effects
  return false;
}

// A background half of a chapter, opaque, as the game reads it.
Image background(const std::string& path) { return LoadImage("data/" + path, -1); }

// The background pixel under scene point (x, y) of a chapter whose halves are bga and bgb.
const uint8_t* scenepx(const Image& bga, const Image& bgb, int x, int y) {
  return x < 1366 ? px(bga, x, y) : px(bgb, x - 1366, y);
}

TEST_F(StoryArt, ChaptersFourToSixNameEveryPictureAtItsSize) {
  struct need {
    const char* path;
    int minw, minh;
  };
  const need needs[] = {
      {"story/4/bga.jpg", 1366, 768}, {"story/4/bgb.jpg", 1366, 768}, {"story/4/0.png", 120, 50},
      {"story/4/1.png", 60, 60},      {"story/4/2.png", 60, 60},      {"story/4/3.png", 120, 50},
      {"story/4/e3.png", 120, 50},    {"story/4/rain.png", 8, 30},    {"story/5/bga.jpg", 1366, 768},
      {"story/5/skel2.png", 300, 250}, {"story/5/skel1.png", 50, 50}, {"story/5/box2.png", 120, 100},
      {"story/5/box2-shadow.png", 120, 40}, {"story/5/box1.png", 120, 100}, {"story/6/bgb.jpg", 1366, 768},
      {"story/6/door1.png", 440, 320}, {"story/6/door2.png", 260, 260}, {"story/6/framework.png", 200, 150},
      {"story/6/s1.png", 30, 36},     {"story/6/sl2.png", 20, 20},   {"story/6/sl3.png", 12, 12},
      {"story/6/ladder.png", 80, 410}, {"story/6/stone2.png", 40, 36}, {"story/6/window2.png", 120, 150},
      {"story/6/window-glow.png", 120, 150},
  };
  for (const need& n : needs) {
    auto it = rows.find(n.path);
    ASSERT_NE(it, rows.end()) << n.path << " is not in the manifest";
    EXPECT_GE(it->second.w, n.minw) << n.path;
    EXPECT_GE(it->second.h, n.minh) << n.path;
    Image img = LoadImage(std::string("data/") + n.path, 0);
    ASSERT_TRUE(img) << n.path;
    EXPECT_EQ(img->picw, it->second.w) << n.path;
  }
  // pictures drawn at one place share one size: the drain under its search picture, the two
  // states of the window, the two stones, the two lenses of the switch
  for (auto [a, b] : std::vector<std::pair<const char*, const char*>>{{"story/4/0.png", "story/4/3.png"},
                                                                     {"story/6/window1.png", "story/6/window2.png"},
                                                                     {"story/6/stone1.png", "story/6/stone2.png"},
                                                                     {"story/6/sl1.png", "story/6/sl3.png"}}) {
    EXPECT_EQ(rows[a].w, rows[b].w) << a << " against " << b;
    EXPECT_EQ(rows[a].h, rows[b].h) << a << " against " << b;
  }
}

TEST_F(StoryArt, ChaptersFourToSixFadeOutBeforeTheirEdges) {
  int checked = 0;
  for (const auto& [path, r] : rows) {
    if (!minetoo(path) || right(path, 4) != ".png") continue;
    ASSERT_FALSE(r.role.size() >= 6 && r.role.substr(r.role.size() - 6) == " [cut]") << path;
    Image img = rawpicture(path);
    ASSERT_TRUE(img) << path;
    int worst = 0;
    for (int x = 0; x < img->picw; x++) worst = std::max({worst, int(px(img, x, 0)[3]), int(px(img, x, img->pich - 1)[3])});
    for (int y = 0; y < img->pich; y++) worst = std::max({worst, int(px(img, 0, y)[3]), int(px(img, img->picw - 1, y)[3])});
    EXPECT_LE(worst, 8) << path << " is cut at its edge";
    checked++;
  }
  EXPECT_EQ(checked, 32);  // every picture of the three chapters but the backgrounds
}

TEST_F(StoryArt, ChaptersFourToSixGlowsAreTheirObjectsBrighter) {
  const std::pair<const char*, const char*> pairs[] = {
      {"story/5/skel2.png", "story/5/skel2-glow.png"},   {"story/5/skel1.png", "story/5/skel1-glow.png"},
      {"story/5/box2.png", "story/5/box2-glow.png"},     {"story/5/box1.png", "story/5/box1-glow.png"},
      {"story/6/door2.png", "story/6/door2-glow.png"},   {"story/6/s1.png", "story/6/s1-glow.png"},
      {"story/6/stone1.png", "story/6/stone1-glow.png"}, {"story/6/stone2.png", "story/6/stone2-glow.png"},
      {"story/6/window1.png", "story/6/window-glow.png"},
  };
  for (auto [b, g] : pairs) {
    Image base = rawpicture(b), glow = rawpicture(g);
    ASSERT_TRUE(base && glow) << b;
    int pad = (glow->picw - base->picw) / 2;
    ASSERT_EQ(glow->pich - base->pich, 2 * pad) << g << " is not its object grown evenly";
    int solid = 0, brighter = 0, ink = 0, inkkept = 0, halo = 0;
    for (int y = 0; y < base->pich; y++)
      for (int x = 0; x < base->picw; x++) {
        const uint8_t *p = px(base, x, y), *q = px(glow, x + pad, y + pad);
        if (p[3] == 0 && q[3] > 20) halo++;
        if (p[3] < 250) continue;
        solid++;
        if (luma(p) < 0.12) {
          ink++;
          inkkept += luma(q) < 0.3;
        } else if (luma(q) > luma(p) + 0.03) {
          brighter++;
        }
      }
    ASSERT_GT(solid, 50) << b;
    EXPECT_GE(inkkept, ink * 9 / 10) << g << " lightens the outline";
    EXPECT_GE(brighter, (solid - ink) * 7 / 10) << g << " is not brighter than " << b;
    EXPECT_GT(halo, 40) << g << " has no halo";
  }
}

// The share of a picture's ink (its dark, opaque pixels), placed with its top-left at (left,
// top) in the scene, that falls on dark pixels of the background: its drawing lies over the
// scene's own drawing of the same thing.
double inkonink(const Image& pic, const Image& bga, const Image& bgb, int left, int top) {
  int ink = 0, dark = 0;
  for (int y = 0; y < pic->pich; y++)
    for (int x = 0; x < pic->picw; x++) {
      const uint8_t* p = px(pic, x, y);
      if (p[3] < 250 || luma(p) > 0.12 || top + y >= 768) continue;
      ink++;
      dark += luma(scenepx(bga, bgb, left + x, top + y)) < 0.3;
    }
  return ink ? double(dark) / ink : 0;
}

TEST_F(StoryArt, TheStreetsHiddenThingsLightUpOverTheirOwnDrawing) {
  Image bga = background("story/4/bga.jpg"), bgb = background("story/4/bgb.jpg");
  ASSERT_TRUE(bga && bgb);
  // the cat at (2020, 388) and the gutter at (2557, 0) are the scene's own, lit up
  EXPECT_GT(inkonink(rawpicture("story/4/1.png"), bga, bgb, 2020, 388), 0.8);
  EXPECT_GT(inkonink(rawpicture("story/4/2.png"), bga, bgb, 2557, 0), 0.8);
  // shifted by a few pixels they are not, so the test can tell
  EXPECT_LT(inkonink(rawpicture("story/4/1.png"), bga, bgb, 2026, 394), 0.7);
  // the cover's search picture at (1932, 676) lies over the cover at (1933, 678)
  Image lit = rawpicture("story/4/3.png"), cover = rawpicture("story/4/e3.png"), hole = rawpicture("story/4/0.png");
  ASSERT_TRUE(lit && cover && hole);
  int ink = 0, kept = 0, shaft = 0, covered = 0;
  for (int y = 0; y < cover->pich; y++)
    for (int x = 0; x < cover->picw; x++) {
      const uint8_t* c = px(cover, x, y);
      if (c[3] < 250 || luma(c) > 0.12) continue;
      ink++;
      kept += luma(px(lit, x + 1, y + 2)) < 0.3;
    }
  EXPECT_GE(kept, ink * 9 / 10);
  // and the cover hides the open drain under it until it is dragged away
  for (int y = 0; y < hole->pich; y++)
    for (int x = 0; x < hole->picw; x++) {
      const uint8_t* h = px(hole, x, y);
      if (h[3] < 128) continue;
      shaft++;
      int cx = x - 1, cy = y - 2;
      covered += cx >= 0 && cy >= 0 && cx < cover->picw && cy < cover->pich && px(cover, cx, cy)[3] >= 200;
    }
  EXPECT_GE(covered, shaft * 99 / 100);
  // the raindrop streaks along the rain's fall, 5 across for every 20 down, its head lowest
  Image rain = rawpicture("story/4/rain.png");
  ASSERT_TRUE(rain);
  double sx[2] = {0, 0}, sw[2] = {0, 0}, sy[2] = {0, 0};
  for (int y = 0; y < rain->pich; y++)
    for (int x = 0; x < rain->picw; x++) {
      int half = y < rain->pich / 2 ? 0 : 1;
      double a = px(rain, x, y)[3];
      sx[half] += a * x;
      sy[half] += a * y;
      sw[half] += a;
    }
  ASSERT_GT(sw[0], 0);
  ASSERT_GT(sw[1], sw[0]);  // brighter towards the head
  double slope = (sx[1] / sw[1] - sx[0] / sw[0]) / (sy[1] / sw[1] - sy[0] / sw[0]);
  EXPECT_NEAR(slope, -0.25, 0.06);
}

// Whether two pictures, centred at the given scene points, have a pixel both cover.
bool overlap(const Image& a, float ax, float ay, const Image& b, float bx, float by) {
  int ox = int(std::lround(bx - b->picw / 2.0 - (ax - a->picw / 2.0)));
  int oy = int(std::lround(by - b->pich / 2.0 - (ay - a->pich / 2.0)));
  for (int y = 0; y < b->pich; y++)
    for (int x = 0; x < b->picw; x++) {
      int X = x + ox, Y = y + oy;
      if (X < 0 || Y < 0 || X >= a->picw || Y >= a->pich) continue;
      if (px(b, x, y)[3] > 128 && px(a, X, Y)[3] > 128) return true;
    }
  return false;
}

TEST_F(StoryArt, TheCellarsThingsMeetWhereTheSceneMovesThem) {
  Image skel = rawpicture("story/5/skel2.png"), skull = rawpicture("story/5/skel1.png");
  Image box1 = rawpicture("story/5/box1.png"), box2 = rawpicture("story/5/box2.png");
  ASSERT_TRUE(skel && skull && box1 && box2);
  // the skull at rest sits on the skeleton's neck, and where it comes to rest is his lap
  EXPECT_TRUE(overlap(skel, 1542, 672, skull, 1632, 554));
  EXPECT_TRUE(overlap(skel, 1542, 672, skull, 1512, 676));
  // the crates never cover each other, wherever the pushes and pulls leave them, since the
  // big crate, further back, is drawn after the low one
  for (int pushes = 0; pushes <= 4; pushes++)
    for (int pulls = 0; pulls <= 2; pulls++)
      EXPECT_FALSE(overlap(box2, 1580.f + 130 * pushes, 397, box1, 1900.f + 80 * pulls, 325 + 0.06f * 80 * pulls))
          << pushes << " pushes, " << pulls << " pulls";
  // the low crate's shadow starts under the crate and reaches out to its right
  Image shadow = rawpicture("story/5/box2-shadow.png");
  ASSERT_TRUE(shadow);
  EXPECT_TRUE(overlap(box2, 1580, 397, shadow, 1580 + 131, 397 + 53));
}

TEST_F(StoryArt, TheWorksDoorHidesTheSwitchUntilItSlides) {
  Image door = rawpicture("story/6/door2.png"), frame = rawpicture("story/6/door1.png");
  ASSERT_TRUE(door && frame);
  // the switch box (2176..2216 x 562..642) lies behind the shut door and clear of it slid by 66
  auto doorat = [&](int k, int x, int y) {
    int dx = x - (2290 + k - door->picw / 2), dy = y - (585 - door->pich / 2);
    return dx >= 0 && dy >= 0 && dx < door->picw && dy < door->pich ? int(px(door, dx, dy)[3]) : 0;
  };
  auto frameat = [&](int x, int y) {
    int dx = x - (2430 - frame->picw / 2), dy = y - (570 - frame->pich / 2);
    return dx >= 0 && dy >= 0 && dx < frame->picw && dy < frame->pich ? int(px(frame, dx, dy)[3]) : 0;
  };
  for (int y = 562; y <= 642; y += 4)
    for (int x = 2176; x <= 2216; x += 4) {
      EXPECT_EQ(doorat(0, x, y), 255) << "the shut door shows the switch at " << x << "," << y;
      EXPECT_EQ(doorat(66, x, y), 0) << "the open door still hides the switch at " << x << "," << y;
      EXPECT_EQ(frameat(x, y), 0) << "the frame hides the switch at " << x << "," << y;
    }
  // slid open, the door's right edge is under the frame's pier
  for (int y = 470; y < 700; y += 10) EXPECT_EQ(frameat(2290 + 66 + door->picw / 2 - 6, y), 255);
  // the frame, the gantry and the window are the background's own pixels
  Image bgb = background("story/6/bgb.jpg");
  ASSERT_TRUE(bgb);
  struct cut {
    const char* path;
    int cx, cy;
  };
  for (const cut& c : {cut{"story/6/door1.png", 2430, 570}, cut{"story/6/framework.png", 1959, 277}}) {
    Image pic = rawpicture(c.path);
    ASSERT_TRUE(pic);
    double sum = 0;
    int n = 0;
    for (int y = 0; y < pic->pich; y++)
      for (int x = 0; x < pic->picw; x++) {
        int X = c.cx - pic->picw / 2 + x - 1366, Y = c.cy - pic->pich / 2 + y;
        if (px(pic, x, y)[3] < 255 || X < 0 || Y >= 768) continue;
        for (int k = 0; k < 3; k++) sum += std::abs(px(pic, x, y)[k] - px(bgb, X, Y)[k]);
        n += 3;
      }
    ASSERT_GT(n, 3000) << c.path;
    EXPECT_LT(sum / n, 6.0) << c.path;
  }
  // the ladder lowered 200 pixels stands on the yard (its feet at 715..735)
  Image ladder = rawpicture("story/6/ladder.png");
  ASSERT_TRUE(ladder);
  int lowest = 0;
  for (int y = 0; y < ladder->pich; y++)
    for (int x = 0; x < ladder->picw; x++)
      if (px(ladder, x, y)[3] > 128) lowest = y;
  int feet = 320 + 200 - ladder->pich / 2 + lowest;
  EXPECT_GE(feet, 715);
  EXPECT_LE(feet, 735);
  // the lever turns about its hub: the hub is on the rod, and the glow's hub is 5 further in
  Image lever = rawpicture("story/6/s1.png"), leverglow = rawpicture("story/6/s1-glow.png");
  ASSERT_TRUE(lever && leverglow);
  EXPECT_GT(px(lever, 4, 34)[3], 200);
  EXPECT_EQ(leverglow->picw - lever->picw, 10);
}

}  // namespace

// ---- the harbour chapters (7 to 10) -------------------------------------------------------------
//
// Ideas for tests:
// - the jetty's lamp at its end stands clear of the ship's name and door at rest
// - each yard lamp's picture is the background's own yard where its light has not reached
// - the ship's water band matches the sea where she comes to rest

namespace {

bool harbourpicture(const std::string& path) {
  for (const char* folder : {"story/7/", "story/8/", "story/9/", "story/10/"})
    if (path.rfind(folder, 0) == 0) return true;
  return false;
}

// Opaque enough to hide what lies under it.
bool solidat(const Image& img, int x, int y) {
  return x >= 0 && y >= 0 && x < img->picw && y < img->pich && px(img, x, y)[3] >= 200;
}

// The rows of a picture that hold anything (alpha above 8): first and last.
std::pair<int, int> inkrows(const Image& img) {
  int first = -1, last = -1;
  for (int y = 0; y < img->pich; y++)
    for (int x = 0; x < img->picw; x++)
      if (px(img, x, y)[3] > 8) {
        if (first < 0) first = y;
        last = y;
        break;
      }
  return {first, last};
}

}  // namespace

TEST_F(StoryArt, EveryHarbourChapterPictureIsThereWithItsFramesOfOneSize) {
  auto numbered = [](const std::string& stem, int from, int to, const std::string& tail) {
    std::vector<std::string> g;
    for (int i = from; i <= to; i++) g.push_back(stem + std::to_string(i) + tail);
    return g;
  };
  // frames of one object, and the halves of each scene: one size each
  std::vector<std::vector<std::string>> frames = {
      {"story/7/bga.jpg", "story/7/bgb.jpg"}, {"story/8/bga.jpg", "story/8/bgb.jpg"},
      {"story/9/bga.jpg", "story/9/bgb.jpg"}, {"story/10/bga.png", "story/10/bgb.png"},
      numbered("story/7/bdoor", 1, 6, ".png"), numbered("story/7/lock", 1, 2, ".png"),
      numbered("story/8/b", 1, 4, ".png"),    numbered("story/9/door", 1, 10, ".png")};
  std::vector<std::string> all = numbered("story/8/l", 1, 7, ".png");
  for (const char* s : {"story/7/bdoor7.png", "story/7/key.png", "story/7/key2.png", "story/7/lock3.png",
                        "story/7/lamplight.png", "story/7/door.png", "story/7/cranelights.png", "story/7/cranelight.png",
                        "story/7/crane.png", "story/7/container.png", "story/8/box.png", "story/8/b1-glow.png",
                        "story/8/cable.png", "story/8/cable-glow.png", "story/8/cablepart.png", "story/8/gen-glow.png",
                        "story/8/light.png", "story/9/ship.png", "story/9/steg.png", "story/9/anchor.png",
                        "story/9/door1-glow.png", "story/9/lever.png", "story/9/lever-glow.png", "story/9/light.png",
                        "story/10/ship.png"})
    all.push_back(s);
  for (const auto& g : frames) {
    for (const std::string& p : g) {
      ASSERT_TRUE(rows.count(p)) << p << " is not in the manifest";
      EXPECT_EQ(rows[p].w, rows[g[0]].w) << p << " against " << g[0];
      EXPECT_EQ(rows[p].h, rows[g[0]].h) << p << " against " << g[0];
      all.push_back(p);
    }
  }
  for (const std::string& p : all) {
    ASSERT_TRUE(rows.count(p)) << p << " is not in the manifest";
    Image img = rawpicture(p);
    ASSERT_TRUE(img) << p;
    EXPECT_EQ(img->picw, rows[p].w) << p;
    EXPECT_EQ(img->pich, rows[p].h) << p;
  }
  EXPECT_EQ(rows["story/8/bga.jpg"].w, 1366);
  EXPECT_EQ(rows["story/10/bga.png"].h, 768);
}

TEST_F(StoryArt, HarbourPicturesFadeOutBeforeTheirEdgeAndTheirNightsKeepOutOfTheMask) {
  int checked = 0;
  for (const auto& [path, r] : rows) {
    if (!harbourpicture(path) || right(path, 4) != ".png") continue;
    if (r.role.size() >= 6 && r.role.substr(r.role.size() - 6) == " [cut]") continue;
    Image img = rawpicture(path);
    ASSERT_TRUE(img) << path;
    int worst = 0;
    for (int x = 0; x < img->picw; x++) worst = std::max({worst, int(px(img, x, 0)[3]), int(px(img, x, img->pich - 1)[3])});
    for (int y = 0; y < img->pich; y++) worst = std::max({worst, int(px(img, 0, y)[3]), int(px(img, img->picw - 1, y)[3])});
    EXPECT_LE(worst, 8) << path << " is cut at its edge";
    checked++;
  }
  EXPECT_GT(checked, 40);
  // the dark shipyard above all: nothing in it is black enough for the game to mask
  for (const char* path : {"story/7/bga.jpg", "story/7/bgb.jpg", "story/8/bga.jpg", "story/8/bgb.jpg", "story/9/bga.jpg",
                           "story/9/bgb.jpg"}) {
    Image img = LoadImage(std::string("data/") + path, -1);
    ASSERT_TRUE(img) << path;
    int holes = 0;
    for (size_t i = 3; i < img->pixels.size(); i += 4) holes += img->pixels[i] == 0;
    EXPECT_EQ(holes, 0) << path;
  }
}

TEST_F(StoryArt, HarbourGlowsAreTheirObjectsBrighterOverTheSameOutline) {
  // the lever's glow is drawn 4 pixels higher from a handle 5 further right: its drawing sits
  // 5 right and 4 down of where its own handle puts it, one pixel off the even pad
  struct pair {
    const char *base, *glow;
    int dx, dy;
  };
  const pair pairs[] = {{"story/7/bdoor1.png", "story/7/bdoor7.png", 0, 0}, {"story/7/key.png", "story/7/key2.png", 0, 0},
                        {"story/7/lock1.png", "story/7/lock3.png", 0, 0},   {"story/8/b1.png", "story/8/b1-glow.png", 0, 0},
                        {"story/8/cable.png", "story/8/cable-glow.png", 0, 0},
                        {"story/9/door1.png", "story/9/door1-glow.png", 0, 0},
                        {"story/9/lever.png", "story/9/lever-glow.png", 0, -1}};
  for (const pair& p : pairs) {
    Image base = rawpicture(p.base), glow = rawpicture(p.glow);
    ASSERT_TRUE(base && glow) << p.base;
    int pad = (glow->picw - base->picw) / 2;
    ASSERT_EQ(glow->pich - base->pich, 2 * pad) << p.glow << " is not its object grown evenly";
    int ox = pad + p.dx, oy = pad + p.dy, solid = 0, covered = 0, ink = 0, inkkept = 0, fills = 0;
    double lift = 0;
    for (int y = 0; y < base->pich; y++)
      for (int x = 0; x < base->picw; x++) {
        const uint8_t* b = px(base, x, y);
        if (b[3] < 250) continue;
        const uint8_t* g = px(glow, x + ox, y + oy);
        solid++;
        covered += g[3] >= 250;
        double lb = luma(b), lg = luma(g);
        if (lb < 0.1) {
          ink++;
          inkkept += lg < 0.3;
        } else if (lb < 0.8) {
          lift += lg - lb;
          fills++;
        }
      }
    ASSERT_GT(solid, 60) << p.base;
    EXPECT_GE(covered, solid * 97 / 100) << p.glow << " does not lie over its object";
    EXPECT_GE(inkkept, ink * 9 / 10) << p.glow << " lightens the outline";
    ASSERT_GT(fills, 30) << p.base;
    EXPECT_GT(lift / fills, 0.05) << p.glow << " is not brighter than " << p.base;
  }
}

TEST_F(StoryArt, HarbourThingsFitWhereTheirScenesPutThem) {
  // chapter 7: the shut door fills its doorway, and the shut cabinet lid hides the cabinet and
  // the key in it (the key stays inside the cabinet's 76 x 126 opening)
  Image door = rawpicture("story/7/door.png"), lid = rawpicture("story/7/bdoor1.png"), key = rawpicture("story/7/key.png");
  ASSERT_TRUE(door && lid && key);
  for (int y = 300; y <= 520; y += 20)
    for (int x = 1330; x <= 1640; x += 31)
      EXPECT_TRUE(solidat(door, x - 1486 + door->picw / 2, y - 408 + door->pich / 2)) << "doorway shows at " << x << "," << y;
  for (int y = 456 - 60; y <= 456 + 60; y += 10)
    for (int x = 1232 - 35; x <= 1232 + 35; x += 7)
      EXPECT_TRUE(solidat(lid, x - 1232 + lid->picw / 2, y - 456 + lid->pich / 2)) << "cabinet shows at " << x << "," << y;
  for (int y = 0; y < key->pich; y++)
    for (int x = 0; x < key->picw; x++) {
      if (px(key, x, y)[3] <= 8) continue;
      int sx = x + 1228 - key->picw / 2, sy = y + 502 - key->pich / 2;
      EXPECT_TRUE(sx > 1232 - 38 && sx < 1232 + 38 && sy > 456 - 63 && sy < 456 + 63) << "key pokes out at " << sx << "," << sy;
    }
  // chapter 7: once the hook has come down 441 pixels its spreader stands on the container's top
  Image hook = rawpicture("story/7/crane.png"), box = rawpicture("story/7/container.png");
  ASSERT_TRUE(hook && box);
  int hookbottom = -200 + 441 - hook->pich / 2 + inkrows(hook).second;
  int boxtop = 710 - box->pich / 2 + inkrows(box).first;
  EXPECT_NEAR(hookbottom, boxtop, 4);
  // chapter 8: the shut lid covers the coiled cable; the plug of the carried cable is 70 above
  // its picture's middle, so it sits in the socket and under the pointer
  Image b1 = rawpicture("story/8/b1.png"), cable = rawpicture("story/8/cable.png"), part = rawpicture("story/8/cablepart.png");
  ASSERT_TRUE(b1 && cable && part);
  int shows = 0, coil = 0;
  for (int y = 0; y < cable->pich; y++)
    for (int x = 0; x < cable->picw; x++) {
      if (px(cable, x, y)[3] <= 8) continue;
      coil++;
      shows += !solidat(b1, x + 2275 - cable->picw / 2 - 2280 + b1->picw / 2, y + 645 - cable->pich / 2 - 612 + b1->pich / 2);
    }
  EXPECT_GT(coil, 300);
  EXPECT_EQ(shows, 0) << "the cable shows past the shut lid";
  EXPECT_TRUE(solidat(part, part->picw / 2, part->pich / 2 - 70));
  // chapter 9: the lever turns about a pivot that is on it, and leans right until pulled; its
  // chain is long enough to follow the anchor 300 pixels down from under the cathead
  Image lever = rawpicture("story/9/lever.png"), anchor = rawpicture("story/9/anchor.png");
  ASSERT_TRUE(lever && anchor);
  EXPECT_TRUE(solidat(lever, 6, 52));
  int rightofpivot = 0, leftofpivot = 0;
  for (int y = 0; y < 30; y++)
    for (int x = 0; x < lever->picw; x++)
      if (px(lever, x, y)[3] > 128) (x > 10 ? rightofpivot : leftofpivot)++;
  EXPECT_GT(rightofpivot, 40);
  EXPECT_EQ(leftofpivot, 0);
  // from the ring up to 318 pixels above the anchor's middle: the cathead is 148 above the
  // ship's middle, the anchor starts 130 above it and goes 300 down
  int gap = 0, widest = 0;
  for (int y = anchor->pich / 2 - 44; y >= anchor->pich / 2 - 318; y--) {
    gap = solidat(anchor, anchor->picw / 2, y) ? 0 : gap + 1;
    widest = std::max(widest, gap);
  }
  EXPECT_LE(widest, 12) << "the anchor's chain breaks off";
  // chapter 9: the door shut fills the entry port it closes
  Image door9 = rawpicture("story/9/door1.png");
  ASSERT_TRUE(door9);
  for (int y = -34; y <= 38; y += 8)
    for (int x = -28; x <= 28; x += 8) EXPECT_TRUE(solidat(door9, door9->picw / 2 + x, door9->pich / 2 + y));
  // chapter 10: the ship turns about a point inside her; the sky shows through the top of both
  // halves on the left (the sun's bloom aside) and the sea fills their bottoms
  Image ship = rawpicture("story/10/ship.png"), bga = rawpicture("story/10/bga.png"), bgb = rawpicture("story/10/bgb.png");
  ASSERT_TRUE(ship && bga && bgb);
  EXPECT_TRUE(solidat(ship, 162, 122));
  for (int x = 0; x < 1366; x += 50) {
    EXPECT_LT(px(bga, x, 40)[3], 128) << x;
    EXPECT_TRUE(solidat(bga, x, 760)) << x;
    EXPECT_TRUE(solidat(bgb, x, 760)) << x;
  }
}

namespace {

// Luma edges (how sharply brightness changes) of a scene half pair at scene (x, y).
double sceneluma(const Image& a, const Image& b, int x, int y) {
  const Image& img = x < 1366 ? a : b;
  int lx = x < 1366 ? x : x - 1366;
  if (lx < 0 || y < 0 || lx >= img->picw || y >= img->pich) return 0;
  return luma(px(img, lx, y));
}

// How well a lit picture's edges fall on the background's edges when it is drawn centred on
// (cx, cy) and shifted by (dx, dy): the correlation of their edge strengths over the
// picture's solid pixels. A lit piece drawn over its dark self peaks at no shift.
double edgematch(const Image& pic, const Image& bga, const Image& bgb, int cx, int cy, int dx, int dy) {
  int left = cx - pic->picw / 2 + dx, top = cy - pic->pich / 2 + dy;
  double sa = 0, sb = 0, saa = 0, sbb = 0, sab = 0;
  int n = 0;
  for (int y = 1; y + 1 < pic->pich; y += 2)
    for (int x = 1; x + 1 < pic->picw; x += 2) {
      if (px(pic, x, y)[3] < 250 || px(pic, x + 1, y)[3] < 250 || px(pic, x, y + 1)[3] < 250) continue;
      double ea = std::fabs(luma(px(pic, x + 1, y)) - luma(px(pic, x, y))) + std::fabs(luma(px(pic, x, y + 1)) - luma(px(pic, x, y)));
      int X = left + x, Y = top + y;
      double b0 = sceneluma(bga, bgb, X, Y);
      double eb = std::fabs(sceneluma(bga, bgb, X + 1, Y) - b0) + std::fabs(sceneluma(bga, bgb, X, Y + 1) - b0);
      sa += ea, sb += eb, saa += ea * ea, sbb += eb * eb, sab += ea * eb;
      n++;
    }
  if (n < 50) return 0;
  double va = saa / n - (sa / n) * (sa / n), vb = sbb / n - (sb / n) * (sb / n);
  return (sab / n - (sa / n) * (sb / n)) / std::sqrt(std::max(1e-12, va * vb));
}

}  // namespace

TEST_F(StoryArt, LitPiecesFallOnTheirDarkSelvesInTheBackground) {
  // what lights up is drawn over the very lamp, crane or yard the background paints unlit
  struct lit {
    const char* path;
    int chapter, x, y;
  };
  const lit pieces[] = {{"story/7/lamplight.png", 7, 985, 230}, {"story/7/cranelights.png", 7, 1429, 271},
                        {"story/7/cranelight.png", 7, 1789, 211}, {"story/8/gen-glow.png", 8, 727, 605},
                        {"story/8/l4.png", 8, 1497, 270},         {"story/8/l7.png", 8, 1574, 605},
                        {"story/8/l1.png", 8, 1856, 452}};
  for (const lit& p : pieces) {
    std::string f = "story/" + std::to_string(p.chapter) + "/";
    Image pic = rawpicture(p.path), bga = rawpicture(f + "bga.jpg"), bgb = rawpicture(f + "bgb.jpg");
    ASSERT_TRUE(pic && bga && bgb) << p.path;
    double here = edgematch(pic, bga, bgb, p.x, p.y, 0, 0);
    EXPECT_GT(here, 0.3) << p.path << " does not match the background under it";
    for (auto [dx, dy] : {std::pair{-6, 0}, {6, 0}, {0, -6}, {0, 6}})
      EXPECT_GT(here, edgematch(pic, bga, bgb, p.x, p.y, dx, dy)) << p.path << " fits better shifted by " << dx << "," << dy;
  }
}
