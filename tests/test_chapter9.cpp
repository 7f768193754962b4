// Chapter 9, the last jetty: played through whole frames with a person's clicks, from the
// start of level 92 to the first frame of its round.
//
// Ideas for tests:
// - the anchor rolls with the ship while it is lowered (its y follows the roll angle)
// - the signal lamps show one after another, 20 frames apart (pixel probes)
// - the door is drawn over the jetty once the scene is ready (pixel probe at its foot)
// - a popup over the scene holds the ship's clock-driven events (the anchor, the horn)
#include "story/chapter9.h"
#include "tests/harbourkit.h"
#include <cmath>

class Chapter9 : public HarbourChapterTest {
 protected:
  int u() { return int(ch9shipx + storyscroll); }
  int w() { return int(ch9shipy); }
  void clickdoor() { clickscene(u() + 50, w() + 75); }
  void clicklever() { clickscene(u() + 470, w() + 70 - 20); }
  void tojetty() {
    beginlevel(92, 9);
    until([] { return mapopen > 0; }, 60);
    closejourney();
  }
};

TEST_F(Chapter9, FromLevel92TheShipBerthsTheLeverOpensItsDoorAndTheRoundBegins) {
  beginlevel(92, 9);
  runframes(3);
  EXPECT_EQ(ch9shipx, ch9shipstartx) << "the ship waits far out";
  EXPECT_EQ(ch9shipy, ch9shipstarty);
  until([] { return mapopen > 0; }, 60);
  EXPECT_EQ(storyclock, 40);
  EXPECT_EQ(storyscroll, 0) << "the scroll waits for the map";
  closejourney();

  // The scroll runs from frame 41 to the stop; the ship makes way from frame 101.
  const int d = ch9stop();
  EXPECT_EQ(d, 320);
  until([] { return storyclock == 100; }, 100);
  EXPECT_EQ(ch9shipx, ch9shipstartx);
  runframes(1);
  EXPECT_EQ(ch9shipx, ch9shipstartx - 3) << "at most three pixels a frame";
  until([] { return storyclock == ch9stop() + 1; }, 300);
  EXPECT_EQ(storyscroll, -3 * (d - 41));

  // From the stop, empty water gets its bubble; the door and lever are not ready yet.
  clickdoor();
  EXPECT_EQ(bubbletext, 1) << "before frame d + 250 the door is just scenery";
  EXPECT_EQ(bubblelife, 100);

  // The anchor goes down from frame d + 241, a pixel a frame, 300 in all.
  until([] { return storyclock == ch9stop() + 240; }, 300);
  EXPECT_EQ(ch9anchor, 0);
  runframes(1);
  EXPECT_EQ(ch9anchor, 1);

  // The ship glides to its berth at x 1350 and lies still there; its rocking dies away.
  until([] { return ch9shipx <= 1350.5f; }, 900);
  float berth = ch9shipx;
  EXPECT_NEAR(berth, ch9berthx, 0.5f);
  until([] { return storyclock >= 500; }, 200);
  runframes(60);
  EXPECT_NEAR(ch9shipx, berth, 0.5f) << "no more sideways drift";
  EXPECT_EQ(ch9rockangle(), 0.0f) << "the rocking has died away by frame 500";
  EXPECT_EQ(ch9anchor, ch9anchordeep);

  // The door will not open by hand: bubble 2, and it stays shut.
  clickdoor();
  EXPECT_EQ(bubbletext, 2);
  EXPECT_EQ(bubblelife, 200);
  EXPECT_EQ(ch9door, 0);

  // The lever tilts over, the lamps start, and 80 frames later the door folds down.
  clicklever();
  EXPECT_EQ(bubbletext, 3);
  EXPECT_GT(ch9lever, 0);
  until([] { return ch9lights > 0; }, 40);
  EXPECT_EQ(ch9lever, ch9levertilt);
  int opens = until([] { return ch9door > 0; }, 120);
  // The lamps' counter stood at 2 after the frame they started in; the door comes at 80.
  EXPECT_EQ(opens, 78);
  clickdoor();
  EXPECT_NE(bubbletext, 2) << "the opening door no longer answers";
  clicklever();
  EXPECT_EQ(ch9lever, ch9levertilt) << "the pulled lever answers no more";
  until([] { return storyend > 0; }, 200);
  EXPECT_EQ(ch9lights, ch9lightsend);
  EXPECT_EQ(ch9door, ch9dooropen);
  EXPECT_EQ(bubbletext, 4);
  EXPECT_EQ(bubblex, midx);
  int left = toround();
  EXPECT_LE(left, 110);
  EXPECT_EQ(level, 92);
}

TEST_F(Chapter9, OnWideScreensTheScrollStopsSoonerAndTheLeverAnswersOnceItIsInView) {
  widescreen(1280);
  tojetty();
  until([] { return storyclock == ch9stop() + 1; }, 400);
  EXPECT_EQ(ch9stop(), 260);
  EXPECT_EQ(storyscroll, -3 * (260 - 41));

  widescreen(1366);
  tojetty();
  until([] { return storyclock == ch9stop() + 1; }, 400);
  EXPECT_EQ(ch9stop(), 280);
  int stopped = storyscroll;
  EXPECT_EQ(stopped, -3 * (280 - 41));
  // The ship brings the lever into view as it comes alongside.
  until([this] { return u() + 470 + 30 < screenw && storyclock > ch9stop() + ch9ready; }, 900);
  EXPECT_EQ(storyscroll, stopped);
  clicklever();
  EXPECT_GT(ch9lever, 0);
  EXPECT_EQ(bubbletext, 3);
}

TEST_F(Chapter9, WithoutItsPicturesTheJettyStillPlaysThroughToTheRound) {
  withoutstoryfolder("9");
  tojetty();
  EXPECT_FALSE(storypic[1][1]) << "no ship picture";
  EXPECT_FALSE(storybga);
  // The ship sails unseen; its door has no shape to hit, but the lever's place still answers.
  until([this] { return u() + 470 + 30 < screenw && storyclock > ch9stop() + ch9ready; }, 1200);
  clickdoor();
  EXPECT_EQ(bubbletext, 1) << "only water where the door would be";
  clicklever();
  EXPECT_GT(ch9lever, 0);
  until([] { return storyend > 0; }, 300);
  EXPECT_EQ(ch9door, ch9dooropen);
  toround();
  EXPECT_EQ(level, 92);
}
