// Chapter 1's scenes and objects.
#include "tools/forge/forge_story.h"

void forgestory_ch1() {}

std::vector<pictureentry> manifest_story_ch1() { return {}; }
