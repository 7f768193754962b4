#include "story/story.h"
#include "shell/dispatch.h"
#include "shell/state.h"

void inststory(int chapter) {
  lastfunc = "inststory(a:" + std::to_string(chapter) + ")";
  screen = SCREEN_STORY;
  fadereset();
}
void showstory() { lastfunc = "showstory()"; }
