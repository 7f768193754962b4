#include "shell/profiles.h"
#include "shell/buttons.h"
#include "shell/gfx.h"
#include "shell/popups.h"
#include "shell/settings.h"
#include "shell/state.h"
#include "solitaire/state.h"
#include <algorithm>

// The file: 17 values, 52 card records of 18, 20 column records of 4, 9 table values,
// 10 plant and slot records, 300 level records, 4 spares, 30 records of 3, the name's length
// and its bytes. Every integer is 32-bit little-endian.
static constexpr int profilehead = 7028;  // bytes before the name
static constexpr int namelimit = 15;      // the longest name the name entry can type

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

static std::string trimname(const std::string& name) {
  size_t a = 0, b = name.size();
  while (a < b && (unsigned char)name[a] <= 32) a++;
  while (b > a && (unsigned char)name[b - 1] <= 32) b--;
  return name.substr(a, b - a);
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

// Everything read from a file is kept to what the game can index with it.
static void clampprofile(int p) {
  keep(maphint[p], 0, 100);
  keep(pointsfactor[p], 1, 2);
  keep(maplevel[p], 0, 104);
  keep(savedgame[p], 0, 1);
  keep(roundtime[p], 0, 1 << 30);
  keep(cash[p], 0, 1 << 30);
  keep(toplevel[p], 0, 104);
  keep(bestcombo[p], 0, 52 + extraslotcount * 2);
  keep(cardback[p], 1, 4);
  keep(dealcount[p], 1, 1 << 20);
  keep(adloadpoints[p], 0, 1 << 30);
  keep(failcount[p], 0, 1 << 20);
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

// A damaged file is kept beside the slot under another name, never overwritten by the next save.
static void setaside(const std::string& path, const std::string& why) {
  std::string aside = path + ".damaged";
  for (int n = 2; FileType(aside) != 0 && n < 1000; n++) aside = path + ".damaged" + std::to_string(n);
  bool ok = false;
  std::vector<uint8_t> bytes = ReadAllBytes(path, ok);
  if (ok && WriteFileAtomic(aside, bytes)) DeleteFile(path);
  logmsg("profile", path + ": " + why);
  Print("profile " + path + " is damaged (" + why + "), kept as " + aside + "; the slot is free");
}

static void readprofile(int p) {
  clearplayer(p);
  std::string path = profilefile(p);
  if (FileType(path) == 0) return;  // never written: a free slot
  Stream f = ReadFile(path);
  if (!f) {
    Print("profile " + path + " cannot be read; the slot is free this time");
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
  if (n < 0 || n > 255 || size != profilehead + n) {
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
  playername[p] = trimname(name).substr(0, namelimit);
  clampprofile(p);
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
    Print("profile " + path + " cannot be written; the previous copy is kept");
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
  if (!CloseFile(f)) Print("profile " + path + " could not be saved; the previous copy is kept");
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

void openplayers() {}
void firstplayer() {}
int checkname() { return 1; }
void playerlist() {}
void nameentry() {}
void deleteplayer() {}
void duplicatename() {}
