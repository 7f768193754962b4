// Buttons and the popup framework: what a button reports frame by frame, when it is inert,
// how it is drawn; the popup's fade in and out, its backdrop, and switching popups.
//
// What button() reports, frame by frame (the pointer over a button unless said otherwise):
//   pointer elsewhere ............................ 0
//   pointer moves in ............................. 2
//   left button pressed (one click this frame) ... 3, the click is used up
//   still held ................................... 2 (4 in the options popup over pictures 5..7)
//   released ..................................... 2
//   pointer moves out ............................ 0
//   a second button under the same point, same frame as the click ... 2
//
// Ideas for tests:
// - the caption fonts per picture (1: big font, 10 and 15: small font lower down)
// - a button half off the screen edge still reacts on its visible half
// - the map's own popup (442) drawn without a backdrop
#include "tests/shellkit.h"
#include "presentation/sound.h"
#include "shell/popups.h"
#include <gtest/gtest.h>

namespace {

class Buttons : public ::testing::Test {
 protected:
  void SetUp() override { popupscreenstart(); }
};

// One whole frame in which the screen draws a single button; returns what it reported.
int buttonframe(float x, float y, int image, int layer) {
  Cls();
  readinput();
  doall();
  int r = button(x, y, image, layer, "");
  popupframestate = checkdrawstate();
  Flip(1);
  testadvanceclock(20);
  return r;
}

// A white picture placed by its top-left corner.
Image makeblockimage(int w, int h) {
  std::vector<uint8_t> px(size_t(w) * h * 4, 255);
  Image img = CreateImageFromPixels(px.data(), w, h, 0);
  SetImageHandle(img, 0, 0);
  return img;
}

// Picture 3 is 160 x 62: half extents 80 and 31.
constexpr float bx = 300, by = 200;

TEST_F(Buttons, ReportsHoverClickAndHoldFrameByFrame) {
  buttonlayer = 1;
  testmousemove(10, 10);
  EXPECT_EQ(buttonframe(bx, by, 3, 1), 0);
  testmousemove(300, 200);
  EXPECT_EQ(buttonframe(bx, by, 3, 1), 2);
  testmousepress(1);
  EXPECT_EQ(buttonframe(bx, by, 3, 1), 3);
  EXPECT_EQ(mousehit1, 0);  // used up
  EXPECT_EQ(buttonframe(bx, by, 3, 1), 2);  // held: a click counts once
  testmouserelease(1);
  EXPECT_EQ(buttonframe(bx, by, 3, 1), 2);
  testmousemove(300, 240);
  EXPECT_EQ(buttonframe(bx, by, 3, 1), 0);
  EXPECT_EQ(popupframestate, "");
}

TEST_F(Buttons, TheEdgesOfThePictureAreOutside) {
  buttonlayer = 1;
  const int inside[][2] = {{221, 200}, {379, 200}, {300, 170}, {300, 230}};
  const int outside[][2] = {{220, 200}, {380, 200}, {300, 169}, {300, 231}};
  for (const auto& p : inside) {
    testmousemove(p[0], p[1]);
    EXPECT_EQ(buttonframe(bx, by, 3, 1), 2) << p[0] << "," << p[1];
  }
  for (const auto& p : outside) {
    testmousemove(p[0], p[1]);
    EXPECT_EQ(buttonframe(bx, by, 3, 1), 0) << p[0] << "," << p[1];
  }
}

TEST_F(Buttons, ASecondButtonUnderTheSamePointGetsNothing) {
  buttonlayer = 1;
  testmousemove(300, 200);
  testmousepress(1);
  readinput();
  soundplayed.fill(0);
  EXPECT_EQ(button(bx, by, 3, 1, ""), 3);
  EXPECT_EQ(soundplayed[13], 1);  // the click sound
  EXPECT_EQ(button(bx + 10, by, 4, 1, ""), 2);
}

TEST_F(Buttons, InertOnAnotherLayerDuringAFadeOutAndUnderThePausedSign) {
  testmousemove(300, 200);
  // Another layer: shown, never reacting.
  buttonlayer = 2;
  testmousepress(1);
  EXPECT_EQ(buttonframe(bx, by, 3, 1), 0);
  EXPECT_EQ(buttonframe(bx, by, 3, -1), 0);
  testmouserelease(1);
  // The nine fade-out frames.
  buttonlayer = 1;
  fadeto(SCREEN_QUIT + 1, 0, 0);  // a target nothing enters: the picture just goes black
  for (int f = 1; f <= 9; f++) {
    testmousepress(1);
    EXPECT_EQ(buttonframe(bx, by, 3, 1), 0) << "fade frame " << f;
    testmouserelease(1);
  }
  fadereset();
  // The paused sign: the click is left for the sign, which it takes away.
  pausesign = 1;
  testmousepress(1);
  readinput();
  EXPECT_EQ(button(bx, by, 3, 1, ""), 0);
  EXPECT_EQ(mousehit1, 1);
  pausesign = -1;
  EXPECT_EQ(button(bx, by, 3, 1, ""), 3);
}

TEST_F(Buttons, HeldIsReportedOnlyForTheOptionSlidersPictures) {
  buttonlayer = 2;
  testmousemove(300, 200);
  testmousepress(1);
  for (int image : {5, 6, 7, 8, 3}) {
    popupid = POPUP_OPTIONS;
    readinput();
    int expected = image >= 5 && image <= 7 ? 4 : 2;
    EXPECT_EQ(button(bx, by, image, 2, ""), expected) << "picture " << image;
    popupid = POPUP_INFO;
    EXPECT_EQ(button(bx, by, image, 2, ""), 2) << "picture " << image << " outside the options";
  }
  // Held over the picture but the pointer elsewhere: nothing.
  popupid = POPUP_OPTIONS;
  testmousemove(10, 10);
  readinput();
  EXPECT_EQ(button(bx, by, 5, 2, ""), 0);
}

TEST_F(Buttons, AnotherLayersButtonIsDimmedAndAHoveredOneGlows) {
  auto centre = [&](int layer, int mx) {
    testmousemove(mx, 200);
    Cls();
    readinput();
    doall();
    buttonlayer = 1;
    button(bx, by, 3, layer, "");
    Flip(1);
    return pixel(int(bx) - 60, int(by));
  };
  uint32_t plain = centre(1, 10), dimmed = centre(2, 10), glowing = centre(1, 300);
  for (int shift : {16, 8, 0}) {
    int p = (plain >> shift) & 0xff, d = (dimmed >> shift) & 0xff, g = (glowing >> shift) & 0xff;
    EXPECT_NEAR(d, p / 2, 2) << "channel " << shift;
    EXPECT_GE(g, p) << "channel " << shift;
  }
  EXPECT_NE(glowing, plain);
}

TEST_F(Buttons, ButtonsAndPanelsHandTheDrawingStateBackAsTheyFoundIt) {
  testmousemove(300, 200);
  readinput();
  buttonlayer = 1;
  SetColor(200, 100, 50);
  SetAlpha(0.5f);
  SetScale(2, 3);
  button(bx, by, 3, 1, "Caption");
  popuppanel(512, 384, "Title");
  float sx, sy;
  GetScale(sx, sy);
  int r, g, b;
  GetColor(r, g, b);
  EXPECT_EQ(sx, 2);
  EXPECT_EQ(sy, 3);
  EXPECT_EQ(r, 200);
  EXPECT_EQ(g, 100);
  EXPECT_EQ(b, 50);
  EXPECT_FLOAT_EQ(GetAlpha(), 0.5f);
  EXPECT_EQ(drawstate.blend_mode, BLEND_ALPHA);
  resetdrawstate();
}

TEST_F(Buttons, APopupFadesInOverFifteenFramesAndOutOverSixteen) {
  openpopup(POPUP_INFO);
  EXPECT_EQ(popuplevel, 1);
  for (int f = 1; f <= 15; f++) {
    popframes(1);
    EXPECT_EQ(popuplevel, f + 1 > 16 ? 16 : f + 1);
  }
  EXPECT_EQ(popuplevel, 16);
  popframes(5);
  EXPECT_EQ(popuplevel, 16);
  closepopup();
  for (int f = 1; f <= 16; f++) {
    popframes(1);
    EXPECT_EQ(popuplevel, 16 - f);
    EXPECT_EQ(popupid, POPUP_INFO);
    EXPECT_EQ(lastfunc, "infopopup()") << "the popup's routine runs while it fades, frame " << f;
  }
  popframes(1);
  EXPECT_EQ(popupid, 0);
  EXPECT_NE(lastfunc, "infopopup()");
}

TEST_F(Buttons, TheBackdropDarkensTheScreenMoreAsThePopupShowsAtEveryWidth) {
  for (int w : {1024, 1366}) {
    headlessgraphics(w, 768);
    resetdrawstate();
    screenw = w;
    Image white = makeblockimage(w, 768);
    auto corner = [&](int x, int y) {
      Cls();
      readinput();
      doall();
      SetAlpha(1);
      drawimg(white, 0, 0);
      buttonlayer = 2;
      drawpopups();
      Flip(1);
      return pixel(x, y) & 0xff;
    };
    resetpopups();
    openpopup(POPUP_NOSOUND);
    uint32_t early = corner(w - 4, 764);
    for (int f = 0; f < 16; f++) corner(w - 4, 764);
    uint32_t full = corner(w - 4, 764);
    EXPECT_LT(early, 255u) << "width " << w;
    EXPECT_LT(full, early) << "width " << w;
    EXPECT_LT(corner(4, 4), 128u) << "width " << w;
  }
}

TEST_F(Buttons, SwitchingShowsTheNextPopupAtOnceAndOpeningForgetsPendingKeys) {
  openpopup(POPUP_PLAYERS);
  popframes(4);
  testtypechar('x');
  testkeypress(KEY_ENTER);
  keyenter = 1;
  switchpopup(POPUP_DELETE);
  EXPECT_EQ(popupid, POPUP_DELETE);
  EXPECT_EQ(popuplevel, 16);
  EXPECT_EQ(popupdir, 1);
  EXPECT_EQ(keyenter, 0);
  EXPECT_EQ(GetChar(), 0);
  EXPECT_EQ(KeyDown(KEY_ENTER), 0);
  // Opening the player list ranks the players.
  cash[7] = 5000;
  playerrank.fill(0);
  openpopup(POPUP_PLAYERS);
  EXPECT_EQ(playerrank[1], 7);
}

TEST_F(Buttons, TheScreensButtonsAreInertWhileAPopupIsUp) {
  openpopup(POPUP_INFO);
  popframes(3);
  // The stand-in screen passes layer 2 while a popup shows; its own buttons are layer 1.
  testmousemove(40, 40);
  testmousepress(1);
  readinput();
  buttonlayer = popuplevel > 0 ? 2 : 1;
  EXPECT_EQ(button(60, 40, 3, 1, ""), 0);
  testmouserelease(1);
}

}  // namespace
