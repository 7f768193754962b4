// Chapter 9 played through the real story screen: the ship far out, sailing in, at the jetty
// with its anchor down, the door's and the lever's glow, the lamps and the open door at the end.
#include "story/chapter9.h"
#include "tools/snapshot/scene_story_play.h"

using namespace storyplay;

bool snapstory_chapter9() {
  if (!start("ch09", 1024, 92) || !enter(92)) return false;
  bool ok = true;
  frames(30);
  ok &= savesnapshot("story-9-start");
  closejourney();
  toclock(200);
  ok &= savesnapshot("story-9-sailing");
  const int d = ch9stop();
  toclock(d + 10);
  ok &= savesnapshot("story-9-scrolled");
  toclock(d + ch9ready + 60);
  ok &= savesnapshot("story-9-anchor");
  // At width 1024 the lever comes into view only as the ship reaches its berth.
  for (int i = 0; i < 600 && ch9shipx > 1351; i++) frames(1);
  ok &= savesnapshot("story-9-berth");
  point(int(ch9shipx + storyscroll + 50), int(ch9shipy + 75));
  frames(2);
  ok &= savesnapshot("story-9-door-glow");
  click(int(ch9shipx + storyscroll + 50), int(ch9shipy + 75));
  frames(20);
  ok &= savesnapshot("story-9-door-bubble");
  point(int(ch9shipx + storyscroll + 470), int(ch9shipy + 70 - 20));
  frames(2);
  ok &= savesnapshot("story-9-lever-glow");
  click(int(ch9shipx + storyscroll + 470), int(ch9shipy + 70 - 20));
  point(60, 600);
  for (int i = 0; i < 200 && ch9lights < 60; i++) frames(1);
  ok &= savesnapshot("story-9-lights");
  for (int i = 0; i < 300 && storyend == 0; i++) frames(1);
  frames(20);
  ok &= savesnapshot("story-9-end");
  return ok;
}
