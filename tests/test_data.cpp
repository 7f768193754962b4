// The data folder: every picture the forge lists is there at its size, and every screen
// that exists starts without asking for a picture, sound or text that is missing.
//
// Ideas for tests:
// - walk each screen through its popups once they exist, and check again
#include "tests/harness.h"
#include "shell/gfx.h"
#include "shell/state.h"
#include <gtest/gtest.h>

namespace {

TEST(Data, EveryPictureInTheManifestLoadsAtItsSize) {
  Stream f = ReadFile("data/manifest.txt");
  ASSERT_TRUE(f) << "the forge writes data/manifest.txt";
  headlessgraphics();
  int count = 0;
  while (!Eof(f)) {
    std::string line = ReadLine(f);
    size_t a = line.find('\t'), b = line.find('\t', a + 1), c = line.find('\t', b + 1);
    if (a == std::string::npos || b == std::string::npos || c == std::string::npos) continue;
    std::string path = line.substr(0, a);
    EXPECT_FALSE(trim(line.substr(c + 1)).empty()) << path << " has no role";
    if (right(path, 4) != ".png" && right(path, 4) != ".jpg") continue;
    Image img = LoadImage("data/" + path, -1);
    ASSERT_TRUE(img) << path;
    EXPECT_EQ(img->picw, toint(line.substr(a + 1, b - a - 1))) << path;
    EXPECT_EQ(img->pich, toint(line.substr(b + 1, c - b - 1))) << path;
    count++;
  }
  EXPECT_GT(count, 300);
}

TEST(Data, StartUpFindsEverythingItLoads) {
  logmissing.clear();
  headlessstart();
  runframes(5);
  EXPECT_TRUE(cursorimg && cursordot && logoimg && logoglow);
  for (const std::string& m : logmissing) ADD_FAILURE() << "missing: " << m;
}

}  // namespace
