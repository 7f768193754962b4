// Backdrops: the animated title landscape behind the loading screen and the main menu, and
// the game background, one picture per three stages, behind the table and the map.
#pragma once
#include "runtime/runtime.h"

// ---- The game background (loadgamebg_dynamic), kept until another number is needed ----
inline Image gamebg;      // the loaded picture, centred handle
inline int gamebgnum = 0;  // its number 1..9, 0 when none is loaded

void loadtitlebg();
void drawtitlebg(float target);
void deletetitlebg();
void loadgamebg_dynamic(int kind, int flag);
void deletegamebg();
void drawgamebg();
