// Pictures for the desktop: the screenshots the AppStream metainfo names (screenshot-menu,
// screenshot-table, screenshot-story; `make install` ships them) and the title screen with
// the German texts (menu-de).
//
// The table and the story chapter are taken from the tables and story-art scenes, rendered
// into a scratch folder, so the screenshots always show the pictures those scenes check.
#include "tools/snapshot/snapshot.h"
#include "runtime/runtime.h"
#include "shell/backgrounds.h"
#include "shell/buttons.h"
#include "shell/gfx.h"
#include "shell/menu.h"
#include "shell/popups.h"
#include "shell/state.h"
#include "text/fonts.h"
#include "text/texts.h"
#include <filesystem>
#include <string>

namespace fs = std::filesystem;

namespace {

// The title landscape at full brightness, a few windows lit, panned as the menu rests.
void drawtitle() {
  titlepan = -1266 - 0.06f * 512;
  lightstate.fill(0);
  for (int i : {1, 3, 6, 9, 10}) lightstate[i] = 40;
  resetdrawstate();
  SetColor(255, 255, 255);
  drawtitlebg(titlepan);
}

// The title with the logo in its glow, as the game greets a player.
bool snaptitlescreenshot() {
  snapscreen(1024, 768);
  loadtitlebg();
  SeedRnd(5);
  drawtitle();
  if (!logoimg) logoimg = loadimg("data\\ui\\logo.png");
  if (!logoglow) logoglow = loadimg("data\\ui\\glow.png");
  SetBlend(BLEND_LIGHT);
  SetAlpha(0.55f);
  drawimg(logoglow, 512, 250);
  SetBlend(BLEND_ALPHA);
  SetAlpha(1);
  drawimg(logoimg, 512, 250);
  resetdrawstate();
  return savesnapshot("screenshot-menu");
}

// The about window over the title, in German: the most German text one popup shows.
bool snapgermantitle() {
  snapscreen(1024, 768);
  loadtitlebg();
  SeedRnd(11);
  loadfonts();
  loadmenustuff();
  textlanguage = "de";
  loadmenutexts();
  drawtitle();
  fadestate = 1;
  mousex = mousey = 0;
  mousehit1 = 0;
  buttonlayer = 2;
  resetpopups();
  switchpopup(POPUP_INFO);
  drawpopups();
  resetdrawstate();
  bool ok = savesnapshot("menu-de");
  textlanguage.clear();
  loadmenutexts();
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

bool snapdesktop() {
  bool ok = snaptitlescreenshot();
  ok &= keepfromscene(snaptables, "tables_hills_midplay", "screenshot-table");
  ok &= keepfromscene(storychapter2, "story-art-2-end", "screenshot-story");
  ok &= snapgermantitle();
  deletetitlebg();
  return ok;
}
