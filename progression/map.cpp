#include "progression/map.h"
#include "shell/dispatch.h"
#include "shell/state.h"

void instadventuremap() {
  lastfunc = "instadventuremap()";
  prevscreen = screen;
  inputon = 1;
  screen = SCREEN_MAP;
  fadereset();
}
void showadventuremap() { lastfunc = "showadventuremap()"; }
