// The story chapters' sounds: the hungry zombie of the intro, rain, cranes, chainsaws,
// a generator, a ship, creaking wood and clanking metal. Five of them loop seamlessly.
#include "tools/forge/forge_audio_kit.h"

namespace sfx {
namespace {

// A two-stroke style engine: one pop per revolution through a resonant body.
// With `cycle` > 0 the pops' random loudness repeats every `cycle` pops (for loops).
struct Engine {
  Curve hz;                 // revolutions per second over u
  Curve level;              // 0..1 over u (sputters, fades); empty: 1
  double tone = 900;        // body resonance
  double q = 2.0;
  double decay = 3.0;       // pop length in revolutions / decay
  double buzz = 0.3;        // saw mixed in for a harsher drone
  double lowmix = 0.9;      // weight of the thump under the body (low for buzzy saws)
  double misfire = 0;       // chance a pop is skipped
  double amp = 0.5;
  uint32_t seed = 1;
  int cycle = 0;
  bool edges = true;         // short fades at both ends (off inside loops)
};

uint32_t hash(uint32_t x) {
  x ^= x >> 16;
  x *= 0x7feb352du;
  x ^= x >> 15;
  x *= 0x846ca68bu;
  x ^= x >> 16;
  return x;
}

void engine(Wave& w, double t0, double dur, const Engine& e) {
  size_t start = at(t0), n = at(dur);
  if (w.size() < start + n) w.resize(start + n, 0.0f);
  Svf body, low;
  body.set(e.tone, e.q);
  low.set(e.tone * 0.35, 0.8);
  OnePole dc;  // pops are one-sided: keep the drone centred
  dc.set(25);
  double phase = 0, pop = 0, env = 0, dp = 0;
  long count = 0;
  for (size_t i = 0; i < n; i++) {
    double u = double(i) / n;
    double hz = e.hz(u);
    dp = hz / rate;
    phase += dp;
    if (phase >= 1) {
      phase -= 1;
      uint32_t h = hash(uint32_t(e.cycle > 0 ? count % e.cycle : count) * 2654435761u + e.seed);
      double r = (h & 0xffff) / 65535.0;
      pop = (h >> 16 & 0xffff) / 65535.0 < e.misfire ? 0 : 0.7 + 0.6 * r;
      env = 1;
      count++;
    }
    env *= std::exp(-hz * e.decay / rate);
    double x = pop * env * (1.0 - 2.0 * phase * 0.3);
    double saw = oscillate(Saw, phase, dp) * e.buzz;
    body.run(float(x + saw * 0.5));
    low.run(float(x));
    double y = dc.hp(float(body.bp * body.k * 0.8 + low.lp * e.lowmix + saw * 0.2));
    double lv = e.level ? e.level(u) : 1.0;
    double edge = e.edges ? std::min(1.0, std::min(i, n - i) / 200.0) : 1.0;
    w[start + i] += float(y * lv * e.amp * edge);
  }
}

// Renders two periods and keeps one from the second half: every filter and ring-out is then
// in its steady state, so the end runs straight into the start. The cut sits a little before
// the period boundary so it never lands on an engine pop or a chain link.
Wave periodic(double len, const std::function<void(Wave&, double)>& gen) {
  Wave w(at(2 * len), 0.0f);
  gen(w, 2 * len);
  w.resize(at(2 * len));
  size_t from = at(len) - at(0.0107);
  return Wave(w.begin() + from, w.begin() + from + at(len));
}

// Noise beds cannot repeat, so their last half second is folded onto the start.
Wave foldednoise(double len, const std::function<void(Wave&, double)>& gen) {
  Wave w(at(len + 0.5), 0.0f);
  gen(w, len + 0.5);
  w.resize(at(len + 0.5));
  foldloop(w, 0.5);
  return w;
}

void add(Wave& w, const Wave& o, double gain = 1.0) {
  if (w.size() < o.size()) w.resize(o.size(), 0.0f);
  for (size_t i = 0; i < o.size(); i++) w[i] += o[i] * float(gain);
}

// Stick-slip creak: a train of catches whose rate glides from r0 to r1 per second, ringing a
// body of natural frequency f (wood for hinges and planks, metal for squeaky steel).
void creak(Wave& w, double t0, double dur, double r0, double r1, double f, double amp, uint32_t seed, bool steel = false) {
  Wave force = stickslip(dur, r0, r1, 0.25, seed);
  excite(w, t0, force, steel ? metalbody(f, 0.012, 14, seed + 1) : woodbody(f, 0.008, seed + 1), amp);
}

void rumble(Wave& w, double dur, double f, int debris, double amp, uint32_t seed) {
  addnoise(w, 0, dur, Noise{f, f * 0.6, 0.7, Low, {dur * 0.25, dur * 0.5, 0.6, dur * 0.35}, amp, seed});
  addnoise(w, 0, dur, Noise{f * 2.5, f * 1.5, 1.5, Bandpass, {dur * 0.3, dur * 0.4, 0.5, dur * 0.3}, amp * 0.3, seed + 1, 60});
  Rng rng(seed + 2);
  for (int i = 0; i < debris; i++) {
    double t = rng.range(0.1, dur * 0.9);
    strike(w, t, stonebody(rng.range(300, 900), rng.next()), 0.002, 0.7, amp * 0.35 * rng.range(0.4, 1.0), rng.next());
  }
}

// Something heavy dragged over a floor: its weight rubbing, the grit catching, and the
// judder of stick-slip under it.
void scrape(Wave& w, double t0, double dur, double f, double amp, uint32_t seed) {
  Wave force = rub(dur, [](double u) { return std::min(1.0, u * 6) * std::min(1.0, (1 - u) * 8); }, 0.5, seed);
  excite(w, t0, force, woodbody(f, 0.02, seed + 1), amp);
  addnoise(w, t0, dur, Noise{f * 0.4, 0, 0.8, Low, {0.05, dur * 0.5, 0.7, 0.1}, amp * 0.4, seed + 2, 90});
}

// Steel dragged on steel (a sliding door, a ladder): rollers rumbling, the sheet buzzing.
void steelslide(Wave& w, double t0, double dur, double f, double amp, uint32_t seed) {
  Wave force = rub(dur, [](double u) { return std::min(1.0, u * 5) * (1 - 0.3 * u); }, 0.9, seed);
  excite(w, t0, force, metalbody(f, 0.03, 24, seed + 1), amp);
}

// A heavy piece of steel slammed or dropped: a dense clang that dies quickly, on a thud.
void clang(Wave& w, double t0, double f, double decay, double amp, uint32_t seed) {
  strike(w, t0, metalbody(f, decay, 90, seed), 0.0015, 0.85, amp, seed + 1);
  strike(w, t0, woodbody(f * 0.45, 0.04, seed + 2), 0.006, 0.5, amp * 0.8, seed + 3);
}

Wave sputterstart(double pull, double run, double hz, double tone, double amp, uint32_t seed) {
  Wave w;
  swish(w, 0, pull, 600, 2400, 0.4, seed, 1.5);  // the cord
  Engine e;
  e.hz = [hz](double u) { return hz * (0.4 + 0.6 * std::min(1.0, u * 2.5)); };
  e.level = [](double u) { return std::min(1.0, u * 6); };
  e.tone = tone;
  e.misfire = 0.25;
  e.amp = amp;
  e.seed = seed;
  engine(w, pull, run, e);
  return w;
}

struct Sound {
  const char* name;
  std::function<Wave()> make;
  double loud;
  bool loops = false;
};

// A crow's caw: a harsh, rattling, nasal shout falling in pitch.
void caw(Wave& w, double t0, double dur, double f0, double amp, uint32_t seed) {
  Throat th;
  th.pitch = [f0](double u) { return f0 * (1 + 0.15 * std::sin(pi * std::min(1.0, u * 3))) * (1 - 0.3 * u); };
  th.vowelstart = vowel('a');
  th.vowelend = vowel('o');
  for (auto* set : {&th.vowelstart, &th.vowelend})
    for (Formant& f : *set) {
      f.hz *= 1.35;  // a small, hard beak
      f.bw *= 1.8;
    }
  th.fry = 0.9;
  th.rough = 0.8;
  th.breath = 0.4;
  th.jitter = 0.05;
  th.shimmer = 0.3;
  th.open = 0.4;
  th.env = {0.015, dur * 0.4, 0.7, dur * 0.25};
  th.amp = amp;
  th.seed = seed;
  addthroat(w, t0, dur, th);
}

// Mains hum that will not settle: short bursts of buzz with crackle between.
void flickerhum(Wave& w, double t0, double dur, double amp, uint32_t seed) {
  Rng rng(seed);
  double t = 0;
  while (t < dur) {
    double len = rng.range(0.04, 0.12);
    Tone hum{rng.range(97, 103), 0, {}, Saw, {0.004, 0.05, 0.8, 0.02}, amp * rng.range(0.5, 1.0)};
    hum.cutoff = 1800;
    addtone(w, t0 + t, len, hum);
    t += len + rng.range(0.02, 0.08);
  }
  addnoise(w, t0, dur, Noise{4000, 0, 0.7, High, {0.003, dur * 0.6, 0.4, 0.1}, amp * 1.2, seed + 1, 160});
}

std::vector<Sound> table() {
  return {
      {"introstory_mmh.ogg", [] {
         // a long, relishing "mmmh" with the lips shut, opening a little at the end
         Wave w;
         Throat th;
         th.pitch = [](double u) { return 125 + 55 * std::sin(u * pi * 0.9) - 25 * u + 4 * std::sin(u * 40); };
         th.vowelstart = vowel('m');
         th.vowelend = vowel('u');
         th.breath = 0.25;
         th.fry = 0.25;
         th.jitter = 0.02;
         th.env = {0.08, 0.4, 0.8, 0.25};
         th.amp = 0.7;
         th.seed = 1;
         addthroat(w, 0, 0.95, th);
         addnoise(w, 0.0, 0.15, Noise{700, 0, 1.5, Bandpass, {0.03, 0.08, 0.2, 0.05}, 0.05, 2});  // breath through the nose
         return w;
       }, 0.16},
      {"introstory_eat.ogg", [] {
         // munching: wet crunches, a bone giving way, lips smacking
         Wave w;
         Rng rng(3);
         for (int i = 0; i < 5; i++) {
           double t = i * 0.27 + rng.uni() * 0.05;
           Wave crunch = stickslip(0.09, 180, 60, 0.9, rng.next());
           excite(w, t, crunch, fleshbody(rng.next()), 0.9);
           addnoise(w, t + 0.02, 0.1, Noise{500, 250, 1.2, Low, {0.01, 0.06, 0.2, 0.05}, 0.4, rng.next()});
           if (i == 2) strike(w, t + 0.04, woodbody(900, 0.02, rng.next()), 0.0008, 0.95, 0.7, rng.next());
           bubble(w, t + 0.12, rng.range(300, 500), 0.012, 0.6, 0.2);  // smack
         }
         return w;
       }, 0.16},
      {"introstory_growl1.ogg", [] {
         Wave w;
         groan(w, 0, 1.2, 95, 75, 0.9, 0.6, 4);
         return w;
       }, 0.17},
      {"introstory_growl2.ogg", [] {
         Wave w;
         groan(w, 0, 0.5, 120, 150, 0.8, 0.5, 5);
         groan(w, 0.45, 1.1, 150, 60, 1.0, 0.6, 6);
         return w;
       }, 0.17},
      {"introstory_breath.ogg", [] {
         // a heavy breath in through an open mouth, and a rattling one out
         Wave w;
         Throat in;
         in.pitch = [](double) { return 90.0; };
         in.vowelstart = vowel('a');
         in.vowelend = vowel('o');
         in.breath = 1.0;
         in.rough = 0.3;
         in.env = {0.35, 0.3, 0.8, 0.2};
         in.amp = 0.8;
         in.seed = 7;
         addthroat(w, 0, 0.6, in);
         Throat out = in;
         out.pitch = [](double u) { return 85 - 15 * u; };
         out.vowelstart = vowel('o');
         out.vowelend = vowel('u');
         out.breath = 0.85;
         out.fry = 0.8;
         out.seed = 8;
         out.env = {0.1, 0.5, 0.6, 0.35};
         addthroat(w, 0.85, 0.7, out);
         return w;
       }, 0.13},
      {"introstory_drama.ogg", [] {
         // three stabs of the band, the last one falling away under a timpani roll and a cymbal
         Wave w;
         Rng rng(9);
         const int hits[3][3] = {{45, 52, 57}, {44, 51, 56}, {41, 48, 53}};
         const double at3[3] = {0, 0.32, 0.64};
         for (int k = 0; k < 2; k++) {
           brassstab(w, at3[k], {hits[k][0], hits[k][1], hits[k][2], hits[k][0] + 12}, 0.22, 0.6, 10u + k);
           mixin(w, note(Tom, 70, 0.3, 1.0, rng), at3[k]);
         }
         for (int m : {41, 48, 53, 53 + 12}) {
           Tone fall;
           fall.shape = Saw;
           fall.curve = [m](double u) { return midihz(m - 3.0 * std::pow(u, 2.0)) * (1 + 0.01 * std::sin(u * 31)); };
           fall.env = {0.03, 0.4, 0.7, 0.3};
           fall.amp = 0.22;
           fall.cutoff = midihz(m) * 4;
           fall.cutoffend = midihz(m) * 1.2;
           addtone(w, 0.64, 1.4, fall);
         }
         for (int i = 0; i < 22; i++) mixin(w, note(Tom, 62, 0.1, 0.35 + 0.02 * i, rng), 0.64 + i * 0.05);
         addnoise(w, 0.64, 1.8, Noise{7000, 3000, 0.6, High, {0.01, 1.0, 0.1, 0.6}, 0.25, 14});
         reverbmono(w, 0.85, 0.4, 0.3);
         return w;
       }, 0.19},
      {"storyrain.ogg", [] { return rain(4.0, 260, 15); }, 0.13, true},
      {"storygully.ogg", [] {
         // water running down into a drain: turbulence, gurgles, and a glug now and then
         Wave w;
         addnoise(w, 0, 2.0, Noise{900, 600, 0.8, Low, {0.2, 0.8, 0.6, 0.4}, 0.3, 19});
         Rng rng(20);
         for (int i = 0; i < 70; i++) {
           double t = std::pow(rng.uni(), 0.8) * 2.0;
           bubble(w, t, rng.range(250, 900), rng.range(0.01, 0.03), rng.range(0.4, 1.2), rng.range(0.1, 0.3));
         }
         for (int i = 0; i < 4; i++) bubble(w, 0.3 + i * 0.45 + rng.uni() * 0.1, rng.range(140, 220), 0.05, 0.5, 0.4);
         return w;
       }, 0.15},
      {"crane1.ogg", [] {
         // the crane's gear engages with a clank and its motor coughs into life
         Wave w;
         clang(w, 0, 260, 0.05, 0.6, 21);
         Wave chain = rub(0.5, [](double u) { return 1 - u; }, 0.9, 210);
         excite(w, 0.02, chain, metalbody(1200, 0.01, 16, 211), 0.3);
         Engine e;
         e.hz = [](double u) { return 14 + 30 * std::pow(u, 0.6); };
         e.level = [](double u) { return std::min(1.0, u * 4) * (u > 0.8 ? (1 - u) * 5 : 1.0); };
         e.tone = 320;
         e.buzz = 0.4;
         e.amp = 0.6;
         e.seed = 22;
         engine(w, 0.1, 2.0, e);
         return w;
       }, 0.16},
      {"crane2.ogg", [] {
         // hoisting: the motor labours, the winch whines up, the cable's links tick over the drum
         Wave w;
         Engine e;
         e.hz = [](double u) { return 44.0 - 4 * std::sin(u * pi); };
         e.level = [](double u) { return std::min(1.0, u * 6) * std::min(1.0, (1 - u) * 6); };
         e.tone = 320;
         e.buzz = 0.4;
         e.amp = 0.5;
         e.seed = 23;
         engine(w, 0, 2.5, e);
         Tone whine{300, 520, {}, Tri, {0.4, 0.8, 0.8, 0.5}, 0.08};
         addtone(w, 0.1, 1.9, whine);
         Rng rng(24);
         for (double t = 0.2; t < 2.3; t += 0.09)
           strike(w, t, metalbody(rng.range(1500, 2200), 0.015, 10, rng.next()), 0.0005, 0.9, 0.12, rng.next());
         return w;
       }, 0.16},
      {"crane3.ogg", [] {
         // the motor winds down, the brake grabs with a squeal, the hook lands with a clunk
         Wave w;
         Engine e;
         e.hz = [](double u) { return 44 - 32 * u; };
         e.level = [](double u) { return 1 - u * u; };
         e.tone = 320;
         e.buzz = 0.4;
         e.amp = 0.5;
         e.seed = 25;
         engine(w, 0, 1.2, e);
         creak(w, 0.7, 0.4, 300, 180, 900, 0.5, 26, true);
         clang(w, 1.1, 180, 0.08, 0.9, 27);
         Rng rng(28);
         for (int i = 0; i < 6; i++)  // the chain settling
           strike(w, 1.15 + i * 0.05 + rng.uni() * 0.03, metalbody(rng.range(900, 1500), 0.02, 10, rng.next()), 0.0006,
                  0.8, 0.25 * (1 - i * 0.12), rng.next());
         return w;
       }, 0.17},
      {"crane4.ogg", [] {
         Wave w = periodic(3.0, [](Wave& p, double len) {
           Engine e;
           e.hz = [](double) { return 44.0; };
           e.tone = 320;
           e.buzz = 0.4;
           e.amp = 0.5;
           e.seed = 29;
           e.cycle = 132;
           e.edges = false;  // 44 revolutions a second, 3 seconds
           engine(p, 0, len, e);
           Rng rng(30);
           for (int i = 0; i < 6; i++) {  // gear teeth ticking round the drum
             double f = rng.range(900, 1400);
             uint32_t sd = rng.next();
             for (int k = 0; k < 2; k++)
               strike(p, i * 0.5 + k * 3.0 + 0.05, metalbody(f, 0.015, 10, sd), 0.0005, 0.9, 0.15, sd + 1);
           }
         });
         add(w, foldednoise(3.0, [](Wave& n, double len) {
               addnoise(n, 0, len, Noise{500, 0, 0.7, Low, {0, 0.1, 1, 0}, 0.1, 31});
             }));
         return w;
       }, 0.15, true},
      {"lockopen.ogg", [] {
         // the key turns: the wards click past, the bolt shoots back with a clack
         Wave w;
         strike(w, 0, metalbody(1900, 0.015, 14, 32), 0.0005, 0.9, 0.5, 33);
         strike(w, 0.09, metalbody(1500, 0.015, 14, 34), 0.0005, 0.9, 0.55, 35);
         Wave slide = rub(0.1, [](double u) { return 0.5 + 0.5 * u; }, 0.6, 36);
         excite(w, 0.12, slide, metalbody(800, 0.02, 16, 37), 0.5);
         clang(w, 0.22, 700, 0.05, 0.8, 38);
         return w;
       }, 0.16},
      {"key.ogg", [] {
         // a bunch of keys shaken on their ring
         Wave w;
         Rng rng(39);
         for (int i = 0; i < 9; i++)
           strike(w, i * 0.05 + rng.uni() * 0.04, metalbody(rng.range(2500, 5200), rng.range(0.03, 0.06), 12, rng.next()),
                  0.0005, 0.95, rng.range(0.25, 0.5), rng.next());
         Wave ring = rub(0.45, [](double u) { return std::sin(pi * u); }, 0.8, 40);
         excite(w, 0, ring, metalbody(3000, 0.01, 10, 41), 0.15);
         return w;
       }, 0.15},
      {"boxopen.ogg", [] {
         Wave w;
         creak(w, 0, 0.5, 40, 90, 700, 0.8, 42);
         strike(w, 0.5, woodbody(300, 0.04, 43), 0.002, 0.7, 0.9, 44);
         thump(w, 0.5, 110, 0.3, 0.12);
         return w;
       }, 0.16},
      {"electric.ogg", [] {
         Wave w;
         addnoise(w, 0, 0.06, Noise{3000, 0, 0.7, High, {0.001, 0.04, 0, 0.02}, 0.5, 45});  // the spark
         flickerhum(w, 0.02, 0.45, 0.3, 46);
         return w;
       }, 0.16},
      {"metaldoor.ogg", [] {
         // a heavy steel door rolling shut on its track, ending in a slam
         Wave w;
         steelslide(w, 0, 1.4, 230, 0.6, 47);
         scrape(w, 0, 1.4, 140, 0.4, 48);
         clang(w, 1.4, 160, 0.12, 1.0, 49);
         reverbmono(w, 0.5, 0.4, 0.2);
         return w;
       }, 0.16},
      {"metaldoor2.ogg", [] {
         // a steel door swinging open on a squeaking hinge, and swinging to the wall
         Wave w;
         creak(w, 0, 1.1, 25, 60, 650, 0.9, 50, true);
         Wave hinge = rub(1.0, [](double u) { return std::sin(pi * u); }, 0.3, 51);
         excite(w, 0.05, hinge, metalbody(400, 0.02, 16, 52), 0.3);
         clang(w, 1.15, 190, 0.1, 0.8, 53);
         reverbmono(w, 0.5, 0.4, 0.2);
         return w;
       }, 0.16},
      {"containerhit.ogg", [] {
         // a steel container meeting the quay
         Wave w;
         clang(w, 0, 95, 0.15, 1.0, 54);
         clang(w, 0.004, 230, 0.1, 0.6, 55);
         boom(w, 0, 0.5, 0.5, 56);
         reverbmono(w, 0.75, 0.4, 0.25);
         return w;
       }, 0.19},
      {"rumble1.ogg", [] { Wave w; rumble(w, 1.5, 180, 4, 0.7, 57); return w; }, 0.15},
      {"rumble2.ogg", [] { Wave w; rumble(w, 1.8, 140, 6, 0.7, 58); return w; }, 0.15},
      {"rumble3.ogg", [] { Wave w; rumble(w, 2.2, 220, 7, 0.7, 59); return w; }, 0.15},
      {"rumble4.ogg", [] {
         Wave w;
         rumble(w, 3.0, 120, 14, 0.8, 60);
         boom(w, 0.2, 0.4, 1.2, 61);
         return w;
       }, 0.17},
      {"rumble5.ogg", [] {
         Wave w;
         scrape(w, 0, 0.7, 450, 0.6, 62);
         creak(w, 0.1, 0.5, 30, 50, 500, 0.5, 63);
         strike(w, 0.72, woodbody(260, 0.03, 64), 0.003, 0.6, 0.8, 65);
         return w;
       }, 0.15},
      {"rumble6.ogg", [] {
         Wave w;
         scrape(w, 0, 0.9, 380, 0.6, 66);
         creak(w, 0.05, 0.7, 40, 25, 420, 0.5, 67);
         strike(w, 0.9, woodbody(220, 0.03, 68), 0.003, 0.6, 0.8, 69);
         strike(w, 1.0, woodbody(300, 0.03, 70), 0.003, 0.6, 0.4, 71);
         return w;
       }, 0.15},
      {"pillow1.ogg", [] {
         Wave w;
         addnoise(w, 0, 0.16, Noise{700, 300, 0.7, Low, {0.01, 0.1, 0, 0.06}, 0.7, 72});
         strike(w, 0, fleshbody(73), 0.02, 0.2, 0.5, 74);
         return w;
       }, 0.14},
      {"pillow2.ogg", [] {
         Wave w;
         swish(w, 0, 0.3, 400, 1400, 0.35, 75, 0.8);
         addnoise(w, 0.32, 0.18, Noise{650, 250, 0.7, Low, {0.01, 0.1, 0, 0.06}, 0.7, 76});
         strike(w, 0.32, fleshbody(77), 0.02, 0.2, 0.5, 78);
         return w;
       }, 0.14},
      {"clock.ogg", [] {
         // a wall clock's escapement ticking, then a small bell striking once
         Wave w;
         for (int i = 0; i < 4; i++) {
           strike(w, i * 0.4, woodbody(i % 2 ? 1500 : 1900, 0.01, 79u + i), 0.0005, 0.95, 0.6, 90u + i);
           strike(w, i * 0.4 + 0.012, metalbody(i % 2 ? 2600 : 3100, 0.01, 20, 83u + i), 0.0004, 0.9, 0.25, 87u + i);
         }
         // a cast clock bell, its partials well off any harmonic row
         Body bell{{{midihz(79), 0.12, 1.0}, {midihz(79) * 2.33, 0.12, 0.9}, {midihz(79) * 3.11, 0.11, 0.6},
                    {midihz(79) * 4.47, 0.09, 0.6}, {midihz(79) * 0.53, 0.12, 0.6}, {midihz(79) * 1.27, 0.11, 0.7}},
                   0.2, 1500, 9000};
         strike(w, 1.6, bell, 0.001, 0.9, 0.12, 95);
         strike(w, 1.6, metalbody(midihz(79), 0.15, 24, 96), 0.001, 0.9, 0.25, 97);  // the dome around the note
         return w;
       }, 0.14},
      {"carpet.ogg", [] {
         // a rug dragged and flapped over
         Wave w;
         Wave drag = rub(0.7, [](double u) { return std::sin(pi * u); }, 0.2, 96);
         excite(w, 0, drag, cardbody(97), 0.5);
         addnoise(w, 0, 0.7, Noise{1400, 900, 0.7, Low, {0.15, 0.3, 0.6, 0.15}, 0.4, 98});
         rustle(w, 0, 0.7, 120, 0.25, 99);
         return w;
       }, 0.14},
      {"mower2.ogg", [] {
         Wave w = sputterstart(0.3, 2.2, 28, 700, 0.6, 100);
         return w;
       }, 0.16},
      {"crow.ogg", [] {
         Wave w;
         caw(w, 0, 0.28, 520, 0.5, 101);
         caw(w, 0.4, 0.3, 470, 0.5, 102);
         return w;
       }, 0.16},
      {"crow2.ogg", [] {
         // one startled caw and the wings beating away
         Wave w;
         caw(w, 0, 0.35, 560, 0.5, 103);
         for (int i = 0; i < 7; i++)
           addnoise(w, 0.3 + i * 0.14, 0.07, Noise{500, 300, 0.7, Low, {0.01, 0.05, 0, 0.04}, 0.6 * (1 - i * 0.1), 104u + i});
         return w;
       }, 0.15},
      {"plank.ogg", [] {
         // a plank bends with a creak and slaps down
         Wave w;
         creak(w, 0, 0.35, 35, 70, 600, 0.6, 111);
         strike(w, 0.35, woodbody(210, 0.03, 112), 0.003, 0.8, 1.0, 113);
         thump(w, 0.35, 100, 0.35, 0.12);
         return w;
       }, 0.16},
      {"iron.ogg", [] {
         // a lump of iron set down hard on boards, and pushed a little
         Wave w;
         clang(w, 0, 240, 0.04, 0.9, 114);
         strike(w, 0.002, woodbody(120, 0.05, 115), 0.006, 0.5, 0.7, 116);
         scrape(w, 0.08, 0.3, 600, 0.3, 117);
         return w;
       }, 0.16},
      {"metallhit.ogg", [] {
         // a mower hitting steel: a loud, full clang
         Wave w;
         clang(w, 0, 420, 0.1, 1.0, 118);
         addnoise(w, 0, 0.02, Noise{4000, 0, 0.7, High, {0.0005, 0.01, 0, 0.01}, 0.4, 119});
         Rng rng(120);
         for (int i = 0; i < 12; i++)  // the mower's loose parts rattling after the blow
           strike(w, 0.02 + i * 0.03 + rng.uni() * 0.02, metalbody(rng.range(700, 2500), 0.015, 12, rng.next()), 0.0005,
                  0.9, 0.25 * (1 - i / 14.0), rng.next());
         return w;
       }, 0.17},
      {"chainsaw1.ogg", [] {
         Wave w;
         swish(w, 0, 0.3, 600, 2600, 0.4, 120, 1.5);
         Engine e;
         e.hz = [](double u) { return 40 - 25 * u; };
         e.level = [](double u) { return std::max(0.0, 1 - u * 1.1); };
         e.tone = 1500;
         e.lowmix = 0.25;
         e.misfire = 0.4;
         e.buzz = 0.8;
         e.amp = 0.5;
         e.seed = 121;
         engine(w, 0.3, 0.9, e);
         return w;
       }, 0.16},
      {"chainsaw2.ogg", [] {
         Wave w;
         swish(w, 0, 0.3, 600, 2600, 0.4, 122, 1.5);
         Engine e;
         e.hz = [](double u) { return u < 0.3 ? 30 + 20 * u / 0.3 : 50 + 80 * std::sin((u - 0.3) / 0.7 * pi * 0.5); };
         e.level = [](double u) { return std::min(1.0, 0.5 + u); };
         e.tone = 1500;
         e.lowmix = 0.25;
         e.misfire = 0.1;
         e.buzz = 0.8;
         e.amp = 0.5;
         e.seed = 123;
         engine(w, 0.3, 1.8, e);
         return w;
       }, 0.17},
      {"chainsaw32.ogg", [] {
         return periodic(2.0, [](Wave& p, double len) {
           Engine e;
           // idling unevenly, with a rev twice a loop; 110 revolutions a second fit the loop exactly
           e.hz = [len](double u) {
             return 110 + 25 * std::pow(std::sin(u * len * pi), 2.0) + 6 * std::sin(u * len * 2 * pi * 3.0);
           };
           e.misfire = 0.06;
           e.tone = 1500;
           e.lowmix = 0.25;
           e.buzz = 0.8;
           e.amp = 0.5;
           e.seed = 124;
           e.cycle = 1;
           e.edges = false;
           engine(p, 0, len, e);
         });
       }, 0.16, true},
      {"chainsaw4.ogg", [] {
         Wave w;
         Engine e;
         e.hz = [](double u) { return u < 0.6 ? 140 : 140 - 120 * (u - 0.6) / 0.4; };
         e.level = [](double u) { return u < 0.7 ? 1.0 : std::max(0.0, 1 - (u - 0.7) / 0.3); };
         e.tone = 1600;
         e.lowmix = 0.25;
         e.buzz = 0.8;
         e.amp = 0.5;
         e.seed = 125;
         engine(w, 0, 2.0, e);
         addnoise(w, 0, 1.2, Noise{3000, 0, 0.8, Bandpass, {0.05, 0.8, 0.7, 0.2}, 0.3, 126, 2000});  // wood chips
         return w;
       }, 0.17},
      {"treefall.ogg", [] {
         Wave w;
         addnoise(w, 0, 0.9, Noise{1800, 900, 1.0, Bandpass, {0.3, 0.5, 0.7, 0.1}, 0.6, 127, 300});  // cracking
         creak(w, 0, 0.9, 20, 80, 350, 0.6, 128);
         swish(w, 0.8, 0.9, 300, 1200, 0.35, 129, 0.6);
         boom(w, 1.7, 0.7, 1.0, 130);
         rustle(w, 1.7, 0.8, 400, 0.3, 131);
         return w;
       }, 0.18},
      {"trunk.ogg", [] {
         // a car boot: the latch pops, the lid rises on its springs with a creak
         Wave w;
         strike(w, 0, metalbody(1300, 0.02, 14, 132), 0.0006, 0.9, 0.6, 133);
         strike(w, 0.02, woodbody(600, 0.015, 134), 0.001, 0.7, 0.3, 135);
         addnoise(w, 0.1, 0.6, Noise{3500, 2500, 0.8, Bandpass, {0.05, 0.4, 0.5, 0.2}, 0.2, 136});
         creak(w, 0.1, 0.5, 60, 30, 800, 0.4, 137, true);
         return w;
       }, 0.15},
      {"planeup.ogg", [] {
         // a tarpaulin pulled up off a heap
         Wave w;
         Wave pull = rub(0.7, [](double u) { return std::sin(pi * std::sqrt(u)); }, 0.3, 138);
         excite(w, 0, pull, cardbody(139), 0.5);
         addnoise(w, 0, 0.7, Noise{900, 2200, 0.6, Bandpass, {0.25, 0.3, 0.5, 0.2}, 0.35, 140});
         rustle(w, 0, 0.7, 250, 0.3, 141);
         return w;
       }, 0.15},
      {"nail.ogg", [] {
         // pliers draw a nail: it grinds out of the wood with a rising squeal and pops free
         Wave w;
         creak(w, 0, 0.35, 500, 1300, 2200, 0.8, 142, true);
         scrape(w, 0, 0.35, 900, 0.3, 143);
         strike(w, 0.37, metalbody(2600, 0.03, 12, 144), 0.0005, 1.0, 0.5, 145);
         strike(w, 0.37, woodbody(700, 0.01, 146), 0.001, 0.9, 0.4, 147);
         return w;
       }, 0.15},
      {"boxslide.ogg", [] {
         Wave w;
         scrape(w, 0, 0.8, 300, 0.8, 148);
         creak(w, 0, 0.8, 18, 26, 260, 0.4, 149);
         return w;
       }, 0.15},
      {"boxslide2.ogg", [] {
         Wave w;
         scrape(w, 0, 1.0, 240, 0.8, 150);
         creak(w, 0, 1.0, 14, 22, 220, 0.45, 151);
         strike(w, 1.0, woodbody(180, 0.04, 152), 0.003, 0.6, 0.8, 153);
         return w;
       }, 0.15},
      {"skull.ogg", [] {
         // a skull bouncing to rest on stone: hollow knocks, closer and closer together
         Wave w;
         double t = 0, gap = 0.18;
         for (int i = 0; i < 6; i++) {
           Body bone = woodbody(680 + i * 25, 0.025, 154u + i);
           strike(w, t, bone, 0.0008, 0.9, 0.9 * std::pow(0.72, i), 160u + i);
           strike(w, t, stonebody(1800, 166u + i), 0.0005, 0.9, 0.3 * std::pow(0.72, i), 172u + i);
           t += gap;
           gap *= 0.7;
         }
         return w;
       }, 0.15},
      {"finish.ogg", [] {
         Wave w;
         chime(w, 0, {69, 72, 76, 81}, 0.12, 0.6, Glock, 178);
         chime(w, 0.5, {73, 76, 81, 85}, 0.03, 0.4, Glock, 179);
         Body bell{{{midihz(57), 0.25, 1.0}, {midihz(57) * 2.33, 0.25, 0.9}, {midihz(57) * 3.11, 0.22, 0.6},
                    {midihz(57) * 4.47, 0.18, 0.6}, {midihz(57) * 0.56, 0.25, 0.6}, {midihz(57) * 1.27, 0.22, 0.7}},
                   0.2, 1500, 9000};
         strike(w, 0.5, bell, 0.001, 0.9, 0.3, 180);
         sparkle(w, 0.5, 1.0, 12, 3000, 9000, 0.15, 181);
         reverbmono(w, 0.7, 0.3, 0.25);
         return w;
       }, 0.16},
      {"glass.ogg", [] {
         // a pane shattering, and the shards raining down on the floor
         Wave w;
         addnoise(w, 0, 0.05, Noise{5000, 0, 0.7, High, {0.0005, 0.03, 0, 0.02}, 0.7, 182});
         Wave crunch = stickslip(0.08, 3000, 800, 0.9, 207);
         excite(w, 0, crunch, glassbody(2800, 0.01, 208), 1.0);
         addnoise(w, 0.1, 0.9, Noise{6000, 3000, 0.6, High, {0.01, 0.5, 0.2, 0.3}, 0.15, 209, 900});  // tinkling grit
         Rng rng(183);
         for (int i = 0; i < 10; i++)
           strike(w, rng.uni() * 0.03, glassbody(rng.range(1800, 5000), 0.03, rng.next()), 0.0004, 1.0, 0.5, rng.next());
         for (int i = 0; i < 40; i++) {
           double t = 0.1 + std::pow(rng.uni(), 0.7) * 0.9;
           strike(w, t, glassbody(rng.range(2500, 8000), rng.range(0.01, 0.04), rng.next()), 0.0003, 1.0,
                  rng.range(0.1, 0.35), rng.next());
         }
         return w;
       }, 0.17},
      {"glass2.ogg", [] {
         // a stone strikes the window: a hard tick and a crack running through the pane
         Wave w;
         strike(w, 0, stonebody(2500, 184), 0.0004, 1.0, 0.8, 185);
         addnoise(w, 0.003, 0.1, Noise{4500, 2500, 0.8, High, {0.001, 0.06, 0.1, 0.03}, 0.25, 206, 3000});  // splinters
         Wave crack = stickslip(0.12, 2500, 600, 0.9, 186);
         excite(w, 0.005, crack, glassbody(3100, 0.006, 187), 1.2);
         strike(w, 0, glassbody(3100, 0.03, 188), 0.0004, 1.0, 0.15, 189);
         return w;
       }, 0.16},
      {"stone.ogg", [] {
         Wave w;
         for (int k = 0; k < 2; k++) strike(w, k * 0.12, stonebody(1300 - k * 250, 190u + k), 0.0006, 0.9, 0.9, 195u + k);
         Wave grit = stickslip(0.15, 300, 100, 0.9, 197);
         excite(w, 0.15, grit, stonebody(1800, 198), 0.3);
         return w;
       }, 0.15},
      {"ladder.ogg", [] {
         // a steel ladder sliding down its guide, rung after rung, and landing
         Wave w;
         Rng rng(199);
         for (int i = 0; i < 9; i++)
           strike(w, i * 0.13, metalbody(rng.range(500, 800), 0.03, 40, rng.next()), 0.0008, 0.9, 0.5, rng.next());
         steelslide(w, 0, 1.2, 600, 0.35, 200);
         clang(w, 1.25, 300, 0.06, 0.9, 201);
         thump(w, 1.25, 90, 0.4, 0.15);
         return w;
       }, 0.16},
      {"lever.ogg", [] {
         // a big lever pulled over: its ratchet clicks and it thunks home
         Wave w;
         for (int i = 0; i < 5; i++)
           strike(w, i * 0.06, metalbody(1800 + i * 40, 0.012, 12, 202u + i), 0.0004, 0.95, 0.45, 210u + i);
         Wave pull = rub(0.3, [](double u) { return 0.4 + 0.6 * u; }, 0.3, 215);
         excite(w, 0, pull, metalbody(500, 0.02, 16, 216), 0.25);
         clang(w, 0.33, 320, 0.05, 0.9, 217);
         thump(w, 0.33, 100, 0.4, 0.12);
         return w;
       }, 0.16},
      {"plugin.ogg", [] {
         // a plug pushed home: plastic and brass, a spark, and the hum starting up
         Wave w;
         strike(w, 0, plasticbody(1600, 218), 0.0006, 0.95, 0.8, 219);
         strike(w, 0.005, metalbody(2400, 0.015, 30, 220), 0.0005, 0.9, 0.35, 221);
         addnoise(w, 0.01, 0.12, Noise{5000, 0, 0.7, High, {0.001, 0.08, 0, 0.03}, 0.5, 222, 400});
         flickerhum(w, 0.05, 0.5, 0.06, 223);
         return w;
       }, 0.15},
      {"gen1.ogg", [] {
         Wave w = sputterstart(0.3, 1.8, 25, 450, 0.6, 224);
         return w;
       }, 0.16},
      {"gen2.ogg", [] {
         Wave w = periodic(2.0, [](Wave& p, double len) {
           Engine e;
           e.hz = [](double) { return 25.0; };
           e.tone = 450;
           e.buzz = 0.2;
           e.amp = 0.6;
           e.seed = 225;
           e.cycle = 50;
           e.edges = false;
           engine(p, 0, len, e);
           Tone hum{100, 0, {}, Tri, {0, 0.1, 1, 0}, 0.04};  // the alternator
           addtone(p, 0, len, hum);
         });
         add(w, foldednoise(2.0, [](Wave& n, double len) {
               addnoise(n, 0, len, Noise{900, 0, 0.7, Low, {0, 0.1, 1, 0}, 0.08, 226});
             }));
         return w;
       }, 0.15, true},
      {"boat1.ogg", [] {
         // a ship's horn across the harbour: it catches, swells, and echoes off the quay
         Wave w;
         for (double f : {110.0, 138.6}) {
           Tone horn;
           horn.shape = Saw;
           horn.curve = [f](double u) { return f * (1 - 0.06 * std::exp(-u * 12)) * (1 + 0.004 * std::sin(u * 23)); };
           horn.env = {0.15, 0.5, 0.85, 0.5};
           horn.amp = 0.3;
           horn.cutoff = 450;
           horn.cutoffend = 800;
           horn.q = 1.2;
           addtone(w, 0, 2.2, horn);
         }
         addnoise(w, 0, 2.4, Noise{600, 0, 1.0, Bandpass, {0.2, 0.5, 0.8, 0.6}, 0.08, 227});  // steam in the horn
         Stereo s{w, w};
         echo(s, 0.45, 0.35, 0.3, false);
         for (size_t i = 0; i < w.size(); i++) w[i] = s.l[i];
         reverbmono(w, 0.9, 0.3, 0.35);
         return w;
       }, 0.17},
      {"splash.ogg", [] {
         Wave w;
         addnoise(w, 0, 0.4, Noise{2500, 500, 0.6, Low, {0.005, 0.2, 0.2, 0.3}, 0.8, 228});
         thump(w, 0, 70, 0.5, 0.2);
         Rng rng(229);
         for (int i = 0; i < 24; i++)
           bubble(w, 0.15 + rng.uni() * 0.9, rng.range(300, 1100), rng.range(0.01, 0.03), 0.8, rng.range(0.1, 0.25));
         return w;
       }, 0.17},
      {"beep.ogg", [] {
         Wave w;
         for (int k = 0; k < 2; k++) {
           Tone b{1050, 0, {}, Square, {0.003, 0.05, 0.8, 0.01}, 0.2};
           b.cutoff = 3000;
           addtone(w, k * 0.16, 0.09, b);
         }
         return w;
       }, 0.13},
      {"chain.ogg", [] {
         return periodic(2.0, [](Wave& p, double len) {
           // eighteen links a second run out, their pitches repeating with the loop
           int links = int(len * 18);
           for (int i = 0; i < links; i++) {
             uint32_t h = hash(uint32_t(i % 36) + 230);
             double f = 800 + (h & 1023) * 0.8;
             double t = i / 18.0 + ((h >> 10) & 63) * 0.0004;
             strike(p, t, metalbody(f, 0.03, 12, h), 0.0005, 0.9, 0.3 + ((h >> 16) & 255) / 900.0, h + 1);
             strike(p, i / 18.0, woodbody(400 + (h >> 24), 0.01, h + 2), 0.001, 0.6, 0.15, h + 3);
           }
         });
       }, 0.15, true},
  };
}

}  // namespace

std::vector<Job> storyjobs() {
  std::vector<Job> jobs;
  for (auto& s : table()) {
    std::string rel = std::string("sound/story/") + s.name;
    jobs.push_back({rel, 0.15, [rel, s] {
                      if (s.loops) {
                        Wave w = s.make();
                        levelshort(w, s.loud);  // gain only: the loop must stay unfaded
                        writeogg(rel, w, nullptr, 0.4f);
                      } else {
                        savesound(rel, s.make(), s.loud);
                      }
                    }});
  }
  return jobs;
}

}  // namespace sfx
