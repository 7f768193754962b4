// Chapter 2, the allotment gardens: two planks lie on an iron weight, the weight goes onto the
// see-saw plank the crow sits on, and the plank tips over and chases the crow off.
#pragma once

// Scene positions (scene x, screen y; drawn at x + storyscroll).
inline constexpr int ch2stackx = 1295, ch2stacky = 620;    // the weight with the two planks on it
inline constexpr int ch2mowerx = 1450, ch2mowery = 410;    // the mower at the top of the bank
inline constexpr int ch2doorx = 1249, ch2doory = 302;      // the privy door, top-left corner
inline constexpr int ch2doorw = 68, ch2doorh = 184;        // its hot box from that corner
inline constexpr int ch2seesawx = 1932, ch2seesawy = 700;  // the see-saw's pivot
inline constexpr int ch2privyx = 1300, ch2privyy = 387;    // the zombie behind the privy door
inline constexpr int ch2risex = 900;                       // the zombie climbing out of a bed
inline constexpr int ch2crowy = 295;                       // the crow on top of the see-saw plank
inline constexpr int ch2glowshift = 5;                     // door and see-saw glows are drawn this much up and left
inline constexpr int ch2ironcarryx = 40, ch2ironcarryy = 50;  // the carried weight, from the pointer

// Timings in frames.
inline constexpr int ch2mapat = 40;       // the journey map opens
inline constexpr int ch2scrollspeed = 3;  // pixels a frame while the scene scrolls in
inline constexpr int ch2plankfade = 20;   // a clicked plank fades out over this many frames
inline constexpr int ch2mowerroll = 200;  // the mower rolls down the bank (its counter's end)
inline constexpr int ch2mowerhit = 100;   // a mower rolled further than this stops the plank early
inline constexpr int ch2tipend = 200;     // the see-saw's counter when the chapter ends
inline constexpr int ch2seesawevery = 300;  // the see-saw at rest wobbles every this many frames
inline constexpr int ch2privyevery = 200;   // and the privy zombie every this many
inline constexpr int ch2wobblelen = 100;    // a wobble's length
inline constexpr int ch2doorend = 11;       // the door counter stops here (door3 from 8 on)
inline constexpr int ch2blinkend = 8;       // the crow's blink counter runs 2..8
inline constexpr int ch2risestart = 100;    // clock frame the bed zombie starts to climb out
inline constexpr int ch2riseend = 50;       // and its counter's end
inline constexpr int ch2risegrowl = 30;     // its growl
inline constexpr int ch2feathers = 20;      // feathers the fleeing crow leaves

// The iron weight's state.
enum { CH2_IRONLYING = 0, CH2_IRONCARRIED = 1, CH2_IRONUSED = 2 };

// ---- Chapter 2's own state, zeroed by preparechapter2 on every visit ----
inline int ch2plank1 = 0;       // the lower plank's fade counter: 0 lying, 1..20 fading, 20 gone
inline int ch2plank2 = 0;       // the upper plank's, the same way
inline int ch2iron = 0;         // CH2_IRONLYING, CH2_IRONCARRIED, CH2_IRONUSED (on the see-saw)
inline int ch2seesawwobble = 0; // frames left of the see-saw's wobble at rest (100 down to 0)
inline int ch2mower = 0;        // the mower's counter: 0 waiting, 1..200 rolling down the bank
inline int ch2door = 0;         // the privy door's counter: 0 shut, 1..11 opening
inline int ch2blink = 0;        // the crow's blink counter: 0 eyes open, 2..8 blinking
inline int ch2seesaw = 0;       // the see-saw's counter: 0 standing, 1..200 tipping, 201 done
inline int ch2crowgone = 0;     // 1 once the crow has flown off
inline int ch2rise = 0;         // the bed zombie's counter: 0 hidden, 1..50 climbing out
inline int ch2privywobble = 0;  // frames left of the privy zombie's wobble (100 down to 0)
inline int ch2seesawstop = 0;   // 0 undecided; 40 or 45 once the tipping plank passed the mower's height
inline float ch2seesawangle = 0;  // the see-saw plank's rotation this frame, degrees

int ch2stopframe();  // the frame the scroll stops and the objects wake: 350, 300 or 280 by width
