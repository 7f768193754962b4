// What starting a track costs the game thread. The frame in which a screen changes its music
// runs playmusic (or playgametrack) and then updatemusic, which starts the cued track; both are
// timed here over every looping track, the in-game pair and the win tune, on the silent driver
// (the mixer decodes on its own thread, so a real device adds nothing to the game's time).
// For comparison, the cost of decoding a whole track before it starts is printed too.
// Run from the build folder so the data folder's tracks are found.
#include "presentation/sound.h"
#include "runtime/runtime.h"
#include "shell/settings.h"
#include "shell/state.h"
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <ctime>
#include <vector>

namespace {

// The game's own time is the game thread's processor time: what the calls cost it, whatever
// else the machine is busy with. Wall-clock time is kept beside it.
double threadms() {
  timespec t;
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return t.tv_sec * 1000.0 + t.tv_nsec / 1e6;
}
double wallms() { return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch()).count(); }

struct Stats {
  std::vector<double> cpu, wall;
  double t0 = 0, w0 = 0;
  void start() {
    t0 = threadms();
    w0 = wallms();
  }
  void stop() {
    cpu.push_back(threadms() - t0);
    wall.push_back(wallms() - w0);
  }
  static double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
  }
  static double worst(const std::vector<double>& v) { return v.empty() ? 0 : *std::max_element(v.begin(), v.end()); }
  void print(const char* what) {
    std::printf("%s: game thread median %.3f ms, worst %.3f ms (wall clock median %.3f ms, worst %.3f ms)\n", what,
                median(cpu), worst(cpu), median(wall), worst(wall));
  }
};

const char* const looping[] = {"/music/menu.ogg",       "/music/shop.ogg",        "/music/story.ogg",
                               "/music/ocean.ogg",      "/music/storyparty.ogg", "/music/zombiecrowd.ogg",
                               "/music/fail.wav"};

}  // namespace

int main() {
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  if (!InitAudio()) {
    std::printf("no audio driver\n");
    return 1;
  }
  if (FileType("data/music/menu.ogg") != 1) {
    std::printf("run from the build folder: no data/music/menu.ogg here\n");
    return 1;
  }
  initsound();
  screen = SCREEN_MENU;
  framecount = 100;
  fadelevel = 256;
  musicvol = musicfade = 200;
  soundvol = 200;
  pausesign = -1;

  // The frame that starts a looping track: playmusic, then the music update.
  Stats start, update;
  for (int round = 0; round < 5; round++)
    for (const char* track : looping) {
      start.start();
      playmusic(track, 1);
      updatemusic();
      start.stop();
      if (!ChannelPlaying(musicchan)) std::printf("  %s did not start\n", track);
      for (int f = 0; f < 20; f++) {
        update.start();
        updatemusic();
        update.stop();
      }
    }
  start.print("track start (playmusic + updatemusic), 35 starts");
  update.print("updatemusic while a track plays");

  // The game screen: its loader opens the stage's two tracks and the win tune; then the round
  // starts a track, and its end the win tune.
  Stats load, game, win;
  for (int s = 1; s <= 9; s++) {
    stage = s;
    load.start();
    loadgamemusic();
    load.stop();
    game.start();
    playgametrack(s % 2 + 1);
    updatemusic();
    game.stop();
    win.start();
    playgametrack(wintrack);
    updatemusic();
    win.stop();
    deletegamemusic();
  }
  load.print("loadgamemusic (two tracks and the win tune opened)");
  game.print("in-game track start");
  win.print("win tune start");

  // What the old way cost: the whole track decoded before the first sample plays.
  Stats whole;
  for (int round = 0; round < 3; round++) {
    whole.start();
    Sound s = LoadSound("data/music/menu.ogg", 1);
    whole.stop();
  }
  whole.print("for comparison, menu.ogg decoded whole before playing");
  double worst = std::max({Stats::worst(start.cpu), Stats::worst(game.cpu), Stats::worst(win.cpu)});
  std::printf("target: a track start under 5 ms of the game's own time: %s (worst %.3f ms)\n", worst < 5 ? "met" : "NOT met",
              worst);
  stopmusic();
  EndAudio();
  return 0;
}
