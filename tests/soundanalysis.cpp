#include "tests/soundanalysis.h"
#include <vorbis/vorbisfile.h>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <deque>
#include <fstream>
#include <iterator>

namespace hear {

namespace {

constexpr double pi = 3.14159265358979323846;

uint32_t le32(const unsigned char* b) { return b[0] | b[1] << 8 | b[2] << 16 | uint32_t(b[3]) << 24; }
uint16_t le16(const unsigned char* b) { return uint16_t(b[0] | b[1] << 8); }

// In-place radix-2 transform of re + i im; n a power of two. The bit reversal and the
// twiddles are worked out once per size (kept in a deque, so a plan stays where it is while
// another size is added).
struct Plan {
  size_t n = 0;
  std::vector<size_t> swapfrom, swapto;
  std::vector<double> c, s;  // cos and -sin of 2 pi k / n, k < n / 2
};
const Plan& plan(size_t n) {
  thread_local std::deque<Plan> plans;
  for (const Plan& p : plans)
    if (p.n == n) return p;
  Plan p;
  p.n = n;
  for (size_t i = 1, j = 0; i < n; i++) {
    size_t bit = n >> 1;
    for (; j & bit; bit >>= 1) j ^= bit;
    j ^= bit;
    if (i < j) {
      p.swapfrom.push_back(i);
      p.swapto.push_back(j);
    }
  }
  for (size_t k = 0; k < n / 2; k++) {
    p.c.push_back(std::cos(2 * pi * k / n));
    p.s.push_back(-std::sin(2 * pi * k / n));
  }
  plans.push_back(std::move(p));
  return plans.back();
}

void fft(double* re, double* im, size_t n) {
  const Plan& p = plan(n);
  for (size_t k = 0; k < p.swapfrom.size(); k++) {
    std::swap(re[p.swapfrom[k]], re[p.swapto[k]]);
    std::swap(im[p.swapfrom[k]], im[p.swapto[k]]);
  }
  const double* cs = p.c.data();
  const double* sn = p.s.data();
  for (size_t len = 2; len <= n; len <<= 1) {
    size_t half = len / 2, step = n / len;
    for (size_t i = 0; i < n; i += len)
      for (size_t k = 0; k < half; k++) {
        double wr = cs[k * step], wi = sn[k * step];
        size_t a = i + k, b = a + half;
        double vr = re[b] * wr - im[b] * wi, vi = re[b] * wi + im[b] * wr;
        re[b] = re[a] - vr;
        im[b] = im[a] - vi;
        re[a] += vr;
        im[a] += vi;
      }
  }
}

// The transform of n real samples (n a power of two, at least 4), bins 0..n/2 into re and im
// (each n/2 + 1 long), for the price of one complex transform of half the length: the even
// samples go in as the real part, the odd ones as the imaginary part, and the two halves'
// spectra are untangled afterwards (X[k] = E[k] + w^k O[k], w = e^(-2 pi i / n)).
void realfft(const double* x, size_t n, double* re, double* im) {
  const size_t h = n / 2;
  for (size_t m = 0; m < h; m++) {
    re[m] = x[2 * m];
    im[m] = x[2 * m + 1];
  }
  fft(re, im, h);
  re[h] = re[0];
  im[h] = im[0];
  const Plan& w = plan(n);
  // bins k and h - k are untangled together, from the outside in
  for (size_t k = 0; k <= h / 2; k++) {
    size_t j = h - k;
    double zr = re[k], zi = im[k], yr = re[j], yi = im[j];
    double er = 0.5 * (zr + yr), ei = 0.5 * (zi - yi);  // E[k] = (Z[k] + conj Z[h-k]) / 2
    double orr = 0.5 * (zi + yi), oi = -0.5 * (zr - yr);  // O[k] = (Z[k] - conj Z[h-k]) / 2i
    double wr = k < h ? w.c[k] : -1.0, wi = k < h ? w.s[k] : 0.0;
    re[k] = er + wr * orr - wi * oi;
    im[k] = ei + wr * oi + wi * orr;
    if (j != k) {
      // E[h-k] = conj E[k], O[h-k] = conj O[k], and w^(h-k) = -conj w^k
      double ejr = er, eji = -ei, ojr = orr, oji = -oi;
      double vr = j < h ? w.c[j] : -1.0, vi = j < h ? w.s[j] : 0.0;
      re[j] = ejr + vr * ojr - vi * oji;
      im[j] = eji + vr * oji + vi * ojr;
    }
  }
}

const std::vector<double>& hann(size_t n) {
  thread_local std::vector<double> w;
  if (w.size() != n) {
    w.resize(n);
    for (size_t i = 0; i < n; i++) w[i] = 0.5 - 0.5 * std::cos(2 * pi * i / n);
  }
  return w;
}

double energy(const std::vector<float>& x, size_t from, size_t n) {
  double s = 0;
  for (size_t i = from; i < from + n && i < x.size(); i++) s += double(x[i]) * x[i];
  return s;
}

size_t bin(double hz, size_t n) { return size_t(hz * n / rate + 0.5); }

constexpr size_t trackhop = 441;  // the pitch track has one value each 10 ms

}  // namespace

std::vector<float> Pcm::mono() const {
  if (ch.empty()) return {};
  std::vector<float> m(ch[0].size(), 0.0f);
  for (auto& c : ch)
    for (size_t i = 0; i < m.size() && i < c.size(); i++) m[i] += c[i] / float(ch.size());
  return m;
}

Pcm decodeogg(const std::string& path) {
  Pcm p;
  OggVorbis_File vf;
  if (ov_fopen(path.c_str(), &vf) != 0) return p;
  vorbis_info* vi = ov_info(&vf, -1);
  p.rate = vi->rate;
  p.channels = vi->channels;
  p.ch.resize(p.channels);
  int section = 0;
  for (;;) {
    float** pcm = nullptr;
    long n = ov_read_float(&vf, &pcm, 4096, &section);
    if (n < 0) {
      ov_clear(&vf);
      return p;
    }
    if (n == 0) break;
    for (int c = 0; c < p.channels; c++) p.ch[c].insert(p.ch[c].end(), pcm[c], pcm[c] + n);
  }
  ov_clear(&vf);
  p.ok = !p.ch.empty() && !p.ch[0].empty();
  return p;
}

Pcm decodewav(const std::string& path) {
  Pcm p;
  std::ifstream in(path, std::ios::binary);
  std::vector<unsigned char> b((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (b.size() < 12 || std::memcmp(b.data(), "RIFF", 4) != 0 || std::memcmp(b.data() + 8, "WAVE", 4) != 0) return p;
  size_t pos = 12;
  int bits = 0, format = 0;
  while (pos + 8 <= b.size()) {
    uint32_t len = le32(&b[pos + 4]);
    const unsigned char* body = &b[pos + 8];
    if (pos + 8 + len > b.size()) return p;
    if (std::memcmp(&b[pos], "fmt ", 4) == 0 && len >= 16) {
      format = le16(body);
      p.channels = le16(body + 2);
      p.rate = le32(body + 4);
      bits = le16(body + 14);
    } else if (std::memcmp(&b[pos], "data", 4) == 0) {
      if (format != 1 || bits != 16 || p.channels < 1) return p;
      p.ch.resize(p.channels);
      size_t frames = len / (2 * p.channels);
      for (size_t i = 0; i < frames; i++)
        for (int c = 0; c < p.channels; c++)
          p.ch[c].push_back(int16_t(le16(body + (i * p.channels + c) * 2)) / 32768.0f);
      p.ok = frames > 0;
      return p;
    }
    pos += 8 + len + (len & 1);
  }
  return p;
}

Pcm decode(const std::string& path) {
  return path.size() > 4 && path.substr(path.size() - 4) == ".wav" ? decodewav(path) : decodeogg(path);
}

std::vector<double> powerspectrum(const std::vector<float>& x, size_t from, size_t n) {
  const std::vector<double>& w = hann(n);
  std::vector<double> in(n), re(n / 2 + 1), im(n / 2 + 1);
  for (size_t i = 0; i < n; i++) in[i] = from + i < x.size() ? x[from + i] * w[i] : 0.0;
  realfft(in.data(), n, re.data(), im.data());
  std::vector<double> p(n / 2 + 1);
  for (size_t k = 0; k <= n / 2; k++) p[k] = re[k] * re[k] + im[k] * im[k];
  return p;
}

double flatness(const std::vector<float>& x) {
  // Measured inside narrow bands (a third of an octave, at least eight bins), so a dark thud
  // counts as noisy as a bright hiss: only how tone-like the spectrum is, not its tilt.
  const size_t n = 2048, hop = 1024;
  if (x.size() < n) return 0;
  double loudest = 0;
  for (size_t s = 0; s + n <= x.size(); s += hop) loudest = std::max(loudest, energy(x, s, n));
  std::vector<size_t> edges{bin(100, n)};
  while (edges.back() < bin(16000, n)) {
    size_t next = std::max(edges.back() + 8, size_t(edges.back() * 1.26 + 0.5));
    edges.push_back(std::min(next, bin(16000, n)));
  }
  double sum = 0, weight = 0;
  for (size_t s = 0; s + n <= x.size(); s += hop) {
    double e = energy(x, s, n);
    if (e < loudest * 1e-3 || e <= 0) continue;
    std::vector<double> p = powerspectrum(x, s, n);
    std::vector<double> bandpower, bandflat;
    for (size_t b = 0; b + 1 < edges.size(); b++) {
      double lin = 0, logs = 0, m = double(edges[b + 1] - edges[b]);
      for (size_t k = edges[b]; k < edges[b + 1]; k++) lin += p[k];
      double floor = lin / m * 1e-9 + 1e-30;
      for (size_t k = edges[b]; k < edges[b + 1]; k++) logs += std::log(p[k] + floor);
      bandpower.push_back(lin);
      bandflat.push_back(std::exp(logs / m) / (lin / m + floor));
    }
    double top = *std::max_element(bandpower.begin(), bandpower.end());
    double f = 0;
    int count = 0;
    for (size_t b = 0; b < bandpower.size(); b++)
      if (bandpower[b] >= top * 1e-3) {  // the bands within 30 dB of the strongest
        f += bandflat[b];
        count++;
      }
    sum += e * f / std::max(count, 1);
    weight += e;
  }
  return weight > 0 ? sum / weight : 0;
}

std::vector<double> pitchtrack(const std::vector<float>& x, double strict) {
  // A pitch tracker of the difference-function kind: a frame has a pitch when the signal one
  // period later matches it closely (normalised difference under `strict`), whatever its
  // partials; a chord whose notes share a common period counts as that period.
  const size_t span = 1824, maxlag = 800, n = 4096;  // 41 ms frames, periods up to 18 ms (55 Hz)
  std::vector<double> track;
  if (x.size() < span) return track;
  double loudest = 0;
  for (size_t s = 0; s + span <= x.size(); s += trackhop) loudest = std::max(loudest, energy(x, s, span));
  std::vector<double> in(n), re(n / 2 + 1), im(n / 2 + 1), d(maxlag + 1), cum(span + 1);
  for (size_t s = 0; s + span <= x.size(); s += trackhop) {
    double hz = 0, e = energy(x, s, span);
    if (e >= loudest * 1e-3 && e > 0) {
      // the autocorrelation through the power spectrum: the power is real and even, so its
      // transform is n times the autocorrelation, and both transforms are of real samples
      for (size_t i = 0; i < n; i++) in[i] = i < span ? x[s + i] : 0.0;
      realfft(in.data(), n, re.data(), im.data());
      for (size_t k = 0; k <= n / 2; k++) in[k] = re[k] * re[k] + im[k] * im[k];
      for (size_t k = n / 2 + 1; k < n; k++) in[k] = in[n - k];
      realfft(in.data(), n, re.data(), im.data());
      cum[0] = 0;
      for (size_t i = 0; i < span; i++) cum[i + 1] = cum[i] + double(x[s + i]) * x[s + i];
      // d(t): how far the frame differs from itself t samples later, over their overlap,
      // normalised by its mean over the shorter lags
      double sum = 0;
      for (size_t t = 1; t <= maxlag; t++) {
        double diff = cum[span - t] + (cum[span] - cum[t]) - 2 * re[t] / n;
        sum += diff;
        d[t] = sum > 0 ? diff * t / sum : 1;
      }
      size_t lag = 0;
      for (size_t t = 5; t < maxlag; t++)
        if (d[t] < strict) {
          while (t + 1 < maxlag && d[t + 1] < d[t]) t++;
          if (t + 1 < maxlag) lag = t;  // still falling at the longest period looked at: no period found
          break;
        }
      if (lag > 0) {
        double p = d[lag - 1], q = d[lag], r = d[lag + 1];
        double off = (p - 2 * q + r) != 0 ? 0.5 * (p - r) / (p - 2 * q + r) : 0;
        hz = rate / (double(lag) + off);
      }
    }
    track.push_back(hz);
  }
  return track;
}

HeldTone longesttone(const std::vector<float>& x) {
  HeldTone best;
  std::vector<double> track = pitchtrack(x, 0.15);
  double runhz = 0, runat = 0;
  int run = 0;
  for (size_t f = 0; f < track.size(); f++) {
    double hz = track[f];
    if (hz > 0 && run > 0 && std::fabs(std::log2(hz / runhz)) * 12 <= 0.5) {
      run++;
    } else if (hz > 0) {
      run = 1;
      runhz = hz;
      runat = double(f * trackhop) / rate;
    } else {
      run = 0;
    }
    double len = run > 0 ? (run - 1) * double(trackhop) / rate + 1024.0 / rate : 0;  // about the frame's core
    if (len > best.seconds) best = {len, runhz, runat};
  }
  return best;
}

double pitchspan(const std::vector<float>& x) {
  std::vector<double> notes;
  for (double hz : pitchtrack(x, 0.35))  // rough throats repeat only loosely
    if (hz > 0) notes.push_back(12 * std::log2(hz / 440.0));
  if (notes.size() < 5) return 0;
  std::sort(notes.begin(), notes.end());
  return notes[notes.size() * 95 / 100] - notes[notes.size() * 5 / 100];
}

double dropiness(const std::vector<float>& x) {
  // Above 1 kHz, where drops click and the hiss lives; level of each 2 ms stretch.
  std::vector<float> hp(x.size());
  double z = 0, a = std::exp(-2 * pi * 1000.0 / rate);
  for (size_t i = 0; i < x.size(); i++) {
    z = x[i] * (1 - a) + z * a;
    hp[i] = float(x[i] - z);
  }
  const size_t win = 88;
  std::vector<double> level;
  for (size_t s = 0; s + win <= hp.size(); s += win) level.push_back(energy(hp, s, win) / win + 1e-20);
  if (level.size() < 100) return 0;
  std::sort(level.begin(), level.end());
  return 10 * std::log10(level[level.size() * 995 / 1000] / level[level.size() / 2]);
}

Repeat longestrepeat(const std::vector<float>& src, bool loops, double window, double alike) {
  const size_t n = 8192, hop = 2205;  // 186 ms windows every 50 ms
  const double framesec = double(hop) / rate;
  std::vector<float> x = src;
  size_t want = size_t((window + 0.3) * rate) + n;
  if (loops && !src.empty())
    while (x.size() < want) x.insert(x.end(), src.begin(), src.end());
  if (x.size() > want) x.resize(want);
  // Semitone bands from E2 to C8, their log energies with the envelope (a 13-band moving
  // mean) taken out, normalised: what remains is which notes sound, not how loud or bright.
  const int first = 40, last = 108, bands = last - first + 1;
  std::vector<int> band(n / 2 + 1, -1);
  for (size_t k = 1; k <= n / 2; k++) {
    double midi = 69 + 12 * std::log2(double(k) * rate / n / 440.0);
    int m = int(std::lround(midi));
    if (m >= first && m <= last) band[k] = m - first;
  }
  std::vector<std::vector<double>> feat;
  std::vector<double> level;
  for (size_t s = 0; s + n <= x.size() && double(s) / rate < window; s += hop) {
    std::vector<double> p = powerspectrum(x, s, n), e(bands, 0.0);
    for (size_t k = 1; k <= n / 2; k++)
      if (band[k] >= 0) e[band[k]] += p[k];
    double total = 0;
    for (double v : e) total += v;
    level.push_back(total);
    for (double& v : e) v = std::log10(v + total * 1e-7 + 1e-20);
    std::vector<double> f(bands);
    for (int b = 0; b < bands; b++) {
      double m = 0;
      int c = 0;
      for (int j = std::max(0, b - 6); j <= std::min(bands - 1, b + 6); j++, c++) m += e[j];
      f[b] = e[b] - m / c;
    }
    double mean = 0, norm = 0;
    for (double v : f) mean += v / bands;
    for (double& v : f) {
      v -= mean;
      norm += v * v;
    }
    norm = std::sqrt(norm);
    for (double& v : f) v = norm > 0 ? v / norm : 0;
    feat.push_back(f);
  }
  size_t t = feat.size();
  double loudest = level.empty() ? 0 : *std::max_element(level.begin(), level.end());
  std::vector<double> flat(t * bands);
  for (size_t i = 0; i < t; i++)
    for (int b = 0; b < bands; b++) flat[i * bands + b] = level[i] < loudest * 1e-4 ? 0 : feat[i][b];  // silence proves nothing
  Repeat best;
  const size_t smooth = 10;  // half a second
  std::vector<double> d(t);
  for (size_t lag = 10; lag < t; lag++) {
    for (size_t i = 0; i + lag < t; i++) {
      const double* p = &flat[i * bands];
      const double* q = &flat[(i + lag) * bands];
      double s = 0;
      for (int b = 0; b < bands; b++) s += p[b] * q[b];
      d[i] = s;
    }
    size_t run = 0;
    double acc = 0;
    for (size_t i = 0; i < t - lag; i++) {
      acc += d[i];
      if (i >= smooth) acc -= d[i - smooth];
      double m = acc / double(std::min(i + 1, smooth));
      run = m >= alike ? run + 1 : 0;
      double len = run * framesec;
      if (len > best.seconds) best = {len, (double(i + 1 - run)) * framesec, lag * framesec};
    }
  }
  return best;
}

}  // namespace hear
