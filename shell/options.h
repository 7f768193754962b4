// The options popup (100): what it shows and where, for the popup itself and its tests.
#pragma once

inline constexpr int optionboxcount = 8;  // check boxes 1..8 (slot 0 unused)
inline constexpr int maxvolume = 280;     // music and sound volume run 0..280 in steps of 10

int optionboxshown(int box);                   // 1 when the box is drawn (box 1 needs a wide mode)
void optionboxpos(int box, int& x, int& y);    // its centre; box 2 moves left when box 1 is gone
int optionboxticked(int box);                  // 1 when its tick is drawn
