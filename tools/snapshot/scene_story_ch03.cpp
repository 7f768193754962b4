#include "tools/snapshot/snapshot.h"

bool snapstory_chapter3() { return true; }
