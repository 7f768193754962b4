// Chapter 10, the ending, through the real story screen: the sea as it opens, the text panel
// coming in, halfway along, the horde on the pier at the end of the scroll, the last frame,
// and the main menu it leads to.
#include "story/chapter10.h"
#include "tools/snapshot/scene_story_play.h"

using namespace storyplay;

bool snapstory_chapter10() {
  if (!start("ch10", 1024, 104) || !enter(104)) return false;
  bool ok = true;
  frames(3);
  ok &= savesnapshot("story-10-start");
  toclock(60);
  ok &= savesnapshot("story-10-panel");
  toclock(ch10stop() / 2);
  ok &= savesnapshot("story-10-halfway");
  toclock(ch10stop() + 5);
  ok &= savesnapshot("story-10-stop");
  point(screenw - 80, 738);  // over the skip button
  frames(2);
  ok &= savesnapshot("story-10-skip-hover");
  point(60, 300);
  for (int i = 0; i < 1300 && storyend == 0; i++) frames(1);
  ok &= savesnapshot("story-10-end");
  for (int i = 0; i < 200 && screen == SCREEN_STORY; i++) frames(1);
  frames(40);
  ok &= savesnapshot("story-10-menu");
  return ok;
}
