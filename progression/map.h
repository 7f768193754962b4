// The adventure map (screen 13): three pages of nine stages, the level markers, the preview of
// a level, the buttons to the shop and the main menu.
#pragma once
#include "runtime/runtime.h"
#include <array>

inline constexpr int mapstages = 27;       // stages 1..27 on the map; slot 0 unused
inline constexpr int mappages = 3;         // pages of nine stages
inline constexpr int mappagewidth = 1300;  // mapscrollto of page p is (p - 1) x 1300
inline constexpr int mapendlevel = 104;    // toplevel after the last level is won: the ending
inline constexpr int mapmarkers = 4;       // level markers 0..4
inline constexpr int mappictures = 12;     // stage picture slots 1..12 (1..9 in use)
inline constexpr int maphintdone = 100;    // maphint once the shop hint is over for good
inline constexpr int maphintstart = 60;    // map frames before tooltips and the hint may come up
inline constexpr int mapstorylevels[] = {1, 10, 20, 32, 44, 56, 68, 80, 92, 103};  // levels with a story marker

// ---- Loaded once at start (loadmapstuff), kept until quit ----
inline std::array<Image, mapmarkers + 1> mapstarimg;  // markers: 0 frontier pulse, 1 open, 3 won, 4 strike

// ---- Loaded by loadmapstuff_dynamic, freed by deletemapstuff_dynamic ----
inline Image mapstoryimg;      // the ring round a story level's marker
inline Image mapuidownimg;     // the bottom bar
inline Image mapuiupimg;       // the top bar
inline Image mapstageimg;      // the shadow under a stage card
inline Image selectorimg;      // a page dot
inline Image selectorfullimg;  // the current page's dot
inline std::array<Image, mappictures + 1> mappicimg;  // stage pictures, one per three stages
inline Image mapsignimg;       // the title sign under a stage card
inline Image hookimg;          // the check mark on a finished stage
inline Image mapglowimg;       // the glow swaying behind the frontier level (the map's own copy:
                               // the logo's glow goes with the loading screen's pictures)

// ---- The map screen's state, reset by instadventuremap ----
inline int mapframe = 0;      // frames since the map was entered
inline int mappage = 1;       // page 1..3 the player is on
inline int mapscroll = 0;     // sideways offset of the stages in pixels, eases to mapscrollto
inline int mapscrollto = 0;   // (mappage - 1) x 1300
inline std::array<float, mapstages + 1> nodex{};  // centre of each stage card, recomputed every frame
inline std::array<int, mapstages + 1> nodey{};
inline std::array<int, mapstages + 1> nodeglow{};  // hover glow 0..10 of each stage card
inline int tipfade = 0;       // the level tooltip's fade 0..20
inline int tipx = 0, tipy = 0;  // the marker the tooltip belongs to
inline int maphovered = 0;    // the level under the pointer this frame, 0 none
inline int mapkeylevel = 0;   // the open level the arrow keys chose, 0 none (the pointer's hover rules)
inline int shopsparkle = 0;   // frames of the shop button's sparkles since entry, up to 100
inline int mapchosen = 0;     // the level waiting in the unfinished-round popup, 0 none

// ---- The check mark over a just-finished stage: armed by the game's end screen, cleared by
// every game start (0 = none) ----
inline int hookrun = 0;    // frame of the check-mark animation
inline int hookstage = 0;  // the stage it marks

void loadmapstuff();  // the level markers, once at start-up
void loadmapstuff_dynamic();
void deletemapstuff_dynamic();
void instadventuremap();
void showadventuremap();
void drawmapbars();
void drawmaphud();
void shopsparkles();
void drawmaphint();
void maphook(int x, int y, int s);
void drawmappopup();      // the unfinished-round question (popup 442), drawn by the map itself
void sanemapprogress();   // pulls maplevel and toplevel of the current player into the map's range
int mapmarkerof(int stars);  // the marker picture for a level's result
void resetmapstate();     // every map value as on a fresh entry, no hook armed (tests)
