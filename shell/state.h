// The application shell's program-wide state: the frame loop, the screens, the fade,
// the layout values and the input variables every screen reads.
#pragma once
#include "runtime/runtime.h"
#include <string>

// Screen numbers.
enum {
  SCREEN_NONE = -3,     // start-up, before the first splash page: nothing is drawn
  SCREEN_SPLASH = -2,   // a splash page
  SCREEN_LOADING = -1,  // the loading bar
  SCREEN_MENU = 0,
  SCREEN_GAME = 12,
  SCREEN_MAP = 13,
  SCREEN_STORY = 18,
  SCREEN_SHOP = 21,
  SCREEN_QUIT = -999  // a fade towards it ends the program
};

// ---- Kept for the whole run (start-up) ----
inline int quit = 0;                // 1 ends the frame loop after the current frame is presented
inline Timer frametimer;            // 50 Hz, paces the frame loop
inline Timer secondtimer;           // 1 Hz, drives stattime
inline Timer roundtimer;            // 1 Hz, the game screen's round clock
inline std::string lastfunc;        // name of the routine last entered (trace only)
inline int framecount = 0;          // frames since instmain; doall adds one per frame
inline int fps = 0;                 // frames counted in the last whole second
inline int fpsframes = 0;           // frames counted so far in this second (stattime)
inline int fpslasttick = 0;         // secondtimer's tick count when fps was last stored
inline int screen = SCREEN_NONE;    // the current screen; changes only inside entry routines
inline int prevscreen = SCREEN_NONE;  // the screen the menu, map or game was entered from
inline int devmode = 0;             // developer keys on (F3 on the splash or loading screens)

// ---- Display (opened at start-up, reopened by a display mode change) ----
inline int screenw = 1024, screenh = 768;  // virtual resolution in use
inline int windoww = 1024, windowh = 768;  // physical size of the window or screen

// ---- Layout values, recomputed by doall every frame ----
inline int midx = 512, midy = 384;  // centre of the virtual screen
inline int xshift = 0;              // 0, 128, 171: centres layouts made for 1024 pixels
inline int xshiftwide = -171;       // -171, -43, 0: centres layouts made for 1366 pixels
inline int stage = 1;               // adventure-map stage of the level the player stands on

// ---- The screen fade (doall, fadeto) ----
inline int fadelevel = 0;     // grey applied to all drawing: -32 black .. 256 full
inline int fadestate = 1;     // 1 fading in or steady, 2 fading out
inline int fadetarget = 0;    // screen entered when the fade-out completes
inline int fadearg = 0;       // page or chapter passed to that screen's entry routine
inline int fadevalue = 0;     // stored with the fade, read by nothing

// ---- Input, written once per frame by readinput ----
inline int mousex = 0, mousey = 0;          // virtual pixels
inline int prevmousex = 0, prevmousey = 0;  // the sample before
inline int mousemoved = 0;                  // 1 when the two samples before this frame differ
inline int mousehit1 = 0, mousehit2 = 0;    // clicks this frame; a consumer sets mousehit1 to 0
inline int mousedown1 = 0, mousedown2 = 0;  // buttons held
inline int mouseheld1 = 0, mouseheld2 = 0;  // frames held in a row, 0 when up
inline int keyenter = 0, keyesc = 0, keyf2 = 0, keyf3 = 0, keyf4 = 0, keyf7 = 0;  // held this frame
inline int esccooldown = 0;  // Escape repeat lock: a press event is keyesc = 1 with esccooldown = 30
inline int inputon = 0;      // 1 = sample the mouse (off on the splash and loading screens)
inline int suspended = 0;    // 0 active, 1 focus lost, 2 the loss has been handled
inline int pausesign = -1;   // 1 = the paused sign is up until the next click

// ---- Frame overlay pictures (loaded at start-up) ----
inline Image cursorimg;      // the game's pointer picture
inline Image cursordot;      // the small dot pointer
inline Image logoimg;        // the title logo
inline Image logoglow;       // the glow behind the logo
inline Image quickhelpsign;  // panel of the paused sign and the hint panels
inline int systempointershown = 0;  // the system pointer was switched on once this run (cursor mode 2)

// ---- Per-frame draw statistics (informational) ----
inline int drawncount = 0;    // images drawn this frame
inline int skippedcount = 0;  // images culled this frame by drawvisible

// ---- Screen state read by the overlay and the music but owned by later screens ----
inline int menuframe = 0;      // frames since the main menu was entered
inline int endtime = 0;        // the game's end-of-round counter
inline int player = -1;        // current player slot 1..15, -1 none
inline int barposto = 0;       // target of the bars' slide offset (barpos); the menu and loading screen park both
inline int helppage = 1;       // the help popup's page 1..6; the menu and the hall of fame set it back to 1
