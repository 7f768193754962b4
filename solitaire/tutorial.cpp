#include "solitaire/tutorial.h"
#include "progression/startlevel.h"
#include "shell/buttons.h"
#include "shell/gfx.h"
#include "shell/menu.h"
#include "shell/popups.h"
#include "shell/profiles.h"
#include "shell/state.h"
#include "solitaire/extras.h"
#include "solitaire/game.h"
#include "solitaire/state.h"
#include "text/fonts.h"
#include "text/texts.h"
#include <algorithm>
#include <cmath>

namespace {

constexpr double degree = 3.14159265358979323846 / 180.0;
constexpr int tutorialstart = 200;  // gametime at which the first page shows
constexpr int level1pages = 8;      // pages of each level's tutorial
constexpr int level23pages = 2;
constexpr int arrowpicture = 6;     // the arrow is button picture 6
constexpr int tutorialsection = 24; // menutexts 24 + level holds a level's tutorial texts

// Where the arrow points on each page: a target of (0, 0) shows no arrow. x and y are
// computed from the layout values when the page shows (see tutorialarrow).
enum { AIM_NONE, AIM_STABLE, AIM_TABLE, AIM_STOCK, AIM_POINTS, AIM_PROGRESS, AIM_PLANTS, AIM_COMBO, AIM_SPECIAL, AIM_MENU };
struct arrowrow {
  int lv, page;
  int aim;
  int angle;
};
constexpr arrowrow arrowtable[] = {
    {1, 1, AIM_STABLE, 0},     // beside the stable
    {1, 2, AIM_TABLE, 90},     // the rightmost column
    {1, 5, AIM_STOCK, 180},    // beside the stock
    {1, 7, AIM_POINTS, 90},    // the points bar
    {1, 8, AIM_PROGRESS, 90},  // the cards left
    {2, 1, AIM_PLANTS, 270},   // the plant bar
    {2, 2, AIM_COMBO, 90},     // the combo bar
    {3, 1, AIM_SPECIAL, 90},   // a special card of level 3
    {3, 2, AIM_MENU, 90},      // the menu button
};

void tutorialarrow() {
  tutorialarrowx = tutorialarrowy = 0;
  tutorialarrowangle = 0;
  for (const arrowrow& r : arrowtable) {
    if (r.lv != tutoriallevel || r.page != tutorialpage) continue;
    tutorialarrowangle = r.angle;
    int x = 0, y = 0;
    switch (r.aim) {
      case AIM_STABLE: x = stablex + 120; y = stabley + 71; break;
      case AIM_TABLE: x = xshift + 895; y = 350; break;
      case AIM_STOCK: x = stablex - 150; y = stabley + 71; break;
      case AIM_POINTS: x = 142; y = 100; break;
      case AIM_PROGRESS: x = 302; y = 100; break;
      case AIM_PLANTS: x = screenw - 155; y = screenh - 160; break;
      case AIM_COMBO: x = screenw - 170; y = 100; break;
      case AIM_SPECIAL: x = xshift + 175; y = 400; break;
      case AIM_MENU: x = midx + 80; y = 100; break;
    }
    tutorialarrowx = x;
    tutorialarrowy = y;
  }
}

// Pages with a "next" button: level 1 pages 1, 7 and 8, and the first page of levels 2 and 3.
bool hasnext() {
  if (tutoriallevel == 1) return tutorialpage == 1 || tutorialpage == 7 || tutorialpage == 8;
  return tutorialpage == 1;
}

bool panelup() {
  return tutorialon == 1 && tutorialframe > 0 && tutorialpage >= 1 && popuplevel == 0 && endtime == 0 &&
         pausesign == -1;
}

// The close button: on level 1 it skips to the points page, then to the last, then ends.
void closetutorial() {
  if (tutoriallevel == 1 && tutorialpage <= 6) {
    showtutorial(1, 7);
  } else if (tutoriallevel == 1 && tutorialpage == 7) {
    showtutorial(1, 8);
  } else {
    tutorialon = 0;
    tutorialframe = 0;
  }
}

float nextbuttonx() { return midx + 60; }
float closebuttonx() { return hasnext() ? midx - 60 : midx; }
constexpr int buttonsdown = 146;  // the panel's buttons sit this far below the centre

bool overbutton(float x, float y) {
  const Image& pic = buttonimg[15];
  int hw = pic ? pic->width / 2 : 0, hh = pic ? pic->height / 2 : 0;
  return x - hw < mousex && mousex < x + hw && y - hh < mousey && mousey < y + hh;
}

}  // namespace

void resettutorial() {
  tutorialon = tutorialpage = tutorialpages = 0;
  tutoriallevel = tutorialframe = 0;
  tutorialarrowx = tutorialarrowy = tutorialarrowangle = 0;
}

void showtutorial(int lv, int page) {
  tutoriallevel = lv;
  tutorialpage = page;
  if (page == 1) tutorialframe = 1;
  Print("zeige tutorial, level " + std::to_string(lv) + ", seite " + std::to_string(page));
}

void nexttutorialpage() {
  if (tutorialon != 1 || selectedlevel >= 4) return;
  tutorialpage++;
  if (tutorialpage > tutorialpages) {
    tutorialon = 0;
    tutorialframe = 0;
  } else {
    showtutorial(selectedlevel, tutorialpage);
  }
}

// A click on the panel's buttons belongs to the panel, not to a card lying under it.
bool tutorialbuttonhovered() {
  if (!panelup()) return false;
  float y = midy + buttonsdown;
  return overbutton(closebuttonx(), y) || (hasnext() && overbutton(nextbuttonx(), y));
}

void drawtutorial() {
  if (tutorialon != 1 || popuplevel > 0 || endtime > 0 || pausesign != -1) return;
  if (gametime == tutorialstart && tutorialpage == 0 && roundpoints == 0) {
    if (level == 1 && player >= 1 && cash[player] == 0) {
      tutorialpages = level1pages;
      showtutorial(1, 1);
    } else if (level == 2 || level == 3) {
      tutorialpages = level23pages;
      showtutorial(level, 1);
    }
  }
  if (tutorialframe <= 0 || tutorialpage < 1) return;
  tutorialframe++;
  tutorialarrow();
  float a = GetAlpha();
  SetAlpha(a * std::min(1.0f, 0.05f * tutorialframe));
  int section = tutorialsection + tutoriallevel;
  drawimg(tutorialsignimg, midx, midy + 100);
  drawtext(menutext(section, 1), midx, midy + 44, ALIGN_CENTRE, 7);
  drawtextbox(menutext(section, 3 + tutorialpage), midx, midy + 70, 356, 18, ALIGN_CENTRE, 7);
  bool next = hasnext();
  float y = midy + buttonsdown;
  if (next && button(nextbuttonx(), y, 15, 1, menutext(section, 2)) == BUTTON_CLICK) {
    nexttutorialpage();
  } else if (button(closebuttonx(), y, 15, 1, menutext(section, 3)) == BUTTON_CLICK) {
    closetutorial();
  }
  if (tutorialon == 1 && tutorialarrowx > 0 && tutorialarrowy > 0) {
    float wobble = float(10 * std::sin(10 * framecount * degree));
    bool across = tutorialarrowangle == 0 || tutorialarrowangle == 180;
    setdrawstate(float(tutorialarrowangle), 1, 1, BLEND_ALPHA, GetAlpha());
    drawimg(buttonimg[arrowpicture], tutorialarrowx + (across ? wobble : 0), tutorialarrowy + (across ? 0 : wobble));
    SetRotation(0);
  }
  SetAlpha(a);
}

// ---- The help popup (102) ----

namespace {

// Page 1: a small stack, the arrows and the stable, the rules' illustration.
void helprules() {
  drawtext(menutext(24, 1), midx, midy - 300, ALIGN_CENTRE, 4);
  for (int i = 0; i < 5; i++) drawtext(menutext(24, 2 + i), midx, midy - 258 + 22 * i, ALIGN_CENTRE, 7);
  SetScale(0.6f, 0.6f);
  // A column whose free card, a 6, fits onto the stable's 5.
  const int stack[3] = {12, 47, 31};  // face pictures: a king, a 9, the free 6
  for (int i = 0; i < 3; i++) drawimg(faceimg[stack[i]], midx - 190, midy - 140 + 18 * i);
  drawimg(faceimg[17], midx + 130, midy - 104);  // the stable: a 5
  SetScale(1, 1);
  drawimg(helplinesimg, midx, midy - 70);
  for (int i = 0; i < 3; i++) drawtext(menutext(24, 7 + i), midx, midy - 8 + 22 * i, ALIGN_CENTRE, 7);
  drawtext(menutext(24, 11), midx, midy + 66, ALIGN_CENTRE, 4);
  const int resultstar[3] = {3, 2, 4};  // strike, solved, failed
  const Image* signs[3] = {&strikesignimg, &solvedsignimg, &failsignimg};
  for (int r = 0; r < 3; r++) {
    float y = midy + 100 + 52 * r;
    SetScale(0.2f, 0.2f);
    drawimg(*signs[r], midx - 300, y + 12);
    SetScale(0.5f, 0.5f);
    drawimg(starimgs[resultstar[r]], midx - 236, y + 12);
    SetScale(1, 1);
    drawtext(menutext(24, 12 + 2 * r), midx - 200, y, ALIGN_LEFT, 7);
    drawtext(menutext(24, 13 + 2 * r), midx - 200, y + 22, ALIGN_LEFT, 7);
  }
}

// Page 2: covers and their animals, the special cards, the plants.
void helpspecials() {
  drawtext(menutext(24, 18), midx, midy - 300, ALIGN_CENTRE, 4);
  for (int i = 0; i < 4; i++) drawtext(menutext(24, 19 + i), midx - 110, midy - 240 + 26 * i, ALIGN_LEFT, 7);
  SetScale(0.6f, 0.6f);
  // Birds over cards with their pig, fruit with its ninja.
  for (int a = 1; a <= 2; a++) {
    float x = midx - 340 + 110 * (a - 1);
    for (int i = 0; i < 2; i++) drawimg(coverimg[a], x + 10 * i, midy - 250 + 16 * i);
    drawimg(animalimg[a], x + 20, midy - 218);
  }
  // The special cards that fit anything.
  const Image* specials[5] = {&itemimg[1], &bonusimg[1], &bonusimg[2], &itemimg[itempicture(ITEM_DOUBLESUNS)],
                              &solplantimg[5]};
  for (int i = 0; i < 5; i++) drawimg(*specials[i], midx - 190 + 80 * i, midy - 110);
  SetScale(1, 1);
  drawtext(menutext(28, 1), midx, midy + 20, ALIGN_CENTRE, 4);
  for (int i = 0; i < 3; i++) drawtext(menutext(28, 2 + i), midx - 10, midy + 90 + 26 * i, ALIGN_LEFT, 7);
  const int shown[3] = {2, 4, 7};
  SetScale(0.6f, 0.6f);
  for (int i = 0; i < 3; i++) drawimg(solplantimg[shown[i]], midx - 340 + 70 * i, midy + 60);
  SetScale(1, 1);
  for (int i = 0; i < 3; i++) drawimg(barplantimg[shown[i]], midx - 311 + 70 * i, midy + 185);
}

// Pages 3 to 6: three items a page (the last page has one item and the finish sign).
void helpitems(int page) {
  drawtext(menutext(24, 24), midx, midy - 300, ALIGN_CENTRE, 4);
  for (int r = 1; r <= 3; r++) {
    int j = r + 3 * (page - 3);
    if (j > itemkinds) break;
    float y = midy - 391 + 150 * r;
    drawimg(itemimg[itempicture(j)], midx - 268, y);
    const float lineys[4] = {10, 40, 60, 80};
    for (int l = 0; l < 4; l++)
      drawtext(menutext(28, 4 * j + 1 + l), midx - 148, y + lineys[l], ALIGN_LEFT, l == 0 ? 2 : 7);
    drawtext(menutext(24, 28) + " " + std::to_string(itemlevel[j + 1]), midx - 148, y + 110, ALIGN_LEFT, 7);
  }
  if (page == helppages) {
    drawtext(gametext(6, 1), midx, midy - 20, ALIGN_CENTRE, 4);
    drawimg(fieldimg, midx, midy + 51);  // the finish sign as it slides in during play
    drawimg(buttonimg[3], midx, midy + 51);
    drawtext(gametext(6, 3), midx, midy + 41, ALIGN_CENTRE, 1);
    drawtextbox(gametext(6, 2), midx, midy + 90, 600, 30, ALIGN_CENTRE, 7);
  }
}

}  // namespace

void showhelp() {
  helppage = std::clamp(helppage, 1, helppages);
  SetScale(1.49f, 1.23f);
  drawimg(popuppanelimg, midx, midy);
  SetScale(1, 1);
  if (helppage == 1) helprules();
  else if (helppage == 2) helpspecials();
  else helpitems(helppage);
  float y = midy + 273;
  // Escape counts as a click on all three buttons: back and next cancel out, the help closes.
  bool esc = keyesc == 1;
  int back = button(midx - 200, y, 3, helppage > 1 ? 2 : -1, menutext(24, 26));
  int next = button(midx + 200, y, 3, helppage < helppages ? 2 : -1, menutext(24, 25));
  int close = button(midx, y, 3, 2, menutext(24, 27));
  if (esc || close == BUTTON_CLICK) {
    closepopup();
    return;
  }
  if (back == BUTTON_CLICK) helppage--;
  if (next == BUTTON_CLICK) helppage++;
}
