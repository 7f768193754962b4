// A small kit for the chapter 4, 5 and 6 snapshots: a real start-up, a player standing on
// the chapter's level, the chapter started as the map starts it, whole frames with the
// pointer and clicks, and the journey map closed as a person closes it.
#pragma once
#include "tools/snapshot/snapshot.h"
#include <string>

bool storysnapstart(int width);    // start-up at that screen width with a fresh player; false if it failed
bool storysnapenter(int level);    // the level's chapter entered; false if the story screen did not come
void storysnapskipmap();           // waits for the journey map to open, then closes it and waits it out
void storysnapto(int t);           // frames until the story clock shows t
