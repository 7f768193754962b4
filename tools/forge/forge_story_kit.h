// The story's drawing kit: the painted look every chapter shares. Chapters build their
// scenes from these pieces so the townsfolk, the zombies, the light and the brushwork look
// the same from the first chapter to the last.
//
// Conventions:
// - Everything draws into the caller's cairo context in its current user space, so a piece
//   can be scaled, rotated or mirrored with cairo_save/translate/scale around the call.
// - Colours come from pal:: (forge_art.h) and col:: below; a scene darkens or tints them with
//   artshade/artmix and `atmos` for distance.
// - Light: a `light` names the direction the light comes from and its colours; `paint` uses it
//   to shade a shape (core shadow away from the light, rim of light towards it) before the ink
//   outline goes on. Pass the same light to every piece of one scene.
// - Randomness: every scattered thing takes a seed, so a picture is the same on every run.
// - Glow variants: draw the object once into its own surface, then `saveglow` writes the
//   "-glow" picture: the same drawing brighter with the same outline and a soft halo that
//   fades to nothing before the picture's edge.
#pragma once
#include "tools/forge/forge_art.h"
#include <cstdint>
#include <string>
#include <vector>

namespace storykit {

// ---- randomness ---------------------------------------------------------------------------

// A small xorshift generator; the same seed always gives the same picture.
struct rng {
  uint32_t s;
  explicit rng(uint32_t seed) : s(seed * 2654435761u + 0x6d2b79f5u) {
    if (s == 0) s = 0x9e3779b9u;
    next();
  }
  uint32_t next() {
    s ^= s << 13;
    s ^= s >> 17;
    s ^= s << 5;
    return s;
  }
  double unit() { return (next() >> 8) * (1.0 / 16777216.0); }  // 0..1
  double range(double a, double b) { return a + (b - a) * unit(); }
  bool chance(double p) { return unit() < p; }
};

struct pt {
  double x, y;
};

// ---- colours ------------------------------------------------------------------------------

// Colours the story adds to the dusk palette.
namespace col {
inline const rgb skin{0.99, 0.80, 0.66};       // rosy townsfolk
inline const rgb skintan{0.88, 0.64, 0.47};    // sun-browned townsfolk
inline const rgb skindark{0.60, 0.40, 0.28};   // deep brown townsfolk
inline const rgb blush{0.96, 0.45, 0.50};      // cheeks
inline const rgb zombie{0.60, 0.78, 0.47};     // friendly zombie green
inline const rgb zombieteal{0.48, 0.72, 0.64}; // a bluer zombie
inline const rgb zombiegrey{0.66, 0.72, 0.60}; // a pale, old zombie
inline const rgb tongue{0.92, 0.44, 0.52};     // zombies always show it
inline const rgb lamp{1.00, 0.80, 0.44};       // warm lamp light
inline const rgb windowlit{1.00, 0.76, 0.36};  // a lit window pane
inline const rgb moonlight{0.72, 0.82, 1.00};  // cold rim light from the sky
inline const rgb wood{0.56, 0.37, 0.23};       // planks, doors, furniture
inline const rgb darkwood{0.34, 0.21, 0.14};   // trunks, beams
inline const rgb brick{0.64, 0.32, 0.25};      // walls, chimneys
inline const rgb roof{0.36, 0.20, 0.30};       // roof tiles in dusk light
inline const rgb pine{0.13, 0.34, 0.32};       // conifers
inline const rgb leaf{0.30, 0.50, 0.26};       // garden green
inline const rgb earth{0.36, 0.25, 0.20};      // soil, paths
inline const rgb iron{0.33, 0.34, 0.40};       // metal in shade
inline const rgb steel{0.70, 0.73, 0.80};      // bright metal
inline const rgb redcar{0.78, 0.22, 0.20};     // painted metal
inline const rgb pastry{0.92, 0.66, 0.32};     // pie crust
}  // namespace col

// The colour `c` pushed towards the haze colour by distance t (0 near, 1 lost in the haze).
rgb atmos(rgb c, rgb haze, double t);

// ---- light --------------------------------------------------------------------------------

// Where the light comes from and how it colours a shape.
struct light {
  double x = -0.6, y = -0.8;          // direction towards the light (made unit by `lightfrom`)
  rgb rim = col::lamp;                // the lit edge
  double rimalpha = 0.55;             // 0 switches the rim off
  rgb shade{0.20, 0.08, 0.34};        // the core shadow's tint (dusk purple)
  double shadealpha = 0.42;           // 0 switches the shading off
};
// A light from `degrees` (0 from the right, 90 from straight above, 180 from the left).
light lightfrom(double degrees, rgb rim = col::lamp, double rimalpha = 0.55, double shadealpha = 0.42);

// ---- paths --------------------------------------------------------------------------------

void ellipse(cairo_t* cr, double cx, double cy, double rx, double ry, double angle = 0);  // path
void poly(cairo_t* cr, const std::vector<pt>& p);                   // closed polygon path
void blob(cairo_t* cr, const std::vector<pt>& p, double tension = 1);  // closed smooth curve through p
void curve(cairo_t* cr, const std::vector<pt>& p, double tension = 1);  // open smooth curve through p
// A ragged hem: points from a to b with `teeth` zig-zags of the given depth (for torn clothes).
void ragged(std::vector<pt>& out, pt a, pt b, int teeth, double depth, rng& r);

// ---- painting -----------------------------------------------------------------------------

// Fills the current path with `base` (a soft gradient along the light), lays a core shadow on
// the side away from the light and a rim of light on the side facing it, then strokes the ink
// outline (`outline` 0 for none). `size` is the shape's rough diameter in user units: it sets
// how far the shading reaches. The path is consumed.
void paint(cairo_t* cr, rgb base, const light& L, double size, double outline);
// The current path filled flat and outlined; consumed.
void flat(cairo_t* cr, rgb c, double outline, double alpha = 1);
// Fills the current path with a vertical gradient, shades it like `paint`, outlines it.
void paintgrad(cairo_t* cr, rgb top, rgb bottom, const light& L, double size, double outline);
// A limb, handle or rope through the points: ink under, colour on top, a lit streak.
void tube(cairo_t* cr, const std::vector<pt>& p, double width, rgb c, const light& L, double outline);
// Ink line through the points (creases, seams, mouths).
void inkline(cairo_t* cr, const std::vector<pt>& p, double width, double alpha = 1);
// Stitches across a line from a to b: a seam with n short cross bars.
void stitches(cairo_t* cr, pt a, pt b, int n, double size, double width);

// ---- light and shadow in a scene ----------------------------------------------------------

// A soft shadow on the ground under a thing standing at (cx, cy).
void groundshadow(cairo_t* cr, double cx, double cy, double rx, double ry, double alpha);
// A soft round glow (lamps, windows, eyes in the dark); adds light, never hides what is under.
void glow(cairo_t* cr, double x, double y, double r, rgb c, double alpha);
// An elliptical pool of light on the ground.
void lightpool(cairo_t* cr, double x, double y, double rx, double ry, rgb c, double alpha);
// A cone of lamp light from (x, y) widening down to the span x0..x1 at ybottom.
void beam(cairo_t* cr, double x, double y, double x0, double x1, double ybottom, rgb c, double alpha);
// Darkens the corners and edges of a w x h picture, leaving the middle as it is.
void vignette(cairo_t* cr, double w, double h, double alpha);
// Haze over a band of the picture, alpha a0 at y0 to a1 at y1 (fog, ground mist, dusk glow).
void haze(cairo_t* cr, double w, double y0, double y1, rgb c, double a0, double a1);

// ---- texture ------------------------------------------------------------------------------

// Fine grain over everything drawn on the context's surface so far (alpha untouched):
// `amount` about 0.02..0.06 gives the painted-paper look.
void grain(cairo_t* cr, double amount, uint32_t seed);
// Painterly dabs: n soft oval strokes of colour c scattered over the rectangle (clip first to
// keep them on one shape). `size` is the dab's length.
void dabs(cairo_t* cr, double x, double y, double w, double h, rgb c, double alpha, int n, double size,
          uint32_t seed);
// Wood grain lines across a plank lying along the x axis from x0 to x1 (clip first).
void woodgrain(cairo_t* cr, double x0, double y0, double x1, double y1, rgb c, uint32_t seed);

// ---- glow variants ------------------------------------------------------------------------

// The glow picture of an object: the surface grown by `pad` pixels on every side, the drawing
// brightened (dark ink stays dark, so the outline is the same), a halo of colour `halo` around
// its shape that fades to nothing inside the picture. (dx, dy) shifts the drawing inside the
// glow picture for objects whose glow the scene draws at an offset. Caller frees the result.
cairo_surface_t* glowof(cairo_surface_t* base, int pad, int dx = 0, int dy = 0, rgb halo = {1.0, 0.86, 0.46},
                        double strength = 1);
// Writes the glow picture of the context's surface (the context stays alive).
bool saveglow(cairo_t* base, const std::string& relpath, int pad, int dx = 0, int dy = 0,
              rgb halo = {1.0, 0.86, 0.46}, double strength = 1);
// The same drawing brightened in place (no halo, same size): for variants that must keep size.
void brighten(cairo_surface_t* s, double amount);

// ---- saving -------------------------------------------------------------------------------

// Saves a surface as PNG or JPEG by the name's ending (JPEGs for opaque backgrounds).
bool savesurface(cairo_surface_t* s, const std::string& relpath);
// Saves the left and right halves of a scene two screens wide (2 x 1366 pixels) and frees it.
bool savehalves(cairo_t* cr, const std::string& left, const std::string& right);
// A copy of the rectangle x, y, w, h of a surface (for cut-outs of a scene drawn whole).
cairo_surface_t* cutout(cairo_surface_t* s, int x, int y, int w, int h);

// ---- characters ---------------------------------------------------------------------------

// Expressions the faces know.
enum class face { smile, grin, chew, shock, worry, sleepy, moan, growl, dizzy, munch };

// Things a hand can hold.
enum class held { none, pie, fork, newspaper, lantern, umbrella, bag };

// A townsperson or a zombie, drawn on a rig 100 units tall from the soles (y 0) to the crown
// (y -100); `height` scales it to pixels. Hands are placed relative to their shoulder in rig
// units, screen directions (+x right, +y down): `handl` is the arm on the screen's left.
struct figure {
  double height = 200;      // pixels, soles to crown
  double girth = 1;         // 0.8 slim, 1 plump, 1.3 round as a pudding
  double headsize = 1;      // 1 is the comic big head; >1 bigger
  rgb skin = col::skin, hair{0.35, 0.22, 0.15}, shirt = pal::plum, trousers = pal::night;
  rgb shoes = pal::ink, accent = pal::gold;  // accent: tie, scarf, buttons, apron trim
  int hat = 0;        // 0 none, 1 bowler, 2 flat cap, 3 headscarf, 4 chef's hat, 5 bobble hat
  int hair_style = 1;  // 0 bald, 1 side hair and a comb-over, 2 bun, 3 curls, 4 tuft, 5 wild
  bool glasses = false, moustache = false, bowtie = false, apron = false, vest = false;
  face expr = face::smile;
  double lookx = 0, looky = 0;  // where the pupils look, -1..1
  double headtilt = 0;          // degrees
  double lean = 0;              // degrees, the whole figure leans about its feet
  pt handl{-5, 33}, handr{5, 33};  // hands relative to their shoulders, rig units (arms hang)
  held holdl = held::none, holdr = held::none;
  double breath = 0;            // 0..1 swells the chest (breathing frames)
  double stance = 1;            // feet apart, 0.6 close .. 1.4 wide
  bool sitting = false;         // knees up, seated on something at y 0
  // Zombie treatment: green skin, droopy lids, stitches, tongue, torn hems, patches.
  bool zombie = false;
  int stitchcheek = 1;          // 0 none, 1 left cheek, 2 right cheek
  bool tonguetip = true;        // tongue poking out of the moan
  double droop = 0.55;          // how far the lids cover the eyes, 0..0.9
  uint32_t seed = 1;            // tears, patches, hair strands
};

// Presets: Mr. Pudding (before and after the pie), and a few stock townsfolk and zombies the
// chapters can vary (kind 1.. picks colours, hats and hair).
figure mrpudding(bool zombie);
figure townsfolk(int kind);
figure zombiefolk(int kind);

// The whole figure with its soles at (x, y), facing the viewer; mirror with cairo_scale(-1, 1).
void drawfigure(cairo_t* cr, double x, double y, const figure& f, const light& L);
// Only the head (centre (cx, cy), radius r in pixels): peeking faces, faces at windows.
void drawhead(cairo_t* cr, double cx, double cy, double r, const figure& f, const light& L);
// A hand: mitten with a thumb (gesture 0 open, 1 grabbing, 2 pointing, 3 waving fingers),
// wrist at (x, y), pointing along `angle` degrees (0 right, 90 down), `size` the hand's length.
void drawhand(cairo_t* cr, double x, double y, double size, double angle, rgb skin, int gesture, const light& L,
              bool zombie = false);
// A pie with a lattice crust; `bite` takes a bite out of its right side. Centre (x, y), width w.
void drawpie(cairo_t* cr, double x, double y, double w, bool bite, const light& L);

// ---- animals ------------------------------------------------------------------------------

// A crow facing left, perched, centre of the body at (x, y), `size` beak to tail.
// eyes: 0 open, 1 half shut, 2 shut. beak: 0 closed, 1 open (cawing). wing 0 folded .. 1 raised.
void drawcrow(cairo_t* cr, double x, double y, double size, int eyes, int beak, double wing, const light& L);

// ---- scenery ------------------------------------------------------------------------------

// A fir with layered, ragged tiers; foot of the trunk at (x, y), `h` high.
void pinetree(cairo_t* cr, double x, double y, double h, uint32_t seed, rgb c, const light& L, double outline = 3);
// A round-crowned tree: trunk and cloud-like canopy, foot at (x, y).
void leafytree(cairo_t* cr, double x, double y, double h, uint32_t seed, rgb c, const light& L, double outline = 3);
// A dark tree silhouette for far layers (no outline, no shading).
void silhouettetree(cairo_t* cr, double x, double y, double h, uint32_t seed, rgb c, bool pine);

// A town house facing the viewer: ground line y, left edge x, width w, wall height h.
struct housestyle {
  rgb wall = pal::plum, roof = col::roof, trim = pal::bone, door = col::wood;
  int floors = 2;
  int roofkind = 0;     // 0 pitched, 1 steep gable with a turret feel, 2 flat with a cornice
  bool timber = false;  // half-timbered front
  bool shop = false;    // a shop window and an awning at the ground floor
  rgb awning = pal::blood;
  double lit = 0.5;     // share of windows lit 0..1
  bool chimney = true;
  double lean = 0;      // crookedness
};
void townhouse(cairo_t* cr, double x, double y, double w, double h, uint32_t seed, const housestyle& s, const light& L,
               double outline = 3);
// A street lamp: foot at (x, y), `h` tall; lit lamps glow (the light pool is separate).
void lamppost(cairo_t* cr, double x, double y, double h, bool lit, const light& L, double outline = 3);
// A picket fence along y from x0 to x1, pickets `h` tall.
void picketfence(cairo_t* cr, double x0, double x1, double y, double h, rgb c, uint32_t seed, const light& L,
                 double outline = 2.5);
// A rounded bush or hedge with leafy bumps.
void bush(cairo_t* cr, double x, double y, double w, double h, rgb c, uint32_t seed, const light& L,
          double outline = 3);
// Grass tufts along a line (y may follow a curve given by the caller in steps).
void grasstufts(cairo_t* cr, double x0, double x1, double y, double h, rgb c, uint32_t seed, double density = 1);
// A rounded stone, bottom at y.
void rock(cairo_t* cr, double x, double y, double w, double h, rgb c, uint32_t seed, const light& L,
          double outline = 3);
// Cobblestones filling the rectangle, rows shrinking towards the top (perspective).
void cobbles(cairo_t* cr, double x0, double y0, double x1, double y1, rgb c, uint32_t seed);
// A cartoon pumpkin, bottom at (x, y), width w; lit ones grin and glow.
void pumpkin(cairo_t* cr, double x, double y, double w, bool lit, const light& L);

// ---- sky ----------------------------------------------------------------------------------

struct stop {
  double at;  // 0 top .. 1 bottom
  rgb c;
};
// The rectangle 0,0..w,h filled with a vertical gradient through the stops.
void skyfill(cairo_t* cr, double w, double h, const std::vector<stop>& stops);
// Stars thinning out towards `band` (y); a few twinkle.
void stars(cairo_t* cr, double w, double band, int n, uint32_t seed, double alpha = 1);
// A comic cloud: puffy top, flatter base, lit from below-left by the dusk (rim), body colour c.
void cloud(cairo_t* cr, double cx, double cy, double w, double h, rgb c, rgb rim, uint32_t seed, double outline = 0);
// A moon with its glow, craters and a soft rim.
void moon(cairo_t* cr, double x, double y, double r, rgb c, double glowalpha = 0.35);
// A ridge of hills from x 0 to w: crest around `base` varying by `amp`, filled down to `bottom`.
void ridge(cairo_t* cr, double w, double base, double amp, double bottom, uint32_t seed, rgb top, rgb low,
           double outline = 0);
double ridgeheight(double x, double base, double amp, uint32_t seed);

}  // namespace storykit
