// Shared by the solitaire tests: a fixture that plays in a fresh folder of its own level
// files, a compact way to describe layouts, and frames run in the game screen's order.
#pragma once
#include "progression/startlevel.h"
#include "presentation/effects.h"
#include "shell/gfx.h"
#include "shell/buttons.h"
#include "shell/state.h"
#include "solitaire/cards.h"
#include "solitaire/levelformat.h"
#include "solitaire/levels.h"
#include "solitaire/points.h"
#include "solitaire/state.h"
#include "solitaire/stock.h"
#include "solitaire/table.h"
#include "tests/harness.h"
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

// Columns side by side, each described bottom card first by tokens separated by spaces:
//   "7" rank 7, "?" random rank, "P" plant, "G" pig, "N" ninja, "F" fishslap, "B" bonus;
//   a trailing "d" keeps the card face down when free, "b" gives it a bird cover, "f" a fruit.
// Column c lies at x = 32 + 112 (c - 1), its cards 32 pixels apart from y = 64 (all on the
// 16-pixel grid, so the deal orders them).
inline std::vector<levelcard> columnlayout(const std::vector<std::string>& cols) {
  std::vector<levelcard> cards;
  for (size_t c = 0; c < cols.size(); c++) {
    std::istringstream in(cols[c]);
    std::string tok;
    int depth = 0;
    while (in >> tok) {
      levelcard k;
      depth++;
      k.column = int(c) + 1;
      k.depth = depth;
      k.x = 32 + 112 * int(c);
      k.y = 64 + 32 * (depth - 1);
      parselevelcard(tok, k);
      cards.push_back(k);
    }
  }
  return cards;
}

class SolitaireTest : public ::testing::Test {
 protected:
  std::filesystem::path oldcwd;
  std::string folder;

  void SetUp() override {
    oldcwd = std::filesystem::current_path();
    folder = tempfolder();
    std::filesystem::create_directories(folder + "data/levelz");
    ChangeDir(folder);
    resettablestate();
    resetlevelstate();  // earlier tests may have read the real level previews
    reseteffects();
    player = 1;
    screenw = 1024;
    screenh = 768;
    midx = 512;
    midy = 384;
    xshift = 0;
    popuplevel = 0;
    pausesign = -1;
    mousex = mousey = 0;
    mousehit1 = 0;
    framecount = 0;
  }
  void TearDown() override { std::filesystem::current_path(oldcwd); }

  void writelevel(int n, const std::vector<levelcard>& cards) { writeraw(n, encodelevel(cards)); }
  void writeraw(int n, const std::vector<uint8_t>& bytes) {
    std::ofstream out(levelfilename(n).replace(4, 1, "/"), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  }

  // Loads level n and runs the deal to its end.
  void deal(int n) {
    level = selectedlevel = n;
    loadlevel();
    for (int i = 0; i < 400 && gamestat == GAME_DEAL; i++) {
      dealframe();
      drawtablepopups();
    }
  }
  // One frame of play in the game screen's order.
  void frame() {
    if (gamestat == GAME_PLAY) {
      updatefree();
      updatecolumns();
      drawstock();
      handleclicks();
      drawlongdrive();
      drawmeter();
    } else if (gamestat == GAME_END) {
      drawstock();
      handleclicks();
    }
    drawtablepopups();
    framecount++;
    mousehit1 = 0;
  }
  void frames(int n) {
    for (int i = 0; i < n; i++) frame();
  }
  // Waits for the draw animation and any take flight to finish.
  void settle() {
    for (int i = 0; i < 60 && (drawtime[player] < 20 || movetime[player] > 0); i++) frame();
    frame();
  }
  void clickat(int x, int y) {
    mousex = x;
    mousey = y;
    mousehit1 = 1;
    frame();
  }
  void clickcard(int slot) { clickat(cardx[player][slot] + xshift + 48, cardy[player][slot] + 71); }
  void clickstock() { clickat(stocktopx + 48, int(stocky) + 71); }
  // Slot of the live card in column c with the greatest depth, 0 when the column is empty.
  int topslot(int c) {
    int best = 0;
    for (int s = 1; s <= cardcount; s++)
      if (cardvalue[player][s] > 0 && cardcolumn[player][s] == c && (best == 0 || carddepth[player][s] > carddepth[player][best]))
        best = s;
    return best;
  }
  int livecards() {
    int n = 0;
    for (int s = 1; s <= cardcount; s++) n += cardvalue[player][s] > 0;
    return n;
  }
  // Puts a given identity on the stable as if it had been drawn.
  void setstable(int identity) {
    stableid[player] = identity;
    if (identity <= cardcount) stablerank[player] = identityrank(identity);
  }
};
