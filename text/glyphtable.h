// The glyph table shared by the game's font builder and the forge that draws the font pictures.
// Every font picture is a grid of 10 x 26 cells; slot s (1..260) sits at column (s - 1) mod 10,
// row (s - 1) div 10. Each slot holds one Unicode character and its width in each of the three
// width tables: small fonts (20 x 19 cells), text fonts (26 x 26) and big fonts (28 x 28).
// A font advances by width - 2 (cells of 20 or 26 pixels) or width - 1 (28-pixel cells).
// Empty slots have code 0 and no widths. The euro sign and the dollar sign appear twice;
// the font builder lets the later slot win. Plain data: no library headers needed.
#pragma once

struct glyphslot {
  int code;  // Unicode code point, 0 = empty slot
  int w20;   // width in the 20 x 19 table
  int w26;   // width in the 26 x 26 table
  int w28;   // width in the 28 x 28 table
};

inline constexpr int glyphtablesize = 260;  // slots 1..260; index 0 is unused
inline constexpr int glyphblank = 260;  // the space slot, never drawn

inline constexpr glyphslot glyphtable[glyphtablesize + 1] = {
    {0x0000, 0, 0, 0},  // unused
    {0x0041, 11, 14, 16},  //   1 latin capital letter a
    {0x0042, 11, 14, 16},  //   2 latin capital letter b
    {0x0043, 11, 13, 14},  //   3 latin capital letter c
    {0x0044, 13, 16, 17},  //   4 latin capital letter d
    {0x0045,  9, 13, 13},  //   5 latin capital letter e
    {0x0046, 11, 13, 15},  //   6 latin capital letter f
    {0x0047, 14, 17, 18},  //   7 latin capital letter g
    {0x0048, 11, 14, 15},  //   8 latin capital letter h
    {0x0049,  6,  6,  7},  //   9 latin capital letter i
    {0x004A, 10, 11, 13},  //  10 latin capital letter j
    {0x004B, 11, 13, 15},  //  11 latin capital letter k
    {0x004C,  9, 10, 11},  //  12 latin capital letter l
    {0x004D, 14, 16, 18},  //  13 latin capital letter m
    {0x004E, 11, 13, 14},  //  14 latin capital letter n
    {0x004F, 12, 14, 16},  //  15 latin capital letter o
    {0x0050, 12, 14, 17},  //  16 latin capital letter p
    {0x0051, 13, 15, 17},  //  17 latin capital letter q
    {0x0052, 12, 14, 15},  //  18 latin capital letter r
    {0x0053, 12, 15, 16},  //  19 latin capital letter s
    {0x0054, 11, 13, 14},  //  20 latin capital letter t
    {0x0055, 12, 14, 16},  //  21 latin capital letter u
    {0x0056, 11, 14, 16},  //  22 latin capital letter v
    {0x0057, 14, 16, 20},  //  23 latin capital letter w
    {0x0058, 10, 14, 16},  //  24 latin capital letter x
    {0x0059, 13, 13, 14},  //  25 latin capital letter y
    {0x005A, 11, 13, 14},  //  26 latin capital letter z
    {0x00C4, 11, 13, 16},  //  27 latin capital letter a with diaeresis
    {0x00D6, 12, 14, 16},  //  28 latin capital letter o with diaeresis
    {0x00DC, 12, 14, 15},  //  29 latin capital letter u with diaeresis
    {0x0061, 11, 13, 15},  //  30 latin small letter a
    {0x0062, 11, 13, 15},  //  31 latin small letter b
    {0x0063, 11, 13, 15},  //  32 latin small letter c
    {0x0064, 11, 14, 15},  //  33 latin small letter d
    {0x0065, 10, 12, 13},  //  34 latin small letter e
    {0x0066, 10, 12, 12},  //  35 latin small letter f
    {0x0067, 13, 15, 16},  //  36 latin small letter g
    {0x0068, 11, 13, 15},  //  37 latin small letter h
    {0x0069,  6,  7,  7},  //  38 latin small letter i
    {0x006A,  8,  9, 10},  //  39 latin small letter j
    {0x006B, 11, 12, 13},  //  40 latin small letter k
    {0x006C,  9, 10, 12},  //  41 latin small letter l
    {0x006D, 13, 17, 19},  //  42 latin small letter m
    {0x006E, 12, 13, 15},  //  43 latin small letter n
    {0x006F, 12, 14, 16},  //  44 latin small letter o
    {0x0070, 11, 13, 14},  //  45 latin small letter p
    {0x0071, 13, 15, 18},  //  46 latin small letter q
    {0x0072, 11, 13, 14},  //  47 latin small letter r
    {0x0073, 12, 14, 15},  //  48 latin small letter s
    {0x0074, 11, 13, 14},  //  49 latin small letter t
    {0x0075, 12, 14, 16},  //  50 latin small letter u
    {0x0076, 11, 15, 17},  //  51 latin small letter v
    {0x0077, 14, 18, 20},  //  52 latin small letter w
    {0x0078, 11, 13, 15},  //  53 latin small letter x
    {0x0079, 12, 14, 15},  //  54 latin small letter y
    {0x007A, 12, 14, 16},  //  55 latin small letter z
    {0x00E4, 11, 14, 15},  //  56 latin small letter a with diaeresis
    {0x00F6, 12, 14, 16},  //  57 latin small letter o with diaeresis
    {0x00FC, 12, 15, 16},  //  58 latin small letter u with diaeresis
    {0x0030, 11, 12, 13},  //  59 digit zero
    {0x0031,  7,  9,  9},  //  60 digit one
    {0x0032, 10, 11, 13},  //  61 digit two
    {0x0033, 10, 11, 13},  //  62 digit three
    {0x0034, 10, 11, 13},  //  63 digit four
    {0x0035,  9, 11, 12},  //  64 digit five
    {0x0036, 10, 12, 12},  //  65 digit six
    {0x0037,  9, 11, 12},  //  66 digit seven
    {0x0038, 10, 12, 12},  //  67 digit eight
    {0x0039, 10, 12, 12},  //  68 digit nine
    {0x00DF, 12, 14, 15},  //  69 latin small letter sharp s
    {0x0021,  8,  9,  9},  //  70 exclamation mark
    {0x0022,  6,  8, 10},  //  71 quotation mark
    {0x00A7,  9, 11, 13},  //  72 section sign
    {0x0025, 10, 12, 13},  //  73 percent sign
    {0x0026, 13, 16, 17},  //  74 ampersand
    {0x002F,  9, 11, 12},  //  75 solidus
    {0x0028,  6,  6,  6},  //  76 left parenthesis
    {0x0029,  6,  6,  6},  //  77 right parenthesis
    {0x003D,  8, 10, 11},  //  78 equals sign
    {0x003F, 12, 14, 15},  //  79 question mark
    {0x002C,  6,  7,  7},  //  80 comma
    {0x002E,  6,  7,  7},  //  81 full stop
    {0x002D, 10, 10, 12},  //  82 hyphen-minus
    {0x0023,  8, 12, 12},  //  83 number sign
    {0x002B, 10, 11, 11},  //  84 plus sign
    {0x003B,  9,  9,  9},  //  85 semicolon
    {0x003A,  7,  7,  9},  //  86 colon
    {0x005F, 11, 14, 15},  //  87 low line
    {0x0027,  6,  6,  6},  //  88 apostrophe
    {0x002A,  6,  7,  7},  //  89 asterisk
    {0x007E,  8,  9, 11},  //  90 tilde
    {0x003C,  8, 10, 11},  //  91 less-than sign
    {0x003E,  8,  9, 11},  //  92 greater-than sign
    {0x007C,  5,  5,  5},  //  93 vertical line
    {0x0000,  0,  0,  0},  //  94 empty
    {0x20AC, 11, 14, 15},  //  95 euro sign
    {0x007B,  7,  8,  9},  //  96 left curly bracket
    {0x005B, 10, 11, 12},  //  97 left square bracket
    {0x005D,  7,  8, 10},  //  98 right square bracket
    {0x007D,  7,  8,  9},  //  99 right curly bracket
    {0x005C,  9, 11, 12},  // 100 reverse solidus
    {0x0024, 10, 12, 15},  // 101 dollar sign
    {0x00AA,  8,  9, 10},  // 102 feminine ordinal indicator
    {0x00BA,  8,  9, 10},  // 103 masculine ordinal indicator
    {0x00B4,  8, 10, 10},  // 104 acute accent
    {0x00C1, 11, 14, 15},  // 105 latin capital letter a with acute
    {0x00E1, 11, 13, 15},  // 106 latin small letter a with acute
    {0x00C9, 10, 12, 13},  // 107 latin capital letter e with acute
    {0x00E9, 10, 12, 13},  // 108 latin small letter e with acute
    {0x00CD,  6,  6,  8},  // 109 latin capital letter i with acute
    {0x00ED,  6,  6,  8},  // 110 latin small letter i with acute
    {0x00D3, 12, 14, 17},  // 111 latin capital letter o with acute
    {0x00F3, 12, 15, 17},  // 112 latin small letter o with acute
    {0x00DA, 12, 14, 15},  // 113 latin capital letter u with acute
    {0x00FA, 12, 14, 15},  // 114 latin small letter u with acute
    {0x00DD, 10, 13, 14},  // 115 latin capital letter y with acute
    {0x00FD, 12, 14, 15},  // 116 latin small letter y with acute
    {0x0160, 12, 15, 16},  // 117 latin capital letter s with caron
    {0x0161, 12, 14, 14},  // 118 latin small letter s with caron
    {0x00B8,  7,  9,  9},  // 119 cedilla
    {0x00C7, 12, 13, 14},  // 120 latin capital letter c with cedilla
    {0x00E7, 11, 14, 16},  // 121 latin small letter c with cedilla
    {0x00A8,  9,  9, 12},  // 122 diaeresis
    {0x00CB, 10, 13, 13},  // 123 latin capital letter e with diaeresis
    {0x00EB, 10, 12, 13},  // 124 latin small letter e with diaeresis
    {0x00CF,  7,  8,  8},  // 125 latin capital letter i with diaeresis
    {0x00EF,  7,  8,  8},  // 126 latin small letter i with diaeresis
    {0x0178, 10, 13, 13},  // 127 latin capital letter y with diaeresis
    {0x00FF, 12, 13, 16},  // 128 latin small letter y with diaeresis
    {0x00C0, 11, 14, 15},  // 129 latin capital letter a with grave
    {0x00E0, 11, 13, 14},  // 130 latin small letter a with grave
    {0x00C8, 10, 12, 14},  // 131 latin capital letter e with grave
    {0x00E8, 12, 12, 14},  // 132 latin small letter e with grave
    {0x00CC,  6,  6,  8},  // 133 latin capital letter i with grave
    {0x00EC,  6,  6,  8},  // 134 latin small letter i with grave
    {0x00D2, 13, 15, 17},  // 135 latin capital letter o with grave
    {0x00F2, 12, 14, 15},  // 136 latin small letter o with grave
    {0x00D9, 12, 14, 15},  // 137 latin capital letter u with grave
    {0x00F9, 12, 15, 16},  // 138 latin small letter u with grave
    {0x00C6, 14, 17, 19},  // 139 latin capital letter ae
    {0x00E6, 14, 17, 19},  // 140 latin small letter ae
    {0x0152, 16, 20, 23},  // 141 latin capital ligature oe
    {0x0153, 17, 20, 24},  // 142 latin small ligature oe
    {0x00AF, 10, 11, 11},  // 143 macron
    {0x0000,  0,  0,  0},  // 144 empty
    {0x0000,  0,  0,  0},  // 145 empty
    {0x0131,  5,  6,  8},  // 146 latin small letter dotless i
    {0x00C5, 11, 14, 15},  // 147 latin capital letter a with ring above
    {0x00E5, 11, 14, 16},  // 148 latin small letter a with ring above
    {0x00D8, 12, 14, 15},  // 149 latin capital letter o with stroke
    {0x00F8, 12, 12, 16},  // 150 latin small letter o with stroke
    {0x00C3, 11, 13, 16},  // 151 latin capital letter a with tilde
    {0x00E3, 11, 13, 16},  // 152 latin small letter a with tilde
    {0x00D1, 12, 14, 15},  // 153 latin capital letter n with tilde
    {0x00F1, 12, 14, 16},  // 154 latin small letter n with tilde
    {0x00D5, 12, 14, 16},  // 155 latin capital letter o with tilde
    {0x00F5, 12, 14, 15},  // 156 latin small letter o with tilde
    {0x00C2, 11, 14, 15},  // 157 latin capital letter a with circumflex
    {0x00E2, 11, 13, 15},  // 158 latin small letter a with circumflex
    {0x00CA, 10, 12, 13},  // 159 latin capital letter e with circumflex
    {0x00EA, 10, 12, 13},  // 160 latin small letter e with circumflex
    {0x00CE,  6,  6,  9},  // 161 latin capital letter i with circumflex
    {0x00EE,  6,  6,  9},  // 162 latin small letter i with circumflex
    {0x00D4, 11, 14, 15},  // 163 latin capital letter o with circumflex
    {0x00F4, 12, 14, 15},  // 164 latin small letter o with circumflex
    {0x00DB, 12, 14, 15},  // 165 latin capital letter u with circumflex
    {0x00FB, 11, 13, 15},  // 166 latin small letter u with circumflex
    {0x00B6, 11, 13, 14},  // 167 pilcrow sign
    {0x00A1,  7,  9,  9},  // 168 inverted exclamation mark
    {0x00BF, 12, 14, 15},  // 169 inverted question mark
    {0x0000,  0,  0,  0},  // 170 empty
    {0x00AB, 11, 14, 15},  // 171 left-pointing double angle quotation mark
    {0x00BB, 13, 16, 18},  // 172 right-pointing double angle quotation mark
    {0x2018,  7,  8,  9},  // 173 left single quotation mark
    {0x2019,  7,  8,  9},  // 174 right single quotation mark
    {0x201A,  7,  8,  9},  // 175 single low-9 quotation mark
    {0x201C, 10, 12, 13},  // 176 left double quotation mark
    {0x201D, 10, 12, 14},  // 177 right double quotation mark
    {0x201E,  8, 12, 13},  // 178 double low-9 quotation mark
    {0x2022,  8, 10, 10},  // 179 bullet
    {0x2039,  7,  8,  9},  // 180 single left-pointing angle quotation mark
    {0x203A,  9, 11, 12},  // 181 single right-pointing angle quotation mark
    {0x00A4, 12, 13, 13},  // 182 currency sign
    {0x00A2, 10, 11, 13},  // 183 cent sign
    {0x20AC, 12, 14, 15},  // 184 euro sign
    {0x00A3, 12, 13, 13},  // 185 pound sign
    {0x00A5, 11, 12, 12},  // 186 yen sign
    {0x0024, 10, 12, 14},  // 187 dollar sign
    {0x00DE, 11, 13, 14},  // 188 latin capital letter thorn
    {0x00FE, 11, 13, 14},  // 189 latin small letter thorn
    {0x00D0, 11, 14, 15},  // 190 latin capital letter eth
    {0x00F0, 13, 16, 19},  // 191 latin small letter eth
    {0x017F,  8, 13, 11},  // 192 latin small letter long s
    {0x0410, 12, 12, 12},  // 193 cyrillic capital letter a
    {0x0430, 11, 11, 11},  // 194 cyrillic small letter a
    {0x0411, 12, 12, 12},  // 195 cyrillic capital letter be
    {0x0431, 11, 11, 11},  // 196 cyrillic small letter be
    {0x0412, 12, 12, 12},  // 197 cyrillic capital letter ve
    {0x0432, 12, 12, 12},  // 198 cyrillic small letter ve
    {0x0413, 10, 10, 10},  // 199 cyrillic capital letter ghe
    {0x0433, 10, 10, 10},  // 200 cyrillic small letter ghe
    {0x0414, 14, 14, 14},  // 201 cyrillic capital letter de
    {0x0434, 12, 12, 12},  // 202 cyrillic small letter de
    {0x0415, 10, 10, 10},  // 203 cyrillic capital letter ie
    {0x0435, 11, 11, 11},  // 204 cyrillic small letter ie
    {0x0416, 16, 16, 16},  // 205 cyrillic capital letter zhe
    {0x0436, 15, 15, 15},  // 206 cyrillic small letter zhe
    {0x0417, 11, 11, 11},  // 207 cyrillic capital letter ze
    {0x0437, 10, 10, 10},  // 208 cyrillic small letter ze
    {0x0418, 12, 12, 12},  // 209 cyrillic capital letter i
    {0x0438, 11, 11, 11},  // 210 cyrillic small letter i
    {0x0419, 12, 12, 12},  // 211 cyrillic capital letter short i
    {0x0439, 11, 11, 11},  // 212 cyrillic small letter short i
    {0x041A, 12, 12, 12},  // 213 cyrillic capital letter ka
    {0x043A, 11, 11, 11},  // 214 cyrillic small letter ka
    {0x041B, 12, 12, 12},  // 215 cyrillic capital letter el
    {0x043B, 11, 11, 11},  // 216 cyrillic small letter el
    {0x041C, 15, 15, 15},  // 217 cyrillic capital letter em
    {0x043C, 15, 15, 15},  // 218 cyrillic small letter em
    {0x041D, 12, 12, 12},  // 219 cyrillic capital letter en
    {0x043D, 12, 12, 12},  // 220 cyrillic small letter en
    {0x041E, 12, 12, 12},  // 221 cyrillic capital letter o
    {0x043E, 11, 11, 11},  // 222 cyrillic small letter o
    {0x041F, 12, 12, 12},  // 223 cyrillic capital letter pe
    {0x043F, 11, 11, 11},  // 224 cyrillic small letter pe
    {0x0420, 11, 11, 11},  // 225 cyrillic capital letter er
    {0x0440, 11, 11, 11},  // 226 cyrillic small letter er
    {0x0421, 11, 11, 11},  // 227 cyrillic capital letter es
    {0x0441,  9,  9,  9},  // 228 cyrillic small letter es
    {0x0422, 10, 10, 10},  // 229 cyrillic capital letter te
    {0x0442, 15, 15, 15},  // 230 cyrillic small letter te
    {0x0423, 13, 13, 13},  // 231 cyrillic capital letter u
    {0x0443, 12, 12, 12},  // 232 cyrillic small letter u
    {0x0424, 16, 16, 16},  // 233 cyrillic capital letter ef
    {0x0444, 16, 16, 16},  // 234 cyrillic small letter ef
    {0x0425, 13, 13, 13},  // 235 cyrillic capital letter ha
    {0x0445, 11, 11, 11},  // 236 cyrillic small letter ha
    {0x0426, 13, 13, 13},  // 237 cyrillic capital letter tse
    {0x0446, 12, 12, 12},  // 238 cyrillic small letter tse
    {0x0427, 12, 12, 12},  // 239 cyrillic capital letter che
    {0x0447, 11, 11, 11},  // 240 cyrillic small letter che
    {0x0428, 17, 17, 17},  // 241 cyrillic capital letter sha
    {0x0448, 16, 16, 16},  // 242 cyrillic small letter sha
    {0x0429, 18, 18, 18},  // 243 cyrillic capital letter shcha
    {0x0449, 17, 17, 17},  // 244 cyrillic small letter shcha
    {0x042A, 14, 14, 14},  // 245 cyrillic capital letter hard sign
    {0x044A, 13, 13, 13},  // 246 cyrillic small letter hard sign
    {0x042B, 16, 16, 16},  // 247 cyrillic capital letter yeru
    {0x044B, 15, 15, 15},  // 248 cyrillic small letter yeru
    {0x042C, 12, 12, 12},  // 249 cyrillic capital letter soft sign
    {0x044C, 12, 12, 12},  // 250 cyrillic small letter soft sign
    {0x042D, 11, 11, 11},  // 251 cyrillic capital letter e
    {0x044D,  9,  9,  9},  // 252 cyrillic small letter e
    {0x042E, 17, 17, 17},  // 253 cyrillic capital letter yu
    {0x044E, 16, 16, 16},  // 254 cyrillic small letter yu
    {0x042F, 12, 12, 12},  // 255 cyrillic capital letter ya
    {0x044F, 10, 10, 10},  // 256 cyrillic small letter ya
    {0x0040, 14, 16, 18},  // 257 commercial at
    {0x0000,  0,  0,  0},  // 258 empty
    {0x0000,  0,  0,  0},  // 259 empty
    {0x0020,  5,  6,  7},  // 260 space
};

// The width of a slot in the table that belongs to a cell width of 20, 26 or 28 pixels.
inline constexpr int glyphtablewidth(int slot, int cellw) {
  if (slot < 1 || slot > glyphtablesize) return 0;
  const glyphslot& g = glyphtable[slot];
  return cellw <= 20 ? g.w20 : cellw <= 26 ? g.w26 : g.w28;
}
