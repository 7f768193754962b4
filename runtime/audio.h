// Sounds decoded at load (Ogg Vorbis, WAV) and played on mixer channels; music streamed from
// its file while it plays. Without a usable audio device everything here is silent and never
// fails: the silent driver stands in, and AudioFellBack says so.
#pragma once
#include <memory>
#include <string>

struct SoundData;
using Sound = std::shared_ptr<SoundData>;  // null when missing
// A channel handle names one mixer slot for one sound: once another sound takes the slot
// (after the first one ended), the old handle is dead and every call on it does nothing.
using Channel = int;  // 0 is no channel

bool InitAudio();       // opens the device, else the silent driver; false when not even that opens
void EndAudio();        // closes the device; channels from AllocChannel stay claimed for a reopen
bool AudioOk();         // a driver is open (perhaps the silent one)
bool AudioFellBack();   // no sound device could be opened and the silent driver stands in
std::string AudioDriver();  // the driver in use, "" when none
Sound LoadSound(const std::string& path, int flags);  // flags 1: every playback loops
// A track streamed from its file: only its headers are read now, the rest is decoded in
// small pieces as it plays. One streamed sound plays at a time; starting another stops it.
Sound LoadMusic(const std::string& path, int flags);  // flags 1: loops
Channel AllocChannel();
Channel PlaySound(const Sound& sound, Channel channel = 0);
Channel CueSound(const Sound& sound, Channel channel = 0);  // starts paused
void StopChannel(Channel channel);
void PauseChannel(Channel channel);
void ResumeChannel(Channel channel);
void SetChannelVolume(Channel channel, float volume);  // 0..1, clamped
void SetChannelPan(Channel channel, float pan);        // -1 left .. 1 right, clamped (not for streams)
int ChannelPlaying(Channel channel);  // 1 while playing; 0 when paused, finished, dead or none
int ChannelPaused(Channel channel);
float ChannelVolume(Channel channel);
float ChannelPan(Channel channel);
int SoundSamples(const Sound& sound);  // frames of audio at the mixer's rate, for tests
bool SoundStreamed(const Sound& sound);  // true for LoadMusic's tracks
float MixPeak();  // loudest sample of the mix since the last call (0..1), read from a post-mix tap
