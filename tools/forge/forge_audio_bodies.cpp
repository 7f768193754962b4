// Things that are struck, scraped, rubbed and creaked, throats that growl and squeal, and
// water: a force (a noise burst, a scrape, a train of catches) rings a bank of resonant
// filters, one per mode of the body, so every hit has the grain of its contact and the
// colour of its material; voices are glottal pulses through moving formants.
#include "tools/forge/forge_audio_kit.h"
#include <algorithm>

namespace sfx {

namespace {

void ensure(Wave& w, size_t n) {
  if (w.size() < n) w.resize(n, 0.0f);
}

// A two-pole resonator whose impulse response is a sine of amplitude `gain` decaying with
// time constant `decay` (seconds, amplitude to 1/e).
struct Resonator {
  double a1 = 0, a2 = 0, b0 = 0, y1 = 0, y2 = 0;
  void set(double hz, double decay, double gain) {
    double r = std::exp(-1.0 / (std::max(decay, 1e-4) * rate)), om = 2 * pi * hz / rate;
    a1 = 2 * r * std::cos(om);
    a2 = r * r;
    b0 = gain * std::sin(om);
  }
  double run(double x) {
    double y = b0 * x + a1 * y1 - a2 * y2;
    y2 = y1;
    y1 = y;
    return y;
  }
};

// The same for a formant given by its bandwidth, scaled to unit gain at the centre.
void setformant(Resonator& r, double hz, double bw, double gain) {
  hz = std::clamp(hz, 40.0, rate * 0.45);
  double rr = std::exp(-pi * std::max(bw, 10.0) / rate), om = 2 * pi * hz / rate;
  r.a1 = 2 * rr * std::cos(om);
  r.a2 = rr * rr;
  r.b0 = gain * (1 - rr) * std::sqrt(1 - 2 * rr * std::cos(2 * om) + rr * rr);
}

}  // namespace

// ---- Bodies ----

Body metalbody(double f0, double decay, int count, uint32_t seed) {
  // A sheet, a bar bent into a bracket, a casting: its modes spread over five octaves above
  // the lowest, about as many in each octave, none in a harmonic row; the high ones die
  // sooner, but not so much sooner that the lowest is ever left ringing alone.
  // The more modes, the quieter each, so a body sounds as loud however finely it is made.
  Rng rng(seed);
  Body b;
  double each = std::sqrt(12.0 / std::max(count, 1));
  b.modes.push_back({f0, decay, 0.8 * each});
  for (int k = 1; k < count; k++) {
    double ratio = std::exp(std::log(40.0) * (k - 0.5 + rng.uni()) / count) * 1.05;
    double hz = f0 * ratio;
    if (hz > 16000) continue;
    b.modes.push_back({hz, decay * std::pow(ratio, -0.3) * rng.range(0.6, 1.2),
                       rng.range(0.3, 1.0) * std::pow(ratio, -0.35) * each});
  }
  b.direct = 0.6;
  b.directlow = 400;
  b.directhigh = 10000;
  return b;
}

Body woodbody(double f0, double decay, uint32_t seed) {
  // A plank or a box: a few strong low modes that give its note, a crowd of weaker ones
  // above them (wood is anything but uniform), and a hollow knock.
  Rng rng(seed);
  Body b;
  const double ratios[] = {1.0, 1.62, 2.31, 2.95, 3.9};
  for (double r : ratios)
    b.modes.push_back({f0 * r * rng.range(0.95, 1.05), decay * std::pow(r, -0.7) * rng.range(0.7, 1.2),
                       rng.range(0.5, 0.8) / r});
  for (int k = 0; k < 18; k++) {
    double r = std::exp(std::log(12.0) * (k + rng.uni()) / 18);
    b.modes.push_back({f0 * r, decay * 0.6 * std::pow(r, -0.5) * rng.range(0.6, 1.2), rng.range(0.1, 0.3) / std::sqrt(r)});
  }
  b.direct = 0.8;
  b.directlow = 150;
  b.directhigh = 4500;
  return b;
}

Body stonebody(double f0, uint32_t seed) {
  Rng rng(seed);
  Body b;
  for (int k = 0; k < 9; k++)
    b.modes.push_back({f0 * (1 + k * 0.8) * rng.range(0.9, 1.1), 0.006 * rng.range(0.6, 1.3), rng.range(0.4, 1.0)});
  b.direct = 0.8;
  b.directlow = 300;
  b.directhigh = 7000;
  return b;
}

Body glassbody(double f0, double decay, uint32_t seed) {
  // A pane or a bottle: its clear first modes, and the fine web of higher ones that makes it glass.
  Rng rng(seed);
  Body b;
  const double ratios[] = {1.0, 2.32, 4.25, 6.63, 9.3};
  for (double r : ratios)
    b.modes.push_back({f0 * r * rng.range(0.97, 1.03), decay * std::pow(r, -0.4), rng.range(0.5, 0.8) / std::sqrt(r)});
  for (int k = 0; k < 10; k++) {
    double r = 1.3 * std::exp(std::log(8.0) * (k + rng.uni()) / 10);
    if (f0 * r < 16000) b.modes.push_back({f0 * r, decay * 0.5 * rng.range(0.5, 1.0), rng.range(0.1, 0.3)});
  }
  b.direct = 0.4;
  b.directlow = 2000;
  b.directhigh = 12000;
  return b;
}

Body plasticbody(double f0, uint32_t seed) {
  // Buttons, switches, dice: small, light and dead.
  Rng rng(seed);
  Body b;
  for (int k = 0; k < 10; k++)
    b.modes.push_back({f0 * (1 + k * 0.9) * rng.range(0.92, 1.08), 0.004 * rng.range(0.6, 1.4), rng.range(0.3, 0.8)});
  b.direct = 0.7;
  b.directlow = 800;
  b.directhigh = 10000;
  return b;
}

Body cardbody(uint32_t seed) {
  // Paper and card: almost no ring, a papery crackle of the surface.
  Rng rng(seed);
  Body b;
  for (int k = 0; k < 5; k++) b.modes.push_back({rng.range(900, 4500), 0.003, rng.range(0.3, 0.8)});
  b.direct = 1.0;
  b.directlow = 700;
  b.directhigh = 11000;
  return b;
}

Body fleshbody(uint32_t seed) {
  // Slaps and splats: a low wet thud, everything damped.
  Rng rng(seed);
  Body b;
  for (int k = 0; k < 5; k++) b.modes.push_back({rng.range(90, 600), 0.02 * rng.range(0.5, 1.2), rng.range(0.5, 1.0)});
  b.direct = 0.9;
  b.directlow = 80;
  b.directhigh = 3000;
  return b;
}

// ---- Forces ----

Wave knock(double contact, double hardness, uint32_t seed) {
  // A hit: a burst of noise as long as the contact, shaped like a half sine, brighter when
  // harder; a soft mallet rounds it off.
  // The burst carries the same energy however long the contact, so a soft, slow blow is
  // not louder than a sharp one.
  Rng rng(seed);
  size_t n = std::max<size_t>(8, at(contact));
  Wave f(n);
  OnePole lp;
  lp.set(600 + 14000 * hardness * hardness);
  double scale = (1.0 + 3.0 * hardness) / std::sqrt(n / 20.0);
  for (size_t i = 0; i < n; i++) {
    double u = double(i) / n;
    f[i] = float(lp.lp(float(rng.bi())) * std::sin(pi * u) * scale);
  }
  return f;
}

Wave rub(double dur, const Curve& speed, double grit, uint32_t seed) {
  // Scraping and sliding: noise that swells and brightens with the speed; grit adds the
  // catches of a rough surface, more of them the faster it goes.
  Rng rng(seed);
  size_t n = at(dur);
  Wave f(n);
  OnePole lp, flutter;
  flutter.set(30);
  for (size_t i = 0; i < n; i++) {
    double u = double(i) / std::max<size_t>(1, n), v = std::clamp(speed ? speed(u) : 1.0, 0.0, 1.5);
    if ((i & 31) == 0) lp.set(300 + 6000 * v);
    double x = lp.lp(float(rng.bi())) * v * (1 + 0.6 * flutter.lp(float(rng.bi())) * 8);
    if (grit > 0 && rng.uni() < grit * v * 400.0 / rate) x += rng.bi() * 3.0 * v;
    f[i] = float(x);
  }
  return f;
}

Wave stickslip(double dur, double r0, double r1, double jitter, uint32_t seed) {
  // A creak: the surfaces catch and let go, each release a tiny click, at a rate gliding
  // from r0 to r1 per second; louder in the middle of the movement.
  Rng rng(seed);
  size_t n = at(dur);
  Wave f(n, 0.0f);
  double t = 0;
  while (t < dur) {
    double u = t / dur;
    size_t k = at(t);
    double a = (0.35 + 0.65 * std::sin(pi * u)) * rng.range(0.6, 1.0);
    for (size_t j = 0; j < 6 && k + j < n; j++) f[k + j] += float(a * (j == 0 ? 1.0 : -0.3 * (6 - j) / 6.0));
    t += 1.0 / (r0 * std::pow(r1 / r0, u)) * (1 + jitter * rng.bi());
  }
  return f;
}

void excite(Wave& w, double t0, const Wave& force, const Body& body, double amp) {
  double longest = 0;
  for (const Mode& m : body.modes) longest = std::max(longest, m.decay);
  size_t start = at(t0), n = force.size() + at(longest * 7.0) + 64;
  ensure(w, start + n);
  std::vector<double> out(n, 0.0);
  for (const Mode& m : body.modes) {
    if (m.hz >= rate * 0.45 || m.hz <= 20) continue;
    Resonator r;
    r.set(m.hz, m.decay, m.gain);
    size_t len = std::min(n, force.size() + at(m.decay * 7.0) + 64);
    for (size_t i = 0; i < len; i++) out[i] += r.run(i < force.size() ? force[i] : 0.0);
  }
  // The contact heard directly: the force itself through the body's band.
  OnePole hp, lp;
  hp.set(body.directlow);
  lp.set(body.directhigh);
  for (size_t i = 0; i < force.size(); i++) out[i] += lp.lp(hp.hp(force[i])) * body.direct * 2.0;
  for (size_t i = 0; i < n; i++) w[start + i] += float(out[i] * amp);
}

void strike(Wave& w, double t0, const Body& body, double contact, double hardness, double amp, uint32_t seed) {
  excite(w, t0, knock(contact, hardness, seed), body, amp);
}

// ---- Throats ----

void addthroat(Wave& w, double t0, double dur, const Throat& th) {
  size_t start = at(t0), n = at(dur + th.env.r);
  ensure(w, start + n);
  Rng rng(th.seed);
  size_t fc = th.vowelstart.size();
  std::vector<Resonator> f(fc);
  OnePole rattle, breathcol;
  rattle.set(35);
  breathcol.set(5000);
  double phase = 0, hz = 100, period = 1, shim = 1;
  long count = 0;
  double prevg = 0;
  for (size_t i = 0; i < n; i++) {
    double t = double(i) / rate, u = std::min(1.0, t / std::max(dur, 1e-4));
    if ((i & 15) == 0) {
      for (size_t k = 0; k < fc; k++) {
        const Formant& a = th.vowelstart[k];
        const Formant& b = k < th.vowelend.size() ? th.vowelend[k] : a;
        double s = u * u * (3 - 2 * u);  // the mouth moves smoothly, not at a constant rate
        setformant(f[k], a.hz + (b.hz - a.hz) * s, a.bw + (b.bw - a.bw) * s, a.gain + (b.gain - a.gain) * s);
      }
    }
    phase += hz / rate / period;
    if (phase >= 1) {
      // a new glottal period: its length and strength wander a little (jitter, shimmer);
      // with fry every second period comes late and weak, the rattle of a growl
      phase -= 1;
      count++;
      hz = th.pitch ? th.pitch(u) : 110.0;
      period = 1 + th.jitter * rng.bi();
      shim = 1 + th.shimmer * rng.bi();
      if (th.fry > 0 && (count & 1)) {
        period *= 1 + 0.35 * th.fry;
        shim *= 1 - 0.6 * th.fry;
      }
    }
    // Rosenberg pulse: a slow opening, a quick close; its slope is what the throat hears
    double tp = th.open * 0.65, tn = th.open * 0.35, g;
    if (phase < tp)
      g = 0.5 * (1 - std::cos(pi * phase / tp));
    else if (phase < tp + tn)
      g = std::cos(0.5 * pi * (phase - tp) / tn);
    else
      g = 0;
    double src = (g - prevg) * rate / std::max(hz, 30.0) * 0.15 * shim;
    prevg = g;
    double noise = breathcol.lp(float(rng.bi())) * (0.3 + g) * th.breath * 2.0;
    src = src * (1 - th.breath * 0.7) + noise;
    src *= 1 + rattle.lp(float(rng.bi())) * th.rough * 9.0;
    double y = 0;
    for (size_t k = 0; k < fc; k++) y += f[k].run(src);
    w[start + i] += float(y * th.amp * th.env.level(t, dur));
  }
}

std::vector<Formant> vowel(char v) {
  // Formant sets of an adult throat (Hz, bandwidth, level).
  switch (v) {
    case 'a': return {{750, 90, 1.0}, {1200, 110, 0.6}, {2600, 160, 0.25}, {3400, 250, 0.12}};
    case 'o': return {{480, 80, 1.0}, {850, 100, 0.55}, {2500, 160, 0.15}, {3300, 250, 0.08}};
    case 'u': return {{330, 70, 1.0}, {750, 100, 0.35}, {2300, 160, 0.1}, {3200, 250, 0.05}};
    case 'e': return {{520, 80, 1.0}, {1800, 120, 0.5}, {2550, 160, 0.3}, {3500, 250, 0.12}};
    case 'i': return {{300, 70, 1.0}, {2200, 130, 0.4}, {2950, 170, 0.3}, {3700, 250, 0.15}};
    case 'm': return {{250, 60, 1.0}, {1100, 200, 0.15}, {2300, 250, 0.05}, {3300, 300, 0.03}};   // lips shut
    case 'n': return {{280, 70, 1.0}, {1000, 160, 0.4}, {2100, 200, 0.25}, {3000, 300, 0.1}};    // through the nose
    default: return {{600, 90, 1.0}, {1000, 110, 0.5}, {2500, 160, 0.2}, {3400, 250, 0.1}};      // uh
  }
}

// ---- Water ----

void bubble(Wave& w, double t0, double hz, double decay, double rise, double amp) {
  // A drop or a bubble: a sine whose pitch climbs as the bubble shrinks, gone in a moment.
  size_t start = at(t0), n = at(decay * 6);
  ensure(w, start + n);
  double phase = 0;
  for (size_t i = 0; i < n; i++) {
    double t = double(i) / rate;
    double f = hz * (1 + rise * (1 - std::exp(-t / std::max(decay, 1e-4))));
    phase += f / rate;
    double a = std::exp(-t / decay) * std::min(1.0, i / 12.0);
    w[start + i] += float(fastsin(phase) * a * amp);
  }
}

Wave rain(double len, double density, uint32_t seed) {
  // Rain on a roof and in puddles: a soft hiss of far drops under hundreds of near ones,
  // each a tick on the surface and often a bubble, and now and then a big drop from the
  // gutter. Everything wraps round the end, so the file loops without a seam.
  Rng rng(seed);
  size_t n = at(len);
  Wave w(n, 0.0f);
  Noise hiss{5000, 0, 0.5, Bandpass, {0, 0.1, 1, 0}, 0.06, seed + 1};
  Wave bed;
  addnoise(bed, 0, len + 0.5, hiss);
  Noise body{900, 0, 0.6, Low, {0, 0.1, 1, 0}, 0.05, seed + 2};
  addnoise(bed, 0, len + 0.5, body);
  bed.resize(n + at(0.5));
  foldloop(bed, 0.5);
  for (size_t i = 0; i < n; i++) w[i] = bed[i];
  Body surface = cardbody(seed + 3);
  int drops = int(len * density);
  Wave tmp;
  for (int d = 0; d < drops; d++) {
    tmp.assign(0, 0.0f);
    double near = std::pow(rng.uni(), 2.5);  // most drops are far and faint
    double a = 0.015 + 0.12 * near;
    Wave tick = knock(0.0004 + 0.0008 * rng.uni(), 0.9, rng.next());
    excite(tmp, 0, tick, surface, a * 0.6);
    if (rng.uni() < 0.45) bubble(tmp, 0.001, rng.range(1800, 4500) * (1.4 - near * 0.6), rng.range(0.004, 0.012), 0.5, a);
    size_t at0 = size_t(rng.uni() * n);
    for (size_t i = 0; i < tmp.size(); i++) w[(at0 + i) % n] += tmp[i];
  }
  // The gutter: fat drops into a puddle, a few a second, each its own pitch.
  for (int d = 0; d < int(len * 3); d++) {
    tmp.assign(0, 0.0f);
    bubble(tmp, 0, rng.range(700, 1400), rng.range(0.012, 0.025), 0.7, 0.09);
    Wave tick = knock(0.001, 0.5, rng.next());
    excite(tmp, 0, tick, surface, 0.05);
    size_t at0 = size_t(rng.uni() * n);
    for (size_t i = 0; i < tmp.size(); i++) w[(at0 + i) % n] += tmp[i];
  }
  return w;
}

}  // namespace sfx
