// The little synthesizer behind every sound and tune of the game: oscillators, envelopes,
// noise, filters, struck resonators, a plucked string, a formant voice, a reverb, a tiny
// sequencer for notes in bars, and the Ogg/WAV writers; and the physical side of the effects
// (forge_audio_bodies.cpp): forces ringing banks of resonant filters, glottal throats, drops.
// Everything is deterministic.
#pragma once
#include <cmath>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace sfx {

constexpr int rate = 44100;
constexpr double pi = 3.14159265358979323846;

using Wave = std::vector<float>;  // mono samples, nominally -1..1
struct Stereo {
  Wave l, r;
  size_t size() const { return l.size(); }
};

inline size_t at(double seconds) { return seconds <= 0 ? 0 : size_t(seconds * rate + 0.5); }
inline double midihz(double note) { return 440.0 * std::pow(2.0, (note - 69.0) / 12.0); }

// xorshift32: the only source of randomness, seeded per sound so files never change.
struct Rng {
  uint32_t s;
  explicit Rng(uint32_t seed) : s(seed ? seed : 0x9e3779b9u) {}
  uint32_t next() {
    s ^= s << 13;
    s ^= s >> 17;
    s ^= s << 5;
    return s;
  }
  double uni() { return (next() >> 8) * (1.0 / 16777216.0); }  // 0..1
  double bi() { return uni() * 2.0 - 1.0; }                     // -1..1
  double range(double a, double b) { return a + (b - a) * uni(); }
};

// Attack, decay to a sustain level, hold until `dur`, then release; exponential-ish curves.
struct Env {
  double a = 0.005, d = 0.1, s = 1.0, r = 0.05;
  double level(double t, double dur) const;
};
// A plain percussive envelope: quick attack then exponential decay with time constant tau.
inline double perc(double t, double attack, double tau) {
  if (t < 0) return 0;
  if (t < attack) return t / attack;
  return std::exp(-(t - attack) / tau);
}

enum Shape { Sine, Tri, Saw, Square, Pulse };
float fastsin(double cycles);  // sin(2 pi cycles) from a table
// One band-limited oscillator sample at `phase` (0..1) advancing by `dp` cycles per sample.
float oscillate(Shape shape, double phase, double dp);

// Topology-preserving state variable filter (low, band, high pass from one state).
struct Svf {
  double ic1 = 0, ic2 = 0, g = 0, k = 1, a1 = 0, a2 = 0, a3 = 0;
  float lp = 0, bp = 0, hp = 0;
  void set(double hz, double q);
  float run(float x);  // returns the low pass; bp and hp are kept too
};
struct OnePole {
  double z = 0, a = 0;
  void set(double hz) { a = std::exp(-2.0 * pi * hz / rate); }
  float lp(float x) { return float(z = x * (1 - a) + z * a); }
  float hp(float x) { return x - lp(x); }
};

// A frequency curve over normalised time u in 0..1; when empty, the glide from f0 to f1 is used.
using Curve = std::function<double(double)>;

struct Tone {
  double f0 = 440, f1 = 0;  // f1 0: steady
  Curve curve;              // overrides f0/f1
  Shape shape = Sine;
  Env env;
  double amp = 0.5;
  double vibhz = 0, vibdepth = 0;  // vibrato, depth in semitones
  double cutoff = 0, q = 0.7;      // optional low pass on the oscillator
  double cutoffend = 0;            // swept cutoff end (0: fixed)
};
void addtone(Wave& w, double t0, double dur, const Tone& tone);

enum Band { Low, Bandpass, High };
struct Noise {
  double f0 = 1000, f1 = 0;  // filter frequency, swept towards f1
  double q = 1.0;
  Band band = Bandpass;
  Env env;
  double amp = 0.5;
  uint32_t seed = 1;
  double grain = 0;  // > 0: crackle, random sparse impulses per second instead of white noise
};
void addnoise(Wave& w, double t0, double dur, const Noise& noise);

// A struck object: decaying sine partials (ratio to f, decay seconds, relative level).
struct Partial {
  double ratio, decay, level;
};
void addmodal(Wave& w, double t0, double f, const std::vector<Partial>& partials, double amp,
              double attack = 0.001);
std::vector<Partial> wood(double decay);   // hollow knock

// Plucked string (Karplus-Strong); bright 0..1 lights the pick noise, damp shortens the ring.
void addpluck(Wave& w, double t0, double f, double dur, double amp, double bright, double damp,
              uint32_t seed);

// A throat: pulse train at a pitch curve through vowel formants, with optional roughness.
struct Voice {
  Curve pitch;                       // Hz over u
  double f1 = 600, f2 = 1000, f3 = 2500;  // formants
  double f1end = 0, f2end = 0;            // vowel glide (0: fixed)
  double rough = 0;                       // 0..1 growl (random pitch/amp jitter)
  double breath = 0;                      // 0..1 noise mix
  Env env;
  double amp = 0.5;
  uint32_t seed = 7;
};
void addvoice(Wave& w, double t0, double dur, const Voice& v);


// Wave helpers.
Wave blank(double seconds);
void mixin(Wave& w, const Wave& src, double t0, double gain = 1.0);
void fadeedges(Wave& w, double in, double out);
// Makes a loop seamless: the last `cross` seconds are folded onto the start and cut off.
void foldloop(Wave& w, double cross);
// Short sounds: scales so the loudest 50 ms window reaches `loud` (RMS) without passing `peak`.
void levelshort(Wave& w, double loud = 0.2, double peak = 0.89);
// Long pieces: whole-file RMS to `loud` (less when the loudest samples would pass 0.6),
// then a soft knee keeps peaks under 0.8.
void levellong(Stereo& s, double loud);
void softlimit(Wave& w);
float rms(const Wave& w);

// Reverb (comb and all-pass network). Circular: the tail of a loop wraps to its start.
void reverb(Stereo& s, double size, double damp, double wet, bool circular);
void reverbmono(Wave& w, double size, double damp, double wet);
// Stereo echo (ping-pong), circular for loops.
void echo(Stereo& s, double seconds, double feedback, double wet, bool circular);

// Writers (data-relative paths). Ogg: quality -0.1..1, fixed stream serial, no tags but vendor.
bool writeogg(const std::string& rel, const Wave& l, const Wave* r, float quality);
bool writewav(const std::string& rel, const Wave& l, const Wave* r);
void savesound(const std::string& rel, Wave w, double loud = 0.2);  // levels, fades, writes mono ogg

// ---- Sequencer ----

enum Instr {
  Pizz,       // pizzicato string
  Harpsi,     // plucked keyboard, bright with an octave
  Organ,      // drawbar organ with a slow tremolo
  Theremin,   // gliding sine lead (rendered legato)
  Celesta,    // music box / celesta bell
  Brass,      // filtered saw section
  Trombone,   // wah-wah slide brass
  Bass,       // plucked upright-ish bass
  Tuba,       // round oompah bass
  Pad,        // soft detuned strings
  Marimba,    // wooden bars
  Accordion,  // reedy squeezebox
  Choir,      // "ooh" voices
  Whistle,    // breathy sine lead
  Glock,      // glockenspiel bar struck with a hard mallet: bright, inharmonic, short
  Plink,      // a short plucked note for little tunes in the effects
  Sadbone,    // muted trombone whose note sags as it is held
  Kick,
  Snare,
  Hat,
  OpenHat,
  Clap,
  Block,      // woodblock
  Shaker,
  Tom,
};

enum PartKind { Melody, BassLine, Arp, Chords, Drum };

struct Part {
  PartKind kind;
  Instr ins;
  std::string pat;       // see forge_audio_kit.cpp: notes, chord degrees, 'x' hits
  double step = 0.5;     // beats per token
  double gain = 1.0;
  double pan = 0.0;      // -1 left .. 1 right
  int octave = 0;        // shift in octaves
  int from = 0, to = 1 << 30;  // active bars [from, to)
  double swing = 0;      // 0..0.3 delays every second token by this fraction of a step
};

struct Song {
  double bpm = 110;
  int beats = 4;  // per bar
  int bars = 16;
  std::vector<std::string> chords;  // per bar, cycled ("Am", "E7", "F", "Dm7", "Bdim", "Cmaj7")
  std::vector<Part> parts;
  bool loop = true;    // loop: exact whole bars, tails wrap to the start
  double tail = 2.5;   // seconds of ring-out appended when not looping
  double room = 0.6, wet = 0.22;
  double echotime = 0, echofb = 0.3, echowet = 0;
  double loud = 0.14;
  uint32_t seed = 1;
  std::function<void(Stereo&, double barlen)> extra;  // ambience added before the reverb
};
// Lays a section of `bars` bars at the end of the song, one chord a bar (the list repeats
// when shorter); returns the section's first bar, for the parts that play in it.
int section(Song& song, int bars, const std::vector<std::string>& chords);
// The part, playing only in bars [from, to).
Part within(Part p, int from, int to);
Stereo render(const Song& song);
double barseconds(const Song& song);
// Adds a mono wave into a stereo bed at t0 with a pan, wrapping past the end when `wrap`.
void place(Stereo& s, const Wave& w, double t0, double gain, double pan, bool wrap);
// One note of an instrument (not Theremin, which is legato).
Wave note(Instr ins, double f, double dur, double vel, Rng& rng);

// ---- Shared generators for effects and story sounds (forge_audio_sounds.cpp) ----
void swish(Wave& w, double t0, double dur, double f0, double f1, double amp, uint32_t seed, double q = 1.2);
void tap(Wave& w, double t0, double f, double amp, uint32_t seed);
void thump(Wave& w, double t0, double f, double amp, double len);
void chime(Wave& w, double t0, const std::vector<int>& midi, double gap, double amp, Instr ins, uint32_t seed);
void sparkle(Wave& w, double t0, double dur, int count, double lo, double hi, double amp, uint32_t seed);
void boom(Wave& w, double t0, double amp, double tail, uint32_t seed);
void groan(Wave& w, double t0, double dur, double f0, double f1, double rough, double amp, uint32_t seed);
void chirp(Wave& w, double t0, double dur, double f0, double f1, double amp, double wobble);
void oink(Wave& w, double t0, double dur, double f0, double f1, double amp, uint32_t seed);
void brassstab(Wave& w, double t0, const std::vector<int>& midi, double dur, double amp, uint32_t seed);
void rustle(Wave& w, double t0, double dur, double density, double amp, uint32_t seed);

// ---- Bodies, forces, throats and water (forge_audio_bodies.cpp) ----

// One mode of a vibrating body: frequency, decay (seconds to 1/e) and level.
struct Mode {
  double hz, decay, gain;
};
// A body rung by a force: its modes, plus the contact heard straight through a band.
struct Body {
  std::vector<Mode> modes;
  double direct = 0.3;                     // share of the force heard directly
  double directlow = 200, directhigh = 8000;  // band of that direct part
};
Body metalbody(double f0, double decay, int count, uint32_t seed);  // bars, plates, sheets: dense, inharmonic
Body woodbody(double f0, double decay, uint32_t seed);   // planks, crates: a few broad low modes
Body stonebody(double f0, uint32_t seed);                // stone and bone: bright and dead at once
Body glassbody(double f0, double decay, uint32_t seed);  // panes and bottles
Body plasticbody(double f0, uint32_t seed);              // buttons and switches
Body cardbody(uint32_t seed);                            // paper and card
Body fleshbody(uint32_t seed);                           // slaps and splats

Wave knock(double contact, double hardness, uint32_t seed);  // a hit: contact seconds, hardness 0..1
Wave rub(double dur, const Curve& speed, double grit, uint32_t seed);  // scraping; speed 0..1 over u
Wave stickslip(double dur, double r0, double r1, double jitter, uint32_t seed);  // creaks, r0 -> r1 catches a second
void excite(Wave& w, double t0, const Wave& force, const Body& body, double amp);
void strike(Wave& w, double t0, const Body& body, double contact, double hardness, double amp, uint32_t seed);

struct Formant {
  double hz, bw, gain;
};
// A throat: glottal pulses at a moving pitch through formants that move from one vowel to another.
struct Throat {
  Curve pitch;                    // Hz over u in 0..1
  std::vector<Formant> vowelstart;  // the mouth at the start
  std::vector<Formant> vowelend;  // at the end (same count), empty: held
  double jitter = 0.01;           // random change of each period's length
  double shimmer = 0.08;          // and of its strength
  double fry = 0;                 // 0..1 period doubling: the rattle of growls and caws
  double rough = 0;               // 0..1 flutter of the level, 20..40 Hz
  double breath = 0.15;           // 0..1 aspiration noise
  double open = 0.6;              // open part of each glottal period
  Env env;
  double amp = 0.5;
  uint32_t seed = 1;
};
std::vector<Formant> vowel(char v);  // 'a', 'o', 'u', 'e', 'i', 'm' (lips shut), 'n' (nasal), else "uh"
void addthroat(Wave& w, double t0, double dur, const Throat& th);

void bubble(Wave& w, double t0, double hz, double decay, double rise, double amp);  // a drop or bubble
Wave rain(double len, double density, uint32_t seed);  // loops: every drop wraps round the end

// ---- The files to write ----

// One file of the data folder: its path and how to make it. Jobs are independent and
// deterministic, so they can run on any thread in any order.
struct Job {
  std::string rel;   // data-relative path
  double cost;       // rough seconds of work, so the long ones start first
  std::function<void()> run;
};
std::vector<Job> soundjobs();  // sound/
std::vector<Job> storyjobs();  // sound/story/
std::vector<Job> musicjobs();  // music/

}  // namespace sfx
