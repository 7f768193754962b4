#include "tools/forge/forge.h"

void forgepictures_ui() {}
std::vector<pictureentry> manifest_ui() { return {}; }