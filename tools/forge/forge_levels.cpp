// The level files: reads the layouts in content/levels/stage*.txt (format in the README
// there) and writes data/levelz/001.lvl .. 103.lvl. A layout that breaks a rule is reported
// and its file is not written, so the game never meets a half-made table.
#include "solitaire/levelformat.h"
#include "tools/forge/forge.h"
#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

namespace {

constexpr int levelsinthegame = 103;
// Where a card's top-left corner may lie in the 1024-wide layout: below the top bar, above
// the stock and the stable (a card at y 416 ends at 558, the stock starts at 580), inside
// the screen. The item and plant bars sit lower than the stock row.
constexpr int cardwide = 96;   // a card's size on the table
constexpr int cardhigh = 142;
constexpr int tableleft = 16;
constexpr int tableright = 1024 - 16 - cardwide;
constexpr int tabletop = 96;
constexpr int tablebottom = 416;

struct levelsource {
  std::string where;  // file and line of the "level" line, for messages
  std::vector<levelcard> cards;
  bool broken = false;
};

// One card token in the game's layout spelling; in a design every mark keeps the card face
// down (a cover hides it until its animal is taken).
bool parsetoken(const std::string& tok, levelcard& k) {
  if (!parselevelcard(tok, k)) return false;
  if (k.cover != 0) k.autoturn = 0;
  // Only rank cards can hide under a cover; a special card under a bird could never be reached.
  if (k.cover != 0 && !(k.value == CARD_RANDOM || (k.value >= 1 && k.value <= 13))) return false;
  return true;
}

// The rules every layout keeps; the first broken one is returned, empty when all hold.
std::string checklayout(const std::vector<levelcard>& cards) {
  if (cards.empty()) return "no cards";
  if (cards.size() > size_t(levelrecordcount)) return std::to_string(cards.size()) + " cards, at most 51 fit";
  std::array<int, 14> fixed{};
  int columnsused = 0;
  for (const levelcard& c : cards) {
    columnsused = std::max(columnsused, c.column);
    if (c.x % levelgrid || c.y % levelgrid) return "a card off the 16-pixel grid";
    if (c.x < tableleft || c.x > tableright || c.y < tabletop || c.y > tablebottom)
      return "a card outside the table at (" + std::to_string(c.x) + ", " + std::to_string(c.y) + ")";
    if (c.value >= 1 && c.value <= 13 && ++fixed[c.value] > 4) return "more than four fixed cards of one rank";
  }
  if (columnsused > tablecolumns) return "more than 20 columns";
  for (const levelcard& a : cards)
    for (const levelcard& b : cards)
      if (a.column < b.column && std::abs(a.x - b.x) < cardwide && std::abs(a.y - b.y) < cardhigh)
        return "columns " + std::to_string(a.column) + " and " + std::to_string(b.column) + " overlap";
  // Covers: each needs its animal, and the animal must be reachable while its cover still
  // stands, so it never lies under a covered card of its own column.
  for (int animal = 1; animal <= 2; animal++) {
    bool covered = false, present = false;
    for (const levelcard& c : cards) {
      covered |= c.cover == animal;
      present |= c.value == CARD_ANIMAL && c.param == animal;
    }
    if (covered && !present) return animal == 1 ? "birds without a pig" : "fruit without a ninja";
  }
  for (const levelcard& a : cards) {
    if (a.value != CARD_ANIMAL) continue;
    for (const levelcard& c : cards)
      if (c.column == a.column && c.cover != 0 && c.depth > a.depth) return "an animal under a covered card";
  }
  // Two covers of one kind in a column: the lower one is still hidden when the animal runs.
  for (const levelcard& a : cards)
    for (const levelcard& b : cards)
      if (&a != &b && a.column == b.column && a.cover != 0 && a.cover == b.cover && a.depth < b.depth) {
        int animals = 0;
        for (const levelcard& c : cards) animals += c.value == CARD_ANIMAL && c.param == a.cover;
        if (animals < 2) return "two covers of one kind in a column with one animal";
      }
  return "";
}

// Reads one stage file into the levels it defines.
void readstagefile(const std::filesystem::path& file, std::map<int, levelsource>& levels) {
  std::ifstream in(file);
  std::string line;
  int lineno = 0;
  levelsource* current = nullptr;
  int columnno = 0;
  const std::string name = file.filename().string();
  while (std::getline(in, line)) {
    lineno++;
    std::string where = name + " line " + std::to_string(lineno);
    line = line.substr(0, line.find('#'));
    std::istringstream words(line);
    std::string head;
    if (!(words >> head)) continue;
    if (head == "level") {
      int n = 0;
      if (!(words >> n) || n < 1 || n > levelsinthegame) {
        forgeerror("levels: " + where + ": level number 1..103 expected");
        current = nullptr;
        continue;
      }
      if (levels.count(n)) forgeerror("levels: " + where + ": level " + std::to_string(n) + " defined twice");
      current = &levels[n];
      *current = levelsource{};
      current->where = where;
      columnno = 0;
      continue;
    }
    if (head != "col") {
      forgeerror("levels: " + where + ": \"level\" or \"col\" expected");
      if (current) current->broken = true;
      continue;
    }
    if (!current) {
      forgeerror("levels: " + where + ": a column before any level");
      continue;
    }
    // col X Y [DX DY] : tokens, bottom card first
    size_t colon = line.find(':');
    std::vector<int> nums;
    std::istringstream place(line.substr(0, colon == std::string::npos ? line.size() : colon));
    place >> head;
    int v;
    while (place >> v) nums.push_back(v);
    if (colon == std::string::npos || !(nums.size() == 2 || nums.size() == 4) || !place.eof()) {
      forgeerror("levels: " + where + ": \"col X Y [DX DY] : cards\" expected");
      current->broken = true;
      continue;
    }
    int dx = nums.size() == 4 ? nums[2] : 0, dy = nums.size() == 4 ? nums[3] : 32;
    columnno++;
    std::istringstream toks(line.substr(colon + 1));
    std::string tok;
    int depth = 0;
    while (toks >> tok) {
      levelcard k;
      if (!parsetoken(tok, k)) {
        forgeerror("levels: " + where + ": unknown card \"" + tok + "\"");
        current->broken = true;
        continue;
      }
      k.column = columnno;
      k.depth = ++depth;
      k.x = nums[0] + dx * (depth - 1);
      k.y = nums[1] + dy * (depth - 1);
      current->cards.push_back(k);
    }
    if (depth == 0) {
      forgeerror("levels: " + where + ": an empty column");
      current->broken = true;
    }
  }
}

}  // namespace

void forgelevels() {
  std::string folder = forgecontent + "/levels";
  std::vector<std::filesystem::path> files;
  std::error_code ec;
  for (const auto& e : std::filesystem::directory_iterator(folder, ec))
    if (e.path().extension() == ".txt" && e.path().filename().string().rfind("stage", 0) == 0) files.push_back(e.path());
  std::sort(files.begin(), files.end());
  std::map<int, levelsource> levels;
  for (const auto& f : files) readstagefile(f, levels);
  forgemkdirs("levelz");
  for (int n = 1; n <= levelsinthegame; n++) {
    auto it = levels.find(n);
    if (it == levels.end()) {
      forgeerror("levels: level " + std::to_string(n) + " has no layout");
      continue;
    }
    if (it->second.broken) continue;  // already reported
    std::string why = checklayout(it->second.cards);
    if (!why.empty()) {
      forgeerror("levels: level " + std::to_string(n) + " (" + it->second.where + "): " + why);
      continue;
    }
    char name[32];
    std::snprintf(name, sizeof name, "levelz/%03d.lvl", n);
    forgewritebytes(name, encodelevel(it->second.cards));
  }
}
