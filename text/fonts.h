// Bitmap fonts and text drawing. Each font is a picture of 10 x 26 cells, one glyph slot per
// cell, all fonts sharing the slot layout of text/glyphtable.h. Strings are ISO 8859-1 bytes:
// one character per byte, its code the byte value.
#pragma once
#include "runtime/draw.h"
#include <array>
#include <string>

inline constexpr int fontmax = 8;          // font numbers 1..8 (1, 2, 3, 4, 7 and 8 exist)
inline constexpr int fontcodelimit = 1500;  // character codes the lookup tables hold (0..1500)
inline constexpr int glyphlistsize = 200;   // glyph list slots 1..200; slot 0 unused
inline constexpr int glyphrise = 4;         // glyph cells sit this far above the y given to drawtext
inline constexpr int glyphleftcut = -40;    // glyphs at or left of this x are not drawn
inline constexpr int textboxlines = 10;     // most lines a text box holds
inline constexpr int numimgcount = 20;      // numimg slots 1..20 (1..9 in use); slot 0 unused

// Text alignment for drawtext and drawtextbox.
enum { ALIGN_LEFT = 1, ALIGN_RIGHT = 2, ALIGN_CENTRE = 3 };

// Kept until quit: built once by loadfonts. Indexed [font 0..8][character code 0..1500].
inline std::array<std::array<int, fontcodelimit + 1>, fontmax + 1> fontframe{};  // glyph slot 1..260, 0 = no glyph
inline std::array<std::array<int, fontcodelimit + 1>, fontmax + 1> fontadv{};    // pixels to the next glyph's left edge
inline std::array<Image, fontmax + 1> fontimg;        // font pictures, 260 frames, handle top-left; 1, 2, 3, 4, 7, 8 loaded
inline std::array<Image, numimgcount + 1> numimg;     // number pictures "+1" .. "+50" for the effects, mid-handled

// Working tables while building a font: the slot's character as a code (-1 = empty slot;
// the table reaches past one byte, so a code rather than a string) and its width in the
// width table of the font being built. Slot 0 unused.
inline int glyphcount = 260;                        // slots in the table
inline std::array<int, 260 + 1> glyphchar{};        // character code per slot
inline std::array<int, 260 + 1> glyphwidth{};       // width in pixels per slot

// The glyph list: empty between text calls, it gathers one drawtext's glyphs. Slot 0 unused.
constexpr std::array<int, glyphlistsize + 1> freeglyphlist() {
  std::array<int, glyphlistsize + 1> list{};
  for (int& code : list) code = -1;
  return list;
}
inline std::array<int, glyphlistsize + 1> glyphcode = freeglyphlist();  // character code, -1 = free
inline std::array<float, glyphlistsize + 1> glyphx{};     // top-left corner of the glyph cell
inline std::array<float, glyphlistsize + 1> glyphy{};
inline std::array<int, glyphlistsize + 1> glyphfont{};    // font number
inline std::array<int, glyphlistsize + 1> glyphframe{};   // glyph slot 1..260, 0 = the font lacks it
inline int glyphcursor = 0;                               // last list slot filled

// A text box's lines while it is being drawn; slot 0 unused.
inline std::array<std::string, textboxlines + 1> boxline;

// Building and loading.
void fonttable20();  // the glyph table with the widths for 20 x 19 cells
void fonttable26();  // ... for 26 x 26 cells
void fonttable28();  // ... for 28 x 28 cells
void buildfont(int font, int cellw, int cellh);
void loadfonts();  // builds every font, then loads the font and number pictures

// Drawing and measuring.
int drawtext(const std::string& text, float x, float y, int align, int font);
int drawtextbox(const std::string& text, float x, float y, int maxwidth, int lineheight, int align, int font);
int textwidth(const std::string& text, int font);
int charwidth(const std::string& character, int font);  // "" measures as a blank
// How drawtextbox breaks a text: the lines go into boxline[1..n]; returns n (0 for "").
int wraptext(const std::string& text, int maxwidth, int font);

// The glyph list.
int queueglyph(float x, float y, unsigned char character, int font);  // returns the advance
void flushglyphs();
void clearglyph(int slot);
void clearglyphs();

void resetfonts();  // empty lookup tables, no pictures, glyph list free (tests)
