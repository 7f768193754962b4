// Play by keys: the main menu with the focus ring on its play button, a dealt level with the
// table's ring on a free card, and the adventure map with a level chosen by the arrows, each
// reached by pressing keys through the real frame loop.
#include "tools/snapshot/snapshot.h"
#include "runtime/runtime.h"
#include "runtime/testinput.h"
#include "shell/dispatch.h"
#include "shell/keyboard.h"
#include "shell/profiles.h"
#include "shell/startup.h"
#include "shell/state.h"
#include "solitaire/game.h"
#include "solitaire/gamekeys.h"
#include "solitaire/state.h"
#include "solitaire/table.h"
#include "solitaire/hint.h"
#include "progression/startlevel.h"
#include <cstdlib>
#include <filesystem>

namespace {

constexpr int keyboardlevel = 25;  // a level of the middle stages: covers, a pig, bonus cards

void startkeyboard() {
  snapplayeratlevel("keys", keyboardlevel);
  testmousemove(300, 650);
}

}  // namespace

bool snapkeyboard() {
  bool ok = true;
  startkeyboard();
  screen = SCREEN_LOADING;
  fadeto(SCREEN_MENU, 0, 0);
  snapframes(9 + 120);
  // Tab from the players' button onto the play button.
  for (int i = 0; i < 8 && !(focusshown == 1 && focusspot >= 1 && focusy[focusspot] > 300 && focusy[focusspot] < 450); i++)
    snapkey(KEY_TAB);
  snapframes(10);
  ok &= savesnapshot("menu-focus");

  selectedlevel = keyboardlevel;
  fadeto(SCREEN_GAME, 0, 0);
  for (int i = 0; i < 20 && screen != SCREEN_GAME; i++) snapframes(1);
  for (int i = 0; i < 400 && (gamestat != GAME_PLAY || drawtime[player] < 20 || gametime < 230); i++) snapframes(1);
  for (int i = 0; i < 80 && !tableatrest(); i++) snapframes(1);
  snapkey(KEY_RIGHT);
  snapkey(KEY_RIGHT);
  snapframes(4);
  ok &= savesnapshot("game-focus");

  // The map: Space puts the shop's hint away, the first arrow starts at the frontier, Left
  // steps back a level, Up a row of stages.
  fadeto(SCREEN_MAP, 0, 0);
  for (int i = 0; i < 20 && screen != SCREEN_MAP; i++) snapframes(1);
  snapframes(150);
  snapkey(KEY_SPACE);
  snapframes(30);
  snapkey(KEY_RIGHT);
  snapkey(KEY_LEFT);
  snapkey(KEY_UP);
  snapframes(30);
  ok &= savesnapshot("map-focus");
  return ok;
}
