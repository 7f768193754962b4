#include "tests/harness.h"
#include "shell/startup.h"
#include "shell/state.h"
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace fs = std::filesystem;

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
  SetHeadless(true);
  Graphics(w, h, 0, 60, 0);
}

void headlessstart() {
  SetHeadless(true);
  testclock(true, 0);
  testresetinput();
  testresetdisplay();
  resetshellstate();
  freshuserhome();
  gamestartup();
}

void runframes(int n) {
  // Every frame makes all its draw calls, but only the last one fills pixels: a test reads the
  // picture once its frames are over, and the software renderer is most of a test's time.
  static const bool fillall = std::getenv("MORGAVELLE_FILLALL") != nullptr;
  for (int i = 0; i < n; i++) {
    SetPixelFill(fillall || i == n - 1);
    runframe();
    testadvanceclock(20);
  }
  SetPixelFill(true);
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

uint32_t pixel(int x, int y) { return PixelAt(x, y); }

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
