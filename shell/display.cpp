#include "shell/display.h"
#include "shell/gfx.h"
#include "shell/settings.h"
#include "shell/state.h"

// The six modes: physical size, and the virtual size drawn in full screen.
struct displaymodeinfo {
  int w, h;    // the screen's pixels
  int vw, vh;  // the layout drawn on it
};
static const displaymodeinfo modetable[modecount + 1] = {
    {0, 0, 0, 0},
    {1366, 768, 1366, 768},  // wide
    {1280, 768, 1280, 768},  // wide
    {1024, 768, 1024, 768},  // standard
    {1024, 600, 1366, 768},  // the wide layout squeezed onto a small screen
    {800, 600, 1024, 768},   // the standard layout on an old screen
    {640, 480, 640, 480},    // last resort, no virtual resolution
};

// A desktop at least this tall for its width (height x 1000 / width) is 4:3 or taller: no wide modes.
constexpr int tallaspect = 750;

void opengraphics(int width, int height, int depth, int vw, int vh, int flags) {
  if (!Graphics(width, height, depth, 60, flags)) {
    Print("Graphics cannot be opened: " + str(width) + "x" + str(height));
    return;
  }
  if (vw != width || vh != height) SetVirtualResolution(float(vw), float(vh));
  SetWindowTitle("Morgavelle");
  SetWindowIcon(AppDir() + "icon32.ico");
  screenw = vw;
  screenh = vh;
  windoww = WindowWidth();
  windowh = WindowHeight();
  if (depth > 0 && FullscreenDesktop()) {
    logmsg("Full screen on the desktop", str(windoww) + "x" + str(windowh));
    Print("Full screen on the desktop at " + str(windoww) + "x" + str(windowh) + ", the game drawn at " + str(vw) + "x" + str(vh));
  }
  resetdrawstate();  // new graphics start from the runtime's defaults; the game draws with its own
}

void checkvideo() {
  lastfunc = "checkvideo()";
  desktopw = DesktopWidth();
  desktoph = DesktopHeight();
  int aspect = desktopw != 0 ? desktoph * 1000 / desktopw : 1;
  int offered = 0;
  for (int m = 1; m <= modecount; m++) {
    modew[m] = modetable[m].w;
    modeh[m] = modetable[m].h;
    modeok[m] = GraphicsModeExists(modew[m], modeh[m], 32, 0) ? 1 : 0;
    offered += modeok[m];
    logmsg("GraphicMode", str(m) + " = " + str(modew[m]) + "x" + str(modeh[m]) + (modeok[m] ? " ok" : " not exists"));
  }
  // A monitor without any of the six modes: a mode is usable when the desktop holds it, and
  // full screen shows it scaled on the desktop.
  desktopmodes = offered == 0 ? 1 : 0;
  if (desktopmodes == 1) {
    for (int m = 1; m <= modecount; m++) modeok[m] = modew[m] <= desktopw && modeh[m] <= desktoph ? 1 : 0;
    logmsg("Desktop full screen", "no mode of the table is offered");
  }
  if (aspect >= tallaspect) modeok[1] = modeok[2] = 0;
  if (desktopw == 1280 && desktoph == 768) modeok[1] = 0;
  if (desktopw == 1024 && desktoph == 600) modeok[1] = modeok[2] = modeok[3] = 0;
  bestmode = 6;
  for (int m = modecount; m >= 1; m--)
    if (modeok[m]) bestmode = m;
  logmsg("Desktop screensize", str(desktopw) + "x" + str(desktoph));
  logmsg("Best Mode", str(bestmode) + " = " + str(modew[bestmode]) + "x" + str(modeh[bestmode]));
}

// The size the player left the window at, unless it no longer fits this desktop; maximised
// again when it was.
static void restorewindowsize() {
  bool fits = (desktopw <= 0 || windowsizew <= desktopw) && (desktoph <= 0 || windowsizeh <= desktoph);
  if (windowsizew > 0 && windowsizeh > 0 && fits) {
    ResizeWindow(windowsizew, windowsizeh);
    Print("Window size as left: " + str(windowsizew) + "x" + str(windowsizeh));
  }
  if (windowmaximized == 1) MaximizeWindow();
  windoww = WindowWidth();
  windowh = WindowHeight();
  windowseenw = windoww;
  windowseenh = windowh;
  windowseenmax = WindowMaximized();
  windowsettle = 0;
}

static void openwindow() {
  opengraphics(windowbigw, windowbigh, 0, 1024, 768);
  if (windowfits() != 0) {
    Print("Reset Window size to 600x450");
    opengraphics(windowsmallw, windowsmallh, 0, 1024, 768);
  } else {
    Print("Window Size ok");
  }
  restorewindowsize();
}

// A mode the monitor cannot be switched to is shown on the desktop at its own size, the
// mode's layout scaled to fit.
static void openfull(int mode) {
  const displaymodeinfo& t = modetable[mode];
  if (desktopmodes == 1 || !GraphicsModeExists(t.w, t.h, 32, 0)) opengraphics(t.vw, t.vh, 32, t.vw, t.vh, GFX_DESKTOP);
  else opengraphics(t.w, t.h, 32, t.vw, t.vh);
}

void instgraphic() {
  lastfunc = "instgraphic()";
  // A mode from an edited file outside the table is read as the best mode.
  if (displaymode < 1 || displaymode > modecount) displaymode = bestmode;
  if (bestmode > displaymode) displaymode = bestmode;
  if (fullscreen == 0) openwindow();
  else openfull(displaymode);
}

void togglescreensize(int mode, int fullsc) {
  lastfunc = "togglescreensize(mode: " + str(mode) + ",fullsc: " + str(fullsc) + ")";
  pausesign = 1;  // the player sees the new mode before anything reacts
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
  int x1, y1, x2, y2;
  WindowRect(x1, y1, x2, y2);
  Print("Desktop (X1xY1,X2xY2): 0x0," + str(dw) + "x" + str(dh));
  Print("Window  (X1xY1,X2xY2): " + str(x1) + "x" + str(y1) + "," + str(x2) + "x" + str(y2));
  Print("Desktop (WxH): " + str(dw) + "x" + str(dh));
  Print("Window  (WxH): " + str(x2 - x1) + "x" + str(y2 - y1));
  return y2 - y1 > dh ? 1 : 0;  // only the heights count
}

// Over a bar the game's own pointer would be drawn off the picture: the system's stands in
// for it there, and the pointer is left as it was once it is back over the game.
static void pointeroverbars() {
  int rx, ry, rw, rh;
  ScreenRect(rx, ry, rw, rh);
  int mx = MouseX(), my = MouseY();
  int over = mx < rx || my < ry || mx >= rx + rw || my >= ry + rh ? 1 : 0;
  if (over == pointerinbars) return;
  pointerinbars = over;
  if (over == 1) {
    pointerwasshown = PointerShown();
    ShowMouse();
  } else if (pointerwasshown == 0 && cursormode != 2) {
    HideMouse();  // the system pointer, chosen in the options, stays once it has been seen
  }
}

void trackwindow() {
  windoww = WindowWidth();
  windowh = WindowHeight();
  pointeroverbars();
  if (fullscreen != 0) return;
  int maxed = WindowMaximized();
  if (windoww != windowseenw || windowh != windowseenh || maxed != windowseenmax) {
    windowseenw = windoww;
    windowseenh = windowh;
    windowseenmax = maxed;
    // A maximised window keeps the size it had before, for when it is restored.
    windowmaximized = maxed;
    if (maxed == 0) {
      windowsizew = windoww;
      windowsizeh = windowh;
    }
    windowsettle = windowsettleframes;  // a drag sends many sizes: only the last one is saved
  }
  if (windowsettle > 0 && --windowsettle == 0) savesettings(0);
}

void keepwindowsize() {
  if (windowsettle == 0) return;
  windowsettle = 0;
  savesettings(0);
}

void windowtovirtual(int wx, int wy, int& vx, int& vy) {
  int rx, ry, rw, rh;
  ScreenRect(rx, ry, rw, rh);
  // 800 x 600 -> 1024 x 768 scales by 1.28, 1024 x 600 -> 1366 x 768 by 1.334 and 1.28, and so
  // on; one to one when the window shows the virtual screen at its own size. Whole numbers, so
  // (400, 300) in the small window is exactly (512, 384).
  vx = rw > 0 ? int((long long)(wx - rx) * screenw / rw) : wx;
  vy = rh > 0 ? int((long long)(wy - ry) * screenh / rh) : wy;
}

void virtualtowindow(int vx, int vy, int& wx, int& wy) {
  int rx, ry, rw, rh;
  ScreenRect(rx, ry, rw, rh);
  wx = rx + (screenw > 0 ? int((long long)vx * rw / screenw) : vx);
  wy = ry + (screenh > 0 ? int((long long)vy * rh / screenh) : vy);
}
