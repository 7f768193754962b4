// Chapter 5's scenes and objects.
#include "tools/forge/forge_story.h"

void forgestory_ch5() {}

std::vector<pictureentry> manifest_story_ch5() { return {}; }
