// Chapter 6 on the real story screen: the brick yard as it starts, the works' front where the
// scroll stops with the text panel on the right, the door glowing and sliding open, the switch
// pulled and the ladder coming down; then, from the start again, a stone carried to the
// window, the window cracked, and broken with the glass flying.
#include "tools/snapshot/snapshot.h"
#include "story/chapter6.h"
#include "shell/state.h"
#include "story/story.h"
#include "tools/snapshot/scene_story_kit456.h"

namespace {
int sx(int x) { return x + storyscroll; }
}  // namespace

bool snapstory_chapter6() {
  bool ok = true;
  if (!storysnapstart(1366) || !storysnapenter(56)) return false;
  storysnapto(30);
  ok &= savesnapshot("story-6-start");
  storysnapskipmap();
  storysnapto(505);
  ok &= savesnapshot("story-6-scrolled");
  int doorx = sx(story6doorx + story6slidex);
  snappoint(doorx, story6slidey);
  ok &= savesnapshot("story-6-door-glow");
  snapclick(doorx, story6slidey);
  snapframes(20);
  ok &= savesnapshot("story-6-door-bubble");
  snapframes(30);
  snappoint(sx(story6switchx), story6switchy - 10);
  ok &= savesnapshot("story-6-switch-glow");
  snapclick(sx(story6switchx), story6switchy - 10);
  snappoint(1000, 300);
  snapframes(80);
  ok &= savesnapshot("story-6-ladder-coming");
  snapframes(60);
  ok &= savesnapshot("story-6-ladder-end");
  // The other way in.
  if (!storysnapstart(1366) || !storysnapenter(56)) return false;
  storysnapskipmap();
  storysnapto(482);
  snappoint(sx(story6stonexy[1][0]), story6stonexy[1][1]);
  ok &= savesnapshot("story-6-stone-glow");
  snapclick(sx(story6stonexy[1][0]), story6stonexy[1][1]);
  snappoint(sx(story6windowx), story6windowy + 20);
  snapframes(5);
  ok &= savesnapshot("story-6-stone-at-window");
  snapclick(sx(story6windowx), story6windowy + 20);
  snapframes(10);
  ok &= savesnapshot("story-6-window-cracked");
  snapclick(sx(story6stonexy[2][0]), story6stonexy[2][1]);
  snapclick(sx(story6windowx), story6windowy + 20);
  snapframes(6);
  ok &= savesnapshot("story-6-window-broken");
  snapframes(60);
  ok &= savesnapshot("story-6-end");
  if (!storysnapstart(1024) || !storysnapenter(56)) return false;
  storysnapskipmap();
  storysnapto(560);
  ok &= savesnapshot("story-6-scrolled-1024");
  return ok;
}
