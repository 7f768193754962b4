// Chapter 1 played on the real story screen, headless, from level 1's start for a new player:
// the town at the start and the end of its scroll, the censored change, the newspaper, the
// interlude, Grandma's room with each hiding place glowing under the pointer, a bubble, the
// revealed roll, the journey map it opens and the fade into the round.
#include "tools/snapshot/snapshot.h"
#include "tools/snapshot/scene_story_kit456.h"
#include "progression/startlevel.h"
#include "runtime/runtime.h"
#include "runtime/testinput.h"
#include "shell/dispatch.h"
#include "shell/display.h"
#include "shell/menu.h"
#include "shell/profiles.h"
#include "shell/startup.h"
#include "shell/state.h"
#include "story/chapter1.h"
#include "story/story.h"
#include "story/storymap.h"
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace {

bool ch1start(int w) {
  if (!snapfreshstart("ch1")) return false;
  if (w != 1024) opengraphics(w, 768, 32, w, 768);
  inputon = 1;
  clearplayer(1);
  playername[1] = "Mortimer";
  player = 1;
  maplevel[1] = toplevel[1] = 0;
  testmousemove(5, 300);
  startlevel(1);
  snapframes(9);
  return screen == SCREEN_STORY;
}

void toclock(int t) {
  for (int guard = 0; storyclock < t && guard < 5000; guard++) snapframes(1);
}

const Image& glowof(int spot) {
  return spot == HIDE_CARPET ? storypic[1][2] : spot == HIDE_PILLOW1 ? storypic[8][2]
         : spot == HIDE_PILLOW2 ? storypic[9][2] : storypic[10][2];
}

// A pointer position over hiding place `spot` that hits no other place.
bool pointover(int spot, int& mx, int& my) {
  const Image& img = glowof(spot);
  if (!img) return false;
  for (int r = 0; r < 120; r += 2)
    for (int dy = -r; dy <= r; dy += 2)
      for (int dx = -r; dx <= r; dx += 2) {
        if (std::max(std::abs(dx), std::abs(dy)) != r) continue;
        int x = midx + hidespots[spot].x + dx, y = hidespots[spot].y + dy;
        bool ok = ImagesCollide(img, float(midx + hidespots[spot].x), float(hidespots[spot].y), 0, coll2img, float(x), float(y), 0);
        for (int o = 1; o <= hideplaces && ok; o++)
          if (o != spot)
            ok = !ImagesCollide(glowof(o), float(midx + hidespots[o].x), float(hidespots[o].y), 0, coll2img, float(x), float(y), 0);
        if (ok) {
          mx = x;
          my = y;
          return true;
        }
      }
  return false;
}

// The first part skipped at once; the search of the room has begun.
void tosearch() {
  toclock(20);
  snapclick(screenw - 80, 738);
  testmousemove(5, 300);
  for (int guard = 0; storypart == 0 && guard < 400; guard++) snapframes(1);
}

bool opening(bool ok) {
  if (!ch1start(1366)) return false;
  int d = introstop();
  toclock(40);
  ok &= savesnapshot("story-1-start");
  toclock(120);
  ok &= savesnapshot("story-1-panel");
  toclock(d + 60);
  ok &= savesnapshot("story-1-end");
  toclock(d + 175);
  ok &= savesnapshot("story-1-censored");
  toclock(d + 420);
  ok &= savesnapshot("story-1-changed");
  toclock(d + 525);
  ok &= savesnapshot("story-1-news-spinning");
  toclock(d + 700);
  ok &= savesnapshot("story-1-news");
  toclock(d + 800 + 99 + 10 + 60);
  ok &= savesnapshot("story-1-interlude");
  for (int guard = 0; storypart == 0 && guard < 400; guard++) snapframes(1);
  snapframes(80);
  ok &= savesnapshot("story-1-home");
  return ok;
}

bool search(bool ok) {
  if (!ch1start(1366)) return false;
  tosearch();
  snapframes(80);
  const char* names[hideplaces + 1] = {"", "carpet", "pillow1", "pillow2", "clock"};
  for (int spot = 1; spot <= hideplaces; spot++) {
    int x = 0, y = 0;
    if (!pointover(spot, x, y)) {
      ok = false;
      continue;
    }
    testmousemove(x, y);
    snapframes(2);
    ok &= savesnapshot(std::string("story-1-glow-") + names[spot]);
  }
  // A click on the bare wall: nothing here.
  snapclick(midx + 250, 620);
  testmousemove(midx + 420, 700);
  snapframes(25);
  ok &= savesnapshot("story-1-bubble");
  snapframes(80);
  // The three wrong places moving, the roll behind the clock.
  storymapspot = HIDE_CLOCK;
  for (int spot = 1; spot <= hideplaces; spot++) {
    int x = 0, y = 0;
    if (pointover(spot, x, y)) snapclick(x, y);
    if (spot == HIDE_PILLOW1) {
      testmousemove(midx + 420, 700);
      snapframes(6);
      ok &= savesnapshot("story-1-moving");
    }
  }
  testmousemove(midx + 420, 700);
  snapframes(30);
  ok &= savesnapshot("story-1-roll");
  testmousemove(mapx, mapy);
  snapframes(2);
  ok &= savesnapshot("story-1-roll-glow");
  snapclick(mapx, mapy);
  testmousemove(midx + 420, 700);
  snapframes(40);
  ok &= savesnapshot("story-1-map-flying");
  snapframes(160);
  ok &= savesnapshot("story-1-map");
  snapclick(mapx + 370, mapy + 330);
  snapframes(4);
  ok &= savesnapshot("story-1-leaving");
  return ok;
}

bool narrow(bool ok) {
  if (!ch1start(1024)) return false;
  toclock(introstop() + 60);
  ok &= savesnapshot("story-1-end-1024");
  tosearch();
  snapframes(80);
  ok &= savesnapshot("story-1-home-1024");
  return ok;
}
}  // namespace

bool snapstory_chapter1() {
  bool ok = true;
  ok = opening(ok);
  ok = search(ok);
  ok = narrow(ok);
  return ok;
}
