// Helpers shared by the intro, main menu, display mode and options tests.
#pragma once
#include "shell/buttons.h"
#include "shell/display.h"
#include "shell/intro.h"
#include "shell/menu.h"
#include "shell/settings.h"
#include "shell/state.h"
#include "tests/harness.h"
#include <string>
#include <vector>

// The n-th line (from 1) of settings.txt as written.
inline std::string settingsline(int n) {
  std::string all = readbytes(userpath + "settings.txt"), line;
  int at = 1;
  for (size_t i = 0; i < all.size(); i++) {
    if (all[i] == '\n') {
      if (at == n) return line;
      at++;
      line.clear();
    } else if (all[i] != '\r') {
      line += all[i];
    }
  }
  return at == n ? line : "";
}

// Runs frames until the screen is the one asked for; false when it did not come within limit.
inline bool rununtilscreen(int want, int limit) {
  for (int f = 0; f < limit; f++) {
    if (screen == want) return true;
    runframes(1);
  }
  return screen == want;
}

// The menu entered from another screen, settled: the sign down, the buttons in their places.
inline void menusettled() {
  instmenu();
  runframes(60);
}

// A click at a point of the game's screen, wherever the window puts it (a small window or a
// stretched screen has other pixels than the game).
inline void clickvirtual(int x, int y) {
  int wx, wy;
  virtualtowindow(x, y, wx, wy);
  clickat(wx, wy);
}

// Press the left button at (x, y) and keep it down for n frames, then let go for one frame.
inline void holdat(int x, int y, int n) {
  testmousemove(x, y);
  testmousepress(1);
  runframes(n);
  testmouserelease(1);
  runframes(1);
}
