#include "runtime/audio.h"
#include "runtime/stream.h"
#include "runtime/testinput.h"
#include <SDL.h>
#include <SDL_mixer.h>
#include <vorbis/vorbisfile.h>
#include <atomic>
#include <cstring>
#include <vector>

// One runtime channel is one mixer channel (slot). A handle is the slot + 1 plus the slot's
// generation times slotspan; the generation moves on whenever the slot is handed to a new
// sound, so a handle kept after its sound ended never reaches the sound that came next.
// Mixer slots are claimed by AllocChannel (kept for the caller) or taken free by PlaySound.
// Streamed music plays through the mixer's one music stream; the slot that started it owns
// the stream and its handle steers it like any other channel.
struct SoundData {
  Mix_Chunk* chunk = nullptr;
  Mix_Music* music = nullptr;  // streamed from its file
  bool loop = false;
  int frames = 0;
  ~SoundData() {
    if (chunk) Mix_FreeChunk(chunk);
    if (music) Mix_FreeMusic(music);
  }
};

static bool audiook = false;
static bool audiofellback = false;
static std::string audiodriver;
static int mixfreq = 44100, mixchannels = 2;
static Uint16 mixformat = AUDIO_S16SYS;
constexpr int channelcount = 96;
constexpr int slotspan = 128;            // handle = slot + 1 + generation * slotspan
constexpr int generationwrap = 1 << 22;  // keeps handles inside an int
struct ChannelInfo {
  bool reserved = false;  // handed out by AllocChannel
  int generation = 0;     // moves on each time the slot is handed to a new sound
  float volume = 1, pan = 0;
  std::shared_ptr<SoundData> playing;  // keeps the sound alive while it plays
};
static ChannelInfo channels[channelcount];
static int streamslot = -1;       // the slot whose handle owns the music stream, -1 none
static bool streamcued = false;   // the stream waits for ResumeChannel to start
static std::atomic<float> mixpeak{0};

static void postmix(void*, Uint8* stream, int len) {
  // Only 16-bit output is measured; that is what the mixer is opened with.
  const int16_t* s = reinterpret_cast<const int16_t*>(stream);
  int n = len / 2, peak = 0;
  for (int i = 0; i < n; i++) {
    int v = s[i] < 0 ? -s[i] : s[i];
    if (v > peak) peak = v;
  }
  float p = peak / 32768.0f;
  float old = mixpeak.load();
  while (p > old && !mixpeak.compare_exchange_weak(old, p)) {
  }
}

static bool openmixer() {
  if (Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024) != 0) return false;
  int n;
  Mix_QuerySpec(&mixfreq, &mixformat, &n);
  mixchannels = n;
  Mix_AllocateChannels(channelcount);
  Mix_SetPostMix(postmix, nullptr);
  const char* d = SDL_GetCurrentAudioDriver();
  audiodriver = d ? d : "";
  return true;
}

bool InitAudio() {
  if (audiook) return true;
  audiofellback = false;
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0 && openmixer()) {
    audiook = true;
    return true;
  }
  // No usable device: the silent driver keeps everything working, and the game is told.
  std::string why = SDL_GetError();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
  // Above the environment's own choice, which is what just failed; only for this one open.
  SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
  bool ok = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0 && openmixer();
  SDL_ResetHint(SDL_HINT_AUDIODRIVER);
  if (!ok) {
    Print("No sound at all: " + why + " / " + SDL_GetError());
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    audiodriver = "";
    return false;
  }
  Print("No sound device (" + why + "): the game plays silently");
  audiook = true;
  audiofellback = true;
  return true;
}

static void nextgeneration(int i) { channels[i].generation = (channels[i].generation + 1) % generationwrap; }

void EndAudio() {
  if (!audiook) return;
  Mix_HaltChannel(-1);
  Mix_HaltMusic();
  streamslot = -1;
  streamcued = false;
  for (int i = 0; i < channelcount; i++) {
    ChannelInfo& c = channels[i];
    c.playing.reset();
    c.volume = 1;
    c.pan = 0;
    if (!c.reserved) nextgeneration(i);  // claimed channels outlive a reopen, the rest do not
  }
  Mix_CloseAudio();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
  audiook = false;
  audiofellback = false;
  audiodriver = "";
}

bool AudioOk() { return audiook; }
bool AudioFellBack() { return audiofellback; }
std::string AudioDriver() { return audiodriver; }

// ---- Decoding ----

static bool decodeogg(const std::vector<uint8_t>& bytes, std::vector<int16_t>& pcm, int& rate, int& chans) {
  struct mem {
    const std::vector<uint8_t>* b;
    size_t pos;
  } m{&bytes, 0};
  ov_callbacks cb;
  cb.read_func = [](void* ptr, size_t size, size_t n, void* src) -> size_t {
    mem* m = static_cast<mem*>(src);
    size_t want = size * n, left = m->b->size() - m->pos;
    if (want > left) want = left;
    std::memcpy(ptr, m->b->data() + m->pos, want);
    m->pos += want;
    return size ? want / size : 0;
  };
  cb.seek_func = [](void* src, ogg_int64_t off, int whence) -> int {
    mem* m = static_cast<mem*>(src);
    long long base = whence == SEEK_SET ? 0 : whence == SEEK_CUR ? (long long)m->pos : (long long)m->b->size();
    long long p = base + off;
    if (p < 0 || p > (long long)m->b->size()) return -1;
    m->pos = size_t(p);
    return 0;
  };
  cb.close_func = nullptr;
  cb.tell_func = [](void* src) -> long { return long(static_cast<mem*>(src)->pos); };
  OggVorbis_File vf;
  if (ov_open_callbacks(&m, &vf, nullptr, 0, cb) != 0) return false;
  vorbis_info* vi = ov_info(&vf, -1);
  if (!vi || vi->channels < 1 || vi->channels > 2) {
    ov_clear(&vf);
    return false;
  }
  rate = int(vi->rate);
  chans = vi->channels;
  char buf[8192];
  int section = 0;
  bool ok = true;
  for (;;) {
    long got = ov_read(&vf, buf, sizeof buf, 0, 2, 1, &section);
    if (got == 0) break;
    if (got < 0) {
      ok = false;  // damaged or truncated data
      break;
    }
    size_t at = pcm.size();
    pcm.resize(at + size_t(got) / 2);
    std::memcpy(&pcm[at], buf, size_t(got) & ~size_t(1));
  }
  ov_clear(&vf);
  return ok && !pcm.empty();
}

static uint32_t le32(const uint8_t* p) { return p[0] | (p[1] << 8) | (p[2] << 16) | (uint32_t(p[3]) << 24); }
static uint16_t le16(const uint8_t* p) { return uint16_t(p[0] | (p[1] << 8)); }

static bool decodewav(const std::vector<uint8_t>& b, std::vector<int16_t>& pcm, int& rate, int& chans) {
  if (b.size() < 12 || std::memcmp(b.data(), "RIFF", 4) != 0 || std::memcmp(b.data() + 8, "WAVE", 4) != 0) return false;
  size_t pos = 12;
  int bits = 0, format = 0;
  bool havefmt = false;
  while (pos + 8 <= b.size()) {
    uint32_t size = le32(&b[pos + 4]);
    size_t body = pos + 8;
    if (size > b.size() - body) return false;  // a chunk that runs past the end: truncated
    if (std::memcmp(&b[pos], "fmt ", 4) == 0 && size >= 16) {
      format = le16(&b[body]);
      chans = le16(&b[body + 2]);
      rate = int(le32(&b[body + 4]));
      bits = le16(&b[body + 14]);
      havefmt = true;
    } else if (std::memcmp(&b[pos], "data", 4) == 0) {
      if (!havefmt || format != 1 || (bits != 8 && bits != 16) || chans < 1 || chans > 2 || rate <= 0) return false;
      if (bits == 16) {
        pcm.resize(size / 2);
        if (!pcm.empty()) std::memcpy(pcm.data(), &b[body], pcm.size() * 2);  // a one-byte chunk holds no sample
      } else {
        pcm.resize(size);
        for (uint32_t i = 0; i < size; i++) pcm[i] = int16_t((int(b[body + i]) - 128) * 256);  // below the middle is negative
      }
      return !pcm.empty();
    }
    pos = body + size + (size & 1);
  }
  return false;
}

Sound LoadSound(const std::string& path, int flags) {
  if (!audiook) return nullptr;
  bool ok = false;
  std::vector<uint8_t> bytes = ReadAllBytes(path, ok);
  if (!ok || bytes.size() < 12) return nullptr;
  std::vector<int16_t> pcm;
  int rate = 0, chans = 0;
  bool decoded = std::memcmp(bytes.data(), "OggS", 4) == 0 ? decodeogg(bytes, pcm, rate, chans)
                                                           : decodewav(bytes, pcm, rate, chans);
  if (!decoded) return nullptr;
  // Convert once at load to the mixer's own format.
  SDL_AudioCVT cvt;
  if (SDL_BuildAudioCVT(&cvt, AUDIO_S16SYS, Uint8(chans), rate, mixformat, Uint8(mixchannels), mixfreq) < 0) return nullptr;
  size_t inbytes = (pcm.size() / size_t(chans)) * size_t(chans) * 2;
  cvt.len = int(inbytes);
  Uint8* buf = static_cast<Uint8*>(SDL_malloc(inbytes * size_t(cvt.len_mult) + 16));
  if (!buf) return nullptr;
  std::memcpy(buf, pcm.data(), inbytes);
  cvt.buf = buf;
  if (cvt.needed && SDL_ConvertAudio(&cvt) != 0) {
    SDL_free(buf);
    return nullptr;
  }
  int outlen = cvt.needed ? cvt.len_cvt : cvt.len;
  Mix_Chunk* chunk = Mix_QuickLoad_RAW(buf, Uint32(outlen));
  if (!chunk) {
    SDL_free(buf);
    return nullptr;
  }
  chunk->allocated = 1;  // Mix_FreeChunk frees the samples too
  Sound s = std::make_shared<SoundData>();
  s->chunk = chunk;
  s->loop = (flags & 1) != 0;
  int bytesperframe = (SDL_AUDIO_BITSIZE(mixformat) / 8) * mixchannels;
  s->frames = bytesperframe ? outlen / bytesperframe : 0;
  return s;
}

Sound LoadMusic(const std::string& path, int flags) {
  if (!audiook) return nullptr;
  std::string real = ResolvePath(path);
  SDL_RWops* rw = SDL_RWFromFile(real.c_str(), "rb");
  if (!rw) return nullptr;
  // Only Ogg Vorbis and RIFF WAV are music here; anything else would be guessed at.
  uint8_t head[12] = {};
  size_t got = SDL_RWread(rw, head, 1, sizeof head);
  SDL_RWseek(rw, 0, RW_SEEK_SET);
  Mix_MusicType type = MUS_NONE;
  if (got >= 4 && std::memcmp(head, "OggS", 4) == 0) type = MUS_OGG;
  if (got >= 12 && std::memcmp(head, "RIFF", 4) == 0 && std::memcmp(head + 8, "WAVE", 4) == 0) type = MUS_WAV;
  if (type == MUS_NONE) {
    SDL_RWclose(rw);
    return nullptr;
  }
  Mix_Music* m = Mix_LoadMUSType_RW(rw, type, 1);  // closes rw, also on failure
  if (!m) return nullptr;
  double seconds = Mix_MusicDuration(m);
  if (!(seconds > 0)) {
    Mix_FreeMusic(m);
    return nullptr;
  }
  Sound s = std::make_shared<SoundData>();
  s->music = m;
  s->loop = (flags & 1) != 0;
  s->frames = int(seconds * mixfreq + 0.5);
  return s;
}

int SoundSamples(const Sound& sound) { return sound ? sound->frames : 0; }
bool SoundStreamed(const Sound& sound) { return sound && sound->music; }

static int slotof(Channel c) { return c % slotspan - 1; }
static bool valid(Channel c) {
  if (!audiook || c < 1) return false;
  int i = slotof(c);
  return i >= 0 && i < channelcount && channels[i].generation == c / slotspan;
}
static Channel handleof(int i) { return i + 1 + channels[i].generation * slotspan; }

// True while the music stream belongs to slot i (cued, playing or paused).
static bool holdsstream(int i) { return i == streamslot && (streamcued || Mix_PlayingMusic()); }

static void haltstream() {
  if (streamslot < 0) return;
  Mix_HaltMusic();
  channels[streamslot].playing.reset();
  streamslot = -1;
  streamcued = false;
}

Channel AllocChannel() {
  for (int i = 0; i < channelcount; i++)
    if (!channels[i].reserved && !Mix_Playing(i) && !holdsstream(i)) {
      channels[i].reserved = true;
      nextgeneration(i);
      return handleof(i);
    }
  return 0;
}

static int mixvolume(float v) { return int(v * MIX_MAX_VOLUME + 0.5f); }

static void applymix(int i) {
  const ChannelInfo& c = channels[i];
  if (i == streamslot) {
    Mix_VolumeMusic(mixvolume(c.volume));  // the stream has no pan of its own
    return;
  }
  Mix_Volume(i, mixvolume(c.volume));
  // The mixer drops panning when a channel ends, so it is set again after every start.
  float l = c.pan <= 0 ? 1 : 1 - c.pan, r = c.pan >= 0 ? 1 : 1 + c.pan;
  Mix_SetPanning(i, Uint8(l * 254 + 0.5f), Uint8(r * 254 + 0.5f));
}

static int freechannel() {
  for (int i = 0; i < channelcount; i++)
    if (!channels[i].reserved && !Mix_Playing(i) && !holdsstream(i)) return i;
  return -1;
}

static void startstream(int i) {
  streamcued = false;
  Mix_VolumeMusic(mixvolume(channels[i].volume));
  const SoundData& s = *channels[i].playing;
  if (Mix_PlayMusic(s.music, s.loop ? -1 : 1) != 0) {
    channels[i].playing.reset();
    streamslot = -1;
  }
}

static Channel start(const Sound& sound, Channel channel, bool paused) {
  if (!audiook || !sound || (!sound->chunk && !sound->music)) return channel;
  int i;
  if (valid(channel)) {
    i = slotof(channel);
  } else {
    i = freechannel();
    if (i < 0) return 0;
    nextgeneration(i);  // a new sound on a free slot: the slot's old handle dies here
    channels[i].volume = 1;
    channels[i].pan = 0;
  }
  Mix_HaltChannel(i);
  if (i == streamslot || sound->music) haltstream();
  channels[i].playing = sound;
  if (sound->music) {
    streamslot = i;
    if (paused)
      streamcued = true;  // nothing is decoded or heard until ResumeChannel
    else
      startstream(i);
    if (streamslot != i) return 0;
    applymix(i);
    return handleof(i);
  }
  if (paused) Mix_Volume(i, 0);  // a cue must not leak samples before it is paused
  if (Mix_PlayChannel(i, sound->chunk, sound->loop ? -1 : 0) < 0) return 0;
  if (paused) Mix_Pause(i);
  applymix(i);
  return handleof(i);
}

Channel PlaySound(const Sound& sound, Channel channel) { return start(sound, channel, false); }
Channel CueSound(const Sound& sound, Channel channel) { return start(sound, channel, true); }

void StopChannel(Channel c) {
  if (!valid(c)) return;
  int i = slotof(c);
  if (i == streamslot) haltstream();
  Mix_HaltChannel(i);
  channels[i].playing.reset();
}

void PauseChannel(Channel c) {
  if (!valid(c)) return;
  int i = slotof(c);
  if (i != streamslot)
    Mix_Pause(i);
  else if (!streamcued)
    Mix_PauseMusic();
}

void ResumeChannel(Channel c) {
  if (!valid(c)) return;
  int i = slotof(c);
  if (i != streamslot)
    Mix_Resume(i);
  else if (streamcued)
    startstream(i);
  else if (Mix_PlayingMusic())
    Mix_ResumeMusic();
}

void SetChannelVolume(Channel c, float v) {
  if (!valid(c)) return;
  int i = slotof(c);
  channels[i].volume = v < 0 ? 0 : v > 1 ? 1 : v;
  if (i == streamslot)
    Mix_VolumeMusic(mixvolume(channels[i].volume));
  else
    Mix_Volume(i, mixvolume(channels[i].volume));
}

void SetChannelPan(Channel c, float p) {
  if (!valid(c)) return;
  channels[slotof(c)].pan = p < -1 ? -1 : p > 1 ? 1 : p;
  applymix(slotof(c));
}

int ChannelPlaying(Channel c) {
  if (!valid(c)) return 0;
  int i = slotof(c);
  if (i == streamslot) return !streamcued && Mix_PlayingMusic() && !Mix_PausedMusic() ? 1 : 0;
  return Mix_Playing(i) && !Mix_Paused(i) ? 1 : 0;
}
int ChannelPaused(Channel c) {
  if (!valid(c)) return 0;
  int i = slotof(c);
  if (i == streamslot) return streamcued || (Mix_PlayingMusic() && Mix_PausedMusic()) ? 1 : 0;
  return Mix_Playing(i) && Mix_Paused(i) ? 1 : 0;
}
float ChannelVolume(Channel c) { return valid(c) ? channels[slotof(c)].volume : 0; }
float ChannelPan(Channel c) { return valid(c) ? channels[slotof(c)].pan : 0; }

float MixPeak() { return mixpeak.exchange(0); }

Channel testslotchannel(int slot) {
  if (!audiook || slot < 1 || slot > channelcount) return 0;
  return handleof(slot - 1);
}
