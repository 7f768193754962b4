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
constexpr int wildcard = STABLE_FISHSLAP;
constexpr int wildrank = 14;    // stable state while the wild card lies on top

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

// The state of a game in play.
struct playstate {
  std::array<int8_t, tablecolumns> height{};  // live cards per column
  int stable = 0;       // rank the next card must neighbour; wildrank while wild
  int drawn = 0;        // stock cards drawn so far
  int left = 0;         // cards on the table
  uint64_t turned = 0;  // covered cards their animal turned up, by deal index
  uint64_t drawnids = 0;  // identities drawn (the helping stock depends on them)
};

int ndraws(const checkdeal& d) { return std::max(0, d.stockstart - 1); }

const checkcard* topcard(const checkdeal& d, const playstate& s, int c) {
  return s.height[c] > 0 ? &d.columns[c][s.height[c] - 1] : nullptr;
}

bool showsface(const checkcard& t, const playstate& s) {
  return t.facedown == 0 || (t.cover != 0 && (s.turned >> t.index & 1));
}

// A free card a click may take now: what handleclicks allows.
bool takeable(const checkcard& t, const playstate& s) {
  if (t.value == CARD_ANIMAL) return true;
  if (!showsface(t, s)) return false;
  if (t.value == CARD_FISHSLAP || t.value == CARD_BONUS || t.value == CARD_PLANT) return true;
  return s.stable == wildrank || ranksneighbour(t.value, s.stable);
}

// The value the game's column table holds for a column (the helping stock reads it): the
// last card that became free and started to turn; animals never turn.
int columntopof(const checkdeal& d, const playstate& s, int c) {
  if (s.height[c] == 0) return -11;
  const auto& col = d.columns[c];
  for (int i = s.height[c] - 1; i < int(col.size()); i++)
    if (col[i].value != CARD_ANIMAL) return col[i].value;
  return 0;
}

// The next stock card: fixed at the deal, or picked by the game's helping stock.
int nextdraw(const checkdeal& d, const playstate& s) {
  if (!d.helping) return s.drawn < int(d.stockorder.size()) ? d.stockorder[s.drawn] : 0;
  player = checkplayer;
  level = d.level;
  tutorialon = 0;
  columns[player] = int(d.columns.size());
  for (int id = 1; id <= cardcount; id++) deckstate[player][id] = (s.drawnids >> id & 1) ? 2 : d.deckstate[id];
  for (int c = 1; c <= tablecolumns; c++) columntop[player][c] = c <= int(d.columns.size()) ? columntopof(d, s, c - 1) : 0;
  uint64_t h = mix(d.seed * 131ull + uint64_t(s.drawn));
  framecount = int(h & 1);
  SeedRnd(int(h >> 33));
  return nextstockcard();
}

void draw(const checkdeal& d, playstate& s) {
  int id = nextdraw(d, s);
  s.drawn++;
  if (id == wildcard) s.stable = wildrank;
  else if (id >= 1 && id <= cardcount) {
    s.stable = identityrank(id);
    s.drawnids |= uint64_t(1) << id;
  }
}

void take(const checkdeal& d, playstate& s, int c) {
  const checkcard& t = *topcard(d, s, c);
  s.height[c]--;
  s.left--;
  if (t.value >= 1 && t.value <= 13) s.stable = t.value;
  else if (t.value == CARD_FISHSLAP) s.stable = wildrank;
  else if (t.value == CARD_ANIMAL) {
    // Its covers turn up where they lie free; a cover still under other cards stays shut.
    for (int k = 0; k < int(d.columns.size()); k++) {
      const checkcard* u = topcard(d, s, k);
      if (u && u->cover == t.param && u->facedown) s.turned |= uint64_t(1) << u->index;
    }
  }
}

// Plants and bonus cards cost nothing and fit always: both players take them at once.
void takefree(const checkdeal& d, playstate& s) {
  bool again = true;
  while (again) {
    again = false;
    for (int c = 0; c < int(d.columns.size()); c++) {
      const checkcard* t = topcard(d, s, c);
      if (t && (t->value == CARD_PLANT || t->value == CARD_BONUS) && showsface(*t, s)) {
        take(d, s, c);
        again = true;
      }
    }
  }
}

playstate startstate(const checkdeal& d) {
  playstate s;
  for (int c = 0; c < int(d.columns.size()); c++) s.height[c] = int8_t(d.columns[c].size());
  s.left = d.cardcount;
  if (ndraws(d) > 0) draw(d, s);  // the first stock card lies on the stable when play starts
  return s;
}

// ---- The blind player ----

// Longest run of takes among the face-up free cards seen now, starting from a stable rank;
// the cards a take would uncover are unknown and not counted.
int visiblechain(const std::vector<int>& ranks, std::vector<char>& used, int stable, int depth) {
  if (depth == 0) return 0;
  int best = 0;
  for (size_t i = 0; i < ranks.size(); i++) {
    if (used[i] || !(stable == wildrank || ranksneighbour(ranks[i], stable))) continue;
    used[i] = 1;
    best = std::max(best, 1 + visiblechain(ranks, used, ranks[i], depth - 1));
    used[i] = 0;
    if (best >= depth) break;
  }
  return best;
}

// Covered cards of one kind still shut, and how many of them lie free now.
void coverstate(const checkdeal& d, const playstate& s, int kind, int& shut, int& freenow) {
  shut = freenow = 0;
  for (int c = 0; c < int(d.columns.size()); c++)
    for (int i = 0; i < s.height[c]; i++) {
      const checkcard& t = d.columns[c][i];
      if (t.cover != kind || !t.facedown || (s.turned >> t.index & 1)) continue;
      shut++;
      freenow += i == s.height[c] - 1;
    }
}

}  // namespace

checkresult playblind(const checkdeal& d) {
  playstate s = startstate(d);
  const int ncol = int(d.columns.size());
  for (int guard = 0; guard < 400; guard++) {
    takefree(d, s);
    if (s.left == 0) break;
    // What lies free and face up.
    std::vector<int> ranks, rankcol;
    int fishcol = -1, animalcol[3] = {-1, -1, -1};
    for (int c = 0; c < ncol; c++) {
      const checkcard* t = topcard(d, s, c);
      if (!t) continue;
      if (t->value == CARD_ANIMAL) animalcol[t->param == 2 ? 2 : 1] = c;
      else if (!showsface(*t, s)) continue;
      else if (t->value == CARD_FISHSLAP) fishcol = c;
      else if (t->value >= 1 && t->value <= 13) ranks.push_back(t->value), rankcol.push_back(c);
    }
    // An animal goes once every cover of its kind lies free (or none is left to free).
    int chosen = -1;
    for (int k = 1; k <= 2 && chosen < 0; k++) {
      if (animalcol[k] < 0) continue;
      int shut, freenow;
      coverstate(d, s, k, shut, freenow);
      if (shut == freenow) chosen = animalcol[k];
    }
    if (chosen >= 0) {
      take(d, s, chosen);
      continue;
    }
    // The rank card that keeps the longest run going, from the deepest column on a tie.
    int bestscore = -1;
    std::vector<char> used(ranks.size(), 0);
    for (size_t i = 0; i < ranks.size(); i++) {
      if (!(s.stable == wildrank || ranksneighbour(ranks[i], s.stable))) continue;
      used[i] = 1;
      int score = 100 * visiblechain(ranks, used, ranks[i], 6) + 4 * s.height[rankcol[i]];
      used[i] = 0;
      if (score > bestscore) bestscore = score, chosen = rankcol[i];
    }
    if (chosen < 0 && fishcol >= 0) chosen = fishcol;
    if (chosen >= 0) {
      take(d, s, chosen);
      continue;
    }
    // Stuck: an animal that frees at least one cover now beats a draw only when the stock
    // is gone or nothing more of its kind can come free.
    bool drawleft = s.drawn < ndraws(d);
    for (int k = 1; k <= 2 && chosen < 0; k++) {
      if (animalcol[k] < 0) continue;
      int shut, freenow;
      coverstate(d, s, k, shut, freenow);
      if (!drawleft || (freenow > 0 && freenow == shut)) chosen = animalcol[k];
    }
    if (chosen >= 0) {
      take(d, s, chosen);
      continue;
    }
    if (!drawleft) break;
    draw(d, s);
  }
  return {s.left, false};
}

// ---- The perfect player ----

namespace {

// The longest run of takes from here without a draw, knowing every card: how long a combo
// the table still holds. Rank cards and the fish only; `cap` bounds the work.
int longestrun(const checkdeal& d, const playstate& s, int& cap) {
  if (--cap <= 0) return 0;
  int best = 0;
  for (int c = 0; c < int(d.columns.size()); c++) {
    const checkcard* t = topcard(d, s, c);
    if (!t || t->value == CARD_ANIMAL || !takeable(*t, s)) continue;
    playstate n = s;
    take(d, n, c);
    takefree(d, n);
    best = std::max(best, 1 + longestrun(d, n, cap));
    if (cap <= 0) break;
  }
  return best;
}

// Whether an animal may go now without wasting covers: all covers of its kind lie free.
bool animalready(const checkdeal& d, const playstate& s, const checkcard& t) {
  int shut, freenow;
  coverstate(d, s, t.param, shut, freenow);
  return shut == freenow;
}

// The order a strong player tries the moves in: the take that opens the longest run first
// (deepest column on a tie), a ready animal before that, the fish and other animals after.
int ordermoves(const checkdeal& d, const playstate& s, std::array<int, tablecolumns>& order) {
  std::array<int, tablecolumns> score{};
  int moves = 0;
  for (int c = 0; c < int(d.columns.size()); c++) {
    const checkcard* t = topcard(d, s, c);
    if (!t || !takeable(*t, s)) continue;
    int sc;
    if (t->value == CARD_ANIMAL) {
      sc = animalready(d, s, *t) ? 100000 : 400;
    } else if (t->value == CARD_FISHSLAP) {
      sc = 500;
    } else {
      playstate n = s;
      take(d, n, c);
      takefree(d, n);
      int cap = 300;
      sc = 1000 + 100 * longestrun(d, n, cap) + s.height[c];
    }
    int k = moves++;
    while (k > 0 && score[k - 1] < sc) order[k] = order[k - 1], score[k] = score[k - 1], k--;
    order[k] = c, score[k] = sc;
  }
  return moves;
}

// A search that follows the heuristic's first choice and allows a growing number of
// departures from it (discrepancies), so the node budget is spread over the whole game
// rather than spent at the end of the first line of play. A game may stop anywhere, so the
// answer is the fewest cards left over every position reached.
struct solver {
  const checkdeal* d = nullptr;
  int budget = 0;
  int nodes = 0;
  bool cut = false;     // the budget ran out
  bool pruned = false;  // some line was left out for want of discrepancies
  int best = 0;
  // Positions seen, with the discrepancies they were searched with: open addressing on a
  // 64-bit digest of the position.
  std::vector<uint64_t> keys;
  std::vector<int8_t> vals;
  uint64_t mask = 0;

  uint64_t digest(const playstate& s) const {
    uint64_t a = 0, b = 0;
    for (int c = 0; c < 10; c++) a = a << 6 | uint64_t(s.height[c]);
    for (int c = 10; c < tablecolumns; c++) b = b << 6 | uint64_t(s.height[c]);
    uint64_t h = mix(a ^ mix(b ^ mix(uint64_t(s.stable) << 8 | uint64_t(s.drawn))));
    h = mix(h ^ s.turned);
    if (d->helping) h = mix(h ^ s.drawnids);
    return h | 1;  // 0 marks an empty slot
  }

  void search(playstate s, int disc) {
    takefree(*d, s);
    best = std::min(best, s.left);
    if (best == 0) return;
    if (++nodes > budget) {
      cut = true;
      return;
    }
    uint64_t key = digest(s);
    size_t i = key & mask;
    while (keys[i] != 0 && keys[i] != key) i = (i + 1) & mask;
    if (keys[i] == key && vals[i] >= disc) return;
    keys[i] = key;
    vals[i] = int8_t(disc);
    std::array<int, tablecolumns> order{};
    int moves = ordermoves(*d, s, order);
    for (int m = 0; m < moves && best > 0 && !cut; m++) {
      if (m > disc) {
        pruned = true;
        return;
      }
      playstate n = s;
      take(*d, n, order[m]);
      search(n, disc - m);
    }
    if (best > 0 && !cut && s.drawn < ndraws(*d)) {
      if (moves > disc) {
        pruned = true;
        return;
      }
      playstate n = s;
      draw(*d, n);
      search(n, disc - moves);
    }
  }
};

}  // namespace

checkresult playperfect(const checkdeal& d, int nodebudget) {
  thread_local solver sv;
  sv.d = &d;
  sv.budget = nodebudget;
  sv.nodes = 0;
  sv.cut = false;
  size_t size = 1;
  while (size < size_t(nodebudget) * 2) size <<= 1;
  if (sv.keys.size() != size) {
    sv.keys.assign(size, 0);
    sv.vals.assign(size, 0);
  } else {
    std::fill(sv.keys.begin(), sv.keys.end(), 0);
  }
  sv.mask = size - 1;
  playstate start = startstate(d);
  sv.best = start.left;
  for (int disc = 0; disc < 100; disc++) {
    sv.pruned = false;
    sv.search(start, disc);
    if (sv.best == 0 || sv.cut || !sv.pruned) break;
  }
  return {sv.best, sv.cut && sv.best > 0};
}

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
    for (int k = 0; k < ndraws(d); k++) {
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
  int index = 0;
  for (auto& col : d.columns)
    for (auto& k : col) {
      k.index = index++;
      if (k.value >= 1 && k.value <= 13) {
        if (k.identity == 0) k.identity = k.value;
        d.deckstate[k.identity] = 1;
      }
    }
  d.cardcount = index;
  d.stockorder = stockorder;
  d.stockstart = int(stockorder.size()) + 1;
  d.helping = false;
  return d;
}
