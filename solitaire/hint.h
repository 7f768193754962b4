// The hint: H (or the small button beside the menu button) marks the move a careful player
// would make now, judged only from what a person sees: the free faces, the covers, the
// stable and how many cards the stock still holds. It costs nothing and records nothing.
#pragma once
#include "solitaire/odds.h"

// ---- Reset when a game starts (resethint) ----
inline int hintslot = 0;        // card slot the mark stands on, 0 none
inline int hintstock = 0;       // 1 when the mark stands on the stock
inline int hinttime = 0;        // frames the mark has shown, 0 none
inline uint64_t hintdigest = 0; // the visible table the mark was made for: a move clears it

// The move for a view of the table: a card slot (> 0), -1 the stock, 0 nothing to do.
int hintmove(const tableview& v);
void askhint();   // marks the move for the table as it lies now (at rest)
void hintframe(); // the H key, the button and the mark, every frame of the game screen
void resethint();
