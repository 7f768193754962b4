#include "tools/forge/forge.h"

void forgeaudio() {}
