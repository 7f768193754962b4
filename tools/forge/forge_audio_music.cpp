// The music: a spooky-comic main theme, the shop, the story moods, five tunes to play
// cards to, the win fanfare and the sad trombone. Minor keys, bouncy basses, plucks,
// organ, harpsichord and a gliding theremin.
//
// Every track runs a minute or more before it comes round again, and is laid out in
// sections that go somewhere: a theme, a contrasting part in another key or mode with
// its own tune and instruments, the theme again led by another voice and turned a new way
// at its second half, a bridge or a break. A theme never comes back whole.
#include "tools/forge/forge_audio_kit.h"

namespace sfx {
namespace {

constexpr int forever = 1 << 30;

// Drum lanes (one bar of sixteenths), optionally only in some bars.
Part kick(const char* p, double gain = 0.8, int from = 0, int to = forever) {
  return {Drum, Kick, p, 0.25, gain, 0.0, 0, from, to};
}
Part snare(const char* p, double gain = 0.5, int from = 0, int to = forever) {
  return {Drum, Snare, p, 0.25, gain, 0.1, 0, from, to};
}
Part hat(const char* p, double gain = 0.4, int from = 0, int to = forever) {
  return {Drum, Hat, p, 0.25, gain, 0.35, 0, from, to};
}
Part lane(Instr ins, const char* p, double gain, double pan, int from = 0, int to = forever) {
  return {Drum, ins, p, 0.25, gain, pan, 0, from, to};
}
// A tune in note names, eighths unless `step` says otherwise.
Part lead(Instr ins, const char* p, double gain, int from, int to, int octave = 0, double pan = 0.0, double step = 0.5) {
  return {Melody, ins, p, step, gain, pan, octave, from, to};
}
// Chord-relative lines: bass, arpeggios, chords ("x" plays the whole chord).
Part bass(Instr ins, const char* p, double step, double gain, int from, int to) {
  return {BassLine, ins, p, step, gain, 0.0, 0, from, to};
}
Part arp(Instr ins, const char* p, double step, double gain, double pan, int from, int to, int octave = 0) {
  return {Arp, ins, p, step, gain, pan, octave, from, to};
}
Part chords(Instr ins, const char* p, double step, double gain, double pan, int from, int to) {
  return {Chords, ins, p, step, gain, pan, 0, from, to};
}
// The tune from its bar `skip` on (bars are separated by "|"), for a voice that joins halfway.
std::string frombar(const std::string& tune, int skip) {
  size_t at = 0;
  for (int i = 0; i < skip && at != std::string::npos; i++) {
    at = tune.find('|', at);
    if (at != std::string::npos) at++;
  }
  return at == std::string::npos ? tune : tune.substr(at);
}
Part joining(Part p, int skip) {
  p.pat = frombar(p.pat, skip);
  return p;
}
Part swung(Part p, double swing) {
  p.swing = swing;
  return p;
}

// Noise that loops: the last half second is folded onto the start.
Wave loopnoise(size_t n, Noise nz) {
  Wave w;
  nz.env = {0, 0.1, 1, 0};
  addnoise(w, 0, double(n) / rate + 0.5, nz);
  w.resize(n + at(0.5));
  foldloop(w, 0.5);
  w.resize(n);
  return w;
}

// Main menu and adventure map: D minor, a theremin's theme over organ and harpsichord.
Song menu() {
  Song s;
  s.bpm = 112;
  s.seed = 101;
  int intro = section(s, 2, {"Dm", "A7"});
  int a = section(s, 8, {"Dm", "Dm", "Bb", "A7", "Dm", "Gm", "A7", "Dm"});
  int b = section(s, 8, {"F", "C", "Dm", "A", "Bb", "F", "Gm", "A7"});
  int a2 = section(s, 8, {"Dm", "Dm", "Bb", "A7", "Gm", "Bb", "A", "A7"});
  int bridge = section(s, 4, {"Bb", "Gm", "Eb", "A7"});
  int end = s.bars;
  const char* hook =
      "D5 . D5 F5 A5 - - G5 | F5 - E5 D5 E5 - - . | D5 . D5 F5 Bb5 - A5 G5 | A5 - - - C#5 - E5 . |"
      "D5 . D5 F5 A5 - - D6 | C6 - Bb5 A5 G5 - Bb5 - | A5 - G5 F5 E5 - C#5 - | D5 - - - . . . .";
  // the relative major: the pizzicato answers the theme
  const char* answer =
      "A5 . C6 . A5 F5 . C5 | E5 . G5 . C6 - Bb5 . | A5 . F5 . D5 E5 F5 . | E5 - - . C#5 . E5 . |"
      "D6 . Bb5 . F5 . D5 . | C6 . A5 . F5 G5 A5 . | Bb5 . G5 . D5 . E5 F5 | E5 - - . G5 - C#5 .";
  // the theme on the harpsichord; its second half climbs instead of settling
  const char* hook2 =
      "D5 . D5 F5 A5 - - G5 | F5 - E5 D5 E5 - - . | D5 . D5 F5 Bb5 - A5 G5 | A5 - - - C#5 - E5 . |"
      "Bb5 . Bb5 D6 G6 - - F6 | F6 - Eb6 D6 Bb5 - D6 - | C#6 - E6 - A6 - G6 F6 | E6 - C#6 - A5 - G5 -";
  const char* drift = "D6 - - - - - - - | Bb5 - - - - - - - | G5 - - - Bb5 - - - | A5 - - - C#6 - - -";
  s.parts = {
      lead(Theremin, hook, 1.0, a, b),
      lead(Pizz, answer, 1.0, b, a2),
      joining(lead(Celesta, answer, 0.3, b + 4, a2, 1), 4),
      lead(Harpsi, hook2, 0.75, a2, bridge),
      arp(Theremin, "3 - - - 5 - - -", 0.5, 0.45, 0.2, a2, bridge, 1),
      lead(Theremin, drift, 0.8, bridge, end),
      bass(Bass, "1 . 5 . 8 . 5 _5", 0.5, 0.9, intro, b),
      bass(Tuba, "1 5 _5 5", 1.0, 0.8, b, a2),
      bass(Bass, "1 8 5 8 1 8 5 8", 0.5, 0.85, a2, bridge),
      bass(Bass, "1 - - - - - - -", 0.5, 0.8, bridge, end),
      arp(Harpsi, "1 3 5 8 5 3 5 3", 0.5, 0.35, -0.4, intro, a + 4),
      arp(Celesta, "1 5 8 5 9 5 8 5", 0.5, 0.22, -0.4, a2, bridge),
      chords(Organ, "x - - - - - - -", 0.5, 0.45, 0.3, intro, b),
      chords(Accordion, ". x . x", 1.0, 0.3, 0.35, b, a2),
      chords(Organ, "x - - - x - - -", 0.5, 0.4, 0.3, a2, bridge),
      chords(Pad, "x - - - - - - -", 0.5, 0.6, -0.2, bridge, end),
      chords(Choir, "x - - - - - - -", 0.5, 0.35, 0.25, bridge, end),
      hat("..x...x...x...x.", 0.25, intro, a),
      kick("x.......x.......", 0.7, a, b),
      snare("....x.......x..g", 0.35, a, b),
      hat("..x...x...x...x.", 0.3, a, b),
      lane(Block, "x..x..x.........", 0.25, -0.5, a, b),
      kick("x...x...x...x...", 0.45, b, a2),
      lane(Shaker, "..x...x...x...x.", 0.4, 0.4, b, a2),
      kick("x.......x.x.....", 0.7, a2, bridge),
      snare("....x.......x.gg", 0.4, a2, bridge),
      hat("x.x.x.x.x.x.x.x.", 0.25, a2, bridge),
      lane(Tom, "x.......x.......", 0.3, 0.0, bridge, end),
  };
  return s;
}

// The shop: E minor with a swing, pizzicato and accordion, a whistled tune in the middle.
Song shop() {
  Song s;
  s.bpm = 126;
  s.seed = 102;
  int intro = section(s, 2, {"Em", "B7"});
  int a = section(s, 8, {"Em", "B7", "Em", "Am", "Em", "C", "B7", "Em"});
  int b = section(s, 8, {"G", "D", "Em", "Bm", "C", "G", "Am", "D7"});
  int a2 = section(s, 8, {"Em", "B7", "Em", "Am", "C", "Am", "B7", "Em"});
  int c = section(s, 6, {"Am", "D7", "G", "C", "F#dim", "B7"});
  int tag = section(s, 2, {"Em", "B7"});
  int end = s.bars;
  const char* tune =
      "E5 . B4 . E5 G5 F#5 E5 | D#5 . F#5 . B5 . A5 . | G5 . E5 . G5 B5 A5 G5 | A5 . C6 . B5 A5 G5 F#5 |"
      "E5 . B4 . E5 G5 F#5 E5 | E5 . G5 . C6 . B5 A5 | B5 A5 G5 F#5 D#5 . F#5 . | E5 . . E4 E5 . . .";
  const char* whistled =
      "B5 . D6 . G5 . B5 D6 | A5 . F#5 . D5 . A5 . | G5 . E5 . B4 . E5 G5 | F#5 . D5 . B4 . D5 . |"
      "E5 . G5 . C6 . E6 . | D6 . B5 . G5 . D6 . | C6 . A5 . E5 . G5 A5 | F#5 - - . A5 . C6 .";
  const char* tune2 =
      "E5 . B4 . E5 G5 F#5 E5 | D#5 . F#5 . B5 . A5 . | G5 . E5 . G5 B5 A5 G5 | A5 . C6 . B5 A5 G5 F#5 |"
      "C6 . B5 . A5 . G5 . | A5 . C6 . E6 . D6 C6 | B5 A5 G5 F#5 D#5 . F#5 . | E5 - - . . . . .";
  const char* wander =
      "C5 . E5 . A5 . G5 . | F#5 . A5 . D6 . C6 . | B5 - - . G5 . D5 . | E5 . G5 . C6 - B5 A5 |"
      "A5 . F#5 . D#5 . C5 . | B4 - - - D#5 - F#5 .";
  s.parts = {
      swung(lead(Pizz, tune, 1.0, a, b), 0.15),
      swung(lead(Whistle, whistled, 0.6, b, a2), 0.15),
      swung(arp(Pizz, "1 5 8 5", 1.0, 0.4, -0.3, b, a2), 0.15),
      swung(lead(Accordion, tune2, 0.7, a2, c), 0.15),
      swung(arp(Pizz, ". 3 . 5 . 8 . 5", 0.5, 0.3, 0.4, a2, c), 0.15),
      swung(lead(Harpsi, wander, 0.7, c, tag), 0.15),
      swung(arp(Pizz, "1 3 5 3", 1.0, 0.45, 0.0, tag, end), 0.15),
      bass(Tuba, "1 5 _5 5", 1.0, 0.8, intro, c),
      bass(Bass, "1 . . 5 8 . 5 .", 0.5, 0.85, c, tag),
      bass(Tuba, "1 5 _5 5", 1.0, 0.8, tag, end),
      chords(Accordion, ". x . x", 1.0, 0.35, 0.35, intro, b),
      chords(Organ, "x - - - x - - -", 0.5, 0.25, 0.35, b, a2),
      chords(Accordion, ". x . x", 1.0, 0.3, 0.35, a2, c),
      chords(Pad, "x - - - - - - -", 0.5, 0.5, -0.3, c, tag),
      chords(Accordion, ". x . x", 1.0, 0.35, 0.35, tag, end),
      lane(Block, "x...x...x...x.x.", 0.3, -0.4, intro, b),
      lane(Shaker, "..x...x...x...x.", 0.5, 0.4, a, b),
      kick("x.......x.......", 0.6, a, b),
      lane(Clap, "....x.......x...", 0.3, -0.1, b, a2),
      hat("x.x.x.x.x.x.x.x.", 0.25, b, a2),
      kick("x.....x...x.....", 0.55, b, a2),
      lane(Block, "x...x...x...x.x.", 0.3, -0.4, a2, c),
      lane(Shaker, "xxxxxxxxxxxxxxxx", 0.3, 0.4, a2, c),
      kick("x.......x.......", 0.6, a2, c),
      lane(Shaker, "..x...x...x...x.", 0.4, 0.4, c, end),
      lane(Tom, "x...........x...", 0.25, 0.0, c, tag),
  };
  return s;
}

// The story: C minor, a music box in a dark room, a theremin tune in the relative major.
Song story() {
  Song s;
  s.bpm = 80;
  s.seed = 103;
  s.room = 0.8;
  s.wet = 0.3;
  int intro = section(s, 2, {"Cm", "Ab"});
  int a = section(s, 8, {"Cm", "Ab", "Fm", "G", "Cm", "Eb", "Ab", "G7"});
  int b = section(s, 6, {"Eb", "Bb", "Cm", "Ab", "Fm", "G"});
  int a2 = section(s, 4, {"Cm", "Ab", "Fm", "G7"});
  int c = section(s, 2, {"Ab", "G"});
  int end = s.bars;
  const char* box =
      "G5 . C6 . Eb6 . D6 C6 | C6 - . Ab5 . C6 Eb6 . | F6 . Eb6 . C6 . Ab5 . | B5 - - . D6 . G5 . |"
      "G5 . C6 . Eb6 . G6 . | F6 - Eb6 D6 Eb6 . Bb5 . | C6 . Ab5 . Eb6 . C6 . | B5 - - . G5 - - .";
  const char* glide =
      "G5 - - - Bb5 - Eb6 - | D6 - - - F6 - - - | Eb6 - - - C6 - G5 - | Ab5 - - - C6 - - - |"
      "Ab5 - C6 - F6 - - Eb6 | D6 - - - B5 - - -";
  const char* box2 = "G5 . C6 . Eb6 . D6 C6 | C6 - . Ab5 . C6 Eb6 . | F6 . Ab6 . G6 . F6 . | D6 - - . B5 - G5 .";
  const char* hush = "C6 - - . - - Eb6 . | D6 - - . B5 . G5 .";
  s.parts = {
      lead(Celesta, "C6 - - - - - G5 - | Ab5 - - - - - Eb5 -", 0.7, intro, a),
      lead(Celesta, box, 0.8, a, b),
      lead(Theremin, glide, 0.8, b, a2, -1),
      arp(Harpsi, "1 5 8 5 9 5 8 5", 0.5, 0.3, -0.35, b, a2),
      lead(Harpsi, box2, 0.7, a2, c, -1),
      lead(Celesta, hush, 0.6, c, end),
      chords(Pad, "x - - - - - - -", 0.5, 0.7, -0.2, intro, a),
      chords(Pad, "x - - - x - - -", 0.5, 0.55, -0.2, a, b),
      chords(Organ, "x - - - - - - -", 0.5, 0.3, 0.3, b, a2),
      chords(Choir, "x - - - - - - -", 0.5, 0.5, 0.25, a2, end),
      bass(Pizz, "1 . . . _5 . . .", 0.5, 0.9, a, b),
      bass(Bass, "1 - - - 5 - - -", 0.5, 0.8, b, a2),
      bass(Pizz, "1 . 5 . 8 . 5 .", 0.5, 0.8, a2, end),
      lane(Tom, "x...............", 0.25, 0.0, a, b),
      lane(Block, "x.......x.......", 0.2, 0.4, b, a2),
      lane(Tom, "x.......x...x...", 0.3, 0.0, a2, c),
      lane(Tom, "x.x.x.x.xxxxxxxx", 0.2, 0.0, c, end),
  };
  return s;
}

// Out on the water: G minor in a rolling six-eight, the tune answering itself over the waves.
Song ocean() {
  Song s;
  s.bpm = 180;  // counted in eighths: six to a lilting bar
  s.beats = 6;
  s.seed = 104;
  s.room = 0.75;
  s.wet = 0.28;
  s.echotime = 1.0;  // three eighths
  s.echofb = 0.3;
  s.echowet = 0.18;
  int intro = section(s, 2, {"Gm", "D"});
  int a = section(s, 8, {"Gm", "Gm", "Eb", "Eb", "Cm", "D", "Gm", "D7"});
  int b = section(s, 8, {"Bb", "F", "Gm", "Dm", "Eb", "Bb", "Cm", "D"});
  int a2 = section(s, 8, {"Gm", "Gm", "Eb", "Eb", "Cm", "Adim", "D", "D7"});
  int coda = section(s, 6, {"Eb", "Cm", "D", "Gm", "Eb", "D7"});
  int end = s.bars;
  const char* tune =
      "D5 - G5 - A5 Bb5 | A5 - - G5 - - | G5 - Eb5 - G5 Bb5 | C6 - - Bb5 - - |"
      "Eb5 - G5 - C6 Bb5 | A5 - - F#5 - - | G5 - Bb5 - A5 G5 | F#5 - - D5 - -";
  const char* harbour =
      "F5 - Bb5 - D6 C6 | C6 - - A5 - - | Bb5 - G5 - D5 - | F5 - - D5 - - |"
      "G5 - Bb5 - Eb6 D6 | D6 - - Bb5 - F5 | Eb5 - G5 - C6 Bb5 | A5 - - F#5 - -";
  const char* tune2 =
      "D5 - G5 - A5 Bb5 | A5 - - G5 - - | G5 - Eb5 - G5 Bb5 | C6 - - Bb5 - - |"
      "C6 - Eb6 - G6 F6 | Eb6 - - C6 - A5 | Bb5 - A5 - G5 F#5 | D5 - - - - -";
  const char* farewell = "G5 - - - - - | Eb5 - - G5 - - | F#5 - - A5 - - | G5 - - D5 - - | Eb5 - - - - - | D5 - - - - -";
  s.parts = {
      lead(Whistle, tune, 0.8, a, b, 0, 0.0, 1.0),
      lead(Celesta, harbour, 0.6, b, a2, 0, 0.15, 1.0),
      joining(lead(Pizz, harbour, 0.5, b + 4, a2, -1, -0.2, 1.0), 4),
      lead(Harpsi, tune2, 0.6, a2, coda, 0, 0.0, 1.0),
      lead(Whistle, farewell, 0.6, coda, end, 0, 0.0, 1.0),
      arp(Harpsi, "1 5 8 9 8 5", 1.0, 0.3, -0.35, intro, b),
      arp(Celesta, "8 5 3 5 8 9", 1.0, 0.22, 0.35, a2, coda),
      bass(Bass, "1 - - 5 - -", 1.0, 0.8, intro, coda),
      bass(Bass, "1 - - - - -", 1.0, 0.75, coda, end),
      chords(Pad, "x - - - - -", 1.0, 0.5, 0.25, intro, b),
      chords(Accordion, ". . x . . x", 1.0, 0.2, 0.3, b, a2),
      chords(Pad, "x - - - - -", 1.0, 0.45, 0.25, a2, end),
      chords(Choir, "x - - - - -", 1.0, 0.4, -0.25, coda, end),
      lane(Block, "x.......x.......x.......", 0.18, 0.4, b, a2),
  };
  s.extra = [](Stereo& st, double bar) {
    // waves rolling in every two bars, left and right a little apart
    size_t n = st.size();
    Wave l = loopnoise(n, Noise{700, 0, 0.6, Low, {}, 0.9, 105});
    Wave r = loopnoise(n, Noise{650, 0, 0.6, Low, {}, 0.9, 106});
    double period = 2 * bar;
    for (size_t i = 0; i < n; i++) {
      double t = double(i) / rate;
      double ea = std::pow(std::sin(pi * t / period), 4.0), eb = std::pow(std::sin(pi * (t / period + 0.3)), 4.0);
      st.l[i] += l[i] * float(0.1 + 0.5 * ea);
      st.r[i] += r[i] * float(0.1 + 0.5 * eb);
    }
  };
  return s;
}

// A party in town: A minor, brass and harpsichord, a break and a last chorus a tone higher.
Song storyparty() {
  Song s;
  s.bpm = 140;
  s.seed = 107;
  int intro = section(s, 2, {"Am", "E7"});
  int a = section(s, 8, {"Am", "Am", "F", "G", "Am", "Dm", "E7", "Am"});
  int b = section(s, 8, {"C", "G", "Am", "Em", "F", "C", "Dm", "E7"});
  int a2 = section(s, 8, {"Am", "Am", "F", "G", "F", "G", "E7", "Am"});
  int brk = section(s, 4, {"Am", "Am", "Dm", "E7"});
  int a3 = section(s, 8, {"Bm", "Bm", "G", "A", "Bm", "Em", "F#7", "E7"});
  int end = s.bars;
  const char* hook =
      "A4 . A4 C5 E5 . A5 . | G5 . E5 . C5 D5 E5 . | F5 . F5 A5 C6 . A5 . | B5 . G5 . D5 . B4 . |"
      "A4 . A4 C5 E5 . A5 . | D6 . C6 . A5 . F5 . | E5 . G#5 . B5 . D6 . | C6 B5 A5 . A4 . . .";
  const char* bright =
      "E5 . G5 . C6 . E6 . | D6 . B5 . G5 . D5 . | C5 . E5 . A5 . C6 . | B5 . G5 . E5 . G5 . |"
      "A5 . C6 . F6 . E6 D6 | C6 . G5 . E5 . C5 . | D5 . F5 . A5 . C6 . | B5 . G#5 . E5 . D5 .";
  const char* hook2 =
      "A4 . A4 C5 E5 . A5 . | G5 . E5 . C5 D5 E5 . | F5 . F5 A5 C6 . A5 . | B5 . G5 . D5 . B4 . |"
      "A5 . C6 . F6 . E6 . | D6 . B5 . G5 . B5 . | G#5 . B5 . E6 . D6 . | C6 B5 A5 . E5 . A4 .";
  const char* hook3 =
      "B4 . B4 D5 F#5 . B5 . | A5 . F#5 . D5 E5 F#5 . | G5 . G5 B5 D6 . B5 . | C#6 . A5 . E5 . C#5 . |"
      "B5 . D6 . F#6 . E6 D6 | E6 . D6 . B5 . G5 . | A#5 . C#6 . E6 . C#6 . | B5 . G#5 . E5 . D5 .";
  s.parts = {
      lead(Brass, hook, 0.9, a, b),
      lead(Organ, bright, 1.6, b, a2, 0, -0.1),
      arp(Harpsi, "1 5 8 5 1 5 8 5", 0.5, 0.3, 0.35, b, a2, 1),
      lead(Harpsi, hook2, 0.7, a2, brk, 1),
      joining(lead(Brass, hook2, 0.45, a2 + 4, brk), 4),
      chords(Brass, "x . . . . . x . . . x . . . . .", 0.25, 0.5, 0.0, brk, a3),
      lead(Brass, hook3, 0.9, a3, end),
      joining(lead(Harpsi, hook3, 0.4, a3 + 4, end, 1), 4),
      bass(Bass, "1 8 5 8 1 8 5 8", 0.5, 0.9, intro, b),
      bass(Tuba, "1 5 1 5", 1.0, 0.85, b, a2),
      bass(Bass, "1 8 5 8 1 8 5 8", 0.5, 0.9, a2, brk),
      bass(Bass, "1 . 1 . 5 . _5 .", 0.5, 0.9, brk, a3),
      bass(Bass, "1 8 5 8 1 8 5 8", 0.5, 0.9, a3, end),
      chords(Organ, ". x . x . x . x", 0.5, 0.35, 0.3, a, b),
      chords(Accordion, ". x . x", 1.0, 0.3, 0.3, b, a2),
      chords(Organ, ". x . x . x . x", 0.5, 0.35, 0.3, a2, brk),
      chords(Organ, ". x . x . x . x", 0.5, 0.35, 0.3, a3, end),
      kick("x...x...x...x...", 0.8, intro, end),
      lane(Clap, "....x.......x...", 0.45, -0.1, a, end),
      hat("xxxxxxxxxxxxxxxx", 0.25, a, b),
      lane(OpenHat, "..x...x...x...x.", 0.25, -0.3, intro, b),
      lane(Shaker, "x.xxx.xxx.xxx.xx", 0.3, 0.4, b, a2),
      hat("xxxxxxxxxxxxxxxx", 0.25, a2, brk),
      lane(Tom, "x..x..x...x.x.x.", 0.4, 0.0, brk, a3),
      hat("x.x.x.x.x.x.x.x.", 0.3, a3, end),
      lane(OpenHat, "..x...x...x...x.", 0.25, -0.3, a3, end),
  };
  return s;
}

// The shambling crowd: E minor marimba bones over a tuba and many groaning throats.
Song zombiecrowd() {
  Song s;
  s.bpm = 90;
  s.seed = 108;
  s.room = 0.7;
  int intro = section(s, 2, {"Em", "B7"});
  int a = section(s, 8, {"Em", "C", "Am", "B7", "Em", "C", "Am", "B7"});
  int b = section(s, 6, {"Am", "Em", "Am", "Em", "C", "B7"});
  int a2 = section(s, 6, {"Em", "C", "Am", "B7", "C", "B7"});
  int outro = section(s, 2, {"Em", "Em"});
  int end = s.bars;
  const char* bones =
      "E5 . G5 . B5 . G5 . | C6 . B5 . G5 . E5 . | A5 . C6 . E6 . C6 . | B5 . A5 . G5 . F#5 . |"
      "E5 . G5 . B5 . E6 . | C6 . E6 . G5 . E5 . | A5 . C6 . B5 . A5 . | B5 - - - D#5 - - .";
  const char* dirge = "A5 - - - C6 - - - | B5 - - - G5 - - - | A5 - C6 - E6 - C6 - | B5 - - - - - - - | C6 - - - E6 - - - | D#6 - - - B5 - - -";
  const char* bones2 =
      "E5 . G5 . B5 . G5 . | C6 . B5 . G5 . E5 . | A5 . C6 . E6 . G6 . | F#6 . D#6 . B5 . A5 . | G5 . E5 . C6 . B5 . | B5 - - - - - - -";
  const char* shuffle = "E5 . . . B4 . . . | E4 - - - - - - -";
  s.parts = {
      lead(Marimba, bones, 0.9, a, b),
      lead(Organ, dirge, 1.4, b, a2, -1),
      arp(Marimba, "1 . 5 . 8 . 5 .", 0.5, 0.35, 0.35, b, a2),
      lead(Marimba, bones2, 0.9, a2, outro),
      joining(lead(Celesta, bones2, 0.3, a2 + 2, outro, 1), 2),
      lead(Marimba, shuffle, 0.8, outro, end),
      bass(Tuba, "1 - 5 -", 1.0, 0.9, intro, b),
      bass(Tuba, "1 - - - 5 - - -", 0.5, 0.85, b, a2),
      bass(Tuba, "1 5 1 5", 1.0, 0.9, a2, end),
      chords(Organ, "x - - - - - - -", 0.5, 0.3, 0.25, a, b),
      arp(Choir, "1 - - - 3 - - -", 0.5, 0.6, -0.25, intro, a + 4),
      chords(Choir, "x - - - - - - -", 0.5, 0.5, -0.25, b, a2),
      chords(Organ, "x - - - x - - -", 0.5, 0.3, 0.25, a2, end),
      kick("x.......x.......", 0.6, a, b),
      lane(Block, "....x.......x...", 0.3, 0.4, a, b),
      lane(Tom, "x.......x.......", 0.4, 0.0, b, a2),
      kick("x.......x...x...", 0.6, a2, end),
      lane(Block, "....x..x....x...", 0.3, 0.4, a2, end),
  };
  s.extra = [](Stereo& st, double bar) {
    // the crowd: groans of many throats, wrapped round the loop
    double total = double(st.size()) / rate;
    Rng rng(109);
    for (int i = 0; i < 110; i++) {
      double t = rng.uni() * total, len = rng.range(0.8, 2.2);
      double f0 = rng.range(75, 150), f1 = f0 * rng.range(0.6, 0.95);
      Wave g;
      groan(g, 0, len, f0, f1, rng.range(0.5, 1.0), 0.11, rng.next());
      place(st, g, t, 1.0, rng.bi() * 0.8, true);
    }
    Wave murmur = loopnoise(st.size(), Noise{450, 0, 1.2, Bandpass, {}, 0.18, 110});
    place(st, murmur, 0, 1.0, 0.0, true);
  };
  return s;
}

// Five tunes to play cards to: relaxed, bouncy, each in its own colour; each is played once
// through, then the other of the pair.
Song ingame(int n) {
  Song s;
  s.loop = false;
  s.seed = 110 + n;
  switch (n) {
    case 1: {
      s.bpm = 100;
      int intro = section(s, 2, {"Am", "E7"});
      int a = section(s, 8, {"Am", "Dm", "G", "C", "F", "Dm", "E7", "Am"});
      int b = section(s, 8, {"F", "C", "Dm", "Am", "Bb", "F", "E", "E7"});
      int a2 = section(s, 6, {"Am", "Dm", "G", "C", "E7", "Am"});
      int outro = section(s, 2, {"Dm", "Am"});
      int end = s.bars;
      const char* tune =
          "E5 . A5 . C6 . B5 A5 | F5 - A5 - D6 - C6 . | B5 . G5 . D5 . G5 . | C6 - - - E5 - . . |"
          "F5 . A5 . C6 . A5 . | D5 . F5 . A5 - G5 F5 | E5 . G#5 . B5 . D6 . | C6 . B5 . A5 - - .";
      const char* middle =
          "A5 . C6 . F6 . E6 . | E6 - D6 C6 G5 - . . | F5 . A5 . D6 . C6 . | C6 - B5 A5 E5 - . . |"
          "D5 . F5 . Bb5 . A5 G5 | A5 - - . C6 . F5 . | G#5 . B5 . E6 . D6 . | B5 - - . G#5 . E5 .";
      const char* tune2 =
          "E5 . A5 . C6 . B5 A5 | F5 - A5 - D6 - C6 . | G5 . B5 . D6 . F6 . | E6 - - - C6 - . . |"
          "B5 . G#5 . E5 . D6 . | C6 - - - A5 - - -";
      s.parts = {
          lead(Celesta, tune, 0.8, a, b),
          joining(lead(Pizz, tune, 0.4, a + 4, b, -1), 4),
          lead(Marimba, middle, 0.85, b, a2),
          lead(Pizz, middle, 0.45, b, a2, -1),
          lead(Harpsi, tune2, 0.7, a2, outro),
          lead(Celesta, "F5 . A5 . D6 . C6 . | A5 - - - - - - -", 0.7, outro, end),
          arp(Harpsi, "1 5 8 5 3 5 8 5", 0.5, 0.35, -0.35, intro, b),
          arp(Celesta, "8 . 5 . 3 . 5 .", 0.5, 0.25, 0.35, a2, end),
          bass(Bass, "1 . . 5 8 . 5 .", 0.5, 0.85, intro, b),
          bass(Tuba, "1 5 1 5", 1.0, 0.8, b, a2),
          bass(Bass, "1 . 5 . 1 . 5 .", 0.5, 0.85, a2, end),
          chords(Pad, "x - - - - - - -", 0.5, 0.35, 0.3, b, a2),
          lane(Shaker, "..x...x...x...x.", 0.4, 0.4, intro, b),
          kick("x.........x.....", 0.5, a, b),
          lane(Block, "....x.......x...", 0.25, -0.3, a, b),
          hat("x.x.x.x.x.x.x.x.", 0.25, b, a2),
          lane(Clap, "....x.......x...", 0.25, -0.1, b, a2),
          kick("x.........x.....", 0.5, a2, outro),
          lane(Shaker, "xxxxxxxxxxxxxxxx", 0.25, 0.4, a2, outro),
      };
      break;
    }
    case 2: {
      s.bpm = 96;
      int intro = section(s, 2, {"Dm", "A7"});
      int a = section(s, 8, {"Dm", "A7", "Dm", "Gm", "Bb", "Gm", "A7", "Dm"});
      int b = section(s, 8, {"Gm", "C", "F", "Bb", "Gm", "A", "Dm", "A7"});
      int a2 = section(s, 6, {"Dm", "A7", "Dm", "Gm", "A7", "Dm"});
      int outro = section(s, 2, {"Gm", "Dm"});
      int end = s.bars;
      const char* tune =
          "A4 . D5 . F5 . E5 D5 | C#5 . E5 . A5 - - . | F5 . A5 . D6 . C6 Bb5 | Bb5 - G5 - D5 - . . |"
          "D5 . F5 . Bb5 . A5 G5 | G5 . Bb5 . D6 - C6 Bb5 | A5 . G5 . E5 . C#5 . | D5 - - - . . . .";
      const char* middle =
          "G5 . Bb5 . D6 . C6 Bb5 | C6 . E5 . G5 - - . | F5 . A5 . C6 . A5 F5 | D6 - - . Bb5 . F5 . |"
          "G5 . Bb5 . D6 . F6 . | E6 . C#6 . A5 . G5 . | F5 . D5 . A5 . F5 . | E5 - - . C#5 . A4 .";
      const char* tune2 =
          "A4 . D5 . F5 . E5 D5 | C#5 . E5 . A5 - - . | F5 . A5 . D6 . F6 E6 | D6 - Bb5 - G5 - . . |"
          "A5 . C#6 . E6 . G6 . | F6 - - - D6 - - -";
      s.parts = {
          swung(lead(Pizz, tune, 1.0, a, b), 0.18),
          swung(lead(Marimba, middle, 0.9, b, a2), 0.18),
          swung(joining(lead(Whistle, middle, 0.35, b + 4, a2), 4), 0.18),
          swung(lead(Harpsi, tune2, 0.7, a2, outro), 0.18),
          swung(lead(Pizz, "Bb5 . G5 . D5 . G5 . | D5 - - - - - - -", 0.9, outro, end), 0.18),
          bass(Tuba, "1 5 _5 5", 1.0, 0.75, intro, b),
          bass(Bass, "1 . 5 . 8 . 5 .", 0.5, 0.8, b, a2),
          bass(Tuba, "1 5 _5 5", 1.0, 0.75, a2, end),
          swung(arp(Marimba, ". 3 . 5 . 3 . 5", 0.5, 0.35, 0.4, intro, b), 0.18),
          chords(Accordion, ". x . x", 1.0, 0.25, -0.35, b, a2),
          swung(arp(Celesta, ". 5 . 8 . 5 . 9", 0.5, 0.22, 0.4, a2, end), 0.18),
          hat("x.x.x.x.x.x.x.x.", 0.3, intro, b),
          snare("....g.......g...", 0.5, a, b),
          lane(Block, "x...x...x...x...", 0.25, -0.3, b, a2),
          kick("x.......x.......", 0.5, b, a2),
          hat("x.x.x.x.x.x.x.x.", 0.3, a2, end),
          snare("....g.......g.g.", 0.5, a2, end),
      };
      break;
    }
    case 3: {
      s.bpm = 108;
      int intro = section(s, 2, {"Gm", "D7"});
      int a = section(s, 8, {"Gm", "Gm", "Cm", "D7", "Eb", "Cm", "D7", "Gm"});
      int b = section(s, 8, {"Bb", "F", "Gm", "Dm", "Eb", "Bb", "Cm", "D7"});
      int a2 = section(s, 8, {"Gm", "Gm", "Cm", "D7", "Eb", "F", "D7", "Gm"});
      int outro = section(s, 2, {"Cm", "Gm"});
      int end = s.bars;
      const char* tune =
          "G4 - Bb4 - D5 - G5 - | F#5 - - - D5 - - - | Eb5 - G5 - C6 - Bb5 A5 | A5 - - - F#5 - - - |"
          "G5 - Bb5 - Eb6 - D6 C6 | C6 - Bb5 A5 G5 - Eb5 - | D5 - F#5 - A5 - C6 - | Bb5 - A5 - G5 - - -";
      const char* middle =
          "D6 . Bb5 . F5 . Bb5 . | C6 . A5 . F5 . A5 . | Bb5 . G5 . D5 . G5 . | A5 . F5 . D5 . F5 . |"
          "G5 . Bb5 . Eb6 . D6 C6 | D6 . Bb5 . F5 . D5 . | Eb5 . G5 . C6 . Bb5 A5 | A5 - - . F#5 . D5 .";
      const char* tune2 =
          "G4 - Bb4 - D5 - G5 - | F#5 - - - D5 - - - | Eb5 - G5 - C6 - Eb6 - | D6 - - - A5 - - - |"
          "Bb5 - D6 - G6 - F6 Eb6 | F6 - Eb6 D6 C6 - A5 - | A5 - C6 - F#6 - D6 - | G6 - - - - - - -";
      s.parts = {
          lead(Theremin, tune, 0.9, a, b),
          lead(Pizz, middle, 1.0, b, a2),
          lead(Celesta, middle, 0.35, b, a2, 1),
          lead(Theremin, tune2, 0.8, a2, outro),
          arp(Harpsi, "8 5 3 5", 1.0, 0.3, -0.35, a2, outro),
          lead(Theremin, "Eb6 - - - C6 - - - | G5 - - - - - - -", 0.7, outro, end),
          chords(Organ, "x - - . x - . .", 0.5, 0.4, 0.3, intro, b),
          chords(Accordion, ". x . x", 1.0, 0.25, 0.3, b, a2),
          chords(Organ, "x - - - x - - -", 0.5, 0.35, 0.3, a2, end),
          bass(Bass, "1 . 5 . 1 . 5 .", 0.5, 0.9, intro, b),
          bass(Tuba, "1 5 1 5", 1.0, 0.8, b, a2),
          bass(Bass, "1 . 5 . 8 . 5 .", 0.5, 0.9, a2, end),
          arp(Pizz, "8 . 5 . 9 . 5 .", 0.5, 0.35, -0.4, a + 4, b),
          lane(Block, "x..x..x...x..x..", 0.3, -0.3, intro, b),
          kick("x.......x.......", 0.55, a, b),
          lane(Shaker, "xxxxxxxxxxxxxxxx", 0.25, 0.45, a, b),
          hat("..x...x...x...x.", 0.3, b, a2),
          lane(Clap, "....x.......x...", 0.25, -0.1, b, a2),
          kick("x.......x.x.....", 0.55, a2, outro),
          lane(Shaker, "x.x.x.x.x.x.x.x.", 0.25, 0.45, a2, end),
      };
      break;
    }
    case 4: {
      s.bpm = 138;
      s.beats = 3;  // a spooky waltz
      int intro = section(s, 4, {"Em", "Em", "B7", "B7"});
      int a = section(s, 16, {"Em", "Em", "Am", "Am", "B7", "B7", "Em", "Em", "C", "C", "Am", "Am", "F#dim", "B7", "Em", "Em"});
      int b = section(s, 16, {"G", "G", "D", "D", "Em", "Em", "C", "C", "Am", "Am", "D", "D", "G", "G", "B7", "B7"});
      int a2 = section(s, 8, {"Em", "Em", "Am", "Am", "C", "B7", "Em", "Em"});
      int outro = section(s, 4, {"Am", "B7", "Em", "Em"});
      int end = s.bars;
      const char* tune =
          "B4 - E5 | G5 - - | A5 - C6 | E5 - - | D#5 - F#5 | A5 - - | G5 - F#5 | E5 - - |"
          "E5 - G5 | C6 - - | C6 - B5 | A5 - - | A5 - C6 | B5 - D#5 | E5 - - | . . .";
      const char* major =
          "D5 - G5 | B5 - - | A5 - F#5 | D5 - - | E5 - G5 | B5 - A5 | G5 - E5 | C5 - - |"
          "C5 - E5 | A5 - - | D5 - F#5 | A5 - C6 | B5 - G5 | D5 - - | D#5 - F#5 | B5 - -";
      const char* tune2 = "E5 - G5 | B5 - - | C6 - B5 | A5 - - | G5 - E5 | F#5 - D#5 | E5 - - | . . .";
      s.parts = {
          lead(Celesta, tune, 0.8, a, b, 0, 0.0, 1.0),
          joining(lead(Accordion, tune, 0.35, a + 8, b, -1, 0.15, 1.0), 8),
          lead(Whistle, major, 0.6, b, a2, 0, 0.0, 1.0),
          joining(lead(Harpsi, major, 0.35, b + 8, a2, 0, -0.2, 1.0), 8),
          lead(Accordion, tune2, 0.6, a2, outro, 0, 0.0, 1.0),
          lead(Celesta, tune2, 0.3, a2, outro, 1, 0.2, 1.0),
          lead(Celesta, "C6 - A5 | B5 - D#5 | E5 - - | - - -", 0.7, outro, end, 0, 0.0, 1.0),
          bass(Tuba, "1 . .", 1.0, 0.85, intro, end),
          chords(Accordion, ". x x", 1.0, 0.3, -0.3, intro, b),
          chords(Pad, "x - -", 1.0, 0.4, -0.3, b, a2),
          chords(Accordion, ". x x", 1.0, 0.3, -0.3, a2, end),
          lane(Block, "....x...x...", 0.25, 0.35, intro, b),
          lane(Shaker, "....x.x.x.x.", 0.3, 0.35, b, a2),
          lane(Block, "....x...x...", 0.25, 0.35, a2, end),
      };
      break;
    }
    default: {
      s.bpm = 116;
      int intro = section(s, 2, {"Cm", "G7"});
      int a = section(s, 8, {"Cm", "Fm", "Bb", "Eb", "Ab", "Fm", "G7", "Cm"});
      int b = section(s, 8, {"Ab", "Eb", "Fm", "Cm", "Db", "Ab", "G", "G7"});
      int a2 = section(s, 8, {"Cm", "Fm", "Bb", "Eb", "Ab", "Db", "G7", "Cm"});
      int outro = section(s, 4, {"Fm", "Cm", "G7", "Cm"});
      int end = s.bars;
      const char* tune =
          "C5 . Eb5 G5 . Eb5 C6 . | Ab5 . F5 . C5 . F5 . | D5 . F5 Bb5 . F5 D6 . | Eb6 - - . G5 - - . |"
          "Ab5 . C6 . Eb6 . C6 . | F5 . Ab5 . C6 . Ab5 G5 | G5 . B5 . D6 . F6 . | Eb6 . D6 . C6 - - .";
      const char* middle =
          "C6 - - . Eb6 . Ab5 . | Bb5 - - . G5 . Eb5 . | F5 . Ab5 . C6 . F6 . | Eb6 - - . C6 . G5 . |"
          "F5 . Ab5 . Db6 . F6 . | Eb6 . C6 . Ab5 . Eb5 . | D5 . G5 . B5 . D6 . | F6 - - . D6 . B5 .";
      const char* tune2 =
          "C5 . Eb5 G5 . Eb5 C6 . | Ab5 . F5 . C5 . F5 . | Bb5 . D6 . F6 . Eb6 D6 | Eb6 - - . Bb5 - - . |"
          "C6 . Eb6 . Ab6 . G6 F6 | F6 . Db6 . Ab5 . F5 . | G5 . B5 . D6 . G6 . | C6 - - - - - - -";
      const char* farewell =
          "Ab5 . F5 . C5 . F5 . | G5 . Eb5 . C5 . Eb5 . | D5 . F5 . B5 . D6 . | C6 - - - - - - -";
      s.parts = {
          lead(Marimba, tune, 0.9, a, b),
          lead(Whistle, middle, 0.55, b, a2),
          arp(Pizz, "5 3 1 3 5 3 1 3", 0.5, 0.3, -0.35, b, a2),
          lead(Marimba, tune2, 0.8, a2, outro),
          joining(lead(Whistle, tune2, 0.3, a2 + 4, outro), 4),
          lead(Celesta, farewell, 0.7, outro, end),
          bass(Bass, "1 . 8 . 5 . 8 .", 0.5, 0.85, intro, b),
          bass(Tuba, "1 5 1 5", 1.0, 0.8, b, a2),
          bass(Bass, "1 . 8 . 5 . 8 .", 0.5, 0.85, a2, end),
          chords(Pad, "x - - - - - - -", 0.5, 0.45, 0.3, intro, b),
          chords(Organ, "x - - - x - - -", 0.5, 0.3, 0.3, b, a2),
          chords(Pad, "x - - - - - - -", 0.5, 0.45, 0.3, a2, end),
          arp(Harpsi, "1 5 8 5 1 5 8 5", 0.5, 0.25, 0.4, a2, outro),
          kick("x.....x...x.....", 0.55, intro, b),
          lane(Clap, "....x.......x...", 0.3, -0.1, a, b),
          hat("..x...x...x...x.", 0.3, a, b),
          lane(Shaker, "x.x.x.x.x.x.x.x.", 0.3, 0.4, b, a2),
          kick("x.......x.......", 0.5, b, a2),
          kick("x.....x...x.....", 0.55, a2, end),
          lane(Clap, "....x.......x...", 0.3, -0.1, a2, outro),
          hat("xxxxxxxxxxxxxxxx", 0.22, a2, outro),
      };
      break;
    }
  }
  return s;
}

// The win tune: a fanfare that states its call, answers it in the relative minor, and climbs
// to a held chord; nothing in it is played twice.
Song win() {
  Song s;
  s.loop = false;
  s.bpm = 120;
  s.seed = 120;
  s.tail = 2.5;
  int call = section(s, 2, {"E", "E7"});
  int a = section(s, 4, {"A", "D", "E", "A"});
  int b = section(s, 4, {"F#m", "D", "Bm", "E"});
  int c = section(s, 4, {"D", "E7", "A", "A"});
  int end = s.bars;
  const char* fanfare =
      "A4 . A4 A4 E5 - - . | D5 . F#5 . A5 - - . | G#5 . F#5 . E5 . B4 . | A4 - C#5 - E5 - - . |"
      "F#5 . A5 . C#6 - B5 A5 | F#5 . D5 . A5 - - . | B5 . D6 . F#6 - E6 D6 | E6 - - . B5 - G#5 . |"
      "A5 . B5 . C#6 . D6 . | E6 . D6 . C#6 . B5 . | A5 . E5 . A5 . C#6 . | A5 - - - - - - -";
  s.parts = {
      chords(Brass, "x . . x . . x . x - - - - - - -", 0.25, 0.6, 0.0, call, call + 1),  // the call to attention
      lane(Tom, "x..x..x.x.......", 0.6, 0.0, call, call + 1),
      lane(Tom, "xxxxxxxxxxxxxxxx", 0.25, 0.0, call + 1, a),  // a roll into the tune
      lead(Brass, fanfare, 1.0, a, end),
      joining(lead(Harpsi, fanfare, 0.4, b, end, 1), 4),
      arp(Celesta, "1 3 5 8 5 3 5 8", 0.5, 0.3, -0.35, a, c + 2),
      bass(Tuba, "1 5 1 5", 1.0, 0.85, a, b),
      bass(Bass, "1 . 5 . 8 . 5 .", 0.5, 0.85, b, c),
      bass(Tuba, "1 5 8 5", 1.0, 0.85, c, end),
      chords(Pad, "x - - - - - - -", 0.5, 0.5, 0.3, a, end),
      lane(Tom, "x...........x...", 0.6, 0.0, a, b),
      snare("x.xxx.x.x.xxx.x.", 0.3, a, c + 2),
      kick("x.......x.......", 0.6, b, c + 2),
      lane(OpenHat, "..x...x...x...x.", 0.2, -0.3, b, c + 2),
      chords(Brass, "x - - - - - - -", 0.5, 0.45, 0.0, c + 3, end),  // the last chord, held
      lane(Tom, "xxxxxxxxxxxxxxxx", 0.3, 0.0, c + 2, c + 3),        // a roll into it
  };
  return s;
}

// The lost round: D minor, a muted trombone sighing over an organ, looping.
Song fail() {
  Song s;
  s.bpm = 72;
  s.seed = 121;
  int a = section(s, 8, {"Dm", "Dm", "Gm", "A7", "Dm", "Bb", "A7", "Dm"});
  int b = section(s, 6, {"Bb", "F", "Gm", "Dm", "Gm", "A7"});
  int a2 = section(s, 4, {"Dm", "Gm", "A7", "Dm"});
  int end = s.bars;
  const char* wah =
      "A4 . G#4 . | G4 . F#4 - | Bb4 . A4 . | G4 - E4 - | F4 . E4 . | D4 - F4 - | E4 . C#4 . | D4 - - - |";
  const char* sigh = "D5 - C5 - | A4 - - - | Bb4 . A4 . | F4 - - - | G4 . Bb4 . | A4 - E4 - |";
  const char* wah2 = "A4 . G#4 . | G4 - Bb4 - | A4 . C#4 . | D4 - - - |";
  s.parts = {
      {Melody, Trombone, wah, 1.0, 1.0, 0.0, 0, a, b},
      {Melody, Sadbone, sigh, 1.0, 0.9, 0.1, 0, b, a2},
      {Melody, Trombone, wah2, 1.0, 1.0, 0.0, 0, a2, end},
      bass(Tuba, "1 . _5 .", 1.0, 0.8, a, b),
      bass(Bass, "1 - 5 -", 1.0, 0.75, b, a2),
      bass(Tuba, "1 . _5 .", 1.0, 0.8, a2, end),
      chords(Organ, "x - - -", 1.0, 0.25, 0.3, a, end),
      arp(Celesta, "1 . 3 . 5 . 3 .", 0.5, 0.2, -0.35, b, a2),
      lane(Shaker, "....x.......x...", 0.4, 0.4, a, b),
      lane(Block, "x.......x.......", 0.2, -0.4, a, end),
      lane(Shaker, "....x...x...x...", 0.3, 0.4, a2, end),
  };
  return s;
}

void saveogg(const std::string& rel, const Song& song) {
  Stereo s = render(song);
  writeogg(rel, s.l, &s.r, 0.25f);
}

void savewav(const std::string& rel, const Song& song) {
  Stereo s = render(song);
  writewav(rel, s.l, &s.r);
}

}  // namespace

std::vector<Job> musicjobs() {
  std::vector<Job> jobs;
  auto ogg = [&](const std::string& rel, Song (*make)()) { jobs.push_back({rel, 3.0, [rel, make] { saveogg(rel, make()); }}); };
  ogg("music/menu.ogg", menu);
  ogg("music/shop.ogg", shop);
  ogg("music/story.ogg", story);
  ogg("music/ocean.ogg", ocean);
  ogg("music/storyparty.ogg", storyparty);
  ogg("music/zombiecrowd.ogg", zombiecrowd);
  for (int i = 1; i <= 5; i++) {
    std::string rel = "music/ingame" + std::to_string(i) + ".ogg";
    jobs.push_back({rel, 3.0, [rel, i] { saveogg(rel, ingame(i)); }});
  }
  jobs.push_back({"music/win.wav", 1.5, [] { savewav("music/win.wav", win()); }});
  jobs.push_back({"music/fail.wav", 2.0, [] { savewav("music/fail.wav", fail()); }});
  return jobs;
}

}  // namespace sfx
