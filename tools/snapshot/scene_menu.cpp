// The way into the game: a splash page, the loading screen, the main menu with and without a
// player, the options popup and the hall of fame, each after a real start-up, headless.
#include "tools/snapshot/snapshot.h"
#include "runtime/runtime.h"
#include "runtime/testinput.h"
#include "shell/buttons.h"
#include "shell/dispatch.h"
#include "shell/profiles.h"
#include "shell/startup.h"
#include "shell/state.h"
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace {
// A start as a new player makes it: an empty user folder, the fake clock, the null display.
bool freshstart() {
  return snapfreshstart("menu");
}
}  // namespace

bool snapmenu() {
  if (!freshstart()) return false;
  bool ok = true;
  snapframes(12);  // the first page, fully faded in
  ok &= savesnapshot("intro-splash");
  fadeto(SCREEN_LOADING, 0, 0);
  snapframes(9 + 150);  // halfway along the bar, the logo in
  ok &= savesnapshot("intro-loading");
  testmousemove(300, 650);
  snapframes(130 + 120);  // the rest of the bar, then the menu settled
  ok &= savesnapshot("menu-noplayer");
  playername[1] = "Mortimer";
  player = 1;
  maplevel[1] = toplevel[1] = 14;
  cash[1] = 23750;
  playername[2] = "Wilhelmina";
  toplevel[2] = 6;
  cash[2] = 4200;
  fadeto(SCREEN_MENU, 0, 0);
  snapframes(9 + 120);
  ok &= savesnapshot("menu");
  openpopup(POPUP_OPTIONS);
  snapframes(24);
  ok &= savesnapshot("popup-100");
  closepopup();
  snapframes(24);
  openpopup(POPUP_HALLOFFAME);
  snapframes(24);
  ok &= savesnapshot("menu-halloffame");
  return ok;
}
