// Chapter 1: its own state, its pictures and its scene.
#include "story/scenes.h"
#include "story/story.h"

void preparechapter1() {}
void loadchapter1() {}
void storyscene1() {}
void storyscene1b() {}
