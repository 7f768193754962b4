// The story screen (screen 18): a chapter's painted scene, its text panel, the speech bubbles
// and the objects that can be clicked, and the way into the next round.
#pragma once
#include "presentation/effects.h"  // storyrain: the raindrop the effects layer draws
#include "runtime/runtime.h"
#include <array>
#include <string>

inline constexpr int storyslots = 12;  // storypic is [object 0..11][variant 0..11]

// ---- The story screen's own state, reset by inststory; the journey map reads and writes two ----
inline int storychapter = 1;    // the chapter on the screen, 1..10
inline int storyclock = 0;      // frames the screen has run; stands still under a popup or the pause sign
inline int storyend = 0;        // 0 running; 1..99 the last moments; 100 leave now; 101 leaving
inline int storyleave = 0;      // 1 asks the story screen to leave for the round (also set by the journey map's close)
inline int storyfademode = 0;   // chapter 1's way into its second part: 0 none, 1 out, 2 black interlude, 3 in
inline float storyfade = 1.0f;  // brightness of the whole scene 0..1
inline int storyinterlude = 0;  // frames of chapter 1's black interlude
inline int storypart = 0;       // 0 the chapter's scene; from 1 on the frames of chapter 1's search for the map
inline int storymapspot = 1;    // chapter 1: the hiding place 1..4 of the map roll
inline int storyscroll = 0;     // sideways scroll of the scene, 0 or negative
inline int storyclicked = 0;    // 1 once an object used this frame's click

// ---- The speech bubble: one at a time ----
inline int bubbletext = 0;  // bubble n shows storytexts chapter.(3 + n); 0 none
inline int bubbletime = 0;  // its age in frames, 0 none
inline int bubblex = 0, bubbley = 0;  // the centre of the bubble picture
inline int bubblelife = 0;  // frames it lasts

// ---- Pictures: loadstorystuff_dynamic .. deletestorystuff_dynamic; every chapter reuses the slots ----
inline Image storytextfield;  // the text panel (centred)
inline Image storyhome, storysky1, storysky2, storybga, storybgb, storysun, storynews, storyballoon, storycensored;
inline std::array<Image, 6> storycloud;  // 1..5
inline std::array<Image, 5> storychar;   // 1..4
inline std::array<std::array<Image, storyslots>, storyslots> storypic;  // [object][variant]

// ---- Entering, running and leaving the screen ----
void preparestory(int chapter);            // storychapter, and that chapter's own state zeroed
void inststory(int chapter);               // the fade went black: enter the story screen
void showstory();                          // one frame of screen 18
void loadstorystuff_dynamic(int chapter);  // the story sounds, the panel, the chapter's pictures, the journey map's
void deletestorystuff_dynamic();           // every story picture and sound and the journey map's pictures
int storyloaded();                         // how many story pictures and sounds are held (tests, leak counts)
void resetstorystate();                    // every value of the screen as on a fresh entry (tests)

// ---- Chapter 1's way from its opening scene into the search for the map ----
void storyfadeout();   // mode 1: the first part fades to black
void startinterlude(); // mode 2: black, with the interlude's line
void startpart2();     // the search of the home begins, with the crowd outside
void storyfadein();    // mode 3

// ---- Helpers every scene uses ----
// Speech bubble n at (x, y - 80) for frames frames, replacing any bubble; the click is used
// (storyclicked 1) in every chapter but 4.
void showbubble(int x, int y, int n, int frames);
void drawbubble();  // draws and ages the bubble; each scene calls it after its objects
// The chapter's text panel centred at (x, y) from frame from on: the title t pixels above the
// centre (font 4), the text b above it (box 520 wide, 18 a line, font 7), the third line at y + 39.
// alpha < 0 fades it in from frame from; otherwise that alpha is used.
void drawstorypanel(int from, float x, float y, int t, int b, float alpha = -1);
// Strict box test around a drawn position: x - left < pointer x < x + right, y - top < pointer y < y + bottom.
bool storyhotbox(float x, float y, int left, int right, int top, int bottom);
// Pixel-exact test of a picture drawn at (x, y) (both truncated) against the pointer's hit shape
// (coll2, or coll3 when big is true).
bool storyhotpic(const Image& img, float x, float y, bool big = false);
// Any other clickable spot of a scene, centred at (x, y), for the keys: pointerhit is the scene's
// own test of the pointer; while the keys drive, true only for the spot they chose.
bool storyhotspot(float x, float y, bool pointerhit);
// Backgrounds: bga at (storyscroll, 0), bgb at (storyscroll + 1366, 0).
void drawstorybackground();
// The scroll of a chapter that moves by a fixed speed: at frame 2 it starts at 0; while the
// clock is below stop (and from frame `from`), nothing lies over the scene, it moves by speed to the left.
void storyscrollstep(int speed, int stop, int from = 0);
// The journey map at the start of chapters 2 to 9: opens at frame at; while it is open the scene's
// clock stands still. Call once per frame before the scene's timed events.
void storyjourneystart(int at);
// Nothing here: a click no object used while the chapter is active shows bubble n at the
// pointer for 100 frames with the click sound. active: the chapter's objects react.
void storynothinghere(int n, bool active);
// Nothing lies over the scene: no journey map, no popup, not paused.
bool storyfree();
