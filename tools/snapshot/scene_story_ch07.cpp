// Chapter 7 played through the real story screen: the quay as it scrolls in, the journey map,
// the glowing box, the lid open with the key, the padlock's bubble, the crane at work and the end.
#include "story/chapter7.h"
#include "tools/snapshot/scene_story_play.h"

using namespace storyplay;

bool snapstory_chapter7() {
  if (!start("ch07", 1024, 68) || !enter(68)) return false;
  bool ok = true;
  frames(3);
  ok &= savesnapshot("story-7-start");
  for (int i = 0; i < 150 && mapunroll < 120; i++) frames(1);
  ok &= savesnapshot("story-7-journey");
  closejourney();
  toclock(200);
  ok &= savesnapshot("story-7-scrolling");
  toclock(ch7stop() + 40);
  ok &= savesnapshot("story-7-quay");
  // The glowing box, then the padlock's bubble (no key yet).
  point(ch7boxx + storyscroll, ch7boxy);
  frames(2);
  ok &= savesnapshot("story-7-box-glow");
  click(ch7lockx + storyscroll, ch7locky);
  frames(20);
  ok &= savesnapshot("story-7-lock-bubble");
  click(ch7boxx + storyscroll, ch7boxy);
  frames(20);
  point(ch7keyx + storyscroll, ch7keyy);
  frames(2);
  ok &= savesnapshot("story-7-key-glow");
  click(ch7keyx + storyscroll, ch7keyy);
  point(ch7lockx + storyscroll - 60, ch7locky - 20);
  frames(2);
  ok &= savesnapshot("story-7-key-carried");
  click(ch7lockx + storyscroll, ch7locky);
  point(60, 150);
  for (int i = 0; i < 300 && ch7crane < 60; i++) frames(1);
  ok &= savesnapshot("story-7-crane-lights");
  for (int i = 0; i < 300 && ch7crane < 260; i++) frames(1);
  ok &= savesnapshot("story-7-hook");
  for (int i = 0; i < 400 && storyend == 0; i++) frames(1);
  ok &= savesnapshot("story-7-end");
  return ok;
}
