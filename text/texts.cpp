#include "text/texts.h"
#include "runtime/stream.h"
#include "shell/gfx.h"
#include "shell/state.h"
#include <vector>

// The marker that opens section k: "---" + three digits with leading zeros + "---".
static std::string sectionmarker(int k) {
  std::string digits = std::to_string(k);
  while (digits.size() < 3) digits = "0" + digits;
  return "---" + digits + "---";
}

// The shown part of a file line: from column 14 on, without blanks, tabs and control
// characters at either end (anything of code 32 or less).
static std::string linetext(const std::string& line) {
  if (line.size() <= size_t(textlabelwidth)) return "";
  size_t a = textlabelwidth, b = line.size();
  while (a < b && static_cast<unsigned char>(line[a]) <= 32) a++;
  while (b > a && static_cast<unsigned char>(line[b - 1]) <= 32) b--;
  return line.substr(a, b - a);
}

// Reads the first linecount lines of one text file and writes them over table[1..linecount];
// markers for sections 1..sectioncount set their index entry. The whole file is read before
// anything is written, so the tables stay whole between frames even while F7 reloads them.
static void readtextfile(const std::string& path, int linecount, int sectioncount, std::string* table, int* index) {
  Stream s = ReadFile(path);
  if (!s) {
    // The old texts stay: a file being saved by an editor while F7 is held must not blank the game.
    Print("texts missing: " + path);
    logmsg("t", path);
    return;
  }
  std::vector<std::string> lines(size_t(linecount) + 1);
  for (int i = 1; i <= linecount; i++) lines[i] = ReadLine(s);  // "" once the file is exhausted
  s.reset();
  std::vector<std::string> markers(size_t(sectioncount) + 1);
  for (int k = 1; k <= sectioncount; k++) markers[k] = sectionmarker(k);
  for (int i = 1; i <= linecount; i++) {
    const std::string& line = lines[i];
    if (line.size() >= 9 && line[0] == '-')
      for (int k = 1; k <= sectioncount; k++)
        if (line.compare(0, 9, markers[k]) == 0) {
          index[k] = i;
          break;
        }
    table[i] = linetext(line);  // the marker line is an entry too, though nothing shows it
  }
}

// The file a loader reads: the chosen language's copy when it is there, else the English one.
static std::string textfile(const std::string& name) {
  if (!textlanguage.empty()) {
    std::string translated = "data\\texts\\" + textlanguage + "\\" + name;
    if (FileType(translated) == 1) return translated;
    Print("texts: no " + translated + ", reading the English " + name);
  }
  return "data\\texts/" + name;
}

void loadmenutexts() {
  lastfunc = "loadmenutexts()";
  readtextfile(textfile("menutexts.txt"), menutextcount, menusections, menutexts.data(), menuidx.data());
}

void loadstorytexts() {
  lastfunc = "loadstorytexts()";
  readtextfile(textfile("storytexts.txt"), storytextcount, storysections, storytexts.data(), storyidx.data());
}

void loadgametexts() {
  lastfunc = "loadgametexts()";
  readtextfile(textfile("gametexts.txt"), gametextcount, gamesections, gametexts.data(), gameidx.data());
}

void loadtexts() {
  loadmenutexts();
  loadstorytexts();
  loadgametexts();
}

static const std::string notext;  // what an address outside a table reads

// A section without a marker has index 0, so its entries read the file's first lines.
static const std::string& tableentry(const std::string* table, int count, const int* index, int section, int entry) {
  if (section < 1 || section > textindexcount || entry < 1) return notext;
  int i = index[section] + entry;
  if (i < 1 || i > count) return notext;
  return table[i];
}

const std::string& menutext(int section, int entry) {
  return tableentry(menutexts.data(), menutextcount, menuidx.data(), section, entry);
}

const std::string& storytext(int section, int entry) {
  return tableentry(storytexts.data(), storytextcount, storyidx.data(), section, entry);
}

const std::string& gametext(int section, int entry) {
  return tableentry(gametexts.data(), gametextcount, gameidx.data(), section, entry);
}

void resettexts() {
  for (std::string& t : menutexts) t.clear();
  for (std::string& t : storytexts) t.clear();
  for (std::string& t : gametexts) t.clear();
  menuidx.fill(0);
  storyidx.fill(0);
  gameidx.fill(0);
  textlanguage.clear();
}
