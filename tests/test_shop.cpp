// The shop through whole frames and a person's clicks: buying items and the plant set,
// selling back from the item bar, and the profile staying whole whatever is clicked.
//
// Ideas for tests:
// - the item tooltip's second line: the unlock words before the notice, the description after
//   (needs a text probe)
// - the plant bar at width 1024 sits 20 pixels further left
// - devmode F4 sets cash to 10000
// - entering plays the shop's tune
#include "tests/mapkit.h"
#include "shell/display.h"
#include "runtime/input.h"
#include "solitaire/extras.h"
#include "solitaire/game.h"
#include <climits>
#include <random>

class Shop : public MapTest {
 protected:
  void SetUp() override {
    MapTest::SetUp();
    for (int k = 1; k <= 11; k++) unlockseen[1][k] = 1;
  }
  // Where a person clicks: an item's buy button, the plant set's, an item-bar slot, back.
  int buyx(int item) { return midx + shopgrid[item].x + 39; }
  int buyy(int item) { return shopgrid[item].y + 79; }
  void buy(int item) { clickat(buyx(item), buyy(item)); }
  void buyplants() { clickat(midx + 350 + 39, 557); }
  int slotx(int s) { return midx - 341 + (s == 1 ? -152 : s == 2 ? -50 : 52) + 48; }
  int sloty() { return screenh - 40 - 126 + 71; }
  void sell(int s) { clickat(slotx(s), sloty()); }
  int itemworth() {
    int sum = 0;
    for (int s = 1; s <= 3; s++)
      if (extraslots[1][s] >= 1 && extraslots[1][s] <= 10) sum += shopgrid[extraslots[1][s]].price;
    return sum;
  }
};

TEST_F(Shop, BuyingPutsTheItemIntoTheLowestFreeSlotAndTakesItsPrice) {
  cash[1] = 5000;
  extraslots[1][1] = 1;
  extraslots[1][3] = 4;
  entershop();
  buy(7);  // the joker costs 5000
  EXPECT_EQ(extraslots[1][2], 7);
  EXPECT_EQ(cash[1], 0);
  EXPECT_EQ(extraslots[1][1], 1);
  EXPECT_EQ(extraslots[1][3], 4);
  // The game's item bar reads these slots: saved on the way back, they are what the next round shows.
  clickat(midx, screenh - 45);
  EXPECT_TRUE(leavingfor(SCREEN_MAP));
  extraslots[1][2] = 0;
  loadplayers(0);
  EXPECT_EQ(extraslots[1][2], 7);
  EXPECT_EQ(cash[1], 0);
}

TEST_F(Shop, WithoutTheCashAPurchaseIsRefused) {
  cash[1] = 4999;
  entershop();
  buy(7);
  EXPECT_EQ(cash[1], 4999);
  EXPECT_EQ(extraslots[1][1], 0);
  // The developer's F3 wakes every buy button, but the cash still has to be there.
  devmode = 1;
  testkeypress(KEY_F3);
  buy(7);
  testkeyrelease(KEY_F3);
  EXPECT_EQ(cash[1], 4999);
  EXPECT_EQ(extraslots[1][1], 0);
  buy(2);  // 1200: affordable
  EXPECT_EQ(cash[1], 3799);
  EXPECT_EQ(extraslots[1][1], 2);
}

TEST_F(Shop, WithEverySlotFullABuyButtonChangesNothing) {
  cash[1] = 50000;
  extraslots[1][1] = 3;
  extraslots[1][2] = 3;
  extraslots[1][3] = 5;
  entershop();
  buy(1);
  buy(10);
  EXPECT_EQ(cash[1], 50000);
  EXPECT_EQ(extraslots[1][1], 3);
  EXPECT_EQ(extraslots[1][2], 3);
  EXPECT_EQ(extraslots[1][3], 5);
}

TEST_F(Shop, AnItemWhoseNoticeWasNotSeenCannotBeBoughtAndSaysWhereItUnlocks) {
  cash[1] = 99999;
  unlockseen[1][8] = 0;  // the joker (item 7) comes with level 25
  entershop();
  pointat(midx + shopgrid[7].x, shopgrid[7].y);
  runframes(20);
  EXPECT_EQ(shophovered, 8);
  EXPECT_EQ(shoptipfade, 20);
  EXPECT_EQ(itemlevel[8], 25);
  buy(7);
  EXPECT_EQ(cash[1], 99999);
  EXPECT_EQ(extraslots[1][1], 0);
}

TEST_F(Shop, ThePlantSetCostsEightHundredForEachPlantNotHeld) {
  cash[1] = 4500;
  plants[1][2] = plants[1][5] = plants[1][8] = 1;
  entershop();
  EXPECT_EQ(shopplantsetprice(), 4000);
  buyplants();
  EXPECT_EQ(cash[1], 500);
  for (int k = 1; k <= 8; k++) EXPECT_EQ(plants[1][k], 1) << "plant " << k;
  EXPECT_EQ(shopplantsetprice(), 0);
  buyplants();  // a set fully held costs nothing and changes nothing
  EXPECT_EQ(cash[1], 500);
  // Before the plants' own notice the set cannot be bought.
  plants[1][1] = 0;
  unlockseen[1][1] = 0;
  buyplants();
  EXPECT_EQ(plants[1][1], 0);
  EXPECT_EQ(cash[1], 500);
}

TEST_F(Shop, SellingBackFromTheBarReturnsTheFullPrice) {
  cash[1] = 100;
  extraslots[1][3] = 10;  // sudden strike, 12000
  extraslots[1][1] = 2;
  entershop();
  sell(3);
  EXPECT_EQ(cash[1], 12100);
  EXPECT_EQ(extraslots[1][3], 0);
  EXPECT_EQ(extraslots[1][1], 2);
  sell(3);  // an empty slot sells nothing
  EXPECT_EQ(cash[1], 12100);
  sell(1);
  EXPECT_EQ(cash[1], 13300);
  EXPECT_EQ(extraslots[1][1], 0);
}

TEST_F(Shop, CashNeverOverflowsNorGoesBelowZero) {
  cash[1] = INT_MAX - 500;
  extraslots[1][1] = 10;
  entershop();
  sell(1);
  EXPECT_EQ(cash[1], INT_MAX);
  EXPECT_EQ(extraslots[1][1], 0);
  cash[1] = -700;  // a damaged profile
  entershop();
  EXPECT_EQ(cash[1], 0);
  buy(2);
  EXPECT_EQ(cash[1], 0);
  EXPECT_EQ(extraslots[1][1], 0);
}

TEST_F(Shop, AnyOrderAndSpeedOfClicksKeepsCashAndItemsInStep) {
  cash[1] = 20000;
  for (int k = 1; k <= 8; k++) plants[1][k] = 1;
  entershop();
  const int worth = cash[1] + itemworth();
  std::mt19937 rnd(12);
  for (int f = 0; f < 400; f++) {
    // A new press every frame, over a buy button, a slot, the plants or nowhere.
    int what = int(rnd() % 14);
    if (what <= 9) testmousemove(buyx(what + 1), buyy(what + 1));
    else if (what <= 12) testmousemove(slotx(what - 9), sloty());
    else testmousemove(midx + 389, 557);
    testmousepress(1);
    runframes(1);
    testmouserelease(1);
    ASSERT_GE(cash[1], 0);
    ASSERT_EQ(cash[1] + itemworth(), worth) << "after frame " << f;
    for (int s = 1; s <= 3; s++) ASSERT_TRUE(extraslots[1][s] >= 0 && extraslots[1][s] <= 10);
  }
}

TEST_F(Shop, SellingWaitsWhileAPopupOrThePausedSignIsUp) {
  extraslots[1][1] = 4;
  entershop();
  openpopup(POPUP_QUIT);
  runframes(16);
  sell(1);
  EXPECT_EQ(extraslots[1][1], 4);
  resetpopups();
  pausesign = 1;
  sell(1);
  EXPECT_EQ(extraslots[1][1], 4);
  EXPECT_EQ(pausesign, -1) << "the click only took the sign away";
  sell(1);
  EXPECT_EQ(extraslots[1][1], 0);
}

TEST_F(Shop, TooltipsKeepClearOfTheScreensSides) {
  entershop();
  pointat(midx + shopgrid[1].x, shopgrid[1].y);
  EXPECT_EQ(shophovered, 2);
  EXPECT_EQ(shoptipx, 250);
  EXPECT_EQ(shoptipy, shopgrid[1].y + 131);
  pointat(midx + 350, 400);
  EXPECT_EQ(shophovered, 1);
  EXPECT_EQ(shoptipx, screenw - 250);
  EXPECT_EQ(shoptipy, 610);
  opengraphics(1366, 768, 32, 1366, 768);
  runframes(1);
  pointat(midx + 350, 400);
  EXPECT_EQ(shoptipx, midx + 350) << "room enough on the wide screen";
}

TEST_F(Shop, DamagedSlotsCountAsEmptyAndAreNeverSold) {
  cash[1] = 3000;
  extraslots[1][1] = 57;
  extraslots[1][2] = -4;
  entershop();
  sell(1);
  EXPECT_EQ(cash[1], 3000);
  buy(1);
  EXPECT_EQ(extraslots[1][1], 1);
  EXPECT_EQ(cash[1], 1000);
}

TEST_F(Shop, WithoutAPlayerTheShopReturnsToTheMenu) {
  player = -1;
  fadeto(SCREEN_SHOP, 0, 0);
  runframes(10);
  EXPECT_TRUE(leavingfor(SCREEN_MENU));
}

TEST_F(Shop, AnItemBoughtIsInTheNextRoundsBarAndWorksThere) {
  // From the shop back to the map, a level clicked, and the round's item bar holds what was
  // bought: a click on its slot sends it to the stable.
  cash[1] = 20000;
  maplevel[1] = toplevel[1] = 3;  // level 3 opens no chapter
  entershop();
  buy(ITEM_TURNALLUP);
  buy(ITEM_ZOMBIEBLASTER);
  ASSERT_EQ(extraslots[1][1], ITEM_TURNALLUP);
  ASSERT_EQ(extraslots[1][2], ITEM_ZOMBIEBLASTER);
  clickat(midx, screenh - 45);  // back to the map
  for (int i = 0; i < 20 && screen != SCREEN_MAP; i++) runframes(1);
  ASSERT_EQ(screen, SCREEN_MAP);
  runframes(ready);
  clickmarker(3);
  for (int i = 0; i < 60 && screen != SCREEN_GAME; i++) runframes(1);
  ASSERT_EQ(screen, SCREEN_GAME);
  for (int i = 0; i < 400 && (gamestat != GAME_PLAY || drawtime[1] < 20 || gametime <= 151); i++) runframes(1);
  ASSERT_EQ(gamestat, GAME_PLAY);
  EXPECT_EQ(extraslots[1][2], ITEM_ZOMBIEBLASTER);
  // The second slot of the game's item bar, where a person sees the blaster.
  clickat(121 + 48, screenh - 166 + 71);
  runframes(20);
  EXPECT_EQ(extraslots[1][2], 0) << "the blaster left its slot for the stable";
  EXPECT_EQ(extraslots[1][1], ITEM_TURNALLUP) << "the other stays";
  EXPECT_EQ(blastermode, 1) << "and waits for its column";
}
