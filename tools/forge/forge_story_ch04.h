// Chapter 4's scene is drawn in three files: the street and the things to find in it
// (forge_story_ch04.cpp), the row of shops and houses (forge_story_ch04_houses.cpp) and the
// people out in the rain (forge_story_ch04_folk.cpp).
#pragma once
#include "tools/forge/forge_story_kit.h"
#include <cstdint>
#include <string>

namespace ch4 {

constexpr int scenew = 2732, sceneh = 768;
constexpr double front = 628;  // the house fronts meet the pavement
constexpr double kerb = 672;   // the pavement's edge; the road runs on to the bottom
// Where the search pictures' drawings lie in the scene (their pictures have a halo round them).
constexpr int catw = 110, cath = 118, catpad = 12;  // 1.png is 134 x 142 at (2020, 388)
constexpr int gutw = 150, guth = 236, gutpad = 10;  // 2.png is 170 x 256 at (2557, 0)
constexpr double catx = 2020 + catpad, caty = 388 + catpad;
constexpr double gutx = 2557 + gutpad, guty = 0 + gutpad;
constexpr double boxrim = caty + 79;  // the rim of the window box the cat sits in

const rgb rainhaze{0.40, 0.50, 0.62};
const rgb raincol{0.78, 0.88, 1.0};
const rgb gutterzinc{0.50, 0.56, 0.64};
const storykit::light lamplight = storykit::lightfrom(75, storykit::col::lamp, 0.45, 0.45);  // the street lamps

// The houses along the street, the cat's window among them, and the far town behind.
void houses(cairo_t* cr, const storykit::light& L);
void windowbox(cairo_t* cr, double rim, const storykit::light& L);
void farskyline(cairo_t* cr);
// The townsfolk and zombies out in the rain, the bus stop, the child in the puddle.
void people(cairo_t* cr);
void busstop(cairo_t* cr, double x, const storykit::light& L);
void puddlejumper(cairo_t* cr, double x, double y, const storykit::light& L);

}  // namespace ch4
