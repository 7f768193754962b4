// Test kit for the shipped text tables: where content/texts lies, and the check that every
// text content/texts/cited.txt lists exists in the tables loaded now, has a glyph for each of
// its characters in its font, and fits the room its screen gives it.
#pragma once
#include "tests/harness.h"
#include "runtime/stream.h"
#include "text/fonts.h"
#include "text/texts.h"
#include <gtest/gtest.h>
#include <cstdlib>
#include <sstream>
#include <string>

// content/texts/ of the source tree, from MORGAVELLE_SOURCE or beside the build folder.
inline std::string contenttexts(const std::string& buildfolder) {
  const char* source = std::getenv("MORGAVELLE_SOURCE");
  std::string texts = source ? std::string(source) + "/content/texts/" : buildfolder + "/../content/texts/";
  if (FileType(texts + "cited.txt") != 1) texts = buildfolder + "/../content/texts/";
  return texts;
}

inline const std::string& citedtext(const std::string& table, int section, int n) {
  return table == "menutexts" ? menutext(section, n) : table == "gametexts" ? gametext(section, n) : storytext(section, n);
}

// Checks every cited text against the loaded tables and fonts; returns how many it checked.
// A line of cited.txt: table section entry font maxwidth where ("wrapN ..." for a box of N lines).
inline int checkcitedtexts(const std::string& citedfile) {
  std::istringstream cited(readbytes(citedfile));
  std::string line;
  int checked = 0;
  while (std::getline(cited, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream in(line);
    std::string table, where;
    int section = 0, n = 0, font = 0, maxwidth = 0;
    in >> table >> section >> n >> font >> maxwidth;
    if (in.fail() || (table != "menutexts" && table != "gametexts" && table != "storytexts")) {
      ADD_FAILURE() << "unreadable: " << line;
      continue;
    }
    std::getline(in >> std::ws, where);
    const std::string& text = citedtext(table, section, n);
    checked++;
    EXPECT_FALSE(text.empty()) << line;
    if (font == 0 || maxwidth == 0) continue;
    // A character without a glyph is skipped without a gap: the word would silently lose it.
    for (unsigned char c : text) {
      if (c == ' ') continue;
      EXPECT_NE(fontframe[font][c], 0) << "no glyph for byte " << int(c) << " in font " << font << ": " << line;
    }
    if (where.compare(0, 4, "wrap") == 0) {
      int most = std::atoi(where.c_str() + 4);
      std::istringstream words(text);
      std::string word;
      while (words >> word) EXPECT_LE(textwidth(word, font), maxwidth) << "word \"" << word << "\" in " << line;
      int lines = wraptext(text, maxwidth, font);
      EXPECT_LE(lines, most) << line << ": \"" << text << "\"";
    } else {
      EXPECT_LE(textwidth(text, font), maxwidth) << line << ": \"" << text << "\"";
    }
  }
  return checked;
}
