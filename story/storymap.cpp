#include "story/storymap.h"
#include "presentation/effects.h"
#include "presentation/sound.h"
#include "shell/buttons.h"
#include "shell/gfx.h"
#include "shell/profiles.h"
#include "shell/state.h"
#include "solitaire/state.h"
#include "story/story.h"
#include "text/fonts.h"
#include "text/texts.h"
#include <algorithm>
#include <cmath>

// Sounds of the overlay, by their number in the sound table.
enum { SFX_ROLLTURN = 5, SFX_PAPER = 57, SFX_PAPER2 = 58, SFX_PAPERBACK = 59 };

// Timings in frames of the overlay (see the timeline in showstorymap).
inline constexpr int journeyrollup = 30;      // closing frames that roll the sheet up
inline constexpr int journeyrollfade = 80;    // closing frame after which the roll fades into the small roll
inline constexpr int journeycontents = 40;    // mapunroll at which the marks, arrow and horde appear
inline constexpr int journeypaperstart = 60;  // mapunroll after which the note paper slides down
inline constexpr int journeywalkstart = 50;   // arrowtime after which the arrow walks (50 steps)
inline constexpr int journeyhordestart = 100; // hordetime after which the horde walks (50 steps)
inline constexpr int journeywalksteps = 50;
inline constexpr int journeyhalfwidth = 450;  // half the unrolled sheet's width
inline constexpr float journeymiddlescale = 0.00224f;  // mapmiddle's x scale per pixel of mapwidth


int easestep(int value, int target, float k) {
  int v = int(value - (value - target) * k);
  if (v < target) v++;
  else if (v > target) v--;
  return v;
}

void loadstorymapstuff() {
  lastfunc = "loadstorymapstuff()";
  bool mid = AutoMidHandleOn();
  AutoMidHandle(true);
  maprollimg = loadimg("data\\story\\maproll.png");
  mapleftimg = loadimg("data\\story\\mapleft.png");
  maprightimg = loadimg("data\\story\\mapright.png");
  mapmiddleimg = loadimg("data\\story\\mapmiddle.png");
  paperimg = loadimg("data\\story\\paper.png");
  for (int j = 1; j <= journeymarks; j++) {
    markimg[j] = loadimg("data\\story\\mark" + std::to_string(j) + ".png");
    if (markimg[j]) SetImageHandle(markimg[j], 0, 0);
  }
  arrowimg = loadimg("data\\story\\arrow.png");
  zombiesimg = loadimg("data\\story\\zombies.png");
  maprollsmallimg = loadimg("data\\story\\maprollsmall.png");
  maprollsmall2img = loadimg("data\\story\\maprollsmall2.png");
  // The end pieces hang off the sheet's ends: the left one by its right edge, the right one
  // by its left edge, both at half height.
  if (mapleftimg) SetImageHandle(mapleftimg, 96, 384);
  if (maprightimg) SetImageHandle(maprightimg, 0, 384);
  AutoMidHandle(mid);
}

void deletestorymapstuff() {
  maprollimg = mapleftimg = maprightimg = mapmiddleimg = paperimg = nullptr;
  markimg.fill(nullptr);
  arrowimg = zombiesimg = maprollsmallimg = maprollsmall2img = nullptr;
}

void openstorymap(int x, int y) {
  lastfunc = "openstorymap()";
  mapx = x;
  mapy = y;
  mapopen = 1;
  maprot = 30;
  mapwidth = 0;
  mapclose = 0;
  mapunroll = 0;
  papery = -250;
  papershow = 0;
  papertime = 0;
  mapstartscale = journeystartscale;
  arrowtime = 0;
  arrowindex = 0;
  hordetime = 0;
  hordeindex = -1;
}

void resetstorymap() {
  openstorymap(0, 0);
  mapopen = 0;
  paperx = 0;
  arrowx = arrowy = arrowdx = arrowdy = 0;
  hordex = hordey = hordedx = hordedy = 0;
  journeylevel = journeyreached = journeypathindex = 1;
}

void journeyprogress() {
  bool ok = player >= 1 && player <= profileslots;
  // On a story scene the marks follow the level the chapter belongs to; elsewhere the frontier.
  int l = !ok ? 1 : screen == SCREEN_STORY ? maplevel[player] : toplevel[player];
  journeylevel = l;
  int r = 1;
  for (int j = 1; j <= journeymarks; j++)
    if (stagelast[j] < l) r = j + 1;
  journeyreached = r;  // 28 once the last stage is behind: every mark passed, none pulsing
  // The road ends at the ending's point; a damaged profile beyond it stands there too.
  journeypathindex = std::clamp(ok ? toplevel[player] : 1, 1, journeypoints);
}

// Frames 1..59: the roll flies in turning and growing; closing frames 31..89: it flies back.
static void journeyroll() {
  float s = 1, m = 1;
  if (mapopen == 1) PlayS(SFX_ROLLTURN, float(mapx));
  if (mapopen < journeyflyframes) mapopen++;
  if (mapclose == 0) {
    mapx = easestep(mapx, midx, 0.05f);
    mapy = easestep(mapy, midy, 0.05f);
    maprot = int(maprot - (maprot - 360) * 0.06f);
    if (maprot < 360) maprot++;
    s = std::min(1.0f, mapstartscale + mapopen * (1 - mapstartscale) / journeyflyframes);
  } else if (mapclose > journeyrollup) {
    // Back to the small roll on the adventure map, or off the lower left corner elsewhere.
    int tx = screen == SCREEN_MAP ? midx + 220 : -50;
    int ty = screen == SCREEN_MAP ? screenh - barpos - 10 : screenh + 50;
    mapx = easestep(mapx, tx, 0.07f);
    mapy = easestep(mapy, ty, 0.07f);
    maprot = int(maprot - (maprot - 30) * 0.055f);
    if (maprot > 30) maprot--;
    s = std::max(mapstartscale, 1 - (mapclose - journeyrollup) * 0.05f);
    if (mapclose > journeyrollfade) m = std::max(0.0f, (journeyclosed - mapclose) * 0.1f);
    if (1 - m > 0) {
      SetRotation(float(maprot));
      SetAlpha(1 - m);
      drawimg(maprollsmallimg, float(mapx), float(mapy));
    }
  }
  SetRotation(float(maprot));
  SetScale(s, s);
  SetAlpha(m);
  drawimg(maprollimg, float(mapx), float(mapy));
  SetRotation(0);
  SetScale(1, 1);
  SetAlpha(1);
  if (mapopen == journeyflyframes) mapunroll = 1;  // arrived: the sheet unrolls
}

// The sheet spreads from the centre while open and closes up in the first closing frames.
static void journeysheet() {
  if (mapunroll == 1) PlayS(SFX_PAPER, float(mapx));
  mapx = midx;
  mapy = midy;
  mapwidth = easestep(mapwidth, mapclose == 0 ? journeyhalfwidth : 0, 0.2f);
  SetScale(std::min(1.0f, mapwidth * journeymiddlescale), 1);
  drawimg(mapmiddleimg, float(midx), float(midy));
  SetScale(1, 1);
  drawimg(mapleftimg, float(midx - mapwidth), float(midy));
  drawimg(maprightimg, float(midx + mapwidth), float(midy));
  mapunroll++;
}

// Where a walker starts and how far it goes per walking frame, towards path point `to`.
static void walkfrom(int to, float& x, float& y, float& dx, float& dy) {
  x = float(journeypath[to - 1][0]);
  y = float(journeypath[to - 1][1]);
  dx = (journeypath[to][0] - journeypath[to - 1][0]) * 0.02f;
  dy = (journeypath[to][1] - journeypath[to - 1][1]) * 0.02f;
}

// The marks, the arrow and the horde, fading in once the sheet is wide and out as it closes.
static void journeycontentsframe() {
  float a = std::min(1.0f, (mapunroll - journeycontents) * 0.1f);
  if (mapclose > 0) a = std::max(0.0f, 1 - mapclose * 0.3f);
  float ox = float(mapx - 450), oy = float(mapy - 384);  // the sheet's own origin on screen
  for (int j = 1; j <= journeymarks; j++) {
    float f = j < journeyreached ? 1 : j == journeyreached ? 0.6f + 0.4f * sind(10.0f * framecount) : 0;
    if (f <= 0) continue;
    SetAlpha(a * f);
    drawimg(markimg[j], ox + journeymarkxy[j][0], oy + journeymarkxy[j][1]);
  }
  int p = journeypathindex;
  if (mapunroll == journeycontents) {
    arrowindex = p;
    if (p == 1) {
      arrowx = float(journeypath[1][0]);
      arrowy = float(journeypath[1][1]);
      arrowdx = arrowdy = 0;
    } else {
      walkfrom(p, arrowx, arrowy, arrowdx, arrowdy);
    }
    arrowtime = 0;
  }
  if (arrowindex > 0) {
    arrowtime++;
    if (arrowtime > journeywalkstart && arrowtime <= journeywalkstart + journeywalksteps) {
      arrowx += arrowdx;
      arrowy += arrowdy;
    }
    float bob = arrowtime > 100 ? 5 * sind((arrowtime - 100) * 5.0f) : 0;
    SetAlpha(a);
    drawimg(arrowimg, ox + arrowx, arrowy + bob);
  }
  if (mapunroll == journeycontents) {
    hordeindex = p - 1;
    hordetime = 0;
    if (hordeindex <= 0) {
      hordex = float(journeypath[0][0]);
      hordey = float(journeypath[0][1]);
      hordedx = hordedy = 0;
    } else {
      walkfrom(hordeindex, hordex, hordey, hordedx, hordedy);
    }
  }
  // At the ending (the arrow on the last point) the horde is left behind for good.
  if (hordeindex >= 0 && hordeindex < journeypoints - 1) {
    hordetime++;
    if (hordetime > journeyhordestart && hordetime <= journeyhordestart + journeywalksteps) {
      hordex += hordedx;
      hordey += hordedy;
    }
    SetAlpha(a);
    if (hordedx < 0) SetScale(-1, 1);  // shambling to the left
    drawimg(zombiesimg, ox + hordex, hordey + 50);
    SetScale(1, 1);
  }
  SetAlpha(1);
}

// The note paper slides down with the legs of the journey, the current leg pulsing.
static void journeypaper() {
  if (papertime == 1) PlayS(SFX_PAPER2, float(midx - 300));
  papertime++;
  paperx = midx - 300;
  papershow = 1;
  int target = mapclose > 0 ? -250 : papershow == 1 ? 250 : 0;
  papery = easestep(papery, target, 0.1f);
  drawimg(paperimg, float(paperx), float(papery));
  drawtext(storytext(11, 1), float(paperx), float(papery - 229), ALIGN_CENTRE, 8);
  int n = (journeyreached - 1) / 3 + 1;
  for (int j = 1; j <= journeylegs; j++) {
    SetAlpha(j < n ? 1 : j == n ? 0.8f + 0.2f * sind(10.0f * framecount) : 0.3f);
    drawtextbox(storytext(11, j + 1), float(paperx - 190), float(papery - 261 + 48 * j), 380, 16, ALIGN_LEFT, 8);
  }
  SetAlpha(1);
}

// The close button; on the story screen's search for the map it leaves the story instead.
static void journeyclosebutton() {
  SetAlpha(std::min(1.0f, papertime * 0.05f));
  bool onmap = screen == SCREEN_MAP;
  const std::string& caption = onmap ? storytext(11, 11) : menutext(20, 4);
  if (button(float(mapx + 370), float(mapy + 330), 3, 2, caption) == BUTTON_CLICK) {
    // storypart counts the frames of chapter 1's search (no other chapter sets it), so any
    // value from 1 on is the search.
    if (!onmap && screen == SCREEN_STORY && storypart >= 1) storyleave = 1;
    else mapclose = 1;
  }
  SetAlpha(1);
}

// Timeline of one opening, counting calls from the frame of openstorymap as frame 1: the roll
// flies in during frames 1-59; the sheet unrolls from frame 59 and is wide about 30 frames
// later; marks and arrow fade in over frames 97-107; the paper and the close button start in
// frame 118; the arrow walks in frames 147-196, the horde in 197-246. Closing: the sheet rolls
// up in closing frames 1-30, the roll flies off in 31-89 and fades into the small roll from 81.
void showstorymap() {
  lastfunc = "showstorymap()";
  if (mapopen <= 0) return;
  buttonlayer = 2;
  journeyprogress();
  float alpha = GetAlpha();
  if ((mapopen > 0 && mapunroll == 0) || (mapclose > journeyrollup && mapclose < journeyclosed)) journeyroll();
  if (mapunroll >= 1 && mapclose <= journeyrollup) journeysheet();
  if (mapopen > 0 && mapunroll >= journeycontents) journeycontentsframe();
  if (mapunroll > journeypaperstart) journeypaper();
  if (papertime > 0 && mapclose == 0) journeyclosebutton();
  if (mapclose > 0) {
    if (mapclose == 1) PlayS(SFX_PAPERBACK, float(midx));
    mapclose++;
    if (mapclose >= journeyclosed) mapopen = papertime = mapunroll = mapclose = 0;
  }
  SetAlpha(alpha);
}
