// Morgavelle: start-up and the frame loop.
#include "runtime/stream.h"
#include "shell/commandline.h"
#include "shell/startup.h"
#include "text/language.h"

int main(int argc, char** argv) {
  int status = readcommandline(argc, argv);  // --help, --version and mistakes end here
  if (status >= 0) return status;
  // The data folder lies beside the program or in ../share/morgavelle, wherever it is started from.
  if (!finddatafolder()) return 2;
  ChangeDir(AppDir());
  chooselanguage();
  return gamemain();
}
