// Starting a level: its story chapter first at the chapter levels, otherwise the game.
#pragma once

inline constexpr int chaptercount = 10;
// The level that opens each chapter; 104 is the ending after the last level (slot 0 unused).
inline constexpr int chapterlevel[chaptercount + 1] = {0, 1, 10, 20, 32, 44, 56, 68, 80, 92, 104};

// ---- Kept until quit: the level chosen to play (the map, the continue popup, winreset) ----
inline int selectedlevel = 1;

int chapterof(int level);  // the chapter that level opens, 0 for none
void startlevel(int level);
