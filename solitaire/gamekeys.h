// Play without the mouse: Left and Right walk over the free face-up cards, Enter takes the one
// the ring stands on, Space or Down draws from the stock, 1 to 3 use the item bar's slots, P
// walks over the plants held (Enter plays the one chosen). Each key acts by putting the pointer
// where a person would click, so every rule of the table holds for keys as for the mouse.
#pragma once

// ---- Reset when a game starts (resetgamekeys) ----
inline int keycard = 0;    // the card slot the ring stands on, 0 none
inline int keyplantk = 0;  // the plant the ring stands on (P), 0 none

int keycardstep(int from, int dir);  // the next free face-up card left (-1) or right (+1) of slot from, wrapping
void gamekeys();       // the keys of a game frame, before the table is played
void drawgamekeys();   // the ring on the card or plant, over the table
void resetgamekeys();
