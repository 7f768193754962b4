#include "tools/forge/forge.h"

void forgepictures_cards() {}
std::vector<pictureentry> manifest_cards() { return {}; }