// The game screen's aids as a person asks for them: a shipped level dealt through the real
// frame loop, H pressed for the hint's mark, O pressed for the odds sign once its count is in.
#include "tools/snapshot/snapshot.h"
#include "progression/startlevel.h"
#include "runtime/runtime.h"
#include "runtime/testinput.h"
#include "shell/dispatch.h"
#include "shell/profiles.h"
#include "shell/startup.h"
#include "shell/state.h"
#include "solitaire/game.h"
#include "solitaire/hint.h"
#include "solitaire/odds.h"
#include "solitaire/state.h"
#include "solitaire/table.h"
#include <cstdlib>
#include <filesystem>

namespace {

namespace fs = std::filesystem;

constexpr int aidslevel = 25;  // a level of the middle stages: covers, a pig, bonus cards

void startaids() {
  snapplayeratlevel("aids", aidslevel);
  selectedlevel = aidslevel;
  screen = SCREEN_MENU;
  fadeto(SCREEN_GAME, 0, 0);
  for (int i = 0; i < 20 && screen != SCREEN_GAME; i++) snapframes(1);
  for (int i = 0; i < 400 && (gamestat != GAME_PLAY || drawtime[player] < 20 || gametime < 230); i++) snapframes(1);
  for (int i = 0; i < 80 && !tableatrest(); i++) snapframes(1);
}

}  // namespace

void snapplayeratlevel(const std::string& scene, int level) {
  snapfreshfolder(scene);
  testclock(true, 1000);
  resetshellstate();
  gamestartup();
  resettablestate();
  resetgamestate();
  inputon = 1;
  player = 1;
  clearplayer(1);
  playername[1] = "Snap";
  maplevel[1] = toplevel[1] = level;
  cash[1] = 1200;
}

bool snapaids() {
  bool ok = true;
  // Draws as the hint says until it marks a card of the table.
  startaids();
  for (int i = 0; i < 12; i++) {
    testmousemove(300, 500);
    snapkey('H');
    if (hintslot > 0) break;
    snapclick(stocktopx + 48, stocky + 71);
    for (int k = 0; k < 80 && !tableatrest(); k++) snapframes(1);
  }
  testmousemove(300, 500);
  snapframes(12);  // the mark's glow near its brightest
  ok &= savesnapshot("game-hint");

  startaids();
  testmousemove(300, 500);
  snapkey('O');
  oddswait();
  snapframes(2);
  ok &= savesnapshot("game-odds");
  resetodds();
  return ok;
}
