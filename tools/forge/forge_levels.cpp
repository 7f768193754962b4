#include "tools/forge/forge.h"

void forgelevels() {}
