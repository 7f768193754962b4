// The main menu (screen 0): the title scene, the welcome sign with the players button, the
// play and hall-of-fame buttons, options and quit; and the pictures loaded for the whole run
// that every screen's popups and hover tests use.
#pragma once
#include "runtime/runtime.h"
#include <array>

// ---- Loaded once at start (loadmenustuff), kept until quit ----
inline Image collimg;        // "coll.png": the pointer's hit shape (top-left handle)
inline Image coll2img;       // "coll2.png": a larger hit shape (top-left handle)
inline Image coll3img;       // "coll3.png": the largest hit shape (top-left handle)
inline Image fieldimg;       // "field.png": the small info field of the map and the finish sign
inline Image helplinesimg;   // "solitairehelplines.png": the help page's arrows
inline Image menuballsimg;   // "game/balls.png": the coin beside cash on menus and in the shop
inline Image tooltipimg;     // "tooltip.png": tooltips and speech bubbles
inline Image optionstrackimg;  // "optionstrack.png": the volume slider's track
inline Image checkboximg;    // "cb.png": an option's box
inline Image tickimg;        // "h.png": the tick on a chosen box

// ---- Loaded when the menu is entered, freed when another screen is entered ----
inline Image welcomesignimg;   // the sign that names the player
inline Image ropeimg;          // the sign's two ropes
inline Image scoresimg;        // the hall of fame's table
inline Image scoresbarimg;     // a row of the hall of fame
inline Image createplayerimg;  // the name field of the name entry
inline Image playermenuimg;    // the player list's background
inline Image playerbarimg;     // the current player's row in the list

inline constexpr int menubuttons = 3;      // main buttons 1..3: play, (unused), hall of fame
inline constexpr int menubuttonslots = 11;  // the arrays have room for 10 (slot 0 unused)

// ---- The menu screen's own state (instmenu, showmenu), reset on every entry ----
inline float signy = -120;  // y of the welcome sign, eases to 120
inline int ropey = -300;    // y of the ropes, eases to 240
inline std::array<float, menubuttonslots> menubuttony{};   // y of main buttons 1..3 (2 is not drawn)
inline std::array<float, menubuttonslots> menubuttonto{};  // their targets
inline int bottomy = 868;   // y of the two bottom buttons, eases to 710
inline int adventurestarted = 0;  // a story chapter began a new player's adventure

void loadmenustuff();  // once at start-up
void loadmenustuff_dynamic();
void deletemenustuff_dynamic();
void instmenu();
void showmenu();
void playersign(int x, int y);
void drawropes();
int menusideoffset();  // how far the options and quit buttons sit from the screen's sides
void resetmenu();      // the menu's state as before its first entry (tests)
