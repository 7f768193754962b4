#include "shell/intro.h"
#include "presentation/effects.h"
#include "presentation/sound.h"
#include "shell/backgrounds.h"
#include "shell/dispatch.h"
#include "shell/gfx.h"
#include "shell/menu.h"
#include "shell/state.h"

// The loading bar holds still while the frame count lies strictly inside one of these spans,
// so that it pauses four times and is full at frame 276.
struct loadpause {
  int after, before;
};
static const loadpause loadpauses[] = {{-1, 30}, {60, 70}, {110, 140}, {170, 180}};

// Where the loading bar and the logo stand: the bar centred for the wide layout, 540 down;
// the logo 150 down, growing from 1.3 times its size.
constexpr int loadbarx = 683, loadbary = 540;
constexpr float logotop = 150, logostartscale = 1.3f;

// ---- Splash pages ----

void readintrosettings() {
  lastfunc = "readintrosettings()";
  for (int i = 1; i <= splashpages; i++) {
    pagefile[i] = "";
    pagetime[i] = 0;
    pageskip[i] = 0;
  }
  pagecount = 0;
  Stream f = ReadFile(splashconfigfile);
  if (!f) {
    Print("splashconfig.txt missing: no splash pages");
    return;
  }
  // Key in the first four characters, a separator, then the value.
  int page = 1, lastpage = 0;
  for (int n = 1; n <= splashlines && !Eof(f); n++) {
    std::string line = ReadLine(f);
    std::string key = left(line, 4), value = trim(mid(line, 6));
    if (key == ";---") {
      page++;
      continue;
    }
    if (page > splashpages) continue;  // the table holds six pages
    if (key == "page") {
      lastpage = page;
    } else if (key == "file") {
      pagefile[page] = value;
      lastpage = page;
    } else if (key == "time") {
      pagetime[page] = toint(value);
      lastpage = page;
    } else if (key == "skip") {
      pageskip[page] = value == "true" ? 1 : 0;
      lastpage = page;
    }
  }
  CloseFile(f);
  for (int i = 1; i <= lastpage; i++)
    if (pagefile[i] != "none") pagecount++;
}

void deleteintrostuff_dynamic() {
  for (Image& img : pageimg) img = nullptr;
}

void instintro(int page) {
  lastfunc = "instintro(w:" + str(page) + ")";
  readintrosettings();
  HideMouse();
  if (page < 1 || page > splashpages) page = 1;
  if (page == 1) {
    deleteintrostuff_dynamic();
    for (int i = 1; i <= pagecount; i++)
      if (pagefile[i] != "none" && !pagefile[i].empty()) pageimg[i] = loadimg("data\\branding\\" + pagefile[i]);
  }
  screen = SCREEN_SPLASH;
  curpage = page;
  pageframe = 0;
  fadereset();
}

void showintro() {
  lastfunc = "showintro()";
  pageframe++;
  bool skipkey = mousehit1 > 0 || keyesc == 1 || keyenter == 1 || KeyDown(KEY_SPACE) == 1;
  bool advance = fadestate == 1 && ((pageskip[curpage] == 1 && skipkey) || pageframe == pagetime[curpage]);
  // A page with no time that no key may skip could never be left: it moves on at once
  // (this is also what a missing or empty configuration gives).
  if (fadestate == 1 && pagetime[curpage] <= 0 && pageskip[curpage] != 1) advance = true;
  if (advance) {
    if (curpage < pagecount) fadeto(SCREEN_SPLASH, curpage + 1, 0);
    else fadeto(SCREEN_LOADING, 0, 0);
  }
  if (keyf3 == 1) devmode = 1;
  if (pageimg[curpage]) drawimg(pageimg[curpage], float(midx), float(midy));
}

// ---- Loading screen ----

void loadloadstuff_dynamic() {
  lastfunc = "loadloadstuff_dynamic()";
  bool mid = AutoMidHandleOn();
  AutoMidHandle(false);  // the fill's frames are placed by their top-left corner
  loadfillimg = loadanim("data\\ui\\loadfill.png", 2, 20, loadfillframes);
  AutoMidHandle(true);
  loadbarimg = loadimg("data\\ui\\loadbar.png");
  loadoverimg = loadimg("data\\ui\\loadover.png");
  AutoMidHandle(mid);
  loadtitlebg();
}

void deleteloadstuff_dynamic() {
  loadfillimg = loadbarimg = loadoverimg = nullptr;
  logoimg = logoglow = nullptr;
}

void instload() {
  lastfunc = "instload()";
  HideMouse();
  loadvalue = 0;
  loadframe = 0;
  deleteintrostuff_dynamic();
  loadloadstuff_dynamic();
  barpos = barposto = screenh + 500;
  PlayS(41, float(midx));
  screen = SCREEN_LOADING;
  fadereset();
}

void showload() {
  lastfunc = "showload()";
  SetBlend(BLEND_ALPHA);
  drawtitlebg(0);
  loadframe++;
  loadvalue++;
  for (const loadpause& p : loadpauses)
    if (loadframe > p.after && loadframe < p.before) loadvalue--;
  drawlogo();
  drawloadbar(loadbarx + xshiftwide, loadbary, loadvalue - 50);
  setdrawstate(0, 1, 1, BLEND_ALPHA, 1);
  if (keyf3 == 1) devmode = 1;
  if (loadvalue >= loadfull) instmenu();  // no fade: the menu takes over from the next frame
}

void drawloadbar(int x, int y, int value) {
  if (loadbarimg) drawimg(loadbarimg, float(x), float(y));
  if (loadfillimg)
    for (int i = 1; i < loadfillframes && i < value; i++) drawframe(loadfillimg, float(x + 2 * i - 128), float(y - 45), i, loadfillframes - 1);
  int d = (loadvalue - 50) * 2;
  d = d < 0 ? 0 : d > 260 ? 260 : d;
  if (loadoverimg) drawimg(loadoverimg, float(x + d - 131), float(y - 41));
}

void drawlogo() {
  lastfunc = "drawlogo()";
  if (loadvalue == 1) {
    logoy = logotop;
    logox = float(midx);
    logoscale = logostartscale;
    logoalpha = 0;
  }
  if (loadvalue > 1) {
    if (loadvalue == 3) PlayS(26, float(midx));
    logoy -= (logoy - logotop) * 0.1f;
    logoscale -= (logoscale - 1) * 0.03f;
    if (screen == SCREEN_LOADING) {
      logoalpha -= (logoalpha - 1) * 0.03f;
    } else {
      logoalpha -= logoalpha * 0.1f;  // the menu lets it fade away
      if (logoalpha < 0.2f) logoalpha = 0;
    }
    SetScale(logoscale, logoscale);
    SetRotation(5 * sind(float(framecount)));
    SetAlpha(logoalpha * (0.8f + 0.2f * sind(2.0f * framecount)));
    if (logoglow) drawimg(logoglow, logox, logoy);
    SetRotation(0);
    SetAlpha(logoalpha);
    if (logoimg) drawimg(logoimg, logox, logoy);
  }
  SetScale(1, 1);
  SetAlpha(1);
  resetdrawstate();
}

void resetintro() {
  splashconfigfile = "data\\/branding/splashconfig.txt";
  for (int i = 0; i <= splashpages; i++) {
    pagefile[i] = "";
    pagetime[i] = pageskip[i] = 0;
  }
  pagecount = 0;
  deleteintrostuff_dynamic();
  curpage = 1;
  pageframe = 0;
  loadfillimg = loadbarimg = loadoverimg = nullptr;
  loadvalue = loadframe = 0;
  logox = logoy = 0;
  logoscale = 1;
  logoalpha = 0;
}
