// Playing without the mouse: the keys of this frame, and the focus ring that Tab and the
// arrow keys move over whatever can be clicked this frame. The widgets sign up for the ring
// as they are drawn (the buttons, the story's objects), so the ring always walks exactly
// what the screen shows; a focused picture button takes Enter or Space as a click, and a
// focused scene object gets the pointer and the click put on it.
#pragma once
#include "runtime/runtime.h"
#include <array>

inline constexpr int focustargetmax = 64; // focus targets 1..64 a frame (slot 0 unused)
enum { FOCUS_BUTTON = 1, FOCUS_POINTER = 2 };  // a picture button; a spot the pointer is put on

// ---- Keys hit this frame (presses, not held keys), read once a frame by readkeys ----
inline int keytab = 0, keyleft = 0, keyright = 0, keyup = 0, keydown = 0;  // 1 when hit this frame
inline int keyspace = 0, keyreturn = 0;  // Space and Enter hit this frame
inline int keyplant = 0;                 // P hit this frame
inline int keydigit = 0;                 // 1..9 the number key hit this frame, 0 none
inline int mousestirred = 0;             // 1 when the real pointer moved since the last frame
inline int keyedpointer = 0;             // 1 when the table's keys put the pointer this frame (the ring shows it, not the pointer)

// ---- Set by a screen during its frame, read (and cleared) by the next readkeys ----
inline int arrowsclaimed = 0;  // 1: the screen uses the arrow keys itself (the table, the map's levels)

// ---- The focus ring (kept across frames) ----
inline int focusshown = 0;   // 1 once the keys moved the focus; a move of the mouse hides it
inline int focusspot = 0;    // the focused target, by its place in the frame's sign-up order; 0 none
inline int focuspress = 0;   // 1 this frame: Enter or Space presses the focused button
inline int focusscreen = 0;  // the screen the ring was last on: a new screen starts at the first target
inline int focuspopup = 0;   // the popup the ring was last on: a new popup starts at its first button
inline int rawmousex = -1, rawmousey = -1;  // the real pointer at the last frame, window units

// ---- Targets signed up this frame, and those of the frame before ----
inline int focuscount = 0;  // signed up so far this frame
inline int focuslast = 0;   // signed up in the frame before (the ring moves over these)
inline std::array<int, focustargetmax + 1> focusx{}, focusy{}, focuskind{};      // this frame's
inline std::array<int, focustargetmax + 1> lastfocusx{}, lastfocusy{}, lastfocuskind{};  // the frame before's
inline std::array<int, focustargetmax + 1> focuskey{};  // this frame's: what the target is, to sign up once

// ---- Made at the first ring drawn, kept until quit ----
inline Image focuspixel;  // one white pixel, stretched into the ring's sides

void readkeys();  // once a frame, after the mouse is read: the keys, the ring's move and press
// Signs a target up for this frame; returns its place (1..), 0 when the frame is full.
// A target signed up again with the same key keeps its place.
int focusregister(int x, int y, int kind, int key);
bool focuson(int place);  // the ring is shown and stands on this place
// The ring: a gold outline with a soft light round a box of half-size hw x hh centred at (x, y).
void drawfocusring(float x, float y, int hw, int hh);
// The box of a picture's solid pixels (alpha 128 or more) in its first frame, picture pixels.
void solidbounds(const Image& pic, int& left, int& top, int& right, int& bottom);
void resetfocus();  // no ring, no targets, no keys (entry of the program, tests)
