// The per-user folder and settings.txt: ten numbers, one per line, CR LF.
#pragma once
#include <string>

// ---- Kept until quit ----
inline std::string userpath;  // the per-user folder, ending in "/"
inline int firstrun = 0;      // 1 when the folder was created at this start

// ---- Saved in settings.txt, in file order ----
inline int fullscreen = 1;    // 1 full screen, 0 window
inline int displaymode = 1;   // 1..6, row of the display mode table
inline int musicvol = 280;    // 0..280 in steps of 10; below 10 the music is off
inline int soundvol = 280;    // 0..280 in steps of 10; below 10 the effects are off
// (line 5 is the current player slot, `player`, declared with the screens' state)
inline int settingspare = 0;  // stored and restored, nothing else
inline int cursormode = 1;    // 1 the game's pointer picture, 2 the system pointer, 3 a dot
inline int levelhelpon = 1;   // 1 = the game screen runs the level help
inline int bouncefx = 1;      // 1 coins bounce at the edges; -1 they do not, and awards click
inline int cardhints = 1;     // 1 = the table draws its highlight glow

// ---- The window as the player left it, saved beside settings.txt in window.txt ----
inline int windowsizew = 0, windowsizeh = 0;  // client size, 0 = none chosen: the window's own default
inline int windowmaximized = 0;               // 1 = the window opens maximised

// ---- --window or --fullscreen: this run only, never written to settings.txt ----
inline int screenoverride = -1;   // -1 none; 0 a window, 1 full screen (set by the command line)
inline int screenoverridden = 0;  // 1 while fullscreen holds the override rather than the file's choice
inline int savedfullscreen = 1;   // the file's own choice, written back while the override holds

// ---- Saving trouble, kept until quit (set at start-up and by every save) ----
inline int savefailed = 0;     // 1 once the user folder refused a file: read-only, full, or not a folder
inline int savefailshown = 0;  // 1 once the main menu told the player this run

// ---- Applied music level (ramps towards musicvol) ----
inline int musicfade = 280;

constexpr int settingscount = 10;
constexpr int windowsizelimit = 16384;  // no screen is wider or taller: a larger saved size is damage

std::string getspecialfolder();  // the user's data folder with a trailing "/", "" when unknown
void makepath();
void savesettings(int reset);  // reset 1 first restores the defaults; writes window.txt too
void loadsettings();           // reads window.txt too
void savewindowsize();
void loadwindowsize();
void defaultsettings();
void savetrouble(const std::string& what);  // a save failed: the trace line, and the notice is due
