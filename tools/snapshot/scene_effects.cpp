// The particle sheets: "effects" shows every particle kind in a labelled cell, each run for a
// few dozen frames so it shows its motion, and "effects-bursts" the four burst routines a few
// frames after they fired. The layer really runs: every frame is a whole draweff pass.
#include "tools/snapshot/snapshot.h"
#include "presentation/effects.h"
#include "runtime/runtime.h"
#include "shell/gfx.h"
#include "shell/settings.h"
#include "shell/state.h"
#include "solitaire/cards.h"
#include "text/fonts.h"
#include <string>
#include <vector>

namespace {

const int sheetw = 1366, sheeth = 768;
const int cols = 5, rows = 4;
const int cellw = sheetw / cols, cellh = sheeth / rows;
const int runframes = 60;  // frames the kind sheet runs; the last one is captured

struct kindcell {
  const char* label;
  int kind;  // the first kind of the family
};
const kindcell kindcells[] = {
    {"101-109 glow balls", EFF_GLOWBALL + 1},
    {"151-159 award sparkles", EFF_SPARKLEBALL + 1},
    {"829 glass shards", EFF_GLASS},
    {"830 crow feather", EFF_FEATHERFALL},
    {"841-849 coloured stars", EFF_COLOURSTAR + 1},
    {"850-860 rain", EFF_RAIN},
    {"868 leaves", EFF_LEAF},
    {"869 pig cannon", EFF_PIGCANNON},
    {"870 bird feathers", EFF_BIRDFEATHERS},
    {"880 fruit pieces", EFF_FRUIT},
    {"894 ninja", EFF_NINJA},
    {"895 confetti", EFF_CONFETTI},
    {"896 question marks", EFF_QUESTION},
    {"897 extra-card glow", EFF_EXTRAGLOW},
    {"898 card fragments", EFF_CARDPART},
    {"900+p point coins", EFF_COIN},
    {"993 falling stars", EFF_FALLINGSTAR},
    {"996 sparkle", EFF_SPARKLE},
    {"997 green sparkles", EFF_GREENSPARKLE},
    {"8000+n card trail", EFF_CARDTRAIL},
};
const int coinpoints[] = {1, 2, 3, 5, 10, 20, 25, 30, 50, 100};
const int coinplace[10][2] = {{-90, -45}, {-30, -45}, {30, -45}, {90, -45},  // small coins
                              {-80, 10},  {0, 10},    {80, 10},              // middle row
                              {-80, 65},  {0, 65},    {80, 65}};             // 30, 50, stacked 100

// Night-blue cells with a thin frame, so glows and dark outlines both show.
void drawcells(int count, int cw, int ch, int perrow) {
  Image frame = makeblock(cw - 4, ch - 4, 34, 30, 58, 255);
  for (int c = 0; c < count; c++) DrawImage(frame, float(c % perrow * cw + 2), float(c / perrow * ch + 2), 0);
}

// Starts this frame's particles of one cell; cx, cy is the cell's centre.
void feedcell(int cell, int frame, float cx, float cy) {
  int kind = kindcells[cell].kind;
  int left = runframes - frame;  // frames until the capture
  switch (kind) {
    case EFF_GLOWBALL + 1:
    case EFF_SPARKLEBALL + 1:
      if (frame % 2 == 0) addeffect(cx + Rand(-40, 40), cy + 40, kind + frame / 2 % 9, 0.1f * Rand(-30, 30), -0.1f * Rand(40, 70));
      break;
    case EFF_GLASS:
    case EFF_CARDPART:
      if (frame % 5 == 0 && left < 36) addeffect(cx + Rand(-30, 30), cy, kind, 0.1f * Rand(-25, 25), -0.1f * Rand(20, 45));
      break;
    case EFF_FEATHERFALL:
      if (frame % 8 == 0) addeffect(cx + Rand(-60, 60), cy - 50, kind, 0.1f * Rand(-20, 20), -2);
      break;
    case EFF_COLOURSTAR + 1:
      if (frame % 2 == 0 && left < 30)
        addeffect(cx, cy + 10, EFF_COLOURSTAR + frame / 2 % 9 + 1, 0.1f * Rand(-40, 40), -0.1f * Rand(30, 55));
      break;
    case EFF_FALLINGSTAR:
      if (frame % 2 == 0 && left < 30) addeffect(cx, cy + 10, kind, 0.1f * Rand(-40, 40), -0.1f * Rand(30, 55));
      break;
    case EFF_RAIN:
      if (left < 12) addeffect(cx + Rand(-60, 90), cy - 90, EFF_RAIN + Rand(1, 10), 0, 0);
      break;
    case EFF_LEAF:
    case EFF_CONFETTI:
      if (frame % 3 == 0 && left < 24) addeffect(cx + Rand(-80, 80), cy - 60, kind, 0.1f * Rand(-20, 20), -0.1f * Rand(0, 30));
      break;
    case EFF_PIGCANNON:
      if (left == 38) addeffect(cx + 80, cy + 50, kind, 0, 0);
      break;
    case EFF_BIRDFEATHERS:
      if (left == 52)
        for (int n = 0; n < 6; n++) addeffect(cx + Rand(-20, 20), cy, kind, 0.1f * Rand(-30, 30), -0.1f * Rand(20, 50));
      break;
    case EFF_FRUIT:
      if (left == 44)
        for (int n = 0; n < 6; n++) addeffect(cx + Rand(-20, 20), cy, kind, 0.1f * Rand(-30, 30), -0.1f * Rand(30, 50));
      break;
    case EFF_NINJA:
      if (left == 22) addeffect(cx, cy - 20, kind, 0, 0);
      break;
    case EFF_QUESTION:
      if (frame % 6 == 0 && left > 2) addeffect(cx + Rand(-70, 70), cy + 30, kind, 0, -1);
      break;
    case EFF_EXTRAGLOW:
      if (left == 12) addeffect(cx, cy, kind, 0, 0);  // drawn at the stock row, placed in this cell
      break;
    case EFF_COIN:
      if (left == 1)
        for (int n = 0; n < 10; n++) addeffect(cx + coinplace[n][0], cy + coinplace[n][1], EFF_COIN + coinpoints[n], 0, 0);
      break;
    case EFF_SPARKLE:
      if (frame % 10 == 0) addeffect(cx + Rand(-90, 90), cy + Rand(-40, 50), kind, 0, 0);
      break;
    case EFF_GREENSPARKLE:
      if (left < 30) addeffect(cx - 100 + 7 * (30 - left), cy + 30 - 2 * (30 - left), kind, 0.1f * Rand(-30, 30), 0.1f * Rand(-30, 30));
      break;
    case EFF_CARDTRAIL:
      // A card flying up and to the right, turning as it goes; the fishslap card on even frames.
      if (left < 10) {
        int t = 10 - left;
        int face = t % 4 == 0 ? efftrailfishslap : 13 * (t % 4) + 11;
        addeffect(cx - 130 + 18 * t, cy - 50 - 4 * t, EFF_CARDTRAIL + face, float(3 * t), 0);
      }
      break;
  }
}

void labelcells(int count, int cw, int ch, int perrow, const char* const* labels) {
  for (int c = 0; c < count; c++) drawtext(labels[c], float(c % perrow * cw + 10), float(c / perrow * ch + 14), ALIGN_LEFT, 7);
}

void loadsheetpictures() {
  if (!fontimg[7]) loadfonts();
  if (!glbimg[1]) loadeffects();
  if (!faceimg[0]) loadcardgfx();
  AutoMidHandle(true);
  if (!ballimg) ballimg = loadimg("data\\game\\ball.png");
  if (!storyrain) {
    AutoMidHandle(false);  // the chapter loads its rain with a top-left handle
    storyrain = loadimg("data\\story\\4\\rain.png");
    AutoMidHandle(true);
  }
}

bool snapkinds() {
  snapscreen(sheetw, sheeth);
  loadsheetpictures();
  reseteffects();
  SeedRnd(7);
  fps = 50;
  bouncefx = 1;
  screen = SCREEN_MAP;  // no bird calls: the sheet is silent
  const int count = int(std::size(kindcells));
  int extrarow = 13 / cols;
  stocky = extrarow * cellh + cellh / 2 + 10 - 71;  // the extra-card glow follows the stock row
  for (int frame = 1; frame <= runframes; frame++) {
    framecount = frame;
    SetClsColor(14, 12, 26);
    Cls();
    drawcells(count, cellw, cellh, cols);
    for (int c = 0; c < count; c++) feedcell(c, frame, float(c % cols * cellw + cellw / 2), float(c / cols * cellh + cellh / 2 + 10));
    draweff();
    resetdrawstate();
  }
  const char* labels[std::size(kindcells)];
  for (int c = 0; c < count; c++) labels[c] = kindcells[c].label;
  labelcells(count, cellw, cellh, cols, labels);
  return savesnapshot("effects");
}

bool snapbursts() {
  snapscreen(sheetw, sheeth);
  loadsheetpictures();
  reseteffects();
  SeedRnd(11);
  fps = 50;
  const int bw = sheetw / 2, bh = sheeth / 2;
  const char* labels[] = {"bigburst (and its points-bar balls at the left edge)", "starburst, colours 1-6", "cardburst",
                          "extraburst"};
  barpos = bh / 2 + 12;  // the extra balls of the big burst land at (67, barpos - 12)
  stocky = bh + bh / 2 - 71;
  xshift = 0;
  for (int frame = 1; frame <= 12; frame++) {
    framecount = frame;
    if (frame == 1) {
      bigburst(bw / 2 + 40, bh / 2);
      for (int c = 1; c <= 6; c++) starburst(bw + bw / 2 - 400 + (c - 1) % 3 * 200 + 200, (c - 1) / 3 * 150 + 130, c);
      cardburst(bw / 2, bh + bh / 2);
      extraburst(bw + bw / 2, bh + bh / 2);
    }
    SetClsColor(14, 12, 26);
    Cls();
    drawcells(4, bw, bh, 2);
    draweff();
    resetdrawstate();
  }
  labelcells(4, bw, bh, 2, labels);
  return savesnapshot("effects-bursts");
}

}  // namespace

bool snapeffects() {
  bool ok = snapkinds();
  ok = snapbursts() && ok;
  reseteffects();
  return ok;
}
