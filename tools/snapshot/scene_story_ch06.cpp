#include "tools/snapshot/snapshot.h"

bool snapstory_chapter6() { return true; }
