// Chapter 3's scenes and objects.
#include "tools/forge/forge_story.h"

void forgestory_ch3() {}

std::vector<pictureentry> manifest_story_ch3() { return {}; }
