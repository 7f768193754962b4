// Chapter 5: its own state, its pictures and its scene.
#include "story/scenes.h"
#include "story/story.h"

void preparechapter5() {}
void loadchapter5() {}
void storyscene5() {}
