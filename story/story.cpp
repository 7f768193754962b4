#include "story/story.h"
#include "presentation/effects.h"
#include "presentation/sound.h"
#include "progression/map.h"
#include "progression/shop.h"
#include "progression/startlevel.h"
#include "shell/backgrounds.h"
#include "shell/buttons.h"
#include "shell/keyboard.h"
#include "shell/dispatch.h"
#include "shell/gfx.h"
#include "shell/intro.h"
#include "shell/menu.h"
#include "shell/profiles.h"
#include "shell/settings.h"
#include "shell/state.h"
#include "solitaire/game.h"
#include "solitaire/state.h"  // the game's sound numbers
#include "story/scenes.h"
#include "story/storymap.h"
#include "text/fonts.h"
#include "text/texts.h"
#include <algorithm>

inline constexpr int storyinterludeframes = 150;  // chapter 1's black pause between its two parts
inline constexpr int storybuttony = 738;          // the map and skip buttons' row
inline constexpr int storybuttonside = 80;        // their distance from the screen's sides
inline constexpr int storypanelwidth = 520;       // the text panel's box
inline constexpr int storypanelline = 18;
inline constexpr int storybubblemargin = 200;     // a bubble's centre stays this far from the sides
inline constexpr int storybubbletop = 50;         // ... and between these heights
inline constexpr int storybubblebottom = 718;

static bool playerok() { return player >= 1 && player <= profileslots; }

void resetstorystate() {
  storypart = storyclock = storyend = storyleave = 0;
  storyfademode = 0;
  storyfade = 1.0f;
  storyinterlude = 0;
  storyscroll = 0;
  storyclicked = 0;
  bubbletext = bubbletime = bubblex = bubbley = bubblelife = 0;
}

void preparestory(int chapter) {
  lastfunc = "preparestory(a:" + std::to_string(chapter) + ")";
  storychapter = std::clamp(chapter, 1, chaptercount);
  switch (storychapter) {
    case 1: preparechapter1(); break;
    case 2: preparechapter2(); break;
    case 3: preparechapter3(); break;
    case 5: preparechapter5(); break;
    case 6: preparechapter6(); break;
    case 7: preparechapter7(); break;
    case 8: preparechapter8(); break;
    case 9: preparechapter9(); break;
    default: break;  // chapters 4 and 10 keep nothing of their own between visits
  }
}

void loadstorystuff_dynamic(int chapter) {
  lastfunc = "loadstorystuff_dynamic()";
  loadstorysounds();
  bool mid = AutoMidHandleOn();
  AutoMidHandle(true);
  storytextfield = loadimg("data\\story\\storytextfield.png");
  switch (chapter) {
    case 1: loadchapter1(); break;
    case 2: loadchapter2(); break;
    case 3: loadchapter3(); break;
    case 4: loadchapter4(); break;
    case 5: loadchapter5(); break;
    case 6: loadchapter6(); break;
    case 7: loadchapter7(); break;
    case 8: loadchapter8(); break;
    case 9: loadchapter9(); break;
    case 10: loadchapter10(); break;
    default: break;
  }
  AutoMidHandle(true);
  loadstorymapstuff();
  AutoMidHandle(mid);
}

void deletestorystuff_dynamic() {
  lastfunc = "deletestorystuff_dynamic()";
  // The kept story sound (rain, a chainsaw) stops with the scene it belongs to.
  StopS_story();
  deletestorysounds();
  for (Image* img : {&storytextfield, &storyhome, &storysky1, &storysky2, &storybga, &storybgb, &storysun, &storynews,
                     &storyballoon, &storycensored, &storyrain})
    img->reset();
  for (Image& img : storycloud) img.reset();
  for (Image& img : storychar) img.reset();
  for (auto& row : storypic)
    for (Image& img : row) img.reset();
  deletestorymapstuff();
}

int storyloaded() {
  int n = 0;
  for (const Image* img : {&storytextfield, &storyhome, &storysky1, &storysky2, &storybga, &storybgb, &storysun,
                           &storynews, &storyballoon, &storycensored, &storyrain})
    n += bool(*img);
  for (const Image& img : storycloud) n += bool(img);
  for (const Image& img : storychar) n += bool(img);
  for (const auto& row : storypic)
    for (const Image& img : row) n += bool(img);
  for (const Sound& s : storysounds) n += bool(s);
  return n;
}

void inststory(int chapter) {
  lastfunc = "inststory(a:" + std::to_string(chapter) + ")";
  Print("inststory(" + std::to_string(chapter) + ")");
  prevscreen = screen;
  preparestory(chapter);
  // Every other screen's pictures go: the game's backgrounds and table, the loading screen's,
  // the map's (with the journey map's) and the shop's, the main menu's and the title scene.
  deletegamebg();
  deleteloadstuff_dynamic();
  deletemapstuff_dynamic();
  deleteshopstuff();
  deletegamestuff_dynamic();
  deletemenustuff_dynamic();
  deletetitlebg();
  deletestorystuff_dynamic();  // a chapter entered from another keeps nothing of it
  loadstorystuff_dynamic(storychapter);
  resetstorystate();
  mapopen = mapunroll = mapclose = 0;
  papery = -250;
  papershow = papertime = 0;
  storymapspot = Rand(1, 3);
  resetpopups();
  pausesign = -1;
  if (storychapter == 4) preparechapter4();
  screen = SCREEN_STORY;
  musicfade = 0;  // the chapter's tune fades in
  playmusic(storychapter == 9 ? "/music/ocean.ogg" : storychapter == 10 ? "/music/storyparty.ogg" : "/music/story.ogg", 1);
  if (storychapter == 4) {
    cleareffects();
    scatterrain();
  }
  inputon = 1;
  fadereset();
}

void storyfadeout() {
  storyfademode = 1;
  storyfade = 1.0f;
}

void startinterlude() {
  storyfademode = 2;
  storyfade = 0;
  storyinterlude = 0;
}

void startpart2() {
  storypart = 1;
  storyend = 0;  // the first part's end (or its skip) is behind: the search has not ended
  storymapspot = Rand(1, 4);
  playmusic("/music/zombiecrowd.ogg", 1);
}

void storyfadein() {
  storyfademode = 3;
  storyfade = 0;
}

// Chapter 1's way from its opening scene through the black interlude into the search.
static void storytransition() {
  if (storyfademode == 1) {
    storyfade -= 0.1f;
    if (storyfade <= 0) {
      storyfademode = 0;
      if (storychapter == 1) {
        startinterlude();
        cleareffects();
      }
    }
  } else if (storyfademode == 2) {
    storyfade = 0;
    storyinterlude++;
    if (storyinterlude >= storyinterludeframes) {
      startpart2();
      storyfadein();
    }
  } else if (storyfademode == 3) {
    storyfade += 0.1f;
    if (storyfade >= 1) {
      storyfade = 1;
      storyfademode = 0;
    }
  }
}

// The interlude's line fades in over its frames 30-70 and out over 110-150.
static void drawinterlude(int grey) {
  float a = std::min(1.0f, (storyinterlude - 30) * 0.025f);
  if (storyinterlude > 110) a = std::max(0.0f, (storyinterludeframes - storyinterlude) * 0.025f);
  if (a > 0) {
    SetColor(255, 255, 255);
    SetAlpha(a);
    drawtext(storytext(1, 4), float(midx), 718, ALIGN_CENTRE, 3);
    SetAlpha(1);
  }
  SetColor(grey, grey, grey);
}

static void drawscene() {
  switch (storychapter) {
    case 1:
      if (storypart == 0 && (storyfademode == 0 || storyfademode == 1)) storyscene1();
      else if (storypart >= 1) storyscene1b();
      break;
    case 2: storyscene2(); break;
    case 3: storyscene3(); break;
    case 4: storyscene4(); break;
    case 5: storyscene5(); break;
    case 6: storyscene6(); break;
    case 7: storyscene7(); break;
    case 8: storyscene8(); break;
    case 9: storyscene9(); break;
    case 10: storyscene10(); break;
    default: break;
  }
}

// A brand-new profile that leaves the first chapter has begun its adventure at level 1.
static void beginadventure() {
  if (!playerok() || maplevel[player] != 0) return;
  maplevel[player] = toplevel[player] = 1;
  selectedlevel = 1;
  adventurestarted = 1;
}

void showstory() {
  lastfunc = "showstory()";
  if (popuplevel == 0 && pausesign == -1) storyclock++;
  storytransition();
  int grey = std::clamp(int(fadelevel * storyfade), 0, 255);
  SetColor(grey, grey, grey);
  effalpha = 1.0f;
  SetScale(1, 1);
  SetBlend(BLEND_ALPHA);
  SetAlpha(1);
  if (storychapter == 1 && storyfademode == 2) drawinterlude(grey);
  else drawscene();
  SetColor(grey, grey, grey);
  SetAlpha(1);
  SetScale(1, 1);
  SetRotation(0);
  if (storyend > 0 && storyend < 100) storyend++;

  // The map and skip buttons only react while nothing lies over the scene.
  buttonlayer = mapopen > 0 || popuplevel > 0 ? 2 : 1;
  if (button(float(storybuttonside), float(storybuttony), 3, 1, menutext(20, 3)) == BUTTON_CLICK) {
    beginadventure();
    fadeto(SCREEN_MAP, 0, 0);
  }
  bool skip = (storychapter == 1 && storypart == 0) || storychapter == 10;
  if (skip && button(float(screenw - storybuttonside), float(storybuttony), 3, 1,
                     menutext(20, storychapter == 10 ? 5 : 4)) == BUTTON_CLICK)
    storyend = 100;

  if (storyend == 100) {
    storyend = 101;
    StopS_story();
    if (storychapter == 1) storyfadeout();
    else storyleave = 1;
  }
  if (storyleave == 1) {
    storyleave = 0;
    beginadventure();
    if (storychapter == 10) fadeto(SCREEN_MENU, 0, 0);
    else fadeto(SCREEN_GAME, 0, 0);
  }

  SetAlpha(1);
  effalpha = 1.0f;
  draweff();
  if (mapopen > 0) showstorymap();
  drawpopups();
  SetColor(grey, grey, grey);
}

// ---- Helpers of the scenes ----

void showbubble(int x, int y, int n, int frames) {
  bubblex = x;
  bubbley = y - 80;
  bubbletext = n;
  bubbletime = 1;
  bubblelife = std::max(frames, 1);
  if (storychapter != 4) storyclicked = 1;
}

void drawbubble() {
  if (bubbletime <= 0) return;
  bubblex = std::max(std::min(bubblex, screenw - storybubblemargin), storybubblemargin);
  bubbley = std::max(std::min(bubbley, storybubblebottom), storybubbletop);
  bubbletime++;
  float a = std::min(1.0f, bubbletime * 0.05f);
  if (bubbletime > bubblelife - 20) a = std::max(0.0f, (bubblelife - bubbletime) * 0.05f);
  SetAlpha(a);
  drawimg(tooltipimg, float(bubblex), float(bubbley));
  drawtext(storytext(storychapter, 3 + bubbletext), float(bubblex), float(bubbley - 7), ALIGN_CENTRE, 7);
  SetAlpha(1);
  if (bubbletime >= bubblelife) bubbletime = bubbletext = 0;
}

void drawstorypanel(int from, float x, float y, int t, int b, float alpha) {
  float a = alpha >= 0 ? alpha : (storyclock - from) * 0.05f;
  a = std::min(a, 1.0f);
  if (a <= 0) return;
  int c = storychapter;
  int line = storychapter == 1 && storypart >= 1 ? 4 : 0;  // the search of the home: lines 1.5 to 1.7
  SetAlpha(a);
  drawimg(storytextfield, x, y);
  drawtext(storytext(c, 1 + line), x, y - t, ALIGN_CENTRE, 4);
  drawtextbox(storytext(c, 2 + line), x, y - b, storypanelwidth, storypanelline, ALIGN_CENTRE, 7);
  drawtext(storytext(c, 3 + line), x, y + 39, ALIGN_CENTRE, 7);
  SetAlpha(1);
}

// A scene object signs up for the focus ring at the point the pointer is put on when the
// keys choose it; while the keys drive, only the chosen object is under the pointer.
bool storyhotspot(float x, float y, bool pointerhit) {
  if (!storyfree()) return pointerhit;
  int key = int(x) * 7919 + int(y) * 104729 + 1;
  int place = focusregister(int(x), int(y), FOCUS_POINTER, key);
  return focusshown == 1 ? focuson(place) : pointerhit;
}

bool storyhotbox(float x, float y, int left, int right, int top, int bottom) {
  bool hit = x - left < mousex && mousex < x + right && y - top < mousey && mousey < y + bottom;
  return storyhotspot(x + (right - left) / 2.0f, y + (bottom - top) / 2.0f, hit);
}

bool storyhotpic(const Image& img, float x, float y, bool big) {
  if (!img) return false;
  const Image& hit = big ? coll3img : coll2img;
  if (!hit) return storyhotbox(x, y, ImageWidth(img) / 2, ImageWidth(img) / 2, ImageHeight(img) / 2, ImageHeight(img) / 2);
  bool over = ImagesCollide(img, float(int(x)), float(int(y)), 0, hit, float(mousex), float(mousey), 0) != 0;
  // The pointer goes to the middle of the picture as drawn (its handle may lie elsewhere).
  float cx = float(int(x)) - img->handle_x + img->width / 2.0f, cy = float(int(y)) - img->handle_y + img->height / 2.0f;
  return storyhotspot(cx, cy, over);
}

void drawstorybackground() {
  drawimg(storybga, float(storyscroll), 0);
  drawimg(storybgb, float(storyscroll + 1366), 0);
}

bool storyfree() { return mapopen == 0 && popuplevel == 0 && pausesign == -1; }

void storyscrollstep(int speed, int stop, int from) {
  if (storyclock == 2) storyscroll = 0;
  if (storyclock < stop && storyclock >= from && storyfree()) storyscroll -= speed;
}

void storyjourneystart(int at) {
  if (storyclock == at && mapopen == 0) {
    openstorymap(-50, 818);
    storyclock++;
  }
  if (mapopen > 0) storyclock--;  // the scene's clock stands still under the journey map
}

void storynothinghere(int n, bool active) {
  if (mousehit1 != 1 || storyclicked != 0 || storyend != 0 || !active || !storyfree()) return;
  showbubble(mousex, mousey, n, 100);
  PlayS(SFX_CLICK, float(mousex));
  storyclicked = 1;
}
