// Start-up benchmark: from process start to the first presented splash frame, and on to the
// first frame of the main menu that takes input, with the real data folder, headless, from a
// fresh user folder. The splash pages and the loading bar are fixed-length presentations
// (their frames are timed separately and left out of the start-up figure). Then the parts of
// the start-up again one by one, so the heaviest can be seen: sounds, pictures, levels.
// Also the resident memory once the menu is up.
#include "runtime/runtime.h"
#include "runtime/testinput.h"
#include "presentation/sound.h"
#include "shell/dispatch.h"
#include "shell/intro.h"
#include "shell/settings.h"
#include "shell/startup.h"
#include "shell/state.h"
#include "solitaire/levels.h"
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

using clockt = std::chrono::steady_clock;

static double msince(clockt::time_point t) { return std::chrono::duration<double, std::milli>(clockt::now() - t).count(); }

// How long the process had been running when main began, from the kernel's books (10 ms steps).
static double processagems() {
  std::ifstream stat("/proc/self/stat"), up("/proc/uptime");
  std::string s((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
  size_t close = s.rfind(')');
  if (close == std::string::npos) return 0;
  std::istringstream rest(s.substr(close + 2));
  std::string field;
  for (int i = 3; i <= 22 && rest >> field; i++) {
  }
  double uptime = 0;
  up >> uptime;
  return (uptime - std::stod(field) / double(sysconf(_SC_CLK_TCK))) * 1000.0;
}

static long residentkb() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmRSS:", 0) == 0) return std::atol(line.c_str() + 6);
  return 0;
}

int main() {
  clockt::time_point t0 = clockt::now();
  double beforemain = processagems();
  setenv("SDL_VIDEODRIVER", "dummy", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  ChangeDir(AppDir());
  std::filesystem::path home = std::filesystem::temp_directory_path() / ("morgavelle-bench-" + std::to_string(getpid()));
  std::filesystem::remove_all(home);
  setenv("XDG_DATA_HOME", home.c_str(), 1);
  SetHeadless(true);

  if (!gamestartup()) return 1;
  double startup = msince(t0);
  runframe();
  double firstframe = msince(t0);
  std::printf("process start to main:            %7.1f ms (kernel clock, 10 ms steps)\n", beforemain);
  std::printf("main to start-up done:            %7.1f ms\n", startup);
  std::printf("main to first splash frame shown: %7.1f ms\n", firstframe);
  std::printf("process start to first frame:     %7.1f ms   (target under 500 ms)\n", beforemain + firstframe);

  // The splash pages are skipped straight to the loading screen: their length is the configuration's.
  fadeto(SCREEN_LOADING, 0, 0);
  for (int i = 0; i < 8; i++) runframe();
  clockt::time_point t = clockt::now();
  runframe();  // enters the loading screen: its pictures and the title scene are loaded here
  double loadentry = msince(t);
  t = clockt::now();
  int loadframes = 0;
  while (loadvalue < loadfull - 1 && screen == SCREEN_LOADING) {
    runframe();
    loadframes++;
  }
  double loadingframes = msince(t);
  t = clockt::now();
  runframe();  // the bar is full: the menu is entered in this frame (its pictures, its music)
  double menuentry = msince(t);
  t = clockt::now();
  runframe();  // the menu's first frame, the first that takes input
  double menufirst = msince(t);
  if (screen != SCREEN_MENU) {
    std::printf("the menu did not come up (screen %d)\n", screen);
    return 1;
  }
  std::printf("loading screen entry frame:       %7.1f ms\n", loadentry);
  std::printf("loading screen, %3d frames:       %7.1f ms (%.1f ms a frame, software renderer; left out)\n", loadframes,
              loadingframes, loadingframes / (loadframes > 0 ? loadframes : 1));
  std::printf("frame entering the menu:          %7.1f ms (menu pictures, title scene kept, music started)\n", menuentry);
  std::printf("menu's first frame:               %7.1f ms\n", menufirst);
  std::printf("process start to menu input:      %7.1f ms (presentation frames left out)\n",
              beforemain + firstframe + loadentry + menuentry + menufirst);
  std::printf("resident memory at the menu:      %7.1f MB   (target under 200 MB)\n", residentkb() / 1024.0);

  // The heavy parts of the start-up once more, each on its own.
  t = clockt::now();
  initsound();
  double sounds = msince(t);
  t = clockt::now();
  loadmaingraphics();
  double pictures = msince(t);
  t = clockt::now();
  instintro(1);
  double splash = msince(t);
  t = clockt::now();
  load_solitaire_for_preview();
  double levels = msince(t);
  std::printf("parts, run again:\n");
  std::printf("  sounds (initsound):                         %7.1f ms\n", sounds);
  std::printf("  pictures, fonts, texts (loadmaingraphics):  %7.1f ms\n", pictures);
  std::printf("  splash configuration and pictures:          %7.1f ms\n", splash);
  std::printf("  level previews:                             %7.1f ms\n", levels);
  std::filesystem::remove_all(home);
  EndAudio();
  EndGraphics();
  return 0;
}
