// The shell's own popups: quit confirmation, information text, hall of fame, no-sound notice.
#include "shell/popups.h"
#include "presentation/sound.h"
#include "shell/buttons.h"
#include "shell/dispatch.h"
#include "shell/gfx.h"
#include "shell/menu.h"
#include "shell/profiles.h"
#include "shell/state.h"
#include "text/fonts.h"
#include "text/texts.h"

namespace {

// Distances from the centre of the screen shared by the small panels.
constexpr int smallbuttony = 160;  // the buttons' row
constexpr int smallbuttondx = 82;  // two buttons: left and right of the centre
constexpr int bigbuttony = 220;    // the one button of a large panel

// Information text: the lines shown, where, and in which font (line 8 is not shown).
struct infoline {
  int line, dy, font;
};
constexpr infoline infolines[] = {{2, -160, 2}, {3, -130, 2}, {4, -90, 2}, {5, -60, 7},  {6, -20, 2},
                                  {7, 10, 7},   {9, 50, 2},   {10, 80, 7}, {11, 120, 2}, {12, 150, 7}};

// Hall of fame, from the centre of the screen.
constexpr int famesubtitley = -185;   // the line under the title, font 2
constexpr int fameheadingy = -133;    // column headings
constexpr int fameheadingx[4] = {-188, -56, 102, 188};  // No., Name, Points, Level (lines 4..7)
constexpr int fametabledx = 3, fametabledy = 28;  // the table's picture
constexpr int famerowtop = -135;      // row i lies at famerowtop + 35 i
constexpr int famerowstep = 35;
constexpr int famerows = 8;           // rows shown of the ten entries
constexpr int famenumberx = -190;     // the row's number, centred
constexpr int famenamex = -150;       // name, left-aligned
constexpr int famecashx = 140;        // points, right-aligned
constexpr int famelevelx = 205;       // level, right-aligned

// Escape held closes the shell's popups; a popup already fading out is left alone.
bool escapeheld() { return keyesc == 1 && popupdir == 1; }

}  // namespace

void quitpopup() {
  lastfunc = "quitpopup()";
  popuppanel(float(midx), float(midy), menutext(1, 1));
  drawtext(menutext(1, 2), float(midx), float(midy - 40), ALIGN_CENTRE, 7);
  drawtext(menutext(1, 3), float(midx), float(midy), ALIGN_CENTRE, 7);
  float by = float(midy + smallbuttony);
  if (button(float(midx - smallbuttondx), by, 3, 2, menutext(1, 4)) == BUTTON_CLICK || escapeheld()) {
    closepopup();
    return;
  }
  if (button(float(midx + smallbuttondx), by, 4, 2, menutext(1, 5)) == BUTTON_CLICK) {
    // During play this stores the table too, so the round can be resumed.
    if (player > -1) saveplayer(player);
    stopmusic();
    fadeto(SCREEN_QUIT, 0, 0);
  }
}

void infopopup() {
  lastfunc = "infopopup()";
  popuppanelbig(float(midx), float(midy), menutext(23, 1));
  for (const infoline& l : infolines)
    drawtext(menutext(23, l.line), float(midx), float(midy + l.dy), ALIGN_CENTRE, l.font);
  if (button(float(midx), float(midy + bigbuttony), 3, 2, menutext(23, 13)) == BUTTON_CLICK || escapeheld())
    closepopup();
}

void buildscores() {
  // Every player, by highest level opened; equal levels keep slot order (a stable insertion).
  std::array<int, 17> order{};
  int n = 0;
  for (int p = 1; p <= profileslots; p++) {
    if (playername[p].empty()) continue;
    int at = ++n;
    while (at > 1 && toplevel[order[at - 1]] < toplevel[p]) {
      order[at] = order[at - 1];
      at--;
    }
    order[at] = p;
  }
  for (int i = 1; i <= scoreentries; i++) {
    int p = i <= n ? order[i] : 0;
    scorename[i] = p > 0 ? playername[p] : "";
    scorelevel[i] = p > 0 ? toplevel[p] - 1 : -1;
    scorecash[i] = p > 0 ? cash[p] : 0;
  }
}

void halloffame() {
  lastfunc = "halloffame()";
  buildscores();
  popuppanelbig(float(midx), float(midy), menutext(19, 1));
  drawtext(menutext(19, 11), float(midx), float(midy + famesubtitley), ALIGN_CENTRE, 2);
  for (int c = 0; c < 4; c++)
    drawtext(menutext(19, 4 + c), float(midx + fameheadingx[c]), float(midy + fameheadingy), ALIGN_CENTRE, 7);
  drawimg(scoresimg, float(midx + fametabledx), float(midy + fametabledy));
  for (int i = 1; i <= famerows; i++) {
    float y = float(midy + famerowtop + famerowstep * i);
    drawtext(std::to_string(i), float(midx + famenumberx), y, ALIGN_CENTRE, 7);
    bool empty = scorelevel[i] < 1;
    drawtext(empty ? "---" : scorename[i], float(midx + famenamex), y, ALIGN_LEFT, 7);
    drawtext(empty ? "---" : std::to_string(scorecash[i]), float(midx + famecashx), y, ALIGN_RIGHT, 7);
    drawtext(empty ? "---" : std::to_string(scorelevel[i]), float(midx + famelevelx), y, ALIGN_RIGHT, 7);
  }
  if (button(float(midx), float(midy + bigbuttony), 3, 2, menutext(19, 10)) == BUTTON_CLICK || escapeheld())
    closepopup();
}

// Said once a run: the game plays on, and what is on disk stays as it was.
void nosavepopup() {
  lastfunc = "nosavepopup()";
  popuppanel(float(midx), float(midy), menutext(9, 1));
  drawtext(menutext(9, 2), float(midx), float(midy - 40), ALIGN_CENTRE, 7);
  drawtext(menutext(9, 3), float(midx), float(midy), ALIGN_CENTRE, 7);
  if (button(float(midx), float(midy + smallbuttony), 3, 2, menutext(9, 4)) == BUTTON_CLICK || escapeheld())
    closepopup();
}

void nosoundpopup() {
  lastfunc = "nosoundpopup()";
  popuppanel(float(midx), float(midy), menutext(17, 1));
  drawtext(menutext(17, 2), float(midx), float(midy - 40), ALIGN_CENTRE, 7);
  drawtext(menutext(17, 3), float(midx), float(midy), ALIGN_CENTRE, 7);
  if (button(float(midx), float(midy + smallbuttony), 3, 2, menutext(17, 4)) == BUTTON_CLICK || escapeheld())
    closepopup();
}
