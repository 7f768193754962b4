#include "progression/shop.h"
#include "shell/dispatch.h"
#include "shell/state.h"

void instshop() {
  screen = SCREEN_SHOP;
  fadereset();
}
void showshop() { lastfunc = "showshop()"; }
