// Shared by the snapshot scenes of chapters 2, 3 and 7 to 10: the real start-up in a fresh user folder,
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

// The pointer rests a frame over the spot before the click.
inline void click(int x, int y) {
  point(x, y);
  snapclick(x, y);
}

// A fresh start-up with one player standing at level l, on the screen the start-up ends on.
inline bool playerat(const std::string& name, int l) {
  if (!snapfreshstart(name)) return false;
  inputon = 1;
  clearplayer(1);
  playername[1] = "Mortimer";
  player = 1;
  maplevel[1] = toplevel[1] = selectedlevel = l;
  return true;
}

// The same at the given width, on the map.
inline bool start(const std::string& name, int width, int l) {
  if (!playerat(name, l)) return false;
  if (width != 1024) opengraphics(width, 768, 32, width, 768);
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

// Begins level l with the pointer resting at (x, y), closes the journey map as soon as it can
// be closed and runs the story clock on to t.
inline void enteruntil(int l, int t, int x, int y) {
  testmousemove(x, y);
  startlevel(l);
  frames(9);
  for (int i = 0; i < 100 && mapopen == 0 && storyclock < t; i++) frames(1);
  if (mapopen > 0) {
    for (int i = 0; i < 400 && papertime < 30; i++) frames(1);
    snapclick(mapx + 370, mapy + 330);
    for (int i = 0; i < 100 && mapopen > 0; i++) frames(1);
  }
  for (int i = 0; i < 2000 && storyclock < t; i++) frames(1);
}

// Back to the menu, which lets the story screen go.
inline void leave() {
  fadeto(SCREEN_MENU, 0, 0);
  frames(10);
}

inline void toclock(int t) {
  for (int i = 0; i < 3000 && storyclock < t; i++) frames(1);
}

}  // namespace storyplay
