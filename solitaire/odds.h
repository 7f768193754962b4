// The odds sign: the chance the deal can still end within par from the table as it lies.
// Samples of the unseen cards (the face-down ranks and the stock), drawn to agree with what
// the player has seen, are played by the perfect player on a worker thread; the sign shows
// the share that reaches par. The worker gets its own copy of the table, so the game screen
// only counts what came back each frame.
//
// The table as a person sees it (tableview) also serves the hint.
#pragma once
#include "solitaire/solver.h"
#include <cstdint>
#include <vector>

// What a person sees of the table at rest: the rules' deal with every unseen rank left as 0,
// and where each of its cards lies in the game's slots.
struct tableview {
  checkdeal deal;                          // unseen ranks have value 0, identity 0
  std::vector<std::vector<int>> slots;     // game slot of deal.columns[c][i]
  std::vector<int> unseen;                 // identities the player has not seen
  std::vector<std::pair<int, int>> hidden; // (column, place) of each unseen rank card
  int par = 0;
};

inline constexpr int oddssamplecount = 240;   // samples per count
inline constexpr int oddssamplenodes = 60000; // positions the search may spend on one sample

// ---- Kept until quit ----
inline int oddson = 0;  // 1 while the odds sign shows (O toggles it); off at start

// ---- Reset when a game starts (resetodds) ----
inline int oddspercent = -1;    // share of the samples counted so far that reach par, -1 none yet
inline int oddscounted = 0;     // samples counted for oddspercent
inline int oddsfinished = 0;    // 1 when every sample of the count came back
inline uint64_t oddsdigest = 0; // the visible table the running count is for, 0 none

// The table at rest: nothing flies, turns or waits to be drawn. Only then is it read.
bool tableatrest();
// Reads the table of the current player as a person sees it.
tableview readtableview();
uint64_t tableviewdigest(const tableview& v);
// One sample of the unseen cards: a whole deal the perfect player can play. Uses only the view.
checkdeal sampledeal(const tableview& v, uint32_t seed);

void oddsframe();    // the game screen, every frame of play: the O key, a new count after a move
void drawoddssign(); // the sign, when on
void resetodds();    // forgets the count; a running worker stops at its next sample
void oddswait();     // waits until the running count is finished (tests, snapshots)
// The count without a worker (tests, benchmark): the share in percent of `samples` samples.
int countodds(const tableview& v, int samples, int* reached = nullptr);
