#include "solitaire/cards.h"
#include "presentation/effects.h"
#include "shell/gfx.h"
#include "shell/state.h"
#include "solitaire/state.h"
#include <cmath>

namespace {

constexpr double degree = 3.14159265358979323846 / 180.0;

// Horizontal scale of a turning card by its countdown: the back shrinks (10..6), then the
// face grows (5..2). The card turns about its middle.
constexpr float turnscale[11] = {
    0, 0,
    0.8f,  // 2: face almost whole
    0.6f,  // 3
    0.4f,  // 4
    0.2f,  // 5: face appears
    0.1f,  // 6: back almost gone
    0.2f,  // 7
    0.4f,  // 8
    0.6f,  // 9
    0.8f   // 10: back starts to shrink
};

// Item pictures on the stable, by identity - 123, and their file names.
const char* const itemfiles[11] = {"",
                                   "fishslap.png",       // 124 wild
                                   "zombiekiller.png",   // 125
                                   "zombieblaster.png",  // 126
                                   "turnallup.png",      // 127
                                   "maxbonus.png",       // 128
                                   "suddenstrike.png",   // 129
                                   "joker.png",          // 130
                                   "randomextra.png",    // 131
                                   "doublesuns.png",     // 132
                                   "newstable.png"};     // 133

bool playerok() { return player >= 0 && player < playerslots; }

int faceindex(int value, int suit) {
  int i = (value - 1) + 13 * (suit - 1);
  if (i < 0) i = 0;
  if (i > cardcount - 1) i = cardcount - 1;
  return i;
}

}  // namespace

int identityrank(int identity) {
  int r = identity % 13;
  return r == 0 ? 13 : r;
}

int identitysuit(int identity) { return (identity - 1) / 13 + 1; }

int cardidentity(int rank, int suit) { return rank + 13 * (suit - 1); }

bool ranksneighbour(int rank, int stable) {
  if (rank == 1) return stable == 2 || stable == 13;
  if (rank == 13) return stable == 1 || stable == 12;
  if (rank >= 2 && rank <= 12) return stable == rank - 1 || stable == rank + 1;
  return false;
}

// The bars, coins and signs the table routines draw; the game screen's own loader calls it
// (and the snapshot scenes and benchmarks, which run the table without that screen).
void loadtablepictures() {
  AutoMidHandle(true);
  combobarimg = loadimg("data\\game/combobar.png");
  pointsbarimg = loadimg("data\\game/pointsbar.png");
  ballsimg = loadimg("data\\game/balls.png");
  ballimg = loadimg("data\\game\\ball.png");
  enddriveimg = loadimg("data\\texts/enddrive.png");
  playsignimg = loadimg("data\\texts/play-sign.png");
  invalidsignimg = loadimg("data\\texts/invalid-sign.png");
  clearedsignimg = loadimg("data\\texts/cleared-sign.png");
  longdrivesignimg = loadimg("data\\texts/longdrive-sign.png");
  AutoMidHandle(false);
  combofillstrip = loadanim("data\\game/combobar-fill.png", 17, 18, 16);
  combofillimg = loadimg("data\\game/combobar-fill.png");
  AutoMidHandle(true);
}

void deletetablepictures() {
  combobarimg = pointsbarimg = ballsimg = ballimg = nullptr;
  enddriveimg = playsignimg = invalidsignimg = clearedsignimg = longdrivesignimg = nullptr;
  combofillstrip = combofillimg = nullptr;
}

void loadcardgfx() {
  lastfunc = "loadcardgfx()";
  AutoMidHandle(false);
  const char suitletter[5] = {' ', 'a', 'b', 'c', 'd'};
  for (int suit = 1; suit <= 4; suit++)
    for (int rank = 1; rank <= 13; rank++)
      faceimg[faceindex(rank, suit)] =
          loadimg(std::string("data\\solitaire/") + suitletter[suit] + std::to_string(rank) + ".png");
  for (int n = 1; n <= 4; n++) cardbackimg[n] = loadimg("data\\solitaire/card_back" + std::to_string(n) + ".png");
  killercursor = loadimg("data\\solitaire/zombiekillercursor.png");
  blastercursor = loadimg("data\\solitaire/zombieblastercursor.png");
  coverimg[1] = loadimg("data\\solitaire/bird.png");
  coverimg[2] = loadimg("data\\solitaire/fruit.png");
  animalimg[1] = loadimg("data\\solitaire/pig.png");
  animalimg[2] = loadimg("data\\solitaire/ninjacard.png");
  losecardimg = loadimg("data\\solitaire/losecard.png");
  headimg = loadimg("data\\game/head.png");
  for (int k = 1; k <= 8; k++) solplantimg[k] = loadimg("data\\solitaire/plant" + std::to_string(k + 1) + ".png");
  for (int k = 1; k <= 8; k++) {
    barplantimg[k] = loadimg("data\\game/plant" + std::to_string(k + 1) + ".png");
    if (barplantimg[k]) MidHandleImage(barplantimg[k]);
  }
  cardglowimg = loadimg("data\\solitaire/glow.png");
  bonusimg[1] = loadimg("data\\solitaire/cash.png");
  bonusimg[2] = loadimg("data\\solitaire/cash2.png");
  for (int i = 1; i <= 10; i++) itemimg[i] = loadimg(std::string("data\\solitaire/") + itemfiles[i]);
  fishslapimg = itemimg[1];  // the card trail of a flying fishslap card draws it too
  AutoMidHandle(true);
  cardometerimg = loadimg("data\\game/cardometer.png");
  flowerbarimg = loadimg("data\\game/flowerbar.png");
  flowerbar2img = loadimg("data\\game/flowerbar2.png");
  extrabarimg = loadimg("data\\game/extrabar.png");
  AutoMidHandle(true);
  for (int n = 1; n <= 4; n++) starimgs[n] = loadimg("data\\game\\star" + std::to_string(n) + ".png");
}

void resetcardgfx() {
  faceimg.fill(nullptr);
  cardbackimg.fill(nullptr);
  solplantimg.fill(nullptr);
  barplantimg.fill(nullptr);
  itemimg.fill(nullptr);
  coverimg.fill(nullptr);
  animalimg.fill(nullptr);
  bonusimg.fill(nullptr);
  starimgs.fill(nullptr);
  fishslapimg = nullptr;
  losecardimg = cardglowimg = headimg = cardometerimg = nullptr;
  flowerbarimg = flowerbar2img = extrabarimg = nullptr;
}

void drawcardback(int slot, float x, float y) {
  if (!playerok()) return;
  const int p = player;
  int cover = cardcover[p][slot];
  if (cardvalue[p][slot] == CARD_ANIMAL) {
    // An animal shows itself while face down, whatever cover it was given.
    int a = cardparam[p][slot];
    if (a >= 1 && a <= 2) drawimg(animalimg[a], x, y);
  } else if (cover == 1 || cover == 2) {
    drawimg(coverimg[cover], x, y);
  } else {
    int b = cardback[p];
    if (b < 1 || b > 4) b = 1;
    drawimg(cardbackimg[b], x, y);
  }
}

void drawcardfront(int slot, float x, float y) {
  if (!playerok()) return;
  const int p = player;
  int v = cardvalue[p][slot];
  int param = cardparam[p][slot];
  if (v >= 1 && v <= 13) {
    drawimg(faceimg[faceindex(v, cardsuit[p][slot])], x, y);
  } else if (v == CARD_FISHSLAP) {
    drawimg(itemimg[1], x, y);
  } else if (v == CARD_BONUS) {
    if (param == 1 || param == 2) drawimg(bonusimg[param], x, y);
    else if (param == 3) drawimg(itemimg[132 - 123], x, y);  // doublesuns shows its item picture
  } else if (v == CARD_PLANT) {
    if (param >= 1 && param <= 8) drawimg(solplantimg[param], x, y);
  }
}

void drawcard(int slot, int mode) {
  if (!playerok() || slot < 1 || slot > cardcount) return;
  const int p = player;
  float x = (mode == 1 ? cardposx[p][slot] : cardx[p][slot]) + xshift;
  float y = mode == 1 ? cardposy[p][slot] : cardy[p][slot];

  if (cardshake[p][slot] > 0) {
    cardshake[p][slot]--;
    int s = int(0.2 * cardshake[p][slot]);
    x += Rand(-s, s);
    y += Rand(-s, s);
  }

  float rotation = 0;
  if (cardwobble[slot] > 0) {
    cardwobble[slot]++;
    if (cardwobble[slot] >= 80) cardwobble[slot] = 0;
    int t = cardwobble[slot];
    float side = slot % 2 == 1 ? 1.0f : -1.0f;
    rotation = float((8 - 0.1 * t) * side * std::sin(t * 360 * 0.0125 * degree));
  }
  SetRotation(rotation);

  int& turn = cardturn[p][slot];
  if (turn > 1) {
    if (turn <= 10) {
      float f = turnscale[turn];
      SetScale(f, 1);
      if (turn >= 6) drawcardback(slot, x + (1 - f) * 40, y);
      else drawcardfront(slot, x + (1 - f) * 40, y);
      SetScale(1, 1);
    }
    turn--;
    if (turn == 1) {
      if (cardvalue[p][slot] == CARD_ANIMAL) {
        // An animal never shows a face: when its turn ends it leaves the table.
        cardvalue[p][slot] = CARD_NONE;
        int c = cardcolumn[p][slot];
        if (c >= 1 && c <= tablecolumns) columncount[p][c]--;
      } else {
        cardfaceup[p][slot] = 1;
      }
    }
  }
  if (cardfaceup[p][slot] == 1 && turn == 1) {
    drawcardfront(slot, x, y);
    cardcover[p][slot] = 0;
  } else if (turn == 0 || turn > 9) {
    drawcardback(slot, x, y);
  }
  SetRotation(0);
}

void drawstableid(int identity, float x, float y) {
  if (identity >= 1 && identity <= cardcount) {
    drawimg(faceimg[identity - 1], x, y);
  } else if (identity >= STABLE_ITEMFIRST && identity <= STABLE_ITEMLAST) {
    drawimg(itemimg[identity - 123], x, y);
  } else if (identity > STABLE_PLANT && identity <= STABLE_PLANT + 8) {
    drawimg(solplantimg[identity - STABLE_PLANT], x, y);
  }
}
