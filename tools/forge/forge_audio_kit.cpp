// The synthesizer toolkit shared by the sound effects, the story sounds and the music.
#include "tools/forge/forge_audio_kit.h"
#include "tools/forge/forge.h"
#include <vorbis/vorbisenc.h>
#include <algorithm>
#include <cstring>
#include <sstream>

namespace sfx {

double Env::level(double t, double dur) const {
  if (t < 0) return 0;
  auto held = [&](double x) {
    if (x < a) return a > 0 ? x / a : 1.0;
    return s + (1.0 - s) * std::exp(-(x - a) * 4.0 / std::max(d, 1e-4));
  };
  if (t < dur) return held(t);
  double x = (t - dur) / std::max(r, 1e-4);
  if (x >= 1) return 0;
  return held(dur) * (1 - x) * (1 - x);
}

static double blep(double t, double dt) {
  if (t < dt) {
    t /= dt;
    return t + t - t * t - 1.0;
  }
  if (t > 1.0 - dt) {
    t = (t - 1.0) / dt;
    return t * t + t + t + 1.0;
  }
  return 0;
}

// Sine by table with linear interpolation; phase in cycles, any value.
static const std::vector<float>& sinetable() {
  static const std::vector<float> t = [] {
    std::vector<float> v(4097);
    for (int i = 0; i <= 4096; i++) v[i] = float(std::sin(2 * pi * i / 4096.0));
    return v;
  }();
  return t;
}

float fastsin(double cycles) {
  static const std::vector<float>& t = sinetable();
  double p = (cycles - std::floor(cycles)) * 4096.0;
  int i = int(p);
  float f = float(p - i);
  return t[i] + (t[i + 1] - t[i]) * f;
}

float oscillate(Shape shape, double p, double dp) {
  switch (shape) {
    case Sine: return fastsin(p);
    case Tri: return float(p < 0.5 ? 4 * p - 1 : 3 - 4 * p);
    case Saw: return float(2 * p - 1 - blep(p, dp));
    case Square: {
      double v = p < 0.5 ? 1 : -1;
      v += blep(p, dp) - blep(std::fmod(p + 0.5, 1.0), dp);
      return float(v);
    }
    case Pulse: {
      double v = p < 0.25 ? 1 : -1;
      v += blep(p, dp) - blep(std::fmod(p + 0.75, 1.0), dp);
      return float(v * 0.8 + 0.4);
    }
  }
  return 0;
}

void Svf::set(double hz, double q) {
  hz = std::clamp(hz, 10.0, rate * 0.45);
  g = std::tan(pi * hz / rate);
  k = 1.0 / std::max(q, 0.05);
  a1 = 1.0 / (1.0 + g * (g + k));
  a2 = g * a1;
  a3 = g * a2;
}

float Svf::run(float x) {
  double v3 = x - ic2;
  double v1 = a1 * ic1 + a2 * v3;
  double v2 = ic2 + a2 * ic1 + a3 * v3;
  ic1 = 2 * v1 - ic1;
  ic2 = 2 * v2 - ic2;
  lp = float(v2);
  bp = float(v1);
  hp = float(x - k * v1 - v2);
  return lp;
}

static double glide(double a, double b, double u) { return b > 0 ? a * std::pow(b / a, u) : a; }

Wave blank(double seconds) { return Wave(at(seconds), 0.0f); }

static void ensure(Wave& w, size_t n) {
  if (w.size() < n) w.resize(n, 0.0f);
}

void addtone(Wave& w, double t0, double dur, const Tone& tn) {
  size_t start = at(t0), n = at(dur + tn.env.r);
  ensure(w, start + n);
  double phase = 0;
  Svf f;
  bool filt = tn.cutoff > 0;
  // pitch, filter and envelope move at a control rate of 16 samples; the envelope is
  // interpolated in between so it stays smooth
  double dp = 0, e0 = 0, e1 = tn.env.level(0, dur);
  for (size_t i = 0; i < n; i++) {
    size_t k = i & 15;
    if (k == 0) {
      double t = double(i) / rate, u = std::min(1.0, t / std::max(dur, 1e-4));
      double hz = tn.curve ? tn.curve(u) : glide(tn.f0, tn.f1, u);
      if (tn.vibdepth > 0) hz *= std::pow(2.0, tn.vibdepth * fastsin(tn.vibhz * t) / 12.0);
      dp = hz / rate;
      if (filt) f.set(glide(tn.cutoff, tn.cutoffend, u), tn.q);
      e0 = e1;
      e1 = tn.env.level(double(i + 16) / rate, dur);
    }
    float v = oscillate(tn.shape, phase, dp);
    phase += dp;
    phase -= std::floor(phase);
    if (filt) v = f.run(v);
    w[start + i] += float(v * tn.amp * (e0 + (e1 - e0) * k / 16.0));
  }
}

void addnoise(Wave& w, double t0, double dur, const Noise& nz) {
  size_t start = at(t0), n = at(dur + nz.env.r);
  ensure(w, start + n);
  Rng rng(nz.seed);
  Svf f;
  double e0 = 0, e1 = nz.env.level(0, dur);
  for (size_t i = 0; i < n; i++) {
    double t = double(i) / rate, u = std::min(1.0, t / std::max(dur, 1e-4));
    if ((i & 15) == 0) {
      f.set(glide(nz.f0, nz.f1, u), nz.q);
      e0 = e1;
      e1 = nz.env.level(double(i + 16) / rate, dur);
    }
    double x;
    if (nz.grain > 0)
      x = rng.uni() < nz.grain / rate ? rng.bi() * 4.0 : 0.0;
    else
      x = rng.bi();
    f.run(float(x));
    double y = nz.band == Low ? f.lp : nz.band == High ? f.hp : f.bp * f.k;
    w[start + i] += float(y * nz.amp * (e0 + (e1 - e0) * (i & 15) / 16.0));
  }
}

void addmodal(Wave& w, double t0, double f, const std::vector<Partial>& ps, double amp, double attack) {
  double longest = 0;
  for (auto& p : ps) longest = std::max(longest, p.decay);
  size_t start = at(t0), n = at(longest * 6.5 + attack);
  ensure(w, start + n);
  for (auto& p : ps) {
    double hz = f * p.ratio;
    if (hz > rate * 0.45) continue;
    // the sine is computed by rotation: cheap and exact enough for a few seconds
    double c = std::cos(2 * pi * hz / rate), s = std::sin(2 * pi * hz / rate);
    double x = 0, y = 1, dec = std::exp(-1.0 / (p.decay * rate)), g = p.level * amp;
    size_t m = std::min(n, at(p.decay * 6.5 + attack));
    for (size_t i = 0; i < m; i++) {
      double t = double(i) / rate;
      double a = t < attack ? t / attack : 1.0;
      double fade = i + 64 > m ? double(m - i) / 64.0 : 1.0;
      w[start + i] += float(x * g * a * fade);
      double nx = x * c + y * s, ny = y * c - x * s;
      x = nx;
      y = ny;
      g *= dec;
    }
  }
}

std::vector<Partial> wood(double d) {
  return {{1.0, d, 1.0}, {2.57, d * 0.5, 0.45}, {4.1, d * 0.3, 0.2}, {6.3, d * 0.2, 0.1}};
}

void addpluck(Wave& w, double t0, double f, double dur, double amp, double bright, double ring,
              uint32_t seed) {
  double period = rate / f;
  int d = std::max(2, int(period - 0.6));
  double frac = period - 0.5 - d;  // what the all-pass has to add
  if (frac < 0.1) {
    d--;
    frac += 1;
  }
  double c = (1 - frac) / (1 + frac);
  std::vector<double> buf(d);
  Rng rng(seed);
  OnePole tone;
  tone.set(800 + 11000 * bright * bright);
  double mean = 0;
  for (int i = 0; i < d; i++) mean += (buf[i] = tone.lp(float(rng.bi())));
  mean /= d;
  double peak = 1e-9;
  for (auto& b : buf) peak = std::max(peak, std::fabs(b -= mean));
  for (auto& b : buf) b = std::tanh(2.0 * b / peak) / std::tanh(2.0);  // a rounder pick, fewer spikes
  double loss = std::pow(0.001, 1.0 / (f * std::max(ring, 0.01)));
  double rel = 0.06;
  size_t start = at(t0), n = at(dur + rel);
  ensure(w, start + n);
  double prev = 0, apx = 0, apy = 0;
  int idx = 0;
  for (size_t i = 0; i < n; i++) {
    double out = buf[idx];
    double avg = 0.5 * (out + prev);
    prev = out;
    double y = c * avg + apx - c * apy;
    apx = avg;
    apy = y;
    buf[idx] = y * loss;
    if (++idx == d) idx = 0;
    double t = double(i) / rate;
    double g = t < dur ? 1.0 : std::max(0.0, 1.0 - (t - dur) / rel);
    double a = i < 24 ? i / 24.0 : 1.0;
    w[start + i] += float(out * amp * g * a);
  }
}

void addvoice(Wave& w, double t0, double dur, const Voice& v) {
  size_t start = at(t0), n = at(dur + v.env.r);
  ensure(w, start + n);
  Rng rng(v.seed);
  Svf a, b, c;
  OnePole jit, amj;
  jit.set(18);
  amj.set(35);
  double phase = 0, base = 120.0;
  for (size_t i = 0; i < n; i++) {
    double t = double(i) / rate, u = std::min(1.0, t / std::max(dur, 1e-4));
    double j = jit.lp(float(rng.bi())) * v.rough * 6.0;
    if ((i & 15) == 0 && v.pitch) base = v.pitch(u);  // the pitch curve moves at a control rate
    double hz = base * (1 + 0.08 * j);
    double dp = hz / rate;
    double src = oscillate(Saw, phase, dp);
    phase += dp;
    phase -= std::floor(phase);
    src = src * (1 - v.breath) + rng.bi() * v.breath * 0.8;
    src *= 1 + amj.lp(float(rng.bi())) * v.rough * 5.0;
    if ((i & 15) == 0) {
      a.set(glide(v.f1, v.f1end, u), 6);
      b.set(glide(v.f2, v.f2end, u), 8);
      c.set(v.f3, 10);
    }
    a.run(float(src));
    b.run(float(src));
    c.run(float(src));
    double y = a.bp * a.k * 1.0 + b.bp * b.k * 0.5 + c.bp * c.k * 0.2;
    w[start + i] += float(y * v.amp * v.env.level(t, dur));
  }
}

void mixin(Wave& w, const Wave& src, double t0, double gain) {
  size_t start = at(t0);
  ensure(w, start + src.size());
  for (size_t i = 0; i < src.size(); i++) w[start + i] += src[i] * float(gain);
}

void fadeedges(Wave& w, double in, double out) {
  size_t a = std::min(w.size(), at(in)), b = std::min(w.size(), at(out));
  for (size_t i = 0; i < a; i++) w[i] *= float(i) / a;
  for (size_t i = 0; i < b; i++) w[w.size() - 1 - i] *= float(i) / b;
}

void foldloop(Wave& w, double cross) {
  size_t f = at(cross);
  if (f * 2 >= w.size()) return;
  size_t len = w.size() - f;
  for (size_t i = 0; i < f; i++) {
    double t = (i + 0.5) / f;
    w[i] = float(w[i] * std::sin(t * pi / 2) + w[len + i] * std::cos(t * pi / 2));
  }
  w.resize(len);
}

float rms(const Wave& w) {
  double s = 0;
  for (float x : w) s += double(x) * x;
  return w.empty() ? 0.0f : float(std::sqrt(s / w.size()));
}

void levelshort(Wave& w, double loud, double peak) {
  size_t win = at(0.05), hop = at(0.01);
  double best = 0, top = 0;
  for (float x : w) top = std::max(top, double(std::fabs(x)));
  for (size_t s = 0; s < w.size(); s += hop) {
    size_t e = std::min(w.size(), s + win);
    double sum = 0;
    for (size_t i = s; i < e; i++) sum += double(w[i]) * w[i];
    best = std::max(best, std::sqrt(sum / win));
    if (e == w.size()) break;
  }
  if (best <= 0 || top <= 0) return;
  // A spiky sound (a card snapping down) would stay too quiet if its peak set the gain: its
  // few loudest samples go into a soft knee instead, at most 8 dB deep.
  double g = std::min(loud / best, 2.5 * peak / top);
  double knee = peak * 0.6;
  for (float& x : w) {
    double v = x * g, a = std::fabs(v);
    if (a > knee) v = std::copysign(knee + (peak - knee) * std::tanh((a - knee) / (peak - knee)), v);
    x = float(v);
  }
}

void softlimit(Wave& w) {
  for (float& x : w) {
    float a = std::fabs(x);
    if (a > 0.55f) x = std::copysign(0.55f + 0.25f * std::tanh((a - 0.55f) / 0.25f), x);
  }
}

void levellong(Stereo& s, double loud) {
  double sum = 0;
  for (size_t i = 0; i < s.size(); i++) sum += double(s.l[i]) * s.l[i] + double(s.r[i]) * s.r[i];
  double r = std::sqrt(sum / std::max<size_t>(1, 2 * s.size()));
  if (r <= 0) return;
  // plucky pieces give up a little level rather than lean on the limiter
  std::vector<float> mag;
  mag.reserve(s.size() / 8 + 1);
  for (size_t i = 0; i < s.size(); i += 8) mag.push_back(std::max(std::fabs(s.l[i]), std::fabs(s.r[i])));
  std::nth_element(mag.begin(), mag.begin() + mag.size() * 999 / 1000, mag.end());
  double p999 = mag[mag.size() * 999 / 1000];
  float g = float(std::min(loud / r, p999 > 0 ? 0.6 / p999 : 1e9));
  for (size_t i = 0; i < s.size(); i++) {
    s.l[i] *= g;
    s.r[i] *= g;
  }
  softlimit(s.l);
  softlimit(s.r);
}

// Freeverb-style network: eight damped combs and four all-passes per side.
namespace {
struct Comb {
  std::vector<float> buf;
  size_t i = 0;
  float store = 0;
  float run(float x, float fb, float damp) {
    float y = buf[i];
    store = y * (1 - damp) + store * damp;
    buf[i] = x + store * fb;
    if (++i == buf.size()) i = 0;
    return y;
  }
};
struct Allpass {
  std::vector<float> buf;
  size_t i = 0;
  float run(float x) {
    float b = buf[i];
    buf[i] = x + b * 0.5f;
    if (++i == buf.size()) i = 0;
    return b - x;
  }
};
struct Side {
  Comb c[8];
  Allpass a[4];
  Side(int spread) {
    static const int cl[8] = {1116, 1188, 1277, 1356, 1422, 1491, 1557, 1617};
    static const int al[4] = {556, 441, 341, 225};
    for (int k = 0; k < 8; k++) c[k].buf.assign(cl[k] + spread, 0.0f);
    for (int k = 0; k < 4; k++) a[k].buf.assign(al[k] + spread, 0.0f);
  }
  float run(float x, float fb, float damp) {
    float o = 0;
    for (auto& k : c) o += k.run(x, fb, damp);
    for (auto& k : a) o = k.run(o);
    return o;
  }
};
}  // namespace

void reverb(Stereo& s, double size, double damp, double wet, bool circular) {
  Side L(0), R(23);
  float fb = float(0.7 + 0.28 * size), dm = float(damp * 0.4);
  size_t n = s.size();
  std::vector<float> ol(n), orr(n);
  for (int pass = circular ? 0 : 1; pass < 2; pass++) {
    for (size_t i = 0; i < n; i++) {
      float in = (s.l[i] + s.r[i]) * 0.015f;
      ol[i] = L.run(in, fb, dm);
      orr[i] = R.run(in, fb, dm);
    }
  }
  float w = float(wet) * 3.0f;
  for (size_t i = 0; i < n; i++) {
    s.l[i] += ol[i] * w;
    s.r[i] += orr[i] * w;
  }
}

void reverbmono(Wave& w, double size, double damp, double wet) {
  Stereo s{w, w};
  reverb(s, size, damp, wet, false);
  for (size_t i = 0; i < w.size(); i++) w[i] = (s.l[i] + s.r[i]) * 0.5f;
}

void echo(Stereo& s, double seconds, double feedback, double wet, bool circular) {
  size_t d = std::max<size_t>(1, at(seconds)), n = s.size();
  std::vector<float> bl(d, 0.0f), br(d, 0.0f), ol(n), orr(n);
  size_t k = 0;
  for (int pass = circular ? 0 : 1; pass < 2; pass++) {
    for (size_t i = 0; i < n; i++) {
      float yl = bl[k], yr = br[k];
      // ping-pong: the left echo feeds the right line and back
      bl[k] = s.l[i] * 0.5f + s.r[i] * 0.2f + yr * float(feedback);
      br[k] = yl * float(feedback);
      ol[i] = yl;
      orr[i] = yr;
      if (++k == d) k = 0;
    }
  }
  for (size_t i = 0; i < n; i++) {
    s.l[i] += ol[i] * float(wet);
    s.r[i] += orr[i] * float(wet);
  }
}

bool writeogg(const std::string& rel, const Wave& l, const Wave* r, float quality) {
  int ch = r ? 2 : 1;
  vorbis_info vi;
  vorbis_info_init(&vi);
  if (vorbis_encode_init_vbr(&vi, ch, rate, quality) != 0) {
    vorbis_info_clear(&vi);
    forgeerror("vorbis setup failed for " + rel);
    return false;
  }
  vorbis_comment vc;
  vorbis_comment_init(&vc);
  vorbis_dsp_state vd;
  vorbis_block vb;
  vorbis_analysis_init(&vd, &vi);
  vorbis_block_init(&vd, &vb);
  ogg_stream_state os;
  ogg_stream_init(&os, 0x4d6f7267);  // one fixed serial: identical bytes on every run
  std::vector<uint8_t> out;
  ogg_page og;
  ogg_packet op;
  auto page = [&]() {
    out.insert(out.end(), og.header, og.header + og.header_len);
    out.insert(out.end(), og.body, og.body + og.body_len);
  };
  ogg_packet h1, h2, h3;
  vorbis_analysis_headerout(&vd, &vc, &h1, &h2, &h3);
  ogg_stream_packetin(&os, &h1);
  ogg_stream_packetin(&os, &h2);
  ogg_stream_packetin(&os, &h3);
  while (ogg_stream_flush(&os, &og)) page();
  size_t n = l.size(), pos = 0;
  bool eos = false;
  while (!eos) {
    size_t chunk = std::min<size_t>(4096, n - pos);
    if (chunk == 0) {
      vorbis_analysis_wrote(&vd, 0);
    } else {
      float** buf = vorbis_analysis_buffer(&vd, int(chunk));
      for (size_t i = 0; i < chunk; i++) {
        buf[0][i] = std::clamp(l[pos + i], -1.0f, 1.0f);
        if (r) buf[1][i] = std::clamp((*r)[pos + i], -1.0f, 1.0f);
      }
      vorbis_analysis_wrote(&vd, int(chunk));
      pos += chunk;
    }
    while (vorbis_analysis_blockout(&vd, &vb) == 1) {
      vorbis_analysis(&vb, nullptr);
      vorbis_bitrate_addblock(&vb);
      while (vorbis_bitrate_flushpacket(&vd, &op)) {
        ogg_stream_packetin(&os, &op);
        while (!eos && ogg_stream_pageout(&os, &og)) {
          page();
          if (ogg_page_eos(&og)) eos = true;
        }
      }
    }
    if (chunk == 0 && !eos) {
      while (ogg_stream_flush(&os, &og)) page();
      eos = true;
    }
  }
  ogg_stream_clear(&os);
  vorbis_block_clear(&vb);
  vorbis_dsp_clear(&vd);
  vorbis_comment_clear(&vc);
  vorbis_info_clear(&vi);
  return forgewritebytes(rel, out);
}

bool writewav(const std::string& rel, const Wave& l, const Wave* r) {
  uint16_t ch = r ? 2 : 1;
  uint32_t frames = uint32_t(l.size()), bytes = frames * ch * 2;
  std::vector<uint8_t> out;
  out.reserve(44 + bytes);
  auto u32 = [&](uint32_t v) {
    for (int i = 0; i < 4; i++) out.push_back(uint8_t(v >> (8 * i)));
  };
  auto u16 = [&](uint16_t v) {
    out.push_back(uint8_t(v));
    out.push_back(uint8_t(v >> 8));
  };
  auto tag = [&](const char* t) { out.insert(out.end(), t, t + 4); };
  tag("RIFF");
  u32(36 + bytes);
  tag("WAVE");
  tag("fmt ");
  u32(16);
  u16(1);  // PCM
  u16(ch);
  u32(rate);
  u32(rate * ch * 2);
  u16(uint16_t(ch * 2));
  u16(16);
  tag("data");
  u32(bytes);
  auto pcm = [](float x) { return uint16_t(int16_t(std::lround(std::clamp(x, -1.0f, 1.0f) * 32767.0f))); };
  for (uint32_t i = 0; i < frames; i++) {
    u16(pcm(l[i]));
    if (r) u16(pcm((*r)[i]));
  }
  return forgewritebytes(rel, out);
}

void savesound(const std::string& rel, Wave w, double loud) {
  // drop trailing near-silence, keep a short fade so nothing clicks
  size_t end = w.size();
  float top = 0;
  for (float x : w) top = std::max(top, std::fabs(x));
  while (end > 0 && std::fabs(w[end - 1]) < top * 0.004f) end--;
  w.resize(std::max<size_t>(end, at(0.03)));
  w.insert(w.begin(), at(0.004), 0.0f);  // a breath of silence keeps the coder from smearing the attack
  levelshort(w, loud);
  fadeedges(w, 0.002, 0.03);
  writeogg(rel, w, nullptr, 0.4f);
}

// ---- Sequencer ----

static int notename(const std::string& t, bool& ok) {
  static const int base[7] = {9, 11, 0, 2, 4, 5, 7};  // A..G
  ok = false;
  if (t.empty() || t[0] < 'A' || t[0] > 'G') return 0;
  int pc = base[t[0] - 'A'];
  size_t i = 1;
  while (i < t.size() && (t[i] == '#' || t[i] == 'b')) pc += t[i++] == '#' ? 1 : -1;
  if (i >= t.size()) return 0;
  int oct = std::atoi(t.c_str() + i);
  ok = true;
  return pc + 12 * (oct + 1);
}

struct Chord {
  int root = 9;                  // pitch class
  std::vector<int> tones{0, 3, 7};  // intervals
};

static Chord parsechord(const std::string& s) {
  Chord c;
  bool ok;
  size_t i = 1;
  while (i < s.size() && (s[i] == '#' || s[i] == 'b')) i++;
  c.root = ((notename(s.substr(0, i) + "4", ok) % 12) + 12) % 12;
  std::string q = s.substr(i);
  if (q.rfind("maj7", 0) == 0) c.tones = {0, 4, 7, 11};
  else if (q.rfind("m7", 0) == 0) c.tones = {0, 3, 7, 10};
  else if (q.rfind("dim", 0) == 0) c.tones = {0, 3, 6, 9};
  else if (q.rfind("aug", 0) == 0) c.tones = {0, 4, 8};
  else if (q.rfind("sus", 0) == 0) c.tones = {0, 5, 7};
  else if (q.rfind("m", 0) == 0) c.tones = {0, 3, 7};
  else if (q.rfind("7", 0) == 0) c.tones = {0, 4, 7, 10};
  else c.tones = {0, 4, 7};
  return c;
}

// Chord-relative token: 1 root, 3 third, 5 fifth, 7 seventh (octave when the chord has none),
// 8 octave, 9 third above the octave; a leading '_' drops an octave, '^' raises one.
static bool degree(const std::string& tok, const Chord& c, int lo, int& midi) {
  size_t i = 0;
  int shift = 0;
  while (i < tok.size() && (tok[i] == '_' || tok[i] == '^')) shift += tok[i++] == '^' ? 12 : -12;
  if (i >= tok.size() || tok[i] < '1' || tok[i] > '9') return false;
  int base = lo + ((c.root - lo) % 12 + 12) % 12;
  int iv = 0;
  switch (tok[i]) {
    case '1': iv = 0; break;
    case '2': iv = 2; break;
    case '3': iv = c.tones[1]; break;
    case '4': iv = 5; break;
    case '5': iv = c.tones[2]; break;
    case '6': iv = c.tones[1] == 3 ? 8 : 9; break;
    case '7': iv = c.tones.size() > 3 ? c.tones[3] : 12; break;
    case '8': iv = 12; break;
    case '9': iv = 12 + c.tones[1]; break;
  }
  midi = base + iv + shift;
  return true;
}

static std::vector<std::string> tokens(const std::string& pat, bool chars) {
  std::vector<std::string> out;
  if (chars) {
    for (char ch : pat)
      if (ch != ' ' && ch != '|') out.push_back(std::string(1, ch));
  } else {
    std::istringstream in(pat);
    std::string t;
    while (in >> t)
      if (t != "|") out.push_back(t);
  }
  return out;
}

double barseconds(const Song& song) { return song.beats * 60.0 / song.bpm; }

int section(Song& song, int bars, const std::vector<std::string>& chords) {
  int start = int(song.chords.size());
  for (int i = 0; i < bars; i++) song.chords.push_back(chords[i % chords.size()]);
  song.bars = int(song.chords.size());
  return start;
}

Part within(Part p, int from, int to) {
  p.from = from;
  p.to = to;
  return p;
}

void place(Stereo& s, const Wave& w, double t0, double gain, double pan, bool wrap) {
  double ang = (std::clamp(pan, -1.0, 1.0) + 1) * pi / 4;
  float gl = float(std::cos(ang) * 1.41421 * gain), gr = float(std::sin(ang) * 1.41421 * gain);
  size_t start = at(t0), n = s.size();
  if (n == 0) return;
  for (size_t i = 0; i < w.size(); i++) {
    size_t k = start + i;
    if (k >= n) {
      if (!wrap) break;
      k %= n;
    }
    s.l[k] += w[i] * gl;
    s.r[k] += w[i] * gr;
  }
}

Wave note(Instr ins, double f, double dur, double vel, Rng& rng) {
  Wave w;
  uint32_t seed = rng.next();
  switch (ins) {
    case Pizz:
      addpluck(w, 0, f, std::min(dur, 0.5), 1.1 * vel, 0.35, 0.5, seed);
      break;
    case Harpsi:
      addpluck(w, 0, f, dur + 0.3, 0.8 * vel, 0.95, 1.6, seed);
      addpluck(w, 0, f * 2, dur + 0.2, 0.35 * vel, 1.0, 1.0, seed + 1);
      break;
    case Organ: {
      static const double lv[7] = {0.5, 1, 0.6, 0.35, 0.25, 0.12, 0.08};
      static const double hm[7] = {0.5, 1, 2, 3, 4, 6, 8};
      size_t n = at(dur + 0.08);
      w.assign(n, 0.0f);
      for (int h = 0; h < 7; h++) {
        double hz = f * hm[h];
        if (hz > 12000) continue;
        double c = std::cos(2 * pi * hz / rate), s = std::sin(2 * pi * hz / rate), x = 0, y = 1;
        for (size_t i = 0; i < n; i++) {  // rotating phasor: a sine without calling sin
          w[i] += float(x * lv[h]);
          double nx = x * c + y * s;
          y = y * c - x * s;
          x = nx;
        }
      }
      Env e{0.012, 0.1, 1.0, 0.08};
      double e0 = 0, e1 = e.level(0, dur);
      for (size_t i = 0; i < n; i++) {
        double t = double(i) / rate;
        if ((i & 15) == 0) {
          e0 = e1;
          e1 = e.level(double(i + 16) / rate, dur);
        }
        double env = e0 + (e1 - e0) * (i & 15) / 16.0;
        w[i] *= float(0.16 * vel * env * (1 + 0.12 * fastsin(5.8 * t)));
      }
      break;
    }
    case Celesta:
      addmodal(w, 0, f, {{1, 0.6, 1}, {2, 0.3, 0.25}, {4.0, 0.12, 0.2}, {5.4, 0.05, 0.08}}, 0.3 * vel, 0.002);
      break;
    case Brass: {
      Tone t;
      t.shape = Saw;
      t.curve = [f](double u) { return f * (1 - 0.03 * std::exp(-u * 25)); };
      t.env = {0.04, 0.25, 0.7, 0.12};
      t.amp = 0.35 * vel;
      t.cutoff = f * 1.6;
      t.cutoffend = f * 5;
      t.vibhz = 5.2;
      t.vibdepth = dur > 0.5 ? 0.12 : 0;
      addtone(w, 0, dur, t);
      break;
    }
    case Trombone: {
      Tone t;
      t.shape = Saw;
      t.curve = [f](double u) { return f * std::pow(2.0, -0.6 * std::exp(-u * 14) / 12); };
      t.env = {0.06, 0.3, 0.8, 0.15};
      t.amp = 0.4 * vel;
      t.cutoff = f * 1.4;
      t.cutoffend = f * 3.2;
      t.q = 1.6;
      t.vibhz = 4.8;
      t.vibdepth = 0.22;
      addtone(w, 0, dur, t);
      break;
    }
    case Bass:
      addpluck(w, 0, f, dur, 0.7 * vel, 0.25, 1.2, seed);
      addtone(w, 0, std::min(dur, 0.25), Tone{f, 0, {}, Sine, {0.005, 0.15, 0.3, 0.06}, 0.45 * vel});
      break;
    case Tuba: {
      Tone t;
      t.f0 = f;
      t.shape = Saw;
      t.env = {0.02, 0.15, 0.55, 0.08};
      t.amp = 0.35 * vel;
      t.cutoff = f * 2.2;
      t.q = 0.9;
      addtone(w, 0, dur, t);
      addtone(w, 0, dur, Tone{f, 0, {}, Sine, {0.02, 0.15, 0.6, 0.08}, 0.35 * vel});
      break;
    }
    case Pad:
      for (int k = -1; k <= 1; k++) {
        Tone t;
        t.f0 = f * std::pow(2.0, k * 0.08 / 12);
        t.shape = Saw;
        t.env = {0.35, 0.5, 0.85, 0.6};
        t.amp = 0.13 * vel;
        t.cutoff = 1400;
        t.vibhz = 4.5 + k;
        t.vibdepth = 0.05;
        addtone(w, 0, dur, t);
      }
      break;
    case Marimba:
      addmodal(w, 0, f, {{1, 0.45, 1}, {3.93, 0.09, 0.35}, {9.4, 0.03, 0.12}}, 0.35 * vel, 0.002);
      break;
    case Accordion:
      for (int k = 0; k < 2; k++) {
        Tone t;
        t.f0 = f * (k ? 1.004 : 0.998);
        t.shape = k ? Square : Saw;
        t.env = {0.03, 0.2, 0.8, 0.07};
        t.amp = 0.16 * vel;
        t.cutoff = f * 4.5;
        addtone(w, 0, dur, t);
      }
      break;
    case Choir:
      for (int k = 0; k < 3; k++) {
        Voice v;
        double hz = f * std::pow(2.0, (k - 1) * 0.1 / 12);
        v.pitch = [hz, k](double u) { return hz * (1 + 0.004 * std::sin(2 * pi * (4.5 + k) * u)); };
        v.f1 = 330, v.f2 = 780, v.f3 = 2300;
        v.breath = 0.12;
        v.env = {0.25, 0.4, 0.9, 0.35};
        v.amp = 0.6 * vel;
        v.seed = seed + k;
        addvoice(w, 0, dur, v);
      }
      break;
    case Whistle: {
      Tone t{f, 0, {}, Sine, {0.05, 0.2, 0.85, 0.1}, 0.35 * vel};
      t.vibhz = 5.5;
      t.vibdepth = 0.2;
      addtone(w, 0, dur, t);
      addnoise(w, 0, dur, Noise{f, 0, 8, Bandpass, {0.05, 0.2, 0.8, 0.1}, 0.08 * vel, seed});
      break;
    }
    case Glock: {
      // the second mode as lasting as the first: a bar's clang, never a sine left ringing
      Body bar{{{f, 0.08, 1.0}, {f * 2.76, 0.08, 0.85}, {f * 5.4, 0.05, 0.4}, {f * 8.93, 0.03, 0.2}}, 0.15, 3000, 12000};
      strike(w, 0, bar, 0.0005, 1.0, 0.35 * vel, seed);
      break;
    }
    case Plink:
      addpluck(w, 0, f, std::min(dur, 0.35), 0.8 * vel, 0.8, 0.45, seed);
      break;
    case Sadbone: {
      Tone t;
      t.shape = Saw;
      t.curve = [f, dur](double u) {
        return f * std::pow(2.0, -1.8 * u / 12) * (1 + 0.025 * std::sin(u * dur * 2 * pi * 5.5));
      };
      t.env = {0.05, 0.3, 0.8, 0.06};
      t.amp = 0.4 * vel;
      t.cutoff = f * 1.2;
      t.cutoffend = f * 4.5;  // the plunger opening: wah
      t.q = 2.0;
      addtone(w, 0, dur, t);
      break;
    }
    case Theremin:
      break;  // legato, rendered as a whole line
    case Kick: {
      Tone t;
      t.curve = [](double u) { return 48 + 110 * std::exp(-u * 0.35 / 0.035); };
      t.env = {0.001, 0.35, 0.0, 0.02};
      t.amp = 0.9 * vel;
      addtone(w, 0, 0.35, t);
      addnoise(w, 0, 0.01, Noise{3000, 0, 0.7, Bandpass, {0.0005, 0.01, 0, 0.005}, 0.25 * vel, seed});
      break;
    }
    case Snare:
      addnoise(w, 0, 0.18, Noise{2200, 1500, 0.6, Bandpass, {0.001, 0.12, 0, 0.03}, 0.7 * vel, seed});
      addtone(w, 0, 0.08, Tone{200, 160, {}, Tri, {0.001, 0.05, 0, 0.02}, 0.4 * vel});
      break;
    case Hat:
      addnoise(w, 0, 0.05, Noise{8000, 0, 0.7, High, {0.0005, 0.025, 0, 0.01}, 0.3 * vel, seed});
      break;
    case OpenHat:
      addnoise(w, 0, 0.3, Noise{7500, 0, 0.7, High, {0.001, 0.2, 0, 0.05}, 0.25 * vel, seed});
      break;
    case Clap:
      for (int k = 0; k < 3; k++)
        addnoise(w, k * 0.011, 0.01, Noise{1300, 0, 1.2, Bandpass, {0.0005, 0.008, 0, 0.004}, 0.6 * vel, seed + k});
      addnoise(w, 0.033, 0.12, Noise{1200, 0, 1.0, Bandpass, {0.001, 0.08, 0, 0.03}, 0.5 * vel, seed + 9});
      break;
    case Block:
      addmodal(w, 0, f > 0 ? f : 880, wood(0.035), 0.4 * vel, 0.0008);
      break;
    case Shaker:
      addnoise(w, 0, 0.07, Noise{6000, 0, 0.8, High, {0.02, 0.04, 0, 0.03}, 0.22 * vel, seed});
      break;
    case Tom: {
      double base = f > 0 ? f : 110;
      Tone t{base * 1.3, base, {}, Sine, {0.001, 0.3, 0, 0.05}, 0.7 * vel};
      addtone(w, 0, 0.3, t);
      addnoise(w, 0, 0.05, Noise{900, 0, 0.8, Bandpass, {0.001, 0.04, 0, 0.02}, 0.2 * vel, seed});
      break;
    }
  }
  return w;
}

// Theremin: one gliding voice through the notes; rests let it breathe out.
struct LegatoNote {
  double t, dur;
  int midi;
  double vel;
};
static Wave legato(const std::vector<LegatoNote>& ns, double total) {
  Wave w(at(total + 1.0), 0.0f);
  if (ns.empty()) return w;
  double logf = ns[0].midi, gate = 0, phase = 0, vel = ns[0].vel, hz = midihz(logf);
  size_t k = 0;
  double onset = 0;
  for (size_t i = 0; i < w.size(); i++) {
    double t = double(i) / rate;
    while (k + 1 < ns.size() && t >= ns[k + 1].t) {
      k++;
      onset = ns[k].t;
    }
    const LegatoNote& n = ns[k];
    bool on = t >= n.t && t < n.t + n.dur;
    if (on) vel = n.vel;
    logf += (n.midi - logf) * 0.0012;  // ~20 ms glide
    gate += ((on ? 1.0 : 0.0) - gate) * (on ? 0.0009 : 0.0005);
    double since = t - onset;
    double vib = 0.22 * std::min(1.0, since / 0.35) * fastsin(5.6 * t);
    if ((i & 7) == 0) hz = midihz(logf + vib);
    phase += hz / rate;
    phase -= std::floor(phase);
    double s = fastsin(phase) + 0.18 * fastsin(2 * phase) + 0.06 * fastsin(3 * phase);
    w[i] = float(s * gate * 0.3 * vel);
  }
  return w;
}

Stereo render(const Song& song) {
  double bar = barseconds(song), beat = 60.0 / song.bpm;
  double body = bar * song.bars;
  double total = body + (song.loop ? 0 : song.tail);
  Stereo s;
  s.l.assign(at(total), 0.0f);
  s.r.assign(at(total), 0.0f);
  Rng rng(song.seed);
  std::vector<Chord> chords;
  for (auto& c : song.chords) chords.push_back(parsechord(c));
  if (chords.empty()) chords.push_back(Chord{});
  for (const Part& p : song.parts) {
    auto toks = tokens(p.pat, p.kind == Drum);
    if (toks.empty()) continue;
    // every bar written between "|" must fill the bar exactly, or the tune slips out of time
    if (p.kind != Drum) {
      std::istringstream bars(p.pat);
      std::string one;
      while (std::getline(bars, one, '|')) {
        size_t n = tokens(one, false).size();
        if (n > 0 && std::fabs(n * p.step - song.beats) > 1e-9)
          forgeerror("a bar of " + std::to_string(n) + " steps in \"" + one + "\"");
      }
    }
    std::vector<LegatoNote> line;
    // A part's pattern starts at its first bar and runs, repeating, to its last.
    int first = std::max(0, p.from), last = std::min(p.to, song.bars);
    if (last <= first) continue;
    double partstart = first * bar;
    long steps = long(std::floor((last - first) * song.beats / p.step + 1e-6));
    for (long g = 0; g < steps; g++) {
      const std::string& tok = toks[g % toks.size()];
      if (tok == "." || tok == "-") continue;
      double t = partstart + g * p.step * beat;
      if (g % 2 == 1) t += p.swing * p.step * beat;
      int barno = first + int(std::floor(g * p.step / song.beats + 1e-9));
      const Chord& ch = chords[barno % chords.size()];
      int len = 1;
      while (len < int(toks.size()) && g + len < steps && toks[(g + len) % toks.size()] == "-") len++;
      double dur = len * p.step * beat;
      double vel = (0.92 + 0.08 * rng.bi()) * p.gain;
      std::vector<int> pitches;
      if (p.kind == Drum) {
        if (tok == "X") vel *= 1.3;
        if (tok == "g") vel *= 0.4;
        Wave w = note(p.ins, 0, dur, vel, rng);
        place(s, w, t, 1.0, p.pan, song.loop);
        continue;
      }
      bool ok;
      int m = notename(tok, ok);
      if (ok) {
        pitches.push_back(m + 12 * p.octave);
      } else if (p.kind == Chords && tok == "x") {
        int base = 52 + ((ch.root - 52) % 12 + 12) % 12;
        for (int iv : ch.tones) pitches.push_back(base + iv + 12 * p.octave);
      } else {
        int lo = p.kind == BassLine ? 36 : 55;
        if (degree(tok, ch, lo, m)) pitches.push_back(m + 12 * p.octave);
      }
      for (int pm : pitches) {
        if (p.ins == Theremin) {
          line.push_back({t, dur * 0.96, pm, vel});
          continue;
        }
        Wave w = note(p.ins, midihz(pm), dur * 0.92, vel / std::sqrt(double(pitches.size())), rng);
        place(s, w, t, 1.0, p.pan, song.loop);
      }
    }
    if (!line.empty()) place(s, legato(line, total), 0, p.gain > 0 ? 1.0 : 0.0, p.pan, song.loop);
  }
  if (song.extra) song.extra(s, bar);
  reverb(s, song.room, 0.5, song.wet, song.loop);
  if (song.echowet > 0) echo(s, song.echotime, song.echofb, song.echowet, song.loop);
  levellong(s, song.loud);
  if (song.loop) {
    // start the file a moment before the downbeat: the coder then never sees a loop open on
    // a hard attack, and the seam falls in the quiet end of the last bar
    size_t off = at(0.06);
    std::rotate(s.l.begin(), s.l.end() - off, s.l.end());
    std::rotate(s.r.begin(), s.r.end() - off, s.r.end());
  }
  if (!song.loop) {
    fadeedges(s.l, 0.005, 0.6);
    fadeedges(s.r, 0.005, 0.6);
  }
  return s;
}

}  // namespace sfx
