// The options popup (100): music and sound volume, the display mode, the pointer and the two
// effect switches. Leaving it always writes settings.txt; there is no undo.
#include "shell/backgrounds.h"
#include "shell/buttons.h"
#include "shell/display.h"
#include "shell/gfx.h"
#include "shell/menu.h"
#include "shell/options.h"
#include "shell/popups.h"
#include "shell/settings.h"
#include "shell/state.h"
#include "text/fonts.h"
#include "text/texts.h"

// Where everything sits, from the screen's centre; texts are lines of menutexts section 7.
constexpr int musicrowy = -155, soundrowy = -75;  // the two volume rows
constexpr int trackhalf = 140;                    // the knob's x runs from -140 (silent) to +140 (loudest)
constexpr int arrowx = 190;                       // the arrows left and right of the track
constexpr int rowheadingy = -38, rowcontrolsy = 3;  // a row's heading and its arrows and knob, from the row's y
constexpr int displayheadingy = -25, pointerheadingy = 105;
constexpr int closey = 225, menuclosex = 100, infox = -100;  // bottom buttons; on the menu they share the row
constexpr int boxreach = 20;     // a check box reacts strictly within this distance of its centre
constexpr int labelx = 25, labely = -8;  // a box's label from the box's centre

// The eight check boxes: position and label line.
struct optionbox {
  int x, y, label;
};
static const optionbox optionboxes[optionboxcount + 1] = {
    {0, 0, 0},
    {-180, 30, 7},    // 1 wide full screen
    {-40, 30, 8},     // 2 standard full screen
    {100, 30, 9},     // 3 window
    {-180, 160, 10},  // 4 the game's pointer
    {-40, 160, 11},   // 5 the system pointer
    {100, 160, 12},   // 6 the dot
    {-180, 75, 18},   // 7 bouncing coins
    {100, 75, 19},    // 8 card hints
};

static int clampvolume(int v) { return v < 0 ? 0 : v > maxvolume ? maxvolume : v; }

int optionboxshown(int box) {
  // Without a usable wide mode there is no wide box, and the standard box takes its place.
  bool wide = modeok[1] == 1 || modeok[2] == 1;
  if (box == 1) return wide ? 1 : 0;
  return 1;
}

void optionboxpos(int box, int& x, int& y) {
  int b = box == 2 && optionboxshown(1) == 0 ? 1 : box;
  x = midx + optionboxes[b].x;
  y = midy + optionboxes[b].y;
}

int optionboxticked(int box) {
  switch (box) {
    case 1: return fullscreen == 1 && (displaymode == 1 || displaymode == 2 || displaymode == 4);
    case 2: return fullscreen == 1 && (displaymode == 3 || displaymode == 5);
    case 3: return fullscreen == 0;
    case 4: return cursormode == 1;
    case 5: return cursormode == 2;
    case 6: return cursormode == 3;
    case 7: return bouncefx == 1;
    case 8: return cardhints == 1;
    default: return 0;
  }
}

static void changedisplay(int mode, int fullsc) {
  togglescreensize(mode, fullsc);
  loadgamebg_dynamic(screen, 1);
  // The click that switched is used up, so the paused sign stays until the next one.
  mousehit1 = 0;
}

static void optionboxclicked(int box) {
  switch (box) {
    case 1:
      if (!optionboxticked(1)) changedisplay(bestmode, 1);
      break;
    case 2:
      if (!optionboxticked(2)) changedisplay(3, 1);
      break;
    case 3:
      if (fullscreen == 1) changedisplay(0, 0);
      break;
    case 4:
      cursormode = 1;
      HideMouse();
      break;
    case 5:
      cursormode = 2;
      ShowMouse();
      break;
    case 6:
      cursormode = 3;
      HideMouse();
      break;
    // A value other than 1 from an edited file counts as off; a click turns it on.
    case 7: bouncefx = bouncefx == 1 ? -1 : 1; break;
    case 8: cardhints = cardhints == 1 ? -1 : 1; break;
    default: break;
  }
}

// One volume row: heading, track, arrows (held: 10 a frame) and the knob that can be dragged.
// The row does nothing while the other row's knob is being dragged.
static void volumerow(int rowy, int heading, int& volume, int& drag, int otherdrag) {
  int y = midy + rowy;
  drawtext(menutext(7, heading), float(midx), float(y + rowheadingy), ALIGN_CENTRE, 2);
  drawimg(optionstrackimg, float(midx), float(y));
  int left = button(float(midx - arrowx), float(y + rowcontrolsy), 6, 2, "");
  int right = button(float(midx + arrowx), float(y + rowcontrolsy), 7, 2, "");
  int knob = button(float(midx - trackhalf + volume), float(y + rowcontrolsy), 5, 2, "");
  if (otherdrag == 0) {
    if (left == BUTTON_HELD) volume -= 10;
    if (right == BUTTON_HELD) volume += 10;
    volume = clampvolume(volume);
    if (knob == BUTTON_HELD) drag = 1;
  }
  // The knob follows the pointer; past either end of the track it stays at the end.
  if (drag == 1) volume = clampvolume(mousex - midx + trackhalf);
}

static void leaveoptions() { savesettings(0); }

void optionspopup() {
  lastfunc = "optionspopup()";
  popuppanelbig(float(midx), float(midy), menutext(7, 1));
  volumerow(musicrowy, 2, musicvol, musicdrag, sounddrag);
  volumerow(soundrowy, 3, soundvol, sounddrag, musicdrag);
  drawtext(menutext(7, 13), float(midx), float(midy + displayheadingy), ALIGN_CENTRE, 2);
  drawtext(menutext(7, 6), float(midx), float(midy + pointerheadingy), ALIGN_CENTRE, 2);
  for (int box = 1; box <= optionboxcount; box++) {
    if (!optionboxshown(box)) continue;
    int x, y;
    optionboxpos(box, x, y);
    drawimg(checkboximg, float(x), float(y));
    drawtext(menutext(7, optionboxes[box].label), float(x + labelx), float(y + labely), ALIGN_LEFT, 7);
    if (optionboxticked(box)) drawimg(tickimg, float(x), float(y));
    bool over = mousex > x - boxreach && mousex < x + boxreach && mousey > y - boxreach && mousey < y + boxreach;
    if (over && musicdrag == 0 && sounddrag == 0) {
      SetBlend(BLEND_LIGHT);
      drawimg(checkboximg, float(x), float(y));
      SetBlend(BLEND_ALPHA);
      if (mousehit1 == 1) optionboxclicked(box);  // the click stays for whatever lies beneath
    }
  }
  if (mousedown1 == 0) musicdrag = sounddrag = 0;
  bool onmenu = screen == SCREEN_MENU;
  if (button(float(midx + (onmenu ? menuclosex : 0)), float(midy + closey), 3, 2, menutext(7, 16)) == BUTTON_CLICK ||
      keyesc == 1) {
    leaveoptions();
    closepopup();
  }
  if (onmenu && button(float(midx + infox), float(midy + closey), 3, 2, menutext(12, 4)) == BUTTON_CLICK) {
    leaveoptions();  // leaving for the information text saves too
    popupid = POPUP_INFO;
  }
}
