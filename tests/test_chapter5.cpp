// Chapter 5, the bone cellar, played through whole frames with a person's pointer and clicks:
// the skeleton loses his skull, the low crate goes four pushes along the ledge, and only then
// does the big crate come away, twice, to open the way into the round.
//
// Ideas for tests:
// - the skull's bounces each play skull.ogg, panned to where the skull sat
// - crate 1's glow follows it as it slides down and to the right
// - a popup over the cellar swallows the click on a crate
#include "tests/chapterkit.h"
#include "story/chapter5.h"

class Chapter5 : public ChapterTest {
 protected:
  // Straight into the cellar, past the journey map and the scroll.
  void tocellar(int stop = 450) {
    enterchapter(44);
    skipto(stop + 1, stop, 41);
  }
  void tojourneyend() {
    enterchapter(44);
    runto(39);
    EXPECT_EQ(mapopen, 0);
    EXPECT_EQ(storyscroll, 0) << "the cellar waits for the journey map before it moves";
    for (int i = 0; i < 5 && mapopen == 0; i++) runframes(1);
    closejourneymap();
  }
  float box2x() { return story5box2x + story5box2slide; }
  float box1x() { return story5box1x + story5box1slide; }
  float box1y() { return story5box1y + story5box1drop * story5box1slide; }
  // One click on a crate, then its slide to the end.
  void push() {
    clickscene(box2x(), story5box2y);
    runframes(70);
  }
  void pull() {
    clickscene(box1x(), box1y());
    runframes(45);
  }
};

TEST_F(Chapter5, TheSkullFallsTheCratesGiveWayAndTheRoundBegins) {
  tojourneyend();
  // Before the scroll stops nothing answers, not even with the nothing-here bubble.
  runto(445);
  clickscene(story5skelx, story5skely - 40);
  EXPECT_EQ(story5skeleton, 0);
  EXPECT_EQ(bubbletime, 0);
  clickscene(box2x(), story5box2y);
  EXPECT_EQ(story5box2pushes, 0);
  runto(451);
  EXPECT_NEAR(storyscroll, -3 * (450 - 41), 6) << "3 pixels a frame from frame 41 to 450";
  // The skeleton: poked once, his skull falls, rolls left and settles on the floor.
  clickscene(story5skelx, story5skely - 40);
  EXPECT_EQ(bubbletext, 2);
  EXPECT_GE(story5skeleton, 1);
  runframes(100);
  EXPECT_NEAR(story5skullangle, -120, 3) << "rolled 120 pixels to the left";
  EXPECT_GT(story5skulldrop, 95);
  EXPECT_LT(story5skulldrop, 135) << "on the floor, not through it";
  float angle = story5skullangle, drop = story5skulldrop;
  runframes(10);
  EXPECT_EQ(story5skullangle, angle) << "at rest";
  EXPECT_EQ(story5skulldrop, drop);
  // He answers once only: another poke there is nothing.
  clickscene(story5skelx, story5skely - 40);
  EXPECT_EQ(bubbletext, 4);

  // The big crate will not move while the low one is in the way.
  clickscene(box1x(), box1y());
  EXPECT_EQ(bubbletext, 7);
  EXPECT_EQ(story5box1pulls, 0);
  EXPECT_EQ(story5box1move, 0);
  // Four pushes, 130 pixels each; the first has a bubble of its own.
  clickscene(box2x(), story5box2y);
  EXPECT_EQ(bubbletext, 8);
  EXPECT_EQ(story5box2pushes, 1);
  EXPECT_GT(story5box2move, 0);
  runframes(70);
  EXPECT_EQ(story5box2slide, 130);
  EXPECT_EQ(story5box2move, 0);
  for (int p = 2; p <= 4; p++) {
    clickscene(box2x(), story5box2y);
    EXPECT_EQ(bubbletext, 3);
    runframes(70);
    EXPECT_EQ(story5box2pushes, p);
    EXPECT_EQ(story5box2slide, 130 * p);
  }
  // A fifth push only shows that it will go no further.
  push();
  EXPECT_EQ(bubbletext, 5);
  EXPECT_EQ(story5box2pushes, 4);
  EXPECT_EQ(story5box2slide, 520);

  // Now the big crate: two pulls of 80 pixels, the second opens the way.
  clickscene(box1x(), box1y());
  EXPECT_EQ(bubbletext, 3);
  EXPECT_EQ(story5box1pulls, 1);
  runframes(45);
  EXPECT_FLOAT_EQ(story5box1slide, 80);
  EXPECT_EQ(storyend, 0);
  clickscene(box1x(), box1y());
  EXPECT_EQ(story5box1pulls, 2);
  for (int i = 0; i < 60 && storyend == 0; i++) runframes(1);
  EXPECT_FLOAT_EQ(story5box1slide, 160);
  EXPECT_GE(storyend, 1) << "the end begins as the second pull ends";
  // A third pull is refused.
  clickscene(box1x(), box1y());
  EXPECT_EQ(bubbletext, 6);
  EXPECT_EQ(story5box1pulls, 2);
  toround();
}

TEST_F(Chapter5, AMovingCrateIsNotThereForAClickAndTheCrateDoesNotDoubleItsPush) {
  tocellar();
  clickscene(box2x(), story5box2y);
  ASSERT_EQ(story5box2pushes, 1);
  runframes(10);
  // Mid-slide a click on it is a click on nothing; the push in hand goes on undisturbed.
  clickscene(box2x(), story5box2y);
  EXPECT_EQ(bubbletext, 4);
  EXPECT_EQ(story5box2pushes, 1);
  runframes(70);
  EXPECT_EQ(story5box2slide, 130);
  // A click on bare wall far from everything.
  clickat(60, 200);
  EXPECT_EQ(bubbletext, 4);
  EXPECT_EQ(story5box2pushes, 1);
  EXPECT_EQ(story5box1pulls, 0);
  EXPECT_EQ(story5skeleton, 0);
}

TEST_F(Chapter5, EnteringAgainStartsTheCellarFromScratch) {
  tocellar();
  clickscene(story5skelx, story5skely - 40);
  push();
  ASSERT_EQ(story5box2pushes, 1);
  // The map button leaves for the adventure map; the level's start brings the chapter back.
  clickat(80, 738);
  for (int i = 0; i < 20 && screen == SCREEN_STORY; i++) runframes(1);
  ASSERT_EQ(screen, SCREEN_MAP);
  enterchapter(44);
  EXPECT_EQ(story5skeleton, 0);
  EXPECT_EQ(story5skulldrop, 0);
  EXPECT_EQ(story5box2pushes, 0);
  EXPECT_EQ(story5box2slide, 0);
  EXPECT_EQ(story5box1slide, 0);
}

TEST_F(Chapter5, AQuestionOverTheCellarStopsItsClockAndItsCrates) {
  tocellar();
  testclose();  // the window's close box asks whether to quit
  runframes(20);
  ASSERT_GT(popuplevel, 0);
  int clock = storyclock;
  clickscene(box2x(), story5box2y);
  runframes(5);
  EXPECT_EQ(story5box2pushes, 0) << "the crate lies under the question";
  EXPECT_EQ(storyclock, clock);
  EXPECT_EQ(screen, SCREEN_STORY);
}
