#include "tools/snapshot/snapshot.h"

bool snapstory_chapter4() { return true; }
