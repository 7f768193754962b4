// Chapter 1: the town at dusk scrolls by while Mr. Pudding eats his pie, growls and turns
// behind a censored sign, the sky goes sick green and a newspaper spins in; after the black
// interlude the player searches Grandma's room for the map roll and opens it.
#include "story/chapter1.h"
#include "presentation/effects.h"
#include "presentation/sound.h"
#include "shell/gfx.h"
#include "shell/menu.h"
#include "shell/state.h"
#include "solitaire/state.h"
#include "story/scenes.h"
#include "story/story.h"
#include "story/storymap.h"
#include <algorithm>
#include <cmath>

// Story sounds of the chapter, by their slot in the story sound table.
enum {
  SS_MMH = 1,
  SS_EAT = 2,
  SS_GROWL1 = 3,
  SS_GROWL2 = 4,
  SS_BREATH = 5,
  SS_DRAMA = 6,
  SS_RUMBLE1 = 19,
  SS_RUMBLE2 = 20,
  SS_RUMBLE3 = 21,
  SS_RUMBLE4 = 22,
  SS_PILLOW1 = 23,
  SS_PILLOW2 = 24,
  SS_CLOCK = 25,
  SS_CARPET = 26,
};

// The opening scene's timeline, in frames after the town's stop frame d.
enum {
  INTRO_EAT = 50,       // the bite
  INTRO_GROWL = 150,    // the first growl; the censored sign drops onto the figure
  INTRO_SHAKE = 200,    // the ground starts to shake
  INTRO_SHAKEEND = 250, // the last new tremor; the second growl
  INTRO_CHANGE = 300,   // g: the sky and the figure change, the music stops for the drama
  INTRO_OLDGONE = 320,  // the old sky and the old figure have faded out
  INTRO_SIGNFADE = 350, // the censored sign fades away
  INTRO_NEWS = 500,     // the newspaper spins in; the story music comes back
  INTRO_END = 800,      // the scene's last moment
};
inline constexpr int introleaves = 200;      // leaves blow in while the clock is below this
inline constexpr int intropanelfrom = 50;    // the text panel fades in from this frame
inline constexpr int intropanelout = 400;    // and out after this one, gone at 420
inline constexpr int introbreath = 75;       // the changed figure breathes every 75 frames
inline constexpr int figurex = 1500, figurey = 496;  // the figure's top-left in the scene
inline constexpr int changedrise = 90;       // the changed figure's pictures stand 90 pixels taller
inline constexpr float balloonx = 1450, balloony = 180;   // the balloon's start in the scene
inline constexpr float balloondx = 0.05f, balloondy = 0.03f;  // it drifts left and up this much a frame
// The text panels: centre height, and the title's and the text's rise above it (the town's
// panel sits its lines a little differently from the room's).
inline constexpr int panely = 70, intropaneltitle = 55, intropaneltext = 30, homepaneltitle = 58, homepaneltext = 23;
inline constexpr int homepanelfrom = 50;  // the room's panel fades in after the search's 50th frame

int introstop() { return screenw == 1024 ? introstop1024 : screenw == 1280 ? introstop1280 : introstop1366; }

void preparechapter1() {
  introrumble = 0;
  introspincount = introspin;
  introseen = 0;
  homecarpet = homeclock = homepillow1 = homepillow2 = homereveal = 0;
  homeclockx = homepillow1x = 0;
  homepillow2vx = homepillow2vy = homepillow2dx = homepillow2dy = 0;
}

void loadchapter1() {
  lastfunc = "loadchapter1()";
  bool mid = AutoMidHandleOn();
  AutoMidHandle(true);
  storyhome = loadimg("data\\story\\1-home\\bg.jpg");
  storypic[1][1] = loadimg("data\\story\\1-home\\v1.png");  // the carpet at rest lies in the room picture
  storypic[1][2] = loadimg("data\\story\\1-home\\v1-2.png");
  for (int f = 2; f <= 7; f++) storypic[f][1] = loadimg("data\\story\\1-home\\v" + std::to_string(f) + ".png");
  storypic[8][1] = loadimg("data\\story\\1-home\\pillow1.png");
  storypic[8][2] = loadimg("data\\story\\1-home\\pillow1-2.png");
  storypic[9][1] = loadimg("data\\story\\1-home\\pillow2.png");
  storypic[9][2] = loadimg("data\\story\\1-home\\pillow2-2.png");
  storypic[10][1] = loadimg("data\\story\\1-home\\clock.png");
  storypic[10][2] = loadimg("data\\story\\1-home\\clock-2.png");
  for (int i = 1; i <= 5; i++) storycloud[i] = loadimg("data\\story\\1\\cloud" + std::to_string(i) + ".png");
  storysun = loadimg("data\\story\\1\\sun2.png");
  storynews = loadimg("data\\story\\1\\news.png");
  storyballoon = loadimg("data\\story\\1\\balloon.png");
  storycensored = loadimg("data\\texts\\censored.png");
  // The skies, the town's halves and the figure are placed by their top-left corners.
  AutoMidHandle(false);
  storysky1 = loadimg("data\\story\\1\\sky1.png");
  storysky2 = loadimg("data\\story\\1\\sky2.png");
  storybga = loadimg("data\\story\\1\\bga.png");
  storybgb = loadimg("data\\story\\1\\bgb.png");
  storychar[1] = loadimg("data\\story\\1\\ch1.png");
  for (int i = 1; i <= 3; i++) storychar[i + 1] = loadimg("data\\story\\1\\ch2" + std::to_string(i) + ".png");
  AutoMidHandle(mid);
}

// ---- The opening scene ----

// The sky: the dusk sky fades into the sick green one, which drifts left as it comes.
static void introsky(int t, int d) {
  int g = d + INTRO_CHANGE;
  float h = std::clamp((t - g) * 0.05f, 0.0f, 1.0f);
  if (t < d + INTRO_OLDGONE) {
    SetAlpha(1 - h);
    drawimg(storysky1, 0, 0);
  }
  if (t >= g) {
    SetAlpha(h);
    drawimg(storysky2, 0.4f * (g - t), 0);
  }
  // The dusk clouds drift left, each a little faster than the one above, and fade with the old sky.
  SetAlpha(1 - h);
  for (int i = 1; i <= 5 && h < 1; i++) {
    float x = std::trunc(400.0f * i + 100 * sind(200.0f * i)) - 0.06f * i * t + 200 + storyscroll;
    drawimg(storycloud[i], x, 50.0f * i - 20);
  }
  SetAlpha(1);
}

// Mr. Pudding at the lower right: eats, growls, shakes the ground and turns behind the sign.
// ticked: the clock moved this frame, so the timeline's sounds and tremors may start.
static void introfigure(int t, int d, bool ticked) {
  int g = d + INTRO_CHANGE;
  float x = float(storyscroll + figurex), y = float(figurey);
  if (t < d + INTRO_SHAKE) {
    drawimg(storychar[1], x, y);
  } else {
    if (ticked && t < d + INTRO_SHAKEEND && Rand(1, 10) == 1) {
      introrumble = Rand(20, 40);
      PlayS_story2(SS_RUMBLE1, float(midx));
      PlayS_story2(SS_RUMBLE2, float(midx));
    }
    if (introrumble > 0) introrumble--;
    int r = int(0.3f * introrumble);
    x += float(Rand(-r, r));
    y += float(Rand(-r, r));
    float k = std::clamp((t - g) * 0.05f, 0.0f, 1.0f);
    if (t < d + INTRO_OLDGONE) {
      SetAlpha(1 - k);
      drawimg(storychar[1], x, y);
    }
    if (t >= g) {
      // A breath of 75 frames: in, held, out and back through the three pictures.
      int c = (t / 15) % 5;
      SetAlpha(k);
      drawimg(storychar[c == 0 || c == 4 ? 2 : c == 2 ? 4 : 3], x, y - changedrise);
      if (ticked && t % introbreath == 25) PlayS_story2(SS_BREATH, float(midx));
    }
    SetAlpha(1);
  }
  // The censored sign drops onto him from double size and fades after his change.
  if (t >= d + INTRO_GROWL && t < d + INTRO_SIGNFADE + 20) {
    int u = t - d - INTRO_GROWL;
    float s = std::max(2 - 0.05f * u, 1.0f);
    SetAlpha(t < d + INTRO_SIGNFADE ? std::min(1.0f, 0.05f * u) : 1 - 0.05f * (t - d - INTRO_SIGNFADE));
    SetScale(s, s);
    drawimg(storycensored, x + 100, y + 60);
    SetScale(1, 1);
    SetAlpha(1);
  }
}

// Sounds on the timeline, each played once as its frame comes.
static void introsounds(int t, int d) {
  float x = float(midx);
  if (t == d) PlayS_story2(SS_MMH, x);
  if (t == d + INTRO_EAT) PlayS_story2(SS_EAT, x);
  if (t == d + INTRO_GROWL) PlayS_story2(SS_GROWL1, x);
  if (t == d + INTRO_SHAKEEND) PlayS_story2(SS_GROWL2, x);
  if (t == d + INTRO_CHANGE) {
    stopmusic();
    PlayS_story2(SS_DRAMA, x);
  }
  if (t == d + INTRO_NEWS) playmusic("/music/story.ogg", 1);
}

// The newspaper spins in from a speck to full size in the middle of the screen.
static void intronews(int t, int d, bool ticked) {
  if (t <= d + INTRO_NEWS) return;
  if (introspincount > 0) introspincount -= 10;
  if (ticked && introspincount > 50 && t % 5 == 0) PlayS(SFX_TURNDOWN, float(midx));
  float s = 1 - 0.002f * introspincount;
  setdrawstate(3.0f * introspincount, s, s, BLEND_ALPHA, std::min(1.0f, 0.05f * (t - d - INTRO_NEWS)));
  drawimg(storynews, float(midx), float(midy));
  SetRotation(0);
  SetScale(1, 1);
  SetAlpha(1);
}

void storyscene1() {
  lastfunc = "storyscene1()";
  storyclicked = 0;
  int t = storyclock, d = introstop();
  // Under a popup or the pause sign the clock stands still: the same frame is drawn again,
  // but its sounds, tremors and leaves must not start again.
  bool ticked = t != introseen;
  introseen = t;
  storyscrollstep(screenw == 1024 ? 3 : 2, d);
  introsky(t, d);
  drawstorybackground();
  drawimg(storyballoon, storyscroll + balloonx - balloondx * t, balloony - balloondy * t);
  introfigure(t, d, ticked);
  if (ticked) introsounds(t, d);
  // Now and then a leaf blows in from beyond the left edge, 10 to 30 pixels a frame.
  if (ticked && t < introleaves && Rand(1, 10) == 1)
    addeffect(-30, float(Rand(100, 700)), EFF_LEAF, 0.1f * Rand(100, 300), 0.1f * Rand(-100, 50));
  float a = t <= intropanelout ? std::min(1.0f, (t - intropanelfrom) * 0.05f) : std::max(0.0f, (intropanelout + 20 - t) * 0.05f);
  if (a > 0) drawstorypanel(intropanelfrom, float(midx), panely, intropaneltitle, intropaneltext, a);
  intronews(t, d, ticked);
  if (ticked && t == d + INTRO_END && storyend == 0) storyend = 1;
}

// ---- Grandma's room ----

// Now and then the house shakes as the crowd outside pushes against it.
static void homerumbles() {
  if (Rand(1, 60) != 1) return;
  int r = Rand(1, 10);
  if (r <= 3) PlayS_story2(SS_RUMBLE1, 0);
  else if (r <= 6) PlayS_story2(SS_RUMBLE2, float(Rand(1, screenw)));
  else if (r <= 9) PlayS_story2(SS_RUMBLE3, float(Rand(1, screenw)));
  else PlayS_story2(SS_RUMBLE4, 900);
}

// A click on an untouched hiding place under the pointer starts its animation.
// Returns whether the place is hot (the caller draws its glow).
static bool homehot(int spot, int& state, int sound) {
  if (state > 0 || !storyfree()) return false;
  const hideplace& p = hidespots[spot];
  const Image& glow = spot == HIDE_CARPET ? storypic[1][2] : spot == HIDE_PILLOW1 ? storypic[8][2]
                      : spot == HIDE_PILLOW2 ? storypic[9][2] : storypic[10][2];
  if (!storyhotpic(glow, float(midx + p.x), float(p.y))) return false;
  if (mousehit1 == 1 && storyclicked == 0) {
    state = 1;
    storyclicked = 1;
    PlayS_story2(sound, float(mousex));
    if (spot == HIDE_PILLOW2) {
      homepillow2vx = -10;
      homepillow2vy = -8;
      homepillow2dx = homepillow2dy = 0;
    }
  }
  return true;
}

// An animating place that hides the roll shows it there, once.
static void homereveals(int spot) {
  if (spot != storymapspot || homereveal > 0) return;
  const hideplace& p = hidespots[spot];
  mapx = midx + p.rollx;
  mapy = p.rolly;
  maprot = int(p.rollrot);
  mapstartscale = p.rollscale;
  homereveal = 1;
}

static void homecarpetframe() {
  const hideplace& p = hidespots[HIDE_CARPET];
  bool hot = homehot(HIDE_CARPET, homecarpet, SS_CARPET);
  if (homecarpet == 0) {
    if (hot) drawimg(storypic[1][2], float(midx + p.x), float(p.y));
    return;
  }
  drawimg(storypic[std::min(homecarpet / 3 + 2, 7)][1], float(midx + p.x), float(carpetpulledy));
  homecarpet++;
  homereveals(HIDE_CARPET);
}

static void homeclockframe() {
  const hideplace& p = hidespots[HIDE_CLOCK];
  bool hot = homehot(HIDE_CLOCK, homeclock, SS_CLOCK);
  if (homeclock > 0) {
    homeclockx = int(homeclockx - (homeclockx + 70) * 0.1f);
    homeclock++;
    homereveals(HIDE_CLOCK);
  }
  drawimg(storypic[10][1], float(midx + p.x + homeclockx), float(p.y));
  if (hot) drawimg(storypic[10][2], float(midx + p.x), float(p.y));
}

static void homepillow1frame() {
  const hideplace& p = hidespots[HIDE_PILLOW1];
  bool hot = homehot(HIDE_PILLOW1, homepillow1, SS_PILLOW1);
  if (homepillow1 > 0) {
    homepillow1x = int(homepillow1x - (homepillow1x - 80) * 0.1f);
    homepillow1++;
    homereveals(HIDE_PILLOW1);
  }
  drawimg(storypic[8][1], float(midx + p.x + homepillow1x), float(p.y));
  if (hot) drawimg(storypic[8][2], float(midx + p.x), float(p.y));
}

static void homepillow2frame() {
  const hideplace& p = hidespots[HIDE_PILLOW2];
  bool hot = homehot(HIDE_PILLOW2, homepillow2, SS_PILLOW2);
  if (homepillow2 == 0) {
    drawimg(storypic[9][1], float(midx + p.x), float(p.y));
    if (hot) drawimg(storypic[9][2], float(midx + p.x), float(p.y));
    return;
  }
  homepillow2vx *= 0.97f;
  homepillow2vy += 0.2f;
  homepillow2dx += homepillow2vx;
  homepillow2dy += homepillow2vy;
  float a = std::max(0.0f, 3 - 0.05f * homepillow2);  // gone between its frames 40 and 60
  if (a > 0) {
    setdrawstate(20.0f * homepillow2, 1, 1, BLEND_ALPHA, a);
    drawimg(storypic[9][1], midx + p.x + homepillow2dx, p.y + homepillow2dy);
    SetRotation(0);
    SetAlpha(1);
  }
  homepillow2++;
  homereveals(HIDE_PILLOW2);
}

// The roll where it was hidden: it fades in, and after its first frames a click opens the
// journey map, which flies out of the hiding place.
static bool homeroll() {
  if (homereveal <= 0 || mapopen > 0) return false;
  float s = mapstartscale * 10 * 0.666f;
  float x = float(mapx), y = float(mapy);
  setdrawstate(float(maprot), s, s, BLEND_ALPHA, std::min(1.0f, 0.1f * homereveal));
  drawimg(maprollsmallimg, x, y);
  bool hot = false;
  if (homereveal > rollwakes && storyfree()) {
    // The pointer's hit shape is tested under the roll's own turn and scale, as it is drawn.
    hot = storyhotspot(x, y, ImagesCollide(maprollsmallimg, std::trunc(x), std::trunc(y), 0, coll3img, float(mousex),
                                            float(mousey), 0));
    if (hot) {
      SetAlpha(1);
      drawimg(maprollsmall2img, x, y);
    }
  }
  SetRotation(0);
  SetScale(1, 1);
  SetAlpha(1);
  homereveal++;
  if (hot && mousehit1 == 1 && storyclicked == 0) {
    storyclicked = 1;
    openstorymap(mapx, mapy);
  }
  return hot;
}

void storyscene1b() {
  lastfunc = "storyscene1b()";
  storyclicked = 0;
  drawimg(storyhome, float(midx), float(midy));
  storypart++;
  int s = storypart;
  homerumbles();
  // The panel goes as soon as the journey map sets off (it is gone from the map's second frame).
  if (s > homepanelfrom && mapopen < 20) {
    float a = std::min(1.0f, (s - homepanelfrom) * 0.05f);
    if (mapopen > 0) a = 1.05f - mapopen;
    if (a > 0) drawstorypanel(homepanelfrom, float(midx), panely, homepaneltitle, homepaneltext, a);
  }
  // Mr. Pudding's growl comes through the wall by the window.
  bool growl = storyfree() && storyhotbox(float(xshiftwide + growlleft), float(growltop), 0, growlright - growlleft, 0,
                                         growlbottom - growltop);
  if (growl && mousehit1 == 1) {
    showbubble(mousex, mousey, 6, 100);
    PlayS_story2(framecount % 2 == 0 ? SS_GROWL1 : SS_GROWL2, float(mousex));
    storyclicked = 1;
  }
  homecarpetframe();
  homeclockframe();
  homepillow1frame();
  homepillow2frame();
  homeroll();
  storynothinghere(5, mapopen == 0);
  drawbubble();
}
