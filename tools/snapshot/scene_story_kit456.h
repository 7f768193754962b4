// A small kit for the chapter 4, 5 and 6 snapshots: a real start-up, a player standing on
// the chapter's level, the chapter started as the map starts it, whole frames with the
// pointer and clicks, and the journey map closed as a person closes it.
#pragma once
#include <string>

bool storysnapstart(int width);    // start-up at that screen width with a fresh player; false if it failed
bool storysnapenter(int level);    // the level's chapter entered; false if the story screen did not come
void storysnapframes(int n);       // whole frames
void storysnappoint(int x, int y); // the pointer moves there (screen pixels) and a frame runs
void storysnapclick(int x, int y); // a click there: press for a frame, release for a frame
void storysnapskipmap();           // waits for the journey map to open, then closes it and waits it out
void storysnapto(int t);           // frames until the story clock shows t
