// Chapter 8 played through the real story screen, the scene following the pointer: the
// generator's end, the chest's end, the chest's glow and its cable, the cable carried to the
// socket, the generator running and the lamps lit.
#include "story/chapter8.h"
#include "tools/snapshot/scene_story_play.h"
#include <cmath>

using namespace storyplay;

namespace {
// Points at a scene spot and follows it while the scene scrolls, until the scroll rests.
void settleon(float x, int y) {
  for (int i = 0; i < 600; i++) {
    float before = ch8scroll;
    point(int(x + ch8scroll), y);
    if (std::fabs(ch8scroll - before) < 0.2f) break;
  }
}
}  // namespace

bool snapstory_chapter8() {
  if (!start("ch08", 1024, 80) || !enter(80)) return false;
  bool ok = true;
  frames(30);
  ok &= savesnapshot("story-8-start");
  closejourney();
  toclock(60);
  ok &= savesnapshot("story-8-left-end");
  settleon(ch8chestx, 300);
  for (int i = 0; i < 300; i++) point(1023, 300);
  ok &= savesnapshot("story-8-right-end");
  settleon(ch8chestx, int(ch8chesty - 58));
  frames(2);
  ok &= savesnapshot("story-8-chest-glow");
  click(int(ch8chestx + ch8scroll), int(ch8chesty - 58));
  frames(40);
  settleon(ch8chestx - 5, int(ch8chesty - 25));
  ok &= savesnapshot("story-8-cable-glow");
  click(int(ch8chestx - 5 + ch8scroll), int(ch8chesty - 25));
  settleon(ch8socketx, int(ch8sockety) - 40);
  ok &= savesnapshot("story-8-cable-carried");
  click(int(ch8socketx + ch8scroll), int(ch8sockety) - 40);
  settleon(ch8genx, int(ch8geny));
  frames(2);
  ok &= savesnapshot("story-8-generator-glow");
  click(int(ch8genx + ch8scroll), int(ch8geny));
  frames(60);
  ok &= savesnapshot("story-8-generator-running");
  settleon(1700, 200);
  for (int i = 0; i < 300 && storyend == 0; i++) point(int(1700 + ch8scroll), 200);
  ok &= savesnapshot("story-8-end");
  return ok;
}
