// Game-screen benchmark: the heaviest frame the game screen draws. A table of 51 cards, every
// plant and three items in the bars, the joker running (it shakes every free card and throws
// confetti), 1000 particles alive, and the end screen at its fireworks, all at once, through
// the real frame routine at 1024 x 768 on the headless software renderer. Reports the median
// cost of the game's own work per frame: the frame's time without what the renderer spent
// rasterising and without presenting, as bench_draw counts the runtime's own work.
#include "presentation/effects.h"
#include "progression/startlevel.h"
#include "runtime/runtime.h"
#include "shell/dispatch.h"
#include "shell/profiles.h"
#include "shell/startup.h"
#include "shell/state.h"
#include "solitaire/extras.h"
#include "solitaire/game.h"
#include "solitaire/levelformat.h"
#include "solitaire/state.h"
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <vector>

namespace fs = std::filesystem;
using clockt = std::chrono::steady_clock;

static double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

// A scratch folder whose data links to the real one, with a 51-card level 14 of its own.
static bool scratch() {
  fs::path home = fs::current_path();
  if (!fs::exists(home / "data" / "levelz")) return false;
  fs::path folder = fs::temp_directory_path() / "morgavelle-benchgame";
  fs::remove_all(folder);
  fs::create_directories(folder / "data" / "levelz");
  for (const fs::directory_entry& e : fs::directory_iterator(home / "data"))
    if (e.path().filename() != "levelz") fs::create_directory_symlink(e.path(), folder / "data" / e.path().filename());
  std::vector<levelcard> cards;
  for (int c = 0; c < 17; c++)
    for (int d = 1; d <= 3; d++) {
      levelcard k;
      k.value = CARD_RANDOM;
      k.column = c + 1;
      k.depth = d;
      k.x = 32 + 48 * c;
      k.y = 96 + 32 * (d - 1);
      cards.push_back(k);
    }
  std::vector<uint8_t> bytes = encodelevel(cards);
  std::ofstream(folder / "data" / "levelz" / "014.lvl", std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  fs::create_directories(folder / "home");
  setenv("XDG_DATA_HOME", (folder / "home").c_str(), 1);
  fs::current_path(folder);
  return true;
}

int main() {
  setenv("SDL_VIDEODRIVER", "dummy", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  if (!scratch()) {
    std::printf("bench_game: run it in the build folder beside its data\n");
    return 1;
  }
  SetHeadless(true);
  if (!gamestartup()) return 1;
  inputon = 1;
  player = 1;
  clearplayer(1);
  playername[1] = "Bench";
  maplevel[1] = toplevel[1] = 14;
  for (int k = 1; k <= 8; k++) plants[1][k] = 1;
  extraslots[1][1] = ITEM_ZOMBIEKILLER;
  extraslots[1][2] = ITEM_JOKER;
  extraslots[1][3] = ITEM_DOUBLESUNS;
  selectedlevel = 14;
  screen = SCREEN_MENU;
  fadeto(SCREEN_GAME, 0, 0);
  for (int i = 0; i < 300 && (screen != SCREEN_GAME || gamestat != GAME_PLAY); i++) runframe();
  for (int i = 0; i < 60; i++) runframe();  // every card turned up

  const int frames = 300;
  std::vector<double> own, whole;
  int live = 0, cards = 0;
  SetRendererTiming(true);
  for (int f = 0; f < frames + 20; f++) {
    // Hold the heaviest state: the table still drawn under the end screen at its fireworks,
    // the joker running and the particle table full.
    gamestat = GAME_END;
    endslide = 40;
    gameresult = RESULT_STRIKE;
    endtime = 232 + f % 64;
    stocky = stockplayy;
    jokermode = 2;
    for (int i = 1; i <= effslots; i++)
      if (effkind[i] == 0) addeffect(float(20 + i % 980), float(20 + (i * 7) % 720), EFF_SPARKLE, 0, 0);
    live = 0;
    for (int i = 1; i <= effslots; i++) live += effkind[i] != 0;
    fps = 50;  // the software renderer is slow: keep the layer from shedding its particles
    auto t0 = clockt::now();
    Cls();
    auto t1 = clockt::now();
    readinput();
    doall();
    auto t2 = clockt::now();
    double mine = std::chrono::duration<double, std::micro>(t2 - t1).count() - RendererMicros();
    Flip(1);
    double total = std::chrono::duration<double, std::milli>(clockt::now() - t0).count();
    if (f >= 20) {
      own.push_back(mine);
      whole.push_back(total);
    }
    cards = 0;
    for (int s = 1; s <= cardcount; s++) cards += cardvalue[1][s] > 0;
  }
  double ownmed = median(own);
  std::printf("bench_game: %d frames of the game screen at 1024x768, software renderer\n", frames);
  std::printf("  per frame: %d cards, 8 plants, 3 items, joker running, %d particles, end screen fireworks\n", cards,
              live);
  std::printf("  game's own work (without rasterising and presenting): median %.3f ms/frame (target 0.5)\n",
              ownmed / 1000);
  std::printf("  whole frame incl. software rasterising:               median %.1f ms/frame\n", median(whole));
  return 0;
}
