// Extras in play: the plant bar and the item bar, earning and using plants and shop items,
// and the timed modes the items start.
#pragma once
#include "runtime/runtime.h"
#include <array>

inline constexpr int extramodecount = 10;  // flight and earning counters 1..10; slot 0 unused
inline constexpr int plantcount = 8;       // plants 1..8
inline constexpr int itembarslots = 3;     // item bar slots 1..3
inline constexpr int itemkinds = 10;       // shop items 1..10
inline constexpr int extraflightframes = 15;  // a used extra flies this many frames to the stable
inline constexpr int plantearnframes = 50;    // the earning animation of a plant
inline constexpr int plantearnhold = 25;      // the plant is held from this frame of it on

// Shop items by their number in the item bar and the shop.
enum {
  ITEM_FISHSLAP = 1,
  ITEM_ZOMBIEKILLER = 2,
  ITEM_TURNALLUP = 3,
  ITEM_ZOMBIEBLASTER = 4,
  ITEM_MAXBONUS = 5,
  ITEM_NEWSTABLE = 6,
  ITEM_JOKER = 7,
  ITEM_RANDOMEXTRA = 8,
  ITEM_DOUBLESUNS = 9,
  ITEM_SUDDENSTRIKE = 10
};

// The identity each item puts on the stable (its picture there), by item 1..10.
inline constexpr int itemidentity[itemkinds + 1] = {0, 124, 125, 127, 126, 128, 133, 130, 131, 132, 129};

// ---- Reset when a deal starts (loadlevel): flights, earnings and the modes ----
inline std::array<int, extramodecount + 1> plantearn{};  // earning animation frame of plant k, 0 off
inline std::array<int, extramodecount + 1> plantfly{};   // flight frame of a used plant, 0 none
inline std::array<int, extramodecount + 1> itemfly{};    // flight frame of a used item slot, 0 none
inline float extraflyx = 0;    // where the flying plant or item is drawn now (shared by all flights)
inline float extraflyy = 0;
inline int strikemode = 0;     // sudden strike frames; never ends by itself
inline int newstablemode = 0;  // new stable frames
inline int killermode = 0;     // 1 while the zombie killer waits for its target
inline int blastermode = 0;    // 1 while the zombie blaster waits for its column
inline int turnupmode = 0;     // 1: turn all up runs on the next frame
inline int randommode = 0;     // random extra frames
inline int sunsmode = 0;       // double suns frames
inline int jokermode = 0;      // joker frames: every free face-up card may be taken
// The stable under an aiming item, so an item that finds nothing to aim at can go back.
inline int aimprevstable = 0;  // stableid before the killer or blaster landed
inline int aimprevrank = 0;    // stablerank before it

// ---- Recomputed every frame by the bars and the modes (the game screen reads them) ----
inline int plantsheld = 0;  // 1 when the player holds a plant
inline int itemsheld = 0;   // 1 when the player holds an item that can still open a move
inline int extramode = 0;   // 1 when an extra mode ran this frame

// ---- The bars' tooltip (the game screen clears it when a game starts) ----
inline int tooltipid = 0;        // 0 none, 1 the plant bar, item + 1 an item slot
inline int tooltiptime = 0;      // frames the pointer rested on the same id
inline float tooltipalpha = 0;   // the panel fades in once the pointer rested 100 frames

// ---- Loaded once at start with the card pictures ----
inline Image killercursor;   // drawn beside the pointer while the zombie killer waits
inline Image blastercursor;  // the same for the zombie blaster

// The bars, every frame from the game screen's top-bar routine: item bar first.
void drawitembar();
void drawplantbar();
void itemslotcentre(int s, float& x, float& y);  // the middle of item slot s (the keys point there)
void plantcentre(int k, float& x, float& y);     // the middle of bar plant k
void drawtooltip();
// The modes' frames, while their counter is positive; the game screen calls them in the
// order sudden strike, new stable, zombie killer, zombie blaster, turn all up, random extra,
// double suns, joker (extrasframe does exactly that).
void strikeframe();
void newstableframe();
void killerframe();
void blasterframe();
void turnupframe();
void randomframe();
void sunsframe();
void jokerframe();
void extrasframe();       // every running mode in order; extramode = 1 when one ran
bool blockingmode();      // a mode runs that takes the player's clicks away (all but the joker)
bool extraflying();       // a plant or an item flies to the stable
void useitem(int item);   // the item takes effect on the stable, as when its flight lands
void returnaimingitem();  // a waiting zombie killer or blaster goes back to the bar, unused
// A stored game left while an item was at work (the quit question, a lost focus and then the
// program's end) takes that work up again from its start when it is resumed.
void resumeitemwork();
void startplantearn(int k);  // plant k starts its earning animation
int itempicture(int item);   // itemimg index of an item's picture, 0 for none
