#include "text/fonts.h"
#include "shell/gfx.h"
#include "shell/state.h"
#include "text/glyphtable.h"

// The fonts that exist, in the order their pictures are loaded.
struct fontrow {
  int font;          // font number callers pass
  const char* path;  // picture: 10 x 26 cells
  int cellw, cellh;  // cell size; also picks the width table (20, 26 or 28)
  int trim;          // advance = slot width - trim
};
static const fontrow fontrows[] = {
    {1, "data\\/texts/fbuttonsmall.png", 26, 26, 2},  // small buttons
    {2, "data\\/texts/ftext.png", 26, 26, 2},         // general text
    {3, "data\\/texts/fbuttonbig.png", 28, 28, 1},    // big buttons
    {4, "data\\/texts/fhead.png", 28, 28, 1},         // headlines
    {7, "data\\/texts/ftext2.png", 20, 19, 2},        // small text, most body text
    {8, "data\\/texts/ftext4.png", 20, 19, 2},        // small text, second style
};

// The number pictures the effects fly up: numimg[i] shows "+" numbervalues[i].
static const int numbervalues[] = {0, 1, 2, 3, 5, 10, 20, 25, 30, 50};

static bool fontok(int font) { return font >= 0 && font <= fontmax; }

// The advance of one byte of text in a font; 0 for a font number outside the tables.
static int advance(unsigned char c, int font) { return fontok(font) ? fontadv[font][c] : 0; }

// Fills the working tables from the shared glyph table with the widths of one table.
static void fonttable(int cellw) {
  glyphcount = glyphtablesize;
  glyphchar[0] = -1;
  glyphwidth[0] = 0;
  for (int s = 1; s <= glyphtablesize; s++) {
    glyphchar[s] = glyphtable[s].code == 0 ? -1 : glyphtable[s].code;
    glyphwidth[s] = glyphtablewidth(s, cellw);
  }
}

void fonttable20() { fonttable(20); }
void fonttable26() { fonttable(26); }
void fonttable28() { fonttable(28); }

void buildfont(int font, int cellw, int cellh) {
  if (!fontok(font)) return;
  int trim = 2;
  for (const fontrow& f : fontrows)
    if (f.font == font) trim = f.trim;
  // Ascending, so a character in two slots is drawn from the later one ("$" from 187, not 101).
  for (int s = 1; s <= glyphcount; s++) {
    int code = glyphchar[s] < 0 ? 0 : glyphchar[s];  // empty slots all land on code 0, unused
    if (code >= fontcodelimit) continue;  // the typographic quotes and the euro past the table
    fontframe[font][code] = s;
    fontadv[font][code] = glyphwidth[s] - trim;
  }
}

void loadfonts() {
  lastfunc = "loadfonts()";
  fonttable26();
  buildfont(1, 26, 26);
  buildfont(2, 26, 26);
  fonttable28();
  buildfont(3, 28, 28);
  buildfont(4, 28, 28);
  fonttable20();
  buildfont(7, 20, 19);
  buildfont(8, 20, 19);
  clearglyphs();
  // Glyphs are placed by their cell's top-left corner, not its centre.
  AutoMidHandle(false);
  for (const fontrow& f : fontrows) fontimg[f.font] = loadanim(f.path, f.cellw, f.cellh, glyphtablesize);
  AutoMidHandle(true);
  for (int i = 1; i <= 9; i++) numimg[i] = loadimg("data\\/texts/n" + std::to_string(numbervalues[i]) + ".png");
}

int charwidth(const std::string& character, int font) {
  return advance(character.empty() ? ' ' : static_cast<unsigned char>(character[0]), font);
}

int textwidth(const std::string& text, int font) {
  if (!fontok(font)) return 0;
  const std::array<int, fontcodelimit + 1>& adv = fontadv[font];
  int w = 0;
  for (char c : text) w += adv[static_cast<unsigned char>(c)];
  return w;
}

void clearglyph(int slot) {
  if (slot < 1 || slot > glyphlistsize) return;
  glyphcode[slot] = -1;
  glyphfont[slot] = 0;
}

void clearglyphs() {
  for (int i = 1; i <= glyphlistsize; i++) clearglyph(i);
  glyphcursor = 0;
}

int queueglyph(float x, float y, unsigned char character, int font) {
  if (!fontok(font)) return 0;
  if (glyphcursor < 0) glyphcursor = 0;
  if (glyphcursor < glyphlistsize) {
    do glyphcursor++;
    while (glyphcursor < glyphlistsize && glyphcode[glyphcursor] != -1);
  }
  int code = character;  // one byte: always inside the lookup tables
  if (glyphcode[glyphcursor] != -1) return fontadv[font][code];  // list full: the line is cut here
  glyphcode[glyphcursor] = code;
  glyphfont[glyphcursor] = font;
  glyphframe[glyphcursor] = fontframe[font][code];
  glyphx[glyphcursor] = x;
  glyphy[glyphcursor] = y - glyphrise;
  return fontadv[font][code];
}

void flushglyphs() {
  if (glyphcode[1] != -1 && fontok(glyphfont[1]) && fontimg[glyphfont[1]]) {
    for (int i = 1; i <= glyphlistsize; i++) {
      if (glyphcode[i] == -1) continue;
      // Slots 258..260 are empty or the blank: nothing to draw. Glyphs far off the left edge
      // are skipped (scrolling credits run text out that way).
      int frame = glyphframe[i];
      if (frame < 1 || frame > 257 || glyphx[i] <= glyphleftcut) continue;
      DrawImage(fontimg[glyphfont[i]], glyphx[i], glyphy[i], frame - 1);
    }
  }
  clearglyphs();
}

int drawtext(const std::string& text, float x, float y, int align, int font) {
  glyphcursor = 0;
  int w = textwidth(text, font);
  float x0;
  if (align == ALIGN_LEFT)
    x0 = x;
  else if (align == ALIGN_RIGHT)
    x0 = x - w;
  else if (align == ALIGN_CENTRE)
    x0 = x - w / 2;  // integer halving: an odd width leans left
  else {
    flushglyphs();
    return 0;
  }
  int sum = 0;
  for (char c : text) sum += queueglyph(x0 + sum, y, static_cast<unsigned char>(c), font);
  flushglyphs();
  return 0;
}

int wraptext(const std::string& text, int maxwidth, int font) {
  int n = 0;
  const int length = int(text.size());
  int p = 0;  // characters consumed
  while (p < length && n < textboxlines) {
    n++;
    const int start = p;
    int w = 0, k = 0;
    do {
      p++;
      k++;
      w += advance(static_cast<unsigned char>(text[size_t(p - 1)]), font);
    } while (p < length && w <= maxwidth);
    if (w > maxwidth) {
      // Give back characters up to the last blank; the blank stays at the line's end.
      int q = p, kk = k;
      while (kk > 0 && text[size_t(q - 1)] != ' ') {
        q--;
        kk--;
      }
      if (kk > 0) {
        p = q;
        k = kk;
      } else if (k > 1) {
        // A word wider than the box: cut it before the character that overflowed.
        p--;
        k--;
      }
    }
    boxline[n].assign(text, size_t(start), size_t(k));
  }
  return n;  // a text needing more than ten lines loses the rest
}

int drawtextbox(const std::string& text, float x, float y, int maxwidth, int lineheight, int align, int font) {
  int n = wraptext(text, maxwidth, font);
  // One or two lines sit a line lower, four a little higher, so short texts look centred.
  if (n == 1 || n == 2) y += lineheight;
  if (n == 4) y -= 6;
  for (int k = 1; k <= n; k++) drawtext(boxline[k], x, y + float(lineheight * (k - 1)), align, font);
  return 0;
}

void resetfonts() {
  for (auto& row : fontframe) row.fill(0);
  for (auto& row : fontadv) row.fill(0);
  for (Image& im : fontimg) im.reset();
  for (Image& im : numimg) im.reset();
  glyphchar.fill(0);
  glyphwidth.fill(0);
  glyphcount = glyphtablesize;
  for (std::string& line : boxline) line.clear();
  clearglyphs();
  glyphx.fill(0);
  glyphy.fill(0);
  glyphframe.fill(0);
}
