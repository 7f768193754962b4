#include "shell/buttons.h"
#include "presentation/sound.h"
#include "shell/gfx.h"
#include "shell/keyboard.h"
#include "shell/popups.h"
#include "shell/profiles.h"
#include "shell/settings.h"
#include "shell/state.h"
#include "text/fonts.h"

// Caption placement by button picture: the big play buttons use the large font, the small
// plates (10 and 15) a small font set a little lower.
static void captionstyle(int image, int& font, int& offset) {
  font = 1;
  offset = -10;
  if (image == 1) font = 3;
  if (image == 10 || image == 15) {
    font = 7;
    offset = -6;
  }
}

int button(float x, float y, int image, int layer, const std::string& caption) {
  int r, g, b;
  GetColor(r, g, b);
  float alpha = GetAlpha(), sx, sy;
  GetScale(sx, sy);
  const Image& pic = image >= 1 && image <= buttonpictures ? buttonimg[image] : buttonimg[0];
  int hw = pic ? pic->width / 2 : 0, hh = pic ? pic->height / 2 : 0;
  int result = BUTTON_IDLE;
  int place = 0;  // the button's place on the focus ring, 0 none
  if (layer == buttonlayer && pic) {
    if (buttonspots < buttonspotcount) {
      buttonspots++;
      buttonspotx[buttonspots] = int(x);
      buttonspoty[buttonspots] = int(y);
    }
    place = focusregister(int(x), int(y), FOCUS_BUTTON, 0);
  }
  // A popup that is fading out has been answered: its buttons take no second click.
  bool live = layer == buttonlayer && fadestate == 1 && pausesign == -1 && !(layer == 2 && popuplevel > 0 && popupdir == 2);
  bool focused = focuson(place);
  if (focused && live) {
    result = BUTTON_HOVER;
    if (focuspress == 1) {
      focuspress = 0;  // Enter or Space presses one button
      PlayS(13, x);
      result = BUTTON_CLICK;
    }
  }
  bool hovered = x - hw < mousex && mousex < x + hw && y - hh < mousey && mousey < y + hh && live;
  if (hovered) {
    result = BUTTON_HOVER;
    if (mousehit1 == 1) {
      mousehit1 = 0;  // a second button under the same point gets nothing
      PlayS(13, x);
      result = BUTTON_CLICK;
    }
    if (popupid == POPUP_OPTIONS && mousedown1 == 1 && image >= 5 && image <= 7) result = BUTTON_HELD;
  }
  SetScale(1, 1);
  if (layer == buttonlayer) SetColor(r, g, b);
  else SetColor(r / 2, g / 2, b / 2);  // another layer's button is shown dimmed
  drawvisible(pic, x, y);
  int font, offset;
  captionstyle(image, font, offset);
  if (!caption.empty()) drawtext(caption, x - 2, y + offset, ALIGN_CENTRE, font);
  if (result != BUTTON_IDLE) {
    // The hover glow: the picture and caption once more, added faintly.
    SetBlend(BLEND_LIGHT);
    SetAlpha(alpha * 0.15f);
    drawvisible(pic, x, y);
    if (!caption.empty()) drawtext(caption, x - 2, y + offset, ALIGN_CENTRE, font);
    SetBlend(BLEND_ALPHA);
  }
  SetColor(r, g, b);
  SetAlpha(alpha);
  if (focused) {
    // The ring hugs the plate, not the picture's clear margin.
    int l, t, rr, bb;
    solidbounds(pic, l, t, rr, bb);
    float cx = x - pic->handle_x + (l + rr) / 2.0f, cy = y - pic->handle_y + (t + bb) / 2.0f;
    drawfocusring(cx, cy, (rr - l) / 2, (bb - t) / 2);
  }
  SetScale(sx, sy);
  return result;
}

void openpopup(int id) {
  keyenter = 0;
  FlushKeys();
  keyesc = 0;
  if (id == POPUP_PLAYERS) rankplayers();
  if (id == POPUP_QUIT) {
    // Whatever happens next, the profile and the settings are on disk.
    if (screen > 0 && player > -1) saveplayer(player);
    savesettings(0);
  }
  musicdrag = sounddrag = 0;
  PlayS(5, float(midx));
  popuplevel = 1;
  popupdir = 1;
  popupid = id;
}

void closepopup() { popupdir = 2; }

void switchpopup(int id) {
  openpopup(id);
  popuplevel = popupfull;
}

void resetpopups() {
  popuplevel = 0;
  popupdir = 0;
  popupid = 0;
}

// The routine of each popup number; each owner draws its panel and handles its buttons.
static void runpopup(int id) {
  switch (id) {
    case POPUP_QUIT: quitpopup(); break;
    case POPUP_OPTIONS: optionspopup(); break;
    case POPUP_INFO: infopopup(); break;
    case POPUP_HELP: showhelp(); break;
    case POPUP_PLAYERS: playerlist(); break;
    case POPUP_NAME: nameentry(); break;
    case POPUP_DELETE: deleteplayer(); break;
    case POPUP_CONTINUE: continuepopup(); break;
    case POPUP_HALLOFFAME: halloffame(); break;
    case POPUP_INGAME: ingamemenu(); break;
    case POPUP_DUPLICATE: duplicatename(); break;
    case POPUP_RESTART: restartpopup(); break;
    case POPUP_NEWADVENTURE: newadventurepopup(); break;
    case POPUP_NOSOUND: nosoundpopup(); break;
    case POPUP_NOSAVE: nosavepopup(); break;
    case POPUP_CARDBACK: cardbackpopup(); break;
    default: break;  // 442 and 443 are drawn by the adventure map itself
  }
}

void drawpopups() {
  if (popuplevel == 0) {
    popupid = 0;
    return;
  }
  if (popupdir == 1 && popuplevel < popupfull) popuplevel++;
  if (popupdir == 2) popuplevel--;
  float alpha = GetAlpha();
  SetAlpha(alpha * popuplevel * 0.0625f);
  if (popupid != POPUP_MAP && popupid != POPUP_MAP2) {
    // The backdrop covers every screen width of the display modes with 7 x 4 tiles; a wider
    // virtual screen (never opened by the game) would get as many more as it needs.
    int across = std::max(7, screenw / 200 + 1);
    for (int i = 0; i < across; i++)
      for (int j = 0; j < 4; j++) drawimg(popupbackdropimg, float(100 + 200 * i), float(100 + 200 * j));
  }
  runpopup(popupid);
  SetAlpha(alpha);
}

void popuppanel(float x, float y, const std::string& title) {
  float sx, sy;
  GetScale(sx, sy);
  SetScale(0.7607f, 0.75f);
  drawimg(popuppanelimg, x, y);
  SetScale(sx, sy);
  drawimg(popuptitleimg, x, y - 180);
  drawtext(title, x, y - 191, ALIGN_CENTRE, 4);
}

void popuppanelbig(float x, float y, const std::string& title) {
  drawimg(popuppanelimg, x, y);
  drawimg(popuptitleimg, x, y - 250);
  drawtext(title, x, y - 261, ALIGN_CENTRE, 4);
}
