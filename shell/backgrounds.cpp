#include "shell/backgrounds.h"
#include "shell/gfx.h"
#include "shell/state.h"

// Clouds: start x, speed (pixels a frame, leftwards), y and picture.
struct cloudstart {
  float x, speed;
  int y, picture;
};
static const cloudstart cloudstarts[titleclouds + 1] = {
    {0, 0, 0, 0}, {1000, -0.12f, 120, 1}, {500, -0.15f, 100, 2}, {900, -0.2f, 60, 3}, {1500, -0.25f, 20, 4}};
// Lights 1..11 sit in the windows of the far landscape (base position); lights 12..20 follow
// on from light 11, each one step further right and lower, outside what the screens show.
static const int lightbase[12][2] = {{0, 0},     {63, 0},   {0, 88},   {58, 46},  {139, 56}, {4, 159},
                                     {37, 131},  {140, 116}, {10, 231}, {91, 225}, {159, 212}, {238, 269}};

void deletetitlebg() {
  titleskya = titleskyb = nullptr;
  titlenear2a = titlenear2b = nullptr;
  titlenear3a = titlenear3b = titlenear3c = nullptr;
  titlecloudimg.fill(nullptr);
  titlelightimg.fill(nullptr);
}

void loadtitlebg() {
  lastfunc = "loadtitlebg()";
  deletetitlebg();
  bool mid = AutoMidHandleOn();
  AutoMidHandle(false);  // every title picture is placed by its top-left corner
  titleskya = loadimg("data\\bg\\titlebg\\skya.jpg");
  titleskyb = loadimg("data\\bg\\titlebg\\skyb.jpg");
  for (int i = 1; i <= titleclouds; i++) titlecloudimg[i] = loadimg("data\\bg\\titlebg\\c" + std::to_string(i) + ".png");
  titlenear2a = loadimg("data\\bg\\titlebg\\e2a.png");
  titlenear2b = loadimg("data\\bg\\titlebg\\e2b.png");
  titlenear3a = loadimg("data\\bg\\titlebg\\e3a.png");
  titlenear3b = loadimg("data\\bg\\titlebg\\e3b.png");
  titlenear3c = loadimg("data\\bg\\titlebg\\e3c.png");
  for (int i = 1; i <= titlelights; i++) titlelightimg[i] = loadimg("data\\bg\\titlebg\\l" + std::to_string(i) + ".png");
  AutoMidHandle(mid);
  for (int i = 1; i <= titleclouds; i++) {
    cloudx[i] = cloudstarts[i].x;
    cloudspeed[i] = cloudstarts[i].speed;
    cloudy[i] = cloudstarts[i].y;
  }
  lightstate.fill(0);
  titlepan = 0;
}

static float lightalpha(int state) {
  if (state <= 1) return 0;  // the frame it switches on it is still dark
  if (state > 5) return 1;
  return (state - 1) * 0.2f;
}

void drawtitlebg(float target) {
  float alpha = GetAlpha();  // the lights fade within the caller's alpha, which is handed back
  float p = titlepan = titlepan - (titlepan - target) * 0.02f;
  drawimg(titleskya, 0.3f * p, 0);
  drawimg(titleskyb, 0.3f * p + 1000, 0);
  for (int i = 1; i <= titleclouds; i++) {
    cloudx[i] += cloudspeed[i];
    if (cloudx[i] < -500) cloudx[i] = 1500;
    drawimg(titlecloudimg[cloudstarts[i].picture], cloudx[i] + 0.3f * p, float(cloudy[i]));
  }
  drawimg(titlenear2a, 0.5f * p, 0);
  drawimg(titlenear2b, 0.5f * p + 1000, 0);
  drawimg(titlenear3a, p, 0);
  drawimg(titlenear3b, p + 1000, 0);
  drawimg(titlenear3c, p + 2000, 0);
  float bx = 0, by = 0;
  for (int i = 1; i <= titlelights; i++) {
    if (lightstate[i] == 0) {
      if (Rand(1, 2000) == 1) lightstate[i] = 1;
    } else {
      lightstate[i]++;
      if (lightstate[i] > 500 && Rand(1, 500) == 1) lightstate[i] = 0;
    }
    if (i <= 11) {
      bx = lightbase[i][0] + 0.5f * p + 1311;
      by = float(lightbase[i][1] + 85);
    } else {
      bx += 0.5f * p + 1311;
      by += 85;
    }
    if (lightstate[i] <= 1) continue;
    SetAlpha(alpha * lightalpha(lightstate[i]));
    drawimg(titlelightimg[i], bx, by);
  }
  SetAlpha(alpha);
}

void loadgamebg_dynamic(int kind, int flag) {
  lastfunc = "loadgamebg_dynamic()";
  int n = 0;
  if (kind == 12 || kind == 13) n = (stage - 1) / 3 + 1;
  if (kind == 18) n = 1;
  n = n < 1 ? 1 : n > 9 ? 9 : n;
  if (n == gamebgnum) return;
  gamebg = nullptr;
  gamebg = loadimg("data\\bg\\bg" + std::to_string(n) + ".jpg");
  gamebgnum = n;
  Print("loadgamebg_dynamic() " + std::to_string(n));
}

void deletegamebg() {
  gamebg = nullptr;
  gamebgnum = 0;
}

void drawgamebg() { drawimg(gamebg, float(midx), float(midy)); }
