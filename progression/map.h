// The adventure map (screen 13): three pages of nine stages, the level markers, the preview of
// a level, the buttons to the shop and the main menu.
#pragma once

void instadventuremap();
void showadventuremap();

// ---- The check mark over a just-finished stage: armed by the game's end screen, cleared by
// every game start (0 = none) ----
inline int hookrun = 0;    // frame of the check-mark animation
inline int hookstage = 0;  // the stage it marks
