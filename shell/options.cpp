#include "shell/buttons.h"
#include "shell/popups.h"

void optionspopup() {}
