// The game's sound effects: cards, cash, items, birds and pigs, stars and fanfares.
#include "tools/forge/forge_audio_kit.h"

namespace sfx {

// ---- Shared little generators (also used by the story sounds) ----

void swish(Wave& w, double t0, double dur, double f0, double f1, double amp, uint32_t seed, double q) {
  addnoise(w, t0, dur, Noise{f0, f1, q, Bandpass, {dur * 0.45, dur * 0.5, 0.15, dur * 0.35}, amp, seed});
}

void tap(Wave& w, double t0, double f, double amp, uint32_t seed) {
  addmodal(w, t0, f, wood(0.018), amp, 0.0005);
  addnoise(w, t0, 0.004, Noise{4500, 0, 0.8, High, {0.0003, 0.003, 0, 0.003}, amp * 0.5, seed});
}

void thump(Wave& w, double t0, double f, double amp, double len) {
  Tone t;
  t.curve = [f](double u) { return f * (1 + 0.8 * std::exp(-u * 8)); };
  t.env = {0.002, len * 0.6, 0, len * 0.4};
  t.amp = amp;
  addtone(w, t0, len, t);
}

void chime(Wave& w, double t0, const std::vector<int>& midi, double gap, double amp, Instr ins, uint32_t seed) {
  Rng rng(seed);
  for (size_t i = 0; i < midi.size(); i++) {
    if (midi[i] <= 0) continue;
    Wave n = note(ins, midihz(midi[i]), gap * 1.5 + 0.2, amp, rng);
    mixin(w, n, t0 + i * gap);
  }
}

void sparkle(Wave& w, double t0, double dur, int count, double lo, double hi, double amp, uint32_t seed) {
  Rng rng(seed);
  for (int i = 0; i < count; i++) {
    double t = t0 + dur * std::pow(rng.uni(), 1.3);
    double f = lo * std::pow(hi / lo, rng.uni());
    addmodal(w, t, f, glass(rng.range(0.04, 0.14)), amp * rng.range(0.3, 1.0), 0.001);
  }
}

void boom(Wave& w, double t0, double amp, double tail, uint32_t seed) {
  addnoise(w, t0, tail, Noise{6000, 180, 0.7, Low, {0.001, tail * 0.35, 0, tail * 0.6}, amp, seed});
  addnoise(w, t0, 0.03, Noise{3000, 0, 0.6, High, {0.0005, 0.02, 0, 0.01}, amp * 0.8, seed + 1});
  Tone t;
  t.curve = [](double u) { return 38 + 90 * std::exp(-u * 6); };
  t.env = {0.002, tail * 0.4, 0, tail * 0.3};
  t.amp = amp * 1.1;
  addtone(w, t0, tail * 0.6, t);
}

void groan(Wave& w, double t0, double dur, double f0, double f1, double rough, double amp, uint32_t seed) {
  Voice v;
  v.pitch = [f0, f1](double u) { return f0 * std::pow(f1 / f0, u) * (1 + 0.04 * std::sin(u * 19)); };
  v.f1 = 520, v.f2 = 1100, v.f3 = 2400;  // "uh" closing to "oh"
  v.f1end = 380, v.f2end = 800;
  v.rough = rough;
  v.breath = 0.25;
  v.env = {0.08, dur * 0.5, 0.7, dur * 0.3};
  v.amp = amp;
  v.seed = seed;
  addvoice(w, t0, dur, v);
}

void chirp(Wave& w, double t0, double dur, double f0, double f1, double amp, double wobble) {
  Tone t;
  t.curve = [f0, f1, wobble](double u) {
    return f0 * std::pow(f1 / f0, u) * (1 + wobble * std::sin(u * 2 * pi * 3));
  };
  t.env = {dur * 0.15, dur * 0.5, 0.6, dur * 0.3};
  t.amp = amp;
  addtone(w, t0, dur, t);
}

void oink(Wave& w, double t0, double dur, double f0, double f1, double amp, uint32_t seed) {
  Voice v;
  v.pitch = [f0, f1](double u) { return f0 * std::pow(f1 / f0, u); };
  v.f1 = 650, v.f2 = 1500, v.f3 = 2800;  // nasal snout
  v.rough = 0.55;
  v.breath = 0.2;
  v.env = {0.015, dur * 0.6, 0.5, dur * 0.35};
  v.amp = amp;
  v.seed = seed;
  addvoice(w, t0, dur, v);
}

void brassstab(Wave& w, double t0, const std::vector<int>& midi, double dur, double amp, uint32_t seed) {
  Rng rng(seed);
  for (int m : midi) mixin(w, note(Brass, midihz(m), dur, amp, rng), t0);
}

void rustle(Wave& w, double t0, double dur, double density, double amp, uint32_t seed) {
  addnoise(w, t0, dur, Noise{3500, 2500, 0.8, Bandpass, {dur * 0.2, dur * 0.4, 0.5, dur * 0.3}, amp, seed, density});
  addnoise(w, t0, dur, Noise{5000, 0, 0.7, High, {dur * 0.2, dur * 0.4, 0.4, dur * 0.3}, amp * 0.12, seed + 3});
}

// ---- The sound table ----

namespace {

Wave cardflip(bool up, uint32_t seed) {
  Wave w;
  swish(w, 0, 0.07, up ? 1800 : 4200, up ? 4800 : 1600, 0.5, seed, 1.0);
  tap(w, 0.075, up ? 1900 : 1300, 0.35, seed + 1);
  return w;
}

Wave kaching(double bellhz, bool drawer, int coins, uint32_t seed) {
  Wave w;
  tap(w, 0, 1400, 0.5, seed);
  tap(w, 0.05, 1100, 0.4, seed + 1);
  if (drawer) {
    addnoise(w, 0.08, 0.18, Noise{900, 500, 1.5, Bandpass, {0.02, 0.1, 0.4, 0.05}, 0.35, seed + 2});
    thump(w, 0.26, 140, 0.5, 0.12);
  }
  double tb = drawer ? 0.22 : 0.1;
  addmodal(w, tb, bellhz, glass(0.3), 0.45, 0.001);
  addmodal(w, tb + 0.005, bellhz * 1.5, glass(0.22), 0.25, 0.001);
  Rng rng(seed + 3);
  for (int i = 0; i < coins; i++)
    addmodal(w, tb + 0.05 + rng.uni() * 0.35, rng.range(3500, 6500), glass(0.05), 0.2 * rng.range(0.4, 1.0));
  return w;
}

Wave starfanfare(int star) {
  // each star climbs a step higher and rings a little longer
  static const int roots[3] = {60, 64, 67};
  int r = roots[star - 1];
  Wave w;
  chime(w, 0, {r, r + 4, r + 7, r + 12}, 0.07, 0.6, Celesta, 50 + star);
  brassstab(w, 0.28, {r - 12, r - 5, r, r + 4}, 0.25 + 0.15 * star, 0.5, 60 + star);
  sparkle(w, 0.28, 0.5 + 0.2 * star, 6 + 4 * star, 3000, 9000, 0.2, 70 + star);
  return w;
}

Wave bird(double base, int notes, double gap, double wobble, uint32_t seed) {
  Wave w;
  Rng rng(seed);
  for (int i = 0; i < notes; i++) {
    double f = base * rng.range(0.9, 1.15);
    chirp(w, i * gap, rng.range(0.04, 0.09), f, f * rng.range(1.3, 1.8), 0.45, wobble);
  }
  return w;
}

Wave bowling(double roll, bool strike, uint32_t seed) {
  Wave w;
  if (roll > 0) {
    addnoise(w, 0, roll, Noise{160, 260, 1.5, Low, {roll * 0.3, roll * 0.6, 0.7, 0.08}, 0.6, seed});
    Tone r;
    r.curve = [](double u) { return 55 + 25 * u; };
    r.env = {roll * 0.3, roll, 0.8, 0.08};
    r.amp = 0.18;
    addtone(w, 0, roll, r);
  }
  Rng rng(seed + 1);
  int pins = strike ? 10 : 4;
  for (int i = 0; i < pins; i++) {
    double t = roll + std::pow(rng.uni(), 1.6) * (strike ? 0.45 : 0.25);
    addmodal(w, t, rng.range(600, 1100), wood(rng.range(0.04, 0.08)), rng.range(0.3, 0.6));
    addnoise(w, t, 0.01, Noise{2500, 0, 0.8, Bandpass, {0.0005, 0.008, 0, 0.005}, 0.3, seed + 10 + i});
  }
  if (strike) addnoise(w, roll, 0.3, Noise{1800, 900, 0.6, Bandpass, {0.002, 0.12, 0, 0.15}, 0.35, seed + 30});
  return w;
}

Wave shotgun(bool pump, uint32_t seed) {
  Wave w;
  double t = 0;
  if (pump) {
    addmodal(w, 0, 900, metal(0.03), 0.35);
    addnoise(w, 0.005, 0.06, Noise{2000, 1200, 1.2, Bandpass, {0.005, 0.04, 0.2, 0.02}, 0.3, seed});
    addmodal(w, 0.14, 1200, metal(0.03), 0.4);
    t = 0.3;
  }
  boom(w, t, 0.9, 0.7, seed + 1);
  reverbmono(w, 0.5, 0.4, 0.25);
  return w;
}

Wave paper(double dur, double f0, double f1, uint32_t seed) {
  Wave w;
  rustle(w, 0, dur, 180, 0.5, seed);
  swish(w, 0, dur, f0, f1, 0.2, seed + 1, 0.8);
  return w;
}

struct Sound {
  const char* name;
  std::function<Wave()> make;
  double loud;
};

std::vector<Sound> table() {
  return {
      {"click.ogg", [] {
         Wave w;
         tap(w, 0, 2400, 0.6, 1);
         addtone(w, 0, 0.01, Tone{1800, 1200, {}, Sine, {0.0005, 0.006, 0, 0.004}, 0.3});
         return w;
       }, 0.16},
      {"select.ogg", [] {
         Wave w;
         chime(w, 0, {72, 79}, 0.07, 0.7, Marimba, 2);
         tap(w, 0, 2000, 0.3, 3);
         return w;
       }, 0.17},
      {"gamebutt1.ogg", [] {
         Wave w;
         Tone t{500, 950, {}, Sine, {0.002, 0.05, 0.3, 0.04}, 0.6};
         addtone(w, 0, 0.06, t);
         tap(w, 0, 1600, 0.3, 4);
         return w;
       }, 0.16},
      {"levelselection.ogg", [] {
         Wave w;
         chime(w, 0, {69, 76, 81}, 0.06, 0.6, Marimba, 5);
         return w;
       }, 0.17},
      {"extracardselection.ogg", [] {
         Wave w;
         chime(w, 0, {76, 81, 84, 88}, 0.06, 0.55, Celesta, 6);
         swish(w, 0, 0.12, 2000, 5000, 0.2, 7);
         return w;
       }, 0.17},
      {"turnup.ogg", [] { return cardflip(true, 8); }, 0.16},
      {"turndown.ogg", [] { return cardflip(false, 9); }, 0.15},
      {"card-takeout.ogg", [] {
         Wave w;
         swish(w, 0, 0.18, 1200, 5200, 0.55, 10, 0.9);
         tap(w, 0.0, 1700, 0.25, 11);
         return w;
       }, 0.16},
      {"card-stable.ogg", [] {
         Wave w;
         swish(w, 0, 0.14, 4500, 1500, 0.45, 12, 0.9);
         tap(w, 0.14, 1100, 0.5, 13);
         thump(w, 0.14, 170, 0.25, 0.06);
         return w;
       }, 0.17},
      {"card-column.ogg", [] {
         Wave w;
         swish(w, 0, 0.09, 3800, 1800, 0.35, 14, 1.0);
         tap(w, 0.09, 850, 0.55, 15);
         return w;
       }, 0.16},
      {"card-columnspecial.ogg", [] {
         Wave w;
         swish(w, 0, 0.09, 3800, 1800, 0.35, 16, 1.0);
         tap(w, 0.09, 850, 0.5, 17);
         chime(w, 0.1, {84, 88, 91}, 0.05, 0.4, Celesta, 18);
         sparkle(w, 0.1, 0.35, 8, 4000, 9000, 0.15, 19);
         return w;
       }, 0.17},
      {"turnallup.ogg", [] {
         Wave w;
         for (int i = 0; i < 9; i++) mixin(w, cardflip(true, 20 + i), i * 0.065, 0.8 + 0.02 * i);
         return w;
       }, 0.17},
      {"cash.ogg", [] { return kaching(2600, true, 10, 30); }, 0.18},
      {"cash2-1.ogg", [] { return kaching(2900, false, 4, 31); }, 0.17},
      {"cash2-2.ogg", [] { return kaching(3300, false, 7, 32); }, 0.17},
      {"glitter.ogg", [] {
         Wave w;
         sparkle(w, 0, 0.8, 26, 3500, 11000, 0.3, 33);
         return w;
       }, 0.15},
      {"doublesuns.ogg", [] {
         Wave w;
         addfm(w, 0, 1.5, midihz(76), 3.01, 2.0, 0.5, 0.35);
         addfm(w, 0.18, 1.5, midihz(83), 3.01, 2.0, 0.5, 0.35);
         Tone t{600, 2400, {}, Tri, {0.3, 0.3, 0.5, 0.2}, 0.12};
         addtone(w, 0, 0.45, t);
         sparkle(w, 0.1, 0.9, 18, 4000, 10000, 0.2, 34);
         return w;
       }, 0.17},
      {"ninja1.ogg", [] {
         Wave w;
         swish(w, 0, 0.16, 900, 6500, 0.7, 35, 2.2);
         return w;
       }, 0.18},
      {"ninja2.ogg", [] {
         Wave w;
         swish(w, 0, 0.1, 1200, 7000, 0.6, 36, 2.2);
         swish(w, 0.11, 0.12, 6000, 1500, 0.6, 37, 2.2);
         addmodal(w, 0.2, 3100, glass(0.35), 0.25);
         return w;
       }, 0.18},
      {"failure.ogg", [] {
         Wave w;
         Rng rng(38);
         mixin(w, note(Trombone, midihz(52), 0.25, 0.8, rng), 0);
         Wave low = note(Trombone, midihz(47), 0.7, 0.8, rng);
         mixin(w, low, 0.3);
         return w;
       }, 0.13},
      {"lose.ogg", [] {
         Wave w;
         Rng rng(39);
         int ns[4] = {55, 54, 53, 52};
         for (int i = 0; i < 3; i++) mixin(w, note(Trombone, midihz(ns[i]), 0.3, 0.8, rng), i * 0.36);
         Tone t;
         t.shape = Saw;
         t.curve = [](double u) { return midihz(52 - 0.5 * u) * (1 + 0.02 * std::sin(u * 2 * pi * 6)); };
         t.env = {0.05, 0.3, 0.8, 0.25};
         t.amp = 0.35;
         t.cutoff = 400;
         t.cutoffend = 900;
         t.q = 1.8;
         addtone(w, 1.08, 1.0, t);
         return w;
       }, 0.13},
      {"joker.ogg", [] {
         Wave w;
         chime(w, 0, {67, 71, 74, 77, 79}, 0.05, 0.5, Marimba, 40);
         Tone boing;
         boing.curve = [](double u) { return 180 * (1 + 0.5 * u) * (1 + 0.25 * std::sin(u * 2 * pi * 9) * (1 - u)); };
         boing.env = {0.005, 0.2, 0.5, 0.2};
         boing.amp = 0.35;
         addtone(w, 0.28, 0.4, boing);
         Rng rng(41);
         for (int i = 0; i < 12; i++)  // the jester's hat bells
           addmodal(w, 0.25 + rng.uni() * 0.5, rng.range(4000, 5500), metal(0.06), 0.12);
         return w;
       }, 0.17},
      {"killedzombie.ogg", [] {
         Wave w;
         groan(w, 0, 0.7, 150, 70, 0.7, 0.6, 42);
         addnoise(w, 0.55, 0.12, Noise{1500, 300, 1.0, Low, {0.002, 0.08, 0, 0.05}, 0.6, 43});
         thump(w, 0.55, 90, 0.5, 0.15);
         addnoise(w, 0.6, 0.35, Noise{2500, 600, 0.8, Bandpass, {0.01, 0.2, 0.1, 0.15}, 0.25, 44});
         return w;
       }, 0.18},
      {"bloodsplat.ogg", [] {
         Wave w;
         addnoise(w, 0, 0.16, Noise{1800, 250, 1.4, Low, {0.002, 0.1, 0, 0.06}, 0.8, 45});
         Tone blorp{320, 90, {}, Sine, {0.002, 0.08, 0.2, 0.05}, 0.5};
         addtone(w, 0, 0.12, blorp);
         Rng rng(46);
         for (int i = 0; i < 4; i++) {  // little drops landing after the splat
           double t = 0.18 + i * 0.07 + rng.uni() * 0.04, f = rng.range(700, 1200);
           addtone(w, t, 0.03, Tone{f, f * 1.8, {}, Sine, {0.002, 0.02, 0, 0.01}, 0.2});
         }
         return w;
       }, 0.18},
      {"bowling1.ogg", [] { return bowling(1.1, false, 47); }, 0.17},
      {"bowling2.ogg", [] { return bowling(0.6, true, 48); }, 0.18},
      {"bowling3.ogg", [] { return bowling(0, true, 49); }, 0.18},
      {"shotgun1.ogg", [] { return shotgun(false, 50); }, 0.2},
      {"shotgun2.ogg", [] { return shotgun(true, 51); }, 0.2},
      {"pig1.ogg", [] {
         Wave w;
         oink(w, 0, 0.16, 210, 150, 0.6, 52);
         oink(w, 0.24, 0.2, 230, 140, 0.6, 53);
         return w;
       }, 0.18},
      {"pig2.ogg", [] {
         Wave w;
         Voice v;
         v.pitch = [](double u) { return 700 + 700 * std::sin(u * pi) * (1 + 0.05 * std::sin(u * 60)); };
         v.f1 = 1100, v.f2 = 2200, v.f3 = 3500;
         v.rough = 0.3;
         v.breath = 0.15;
         v.env = {0.03, 0.3, 0.8, 0.1};
         v.amp = 0.5;
         v.seed = 54;
         addvoice(w, 0, 0.55, v);
         return w;
       }, 0.17},
      {"pigcannon.ogg", [] {
         Wave w;
         boom(w, 0, 0.8, 0.6, 55);
         Voice v;
         v.pitch = [](double u) { return 1300 * std::pow(0.55, u) * (1 + 0.04 * std::sin(u * 70)); };
         v.f1 = 1100, v.f2 = 2200, v.f3 = 3500;
         v.rough = 0.3;
         v.breath = 0.15;
         v.env = {0.05, 0.5, 0.7, 0.3};
         v.amp = 0.35;
         v.seed = 56;
         addvoice(w, 0.1, 0.9, v);
         reverbmono(w, 0.5, 0.4, 0.2);
         return w;
       }, 0.19},
      {"bird1.ogg", [] { return bird(2800, 3, 0.11, 0.05, 57); }, 0.15},
      {"bird2.ogg", [] { return bird(3600, 6, 0.07, 0.1, 58); }, 0.15},
      {"bird3.ogg", [] {
         Wave w;
         chirp(w, 0, 0.25, 4200, 1900, 0.45, 0.02);
         chirp(w, 0.3, 0.12, 2500, 3900, 0.4, 0.1);
         chirp(w, 0.45, 0.12, 2500, 3900, 0.4, 0.1);
         return w;
       }, 0.15},
      {"randomextra1.ogg", [] {
         Wave w;
         double t = 0;
         for (int i = 0; i < 12; i++) {  // a little wheel ticking to a stop
           tap(w, t, 2200 - i * 40, 0.4, 60 + i);
           t += 0.035 + i * i * 0.0022;
         }
         chime(w, t, {79, 84, 88}, 0.06, 0.6, Celesta, 61);
         sparkle(w, t, 0.4, 8, 4000, 9000, 0.2, 62);
         return w;
       }, 0.17},
      {"BFGSlap.ogg", [] {
         Wave w;
         addnoise(w, 0, 0.05, Noise{2200, 1200, 0.5, Bandpass, {0.0005, 0.03, 0, 0.03}, 1.0, 63});
         addnoise(w, 0, 0.01, Noise{6000, 0, 0.7, High, {0.0003, 0.006, 0, 0.004}, 0.6, 64});
         thump(w, 0, 110, 0.7, 0.14);
         reverbmono(w, 0.3, 0.5, 0.15);
         return w;
       }, 0.21},
      {"loading.ogg", [] {
         Wave w;
         Rng rng(65);
         for (int m : {45, 52, 57, 60}) mixin(w, note(Organ, midihz(m), 2.2, 0.6, rng), 0);
         Tone th;
         th.curve = [](double u) { return midihz(69 + 7 * std::sin(u * pi * 0.5) - 2 * u) ; };
         th.env = {0.6, 1.0, 0.8, 0.6};
         th.amp = 0.25;
         th.vibhz = 5.5;
         th.vibdepth = 0.3;
         addtone(w, 0.3, 2.0, th);
         reverbmono(w, 0.8, 0.3, 0.3);
         return w;
       }, 0.15},
      {"logoappear.ogg", [] {
         Wave w;
         swish(w, 0, 0.8, 300, 3000, 0.4, 66, 0.7);
         Rng rng(67);
         for (int m : {57, 64, 69, 72, 76}) mixin(w, note(Pad, midihz(m), 1.2, 0.9, rng), 0.3);
         chime(w, 0.6, {81, 84, 88, 93}, 0.08, 0.5, Celesta, 68);
         sparkle(w, 0.6, 1.0, 14, 3000, 9000, 0.2, 69);
         reverbmono(w, 0.8, 0.3, 0.25);
         return w;
       }, 0.16},
      {"newitem.ogg", [] {
         Wave w;
         chime(w, 0, {72, 76, 79, 84, 88}, 0.055, 0.6, Celesta, 70);
         chime(w, 0, {60, 64, 67, 72}, 0.055, 0.4, Harpsi, 71);
         sparkle(w, 0.2, 0.5, 10, 4000, 9000, 0.2, 72);
         return w;
       }, 0.17},
      {"winpoints.ogg", [] {
         Wave w;
         for (int i = 0; i < 14; i++) {
           double f = midihz(72 + i);
           addtone(w, i * 0.045, 0.03, Tone{f, 0, {}, Square, {0.001, 0.02, 0.3, 0.01}, 0.12});
         }
         addmodal(w, 14 * 0.045, midihz(96), glass(0.4), 0.3);
         return w;
       }, 0.16},
      {"suddenstrike.ogg", [] {
         Wave w;
         brassstab(w, 0, {45, 52, 57, 60, 63}, 0.5, 0.7, 73);
         for (int i = 0; i < 3; i++) mixin(w, [&] { Rng r(74 + i); return note(Tom, 90 - i * 12, 0.3, 0.9, r); }(), i * 0.09);
         addnoise(w, 0, 1.2, Noise{6500, 4000, 0.6, High, {0.002, 0.6, 0.1, 0.5}, 0.25, 75});
         reverbmono(w, 0.7, 0.4, 0.25);
         return w;
       }, 0.2},
      {"clearedcolumn.ogg", [] {
         Wave w;
         chime(w, 0, {67, 69, 72, 74, 76, 79, 81, 84}, 0.035, 0.5, Marimba, 76);
         addmodal(w, 0.3, midihz(91), bell(0.6), 0.2);
         sparkle(w, 0.25, 0.4, 8, 4000, 9000, 0.15, 77);
         return w;
       }, 0.17},
      {"longdrive.ogg", [] {
         Wave w;
         swish(w, 0, 0.22, 500, 3000, 0.5, 78, 1.0);
         addmodal(w, 0.22, 1800, metal(0.08), 0.4);
         tap(w, 0.22, 1500, 0.4, 79);
         Tone fly;
         fly.curve = [](double u) { return 900 * std::pow(2.5, u) ; };
         fly.env = {0.05, 0.6, 0.6, 0.3};
         fly.amp = 0.18;
         fly.vibhz = 7;
         fly.vibdepth = 0.2;
         addtone(w, 0.25, 0.8, fly);
         chime(w, 1.0, {79, 84, 91}, 0.07, 0.5, Celesta, 80);
         return w;
       }, 0.17},
      {"maxbonus.ogg", [] {
         Wave w;
         brassstab(w, 0, {60, 64, 67}, 0.18, 0.55, 81);
         brassstab(w, 0.2, {65, 69, 72}, 0.18, 0.55, 82);
         brassstab(w, 0.4, {67, 72, 76, 79}, 0.7, 0.55, 83);
         sparkle(w, 0.4, 1.0, 22, 3500, 10000, 0.22, 84);
         return w;
       }, 0.19},
      {"winstar1.ogg", [] { return starfanfare(1); }, 0.18},
      {"winstar2.ogg", [] { return starfanfare(2); }, 0.18},
      {"winstar3.ogg", [] { return starfanfare(3); }, 0.19},
      {"winstrike.ogg", [] {
         Wave w = bowling(0, true, 85);
         brassstab(w, 0.3, {55, 60, 64, 67}, 0.15, 0.5, 86);
         brassstab(w, 0.5, {60, 64, 67, 72}, 0.6, 0.55, 87);
         return w;
       }, 0.19},
      {"earnplant.ogg", [] {
         Wave w;
         rustle(w, 0, 0.35, 250, 0.3, 88);
         Tone grow;
         grow.curve = [](double u) { return 220 * std::pow(3.0, u) * (1 + 0.06 * std::sin(u * 2 * pi * 6)); };
         grow.env = {0.02, 0.4, 0.7, 0.05};
         grow.amp = 0.3;
         grow.shape = Tri;
         addtone(w, 0.05, 0.4, grow);
         addtone(w, 0.47, 0.04, Tone{500, 1400, {}, Sine, {0.001, 0.03, 0, 0.02}, 0.45});  // pop
         chime(w, 0.5, {79, 86}, 0.07, 0.4, Celesta, 89);
         return w;
       }, 0.17},
      {"paper.ogg", [] { return paper(0.35, 2500, 4000, 90); }, 0.15},
      {"paper2.ogg", [] { return paper(0.8, 1800, 4500, 91); }, 0.15},
      {"paperback.ogg", [] { return paper(0.55, 4500, 1600, 92); }, 0.15},
      {"finish.ogg", [] {
         Wave w;
         chime(w, 0, {72, 76, 79, 84}, 0.1, 0.6, Celesta, 93);
         addmodal(w, 0.4, midihz(84), bell(0.9), 0.25);
         sparkle(w, 0.3, 0.8, 10, 4000, 9000, 0.15, 94);
         return w;
       }, 0.17},
  };
}

}  // namespace

int makesounds() {
  int n = 0;
  for (auto& s : table()) {
    savesound(std::string("sound/") + s.name, s.make(), s.loud);
    n++;
  }
  return n;
}

}  // namespace sfx
