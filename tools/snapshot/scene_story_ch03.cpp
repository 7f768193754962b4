// Chapter 3 on the story screen, played through the pointer after a real start-up: Pine Road
// at both ends of its scroll, each object glowing under the pointer, a bubble, the nails
// flying off the tarp, the chainsaw carried, the pine falling and the end (story-3-*.png).
#include "tools/snapshot/snapshot.h"
#include "tools/snapshot/scene_story_kit456.h"
#include "tools/snapshot/scene_story_play.h"
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

// Level 20 begun, the journey map closed as soon as it can be, and the clock run on to t.
void enterroad(int t) { storyplay::enteruntil(20, t, 5, 400); }

// The pointer x at which the view at rest puts scene x under the pointer.
int restingx(float scenex) {
  float k = screenw <= 1024 ? 1.75f : 1.1f;
  return int(std::lround((scenex + 100) / (1 + k)));
}
// The pointer over scene point (x, y), the view come to rest there.
void settleon(float scenex, int y) {
  testmousemove(restingx(scenex), y);
  for (int i = 0; i < 600; i++) {
    snapframes(1);
    if (std::fabs(ch3scroll - ch3scrolltarget()) < 1) break;
  }
}
// The pointer at screen x and long enough for the view to come to rest.
void pointfor(int x, int y) {
  testmousemove(x, y);
  snapframes(300);
}
void clickon(float scenex, int y) {
  settleon(scenex, y);
  snapclick(restingx(scenex), y);
}

}  // namespace

bool snapstory_chapter3() {
  if (!storyplay::playerat("ch3", 20)) return false;
  bool ok = true;
  enterroad(30);
  ok &= savesnapshot("story-3-start");
  storyplay::leave();

  enterroad(ch3wakeat + 30);
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
  snapclick(restingx(ch3tarpx), int(ch3tarpy));
  snapframes(20);
  ok &= savesnapshot("story-3-bubble");
  pointfor(0, 400);
  ok &= savesnapshot("story-3-leftend");

  // The pliers pull the nails; the can shows under the fading tarp.
  clickon(ch3pliersx, int(ch3pliersy));
  settleon(ch3tarpx, int(ch3tarpy));
  ok &= savesnapshot("story-3-carry-pliers");
  snapclick(restingx(ch3tarpx), int(ch3tarpy));
  snapframes(14);
  ok &= savesnapshot("story-3-nails");
  snapframes(30);
  settleon(ch3canx, int(ch3cany));
  ok &= savesnapshot("story-3-glow-can");
  clickon(ch3canx, int(ch3cany));

  // The tailgate, the saw filled and running in the hand.
  clickon(ch3doorx, int(ch3doory));
  snapframes(12);
  settleon(sawgripx, sawgripy);
  ok &= savesnapshot("story-3-glow-saw");
  snapclick(restingx(sawgripx), sawgripy);
  settleon(ch3treex, int(ch3treey) - 250);
  snapframes(30);
  ok &= savesnapshot("story-3-carry-saw");

  // The pine comes down on the zombie.
  snapclick(restingx(ch3treex), int(ch3treey) - 250);
  snapframes(40);
  ok &= savesnapshot("story-3-cutting");
  snapframes(60);
  ok &= savesnapshot("story-3-falling");
  snapframes(50);
  ok &= savesnapshot("story-3-landed");
  for (int i = 0; i < 200 && storyend == 0; i++) snapframes(1);
  snapframes(25);
  ok &= savesnapshot("story-3-end");
  storyplay::leave();

  opengraphics(1366, 768, 32, 1366, 768);
  enterroad(ch3wakeat + 30);
  pointfor(screenw - 1, 400);
  ok &= savesnapshot("story-3-rightend-1366");
  storyplay::leave();
  opengraphics(1024, 768, 32, 1024, 768);
  return ok;
}
