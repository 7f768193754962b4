// The journey map: a parchment roll that flies in over the adventure map or a story scene,
// unrolls, shows the places reached, the current place, an arrow walking to the player's
// level with the zombie horde one step behind, and a note paper listing the legs of the
// journey; its close button rolls it up and sends it back where it came from.
#pragma once
#include "runtime/runtime.h"
#include <array>

inline constexpr int journeymarks = 27;     // place marks 1..27, one per stage; slot 0 unused
inline constexpr int journeypoints = 104;   // path points 0..104: point k stands for level k
inline constexpr int journeylegs = 9;       // legs on the note paper, three places each
inline constexpr int journeyflyframes = 60; // mapopen counts up to this while the roll flies in
inline constexpr int journeyclosed = 90;    // mapclose at which the map is gone
inline constexpr float journeystartscale = 0.15f;  // the roll's scale as it sets off

// Top-left corner of each place mark on the sheet, in the sheet's own pixels.
inline constexpr int journeymarkxy[journeymarks + 1][2] = {
    {0, 0},     {36, 655},  {83, 655},  {40, 635},  {-1, 629},  {-1, 629},  {-2, 620},  {301, 554},
    {301, 545}, {301, 545}, {407, 544}, {407, 536}, {407, 533}, {540, 503}, {540, 492}, {540, 488},
    {373, 343}, {373, 343}, {373, 343}, {450, 312}, {446, 260}, {446, 198}, {524, 164}, {525, 141},
    {525, 93},  {793, 93},  {707, 93},  {692, 55}};

// The road through town in the sheet's pixels: point 0 is the start before level 1, point k
// the place of level k, point 104 the ending.
inline constexpr int journeypath[journeypoints + 1][2] = {
    {35, 630},  {75, 655},  {110, 650}, {130, 630}, {122, 620}, {108, 615}, {90, 612},  {75, 608},  {59, 605},
    {45, 600},  {20, 597},  {45, 590},  {70, 591},  {95, 591},  {125, 591}, {160, 591}, {188, 590}, {209, 588},
    {232, 585}, {250, 578}, {320, 570}, {338, 590}, {356, 590}, {374, 590}, {392, 590}, {410, 590}, {428, 590},
    {443, 580}, {447, 565}, {441, 550}, {432, 535}, {410, 523}, {422, 510}, {434, 500}, {446, 494}, {458, 491},
    {470, 492}, {482, 492}, {494, 492}, {506, 492}, {518, 491}, {530, 490}, {542, 490}, {554, 489}, {566, 480},
    {578, 475}, {590, 470}, {602, 466}, {617, 463}, {635, 451}, {615, 435}, {565, 428}, {530, 438}, {495, 445},
    {460, 441}, {425, 426}, {405, 405}, {390, 388}, {380, 370}, {395, 360}, {410, 360}, {425, 360}, {440, 360},
    {455, 360}, {470, 360}, {485, 350}, {493, 338}, {489, 326}, {470, 314}, {460, 294}, {482, 270}, {475, 250},
    {465, 240}, {454, 226}, {462, 216}, {475, 209}, {485, 200}, {492, 188}, {498, 175}, {512, 164}, {540, 152},
    {567, 137}, {596, 125}, {630, 111}, {670, 99},  {710, 97},  {760, 108}, {805, 138}, {790, 190}, {755, 150},
    {800, 105}, {850, 70},  {830, 50},  {810, 62},  {801, 78},  {786, 90},  {761, 92},  {736, 81},  {720, 65},
    {718, 55},  {712, 44},  {706, 33},  {700, 22},  {703, 12},  {703, 12}};

// ---- Pictures: loadstorymapstuff .. deletestorymapstuff (the map's and the story's loaders) ----
inline Image maprollimg;        // the rolled map in flight (centred)
inline Image mapleftimg;        // left end of the sheet, handle at its right edge
inline Image maprightimg;       // right end of the sheet, handle at its left edge
inline Image mapmiddleimg;      // the sheet between them, stretched as it unrolls (centred)
inline Image paperimg;          // the note paper (centred)
inline std::array<Image, journeymarks + 1> markimg;  // place marks 1..27 (top-left handle)
inline Image arrowimg;          // the arrow over the player's place (centred)
inline Image zombiesimg;        // the horde (centred)
inline Image maprollsmallimg;   // the small roll lying on the adventure map
inline Image maprollsmall2img;  // the same, glowing under the pointer

// ---- The overlay's state: cleared by openstorymap, owned by the screen that shows it ----
inline int mapopen = 0;      // 0 closed; 1..60 while the roll flies in, then stays 60
inline int mapunroll = 0;    // 0 until the roll arrived; then frames of the open sheet
inline int mapclose = 0;     // 0 while open; closing frames 1..89
inline int mapx = 0, mapy = 0;  // the roll's centre; the sheet's centre once unrolled
inline int maprot = 30;      // the roll's rotation, degrees
inline int mapwidth = 0;     // distance from the sheet's centre to each end piece
inline float mapstartscale = journeystartscale;  // the roll's scale when it sets off
inline int paperx = 0, papery = -250;  // the note paper's centre
inline int papershow = 0;    // 1 once the paper has started to slide down
inline int papertime = 0;    // frames of the paper
inline int arrowindex = 0;   // path point the arrow walks to, 0 = no arrow
inline int arrowtime = 0;    // frames of the arrow
inline float arrowx = 0, arrowy = 0;    // the arrow's place on the sheet
inline float arrowdx = 0, arrowdy = 0;  // its step per walking frame
inline int hordeindex = -1;  // path point the horde walks to, -1 = no horde
inline int hordetime = 0;    // frames of the horde
inline float hordex = 0, hordey = 0;    // the horde's place on the sheet
inline float hordedx = 0, hordedy = 0;  // its step per walking frame

// ---- Worked out afresh every frame by showstorymap from the current profile ----
inline int journeylevel = 1;    // the level the marks follow (the story screen: where the player stands)
inline int journeyreached = 1;  // the current place: marks below it are passed
inline int journeypathindex = 1;  // the point the arrow walks to: the highest level opened

void loadstorymapstuff();
void deletestorymapstuff();
void openstorymap(int x, int y);  // the roll sets off from (x, y)
void showstorymap();              // one frame; the owning screen calls it while mapopen > 0
void journeyprogress();           // journeylevel, journeyreached and journeypathindex from the profile
void resetstorymap();             // closed with every counter cleared (tests)
// One eased step towards target, truncated, then one more unit while still short of it: the
// glide of the roll, the sheet, the paper and the map's pages.
int easestep(int value, int target, float k);
