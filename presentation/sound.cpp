#include "presentation/sound.h"
#include "shell/gfx.h"
#include "shell/settings.h"
#include "shell/state.h"
#include "solitaire/extras.h"

// Volume and pan factors.
constexpr float volumescale = 0.00357143f;  // 1/280: the settings run 0..280
constexpr float panscale = 0.0017f * 0.5f;  // pixels from the screen centre -> pan (400 px = 0.34)
constexpr float musicshare = 0.8f;          // the music sits a little under the effects
constexpr float fadescale = 0.00390625f;    // 1/256: fadelevel 256 is full brightness
constexpr int musicstep = 5;                // musicfade moves this much per frame
constexpr int audiblelevel = 10;            // a setting at or below this is silent

const std::array<const char*, soundslots> soundfiles = {
    "",                          // 0 unused
    "doublesuns.ogg",            // 1
    "cash2-1.ogg",               // 2
    "",                          // 3 empty
    "",                          // 4 empty
    "turnup.ogg",                // 5
    "turndown.ogg",              // 6
    "cash2-2.ogg",               // 7
    "ninja1.ogg",                // 8
    "ninja2.ogg",                // 9
    "failure.ogg",               // 10
    "gamebutt1.ogg",             // 11
    "",                          // 12 empty
    "click.ogg",                 // 13
    "joker.ogg",                 // 14
    "cash.ogg",                  // 15
    "killedzombie.ogg",          // 16
    "bowling1.ogg",              // 17
    "bowling2.ogg",              // 18
    "bowling3.ogg",              // 19
    "shotgun1.ogg",              // 20
    "shotgun2.ogg",              // 21
    "",                          // 22 empty
    "pig1.ogg",                  // 23
    "bloodsplat.ogg",            // 24
    "",                          // 25 empty
    "logoappear.ogg",            // 26
    "lose.ogg",                  // 27
    "card-stable.ogg",           // 28
    "card-column.ogg",           // 29
    "card-columnspecial.ogg",    // 30
    "card-takeout.ogg",          // 31
    "levelselection.ogg",        // 32
    "extracardselection.ogg",    // 33
    "bird1.ogg",                 // 34
    "bird2.ogg",                 // 35
    "",                          // 36 empty
    "bird3.ogg",                 // 37
    "pig2.ogg",                  // 38
    "randomextra1.ogg",          // 39
    "BFGSlap.ogg",               // 40
    "loading.ogg",               // 41
    "pigcannon.ogg",             // 42
    "newitem.ogg",               // 43
    "winpoints.ogg",             // 44
    "suddenstrike.ogg",          // 45
    "clearedcolumn.ogg",         // 46
    "glitter.ogg",               // 47
    "turnallup.ogg",             // 48
    "longdrive.ogg",             // 49
    "select.ogg",                // 50
    "maxbonus.ogg",              // 51
    "winstar1.ogg",              // 52
    "winstar2.ogg",              // 53
    "winstar3.ogg",              // 54
    "earnplant.ogg",             // 55
    "winstrike.ogg",             // 56
    "paper.ogg",                 // 57
    "paper2.ogg",                // 58
    "paperback.ogg",             // 59
    "finish.ogg",                // 60
    "", "", "", "", "", "", "", "", "", "",  // 61..70 room to spare
};

const std::array<storysoundfile, storysoundslots> storysoundfiles = {{
    {"", 0},                       // 0 unused
    {"introstory_mmh.ogg", 0},     // 1
    {"introstory_eat.ogg", 0},     // 2
    {"introstory_growl1.ogg", 0},  // 3
    {"introstory_growl2.ogg", 0},  // 4
    {"introstory_breath.ogg", 0},  // 5
    {"introstory_drama.ogg", 0},   // 6
    {"storyrain.ogg", 1},          // 7 rain over a whole scene
    {"storygully.ogg", 0},         // 8
    {"crane1.ogg", 0},             // 9
    {"lockopen.ogg", 0},           // 10
    {"key.ogg", 0},                // 11
    {"boxopen.ogg", 0},            // 12
    {"electric.ogg", 0},           // 13
    {"metaldoor.ogg", 0},          // 14
    {"crane2.ogg", 0},             // 15
    {"crane3.ogg", 0},             // 16
    {"containerhit.ogg", 0},       // 17
    {"crane4.ogg", 1},             // 18 the crane's motor runs until stopped
    {"rumble1.ogg", 0},            // 19
    {"rumble2.ogg", 0},            // 20
    {"rumble3.ogg", 0},            // 21
    {"rumble4.ogg", 0},            // 22
    {"pillow1.ogg", 0},            // 23
    {"pillow2.ogg", 0},            // 24
    {"clock.ogg", 0},              // 25
    {"carpet.ogg", 0},             // 26
    {"rumble5.ogg", 0},            // 27
    {"rumble6.ogg", 0},            // 28
    {"mower2.ogg", 0},             // 29
    {"crow.ogg", 0},               // 30
    {"plank.ogg", 0},              // 31
    {"iron.ogg", 0},               // 32
    {"crow2.ogg", 0},              // 33
    {"metallhit.ogg", 0},          // 34
    {"chainsaw1.ogg", 0},          // 35
    {"chainsaw2.ogg", 0},          // 36
    {"treefall.ogg", 0},           // 37
    {"chainsaw32.ogg", 1},         // 38 the chainsaw idles until stopped
    {"chainsaw4.ogg", 0},          // 39
    {"trunk.ogg", 0},              // 40
    {"planeup.ogg", 0},            // 41
    {"nail.ogg", 0},               // 42
    {"boxslide.ogg", 0},           // 43
    {"boxslide2.ogg", 0},          // 44
    {"skull.ogg", 0},              // 45
    {"finish.ogg", 0},             // 46
    {"metaldoor2.ogg", 0},         // 47
    {"glass.ogg", 0},              // 48
    {"glass2.ogg", 0},             // 49
    {"stone.ogg", 0},              // 50
    {"ladder.ogg", 0},             // 51
    {"lever.ogg", 0},              // 52
    {"plugin.ogg", 0},             // 53
    {"gen1.ogg", 0},               // 54
    {"gen2.ogg", 1},               // 55 the generator hums until stopped
    {"boat1.ogg", 0},              // 56
    {"splash.ogg", 0},             // 57
    {"beep.ogg", 0},               // 58
    {"chain.ogg", 1},              // 59 the chain rattles until stopped
    {"", 0},                       // 60 room to spare
}};

// The two in-game tracks by stage mod 3; every stage gets a pair, neighbours differ.
struct trackpair {
  int first, second;  // ingameN.ogg numbers for gametrack 1 and 2
};
static const trackpair stagetracks[3] = {
    {1, 2},  // stages 3, 6, 9 ...
    {3, 4},  // stages 1, 4, 7 ...
    {5, 1},  // stages 2, 5, 8 ...
};

static float effectpan(float x) { return (x - float(midx)) * panscale; }

void initsound() {
  lastfunc = "initsound()";
  if (musicclaim == 0) musicclaim = AllocChannel();
  if (storyclaim == 0) storyclaim = AllocChannel();
  musicchan = musicclaim;
  storychan = storyclaim;
  // The probe: sound needs a real device (not the silent driver standing in for a missing
  // one) and the click loaded from the data folder.
  soundok = 1;
  if (AudioFellBack() || !loadsnd("click.ogg", 1)) {
    soundok = 0;
    nosoundshown = 0;
  }
  soundplayed.fill(0);
  for (Sound& s : sounds) s.reset();  // a second start leaves nothing of the first behind
  if (soundok == 1)
    for (int n = 1; n <= soundcount; n++)
      if (soundfiles[n][0] != '\0') sounds[n] = loadsnd(soundfiles[n], 0);
  musicname = "";
}

void resetsound() {
  StopChannel(musicchan);
  StopChannel(storychan);
  musicchan = musicclaim;
  storychan = storyclaim;
  StopChannel(musicchan);
  StopChannel(storychan);
  soundok = 0;
  nosoundshown = 0;
  for (Sound& s : sounds) s.reset();
  soundplayed.fill(0);
  soundstarts.fill(0);
  storysoundstarts.fill(0);
  for (Sound& s : storysounds) s.reset();
  storyvoice.fill(0);
  storyvoicenext = 1;
  musicsound.reset();
  musicname = "";
  curtrack = 0;
  for (Sound& s : gametrack) s.reset();
  winmusic.reset();
}

Sound loadsnd(const std::string& name, int flags) {
  std::string path = "data\\sound\\" + name;
  Sound s = LoadSound(path, flags);
  if (!s) logmsg("s", path);
  return s;
}

Sound loadstorysnd(const std::string& name, int flags) {
  std::string path = "data\\sound\\story\\" + name;
  Sound s = LoadSound(path, flags);
  if (!s) logmsg("s", path);
  return s;
}

// Starts table entry n unless it is empty, muted, already started this frame or the game is paused.
static void starteffect(int n, float x, float volume) {
  if (n < 1 || n > soundcount) return;  // a number outside the table plays nothing
  if (!sounds[n] || soundvol <= audiblelevel || soundplayed[n] != 0 || pausesign != -1) return;
  Channel c = PlaySound(sounds[n], 0);
  SetChannelVolume(c, volume);
  SetChannelPan(c, effectpan(x));
  soundplayed[n] = 1;
  soundstarts[n]++;
}

void PlayS(int n, float x) { starteffect(n, x, float(soundvol) * volumescale); }

void PlayS_vol(int n, float x, float v) {
  if (v > 1) v = 1;
  if (!(v >= 0)) v = 0;  // also catches a NaN
  starteffect(n, x, float(soundvol) * volumescale * v);
}

// Story sounds have no once-a-frame guard: scenes start them on single events.
static Channel startstorysound(int n, float x) {
  if (n < 1 || n > storysoundcount || !storysounds[n]) {
    Print("Error PlayS_story() :" + std::to_string(n));
    return 0;
  }
  if (soundvol <= audiblelevel || pausesign != -1) return 0;
  storysoundstarts[n]++;
  Channel c = PlaySound(storysounds[n], 0);
  SetChannelVolume(c, float(soundvol) * volumescale);
  SetChannelPan(c, effectpan(x));
  if (c != 0) {
    storyvoice[storyvoicenext] = c;
    storyvoicenext = storyvoicenext % storyvoices + 1;
  }
  return c;
}

void PlayS_story(int n, float x) {
  lastfunc = "PlayS_story()";
  // An earlier kept sound plays on; it is only forgotten.
  Channel c = startstorysound(n, x);
  if (c != 0) storychan = c;
}

void PlayS_story2(int n, float x) {
  lastfunc = "PlayS_story2()";
  startstorysound(n, x);
}

void StopS_story() { StopChannel(storychan); }

void loadstorysounds() {
  lastfunc = "loadstorysounds()";
  for (int n = 1; n <= storysoundcount; n++)
    storysounds[n] = loadstorysnd(storysoundfiles[n].name, storysoundfiles[n].loops);
}

void deletestorysounds() {
  lastfunc = "deletestorysounds()";
  // No story sound outlives the story: a growl or a looping chainsaw would go on over the
  // next screen, and its channel would keep the sound's samples alive.
  for (int v = 1; v <= storyvoices; v++) StopChannel(storyvoice[v]);
  storyvoice.fill(0);
  storyvoicenext = 1;
  for (int n = 1; n < storysoundslots; n++) storysounds[n].reset();
}

// Cues a track on the music channel at the current music level; updatemusic starts it.
static void cuemusic(const Sound& track) {
  Channel c = CueSound(track, musicchan);
  if (c != 0) musicchan = c;
  SetChannelVolume(musicchan, float(musicfade) * volumescale * musicshare);
}

void playmusic(const std::string& path, int flags) {
  lastfunc = "playmusic()";
  musicname = path;
  stopmusic();
  musicsound = LoadMusic("data\\" + path, flags);  // opened, not decoded: it streams as it plays
  if (musicsound)
    cuemusic(musicsound);
  else
    Print("Musikfehler: " + path);  // the old track stays stopped
}

void stopmusic() { StopChannel(musicchan); }

void loadgamemusic() {
  lastfunc = "loadgamemusic()";
  stopmusic();
  const trackpair& pair = stagetracks[((stage % 3) + 3) % 3];
  gametrack[1] = LoadMusic("data\\/music/ingame" + std::to_string(pair.first) + ".ogg", 0);
  gametrack[2] = LoadMusic("data\\/music/ingame" + std::to_string(pair.second) + ".ogg", 0);
  winmusic = LoadMusic("data\\/music/win.wav", 0);
  Print("load game music and win music");
}

void deletegamemusic() {
  lastfunc = "deletegamemusic()";
  for (int n = 1; n <= 3; n++) gametrack[n].reset();
  winmusic.reset();
  Print("delete game music and win music");
}

void playgametrack(int n) {
  lastfunc = "playgametrack()";
  curtrack = n;
  stopmusic();
  if (n == wintrack) {
    if (winmusic)
      cuemusic(winmusic);
    else
      Print("WIN-Musikfehler");
  } else if (n >= 1 && n < gametrackslots && gametrack[n]) {
    cuemusic(gametrack[n]);
  } else {
    Print("Musikfehler: " + std::to_string(n));
  }
}

void nexttrack() {
  if (framecount % 50 != 0 || pausesign != -1 || endtime != 0 || strikemode != 0) return;
  // A paused channel is a track cued this frame or one waiting for the window to come
  // back: it is not over, so it must not be replaced.
  if (ChannelPlaying(musicchan) != 0 || ChannelPaused(musicchan) != 0) return;
  int next = curtrack == 1 ? 2 : 1;
  Print("Neuer Track: " + std::to_string(next));
  playgametrack(next);
}

// True while the player moves between the main menu and the adventure map, which share the menu tune.
static bool menutunecontinues() {
  return (screen == SCREEN_MENU && fadetarget == SCREEN_MAP) || (fadetarget == SCREEN_MENU && screen == SCREEN_MAP) ||
         (screen == SCREEN_MENU && prevscreen == SCREEN_MAP) || (prevscreen == SCREEN_MENU && screen == SCREEN_MAP);
}

void updatemusic() {
  if (screen == SCREEN_SPLASH) return;
  // Both steps every frame: with a setting that is no multiple of 5 the level settles just below it.
  if (musicfade < musicvol) musicfade += musicstep;
  if (musicfade > musicvol) musicfade -= musicstep;
  if (musicvol < audiblelevel) musicfade = 0;
  float full = float(musicfade) * volumescale;
  float faded = full * float(fadelevel) * fadescale;
  if (faded < 0) faded = 0;  // the darkest fade step (-32) is silence
  float m = faded;
  if (menutunecontinues()) m = full;
  if (screen == SCREEN_MAP && fadetarget == SCREEN_STORY) m = faded;  // the map hands over to a chapter
  for (int n = 1; n <= soundcount; n++) soundplayed[n] = 0;
  SetChannelVolume(musicchan, m * musicshare);
  SetChannelVolume(storychan, float(soundvol) * volumescale);
  if (pausesign == -1) {
    // Starts freshly cued music and continues what the window suspension paused.
    if (ChannelPlaying(musicchan) == 0) ResumeChannel(musicchan);
    if (ChannelPlaying(storychan) == 0) ResumeChannel(storychan);
  }
}

void pausemusicchannels() {
  if (musicchan != 0) PauseChannel(musicchan);
  if (storychan != 0) PauseChannel(storychan);
}
