// Shared by the game-screen tests: the real start-up, a player, the game screen entered as a
// person reaches it, and the clicks a person makes on cards, the stock, the bars and buttons.
// Every action runs whole frames through the frame loop.
#pragma once
#include "presentation/effects.h"
#include "progression/map.h"
#include "progression/startlevel.h"
#include "shell/buttons.h"
#include "shell/dispatch.h"
#include "shell/gfx.h"
#include "shell/menu.h"
#include "shell/profiles.h"
#include "shell/settings.h"
#include "shell/state.h"
#include "solitaire/cards.h"
#include "solitaire/extras.h"
#include "solitaire/game.h"
#include "solitaire/levelformat.h"
#include "solitaire/levels.h"
#include "solitaire/points.h"
#include "solitaire/state.h"
#include "solitaire/stock.h"
#include "solitaire/table.h"
#include "solitaire/tutorial.h"
#include "text/texts.h"
#include "tests/harness.h"
#include "tests/solitairekit.h"
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <vector>

class GameTest : public ::testing::Test {
 protected:
  std::filesystem::path oldcwd;

  void SetUp() override {
    oldcwd = std::filesystem::current_path();
    headlessstart();
    resettablestate();
    resetgamestate();
    reseteffects();
    inputon = 1;
    player = 1;
    clearplayer(1);
    playername[1] = "Tess";
    maplevel[1] = toplevel[1] = 1;
    cash[1] = 0;
  }
  void TearDown() override {
    std::filesystem::current_path(oldcwd);
    testresetinput();
  }

  // Works in a copy of the data folder whose level files a test may replace.
  void uselevels() {
    namespace fs = std::filesystem;
    std::string folder = tempfolder();
    fs::create_directories(folder + "data");
    for (const fs::directory_entry& e : fs::directory_iterator(oldcwd / "data")) {
      fs::path to = fs::path(folder) / "data" / e.path().filename();
      if (e.path().filename() == "levelz") fs::copy(e.path(), to, fs::copy_options::recursive);
      else fs::create_directory_symlink(e.path(), to);
    }
    ChangeDir(folder);
  }
  // Replaces level n's file with this layout (after uselevels).
  void writelevel(int n, std::vector<levelcard> cards) {
    for (levelcard& k : cards)
      if (k.cover != 0) k.autoturn = 0;  // a covered card waits for its animal, as the forge writes it
    std::vector<uint8_t> bytes = encodelevel(cards);
    std::string name = levelfilename(n);
    name[4] = '/';
    std::ofstream out(name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  }

  // Enters the game screen for level n the way startlevel does (a fade to screen 12).
  void entergame(int n) {
    selectedlevel = n;
    if (screen == SCREEN_NONE) screen = SCREEN_MENU;  // as if the main menu was up
    fadeto(SCREEN_GAME, 0, 0);
    for (int i = 0; i < 20 && fadestate == 2; i++) runframes(1);
    ASSERT_EQ(screen, SCREEN_GAME);
    ASSERT_EQ(fadestate, 1);
  }
  // Runs frames until the deal is over and the first stock card lies on the stable.
  void waitplay() {
    for (int i = 0; i < 400 && (gamestat != GAME_PLAY || drawtime[player] < 20 || gametime <= 151); i++) runframes(1);
    ASSERT_EQ(gamestat, GAME_PLAY);
  }
  // Waits for flights and draws to finish.
  void settle() {
    for (int i = 0; i < 80 && (drawtime[player] < 20 || movetime[player] > 0 || drawrequest || extraflying()); i++)
      runframes(1);
    runframes(2);
  }
  int cardmidx(int slot) { return cardx[player][slot] + xshift + 48; }
  int cardmidy(int slot) { return cardy[player][slot] + 71; }
  void clickcard(int slot) { clickat(cardmidx(slot), cardmidy(slot)); }
  void clickstock() { clickat(stocktopx + 48, stocky + 71); }
  int firstplayable() {
    for (int s = 1; s <= cardcount; s++)
      if (cardplayable[s] == 1) return s;
    return 0;
  }
  int livecards() {
    int n = 0;
    for (int s = 1; s <= cardcount; s++) n += cardvalue[player][s] > 0;
    return n;
  }
  // Top live card of column c, 0 when empty.
  int topslot(int c) {
    int best = 0;
    for (int s = 1; s <= cardcount; s++)
      if (cardvalue[player][s] > 0 && cardcolumn[player][s] == c &&
          (best == 0 || carddepth[player][s] > carddepth[player][best]))
        best = s;
    return best;
  }
  // Plays as a careful person does: a playable card, else the stock, until the game ends.
  void playtoend(int maxsteps = 400) {
    for (int step = 0; step < maxsteps && gamestat == GAME_PLAY; step++) {
      settle();
      if (gamestat != GAME_PLAY) break;
      int s = firstplayable();
      if (s > 0) clickcard(s);
      else if (stock[player] > 1) clickstock();
      else runframes(5);
    }
  }
  // Runs the end screen up to its buttons.
  void waitbuttons() {
    for (int i = 0; i < 900 && endtime <= 461; i++) runframes(1);
    ASSERT_GT(endtime, 461);
  }
  // A value of the current player's profile as it lies on disk: savedgame at byte 16,
  // adloadpoints at 56, cash at 36 (little-endian 32-bit integers).
  int ondisk(int offset) {
    std::ifstream in(userpath + "players" + std::to_string(player) + ".ppp", std::ios::binary);
    unsigned char b[4] = {0, 0, 0, 0};
    in.seekg(offset);
    in.read(reinterpret_cast<char*>(b), 4);
    return int(uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 | uint32_t(b[3]) << 24);
  }
  static constexpr int savedgameat = 16, cashat = 36, adloadpointsat = 56;
  // The centre of the item slot s and of plant k in their bars.
  int itemx(int s) { return (s == 1 ? 19 : s == 2 ? 121 : 223) + 48; }
  int itemy() { return screenh - 166 + 71; }
  int plantx(int k) {
    const int dx[9] = {0, 386, 341, 296, 251, 200, 156, 116, 71};
    return screenw - dx[k] + 47;
  }
  int planty(int k) {
    const int dy[9] = {0, 97, 117, 127, 127, 137, 127, 117, 97};
    return screenh - dy[k] + 62;
  }
};
