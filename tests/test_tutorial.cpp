// The tutorial inside the first three levels and the help popup: who sees the tutorial, what
// each page lets the player do, its buttons, and the help's pages and buttons.
//
// Ideas for tests:
// - the arrow's target on every page at 1280 and 1366 pixels
// - the help reached from the in-game menu of a resumed game
#include "tests/gamekit.h"

namespace {

class Tutorial : public GameTest {
 protected:
  int nextx() { return midx + 60; }
  int closex(bool withnext) { return withnext ? midx - 60 : midx; }
  int buttony() { return midy + 146; }
  void waitpage1() {
    for (int i = 0; i < 300 && tutorialpage == 0; i++) runframes(1);
    ASSERT_EQ(tutorialpage, 1);
  }
};

TEST_F(Tutorial, LevelOneShowsItOnlyToAPlayerWithoutPoints) {
  entergame(1);
  EXPECT_EQ(tutorialon, 1);
  runframes(150);
  EXPECT_EQ(tutorialpage, 0) << "the first page waits for frame 200";
  waitpage1();
  EXPECT_EQ(gametime, 200);
  EXPECT_EQ(tutorialpages, 8);
  EXPECT_EQ(tutorialarrowx, stablex + 120) << "page 1 points beside the stable";
  EXPECT_EQ(tutorialarrowangle, 0);
  cash[player] = 5;
  entergame(1);
  EXPECT_EQ(tutorialon, 0);
}

TEST_F(Tutorial, LevelsTwoAndThreeShowItUntilTheFirstFail) {
  for (int lv : {2, 3}) {
    SCOPED_TRACE(lv);
    failcount[player] = 0;
    entergame(lv);
    EXPECT_EQ(tutorialon, 1);
    waitpage1();
    EXPECT_EQ(tutorialpages, 2);
    EXPECT_EQ(tutoriallevel, lv);
    failcount[player] = 1;
    entergame(lv);
    EXPECT_EQ(tutorialon, 0);
  }
  failcount[player] = 0;
  entergame(4);
  EXPECT_EQ(tutorialon, 0);
}

TEST_F(Tutorial, OnLevelOneCardsWaitForPageTwoAndTheStockForPageFive) {
  entergame(1);
  waitpage1();
  int s = firstplayable();
  ASSERT_GT(s, 0);
  clickcard(s);
  settle();
  EXPECT_GT(cardvalue[player][s], 0) << "page 1 takes nothing";
  clickat(nextx(), buttony());
  ASSERT_EQ(tutorialpage, 2);
  int left = stock[player];
  clickstock();
  settle();
  EXPECT_EQ(stock[player], left) << "the stock waits for page 5";
  clickcard(s);
  settle();
  EXPECT_EQ(cardvalue[player][s], 0);
  EXPECT_EQ(tutorialpage, 3) << "a take turns the page";
  // Page 5: a take leaves it, a draw turns it.
  showtutorial(1, 5);
  s = topslot(8);
  stablerank[player] = cardvalue[player][s] % 13 + 1;  // the stable fits the card
  stableid[player] = cardidentity(stablerank[player], 2);
  runframes(1);
  clickcard(s);
  settle();
  EXPECT_EQ(cardvalue[player][s], 0);
  EXPECT_EQ(tutorialpage, 5) << "a take on page 5 does not turn it";
  left = stock[player];
  clickstock();
  settle();
  EXPECT_EQ(stock[player], left - 1);
  EXPECT_EQ(tutorialpage, 6);
}

TEST_F(Tutorial, TheCloseButtonSkipsToThePointsPagesOnLevelOneAndEndsItElsewhere) {
  entergame(1);
  waitpage1();
  settle();  // the first stock card is still turning over
  clickat(nextx(), buttony());
  ASSERT_EQ(tutorialpage, 2);
  int s = firstplayable();
  ASSERT_GT(s, 0);
  clickcard(s);
  settle();
  ASSERT_EQ(tutorialpage, 3);
  clickat(closex(false), buttony());
  EXPECT_EQ(tutorialpage, 7);
  EXPECT_EQ(tutorialarrowx, 142) << "the points bar";
  clickat(closex(true), buttony());
  EXPECT_EQ(tutorialpage, 8);
  clickat(closex(true), buttony());
  EXPECT_EQ(tutorialon, 0);
  runframes(300);
  EXPECT_EQ(tutorialon, 0) << "a closed tutorial stays off for this game";
  // Level 2: closing ends it.
  entergame(2);
  waitpage1();
  clickat(closex(true), buttony());
  EXPECT_EQ(tutorialon, 0);
}

TEST_F(Tutorial, AClickOnThePanelsButtonNeverTakesTheCardUnderIt) {
  uselevels();
  std::vector<levelcard> cards = columnlayout({"5", "9"});
  cards[0].x = 528;  // under the "next" button
  cards[0].y = 448;
  writelevel(2, cards);
  entergame(2);
  waitpage1();
  stableid[player] = cardidentity(4, 3);
  stablerank[player] = 4;
  runframes(1);
  ASSERT_EQ(cardplayable[1], 1);
  clickat(nextx(), buttony());
  EXPECT_EQ(tutorialpage, 2);
  EXPECT_EQ(cardvalue[player][1], 5) << "the card under the button stays";
  EXPECT_EQ(movingcard, 0);
}

TEST_F(Tutorial, HelpPagesStopAtTheirEndsAndEscapeClosesOnThePageItWasOn) {
  entergame(5);
  waitplay();
  clickat(midx + 80, 45);  // menu
  ASSERT_EQ(popupid, POPUP_INGAME);
  runframes(16);
  helppage = 4;
  clickat(midx, midy - 100);  // help
  ASSERT_EQ(popupid, POPUP_HELP);
  EXPECT_EQ(helppage, 1) << "the menu opens the help at its first page";
  clickat(midx - 200, midy + 273);  // back on page 1
  EXPECT_EQ(helppage, 1);
  for (int i = 0; i < 7; i++) clickat(midx + 200, midy + 273);
  EXPECT_EQ(helppage, 6) << "next stops at the last page";
  clickat(midx - 200, midy + 273);
  EXPECT_EQ(helppage, 5);
  presskey(KEY_ESCAPE);
  EXPECT_EQ(popupdir, 2) << "closing";
  EXPECT_EQ(helppage, 5);
  runframes(20);
  EXPECT_EQ(popuplevel, 0);
}

}  // namespace
