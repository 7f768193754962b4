// Settings: every one of the ten values comes back from its own line, and the player slot
// read from the file is one the profile tables have.
//
// Ideas for tests:
// - a settings file with LF line ends only (edited by hand)
// - a value with leading blanks or a plus sign
#include "tests/harness.h"
#include "shell/settings.h"
#include "shell/state.h"
#include <gtest/gtest.h>

namespace {

class Settings : public ::testing::Test {
 protected:
  void SetUp() override { headlessstart(); }
};

TEST_F(Settings, TenDifferentValuesComeBackEachFromItsOwnLine) {
  fullscreen = 0;
  displaymode = 5;
  musicvol = 130;
  soundvol = 90;
  player = 7;
  settingspare = -42;
  cursormode = 3;
  levelhelpon = 2;
  bouncefx = -1;
  cardhints = 1;
  savesettings(0);
  EXPECT_EQ(readbytes(userpath + "settings.txt"), "0\r\n5\r\n130\r\n90\r\n7\r\n-42\r\n3\r\n2\r\n-1\r\n1\r\n");
  defaultsettings();
  musicfade = 0;
  loadsettings();
  EXPECT_EQ(fullscreen, 0);
  EXPECT_EQ(displaymode, 5);
  EXPECT_EQ(musicvol, 130);
  EXPECT_EQ(musicfade, 130);
  EXPECT_EQ(soundvol, 90);
  EXPECT_EQ(player, 7);
  EXPECT_EQ(settingspare, -42);
  EXPECT_EQ(cursormode, 3);
  EXPECT_EQ(levelhelpon, 2);
  EXPECT_EQ(bouncefx, -1);
  EXPECT_EQ(cardhints, 1);
}

TEST_F(Settings, OnlyPlayerSlotsOneToFifteenAreTakenFromTheFile) {
  const int stored[] = {-1, 0, 1, 15, 16, -7, 1000};
  const int taken[] = {-1, -1, 1, 15, -1, -1, -1};
  for (int i = 0; i < 7; i++) {
    writebytes(userpath + "settings.txt", "1\r\n1\r\n280\r\n280\r\n" + std::to_string(stored[i]) + "\r\n0\r\n1\r\n1\r\n1\r\n1\r\n");
    player = 3;
    loadsettings();
    EXPECT_EQ(player, taken[i]) << "stored " << stored[i];
  }
}

TEST_F(Settings, ResettingWritesTheDefaults) {
  musicvol = 10;
  cursormode = 2;
  player = 4;
  savesettings(1);
  EXPECT_EQ(readbytes(userpath + "settings.txt"), "1\r\n1\r\n280\r\n280\r\n-1\r\n0\r\n1\r\n1\r\n1\r\n1\r\n");
  EXPECT_EQ(player, -1);
}

}  // namespace
