#include "story/story.h"
#include "progression/map.h"
#include "progression/shop.h"
#include "shell/dispatch.h"
#include "shell/state.h"

void inststory(int chapter) {
  lastfunc = "inststory(a:" + std::to_string(chapter) + ")";
  // The map's and the shop's pictures go (the map's release takes the journey map's too).
  deletemapstuff_dynamic();
  deleteshopstuff();
  screen = SCREEN_STORY;
  fadereset();
}
void showstory() { lastfunc = "showstory()"; }
