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
void frames(int n) {
  for (int i = 0; i < n; i++) {
    runframe();
    testadvanceclock(20);
  }
}

// A start as a new player makes it: an empty user folder, the fake clock, the null display.
bool freshstart() {
  std::filesystem::path home = std::filesystem::temp_directory_path() / ("morgavelle-snap-" + std::to_string(getpid()));
  std::filesystem::remove_all(home);
  std::filesystem::create_directories(home);
  setenv("XDG_DATA_HOME", home.c_str(), 1);
  SetHeadless(true);
  testclock(true, 0);
  testresetinput();
  testresetdisplay();
  resetshellstate();
  return gamestartup();
}
}  // namespace

bool snapmenu() {
  if (!freshstart()) return false;
  bool ok = true;
  frames(12);  // the first page, fully faded in
  ok &= savesnapshot("intro-splash");
  fadeto(SCREEN_LOADING, 0, 0);
  frames(9 + 150);  // halfway along the bar, the logo in
  ok &= savesnapshot("intro-loading");
  testmousemove(300, 650);
  frames(130 + 120);  // the rest of the bar, then the menu settled
  ok &= savesnapshot("menu-noplayer");
  playername[1] = "Mortimer";
  player = 1;
  maplevel[1] = toplevel[1] = 14;
  cash[1] = 23750;
  playername[2] = "Wilhelmina";
  toplevel[2] = 6;
  cash[2] = 4200;
  fadeto(SCREEN_MENU, 0, 0);
  frames(9 + 120);
  ok &= savesnapshot("menu");
  openpopup(POPUP_OPTIONS);
  frames(24);
  ok &= savesnapshot("popup-100");
  closepopup();
  frames(24);
  openpopup(POPUP_HALLOFFAME);
  frames(24);
  ok &= savesnapshot("menu-halloffame");
  return ok;
}
