// Effects: the particle table, the kinds' lifetimes and edges, the bursts and the layer alpha.
//
// Ideas for tests:
// - a card trail of the fishslap card (offset 60) drawing the fishslap picture, light-blended
// - leaves and confetti flipping through a zero horizontal scale without a drawing error
// - rain drops of the biggest kind falling faster than the smallest
// - the pig cannon's shot sound exactly once, at age 30
// - coloured and falling stars living past any age until they drop below screenh + 20
#include "tests/harness.h"
#include "presentation/effects.h"
#include "presentation/sound.h"
#include "shell/gfx.h"
#include "shell/settings.h"
#include "shell/state.h"
#include "text/fonts.h"
#include <gtest/gtest.h>
#include <vector>

namespace {

Image solidimage(int w, int h) {
  std::vector<uint8_t> p(w * h * 4, 255);  // opaque white
  Image img = CreateImageFromPixels(p.data(), w, h, 0);
  MidHandleImage(img);
  return img;
}

// A short silent WAV, so the sound table has something to start.
Sound silentsound() {
  std::string path = tempfolder() + "tick.wav";
  std::string pcm(400, '\0');
  auto le32 = [](uint32_t v) { return std::string{char(v), char(v >> 8), char(v >> 16), char(v >> 24)}; };
  std::string fmt = std::string("\x01\x00\x01\x00", 4) + le32(22050) + le32(44100) + std::string("\x02\x00\x10\x00", 4);
  writebytes(path, "RIFF" + le32(36 + pcm.size()) + "WAVEfmt " + le32(16) + fmt + "data" + le32(pcm.size()) + pcm);
  return LoadSound(path, 0);
}

int livecount(int kind) {
  int n = 0;
  for (int i = 1; i <= effslots; i++) n += effkind[i] == kind;
  return n;
}

int liveall() {
  int n = 0;
  for (int i = 1; i <= effslots; i++) n += effkind[i] != 0;
  return n;
}

// Frames until the particle in slot i is freed (limit when it outlives the limit).
int framesuntilfree(int i, int limit) {
  for (int f = 1; f <= limit; f++) {
    draweff();
    if (effkind[i] == 0) return f;
  }
  return limit + 1;
}

class Effects : public ::testing::Test {
 protected:
  void SetUp() override {
    headlessstart();
    reseteffects();
    fps = 50;
    bouncefx = 1;
    fadelevel = 256;
    resetdrawstate();
    Cls();
  }
  void TearDown() override {
    reseteffects();
    glbimg[1].reset();
    extraglowimg.reset();
    stocky = 580;
    barpos = -120;
    xshift = 0;
    for (int n : {34, 35, 37}) sounds[n].reset();
    soundplayed.fill(0);
  }
};

TEST_F(Effects, SlotsAreTakenFirstFreeAndAFullTableReusesOnlyTheLastSlot) {
  EXPECT_EQ(addeffect(10, 10, EFF_SPARKLE, 0, 0), 1);
  EXPECT_EQ(addeffect(10, 10, EFF_SPARKLE, 0, 0), 2);
  EXPECT_EQ(addeffect(10, 10, EFF_SPARKLE, 0, 0), 3);
  effkind[2] = 0;
  EXPECT_EQ(addeffect(10, 10, EFF_NINJA, 0, 0), 2);
  for (int n = 4; n <= 999; n++) ASSERT_EQ(addeffect(1, 1, EFF_SPARKLE, 0, 0), n);
  // Two more in the same frame: both land in slot 1000, the second one stays.
  EXPECT_EQ(addeffect(5, 6, EFF_QUESTION, 1, 2), 1000);
  EXPECT_EQ(addeffect(7, 8, EFF_CARDPART, 3, 4), 1000);
  EXPECT_EQ(effkind[1000], EFF_CARDPART);
  EXPECT_FLOAT_EQ(effx[1000], 7);
  EXPECT_FLOAT_EQ(effvy[1000], 4);
  EXPECT_EQ(livecount(EFF_QUESTION), 0);
  // A burst into a full table piles into slot 1000 and stays inside the arrays.
  bigburst(300, 300);
  EXPECT_EQ(liveall(), effslots);
  EXPECT_EQ(effkind[1000], EFF_GLOWBALL + 9);
}

TEST_F(Effects, GlowsStartPartWayThroughTheirLivesOtherKindsAtZero) {
  int lo = 100, hi = -1;
  for (int round = 0; round < 2; round++) {
    cleareffects();
    for (int n = 0; n < 900; n++) {
      int i = addeffect(0, 0, EFF_GLOWBALL + 3, 0, 0);
      lo = std::min(lo, effage[i]);
      hi = std::max(hi, effage[i]);
    }
  }
  EXPECT_EQ(lo, 0);
  EXPECT_EQ(hi, 50);
  cleareffects();
  for (int kind : {200, int(EFF_GLASS), EFF_COIN + 5, int(EFF_SPARKLE), int(EFF_CARDTRAIL)}) {
    int i = addeffect(0, 0, kind, 0, 0);
    EXPECT_EQ(effage[i], 0) << "kind " << kind;
  }
  // A glow ball that starts at age 50 ages 2 or 4 a frame and is gone by age 100.
  cleareffects();
  int i = addeffect(500, 100, EFF_GLOWBALL + 1, 0, 0);
  effage[i] = 50;
  int frames = framesuntilfree(i, 100);
  EXPECT_LE(frames, 25);
  EXPECT_GE(frames, 13);
}

TEST_F(Effects, FixedLifetimesEndTheirParticles) {
  struct {
    int kind, frames;
  } lives[] = {
      {EFF_QUESTION, 50}, {EFF_SPARKLE, 60}, {EFF_GREENSPARKLE, 60}, {EFF_NINJA, 50},
      {EFF_PIGCANNON, 70}, {EFF_EXTRAGLOW, 50}, {EFF_CARDPART, 100}, {EFF_CARDTRAIL + 7, 20},
      {EFF_CARDTRAIL + efftrailfishslap, 20},
  };
  for (auto& l : lives) {
    cleareffects();
    int i = addeffect(400, 300, l.kind, 0, 0);
    EXPECT_EQ(framesuntilfree(i, 300), l.frames) << "kind " << l.kind;
  }
}

TEST_F(Effects, BirdFeathersWaitUnseenAndCallOnlyOnTheGameScreen) {
  for (int n : {34, 35, 37}) sounds[n] = silentsound();
  ASSERT_TRUE(sounds[34]);
  soundvol = 280;
  pausesign = -1;
  for (int pass = 0; pass < 2; pass++) {
    screen = pass == 0 ? SCREEN_MAP : SCREEN_GAME;
    cleareffects();
    soundplayed.fill(0);
    for (int n = 0; n < 20; n++) addeffect(300, 200, EFF_BIRDFEATHERS, 2, -3);
    for (int f = 1; f <= 40; f++) draweff();
    EXPECT_FLOAT_EQ(effx[1], 300);  // still waiting: not moved
    EXPECT_EQ(effage[1], 40);
    EXPECT_EQ(soundplayed[34] + soundplayed[35] + soundplayed[37], 0);
    draweff();  // age 41: the birds call, then the feathers fly
    int calls = soundplayed[34] + soundplayed[35] + soundplayed[37];
    if (pass == 0) {
      EXPECT_EQ(calls, 0) << "no bird calls away from the game screen";
    } else {
      EXPECT_GT(calls, 0);
    }
    EXPECT_NE(effx[1], 300);
  }
}

TEST_F(Effects, CoinsBounceOnlyWithBounceFxAndFallOffWithout) {
  // No bounce: straight through the left edge and the floor, freed once below the screen.
  bouncefx = -1;
  int i = addeffect(20, 700, EFF_COIN + 10, -2, 3);
  draweff();
  EXPECT_LT(effvx[i], 0);
  int frames = framesuntilfree(i, 200);
  EXPECT_LT(frames, 30);
  EXPECT_GT(effy[i], screenh + 30);

  // Bounce: the side edge turns it round, the floor throws it back up with 80 % of its speed.
  bouncefx = 1;
  cleareffects();
  i = addeffect(25, 100, EFF_COIN + 50, -3, 0);  // 25 < 30 x size 1
  draweff();
  EXPECT_FLOAT_EQ(effvx[i], 3);
  i = addeffect(400, float(screenh - 24), EFF_COIN + 1, 0, 10);
  draweff();
  EXPECT_FLOAT_EQ(effvy[i], -8);
  EXPECT_FLOAT_EQ(effy[i], float(screenh - 24 + 10 - 2));
  // Once it stops bouncing it rests, jumps to age 180 and fades out by 200.
  int alive = 0;
  while (effkind[i] != 0 && alive < 400) {
    draweff();
    alive++;
  }
  EXPECT_LT(alive, 200);
  EXPECT_GT(effy[i], screenh - 60);  // it ended on the floor, not off the screen
  // The stacked double coin of a doubled 50 award moves and ends like any coin.
  i = addeffect(400, 400, EFF_COIN + 100, 0, 0);
  draweff();
  draweff();
  EXPECT_GT(effy[i], 400);
  EXPECT_LE(framesuntilfree(i, 300), 199);
}

TEST_F(Effects, LowFrameRateDropsDecorationButNotTheGameSigns) {
  fps = 5;
  int cut[] = {EFF_GLOWBALL + 4, EFF_SPARKLEBALL + 2, EFF_SPARKLE, EFF_GREENSPARKLE, EFF_CARDPART,
               EFF_COLOURSTAR + 1, EFF_QUESTION, EFF_CONFETTI, EFF_RAIN + 3};
  int kept[] = {EFF_COIN + 20, EFF_PIGCANNON, EFF_NINJA, EFF_EXTRAGLOW, EFF_CARDTRAIL + 12};
  for (int k : cut) addeffect(300, 300, k, 0, 0);
  for (int k : kept) addeffect(300, 300, k, 0, 0);
  draweff();
  for (int k : cut) EXPECT_EQ(livecount(k), 0) << "kind " << k;
  for (int k : kept) EXPECT_EQ(livecount(k), 1) << "kind " << k;
}

TEST_F(Effects, BurstsStartTheirParticleCounts) {
  starburst(400, 300, 3);
  EXPECT_EQ(livecount(EFF_COLOURSTAR + 3), 5);
  EXPECT_EQ(livecount(EFF_GLOWBALL + 3), 20);
  EXPECT_EQ(effkind[1], EFF_COLOURSTAR + 3);  // stars first, under the glows
  EXPECT_EQ(effkind[6], EFF_GLOWBALL + 3);
  cleareffects();

  barpos = 60;
  bigburst(400, 300);
  EXPECT_EQ(livecount(EFF_GLOWBALL + 9), 60);
  for (int i = 1; i <= 60; i++) {
    // 50 over the card's area, then 10 on the balls at the left end of the points bar
    EXPECT_LE(std::abs(effx[i] - (i <= 50 ? 400 : 67)), 48);
    EXPECT_LE(std::abs(effy[i] - (i <= 50 ? 300 : 48)), 71);
  }
  EXPECT_FLOAT_EQ(effy[60], 48);
  cleareffects();

  xshift = 128;
  cardburst(400, 300);
  EXPECT_EQ(livecount(EFF_CARDPART), 10);
  for (int i = 1; i <= 10; i++) EXPECT_LE(std::abs(effx[i] - 528), 48) << "the card burst shifts by xshift";
  cleareffects();

  extraburst(400, 300);
  EXPECT_EQ(livecount(EFF_FALLINGSTAR), 25);
  EXPECT_EQ(effkind[26], EFF_EXTRAGLOW);
  EXPECT_FLOAT_EQ(effx[26], 400);
  EXPECT_EQ(liveall(), 26);

  cleareffects();
  EXPECT_EQ(liveall(), 0);
  EXPECT_EQ(addeffect(0, 0, EFF_SPARKLE, 0, 0), 1);
}

TEST_F(Effects, LayerAlphaDimsTheKindsThatFollowIt) {
  glbimg[1] = solidimage(16, 16);
  effalpha = 0.5f;
  // A sparkle ball follows the layer alpha; a glow ball fades in on its own and ignores it.
  int s = addeffect(200, 200, EFF_SPARKLEBALL + 1, 0, 0);
  int g = addeffect(400, 200, EFF_GLOWBALL + 1, 0, 0);
  effage[s] = effage[g] = 10;
  draweff();
  uint32_t sp = pixel(int(effx[s]), int(effy[s])), gp = pixel(int(effx[g]), int(effy[g]));
  EXPECT_NEAR(int(sp & 0xFF), 128, 4) << std::hex << sp;
  EXPECT_EQ(gp, 0xFFFFFFu);
  // The pass leaves the layer's state behind: no scale, no rotation, alpha blending at effalpha.
  EXPECT_FLOAT_EQ(drawstate.color_alpha, 0.5f);
  EXPECT_EQ(drawstate.blend_mode, int(BLEND_ALPHA));
  EXPECT_FLOAT_EQ(drawstate.tform_scale_x, 1);
  EXPECT_FLOAT_EQ(drawstate.tform_rot, 0);
}

TEST_F(Effects, ExtraGlowIsDrawnAtTheStockRow) {
  extraglowimg = solidimage(20, 20);
  stocky = 500;
  addeffect(300, 100, EFF_EXTRAGLOW, 0, 0);
  draweff();
  EXPECT_NE(pixel(300, 571), 0u);
  EXPECT_EQ(pixel(300, 100), 0u);
}

TEST_F(Effects, KindsOutsideTheTableStayPutUntilCleared) {
  int kinds[] = {-4, 1, 99, 110, 200, 150, 861, 899, 904, 999, 1001, 8052, 8059, 8061, 123456};
  for (int k : kinds) addeffect(111, 222, k, 5, 5);
  int logged = logcount;
  for (int f = 0; f < 300; f++) draweff();
  for (int i = 1; i <= int(std::size(kinds)); i++) {
    EXPECT_EQ(effkind[i], kinds[i - 1]);
    EXPECT_FLOAT_EQ(effx[i], 111);
    EXPECT_FLOAT_EQ(effvy[i], 5);
  }
  EXPECT_EQ(logcount, logged);  // nothing was drawn, not even a missing picture
  cleareffects();
  EXPECT_EQ(liveall(), 0);
}

}  // namespace
