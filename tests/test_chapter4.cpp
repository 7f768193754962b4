// Chapter 4, Drizzle Street in the rain, played through whole frames with a person's pointer
// and clicks: the rain, the early journey map, the search that only shows what lies under the
// pointer, and the drain cover dragged aside on the way into the round.
//
// Ideas for tests:
// - the rain loop stops when the chapter is left by the map button
// - a popup opened over the search freezes the clock and swallows the click
// - at 1280 pixels the scroll stops at frame 484
// - the cover's bob: up to 10 pixels up while dragged, resting at 676 from grab frame 91
#include "tests/chapterkit.h"
#include "story/chapter4.h"

class Chapter4 : public ChapterTest {
 protected:
  // The centre of hidden thing i in the scene.
  float thingx(int i) { return story4thingxy[i][0] + ImageWidth(storypic[i][1]) / 2.0f; }
  float thingy(int i) { return story4thingxy[i][1] + ImageHeight(storypic[i][1]) / 2.0f; }
  // Straight to the search, past the journey map and the scroll.
  void tosearch(int stop = 560) {
    enterchapter(32);
    skipto(stop + 1, stop, 2);
  }
};

TEST_F(Chapter4, RainFallsFromTheFirstFrameAndKeepsFalling) {
  enterchapter(32);
  EXPECT_EQ(storychapter, 4);
  EXPECT_GE(effects(EFF_RAIN + 1, EFF_RAIN + 10), 30) << "the street is entered in the rain";
  EXPECT_EQ(effects(EFF_RAIN, EFF_RAIN), 0) << "drops are kinds 851..860";
  EXPECT_EQ(effects(EFF_RAIN + 11, EFF_RAIN + 17), 0);
  // New drops start above the screen, about one frame in two.
  cleareffects();
  runframes(40);
  int fresh = effects(EFF_RAIN + 1, EFF_RAIN + 10);
  EXPECT_GT(fresh, 8);
  EXPECT_LT(fresh, 32);
}

TEST_F(Chapter4, TheJourneyMapComesAtFrameFiveAndHoldsTheClockAndTheScroll) {
  enterchapter(32);
  runto(4);
  EXPECT_EQ(mapopen, 0);
  for (int i = 0; i < 5 && mapopen == 0; i++) runframes(1);
  ASSERT_GT(mapopen, 0);
  EXPECT_LE(storyclock, 6);
  EXPECT_LT(storyscroll, 0) << "the street has begun to move";
  EXPECT_GT(storyscroll, -12) << "but only a few pixels";
  int clock = storyclock, scroll = storyscroll;
  runframes(50);
  EXPECT_EQ(storyclock, clock);
  EXPECT_EQ(storyscroll, scroll);
  closejourneymap();
  runframes(10);
  EXPECT_GT(storyclock, clock);
  EXPECT_LT(storyscroll, scroll);
}

TEST_F(Chapter4, SearchingTheStreetFindsTheDrainAndLeadsIntoTheRound) {
  enterchapter(32);
  for (int i = 0; i < 20 && mapopen == 0; i++) runframes(1);
  closejourneymap();
  // Before the scroll has stopped nothing answers, not even with a bubble.
  runto(540);
  clickscene(thingx(1), thingy(1));
  EXPECT_EQ(bubbletime, 0);
  EXPECT_EQ(story4hover, 0);
  runto(561);
  int stopped = storyscroll;
  EXPECT_NEAR(stopped, -3 * 558, 6) << "3 pixels a frame from frame 2";
  runframes(5);
  EXPECT_EQ(storyscroll, stopped) << "the scroll stops at frame 560 on a 1024 screen";

  // The cat: found under the pointer, named by a click.
  pointscene(thingx(1), thingy(1));
  EXPECT_EQ(storyclicked, 1);
  clickscene(thingx(1), thingy(1));
  EXPECT_EQ(bubbletext, 1);
  EXPECT_EQ(story4grab, 0);
  // Empty ground.
  clickat(100, 420);
  EXPECT_EQ(bubbletext, 4);
  EXPECT_EQ(storyclicked, 0);
  // The gutter, high on the right.
  clickscene(thingx(2), thingy(2) + 10);
  EXPECT_EQ(bubbletext, 2);
  EXPECT_EQ(story4grab, 0);
  // The drain cover: found, and dragged aside.
  clickscene(thingx(3), thingy(3));
  EXPECT_EQ(bubbletext, 3);
  EXPECT_GE(story4grab, 1);
  EXPECT_EQ(storyclicked, 0) << "once the cover is taken the search is over";
  // While it is being dragged, clicks find nothing more.
  runframes(40);
  int age = bubbletime;
  clickscene(thingx(1), thingy(1));
  EXPECT_EQ(bubbletext, 3);
  EXPECT_GT(bubbletime, age) << "the cover's bubble goes on, no new one";
  for (int i = 0; i < 300 && storyend == 0; i++) runframes(1);
  EXPECT_EQ(story4grab, story4endat) << "the chapter ends 200 frames after the cover was found";
  toround();
}

TEST_F(Chapter4, WhatIsFoundFadesInAndTheFadeStartsAgainAfterEmptyGround) {
  fillframes = true;  // the test looks at the picture
  tosearch();
  pointat(100, 420);
  EXPECT_EQ(story4hover, 0);
  cleareffects();
  runframes(1);
  uint32_t bare = pixel(sx(thingx(1)), int(thingy(1)));
  // Over the gutter the fade grows frame by frame, and keeps growing past full brightness.
  pointscene(thingx(2), thingy(2) + 10);
  EXPECT_EQ(story4hover, 1);
  runframes(20);
  EXPECT_EQ(story4hover, 21);
  EXPECT_EQ(storyclicked, 2);
  // Empty ground resets it; the cat then fades in from nothing.
  pointat(100, 420);
  EXPECT_EQ(story4hover, 0);
  EXPECT_EQ(storyclicked, 0);
  pointscene(thingx(1), thingy(1));
  EXPECT_EQ(story4hover, 1);
  cleareffects();
  runframes(1);
  uint32_t faint = pixel(sx(thingx(1)), int(thingy(1)));
  runframes(12);
  cleareffects();
  runframes(1);
  uint32_t lit = pixel(sx(thingx(1)), int(thingy(1)));
  EXPECT_GT(colourdiff(lit, bare), 40) << std::hex << "the cat shows under the pointer: " << lit << " over " << bare;
  EXPECT_LT(colourdiff(faint, bare), colourdiff(lit, bare)) << "and fades in";
  // Away from it, it is gone again.
  pointat(100, 420);
  cleareffects();
  runframes(1);
  EXPECT_LT(colourdiff(pixel(sx(thingx(1)), int(thingy(1))), bare), 6);
}

TEST_F(Chapter4, OnAWideScreenTheSearchStartsAtFrame455) {
  opengraphics(1366, 768, 32, 1366, 768);
  enterchapter(32);
  skipto(440, 455, 2);
  runto(451);
  clickscene(thingx(3), thingy(3));  // pressed at frame 453
  EXPECT_EQ(story4grab, 0) << "still scrolling";
  runto(456);
  EXPECT_NEAR(storyscroll, -3 * 453, 6);
  clickscene(thingx(3), thingy(3));
  EXPECT_GE(story4grab, 1);
}

TEST_F(Chapter4, MissingPicturesLeaveHolesAndNothingElse) {
  tosearch();
  for (int i = 0; i <= 3; i++) storypic[i][1].reset();
  storypic[3][2].reset();
  storybga.reset();
  storyrain.reset();
  pointscene(thingx(1), thingy(1));
  clickat(300, 300);
  runframes(20);
  EXPECT_EQ(screen, SCREEN_STORY);
  EXPECT_EQ(story4grab, 0) << "nothing to find where nothing is drawn";
  EXPECT_EQ(bubbletext, 4);
}
