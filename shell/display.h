// Display modes: which full-screen modes this machine offers, opening the graphics at start-up,
// switching between window and full screen at run time, and where the mouse is in virtual pixels.
#pragma once
#include <array>

constexpr int modecount = 6;  // modes 1..6
constexpr int modeslots = 11;  // the mode arrays have room for 10 (slot 0 unused)

// ---- Filled by checkvideo at start-up, kept until quit ----
inline std::array<int, modeslots> modew{};   // physical width of modes 1..6
inline std::array<int, modeslots> modeh{};   // physical height
inline std::array<int, modeslots> modeok{};  // 1 when the mode exists at 32 bits and suits this desktop
inline int bestmode = 6;                     // lowest usable mode, 6 when none
inline int desktopw = 0, desktoph = 0;       // the desktop in pixels
// 1 when the monitor offers none of the six modes: they are judged by what fits the desktop,
// and full screen covers the desktop with the virtual screen scaled to fit.
inline int desktopmodes = 0;

// ---- The window's size as last seen by trackwindow (frame by frame) ----
inline int windowseenw = 0, windowseenh = 0;  // client size, mouse units
inline int windowseenmax = 0;                 // 1 while maximised
inline int windowsettle = 0;                  // frames until a new size is saved, 0 = nothing waiting
constexpr int windowsettleframes = 25;        // a drag is over when the size holds for half a second
// The game draws its own pointer, which cannot be seen over the bars: there the system's is shown.
inline int pointerinbars = 0;    // 1 while the pointer is over a bar
inline int pointerwasshown = 0;  // whether the system pointer was shown before it reached the bars

// The window: 800 x 600, or 600 x 450 when that does not fit the desktop, or the size the
// player left it at; always showing the 1024 x 768 layout, between bars where the shapes differ.
constexpr int windowbigw = 800, windowbigh = 600;
constexpr int windowsmallw = 600, windowsmallh = 450;

void checkvideo();
void instgraphic();
void togglescreensize(int mode, int fullsc);
int windowfits();  // 0 when the window's height (with its frame) fits the desktop, 1 otherwise
void opengraphics(int width, int height, int depth, int vw, int vh, int flags = 0);
// Once a frame: keeps windoww and windowh current and remembers the size the player drags or
// maximises the window to, once it has held still.
void trackwindow();
void keepwindowsize();  // saves a size still waiting to settle (the game is closing)
// A pointer position in the window (mouse units) as virtual pixels, truncated toward zero,
// and back: from the window's real size, which a window manager may have chosen itself.
void windowtovirtual(int wx, int wy, int& vx, int& vy);
void virtualtowindow(int vx, int vy, int& wx, int& wy);
