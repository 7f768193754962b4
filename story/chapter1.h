// Chapter 1, "the outbreak and the hidden map": the town at dusk where Mr. Pudding takes a
// bite too many, then Grandma's room where the journey's map lies hidden in one of four places.
#pragma once

// Stop frame of the town's scroll by screen width: the later stop at 1280 shows as much of
// the town's right half as the other widths do.
inline constexpr int introstop1024 = 430, introstop1280 = 500, introstop1366 = 460;
inline constexpr int introspin = 500;  // the newspaper's spin counter as the chapter starts
inline constexpr int rollwakes = 10;  // the revealed roll answers the pointer after its 10th frame

// The four hiding places of Grandma's room, by their spot number (storymapspot).
enum { HIDE_CARPET = 1, HIDE_PILLOW1 = 2, HIDE_PILLOW2 = 3, HIDE_CLOCK = 4, hideplaces = 4 };

// Grandma's room: where each hiding place lies (x from the screen's centre), where its map
// roll shows, turned and scaled, and where the growl spot lies (x from the room's left edge).
struct hideplace {
  int x, y;               // the object's place at rest (its glow picture's centre)
  int rollx, rolly;       // the revealed roll's centre
  float rollrot, rollscale;  // the roll's turn and its scale before the 10 x 0.666 of the small roll
};
inline constexpr hideplace hidespots[hideplaces + 1] = {
    {0, 0, 0, 0, 0, 0},
    {-66, 587, -66, 592, 90, 0.1f},     // the carpet, pulled away to the right
    {-20, 444, -20, 444, 25, 0.07f},    // pillow 1, pushed to the right
    {-110, 434, -110, 434, -25, 0.07f}, // pillow 2, thrown over the sofa's back
    {-13, 273, -21, 285, -15, 0.06f},   // the clock, pushed to the left
};
inline constexpr int carpetpulledy = 557;  // the carpet's pulled frames hang 30 pixels higher
inline constexpr int growlleft = 274, growlright = 336, growltop = 313, growlbottom = 362;

// ---- The opening scene, zeroed by preparechapter1 ----
inline int introrumble = 0;        // frames the ground still shakes under the figure; counts down
inline int introspincount = introspin;  // the newspaper's spin: drops by 10 a frame from 500 to 0
inline int introseen = 0;          // the storyclock value the timeline last ran at (a frozen clock replays nothing)

// ---- Grandma's room, zeroed by preparechapter1 ----
inline int homecarpet = 0;   // 0 untouched, then frames since the carpet was pulled
inline int homeclock = 0;    // 0 untouched, then frames since the clock was pushed
inline int homepillow1 = 0;  // 0 untouched, then frames since pillow 1 was pushed
inline int homepillow2 = 0;  // 0 untouched, then frames since pillow 2 was thrown
inline int homereveal = 0;   // 0 the roll is hidden; then frames since it showed at its place
inline int homeclockx = 0;     // the clock's sideways offset as it slides left (towards -70)
inline int homepillow1x = 0;   // pillow 1's sideways offset as it slides right (towards 80)
inline float homepillow2vx = 0, homepillow2vy = 0;  // pillow 2's flight velocity, pixels a frame
inline float homepillow2dx = 0, homepillow2dy = 0;  // and how far it has flown

int introstop();  // the town's stop frame at the current screen width
