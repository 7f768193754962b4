// The shell's popups: closing the window asks before the game quits, the information text,
// the hall of fame and the no-sound notice; and what is saved when the window loses the focus.
//
// Ideas for tests:
// - the quit confirmation opened over the options popup on the main menu
// - closing the window twice while the quit confirmation fades out
// - a hall of fame name as wide as the name field allows next to nine-digit points
#include "tests/shellkit.h"
#include "presentation/sound.h"
#include "shell/popups.h"
#include "solitaire/state.h"
#include "text/texts.h"
#include <gtest/gtest.h>

namespace {

class Popups : public ::testing::Test {
 protected:
  void SetUp() override { popupscreenstart(); }
};

std::string settingsline(int n) {
  std::string s = readbytes(userpath + "settings.txt");
  size_t at = 0;
  for (int i = 1; i < n; i++) at = s.find('\n', at) + 1;
  return s.substr(at, s.find('\r', at) - at);
}

TEST_F(Popups, ClosingTheWindowAsksAndStayKeepsTheGameRunning) {
  putplayer(2, "Vera", 100, 3);
  player = 2;
  cash[2] = 640;  // changed since the last save
  musicvol = 170;
  testclose();
  popframes(1);
  EXPECT_EQ(popupid, POPUP_QUIT);
  EXPECT_EQ(fadestate, 1);
  // Asking already wrote the profile (a screen above the menu) and the settings.
  loadplayers(0);
  EXPECT_EQ(cash[2], 640);
  EXPECT_EQ(settingsline(3), "170");
  popframes(15);
  popclick(leftbuttonx(), smallbuttonsy());  // Stay
  EXPECT_EQ(popupdir, 2);
  popframes(60);
  EXPECT_EQ(popupid, 0);
  EXPECT_EQ(quit, 0);
  EXPECT_EQ(fadestate, 1);
  EXPECT_EQ(popupframestate, "");
}

TEST_F(Popups, ClosingTheWindowAndConfirmingSavesAndEndsTheGameAfterTheFade) {
  putplayer(2, "Vera", 100, 3);
  player = 2;
  testclose();
  popframes(16);
  cash[2] = 990;  // earned while the question was up
  popclick(rightbuttonx(), smallbuttonsy());  // Quit
  EXPECT_EQ(fadestate, 2);
  EXPECT_EQ(quit, 0);
  loadplayers(0);
  EXPECT_EQ(cash[2], 990);
  popframes(7);
  EXPECT_EQ(quit, 0);
  popframes(1);  // nine frames after the click
  EXPECT_EQ(quit, 1);
}

TEST_F(Popups, EscapeHeldAnswersStayAndAClickAfterwardsDoesNotQuit) {
  testclose();
  popframes(4);
  testkeypress(KEY_ESCAPE);
  popframes(1);
  testkeyrelease(KEY_ESCAPE);
  EXPECT_EQ(popupdir, 2);
  // The fading question takes no second answer.
  popclick(rightbuttonx(), smallbuttonsy());
  popframes(20);
  EXPECT_EQ(quit, 0);
  EXPECT_EQ(fadestate, 1);
  // The Escape that opened a popup does not close it in the same frame.
  keyesc = 1;
  esccooldown = 30;
  openpopup(POPUP_INFO);
  infopopup();
  EXPECT_EQ(popupdir, 1);
}

TEST_F(Popups, TheCloseRequestIsDroppedOnTheSplashAndLoadingScreens) {
  for (int s : {int(SCREEN_SPLASH), int(SCREEN_LOADING)}) {
    screen = s;
    testclose();
    readinput();
    EXPECT_EQ(popuplevel, 0) << "screen " << s;
    EXPECT_EQ(fadestate, 1);
  }
  // Before any screen exists the window still closes.
  screen = SCREEN_NONE;
  testclose();
  runframes(10);
  EXPECT_EQ(quit, 1);
}

TEST_F(Popups, OnTheMenuAskingDoesNotWriteTheProfileButQuittingDoes) {
  putplayer(4, "Milo", 10, 2);
  player = 4;
  screen = SCREEN_MENU;
  cash[4] = 55;
  openpopup(POPUP_QUIT);
  loadplayers(0);
  EXPECT_EQ(cash[4], 10);
  cash[4] = 55;
  screen = popupscreen;
  popframes(16);
  popclick(rightbuttonx(), smallbuttonsy());
  loadplayers(0);
  EXPECT_EQ(cash[4], 55);
}

TEST_F(Popups, ClosingTheWindowWhileNamingGivesTheNewPlayerUp) {
  putplayer(3, "Ruth", 10, 2);
  player = 3;
  openpopup(POPUP_PLAYERS);
  popframes(16);
  popclick(midx - 170, bigbuttony());
  ASSERT_EQ(popupid, POPUP_NAME);
  poptype("Ze");
  testclose();
  popframes(1);
  EXPECT_EQ(popupid, POPUP_QUIT);
  EXPECT_EQ(player, 3);
  EXPECT_EQ(playername[1], "");
  // And with nobody chosen before, nobody is chosen after.
  popclick(leftbuttonx(), smallbuttonsy());
  popframes(20);
  player = -1;
  clearplayer(3);
  saveplayer(3);
  openplayers();
  poptype("Ze");
  testclose();
  popframes(1);
  EXPECT_EQ(player, -1);
  EXPECT_EQ(firstname, 0);
}

TEST_F(Popups, LosingTheFocusSavesThePlayerInTheGameAndOnTheMenuOnly) {
  putplayer(5, "Nico", 10, 2);
  player = 5;
  const int screens[] = {SCREEN_GAME, SCREEN_MENU, SCREEN_LOADING, SCREEN_MAP, SCREEN_STORY, SCREEN_SHOP};
  const int saves[] = {1, 1, 1, 0, 0, 0};
  for (int i = 0; i < 6; i++) {
    screen = screens[i];
    cash[5] = 1000 + i;
    pausesign = -1;
    suspended = 0;
    testsuspend(true);
    readinput();
    EXPECT_EQ(pausesign, 1);
    int oncash = cash[5];
    loadplayers(0);
    EXPECT_EQ(cash[5] == oncash, saves[i] == 1) << "screen " << screens[i];
    testsuspend(false);
    readinput();
  }
  // During play the stored table becomes resumable.
  screen = SCREEN_GAME;
  gamestat = GAME_PLAY;
  roundpoints = 77;
  pausesign = -1;
  testsuspend(true);
  readinput();
  loadplayers(0);
  EXPECT_EQ(savedgame[5], 1);
  EXPECT_EQ(adloadpoints[5], 77);
}

TEST_F(Popups, TheInformationTextClosesWithItsButtonOrEscape) {
  openpopup(POPUP_INFO);
  popframes(16);
  popclick(midx, bigbuttony());
  EXPECT_EQ(popupdir, 2);
  popframes(20);
  openpopup(POPUP_INFO);
  popframes(3);
  testkeypress(KEY_ESCAPE);
  popframes(1);
  testkeyrelease(KEY_ESCAPE);
  EXPECT_EQ(popupdir, 2);
  EXPECT_EQ(popupframestate, "");
}

TEST_F(Popups, TheHallOfFameRanksEveryPlayerByLevelWithTiesInSlotOrder) {
  putplayer(1, "Ann", 500, 7);
  putplayer(4, "Bob", 900, 12);
  putplayer(6, "Cid", 100, 7);
  putplayer(12, "Dot", 50, 30);  // created from the list's last rows: still ranked
  putplayer(9, "Eli", 0, 0);     // a new player has no level yet
  buildscores();
  EXPECT_EQ(scorename[1], "Dot");
  EXPECT_EQ(scorelevel[1], 29);
  EXPECT_EQ(scorename[2], "Bob");
  EXPECT_EQ(scorecash[2], 900);
  EXPECT_EQ(scorename[3], "Ann");
  EXPECT_EQ(scorename[4], "Cid");
  EXPECT_EQ(scorename[5], "Eli");
  EXPECT_EQ(scorelevel[5], -1);
  EXPECT_EQ(scorename[6], "");
  EXPECT_EQ(scorelevel[10], -1);
  // Eleven players: the ten best stay.
  clearplayer(12);
  for (int p = 1; p <= 11; p++) putplayer(p, "P" + std::to_string(p), p, 20 - p);
  buildscores();
  EXPECT_EQ(scorename[1], "P1");
  EXPECT_EQ(scorename[10], "P10");
  EXPECT_EQ(scorelevel[10], 9);
  // The popup itself: shown, then closed with its button.
  openpopup(POPUP_HALLOFFAME);
  popframes(16);
  popclick(midx, bigbuttony());
  EXPECT_EQ(popupdir, 2);
  EXPECT_EQ(popupframestate, "");
}

TEST_F(Popups, TheNoSoundNoticeClosesWithOkOrEscape) {
  openpopup(POPUP_NOSOUND);
  popframes(16);
  poppoint(midx, smallbuttonsy() - 40);  // above the button: nothing
  testmousepress(1);
  popframes(1);
  testmouserelease(1);
  EXPECT_EQ(popupdir, 1);
  popclick(midx, smallbuttonsy());
  EXPECT_EQ(popupdir, 2);
  popframes(20);
  openpopup(POPUP_NOSOUND);
  popframes(2);
  testkeypress(KEY_ESCAPE);
  popframes(1);
  testkeyrelease(KEY_ESCAPE);
  EXPECT_EQ(popupdir, 2);
}

TEST_F(Popups, EveryShellPopupDrawsAtEveryScreenWidthAndRestoresTheDrawingState) {
  putplayer(1, "Ann", 500, 7);
  player = 1;
  for (int w : {1024, 1280, 1366}) {
    headlessgraphics(w, 768);
    resetdrawstate();
    screenw = w;
    for (int id : {POPUP_QUIT, POPUP_INFO, POPUP_PLAYERS, POPUP_NAME, POPUP_DELETE, POPUP_HALLOFFAME,
                   POPUP_DUPLICATE, POPUP_NOSOUND}) {
      resetpopups();
      popupframestate.clear();
      switchpopup(id);
      popframes(2);
      EXPECT_EQ(popupid, id) << "width " << w;
      EXPECT_EQ(popupframestate, "") << "popup " << id;
      // The panel is on screen, centred: its middle differs from a corner of the backdrop.
      EXPECT_NE(pixel(midx, midy - 150), pixel(20, 20)) << "popup " << id << " width " << w;
    }
  }
}

}  // namespace
