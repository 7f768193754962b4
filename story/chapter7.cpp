// Chapter 7: the harbour at night. Its own state, its pictures and its scene.
#include "story/chapter7.h"
#include "presentation/sound.h"
#include "shell/gfx.h"
#include "shell/state.h"
#include "solitaire/state.h"
#include "story/scenekit.h"
#include "story/scenes.h"
#include "story/story.h"
#include <algorithm>
#include <string>

namespace {
// Story sounds of the harbour, by their slot in the story sound table.
enum {
  SND7_CRANE1 = 9,
  SND7_LOCKOPEN = 10,
  SND7_KEY = 11,
  SND7_BOXOPEN = 12,
  SND7_ELECTRIC = 13,
  SND7_METALDOOR = 14,
  SND7_CRANE2 = 15,
  SND7_CRANE3 = 16,
  SND7_CONTAINERHIT = 17,
  SND7_CRANE4 = 18,  // the crane's motor, looping on the kept story channel
  SND7_FINISH = 46
};

// The crane's timeline, in frames of its counter.
constexpr int crane1at = 20;       // the motor coughs
constexpr int crane4at = 50;       // and runs on
constexpr int hookdownat = 100;    // the hook starts down
constexpr int hookholdat = 247;    // it meets the container and waits
constexpr int hookupat = 300;      // and hauls it up
constexpr int hookdown = 3;        // pixels a frame on the way down
constexpr int hookup = 5;          // and back up
constexpr int liftspeed = 2;       // the container's rise a frame
constexpr int lampchance = 30;     // the quay lamp flips with a chance of 1 in this a frame

Image& lid(int k) { return storypic[1][k]; }  // 1..6 opening, 7 glow
Image& keyimg(int k) { return storypic[2][k]; }  // 1 the key, 2 its glow
Image& lockimg(int k) { return storypic[3][k]; }  // 1 shut, 2 open, 3 glow

// A click that has used up the speech bubble: an object's own reaction shows alone.
void clearbubble() {
  bubbletime = 0;
  bubbletext = 0;
  storyclicked = 1;
}

// Lamp, key, lid, door and padlock: the crane house corner of the quay.
void drawquay(int t, int d) {
  const int s = storyscroll;
  if (Rand(1, lampchance) == 1) {
    ch7lamp = -ch7lamp;
    if (ch7lamp == 1) PlayS_story2(SND7_ELECTRIC, float(ch7lampx + s));
  }
  if (ch7lamp == 1) drawimg(storypic[4][1], float(ch7lampx + s), float(ch7lampy));

  // The key lies in the box; the lid covers it until it has swung open.
  if (ch7key == 0) {
    drawimg(keyimg(1), float(ch7keyx + s), float(ch7keyy));
    if (ch7lid == ch7lidframes && t > d && storyhotbox(float(ch7keyx + s), float(ch7keyy), 31, 31, 13, 13)) {
      drawimg(keyimg(2), float(ch7keyx + s), float(ch7keyy));
      if (sceneclick()) {
        clearbubble();
        PlayS_story2(SND7_KEY, float(mousex));
        ch7key = 1;
      }
    }
  }

  if (ch7lid >= 1 && ch7lid < ch7lidframes && framecount % 3 == 0) ch7lid++;
  const int k = std::max(ch7lid, 1);
  drawimg(lid(k), float(ch7boxx + s + ch7lidoffset[k][0]), float(ch7boxy + ch7lidoffset[k][1]));
  if (ch7lid == 0 && t > d && storyhotbox(float(ch7boxx + s), float(ch7boxy), 38, 38, 63, 63)) {
    drawimg(lid(7), float(ch7boxx + s), float(ch7boxy));
    if (sceneclick()) {
      clearbubble();
      PlayS_story2(SND7_BOXOPEN, float(mousex));
      ch7lid = 1;
    }
  }

  // The sliding door waits a moment after the padlock opens, then rolls aside.
  if (ch7doortime > 0) {
    ch7doortime++;
    if (ch7doortime == ch7doorwait) {
      ch7doorslide = 1;
      PlayS_story2(SND7_METALDOOR, float(ch7doorx + s));
    }
  }
  if (ch7doorslide > 0 && ch7doorslide < ch7slideopen) {
    ch7doorslide = std::min(ch7doorslide + 2, ch7slideopen);
    if (ch7doorslide == ch7slideopen) ch7crane = 1;
  }
  drawimg(storypic[5][1], float(ch7doorx + s + ch7doorslide), float(ch7doory));

  if (ch7lockopen == 1) {
    drawimg(lockimg(2), float(ch7lockx + s + ch7doorslide + 11), float(ch7locky + 8));  // rides on the door
    return;
  }
  drawimg(lockimg(1), float(ch7lockx + s), float(ch7locky));
  if (t > d && storyhotbox(float(ch7lockx + s), float(ch7locky), 25, 25, 36, 36)) {
    drawimg(lockimg(3), float(ch7lockx + s), float(ch7locky));
    if (sceneclick()) {
      if (ch7key == 1) {
        clearbubble();
        ch7key = 2;
        ch7lockopen = 1;
        ch7doortime = 1;
        PlayS_story2(SND7_LOCKOPEN, float(midx));
      } else {
        showbubble(mousex, mousey, 1, 200);
        PlayS(SFX_CLICK, float(mousex));
      }
    }
  }
}

// The crane: its lamps flicker up, the hook comes down, meets the container and lifts it away.
void drawcrane() {
  const int c = ch7crane;
  const int x = ch7cranex() + storyscroll;
  if (c > 0) {
    ch7crane++;
    if (c == crane1at) PlayS_story2(SND7_CRANE1, float(midx));
    if (c == crane4at) PlayS_story(SND7_CRANE4, float(mousex));
    if (c == hookdownat) PlayS_story2(SND7_CRANE2, float(x));
    if (c == hookholdat) PlayS_story2(SND7_CONTAINERHIT, float(x));
    if (c == hookupat) PlayS_story2(SND7_CRANE3, float(x));
    if (c > hookdownat) ch7hook += hookdown;
    if (c > hookholdat && c < hookupat) ch7hook -= hookdown;
    if (c >= hookupat) ch7hook -= hookup;
    if (c > hookupat) ch7container -= liftspeed;
    if (ch7container <= ch7liftend && storyend == 0) {
      storyend = 1;
      PlayS_story2(SND7_FINISH, float(midx));
    }
  }
  drawfaded(storypic[6][1], float(ch7lightsx + storyscroll), float(ch7lightsy),
            (c - 49) * 0.05f + 0.5f * sind(50.0f * c - 2450.0f));
  drawfaded(storypic[7][1], float(ch7floodx + storyscroll), float(ch7floody), (c - 100) * 0.05f);
  drawimg(storypic[9][1], float(x), float(ch7containery + ch7container));
  drawimg(storypic[8][1], float(x), float(ch7craney + ch7hook));
}
}  // namespace

int ch7stop() { return screenw == 1024 ? ch7stopnarrow : ch7stopwide; }
int ch7cranex() { return screenw == 1024 ? ch7containernarrow : ch7containerwide; }

void preparechapter7() {
  ch7lamp = 1;
  ch7lid = ch7key = ch7lockopen = 0;
  ch7doortime = ch7doorslide = 0;
  ch7crane = ch7hook = ch7container = 0;
}

void loadchapter7() {
  AutoMidHandle(false);
  storybga = loadimg("data\\story\\7\\bga.jpg");
  storybgb = loadimg("data\\story\\7\\bgb.jpg");
  AutoMidHandle(true);
  for (int i = 1; i <= 7; i++) lid(i) = loadimg("data\\story\\7\\bdoor" + std::to_string(i) + ".png");
  keyimg(1) = loadimg("data\\story\\7\\key.png");
  keyimg(2) = loadimg("data\\story\\7\\key2.png");
  for (int i = 1; i <= 3; i++) lockimg(i) = loadimg("data\\story\\7\\lock" + std::to_string(i) + ".png");
  storypic[4][1] = loadimg("data\\story\\7\\lamplight.png");
  storypic[5][1] = loadimg("data\\story\\7\\door.png");
  storypic[6][1] = loadimg("data\\story\\7\\cranelights.png");
  storypic[7][1] = loadimg("data\\story\\7\\cranelight.png");
  storypic[8][1] = loadimg("data\\story\\7\\crane.png");
  storypic[9][1] = loadimg("data\\story\\7\\container.png");
}

void storyscene7() {
  const int d = ch7stop();
  storyjourneystart(5);
  storyscrollstep(3, d);
  const int t = storyclock;
  drawstorybackground();
  storyclicked = 0;
  // Anywhere on the quay a click first gets the nothing-here bubble; an object's click
  // below takes it back, so only the object's own reaction stays.
  if (mousehit1 == 1 && storyfree() && bubbletime == 0 && t > d && storyend == 0) {
    showbubble(mousex, mousey, 4, 100);
    PlayS(SFX_CLICK, float(mousex));
  }
  drawquay(t, d);
  drawcrane();
  drawstorypanel(d, float(midx), float(screenh - 70), 58, 23);
  drawbubble();
  if (ch7key == 1) drawimg(keyimg(1), float(mousex + 38), float(mousey + 52));
}
