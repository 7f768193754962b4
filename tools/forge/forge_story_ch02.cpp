// Chapter 2's scenes and objects.
#include "tools/forge/forge_story.h"

void forgestory_ch2() {}

std::vector<pictureentry> manifest_story_ch2() { return {}; }
