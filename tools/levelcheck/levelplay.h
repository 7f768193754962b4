// The level checker's deals. A deal is made by the game's own routines (readlevelfile,
// preparecards, nextstockcard) and copied into the rules' small table of columns
// (solitaire/solver.h), where the blind and the perfect player play it.
//
// The blind player sees what a person sees (faces of free cards, covers, the stable, how
// many cards lie in each column and in the stock) and follows a heuristic; the perfect
// player knows every card and the stock order and searches for the fewest cards left.
#pragma once
#include "solitaire/solver.h"

// Reads level `n` from its file under the current folder (data/levelz/...) with the game's
// routines. Runs on the thread that owns the game's state. Returns false when the file
// cannot be read.
bool checkloadlevel(int n);
// Deals the loaded level; the deal is fixed by the seed.
checkdeal checkmakedeal(int n, uint32_t seed);
// The same from cards given directly (tests): values as in a level file, one column each.
checkdeal checkdealfrom(int level, const std::vector<std::vector<checkcard>>& columns,
                        const std::vector<int>& stockorder);
