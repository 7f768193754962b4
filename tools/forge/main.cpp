// forge <content folder> <build folder>: writes <build folder>/data.
#include "tools/forge/forge.h"
#include <cstdio>
#include <thread>

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: forge <content folder> <build folder>\n");
    return 2;
  }
  forgecontent = argv[1];
  forgedata = std::string(argv[2]) + "/data";
  forgemkdirs("");
  // Audio is the slowest family; it runs beside the pictures on the second core.
  std::thread audio(forgeaudio);
  forgetexts();
  forgefonts();
  forgepictures();
  forgelevels();
  audio.join();
  if (forgefailures > 0) {
    std::fprintf(stderr, "forge: %d failures\n", forgefailures);
    return 1;
  }
  return 0;
}
