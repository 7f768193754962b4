// Every input that ever broke a loader (kept in tests/regress/<loader>/ when a fuzz run found
// it, and the fault fixed) runs again through the same harness, and each loader gets a short
// fuzz run from its seed files, so a fault the fuzzers found once cannot come back unseen.
//
// Ideas for tests:
// - a profile whose name holds every byte value 0..255, read and saved twice
// - a picture whose header promises a size its data never fills
// - a text table of only section markers
#include "tests/harness.h"
#include "shell/settings.h"
#include "shell/state.h"
#include "tools/fuzz/loaders.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <cstdlib>
#include <filesystem>

namespace {

namespace fs = std::filesystem;

std::string regressfolder() {
  const char* source = std::getenv("MORGAVELLE_SOURCE");
  return std::string(source ? source : "..") + "/tests/regress/";
}

class Regress : public ::testing::Test {
 protected:
  void SetUp() override { headlessstart(); }
};

TEST_F(Regress, EveryKeptInputRunsThroughItsLoaderWithoutAFault) {
  ASSERT_TRUE(fs::is_directory(regressfolder())) << regressfolder();
  int replayed = 0;
  for (const fs::directory_entry& folder : fs::directory_iterator(regressfolder())) {
    if (!folder.is_directory()) continue;
    const std::string loader = folder.path().filename().string();
    ASSERT_NE(std::find(fuzzloadernames.begin(), fuzzloadernames.end(), loader), fuzzloadernames.end())
        << "a regression folder for no loader: " << loader;
    for (const fs::directory_entry& file : fs::directory_iterator(folder.path())) {
      const std::string bytes = readbytes(file.path().string());
      SCOPED_TRACE(file.path().string());
      EXPECT_TRUE(fuzzone(loader, reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()));
      replayed++;
    }
  }
  EXPECT_GT(replayed, 0);
  std::printf("inputs replayed: %d\n", replayed);
}

TEST_F(Regress, EachLoaderTakesItsSeedsAndAHundredChangesOfThem) {
  for (const std::string& loader : fuzzloadernames) {
    SCOPED_TRACE(loader);
    std::vector<std::vector<uint8_t>> seeds = fuzzseeds(loader, "data");
    ASSERT_FALSE(seeds.empty());
    std::mt19937 rng(17);
    for (const std::vector<uint8_t>& seed : seeds) ASSERT_TRUE(fuzzone(loader, seed.data(), seed.size()));
    for (int run = 0; run < 100; run++) {
      std::vector<uint8_t> input = fuzzmutate(seeds[rng() % seeds.size()], seeds, rng);
      fuzzone(loader, input.data(), input.size());
    }
  }
  // The loaders leave the game's own folders as they found them.
  EXPECT_EQ(DataFolder(), "");
  EXPECT_EQ(fs::exists(userpath + "players1.ppp"), true);
}

TEST_F(Regress, AnEmptyFileAndOneByteAreNothingToEveryLoader) {
  const uint8_t one = 0xff;
  for (const std::string& loader : fuzzloadernames) {
    EXPECT_TRUE(fuzzone(loader, &one, 0)) << loader;
    EXPECT_TRUE(fuzzone(loader, &one, 1)) << loader;
  }
  EXPECT_FALSE(fuzzone("mp3", &one, 1));
}

}  // namespace
