#include "tools/snapshot/snapshot.h"

bool snapeffects() { return true; }
