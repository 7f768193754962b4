// The panels and plates with the text the game writes on them, each at the offsets its screen
// uses: the game's top band and points bar (with the double-points "x2"), the map's info
// plaques, the hall of fame, the player list, the name field, the no-moves sign and the shop's
// header. One page, "panels.png", to judge whether every plate holds its words.
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

bool snappanels() {
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
