// Chapter 5 on the real story screen: the sewer as it starts, the bone cellar where the scroll
// stops with the text panel, the skeleton glowing under the pointer, his skull falling with a
// bubble, the low crate pushed along the ledge, and the big crate pulled clear at the end.
#include "tools/snapshot/snapshot.h"
#include "story/chapter5.h"
#include "shell/state.h"
#include "story/story.h"
#include "tools/snapshot/scene_story_kit456.h"

namespace {
int box2x() { return story5box2x + story5box2slide + storyscroll; }
int box1x() { return int(story5box1x + story5box1slide) + storyscroll; }
int box1y() { return int(story5box1y + story5box1drop * story5box1slide); }
}  // namespace

bool snapstory_chapter5() {
  bool ok = true;
  if (!storysnapstart(1366) || !storysnapenter(44)) return false;
  storysnapto(30);
  ok &= savesnapshot("story-5-start");
  storysnapskipmap();
  storysnapto(405);
  ok &= savesnapshot("story-5-scrolled");
  int skx = story5skelx + storyscroll, sky = story5skely - 40;
  snappoint(skx, sky);
  ok &= savesnapshot("story-5-skeleton-glow");
  snapclick(skx, sky);
  snappoint(900, 200);
  snapframes(14);
  ok &= savesnapshot("story-5-skull-falling");
  snapframes(80);
  snappoint(box2x(), story5box2y);
  ok &= savesnapshot("story-5-crate-glow");
  snapclick(box2x(), story5box2y);
  snapframes(30);
  ok &= savesnapshot("story-5-pushing");
  snapframes(40);
  for (int p = 2; p <= 4; p++) {
    snapclick(box2x(), story5box2y);
    snapframes(70);
  }
  snappoint(box1x(), box1y());
  ok &= savesnapshot("story-5-pushed-four");
  for (int p = 1; p <= 2; p++) {
    snapclick(box1x(), box1y());
    snapframes(45);
  }
  snappoint(900, 200);
  snapframes(20);
  ok &= savesnapshot("story-5-end");
  if (!storysnapstart(1024) || !storysnapenter(44)) return false;
  storysnapskipmap();
  storysnapto(460);
  ok &= savesnapshot("story-5-scrolled-1024");
  return ok;
}
