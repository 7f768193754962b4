// The table: dealing a layout into columns, the deal animation, free cards and column
// counts, clicks on cards with their rules and the flight of a taken card, hints, and the
// small signs over the table.
#pragma once

void preparecards();    // deals the freshly loaded layout of the current player
void dealframe();       // one frame of the deal
void updatefree();      // marks free cards and starts their turn
void updatecolumns();   // counts live cards, fires the cleared columns, ends an empty table
void handleclicks();    // playable marks, clicks on cards, drawing the table, the take flight
void showhints();       // every playable card wobbles
void addtablepopup(int kind, float x, float y);  // 1 invalid sign, 2 cleared sign
void drawtablepopups();
// The help pages' page counter: a take, a draw or a dead end on level 1 moves it on.
void nexttutorialpage();
// True when the card in this slot is its column's free card and shows its face (or is an
// animal card, which is taken face down): the cards a click may act on.
bool cardcandidate(int slot);
void resettablestate();  // every table, stock, points and extras value back to a fresh start (tests)
