// Display modes: which full-screen modes this machine offers, and opening the graphics.
#pragma once
#include <array>

constexpr int modecount = 6;
inline std::array<int, 11> modew{};   // physical width of modes 1..6 (slot 0 unused)
inline std::array<int, 11> modeh{};   // physical height
inline std::array<int, 11> modeok{};  // 1 when the mode exists and suits this desktop
inline int bestmode = 6;              // lowest usable mode, 6 when none
inline int desktopw = 0, desktoph = 0;

void checkvideo();
void instgraphic();
void togglescreensize(int mode, int fullsc);
int windowfits();  // 0 when the window's height fits the desktop, 1 otherwise
void opengraphics(int width, int height, int depth, int vw, int vh);  // also used by tests
