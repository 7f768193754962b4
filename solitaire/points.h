// Points, combos and results: the one routine that awards points, the combo record, the
// combo bar, the points bar, the long-drive sign, and the rating of a finished game.
#pragma once
#include <string>

// Sparkle colours of the awards (their sparkles are kind 150 + colour).
enum {
  AWARD_TAKE = 2,      // a card taken onto the stable
  AWARD_COLUMN = 4,    // a column cleared
  AWARD_SPECIAL = 5,   // plant and animal cards, extras
  AWARD_FIREWORK = 7,  // end-screen fireworks
  AWARD_BONUS = 9      // cash, doublesuns and the long drive
};

// The single way points are earned: points times the player's factor, shown as a coin at
// (x, y). An award whose position lies off the screen is lost. one is always 1, zero 0.
void addpoints(int points, float x, float y, int one, int zero, int kind);
void noterun(int n);  // records a closed combo into the best combo
void drawcombobar();
void drawpointsbar();
void drawlongdrive();

// The end of a game (the end screen calls these at its frames).
void decideresult();    // gameresult and roundstars from the cards left
void recordresult();    // levelstars and levelbest of the level
int resultstars();      // stars to record: 3 strike, 2 or 1 solved, 0 fail
float tallyfactor(int m);            // multiplier for best combo - 1 = m
std::string tallytext(int m);        // "x 1.0" .. "x 3.0"
void starttally();      // captures the shown points and the best combo, works out the total
std::string tallyline();  // "P points x 1.5 = T points"
void banktally();       // the total goes into cash, the round's points to 0
void fireworks(int frame);  // one end-screen frame 231..299 of a solved game or a strike
