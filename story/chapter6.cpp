// Chapter 6: its own state, its pictures and its scene.
#include "story/scenes.h"
#include "story/story.h"

void preparechapter6() {}
void loadchapter6() {}
void storyscene6() {}
