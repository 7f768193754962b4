// The plant bar and the item bar: when a click may start a flight, what counts as a usable
// extra for the dead-end test, the tooltips, earning a plant, the level-2 gift, and the
// modes' hold on the player's clicks.
//
// Ideas for tests:
// - the killer's and the blaster's cursors beside the pointer while they wait
// - the plant bar's arc at 1280 and 1366 pixels: every plant under the pointer
// - an extra ending with a draw from an empty stock keeps its picture with rank 24
#include "tests/gamekit.h"

namespace {

class Extras : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    uselevels();
    writelevel(10, columnlayout({"? ? ? ?", "? ? ? ?", "? ? ? ?", "? ? ? ?"}));
  }
  void play() {
    entergame(10);
    waitplay();
  }
  void pressitem(int s) { clickat(itemx(s), itemy()); }
};

TEST_F(Extras, ABarClickIsIgnoredWhileSomethingFliesAModeRunsOrAPopupIsOpen) {
  extraslots[player][1] = ITEM_FISHSLAP;
  extraslots[player][2] = ITEM_SUDDENSTRIKE;
  plants[player][4] = 1;
  play();
  // A taken card in the air.
  int s = topslot(2);
  stableid[player] = cardidentity(cardvalue[player][s] % 13 + 1, 3);
  stablerank[player] = cardvalue[player][s] % 13 + 1;
  clickcard(s);
  ASSERT_GT(movetime[player], 0);
  pressitem(1);
  clickat(plantx(4), planty(4));
  EXPECT_EQ(itemfly[1], 0);
  EXPECT_EQ(plantfly[4], 0);
  settle();
  // A stock card turning over.
  clickstock();
  ASSERT_LT(drawtime[player], 20);
  pressitem(1);
  EXPECT_EQ(itemfly[1], 0);
  settle();
  // A popup over the game.
  openpopup(POPUP_INGAME);
  runframes(16);
  pressitem(1);
  EXPECT_EQ(itemfly[1], 0);
  resetpopups();
  runframes(2);
  // A blocking mode: the strike takes every click away until it is done.
  int combobefore = combo;
  pressitem(2);
  ASSERT_GT(itemfly[2], 0);
  EXPECT_EQ(combo, combobefore + 1);
  settle();
  ASSERT_GT(strikemode, 0);
  runframes(1);
  EXPECT_EQ(inputok, 0);
  pressitem(1);
  clickat(plantx(4), planty(4));
  EXPECT_EQ(itemfly[1], 0);
  EXPECT_EQ(plantfly[4], 0);
  EXPECT_EQ(extraslots[player][1], ITEM_FISHSLAP) << "an ignored click costs nothing";
  EXPECT_EQ(plants[player][4], 1);
}

TEST_F(Extras, OnlyAPlantOrAnItemThatCanOpenAMoveCountsAsHeld) {
  extraslots[player][1] = ITEM_MAXBONUS;
  extraslots[player][3] = ITEM_DOUBLESUNS;
  play();
  EXPECT_EQ(itemsheld, 0) << "max bonus and double suns open no move";
  EXPECT_EQ(plantsheld, 0);
  // With only those, a dead end ends the game after 30 frames. A wild stable first, so the
  // count of dead frames starts from nothing.
  stableid[player] = STABLE_FISHSLAP;
  runframes(1);
  ASSERT_EQ(autoendframes, 0);
  stableid[player] = cardidentity(5, 2);
  stablerank[player] = 5;
  for (int s = 1; s <= cardcount; s++)
    if (cardvalue[player][s] > 0) {
      cardautoturn[player][s] = 0;  // every card face down for good
      cardturn[player][s] = 0;
      cardfaceup[player][s] = 0;
    }
  stock[player] = 1;
  runframes(29);
  EXPECT_EQ(gamestat, GAME_PLAY) << "29 dead frames are not yet the end";
  runframes(1);
  EXPECT_EQ(gamestat, GAME_END) << "the 30th is";
  // Any other item, or a plant, counts.
  for (int item : {ITEM_FISHSLAP, ITEM_ZOMBIEKILLER, ITEM_TURNALLUP, ITEM_ZOMBIEBLASTER, ITEM_NEWSTABLE, ITEM_JOKER,
                   ITEM_RANDOMEXTRA, ITEM_SUDDENSTRIKE}) {
    extraslots[player][2] = item;
    runframes(1);
    EXPECT_EQ(itemsheld, 1) << "item " << item;
  }
  extraslots[player][2] = 0;
  plants[player][8] = 1;
  runframes(1);
  EXPECT_EQ(plantsheld, 1);
}

TEST_F(Extras, ATooltipOpensAfterTwoSecondsAtRestAndGoesWithTheNextMove) {
  extraslots[player][2] = ITEM_JOKER;
  plants[player][6] = 1;
  play();
  pointat(itemx(2), itemy());
  EXPECT_EQ(tooltipid, ITEM_JOKER + 1);
  runframes(99);
  EXPECT_EQ(tooltipalpha, 0) << "not before 100 frames";
  runframes(3);
  EXPECT_GT(tooltipalpha, 0);
  runframes(30);
  EXPECT_FLOAT_EQ(tooltipalpha, 1);
  pointat(itemx(2) + 3, itemy());
  runframes(1);  // a move shows in the frame after it
  EXPECT_EQ(tooltiptime, 0) << "a move starts the wait again";
  EXPECT_EQ(tooltipalpha, 0);
  // Anywhere over the plant bar's corner: the plants' tooltip.
  pointat(screenw - 40, screenh - 40);
  runframes(2);
  EXPECT_EQ(tooltipid, 1);
  runframes(110);
  EXPECT_GT(tooltipalpha, 0);
  // Not while a popup is up.
  openpopup(POPUP_INGAME);
  runframes(2);
  EXPECT_EQ(tooltiptime, 0);
  EXPECT_EQ(tooltipalpha, 0);
}

TEST_F(Extras, AnEarnedPlantIsHeldFromTheTwentyFifthFrameOfItsGlow) {
  play();
  startplantearn(4);
  runframes(23);
  EXPECT_EQ(plants[player][4], 0);
  runframes(1);
  EXPECT_EQ(plantearn[4], 25);
  EXPECT_EQ(plants[player][4], 1);
  runframes(25);
  EXPECT_EQ(plantearn[4], 0);
  EXPECT_EQ(plants[player][4], 1);
  // Used while it still glows, it is gone for good.
  startplantearn(2);
  runframes(26);
  ASSERT_EQ(plants[player][2], 1);
  clickat(plantx(2), planty(2));
  runframes(30);
  EXPECT_EQ(plants[player][2], 0);
  EXPECT_EQ(stablerank[player], 2);
}

TEST_F(Extras, LevelTwoGivesPlantsThreeFiveAndSevenOnItsHundredthFrame) {
  writelevel(2, columnlayout({"? ? ? ?", "? ? ? ?"}));
  maplevel[player] = toplevel[player] = 2;
  failcount[player] = 1;  // no tutorial in the way
  plants[player][5] = 1;
  entergame(2);
  for (int i = 0; i < 200 && gametime < 100; i++) runframes(1);
  EXPECT_GT(plantearn[3], 0);
  EXPECT_EQ(plantearn[5], 0) << "a plant already held is not given again";
  EXPECT_GT(plantearn[7], 0);
  EXPECT_EQ(plantearn[1], 0);
  runframes(30);
  EXPECT_EQ(plants[player][3], 1);
  EXPECT_EQ(plants[player][7], 1);
  // A replay of level 2 gives nothing.
  plants[player].fill(0);
  toplevel[player] = 5;
  entergame(2);
  for (int i = 0; i < 200 && gametime < 130; i++) runframes(1);
  for (int k = 1; k <= 8; k++) EXPECT_EQ(plants[player][k], 0);
}

TEST_F(Extras, TheJokerLeavesClicksOpenWhileTheOtherModesHoldThem) {
  play();
  struct row {
    int* mode;
    int blocks;
  };
  const row rows[] = {{&strikemode, 1}, {&newstablemode, 1}, {&killermode, 1}, {&blastermode, 1},
                      {&randommode, 1}, {&sunsmode, 1},      {&jokermode, 0}};
  for (const row& r : rows) {
    *r.mode = 5;
    gameframe();
    EXPECT_EQ(inputok, r.blocks ? 0 : 1);
    EXPECT_EQ(extramode, 1);
    *r.mode = 0;
  }
  killermode = blastermode = 0;
  stableid[player] = cardidentity(5, 1);
  stablerank[player] = 5;
  runframes(1);
  EXPECT_EQ(inputok, 1);
}

TEST_F(Extras, TheBlasterShakesTheWholeColumnUnderThePointer) {
  extraslots[player][1] = ITEM_ZOMBIEBLASTER;
  play();
  pressitem(1);
  settle();
  ASSERT_EQ(blastermode, 1);
  int top = topslot(3);
  pointat(cardmidx(top), cardmidy(top));
  runframes(1);
  for (int s = 1; s <= cardcount; s++) {
    if (cardvalue[player][s] <= 0) continue;
    if (cardcolumn[player][s] == 3) EXPECT_GT(cardshake[player][s], 0) << "slot " << s;
    else EXPECT_EQ(cardshake[player][s], 0) << "slot " << s;
  }
}

TEST_F(Extras, AnItemIsSpentOnlyWhenItLands) {
  extraslots[player][3] = ITEM_JOKER;
  play();
  testmousemove(itemx(3), itemy());
  testmousepress(1);
  runframes(1);
  testmouserelease(1);
  ASSERT_EQ(itemfly[3], 1);
  runframes(12);
  EXPECT_EQ(extraslots[player][3], ITEM_JOKER) << "still the player's while it flies";
  EXPECT_GT(extraflyx, itemx(3) - 48);
  runframes(3);
  EXPECT_EQ(itemfly[3], 0);
  EXPECT_EQ(extraslots[player][3], 0);
  EXPECT_EQ(stableid[player], itemidentity[ITEM_JOKER]);
  EXPECT_EQ(stablerank[player], RANK_NONE);
}

}  // namespace
