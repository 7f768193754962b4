// The journey map over the adventure map and over a story scene (whole frames, a person's clicks).
//
// Ideas for tests:
// - the legs on the paper: the current leg pulses, later ones are faint (needs a text probe)
// - the horde faces left on a stretch of road that runs left
// - the small roll glows under the pointer
// - the story screen's clock stands still while the map is open (with the story screen)
#include "tests/mapkit.h"
#include "shell/gfx.h"
#include "shell/startup.h"

class JourneyMap : public MapTest {
 protected:
  int calls = 0;  // showstorymap calls since the map was opened
  void openfromroll() {
    clickat(midx + 220, bary() - 10);
    ASSERT_GT(mapopen, 0) << "the small roll opens the journey map";
    calls = 2;  // the press frame opened and drew it, the release frame drew it again
  }
  void to(int call) {
    runframes(call - calls);
    calls = call;
  }
  void storyto(int call) {
    storyframes(call - calls);
    calls = call;
  }
  // Frames of a story scene: the story screen draws the overlay after its own frame.
  void storyframes(int n) { runframes(n); }
  void onstory(int level, int top) {
    maplevel[1] = level;
    toplevel[1] = top;
    fadeto(SCREEN_STORY, 2, 0);
    runframes(9);
    ASSERT_EQ(screen, SCREEN_STORY);
    storypart = storyleave = 0;
  }
};

TEST_F(JourneyMap, RollsOutAndTheArrowWalksToThePlayersLevelWithTheHordeBehind) {
  onstory(50, 50);
  openstorymap(-50, 818);
  calls = 0;
  storyto(58);
  EXPECT_EQ(mapunroll, 0) << "still flying in";
  storyto(59);
  EXPECT_GT(mapunroll, 0) << "arrived: the sheet unrolls";
  EXPECT_EQ(mapx, midx);
  storyto(96);
  EXPECT_EQ(arrowindex, 0);
  storyto(97);
  // Level 50 closes stage 14: thirteen places passed, the fourteenth is the current one.
  EXPECT_EQ(journeyreached, 14);
  EXPECT_EQ(arrowindex, 50);
  EXPECT_FLOAT_EQ(arrowx, float(journeypath[49][0]));
  EXPECT_FLOAT_EQ(arrowy, float(journeypath[49][1]));
  EXPECT_EQ(hordeindex, 49);
  storyto(146);
  EXPECT_FLOAT_EQ(arrowx, float(journeypath[49][0])) << "the arrow waits before it walks";
  storyto(196);
  EXPECT_NEAR(arrowx, journeypath[50][0], 0.01);
  EXPECT_NEAR(arrowy, journeypath[50][1], 0.01);
  EXPECT_NEAR(hordex, journeypath[48][0], 0.01) << "the horde starts after the arrow arrived";
  storyto(246);
  EXPECT_NEAR(hordex, journeypath[49][0], 0.01);
  EXPECT_NEAR(hordey, journeypath[49][1], 0.01);
  storyto(260);
  EXPECT_NEAR(arrowx, journeypath[50][0], 0.01) << "and both stay there";
  EXPECT_NEAR(hordex, journeypath[49][0], 0.01);
}

TEST_F(JourneyMap, OnTheMapItShowsThePlayersStageAndRollsBackToTheSmallRoll) {
  toplevel[1] = 50;
  maplevel[1] = 7;  // the map follows the frontier, not the level last played
  maphint[1] = 100;
  savedgame[1] = 1;  // a round of level 7 is stored, so the play button asks first
  entermap();
  // A popup answered first leaves the journey map's own button working.
  clickat(midx + paneld(), bary() - 25);
  ASSERT_EQ(popupid, POPUP_MAP);
  clickat(midx - 82, midy + 160);  // back
  runframes(16);
  ASSERT_EQ(popuplevel, 0);
  openfromroll();
  to(100);
  EXPECT_EQ(journeyreached, 14);
  EXPECT_EQ(arrowindex, 50);
  // Before the paper runs there is no close button; the play button under it is inert.
  clickat(midx + 370, midy + 330);
  calls += 2;
  EXPECT_EQ(mapclose, 0);
  EXPECT_EQ(fadestate, 1);
  EXPECT_EQ(papertime, 0);
  to(118);
  EXPECT_EQ(papertime, 1);
  // The map's own buttons and levels stay inert while it is open.
  clickat(midx - paneld(), bary() - 25);
  clickmarker(2);
  calls += 5;
  EXPECT_EQ(fadestate, 1);
  EXPECT_EQ(maphovered, 0);
  clickat(midx + 370, midy + 330);
  calls += 2;
  EXPECT_GT(mapclose, 0);
  EXPECT_EQ(buttonlayer, 2);
  runframes(80);
  EXPECT_GT(mapopen, 0) << "rolling up and flying back";
  runframes(10);
  EXPECT_EQ(mapopen, 0);
  EXPECT_EQ(mapclose, 0);
  EXPECT_EQ(papertime, 0);
  // It came to rest on the small roll's place, and the map works again.
  EXPECT_NEAR(mapx, midx + 220, 2);
  EXPECT_NEAR(mapy, screenh - barpos - 10, 2);
  clickat(midx + paneld(), bary() - 25);  // play asks again about the stored round
  EXPECT_EQ(popupid, POPUP_MAP);
}

TEST_F(JourneyMap, AtLevelOneTheArrowStandsOnTheFirstPlaceAndTheHordeAtTheStart) {
  onstory(1, 1);
  openstorymap(-50, 818);
  storyframes(160);
  EXPECT_EQ(journeyreached, 1);
  EXPECT_EQ(arrowindex, 1);
  EXPECT_FLOAT_EQ(arrowx, float(journeypath[1][0]));
  EXPECT_FLOAT_EQ(arrowy, float(journeypath[1][1]));
  EXPECT_FLOAT_EQ(hordex, float(journeypath[0][0]));
  EXPECT_FLOAT_EQ(hordey, float(journeypath[0][1]));
}

TEST_F(JourneyMap, OnAStorySceneThePlacesFollowTheChaptersLevelAndTheArrowTheFrontier) {
  onstory(10, 40);
  openstorymap(-50, 818);
  storyframes(120);
  EXPECT_EQ(journeyreached, 4);  // level 10 opens stage 4
  EXPECT_EQ(journeylevel, 10);
  EXPECT_EQ(arrowindex, 40);
  // Closing sends the roll off the lower left corner.
  testmousemove(midx + 370, midy + 330);
  testmousepress(1);
  storyframes(1);
  testmouserelease(1);
  EXPECT_GT(mapclose, 0);
  storyframes(70);
  EXPECT_LT(mapx, 100);
  EXPECT_GT(mapy, screenh - 150);
  storyframes(30);
  EXPECT_EQ(mapopen, 0);
}

TEST_F(JourneyMap, InTheSearchForTheMapClosingLeavesTheStoryAtOnce) {
  onstory(1, 1);
  storypart = 1;
  openstorymap(300, 400);
  storyframes(130);
  testmousemove(midx + 370, midy + 330);
  testmousepress(1);
  storyframes(1);
  testmouserelease(1);
  EXPECT_EQ(storyleave, 1);
  EXPECT_EQ(mapclose, 0) << "no closing animation";
}

TEST_F(JourneyMap, OpeningAgainWhileOpenStartsTheFlightAfresh) {
  onstory(5, 5);
  openstorymap(-50, 818);
  storyframes(70);
  openstorymap(100, 100);
  EXPECT_EQ(mapopen, 1);
  EXPECT_EQ(mapunroll, 0);
  EXPECT_EQ(papertime, 0);
  EXPECT_EQ(arrowindex, 0);
  EXPECT_EQ(hordeindex, -1);
}

TEST_F(JourneyMap, AtTheEndingEveryPlaceIsPassedAndTheHordeIsLeftBehind) {
  onstory(104, 104);
  openstorymap(-50, 818);
  storyframes(100);  // the contents came at frame 97
  EXPECT_EQ(journeyreached, 28);
  EXPECT_EQ(arrowindex, 104);
  EXPECT_EQ(hordetime, 0) << "no horde at the ending";
}

TEST_F(JourneyMap, ADamagedProfileBeyondTheEndStandsAtTheEnding) {
  onstory(900, 5000);
  openstorymap(-50, 818);
  storyframes(100);
  EXPECT_EQ(journeypathindex, 104);
  EXPECT_EQ(arrowindex, 104);
  player = -1;  // nobody at all: the first place
  storyframes(2);
  EXPECT_EQ(journeyreached, 1);
}
