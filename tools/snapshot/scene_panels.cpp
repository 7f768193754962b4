// The panels and plates with the text the game writes on them, each at the offsets its screen
// uses: the game's top band and points bar (with the double-points "x2"), the map's info
// plaques, the hall of fame, the player list, the name field and the no-moves sign on
// "panels.png"; the whole shop with its offers at the widest and the narrowest screen on
// "panels-shop-1366.png" and "panels-shop-1024.png"; the open journey map with its note paper
// on "panels-journey.png". Each page is there to judge whether every plate holds its words.
#include "tools/snapshot/snapshot.h"
#include "runtime/runtime.h"
#include "shell/gfx.h"
#include "shell/state.h"
#include "text/fonts.h"
#include "text/texts.h"
#include <string>

namespace {

Image pic(const std::string& path) {
  Image img = LoadImage("data/" + path, -1);
  if (img) MidHandleImage(img);
  return img;
}

void at(const Image& img, float x, float y) {
  if (img) DrawImage(img, x, y, 0);
}

// A strip of the scene's background behind a group, so plates show on the colours they meet.
void backdrop(const Image& bg, float x, float y) { at(bg, x, y); }

}  // namespace

static bool snapplates() {
  const int w = 1366, h = 1536;
  snapscreen(w, h);
  loadfonts();
  loadtexts();
  AutoMidHandle(true);
  Image bg = pic("bg/bg4.jpg"), bg2 = pic("bg/bg7.jpg");
  backdrop(bg, 683, 384);
  backdrop(bg2, 683, 384 + 768);
  // The game's top band as the game screen draws it with the bars settled (barpos 60).
  const int barpos = 60;
  at(pic("game/gameui-up.png"), 683, barpos - 12);
  drawtext(menutext(23, 2), 633, barpos - 36, ALIGN_CENTRE, 2);
  drawtext("- " + menutext(14, 2) + " 37 -", 633, barpos - 13, ALIGN_CENTRE, 2);
  at(pic("ui/button11.png"), 763, barpos - 15);
  drawtext(gametext(3, 3), 761, barpos - 25, ALIGN_CENTRE, 1);
  // The points bar with the coins and the double-points label.
  at(pic("game/pointsbar.png"), 172, barpos - 11);
  at(pic("game/balls.png"), 42, barpos - 11);
  drawtext("x2", 67, barpos - 12, ALIGN_CENTRE, 2);
  drawtext(gametext(3, 10), 157, barpos - 31, ALIGN_RIGHT, 7);
  drawtext("12450", 157, barpos - 6, ALIGN_RIGHT, 7);
  drawtext(gametext(3, 11), 315, barpos - 31, ALIGN_RIGHT, 7);
  drawtext("14 / 6", 315, barpos - 6, ALIGN_RIGHT, 7);
  at(pic("game/combobar.png"), w - 167, barpos - 9);
  drawtext(gametext(3, 12), w - 169, barpos - 42, ALIGN_CENTRE, 7);
  // The map's info plaques (barpos 51, panel offset 470).
  const int mb = 51, d = 470, my = 200;
  Image field = pic("ui/field.png");
  at(field, 683 - d, my + mb - 16);
  drawtext(menutext(14, 12), 683 - d - 83, my + mb - 33, ALIGN_LEFT, 7);
  drawtext("Wanda", 683 - d + 77, my + mb - 33, ALIGN_RIGHT, 7);
  drawtext(menutext(14, 11), 683 - d - 83, my + mb - 12, ALIGN_LEFT, 7);
  drawtext("12450", 683 - d + 77, my + mb - 12, ALIGN_RIGHT, 7);
  at(field, 683 + d, my + mb - 16);
  drawtext("- " + gametext(2, 11) + " -", 683 + d - 3, my + mb - 33, ALIGN_CENTRE, 7);
  drawtext(menutext(14, 8) + " 2", 683 + d - 3, my + mb - 12, ALIGN_CENTRE, 7);
  // The no-moves sign over the table.
  const int sx = 683, sy = 420;
  at(pic("ui/tutorialsign.png"), sx, sy);
  drawtext(gametext(5, 1), sx, sy - 51, ALIGN_CENTRE, 7);
  drawtextbox(gametext(5, 2), sx, sy - 40, 380, 20, ALIGN_CENTRE, 7);
  Image b15 = pic("ui/button15.png");
  at(b15, sx - 60, sy + 41);
  drawtext(gametext(5, 4), sx - 62, sy + 35, ALIGN_CENTRE, 7);
  at(b15, sx + 60, sy + 41);
  drawtext(gametext(5, 3), sx + 58, sy + 35, ALIGN_CENTRE, 7);
  // The name entry field with a name being typed.
  at(pic("ui/createplayer.png"), 683, 620);
  drawtext("Wanda Moss_", 683 - 140, 620 - 10, ALIGN_LEFT, 1);
  // The hall of fame (its headings sit on the popup panel above the board).
  const int hx = 360, hy = 1130;
  at(pic("ui/popupmedium.png"), hx, hy - 20);
  drawtext(menutext(19, 11), hx, hy - 185, ALIGN_CENTRE, 2);
  const int cols[4] = {-188, -56, 102, 188};
  for (int c = 0; c < 4; c++) drawtext(menutext(19, 4 + c), hx + cols[c], hy - 133, ALIGN_CENTRE, 7);
  at(pic("ui/scores2.png"), hx + 3, hy + 28);
  const char* names[8] = {"Wanda", "Igor", "Mabel", "Crispin", "Ottilie", "Bram", "Nell", "---"};
  for (int i = 1; i <= 8; i++) {
    int y = hy - 135 + 35 * i;
    drawtext(std::to_string(i), hx - 190, y, ALIGN_CENTRE, 7);
    drawtext(names[i - 1], hx - 150, y, ALIGN_LEFT, 7);
    drawtext(i < 8 ? std::to_string(52000 - 6100 * i) : "---", hx + 140, y, ALIGN_RIGHT, 7);
    drawtext(i < 8 ? std::to_string(104 - 11 * i) : "---", hx + 205, y, ALIGN_RIGHT, 7);
  }
  // The player list, one row highlighted as the current player.
  const int px = 1000, py = 1130;
  at(pic("ui/popupmedium.png"), px, py);
  drawtext(menutext(4, 8), px, py - 200, ALIGN_CENTRE, 7);
  at(pic("ui/playermenu.png"), px - 1, py + 8);
  Image bar = pic("ui/bar.png");
  for (int r = 1; r <= 9; r++) {
    int y = py - 171 + 26 * r;
    if (r == 2) at(bar, px, y + 10);
    drawtext(r <= 7 ? names[r - 1] : "Player " + std::to_string(r), px - 232, y, ALIGN_LEFT, 1);
    drawtext(menutext(4, 2) + " " + std::to_string(100 - 9 * r), px - 37, y, ALIGN_LEFT, 1);
    drawtext(std::to_string(52000 - 5200 * r) + " " + menutext(4, 7), px + 228, y, ALIGN_RIGHT, 1);
  }
  return savesnapshot("panels");
}

namespace {

// The shop as its screen lays it out at width w: the two headlines, the ten offers with their
// fields, price plates and buy buttons, the plant column, both bars, the header and the way back.
bool snapshop(int w) {
  const int h = 768, mx = w / 2;
  snapscreen(w, h);
  AutoMidHandle(true);
  at(pic("shop/shopbg.jpg"), mx, h / 2);
  Image field = pic("shop/field.png"), panel = pic("shop/panel.png"), head = pic("shop/headlinefield.png");
  Image coin = pic("game/balls.png"), buy = pic("texts/button9.png");
  at(head, mx - 100, 140);
  drawtext(menutext(21, 6), mx - 100, 130, ALIGN_CENTRE, 1);
  const char* items[11] = {"",        "fishslap",    "zombiekiller", "turnallup",  "zombieblaster", "maxbonus",
                           "newstable", "joker",     "randomextra",  "doublesuns", "suddenstrike"};
  const int prices[11] = {0, 2000, 1200, 1500, 3000, 3500, 3500, 5000, 2500, 3500, 12000};
  for (int i = 1; i <= 10; i++) {
    int x = mx + (i - 1) % 5 * 145 - 400, y = i <= 5 ? 260 : 480;
    at(field, x, y + 23);
    Image item = LoadImage(std::string("data/solitaire/") + items[i] + ".png", -1);
    if (item) SetImageHandle(item, 0, 0);
    at(item, x - 48, y - 71);
    at(panel, x, y + 79);
    SetScale(0.5f, 0.5f);
    at(coin, x - 50, y + 77);
    SetScale(1, 1);
    drawtext(std::to_string(prices[i]), x - 14, y + 66, ALIGN_CENTRE, 4);
    at(buy, x + 39, y + 79);
  }
  const int px = mx + 350;
  at(head, px, 140);
  drawtext(menutext(21, 5), px, 130, ALIGN_CENTRE, 1);
  Image glow = LoadImage("data/solitaire/glow.png", -1);
  if (glow) SetImageHandle(glow, 0, 0);
  for (int k = 1; k <= 8; k++) {
    int yk = 35 * k + 225;
    if (k > 5) {  // the last three are not held yet and glow
      SetBlend(BLEND_LIGHT);
      at(glow, px - 51, yk - 74);
      SetBlend(BLEND_ALPHA);
    }
    Image plant = LoadImage("data/solitaire/plant" + std::to_string(k + 1) + ".png", -1);
    if (plant) SetImageHandle(plant, 0, 0);
    at(plant, px - 48, yk - 71);
  }
  at(panel, px, 558);
  SetScale(0.5f, 0.5f);
  at(coin, px - 50, 556);
  SetScale(1, 1);
  drawtext("2400", px - 13, 545, ALIGN_CENTRE, 4);
  at(buy, px + 39, 557);
  at(pic("game/extrabar.png"), mx - 341, h - 40);
  const int qx = mx + (w == 1024 ? 270 : 290), qy = h - 56;
  at(pic("game/flowerbar.png"), qx, qy);
  const int dx[8] = {-140, -95, -50, -5, 46, 90, 130, 175}, dy[8] = {-40, -60, -70, -70, -80, -70, -60, -40};
  for (int k = 1; k <= 5; k++) at(pic("game/plant" + std::to_string(k + 1) + ".png"), qx + dx[k - 1] + 47, qy + dy[k - 1] + 62);
  at(pic("game/flowerbar2.png"), qx + 61, qy + 30);
  drawtext(menutext(21, 1), mx, 45, ALIGN_CENTRE, 4);
  at(coin, mx + 395, 26);
  drawtext("12450", mx + 365, 16, ALIGN_RIGHT, 3);
  at(pic("ui/button12.png"), mx, h - 45);
  drawtext(menutext(21, 2), mx - 2, h - 55, ALIGN_CENTRE, 1);
  return savesnapshot("panels-shop-" + std::to_string(w));
}

// The journey map fully open over the title landscape: the sheet between its rolls, the
// places passed so far, the arrow on the current level, the horde a step behind and the note
// paper with the legs of the journey, the current one bright and those ahead faint.
bool snapjourney() {
  const int w = 1366, h = 768, mx = w / 2, my = h / 2;
  snapscreen(w, h);
  AutoMidHandle(true);
  at(pic("bg/bg4.jpg"), mx, my);
  at(pic("story/mapmiddle.png"), mx, my);
  Image left = LoadImage("data/story/mapleft.png", -1), right = LoadImage("data/story/mapright.png", -1);
  if (left) SetImageHandle(left, 96, 384);
  if (right) SetImageHandle(right, 0, 384);
  at(left, mx - 450, my);
  at(right, mx + 450, my);
  const int markx[28] = {0,   36,  83,  40,  -1,  -1,  -2,  301, 301, 301, 407, 407, 407, 540,
                         540, 540, 373, 373, 373, 450, 446, 446, 524, 525, 525, 793, 707, 692};
  const int marky[28] = {0,   655, 655, 635, 629, 629, 620, 554, 545, 545, 544, 536, 533, 503,
                         492, 488, 343, 343, 343, 312, 260, 198, 164, 141, 93,  93,  93,  55};
  const int reached = 14;  // the player stands in the fourteenth place
  for (int j = 1; j <= reached; j++) {
    Image mark = LoadImage("data/story/mark" + std::to_string(j) + ".png", -1);
    if (mark) SetImageHandle(mark, 0, 0);
    SetAlpha(j < reached ? 1.0f : 0.8f);
    at(mark, mx - 450 + markx[j], my - 384 + marky[j]);
  }
  SetAlpha(1);
  at(pic("story/arrow.png"), mx - 450 + 446, 494 - 5);
  at(pic("story/zombies.png"), mx - 450 + 434, 500 + 50);
  const int paperx = mx - 300, papery = 250;
  at(pic("story/paper.png"), paperx, papery);
  drawtext(storytext(11, 1), paperx, papery - 229, ALIGN_CENTRE, 8);
  const int leg = (reached - 1) / 3 + 1;
  for (int j = 1; j <= 9; j++) {
    SetAlpha(j < leg ? 1.0f : j == leg ? 0.9f : 0.3f);
    drawtextbox(storytext(11, j + 1), paperx - 190, papery - 261 + 48 * j, 380, 16, ALIGN_LEFT, 8);
  }
  SetAlpha(1);
  at(pic("ui/button3.png"), mx + 370, my + 330);
  drawtext(storytext(11, 11), mx + 368, my + 320, ALIGN_CENTRE, 1);
  return savesnapshot("panels-journey");
}

}  // namespace

bool snappanels() {
  bool ok = snapplates();
  ok &= snapshop(1366);
  ok &= snapshop(1024);
  return snapjourney() && ok;
}
