#include "runtime/stream.h"
#include <csignal>
#include <dirent.h>
#include <fcntl.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cstdio>
#include <cstring>
#include <iostream>

// A stream reads a whole file into memory, or collects what is written and puts it on disk
// at CloseFile through a temporary file and a rename.
struct StreamData {
  std::vector<uint8_t> bytes;
  size_t pos = 0;
  bool writing = false;
  bool failed = false;
  std::string path;  // where a written stream goes
};

// "\" and "/" both separate; doubled separators and "./" parts are dropped.
static std::string normalise(const std::string& path) {
  std::string out;
  out.reserve(path.size());
  for (char c : path) {
    char d = c == '\\' ? '/' : c;
    if (d == '/' && !out.empty() && out.back() == '/') continue;
    out += d;
  }
  std::string clean;
  size_t i = 0;
  while (i < out.size()) {
    if (out.compare(i, 2, "./") == 0 && (i == 0 || out[i - 1] == '/')) {
      i += 2;
      continue;
    }
    clean += out[i++];
  }
  return clean;
}

static bool exists(const std::string& p) {
  struct stat st;
  return stat(p.c_str(), &st) == 0;
}

static std::string datafolder;  // set once at start-up, before anything is loaded; "" = "data" beside the working folder

void SetDataFolder(const std::string& folder) {
  datafolder = normalise(folder);
  while (datafolder.size() > 1 && datafolder.back() == '/') datafolder.pop_back();
}

const std::string& DataFolder() { return datafolder; }

// A path whose first part is "data" (in any letter case) moves into the data folder.
static std::string indatafolder(const std::string& p) {
  if (datafolder.empty() || p.size() < 4 || strncasecmp(p.c_str(), "data", 4) != 0) return p;
  if (p.size() == 4) return datafolder;
  if (p[4] != '/') return p;
  return datafolder + p.substr(4);
}

std::string ResolvePath(const std::string& path) {
  std::string p = indatafolder(normalise(path));
  if (p.empty() || exists(p)) return p;
  // Walk the parts, matching each one in its folder without regard to letter case.
  std::string done = p[0] == '/' ? "/" : "";
  size_t i = p[0] == '/' ? 1 : 0;
  while (i <= p.size()) {
    size_t j = p.find('/', i);
    if (j == std::string::npos) j = p.size();
    std::string part = p.substr(i, j - i);
    if (!part.empty()) {
      std::string tryexact = done + part;
      if (!exists(tryexact)) {
        DIR* d = opendir(done.empty() ? "." : done.c_str());
        if (d) {
          while (dirent* e = readdir(d))
            if (strcasecmp(e->d_name, part.c_str()) == 0) {
              part = e->d_name;
              break;
            }
          closedir(d);
        }
      }
      done += part;
      if (j < p.size()) done += "/";
    }
    i = j + 1;
  }
  return done;
}

std::vector<uint8_t> ReadAllBytes(const std::string& path, bool& ok) {
  ok = false;
  std::vector<uint8_t> bytes;
  std::string real = ResolvePath(path);
  if (real.empty()) return bytes;
  FILE* f = std::fopen(real.c_str(), "rb");
  if (!f) return bytes;
  struct stat st;
  if (fstat(fileno(f), &st) != 0 || !S_ISREG(st.st_mode)) {
    std::fclose(f);
    return bytes;
  }
  bytes.resize(size_t(st.st_size));
  size_t got = bytes.empty() ? 0 : std::fread(bytes.data(), 1, bytes.size(), f);
  std::fclose(f);
  bytes.resize(got);
  ok = true;
  return bytes;
}

Stream ReadFile(const std::string& path) {
  bool ok = false;
  Stream s = std::make_shared<StreamData>();
  s->bytes = ReadAllBytes(path, ok);
  if (!ok) return nullptr;
  return s;
}

Stream WriteFile(const std::string& path) {
  std::string real = ResolvePath(path);
  if (real.empty()) return nullptr;
  // Refuse early when the folder is missing or not writable, as opening the file would.
  size_t slash = real.rfind('/');
  std::string dir = slash == std::string::npos ? "." : real.substr(0, slash == 0 ? 1 : slash);
  if (access(dir.c_str(), W_OK) != 0) return nullptr;
  if (FileType(real) == 2) return nullptr;
  Stream s = std::make_shared<StreamData>();
  s->writing = true;
  s->path = real;
  return s;
}

bool WriteFileAtomic(const std::string& path, const std::vector<uint8_t>& bytes) {
  // A file-size limit (ulimit -f) must fail the write, not end the game with SIGXFSZ.
  signal(SIGXFSZ, SIG_IGN);
  std::string tmp = path + ".new";
  int fd = open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (fd < 0) return false;
  size_t done = 0;
  while (done < bytes.size()) {
    ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
    if (n <= 0) {
      close(fd);
      unlink(tmp.c_str());
      return false;
    }
    done += size_t(n);
  }
  // On disk before the rename, so a power cut leaves either the old or the new file whole.
  if (fsync(fd) != 0 || close(fd) != 0) {
    unlink(tmp.c_str());
    return false;
  }
  if (rename(tmp.c_str(), path.c_str()) != 0) {
    unlink(tmp.c_str());
    return false;
  }
  // The rename itself reaches the disk with its folder.
  size_t slash = path.rfind('/');
  int dir = open(slash == std::string::npos ? "." : path.substr(0, slash + 1).c_str(), O_RDONLY | O_DIRECTORY);
  if (dir >= 0) {
    fsync(dir);
    close(dir);
  }
  return true;
}

bool CloseFile(Stream& s) {
  if (!s) return false;
  bool ok = true;
  if (s->writing) ok = !s->failed && WriteFileAtomic(s->path, s->bytes);
  s.reset();
  return ok;
}

static bool canread(const Stream& s, size_t n) {
  if (!s || s->writing) return false;
  if (s->bytes.size() - s->pos < n) {
    s->failed = true;  // reading past the end: the caller sees zeros and can ask StreamFailed
    s->pos = s->bytes.size();
    return false;
  }
  return true;
}

int ReadInt(const Stream& s) {
  if (!canread(s, 4)) return 0;
  const uint8_t* p = &s->bytes[s->pos];
  s->pos += 4;
  return int(uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24));
}

int ReadByte(const Stream& s) {
  if (!canread(s, 1)) return 0;
  return s->bytes[s->pos++];
}

float ReadFloat(const Stream& s) {
  int n = ReadInt(s);
  float f;
  std::memcpy(&f, &n, 4);
  return f;
}

static void put(const Stream& s, const void* p, size_t n) {
  if (!s || !s->writing) return;
  const uint8_t* b = static_cast<const uint8_t*>(p);
  s->bytes.insert(s->bytes.end(), b, b + n);
}

void WriteInt(const Stream& s, int n) {
  uint32_t u = uint32_t(n);
  uint8_t b[4] = {uint8_t(u), uint8_t(u >> 8), uint8_t(u >> 16), uint8_t(u >> 24)};
  put(s, b, 4);
}

void WriteByte(const Stream& s, int n) {
  uint8_t b = uint8_t(n);
  put(s, &b, 1);
}

void WriteFloat(const Stream& s, float f) {
  int n;
  std::memcpy(&n, &f, 4);
  WriteInt(s, n);
}

std::string ReadLine(const Stream& s) {
  std::string line;
  if (!s || s->writing) return line;
  while (s->pos < s->bytes.size()) {
    uint8_t c = s->bytes[s->pos++];
    if (c == 10 || c == 0) break;
    if (c == 13) continue;
    line += char(c);
  }
  return line;
}

void WriteLine(const Stream& s, const std::string& text) {
  put(s, text.data(), text.size());
  put(s, "\r\n", 2);
}

std::string ReadString(const Stream& s, int n) {
  if (n <= 0 || !canread(s, size_t(n))) return "";
  std::string out(reinterpret_cast<const char*>(&s->bytes[s->pos]), size_t(n));
  s->pos += size_t(n);
  return out;
}

void WriteString(const Stream& s, const std::string& text) { put(s, text.data(), text.size()); }

int Eof(const Stream& s) { return !s || s->writing || s->pos >= s->bytes.size() ? 1 : 0; }
bool StreamFailed(const Stream& s) { return !s || s->failed; }
int StreamSize(const Stream& s) { return s ? int(s->bytes.size()) : 0; }
int StreamPos(const Stream& s) { return s ? int(s->writing ? s->bytes.size() : s->pos) : 0; }
void SeekStream(const Stream& s, int pos) {
  if (s && !s->writing && pos >= 0) s->pos = size_t(pos) > s->bytes.size() ? s->bytes.size() : size_t(pos);
}

int FileType(const std::string& path) {
  std::string real = ResolvePath(path);
  struct stat st;
  if (real.empty() || stat(real.c_str(), &st) != 0) return 0;
  if (S_ISDIR(st.st_mode)) return 2;
  return 1;
}

bool CreateDir(const std::string& path, int recurse) {
  std::string p = normalise(path);
  while (p.size() > 1 && p.back() == '/') p.pop_back();
  if (p.empty()) return false;
  if (FileType(p) == 2) return true;
  if (recurse) {
    size_t slash = p.rfind('/');
    if (slash != std::string::npos && slash > 0) CreateDir(p.substr(0, slash), 1);
  }
  std::string real = ResolvePath(p);
  return mkdir(real.c_str(), 0755) == 0 || FileType(real) == 2;
}

bool DeleteFile(const std::string& path) {
  std::string real = ResolvePath(path);
  return !real.empty() && unlink(real.c_str()) == 0;
}

bool RenameFile(const std::string& from, const std::string& to) {
  std::string real = ResolvePath(from), dest = ResolvePath(to);
  return !real.empty() && !dest.empty() && std::rename(real.c_str(), dest.c_str()) == 0;
}

// Trace lines go out at once, so the last ones before a crash are not lost in a buffer.
void Print(const std::string& text) { std::cout << text << std::endl; }

std::string AppDir() {
  char buf[4096];
  ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
  if (n <= 0) return "./";
  buf[n] = 0;
  std::string p(buf);
  size_t slash = p.rfind('/');
  return slash == std::string::npos ? "./" : p.substr(0, slash + 1);
}

bool ChangeDir(const std::string& path) { return chdir(ResolvePath(path).c_str()) == 0; }
