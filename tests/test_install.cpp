// At home on a desktop: the command line, where the data folder is found, the window or full
// screen chosen for one run only, and an install into a scratch folder that the installed
// program starts from, that the desktop's own checkers accept and that uninstalls cleanly.
//
// Ideas for tests:
// - the installed program started through a symbolic link in another folder
// - an install whose data folder is read-only for the player (it is for every system install)
// - `make install` with PREFIX and DESTDIR both set, through the Makefile itself
#include "tests/harness.h"
#include "runtime/stream.h"
#include "shell/commandline.h"
#include "shell/display.h"
#include "shell/settings.h"
#include "shell/state.h"
#include <gtest/gtest.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>
#include <vector>

extern char** environ;

namespace fs = std::filesystem;

namespace {

const std::string appid = "com.tamberlinex.morgavelle";

// Starts a program with the environment changed ("NAME=value" sets, "NAME" unsets), in
// folder cwd, its output going to two files. Returns its process id, -1 when it cannot start.
pid_t startprogram(const std::vector<std::string>& args, const std::vector<std::string>& envchanges, const std::string& cwd,
                   const std::string& out, const std::string& err) {
  std::vector<std::string> env;
  for (char** e = environ; *e; e++) {
    std::string kv = *e, name = kv.substr(0, kv.find('='));
    bool changed = false;
    for (const std::string& c : envchanges) changed |= c.substr(0, c.find('=')) == name;
    if (!changed) env.push_back(kv);
  }
  for (const std::string& c : envchanges)
    if (c.find('=') != std::string::npos) env.push_back(c);
  std::vector<char*> argv, envp;
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  for (const std::string& e : env) envp.push_back(const_cast<char*>(e.c_str()));
  envp.push_back(nullptr);
  pid_t pid = fork();
  if (pid != 0) return pid;
  int o = open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), r = open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (o < 0 || r < 0 || chdir(cwd.c_str()) != 0) _exit(127);
  dup2(o, 1);
  dup2(r, 2);
  execve(argv[0], argv.data(), envp.data());
  _exit(127);
}

int waitprogram(pid_t pid) {
  int status = 0;
  if (pid < 0 || waitpid(pid, &status, 0) != pid) return -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Runs a program to its end; its status, and what it wrote.
struct ran {
  int status;
  std::string out, err;
};
ran runprogram(const std::vector<std::string>& args, const std::vector<std::string>& env = {}, const std::string& cwd = ".") {
  std::string dir = tempfolder();
  int status = waitprogram(startprogram(args, env, cwd, dir + "out", dir + "err"));
  return {status, readbytes(dir + "out"), readbytes(dir + "err")};
}

// The build's own program; the tests run in the build folder.
std::string buildprogram() { return fs::absolute("morgavelle").string(); }

// ---- The command line -----------------------------------------------------------------

class CommandLine : public ::testing::Test {
 protected:
  void SetUp() override { resetcommandline(); }
  void TearDown() override {
    resetcommandline();
    SetDataFolder("");
  }
  int read(std::vector<const char*> args) {
    args.insert(args.begin(), "morgavelle");
    return readcommandline(int(args.size()), args.data());
  }
};

TEST_F(CommandLine, OptionsAreReadAndMistakesRefused) {
  EXPECT_EQ(read({}), -1);
  EXPECT_EQ(screenoverride, -1);
  EXPECT_EQ(read({"--window"}), -1);
  EXPECT_EQ(screenoverride, 0);
  EXPECT_EQ(read({"--fullscreen"}), -1);
  EXPECT_EQ(screenoverride, 1);
  EXPECT_EQ(read({"--fullscreen", "--window"}), -1);  // the last one counts
  EXPECT_EQ(screenoverride, 0);
  EXPECT_EQ(read({"--data", "/srv/games/morgavelle/data/"}), -1);
  EXPECT_EQ(commandlinedata, "/srv/games/morgavelle/data/");
  EXPECT_EQ(read({"--data=/opt/x/../y"}), -1);
  EXPECT_EQ(commandlinedata, "/opt/y");
  EXPECT_EQ(read({"--data", "rel"}), -1);  // relative to where the player is, not the program
  EXPECT_EQ(commandlinedata, (fs::current_path() / "rel").string());
  resetcommandline();
  // Anything else is a mistake; the option list is exactly these five.
  for (std::vector<const char*> wrong : std::vector<std::vector<const char*>>{
           {"--data"}, {"--data="}, {"--data", ""}, {"--bogus"}, {"-w"}, {"window"}, {"--Window"}, {"--window=1"}, {"--"}, {"-"}}) {
    EXPECT_EQ(read(wrong), 2) << wrong[0];
  }
  EXPECT_EQ(read({"--window", "--nonsense"}), 2);
}

TEST_F(CommandLine, HelpVersionAndMistakesFromTheShell) {
  ASSERT_EQ(FileType(buildprogram()), 1) << buildprogram();
  ran help = runprogram({buildprogram(), "--help"});
  EXPECT_EQ(help.status, 0);
  for (const char* option : {"--help", "--version", "--window", "--fullscreen", "--data DIR", "LANG"})
    EXPECT_NE(help.out.find(option), std::string::npos) << option << " missing from:\n" << help.out;
  EXPECT_EQ(help.err, "");
  ran version = runprogram({buildprogram(), "--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, "Morgavelle " + std::string(gameversion) + "\n");
  // A mistake: the usage on stderr, nothing on stdout, status 2, and no window opened.
  ran wrong = runprogram({buildprogram(), "--colour", "--help"});
  EXPECT_EQ(wrong.status, 2);
  EXPECT_EQ(wrong.out, "");
  EXPECT_NE(wrong.err.find("unknown option '--colour'"), std::string::npos) << wrong.err;
  EXPECT_NE(wrong.err.find("Usage: morgavelle"), std::string::npos) << wrong.err;
  ran nodata = runprogram({buildprogram(), "--data", tempfolder()});
  EXPECT_EQ(nodata.status, 2);
  EXPECT_NE(nodata.err.find("no game data"), std::string::npos) << nodata.err;
}

// ---- Where the data folder is -----------------------------------------------------------

TEST_F(CommandLine, DataBesideTheProgramOrInstalled) {
  std::string root = tempfolder();
  fs::create_directories(root + "build/data/texts");
  fs::create_directories(root + "usr/bin");
  fs::create_directories(root + "usr/share/morgavelle/data/texts");
  fs::create_directories(root + "empty");
  EXPECT_EQ(installeddata(root + "build/"), root + "build/data");
  EXPECT_EQ(installeddata(root + "usr/bin/"), root + "usr/share/morgavelle/data");  // no ".." left in it
  EXPECT_EQ(installeddata(root + "usr/bin"), root + "usr/share/morgavelle/data");
  EXPECT_EQ(installeddata(root + "empty/"), "");
  // A build folder inside an installed tree uses its own data first.
  fs::create_directories(root + "usr/bin/data");
  EXPECT_EQ(installeddata(root + "usr/bin/"), root + "usr/bin/data");
}

TEST_F(CommandLine, DataOptionTakesTheFolderOrTheOneHoldingIt) {
  std::string root = tempfolder();
  fs::create_directories(root + "game/data/texts");
  writebytes(root + "game/data/texts/menutexts.txt", "---001---\nlabel        Stay\n");
  commandlinedata = root + "game";
  ASSERT_TRUE(finddatafolder());
  EXPECT_EQ(DataFolder(), root + "game/data");
  commandlinedata = root + "game/data/";
  ASSERT_TRUE(finddatafolder());
  EXPECT_EQ(DataFolder(), root + "game/data");
  // Paths the game names with "data" now land there, whatever the working folder.
  fs::path here = fs::current_path();
  fs::current_path(root);
  Stream s = ReadFile("DATA\\Texts/MENUTEXTS.txt");
  fs::current_path(here);
  ASSERT_TRUE(s);
  EXPECT_EQ(ReadLine(s), "---001---");
  EXPECT_EQ(FileType("data"), 2);
  EXPECT_EQ(FileType("database/texts"), 0);  // only a whole first part "data" moves
  // A folder without the game's texts is refused and changes nothing.
  commandlinedata = root;
  EXPECT_FALSE(finddatafolder());
  EXPECT_EQ(DataFolder(), root + "game/data");
  SetDataFolder("");
  EXPECT_EQ(FileType("data/texts/menutexts.txt"), FileType(here.string() + "/data/texts/menutexts.txt"));
}

// ---- --window and --fullscreen last one run ----------------------------------------------

class ScreenOverride : public ::testing::Test {
 protected:
  void SetUp() override {
    resetcommandline();
    freshuserhome();
    makepath();
  }
  void TearDown() override { resetcommandline(); }
  // Line 1 of settings.txt: what the next start without options will use.
  std::string savedscreen() {
    Stream f = ReadFile(userpath + "settings.txt");
    return f ? ReadLine(f) : "none";
  }
  void writesettings(int full) {
    writebytes(userpath + "settings.txt", std::to_string(full) + "\r\n3\r\n200\r\n150\r\n2\r\n0\r\n1\r\n1\r\n1\r\n1\r\n");
  }
};

TEST_F(ScreenOverride, WindowForOneRunKeepsTheSavedFullScreen) {
  writesettings(1);
  screenoverride = 0;
  loadsettings();
  EXPECT_EQ(fullscreen, 0);
  EXPECT_EQ(displaymode, 3);
  // Other settings change and are saved; the file keeps full screen.
  musicvol = 100;
  savesettings(0);
  EXPECT_EQ(savedscreen(), "1");
  loadsettings();  // a second load in the same run (the override still holds)
  EXPECT_EQ(fullscreen, 0);
  savesettings(0);
  EXPECT_EQ(savedscreen(), "1");
  screenoverride = -1;
  loadsettings();  // the next run without options
  EXPECT_EQ(fullscreen, 1);
  EXPECT_EQ(musicvol, 100);
}

TEST_F(ScreenOverride, FullScreenForOneRunKeepsTheSavedWindow) {
  writesettings(0);
  screenoverride = 1;
  loadsettings();
  EXPECT_EQ(fullscreen, 1);
  savesettings(0);
  EXPECT_EQ(savedscreen(), "0");
  // No settings file at all: the defaults, with the override on top, and still not saved.
  fs::remove(userpath + "settings.txt");
  screenoverride = 0;
  loadsettings();
  EXPECT_EQ(fullscreen, 0);
  savesettings(0);
  EXPECT_EQ(savedscreen(), "1");
}

TEST_F(ScreenOverride, SwitchingInTheOptionsMakesTheChoiceThePlayers) {
  writesettings(1);
  checkvideo();
  headlessgraphics();
  screenoverride = 0;
  loadsettings();
  ASSERT_EQ(fullscreen, 0);
  // The player picks full screen in the options, then the window again: both are saved.
  togglescreensize(displaymode, 1);
  EXPECT_EQ(fullscreen, 1);
  EXPECT_EQ(savedscreen(), "1");
  togglescreensize(displaymode, 0);
  EXPECT_EQ(fullscreen, 0);
  EXPECT_EQ(savedscreen(), "0");
}

TEST_F(ScreenOverride, AFirstStartWithAnOptionSavesTheDefaults) {
  screenoverride = 0;
  headlessstart();  // a new user folder: the settings are written with their defaults first
  EXPECT_EQ(firstrun, 1);
  EXPECT_EQ(fullscreen, 0);
  EXPECT_EQ(savedscreen(), "1");
}

// ---- Installed ----------------------------------------------------------------------------

// The width and height a PNG file's header gives; 0, 0 when it is no PNG.
std::pair<int, int> pngsize(const std::string& path) {
  std::string b = readbytes(path);
  if (b.size() < 24 || b.compare(1, 3, "PNG") != 0) return {0, 0};
  auto be = [&](int at) {
    return int((unsigned char)b[at]) << 24 | int((unsigned char)b[at + 1]) << 16 | int((unsigned char)b[at + 2]) << 8 |
           int((unsigned char)b[at + 3]);
  };
  return {be(16), be(20)};
}

bool onpath(const std::string& tool) { return std::system(("command -v " + tool + " >/dev/null 2>&1").c_str()) == 0; }

// Waits until a file holds a line, or the time is up.
bool waitforline(const std::string& path, const std::string& line, int seconds) {
  auto end = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
  while (std::chrono::steady_clock::now() < end) {
    if (readbytes(path).find(line + "\n") != std::string::npos) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
  }
  return false;
}

std::vector<std::string> filesunder(const std::string& root) {
  std::vector<std::string> out;
  std::error_code ec;
  for (auto& e : fs::recursive_directory_iterator(root, ec))
    if (!e.is_directory()) out.push_back(fs::relative(e.path(), root).string());
  std::sort(out.begin(), out.end());
  return out;
}

// One test, so the install and its screenshots are made once: the install, the desktop's
// checkers, the installed program started headless from another folder in German, and the
// uninstall that leaves other programs' files alone.
TEST(Install, InstallsStartsFromAnywhereAndUninstalls) {
  ASSERT_EQ(FileType("CMakeCache.txt"), 1) << "the test runs in the build folder";
  std::string destdir = tempfolder();
  std::string log = tempfolder() + "install.log";
  std::string command = "DESTDIR='" + destdir + "' cmake --install . --prefix /usr > '" + log + "' 2>&1";
  ASSERT_EQ(std::system(command.c_str()), 0) << readbytes(log);
  std::string usr = destdir + "usr/";

  // Everything in its place.
  EXPECT_EQ(access((usr + "bin/morgavelle").c_str(), X_OK), 0);
  for (const char* f : {"texts/menutexts.txt", "texts/de/menutexts.txt", "texts/de/storytexts.txt", "texts/de/gametexts.txt",
                        "ui/logo.png", "levelz/001.lvl"})
    EXPECT_EQ(FileType(usr + "share/morgavelle/data/" + f), 1) << f;
  EXPECT_EQ(FileType(usr + "share/morgavelle/data/.forged"), 0);  // build stamps stay behind
  EXPECT_EQ(FileType(usr + "share/morgavelle/data/manifest.txt"), 0);
  std::string desktop = usr + "share/applications/" + appid + ".desktop";
  std::string metainfo = usr + "share/metainfo/" + appid + ".metainfo.xml";
  EXPECT_EQ(FileType(desktop), 1);
  EXPECT_EQ(FileType(metainfo), 1);
  EXPECT_EQ(FileType(usr + "share/man/man6/morgavelle.6"), 1);
  for (int size : {16, 32, 48, 64, 128, 256}) {
    std::string icon = usr + "share/icons/hicolor/" + std::to_string(size) + "x" + std::to_string(size) + "/apps/" + appid + ".png";
    EXPECT_EQ(pngsize(icon), std::make_pair(size, size)) << icon;
  }
  // The launcher names the installed program and icon.
  std::string entry = readbytes(desktop);
  EXPECT_NE(entry.find("\nExec=morgavelle\n"), std::string::npos) << entry;
  EXPECT_NE(entry.find("\nIcon=" + appid + "\n"), std::string::npos) << entry;
  // Every screenshot the metainfo names is shipped, at the size it states.
  std::string meta = readbytes(metainfo);
  int shots = 0;
  const std::string tag = "<image type=\"source\" width=\"";
  for (size_t at = meta.find(tag); at != std::string::npos; at = meta.find(tag, at + 1)) {
    size_t end = meta.find("</image>", at);
    ASSERT_NE(end, std::string::npos);
    std::string image = meta.substr(at + tag.size(), end - at - tag.size());  // 1024" height="768">https://.../x.png
    int w = std::atoi(image.c_str()), h = std::atoi(image.c_str() + image.find("height=\"") + 8);
    std::string shot = usr + "share/morgavelle/screenshots/" + image.substr(image.rfind('/') + 1);
    EXPECT_EQ(pngsize(shot), std::make_pair(w, h)) << shot;
    shots++;
  }
  EXPECT_GE(shots, 3);
  EXPECT_NE(meta.find("<release version=\"" + std::string(gameversion) + "\""), std::string::npos);

  // The desktop's own checkers accept the launcher and the metainfo.
  ASSERT_TRUE(onpath("desktop-file-validate") && onpath("appstreamcli")) << "scripts/install-deps installs desktop-file-utils and appstream";
  ran dfv = runprogram({"/bin/sh", "-c", "desktop-file-validate '" + desktop + "'"});
  EXPECT_EQ(dfv.status, 0) << dfv.out << dfv.err;
  EXPECT_EQ(dfv.out + dfv.err, "");
  ran asv = runprogram({"/bin/sh", "-c", "appstreamcli validate --no-net '" + metainfo + "'"});
  EXPECT_EQ(asv.status, 0) << asv.out << asv.err;

  // Started from another folder, as a launcher or a terminal would, headless and in German.
  std::string elsewhere = tempfolder(), home = tempfolder(), out = elsewhere + "out.txt";
  pid_t pid = startprogram({usr + "bin/morgavelle", "--window"},
                           {"SDL_VIDEODRIVER=dummy", "SDL_AUDIODRIVER=dummy", "XDG_DATA_HOME=" + home, "LANG=de_DE.UTF-8",
                            "LANGUAGE", "LC_ALL", "LC_MESSAGES"},
                           elsewhere, out, elsewhere + "err.txt");
  ASSERT_GT(pid, 0);
  bool started = waitforline(out, "Start-up done", 240);
  kill(pid, SIGKILL);
  waitprogram(pid);
  std::string trace = readbytes(out);
  EXPECT_TRUE(started) << trace << readbytes(elsewhere + "err.txt");
  EXPECT_NE(trace.find("Data: " + usr + "share/morgavelle/data\n"), std::string::npos) << trace;
  EXPECT_NE(trace.find("Language: de\n"), std::string::npos) << trace;
  EXPECT_EQ(trace.find("texts missing"), std::string::npos) << trace;
  EXPECT_EQ(trace.find("texts: no "), std::string::npos) << trace;  // no English fallback either
  // Its settings went to the player's folder, keeping the saved full screen despite --window.
  Stream settings = ReadFile(home + "tamberlinex/Morgavelle-v-0-1-0/settings.txt");
  ASSERT_TRUE(settings);
  EXPECT_EQ(ReadLine(settings), "1");
  ran version = runprogram({usr + "bin/morgavelle", "--version"}, {}, elsewhere);
  EXPECT_EQ(version.out, "Morgavelle " + std::string(gameversion) + "\n");

  // The uninstall removes what the manifest lists and nothing of anybody else's.
  writebytes(usr + "share/applications/someone.else.desktop", "[Desktop Entry]\n");
  ASSERT_EQ(FileType("install_manifest.txt"), 1);
  std::string source = std::getenv("MORGAVELLE_SOURCE") ? std::getenv("MORGAVELLE_SOURCE") : "..";
  ran un = runprogram({"/bin/sh", source + "/scripts/uninstall", "install_manifest.txt"}, {"DESTDIR=" + destdir});
  EXPECT_EQ(un.status, 0) << un.out << un.err;
  EXPECT_EQ(filesunder(destdir), std::vector<std::string>{"usr/share/applications/someone.else.desktop"});
  EXPECT_EQ(FileType(usr + "share/morgavelle"), 0);  // the game's own folders go as well
  EXPECT_EQ(FileType(usr + "share/icons/hicolor"), 2);  // the theme's folders stay
  ran again = runprogram({"/bin/sh", source + "/scripts/uninstall", "install_manifest.txt"}, {"DESTDIR=" + destdir});
  EXPECT_EQ(again.status, 0) << again.err;  // twice is harmless
}

}  // namespace
