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

// The window: 800 x 600, or 600 x 450 when that does not fit the desktop; always showing the
// 1024 x 768 layout.
constexpr int windowbigw = 800, windowbigh = 600;
constexpr int windowsmallw = 600, windowsmallh = 450;

void checkvideo();
void instgraphic();
void togglescreensize(int mode, int fullsc);
int windowfits();  // 0 when the window's height (with its frame) fits the desktop, 1 otherwise
void opengraphics(int width, int height, int depth, int vw, int vh);
// A pointer position in the window (mouse units) as virtual pixels, truncated toward zero,
// and back: from the window's real size, which a window manager may have chosen itself.
void windowtovirtual(int wx, int wy, int& vx, int& vy);
void virtualtowindow(int vx, int vy, int& wx, int& wy);
