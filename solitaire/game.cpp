#include "solitaire/game.h"
#include "shell/dispatch.h"
#include "shell/state.h"

void instgame() {
  lastfunc = "instgame()";
  prevscreen = screen;
  screen = SCREEN_GAME;
  fadereset();
}
void showgame() { lastfunc = "showgame()"; }
