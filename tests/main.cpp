#include <gtest/gtest.h>
#include <cstdlib>

int main(int argc, char** argv) {
  // Headless: no window, no sound card.
  setenv("SDL_VIDEODRIVER", "dummy", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
