// Shared pieces of the card family: the card shape, suit symbols, fitted text and a small
// fixed-seed random source, so every card picture is drawn from the same few parts.
#pragma once
#include "tools/forge/forge_art.h"
#include <cstdint>
#include <string>

// Every card-sized picture shares this size; the table's hit boxes use it too.
constexpr int cardw = 96, cardh = 142;

// A tiny xorshift generator: the same seed always gives the same picture.
struct cardrng {
  uint32_t s;
  explicit cardrng(uint32_t seed) : s(seed ? seed : 0x9e3779b9u) {}
  double next() {
    s ^= s << 13;
    s ^= s >> 17;
    s ^= s << 5;
    return (s >> 8) / 16777216.0;
  }
  double range(double a, double b) { return a + (b - a) * next(); }
};

// Suits 1..4 are the picture letters a..d: hearts, spades, diamonds, clubs.
rgb cardsuitcolor(int suit);
bool cardsuitred(int suit);
// The suit symbol as a path, centred at (cx, cy), about size pixels tall.
void cardsuitpath(cairo_t* cr, int suit, double cx, double cy, double size);
// A filled suit symbol with a thin ink edge and a small highlight.
void cardsuit(cairo_t* cr, int suit, double cx, double cy, double size, double edge = 1.2);

// The rounded card outline of a w x h picture (path only), inset so that a 3-pixel outline
// ends a pixel inside the picture: no card edge is cut by the picture's border.
void cardshape(cairo_t* cr, double w = cardw, double h = cardh, double inset = 2.5, double radius = 9);
// A whole card: gradient fill and thick ink outline.
void cardblank(cairo_t* cr, rgb top, rgb bottom, double w = cardw, double h = cardh);
// Clips to the inside of the card shape (call cairo_restore to leave it).
void cardclip(cairo_t* cr, double w = cardw, double h = cardh);

// Text centred at (x, y), squeezed horizontally when it is wider than maxw.
void cardtext(cairo_t* cr, const std::string& face, double size, const std::string& text, double x, double y, rgb fill,
              double outline, double maxw, rgb outlinecolor = pal::ink);

// Small shapes many pictures share.
void cardellipse(cairo_t* cr, double cx, double cy, double rx, double ry);  // path only
void cardfillstroke(cairo_t* cr, rgb fill, double outline, double alpha = 1.0);  // fill, then ink stroke
void cardstar(cairo_t* cr, double cx, double cy, double r, double inner, int points, double turn = -90);  // path
void cardeye(cairo_t* cr, double cx, double cy, double r, double lookx = 0, double looky = 0.2);
// A smiling mouth: a curve from (cx - w, cy) sagging by depth.
void cardsmile(cairo_t* cr, double cx, double cy, double w, double depth, double lw);
// A label ribbon across a card, with its text.
void cardribbon(cairo_t* cr, double y, const std::string& text, rgb colour, double w = cardw);

// The family's drawing routines, one per kind of picture; each draws into a fresh w x h context.
void cardface(cairo_t* cr, int identity);         // the 52 faces
void cardback(cairo_t* cr, int design);           // backs 1..4
void cardplant(cairo_t* cr, int plant);           // plant card (solitaire set), plant 1..8
void cardbarplant(cairo_t* cr, int plant, int w, int h);  // potted plant of the plant bar
void cardplantdraw(cairo_t* cr, int plant, double cx, double cy, double s);  // plant k, base at (cx, cy)
void carditem(cairo_t* cr, int item);             // item cards, item ids 1..10
void cardbonus(cairo_t* cr, int kind);            // 1 cash, 2 cash2
void cardanimal(cairo_t* cr, int kind);           // 1 pig, 2 ninja
void cardcover(cairo_t* cr, int kind);            // 1 bird, 2 fruit
void cardcursor(cairo_t* cr, int kind, int w, int h);  // 1 zombie killer, 2 zombie blaster
void cardglow(cairo_t* cr, int w, int h);         // highlight frame around a card
void cardstockbase(cairo_t* cr);                  // the panel under an empty stock
void tablepicture(cairo_t* cr, const std::string& name, int w, int h);  // bars, signs, stars, panels
