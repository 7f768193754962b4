#include "tools/forge/forge.h"

void forgepictures_effects() {}
std::vector<pictureentry> manifest_effects() { return {}; }