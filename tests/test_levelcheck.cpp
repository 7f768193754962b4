// The level checker's players on small tables whose answers are known, and its deals made by
// the game's own routines.
#include "tests/solitairekit.h"
#include "tools/levelcheck/levelplay.h"
#include <set>

namespace {

checkcard rankcard(int rank, int suit = 1) {
  checkcard k;
  k.value = rank;
  k.identity = cardidentity(rank, suit);
  return k;
}
checkcard special(int value, int param = 0) {
  checkcard k;
  k.value = value;
  k.param = param;
  return k;
}
checkcard covered(int rank, int suit, int cover) {
  checkcard k = rankcard(rank, suit);
  k.facedown = 1;
  k.cover = cover;
  return k;
}

}  // namespace

// Stable 5; left column 2 5 6 (6 free), right column 3 4. Only 6-5-4-3-2 clears the table:
// taking the 4 first ends with three cards stuck. Mirrored with K A 3 4 on the left, only
// 6-5-4-3-2-A-K clears it.
TEST(LevelCheckPlayers, OnlyOneOrderClears) {
  checkdeal d = checkdealfrom(20, {{rankcard(2), rankcard(5, 2), rankcard(6)}, {rankcard(3), rankcard(4)}},
                              {cardidentity(5, 3)});
  EXPECT_EQ(playperfect(d, 1000).left, 0);
  EXPECT_FALSE(playperfect(d, 1000).budget);
  // The blind player sees only the 6 and the 4, both a run of one: it opens the deeper column.
  EXPECT_EQ(playblind(d).left, 0);
  // The same table mirrored: the deeper column now holds the trap, the blind player falls in
  // while the perfect player still clears it.
  checkdeal trap = checkdealfrom(20, {{rankcard(13), rankcard(1), rankcard(3), rankcard(4)}, {rankcard(2), rankcard(5, 2), rankcard(6)}},
                                 {cardidentity(5, 3)});
  EXPECT_EQ(playperfect(trap, 5000).left, 0);
  EXPECT_GT(playblind(trap).left, 0);
}

// A face-down card without a cover never turns: it and everything under it stay.
TEST(LevelCheckPlayers, FaceDownCardBlocksItsColumn) {
  checkcard down = rankcard(6);
  down.facedown = 1;
  checkdeal d = checkdealfrom(20, {{rankcard(4), down}, {rankcard(7, 2), rankcard(6, 3)}}, {cardidentity(5, 3), cardidentity(3, 2)});
  EXPECT_EQ(playperfect(d, 1000).left, 2);
  EXPECT_EQ(playblind(d).left, 2);
}

// A pig turns up the birds that lie free when it is taken; a bird still under a card stays
// shut for good. Stable 8: the 9 over the bird must go before the pig.
TEST(LevelCheckPlayers, PigWaitsForItsBirdsToLieFree) {
  checkdeal d = checkdealfrom(20, {{covered(6, 1, 1), rankcard(9)}, {special(CARD_ANIMAL, 1)}},
                              {cardidentity(8, 2), cardidentity(5, 3)});
  EXPECT_EQ(playperfect(d, 1000).left, 0);
  EXPECT_EQ(playblind(d).left, 0);
  // A ninja leaves the birds alone.
  checkdeal wrong = checkdealfrom(20, {{covered(6, 1, 1), rankcard(9)}, {special(CARD_ANIMAL, 2)}},
                                  {cardidentity(8, 2), cardidentity(5, 3)});
  EXPECT_EQ(playperfect(wrong, 1000).left, 1);
}

// Plants and bonus cards fit whatever the stable shows; the fish makes it wild; a wild card
// from the stock lets any free face fit.
TEST(LevelCheckPlayers, SpecialCardsAndTheWildStock) {
  checkdeal d = checkdealfrom(20, {{rankcard(11), special(CARD_FISHSLAP)}, {rankcard(12), special(CARD_PLANT), special(CARD_BONUS)}},
                              {cardidentity(7, 1)});
  EXPECT_EQ(playblind(d).left, 0);  // bonus, plant, the fish; on the wild stable J then Q
  EXPECT_EQ(playperfect(d, 1000).left, 0);
  // Without the fish nothing fits a 7 and the stock is empty: the jack and the queen stay.
  checkdeal plain = checkdealfrom(20, {{rankcard(11)}, {rankcard(12), special(CARD_PLANT), special(CARD_BONUS)}},
                                  {cardidentity(7, 1)});
  EXPECT_EQ(playperfect(plain, 1000).left, 2);
  // A wild card drawn from the stock does the fish's work.
  checkdeal wild = checkdealfrom(20, {{rankcard(11)}, {rankcard(12), special(CARD_PLANT), special(CARD_BONUS)}},
                                 {cardidentity(7, 1), STABLE_FISHSLAP});
  EXPECT_EQ(playblind(wild).left, 0);
}

class LevelCheckDeals : public SolitaireTest {};

// Deals come from the game's own deal routine: distinct identities, the stock holds the rest
// but one card, the same seed gives the same deal.
TEST_F(LevelCheckDeals, DealMatchesTheGame) {
  std::vector<levelcard> cards = columnlayout({"? ? ? 7", "? ?bd ? ?", "? G ? ?", "P ? ? 13", "? ? B ?", "? ? F ?", "? ? ? ?"});
  writelevel(7, cards);
  ASSERT_TRUE(checkloadlevel(7));
  checkdeal d = checkmakedeal(7, 42);
  EXPECT_EQ(d.cardcount, 28);
  // Everything below indexes the deal: a deal that came out empty stops the test here.
  ASSERT_EQ(int(d.columns.size()), 7);
  for (const auto& col : d.columns) ASSERT_EQ(col.size(), 4u);
  int ranks = 0;
  std::set<int> seen;
  for (const auto& col : d.columns)
    for (const auto& k : col)
      if (k.value >= 1 && k.value <= 13) {
        ranks++;
        EXPECT_TRUE(seen.insert(k.identity).second);
      }
  EXPECT_EQ(ranks, 24);
  EXPECT_EQ(d.stockstart, 52 - 24);
  ASSERT_EQ(int(d.stockorder.size()), d.stockstart - 1);
  for (int id : d.stockorder) {
    if (id == STABLE_FISHSLAP) continue;
    EXPECT_TRUE(seen.insert(id).second) << id;
  }
  EXPECT_EQ(d.columns[0].back().value, 7);
  EXPECT_EQ(d.columns[1][1].cover, 1);
  EXPECT_EQ(d.columns[1][1].facedown, 1);
  checkdeal again = checkmakedeal(7, 42);
  ASSERT_EQ(again.columns.size(), d.columns.size());
  ASSERT_EQ(again.columns[6].size(), 4u);
  EXPECT_EQ(again.stockorder, d.stockorder);
  EXPECT_EQ(again.columns[6][3].identity, d.columns[6][3].identity);
}

// Level 2 draws from the helping stock during play, through the game's own routine: a plain
// 28-card table is nearly always solved within par 8.
TEST_F(LevelCheckDeals, HelpingStockLevel) {
  writelevel(2, columnlayout({"? ? ? ?", "? ? ? ?", "? ? ? ?", "? ? ? ?", "? ? ? ?", "? ? ? ?", "? ? ? ?"}));
  ASSERT_TRUE(checkloadlevel(2));
  int solved = 0;
  for (int k = 0; k < 20; k++) {
    checkdeal d = checkmakedeal(2, uint32_t(k + 1));
    EXPECT_TRUE(d.helping);
    EXPECT_TRUE(d.stockorder.empty());
    solved += playblind(d).left <= 8;
  }
  EXPECT_GE(solved, 15);
  EXPECT_FALSE(checkloadlevel(99));  // no such file
}
