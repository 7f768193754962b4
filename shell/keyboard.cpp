#include "shell/keyboard.h"
#include "shell/buttons.h"
#include "shell/dispatch.h"
#include "shell/state.h"
#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

// The ring's look: gold like the buttons' rims, three pixels wide, four pixels clear of the
// picture, with a faint wider light round it.
constexpr int ringred = 255, ringgreen = 206, ringblue = 92;
constexpr int ringgap = 4;     // clear pixels between the picture and the ring
constexpr int ringwidth = 3;   // the gold line
constexpr int glowwidth = 4;   // the soft light outside it
constexpr float glowalpha = 0.35f;

// One step of the ring: Tab in order, the arrows to the nearest target that way, both
// wrapping round; from hidden the ring first shows on the first (or, going back, the last) target.
int steppedspot(int from, int dx, int dy, bool spatial) {
  int n = focuslast;
  if (n <= 0) return 0;
  if (from < 1 || from > n) return dx + dy >= 0 ? 1 : n;
  if (spatial) {
    // Nearest in the arrow's direction, a sideways offset counting twice.
    int best = 0;
    long bestcost = 0;
    for (int j = 1; j <= n; j++) {
      if (j == from) continue;
      long ax = lastfocusx[j] - lastfocusx[from], ay = lastfocusy[j] - lastfocusy[from];
      long along = ax * dx + ay * dy, across = dx != 0 ? ay : ax;
      if (along <= 0) continue;
      long cost = along + 2 * (across < 0 ? -across : across);
      if (best == 0 || cost < bestcost) {
        best = j;
        bestcost = cost;
      }
    }
    if (best > 0) return best;
  }
  int step = dx + dy >= 0 ? 1 : -1;
  return (from - 1 + step + n) % n + 1;
}

}  // namespace

void solidbounds(const Image& pic, int& left, int& top, int& right, int& bottom) {
  left = top = 0;
  right = pic ? pic->width : 0;
  bottom = pic ? pic->height : 0;
  if (!pic || !pic->hasalpha || pic->pixels.empty()) return;
  int* box = pic->solidbox;
  if (box[0] < 0) {  // the picture is searched once; a focused button asks every frame
    int x0 = pic->width, y0 = pic->height, x1 = -1, y1 = -1;
    for (int y = 0; y < pic->height; y++)
      for (int x = 0; x < pic->width; x++)
        if (pic->pixels[(size_t(pic->framey[0] + y) * pic->picw + pic->framex[0] + x) * 4 + 3] >= 128) {
          x0 = std::min(x0, x);
          x1 = std::max(x1, x);
          y0 = std::min(y0, y);
          y1 = std::max(y1, y);
        }
    if (x1 < 0) {
      box[0] = box[1] = 0;
      box[2] = pic->width;
      box[3] = pic->height;
    } else {
      box[0] = x0;
      box[1] = y0;
      box[2] = x1 + 1;
      box[3] = y1 + 1;
    }
  }
  left = box[0];
  top = box[1];
  right = box[2];
  bottom = box[3];
}

void readkeys() {
  // Last frame's targets are the ones the ring walks now.
  focuslast = focuscount;
  for (int i = 1; i <= focuslast; i++) {
    lastfocusx[i] = focusx[i];
    lastfocusy[i] = focusy[i];
    lastfocuskind[i] = focuskind[i];
  }
  focuscount = 0;
  bool claimed = arrowsclaimed == 1;
  arrowsclaimed = 0;

  int mx = MouseX(), my = MouseY();
  mousestirred = (rawmousex >= 0 && (mx != rawmousex || my != rawmousey)) ? 1 : 0;
  rawmousex = mx;
  rawmousey = my;
  keytab = KeyHit(KEY_TAB) > 0;
  keyleft = KeyHit(KEY_LEFT) > 0;
  keyright = KeyHit(KEY_RIGHT) > 0;
  keyup = KeyHit(KEY_UP) > 0;
  keydown = KeyHit(KEY_DOWN) > 0;
  keyspace = KeyHit(KEY_SPACE) > 0;
  keyreturn = KeyHit(KEY_ENTER) > 0;
  keyplant = KeyHit('P') > 0;
  keydigit = 0;
  for (int d = 9; d >= 1; d--)
    if (KeyHit('0' + d) > 0) keydigit = d;
  focuspress = 0;
  keyedpointer = 0;
  if (inputon != 1) return;  // the splash pages and the loading bar have nothing to focus

  if (mousestirred == 1 || mousehit1 == 1 || mousehit2 == 1) focusshown = 0;  // the mouse is back in charge
  // A new screen or another popup: the ring starts again at the first target.
  if (screen != focusscreen || popupid != focuspopup) {
    focusscreen = screen;
    focuspopup = popupid;
    focusspot = 0;
  }
  int dx = 0, dy = 0;
  bool spatial = false;
  if (keytab == 1) {
    dx = KeyDown(KEY_SHIFT) ? -1 : 1;
  } else if (!claimed) {
    dx = keyright - keyleft;
    dy = dx != 0 ? 0 : keydown - keyup;
    spatial = true;
  }
  if ((dx != 0 || dy != 0) && focuslast > 0) {
    focusspot = steppedspot(focusshown == 1 ? focusspot : 0, dx, dy, spatial);
    focusshown = 1;
  }
  if (focusshown == 1 && (focusspot < 1 || focusspot > focuslast)) focusspot = focuslast > 0 ? 1 : 0;
  if (focusshown == 0 || focusspot == 0) return;
  // A typed name takes its Space and its Enter: the ring presses nothing then.
  bool typing = popupid == POPUP_NAME && popuplevel > 0;
  focuspress = !typing && (keyreturn == 1 || keyspace == 1) ? 1 : 0;
  if (lastfocuskind[focusspot] == FOCUS_POINTER) {
    // A scene object: the pointer stands on it, and the press is its click.
    mousex = prevmousex = lastfocusx[focusspot];
    mousey = prevmousey = lastfocusy[focusspot];
    mousemoved = 0;  // the game's pointer, drawn there, shows which object the keys chose
    if (focuspress == 1) {
      mousehit1 = 1;
      focuspress = 0;
    }
  }
  // The paused sign goes with a press as with a click.
  if (focuspress == 1 && pausesign == 1) {
    mousehit1 = 1;
    focuspress = 0;
  }
}

int focusregister(int x, int y, int kind, int key) {
  if (key != 0)
    for (int i = 1; i <= focuscount; i++)
      if (focuskey[i] == key && focuskind[i] == kind) return i;
  if (focuscount >= focustargetmax) return 0;
  focuscount++;
  focusx[focuscount] = x;
  focusy[focuscount] = y;
  focuskind[focuscount] = kind;
  focuskey[focuscount] = key;
  return focuscount;
}

bool focuson(int place) { return place > 0 && focusshown == 1 && place == focusspot; }

static void ringbox(float x1, float y1, float x2, float y2, int w) {
  // Four strips: top, bottom, left, right.
  SetScale(x2 - x1, float(w));
  DrawImage(focuspixel, x1, y1, 0);
  DrawImage(focuspixel, x1, y2 - w, 0);
  SetScale(float(w), y2 - y1 - 2 * w);
  DrawImage(focuspixel, x1, y1 + w, 0);
  DrawImage(focuspixel, x2 - w, y1 + w, 0);
}

void drawfocusring(float x, float y, int hw, int hh) {
  if (!focuspixel) {
    const uint8_t white[4] = {255, 255, 255, 255};
    focuspixel = CreateImageFromPixels(white, 1, 1, 0);
    if (!focuspixel) return;
    SetImageHandle(focuspixel, 0, 0);
  }
  int r, g, b;
  GetColor(r, g, b);
  float a = GetAlpha(), sx, sy;
  GetScale(sx, sy);
  int blend = drawstate.blend_mode;
  // The ring follows the screen's fade like everything drawn with it.
  SetColor(ringred * r / 255, ringgreen * g / 255, ringblue * b / 255);
  float x1 = x - hw - ringgap - ringwidth, y1 = y - hh - ringgap - ringwidth;
  float x2 = x + hw + ringgap + ringwidth, y2 = y + hh + ringgap + ringwidth;
  SetBlend(BLEND_LIGHT);
  SetAlpha(a * glowalpha);
  ringbox(x1 - glowwidth, y1 - glowwidth, x2 + glowwidth, y2 + glowwidth, glowwidth);
  SetAlpha(a * glowalpha * 0.6f);
  ringbox(x1 + ringwidth, y1 + ringwidth, x2 - ringwidth, y2 - ringwidth, 2);
  SetBlend(BLEND_ALPHA);
  SetAlpha(a);
  ringbox(x1, y1, x2, y2, ringwidth);
  SetBlend(blend);
  SetColor(r, g, b);
  SetScale(sx, sy);
}

void resetfocus() {
  focusshown = focusspot = focuspress = 0;
  focuscount = focuslast = 0;
  focusscreen = focuspopup = 0;
  arrowsclaimed = 0;
  rawmousex = rawmousey = -1;
  keytab = keyleft = keyright = keyup = keydown = keyspace = keyreturn = keyplant = keydigit = 0;
  mousestirred = 0;
}
