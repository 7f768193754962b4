// Points and results: double points, the tally multipliers, awards off the screen, the
// fireworks, stars and records, the combo bar, and a whole game played to its end.
//
// Ideas for tests:
// - a game resumed with factor 2 keeps doubling
// - the combo glow of a shorter combo shows its own fill, not the record's
// - tally of a failed game still reaches cash
#include "tests/solitairekit.h"

namespace {

class SolPoints : public SolitaireTest {};

TEST_F(SolPoints, DoublePointsDoubleEveryAwardAfterTheSun) {
  // Nines under every card, so no column empties and pays its own bonus.
  writelevel(6, columnlayout({"9 B", "9 B", "9 5", "9 B"}));
  deal(6);
  settle();
  setstable(cardidentity(4, 1));
  cardparam[player][2] = 3;  // doublesuns
  cardparam[player][4] = 1;  // cash
  cardparam[player][8] = 2;  // cash2
  clickcard(2);
  EXPECT_EQ(roundpoints, 25) << "the sun's own award comes before the factor rises";
  EXPECT_EQ(pointsfactor[player], 2);
  clickcard(6);
  EXPECT_EQ(roundpoints, 25 + 10);
  settle();
  clickcard(4);
  EXPECT_EQ(roundpoints, 25 + 10 + 100);
  clickcard(8);
  EXPECT_EQ(roundpoints, 25 + 10 + 100 + 200);
  EXPECT_EQ(combo, 4);
}

TEST_F(SolPoints, MultiplierTableAndCombosClosedByTheStock) {
  const std::pair<int, const char*> rows[] = {{-1, "x 1.0"}, {3, "x 1.0"},  {4, "x 1.25"}, {5, "x 1.5"},
                                              {6, "x 1.75"}, {7, "x 2.0"},  {8, "x 2.25"}, {9, "x 2.5"},
                                              {10, "x 2.75"}, {11, "x 3.0"}, {40, "x 3.0"}};
  for (auto& r : rows) EXPECT_EQ(tallytext(r.first), r.second) << "m = " << r.first;
  EXPECT_FLOAT_EQ(tallyfactor(10), 2.75f);
  writelevel(6, columnlayout({"5"}));
  deal(6);
  settle();
  combo = 11;
  drawfromstock();
  EXPECT_EQ(bestcombo[player], 11);
  roundpoints = 100;
  starttally();
  EXPECT_EQ(tallytext(tallycombo), "x 2.75");
  EXPECT_EQ(tallytotal, 275);
  banktally();
  EXPECT_EQ(cash[player], 275);
  EXPECT_EQ(roundpoints, 0);
  settle();
  combo = 12;
  drawfromstock();
  EXPECT_EQ(bestcombo[player], 12);
  starttally();
  EXPECT_EQ(tallytext(tallycombo), "x 3.0");
  // A shorter combo afterwards only flashes the bar.
  settle();
  combo = 7;
  comboglow = 0;
  drawfromstock();
  EXPECT_EQ(bestcombo[player], 12);
  EXPECT_EQ(comboglow, 1);
  EXPECT_EQ(showncombo, 7);
}

TEST_F(SolPoints, ComboBarFillsFromFiveAndNeverShrinks) {
  bestcombo[player] = 4;
  for (int i = 0; i < 100; i++) drawcombobar();
  EXPECT_EQ(combofill, 0);
  bestcombo[player] = 5;
  for (int i = 0; i < 100; i++) drawcombobar();
  EXPECT_EQ(combofill, 35);
  bestcombo[player] = 30;
  for (int i = 0; i < 200; i++) drawcombobar();
  EXPECT_EQ(combofill, 280);
  bestcombo[player] = 6;
  drawcombobar();
  EXPECT_EQ(combofill, 280);
}

TEST_F(SolPoints, AwardOffTheScreenAddsNothing) {
  addpoints(25, 0, 100, 1, 0, AWARD_TAKE);
  addpoints(25, 1024, 100, 1, 0, AWARD_TAKE);
  addpoints(25, 100, 0, 1, 0, AWARD_TAKE);
  addpoints(25, 100, 768, 1, 0, AWARD_TAKE);
  EXPECT_EQ(roundpoints, 0);
  EXPECT_EQ(pointsflash, 0);
  addpoints(25, 1, 1, 1, 0, AWARD_TAKE);
  EXPECT_EQ(roundpoints, 25);
  EXPECT_EQ(pointsflash, 1);
  int sparkles = 0, coins = 0;
  for (int i = 1; i <= effslots; i++) {
    sparkles += effkind[i] == EFF_SPARKLEBALL + AWARD_TAKE;
    coins += effkind[i] == EFF_COIN + 25;
  }
  EXPECT_EQ(coins, 1);
  EXPECT_EQ(sparkles, 25);
}

TEST_F(SolPoints, FireworksAdd425ToAStrikeAnd170ToASolvedGame) {
  for (auto [result, expected] : {std::pair{RESULT_STRIKE, 425}, std::pair{RESULT_SOLVED, 170}, std::pair{RESULT_FAIL, 0}}) {
    roundpoints = 0;
    gameresult = result;
    for (int f = 200; f <= 320; f++) fireworks(f);
    EXPECT_EQ(roundpoints, expected) << "result " << result;
  }
}

TEST_F(SolPoints, StarsAndRecordsFollowTheCardsLeftAgainstPar) {
  level = 1;  // par 8
  const int expected[] = {3, 2, 2, 2, 2, 2, 1, 1, 1, 0, 0};
  for (int left = 0; left <= 10; left++) {
    cardsleft = left;
    decideresult();
    int want = expected[left];
    EXPECT_EQ(resultstars(), want) << left << " left";
    EXPECT_EQ(gameresult, left == 0 ? RESULT_STRIKE : left > 8 ? RESULT_FAIL : RESULT_SOLVED);
    EXPECT_EQ(roundstars, want);
  }
  cardsleft = 4;
  decideresult();
  recordresult();
  cardsleft = 7;
  decideresult();
  recordresult();
  EXPECT_EQ(levelstars[player][1], 2);
  EXPECT_EQ(levelbest[player][1], 4);
}

// Deals a level file and plays it to the end: a playable card is always taken, otherwise
// the stock is drawn; when neither is possible the game ends. The points must be exactly
// what the takes, cleared columns and long drives earn, and the result must fit the par.
TEST_F(SolPoints, ScenarioPlaysALevelToItsEnd) {
  writelevel(6, columnlayout({"? ? ? ? 3", "? ? ? 8", "? ? ? ? ?", "? ? ?", "? ? ? ? ?", "? ? 11 ?"}));
  testclock(true, 4242);
  deal(6);
  ASSERT_EQ(gamestat, GAME_PLAY);
  const int dealt = livecards();
  ASSERT_EQ(dealt, 26);
  EXPECT_EQ(stock[player], 52 - 26);
  int takes = 0, longdrives = 0, draws = 0;
  for (int step = 0; step < 400 && gamestat == GAME_PLAY; step++) {
    settle();
    if (gamestat != GAME_PLAY) break;
    int pick = 0;
    for (int s = 1; s <= cardcount && pick == 0; s++)
      if (cardplayable[s] == 1) pick = s;
    if (pick > 0) {
      int c = combo;
      clickcard(pick);
      ASSERT_EQ(combo, c + 1);
      takes++;
    } else if (stock[player] > 1) {
      if (combo > 5) longdrives++;
      clickstock();
      draws++;
    } else {
      gamestat = GAME_END;  // the dead end closes the game
    }
  }
  settle();
  frames(5);
  ASSERT_EQ(gamestat, GAME_END);
  updatecolumns();
  EXPECT_EQ(cardsleft, livecards());
  EXPECT_EQ(cardsleft, dealt - takes);
  int cleared = 0;
  for (int c = 1; c <= columns[player]; c++) cleared += columncount[player][c] == -1;
  EXPECT_EQ(roundpoints, 5 * takes + 25 * cleared + 25 * longdrives);
  EXPECT_LE(draws, 52 - 26 - 1);
  decideresult();
  int want = cardsleft == 0 ? RESULT_STRIKE : cardsleft <= levelpar[6] ? RESULT_SOLVED : RESULT_FAIL;
  EXPECT_EQ(gameresult, want);
  int points = roundpoints;
  for (int f = 231; f <= 299; f++) fireworks(f);
  int fw = gameresult == RESULT_STRIKE ? 425 : gameresult == RESULT_SOLVED ? 170 : 0;
  EXPECT_EQ(roundpoints, points + fw);
  starttally();
  banktally();
  EXPECT_EQ(cash[player], int((points + fw) * tallyfactor(bestcombo[player] - 1)));
  recordresult();
  EXPECT_EQ(levelstars[player][6], resultstars());
  EXPECT_EQ(levelbest[player][6], cardsleft);
}

}  // namespace
