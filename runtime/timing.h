// Millisecond clock, periodic timers that do not catch up, and the random source.
#pragma once
#include <memory>

int MilliSecs();  // since the program started
int ClockSeed();  // milliseconds of the wall clock, for seeding (the fake clock in tests)

struct TimerData {
  float hz = 50;       // ticks per second
  int startms = 0;     // clock at creation
  int lastticks = 0;   // ticks counted at the last wait
};
using Timer = std::shared_ptr<TimerData>;
Timer CreateTimer(float hz);
int TimerTicks(const Timer& t);
// Blocks until at least one tick has passed since the previous wait; returns the ticks that
// passed. Missed ticks are not caught up: after a stall it returns at once with the count.
int WaitTimer(const Timer& t);
void Delay(int ms);

int Rand(int lo, int hi);  // inclusive; swapped when hi < lo
float Rnd(float lo, float hi);  // uniform in lo..hi
void SeedRnd(int seed);
