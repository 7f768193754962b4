// Dead ends met by the autoplay, played as a person plays them: a plant picked a little late,
// just as the no-moves dialog would come up.
//
// Ideas for tests:
// - an item (not a plant) picked in the last frames before the dialog
// - a card of the table turning up by itself just as the dialog begins to fade in
// - the dialog coming back at full strength after a later dead end in the same game
#include "tests/gamekit.h"

namespace {

class DeadEnds : public GameTest {
 protected:
  // One column per token list at x = 48 + 112 c.
  std::vector<levelcard> cols(const std::vector<std::string>& c) {
    std::vector<levelcard> cards = columnlayout(c);
    for (levelcard& k : cards) k.x += 16;
    return cards;
  }
  void stableis(int rank) {
    stableid[player] = cardidentity(rank, 2);
    stablerank[player] = rank;
  }
};

TEST_F(DeadEnds, APlantPickedAsTheDialogWouldComeLeavesThePlantsAndTheDialogFree) {
  uselevels();
  // A 9 and a 4 that neither fit the stable's 2; plants 8 and 3 open one each.
  writelevel(10, cols({"9", "4"}));
  plants[player].fill(0);
  plants[player][8] = plants[player][3] = 1;  // plants but no item: the dialog would ask
  entergame(10);
  waitplay();
  stock[player] = 1;
  stableis(2);
  runframes(2);
  ASSERT_EQ(anyplayable, 0);
  // The player thinks for a while, then picks plant 8: it flies while the wait runs out.
  for (int i = 0; i < 200 && stuckframes < 30; i++) runframes(1);
  clickat(plantx(8), planty(8));
  ASSERT_GT(plantfly[8], 0) << "on its way";
  int most = 0;
  for (int i = 0; i < 20 && plantfly[8] > 0; i++) {
    runframes(1);
    most = std::max(most, nomoves);
  }
  EXPECT_EQ(most, 0) << "no dialog while the plant is on its way";
  EXPECT_EQ(stablerank[player], 8);
  runframes(2);
  EXPECT_EQ(nomoves, 0);
  // The 9 goes; then plant 3 opens the 4: the plant bar still answers.
  int nine = topslot(1), four = topslot(2);
  clickcard(nine);
  settle();
  EXPECT_EQ(cardvalue[player][nine], 0) << "the 9 went onto the plant";
  clickat(plantx(3), planty(3));
  EXPECT_GT(plantfly[3], 0) << "the second plant answers";
  settle();
  EXPECT_EQ(stablerank[player], 3);
  clickcard(four);
  settle();
  EXPECT_EQ(cardvalue[player][four], 0);
}

TEST_F(DeadEnds, TheDialogStillComesWhenNothingIsUsed) {
  uselevels();
  writelevel(10, cols({"9", "4"}));
  plants[player].fill(0);
  plants[player][8] = 1;
  entergame(10);
  waitplay();
  stock[player] = 1;
  stableis(2);
  for (int i = 0; i < 80 && nomoves == 0; i++) runframes(1);
  EXPECT_GT(nomoves, 0) << "a held plant alone does not keep the question away";
  EXPECT_EQ(stuckframes, 41);
}

}  // namespace
