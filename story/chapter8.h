// Chapter 8, the dark shipyard: open the tool chest, take the cable, plug it into the socket,
// start the generator, and the yard's lamps light up one by one.
#pragma once

// ---- The scene's own state: zeroed by preparechapter8 on every visit ----
inline float ch8scroll = 0;  // the scene follows the pointer: 0 (left end) .. screenw - 2732 (right end)
inline int ch8lid = 0;       // the chest's lid: 0 shut, 1..31 opening, 31 open
inline int ch8cable = 0;     // 0 in the chest, 1 carried, 2 plugged into the socket
inline int ch8gen = 0;       // frames the generator has run, 0 before it is started
inline int ch8lamps = 0;     // frames since the lamps began to light, 0 before

// Timings and places of the scene (scene pixels; screen x = scene x + ch8scroll).
inline constexpr int ch8active = 50;     // objects react after this frame
inline constexpr int ch8follow = 40;     // the scroll follows the pointer after this frame
inline constexpr float ch8chestx = 2280, ch8chesty = 670;  // the tool chest
inline constexpr float ch8genx = 727, ch8geny = 605;       // the generator (part of the background)
inline constexpr float ch8socketx = 1234, ch8sockety = 697;  // the socket the cable plugs into
inline constexpr int ch8lidopen = 31;    // the lid counter once the chest stands open
inline constexpr int ch8lampcount = 7;
inline constexpr int ch8lampsend = 200;  // lamp counter that ends the chapter
// The yard's lamps 1..7, in the order they light (slot 0 unused).
inline constexpr float ch8lampxy[ch8lampcount + 1][2] = {{0, 0},      {1856, 452}, {1659, 250}, {1583, 348},
                                                         {1497, 270}, {1596, 280}, {1801, 269}, {1574, 605}};
