// Backgrounds: the title landscape (pan, clouds, lights) and the game background per group of
// three stages, covering the screen at every width the display modes use.
//
// Ideas for tests:
// - the menu's pan target following the pointer, once the menu draws the landscape
// - a missing title picture leaves its layer out and the rest still draws
#include "tests/harness.h"
#include "shell/backgrounds.h"
#include "shell/gfx.h"
#include "shell/profiles.h"
#include "shell/state.h"
#include "solitaire/levels.h"
#include <gtest/gtest.h>

namespace {

class Backgrounds : public ::testing::Test {
 protected:
  void SetUp() override {
    headlessstart();
    SeedRnd(4242);
  }
};

// Draws one frame of the title landscape on a magenta screen; true when no magenta is left.
bool titlecovers(float pan) {
  titlepan = pan;
  SetClsColor(255, 0, 255);
  Cls();
  resetdrawstate();
  SetColor(255, 255, 255);
  drawtitlebg(pan);
  int w, h;
  std::vector<uint8_t> px = ReadPixels(w, h);
  for (size_t i = 0; i + 3 < px.size(); i += 4)
    if (px[i] == 255 && px[i + 1] == 0 && px[i + 2] == 255) return false;
  return !px.empty();
}

TEST_F(Backgrounds, LoadingTheTitleLandscapePlacesEveryPictureByItsCorner) {
  loadtitlebg();
  for (const Image* img : {&titleskya, &titleskyb, &titlenear2a, &titlenear2b, &titlenear3a, &titlenear3b, &titlenear3c}) {
    ASSERT_TRUE(*img);
    EXPECT_EQ((*img)->handle_x, 0);
    EXPECT_EQ((*img)->handle_y, 0);
  }
  for (int i = 1; i <= titleclouds; i++) ASSERT_TRUE(titlecloudimg[i]) << "cloud " << i;
  for (int i = 1; i <= titlelights; i++) ASSERT_TRUE(titlelightimg[i]) << "light " << i;
  EXPECT_TRUE(AutoMidHandleOn());  // pictures loaded afterwards are centred again
  EXPECT_FLOAT_EQ(cloudx[1], 1000);
  EXPECT_FLOAT_EQ(cloudx[4], 1500);
  EXPECT_FLOAT_EQ(cloudspeed[3], -0.2f);
  EXPECT_EQ(cloudy[2], 100);
  // A second load starts the scene over.
  titlepan = -700;
  lightstate[5] = 40;
  cloudx[2] = -3;
  loadtitlebg();
  EXPECT_EQ(titlepan, 0);
  EXPECT_EQ(lightstate[5], 0);
  EXPECT_FLOAT_EQ(cloudx[2], 500);
  deletetitlebg();
  EXPECT_FALSE(titleskya);
  EXPECT_FALSE(titlelightimg[20]);
}

TEST_F(Backgrounds, ThePanGlidesTwoHundredthsOfTheWayEachFrame) {
  loadtitlebg();
  deletetitlebg();  // the pan runs without the pictures; drawing them would only cost time
  drawtitlebg(-1000);
  EXPECT_FLOAT_EQ(titlepan, -20);
  drawtitlebg(-1000);
  EXPECT_NEAR(titlepan, -39.6f, 1e-3);
  for (int f = 0; f < 400; f++) drawtitlebg(-1000);
  EXPECT_NEAR(titlepan, -1000, 1);
}

TEST_F(Backgrounds, ACloudLeavingOnTheLeftComesBackOnTheRight) {
  loadtitlebg();
  deletetitlebg();
  cloudx[4] = -499.85f;
  cloudx[1] = -499.85f;
  drawtitlebg(0);
  EXPECT_FLOAT_EQ(cloudx[4], 1500);           // -0.25 took it past -500
  EXPECT_NEAR(cloudx[1], -499.97f, 1e-3);     // -0.12 did not yet
  drawtitlebg(0);
  EXPECT_FLOAT_EQ(cloudx[1], 1500);
}

TEST_F(Backgrounds, LightsComeOnRarelyBrightenAndStayOnForFiveHundredFrames) {
  loadtitlebg();
  deletetitlebg();
  int switchedon = 0;
  std::array<int, titlelights + 1> longest{};
  for (int f = 0; f < 6000; f++) {
    std::array<int, titlelights + 1> before = lightstate;
    drawtitlebg(0);
    for (int i = 1; i <= titlelights; i++) {
      if (before[i] == 0 && lightstate[i] == 1) switchedon++;
      if (before[i] > 0) {
        ASSERT_TRUE(lightstate[i] == before[i] + 1 || (lightstate[i] == 0 && before[i] > 500))
            << "light " << i << " from " << before[i] << " to " << lightstate[i];
      }
      longest[i] = std::max(longest[i], lightstate[i]);
    }
  }
  // 20 lights for 6000 frames at one chance in 2000: about 60 switch-ons.
  EXPECT_GT(switchedon, 20);
  EXPECT_LT(switchedon, 130);
}

TEST_F(Backgrounds, ALightFadesInOverItsFirstFramesWithinTheCallersAlpha) {
  loadtitlebg();
  // At the menu's pan light 1 sits in view, its corner at (63 - 633 + 1311, 85).
  const int lx = 63 - 633 + 1311 + 9, ly = 85 + 12;  // inside a pane of the window
  auto brightness = [&](int state, float alpha) {
    lightstate.fill(0);
    lightstate[1] = state;
    SeedRnd(1);
    Cls();
    resetdrawstate();
    SetColor(255, 255, 255);
    SetAlpha(alpha);
    titlepan = -1266;
    drawtitlebg(-1266);
    EXPECT_FLOAT_EQ(GetAlpha(), alpha);  // handed back
    resetdrawstate();
    uint32_t p = pixel(lx, ly);
    return int((p >> 16) & 0xff) + int((p >> 8) & 0xff) + int(p & 0xff);
  };
  int off = brightness(0, 1), first = brightness(0, 1), dim = brightness(1, 1), bright = brightness(5, 1);
  EXPECT_EQ(off, first);
  EXPECT_GT(dim, off);     // state 2 after the frame: a fifth
  EXPECT_GT(bright, dim);  // state 6: full
  EXPECT_LT(brightness(5, 0.5f), bright);
}

TEST_F(Backgrounds, TheTitleLandscapeFillsEveryScreenWidthAtEveryPanTheScreensUse) {
  for (int w : {1024, 1280, 1366}) {
    headlessgraphics(w, 768);
    screenw = w;
    loadtitlebg();
    // The loading screen holds the pan at 0; the menu pans between -1266 and -1266 - 0.06 x width.
    for (float pan : {0.0f, -300.0f, -1266.0f, -1266.0f - 0.06f * w})
      EXPECT_TRUE(titlecovers(pan)) << "width " << w << " pan " << pan;
  }
  SetClsColor(0, 0, 0);
}

TEST_F(Backgrounds, EachGroupOfThreeStagesHasItsGameBackground) {
  const int stages[] = {1, 2, 3, 4, 6, 7, 24, 25, 27, 28, 40};
  const int pictures[] = {1, 1, 1, 2, 2, 3, 8, 9, 9, 9, 9};
  for (int i = 0; i < 11; i++) {
    stage = stages[i];
    loadgamebg_dynamic(SCREEN_GAME, 0);
    EXPECT_EQ(gamebgnum, pictures[i]) << "stage " << stages[i];
    EXPECT_TRUE(gamebg);
    loadgamebg_dynamic(SCREEN_MAP, 1);
    EXPECT_EQ(gamebgnum, pictures[i]) << "stage " << stages[i];
  }
  // The story always has the first picture; any other screen too.
  stage = 20;
  loadgamebg_dynamic(SCREEN_STORY, 0);
  EXPECT_EQ(gamebgnum, 1);
  stage = 20;
  loadgamebg_dynamic(SCREEN_MENU, 0);
  EXPECT_EQ(gamebgnum, 1);
  stage = 0;
  loadgamebg_dynamic(SCREEN_GAME, 0);
  EXPECT_EQ(gamebgnum, 1);
}

TEST_F(Backgrounds, TheSameStageGroupKeepsTheLoadedPicture) {
  stage = 4;
  loadgamebg_dynamic(SCREEN_MAP, 0);
  Image loaded = gamebg;
  stage = 6;
  loadgamebg_dynamic(SCREEN_GAME, 0);
  EXPECT_EQ(gamebg, loaded);
  stage = 7;
  loadgamebg_dynamic(SCREEN_GAME, 0);
  EXPECT_NE(gamebg, loaded);
  EXPECT_EQ(gamebgnum, 3);
  deletegamebg();
  EXPECT_FALSE(gamebg);
  EXPECT_EQ(gamebgnum, 0);
  drawgamebg();  // nothing loaded: nothing drawn, no harm
}

TEST_F(Backgrounds, TheGameBackgroundFillsEveryScreenWidth) {
  for (int w : {1024, 1280, 1366}) {
    headlessgraphics(w, 768);
    screenw = w;
    midx = w / 2;
    midy = 384;
    stage = 13;
    deletegamebg();
    loadgamebg_dynamic(SCREEN_GAME, 0);
    SetClsColor(255, 0, 255);
    Cls();
    resetdrawstate();
    SetColor(255, 255, 255);
    drawgamebg();
    for (int x : {0, w / 2, w - 1})
      for (int y : {0, 767}) EXPECT_NE(pixel(x, y), 0xff00ffu) << "width " << w << " at " << x << "," << y;
  }
  SetClsColor(0, 0, 0);
}

TEST_F(Backgrounds, TheStageFollowsTheLevelThePlayerStandsOn) {
  runframes(1);
  EXPECT_EQ(stage, 1);  // nobody chosen
  clearplayer(3);
  playername[3] = "Pim";
  player = 3;
  for (int level : {0, 1, 10, 50, 103, 104}) {
    maplevel[3] = level;
    runframes(1);
    EXPECT_EQ(stage, stageof(level)) << "level " << level;
  }
  maplevel[3] = 103;
  runframes(1);
  EXPECT_EQ(stage, 27);
  player = -1;
  runframes(1);
  EXPECT_EQ(stage, 1);
}

}  // namespace
