// Chapter 7, the harbour at night: open the key box, take the key, unlock the crane house's
// sliding door, and the crane wakes and lifts the container off the pier.
#pragma once

// ---- The scene's own state: zeroed by preparechapter7 on every visit ----
inline int ch7lamp = 1;        // the quay lamp: 1 lit, -1 dark (it flickers at random)
inline int ch7lid = 0;         // the key box's lid: 0 shut, 1..6 the frames of its opening
inline int ch7key = 0;         // 0 in the box, 1 carried, 2 used on the padlock
inline int ch7lockopen = 0;    // 1 once the padlock hangs open
inline int ch7doortime = 0;    // frames since the padlock opened, 0 before
inline int ch7doorslide = 0;   // pixels the sliding door has moved right, 0 shut .. 260 open
inline int ch7crane = 0;       // frames of the crane's work, 0 before the door is open
inline int ch7hook = 0;        // pixels the hook has come down from its rest
inline int ch7container = 0;   // pixels the container has risen, 0 down to -600

// Timings and places of the scene (scene pixels; screen x = scene x + storyscroll).
inline constexpr int ch7stopnarrow = 340;  // the scroll's stop frame at width 1024
inline constexpr int ch7stopwide = 300;    // and at widths 1280 and 1366
inline constexpr int ch7boxx = 1232, ch7boxy = 456;    // the key box (its lid)
inline constexpr int ch7keyx = 1228, ch7keyy = 502;    // the key lying in the box
inline constexpr int ch7lockx = 1336, ch7locky = 458;  // the padlock on the door
inline constexpr int ch7lampx = 985, ch7lampy = 230;   // the quay lamp's light
inline constexpr int ch7doorx = 1486, ch7doory = 408;  // the sliding door, shut
inline constexpr int ch7lightsx = 1429, ch7lightsy = 271;  // the crane house's lamps
inline constexpr int ch7floodx = 1789, ch7floody = 211;    // the crane's floodlight
inline constexpr int ch7containernarrow = 1900;  // the container's x at width 1024
inline constexpr int ch7containerwide = 2150;    // and at the wider widths
inline constexpr int ch7containery = 710;
inline constexpr int ch7craney = -200;           // the hook hangs above the container's x
inline constexpr int ch7lidframes = 6;    // lid pictures 1..6 open the box; 7 is its glow
inline constexpr int ch7doorwait = 50;    // door timer at which the door starts to slide
inline constexpr int ch7slideopen = 260;  // the door's slide when fully open
inline constexpr int ch7liftend = -600;   // the container's rise that ends the chapter
// The lid's frame k is drawn this far from the box's place, as it swings open (slot 0 unused).
inline constexpr int ch7lidoffset[ch7lidframes + 1][2] = {{0, 0},   {0, 0},   {7, 13}, {17, 17},
                                                           {27, 22}, {49, 21}, {61, 15}};

int ch7stop();      // the scroll's stop frame at the current width: objects react after it
int ch7cranex();    // the container's and hook's scene x at the current width
