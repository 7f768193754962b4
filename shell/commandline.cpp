#include "shell/commandline.h"
#include "runtime/stream.h"
#include "shell/settings.h"
#include <cstdio>
#include <cstring>
#include <filesystem>

std::string usagetext() {
  return "Usage: morgavelle [OPTION]...\n"
         "Morgavelle, a solitaire adventure with a comic horror story.\n"
         "\n"
         "  --window      play in a window this time\n"
         "  --fullscreen  play full screen this time\n"
         "  --data DIR    read the game's pictures, sounds and texts from DIR\n"
         "  --help        show this help and quit\n"
         "  --version     show the version and quit\n"
         "\n"
         "--window and --fullscreen last for this run only: the choice made in the\n"
         "options stays yours. The texts are German when the locale says so (LANGUAGE,\n"
         "LC_ALL, LC_MESSAGES, LANG, for example LANG=de_DE.UTF-8), English otherwise.\n";
}

// A mistake on the command line: what went wrong, then the usage, on stderr.
static int usagemistake(const std::string& what) {
  std::fprintf(stderr, "morgavelle: %s\n%s", what.c_str(), usagetext().c_str());
  return 2;
}

int readcommandline(int argc, const char* const* argv) {
  for (int i = 1; i < argc; i++) {
    std::string arg = argv[i] ? argv[i] : "";
    if (arg == "--help") {
      std::fputs(usagetext().c_str(), stdout);
      return 0;
    }
    if (arg == "--version") {
      std::printf("Morgavelle %s\n", gameversion);
      return 0;
    }
    if (arg == "--window") {
      screenoverride = 0;
    } else if (arg == "--fullscreen") {
      screenoverride = 1;
    } else if (arg == "--data" || arg.compare(0, 7, "--data=") == 0) {
      std::string dir;
      if (arg == "--data") {
        if (i + 1 >= argc || !argv[i + 1] || !argv[i + 1][0]) return usagemistake("--data needs a folder");
        dir = argv[++i];
      } else {
        dir = arg.substr(7);
        if (dir.empty()) return usagemistake("--data needs a folder");
      }
      std::error_code ec;
      std::filesystem::path whole = std::filesystem::absolute(dir, ec);
      commandlinedata = ec ? dir : whole.lexically_normal().string();
    } else {
      return usagemistake("unknown option '" + arg + "'");
    }
  }
  return -1;
}

// A data folder holds the text tables; that is enough to tell it from its parent.
static bool isdatafolder(const std::string& dir) { return FileType(dir + "/texts") == 2; }

std::string installeddata(const std::string& programdir) {
  std::string here = programdir.empty() || programdir.back() == '/' ? programdir : programdir + "/";
  for (const char* place : {"data", "../share/morgavelle/data"}) {
    std::string dir = here + place;
    if (FileType(dir) == 2) {
      std::error_code ec;
      std::filesystem::path clean = std::filesystem::weakly_canonical(dir, ec);
      return ec ? dir : clean.string();
    }
  }
  return "";
}

bool finddatafolder() {
  std::string dir;
  if (!commandlinedata.empty()) {
    dir = commandlinedata;
    // The folder that holds "data" is taken as well, as players often name the game's folder.
    if (!isdatafolder(dir) && isdatafolder(dir + "/data")) dir += "/data";
    if (!isdatafolder(dir)) {
      std::fprintf(stderr, "morgavelle: no game data in %s (it holds no texts folder)\n", commandlinedata.c_str());
      return false;
    }
  } else {
    dir = installeddata(AppDir());
    if (dir.empty()) {
      // Pictures and texts stay missing; the game still opens and says so in the trace.
      Print("No data folder beside the program or in ../share/morgavelle");
      return true;
    }
  }
  SetDataFolder(dir);
  Print("Data: " + DataFolder());
  return true;
}

void resetcommandline() {
  commandlinedata.clear();
  screenoverride = -1;
  screenoverridden = 0;
}
