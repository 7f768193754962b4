#include "progression/startlevel.h"
#include "tools/levelcheck/levelplay.h"
#include "runtime/runtime.h"
#include "runtime/testinput.h"
#include "shell/state.h"
#include "solitaire/cards.h"
#include "solitaire/levels.h"
#include "solitaire/state.h"
#include "solitaire/stock.h"
#include "solitaire/table.h"
#include <algorithm>

namespace {

constexpr int checkplayer = 1;  // the player slot the checker deals into

// The layout read from the file, kept so every deal starts from the same slots.
struct loadedlayout {
  int level = 0;
  std::array<int, cardcount + 1> value{}, param{}, x{}, y{}, autoturn{}, column{}, depth{}, cover{};
};
loadedlayout layout;

uint64_t mix(uint64_t z) {
  z += 0x9e3779b97f4a7c15ull;
  z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
  z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
  return z ^ (z >> 31);
}

}  // namespace

// ---- Deals made by the game's routines ----

bool checkloadlevel(int n) {
  player = checkplayer;
  level = selectedlevel = n;
  if (readlevelfile(n) <= 0) return false;
  const int p = player;
  layout.level = n;
  for (int slot = 1; slot <= cardcount; slot++) {
    layout.value[slot] = cardvalue[p][slot];
    layout.param[slot] = cardparam[p][slot];
    layout.x[slot] = cardx[p][slot];
    layout.y[slot] = cardy[p][slot];
    layout.autoturn[slot] = cardautoturn[p][slot];
    layout.column[slot] = cardcolumn[p][slot];
    layout.depth[slot] = carddepth[p][slot];
    layout.cover[slot] = cardcover[p][slot];
  }
  return true;
}

checkdeal checkmakedeal(int n, uint32_t seed) {
  checkdeal d;
  d.level = n;
  d.seed = seed;
  d.helping = n < 5;
  player = checkplayer;
  level = selectedlevel = n;
  tutorialon = 0;
  const int p = player;
  for (int slot = 1; slot <= cardcount; slot++) {
    cardvalue[p][slot] = layout.value[slot];
    cardparam[p][slot] = layout.param[slot];
    cardx[p][slot] = layout.x[slot];
    cardy[p][slot] = layout.y[slot];
    cardautoturn[p][slot] = layout.autoturn[slot];
    cardcolumn[p][slot] = layout.column[slot];
    carddepth[p][slot] = layout.depth[slot];
    cardcover[p][slot] = layout.cover[slot];
    cardfaceup[p][slot] = cardfree[p][slot] = cardturn[p][slot] = cardsuit[p][slot] = 0;
  }
  testclock(true, int(seed & 0x3fffffff));  // the deal seeds itself from the clock
  preparecards();
  // Columns, bottom card first.
  d.columns.assign(std::max(columns[p], 0), {});
  int index = 0;
  for (int c = 1; c <= columns[p]; c++) {
    std::vector<std::pair<int, int>> order;
    for (int slot = 1; slot <= cardcount; slot++)
      if (cardvalue[p][slot] > 0 && cardx[p][slot] > 0 && cardcolumn[p][slot] == c) order.push_back({carddepth[p][slot], slot});
    std::sort(order.begin(), order.end());
    for (auto [depthno, slot] : order) {
      checkcard k;
      k.value = cardvalue[p][slot];
      k.param = cardparam[p][slot];
      if (k.value >= 1 && k.value <= 13) k.identity = cardidentity(k.value, cardsuit[p][slot]);
      k.facedown = cardautoturn[p][slot] == 0 ? 1 : 0;
      k.cover = cardcover[p][slot];
      k.index = index++;
      d.columns[c - 1].push_back(k);
    }
  }
  d.cardcount = index;
  for (int id = 1; id <= cardcount; id++) d.deckstate[id] = deckstate[p][id];
  d.stockstart = stock[p];
  if (!d.helping) {
    // The random stock: each draw takes a free identity at random (or the wild card).
    SeedRnd(int(mix(seed) >> 33));
    for (int k = 0; k < d.stockstart - 1; k++) {
      int id = nextstockcard();
      d.stockorder.push_back(id);
      if (id >= 1 && id <= cardcount) deckstate[p][id] = 2;
    }
  }
  return d;
}

checkdeal checkdealfrom(int lv, const std::vector<std::vector<checkcard>>& cols, const std::vector<int>& stockorder) {
  checkdeal d;
  d.level = lv;
  d.columns = cols;
  for (auto& col : d.columns)
    for (auto& k : col)
      if (k.value >= 1 && k.value <= 13 && k.identity == 0) k.identity = k.value;
  finishdeal(d);
  d.stockorder = stockorder;
  d.stockstart = int(stockorder.size()) + 1;
  d.helping = false;
  return d;
}
