#include "text/language.h"
#include "runtime/stream.h"
#include "text/texts.h"
#include <cstdlib>

// "de_AT.UTF-8@euro" -> "de": the language part of a locale name.
static std::string languagepart(const std::string& locale) {
  size_t end = locale.find_first_of("_.@");
  return locale.substr(0, end);
}

// Whether the game has texts in that language ("en" is its own English).
static bool known(const std::string& code) {
  if (code == "en") return true;
  for (const char* t : translatedlanguages)
    if (code == t) return true;
  return false;
}

static std::string translationcode(const std::string& code) { return code == "en" ? "" : code; }

std::string languagefromlocale(const char* language, const char* lcall, const char* lcmessages, const char* lang) {
  std::string locale = "C";
  for (const char* v : {lcall, lcmessages, lang})
    if (v && v[0]) {
      locale = v;
      break;
    }
  // The C locale means "untranslated": a leftover LANGUAGE does not count then.
  if (locale != "C" && locale != "POSIX" && language && language[0]) {
    std::string list = language;
    size_t i = 0;
    while (i <= list.size()) {
      size_t j = list.find(':', i);
      if (j == std::string::npos) j = list.size();
      std::string code = languagepart(list.substr(i, j - i));
      if (known(code)) return translationcode(code);
      i = j + 1;
    }
    return "";  // nothing on the list we have: the game's own English
  }
  std::string code = languagepart(locale);
  return known(code) ? translationcode(code) : "";
}

void chooselanguage() {
  textlanguage = languagefromlocale(std::getenv("LANGUAGE"), std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"),
                                    std::getenv("LANG"));
  Print("Language: " + (textlanguage.empty() ? std::string("en") : textlanguage));
}
