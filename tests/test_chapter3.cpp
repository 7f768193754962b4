// Chapter 3, Pine Road, played through whole frames with a person's pointer and clicks: the
// view follows the pointer, so every click first lets the view settle with the pointer over
// the thing to be clicked. From the start of level 20 through the journey map, the tailgate,
// the tarp, the fuel can and the chainsaw to the felled pine and the first frame of the round.
//
// Ideas for tests:
// - the nails rise 5 pixels a frame and fade one after another (needs a pixel probe per nail)
// - the tree's shadow stretches from 0.6 to 0.85 while the pine falls
// - the zombie fades into his flattened self over frames 151..155 of the fall
// - the carried chainsaw shakes between its two pictures every two frames
// - leaving by the map button while the saw idles stops its loop
#include "presentation/sound.h"
#include "progression/startlevel.h"
#include "runtime/testinput.h"
#include "shell/buttons.h"
#include "shell/display.h"
#include "shell/dispatch.h"
#include "shell/gfx.h"
#include "shell/profiles.h"
#include "shell/state.h"
#include "solitaire/state.h"
#include "story/chapter3.h"
#include "story/story.h"
#include "story/storymap.h"
#include "tests/harness.h"
#include <cmath>
#include <gtest/gtest.h>

// Named for the chapter: the test files are compiled together in batches, and the sound
// numbers and step counts here recur in other chapters' tests.
namespace chapter3tests {

// The chainsaw lies tilted in the cargo space, its body up and left of its picture's centre.
constexpr float sawgripx = ch3sawx - 21;
constexpr int sawgripy = int(ch3sawy) - 42;

// Story sound slots the chapter plays.
enum { S_GROWL1 = 3, S_GROWL2 = 4, S_BOXOPEN = 12, S_CHAINSAW1 = 35, S_CHAINSAW2 = 36, S_TREEFALL = 37,
       S_SAWIDLE = 38, S_SAWCUT = 39, S_TRUNK = 40, S_PLANEUP = 41, S_NAIL = 42, S_FINISH = 46 };

// A counter started by a click has counted the press frame and the release frame.
constexpr int afterclick = 3;

class Chapter3 : public ::testing::Test {
 protected:
  void SetUp() override {
    headlessstart();
    inputon = 1;
    player = 1;
    clearplayer(1);
    playername[1] = "Tess";
    maplevel[1] = toplevel[1] = 20;
    selectedlevel = 20;
    testmousemove(5, 760);
    drawstatetold.clear();
  }
  void TearDown() override {
    EXPECT_TRUE(drawstatetold.empty()) << "draw state left changed: " << *drawstatetold.begin();
    testresetinput();
  }

  void enter() {
    startlevel(20);
    runframes(9);
    ASSERT_EQ(screen, SCREEN_STORY);
    ASSERT_EQ(storychapter, 3);
    soundstarts.fill(0);
    storysoundstarts.fill(0);
  }
  void passjourneymap() {
    for (int i = 0; i < 60 && mapopen == 0; i++) runframes(1);
    ASSERT_GT(mapopen, 0) << "the journey map opened at frame " << storyclock;
    for (int i = 0; i < 400 && papertime < 2; i++) runframes(1);
    clickat(mapx + 370, mapy + 330);
    ASSERT_GT(mapclose, 0);
    for (int i = 0; i < 100 && mapopen > 0; i++) runframes(1);
    ASSERT_EQ(mapopen, 0);
    soundstarts.fill(0);  // the close button's own click
  }
  void toclock(int t) {
    for (int i = 0; i < 2000 && storyclock < t; i++) runframes(1);
    ASSERT_EQ(storyclock, t);
  }
  void ready() {
    enter();
    passjourneymap();
    toclock(ch3wakeat + 1);
  }
  // The pointer x at which the view, at rest, puts scene x under the pointer:
  // p = x + 100 - k p.
  int restingx(float scenex) {
    float k = screenw <= 1024 ? 1.75f : 1.1f;
    return int(std::lround((scenex + 100) / (1 + k)));
  }
  // Moves the pointer over scene point (x, y) and waits until the view has come to rest there.
  void settleon(float scenex, int y) {
    int p = restingx(scenex);
    pointat(p, y);
    for (int i = 0; i < 600 && std::fabs(ch3scroll - ch3scrolltarget()) > 1; i++) runframes(1);
    ASSERT_NEAR(ch3scroll, ch3scrolltarget(), 1);
    ASSERT_NEAR(scenex + ch3scroll, float(p), 3) << "the view rests with the point under the pointer";
  }
  void clickon(float scenex, int y) {
    settleon(scenex, y);
    clickat(restingx(scenex), y);
  }
  void clicktree() { clickon(ch3treex, int(ch3treey) - 250); }  // the pine's trunk among the lower boughs
};

TEST_F(Chapter3, PlaysFromLevelTwentyThroughTrunkTarpCanAndSawToTheFelledPineAndTheRound) {
  enter();
  toclock(2);
  EXPECT_FLOAT_EQ(ch3scroll, 0);
  pointat(1000, 700);  // the view would follow right, but not yet
  toclock(40);
  EXPECT_FLOAT_EQ(ch3scroll, 0) << "the road waits for the journey map";
  runframes(1);
  EXPECT_GT(mapopen, 0);
  passjourneymap();

  // The tailgate opens on the chainsaw; the saw has no fuel yet.
  clickon(ch3doorx, int(ch3doory));
  EXPECT_EQ(ch3door, afterclick);
  EXPECT_EQ(storysoundstarts[S_TRUNK], 1);
  runframes(10);
  EXPECT_EQ(ch3door, ch3doorend);
  clickon(sawgripx, sawgripy);
  EXPECT_EQ(bubbletext, 7) << "no fuel";
  EXPECT_EQ(storysoundstarts[S_CHAINSAW1], 1);
  EXPECT_EQ(ch3saw, CH3_LYING) << "the saw stays in the trunk";

  // The pliers, then the tarp: its four nails fly out one after another.
  clickon(ch3pliersx, int(ch3pliersy));
  EXPECT_EQ(ch3pliers, CH3_CARRIED);
  EXPECT_EQ(bubbletext, 4);
  EXPECT_EQ(soundstarts[SFX_TURNUP], 1);
  clickon(ch3tarpx, int(ch3tarpy));
  EXPECT_EQ(ch3pliers, CH3_USED);
  EXPECT_EQ(bubbletime, 0) << "the pliers' bubble is cleared";
  EXPECT_EQ(storysoundstarts[S_PLANEUP], 1);
  EXPECT_EQ(ch3tarp, afterclick);
  EXPECT_GT(ch3nail[1], 0);
  EXPECT_EQ(ch3nail[2], 0);
  EXPECT_EQ(storysoundstarts[S_NAIL], 1);
  runframes(10 - ch3tarp);
  EXPECT_EQ(ch3tarp, 10);
  EXPECT_EQ(ch3nail[2], 2) << "nail 2 starts at tarp counter 10 and counted that frame";
  EXPECT_EQ(ch3nail[3], 0);
  runframes(10);
  EXPECT_GT(ch3nail[4], 0);
  EXPECT_EQ(storysoundstarts[S_NAIL], 4);
  runframes(20);
  EXPECT_EQ(ch3tarp, ch3tarpend) << "the tarp is gone";

  // The fuel can, then the chainsaw, which starts and idles in a loop after two seconds.
  clickon(ch3canx, int(ch3cany));
  EXPECT_EQ(ch3canister, CH3_CARRIED);
  EXPECT_EQ(bubbletext, 5);
  EXPECT_EQ(storysoundstarts[S_BOXOPEN], 1);
  clickon(sawgripx, sawgripy);
  EXPECT_EQ(ch3saw, CH3_CARRIED);
  EXPECT_EQ(ch3canister, CH3_USED);
  EXPECT_EQ(bubbletext, 9);
  EXPECT_EQ(storysoundstarts[S_CHAINSAW2], 1);
  settleon(ch3treex, int(ch3treey) - 250);
  EXPECT_EQ(storysoundstarts[S_SAWIDLE], 1) << "the saw idles once it has been carried 100 frames";
  EXPECT_GE(ch3sawtimer, ch3sawidle);

  // The pine: cut for 60 frames, falling, and lying across the road on the zombie.
  clicktree();
  EXPECT_EQ(ch3saw, CH3_USED);
  EXPECT_EQ(storysoundstarts[S_SAWCUT], 1);
  EXPECT_EQ(storysoundstarts[S_SAWIDLE], 1);
  EXPECT_EQ(ch3tree, afterclick - 1) << "the tree counts from the frame after the click";
  runframes(61 - ch3tree);
  EXPECT_EQ(ch3tree, 61);
  EXPECT_EQ(storysoundstarts[S_TREEFALL], 1);
  runframes(90);
  EXPECT_EQ(ch3tree, 151);
  EXPECT_EQ(soundstarts[SFX_KILLEDZOMBIE], 1);
  EXPECT_EQ(storyend, 0);
  runframes(88);
  EXPECT_EQ(ch3tree, 239);
  EXPECT_GT(storyend, 0) << "the last moments have begun";
  EXPECT_EQ(bubbletext, 10);
  EXPECT_EQ(storysoundstarts[S_FINISH], 1);
  runframes(5);
  EXPECT_EQ(ch3tree, ch3treeend) << "and stays";

  runframes(97);
  EXPECT_EQ(screen, SCREEN_STORY);
  for (int i = 0; i < 20 && screen != SCREEN_GAME; i++) runframes(1);
  EXPECT_EQ(screen, SCREEN_GAME);
  EXPECT_EQ(level, 20);
}

TEST_F(Chapter3, EmptyHandsGetTheirOwnAnswersAndTheCanWaitsUnderTheTarp) {
  enter();
  passjourneymap();
  toclock(45);
  // Before frame 51 nothing answers, not even with the nothing-here bubble.
  pointat(restingx(ch3pliersx), int(ch3pliersy));
  clickat(restingx(ch3pliersx), int(ch3pliersy));
  EXPECT_EQ(ch3pliers, CH3_LYING);
  EXPECT_EQ(bubbletext, 0);
  toclock(ch3wakeat + 1);

  // A click on the empty road before anything was taken: bubble 11.
  clickon(1300, 740);
  EXPECT_EQ(bubbletext, 11);
  EXPECT_EQ(soundstarts[SFX_CLICK], 1);
  clicktree();
  EXPECT_EQ(bubbletext, 12) << "nothing to cut it with";
  EXPECT_EQ(ch3tree, 0);
  EXPECT_EQ(soundstarts[SFX_CLICK], 2);
  clickon(ch3tarpx, int(ch3tarpy));
  EXPECT_EQ(bubbletext, 3) << "the tarp is nailed down";
  EXPECT_EQ(ch3tarp, 0);
  EXPECT_EQ(soundstarts[SFX_CLICK], 3);
  // The saw lies behind the shut tailgate: the click opens the tailgate instead.
  clickon(sawgripx, sawgripy);
  EXPECT_EQ(ch3door, afterclick);
  EXPECT_EQ(ch3saw, CH3_LYING);
  EXPECT_EQ(storysoundstarts[S_CHAINSAW1], 0);

  clickon(ch3pliersx, int(ch3pliersy));
  clickon(1300, 740);
  EXPECT_EQ(bubbletext, 2) << "with something taken the answer changes";
  clickon(ch3tarpx, int(ch3tarpy));
  ASSERT_GT(ch3tarp, 0);
  // While the tarp still lifts, the can beneath it does not answer.
  clickat(restingx(ch3canx), int(ch3cany));
  EXPECT_EQ(ch3canister, CH3_LYING);
  EXPECT_EQ(bubbletext, 2);
  runframes(ch3tarpend);
  clickon(ch3canx, int(ch3cany));
  EXPECT_EQ(ch3canister, CH3_CARRIED);
  // The can alone cannot fell the tree.
  clicktree();
  EXPECT_EQ(bubbletext, 12);
  EXPECT_EQ(ch3canister, CH3_CARRIED);
}

TEST_F(Chapter3, TheZombieGrowlsUntilThePineLandsOnHim) {
  ready();
  for (int i = 0; i < 4; i++) {
    clickon(ch3zombiex, int(ch3zombiey));
    EXPECT_EQ(bubbletext, 1);
    runframes(5);
  }
  EXPECT_EQ(storysoundstarts[S_GROWL1] + storysoundstarts[S_GROWL2], 4);
  // His box ends 158 pixels out.
  clickon(ch3zombiex + 162, int(ch3zombiey));
  EXPECT_EQ(bubbletext, 11);
}

TEST_F(Chapter3, TheViewFollowsThePointerToBothEndsOfTheRoad) {
  enter();
  passjourneymap();
  // Right edge at 1024: the view eases towards 100 - 1.75 x 1023, short of the scene's last 18 pixels.
  pointat(1023, 400);  // the first frame after the map still has the map's button layer
  float before = ch3scroll;
  runframes(1);
  EXPECT_NEAR(ch3scroll, before - (before - (100 - 1.75f * 1023)) * 0.03f, 0.01f) << "3% of the way a frame";
  runframes(250);
  EXPECT_NEAR(ch3scroll, 100 - 1.75f * 1023, 1);
  EXPECT_GE(ch3scroll, 1024 - ch3scenew);
  EXPECT_LT(ch3sawx + ch3scroll + 100, 1024) << "the chainsaw is in view";
  // Left edge: the target lies beyond the scene's start, so the view stops at 0.
  pointat(0, 400);
  runframes(200);
  EXPECT_FLOAT_EQ(ch3scroll, 0);
  EXPECT_GT(ch3tarpx + ch3scroll - 330, 0) << "the whole tarp is in view";

  // A wide screen reaches the right end exactly.
  fadeto(SCREEN_MENU, 0, 0);
  runframes(10);
  opengraphics(1366, 768, 32, 1366, 768);
  enter();
  passjourneymap();
  pointat(1365, 400);
  runframes(150);
  EXPECT_FLOAT_EQ(ch3scroll, 1366 - ch3scenew);
}

TEST_F(Chapter3, TheViewHoldsStillUnderTheJourneyMap) {
  enter();
  pointat(1000, 400);
  for (int i = 0; i < 60 && mapopen == 0; i++) runframes(1);
  ASSERT_GT(mapopen, 0);
  runframes(30);
  EXPECT_FLOAT_EQ(ch3scroll, 0) << "the map lies over the road";
  passjourneymap();
  pointat(1000, 400);
  runframes(5);
  EXPECT_LT(ch3scroll, -10.0f) << "and follows the pointer once the map is gone";
}

TEST_F(Chapter3, APopupOverTheRoadKeepsTheClicksFromItsObjects) {
  ready();
  settleon(ch3pliersx, int(ch3pliersy));
  openpopup(POPUP_INFO);
  runframes(10);
  float view = ch3scroll;
  clickat(restingx(ch3pliersx), int(ch3pliersy));
  EXPECT_EQ(ch3pliers, CH3_LYING);
  EXPECT_EQ(bubbletext, 0);
  pointat(1000, 400);
  runframes(5);
  EXPECT_FLOAT_EQ(ch3scroll, view) << "the view holds still under the popup";
}

// The scene names its sounds by slot: each slot holds the file the scene means.
TEST_F(Chapter3, EachSoundSlotHoldsTheFileTheRoadPlays) {
  const struct {
    int slot;
    const char* file;
  } used[] = {{S_GROWL1, "introstory_growl1.ogg"}, {S_GROWL2, "introstory_growl2.ogg"}, {S_BOXOPEN, "boxopen.ogg"},
              {S_CHAINSAW1, "chainsaw1.ogg"}, {S_CHAINSAW2, "chainsaw2.ogg"}, {S_TREEFALL, "treefall.ogg"},
              {S_SAWIDLE, "chainsaw32.ogg"}, {S_SAWCUT, "chainsaw4.ogg"}, {S_TRUNK, "trunk.ogg"},
              {S_PLANEUP, "planeup.ogg"}, {S_NAIL, "nail.ogg"}, {S_FINISH, "finish.ogg"}};
  for (const auto& u : used) EXPECT_STREQ(storysoundfiles[u.slot].name, u.file) << "slot " << u.slot;
  EXPECT_EQ(storysoundfiles[S_SAWIDLE].loops, 1) << "the idling saw loops until the tree is cut";
  EXPECT_STREQ(soundfiles[SFX_TURNUP], "turnup.ogg");
  EXPECT_STREQ(soundfiles[SFX_KILLEDZOMBIE], "killedzombie.ogg");
}

}  // namespace chapter3tests
