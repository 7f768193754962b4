// The command line players expect, and where the data folder is found.
#pragma once
#include <string>

inline constexpr const char* gameversion = MORGAVELLE_VERSION;  // the build's version number

// ---- Set once from the command line, kept until quit ----
inline std::string commandlinedata;  // the folder given with --data, made absolute; "" when none

// Reads the options. Returns -1 to start the game, or the status to exit with at once:
// 0 after --help or --version, 2 after an option it does not know (the usage goes to stderr).
// --window and --fullscreen set screenoverride (shell/settings.h) for this run only.
int readcommandline(int argc, const char* const* argv);
std::string usagetext();
// The data folder for a program in programdir: "data" beside it (a build folder), else the
// installed "../share/morgavelle/data"; "" when neither is there.
std::string installeddata(const std::string& programdir);
// Points the runtime at the data folder (--data, else installeddata) and says which in the
// trace; false, with a message, when --data names no data folder.
bool finddatafolder();
void resetcommandline();  // no options given (tests)
