#include "tools/fuzz/loaders.h"
#include "runtime/runtime.h"
#include "shell/intro.h"
#include "shell/profiles.h"
#include "shell/settings.h"
#include "shell/state.h"
#include "solitaire/levels.h"
#include "solitaire/state.h"
#include "text/texts.h"
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <jpeglib.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string scratch;  // the process's own folder: user/ and data/ below it

void writeinput(const std::string& path, const uint8_t* data, size_t size) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data), std::streamsize(size));
}

std::vector<uint8_t> filebytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// A broken promise of the loaders: report it and end the process so the fuzzer keeps the input.
void fault(const std::string& what) {
  std::fprintf(stderr, "loader fault: %s\n", what.c_str());
  std::abort();
}

// The user folder and the data folder point into the scratch folder while a loader runs;
// whatever the caller had is put back afterwards (the regression test runs inside the tests).
struct scratchfolders {
  std::string olduser, olddata;
  scratchfolders() : olduser(userpath), olddata(DataFolder()) {
    userpath = scratch + "user/";
    SetDataFolder(scratch + "data");
  }
  ~scratchfolders() {
    userpath = olduser;
    SetDataFolder(olddata);
  }
};

void emptyfolder(const std::string& folder) {
  std::error_code ec;
  fs::remove_all(folder, ec);
  fs::create_directories(folder, ec);
}

// A profile is read, saved and read again: what the first reading kept must survive the save.
void fuzzprofile(const uint8_t* data, size_t size) {
  emptyfolder(userpath);
  writeinput(profilefile(1), data, size);
  loadplayers(0);
  if (FileType(profilefile(1)) != 1) return;  // set aside as damaged: nothing was taken from it
  if (playername[1].size() > 15) fault("a name longer than the entry allows");
  saveplayer(1);
  const std::vector<uint8_t> once = filebytes(profilefile(1));
  loadplayers(0);
  saveplayer(1);
  if (filebytes(profilefile(1)) != once) fault("a profile changed between two saves of what was read");
}

void fuzzsettings(const uint8_t* data, size_t size) {
  emptyfolder(userpath);
  writeinput(userpath + "settings.txt", data, size);
  loadsettings();
  if (player != -1 && (player < 1 || player > 15)) fault("a player slot outside 1..15");
  const int read[6] = {fullscreen, displaymode, musicvol, soundvol, player, cardhints};
  savesettings(0);
  loadsettings();
  const int again[6] = {fullscreen, displaymode, musicvol, soundvol, player, cardhints};
  if (!std::equal(read, read + 6, again)) fault("settings changed between a save and a reading");
}

void fuzztexts(const uint8_t* data, size_t size) {
  for (const char* name : {"menutexts.txt", "gametexts.txt", "storytexts.txt"})
    writeinput(scratch + "data/texts/" + name, data, size);
  loadtexts();
  // Every lookup the game can make, and some it should never make, stays inside the tables.
  for (int section = -1; section <= 102; section++)
    for (int entry = -1; entry <= 60; entry++) {
      const size_t longest = menutext(section, entry).size() + gametext(section, entry).size() + storytext(section, entry).size();
      if (longest > 3 * size) fault("an entry longer than the file");
    }
}

void fuzzsplash(const uint8_t* data, size_t size) {
  writeinput(scratch + "data/branding/splashconfig.txt", data, size);
  instintro(1);
  if (pagecount < 0 || pagecount > splashpages) fault("more splash pages than the table holds");
  for (int i = 1; i <= splashpages; i++)
    if (pagetime[i] < -2147483647 || pageskip[i] < 0 || pageskip[i] > 1) fault("a splash page value out of range");
  deleteintrostuff_dynamic();
}

void fuzzlevel(const uint8_t* data, size_t size) {
  writeinput(scratch + "data/levelz/001.lvl", data, size);
  player = 1;
  clearplayer(1);
  level = 1;
  savedgame[1] = 0;
  loadlevel();
  for (int k = 1; k <= cardcount; k++) {
    if (cardcolumn[1][k] < 0 || cardcolumn[1][k] > tablecolumns) fault("a card in a column that does not exist");
    if (carddepth[1][k] < 0 || carddepth[1][k] > cardcount) fault("a card deeper than the table");
  }
  player = -1;
}

void fuzzpicture(const char* name, const uint8_t* data, size_t size) {
  const std::string path = scratch + "data/ui/" + name;
  writeinput(path, data, size);
  for (int flags : {-1, 0}) {
    Image img = LoadImage(path, flags);
    if (!img) continue;
    if (ImageWidth(img) < 1 || ImageHeight(img) < 1) fault("a picture without pixels");
    DrawImage(img, 100, 100, 0);
    ImagesCollide(img, 0, 0, 0, img, 3, 2, 0);
  }
  Image strip = LoadAnimImage(path, 7, 5, 0, 3, -1);
  if (strip) {
    for (int frame = -1; frame <= 3; frame++) DrawImage(strip, 10, 10, frame);
    ImagesCollide(strip, 0, 0, 2, strip, 1, 1, 1);
  }
}

void fuzzsound(const char* name, const uint8_t* data, size_t size) {
  const std::string path = scratch + "data/sound/" + name;
  writeinput(path, data, size);
  Sound s = LoadSound(path, 0);
  if (s && SoundSamples(s) < 0) fault("a sound of negative length");
}

// Up to `most` files of a folder with the given ending, the smallest first, as seeds.
std::vector<std::vector<uint8_t>> smallest(const std::string& folder, const std::string& ending, size_t most,
                                           size_t limit) {
  std::vector<std::pair<uintmax_t, std::string>> found;
  std::error_code ec;
  for (fs::recursive_directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string p = it->path().string();
    if (it->is_regular_file() && p.size() > ending.size() && p.compare(p.size() - ending.size(), ending.size(), ending) == 0 &&
        it->file_size() <= limit)
      found.push_back({it->file_size(), p});
  }
  std::sort(found.begin(), found.end());
  std::vector<std::vector<uint8_t>> seeds;
  // Spread the picks over the sizes rather than taking only the tiniest.
  for (size_t i = 0; i < found.size() && seeds.size() < most; i += std::max<size_t>(1, found.size() / most))
    seeds.push_back(filebytes(found[i].second));
  return seeds;
}

// A short WAV cut from real samples: the decoders' paths for 8 and 16 bits, mono and stereo.
std::vector<uint8_t> smallwav(int bits, int chans, int rate, int frames) {
  auto put32 = [](std::vector<uint8_t>& b, uint32_t v) {
    for (int i = 0; i < 4; i++) b.push_back(uint8_t(v >> (8 * i)));
  };
  auto put16 = [](std::vector<uint8_t>& b, uint16_t v) {
    b.push_back(uint8_t(v));
    b.push_back(uint8_t(v >> 8));
  };
  const uint32_t datasize = uint32_t(frames * chans * bits / 8);
  std::vector<uint8_t> b = {'R', 'I', 'F', 'F'};
  put32(b, 36 + datasize);
  for (char c : std::string("WAVEfmt ")) b.push_back(uint8_t(c));
  put32(b, 16);
  put16(b, 1);
  put16(b, uint16_t(chans));
  put32(b, uint32_t(rate));
  put32(b, uint32_t(rate * chans * bits / 8));
  put16(b, uint16_t(chans * bits / 8));
  put16(b, uint16_t(bits));
  for (char c : std::string("data")) b.push_back(uint8_t(c));
  put32(b, datasize);
  for (uint32_t i = 0; i < datasize; i++) b.push_back(uint8_t((i * 37) ^ (i >> 3)));
  return b;
}

// Small pieces of a real JPEG picture, encoded baseline and progressive, in colour and grey:
// the game's JPEGs are whole backgrounds, far too large to fuzz quickly.
std::vector<std::vector<uint8_t>> jpegpieces(const std::string& path) {
  std::vector<std::vector<uint8_t>> pieces;
  Image whole = LoadImage(path, 0);
  if (!whole) return pieces;
  const int w = 48, h = 32;
  for (int kind = 0; kind < 4; kind++) {
    const int left = (whole->picw / 5) * (1 + kind), top = (whole->pich / 5) * (1 + kind % 3);
    if (left + w > whole->picw || top + h > whole->pich) continue;
    const bool grey = kind == 3, progressive = kind % 2 == 1;
    std::vector<uint8_t> rows(size_t(w) * h * 3);
    for (int y = 0; y < h; y++)
      for (int x = 0; x < w; x++)
        for (int c = 0; c < 3; c++) rows[(size_t(y) * w + x) * 3 + c] = whole->pixels[(size_t(top + y) * whole->picw + left + x) * 4 + c];
    jpeg_compress_struct c;
    jpeg_error_mgr err;
    c.err = jpeg_std_error(&err);
    jpeg_create_compress(&c);
    unsigned char* out = nullptr;
    unsigned long outsize = 0;
    jpeg_mem_dest(&c, &out, &outsize);
    c.image_width = w;
    c.image_height = h;
    c.input_components = 3;
    c.in_color_space = JCS_RGB;
    jpeg_set_defaults(&c);
    if (grey) jpeg_set_colorspace(&c, JCS_GRAYSCALE);
    if (progressive) jpeg_simple_progression(&c);
    jpeg_set_quality(&c, 80, TRUE);
    jpeg_start_compress(&c, TRUE);
    while (c.next_scanline < c.image_height) {
      JSAMPROW row = &rows[size_t(c.next_scanline) * w * 3];
      jpeg_write_scanlines(&c, &row, 1);
    }
    jpeg_finish_compress(&c);
    jpeg_destroy_compress(&c);
    pieces.emplace_back(out, out + outsize);
    std::free(out);
  }
  return pieces;
}

}  // namespace

void fuzzsetup() {
  if (!scratch.empty()) return;
  const char* tmp = std::getenv("TMPDIR");
  scratch = std::string(tmp && *tmp ? tmp : "/tmp") + "/morgavelle-fuzz-" + std::to_string(getpid()) + "/";
  for (const char* sub : {"user", "data/texts", "data/branding", "data/levelz", "data/ui", "data/sound"})
    fs::create_directories(scratch + sub);
  SetHeadless(true);
  if (drawstate.vres_width <= 0) Graphics(1024, 768, 0, 60, 0);
  if (!AudioOk()) InitAudio();
  std::atexit([] {
    std::error_code ec;
    fs::remove_all(scratch, ec);
  });
}

bool fuzzone(const std::string& name, const uint8_t* data, size_t size) {
  fuzzsetup();
  scratchfolders folders;
  if (name == "profile") fuzzprofile(data, size);
  else if (name == "settings") fuzzsettings(data, size);
  else if (name == "texts") fuzztexts(data, size);
  else if (name == "splash") fuzzsplash(data, size);
  else if (name == "level") fuzzlevel(data, size);
  else if (name == "png") fuzzpicture("picture.png", data, size);
  else if (name == "jpeg") fuzzpicture("picture.jpg", data, size);
  else if (name == "ogg") fuzzsound("sound.ogg", data, size);
  else if (name == "wav") fuzzsound("sound.wav", data, size);
  else return false;
  return true;
}

std::vector<std::vector<uint8_t>> fuzzseeds(const std::string& name, const std::string& datafolder) {
  fuzzsetup();
  const std::string data = datafolder + "/";
  if (name == "profile" || name == "settings") {
    scratchfolders folders;
    emptyfolder(userpath);
    std::vector<std::vector<uint8_t>> seeds;
    // An empty slot's file, a player part-way through with a stored round, and one near the end.
    for (int kind = 0; kind < 3; kind++) {
      clearplayer(1);
      if (kind > 0) {
        playername[1] = kind == 1 ? "Mira" : "J\xe4ger of the long road";
        cash[1] = kind * 4567;
        maplevel[1] = toplevel[1] = kind == 1 ? 14 : 103;
        for (int l = 1; l < toplevel[1]; l++) levelstars[1][l] = 1 + l % 3, levelbest[1][l] = 100 * l;
        for (int k = 1; k <= 3; k++) extraslots[1][k] = kind + k, plants[1][k] = k % 2;
        if (kind == 1) {
          savedgame[1] = 1;
          for (int k = 1; k <= cardcount; k++) cardvalue[1][k] = 1 + k % 13, cardcolumn[1][k] = 1 + k % 7, carddepth[1][k] = 1 + k % 5;
        }
      }
      saveplayer(1);
      musicvol = 70 * kind;
      displaymode = 1 + kind;
      player = kind == 0 ? -1 : 1;
      savesettings(0);
      seeds.push_back(filebytes(name == "profile" ? profilefile(1) : userpath + "settings.txt"));
    }
    defaultsettings();
    return seeds;
  }
  if (name == "texts") {
    std::vector<std::vector<uint8_t>> seeds = smallest(data + "texts", ".txt", 8, 1 << 20);
    return seeds;
  }
  if (name == "splash") return smallest(data + "branding", ".txt", 2, 1 << 16);
  if (name == "level") return smallest(data + "levelz", ".lvl", 12, 1 << 16);
  if (name == "png") return smallest(data, ".png", 16, 24 << 10);
  if (name == "jpeg") {
    std::vector<std::vector<uint8_t>> seeds;
    for (const std::vector<uint8_t>& real : smallest(data, ".jpg", 2, 1 << 20)) {
      writeinput(scratch + "data/ui/seed.jpg", real.data(), real.size());
      for (std::vector<uint8_t>& piece : jpegpieces(scratch + "data/ui/seed.jpg")) seeds.push_back(std::move(piece));
    }
    return seeds;
  }
  if (name == "ogg") return smallest(data + "sound", ".ogg", 6, 24 << 10);
  if (name == "wav") return {smallwav(16, 2, 44100, 300), smallwav(8, 1, 22050, 500), smallwav(16, 1, 11025, 200)};
  return {};
}

std::vector<uint8_t> fuzzmutate(const std::vector<uint8_t>& in, const std::vector<std::vector<uint8_t>>& pool,
                                std::mt19937& rng) {
  std::vector<uint8_t> b = in;
  auto pick = [&](size_t n) { return n == 0 ? size_t(0) : size_t(rng() % n); };
  const int changes = 1 + int(rng() % 4);
  for (int c = 0; c < changes; c++) {
    switch (rng() % 8) {
      case 0:  // flip a bit
        if (!b.empty()) b[pick(b.size())] ^= uint8_t(1u << (rng() % 8));
        break;
      case 1:  // a random byte
        if (!b.empty()) b[pick(b.size())] = uint8_t(rng());
        break;
      case 2: {  // a number decoders stumble over, little or big end first
        static const uint32_t odd[] = {0, 1, 0xffffffffu, 0x7fffffffu, 0x80000000u, 0xffffu, 0x10000u, 255, 256, 4096, 16385, 51, 52, 53, 101};
        uint32_t v = odd[rng() % (sizeof odd / sizeof odd[0])];
        if (b.size() >= 4) {
          size_t at = pick(b.size() - 3);
          bool big = rng() % 2;
          for (int i = 0; i < 4; i++) b[at + size_t(i)] = uint8_t(v >> (8 * (big ? 3 - i : i)));
        }
        break;
      }
      case 3:  // cut the end off
        if (!b.empty()) b.resize(pick(b.size()));
        break;
      case 4: {  // cut a piece out of the middle
        if (b.size() < 2) break;
        size_t at = pick(b.size()), len = 1 + pick(std::min<size_t>(64, b.size() - at));
        b.erase(b.begin() + long(at), b.begin() + long(std::min(b.size(), at + len)));
        break;
      }
      case 5: {  // repeat a piece
        if (b.empty() || b.size() > (1u << 20)) break;
        size_t at = pick(b.size()), len = 1 + pick(std::min<size_t>(64, b.size() - at));
        std::vector<uint8_t> piece(b.begin() + long(at), b.begin() + long(std::min(b.size(), at + len)));
        b.insert(b.begin() + long(pick(b.size() + 1)), piece.begin(), piece.end());
        break;
      }
      case 6: {  // splice with another seed
        if (pool.empty()) break;
        const std::vector<uint8_t>& other = pool[pick(pool.size())];
        size_t keep = pick(b.size() + 1), from = pick(other.size() + 1);
        b.resize(keep);
        b.insert(b.end(), other.begin() + long(from), other.end());
        break;
      }
      default: {  // text files: a line break, a marker dash, a digit or a high byte
        static const uint8_t chars[] = {'\n', '\r', '-', '0', '9', ' ', '=', 0, 0xe4, 0xff};
        if (!b.empty()) b.insert(b.begin() + long(pick(b.size() + 1)), chars[rng() % sizeof chars]);
        break;
      }
    }
  }
  return b;
}
