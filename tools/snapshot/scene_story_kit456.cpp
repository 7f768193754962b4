#include "tools/snapshot/scene_story_kit456.h"
#include "tools/snapshot/snapshot.h"
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
  if (!snapfreshstart("story")) return false;
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
  snapframes(9);
  return screen == SCREEN_STORY;
}

void storysnapskipmap() {
  for (int i = 0; i < 100 && mapopen == 0; i++) snapframes(1);
  for (int i = 0; i < 300 && papertime < 20; i++) snapframes(1);
  snappoint(midx + 370, midy + 330);
  snapclick(midx + 370, midy + 330);
  for (int i = 0; i < 200 && mapopen > 0; i++) snapframes(1);
  snappoint(5, 300);
}

void storysnapto(int t) {
  for (int i = 0; i < 2000 && storyclock < t; i++) snapframes(1);
}
