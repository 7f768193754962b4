// Shared by the tools that drive the real game headless (the monkey soak and the autoplay):
// the game's trace kept in memory so a failure can show its last lines, crash and sanitizer
// handlers that say where the run stood, a fresh user folder, the start-up with the faked
// clock and without filling pixels, and the pointer put onto a point of the game's screen.
#pragma once
#include "runtime/runtime.h"
#include "runtime/testinput.h"
#include "shell/display.h"
#include "shell/menu.h"
#include "shell/startup.h"
#include <algorithm>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <unistd.h>
#include <vector>

extern "C" __attribute__((weak)) void __sanitizer_set_death_callback(void (*callback)(void));

namespace headless {

// The game's trace lines are kept, only the latest, and shown with a failure.
struct tracetail : std::streambuf {
  std::string text;
  int overflow(int c) override {
    if (c != EOF) text += char(c);
    if (text.size() > 16384) text.erase(0, text.size() - 4096);
    return c;
  }
};
// Never destroyed: std::cout writes into it until the very end of the program, after the
// statics are gone, when the standard streams are flushed for the last time.
inline tracetail& trace = *new tracetail;

// Writes the last trace lines to stderr under a heading; safe inside a signal handler.
inline void tellstrace(const char* heading) {
  const size_t from = trace.text.size() > 3000 ? trace.text.size() - 3000 : 0;
  if (write(2, heading, std::char_traits<char>::length(heading)) < 0 ||
      write(2, trace.text.data() + from, trace.text.size() - from) < 0) {}
}

// The tool's own words on where it stood; called on a crash or a sanitizer's report.
inline void (*tellwhere)() = nullptr;

inline void ondeath(int sig) {
  if (tellwhere) tellwhere();
  signal(sig, SIG_DFL);
  raise(sig);
}

// The trace into memory, stdout line by line, and the crash and sanitizer handlers.
inline void installhandlers(void (*where)()) {
  setvbuf(stdout, nullptr, _IOLBF, 0);  // progress lines show as they come
  std::cout.rdbuf(&trace);
  tellwhere = where;
  if (__sanitizer_set_death_callback) __sanitizer_set_death_callback(where);
  for (int sig : {SIGABRT, SIGSEGV, SIGBUS, SIGFPE, SIGILL}) signal(sig, ondeath);
}

// A new empty user folder under TMPDIR, named after the tool, the process and a number.
inline std::string userhome(const std::string& tool, long n) {
  const char* tmp = std::getenv("TMPDIR");
  std::string home = std::string(tmp && *tmp ? tmp : "/tmp") + "/morgavelle-" + tool + "-" + std::to_string(getpid()) +
                     "-" + std::to_string(n) + "/";
  std::filesystem::remove_all(home);
  std::filesystem::create_directories(home);
  return home;
}

// The game started over that user folder, headless, drawing through the whole path without
// filling pixels. Ends the tool when nothing can be shown.
inline void startgame(const std::string& home, const char* tool) {
  SetHeadless(true);
  testresetinput();
  resetshellstate();
  setenv("XDG_DATA_HOME", home.c_str(), 1);
  if (!gamestartup()) {
    std::fprintf(stderr, "%s: the game did not start\n", tool);
    std::exit(1);
  }
  SetPixelFill(false);
}

// The pointer onto a point of the game's screen, wherever the window shows it.
inline void pointvirtual(int x, int y) {
  int wx, wy;
  virtualtowindow(x, y, wx, wy);
  testmousemove(wx, wy);
}

// A picture drawn with its handle at (x, y).
struct placed {
  Image img;
  float x, y;
};
// The pointer's hit shape (coll2, or coll3 when big) at (mx, my) touches the picture pixel-exactly.
inline bool hits(const placed& p, int mx, int my, bool big = false) {
  const Image& shape = big ? coll3img : coll2img;
  return p.img && shape && ImagesCollide(p.img, std::trunc(p.x), std::trunc(p.y), 0, shape, float(mx), float(my), 0) != 0;
}
// Where a person points to hit the target alone: a point near its handle that hits it and none
// of the pictures in `avoid`, searched in rings outwards so it lies well inside. False when none.
inline bool hotpoint(const placed& target, const std::vector<placed>& avoid, int& mx, int& my) {
  if (!target.img) return false;
  int reach = std::max(ImageWidth(target.img), ImageHeight(target.img));
  for (int r = 0; r <= reach; r += 2)
    for (int dy = -r; dy <= r; dy += 2)
      for (int dx = -r; dx <= r; dx += 2) {
        if (std::max(std::abs(dx), std::abs(dy)) != r) continue;
        int x = int(target.x) + dx, y = int(target.y) + dy;
        if (!hits(target, x, y)) continue;
        bool clear = true;
        for (const placed& o : avoid) clear = clear && !hits(o, x, y);
        if (clear) {
          mx = x;
          my = y;
          return true;
        }
      }
  return false;
}

}  // namespace headless
