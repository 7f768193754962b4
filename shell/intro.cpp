#include "shell/intro.h"
#include "shell/dispatch.h"
#include "shell/state.h"

void instintro(int page) {
  lastfunc = "instintro(w:" + std::to_string(page) + ")";
  screen = SCREEN_SPLASH;
  fadereset();
}
void showintro() {}
void instload() {
  screen = SCREEN_LOADING;
  fadereset();
}
void showload() {}
