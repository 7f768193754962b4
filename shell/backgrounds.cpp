#include "shell/backgrounds.h"
#include "shell/gfx.h"
#include "shell/state.h"

void loadtitlebg() {}
void drawtitlebg(float target) {}
void deletetitlebg() {}
void loadgamebg_dynamic(int kind, int flag) {}
void deletegamebg() {
  gamebg = nullptr;
  gamebgnum = 0;
}
void drawgamebg() {
  if (gamebg) drawimg(gamebg, float(midx), float(midy));
}
