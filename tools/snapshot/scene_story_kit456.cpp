#include "tools/snapshot/scene_story_kit456.h"
#include "progression/startlevel.h"
#include "runtime/runtime.h"
#include "runtime/testinput.h"
#include "shell/dispatch.h"
#include "shell/display.h"
#include "shell/profiles.h"
#include "shell/startup.h"
#include "shell/state.h"
#include "story/story.h"
#include "story/storymap.h"
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

bool storysnapstart(int width) {
  std::filesystem::path home =
      std::filesystem::temp_directory_path() / ("morgavelle-snapstory-" + std::to_string(getpid()));
  std::filesystem::remove_all(home);
  std::filesystem::create_directories(home);
  setenv("XDG_DATA_HOME", home.c_str(), 1);
  SetHeadless(true);
  testclock(true, 0);
  testresetinput();
  resetshellstate();
  if (!gamestartup()) return false;
  if (width != screenw) opengraphics(width, 768, 32, width, 768);
  inputon = 1;
  clearplayer(1);
  playername[1] = "Mortimer";
  player = 1;
  testmousemove(5, 300);
  return true;
}

bool storysnapenter(int level) {
  maplevel[1] = toplevel[1] = level;
  selectedlevel = level;
  startlevel(level);
  storysnapframes(9);
  return screen == SCREEN_STORY;
}

void storysnapframes(int n) {
  for (int i = 0; i < n; i++) {
    runframe();
    testadvanceclock(20);
  }
}

void storysnappoint(int x, int y) {
  testmousemove(x, y);
  storysnapframes(1);
}

void storysnapclick(int x, int y) {
  testmousemove(x, y);
  testmousepress(1);
  storysnapframes(1);
  testmouserelease(1);
  storysnapframes(1);
}

void storysnapskipmap() {
  for (int i = 0; i < 100 && mapopen == 0; i++) storysnapframes(1);
  for (int i = 0; i < 300 && papertime < 20; i++) storysnapframes(1);
  storysnappoint(midx + 370, midy + 330);
  storysnapclick(midx + 370, midy + 330);
  for (int i = 0; i < 200 && mapopen > 0; i++) storysnapframes(1);
  storysnappoint(5, 300);
}

void storysnapto(int t) {
  for (int i = 0; i < 2000 && storyclock < t; i++) storysnapframes(1);
}
