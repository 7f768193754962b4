#include "shell/dispatch.h"
#include "progression/map.h"
#include "shell/buttons.h"
#include "shell/display.h"
#include "shell/keyboard.h"
#include "progression/shop.h"
#include "shell/intro.h"
#include "shell/menu.h"
#include "shell/profiles.h"
#include "solitaire/levels.h"
#include "solitaire/extras.h"
#include "solitaire/game.h"
#include "story/story.h"
#include "shell/gfx.h"
#include "shell/settings.h"
#include "shell/state.h"
#include "presentation/sound.h"
#include "text/fonts.h"
#include "text/texts.h"

void readinput() {
  buttonspots = 0;
  trackwindow();  // a resized window moves where the game lies in it before the mouse is read
  mousehit1 = mousehit2 = mousedown1 = mousedown2 = 0;
  keyenter = keyesc = keyf2 = keyf3 = keyf4 = keyf7 = 0;
  mousemoved = (prevmousex != mousex || prevmousey != mousey) ? 1 : 0;
  if (inputon == 1) {
    prevmousex = mousex;
    prevmousey = mousey;
    windowtovirtual(MouseX(), MouseY(), mousex, mousey);
    mousehit1 = MouseHit(1);
    mousehit2 = MouseHit(2);
    mousedown1 = MouseDown(1);
    mousedown2 = MouseDown(2);
    mouseheld1 = mousedown1 ? mouseheld1 + 1 : 0;
    mouseheld2 = mousedown2 ? mouseheld2 + 1 : 0;
  }
  readkeys();  // after the mouse: a focused scene object takes the pointer
  keyenter = KeyDown(KEY_ENTER);
  if (esccooldown > 0) esccooldown--;
  keyesc = KeyDown(KEY_ESCAPE);
  if (keyesc == 1 && esccooldown == 0) esccooldown = 30;
  keyf2 = KeyDown(KEY_F2);
  keyf3 = KeyDown(KEY_F3);
  keyf4 = KeyDown(KEY_F4);
  keyf7 = KeyDown(KEY_F7);
  if (keyf7 == 1) loadtexts();  // edited texts show without a restart
  if (AppTerminate()) requestclose();
  for (int e = AppSuspendEvent(); e != 0; e = AppSuspendEvent()) suspended = e == 1 ? 1 : 0;
  if (suspended == 1 && pausesign == -1) {
    suspended = 2;
    pausesign = 1;
    // On the map, the story and in the shop nothing changes that is not saved already; a
    // player still being named is not written until the name is confirmed.
    if (player > -1 && (screen == SCREEN_GAME || screen <= SCREEN_MENU) && !namingplayer()) saveplayer(player);
    savesettings(0);
    MinimizeWindow();
    pausemusicchannels();  // updatemusic resumes them once the sign is clicked away
  }
}

void requestclose() {
  // The splash pages and the loading screen show no popups: the request is dropped there.
  if (screen == SCREEN_SPLASH || screen == SCREEN_LOADING) return;
  if (screen == SCREEN_NONE) {
    // Before the first screen exists nothing can ask: save and leave, so the window can
    // always be closed.
    savesettings(0);
    fadeto(SCREEN_QUIT, 0, 0);
    return;
  }
  if (popuplevel > 0 && popupid == POPUP_QUIT && popupdir == 1) return;  // already asking
  dropnewplayer();  // a name being typed is given up before the game asks to quit
  openpopup(POPUP_QUIT);
}

void stattime() {
  fpsframes++;
  int t = TimerTicks(secondtimer);
  if (t != fpslasttick) {
    fpslasttick = t;
    fps = fpsframes;
    fpsframes = 0;
  }
}

void doall() {
  lastfunc = "doall()";
  midx = screenw / 2;
  midy = screenh / 2;
  xshiftwide = screenw == 1024 ? -171 : screenw == 1280 ? -43 : 0;
  xshift = screenw == 1280 ? 128 : screenw == 1366 ? 171 : 0;
  SetViewport(0, 0, screenw, screenh);
  drawncount = skippedcount = 0;
  stattime();
  framecount++;
  fadeupdate();
  stage = 1;
  if (player >= 1 && player <= profileslots) stage = stageof(maplevel[player]);
  runscreen();
  if (framecount > 30) updatemusic();
  drawpausesign();
  drawcursor();
}

void fadeto(int target, int arg, int value) {
  fadetarget = target;
  fadearg = arg;
  fadevalue = value;
  fadestate = 2;
  fadelevel = 256;  // a fade-in still running is cut short
  mousehit1 = 0;
  FlushKeys();  // the key that caused the change does nothing more
}

void fadereset() {
  fadelevel = 0;
  fadestate = 1;
}

void enterscreen(int target, int arg) {
  switch (target) {
    case SCREEN_GAME: instgame(); break;
    case SCREEN_MAP: instadventuremap(); break;
    case SCREEN_MENU: instmenu(); break;
    case SCREEN_LOADING: instload(); break;
    case SCREEN_SPLASH: instintro(arg); break;
    case SCREEN_STORY: inststory(arg); break;
    case SCREEN_SHOP: instshop(); break;
    case SCREEN_QUIT: quit = 1; break;
    default: break;  // an unknown target leaves the screen black
  }
}

void runscreen() {
  switch (screen) {
    case SCREEN_SPLASH: showintro(); break;
    case SCREEN_LOADING: showload(); break;
    case SCREEN_MENU: showmenu(); break;
    case SCREEN_GAME: showgame(); break;
    case SCREEN_MAP: showadventuremap(); break;
    case SCREEN_STORY: showstory(); break;
    case SCREEN_SHOP: showshop(); break;
    default: break;  // no screen: nothing is drawn
  }
}

void fadeupdate() {
  if (fadestate == 2) {
    if (fadelevel > -32) fadelevel -= 32;
    // Nine frames after fadeto the picture is black and the new screen is entered;
    // its entry routine calls fadereset, so this frame already draws it (black).
    if (fadelevel == -32) enterscreen(fadetarget, fadearg);
  } else if (fadelevel < 255) {
    fadelevel += 32;
  }
  SetColor(fadelevel, fadelevel, fadelevel);
}

void drawpausesign() {
  if (suspended != 0 || pausesign != 1 || screen == SCREEN_LOADING || screen == SCREEN_SPLASH) return;
  if (quickhelpsign) {
    SetScale(1.2f, 1);
    drawimg(quickhelpsign, float(midx), float(midy));
    SetScale(1, 1);
  }
  drawtext(menutext(10, 1), float(midx), float(midy - 31), ALIGN_CENTRE, 4);
  drawtext(menutext(10, 2), float(midx), float(midy + 15), ALIGN_CENTRE, 7);
  if (mousehit1 == 1) pausesign = -1;  // the click is not consumed
}

void drawcursor() {
  if (!cursorimg) return;
  // The system pointer, in mode 2, comes on the first time a popup or the round's end needs it.
  if (cursormode == 2 && !systempointershown && (popuplevel > 0 || endtime > 290)) {
    ShowMouse();
    systempointershown = 1;
  }
  // While the keys put the pointer on a card or an object, the ring shows it: no pointer is drawn.
  if (cursormode != 2 && screen != SCREEN_LOADING && screen != SCREEN_SPLASH && keyedpointer == 0) {
    float alpha = 1;
    if (prevscreen == SCREEN_LOADING && screen == SCREEN_MENU && menuframe < 20) {
      // Fresh from the loading screen the cursor fades in at the bottom centre.
      alpha = menuframe * 0.05f;
      mousex = midx;
      mousey = screenh - 100;
      int wx, wy;
      virtualtowindow(mousex, mousey, wx, wy);
      MoveMouse(wx, wy);
    }
    SetAlpha(alpha);
    if (cursormode == 1) drawimg(cursorimg, float(mousex + 19), float(mousey + 25));
    if (cursormode == 3) drawimg(cursordot, float(mousex), float(mousey));
    SetAlpha(1);
  }
  if (screen == SCREEN_GAME) {
    if (killermode > 0) drawimg(killercursor, float(mousex + 30), float(mousey + 30));
    if (blastermode > 0) drawimg(blastercursor, float(mousex + 30), float(mousey + 30));
  }
}
