#include "shell/display.h"
#include "shell/gfx.h"
#include "shell/settings.h"
#include "shell/state.h"

// The six modes: physical size, and the virtual size drawn in full screen.
static const int modetable[modecount + 1][4] = {
    {0, 0, 0, 0},
    {1366, 768, 1366, 768},
    {1280, 768, 1280, 768},
    {1024, 768, 1024, 768},
    {1024, 600, 1366, 768},  // stretched: the wide layout on a small screen
    {800, 600, 1024, 768},
    {640, 480, 640, 480},  // last resort, no virtual resolution
};

void opengraphics(int width, int height, int depth, int vw, int vh) {
  if (!Graphics(width, height, depth, 60, 0)) {
    Print("Graphics cannot be opened: " + str(width) + "x" + str(height));
    return;
  }
  if (vw != width || vh != height) SetVirtualResolution(float(vw), float(vh));
  SetWindowTitle("Morgavelle");
  SetWindowIcon(AppDir() + "icon32.ico");
  screenw = vw;
  screenh = vh;
  windoww = width;
  windowh = height;
  resetdrawstate();  // new graphics start from the runtime's defaults; the game draws with its own
}

void checkvideo() {
  lastfunc = "checkvideo()";
  desktopw = DesktopWidth();
  desktoph = DesktopHeight();
  int aspect = desktopw != 0 ? desktoph * 1000 / desktopw : 1;
  for (int m = 1; m <= modecount; m++) {
    modew[m] = modetable[m][0];
    modeh[m] = modetable[m][1];
    modeok[m] = GraphicsModeExists(modew[m], modeh[m], 32, 0);
    logmsg("GraphicMode", str(m) + " = " + str(modew[m]) + "x" + str(modeh[m]) + (modeok[m] ? " ok" : " not exists"));
  }
  if (aspect >= 750) modeok[1] = modeok[2] = 0;  // 4:3 or taller
  if (desktopw == 1280 && desktoph == 768) modeok[1] = 0;
  if (desktopw == 1024 && desktoph == 600) modeok[1] = modeok[2] = modeok[3] = 0;
  bestmode = 6;
  for (int m = modecount; m >= 1; m--)
    if (modeok[m]) bestmode = m;
  logmsg("Desktop screensize", str(desktopw) + "x" + str(desktoph));
  logmsg("Best Mode", str(bestmode) + " = " + str(modew[bestmode]) + "x" + str(modeh[bestmode]));
}

static void openwindow() {
  opengraphics(800, 600, 0, 1024, 768);
  if (windowfits() != 0) {
    Print("Reset Window size to 600x450");
    opengraphics(600, 450, 0, 1024, 768);
  } else {
    Print("Window Size ok");
  }
}

static void openfull(int mode) {
  opengraphics(modew[mode], modeh[mode], 32, modetable[mode][2], modetable[mode][3]);
}

void instgraphic() {
  lastfunc = "instgraphic()";
  // A mode from an edited file outside the table is read as the best mode.
  if (displaymode < 1 || displaymode > modecount) displaymode = bestmode;
  if (bestmode > displaymode) displaymode = bestmode;
  if (IsHeadless()) {
    opengraphics(1024, 768, 0, 1024, 768);
    return;
  }
  if (fullscreen == 0) openwindow();
  else openfull(displaymode);
}

void togglescreensize(int mode, int fullsc) {
  lastfunc = "togglescreensize(mode: " + str(mode) + ",fullsc: " + str(fullsc) + ")";
  pausesign = 1;
  if (fullsc == 0 && fullscreen == 1) {
    openwindow();
    fullscreen = 0;
  } else if ((fullsc == 1 && fullscreen == 0) || mode != displaymode) {
    if (mode < bestmode) mode = bestmode;
    if (mode < 1 || mode > modecount) mode = bestmode;
    openfull(mode);
    displaymode = mode;
    fullscreen = 1;
  }
  savesettings(0);
}

int windowfits() {
  int dw = DesktopWidth(), dh = DesktopHeight();
  int ww = WindowWidth(), wh = WindowHeight();
  // A window frame adds about 30 pixels of title bar.
  int framed = wh + 30;
  Print("Desktop (WxH): " + str(dw) + "x" + str(dh));
  Print("Window  (WxH): " + str(ww) + "x" + str(framed));
  return framed > dh ? 1 : 0;
}
