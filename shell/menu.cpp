#include "shell/menu.h"
#include "story/story.h"
#include "presentation/effects.h"
#include "presentation/sound.h"
#include "progression/map.h"
#include "progression/shop.h"
#include "progression/startlevel.h"
#include "shell/backgrounds.h"
#include "shell/buttons.h"
#include "shell/dispatch.h"
#include "shell/gfx.h"
#include "shell/intro.h"
#include "shell/profiles.h"
#include "shell/settings.h"
#include "shell/state.h"
#include "solitaire/game.h"
#include "text/fonts.h"
#include "text/texts.h"

void loadmenustuff() {
  lastfunc = "loadmenustuff()";
  // The hit shapes are tested from the pointer's tip, their top-left corner.
  AutoMidHandle(false);
  collimg = loadimg("data\\ui\\coll.png");
  coll2img = loadimg("data\\ui\\coll2.png");
  coll3img = loadimg("data\\ui\\coll3.png");
  AutoMidHandle(true);
  fieldimg = loadimg("data\\ui\\field.png");
  helplinesimg = loadimg("data\\ui\\solitairehelplines.png");
  menuballsimg = loadimg("data\\game\\balls.png");
  tooltipimg = loadimg("data\\ui\\tooltip.png");
  quickhelpsign = loadimg("data\\ui\\quickhelpsign.png");
  popuppanelimg = loadimg("data\\ui\\popupmedium.png");
  popuptitleimg = loadimg("data\\ui\\headlinesmall.png");
  optionstrackimg = loadimg("data\\ui\\optionstrack.png");
  checkboximg = loadimg("data\\ui\\cb.png");
  tickimg = loadimg("data\\ui\\h.png");
  for (int i = 1; i <= 8; i++) buttonimg[i] = loadimg("data\\ui\\button" + std::to_string(i) + ".png");
  buttonimg[9] = loadimg("data\\texts\\button9.png");
  for (int i = 10; i <= 12; i++) buttonimg[i] = loadimg("data\\ui\\button" + std::to_string(i) + ".png");
  buttonimg[13] = loadimg("data\\map\\arrowleft.png");
  buttonimg[14] = loadimg("data\\map\\arrowright.png");
  buttonimg[15] = loadimg("data\\ui\\button15.png");
  popupbackdropimg = loadimg("data\\ui\\black.png");
}

void loadmenustuff_dynamic() {
  lastfunc = "loadmenustuff_dynamic()";
  welcomesignimg = loadimg("data\\ui\\welcomesign.png");
  ropeimg = loadimg("data\\ui\\rope.png");
  scoresimg = loadimg("data\\ui\\scores2.png");
  scoresbarimg = loadimg("data\\ui\\scoresbar.png");
  createplayerimg = loadimg("data\\ui\\createplayer.png");
  playermenuimg = loadimg("data\\ui\\playermenu.png");
  playerbarimg = loadimg("data\\ui\\bar.png");
}

void deletemenustuff_dynamic() {
  welcomesignimg = ropeimg = scoresimg = scoresbarimg = nullptr;
  createplayerimg = playermenuimg = playerbarimg = nullptr;
}

// Where the menu's parts come to rest (virtual pixels; x from the screen's centre unless noted).
constexpr float signrest = 120;      // the welcome sign's y
constexpr int roperest = 240;        // the ropes' y
constexpr int ropeapart = 70;        // each rope this far left and right of the centre
constexpr float playrest = 390;      // the play button's y
constexpr float famerest = 480;      // the hall of fame button's y
constexpr int bottomrest = 710;      // the options and quit buttons' y
constexpr int loadbarmenuframes = 100;  // the loading bar stays this long on a menu fresh from loading
constexpr int logomenuframes = 20;      // and the logo this long, fading out

// The y of main button i while it is tucked away above the screen.
static float menubuttonhidden(int i) { return -200.0f + 50.0f * i; }

// Options and quit sit this far in from the left and right edges, by screen width.
struct sideoffset {
  int width, offset;
};
static const sideoffset sideoffsets[] = {{1024, 144}, {1280, 135}, {1366, 136}};

int menusideoffset() {
  for (const sideoffset& s : sideoffsets)
    if (s.width == screenw) return s.offset;
  return 0;
}

void instmenu() {
  lastfunc = "instmenu()";
  prevscreen = screen;
  if (cursormode == 2) ShowMouse();
  // The other screens' pictures go; the title scene and the menu's own come.
  deletegamestuff_dynamic();
  deletemapstuff_dynamic();
  deleteshopstuff();
  deletestorystuff_dynamic();
  deletegamebg();
  if (prevscreen != SCREEN_LOADING) deleteloadstuff_dynamic();  // left over when the menu was left early
  loadmenustuff_dynamic();
  if (prevscreen != SCREEN_LOADING) loadtitlebg();  // fresh from the loading screen it is there
  cleareffects();
  signy = -120;
  helppage = 1;
  inputon = 1;
  ropey = -300;
  resetpopups();  // also drops a close request made on the splash or loading screens
  pausesign = -1;
  menuframe = 0;
  if (prevscreen != SCREEN_MAP) {
    musicfade = 0;
    playmusic("/music/menu.ogg", 1);
  }
  if (prevscreen != SCREEN_LOADING) barpos = barposto = -500;
  for (int i = 1; i <= menubuttons; i++) menubuttonto[i] = menubuttony[i] = menubuttonhidden(i);
  endtime = 0;
  bottomy = screenh + 100;
  if (prevscreen != SCREEN_LOADING) fadereset();  // from the loading screen the picture is already bright
  screen = SCREEN_MENU;
}

void showmenu() {
  lastfunc = "showmenu()";
  SetColor(fadelevel, fadelevel, fadelevel);
  effalpha = 1;
  setdrawstate(0, 1, 1, BLEND_ALPHA, 1);
  drawtitlebg(-1266 - mousex * 0.06f);  // the scene shifts a little against the mouse
  if (prevscreen == SCREEN_LOADING) {
    // Fresh from the loading screen its full bar stays a moment, and the logo fades away.
    if (menuframe < loadbarmenuframes) drawloadbar(683 + xshiftwide, 540, loadvalue - 50);
    if (menuframe < logomenuframes) drawlogo();
    if (menuframe == loadbarmenuframes) deleteloadstuff_dynamic();
  }
  if (soundok == 0 && nosoundshown == 0) {
    nosoundshown = 1;  // told once a run
    openpopup(POPUP_NOSOUND);
  } else if (savefailed == 1 && savefailshown == 0 && popuplevel == 0) {
    savefailshown = 1;  // told once a run, after the sound notice has gone
    openpopup(POPUP_NOSAVE);
  }
  drawropes();
  signy -= (signy - signrest) * 0.2f;
  playersign(midx, int(signy));
  menuframe++;
  bool popupopen = popuplevel > 0;
  buttonlayer = popupopen ? 2 : 1;
  SetAlpha(clamphigh1(menuframe * 0.05f));
  // While a popup is up the main buttons slide up out of view and the bottom ones drop away.
  for (int i = 1; i <= menubuttons; i++) menubuttonto[i] = menubuttonhidden(i);
  if (!popupopen) {
    menubuttonto[1] = playrest;
    menubuttonto[3] = famerest;
  }
  for (int i = 1; i <= menubuttons; i++) menubuttony[i] -= (menubuttony[i] - menubuttonto[i]) * 0.1f;
  if (popupopen) bottomy = screenh + 100;
  if (button(float(midx), menubuttony[1], 1, 1, menutext(12, 6)) == BUTTON_CLICK) {
    if (player == -1) firstplayer();
    else if (maplevel[player] == 0) startlevel(1);  // a new player starts with the first chapter
    else openpopup(POPUP_CONTINUE);
  }
  if (button(float(midx), menubuttony[3], 1, 1, menutext(12, 8)) == BUTTON_CLICK) openpopup(POPUP_HALLOFFAME);
  int side = menusideoffset();
  bottomy = int(bottomy - (bottomy - bottomrest) * 0.2f);
  if (button(float(side), float(bottomy), 2, 1, menutext(12, 2)) == BUTTON_CLICK) openpopup(POPUP_OPTIONS);
  if (button(float(screenw - side), float(bottomy), 2, 1, menutext(12, 1)) == BUTTON_CLICK) openpopup(POPUP_QUIT);
  SetAlpha(1);
  draweff();
  drawpopups();
}

void playersign(int x, int y) {
  if (welcomesignimg) drawimg(welcomesignimg, float(x), float(y));
  SetAlpha(clamphigh1(menuframe * 0.025f));
  std::string who = player >= 1 && player <= profileslots ? playername[player] : menutext(8, 3);
  drawtext(menutext(8, 2) + " " + who, float(x), float(y + 20), ALIGN_CENTRE, 4);
  if (button(float(x), float(y + 80), 8, 1, menutext(12, 5)) == BUTTON_CLICK) openplayers();
  SetAlpha(1);
}

void drawropes() {
  ropey = int(ropey - (ropey - roperest) * 0.1f);  // truncated toward zero
  if (ropeimg) {
    drawimg(ropeimg, float(midx - ropeapart), float(ropey));
    drawimg(ropeimg, float(midx + ropeapart), float(ropey));
  }
  // The map's bars start from just below the screen when the map is entered from here.
  barpos = int(barpos - (barpos - (screenh - 120)) * 0.1f);
}

void resetmenu() {
  signy = -120;
  ropey = -300;
  menubuttony.fill(0);
  menubuttonto.fill(0);
  bottomy = screenh + 100;
  adventurestarted = 0;
  deletemenustuff_dynamic();
}
