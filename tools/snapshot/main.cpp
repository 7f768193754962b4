// snapshot <folder> [scene ...]: renders named scenes headless into PNG files; naming scenes
// (testpattern, fonts, pictures, effects, tables, levels, storyart, shell, menu, game, map, story, panels,
// desktop, screenshots, window) renders only those.
#include "tools/snapshot/snapshot.h"
#include "runtime/runtime.h"
#include "shell/dispatch.h"
#include "shell/gfx.h"
#include "runtime/testinput.h"
#include "shell/state.h"
#include "shell/startup.h"
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>
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

// The user folders the scenes started from; they go when the tool ends.
std::vector<std::filesystem::path> snaphomes;

void snapfreshfolder(const std::string& scene) {
  std::filesystem::path home =
      std::filesystem::temp_directory_path() / ("morgavelle-snap" + scene + "-" + std::to_string(getpid()));
  std::filesystem::remove_all(home);
  std::filesystem::create_directories(home);
  snaphomes.push_back(home);
  setenv("XDG_DATA_HOME", home.c_str(), 1);
  SetHeadless(true);
  testclock(true, 0);
  testresetinput();
  testresetdisplay();
}

bool snapfreshstart(const std::string& scene) {
  snapfreshfolder(scene);
  resetshellstate();
  return gamestartup();
}

void snapframes(int n) {
  for (int i = 0; i < n; i++) {
    runframe();
    testadvanceclock(20);
  }
}

void snapunseenframes(int n) {
  SetPixelFill(false);
  snapframes(n);
  SetPixelFill(true);
}

void snappoint(int x, int y) {
  testmousemove(x, y);
  snapframes(1);
}

void snapclick(int x, int y) {
  testmousemove(x, y);
  testmousepress(1);
  snapframes(1);
  testmouserelease(1);
  snapframes(1);
}

void snapkey(int key) {
  testkeypress(key);
  snapframes(1);
  testkeyrelease(key);
  snapframes(1);
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
  if (wanted("keyboard")) failed += !snapkeyboard();
  if (wanted("map")) failed += !snapmap();
  if (wanted("story")) failed += !snapstory();
  if (wanted("panels")) failed += !snappanels();
  if (wanted("desktop")) failed += !snapdesktop();
  // Only when named: the desktop scene makes these too.
  if (!chosen.empty() && wanted("screenshots")) failed += !snapscreenshots();
  if (wanted("window")) failed += !snapwindow();
  std::error_code ec;
  for (const auto& home : snaphomes) std::filesystem::remove_all(home, ec);
  return failed ? 1 : 0;
}
