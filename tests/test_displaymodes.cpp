// DisplayModes: the mode table and what each desktop allows, the best mode, the window sizes,
// switching at run time, and where clicks land at every size.
//
// Ideas for tests:
// - a desktop whose modes exist only at 16 bits
// - a mode switch in the middle of a fade-out
#include "tests/menukit.h"
#include "shell/display.h"
#include "shell/dispatch.h"
#include "shell/gfx.h"
#include <gtest/gtest.h>

namespace {

class DisplayModes : public ::testing::Test {
 protected:
  void SetUp() override { headlessstart(); }
};

const std::vector<std::pair<int, int>> allmodes = {{1366, 768}, {1280, 768}, {1024, 768}, {1024, 600}, {800, 600}, {640, 480}};

void desktop(int w, int h, const std::vector<std::pair<int, int>>& modes = allmodes) {
  testdisplay(w, h, modes);
  checkvideo();
}

// Where a click at window pixel (x, y) arrives, after a whole frame.
std::pair<int, int> clickedat(int x, int y) {
  inputon = 1;
  testmousemove(x, y);
  runframes(1);
  return {mousex, mousey};
}

TEST_F(DisplayModes, AWideDesktopGetsTheWideModeAndTheDefaultsOpenIt) {
  desktop(1920, 1080);
  EXPECT_EQ(modeok[1], 1);
  EXPECT_EQ(bestmode, 1);
  EXPECT_EQ(modew[4], 1024);
  EXPECT_EQ(modeh[4], 600);
  EXPECT_EQ(loglastkind, "Best Mode");
  EXPECT_EQ(loglasttext, "1 = 1366x768");
  defaultsettings();
  instgraphic();
  EXPECT_EQ(screenw, 1366);
  EXPECT_EQ(windoww, 1366);
  EXPECT_EQ(WindowWidth(), 1366);
  // Without the wide mode on the same desktop the next one down is best.
  desktop(1920, 1080, {{1280, 768}, {1024, 768}});
  EXPECT_EQ(modeok[1], 0);
  EXPECT_EQ(bestmode, 2);
}

TEST_F(DisplayModes, EachDesktopShapeRulesOutItsModes) {
  desktop(1280, 1024);  // 4:3 and taller: no wide modes
  EXPECT_EQ(modeok[1] + modeok[2], 0);
  EXPECT_EQ(bestmode, 3);
  desktop(1280, 960);  // exactly 750: still 4:3
  EXPECT_EQ(bestmode, 3);
  desktop(1366, 1024);  // 749: wide
  EXPECT_EQ(bestmode, 1);
  desktop(1280, 768);
  EXPECT_EQ(modeok[1], 0);
  EXPECT_EQ(modeok[2], 1);
  EXPECT_EQ(bestmode, 2);
  desktop(1024, 600);
  EXPECT_EQ(modeok[1] + modeok[2] + modeok[3], 0);
  EXPECT_EQ(bestmode, 4);
  desktop(0, 0);  // a desktop that tells nothing counts as wide
  EXPECT_EQ(bestmode, 1);
}

TEST_F(DisplayModes, TheSmallWideScreenStretchesTheWideLayoutAndClicksFollow) {
  desktop(1024, 600);
  fullscreen = 1;
  displaymode = 1;
  instgraphic();
  EXPECT_EQ(displaymode, 4);  // raised to the best mode
  EXPECT_EQ(windoww, 1024);
  EXPECT_EQ(windowh, 600);
  EXPECT_EQ(screenw, 1366);
  EXPECT_EQ(screenh, 768);
  EXPECT_EQ(clickedat(1000, 500), std::make_pair(1333, 640));
  EXPECT_EQ(clickedat(0, 0), std::make_pair(0, 0));
  EXPECT_EQ(clickedat(1023, 599), std::make_pair(1364, 766));
}

TEST_F(DisplayModes, WithNoUsableModeTheLastResortHasNoVirtualScreen) {
  desktop(1024, 768, {{640, 480}, {1152, 864}});
  EXPECT_EQ(bestmode, 6);
  fullscreen = 1;
  displaymode = 2;
  instgraphic();
  EXPECT_EQ(displaymode, 6);
  EXPECT_EQ(screenw, 640);
  EXPECT_EQ(screenh, 480);
  runframes(1);
  EXPECT_EQ(midx, 320);
  EXPECT_EQ(xshift, 0);
  EXPECT_EQ(xshiftwide, 0);
  EXPECT_EQ(clickedat(320, 240), std::make_pair(320, 240));
}

TEST_F(DisplayModes, AnEditedModeIsRaisedToTheBestAndOneOutsideTheTableBecomesIt) {
  desktop(1280, 1024);
  const int asked[] = {1, 2, 99, 0, -4, 3, 5, 6};
  const int opened[] = {3, 3, 3, 3, 3, 3, 5, 6};
  for (int i = 0; i < 8; i++) {
    fullscreen = 1;
    displaymode = asked[i];
    instgraphic();
    EXPECT_EQ(displaymode, opened[i]) << "asked " << asked[i];
  }
  // Mode 5: an 800 x 600 screen showing the standard layout.
  EXPECT_EQ(screenw, 640);  // the last one opened was mode 6
  displaymode = 5;
  instgraphic();
  EXPECT_EQ(windoww, 800);
  EXPECT_EQ(screenw, 1024);
  EXPECT_EQ(clickedat(400, 300), std::make_pair(512, 384));
}

TEST_F(DisplayModes, TheWindowIs800x600UnlessTheDesktopIsTooLowForIt) {
  desktop(1280, 1024);
  fullscreen = 0;
  instgraphic();
  EXPECT_EQ(windoww, 800);
  EXPECT_EQ(windowh, 600);
  EXPECT_EQ(screenw, 1024);
  EXPECT_EQ(windowfits(), 0);
  // With its frame an 800 x 600 window is taller than a 600-pixel desktop.
  desktop(1024, 600);
  instgraphic();
  EXPECT_EQ(windoww, 600);
  EXPECT_EQ(windowh, 450);
  EXPECT_EQ(screenw, 1024);
  EXPECT_EQ(screenh, 768);
  EXPECT_EQ(clickedat(300, 225), std::make_pair(512, 384));
  EXPECT_EQ(clickedat(599, 449), std::make_pair(1022, 766));
  // 631 pixels hold a 600-pixel window and its 30-pixel title bar.
  desktop(1024, 631);
  instgraphic();
  EXPECT_EQ(windowh, 600);
  desktop(1024, 629);
  instgraphic();
  EXPECT_EQ(windowh, 450);
}

TEST_F(DisplayModes, SwitchingAtRunTimeShowsThePausedSignAndSaves) {
  desktop(1920, 1080);
  fullscreen = 1;
  displaymode = 1;
  instgraphic();
  togglescreensize(0, 0);
  EXPECT_EQ(fullscreen, 0);
  EXPECT_EQ(displaymode, 1);  // the full-screen mode is remembered for later
  EXPECT_EQ(windoww, 800);
  EXPECT_EQ(screenw, 1024);
  EXPECT_EQ(pausesign, 1);
  EXPECT_EQ(settingsline(1), "0");
  // The sign is drawn over the menu until the next click; then it is gone.
  instmenu();
  pausesign = 1;
  runframes(3);
  EXPECT_EQ(pausesign, 1);
  clickat(10, 10);
  EXPECT_EQ(pausesign, -1);
  // Standard full screen, then the wide one again.
  togglescreensize(3, 1);
  EXPECT_EQ(fullscreen, 1);
  EXPECT_EQ(displaymode, 3);
  EXPECT_EQ(screenw, 1024);
  EXPECT_EQ(settingsline(2), "3");
  togglescreensize(bestmode, 1);
  EXPECT_EQ(displaymode, 1);
  EXPECT_EQ(screenw, 1366);
  EXPECT_EQ(settingsline(1), "1");
  EXPECT_EQ(settingsline(2), "1");
  // A mode below the best one is raised to it.
  desktop(1280, 1024);
  togglescreensize(1, 1);  // already in mode 1: nothing is reopened
  EXPECT_EQ(screenw, 1366);
  togglescreensize(2, 1);
  EXPECT_EQ(displaymode, 3);
  EXPECT_EQ(screenw, 1024);
  runframes(1);
  EXPECT_EQ(midx, 512);
}

TEST_F(DisplayModes, AWindowManagerThatGivesAnotherSizeDoesNotMoveTheClicks) {
  opengraphics(800, 600, 0, 1024, 768);
  // Wider than asked: the picture keeps its shape between bars left and right.
  testwindowsize(1000, 600);
  EXPECT_EQ(clickedat(500, 300), std::make_pair(512, 384));
  EXPECT_EQ(clickedat(100, 0), std::make_pair(0, 0));
  EXPECT_EQ(clickedat(899, 599), std::make_pair(1022, 766));
  // Twice the size: still the same point of the game.
  testwindowsize(1600, 1200);
  EXPECT_EQ(clickedat(800, 600), std::make_pair(512, 384));
  int x1, y1, x2, y2;
  ScreenRect(x1, y1, x2, y2);
  EXPECT_EQ(std::vector<int>({x1, y1, x2, y2}), (std::vector<int>{0, 0, 1600, 1200}));
  // Smaller and taller: bars above and below.
  testwindowsize(400, 500);
  EXPECT_EQ(clickedat(200, 250), std::make_pair(512, 384));
  int wx, wy;
  virtualtowindow(512, 384, wx, wy);  // placing the pointer goes the other way
  EXPECT_EQ(std::make_pair(wx, wy), std::make_pair(200, 250));
  virtualtowindow(0, 0, wx, wy);
  EXPECT_EQ(std::make_pair(wx, wy), std::make_pair(0, 100));
  // The size asked for: the whole window, one to one with the table's factors.
  testwindowsize(0, 0);
  EXPECT_EQ(clickedat(400, 300), std::make_pair(512, 384));
}

}  // namespace
