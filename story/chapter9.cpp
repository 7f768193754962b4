// Chapter 9: the ship comes to the last jetty. Its own state, its pictures and its scene.
#include "story/chapter9.h"
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
// Story sounds of the jetty, by their slot in the story sound table.
enum {
  SND9_CONTAINERHIT = 17,  // the door's clank as it comes down
  SND9_FINISH = 46,
  SND9_LEVER = 52,
  SND9_BOAT1 = 56,
  SND9_SPLASH = 57,
  SND9_BEEP = 58,
  SND9_CHAIN = 59  // the anchor chain, looping on the kept story channel
};

constexpr int scenewidth = 2732;      // both background halves; the jetty ends there
constexpr int sailfrom = 100;         // the ship makes way after this frame
constexpr float minspeed = 0.5f;      // the least it moves a frame until it is at the berth
constexpr int anchorafter = 240;      // frames after the stop before the anchor drops
constexpr int splashat = 270;         // anchor counter at which it meets the water
constexpr int chainstopat = 299;      // and the chain falls silent
constexpr int boatat = 100;           // frames after the stop when the ship's horn sounds
constexpr int beepat = 20;            // lights counter of the beep
constexpr int doorat = 80;            // lights counter at which the door opens
constexpr int leverx = 470, levery = 70;  // the lever from the ship's centre
constexpr int doorx = 50, doory = 75;     // the door from the ship's centre

Image& doorimg(int k) { return storypic[4][k]; }  // 1..10 folding down, 11 the glow

// Glides the ship from the open sea towards the berth, slowing down as it comes.
void sail(int t) {
  if (t == 2) {
    ch9shipx = ch9shipstartx;
    ch9shipy = ch9shipstarty;
  }
  float stepx = std::clamp((ch9shipx - ch9berthx) * 0.005f, -3.0f, 3.0f);
  float stepy = std::clamp((ch9shipy - ch9berthy) * 0.003f, -0.7f, 0.7f);
  if (t > sailfrom) {
    if (stepx < minspeed && ch9shipx > ch9berthx) stepx = minspeed;
    ch9shipx -= stepx;
    ch9shipy -= stepy;
  }
}

void drawdoor(float u, float w) { drawimg(doorimg(1 + ch9door / 4), u + doorx, w + doory - 0.13f * ch9door); }
}  // namespace

int ch9stop() { return screenw == 1024 ? ch9stopnarrow : screenw == 1280 ? ch9stop1280 : ch9stop1366; }

float ch9rockangle() {
  float a = std::max(1.5f - 0.003f * storyclock, 0.0f);
  return a * sind(float(framecount));
}

void preparechapter9() {
  ch9anchor = ch9door = ch9lever = ch9lights = 0;
  ch9shipx = ch9shipstartx;
  ch9shipy = ch9shipstarty;
}

void loadchapter9() {
  AutoMidHandle(false);
  storybga = loadimg("data\\story\\9\\bga.jpg");
  storybgb = loadimg("data\\story\\9\\bgb.jpg");
  AutoMidHandle(true);
  storypic[1][1] = loadimg("data\\story\\9\\ship.png");
  storypic[2][1] = loadimg("data\\story\\9\\steg.png");
  // The jetty stands on its bottom-right corner.
  Image& jetty = storypic[2][1];
  if (jetty) SetImageHandle(jetty, float(ImageWidth(jetty)), float(ImageHeight(jetty)));
  storypic[3][1] = loadimg("data\\story\\9\\anchor.png");
  for (int k = 1; k <= 10; k++) doorimg(k) = loadimg("data\\story\\9\\door" + std::to_string(k) + ".png");
  doorimg(11) = loadimg("data\\story\\9\\door1-glow.png");
  storypic[5][1] = loadimg("data\\story\\9\\lever.png");
  storypic[5][2] = loadimg("data\\story\\9\\lever-glow.png");
  if (storypic[5][1]) SetImageHandle(storypic[5][1], 6, 52);  // the lever turns about its foot
  if (storypic[5][2]) SetImageHandle(storypic[5][2], 11, 52);
  storypic[6][1] = loadimg("data\\story\\9\\light.png");
}

void storyscene9() {
  const int d = ch9stop();
  storyjourneystart(40);
  storyscrollstep(3, d, 41);
  const int t = storyclock;
  drawstorybackground();
  storyclicked = 0;
  sail(t);
  const float u = ch9shipx + storyscroll, w = ch9shipy;
  const bool ready = t > d + ch9ready;

  // Anchor and ship roll together; the anchor is lowered a pixel a frame.
  const float a = std::max(1.5f - 0.003f * t, 0.0f);
  const float r = ch9rockangle();
  if (t > d + anchorafter && ch9anchor < ch9anchordeep) {
    ch9anchor++;
    if (ch9anchor == 1) PlayS_story(SND9_CHAIN, u - 430);
    if (ch9anchor == splashat) PlayS_story2(SND9_SPLASH, u - 435);
    if (ch9anchor == chainstopat) StopS_story();
  }
  SetRotation(r);
  drawimg(storypic[3][1], u - 435, w - 130 - 5 * a * r + ch9anchor);
  drawimg(storypic[1][1], u, w);
  SetRotation(0);

  // The door travels with the ship; it only opens from the lever.
  if (ch9door == 1) PlayS_story2(SND9_CONTAINERHIT, u + doorx);
  if (ch9door >= 1 && ch9door < ch9dooropen) ch9door++;
  drawdoor(u, w);
  const bool doorhot = ch9lever == 0 && ready && storyhotpic(doorimg(1), u + doorx, w + doory);
  if (doorhot && sceneclick()) {
    showbubble(mousex, mousey - 50, 2, 200);
    PlayS(SFX_CLICK, float(mousex));
  }

  // The lever tilts over once pulled; at full tilt the lamps start.
  if (ch9lever > 0 && ch9lever < ch9levertilt) ch9lever = std::min(ch9lever + 2, ch9levertilt);
  if (ch9lever == ch9levertilt && ch9lights == 0) ch9lights = 1;
  SetRotation(float(ch9lever));
  drawimg(storypic[5][1], u + leverx, w + levery);
  SetRotation(0);
  if (ch9lever == 0 && ready && storyhotbox(u + leverx, w + levery, 30, 30, 60, 20)) {
    drawimg(storypic[5][2], u + leverx, w + levery - 4);
    if (sceneclick()) {
      showbubble(mousex, mousey - 50, 3, 200);
      PlayS_story2(SND9_LEVER, float(mousex));
      ch9lever = 1;
    }
  }

  if (ch9lights > 0) {
    ch9lights++;
    if (ch9lights == beepat) PlayS_story2(SND9_BEEP, u);
    if (ch9lights == doorat && ch9door == 0) ch9door = 1;
  }
  for (int i = 1; i <= ch9lamps; i++)
    drawfaded(storypic[6][1], u + ch9lampxy[i][0], w + ch9lampxy[i][1], (ch9lights - 20 * i) * 0.1f);

  drawimg(storypic[2][1], float(scenewidth + storyscroll), 768);
  if (ready) drawdoor(u, w);  // the door stands in front of the jetty
  // The glow goes over both, so the door shines wherever it shows.
  if (doorhot) drawimg(doorimg(11), u + doorx, w + doory);

  if (t == d + boatat) PlayS_story2(SND9_BOAT1, float(midx));
  storynothinghere(1, t > d);
  drawstorypanel(d, float(midx), 70, 58, 23);
  drawbubble();
  if (ch9lights == ch9lightsend && storyend == 0) {
    storyend = 1;
    PlayS_story2(SND9_FINISH, float(midx));
    showbubble(midx, midy, 4, 200);
  }
}
