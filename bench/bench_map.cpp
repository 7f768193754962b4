// The adventure map's frame: a player at level 60 with mixed results, the 27 stage cards and
// 103 level markers worked out every frame (those of the page in view drawn), the frontier's
// glow, the pointer over a marker with the tooltip and the level's miniature, the bars, page
// dots and buttons, the shop sparkles and the particle layer. Reports the median cost per frame
// of the game's own work (the map routine, logic and queueing its draws) with the time SDL
// spends rasterising inside its own calls measured apart and taken out, on a page at rest and
// while the map glides between two pages.
// Run from the build folder so the data folder's pictures are drawn.
#include "presentation/effects.h"
#include "progression/map.h"
#include "runtime/runtime.h"
#include "runtime/testinput.h"
#include "shell/buttons.h"
#include "shell/gfx.h"
#include "shell/profiles.h"
#include "shell/startup.h"
#include "shell/state.h"
#include "solitaire/levels.h"
#include "solitaire/state.h"
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

namespace {

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

struct sample {
  std::vector<double> own, raster;
  long quads = 0;
};

// One map frame as the dispatcher runs it, timed without SDL's rasterising.
void timedframe(sample& s, bool keep) {
  framecount++;
  resetdrawstate();
  Cls();
  auto t0 = std::chrono::steady_clock::now();
  showadventuremap();
  auto t1 = std::chrono::steady_clock::now();
  double sdl = RendererMicros();
  int q = DrawCalls();
  resetdrawstate();
  Flip(0);
  if (!keep) return;
  s.own.push_back(std::chrono::duration<double, std::micro>(t1 - t0).count() - sdl);
  s.raster.push_back(sdl);
  s.quads += q;
}

void report(const char* what, const sample& s) {
  std::printf("  %s: game's own work median %.1f us (worst %.1f us), SDL rasterising taken out median %.1f us, "
              "%.0f quads\n",
              what, median(s.own), *std::max_element(s.own.begin(), s.own.end()), median(s.raster),
              double(s.quads) / double(s.own.size()));
}

}  // namespace

int main() {
  setenv("SDL_VIDEODRIVER", "dummy", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  std::filesystem::path home = std::filesystem::temp_directory_path() / "morgavelle-benchmap";
  std::filesystem::remove_all(home);
  std::filesystem::create_directories(home);
  setenv("XDG_DATA_HOME", home.c_str(), 1);
  SetHeadless(true);
  testclock(true, 0);
  if (!gamestartup()) return 1;
  if (!mapstarimg[1]) std::printf("note: no data folder here, the pictures are missing and nothing is drawn\n");
  player = 1;
  clearplayer(1);
  playername[1] = "Mortimer";
  maplevel[1] = toplevel[1] = 60;
  cash[1] = 18350;
  maphint[1] = 100;
  for (int l = 1; l < 60; l++) {
    levelstars[1][l] = l % 7 == 0 ? 3 : l % 5 == 0 ? 0 : l % 3 == 0 ? 1 : 2;
    levelbest[1][l] = 1 + l % 5;
  }
  instadventuremap();
  fadelevel = 256;
  SeedRnd(1);
  SetRendererTiming(true);
  sample rest, glide;
  // Settle on page 2, then point at level 56's marker so its tooltip and miniature show.
  mousex = mousey = 5;
  for (int f = 0; f < 150; f++) timedframe(rest, false);
  const int s16 = stageof(56);
  mousex = int(nodex[s16]) - 40;
  mousey = nodey[s16] - 4;
  const int frames = 500;
  for (int f = 0; f < frames + 30; f++) timedframe(rest, f >= 30);
  if (maphovered != 56) std::printf("note: the pointer missed the marker (hovered %d)\n", maphovered);
  // Glide back and forth between pages 1 and 2: two pages in view for most frames.
  mousex = mousey = 5;
  for (int f = 0; f < frames; f++) {
    if (f % 60 == 0) {
      mappage = mappage == 2 ? 1 : 2;
      mapscrollto = (mappage - 1) * mappagewidth;
    }
    timedframe(glide, true);
  }
  std::printf("bench_map: %d frames each, %d x %d software renderer, player at level 60\n", frames, screenw, screenh);
  report("page at rest with the tooltip and preview", rest);
  report("gliding between two pages            ", glide);
  std::printf("  budget: 500 us of the game's own work per map frame; at rest it uses %.0f %%\n",
              median(rest.own) / 5.0);
  return 0;
}
