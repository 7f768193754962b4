// Chapter 2: its own state, its pictures and its scene.
#include "story/scenes.h"
#include "story/story.h"

void preparechapter2() {}
void loadchapter2() {}
void storyscene2() {}
