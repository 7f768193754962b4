// The card family: every card of the deck, the special table cards, the extras, and the
// pictures of the game table around them (bars, signs, stars, stock panel).
// One table lists every picture with its size; the manifest and the drawing both read it,
// so a picture can never be drawn at a size the manifest does not promise.
#include "tools/forge/forge.h"
#include "tools/forge/forge_pictures_cards_kit.h"
#include <cmath>

namespace {

enum cardkind { kface, kback, kplant, kbarplant, kitem, kbonus, kanimal, kcover, kcursor, kglow, kstockbase, ktable };

struct cardpicture {
  std::string path;  // data-relative, lower-case folder
  int w, h;
  std::string role;
  cardkind kind;
  int param;
};

// Item ids and their picture names, in the item bar's numbering.
const char* const itemnames[11] = {"",         "fishslap", "zombiekiller", "turnallup",   "zombieblaster", "maxbonus",
                                   "newstable", "joker",    "randomextra",  "doublesuns", "suddenstrike"};

std::vector<cardpicture> cardpictures() {
  std::vector<cardpicture> v;
  const char suitletter[5] = {' ', 'a', 'b', 'c', 'd'};
  for (int suit = 1; suit <= 4; suit++)
    for (int rank = 1; rank <= 13; rank++)
      v.push_back({std::string("solitaire/") + suitletter[suit] + std::to_string(rank) + ".png", cardw, cardh,
                   "card face", kface, rank + 13 * (suit - 1)});
  for (int n = 1; n <= 4; n++)
    v.push_back({"solitaire/card_back" + std::to_string(n) + ".png", cardw, cardh, "card back design", kback, n});
  for (int k = 1; k <= 8; k++)
    v.push_back({"solitaire/plant" + std::to_string(k + 1) + ".png", cardw, cardh, "plant card and plant on the stable",
                 kplant, k});
  for (int k = 1; k <= 8; k++)
    v.push_back({"game/plant" + std::to_string(k + 1) + ".png", 50, 58, "plant in the plant bar", kbarplant, k});
  for (int i = 1; i <= 10; i++)
    v.push_back({std::string("solitaire/") + itemnames[i] + ".png", cardw, cardh, "item card", kitem, i});
  v.push_back({"solitaire/cash.png", cardw, cardh, "bonus card: cash", kbonus, 1});
  v.push_back({"solitaire/cash2.png", cardw, cardh, "bonus card: double cash", kbonus, 2});
  v.push_back({"solitaire/pig.png", cardw, cardh, "animal card: pig", kanimal, 1});
  v.push_back({"solitaire/ninjacard.png", cardw, cardh, "animal card: ninja", kanimal, 2});
  v.push_back({"solitaire/bird.png", cardw, cardh, "cover on a face-down card: bird", kcover, 1});
  v.push_back({"solitaire/fruit.png", cardw, cardh, "cover on a face-down card: fruit", kcover, 2});
  v.push_back({"solitaire/zombiekillercursor.png", 64, 64, "pointer while the zombie killer aims", kcursor, 1});
  v.push_back({"solitaire/zombieblastercursor.png", 64, 64, "pointer while the zombie blaster aims", kcursor, 2});
  v.push_back({"solitaire/glow.png", 100, 146, "highlight around a playable card", kglow, 0});
  v.push_back({"solitaire/losecard.png", cardw, cardh, "panel under the used-up stock", kstockbase, 0});
  // The table around the cards; sizes follow where the game puts text and widgets on them.
  struct tableentry {
    const char* path;
    int w, h;
    const char* role;
  };
  static const tableentry table[] = {
      {"game/head.png", 30, 36, "runner on the combo bar"},
      {"game/cardometer.png", 72, 56, "counter of cards left in the stock"},
      {"game/flowerbar.png", 492, 114, "plant bar, behind the plants, down to the screen's corner [cut]"},
      {"game/flowerbar2.png", 370, 56, "plant bar, front rim over the pots, down to the screen's corner [cut]"},
      {"game/extrabar.png", 340, 80, "item bar under the three item slots"},
      {"game/star1.png", 76, 76, "result star: empty"},
      {"game/star2.png", 76, 76, "result star: won"},
      {"game/star3.png", 76, 76, "result star: strike"},
      {"game/star4.png", 76, 76, "result star: broken"},
      {"game/combobar.png", 310, 86, "combo bar frame"},
      {"game/combobar-fill.png", 272, 18, "combo bar fill, 16 cells of 17 x 18 [cut]"},
      {"game/pointsbar.png", 300, 70, "points and cards-left bar"},
      {"game/ball.png", 40, 40, "ball behind floating point numbers"},
      {"game/balls.png", 70, 70, "coins beside the points bar and in the shop"},
      {"game/gameui-up.png", 1366, 112, "top band of the game screen, across its whole width [cut]"},
      {"game/gameui-down.png", 1366, 56, "bottom band of the game screen, across its whole width [cut]"},
      {"texts/solvedsign.png", 360, 120, "result sign: solved"},
      {"texts/strikesign.png", 360, 120, "result sign: strike"},
      {"texts/failsign.png", 360, 120, "result sign: failed"},
      {"texts/play.png", 300, 100, "sign while the table fades in"},
      {"texts/play-sign.png", 220, 90, "sign at the end of the deal"},
      {"texts/enddrive.png", 92, 64, "label over the stock during a long combo"},
      {"texts/invalid-sign.png", 80, 80, "sign over a card that does not fit"},
      {"texts/cleared-sign.png", 170, 64, "sign over a cleared column"},
      {"texts/longdrive-sign.png", 440, 140, "sign for a long combo"},
      {"ui/tutorialsign.png", 440, 160, "tutorial and no-moves panel"},
  };
  for (auto& t : table) v.push_back({t.path, t.w, t.h, t.role, ktable, 0});
  return v;
}

}  // namespace

std::vector<pictureentry> manifest_cards() {
  std::vector<pictureentry> m;
  for (auto& p : cardpictures()) m.push_back({p.path, p.w, p.h, p.role});
  return m;
}

void forgepictures_cards() {
  for (auto& p : cardpictures()) {
    cairo_t* cr = artnew(p.w, p.h);
    switch (p.kind) {
      case kface: cardface(cr, p.param); break;
      case kback: cardback(cr, p.param); break;
      case kplant: cardplant(cr, p.param); break;
      case kbarplant: cardbarplant(cr, p.param, p.w, p.h); break;
      case kitem: carditem(cr, p.param); break;
      case kbonus: cardbonus(cr, p.param); break;
      case kanimal: cardanimal(cr, p.param); break;
      case kcover: cardcover(cr, p.param); break;
      case kcursor: cardcursor(cr, p.param, p.w, p.h); break;
      case kglow: cardglow(cr, p.w, p.h); break;
      case kstockbase: cardstockbase(cr); break;
      case ktable: {
        std::string name = p.path.substr(p.path.find('/') + 1);
        tablepicture(cr, name.substr(0, name.size() - 4), p.w, p.h);
        break;
      }
    }
    if (cairo_status(cr) != CAIRO_STATUS_SUCCESS) forgeerror("cairo failed drawing " + p.path);
    artsave(cr, p.path);
  }
}

// ---------------------------------------------------------------------------------------
// Card faces

namespace {

const char* const ranktext[14] = {"", "A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};

// The rank and suit in one corner; the opposite corner is the same turned half round.
void cornerindex(cairo_t* cr, int rank, int suit) {
  for (int turn = 0; turn < 2; turn++) {
    cairo_save(cr);
    if (turn) {
      cairo_translate(cr, cardw, cardh);
      cairo_rotate(cr, M_PI);
    }
    rgb c = cardsuitcolor(suit);
    cardtext(cr, "sans", rank == 10 ? 22 : 25, ranktext[rank], 14, 19, c, 0, rank == 10 ? 19 : 20);
    cardsuit(cr, suit, 14, 40, 14, 0.9);
    cairo_restore(cr);
  }
}

// A faint cobweb in a corner: a little horror that never gets in the way of the pips.
void cobweb(cairo_t* cr, double x, double y, double r, int dirx, int diry, rgb c, double alpha) {
  artsetcolor(cr, c, alpha);
  cairo_set_line_width(cr, 0.8);
  for (int i = 0; i <= 4; i++) {
    double a = i * M_PI / 8;
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x + dirx * r * std::cos(a), y + diry * r * std::sin(a));
  }
  cairo_stroke(cr);
  for (int ring = 1; ring <= 3; ring++) {
    double rr = r * ring / 3.4;
    for (int i = 0; i < 4; i++) {
      double a0 = i * M_PI / 8, a1 = (i + 1) * M_PI / 8, am = (a0 + a1) / 2;
      double sag = rr * 0.82;
      cairo_move_to(cr, x + dirx * rr * std::cos(a0), y + diry * rr * std::sin(a0));
      cairo_curve_to(cr, x + dirx * sag * std::cos(am), y + diry * sag * std::sin(am), x + dirx * sag * std::cos(am),
                     y + diry * sag * std::sin(am), x + dirx * rr * std::cos(a1), y + diry * rr * std::sin(a1));
    }
  }
  cairo_stroke(cr);
}

// Pip positions for 2..10, as column (0 left, 1 middle, 2 right) and row fraction 0..1 of the pip field.
struct pip {
  int col;
  double row;
};
const std::vector<pip>& piplayout(int rank) {
  static const std::vector<pip> layouts[11] = {
      {},
      {},
      {{1, 0}, {1, 1}},
      {{1, 0}, {1, 0.5}, {1, 1}},
      {{0, 0}, {2, 0}, {0, 1}, {2, 1}},
      {{0, 0}, {2, 0}, {1, 0.5}, {0, 1}, {2, 1}},
      {{0, 0}, {2, 0}, {0, 0.5}, {2, 0.5}, {0, 1}, {2, 1}},
      {{0, 0}, {2, 0}, {1, 0.25}, {0, 0.5}, {2, 0.5}, {0, 1}, {2, 1}},
      {{0, 0}, {2, 0}, {1, 0.25}, {0, 0.5}, {2, 0.5}, {1, 0.75}, {0, 1}, {2, 1}},
      {{0, 0}, {2, 0}, {0, 1 / 3.0}, {2, 1 / 3.0}, {1, 0.5}, {0, 2 / 3.0}, {2, 2 / 3.0}, {0, 1}, {2, 1}},
      {{0, 0}, {2, 0}, {1, 1 / 6.0}, {0, 1 / 3.0}, {2, 1 / 3.0}, {0, 2 / 3.0}, {2, 2 / 3.0}, {1, 5 / 6.0}, {0, 1}, {2, 1}},
  };
  return layouts[rank];
}

// The pips stand on the standard grid: two side columns 13 pixels either side of the middle,
// which keeps them at least 3 pixels clear of the corner index, and a middle column; rows
// from 27 to 115 pixels down, so the field sits centred on the card. Pips shrink as the card
// fills up so that the middle pips of the 8, 9 and 10 never touch their neighbours.
void pipcard(cairo_t* cr, int rank, int suit) {
  double size = rank <= 3 ? 25 : rank <= 6 ? 17 : rank <= 8 ? 15 : 14;
  double colx[3] = {35, 48, 61};
  double top = rank <= 3 ? 32 : 27, bottom = cardh - top;
  for (auto& p : piplayout(rank)) {
    double x = colx[p.col], y = top + (bottom - top) * p.row;
    cairo_save(cr);
    cairo_translate(cr, x, y);
    if (p.row > 0.51) cairo_rotate(cr, M_PI);  // the lower half looks up from the other side
    cardsuit(cr, suit, 0, 0, size, 1.1);
    cairo_restore(cr);
  }
}

void acecard(cairo_t* cr, int suit) {
  rgb c = cardsuitcolor(suit);
  artglow(cr, 48, 72, 40, cardsuitred(suit) ? pal::pumpkin : pal::mint, 0.35);
  // a thin ring like a moon halo around the big symbol
  cairo_new_path(cr);
  cairo_arc(cr, 48, 72, 33, 0, 2 * M_PI);
  artsetcolor(cr, c, 0.35);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  for (int i = 0; i < 8; i++) {
    double a = i * M_PI / 4 + M_PI / 8;
    cairo_new_path(cr);
    cairo_arc(cr, 48 + 37 * std::cos(a), 72 + 37 * std::sin(a), 1.6, 0, 2 * M_PI);
    artsetcolor(cr, c, 0.45);
    cairo_fill(cr);
  }
  cardsuit(cr, suit, 48, 72, 50, 1.8);
}

// --- The court: a zombie jack, a witch queen and a vampire king, dressed in their suit's colour.

rgb courtcloth(int suit) {
  switch (suit) {
    case 1: return pal::blood;
    case 2: return pal::plum;
    case 3: return pal::pumpkin;
    default: return pal::teal;
  }
}


void jackportrait(cairo_t* cr, int suit) {
  rgb cloth = courtcloth(suit), skin = artmix(pal::moss, pal::grey, 0.35);
  skin = artshade(skin, 1.25);
  // torn shirt with a patch
  cairo_new_path(cr);
  cairo_move_to(cr, 24, 134);
  cairo_curve_to(cr, 24, 96, 32, 84, 48, 82);
  cairo_curve_to(cr, 64, 84, 72, 96, 72, 134);
  cairo_line_to(cr, 66, 128);
  cairo_line_to(cr, 60, 134);
  cairo_line_to(cr, 52, 127);
  cairo_line_to(cr, 45, 134);
  cairo_line_to(cr, 38, 127);
  cairo_line_to(cr, 31, 134);
  cairo_close_path(cr);
  artfilloutline(cr, artshade(cloth, 1.2), artshade(cloth, 0.8), 82, 134, 2);
  cairo_new_path(cr);
  artroundrect(cr, 54, 102, 11, 10, 2);
  cardfillstroke(cr, artshade(cloth, 1.5), 1.2);
  for (int i = 0; i < 3; i++) {  // stitches on the patch
    cairo_move_to(cr, 55.5 + i * 3.5, 100.5);
    cairo_line_to(cr, 55.5 + i * 3.5, 103.5);
  }
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 0.9);
  cairo_stroke(cr);
  // collar
  cairo_new_path(cr);
  cairo_move_to(cr, 38, 84);
  cairo_line_to(cr, 48, 96);
  cairo_line_to(cr, 58, 84);
  cairo_line_to(cr, 48, 88);
  cairo_close_path(cr);
  cardfillstroke(cr, pal::bone, 1.5);
  // neck and head, tilted a little
  cairo_save(cr);
  cairo_translate(cr, 48, 58);
  cairo_rotate(cr, -0.08);
  cairo_new_path(cr);
  artroundrect(cr, -5, 14, 10, 12, 3);
  cardfillstroke(cr, artshade(skin, 0.85), 1.5);
  cairo_new_path(cr);
  cairo_move_to(cr, -16, -6);
  cairo_curve_to(cr, -17, -24, 17, -24, 16, -6);
  cairo_curve_to(cr, 16, 10, 10, 20, 0, 20);
  cairo_curve_to(cr, -10, 20, -16, 10, -16, -6);
  cairo_close_path(cr);
  artfilloutline(cr, artshade(skin, 1.1), artshade(skin, 0.85), -22, 20, 2);
  // messy hair tufts
  cairo_new_path(cr);
  cairo_move_to(cr, -17, -8);
  cairo_curve_to(cr, -20, -22, -8, -28, 0, -24);
  cairo_line_to(cr, 3, -30);
  cairo_line_to(cr, 6, -23);
  cairo_curve_to(cr, 14, -26, 20, -18, 17, -8);
  cairo_line_to(cr, 12, -14);
  cairo_line_to(cr, 8, -10);
  cairo_line_to(cr, 2, -15);
  cairo_line_to(cr, -4, -11);
  cairo_line_to(cr, -9, -15);
  cairo_close_path(cr);
  cardfillstroke(cr, artshade(pal::purple, 0.8), 1.5);
  // stitches across the brow
  cairo_new_path(cr);
  cairo_move_to(cr, 4, -10);
  cairo_line_to(cr, 14, -6);
  for (int i = 0; i < 3; i++) {
    double x = 6 + i * 3.2, y = -9.2 + i * 1.3;
    cairo_move_to(cr, x - 0.6, y - 2);
    cairo_line_to(cr, x + 0.6, y + 2);
  }
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 0.9);
  cairo_stroke(cr);
  // one big eye, one small sleepy eye
  cardeye(cr, -6.5, -1, 5.2, 0.3, 0.1);
  cardeye(cr, 7.5, 0, 3.6, -0.2, 0.2);
  cairo_new_path(cr);
  cairo_move_to(cr, 3.5, -3.5);
  cairo_line_to(cr, 11.5, -2.5);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 1.4);
  cairo_stroke(cr);
  // goofy grin with one tooth
  cairo_new_path(cr);
  cairo_move_to(cr, -8, 10);
  cairo_curve_to(cr, -4, 15, 5, 15, 9, 9);
  cairo_curve_to(cr, 4, 12, -4, 12, -8, 10);
  cardfillstroke(cr, artshade(pal::blood, 0.6), 1.3);
  cairo_new_path(cr);
  cairo_rectangle(cr, -1, 10.6, 3, 2.6);
  cardfillstroke(cr, pal::bone, 0.7);
  cairo_restore(cr);
  // a jaunty cap in the suit colour
  cairo_new_path(cr);
  cairo_move_to(cr, 31, 40);
  cairo_curve_to(cr, 30, 26, 58, 22, 64, 36);
  cairo_curve_to(cr, 70, 37, 74, 39, 74, 41);
  cairo_curve_to(cr, 62, 42, 44, 40, 31, 40);
  cairo_close_path(cr);
  artfilloutline(cr, artshade(cloth, 1.3), cloth, 24, 42, 1.8);
  cardsuit(cr, suit, 47, 33, 8, 0.6);
}

void queenportrait(cairo_t* cr, int suit) {
  rgb cloth = courtcloth(suit), skin = artmix(pal::mint, pal::bone, 0.35);
  rgb hair = suit == 3 ? pal::purple : pal::pumpkin;
  // long hair behind
  cairo_new_path(cr);
  cairo_move_to(cr, 32, 44);
  cairo_curve_to(cr, 22, 70, 28, 92, 24, 104);
  cairo_curve_to(cr, 36, 100, 60, 100, 72, 104);
  cairo_curve_to(cr, 68, 92, 74, 70, 64, 44);
  cairo_close_path(cr);
  artfilloutline(cr, artshade(hair, 1.15), artshade(hair, 0.8), 44, 104, 2);
  // gown with a high collar
  cairo_new_path(cr);
  cairo_move_to(cr, 24, 134);
  cairo_curve_to(cr, 26, 100, 36, 86, 48, 86);
  cairo_curve_to(cr, 60, 86, 70, 100, 72, 134);
  cairo_close_path(cr);
  artfilloutline(cr, artshade(cloth, 1.2), artshade(cloth, 0.75), 86, 134, 2);
  cairo_new_path(cr);
  cairo_move_to(cr, 34, 80);
  cairo_line_to(cr, 40, 92);
  cairo_line_to(cr, 48, 88);
  cairo_line_to(cr, 56, 92);
  cairo_line_to(cr, 62, 80);
  cairo_line_to(cr, 48, 84);
  cairo_close_path(cr);
  cardfillstroke(cr, artshade(cloth, 0.55), 1.5);
  // a gem brooch with the suit
  cairo_new_path(cr);
  cairo_arc(cr, 48, 100, 6, 0, 2 * M_PI);
  cardfillstroke(cr, pal::gold, 1.4);
  cardsuit(cr, suit, 48, 100, 7, 0.4);
  // face
  cairo_new_path(cr);
  cardellipse(cr, 48, 62, 14, 16);
  artfilloutline(cr, artshade(skin, 1.1), artshade(skin, 0.9), 46, 78, 2);
  cardeye(cr, 42, 60, 4.2, 0.2, 0.1);
  cardeye(cr, 54, 60, 4.2, -0.2, 0.1);
  // lashes
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 1.1);
  for (int side = -1; side <= 1; side += 2) {
    double ex = 48 + side * 6;
    cairo_move_to(cr, ex + side * 3, 55.5);
    cairo_line_to(cr, ex + side * 6, 53);
  }
  cairo_stroke(cr);
  // pointy nose, rosy cheeks and a smile
  cairo_new_path(cr);
  cairo_move_to(cr, 48, 62);
  cairo_line_to(cr, 45, 68);
  cairo_line_to(cr, 49, 68);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
  for (int side = -1; side <= 1; side += 2) {
    cairo_new_path(cr);
    cardellipse(cr, 48 + side * 9, 68, 3, 2);
    artsetcolor(cr, pal::pumpkin, 0.45);
    cairo_fill(cr);
  }
  cardsmile(cr, 48, 72, 5, 4, 1.5);
  // witch hat: brim, bent cone and a band with a little crown buckle
  cairo_new_path(cr);
  cardellipse(cr, 48, 47, 25, 5);
  artfilloutline(cr, artshade(pal::purple, 1.3), pal::purple, 42, 52, 2);
  cairo_new_path(cr);
  cairo_move_to(cr, 34, 46);
  cairo_curve_to(cr, 40, 32, 44, 22, 50, 16);
  cairo_curve_to(cr, 56, 11, 64, 14, 70, 12);
  cairo_curve_to(cr, 62, 20, 58, 24, 58, 30);
  cairo_curve_to(cr, 60, 36, 62, 42, 62, 46);
  cairo_curve_to(cr, 54, 48, 42, 48, 34, 46);
  cairo_close_path(cr);
  artfilloutline(cr, artshade(pal::purple, 1.45), pal::purple, 12, 48, 2);
  cairo_new_path(cr);
  cairo_move_to(cr, 35.5, 42);
  cairo_curve_to(cr, 44, 44, 54, 44, 61.5, 42);
  cairo_line_to(cr, 62, 46);
  cairo_curve_to(cr, 54, 48, 42, 48, 34, 46);
  cairo_close_path(cr);
  cardfillstroke(cr, cloth, 1.2);
  cairo_new_path(cr);
  cairo_move_to(cr, 43, 46);
  cairo_line_to(cr, 43, 38);
  cairo_line_to(cr, 46, 42);
  cairo_line_to(cr, 48.5, 36);
  cairo_line_to(cr, 51, 42);
  cairo_line_to(cr, 54, 38);
  cairo_line_to(cr, 54, 46);
  cairo_close_path(cr);
  cardfillstroke(cr, pal::gold, 1.2);
}

void kingportrait(cairo_t* cr, int suit) {
  rgb cloth = courtcloth(suit), skin = artmix(pal::bone, pal::plum, 0.18);
  // cape
  cairo_new_path(cr);
  cairo_move_to(cr, 23, 134);
  cairo_curve_to(cr, 24, 104, 30, 84, 48, 82);
  cairo_curve_to(cr, 66, 84, 72, 104, 73, 134);
  cairo_close_path(cr);
  artfilloutline(cr, artshade(pal::ink, 2.2), pal::ink, 82, 134, 2);
  // shirt front and a medallion
  cairo_new_path(cr);
  cairo_move_to(cr, 40, 84);
  cairo_line_to(cr, 56, 84);
  cairo_line_to(cr, 52, 134);
  cairo_line_to(cr, 44, 134);
  cairo_close_path(cr);
  cardfillstroke(cr, pal::bone, 1.5);
  cairo_new_path(cr);
  cairo_move_to(cr, 42, 86);
  cairo_line_to(cr, 48, 100);
  cairo_line_to(cr, 54, 86);
  artsetcolor(cr, pal::gold);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  cairo_new_path(cr);
  cairo_arc(cr, 48, 104, 6.5, 0, 2 * M_PI);
  cardfillstroke(cr, pal::gold, 1.4);
  cardsuit(cr, suit, 48, 104, 7.5, 0.4);
  // the high collar in the suit colour
  for (int side = -1; side <= 1; side += 2) {
    cairo_new_path(cr);
    cairo_move_to(cr, 48 + side * 6, 84);
    cairo_curve_to(cr, 48 + side * 16, 82, 48 + side * 24, 70, 48 + side * 26, 52);
    cairo_curve_to(cr, 48 + side * 20, 62, 48 + side * 14, 70, 48 + side * 4, 74);
    cairo_close_path(cr);
    artfilloutline(cr, artshade(cloth, 1.25), artshade(cloth, 0.8), 52, 84, 1.8);
  }
  // pointed ears
  for (int side = -1; side <= 1; side += 2) {
    cairo_new_path(cr);
    cairo_move_to(cr, 48 + side * 12, 56);
    cairo_line_to(cr, 48 + side * 21, 50);
    cairo_line_to(cr, 48 + side * 13, 66);
    cairo_close_path(cr);
    cardfillstroke(cr, artshade(skin, 0.92), 1.5);
  }
  // face
  cairo_new_path(cr);
  cairo_move_to(cr, 34, 56);
  cairo_curve_to(cr, 34, 40, 62, 40, 62, 56);
  cairo_curve_to(cr, 62, 70, 56, 80, 48, 80);
  cairo_curve_to(cr, 40, 80, 34, 70, 34, 56);
  cairo_close_path(cr);
  artfilloutline(cr, artshade(skin, 1.05), artshade(skin, 0.88), 42, 80, 2);
  // slick hair with a widow's peak
  cairo_new_path(cr);
  cairo_move_to(cr, 33.5, 58);
  cairo_curve_to(cr, 31, 42, 40, 38, 48, 38);
  cairo_curve_to(cr, 56, 38, 65, 42, 62.5, 58);
  cairo_curve_to(cr, 60, 50, 56, 47, 52, 47);
  cairo_line_to(cr, 48, 53);
  cairo_line_to(cr, 44, 47);
  cairo_curve_to(cr, 40, 47, 36, 50, 33.5, 58);
  cairo_close_path(cr);
  cardfillstroke(cr, artmix(pal::ink, pal::purple, 0.4), 1.5);
  // arched brows, eyes, a friendly smile with two little fangs
  cairo_new_path(cr);
  cairo_move_to(cr, 38, 55);
  cairo_line_to(cr, 45, 57);
  cairo_move_to(cr, 58, 55);
  cairo_line_to(cr, 51, 57);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 1.6);
  cairo_stroke(cr);
  cardeye(cr, 42, 61, 3.8, 0.2, 0.2);
  cardeye(cr, 54, 61, 3.8, -0.2, 0.2);
  cairo_new_path(cr);
  cairo_move_to(cr, 42, 71);
  cairo_curve_to(cr, 45, 75, 51, 75, 54, 71);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  for (int side = -1; side <= 1; side += 2) {
    cairo_new_path(cr);
    cairo_move_to(cr, 48 + side * 2.2, 72.8);
    cairo_line_to(cr, 48 + side * 3.6, 72.6);
    cairo_line_to(cr, 48 + side * 2.9, 76.5);
    cairo_close_path(cr);
    cardfillstroke(cr, {1, 1, 1}, 0.8);
  }
  // gold crown with a gem in the suit colour
  cairo_new_path(cr);
  cairo_move_to(cr, 36, 41);
  cairo_line_to(cr, 34, 24);
  cairo_line_to(cr, 41, 32);
  cairo_line_to(cr, 48, 20);
  cairo_line_to(cr, 55, 32);
  cairo_line_to(cr, 62, 24);
  cairo_line_to(cr, 60, 41);
  cairo_close_path(cr);
  artfilloutline(cr, artshade(pal::gold, 1.3), artshade(pal::gold, 0.8), 20, 41, 1.8);
  for (int i = 0; i < 3; i++) {
    cairo_new_path(cr);
    cairo_arc(cr, 34 + 14 * i, i == 1 ? 20 : 24, 2, 0, 2 * M_PI);
    cardfillstroke(cr, pal::bone, 1);
  }
  cairo_new_path(cr);
  cardellipse(cr, 48, 35, 3.2, 3.2);
  cardfillstroke(cr, courtcloth(suit), 1.1);
}

void courtcard(cairo_t* cr, int rank, int suit) {
  // The portrait sits in a dusk frame between the two corner indices.
  double fx = 26, fy = 8, fw = 44, fh = 126;
  cairo_new_path(cr);
  artroundrect(cr, fx, fy, fw, fh, 6);
  rgb skytop = artmix(pal::bone, pal::plum, 0.45), skybottom = artmix(pal::bone, pal::mint, 0.4);
  artfilloutline(cr, skytop, skybottom, fy, fy + fh, 0);
  cairo_save(cr);
  artroundrect(cr, fx, fy, fw, fh, 6);
  cairo_clip(cr);
  artglow(cr, 62, 22, 16, pal::gold, 0.5);  // moon behind the head
  cairo_new_path(cr);
  cairo_arc(cr, 64, 20, 6, 0, 2 * M_PI);
  artsetcolor(cr, pal::bone);
  cairo_fill(cr);
  if (rank == 11)
    jackportrait(cr, suit);
  else if (rank == 12)
    queenportrait(cr, suit);
  else
    kingportrait(cr, suit);
  cairo_restore(cr);
  cairo_new_path(cr);
  artroundrect(cr, fx, fy, fw, fh, 6);
  artsetcolor(cr, cardsuitcolor(suit));
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
}

}  // namespace

void cardface(cairo_t* cr, int identity) {
  int rank = identity % 13 == 0 ? 13 : identity % 13;
  int suit = (identity - 1) / 13 + 1;
  cardblank(cr, pal::bone, artshade(pal::bone, 0.92));
  cardclip(cr);
  rgb webc = artmix(pal::grey, pal::purple, 0.4);
  if (rank <= 10) {
    cobweb(cr, cardw - 3, 3, 26, -1, 1, webc, 0.35);
    cobweb(cr, 3, cardh - 3, 26, 1, -1, webc, 0.35);
  }
  cairo_restore(cr);
  if (rank == 1)
    acecard(cr, suit);
  else if (rank <= 10)
    pipcard(cr, rank, suit);
  else
    courtcard(cr, rank, suit);
  cornerindex(cr, rank, suit);
}

// ---------------------------------------------------------------------------------------
// Card backs: four designs the player chooses from, each with its own colour and emblem.

namespace {

struct backdesign {
  rgb top, bottom, trim;  // field gradient and the frame line
};
const backdesign backdesigns[5] = {
    {},
    {{0.36, 0.19, 0.52}, {0.16, 0.08, 0.26}, pal::gold},            // 1 moon and bats
    {{0.12, 0.50, 0.50}, {0.05, 0.22, 0.26}, pal::pumpkin},         // 2 pumpkin patch
    {{0.17, 0.26, 0.55}, {0.06, 0.09, 0.24}, pal::mint},            // 3 friendly ghost
    {{0.80, 0.36, 0.12}, {0.45, 0.10, 0.12}, pal::bone},            // 4 spider web
};

void bat(cairo_t* cr, double cx, double cy, double s, rgb c, double alpha) {
  cairo_new_path(cr);
  cairo_move_to(cr, cx, cy - 0.15 * s);
  cairo_curve_to(cr, cx + 0.2 * s, cy - 0.45 * s, cx + 0.6 * s, cy - 0.45 * s, cx + s, cy - 0.2 * s);
  cairo_curve_to(cr, cx + 0.8 * s, cy - 0.1 * s, cx + 0.75 * s, cy + 0.05 * s, cx + 0.7 * s, cy + 0.2 * s);
  cairo_curve_to(cr, cx + 0.55 * s, cy + 0.05 * s, cx + 0.45 * s, cy + 0.05 * s, cx + 0.35 * s, cy + 0.2 * s);
  cairo_curve_to(cr, cx + 0.25 * s, cy + 0.05 * s, cx + 0.1 * s, cy + 0.1 * s, cx, cy + 0.25 * s);
  cairo_curve_to(cr, cx - 0.1 * s, cy + 0.1 * s, cx - 0.25 * s, cy + 0.05 * s, cx - 0.35 * s, cy + 0.2 * s);
  cairo_curve_to(cr, cx - 0.45 * s, cy + 0.05 * s, cx - 0.55 * s, cy + 0.05 * s, cx - 0.7 * s, cy + 0.2 * s);
  cairo_curve_to(cr, cx - 0.75 * s, cy + 0.05 * s, cx - 0.8 * s, cy - 0.1 * s, cx - s, cy - 0.2 * s);
  cairo_curve_to(cr, cx - 0.6 * s, cy - 0.45 * s, cx - 0.2 * s, cy - 0.45 * s, cx, cy - 0.15 * s);
  cairo_close_path(cr);
  // ears
  cairo_move_to(cr, cx - 0.12 * s, cy - 0.2 * s);
  cairo_line_to(cr, cx - 0.08 * s, cy - 0.42 * s);
  cairo_line_to(cr, cx, cy - 0.25 * s);
  cairo_line_to(cr, cx + 0.08 * s, cy - 0.42 * s);
  cairo_line_to(cr, cx + 0.12 * s, cy - 0.2 * s);
  cairo_close_path(cr);
  artsetcolor(cr, c, alpha);
  cairo_fill(cr);
}

void pumpkinface(cairo_t* cr, double cx, double cy, double r) {
  for (int i = -2; i <= 2; i++) {
    cairo_new_path(cr);
    cardellipse(cr, cx + i * r * 0.32, cy, r * (0.55 - 0.06 * std::abs(i)), r * 0.82);
    artfilloutline(cr, artshade(pal::pumpkin, 1.2), artshade(pal::pumpkin, 0.75), cy - r, cy + r, 1.6);
  }
  cairo_new_path(cr);
  artroundrect(cr, cx - r * 0.1, cy - r * 1.1, r * 0.2, r * 0.36, 2);
  cardfillstroke(cr, pal::moss, 1.4);
  // glowing carved face
  rgb lit = pal::gold;
  for (int side = -1; side <= 1; side += 2) {
    cairo_new_path(cr);
    cairo_move_to(cr, cx + side * r * 0.18, cy - r * 0.12);
    cairo_line_to(cr, cx + side * r * 0.52, cy - r * 0.12);
    cairo_line_to(cr, cx + side * r * 0.35, cy - r * 0.42);
    cairo_close_path(cr);
    cardfillstroke(cr, lit, 1.2);
  }
  cairo_new_path(cr);
  cairo_move_to(cr, cx - r * 0.55, cy + r * 0.15);
  cairo_curve_to(cr, cx - r * 0.3, cy + r * 0.6, cx + r * 0.3, cy + r * 0.6, cx + r * 0.55, cy + r * 0.15);
  cairo_line_to(cr, cx + r * 0.25, cy + r * 0.28);
  cairo_line_to(cr, cx + r * 0.12, cy + r * 0.15);
  cairo_line_to(cr, cx - r * 0.05, cy + r * 0.3);
  cairo_line_to(cr, cx - r * 0.22, cy + r * 0.17);
  cairo_close_path(cr);
  cardfillstroke(cr, lit, 1.2);
}

void ghost(cairo_t* cr, double cx, double cy, double s) {
  cairo_new_path(cr);
  cairo_move_to(cr, cx - 0.45 * s, cy + 0.5 * s);
  cairo_line_to(cr, cx - 0.45 * s, cy - 0.1 * s);
  cairo_curve_to(cr, cx - 0.45 * s, cy - 0.65 * s, cx + 0.45 * s, cy - 0.65 * s, cx + 0.45 * s, cy - 0.1 * s);
  cairo_line_to(cr, cx + 0.45 * s, cy + 0.5 * s);
  for (int i = 0; i < 4; i++) {
    double x0 = cx + 0.45 * s - i * 0.225 * s;
    cairo_curve_to(cr, x0 - 0.05 * s, cy + 0.38 * s, x0 - 0.17 * s, cy + 0.38 * s, x0 - 0.225 * s, cy + 0.5 * s);
  }
  cairo_close_path(cr);
  artfilloutline(cr, {1, 1, 1}, artmix(pal::bone, pal::mint, 0.5), cy - 0.5 * s, cy + 0.5 * s, 2);
  for (int side = -1; side <= 1; side += 2) {
    cairo_new_path(cr);
    cardellipse(cr, cx + side * 0.15 * s, cy - 0.12 * s, 0.07 * s, 0.1 * s);
    artsetcolor(cr, pal::ink);
    cairo_fill(cr);
  }
  cairo_new_path(cr);
  cardellipse(cr, cx, cy + 0.1 * s, 0.07 * s, 0.09 * s);
  artsetcolor(cr, pal::ink);
  cairo_fill(cr);
  for (int side = -1; side <= 1; side += 2) {
    cairo_new_path(cr);
    cardellipse(cr, cx + side * 0.27 * s, cy + 0.02 * s, 0.06 * s, 0.035 * s);
    artsetcolor(cr, pal::pumpkin, 0.5);
    cairo_fill(cr);
  }
}

void spider(cairo_t* cr, double cx, double cy, double s) {
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 0.09 * s);
  cairo_new_path(cr);
  cairo_move_to(cr, cx, cy - 1.6 * s);
  cairo_line_to(cr, cx, cy - 0.3 * s);
  cairo_stroke(cr);
  for (int side = -1; side <= 1; side += 2)
    for (int i = 0; i < 4; i++) {
      double a = (-50 + i * 32) * M_PI / 180;
      cairo_new_path(cr);
      cairo_move_to(cr, cx, cy);
      double kx = cx + side * 0.7 * s * std::cos(a), ky = cy + 0.7 * s * std::sin(a) - 0.3 * s;
      cairo_line_to(cr, kx, ky);
      cairo_line_to(cr, kx + side * 0.35 * s, ky + 0.55 * s);
      cairo_stroke(cr);
    }
  cairo_new_path(cr);
  cardellipse(cr, cx, cy + 0.1 * s, 0.45 * s, 0.5 * s);
  artsetcolor(cr, artmix(pal::ink, pal::purple, 0.5));
  cairo_fill(cr);
  cardeye(cr, cx - 0.16 * s, cy + 0.02 * s, 0.15 * s, 0, 0.3);
  cardeye(cr, cx + 0.16 * s, cy + 0.02 * s, 0.15 * s, 0, 0.3);
  cardsmile(cr, cx, cy + 0.28 * s, 0.12 * s, 0.1 * s, 0.05 * s);
}

}  // namespace

// The stock stacks its backs two pixels apart, so all that shows of the lower cards is
// their left edge: a thin ink line with a light rim inside reads as a pile of card edges,
// where a thick outline would merge into one dark block.
void backedge(cairo_t* cr, const backdesign& d) {
  cardshape(cr, cardw, cardh, 2.9, 8.5);
  artsetcolor(cr, artmix(d.trim, pal::bone, 0.45));
  cairo_set_line_width(cr, 1.4);
  cairo_stroke(cr);
  cardshape(cr, cardw, cardh, 1.8, 9);
  artsetcolor(cr, pal::ink);
  cairo_set_line_width(cr, 1.3);
  cairo_stroke(cr);
}

void cardback(cairo_t* cr, int design) {
  const backdesign& d = backdesigns[design];
  cardshape(cr, cardw, cardh, 1.8, 9);
  artfilloutline(cr, d.top, d.bottom, 0, cardh, 0);
  cardclip(cr);
  cardrng rng(0xbac0 + design * 7919);
  // background pattern, faint enough that the emblem reads first
  switch (design) {
    case 1:
      for (int i = 0; i < 26; i++) {
        double x = rng.range(6, 90), y = rng.range(6, 136);
        cardstar(cr, x, y, rng.range(1.2, 2.6), 0.8, 4, 0);
        artsetcolor(cr, pal::gold, rng.range(0.35, 0.8));
        cairo_fill(cr);
      }
      break;
    case 2:
      artsetcolor(cr, pal::mint, 0.18);
      cairo_set_line_width(cr, 1.4);
      for (int i = -8; i < 12; i++) {
        cairo_move_to(cr, i * 16, 0);
        cairo_line_to(cr, i * 16 + 142, 142);
        cairo_move_to(cr, i * 16 + 142, 0);
        cairo_line_to(cr, i * 16, 142);
      }
      cairo_stroke(cr);
      break;
    case 3:
      for (int row = 0; row < 9; row++)
        for (int col = 0; col < 6; col++) {
          double x = 8 + col * 16 + (row % 2) * 8, y = 8 + row * 16;
          cairo_new_path(cr);
          cairo_move_to(cr, x - 2.5, y);
          cairo_line_to(cr, x + 2.5, y);
          cairo_move_to(cr, x, y - 3);
          cairo_line_to(cr, x, y + 4);
          artsetcolor(cr, pal::mint, 0.22);
          cairo_set_line_width(cr, 1.2);
          cairo_stroke(cr);
        }
      break;
    default: {
      artsetcolor(cr, pal::bone, 0.3);
      cairo_set_line_width(cr, 1);
      double cx = 48, cy = 62;
      for (int i = 0; i < 12; i++) {
        double a = i * M_PI / 6;
        cairo_move_to(cr, cx, cy);
        cairo_line_to(cr, cx + 120 * std::cos(a), cy + 120 * std::sin(a));
      }
      cairo_stroke(cr);
      for (int ring = 1; ring < 9; ring++) {
        double rr = ring * 11;
        for (int i = 0; i < 12; i++) {
          double a0 = i * M_PI / 6, a1 = (i + 1) * M_PI / 6, am = (a0 + a1) / 2, sag = rr * 0.85;
          cairo_move_to(cr, cx + rr * std::cos(a0), cy + rr * std::sin(a0));
          cairo_curve_to(cr, cx + sag * std::cos(am), cy + sag * std::sin(am), cx + sag * std::cos(am),
                         cy + sag * std::sin(am), cx + rr * std::cos(a1), cy + rr * std::sin(a1));
        }
      }
      cairo_stroke(cr);
      break;
    }
  }
  cairo_restore(cr);
  // inner frame and corner studs
  cairo_new_path(cr);
  artroundrect(cr, 7.5, 7.5, cardw - 15, cardh - 15, 5);
  artsetcolor(cr, d.trim, 0.85);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  for (int i = 0; i < 4; i++) {
    double x = i % 2 ? cardw - 12 : 12, y = i / 2 ? cardh - 12 : 12;
    cairo_new_path(cr);
    cardstar(cr, x, y, 4.5, 1.8, 4, -90);
    cardfillstroke(cr, d.trim, 1);
  }
  // the emblem
  double cx = 48, cy = 71;
  switch (design) {
    case 1:
      artglow(cr, cx, cy - 6, 40, pal::gold, 0.55);
      cairo_new_path(cr);
      cairo_arc(cr, cx, cy - 6, 24, 0, 2 * M_PI);
      artfilloutline(cr, artshade(pal::gold, 1.35), pal::gold, cy - 30, cy + 18, 2);
      for (int i = 0; i < 3; i++) {  // craters
        cairo_new_path(cr);
        cairo_arc(cr, cx - 9 + i * 9, cy - 12 + (i % 2) * 12, 3 + i % 2, 0, 2 * M_PI);
        artsetcolor(cr, artshade(pal::gold, 0.85), 0.7);
        cairo_fill(cr);
      }
      bat(cr, cx, cy - 2, 22, pal::ink, 1);
      cardeye(cr, cx - 3, cy - 5, 1.6, 0, 0.3);
      cardeye(cr, cx + 3, cy - 5, 1.6, 0, 0.3);
      for (int i = 0; i < 2; i++) {  // two more bats flying off
        cairo_save(cr);
        cairo_translate(cr, i ? cx + 20 : cx - 19, i ? cy + 48 : cy + 36);
        cairo_rotate(cr, i ? 0.35 : -0.3);
        bat(cr, 0, 0, i ? 12 : 15, pal::ink, 0.95);
        cairo_restore(cr);
      }
      break;
    case 2:
      artglow(cr, cx, cy, 42, pal::gold, 0.45);
      pumpkinface(cr, cx, cy + 2, 26);
      // curly vines
      artsetcolor(cr, pal::moss);
      cairo_set_line_width(cr, 2);
      cairo_new_path(cr);
      cairo_move_to(cr, cx + 2, cy - 26);
      cairo_curve_to(cr, cx + 14, cy - 40, cx + 30, cy - 30, cx + 22, cy - 22);
      cairo_curve_to(cr, cx + 18, cy - 18, cx + 14, cy - 24, cx + 18, cy - 26);
      cairo_stroke(cr);
      break;
    case 3:
      artglow(cr, cx, cy, 42, pal::mint, 0.5);
      ghost(cr, cx, cy, 50);
      break;
    default:
      artglow(cr, cx, cy + 6, 34, pal::gold, 0.5);
      spider(cr, cx, cy + 8, 22);
      break;
  }
  backedge(cr, d);
}
