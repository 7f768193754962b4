// Window: any window size. Dragged, maximised or full screen on a desktop of another shape,
// the picture keeps its proportions between black bars and a click lands on what is drawn
// under it; the size the player leaves the window at comes back at the next start; a HiDPI
// screen draws at its real pixels while the mouse still counts window units.
//
// Ideas for tests:
// - a maximised window restored by the window manager gets its remembered size back
// - a window dragged onto a second monitor of another pixel density
// - full screen on the desktop while a fade runs: the fade covers the bars too
#include "tests/menukit.h"
#include "shell/dispatch.h"
#include "shell/gfx.h"
#include "shell/startup.h"
#include <gtest/gtest.h>
#include <cmath>

namespace {

const std::vector<std::pair<int, int>> allmodes = {{1366, 768}, {1280, 768}, {1024, 768}, {1024, 600}, {800, 600}, {640, 480}};

class Window : public ::testing::Test {
 protected:
  void SetUp() override {
    headlessstart();
    fillframes = true;  // every test here looks at the picture
    desktop(1920, 1080);
  }
  static void desktop(int w, int h, const std::vector<std::pair<int, int>>& modes = allmodes) {
    testdisplay(w, h, modes);
    checkvideo();
  }
};

// Where a picture of vw x vh goes in an area of w x h, worked out here on its own: as large as
// fits without changing its shape, centred.
struct placement {
  double k;
  int x, y, w, h;
};
placement fitted(int w, int h, int vw = 1024, int vh = 768) {
  double k = std::min(double(w) / vw, double(h) / vh);
  int pw = int(std::lround(vw * k)), ph = int(std::lround(vh * k));
  return {k, (w - pw) / 2, (h - ph) / 2, pw, ph};
}

// The window point where the virtual pixel (vx, vy) is drawn: the centre of its patch.
std::pair<int, int> drawnat(const placement& p, int vx, int vy) {
  return {p.x + int((vx + 0.5) * p.k), p.y + int((vy + 0.5) * p.k)};
}

struct picture {
  std::vector<uint8_t> px;
  int w = 0, h = 0;
  uint32_t at(int x, int y) const {
    if (x < 0 || y < 0 || x >= w || y >= h) return 0xdeadbeef;
    const uint8_t* p = &px[(size_t(y) * w + x) * 4];
    return (uint32_t(p[0]) << 16) | (uint32_t(p[1]) << 8) | p[2];
  }
};
picture windowpicture() {
  picture p;
  p.px = ReadWindowPixels(p.w, p.h);
  return p;
}
picture framepicture() {
  picture p;
  p.px = ReadPixels(p.w, p.h);
  return p;
}

// The picture's extent along the middle row and column of where it should be: the first and
// last pixels that are not the bars' black.
void measured(const picture& win, const placement& p, int& x1, int& x2, int& y1, int& y2) {
  int row = p.y + p.h / 2, col = p.x + p.w / 2;
  x1 = 0;
  while (x1 < win.w && win.at(x1, row) == 0) x1++;
  x2 = win.w - 1;
  while (x2 >= 0 && win.at(x2, row) == 0) x2--;
  y1 = 0;
  while (y1 < win.h && win.at(col, y1) == 0) y1++;
  y2 = win.h - 1;
  while (y2 >= 0 && win.at(col, y2) == 0) y2--;
}

// The window shows the frame undistorted: the bars where the shapes differ and nowhere else,
// and the frame's pixels where the placement puts them (a scaled pixel may come from a
// neighbour).
void expectundistorted(const placement& p, const std::string& what) {
  picture win = windowpicture(), frame = framepicture();
  ASSERT_FALSE(win.px.empty());
  // The menu's landscape has no pure black at its edges, so the first coloured pixel is the
  // picture's edge.
  ASSERT_NE(frame.at(0, frame.h / 2), 0u);
  ASSERT_NE(frame.at(frame.w / 2, 0), 0u);
  int x1, x2, y1, y2;
  measured(win, p, x1, x2, y1, y2);
  EXPECT_NEAR(x1, p.x, 1) << what;
  EXPECT_NEAR(x2, p.x + p.w - 1, 1) << what;
  EXPECT_NEAR(y1, p.y, 1) << what;
  EXPECT_NEAR(y2, p.y + p.h - 1, 1) << what;
  double shape = double(x2 - x1 + 1) / (y2 - y1 + 1);
  EXPECT_NEAR(shape, double(frame.w) / frame.h, 0.01) << what;
  const int probes[][2] = {{3, 3}, {frame.w - 4, 3}, {frame.w / 2, frame.h / 2}, {3, frame.h - 4}, {frame.w - 4, frame.h - 4}, {200, 600}};
  for (const auto& v : probes) {
    auto [wx, wy] = drawnat(p, v[0], v[1]);
    bool found = false;
    for (int dy = -1; dy <= 1 && !found; dy++)
      for (int dx = -1; dx <= 1 && !found; dx++) found = win.at(wx, wy) == frame.at(v[0] + dx, v[1] + dy);
    EXPECT_TRUE(found) << what << ": virtual " << v[0] << "," << v[1] << " drawn at " << wx << "," << wy;
  }
}

// The menu's two bottom buttons, clicked where the window draws them (at the real pixel the
// renderer draws them, divided by the pixel density: the mouse counts window units).
void clickbottombuttons(const placement& p, double density, const std::string& what) {
  int side = menusideoffset(), rest = bottomy;
  const int targets[2][3] = {{side, bottomy, POPUP_OPTIONS}, {screenw - side, bottomy, POPUP_QUIT}};
  for (const auto& t : targets) {
    auto [px, py] = drawnat(p, t[0], t[1]);
    int wx = int(px / density), wy = int(py / density);
    clickat(wx, wy);
    EXPECT_EQ(popupid, t[2]) << what << ": clicked at " << wx << "," << wy;
    EXPECT_NEAR(mousex, t[0], 2) << what;
    EXPECT_NEAR(mousey, t[1], 2) << what;
    resetpopups();
    bottomy = rest;  // the bottom buttons back in their places without waiting for them
    runframes(1);
  }
}

TEST_F(Window, EveryShapeOfWindowKeepsThePictureAndClicksLandOnTheDrawnButtons) {
  fullscreen = 0;
  instgraphic();
  ASSERT_EQ(WindowWidth(), 800);
  menusettled();
  const int sizes[][2] = {{800, 600}, {1280, 600}, {600, 900}, {1001, 333}, {1919, 1050}, {320, 240}, {2600, 1500}};
  for (const auto& s : sizes) {
    std::string what = std::to_string(s[0]) + "x" + std::to_string(s[1]);
    testwindowsize(s[0], s[1]);
    runframes(2);
    EXPECT_EQ(windoww, s[0]);
    EXPECT_EQ(windowh, s[1]);
    placement p = fitted(s[0], s[1]);
    expectundistorted(p, what);
    clickbottombuttons(p, 1, what);
  }
  // Maximised: the desktop less the title bar, a wider shape than the game's.
  MaximizeWindow();
  runframes(2);
  EXPECT_EQ(WindowMaximized(), 1);
  placement p = fitted(1920, 1050);
  EXPECT_GT(p.x, 0);
  expectundistorted(p, "maximised");
  clickbottombuttons(p, 1, "maximised");
}

TEST_F(Window, OverTheBarsTheSystemPointerStandsInForTheGamesOwn) {
  fullscreen = 0;
  instgraphic();
  instmenu();
  runframes(25);
  testwindowsize(1200, 600);  // bars 200 wide left and right
  ASSERT_EQ(cursormode, 1);
  pointat(400, 300);
  EXPECT_EQ(PointerShown(), 0);
  const int bars[][2] = {{199, 300}, {0, 0}, {1000, 599}, {1199, 300}};
  for (const auto& b : bars) {
    pointat(b[0], b[1]);
    EXPECT_EQ(PointerShown(), 1) << b[0] << "," << b[1];
    pointat(200, b[1]);  // the picture's first column
    EXPECT_EQ(PointerShown(), 0) << b[0] << "," << b[1];
  }
  // Bars above and below in a tall window.
  testwindowsize(600, 900);
  pointat(300, 10);
  EXPECT_EQ(PointerShown(), 1);
  pointat(300, 460);
  EXPECT_EQ(PointerShown(), 0);
  // With the system pointer chosen it stays once seen.
  cursormode = 2;
  pointat(300, 890);
  pointat(300, 460);
  EXPECT_EQ(PointerShown(), 1);
  // A shown pointer is left shown.
  cursormode = 1;
  ShowMouse();
  pointat(300, 10);
  pointat(300, 460);
  EXPECT_EQ(PointerShown(), 1);
}

TEST_F(Window, ASwitchedModeFillsTheScreenAndTheWindowSizeAskedForFillsTheWindow) {
  // 1024 x 600 shows the wide layout stretched over the whole screen, as the mode table asks:
  // no bars.
  desktop(1024, 600);
  instgraphic();
  ASSERT_EQ(displaymode, 4);
  EXPECT_FALSE(FullscreenDesktop());
  menusettled();
  picture win = windowpicture();
  ASSERT_EQ(win.w, 1024);
  EXPECT_NE(win.at(0, 300), 0u);
  EXPECT_NE(win.at(512, 0), 0u);
  EXPECT_NE(win.at(512, 599), 0u);
  // The small window on the same desktop: 600 x 450 shows 1024 x 768 whole.
  togglescreensize(0, 0);
  menusettled();
  EXPECT_EQ(WindowWidth(), 600);
  expectundistorted(fitted(600, 450), "600x450");
}

TEST_F(Window, TheSizeIsRememberedAcrossARestartOnceTheDragIsOver) {
  fullscreen = 0;
  savesettings(0);
  instgraphic();
  menusettled();
  EXPECT_EQ(readbytes(userpath + "window.txt"), "0\r\n0\r\n0\r\n");  // never resized
  // A drag sends many sizes; only the one it ends with is written, once it has held.
  const int drag[][2] = {{850, 620}, {900, 640}, {960, 700}, {1000, 700}};
  for (const auto& s : drag) {
    testwindowsize(s[0], s[1]);
    runframes(5);
  }
  EXPECT_EQ(readbytes(userpath + "window.txt"), "0\r\n0\r\n0\r\n");
  runframes(windowsettleframes - 6);
  EXPECT_EQ(readbytes(userpath + "window.txt"), "0\r\n0\r\n0\r\n");
  runframes(1);
  EXPECT_EQ(readbytes(userpath + "window.txt"), "1000\r\n700\r\n0\r\n");
  EXPECT_EQ(settingsline(11), "");  // settings.txt keeps its ten lines
  // The next start opens the window at that size, with the game between bars in it.
  resetshellstate();
  testresetinput();
  ASSERT_TRUE(gamestartup());
  EXPECT_EQ(fullscreen, 0);
  EXPECT_EQ(WindowWidth(), 1000);
  EXPECT_EQ(WindowHeight(), 700);
  EXPECT_EQ(WindowMaximized(), 0);
  menusettled();
  clickbottombuttons(fitted(1000, 700), 1, "restarted");
  // Maximised: remembered with the size it will be restored to.
  MaximizeWindow();
  runframes(windowsettleframes + 1);
  EXPECT_EQ(readbytes(userpath + "window.txt"), "1000\r\n700\r\n1\r\n");
  resetshellstate();
  ASSERT_TRUE(gamestartup());
  EXPECT_EQ(WindowMaximized(), 1);
  EXPECT_EQ(WindowHeight(), 1050);
  EXPECT_EQ(windowsizew, 1000);
  // Closing while a new size still settles keeps it too.
  testwindowsize(700, 500);
  runframes(2);
  keepwindowsize();
  EXPECT_EQ(readbytes(userpath + "window.txt"), "700\r\n500\r\n0\r\n");
  keepwindowsize();  // nothing waiting: nothing written
  // Full screen and back: the window comes back at the size it was left at.
  togglescreensize(bestmode, 1);
  EXPECT_EQ(WindowWidth(), 1366);
  runframes(windowsettleframes + 1);
  EXPECT_EQ(readbytes(userpath + "window.txt"), "700\r\n500\r\n0\r\n");
  togglescreensize(0, 0);
  EXPECT_EQ(WindowWidth(), 700);
  EXPECT_EQ(WindowHeight(), 500);
}

TEST_F(Window, ADamagedOrUnfittingSavedSizeOpensTheUsualWindow) {
  struct saved {
    std::string text;
    int w, h, maxed;
  };
  const saved cases[] = {
      {"1000\r\n700\r\n0\r\n", 1000, 700, 0},   // sound
      {"1000\n700\n1\n", 1000, 700, 1},          // LF only, maximised
      {"", 800, 600, 0},                         // empty
      {"garbage\r\n\xff\xfe\r\n", 800, 600, 0},  // not numbers
      {"1000\r\n", 800, 600, 0},                 // cut short: no height
      {"0\r\n700\r\n0\r\n", 800, 600, 0},
      {"-1000\r\n700\r\n0\r\n", 800, 600, 0},
      {"1000\r\n-700\r\n0\r\n", 800, 600, 0},
      {"99999999999\r\n700\r\n0\r\n", 800, 600, 0},
      {"16385\r\n700\r\n0\r\n", 800, 600, 0},
      {"1921\r\n700\r\n0\r\n", 800, 600, 0},     // wider than this desktop
      {"1000\r\n1081\r\n0\r\n", 800, 600, 0},    // taller
      {"1920\r\n1080\r\n0\r\n", 1920, 1080, 0},  // exactly the desktop
      {"100\r\n50\r\n0\r\n", 320, 240, 0},       // below the smallest window
      {"1000\r\n700\r\n7\r\n", 1000, 700, 0},    // only 1 means maximised
      {"1000\r\n700\r\n-1\r\n", 1000, 700, 0},
  };
  for (const saved& c : cases) {
    writebytes(userpath + "window.txt", c.text);
    loadsettings();
    fullscreen = 0;
    instgraphic();
    runframes(1);
    EXPECT_EQ(WindowMaximized(), c.maxed) << c.text;
    if (c.maxed == 0) {
      EXPECT_EQ(WindowWidth(), c.w) << c.text;
      EXPECT_EQ(WindowHeight(), c.h) << c.text;
    }
    EXPECT_EQ(screenw, 1024);
  }
  // Missing altogether: the usual window; on a low desktop the small one.
  std::remove((userpath + "window.txt").c_str());
  desktop(1024, 600);
  loadsettings();
  fullscreen = 0;
  instgraphic();
  EXPECT_EQ(WindowWidth(), 600);
  EXPECT_EQ(WindowHeight(), 450);
  // A read-only user folder: the size cannot be saved, the game plays on.
  testwindowsize(900, 500);
  userpath = "/proc/no-such-folder/";
  runframes(windowsettleframes + 2);
  EXPECT_EQ(WindowWidth(), 900);
  EXPECT_EQ(windowsizew, 900);
}

TEST_F(Window, OnAHiDPIScreenThePictureHasEveryRealPixelAndTheMouseStillLands) {
  testpixelscale(2);
  fullscreen = 0;
  instgraphic();
  menusettled();
  EXPECT_EQ(WindowWidth(), 800);
  EXPECT_EQ(DrawableWidth(), 1600);
  EXPECT_EQ(DrawableHeight(), 1200);
  picture win = windowpicture();
  EXPECT_EQ(win.w, 1600);
  EXPECT_EQ(win.h, 1200);
  expectundistorted(fitted(1600, 1200), "800x600 at 2");
  clickbottombuttons(fitted(1600, 1200), 2, "800x600 at 2");
  // Another shape and a density between: the bars are measured on the real pixels.
  const float densities[] = {2, 1.5f};
  for (float d : densities) {
    testpixelscale(d);
    testwindowsize(1000, 600);
    runframes(2);
    std::string what = "1000x600 at " + std::to_string(d);
    placement p = fitted(int(1000 * d + 0.5f), int(600 * d + 0.5f));
    expectundistorted(p, what);
    clickbottombuttons(p, d, what);
    // Where the mouse says the pointer is, in window units, is where the game has it.
    int rx, ry, rw, rh;
    ScreenRect(rx, ry, rw, rh);
    EXPECT_EQ(std::vector<int>({rx, ry, rw, rh}), (std::vector<int>{100, 0, 800, 600})) << what;
  }
}

TEST_F(Window, AMonitorWithoutTheModesShowsFullScreenOnTheDesktopInTheChosenLayout) {
  // A wide monitor offering only its own size: the wide layout, scaled onto the whole desktop.
  desktop(1920, 1080, {{1920, 1080}});
  EXPECT_EQ(desktopmodes, 1);
  EXPECT_EQ(bestmode, 1);
  EXPECT_EQ(loglastkind, "Best Mode");
  fullscreen = 1;
  displaymode = 1;
  instgraphic();
  EXPECT_TRUE(FullscreenDesktop());
  EXPECT_EQ(screenw, 1366);
  EXPECT_EQ(screenh, 768);
  EXPECT_EQ(windoww, 1920);
  EXPECT_EQ(windowh, 1080);
  menusettled();
  EXPECT_EQ(midx, 683);
  expectundistorted(fitted(1920, 1080, 1366, 768), "1920x1080 wide");
  clickbottombuttons(fitted(1920, 1080, 1366, 768), 1, "1920x1080 wide");
  // The standard box of the options: the 1024 layout with bars left and right.
  togglescreensize(3, 1);
  EXPECT_EQ(displaymode, 3);
  EXPECT_TRUE(FullscreenDesktop());
  EXPECT_EQ(screenw, 1024);
  menusettled();
  placement p = fitted(1920, 1080);
  EXPECT_EQ(p.x, 240);
  expectundistorted(p, "1920x1080 standard");
  clickbottombuttons(p, 1, "1920x1080 standard");
  // A square-ish monitor: no wide layout even here, and bars above and below.
  desktop(1280, 1024, {{1280, 1024}});
  EXPECT_EQ(bestmode, 3);
  instgraphic();
  menusettled();
  EXPECT_EQ(windowh, 1024);
  p = fitted(1280, 1024);
  EXPECT_EQ(p.y, 32);
  expectundistorted(p, "1280x1024");
  clickbottombuttons(p, 1, "1280x1024");
  // The window again: a window, not the desktop.
  togglescreensize(0, 0);
  EXPECT_FALSE(FullscreenDesktop());
  EXPECT_EQ(WindowWidth(), 800);
  // A monitor offering 640 x 480 can still switch to the last resort.
  desktop(1024, 768, {{640, 480}, {1152, 864}});
  EXPECT_EQ(desktopmodes, 0);
  EXPECT_EQ(bestmode, 6);
}

TEST_F(Window, ADesktopThatWillNotSwitchModesGetsTheModesLayoutOnItsOwnSize) {
  testmodeswitch(false);
  fullscreen = 1;
  displaymode = 1;
  instgraphic();
  EXPECT_EQ(desktopmodes, 0);  // the monitor has the modes; the desktop would not change to one
  EXPECT_TRUE(FullscreenDesktop());
  EXPECT_EQ(screenw, 1366);
  EXPECT_EQ(windoww, 1920);
  menusettled();
  clickbottombuttons(fitted(1920, 1080, 1366, 768), 1, "refused wide");
  // 1024 x 600's wide layout keeps its shape on the desktop rather than being squeezed.
  desktop(1024, 600);
  instgraphic();
  EXPECT_EQ(displaymode, 4);
  EXPECT_EQ(screenw, 1366);
  EXPECT_EQ(windoww, 1024);
  menusettled();
  placement p = fitted(1024, 600, 1366, 768);
  EXPECT_EQ(p.h, 576);
  expectundistorted(p, "refused 1024x600");
  clickbottombuttons(p, 1, "refused 1024x600");
  // When the desktop lets it, the same mode is switched to and fills the screen.
  testmodeswitch(true);
  togglescreensize(4, 1);  // already mode 4: nothing reopens
  EXPECT_TRUE(FullscreenDesktop());
  instgraphic();
  EXPECT_FALSE(FullscreenDesktop());
  int rx, ry, rw, rh;
  ScreenRect(rx, ry, rw, rh);
  EXPECT_EQ(std::vector<int>({rx, ry, rw, rh}), (std::vector<int>{0, 0, 1024, 600}));
}

}  // namespace
