// Backdrops: the animated title landscape behind the loading screen and the main menu, and
// the game background, one picture per three stages, behind the table and the map.
#pragma once
#include "runtime/runtime.h"
#include <array>

inline constexpr int titlelights = 20;  // lights 1..20; slot 0 unused
inline constexpr int titleclouds = 4;   // clouds 1..4; slot 0 unused

// ---- The title background (loadtitlebg .. deletetitlebg) ----
inline Image titleskya, titleskyb;      // the sky, two halves
inline Image titlenear2a, titlenear2b;  // the far landscape, two halves ("e2a", "e2b")
inline Image titlenear3a, titlenear3b, titlenear3c;  // the near landscape, three parts
inline std::array<Image, titleclouds + 1> titlecloudimg;  // cloud pictures 1..4
inline std::array<Image, titlelights + 1> titlelightimg;  // light pictures 1..20
inline float titlepan = 0;                               // parallax offset P, eases to the target
inline std::array<float, titleclouds + 1> cloudx{};      // cloud positions and speeds
inline std::array<float, titleclouds + 1> cloudspeed{};
inline std::array<int, titleclouds + 1> cloudy{};
inline std::array<int, titlelights + 1> lightstate{};    // 0 off, then frames since it switched on

// ---- The game background (loadgamebg_dynamic), kept until another number is needed ----
inline Image gamebg;       // the loaded picture, centred handle
inline int gamebgnum = 0;  // its number 1..9, 0 when none is loaded

void loadtitlebg();
void drawtitlebg(float target);
void deletetitlebg();
void loadgamebg_dynamic(int kind, int flag);
void deletegamebg();
void drawgamebg();
