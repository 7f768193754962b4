// libFuzzer's entry points over the loader harnesses. The loader comes from MORGAVELLE_FUZZ
// (profile, settings, texts, splash, level, png, jpeg, ogg, wav). With MORGAVELLE_FUZZ_SEEDS
// set to a folder, the run only writes the loader's seed files there, taken from the data
// folder in MORGAVELLE_FUZZ_DATA, and ends.
#include "tools/fuzz/loaders.h"
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

static std::string fuzzloader;  // the loader this process feeds

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  const char* name = std::getenv("MORGAVELLE_FUZZ");
  fuzzloader = name ? name : "";
  const char* seeds = std::getenv("MORGAVELLE_FUZZ_SEEDS");
  if (seeds && *seeds) {
    const char* data = std::getenv("MORGAVELLE_FUZZ_DATA");
    int n = 0;
    for (const std::vector<uint8_t>& seed : fuzzseeds(fuzzloader, data ? data : "data")) {
      std::ofstream out(std::string(seeds) + "/seed" + std::to_string(++n), std::ios::binary);
      out.write(reinterpret_cast<const char*>(seed.data()), std::streamsize(seed.size()));
    }
    std::printf("%d seeds for %s\n", n, fuzzloader.c_str());
    std::exit(n > 0 ? 0 : 1);
  }
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (!fuzzone(fuzzloader, data, size)) {
    std::fprintf(stderr, "MORGAVELLE_FUZZ names no loader: '%s'\n", fuzzloader.c_str());
    std::exit(2);
  }
  return 0;
}
