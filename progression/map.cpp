#include "progression/map.h"
#include "story/story.h"
#include "presentation/effects.h"
#include "presentation/sound.h"
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
#include "shell/state.h"
#include "solitaire/game.h"
#include "solitaire/levels.h"
#include "solitaire/state.h"
#include "story/storymap.h"
#include "text/fonts.h"
#include "text/texts.h"
#include <algorithm>
#include <climits>
#include <cmath>

// Sounds of the map, by their number in the sound table.
enum { SFX_MAPENTER = 6, SFX_LEVELCHOSEN = 32, SFX_STAGEDONE = 52 };  // the click is the table's own

// Layout (pixels, relative to the centre unless noted).
inline constexpr int mapcolumnstep = 330;   // between the three stage columns of a page
inline constexpr int mapcolumnfirst = 665;  // the first column lies this far left of midx + 330
inline constexpr int maprowstep = 180;      // between the three rows of stage cards
inline constexpr int mapglowreachx = 100;   // a stage card glows while the pointer is this close
inline constexpr int mapglowreachy = 60;
inline constexpr int mapbarsfrom = -120;    // the bars start above and below the screen
inline constexpr int maptipside = 250;      // the tooltip panel sits this far beside its marker
inline constexpr int mapplaymax = 120;      // the play button works up to this toplevel
inline constexpr int mapdotstep = 50;       // between the page dots
inline constexpr int maparrowx = 120;       // the page arrows' distance from the centre
inline constexpr int maphookx = 82;         // the check mark's place on a stage card
inline constexpr int maphooky = 40;
inline constexpr int maphookframes = 40;    // frames the check mark takes to land
inline constexpr int maphookwait = 50;      // map frames before it starts
inline constexpr float mapstarscale = 0.42f;  // the tooltip's stars

// Marker x offsets from the card's centre by the number of levels in the stage (3, 4 or 5).
static const int markeroffsets[6][5] = {
    {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}, {-40, 0, 40, 0, 0}, {-60, -20, 20, 60, 0}, {-80, -40, 0, 40, 80}};

// The info panels sit 400 pixels out on the narrow screen and 470 on the wider ones; the
// bottom bar is narrowed to fit the narrow screen.
static int mappaneloffset() { return screenw == 1024 ? 400 : 470; }
static float mapbarscale() { return screenw == 1024 ? 0.8f : 1.0f; }

static bool mapplayerok() { return player >= 1 && player <= profileslots; }

static bool storylevel(int l) {
  for (int s : mapstorylevels)
    if (s == l) return true;
  return false;
}

int mapmarkerof(int stars) {
  if (stars == 1 || stars == 2) return 3;
  if (stars == 3) return 4;
  return 1;  // no result (or a value the game never writes)
}

// Stage glows, marker hovering and the tooltip: nothing over the map, no paused sign, the shop
// hint not showing.
static bool mapinputfree() {
  return popuplevel == 0 && pausesign == -1 && mapopen == 0 && (maphint[player] == 0 || maphint[player] >= maphintdone);
}

void loadmapstuff() {
  lastfunc = "loadmapstuff()";
  bool mid = AutoMidHandleOn();
  AutoMidHandle(true);
  for (int i = 0; i <= mapmarkers; i++) mapstarimg[i] = loadimg("data\\map\\mapstar2" + std::to_string(i) + ".png");
  AutoMidHandle(mid);
}

void loadmapstuff_dynamic() {
  lastfunc = "loadmapstuff_dynamic()";
  loadstorymapstuff();
  bool mid = AutoMidHandleOn();
  AutoMidHandle(true);
  mapstoryimg = loadimg("data\\map\\mapstory.png");
  mapuidownimg = loadimg("data\\map\\map-ui-down.png");
  mapuiupimg = loadimg("data\\map\\map-ui-up.png");
  mapstageimg = loadimg("data\\map\\stage.png");
  selectorimg = loadimg("data\\map\\selector.png");
  selectorfullimg = loadimg("data\\map\\selector-full.png");
  for (int i = 1; i <= 9; i++) mappicimg[i] = loadimg("data\\map\\map-pic" + std::to_string(i) + ".png");
  mapsignimg = loadimg("data\\map\\mapsign.png");
  hookimg = loadimg("data\\map\\hook.png");
  mapglowimg = loadimg("data\\ui\\glow.png");
  AutoMidHandle(mid);
}

void deletemapstuff_dynamic() {
  deletestorymapstuff();
  mapstoryimg = mapuidownimg = mapuiupimg = mapstageimg = nullptr;
  selectorimg = selectorfullimg = mapsignimg = hookimg = mapglowimg = nullptr;
  mappicimg.fill(nullptr);
}

void sanemapprogress() {
  if (hookstage < 0 || hookstage > mapstages) hookrun = hookstage = 0;
  if (!mapplayerok()) return;
  const int p = player;
  // A damaged profile stands at the nearest level the map can show: level 1 at the least,
  // the ending at the most, and never beyond the frontier.
  toplevel[p] = std::clamp(toplevel[p], 1, mapendlevel);
  maplevel[p] = std::clamp(maplevel[p], 1, toplevel[p]);
  maphint[p] = std::clamp(maphint[p], 0, maphintdone);
  if (cash[p] < 0) cash[p] = 0;
}

void resetmapstate() {
  mapframe = 0;
  mappage = 1;
  mapscroll = mapscrollto = 0;
  barposto = 60;
  nodex.fill(0);
  nodey.fill(0);
  nodeglow.fill(0);
  tipfade = tipx = tipy = maphovered = 0;
  shopsparkle = 0;
  mapchosen = 0;
  hookrun = hookstage = 0;
  resetstorymap();
}

void instadventuremap() {
  lastfunc = "instadventuremap()";
  Print("instadventuremap()");
  prevscreen = screen;
  // The other screens' pictures go: the loading screen's (left over when the menu was left
  // early), the main menu's, the shop's and the title scene.
  deleteloadstuff_dynamic();
  deletemenustuff_dynamic();
  deleteshopstuff();
  deletetitlebg();
  deletestorystuff_dynamic();
  loadmapstuff_dynamic();
  sanemapprogress();
  stage = mapplayerok() ? stageof(toplevel[player]) : 1;
  loadgamebg_dynamic(SCREEN_MAP, 0);
  shopsparkle = 0;
  inputon = 1;
  mapframe = 0;
  tipfade = 0;
  maphovered = 0;
  mapkeylevel = 0;
  mapchosen = 0;
  openstorymap(0, 0);  // every counter of the journey map cleared ...
  mapopen = 0;         // ... and the map closed
  pausesign = -1;
  menuframe = 0;
  resetpopups();  // a popup of the screen left behind does not follow the player here
  mappage = stage <= 9 ? 1 : stage <= 18 ? 2 : 3;
  mapscrollto = (mappage - 1) * mappagewidth;
  mapscroll = 0;  // the map glides from the first page to the player's page
  barpos = barposto = mapbarsfrom;
  // Coming from the main menu its tune simply goes on: the two share it.
  if (prevscreen != SCREEN_MENU && prevscreen != 19) playmusic("/music/menu.ogg", 1);
  for (int s = 1; s <= 20; s++) nodeglow[s] = 0;
  endtime = 0;
  PlayS(SFX_MAPENTER, 0);
  screen = SCREEN_MAP;
  fadereset();
}

void drawmapbars() {
  barposto = 60;
  barpos = int(barpos - (barpos - barposto) * 0.1f);
  SetScale(mapbarscale(), 1);
  drawimg(mapuidownimg, float(midx), float(screenh - barpos));
  SetScale(1, 1);
  drawimg(mapuiupimg, float(midx), float(barpos - 13));
}

// Starts level l as chosen on the map: its unfinished round, if any, goes.
static void mapstartlevel(int l, float x) {
  clearsavedround();
  maplevel[player] = l;
  PlayS(SFX_LEVELCHOSEN, x);
  selectedlevel = l;
  startlevel(l);
}

// A level chosen while a round is stored asks first (popup 442), so the round is never
// dropped by a stray click.
static void mapchooselevel(int l, float x) {
  mousehit1 = 0;
  if (savedgame[player] > 0) {
    mapchosen = l;
    openpopup(POPUP_MAP);
    return;
  }
  mapstartlevel(l, x);
}

void drawmaphud() {
  const int d = mappaneloffset();
  const int p = player;
  drawimg(fieldimg, float(midx - d), float(barpos - 16));
  drawimg(fieldimg, float(midx + d), float(barpos - 16));
  drawtext(menutext(14, 12), float(midx - d - 83), float(barpos - 33), ALIGN_LEFT, 7);
  drawtext(playername[p], float(midx - d + 77), float(barpos - 33), ALIGN_RIGHT, 7);
  drawtext(menutext(14, 11), float(midx - d - 83), float(barpos - 12), ALIGN_LEFT, 7);
  drawtext(std::to_string(cash[p]), float(midx - d + 77), float(barpos - 12), ALIGN_RIGHT, 7);
  drawtext(menutext(14, 1), float(midx - 60), float(barpos - 36), ALIGN_CENTRE, 2);
  drawtext(menutext(14, 7) + " " + std::to_string(mappage), float(midx - 60), float(barpos - 13), ALIGN_CENTRE, 2);
  if (toplevel[p] < mapendlevel) {
    // The frontier's stage and its round in that stage.
    int st = stageof(toplevel[p]);
    drawtext("- " + gametext(2, st) + " -", float(midx + d - 3), float(barpos - 33), ALIGN_CENTRE, 7);
    drawtext(menutext(14, 8) + " " + std::to_string(toplevel[p] - stagelast[st - 1]), float(midx + d - 3),
             float(barpos - 12), ALIGN_CENTRE, 7);
  } else {
    drawtext(menutext(14, 16), float(midx + d), float(barpos - 33), ALIGN_CENTRE, 7);
    drawtext(menutext(14, 17), float(midx + d), float(barpos - 12), ALIGN_CENTRE, 7);
  }
  buttonlayer = popuplevel > 0 || mapopen > 0 ? 2 : 1;
  if (button(float(midx - d), float(screenh - barpos - 25), 12, 1, menutext(14, 18)) == BUTTON_CLICK) fadeto(SCREEN_SHOP, 0, 0);
  if (button(float(midx + 80), float(barpos - 15), 11, 1, gametext(3, 3)) == BUTTON_CLICK) fadeto(SCREEN_MENU, 0, 0);
  if (button(float(midx - maparrowx), float(screenh - barpos), 13, 1, "") == BUTTON_CLICK && mappage > 1) {
    mappage--;
    mapscrollto -= mappagewidth;
  }
  if (button(float(midx + maparrowx), float(screenh - barpos), 14, 1, "") == BUTTON_CLICK && mappage < mappages) {
    mappage++;
    mapscrollto += mappagewidth;
  }
  mapscroll = easestep(mapscroll, mapscrollto, 0.05f);
  for (int i = 1; i <= mappages; i++) {
    float x = float(midx + (i - 2) * mapdotstep), y = float(screenh - barpos);
    drawimg(i == mappage ? selectorfullimg : selectorimg, x, y);
    if (buttonlayer == 1 && pausesign == -1 && fadestate == 1 &&
        ImagesCollide(collimg, float(mousex), float(mousey), 0, selectorimg, x, y, 0)) {
      SetBlend(BLEND_LIGHT);
      SetAlpha(0.3f);
      drawimg(i == mappage ? selectorfullimg : selectorimg, x, y);
      SetAlpha(1);
      SetBlend(BLEND_ALPHA);
      if (mousehit1 == 1) {
        mousehit1 = 0;
        PlayS(SFX_CLICK, float(mousex));
        mappage = i;
        mapscrollto = (i - 1) * mappagewidth;
      }
    }
  }
  int playlayer = toplevel[p] <= mapplaymax ? 1 : 0;
  float px = float(midx + d), py = float(screenh - barpos - 25);
  if (button(px, py, 12, playlayer, menutext(14, 6)) == BUTTON_CLICK) {
    // The stored round is resumed only when it belongs to the frontier level.
    if (savedgame[p] > 0 && maplevel[p] < toplevel[p]) {
      mapchooselevel(toplevel[p], float(mousex));
    } else {
      maplevel[p] = toplevel[p];
      selectedlevel = toplevel[p];
      PlayS(SFX_LEVELCHOSEN, float(mousex));
      startlevel(selectedlevel);
    }
  }
  if (playlayer == buttonlayer) {
    SetBlend(BLEND_LIGHT);
    SetAlpha(0.2f + 0.2f * sind(5.0f * framecount));
    drawimg(buttonimg[12], px, py);
    SetAlpha(1);
    SetBlend(BLEND_ALPHA);
  }
}

// Golden sparkles round the shop button: above, below, at the ends; each place by its own chance.
static void sparklesround(int above, int below, int ends) {
  const int x0 = midx - mappaneloffset(), y0 = screenh - barpos - 25;
  if (Rand(1, above) == 1) addeffect(float(x0 + Rand(-100, 100)), float(y0 - 30), EFF_SPARKLE, 0, 0);
  if (Rand(1, below) == 1) addeffect(float(x0 + Rand(-100, 100)), float(y0 + 30), EFF_SPARKLE, 0, 0);
  if (Rand(1, ends) == 1) addeffect(float(x0 - 100), float(y0 + Rand(-30, 30)), EFF_SPARKLE, 0, 0);
  if (Rand(1, ends) == 1) addeffect(float(x0 + 100), float(y0 + Rand(-30, 30)), EFF_SPARKLE, 0, 0);
}

void shopsparkles() {
  if (shopsparkle >= 100) return;
  shopsparkle++;
  sparklesround(4, 4, 15);
}

void drawmaphint() {
  int& hint = maphint[player];
  if (hint <= 0 || hint >= maphintdone || mapopen != 0) return;
  sparklesround(2, 2, 5);
  if (hint < 80) hint++;
  // Invisible for the hint's first 60 frames, then fading in over 20.
  SetAlpha(std::clamp((hint - 60) * 0.05f, 0.0f, 1.0f));
  const int d = mappaneloffset();
  SetRotation(270);
  drawimg(buttonimg[6], float(midx - d), float(int(screenh - 130 + 10 * sind(10.0f * framecount))));
  SetRotation(0);
  drawimg(quickhelpsign, 210, float(screenh - 220));
  const int ys[5] = {0, 260, 230, 213, 196};
  for (int i = 1; i <= 4; i++) drawtext(menutext(22, i), 210, float(screenh - ys[i]), ALIGN_CENTRE, 7);
  SetAlpha(1);
  if (mousehit1 == 1 || keyreturn == 1 || keyspace == 1) hint = maphintdone;  // the hint never shows again for this player
}

void maphook(int x, int y, int s) {
  float alpha = 0, scale = 1;
  if (toplevel[player] > stagelast[s] && s != hookstage) {
    alpha = 1;
    scale = 0.6f;
  }
  if (s == hookstage && hookrun > 0 && mapframe > maphookwait) {
    hookrun++;
    Print("maphookrun: " + std::to_string(hookrun));
    // The mark shrinks from 1.6 onto the card while it fades in.
    alpha = hookrun * 0.025f;
    scale = 1.6f - hookrun * 0.025f;
    if (hookrun > maphookframes) {
      hookrun = hookstage = 0;
      starburst(x + maphookx, y + maphooky, 5);
      PlayS(SFX_STAGEDONE, float(x + maphookx));
      openstorymap(mapx, mapy);
    }
  }
  if (alpha > 0) {
    SetScale(scale, scale);
    SetAlpha(alpha);
    drawvisible(hookimg, float(x + maphookx), float(y + maphooky));
    SetScale(1, 1);
    SetAlpha(1);
  }
}

// The level markers of stage s; the one under the pointer becomes the hovered level.
static void drawmarkers(int s, bool free) {
  const int n = std::clamp(stagesize[s], 0, 5);
  const int top = toplevel[player];
  for (int j = 1; j <= n; j++) {
    const int l = stagelast[s - 1] + j;
    const float mx = float(int(nodex[s] + markeroffsets[n][j - 1])), my = float(nodey[s] - 4);
    if (storylevel(l)) drawimg(mapstoryimg, mx, my);
    drawimg(mapstarimg[mapmarkerof(levelstars[player][l])], mx, my);
    if (l == top) {
      // The frontier level: a swaying glow and a pulsing light.
      SetRotation(5 * sind(float(framecount)));
      SetAlpha(0.8f + 0.2f * sind(2.0f * framecount));
      SetScale(0.2f, 0.2f);
      drawimg(mapglowimg, mx, my);
      SetScale(1, 1);
      SetRotation(0);
      SetBlend(BLEND_LIGHT);
      SetAlpha(0.3f + 0.2f * sind(10.0f * framecount));
      drawimg(mapstarimg[0], mx, my);
      SetAlpha(1);
      SetBlend(BLEND_ALPHA);
    }
    bool keyed = mapkeylevel > 0 ? l == mapkeylevel : ImagesCollide(collimg, float(mousex), float(mousey), 0, mapstarimg[1], mx, my, 0);
    if (free && keyed) {
      SetBlend(BLEND_LIGHT);
      SetAlpha(0.5f);
      drawimg(mapstarimg[3], mx, my);
      SetAlpha(1);
      SetBlend(BLEND_ALPHA);
      maphovered = l;
      tipx = int(mx);
      tipy = int(my);
    }
  }
}

// The open level d stages on from level l (d = -3 a row up, 3 a row down), at the same place in
// its stage as far as that stage has levels; 0 when there is no such stage or it is not open.
static int levelrowsaway(int l, int d) {
  int s = stageof(l), t = s + d;
  if (t < 1 || t > mapstages) return 0;
  int at = std::clamp(l - stagelast[s - 1], 1, std::max(1, stagesize[t]));
  int to = stagelast[t - 1] + at;
  return to <= std::min(toplevel[player], lastlevel) ? to : 0;
}

// The arrow keys choose among the open levels: Left and Right one level, Up and Down a row of
// stages; the first press starts at the frontier. Enter starts the chosen level, and the map
// turns to its page. The mouse, or Tab for the buttons, takes over again.
static void mapkeys(bool free) {
  if (!free || fadestate != 1) return;
  arrowsclaimed = 1;
  if (keyleft + keyright + keyup + keydown > 0) focusshown = 0;  // the arrows leave the buttons' ring
  if (mousestirred == 1 || mousehit1 == 1 || focusshown == 1) mapkeylevel = 0;
  if (focusshown == 1) return;
  const int open = std::min(toplevel[player], lastlevel);
  if (open < 1) return;
  int l = mapkeylevel;
  if (keyleft + keyright + keyup + keydown > 0) {
    if (l == 0) l = open;
    else if (keyleft == 1) l = std::max(1, l - 1);
    else if (keyright == 1) l = std::min(open, l + 1);
    else if (int t = levelrowsaway(l, keyup == 1 ? -3 : 3)) l = t;
    mapkeylevel = l;
    tipfade = 0;
  }
  if (mapkeylevel == 0) return;
  int page = (stageof(mapkeylevel) - 1) / 9 + 1;
  if (page != mappage) {
    mappage = page;
    mapscrollto = (page - 1) * mappagewidth;
  }
  if (keyreturn == 1 || keyspace == 1) {
    int chosen = mapkeylevel;
    mapkeylevel = 0;
    mapchooselevel(chosen, float(tipx));
  }
}

// One stage card: its glow, the tilted picture, the title sign and the level markers.
static void drawstage(int s, bool free) {
  if (free && std::fabs(mousex - nodex[s]) < mapglowreachx && std::abs(mousey - nodey[s]) < mapglowreachy)
    nodeglow[s] += 2;
  nodeglow[s] = std::clamp(nodeglow[s] - 1, 0, 10);
  const int k = nodeglow[s];
  const float x = nodex[s];
  const int y = nodey[s];
  // Cards of the other pages are only worked out, not drawn.
  if (x > -200 && x < screenw + 200) {
    drawimg(mapstageimg, x, float(y - 20));
    SetRotation(float(5 % s - 3));
    drawimg(mappicimg[(s - 1) / 3 + 1], x, y - 20 - 0.5f * k);
    SetRotation(0);
    SetScale(1, 1);
    drawimg(mapsignimg, x, float(y + 40));
    drawtext(gametext(2, s), x - 3, float(y + 27), ALIGN_CENTRE, 2);
    if (k > 0) {
      SetBlend(BLEND_LIGHT);
      SetAlpha(effalpha * k * 0.01f);
      drawimg(mapsignimg, x, float(y + 43));
      drawtext(gametext(2, s), x, float(y + 26), ALIGN_CENTRE, 2);
      SetAlpha(effalpha);
      SetBlend(BLEND_ALPHA);
    }
    drawmarkers(s, free);
  }
  maphook(int(x), y, s);
}

// The tooltip of the hovered level: its number, the miniature, the best and par, the result
// and its stars; a click starts it when it is open.
static void drawmaptip(int l) {
  tipfade = std::min(tipfade + 1, 20);
  SetAlpha(tipfade * 0.05f);
  const float x = float(tipx > midx + 100 ? tipx - maptipside : tipx + maptipside), y = float(tipy);
  SetScale(0.6314f, 0.6f);
  drawimg(popuppanelimg, x, y);
  SetScale(1, 1);
  drawtext("- " + menutext(14, 2) + " " + std::to_string(l) + " -", x, y - 145, ALIGN_CENTRE, 4);
  drawpreview(x - 174, y - 153, l);
  const int best = levelbest[player][l];
  const std::string par = std::to_string(levelpar[l]);
  drawtext(gametext(1, 8), x - 145, y + 105, ALIGN_LEFT, 7);
  drawtext(best >= 99 || best < 0 ? "- / " + par : std::to_string(best) + " / " + par, x - 145, y + 125, ALIGN_LEFT, 7);
  const int stars = levelstars[player][l];
  drawtext(menutext(14, 19), x + 145, y + 105, ALIGN_RIGHT, 7);
  std::string result = stars == 1 || stars == 2 ? "-" + menutext(14, 21) + "-"
                       : stars == 3             ? "-" + menutext(14, 22) + "-"
                                                : menutext(14, 23);
  drawtext(result, x + 145, y + 125, ALIGN_RIGHT, 7);
  SetScale(mapstarscale, mapstarscale);
  for (int k = 1; k <= 3; k++) {
    int pic = stars == 3 ? 3 : (stars == 1 || stars == 2) && k <= stars ? 2 : 1;
    drawimg(starimgs[pic], x - 54 + 32 * k, y + 125);
  }
  SetScale(1, 1);
  SetAlpha(1);
  // Only opened levels start; a closed one shows its tooltip and nothing more.
  if (popuplevel == 0 && pausesign == -1 && mapopen == 0 && fadestate == 1 && l <= toplevel[player] &&
      mousehit1 == 1)
    mapchooselevel(l, float(tipx));
}

// Popup 442: a level is chosen while a round of level maplevel is stored. Choosing that same
// level again offers to go on or deal afresh; another level asks whether to drop the round.
void drawmappopup() {
  if (popupid != POPUP_MAP || popuplevel <= 0 || !mapplayerok()) return;
  const int p = player;
  float alpha = GetAlpha();
  SetAlpha(alpha * popuplevel * 0.0625f);
  popuppanel(float(midx), float(midy), menutext(18, 1));
  const bool same = mapchosen == maplevel[p];
  drawtext(menutext(18, 2) + " " + std::to_string(maplevel[p]) + " " + menutext(18, 3), float(midx), float(midy - 60),
           ALIGN_CENTRE, 7);
  if (same) {
    drawtext(menutext(18, 4), float(midx), float(midy - 20), ALIGN_CENTRE, 7);
    drawtext(menutext(18, 5), float(midx), float(midy + 10), ALIGN_CENTRE, 7);
  } else {
    drawtext(menutext(18, 6) + " " + std::to_string(mapchosen) + " " + menutext(18, 7), float(midx), float(midy - 20),
             ALIGN_CENTRE, 7);
  }
  // Buttons answer only while the popup is opening or open, never while it fades away.
  const int layer = popupdir == 1 ? 2 : -1;
  int left = button(float(midx - 82), float(midy + 160), 3, layer, menutext(18, same ? 9 : 11));
  int right = button(float(midx + 82), float(midy + 160), 3, layer, menutext(18, same ? 8 : 10));
  SetAlpha(alpha);
  if (popupdir != 1) return;
  bool chosen = mapchosen >= 1 && mapchosen <= toplevel[p];
  if ((left == BUTTON_CLICK && same) || (right == BUTTON_CLICK && !same)) {
    closepopup();
    if (chosen) mapstartlevel(mapchosen, float(midx));
  } else if (right == BUTTON_CLICK && same) {
    // Back to the stored round as it was left.
    closepopup();
    selectedlevel = maplevel[p];
    PlayS(SFX_LEVELCHOSEN, float(midx));
    fadeto(SCREEN_GAME, 0, 0);
  } else if (left == BUTTON_CLICK || (keyesc == 1 && esccooldown == 30)) {
    closepopup();
  }
}

void showadventuremap() {
  lastfunc = "showadventuremap()";
  if (!mapplayerok()) {
    // Nobody to show the map for: back to the main menu, where a player is chosen.
    drawgamebg();
    if (fadestate == 1) fadeto(SCREEN_MENU, 0, 0);
    return;
  }
  sanemapprogress();
  const int p = player;
  SetColor(fadelevel, fadelevel, fadelevel);
  effalpha = 1.0f;
  SetBlend(BLEND_ALPHA);
  drawgamebg();
  SetScale(1, 1);
  SetAlpha(1);
  drawmapbars();
  drawmaphud();
  shopsparkles();
  if (maplevel[p] > 1 && maphint[p] == 0 && mapframe > maphintstart && mapopen == 0) maphint[p] = 1;
  if (devmode == 1 && keyf4 == 1) {
    for (int l = 1; l <= lastlevel; l++) levelstars[p][l] = 2;
    toplevel[p] = maplevel[p] = 102;
  }
  mapframe++;
  // Stage cards: on each page three columns of three rows, stages running left to right.
  for (int i = 0; i < mappages; i++)
    for (int j = 1; j <= 3; j++) {
      float x = float(midx + mappagewidth * i + mapcolumnstep * j - mapcolumnfirst - mapscroll);
      for (int r = 0; r < 3; r++) {
        int s = 9 * i + j + 3 * r;
        nodex[s] = x;
        nodey[s] = midy - maprowstep + maprowstep * r;
      }
    }
  maphovered = 0;
  const bool free = mapinputfree();
  mapkeys(free);
  for (int s = 1; s <= mapstages; s++) drawstage(s, free);
  // The small journey roll lying at the bottom; a click unrolls it.
  if (mapopen == 0) {
    mapx = midx + 220;
    mapy = screenh - barpos - 10;
    SetRotation(30);
    drawimg(maprollsmallimg, float(mapx), float(mapy));
    if (ImagesCollide(coll2img, float(mousex), float(mousey), 0, maprollsmallimg, float(mapx), float(mapy), 0)) {
      drawimg(maprollsmall2img, float(mapx), float(mapy));
      if (mousehit1 == 1 && free && fadestate == 1) {
        mousehit1 = 0;
        SetRotation(0);
        openstorymap(mapx, mapy);
      }
    }
    SetRotation(0);
  }
  showstorymap();
  if (maphovered > 0 && mapframe > maphintstart) drawmaptip(maphovered);
  else tipfade = 0;
  SetScale(1, 1);
  SetAlpha(1);
  SetBlend(BLEND_ALPHA);
  drawmaphint();
  draweff();
  SetAlpha(1);
  drawpopups();
  drawmappopup();
}
