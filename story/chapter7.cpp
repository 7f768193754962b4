// Chapter 7: its own state, its pictures and its scene.
#include "story/scenes.h"
#include "story/story.h"

void preparechapter7() {}
void loadchapter7() {}
void storyscene7() {}
