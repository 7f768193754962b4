// Chapter 10: its own state, its pictures and its scene.
#include "story/scenes.h"
#include "story/story.h"

void loadchapter10() {}
void storyscene10() {}
