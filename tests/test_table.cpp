// Table rules and the stock: which card may go onto the stable, the wild stable, face-down
// and animal cards, cleared columns, the fixed level-1 deal, overlapping cards, the stock
// counts, the helping stock, the wild draws and the long drive.
//
// Ideas for tests:
// - a zombie killer removing a column's last card fires the cleared sign once
// - a resumed game at drawtime 5 finishes its draw animation
// - the deal on a 1366-wide screen orders cards up to x = 1344
#include "tests/solitairekit.h"

namespace {

class SolTable : public SolitaireTest {};

TEST_F(SolTable, AceAndKingAreNeighboursAndSevenOnlyFitsSixOrEight) {
  writelevel(6, columnlayout({"1", "13", "7"}));
  deal(6);
  settle();
  int ace = topslot(1), king = topslot(2), seven = topslot(3);
  ASSERT_EQ(cardvalue[player][ace], 1);
  struct row {
    int stable;
    int ace, king, seven;  // expected playable marks
  };
  const row rows[] = {{2, 1, 0, 0}, {13, 1, 0, 0}, {1, 0, 1, 0}, {12, 0, 1, 0},
                      {6, 0, 0, 1}, {8, 0, 0, 1},  {5, 0, 0, 0}, {9, 0, 0, 0}};
  for (const row& r : rows) {
    setstable(cardidentity(r.stable, 1));
    frame();
    EXPECT_EQ(cardplayable[ace], r.ace) << "stable rank " << r.stable;
    EXPECT_EQ(cardplayable[king], r.king) << "stable rank " << r.stable;
    EXPECT_EQ(cardplayable[seven], r.seven) << "stable rank " << r.stable;
  }
  // A king onto an ace really moves it and the stable takes the king's rank.
  setstable(cardidentity(1, 2));
  clickcard(king);
  settle();
  EXPECT_EQ(cardvalue[player][king], 0);
  EXPECT_EQ(stablerank[player], 13);
  EXPECT_EQ(stableid[player], cardidentity(13, cardsuit[player][king]));
}

TEST_F(SolTable, FishslapMakesTheStableWildUntilTheNextCard) {
  writelevel(6, columnlayout({"F", "9", "4"}));
  deal(6);
  settle();
  setstable(cardidentity(2, 1));
  int fish = topslot(1), nine = topslot(2), four = topslot(3);
  frame();
  EXPECT_EQ(cardplayable[fish], 1);
  EXPECT_EQ(cardplayable[nine], 0);
  clickcard(fish);
  settle();
  EXPECT_EQ(stableid[player], STABLE_FISHSLAP);
  EXPECT_EQ(stablerank[player], 2);  // the rank stays, but nothing needs it now
  EXPECT_EQ(cardplayable[nine], 1);
  EXPECT_EQ(cardplayable[four], 1);
  clickcard(nine);
  settle();
  EXPECT_EQ(stablerank[player], 9);
  EXPECT_EQ(cardplayable[four], 0);  // wild no more
}

TEST_F(SolTable, FaceDownFreeCardIsInertButAnAnimalIsTakenFaceDown) {
  writelevel(6, columnlayout({"5d", "G", "3b 4", "8f 9"}));
  deal(6);
  settle();
  setstable(cardidentity(4, 1));
  int down = topslot(1), pig = topslot(2), bird = topslot(3) - 1;
  frame();
  EXPECT_EQ(cardfree[player][down], 1);
  EXPECT_EQ(cardfaceup[player][down], 0);
  EXPECT_EQ(cardplayable[down], 0);
  clickcard(down);
  EXPECT_EQ(tablepopupage[1], 0) << "no invalid sign over a face-down card";
  EXPECT_EQ(cardvalue[player][down], 5);
  // The pig is never turned up, yet it is taken, and it frees the birds only.
  EXPECT_EQ(cardfaceup[player][pig], 0);
  EXPECT_EQ(cardplayable[pig], 1);
  ASSERT_EQ(cardcover[player][bird], 1);
  int fruit = topslot(4) - 1;
  ASSERT_EQ(cardcover[player][fruit], 2);
  int fruitturn = cardturn[player][fruit];
  clickcard(pig);
  EXPECT_EQ(cardvalue[player][pig], 0);
  EXPECT_EQ(combo, 1);
  EXPECT_EQ(roundpoints, 25);
  // Set to 60 - 2 x depth; the bird card, drawn after the pig in the same frame, counts once.
  EXPECT_EQ(cardturn[player][bird], 60 - 2 * carddepth[player][bird] - 1);
  EXPECT_EQ(cardturn[player][fruit], fruitturn);
  int feathers = 0;
  for (int i = 1; i <= effslots; i++) feathers += effkind[i] == EFF_BIRDFEATHERS;
  EXPECT_EQ(feathers, 5);
}

TEST_F(SolTable, ClearedColumnPaysOneFrameAfterItsLastCardAndShowsTheSign) {
  writelevel(6, columnlayout({"5", "9 9"}));
  deal(6);
  settle();
  setstable(cardidentity(4, 1));
  clickcard(topslot(1));
  EXPECT_EQ(roundpoints, 5);
  EXPECT_EQ(columncount[player][1], 0);
  frame();
  EXPECT_EQ(roundpoints, 30);
  EXPECT_EQ(columncount[player][1], -1);
  EXPECT_EQ(tablepopupkind[1], 2);
  EXPECT_FLOAT_EQ(tablepopupx[1], 32 + 48);
  frames(5);
  EXPECT_EQ(roundpoints, 30) << "the cleared event fires once";
  EXPECT_EQ(columntop[player][1], -11);
  EXPECT_EQ(gamestat, GAME_PLAY);
}

TEST_F(SolTable, InvalidClickShowsTheSignAndChangesNothingElse) {
  writelevel(6, columnlayout({"9"}));
  deal(6);
  settle();
  setstable(cardidentity(4, 1));
  clickcard(topslot(1));
  EXPECT_EQ(tablepopupkind[1], 1);
  EXPECT_EQ(tablepopupage[1], 2);
  EXPECT_EQ(cardvalue[player][topslot(1)], 9);
  EXPECT_EQ(combo, 0);
  EXPECT_EQ(roundpoints, 0);
  EXPECT_EQ(movingcard, 0);
  frames(60);
  EXPECT_EQ(tablepopupage[1], 0);
}

TEST_F(SolTable, LevelOneDealsTheSameFacesEveryTime) {
  // Slot 6 is a fixed king, whose suit is random; the other slots are random ranks.
  writelevel(1, columnlayout({"? ? ?", "? ? 13", "? ?", "?"}));
  writelevel(6, columnlayout({"? ? ?", "? ? 13", "? ?", "?"}));
  auto faces = [&](int n, int clock) {
    testclock(true, clock);
    deal(n);
    std::vector<int> ids;
    for (int s = 1; s <= 9; s++)
      if (s != 6) ids.push_back(cardidentity(cardvalue[player][s], cardsuit[player][s]));
    return ids;
  };
  std::vector<int> a = faces(1, 1000), b = faces(1, 987654);
  EXPECT_EQ(a, b);
  EXPECT_EQ(a[0], cardidentity(1 % 13 + 1, 1 % 4 + 1));  // slot 1: rank 2 of suit 2
  std::vector<int> c = faces(6, 1000), d = faces(6, 987654);
  EXPECT_NE(c, d) << "other levels deal at random";
}

TEST_F(SolTable, ClickOverTwoOverlappingFreeCardsTakesTheLowerSlotOnly) {
  std::vector<levelcard> cards = columnlayout({"5", "5"});
  cards[1].x = 80;  // the second column lies over the first
  writelevel(6, cards);
  deal(6);
  settle();
  setstable(cardidentity(4, 1));
  clickat(110, 120);
  EXPECT_EQ(movingcard, 1);
  EXPECT_EQ(combo, 1);
  EXPECT_EQ(cardvalue[player][2], 5);
  EXPECT_EQ(tablepopupage[1], 0);
}

TEST_F(SolTable, TwentyEightCardsLeaveAStockOfTwentyFourWithOneNeverDrawn) {
  writelevel(2, columnlayout({"? ? ? ?", "? ? ? ?", "? ? ? ?", "? ? ? ?", "? ? ? ?", "? ? ? ?", "? ? ? ?"}));
  deal(2);
  EXPECT_EQ(stock[player], 24);
  EXPECT_EQ(stockstart[player], 24);
  frame();  // the first card turns at once
  frame();
  EXPECT_EQ(stock[player], 23);
  EXPECT_EQ(metercount, 22);
  EXPECT_EQ(stocktopx, midx - 120 + 2 * 22);
  settle();
  for (int i = 0; i < 22; i++) {
    clickstock();
    settle();
  }
  EXPECT_EQ(stock[player], 1);
  EXPECT_EQ(stocktopx, 0) << "the pile is gone";
  int drawn = 0, left = 0;
  for (int id = 1; id <= cardcount; id++) {
    drawn += deckstate[player][id] == 2;
    left += deckstate[player][id] == 0;
  }
  EXPECT_EQ(drawn, 23);
  EXPECT_EQ(left, 1);
  // A draw from an empty stock keeps the stable's top and still closes the combo.
  int top = stableid[player];
  combo = 3;
  drawfromstock();
  settle();
  EXPECT_EQ(stableid[player], top);
  EXPECT_EQ(combo, 0);
  for (int i = 0; i < 120; i++) frame();
  EXPECT_GT(metery, screenh) << "the cardometer falls off the screen";
}

TEST_F(SolTable, HelpingStockOnLevelTwoDrawsACardThatFitsAColumn) {
  writelevel(2, columnlayout({"5", "9", "12"}));
  deal(2);
  settle();
  for (int i = 0; i < 20; i++) {
    int r = identityrank(stableid[player]);
    EXPECT_TRUE(r == 4 || r == 6 || r == 8 || r == 10 || r == 11 || r == 13) << "drew rank " << r;
    clickstock();
    settle();
  }
}

TEST_F(SolTable, FromLevelThreeAboutOneDrawInThirtyIsWild) {
  writelevel(7, columnlayout({"5"}));
  deal(7);
  int wild = 0;
  for (int i = 0; i < 3000; i++) wild += nextstockcard() == STABLE_FISHSLAP;
  EXPECT_GT(wild, 55);
  EXPECT_LT(wild, 150);
  level = 2;
  wild = 0;
  for (int i = 0; i < 600; i++) wild += nextstockcard() == STABLE_FISHSLAP;
  EXPECT_EQ(wild, 0);
}

TEST_F(SolTable, LongDriveAfterSixActionsButNotFive) {
  for (int takes : {5, 6}) {
    resettablestate();
    player = 1;
    writelevel(6, columnlayout({"1 2 3 4 5 6 7"}));
    deal(6);
    settle();
    setstable(cardidentity(8, 1));
    for (int i = 0; i < takes; i++) {
      clickcard(topslot(1));
      settle();
    }
    ASSERT_EQ(combo, takes);
    int before = roundpoints;
    clickstock();
    EXPECT_EQ(combo, 0);
    if (takes == 6) {
      EXPECT_GT(longdrivetime, 0);
      EXPECT_EQ(bestcombo[player], 6);
      EXPECT_EQ(roundpoints, before + 25);
    } else {
      EXPECT_EQ(longdrivetime, 0);
      EXPECT_EQ(bestcombo[player], 0);
      EXPECT_EQ(roundpoints, before);
    }
  }
}

TEST_F(SolTable, DealLaunchesRightColumnsFirstAndHandsOverToPlay) {
  std::vector<levelcard> cards = columnlayout({"5 6", "7"});
  cards.push_back({8, 0, 250, 301, 1, 3, 1, 0});  // off the 16-pixel grid
  writelevel(6, cards);
  level = 6;
  loadlevel();
  EXPECT_EQ(cardorder[player][3], 1);  // the right-hand column first
  EXPECT_EQ(cardorder[player][1], 2);
  EXPECT_EQ(cardorder[player][2], 3);
  EXPECT_EQ(cardorder[player][4], 0);
  EXPECT_EQ(todeal[player], 4);
  for (int i = 0; i < 50; i++) dealframe();
  EXPECT_GT(cardflight[player][4], 0) << "unordered cards leave at frame 50";
  EXPECT_EQ(cardflight[player][3], 0);
  dealframe();
  dealframe();
  EXPECT_GT(cardflight[player][3], 0);
  EXPECT_EQ(cardflight[player][1], 0);
  while (dealtime < 189) dealframe();
  EXPECT_EQ(gamestat, GAME_DEAL);
  dealframe();
  EXPECT_EQ(gamestat, GAME_PLAY);
  EXPECT_EQ(cardposx[player][1], cardx[player][1]);
  EXPECT_EQ(cardposy[player][2], cardy[player][2]);
  EXPECT_EQ(cardfaceup[player][2], 1);
}

}  // namespace
