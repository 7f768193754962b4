#include "solitaire/hint.h"
#include "shell/buttons.h"
#include "shell/gfx.h"
#include "shell/state.h"
#include "solitaire/levelformat.h"
#include "solitaire/state.h"
#include "text/texts.h"
#include <cmath>

namespace {

constexpr int hintframes = 150;    // the mark shows for three seconds
constexpr int hintbuttonx = 190;   // the button, from midx: right of the stable, under the odds sign
constexpr int hintbuttony = 700;
constexpr int hintbuttonimage = 11;
constexpr double degree = 3.14159265358979323846 / 180.0;

bool playerok() { return player >= 0 && player < playerslots; }

}  // namespace

int hintmove(const tableview& v) {
  const checkdeal& d = v.deal;
  playstate s = startstate(d);
  // A plant or a bonus card that lies free costs nothing and only opens the table.
  for (int c = 0; c < int(d.columns.size()); c++) {
    const checkcard* t = topcard(d, s, c);
    if (t && (t->value == CARD_PLANT || t->value == CARD_BONUS) && showsface(*t, s)) return v.slots[c][s.height[c] - 1];
  }
  int m = blindmove(d, s);
  if (m == movedraw) return -1;
  if (m < 0) return 0;
  return v.slots[m][s.height[m] - 1];
}

void askhint() {
  if (!tableatrest()) return;
  tableview v = readtableview();
  int m = hintmove(v);
  hintslot = m > 0 ? m : 0;
  hintstock = m == -1 ? 1 : 0;
  hinttime = m != 0 ? 1 : 0;
  hintdigest = tableviewdigest(v);
}

void resethint() {
  hintslot = hintstock = hinttime = 0;
  hintdigest = 0;
}

void hintframe() {
  if (!playerok()) return;
  const int p = player;
  bool inplay = gamestat == GAME_PLAY && endtime == 0 && popuplevel == 0 && pausesign == -1;
  bool asked = false;
  if (gamestat != GAME_END && endtime == 0)
    asked = button(midx + hintbuttonx, hintbuttony, hintbuttonimage, inplay ? 1 : -1, gametext(4, 1)) == BUTTON_CLICK;
  if (KeyHit('H') > 0 && inplay) asked = true;
  if (asked) askhint();
  if (hinttime == 0) return;
  // The mark goes once the table changed or its time is up.
  if (!inplay || hinttime > hintframes) {
    resethint();
    return;
  }
  if (tableatrest() && tableviewdigest(readtableview()) != hintdigest) {
    resethint();
    return;
  }
  hinttime++;
  float a = GetAlpha();
  float pulse = float(0.55 + 0.45 * std::sin(6 * hinttime * degree));
  float x = 0, y = 0;
  if (hintslot > 0 && cardvalue[p][hintslot] > 0) {
    x = float(cardx[p][hintslot] + xshift);
    y = float(cardy[p][hintslot]);
  } else if (hintstock == 1 && stocktopx > 0) {
    x = float(stocktopx);
    y = float(stocky);
  } else {
    return;
  }
  SetBlend(BLEND_LIGHT);
  SetAlpha(a * pulse);
  drawimg(cardglowimg, x - 2, y - 2);
  drawimg(cardglowimg, x - 2, y - 2);
  SetBlend(BLEND_ALPHA);
  SetAlpha(a);
}
