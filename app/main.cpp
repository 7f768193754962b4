// Morgavelle: start-up and the frame loop.
#include "runtime/stream.h"
#include "shell/startup.h"

int main() {
  // The data folder lies beside the program, wherever it is started from.
  ChangeDir(AppDir());
  return gamemain();
}
