// The game's popups: continue, in-game menu, restart, new adventure, card backs.
#include "shell/buttons.h"
#include "shell/popups.h"

void continuepopup() {}
void ingamemenu() {}
void restartpopup() {}
void newadventurepopup() {}
void cardbackpopup() {}
