// Shared drawing kit for the forge's pictures: the dusk palette, the comic outline,
// soft glows and text through cairo's FreeType fonts. Families keep their own shapes
// in their own files and use these for the common look.
#pragma once
#include <cairo.h>
#include <string>

struct rgb {
  double r, g, b;
};

// The dusk palette (design.md, "Art direction").
namespace pal {
inline const rgb ink{0.10, 0.06, 0.14};        // thick outlines
inline const rgb purple{0.29, 0.15, 0.42};     // deep purple
inline const rgb plum{0.45, 0.24, 0.56};       // lighter purple
inline const rgb night{0.09, 0.14, 0.33};      // night blue
inline const rgb sky{0.20, 0.32, 0.58};        // dusk sky blue
inline const rgb teal{0.10, 0.55, 0.56};       // teal
inline const rgb mint{0.49, 0.85, 0.72};       // ghostly mint
inline const rgb pumpkin{0.96, 0.52, 0.13};    // pumpkin orange
inline const rgb gold{0.98, 0.78, 0.24};       // coins, stars
inline const rgb bone{0.96, 0.93, 0.84};       // bone white
inline const rgb blood{0.78, 0.12, 0.16};      // card red, friendly
inline const rgb moss{0.35, 0.58, 0.22};       // plants
inline const rgb grey{0.55, 0.53, 0.60};       // stone
}  // namespace pal

// A new transparent ARGB32 surface and its context; free both with artdone.
cairo_t* artnew(int w, int h);
void artdone(cairo_t* cr);
// Saves the context's surface under a data-relative path (forge.h) and frees it.
bool artsave(cairo_t* cr, const std::string& relpath);

void artsetcolor(cairo_t* cr, rgb c, double alpha = 1.0);
rgb artmix(rgb a, rgb b, double t);      // a..b, t in 0..1
rgb artshade(rgb c, double factor);      // factor < 1 darker, > 1 lighter
void artroundrect(cairo_t* cr, double x, double y, double w, double h, double radius);  // path only
// Fills the current path with a vertical gradient top..bottom, then strokes it with the ink outline.
void artfilloutline(cairo_t* cr, rgb top, rgb bottom, double y0, double y1, double outline);
// A soft radial glow centred at (x, y).
void artglow(cairo_t* cr, double x, double y, double radius, rgb c, double alpha);

// Fonts: "comic" (Comic Neue Bold), "round" (Leckerli One), "sans" (DejaVu Sans Bold), "serif" (DejaVu Serif Bold).
void artfont(cairo_t* cr, const std::string& face, double size);
// Draws UTF-8 text with its centre at (x, y); outline > 0 draws a dark outline under the fill.
void arttext(cairo_t* cr, const std::string& utf8, double x, double y, rgb fill, double outline, rgb outlinecolor = pal::ink);
double arttextwidth(cairo_t* cr, const std::string& utf8);

// A soft, blurred copy of the current path: filled, grown by spread pixels when spread > 0,
// blurred by about blur pixels, moved by (dx, dy) and painted in c at alpha. Drop shadows and
// glows drawn this way fade out smoothly; the shape reaches about spread + 2.5 blur past the
// path. The path is used up.
void artsoft(cairo_t* cr, double spread, double blur, double dx, double dy, rgb c, double alpha);
// The same for a line: the current path stroked round-capped at width, blurred and painted.
void artsoftline(cairo_t* cr, double width, double blur, double dx, double dy, rgb c, double alpha);
