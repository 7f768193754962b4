#include "shell/popups.h"
#include "shell/buttons.h"
#include "shell/dispatch.h"
#include "shell/state.h"

void quitpopup() {}
void infopopup() {}
void halloffame() {}
void nosoundpopup() {}
