#include "tools/snapshot/snapshot.h"

bool snaptables() { return true; }
