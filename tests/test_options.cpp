// Options: the volume rows with their held arrows and dragged knobs, the check boxes for the
// display, the pointer and the two effect switches, and settings.txt written on every way out.
//
// Ideas for tests:
// - the wide box on a 1280 x 768 desktop choosing mode 2, and the tick following it
// - a knob drag that starts on the knob and ends over the close button: nothing closes
// - the options popup opened from the in-game menu over a running game
#include "tests/menukit.h"
#include "shell/display.h"
#include "shell/dispatch.h"
#include "shell/gfx.h"
#include "shell/options.h"
#include <gtest/gtest.h>

namespace {

constexpr int musicy = 384 - 155 + 3, soundy = 384 - 75 + 3;  // the rows' arrows and knobs on a 768-high screen

class Options : public ::testing::Test {
 protected:
  void SetUp() override {
    headlessstart();
    menusettled();
    clickat(menusideoffset(), 710);
    runframes(16);
  }
};

std::pair<int, int> box(int n) {
  int x, y;
  optionboxpos(n, x, y);
  return {x, y};
}
void clickbox(int n) { clickvirtual(box(n).first, box(n).second); }

TEST_F(Options, HoldingAnArrowMovesTheVolumeTenAFrameWithinItsRange) {
  ASSERT_EQ(popupid, POPUP_OPTIONS);
  ASSERT_EQ(popuplevel, popupfull);
  musicvol = 200;
  testmousemove(midx + 190, musicy);
  testmousepress(1);
  runframes(5);
  EXPECT_EQ(musicvol, 250);
  runframes(10);
  EXPECT_EQ(musicvol, 280);  // never above 280
  testmouserelease(1);
  runframes(3);
  EXPECT_EQ(musicvol, 280);
  // The sound row's left arrow, down to silence and no further; music is left alone.
  soundvol = 30;
  holdat(midx - 190, soundy, 6);
  EXPECT_EQ(soundvol, 0);
  EXPECT_EQ(musicvol, 280);
  // Only a held press counts: hovering does nothing.
  pointat(midx - 190, musicy);
  runframes(3);
  EXPECT_EQ(musicvol, 280);
}

TEST_F(Options, DraggingAKnobFollowsThePointerAndStopsAtTheEnds) {
  musicvol = 140;  // the knob sits at the track's middle
  testmousemove(midx, musicy);
  testmousepress(1);
  runframes(1);
  EXPECT_EQ(musicdrag, 1);
  testmousemove(midx + 55, musicy + 100);  // the pointer may wander off the row
  runframes(1);
  EXPECT_EQ(musicvol, 195);
  testmousemove(0, musicy);
  runframes(1);
  EXPECT_EQ(musicvol, 0);
  testmousemove(screenw - 1, musicy);
  runframes(1);
  EXPECT_EQ(musicvol, 280);
  testmouserelease(1);
  runframes(1);
  EXPECT_EQ(musicdrag, 0);
  testmousemove(midx, musicy);
  runframes(2);
  EXPECT_EQ(musicvol, 280);  // let go: the knob stays
  // The sound knob the same way, from wherever it stands.
  soundvol = 70;
  testmousemove(midx - 140 + 70, soundy);
  testmousepress(1);
  runframes(1);
  testmousemove(midx - 400, soundy);
  runframes(1);
  EXPECT_EQ(soundvol, 0);
  testmouserelease(1);
  runframes(1);
  EXPECT_EQ(sounddrag, 0);
}

TEST_F(Options, WhileOneKnobIsDraggedTheOtherRowAndTheBoxesAreInert) {
  musicvol = 140;
  soundvol = 100;
  testmousemove(midx, musicy);
  testmousepress(1);
  runframes(1);
  ASSERT_EQ(musicdrag, 1);
  // Over the sound row's right arrow and then its knob, the button still down.
  testmousemove(midx + 190, soundy);
  runframes(4);
  testmousemove(midx - 140 + 100, soundy);
  runframes(2);
  EXPECT_EQ(soundvol, 100);
  EXPECT_EQ(sounddrag, 0);
  testmousemove(midx + 100, soundy);  // on along the sound row: only the music follows
  runframes(2);
  EXPECT_EQ(soundvol, 100);
  EXPECT_EQ(musicvol, 240);
  // Across a check box: the drag goes on and the box does not react.
  int cursorbefore = cursormode;
  testmousemove(box(6).first, box(6).second);
  testmousepress(1);  // a second press while dragging
  runframes(1);
  EXPECT_EQ(cursormode, cursorbefore);
  testmouserelease(1);
  runframes(1);
  EXPECT_EQ(musicdrag, 0);
}

TEST_F(Options, PointerAndEffectBoxesSetTheirValuesAndLeavingSavesThem) {
  EXPECT_EQ(optionboxticked(4), 1);
  clickbox(5);
  EXPECT_EQ(cursormode, 2);
  EXPECT_EQ(optionboxticked(5), 1);
  EXPECT_EQ(optionboxticked(4), 0);
  clickbox(6);
  EXPECT_EQ(cursormode, 3);
  clickbox(7);
  EXPECT_EQ(bouncefx, -1);
  clickbox(8);
  EXPECT_EQ(cardhints, -1);
  clickbox(8);
  EXPECT_EQ(cardhints, 1);
  // Nothing is written until the popup is left.
  EXPECT_EQ(settingsline(7), "1");
  musicvol = 90;
  clickat(midx + 100, midy + 225);  // close, right of the about button on the menu
  EXPECT_EQ(popupdir, 2);
  EXPECT_EQ(settingsline(3), "90");
  EXPECT_EQ(settingsline(7), "3");
  EXPECT_EQ(settingsline(9), "-1");
  EXPECT_EQ(settingsline(10), "1");
  runframes(20);
  EXPECT_EQ(popuplevel, 0);
}

TEST_F(Options, AnEditedSwitchValueTurnsOnAtTheFirstClick) {
  bouncefx = 0;  // neither on nor off, from a hand-edited file
  EXPECT_EQ(optionboxticked(7), 0);
  clickbox(7);
  EXPECT_EQ(bouncefx, 1);
  clickbox(7);
  EXPECT_EQ(bouncefx, -1);
}

TEST_F(Options, EscapeSavesLikeTheCloseButton) {
  soundvol = 150;
  clickbox(6);
  presskey(KEY_ESCAPE);
  EXPECT_EQ(popupdir, 2);
  EXPECT_EQ(settingsline(4), "150");
  EXPECT_EQ(settingsline(7), "3");
}

TEST_F(Options, TheAboutButtonSwitchesToTheInformationTextAndSaves) {
  musicvol = 40;
  clickat(midx - 100, midy + 225);
  EXPECT_EQ(popupid, POPUP_INFO);
  EXPECT_EQ(popuplevel, popupfull);  // no closing and reopening
  EXPECT_EQ(popupdir, 1);
  EXPECT_EQ(settingsline(3), "40");
}

TEST_F(Options, WithoutAWideModeTheStandardBoxTakesTheFirstPlace) {
  // The headless desktop is 4:3: only boxes 2 to 8, box 2 at the left.
  EXPECT_EQ(bestmode, 3);
  EXPECT_EQ(optionboxshown(1), 0);
  EXPECT_EQ(box(2), std::make_pair(midx - 180, midy + 30));
  EXPECT_EQ(optionboxticked(2), 1);
  // The window, then the standard full screen again from the left-most box.
  clickbox(3);
  EXPECT_EQ(fullscreen, 0);
  clickvirtual(10, 10);  // the paused sign goes
  clickvirtual(midx - 180, midy + 30);
  EXPECT_EQ(fullscreen, 1);
  EXPECT_EQ(displaymode, 3);
  clickvirtual(10, 10);
  clickvirtual(midx - 40, midy + 30);  // no box there now
  EXPECT_EQ(fullscreen, 1);
  EXPECT_EQ(pausesign, -1);
  // A wide desktop shows the wide box, and it chooses the best mode.
  testdisplay(1920, 1080, {{1366, 768}, {1024, 768}});
  checkvideo();
  EXPECT_EQ(optionboxshown(1), 1);
  EXPECT_EQ(box(2), std::make_pair(midx - 40, midy + 30));
  clickbox(1);
  EXPECT_EQ(displaymode, 1);
  EXPECT_EQ(screenw, 1366);
  EXPECT_EQ(optionboxticked(1), 1);
  EXPECT_EQ(optionboxticked(2), 0);
  EXPECT_EQ(settingsline(2), "1");
}

TEST_F(Options, ChoosingTheWindowShowsThePausedSignUntilTheNextClick) {
  ASSERT_EQ(fullscreen, 1);
  clickbox(3);
  EXPECT_EQ(fullscreen, 0);
  EXPECT_EQ(windoww, 800);
  EXPECT_EQ(screenw, 1024);
  EXPECT_EQ(settingsline(1), "0");
  // The click that switched is used up: the sign stays, and buttons do not react to the
  // click that takes it away.
  runframes(5);
  EXPECT_EQ(pausesign, 1);
  EXPECT_EQ(optionboxticked(3), 1);
  clickvirtual(midx + 100, midy + 225);
  EXPECT_EQ(pausesign, -1);
  EXPECT_EQ(popupdir, 1);
  clickvirtual(midx + 100, midy + 225);
  EXPECT_EQ(popupdir, 2);
  // Clicking the window box again while in the window changes nothing.
  resetpopups();
  openpopup(POPUP_OPTIONS);
  runframes(16);
  clickbox(3);
  EXPECT_EQ(pausesign, -1);
}

TEST_F(Options, AwayFromTheMenuThereIsNoAboutButtonAndCloseSitsInTheMiddle) {
  // Over another screen the popup is drawn by that screen; here the frames do it by hand, over
  // a screen that draws nothing of its own.
  screen = SCREEN_NONE;
  auto frame = [] {
    Cls();
    readinput();
    doall();
    buttonlayer = 2;
    drawpopups();
    Flip(1);
    testadvanceclock(20);
  };
  auto clickby = [&](int x, int y) {
    testmousemove(x, y);
    testmousepress(1);
    frame();
    testmouserelease(1);
    frame();
  };
  clickby(midx - 100, midy + 225);
  EXPECT_EQ(popupid, POPUP_OPTIONS);
  EXPECT_EQ(popupdir, 1);
  clickby(midx, midy + 225);
  EXPECT_EQ(popupdir, 2);
}

}  // namespace
