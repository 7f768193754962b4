// Odds benchmark: what the odds sign costs the game screen per frame at the shipped level with
// the most cards. The count itself runs on a worker thread; the frame only reads the table
// after a move, hands a copy to the worker and reads back what came in. Reports the frame's
// share (median and worst, on frames with and without a move) and, for scale, how long the
// worker takes for a sample and for a whole count.
#include "progression/startlevel.h"
#include "runtime/runtime.h"
#include "shell/dispatch.h"
#include "shell/profiles.h"
#include "shell/startup.h"
#include "shell/state.h"
#include "solitaire/game.h"
#include "solitaire/odds.h"
#include "solitaire/state.h"
#include "solitaire/stock.h"
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <vector>

namespace fs = std::filesystem;
using clockt = std::chrono::steady_clock;

static double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.empty() ? 0 : v[v.size() / 2];
}
static double threadms() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return t.tv_sec * 1000.0 + t.tv_nsec / 1e6;
}
static double wallms() { return std::chrono::duration<double, std::milli>(clockt::now().time_since_epoch()).count(); }
static double most(const std::vector<double>& v) { return v.empty() ? 0 : *std::max_element(v.begin(), v.end()); }

int main() {
  setenv("SDL_VIDEODRIVER", "dummy", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  if (!fs::exists("data/levelz/103.lvl")) {
    std::printf("bench_odds: run it in the build folder beside its data\n");
    return 1;
  }
  fs::path home = fs::temp_directory_path() / "morgavelle-benchodds";
  fs::remove_all(home);
  fs::create_directories(home);
  setenv("XDG_DATA_HOME", home.c_str(), 1);
  SetHeadless(true);
  if (!gamestartup()) return 1;
  // The level with the most cards.
  int heaviest = 1, mostcards = 0;
  for (int lv = 1; lv <= lastlevel; lv++) {
    int n = 0;
    for (int s = 1; s <= previewslots; s++) n += previewvalue[lv][s] > 0;
    if (n > mostcards) mostcards = n, heaviest = lv;
  }
  inputon = 1;
  player = 1;
  clearplayer(1);
  playername[1] = "Bench";
  maplevel[1] = toplevel[1] = heaviest;
  selectedlevel = heaviest;
  screen = SCREEN_MENU;
  fadeto(SCREEN_GAME, 0, 0);
  for (int i = 0; i < 400 && (screen != SCREEN_GAME || gamestat != GAME_PLAY || gametime < 230); i++) runframe();
  for (int i = 0; i < 80 && !tableatrest(); i++) runframe();
  oddson = 1;

  // Frames of play: every 25th frame a draw changes the table and a new count starts.
  std::vector<double> quiet, moved, quietwall, movedwall;
  const int frames = 500;
  for (int f = 0; f < frames && stock[player] > 2; f++) {
    bool move = f % 25 == 0;
    if (move) {
      drawfromstock();
      for (int i = 0; i < 40 && !tableatrest(); i++) runframe();
    }
    // The frame's own processor time: on two busy cores the wall clock also counts the time
    // the system gave the worker and everybody else.
    double t0 = threadms(), w0 = wallms();
    oddsframe();
    double t1 = threadms(), w1 = wallms();
    (move ? moved : quiet).push_back(t1 - t0);
    (move ? movedwall : quietwall).push_back(w1 - w0);
    runframe();
  }
  resetodds();

  // The worker's side, for scale: one whole count on this thread.
  tableview v = readtableview();
  auto c0 = clockt::now();
  int reached = 0;
  int share = countodds(v, oddssamplecount, &reached);
  double count = std::chrono::duration<double>(clockt::now() - c0).count();

  std::printf("bench_odds: level %d, %d cards; %zu frames, %zu with a move\n", heaviest, mostcards,
              quiet.size() + moved.size(), moved.size());
  std::printf("  odds work on the game's frame (its own processor time), quiet frames: median %.4f ms, worst %.4f ms (target 2)\n",
              median(quiet), most(quiet));
  std::printf("  odds work on the game's frame, after a move:  median %.4f ms, worst %.4f ms (target 2)\n",
              median(moved), most(moved));
  std::printf("  wall clock (the system's scheduling included): quiet median %.4f ms, after a move median %.4f, worst %.4f ms\n",
              median(quietwall), median(movedwall), std::max(most(quietwall), most(movedwall)));
  std::printf("  worker: one count of %d samples in %.2f s (%.1f ms a sample), %d %% within par\n", oddssamplecount,
              count, 1000 * count / oddssamplecount, share);
  return 0;
}
