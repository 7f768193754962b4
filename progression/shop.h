// The shop (screen 21): items for the item bar and the set of plants, bought with cash.
#pragma once
#include "runtime/runtime.h"

inline constexpr int shopitems = 10;       // items 1..10 on sale; slot 0 unused
inline constexpr int shopitemslots = 3;    // item-bar slots 1..3
inline constexpr int shopplants = 8;       // plants 1..8, sold as one set
inline constexpr int shopplantprice = 800; // per plant of the set not yet held

// One offer of the item grid, in the order it is drawn: price, and where it stands (x from
// the centre, y from the top).
struct shopoffer {
  int price, x, y;
};
inline constexpr shopoffer shopgrid[shopitems + 1] = {
    {0, 0, 0},
    {2000, -400, 260},   // 1 fishslap
    {1200, -255, 260},   // 2 zombiekiller
    {1500, -110, 260},   // 3 turnallup
    {3000, 35, 260},     // 4 zombieblaster
    {3500, 180, 260},    // 5 maxbonus
    {3500, -400, 480},   // 6 newstable
    {5000, -255, 480},   // 7 joker
    {2500, -110, 480},   // 8 randomextra
    {3500, 35, 480},     // 9 doublesuns
    {12000, 180, 480}};  // 10 suddenstrike

// The picture of each item in itemimg, which is ordered by the item's identity on the stable.
inline constexpr int shopitempicture[shopitems + 1] = {0, 1, 2, 4, 3, 5, 10, 7, 8, 9, 6};

// ---- Pictures: loadshopstuff .. deleteshopstuff ----
inline Image shopbgimg;        // the shop's backdrop
inline Image shopfieldimg;     // the field under each item
inline Image shoppanelimg;     // the price panel
inline Image shopheadlineimg;  // the headline field over items and plants

// ---- The shop screen's state, reset by instshop ----
inline int shopframe = 0;     // frames since the shop was entered
inline int shoptipfade = 0;   // the tooltip's fade
inline int shoptipx = 0, shoptipy = 0;  // where the tooltip stands
inline int shophovered = 0;   // offer under the pointer this frame: 0 none, 1 the plants, item + 1

void instshop();
void showshop();
void loadshopstuff();
void deleteshopstuff();
int shopfreeslot();      // the lowest empty item-bar slot of the current player, 0 when all are full
int shopplantsetprice(); // what the plants not yet held cost together
bool shopbuyitem(int item);   // pays for the item and puts it into the free slot; false when refused
bool shopbuyplants();         // pays for the set and fills all eight plants; false when refused
bool shopsellslot(int slot);  // the slot's item back for its full price; false when empty
