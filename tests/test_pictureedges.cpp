// Picture edges: a glow, a shadow or an outline that reaches the edge of its picture shows as a
// hard line on the screen, so every picture with transparency fades out before its border.
// Pictures that are meant to be cut (full-bleed bands, tiles, animation strips whose frames
// touch) say so in the manifest: their role ends with " [cut]".
//
// Ideas for tests:
// - per frame of an animation strip: the frame's own border, not only the strip's
// - a picture drawn by its centre keeps its ink balanced about the centre (no glow only on one side)
// - light pictures (added onto the screen) fade their colour to black as well as their alpha
#include <gtest/gtest.h>
#include "tests/pngkit.h"
#include <algorithm>
#include <cmath>
#include <fstream>
#include <string>
#include <vector>

namespace {

struct entry {
  std::string path, role;
};

std::vector<entry> manifest() {
  std::vector<entry> out;
  std::ifstream in("data/manifest.txt");
  std::string line;
  while (std::getline(in, line)) {
    size_t a = line.find('\t'), b = line.find('\t', a + 1), c = line.find('\t', b + 1);
    if (c == std::string::npos) continue;
    out.push_back({line.substr(0, a), line.substr(c + 1)});
  }
  return out;
}

bool endswith(const std::string& s, const std::string& tail) {
  return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

// The highest alpha on each of the four outermost lines: top, bottom, left, right.
struct edges {
  int top = 0, bottom = 0, left = 0, right = 0;
  int most() const { return std::max(std::max(top, bottom), std::max(left, right)); }
};

edges edgealpha(const rgbapicture& p) {
  edges e;
  auto a = [&](int x, int y) { return int(p.rgba[(size_t(y) * p.w + x) * 4 + 3]); };
  for (int x = 0; x < p.w; x++) {
    e.top = std::max(e.top, a(x, 0));
    e.bottom = std::max(e.bottom, a(x, p.h - 1));
  }
  for (int y = 0; y < p.h; y++) {
    e.left = std::max(e.left, a(0, y));
    e.right = std::max(e.right, a(p.w - 1, y));
  }
  return e;
}

bool hastransparency(const rgbapicture& p) {
  for (size_t i = 3; i < p.rgba.size(); i += 4)
    if (p.rgba[i] < 255) return true;
  return false;
}

constexpr int edgelimit = 8;  // alpha up to this is invisible on any backdrop

}  // namespace

TEST(PictureEdges, NothingIsCutByThePictureBorderUnlessMarked) {
  std::vector<entry> all = manifest();
  ASSERT_GT(all.size(), 300u) << "the forge writes data/manifest.txt";
  int checked = 0;
  for (const entry& e : all) {
    if (!endswith(e.path, ".png") || endswith(e.role, " [cut]")) continue;
    rgbapicture p = readrgba("data/" + e.path);
    ASSERT_GT(p.w, 0) << e.path;
    if (!hastransparency(p)) continue;
    checked++;
    edges g = edgealpha(p);
    EXPECT_LE(g.most(), edgelimit) << e.path << " (" << e.role << ") reaches its border: top " << g.top << ", bottom "
                                   << g.bottom << ", left " << g.left << ", right " << g.right;
  }
  EXPECT_GT(checked, 250);
}

// The mark is for pictures that tile or fill the screen; a picture marked cut really is
// cut (else the mark hides nothing and should go), and few pictures carry it.
TEST(PictureEdges, CutMarksAreFewAndTrue) {
  int marked = 0, pictures = 0;
  for (const entry& e : manifest()) {
    if (!endswith(e.path, ".png")) continue;
    pictures++;
    if (!endswith(e.role, " [cut]")) continue;
    marked++;
    rgbapicture p = readrgba("data/" + e.path);
    ASSERT_GT(p.w, 0) << e.path;
    EXPECT_GT(edgealpha(p).most(), edgelimit) << e.path << " is marked cut but fades out before its border";
  }
  EXPECT_LT(marked * 5, pictures) << marked << " of " << pictures << " pictures are marked cut";
}

// The check itself: a soft glow that stops at the border is caught, one that fades out is not.
TEST(PictureEdges, TheBorderCheckSeesACutGlow) {
  rgbapicture p;
  p.w = 40;
  p.h = 20;
  p.rgba.assign(size_t(p.w) * p.h * 4, 0);
  for (int y = 0; y < p.h; y++)
    for (int x = 0; x < p.w; x++) {
      double dx = (x - 19.5) / 20.0, dy = (y - 9.5) / 20.0;  // round glow wider than the picture is tall
      double a = std::max(0.0, 1 - std::sqrt(dx * dx + dy * dy));
      p.rgba[(size_t(y) * p.w + x) * 4 + 3] = uint8_t(255 * a);
    }
  edges cut = edgealpha(p);
  EXPECT_GT(cut.top, edgelimit);
  EXPECT_GT(cut.bottom, edgelimit);
  EXPECT_LE(cut.left, edgelimit + 13);  // the sides just reach zero
  p.rgba.assign(p.rgba.size(), 0);
  p.rgba[(size_t(10) * p.w + 20) * 4 + 3] = 255;
  EXPECT_EQ(edgealpha(p).most(), 0);
  EXPECT_TRUE(hastransparency(p));
}
