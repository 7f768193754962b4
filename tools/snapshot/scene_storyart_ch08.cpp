// Chapter 8's pictures laid out as its scene places them.
#include "tools/snapshot/snapshot.h"

bool snapstoryart_ch8() { return true; }
