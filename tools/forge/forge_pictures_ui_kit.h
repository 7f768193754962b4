// Shapes shared by the shell and progression pictures: buttons, panels, landscapes and
// the little spooky props (tombstones, pumpkins, bats, crooked houses) they are made of.
#pragma once
#include "tools/forge/forge_art.h"
#include <cstdint>

namespace uikit {

// A tiny xorshift generator: every scattered star and blade of grass comes from a fixed seed.
struct prng {
  uint32_t s;
  explicit prng(uint32_t seed) : s(seed ? seed : 0x9e3779b9u) {}
  uint32_t next() {
    s ^= s << 13;
    s ^= s >> 17;
    s ^= s << 5;
    return s;
  }
  double unit() { return (next() >> 8) / 16777216.0; }
  double range(double a, double b) { return a + (b - a) * unit(); }
};

// A quadratic curve from the current point, as cairo only draws cubic ones.
void quadto(cairo_t* cr, double x1, double y1, double x2, double y2);

// Button faces and panels.
// A glossy pill button face whose shadow ends reach pixels below it.
void pill(cairo_t* cr, double x, double y, double w, double h, rgb base, double outline = 4, double reach = 6);
void panel(cairo_t* cr, double x, double y, double w, double h, double r, rgb face, rgb face2, rgb rim,
           double reach = 6);
void rivet(cairo_t* cr, double x, double y, double r);
// A framed slate board for tables and lists: wooden frame (frame pixels wide), dark slate with
// chalk smudges, a thin gold line inside when the frame is wide enough; its shadow reaches 5
// pixels below.
void board(cairo_t* cr, double x, double y, double w, double h, double r, rgb slate, uint32_t seed,
           double frame = 7);
// A round coin-like medal behind a rank number.
void medallion(cairo_t* cr, double x, double y, double r, rgb c);
void cobweb(cairo_t* cr, double x, double y, double size, int corner);  // corner 0 tl, 1 tr, 2 bl, 3 br
// A soft drop shadow under a rounded box; it ends reach pixels below the box and a little
// less to the sides, so the picture needs that much room.
void softshadow(cairo_t* cr, double x, double y, double w, double h, double r, double alpha, double reach = 6);

// Landscape pieces; y is the ground line the prop stands on.
void sky(cairo_t* cr, double w, double h, rgb top, rgb bottom, uint32_t seed, int stars, double starband);
void moon(cairo_t* cr, double x, double y, double r, rgb c);
// A rolling hill filled from its crest line down to the bottom of the picture.
void hill(cairo_t* cr, double w, double h, double base, double amp, double phase, double wave, rgb top, rgb bottom,
          double outline);
double hillheight(double x, double base, double amp, double phase, double wave);
void tombstone(cairo_t* cr, double x, double y, double s, double tilt, int kind);
// A jack-o'-lantern; a lit one glows glow x 70 pixels (unscaled) around its middle.
void pumpkin(cairo_t* cr, double x, double y, double s, bool lit, double glow = 1.0);
void tree(cairo_t* cr, double x, double y, double s, uint32_t seed, rgb c);
void bat(cairo_t* cr, double x, double y, double s);
void ghost(cairo_t* cr, double x, double y, double s);
void grass(cairo_t* cr, double x0, double x1, double w, double base, double amp, double phase, double wave, rgb c,
           uint32_t seed);
void mist(cairo_t* cr, double w, double y, double thick, rgb c, double alpha, uint32_t seed);
void vignette(cairo_t* cr, double w, double h, double alpha);
// The game's name as the title logo draws it, centred at (cx, cy), at most maxw wide.
void logotext(cairo_t* cr, double cx, double cy, double maxw, double size);

// Props in the comic line (forge_pictures_ui_props.cpp); each stands with its base at (x, y).
// foliage: 0 bare, 1 hanging moss, 2 a few autumn leaves.
void gnarledtree(cairo_t* cr, double x, double y, double s, uint32_t seed, rgb bark, int foliage = 0);
void pinetree(cairo_t* cr, double x, double y, double s, uint32_t seed, rgb c, bool snow = false);
// A window at its top-left corner (x, y), lit warm or dark, square or arched, with a sill.
void window(cairo_t* cr, double x, double y, double w, double h, bool lit, bool arched);
// A crooked timber-framed house; bit i of lit lights window i.
void cottage(cairo_t* cr, double x, double y, double s, uint32_t seed, int lit, rgb wall, rgb roof);
void church(cairo_t* cr, double x, double y, double s, rgb stone);
// Curtain wall, keep and towers; tall adds height to the keep (0 a castle, 1 or 2 a dark tower).
void castle(cairo_t* cr, double x, double y, double s, uint32_t seed, rgb stone, int tall);
// The lighthouse on its stone base with the keeper's cottage; beam -1 left, +1 right, 0 none.
void lighthouse(cairo_t* cr, double x, double y, double s, double beam);
void mausoleum(cairo_t* cr, double x, double y, double s, rgb stone, bool lit);
void scarecrow(cairo_t* cr, double x, double y, double s);
void lamppost(cairo_t* cr, double x, double y, double s);
void well(cairo_t* cr, double x, double y, double s);
void rock(cairo_t* cr, double x, double y, double w, double h, uint32_t seed, rgb c);
void woodfence(cairo_t* cr, double x0, double x1, double y, double s, uint32_t seed, rgb c);
// A comic cloud: round puffs in an ink edge, lit tops in rim, a shaded underside. Opaque.
// Its flat underside lies h / 2 below cy; the puffs rise up to 0.9 h above cy.
void inkcloud(cairo_t* cr, double cx, double cy, double w, double h, rgb body, rgb rim, uint32_t seed);
// A crescent moon; phase shifts the shadow disc (0.3 thin sliver .. 1 half).
void crescent(cairo_t* cr, double x, double y, double r, rgb c, double phase);

// Game background n (1..9) drawn into a 1366 x 768 context; quiet darkens the middle where
// the cards lie (forge_pictures_ui_backgrounds.cpp). The map's stage pictures use it too.
void drawgamescene(cairo_t* cr, int n, bool quiet);

// The people (forge_pictures_ui_folk.cpp): feet at (x, y), about 120 pixels tall at s = 1.
// Zombie poses: 0 shambling, 1 arms up, 2 climbing out of the ground.
// Townsfolk poses: 0 with a lantern, 1 arms up in fright, 3 with a pitchfork.
void zombie(cairo_t* cr, double x, double y, double s, uint32_t seed, int facing, int pose);
void townsfolk(cairo_t* cr, double x, double y, double s, uint32_t seed, int facing, int pose);
// The shopkeeper from the waist up, (x, y) the middle of his waist on the counter's top edge.
void shopkeeper(cairo_t* cr, double x, double y, double s);

}  // namespace uikit
