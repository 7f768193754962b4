// Sound and music: the effect table with its once-a-frame guard, volume and pan, the story
// sounds, the music ramp and fade dip, the in-game tracks and a game without any sound.
//
// Ideas for tests:
// - a looping story sound (rain) still playing after its length, stopped by StopS_story
// - the win tune after a won round and the fail tune after a lost one, through the game screen
// - a window suspension in the middle of a track, resumed on the click that clears the sign
// - the no-sound notice after a device lost in the middle of a run (needs a driver that can fail late)
#include "solitaire/extras.h"
#include "tests/audiotestkit.h"
#include "tests/harness.h"
#include "tests/menukit.h"
#include "presentation/sound.h"
#include "shell/gfx.h"
#include "shell/settings.h"
#include "shell/state.h"
#include <gtest/gtest.h>
#include <chrono>
#include <cstdlib>
#include <cmath>
#include <filesystem>
#include <thread>

namespace {

// Length in frames of the stand-in for ingameN.ogg, so a test can tell the tracks apart.
int ingameframes(int n) { return 22050 + 4410 * n; }

// A data folder of stand-in sounds under every name the game loads, written once per run.
const std::string& fixturefolder() {
  static std::string dir;
  if (!dir.empty()) return dir;
  dir = tempfolder();
  CreateDir(dir + "data/sound/story", 1);
  CreateDir(dir + "data/music", 1);
  std::string second = wavbytes(44100);
  for (int n = 1; n <= soundcount; n++)
    if (soundfiles[n][0] != '\0') writebytes(dir + "data/sound/" + soundfiles[n], second);
  for (int n = 1; n <= storysoundcount; n++) writebytes(dir + "data/sound/story/" + storysoundfiles[n].name, second);
  writebytes(dir + "data/sound/story/beep.ogg", wavbytes(2205));  // story sound 58 is over in 50 ms
  for (const char* name : {"menu.ogg", "shop.ogg", "story.ogg", "ocean.ogg", "storyparty.ogg", "zombiecrowd.ogg",
                           "fail.wav", "win.wav"})
    writebytes(dir + "data/music/" + name, second);
  for (int n = 1; n <= 5; n++) writebytes(dir + "data/music/ingame" + std::to_string(n) + ".ogg", wavbytes(ingameframes(n)));
  return dir;
}

int voices() {
  int n = 0;
  for (int slot = 1; slot <= testmixerslots; slot++) n += ChannelPlaying(testslotchannel(slot));
  return n;
}

// The one channel playing besides the music and story channels, 0 when none.
Channel effectvoice() {
  for (int slot = 1; slot <= testmixerslots; slot++) {
    Channel c = testslotchannel(slot);
    if (c != musicchan && c != storychan && ChannelPlaying(c)) return c;
  }
  return 0;
}

class Sound : public ::testing::Test {
 protected:
  std::filesystem::path home;
  void SetUp() override {
    headlessstart();
    if (!AudioOk()) GTEST_SKIP() << "no audio driver, not even the dummy one";
    stopallvoices();
    home = std::filesystem::current_path();
    ASSERT_TRUE(ChangeDir(fixturefolder()));
    resetsound();
    initsound();
    framecount = 100;
    screen = SCREEN_GAME;
    fadelevel = 256;
    soundvol = 280;
    musicvol = 280;
  }
  void TearDown() override {
    resetsound();
    if (!home.empty()) std::filesystem::current_path(home);
  }
};

TEST_F(Sound, TheTableLoadsWithItsSixEmptyEntries) {
  EXPECT_EQ(soundok, 1);
  EXPECT_TRUE(musicchan != 0 && storychan != 0 && musicchan != storychan);
  for (int n = 1; n <= soundcount; n++) {
    bool empty = n == 3 || n == 4 || n == 12 || n == 22 || n == 25 || n == 36;
    EXPECT_EQ(bool(sounds[n]), !empty) << "entry " << n;
  }
  // A second start reuses the two claimed channels instead of claiming more.
  Channel music = musicchan, story = storychan;
  initsound();
  EXPECT_EQ(musicchan, music);
  EXPECT_EQ(storychan, story);
}

TEST_F(Sound, AnEntryStartsOncePerFrameAndAgainAfterTheMusicUpdate) {
  PlayS(13, float(midx));
  PlayS(13, float(midx));
  EXPECT_EQ(voices(), 1);
  PlayS(14, float(midx));  // the guard is per entry
  EXPECT_EQ(voices(), 2);
  updatemusic();
  PlayS(13, float(midx));
  EXPECT_EQ(voices(), 3);
  // Splash pages do not run the update: the guard stays up.
  screen = SCREEN_SPLASH;
  updatemusic();
  PlayS(13, float(midx));
  EXPECT_EQ(voices(), 3);
  // While the paused sign is up nothing starts.
  screen = SCREEN_GAME;
  updatemusic();
  pausesign = 1;
  PlayS(15, float(midx));
  PlayS_vol(15, float(midx), 1);
  EXPECT_EQ(voices(), 3);
  EXPECT_EQ(soundplayed[15], 0);
}

TEST_F(Sound, EffectVolumeFollowsTheSettingAndPanFollowsTheScreenX) {
  soundvol = 10;
  PlayS(13, float(midx));
  EXPECT_EQ(voices(), 0);
  EXPECT_EQ(listen(), 0.0f);
  soundvol = 11;
  PlayS(13, float(midx));
  Channel c = effectvoice();
  ASSERT_NE(c, 0);
  EXPECT_NEAR(ChannelVolume(c), 11.0f / 280, 1e-5);
  EXPECT_NEAR(ChannelPan(c), 0, 1e-6);
  // Half-scale square wave at 11/280 (the mixer keeps volume in 128 steps).
  float peak = listen();
  EXPECT_GT(peak, 0.012f);
  EXPECT_LT(peak, 0.03f);
  StopChannel(c);

  soundvol = 280;
  PlayS(14, float(midx + 400));
  c = effectvoice();
  ASSERT_NE(c, 0);
  EXPECT_NEAR(ChannelVolume(c), 1, 1e-4);
  EXPECT_NEAR(ChannelPan(c), 0.34f, 1e-5);
  StopChannel(c);

  // The extra factor of PlayS_vol is kept within 0..1.
  const float factors[][2] = {{0.5f, 0.5f}, {3, 1}, {-1, 0}, {NAN, 0}};
  int n = 16;
  for (const auto& f : factors) {
    PlayS_vol(n, float(midx), f[0]);
    c = effectvoice();
    ASSERT_NE(c, 0) << "factor " << f[0];
    EXPECT_NEAR(ChannelVolume(c), f[1], 1e-4) << "factor " << f[0];
    StopChannel(c);
    n++;
  }
}

TEST_F(Sound, EmptyAndOutOfRangeEntriesPlayNothingAndReportNothing) {
  int logs = logcount;
  testing::internal::CaptureStdout();
  for (int n : {3, 4, 12, 22, 25, 36, 0, -1, 61, 70, 71, 100000, -100000}) {
    PlayS(n, float(midx));
    PlayS_vol(n, float(midx), 1);
  }
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
  EXPECT_EQ(voices(), 0);
  EXPECT_EQ(logcount, logs);
  // Story sounds before the chapter loaded them, or past their table, say so and stay quiet.
  testing::internal::CaptureStdout();
  PlayS_story(7, 0);
  PlayS_story2(60, 0);
  PlayS_story(-3, 0);
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "Error PlayS_story() :7\nError PlayS_story() :60\nError PlayS_story() :-3\n");
  EXPECT_EQ(voices(), 0);
}

TEST_F(Sound, StorySoundsKeepOneChannelThatCanBeStopped) {
  loadstorysounds();
  for (int n = 1; n <= storysoundcount; n++) EXPECT_TRUE(storysounds[n]) << "story sound " << n;
  PlayS_story(7, float(midx));
  Channel rain = storychan;
  EXPECT_EQ(ChannelPlaying(rain), 1);
  PlayS_story(7, float(midx));  // no guard: a second one starts, the first plays on
  EXPECT_NE(storychan, rain);
  EXPECT_EQ(ChannelPlaying(rain), 1);
  Channel kept = storychan;
  PlayS_story2(8, float(midx + 400));  // on its own channel, the kept one is untouched
  EXPECT_EQ(storychan, kept);
  EXPECT_EQ(voices(), 3);
  StopS_story();
  EXPECT_EQ(ChannelPlaying(kept), 0);
  EXPECT_EQ(voices(), 2);
  soundvol = 10;
  PlayS_story(9, 0);
  EXPECT_EQ(voices(), 2);
  deletestorysounds();
  for (int n = 1; n < storysoundslots; n++) EXPECT_FALSE(storysounds[n]);
  EXPECT_EQ(ChannelPlaying(rain), 0) << "no story sound outlives the story, not even a forgotten loop";
  EXPECT_EQ(voices(), 0);
}

TEST_F(Sound, TheKeptStoryChannelNeverReachesTheSoundThatTookItsSlot) {
  loadstorysounds();
  PlayS_story(58, float(midx));
  Channel kept = storychan;
  int slot = slotof(kept);
  ASSERT_NE(slot, 0);
  ASSERT_TRUE(waitforend(kept));
  // The beep is over; the next effect takes its mixer slot.
  soundvol = 140;
  PlayS_vol(13, float(midx), 0.5f);
  Channel click = effectvoice();
  ASSERT_EQ(slotof(click), slot);
  EXPECT_NE(storychan, click);
  StopS_story();
  EXPECT_EQ(ChannelPlaying(click), 1) << "StopS_story ended the click";
  updatemusic();  // sets the story channel's level every frame
  EXPECT_NEAR(ChannelVolume(click), 0.25f, 1e-3) << "the music update changed the click's level";
  pausemusicchannels();
  EXPECT_EQ(ChannelPlaying(click), 1) << "the window pause reached the click";
  // A new kept sound is the story channel again.
  PlayS_story(7, float(midx));
  EXPECT_EQ(ChannelPlaying(storychan), 1);
  StopS_story();
  EXPECT_EQ(ChannelPlaying(storychan), 0);
  EXPECT_EQ(ChannelPlaying(click), 1);
}

TEST_F(Sound, WithoutASoundDeviceTheGameRunsSilentlyAndWillSaySo) {
  // The tests ask for the silent driver by name: that is sound working, not missing.
  if (std::getenv("SDL_AUDIODRIVER") && std::string(std::getenv("SDL_AUDIODRIVER")) == "dummy") {
    EXPECT_FALSE(AudioFellBack());
    EXPECT_EQ(soundok, 1);
  }
  std::string driver = std::getenv("SDL_AUDIODRIVER") ? std::getenv("SDL_AUDIODRIVER") : "";
  EndAudio();
  setenv("SDL_AUDIODRIVER", "nosuchdevice", 1);
  testing::internal::CaptureStdout();
  headlessstart();  // the whole start-up, with the data folder beside it
  std::string trace = testing::internal::GetCapturedStdout();
  EXPECT_NE(trace.find("No sound device"), std::string::npos);
  EXPECT_TRUE(AudioFellBack());
  EXPECT_EQ(soundok, 0);
  EXPECT_EQ(nosoundshown, 0);  // the main menu tells the player, once
  for (int n = 1; n <= soundcount; n++) EXPECT_FALSE(sounds[n]) << "entry " << n;
  // The game runs on, silently, to the main menu, which tells the player.
  testing::internal::CaptureStdout();
  bool menu = rununtilscreen(SCREEN_MENU, 1500);
  runframes(2);
  PlayS(13, float(midx));
  testing::internal::GetCapturedStdout();
  EXPECT_TRUE(menu);
  EXPECT_EQ(popupid, POPUP_NOSOUND);
  EXPECT_EQ(nosoundshown, 1);
  EXPECT_EQ(voices() - ChannelPlaying(musicchan), 0);
  resetpopups();
  EndAudio();
  setenv("SDL_AUDIODRIVER", driver.c_str(), 1);
  ASSERT_TRUE(InitAudio());
  resetsound();
  initsound();
  EXPECT_EQ(soundok, 1);
}

TEST_F(Sound, MusicIsCuedAndStartsAtTheNextUpdate) {
  musicfade = 140;
  playmusic("/music/menu.ogg", 1);
  EXPECT_EQ(musicname, "/music/menu.ogg");
  EXPECT_EQ(ChannelPaused(musicchan), 1);
  EXPECT_NEAR(ChannelVolume(musicchan), 0.4f, 1e-4);  // set before a single sample is heard
  updatemusic();
  EXPECT_EQ(ChannelPlaying(musicchan), 1);
  // The window lost the focus: both channels wait until the sign is clicked away.
  loadstorysounds();
  PlayS_story(7, 0);
  pausemusicchannels();
  pausesign = 1;
  updatemusic();
  EXPECT_EQ(ChannelPaused(musicchan), 1);
  EXPECT_EQ(ChannelPaused(storychan), 1);
  pausesign = -1;
  updatemusic();
  EXPECT_EQ(ChannelPlaying(musicchan), 1);
  EXPECT_EQ(ChannelPlaying(storychan), 1);
  // A missing track stops the old one and says so.
  testing::internal::CaptureStdout();
  playmusic("/music/nothing.ogg", 1);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "Musikfehler: /music/nothing.ogg\n");
  updatemusic();
  EXPECT_EQ(ChannelPlaying(musicchan), 0);
  EXPECT_FALSE(musicsound);
}

TEST_F(Sound, MusicLevelRampsToTheSettingAndDimsWithTheFade) {
  playmusic("/music/shop.ogg", 1);
  musicvol = 278;
  musicfade = 0;
  for (int i = 0; i < 10; i++) updatemusic();
  EXPECT_EQ(musicfade, 50);
  for (int i = 0; i < 100; i++) updatemusic();
  EXPECT_EQ(musicfade, 275);  // settles on the multiple of 5 just below
  EXPECT_NEAR(ChannelVolume(musicchan), 275.0f / 280 * 0.8f, 1e-4);
  musicvol = 100;
  updatemusic();
  EXPECT_EQ(musicfade, 270);
  musicvol = 9;
  updatemusic();
  EXPECT_EQ(musicfade, 0);
  EXPECT_EQ(ChannelVolume(musicchan), 0);

  musicvol = musicfade = 280;
  fadelevel = 128;
  updatemusic();
  EXPECT_NEAR(ChannelVolume(musicchan), 0.4f, 1e-4);
  fadelevel = -32;  // the black frame of a fade is silence, not a negative level
  updatemusic();
  EXPECT_EQ(ChannelVolume(musicchan), 0);
  // The story channel follows the effect setting.
  soundvol = 140;
  updatemusic();
  EXPECT_NEAR(ChannelVolume(storychan), 0.5f, 1e-4);
}

TEST_F(Sound, MenuTuneKeepsItsLevelBetweenMenuAndMapButDipsIntoAStory) {
  playmusic("/music/menu.ogg", 1);
  const float full = 0.8f;
  struct step {
    int screen, fadetarget, prevscreen, fadelevel;
    float volume;
  };
  const step steps[] = {
      {SCREEN_MENU, SCREEN_MAP, SCREEN_LOADING, 64, full},  // leaving the menu for the map
      {SCREEN_MAP, SCREEN_MAP, SCREEN_MENU, 0, full},       // the map fading in
      {SCREEN_MAP, SCREEN_MENU, SCREEN_GAME, 96, full},     // back to the menu
      {SCREEN_MENU, SCREEN_MENU, SCREEN_MAP, 32, full},     // the menu fading in
      {SCREEN_MAP, SCREEN_STORY, SCREEN_MENU, 64, full / 4},  // the map hands over to a chapter
      {SCREEN_STORY, SCREEN_STORY, SCREEN_MAP, 128, full / 2},
      {SCREEN_SHOP, SCREEN_MAP, SCREEN_MENU, 192, full * 3 / 4},
  };
  for (const step& s : steps) {
    screen = s.screen;
    fadetarget = s.fadetarget;
    prevscreen = s.prevscreen;
    fadelevel = s.fadelevel;
    updatemusic();
    EXPECT_NEAR(ChannelVolume(musicchan), s.volume, 1e-4) << "screen " << s.screen << " towards " << s.fadetarget;
  }
}

TEST_F(Sound, GameTracksFollowTheStageAndAlternateAsEachEnds) {
  struct pick {
    int stage, first, second;
  };
  for (const pick& p : {pick{4, 3, 4}, pick{3, 1, 2}, pick{5, 5, 1}, pick{27, 1, 2}}) {
    stage = p.stage;
    testing::internal::CaptureStdout();
    loadgamemusic();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "load game music and win music\n");
    EXPECT_EQ(SoundSamples(gametrack[1]), ingameframes(p.first)) << "stage " << p.stage;
    EXPECT_EQ(SoundSamples(gametrack[2]), ingameframes(p.second)) << "stage " << p.stage;
    EXPECT_TRUE(winmusic);
  }
  // Even levels start with track 1, odd levels with track 2 (as the game's entry does it).
  stage = 4;
  loadgamemusic();
  for (int level : {8, 13}) {
    musicfade = 0;
    playgametrack(level % 2 + 1);
    EXPECT_EQ(curtrack, level % 2 == 0 ? 1 : 2);
    EXPECT_EQ(ChannelPaused(musicchan), 1);
  }
  updatemusic();
  EXPECT_EQ(ChannelPlaying(musicchan), 1);

  // Checked every 50 frames; only a track that has ended is replaced.
  framecount = 150;
  nexttrack();
  EXPECT_EQ(curtrack, 2);
  StopChannel(musicchan);  // track 2 is over
  framecount = 151;
  nexttrack();
  EXPECT_EQ(curtrack, 2);
  framecount = 200;
  testing::internal::CaptureStdout();
  nexttrack();
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "Neuer Track: 1\n");
  EXPECT_EQ(curtrack, 1);
  nexttrack();  // freshly cued, not yet started: not over
  EXPECT_EQ(curtrack, 1);
  updatemusic();
  StopChannel(musicchan);
  for (int* lock : {&endtime, &strikemode, &pausesign}) {
    int keep = *lock;
    *lock = 1;
    nexttrack();
    EXPECT_EQ(curtrack, 1);
    *lock = keep;
  }
  nexttrack();
  EXPECT_EQ(curtrack, 2);

  playgametrack(wintrack);
  EXPECT_EQ(curtrack, wintrack);
  EXPECT_EQ(ChannelPaused(musicchan), 1);
  testing::internal::CaptureStdout();
  deletegamemusic();
  playgametrack(wintrack);
  playgametrack(1);
  playgametrack(11);
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "delete game music and win music\nWIN-Musikfehler\nMusikfehler: 1\nMusikfehler: 11\n");
  EXPECT_EQ(voices(), 0);
}

TEST_F(Sound, WithoutAnySoundEverythingStaysSilentAndNothingFails) {
  std::string empty = tempfolder();
  ASSERT_TRUE(ChangeDir(empty));
  resetsound();
  nosoundshown = 1;
  initsound();
  EXPECT_EQ(soundok, 0);
  EXPECT_EQ(nosoundshown, 0);  // the main menu will tell the player
  for (int n = 1; n < soundslots; n++) EXPECT_FALSE(sounds[n]) << "entry " << n;
  testing::internal::CaptureStdout();
  for (int n = 0; n <= 61; n++) PlayS(n, float(midx));
  loadstorysounds();
  PlayS_story(7, 0);
  playmusic("/music/menu.ogg", 1);
  loadgamemusic();
  playgametrack(1);
  framecount = 50;
  nexttrack();
  updatemusic();
  pausemusicchannels();
  testing::internal::GetCapturedStdout();
  EXPECT_EQ(voices(), 0);
  ASSERT_TRUE(ChangeDir(fixturefolder()));
}

// With the forged data folder beside the tests, every file the manager names must load.
TEST(SoundData, EveryTableEntryAndTrackLoads) {
  if (FileType("data/sound/click.ogg") != 1) GTEST_SKIP() << "no data folder in the build folder";
  headlessstart();
  if (!AudioOk()) GTEST_SKIP() << "no audio driver";
  resetsound();
  initsound();
  EXPECT_EQ(soundok, 1);
  for (int n = 1; n <= soundcount; n++) {
    if (soundfiles[n][0] != '\0') {
      EXPECT_TRUE(sounds[n]) << soundfiles[n];
    }
  }
  loadstorysounds();
  for (int n = 1; n <= storysoundcount; n++) EXPECT_TRUE(storysounds[n]) << storysoundfiles[n].name;
  for (const char* track : {"/music/menu.ogg", "/music/shop.ogg", "/music/story.ogg", "/music/ocean.ogg",
                            "/music/storyparty.ogg", "/music/zombiecrowd.ogg", "/music/fail.wav"}) {
    playmusic(track, 1);
    EXPECT_TRUE(musicsound) << track;
  }
  for (int s = 1; s <= 3; s++) {
    stage = s;
    loadgamemusic();
    EXPECT_TRUE(gametrack[1] && gametrack[2] && winmusic) << "stage " << s;
  }
  resetsound();
}

}  // namespace
