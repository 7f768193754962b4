// The story's shared pictures: the text panel and the censored sign.
#include "tools/forge/forge_story.h"

void forgestory_common() {}

std::vector<pictureentry> manifest_story_common() { return {}; }
