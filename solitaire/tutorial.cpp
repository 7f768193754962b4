#include "solitaire/tutorial.h"
#include "shell/popups.h"

void showhelp() {}
