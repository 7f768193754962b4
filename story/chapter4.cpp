// Chapter 4: Drizzle Street in the rain. The street scrolls in, the journey map shows the way,
// then the player searches: a hidden thing fades in only while the pointer is over it, and a
// click names it. Finding the drain cover drags it aside and opens the way down.
#include "story/chapter4.h"
#include "presentation/effects.h"
#include "presentation/sound.h"
#include "runtime/runtime.h"
#include "shell/gfx.h"
#include "shell/state.h"
#include "story/scenes.h"
#include "story/story.h"
#include <algorithm>
#include <cmath>

constexpr int clicksound = 13;    // click.ogg, game sound
constexpr int rainsound = 7;      // storyrain.ogg, story sound (loops)
constexpr int gullysound = 8;     // storygully.ogg
constexpr int finishsound = 46;   // finish.ogg
constexpr int raindrops = 10;     // rain kinds 851..860, bigger and faster with the number
constexpr int nothing = 4;        // bubble of a click on empty ground

void preparechapter4() {
  story4hover = 0;
  story4grab = 0;
}

void loadchapter4() {
  AutoMidHandle(false);
  storybga = loadimg("data\\story\\4\\bga.jpg");
  storybgb = loadimg("data\\story\\4\\bgb.jpg");
  storypic[0][1] = loadimg("data\\story\\4\\0.png");
  for (int i = 1; i <= story4things; i++)
    storypic[i][1] = loadimg("data\\story\\4\\" + std::to_string(i) + ".png");
  storypic[3][2] = loadimg("data\\story\\4\\e3.png");
  storyrain = loadimg("data\\story\\4\\rain.png");
  AutoMidHandle(true);
}

// One raindrop of a random size.
static void addraindrop(float x, float y) { addeffect(x, y, EFF_RAIN + Rand(1, raindrops), 0, 0); }

void scatterrain() {
  for (int i = 1; i <= story4scatter; i++) {
    float x = float(Rand(0, screenw + 200));
    addraindrop(x, float(Rand(0, screenh)));
  }
}

int story4stopframe() { return story4stop[screenw <= 1024 ? 0 : screenw <= 1280 ? 1 : 2]; }

// The hidden thing under the pointer, the last of 1..3 whose picture's rectangle holds it; 0 none.
static int story4found() {
  int found = 0;
  for (int i = 1; i <= story4things; i++) {
    const Image& img = storypic[i][1];
    if (!img) continue;
    float x = story4thingxy[i][0] + storyscroll, y = story4thingxy[i][1];
    if (storyhotbox(x, y, 0, ImageWidth(img), 0, ImageHeight(img))) found = i;
  }
  return found;
}

// The search: what is under the pointer fades in; a click names it, and the cover is taken.
static void story4search() {
  storyclicked = story4found();
  if (storyclicked > 0) {
    story4hover++;
    int i = storyclicked;
    SetAlpha(clamphigh1(0.1f * story4hover));
    drawimg(storypic[i][1], story4thingxy[i][0] + storyscroll, story4thingxy[i][1]);
    SetAlpha(1);
  } else {
    story4hover = 0;
  }
  if (mousehit1 != 1 || storyend != 0 || !storyfree()) return;
  PlayS(clicksound, float(mousex));
  showbubble(mousex, mousey, storyclicked > 0 ? storyclicked : nothing, story4bubble);
  if (storyclicked == 3) story4grab = 1;
}

// The cover once found: scraped along, bobbing, dragged 150 pixels to the left, then resting.
static void story4drag() {
  if (story4grab == story4gullyat) PlayS_story2(gullysound, float(mousex));
  story4grab++;
  int g = story4grab;
  float x = story4holex + storyscroll + float(std::max(-2 * g, -story4dragmax));
  float y = story4holey;
  if (g <= story4dragframes) y += std::trunc(-10 * sind(2.0f * g));
  drawimg(storypic[3][2], x, y);
  if (g == story4endat) {
    storyend = 1;
    PlayS_story2(finishsound, float(midx));
  }
}

void storyscene4() {
  lastfunc = "storyscene4()";
  storyjourneystart(story4mapat);
  int t = storyclock, d = story4stopframe();
  if (t == story4rainsoundat) PlayS_story(rainsound, float(midx));
  if (Rand(1, 2) == 1) addraindrop(float(Rand(0, screenw + 200)), -200);
  storyscrollstep(3, d);
  drawstorybackground();
  drawimg(storypic[0][1], story4holex + storyscroll, story4holey);
  if (story4grab == 0) drawimg(storypic[3][2], story4coverx + storyscroll, story4covery);
  storyclicked = 0;
  if (t > d) {
    drawstorypanel(d, float(midx), 70, 58, 23);
    if (story4grab == 0) story4search();
  }
  if (story4grab >= 1) story4drag();
  drawbubble();
}
