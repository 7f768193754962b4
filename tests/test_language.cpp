// The German texts: the language chosen from the locale variables, the loader reading the
// translation and falling back to English, the German tables mirroring the English ones line
// for line, every cited German text fitting its room, and the umlauts drawing in every font.
//
// Ideas for tests:
// - F7 held with German chosen reloads the German files, not the English
// - a translation file cut short in the middle of a section
// - every screen walked through in German once all screens exist, checking nothing overflows
#include "tests/harness.h"
#include "tests/textkit.h"
#include "shell/gfx.h"
#include "text/fonts.h"
#include "text/language.h"
#include "text/texts.h"
#include <gtest/gtest.h>
#include <filesystem>
#include <set>
#include <sstream>
#include <vector>

namespace fs = std::filesystem;

namespace {

// Each test runs in its own folder with an empty data/texts and data/texts/de.
class Language : public ::testing::Test {
 protected:
  fs::path home;
  void SetUp() override {
    home = fs::current_path();
    std::string dir = tempfolder();
    fs::create_directories(dir + "data/texts/de");
    fs::current_path(dir);
    resettexts();
    resetfonts();
  }
  void TearDown() override {
    fs::current_path(home);
    resettexts();
  }
};

// The variables as a test names them; nullptr is "not set".
struct localecase {
  const char *language, *lcall, *lcmessages, *lang;
  const char* want;
};

TEST_F(Language, LocaleVariablesChooseTheLanguageAsTheCLibraryDoes) {
  const localecase cases[] = {
      {nullptr, nullptr, nullptr, "de_DE.UTF-8", "de"},
      {nullptr, nullptr, nullptr, "de", "de"},
      {nullptr, nullptr, nullptr, "de_AT", "de"},
      {nullptr, nullptr, nullptr, "de_CH.UTF-8@euro", "de"},
      {nullptr, nullptr, nullptr, "en_GB.UTF-8", ""},
      {nullptr, nullptr, nullptr, "fr_FR.UTF-8", ""},
      {nullptr, nullptr, nullptr, "deu", ""},
      {nullptr, nullptr, nullptr, "C", ""},
      {nullptr, nullptr, nullptr, nullptr, ""},
      // LC_ALL before LC_MESSAGES before LANG; an empty one does not count.
      {nullptr, "en_US.UTF-8", nullptr, "de_DE.UTF-8", ""},
      {nullptr, "de_DE.UTF-8", nullptr, "en_US.UTF-8", "de"},
      {nullptr, nullptr, "de_AT.UTF-8", "en_US.UTF-8", "de"},
      {nullptr, "en_US.UTF-8", "de_DE.UTF-8", nullptr, ""},
      {nullptr, "", "", "de_DE.UTF-8", "de"},
      // LANGUAGE comes first, as a list whose first language with texts wins ...
      {"de", nullptr, nullptr, "en_US.UTF-8", "de"},
      {"en", nullptr, nullptr, "de_DE.UTF-8", ""},
      {"fr:de_AT:en", nullptr, nullptr, "en_US.UTF-8", "de"},
      {"fr:en:de", nullptr, nullptr, "en_US.UTF-8", ""},
      {"fr", nullptr, nullptr, "de_DE.UTF-8", ""},
      {"", nullptr, nullptr, "de_DE.UTF-8", "de"},
      // ... unless the locale is C: then the game stays untranslated.
      {"de", nullptr, nullptr, nullptr, ""},
      {"de", "C", nullptr, "de_DE.UTF-8", ""},
      {"de", nullptr, nullptr, "POSIX", ""},
      {"de", nullptr, nullptr, "C.UTF-8", "de"},
  };
  for (const localecase& c : cases) {
    auto show = [](const char* v) { return v ? "\"" + std::string(v) + "\"" : std::string("unset"); };
    EXPECT_EQ(languagefromlocale(c.language, c.lcall, c.lcmessages, c.lang), c.want)
        << "LANGUAGE=" << show(c.language) << " LC_ALL=" << show(c.lcall) << " LC_MESSAGES=" << show(c.lcmessages)
        << " LANG=" << show(c.lang);
  }
}

TEST_F(Language, ChoiceComesFromTheEnvironment) {
  const char* names[] = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};
  std::vector<std::pair<std::string, std::string>> saved;
  for (const char* n : names)
    if (const char* v = std::getenv(n)) saved.push_back({n, v});
  for (const char* n : names) unsetenv(n);
  setenv("LANG", "en_US.UTF-8", 1);
  setenv("LC_MESSAGES", "de_AT.UTF-8", 1);
  chooselanguage();
  EXPECT_EQ(textlanguage, "de");
  setenv("LANGUAGE", "en", 1);
  chooselanguage();
  EXPECT_EQ(textlanguage, "");
  for (const char* n : names) unsetenv(n);
  for (auto& [n, v] : saved) setenv(n.c_str(), v.c_str(), 1);
}

// One line of a table file: the 13-column label, then the text.
std::string row(const std::string& text) { return "label        " + text + "\r\n"; }

TEST_F(Language, LoaderReadsTheTranslationAndFallsBackToEnglish) {
  writebytes("data/texts/menutexts.txt", "---001---\r\n" + row("Leaving Already?") + row("Stay"));
  writebytes("data/texts/gametexts.txt", "---001---\r\n" + row("Next level"));
  writebytes("data/texts/storytexts.txt", "---001---\r\n" + row("Chapter 1"));
  writebytes("data/texts/de/menutexts.txt", "---001---\r\n" + row("Schon gehen?") + row("Bleiben"));
  // The German story texts are spelt in capitals on disk: paths resolve without regard to case.
  writebytes("data/texts/de/STORYTEXTS.TXT", "note\r\n---001---\r\n" + row("Kapitel 1"));
  textlanguage = "de";
  loadtexts();
  EXPECT_EQ(menutext(1, 2), "Bleiben");
  EXPECT_EQ(storytext(1, 1), "Kapitel 1");
  EXPECT_EQ(storyidx[1], 2);
  EXPECT_EQ(gametext(1, 1), "Next level");  // no German game texts: the English ones
  // A file that is neither there in German nor in English keeps what was loaded.
  fs::remove("data/texts/gametexts.txt");
  loadgametexts();
  EXPECT_EQ(gametext(1, 1), "Next level");
  // English again reads the English files.
  textlanguage.clear();
  loadmenutexts();
  EXPECT_EQ(menutext(1, 1), "Leaving Already?");
  // The tests' reset goes back to English.
  textlanguage = "de";
  resettexts();
  EXPECT_EQ(textlanguage, "");
}

// The shipped German tables, line by line against the English ones.
class LanguageContent : public Language {
 protected:
  std::string texts;
  void SetUp() override {
    Language::SetUp();
    texts = contenttexts(home.string());
    ASSERT_EQ(FileType(texts + "cited.txt"), 1) << texts;
  }
};

std::vector<std::string> filelines(const std::string& bytes) {
  std::vector<std::string> lines;
  std::string line;
  for (char c : bytes) {
    if (c == '\n') {
      lines.push_back(line);
      line.clear();
    } else if (c != '\r') {
      line += c;
    }
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

TEST_F(LanguageContent, GermanTablesKeepTheEnglishLinesLabelsAndSections) {
  for (const char* name : {"menutexts.txt", "storytexts.txt", "gametexts.txt"}) {
    std::string english = readbytes(texts + name), german = readbytes(texts + "de/" + name);
    ASSERT_FALSE(german.empty()) << "de/" << name;
    std::vector<std::string> en = filelines(english), de = filelines(german);
    EXPECT_EQ(de.size(), en.size()) << name;
    for (size_t i = 0; i < std::min(en.size(), de.size()); i++) {
      // The label columns are identical, so markers and entry numbers line up; a line with a
      // text in English has one in German and the other way round.
      EXPECT_EQ(de[i].substr(0, 13), en[i].substr(0, 13)) << name << " line " << i + 1;
      EXPECT_EQ(de[i].size() > 13, en[i].size() > 13) << name << " line " << i + 1 << ": " << de[i];
    }
    // ISO 8859-1, one byte a letter: an umlaut saved as UTF-8 would show as two strange letters.
    for (size_t i = 0; i + 1 < german.size(); i++) {
      unsigned char a = german[i], b = german[i + 1];
      EXPECT_FALSE(a == 0xC3 && b >= 0x80 && b <= 0xBF) << name << " holds UTF-8 at byte " << i;
    }
    EXPECT_EQ(german.find("\xEF\xBB\xBF"), std::string::npos) << name << " starts with a byte-order mark";
  }
}

TEST_F(LanguageContent, EveryCitedGermanTextExistsAndFits) {
  for (const char* name : {"menutexts.txt", "storytexts.txt", "gametexts.txt"}) {
    fs::copy_file(texts + name, std::string("data/texts/") + name);
    fs::copy_file(texts + "de/" + name, std::string("data/texts/de/") + name);
  }
  textlanguage = "de";
  loadtexts();
  loadfonts();
  ASSERT_EQ(menutext(1, 4), "Bleiben") << "the German tables are not the ones loaded";
  EXPECT_GT(checkcitedtexts(texts + "cited.txt"), 400);
}

TEST_F(LanguageContent, EveryCitedTextIsTranslated) {
  // Words that are the same in both languages.
  const std::set<std::string> same = {"OK", "Morgavelle", "Extras", "Joker", "Name", "Level", "System", "STRIKE"};
  std::vector<std::pair<std::string, std::string>> english;  // table and text of every cited line, English
  std::istringstream cited(readbytes(texts + "cited.txt"));
  std::vector<std::string> uses;
  std::string line;
  while (std::getline(cited, line))
    if (!line.empty() && line[0] != '#') uses.push_back(line);
  for (const char* name : {"menutexts.txt", "storytexts.txt", "gametexts.txt"}) {
    fs::copy_file(texts + name, std::string("data/texts/") + name);
    fs::copy_file(texts + "de/" + name, std::string("data/texts/de/") + name);
  }
  loadtexts();
  for (const std::string& use : uses) {
    std::istringstream in(use);
    std::string table;
    int section = 0, n = 0;
    in >> table >> section >> n;
    english.push_back({use, citedtext(table, section, n)});
  }
  textlanguage = "de";
  loadtexts();
  int translated = 0;
  for (const auto& [use, text] : english) {
    std::istringstream in(use);
    std::string table;
    int section = 0, n = 0;
    in >> table >> section >> n;
    const std::string& german = citedtext(table, section, n);
    if (german != text) translated++;
    else EXPECT_TRUE(same.count(german)) << "not translated: " << use << ": \"" << german << "\"";
  }
  EXPECT_GT(translated, 400);
}

// The forged font pictures: each umlaut and the sharp s has its own ink in every font,
// different from the plain letter it is made from.
TEST(LanguageFonts, UmlautsAndSharpSDrawInEveryFont) {
  if (FileType("data/texts/ftext2.png") != 1) GTEST_SKIP() << "no data folder";
  resetfonts();
  headlessgraphics(1024, 768);
  loadfonts();
  struct pair {
    unsigned char letter, base;
  };
  const pair letters[] = {{0xC4, 'A'}, {0xD6, 'O'}, {0xDC, 'U'}, {0xE4, 'a'}, {0xF6, 'o'}, {0xFC, 'u'}, {0xDF, 'B'}};
  for (int f : {1, 2, 3, 4, 7, 8}) {
    ASSERT_TRUE(fontimg[f]) << "font " << f;
    const ImageData& img = *fontimg[f];
    // Pixels of a glyph cell with enough coverage to be seen.
    auto ink = [&](int slot, int x, int y) {
      int px = img.framex[slot - 1] + x, py = img.framey[slot - 1] + y;
      return img.pixels[(size_t(py) * img.picw + px) * 4 + 3] > 64;
    };
    for (const pair& p : letters) {
      int slot = fontframe[f][p.letter], base = fontframe[f][p.base];
      ASSERT_GT(slot, 0) << "font " << f << " has no slot for byte " << int(p.letter);
      int inked = 0, different = 0;
      for (int y = 0; y < img.height; y++)
        for (int x = 0; x < img.width; x++) {
          inked += ink(slot, x, y);
          different += ink(slot, x, y) != ink(base, x, y);
        }
      EXPECT_GT(inked, 15) << "font " << f << ": byte " << int(p.letter) << " draws nothing";
      // The small fonts' dots are a pixel or two each.
      EXPECT_GE(different, 3) << "font " << f << ": byte " << int(p.letter) << " looks like " << p.base;
    }
  }
}

}  // namespace
