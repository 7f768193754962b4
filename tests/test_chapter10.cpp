// Chapter 10, the ending: reached by winning level 103 through the end screen's button,
// played through whole frames to the main menu, and what the main menu offers after it.
//
// Ideas for tests:
// - the clouds drift left, each a little faster than the one before (pixel probes)
// - the ship rocks two degrees either way (a probe at its mast top)
// - at width 1280 the end counter starts at frame 1926
// - a popup over the ending holds its clock, so the end waits
#include "story/chapter10.h"
#include "tests/gamekit.h"
#include "tests/harbourkit.h"

// Named for the chapter: the test files are compiled together in batches, and the sound
// numbers and step counts here recur in other chapters' tests.
namespace chapter10tests {

class Chapter10 : public GameTest {
 protected:
  // A layout with one column per token list at x = 48 + 112 c.
  std::vector<levelcard> cols(const std::vector<std::string>& c) {
    std::vector<levelcard> cards = columnlayout(c);
    for (levelcard& k : cards) k.x += 16;
    return cards;
  }
  // Takes every card off the table at once, as if the player had cleared it.
  void cleartable() {
    for (int s = 1; s <= cardcount; s++) {
      if (cardvalue[player][s] <= 0) continue;
      cardvalue[player][s] = 0;
      columncount[player][cardcolumn[player][s]] = 0;
    }
  }
  int until(const std::function<bool()>& done, int max) { return rununtil(done, max); }
  // Level 103 played to its end screen, the table cleared at once, and the next-level button
  // clicked; the player's levels are set by the test.
  void winlevel103() {
    uselevels();
    writelevel(103, cols({"? ?", "?"}));
    entergame(103);
    waitplay();
    cleartable();
    waitbuttons();
    ASSERT_EQ(endbuttons, 2);
    clickat(midx + 110, midy + 215);  // next level
  }
  // The player has won every level; the ending is begun as the map's play button begins it.
  void toending() {
    maplevel[player] = toplevel[player] = selectedlevel = 104;
    failcount[player] = 0;
    screen = SCREEN_MAP;
    startlevel(104);
    until([] { return screen == SCREEN_STORY; }, 20);
    ASSERT_EQ(screen, SCREEN_STORY);
    ASSERT_EQ(storychapter, 10);
  }
  void clickskip() { clickat(screenw - 80, 738); }
};

TEST_F(Chapter10, WinningLevel103PlaysTheEndingThroughToTheMainMenuAndTheMapWaitsAtTheEnd) {
  maplevel[player] = toplevel[player] = 103;
  winlevel103();
  EXPECT_EQ(toplevel[player], 104);
  ASSERT_EQ(fadetarget, SCREEN_STORY);
  until([] { return screen == SCREEN_STORY; }, 20);
  ASSERT_EQ(screen, SCREEN_STORY);
  ASSERT_EQ(storychapter, 10);

  // The scroll starts at once, three pixels a frame at this width, and no map ever comes.
  const int d = ch10stop();
  EXPECT_EQ(d, 569);
  runframes(2);
  int first = storyclock;
  EXPECT_EQ(storyscroll, -3 * (first - 1));
  int maps = 0;
  until([&maps] {
    maps += mapopen > 0;
    return storyclock == ch10stop() + 1;
  }, 700);
  EXPECT_EQ(maps, 0) << "the ending opens no journey map";
  EXPECT_EQ(storyscroll, -3 * (d - 2));
  EXPECT_EQ(storyscroll, 1024 - 2732 + 7) << "the scene's right end, give or take a frame";
  // Nothing in the picture answers a click.
  clickat(midx, midy);
  clickat(200, 600);
  EXPECT_EQ(bubbletime, 0);
  runframes(20);
  EXPECT_EQ(storyscroll, -3 * (d - 2)) << "resting at the stop";

  // The picture stays for 1200 frames after the stop; 99 frames later the main menu.
  until([] { return storyend > 0; }, 1300);
  EXPECT_EQ(storyclock, d + ch10linger);
  int left = until([] { return screen != SCREEN_STORY; }, 200);
  EXPECT_EQ(screen, SCREEN_MENU);
  EXPECT_GE(left, 99);
  EXPECT_LE(left, 110);
  EXPECT_EQ(storyloaded(), 0) << "the story's pictures and sounds went with it";

  // The main menu's play button asks to continue, and continuing leads to the map at the end.
  runframes(60);
  clickat(midx, 390);
  ASSERT_EQ(popupid, POPUP_CONTINUE);
  runframes(20);
  clickat(midx + 82, midy + 160);
  until([] { return screen == SCREEN_MAP; }, 20);
  EXPECT_EQ(screen, SCREEN_MAP);
  EXPECT_EQ(maplevel[player], 104);
  EXPECT_EQ(toplevel[player], 104);
}

TEST_F(Chapter10, WinningLevel103AgainAfterTheEndLeadsToTheEndingAgain) {
  toplevel[player] = 104;
  maplevel[player] = 103;  // chosen again on the map
  winlevel103();
  EXPECT_EQ(fadetarget, SCREEN_STORY) << "the level after 103 is the ending, not 103 again";
  EXPECT_EQ(fadearg, 10);
  EXPECT_EQ(toplevel[player], 104);
  EXPECT_EQ(levelstars[player][103], 3);
}

TEST_F(Chapter10, TheSkipButtonEndsTheEndingAtOnceWithoutItsLastMoments) {
  toending();
  runframes(100);
  EXPECT_EQ(storyend, 0);
  clickskip();
  EXPECT_EQ(storyend, 101);
  EXPECT_EQ(fadetarget, SCREEN_MENU);
  until([] { return screen != SCREEN_STORY; }, 20);
  EXPECT_EQ(screen, SCREEN_MENU);
  EXPECT_EQ(toplevel[player], 104) << "the ending keeps the player's progress";
}

TEST_F(Chapter10, AtWidth1280TheScrollMovesTwoPixelsAFrameUntilFrame726) {
  opengraphics(1280, 768, 32, 1280, 768);
  toending();
  until([] { return storyclock == 100; }, 100);
  EXPECT_EQ(storyscroll, -2 * 99) << "frames 2 to 100";
  until([] { return storyclock == ch10stop() + 1; }, 700);
  EXPECT_EQ(ch10stop(), 726);
  EXPECT_EQ(storyscroll, -2 * (726 - 2));
  EXPECT_GE(storyscroll, 1280 - 2732) << "never past the scene's right end";
  runframes(5);
  EXPECT_EQ(storyscroll, -2 * (726 - 2));
  EXPECT_EQ(storyend, 0);
}

}  // namespace chapter10tests
