// MainMenu: the way from a fresh start into the menu and through "play", the sliding buttons,
// the bottom buttons at every width, the no-sound notice, music and the entry from each side.
//
// Ideas for tests:
// - the parallax: the scene drifts against the mouse (titlepan follows -1266 - 0.06 x)
// - the players button on the sign opening the player list once a player exists
// - a close request on the splash pages dropped when the menu comes up
// - the sign's greeting for a player whose name fills the sign
#include "tests/menukit.h"
#include "presentation/effects.h"
#include "presentation/sound.h"
#include "progression/startlevel.h"
#include "shell/dispatch.h"
#include "shell/display.h"
#include "shell/gfx.h"
#include "shell/profiles.h"
#include <gtest/gtest.h>

namespace {

class MainMenu : public ::testing::Test {
 protected:
  void SetUp() override { headlessstart(); }
};

// The brightest channel of a pixel: a drawn scene is far from black.
int brightness(uint32_t rgb) { return std::max({int(rgb >> 16) & 255, int(rgb >> 8) & 255, int(rgb) & 255}); }

void makeplayer(int slot, const std::string& name, int level) {
  playername[slot] = name;
  maplevel[slot] = level;
  toplevel[slot] = level;
  player = slot;
}

TEST_F(MainMenu, AFreshStartWalksThroughTheSplashPagesAndTheLoadingBarIntoPlay) {
  fillframes = true;  // the test looks at the picture
  // Nothing existed: the folder and the settings were made before anything was shown.
  EXPECT_EQ(firstrun, 1);
  EXPECT_EQ(settingsline(5), "-1");
  ASSERT_EQ(screen, SCREEN_SPLASH);
  runframes(1);
  EXPECT_LT(brightness(pixel(midx, midy)), 64);  // the first frame is still nearly black
  runframes(30);
  EXPECT_GT(brightness(pixel(midx, midy)), 64);
  // A person taps a key on each page; mouse clicks do nothing here.
  clickat(midx, midy);
  EXPECT_EQ(curpage, 1);
  presskey(KEY_SPACE);
  runframes(12);
  EXPECT_EQ(curpage, 2);
  presskey(KEY_ENTER);
  ASSERT_TRUE(rununtilscreen(SCREEN_LOADING, 20));
  ASSERT_TRUE(rununtilscreen(SCREEN_MENU, 280));
  EXPECT_EQ(prevscreen, SCREEN_LOADING);
  EXPECT_EQ(inputon, 1);
  EXPECT_EQ(musicname, "/music/menu.ogg");
  // The cursor fades in at the bottom centre over the first 20 frames, wherever the mouse is.
  testmousemove(40, 40);
  runframes(5);
  EXPECT_EQ(mousex, midx);
  EXPECT_EQ(mousey, screenh - 100);
  runframes(55);
  // The menu is drawn: the sign, the buttons and the scene behind, not a black screen.
  EXPECT_GT(brightness(pixel(midx, 120)), 64);
  EXPECT_GT(brightness(pixel(midx - 80, 390)), 64);  // the play button's face, beside its caption
  EXPECT_GT(brightness(pixel(menusideoffset(), 710)), 64);
  EXPECT_EQ(popuplevel, 0);
  // Play, with no player yet: the name entry for the first player.
  clickat(midx, 390);
  runframes(20);
  ASSERT_EQ(popupid, POPUP_NAME);
  EXPECT_EQ(player, 1);
  // The name is typed and confirmed with Enter; the sign greets the new player.
  typetext("Ygor");
  typetext("\r");
  runframes(30);
  EXPECT_EQ(popuplevel, 0);
  EXPECT_EQ(playername[1], "Ygor");
  EXPECT_EQ(settingsline(5), "1");
  runframes(40);  // the buttons slide back
  // Play again: a new player goes on into the adventure, the first chapter first.
  clickat(midx, 390);
  EXPECT_EQ(fadetarget, SCREEN_STORY);
  EXPECT_EQ(fadearg, 1);
  runframes(9);
  EXPECT_EQ(screen, SCREEN_STORY);
}

TEST_F(MainMenu, ANewPlayerStartsTheFirstChapterAndAnExistingOneIsAskedToContinue) {
  makeplayer(3, "Edgar", 0);
  menusettled();
  clickat(midx, 390);
  EXPECT_EQ(fadestate, 2);
  EXPECT_EQ(fadetarget, SCREEN_STORY);
  EXPECT_EQ(fadearg, 1);
  // A player who has been on the map before gets the continue popup instead.
  makeplayer(15, "Lenore", 7);
  menusettled();
  clickat(midx, 390);
  EXPECT_EQ(fadestate, 1);
  EXPECT_EQ(popupid, POPUP_CONTINUE);
}

TEST_F(MainMenu, WhileAPopupIsUpTheButtonsSlideAwayAndComeBackAfter) {
  menusettled();
  EXPECT_NEAR(menubuttony[1], 390, 1);
  EXPECT_NEAR(menubuttony[3], 480, 1);
  EXPECT_NEAR(bottomy, 710, 1);
  clickat(menusideoffset(), 710);  // options
  ASSERT_EQ(popupid, POPUP_OPTIONS);
  runframes(60);
  EXPECT_LT(menubuttony[1], -100);
  EXPECT_LT(menubuttony[3], 0);
  EXPECT_GT(bottomy - 38, screenh);  // the 76-pixel buttons lie wholly below the screen
  // The screen's buttons are inert under the popup: where play was, nothing starts.
  int popupnow = popupid;
  menubuttony[1] = 390;
  clickat(midx, 390 - 240);  // above the options panel's controls
  EXPECT_EQ(fadestate, 1);
  EXPECT_EQ(popupid, popupnow);
  presskey(KEY_ESCAPE);
  runframes(20);
  EXPECT_EQ(popuplevel, 0);
  runframes(60);
  EXPECT_NEAR(menubuttony[1], 390, 2);
  EXPECT_NEAR(bottomy, 710, 2);
}

TEST_F(MainMenu, TheBottomButtonsSitByTheScreenWidth) {
  const int widths[3] = {1024, 1280, 1366}, offsets[3] = {144, 135, 136};
  for (int i = 0; i < 3; i++) {
    opengraphics(widths[i], 768, 32, widths[i], 768);
    runframes(1);
    menusettled();
    ASSERT_EQ(menusideoffset(), offsets[i]);
    // The button is 230 wide: its right edge lies just short of the offset + 115.
    clickat(offsets[i] + 115, 710);
    EXPECT_EQ(popuplevel, 0) << widths[i];
    clickat(offsets[i] + 114, 710);
    EXPECT_EQ(popupid, POPUP_OPTIONS) << widths[i];
    resetpopups();
    runframes(60);
    clickat(widths[i] - offsets[i] - 114, 710);
    EXPECT_EQ(popupid, POPUP_QUIT) << widths[i];
    resetpopups();
  }
  EXPECT_EQ(screenw - menusideoffset(), 1366 - 136);
}

TEST_F(MainMenu, TheHallOfFameButtonOpensItsPopup) {
  menusettled();
  clickat(midx + 140, 480);
  EXPECT_EQ(popupid, POPUP_HALLOFFAME);
}

TEST_F(MainMenu, TheNoSoundNoticeComesOnceARun) {
  soundok = 0;
  nosoundshown = 0;
  instmenu();
  runframes(1);
  EXPECT_EQ(popupid, POPUP_NOSOUND);
  resetpopups();
  runframes(5);
  EXPECT_EQ(popuplevel, 0);
  // Back from another screen, it is not shown again.
  screen = SCREEN_GAME;
  instmenu();
  runframes(5);
  EXPECT_EQ(popuplevel, 0);
  // With sound there is no notice at all.
  soundok = 1;
  nosoundshown = 0;
  instmenu();
  runframes(5);
  EXPECT_EQ(popuplevel, 0);
}

TEST_F(MainMenu, EnteringFromAnotherScreenFadesInRestartsTheMusicAndParksTheBars) {
  screen = SCREEN_GAME;
  musicfade = 200;
  barpos = 60;
  instmenu();
  EXPECT_EQ(prevscreen, SCREEN_GAME);
  EXPECT_EQ(fadelevel, 0);
  EXPECT_EQ(musicfade, 0);
  EXPECT_EQ(musicname, "/music/menu.ogg");
  EXPECT_EQ(barposto, -500);
  EXPECT_EQ(barpos, -500);
  EXPECT_EQ(ropey, -300);
  EXPECT_FLOAT_EQ(signy, -120);
  EXPECT_EQ(bottomy, screenh + 100);
  runframes(1);
  EXPECT_EQ(fadelevel, 32);
  EXPECT_EQ(ropey, -246);  // -300 + 54: a tenth of the way, truncated
  // The ropes pull the bars towards the bottom of the screen for the map.
  runframes(80);
  EXPECT_NEAR(barpos, screenh - 120, 10);
  EXPECT_NEAR(ropey, 240, 10);
  EXPECT_NEAR(signy, 120, 1);
  EXPECT_TRUE(welcomesignimg);
  EXPECT_TRUE(ropeimg);
  // Coming back from the map the menu tune simply goes on.
  musicname = "still playing";
  musicfade = 150;
  screen = SCREEN_MAP;
  instmenu();
  EXPECT_EQ(musicname, "still playing");
  EXPECT_EQ(musicfade, 150);
}

TEST_F(MainMenu, TheMenuEndsEveryFrameWithTheDrawingStateAtItsDefaults) {
  makeplayer(1, "Morticia", 4);
  menusettled();
  pointat(midx, 390);  // a hovered button glows
  EXPECT_EQ(checkdrawstate(), "");
  clickat(menusideoffset(), 710);
  runframes(20);
  EXPECT_EQ(checkdrawstate(), "");
}

}  // namespace
