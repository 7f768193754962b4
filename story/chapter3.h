// Chapter 3, Pine Road through the woods: open the car's tailgate, pull the tarp's nails with
// the pliers, take the fuel can from under it, fill the chainsaw and fell the pine onto the
// zombie sitting in the road. The scene follows the pointer sideways.
#pragma once
#include <array>

// Scene positions (float scene x, screen y; drawn at x + ch3scroll).
inline constexpr float ch3treex = 2203, ch3treey = 426;    // the pine's trunk foot
inline constexpr float ch3pliersx = 860, ch3pliersy = 670;
inline constexpr float ch3canx = 453, ch3cany = 566;       // the fuel can under the tarp
inline constexpr float ch3sawx = 2478, ch3sawy = 652;      // the chainsaw in the trunk
inline constexpr float ch3tarpx = 513, ch3tarpy = 568;
inline constexpr float ch3doorx = 2455, ch3doory = 599;    // the tailgate
inline constexpr float ch3zombiex = 1720, ch3zombiey = 480;
inline constexpr float ch3carx = 2208, ch3cary = 481;
inline constexpr int ch3scenew = 2732;                     // the scene's width (two backgrounds)
// The tarp's four nails, from the tarp's position, before the common shift (-296, -55).
inline constexpr int ch3nailxy[5][2] = {{0, 0}, {9, 24}, {260, 4}, {194, 90}, {569, 55}};
inline constexpr int ch3nailshiftx = -296, ch3nailshifty = -55;
inline constexpr int ch3nails = 4;  // nails 1..4, slot 0 unused

// Timings in frames.
inline constexpr int ch3mapat = 40;     // the journey map opens; the scroll follows the pointer after it
inline constexpr int ch3wakeat = 50;    // the objects react and the text panel shows after this
inline constexpr int ch3tarpend = 40;   // the tarp's counter when it is gone
inline constexpr int ch3doorend = 12;   // the tailgate's counter when it is open
inline constexpr int ch3treeend = 240;  // the felled tree's counter stops here
inline constexpr int ch3sawidle = 100;  // the carried chainsaw's idle loop starts at this timer

// What the player does with a tool.
enum { CH3_LYING = 0, CH3_CARRIED = 1, CH3_USED = 2 };

// ---- Chapter 3's own state, zeroed by preparechapter3 on every visit ----
inline float ch3scroll = 0;  // sideways scroll of the scene, screenw - 2732 .. 0, eased towards the pointer
inline int ch3pliers = 0;    // CH3_LYING, CH3_CARRIED, CH3_USED (on the tarp)
inline int ch3canister = 0;  // CH3_LYING, CH3_CARRIED, CH3_USED (poured into the chainsaw)
inline int ch3saw = 0;       // CH3_LYING, CH3_CARRIED, CH3_USED (the tree is cut)
inline int ch3tarp = 0;      // the tarp's counter: 0 nailed, 1..40 the nails fly and it fades
inline int ch3door = 0;      // the tailgate's counter: 0 shut, 1..12 opening
inline int ch3tree = 0;      // the tree's counter: 0 standing, 1..60 cut, 61..150 falling, ..240
inline int ch3sawtimer = 0;  // frames the filled chainsaw has been carried
inline std::array<int, ch3nails + 1> ch3nail{};  // each nail's counter: 0 in the tarp, then frames in flight

float ch3scrolltarget();  // where the pointer wants the scene: 100 - 1.75 (1.1 wide) x mousex
