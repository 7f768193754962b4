// The table's rules as a small model, and the players that play it: the level checker deals
// layouts into it, the odds sign plays samples of the unseen cards on it, the hint asks it
// what a careful player who sees only the faces would take.
//
// Only a column's top card is free. A free card that shows its face fits when its rank
// neighbours the stable's (ranksneighbour); plants, bonus cards and the fish always fit; an
// animal turns up the free cards under its covers; the stock turns its next card onto the
// stable. A face-down card without a cover never turns: it and the cards under it stay.
// Extras are not used.
//
// Everything here is plain data and routines without the game's state: the odds run it on a
// worker thread while the game screen keeps drawing.
#pragma once
#include <array>
#include <atomic>
#include <cstdint>
#include <vector>

inline constexpr int solvecolumns = 20;   // columns a deal may have
inline constexpr int solvewild = 124;     // the stock's wild card (the fish's picture)
inline constexpr int solvewildrank = 14;  // stable rank while the wild card or the fish lies on top

// One table card of a dealt layout.
struct checkcard {
  int value = 0;     // 1..13 rank (random ranks already drawn), 21 plant, 23 animal, 24 fishslap, 26 bonus
  int param = 0;     // animal 1 pig, 2 ninja
  int identity = 0;  // 1..52 for ranks
  int facedown = 0;  // 1 stays face down when free (until its animal turns it, if it has a cover)
  int cover = 0;     // 0 none, 1 bird, 2 fruit
  int index = 0;     // 0..50 place in the deal, for masks
};

// A dealt table and its stock.
struct checkdeal {
  int level = 0;
  uint32_t seed = 0;
  std::vector<std::vector<checkcard>> columns;  // bottom card first
  int cardcount = 0;                            // cards on the table
  std::array<int, 53> deckstate{};              // per identity after the deal: 0 stock, 1 table, 2 drawn before
  int stockstart = 0;                           // the stock counter: stockstart - 1 cards are left to draw
  // Levels from 5 on draw at random, so the whole stock order is fixed at the deal:
  // stockorder[k] is the k-th card drawn (the first lies on the stable at the start).
  // solvewild is the wild fishslap card.
  std::vector<int> stockorder;
  bool helping = false;  // levels 1..4 pick each draw to fit a column: drawn during play
  // A game already under way (the odds): the stable's rank at the start and no first draw.
  bool started = false;
  int stablestart = 0;   // rank 1..13, solvewildrank, or 0 for nothing on the stable
};

// The state of a game in play on a deal.
struct playstate {
  std::array<int8_t, solvecolumns> height{};  // live cards per column
  int stable = 0;         // rank the next card must neighbour; solvewildrank while wild
  int drawn = 0;          // stock cards drawn so far
  int left = 0;           // cards on the table
  uint64_t turned = 0;    // covered cards their animal turned up, by deal index
  uint64_t drawnids = 0;  // identities drawn (the helping stock depends on them)
};

// One action: take the top card of a column, or draw.
inline constexpr int movedraw = -1;
inline constexpr int movenone = -2;

// The outcome of one game.
struct checkresult {
  int left = 0;         // cards left on the table (an upper bound when unsettled)
  bool budget = false;  // the search ran out of positions: left is a bound, not the fewest
  int lower = 0;        // the fewest cards left the search could still not rule out
  long nodes = 0;       // positions searched
};

// The search's working memory: a table of positions already searched with the fewest cards
// any line from them can leave, kept while one deal is searched for several targets.
struct solvetable {
  std::vector<uint64_t> keys;  // 0 marks an empty slot
  std::vector<uint8_t> bound;  // a line from here leaves at least this many cards
  std::vector<uint8_t> strays; // strays from the move order it was last searched with
  std::vector<uint32_t> pass;  // the pass that search belonged to (strays count only in it)
  uint64_t mask = 0;
};

// ---- The rules ----
int drawsleft(const checkdeal& d, const playstate& s);
const checkcard* topcard(const checkdeal& d, const playstate& s, int c);
bool showsface(const checkcard& t, const playstate& s);
bool takeable(const checkdeal& d, const playstate& s, int c);
void taketop(const checkdeal& d, playstate& s, int c);
void drawnext(const checkdeal& d, playstate& s);
// Plants, bonus cards and animals whose covers all lie free cost nothing and only open the
// table: both players take them at once.
void takefree(const checkdeal& d, playstate& s);
playstate startstate(const checkdeal& d);
// Numbers the cards (index), sets cardcount and the table's identities; call after filling columns.
void finishdeal(checkdeal& d);

// ---- The players ----
// The move the blind player makes: it reads only what a person sees (faces of free cards,
// covers, the stable, how many cards lie in each column and in the stock). movenone when
// nothing is left to do. Call after takefree.
int blindmove(const checkdeal& d, const playstate& s);
checkresult playblind(const checkdeal& d);
// The fewest cards left, knowing every card and the stock order. Searches at most
// `nodebudget` positions; `table` may be shared between calls on one thread (it is cleared).
checkresult playperfect(const checkdeal& d, int nodebudget);
checkresult playperfect(const checkdeal& d, int nodebudget, solvetable& table);
// Whether a line from the start leaves at most `target` cards: 1 yes, 0 no, -1 unsettled (the
// budget ran out, or `stop` was set: it is looked at every few hundred positions).
int reachestarget(const checkdeal& d, int target, int nodebudget, solvetable& table, long* nodes = nullptr,
                  const std::atomic<bool>* stop = nullptr);
void sizetable(solvetable& table, int bits);
