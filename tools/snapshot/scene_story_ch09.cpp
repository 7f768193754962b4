#include "tools/snapshot/snapshot.h"

bool snapstory_chapter9() { return true; }
