// Chapter 8's scene and its objects share these: where things stand in the shipyard, the two
// lights the yard is painted in (the moonless dark, and the lamps' glare), and the pieces
// drawn both into the yard and as pictures of their own.
#pragma once
#include "tools/forge/forge.h"
#include "tools/forge/forge_story_kit.h"
#include <vector>

namespace shipyard {

constexpr int scenew = 2732, sceneh = 768;
constexpr double cratex = 2280, cratey = 670, lidy = 612;  // the tool chest and its lid's frames
constexpr double cablex = 2275, cabley = 645;              // the cable coiled in it
constexpr double genx = 727, geny = 605;                   // the generator (part of the yard)
constexpr double socketx = 1234, sockety = 697;            // where the plugged cable's picture goes
constexpr double socketface = sockety - 70;                // the socket itself, where the plug goes in
constexpr int lampcount = 7;
constexpr double lampx[lampcount + 1] = {0, 1856, 1659, 1583, 1497, 1596, 1801, 1574};
constexpr double lampy[lampcount + 1] = {0, 452, 250, 348, 270, 280, 269, 605};

// The chest's geometry: its front face, the top opening seen from above, and the lid's hinge.
constexpr double chestx0 = 2170, chestx1 = 2390, chesttop = 575, chestrim = 640, chestfoot = 745;

// The yard's moonlit night: everything painted in full colour is dimmed to this, a little
// less for the things the player looks for (`lift` > 1).
void nightfall(cairo_surface_t* s, double lift);

// Moonlight from the upper right: the only light before the lamps come on.
inline const storykit::light moonrim = storykit::lightfrom(62, rgb{0.7, 0.8, 1.0}, 0.55, 0.45);

// Pieces in full colour, drawn into the yard and as their own pictures.
void generator(cairo_t* cr, const storykit::light& L);           // at (genx, geny)
void chestbody(cairo_t* cr, const storykit::light& L);           // the chest without its lid
void chestlid(cairo_t* cr, double angle, const storykit::light& L);  // hinged at the back of the opening
void cablecoil(cairo_t* cr, const storykit::light& L);           // lying in the chest
void pluggedcable(cairo_t* cr, double x, double y, const storykit::light& L);  // plug at (x, y - 70), coil below
void lampfixture(cairo_t* cr, int i, bool lit, const storykit::light& L);  // yard lamp i at its place

void yardobjects();                           // every object picture of the chapter
std::vector<pictureentry> yardmanifest();     // the chapter's whole list

}  // namespace shipyard
