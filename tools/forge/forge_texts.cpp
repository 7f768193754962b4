// Text tables and the splash configuration: hand-written files in content/, copied byte for byte.
// The tables are ISO 8859-1 with CR LF line ends; the game reads them as they are, so no conversion.
// Each translation is a folder of the same three tables named by its language ("de").
#include "text/language.h"
#include "tools/forge/forge.h"
#include <filesystem>

void forgetexts() {
  static const char* const tables[] = {"menutexts.txt", "gametexts.txt", "storytexts.txt"};
  for (const char* name : tables) forgecopyfile(forgecontent + "/texts/" + name, std::string("texts/") + name);
  for (const char* language : translatedlanguages)
    for (const char* name : tables)
      forgecopyfile(forgecontent + "/texts/" + language + "/" + name, std::string("texts/") + language + "/" + name);

  // The splash configuration lives with the branding content, which may not be there yet: skip it quietly.
  std::string splash = forgecontent + "/branding/splashconfig.txt";
  std::error_code ec;
  if (std::filesystem::exists(splash, ec)) forgecopyfile(splash, "branding/splashconfig.txt");
}
