// Chapter 8, the dark shipyard: played through whole frames, the scene following the pointer,
// from the start of level 80 to the first frame of its round.
//
// Ideas for tests:
// - the carried cable hangs below the pointer (pixel probe)
// - the puffs of the running generator show one after another (alpha per puff)
// - a popup over the scene stops the scroll following the pointer
// - at width 1366 the pointer at the right edge shows the scene's right end
#include "story/chapter8.h"
#include "tests/harbourkit.h"
#include <cmath>

class Chapter8 : public HarbourChapterTest {
 protected:
  int sx(float x) { return int(x + ch8scroll); }
  // Points at a scene spot and follows it while the scene scrolls under the pointer, until
  // the scroll rests there; returns the frames it took.
  int settleon(float x, int y) {
    int n = 0;
    for (; n < 600; n++) {
      float before = ch8scroll;
      pointat(sx(x), y);
      if (std::fabs(ch8scroll - before) < 0.1f) break;
    }
    return n;
  }
  void clickon(float x, int y) {
    settleon(x, y);
    clickat(sx(x), y);
  }
  void toyard() {
    beginlevel(80, 8);
    until([] { return mapopen > 0; }, 60);
    closejourney();
    until([] { return storyclock > ch8active; }, 20);
  }
  void clickchest() { clickon(ch8chestx, int(ch8chesty - 58)); }
  void clickcable() { clickon(ch8chestx - 5, int(ch8chesty - 25)); }
  void clicksocket() { clickon(ch8socketx, int(ch8sockety) - 40); }
  void clickgenerator() { clickon(ch8genx, int(ch8geny)); }
};

TEST_F(Chapter8, FromLevel80TheCableAndTheGeneratorLightTheYardAndTheRoundBegins) {
  beginlevel(80, 8);
  EXPECT_EQ(ch8cable, 0);
  EXPECT_EQ(ch8scroll, 0);
  // The pointer rests at the right edge: the scene still waits for frame 41.
  testmousemove(1000, 300);
  until([] { return storyclock >= 30; }, 40);
  EXPECT_EQ(ch8scroll, 0);
  until([] { return mapopen > 0; }, 20);
  EXPECT_EQ(storyclock, 40) << "the journey map comes at frame 40";
  float held = ch8scroll;
  runframes(30);
  EXPECT_EQ(ch8scroll, held) << "the scene does not follow the pointer under the map";
  EXPECT_EQ(storyclock, 40);
  closejourney();

  // The pointer at the right edge leads the scene towards its right end.
  for (int i = 0; i < 10; i++) pointat(1023, 300);
  EXPECT_LT(ch8scroll, held);
  until([] { return storyclock > ch8active; }, 20);

  // The chest: its lid answers pixel-exactly; the cable inside waits until the lid is up.
  clickchest();
  EXPECT_EQ(bubbletext, 2);
  EXPECT_GE(ch8lid, 1);
  clickcable();
  EXPECT_EQ(ch8cable, 0) << "the lid is still coming up";
  until([] { return ch8lid == ch8lidopen; }, 40);
  clickcable();
  EXPECT_EQ(ch8cable, 1) << "carried";
  EXPECT_EQ(bubbletext, 7);
  clickchest();
  EXPECT_EQ(ch8lid, ch8lidopen) << "an open chest stays open";

  // With the cable in hand the generator ignores the pointer.
  clickgenerator();
  EXPECT_EQ(ch8gen, 0);
  EXPECT_EQ(bubbletext, 6) << "nothing here, with the cable";

  // The socket takes the cable.
  clicksocket();
  EXPECT_EQ(ch8cable, 2);
  EXPECT_EQ(bubbletext, 3);

  // The generator starts; once it has run forty frames the lamps light one by one.
  clickgenerator();
  EXPECT_EQ(ch8gen, 2) << "running from the click's frame";
  EXPECT_EQ(bubbletext, 4);
  EXPECT_EQ(bubbley, mousey - 150 - 80);
  int warm = until([] { return ch8lamps > 0; }, 100);
  EXPECT_EQ(ch8gen, 41);
  EXPECT_EQ(warm, 39);
  int running = ch8gen;
  clickgenerator();
  EXPECT_GT(ch8gen, running) << "a running generator is not started again";
  EXPECT_EQ(bubbletext, 1);
  int lighting = until([] { return storyend > 0; }, 300);
  EXPECT_EQ(ch8lamps, ch8lampsend);
  EXPECT_GT(lighting, 150);
  EXPECT_EQ(bubbletext, 5);
  EXPECT_EQ(bubblex, midx);
  int left = toround();
  EXPECT_LE(left, 110);
  EXPECT_EQ(level, 80);
}

TEST_F(Chapter8, TheScrollFollowsThePointerAndStaysInsideTheScene) {
  toyard();
  // Far left: the target lies right of the scene's left end; the scroll rests at 0.
  for (int i = 0; i < 300; i++) pointat(0, 300);
  EXPECT_EQ(ch8scroll, 0);
  // Far right: the scroll eases 3 % of the way a frame towards 100 - 1.75 x.
  float before = ch8scroll;
  pointat(1023, 300);
  EXPECT_NEAR(ch8scroll, before - (before - (100 - 1.75f * 1023)) * 0.03f, 0.01f);
  for (int i = 0; i < 400; i++) pointat(1023, 300);
  EXPECT_NEAR(ch8scroll, 100 - 1.75f * 1023, 1.0f);
  EXPECT_GE(ch8scroll, 1024 - 2732);
  // A spot in the middle of the screen settles in between.
  settleon(ch8socketx, 500);
  EXPECT_NEAR(sx(ch8socketx), (ch8socketx + 100) / 2.75f, 2);
}

TEST_F(Chapter8, TheLampsWaitForBothTheGeneratorAndTheCable) {
  toyard();
  // The generator first, with empty hands: it runs, but no lamp lights.
  clickgenerator();
  EXPECT_EQ(ch8gen, 2);
  runframes(100);
  EXPECT_EQ(ch8lamps, 0) << "no cable in the socket";
  clickchest();
  until([] { return ch8lid == ch8lidopen; }, 40);
  clickcable();
  ASSERT_EQ(ch8cable, 1);
  // A click far from the socket does not plug it in.
  clickon(ch8socketx + 400, 650);
  EXPECT_EQ(ch8cable, 1);
  EXPECT_EQ(bubbletext, 6);
  clicksocket();
  EXPECT_EQ(ch8cable, 2);
  runframes(1);
  EXPECT_GT(ch8lamps, 0) << "the generator has long run: the lamps start at once";
}

TEST_F(Chapter8, EmptyGroundAnswersFromFrame51AndTheLidOnlyWhereItIsPainted) {
  beginlevel(80, 8);
  until([] { return mapopen > 0; }, 60);
  closejourney();
  ASSERT_LE(storyclock, ch8active);
  clickat(300, 300);
  EXPECT_EQ(bubbletime, 0) << "before frame 51 the scene is still waking";
  until([] { return storyclock > ch8active; }, 20);
  clickat(300, 300);
  EXPECT_EQ(bubbletext, 1);
  EXPECT_EQ(bubblelife, 100);
  // The lid's picture has room above it for the lid swung open; the shut lid answers only
  // where it is painted, not in that empty room.
  int lidh = ImageHeight(storypic[1][2]);
  ASSERT_GT(lidh, 300);
  clickon(ch8chestx, int(ch8chesty - 58) - lidh / 2 + 50);
  EXPECT_EQ(ch8lid, 0);
  EXPECT_EQ(bubbletext, 1);
  clickchest();
  EXPECT_GE(ch8lid, 1);
}
