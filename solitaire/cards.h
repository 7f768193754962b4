// Cards: identities, the card pictures and the two routines that draw a table card and an
// identity on the stable.
#pragma once

// Identity 1..52: rank = identity mod 13 (0 read as 13), suit = (identity - 1) div 13 + 1.
int identityrank(int identity);
int identitysuit(int identity);
int cardidentity(int rank, int suit);  // rank + 13 (suit - 1)
// Ace and king are neighbours: rank r fits onto r - 1 and r + 1, 1 and 13 wrap.
bool ranksneighbour(int rank, int stable);

void loadcardgfx();                           // every card picture, once at start
void loadtablepictures();                     // the game screen's bars and signs the table draws
void deletetablepictures();                   // and their release
void drawcard(int slot, int mode);            // mode 1 at the drawn position, 2 at the target
void drawstableid(int identity, float x, float y);  // top-left corner at (x, y)
// The back side of a table card (animal, cover or the player's back) and its front,
// at (x, y); used by drawcard, the take flight and the extras.
void drawcardback(int slot, float x, float y);
void drawcardfront(int slot, float x, float y);
void resetcardgfx();  // drops every card picture (tests)
