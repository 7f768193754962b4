#include "tools/snapshot/snapshot.h"

bool snapstory_chapter2() { return true; }
