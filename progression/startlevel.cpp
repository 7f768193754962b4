#include "progression/startlevel.h"
#include "shell/dispatch.h"
#include "shell/profiles.h"
#include "shell/state.h"

int chapterof(int level) {
  for (int c = 1; c <= chaptercount; c++)
    if (chapterlevel[c] == level) return c;
  return 0;
}

void startlevel(int level) {
  lastfunc = "startlevel()";
  // A retry never shows the chapter again.
  int lost = player >= 1 && player <= 15 ? failcount[player] : 0;
  int chapter = chapterof(level);
  if (lost == 0 && chapter > 0) fadeto(SCREEN_STORY, chapter, 0);
  else fadeto(SCREEN_GAME, 0, 0);
}
