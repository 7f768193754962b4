#include "shell/startup.h"
#include "shell/display.h"
#include "shell/dispatch.h"
#include "shell/buttons.h"
#include "shell/gfx.h"
#include "shell/intro.h"
#include "shell/keyboard.h"
#include "shell/menu.h"
#include "shell/profiles.h"
#include "shell/settings.h"
#include "shell/state.h"
#include "presentation/effects.h"
#include "presentation/sound.h"
#include "progression/map.h"
#include "solitaire/cards.h"
#include "solitaire/extras.h"
#include "solitaire/levels.h"
#include "text/fonts.h"
#include "text/texts.h"

void loadall() {
  lastfunc = "loadall()";
  if (firstrun == 1) savesettings(1);
  loadsettings();
  loadplayers(firstrun == 1 ? 9999 : 0);
}

void loadmaingraphics() {
  lastfunc = "loadmaingraphics()";
  cursordot = loadimg("data\\UI\\cursordot.png");
  cursorimg = loadimg("data\\UI\\cursor.png");
  logoimg = loadimg("data\\ui\\logo.png");
  logoglow = loadimg("data\\ui\\glow.png");
  loadmenustuff();
  loadfonts();
  loadeffects();
  loadcardgfx();
  loadmapstuff();
  loadmenutexts();
  loadstorytexts();
  loadgametexts();
}

void instmain() {
  lastfunc = "instmain()";
  pausesign = -1;
  framecount = 0;
  inputon = 0;
  SeedRnd(ClockSeed());  // the wall clock: two runs never share their numbers
  fadelevel = 0;
  esccooldown = 0;
  mousemoved = 0;
  screen = SCREEN_NONE;
  load_solitaire_for_preview();
  inititemlevels();
  initlevels();
  AutoMidHandle(true);  // every picture from here on is placed by its centre
  loadmaingraphics();
  instintro(1);  // the first splash page
}

bool gamestartup() {
  missingtold.clear();
  frametimer = CreateTimer(50);
  secondtimer = CreateTimer(1);
  roundtimer = CreateTimer(1);
  lastfunc = "root";
  makepath();
  loadall();
  checkvideo();
  instgraphic();
  if (drawstate.vres_width <= 0) return false;  // no window and no screen: nothing can be shown
  SetWindowTitle("Morgavelle");
  InitAudio();
  initsound();
  instmain();
  Print("Start-up done");  // the first frame follows; the install test waits for this line
  return true;
}

void runframe() {
  Cls();
  readinput();
  doall();
  checkdrawstate();
  if (!Flip(1)) quit = 1;  // a frame that cannot be shown ends the game in order
}

int gamemain() {
  if (!gamestartup()) {
    Print("Morgavelle cannot open its window.");
    return 1;
  }
  while (quit == 0) {
    runframe();
    WaitTimer(frametimer);
  }
  keepwindowsize();
  EndAudio();
  EndGraphics();
  return 0;
}

void resetshellstate() {
  quit = 0;
  lastfunc.clear();
  framecount = fps = fpsframes = fpslasttick = 0;
  screen = prevscreen = SCREEN_NONE;
  devmode = 0;
  midx = 512;
  midy = 384;
  xshift = 0;
  xshiftwide = -171;
  stage = 1;
  fadelevel = 0;
  fadestate = 1;
  fadetarget = fadearg = fadevalue = 0;
  mousex = mousey = prevmousex = prevmousey = mousemoved = 0;
  mousehit1 = mousehit2 = mousedown1 = mousedown2 = mouseheld1 = mouseheld2 = 0;
  keyenter = keyesc = keyf2 = keyf3 = keyf4 = keyf7 = esccooldown = 0;
  inputon = 0;
  suspended = 0;
  pausesign = -1;
  systempointershown = 0;
  menuframe = endtime = killermode = blastermode = 0;
  resetpopups();
  resetfocus();
  windowsettle = 0;
  pointerinbars = pointerwasshown = 0;
  barposto = 0;
  helppage = 1;
  resetintro();
  resetmenu();
  player = -1;
  resettexts();
  resetfonts();
  defaultsettings();
  musicfade = musicvol;
}
