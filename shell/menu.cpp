#include "shell/menu.h"
#include "shell/buttons.h"
#include "shell/dispatch.h"
#include "shell/gfx.h"
#include "shell/state.h"

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

// The menu screen itself comes with the intro and loading screens.
void instmenu() {
  lastfunc = "instmenu()";
  prevscreen = screen;
  loadmenustuff_dynamic();
  resetpopups();
  inputon = 1;
  pausesign = -1;
  menuframe = 0;
  screen = SCREEN_MENU;
  fadereset();
}

void showmenu() {
  lastfunc = "showmenu()";
  menuframe++;
  buttonlayer = popuplevel > 0 ? 2 : 1;
  drawpopups();
}

void playersign(int x, int y) {}
void drawropes() {}
