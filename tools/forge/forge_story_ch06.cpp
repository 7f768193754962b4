// Chapter 6's scenes and objects.
#include "tools/forge/forge_story.h"

void forgestory_ch6() {}

std::vector<pictureentry> manifest_story_ch6() { return {}; }
