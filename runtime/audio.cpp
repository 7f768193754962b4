#include "runtime/audio.h"
#include "runtime/stream.h"
#include <SDL.h>
#include <SDL_mixer.h>
#include <vorbis/vorbisfile.h>
#include <atomic>
#include <cstring>
#include <vector>

// One runtime channel is one mixer channel (handle = mixer channel + 1).
// Mixer channels are claimed by AllocChannel (kept for the caller) or taken free by PlaySound.
struct SoundData {
  Mix_Chunk* chunk = nullptr;
  bool loop = false;
  int frames = 0;
  ~SoundData() {
    if (chunk) Mix_FreeChunk(chunk);
  }
};

static bool audiook = false;
static int mixfreq = 44100, mixchannels = 2;
static Uint16 mixformat = AUDIO_S16SYS;
constexpr int channelcount = 96;
struct ChannelInfo {
  bool reserved = false;  // handed out by AllocChannel
  float volume = 1, pan = 0;
  std::shared_ptr<SoundData> playing;  // keeps the sound alive while it plays
};
static ChannelInfo channels[channelcount];
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
  return true;
}

bool InitAudio() {
  if (audiook) return true;
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0 && openmixer()) {
    audiook = true;
    return true;
  }
  // No usable device: the dummy driver keeps everything working, silently.
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
  SDL_SetHint(SDL_HINT_AUDIODRIVER, "dummy");
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0 && openmixer()) {
    audiook = true;
    return true;
  }
  return false;
}

void EndAudio() {
  if (!audiook) return;
  Mix_HaltChannel(-1);
  for (auto& c : channels) c = ChannelInfo();
  Mix_CloseAudio();
  audiook = false;
}

bool AudioOk() { return audiook; }

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
        std::memcpy(pcm.data(), &b[body], pcm.size() * 2);
      } else {
        pcm.resize(size);
        for (uint32_t i = 0; i < size; i++) pcm[i] = int16_t((int(b[body + i]) - 128) << 8);
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

int SoundSamples(const Sound& sound) { return sound ? sound->frames : 0; }

static bool valid(Channel c) { return audiook && c >= 1 && c <= channelcount; }

Channel AllocChannel() {
  for (int i = 0; i < channelcount; i++)
    if (!channels[i].reserved && !Mix_Playing(i)) {
      channels[i].reserved = true;
      return i + 1;
    }
  return 0;
}

static void applymix(int i) {
  const ChannelInfo& c = channels[i];
  Mix_Volume(i, int(c.volume * MIX_MAX_VOLUME + 0.5f));
  // The mixer drops panning when a channel ends, so it is set again after every start.
  float l = c.pan <= 0 ? 1 : 1 - c.pan, r = c.pan >= 0 ? 1 : 1 + c.pan;
  Mix_SetPanning(i, Uint8(l * 254 + 0.5f), Uint8(r * 254 + 0.5f));
}

static int freechannel() {
  for (int i = 0; i < channelcount; i++)
    if (!channels[i].reserved && !Mix_Playing(i)) return i;
  return -1;
}

static Channel start(const Sound& sound, Channel channel, bool paused) {
  if (!audiook || !sound || !sound->chunk) return channel;
  int i = valid(channel) ? channel - 1 : freechannel();
  if (i < 0) return 0;
  Mix_HaltChannel(i);
  channels[i].playing = sound;
  if (!valid(channel)) {
    channels[i].volume = 1;
    channels[i].pan = 0;
  }
  if (paused) Mix_Volume(i, 0);  // a cue must not leak samples before it is paused
  if (Mix_PlayChannel(i, sound->chunk, sound->loop ? -1 : 0) < 0) return 0;
  if (paused) Mix_Pause(i);
  applymix(i);
  return i + 1;
}

Channel PlaySound(const Sound& sound, Channel channel) { return start(sound, channel, false); }
Channel CueSound(const Sound& sound, Channel channel) { return start(sound, channel, true); }

void StopChannel(Channel c) {
  if (!valid(c)) return;
  Mix_HaltChannel(c - 1);
  channels[c - 1].playing.reset();
}
void PauseChannel(Channel c) {
  if (valid(c)) Mix_Pause(c - 1);
}
void ResumeChannel(Channel c) {
  if (valid(c)) Mix_Resume(c - 1);
}

void SetChannelVolume(Channel c, float v) {
  if (!valid(c)) return;
  channels[c - 1].volume = v < 0 ? 0 : v > 1 ? 1 : v;
  Mix_Volume(c - 1, int(channels[c - 1].volume * MIX_MAX_VOLUME + 0.5f));
}

void SetChannelPan(Channel c, float p) {
  if (!valid(c)) return;
  channels[c - 1].pan = p < -1 ? -1 : p > 1 ? 1 : p;
  applymix(c - 1);
}

int ChannelPlaying(Channel c) {
  if (!valid(c)) return 0;
  return Mix_Playing(c - 1) && !Mix_Paused(c - 1) ? 1 : 0;
}
int ChannelPaused(Channel c) {
  if (!valid(c)) return 0;
  return Mix_Playing(c - 1) && Mix_Paused(c - 1) ? 1 : 0;
}
float ChannelVolume(Channel c) { return valid(c) ? channels[c - 1].volume : 0; }
float ChannelPan(Channel c) { return valid(c) ? channels[c - 1].pan : 0; }

float MixPeak() { return mixpeak.exchange(0); }
