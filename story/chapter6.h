// Chapter 6, the old brick works: the way in is either up the drop ladder (slide the iron
// door open, pull the switch behind it, and the ladder comes down from the gantry) or through
// the tall window (two stones from the yard: the first cracks it, the second breaks it).
#pragma once

// Where everything stands in the scene (centres unless a handle is given).
inline constexpr int story6doorx = 2430, story6doory = 570;  // the door's frame
inline constexpr int story6slidex = -140, story6slidey = 585; // the sliding door: x from the frame, y
inline constexpr int story6doorbox[2] = {155, 133};          // its hot box: half width, half height
inline constexpr int story6doorend = 66;      // the door slides (2 a frame) while its counter is below this
inline constexpr int story6doorready = 59;    // the switch answers once the door counter is above this
inline constexpr int story6switchx = 2195, story6switchy = 592;  // the switch's pivot
inline constexpr int story6switchbox[2] = {20, 30};          // its hot box: half width, half height
inline constexpr int story6switchend = 40;    // the switch turns 3 degrees a frame up to this
inline constexpr int story6lightx = 7, story6lighty = 25;    // its lights, from the pivot
inline constexpr int story6ladderx = 2028, story6laddery = 320;  // the ladder, pulled up
inline constexpr float story6ladderlean = 0.18f;  // it comes down along (0.18, 1)
inline constexpr int story6ladderend = 200;   // its counter (2 a frame) stops here: it is down
inline constexpr int story6frameworkx = 1959, story6frameworky = 277;  // the gantry
inline constexpr int story6windowx = 1789, story6windowy = 142;        // the tall window
inline constexpr int story6glass = 30;        // shards of the broken window
inline constexpr int story6stones = 2;        // stones 1..2 in the yard (slot 0 unused)
inline constexpr int story6stonexy[story6stones + 1][2] = {{0, 0}, {1800, 740}, {1870, 720}};
inline constexpr int story6stonebox = 30;     // a stone's hot box: half width and height
inline constexpr int story6carryx = 50, story6carryy = 40;  // a carried stone, from the pointer
inline constexpr int story6stop[3] = {550, 500, 480};  // stop frame of the scroll at width 1024, 1280, 1366
int story6stopframe();  // the scroll's stop frame at the current width
inline constexpr int story6scrollfrom = 41;   // the scroll waits for the journey map's first frame
inline constexpr int story6mapat = 40;        // the journey map opens
inline constexpr int story6panelx = 270;      // the text panel sits this far from the right edge

enum { STONE_LYING = 0, STONE_CARRIED = 1, STONE_THROWN = 2 };
enum { WINDOW_WHOLE = 0, WINDOW_CRACKED = 1, WINDOW_BROKEN = 2 };

// ---- Zeroed by preparechapter6 ----
inline int story6door = 0;    // the sliding door's counter: 0 shut, then 1, 3 .. 67 as it opens
inline int story6switch = 0;  // the switch's counter: 0 up, 1..40 as it turns down
inline int story6ladder = 0;  // the ladder's counter: 0 up, 1, 3 .. 200 as it comes down
inline int story6stone[story6stones + 1] = {};  // each stone: STONE_LYING, STONE_CARRIED or STONE_THROWN
inline int story6window = 0;  // WINDOW_WHOLE, WINDOW_CRACKED or WINDOW_BROKEN
