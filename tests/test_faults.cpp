// Faults from outside the game: a kill in the middle of saving, a user folder that is
// read-only, full or a file, and data files that are missing or damaged. The game runs on,
// says once what it cannot do, and never loses what the player already had on disk.
//
// Ideas for tests:
// - the disk filling up between the temporary file and the rename (a rename needs no space)
// - a user folder that turns read-only in the middle of a run, told on the next menu visit
// - a damaged font picture: the texts of that font are left out, the buttons still answer
// - a music track that is damaged while it is streaming
#include "tests/menukit.h"
#include "presentation/sound.h"
#include "progression/startlevel.h"
#include "shell/dispatch.h"
#include "shell/popups.h"
#include "shell/profiles.h"
#include "shell/startup.h"
#include "solitaire/game.h"
#include "solitaire/levels.h"
#include "solitaire/state.h"
#include <gtest/gtest.h>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <iostream>
#include <linux/fs.h>
#include <map>
#include <random>
#include <sstream>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// Every file of a folder by name, with its bytes.
std::map<std::string, std::string> folderbytes(const std::string& folder) {
  std::map<std::string, std::string> all;
  for (const fs::directory_entry& e : fs::directory_iterator(folder))
    if (e.is_regular_file()) all[e.path().filename().string()] = readbytes(e.path().string());
  return all;
}

// A folder nothing can be written into, not even by root: immutable where the file system
// allows it, else without write permission.
struct readonlyfolder {
  std::string path;
  explicit readonlyfolder(const std::string& p) : path(p) {
    chmod(path.c_str(), 0555);
    setimmutable(true);
  }
  ~readonlyfolder() { release(); }
  void release() {
    setimmutable(false);
    chmod(path.c_str(), 0755);
  }
  void setimmutable(bool on) {
    int fd = open(path.c_str(), O_RDONLY | O_DIRECTORY);
    int flags = 0;
    if (fd >= 0 && ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0) {
      flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
      ioctl(fd, FS_IOC_SETFLAGS, &flags);
    }
    if (fd >= 0) close(fd);
  }
  bool holds() {
    std::string probe = path + "probe";
    int fd = open(probe.c_str(), O_WRONLY | O_CREAT, 0644);
    if (fd < 0) return true;
    close(fd);
    unlink(probe.c_str());
    return false;
  }
};

// A file-size limit for this process while the object lives: writes beyond it fail as on a
// full disk. Trace lines written to a file past the limit are lost; the stream carries on.
struct filesizelimit {
  struct rlimit old;
  explicit filesizelimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &old);
    struct rlimit tight = old;
    tight.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &tight);
  }
  ~filesizelimit() {
    setrlimit(RLIMIT_FSIZE, &old);
    std::cout.clear();
  }
};

// The trace lines the game prints while the object lives.
struct tracecapture {
  std::stringstream lines;
  std::streambuf* old;
  tracecapture() : old(std::cout.rdbuf(lines.rdbuf())) {}
  ~tracecapture() { std::cout.rdbuf(old); }
  bool has(const std::string& text) const { return lines.str().find(text) != std::string::npos; }
  int count(const std::string& text) const {
    int n = 0;
    const std::string all = lines.str();
    for (size_t at = all.find(text); at != std::string::npos; at = all.find(text, at + 1)) n++;
    return n;
  }
};

class Faults : public ::testing::Test {
 protected:
  fs::path oldcwd;
  std::string home;

  void SetUp() override {
    oldcwd = fs::current_path();
    headlessstart();
    home = getenv("XDG_DATA_HOME");
  }
  void TearDown() override {
    fs::current_path(oldcwd);
    SetDataFolder("");
    testresetinput();
  }

  // The game started again over the same user folder, as a player starts it the next day.
  void restart() {
    testclock(true, 0);
    testresetinput();
    testresetdisplay();
    resetshellstate();
    setenv("XDG_DATA_HOME", home.c_str(), 1);
    ASSERT_TRUE(gamestartup());
  }

  // A player with something to lose in slot p, on disk.
  void putplayer(int p, const std::string& name, int money, int reached) {
    clearplayer(p);
    playername[p] = name;
    cash[p] = money;
    maplevel[p] = toplevel[p] = reached;
    for (int l = 1; l < reached; l++) levelstars[p][l] = 1 + l % 3;
    saveplayer(p);
  }

  // From the first splash page to the main menu, with a click now and then as a player
  // impatient to play would give.
  void reachmenu() {
    for (int f = 0; f < 3000 && screen != SCREEN_MENU; f++) {
      if (f % 40 == 39) clickat(512, 384);
      else runframes(1);
    }
    ASSERT_EQ(screen, SCREEN_MENU);
  }

  // How many frames of the next n show the cannot-save notice.
  int noticeframes(int n) {
    int shown = 0;
    for (int f = 0; f < n; f++) {
      runframes(1);
      if (popupid == POPUP_NOSAVE) shown++;
    }
    return shown;
  }

  // Answers the notice as a player does: a click on its button.
  void answernotice() {
    for (int f = 0; f < 40 && popuplevel < 16; f++) runframes(1);
    ASSERT_EQ(popupid, POPUP_NOSAVE);
    presskey(KEY_ESCAPE);
    for (int f = 0; f < 40 && popuplevel > 0; f++) runframes(1);
    ASSERT_EQ(popuplevel, 0);
  }

  // Everything that saves: a setting, the players, and the menu entered again.
  void tryeverysave() {
    musicvol = 90;
    savesettings(0);
    for (int p = 1; p <= 15; p++) {
      cash[p] += 1000;
      saveplayer(p);
    }
    instmenu();
  }
};

// ---- A user folder that takes no files ----

TEST_F(Faults, AReadOnlyUserFolderIsToldOnceAndEveryFileStaysAsItWas) {
  putplayer(1, "Ada", 4321, 9);
  putplayer(15, "Zed", 7, 2);
  player = 15;
  musicvol = 150;
  savesettings(0);
  ASSERT_EQ(savefailed, 0);
  const std::map<std::string, std::string> before = folderbytes(userpath);
  {
    readonlyfolder locked(userpath);
    if (!locked.holds()) GTEST_SKIP() << "this file system lets root write into any folder";
    restart();
    EXPECT_EQ(savefailed, 1) << "found at start, before anything is lost";
    EXPECT_EQ(player, 15);
    EXPECT_EQ(cash[1], 4321);
    reachmenu();
    answernotice();
    EXPECT_EQ(noticeframes(120), 0);
    tryeverysave();
    EXPECT_EQ(noticeframes(120), 0) << "the notice comes once a run";
    EXPECT_EQ(quit, 0);
    EXPECT_EQ(folderbytes(userpath), before);
  }
  // Writable again, the next start saves as always and tells nothing.
  restart();
  EXPECT_EQ(savefailed, 0);
  EXPECT_EQ(cash[1], 4321);
  EXPECT_EQ(playername[15], "Zed");
  cash[1] = 5;
  saveplayer(1);
  loadplayers(0);
  EXPECT_EQ(cash[1], 5);
}

TEST_F(Faults, AFullDiskKeepsEveryOldFileAndIsToldOnce) {
  putplayer(3, "Bea", 999, 12);
  player = 3;
  savesettings(0);
  const std::map<std::string, std::string> before = folderbytes(userpath);
  {
    // A limit of a few bytes: every file the game writes runs into it, as into a full disk.
    filesizelimit full(8);
    restart();
    EXPECT_EQ(savefailed, 1) << "found at start";
    reachmenu();
    answernotice();
    tryeverysave();
    EXPECT_EQ(noticeframes(120), 0) << "once a run";
    EXPECT_EQ(quit, 0);
    EXPECT_EQ(folderbytes(userpath), before);
  }
  {
    // Room for the settings but not for a profile: the save that fails is the one told.
    filesizelimit tight(1000);
    restart();
    EXPECT_EQ(savefailed, 0) << "a small file still fits";
    cash[3] = 1;
    saveplayer(3);
    EXPECT_EQ(savefailed, 1);
    EXPECT_EQ(readbytes(profilefile(3)), before.at("players3.ppp"));
  }
  loadplayers(0);
  EXPECT_EQ(cash[3], 999);
}

TEST_F(Faults, AFileWhereTheUserFolderShouldBeIsLeftAloneAndTheGamePlays) {
  fs::remove_all(userpath);
  std::string folder = userpath.substr(0, userpath.size() - 1);
  writebytes(folder, "a player's own notes, not ours");
  restart();
  EXPECT_EQ(savefailed, 1);
  EXPECT_EQ(player, -1);
  reachmenu();
  answernotice();
  // A new player is named and plays on, though nothing of it can be kept.
  runframes(60);
  clickat(midx, 390);  // play
  runframes(20);
  EXPECT_EQ(popupid, POPUP_NAME);
  typetext("Pia");
  presskey(KEY_ENTER);
  runframes(30);
  tryeverysave();
  EXPECT_EQ(noticeframes(100), 0);
  EXPECT_EQ(quit, 0);
  EXPECT_EQ(readbytes(folder), "a player's own notes, not ours");
  EXPECT_EQ(FileType(folder), 1);
}

// ---- A kill in the middle of saving ----

TEST_F(Faults, TwoHundredKillsWhileSavingNeverLeaveAFileHalfWritten) {
  // Two versions of the settings and of three profiles; a child saves them in turn, endlessly,
  // and is killed at a random moment.
  const int slots[3] = {1, 8, 15};
  std::string settingsv[2], profilev[3][2];
  for (int v = 0; v < 2; v++) {
    musicvol = v == 0 ? 40 : 250;
    cardhints = v;
    savesettings(0);
    settingsv[v] = readbytes(userpath + "settings.txt");
    for (int i = 0; i < 3; i++) {
      putplayer(slots[i], v == 0 ? "Old" + std::to_string(i) : "New name " + std::to_string(i), 100 * v + i, 5 + v * 40);
      profilev[i][v] = readbytes(profilefile(slots[i]));
    }
  }
  ASSERT_NE(settingsv[0], settingsv[1]);
  std::mt19937 rng(2026);
  int killed = 0, midwrite = 0;
  for (int round = 0; round < 200; round++) {
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      close(ready[0]);
      for (long n = 0;; n++) {
        const int v = int(n % 2);
        musicvol = v == 0 ? 40 : 250;
        cardhints = v;
        savesettings(0);
        for (int i = 0; i < 3; i++)
          putplayer(slots[i], v == 0 ? "Old" + std::to_string(i) : "New name " + std::to_string(i), 100 * v + i, 5 + v * 40);
        char go = 1;
        if (n == 0 && write(ready[1], &go, 1) != 1) _exit(2);
      }
    }
    close(ready[1]);
    char go = 0;
    ASSERT_EQ(read(ready[0], &go, 1), 1);
    close(ready[0]);
    usleep(useconds_t(std::uniform_int_distribution<int>(0, 9000)(rng)));
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the child ended by itself";
    killed++;
    for (const fs::directory_entry& e : fs::directory_iterator(userpath))
      if (e.path().extension() == ".new") midwrite++;
    const std::string s = readbytes(userpath + "settings.txt");
    ASSERT_TRUE(s == settingsv[0] || s == settingsv[1]) << "kill " << round << ": settings of " << s.size() << " bytes";
    for (int i = 0; i < 3; i++) {
      const std::string b = readbytes(profilefile(slots[i]));
      ASSERT_TRUE(b == profilev[i][0] || b == profilev[i][1]) << "kill " << round << ": slot " << slots[i] << ", " << b.size() << " bytes";
    }
  }
  // What the last kill left loads whole, and a save after it clears the temporary files' way.
  restart();
  for (int i = 0; i < 3; i++) {
    EXPECT_TRUE(cash[slots[i]] == i || cash[slots[i]] == 100 + i) << cash[slots[i]];
    EXPECT_EQ(FileType(profilefile(slots[i]) + ".damaged"), 0);
  }
  EXPECT_EQ(savefailed, 0);
  std::printf("kills while saving: %d, of them caught mid-write: %d, files lost or half written: 0\n", killed, midwrite);
}

// ---- Missing and damaged data files ----

// A copy of the data folder made of links, with some files replaced or taken away.
class DamagedData : public Faults {
 protected:
  std::string folder;
  void SetUp() override {
    Faults::SetUp();
    folder = tempfolder();
    const fs::path data = oldcwd / "data";
    for (const fs::directory_entry& e : fs::directory_iterator(data)) {
      fs::path to = fs::path(folder) / "data" / e.path().filename();
      if (e.is_directory()) {
        fs::create_directories(to);
        for (const fs::directory_entry& f : fs::directory_iterator(e.path()))
          fs::create_symlink(f.path(), to / f.path().filename());
      } else {
        fs::create_symlink(e.path(), to);
      }
    }
    fs::current_path(folder);
  }
  void replace(const std::string& name, const std::string& bytes) {
    fs::remove(folder + "data/" + name);
    writebytes(folder + "data/" + name, bytes);
  }
  std::string realbytes(const std::string& name) { return readbytes((oldcwd / "data" / name).string()); }
  // Share of the frame's pixels that are not black.
  double litshare() {
    int lit = 0, all = 0;
    for (int y = 0; y < 768; y += 8)
      for (int x = 0; x < 1024; x += 8, all++) lit += pixel(x, y) != 0;
    return double(lit) / all;
  }
};

TEST_F(DamagedData, EachBrokenFileIsNamedOnceAndTheGamePlaysOnWithoutIt) {
  fillframes = true;  // the test looks at the picture
  replace("ui/logo.png", realbytes("ui/logo.png").substr(0, 300));  // cut short
  replace("ui/button1.png", "\x89PNG\r\n\x1a\n but nothing after the signature");
  replace("sound/card-column.ogg", std::string(5000, 'Z'));
  replace("levelz/004.lvl", "LVL");
  fs::remove(folder + "data/texts/gametexts.txt");
  tracecapture trace;
  restart();
  reachmenu();
  runframes(100);
  EXPECT_GT(litshare(), 0.5) << "the menu is drawn without the broken pictures";
  EXPECT_EQ(trace.count("logo.png"), 1) << trace.lines.str();
  EXPECT_EQ(trace.count("button1.png"), 1);
  EXPECT_TRUE(trace.has("sound missing or damaged, left out: data\\sound\\card-column.ogg")) << trace.lines.str();
  EXPECT_TRUE(trace.has("gametexts.txt"));
  // The broken level ends as a failed round with its name in the trace, and the game goes on.
  putplayer(1, "Lu", 0, 5);
  player = 1;
  selectedlevel = 4;
  fadeto(SCREEN_GAME, 0, 0);
  ASSERT_TRUE(rununtilscreen(SCREEN_GAME, 30));
  for (int f = 0; f < 400 && gamestat != GAME_END; f++) runframes(1);
  EXPECT_EQ(gamestat, GAME_END) << "the round ends as a fail";
  EXPECT_TRUE(trace.has("level file gives no cards, the game ends as a fail: data\\levelz/004.lvl") ||
              trace.has("level file gives no cards, the game ends as a fail: data\\levelz\\004.lvl"))
      << trace.lines.str();
  EXPECT_EQ(quit, 0);
  runframes(50);
  EXPECT_GT(litshare(), 0.3);
}

TEST_F(DamagedData, EveryMenuPictureCutShortStillGivesAGameThatAsksBeforeClosing) {
  // All the user-interface pictures at once, a third of each file kept.
  for (const fs::directory_entry& e : fs::directory_iterator(oldcwd / "data" / "ui")) {
    const std::string name = "ui/" + e.path().filename().string();
    const std::string bytes = realbytes(name);
    replace(name, bytes.substr(0, bytes.size() / 3));
  }
  tracecapture trace;
  restart();
  reachmenu();
  runframes(60);
  EXPECT_TRUE(trace.has("picture missing or damaged, left out: data\\UI\\cursor.png") ||
              trace.has("picture missing or damaged, left out: data\\ui\\cursor.png"))
      << trace.lines.str().substr(0, 2000);
  EXPECT_EQ(trace.count("cursor.png"), 1) << "named once, though drawn every frame";
  // Buttons without a picture cannot be pointed at, but closing the window still asks first.
  testclose();
  runframes(20);
  EXPECT_EQ(popupid, POPUP_QUIT);
  EXPECT_EQ(quit, 0);
}

// ---- Pictures whose header promises more than any picture of the game ----

// Data memory of this process now, from /proc (under AddressSanitizer mostly its shadow).
long datakilobytes() {
  std::string status = readbytes("/proc/self/status");
  size_t at = status.find("VmData:");
  return at == std::string::npos ? -1 : std::atol(status.c_str() + at + 7);
}

TEST(PictureLimits, AHeaderPromisingAGigabyteIsRefusedBeforeAnythingIsAllocated) {
  headlessgraphics();
  const char* source = std::getenv("MORGAVELLE_SOURCE");
  const std::string regress = std::string(source ? source : "..") + "/tests/regress/";
  for (const std::string name : {"png/header-promises-16384-square.png", "jpeg/progressive-header-promises-16000-square.jpg"}) {
    const long now = datakilobytes();
    ASSERT_GT(now, 0);
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      // A quarter of a gigabyte more than now: the game's pictures fit many times over.
      struct rlimit cap;
      cap.rlim_cur = cap.rlim_max = rlim_t(now + 256 * 1024) * 1024;
      setrlimit(RLIMIT_DATA, &cap);
      if (!LoadImage("data\\ui\\logo.png", -1)) _exit(4);  // the game's own pictures load under the cap
      Image img = LoadImage(regress + name, -1);
      _exit(img ? 3 : 0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << name << ": status " << status;
  }
}

}  // namespace
