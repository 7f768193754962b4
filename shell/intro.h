// The splash pages from the splash configuration, and the loading screen with the title
// logo and the loading bar that leads into the main menu.
#pragma once
#include "runtime/runtime.h"
#include <array>
#include <string>

inline constexpr int splashpages = 6;       // pages 1..6 (slot 0 unused)
inline constexpr int splashlines = 29;      // lines of the configuration read at most
inline constexpr int loadfull = 200;        // the loading bar's value when it is full
inline constexpr int loadfillframes = 130;  // frames of the fill strip, each 2 x 20 pixels

// ---- The splash configuration (readintrosettings, read again for every page) ----
inline std::string splashconfigfile = "data\\/branding/splashconfig.txt";  // tests point it elsewhere
inline std::array<std::string, splashpages + 1> pagefile;  // picture in data\branding\, or "none"
inline std::array<int, splashpages + 1> pagetime{};        // frames until the page moves on by itself
inline std::array<int, splashpages + 1> pageskip{};        // 1 = a key may skip the page
inline int pagecount = 0;  // pages whose file is not "none"

// ---- Splash pictures: loaded on page 1, freed by the loading screen ----
inline std::array<Image, splashpages + 1> pageimg;  // centred

// ---- The splash screen's own state (instintro, showintro) ----
inline int curpage = 1;    // page on screen
inline int pageframe = 0;  // frames since the page came up

// ---- The loading screen (instload .. the menu's 100th frame) ----
inline Image loadfillimg;  // the bar's fill, 130 frames, top-left handle
inline Image loadbarimg;   // the bar's frame
inline Image loadoverimg;  // the bright head riding on the fill
inline int loadvalue = 0;  // the bar 0..200; stays at 200 once the menu is up
inline int loadframe = 0;  // frames since the loading screen came up
inline float logox = 0, logoy = 0;  // the title logo's centre
inline float logoscale = 1;         // shrinks from 1.3 to 1
inline float logoalpha = 0;         // fades in on the loading screen, out on the menu

void readintrosettings();
void instintro(int page);
void showintro();
void deleteintrostuff_dynamic();
void instload();
void loadloadstuff_dynamic();
void deleteloadstuff_dynamic();
void showload();
void drawlogo();
void drawloadbar(int x, int y, int value);
void resetintro();  // no pages, no pictures, bar empty (tests)
