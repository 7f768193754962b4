#include "tools/forge/forge.h"

void forgefonts() {}
