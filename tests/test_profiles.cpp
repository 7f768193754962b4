// Player profiles: the file of each slot, reading damaged files, saving that never loses the
// old copy, and the popups that list, name and delete players, driven by clicks and typing.
//
// Ideas for tests:
// - a name typed with a key held down (repeated characters arriving in one frame)
// - deleting the current player while a stored round waits in the game screen
// - a profile written by a build with more card slots (a longer file is set aside today)
// - the list when slots 13..15 hold players from an edited folder
#include "tests/shellkit.h"
#include "presentation/sound.h"
#include "solitaire/state.h"
#include "text/fonts.h"
#include "text/texts.h"
#include <gtest/gtest.h>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <linux/fs.h>
#include <random>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// ---- A profile file built from the layout, byte by byte, without the game's writer ----

struct layoutfile {
  std::string bytes;
  void put(int offset, int v) {
    if (int(bytes.size()) < offset + 4) bytes.resize(size_t(offset) + 4, '\0');
    uint32_t u = uint32_t(v);
    for (int i = 0; i < 4; i++) bytes[size_t(offset + i)] = char((u >> (8 * i)) & 0xff);
  }
};

// One value per field, different from field to field and inside what each field may hold.
constexpr int headsample[17] = {37, 2, 58, -123456, 1, 777, 45678, 3601, -5, 123456789, 61, 17, 3, 4, 2500, 99999, 2};
int cardsample(int field, int k) {
  switch (field) {
    case 0: return k;                 // cardorder
    case 1: return k % 2;             // cardfree
    case 2: return 1 + k % 4;         // cardsuit
    case 3: return 1 + k % 13;        // cardvalue: ranks
    case 4: return 10 * k - 100;      // cardposx
    case 5: return 7 * k;             // cardposy
    case 6: return 11 * k;            // cardx
    case 7: return -3 * k;            // cardy
    case 8: return k % 9;             // cardparam
    case 9: return 1 + k % 20;        // cardcolumn
    case 10: return (k + 1) % 2;      // cardfaceup
    case 11: return k % 2;            // cardautoturn
    case 12: return 1 + k % 5;        // carddepth
    case 13: return k % 12;           // cardturn
    case 14: return 2 * k;            // cardflight
    case 15: return k % 3;            // cardcover
    case 16: return k % 7;            // cardshake
    default: return k % 3;            // deckstate
  }
}
int columnsample(int field, int j) {
  const int v[4] = {50 * j - 1, 16 * j, j % 5 - 1, 4 * j - 11};  // x, y, count, top
  return v[field];
}
constexpr int tablesample[9] = {17, 3, 21, 24, 130, 1005, 7, 20, 9};
const std::string samplename = "Zora Vex";

std::string referenceprofile() {
  layoutfile f;
  for (int i = 0; i < 17; i++) f.put(4 * i, headsample[i]);
  for (int k = 1; k <= 52; k++)
    for (int field = 0; field < 18; field++) f.put(68 + (k - 1) * 72 + 4 * field, cardsample(field, k));
  for (int j = 1; j <= 20; j++)
    for (int field = 0; field < 4; field++) f.put(3812 + (j - 1) * 16 + 4 * field, columnsample(field, j));
  for (int i = 0; i < 9; i++) f.put(4132 + 4 * i, tablesample[i]);
  for (int k = 1; k <= 10; k++) {
    f.put(4168 + (k - 1) * 8, k % 2);       // plants
    f.put(4168 + (k - 1) * 8 + 4, k % 11);  // extraslots
  }
  for (int l = 1; l <= 300; l++) {
    f.put(4248 + (l - 1) * 8, l % 4);        // levelstars
    f.put(4248 + (l - 1) * 8 + 4, l % 100);  // levelbest
  }
  for (int k = 1; k <= 4; k++) f.put(6648 + 4 * (k - 1), -1000 * k);
  for (int k = 1; k <= 30; k++) {
    f.put(6664 + (k - 1) * 12, 31 * k * k);       // profspare6
    f.put(6664 + (k - 1) * 12 + 4, -k);           // profspare7
    f.put(6664 + (k - 1) * 12 + 8, k % 3 == 0);   // unlockseen
  }
  f.put(7024, int(samplename.size()));
  EXPECT_EQ(f.bytes.size(), 7028u);
  return f.bytes + samplename;
}

// The game's arrays by the names the layout gives them, in layout order.
playervalue* const headfields[17] = {&maphint,   &pointsfactor, &maplevel, &profspare1, &savedgame,  &profspare2,
                                     &playerseed, &roundtime,   &profspare3, &cash,      &toplevel,   &bestcombo,
                                     &cardback,  &dealcount,    &adloadpoints, &profspare4, &failcount};
cardrow* const cardfields[18] = {&cardorder, &cardfree,   &cardsuit,     &cardvalue, &cardposx,  &cardposy,
                                 &cardx,     &cardy,      &cardparam,    &cardcolumn, &cardfaceup, &cardautoturn,
                                 &carddepth, &cardturn,   &cardflight,   &cardcover, &cardshake, &deckstate};
columnrow* const columnfields[4] = {&columnx, &columny, &columncount, &columntop};
playervalue* const tablefields[9] = {&columns, &todeal, &stock, &stockstart, &stableid, &stableunder,
                                     &movetime, &drawtime, &stablerank};

void setsample(int p) {
  for (int i = 0; i < 17; i++) (*headfields[i])[p] = headsample[i];
  for (int k = 1; k <= 52; k++)
    for (int field = 0; field < 18; field++) (*cardfields[field])[p][k] = cardsample(field, k);
  for (int j = 1; j <= 20; j++)
    for (int field = 0; field < 4; field++) (*columnfields[field])[p][j] = columnsample(field, j);
  for (int i = 0; i < 9; i++) (*tablefields[i])[p] = tablesample[i];
  for (int k = 1; k <= 10; k++) {
    plants[p][k] = k % 2;
    extraslots[p][k] = k % 11;
  }
  for (int l = 1; l <= 300; l++) {
    levelstars[p][l] = l % 4;
    levelbest[p][l] = l % 100;
  }
  for (int k = 1; k <= 4; k++) profspare5[p][k] = -1000 * k;
  for (int k = 1; k <= 30; k++) {
    profspare6[p][k] = 31 * k * k;
    profspare7[p][k] = -k;
    unlockseen[p][k] = k % 3 == 0;
  }
  playername[p] = samplename;
}

// The first field of slot p that differs from the sample, "" when all are equal.
std::string differsfromsample(int p) {
  for (int i = 0; i < 17; i++)
    if ((*headfields[i])[p] != headsample[i]) return "value " + std::to_string(i);
  for (int k = 1; k <= 52; k++)
    for (int field = 0; field < 18; field++)
      if ((*cardfields[field])[p][k] != cardsample(field, k))
        return "card " + std::to_string(k) + " field " + std::to_string(field);
  for (int j = 1; j <= 20; j++)
    for (int field = 0; field < 4; field++)
      if ((*columnfields[field])[p][j] != columnsample(field, j)) return "column " + std::to_string(j);
  for (int i = 0; i < 9; i++)
    if ((*tablefields[i])[p] != tablesample[i]) return "table value " + std::to_string(i);
  for (int k = 1; k <= 10; k++)
    if (plants[p][k] != k % 2 || extraslots[p][k] != k % 11) return "plant record " + std::to_string(k);
  for (int l = 1; l <= 300; l++)
    if (levelstars[p][l] != l % 4 || levelbest[p][l] != l % 100) return "level " + std::to_string(l);
  for (int k = 1; k <= 4; k++)
    if (profspare5[p][k] != -1000 * k) return "spare5 " + std::to_string(k);
  for (int k = 1; k <= 30; k++)
    if (profspare6[p][k] != 31 * k * k || profspare7[p][k] != -k || unlockseen[p][k] != (k % 3 == 0))
      return "record " + std::to_string(k);
  if (playername[p] != samplename) return "name " + playername[p];
  return "";
}

// Every value the game indexes with or adds to lies where it may: "" or the first that does not.
std::string outofrange(int p) {
  auto in = [](int v, int lo, int hi) { return v >= lo && v <= hi; };
  if (!in(maphint[p], 0, 100) || !in(pointsfactor[p], 1, 2) || !in(maplevel[p], 0, 104) || !in(toplevel[p], 0, 104))
    return "progress";
  if (!in(savedgame[p], 0, 1) || !in(cardback[p], 1, 4) || cash[p] < 0 || roundtime[p] < 0 || failcount[p] < 0 ||
      adloadpoints[p] < 0 || dealcount[p] < 1 || bestcombo[p] < 0)
    return "values";
  for (int k = 1; k <= 10; k++)
    if (!in(plants[p][k], 0, 1) || !in(extraslots[p][k], 0, 10)) return "plants or items";
  for (int l = 1; l <= 300; l++)
    if (!in(levelstars[p][l], 0, 3) || !in(levelbest[p][l], 0, 99)) return "level " + std::to_string(l);
  for (int k = 1; k <= 30; k++)
    if (!in(unlockseen[p][k], 0, 1)) return "unlock";
  for (int k = 1; k <= 52; k++) {
    int v = cardvalue[p][k];
    bool valueok = v == 0 || in(v, 1, 13) || v == 21 || v == 23 || v == 24 || v == 26 || v == 99;
    if (!valueok || !in(cardsuit[p][k], in(v, 1, 13) ? 1 : 0, 4) || !in(cardparam[p][k], 0, 8)) return "card";
    if (!in(cardcolumn[p][k], 0, 20) || !in(carddepth[p][k], 0, 52) || !in(cardcover[p][k], 0, 2) ||
        !in(deckstate[p][k], 0, 2) || !in(cardorder[p][k], 0, 52))
      return "card place";
    for (cardrow* a : {&cardposx, &cardposy, &cardx, &cardy})
      if (!in((*a)[p][k], -4096, 4096)) return "card position";
    for (cardrow* a : {&cardfree, &cardfaceup, &cardautoturn})
      if (!in((*a)[p][k], 0, 1)) return "card flag";
    for (cardrow* a : {&cardturn, &cardflight, &cardshake})
      if (!in((*a)[p][k], 0, 10000)) return "card counter";
  }
  for (int j = 1; j <= 20; j++)
    if (!in(columncount[p][j], -1, 52) || !in(columnx[p][j], -4096, 4096) || !in(columny[p][j], -4096, 4096) ||
        !in(columntop[p][j], -11, 99))
      return "column";
  if (!in(columns[p], 0, 20) || !in(todeal[p], 0, 52) || !in(stock[p], -1, 53) || !in(stockstart[p], 0, 53) ||
      !in(movetime[p], 0, 20) || !in(drawtime[p], 0, 20) || !in(stablerank[p], 0, 24))
    return "table";
  for (int id : {stableid[p], stableunder[p]})
    if (!(id == 0 || in(id, 1, 52) || in(id, 124, 133) || in(id, 1001, 1008))) return "stable";
  if (playername[p].size() > 15) return "name length";
  for (char c : playername[p])
    if (!namecharok((unsigned char)c)) return "name character";
  return "";
}

// ---- Folders that refuse new files ----

// Makes the folder take no new file, as a read-only folder does. Root ignores the permission
// bits, so the folder is also made immutable where the file system allows it; where neither
// holds, the saves' temporary files are blocked by folders of their names, which fails the
// same step a read-only folder fails.
struct lockedfolder {
  std::string path;
  bool immutable = false;
  std::vector<std::string> blockers;

  explicit lockedfolder(const std::string& p, const std::vector<std::string>& files) : path(p) {
    chmod(path.c_str(), 0555);
    int fd = open(path.c_str(), O_RDONLY | O_DIRECTORY);
    int flags = 0;
    if (fd >= 0 && ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0) {
      flags |= FS_IMMUTABLE_FL;
      immutable = ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    if (fd >= 0) close(fd);
    std::string probe = path + "probe";
    int pf = open(probe.c_str(), O_WRONLY | O_CREAT, 0644);
    if (pf >= 0) {
      close(pf);
      unlink(probe.c_str());
      release();
      for (const std::string& f : files) {
        blockers.push_back(path + f + ".new");
        fs::create_directory(blockers.back());
      }
    }
  }
  void release() {
    int fd = open(path.c_str(), O_RDONLY | O_DIRECTORY);
    int flags = 0;
    if (fd >= 0 && ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0 && (flags & FS_IMMUTABLE_FL)) {
      flags &= ~FS_IMMUTABLE_FL;
      ioctl(fd, FS_IOC_SETFLAGS, &flags);
    }
    if (fd >= 0) close(fd);
    chmod(path.c_str(), 0755);
  }
  ~lockedfolder() {
    release();
    for (const std::string& b : blockers) fs::remove(b);
  }
};

class Profiles : public ::testing::Test {
 protected:
  void SetUp() override { popupscreenstart(); }
};

TEST_F(Profiles, TheFileMatchesTheLayoutByteForByteAndEveryFieldComesBack) {
  setsample(3);
  saveplayer(3);
  std::string ref = referenceprofile();
  std::string written = readbytes(profilefile(3));
  ASSERT_EQ(written.size(), ref.size());
  for (size_t i = 0; i < ref.size(); i++)
    ASSERT_EQ(written[i], ref[i]) << "first difference at byte " << i;
  // Read back into a cleared slot: every field survives, and a second save writes the same bytes.
  clearplayer(3);
  loadplayers(0);
  EXPECT_EQ(differsfromsample(3), "");
  saveplayer(3);
  EXPECT_EQ(readbytes(profilefile(3)), ref);
  // The neighbouring slots are untouched.
  EXPECT_EQ(playername[2], "");
  EXPECT_EQ(playername[4], "");
}

TEST_F(Profiles, FirstStartWritesFifteenEmptyProfilesAndANameAddsItsBytes) {
  for (int p = 1; p <= 15; p++) EXPECT_EQ(readbytes(profilefile(p)).size(), 7028u) << "slot " << p;
  EXPECT_EQ(FileType(profilefile(16)), 0);
  EXPECT_EQ(FileType(profilefile(0)), 0);
  // A new profile's values, as the layout places them.
  std::string empty = readbytes(profilefile(7));
  auto at = [&](int offset) {
    int v;
    std::memcpy(&v, empty.data() + offset, 4);
    return v;
  };
  EXPECT_EQ(at(4), 1);       // pointsfactor
  EXPECT_EQ(at(12), 3);      // profspare1
  EXPECT_EQ(at(24), -9999);  // playerseed
  EXPECT_EQ(at(48), 1);      // cardback
  EXPECT_EQ(at(4132 + 8), 52);  // stock
  EXPECT_EQ(at(4248 + 4), 99);  // levelbest of level 1
  EXPECT_EQ(at(4248 + 299 * 8 + 4), 99);  // and of level 300
  EXPECT_EQ(at(7024), 0);
  playername[7] = "abc";
  saveplayer(7);
  std::string abc = readbytes(profilefile(7));
  ASSERT_EQ(abc.size(), 7031u);
  EXPECT_EQ(abc.substr(7024), std::string("\x03\x00\x00\x00" "abc", 7));
}

TEST_F(Profiles, SlotsOutsideOneToFifteenAreNeverWritten) {
  for (int p : {-1, 0, 16, 17}) saveplayer(p);
  EXPECT_EQ(FileType(profilefile(0)), 0);
  EXPECT_EQ(FileType(profilefile(16)), 0);
  EXPECT_EQ(FileType(profilefile(-1)), 0);
}

TEST_F(Profiles, NamesAreStoredTrimmedAndANameOfBlanksReadsAsAFreeSlot) {
  playername[2] = "  Ossian \t";
  playername[3] = "   ";
  cash[3] = 400;
  saveplayer(2);
  saveplayer(3);
  loadplayers(0);
  EXPECT_EQ(playername[2], "Ossian");
  EXPECT_EQ(playername[3], "");
}

TEST_F(Profiles, SavingDuringPlayMarksTheRoundResumableAndOtherwiseLeavesItAlone) {
  putplayer(4, "Ivo", 10, 3);
  player = 4;
  roundpoints = 345;
  // Not in play: neither flag nor points change.
  screen = SCREEN_GAME;
  gamestat = GAME_DEAL;
  saveplayer(4);
  EXPECT_EQ(savedgame[4], 0);
  EXPECT_EQ(adloadpoints[4], 0);
  screen = SCREEN_MAP;
  gamestat = GAME_PLAY;
  saveplayer(4);
  EXPECT_EQ(savedgame[4], 0);
  // Another slot than the current player's is only written.
  screen = SCREEN_GAME;
  putplayer(5, "Una", 0, 0);
  EXPECT_EQ(savedgame[5], 0);
  // In play: the table is stored as resumable with the round's points.
  cardvalue[4][9] = 12;
  saveplayer(4);
  EXPECT_EQ(savedgame[4], 1);
  EXPECT_EQ(adloadpoints[4], 345);
  clearplayer(4);
  loadplayers(0);
  EXPECT_EQ(savedgame[4], 1);
  EXPECT_EQ(adloadpoints[4], 345);
  EXPECT_EQ(cardvalue[4][9], 12);
}

TEST_F(Profiles, ResettingProgressKeepsTheNameSeedSparesAndOnlyLatePlayersKeepCash) {
  setsample(6);
  maplevel[6] = 58;
  resetprogress(6);
  EXPECT_EQ(playername[6], samplename);
  EXPECT_EQ(playerseed[6], 45678);
  EXPECT_EQ(profspare1[6], -123456);
  EXPECT_EQ(profspare4[6], 99999);
  EXPECT_EQ(cash[6], 0);
  EXPECT_EQ(toplevel[6], 0);
  EXPECT_EQ(levelstars[6][3], 0);
  EXPECT_EQ(levelbest[6][3], 99);
  EXPECT_EQ(stock[6], 52);
  EXPECT_EQ(profspare6[6][2], 0);  // the spare lists are progress like any other
  setsample(6);
  maplevel[6] = 120;
  resetprogress(6);
  EXPECT_EQ(cash[6], 123456789);
}

TEST_F(Profiles, RankingIsByCashDescendingAndEqualCashKeepsSlotOrder) {
  for (int p = 1; p <= 15; p++) cash[p] = 0;
  cash[9] = 500;
  cash[2] = 100;
  cash[14] = 100;
  cash[15] = 900;
  rankplayers();
  EXPECT_EQ(playerrank[1], 15);
  EXPECT_EQ(playerrank[2], 9);
  EXPECT_EQ(playerrank[3], 2);
  EXPECT_EQ(playerrank[4], 14);
  EXPECT_EQ(playerrank[5], 1);
  EXPECT_EQ(playerrank[15], 13);
}

// ---- Damaged files ----

TEST_F(Profiles, DamagedFilesAreKeptAsideTheSlotIsFreeAndTheLogNamesTheFile) {
  setsample(1);
  saveplayer(1);
  std::string good = readbytes(profilefile(1));
  struct damage {
    const char* what;
    std::string bytes;
  };
  std::string newer = good;
  newer.insert(7024, std::string(72, '\x01'));  // one more card record than this game knows
  std::string badlength = good;
  badlength[7024] = '\x09';  // a name longer than the file holds
  std::string negative = good;
  negative.replace(7024, 4, std::string("\xff\xff\xff\xff", 4));
  const damage cases[] = {{"empty", ""},
                          {"short", good.substr(0, 7027)},
                          {"too long", good + "xyz"},
                          {"newer layout", newer},
                          {"name past the end", badlength},
                          {"negative name length", negative},
                          {"garbage", std::string(300, '\x7f')}};
  for (const damage& d : cases) {
    SCOPED_TRACE(d.what);
    writebytes(profilefile(1), d.bytes);
    int logs = logcount;
    playername[1] = "stale";
    loadplayers(0);
    EXPECT_EQ(playername[1], "");
    EXPECT_EQ(cash[1], 0);
    EXPECT_EQ(FileType(profilefile(1)), 0);  // nothing left for a save to overwrite unseen
    EXPECT_EQ(readbytes(profilefile(1) + ".damaged"), d.bytes);
    EXPECT_GT(logcount, logs);
    EXPECT_NE(loglasttext.find("players1.ppp"), std::string::npos) << loglasttext;
    DeleteFile(profilefile(1) + ".damaged");
  }
  // A second damaged copy does not replace the first one set aside.
  writebytes(profilefile(2), "one");
  loadplayers(0);
  writebytes(profilefile(2), "two");
  loadplayers(0);
  EXPECT_EQ(readbytes(profilefile(2) + ".damaged"), "one");
  EXPECT_EQ(readbytes(profilefile(2) + ".damaged2"), "two");
}

TEST_F(Profiles, AFolderWhereAProfileShouldBeIsMovedAsideAndTheSlotSavesAgain) {
  DeleteFile(profilefile(5));
  CreateDir(profilefile(5), 0);
  writebytes(profilefile(5) + "/inside", "kept");
  loadplayers(0);
  EXPECT_EQ(playername[5], "");
  EXPECT_EQ(readbytes(profilefile(5) + ".damaged/inside"), "kept");
  putplayer(5, "Fenna", 70, 2);
  loadplayers(0);
  EXPECT_EQ(playername[5], "Fenna");
}

TEST_F(Profiles, ACurrentPlayerWhoseFileIsDamagedOrFreeIsNoPlayer) {
  putplayer(3, "Rook", 10, 2);
  player = 3;
  savesettings(0);
  writebytes(profilefile(3), "broken");
  loadsettings();
  EXPECT_EQ(player, 3);
  loadplayers(0);
  EXPECT_EQ(player, -1);
}

TEST_F(Profiles, StoredValuesAreKeptToWhatTheGameCanIndex) {
  setsample(2);
  saveplayer(2);
  std::string bytes = readbytes(profilefile(2));
  auto put = [&](int offset, int v) { std::memcpy(&bytes[size_t(offset)], &v, 4); };
  put(8, 5000);                        // maplevel
  put(40, -70);                        // toplevel
  put(48, 9);                          // cardback
  put(68 + 72 * 4 + 4 * 9, 400);       // card 5's column
  put(68 + 72 * 4 + 4 * 3, 55);        // card 5's value: no such card
  put(68 + 72 * 6 + 4 * 4, INT32_MAX);  // card 7's x
  put(4132, 99);                       // columns in use
  put(4132 + 16, 2000);                // stable identity
  put(4168 + 8 * 2 + 4, -4);           // item in slot 3
  put(4248 + 8 * 299, 44);             // stars of level 300
  writebytes(profilefile(2), bytes);
  loadplayers(0);
  EXPECT_EQ(maplevel[2], 104);
  EXPECT_EQ(toplevel[2], 0);
  EXPECT_EQ(cardback[2], 4);
  EXPECT_EQ(cardcolumn[2][5], 20);
  EXPECT_EQ(cardvalue[2][5], 0);
  EXPECT_EQ(cardposx[2][7], 4096);
  EXPECT_EQ(columns[2], 20);
  EXPECT_EQ(stableid[2], 0);
  EXPECT_EQ(extraslots[2][3], 0);
  EXPECT_EQ(levelstars[2][300], 3);
  EXPECT_EQ(playername[2], samplename);  // the rest of the profile is the player's still
  EXPECT_EQ(cash[2], 123456789);
}

TEST_F(Profiles, NamesFromAFileHoldOnlyWhatTheFontsDrawAndAtMostFifteen) {
  playername[4] = std::string("Ab\x01\x7f" "c\x80" "defghijklmnopqrstuv");
  saveplayer(4);
  loadplayers(0);
  EXPECT_EQ(playername[4], "Abcdefghijklmno");
}

TEST_F(Profiles, TwoThousandDamagedCopiesLoadWithEveryValueInRange) {
  setsample(2);
  saveplayer(2);
  const std::string good = readbytes(profilefile(2));
  std::mt19937 rng(20260);
  auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
  const int extremes[] = {INT32_MIN, INT32_MAX, -1, 0, 1, 300, 301, 52, 53, 1 << 30, -(1 << 30), 7028, 255, 256};
  int setaside = 0, loaded = 0;
  for (int round = 0; round < 2000; round++) {
    std::string bytes = good;
    switch (round % 5) {
      case 0:  // bytes overwritten at random
        for (int n = pick(1, 40); n > 0; n--) bytes[size_t(pick(0, int(bytes.size()) - 1))] = char(pick(0, 255));
        break;
      case 1:  // whole values set to extremes
        for (int n = pick(1, 60); n > 0; n--) {
          int v = extremes[pick(0, 13)];
          std::memcpy(&bytes[size_t(4 * pick(0, 1756))], &v, 4);
        }
        break;
      case 2:  // cut short
        bytes.resize(size_t(pick(0, int(bytes.size()) - 1)));
        break;
      case 3: {  // a name length and that many bytes of anything
        int n = pick(0, 40);
        bytes.resize(7028);
        std::memcpy(&bytes[7024], &n, 4);
        for (int i = 0; i < n; i++) bytes += char(pick(0, 255));
        if (pick(0, 3) == 0) bytes += char(pick(0, 255));  // one too many
        break;
      }
      default:  // noise of a plausible size
        bytes.assign(size_t(7028 + pick(0, 20)), '\0');
        for (char& c : bytes) c = char(pick(0, 255));
        break;
    }
    writebytes(profilefile(2), bytes);
    loadplayers(0);
    if (FileType(profilefile(2)) == 0) {
      setaside++;
      ASSERT_EQ(playername[2], "") << "round " << round;
      ASSERT_EQ(readbytes(profilefile(2) + ".damaged"), bytes) << "round " << round;
      DeleteFile(profilefile(2) + ".damaged");
    } else {
      loaded++;
    }
    ASSERT_EQ(outofrange(2), "") << "round " << round;
    if (round % 100 == 0) {
      // What was read draws in the list and the hall of fame without harm.
      player = 2;
      switchpopup(POPUP_PLAYERS);
      popframes(1);
      switchpopup(POPUP_HALLOFFAME);
      popframes(1);
      resetpopups();
    }
  }
  EXPECT_GT(setaside, 300);
  EXPECT_GT(loaded, 300);
}

// ---- Saving never loses the old copy ----

TEST_F(Profiles, AKillDuringSavingLeavesTheOldOrTheNewProfileWhole) {
  // The two profiles the child saves in turn.
  setsample(1);
  saveplayer(1);
  const std::string first = readbytes(profilefile(1));
  playername[1] = "Second Zora";
  cash[1] = 42;
  for (int k = 1; k <= 52; k++) cardposx[1][k] = -k;
  saveplayer(1);
  const std::string second = readbytes(profilefile(1));
  ASSERT_NE(first, second);
  std::mt19937 rng(777);
  int midwrite = 0;
  for (int round = 0; round < 120; round++) {
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      close(ready[0]);
      char go = 1;
      for (long n = 0;; n++) {
        if (n % 2 == 0) {
          setsample(1);
        } else {
          playername[1] = "Second Zora";
          cash[1] = 42;
          for (int k = 1; k <= 52; k++) cardposx[1][k] = -k;
        }
        saveplayer(1);
        if (n == 0 && write(ready[1], &go, 1) != 1) _exit(2);
      }
    }
    close(ready[1]);
    char go = 0;
    ASSERT_EQ(read(ready[0], &go, 1), 1);
    close(ready[0]);
    usleep(useconds_t(std::uniform_int_distribution<int>(0, 6000)(rng)));
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the child ended by itself";
    if (FileType(profilefile(1) + ".new") == 1) midwrite++;
    std::string now = readbytes(profilefile(1));
    ASSERT_TRUE(now == first || now == second) << "kill " << round << ": " << now.size() << " bytes";
    loadplayers(0);
    ASSERT_TRUE(playername[1] == samplename || playername[1] == "Second Zora") << playername[1];
    ASSERT_EQ(cash[1], playername[1] == samplename ? 123456789 : 42);
    ASSERT_EQ(FileType(profilefile(1) + ".damaged"), 0);
  }
  std::printf("kills that found a save half written: %d of 120\n", midwrite);
}

TEST_F(Profiles, AReadOnlyFolderKeepsTheOldFileAndTheGameGoesOn) {
  putplayer(1, "Old", 500, 4);
  player = 1;
  savesettings(0);
  const std::string before = readbytes(profilefile(1));
  const std::string settingsbefore = readbytes(userpath + "settings.txt");
  {
    lockedfolder locked(userpath, {"players1.ppp", "players2.ppp", "settings.txt"});
    cash[1] = 900;
    saveplayer(1);
    EXPECT_EQ(readbytes(profilefile(1)), before);
    // A new player is named through the list; its save fails, the game carries on.
    openplayers();
    popframes(20);
    ASSERT_EQ(popupid, POPUP_PLAYERS);
    popclick(midx - 170, bigbuttony());
    ASSERT_EQ(popupid, POPUP_NAME);
    poptype("Nell");
    popkey(KEY_ENTER);
    popframes(20);
    EXPECT_EQ(popupid, 0);
    EXPECT_EQ(playername[2], "Nell");
    EXPECT_EQ(player, 2);
    EXPECT_EQ(readbytes(profilefile(2)).size(), 7028u);  // still the empty profile
    EXPECT_EQ(readbytes(userpath + "settings.txt"), settingsbefore);
    EXPECT_EQ(quit, 0);
  }
  // Once the folder can be written again, so are the saves.
  saveplayer(2);
  loadplayers(0);
  EXPECT_EQ(playername[2], "Nell");
  EXPECT_EQ(cash[1], 500);  // what was on disk
}

TEST_F(Profiles, AFullDiskKeepsTheOldFile) {
  putplayer(1, "Old", 500, 4);
  const std::string before = readbytes(profilefile(1));
  // The save's temporary file lands on a device that is always full.
  ASSERT_EQ(symlink("/dev/full", (profilefile(1) + ".new").c_str()), 0);
  cash[1] = 900;
  saveplayer(1);
  EXPECT_EQ(readbytes(profilefile(1)), before);
  saveplayer(1);  // the failed attempt left nothing in the way
  EXPECT_NE(readbytes(profilefile(1)), before);
}

// ---- Naming, choosing and deleting players through the popups ----

TEST_F(Profiles, TheFirstPlayerIsCreatedByTypingANameAndPressingEnter) {
  ASSERT_EQ(player, -1);
  openplayers();
  popframes(1);
  EXPECT_EQ(popupid, POPUP_NAME);
  EXPECT_EQ(player, 1);
  EXPECT_EQ(firstname, 1);
  poptype("Mira");
  EXPECT_EQ(playername[1], "Mira");
  EXPECT_EQ(namelen, 4);
  popkey(KEY_ENTER);
  EXPECT_EQ(popupdir, 2);
  EXPECT_EQ(firstname, 0);
  popframes(16);
  EXPECT_EQ(popuplevel, 0);
  popframes(1);
  EXPECT_EQ(popupid, 0);
  // On disk: the profile with its name, and the settings naming the current player.
  std::string file = readbytes(profilefile(1));
  EXPECT_EQ(file.size(), 7032u);
  EXPECT_EQ(file.substr(7028), "Mira");
  std::string settings = readbytes(userpath + "settings.txt");
  EXPECT_EQ(settings.substr(settings.find("280\r\n280\r\n") + 10, 3), "1\r\n");
  EXPECT_EQ(popupframestate, "");
}

TEST_F(Profiles, TheNameStopsAtFifteenCharactersOrTheFieldsWidth) {
  openplayers();
  popframes(2);
  poptype(std::string(20, 'i'));  // narrow letters: the count limits
  EXPECT_EQ(playername[1], std::string(15, 'i'));
  EXPECT_EQ(namelen, 15);
  for (int i = 0; i < 15; i++) popkey(KEY_BACKSPACE);
  EXPECT_EQ(playername[1], "");
  popkey(KEY_BACKSPACE);  // nothing left to remove
  EXPECT_EQ(namelen, 0);
  poptype(std::string(20, 'W'));  // wide letters: the width limits
  std::string name = playername[1];
  EXPECT_LT(int(name.size()), 15);
  EXPECT_GE(textwidth(name, 1), 132);
  EXPECT_LT(textwidth(name.substr(0, name.size() - 1), 1), 132);
  EXPECT_EQ(namelen, int(name.size()));
  // Exactly at the width nothing more fits; one pixel narrower one more character does.
  playername[1] = std::string(12, 'a');
  ASSERT_EQ(textwidth(playername[1], 1), 132);
  poptype("b");
  EXPECT_EQ(playername[1], std::string(12, 'a'));
  playername[1] = std::string(11, 'a') + "ii";
  ASSERT_EQ(textwidth(playername[1], 1), 131);
  poptype("b");
  EXPECT_EQ(playername[1], std::string(11, 'a') + "iib");
  // A name longer than fifteen (set from elsewhere) is cut before anything is added.
  playername[1] = std::string(17, 'i');
  poptype("j");
  EXPECT_EQ(playername[1], std::string(15, 'i'));
}

TEST_F(Profiles, OnlyCharactersTheFontsDrawCanBeTyped) {
  openplayers();
  popframes(2);
  for (int code : {1, 9, 27, 31, int('^'), int('`'), 127, 0x80, 0x9f, 0xa0, 0xad, 0xd7}) {
    testtypechar(code);
    popframes(1);
  }
  EXPECT_EQ(playername[1], "");
  poptype("J\xe4ger \xdf!");  // umlauts, sharp s and punctuation are drawn
  EXPECT_EQ(playername[1], "J\xe4ger \xdf!");
  for (char c : playername[1]) EXPECT_NE(fontframe[1][(unsigned char)c], 0);
}

TEST_F(Profiles, ANameOfNothingOrOnlyBlanksBecomesTheDefaultNameEvenWhenTaken) {
  putplayer(2, menutext(5, 5), 0, 0);
  player = 2;
  openpopup(POPUP_PLAYERS);
  popframes(16);
  popclick(midx - 170, bigbuttony());  // New
  ASSERT_EQ(popupid, POPUP_NAME);
  EXPECT_EQ(player, 1);
  poptype("    ");
  popkey(KEY_ENTER);
  EXPECT_EQ(popupid, POPUP_NAME);
  EXPECT_EQ(popupdir, 2);
  EXPECT_EQ(playername[1], menutext(5, 5));
  EXPECT_EQ(readbytes(profilefile(1)).substr(7028), menutext(5, 5));
}

TEST_F(Profiles, ATakenNameIsRefusedAndTheNewPlayerDiscarded) {
  putplayer(3, "Mira", 250, 5);
  player = 3;
  openpopup(POPUP_PLAYERS);
  popframes(16);
  popclick(midx - 170, bigbuttony());
  ASSERT_EQ(player, 1);
  poptype(" Mira ");  // compared trimmed, so it clashes
  popkey(KEY_ENTER);
  EXPECT_EQ(nameclash, 1);
  EXPECT_EQ(popupid, POPUP_DUPLICATE);
  popframes(16);
  popclick(midx, smallbuttonsy());
  EXPECT_EQ(playername[1], "");
  EXPECT_EQ(readbytes(profilefile(1)).size(), 7028u);
  EXPECT_EQ(player, 3);  // the lowest slot in use
  EXPECT_EQ(popupid, POPUP_PLAYERS);
  EXPECT_EQ(popuplevel, 16);
  // Names differing in case are different names.
  popclick(midx - 170, bigbuttony());
  poptype("mira");
  popkey(KEY_ENTER);
  EXPECT_EQ(nameclash, 0);
  EXPECT_EQ(playername[1], "mira");
}

TEST_F(Profiles, CancellingTheFirstNameLeavesNoPlayerAndFromTheListReturnsToIt) {
  openplayers();
  popframes(3);
  poptype("Al");
  popclick(leftbuttonx(), smallbuttonsy());
  EXPECT_EQ(player, -1);
  EXPECT_EQ(prevplayer, -1);
  EXPECT_EQ(playername[1], "");
  popframes(20);
  EXPECT_EQ(popupid, 0);
  // From the list, Escape gives the player back who was chosen before.
  putplayer(4, "Bea", 10, 2);
  player = 4;
  openpopup(POPUP_PLAYERS);
  popframes(16);
  popclick(midx - 170, bigbuttony());
  ASSERT_EQ(player, 1);
  poptype("Cy");
  testkeypress(KEY_ESCAPE);
  popframes(1);
  EXPECT_EQ(player, 4);
  EXPECT_EQ(playername[1], "");
  EXPECT_EQ(popupid, POPUP_PLAYERS);
  EXPECT_EQ(popuplevel, 16);
  popframes(5);
  EXPECT_EQ(popupdir, 1);  // the Escape still held does not close the list as well
  testkeyrelease(KEY_ESCAPE);
}

TEST_F(Profiles, TheListIsOrderedByCashAndAClickOnARowChoosesThatPlayer) {
  putplayer(1, "Ada", 100, 3);
  putplayer(3, "Cal", 100, 1);
  putplayer(5, "Eve", 500, 9);
  player = 1;
  openplayers();
  EXPECT_EQ(popupid, POPUP_PLAYERS);
  // While the list still fades in, a click on a row does nothing.
  popclick(midx, listrowy(3));
  EXPECT_EQ(player, 1);
  popframes(16);
  popclick(midx, listrowy(1));
  EXPECT_EQ(player, 5);
  popclick(midx, listrowy(3));
  EXPECT_EQ(player, 3);
  popclick(midx + 240, listrowy(2));  // beside the rows
  EXPECT_EQ(player, 3);
  popclick(midx, listrowy(4));  // below the last player
  EXPECT_EQ(player, 3);
  popclick(midx, bigbuttony());  // Close writes the choice
  std::string settings = readbytes(userpath + "settings.txt");
  EXPECT_EQ(settings.substr(settings.find("280\r\n280\r\n") + 10, 3), "3\r\n");
  EXPECT_EQ(popupdir, 2);
  EXPECT_EQ(popupframestate, "");
}

TEST_F(Profiles, TwelvePlayersFillTheListAndNewStaysInert) {
  for (int p = 1; p <= 11; p++) putplayer(p, "P" + std::to_string(p), p, 1);
  player = 1;
  openpopup(POPUP_PLAYERS);
  popframes(16);
  popclick(midx - 170, bigbuttony());
  EXPECT_EQ(popupid, POPUP_NAME);
  EXPECT_EQ(player, 12);
  poptype("Twelve");
  popkey(KEY_ENTER);
  popframes(20);
  openpopup(POPUP_PLAYERS);
  popframes(16);
  popclick(midx - 170, bigbuttony());
  EXPECT_EQ(popupid, POPUP_PLAYERS);
  EXPECT_EQ(player, 12);
  EXPECT_EQ(playername[13], "");
}

TEST_F(Profiles, APlayerIsDeletedThroughTheConfirmation) {
  putplayer(2, "Bo", 300, 6);
  putplayer(6, "Fay", 20, 2);
  player = 6;
  openpopup(POPUP_PLAYERS);
  popframes(16);
  popclick(midx + 170, bigbuttony());  // Delete
  EXPECT_EQ(popupid, POPUP_DELETE);
  EXPECT_EQ(popuplevel, 16);
  popclick(leftbuttonx(), smallbuttonsy());  // Keep
  EXPECT_EQ(popupid, POPUP_PLAYERS);
  EXPECT_EQ(playername[6], "Fay");
  popclick(midx + 170, bigbuttony());
  popclick(rightbuttonx(), smallbuttonsy());  // Delete
  EXPECT_EQ(playername[6], "");
  EXPECT_EQ(readbytes(profilefile(6)).size(), 7028u);
  EXPECT_EQ(player, 2);
  EXPECT_EQ(popupid, POPUP_PLAYERS);
  // The last player goes: nobody is chosen and the popup closes.
  popclick(midx + 170, bigbuttony());
  popclick(rightbuttonx(), smallbuttonsy());
  EXPECT_EQ(player, -1);
  EXPECT_EQ(popupdir, 2);
  loadplayers(0);
  EXPECT_EQ(firstusedslot(), -1);
  std::string settings = readbytes(userpath + "settings.txt");
  EXPECT_EQ(settings.substr(settings.find("280\r\n280\r\n") + 10, 4), "-1\r\n");
}

TEST_F(Profiles, ANewPlayerStartsCleanInASlotThatHeldLeftovers) {
  // A free slot whose file kept values from before (an edited or old folder).
  clearplayer(1);
  cash[1] = 9999;
  levelstars[1][1] = 3;
  saveplayer(1);
  loadplayers(0);
  ASSERT_EQ(playername[1], "");
  openplayers();
  poptype("Neu");
  popkey(KEY_ENTER);
  EXPECT_EQ(cash[1], 0);
  EXPECT_EQ(levelstars[1][1], 0);
  EXPECT_GE(playerseed[1], 0);
  EXPECT_LE(playerseed[1], 100000);
}

TEST_F(Profiles, PlayersOnFileButNoneChosenAreListedRatherThanOverwritten) {
  putplayer(1, "Kept", 800, 12);
  player = -1;  // the settings were lost
  openplayers();
  EXPECT_EQ(popupid, POPUP_PLAYERS);
  firstplayer();
  EXPECT_EQ(popupid, POPUP_PLAYERS);
  EXPECT_EQ(playername[1], "Kept");
}

TEST_F(Profiles, LosingTheFocusWhileNamingDoesNotWriteTheHalfTypedName) {
  openplayers();
  poptype("Hal");
  ASSERT_EQ(popupid, POPUP_NAME);
  screen = SCREEN_MENU;  // the menu saves the player when the focus goes
  testsuspend(true);
  readinput();
  EXPECT_EQ(pausesign, 1);
  EXPECT_EQ(readbytes(profilefile(1)).size(), 7028u);
}

}  // namespace
