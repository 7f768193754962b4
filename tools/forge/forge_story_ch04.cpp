// Chapter 4's scenes and objects.
#include "tools/forge/forge_story.h"

void forgestory_ch4() {}

std::vector<pictureentry> manifest_story_ch4() { return {}; }
