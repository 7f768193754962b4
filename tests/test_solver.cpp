// The perfect player's search against a plain search of every line on small random tables:
// the pruning (cards that can never leave, positions already settled, the free takes) must
// never lose a line.
//
// Ideas for tests:
// - random tables with covers, animals, the fish, face-down cards and wild stock cards:
//   the fewest cards left equals the plain search's, and the par question agrees
// - a lower bound never above the true fewest (checked through the result's `lower`)
// - a tiny budget reports the deal unsettled with an honest bound
// - a table larger than the position table still settles (slots give way)
#include "solitaire/cards.h"
#include "solitaire/levelformat.h"
#include "solitaire/solver.h"
#include <gtest/gtest.h>
#include <random>

namespace {

// Every line, no shortcuts: the fewest cards any stopping point leaves.
int plainfewest(const checkdeal& d, const playstate& s) {
  int best = s.left;
  for (int c = 0; c < int(d.columns.size()); c++) {
    if (!takeable(d, s, c)) continue;
    playstate n = s;
    taketop(d, n, c);
    best = std::min(best, plainfewest(d, n));
  }
  if (drawsleft(d, s) > 0) {
    playstate n = s;
    drawnext(d, n);
    best = std::min(best, plainfewest(d, n));
  }
  return best;
}

// A random small table: ranks with distinct identities, a few specials, covers with their
// animals somewhere above them or in another column, face-down cards, and a stock that may
// hold the wild card.
checkdeal randomtable(std::mt19937& rng) {
  auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  checkdeal d;
  d.level = 20;
  std::vector<int> ids(52);
  for (int i = 0; i < 52; i++) ids[i] = i + 1;
  std::shuffle(ids.begin(), ids.end(), rng);
  size_t next = 0;
  int cols = pick(2, 4);
  bool pig = false, ninja = false;
  for (int c = 0; c < cols; c++) {
    std::vector<checkcard> col;
    int h = pick(1, 4);
    for (int i = 0; i < h; i++) {
      checkcard k;
      int roll = pick(0, 19);
      if (roll == 0) k.value = CARD_PLANT;
      else if (roll == 1) k.value = CARD_BONUS;
      else if (roll == 2) k.value = CARD_FISHSLAP;
      else if (roll == 3 && i > 0) k.value = CARD_ANIMAL, k.param = pick(1, 2);
      else {
        k.identity = ids[next++];
        k.value = identityrank(k.identity);
        int mark = pick(0, 9);
        if (mark == 0) k.facedown = 1;  // never turns
        else if (mark <= 2) k.facedown = 1, k.cover = pick(1, 2);
      }
      pig |= k.value == CARD_ANIMAL && k.param == 1;
      ninja |= k.value == CARD_ANIMAL && k.param == 2;
      col.push_back(k);
    }
    d.columns.push_back(col);
  }
  // Covers without their animal get one on top of another column.
  for (int kind = 1; kind <= 2; kind++) {
    bool needed = false;
    for (auto& col : d.columns)
      for (auto& k : col) needed |= k.cover == kind;
    if (needed && !(kind == 1 ? pig : ninja)) {
      checkcard a;
      a.value = CARD_ANIMAL;
      a.param = kind;
      d.columns[pick(0, cols - 1)].push_back(a);
    }
  }
  int draws = pick(1, 5);
  for (int i = 0; i < draws; i++) d.stockorder.push_back(pick(0, 12) == 0 ? solvewild : ids[next++]);
  d.stockstart = draws + 1;
  finishdeal(d);
  return d;
}

}  // namespace

TEST(Solver, FewestLeftMatchesEveryLine) {
  std::mt19937 rng(20261210);
  int settledstrikes = 0, withleft = 0;
  for (int round = 0; round < 600; round++) {
    checkdeal d = randomtable(rng);
    int truth = plainfewest(d, startstate(d));
    solvetable table;
    sizetable(table, 10);  // small: slots must give way without losing lines
    checkresult r = playperfect(d, 1000000, table);
    ASSERT_FALSE(r.budget) << "round " << round;
    ASSERT_EQ(r.left, truth) << "round " << round;
    // Asking for a target just at and just below the truth.
    EXPECT_EQ(reachestarget(d, truth, 1000000, table), 1) << "round " << round;
    if (truth > 0) {
      EXPECT_EQ(reachestarget(d, truth - 1, 1000000, table), 0) << "round " << round;
    }
    settledstrikes += truth == 0;
    withleft += truth > 0;
  }
  // The tables must exercise both answers.
  EXPECT_GT(settledstrikes, 20);
  EXPECT_GT(withleft, 50);
}

// Stable 5; left column 2 5 6 (6 free), right column 3 4. A budget of one position cannot
// settle the deal: the answer is a bound, its lower end below the upper.
TEST(Solver, BudgetLeavesAnHonestBound) {
  checkdeal d;
  d.level = 20;
  auto rank = [](int r, int suit) {
    checkcard k;
    k.value = r;
    k.identity = cardidentity(r, suit);
    return k;
  };
  d.columns = {{rank(2, 1), rank(5, 2), rank(6, 1)}, {rank(3, 1), rank(4, 1)}, {rank(13, 2), rank(9, 3)}};
  d.stockorder = {cardidentity(5, 3), cardidentity(8, 4)};
  d.stockstart = 3;
  finishdeal(d);
  checkresult cut = playperfect(d, 1);
  EXPECT_TRUE(cut.budget);
  EXPECT_LE(cut.lower, cut.left);
  checkresult full = playperfect(d, 100000);
  EXPECT_FALSE(full.budget);
  EXPECT_EQ(full.left, plainfewest(d, startstate(d)));
  EXPECT_LE(cut.lower, full.left);
  EXPECT_GE(cut.left, full.left);
}
