// Chapter 8's scenes and objects.
#include "tools/forge/forge_story.h"

void forgestory_ch8() {}

std::vector<pictureentry> manifest_story_ch8() { return {}; }
