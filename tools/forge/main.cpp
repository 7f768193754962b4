// forge <content folder> <build folder> [family ...]: writes <build folder>/data and the window
// icon. Naming families (texts, fonts, pictures, levels, audio) runs only those, which is
// handy while drawing: "forge content build pictures" skips the slow audio.
#include "tools/forge/forge.h"
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

// Runs one family and says how long it took, so slow content shows in the build log.
static void timed(const char* name, void (*family)()) {
  auto t0 = std::chrono::steady_clock::now();
  family();
  double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
  std::printf("forge: %-8s %5.1f s\n", name, s);
}

static void audiofamily() { timed("audio", forgeaudio); }

static std::vector<std::string> chosen;  // families named on the command line, empty = all
static bool wanted(const char* family) {
  if (chosen.empty()) return true;
  for (const std::string& c : chosen)
    if (c == family) return true;
  return false;
}

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: forge <content folder> <build folder>\n");
    return 2;
  }
  forgecontent = argv[1];
  forgedata = std::string(argv[2]) + "/data";
  for (int i = 3; i < argc; i++) chosen.push_back(argv[i]);
  forgemkdirs("");
  // Audio is the slowest family; it runs beside the others on the second core.
  std::thread audio;
  if (wanted("audio")) audio = std::thread(audiofamily);
  if (wanted("texts")) timed("texts", forgetexts);
  if (wanted("fonts")) timed("fonts", forgefonts);
  if (wanted("pictures")) timed("pictures", forgepictures);
  if (wanted("levels")) timed("levels", forgelevels);
  if (audio.joinable()) audio.join();
  if (forgefailures > 0) {
    std::fprintf(stderr, "forge: %d failures\n", forgefailures);
    return 1;
  }
  return 0;
}
