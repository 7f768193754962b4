// The game's sound effects: cards, cash, items, birds and pigs, stars and fanfares.
// Things that are hit, moved or opened are forces ringing bodies (forge_audio_bodies.cpp);
// creatures are throats; the little tunes keep every note short and shimmering, so none of
// them turns into a held beep.
#include "tools/forge/forge_audio_kit.h"

namespace sfx {

// ---- Shared little generators (also used by the story sounds) ----

void swish(Wave& w, double t0, double dur, double f0, double f1, double amp, uint32_t seed, double q) {
  addnoise(w, t0, dur, Noise{f0, f1, q, Bandpass, {dur * 0.45, dur * 0.5, 0.15, dur * 0.35}, amp, seed});
}

void tap(Wave& w, double t0, double f, double amp, uint32_t seed) {
  strike(w, t0, woodbody(f, 0.012, seed), 0.0007, 0.8, amp * 0.5, seed + 1);
}

void thump(Wave& w, double t0, double f, double amp, double len) {
  Tone t;
  t.curve = [f](double u) { return f * (1 + 0.8 * std::exp(-u * 8)); };
  t.env = {0.002, len * 0.6, 0, len * 0.4};
  t.amp = amp;
  addtone(w, t0, len, t);
  addnoise(w, t0, len * 0.5, Noise{f * 3, 0, 0.7, Low, {0.001, len * 0.2, 0, len * 0.2}, amp * 0.5, uint32_t(f * 7)});
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
    strike(w, t, glassbody(f, rng.range(0.02, 0.05), rng.next()), 0.0003, 1.0, amp * rng.range(0.3, 1.0), rng.next());
  }
  // the air around the glints
  addnoise(w, t0, dur, Noise{9000, 6000, 0.8, High, {dur * 0.2, dur * 0.5, 0.3, dur * 0.3}, amp * 0.25, seed + 7});
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
  // A zombie's moan: the pitch sags and wobbles, the mouth closes from "ah" to "oh", and the
  // throat rattles (fry) as it runs out of breath.
  Throat th;
  th.pitch = [f0, f1, seed](double u) {
    double wob = 0.05 * std::sin(u * (11 + seed % 5)) + 0.03 * std::sin(u * 29);
    return f0 * std::pow(f1 / f0, u) * (1 + 0.12 * std::sin(pi * std::min(1.0, u * 2.5)) + wob);
  };
  th.vowelstart = vowel('a');
  th.vowelend = vowel('o');
  th.fry = rough * 0.5;
  th.rough = rough * 0.35;
  th.breath = 0.3;
  th.jitter = 0.015;
  th.shimmer = 0.15;
  th.env = {0.08, dur * 0.5, 0.7, dur * 0.3};
  th.amp = amp;
  th.seed = seed;
  addthroat(w, t0, dur, th);
}

void chirp(Wave& w, double t0, double dur, double f0, double f1, double amp, double wobble) {
  Tone t;
  t.curve = [f0, f1, wobble](double u) {
    return f0 * std::pow(f1 / f0, u) * (1 + wobble * std::sin(u * 2 * pi * 3));
  };
  t.env = {dur * 0.15, dur * 0.5, 0.6, dur * 0.3};
  t.amp = amp;
  addtone(w, t0, dur, t);
  // a bird's syrinx is never a pure whistle: a quiet second harmonic follows the sweep
  Tone h = t;
  h.curve = [f0, f1, wobble](double u) {
    return 2 * f0 * std::pow(f1 / f0, u) * (1 + wobble * std::sin(u * 2 * pi * 3));
  };
  h.amp = amp * 0.18;
  addtone(w, t0, dur, h);
}

void oink(Wave& w, double t0, double dur, double f0, double f1, double amp, uint32_t seed) {
  // A grunt through the snout: nasal, rattling, the pitch dropping; a snort of breath first.
  addnoise(w, t0, 0.05, Noise{900, 600, 2.5, Bandpass, {0.005, 0.03, 0.3, 0.02}, amp * 0.5, seed + 11});
  Throat th;
  th.pitch = [f0, f1](double u) { return f0 * std::pow(f1 / f0, u) * (1 + 0.15 * std::sin(pi * u)); };
  th.vowelstart = vowel('n');
  th.vowelend = vowel('o');
  th.fry = 0.45;
  th.rough = 0.3;
  th.breath = 0.3;
  th.jitter = 0.02;
  th.shimmer = 0.2;
  th.open = 0.45;
  th.env = {0.012, dur * 0.6, 0.6, dur * 0.3};
  th.amp = amp;
  th.seed = seed;
  addthroat(w, t0 + 0.02, dur, th);
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

// A card turned over: the air it pushes, then the snap of the card on the felt.
Wave cardflip(bool up, uint32_t seed) {
  Wave w;
  swish(w, 0, 0.07, up ? 1800 : 4200, up ? 4800 : 1600, 0.35, seed, 1.0);
  strike(w, 0.068, cardbody(seed + 1), 0.0015, up ? 0.9 : 0.7, 0.5, seed + 2);
  strike(w, 0.07, woodbody(up ? 260 : 220, 0.01, seed + 3), 0.002, 0.4, 0.25, seed + 4);
  return w;
}

// A card sliding over the felt for `slide` seconds and landing.
Wave cardslide(double slide, double land, uint32_t seed) {
  Wave w;
  Wave force = rub(slide, [](double u) { return std::sin(pi * std::min(1.0, u * 1.2)) * (1 - 0.4 * u); }, 0.0, seed);
  excite(w, 0, force, cardbody(seed + 1), 0.5);
  strike(w, slide * 0.9, cardbody(seed + 2), 0.003, 0.6, land, seed + 3);
  strike(w, slide * 0.9, woodbody(200, 0.012, seed + 4), 0.003, 0.3, land * 0.5, seed + 5);
  return w;
}

// Coins dropping onto coins: each a small stiff disc, struck hard, ringing briefly.
void coins(Wave& w, double t0, int count, double spread, double amp, uint32_t seed) {
  Rng rng(seed);
  for (int i = 0; i < count; i++) {
    double t = t0 + spread * std::pow(rng.uni(), 1.4);
    Body coin = metalbody(rng.range(2600, 4200), rng.range(0.015, 0.035), 30, rng.next());
    strike(w, t, coin, 0.0004, 0.9, amp * rng.range(0.4, 1.0), rng.next());
  }
  // and the heap settling: coins sliding over each other
  Wave settle = rub(spread + 0.1, [](double u) { return std::sin(pi * u) * (1 - u); }, 1.0, seed + 1);
  excite(w, t0, settle, metalbody(3000, 0.01, 30, seed + 2), amp * 0.5);
}

// The till: a drawer that runs out on its rails and hits its stop, and the bell on top.
Wave kaching(double bellhz, bool drawer, int count, uint32_t seed) {
  Wave w;
  strike(w, 0, metalbody(1700, 0.02, 40, seed), 0.001, 0.9, 0.5, seed + 1);  // the key
  double tb = 0.06;
  if (drawer) {
    Wave run = rub(0.16, [](double u) { return 0.4 + 0.6 * u; }, 0.4, seed + 2);
    excite(w, 0.05, run, metalbody(420, 0.02, 40, seed + 3), 0.6);
    strike(w, 0.21, woodbody(150, 0.03, seed + 4), 0.004, 0.5, 0.9, seed + 5);
    strike(w, 0.21, metalbody(380, 0.05, 40, seed + 6), 0.002, 0.7, 0.4, seed + 7);
    tb = 0.2;
  }
  // the bell: a small dome, its partials far from any harmonic row
  Body bell{{{bellhz, 0.14, 1.0}, {bellhz * 2.41, 0.14, 0.9}, {bellhz * 3.77, 0.12, 0.75}, {bellhz * 5.3, 0.1, 0.5},
             {bellhz * 1.53, 0.14, 0.8}, {bellhz * 1.19, 0.12, 0.5}},
            0.2, 2000, 12000};
  strike(w, tb, bell, 0.0006, 1.0, drawer ? 0.15 : 0.25, seed + 8);
  coins(w, tb + 0.05, count, 0.35, 0.35, seed + 9);
  return w;
}

// A star's fanfare: a quick climbing glockenspiel line, a brass chord that swells and bends
// up into place, and a cymbal wash; each star a step higher and a little grander.
Wave starfanfare(int star) {
  static const int roots[3] = {60, 64, 67};
  int r = roots[star - 1];
  Wave w;
  chime(w, 0, {r, r + 4, r + 7, r + 12}, 0.06, 0.6, Glock, 50 + star);
  Rng rng(60 + star);
  for (int m : {r - 12, r - 5, r, r + 4}) mixin(w, note(Brass, midihz(m), 0.22 + 0.1 * star, 0.5, rng), 0.26);
  addnoise(w, 0.26, 0.5 + 0.2 * star, Noise{7000, 5000, 0.6, High, {0.003, 0.4, 0.2, 0.4}, 0.18, 70u + star});
  sparkle(w, 0.3, 0.5 + 0.2 * star, 6 + 4 * star, 3000, 9000, 0.2, 80 + star);
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

// A bowling ball rolling (its seam thumping once a turn) into pins that clatter apart.
Wave bowling(double roll, bool strikeall, uint32_t seed) {
  Wave w;
  if (roll > 0) {
    Wave force = rub(roll, [](double u) { return 0.5 + 0.5 * u; }, 0.0, seed);
    Rng turn(seed + 20);
    for (double t = 0.05; t < roll; t += 0.11 - 0.03 * t / roll) {  // the ball speeds up downhill
      size_t k = at(t);
      for (size_t j = 0; j < 40 && k + j < force.size(); j++) force[k + j] += float(turn.bi() * 0.8 * (1 - j / 40.0));
    }
    excite(w, 0, force, woodbody(70, 0.05, seed + 1), 0.8);
  }
  Rng rng(seed + 2);
  int pins = strikeall ? 10 : 4;
  for (int i = 0; i < pins; i++) {
    double t = roll + std::pow(rng.uni(), 1.6) * (strikeall ? 0.45 : 0.25);
    Body pin = woodbody(rng.range(520, 900), rng.range(0.03, 0.06), rng.next());
    strike(w, t, pin, 0.001, 0.95, rng.range(0.5, 1.0), rng.next());
    if (rng.uni() < 0.6) strike(w, t + rng.range(0.03, 0.12), pin, 0.001, 0.8, rng.range(0.2, 0.5), rng.next());
  }
  strike(w, roll, woodbody(110, 0.05, seed + 3), 0.004, 0.6, 1.2, seed + 4);  // the ball reaching the pins
  // the pins falling onto the lane and rolling into the pit
  for (int i = 0; i < pins; i++) {
    double t = roll + 0.25 + rng.uni() * (strikeall ? 0.6 : 0.4);
    strike(w, t, woodbody(rng.range(300, 500), 0.03, rng.next()), 0.002, 0.7, rng.range(0.2, 0.45), rng.next());
  }
  return w;
}

Wave shotgun(bool pump, uint32_t seed) {
  Wave w;
  double t = 0;
  if (pump) {
    // the slide back and forward: steel on steel, two hard clacks
    Wave back = rub(0.08, [](double u) { return 1 - u * 0.5; }, 0.6, seed);
    excite(w, 0, back, metalbody(900, 0.02, 14, seed + 1), 0.5);
    strike(w, 0.08, metalbody(1100, 0.03, 14, seed + 2), 0.0008, 1.0, 0.6, seed + 3);
    Wave fwd = rub(0.06, [](double u) { return 0.6 + 0.4 * u; }, 0.6, seed + 4);
    excite(w, 0.16, fwd, metalbody(950, 0.02, 14, seed + 5), 0.5);
    strike(w, 0.22, metalbody(1250, 0.03, 14, seed + 6), 0.0008, 1.0, 0.7, seed + 7);
    t = 0.34;
  }
  boom(w, t, 0.9, 0.7, seed + 8);
  reverbmono(w, 0.5, 0.4, 0.25);
  return w;
}

Wave paper(double dur, double f0, double f1, uint32_t seed) {
  // paper handled: a soft slide under many tiny crackles of the sheet bending
  Wave w;
  Wave slide = rub(dur, [](double u) { return std::sin(pi * u); }, 0.0, seed);
  excite(w, 0, slide, cardbody(seed + 1), 0.4);
  Wave crinkle = stickslip(dur, 60, 140, 0.8, seed + 2);
  excite(w, 0, crinkle, cardbody(seed + 3), 0.6);
  swish(w, 0, dur, f0, f1, 0.12, seed + 4, 0.8);
  return w;
}

// A plastic push button: the press, and the softer click of its spring letting go.
Wave button(double f, double release, uint32_t seed) {
  Wave w;
  strike(w, 0, plasticbody(f, seed), 0.0006, 0.95, 1.0, seed + 1);
  strike(w, 0.004, woodbody(f * 0.18, 0.008, seed + 2), 0.002, 0.5, 0.35, seed + 3);
  strike(w, release, plasticbody(f * 1.3, seed + 4), 0.0004, 0.9, 0.35, seed + 5);
  return w;
}

struct Sound {
  const char* name;
  std::function<Wave()> make;
  double loud;
};

std::vector<Sound> table() {
  return {
      {"click.ogg", [] { return button(1900, 0.045, 1); }, 0.16},
      {"select.ogg", [] {
         // a wooden counter set down, and a quick rising pluck
         Wave w;
         strike(w, 0, woodbody(640, 0.025, 2), 0.0012, 0.7, 0.8, 3);
         chime(w, 0.01, {72, 79}, 0.06, 0.45, Plink, 4);
         swish(w, 0, 0.08, 2500, 6000, 0.08, 5);
         return w;
       }, 0.17},
      {"gamebutt1.ogg", [] {
         Wave w = button(1400, 0.07, 6);
         swish(w, 0, 0.05, 900, 2400, 0.12, 7);
         return w;
       }, 0.16},
      {"levelselection.ogg", [] {
         // a marker planted on the map: a card swept up, a knock on the board, a short rising run
         Wave w;
         swish(w, 0, 0.1, 1500, 5000, 0.25, 8, 1.0);
         strike(w, 0.09, woodbody(420, 0.03, 9), 0.0015, 0.75, 0.9, 10);
         strike(w, 0.09, cardbody(11), 0.001, 0.8, 0.4, 12);
         chime(w, 0.12, {69, 76, 81}, 0.05, 0.45, Plink, 13);
         return w;
       }, 0.17},
      {"extracardselection.ogg", [] {
         Wave w;
         swish(w, 0, 0.12, 2000, 5000, 0.25, 14);
         chime(w, 0.02, {76, 81, 84, 88}, 0.05, 0.5, Glock, 15);
         sparkle(w, 0.1, 0.3, 8, 4000, 10000, 0.15, 16);
         return w;
       }, 0.17},
      {"turnup.ogg", [] { return cardflip(true, 20); }, 0.16},
      {"turndown.ogg", [] { return cardflip(false, 21); }, 0.15},
      {"card-takeout.ogg", [] {
         Wave w;
         strike(w, 0, cardbody(22), 0.001, 0.9, 0.5, 23);  // the card lifted off its neighbour
         swish(w, 0, 0.18, 1200, 5200, 0.4, 24, 0.9);
         return w;
       }, 0.16},
      {"card-stable.ogg", [] { return cardslide(0.14, 0.9, 25); }, 0.17},
      {"card-column.ogg", [] { return cardslide(0.09, 1.0, 26); }, 0.16},
      {"card-columnspecial.ogg", [] {
         Wave w = cardslide(0.09, 1.0, 27);
         sparkle(w, 0.1, 0.4, 12, 3500, 10000, 0.25, 28);
         return w;
       }, 0.17},
      {"turnallup.ogg", [] {
         Wave w;
         for (int i = 0; i < 9; i++) mixin(w, cardflip(true, 30 + i), i * 0.065, 0.8 + 0.02 * i);
         return w;
       }, 0.17},
      {"cash.ogg", [] { return kaching(2600, true, 10, 40); }, 0.18},
      {"cash2-1.ogg", [] { return kaching(2900, false, 5, 41); }, 0.17},
      {"cash2-2.ogg", [] { return kaching(3300, false, 8, 42); }, 0.17},
      {"glitter.ogg", [] {
         Wave w;
         sparkle(w, 0, 0.8, 30, 3500, 11000, 0.3, 43);
         return w;
       }, 0.15},
      {"doublesuns.ogg", [] {
         // two suns rising: a warm swell that brightens, and two bells a fifth apart
         Wave w;
         Rng rng(44);
         for (int m : {64, 71, 76}) mixin(w, note(Pad, midihz(m), 0.9, 0.7, rng), 0);
         addnoise(w, 0, 1.0, Noise{1500, 7000, 0.9, Bandpass, {0.5, 0.3, 0.6, 0.3}, 0.15, 45});
         Body sun{{{midihz(76), 0.16, 1.0}, {midihz(76) * 2.76, 0.16, 0.9}, {midihz(76) * 5.4, 0.1, 0.5}}, 0.2, 2000, 10000};
         strike(w, 0.5, sun, 0.0008, 1.0, 0.5, 46);
         Body sun2 = sun;
         for (Mode& m : sun2.modes) m.hz *= 1.4983;
         strike(w, 0.68, sun2, 0.0008, 1.0, 0.5, 47);
         sparkle(w, 0.5, 0.9, 18, 4000, 10000, 0.2, 48);
         return w;
       }, 0.17},
      {"ninja1.ogg", [] {
         Wave w;
         swish(w, 0, 0.16, 900, 6500, 0.7, 50, 2.2);
         return w;
       }, 0.18},
      {"ninja2.ogg", [] {
         // two cuts through the air, the blade scraping its sheath and ringing once
         Wave w;
         swish(w, 0, 0.1, 1200, 7000, 0.6, 51, 2.2);
         swish(w, 0.11, 0.12, 6000, 1500, 0.6, 52, 2.2);
         Wave scrape = rub(0.14, [](double u) { return 1 - u; }, 0.8, 53);
         excite(w, 0.2, scrape, metalbody(2400, 0.02, 40, 54), 0.8);
         strike(w, 0.34, metalbody(3100, 0.05, 40, 55), 0.0005, 1.0, 0.25, 56);
         return w;
       }, 0.18},
      {"failure.ogg", [] {
         // wah, waah: two muted trombone notes that sag
         Wave w;
         Rng rng(57);
         mixin(w, note(Sadbone, midihz(52), 0.25, 0.8, rng), 0);
         mixin(w, note(Sadbone, midihz(47), 0.7, 0.8, rng), 0.3);
         return w;
       }, 0.13},
      {"lose.ogg", [] {
         // wah wah wah, waaaah: three sagging notes and a long one sliding down and wobbling
         Wave w;
         Rng rng(58);
         int ns[3] = {55, 54, 53};
         for (int i = 0; i < 3; i++) mixin(w, note(Sadbone, midihz(ns[i]), 0.3, 0.8, rng), i * 0.36);
         Tone t;
         t.shape = Saw;
         t.curve = [](double u) { return midihz(52 - 3 * u) * (1 + 0.025 * std::sin(u * 2 * pi * 6)); };
         t.env = {0.05, 0.3, 0.8, 0.1};
         t.amp = 0.35;
         t.cutoff = 400;
         t.cutoffend = 1100;
         t.q = 2.2;
         addtone(w, 1.08, 1.0, t);
         addnoise(w, 1.08, 1.0, Noise{700, 400, 1.5, Bandpass, {0.1, 0.5, 0.6, 0.25}, 0.04, 59});  // breath in the horn
         return w;
       }, 0.13},
      {"joker.ogg", [] {
         Wave w;
         chime(w, 0, {67, 71, 74, 77, 79}, 0.05, 0.5, Plink, 60);
         Tone boing;
         boing.curve = [](double u) { return 180 * (1 + 0.5 * u) * (1 + 0.25 * std::sin(u * 2 * pi * 9) * (1 - u)); };
         boing.env = {0.005, 0.2, 0.5, 0.2};
         boing.amp = 0.35;
         addtone(w, 0.28, 0.4, boing);
         Rng rng(61);
         for (int i = 0; i < 14; i++)  // the jester's hat bells
           strike(w, 0.25 + rng.uni() * 0.5, metalbody(rng.range(3800, 5200), 0.05, 8, rng.next()), 0.0004, 1.0, 0.12,
                  rng.next());
         return w;
       }, 0.17},
      {"killedzombie.ogg", [] {
         // the blow lands wet, the zombie groans out its last, and drops
         Wave w;
         strike(w, 0, fleshbody(62), 0.006, 0.7, 0.4, 63);
         addnoise(w, 0.005, 0.15, Noise{2500, 500, 0.8, Bandpass, {0.003, 0.08, 0.1, 0.06}, 0.25, 64});
         groan(w, 0.06, 0.65, 160, 70, 0.8, 1.2, 65);
         strike(w, 0.72, fleshbody(66), 0.01, 0.4, 0.8, 67);
         strike(w, 0.72, woodbody(90, 0.05, 68), 0.008, 0.4, 0.6, 69);
         return w;
       }, 0.18},
      {"bloodsplat.ogg", [] {
         Wave w;
         strike(w, 0, fleshbody(70), 0.008, 0.6, 1.0, 71);
         addnoise(w, 0, 0.16, Noise{1800, 250, 1.4, Low, {0.002, 0.1, 0, 0.06}, 0.6, 72});
         Rng rng(73);
         for (int i = 0; i < 6; i++)  // drops landing after the splat
           bubble(w, 0.16 + i * 0.055 + rng.uni() * 0.04, rng.range(600, 1200), 0.01, 0.8, 0.25);
         return w;
       }, 0.18},
      {"bowling1.ogg", [] { return bowling(1.1, false, 74); }, 0.17},
      {"bowling2.ogg", [] { return bowling(0.6, true, 75); }, 0.18},
      {"bowling3.ogg", [] { return bowling(0, true, 76); }, 0.18},
      {"shotgun1.ogg", [] { return shotgun(false, 77); }, 0.2},
      {"shotgun2.ogg", [] { return shotgun(true, 78); }, 0.2},
      {"pig1.ogg", [] {
         Wave w;
         oink(w, 0, 0.16, 190, 130, 0.6, 79);
         oink(w, 0.24, 0.2, 220, 120, 0.6, 80);
         return w;
       }, 0.18},
      {"pig2.ogg", [] {
         // the squeal: a high throat shrieking up and falling back, rough with fright
         Wave w;
         Throat th;
         th.pitch = [](double u) { return 650 + 750 * std::sin(u * pi) * (1 - 0.3 * u) + 60 * std::sin(u * 47); };
         th.vowelstart = vowel('i');
         th.vowelend = vowel('e');
         for (auto* set : {&th.vowelstart, &th.vowelend})
           for (Formant& f : *set) f.hz *= 1.6;  // a small head
         th.rough = 0.5;
         th.fry = 0.3;
         th.breath = 0.25;
         th.jitter = 0.03;
         th.env = {0.03, 0.3, 0.8, 0.1};
         th.amp = 0.5;
         th.seed = 81;
         addthroat(w, 0, 0.55, th);
         return w;
       }, 0.17},
      {"pigcannon.ogg", [] {
         // the cannon fires, and a pig squeals off into the distance
         Wave w;
         boom(w, 0, 0.8, 0.6, 82);
         Throat th;
         th.pitch = [](double u) { return 1300 * std::pow(0.55, u) * (1 + 0.05 * std::sin(u * 70)); };
         th.vowelstart = vowel('i');
         th.vowelend = vowel('a');
         for (auto* set : {&th.vowelstart, &th.vowelend})
           for (Formant& f : *set) f.hz *= 1.6;
         th.rough = 0.4;
         th.breath = 0.25;
         th.env = {0.05, 0.5, 0.7, 0.3};
         th.amp = 0.35;
         th.seed = 83;
         addthroat(w, 0.1, 0.9, th);
         reverbmono(w, 0.5, 0.4, 0.2);
         return w;
       }, 0.19},
      {"bird1.ogg", [] { return bird(2800, 3, 0.11, 0.05, 84); }, 0.15},
      {"bird2.ogg", [] { return bird(3600, 6, 0.07, 0.1, 85); }, 0.15},
      {"bird3.ogg", [] {
         Wave w;
         chirp(w, 0, 0.25, 4200, 1900, 0.45, 0.02);
         chirp(w, 0.3, 0.12, 2500, 3900, 0.4, 0.1);
         chirp(w, 0.45, 0.12, 2500, 3900, 0.4, 0.1);
         return w;
       }, 0.15},
      {"randomextra1.ogg", [] {
         // a prize wheel: its pointer clacks over the pegs, slower and slower, and a ta-da
         Wave w;
         double t = 0;
         for (int i = 0; i < 14; i++) {
           strike(w, t, plasticbody(2100 - i * 30, 86u + i), 0.0005, 0.9, 0.7, 100u + i);
           t += 0.035 + i * i * 0.0019;
         }
         chime(w, t, {79, 84, 88}, 0.06, 0.55, Glock, 120);
         sparkle(w, t, 0.4, 8, 4000, 9000, 0.2, 121);
         return w;
       }, 0.17},
      {"BFGSlap.ogg", [] {
         // a big wet fish across the face
         Wave w;
         strike(w, 0, fleshbody(122), 0.004, 0.95, 1.2, 123);
         addnoise(w, 0, 0.05, Noise{2200, 1200, 0.5, Bandpass, {0.0005, 0.03, 0, 0.03}, 0.9, 124});
         addnoise(w, 0.01, 0.2, Noise{3000, 800, 0.7, Bandpass, {0.005, 0.1, 0.1, 0.08}, 0.3, 125, 600});  // spray
         reverbmono(w, 0.3, 0.5, 0.15);
         return w;
       }, 0.21},
      {"loading.ogg", [] {
         // an old organ breathing in, and a theremin sliding about above it
         Wave w;
         Rng rng(126);
         for (int m : {45, 52, 57, 60}) mixin(w, note(Organ, midihz(m), 2.2, 0.6, rng), 0);
         Tone th;
         th.curve = [](double u) { return midihz(69 + 7 * std::sin(u * pi * 1.3) - 3 * u); };
         th.env = {0.6, 1.0, 0.8, 0.6};
         th.amp = 0.2;
         th.vibhz = 5.5;
         th.vibdepth = 0.6;
         addtone(w, 0.3, 2.0, th);
         addnoise(w, 0, 2.4, Noise{600, 1400, 1.2, Bandpass, {0.8, 1.0, 0.6, 0.6}, 0.06, 127});  // bellows
         reverbmono(w, 0.8, 0.3, 0.3);
         return w;
       }, 0.15},
      {"logoappear.ogg", [] {
         Wave w;
         swish(w, 0, 0.8, 300, 3000, 0.4, 128, 0.7);
         Rng rng(129);
         for (int m : {57, 64, 69, 72, 76}) mixin(w, note(Pad, midihz(m), 1.0, 0.8, rng), 0.3);
         chime(w, 0.6, {81, 84, 88, 93}, 0.08, 0.5, Glock, 130);
         sparkle(w, 0.6, 1.0, 16, 3000, 9000, 0.2, 131);
         reverbmono(w, 0.8, 0.3, 0.25);
         return w;
       }, 0.16},
      {"newitem.ogg", [] {
         Wave w;
         chime(w, 0, {72, 76, 79, 84, 88}, 0.055, 0.6, Glock, 132);
         chime(w, 0, {60, 64, 67, 72}, 0.055, 0.4, Harpsi, 133);
         sparkle(w, 0.2, 0.5, 12, 4000, 9000, 0.2, 134);
         return w;
       }, 0.17},
      {"winpoints.ogg", [] {
         // points counting up: a ladder of ticks, each a step higher, and a bright ding
         Wave w;
         for (int i = 0; i < 14; i++) {
           double f = midihz(72 + i);
           addtone(w, i * 0.045, 0.03, Tone{f, 0, {}, Square, {0.001, 0.02, 0.3, 0.01}, 0.12});
           strike(w, i * 0.045, plasticbody(f * 2, 135u + i), 0.0004, 0.8, 0.15, 150u + i);
         }
         chime(w, 14 * 0.045, {96}, 0.1, 0.6, Glock, 170);
         sparkle(w, 14 * 0.045, 0.4, 8, 5000, 10000, 0.15, 171);
         return w;
       }, 0.16},
      {"suddenstrike.ogg", [] {
         Wave w;
         brassstab(w, 0, {45, 52, 57, 60, 63}, 0.5, 0.7, 172);
         for (int i = 0; i < 3; i++) mixin(w, [&] { Rng r(173 + i); return note(Tom, 90 - i * 12, 0.3, 0.9, r); }(), i * 0.09);
         addnoise(w, 0, 1.2, Noise{6500, 4000, 0.6, High, {0.002, 0.6, 0.1, 0.5}, 0.25, 176});
         reverbmono(w, 0.7, 0.4, 0.25);
         return w;
       }, 0.2},
      {"clearedcolumn.ogg", [] {
         Wave w;
         chime(w, 0, {67, 69, 72, 74, 76, 79, 81, 84}, 0.035, 0.5, Plink, 177);
         chime(w, 0.3, {91}, 0.1, 0.45, Glock, 178);
         sparkle(w, 0.25, 0.4, 10, 4000, 9000, 0.18, 179);
         return w;
       }, 0.17},
      {"longdrive.ogg", [] {
         // a golf swing: the club whips through, cracks the ball, which whistles away
         Wave w;
         swish(w, 0, 0.22, 500, 3000, 0.5, 180, 1.0);
         strike(w, 0.22, metalbody(1800, 0.03, 12, 181), 0.0006, 1.0, 0.6, 182);
         strike(w, 0.22, plasticbody(2600, 183), 0.0004, 1.0, 0.5, 184);
         Tone fly;
         fly.curve = [](double u) { return 900 * std::pow(2.5, u); };
         fly.env = {0.05, 0.6, 0.6, 0.3};
         fly.amp = 0.14;
         fly.vibhz = 7;
         fly.vibdepth = 0.2;
         addtone(w, 0.25, 0.8, fly);
         addnoise(w, 0.25, 0.8, Noise{2500, 6000, 2.0, Bandpass, {0.05, 0.6, 0.6, 0.3}, 0.12, 185});
         chime(w, 1.0, {79, 84, 91}, 0.07, 0.5, Glock, 186);
         sparkle(w, 1.0, 0.4, 8, 4000, 10000, 0.2, 187);
         return w;
       }, 0.17},
      {"maxbonus.ogg", [] {
         Wave w;
         brassstab(w, 0, {60, 64, 67}, 0.18, 0.55, 187);
         brassstab(w, 0.2, {65, 69, 72}, 0.18, 0.55, 188);
         brassstab(w, 0.4, {67, 72, 76, 79}, 0.5, 0.55, 189);
         addnoise(w, 0.4, 0.9, Noise{7000, 5000, 0.6, High, {0.003, 0.5, 0.2, 0.4}, 0.2, 190});  // cymbal
         sparkle(w, 0.4, 1.0, 22, 3500, 10000, 0.22, 191);
         return w;
       }, 0.19},
      {"winstar1.ogg", [] { return starfanfare(1); }, 0.18},
      {"winstar2.ogg", [] { return starfanfare(2); }, 0.18},
      {"winstar3.ogg", [] { return starfanfare(3); }, 0.19},
      {"winstrike.ogg", [] {
         Wave w = bowling(0, true, 192);
         brassstab(w, 0.3, {55, 60, 64, 67}, 0.15, 0.5, 193);
         brassstab(w, 0.5, {60, 64, 67, 72}, 0.45, 0.55, 194);
         addnoise(w, 0.5, 0.7, Noise{7000, 5000, 0.6, High, {0.003, 0.4, 0.2, 0.3}, 0.2, 195});
         return w;
       }, 0.19},
      {"earnplant.ogg", [] {
         // leaves rustle, a stalk shoots up with a creak, and a bud pops open
         Wave w;
         rustle(w, 0, 0.35, 250, 0.3, 196);
         Wave grow = stickslip(0.4, 30, 90, 0.3, 197);
         excite(w, 0.05, grow, woodbody(500, 0.02, 198), 0.6);
         Tone rise;
         rise.curve = [](double u) { return 220 * std::pow(3.0, u) * (1 + 0.06 * std::sin(u * 2 * pi * 6)); };
         rise.env = {0.02, 0.4, 0.7, 0.05};
         rise.amp = 0.15;
         rise.shape = Tri;
         addtone(w, 0.05, 0.4, rise);
         bubble(w, 0.47, 500, 0.02, 1.8, 0.5);  // pop
         sparkle(w, 0.5, 0.35, 7, 3000, 9000, 0.3, 199);
         return w;
       }, 0.17},
      {"paper.ogg", [] { return paper(0.35, 2500, 4000, 200); }, 0.15},
      {"paper2.ogg", [] { return paper(0.8, 1800, 4500, 201); }, 0.15},
      {"paperback.ogg", [] { return paper(0.55, 4500, 1600, 202); }, 0.15},
      {"finish.ogg", [] {
         Wave w;
         chime(w, 0, {72, 76, 79, 84}, 0.1, 0.6, Glock, 203);
         Body bell{{{midihz(84), 0.22, 1.0}, {midihz(84) * 2.33, 0.22, 0.9}, {midihz(84) * 3.11, 0.18, 0.6},
                    {midihz(84) * 4.47, 0.16, 0.6}, {midihz(84) * 0.56, 0.22, 0.6}, {midihz(84) * 1.27, 0.18, 0.7}},
                   0.2, 1500, 9000};
         strike(w, 0.4, bell, 0.0008, 0.9, 0.3, 204);
         sparkle(w, 0.3, 0.8, 12, 4000, 9000, 0.15, 205);
         return w;
       }, 0.17},
  };
}

}  // namespace

std::vector<Job> soundjobs() {
  std::vector<Job> jobs;
  for (auto& s : table()) {
    std::string rel = std::string("sound/") + s.name;
    jobs.push_back({rel, 0.1, [rel, s] { savesound(rel, s.make(), s.loud); }});
  }
  return jobs;
}

}  // namespace sfx
