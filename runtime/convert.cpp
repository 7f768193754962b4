#include "runtime/convert.h"
#include <cmath>
#include <cstdio>

int toint(const std::string& s) {
  size_t i = 0;
  while (i < s.size() && (s[i] == ' ' || s[i] == '\t' || s[i] == '\r' || s[i] == '\n')) i++;
  bool neg = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) neg = s[i++] == '-';
  int base = 10;
  if (i < s.size() && s[i] == '%') {
    base = 2;
    i++;
  } else if (i < s.size() && s[i] == '$') {
    base = 16;
    i++;
  }
  // Wraps like a 32-bit integer instead of overflowing.
  uint32_t v = 0;
  for (; i < s.size(); i++) {
    int c = (unsigned char)s[i], d;
    if (c >= '0' && c <= '9') d = c - '0';
    else if (c >= 'a' && c <= 'f') d = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F') d = c - 'A' + 10;
    else break;
    if (d >= base) break;
    v = v * uint32_t(base) + uint32_t(d);
  }
  return int(neg ? 0u - v : v);
}

float tofloat(const std::string& s) {
  float f = 0;
  std::sscanf(s.c_str(), "%f", &f);
  return f;
}

std::string str(int n) { return std::to_string(n); }

std::string strf(float f) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.6f", double(f));
  return buf;
}

std::string trim(const std::string& s) {
  size_t a = 0, b = s.size();
  while (a < b && (unsigned char)s[a] <= 32) a++;
  while (b > a && (unsigned char)s[b - 1] <= 32) b--;
  return s.substr(a, b - a);
}

std::string mid(const std::string& s, int start, int count) {
  if (start < 1) {
    if (count >= 0) count += start - 1;
    start = 1;
  }
  if (size_t(start) > s.size() || count == 0) return "";
  if (count < 0) return s.substr(size_t(start - 1));
  return s.substr(size_t(start - 1), size_t(count));
}

std::string left(const std::string& s, int n) { return n <= 0 ? "" : s.substr(0, size_t(n)); }
std::string right(const std::string& s, int n) {
  if (n <= 0) return "";
  return size_t(n) >= s.size() ? s : s.substr(s.size() - size_t(n));
}
std::string chr(int code) { return std::string(1, char(code & 255)); }
int asc(const std::string& s) { return s.empty() ? -1 : (unsigned char)s[0]; }
int len(const std::string& s) { return int(s.size()); }

std::string upper(const std::string& s) {
  std::string o = s;
  for (char& c : o) {
    unsigned char u = (unsigned char)c;
    if ((u >= 'a' && u <= 'z') || (u >= 0xE0 && u <= 0xFE && u != 0xF7)) c = char(u - 32);
  }
  return o;
}

std::string lower(const std::string& s) {
  std::string o = s;
  for (char& c : o) {
    unsigned char u = (unsigned char)c;
    if ((u >= 'A' && u <= 'Z') || (u >= 0xC0 && u <= 0xDE && u != 0xD7)) c = char(u + 32);
  }
  return o;
}

std::string replace(const std::string& s, const std::string& from, const std::string& to) {
  if (from.empty()) return s;
  std::string o;
  size_t i = 0;
  for (;;) {
    size_t j = s.find(from, i);
    if (j == std::string::npos) break;
    o += s.substr(i, j - i) + to;
    i = j + from.size();
  }
  return o + s.substr(i);
}

int instr(const std::string& s, const std::string& find, int start) {
  if (start < 1) start = 1;
  if (size_t(start - 1) > s.size()) return 0;
  size_t j = s.find(find, size_t(start - 1));
  return j == std::string::npos ? 0 : int(j) + 1;
}

int ftoi(float f) { return int(std::trunc(f)); }
float sind(float d) { return float(std::sin(double(d) * M_PI / 180.0)); }
float cosd(float d) { return float(std::cos(double(d) * M_PI / 180.0)); }

std::string latin1toutf8(const std::string& s) {
  std::string o;
  for (unsigned char c : s) {
    if (c < 0x80) {
      o += char(c);
    } else {
      o += char(0xC0 | (c >> 6));
      o += char(0x80 | (c & 0x3F));
    }
  }
  return o;
}

std::string utf8tolatin1(const std::string& s) {
  std::string o;
  for (size_t i = 0; i < s.size();) {
    unsigned char c = (unsigned char)s[i];
    int cp, n;
    if (c < 0x80) { cp = c; n = 1; }
    else if ((c & 0xE0) == 0xC0) { cp = c & 0x1F; n = 2; }
    else if ((c & 0xF0) == 0xE0) { cp = c & 0x0F; n = 3; }
    else if ((c & 0xF8) == 0xF0) { cp = c & 0x07; n = 4; }
    else { i++; continue; }
    if (i + size_t(n) > s.size()) break;
    for (int k = 1; k < n; k++) cp = (cp << 6) | ((unsigned char)s[i + size_t(k)] & 0x3F);
    i += size_t(n);
    if (cp < 256) o += char(cp);
  }
  return o;
}
