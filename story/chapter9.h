// Chapter 9, the last jetty: the ship sails in rocking, drops its anchor, and a lever on deck
// lights the signal lamps and opens the ship's door.
#pragma once

// ---- The scene's own state: zeroed by preparechapter9 on every visit ----
inline int ch9anchor = 0;  // pixels the anchor has gone down, 0 .. 300
inline int ch9door = 0;    // the ship's door: 0 shut, 1..36 folding down
inline int ch9lever = 0;   // the lever's tilt in degrees: 0 not pulled, 1..40 pulled
inline int ch9lights = 0;  // frames since the signal lamps started, 0 before
inline float ch9shipx = 0, ch9shipy = 0;  // the ship's centre in the scene; set at frame 2

// Timings and places of the scene (scene pixels; screen x = scene x + storyscroll).
inline constexpr int ch9stopnarrow = 320;  // the scroll's stop frame at width 1024
inline constexpr int ch9stop1280 = 260;    // at width 1280
inline constexpr int ch9stop1366 = 280;    // at width 1366
inline constexpr int ch9ready = 250;       // frames after the stop before the lever and door react
inline constexpr float ch9shipstartx = 2600, ch9shipstarty = 250;  // where the ship sails in from
inline constexpr float ch9berthx = 1350, ch9berthy = 380;          // where it comes to rest
inline constexpr int ch9anchordeep = 300;  // the anchor's full drop
inline constexpr int ch9dooropen = 36;     // the door counter once folded down
inline constexpr int ch9levertilt = 40;    // the lever's tilt once pulled over
inline constexpr int ch9lightsend = 200;   // lights counter that ends the chapter
inline constexpr int ch9lamps = 4;
// The signal lamps 1..4, from the ship's centre (slot 0 unused).
inline constexpr int ch9lampxy[ch9lamps + 1][2] = {{0, 0}, {-20, -28}, {5, -23}, {27, -18}, {47, -14}};

int ch9stop();          // the scroll's stop frame at the current width
float ch9rockangle();   // the ship's roll this frame, degrees
