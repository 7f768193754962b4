// The story screen (screen 18): a chapter's painted scene, its text panel, the speech bubbles
// and the objects that can be clicked, and the way into the next round.
#pragma once

void inststory(int chapter);
void showstory();
