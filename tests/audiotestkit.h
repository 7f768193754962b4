// Little helpers the audio tests share: stand-in sound files and listening to the mix.
#pragma once
#include "runtime/runtime.h"
#include "runtime/testinput.h"
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <string>
#include <thread>

// A RIFF PCM file (mono, 16 bit, 44.1 kHz): a square wave at half of full scale.
inline std::string wavbytes(int frames) {
  auto le32 = [](uint32_t v) { return std::string{char(v), char(v >> 8), char(v >> 16), char(v >> 24)}; };
  auto le16 = [](uint16_t v) { return std::string{char(v), char(v >> 8)}; };
  std::string data;
  for (int i = 0; i < frames; i++) data += le16(uint16_t((i / 50) % 2 ? 16384 : -16384));
  return "RIFF" + le32(36 + uint32_t(data.size())) + "WAVE" + "fmt " + le32(16) + le16(1) + le16(1) + le32(44100) +
         le32(88200) + le16(2) + le16(16) + "data" + le32(uint32_t(data.size())) + data;
}

// Loudest mixed sample over a few mixer buffers (the dummy driver mixes in real time).
// What was mixed before the call, even a buffer still in flight, is not counted.
inline float listen() {
  MixPeak();
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  MixPeak();
  float peak = 0;
  for (int i = 0; i < 40; i++) {
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
    peak = std::max(peak, MixPeak());
  }
  return peak;
}

// Waits (the mixer runs in real time) until the channel has played out, at most two seconds.
inline bool waitforend(Channel c) {
  for (int i = 0; i < 400 && ChannelPlaying(c); i++) std::this_thread::sleep_for(std::chrono::milliseconds(5));
  return ChannelPlaying(c) == 0;
}

// The mixer slot (1..96) a live handle names, 0 when none does.
inline int slotof(Channel c) {
  for (int slot = 1; slot <= testmixerslots; slot++)
    if (c != 0 && testslotchannel(slot) == c) return slot;
  return 0;
}

inline void stopallvoices() {
  for (int slot = 1; slot <= testmixerslots; slot++) StopChannel(testslotchannel(slot));
}
