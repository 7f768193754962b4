// The hint and the odds sign, driven through the game screen's frames with the keys and the
// clicks a person uses: the hint reads only what a person sees, the odds agree with the
// perfect player.
//
// Ideas for tests:
// - the hint prefers a free plant or bonus card, then a fitting face, then the stock
// - with nothing fitting and the stock gone the hint marks nothing
// - the hint's mark goes as soon as the table changes, and after three seconds
// - the hint costs no points and leaves the hall of fame alone
// - O toggles the sign; a move restarts the count; a popup does not stop it
// - the odds are 0 exactly when no line reaches par, on tables whose every card is seen
// - covered cards whose animal is gone hold the table above par: 0 whatever lies under them
// - the opening odds of a shipped level agree with the level report's perfect par share
#include "tests/gamekit.h"
#include "solitaire/hint.h"
#include "solitaire/odds.h"
#include "solitaire/solver.h"
#include <fstream>
#include <random>
#include <sstream>

namespace {

class AidsKit : public GameTest {
 protected:
  // A game of level n at rest, the first stock card on the stable.
  void playlevel(int n) {
    entergame(n);
    waitplay();
    rest();
  }
  // Lays the stable to a rank (a drawn identity) and lets a frame pass.
  void stableto(int id) {
    stableid[player] = id;
    stablerank[player] = identityrank(id);
    deckstate[player][id] = 2;
    runframes(1);
  }
  // Everything the player has not seen, dealt afresh: the face-down ranks swap identities
  // with each other and with the stock, and the stock's dice are rolled from a new seed.
  void reshufflehidden(uint32_t seed) {
    const int p = player;
    std::vector<int> slots, pool;
    for (int s = 1; s <= cardcount; s++)
      if (cardvalue[p][s] >= 1 && cardvalue[p][s] <= 13 && cardfaceup[p][s] == 0) {
        slots.push_back(s);
        pool.push_back(cardidentity(cardvalue[p][s], cardsuit[p][s]));
      }
    for (int id = 1; id <= cardcount; id++)
      if (deckstate[p][id] == 0) pool.push_back(id);
    std::mt19937 rng(seed);
    std::shuffle(pool.begin(), pool.end(), rng);
    for (int id : pool) deckstate[p][id] = 0;
    for (size_t i = 0; i < slots.size(); i++) {
      int id = pool[i];
      cardvalue[p][slots[i]] = identityrank(id);
      cardsuit[p][slots[i]] = identitysuit(id);
      deckstate[p][id] = 1;
    }
    SeedRnd(int(seed));
  }
  int hinted() { return hintstock == 1 ? -1 : hintslot; }
  // An identity of this rank still in the stock, 0 none.
  int stockidentity(int rank) {
    for (int suit = 1; suit <= 4; suit++)
      if (deckstate[player][cardidentity(rank, suit)] == 0) return cardidentity(rank, suit);
    return 0;
  }
  // Frames until nothing flies or turns.
  void rest() {
    settle();
    for (int i = 0; i < 80 && !tableatrest(); i++) runframes(1);
    ASSERT_TRUE(tableatrest());
  }
};
class Hint : public AidsKit {};
class Odds : public AidsKit {};

// A table with face-down cards under every free one, covers and animals.
std::vector<levelcard> hiddentable() {
  return columnlayout({"? ? ? ?", "? ?b ? ?", "? ? G", "? ? ? ? ?", "?f ? N ?", "? ? ?", "? ? ? ?"});
}

}  // namespace

TEST_F(Hint, SameWhateverLiesFaceDownOrInTheStock) {
  uselevels();
  writelevel(14, hiddentable());
  playlevel(14);
  int checked = 0, stockhints = 0;
  for (int round = 0; round < 6; round++) {
    // A different stable each round: the hint follows what is seen.
    int id = stockidentity(1 + (round * 5) % 13);
    if (id > 0) stableto(id);
    rest();
    resethint();
    presskey('H');
    ASSERT_GT(hinttime, 0) << "round " << round << ": H marked nothing";
    int first = hinted();
    stockhints += first == -1;
    for (uint32_t seed = 1; seed <= 4; seed++) {
      reshufflehidden(seed * 977 + uint32_t(round));
      resethint();
      presskey('H');
      EXPECT_EQ(hinted(), first) << "round " << round << " seed " << seed;
      checked++;
    }
  }
  EXPECT_EQ(checked, 24);
}

TEST_F(Hint, PicksAFreeGiftThenAFittingFaceThenTheStockAndCostsNothing) {
  uselevels();
  writelevel(14, columnlayout({"? 9", "? 4", "2 P", "? K"}));
  playlevel(14);
  int points = roundpoints, money = cash[player];
  // Stable 5: the plant is free and fits always; it comes first.
  stableto(cardidentity(5, 3));
  presskey('H');
  EXPECT_EQ(hintslot, topslot(3));
  EXPECT_EQ(roundpoints, points);
  EXPECT_EQ(cash[player], money);
  // Take it by hand: the mark goes with the move, and the next hint is the 4 on the 5.
  clickcard(topslot(3));
  rest();
  EXPECT_EQ(hinttime, 0) << "the mark outlived the move";
  points = roundpoints;
  presskey('H');
  EXPECT_EQ(hintslot, topslot(2));
  // Stable 7: nothing fits, the stock is marked, and the button asks as H does.
  stableto(cardidentity(7, 2));
  rest();
  resethint();
  clickat(midx + 190, 700);
  EXPECT_EQ(hintstock, 1);
  EXPECT_EQ(roundpoints, points);
  // The mark shows over the stock for three seconds, then goes.
  runframes(160);
  EXPECT_EQ(hinttime, 0);
  // No stock and nothing fitting: nothing to mark.
  stock[player] = 1;
  runframes(1);
  presskey('H');
  EXPECT_EQ(hinttime, 0);
  EXPECT_EQ(cash[player], money);
}

// Tables whose every card is seen (one card a column, the stock used up): every sample is
// the table itself, so the sign's 0 must be the perfect player's own answer.
TEST_F(Odds, ZeroExactlyWhenThePerfectPlayerFindsNoWayToPar) {
  uselevels();
  // Par of level 14 is 7: nine single cards, some chains of neighbours.
  const std::vector<std::vector<std::string>> tables = {
      {"2", "3", "4", "5", "9", "10", "J", "Q", "K"},  // from a 6: 5-4-3-2, five left
      {"2", "4", "6", "8", "10", "Q", "K", "9", "7"},  // from a 3: the 2 or the 4, then stuck with eight
      {"A", "3", "5", "7", "9", "J", "K", "2", "Q"},   // from a 4: 3-2-A-K-Q-J, three left
  };
  const int stables[] = {cardidentity(6, 4), cardidentity(3, 4), cardidentity(4, 4)};
  int zeros = 0, positives = 0;
  for (size_t t = 0; t < tables.size(); t++) {
    writelevel(14, columnlayout(tables[t]));
    playlevel(14);
    stock[player] = 1;  // the stock is used up
    stableto(stables[t]);
    rest();
    tableview v = readtableview();
    ASSERT_TRUE(v.hidden.empty());
    checkresult best = playperfect(v.deal, 1000000);
    ASSERT_FALSE(best.budget);
    presskey('O');
    ASSERT_EQ(oddson, 1);
    oddswait();
    ASSERT_EQ(oddsfinished, 1);
    bool reaches = best.left <= levelpar[14];
    EXPECT_EQ(oddspercent == 0, !reaches) << "table " << t << ": " << oddspercent << " %, best " << best.left;
    if (reaches) {
      EXPECT_EQ(oddspercent, 100) << "table " << t;
    }
    zeros += oddspercent == 0;
    positives += oddspercent > 0;
    presskey('O');
    EXPECT_EQ(oddson, 0);
  }
  EXPECT_GT(zeros, 0);
  EXPECT_GT(positives, 0);
}

// Covered cards lie under every column and their animals are gone: whatever the unseen
// cards are, more than par stay, and the sign says so; with the animals back it has hope.
TEST_F(Odds, ZeroWhenCoveredCardsCanNeverTurn) {
  uselevels();
  // Ten covered cards; with one pig and one ninja at most one cover a column can lie free
  // when its animal goes, so six stay shut at best: par 7 is in reach only while they wait.
  writelevel(14, columnlayout({"?b ?b ?b ?", "?b ?b ? ?", "?f ?f ?f ?", "?f ?f ? ?", "G", "N"}));
  playlevel(14);
  presskey('O');
  oddswait();
  EXPECT_GT(oddspercent, 0) << "the animals still lie there";
  // The pig and the ninja leave while their covers lie under other cards.
  for (int c = 5; c <= 6; c++) {
    clickcard(topslot(c));
    rest();
  }
  oddswait();
  EXPECT_EQ(oddsfinished, 1);
  EXPECT_EQ(oddspercent, 0);
  // The sign's text says it outright.
  EXPECT_EQ(gametext(4, 3), "No par left");
}

// The opening odds of a shipped level: the share of samples the perfect player brings within
// par lies within 5 points of the level report's perfect par share.
TEST_F(Odds, OpeningOddsAgreeWithTheLevelReport) {
  std::ifstream in(std::string(getenv("MORGAVELLE_SOURCE") ? getenv("MORGAVELLE_SOURCE") : "..") +
                   "/content/levels/report.md");
  ASSERT_TRUE(in) << "no level report";
  const int lv = 25;
  double share = -1;
  std::string line;
  while (std::getline(in, line)) {
    if (line.rfind("| " + std::to_string(lv) + " |", 0) != 0) continue;
    std::vector<std::string> cells;
    std::stringstream row(line);
    std::string cell;
    while (std::getline(row, cell, '|')) cells.push_back(cell);
    ASSERT_GT(cells.size(), 11u);
    share = std::stod(cells[11]);  // Perfect par %
  }
  ASSERT_GE(share, 0) << "level " << lv << " is not in the report";
  uselevels();
  maplevel[player] = toplevel[player] = lv;
  playlevel(lv);
  presskey('O');
  oddswait();
  ASSERT_EQ(oddsfinished, 1);
  EXPECT_NEAR(oddspercent, share, 5.0);
}
