#include "tools/snapshot/snapshot.h"

bool snapstory_chapter1() { return true; }
