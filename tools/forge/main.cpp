// forge <content folder> <build folder>: writes <build folder>/data and the window icon.
#include "tools/forge/forge.h"
#include <chrono>
#include <cstdio>
#include <thread>

// Runs one family and says how long it took, so slow content shows in the build log.
static void timed(const char* name, void (*family)()) {
  auto t0 = std::chrono::steady_clock::now();
  family();
  double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
  std::printf("forge: %-8s %5.1f s\n", name, s);
}

static void audiofamily() { timed("audio", forgeaudio); }

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: forge <content folder> <build folder>\n");
    return 2;
  }
  forgecontent = argv[1];
  forgedata = std::string(argv[2]) + "/data";
  forgemkdirs("");
  // Audio is the slowest family; it runs beside the others on the second core.
  std::thread audio(audiofamily);
  timed("texts", forgetexts);
  timed("fonts", forgefonts);
  timed("pictures", forgepictures);
  timed("levels", forgelevels);
  audio.join();
  if (forgefailures > 0) {
    std::fprintf(stderr, "forge: %d failures\n", forgefailures);
    return 1;
  }
  return 0;
}
