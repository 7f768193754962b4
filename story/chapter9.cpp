// Chapter 9: its own state, its pictures and its scene.
#include "story/scenes.h"
#include "story/story.h"

void preparechapter9() {}
void loadchapter9() {}
void storyscene9() {}
