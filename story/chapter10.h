// Chapter 10, the ending: the ship sails away under a drifting evening sky while the chapter's
// text is read; then the story leaves for the main menu. It keeps no state of its own.
#pragma once

// Timings and places of the scene (scene pixels; screen x = scene x + storyscroll).
inline constexpr int ch10stopnarrow = 569;  // the scroll's stop frame at width 1024
inline constexpr int ch10stop1280 = 726;    // at width 1280
inline constexpr int ch10stop1366 = 683;    // at width 1366
inline constexpr int ch10linger = 1200;     // frames the last picture stays before the story ends
inline constexpr int ch10panel = 50;        // the text panel fades in after this frame
inline constexpr int ch10clouds = 15;
inline constexpr int ch10shipx = 860, ch10shipy = 340;

int ch10stop();   // the scroll's stop frame at the current width
int ch10speed();  // the scroll's pixels a frame at the current width
