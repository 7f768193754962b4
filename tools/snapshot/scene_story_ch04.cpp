// Chapter 4 on the real story screen: Drizzle Street in the rain as it starts and where its
// scroll stops with the text panel, a hidden thing found under the pointer, a bubble, the
// drain cover dragged aside, and the moment before the round.
#include "tools/snapshot/snapshot.h"
#include "story/chapter4.h"
#include "runtime/runtime.h"
#include "shell/state.h"
#include "story/story.h"
#include "tools/snapshot/scene_story_kit456.h"

namespace {
int thingx(int i) { return story4thingxy[i][0] + ImageWidth(storypic[i][1]) / 2 + storyscroll; }
int thingy(int i) { return story4thingxy[i][1] + ImageHeight(storypic[i][1]) / 2; }
}  // namespace

bool snapstory_chapter4() {
  bool ok = true;
  if (!storysnapstart(1366) || !storysnapenter(32)) return false;
  storysnapto(4);
  ok &= savesnapshot("story-4-start");
  storysnapskipmap();
  storysnapto(300);
  ok &= savesnapshot("story-4-scrolling");
  storysnapto(480);
  ok &= savesnapshot("story-4-scrolled");
  snappoint(thingx(1), thingy(1));
  snapframes(12);
  ok &= savesnapshot("story-4-found-cat");
  snappoint(thingx(2), thingy(2) + 10);
  snapframes(12);
  ok &= savesnapshot("story-4-found-gutter");
  snapclick(thingx(2), thingy(2) + 10);
  snapframes(20);
  ok &= savesnapshot("story-4-bubble");
  snappoint(thingx(3), thingy(3));
  snapframes(12);
  ok &= savesnapshot("story-4-found-drain");
  snapclick(thingx(3), thingy(3));
  snappoint(700, 300);
  snapframes(30);
  ok &= savesnapshot("story-4-dragging");
  snapframes(150);
  ok &= savesnapshot("story-4-end");
  // The 1024 screen at the end of its scroll.
  if (!storysnapstart(1024) || !storysnapenter(32)) return false;
  storysnapskipmap();
  storysnapto(570);
  ok &= savesnapshot("story-4-scrolled-1024");
  return ok;
}
