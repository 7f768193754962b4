// Chapter 3 on the story screen, played through the pointer after a real start-up: Pine Road
// at both ends of its scroll, each object glowing under the pointer, a bubble, the nails
// flying off the tarp, the chainsaw carried, the pine falling and the end (story-3-*.png).
#include "tools/snapshot/snapshot.h"
#include "tools/snapshot/scene_story_kit456.h"
#include "progression/startlevel.h"
#include "runtime/runtime.h"
#include "runtime/testinput.h"
#include "shell/display.h"
#include "shell/dispatch.h"
#include "shell/profiles.h"
#include "shell/startup.h"
#include "shell/state.h"
#include "story/chapter3.h"
#include "story/story.h"
#include "story/storymap.h"
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace {

// The chainsaw lies tilted in the cargo space, its body up and left of its picture's centre.
constexpr float sawgripx = ch3sawx - 21;
constexpr int sawgripy = int(ch3sawy) - 42;
// Whole frames and a person's clicks, as the other story scenes take them.
void frames(int n) { storysnapframes(n); }
void click(int x, int y) { storysnapclick(x, y); }

bool ch3start() {
  std::filesystem::path home =
      std::filesystem::temp_directory_path() / ("morgavelle-snapch3-" + std::to_string(getpid()));
  std::filesystem::remove_all(home);
  std::filesystem::create_directories(home);
  setenv("XDG_DATA_HOME", home.c_str(), 1);
  SetHeadless(true);
  testclock(true, 0);
  testresetinput();
  resetshellstate();
  if (!gamestartup()) return false;
  inputon = 1;
  clearplayer(1);
  playername[1] = "Mortimer";
  player = 1;
  maplevel[1] = toplevel[1] = selectedlevel = 20;
  return true;
}

void enterchapter(int t) {
  testmousemove(5, 400);
  startlevel(20);
  frames(9);
  for (int i = 0; i < 100 && mapopen == 0 && storyclock < t; i++) frames(1);
  if (mapopen > 0) {
    for (int i = 0; i < 400 && papertime < 30; i++) frames(1);
    click(mapx + 370, mapy + 330);
    for (int i = 0; i < 100 && mapopen > 0; i++) frames(1);
  }
  for (int i = 0; i < 2000 && storyclock < t; i++) frames(1);
}

// The pointer x at which the view at rest puts scene x under the pointer.
int restingx(float scenex) {
  float k = screenw <= 1024 ? 1.75f : 1.1f;
  return int(std::lround((scenex + 100) / (1 + k)));
}
// The pointer over scene point (x, y), the view come to rest there.
void settleon(float scenex, int y) {
  testmousemove(restingx(scenex), y);
  for (int i = 0; i < 600; i++) {
    frames(1);
    if (std::fabs(ch3scroll - ch3scrolltarget()) < 1) break;
  }
}
// The pointer at screen x and long enough for the view to come to rest.
void pointfor(int x, int y) {
  testmousemove(x, y);
  frames(300);
}
void clickon(float scenex, int y) {
  settleon(scenex, y);
  click(restingx(scenex), y);
}

void leave() {
  fadeto(SCREEN_MENU, 0, 0);
  frames(10);
}
}  // namespace

bool snapstory_chapter3() {
  if (!ch3start()) return false;
  bool ok = true;
  enterchapter(30);
  ok &= savesnapshot("story-3-start");
  leave();

  enterchapter(ch3wakeat + 30);
  pointfor(screenw - 1, 400);
  ok &= savesnapshot("story-3-rightend");
  settleon(ch3doorx, int(ch3doory));
  ok &= savesnapshot("story-3-glow-tailgate");
  settleon(ch3treex, int(ch3treey) - 250);
  ok &= savesnapshot("story-3-glow-tree");
  settleon(ch3zombiex, int(ch3zombiey));
  ok &= savesnapshot("story-3-glow-zombie");
  settleon(ch3pliersx, int(ch3pliersy));
  ok &= savesnapshot("story-3-glow-pliers");
  settleon(ch3tarpx, int(ch3tarpy));
  ok &= savesnapshot("story-3-glow-tarp");
  click(restingx(ch3tarpx), int(ch3tarpy));
  frames(20);
  ok &= savesnapshot("story-3-bubble");
  pointfor(0, 400);
  ok &= savesnapshot("story-3-leftend");

  // The pliers pull the nails; the can shows under the fading tarp.
  clickon(ch3pliersx, int(ch3pliersy));
  settleon(ch3tarpx, int(ch3tarpy));
  ok &= savesnapshot("story-3-carry-pliers");
  click(restingx(ch3tarpx), int(ch3tarpy));
  frames(14);
  ok &= savesnapshot("story-3-nails");
  frames(30);
  settleon(ch3canx, int(ch3cany));
  ok &= savesnapshot("story-3-glow-can");
  clickon(ch3canx, int(ch3cany));

  // The tailgate, the saw filled and running in the hand.
  clickon(ch3doorx, int(ch3doory));
  frames(12);
  settleon(sawgripx, sawgripy);
  ok &= savesnapshot("story-3-glow-saw");
  click(restingx(sawgripx), sawgripy);
  settleon(ch3treex, int(ch3treey) - 250);
  frames(30);
  ok &= savesnapshot("story-3-carry-saw");

  // The pine comes down on the zombie.
  click(restingx(ch3treex), int(ch3treey) - 250);
  frames(40);
  ok &= savesnapshot("story-3-cutting");
  frames(60);
  ok &= savesnapshot("story-3-falling");
  frames(50);
  ok &= savesnapshot("story-3-landed");
  for (int i = 0; i < 200 && storyend == 0; i++) frames(1);
  frames(25);
  ok &= savesnapshot("story-3-end");
  leave();

  opengraphics(1366, 768, 32, 1366, 768);
  enterchapter(ch3wakeat + 30);
  pointfor(screenw - 1, 400);
  ok &= savesnapshot("story-3-rightend-1366");
  leave();
  opengraphics(1024, 768, 32, 1024, 768);
  return ok;
}
