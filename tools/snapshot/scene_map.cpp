// The adventure map, the journey map over it and the shop, each after a real start-up,
// headless, reached and used through the pointer as a player would.
#include "tools/snapshot/snapshot.h"
#include "progression/map.h"
#include "progression/shop.h"
#include "runtime/runtime.h"
#include "runtime/testinput.h"
#include "shell/buttons.h"
#include "shell/dispatch.h"
#include "shell/profiles.h"
#include "shell/startup.h"
#include "shell/state.h"
#include "solitaire/state.h"
#include "story/storymap.h"
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace {
bool mapstart() {
  if (!snapfreshstart("map")) return false;
  inputon = 1;
  return true;
}

// A player who has just begun: level 1 open, nothing won, nothing bought.
void newplayer() {
  clearplayer(1);
  playername[1] = "Mortimer";
  player = 1;
  maplevel[1] = toplevel[1] = 1;
}

// A player at level 60 with a mix of results behind, and a few items unlocked.
void advancedplayer() {
  newplayer();
  maplevel[1] = toplevel[1] = 60;
  cash[1] = 18350;
  maphint[1] = 100;
  for (int l = 1; l < 60; l++) {
    levelstars[1][l] = l % 7 == 0 ? 3 : l % 5 == 0 ? 0 : l % 3 == 0 ? 1 : 2;
    levelbest[1][l] = levelstars[1][l] == 3 ? 0 : levelstars[1][l] == 0 ? 99 : 1 + l % 5;
  }
  for (int k = 1; k <= 11; k++) unlockseen[1][k] = 1;
}

void entermap() {
  fadeto(SCREEN_MAP, 0, 0);
  snapframes(9);
}
}  // namespace

bool snapmap() {
  if (!mapstart()) return false;
  bool ok = true;
  newplayer();
  testmousemove(5, 300);  // the pointer rests on the map's edge, over nothing
  entermap();
  snapframes(90);
  ok &= savesnapshot("map-page-1");
  snapclick(midx + 120, screenh - barpos);
  testmousemove(5, 300);
  snapframes(120);
  ok &= savesnapshot("map-page-2");
  snapclick(midx + 120, screenh - barpos);
  testmousemove(5, 300);
  snapframes(120);
  ok &= savesnapshot("map-page-3");
  // Back from level 1 for the first time: the shop hint comes up after a second and fades in.
  maplevel[1] = toplevel[1] = 2;
  levelstars[1][1] = 1;
  levelbest[1][1] = 6;
  entermap();
  snapframes(62 + 80);
  ok &= savesnapshot("map-hint");
  maphint[1] = 100;

  advancedplayer();
  entermap();
  snapframes(160);  // glides from page 1 to page 2
  ok &= savesnapshot("map-page-2-advanced");
  // Hover a won level of stage 16 (the middle row, left column of page 2).
  testmousemove(int(nodex[16]) - 40, nodey[16] - 4);
  snapframes(30);
  ok &= savesnapshot("map-preview");
  // A round of the frontier level is stored; choosing an older level asks first.
  savedgame[1] = 1;
  testmousemove(int(nodex[14]) - 20, nodey[14] - 4);
  snapframes(2);
  snapclick(int(nodex[14]) - 20, nodey[14] - 4);
  testmousemove(midx + 300, midy + 300);
  snapframes(20);
  ok &= savesnapshot("map-popup");
  snapclick(midx - 82, midy + 160);  // back
  snapframes(20);
  savedgame[1] = 0;

  // The journey map from the small roll at the bottom.
  snapclick(midx + 220, screenh - barpos - 10);
  testmousemove(5, 300);
  snapframes(30);
  ok &= savesnapshot("journey-rolling");
  snapframes(200);
  ok &= savesnapshot("journey-open");
  snapclick(mapx + 370, mapy + 330);
  snapframes(100);

  // The shop: items unlocked, cash to spend, nothing bought yet.
  snapclick(midx - (screenw == 1024 ? 400 : 470), screenh - barpos - 25);
  testmousemove(5, 300);
  snapframes(30);
  ok &= savesnapshot("shop");
  // Buy the joker and the fish slap, then the plant set, and point at the bought joker.
  snapclick(midx - 255 + 39, 480 + 79);
  snapclick(midx - 400 + 39, 260 + 79);
  snapclick(midx + 350 + 39, 557);
  testmousemove(midx - 341 - 152 + 48, screenh - 40 - 126 + 71);
  snapframes(25);
  ok &= savesnapshot("shop-bought");
  return ok;
}
