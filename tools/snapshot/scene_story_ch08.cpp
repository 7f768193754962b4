#include "tools/snapshot/snapshot.h"

bool snapstory_chapter8() { return true; }
