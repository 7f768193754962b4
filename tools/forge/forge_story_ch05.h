// Chapter 5's scene is drawn in two files: the sewer on the left
// (forge_story_ch05_sewer.cpp) and the bone cellar with its skeleton and crates
// (forge_story_ch05.cpp).
#pragma once
#include "tools/forge/forge_story_kit.h"
#include <vector>

namespace ch5 {

constexpr int scenew = 2732, sceneh = 768;
constexpr double sewerend = 1210;  // the great arch between the sewer and the cellar

// The sewer from the ladder down from Drizzle Street to the cellar's arch.
void sewer(cairo_t* cr);
// A veil of darkness over a rectangle with soft holes where lights burn: each hole is at
// `at`, fully clear at its centre and fading to the veil at its radius.
void darkness(cairo_t* cr, double x0, double y0, double w, double h, rgb c, double alpha,
              const std::vector<storykit::pt>& at, const std::vector<double>& radius);

// An arch of stone or brick: an inked band along the half circle over (cx, cy).
void rib(cairo_t* cr, double cx, double cy, double r, double width, rgb c);

}  // namespace ch5
