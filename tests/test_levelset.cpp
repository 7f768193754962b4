// The forged level set: every one of the 103 level files deals and plays to its end in the
// game's own routines, always taking a playable card and otherwise drawing.
//
// Ideas for tests:
// - the deal animation of every level ends inside its frame budget
#include "tests/solitairekit.h"
#include <filesystem>

namespace {

class SolLevelSet : public SolitaireTest {};

TEST_F(SolLevelSet, EveryForgedLevelDealsAndPlaysToItsEnd) {
  std::filesystem::path forged = oldcwd / "data" / "levelz";
  if (!std::filesystem::exists(forged / "103.lvl")) GTEST_SKIP() << "no forged level files beside the tests";
  std::filesystem::copy(forged, "data/levelz", std::filesystem::copy_options::recursive | std::filesystem::copy_options::overwrite_existing);
  testclock(true, 777);
  for (int n = 1; n <= 103; n++) {
    SCOPED_TRACE("level " + std::to_string(n));
    resettablestate();
    player = 1;
    deal(n);
    ASSERT_EQ(gamestat, GAME_PLAY);
    const int dealt = livecards();
    ASSERT_GT(dealt, 0);
    ASSERT_LE(dealt, 51);
    for (int step = 0; step < 300 && gamestat == GAME_PLAY; step++) {
      settle();
      if (gamestat != GAME_PLAY) break;
      int pick = 0;
      for (int s = 1; s <= cardcount && pick == 0; s++)
        if (cardplayable[s] == 1) pick = s;
      if (pick > 0) clickcard(pick);
      else if (stock[player] > 1) clickstock();
      else gamestat = GAME_END;  // a dead end closes the game
    }
    settle();
    frames(3);
    ASSERT_EQ(gamestat, GAME_END);
    updatecolumns();
    EXPECT_EQ(cardsleft, livecards());
    decideresult();
    int want = cardsleft == 0 ? RESULT_STRIKE : cardsleft <= levelpar[n] ? RESULT_SOLVED : RESULT_FAIL;
    EXPECT_EQ(gameresult, want);
  }
}

}  // namespace
