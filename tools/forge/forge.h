// The content tool: writes the whole data folder from code and from content/.
// Every family is deterministic (fixed seeds, no clocks), so two runs give identical files.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

typedef struct _cairo_surface cairo_surface_t;

// Where the forge reads hand-written content and writes the data folder; set once by main.
inline std::string forgecontent;  // the repository's content/ folder
inline std::string forgedata;     // <build>/data

// Shared helpers (forge_common.cpp).
void forgemkdirs(const std::string& relpath);  // makes every folder of a data-relative path
std::string forgepath(const std::string& relpath);  // absolute path of a data-relative file, folders made
bool forgesavepng(cairo_surface_t* surface, const std::string& relpath);  // ARGB32 surface -> PNG, straight alpha
// JPEG (quality 90) for big opaque backgrounds; the game masks pure black in JPEGs, so keep it out of them.
bool forgesavejpg(cairo_surface_t* surface, const std::string& relpath);
bool forgesavergba(const std::vector<uint8_t>& rgba, int w, int h, const std::string& relpath);
bool forgewritebytes(const std::string& relpath, const std::vector<uint8_t>& bytes);
bool forgecopyfile(const std::string& from, const std::string& relpath);
void forgeerror(const std::string& what);  // reports a failure; main exits non-zero at the end
inline int forgefailures = 0;

// The families, each in its own file.
void forgetexts();     // text tables and the splash configuration copied from content/
void forgefonts();     // the six font pictures and the number pictures
void forgepictures();  // every other picture of the game
void forgeaudio();     // sound effects, story sounds and music
void forgelevels();    // the 103 level files from content/levels

// The picture manifest: every picture the forge draws, with its size and role.
// Each picture family lists its own entries; forgepictures() checks every entry was
// written at its size and writes the whole list to data/manifest.txt for the tests.
struct pictureentry {
  std::string path;  // data-relative, as the game names it ("solitaire/a1.png")
  int w, h;          // size of the whole picture in pixels (a strip: all frames)
  std::string role;  // a few words: where the game shows it
};
std::vector<pictureentry> manifest_ui();
std::vector<pictureentry> manifest_cards();
std::vector<pictureentry> manifest_effects();
