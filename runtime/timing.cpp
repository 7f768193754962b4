#include "runtime/timing.h"
#include "runtime/testinput.h"
#include <chrono>
#include <cmath>
#include <random>
#include <thread>

static bool fakeclock = false;  // tests drive the clock themselves
static int fakems = 0;

int MilliSecs() {
  if (fakeclock) return fakems;
  using namespace std::chrono;
  static const steady_clock::time_point start = steady_clock::now();
  return int(duration_cast<milliseconds>(steady_clock::now() - start).count());
}

int ClockSeed() {
  if (fakeclock) return fakems;
  using namespace std::chrono;
  // The wall clock, so that two runs never share their numbers (MilliSecs starts at 0 each run).
  return int(uint32_t(duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count()) & 0x7fffffff);
}

void Delay(int ms) {
  if (ms <= 0) return;
  if (fakeclock) {
    fakems += ms;
    return;
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

Timer CreateTimer(float hz) {
  Timer t = std::make_shared<TimerData>();
  t->hz = hz > 0 ? hz : 1;
  t->startms = MilliSecs();
  t->lastticks = 0;
  return t;
}

int TimerTicks(const Timer& t) {
  if (!t) return 0;
  return int(std::floor(double(MilliSecs() - t->startms) * t->hz / 1000.0));
}

int WaitTimer(const Timer& t) {
  if (!t) return 0;
  int now = TimerTicks(t);
  while (now <= t->lastticks) {
    // Sleep until the next tick is due.
    double nextms = double(t->lastticks + 1) * 1000.0 / t->hz + t->startms;
    int wait = int(std::ceil(nextms - MilliSecs()));
    if (fakeclock) {
      fakems += wait > 0 ? wait : 1;
    } else if (wait > 1) {
      std::this_thread::sleep_for(std::chrono::milliseconds(wait - 1));
    } else {
      std::this_thread::yield();
    }
    now = TimerTicks(t);
  }
  int passed = now - t->lastticks;
  t->lastticks = now;
  return passed;
}

static std::mt19937 rng(1234567u);

int Rand(int lo, int hi) {
  if (hi < lo) std::swap(lo, hi);
  std::uniform_int_distribution<int> d(lo, hi);
  return d(rng);
}

float Rnd(float lo, float hi) {
  std::uniform_real_distribution<float> d(0.0f, 1.0f);
  return lo + (hi - lo) * d(rng);
}

void SeedRnd(int seed) { rng.seed(uint32_t(seed)); }

void testclock(bool fake, int ms) {
  fakeclock = fake;
  fakems = ms;
}
void testadvanceclock(int ms) { fakems += ms; }
