// Chapter 5: the bone cellar. The cellar scrolls in, the journey map shows the way, then the
// player pokes the skeleton (his skull drops off and bounces), pushes the low crate along the
// ledge four times and pulls the big crate twice to uncover the way on.
#include "story/chapter5.h"
#include "presentation/sound.h"
#include "runtime/runtime.h"
#include "shell/gfx.h"
#include "shell/state.h"
#include "story/scenes.h"
#include "story/story.h"
#include <cmath>

constexpr int turnupsound = 5;     // turnup.ogg, game sound
constexpr int clicksound = 13;     // click.ogg, game sound
constexpr int boxslidesound = 43;  // boxslide.ogg, the low crate scraping
constexpr int boxslide2sound = 44; // boxslide2.ogg, the big crate scraping
constexpr int skullsound = 45;     // skull.ogg, a bounce
constexpr int finishsound = 46;    // finish.ogg

void preparechapter5() {
  story5skeleton = 0;
  story5skullangle = 0;
  story5skulldrop = 0;
  story5skullspeed = 0;
  story5box2move = 0;
  story5box2pushes = 0;
  story5box2slide = 0;
  story5box1move = 0;
  story5box1pulls = 0;
  story5box1slide = 0;
}

void loadchapter5() {
  AutoMidHandle(false);
  storybga = loadimg("data\\story\\5\\bga.jpg");
  storybgb = loadimg("data\\story\\5\\bgb.jpg");
  AutoMidHandle(true);
  const std::string f = "data\\story\\5\\";
  storypic[1][1] = loadimg(f + "skel2.png");
  storypic[1][2] = loadimg(f + "skel2-glow.png");
  storypic[1][3] = loadimg(f + "skel1.png");
  storypic[1][4] = loadimg(f + "skel1-glow.png");
  storypic[2][1] = loadimg(f + "box2.png");
  storypic[2][2] = loadimg(f + "box2-glow.png");
  storypic[2][3] = loadimg(f + "box2-shadow.png");
  storypic[3][1] = loadimg(f + "box1.png");
  storypic[3][2] = loadimg(f + "box1-glow.png");
}

int story5stopframe() { return story5stop[screenw <= 1024 ? 0 : screenw <= 1280 ? 1 : 2]; }

// This frame's click, when the scene is active, nothing lies over it and no object took it yet.
static bool story5click(bool active) { return active && mousehit1 == 1 && storyclicked == 0 && storyfree(); }

// The skeleton and his skull: poked once, the skull falls off, rolls to the left and bounces.
static void story5skeletonstep(bool active) {
  float x = story5skelx + storyscroll, y = story5skely;
  drawimg(storypic[1][1], x, y);
  bool hot = active && story5skeleton == 0 &&
             storyhotbox(x, y, story5skelbox[0], story5skelbox[1], story5skelbox[2], story5skelbox[3]);
  if (hot) {
    drawimg(storypic[1][2], x, y);
    if (story5click(true)) {
      showbubble(mousex, mousey - 50, 2, 150);
      PlayS(turnupsound, float(mousex));
      story5skeleton = 1;
    }
  }
  float restx = x + story5skullx, resty = y + story5skully;
  if (story5skeleton >= 1) {
    if (story5skeleton == 1) story5skullspeed = 0;
    if (story5skeleton < story5skullframes) {
      story5skullangle -= (story5skullangle - story5skullroll) * 0.05f;
      if (story5skulldrop >= story5skullfloor) {
        story5skullspeed *= story5bounce;
        PlayS_story2(skullsound, restx);
      } else {
        story5skullspeed += story5gravity;
      }
      story5skulldrop += story5skullspeed;
    }
    story5skeleton++;
  }
  SetRotation(360 * sind(story5skullangle));
  drawimg(storypic[1][3], restx + story5skullangle, resty + story5skulldrop);
  if (hot) drawimg(storypic[1][4], restx, resty);
  SetRotation(0);
}

// The low crate on the ledge: four pushes of 130 pixels, then it will go no further.
static void story5box2step(bool active) {
  if (story5box2move >= 1) {
    story5box2slide += 2;
    story5box2move++;
    if (story5box2move > story5pushframes) story5box2move = 0;
  }
  float x = story5box2x + storyscroll + story5box2slide, y = story5box2y;
  drawimg(storypic[2][3], x + story5shadowx, y + story5shadowy);
  drawimg(storypic[2][1], x, y);
  if (!active || story5box2move != 0 || !storyhotpic(storypic[2][1], x, y)) return;
  drawimg(storypic[2][2], x, y);
  if (!story5click(true)) return;
  if (story5box2pushes >= story5pushes) {
    showbubble(mousex, mousey - 20, 5, 200);
    PlayS(clicksound, float(mousex));
    return;
  }
  showbubble(mousex, mousey - 20, story5box2pushes == 0 ? 8 : 3, 150);
  PlayS_story2(boxslidesound, float(mousex));
  story5box2move = 1;
  story5box2pushes++;
}

// The big crate before the passage: it only moves once the low crate is out of its way, and
// two pulls uncover the passage.
static void story5box1step(bool active) {
  if (story5box1move >= 1) {
    story5box1move += 2;
    story5box1slide += 2.0f;
    if (story5box1move > story5pullend) {
      story5box1move = 0;
      if (story5box1pulls == story5pulls) {
        PlayS_story2(finishsound, float(midx));
        storyend = 1;
      }
    }
  }
  float x = story5box1x + storyscroll + story5box1slide, y = story5box1y + story5box1drop * story5box1slide;
  drawimg(storypic[3][1], x, y);
  if (!active || story5box1move != 0 || !storyhotpic(storypic[3][1], x, y)) return;
  drawimg(storypic[3][2], x, y);
  if (!story5click(true)) return;
  if (story5box2pushes < story5pushes || story5box1pulls >= story5pulls) {
    showbubble(mousex, mousey - 20, story5box2pushes < story5pushes ? 7 : 6, 150);
    PlayS(clicksound, float(mousex));
    return;
  }
  showbubble(mousex, mousey - 20, 3, 150);
  PlayS_story2(boxslide2sound, float(mousex));
  story5box1move = 1;
  story5box1pulls++;
}

void storyscene5() {
  lastfunc = "storyscene5()";
  storyjourneystart(story5mapat);
  int t = storyclock, d = story5stopframe();
  storyscrollstep(3, d, story5scrollfrom);
  storyclicked = 0;
  bool active = t > d;
  drawstorybackground();
  if (active) drawstorypanel(d, float(midx), 70, 58, 23);
  story5skeletonstep(active);
  story5box2step(active);
  story5box1step(active);
  storynothinghere(4, active);
  drawbubble();
}
