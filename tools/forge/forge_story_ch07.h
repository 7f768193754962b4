// Chapter 7's scene and its objects share these: where things stand in the harbour and the
// lamps that are drawn dark in the background and lit in their own pictures.
#pragma once
#include "tools/forge/forge.h"
#include "tools/forge/forge_story_kit.h"
#include <vector>

namespace harbour {

constexpr int scenew = 2732, sceneh = 768;
// Scene positions of the chapter's objects.
constexpr double boxx = 1232, boxy = 456;      // the key cabinet (its lid's frames are centred here, plus an offset)
constexpr double keyx = 1228, keyy = 502;      // the key on the cabinet's shelf
constexpr double lockx = 1336, locky = 458;    // the padlock on the door's hasp
constexpr double lampx = 985, lampy = 230;     // the flickering quay lamp's head
constexpr double doorx = 1486, doory = 408;    // the sliding door's middle when shut
constexpr double lightsx = 1429, lightsy = 271;  // the crane lights' picture
constexpr double floodx = 1789, floody = 211;    // the floodlight's picture
constexpr double contx1024 = 1900, contxwide = 2150, conty = 710;  // the container
constexpr double hookrest = -200;              // the hook picture's middle before it comes down
// The lid's frames are drawn at the cabinet plus these offsets (frame 1..6).
constexpr double lidoffx[7] = {0, 0, 7, 17, 27, 49, 61}, lidoffy[7] = {0, 0, 13, 17, 22, 21, 15};

// The doorway the sliding door closes, and the rail it hangs from.
constexpr double doorl = 1321, doorr = 1651, doortop = 292, doorbottom = 528, railtop = 279;
// The key cabinet's opening (its lid is 76 x 126 around the cabinet's middle).
constexpr double cabw = 76, cabh = 126;
// The crane's cab on its tower, and the floodlight's lamp under it.
constexpr double cabx0 = 1770, cabx1 = 1880, caby0 = 88, caby1 = 176;
constexpr double floodlampx = 1786, floodlampy = 206;
// The bulbs under the crane house's eave.
constexpr int lightcount = 6;
constexpr double lightbx[lightcount] = {1160, 1262, 1376, 1596, 1700, 1806}, lightby = 262;

// Moonlight from the upper left, cold on every rim.
inline const storykit::light nightlight = storykit::lightfrom(128, storykit::col::moonlight, 0.5, 0.45);

// Pieces drawn both dark (in the background) and lit (in their own pictures).
void lampglass(cairo_t* cr, bool lit, const storykit::light& L);  // the quay lamp's lantern at (lampx, lampy)
void eavelamp(cairo_t* cr, double x, double y, bool lit, const storykit::light& L);  // a caged bulb
void floodhead(cairo_t* cr, bool lit, const storykit::light& L);  // the floodlight at (floodlampx, floodlampy)
void cabwindows(cairo_t* cr, bool lit);                            // the cab's two panes
// The machine room behind the door, with its sleeping driver.
void machineroom(cairo_t* cr, const storykit::light& L);
// The key cabinet's recess, open (its lid is a picture of its own).
void keyrecess(cairo_t* cr, const storykit::light& L);

void harbourobjects();                          // every object picture of the chapter
std::vector<pictureentry> harbourmanifest();    // and the chapter's list

}  // namespace harbour
