// The game's popups: continue, in-game menu, restart, new adventure, card backs.
#include "progression/startlevel.h"
#include "shell/buttons.h"
#include "shell/dispatch.h"
#include "shell/gfx.h"
#include "shell/menu.h"
#include "shell/popups.h"
#include "shell/profiles.h"
#include "shell/settings.h"
#include "shell/state.h"
#include "solitaire/extras.h"
#include "solitaire/game.h"
#include "solitaire/state.h"
#include "solitaire/tutorial.h"
#include "text/fonts.h"
#include "text/texts.h"
#include <algorithm>

namespace {

// Card backs 1..4: the highest level opened that unlocks each, and where each stands.
constexpr int backunlock[5] = {0, 0, 6, 12, 30};
constexpr int backdx[5] = {0, -180, -60, 60, 180};  // centres from midx
constexpr int backdy = -20;                         // centres from midy

bool playerok() { return player >= 1 && player < playerslots; }

// Leaves the game for another screen with the table stored in the profile.
void leavegame(int target) {
  closepopup();
  returnaimingitem();
  if (playerok()) saveplayer(player);
  fadeto(target, 0, 0);
}

}  // namespace

void continuepopup() {
  popuppanel(midx, midy, menutext(2, 1));
  drawtext(menutext(2, 2), midx, midy - 32, ALIGN_CENTRE, 7);
  drawtext(menutext(2, 3), midx, midy + 8, ALIGN_CENTRE, 7);
  if (button(midx - 82, midy + 160, 3, 2, menutext(2, 6)) == BUTTON_CLICK) {
    switchpopup(POPUP_NEWADVENTURE);
    return;
  }
  if (button(midx + 82, midy + 160, 3, 2, menutext(2, 4)) == BUTTON_CLICK && playerok()) {
    selectedlevel = std::max(maplevel[player], 1);
    closepopup();
    Print("resume game: " + std::to_string(savedgame[player]));
    fadeto(savedgame[player] == 1 ? SCREEN_GAME : SCREEN_MAP, 0, 0);
    return;
  }
  if (button(midx, midy + 98, 3, 2, menutext(2, 5)) == BUTTON_CLICK || keyesc == 1) closepopup();
}

void newadventurepopup() {
  popuppanel(midx, midy, menutext(3, 1));
  drawtext(menutext(3, 2), midx, midy - 40, ALIGN_CENTRE, 7);
  drawtext(menutext(3, 3), midx, midy, ALIGN_CENTRE, 7);
  if (button(midx - 82, midy + 160, 3, 2, menutext(3, 4)) == BUTTON_CLICK && playerok()) {
    closepopup();
    resetprogress(player);
    saveplayer(player);  // the fresh start is on disk at once
    selectedlevel = 1;
    startlevel(1);
    return;
  }
  if (button(midx + 82, midy + 160, 4, 2, menutext(3, 5)) == BUTTON_CLICK) switchpopup(POPUP_CONTINUE);
}

void ingamemenu() {
  popuppanel(midx, midy - 50, menutext(13, 1));
  drawtext(menutext(13, 2), midx, midy - 170, ALIGN_CENTRE, 7);
  if (button(midx, midy - 100, 3, 2, menutext(13, 7)) == BUTTON_CLICK) {
    helppage = 1;
    switchpopup(POPUP_HELP);
    return;
  }
  if (button(midx - 82, midy - 40, 3, 2, menutext(13, 6)) == BUTTON_CLICK) {
    switchpopup(POPUP_OPTIONS);
    return;
  }
  if (button(midx + 82, midy - 40, 3, 2, menutext(13, 5)) == BUTTON_CLICK) {
    switchpopup(POPUP_CARDBACK);
    return;
  }
  if (button(midx - 82, midy + 20, 3, 2, menutext(13, 3)) == BUTTON_CLICK) {
    leavegame(SCREEN_MAP);
    return;
  }
  if (button(midx + 82, midy + 20, 3, 2, menutext(13, 9)) == BUTTON_CLICK) {
    switchpopup(POPUP_RESTART);
    return;
  }
  if (button(midx - 82, midy + 100, 4, 2, menutext(13, 4)) == BUTTON_CLICK) {
    leavegame(SCREEN_MENU);
    return;
  }
  bool esc = keyesc == 1 && esccooldown == 30;
  if (button(midx + 82, midy + 100, 3, 2, menutext(13, 8)) == BUTTON_CLICK || esc) {
    closepopup();
    pausesign = -1;
  }
}

void restartpopup() {
  popuppanel(midx, midy - 50, menutext(15, 1));
  drawtext(menutext(15, 2), midx, midy - 90, ALIGN_CENTRE, 7);
  drawtext(menutext(15, 3), midx, midy - 50, ALIGN_CENTRE, 7);
  if (button(midx - 82, midy + 110, 3, 2, menutext(15, 5)) == BUTTON_CLICK || keyesc == 1) {
    switchpopup(POPUP_INGAME);
    return;
  }
  if (button(midx + 82, midy + 110, 4, 2, menutext(15, 4)) == BUTTON_CLICK && playerok()) {
    closepopup();
    returnaimingitem();
    saveplayer(player);
    clearsavedround();
    fadeto(SCREEN_GAME, 0, 0);
  }
}

void cardbackpopup() {
  popuppanelbig(midx, midy, menutext(10, 1));
  drawtext(menutext(10, 2), midx, midy - 190, ALIGN_CENTRE, 7);
  if (!playerok()) {
    closepopup();
    return;
  }
  const int p = player;
  float a = GetAlpha();
  bool anyhover = false;
  for (int k = 1; k <= 4; k++) {
    float cx = midx + backdx[k], cy = midy + backdy;
    bool locked = toplevel[p] < backunlock[k];
    if (cardback[p] == k) {
      SetScale(1.02f, 1.02f);
      for (int i = 0; i < 4; i++) drawimg(cardglowimg, cx - 52, cy - 75);
      SetScale(1, 1);
    }
    SetAlpha(locked ? a * 0.5f : a);
    drawimg(cardbackimg[k], cx - 48, cy - 71);
    SetAlpha(a);
    drawtext(menutext(10, 2 + k), cx, cy - 101, ALIGN_CENTRE, 2);
    if (locked) {
      drawtext(menutext(10, 7), cx, cy + 81, ALIGN_CENTRE, 7);
      drawtext(menutext(10, 8) + " " + std::to_string(backunlock[k]), cx, cy + 101, ALIGN_CENTRE, 7);
      continue;
    }
    if (!coll2img || !ImagesCollide(cardbackimg[k], cx - 48, cy - 71, 0, coll2img, mousex, mousey, 0)) continue;
    anyhover = true;
    cardbackhover++;
    SetAlpha(a * std::min(1.0f, 0.1f * cardbackhover));
    drawimg(cardglowimg, cx - 51, cy - 74);
    SetAlpha(a);
    if (mousehit1 == 1 && popuplevel == popupfull && popupdir == 1 && pausesign == -1) {
      mousehit1 = 0;
      cardback[p] = k;
      PlayS(SFX_CLICK, cx);
    }
  }
  if (!anyhover) cardbackhover = 0;
  if (button(midx, midy + 225, 3, 2, menutext(10, 9)) == BUTTON_CLICK || keyesc == 1) {
    savesettings(0);
    saveplayer(p);  // the chosen back is a profile value
    closepopup();
  }
}
