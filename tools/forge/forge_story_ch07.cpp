// Chapter 7's scenes and objects.
#include "tools/forge/forge_story.h"

void forgestory_ch7() {}

std::vector<pictureentry> manifest_story_ch7() { return {}; }
