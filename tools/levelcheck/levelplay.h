// The level checker's players. A deal is made by the game's own routines (readlevelfile,
// preparecards, nextstockcard) and copied into a small table of columns; the players then
// play that table with the game's rules: only a column's top card is free, a free card that
// shows its face fits when its rank neighbours the stable's (ranksneighbour), special cards
// always fit, an animal turns up the free cards under its covers, the stock turns its next
// card onto the stable. Extras are not used.
//
// Two players: the blind player sees what a person sees (faces of free cards, covers, the
// stable, how many cards lie in each column and in the stock) and follows a heuristic; the
// perfect player knows every card and the stock order and searches for the fewest cards left.
#pragma once
#include <array>
#include <cstdint>
#include <vector>

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
  std::array<int, 53> deckstate{};              // per identity after the deal: 0 stock, 1 table
  int stockstart = 0;                           // the stock counter after the deal
  // Levels from 5 on draw at random, so the whole stock order is fixed at the deal:
  // stockorder[k] is the k-th card drawn (the first lies on the stable at the start).
  // 124 is the wild fishslap card.
  std::vector<int> stockorder;
  bool helping = false;  // levels 1..4 pick each draw to fit a column: drawn during play
};

// The outcome of one game.
struct checkresult {
  int left = 0;      // cards left on the table
  bool budget = false;  // the perfect player ran out of nodes (left is then an upper bound)
};

// Deals level `n` from its file under the current folder (data/levelz/...) with the game's
// routines; the deal is fixed by the seed. Runs on the thread that owns the game's state.
// Returns false when the file cannot be read.
bool checkloadlevel(int n);
checkdeal checkmakedeal(int n, uint32_t seed);
// The same from cards given directly (tests): values as in a level file, one column each.
checkdeal checkdealfrom(int level, const std::vector<std::vector<checkcard>>& columns,
                        const std::vector<int>& stockorder);

checkresult playblind(const checkdeal& d);
// The fewest cards left the perfect player finds in a search of at most `nodebudget` positions.
checkresult playperfect(const checkdeal& d, int nodebudget);
// Helping-stock levels call the game's nextstockcard, which uses the game's state: those
// deals may only be played on the thread that made them.
