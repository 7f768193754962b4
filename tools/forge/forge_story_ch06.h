// Chapter 6's scene is drawn in two files: the brickyard, the sunset and the horde on its way
// (forge_story_ch06_yard.cpp), and the brick works' front with the pictures it is cut into
// (forge_story_ch06.cpp).
#pragma once
#include "tools/forge/forge_story_kit.h"
#include <cstdint>

namespace ch6 {

constexpr int scenew = 2732, sceneh = 768;
constexpr double ground = 722;  // where the yard meets the walls
const rgb sunsetrim{1.0, 0.62, 0.38};
const storykit::light sunlight = storykit::lightfrom(160, sunsetrim, 0.55, 0.42);  // low sun on the left
const rgb brickred{0.70, 0.36, 0.26};

// The sky, the far town, the yard with its kiln, chimneys and brick stacks, the horde coming
// up the lane, and the yard's ground across the whole scene.
void brickyard(cairo_t* cr);
// Bricks in stretcher bond over the rectangle, `bh` a course high, clipped to it.
void brickwall(cairo_t* cr, double x0, double y0, double x1, double y1, rgb c, double bh, uint32_t seed);

}  // namespace ch6
