// The three text tables: every word the game shows comes from data\texts, addressed only by
// section and entry. A file line is "13-character label" + text; a line starting with
// "---NNN---" opens section NNN, and the lines after it are that section's entries 1, 2, 3 ...
#pragma once
#include <array>
#include <string>

inline constexpr int menutextcount = 400;   // lines read from menutexts.txt
inline constexpr int storytextcount = 300;  // lines read from storytexts.txt
inline constexpr int gametextcount = 100;   // lines read from gametexts.txt
inline constexpr int textindexcount = 100;  // room in each section index
inline constexpr int menusections = 28;     // markers "---001---" to "---028---" count in menutexts
inline constexpr int storysections = 11;    // "---001---" to "---011---" in storytexts
inline constexpr int gamesections = 6;      // "---001---" to "---006---" in gametexts
inline constexpr int textlabelwidth = 13;   // label columns never shown; the text starts in column 14

// Kept until quit; overwritten in place by every load (start-up and the F7 reload), never cleared.
// Entry i is the text of file line i; slot 0 is unused.
inline std::array<std::string, menutextcount + 1> menutexts;    // menus, popups, help, map, shop
inline std::array<std::string, storytextcount + 1> storytexts;  // the story chapters
inline std::array<std::string, gametextcount + 1> gametexts;    // messages during play
// Section k's marker line number, 0 while no marker for k was seen; slot 0 unused.
inline std::array<int, textindexcount + 1> menuidx;
inline std::array<int, textindexcount + 1> storyidx;
inline std::array<int, textindexcount + 1> gameidx;

// Chosen once at start-up from the locale (text/language.h), kept until quit.
inline std::string textlanguage;  // "" English; "de" German: the loaders read data\texts\de\ first

// Loaders: read the file's first lines and overwrite the table and index in place.
// A translation that is missing falls back to the English file; a file that cannot be opened
// at all leaves everything as it was.
void loadmenutexts();
void loadstorytexts();
void loadgametexts();
void loadtexts();  // all three, in the order menutexts, storytexts, gametexts

// Entry n of section k (menutexts 21.5 is menutext(21, 5)); "" when that lies outside the table.
const std::string& menutext(int section, int entry);
const std::string& storytext(int section, int entry);
const std::string& gametext(int section, int entry);

void resettexts();  // empty tables and indexes, English again (tests)
