// Listening by numbers: decoders for the forged Ogg and WAV files and the measures the sound
// tests judge them by (loudness, spectral flatness, held tones, repeated stretches of music).
#pragma once
#include <string>
#include <vector>

namespace hear {

constexpr int rate = 44100;

struct Pcm {
  bool ok = false;
  long rate = 0;
  int channels = 0;
  std::vector<std::vector<float>> ch;  // samples per channel
  double seconds() const { return ch.empty() || rate == 0 ? 0 : double(ch[0].size()) / rate; }
  std::vector<float> mono() const;  // the channels averaged
};

Pcm decodeogg(const std::string& path);
Pcm decodewav(const std::string& path);  // RIFF PCM 16-bit only
Pcm decode(const std::string& path);     // by the file name's ending

// Power spectrum (bins 0..n/2) of n samples from `from`, Hann windowed; n a power of two.
std::vector<double> powerspectrum(const std::vector<float>& x, size_t from, size_t n);

// Spectral flatness (geometric over arithmetic mean of the power, 100 Hz to 16 kHz) of the
// audible part: the mean over 46 ms frames within 30 dB of the loudest, weighted by energy.
// A sum of a few sine partials scores near 0, white noise about 0.56.
double flatness(const std::vector<float>& x);

// The pitch every 10 ms (Hz), 0 where quieter than 30 dB under the loudest moment or where
// no period repeats closely enough (a difference-function pitch tracker: `strict` is the
// largest normalised difference over one period that still counts, 0.15 for clear tones).
// A consonant chord has the period its notes share.
std::vector<double> pitchtrack(const std::vector<float>& x, double strict);

// Longest time (seconds) the sound holds one steady tone: a pitch that stays within half a
// semitone of where it started, frame after frame.
struct HeldTone {
  double seconds = 0, hz = 0, at = 0;  // length, pitch and start of the longest one
};
HeldTone longesttone(const std::vector<float>& x);

// How far the pitch moves, in semitones (between the 5th and 95th percentile of a track that
// also follows rough, breathy voices).
double pitchspan(const std::vector<float>& x);

// How far the loudest 2 ms moments above 1 kHz rise over the typical level (dB, 99.5th
// percentile over the median): drops and clicks stand out, a steady hiss does not.
double dropiness(const std::vector<float>& x);

// Longest stretch (seconds) heard twice within the first `window` seconds of playback (the
// file repeated when it loops). Two moments sound alike when the pitch content of their
// spectra (semitone bands with the spectral envelope taken out) correlates, over half a
// second, above `alike`: a passage played again, even with a voice added, scores 0.85 to 0.95;
// the same chords under another tune 0.4 to 0.65.
struct Repeat {
  double seconds = 0, at = 0, lag = 0;  // length, where it starts, and how much later it returns
};
Repeat longestrepeat(const std::vector<float>& x, bool loops, double window = 60.0, double alike = 0.7);

}  // namespace hear
