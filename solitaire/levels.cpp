#include "solitaire/levels.h"
#include "shell/gfx.h"
#include "shell/state.h"
#include "solitaire/cards.h"
#include "solitaire/points.h"
#include "solitaire/state.h"
#include "solitaire/stock.h"
#include "solitaire/table.h"
#include <algorithm>

namespace {

using levelrecords = std::array<std::array<int, levelrecordsize>, levelrecordcount + 1>;

// Largest doubled position a card may have: the widest screen and the screen height.
constexpr int tablemaxx = 1366;
constexpr int tablemaxy = 768;

// True when a record can lie on the table: a known value, a column 1..20 and a position
// that fits the screen. Anything else is dropped, whatever the file holds.
bool recordusable(const std::array<int, levelrecordsize>& r) {
  int v = r[LEVELREC_VALUE];
  bool known = (v >= 1 && v <= 13) || v == CARD_PLANT || v == CARD_ANIMAL || v == CARD_FISHSLAP ||
               v == CARD_BONUS || v == CARD_RANDOM;
  if (!known) return false;
  int c = r[LEVELREC_COLUMN];
  if (c < 1 || c > tablecolumns) return false;
  int x = r[LEVELREC_X], y = r[LEVELREC_Y];
  return x > 0 && x <= tablemaxx / 2 && y >= 0 && y <= tablemaxy / 2;
}

// Reads header, records and trailer of level n. Returns the whole records read, -1 when the
// file is missing; records not read stay zero. Trace lines say what was wrong.
int readrecords(int n, levelrecords& rec, bool trace) {
  for (auto& r : rec) r.fill(0);
  std::string name = levelfilename(n);
  Stream f = ReadFile(name);
  if (trace) Print(name);
  if (!f) {
    if (trace) Print("level file missing: " + name);
    return -1;
  }
  for (int i = 0; i < levelheadercount; i++) ReadInt(f);
  int whole = 0;
  for (int slot = 1; slot <= levelrecordcount; slot++) {
    for (int k = 0; k < levelrecordsize; k++) rec[slot][k] = ReadInt(f);
    if (StreamFailed(f)) {
      rec[slot].fill(0);  // a record cut short by the end of the file is not dealt
      break;
    }
    whole = slot;
  }
  for (int i = 0; i < leveltrailercount; i++) ReadInt(f);
  if (trace && whole < levelrecordcount)
    Print("level file short: " + name + " (" + std::to_string(whole) + " cards)");
  int dropped = 0;
  for (int slot = 1; slot <= whole; slot++) {
    if (rec[slot][LEVELREC_VALUE] == CARD_NONE) {
      rec[slot].fill(0);  // an empty slot keeps nothing of what else the record held
      continue;
    }
    if (!recordusable(rec[slot])) {
      rec[slot].fill(0);
      dropped++;
      continue;
    }
    auto& r = rec[slot];
    r[LEVELREC_AUTOTURN] = r[LEVELREC_AUTOTURN] != 0 ? 1 : 0;
    r[LEVELREC_DEPTH] = std::clamp(r[LEVELREC_DEPTH], 1, cardcount);
    if (r[LEVELREC_COVER] < 0 || r[LEVELREC_COVER] > 2) r[LEVELREC_COVER] = 0;
    if (r[LEVELREC_VALUE] == CARD_ANIMAL && r[LEVELREC_PARAM] != 2) r[LEVELREC_PARAM] = 1;  // pig unless ninja
  }
  if (trace && dropped > 0) Print("level file " + name + ": " + std::to_string(dropped) + " cards dropped");
  return whole;
}

}  // namespace

int readlevelfile(int n) {
  if (player < 0 || player >= playerslots) return 0;
  const int p = player;
  levelrecords rec;
  int whole = std::max(readrecords(n, rec, true), 0);
  for (int slot = 1; slot <= levelrecordcount; slot++) {
    const auto& r = rec[slot];
    cardvalue[p][slot] = r[LEVELREC_VALUE];
    cardparam[p][slot] = r[LEVELREC_PARAM];
    cardx[p][slot] = 2 * r[LEVELREC_X];
    cardy[p][slot] = 2 * r[LEVELREC_Y];
    cardautoturn[p][slot] = r[LEVELREC_AUTOTURN];
    cardcolumn[p][slot] = r[LEVELREC_COLUMN];
    carddepth[p][slot] = r[LEVELREC_DEPTH];
    cardcover[p][slot] = r[LEVELREC_COVER];
    cardfaceup[p][slot] = 0;
    cardfree[p][slot] = 0;
  }
  return whole;
}

void loadlevel() {
  lastfunc = "loadlevel()";
  if (player < 0 || player >= playerslots) return;
  const int p = player;
  for (int i = 1; i <= tablepopupcount; i++) {
    tablepopupkind[i] = 0;
    tablepopupage[i] = 0;
  }
  if (savedgame[p] == 0) {
    for (int slot = 0; slot <= cardcount; slot++) {
      cardvalue[p][slot] = cardparam[p][slot] = 0;
      cardx[p][slot] = cardy[p][slot] = cardposx[p][slot] = cardposy[p][slot] = 0;
      cardcolumn[p][slot] = carddepth[p][slot] = cardfaceup[p][slot] = cardturn[p][slot] = 0;
      cardflight[p][slot] = cardcover[p][slot] = cardshake[p][slot] = 0;
      cardautoturn[p][slot] = cardsuit[p][slot] = cardorder[p][slot] = cardfree[p][slot] = 0;
    }
    int whole = readlevelfile(level);
    // A plant card offers a plant the player does not hold yet, as far as the dice allow.
    for (int slot = 1; slot <= cardcount; slot++) {
      if (cardvalue[p][slot] != CARD_PLANT) continue;
      cardparam[p][slot] = Rand(1, 8);
      for (int pass = 0; pass < 99; pass++)
        for (int k = 1; k <= 8; k++)
          if (plants[p][k] > 0 && cardparam[p][slot] == k) cardparam[p][slot] = Rand(1, 8);
    }
    // The combo is closed before the first draw: a run of the last game must not carry over.
    combo = 0;
    longdrivetime = 0;
    preparecards();
    levelbroken = whole == 0 || placedcount == 0 ? 1 : 0;
    if (levelbroken == 1) {
      Print("level file gives no cards, the game ends as a fail: " + levelfilename(level));
      logmsg("level", levelfilename(level));
    }
    drawfromstock();
    drawtime[p] = 0;
    clearedtime = 0;
    finishhover = 0;
  }
  cardplayable.fill(0);
  combofill = comborecordglow = comboglow = showncombo = showncombofill = 0;
  combo = 0;
  longdrivetime = 0;
  if (savedgame[p] == 0 && levelbroken == 1) {
    // Nothing could be read: no deal to watch, the first frame of play ends the game.
    Print("empty table");
    gamestat = GAME_PLAY;
    dealtime = 190;
  } else if (savedgame[p] == 0) {
    gamestat = GAME_DEAL;
    dealtime = 0;
  } else {
    levelbroken = 0;
    gamestat = GAME_PLAY;
    dealtime = 190;
  }
  savedgame[p] = 0;
  gameresult = RESULT_NONE;
  endslide = 0;
  plantfly.fill(0);
  itemfly.fill(0);
  plantearn.fill(0);
  strikemode = newstablemode = killermode = blastermode = turnupmode = randommode = sunsmode = jokermode = 0;
  cardsleft = 0;
  stocky = stockplayy;
  meterx = midx + 40;
  metery = screenh + 100;
  metercount = 100;
  metershake = 0;
}

void load_solitaire_for_preview() {
  lastfunc = "load_solitaire_for_preview()";
  for (int n = 1; n <= lastlevel; n++) {
    levelrecords rec;
    if (readrecords(n, rec, false) < 0) continue;  // no file: the map shows no miniature
    for (int slot = 1; slot <= levelrecordcount; slot++) {
      const auto& r = rec[slot];
      previewvalue[n][slot] = r[LEVELREC_VALUE];
      previewparam[n][slot] = r[LEVELREC_PARAM];
      previewx[n][slot] = 2 * r[LEVELREC_X];
      previewy[n][slot] = 2 * r[LEVELREC_Y];
      previewautoturn[n][slot] = r[LEVELREC_AUTOTURN];
      previewcolumn[n][slot] = r[LEVELREC_COLUMN];
      previewdepth[n][slot] = r[LEVELREC_DEPTH];
      previewcover[n][slot] = r[LEVELREC_COVER];
      previewfaceup[n][slot] = 0;
      previewfree[n][slot] = 0;
      previewsuit[n][slot] = 0;
    }
    previewread[n] = 1;
    preparecards_for_preview(n);
  }
}

void preparecards_for_preview(int n) {
  if (n < 1 || n > lastlevel) return;
  std::array<int, cardcount + 1> taken{};  // identities already on this preview
  // A rank with all four suits taken gets no face (a layout with five kings shows four).
  for (int slot = 1; slot <= levelrecordcount; slot++) {
    int v = previewvalue[n][slot];
    if (v < 1 || v > 13) continue;
    int freesuits = 0;
    for (int s = 1; s <= 4; s++) freesuits += taken[cardidentity(v, s)] == 0;
    if (freesuits == 0) {
      previewvalue[n][slot] = 0;
      continue;
    }
    int suit;
    do suit = Rand(1, 4);
    while (taken[cardidentity(v, suit)] != 0);
    previewsuit[n][slot] = suit;
    taken[cardidentity(v, suit)] = 1;
  }
  for (int slot = 1; slot <= levelrecordcount; slot++) {
    if (previewvalue[n][slot] != CARD_RANDOM) continue;
    int used = 0;
    for (int i = 1; i <= cardcount; i++) used += taken[i];
    if (used == cardcount) {
      previewvalue[n][slot] = 0;
      continue;
    }
    int rank, suit;
    do {
      rank = Rand(1, 13);
      suit = Rand(1, 4);
    } while (taken[cardidentity(rank, suit)] != 0);
    previewvalue[n][slot] = rank;
    previewsuit[n][slot] = suit;
    taken[cardidentity(rank, suit)] = 1;
  }
  for (int slot = 1; slot <= levelrecordcount; slot++) {
    if (previewvalue[n][slot] <= 0) continue;
    bool covered = false;
    for (int other = 1; other <= levelrecordcount && !covered; other++)
      covered = other != slot && previewvalue[n][other] > 0 && previewcolumn[n][other] == previewcolumn[n][slot] &&
                previewdepth[n][other] > previewdepth[n][slot];
    if (covered) continue;
    previewfree[n][slot] = 1;
    if (previewvalue[n][slot] != CARD_ANIMAL && previewfaceup[n][slot] == 0) previewfaceup[n][slot] = 10;
    if (previewautoturn[n][slot] == 0) previewfaceup[n][slot] = 0;
  }
}

void drawpreview(float x, float y, int n) {
  if (n < 1 || n > lastlevel) return;
  float s = (screen == SCREEN_MAP || screen == SCREEN_GAME) ? 0.34f : 0.0f;
  SetScale(s, s);
  for (int slot = 1; slot <= levelrecordcount; slot++) {
    int v = previewvalue[n][slot];
    if (v <= 0) continue;
    float px = int(x + previewx[n][slot] * s), py = int(y + previewy[n][slot] * s);
    int param = previewparam[n][slot];
    if (previewfaceup[n][slot] == 0) {
      int cover = previewcover[n][slot];
      if (v == CARD_ANIMAL) drawimg(animalimg[param == 2 ? 2 : 1], px, py);
      else if (cover == 1 || cover == 2) drawimg(coverimg[cover], px, py);
      else drawimg(cardbackimg[1], px, py);
    } else if (v == CARD_PLANT) {
      if (param >= 1 && param <= 8) drawimg(solplantimg[param], px, py);
    } else if (v == CARD_FISHSLAP) {
      drawimg(itemimg[1], px, py);
    } else if (v == CARD_BONUS) {
      drawimg(bonusimg[1], px, py);
    } else {
      drawimg(faceimg[slot], px, py);  // the miniature only hints at faces
    }
  }
  float sx = int(512 * s + x), sy = int(580 * s + y);
  for (int d = 0; d <= 6; d += 2) drawimg(cardbackimg[1], sx - 132 * s + d, sy);
  drawimg(faceimg[11], sx + 18 * s, sy);
  SetScale(1, 1);
}

void initlevels() {
  // Stage sizes: five stages of 3, then 4, 3, 4, 5; from stage 10 the pattern 3, 4, 5 repeats.
  stagesize.fill(0);
  for (int c = 1; c <= 5; c++) stagesize[c] = 3;
  stagesize[6] = 4;
  stagesize[7] = 3;
  stagesize[8] = 4;
  stagesize[9] = 5;
  for (int c = 10; c <= 27; c++) stagesize[c] = 3 + (c - 10) % 3;
  for (int c = 28; c <= 30; c++) stagesize[c] = 5;
  stagelast.fill(0);
  for (int c = 1; c <= 30; c++) stagelast[c] = stagelast[c - 1] + stagesize[c];
  // Par: the most cards left for a solved game; it tightens at the ends of stages 3, 6 and 9.
  levelpar.fill(0);
  for (int n = 1; n <= levelcount; n++)
    levelpar[n] = n <= stagelast[3] ? 8 : n <= stagelast[6] ? 7 : n <= stagelast[9] ? 6 : 5;
}

void inititemlevels() {
  // Extra k is earned by winning level itemlevel[k]: 1 the plants, 2..11 the shop items 1..10.
  static constexpr int earnedat[12] = {0, 1, 2, 4, 6, 10, 15, 20, 25, 35, 42, 50};
  itemlevel.fill(0);
  for (int k = 1; k <= 11; k++) itemlevel[k] = earnedat[k];
}

int stageof(int lv) {
  int s = 1;
  for (int c = 1; c <= 27; c++)
    if (stagelast[c] < lv) s++;
  return std::clamp(s, 1, 27);
}

void resetlevelstate() {
  for (previewtable* t : {&previewvalue, &previewparam, &previewx, &previewy, &previewautoturn, &previewfaceup,
                          &previewsuit, &previewcolumn, &previewdepth, &previewcover, &previewfree})
    for (auto& row : *t) row.fill(0);
  previewread.fill(0);
}
