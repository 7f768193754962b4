// Which language the texts are read in, chosen once at start-up from the locale variables the
// desktop sets. English is the game's own language; a translation is a second set of the three
// text tables under data\texts\<language>\.
#pragma once
#include <string>

// The translations there are: each a folder data\texts\<code>\ with all three tables.
inline constexpr const char* translatedlanguages[] = {"de"};

// The language of a locale setting, the way the C library reads the variables for messages:
// the locale is the first non-empty of LC_ALL, LC_MESSAGES and LANG ("C" when none is set);
// LANGUAGE, a list like "de:en", overrides it unless that locale is "C" or "POSIX". The first
// list entry the game has texts for wins. Returns "de" for German, "" for English.
std::string languagefromlocale(const char* language, const char* lcall, const char* lcmessages, const char* lang);
void chooselanguage();  // sets textlanguage from the process's environment
