// Chapter 10: the ending. Its pictures and its scene; nothing in it can be clicked.
#include "story/chapter10.h"
#include "shell/gfx.h"
#include "shell/state.h"
#include "story/scenes.h"
#include "story/story.h"
#include <string>

int ch10stop() { return screenw == 1024 ? ch10stopnarrow : screenw == 1280 ? ch10stop1280 : ch10stop1366; }
int ch10speed() { return screenw == 1024 ? 3 : 2; }

void loadchapter10() {
  AutoMidHandle(false);
  storysky1 = loadimg("data\\story\\1\\sky1.png");
  storybga = loadimg("data\\story\\10\\bga.png");
  storybgb = loadimg("data\\story\\10\\bgb.png");
  AutoMidHandle(true);
  for (int i = 1; i <= 5; i++) storycloud[i] = loadimg("data\\story\\1\\cloud" + std::to_string(i) + ".png");
  storynews = loadimg("data\\story\\1\\news.png");
  storypic[1][1] = loadimg("data\\story\\10\\ship.png");
  if (storypic[1][1]) SetImageHandle(storypic[1][1], 162, 122);  // the waterline under the mast
}

void storyscene10() {
  const int d = ch10stop();
  storyscrollstep(ch10speed(), d);
  const int t = storyclock;
  drawimg(storysky1, 0, 0);
  // Fifteen clouds spread over the sky, each drifting left a little faster than the one before.
  for (int i = 1; i <= ch10clouds; i++) {
    float x = float(int(200 * i + 100 * sind(100.0f * i))) - 0.03f * i * t + 200 + storyscroll;
    drawimg(storycloud[i % 5 + 1], x, 130 + 80 * cosd(150.0f * i));
  }
  drawstorybackground();
  SetRotation(2 * sind(float(framecount)));
  drawimg(storypic[1][1], float(ch10shipx + storyscroll), float(ch10shipy));
  SetRotation(0);
  drawstorypanel(ch10panel, float(midx), 70, 58, 23);
  if (t >= d + ch10linger && storyend == 0) storyend = 1;
}
