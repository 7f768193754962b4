// The game screen as a person sees it: the real start-up in a scratch user folder, then the
// screen driven frame by frame through the frame loop with the pointer and clicks a person
// would make. Deals, play with full bars and a tooltip, each extra mid-animation, the
// no-moves dialog, the finish sign, the end screens, the earned-item notice, the tutorial and
// the game's popups.
#include "tools/snapshot/snapshot.h"
#include "progression/startlevel.h"
#include "runtime/runtime.h"
#include "runtime/testinput.h"
#include "shell/buttons.h"
#include "shell/dispatch.h"
#include "shell/profiles.h"
#include "shell/startup.h"
#include "shell/state.h"
#include "solitaire/cards.h"
#include "solitaire/extras.h"
#include "solitaire/game.h"
#include "solitaire/levelformat.h"
#include "solitaire/state.h"
#include "solitaire/table.h"
#include "solitaire/tutorial.h"
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

fs::path toolhome;  // the folder the tool started in (the build folder with its data)

// A scratch folder whose data links to the real one, with level files of its own.
void scratchdata() {
  fs::path folder = fs::temp_directory_path() / "morgavelle-snapgame";
  fs::remove_all(folder);
  fs::create_directories(folder / "data");
  for (const fs::directory_entry& e : fs::directory_iterator(toolhome / "data")) {
    fs::path to = folder / "data" / e.path().filename();
    if (e.path().filename() == "levelz") fs::copy(e.path(), to, fs::copy_options::recursive);
    else fs::create_directory_symlink(e.path(), to);
  }
  fs::create_directories(folder / "home");
  setenv("XDG_DATA_HOME", (folder / "home").c_str(), 1);
  fs::current_path(folder);
}

void writelevel(int n, const std::vector<levelcard>& cards) {
  std::vector<uint8_t> bytes = encodelevel(cards);
  std::string name = levelfilename(n);
  name[4] = '/';
  std::ofstream out(name, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

// Columns side by side, bottom card first: "7" a rank, "?" random, "P" plant, "G" pig,
// "N" ninja, "F" fishslap, "B" bonus; "d" face down, "b" bird, "f" fruit.
std::vector<levelcard> layout(const std::vector<std::string>& cols, int x0, int dx, int y0) {
  std::vector<levelcard> cards;
  for (size_t c = 0; c < cols.size(); c++) {
    size_t i = 0;
    int depth = 0;
    const std::string& s = cols[c];
    while (i < s.size()) {
      size_t j = s.find(' ', i);
      if (j == std::string::npos) j = s.size();
      std::string tok = s.substr(i, j - i);
      i = j + 1;
      if (tok.empty()) continue;
      levelcard k;
      depth++;
      k.column = int(c) + 1;
      k.depth = depth;
      k.x = x0 + dx * int(c);
      k.y = y0 + 32 * (depth - 1);
      parselevelcard(tok, k);
      if (k.cover != 0) k.autoturn = 0;  // a covered card waits for its animal, as the forge writes it
      cards.push_back(k);
    }
  }
  return cards;
}

// A fresh start of the game with one player who owns what the scene needs.
void startup() {
  SetHeadless(true);
  testclock(true, 1000);
  testresetinput();
  resetshellstate();
  gamestartup();
  resettablestate();
  resetgamestate();
  inputon = 1;
  player = 1;
  clearplayer(1);
  playername[1] = "Snap";
  maplevel[1] = toplevel[1] = 14;
  cash[1] = 2450;
}

void entergame(int n) {
  selectedlevel = n;
  screen = SCREEN_MENU;
  fadeto(SCREEN_GAME, 0, 0);
  for (int i = 0; i < 20 && screen != SCREEN_GAME; i++) snapframes(1);
}

void waitplay() {
  for (int i = 0; i < 400 && (gamestat != GAME_PLAY || drawtime[player] < 20 || gametime < 230); i++) snapframes(1);
}

void fullbars() {
  for (int k = 1; k <= 8; k++) plants[1][k] = 1;
  extraslots[1][1] = ITEM_ZOMBIEKILLER;
  extraslots[1][2] = ITEM_JOKER;
  extraslots[1][3] = ITEM_DOUBLESUNS;
}

// A busy table of level 14: covers, animals and special cards.
void busylevel() {
  writelevel(14, layout({"? ?b ?", "? ? ?b ?", "?f ? G ? ?", "? ?b ? ?", "? P ?", "? ? B", "? ?f ? ?",
                          "?b ? N ? ?", "? ? ?f ?"},
                         48, 104, 128));
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

// Uses an item from slot 1 and runs `after` frames past its landing, the pointer resting on
// the top card of column `aim` (0: on the table's empty middle).
bool extrasnap(const char* name, int item, int after, int aim = 0) {
  startup();
  busylevel();
  extraslots[1][1] = item;
  plants[1][2] = plants[1][5] = 1;
  entergame(14);
  waitplay();
  snapclick(19 + 48, screenh - 166 + 71);
  snapframes(16);
  int s = aim > 0 ? topslot(aim) : 0;
  if (s > 0) testmousemove(cardx[player][s] + xshift + 48, cardy[player][s] + 71);
  else testmousemove(midx, 480);
  snapframes(after);
  return savesnapshot(name);
}

// Ends the game with `left` cards on the table and runs the end screen to frame `upto`.
void endwith(int left, int upto) {
  int keep = 0;
  for (int s = 1; s <= cardcount; s++) {
    if (cardvalue[player][s] <= 0) continue;
    if (keep < left) {
      keep++;
      continue;
    }
    cardvalue[player][s] = 0;
    columncount[player][cardcolumn[player][s]]--;
  }
  snapframes(1);  // the table counts what is left (an empty one ends the game by itself)
  gamestat = GAME_END;
  for (int i = 0; i < 700 && endtime < upto; i++) snapframes(1);
}

bool popupsnap(const char* name, int id) {
  openpopup(id);
  snapframes(20);
  return savesnapshot(name);
}

}  // namespace

bool snapgame() {
  toolhome = fs::current_path();
  snapfolder = fs::absolute(snapfolder).string();  // the scenes work in a scratch folder
  bool ok = true;
  scratchdata();

  // The deal of a shipped level, half way.
  startup();
  entergame(9);
  snapframes(110);
  ok &= savesnapshot("game-deal");

  // Play with every plant and three items, the pointer resting on plant 4 of the bar.
  startup();
  busylevel();
  fullbars();
  entergame(14);
  waitplay();
  snappoint(screenw - 251 + 47, screenh - 127 + 62);
  snapframes(130);
  ok &= savesnapshot("game-play");

  // Each extra in the middle of what it does.
  ok &= extrasnap("game-extra-strike", ITEM_SUDDENSTRIKE, 110);
  ok &= extrasnap("game-extra-newstable", ITEM_NEWSTABLE, 35);
  ok &= extrasnap("game-extra-killer", ITEM_ZOMBIEKILLER, 20, 2);
  ok &= extrasnap("game-extra-blaster", ITEM_ZOMBIEBLASTER, 20, 3);
  ok &= extrasnap("game-extra-turnallup", ITEM_TURNALLUP, 45);
  ok &= extrasnap("game-extra-random", ITEM_RANDOMEXTRA, 30);
  ok &= extrasnap("game-extra-suns", ITEM_DOUBLESUNS, 52);
  ok &= extrasnap("game-extra-joker", ITEM_JOKER, 70, 4);

  // Nothing fits, the stock is used up and a plant is held: the no-moves dialog.
  startup();
  writelevel(14, layout({"?d ?d", "?d ?d ?d", "?d", "?d ?d"}, 200, 160, 160));
  plants[1][3] = 1;
  entergame(14);
  waitplay();
  stock[player] = 1;
  snapframes(70);
  ok &= savesnapshot("game-nomoves");

  // Few cards: the target is reached and the finish sign slides in.
  startup();
  writelevel(14, layout({"? ?", "?", "? ?"}, 300, 160, 200));
  entergame(14);
  waitplay();
  snapframes(60);
  snappoint(screenw - 80, screenh - 200);
  snapframes(60);
  ok &= savesnapshot("game-cleared");

  // The three ends of a game, at the end screen's buttons.
  const struct {
    const char* name;
    int left;
  } ends[] = {{"game-end-strike", 0}, {"game-end-solved", 3}, {"game-end-fail", 14}};
  for (const auto& e : ends) {
    startup();
    busylevel();
    levelstars[1][14] = 1;
    entergame(14);
    waitplay();
    endwith(e.left, 470);
    snappoint(midx + 110, midy + 215);
    ok &= savesnapshot(e.name);
  }

  // Level 4 won at the frontier: the zombie killer is new in the shop.
  startup();
  maplevel[1] = toplevel[1] = 4;
  entergame(4);
  waitplay();
  endwith(2, 455);
  ok &= savesnapshot("game-newitem");

  // A new player's first level: the tutorial's first page.
  startup();
  maplevel[1] = toplevel[1] = 1;
  cash[1] = 0;
  entergame(1);
  for (int i = 0; i < 400 && tutorialframe < 25; i++) snapframes(1);
  ok &= savesnapshot("game-tutorial");

  // The game's popups over a game in play, and the two of the main menu's play button.
  startup();
  busylevel();
  fullbars();
  entergame(14);
  waitplay();
  ok &= popupsnap("popup-298", POPUP_INGAME);
  ok &= popupsnap("popup-399", POPUP_RESTART);
  toplevel[1] = 14;
  ok &= popupsnap("popup-444", POPUP_CARDBACK);
  const int helpshots[4] = {1, 2, 3, 6};
  for (int page : helpshots) {
    helppage = page;
    std::string name = page == 1 ? "popup-102" : "popup-102-page" + std::to_string(page);
    ok &= popupsnap(name.c_str(), POPUP_HELP);
  }
  resetpopups();
  fadeto(SCREEN_MENU, 0, 0);
  snapframes(12);
  ok &= popupsnap("popup-107", POPUP_CONTINUE);
  ok &= popupsnap("popup-432", POPUP_NEWADVENTURE);

  fs::current_path(toolhome);
  return ok;
}
