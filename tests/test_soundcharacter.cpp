// The character of the forged sounds and music, judged by measures that stand in for an ear
// (tests/soundanalysis.h): things hit, moved or opened sound like noise through resonances,
// not like chimes; no effect is a held beep; creatures have moving, breathy voices; the rain
// falls in drops; no track comes round again within its first minute.
//
// Ideas for tests:
// - the story sounds' loudness matched against each other, as the effects' already is
// - a track's sections differ in colour too (spectral centroid of each section), not only in notes
// - the two looping engines (chainsaw, generator) drift in speed a little, as engines do
#include "tests/soundanalysis.h"
#include <gtest/gtest.h>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

namespace {

using hear::Pcm;
constexpr double pi = 3.14159265358979323846;

bool havedata() { return std::filesystem::exists("data/sound/click.ogg") && std::filesystem::exists("data/music/menu.ogg"); }

std::vector<float> mono(const std::string& path) {
  Pcm p = hear::decode(path);
  EXPECT_TRUE(p.ok) << path;
  return p.mono();
}

// Things that are hit, moved or opened: cards, buttons, balls and pins, guns, paper, blades,
// the till; and in the story every door, lock, crate, plank, chain, ladder, lever and machine.
const char* const objects[] = {
    "sound/click.ogg", "sound/gamebutt1.ogg", "sound/turnup.ogg", "sound/turndown.ogg", "sound/card-stable.ogg",
    "sound/card-column.ogg", "sound/card-columnspecial.ogg", "sound/card-takeout.ogg", "sound/turnallup.ogg",
    "sound/cash.ogg", "sound/cash2-1.ogg", "sound/cash2-2.ogg", "sound/bowling1.ogg", "sound/bowling2.ogg",
    "sound/bowling3.ogg", "sound/shotgun1.ogg", "sound/shotgun2.ogg", "sound/bloodsplat.ogg", "sound/BFGSlap.ogg",
    "sound/paper.ogg", "sound/paper2.ogg", "sound/paperback.ogg", "sound/ninja1.ogg", "sound/ninja2.ogg",
    "sound/pigcannon.ogg", "sound/randomextra1.ogg",
    "sound/story/crane1.ogg", "sound/story/crane2.ogg", "sound/story/crane3.ogg", "sound/story/crane4.ogg",
    "sound/story/lockopen.ogg", "sound/story/key.ogg", "sound/story/boxopen.ogg", "sound/story/metaldoor.ogg",
    "sound/story/metaldoor2.ogg", "sound/story/containerhit.ogg", "sound/story/rumble1.ogg",
    "sound/story/rumble2.ogg", "sound/story/rumble3.ogg", "sound/story/rumble4.ogg", "sound/story/rumble5.ogg",
    "sound/story/rumble6.ogg", "sound/story/pillow1.ogg", "sound/story/pillow2.ogg", "sound/story/clock.ogg",
    "sound/story/carpet.ogg", "sound/story/mower2.ogg", "sound/story/plank.ogg", "sound/story/iron.ogg",
    "sound/story/metallhit.ogg", "sound/story/chainsaw1.ogg", "sound/story/chainsaw2.ogg",
    "sound/story/treefall.ogg", "sound/story/chainsaw32.ogg", "sound/story/chainsaw4.ogg", "sound/story/trunk.ogg",
    "sound/story/planeup.ogg", "sound/story/nail.ogg", "sound/story/boxslide.ogg", "sound/story/boxslide2.ogg",
    "sound/story/skull.ogg", "sound/story/glass.ogg", "sound/story/glass2.ogg", "sound/story/stone.ogg",
    "sound/story/ladder.ogg", "sound/story/lever.ogg", "sound/story/plugin.ogg", "sound/story/gen1.ogg",
    "sound/story/gen2.ogg", "sound/story/splash.ogg", "sound/story/chain.ogg"};

// Pigs, crows, zombies: throats, not buzzers.
const char* const creatures[] = {"sound/pig1.ogg",
                                 "sound/pig2.ogg",
                                 "sound/killedzombie.ogg",
                                 "sound/story/crow.ogg",
                                 "sound/story/crow2.ogg",
                                 "sound/story/introstory_growl1.ogg",
                                 "sound/story/introstory_growl2.ogg",
                                 "sound/story/introstory_mmh.ogg"};

struct Track {
  const char* name;
  bool loops;  // started looping by the game; the others play once
};
const Track tracks[] = {{"menu.ogg", true},       {"shop.ogg", true},        {"story.ogg", true},
                        {"ocean.ogg", true},      {"storyparty.ogg", true},  {"zombiecrowd.ogg", true},
                        {"fail.wav", true},       {"ingame1.ogg", false},    {"ingame2.ogg", false},
                        {"ingame3.ogg", false},   {"ingame4.ogg", false},    {"ingame5.ogg", false},
                        {"win.wav", false}};

// Every effect and story sound file.
std::vector<std::string> allsounds() {
  std::vector<std::string> out;
  for (const char* dir : {"data/sound", "data/sound/story"})
    for (auto& e : std::filesystem::directory_iterator(dir))
      if (e.is_regular_file() && e.path().extension() == ".ogg") out.push_back(e.path().string());
  return out;
}

// ---- The measures themselves, on signals whose answer is known ----

std::vector<float> sine(double hz, double seconds, double amp = 0.5) {
  std::vector<float> x(size_t(seconds * hear::rate));
  for (size_t i = 0; i < x.size(); i++) x[i] = float(amp * std::sin(2 * pi * hz * i / hear::rate));
  return x;
}

std::vector<float> noise(double seconds, unsigned seed, double amp = 0.3) {
  std::mt19937 rng(seed);
  std::uniform_real_distribution<float> u(-1, 1);
  std::vector<float> x(size_t(seconds * hear::rate));
  for (float& v : x) v = float(u(rng) * amp);
  return x;
}

// A tune of random notes (sine plus two harmonics, 0.25 s each) from a seed.
std::vector<float> melody(double seconds, unsigned seed) {
  std::mt19937 rng(seed);
  std::uniform_int_distribution<int> pick(57, 81);
  std::vector<float> x;
  while (x.size() < seconds * hear::rate) {
    double hz = 440 * std::pow(2.0, (pick(rng) - 69) / 12.0);
    for (int i = 0; i < hear::rate / 4; i++) {
      double t = double(i) / hear::rate, env = std::exp(-t * 6);
      x.push_back(float(env * 0.3 * (std::sin(2 * pi * hz * t) + 0.4 * std::sin(4 * pi * hz * t) +
                                     0.2 * std::sin(6 * pi * hz * t))));
    }
  }
  return x;
}

void add(std::vector<float>& x, const std::vector<float>& y) {
  for (size_t i = 0; i < x.size() && i < y.size(); i++) x[i] += y[i];
}

TEST(SoundCharacter, TheMeasuresTellNoiseFromToneAndARepeatFromANewTune) {
  // Flatness: noise is flat whether bright or dark, a few ringing partials are not.
  std::vector<float> white = noise(1.0, 1), dark = noise(1.0, 2);
  for (size_t i = 1; i < dark.size(); i++) dark[i] = dark[i - 1] * 0.97f + dark[i] * 0.03f;  // a dull thud's colour
  std::vector<float> partials = sine(300, 1.0);
  add(partials, sine(827, 1.0, 0.3));
  add(partials, sine(1622, 1.0, 0.2));
  EXPECT_GT(hear::flatness(white), 0.45);
  EXPECT_GT(hear::flatness(dark), 0.35);
  EXPECT_LT(hear::flatness(partials), 0.1);
  EXPECT_LT(hear::flatness(sine(440, 1.0)), 0.05);

  // Held tones: a sine, a buzzy one in some noise and a consonant chord are held; a glide is not.
  EXPECT_GT(hear::longesttone(sine(440, 1.0)).seconds, 0.9);
  EXPECT_NEAR(hear::longesttone(sine(440, 1.0)).hz, 440, 5);
  std::vector<float> buzz = sine(150, 1.0);
  add(buzz, sine(300, 1.0, 0.3));
  add(buzz, noise(1.0, 3, 0.04));
  EXPECT_GT(hear::longesttone(buzz).seconds, 0.9);
  std::vector<float> chord = sine(440, 1.0, 0.3);
  add(chord, sine(659.26, 1.0, 0.3));
  add(chord, sine(880, 1.0, 0.3));
  EXPECT_GT(hear::longesttone(chord).seconds, 0.9);
  std::vector<float> glide(hear::rate);
  double phase = 0;
  for (size_t i = 0; i < glide.size(); i++) {
    phase += 400 * std::pow(4.0, double(i) / glide.size()) / hear::rate;
    glide[i] = float(0.5 * std::sin(2 * pi * phase));
  }
  EXPECT_LT(hear::longesttone(glide).seconds, 0.2);
  EXPECT_NEAR(hear::pitchspan(glide), 24 * 0.9, 3);  // two octaves, less the ends cut off
  EXPECT_LT(hear::pitchspan(sine(440, 1.0)), 0.5);
  EXPECT_EQ(hear::longesttone(white).seconds, 0);

  // Drops: clicks over a hiss stand out, the hiss alone does not.
  std::vector<float> hiss = noise(2.0, 4, 0.1), drops = hiss;
  for (size_t i = 5000; i < drops.size(); i += 4410)
    for (int k = 0; k < 40; k++) drops[i + k] += float(1.0 * std::exp(-k / 8.0) * ((k & 1) ? 1 : -1));
  EXPECT_LT(hear::dropiness(hiss), 6);
  EXPECT_GT(hear::dropiness(drops), 10);

  // Repeats: a tune played twice is one long repeat; followed by another tune, none; a short
  // tune that loops repeats for the rest of the minute.
  std::vector<float> twice = melody(20, 5), other = melody(20, 6), shortloop = melody(15, 7);
  std::vector<float> once = twice;
  twice.insert(twice.end(), once.begin(), once.end());
  once.insert(once.end(), other.begin(), other.end());
  EXPECT_GT(hear::longestrepeat(twice, false).seconds, 18);
  EXPECT_NEAR(hear::longestrepeat(twice, false).lag, 20, 0.1);
  EXPECT_LT(hear::longestrepeat(once, false).seconds, 3);
  EXPECT_GT(hear::longestrepeat(shortloop, true).seconds, 40);
  EXPECT_LT(hear::longestrepeat(shortloop, false).seconds, 3);
}

// ---- The forged data folder ----

// The floor, 0.2: white noise scores 0.56; the struck, scraped and rubbed bodies of the forge
// score 0.22 to 0.7 (a steel clang, with its dense ring, near the bottom; paper and engines at
// the top); a sum of a few ringing sine partials, which is what a toy chime is, scores under
// 0.12, and a pure tone 0. So a sound under 0.2 rings more than it rattles.
constexpr double flatnessfloor = 0.2;

TEST(SoundCharacter, ThingsHitMovedOrOpenedSoundLikeNoiseThroughResonances) {
  if (!havedata()) GTEST_SKIP() << "no data folder in the build folder";
  for (const char* name : objects) {
    double f = hear::flatness(mono(std::string("data/") + name));
    EXPECT_GT(f, flatnessfloor) << name << " rings like a chime";
  }
}

TEST(SoundCharacter, NoEffectHoldsOneSteadyToneForMoreThanAThirdOfASecond) {
  if (!havedata()) GTEST_SKIP() << "no data folder in the build folder";
  std::vector<std::string> files = allsounds();
  EXPECT_EQ(files.size(), 54u + 59u);
  for (const std::string& path : files) {
    hear::HeldTone t = hear::longesttone(mono(path));
    EXPECT_LE(t.seconds, 0.3) << path << " holds " << t.hz << " Hz from " << t.at << " s";
  }
}

TEST(SoundCharacter, CreaturesHaveMovingBreathyVoices) {
  if (!havedata()) GTEST_SKIP() << "no data folder in the build folder";
  for (const char* name : creatures) {
    std::vector<float> x = mono(std::string("data/") + name);
    EXPECT_GE(hear::pitchspan(x), 3) << name << " keeps one pitch";
    EXPECT_GT(hear::flatness(x), flatnessfloor) << name << " has no breath in it";
  }
  for (const char* bird : {"sound/bird1.ogg", "sound/bird2.ogg", "sound/bird3.ogg"})
    EXPECT_GE(hear::pitchspan(mono(std::string("data/") + bird)), 3) << bird;
}

TEST(SoundCharacter, TheRainFallsInDrops) {
  if (!havedata()) GTEST_SKIP() << "no data folder in the build folder";
  // A steady hiss scores about 4 dB here; rain with drops on it over 10.
  EXPECT_GT(hear::dropiness(mono("data/sound/story/storyrain.ogg")), 10);
}

TEST(SoundCharacter, NoTrackRepeatsAStretchOfMoreThanTenSecondsInItsFirstMinute) {
  if (!havedata()) GTEST_SKIP() << "no data folder in the build folder";
  for (const Track& t : tracks) {
    std::string path = std::string("data/music/") + t.name;
    Pcm p = hear::decode(path);
    ASSERT_TRUE(p.ok) << path;
    // a looping track must last the minute itself, or it would come round within it
    if (t.loops) {
      EXPECT_GE(p.seconds(), 60.0) << t.name;
    }
    hear::Repeat r = hear::longestrepeat(p.mono(), t.loops);
    EXPECT_LE(r.seconds, 10.0) << t.name << ": " << r.seconds << " s from " << r.at << " s come back " << r.lag
                               << " s later";
    std::printf("%-16s %5.1f s, longest repeat %4.1f s (%4.1f s later)\n", t.name, p.seconds(), r.seconds, r.lag);
  }
}

}  // namespace
