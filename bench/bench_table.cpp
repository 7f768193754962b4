// The table in play: a full layout of 51 cards with turning, shaking and wobbling cards,
// stock draws, signs over the table, the combo bar, the points bar, the cardometer and 1000
// live particles. Reports the median cost per frame of the game's own work: the table
// routines in the game screen's order (logic and queueing their draws), and apart from that
// the particle layer. The time SDL spends rasterising inside its own calls (the software
// renderer draws at once) is measured apart and taken out.
// Run from the build folder so the data folder's pictures are drawn.
#include "progression/startlevel.h"
#include "presentation/effects.h"
#include "runtime/runtime.h"
#include "shell/gfx.h"
#include "shell/settings.h"
#include "shell/buttons.h"
#include "shell/state.h"
#include "solitaire/cards.h"
#include "solitaire/levelformat.h"
#include "solitaire/levels.h"
#include "solitaire/points.h"
#include "solitaire/state.h"
#include "solitaire/stock.h"
#include "solitaire/table.h"
#include "text/fonts.h"
#include "text/texts.h"
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <vector>

namespace {

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

// Thirteen columns of four (the last of three): 51 cards, random ranks and a few specials.
std::vector<levelcard> fulllayout() {
  std::vector<levelcard> cards;
  for (int c = 0; c < 13; c++)
    for (int d = 0; d < (c == 12 ? 3 : 4); d++) {
      levelcard k;
      k.value = CARD_RANDOM;
      if (c == 3 && d == 1) k.value = CARD_ANIMAL, k.param = 1;
      if (c == 7 && d == 3) k.value = CARD_BONUS;
      if (c == 9 && d == 3) k.value = CARD_PLANT;
      k.cover = (c + d) % 5 == 0 ? 1 : (c + d) % 7 == 0 ? 2 : 0;
      k.x = 16 + 80 * c;
      k.y = 112 + 32 * d;
      k.column = c + 1;
      k.depth = d + 1;
      cards.push_back(k);
    }
  return cards;
}

const int benchkinds[] = {EFF_GLOWBALL + 3, EFF_SPARKLEBALL + 5, EFF_COLOURSTAR + 2, EFF_BIRDFEATHERS, EFF_FRUIT,
                          EFF_CARDPART,     EFF_COIN + 10,       EFF_FALLINGSTAR,    EFF_SPARKLE,      EFF_GREENSPARKLE,
                          EFF_CARDTRAIL + 5};
int nextkind = 0;

void fillslots() {
  for (int i = 1; i <= effslots; i++)
    if (effkind[i] == 0)
      addeffect(float(Rand(50, screenw - 50)), float(Rand(100, screenh - 150)),
                benchkinds[nextkind++ % int(std::size(benchkinds))], 0.1f * Rand(-30, 30), -0.1f * Rand(0, 60));
}

}  // namespace

int main() {
  setenv("SDL_VIDEODRIVER", "dummy", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  SetHeadless(true);
  Graphics(1366, 768, 0, 60, 0);
  screenw = 1366;
  screenh = 768;
  midx = 683;
  midy = 384;
  xshift = 171;
  fadelevel = 256;
  AutoMidHandle(true);
  loadfonts();
  loadeffects();
  loadcardgfx();
  loadtexts();
  loadtablepictures();
  if (!faceimg[0]) std::printf("note: no data folder here, the pictures are missing and nothing is drawn\n");

  // The layout goes through the real reader, from a scratch folder.
  std::filesystem::path here = std::filesystem::current_path();
  std::filesystem::path scratch = std::filesystem::temp_directory_path() / "morgavelle-benchtable";
  std::filesystem::create_directories(scratch / "data" / "levelz");
  {
    std::vector<uint8_t> bytes = encodelevel(fulllayout());
    std::ofstream out(scratch / "data" / "levelz" / "012.lvl", std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  }
  resettablestate();
  reseteffects();
  player = 1;
  level = selectedlevel = 12;
  std::filesystem::current_path(scratch);
  loadlevel();
  std::filesystem::current_path(here);
  std::filesystem::remove_all(scratch);
  while (gamestat == GAME_DEAL) dealframe();

  SeedRnd(1);
  fps = 50;
  bouncefx = 1;
  screen = SCREEN_GAME;
  popuplevel = 0;
  pausesign = -1;
  bestcombo[player] = 9;
  pointsfactor[player] = 2;
  barpos = 60;
  const int frames = 600, warmup = 20;
  std::vector<double> table, particles, raster;
  long quads = 0;
  SetRendererTiming(true);
  for (int f = 1; f <= frames + warmup; f++) {
    framecount = f;
    fillslots();  // outside the timing: every frame starts with 1000 live particles
    // Keep the table busy: a stock draw every 25 frames (the stock refilled when used up),
    // hints, shaking and turning cards, a sign now and then, and the mouse over a card.
    if (f % 25 == 0) {
      if (stock[player] <= 2) {
        for (int id = 1; id <= cardcount; id++)
          if (deckstate[player][id] == 2) deckstate[player][id] = 0;
        stock[player] = stockstart[player];
      }
      combo = f % 50 == 0 ? 7 : 2;
      drawfromstock();
      showhints();
    }
    if (f % 10 == 0) {
      int s = 1 + (f / 10) % 51;
      cardshake[player][s] = 20;
      if (cardturn[player][s] == 1) cardturn[player][s] = 10;
      addtablepopup(1 + (f / 10) % 2, float(200 + (f % 700)), 300);
    }
    mousex = cardx[player][4] + xshift + 48;
    mousey = cardy[player][4] + 71;
    resetdrawstate();
    Cls();
    auto t0 = std::chrono::steady_clock::now();
    updatefree();
    updatecolumns();
    drawstock();
    handleclicks();
    drawlongdrive();
    drawtablepopups();
    drawcombobar();
    drawpointsbar();
    drawmeter();
    auto t1 = std::chrono::steady_clock::now();
    double tablesdl = RendererMicros();
    effalpha = 1;
    draweff();
    auto t2 = std::chrono::steady_clock::now();
    double allsdl = RendererMicros();
    int q = DrawCalls();
    resetdrawstate();
    Flip(0);
    if (f <= warmup) continue;
    quads += q;
    table.push_back(std::chrono::duration<double, std::micro>(t1 - t0).count() - tablesdl);
    particles.push_back(std::chrono::duration<double, std::micro>(t2 - t1).count() - (allsdl - tablesdl));
    raster.push_back(allsdl);
  }
  int live = 0;
  for (int s = 1; s <= cardcount; s++) live += cardvalue[player][s] > 0;
  std::printf("table: %d frames on a 1366 x 768 screen, %d table cards, %d particle slots live each frame\n", frames,
              live, effslots);
  std::printf("  quads queued per frame (mean): %.1f\n", double(quads) / frames);
  std::printf("  table routines (free cards, columns, stock, clicks and cards, signs, bars, meter):\n");
  std::printf("    median %.1f us, worst %.1f us per frame\n", median(table), *std::max_element(table.begin(), table.end()));
  std::printf("  particle layer with 1000 live particles: median %.1f us per frame\n", median(particles));
  std::printf("  game's own work per frame (both): median %.1f us\n", median(table) + median(particles));
  std::printf("  SDL's rasterisation inside those calls (taken out): median %.1f us\n", median(raster));
  std::printf("  budget at 50 Hz: 20000 us per frame; the table uses %.2f %% of it\n", median(table) / 200.0);
  return 0;
}
