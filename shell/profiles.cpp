#include "shell/profiles.h"
#include "presentation/sound.h"
#include "shell/buttons.h"
#include "shell/keyboard.h"
#include "shell/gfx.h"
#include "shell/menu.h"
#include "shell/popups.h"
#include "shell/settings.h"
#include "shell/state.h"
#include "solitaire/state.h"
#include "text/fonts.h"
#include "text/glyphtable.h"
#include "text/texts.h"
#include <algorithm>

// The file: 17 values, 52 card records of 18, 20 column records of 4, 9 table values,
// 10 plant and slot records, 300 level records, 4 spares, 30 records of 3, the name's length
// and its bytes. Every integer is 32-bit little-endian.
static constexpr int profilehead = 7028;  // bytes before the name
static constexpr int namebytelimit = 255;  // a longer stored name marks the file as damaged

std::string profilefile(int p) { return userpath + "players" + std::to_string(p) + ".ppp"; }

// The table arrays in the order of a card record.
static cardrow* const cardrecord[18] = {&cardorder, &cardfree,    &cardsuit,     &cardvalue, &cardposx,
                                        &cardposy,  &cardx,       &cardy,        &cardparam, &cardcolumn,
                                        &cardfaceup, &cardautoturn, &carddepth,  &cardturn,  &cardflight,
                                        &cardcover, &cardshake,   &deckstate};
static columnrow* const columnrecord[4] = {&columnx, &columny, &columncount, &columntop};
static playervalue* const tablevalues[9] = {&columns,  &todeal,      &stock,    &stockstart, &stableid,
                                            &stableunder, &movetime, &drawtime, &stablerank};
static playervalue* const headvalues[17] = {&maphint,    &pointsfactor, &maplevel,  &profspare1, &savedgame,
                                            &profspare2, &playerseed,   &roundtime, &profspare3, &cash,
                                            &toplevel,   &bestcombo,    &cardback,  &dealcount,  &adloadpoints,
                                            &profspare4, &failcount};

std::string trimname(const std::string& name) {
  size_t a = 0, b = name.size();
  while (a < b && (unsigned char)name[a] <= 32) a++;
  while (b > a && (unsigned char)name[b - 1] <= 32) b--;
  return name.substr(a, b - a);
}

bool namecharok(int code) {
  // Every font shares one glyph table; a code below 32 or past one byte is never typed into a name.
  if (code < 32 || code > 255) return false;
  for (int s = 1; s <= glyphtablesize; s++)
    if (glyphtable[s].code == code) return true;
  return false;
}

void clearplayer(int p) {
  if (p < 0 || p >= playerslots) return;
  playername[p] = "";
  for (playervalue* v : headvalues) (*v)[p] = 0;
  pointsfactor[p] = 1;
  profspare1[p] = 3;
  profspare2[p] = 1;
  playerseed[p] = -9999;
  profspare3[p] = 1;
  cardback[p] = 1;
  dealcount[p] = 1;
  for (cardrow* a : cardrecord) (*a)[p].fill(0);
  for (columnrow* a : columnrecord) (*a)[p].fill(0);
  for (playervalue* v : tablevalues) (*v)[p] = 0;
  stock[p] = 52;
  plants[p].fill(0);
  extraslots[p].fill(0);
  levelstars[p].fill(0);
  levelbest[p].fill(99);
  profspare5[p].fill(0);
  profspare6[p].fill(0);
  profspare7[p].fill(0);
  unlockseen[p].fill(0);
}

static void keep(int& v, int lo, int hi) { v = std::clamp(v, lo, hi); }

// What the game may index with or add to without harm. Values a profile written by the game
// holds always lie inside; a damaged or edited file is brought inside before anything reads it.
static constexpr int farpixel = 4096;      // positions beyond this are off any screen
static constexpr int longcount = 1 << 30;  // points and seconds: far from overflowing when added to
static constexpr int framecounter = 10000; // countdowns and frame counters of the table

static bool tablevalueok(int v) {
  return v == CARD_NONE || (v >= 1 && v <= 13) || v == CARD_PLANT || v == CARD_ANIMAL || v == CARD_FISHSLAP ||
         v == CARD_BONUS || v == CARD_RANDOM;
}

static bool stableidok(int id) {
  return id == 0 || (id >= 1 && id <= cardcount) || (id >= STABLE_ITEMFIRST && id <= STABLE_ITEMLAST) ||
         (id > STABLE_PLANT && id <= STABLE_PLANT + 8);
}

static void clampprofile(int p) {
  keep(maphint[p], 0, 100);
  keep(pointsfactor[p], 1, 2);
  keep(maplevel[p], 0, lastlevel + 1);
  keep(savedgame[p], 0, 1);
  keep(roundtime[p], 0, longcount);
  keep(cash[p], 0, longcount);
  keep(toplevel[p], 0, lastlevel + 1);
  keep(bestcombo[p], 0, framecounter);
  keep(cardback[p], 1, 4);
  keep(dealcount[p], 1, framecounter);
  keep(adloadpoints[p], 0, longcount);
  keep(failcount[p], 0, longcount);
  for (int k = 1; k <= extraslotcount; k++) {
    keep(plants[p][k], 0, 1);
    keep(extraslots[p][k], 0, 10);
  }
  for (int l = 1; l <= levelslots; l++) {
    keep(levelstars[p][l], 0, 3);
    keep(levelbest[p][l], 0, 99);
  }
  for (int k = 1; k <= unlockslots; k++) keep(unlockseen[p][k], 0, 1);
}

// The stored table: card slots, columns and the stock.
static void clamptable(int p) {
  for (int k = 1; k <= cardcount; k++) {
    if (!tablevalueok(cardvalue[p][k])) cardvalue[p][k] = CARD_NONE;
    int v = cardvalue[p][k];
    keep(cardsuit[p][k], v >= 1 && v <= 13 ? 1 : 0, 4);  // a rank card's suit picks its face
    int lastparam = v == CARD_PLANT ? 8 : v == CARD_ANIMAL ? 2 : v == CARD_BONUS ? 3 : 8;
    keep(cardparam[p][k], 0, lastparam);
    keep(cardorder[p][k], 0, cardcount);
    keep(cardfree[p][k], 0, 1);
    keep(cardfaceup[p][k], 0, 1);
    keep(cardautoturn[p][k], 0, 1);
    for (cardrow* a : {&cardposx, &cardposy, &cardx, &cardy}) keep((*a)[p][k], -farpixel, farpixel);
    keep(cardcolumn[p][k], 0, tablecolumns);
    keep(carddepth[p][k], 0, cardcount);
    keep(cardturn[p][k], 0, framecounter);
    keep(cardflight[p][k], 0, framecounter);
    keep(cardcover[p][k], 0, 2);
    keep(cardshake[p][k], 0, framecounter);
    keep(deckstate[p][k], 0, 2);
  }
  for (int j = 1; j <= tablecolumns; j++) {
    keep(columnx[p][j], -farpixel, farpixel);
    keep(columny[p][j], -farpixel, farpixel);
    keep(columncount[p][j], -1, cardcount);
    keep(columntop[p][j], -11, CARD_RANDOM);
  }
  keep(columns[p], 0, tablecolumns);
  keep(todeal[p], 0, cardcount);
  keep(stock[p], -1, cardcount + 1);  // the draw counter runs one below 0 once the pile is used up
  keep(stockstart[p], 0, cardcount + 1);
  if (!stableidok(stableid[p])) stableid[p] = 0;
  if (!stableidok(stableunder[p])) stableunder[p] = 0;
  keep(movetime[p], 0, 20);
  keep(drawtime[p], 0, 20);
  keep(stablerank[p], 0, RANK_NONE);
}

// A damaged file is moved aside, beside the slot, so no later save can overwrite what is left
// of the player's progress; the slot reads as free.
static void setaside(const std::string& path, const std::string& why) {
  std::string aside = path + ".damaged";
  for (int n = 2; FileType(aside) != 0 && n < 1000; n++) aside = path + ".damaged" + std::to_string(n);
  bool moved = RenameFile(path, aside);
  logmsg("profile", path + ": " + why);
  if (moved) Print("profile " + path + " is damaged (" + why + "), kept as " + aside + "; the slot is free");
  else Print("profile " + path + " is damaged (" + why + ") and cannot be moved aside; the slot is free");
}

// The name as read: at most the length the name entry allows, only characters the fonts draw.
static std::string storedname(const std::string& bytes) {
  std::string name;
  for (char c : trimname(bytes))
    if (namecharok((unsigned char)c)) name += c;
  return trimname(name).substr(0, namelimit);
}

static void readprofile(int p) {
  clearplayer(p);
  std::string path = profilefile(p);
  int type = FileType(path);
  if (type == 0) return;  // never written: a free slot
  Stream f = type == 1 ? ReadFile(path) : nullptr;
  if (!f) {
    setaside(path, type == 2 ? "a folder, not a file" : "it cannot be read");
    return;
  }
  int size = StreamSize(f);
  if (size < profilehead) {
    CloseFile(f);
    setaside(path, "only " + std::to_string(size) + " bytes");
    return;
  }
  SeekStream(f, profilehead - 4);
  int n = ReadInt(f);
  if (n < 0 || n > namebytelimit || size != profilehead + n) {
    CloseFile(f);
    setaside(path, std::to_string(size) + " bytes with a name of " + std::to_string(n));
    return;
  }
  SeekStream(f, 0);
  for (playervalue* v : headvalues) (*v)[p] = ReadInt(f);
  for (int k = 1; k <= cardcount; k++)
    for (cardrow* a : cardrecord) (*a)[p][k] = ReadInt(f);
  for (int j = 1; j <= tablecolumns; j++)
    for (columnrow* a : columnrecord) (*a)[p][j] = ReadInt(f);
  for (playervalue* v : tablevalues) (*v)[p] = ReadInt(f);
  for (int k = 1; k <= extraslotcount; k++) {
    plants[p][k] = ReadInt(f);
    extraslots[p][k] = ReadInt(f);
  }
  for (int l = 1; l <= levelslots; l++) {
    levelstars[p][l] = ReadInt(f);
    levelbest[p][l] = ReadInt(f);
  }
  for (int k = 1; k <= 4; k++) profspare5[p][k] = ReadInt(f);
  for (int k = 1; k <= unlockslots; k++) {
    profspare6[p][k] = ReadInt(f);
    profspare7[p][k] = ReadInt(f);
    unlockseen[p][k] = ReadInt(f);
  }
  ReadInt(f);  // the name's length, checked above
  std::string name = n > 0 ? ReadString(f, n) : "";
  CloseFile(f);
  playername[p] = storedname(name);
  clampprofile(p);
  clamptable(p);
}

void saveplayer(int p) {
  if (p < 1 || p > profileslots) return;
  lastfunc = "saveplayer()";
  if (screen == SCREEN_GAME && gamestat == GAME_PLAY && p == player) {
    // Leaving a round in the middle (quit, menu, focus lost) makes it resumable.
    savedgame[p] = 1;
    adloadpoints[p] = roundpoints;
    Print("save");
    Print("save adloadpoints[i]: " + std::to_string(adloadpoints[p]));
  }
  std::string path = profilefile(p);
  Stream f = WriteFile(path);
  if (!f) {
    savetrouble("profile " + path + " cannot be written; the previous copy is kept");
    return;
  }
  for (playervalue* v : headvalues) WriteInt(f, (*v)[p]);
  for (int k = 1; k <= cardcount; k++)
    for (cardrow* a : cardrecord) WriteInt(f, (*a)[p][k]);
  for (int j = 1; j <= tablecolumns; j++)
    for (columnrow* a : columnrecord) WriteInt(f, (*a)[p][j]);
  for (playervalue* v : tablevalues) WriteInt(f, (*v)[p]);
  for (int k = 1; k <= extraslotcount; k++) {
    WriteInt(f, plants[p][k]);
    WriteInt(f, extraslots[p][k]);
  }
  for (int l = 1; l <= levelslots; l++) {
    WriteInt(f, levelstars[p][l]);
    WriteInt(f, levelbest[p][l]);
  }
  for (int k = 1; k <= 4; k++) WriteInt(f, profspare5[p][k]);
  for (int k = 1; k <= unlockslots; k++) {
    WriteInt(f, profspare6[p][k]);
    WriteInt(f, profspare7[p][k]);
    WriteInt(f, unlockseen[p][k]);
  }
  std::string name = trimname(playername[p]);
  WriteInt(f, int(name.size()));
  WriteString(f, name);
  if (!CloseFile(f)) savetrouble("profile " + path + " could not be saved; the previous copy is kept");
}

void loadplayers(int mode) {
  lastfunc = "loadplayers()";
  if (mode == 9999)
    for (int p = 1; p <= profileslots; p++) {
      clearplayer(p);
      saveplayer(p);
    }
  for (int p = 1; p <= profileslots; p++) readprofile(p);
  clearplayer(0);
  clearplayer(16);
  // A current player whose slot is free (deleted, damaged) is no player.
  if (player >= 1 && player <= profileslots && playername[player].empty()) player = -1;
}

void resetprogress(int p) {
  if (p < 1 || p > profileslots) return;
  if (maplevel[p] < 120) cash[p] = 0;  // otherwise the banked points stay
  std::string name = playername[p];
  int seed = playerseed[p], banked = cash[p];
  int s1 = profspare1[p], s2 = profspare2[p], s3 = profspare3[p], s4 = profspare4[p];
  clearplayer(p);
  playername[p] = name;
  playerseed[p] = seed;
  cash[p] = banked;
  profspare1[p] = s1;
  profspare2[p] = s2;
  profspare3[p] = s3;
  profspare4[p] = s4;
}

void rankplayers() {
  for (int i = 1; i <= profileslots; i++) playerrank[i] = i;
  // Descending by cash; equal values keep slot order.
  for (int pass = 1; pass <= profileslots; pass++)
    for (int j = 1; j < profileslots; j++)
      if (cash[playerrank[j]] < cash[playerrank[j + 1]]) std::swap(playerrank[j], playerrank[j + 1]);
}

// ---- The player popups ----

// Player list (103), from the centre of the screen.
static constexpr int listbgdx = -1, listbgdy = 8;   // the list's background picture
static constexpr int listhinty = -200;              // "click a name" line, font 7
static constexpr int listrowtop = -171;             // row r lies at listrowtop + 26 r
static constexpr int listrowstep = 26;
static constexpr int listbary = 10;                 // the current player's bar below the row's y
static constexpr int listhoverhalf = 230;           // a row is hovered within this x distance
static constexpr int listnamex = -232;              // name, left-aligned, font 1
static constexpr int listlevelx = -37;              // "Level n", left-aligned
static constexpr int listcashx = 228;               // "n points", right-aligned
static constexpr int listbuttony = 220;             // the three buttons' row
static constexpr int listbuttondx = 170;            // New on the left, Delete on the right
static constexpr float listdimalpha = 0.8f;         // rows not under the pointer
// Name entry (105), delete (106) and duplicate name (398).
static constexpr int namehinty = -80;               // the prompt line, font 7
static constexpr int namex = -140, namey = -10;     // the typed name, font 1
static constexpr int smallbuttony = 160;            // the two buttons of a small panel
static constexpr int smallbuttondx = 82;
static constexpr int cursorblink = 12;              // frames of one on-off blink of "_"
static constexpr int deleteline1y = -60, deleteline2y = -20, deletenamey = 34;
static constexpr int clashline1y = -60, clashnamey = -20, clashline2y = 34;

int firstusedslot() {
  for (int i = 1; i <= profileslots; i++)
    if (!playername[i].empty()) return i;
  return -1;
}

static bool playerok() { return player >= 1 && player <= profileslots; }

// Starts naming a new player in slot p: the name entry opens at once, fully shown.
static void startnewplayer(int p, int first) {
  prevplayer = first == 1 ? -1 : player;
  player = p;
  clearplayer(p);  // a free slot: nothing of an earlier player's progress goes to the new one
  playername[p] = "";
  playerseed[p] = Rand(0, 100000);
  namelen = 0;
  nameclash = 0;
  firstname = first;
}

void firstplayer() {
  // With players on file but none chosen (the settings were lost), they are listed to be
  // chosen: naming a new player in an occupied slot would take that player's progress.
  if (firstusedslot() > 0) {
    openpopup(POPUP_PLAYERS);
    return;
  }
  startnewplayer(1, 1);
  openpopup(POPUP_NAME);
}

void openplayers() {
  if (player != -1 || firstusedslot() > 0) {
    openpopup(POPUP_PLAYERS);
    return;
  }
  PlayS(13, float(midx));
  firstplayer();
}

int checkname() {
  nameclash = 0;
  if (!playerok()) return 0;
  std::string name = trimname(playername[player]);
  if (name.empty()) {
    // Nothing, or only blanks: the default name, which may be shared.
    playername[player] = menutext(5, 5);
    return 1;
  }
  for (int i = 1; i < playerslots; i++)
    if (i != player && !playername[i].empty() && trimname(playername[i]) == name) {
      nameclash = 1;
      openpopup(POPUP_DUPLICATE);
      return 0;
    }
  playername[player] = name;  // kept as it is stored
  return 1;
}

bool namingplayer() { return popuplevel > 0 && (popupid == POPUP_NAME || popupid == POPUP_DUPLICATE); }

void dropnewplayer() {
  if (!namingplayer() || !playerok()) return;
  playername[player] = "";
  namelen = 0;
  nameclash = 0;
  player = firstname == 1 ? -1 : prevplayer;
  firstname = 0;
  if (player != -1 && playername[player].empty()) player = firstusedslot();
}

// The current player's slot is emptied on disk; the lowest player left is chosen and the list
// shows again, or nobody is left and the popup closes.
static void discardplayer() {
  clearplayer(player);
  saveplayer(player);
  player = firstusedslot();
  firstname = 0;
  if (player > -1) switchpopup(POPUP_PLAYERS);
  else closepopup();
}

// Who is in row r of the list: slots with a name in rank order, at most twelve.
static int listrows(std::array<int, playerslots>& rowslot) {
  int rows = 0;
  for (int i = 1; i <= profileslots && rows < listedplayers; i++)
    if (playerrank[i] >= 1 && playerrank[i] <= profileslots && !playername[playerrank[i]].empty())
      rowslot[++rows] = playerrank[i];
  return rows;
}

void playerlist() {
  lastfunc = "playerlist()";
  popuppanelbig(float(midx), float(midy), menutext(4, 1));
  drawimg(playermenuimg, float(midx + listbgdx), float(midy + listbgdy));
  drawtext(menutext(4, 8), float(midx), float(midy + listhinty), ALIGN_CENTRE, 7);
  std::array<int, playerslots> rowslot{};
  int rows = listrows(rowslot);
  float alpha = GetAlpha();
  for (int r = 1; r <= rows; r++) {
    int p = rowslot[r];
    int y = midy + listrowtop + listrowstep * r;
    if (popupdir == 1) focusregister(midx, y + 12, FOCUS_POINTER, 0);  // the keys choose a row as a click does
    bool hovered = midx - listhoverhalf < mousex && mousex < midx + listhoverhalf && y + 1 < mousey &&
                   mousey < y + 23 && popupdir == 1 && pausesign == -1;
    if (hovered && mousehit1 == 1 && popuplevel == popupfull) {
      mousehit1 = 0;
      player = p;
    }
    SetAlpha(hovered ? alpha : alpha * listdimalpha);
    if (p == player) drawimg(playerbarimg, float(midx), float(y + listbary));
    drawtext(playername[p], float(midx + listnamex), float(y), ALIGN_LEFT, 1);
    drawtext(menutext(4, 2) + " " + std::to_string(toplevel[p]), float(midx + listlevelx), float(y), ALIGN_LEFT, 1);
    drawtext(std::to_string(cash[p]) + " " + menutext(4, 7), float(midx + listcashx), float(y), ALIGN_RIGHT, 1);
  }
  SetAlpha(alpha);
  float by = float(midy + listbuttony);
  if (button(float(midx), by, 3, 2, menutext(4, 6)) == BUTTON_CLICK || (keyesc == 1 && esccooldown == 30)) {
    savesettings(0);
    closepopup();
  }
  if (button(float(midx - listbuttondx), by, 3, rows < listedplayers ? 2 : -1, menutext(4, 4)) == BUTTON_CLICK) {
    int slot = 0;
    for (int i = listedplayers; i >= 1; i--)
      if (playername[i].empty()) slot = i;
    if (slot > 0) {
      startnewplayer(slot, 0);
      switchpopup(POPUP_NAME);
    }
  }
  if (button(float(midx + listbuttondx), by, 3, 2, menutext(4, 5)) == BUTTON_CLICK && playerok())
    switchpopup(POPUP_DELETE);
}

// One typed character: Backspace drops the last, Enter confirms, anything the fonts can draw
// is added while the name is shorter than 15 characters and narrower than 132 pixels.
static bool typeinto(int code) {
  std::string& name = playername[player];
  if (code == KEY_BACKSPACE) {
    if (!name.empty()) name.pop_back();
    namelen = int(name.size());
    nameclash = 0;
    return false;
  }
  if (code == KEY_ENTER) return true;
  if (!namecharok(code)) return false;  // Escape, control codes, characters no font has
  if (int(name.size()) > namelimit) name.resize(namelimit);
  namelen = int(name.size());
  if (textwidth(name, 1) < namewidthlimit && namelen < namelimit) {
    name += char(code);
    namelen++;
    nameclash = 0;
  }
  return false;
}

void nameentry() {
  lastfunc = "nameentry()";
  popuppanel(float(midx), float(midy), menutext(5, 1));
  drawtext(menutext(5, 2), float(midx), float(midy + namehinty), ALIGN_CENTRE, 7);
  drawimg(createplayerimg, float(midx), float(midy));
  if (!playerok()) {
    closepopup();
    return;
  }
  // A popup fading out takes no more typing: the name was confirmed or given up.
  bool confirm = popupdir == 1 && typeinto(GetChar());
  std::string shown = playername[player];
  if (fadestate == 1 && framecount % cursorblink < cursorblink / 2) shown += "_";
  drawtext(shown, float(midx + namex), float(midy + namey), ALIGN_LEFT, 1);
  float by = float(midy + smallbuttony);
  if (button(float(midx + smallbuttondx), by, 3, 2, menutext(5, 3)) == BUTTON_CLICK) confirm = true;
  if (confirm && checkname() == 1) {
    namelen = 0;
    nameclash = 0;
    savesettings(0);
    saveplayer(player);
    firstname = 0;
    closepopup();
    PlayS(50, float(midx));
    return;
  }
  if (popupid != POPUP_NAME) return;  // the duplicate notice took over
  if (button(float(midx - smallbuttondx), by, 3, 2, menutext(5, 4)) == BUTTON_CLICK ||
      (keyesc == 1 && popupdir == 1)) {
    keyesc = 0;
    playername[player] = "";
    namelen = 0;
    if (firstname == 1) {
      player = -1;
      prevplayer = -1;
      firstname = 0;
      closepopup();
    } else {
      player = prevplayer;
      savesettings(0);
      switchpopup(POPUP_PLAYERS);
    }
  }
}

void deleteplayer() {
  lastfunc = "deleteplayer()";
  popuppanel(float(midx), float(midy), menutext(6, 1));
  drawtext(menutext(6, 2), float(midx), float(midy + deleteline1y), ALIGN_CENTRE, 7);
  drawtext(menutext(6, 3), float(midx), float(midy + deleteline2y), ALIGN_CENTRE, 7);
  if (playerok()) drawtext(playername[player], float(midx), float(midy + deletenamey), ALIGN_CENTRE, 4);
  float by = float(midy + smallbuttony);
  if (button(float(midx - smallbuttondx), by, 3, 2, menutext(6, 5)) == BUTTON_CLICK ||
      (keyesc == 1 && popupdir == 1)) {
    keyesc = 0;
    savesettings(0);
    switchpopup(POPUP_PLAYERS);
    return;
  }
  if (button(float(midx + smallbuttondx), by, 4, 2, menutext(6, 4)) == BUTTON_CLICK && playerok()) {
    discardplayer();
    savesettings(0);
  }
}

void duplicatename() {
  lastfunc = "duplicatename()";
  popuppanel(float(midx), float(midy), menutext(16, 1));
  drawtext(menutext(16, 2), float(midx), float(midy + clashline1y), ALIGN_CENTRE, 7);
  if (playerok()) drawtext(playername[player], float(midx), float(midy + clashnamey), ALIGN_CENTRE, 4);
  drawtext(menutext(16, 3), float(midx), float(midy + clashline2y), ALIGN_CENTRE, 7);
  if (button(float(midx), float(midy + smallbuttony), 4, 2, menutext(6, 4)) == BUTTON_CLICK && playerok()) {
    discardplayer();
    savesettings(0);
  }
}
