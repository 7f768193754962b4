// Chapter 9's scenes and objects.
#include "tools/forge/forge_story.h"

void forgestory_ch9() {}

std::vector<pictureentry> manifest_story_ch9() { return {}; }
