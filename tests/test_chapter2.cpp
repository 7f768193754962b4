// Chapter 2, the allotment gardens, played through whole frames with a person's clicks: from
// the start of level 10 through the journey map, the planks, the weight and the see-saw to the
// first frame of level 10's round.
//
// Ideas for tests:
// - the bed zombie's growl at its 30th frame, and that it stands still under the journey map
// - the crow's blink frames follow each other 1, 2, 3 and back to 1
// - the see-saw's wobble at rest never leans the plank more than a degree
// - a popup opened over the scene freezes the scroll
// - leaving by the map button while carrying the weight: the next visit starts afresh
#include "presentation/effects.h"
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
#include "story/chapter2.h"
#include "story/story.h"
#include "story/storymap.h"
#include "tests/harness.h"
#include <gtest/gtest.h>

// Named for the chapter: the test files are compiled together in batches, and the sound
// numbers and step counts here recur in other chapters' tests.
namespace chapter2tests {

// Story sound slots the chapter plays.
enum { S_CARPET = 26, S_RUMBLE5 = 27, S_RUMBLE6 = 28, S_MOWER = 29, S_CROW = 30, S_PLANK = 31, S_IRON = 32,
       S_CROW2 = 33, S_METALHIT = 34, S_FINISH = 46, S_GROWL1 = 3, S_GROWL2 = 4 };

// A counter started by a click has counted the press frame and the release frame.
constexpr int afterclick = 3;

class Chapter2 : public ::testing::Test {
 protected:
  void SetUp() override {
    headlessstart();
    reseteffects();
    inputon = 1;
    player = 1;
    clearplayer(1);
    playername[1] = "Tess";
    maplevel[1] = toplevel[1] = 10;
    selectedlevel = 10;
    testmousemove(5, 760);  // resting low on the lawn, over nothing
    drawstatetold.clear();
  }
  void TearDown() override {
    EXPECT_TRUE(drawstatetold.empty()) << "draw state left changed: " << *drawstatetold.begin();
    testresetinput();
  }

  // Level 10 is started as the map's play button starts it: the chapter comes first.
  void enter() {
    startlevel(10);
    runframes(9);
    ASSERT_EQ(screen, SCREEN_STORY);
    ASSERT_EQ(storychapter, 2);
    soundstarts.fill(0);
    storysoundstarts.fill(0);
  }
  // The journey map opens at frame 40; its close button is clicked as soon as it shows, and the
  // roll is left to fly off.
  void passjourneymap() {
    for (int i = 0; i < 60 && mapopen == 0; i++) runframes(1);
    ASSERT_GT(mapopen, 0) << "the journey map opened at frame " << storyclock;
    for (int i = 0; i < 400 && papertime < 2; i++) runframes(1);
    clickat(mapx + 370, mapy + 330);
    ASSERT_GT(mapclose, 0) << "the close button rolled the map up";
    for (int i = 0; i < 100 && mapopen > 0; i++) runframes(1);
    ASSERT_EQ(mapopen, 0);
    soundstarts.fill(0);  // the close button's own click
  }
  // Runs whole frames until the scene's clock reads t.
  void toclock(int t) {
    for (int i = 0; i < 2000 && storyclock < t; i++) runframes(1);
    ASSERT_EQ(storyclock, t);
  }
  // Into the chapter, past the map, and on until its objects react.
  void ready() {
    enter();
    passjourneymap();
    toclock(ch2stopframe() + 1);
  }
  int sx(int scenex) { return scenex + storyscroll; }  // a scene x on screen
  void clickscene(int scenex, int y) { clickat(sx(scenex), y); }
  void liftplanks() {
    clickscene(ch2stackx, ch2stacky);  // the upper plank lies on top
    ASSERT_EQ(ch2plank2, afterclick);
    runframes(20);
    clickscene(ch2stackx, ch2stacky);  // then the lower one
    ASSERT_EQ(ch2plank1, afterclick);
    runframes(20);
  }
  void takeiron() {
    clickscene(ch2stackx, ch2stacky);
    ASSERT_EQ(ch2iron, CH2_IRONCARRIED);
  }
  // The see-saw's hot box spans 47 pixels each side and 390 up from its pivot.
  void clickseesaw() { clickscene(ch2seesawx, ch2seesawy - 200); }
};

TEST_F(Chapter2, PlaysFromLevelTenThroughThePlanksWeightAndSeeSawIntoTheRound) {
  enter();
  toclock(2);
  EXPECT_EQ(storyscroll, 0);
  toclock(40);
  runframes(1);
  EXPECT_GT(mapopen, 0) << "the journey map rolls in at frame 40";
  EXPECT_EQ(storyscroll, 0) << "the garden waits for the map";
  passjourneymap();
  int stop = ch2stopframe();
  EXPECT_EQ(stop, 350) << "at 1024 pixels";
  toclock(99);
  EXPECT_EQ(ch2rise, 0);
  toclock(100);
  EXPECT_GT(ch2rise, 0) << "the bed zombie starts to climb out";
  toclock(stop);
  int scrolled = storyscroll;
  EXPECT_EQ(scrolled, -3 * (stop - 41)) << "three pixels a frame from frame 41";
  EXPECT_EQ(ch2rise, 50);
  EXPECT_EQ(storysoundstarts[S_GROWL2], 1) << "its growl, once";
  runframes(10);
  EXPECT_EQ(storyscroll, scrolled) << "the scroll has stopped";

  // The planks: the upper one first, each fading out over 20 frames.
  clickscene(ch2stackx, ch2stacky);
  EXPECT_EQ(ch2plank2, afterclick);
  EXPECT_EQ(storysoundstarts[S_RUMBLE6], 1);
  EXPECT_EQ(ch2plank1, 0);
  EXPECT_EQ(ch2iron, CH2_IRONLYING);
  runframes(20);
  EXPECT_EQ(ch2plank2, 20) << "faded and stays";
  clickscene(ch2stackx, ch2stacky);
  EXPECT_EQ(ch2plank1, afterclick);
  EXPECT_EQ(storysoundstarts[S_RUMBLE5], 1);
  EXPECT_EQ(ch2iron, CH2_IRONLYING) << "the click lifted only the plank";
  runframes(20);

  // The weight goes into the hand and follows the pointer.
  takeiron();
  EXPECT_EQ(bubbletext, 7);
  EXPECT_EQ(storysoundstarts[S_IRON], 1);

  // Onto the see-saw: the plank tips, the crow flies off in a cloud of feathers.
  int feathers = 0;
  clickseesaw();
  EXPECT_EQ(ch2seesaw, afterclick);
  EXPECT_EQ(ch2iron, CH2_IRONUSED);
  EXPECT_EQ(ch2crowgone, 1);
  EXPECT_EQ(bubbletext, 6);
  EXPECT_EQ(storysoundstarts[S_PLANK], 1);
  EXPECT_EQ(storysoundstarts[S_CROW2], 1);
  for (int i = 1; i <= effslots; i++) feathers += effkind[i] == EFF_FEATHERFALL;
  EXPECT_EQ(feathers, ch2feathers);

  runframes(60);
  EXPECT_FLOAT_EQ(ch2seesawangle, -90) << "flat on the lawn: no mower in the way";
  EXPECT_EQ(storysoundstarts[S_METALHIT], 0);
  EXPECT_EQ(storyend, 0);
  for (int i = 0; i < 200 && storyend == 0; i++) runframes(1);
  EXPECT_EQ(ch2seesaw, 201);
  EXPECT_EQ(storysoundstarts[S_FINISH], 1);
  EXPECT_FLOAT_EQ(ch2seesawangle, -90);

  // 99 frames of the last moments, then the fade into level 10's round.
  runframes(98);
  EXPECT_EQ(screen, SCREEN_STORY);
  for (int i = 0; i < 20 && screen != SCREEN_GAME; i++) runframes(1);
  EXPECT_EQ(screen, SCREEN_GAME);
  EXPECT_EQ(level, 10);
}

TEST_F(Chapter2, TheLowerPlankAndTheWeightWaitForWhatLiesOnThem) {
  ready();
  // The lower plank reaches 113 pixels out, the upper one only 101: its end is free but stuck.
  clickscene(ch2stackx + 108, ch2stacky);
  EXPECT_EQ(ch2plank1, 0) << "the lower plank lies under the upper one";
  EXPECT_EQ(bubbletext, 2) << "nothing happens there";
  EXPECT_EQ(soundstarts[SFX_CLICK], 1);
  EXPECT_EQ(storysoundstarts[S_RUMBLE5], 0);

  clickscene(ch2stackx, ch2stacky);
  ASSERT_EQ(ch2plank2, afterclick);
  // While the upper plank still fades, the lower one does not answer yet.
  clickscene(ch2stackx + 108, ch2stacky);
  EXPECT_EQ(ch2plank1, 0);
  runframes(20);
  // Below the lower plank's band but on the weight: the weight waits for the lower plank.
  clickscene(ch2stackx, ch2stacky + 30);
  EXPECT_EQ(ch2iron, CH2_IRONLYING);
  EXPECT_EQ(ch2plank1, 0);
  EXPECT_EQ(bubbletext, 2);
  clickscene(ch2stackx + 108, ch2stacky);
  EXPECT_EQ(ch2plank1, afterclick) << "now it lifts";
  runframes(10);
  clickscene(ch2stackx, ch2stacky + 30);
  EXPECT_EQ(ch2iron, CH2_IRONLYING) << "not while the lower plank still fades";
  runframes(10);
  clickscene(ch2stackx, ch2stacky + 30);
  EXPECT_EQ(ch2iron, CH2_IRONCARRIED);
  // A second click on its old place finds nothing.
  clickscene(ch2stackx, ch2stacky);
  EXPECT_EQ(ch2iron, CH2_IRONCARRIED);
  EXPECT_EQ(bubbletext, 2);
}

TEST_F(Chapter2, TheSeeSawWithoutTheWeightOnlyComplains) {
  ready();
  clickseesaw();
  EXPECT_EQ(bubbletext, 8);
  EXPECT_EQ(soundstarts[SFX_CLICK], 1) << "the game's click";
  EXPECT_EQ(ch2seesaw, 0);
  EXPECT_EQ(ch2crowgone, 0);
  EXPECT_EQ(ch2iron, CH2_IRONLYING);
  EXPECT_EQ(storysoundstarts[S_PLANK], 0);
  // Just outside its box (47 pixels each side) is the lawn.
  clickscene(ch2seesawx + 48, ch2seesawy - 200);
  EXPECT_EQ(bubbletext, 2);
  // The crow only talks back, and keeps its seat.
  clickat(sx(ch2seesawx) - 15, ch2crowy);
  EXPECT_EQ(bubbletext, 5);
  EXPECT_EQ(storysoundstarts[S_CROW], 1);
  EXPECT_EQ(ch2crowgone, 0);
}

TEST_F(Chapter2, AMowerRolledDownEarlyStopsThePlankShortWithAClang) {
  ready();
  liftplanks();
  takeiron();
  // The mower answers once and rolls down the bank, growing as it comes nearer.
  clickscene(ch2mowerx, ch2mowery);
  EXPECT_EQ(ch2mower, afterclick);
  EXPECT_EQ(bubbletext, 3);
  EXPECT_EQ(storysoundstarts[S_MOWER], 1);
  EXPECT_EQ(ch2iron, CH2_IRONCARRIED) << "the weight stays in the hand";
  runframes(120);
  clickseesaw();
  ASSERT_EQ(ch2seesaw, afterclick);
  runframes(32);
  EXPECT_EQ(ch2seesaw, 35);
  EXPECT_EQ(storysoundstarts[S_METALHIT], 0);
  runframes(1);
  EXPECT_EQ(storysoundstarts[S_METALHIT], 1) << "four frames before it reaches the mower";
  runframes(40);
  EXPECT_FLOAT_EQ(ch2seesawangle, -80);
  for (int i = 0; i < 200 && storyend == 0; i++) runframes(1);
  EXPECT_EQ(ch2mower, 200) << "the mower has come to rest";
  EXPECT_FLOAT_EQ(ch2seesawangle, -80);
  EXPECT_EQ(storysoundstarts[S_METALHIT], 1);
}

TEST_F(Chapter2, AMowerStartedJustBeforeTheTipLetsThePlankLieFlatAndStayThere) {
  ready();
  liftplanks();
  takeiron();
  clickscene(ch2mowerx, ch2mowery);
  runframes(20);
  clickseesaw();
  // The plank is flat long before the mower, still rolling, passes its halfway mark.
  runframes(50);
  EXPECT_FLOAT_EQ(ch2seesawangle, -90);
  for (int i = 0; i < 200 && storyend == 0; i++) {
    runframes(1);
    ASSERT_FLOAT_EQ(ch2seesawangle, -90) << "the plank never lifts back up; mower " << ch2mower;
  }
  EXPECT_GT(ch2mower, 100);
  EXPECT_EQ(storysoundstarts[S_METALHIT], 0);
  // Once tipping, the mower no longer answers.
  EXPECT_EQ(ch2seesaw, 201);
}

TEST_F(Chapter2, ThePrivyDoorOpensOnItsZombieAndNothingAnswersBeforeTheScrollStops) {
  enter();
  passjourneymap();
  toclock(ch2stopframe() - 5);
  // Before the stop frame a click on the door is only a click.
  clickat(sx(ch2doorx) + 30, ch2doory + 90);
  EXPECT_EQ(ch2door, 0);
  EXPECT_EQ(bubbletext, 0) << "no nothing-here bubble either";
  EXPECT_EQ(soundstarts[SFX_CLICK], 0);
  toclock(ch2stopframe() + 1);
  // The zombie behind the closed door does not answer.
  clickat(sx(ch2privyx), ch2privyy);
  EXPECT_EQ(ch2door, afterclick) << "the click opened the door instead";
  EXPECT_EQ(storysoundstarts[S_CARPET], 1);
  EXPECT_EQ(bubbletext, 0) << "the door says nothing";
  runframes(8);
  EXPECT_EQ(ch2door, 11) << "door3 from here on";
  EXPECT_EQ(storysoundstarts[S_GROWL1], 0);
  clickat(sx(ch2privyx), ch2privyy);
  EXPECT_EQ(bubbletext, 1);
  EXPECT_EQ(bubblelife, 150);
  EXPECT_EQ(storysoundstarts[S_GROWL1], 1);
  // The open door no longer answers: its glow box is the lawn now.
  clickat(sx(ch2doorx) + 60, ch2doory + 170);
  EXPECT_EQ(bubbletext, 2);
  EXPECT_EQ(storysoundstarts[S_CARPET], 1);
}

TEST_F(Chapter2, EachWidthStopsTheScrollAtItsOwnFrame) {
  // 1024 pixels: the whole chapter above.
  const int widths[2] = {1280, 1366}, stops[2] = {300, 280};
  for (int i = 0; i < 2; i++) {
    SCOPED_TRACE(widths[i]);
    opengraphics(widths[i], 768, 32, widths[i], 768);
    enter();
    passjourneymap();
    EXPECT_EQ(ch2stopframe(), stops[i]);
    toclock(stops[i] + 5);
    EXPECT_EQ(storyscroll, -3 * (stops[i] - 41));
    // The see-saw stands inside the screen.
    EXPECT_LT(sx(ch2seesawx), screenw);
    clickseesaw();
    EXPECT_EQ(bubbletext, 8);
    fadeto(SCREEN_MENU, 0, 0);
    runframes(10);
  }
}

TEST_F(Chapter2, APopupOverTheGardenKeepsTheClicksFromItsObjects) {
  ready();
  openpopup(POPUP_INFO);
  runframes(10);
  int t = storyclock;
  clickscene(ch2stackx, ch2stacky);
  clickscene(ch2doorx + 30, ch2doory + 90);
  EXPECT_EQ(ch2plank2, 0);
  EXPECT_EQ(ch2door, 0);
  EXPECT_EQ(bubbletext, 0) << "no nothing-here bubble either";
  EXPECT_EQ(storyclock, t) << "the scene's clock stands still under the popup";
}

// The scenes name their sounds by slot: each slot holds the file the scene means.
TEST_F(Chapter2, EachSoundSlotHoldsTheFileTheGardenPlays) {
  const struct {
    int slot;
    const char* file;
  } used[] = {{S_CARPET, "carpet.ogg"}, {S_RUMBLE5, "rumble5.ogg"}, {S_RUMBLE6, "rumble6.ogg"},
              {S_MOWER, "mower2.ogg"},  {S_CROW, "crow.ogg"},       {S_PLANK, "plank.ogg"},
              {S_IRON, "iron.ogg"},     {S_CROW2, "crow2.ogg"},     {S_METALHIT, "metallhit.ogg"},
              {S_FINISH, "finish.ogg"}, {S_GROWL1, "introstory_growl1.ogg"}, {S_GROWL2, "introstory_growl2.ogg"}};
  for (const auto& u : used) EXPECT_STREQ(storysoundfiles[u.slot].name, u.file) << "slot " << u.slot;
  EXPECT_STREQ(soundfiles[SFX_CLICK], "click.ogg");
}

}  // namespace chapter2tests
