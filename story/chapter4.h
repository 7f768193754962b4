// Chapter 4, Drizzle Street in the rain: a cat, a gutter and a drain cover hide in the dark
// and only show while the pointer searches over them; finding the cover drags it off the drain.
#pragma once

inline constexpr int story4things = 3;  // the hidden things 1..3; the third is the drain cover
// Top-left corner of each hidden thing's picture in the scene (slot 0 unused).
inline constexpr int story4thingxy[story4things + 1][2] = {
    {0, 0},
    {2020, 388},  // 1 the soggy cat on the wall
    {2557, 0},    // 2 the dripping gutter
    {1932, 676},  // 3 the drain cover, lit up
};
inline constexpr int story4holex = 1932, story4holey = 676;    // 0.png, the open drain (top-left)
inline constexpr int story4coverx = 1933, story4covery = 678;  // e3.png while it lies on the drain
inline constexpr int story4stop[3] = {560, 484, 455};  // stop frame of the scroll at width 1024, 1280, 1366
int story4stopframe();  // the scroll's stop frame at the current width
inline constexpr int story4mapat = 5;       // the journey map opens early, before the scroll has got going
inline constexpr int story4rainsoundat = 3; // the rain loop starts at this frame
inline constexpr int story4bubble = 200;    // frames every bubble of the chapter lasts
inline constexpr int story4gullyat = 10;    // grab frame of the cover's scrape
inline constexpr int story4dragframes = 90; // the cover bobs along while being dragged, then rests
inline constexpr int story4dragmax = 150;   // how far it goes to the left, pixels
inline constexpr int story4endat = 200;     // grab frame that ends the chapter
inline constexpr int story4scatter = 30;    // raindrops already falling as the screen is entered

// ---- Zeroed on entry (preparechapter4) ----
inline int story4hover = 0;  // frames something has been under the pointer; 0 over empty ground
inline int story4grab = 0;   // frames since the cover was found, 0 until then
