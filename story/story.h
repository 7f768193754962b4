// The story screen (screen 18): a chapter's painted scene, its text panel, the speech bubbles
// and the objects that can be clicked, and the way into the next round.
#pragma once

// ---- The story screen's own state, reset by inststory; the journey map reads and writes two ----
inline int storypart = 0;   // 0 the chapter's scene; 1 chapter 1's search for the hidden map
inline int storyleave = 0;  // 1 asks the story screen to leave for the round (set by the journey map's close)

void inststory(int chapter);
void showstory();
