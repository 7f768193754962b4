// The game's loaders, each fed one file's bytes through the runtime's own loading calls.
// Used by the fuzzers (tools/fuzz), the mutation loop that stands in for them, and the
// regression test that replays every input a fuzzer ever broke the game with.
#pragma once
#include <cstddef>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

// The loaders by name, in the order the fuzz run and the README list them.
inline const std::vector<std::string> fuzzloadernames = {"profile", "settings", "texts", "splash", "level",
                                                         "png",     "jpeg",     "ogg",   "wav"};

// Once per process: headless drawing, the silent audio driver, and a scratch folder of its
// own (under TMPDIR) standing in for the user folder and the data folder.
void fuzzsetup();
// Runs loader `name` on the bytes as that file's content. Returns false for an unknown name.
// A fault the game would suffer (a crash, an out-of-range read, a value that comes back
// different after a save) ends the process, as the fuzzer wants it to.
bool fuzzone(const std::string& name, const uint8_t* data, size_t size);
// Seed files for a loader, taken from a data folder (real pictures, sounds, texts, levels)
// or written by the game itself (a profile, the settings).
std::vector<std::vector<uint8_t>> fuzzseeds(const std::string& name, const std::string& datafolder);
// One random change to an input: bit flips, byte runs, cuts, copies, splices with another
// seed, and the numbers decoders stumble over (0, -1, sizes near powers of two).
std::vector<uint8_t> fuzzmutate(const std::vector<uint8_t>& in, const std::vector<std::vector<uint8_t>>& pool,
                                std::mt19937& rng);
