#include "solitaire/gamekeys.h"
#include "shell/buttons.h"
#include "shell/keyboard.h"
#include "shell/profiles.h"
#include "shell/state.h"
#include "solitaire/extras.h"
#include "solitaire/game.h"
#include "solitaire/state.h"
#include "solitaire/table.h"
#include <algorithm>
#include <vector>

namespace {

bool playerok() { return player >= 1 && player < playerslots; }

bool readsbefore(int a, int b) {
  const int p = player;
  return cardx[p][a] != cardx[p][b] ? cardx[p][a] < cardx[p][b] : cardy[p][a] < cardy[p][b];
}

// The free face-up cards in reading order across the table: left to right, then top to bottom.
std::vector<int> keycards() {
  std::vector<int> slots;
  for (int s = 1; s <= cardcount; s++)
    if (cardcandidate(s)) slots.push_back(s);
  std::sort(slots.begin(), slots.end(), readsbefore);
  return slots;
}

// The card nearest to x among the free ones (a taken card's ring moves on to its neighbour).
int nearestcard(const std::vector<int>& slots, int x) {
  int best = 0, bestd = 0;
  for (int s : slots) {
    int d = std::abs(cardx[player][s] - x);
    if (best == 0 || d < bestd) {
      best = s;
      bestd = d;
    }
  }
  return best;
}

float cardcentrex(int s) { return float(cardx[player][s] + xshift + cardw / 2); }
float cardcentrey(int s) { return float(cardy[player][s] + cardh / 2); }

// The pointer put where a person would point, with a click when asked.
void pointerto(float x, float y, bool click) {
  mousex = prevmousex = int(x);
  mousey = prevmousey = int(y);
  mousemoved = 0;
  keyedpointer = 1;
  if (click) {
    mousehit1 = 1;
    mouseheld1 = 1;
  }
}

bool plantready(int k) { return k >= 1 && k <= plantcount && plants[player][k] > 0 && plantfly[k] == 0; }

}  // namespace

int keycardstep(int from, int dir) {
  if (!playerok()) return 0;
  std::vector<int> slots = keycards();
  if (slots.empty()) return 0;
  auto at = std::find(slots.begin(), slots.end(), from);
  if (at == slots.end()) return dir < 0 ? slots.back() : slots.front();
  int i = int(at - slots.begin()) + (dir < 0 ? -1 : 1);
  int n = int(slots.size());
  return slots[size_t((i % n + n) % n)];
}

void gamekeys() {
  if (!playerok()) return;
  const int p = player;
  bool inplay = gamestat == GAME_PLAY && endtime == 0 && popuplevel == 0 && pausesign == -1 && nomoves == 0;
  if (!inplay) return;
  arrowsclaimed = 1;  // Left, Right and Down belong to the table
  // The table's own keys take the ring off the buttons; the mouse, or Tab for the buttons,
  // takes over from the table's ring.
  if (keyleft + keyright + keydown + keyplant > 0 || keydigit > 0) focusshown = 0;
  if (mousestirred == 1 || mousehit1 == 1 || focusshown == 1) keycard = keyplantk = 0;
  if (focusshown == 1) return;  // Enter and Space press the ringed button
  if (keyleft == 1 || keyright == 1) {
    keyplantk = 0;
    keycard = keycardstep(keycard, keyleft == 1 ? -1 : 1);
  } else if (keycard > 0 && !cardcandidate(keycard)) {
    // The card was taken (or covered by nothing more): the ring moves to the nearest free one.
    keycard = nearestcard(keycards(), cardx[p][keycard]);
  }
  if (keyplant == 1) {
    int from = keyplantk;
    keyplantk = 0;
    for (int i = 1; i <= plantcount && keyplantk == 0; i++) {
      int k = (from + i - 1) % plantcount + 1;
      if (plantready(k)) keyplantk = k;
    }
    if (keyplantk > 0) keycard = 0;
  }
  if (keyplantk > 0 && !plantready(keyplantk)) keyplantk = 0;
  if (keydigit >= 1 && keydigit <= itembarslots) {
    // The item in that slot, used as a click on it uses it; an empty slot does nothing.
    int s = keydigit;
    int item = extraslots[p][s];
    if (item >= 1 && item <= itemkinds && itemfly[s] == 0) {
      float x, y;
      itemslotcentre(s, x, y);
      pointerto(x, y, true);
      return;
    }
  }
  if (keyspace == 1 || keydown == 1) {
    if (stocktopx > 0) pointerto(float(stocktopx + cardw / 2), float(stocky + cardh / 2), true);
    return;
  }
  if (keyplantk > 0) {
    float x, y;
    plantcentre(keyplantk, x, y);
    pointerto(x, y, keyreturn == 1);
  } else if (keycard > 0) {
    pointerto(cardcentrex(keycard), cardcentrey(keycard), keyreturn == 1);
  }
}

void drawgamekeys() {
  if (!playerok() || gamestat != GAME_PLAY || endtime != 0 || focusshown == 1) return;
  if (keyplantk > 0 && plantready(keyplantk)) {
    float x, y;
    plantcentre(keyplantk, x, y);
    drawfocusring(x, y, 30, 30);
  } else if (keycard > 0 && cardcandidate(keycard)) {
    drawfocusring(cardcentrex(keycard), cardcentrey(keycard), cardw / 2, cardh / 2);
  }
}

void resetgamekeys() { keycard = keyplantk = 0; }
