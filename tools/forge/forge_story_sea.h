// The harbour pieces the last four chapters share: water and fog, quays and jetties, the
// things that lie about on them (bollards, ropes, crates, barrels, containers), steel
// lattice for cranes and gantries, and the good ship Merry Widow herself. Same conventions
// as the story kit: everything draws into the caller's context in its user space, takes the
// scene's light and a seed, and leaves the path empty.
#pragma once
#include "tools/forge/forge_story_kit.h"
#include <string>
#include <vector>

namespace seakit {

using storykit::light;
using storykit::pt;
using storykit::rng;

// ---- water and air ------------------------------------------------------------------------

// Open water from the horizon y0 down to y1 across x0..x1: a gradient from `far` to `near`
// with wave strokes that grow and thin out towards the viewer, lighter crests and darker
// troughs. `calm` 0..1 flattens the waves.
void water(cairo_t* cr, double x0, double x1, double y0, double y1, rgb far, rgb near, uint32_t seed, double calm = 0);
// A shimmering column of broken light on the water under a light at x, from y0 down to y1.
void shimmer(cairo_t* cr, double x, double y0, double y1, double width, rgb c, double alpha, uint32_t seed);
// A soft bank of fog: overlapping pale puffs along y between x0 and x1, `h` thick.
void fogbank(cairo_t* cr, double x0, double x1, double y, double h, rgb c, double alpha, uint32_t seed);
// Gulls: a soft "m" in flight, `s` wide.
void gull(cairo_t* cr, double x, double y, double s, double flap, rgb c);
// A sitting gull facing left (the harbour's most faithful resident), feet at (x, y).
void sittinggull(cairo_t* cr, double x, double y, double s, const light& L);

// A run of rust down from (x, y): `len` long, fading out as it goes.
void rustrun(cairo_t* cr, double x, double y, double w, double len, double alpha);

// The pixels of an image surface (premultiplied ARGB), flushed for reading and writing.
struct pixelgrid {
  cairo_surface_t* s;
  uint8_t* data;
  int w, h, stride;
  uint32_t* row(int y) const { return reinterpret_cast<uint32_t*>(data + size_t(y) * stride); }
  void done() const { cairo_surface_mark_dirty(s); }  // after changing them
};
pixelgrid pixelsof(cairo_surface_t* s);
// One premultiplied pixel with every channel scaled by k (0..1).
inline uint32_t fadepixel(uint32_t p, double k) {
  auto sc = [k](uint32_t v) { return uint32_t(v * k + 0.5); };
  return (sc(p >> 24) << 24) | (sc((p >> 16) & 255) << 16) | (sc((p >> 8) & 255) << 8) | sc(p & 255);
}

// Light pictures (beams, pools, halos) fade to nothing over the last `margin` pixels at each
// edge of their surface, so none of them ends in a visible line.
void fadeedges(cairo_surface_t* s, int margin);

// ---- on the quay --------------------------------------------------------------------------

// Wet concrete slabs paving x0..x1 from y0 (far) to y1 (near): rows that widen towards the
// viewer, each slab a little different, some with a wet shine.
void slabs(cairo_t* cr, double x0, double x1, double y0, double y1, rgb far, rgb near, uint32_t seed);
// An iron mooring bollard, foot at (x, y), `s` wide.
void bollard(cairo_t* cr, double x, double y, double s, rgb c, const light& L);
// A rope through the points: a tube with its twisted strands.
void rope(cairo_t* cr, const std::vector<pt>& p, double width, rgb c, const light& L);
// A coil of rope lying on the ground, centre (x, y), radius r.
void ropecoil(cairo_t* cr, double x, double y, double r, rgb c, const light& L);
// A barrel standing at (x, y) (bottom centre).
void barrel(cairo_t* cr, double x, double y, double w, double h, rgb c, const light& L, uint32_t seed);
// A wooden crate, bottom centre (x, y), with a stencilled word (may be empty).
void crate(cairo_t* cr, double x, double y, double w, double h, rgb c, const light& L, uint32_t seed,
           const std::string& word = "");
// A shipping container seen from its long side, bottom centre (x, y), with corrugation,
// corner castings and a painted name.
void container(cairo_t* cr, double x, double y, double w, double h, rgb c, const light& L, const std::string& name,
               uint32_t seed, double outline = 3, bool shadow = true);
// A lifebuoy, centre (x, y), outer radius r.
void lifebuoy(cairo_t* cr, double x, double y, double r, const light& L);
// A fishing net hung or heaped between a and b with a row of floats.
void net(cairo_t* cr, pt a, pt b, double sag, rgb c, uint32_t seed);

// ---- steel -------------------------------------------------------------------------------

// A lattice girder from a to b, `w` deep: two chords and zig-zag struts, painted c.
void truss(cairo_t* cr, pt a, pt b, double w, rgb c, const light& L, double outline = 2.5);

// ---- people of the harbour ---------------------------------------------------------------

// Sets the context to a figure's head frame (origin at the head's middle, turned with the
// figure's lean and head tilt, in the rig's units) and returns the head's radius there, so
// hats and glasses the kit has not got sit where its own would. Save the context first.
double headframe(cairo_t* cr, double x, double y, const storykit::figure& f);
// Where a figure's hand ends up on the page (the screen's left hand when `left`).
pt handat(double x, double y, const storykit::figure& f, bool left);
// Head-frame pieces for a head of radius r: a dock worker's hard hat, a fisherman's
// sou'wester, round dark glasses, a captain's cap.
void hardhat(cairo_t* cr, double r, rgb c, const light& L);
void souwester(cairo_t* cr, double r, const light& L);
void sunglasses(cairo_t* cr, double r, const light& L);
// A handkerchief fluttering from a hand at (x, y), `s` across.
void hanky(cairo_t* cr, double x, double y, double s, double flutter, rgb c, const light& L);

// ---- boats and ships ----------------------------------------------------------------------

// A small fishing boat seen from the side, waterline centre (x, y), `w` long, facing left
// when `left`. Its mast and a little wheelhouse; lit window when `lit`.
void fishingboat(cairo_t* cr, double x, double y, double w, rgb hull, const light& L, bool left, bool lit,
                 uint32_t seed);
// A lighthouse on its rock, foot at (x, y), `h` tall; lit ones throw a beam towards `beamangle`.
void lighthouse(cairo_t* cr, double x, double y, double h, bool lit, double beamangle, const light& L);

// How the Merry Widow is dressed for a scene.
struct shipstyle {
  bool sails = true;        // sails set (she always is, but the far ship wants them pale)
  bool portholeslit = true; // warm light in her portholes and cabin windows
  bool doorway = true;      // the entry port's doorway is lit behind its door
  bool waterband = true;    // a band of sea in front of her waterline (hides what sinks)
  rgb hull{0.30, 0.18, 0.34}, trim = pal::gold, sail{0.90, 0.84, 0.92}, sailshade{0.55, 0.42, 0.62};
  rgb sea{0.24, 0.36, 0.46};  // the band's colour
  double outline = 3.5;
};
// The Merry Widow, an old three-master with a widow's veil of lace on her sails, seen from
// her starboard side with her bow to the left. Ship coordinates, origin at her middle: the
// waterline at y 150, the bow stem near x -440 with the bowsprit to x -600, the stern at
// x 600, mast tops near y -430. Places the scenes rely on:
//   cathead (anchor beam) tip at (-435, -148); entry port (door) centred (50, 75) with its
//   sill at y 116; lever box at (470, 70); signal lamps hung at (-20, -28), (5, -23),
//   (27, -18), (47, -14); the foresail covers x -470..-150 from y -420 down to y -185.
void merrywidow(cairo_t* cr, const shipstyle& s, const light& L, uint32_t seed);
// The places above, for the chapters that build on her.
inline constexpr double widowcatx = -435, widowcaty = -148;
inline constexpr double widowdoorx = 50, widowdoory = 75, widowsill = 116;
inline constexpr double widowleverx = 470, widowlevery = 70;
inline constexpr double widowwaterline = 150;

}  // namespace seakit
