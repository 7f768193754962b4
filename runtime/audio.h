// Sounds decoded at load (Ogg Vorbis, WAV) and played on mixer channels.
// Without a usable audio device everything here is silent and never fails.
#pragma once
#include <memory>
#include <string>

struct SoundData;
using Sound = std::shared_ptr<SoundData>;  // null when missing
using Channel = int;                        // 0 is no channel

bool InitAudio();  // opens the device (retrying with the dummy driver); false when silent
void EndAudio();
bool AudioOk();
Sound LoadSound(const std::string& path, int flags);  // flags 1: every playback loops
Channel AllocChannel();
Channel PlaySound(const Sound& sound, Channel channel = 0);
Channel CueSound(const Sound& sound, Channel channel = 0);  // starts paused
void StopChannel(Channel channel);
void PauseChannel(Channel channel);
void ResumeChannel(Channel channel);
void SetChannelVolume(Channel channel, float volume);  // 0..1, clamped
void SetChannelPan(Channel channel, float pan);        // -1 left .. 1 right, clamped
int ChannelPlaying(Channel channel);  // 1 while playing; 0 when paused, finished or none
int ChannelPaused(Channel channel);
float ChannelVolume(Channel channel);
float ChannelPan(Channel channel);
int SoundSamples(const Sound& sound);  // frames of decoded audio, for tests
float MixPeak();  // loudest sample of the mix since the last call (0..1), read from a post-mix tap
