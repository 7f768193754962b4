// Chapter 10's scenes and objects.
#include "tools/forge/forge_story.h"

void forgestory_ch10() {}

std::vector<pictureentry> manifest_story_ch10() { return {}; }
