// The music: a spooky-comic main theme, the shop, the story moods, five tunes to play
// cards to, the win fanfare and the sad trombone. Minor keys, bouncy basses, plucks,
// organ, harpsichord and a gliding theremin.
#include "tools/forge/forge_audio_kit.h"

namespace sfx {
namespace {

// Common drum lanes (one bar of sixteenths).
Part kick(const char* p, double gain = 0.8) { return {Drum, Kick, p, 0.25, gain, 0.0}; }
Part snare(const char* p, double gain = 0.5) { return {Drum, Snare, p, 0.25, gain, 0.1}; }
Part hat(const char* p, double gain = 0.4) { return {Drum, Hat, p, 0.25, gain, 0.35}; }
Part lane(Instr ins, const char* p, double gain, double pan) { return {Drum, ins, p, 0.25, gain, pan}; }
Part lead(Instr ins, const char* p, double gain, int from = 0, int to = 1 << 30, int octave = 0) {
  Part x{Melody, ins, p, 0.5, gain, 0.0, octave, from, to};
  return x;
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

Song menu() {
  Song s;
  s.bpm = 112;
  s.bars = 16;
  s.seed = 101;
  s.chords = {"Dm", "Dm", "Bb", "A7", "Dm", "Gm", "A7", "Dm"};
  const char* hook =
      "D5 . D5 F5 A5 - - G5 | F5 - E5 D5 E5 - - . | D5 . D5 F5 Bb5 - A5 G5 | A5 - - - C#5 - E5 . |"
      "D5 . D5 F5 A5 - - D6 | C6 - Bb5 A5 G5 - Bb5 - | A5 - G5 F5 E5 - C#5 - | D5 - - - . . . .";
  s.parts = {
      lead(Theremin, hook, 1.0),
      lead(Celesta, hook, 0.35, 8, 16, 1),
      {BassLine, Bass, "1 . 5 . 8 . 5 _5", 0.5, 0.9},
      {Arp, Harpsi, "1 3 5 8 5 3 5 3", 0.5, 0.35, -0.4, 0, 4},
      {Chords, Organ, "x - - - - - - -", 0.5, 0.45, 0.3},
      kick("x.......x.......", 0.7),
      snare("....x.......x..g", 0.35),
      hat("..x...x...x...x.", 0.3),
      lane(Block, "x..x..x.........", 0.25, -0.5),
  };
  return s;
}

Song shop() {
  Song s;
  s.bpm = 126;
  s.bars = 16;
  s.seed = 102;
  s.chords = {"Em", "B7", "Em", "Am", "Em", "C", "B7", "Em"};
  const char* tune =
      "E5 . B4 . E5 G5 F#5 E5 | D#5 . F#5 . B5 . A5 . | G5 . E5 . G5 B5 A5 G5 | A5 . C6 . B5 A5 G5 F#5 |"
      "E5 . B4 . E5 G5 F#5 E5 | E5 . G5 . C6 . B5 A5 | B5 A5 G5 F#5 D#5 . F#5 . | E5 . . E4 E5 . . .";
  Part pizz = lead(Pizz, tune, 1.0);
  pizz.swing = 0.15;
  Part whistle = lead(Whistle, tune, 0.45, 8, 16);
  whistle.swing = 0.15;
  s.parts = {
      pizz,
      whistle,
      {BassLine, Tuba, "1 5 _5 5", 1.0, 0.8},
      {Chords, Accordion, ". x . x", 1.0, 0.35, 0.35},
      lane(Block, "x...x...x...x.x.", 0.3, -0.4),
      lane(Shaker, "..x...x...x...x.", 0.5, 0.4),
      kick("x.......x.......", 0.6),
  };
  return s;
}

Song story() {
  Song s;
  s.bpm = 80;
  s.bars = 16;
  s.seed = 103;
  s.room = 0.8;
  s.wet = 0.3;
  s.chords = {"Cm", "Ab", "Fm", "G", "Cm", "Eb", "Ab", "G7"};
  const char* box =
      "G5 . C6 . Eb6 . D6 C6 | C6 - . Ab5 . C6 Eb6 . | F6 . Eb6 . C6 . Ab5 . | B5 - - . D6 . G5 . |"
      "G5 . C6 . Eb6 . G6 . | F6 - Eb6 D6 Eb6 . Bb5 . | C6 . Ab5 . Eb6 . C6 . | B5 - - . G5 - - .";
  s.parts = {
      lead(Celesta, box, 0.8, 0, 16, -1),
      {Arp, Theremin, "5 - - - 3 - - -", 1.0, 0.7, 0.2, -1, 8, 16},
      {Chords, Pad, "x - - - - - - -", 1.0, 0.8, -0.2},
      {BassLine, Pizz, "1 . . . _5 . . .", 0.5, 0.9},
      lane(Tom, "x...............", 0.25, 0.0),
  };
  return s;
}

Song ocean() {
  Song s;
  s.bpm = 180;  // counted in eighths: six to a lilting bar
  s.beats = 6;
  s.bars = 16;
  s.seed = 104;
  s.room = 0.75;
  s.wet = 0.28;
  s.echotime = 1.0;  // three eighths: the tune answers itself across the water
  s.echofb = 0.3;
  s.echowet = 0.18;
  s.chords = {"Gm", "Gm", "Eb", "Eb", "Cm", "D", "Gm", "D7"};
  const char* tune =
      "D5 - G5 - A5 Bb5 | A5 - - G5 - - | G5 - Eb5 - G5 Bb5 | C6 - - Bb5 - - |"
      "Eb5 - G5 - C6 Bb5 | A5 - - F#5 - - | G5 - Bb5 - A5 G5 | F#5 - - D5 - -";
  s.parts = {
      {Melody, Whistle, tune, 1.0, 0.8, 0.0, 0, 0, 16},
      {Melody, Celesta, tune, 1.0, 0.3, 0.2, 1, 8, 16},
      {Arp, Harpsi, "1 5 8 9 8 5", 1.0, 0.3, -0.35},
      {BassLine, Bass, "1 - - 5 - -", 1.0, 0.8},
      {Chords, Pad, "x - - - - -", 1.0, 0.5, 0.25},
  };
  s.extra = [](Stereo& st, double bar) {
    // waves rolling in every two bars, left and right a little apart
    size_t n = st.size();
    Wave l = loopnoise(n, Noise{700, 0, 0.6, Low, {}, 0.9, 105});
    Wave r = loopnoise(n, Noise{650, 0, 0.6, Low, {}, 0.9, 106});
    double period = 2 * bar;
    for (size_t i = 0; i < n; i++) {
      double t = double(i) / rate;
      double a = std::pow(std::sin(pi * t / period), 4.0), b = std::pow(std::sin(pi * (t / period + 0.3)), 4.0);
      st.l[i] += l[i] * float(0.1 + 0.5 * a);
      st.r[i] += r[i] * float(0.1 + 0.5 * b);
    }
  };
  return s;
}

Song storyparty() {
  Song s;
  s.bpm = 140;
  s.bars = 24;
  s.seed = 107;
  s.chords = {"Am", "Am", "F", "G", "Am", "Dm", "E7", "Am"};
  const char* hook =
      "A4 . A4 C5 E5 . A5 . | G5 . E5 . C5 D5 E5 . | F5 . F5 A5 C6 . A5 . | B5 . G5 . D5 . B4 . |"
      "A4 . A4 C5 E5 . A5 . | D6 . C6 . A5 . F5 . | E5 . G#5 . B5 . D6 . | C6 B5 A5 . A4 . . .";
  s.parts = {
      lead(Brass, hook, 0.9),
      lead(Harpsi, hook, 0.5, 8, 24, 1),
      {BassLine, Bass, "1 8 5 8 1 8 5 8", 0.5, 0.9},
      {Chords, Organ, ". x . x . x . x", 0.5, 0.35, 0.3},
      kick("x...x...x...x..."),
      lane(Clap, "....x.......x...", 0.45, -0.1),
      hat("xxxxxxxxxxxxxxxx", 0.25),
      lane(OpenHat, "..x...x...x...x.", 0.25, -0.3),
  };
  return s;
}

Song zombiecrowd() {
  Song s;
  s.bpm = 90;
  s.bars = 12;
  s.seed = 108;
  s.room = 0.7;
  s.chords = {"Em", "C", "Am", "B7"};
  const char* bones =
      "E5 . G5 . B5 . G5 . | C6 . B5 . G5 . E5 . | A5 . C6 . E6 . C6 . | B5 . A5 . G5 . F#5 . |"
      "E5 . G5 . B5 . E6 . | C6 . E6 . G5 . E5 . | A5 . C6 . B5 . A5 . | B5 - - - D#5 - - .";
  s.parts = {
      lead(Marimba, bones, 0.9),
      {BassLine, Tuba, "1 - 5 -", 1.0, 0.9},
      {Chords, Organ, "x - - - - - - -", 0.5, 0.3, 0.25},
      {Arp, Choir, "1 - - - 3 - - -", 0.5, 0.6, -0.25, 0, 4},
      kick("x.......x.......", 0.6),
      lane(Block, "....x.......x...", 0.3, 0.4),
  };
  s.extra = [](Stereo& st, double bar) {
    // the crowd: groans of many throats, wrapped round the loop
    double total = double(st.size()) / rate;
    Rng rng(109);
    for (int i = 0; i < 70; i++) {
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

// Five tunes to play cards to: relaxed, bouncy, each in its own colour.
Song ingame(int n) {
  Song s;
  s.loop = false;
  s.seed = 110 + n;
  switch (n) {
    case 1: {
      s.bpm = 100;
      s.bars = 24;
      s.chords = {"Am", "Dm", "G", "C", "F", "Dm", "E7", "Am"};
      const char* tune =
          "E5 . A5 . C6 . B5 A5 | F5 - A5 - D6 - C6 . | B5 . G5 . D5 . G5 . | C6 - - - E5 - . . |"
          "F5 . A5 . C6 . A5 . | D5 . F5 . A5 - G5 F5 | E5 . G#5 . B5 . D6 . | C6 . B5 . A5 - - .";
      s.parts = {
          lead(Celesta, tune, 0.8, 0, 24),
          lead(Pizz, tune, 0.45, 8, 24, -1),
          {Arp, Harpsi, "1 5 8 5 3 5 8 5", 0.5, 0.35, -0.35},
          {BassLine, Bass, "1 . . 5 8 . 5 .", 0.5, 0.85},
          lane(Shaker, "..x...x...x...x.", 0.4, 0.4),
          kick("x.........x.....", 0.5),
          lane(Block, "....x.......x...", 0.25, -0.3),
      };
      break;
    }
    case 2: {
      s.bpm = 96;
      s.bars = 24;
      s.chords = {"Dm", "A7", "Dm", "Gm", "Bb", "Gm", "A7", "Dm"};
      const char* tune =
          "A4 . D5 . F5 . E5 D5 | C#5 . E5 . A5 - - . | F5 . A5 . D6 . C6 Bb5 | Bb5 - G5 - D5 - . . |"
          "D5 . F5 . Bb5 . A5 G5 | G5 . Bb5 . D6 - C6 Bb5 | A5 . G5 . E5 . C#5 . | D5 - - - . . . .";
      Part pz = lead(Pizz, tune, 1.0);
      pz.swing = 0.18;
      Part mr = lead(Marimba, tune, 0.5, 8, 24, 1);
      mr.swing = 0.18;
      s.parts = {
          pz,
          mr,
          {BassLine, Tuba, "1 5 _5 5", 1.0, 0.75},
          {Arp, Marimba, ". 3 . 5 . 3 . 5", 0.5, 0.35, 0.4, 0, 0, 1 << 30, 0.18},
          lane(Hat, "x.x.x.x.x.x.x.x.", 0.3, 0.3),
          lane(Snare, "....g.......g...", 0.5, 0.0),
      };
      break;
    }
    case 3: {
      s.bpm = 108;
      s.bars = 24;
      s.chords = {"Gm", "Gm", "Cm", "D7", "Eb", "Cm", "D7", "Gm"};
      const char* tune =
          "G4 - Bb4 - D5 - G5 - | F#5 - - - D5 - - - | Eb5 - G5 - C6 - Bb5 A5 | A5 - - - F#5 - - - |"
          "G5 - Bb5 - Eb6 - D6 C6 | C6 - Bb5 A5 G5 - Eb5 - | D5 - F#5 - A5 - C6 - | Bb5 - A5 - G5 - - -";
      s.parts = {
          lead(Theremin, tune, 0.9, 0, 24),
          {Chords, Organ, "x - - . x - . .", 0.5, 0.4, 0.3},
          {BassLine, Bass, "1 . 5 . 1 . 5 .", 0.5, 0.9},
          {Arp, Pizz, "8 . 5 . 9 . 5 .", 0.5, 0.4, -0.4, 0, 8, 24},
          lane(Block, "x..x..x...x..x..", 0.3, -0.3),
          kick("x.......x.......", 0.55),
          lane(Shaker, "xxxxxxxxxxxxxxxx", 0.25, 0.45),
      };
      break;
    }
    case 4: {
      s.bpm = 138;
      s.beats = 3;  // a spooky waltz
      s.bars = 40;
      s.chords = {"Em", "Em", "Am", "Am", "B7", "B7", "Em", "Em",
                  "C", "C", "Am", "Am", "F#dim", "B7", "Em", "Em"};
      const char* tune =
          "B4 - E5 | G5 - - | A5 - C6 | E5 - - | D#5 - F#5 | A5 - - | G5 - F#5 | E5 - - |"
          "E5 - G5 | C6 - - | C6 - B5 | A5 - - | A5 - C6 | B5 - D#5 | E5 - - | . . . |"
          "E5 - G5 | B5 - - | C6 - B5 | A5 - - | F#5 - A5 | B5 - - | G5 - E5 | B4 - - |"
          "G5 - E5 | C5 - - | E5 - A5 | C6 - - | D#5 - F#5 | A5 - F#5 | E5 - - | . . .";
      s.parts = {
          {Melody, Celesta, tune, 1.0, 0.8, 0.0, 0, 0, 40},
          {Melody, Accordion, tune, 1.0, 0.5, 0.15, -1, 16, 40},
          {BassLine, Tuba, "1 . .", 1.0, 0.85},
          {Chords, Accordion, ". x x", 1.0, 0.3, -0.3},
          lane(Block, "....x...x...", 0.25, 0.35),
      };
      break;
    }
    default: {
      s.bpm = 116;
      s.bars = 32;
      s.chords = {"Cm", "Fm", "Bb", "Eb", "Ab", "Fm", "G7", "Cm"};
      const char* tune =
          "C5 . Eb5 G5 . Eb5 C6 . | Ab5 . F5 . C5 . F5 . | D5 . F5 Bb5 . F5 D6 . | Eb6 - - . G5 - - . |"
          "Ab5 . C6 . Eb6 . C6 . | F5 . Ab5 . C6 . Ab5 G5 | G5 . B5 . D6 . F6 . | Eb6 . D6 . C6 - - .";
      s.parts = {
          lead(Marimba, tune, 0.9),
          lead(Whistle, tune, 0.45, 16, 32),
          {BassLine, Bass, "1 . 8 . 5 . 8 .", 0.5, 0.85},
          {Arp, Pizz, "5 3 1 3 5 3 1 3", 0.5, 0.3, -0.35, 0, 8, 32},
          {Chords, Pad, "x - - - - - - -", 0.5, 0.45, 0.3},
          kick("x.....x...x.....", 0.55),
          lane(Clap, "....x.......x...", 0.3, -0.1),
          hat("..x...x...x...x.", 0.3),
      };
      break;
    }
  }
  return s;
}

Song win() {
  Song s;
  s.loop = false;
  s.bpm = 120;
  s.bars = 16;
  s.seed = 120;
  s.tail = 2.5;
  s.chords = {"A", "D", "E", "A", "F#m", "D", "E7", "A"};
  const char* fanfare =
      "A4 . A4 A4 E5 - - . | D5 . F#5 . A5 - - . | G#5 . F#5 . E5 . B4 . | A4 - C#5 - E5 - - . |"
      "F#5 . F#5 F#5 A5 - - F#5 | D5 . F#5 . A5 - - . | B5 . A5 . G#5 . E5 . | A5 - - - . . . .";
  s.parts = {
      lead(Brass, fanfare, 1.0),
      lead(Harpsi, fanfare, 0.45, 8, 16, 1),
      {Arp, Celesta, "1 3 5 8 5 3 5 8", 0.5, 0.3, -0.35},
      {BassLine, Tuba, "1 5 1 5", 1.0, 0.85},
      {Chords, Pad, "x - - - - - - -", 0.5, 0.5, 0.3},
      lane(Tom, "x...........x...", 0.6, 0.0),
      snare("x.xxx.x.x.xxx.x.", 0.3),
      {Chords, Brass, "x - - - - - - -", 0.5, 0.45, 0.0, 0, 15, 16},  // the last chord, held
  };
  return s;
}

Song fail() {
  Song s;
  s.bpm = 72;
  s.bars = 10;
  s.seed = 121;
  s.chords = {"Dm", "Dm", "Gm", "A7", "Dm", "Bb", "A7", "Dm", "Gm", "A7"};
  const char* wah =
      "A4 . G#4 . | G4 . F#4 - | Bb4 . A4 . | G4 - E4 - | F4 . E4 . | D4 - F4 - | E4 . C#4 . | D4 - - - |"
      "G4 . Bb4 . | A4 - - -";
  s.parts = {
      {Melody, Trombone, wah, 1.0, 1.0, 0.0},
      {BassLine, Tuba, "1 . _5 .", 1.0, 0.8},
      {Chords, Organ, "x - - -", 1.0, 0.25, 0.3},
      lane(Shaker, "....x.......x...", 0.4, 0.4),
      lane(Block, "x.......x.......", 0.2, -0.4),
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

int makemusic() {
  saveogg("music/menu.ogg", menu());
  saveogg("music/shop.ogg", shop());
  saveogg("music/story.ogg", story());
  saveogg("music/ocean.ogg", ocean());
  saveogg("music/storyparty.ogg", storyparty());
  saveogg("music/zombiecrowd.ogg", zombiecrowd());
  for (int i = 1; i <= 5; i++) saveogg("music/ingame" + std::to_string(i) + ".ogg", ingame(i));
  savewav("music/win.wav", win());
  savewav("music/fail.wav", fail());
  return 13;
}

}  // namespace sfx
