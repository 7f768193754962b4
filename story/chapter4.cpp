// Chapter 4: its own state, its pictures and its scene.
#include "story/scenes.h"
#include "story/story.h"

void preparechapter4() {}
void loadchapter4() {}
void storyscene4() {}
void scatterrain() {}
