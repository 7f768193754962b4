// Level files and tables: names, stage and par tables, what the reader ignores, the plant
// choice, resuming, previews, and files that are missing, short, random or out of range.
//
// Ideas for tests:
// - a preview drawn on the story screen is invisible (scale 0)
// - load_solitaire_for_preview over 103 files stays within a frame budget (bench, not here)
#include "tests/solitairekit.h"
#include <random>

namespace {

class SolLevels : public SolitaireTest {
 protected:
  // Every live card after a load must index the arrays safely.
  void expectsane() {
    for (int s = 1; s <= cardcount; s++) {
      if (cardvalue[player][s] == 0) continue;
      int v = cardvalue[player][s];
      EXPECT_TRUE((v >= 1 && v <= 13) || v == CARD_PLANT || v == CARD_ANIMAL || v == CARD_FISHSLAP ||
                  v == CARD_BONUS)
          << "slot " << s << " value " << v;
      EXPECT_GE(cardcolumn[player][s], 1);
      EXPECT_LE(cardcolumn[player][s], tablecolumns);
      EXPECT_GE(carddepth[player][s], 1);
      EXPECT_GE(cardcover[player][s], 0);
      EXPECT_LE(cardcover[player][s], 2);
    }
    EXPECT_GE(columns[player], 0);
    EXPECT_LE(columns[player], tablecolumns);
  }
  // Deals and plays a while, clicking everywhere on the table and the stock.
  void playblind() {
    deal(level);
    for (int i = 0; i < 150 && gamestat != GAME_END; i++) {
      mousex = (i * 97) % 1024;
      mousey = (i * 53) % 768;
      mousehit1 = 1;
      frame();
    }
  }
};

TEST_F(SolLevels, FileNamesHaveAtLeastThreeDigits) {
  EXPECT_EQ(levelfilename(7), "data\\levelz/007.lvl");
  EXPECT_EQ(levelfilename(9), "data\\levelz/009.lvl");
  EXPECT_EQ(levelfilename(10), "data\\levelz/010.lvl");
  EXPECT_EQ(levelfilename(100), "data\\levelz/100.lvl");
  EXPECT_EQ(encodelevel({}).size(), 1852u);
}

TEST_F(SolLevels, StageParAndItemTables) {
  const int last[28] = {0, 3, 6, 9, 12, 15, 19, 22, 26, 31, 34, 38, 43, 46, 50, 55, 58, 62, 67, 70, 74, 79, 82, 86, 91, 94, 98, 103};
  for (int c = 0; c <= 27; c++) EXPECT_EQ(stagelast[c], last[c]) << "stage " << c;
  EXPECT_EQ(stagesize[28], 5);
  EXPECT_EQ(stageof(1), 1);
  EXPECT_EQ(stageof(3), 1);
  EXPECT_EQ(stageof(4), 2);
  EXPECT_EQ(stageof(31), 9);
  EXPECT_EQ(stageof(32), 10);
  EXPECT_EQ(stageof(103), 27);
  EXPECT_EQ(stageof(104), 27);
  EXPECT_EQ(stageof(0), 1);
  const std::pair<int, int> pars[] = {{1, 8}, {9, 8}, {10, 7}, {19, 7}, {20, 6}, {31, 6}, {32, 5}, {300, 5}};
  for (auto [n, par] : pars) EXPECT_EQ(levelpar[n], par) << "level " << n;
  const int items[12] = {0, 1, 2, 4, 6, 10, 15, 20, 25, 35, 42, 50};
  for (int k = 1; k <= 11; k++) EXPECT_EQ(itemlevel[k], items[k]);
}

TEST_F(SolLevels, HeaderSpareValueAndTrailerDoNotMatter) {
  std::vector<levelcard> cards = columnlayout({"5 6 B", "G 3b", "P"});
  std::vector<uint8_t> plain = encodelevel(cards), noisy = plain;
  auto poke = [&](int index, int value) {
    for (int b = 0; b < 4; b++) noisy[index * 4 + b] = uint8_t(uint32_t(value) >> (8 * b));
  };
  poke(0, 777);
  for (int slot = 0; slot < levelrecordcount; slot++) poke(levelheadercount + slot * levelrecordsize + LEVELREC_SPARE, -9);
  for (int i = 0; i < leveltrailercount; i++) poke(levelvaluecount - 1 - i, 123456);
  writeraw(6, plain);
  writeraw(7, noisy);
  level = 6;
  readlevelfile(6);
  auto a = cardvalue[player], ax = cardx[player], ad = carddepth[player], ac = cardcover[player];
  readlevelfile(7);
  EXPECT_EQ(cardvalue[player], a);
  EXPECT_EQ(cardx[player], ax);
  EXPECT_EQ(carddepth[player], ad);
  EXPECT_EQ(cardcover[player], ac);
  EXPECT_EQ(cardx[player][1], 32);
  EXPECT_EQ(cardy[player][2], 96);
  EXPECT_EQ(cardvalue[player][52], 0);
}

TEST_F(SolLevels, PlantCardsOfferAPlantNotYetHeld) {
  writelevel(6, columnlayout({"P", "P", "P", "P"}));
  for (int k = 1; k <= 7; k++) plants[player][k] = 1;
  for (int round = 0; round < 5; round++) {
    deal(6);
    for (int s = 1; s <= 4; s++) EXPECT_EQ(cardparam[player][s], 8);
  }
  plants[player][8] = 1;  // all eight held: the plant still is one of them
  deal(6);
  for (int s = 1; s <= 4; s++) {
    EXPECT_GE(cardparam[player][s], 1);
    EXPECT_LE(cardparam[player][s], 8);
  }
}

TEST_F(SolLevels, ResumedGameKeepsItsTableAndStartsInPlay) {
  writelevel(6, columnlayout({"5 6", "7"}));
  deal(6);
  settle();
  auto values = cardvalue[player];
  int top = stableid[player];
  savedgame[player] = 1;
  DeleteFile("data/levelz/006.lvl");
  loadlevel();
  EXPECT_EQ(cardvalue[player], values);
  EXPECT_EQ(stableid[player], top);
  EXPECT_EQ(gamestat, GAME_PLAY);
  EXPECT_EQ(dealtime, 190);
  EXPECT_EQ(savedgame[player], 0);
}

TEST_F(SolLevels, PreviewsReadTheFilesThereAreAndMarkFreeCards) {
  writelevel(2, columnlayout({"5 6", "G", "7d", "3b ?"}));
  screen = SCREEN_MAP;
  load_solitaire_for_preview();
  EXPECT_EQ(previewread[1], 0);
  EXPECT_EQ(previewread[2], 1);
  EXPECT_EQ(previewfree[2][1], 0);
  EXPECT_EQ(previewfree[2][2], 1);
  EXPECT_EQ(previewfaceup[2][2], 10);
  EXPECT_EQ(previewfaceup[2][3], 0) << "an animal stays face down";
  EXPECT_EQ(previewfaceup[2][4], 0) << "a card that stays face down";
  EXPECT_GE(previewvalue[2][6], 1);
  EXPECT_LE(previewvalue[2][6], 13);
  EXPECT_EQ(player, 1);
  EXPECT_EQ(cardvalue[player][1], 0) << "previews belong to no player";
  drawpreview(10, 10, 2);
  drawpreview(10, 10, 0);
  drawpreview(10, 10, 104);
}

TEST_F(SolLevels, MissingOrEmptyLevelEndsAtOnceWithoutACrash) {
  level = 9;
  loadlevel();
  EXPECT_EQ(gamestat, GAME_PLAY) << "no deal for an empty table";
  frame();
  EXPECT_EQ(gamestat, GAME_END);
  playblind();
  EXPECT_EQ(livecards(), 0);
  EXPECT_EQ(gamestat, GAME_END);
  EXPECT_EQ(stock[player], 51) << "52 backs, the first draw taken";
  writeraw(9, {});
  playblind();
  EXPECT_EQ(gamestat, GAME_END);
}

TEST_F(SolLevels, TruncatedFilesDealWhatCouldBeRead) {
  std::vector<uint8_t> whole = encodelevel(columnlayout({"1 2 3 4", "5 6 7 8", "9 10 11 12"}));
  // Cut inside the header, inside record 1, after record 5, inside record 6, before the trailer.
  const std::pair<size_t, int> cuts[] = {{3, 0}, {4 + 20, 0}, {4 + 5 * 36, 5}, {4 + 5 * 36 + 7, 5}, {1851, 12}};
  for (auto [bytes, cards] : cuts) {
    resettablestate();
    player = 1;
    writeraw(6, std::vector<uint8_t>(whole.begin(), whole.begin() + long(bytes)));
    level = 6;
    playblind();
    expectsane();
    int placed = 0;
    for (int c = 1; c <= tablecolumns; c++) placed += std::max(columncount[player][c], 0);
    EXPECT_EQ(stockstart[player], 52 - cards) << bytes << " bytes";
  }
}

TEST_F(SolLevels, OutOfRangeValuesAreDroppedOrClamped) {
  std::vector<levelcard> cards = columnlayout({"5 6", "7"});
  cards.push_back({55, 0, 64, 64, 1, 2, 2, 0});        // no such card
  cards.push_back({8, 0, 64, 64, 1, 21, 1, 0});        // column 21
  cards.push_back({8, 0, 64, 64, 1, -4, 1, 0});        // negative column
  cards.push_back({9, 0, -64, 64, 1, 3, 1, 0});        // left of the table
  cards.push_back({9, 0, 2000000000, 64, 1, 3, 1, 0});  // far right (and twice that overflows)
  cards.push_back({10, 0, 400, 64, 7, 4, -30, 9});     // odd autoturn, negative depth, cover 9
  cards.push_back({CARD_ANIMAL, 77, 500, 64, 1, 5, 1000000, 0});  // unknown animal, deep
  cards.push_back({-3, 0, 600, 64, 1, 6, 1, 0});       // negative value
  cards.push_back({2, 0, 700, 64, 1, 7, 1, 0});
  cards.push_back({2, 0, 700, 96, 1, 7, 2, 0});
  cards.push_back({2, 0, 700, 128, 1, 7, 3, 0});
  cards.push_back({2, 0, 700, 160, 1, 7, 4, 0});
  cards.push_back({2, 0, 700, 192, 1, 7, 5, 0});  // a fifth two has no suit left
  cards.push_back({0, 5, 2147483600, -2147483600, 3, 99999, -7, 12});  // empty, with garbage around it
  writelevel(6, cards);
  level = 6;
  playblind();
  expectsane();
  EXPECT_EQ(cardvalue[player][4], 0);
  EXPECT_EQ(cardvalue[player][5], 0);
  EXPECT_EQ(cardvalue[player][6], 0);
  EXPECT_EQ(cardvalue[player][7], 0);
  EXPECT_EQ(cardvalue[player][8], 0);
  EXPECT_EQ(cardparam[player][10], 1) << "an unknown animal becomes a pig";
  int twos = 0;
  for (int s = 11; s <= 16; s++) twos += cardvalue[player][s] == 2;
  EXPECT_EQ(twos, 4) << "only four twos exist";
  EXPECT_EQ(cardcolumn[player][17], 0);
  EXPECT_EQ(cardx[player][17], 0);
}

TEST_F(SolLevels, RandomBytesNeverCrashTheReaderOrTheTable) {
  std::mt19937 rng(20261209);
  for (int round = 0; round < 40; round++) {
    resettablestate();
    player = 1;
    std::vector<uint8_t> bytes(size_t(rng() % 2200));
    for (auto& b : bytes) b = uint8_t(rng());
    // Half the rounds keep values small so that many records pass the checks.
    if (round % 2 == 1)
      for (size_t i = 0; i + 3 < bytes.size(); i += 4) {
        bytes[i] = uint8_t(rng() % 30);
        bytes[i + 1] = bytes[i + 2] = bytes[i + 3] = 0;
      }
    writeraw(7, bytes);
    level = 7;
    playblind();
    expectsane();
  }
}

}  // namespace
