// Cards: identities and how a table card draws itself while it turns, with covers,
// animals and the wobble of a hint.
//
// Ideas for tests:
// - drawstableid of a plant identity draws the solitaire-set picture k + 1
// - a shaking card never leaves its box by more than a fifth of the shake
#include "tests/solitairekit.h"

namespace {

constexpr uint32_t black = 0x000000, blue = 0x0000ff, red = 0xff0000, green = 0x00ff00;

Image solid(uint8_t r, uint8_t g, uint8_t b) {
  std::vector<uint8_t> px(cardw * cardh * 4);
  for (size_t i = 0; i < px.size(); i += 4) {
    px[i] = r;
    px[i + 1] = g;
    px[i + 2] = b;
    px[i + 3] = 255;
  }
  AutoMidHandle(false);
  Image img = CreateImageFromPixels(px.data(), cardw, cardh, 0);
  AutoMidHandle(true);
  return img;
}

class SolCards : public SolitaireTest {
 protected:
  void SetUp() override {
    SolitaireTest::SetUp();
    headlessgraphics(1024, 768);
    fadelevel = 256;
    resetdrawstate();
    faceimg.fill(solid(255, 0, 0));
    cardbackimg[1] = solid(0, 0, 255);
    coverimg[1] = solid(0, 255, 0);
    animalimg[1] = solid(0, 255, 0);
    // One rank card in column 1 at (200, 100).
    cardvalue[player][1] = 7;
    cardsuit[player][1] = 2;
    cardcolumn[player][1] = 1;
    carddepth[player][1] = 1;
    cardx[player][1] = 200;
    cardy[player][1] = 100;
    cardautoturn[player][1] = 1;
    columncount[player][1] = 1;
  }
  void TearDown() override {
    resetcardgfx();
    SolitaireTest::TearDown();
  }
  // Draws the card once on a black screen; the colours at its left edge and at x + 40.
  std::pair<uint32_t, uint32_t> drawn() {
    Cls();
    drawcard(1, 2);
    return {pixel(202, 170), pixel(240, 170)};
  }
};

TEST_F(SolCards, IdentitiesRanksAndSuits) {
  for (int id : {13, 26, 39, 52}) EXPECT_EQ(identityrank(id), 13);
  EXPECT_EQ(identityrank(14), 1);
  EXPECT_EQ(identitysuit(14), 2);
  EXPECT_EQ(identitysuit(52), 4);
  for (int id = 1; id <= 52; id++) EXPECT_EQ(cardidentity(identityrank(id), identitysuit(id)), id);
}

TEST_F(SolCards, TurnCountdownShrinksTheBackThenGrowsTheFace) {
  cardturn[player][1] = 11;
  struct step {
    int turn;             // countdown at the start of the frame
    uint32_t edge, middle;  // colours at the card's left edge and at x + 40
    int faceup;           // after the frame
  };
  const step steps[] = {
      {11, blue, blue, 0},   // the delay shows the whole back
      {10, black, blue, 0},  // 0.8 of the back, turning about the middle
      {9, black, blue, 0},  {8, black, blue, 0}, {7, black, blue, 0},
      {6, black, blue, 0},   // a sliver of the back
      {5, black, red, 0},    // the face appears
      {4, black, red, 0},   {3, black, red, 0},
      {2, red, red, 1},      // the turn ends: the whole face at once
      {1, red, red, 1},
  };
  for (const step& s : steps) {
    ASSERT_EQ(cardturn[player][1], s.turn);
    auto [edge, middle] = drawn();
    EXPECT_EQ(edge, s.edge) << "turn " << s.turn;
    EXPECT_EQ(middle, s.middle) << "turn " << s.turn;
    EXPECT_EQ(cardfaceup[player][1], s.faceup) << "turn " << s.turn;
    if (s.turn == 1) {
      EXPECT_EQ(cardturn[player][1], 1);
    }
  }
}

TEST_F(SolCards, CoveredCardShowsItsCoverUntilItHasTurned) {
  cardcover[player][1] = 1;
  EXPECT_EQ(drawn().second, green);
  cardturn[player][1] = 10;
  for (int i = 0; i < 8; i++) drawn();
  EXPECT_EQ(cardcover[player][1], 1);
  EXPECT_EQ(drawn().second, red);
  EXPECT_EQ(cardcover[player][1], 0) << "a face-up card drops its cover";
}

TEST_F(SolCards, AnimalLeavesTheTableWhenItsCountdownEnds) {
  cardvalue[player][1] = CARD_ANIMAL;
  cardparam[player][1] = 1;
  EXPECT_EQ(drawn().second, green) << "the pig shows while face down";
  cardturn[player][1] = 12;
  for (int i = 0; i < 10; i++) drawn();
  EXPECT_EQ(cardvalue[player][1], CARD_ANIMAL);
  drawn();
  EXPECT_EQ(cardvalue[player][1], 0);
  EXPECT_EQ(columncount[player][1], 0);
  EXPECT_EQ(cardfaceup[player][1], 0);
}

TEST_F(SolCards, WobbleAndShakeCountThemselvesOut) {
  cardturn[player][1] = 1;
  cardfaceup[player][1] = 1;
  cardwobble[1] = 1;
  cardshake[player][1] = 20;
  for (int i = 0; i < 78; i++) drawn();
  EXPECT_EQ(cardwobble[1], 79);
  drawn();
  EXPECT_EQ(cardwobble[1], 0);
  EXPECT_EQ(cardshake[player][1], 0);
  EXPECT_EQ(drawstate.tform_rot, 0) << "drawcard leaves no rotation behind";
}

// Needs the data folder beside the test program (skipped when it is not there).
TEST(SolCardPictures, EveryCardPictureLoadsWithItsHandle) {
  if (FileType("data/solitaire/a1.png") != 1) GTEST_SKIP() << "no data folder here";
  headlessgraphics(1024, 768);
  int before = logcount;
  loadcardgfx();
  EXPECT_EQ(logcount, before) << "missing: " << loglasttext;
  for (int i = 0; i < cardcount; i++) {
    ASSERT_TRUE(faceimg[i]) << "face " << i;
    EXPECT_EQ(faceimg[i]->handle_x, 0) << "faces hang from their top-left corner";
    EXPECT_EQ(ImageWidth(faceimg[i]), cardw);
    EXPECT_EQ(ImageHeight(faceimg[i]), cardh);
  }
  for (int k = 1; k <= 8; k++) {
    ASSERT_TRUE(solplantimg[k] && barplantimg[k]);
    EXPECT_EQ(solplantimg[k]->handle_x, 0);
    EXPECT_FLOAT_EQ(barplantimg[k]->handle_x, ImageWidth(barplantimg[k]) / 2.0f) << "bar plants are centred";
  }
  for (int i = 1; i <= 10; i++) EXPECT_TRUE(itemimg[i]) << "item picture " << i;
  EXPECT_EQ(fishslapimg, itemimg[1]);
  ASSERT_TRUE(cardometerimg && starimgs[4] && headimg);
  EXPECT_FLOAT_EQ(cardometerimg->handle_x, ImageWidth(cardometerimg) / 2.0f);
  EXPECT_FLOAT_EQ(starimgs[4]->handle_y, ImageHeight(starimgs[4]) / 2.0f);
  EXPECT_EQ(headimg->handle_x, 0);
  resetcardgfx();
}

}  // namespace
