// Chapter 8: its own state, its pictures and its scene.
#include "story/scenes.h"
#include "story/story.h"

void preparechapter8() {}
void loadchapter8() {}
void storyscene8() {}
