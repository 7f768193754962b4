// The game screen and the table's rules under it: a run that must not carry into the next
// deal, draws that wait for a flight, the fixed level-1 deal, broken level files, a stored
// game resumed whole or dealt afresh, the playable marks against every stable, the tally's
// multipliers, progress after a won or lost game and the end screen's buttons.
//
// Ideas for tests:
// - the red tint of a failed game's end screen pulses with the end-screen frame
// - roundtime counts the round clock's seconds only while the stock takes clicks
// - devmode: F4 gives 10000 points, F3 starts the sudden strike, F2 the eight plants
// - a stored game with a draw animation at frame 5 finishes it on resume
#include "tests/solitairekit.h"
#include "shell/profiles.h"
#include "solitaire/extras.h"
#include "solitaire/game.h"
#include <set>

namespace {

class GameTable : public SolitaireTest {
 protected:
  // Copies the forged level files beside the tests into the scratch folder.
  bool useforged() {
    std::filesystem::path forged = oldcwd / "data" / "levelz";
    if (!std::filesystem::exists(forged / "103.lvl")) return false;
    std::filesystem::copy(forged, "data/levelz", std::filesystem::copy_options::recursive |
                                                      std::filesystem::copy_options::overwrite_existing);
    return true;
  }
  int identityof(int s) { return cardidentity(cardvalue[player][s], cardsuit[player][s]); }
};

TEST_F(GameTable, ARunOfTheLastGameDoesNotCarryIntoTheNextDeal) {
  writelevel(6, columnlayout({"1 2 3 4 5 6 7 8 9"}));
  deal(6);
  settle();
  setstable(cardidentity(10, 2));
  for (int i = 0; i < 8; i++) {
    clickcard(topslot(1));
    settle();
  }
  ASSERT_EQ(combo, 8);
  ASSERT_EQ(bestcombo[player], 0);
  deal(6);  // the game ends inside the run; the next one is dealt
  settle();
  EXPECT_EQ(bestcombo[player], 0);
  EXPECT_EQ(longdrivetime, 0);
  EXPECT_EQ(combo, 0);
}

TEST_F(GameTable, NoDrawWhileATakenCardFliesAndAWaitingDrawKeepsItsCard) {
  writelevel(6, columnlayout({"5 6", "9 8"}));
  deal(6);
  settle();
  std::set<int> before;
  for (int id = 1; id <= cardcount; id++)
    if (deckstate[player][id] == 2) before.insert(id);
  setstable(cardidentity(5, 3));
  int six = topslot(1);
  clickcard(six);
  ASSERT_GT(movetime[player], 0);
  clickstock();  // a stock click while the card is still in the air
  settle();
  for (int id = 1; id <= cardcount; id++) {
    if (deckstate[player][id] == 2 && !before.count(id)) {
      EXPECT_EQ(stableid[player], id) << "identity " << id << " was drawn and never seen";
    }
  }
  EXPECT_EQ(stableid[player], cardidentity(6, cardsuit[player][six])) << "the click drew nothing";

  // An extra that ends with a draw during a flight: the draw waits and its card shows.
  int eight = topslot(2);
  setstable(cardidentity(9, 4));
  clickcard(eight);
  ASSERT_GT(movetime[player], 0);
  drawfromstock();
  frame();
  settle();
  EXPECT_NE(stableid[player], cardidentity(8, cardsuit[player][eight]));
  EXPECT_EQ(deckstate[player][stableid[player]], 2) << "the drawn card lies on the stable";
  EXPECT_EQ(stableunder[player], cardidentity(8, cardsuit[player][eight])) << "over the card that landed";
}

TEST_F(GameTable, ShippedLevelOneDealsTheSameFacesAndKeepsTheTutorialSixInTheStock) {
  if (!useforged()) GTEST_SKIP() << "no forged level files beside the tests";
  std::vector<int> first;
  for (int run = 0; run < 200; run++) {
    testclock(true, 1000 + 7919 * run);
    resettablestate();
    player = 1;
    deal(1);
    std::vector<int> faces;
    for (int s = 1; s <= cardcount; s++)
      if (cardvalue[player][s] > 0) faces.push_back(identityof(s));
    ASSERT_EQ(faces.size(), 30u);
    if (run == 0) first = faces;
    ASSERT_EQ(faces, first) << "deal " << run;
    for (int id : faces) ASSERT_NE(id, 6) << "the tutorial's first stable card lies on the table";
  }
  // With the tutorial waiting for its first page, the first stock card is that 6.
  resettablestate();
  player = 1;
  deal(1);
  tutorialon = 1;  // the game switches it on once the level is loaded
  frame();
  EXPECT_EQ(stableid[player], 6);
}

TEST_F(GameTable, OnLevelOneNoFixedCardTakesTheTutorialsSix) {
  writelevel(1, columnlayout({"6", "6", "6", "6", "? ? ? ? ? ? ?"}));
  deal(1);
  int sixes = 0;
  for (int s = 1; s <= cardcount; s++) {
    if (cardvalue[player][s] <= 0) continue;
    EXPECT_NE(identityof(s), 6) << "slot " << s;
    sixes += cardvalue[player][s] == 6;
  }
  EXPECT_EQ(sixes, 3) << "three suits are left for the fixed sixes";
  EXPECT_EQ(deckstate[player][6], 0) << "the 6 stays in the stock";
}

TEST_F(GameTable, NoIdentityIsEverBothOnTheTableAndDrawnFromTheStock) {
  if (!useforged()) GTEST_SKIP() << "no forged level files beside the tests";
  testclock(true, 4242);
  for (int n = 1; n <= lastlevel; n++) {
    SCOPED_TRACE("level " + std::to_string(n));
    resettablestate();
    player = 1;
    deal(n);
    tutorialon = n == 1 ? 1 : 0;
    std::set<int> table;
    for (int s = 1; s <= cardcount; s++)
      if (cardvalue[player][s] >= 1 && cardvalue[player][s] <= 13) {
        ASSERT_TRUE(table.insert(identityof(s)).second) << "twice on the table: " << identityof(s);
        ASSERT_EQ(deckstate[player][identityof(s)], 1);
      }
    std::set<int> drawn;
    for (int k = 0; k < 60 && stock[player] > 1; k++) {
      drawfromstock();
      frame();
      int id = stableid[player];
      if (id == STABLE_FISHSLAP) continue;
      ASSERT_EQ(table.count(id), 0u) << "drawn but on the table: " << id;
      ASSERT_TRUE(drawn.insert(id).second) << "drawn twice: " << id;
    }
  }
}

TEST_F(GameTable, AMissingOrEmptyLevelFileEndsAsAFailThatNamesTheFile) {
  writeraw(7, {});  // an empty file; level 8 has none at all
  for (int n : {7, 8}) {
    SCOPED_TRACE(n);
    resettablestate();
    player = 1;
    logcount = 0;
    deal(n);
    EXPECT_GT(logcount, 0);
    EXPECT_NE(loglasttext.find(levelfilename(n)), std::string::npos) << loglasttext;
    frame();
    ASSERT_EQ(gamestat, GAME_END);
    decideresult();
    EXPECT_EQ(gameresult, RESULT_FAIL);
    recordresult();
    EXPECT_EQ(levelstars[player][n], 0);
  }
  // A good file afterwards plays as usual.
  writelevel(7, columnlayout({"5"}));
  resettablestate();
  player = 1;
  deal(7);
  settle();
  EXPECT_EQ(levelbroken, 0);
  EXPECT_EQ(gamestat, GAME_PLAY);
}

TEST_F(GameTable, PlayableMarksFollowTheStableRankOfEverySuitAPlantAndAnItem) {
  writelevel(6, columnlayout({"2", "K", "4", "6", "7", "9"}));
  deal(6);
  settle();
  int two = topslot(1), king = topslot(2), four = topslot(3), six = topslot(4), seven = topslot(5), nine = topslot(6);
  auto marks = [&] {
    frame();
    return std::vector<int>{cardplayable[two], cardplayable[king], cardplayable[four],
                            cardplayable[six], cardplayable[seven], cardplayable[nine]};
  };
  for (int suit = 1; suit <= 4; suit++) {
    setstable(cardidentity(5, suit));
    EXPECT_EQ(marks(), (std::vector<int>{0, 0, 1, 1, 0, 0})) << "a 5 of suit " << suit;
    setstable(cardidentity(1, suit));
    EXPECT_EQ(marks(), (std::vector<int>{1, 1, 0, 0, 0, 0})) << "an ace of suit " << suit;
  }
  stableid[player] = STABLE_PLANT + 1;  // plant 1 acts as an ace
  stablerank[player] = 1;
  EXPECT_EQ(marks(), (std::vector<int>{1, 1, 0, 0, 0, 0}));
  stableid[player] = STABLE_PLANT + 8;
  stablerank[player] = 8;
  EXPECT_EQ(marks(), (std::vector<int>{0, 0, 0, 0, 1, 1}));
  stableid[player] = itemidentity[ITEM_TURNALLUP];  // an item fits nothing
  stablerank[player] = RANK_NONE;
  EXPECT_EQ(marks(), (std::vector<int>{0, 0, 0, 0, 0, 0}));
  stableid[player] = STABLE_FISHSLAP;  // the fish fits everything
  EXPECT_EQ(marks(), (std::vector<int>{1, 1, 1, 1, 1, 1}));
}

TEST_F(GameTable, TakingAPlantCardCountsInTheRunAndEarnsItsPlant) {
  writelevel(6, columnlayout({"5 P", "6 7"}));
  deal(6);
  settle();
  setstable(cardidentity(8, 2));
  int plant = topslot(1);
  int k = cardparam[player][plant];
  ASSERT_GE(k, 1);
  clickcard(plant);
  EXPECT_EQ(combo, 1);
  EXPECT_EQ(plantearn[k], 1);
  settle();
  clickcard(topslot(2));  // the 7
  settle();
  clickcard(topslot(2));  // the 6
  settle();
  clickcard(topslot(1));  // the 5
  settle();
  EXPECT_EQ(combo, 4);
}

TEST_F(GameTable, TallyTextsAndFactorsAgreeForEveryRun) {
  const float want[] = {1.0f, 1.0f, 1.0f, 1.0f, 1.0f, 1.25f, 1.5f, 1.75f, 2.0f, 2.25f, 2.5f, 2.75f, 3.0f, 3.0f, 3.0f};
  for (int m = -1; m <= 13; m++) {
    SCOPED_TRACE("m = " + std::to_string(m));
    EXPECT_FLOAT_EQ(tallyfactor(m), want[m + 1]);
    std::string text = tallytext(m);
    ASSERT_EQ(text.substr(0, 2), "x ");
    EXPECT_FLOAT_EQ(std::stof(text.substr(2)), tallyfactor(m)) << "the text says " << text;
  }
}

TEST_F(GameTable, AHundredPointAwardShowsAsAHundred) {
  pointsfactor[player] = 2;
  addpoints(50, 400, 300, 1, 0, AWARD_BONUS);
  EXPECT_EQ(roundpoints, 100);
  int shown = 0;
  for (int i = 1; i <= effslots; i++)
    if (effkind[i] > EFF_COIN && effkind[i] < EFF_COIN + 200) {
      EXPECT_LE(effkind[i], EFF_COIN + 50) << "a coin with no picture for its number";
      shown += effkind[i] - EFF_COIN;
    }
  EXPECT_EQ(shown, 100);
}

TEST_F(GameTable, ACoveredCardDeepInItsColumnStillTurnsWhenAnExtraTurnsIt) {
  std::string deep;
  for (int i = 0; i < 19; i++) deep += "? ";
  deep += "5b";
  std::vector<levelcard> cards = columnlayout({deep, "G"});
  for (levelcard& k : cards)
    if (k.cover != 0) k.autoturn = 0;
  for (levelcard& k : cards) k.y = 64 + 16 * (k.depth - 1);
  writelevel(6, cards);
  deal(6);
  settle();
  int top = topslot(1);
  ASSERT_EQ(carddepth[player][top], 20);
  ASSERT_EQ(cardfree[player][top], 1);
  turnupframe();
  EXPECT_GE(cardturn[player][top], 2);
  frames(3);
  EXPECT_EQ(cardfaceup[player][top], 1);
  EXPECT_EQ(cardcover[player][top], 0);
}

TEST_F(GameTable, ANewProfileRecordsItsFirstResultAndKeepsTheFewestCardsLeft) {
  clearplayer(player);
  level = 5;
  EXPECT_EQ(levelbest[player][5], 99);
  cardsleft = 4;
  decideresult();
  recordresult();
  EXPECT_EQ(levelbest[player][5], 4);
  EXPECT_EQ(levelstars[player][5], 2);
  cardsleft = 7;
  decideresult();
  recordresult();
  EXPECT_EQ(levelbest[player][5], 4);
  EXPECT_EQ(levelstars[player][5], 2);
}

TEST_F(GameTable, WinningMovesTheFrontierAlsoAcrossAStageEndButAReplayDoesNot) {
  clearplayer(player);
  maplevel[player] = toplevel[player] = 2;
  selectedlevel = 2;
  stage = stageof(2);
  winreset();
  EXPECT_EQ(selectedlevel, 3);
  EXPECT_EQ(maplevel[player], 3);
  EXPECT_EQ(toplevel[player], 3);
  stage = stageof(3);
  winreset();  // 3 ends stage 1
  EXPECT_EQ(toplevel[player], 4);
  EXPECT_EQ(maplevel[player], 4);
  // A replay: the map put the player on level 2 while level 4 is open.
  maplevel[player] = 2;
  selectedlevel = 2;
  stage = stageof(2);
  failcount[player] = 3;
  winreset();
  EXPECT_EQ(toplevel[player], 4);
  EXPECT_EQ(maplevel[player], 2);
  EXPECT_EQ(selectedlevel, 2);
  EXPECT_EQ(failcount[player], 0);
  // A loss counts and resets the round.
  bestcombo[player] = 9;
  pointsfactor[player] = 2;
  roundpoints = 77;
  losereset();
  EXPECT_EQ(failcount[player], 1);
  EXPECT_EQ(bestcombo[player], 0);
  EXPECT_EQ(pointsfactor[player], 1);
  EXPECT_EQ(roundpoints, 0);
}

}  // namespace

#include "tests/gamekit.h"

namespace {

class Game : public GameTest {};

TEST_F(Game, EnteringFromTheGameKeepsItsPicturesAndLeavingReleasesThem) {
  entergame(5);
  Image up = gameuiupimg;
  ASSERT_TRUE(up);
  ASSERT_TRUE(pointsbarimg);
  entergame(6);  // restart or next level: from the game to the game
  EXPECT_EQ(gameuiupimg, up) << "not loaded again";
  fadeto(SCREEN_MENU, 0, 0);  // the main menu's entry releases them
  for (int i = 0; i < 20 && screen != SCREEN_MENU; i++) runframes(1);
  ASSERT_EQ(screen, SCREEN_MENU);
  EXPECT_FALSE(gameuiupimg);
  EXPECT_FALSE(pointsbarimg);
  EXPECT_FALSE(gametrack[1]);
  screen = SCREEN_MAP;
  entergame(5);
  EXPECT_TRUE(gameuiupimg);
  EXPECT_TRUE(pointsbarimg);
}

TEST_F(Game, AStoredGameWithValuesOutOfRangeIsDealtAfreshAndTheLogSaysWhy) {
  uselevels();
  writelevel(5, columnlayout({"? ? ?", "? ?", "? ? ? ?"}));
  struct damage {
    const char* what;
    int* value;
    int bad;
  };
  for (int round = 0; round < 7; round++) {
    SCOPED_TRACE(round);
    resettablestate();
    player = 1;
    entergame(5);
    waitplay();
    saveplayer(player);
    ASSERT_EQ(savedgame[player], 1);
    int s = topslot(2);
    const damage damages[] = {{"column", &cardcolumn[player][s], 21},   {"card value", &cardvalue[player][s], 57},
                              {"stableid", &stableid[player], 9999},    {"stock", &stock[player], 500},
                              {"deckstate", &deckstate[player][7], 7}, {"column 3 holds", &columncount[player][3], 9},
                              {"suit", &cardsuit[player][s], 0}};
    *damages[round].value = damages[round].bad;
    logcount = 0;
    entergame(5);
    EXPECT_EQ(resumed, 0);
    EXPECT_EQ(gamestat, GAME_DEAL) << "dealt afresh";
    EXPECT_GT(logcount, 0);
    EXPECT_NE(loglasttext.find(damages[round].what), std::string::npos) << loglasttext;
    for (int k = 1; k <= cardcount; k++) {
      ASSERT_GE(cardcolumn[player][k], 0);
      ASSERT_LE(cardcolumn[player][k], tablecolumns);
    }
  }
}

TEST_F(Game, AGameStoredWhileACardFliesResumesWithTheCardOnTheStable) {
  uselevels();
  writelevel(5, columnlayout({"? ? ? ? ?", "? ? ? ? ?", "? ? ? ? ?", "? ? ? ? ?"}));
  entergame(5);
  waitplay();
  int s = topslot(3);
  stableid[player] = cardidentity(cardvalue[player][s] % 13 + 1, 2);
  stablerank[player] = cardvalue[player][s] % 13 + 1;
  clickcard(s);
  runframes(3);
  ASSERT_GT(movetime[player], 0);
  int flying = cardidentity(cardvalue[player][s], cardsuit[player][s]);
  saveplayer(player);  // the quit confirmation stores the game at this moment
  // The program starts again and the player comes back to the stored game.
  resettablestate();
  resetgamestate();
  loadplayers(0);
  player = 1;
  screen = SCREEN_MENU;
  entergame(5);
  ASSERT_EQ(resumed, 1);
  EXPECT_EQ(stableid[player], flying);
  EXPECT_EQ(cardvalue[player][s], 0);
  EXPECT_EQ(movetime[player], 0);
  runframes(2);
  EXPECT_EQ(cardsleft, livecards());
  for (int c = 1; c <= 4; c++) {
    int live = 0;
    for (int k = 1; k <= cardcount; k++) live += cardvalue[player][k] > 0 && cardcolumn[player][k] == c;
    EXPECT_EQ(live, std::max(columncount[player][c], 0)) << "column " << c;
  }
}

TEST_F(Game, AGameStoredWhileTheZombieKillerWaitsResumesWithItWaiting) {
  uselevels();
  writelevel(5, columnlayout({"? ? ?", "? ? ?", "? ? ?", "? ? ?"}));
  extraslots[player][2] = ITEM_ZOMBIEKILLER;
  entergame(5);
  waitplay();
  int under = stableid[player];
  clickat(itemx(2), itemy());
  runframes(16);
  ASSERT_EQ(killermode, 1);
  requestclose();  // the window's close button: the quit question stores the game
  runframes(1);
  ASSERT_EQ(popupid, POPUP_QUIT);
  // The program ends there; it starts again and the player comes back.
  resettablestate();
  resetgamestate();
  resetpopups();
  loadplayers(0);
  ASSERT_EQ(savedgame[1], 1);
  player = 1;
  screen = SCREEN_MENU;
  entergame(5);
  ASSERT_EQ(resumed, 1);
  EXPECT_EQ(killermode, 1) << "the killer still waits for its target";
  EXPECT_EQ(stableid[player], itemidentity[ITEM_ZOMBIEKILLER]);
  runframes(2);
  int target = 0;
  for (int s = 1; s <= cardcount && target == 0; s++)
    if (cardcandidate(s)) target = s;
  ASSERT_GT(target, 0);
  clickcard(target);
  EXPECT_EQ(cardvalue[player][target], 0) << "shot";
  EXPECT_EQ(killermode, 0);
  settle();
  EXPECT_NE(stableid[player], itemidentity[ITEM_ZOMBIEKILLER]);
  EXPECT_NE(stableid[player], under);

  // A killer that did its work on an empty stock stays on the stable, at rest: a resume does
  // not hand out a second shot.
  extraslots[player][1] = ITEM_ZOMBIEKILLER;
  stock[player] = 1;
  clickat(itemx(1), itemy());
  runframes(16);
  ASSERT_EQ(killermode, 1);
  target = 0;
  for (int s = 1; s <= cardcount && target == 0; s++)
    if (cardcandidate(s)) target = s;
  ASSERT_GT(target, 0);
  clickcard(target);
  settle();
  ASSERT_EQ(stableid[player], itemidentity[ITEM_ZOMBIEKILLER]);
  saveplayer(player);
  resettablestate();
  resetgamestate();
  loadplayers(0);
  player = 1;
  screen = SCREEN_MENU;
  entergame(5);
  ASSERT_EQ(resumed, 1);
  EXPECT_EQ(killermode, 0);
  runframes(2);
  EXPECT_EQ(inputok, 1);
}

TEST_F(Game, AGameThatEndedIsNeverStoredForAResume) {
  uselevels();
  writelevel(5, columnlayout({"? ?", "?"}));
  cash[player] = 100;
  entergame(5);
  waitplay();
  requestclose();  // the quit question stores the game in play
  runframes(16);
  ASSERT_EQ(popupid, POPUP_QUIT);
  ASSERT_EQ(ondisk(savedgameat), 1);
  clickat(midx - 82, midy + 160);  // no, play on
  runframes(20);
  ASSERT_EQ(popuplevel, 0);
  for (int s = 1; s <= cardcount; s++)
    if (cardvalue[player][s] > 0) {
      cardvalue[player][s] = 0;  // the table cleared
      columncount[player][cardcolumn[player][s]] = 0;
    }
  for (int i = 0; i < 600 && endtime < 390; i++) runframes(1);
  ASSERT_GE(endtime, 390) << "the tally is in the cash";
  int banked = cash[player];
  ASSERT_GT(banked, 100);
  requestclose();  // quit on the end screen, before its buttons
  runframes(2);
  EXPECT_EQ(ondisk(cashat), banked);
  EXPECT_EQ(ondisk(savedgameat), 0) << "a resume would end and bank the game a second time";
}

TEST_F(Game, AResumedGameWithinItsParShowsTheFinishSignPaidAlready) {
  uselevels();
  writelevel(5, columnlayout({"? ?", "?", "? ?"}));
  entergame(5);
  waitplay();
  for (int i = 0; i < 200 && clearedtime < 40; i++) runframes(1);
  ASSERT_GE(clearedtime, 40) << "the sign came and paid";
  saveplayer(player);
  int points = roundpoints;
  ASSERT_EQ(adloadpoints[player], points);
  resettablestate();
  resetgamestate();
  clearedtime = 0;
  loadplayers(0);
  player = 1;
  screen = SCREEN_MENU;
  entergame(5);
  ASSERT_EQ(resumed, 1);
  for (int i = 0; i < 260; i++) runframes(1);
  EXPECT_EQ(roundpoints, points) << "the finish sign paid its 50 once";
  EXPECT_GT(clearedtime, 0) << "and it is up";
  clickat(screenw - 80, screenh - 200);
  EXPECT_EQ(gamestat, GAME_END);
}

TEST_F(Game, TheDealShowsEveryBackOfTheStockAndOfTheCardsStillToCome) {
  uselevels();
  // 21 ranks and 30 special cards: 31 in the stock and 51 still to deal.
  std::vector<std::string> cols;
  for (int c = 0; c < 17; c++) cols.push_back(c < 7 ? "? ? ?" : "B P F");
  writelevel(5, columnlayout(cols));
  entergame(5);
  ASSERT_EQ(gamestat, GAME_DEAL);
  ASSERT_LT(dealtime, 40);
  int backs = stock[player] - 1 + todeal[player];
  ASSERT_GT(backs, cardcount);
  Cls();
  dealframe();
  EXPECT_EQ(DrawCalls(), backs);
}

TEST_F(Game, TheMaxbonusSoundPlaysFromARunOfTwelve) {
  ASSERT_EQ(soundok, 1);
  bestcombo[player] = 0;
  soundplayed.fill(0);
  noterun(11);
  EXPECT_EQ(soundplayed[SFX_MAXBONUS], 0);
  EXPECT_EQ(bestcombo[player], 11);
  noterun(12);
  EXPECT_EQ(soundplayed[SFX_MAXBONUS], 1);
  soundplayed.fill(0);
  noterun(12);  // no new record: only the bar flashes
  EXPECT_EQ(soundplayed[SFX_MAXBONUS], 0);
  noterun(13);
  EXPECT_EQ(soundplayed[SFX_MAXBONUS], 1);
}

TEST_F(Game, TheEndScreenShowsOneOrTwoButtonsByWhereTheLevelStands) {
  struct row {
    int lv, maplv, toplv, result;
    int buttons;
  };
  const row rows[] = {
      {5, 5, 5, RESULT_SOLVED, 2},    // at the frontier: next level and map
      {2, 2, 7, RESULT_SOLVED, 1},    // a replay: only the map
      {6, 6, 6, RESULT_STRIKE, 1},    // the last level of its stage
      {103, 103, 103, RESULT_SOLVED, 2},  // the last level of the game: on to the ending
      {6, 6, 6, RESULT_FAIL, 2},      // a failed game at the frontier: play again
      {2, 2, 7, RESULT_FAIL, 1},      // a failed replay
  };
  for (const row& r : rows) {
    SCOPED_TRACE("level " + std::to_string(r.lv) + " result " + std::to_string(r.result));
    maplevel[player] = r.maplv;
    toplevel[player] = r.toplv;
    entergame(r.lv);
    gamestat = GAME_END;
    endslide = 40;
    gameresult = r.result;
    endtime = 458;
    runframes(4);
    EXPECT_EQ(endbuttons, r.buttons);
  }
}

TEST_F(Game, TheFinishSignPaysAtItsFrame32AndEndsASolvedGame) {
  uselevels();
  writelevel(5, columnlayout({"? ?", "?", "? ?"}));
  entergame(5);
  waitplay();
  for (int i = 0; i < 100 && clearedtime == 0; i++) runframes(1);
  ASSERT_GT(clearedtime, 0);
  EXPECT_GT(gametime, 200);
  for (int i = 0; i < 60 && clearedtime < 31; i++) runframes(1);
  int before = roundpoints;
  runframes(1);
  EXPECT_EQ(clearedtime, 32);
  EXPECT_EQ(roundpoints, before + 50);
  runframes(10);
  clickat(screenw - 80, screenh - 200);
  EXPECT_EQ(gamestat, GAME_END);
  runframes(40);
  EXPECT_EQ(gameresult, RESULT_SOLVED);
}

TEST_F(Game, FocusLostInAnyStatePausesAndAClickGoesOnFromThere) {
  uselevels();
  writelevel(5, columnlayout({"? ? ?", "? ?", "? ? ? ?"}));
  extraslots[player][1] = ITEM_SUDDENSTRIKE;
  entergame(5);
  auto lose = [&] {
    testsuspend(true);
    runframes(1);
    EXPECT_EQ(pausesign, 1);
  };
  auto resume = [&] {
    testsuspend(false);
    runframes(1);
    clickat(midx, 20);  // a click on nothing in particular
    EXPECT_EQ(pausesign, -1);
  };
  // During the deal: the profile is written, with nothing to resume.
  runframes(30);
  lose();
  EXPECT_EQ(ondisk(savedgameat), 0);
  int dt = dealtime, gt = gametime;
  runframes(20);
  EXPECT_EQ(dealtime, dt);
  EXPECT_EQ(gametime, gt);
  resume();
  runframes(2);
  EXPECT_GT(dealtime, dt);
  waitplay();
  // During an extra mode.
  clickat(itemx(1), itemy());
  for (int i = 0; i < 30 && strikemode < 10; i++) runframes(1);
  ASSERT_GT(strikemode, 0);
  lose();
  int sm = strikemode, left = livecards();
  runframes(60);
  EXPECT_EQ(strikemode, sm);
  EXPECT_EQ(livecards(), left);
  EXPECT_EQ(savedgame[player], 1) << "the game in play was stored";
  EXPECT_EQ(ondisk(savedgameat), 1);
  EXPECT_EQ(ondisk(adloadpointsat), roundpoints);
  resume();
  EXPECT_EQ(savedgame[player], 0) << "play goes on: the stored copy is dropped";
  EXPECT_GT(strikemode, sm);
  // On the end screen.
  for (int i = 0; i < 600 && endtime < 100; i++) runframes(1);
  ASSERT_GE(endtime, 100);
  lose();
  EXPECT_EQ(ondisk(savedgameat), 0) << "a game that ended is nothing to resume";
  int et = endtime;
  runframes(20);
  EXPECT_EQ(endtime, et);
  resume();
  EXPECT_GT(endtime, et);
  // With a popup open over the game.
  entergame(5);
  waitplay();
  clickat(midx + 80, 45);
  ASSERT_EQ(popupid, POPUP_INGAME);
  runframes(20);
  lose();
  EXPECT_EQ(ondisk(savedgameat), 1);
  gt = gametime;
  runframes(10);
  resume();
  EXPECT_EQ(popupid, POPUP_INGAME);
  EXPECT_EQ(popuplevel, popupfull);
  EXPECT_EQ(gametime, gt) << "the game stands while the popup is open";
}

}  // namespace
