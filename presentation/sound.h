// Sound effects by table number, the story's own sounds, and the music: one track at a
// time on its own channel, ramped to the player's setting and dipped with the screen fade.
#pragma once
#include "runtime/runtime.h"
#include <array>
#include <string>

constexpr int soundcount = 60;       // sound table entries 1..60
constexpr int soundslots = 71;       // the table has room for 70 (slot 0 unused)
constexpr int storysoundcount = 59;  // story table entries 1..59
constexpr int storysoundslots = 61;  // room for 60 (slot 0 unused)
constexpr int gametrackslots = 11;   // in-game tracks 1..10 (slot 0 unused; 1 and 2 are used)
constexpr int wintrack = 99;         // curtrack while the win tune plays

// File name of each sound table entry under data\sound\, "" for the entries that stay empty.
extern const std::array<const char*, soundslots> soundfiles;
// File name of each story sound under data\sound\story\ and whether it loops.
struct storysoundfile {
  const char* name;
  int loops;  // 1 = every playback loops
};
extern const std::array<storysoundfile, storysoundslots> storysoundfiles;

// ---- Kept for the whole run (initsound) ----
inline int soundok = 0;                          // 1 when a real device plays and the probe sound loaded at start
inline int nosoundshown = 0;                     // the main menu told the player there is no sound
inline std::array<Sound, soundslots> sounds;     // the effect table, slot 0 unused
inline std::array<int, soundslots> soundplayed;  // 1 when the entry started this frame (cleared by updatemusic)
inline Channel musicchan = 0;  // the music's channel; every track is cued onto it
inline Channel storychan = 0;  // the kept story sound's channel (replaced by each PlayS_story; dead once
                               // that sound ended and its mixer slot went to another sound)
// The two channels claimed from the mixer once per run; the runtime cannot give a channel
// back, so a second initsound (tests, a restart of the sound) reuses them.
inline Channel musicclaim = 0;
inline Channel storyclaim = 0;
// How often each entry was started since resetsound: tests read them across whole frames,
// since soundplayed is cleared at the end of every frame.
inline std::array<int, soundslots> soundstarts{};
inline std::array<int, storysoundslots> storysoundstarts{};

// ---- Music (replaced by each playmusic / playgametrack) ----
inline Sound musicsound;        // the track opened by playmusic, streamed from its file as it plays
inline std::string musicname;   // its path as passed to playmusic
inline int curtrack = 0;        // in-game track playing: 1, 2, or 99 for the win tune

// ---- Loaded by the game screen's loader until its release routine ----
inline std::array<Sound, gametrackslots> gametrack;  // the two in-game tracks of this stage
inline Sound winmusic;                               // the win tune

// ---- Loaded by the story loader until deletestorysounds ----
inline std::array<Sound, storysoundslots> storysounds;  // slot 0 unused
// The channels of the latest story sounds started (kept and loose alike), so that leaving the
// story stops them all; a handle whose mixer slot went to another sound since stops nothing.
inline constexpr int storyvoices = 32;                     // voices 1..32; slot 0 unused
inline std::array<Channel, storyvoices + 1> storyvoice{};  // the newest overwrites the oldest
inline int storyvoicenext = 1;                             // where the next one is written


void initsound();  // once at start-up: claims the channels, probes the output, loads the table
void resetsound();  // stops everything and forgets all sounds (tests start from here)

Sound loadsnd(const std::string& name, int flags);
Sound loadstorysnd(const std::string& name, int flags);

void PlayS(int n, float x);              // effect n panned for screen x, at most once a frame
void PlayS_vol(int n, float x, float v);  // the same at v (0..1) of the effect volume
void PlayS_story(int n, float x);        // story sound n, kept in storychan
void PlayS_story2(int n, float x);       // story sound n on a channel of its own
void StopS_story();

void loadstorysounds();
void deletestorysounds();

void playmusic(const std::string& path, int flags);  // cued paused; updatemusic starts it
void stopmusic();
void loadgamemusic();
void deletegamemusic();
void playgametrack(int n);  // 1 or 2, or 99 for the win tune
void nexttrack();           // the game screen calls it every frame
void updatemusic();         // the dispatcher calls it every frame from frame 31
void pausemusicchannels();  // the window lost the focus: music and story sound wait
