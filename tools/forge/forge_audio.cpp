// Sound effects, story sounds and music, all synthesized here (see forge_audio_kit.h).
// Every file is its own job; two workers share them, the longest first, so the audio keeps
// pace with the pictures on a two-core machine.
#include "tools/forge/forge.h"
#include "tools/forge/forge_audio_kit.h"
#include <algorithm>
#include <atomic>
#include <thread>

void forgeaudio() {
  std::vector<sfx::Job> jobs = sfx::musicjobs();
  for (auto* family : {sfx::soundjobs, sfx::storyjobs})
    for (sfx::Job& j : family()) jobs.push_back(std::move(j));
  std::stable_sort(jobs.begin(), jobs.end(), [](const sfx::Job& a, const sfx::Job& b) { return a.cost > b.cost; });
  std::atomic<size_t> next{0};
  auto worker = [&] {
    for (size_t i; (i = next++) < jobs.size();) jobs[i].run();
  };
  std::thread second(worker);
  worker();
  second.join();
}
