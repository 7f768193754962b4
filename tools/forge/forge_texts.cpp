#include "tools/forge/forge.h"

void forgetexts() {}
