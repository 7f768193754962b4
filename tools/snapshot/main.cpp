// snapshot <folder> [scene ...]: renders named scenes headless into PNG files; naming scenes
// (testpattern, fonts, pictures, effects, tables, levels, storyart, shell, menu, game, map, story, panels,
// desktop, window) renders only those.
#include "tools/snapshot/snapshot.h"
#include "runtime/runtime.h"
#include "shell/gfx.h"
#include "shell/state.h"
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

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

Image makeblock(int w, int h, int r, int g, int b, int a) {
  std::vector<uint8_t> p(size_t(w) * h * 4);
  for (size_t i = 0; i < p.size(); i += 4) {
    p[i] = uint8_t(r);
    p[i + 1] = uint8_t(g);
    p[i + 2] = uint8_t(b);
    p[i + 3] = uint8_t(a);
  }
  Image img = CreateImageFromPixels(p.data(), w, h, 0);
  SetImageHandle(img, 0, 0);
  return img;
}

static std::vector<std::string> chosen;  // scenes named on the command line, empty = all
static bool wanted(const char* scene) {
  if (chosen.empty()) return true;
  for (const std::string& c : chosen)
    if (c == scene) return true;
  return false;
}

int main(int argc, char** argv) {
  for (int i = 2; i < argc; i++) chosen.push_back(argv[i]);
  setenv("SDL_VIDEODRIVER", "dummy", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  snapfolder = argc > 1 ? argv[1] : "snapshots";
  std::filesystem::create_directories(snapfolder);
  AutoMidHandle(true);
  int failed = 0;
  if (wanted("testpattern")) failed += !snaptestpattern();
  if (wanted("fonts")) failed += !snapfonts();
  if (wanted("pictures")) failed += !snappictures();
  if (wanted("effects")) failed += !snapeffects();
  if (wanted("tables")) failed += !snaptables();
  if (wanted("levels")) failed += !snaplevels();
  if (wanted("storyart")) failed += !snapstoryart();
  if (wanted("shell")) failed += !snapshell();
  if (wanted("menu")) failed += !snapmenu();
  if (wanted("game")) failed += !snapgame();
  if (wanted("aids")) failed += !snapaids();
  if (wanted("map")) failed += !snapmap();
  if (wanted("story")) failed += !snapstory();
  if (wanted("panels")) failed += !snappanels();
  if (wanted("desktop")) failed += !snapdesktop();
  if (wanted("window")) failed += !snapwindow();
  return failed ? 1 : 0;
}
