#include "tools/forge/forge.h"
#include "tools/forge/forge_story.h"
#include <cstdio>
#include <fstream>

// Each picture family lives in its own files.
void forgepictures_cards();    // cards, card parts, the table's pictures, game bars, signs and popups
void forgepictures_ui();       // cursor, logo, menus, buttons, popups, backgrounds, map, shop, splash, icon
void forgepictures_effects();  // particles and bursts
void forgepictures_icons();    // the launcher icon at every size of the icon theme
std::vector<pictureentry> manifest_icons();

// Reads the width and height from a PNG's header; 0, 0 when it is not there.
static void pngsize(const std::string& path, int& w, int& h) {
  w = h = 0;
  std::ifstream in(path, std::ios::binary);
  unsigned char b[24];
  if (!in.read(reinterpret_cast<char*>(b), 24)) return;
  w = (b[16] << 24) | (b[17] << 16) | (b[18] << 8) | b[19];
  h = (b[20] << 24) | (b[21] << 16) | (b[22] << 8) | b[23];
}

void forgepictures() {
  forgepictures_ui();
  forgepictures_cards();
  forgepictures_effects();
  forgepictures_icons();
  forgestory();

  std::vector<pictureentry> all;
  for (auto& e : manifest_ui()) all.push_back(e);
  for (auto& e : manifest_cards()) all.push_back(e);
  for (auto& e : manifest_effects()) all.push_back(e);
  for (auto& e : manifest_story()) all.push_back(e);
  for (auto& e : manifest_icons()) all.push_back(e);
  std::string list;
  for (auto& e : all) {
    int w, h;
    pngsize(forgedata + "/" + e.path, w, h);
    if (e.path.size() > 4 && e.path.substr(e.path.size() - 4) == ".png" && (w != e.w || h != e.h))
      forgeerror("picture " + e.path + " is " + std::to_string(w) + "x" + std::to_string(h) + ", manifest says " +
                 std::to_string(e.w) + "x" + std::to_string(e.h));
    list += e.path + "\t" + std::to_string(e.w) + "\t" + std::to_string(e.h) + "\t" + e.role + "\n";
  }
  forgewritebytes("manifest.txt", std::vector<uint8_t>(list.begin(), list.end()));
}
