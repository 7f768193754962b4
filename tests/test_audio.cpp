// Runtime audio: the silent driver standing in for a missing device (and saying so), channel
// handles that belong to one sound for good, and music streamed from its file.
//
// Ideas for tests:
// - a device that opens but fails while mixing (needs a driver that can be made to fail)
// - a streamed track whose file is deleted while it plays
// - the mixer running out of free slots: PlaySound answers 0 and nothing else changes
#include "tests/audiotestkit.h"
#include "tests/harness.h"
#include <gtest/gtest.h>
#include <cstdlib>

namespace {

// Puts SDL_AUDIODRIVER back as the test run set it, and the device open again.
struct DriverGuard {
  std::string was;
  bool had;
  DriverGuard() {
    const char* d = std::getenv("SDL_AUDIODRIVER");
    had = d != nullptr;
    was = d ? d : "";
  }
  ~DriverGuard() {
    EndAudio();
    if (had)
      setenv("SDL_AUDIODRIVER", was.c_str(), 1);
    else
      unsetenv("SDL_AUDIODRIVER");
    InitAudio();
  }
};

class Audio : public ::testing::Test {
 protected:
  std::string dir;
  void SetUp() override {
    InitAudio();
    if (!AudioOk()) GTEST_SKIP() << "no audio driver, not even the dummy one";
    stopallvoices();
    dir = tempfolder();
  }
  Sound wav(const std::string& name, int frames, int flags = 0) {
    writebytes(dir + name, wavbytes(frames));
    return LoadSound(dir + name, flags);
  }
  Sound music(const std::string& name, int frames, int flags = 0) {
    writebytes(dir + name, wavbytes(frames));
    return LoadMusic(dir + name, flags);
  }
};

TEST_F(Audio, AskingForTheSilentDriverIsNoFallBack) {
  // The tests ask for the dummy driver on purpose: that is a driver chosen, not one fallen back to.
  if (std::string(std::getenv("SDL_AUDIODRIVER") ? std::getenv("SDL_AUDIODRIVER") : "") != "dummy")
    GTEST_SKIP() << "run with SDL_AUDIODRIVER=dummy";
  EXPECT_EQ(AudioDriver(), "dummy");
  EXPECT_FALSE(AudioFellBack());
}

TEST_F(Audio, AMissingDeviceFallsBackToTheSilentDriverAndSaysSo) {
  DriverGuard guard;
  for (const char* broken : {"nosuchdevice", "nosuchdevice,alsonone"}) {
    EndAudio();
    EXPECT_FALSE(AudioOk());
    setenv("SDL_AUDIODRIVER", broken, 1);
    testing::internal::CaptureStdout();
    EXPECT_TRUE(InitAudio()) << broken;
    std::string trace = testing::internal::GetCapturedStdout();
    EXPECT_TRUE(AudioFellBack()) << broken;
    EXPECT_EQ(AudioDriver(), "dummy") << broken;
    EXPECT_NE(trace.find("No sound device"), std::string::npos) << trace;
    // Everything still works, silently.
    Channel c = PlaySound(wav("a.wav", 4410), 0);
    EXPECT_EQ(ChannelPlaying(c), 1);
    StopChannel(c);
  }
  // Once the device is back the next open uses it and the fall-back is forgotten.
  EndAudio();
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  EXPECT_TRUE(InitAudio());
  EXPECT_FALSE(AudioFellBack());
  // A second InitAudio while open changes nothing.
  EXPECT_TRUE(InitAudio());
  EXPECT_FALSE(AudioFellBack());
}

TEST_F(Audio, AHandleDiesWhenItsSlotGoesToAnotherSound) {
  Sound blip = wav("blip.wav", 2205), tone = wav("tone.wav", 44100 * 3);
  Channel first = PlaySound(blip, 0);
  int slot = slotof(first);
  ASSERT_NE(slot, 0);
  ASSERT_TRUE(waitforend(first));
  EXPECT_EQ(slotof(first), slot);  // ended but not yet taken: still this slot's handle
  Channel next = PlaySound(tone, 0);
  ASSERT_EQ(slotof(next), slot) << "the lowest free slot is taken again";
  EXPECT_NE(next, first);
  EXPECT_EQ(slotof(first), 0);
  // Nothing done through the old handle reaches the new sound.
  SetChannelVolume(next, 0.5f);
  SetChannelPan(next, 0.25f);
  SetChannelVolume(first, 0.1f);
  SetChannelPan(first, -1);
  PauseChannel(first);
  StopChannel(first);
  EXPECT_EQ(ChannelPlaying(first), 0);
  EXPECT_EQ(ChannelPaused(first), 0);
  EXPECT_EQ(ChannelVolume(first), 0);
  EXPECT_EQ(ChannelPlaying(next), 1);
  EXPECT_FLOAT_EQ(ChannelVolume(next), 0.5f);
  EXPECT_FLOAT_EQ(ChannelPan(next), 0.25f);
  // Playing "on" a dead handle starts a fresh channel instead of ending the new sound.
  Channel third = PlaySound(blip, first);
  EXPECT_NE(third, 0);
  EXPECT_NE(slotof(third), slot);
  EXPECT_EQ(ChannelPlaying(next), 1);
  StopChannel(next);
  StopChannel(third);
}

TEST_F(Audio, AClaimedChannelKeepsItsHandleAcrossSoundsAndAReopen) {
  Sound blip = wav("blip.wav", 2205);
  Channel mine = AllocChannel();
  ASSERT_NE(mine, 0);
  EXPECT_EQ(PlaySound(blip, mine), mine);
  ASSERT_TRUE(waitforend(mine));
  // Free sounds never take a claimed slot, so the handle stays the owner's.
  for (int i = 0; i < 20; i++) EXPECT_NE(slotof(PlaySound(blip, 0)), slotof(mine));
  EXPECT_EQ(CueSound(blip, mine), mine);
  EXPECT_EQ(ChannelPaused(mine), 1);
  EndAudio();
  ASSERT_TRUE(InitAudio());
  EXPECT_NE(slotof(mine), 0);
  blip = wav("blip2.wav", 2205);
  EXPECT_EQ(PlaySound(blip, mine), mine);
  StopChannel(mine);
}

TEST_F(Audio, MusicStreamsFromItsFileAndObeysItsChannel) {
  const int frames = 44100 * 20;
  Sound track = music("long.wav", frames);
  ASSERT_TRUE(track);
  EXPECT_TRUE(SoundStreamed(track));
  EXPECT_FALSE(SoundStreamed(wav("short.wav", 441)));
  EXPECT_EQ(SoundSamples(track), frames);
  Channel c = CueSound(track, 0);
  ASSERT_NE(c, 0);
  EXPECT_EQ(ChannelPaused(c), 1);
  EXPECT_EQ(ChannelPlaying(c), 0);
  EXPECT_EQ(listen(), 0.0f) << "a cued track is not heard";
  SetChannelVolume(c, 1);
  ResumeChannel(c);
  EXPECT_EQ(ChannelPlaying(c), 1);
  float full = listen();
  EXPECT_GT(full, 0.45f);  // the half-scale square
  SetChannelVolume(c, 0.25f);
  float quarter = listen();
  EXPECT_NEAR(quarter, full / 4, 0.03f);
  PauseChannel(c);
  EXPECT_EQ(ChannelPaused(c), 1);
  EXPECT_EQ(listen(), 0.0f);
  ResumeChannel(c);
  EXPECT_EQ(ChannelPlaying(c), 1);
  // Effects never take the stream's slot away, however many start.
  Sound blip = wav("blip.wav", 441);
  for (int i = 0; i < 120; i++) PlaySound(blip, 0);
  EXPECT_EQ(ChannelPlaying(c), 1);
  StopChannel(c);
  EXPECT_EQ(ChannelPlaying(c), 0);
  EXPECT_EQ(ChannelPaused(c), 0);
}

TEST_F(Audio, AStreamEndsOrLoopsAndOnlyOnePlaysAtATime) {
  Sound once = music("once.wav", 2205), loop = music("loop.wav", 2205, 1);
  Channel a = PlaySound(once, 0);
  ASSERT_EQ(ChannelPlaying(a), 1);
  EXPECT_TRUE(waitforend(a));
  EXPECT_EQ(ChannelPaused(a), 0);
  Channel b = PlaySound(loop, 0);
  std::this_thread::sleep_for(std::chrono::milliseconds(300));  // six times its length
  EXPECT_EQ(ChannelPlaying(b), 1);
  // A second stream on another channel takes over; the first channel is silent, not confused.
  Channel mine = AllocChannel();
  Channel d = PlaySound(music("other.wav", 44100 * 5), mine);
  EXPECT_EQ(d, mine);
  EXPECT_EQ(ChannelPlaying(d), 1);
  EXPECT_EQ(ChannelPlaying(b), 0);
  EXPECT_EQ(ChannelPaused(b), 0);
  ResumeChannel(b);
  EXPECT_EQ(ChannelPlaying(d), 1);
  // A sample sound played on the stream's channel ends the stream there.
  EXPECT_EQ(PlaySound(wav("fx.wav", 44100), mine), mine);
  EXPECT_EQ(ChannelPlaying(mine), 1);
  StopChannel(mine);
  EXPECT_EQ(ChannelPlaying(mine), 0);
}

TEST_F(Audio, DamagedOrMissingMusicIsNullAndNeverGuessedAt) {
  std::string wav = wavbytes(4410);
  std::string noise(3000, '\0');
  for (size_t i = 0; i < noise.size(); i++) noise[i] = char((i * 7919 + 13) % 251);
  struct bad {
    std::string name, bytes;
  };
  const bad files[] = {
      {"empty.ogg", ""},
      {"noise.ogg", noise},
      {"oggnoise.ogg", "OggS" + noise},
      {"cut.ogg", std::string("OggS\0\x02", 6) + noise.substr(0, 40)},
      {"riffnoise.wav", "RIFF" + noise},
      {"nofmt.wav", wav.substr(0, 12) + wav.substr(36)},
      {"head.wav", wav.substr(0, 20)},
  };
  for (const bad& f : files) {
    writebytes(dir + f.name, f.bytes);
    EXPECT_FALSE(LoadMusic(dir + f.name, 1)) << f.name;
  }
  EXPECT_FALSE(LoadMusic(dir + "missing.ogg", 1));
  // A file cut short after its header opens (nothing past the header is read yet) and plays
  // what there is, then ends.
  writebytes(dir + "short.wav", wav.substr(0, wav.size() / 2));
  Sound cut = LoadMusic(dir + "short.wav", 0);
  ASSERT_TRUE(cut);
  Channel c = PlaySound(cut, 0);
  EXPECT_EQ(ChannelPlaying(c), 1);
  EXPECT_TRUE(waitforend(c));
  // Nothing of this needs a device: without one every call answers empty.
  EndAudio();
  EXPECT_FALSE(LoadMusic(dir + "short.wav", 0));
  EXPECT_EQ(PlaySound(cut, 0), 0);
  InitAudio();
}

// With the forged data folder beside the tests: the real tracks open as streams.
TEST_F(Audio, TheForgedTracksOpenAsStreams) {
  if (FileType("data/music/menu.ogg") != 1) GTEST_SKIP() << "no data folder in the build folder";
  for (const char* name : {"menu.ogg", "ingame1.ogg", "win.wav", "fail.wav"}) {
    Sound s = LoadMusic(std::string("data/music/") + name, 0);
    ASSERT_TRUE(s) << name;
    EXPECT_GT(SoundSamples(s), 44100 * 20) << name;
  }
}

}  // namespace
