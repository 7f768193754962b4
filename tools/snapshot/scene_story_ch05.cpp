#include "tools/snapshot/snapshot.h"

bool snapstory_chapter5() { return true; }
