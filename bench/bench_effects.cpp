// The particle layer under full load: all 1000 slots busy with a mix of every kind, frame
// after frame. Reports the median and worst cost per frame of the layer's own work (moving,
// retiring and building the draws in draweff); the time SDL spends rasterising inside its own
// calls (the software renderer draws at once) is measured apart and taken out.
// Run from the build folder so the data folder's pictures are drawn.
#include "presentation/effects.h"
#include "runtime/runtime.h"
#include "shell/gfx.h"
#include "shell/settings.h"
#include "shell/state.h"
#include "solitaire/cards.h"
#include "text/fonts.h"
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// One of every kind with a picture, started in turn so the mix stays even as slots free up.
const int benchkinds[] = {EFF_GLOWBALL + 3, EFF_SPARKLEBALL + 5, EFF_GLASS,      EFF_FEATHERFALL, EFF_COLOURSTAR + 2,
                          EFF_RAIN + 4,     EFF_LEAF,            EFF_PIGCANNON,  EFF_BIRDFEATHERS, EFF_FRUIT,
                          EFF_NINJA,        EFF_CONFETTI,        EFF_QUESTION,   EFF_EXTRAGLOW,   EFF_CARDPART,
                          EFF_COIN + 10,    EFF_FALLINGSTAR,     EFF_SPARKLE,    EFF_GREENSPARKLE, EFF_CARDTRAIL + 5};
int nextkind = 0;

// Tops the table up to all 1000 slots; returns how many particles were started.
int fillslots() {
  int started = 0;
  for (int i = 1; i <= effslots; i++) {
    if (effkind[i] != 0) continue;
    int kind = benchkinds[nextkind++ % int(std::size(benchkinds))];
    addeffect(float(Rand(50, screenw - 50)), float(Rand(100, screenh - 150)), kind, 0.1f * Rand(-30, 30),
              -0.1f * Rand(0, 60));
    started++;
  }
  return started;
}

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
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
  fadelevel = 256;
  AutoMidHandle(true);
  loadfonts();
  loadeffects();
  loadcardgfx();
  AutoMidHandle(true);
  ballimg = loadimg("data\\game\\ball.png");
  AutoMidHandle(false);
  storyrain = loadimg("data\\story\\4\\rain.png");
  AutoMidHandle(true);
  if (!glbimg[1]) std::printf("note: no data folder here, the pictures are missing and nothing is drawn\n");

  SeedRnd(1);
  reseteffects();
  fps = 50;
  bouncefx = 1;
  screen = SCREEN_MAP;  // keeps the bird calls quiet
  const int frames = 600, warmup = 20;
  std::vector<double> layer, raster, whole;
  SetRendererTiming(true);
  long refills = 0, draws = 0;
  for (int f = 1; f <= frames + warmup; f++) {
    framecount = f;
    refills += fillslots();  // outside the timing: every frame starts with 1000 live particles
    resetdrawstate();
    Cls();
    auto t0 = std::chrono::steady_clock::now();
    draweff();
    auto t1 = std::chrono::steady_clock::now();
    int quads = DrawCalls();
    double sdl = RendererMicros();
    resetdrawstate();
    Flip(0);
    if (f <= warmup) continue;
    draws += quads;
    double total = std::chrono::duration<double, std::micro>(t1 - t0).count();
    whole.push_back(total);
    raster.push_back(sdl);
    layer.push_back(total - sdl);
  }
  std::printf("effects: %d frames, all %d slots live at the start of each frame\n", frames, effslots);
  std::printf("  particles restarted per frame (mean): %.1f\n", double(refills) / (frames + warmup));
  std::printf("  quads drawn per frame (mean):         %.1f\n", double(draws) / frames);
  std::printf("  draweff (move, retire, build the draws): median %.1f us, worst %.1f us per frame\n", median(layer),
              *std::max_element(layer.begin(), layer.end()));
  std::printf("  SDL's rasterisation inside those calls (taken out): median %.1f us\n", median(raster));
  std::printf("  draweff wall time with rasterisation, headless software renderer: median %.1f us\n", median(whole));
  std::printf("  budget at 50 Hz: 20000 us per frame; the layer uses %.2f %% of it\n", median(layer) / 200.0);
  return 0;
}
