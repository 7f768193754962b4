// Stock and stable: the face-down pile of the identities not dealt, the stable they turn
// onto, the draw animation and the cardometer that counts the cards left to draw.
#pragma once

void drawstock();      // base panel, pile, stable, clicks on the pile, pending draws
void drawfromstock();  // asks for the next stock card and closes the combo
int nextstockcard();   // chooses the identity to draw
void drawmeter();      // the cardometer
