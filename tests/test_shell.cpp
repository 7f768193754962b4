// Shell: start-up, the frame dispatcher (input sampling, fade, overlay) and settings.
//
// Ideas for tests:
// - the cursor fading in at the bottom centre during the first 20 menu frames
// - a display mode change showing the paused sign
// - the 600 x 450 window when the desktop is only 600 pixels high
#include "tests/harness.h"
#include "shell/dispatch.h"
#include "shell/display.h"
#include "shell/gfx.h"
#include "shell/settings.h"
#include "shell/startup.h"
#include "shell/state.h"
#include <gtest/gtest.h>

namespace {

class Shell : public ::testing::Test {
 protected:
  // The dispatcher is tested with no screen current, so no splash page takes the keys.
  void SetUp() override {
    headlessstart();
    startscreen = screen;
    screen = SCREEN_NONE;
  }
  int startscreen = SCREEN_NONE;
};

TEST_F(Shell, FirstStartWritesDefaultSettingsAndReadsThemBack) {
  EXPECT_EQ(firstrun, 1);
  EXPECT_EQ(FileType(userpath), 2);
  EXPECT_NE(userpath.find("tamberlinex/Morgavelle-v-0-1-0/"), std::string::npos);
  EXPECT_EQ(readbytes(userpath + "settings.txt"), "1\r\n1\r\n280\r\n280\r\n-1\r\n0\r\n1\r\n1\r\n1\r\n1\r\n");
  EXPECT_EQ(musicvol, 280);
  EXPECT_EQ(musicfade, 280);
  EXPECT_EQ(player, -1);
  EXPECT_EQ(startscreen, SCREEN_SPLASH);
  // A second start finds the folder and keeps what was saved.
  musicvol = 120;
  savesettings(0);
  resetshellstate();
  makepath();
  loadall();
  EXPECT_EQ(firstrun, 0);
  EXPECT_EQ(musicvol, 120);
  EXPECT_EQ(musicfade, 120);
}

TEST_F(Shell, ShortOrDamagedSettingsGiveZeroForWhatIsMissing) {
  writebytes(userpath + "settings.txt", "0\r\n3\r\n150\r\n");
  loadsettings();
  EXPECT_EQ(fullscreen, 0);
  EXPECT_EQ(displaymode, 3);
  EXPECT_EQ(musicvol, 150);
  EXPECT_EQ(soundvol, 0);
  EXPECT_EQ(cursormode, 0);
  EXPECT_EQ(cardhints, 0);
  // Garbage reads as 0; a player slot past the tables means no player.
  writebytes(userpath + "settings.txt", std::string("x\n\0-5\n7\n99\n", 12));
  loadsettings();
  EXPECT_EQ(fullscreen, 0);
  EXPECT_EQ(displaymode, 0);  // a NUL ends a line too
  EXPECT_EQ(musicvol, -5);
  EXPECT_EQ(soundvol, 7);
  EXPECT_EQ(player, -1);
  // A missing file means the defaults.
  DeleteFile(userpath + "settings.txt");
  loadsettings();
  EXPECT_EQ(musicvol, 280);
  EXPECT_EQ(cursormode, 1);
}

TEST_F(Shell, ClicksInASmallWindowArriveInVirtualPixels) {
  inputon = 1;
  opengraphics(800, 600, 0, 1024, 768);
  testmousemove(400, 300);
  testmousepress(1);
  testmouserelease(1);
  testmousepress(1);
  runframes(1);
  EXPECT_EQ(mousex, 512);
  EXPECT_EQ(mousey, 384);
  EXPECT_EQ(mousehit1, 2);
  EXPECT_EQ(mousedown1, 1);
  EXPECT_EQ(mouseheld1, 1);
  runframes(2);
  EXPECT_EQ(mousehit1, 0);
  EXPECT_EQ(mouseheld1, 3);
  // The wide layout on a 1024 x 600 screen stretches x and y differently.
  opengraphics(1024, 600, 32, 1366, 768);
  testmousemove(1000, 500);
  runframes(1);
  EXPECT_EQ(mousex, 1333);
  EXPECT_EQ(mousey, 640);
}

TEST_F(Shell, MouseIsNotSampledWhileInputIsOff) {
  inputon = 0;
  testmousemove(300, 200);
  testmousepress(1);
  runframes(1);
  EXPECT_EQ(mousehit1, 0);
  EXPECT_EQ(mousex, 0);
  testkeypress(KEY_F3);
  runframes(1);
  EXPECT_EQ(keyf3, 1);  // keys still are
}

TEST_F(Shell, HeldEscapeGivesAPressEventEveryThirtyFrames) {
  testkeypress(KEY_ESCAPE);
  std::vector<int> events;
  for (int f = 1; f <= 65; f++) {
    runframes(1);
    EXPECT_EQ(keyesc, 1);
    if (keyesc == 1 && esccooldown == 30) events.push_back(f);
  }
  EXPECT_EQ(events, (std::vector<int>{1, 31, 61}));
  testkeyrelease(KEY_ESCAPE);
  runframes(1);
  EXPECT_EQ(keyesc, 0);
}

TEST_F(Shell, FadeOutTakesNineFramesThenTheTargetIsEntered) {
  runframes(10);
  EXPECT_EQ(fadelevel, 256);
  fadeto(SCREEN_QUIT, 0, 0);
  for (int f = 1; f <= 8; f++) {
    runframes(1);
    EXPECT_EQ(fadelevel, 256 - 32 * f);
    EXPECT_EQ(quit, 0) << "frame " << f;
  }
  runframes(1);
  EXPECT_EQ(fadelevel, -32);
  EXPECT_EQ(quit, 1);
}

TEST_F(Shell, FadeInBrightensByThirtyTwoAFrame) {
  fillframes = true;  // the test looks at the picture
  fadereset();
  std::vector<int> levels;
  for (int f = 0; f < 10; f++) {
    runframes(1);
    levels.push_back(fadelevel);
  }
  EXPECT_EQ(levels, (std::vector<int>{32, 64, 96, 128, 160, 192, 224, 256, 256, 256}));
  // Drawing follows the grey level: a white picture drawn at level 128 comes out grey.
  fadereset();
  runframes(4);
  std::vector<uint8_t> px(4 * 4 * 4, 255);
  Image white = CreateImageFromPixels(px.data(), 4, 4, 0);
  Cls();
  resetdrawstate();
  DrawImage(white, 100, 100, 0);
  EXPECT_EQ(pixel(101, 101), 0x808080u);
}

TEST_F(Shell, FadeToCutsAFadeInShortAndEatsTheClick) {
  fadereset();
  runframes(2);
  mousehit1 = 1;
  testkeypress(KEY_ENTER);
  fadeto(SCREEN_QUIT, 0, 0);
  EXPECT_EQ(fadelevel, 256);
  EXPECT_EQ(fadestate, 2);
  EXPECT_EQ(mousehit1, 0);
  EXPECT_EQ(KeyDown(KEY_ENTER), 0);
}

TEST_F(Shell, LosingFocusSavesSettingsAndShowsThePausedSignUntilAClick) {
  inputon = 1;
  musicvol = 90;
  testsuspend(true);
  runframes(1);
  EXPECT_EQ(suspended, 2);
  EXPECT_EQ(pausesign, 1);
  std::string saved = readbytes(userpath + "settings.txt");
  EXPECT_EQ(saved.substr(saved.find('\n', 3) + 1, 4), "90\r\n");
  // A second loss while the sign is up is not handled again.
  testsuspend(true);
  runframes(1);
  EXPECT_EQ(suspended, 1);
  testsuspend(false);
  runframes(1);
  EXPECT_EQ(suspended, 0);
  EXPECT_EQ(pausesign, 1);
  testmousepress(1);
  runframes(1);
  EXPECT_EQ(pausesign, -1);
  EXPECT_EQ(mousehit1, 1);  // the click is not consumed
}

TEST_F(Shell, ClosingTheWindowEndsTheGameThroughTheFade) {
  testclose();
  runframes(1);
  EXPECT_EQ(fadestate, 2);
  runframes(8);
  EXPECT_EQ(quit, 1);
}

TEST_F(Shell, LayoutValuesFollowTheScreenWidth) {
  const int widths[3] = {1024, 1280, 1366}, shifts[3] = {0, 128, 171}, wides[3] = {-171, -43, 0};
  for (int i = 0; i < 3; i++) {
    screenw = widths[i];
    runframes(1);
    EXPECT_EQ(midx, widths[i] / 2);
    EXPECT_EQ(xshift, shifts[i]);
    EXPECT_EQ(xshiftwide, wides[i]);
    EXPECT_EQ(stage, 1);  // no player
  }
}

TEST_F(Shell, FramesEndWithTheDrawingStateBackAtItsDefaults) {
  runframes(3);
  EXPECT_EQ(checkdrawstate(), "");
  SetScale(2, 2);
  EXPECT_EQ(checkdrawstate(), " scale");
  resetdrawstate();
}

TEST_F(Shell, FullScreenModesFollowTheDesktop) {
  // The headless display is a 1024 x 768 desktop that offers only its own size.
  checkvideo();
  EXPECT_GE(bestmode, 1);
  EXPECT_LE(bestmode, 6);
  displaymode = 99;
  instgraphic();
  EXPECT_EQ(displaymode, bestmode);
  EXPECT_EQ(screenw, 1024);
}

}  // namespace
