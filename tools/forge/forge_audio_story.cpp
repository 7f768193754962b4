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

// Stick-slip creak: a run of tiny knocks whose rate glides from r0 to r1 per second.
void creak(Wave& w, double t0, double dur, double r0, double r1, double f, double amp, uint32_t seed) {
  Rng rng(seed);
  double t = 0;
  while (t < dur) {
    double u = t / dur, env = std::sin(pi * u);
    addmodal(w, t0 + t, f * rng.range(0.95, 1.05), {{1, 0.006, 1}, {2.3, 0.004, 0.5}, {3.7, 0.003, 0.3}},
             amp * (0.3 + 0.7 * env) * rng.range(0.7, 1.0), 0.0003);
    t += 1.0 / (r0 * std::pow(r1 / r0, u)) * rng.range(0.85, 1.15);
  }
}

void rumble(Wave& w, double dur, double f, int debris, double amp, uint32_t seed) {
  addnoise(w, 0, dur, Noise{f, f * 0.6, 0.7, Low, {dur * 0.25, dur * 0.5, 0.6, dur * 0.35}, amp, seed});
  addnoise(w, 0, dur, Noise{f * 2.5, f * 1.5, 1.5, Bandpass, {dur * 0.3, dur * 0.4, 0.5, dur * 0.3}, amp * 0.3, seed + 1, 60});
  Rng rng(seed + 2);
  for (int i = 0; i < debris; i++) {
    double t = rng.range(0.1, dur * 0.9);
    addmodal(w, t, rng.range(150, 500), wood(0.04), amp * 0.25 * rng.range(0.4, 1.0));
  }
}

void scrape(Wave& w, double t0, double dur, double f, double amp, uint32_t seed) {
  addnoise(w, t0, dur, Noise{f, f * 0.8, 2.0, Bandpass, {0.05, dur * 0.5, 0.7, 0.1}, amp, seed});
  addnoise(w, t0, dur, Noise{f * 0.4, 0, 0.8, Low, {0.05, dur * 0.5, 0.7, 0.1}, amp * 0.6, seed + 1, 90});
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

std::vector<Sound> table() {
  return {
      {"introstory_mmh.ogg", [] {
         Wave w;
         Voice v;
         v.pitch = [](double u) { return 135 + 45 * std::sin(u * pi) - 20 * u; };
         v.f1 = 260, v.f2 = 900, v.f3 = 2200;  // lips closed: a hum
         v.breath = 0.1;
         v.rough = 0.15;
         v.env = {0.08, 0.4, 0.8, 0.25};
         v.amp = 0.6;
         v.seed = 1;
         addvoice(w, 0, 0.9, v);
         return w;
       }, 0.16},
      {"introstory_eat.ogg", [] {
         Wave w;
         Rng rng(2);
         for (int i = 0; i < 5; i++) {  // munch, munch
           double t = i * 0.28 + rng.uni() * 0.05;
           addnoise(w, t, 0.12, Noise{1600, 900, 1.0, Bandpass, {0.005, 0.06, 0.2, 0.05}, 0.6, 3u + i, 900});
           addnoise(w, t + 0.02, 0.1, Noise{500, 250, 1.2, Low, {0.01, 0.06, 0.2, 0.05}, 0.5, 20u + i});
           Tone sq{380, 160, {}, Sine, {0.005, 0.05, 0, 0.03}, 0.15};
           addtone(w, t + 0.03, 0.07, sq);
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
         groan(w, 0, 0.5, 120, 140, 0.8, 0.5, 5);
         groan(w, 0.45, 1.1, 140, 60, 1.0, 0.6, 6);
         return w;
       }, 0.17},
      {"introstory_breath.ogg", [] {
         Wave w;
         Voice in;
         in.pitch = [](double) { return 90.0; };
         in.f1 = 700, in.f2 = 1200, in.f3 = 2600, in.f1end = 500;
         in.breath = 0.92;
         in.rough = 0.5;
         in.env = {0.35, 0.3, 0.8, 0.2};
         in.amp = 0.6;
         in.seed = 7;
         addvoice(w, 0, 0.6, in);
         Voice out = in;
         out.f1 = 550, out.f1end = 400, out.breath = 0.8, out.seed = 8;
         out.env = {0.1, 0.5, 0.6, 0.35};
         addvoice(w, 0.85, 0.7, out);
         return w;
       }, 0.13},
      {"introstory_drama.ogg", [] {
         Wave w;
         Rng rng(9);
         const int hits[3][3] = {{45, 52, 57}, {44, 51, 56}, {41, 48, 53}};
         const double at3[3] = {0, 0.32, 0.64}, len[3] = {0.22, 0.22, 1.6};
         for (int k = 0; k < 3; k++) {
           brassstab(w, at3[k], {hits[k][0], hits[k][1], hits[k][2], hits[k][0] + 12}, len[k], 0.6, 10u + k);
           mixin(w, note(Tom, 70, 0.3, 1.0, rng), at3[k]);
         }
         addnoise(w, 0.64, 1.8, Noise{7000, 3000, 0.6, High, {0.01, 1.0, 0.1, 0.6}, 0.2, 14});
         reverbmono(w, 0.85, 0.4, 0.3);
         return w;
       }, 0.19},
      {"storyrain.ogg", [] {
         return foldednoise(4.0, [](Wave& w, double len) {
           addnoise(w, 0, len, Noise{3000, 0, 0.5, Low, {0, 0.1, 1, 0}, 0.35, 15});
           addnoise(w, 0, len, Noise{6000, 0, 0.7, High, {0, 0.1, 1, 0}, 0.12, 16});
           addnoise(w, 0, len, Noise{2200, 0, 1.5, Bandpass, {0, 0.1, 1, 0}, 0.5, 17, 1800});
           Rng rng(18);
           for (int i = 0; i < int(len * 5); i++) {  // fat drops on a gutter
             double f = rng.range(1400, 3000), t = rng.uni() * (len - 0.1);
             addtone(w, t, 0.02, Tone{f, f * 1.5, {}, Sine, {0.001, 0.015, 0, 0.01}, 0.06});
           }
         });
       }, 0.13, true},
      {"storygully.ogg", [] {
         Wave w;
         addnoise(w, 0, 2.0, Noise{900, 600, 0.8, Low, {0.2, 0.8, 0.6, 0.4}, 0.35, 19});
         Rng rng(20);
         for (int i = 0; i < 26; i++) {  // gurgling bubbles down the drain
           double t = std::pow(rng.uni(), 0.8) * 2.0, f = rng.range(250, 700);
           addtone(w, t, 0.05, Tone{f, f * rng.range(1.6, 2.6), {}, Sine, {0.003, 0.03, 0.3, 0.02}, 0.35});
         }
         return w;
       }, 0.15},
      {"crane1.ogg", [] {
         Wave w;
         addmodal(w, 0, 260, metal(0.25), 0.45);
         Engine e;
         e.hz = [](double u) { return 14 + 30 * std::pow(u, 0.6); };
         e.level = [](double u) { return std::min(1.0, u * 4) * (u > 0.8 ? (1 - u) * 5 : 1.0); };
         e.tone = 320;
         e.buzz = 0.4;
         e.amp = 0.6;
         e.seed = 21;
         engine(w, 0.1, 2.0, e);
         return w;
       }, 0.16},
      {"crane2.ogg", [] {
         Wave w;
         Engine e;
         e.hz = [](double) { return 44.0; };
         e.level = [](double u) { return std::min(1.0, u * 6) * std::min(1.0, (1 - u) * 6); };
         e.tone = 320;
         e.buzz = 0.4;
         e.amp = 0.5;
         e.seed = 22;
         engine(w, 0, 2.5, e);
         Tone whine{300, 520, {}, Tri, {0.4, 0.8, 0.8, 0.5}, 0.12};
         addtone(w, 0.1, 1.9, whine);
         return w;
       }, 0.16},
      {"crane3.ogg", [] {
         Wave w;
         Engine e;
         e.hz = [](double u) { return 44 - 32 * u; };
         e.level = [](double u) { return 1 - u * u; };
         e.tone = 320;
         e.buzz = 0.4;
         e.amp = 0.5;
         e.seed = 23;
         engine(w, 0, 1.2, e);
         addmodal(w, 1.1, 180, metal(0.5), 0.5);
         addmodal(w, 1.15, 410, metal(0.3), 0.3);
         return w;
       }, 0.17},
      {"crane4.ogg", [] {
         Wave w = periodic(3.0, [](Wave& p, double len) {
           Engine e;
           e.hz = [](double) { return 44.0; };
           e.tone = 320;
           e.buzz = 0.4;
           e.amp = 0.5;
           e.seed = 24;
           e.cycle = 132;
           e.edges = false;  // 44 revolutions a second, 3 seconds
           engine(p, 0, len, e);
           Rng rng(25);
           for (int i = 0; i < 6; i++) {  // gear teeth ticking round the drum
             double f = rng.range(900, 1400);
             for (int k = 0; k < 2; k++) tap(p, i * 0.5 + k * 3.0 + 0.05, f, 0.12, 26u + i);
           }
         });
         add(w, foldednoise(3.0, [](Wave& n, double len) {
               addnoise(n, 0, len, Noise{500, 0, 0.7, Low, {0, 0.1, 1, 0}, 0.1, 27});
             }));
         return w;
       }, 0.15, true},
      {"lockopen.ogg", [] {
         Wave w;
         addmodal(w, 0, 1900, metal(0.03), 0.4);
         addmodal(w, 0.09, 1500, metal(0.04), 0.45);
         addmodal(w, 0.22, 900, metal(0.08), 0.6);
         tap(w, 0.22, 700, 0.4, 28);
         return w;
       }, 0.16},
      {"key.ogg", [] {
         Wave w;
         Rng rng(29);
         for (int i = 0; i < 7; i++)
           addmodal(w, i * 0.05 + rng.uni() * 0.04, rng.range(2500, 5200), metal(0.08), rng.range(0.2, 0.5));
         return w;
       }, 0.15},
      {"boxopen.ogg", [] {
         Wave w;
         creak(w, 0, 0.5, 40, 90, 1100, 0.5, 30);
         tap(w, 0.5, 300, 0.7, 31);
         thump(w, 0.5, 110, 0.4, 0.12);
         return w;
       }, 0.16},
      {"electric.ogg", [] {
         Wave w;
         Tone hum{100, 0, {}, Saw, {0.005, 0.1, 0.7, 0.1}, 0.35};
         hum.cutoff = 2500;
         addtone(w, 0, 0.45, hum);
         addnoise(w, 0, 0.5, Noise{5000, 0, 0.7, High, {0.003, 0.3, 0.3, 0.1}, 0.6, 32, 120});
         addnoise(w, 0, 0.06, Noise{3000, 0, 0.7, High, {0.001, 0.04, 0, 0.02}, 0.5, 33});
         return w;
       }, 0.16},
      {"metaldoor.ogg", [] {
         Wave w;
         scrape(w, 0, 1.4, 700, 0.5, 34);
         addmodal(w, 0, 230, metal(0.6), 0.25);
         addmodal(w, 1.4, 160, metal(0.7), 0.6);
         thump(w, 1.4, 80, 0.5, 0.2);
         reverbmono(w, 0.5, 0.4, 0.2);
         return w;
       }, 0.16},
      {"metaldoor2.ogg", [] {
         Wave w;
         creak(w, 0, 1.1, 25, 60, 650, 0.5, 35);
         Tone squeal;
         squeal.curve = [](double u) { return 700 + 250 * std::sin(u * pi * 1.5); };
         squeal.shape = Saw;
         squeal.env = {0.2, 0.5, 0.6, 0.2};
         squeal.amp = 0.08;
         squeal.cutoff = 1800;
         addtone(w, 0.1, 0.9, squeal);
         addmodal(w, 1.15, 190, metal(0.6), 0.55);
         reverbmono(w, 0.5, 0.4, 0.2);
         return w;
       }, 0.16},
      {"containerhit.ogg", [] {
         Wave w;
         addmodal(w, 0, 95, metal(1.0), 0.7);
         addmodal(w, 0, 230, metal(0.6), 0.4);
         boom(w, 0, 0.5, 0.5, 36);
         reverbmono(w, 0.75, 0.4, 0.25);
         return w;
       }, 0.19},
      {"rumble1.ogg", [] { Wave w; rumble(w, 1.5, 180, 3, 0.7, 37); return w; }, 0.15},
      {"rumble2.ogg", [] { Wave w; rumble(w, 1.8, 140, 5, 0.7, 38); return w; }, 0.15},
      {"rumble3.ogg", [] { Wave w; rumble(w, 2.2, 220, 6, 0.7, 39); return w; }, 0.15},
      {"rumble4.ogg", [] {
         Wave w;
         rumble(w, 3.0, 120, 12, 0.8, 40);
         boom(w, 0.2, 0.4, 1.2, 41);
         return w;
       }, 0.17},
      {"rumble5.ogg", [] {
         Wave w;
         scrape(w, 0, 0.7, 450, 0.4, 42);
         creak(w, 0.1, 0.5, 30, 50, 500, 0.3, 43);
         tap(w, 0.72, 260, 0.6, 44);
         return w;
       }, 0.15},
      {"rumble6.ogg", [] {
         Wave w;
         scrape(w, 0, 0.9, 380, 0.4, 45);
         creak(w, 0.05, 0.7, 40, 25, 420, 0.3, 46);
         tap(w, 0.9, 220, 0.6, 47);
         tap(w, 1.0, 300, 0.3, 48);
         return w;
       }, 0.15},
      {"pillow1.ogg", [] {
         Wave w;
         addnoise(w, 0, 0.16, Noise{700, 300, 0.7, Low, {0.01, 0.1, 0, 0.06}, 0.7, 49});
         thump(w, 0, 90, 0.3, 0.1);
         return w;
       }, 0.14},
      {"pillow2.ogg", [] {
         Wave w;
         swish(w, 0, 0.3, 400, 1400, 0.35, 50, 0.8);
         addnoise(w, 0.32, 0.18, Noise{650, 250, 0.7, Low, {0.01, 0.1, 0, 0.06}, 0.7, 51});
         thump(w, 0.32, 85, 0.3, 0.1);
         return w;
       }, 0.14},
      {"clock.ogg", [] {
         Wave w;
         for (int i = 0; i < 4; i++) tap(w, i * 0.4, i % 2 ? 1500 : 1900, 0.5, 52u + i);
         addmodal(w, 1.6, midihz(79), bell(0.5), 0.3);
         return w;
       }, 0.14},
      {"carpet.ogg", [] {
         Wave w;
         addnoise(w, 0, 0.7, Noise{1400, 900, 0.7, Low, {0.15, 0.3, 0.6, 0.15}, 0.6, 56});
         rustle(w, 0, 0.7, 120, 0.25, 57);
         return w;
       }, 0.14},
      {"mower2.ogg", [] {
         Wave w = sputterstart(0.3, 2.2, 28, 700, 0.6, 58);
         return w;
       }, 0.16},
      {"crow.ogg", [] {
         Wave w;
         for (int k = 0; k < 2; k++) {
           Voice v;
           v.pitch = [k](double u) { return (560 - 60 * k) * (1 - 0.25 * u); };
           v.f1 = 950, v.f2 = 1500, v.f3 = 2700, v.f1end = 750;
           v.rough = 0.9;
           v.breath = 0.3;
           v.env = {0.02, 0.2, 0.7, 0.08};
           v.amp = 0.5;
           v.seed = 59u + k;
           addvoice(w, k * 0.4, 0.28, v);
         }
         return w;
       }, 0.16},
      {"crow2.ogg", [] {
         Wave w;
         Voice v;
         v.pitch = [](double u) { return 600 * (1 - 0.3 * u); };
         v.f1 = 950, v.f2 = 1500, v.f3 = 2700, v.f1end = 750;
         v.rough = 0.9;
         v.breath = 0.3;
         v.env = {0.02, 0.2, 0.7, 0.08};
         v.amp = 0.5;
         v.seed = 61;
         addvoice(w, 0, 0.35, v);
         for (int i = 0; i < 7; i++)  // wings beating away
           addnoise(w, 0.3 + i * 0.14, 0.07, Noise{500, 300, 0.7, Low, {0.01, 0.05, 0, 0.04}, 0.6 * (1 - i * 0.1), 62u + i});
         return w;
       }, 0.15},
      {"plank.ogg", [] {
         Wave w;
         creak(w, 0, 0.35, 35, 70, 600, 0.35, 70);
         addmodal(w, 0.35, 210, wood(0.12), 0.8);
         thump(w, 0.35, 100, 0.35, 0.12);
         return w;
       }, 0.16},
      {"iron.ogg", [] {
         Wave w;
         addmodal(w, 0, 240, metal(0.25), 0.6);
         thump(w, 0, 90, 0.5, 0.12);
         scrape(w, 0.05, 0.3, 900, 0.15, 71);
         return w;
       }, 0.16},
      {"metallhit.ogg", [] {
         Wave w;
         addmodal(w, 0, 420, metal(0.9), 0.7);
         addnoise(w, 0, 0.02, Noise{4000, 0, 0.7, High, {0.0005, 0.01, 0, 0.01}, 0.4, 72});
         return w;
       }, 0.17},
      {"chainsaw1.ogg", [] {
         Wave w;
         swish(w, 0, 0.3, 600, 2600, 0.4, 73, 1.5);
         Engine e;
         e.hz = [](double u) { return 40 - 25 * u; };
         e.level = [](double u) { return std::max(0.0, 1 - u * 1.1); };
         e.tone = 1500;
         e.lowmix = 0.25;
         e.misfire = 0.4;
         e.buzz = 0.8;
         e.amp = 0.5;
         e.seed = 74;
         engine(w, 0.3, 0.9, e);
         return w;
       }, 0.16},
      {"chainsaw2.ogg", [] {
         Wave w;
         swish(w, 0, 0.3, 600, 2600, 0.4, 75, 1.5);
         Engine e;
         e.hz = [](double u) { return u < 0.3 ? 30 + 20 * u / 0.3 : 50 + 80 * std::sin((u - 0.3) / 0.7 * pi * 0.5); };
         e.level = [](double u) { return std::min(1.0, 0.5 + u); };
         e.tone = 1500;
         e.lowmix = 0.25;
         e.misfire = 0.1;
         e.buzz = 0.8;
         e.amp = 0.5;
         e.seed = 76;
         engine(w, 0.3, 1.8, e);
         return w;
       }, 0.17},
      {"chainsaw32.ogg", [] {
         return periodic(2.0, [](Wave& p, double len) {
           Engine e;
           // idling with a rev twice a loop; 110 revolutions a second fit the loop exactly
           e.hz = [len](double u) { return 110 + 25 * std::pow(std::sin(u * len * pi), 2.0); };
           e.tone = 1500;
           e.lowmix = 0.25;
           e.buzz = 0.8;
           e.amp = 0.5;
           e.seed = 77;
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
         e.seed = 78;
         engine(w, 0, 2.0, e);
         addnoise(w, 0, 1.2, Noise{3000, 0, 0.8, Bandpass, {0.05, 0.8, 0.7, 0.2}, 0.3, 79, 2000});  // wood chips
         return w;
       }, 0.17},
      {"treefall.ogg", [] {
         Wave w;
         addnoise(w, 0, 0.9, Noise{1800, 900, 1.0, Bandpass, {0.3, 0.5, 0.7, 0.1}, 0.6, 80, 300});  // cracking
         creak(w, 0, 0.9, 20, 80, 350, 0.4, 81);
         swish(w, 0.8, 0.9, 300, 1200, 0.35, 82, 0.6);
         boom(w, 1.7, 0.7, 1.0, 83);
         rustle(w, 1.7, 0.8, 400, 0.3, 84);
         return w;
       }, 0.18},
      {"trunk.ogg", [] {
         Wave w;
         addmodal(w, 0, 1300, metal(0.03), 0.5);
         tap(w, 0.02, 600, 0.3, 85);
         addnoise(w, 0.1, 0.6, Noise{3500, 2500, 0.8, Bandpass, {0.05, 0.4, 0.5, 0.2}, 0.2, 86});
         creak(w, 0.1, 0.5, 60, 30, 800, 0.25, 87);
         return w;
       }, 0.15},
      {"planeup.ogg", [] {
         Wave w;
         addnoise(w, 0, 0.7, Noise{900, 2200, 0.6, Bandpass, {0.25, 0.3, 0.5, 0.2}, 0.5, 88});
         rustle(w, 0, 0.7, 250, 0.3, 89);
         return w;
       }, 0.15},
      {"nail.ogg", [] {
         Wave w;
         Tone sq;
         sq.curve = [](double u) { return 1400 + 900 * u + 120 * std::sin(u * 40); };
         sq.shape = Saw;
         sq.env = {0.02, 0.2, 0.7, 0.05};
         sq.amp = 0.2;
         sq.cutoff = 3500;
         addtone(w, 0, 0.35, sq);
         addmodal(w, 0.38, 2200, metal(0.25), 0.4);
         return w;
       }, 0.15},
      {"boxslide.ogg", [] {
         Wave w;
         scrape(w, 0, 0.8, 300, 0.6, 90);
         creak(w, 0, 0.8, 18, 26, 260, 0.3, 91);
         return w;
       }, 0.15},
      {"boxslide2.ogg", [] {
         Wave w;
         scrape(w, 0, 1.0, 240, 0.6, 92);
         creak(w, 0, 1.0, 14, 22, 220, 0.35, 93);
         tap(w, 1.0, 180, 0.5, 94);
         return w;
       }, 0.15},
      {"skull.ogg", [] {
         Wave w;
         double t = 0, gap = 0.18;
         for (int i = 0; i < 6; i++) {  // bouncing to rest
           addmodal(w, t, 700 + i * 30, wood(0.03), 0.7 * std::pow(0.75, i));
           t += gap;
           gap *= 0.7;
         }
         return w;
       }, 0.15},
      {"finish.ogg", [] {
         Wave w;
         chime(w, 0, {69, 72, 76, 81}, 0.12, 0.6, Celesta, 95);
         chime(w, 0.5, {73, 76, 81, 85}, 0.0, 0.4, Celesta, 96);
         addmodal(w, 0.5, midihz(57), bell(1.0), 0.25);
         sparkle(w, 0.5, 1.0, 12, 3000, 9000, 0.15, 97);
         reverbmono(w, 0.7, 0.3, 0.25);
         return w;
       }, 0.16},
      {"glass.ogg", [] {
         Wave w;
         addnoise(w, 0, 0.05, Noise{5000, 0, 0.7, High, {0.0005, 0.03, 0, 0.02}, 0.7, 98});
         sparkle(w, 0, 0.25, 14, 2500, 9000, 0.6, 99);
         sparkle(w, 0.25, 0.8, 16, 3000, 9000, 0.3, 100);  // shards landing
         return w;
       }, 0.17},
      {"glass2.ogg", [] {
         Wave w;
         addnoise(w, 0, 0.02, Noise{4000, 0, 0.7, High, {0.0005, 0.012, 0, 0.01}, 0.7, 101});
         addmodal(w, 0, 3100, glass(0.15), 0.5);
         sparkle(w, 0.05, 0.25, 4, 4000, 8000, 0.25, 102);
         return w;
       }, 0.16},
      {"stone.ogg", [] {
         Wave w;
         for (int k = 0; k < 2; k++) {
           addmodal(w, k * 0.12, 1300 - k * 250, {{1, 0.02, 1}, {1.73, 0.015, 0.7}, {2.9, 0.01, 0.5}, {4.4, 0.008, 0.3}}, 0.7);
           addnoise(w, k * 0.12, 0.03, Noise{2500, 0, 0.8, Bandpass, {0.001, 0.02, 0, 0.01}, 0.4, 103u + k});
         }
         addnoise(w, 0.15, 0.15, Noise{1800, 0, 1.0, Bandpass, {0.02, 0.1, 0.3, 0.05}, 0.2, 105, 400});
         return w;
       }, 0.15},
      {"ladder.ogg", [] {
         Wave w;
         Rng rng(106);
         for (int i = 0; i < 9; i++) addmodal(w, i * 0.13, rng.range(500, 900), metal(0.12), 0.35);
         scrape(w, 0, 1.2, 1200, 0.2, 107);
         addmodal(w, 1.25, 300, metal(0.4), 0.6);
         thump(w, 1.25, 90, 0.4, 0.15);
         return w;
       }, 0.16},
      {"lever.ogg", [] {
         Wave w;
         for (int i = 0; i < 5; i++) tap(w, i * 0.06, 1800, 0.3, 108u + i);  // ratchet
         addmodal(w, 0.33, 320, metal(0.2), 0.6);
         thump(w, 0.33, 100, 0.5, 0.12);
         return w;
       }, 0.16},
      {"plugin.ogg", [] {
         Wave w;
         tap(w, 0, 1600, 0.6, 113);
         addmodal(w, 0.005, 2400, metal(0.03), 0.3);
         Tone hum{100, 0, {}, Saw, {0.05, 0.2, 0.6, 0.3}, 0.2};
         hum.cutoff = 900;
         addtone(w, 0.05, 0.5, hum);
         return w;
       }, 0.15},
      {"gen1.ogg", [] {
         Wave w = sputterstart(0.3, 1.8, 25, 450, 0.6, 114);
         return w;
       }, 0.16},
      {"gen2.ogg", [] {
         Wave w = periodic(2.0, [](Wave& p, double len) {
           Engine e;
           e.hz = [](double) { return 25.0; };
           e.tone = 450;
           e.buzz = 0.2;
           e.amp = 0.6;
           e.seed = 115;
           e.cycle = 50;
           e.edges = false;
           engine(p, 0, len, e);
           Tone hum{100, 0, {}, Tri, {0, 0.1, 1, 0}, 0.06};  // the alternator
           addtone(p, 0, len, hum);
         });
         add(w, foldednoise(2.0, [](Wave& n, double len) {
               addnoise(n, 0, len, Noise{900, 0, 0.7, Low, {0, 0.1, 1, 0}, 0.08, 116});
             }));
         return w;
       }, 0.15, true},
      {"boat1.ogg", [] {
         Wave w;
         for (double f : {110.0, 138.6}) {
           Tone horn{f, 0, {}, Saw, {0.15, 0.5, 0.85, 0.5}, 0.3};
           horn.cutoff = 650;
           horn.q = 1.2;
           horn.vibhz = 3;
           horn.vibdepth = 0.04;
           addtone(w, 0, 2.2, horn);
         }
         reverbmono(w, 0.9, 0.3, 0.35);
         return w;
       }, 0.17},
      {"splash.ogg", [] {
         Wave w;
         addnoise(w, 0, 0.4, Noise{2500, 500, 0.6, Low, {0.005, 0.2, 0.2, 0.3}, 0.8, 117});
         thump(w, 0, 70, 0.5, 0.2);
         Rng rng(118);
         for (int i = 0; i < 16; i++) {
           double t = 0.2 + rng.uni() * 0.9, f = rng.range(300, 900);
           addtone(w, t, 0.04, Tone{f, f * 1.9, {}, Sine, {0.002, 0.03, 0, 0.02}, 0.2});
         }
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
             uint32_t h = hash(uint32_t(i % 36) + 119);
             double f = 800 + (h & 1023) * 0.8;
             addmodal(p, i / 18.0 + ((h >> 10) & 63) * 0.0004, f, metal(0.06), 0.3 + ((h >> 16) & 255) / 900.0);
             tap(p, i / 18.0, 400 + (h >> 24), 0.15, h);
           }
         });
       }, 0.15, true},
  };
}

}  // namespace

int makestory() {
  int n = 0;
  for (auto& s : table()) {
    std::string rel = std::string("sound/story/") + s.name;
    if (s.loops) {
      Wave w = s.make();
      levelshort(w, s.loud);  // gain only: the loop must stay unfaded
      writeogg(rel, w, nullptr, 0.4f);
    } else {
      savesound(rel, s.make(), s.loud);
    }
    n++;
  }
  return n;
}

}  // namespace sfx
