// Small drawing and click helpers the harbour, shipyard and jetty scenes share.
#pragma once
#include "shell/gfx.h"
#include "shell/state.h"
#include "story/story.h"
#include <algorithm>

// This frame's click, while nothing lies over the scene.
inline bool sceneclick() { return mousehit1 == 1 && storyfree(); }

// A picture faded in by a counter: nothing at alpha 0 or below, full from 1 on.
inline void drawfaded(const Image& img, float x, float y, float a) {
  if (a <= 0) return;
  SetAlpha(std::min(a, 1.0f));
  drawimg(img, x, y);
  SetAlpha(1);
}
