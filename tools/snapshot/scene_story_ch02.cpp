// Chapter 2 on the story screen, played through the pointer after a real start-up: the garden
// before its scroll and after it, each object glowing under the pointer, a bubble, the weight
// carried past the open privy, the see-saw tipping and the end (story-2-*.png).
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
#include "story/chapter2.h"
#include "story/story.h"
#include "story/storymap.h"
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace {

// Level 10 begun, the journey map closed as soon as it can be, and the clock run on to t.
void entergarden(int t) { storyplay::enteruntil(10, t, 5, 760); }

int sx(int scenex) { return scenex + storyscroll; }

void pointscene(int scenex, int y) {
  testmousemove(sx(scenex), y);
  snapframes(1);
}
void clickscene(int scenex, int y) { snapclick(sx(scenex), y); }

}  // namespace

bool snapstory_chapter2() {
  if (!storyplay::playerat("ch2", 10)) return false;
  bool ok = true;
  // Before the scroll: the bed zombie's corner of the garden, the journey map on its way.
  entergarden(30);
  ok &= savesnapshot("story-2-start");
  for (int i = 0; i < 150 && mapunroll < 140; i++) snapframes(1);
  ok &= savesnapshot("story-2-journeymap");
  storyplay::leave();

  // Scrolling in, with the zombie climbing out of his bed.
  entergarden(140);
  ok &= savesnapshot("story-2-scrolling");
  storyplay::leave();

  // After the scroll: the text panel, then each object under the pointer.
  entergarden(ch2stopframe() + 30);
  ok &= savesnapshot("story-2-scrolled");
  pointscene(ch2stackx, ch2stacky);
  ok &= savesnapshot("story-2-glow-plank2");
  pointscene(ch2mowerx, ch2mowery);
  ok &= savesnapshot("story-2-glow-mower");
  pointscene(ch2doorx + 34, ch2doory + 90);
  ok &= savesnapshot("story-2-glow-door");
  pointscene(ch2seesawx, ch2seesawy - 200);
  ok &= savesnapshot("story-2-glow-seesaw");
  pointscene(ch2seesawx - 15, ch2crowy);
  ok &= savesnapshot("story-2-glow-crow");
  clickscene(ch2seesawx, ch2seesawy - 200);
  snapframes(20);
  ok &= savesnapshot("story-2-bubble");

  // The planks come off, the privy opens on its zombie, the weight is carried to the see-saw.
  clickscene(ch2stackx, ch2stacky);
  snapframes(8);
  ok &= savesnapshot("story-2-plankfading");
  snapframes(20);
  pointscene(ch2stackx, ch2stacky);
  ok &= savesnapshot("story-2-glow-plank1");
  clickscene(ch2stackx, ch2stacky);
  snapframes(22);
  pointscene(ch2stackx, ch2stacky);
  ok &= savesnapshot("story-2-glow-iron");
  clickscene(ch2stackx, ch2stacky);
  clickscene(ch2doorx + 34, ch2doory + 90);
  snapframes(12);
  pointscene(ch2privyx, ch2privyy);
  snapframes(1);
  ok &= savesnapshot("story-2-privy");
  pointscene(ch2seesawx - 120, ch2seesawy - 250);
  snapframes(25);
  ok &= savesnapshot("story-2-carrying");
  clickscene(ch2seesawx, ch2seesawy - 200);
  snapframes(14);
  ok &= savesnapshot("story-2-tipping");
  for (int i = 0; i < 250 && storyend == 0; i++) snapframes(1);
  testmousemove(midx, 740);
  snapframes(20);
  ok &= savesnapshot("story-2-end");
  storyplay::leave();

  // The mower rolled down early: the plank comes to rest on it.
  entergarden(ch2stopframe() + 2);
  clickscene(ch2stackx, ch2stacky);
  snapframes(20);
  clickscene(ch2stackx, ch2stacky);
  snapframes(20);
  clickscene(ch2stackx, ch2stacky);
  clickscene(ch2mowerx, ch2mowery);
  snapframes(120);
  clickscene(ch2seesawx, ch2seesawy - 200);
  for (int i = 0; i < 250 && storyend == 0; i++) snapframes(1);
  testmousemove(midx, 740);
  snapframes(20);
  ok &= savesnapshot("story-2-end-mower");
  storyplay::leave();

  // A wide screen stops the scroll earlier, with the same garden in view.
  opengraphics(1366, 768, 32, 1366, 768);
  entergarden(ch2stopframe() + 30);
  ok &= savesnapshot("story-2-scrolled-1366");
  storyplay::leave();
  opengraphics(1024, 768, 32, 1024, 768);
  return ok;
}
