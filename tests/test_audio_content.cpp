// The forged sounds and music: every file the game loads is there, decodes at 44.1 kHz,
// is audible, does not clip, starts and ends quietly, and the loops join without a click.
#include "tests/soundanalysis.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

using hear::Pcm;
using hear::decode;

uint32_t le32(const unsigned char* b) { return b[0] | b[1] << 8 | b[2] << 16 | uint32_t(b[3]) << 24; }
uint16_t le16(const unsigned char* b) { return uint16_t(b[0] | b[1] << 8); }

double rms(const std::vector<float>& x) {
  double s = 0;
  for (float v : x) s += double(v) * v;
  return x.empty() ? 0 : std::sqrt(s / x.size());
}

// Longest run of samples pinned at full scale.
int cliprun(const std::vector<float>& x) {
  int run = 0, best = 0;
  for (float v : x) {
    run = std::fabs(v) >= 0.999f ? run + 1 : 0;
    best = std::max(best, run);
  }
  return best;
}

// The step across the loop point compared with the mean step in the 0.1 s on either side of it.
bool seamless(const std::vector<float>& x, double* jump, double* typical) {
  size_t n = x.size(), w = std::min<size_t>(4410, n / 2);
  double sum = 0;
  for (size_t i = n - w + 1; i < n; i++) sum += std::fabs(x[i] - x[i - 1]);
  for (size_t i = 1; i < w; i++) sum += std::fabs(x[i] - x[i - 1]);
  *typical = sum / (2 * w - 2);
  *jump = std::fabs(x[0] - x[n - 1]);
  return *jump <= *typical * 4 + 1e-4;
}

// RMS of a stretch of samples.
double rmsof(const std::vector<float>& x, size_t from, size_t count) {
  double s = 0;
  for (size_t i = from; i < from + count && i < x.size(); i++) s += double(x[i]) * x[i];
  return std::sqrt(s / std::max<size_t>(count, 1));
}

const char* const effects[] = {
    "doublesuns.ogg", "cash2-1.ogg", "turnup.ogg", "turndown.ogg", "cash2-2.ogg", "ninja1.ogg",
    "ninja2.ogg", "failure.ogg", "gamebutt1.ogg", "click.ogg", "joker.ogg", "cash.ogg",
    "killedzombie.ogg", "bowling1.ogg", "bowling2.ogg", "bowling3.ogg", "shotgun1.ogg", "shotgun2.ogg",
    "pig1.ogg", "bloodsplat.ogg", "logoappear.ogg", "lose.ogg", "card-stable.ogg", "card-column.ogg",
    "card-columnspecial.ogg", "card-takeout.ogg", "levelselection.ogg", "extracardselection.ogg",
    "bird1.ogg", "bird2.ogg", "bird3.ogg", "pig2.ogg", "randomextra1.ogg", "BFGSlap.ogg",
    "loading.ogg", "pigcannon.ogg", "newitem.ogg", "winpoints.ogg", "suddenstrike.ogg",
    "clearedcolumn.ogg", "glitter.ogg", "turnallup.ogg", "longdrive.ogg", "select.ogg",
    "maxbonus.ogg", "winstar1.ogg", "winstar2.ogg", "winstar3.ogg", "earnplant.ogg",
    "winstrike.ogg", "paper.ogg", "paper2.ogg", "paperback.ogg", "finish.ogg"};

const char* const story[] = {
    "introstory_mmh.ogg", "introstory_eat.ogg", "introstory_growl1.ogg", "introstory_growl2.ogg",
    "introstory_breath.ogg", "introstory_drama.ogg", "storyrain.ogg", "storygully.ogg", "crane1.ogg",
    "lockopen.ogg", "key.ogg", "boxopen.ogg", "electric.ogg", "metaldoor.ogg", "crane2.ogg",
    "crane3.ogg", "containerhit.ogg", "crane4.ogg", "rumble1.ogg", "rumble2.ogg", "rumble3.ogg",
    "rumble4.ogg", "pillow1.ogg", "pillow2.ogg", "clock.ogg", "carpet.ogg", "rumble5.ogg",
    "rumble6.ogg", "mower2.ogg", "crow.ogg", "plank.ogg", "iron.ogg", "crow2.ogg", "metallhit.ogg",
    "chainsaw1.ogg", "chainsaw2.ogg", "treefall.ogg", "chainsaw32.ogg", "chainsaw4.ogg", "trunk.ogg",
    "planeup.ogg", "nail.ogg", "boxslide.ogg", "boxslide2.ogg", "skull.ogg", "finish.ogg",
    "metaldoor2.ogg", "glass.ogg", "glass2.ogg", "stone.ogg", "ladder.ogg", "lever.ogg",
    "plugin.ogg", "gen1.ogg", "gen2.ogg", "boat1.ogg", "splash.ogg", "beep.ogg", "chain.ogg"};

const char* const storyloops[] = {"storyrain.ogg", "crane4.ogg", "chainsaw32.ogg", "gen2.ogg", "chain.ogg"};

const char* const music[] = {"menu.ogg",    "shop.ogg",    "story.ogg",   "ocean.ogg",
                             "storyparty.ogg", "zombiecrowd.ogg", "ingame1.ogg", "ingame2.ogg",
                             "ingame3.ogg", "ingame4.ogg", "ingame5.ogg", "win.wav", "fail.wav"};
const char* const musicloops[] = {"menu.ogg", "shop.ogg", "story.ogg", "ocean.ogg",
                                  "storyparty.ogg", "zombiecrowd.ogg", "fail.wav"};

bool isin(const char* name, const char* const* list, size_t n) {
  for (size_t i = 0; i < n; i++)
    if (std::strcmp(name, list[i]) == 0) return true;
  return false;
}

// Common checks for one file; `loops` adds the seam check, otherwise the ends must be quiet.
void checkfile(const std::string& path, bool loops, double minseconds, Pcm* out = nullptr) {
  SCOPED_TRACE(path);
  Pcm p = decode(path);
  ASSERT_TRUE(p.ok) << "missing or undecodable";
  EXPECT_EQ(p.rate, 44100);
  EXPECT_GE(p.seconds(), minseconds);
  for (auto& c : p.ch) {
    EXPECT_GT(rms(c), 0.01) << "silent";
    EXPECT_LT(cliprun(c), 3) << "clipping";
    if (loops) {
      double jump, typical;
      EXPECT_TRUE(seamless(c, &jump, &typical)) << "seam jump " << jump << " vs typical step " << typical;
      // a loop plays straight through its seam: no fade out at the end or in at the start
      size_t edge = 4410;
      EXPECT_GT(rmsof(c, 0, edge), rms(c) * 0.1) << "loop fades in";
      EXPECT_GT(rmsof(c, c.size() - edge, edge), rms(c) * 0.1) << "loop fades out";
    } else {
      EXPECT_LT(std::fabs(c.front()), 0.02) << "starts with a click";
      EXPECT_LT(std::fabs(c.back()), 0.02) << "ends with a click";
    }
  }
  if (out) *out = std::move(p);
}

// Loudest 50 ms window, a rough measure of how loud a short sound feels.
double loudest(const std::vector<float>& x) {
  size_t win = 2205;
  double best = 0;
  for (size_t s = 0; s + 1 < x.size(); s += 441) {
    size_t e = std::min(x.size(), s + win);
    double sum = 0;
    for (size_t i = s; i < e; i++) sum += double(x[i]) * x[i];
    best = std::max(best, std::sqrt(sum / win));
  }
  return best;
}

}  // namespace

TEST(AudioContent, EffectsDecodeAndAreBalanced) {
  EXPECT_EQ(std::size(effects), 54u);
  for (const char* name : effects) {
    Pcm p;
    checkfile(std::string("data/sound/") + name, false, 0.03, &p);
    if (!p.ok) continue;
    EXPECT_LT(p.seconds(), 10.0) << name;
    double l = loudest(p.ch[0]);
    EXPECT_GT(l, 0.08) << name << " too quiet next to the others";
    EXPECT_LT(l, 0.3) << name << " too loud next to the others";
  }
}

TEST(AudioContent, StorySoundsDecodeAndLoopsAreSeamless) {
  EXPECT_EQ(std::size(story), 59u);
  for (const char* name : story) {
    bool loops = isin(name, storyloops, std::size(storyloops));
    Pcm p;
    checkfile(std::string("data/sound/story/") + name, loops, loops ? 1.0 : 0.03, &p);
    if (p.ok) {
      EXPECT_LT(p.seconds(), 10.0) << name;
    }
  }
}

TEST(AudioContent, MusicIsLongEnoughMatchedAndLoopsAreSeamless) {
  std::vector<double> levels;
  for (const char* name : music) {
    Pcm p;
    checkfile(std::string("data/music/") + name, isin(name, musicloops, std::size(musicloops)), 30.0, &p);
    if (p.ok) levels.push_back(rms(p.ch[0]));
  }
  ASSERT_FALSE(levels.empty());
  auto [lo, hi] = std::minmax_element(levels.begin(), levels.end());
  EXPECT_LT(*hi / *lo, 1.6) << "tracks not matched in loudness";
}

TEST(AudioContent, WavTunesAreRiffPcm16) {
  for (const char* name : {"win.wav", "fail.wav"}) {
    std::ifstream in(std::string("data/music/") + name, std::ios::binary);
    unsigned char h[44] = {};
    in.read(reinterpret_cast<char*>(h), 44);
    ASSERT_TRUE(in) << name;
    EXPECT_EQ(std::memcmp(h, "RIFF", 4), 0);
    EXPECT_EQ(std::memcmp(h + 8, "WAVEfmt ", 8), 0);
    EXPECT_EQ(le16(h + 20), 1) << "PCM";
    EXPECT_EQ(le16(h + 34), 16) << "16-bit";
    EXPECT_EQ(le32(h + 24), 44100u);
    EXPECT_EQ(le32(h + 4) + 8, std::filesystem::file_size(std::string("data/music/") + name));
  }
}

TEST(AudioContent, WholeAudioUnderThirtyMegabytes) {
  uintmax_t total = 0;
  for (const char* dir : {"data/sound", "data/music"}) {
    std::error_code ec;
    for (auto& e : std::filesystem::recursive_directory_iterator(dir, ec))
      if (e.is_regular_file()) total += e.file_size();
  }
  EXPECT_GT(total, 0u);
  EXPECT_LT(total, 30u * 1024 * 1024);
}
