// The particle pictures of the effects layer, one table row per family. Two kinds of
// picture: cut-outs are drawn with alpha blending and get the comic ink outline; light
// pictures are added onto the screen, so they are glows whose colour itself fades to
// black at the edges (stored as colour × coverage). The shapes live in
// forge_pictures_effects_particles.cpp and forge_pictures_effects_critters.cpp.
#include "tools/forge/forge.h"
#include "tools/forge/forge_pictures_effects_kit.h"

using namespace fx;

namespace {

typedef void (*fxdrawer)(cairo_t*, int w, int h, int n);

struct fxfamily {
  const char* prefix;  // data-relative path before the number (or the whole name when count is 0)
  int count;           // numbered 1..count; 0 for a single picture
  int variant;         // what a single picture passes to its drawing routine as n
  int w, h;
  fxdrawer draw;
  bool light;  // added onto the screen: colour fades to black with the glow
  const char* role;
};

const fxfamily fxfamilies[] = {
    {"effects/glb", 9, 0, 48, 48, drawglowball, false, "glow ball of a burst, by colour"},
    {"effects/glo", 9, 0, 128, 128, drawlightglow, true,
     "rotating light glow behind the points balls and bar plants, by colour"},
    {"effects/star", 9, 0, 48, 48, drawcolourstar, false, "coloured star of a star burst, by colour"},
    {"effects/star.png", 0, 0, 48, 48, drawgoldstar, false, "falling golden star of the extra-card burst"},
    {"effects/sparkle.png", 0, 0, 64, 64, drawsparkle, false, "golden sparkle on the map, end screen and extras"},
    {"effects/sparkle-green.png", 0, 1, 64, 64, drawsparkle, false, "green sparkle trailing a taken card"},
    {"effects/question.png", 0, 0, 64, 64, drawquestion, false, "question mark of the random extra"},
    {"effects/blood", 3, 0, 128, 128, drawsplat, false, "cartoon splat behind a failed round's stars"},
    {"effects/cardpart", 3, 0, 64, 64, drawcardpart, false, "card fragment of a card burst"},
    {"effects/konfetti", 5, 0, 24, 24, drawconfetti, false, "confetti of the joker extra"},
    {"effects/fruitpart", 6, 0, 48, 48, drawfruitpart, false, "fruit piece from a fruit cover the ninja cuts"},
    {"effects/feather", 5, 0, 64, 64, drawfeather, false, "feather from a bird cover or the crow"},
    {"solitaire/extracardglow.png", 0, 0, 136, 182, drawcardglow, true,
     "golden light around the extra card and the armed stable"},
    {"solitaire/ninja", 4, 0, 160, 160, drawninja, false, "jumping ninja animation frame"},
    {"solitaire/pig", 3, 0, 64, 64, drawpig, false, "pig fired from the cannon: in the mouth, bracing, flying"},
    {"solitaire/pigcannon.png", 0, 0, 128, 128, drawpigcannon, false, "cannon the pig is fired from"},
    {"story/intro/leaf", 3, 0, 48, 48, drawleaf, false, "autumn leaf blowing through the intro"},
    {"story/6/p", 3, 0, 48, 48, drawglass, false, "glass shard from the chapter-6 window"},
};

std::string fxpath(const fxfamily& f, int n) {
  if (f.count == 0) return f.prefix;
  return std::string(f.prefix) + std::to_string(n) + ".png";
}

}  // namespace

void forgepictures_effects() {
  for (const fxfamily& f : fxfamilies) {
    int first = f.count == 0 ? 0 : 1, last = f.count;
    for (int n = first; n <= last; n++) {
      cairo_t* cr = artnew(f.w, f.h);
      f.draw(cr, f.w, f.h, f.count == 0 ? f.variant : n);
      if (f.light)
        savelight(cr, fxpath(f, n));
      else
        artsave(cr, fxpath(f, n));
    }
  }
}

std::vector<pictureentry> manifest_effects() {
  std::vector<pictureentry> all;
  for (const fxfamily& f : fxfamilies) {
    int first = f.count == 0 ? 0 : 1, last = f.count;
    for (int n = first; n <= last; n++) all.push_back({fxpath(f, n), f.w, f.h, f.role});
  }
  return all;
}
