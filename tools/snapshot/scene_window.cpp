// The window at other sizes than the game's own: a wide window, a tall one on a HiDPI screen,
// and full screen on a monitor that offers none of the game's modes. Each picture is the
// window as it shows the game, bars included.
#include "tools/snapshot/snapshot.h"
#include "runtime/runtime.h"
#include "runtime/testinput.h"
#include "shell/display.h"
#include "shell/menu.h"
#include "shell/settings.h"
#include "shell/startup.h"
#include "shell/state.h"
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace {
bool savewindow(const std::string& name) {
  int w, h;
  std::vector<uint8_t> px = ReadWindowPixels(w, h);
  std::string path = snapfolder + "/" + name + ".png";
  bool ok = !px.empty() && SavePixelsPNG(px, w, h, path);
  std::printf("%s %s\n", ok ? "wrote" : "FAILED", path.c_str());
  return ok;
}
}  // namespace

bool snapwindow() {
  snapfreshfolder("win");
  testdisplay(1920, 1080, {{1920, 1080}});
  resetshellstate();
  if (!gamestartup()) return false;
  bool ok = true;
  fullscreen = 0;
  instgraphic();
  instmenu();
  testwindowsize(1280, 560);
  snapframes(60);
  ok &= savewindow("window-wide");
  testpixelscale(2);
  testwindowsize(500, 700);
  snapframes(2);
  ok &= savewindow("window-tall-hidpi");
  testpixelscale(1);
  testwindowsize(1920, 1080);  // a window the size of a 1920 x 1080 desktop
  snapframes(2);
  ok &= savewindow("window-1920x1080");
  togglescreensize(3, 1);
  instmenu();
  snapframes(60);
  ok &= savewindow("window-desktop-fullscreen");
  return ok;
}
