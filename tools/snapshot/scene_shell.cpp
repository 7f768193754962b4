// The shell's popups over the title landscape, as the main menu shows them, and the two
// backgrounds at the narrowest and the widest screen: popup-<id>.png, bg-title-<w>.png,
// bg-game-<w>.png.
#include "tools/snapshot/snapshot.h"
#include "runtime/runtime.h"
#include "shell/backgrounds.h"
#include "shell/buttons.h"
#include "shell/gfx.h"
#include "shell/menu.h"
#include "shell/popups.h"
#include "shell/profiles.h"
#include "shell/state.h"
#include "text/fonts.h"
#include "text/texts.h"
#include <string>

namespace {

// Three players on file; Mira is the one playing.
void putplayers() {
  const char* names[4] = {"", "Mira", "Ossian Grey", "Jack"};
  const int banked[4] = {0, 2450, 13870, 610};
  const int top[4] = {0, 12, 31, 5};
  for (int p = 1; p <= profileslots; p++) clearplayer(p);
  for (int p = 1; p <= 3; p++) {
    playername[p] = names[p];
    cash[p] = banked[p];
    toplevel[p] = top[p];
  }
  player = 1;
}

// The landscape the menu shows, a few window lights on, at full brightness.
void drawtitlescene(int w) {
  float pan = -1266 - 0.06f * (w / 2);
  titlepan = pan;
  lightstate.fill(0);
  for (int i : {1, 3, 6, 9, 10}) lightstate[i] = 40;
  resetdrawstate();
  SetColor(255, 255, 255);
  drawtitlebg(pan);
}

// One frame of popup id, fully shown over the title scene, the pointer away from its buttons.
bool snappopup(int id) {
  snapscreen(1024, 768);
  loadtitlebg();
  SeedRnd(11);
  drawtitlescene(1024);
  fadestate = 1;
  framecount = 0;  // the name entry's cursor is in its "on" half
  mousex = mousey = 0;
  mousehit1 = 0;
  buttonlayer = 2;
  resetpopups();
  switchpopup(id);
  drawpopups();
  resetdrawstate();
  return savesnapshot("popup-" + std::to_string(id));
}

}  // namespace

bool snapshell() {
  snapscreen(1024, 768);
  loadfonts();
  loadmenutexts();
  loadmenustuff();
  loadmenustuff_dynamic();
  bool ok = true;
  putplayers();
  for (int id : {POPUP_QUIT, POPUP_INFO, POPUP_PLAYERS, POPUP_DELETE, POPUP_HALLOFFAME, POPUP_NOSOUND}) ok &= snappopup(id);
  // A new player half named, and the same name refused as taken.
  playername[4] = "Mir";
  namelen = 3;
  prevplayer = 1;
  player = 4;
  ok &= snappopup(POPUP_NAME);
  playername[4] = "Mira";
  ok &= snappopup(POPUP_DUPLICATE);
  putplayers();
  for (int w : {1024, 1366}) {
    snapscreen(w, 768);
    loadtitlebg();
    SeedRnd(5);
    drawtitlescene(w);
    ok &= savesnapshot("bg-title-" + std::to_string(w));
    snapscreen(w, 768);
    stage = 13;
    deletegamebg();
    loadgamebg_dynamic(SCREEN_GAME, 0);
    resetdrawstate();
    SetColor(255, 255, 255);
    drawgamebg();
    ok &= savesnapshot("bg-game-" + std::to_string(w));
  }
  deletetitlebg();
  deletegamebg();
  return ok;
}
