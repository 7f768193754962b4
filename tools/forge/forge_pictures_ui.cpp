// The shell's and the progression screens' pictures: pointer, logo, menu, buttons, popups,
// loading bar, backgrounds, adventure map, shop, journey map and the splash pages.
// One table lists every picture with its size; each kind has one parameterised routine.
#include "tools/forge/forge.h"
#include "tools/forge/forge_pictures_ui_kit.h"
#include <cairo.h>
#include <cmath>
#include <cstring>

using namespace uikit;

// Routines of the other two files of this family.
bool drawuiscene(cairo_t* cr, const std::string& kind, int param, int w, int h);  // forge_pictures_ui_scenes.cpp
bool drawuimap(cairo_t* cr, const std::string& kind, int param, int w, int h);    // forge_pictures_ui_map.cpp

namespace uikit {
// The word "Morgavelle" in the round face, gold to pumpkin, under a thick ink outline.
void logotext(cairo_t* cr, double cx, double cy, double maxw, double size) {
  artfont(cr, "round", size);
  double tw = arttextwidth(cr, "Morgavelle");
  if (tw > maxw) {
    size *= maxw / tw;
    artfont(cr, "round", size);
  }
  cairo_text_extents_t e;
  cairo_text_extents(cr, "Morgavelle", &e);
  double tx = cx - (e.x_bearing + e.width / 2), ty = cy - (e.y_bearing + e.height / 2);
  cairo_new_path(cr);
  cairo_move_to(cr, tx, ty);
  cairo_text_path(cr, "Morgavelle");
  cairo_path_t* path = cairo_copy_path(cr);
  // drop shadow
  cairo_save(cr);
  cairo_translate(cr, 4, 8);
  cairo_new_path(cr);
  cairo_append_path(cr, path);
  artsetcolor(cr, pal::ink, 0.5);
  cairo_set_line_width(cr, size * 0.16);
  cairo_stroke_preserve(cr);
  cairo_fill(cr);
  cairo_restore(cr);
  cairo_new_path(cr);
  cairo_append_path(cr, path);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, size * 0.16);
  cairo_stroke_preserve(cr);
  artsetcolor(cr, pal::purple);
  cairo_set_line_width(cr, size * 0.07);
  cairo_stroke_preserve(cr);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, cy + e.y_bearing * 0.55, 0, cy - e.y_bearing * 0.55);
  rgb hi = artshade(pal::gold, 1.5);
  cairo_pattern_add_color_stop_rgb(g, 0, hi.r, hi.g, hi.b);
  cairo_pattern_add_color_stop_rgb(g, 0.45, pal::gold.r, pal::gold.g, pal::gold.b);
  cairo_pattern_add_color_stop_rgb(g, 1, pal::pumpkin.r, pal::pumpkin.g * 0.85, pal::pumpkin.b);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  // a glossy streak across the upper half of the letters
  cairo_save(cr);
  cairo_new_path(cr);
  cairo_append_path(cr, path);
  cairo_clip(cr);
  cairo_rectangle(cr, 0, cy - e.height * 0.55, cx * 2 + 100, e.height * 0.28);
  artsetcolor(cr, rgb{1, 1, 1}, 0.28);
  cairo_fill(cr);
  cairo_restore(cr);
  cairo_path_destroy(path);
}

}  // namespace uikit

namespace {

struct uipic {
  std::string path;
  int w, h;
  std::string role;
  std::string kind;
  int param;
};

std::vector<uipic> uitable() {
  std::vector<uipic> t = {
      // Pointer and title logo (loaded at start-up).
      {"ui/cursor.png", 38, 50, "game pointer, tip at the top-left", "cursor", 0},
      {"ui/cursordot.png", 16, 16, "dot pointer", "dot", 0},
      {"ui/logo.png", 660, 250, "title logo on the loading screen", "logo", 0},
      {"ui/glow.png", 760, 330, "logo glow, map frontier glow", "glow", 0},
      {"ui/coll.png", 4, 4, "pointer hit shape, fine", "coll", 4},
      {"ui/coll2.png", 8, 8, "pointer hit shape, story objects", "coll", 8},
      {"ui/coll3.png", 16, 16, "pointer hit shape, forgiving", "coll", 16},
      // Widgets kept for the whole run.
      {"ui/field.png", 212, 64, "info panel on the map bars and the game", "field", 0},
      {"ui/solitairehelplines.png", 200, 80, "help page arrows between card stacks", "helplines", 0},
      {"ui/tooltip.png", 440, 86, "speech bubble and shop tooltip", "tooltip", 0},
      {"ui/quickhelpsign.png", 420, 124, "hint panel and paused sign", "hintpanel", 0},
      {"ui/popupmedium.png", 560, 530, "popup panel", "popup", 0},
      {"ui/headlinesmall.png", 360, 78, "popup title plate", "headplate", 0},
      {"ui/optionstrack.png", 300, 30, "options volume track", "track", 0},
      {"ui/cb.png", 34, 34, "options check box", "checkbox", 0},
      {"ui/h.png", 40, 38, "options tick", "tick", 0},
      {"ui/black.png", 200, 200, "popup backdrop tile [cut]", "black", 0},
      {"ui/button1.png", 300, 92, "main menu big button", "button", 1},
      {"ui/button2.png", 230, 76, "main menu corner button", "button", 2},
      {"ui/button3.png", 160, 62, "popup button", "button", 3},
      {"ui/button4.png", 160, 62, "popup confirm button", "button", 4},
      {"ui/button5.png", 40, 44, "options slider knob", "button", 5},
      {"ui/button6.png", 48, 48, "left arrow button", "button", 6},
      {"ui/button7.png", 48, 48, "right arrow button", "button", 7},
      {"ui/button8.png", 210, 54, "players button on the welcome sign", "button", 8},
      {"texts/button9.png", 62, 46, "shop buy button", "button", 9},
      {"ui/button10.png", 140, 42, "small teal button", "button", 10},
      {"ui/button11.png", 150, 48, "map main menu button", "button", 11},
      {"ui/button12.png", 220, 66, "map and shop big button", "button", 12},
      {"map/arrowleft.png", 62, 56, "map page arrow left", "button", 13},
      {"map/arrowright.png", 62, 56, "map page arrow right", "button", 14},
      {"ui/button15.png", 140, 42, "small purple button", "button", 15},
      // Main menu.
      {"ui/welcomesign.png", 460, 230, "welcome sign", "welcome", 0},
      {"ui/rope.png", 22, 480, "rope the menu hangs from, running off the top of the screen [cut]", "rope", 0},
      {"ui/scores2.png", 450, 300, "hall of fame table", "scores", 0},
      {"ui/scoresbar.png", 440, 32, "hall of fame row bar", "rowbar", 1},
      {"ui/createplayer.png", 330, 56, "name entry field", "namefield", 0},
      {"ui/playermenu.png", 490, 336, "player list background", "playerlist", 0},
      {"ui/bar.png", 470, 26, "player list highlight", "rowbar", 2},
      // Loading bar.
      {"ui/loadfill.png", 260, 20, "loading bar fill, 130 frames of 2 x 20 [cut]", "loadfill", 0},
      {"ui/loadbar.png", 300, 120, "loading bar frame", "loadbar", 0},
      {"ui/loadover.png", 44, 44, "loading bar head", "loadover", 0},
      // Title background.
      {"bg/titlebg/skya.jpg", 1000, 768, "title sky, left", "sky", 0},
      {"bg/titlebg/skyb.jpg", 1000, 768, "title sky, right", "sky", 1},
      {"bg/titlebg/c1.png", 460, 170, "title cloud", "cloud", 1},
      {"bg/titlebg/c2.png", 380, 140, "title cloud", "cloud", 2},
      {"bg/titlebg/c3.png", 320, 120, "title cloud", "cloud", 3},
      {"bg/titlebg/c4.png", 520, 180, "title cloud", "cloud", 4},
      {"bg/titlebg/e2a.png", 1000, 768, "title hills, far left [cut]", "far", 0},
      {"bg/titlebg/e2b.png", 1100, 768, "title hills with the mansion [cut]", "far", 1},
      {"bg/titlebg/e3a.png", 1000, 768, "title graveyard, near [cut]", "near", 0},
      {"bg/titlebg/e3b.png", 1000, 768, "title graveyard, near [cut]", "near", 1},
      {"bg/titlebg/e3c.png", 800, 768, "title graveyard, near [cut]", "near", 2},
  };
  for (int i = 1; i <= 20; i++)
    t.push_back({"bg/titlebg/l" + std::to_string(i) + ".png", 32, 40, "title mansion window light", "light", i});
  for (int i = 1; i <= 9; i++)
    t.push_back({"bg/bg" + std::to_string(i) + ".jpg", 1366, 768, "game and map background", "gamebg", i});
  t.push_back({"branding/logo1.png", 1366, 768, "splash page: studio", "splash", 1});
  t.push_back({"branding/logo2.jpg", 1366, 768, "splash page: game title", "splash", 2});
  // Shop.
  t.push_back({"shop/shopbg.jpg", 1366, 768, "shop background", "shopbg", 0});
  t.push_back({"shop/field.png", 136, 200, "shop item field", "shopfield", 0});
  t.push_back({"shop/panel.png", 150, 42, "shop price panel", "shoppanel", 0});
  t.push_back({"shop/headlinefield.png", 260, 58, "shop headline field", "shophead", 0});
  // Adventure map.
  for (int i = 0; i <= 4; i++)
    t.push_back({"map/mapstar2" + std::to_string(i) + ".png", 40, 40, "level marker", "marker", i});
  t.push_back({"map/mapstory.png", 56, 56, "story level marker", "mapstory", 0});
  t.push_back({"map/map-ui-down.png", 1366, 104, "map bottom bar [cut]", "bardown", 0});
  t.push_back({"map/map-ui-up.png", 1366, 96, "map top bar [cut]", "barup", 0});
  t.push_back({"map/stage.png", 284, 164, "stage card shadow", "stageshadow", 0});
  t.push_back({"map/selector.png", 22, 22, "page dot", "selector", 0});
  t.push_back({"map/selector-full.png", 22, 22, "current page dot", "selector", 1});
  for (int i = 1; i <= 9; i++)
    t.push_back({"map/map-pic" + std::to_string(i) + ".png", 260, 140, "stage card picture", "mappic", i});
  t.push_back({"map/mapsign.png", 236, 46, "stage title sign", "mapsign", 0});
  t.push_back({"map/hook.png", 84, 72, "stage done check mark", "hook", 0});
  // Journey map overlay.
  t.push_back({"story/maproll.png", 200, 768, "journey map rolled up", "roll", 0});
  t.push_back({"story/mapleft.png", 120, 768, "journey map left roll, joins the sheet [cut]", "sheetend", 0});
  t.push_back({"story/mapright.png", 120, 768, "journey map right roll, joins the sheet [cut]", "sheetend", 1});
  t.push_back({"story/mapmiddle.png", 900, 768, "journey map sheet [cut]", "sheet", 0});
  t.push_back({"story/paper.png", 440, 500, "journey note paper", "paper", 0});
  for (int j = 1; j <= 27; j++)
    t.push_back({"story/mark" + std::to_string(j) + ".png", 44, 44, "journey place mark", "mark", j});
  t.push_back({"story/arrow.png", 44, 84, "journey position arrow", "arrow", 0});
  t.push_back({"story/zombies.png", 120, 76, "journey zombie horde", "horde", 0});
  t.push_back({"story/maprollsmall.png", 150, 70, "small map roll on the map", "rollsmall", 0});
  t.push_back({"story/maprollsmall2.png", 150, 70, "small map roll, glowing", "rollsmall", 1});
  return t;
}

// ---- pointer, logo, hit shapes -------------------------------------------------------------

void drawcursor(cairo_t* cr) {
  // A chunky pumpkin-orange arrow. The picture's top-left corner is the hot spot (the game
  // draws it 19, 25 off the mouse); the tip sits at (3, 3) so its outline stays inside.
  cairo_new_path(cr);
  cairo_move_to(cr, 3, 3);
  cairo_line_to(cr, 3, 39);
  cairo_line_to(cr, 12, 31);
  cairo_line_to(cr, 19, 46);
  cairo_line_to(cr, 26, 43);
  cairo_line_to(cr, 19, 29);
  cairo_line_to(cr, 31, 28);
  cairo_close_path(cr);
  cairo_save(cr);
  cairo_path_t* shape = cairo_copy_path(cr);
  artsoft(cr, 0, 0.9, 1.2, 1.2, pal::ink, 0.35);
  cairo_append_path(cr, shape);
  cairo_path_destroy(shape);
  cairo_restore(cr);
  artfilloutline(cr, artshade(pal::pumpkin, 1.3), artshade(pal::pumpkin, 0.75), 3, 46, 3);
  cairo_move_to(cr, 7, 11);
  cairo_line_to(cr, 7, 27);
  artsetcolor(cr, rgb{1, 1, 1}, 0.6);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
}

void drawdot(cairo_t* cr) {
  artglow(cr, 8, 8, 8, pal::gold, 0.6);
  cairo_arc(cr, 8, 8, 3.5, 0, 2 * M_PI);
  artsetcolor(cr, pal::bone);
  cairo_fill_preserve(cr);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
}

void drawlogo(cairo_t* cr, int w, int h) {
  bat(cr, w * 0.16, h * 0.16, 1.3);
  bat(cr, w * 0.27, h * 0.08, 0.8);
  bat(cr, w * 0.9, h * 0.72, 0.9);
  logotext(cr, w / 2.0, h * 0.52, w - 60, 150);
  // A little spider dangling from the last letters.
  cairo_move_to(cr, w * 0.7, h * 0.62);
  cairo_line_to(cr, w * 0.7, h * 0.86);
  artsetcolor(cr, pal::bone, 0.8);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 2.5);
  for (int s = -1; s <= 1; s += 2)
    for (int k = 0; k < 3; k++) {
      cairo_move_to(cr, w * 0.7, h * 0.88);
      cairo_curve_to(cr, w * 0.7 + s * 8, h * 0.88 - 8 + k * 6, w * 0.7 + s * 12, h * 0.88 - 4 + k * 6,
                     w * 0.7 + s * 14, h * 0.88 + 4 + k * 5);
      cairo_stroke(cr);
    }
  cairo_arc(cr, w * 0.7, h * 0.885, 7, 0, 2 * M_PI);
  cairo_fill(cr);
  artsetcolor(cr, pal::bone);
  cairo_arc(cr, w * 0.7 - 2.5, h * 0.875, 1.6, 0, 2 * M_PI);
  cairo_arc(cr, w * 0.7 + 2.5, h * 0.875, 1.6, 0, 2 * M_PI);
  cairo_fill(cr);
}

void drawglow(cairo_t* cr, int w, int h) {
  cairo_save(cr);
  cairo_translate(cr, w / 2.0, h / 2.0);
  cairo_scale(cr, w / double(h), 1);
  cairo_pattern_t* g = cairo_pattern_create_radial(0, 0, 0, 0, 0, h / 2.0);
  cairo_pattern_add_color_stop_rgba(g, 0, 1.0, 0.85, 0.4, 0.75);
  cairo_pattern_add_color_stop_rgba(g, 0.4, pal::pumpkin.r, pal::pumpkin.g, pal::pumpkin.b, 0.4);
  cairo_pattern_add_color_stop_rgba(g, 0.75, pal::plum.r, pal::plum.g, pal::plum.b, 0.15);
  cairo_pattern_add_color_stop_rgba(g, 1, pal::plum.r, pal::plum.g, pal::plum.b, 0);
  cairo_set_source(cr, g);
  cairo_paint(cr);
  cairo_pattern_destroy(g);
  cairo_restore(cr);
  // soft rays
  prng rnd(77);
  for (int i = 0; i < 16; i++) {
    double a = i * M_PI / 8 + rnd.range(-0.1, 0.1);
    cairo_save(cr);
    cairo_translate(cr, w / 2.0, h / 2.0);
    cairo_scale(cr, w / double(h), 1);
    cairo_move_to(cr, 0, 0);
    cairo_arc(cr, 0, 0, h * 0.48, a - 0.07, a + 0.07);
    cairo_close_path(cr);
    cairo_pattern_t* g2 = cairo_pattern_create_radial(0, 0, 0, 0, 0, h * 0.48);
    cairo_pattern_add_color_stop_rgba(g2, 0, 1, 0.9, 0.5, 0.25);
    cairo_pattern_add_color_stop_rgba(g2, 1, 1, 0.9, 0.5, 0);
    cairo_set_source(cr, g2);
    cairo_fill(cr);
    cairo_pattern_destroy(g2);
    cairo_restore(cr);
  }
}

// ---- widgets --------------------------------------------------------------------------------

void drawbutton(cairo_t* cr, int style, int w, int h) {
  double m = 6;  // room for the shadow
  auto arrowshape = [&](double cx, double cy, double s, int dir) {
    cairo_new_path(cr);
    cairo_move_to(cr, cx + dir * s, cy);
    cairo_line_to(cr, cx - dir * s * 0.6, cy - s);
    cairo_line_to(cr, cx - dir * s * 0.6, cy + s);
    cairo_close_path(cr);
    artsetcolor(cr, pal::bone);
    cairo_fill_preserve(cr);
    artsetcolor(cr, pal::ink);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
  };
  auto roundbutton = [&](rgb base) {
    double r = std::fmin(w, h) / 2.0 - 6;
    cairo_arc(cr, w / 2.0, h / 2.0, r, 0, 2 * M_PI);
    artsoft(cr, 0, 1.25, 0, 2, pal::ink, 0.5);
    cairo_arc(cr, w / 2.0, h / 2.0 + 2, r, 0, 2 * M_PI);
    artsetcolor(cr, artshade(base, 0.45));
    cairo_fill(cr);
    cairo_arc(cr, w / 2.0, h / 2.0, r - 1, 0, 2 * M_PI);
    artfilloutline(cr, artshade(base, 1.35), artshade(base, 0.8), h / 2.0 - r, h / 2.0 + r, 0);
    cairo_save(cr);
    cairo_translate(cr, w / 2.0, h / 2.0 - r * 0.45);
    cairo_scale(cr, 1, 0.55);
    cairo_arc(cr, 0, 0, r * 0.65, 0, 2 * M_PI);
    cairo_restore(cr);
    artsetcolor(cr, rgb{1, 1, 1}, 0.3);
    cairo_fill(cr);
    cairo_arc(cr, w / 2.0, h / 2.0, r, 0, 2 * M_PI);
    artsetcolor(cr, pal::ink);
    cairo_set_line_width(cr, 3.5);
    cairo_stroke(cr);
  };
  switch (style) {
    case 1: {  // the big play button: pumpkin orange with bat-wing tips
      pill(cr, m + 8, m, w - 2 * m - 16, h - 2 * m, pal::pumpkin, 5);
      for (int s = -1; s <= 1; s += 2) {
        double x0 = s < 0 ? m + 10 : w - m - 10;
        cairo_move_to(cr, x0, h * 0.35);
        cairo_curve_to(cr, x0 + s * 8, h * 0.3, x0 + s * 8, h * 0.5, x0 + s * 4, h * 0.55);
        cairo_curve_to(cr, x0 + s * 8, h * 0.62, x0 + s * 6, h * 0.7, x0, h * 0.7);
        artsetcolor(cr, pal::purple);
        cairo_fill_preserve(cr);
        artsetcolor(cr, pal::ink);
        cairo_set_line_width(cr, 2.5);
        cairo_stroke(cr);
      }
      rivet(cr, m + 30, h / 2.0 - 2, 5);
      rivet(cr, w - m - 30, h / 2.0 - 2, 5);
      break;
    }
    case 2: pill(cr, m, m, w - 2 * m, h - 2 * m, pal::plum, 4.5); break;
    case 3: pill(cr, m, m, w - 2 * m, h - 2 * m, pal::teal, 4); break;
    case 4: pill(cr, m, m, w - 2 * m, h - 2 * m, artmix(pal::pumpkin, pal::blood, 0.35), 4); break;
    case 5: {  // slider knob: a little pumpkin-coloured bead
      roundbutton(pal::gold);
      cairo_move_to(cr, w / 2.0 - 5, h / 2.0 - 8);
      cairo_line_to(cr, w / 2.0 - 5, h / 2.0 + 8);
      cairo_move_to(cr, w / 2.0 + 5, h / 2.0 - 8);
      cairo_line_to(cr, w / 2.0 + 5, h / 2.0 + 8);
      artsetcolor(cr, pal::ink, 0.6);
      cairo_set_line_width(cr, 2.5);
      cairo_stroke(cr);
      break;
    }
    case 6:
    case 7:
      roundbutton(pal::teal);
      arrowshape(w / 2.0 + (style == 6 ? -1 : 1), h / 2.0, 10, style == 6 ? -1 : 1);
      break;
    case 8: pill(cr, m, m, w - 2 * m, h - 2 * m, pal::teal, 4); break;
    case 9: {  // buy: a gold button with a plus coin
      pill(cr, 5, 3, w - 10, h - 10, pal::moss, 3.5, 5);
      double cx = w / 2.0, cy = 3 + (h - 15) / 2.0;
      cairo_arc(cr, cx, cy, 12, 0, 2 * M_PI);
      artfilloutline(cr, artshade(pal::gold, 1.3), artshade(pal::gold, 0.75), cy - 12, cy + 12, 2.5);
      cairo_move_to(cr, cx - 6, cy);
      cairo_line_to(cr, cx + 6, cy);
      cairo_move_to(cr, cx, cy - 6);
      cairo_line_to(cr, cx, cy + 6);
      artsetcolor(cr, pal::ink);
      cairo_set_line_width(cr, 3);
      cairo_stroke(cr);
      break;
    }
    case 10: pill(cr, 5, 4, w - 10, h - 10, pal::teal, 3.5, 4); break;
    case 11:  // the menu button of the top bars stands 130 pixels right of the centred heading,
              // whose longest line ends 5 pixels right of the screen's middle: a face 126 wide
              // keeps ten pixels clear of it
      pill(cr, (w - 126) / 2.0, 4, 126, h - 10, pal::plum, 4, 4);
      break;
    case 12: pill(cr, m, m, w - 2 * m, h - 2 * m, pal::pumpkin, 4.5); break;
    case 13:
    case 14:
      roundbutton(pal::pumpkin);
      arrowshape(w / 2.0 + (style == 13 ? -2 : 2), h / 2.0, 12, style == 13 ? -1 : 1);
      break;
    case 15:  // the small purple pair (end / go on, close / next) stands 120 pixels apart: each
              // face is 110 wide (114 with its outline) so the two never touch, and still holds
              // a 95-pixel caption
      pill(cr, (w - 110) / 2.0, 4, 110, h - 10, pal::plum, 3.5, 4);
      break;
    default: pill(cr, 5, 4, w - 10, h - 10, pal::plum, 3.5, 4); break;
  }
}

void drawfield(cairo_t* cr, int w, int h) {
  // The info plaque on the map bars: two lines of small text (label left, value right) over
  // a slate, a groove between them, rivets at the ends and a small bat on the top rail.
  board(cr, 5, 4, w - 10, h - 14, 14, artmix(pal::purple, pal::night, 0.4), 5100);
  double cy = 4 + (h - 14) / 2.0;
  cairo_move_to(cr, 22, cy + 1);
  cairo_line_to(cr, w - 22, cy + 1);
  artsetcolor(cr, pal::ink, 0.55);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  cairo_move_to(cr, 22, cy + 2.5);
  cairo_line_to(cr, w - 22, cy + 2.5);
  artsetcolor(cr, pal::plum, 0.4);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  rivet(cr, 13, cy, 3.5);
  rivet(cr, w - 13, cy, 3.5);
  bat(cr, w / 2.0, 8, 0.32);
}

void drawhelplines(cairo_t* cr, int w, int h) {
  // Two curved dashed arrows: "this card goes there".
  double dash[] = {10, 7};
  for (int k = 0; k < 2; k++) {
    double y0 = h * (0.35 + 0.35 * k);
    cairo_set_dash(cr, dash, 2, k * 4);
    cairo_move_to(cr, 14, y0);
    cairo_curve_to(cr, w * 0.35, y0 - 26 + 10 * k, w * 0.65, y0 - 26 + 10 * k, w - 30, y0);
    artsetcolor(cr, pal::ink);
    cairo_set_line_width(cr, 7);
    cairo_stroke_preserve(cr);
    artsetcolor(cr, k ? pal::mint : pal::gold);
    cairo_set_line_width(cr, 3.5);
    cairo_stroke(cr);
    cairo_set_dash(cr, nullptr, 0, 0);
    cairo_move_to(cr, w - 10, y0 + 2);
    cairo_line_to(cr, w - 32, y0 - 10);
    cairo_line_to(cr, w - 28, y0 + 12);
    cairo_close_path(cr);
    artsetcolor(cr, k ? pal::mint : pal::gold);
    cairo_fill_preserve(cr);
    artsetcolor(cr, pal::ink);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
  }
}

void drawtooltip(cairo_t* cr, int w, int h) {
  // Body and tail are outlined first and filled afterwards, so the seam between them vanishes.
  double x = 8, y = 6, bw = w - 16, bh = h - 26;
  auto body = [&]() { artroundrect(cr, x, y, bw, bh, 24); };
  auto tail = [&]() {
    cairo_new_path(cr);
    cairo_move_to(cr, w * 0.40, y + bh - 8);
    cairo_curve_to(cr, w * 0.40, y + bh + 6, w * 0.37, h - 10, w * 0.33, h - 7);
    cairo_curve_to(cr, w * 0.41, h - 10, w * 0.47, y + bh + 4, w * 0.50, y + bh - 8);
    cairo_close_path(cr);
  };
  softshadow(cr, x, y, bw, bh, 24, 0.45, 5);
  for (int pass = 0; pass < 2; pass++) {
    body();
    artsetcolor(cr, pass ? pal::bone : pal::ink);
    cairo_set_line_width(cr, pass ? 5 : 9);
    cairo_stroke(cr);
    tail();
    cairo_set_line_width(cr, pass ? 5 : 9);
    cairo_stroke(cr);
  }
  rgb top = artmix(pal::night, pal::purple, 0.5), bottom = artshade(pal::night, 0.7);
  body();
  artfilloutline(cr, top, bottom, y, y + bh, 0);
  tail();
  artsetcolor(cr, bottom);
  cairo_fill(cr);
  artroundrect(cr, x + 14, y + 6, bw - 28, 12, 6);
  artsetcolor(cr, rgb{1, 1, 1}, 0.1);
  cairo_fill(cr);
}

void drawhintpanel(cairo_t* cr, int w, int h) {
  // The hint and pause panel: its words fill the middle (a headline 40 pixels above the
  // centre, three lines below it), so the decoration keeps to the rim: faint stars, a row of
  // tiny graves along the foot and a friendly ghost peeking over the top-right corner.
  panel(cr, 8, 6, w - 16, h - 16, 26, artmix(pal::night, pal::teal, 0.25), artshade(pal::night, 0.55), pal::plum, 5);
  cairo_save(cr);
  artroundrect(cr, 22, 20, w - 44, h - 44, 16);
  cairo_clip(cr);
  prng rnd(902);
  for (int i = 0; i < 30; i++) {
    artsetcolor(cr, pal::bone, rnd.range(0.06, 0.22));
    cairo_arc(cr, rnd.range(26, w - 26), rnd.range(24, h - 30), rnd.range(0.7, 1.5), 0, 2 * M_PI);
    cairo_fill(cr);
  }
  cairo_push_group(cr);
  hill(cr, w, h, h - 28, 5, 0.4, 50, pal::night, pal::night, 0);
  tombstone(cr, 50, h - 24, 0.3, -6, 0);
  tombstone(cr, 70, h - 25, 0.25, 5, 1);
  tombstone(cr, w - 56, h - 24, 0.3, 4, 2);
  cairo_pop_group_to_source(cr);
  cairo_paint_with_alpha(cr, 0.55);
  cairo_restore(cr);
  cobweb(cr, 18, 16, 34, 0);
  ghost(cr, w - 46, 26, 0.36);
}

void drawpopup(cairo_t* cr, int w, int h) {
  panel(cr, 8, 12, w - 16, h - 24, 34, artmix(pal::purple, pal::night, 0.35), artshade(pal::night, 0.45),
        artmix(pal::gold, pal::pumpkin, 0.45));
  // Faint tombstones and a hill along the bottom of the face give the panel a setting.
  cairo_save(cr);
  artroundrect(cr, 22, 26, w - 44, h - 52, 24);
  cairo_clip(cr);
  cairo_push_group(cr);
  hill(cr, w, h - 26, h - 70, 14, 0.7, 70, pal::night, pal::night, 0);
  tombstone(cr, 60, h - 62, 0.6, -6, 0);
  tombstone(cr, w - 70, h - 66, 0.55, 5, 1);
  tombstone(cr, w - 110, h - 60, 0.45, -3, 0);
  cairo_pop_group_to_source(cr);
  cairo_paint_with_alpha(cr, 0.45);
  prng rnd(901);
  for (int i = 0; i < 40; i++) {
    artsetcolor(cr, pal::bone, rnd.range(0.05, 0.25));
    cairo_arc(cr, rnd.range(30, w - 30), rnd.range(60, h * 0.6), rnd.range(0.8, 1.8), 0, 2 * M_PI);
    cairo_fill(cr);
  }
  cairo_restore(cr);
  cobweb(cr, 22, 26, 60, 0);
  cobweb(cr, w - 22, 26, 60, 1);
  for (int i = 0; i < 4; i++) rivet(cr, i % 2 ? w - 18 : 18, i / 2 ? h - 22 : 22, 5);
}

void drawheadplate(cairo_t* cr, int w, int h) {
  // A ribbon banner: tails behind, plate in front. Drawn for a 78-pixel plate and scaled down
  // in height for smaller ones, so every part keeps its place relative to the title line.
  double k = h / 78.0;
  for (int s = -1; s <= 1; s += 2) {
    double x0 = s < 0 ? 5 : w - 5, xi = s < 0 ? 44 : w - 44;
    cairo_move_to(cr, xi, 22 * k);
    cairo_line_to(cr, x0, 26 * k);
    cairo_line_to(cr, x0 + -s * 14, 44 * k);
    cairo_line_to(cr, x0, 62 * k);
    cairo_line_to(cr, xi, 58 * k);
    cairo_close_path(cr);
    artfilloutline(cr, artshade(pal::pumpkin, 0.85), artshade(pal::pumpkin, 0.55), 22 * k, 62 * k, 3.5);
  }
  double x = 26, y = 8 * k, pw = w - 52, ph = h - 22 * k;
  softshadow(cr, x, y, pw, ph, 18 * k, 0.4, 11 * k);
  artroundrect(cr, x, y, pw, ph, 18 * k);
  artfilloutline(cr, artshade(pal::plum, 1.15), artshade(pal::purple, 0.7), y, y + ph, 4);
  artroundrect(cr, x + 7, y + 6 * k, pw - 14, ph - 12 * k, 12 * k);
  artsetcolor(cr, pal::gold, 0.8);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  artroundrect(cr, x + 14, y + 9 * k, pw - 28, ph * 0.3, 8 * k);
  artsetcolor(cr, rgb{1, 1, 1}, 0.12);
  cairo_fill(cr);
}

void drawtrack(cairo_t* cr, int w, int h) {
  artroundrect(cr, 4, h / 2.0 - 8, w - 8, 16, 8);
  artfilloutline(cr, artshade(pal::night, 0.5), artshade(pal::purple, 0.9), h / 2.0 - 8, h / 2.0 + 8, 3);
  cairo_pattern_t* g = cairo_pattern_create_linear(12, 0, w - 12, 0);
  cairo_pattern_add_color_stop_rgba(g, 0, pal::teal.r, pal::teal.g, pal::teal.b, 0.8);
  cairo_pattern_add_color_stop_rgba(g, 1, pal::pumpkin.r, pal::pumpkin.g, pal::pumpkin.b, 0.9);
  artroundrect(cr, 10, h / 2.0 - 3, w - 20, 6, 3);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  for (int i = 0; i <= 8; i++) {
    double x = 10 + (w - 20) * i / 8.0;
    cairo_move_to(cr, x, h / 2.0 + 9);
    cairo_line_to(cr, x, h / 2.0 + 13);
  }
  artsetcolor(cr, pal::bone, 0.6);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
}

void drawcheckbox(cairo_t* cr, int w, int h) {
  artroundrect(cr, 3, 3, w - 6, h - 6, 8);
  artfilloutline(cr, artshade(pal::bone, 0.95), artshade(pal::bone, 0.7), 3, h - 3, 3.5);
  artroundrect(cr, 8, 8, w - 16, h - 16, 5);
  artfilloutline(cr, artshade(pal::night, 0.6), artshade(pal::purple, 0.8), 8, h - 8, 0);
}

void drawtick(cairo_t* cr, int w, int h) {
  // The stroke is 11 pixels wide: every end stays 7 pixels inside the picture.
  cairo_move_to(cr, 7, h * 0.55);
  cairo_line_to(cr, w * 0.38, h - 8);
  cairo_curve_to(cr, w * 0.55, h * 0.5, w * 0.7, h * 0.27, w - 7, 7);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 11);
  cairo_stroke_preserve(cr);
  artsetcolor(cr, artshade(pal::mint, 1.1));
  cairo_set_line_width(cr, 5.5);
  cairo_stroke(cr);
}

void drawwelcome(cairo_t* cr, int w, int h) {
  // A wooden sign board with a carved pumpkin crest, hanging from the two ropes.
  rgb wood{0.42, 0.25, 0.16};
  double x = 10, y = 40, bw = w - 20, bh = h - 52;
  softshadow(cr, x, y, bw, bh, 22, 0.55);
  artroundrect(cr, x, y, bw, bh, 22);
  artfilloutline(cr, artshade(wood, 1.25), artshade(wood, 0.7), y, y + bh, 5);
  // planks
  for (int i = 1; i < 4; i++) {
    double py = y + bh * i / 4.0;
    cairo_move_to(cr, x + 6, py);
    cairo_curve_to(cr, x + bw * 0.3, py + 3, x + bw * 0.7, py - 3, x + bw - 6, py);
  }
  artsetcolor(cr, pal::ink, 0.45);
  cairo_set_line_width(cr, 2.5);
  cairo_stroke(cr);
  prng rnd(55);
  cairo_save(cr);
  artroundrect(cr, x + 4, y + 4, bw - 8, bh - 8, 18);
  cairo_clip(cr);
  for (int i = 0; i < 26; i++) {
    double gx = rnd.range(x + 20, x + bw - 20), gy = rnd.range(y + 10, y + bh - 10);
    cairo_move_to(cr, gx, gy);
    cairo_line_to(cr, gx + rnd.range(12, 40), gy + rnd.range(-1, 1));
  }
  artsetcolor(cr, artshade(wood, 0.6), 0.6);
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
  cairo_restore(cr);
  // Inner dark field where the welcome line sits.
  artroundrect(cr, x + 28, y + 74, bw - 56, 56, 16);
  artfilloutline(cr, artmix(pal::purple, pal::night, 0.5), artshade(pal::night, 0.6), y + 74, y + 130, 3);
  for (int i = 0; i < 4; i++) rivet(cr, i % 2 ? x + bw - 16 : x + 16, i / 2 ? y + bh - 16 : y + 16, 5);
  // rope rings at the ropes' places (the ropes hang 70 pixels either side of the centre)
  for (int s = -1; s <= 1; s += 2) {
    cairo_arc(cr, w / 2.0 + s * 70, y + 6, 9, 0, 2 * M_PI);
    artsetcolor(cr, pal::ink);
    cairo_set_line_width(cr, 6);
    cairo_stroke_preserve(cr);
    artsetcolor(cr, pal::grey);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
  }
  // crest
  pumpkin(cr, w / 2.0, y + 44, 0.85, true);
  bat(cr, w / 2.0 - 120, y + 30, 0.9);
  bat(cr, w / 2.0 + 120, y + 30, 0.9);
  cobweb(cr, x + 6, y + 6, 46, 0);
}

void drawrope(cairo_t* cr, int w, int h) {
  cairo_rectangle(cr, w / 2.0 - 5, 0, 10, h);
  artfilloutline(cr, rgb{0.75, 0.6, 0.4}, rgb{0.55, 0.42, 0.28}, 0, h, 0);
  cairo_move_to(cr, w / 2.0 - 6, 0);
  cairo_line_to(cr, w / 2.0 - 6, h);
  cairo_move_to(cr, w / 2.0 + 6, 0);
  cairo_line_to(cr, w / 2.0 + 6, h);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 2.5);
  cairo_stroke(cr);
  for (double y = -4; y < h; y += 12) {  // twisted strands
    cairo_move_to(cr, w / 2.0 - 5, y);
    cairo_line_to(cr, w / 2.0 + 5, y + 9);
  }
  artsetcolor(cr, rgb{0.35, 0.24, 0.16});
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  // the knot at the bottom, clear of the picture's lower edge
  cairo_arc(cr, w / 2.0, h - 12, 8.5, 0, 2 * M_PI);
  artfilloutline(cr, rgb{0.75, 0.6, 0.4}, rgb{0.5, 0.38, 0.25}, h - 20, h - 3, 2.5);
}

void drawscores(cairo_t* cr, int w, int h) {
  // The hall of fame board, drawn 28 pixels below the popup's middle. The game writes eight
  // rows in the small font, row i's letters starting 135 - 35 i pixels above the popup's
  // middle; their ink (3 to 14 pixels into the line) has its middle 35 i - 4.5 pixels below
  // the board's top. Rank at x -193 from the middle,
  // name from -153, points right-aligned at +137, level right-aligned at +202. Each row gets
  // an engraved plaque centred on its letters and its rank a medal: gold, silver and bronze
  // for the first three. The frame is narrow so all eight plaques lie clear of it.
  double cx = w / 2.0;
  board(cr, 4, 3, w - 8, h - 9, 12, artmix(pal::night, pal::purple, 0.45), 5101, 5);
  for (int i = 1; i <= 8; i++) {
    double ry = 35 * i - 4.5;
    artroundrect(cr, 16, ry - 12, w - 32, 24, 8);
    artsetcolor(cr, i % 2 ? pal::plum : pal::purple, i % 2 ? 0.32 : 0.26);
    cairo_fill_preserve(cr);
    artsetcolor(cr, pal::ink, 0.45);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    rgb medal = i == 1 ? pal::gold : i == 2 ? rgb{0.78, 0.8, 0.86} : i == 3 ? rgb{0.82, 0.5, 0.28} : pal::plum;
    medallion(cr, cx - 193, ry, 11, medal);
  }
  // column dividers: name | points | level
  for (double dx : {68.0, 148.0}) {
    cairo_move_to(cr, cx + dx, 14);
    cairo_line_to(cr, cx + dx, h - 14);
  }
  artsetcolor(cr, pal::gold, 0.3);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
}

void drawrowbar(cairo_t* cr, int w, int h, int style) {
  rgb c = style == 1 ? pal::teal : pal::pumpkin;
  artroundrect(cr, 2, 2, w - 4, h - 4, (h - 4) / 2.0);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, w, 0);
  cairo_pattern_add_color_stop_rgba(g, 0, c.r, c.g, c.b, 0.1);
  cairo_pattern_add_color_stop_rgba(g, 0.15, c.r, c.g, c.b, 0.55);
  cairo_pattern_add_color_stop_rgba(g, 0.85, c.r, c.g, c.b, 0.55);
  cairo_pattern_add_color_stop_rgba(g, 1, c.r, c.g, c.b, 0.1);
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  artsetcolor(cr, artshade(c, 1.4), 0.7);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
}

void drawnamefield(cairo_t* cr, int w, int h) {
  // The name entry: a recessed writing slot; the typed name starts 140 pixels left of the
  // middle, and a quill rests at the right end, clear of the longest name.
  softshadow(cr, 5, 4, w - 10, h - 12, 16, 0.45, 4);
  artroundrect(cr, 5, 4, w - 10, h - 12, 16);
  artfilloutline(cr, rgb{0.5, 0.32, 0.22}, rgb{0.3, 0.18, 0.12}, 4, h - 8, 3.5);
  artroundrect(cr, 12, 10, w - 24, h - 24, 10);
  artfilloutline(cr, artshade(pal::night, 0.4), artshade(pal::purple, 0.55), 10, h - 14, 2.5);
  artroundrect(cr, 14, 12, w - 28, 7, 4);  // the slot's inner shadow along its top
  artsetcolor(cr, rgb{0, 0, 0}, 0.3);
  cairo_fill(cr);
  artroundrect(cr, 16, 14, w - 32, h - 32, 8);
  artsetcolor(cr, pal::gold, 0.5);
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
  // the quill, dipped in ink
  double qx = w - 52, qy = h / 2.0 - 2;
  cairo_move_to(cr, qx - 10, qy + 10);
  cairo_curve_to(cr, qx + 4, qy - 2, qx + 18, qy - 12, qx + 30, qy - 16);
  cairo_curve_to(cr, qx + 22, qy - 4, qx + 10, qy + 4, qx - 8, qy + 12);
  cairo_close_path(cr);
  artfilloutline(cr, pal::bone, artshade(pal::bone, 0.7), qy - 16, qy + 12, 2);
  cairo_move_to(cr, qx - 10, qy + 10);
  cairo_line_to(cr, qx - 16, qy + 14);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 2.5);
  cairo_stroke(cr);
  for (int k = 0; k < 4; k++) {
    cairo_move_to(cr, qx + 2 + k * 6, qy + 3 - k * 4);
    cairo_line_to(cr, qx + 6 + k * 6, qy - 4 - k * 4);
  }
  artsetcolor(cr, artshade(pal::bone, 0.6));
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  rivet(cr, 14, h / 2.0 - 3, 2.5);
}

void drawplayerlist(cairo_t* cr, int w, int h) {
  // The player list board. The game writes up to twelve rows 26 pixels apart, row r centred
  // 169 - 26 r pixels above the middle; the name from 231 left of the middle, the level from
  // 36 left, the points right-aligned 229 right. Alternate rows carry a plaque; two dividers
  // part the columns.
  double cx = w / 2.0, cy = h / 2.0;
  board(cr, 3, 4, w - 6, h - 10, 16, artmix(pal::night, pal::purple, 0.45), 5102);
  for (int r = 1; r <= 12; r++) {
    double ry = cy - 169 + 26 * r;
    if (r % 2 == 0) continue;
    artroundrect(cr, 12, ry - 12, w - 24, 24, 8);
    artsetcolor(cr, pal::plum, 0.28);
    cairo_fill(cr);
  }
  for (double dx : {-46.0, 98.0}) {
    cairo_move_to(cr, cx + dx, 16);
    cairo_line_to(cr, cx + dx, h - 18);
  }
  artsetcolor(cr, pal::gold, 0.28);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
}

void drawloadfill(cairo_t* cr, int w, int h) {
  // 130 two-pixel columns: the whole strip is one gradient bar, cut into frames by the game.
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, w, 0);
  cairo_pattern_add_color_stop_rgb(g, 0, pal::teal.r, pal::teal.g, pal::teal.b);
  cairo_pattern_add_color_stop_rgb(g, 0.5, pal::mint.r, pal::mint.g, pal::mint.b);
  cairo_pattern_add_color_stop_rgb(g, 1, pal::pumpkin.r, pal::pumpkin.g, pal::pumpkin.b);
  cairo_rectangle(cr, 0, 2, w, h - 4);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  cairo_pattern_t* v = cairo_pattern_create_linear(0, 0, 0, h);
  cairo_pattern_add_color_stop_rgba(v, 0, 1, 1, 1, 0.5);
  cairo_pattern_add_color_stop_rgba(v, 0.4, 1, 1, 1, 0.05);
  cairo_pattern_add_color_stop_rgba(v, 1, 0, 0, 0, 0.35);
  cairo_rectangle(cr, 0, 2, w, h - 4);
  cairo_set_source(cr, v);
  cairo_fill(cr);
  cairo_pattern_destroy(v);
}

void drawloadbar(cairo_t* cr, int w, int h) {
  // The trough takes rows 15..35 and columns 24..282, where the game lays the fill.
  double tx = 18, ty = 9, tw = 270, th = 32;
  softshadow(cr, tx - 6, ty - 4, tw + 12, th + 8, 18, 0.5);
  artroundrect(cr, tx - 6, ty - 4, tw + 12, th + 8, 20);
  artfilloutline(cr, artmix(pal::gold, pal::pumpkin, 0.4), artshade(pal::pumpkin, 0.5), ty - 4, ty + th + 4, 4);
  artroundrect(cr, 22, 13, 264, 24, 12);
  artfilloutline(cr, artshade(pal::night, 0.35), artshade(pal::purple, 0.55), 13, 37, 2.5);
  // a little graveyard hanging under the bar
  tombstone(cr, 86, h - 12, 0.55, -7, 0);
  tombstone(cr, 112, h - 12, 0.42, 5, 2);
  tombstone(cr, 168, h - 12, 0.58, 3, 1);
  tombstone(cr, 226, h - 12, 0.5, 8, 0);
  pumpkin(cr, 40, h - 12, 0.6, true, 0.45);
  pumpkin(cr, w - 40, h - 12, 0.6, true, 0.45);
  bat(cr, 150, 66, 0.9);
}

void drawloadover(cairo_t* cr, int w, int h) {
  // A will-o'-the-wisp riding the front of the fill.
  artglow(cr, w / 2.0, h / 2.0, w / 2.0, pal::mint, 0.7);
  artglow(cr, w / 2.0, h / 2.0, w / 4.0, rgb{1, 1, 1}, 0.9);
  cairo_arc(cr, w / 2.0, h / 2.0, 4, 0, 2 * M_PI);
  artsetcolor(cr, rgb{1, 1, 1});
  cairo_fill(cr);
}

void drawshopfield(cairo_t* cr, int w, int h) {
  panel(cr, 6, 4, w - 12, h - 10, 18, artmix(pal::purple, pal::night, 0.3), artshade(pal::night, 0.55),
        artmix(pal::plum, pal::teal, 0.3));
  // card slot
  artroundrect(cr, w / 2.0 - 52, 14, 104, 150, 10);
  artsetcolor(cr, pal::ink, 0.35);
  cairo_fill(cr);
}

void drawshoppanel(cairo_t* cr, int w, int h) {
  artroundrect(cr, 3, 3, w - 6, h - 6, (h - 6) / 2.0);
  artfilloutline(cr, artshade(pal::bone, 0.95), artshade(pal::bone, 0.65), 3, h - 3, 3.5);
  artroundrect(cr, 8, 7, w - 16, h - 14, (h - 14) / 2.0);
  artfilloutline(cr, artshade(pal::purple, 0.9), artshade(pal::night, 0.6), 7, h - 7, 0);
}

void drawshophead(cairo_t* cr, int w, int h) {
  drawheadplate(cr, w, h);
}

void drawcoll(cairo_t* cr, int w, int h) {
  // Fully solid: the whole little square at the pointer's tip counts as a hit.
  cairo_rectangle(cr, 0, 0, w, h);
  cairo_set_source_rgba(cr, 1, 1, 1, 1);
  cairo_fill(cr);
}

void drawblack(cairo_t* cr, int w, int h) {
  cairo_rectangle(cr, 0, 0, w, h);
  artsetcolor(cr, artshade(pal::ink, 0.6), 0.55);
  cairo_fill(cr);
}

bool drawwidget(cairo_t* cr, const std::string& kind, int param, int w, int h) {
  if (kind == "cursor") drawcursor(cr);
  else if (kind == "dot") drawdot(cr);
  else if (kind == "logo") drawlogo(cr, w, h);
  else if (kind == "glow") drawglow(cr, w, h);
  else if (kind == "coll") drawcoll(cr, w, h);
  else if (kind == "field") drawfield(cr, w, h);
  else if (kind == "helplines") drawhelplines(cr, w, h);
  else if (kind == "tooltip") drawtooltip(cr, w, h);
  else if (kind == "hintpanel") drawhintpanel(cr, w, h);
  else if (kind == "popup") drawpopup(cr, w, h);
  else if (kind == "headplate") drawheadplate(cr, w, h);
  else if (kind == "track") drawtrack(cr, w, h);
  else if (kind == "checkbox") drawcheckbox(cr, w, h);
  else if (kind == "tick") drawtick(cr, w, h);
  else if (kind == "black") drawblack(cr, w, h);
  else if (kind == "button") drawbutton(cr, param, w, h);
  else if (kind == "welcome") drawwelcome(cr, w, h);
  else if (kind == "rope") drawrope(cr, w, h);
  else if (kind == "scores") drawscores(cr, w, h);
  else if (kind == "rowbar") drawrowbar(cr, w, h, param);
  else if (kind == "namefield") drawnamefield(cr, w, h);
  else if (kind == "playerlist") drawplayerlist(cr, w, h);
  else if (kind == "loadfill") drawloadfill(cr, w, h);
  else if (kind == "loadbar") drawloadbar(cr, w, h);
  else if (kind == "loadover") drawloadover(cr, w, h);
  else if (kind == "shopfield") drawshopfield(cr, w, h);
  else if (kind == "shoppanel") drawshoppanel(cr, w, h);
  else if (kind == "shophead") drawshophead(cr, w, h);
  else return false;
  return true;
}

// ---- the window icon ------------------------------------------------------------------------

cairo_status_t appendbytes(void* closure, const unsigned char* data, unsigned int length) {
  auto* out = static_cast<std::vector<uint8_t>*>(closure);
  out->insert(out->end(), data, data + length);
  return CAIRO_STATUS_SUCCESS;
}

// "icon32.ico" beside the data folder: one 32 x 32 PNG image inside an icon directory.
void writeicon() {
  cairo_t* cr = artnew(32, 32);
  cairo_scale(cr, 32.0 / 120, 32.0 / 120);
  cairo_arc(cr, 60, 60, 56, 0, 2 * M_PI);
  artfilloutline(cr, pal::plum, pal::night, 4, 116, 8);
  pumpkin(cr, 60, 96, 1.25, true);
  std::vector<uint8_t> png;
  cairo_surface_write_to_png_stream(cairo_get_target(cr), appendbytes, &png);
  artdone(cr);
  std::vector<uint8_t> ico = {0, 0, 1, 0, 1, 0,  // reserved, type icon, one image
                              32, 32, 0, 0, 1, 0, 32, 0};  // 32 x 32, no palette, 1 plane, 32 bits
  uint32_t size = uint32_t(png.size()), offset = 6 + 16;
  for (int i = 0; i < 4; i++) ico.push_back(uint8_t(size >> (8 * i)));
  for (int i = 0; i < 4; i++) ico.push_back(uint8_t(offset >> (8 * i)));
  ico.insert(ico.end(), png.begin(), png.end());
  forgewritebytes("../icon32.ico", ico);
}

bool endswith(const std::string& s, const char* tail) {
  size_t n = std::strlen(tail);
  return s.size() >= n && s.compare(s.size() - n, n, tail) == 0;
}

}  // namespace

std::vector<pictureentry> manifest_ui() {
  std::vector<pictureentry> out;
  for (auto& p : uitable()) out.push_back({p.path, p.w, p.h, p.role});
  // The window icon lives in the program folder, beside the data folder.
  out.push_back({"../icon32.ico", 32, 32, "window icon"});
  return out;
}

void forgepictures_ui() {
  for (auto& p : uitable()) {
    cairo_t* cr = artnew(p.w, p.h);
    bool done = drawwidget(cr, p.kind, p.param, p.w, p.h) || drawuiscene(cr, p.kind, p.param, p.w, p.h) ||
                drawuimap(cr, p.kind, p.param, p.w, p.h);
    if (!done) {
      forgeerror("no drawing routine for " + p.path);
      artdone(cr);
      continue;
    }
    if (endswith(p.path, ".jpg")) {
      forgesavejpg(cairo_get_target(cr), p.path);
      artdone(cr);
    } else {
      artsave(cr, p.path);
    }
  }
  writeicon();
}
