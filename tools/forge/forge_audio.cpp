// Sound effects, story sounds and music, all synthesized here (see forge_audio_kit.h).
#include "tools/forge/forge.h"
#include "tools/forge/forge_audio_kit.h"

void forgeaudio() {
  sfx::makesounds();
  sfx::makestory();
  sfx::makemusic();
}
