// Whole games played as a person plays them: clicks on cards, the stock, the bars and the
// buttons, frame after frame through the frame loop, from the game screen's entry to the
// end screen and the screen after it.
//
// Ideas for tests:
// - a whole adventure stage played level after level through the end screen's button
// - the story chapter before level 10 once the story screen exists
// - the map after "to the map" once the map screen exists (today the tests stop at the fade)
#include "tests/gamekit.h"

namespace {

class GameFlow : public GameTest {
 protected:
  int tutorialnextx() { return midx + 60; }
  int tutorialclosex() { return midx - 60; }
  int tutorialbuttony() { return midy + 146; }
  // A layout with one column per token list at x = 48 + 112 c.
  std::vector<levelcard> cols(const std::vector<std::string>& c) {
    std::vector<levelcard> cards = columnlayout(c);
    for (levelcard& k : cards) k.x += 16;
    return cards;
  }
  // Holds the stable at a given identity (the test picks what the table needs).
  void stableis(int identity) {
    stableid[player] = identity;
    stablerank[player] = identity <= cardcount ? identityrank(identity) : RANK_NONE;
  }
  // Takes every card off the table at once, as if the player had cleared it.
  void cleartable() {
    for (int s = 1; s <= cardcount; s++) {
      if (cardvalue[player][s] <= 0) continue;
      cardvalue[player][s] = 0;
      columncount[player][cardcolumn[player][s]] = 0;
    }
  }
  // Uses the item in slot s (or plant k) with a click and waits until it lands.
  void useslot(int s) {
    clickat(itemx(s), itemy());
    for (int i = 0; i < 20 && itemfly[s] > 0; i++) runframes(1);
  }
};

TEST_F(GameFlow, ANewPlayerPlaysLevelOneFromTheFirstClickToTheNextLevel) {
  entergame(1);
  ASSERT_EQ(tutorialon, 1);
  for (int i = 0; i < 300 && tutorialpage == 0; i++) runframes(1);
  ASSERT_EQ(tutorialpage, 1);
  ASSERT_EQ(stableid[player], 6) << "the tutorial starts on a 6";
  // Page 1 explains the stable; a card cannot be taken yet.
  int five = 0;
  for (int s = 1; s <= cardcount; s++)
    if (cardplayable[s] == 1) five = s;
  ASSERT_GT(five, 0);
  clickcard(five);
  runframes(2);
  EXPECT_GT(cardvalue[player][five], 0) << "no take before page 2";
  clickat(tutorialnextx(), tutorialbuttony());
  EXPECT_EQ(tutorialpage, 2);
  std::vector<int> pages = {2};
  // Play as a person does; the tutorial follows each take and draw.
  for (int step = 0; step < 300 && gamestat == GAME_PLAY; step++) {
    settle();
    if (gamestat != GAME_PLAY) break;
    if (tutorialon == 1 && (tutorialpage == 7 || tutorialpage == 8)) {
      clickat(tutorialnextx(), tutorialbuttony());
    } else if (int s = firstplayable()) {
      clickcard(s);
    } else if (stock[player] > 1) {
      clickstock();
    } else {
      runframes(5);
    }
    if (tutorialon == 1 && tutorialpage != pages.back()) pages.push_back(tutorialpage);
  }
  EXPECT_EQ(tutorialon, 0);
  EXPECT_EQ(pages, (std::vector<int>{2, 3, 4, 5, 6, 7, 8}));
  ASSERT_EQ(gamestat, GAME_END);
  // The end screen: the plants are new in the shop; the screen waits for the notice.
  for (int i = 0; i < 700 && endtime < 455; i++) runframes(1);
  ASSERT_TRUE(gameresult == RESULT_SOLVED || gameresult == RESULT_STRIKE) << "result " << gameresult;
  EXPECT_EQ(itemnoticek, 1);
  runframes(30);
  EXPECT_EQ(endtime, 450) << "held by the notice";
  int banked = cash[player];
  EXPECT_EQ(banked, tallytotal);
  EXPECT_GT(banked, 0);
  EXPECT_EQ(levelstars[player][1], gameresult == RESULT_STRIKE ? 3 : resultstars());
  EXPECT_EQ(levelbest[player][1], cardsleft);
  clickat(midx, midy + 145);
  EXPECT_EQ(unlockseen[player][1], 1);
  waitbuttons();
  EXPECT_EQ(endbuttons, 2);
  clickat(midx + 110, midy + 215);  // next level
  EXPECT_EQ(toplevel[player], 2);
  EXPECT_EQ(maplevel[player], 2);
  EXPECT_EQ(selectedlevel, 2);
  EXPECT_EQ(fadetarget, SCREEN_GAME) << "level 2 opens no chapter";
  for (int i = 0; i < 12 && fadestate == 2; i++) runframes(1);
  EXPECT_EQ(level, 2);
  EXPECT_EQ(gamestat, GAME_DEAL);
  EXPECT_EQ(cash[player], banked);
  // The profile on disk holds the progress.
  loadplayers(0);
  EXPECT_EQ(toplevel[1], 2);
  EXPECT_EQ(levelstars[1][1] > 0, true);
}

TEST_F(GameFlow, AFailedGameBanksItsPointsCountsTheFailAndPlaysAgainWithoutAChapter) {
  uselevels();
  // Three cards that fit and a wall of cards that never turn: a dead end without extras.
  writelevel(10, cols({"5 6", "?d ?d ?d ?d ?d", "?d ?d ?d ?d ?d", "?d ?d ?d ?d ?d", "?d ?d ?d ?d ?d", "9"}));
  maplevel[player] = toplevel[player] = 10;
  cash[player] = 300;
  entergame(10);
  waitplay();
  stableis(cardidentity(7, 3));
  clickcard(topslot(1));
  settle();
  clickcard(topslot(1));
  settle();
  int points = roundpoints;
  ASSERT_GT(points, 0);
  stock[player] = 1;  // the stock is used up
  for (int i = 0; i < 40 && gamestat == GAME_PLAY; i++) runframes(1);
  EXPECT_EQ(gamestat, GAME_END) << "dead without extras: the game ends by itself";
  waitbuttons();
  EXPECT_EQ(gameresult, RESULT_FAIL);
  EXPECT_EQ(cash[player], 300 + tallytotal);
  EXPECT_GE(tallytotal, points);
  EXPECT_EQ(endbuttons, 2);
  clickat(midx + 110, midy + 215);  // play again
  EXPECT_EQ(failcount[player], 1);
  EXPECT_EQ(toplevel[player], 10);
  EXPECT_EQ(fadetarget, SCREEN_GAME) << "a retry skips chapter 2";
  EXPECT_EQ(levelstars[player][10], 0);
}

TEST_F(GameFlow, AGameLeftThroughTheMenuIsResumedWholeAfterTheProgramStartsAgain) {
  uselevels();
  writelevel(12, cols({"? ? ? ? ?", "? ? ? ? ?", "? ? ? ? ?", "? ? ? ? ?", "? ? ? ? ?", "? ? ? ? ?"}));
  maplevel[player] = toplevel[player] = 12;
  entergame(12);
  waitplay();
  for (int i = 0; i < 4; i++) {
    settle();
    if (int s = firstplayable()) clickcard(s);
    else clickstock();
  }
  settle();
  bestcombo[player] = 7;
  pointsfactor[player] = 2;
  int points = roundpoints;
  ASSERT_GT(points, 0);
  cardrow values = cardvalue, suits = cardsuit, turns = cardturn;
  columnrow counts = columncount;
  int top = stableid[player], left = stock[player];
  clickat(midx + 80, 45);  // the menu button
  ASSERT_EQ(popupid, POPUP_INGAME);
  runframes(16);
  clickat(midx - 82, midy + 20);  // to the map
  EXPECT_EQ(fadetarget, SCREEN_MAP);
  runframes(12);  // the map takes over (its own screen is built elsewhere)
  // The table and the game in memory are gone, as after a restart of the program.
  resettablestate();
  resetgamestate();
  loadplayers(0);
  ASSERT_EQ(savedgame[1], 1);
  ASSERT_EQ(adloadpoints[1], points);
  // The main menu's continue popup brings the game back.
  screen = SCREEN_MENU;
  openpopup(POPUP_CONTINUE);
  runframes(16);
  clickat(midx + 82, midy + 160);
  EXPECT_EQ(fadetarget, SCREEN_GAME);
  for (int i = 0; i < 12 && fadestate == 2; i++) runframes(1);
  ASSERT_EQ(screen, SCREEN_GAME);
  EXPECT_EQ(resumed, 1);
  EXPECT_EQ(gamestat, GAME_PLAY) << "no deal";
  EXPECT_EQ(level, 12);
  EXPECT_EQ(roundpoints, points);
  EXPECT_EQ(bestcombo[player], 7);
  EXPECT_EQ(pointsfactor[player], 2);
  EXPECT_EQ(stableid[player], top);
  EXPECT_EQ(stock[player], left);
  EXPECT_EQ(cardvalue[player], values[player]);
  EXPECT_EQ(cardsuit[player], suits[player]);
  EXPECT_EQ(cardturn[player], turns[player]);
  EXPECT_EQ(columncount[player], counts[player]);
  EXPECT_EQ(tutorialon, 0);
  runframes(2);
  EXPECT_EQ(savedgame[player], 0);
}

TEST_F(GameFlow, TheNoMovesDialogAnsweredBothWays) {
  uselevels();
  writelevel(10, cols({"?d ?d ?d", "?d ?d", "?d ?d ?d ?d"}));
  for (int way = 0; way < 2; way++) {
    SCOPED_TRACE(way == 0 ? "go on" : "end");
    plants[player].fill(0);
    plants[player][3] = 1;  // a plant but no item: the dialog asks
    entergame(10);
    waitplay();
    stock[player] = 1;
    for (int i = 0; i < 60 && nomoves == 0; i++) runframes(1);
    ASSERT_GT(nomoves, 0);
    EXPECT_EQ(stuckframes, 41);
    runframes(20);
    EXPECT_EQ(gamestat, GAME_PLAY) << "the plant keeps the game from ending by itself";
    if (way == 0) {
      clickat(midx + 60, midy + 41);  // go on
      EXPECT_EQ(nomoves, 0);
      EXPECT_EQ(nomovechoice, 1);
      runframes(60);
      EXPECT_EQ(nomoves, 0) << "asked once";
      clickat(plantx(3), planty(3));  // the plant goes onto the stable
      runframes(20);
      EXPECT_EQ(stablerank[player], 3);
      EXPECT_EQ(plants[player][3], 0);
      runframes(40);
      EXPECT_EQ(gamestat, GAME_END) << "nothing left to use: the game ends by itself";
    } else {
      clickat(midx - 60, midy + 41);  // end the game
      EXPECT_EQ(gamestat, GAME_END);
      EXPECT_EQ(plants[player][3], 1) << "the unused plant stays the player's";
    }
  }
}

TEST_F(GameFlow, TheEndButtonAfterGoOnEndsTheGame) {
  uselevels();
  writelevel(10, cols({"?d ?d ?d", "?d ?d"}));
  extraslots[player][1] = ITEM_JOKER;  // an item but no plant
  entergame(10);
  waitplay();
  stock[player] = 1;
  for (int i = 0; i < 60 && nomoves == 0; i++) runframes(1);
  ASSERT_GT(nomoves, 0);
  clickat(midx + 60, midy + 41);
  runframes(5);
  ASSERT_EQ(gamestat, GAME_PLAY);
  clickat(midx, midy + 110);  // the end button that came with "go on"
  EXPECT_EQ(gamestat, GAME_END);
  EXPECT_EQ(extraslots[player][1], ITEM_JOKER);
}

TEST_F(GameFlow, AMenuOpenedOverTheNoMovesDialogGetsItsOwnClicks) {
  uselevels();
  writelevel(10, cols({"?d ?d ?d", "?d ?d"}));
  plants[player][1] = 1;
  entergame(10);
  waitplay();
  stock[player] = 1;
  for (int i = 0; i < 60 && nomoves == 0; i++) runframes(1);
  ASSERT_GT(nomoves, 0);
  clickat(midx + 80, 45);
  ASSERT_EQ(popupid, POPUP_INGAME);
  runframes(16);
  clickat(midx - 70, midy + 30);  // "to the map", over the dialog's "end game"
  EXPECT_EQ(gamestat, GAME_PLAY) << "the dialog under the menu took the click";
  EXPECT_EQ(fadetarget, SCREEN_MAP);
  EXPECT_EQ(savedgame[player], 1);
}

TEST_F(GameFlow, EveryPlantFromTheBarActsAsItsRank) {
  uselevels();
  writelevel(10, cols({"?", "?", "?", "?"}));
  for (int k = 1; k <= 8; k++) plants[player][k] = 1;
  entergame(10);
  waitplay();
  for (int k = 8; k >= 1; k--) {
    SCOPED_TRACE("plant " + std::to_string(k));
    int before = roundpoints, c = combo;
    clickat(plantx(k), planty(k));
    EXPECT_GT(plantfly[k], 0) << "on its way";
    EXPECT_EQ(combo, c + 1);
    EXPECT_EQ(roundpoints, before + 5);
    for (int i = 0; i < 20 && plantfly[k] > 0; i++) runframes(1);
    EXPECT_EQ(stableid[player], STABLE_PLANT + k);
    EXPECT_EQ(stablerank[player], k);
    EXPECT_EQ(plants[player][k], 0);
    runframes(2);
    for (int s = 1; s <= cardcount; s++) {
      if (cardcandidate(s) && cardvalue[player][s] <= 13) {
        EXPECT_EQ(cardplayable[s], ranksneighbour(cardvalue[player][s], k) ? 1 : 0) << "slot " << s;
      }
    }
  }
}

TEST_F(GameFlow, TheFishslapItemMakesTheStableWild) {
  uselevels();
  writelevel(10, cols({"? ?", "? ?", "? ?"}));
  extraslots[player][2] = ITEM_FISHSLAP;
  entergame(10);
  waitplay();
  int c = combo, before = roundpoints;
  clickat(itemx(2), itemy());
  EXPECT_GT(itemfly[2], 0) << "on its way";
  EXPECT_EQ(combo, c + 1);
  EXPECT_EQ(roundpoints, before + 5);
  for (int i = 0; i < 20 && itemfly[2] > 0; i++) runframes(1);
  EXPECT_EQ(extraslots[player][2], 0);
  EXPECT_EQ(stableid[player], STABLE_FISHSLAP);
  runframes(2);
  for (int col = 1; col <= 3; col++) EXPECT_EQ(cardplayable[topslot(col)], 1);
  int s = topslot(2), v = cardvalue[player][s];
  clickcard(s);
  settle();
  EXPECT_EQ(stablerank[player], v) << "wild no more: the card's rank counts";
  EXPECT_EQ(stableid[player], cardidentity(v, cardsuit[player][s]));
}

TEST_F(GameFlow, TheZombieKillerShootsOneFaceUpCardAndNotAFaceDownOne) {
  uselevels();
  writelevel(10, cols({"? ?", "? ?d", "? P", "? G", "? ?b"}));
  extraslots[player][1] = ITEM_ZOMBIEKILLER;
  entergame(10);
  waitplay();
  useslot(1);
  ASSERT_EQ(killermode, 1);
  EXPECT_EQ(stableid[player], itemidentity[ITEM_ZOMBIEKILLER]);
  int down = topslot(2);
  clickcard(down);
  EXPECT_GT(cardvalue[player][down], 0) << "a face-down card is no target";
  EXPECT_EQ(killermode, 1);
  // The plant card: shot off, its plant is the player's at once.
  int plant = topslot(3), k = cardparam[player][plant];
  int left = livecards(), count = columncount[player][3], before = roundpoints;
  clickcard(plant);
  EXPECT_EQ(killermode, 0);
  EXPECT_EQ(cardvalue[player][plant], 0);
  EXPECT_EQ(plants[player][k], 1);
  EXPECT_EQ(livecards(), left - 1);
  EXPECT_EQ(columncount[player][3], count - 1);
  EXPECT_EQ(roundpoints, before + 5);
  settle();
  EXPECT_NE(stableid[player], itemidentity[ITEM_ZOMBIEKILLER]) << "a stock card follows";
  // A second killer on the pig: the free bird turns up.
  extraslots[player][1] = ITEM_ZOMBIEKILLER;
  useslot(1);
  int pig = topslot(4), bird = topslot(5);
  ASSERT_EQ(cardvalue[player][pig], CARD_ANIMAL);
  ASSERT_EQ(cardcover[player][bird], 1);
  clickcard(pig);
  EXPECT_EQ(cardvalue[player][pig], 0);
  runframes(40);
  EXPECT_EQ(cardfaceup[player][bird], 1);
}

TEST_F(GameFlow, AZombieKillerWithNothingToAimAtGoesBackToTheBar) {
  uselevels();
  writelevel(10, cols({"?d ?d", "?d"}));
  extraslots[player][3] = ITEM_ZOMBIEKILLER;
  entergame(10);
  waitplay();
  int top = stableid[player];
  useslot(3);
  runframes(2);
  EXPECT_EQ(killermode, 0);
  EXPECT_EQ(extraslots[player][1] + extraslots[player][2] + extraslots[player][3], ITEM_ZOMBIEKILLER);
  EXPECT_EQ(stableid[player], top);
  EXPECT_EQ(inputok, 1) << "the game is not stuck";
}

TEST_F(GameFlow, TheZombieBlasterClearsAColumnChosenThroughItsFaceDownCard) {
  uselevels();
  writelevel(10, cols({"? ? B ?d", "? ?"}));
  extraslots[player][1] = ITEM_ZOMBIEBLASTER;
  entergame(10);
  waitplay();
  useslot(1);
  ASSERT_EQ(blastermode, 1);
  int down = topslot(1);
  ASSERT_EQ(cardfaceup[player][down], 0);
  for (int s = 1; s <= cardcount; s++)
    if (cardvalue[player][s] == CARD_BONUS) cardparam[player][s] = 1;  // a cash card
  int before = roundpoints;
  clickcard(down);
  EXPECT_EQ(blastermode, 0);
  EXPECT_EQ(topslot(1), 0) << "the whole column is gone";
  EXPECT_GT(topslot(2), 0) << "the other column stays";
  EXPECT_EQ(roundpoints - before, 4 * 5 + 50 + 25) << "each card's 5, the cash card's 50, the cleared column's 25";
  EXPECT_EQ(columncount[player][1], -1);
}

TEST_F(GameFlow, TurnAllUpTurnsTheFreeCoversAndMakesAnimalsCashCards) {
  uselevels();
  writelevel(10, cols({"? ?b", "? ?f", "G", "? N", "? ?b ?"}));
  extraslots[player][1] = ITEM_TURNALLUP;
  entergame(10);
  waitplay();
  int bird = topslot(1), fruit = topslot(2), pig = topslot(3), ninja = topslot(4);
  int deepbird = 0;
  for (int s = 1; s <= cardcount; s++)
    if (cardcolumn[player][s] == 5 && cardcover[player][s] == 1) deepbird = s;
  useslot(1);
  runframes(30);
  EXPECT_EQ(cardfaceup[player][bird], 1);
  EXPECT_EQ(cardfaceup[player][fruit], 1);
  EXPECT_EQ(cardvalue[player][pig], CARD_BONUS);
  EXPECT_EQ(cardvalue[player][ninja], CARD_BONUS);
  EXPECT_EQ(cardfaceup[player][pig], 0) << "a free animal turned cash stays face down";
  EXPECT_EQ(cardplayable[pig], 0);
  EXPECT_EQ(cardfaceup[player][deepbird], 0) << "a cover still under a card stays shut";
  EXPECT_NE(stableid[player], itemidentity[ITEM_TURNALLUP]) << "a stock card follows";
}

TEST_F(GameFlow, MaxBonusFillsTheComboBarAndTriplesTheTally) {
  uselevels();
  writelevel(10, cols({"? ?", "? ?"}));
  extraslots[player][1] = ITEM_MAXBONUS;
  entergame(10);
  waitplay();
  useslot(1);
  settle();
  EXPECT_GE(bestcombo[player], 12);
  EXPECT_NE(stableid[player], itemidentity[ITEM_MAXBONUS]) << "a card is drawn at once";
  for (int i = 0; i < 40; i++) runframes(1);
  EXPECT_EQ(combofill, 280);
  gamestat = GAME_END;
  for (int i = 0; i < 500 && endtime < 305; i++) runframes(1);
  EXPECT_EQ(tallytext(tallycombo), "x 3.0");
}

TEST_F(GameFlow, NewStableReturnsTheDrawnCardsToTheStock) {
  uselevels();
  writelevel(10, cols({"? ?", "? ?", "? ?"}));
  extraslots[player][1] = ITEM_NEWSTABLE;
  entergame(10);
  waitplay();
  for (int i = 0; i < 5; i++) {
    clickstock();
    settle();
  }
  int drawn = 0;
  for (int id = 1; id <= cardcount; id++) drawn += deckstate[player][id] == 2;
  ASSERT_EQ(drawn, 6);
  int deals = dealcount[player];
  useslot(1);
  for (int i = 0; i < 100 && newstablemode > 0; i++) runframes(1);
  EXPECT_EQ(newstablemode, 0);
  settle();
  EXPECT_EQ(dealcount[player], deals + 1);
  EXPECT_EQ(stock[player], stockstart[player] - 1) << "full again, less the card drawn at the end";
  drawn = 0;
  for (int id = 1; id <= cardcount; id++) drawn += deckstate[player][id] == 2;
  EXPECT_EQ(drawn, stableid[player] == STABLE_FISHSLAP ? 0 : 1);
  EXPECT_EQ(stocky, 580) << "the stock is back in its place";
}

TEST_F(GameFlow, TheJokerLetsAnyFaceUpCardGoForAWhile) {
  uselevels();
  writelevel(10, cols({"? ?", "? ?", "? ?", "? ?"}));
  extraslots[player][1] = ITEM_JOKER;
  entergame(10);
  waitplay();
  useslot(1);
  ASSERT_GT(jokermode, 0);
  EXPECT_EQ(inputok, 1) << "the joker leaves the table open";
  int s = topslot(3);
  stableis(cardidentity((cardvalue[player][s] + 5) % 13 + 1, 2));  // a rank that does not fit
  ASSERT_FALSE(ranksneighbour(cardvalue[player][s], stablerank[player]));
  clickcard(s);
  settle();
  EXPECT_EQ(cardvalue[player][s], 0);
  for (int i = 0; i < 220 && jokermode > 0; i++) runframes(1);
  EXPECT_EQ(jokermode, 0);
  settle();
  EXPECT_NE(stableid[player], itemidentity[ITEM_JOKER]) << "a stock card follows";
}

TEST_F(GameFlow, DoubleSunsDoublesEveryAwardFromItsFiftiethFrame) {
  uselevels();
  writelevel(10, cols({"? ? ? ?", "? ? ? ?", "? ? ? ?"}));  // more than the par: no finish sign pays
  extraslots[player][1] = ITEM_DOUBLESUNS;
  entergame(10);
  waitplay();
  useslot(1);
  EXPECT_EQ(pointsfactor[player], 1);
  int before = roundpoints;
  for (int i = 0; i < 60 && sunsmode > 0; i++) runframes(1);
  EXPECT_EQ(pointsfactor[player], 2);
  EXPECT_EQ(roundpoints, before + 50);
  settle();
  int s = firstplayable();
  if (s == 0) {
    stableis(cardidentity(cardvalue[player][topslot(1)] % 13 + 1, 4));
    runframes(2);
    s = firstplayable();
  }
  ASSERT_GT(s, 0);
  before = roundpoints;
  clickcard(s);
  EXPECT_EQ(roundpoints, before + 10);
}

TEST_F(GameFlow, TheRandomExtraTurnsIntoOneOfTheOtherItems) {
  uselevels();
  writelevel(10, cols({"? ?", "? ?", "? ?"}));
  extraslots[player][1] = ITEM_RANDOMEXTRA;
  entergame(10);
  waitplay();
  useslot(1);
  EXPECT_EQ(stableid[player], itemidentity[ITEM_RANDOMEXTRA]);
  for (int i = 0; i < 60 && randommode > 0; i++) runframes(1);
  EXPECT_EQ(randommode, 0);
  bool tookeffect = stableid[player] != itemidentity[ITEM_RANDOMEXTRA];
  EXPECT_TRUE(tookeffect) << "the stable shows what it became";
}

TEST_F(GameFlow, SuddenStrikeBlowsTheTableAwayForAStrike) {
  uselevels();
  writelevel(10, cols({"? ? ?", "? P ?", "? ? B"}));
  extraslots[player][1] = ITEM_SUDDENSTRIKE;
  entergame(10);
  waitplay();
  int cards = livecards();
  useslot(1);
  int before = roundpoints;
  for (int i = 0; i < 260 && gamestat == GAME_PLAY; i++) runframes(1);
  EXPECT_EQ(livecards(), 0);
  EXPECT_LE(strikemode, 202);
  EXPECT_EQ(roundpoints - before, 5 * cards + 25 * 3);
  for (int k = 1; k <= 8; k++) EXPECT_EQ(plants[player][k], 0) << "a blown-up plant card gives nothing";
  EXPECT_EQ(clearedtime, 0) << "no target sign while the strike runs";
  runframes(40);
  EXPECT_EQ(gameresult, RESULT_STRIKE);
}

TEST_F(GameFlow, AReplayBelowTheFrontierLeavesTheFrontierAlone) {
  uselevels();
  writelevel(5, cols({"? ?", "?"}));
  maplevel[player] = 5;
  toplevel[player] = 9;
  entergame(5);
  waitplay();
  cleartable();
  for (int i = 0; i < 600 && endtime <= 461; i++) runframes(1);
  ASSERT_EQ(gameresult, RESULT_STRIKE);
  EXPECT_EQ(endbuttons, 1);
  clickat(midx, midy + 215);  // to the map, the only button
  EXPECT_EQ(fadetarget, SCREEN_MAP);
  EXPECT_EQ(maplevel[player], 5);
  EXPECT_EQ(toplevel[player], 9);
  EXPECT_EQ(levelstars[player][5], 3);
  EXPECT_EQ(hookrun, 0);
}

TEST_F(GameFlow, WinningLevel103ShowsTwoButtonsAndLeadsToTheEnding) {
  uselevels();
  writelevel(103, cols({"? ?", "?"}));
  maplevel[player] = toplevel[player] = 103;
  entergame(103);
  waitplay();
  cleartable();
  waitbuttons();
  EXPECT_EQ(endbuttons, 2);
  clickat(midx + 110, midy + 215);
  EXPECT_EQ(toplevel[player], 104);
  EXPECT_EQ(selectedlevel, 104);
  EXPECT_EQ(fadetarget, SCREEN_STORY) << "the ending chapter";
  EXPECT_EQ(fadearg, 10);
}

TEST_F(GameFlow, TheLastLevelOfAStageArmsTheMapsCheckMark) {
  uselevels();
  writelevel(6, cols({"? ?", "?"}));
  maplevel[player] = toplevel[player] = 6;
  unlockseen[player][4] = 1;
  entergame(6);
  waitplay();
  cleartable();
  waitbuttons();
  EXPECT_EQ(endbuttons, 1);
  clickat(midx, midy + 215);
  EXPECT_EQ(hookrun, 1);
  EXPECT_EQ(hookstage, 2);
  EXPECT_EQ(toplevel[player], 7);
  EXPECT_EQ(fadetarget, SCREEN_MAP);
}

}  // namespace
