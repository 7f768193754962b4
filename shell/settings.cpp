#include "shell/settings.h"
#include "shell/gfx.h"
#include "shell/state.h"
#include <cstdlib>

std::string getspecialfolder() {
  const char* xdg = std::getenv("XDG_DATA_HOME");
  if (xdg && xdg[0] == '/') return std::string(xdg) + "/";
  const char* home = std::getenv("HOME");
  if (home && home[0] == '/') return std::string(home) + "/.local/share/";
  return "";
}

void savetrouble(const std::string& what) {
  Print(what);
  savefailed = 1;
}

// A folder that takes no files (read-only, full, or a file standing in its place) is found at
// start, so the player hears of it before the first result is lost rather than after.
static bool userfoldertakesfiles() {
  if (FileType(userpath) != 2) return false;
  const std::string probe = userpath + "writecheck.tmp";
  Stream f = WriteFile(probe);
  if (!f) return false;
  WriteLine(f, "Morgavelle");
  bool ok = CloseFile(f);
  DeleteFile(probe);
  return ok;
}

void makepath() {
  lastfunc = "makepath()";
  firstrun = 0;
  savefailed = savefailshown = 0;
  // Without a data folder the names stand relative to the program's folder.
  userpath = getspecialfolder() + "tamberlinex/" + "Morgavelle" + "-v-0-1-0/";
  if (FileType(userpath) == 0) {
    if (!CreateDir(userpath, 1)) Print("Userpath cannot be created: " + userpath);
    firstrun = 1;
  }
  logmsg("Userpath", userpath);
  Print("Userpath: " + userpath);
  if (!userfoldertakesfiles()) savetrouble("Userpath takes no files, nothing can be saved: " + userpath);
}

void defaultsettings() {
  fullscreen = 1;
  displaymode = 1;
  musicvol = 280;
  soundvol = 280;
  player = -1;
  settingspare = 0;
  cursormode = 1;
  levelhelpon = 1;
  bouncefx = 1;
  cardhints = 1;
  windowsizew = windowsizeh = 0;
  windowmaximized = 0;
}

// The command line's window or full screen replaces the file's choice for this run.
static void applyscreenoverride() {
  if (screenoverride < 0) return;
  savedfullscreen = fullscreen;
  fullscreen = screenoverride;
  screenoverridden = 1;
}

void savesettings(int reset) {
  lastfunc = "savesettings()";
  if (reset == 1) defaultsettings();
  Stream f = WriteFile(userpath + "settings.txt");
  if (!f) {
    savetrouble("settings.txt cannot be written in " + userpath);
    return;
  }
  // While the command line's choice holds, the file keeps the player's own; once the player
  // switches in the options, the new choice is theirs and is saved from then on.
  int keptfullscreen = fullscreen;
  if (screenoverridden == 1) {
    if (fullscreen == screenoverride) keptfullscreen = savedfullscreen;
    else screenoverridden = 0;
  }
  const int values[settingscount] = {keptfullscreen, displaymode, musicvol, soundvol, player,
                                     settingspare, cursormode, levelhelpon, bouncefx, cardhints};
  for (int v : values) WriteLine(f, str(v));
  // The old file stays whole when the new one cannot be written completely.
  if (!CloseFile(f)) savetrouble("settings.txt could not be saved, the previous copy is kept");
  savewindowsize();
}

// window.txt: the window's width, height and 1 when maximised, one per line, CR LF. It lives
// apart from settings.txt so that file keeps its ten lines.
void savewindowsize() {
  Stream f = WriteFile(userpath + "window.txt");
  if (!f) {
    Print("window.txt cannot be written in " + userpath);
    return;
  }
  WriteLine(f, str(windowsizew));
  WriteLine(f, str(windowsizeh));
  WriteLine(f, str(windowmaximized));
  if (!CloseFile(f)) Print("window.txt could not be saved, the previous copy is kept");
}

void loadwindowsize() {
  windowsizew = windowsizeh = windowmaximized = 0;
  Stream f = ReadFile(userpath + "window.txt");
  if (!f) return;  // never resized: the window opens at its own size
  int values[3];
  for (int& v : values) v = Eof(f) ? 0 : toint(ReadLine(f));
  CloseFile(f);
  // The size is checked against the desktop when the window opens; here only a value no
  // window can have is dropped, the pair together.
  if (values[0] > 0 && values[1] > 0 && values[0] <= windowsizelimit && values[1] <= windowsizelimit) {
    windowsizew = values[0];
    windowsizeh = values[1];
  }
  windowmaximized = values[2] == 1 ? 1 : 0;
}

void loadsettings() {
  lastfunc = "loadsettings()";
  Stream f = ReadFile(userpath + "settings.txt");
  if (!f) {
    // The folder exists but the file is gone: play on with the defaults.
    Print("settings.txt missing, using the defaults");
    defaultsettings();
    musicfade = musicvol;
    applyscreenoverride();
    loadwindowsize();
    return;
  }
  int values[settingscount];
  for (int& v : values) v = Eof(f) ? 0 : toint(ReadLine(f));  // a short file gives 0 for the rest
  CloseFile(f);
  fullscreen = values[0];
  displaymode = values[1];
  musicvol = values[2];
  soundvol = values[3];
  // A slot outside 1..15 from an edited file would index past the player tables: no player.
  player = values[4] >= 1 && values[4] <= 15 ? values[4] : -1;
  settingspare = values[5];
  cursormode = values[6];
  levelhelpon = values[7];
  bouncefx = values[8];
  cardhints = values[9];
  musicfade = musicvol;
  applyscreenoverride();
  loadwindowsize();
}
