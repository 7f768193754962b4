#include "tools/snapshot/snapshot.h"

bool snapstory_chapter10() { return true; }
