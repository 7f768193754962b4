// The particle layer: one fixed table of 1000 short-lived particles (glow balls, sparkles,
// stars, point coins, card fragments, leaves, feathers, fruit, rain, glass, confetti and a few
// small animations). A particle is a slot number; everything about it lives in the parallel
// arrays below, and its kind number alone decides how it moves, looks and ends.
#pragma once
#include "runtime/runtime.h"
#include <array>

constexpr int effslots = 1000;  // particle slots 1..1000

// Kind numbers other screens start particles with; ranges are inclusive.
enum {
  EFF_GLOWBALL = 100,       // + colour 1..9: glow ball of a burst
  EFF_SPARKLEBALL = 150,    // + colour 1..9: smaller glow of a point award
  EFF_GLASS = 829,          // glass shard from the broken window
  EFF_FEATHERFALL = 830,    // one feather drifting down from the crow
  EFF_COLOURSTAR = 840,     // + colour 1..9: star of a star burst
  EFF_RAIN = 850,           // + 0..10: rain drop, larger numbers are bigger and faster
  EFF_LEAF = 868,           // autumn leaf of the intro
  EFF_PIGCANNON = 869,      // pig fired from its cannon
  EFF_BIRDFEATHERS = 870,   // feathers of a freed bird cover, after a short wait
  EFF_FRUIT = 880,          // fruit pieces of a freed fruit cover, after a short wait
  EFF_NINJA = 894,          // jumping ninja
  EFF_CONFETTI = 895,       // confetti of the joker
  EFF_QUESTION = 896,       // question mark of the random extra
  EFF_EXTRAGLOW = 897,      // glow over the stock row after an extra
  EFF_CARDPART = 898,       // fragment of a shot card
  EFF_COIN = 900,           // + points of the award: floating point coin
  EFF_FALLINGSTAR = 993,    // golden star of the extra burst
  EFF_SPARKLE = 996,        // golden sparkle that grows and shrinks in place
  EFF_GREENSPARKLE = 997,   // green sparkle trailing a taken card
  EFF_CARDTRAIL = 8000,     // + face picture 0..51, or 60 for the fishslap card: ghost of a flying card
};
constexpr int efftrailfishslap = 60;  // card trail offset that means the fishslap card

// ---- The particle table: cleared by cleareffects; slot 0 is never used ----
inline std::array<int, effslots + 1> effkind{};    // kind of the particle in the slot, 0 = free
inline std::array<float, effslots + 1> effx{};     // x in screen pixels, where its picture's handle goes
inline std::array<float, effslots + 1> effy{};     // y in screen pixels, down is positive
inline std::array<float, effslots + 1> effvx{};    // x speed per frame; the card trail keeps its rotation here
inline std::array<float, effslots + 1> effvy{};    // y speed per frame
inline std::array<int, effslots + 1> effage{};     // age in frames
inline float effalpha = 1;  // alpha of the whole layer; the screen drawing it sets it every frame

// ---- Effect pictures, loaded by loadeffects and kept until quit; entry 0 unused ----
inline std::array<Image, 10> glbimg;         // glow balls by colour 1..9
inline std::array<Image, 10> gloimg;         // rotating light glows 1..9, drawn by the points and plant bars
inline std::array<Image, 10> colorstarimg;   // coloured stars by colour 1..9
inline Image starimg;                        // golden falling star
inline Image sparkleimg;                     // golden sparkle
inline Image greensparkleimg;                // green sparkle
inline Image questionimg;                    // question mark
inline Image extraglowimg;                   // glow over the stock row; also the armed killer and blaster glow
inline std::array<Image, 5> ninjaimg;        // ninja jump frames 1..4
inline std::array<Image, 4> leafimg;         // leaves 1..3
inline std::array<Image, 4> glassimg;        // glass shards 1..3
inline std::array<Image, 4> bloodimg;        // splats 1..3, drawn by the end-of-round screen
inline std::array<Image, 4> cardpartimg;     // card fragments 1..3
inline std::array<Image, 6> konfettiimg;     // confetti 1..5 (the layer uses 1..4)
inline std::array<Image, 7> fruitpartimg;    // fruit pieces 1..6
inline std::array<Image, 6> featherimg;      // feathers 1..5
inline std::array<Image, 4> pigimg;          // pig in the cannon, bracing, flying
inline Image pigcannonimg;                   // the cannon

// ---- Owned by the game screen, the stock, the bars, the card pictures and chapter 4 ----
// The layer draws and reads these; they move to their owners' headers when those exist.
inline Image ballimg;                        // ball behind a coin's number, game-screen picture
inline std::array<Image, 52> faceimg;        // card faces by face picture number 0..51 (0-based), top-left handle
inline Image fishslapimg;                    // the fishslap card, top-left handle
inline Image storyrain;                      // chapter 4's rain drop
inline int stocky = 580;                     // y of the stock row and the stable
inline int barpos = -120;                    // slide-in offset of the top and bottom bars

void loadeffects();   // the pictures above that belong to the layer; once at start-up
void cleareffects();  // every slot free
void reseteffects();  // cleared table and layer alpha 1, for tests
int addeffect(float x, float y, int kind, float vx, float vy);  // the slot the particle went into
void draweff();       // advances, draws and retires every live particle; once per frame
void starburst(int x, int y, int c);  // 5 coloured stars and 20 glow balls of colour c
void bigburst(int x, int y);          // 60 glow balls of colour 9 and the double-suns sound
void cardburst(int x, int y);         // 10 card fragments over a card at unshifted x
void extraburst(int x, int y);        // 25 falling stars and one extra-card glow
