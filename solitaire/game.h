// The game screen (screen 12): one level from the deal to the end screen, the stored game,
// the bars and signs over the table.
#pragma once
#include "runtime/runtime.h"
#include <string>

// ---- The game screen's own state (reset by instgame) ----
inline int gametime = 0;        // frames of this game, counted while no popup is open and not paused
inline int resumed = 0;         // 1 when the game was resumed from the profile
inline int prevstars = 0;       // the level's stars before this game (the end screen shows them)
inline int endbuttons = 2;      // end-screen buttons: 2 next level (or again) and map, 1 only the map
inline int itemnotice = 0;      // frames the earned-item notice has been up, 0 = not shown
inline int itemnoticek = 0;     // the extra it tells of (1 the plants, 2..11 the items)
inline int nomoves = 0;         // fade-in frames of the no-moves dialog, 0 = hidden
inline int nomovechoice = 0;    // 1 once the player answered the dialog
inline int stuckframes = 0;     // frames in a row with nothing to play and an empty stock
inline int autoendframes = 0;   // frames in a row with nothing to play and no usable extra
inline int roundtick = 0;       // the round clock's last tick counted into roundtime
inline int cardbackhover = 0;   // card-back popup: frames the pointer rested on an unlocked design
// The map's check-mark animation is armed by the end screen (hookrun, hookstage: progression/map.h).

// ---- Game-screen pictures (loadgamestuff_dynamic .. deletegamestuff_dynamic) ----
inline Image gameuiupimg;      // the top band
inline Image gameuidownimg;    // the bottom band
inline Image solvedsignimg;    // result signs of the end screen
inline Image strikesignimg;
inline Image failsignimg;
inline Image playimg;          // "play.png": the sign that grows at the start of play
inline Image tutorialsignimg;  // the tutorial's panel, also the no-moves dialog's

void instgame();
void showgame();
void gameframe();
void playframe();
void endframe();
void makewin();     // the end screen, while endtime > 0
void winreset();    // progress after a won game
void losereset();   // progress after a lost game
void drawgameui();
void drawclearedsign();
void playsign();
void loadgamestuff_dynamic();
void deletegamestuff_dynamic();
void clearsavedround();  // no stored game and a fresh start of the level's round values
// Checks a stored table before it is resumed: every value must be one the game can index
// with. Returns "" when it can be resumed, else what is wrong.
std::string storedgameproblem(int p);
void resetgamestate();  // every game-screen value back to a fresh start (tests)
