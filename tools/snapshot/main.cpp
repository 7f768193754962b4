// snapshot <folder>: renders named scenes headless into PNG files.
#include "tools/snapshot/snapshot.h"
#include "runtime/runtime.h"
#include "shell/gfx.h"
#include "shell/state.h"
#include <cstdio>
#include <cstdlib>
#include <filesystem>

std::string snapfolder;

bool savesnapshot(const std::string& name) {
  int w, h;
  std::vector<uint8_t> px = ReadPixels(w, h);
  std::string path = snapfolder + "/" + name + ".png";
  bool ok = !px.empty() && SavePixelsPNG(px, w, h, path);
  std::printf("%s %s\n", ok ? "wrote" : "FAILED", path.c_str());
  return ok;
}

void snapscreen(int w, int h) {
  SetHeadless(true);
  Graphics(w, h, 0, 60, 0);
  screenw = w;
  screenh = h;
  midx = w / 2;
  midy = h / 2;
  fadelevel = 256;
  resetdrawstate();
  Cls();
}

int main(int argc, char** argv) {
  setenv("SDL_VIDEODRIVER", "dummy", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  snapfolder = argc > 1 ? argv[1] : "snapshots";
  std::filesystem::create_directories(snapfolder);
  AutoMidHandle(true);
  int failed = 0;
  failed += !snaptestpattern();
  failed += !snapfonts();
  failed += !snappictures();
  failed += !snapeffects();
  failed += !snaptables();
  return failed ? 1 : 0;
}
