// Every popup routine, by owner; the popup framework (buttons.cpp) calls the open one.
#pragma once
#include <array>
#include <string>

// ---- The hall of fame's table, rebuilt every frame it is shown (buildscores) ----
inline constexpr int scoreentries = 10;  // entries 1..10 (rows 1..8 are shown); slot 0 unused
inline std::array<std::string, 17> scorename;  // player name of entry i
inline std::array<int, 17> scorelevel{};       // level reached (toplevel - 1); -1 for no player
inline std::array<int, 17> scorecash{};        // banked points

void buildscores();

// The shell's own popups.
void quitpopup();     // 99: quit confirmation
void infopopup();     // 101: information text
void halloffame();    // 111: hall of fame
void nosoundpopup();  // 440: no sound device
void nosavepopup();   // 441: the user folder takes no saves
// The options popup (options.cpp).
void optionspopup();  // 100
// The player popups (profiles.cpp).
void playerlist();    // 103
void nameentry();     // 105
void deleteplayer();  // 106
void duplicatename(); // 398
// The game's popups (solitaire/gamepopups.cpp, solitaire/tutorial.cpp).
void showhelp();           // 102: the help pages
void continuepopup();      // 107: continue the adventure or the stored game
void ingamemenu();         // 298: the in-game menu
void restartpopup();       // 399: restart the level
void newadventurepopup();  // 432: start the adventure again
void cardbackpopup();      // 444: card back choice
