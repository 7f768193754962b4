// The game's popups: continue or start over from the main menu, the in-game menu with each
// of its buttons, the restart confirmation and the card backs.
//
// Ideas for tests:
// - the options popup reached from the in-game menu comes back to the game, not the menu
// - the continue popup for a player whose stored game is of another level than the map's
#include "tests/gamekit.h"

namespace {

class GamePopups : public GameTest {
 protected:
  void openon(int id) {
    openpopup(id);
    runframes(16);
    ASSERT_EQ(popupid, id);
  }
  void menuscreen() {
    screen = SCREEN_MENU;
    fadestate = 1;
    runframes(1);
  }
};

TEST_F(GamePopups, ContinueOpensTheMapOrResumesTheStoredGame) {
  maplevel[player] = 7;
  toplevel[player] = 9;
  menuscreen();
  openon(POPUP_CONTINUE);
  clickat(midx + 82, midy + 160);
  EXPECT_EQ(selectedlevel, 7);
  EXPECT_EQ(fadetarget, SCREEN_MAP);
  EXPECT_EQ(popupdir, 2);
  // With a stored game the game comes back at once.
  menuscreen();
  savedgame[player] = 1;
  openon(POPUP_CONTINUE);
  clickat(midx + 82, midy + 160);
  EXPECT_EQ(fadetarget, SCREEN_GAME);
  // Cancel and Escape close it.
  menuscreen();
  resetpopups();
  openon(POPUP_CONTINUE);
  clickat(midx, midy + 98);
  EXPECT_EQ(popupdir, 2);
  runframes(20);
  openon(POPUP_CONTINUE);
  presskey(KEY_ESCAPE);
  EXPECT_EQ(popupdir, 2);
}

TEST_F(GamePopups, StartingOverAsksFirstAndThenBeginsWithChapterOne) {
  maplevel[player] = toplevel[player] = 9;
  cash[player] = 4000;
  levelstars[player][3] = 2;
  plants[player][2] = 1;
  menuscreen();
  openon(POPUP_CONTINUE);
  clickat(midx - 82, midy + 160);
  EXPECT_EQ(popupid, POPUP_NEWADVENTURE);
  clickat(midx + 82, midy + 160);  // back
  EXPECT_EQ(popupid, POPUP_CONTINUE);
  runframes(2);
  clickat(midx - 82, midy + 160);
  clickat(midx - 82, midy + 160);  // start over
  EXPECT_EQ(toplevel[player], 0);
  EXPECT_EQ(maplevel[player], 0);
  EXPECT_EQ(cash[player], 0);
  EXPECT_EQ(levelstars[player][3], 0);
  EXPECT_EQ(plants[player][2], 0);
  EXPECT_EQ(playername[player], "Tess");
  EXPECT_EQ(fadetarget, SCREEN_STORY);
  EXPECT_EQ(fadearg, 1);
  loadplayers(0);
  EXPECT_EQ(toplevel[1], 0) << "the fresh start is on disk";
}

TEST_F(GamePopups, TheInGameMenuLeadsToHelpOptionsBacksRestartAndBackToPlay) {
  entergame(5);
  waitplay();
  struct row {
    int x, y;
    int opens;
  };
  const row rows[] = {{midx, midy - 100, POPUP_HELP},       {midx - 82, midy - 40, POPUP_OPTIONS},
                      {midx + 82, midy - 40, POPUP_CARDBACK}, {midx + 82, midy + 20, POPUP_RESTART}};
  for (const row& r : rows) {
    resetpopups();
    clickat(midx + 80, 45);
    ASSERT_EQ(popupid, POPUP_INGAME);
    runframes(16);
    int gt = gametime;
    clickat(r.x, r.y);
    EXPECT_EQ(popupid, r.opens);
    EXPECT_EQ(gametime, gt) << "the game stands while the menu is open";
  }
  // Play on, and Escape, close it.
  resetpopups();
  presskey(KEY_ESCAPE);
  ASSERT_EQ(popupid, POPUP_INGAME);
  runframes(16);
  clickat(midx + 82, midy + 100);
  EXPECT_EQ(popupdir, 2);
  runframes(20);
  presskey(KEY_ESCAPE);
  ASSERT_EQ(popupid, POPUP_INGAME);
  runframes(40);
  EXPECT_EQ(popupdir, 1) << "a held Escape does not close it at once";
  presskey(KEY_ESCAPE);
  EXPECT_EQ(popupdir, 2);
  // The main menu button stores the game.
  runframes(20);
  clickat(midx + 80, 45);
  runframes(16);
  clickat(midx - 82, midy + 100);
  EXPECT_EQ(fadetarget, SCREEN_MENU);
  EXPECT_EQ(savedgame[player], 1);
  loadplayers(0);
  EXPECT_EQ(savedgame[1], 1);
}

TEST_F(GamePopups, TheMenuStaysShutWhileATimedExtraRuns) {
  extraslots[player][1] = ITEM_JOKER;
  entergame(5);
  waitplay();
  clickat(itemx(1), itemy());
  runframes(20);
  ASSERT_GT(jokermode, 0);
  clickat(midx + 80, 45);
  presskey(KEY_ESCAPE);
  EXPECT_EQ(popupid, 0);
  for (int i = 0; i < 220 && jokermode > 0; i++) runframes(1);
  settle();
  clickat(midx + 80, 45);
  EXPECT_EQ(popupid, POPUP_INGAME);
}

TEST_F(GamePopups, LeavingWhileTheZombieKillerWaitsGivesItBack) {
  extraslots[player][2] = ITEM_ZOMBIEKILLER;
  entergame(5);
  waitplay();
  int top = stableid[player];
  clickat(itemx(2), itemy());
  runframes(16);
  ASSERT_EQ(killermode, 1);
  clickat(midx + 80, 45);
  runframes(16);
  clickat(midx - 82, midy + 20);  // to the map
  EXPECT_EQ(killermode, 0);
  EXPECT_EQ(extraslots[player][1] + extraslots[player][2] + extraslots[player][3], ITEM_ZOMBIEKILLER);
  EXPECT_EQ(stableid[player], top);
  loadplayers(0);
  EXPECT_EQ(extraslots[1][1] + extraslots[1][2] + extraslots[1][3], ITEM_ZOMBIEKILLER) << "and on disk";
}

TEST_F(GamePopups, RestartDealsTheLevelAfreshWithAFreshRound) {
  entergame(5);
  waitplay();
  bestcombo[player] = 8;
  pointsfactor[player] = 2;
  failcount[player] = 3;
  roundpoints = 120;
  clickat(midx + 80, 45);
  runframes(16);
  clickat(midx + 82, midy + 20);
  ASSERT_EQ(popupid, POPUP_RESTART);
  clickat(midx - 82, midy + 110);  // cancel: back to the menu
  EXPECT_EQ(popupid, POPUP_INGAME);
  runframes(2);
  clickat(midx + 82, midy + 20);
  presskey(KEY_ESCAPE);
  EXPECT_EQ(popupid, POPUP_INGAME);
  clickat(midx + 82, midy + 20);
  runframes(2);
  clickat(midx + 82, midy + 110);  // restart
  EXPECT_EQ(fadetarget, SCREEN_GAME);
  EXPECT_EQ(failcount[player], 0);
  EXPECT_EQ(pointsfactor[player], 1);
  EXPECT_EQ(bestcombo[player], 0);
  for (int i = 0; i < 12 && fadestate == 2; i++) runframes(1);
  EXPECT_EQ(gamestat, GAME_DEAL);
  EXPECT_EQ(resumed, 0);
  EXPECT_EQ(roundpoints, 0);
  EXPECT_EQ(level, 5);
}

TEST_F(GamePopups, CardBacksUnlockWithTheHighestLevelOpened) {
  toplevel[player] = maplevel[player] = 6;
  entergame(6);
  waitplay();
  openon(POPUP_CARDBACK);
  const int cx[5] = {0, midx - 180, midx - 60, midx + 60, midx + 180};
  clickat(cx[3], midy - 20);
  EXPECT_EQ(cardback[player], 1) << "design 3 opens at level 12";
  clickat(cx[4], midy - 20);
  EXPECT_EQ(cardback[player], 1);
  clickat(cx[2], midy - 20);
  EXPECT_EQ(cardback[player], 2);
  clickat(midx, midy + 225);  // done
  EXPECT_EQ(popupdir, 2);
  runframes(20);
  loadplayers(0);
  EXPECT_EQ(cardback[1], 2) << "the choice is in the profile";
  toplevel[player] = 30;
  openon(POPUP_CARDBACK);
  clickat(cx[4], midy - 20);
  EXPECT_EQ(cardback[player], 4);
}

}  // namespace
