#include "solitaire/solver.h"
#include "solitaire/cards.h"
#include "solitaire/levelformat.h"
#include <algorithm>

namespace {

constexpr int wildfromlevel = 3;  // from this level one draw in 30 is the wild card
constexpr int wildodds = 30;
constexpr int tablebits = 20;     // slots of the position table by default: 2^20

uint64_t mix(uint64_t z) {
  z += 0x9e3779b97f4a7c15ull;
  z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
  z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
  return z ^ (z >> 31);
}

bool fitsstable(int rank, int stable) { return stable == solvewildrank || ranksneighbour(rank, stable); }

// The value the game's column table holds for a column (the helping stock reads it): the
// last card that became free and started to turn; animals never turn.
int columntopof(const checkdeal& d, const playstate& s, int c) {
  if (s.height[c] == 0) return -11;
  const auto& col = d.columns[c];
  for (int i = s.height[c] - 1; i < int(col.size()); i++)
    if (col[i].value != CARD_ANIMAL) return col[i].value;
  return 0;
}

// The helping stock of levels 1 to 4, as the game draws it: the first identity still in
// the stock that neighbours a column's top (on levels 3 and 4 every other frame it looks at
// the last identity only), else any identity left; from level 3 one draw in 30 is wild. The
// frame's parity and the random picks come from the deal's seed and the draw's number.
bool instock(const checkdeal& d, const playstate& s, int id) { return d.deckstate[id] == 0 && !(s.drawnids >> id & 1); }

int helpingdraw(const checkdeal& d, const playstate& s) {
  uint64_t h = mix(uint64_t(d.seed) * 131ull + uint64_t(s.drawn));
  int id = 0;
  int first = (d.level == 3 || d.level == 4) && (h & 1) == 0 ? 52 : 1;
  for (int c = first; c <= 52 && id == 0; c++) {
    if (!instock(d, s, c)) continue;
    int r = identityrank(c);
    for (int k = 0; k < int(d.columns.size()) && id == 0; k++) {
      int top = columntopof(d, s, k);
      if (r == top + 1 || r == top - 1) id = c;
    }
  }
  if (id == 0) {
    int free = 0;
    for (int c = 1; c <= 52; c++) free += instock(d, s, c);
    if (free > 0) {
      int pick = int((h >> 33) % uint64_t(free));
      for (int c = 1; c <= 52 && id == 0; c++)
        if (instock(d, s, c) && pick-- == 0) id = c;
    }
  }
  if (d.level >= wildfromlevel && (h >> 12) % wildodds == 0) id = solvewild;
  return id;
}

}  // namespace

// ---- The rules ----

int drawsleft(const checkdeal& d, const playstate& s) { return std::max(0, d.stockstart - 1) - s.drawn; }

const checkcard* topcard(const checkdeal& d, const playstate& s, int c) {
  return s.height[c] > 0 ? &d.columns[c][s.height[c] - 1] : nullptr;
}

bool showsface(const checkcard& t, const playstate& s) {
  return t.facedown == 0 || (t.cover != 0 && (s.turned >> t.index & 1));
}

bool takeable(const checkdeal& d, const playstate& s, int c) {
  const checkcard* t = topcard(d, s, c);
  if (!t) return false;
  if (t->value == CARD_ANIMAL) return true;
  if (!showsface(*t, s)) return false;
  if (t->value == CARD_FISHSLAP || t->value == CARD_BONUS || t->value == CARD_PLANT) return true;
  return t->value >= 1 && t->value <= 13 && fitsstable(t->value, s.stable);
}

void taketop(const checkdeal& d, playstate& s, int c) {
  const checkcard& t = *topcard(d, s, c);
  if (t.value == CARD_ANIMAL) {
    // Its covers turn up where they lie free; a cover still under a card, even under the
    // animal itself, stays shut.
    for (int k = 0; k < int(d.columns.size()); k++) {
      const checkcard* u = topcard(d, s, k);
      if (u && u->cover == t.param && u->facedown) s.turned |= uint64_t(1) << u->index;
    }
  }
  s.height[c]--;
  s.left--;
  if (t.value >= 1 && t.value <= 13) s.stable = t.value;
  else if (t.value == CARD_FISHSLAP) s.stable = solvewildrank;
}

void drawnext(const checkdeal& d, playstate& s) {
  int id = d.helping ? helpingdraw(d, s) : s.drawn < int(d.stockorder.size()) ? d.stockorder[s.drawn] : 0;
  s.drawn++;
  if (id == solvewild) s.stable = solvewildrank;
  else if (id >= 1 && id <= 52) {
    s.stable = identityrank(id);
    s.drawnids |= uint64_t(1) << id;
  }
}

namespace {

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

// An animal whose shut covers all lie free loses nothing by going now.
bool animalready(const checkdeal& d, const playstate& s, const checkcard& t) {
  int shut, freenow;
  coverstate(d, s, t.param, shut, freenow);
  return shut == freenow;
}

}  // namespace

void takefree(const checkdeal& d, playstate& s) {
  bool again = true;
  while (again) {
    again = false;
    for (int c = 0; c < int(d.columns.size()); c++) {
      const checkcard* t = topcard(d, s, c);
      if (!t) continue;
      bool gift = (t->value == CARD_PLANT || t->value == CARD_BONUS) && showsface(*t, s);
      if (gift || (t->value == CARD_ANIMAL && animalready(d, s, *t))) {
        taketop(d, s, c);
        again = true;
      }
    }
  }
}

playstate startstate(const checkdeal& d) {
  playstate s;
  for (int c = 0; c < int(d.columns.size()); c++) s.height[c] = int8_t(d.columns[c].size());
  s.left = d.cardcount;
  if (d.started) s.stable = d.stablestart;
  else if (drawsleft(d, s) > 0) drawnext(d, s);  // the first stock card lies on the stable when play starts
  return s;
}

void finishdeal(checkdeal& d) {
  int index = 0;
  for (auto& col : d.columns)
    for (auto& k : col) {
      k.index = index++;
      if (k.value >= 1 && k.value <= 13 && k.identity >= 1 && k.identity <= 52) d.deckstate[k.identity] = 1;
    }
  d.cardcount = index;
}

// ---- The blind player ----

namespace {

// Longest run of takes among the face-up free cards seen now, starting from a stable rank;
// the cards a take would uncover are unknown and not counted.
int visiblechain(const int* ranks, int n, char* used, int stable, int depth) {
  if (depth == 0) return 0;
  int best = 0;
  for (int i = 0; i < n; i++) {
    if (used[i] || !fitsstable(ranks[i], stable)) continue;
    used[i] = 1;
    best = std::max(best, 1 + visiblechain(ranks, n, used, ranks[i], depth - 1));
    used[i] = 0;
    if (best >= depth) break;
  }
  return best;
}

}  // namespace

int blindmove(const checkdeal& d, const playstate& s) {
  const int ncol = int(d.columns.size());
  if (s.left == 0) return movenone;
  // What lies free and face up.
  int ranks[solvecolumns], rankcol[solvecolumns], n = 0;
  int fishcol = -1, animalcol[3] = {-1, -1, -1};
  for (int c = 0; c < ncol; c++) {
    const checkcard* t = topcard(d, s, c);
    if (!t) continue;
    if (t->value == CARD_ANIMAL) animalcol[t->param == 2 ? 2 : 1] = c;
    else if (!showsface(*t, s)) continue;
    else if (t->value == CARD_FISHSLAP) fishcol = c;
    else if (t->value >= 1 && t->value <= 13) ranks[n] = t->value, rankcol[n++] = c;
  }
  // An animal goes once every cover of its kind lies free (or none is left to free).
  for (int k = 1; k <= 2; k++) {
    if (animalcol[k] < 0) continue;
    int shut, freenow;
    coverstate(d, s, k, shut, freenow);
    if (shut == freenow) return animalcol[k];
  }
  // The rank card that keeps the longest run going, from the deepest column on a tie.
  int chosen = -1, bestscore = -1;
  char used[solvecolumns] = {};
  for (int i = 0; i < n; i++) {
    if (!fitsstable(ranks[i], s.stable)) continue;
    used[i] = 1;
    int score = 100 * visiblechain(ranks, n, used, ranks[i], 6) + 4 * s.height[rankcol[i]];
    used[i] = 0;
    if (score > bestscore) bestscore = score, chosen = rankcol[i];
  }
  if (chosen < 0 && fishcol >= 0) chosen = fishcol;
  if (chosen >= 0) return chosen;
  // Stuck: an animal that frees at least one cover now beats a draw only when the stock
  // is gone or nothing more of its kind can come free.
  bool drawleft = drawsleft(d, s) > 0;
  for (int k = 1; k <= 2; k++) {
    if (animalcol[k] < 0) continue;
    int shut, freenow;
    coverstate(d, s, k, shut, freenow);
    if (!drawleft || (freenow > 0 && freenow == shut)) return animalcol[k];
  }
  return drawleft ? movedraw : movenone;
}

checkresult playblind(const checkdeal& d) {
  playstate s = startstate(d);
  for (int guard = 0; guard < 400; guard++) {
    takefree(d, s);
    int m = blindmove(d, s);
    if (m == movenone) break;
    if (m == movedraw) drawnext(d, s);
    else taketop(d, s, m);
  }
  return {s.left, false, s.left, 0};
}

// ---- The perfect player ----
//
// A depth-first search for a line that leaves at most a target of cards, with the fewest
// cards a position can still leave kept in a table that lasts over every target tried for
// the deal: a position shown to leave more than 3 cards is never searched again for 2 or 3.
// A failed search returns the bound it proved (more than the target), so the next target
// starts there. Cards that can never leave the table bound every position from below.

namespace {

struct searchwork {
  const checkdeal* d = nullptr;
  solvetable* table = nullptr;
  long nodes = 0;
  long budget = 0;
  bool cut = false;    // the budget ran out
  int bestseen = 99;   // the fewest cards left at any position reached
  long leftout = 0;    // lines left out for want of strays, counted
  uint32_t pass = 0;   // the pass of the search running, marks the table's stray counts
  const std::atomic<bool>* stop = nullptr;  // set by another thread: give up at once
  // Stock cards still to come from draw k on: by rank (1..13), and wild ones.
  std::vector<std::array<int8_t, 15>> stockfrom;
};

uint64_t digest(const searchwork& w, const playstate& s) {
  uint64_t a = 0, b = 0;
  for (int c = 0; c < 10; c++) a = a << 6 | uint64_t(s.height[c]);
  for (int c = 10; c < solvecolumns; c++) b = b << 6 | uint64_t(s.height[c]);
  uint64_t h = mix(a ^ mix(b ^ mix(uint64_t(s.stable) << 8 | uint64_t(s.drawn))));
  h = mix(h ^ s.turned);
  if (w.d->helping) h = mix(h ^ s.drawnids);
  return h | 1;  // 0 marks an empty slot
}

// The slot of a key, or where it would go: four slots are probed, then the one holding the
// lowest bound gives way.
size_t findslot(solvetable& t, uint64_t key, bool& found) {
  size_t base = key & t.mask, victim = base;
  for (size_t k = 0; k < 4; k++) {
    size_t i = (base + k) & t.mask;
    if (t.keys[i] == key || t.keys[i] == 0) {
      found = t.keys[i] == key;
      return i;
    }
    if (t.bound[i] < t.bound[victim]) victim = i;
  }
  found = false;
  return victim;
}

int neighbourcount(const int* counts, int rank) {
  int lo = rank == 1 ? 13 : rank - 1, hi = rank == 13 ? 1 : rank + 1;
  return counts[lo] + counts[hi];
}

// Every rank card taken lies on a stable some earlier event laid: a rank card taken before it,
// a drawn card, the stable at the start or a wild one. Each event serves one take at most,
// so rank cards that cannot each be given a neighbour of their own stay. The neighbours are
// matched rank to rank round the circle of ranks (ace beside king).
int unmatched(const int* need, const int* give, int wild) {
  // Givers of rank r serve takers of r - 1 and r + 1, so givers and takers form one ring of
  // 26: giver 1, taker 2, giver 3, ... giver 13, taker 1, giver 2, ... taker 13, back to
  // giver 1; node k has rank k mod 13 + 1 and is a giver when k is even. A match uses an
  // edge between neighbours on the ring. With the edge from the last node to the first fixed,
  // the rest is a path, where taking all an end node can give is best.
  constexpr int ring = 26;
  int c[ring], total = 0;
  for (int k = 0; k < ring; k++) {
    int r = k % 13 + 1;
    c[k] = k % 2 == 0 ? give[r] : need[r];
  }
  for (int r = 1; r <= 13; r++) total += need[r];
  int best = 0;
  for (int x = 0; x <= std::min(c[ring - 1], c[0]); x++) {
    int matched = x, prev = x;  // prev: what the edge into node k already uses of it
    for (int k = 0; k < ring - 1; k++) {
      int room = k + 1 == ring - 1 ? c[k + 1] - x : c[k + 1];
      int f = std::min(c[k] - prev, room);
      matched += f;
      prev = f;
    }
    best = std::max(best, matched);
  }
  return std::max(0, total - best - wild);
}

// Cards that can never leave: a face-down card without a cover; a shut cover whose animals
// are all gone (or lie above it in its own column, which turns only free cards); a rank that
// nothing left on the table, in the stock or on the stable neighbours. Each holds down the
// cards under it too, and cards held down are no neighbours for others: the count is
// repeated until it stands.
int lowerbound(const searchwork& w, const playstate& s) {
  const checkdeal& d = *w.d;
  const int ncol = int(d.columns.size());
  int animals[3] = {}, fish = 0;
  for (int c = 0; c < ncol; c++)
    for (int i = 0; i < s.height[c]; i++) {
      const checkcard& k = d.columns[c][i];
      if (k.value == CARD_FISHSLAP) fish++;
      else if (k.value == CARD_ANIMAL && k.param >= 1 && k.param <= 2) animals[k.param]++;
    }
  // Whether every rank may still find a neighbour some way: a wild stable, a fish, a wild
  // card to come or the helping stock's free choice.
  bool anyrank = s.stable == solvewildrank || fish > 0 || (drawsleft(d, s) > 0 && (d.helping || w.stockfrom.empty()));
  int stockranks[15] = {};
  if (!anyrank && !w.stockfrom.empty()) {
    const auto& from = w.stockfrom[std::min<size_t>(size_t(s.drawn), w.stockfrom.size() - 1)];
    for (int r = 1; r <= 13; r++) stockranks[r] = from[r];
    anyrank = from[14] > 0;
  }
  int deadupto[solvecolumns] = {};
  // Shut covers first: they do not depend on the ranks.
  for (int c = 0; c < ncol; c++) {
    int inthiscolumn[3] = {};
    for (int i = 0; i < s.height[c]; i++) {
      const checkcard& k = d.columns[c][i];
      if (k.value == CARD_ANIMAL && k.param >= 1 && k.param <= 2) inthiscolumn[k.param]++;
    }
    for (int i = 0; i < s.height[c]; i++) {
      const checkcard& k = d.columns[c][i];
      if (k.facedown && !showsface(k, s) &&
          (k.cover < 1 || k.cover > 2 || animals[k.cover] - inthiscolumn[k.cover] == 0))
        deadupto[c] = i + 1;
    }
  }
  for (int round = 0; round < 4 && !anyrank; round++) {
    int tableranks[15] = {};
    for (int c = 0; c < ncol; c++)
      for (int i = deadupto[c]; i < s.height[c]; i++) {
        int v = d.columns[c][i].value;
        if (v >= 1 && v <= 13) tableranks[v]++;
      }
    bool changed = false;
    for (int c = 0; c < ncol; c++) {
      int below[15] = {};
      for (int i = 0; i < s.height[c]; i++) {
        const checkcard& k = d.columns[c][i];
        if (k.value < 1 || k.value > 13) continue;
        if (i >= deadupto[c]) {
          int sources = neighbourcount(tableranks, k.value) - neighbourcount(below, k.value) +
                        neighbourcount(stockranks, k.value) + (ranksneighbour(k.value, s.stable) ? 1 : 0);
          if (sources == 0) {
            for (int j = deadupto[c]; j <= i; j++) {
              int v = d.columns[c][j].value;
              if (v >= 1 && v <= 13) tableranks[v]--;
            }
            deadupto[c] = i + 1;
            changed = true;
            std::fill(below, below + 15, 0);
            continue;
          }
          below[k.value]++;
        }
      }
    }
    if (!changed) break;
  }
  int bound = 0;
  for (int c = 0; c < ncol; c++) bound += deadupto[c];
  {
    // The rank cards still alive each need a neighbour of their own.
    int need[15] = {}, give[15] = {};
    int wild = fish + (s.stable == solvewildrank ? 1 : 0);
    for (int c = 0; c < ncol; c++)
      for (int i = deadupto[c]; i < s.height[c]; i++) {
        int v = d.columns[c][i].value;
        if (v >= 1 && v <= 13) need[v]++, give[v]++;
      }
    if (s.stable >= 1 && s.stable <= 13) give[s.stable]++;
    if (drawsleft(d, s) > 0 && (d.helping || w.stockfrom.empty())) {
      wild += drawsleft(d, s);
    } else if (!w.stockfrom.empty()) {
      const auto& from = w.stockfrom[std::min<size_t>(size_t(s.drawn), w.stockfrom.size() - 1)];
      for (int r = 1; r <= 13; r++) give[r] += from[r];
      wild += from[14];
    }
    bound += unmatched(need, give, wild);
  }
  return bound;
}

// How many takes a greedy run makes from here without a draw, each time taking the fitting
// face from the tallest column: a cheap look at how long a combo a take opens.
int greedyrun(const checkdeal& d, playstate s, int cap) {
  int run = 0;
  const int ncol = int(d.columns.size());
  while (run < cap) {
    int pick = -1;
    for (int c = 0; c < ncol; c++) {
      const checkcard* t = topcard(d, s, c);
      if (!t || t->value < 1 || t->value > 13 || !showsface(*t, s) || !fitsstable(t->value, s.stable)) continue;
      if (pick < 0 || s.height[c] > s.height[pick]) pick = c;
    }
    if (pick < 0) break;
    taketop(d, s, pick);
    run++;
  }
  return run;
}

// The moves worth trying, best first: the take that opens the longest greedy run, deeper
// columns first; the fish; an animal before its covers all lie free; a draw.
int ordermoves(const checkdeal& d, const playstate& s, int* order) {
  int score[solvecolumns + 1];
  int moves = 0;
  const int ncol = int(d.columns.size());
  for (int c = 0; c < ncol; c++) {
    if (!takeable(d, s, c)) continue;
    const checkcard& t = *topcard(d, s, c);
    int sc;
    if (t.value == CARD_ANIMAL) {
      sc = 10;
    } else if (t.value == CARD_FISHSLAP) {
      sc = 50;
    } else {
      playstate n = s;
      taketop(d, n, c);
      sc = 100 + 40 * greedyrun(d, n, 12) + s.height[c];
    }
    int k = moves++;
    while (k > 0 && score[k - 1] < sc) order[k] = order[k - 1], score[k] = score[k - 1], k--;
    order[k] = c, score[k] = sc;
  }
  if (drawsleft(d, s) > 0) order[moves++] = movedraw;
  return moves;
}

// Searches for a line from s leaving at most `target` cards, straying from the move order
// at most `disc` times in all (a move's place in the order counts as that many strays).
// Returns what it left when it found one (at most target), else a lower bound above target
// which is proven only when no line was left out for want of strays (w.leftout unchanged).
int search(searchwork& w, playstate s, int target, int disc) {
  const checkdeal& d = *w.d;
  takefree(d, s);
  w.bestseen = std::min(w.bestseen, s.left);
  if (s.left <= target) return s.left;
  int lb = lowerbound(w, s);
  if (lb > target) return lb;
  uint64_t key = digest(w, s);
  bool found = false;
  size_t slot = findslot(*w.table, key, found);
  if (found && w.table->bound[slot] > target) return w.table->bound[slot];
  if (found && w.table->pass[slot] == w.pass && w.table->strays[slot] >= disc) {
    w.leftout++;  // searched in this pass with as many strays or more, and lines were left out
    return target + 1;
  }
  if (++w.nodes > w.budget || (w.stop && (w.nodes & 255) == 0 && w.stop->load(std::memory_order_relaxed))) {
    w.cut = true;
    return target + 1;
  }
  int order[solvecolumns + 1];
  int moves = ordermoves(d, s, order);
  int best = s.left;
  long leftout = w.leftout;
  for (int m = 0; m < moves; m++) {
    int cost = m == 0 ? 0 : 1;
    if (cost > disc) {
      w.leftout++;
      break;
    }
    playstate n = s;
    if (order[m] == movedraw) drawnext(d, n);
    else taketop(d, n, order[m]);
    int v = search(w, n, target, disc - cost);
    if (v <= target) return v;
    if (w.cut) return target + 1;
    best = std::min(best, v);
  }
  // The table's slot may have moved while the moves were searched.
  slot = findslot(*w.table, key, found);
  if (!found) {
    w.table->keys[slot] = key;
    w.table->bound[slot] = 0;
    w.table->pass[slot] = 0;
  }
  if (w.leftout == leftout) {
    w.table->bound[slot] = uint8_t(std::min(std::max(best, lb), 255));
    return std::max(best, lb);
  }
  w.table->pass[slot] = w.pass;
  w.table->strays[slot] = uint8_t(std::min(disc, 255));
  return target + 1;
}

// Searches for a line leaving at most `target` cards with ever more strays from the move
// order, so that a good line is found before the whole tree under a poor first move is
// searched; a pass that left nothing out settles the question.
int searchtarget(searchwork& w, const playstate& start, int target) {
  for (int disc = 0;; disc = disc < 2 ? disc + 1 : disc * 2) {
    w.pass++;
    long leftout = w.leftout;
    int v = search(w, start, target, disc);
    if (v <= target || w.cut || w.leftout == leftout) return v;
  }
}

void preparework(searchwork& w, const checkdeal& d, int nodebudget, solvetable& table) {
  w.d = &d;
  w.table = &table;
  w.budget = nodebudget;
  if (table.keys.empty()) sizetable(table, tablebits);
  std::fill(table.keys.begin(), table.keys.end(), 0);
  std::fill(table.bound.begin(), table.bound.end(), 0);
  std::fill(table.pass.begin(), table.pass.end(), 0);
  if (!d.helping) {
    int n = int(d.stockorder.size());
    w.stockfrom.assign(size_t(n + 1), {});
    for (int k = n - 1; k >= 0; k--) {
      w.stockfrom[k] = w.stockfrom[k + 1];
      int id = d.stockorder[k];
      if (id == solvewild) w.stockfrom[k][14]++;
      else if (id >= 1 && id <= 52) w.stockfrom[k][identityrank(id)]++;
    }
  }
}

}  // namespace

void sizetable(solvetable& table, int bits) {
  size_t size = size_t(1) << bits;
  table.keys.assign(size, 0);
  table.bound.assign(size, 0);
  table.strays.assign(size, 0);
  table.pass.assign(size, 0);
  table.mask = size - 1;
}

checkresult playperfect(const checkdeal& d, int nodebudget, solvetable& table) {
  searchwork w;
  preparework(w, d, nodebudget, table);
  playstate start = startstate(d);
  w.bestseen = start.left;
  takefree(d, start);
  int target = lowerbound(w, start);
  for (;;) {
    int v = searchtarget(w, start, target);
    if (w.cut) return {w.bestseen, true, target, w.nodes};
    if (v <= target) return {v, false, v, w.nodes};
    target = v;
  }
}

checkresult playperfect(const checkdeal& d, int nodebudget) {
  thread_local solvetable table;
  return playperfect(d, nodebudget, table);
}

int reachestarget(const checkdeal& d, int target, int nodebudget, solvetable& table, long* nodes,
                  const std::atomic<bool>* stop) {
  searchwork w;
  preparework(w, d, nodebudget, table);
  w.stop = stop;
  playstate start = startstate(d);
  int v = searchtarget(w, start, target);
  if (nodes) *nodes = w.nodes;
  if (v <= target) return 1;
  return w.cut ? -1 : 0;
}
