// Chapter 5, the bone cellar: a skeleton lounges by the wall and loses his head when poked;
// the low crate on the ledge must be pushed four times before the big crate in front of the
// passage can be pulled clear, twice, to open the way on.
#pragma once

inline constexpr int story5skelx = 1542, story5skely = 672;    // the skeleton's centre in the scene
inline constexpr int story5skullx = 90, story5skully = -118;   // the skull's rest, from the skeleton
inline constexpr int story5skelbox[4] = {150, 150, 125, 95};   // hot box: left, right, top, bottom
inline constexpr int story5skullframes = 96;   // the skull moves while its counter is below this
inline constexpr float story5skullroll = -120; // where the skull rolls to, pixels to the left
inline constexpr float story5skullfloor = 122; // the drop at which it bounces
inline constexpr float story5bounce = -0.85f;  // speed kept (and turned round) at a bounce
inline constexpr float story5gravity = 0.5f;   // speed gained per frame of the fall
inline constexpr int story5box2x = 1580, story5box2y = 397;    // the low crate's centre before its first push
inline constexpr int story5shadowx = 131, story5shadowy = 53;  // its shadow, from the crate
inline constexpr int story5pushes = 4;         // pushes the low crate takes
inline constexpr int story5pushframes = 65;    // frames of one push, 2 pixels each
inline constexpr int story5box1x = 1900, story5box1y = 325;    // the big crate's centre before its first pull
inline constexpr float story5box1drop = 0.06f; // the big crate sinks this much per pixel it slides
inline constexpr int story5pulls = 2;          // pulls that open the way
inline constexpr int story5pullend = 80;       // a pull ends when its counter (2 a frame) passes this
inline constexpr int story5stop[3] = {450, 400, 380};  // stop frame of the scroll at width 1024, 1280, 1366
int story5stopframe();  // the scroll's stop frame at the current width
inline constexpr int story5scrollfrom = 41;    // the scroll waits for the journey map's first frame
inline constexpr int story5mapat = 40;         // the journey map opens

// ---- Zeroed by preparechapter5 ----
inline int story5skeleton = 0;     // frames since the skeleton was poked, 0 before
inline float story5skullangle = 0; // the skull's roll: pixels to the left, and its turn (0 .. -120)
inline float story5skulldrop = 0;  // how far the skull has fallen, pixels
inline float story5skullspeed = 0; // its speed downwards, pixels per frame
inline int story5box2move = 0;     // frames of the low crate's push, 0 at rest
inline int story5box2pushes = 0;   // pushes made, 0..4
inline int story5box2slide = 0;    // how far it has gone to the right, pixels
inline int story5box1move = 0;     // the big crate's pull counter (2 a frame), 0 at rest
inline int story5box1pulls = 0;    // pulls made, 0..2
inline float story5box1slide = 0;  // how far it has gone to the right, pixels
