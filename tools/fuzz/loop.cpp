// The loader harnesses driven by a plain mutation loop, for machines without libFuzzer:
//   fuzzloop LOADER SECONDS DATAFOLDER OUTFOLDER [SEED]
// Mutates the loader's seed files for the given time. An input that breaks the game is
// written to OUTFOLDER/crash-LOADER before the process dies, so it can be kept and replayed.
#include "tools/fuzz/loaders.h"
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <unistd.h>

// Present only in a sanitised build; without it the signal handlers below keep the input.
extern "C" __attribute__((weak)) void __sanitizer_set_death_callback(void (*callback)(void));

static std::vector<uint8_t> current;  // the input being run, written out if it kills us
static std::string crashfile;

static void keepinput() {
  int fd = open(crashfile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (fd < 0) return;
  size_t done = 0;
  while (done < current.size()) {
    ssize_t n = write(fd, current.data() + done, current.size() - done);
    if (n <= 0) break;
    done += size_t(n);
  }
  close(fd);
}

static void ondeath(int sig) {
  keepinput();
  const char line[] = "fuzzloop: the input that broke the loader is kept\n";
  if (write(2, line, sizeof line - 1) < 0) {}
  signal(sig, SIG_DFL);
  raise(sig);
}

int main(int argc, char** argv) {
  if (argc < 5) {
    std::fprintf(stderr, "usage: fuzzloop LOADER SECONDS DATAFOLDER OUTFOLDER [SEED]\n");
    return 2;
  }
  const std::string loader = argv[1];
  const double seconds = std::atof(argv[2]);
  crashfile = std::string(argv[4]) + "/crash-" + loader;
  std::mt19937 rng(argc > 5 ? unsigned(std::strtoul(argv[5], nullptr, 10)) : 1u);
  const std::vector<std::vector<uint8_t>> seeds = fuzzseeds(loader, argv[3]);
  if (seeds.empty()) {
    std::fprintf(stderr, "fuzzloop: no seeds for '%s'\n", loader.c_str());
    return 2;
  }
  if (__sanitizer_set_death_callback) __sanitizer_set_death_callback(keepinput);
  for (int sig : {SIGABRT, SIGSEGV, SIGBUS, SIGFPE, SIGILL}) signal(sig, ondeath);
  std::vector<std::vector<uint8_t>> pool = seeds;
  const auto start = std::chrono::steady_clock::now();
  long runs = 0;
  for (const std::vector<uint8_t>& seed : seeds) {
    current = seed;
    fuzzone(loader, current.data(), current.size());
    runs++;
  }
  while (std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() < seconds) {
    current = fuzzmutate(pool[rng() % pool.size()], pool, rng);
    fuzzone(loader, current.data(), current.size());
    runs++;
    // A few of the changed inputs join the pool, so changes build on one another.
    if (rng() % 16 == 0 && current.size() < (1u << 20)) {
      if (pool.size() < 256) pool.push_back(current);
      else pool[rng() % pool.size()] = current;
    }
  }
  std::printf("fuzzloop %s: %ld runs in %.0f s, no fault\n", loader.c_str(), runs, seconds);
  return 0;
}
