#include "tests/harness.h"
#include "shell/startup.h"
#include "shell/state.h"
#include <gtest/gtest.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace fs = std::filesystem;

// True when the last frame run filled no pixels.
static bool blindframe = false;

std::string tempfolder() {
  static int n = 0;
  fs::path p = fs::temp_directory_path() / ("morgavelle-test-" + std::to_string(getpid()) + "-" + std::to_string(++n));
  fs::remove_all(p);
  fs::create_directories(p);
  return p.string() + "/";
}

std::string freshuserhome() {
  std::string home = tempfolder();
  setenv("XDG_DATA_HOME", home.c_str(), 1);
  return home;
}

void headlessgraphics(int w, int h) {
  fillframes = blindframe = false;
  SetHeadless(true);
  Graphics(w, h, 0, 60, 0);
}

void headlessstart() {
  fillframes = blindframe = false;
  SetHeadless(true);
  testclock(true, 0);
  testresetinput();
  testresetdisplay();
  resetshellstate();
  freshuserhome();
  gamestartup();
}

void runframes(int n) {
  if (n <= 0) return;
  SetPixelFill(fillframes);
  for (int i = 0; i < n; i++) {
    runframe();
    testadvanceclock(20);
  }
  blindframe = !fillframes;
  SetPixelFill(true);  // a test's own drawing always fills
}

void writebytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}

std::string readbytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

uint32_t pixel(int x, int y) {
  if (blindframe) ADD_FAILURE() << "pixel(" << x << ", " << y << ") read a frame that filled no pixels: set fillframes first";
  return PixelAt(x, y);
}

void pointat(int x, int y) {
  testmousemove(x, y);
  runframes(1);
}

void clickat(int x, int y) {
  testmousemove(x, y);
  testmousepress(1);
  runframes(1);
  testmouserelease(1);
  runframes(1);
}

void presskey(int key) {
  testkeypress(key);
  runframes(1);
  testkeyrelease(key);
  runframes(1);
}

void typetext(const std::string& text) {
  for (unsigned char c : text) {
    testtypechar(c);
    runframes(1);
  }
}
