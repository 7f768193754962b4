// Extras in play: the plant bar and the item bar, earning and using plants and shop items,
// and the timed modes the items start.
#pragma once
#include "runtime/runtime.h"
#include <array>

inline constexpr int extramodecount = 10;  // flight and earning counters 1..10; slot 0 unused

// ---- Reset when a deal starts (loadlevel): flights, earnings and the modes ----
inline std::array<int, extramodecount + 1> plantearn{};  // earning animation frame of plant k, 0 off
inline std::array<int, extramodecount + 1> plantfly{};   // flight frame of a used plant, 0 none
inline std::array<int, extramodecount + 1> itemfly{};    // flight frame of a used item slot, 0 none
inline int strikemode = 0;     // sudden strike frames; never ends by itself
inline int newstablemode = 0;  // new stable frames
inline int killermode = 0;     // 1 while the zombie killer waits for its target
inline int blastermode = 0;    // 1 while the zombie blaster waits for its column
inline int turnupmode = 0;     // 1: turn all up runs on the next frame
inline int randommode = 0;     // random extra frames
inline int sunsmode = 0;       // double suns frames
inline int jokermode = 0;      // joker frames: every free face-up card may be taken

// ---- Loaded once at start with the card pictures ----
inline Image killercursor;   // drawn beside the pointer while the zombie killer waits
inline Image blastercursor;  // the same for the zombie blaster
