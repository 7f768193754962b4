// Shared by the snapshot scenes of chapters 7 to 10: the real start-up in a fresh user folder,
// a player at the chapter's level, the level begun as the map begins it, and a person's
// pointer and clicks through whole frames of the story screen.
#pragma once
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
#include "tools/snapshot/snapshot.h"
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace storyplay {

inline void frames(int n) { snapframes(n); }
inline void point(int x, int y) { snappoint(x, y); }

inline void click(int x, int y) {
  point(x, y);
  testmousepress(1);
  frames(1);
  testmouserelease(1);
  frames(1);
}

// A fresh start-up at the given width with one player standing at level l.
inline bool start(const std::string& name, int width, int l) {
  if (!snapfreshstart(name)) return false;
  if (width != 1024) opengraphics(width, 768, 32, width, 768);
  inputon = 1;
  clearplayer(1);
  playername[1] = "Mortimer";
  player = 1;
  maplevel[1] = toplevel[1] = selectedlevel = l;
  screen = SCREEN_MAP;
  testmousemove(5, 300);
  return true;
}

// Begins the level; the story screen's first frames run.
inline bool enter(int l) {
  startlevel(l);
  for (int i = 0; i < 20 && screen != SCREEN_STORY; i++) frames(1);
  return screen == SCREEN_STORY;
}

// Runs frames until the journey map is up and its paper is down, then closes it.
inline void closejourney() {
  for (int i = 0; i < 400 && papertime <= 20; i++) frames(1);
  click(midx + 370, midy + 330);
  for (int i = 0; i < 120 && mapopen > 0; i++) frames(1);
}

inline void toclock(int t) {
  for (int i = 0; i < 3000 && storyclock < t; i++) frames(1);
}

}  // namespace storyplay
