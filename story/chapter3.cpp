// Chapter 3: its own state, its pictures and its scene.
#include "story/scenes.h"
#include "story/story.h"

void preparechapter3() {}
void loadchapter3() {}
void storyscene3() {}
