// The level file: what lies where in a layout file. Shared by the game's reader and by the
// tools and tests that write level files, so both sides agree on one record layout.
//
// A level file is a run of 32-bit signed little-endian integers: one header value, 51 card
// records of nine values each, three trailer values. 463 values, 1852 bytes.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

inline constexpr int levelheadercount = 1;    // values before the first record (ignored)
inline constexpr int levelrecordcount = 51;   // card slots 1..51 are read; slot 52 stays empty
inline constexpr int levelrecordsize = 9;     // values per card record
inline constexpr int leveltrailercount = 3;   // values after the last record (ignored)
inline constexpr int levelvaluecount = levelheadercount + levelrecordcount * levelrecordsize + leveltrailercount;
inline constexpr int levelfilebytes = levelvaluecount * 4;  // 1852

// Position of each value inside a card record, in file order.
enum {
  LEVELREC_VALUE = 0,     // card value: 0 none, 1..13 rank, 21 plant, 23 animal, 24 fishslap, 26 bonus, 99 random
  LEVELREC_PARAM = 1,     // animal: 1 pig, 2 ninja; ignored for every other value
  LEVELREC_X = 2,         // half the x of the card's top-left corner in the 1024-wide layout
  LEVELREC_Y = 3,         // half its y
  LEVELREC_AUTOTURN = 4,  // 1 turns face up when free, 0 stays face down
  LEVELREC_COLUMN = 5,    // column 1..20
  LEVELREC_DEPTH = 6,     // place in the column, 1 = bottom
  LEVELREC_COVER = 7,     // 0 none, 1 bird, 2 fruit
  LEVELREC_SPARE = 8      // read and ignored
};

// Table card values as they stand in a record (and in the table afterwards).
enum {
  CARD_NONE = 0,
  CARD_PLANT = 21,     // taking it earns a plant
  CARD_ANIMAL = 23,    // never turns face up; shows its animal while face down
  CARD_FISHSLAP = 24,  // makes the stable wild
  CARD_BONUS = 26,     // cash, cash2 or doublesuns
  CARD_RANDOM = 99     // a rank chosen at the deal
};

inline constexpr int tablecolumns = 20;  // columns 1..20
inline constexpr int levelgrid = 16;     // the deal order only numbers cards on this grid (doubled units)

// "data\levelz/" + at least three digits + ".lvl": level 7 is 007.lvl, level 100 is 100.lvl.
inline std::string levelfilename(int n) {
  std::string prefix = n < 10 ? "data\\levelz/00" : n <= 99 ? "data\\levelz/0" : "data\\levelz/";
  return prefix + std::to_string(n) + ".lvl";
}

// One card of a layout as a writer describes it, with positions in screen pixels of the
// 1024-wide layout (the file stores their halves).
struct levelcard {
  int value = CARD_NONE;
  int param = 0;
  int x = 0, y = 0;    // top-left corner, even numbers
  int autoturn = 1;
  int column = 1;
  int depth = 1;
  int cover = 0;
};

// The bytes of a level file holding these cards in slots 1, 2, ... (at most 51; the rest
// stay empty). Header, record 9 and trailer are written as 0.
inline std::vector<uint8_t> encodelevel(const std::vector<levelcard>& cards) {
  std::vector<int> v(levelvaluecount, 0);
  for (size_t i = 0; i < cards.size() && i < size_t(levelrecordcount); i++) {
    int* r = &v[levelheadercount + i * levelrecordsize];
    const levelcard& c = cards[i];
    r[LEVELREC_VALUE] = c.value;
    r[LEVELREC_PARAM] = c.param;
    r[LEVELREC_X] = c.x / 2;
    r[LEVELREC_Y] = c.y / 2;
    r[LEVELREC_AUTOTURN] = c.autoturn;
    r[LEVELREC_COLUMN] = c.column;
    r[LEVELREC_DEPTH] = c.depth;
    r[LEVELREC_COVER] = c.cover;
  }
  std::vector<uint8_t> bytes;
  bytes.reserve(levelfilebytes);
  for (int n : v)
    for (int b = 0; b < 4; b++) bytes.push_back(uint8_t((uint32_t(n) >> (8 * b)) & 0xff));
  return bytes;
}

// One card of a written layout, as the level designs and the tests spell it: "7" (or "A",
// "J", "Q", "K") a fixed rank, "?" a random rank, "P" plant, "G" pig, "N" ninja,
// "F" fishslap, "B" bonus; trailing marks: "d" stays face down when free, "b" a bird cover,
// "f" a fruit cover. Sets the value, param, autoturn and cover of k; false when the token
// means nothing.
inline bool parselevelcard(std::string tok, levelcard& k) {
  while (!tok.empty() && (tok.back() == 'd' || tok.back() == 'b' || tok.back() == 'f')) {
    if (tok.back() == 'd') k.autoturn = 0;
    if (tok.back() == 'b') k.cover = 1;
    if (tok.back() == 'f') k.cover = 2;
    tok.pop_back();
  }
  if (tok == "?") k.value = CARD_RANDOM;
  else if (tok == "P") k.value = CARD_PLANT;
  else if (tok == "G") k.value = CARD_ANIMAL, k.param = 1;
  else if (tok == "N") k.value = CARD_ANIMAL, k.param = 2;
  else if (tok == "F") k.value = CARD_FISHSLAP;
  else if (tok == "B") k.value = CARD_BONUS;
  else if (tok == "A") k.value = 1;
  else if (tok == "J") k.value = 11;
  else if (tok == "Q") k.value = 12;
  else if (tok == "K") k.value = 13;
  else if (!tok.empty() && tok.size() <= 2 && tok.find_first_not_of("0123456789") == std::string::npos &&
           std::stoi(tok) >= 1 && std::stoi(tok) <= 13)
    k.value = std::stoi(tok);
  else
    return false;
  return true;
}
