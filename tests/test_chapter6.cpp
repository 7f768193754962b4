// Chapter 6, the old brick works, played through whole frames with a person's pointer and
// clicks, both ways in: the door, the switch and the ladder; or two stones through the window.
//
// Ideas for tests:
// - the switch lights blink slowly, fast while the ladder slides, and stay lit once it is down
// - the text panel sits at the right on every screen width
// - a stone carried when the ladder comes down is simply dropped with the scene
#include "tests/chapterkit.h"
#include "story/chapter6.h"

class Chapter6 : public ChapterTest {
 protected:
  // Past the journey map and the scroll: the works answer.
  void toworks(int stop = 550) {
    enterchapter(56);
    for (int i = 0; i < 50 && mapopen == 0; i++) runframes(1);
    EXPECT_EQ(storyclock, 40) << "the journey map opens at frame 40";
    closejourneymap();
    runto(stop + 1);
  }
  // Straight to the works, past the journey map and the scroll.
  void skiptoworks(int stop = 550) {
    enterchapter(56);
    skipto(stop + 1, stop, 41);
  }
  float doorx() { return story6doorx + story6slidex + story6door; }
  void clickstone(int i) { clickscene(story6stonexy[i][0], story6stonexy[i][1]); }
  void clickwindow() { clickscene(story6windowx, story6windowy + 20); }
  void clickswitch() { clickscene(story6switchx, story6switchy - 10); }
};

TEST_F(Chapter6, TheDoorTheSwitchAndTheLadderLeadIn) {
  toworks();
  EXPECT_NEAR(storyscroll, -3 * (550 - 41), 6);
  // The switch hides behind the shut door: a click there finds the door.
  clickswitch();
  EXPECT_EQ(story6switch, 0);
  EXPECT_EQ(bubbletext, 1);
  EXPECT_GE(story6door, 1);
  for (int i = 0; i < 60 && story6door < story6doorend; i++) runframes(1);
  EXPECT_EQ(story6door, 67) << "slid 66 pixels to the right, 2 a frame";
  runframes(5);
  EXPECT_EQ(story6door, 67);
  // Once open it is not a door to click any more.
  clickscene(story6doorx + story6slidex + 67, story6slidey + 100);
  EXPECT_EQ(bubbletext, 2);
  EXPECT_EQ(story6door, 67);
  // The switch turns down, then lets the ladder go.
  clickswitch();
  EXPECT_GE(story6switch, 1);
  EXPECT_EQ(story6ladder, 0);
  for (int i = 0; i < 60 && story6ladder == 0; i++) runframes(1);
  EXPECT_EQ(story6switch, story6switchend);
  EXPECT_GE(story6ladder, 1);
  EXPECT_LE(story6ladder, 3) << "the ladder starts as the switch is fully down";
  for (int i = 0; i < 120 && storyend == 0; i++) runframes(1);
  EXPECT_EQ(story6ladder, story6ladderend);
  EXPECT_GE(storyend, 1);
  EXPECT_EQ(bubbletext, 11);
  EXPECT_EQ(bubblex, midx);
  EXPECT_EQ(story6window, WINDOW_WHOLE);
  toround();
}

TEST_F(Chapter6, TwoStonesThroughTheWindowLeadIn) {
  enterchapter(56);
  for (int i = 0; i < 50 && mapopen == 0; i++) runframes(1);
  closejourneymap();
  // Before the scroll stops the stones wait and nothing answers.
  runto(544);
  clickstone(1);
  EXPECT_EQ(story6stone[1], STONE_LYING);
  clickwindow();
  EXPECT_EQ(bubbletime, 0);
  runto(551);
  // The window alone: only a look.
  clickwindow();
  EXPECT_EQ(bubbletext, 8);
  EXPECT_EQ(story6window, WINDOW_WHOLE);
  // A stone picked up goes with the pointer; only one at a time.
  clickstone(1);
  EXPECT_EQ(bubbletext, 6);
  EXPECT_EQ(story6stone[1], STONE_CARRIED);
  clickstone(2);
  EXPECT_EQ(story6stone[2], STONE_LYING);
  EXPECT_EQ(bubbletext, 7) << "hands full";
  clickat(900, 300);
  EXPECT_EQ(bubbletext, 7);
  // The first stone cracks the window.
  clickwindow();
  EXPECT_EQ(story6window, WINDOW_CRACKED);
  EXPECT_EQ(story6stone[1], STONE_THROWN);
  EXPECT_EQ(bubbletext, 9);
  EXPECT_EQ(storyend, 0);
  EXPECT_EQ(effects(EFF_GLASS, EFF_GLASS), 0);
  clickwindow();
  EXPECT_EQ(bubbletext, 9) << "cracked, and no stone in hand";
  clickstone(1);
  EXPECT_EQ(story6stone[1], STONE_THROWN) << "a thrown stone is gone";
  EXPECT_EQ(bubbletext, 2);
  // The second breaks it: glass flies and the way in is open.
  clickstone(2);
  EXPECT_EQ(story6stone[2], STONE_CARRIED);
  cleareffects();
  clickwindow();
  EXPECT_EQ(story6window, WINDOW_BROKEN);
  EXPECT_EQ(story6stone[2], STONE_THROWN);
  EXPECT_EQ(effects(EFF_GLASS, EFF_GLASS), story6glass);
  EXPECT_GE(storyend, 1);
  EXPECT_EQ(bubbletext, 11);
  // A broken window has done its job.
  clickwindow();
  EXPECT_EQ(bubbletext, 11);
  EXPECT_EQ(story6ladder, 0);
  toround();
}

TEST_F(Chapter6, TheSwitchWaitsUntilTheDoorHasSlidThirtyFrames) {
  skiptoworks();
  clickscene(doorx(), story6slidey);
  pointscene(story6switchx, story6switchy - 10);
  for (int i = 0; i < 40 && story6door < 59; i++) runframes(1);
  ASSERT_EQ(story6door, 59);
  // This frame's switch still sees the door at 59: not yet.
  clickat(sx(story6switchx), story6switchy - 10);
  EXPECT_EQ(story6switch, 0);
  EXPECT_EQ(bubbletext, 2);
  ASSERT_GT(story6door, 59);
  clickat(sx(story6switchx), story6switchy - 10);
  EXPECT_GE(story6switch, 1);
}
