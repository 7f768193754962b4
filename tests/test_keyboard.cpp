// Playing without the mouse: the focus ring over the buttons drawn each frame (Tab, Shift+Tab,
// the arrows, Enter and Space), the table's keys (Left, Right, Enter, Space, Down, the number
// keys, P), the map's arrows over the open levels and Tab over the story's objects, all driven
// through whole frames with keys only, from a first start to level 1 won.
//
// Ideas for tests:
// - every popup of the menu and the game answered by keys alone (options, hall of fame, help)
// - the story chapters 2 to 10 walked through by Tab (chapter 3's scene follows the pointer,
//   which the keys put on the chosen object)
// - key repeat: a held arrow walks the ring on (today one press, one step)
// - a HiDPI or letterboxed window: the ring and the keyed pointer land where the game draws
#include "progression/map.h"
#include "shell/intro.h"
#include "shell/keyboard.h"
#include "solitaire/gamekeys.h"
#include "story/chapter1.h"
#include "story/story.h"
#include "story/storymap.h"
#include "tests/gamekit.h"
#include <set>

namespace {

// The focused target of the frame just run, and its kind.
int focusedx() { return focusspot >= 1 && focusspot <= focuscount ? focusx[focusspot] : -1; }
int focusedy() { return focusspot >= 1 && focusspot <= focuscount ? focusy[focusspot] : -1; }
int focusedkind() { return focusspot >= 1 && focusspot <= focuscount ? focuskind[focusspot] : 0; }

// Tab until the ring stands on the target at (x, y) (within a few pixels); false when it never does.
bool tabto(int x, int y) {
  for (int i = 0; i < 30; i++) {
    if (focusshown == 1 && std::abs(focusedx() - x) <= 3 && std::abs(focusedy() - y) <= 3) return true;
    presskey(KEY_TAB);
  }
  return false;
}

// Tab until the ring stands on a scene object (not a button) other than the one at (avoidx, avoidy).
bool tabtoobject(int avoidx = -1, int avoidy = -1) {
  for (int i = 0; i < 30; i++) {
    if (focusshown == 1 && focusedkind() == FOCUS_POINTER && !(focusedx() == avoidx && focusedy() == avoidy)) return true;
    presskey(KEY_TAB);
  }
  return false;
}

// Typed as a keyboard types: a key press for each character, and the character itself.
void typekeys(const std::string& text) {
  for (unsigned char c : text) {
    int key = c == ' ' ? KEY_SPACE : (c >= 'a' && c <= 'z') ? c - 'a' + 'A' : c;
    testkeypress(key);
    testtypechar(c);
    runframes(1);
    testkeyrelease(key);
    runframes(1);
  }
}

bool ringgold(uint32_t c) { return (c >> 16) > 200 && ((c >> 8) & 255) > 150 && (c & 255) < 170; }

class Keyboard : public GameTest {
 protected:
  void TearDown() override {
    resetfocus();
    GameTest::TearDown();
  }
  void menuup() {
    player = -1;
    instmenu();
    runframes(80);
    ASSERT_EQ(screen, SCREEN_MENU);
    ASSERT_EQ(popuplevel, 0);
  }
  // Right (or Left) until the table's ring stands on slot s.
  bool walkto(int s) {
    for (int i = 0; i <= cardcount; i++) {
      if (keycard == s) return true;
      presskey(KEY_RIGHT);
    }
    return keycard == s;
  }
};

TEST_F(Keyboard, AFirstStartIsPlayedThroughTheMenuTheNameChapterOneAndLevelOneWithKeysOnly) {
  // Nothing on disk: the program starts as on a new machine and shows its splash pages.
  headlessstart();
  player = -1;
  testmousemove(5, 5);
  for (int i = 0; i < 400 && screen != SCREEN_MENU; i++) presskey(KEY_ENTER);
  ASSERT_EQ(screen, SCREEN_MENU) << "Enter leads past the splash pages and the loading bar";
  runframes(80);
  ASSERT_EQ(popuplevel, 0);
  EXPECT_EQ(focusshown, 0) << "no ring until a key moves it";

  // The menu's play button names the first player.
  ASSERT_TRUE(tabto(midx, 390)) << "Tab reaches the play button";
  presskey(KEY_ENTER);
  runframes(20);
  ASSERT_EQ(popupid, POPUP_NAME);
  typekeys("Ada B");
  EXPECT_EQ(playername[player], "Ada B") << "the name field takes its Space";
  presskey(KEY_ENTER);
  runframes(20);
  EXPECT_EQ(popuplevel, 0) << "Enter confirms the name";
  ASSERT_EQ(player, 1);
  EXPECT_EQ(playername[1], "Ada B");

  // Play again: level 1 starts with chapter 1.
  ASSERT_TRUE(tabto(midx, 390));
  presskey(KEY_ENTER);
  for (int i = 0; i < 40 && screen != SCREEN_STORY; i++) runframes(1);
  ASSERT_EQ(screen, SCREEN_STORY);
  ASSERT_EQ(storychapter, 1);
  runframes(100);
  ASSERT_TRUE(tabto(screenw - 80, 738)) << "Tab reaches the skip button";
  presskey(KEY_ENTER);
  for (int i = 0; i < 400 && storypart == 0; i++) runframes(1);
  ASSERT_GT(storypart, 0) << "the search of the room began";
  runframes(5);

  // Tab walks the room's objects; Enter moves each until the roll turns up.
  for (int tries = 0; tries < 12 && homereveal == 0; tries++) {
    ASSERT_TRUE(tabtoobject()) << "Tab reaches an object of the room";
    presskey(KEY_ENTER);
    runframes(10);
  }
  ASSERT_GT(homereveal, 0) << "the roll turned up";
  runframes(rollwakes + 2);
  ASSERT_TRUE(tabto(mapx, mapy)) << "Tab reaches the roll";
  presskey(KEY_ENTER);
  ASSERT_GT(mapopen, 0) << "Enter on the roll opens the journey map";
  for (int i = 0; i < 300 && papertime < 25; i++) runframes(1);
  ASSERT_TRUE(tabto(midx + 370, midy + 330)) << "Tab reaches the journey map's close button";
  presskey(KEY_ENTER);
  for (int i = 0; i < 600 && screen != SCREEN_GAME; i++) runframes(1);
  ASSERT_EQ(screen, SCREEN_GAME);
  ASSERT_EQ(level, 1);

  // Level 1 with its tutorial: the tutorial's buttons by the ring, the cards by the arrows.
  waitplay();
  for (int i = 0; i < 300 && tutorialpage == 0; i++) runframes(1);
  for (int step = 0; step < 400 && gamestat == GAME_PLAY; step++) {
    settle();
    if (gamestat != GAME_PLAY) break;
    if (tutorialon == 1 && (tutorialpage == 1 || tutorialpage == 7 || tutorialpage == 8)) {
      ASSERT_TRUE(tabto(midx + 60, midy + 146)) << "Tab reaches the tutorial's next button, page " << tutorialpage;
      presskey(KEY_ENTER);
    } else if (int s = firstplayable()) {
      ASSERT_TRUE(walkto(s)) << "Right reaches card " << s;
      presskey(KEY_ENTER);
    } else if (stock[player] > 1) {
      presskey(KEY_DOWN);
    } else {
      runframes(5);
    }
  }
  ASSERT_EQ(gamestat, GAME_END);
  for (int i = 0; i < 700 && endtime < 455; i++) runframes(1);
  ASSERT_TRUE(gameresult == RESULT_SOLVED || gameresult == RESULT_STRIKE) << "level 1 won, result " << gameresult;
  // The end screen: the notice of the plants, then the next level, all by the ring.
  ASSERT_EQ(itemnoticek, 1);
  ASSERT_TRUE(tabto(midx, midy + 145)) << "Tab reaches the notice's button";
  presskey(KEY_ENTER);
  EXPECT_EQ(unlockseen[player][1], 1);
  waitbuttons();
  ASSERT_TRUE(tabto(midx + 110, midy + 215)) << "Tab reaches the next level button";
  presskey(KEY_ENTER);
  EXPECT_EQ(toplevel[player], 2);
  EXPECT_EQ(fadetarget, SCREEN_GAME);
  loadplayers(0);
  EXPECT_EQ(toplevel[1], 2) << "the progress is on disk";
}

TEST_F(Keyboard, TheRingWalksExactlyTheButtonsOfTheFrameAndWrapsBothWays) {
  menuup();
  ASSERT_GT(buttonspots, 2);
  EXPECT_EQ(focuscount, buttonspots) << "every live button signs up, and nothing else";
  std::vector<std::pair<int, int>> seen;
  for (int i = 0; i < buttonspots; i++) {
    presskey(KEY_TAB);
    seen.push_back({focusedx(), focusedy()});
  }
  for (int i = 1; i <= buttonspots; i++) {
    EXPECT_EQ(seen[size_t(i - 1)], std::make_pair(buttonspotx[i], buttonspoty[i])) << "Tab " << i << " in drawing order";
  }
  presskey(KEY_TAB);
  EXPECT_EQ(focusspot, 1) << "Tab past the last wraps to the first";
  testkeypress(KEY_SHIFT);
  presskey(KEY_TAB);
  testkeyrelease(KEY_SHIFT);
  EXPECT_EQ(focusspot, buttonspots) << "Shift+Tab from the first wraps to the last";

  // A popup: only its own buttons are on the ring, the dimmed menu behind it is not.
  openpopup(POPUP_QUIT);
  runframes(20);
  int n = buttonspots;
  ASSERT_GE(n, 2);
  std::set<std::pair<int, int>> popupbuttons;
  for (int i = 1; i <= n; i++) popupbuttons.insert({buttonspotx[i], buttonspoty[i]});
  for (int i = 0; i < n + 1; i++) {
    presskey(KEY_DOWN);
    EXPECT_EQ(popupbuttons.count({focusedx(), focusedy()}), 1u) << "the ring stays on the popup's buttons";
  }
  // Escape still backs out.
  presskey(KEY_ESCAPE);
  runframes(20);
  EXPECT_EQ(popuplevel, 0);
}

TEST_F(Keyboard, EnterAndSpacePressTheRingedButtonAndTheRingShowsUntilTheMouseMoves) {
  fillframes = true;  // the test looks at the ring
  menuup();
  const int quitx = screenw - menusideoffset(), quity = 710;
  ASSERT_TRUE(tabto(quitx, quity));
  // Just outside the plate's solid left edge, where the ring's gold line runs.
  int l, t, r, b;
  solidbounds(buttonimg[2], l, t, r, b);
  const int edgex = quitx - int(buttonimg[2]->handle_x) + l - 5;
  const int edgey = quity - int(buttonimg[2]->handle_y) + (t + b) / 2;
  uint32_t ring = pixel(edgex, edgey);
  EXPECT_TRUE(ringgold(ring)) << std::hex << ring << ": the gold ring beside the quit button";
  testmousemove(300, 300);
  runframes(2);
  EXPECT_EQ(focusshown, 0) << "a move of the mouse hides the ring";
  EXPECT_FALSE(ringgold(pixel(edgex, edgey)));
  presskey(KEY_ENTER);
  EXPECT_EQ(popuplevel, 0) << "Enter presses nothing without the ring";
  // Space presses the ringed button as Enter does.
  ASSERT_TRUE(tabto(quitx, quity));
  presskey(KEY_SPACE);
  EXPECT_EQ(popupid, POPUP_QUIT);
}

TEST_F(Keyboard, TheNameFieldKeepsItsSpaceAndEnterWhereverTheRingStands) {
  menuup();
  for (int p = 1; p <= profileslots; p++) playername[p].clear();
  firstplayer();
  runframes(20);
  ASSERT_EQ(popupid, POPUP_NAME);
  // The ring on the cancel button: typing a space must not cancel, Enter must confirm.
  for (int i = 0; i < 4; i++) {
    presskey(KEY_TAB);
    if (focusedx() < midx) break;
  }
  ASSERT_LT(focusedx(), midx) << "the ring stands on cancel";
  typekeys("Jo Ann");
  EXPECT_EQ(popupid, POPUP_NAME);
  EXPECT_EQ(popupdir, 1) << "the space pressed no button";
  EXPECT_EQ(playername[player], "Jo Ann");
  presskey(KEY_ENTER);
  runframes(20);
  EXPECT_EQ(popuplevel, 0);
  EXPECT_EQ(playername[1], "Jo Ann") << "Enter confirmed the name, not the ringed cancel";
}

TEST_F(Keyboard, TheRingChoosesAPlayerFromTheListAsAClickDoes) {
  playername[1] = "Tess";
  playername[2] = "Wim";
  toplevel[2] = 5;
  player = 1;
  instmenu();
  runframes(60);
  openpopup(POPUP_PLAYERS);
  runframes(20);
  std::set<int> chosen;
  for (int i = 0; i < 12 && player == 1; i++) {
    presskey(KEY_TAB);
    if (focusedkind() == FOCUS_POINTER) {
      presskey(KEY_ENTER);
      chosen.insert(player);
    }
  }
  EXPECT_EQ(player, 2) << "Enter on a ringed row chooses that player";
  EXPECT_EQ(popupid, POPUP_PLAYERS) << "and the list stays open";
}

TEST_F(Keyboard, LeftAndRightWalkOnlyTheFreeFaceUpCardsAndWrap) {
  maplevel[1] = toplevel[1] = 9;
  entergame(9);
  waitplay();
  settle();
  std::set<int> candidates;
  int hidden = 0;
  for (int s = 1; s <= cardcount; s++) {
    if (cardvalue[player][s] <= 0) continue;
    if (cardcandidate(s)) candidates.insert(s);
    else hidden++;
  }
  ASSERT_GT(hidden, 0) << "the level has face-down or covered cards";
  ASSERT_GT(candidates.size(), 1u);
  std::set<int> visited;
  std::vector<int> order;
  for (size_t i = 0; i < candidates.size(); i++) {
    presskey(KEY_RIGHT);
    ASSERT_TRUE(cardcandidate(keycard)) << "slot " << keycard << " is free and face up";
    visited.insert(keycard);
    order.push_back(keycard);
  }
  EXPECT_EQ(visited, candidates) << "Right visits every free face-up card once";
  for (size_t i = 1; i < order.size(); i++) EXPECT_LE(cardx[player][order[i - 1]], cardx[player][order[i]]);
  presskey(KEY_RIGHT);
  EXPECT_EQ(keycard, order.front()) << "and wraps round";
  presskey(KEY_LEFT);
  EXPECT_EQ(keycard, order.back()) << "Left goes back round";
  // Enter on a card that does not fit the stable takes nothing.
  int before = livecards();
  for (int s : order)
    if (cardplayable[s] == 0 && cardvalue[player][s] >= 1 && cardvalue[player][s] <= 13) {
      ASSERT_TRUE(walkto(s));
      presskey(KEY_ENTER);
      settle();
      EXPECT_EQ(livecards(), before) << "a card that does not fit stays";
      break;
    }
}

TEST_F(Keyboard, SpaceAndDownDrawAndTheNumberKeysUseOnlyFilledSlots) {
  maplevel[1] = toplevel[1] = 9;
  extraslots[1][1] = 0;
  extraslots[1][2] = ITEM_MAXBONUS;
  extraslots[1][3] = 0;
  entergame(9);
  waitplay();
  settle();
  int left = stock[player];
  presskey(KEY_SPACE);
  settle();
  EXPECT_EQ(stock[player], left - 1) << "Space draws";
  presskey(KEY_DOWN);
  settle();
  EXPECT_EQ(stock[player], left - 2) << "Down draws";
  int combobefore = combo;
  presskey('1');
  presskey('3');
  presskey('7');
  EXPECT_EQ(itemfly[1] + itemfly[2] + itemfly[3], 0) << "a number key for an empty slot does nothing";
  EXPECT_EQ(combo, combobefore);
  EXPECT_EQ(extraslots[player][2], ITEM_MAXBONUS);
  testkeypress('2');
  runframes(1);
  testkeyrelease('2');
  EXPECT_GT(itemfly[2], 0) << "2 uses the item in the second slot";
  for (int i = 0; i < 40 && itemfly[2] > 0; i++) runframes(1);
  EXPECT_EQ(extraslots[player][2], 0);
}

TEST_F(Keyboard, PWalksTheHeldPlantsAndEnterPlaysTheChosenOne) {
  maplevel[1] = toplevel[1] = 9;
  for (int k = 1; k <= plantcount; k++) plants[1][k] = 0;
  plants[1][3] = plants[1][6] = 1;
  entergame(9);
  waitplay();
  settle();
  presskey('P');
  EXPECT_EQ(keyplantk, 3);
  presskey('P');
  EXPECT_EQ(keyplantk, 6) << "P skips the plants not held";
  presskey('P');
  EXPECT_EQ(keyplantk, 3) << "and wraps";
  presskey(KEY_ENTER);
  settle();
  EXPECT_EQ(plants[player][3], 0) << "Enter plays the chosen plant";
  EXPECT_EQ(stablerank[player], 3);
  EXPECT_EQ(plants[player][6], 1);
}

TEST_F(Keyboard, TheMapArrowsChooseOnlyOpenLevelsAndEnterStartsOne) {
  maplevel[1] = toplevel[1] = 3;
  maphint[1] = maphintdone;  // the shop's hint has been seen
  levelstars[1][1] = levelstars[1][2] = 2;
  instadventuremap();
  runframes(120);
  ASSERT_EQ(screen, SCREEN_MAP);
  presskey(KEY_RIGHT);
  EXPECT_EQ(mapkeylevel, 3) << "the first arrow starts at the frontier";
  presskey(KEY_RIGHT);
  EXPECT_EQ(mapkeylevel, 3) << "a closed level is never chosen";
  presskey(KEY_DOWN);
  EXPECT_EQ(mapkeylevel, 3) << "the stage below is closed";
  presskey(KEY_LEFT);
  presskey(KEY_LEFT);
  presskey(KEY_LEFT);
  EXPECT_EQ(mapkeylevel, 1);
  runframes(5);
  EXPECT_EQ(maphovered, 1) << "the chosen level shows its tooltip";
  presskey(KEY_ENTER);
  EXPECT_EQ(fadestate, 2);
  EXPECT_EQ(selectedlevel, 1) << "Enter starts the chosen level";
}

}  // namespace
