// Dealt tables and a table in mid-play, driven frame by frame in the order the game screen
// runs the table routines. The layouts are written as level files into a scratch folder and
// read back through the game's own loader.
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
#include "text/fonts.h"
#include "text/texts.h"
#include "tools/snapshot/snapshot.h"
#include <filesystem>
#include <fstream>

namespace {

Image scenebg;       // a game background
Image sceneuiup;     // top band
Image sceneuidown;   // bottom band

// The table's own pictures, and the bands and background the game screen will add.
void loadscenepictures() {
  loadtablepictures();
  sceneuiup = loadimg("data\\game\\gameui-up.png");
  sceneuidown = loadimg("data\\game\\gameui-down.png");
  scenebg = loadimg("data\\bg\\bg3.jpg");
}

// A column of cards: tokens bottom first, "7" a rank, "?" random, "P" plant, "G" pig, "N"
// ninja, "F" fishslap, "B" bonus; a trailing "d" stays face down, "b" bird cover, "f" fruit.
void addcolumn(std::vector<levelcard>& cards, int column, int x, int y, int step, const std::string& tokens) {
  size_t i = 0;
  int depth = 0;
  while (i < tokens.size()) {
    size_t j = tokens.find(' ', i);
    if (j == std::string::npos) j = tokens.size();
    std::string tok = tokens.substr(i, j - i);
    i = j + 1;
    if (tok.empty()) continue;
    levelcard k;
    depth++;
    k.column = column;
    k.depth = depth;
    k.x = x;
    k.y = y + step * (depth - 1);
    parselevelcard(tok, k);
    cards.push_back(k);
  }
}

// Three hills of ten columns, with covers, animals and special cards.
std::vector<levelcard> hillslayout() {
  std::vector<levelcard> c;
  const char* cols[10] = {"? ?b ?",   "? ? ?b ?", "?f ? G ? ?", "? ?b ? ?", "? P ?",
                          "? ? B",    "? ?f ? ?", "?b ? N ? ?", "? ? ?f ?", "?d F ?"};
  const int heights[10] = {176, 144, 112, 144, 176, 176, 144, 112, 144, 176};
  for (int k = 0; k < 10; k++) addcolumn(c, k + 1, 32 + 96 * k, heights[k], 32, cols[k]);
  return c;
}

// A fan of overlapping columns for the wide screen.
std::vector<levelcard> fanlayout() {
  std::vector<levelcard> c;
  const char* cols[8] = {"? ? ? ?", "? ?b ? ?", "? ? G ?", "?d ? ? ?", "? B ? ?", "? ? ?f ?", "? N ? ?", "? ? ? P"};
  for (int k = 0; k < 8; k++) addcolumn(c, k + 1, 16 + 128 * k, 112 + 16 * (k % 2), 48, cols[k]);
  return c;
}

// Seven columns of four: the plain 28-card table of the first levels.
std::vector<levelcard> plainlayout() {
  std::vector<levelcard> c;
  for (int k = 0; k < 7; k++) addcolumn(c, k + 1, 96 + 128 * k, 128, 32, "? ? ? ?");
  return c;
}

void writelevelfile(const std::string& folder, int n, const std::vector<levelcard>& cards) {
  std::string name = levelfilename(n);
  name[4] = '/';
  std::vector<uint8_t> bytes = encodelevel(cards);
  std::ofstream out(folder + name, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

// The game screen's frame, as far as the table goes: background, table, popups, bars,
// effects.
void sceneframe() {
  Cls();
  resetdrawstate();
  if (scenebg) drawimg(scenebg, midx, midy);
  if (gamestat == GAME_DEAL) {
    dealframe();
  } else if (gamestat == GAME_PLAY) {
    updatefree();
    updatecolumns();
    drawstock();
    handleclicks();
    drawlongdrive();
  } else {
    drawstock();
    handleclicks();
  }
  drawtablepopups();
  barpos = int(barpos - (barpos - 60) * 0.1);
  if (sceneuiup) drawimg(sceneuiup, midx, barpos - 12);
  if (sceneuidown) drawimg(sceneuidown, midx, screenh - barpos + 41);
  drawcombobar();
  drawpointsbar();
  if (gamestat == GAME_PLAY) drawmeter();
  effalpha = 1;
  draweff();
  resetdrawstate();
  framecount++;
  mousehit1 = 0;
}

void sceneframes(int n) {
  for (int i = 0; i < n; i++) sceneframe();
}

// Clears the table and deals level n (read from the scratch folder) at the given width.
void dealscene(const std::string& scratch, int w, int n, int shownlevel) {
  snapscreen(w, 768);
  xshift = w == 1366 ? 171 : w == 1280 ? 128 : 0;
  SetClsColor(24, 16, 40);
  resettablestate();
  cleareffects();
  player = 1;
  cardback[1] = 1 + n % 4;
  std::filesystem::path here = std::filesystem::current_path();
  std::filesystem::current_path(scratch);
  level = selectedlevel = n;
  loadlevel();
  std::filesystem::current_path(here);
  level = shownlevel;
  barpos = -120;
}

// Finds the live card of a column with the greatest depth.
int topofcolumn(int c) {
  int best = 0;
  for (int s = 1; s <= cardcount; s++)
    if (cardvalue[player][s] > 0 && cardcolumn[player][s] == c &&
        (best == 0 || carddepth[player][s] > carddepth[player][best]))
      best = s;
  return best;
}

void clickslot(int s) {
  mousex = cardx[player][s] + xshift + 48;
  mousey = cardy[player][s] + 71;
  mousehit1 = 1;
  sceneframe();
}

// The table's pictures and texts, and a scratch folder holding the scene's three layouts.
std::string tablesetup() {
  snapscreen(1024, 768);
  loadcardgfx();
  loadfonts();
  loadeffects();
  loadtexts();
  loadscenepictures();
  popuplevel = 0;
  pausesign = -1;

  std::string scratch = (std::filesystem::temp_directory_path() / "morgavelle-snaptables/").string();
  std::filesystem::create_directories(scratch + "data/levelz");
  writelevelfile(scratch, 6, hillslayout());
  writelevelfile(scratch, 7, fanlayout());
  writelevelfile(scratch, 2, plainlayout());
  return scratch;
}

// Mid-play: a few takes, a long combo, then a frame with every animation state at once. It
// deals from its own seed, so the desktop's screenshot of it is this very picture.
bool tablemidplay(const std::string& scratch) {
  SeedRnd(4712);
  SetPixelFill(false);  // only the last frame is looked at
  dealscene(scratch, 1024, 6, 6);
  sceneframes(230);
  int taken = 0;
  for (int round = 0; round < 40 && taken < 7; round++) {
    int pick = 0;
    for (int c = 1; c <= tablecolumns && pick == 0; c++) {
      int s = topofcolumn(c);
      if (s > 0 && cardplayable[s] == 1 && cardvalue[player][s] <= 13) pick = s;
    }
    if (pick == 0) {
      // Nothing fits: put a fitting card on the stable as a draw would.
      int s = topofcolumn(1 + round % 10);
      if (s > 0 && cardvalue[player][s] <= 13) {
        stableid[player] = cardidentity(cardvalue[player][s] % 13 + 1, 1);
        stablerank[player] = cardvalue[player][s] % 13 + 1;
      }
      sceneframe();
      continue;
    }
    clickslot(pick);
    taken++;
    sceneframes(21);
  }
  bestcombo[player] = std::max(bestcombo[player], 8);
  pointsfactor[player] = 2;
  // One card flying to the stable, one turning, one shaking, one wobbling, a stock card
  // turning over, an invalid sign and a cleared sign, and the long-drive sign.
  int fly = 0, turn = 0, shake = 0, wobble = 0, invalid = 0;
  for (int c = 1; c <= tablecolumns; c++) {
    int s = topofcolumn(c);
    if (s == 0 || cardvalue[player][s] > 13) continue;
    if (!fly) fly = s;
    else if (!turn) turn = s;
    else if (!shake) shake = s;
    else if (!wobble) wobble = s;
    else if (!invalid) invalid = s;
  }
  if (fly) {
    stablerank[player] = cardvalue[player][fly] % 13 + 1;
    clickslot(fly);
    sceneframes(8);
  }
  if (turn) cardturn[player][turn] = 6;
  if (shake) cardshake[player][shake] = 40;
  if (wobble) cardwobble[wobble] = 12;
  if (invalid) addtablepopup(1, cardx[player][invalid] + 48 + xshift, cardy[player][invalid] + 71);
  addtablepopup(2, midx + 200, 300);
  drawrequest = 1;
  combo = 7;
  sceneframes(6);
  longdrivetime = 40;
  comborecordglow = 20;
  SetPixelFill(true);
  sceneframe();
  return savesnapshot("tables_hills_midplay");
}

}  // namespace

bool snaptables() {
  bool ok = true;
  std::string scratch = tablesetup();
  SeedRnd(4711);

  // Hills, dealt, at 1024: mid-deal and the first frames of play.
  dealscene(scratch, 1024, 6, 6);
  sceneframes(110);
  ok &= savesnapshot("tables_hills_dealing");
  sceneframes(80);
  sceneframes(40);
  ok &= savesnapshot("tables_hills_dealt");

  // The plain 28-card table of level 2 with its helping stock.
  dealscene(scratch, 1280, 2, 2);
  sceneframes(230);
  ok &= savesnapshot("tables_plain_dealt_1280");

  // The fan on a wide screen.
  dealscene(scratch, 1366, 7, 7);
  sceneframes(230);
  ok &= savesnapshot("tables_fan_dealt_1366");

  ok &= tablemidplay(scratch);

  // The stock used up: the base panel shows and the cardometer has dropped away.
  stock[player] = 1;
  stableunder[player] = 0;
  drawtime[player] = 20;
  sceneframes(60);
  ok &= savesnapshot("tables_hills_stockempty");

  std::filesystem::remove_all(scratch);
  return ok;
}

// The mid-play table alone (the desktop's screenshot of the table).
bool snaptablemidplay() {
  std::string scratch = tablesetup();
  bool ok = tablemidplay(scratch);
  std::filesystem::remove_all(scratch);
  return ok;
}

// The forged level set: contact sheets of all 103 previews as the map draws them, and the
// dealt table of a few levels from each group of stages.
bool snaplevels() {
  if (FileType("data/levelz/103.lvl") != 1) return false;
  bool ok = true;
  const int cols = 6, rows = 9, cellw = 372, cellh = 300;  // a preview is about 350 x 261
  snapscreen(cols * cellw, rows * cellh);
  loadcardgfx();
  loadfonts();
  screen = SCREEN_MAP;  // previews are drawn at the map's scale
  load_solitaire_for_preview();
  for (int page = 0; page * cols * rows < lastlevel; page++) {
    Cls();
    resetdrawstate();
    for (int i = 0; i < cols * rows; i++) {
      int n = page * cols * rows + i + 1;
      if (n > lastlevel) break;
      float x = float((i % cols) * cellw + 10), y = float((i / cols) * cellh + 26);
      drawtext("Level " + str(n) + "  (stage " + str(stageof(n)) + ", par " + str(levelpar[n]) + ")", x, y - 18, ALIGN_LEFT, 7);
      drawpreview(x, y, n);
    }
    ok &= savesnapshot("levels-previews-" + str(page + 1));
  }
  screen = SCREEN_NONE;

  loadeffects();
  loadtexts();
  loadscenepictures();
  popuplevel = 0;
  pausesign = -1;
  std::string here = std::filesystem::current_path().string() + "/";
  const int shown[] = {1, 3, 9, 14, 31, 40, 55, 67, 79, 91, 103};
  for (int n : shown) {
    dealscene(here, n % 2 ? 1024 : 1366, n, n);
    sceneframes(240);
    ok &= savesnapshot("levels-dealt-" + str(n));
  }
  return ok;
}
