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
#include <vector>

namespace {

using clockt = std::chrono::steady_clock;

double msince(clockt::time_point t0) { return std::chrono::duration<double, std::milli>(clockt::now() - t0).count(); }

struct Stats {
  std::vector<double> ms;
  double median() {
    std::sort(ms.begin(), ms.end());
    return ms.empty() ? 0 : ms[ms.size() / 2];
  }
  double worst() { return ms.empty() ? 0 : *std::max_element(ms.begin(), ms.end()); }
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
      auto t0 = clockt::now();
      playmusic(track, 1);
      updatemusic();
      start.ms.push_back(msince(t0));
      if (!ChannelPlaying(musicchan)) std::printf("  %s did not start\n", track);
      for (int f = 0; f < 20; f++) {
        auto t1 = clockt::now();
        updatemusic();
        update.ms.push_back(msince(t1));
      }
    }
  std::printf("track start (playmusic + updatemusic), %zu starts: median %.3f ms, worst %.3f ms\n", start.ms.size(),
              start.median(), start.worst());
  std::printf("updatemusic while a track plays: median %.4f ms, worst %.3f ms\n", update.median(), update.worst());

  // The game screen: its loader opens the stage's two tracks and the win tune; then the round
  // starts a track, and its end the win tune.
  Stats load, game, win;
  for (int s = 1; s <= 9; s++) {
    stage = s;
    auto t0 = clockt::now();
    loadgamemusic();
    load.ms.push_back(msince(t0));
    t0 = clockt::now();
    playgametrack(s % 2 + 1);
    updatemusic();
    game.ms.push_back(msince(t0));
    t0 = clockt::now();
    playgametrack(wintrack);
    updatemusic();
    win.ms.push_back(msince(t0));
    deletegamemusic();
  }
  std::printf("loadgamemusic (two tracks and the win tune opened): median %.3f ms, worst %.3f ms\n", load.median(),
              load.worst());
  std::printf("in-game track start: median %.3f ms, worst %.3f ms\n", game.median(), game.worst());
  std::printf("win tune start: median %.3f ms, worst %.3f ms\n", win.median(), win.worst());

  // What the old way cost: the whole track decoded before the first sample plays.
  Stats whole;
  for (int round = 0; round < 3; round++) {
    auto t0 = clockt::now();
    Sound s = LoadSound("data/music/menu.ogg", 1);
    whole.ms.push_back(msince(t0));
  }
  std::printf("for comparison, menu.ogg decoded whole before playing: median %.1f ms\n", whole.median());
  std::printf("target: a track start under 5 ms of the game's own time: %s\n",
              std::max({start.worst(), game.worst(), win.worst()}) < 5 ? "met" : "NOT met");
  stopmusic();
  EndAudio();
  return 0;
}
