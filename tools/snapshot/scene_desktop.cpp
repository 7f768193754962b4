// Pictures for the desktop: the screenshots the AppStream metainfo names (screenshot-menu,
// screenshot-table, screenshot-story; `make install` ships them and renders only those, as
// the scene "screenshots") and the main menu with its options in German (menu-de,
// menu-de-options), each menu after a real start-up, headless.
//
// The table and the story chapter are taken from the tables and story-art scenes, rendered
// into a scratch folder, so the screenshots always show the pictures those scenes check.
#include "tools/snapshot/snapshot.h"
#include "runtime/runtime.h"
#include "runtime/testinput.h"
#include "shell/buttons.h"
#include "shell/dispatch.h"
#include "shell/profiles.h"
#include "shell/startup.h"
#include "shell/state.h"
#include "text/texts.h"
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace fs = std::filesystem;

namespace {

// A real start-up in the given language ("" English, "de" German), through the loading bar
// into the main menu, with two players on file and the first one playing.
bool startintomenu(const std::string& language) {
  snapfreshfolder("desktop");
  resetshellstate();
  textlanguage = language;  // after the reset, which goes back to English
  if (!gamestartup()) return false;
  fadeto(SCREEN_LOADING, 0, 0);
  testmousemove(300, 650);
  snapunseenframes(9 + 280 + 120);
  playername[1] = "Mortimer";
  player = 1;
  maplevel[1] = toplevel[1] = 14;
  cash[1] = 23750;
  playername[2] = "Wilhelmina";
  toplevel[2] = 6;
  cash[2] = 4200;
  fadeto(SCREEN_MENU, 0, 0);
  snapunseenframes(9 + 119);
  snapframes(1);
  return screen == SCREEN_MENU;
}

// The main menu as a player comes back to it, for the software centres.
bool snapmenuscreenshot() {
  bool ok = startintomenu("");
  return savesnapshot("screenshot-menu") && ok;
}

// The main menu and its options in German.
bool snapgermanmenu() {
  bool ok = startintomenu("de");
  ok = savesnapshot("menu-de") && ok;
  openpopup(POPUP_OPTIONS);
  snapframes(24);
  ok = savesnapshot("menu-de-options") && ok;
  closepopup();
  snapframes(24);
  textlanguage.clear();  // the scenes that follow load their texts in English
  return ok;
}

// Renders a scene into a scratch folder and keeps one of its pictures under a new name.
bool keepfromscene(bool (*scene)(), const std::string& picture, const std::string& name) {
  std::string real = snapfolder;
  snapfolder = (fs::path(real) / ".scratch").string();
  fs::create_directories(snapfolder);
  bool ok = scene();
  std::error_code ec;
  fs::copy_file(fs::path(snapfolder) / (picture + ".png"), fs::path(real) / (name + ".png"),
                fs::copy_options::overwrite_existing, ec);
  fs::remove_all(snapfolder, ec);
  snapfolder = real;
  std::printf("%s %s/%s.png\n", ok && !ec ? "wrote" : "FAILED", real.c_str(), name.c_str());
  return ok && !ec;
}

bool storychapter2() { return snapstoryart_chapter(2); }

}  // namespace

bool snapscreenshots() {
  bool ok = snapmenuscreenshot();
  ok &= keepfromscene(snaptablemidplay, "tables_hills_midplay", "screenshot-table");
  ok &= keepfromscene(storychapter2, "story-art-2-end", "screenshot-story");
  return ok;
}

bool snapdesktop() {
  bool ok = snapscreenshots();
  ok &= snapgermanmenu();
  return ok;
}
