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
