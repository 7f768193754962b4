// Starting a level: the story chapter first at the chapter levels unless the level was just
// lost, otherwise the game at once.
//
// Ideas for tests:
// - the whole road from the map's Play through the chapter into the game, once both exist
// - starting a level while a fade-out is already running
#include "tests/harness.h"
#include "progression/startlevel.h"
#include "shell/dispatch.h"
#include "shell/profiles.h"
#include "shell/state.h"
#include <gtest/gtest.h>

namespace {

class StartLevel : public ::testing::Test {
 protected:
  void SetUp() override {
    headlessstart();
    clearplayer(2);
    playername[2] = "Tess";
    player = 2;
    runframes(10);  // fully faded in
  }
};

TEST_F(StartLevel, EachChapterLevelShowsItsChapterFirst) {
  const int levels[] = {1, 10, 20, 32, 44, 56, 68, 80, 92, 104};
  for (int c = 1; c <= 10; c++) {
    fadereset();
    startlevel(levels[c - 1]);
    EXPECT_EQ(fadestate, 2);
    EXPECT_EQ(fadetarget, SCREEN_STORY) << "level " << levels[c - 1];
    EXPECT_EQ(fadearg, c) << "level " << levels[c - 1];
    EXPECT_EQ(chapterof(levels[c - 1]), c);
  }
}

TEST_F(StartLevel, OtherLevelsGoStraightToTheGame) {
  for (int level : {2, 9, 11, 21, 31, 33, 103, 0, -1, 105, 300}) {
    fadereset();
    fadetarget = -5;
    startlevel(level);
    EXPECT_EQ(fadetarget, SCREEN_GAME) << "level " << level;
    EXPECT_EQ(chapterof(level), 0);
  }
}

TEST_F(StartLevel, ARetryAfterALossSkipsTheChapter) {
  failcount[2] = 1;
  startlevel(10);
  EXPECT_EQ(fadetarget, SCREEN_GAME);
  failcount[2] = 0;
  startlevel(10);
  EXPECT_EQ(fadetarget, SCREEN_STORY);
  EXPECT_EQ(fadearg, 2);
  // Another player's losses do not count.
  failcount[3] = 4;
  startlevel(20);
  EXPECT_EQ(fadetarget, SCREEN_STORY);
  // Nobody chosen: nothing was lost.
  player = -1;
  startlevel(1);
  EXPECT_EQ(fadetarget, SCREEN_STORY);
  EXPECT_EQ(fadearg, 1);
}

TEST_F(StartLevel, TheClickThatStartedTheLevelIsUsedUpAndTheScreenChangesNineFramesLater) {
  inputon = 1;
  testmousepress(1);
  readinput();
  ASSERT_EQ(mousehit1, 1);
  startlevel(11);
  EXPECT_EQ(mousehit1, 0);
  testmouserelease(1);
  runframes(8);
  EXPECT_EQ(fadetarget, SCREEN_GAME);
  EXPECT_NE(fadelevel, -32);
  runframes(1);
  EXPECT_EQ(fadelevel, 0);  // the game's entry started its fade-in
  EXPECT_EQ(screen, SCREEN_GAME);
}

}  // namespace
