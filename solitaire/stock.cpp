#include "solitaire/stock.h"
#include "shell/gfx.h"
#include "shell/buttons.h"
#include "shell/state.h"
#include "solitaire/cards.h"
#include "solitaire/points.h"
#include "solitaire/state.h"
#include "solitaire/table.h"
#include "solitaire/extras.h"
#include "solitaire/tutorial.h"
#include "text/fonts.h"
#include "text/texts.h"
#include <cmath>

namespace {

constexpr double degree = 3.14159265358979323846 / 180.0;
constexpr int drawframes = 20;     // a stock card takes 20 frames to turn onto the stable
constexpr int longdrivecombo = 5;  // a draw after more actions than this is a long drive
constexpr int stablexoffset = 532;  // the stable's x in the 1024 layout
constexpr int helpinglevels = 5;    // levels below this draw a card that fits a column
constexpr int wildfromlevel = 3;    // from this level one draw in 30 is the wild fishslap card
constexpr int tutorialcard = 6;     // the card the level-1 tutorial draws first

// Cardometer shake by the stock count before the draw: the fewer left, the longer it shakes.
int metershakefor(int count) {
  switch (count) {
    case 4: return 30;
    case 3: return 50;
    case 2: return 70;
    case 1: return 90;
    case 0: return 110;
    default: return -1;  // leave it alone
  }
}

bool playerok() { return player >= 0 && player < playerslots; }

int randomfreeidentity(int p) {
  int free = 0;
  for (int c = 1; c <= cardcount; c++) free += deckstate[p][c] == 0;
  if (free == 0) return 0;
  int c;
  do c = Rand(1, cardcount);
  while (deckstate[p][c] != 0);
  return c;
}

}  // namespace

int nextstockcard() {
  if (!playerok()) return 0;
  const int p = player;
  int c = 0;
  if (level < helpinglevels) {
    // The helping stock: the first identity still in the stock that fits a column's top.
    c = (level == 3 || level == 4) && framecount % 2 == 0 ? cardcount : 1;
    int lastcolumn = std::max(1, std::min(columns[p], tablecolumns));
    bool found = false;
    while (c < cardcount + 1 && !found) {
      if (deckstate[p][c] == 0) {
        int r = identityrank(c);
        for (int k = 1; k <= lastcolumn && !found; k++)
          found = r == columntop[p][k] + 1 || r == columntop[p][k] - 1;
      }
      if (!found) c++;
    }
    if (!found) c = randomfreeidentity(p);
  } else {
    c = randomfreeidentity(p);
  }
  if (level >= wildfromlevel && Rand(1, 30) == 1) c = STABLE_FISHSLAP;
  // Level 1's tutorial starts on a 6, as long as that card is still in the stock.
  if (level == 1 && tutorialon == 1 && tutorialpage == 0 && deckstate[p][tutorialcard] == 0) c = tutorialcard;
  return c;
}

void drawfromstock() {
  if (!playerok()) return;
  const int p = player;
  stableunder[p] = stableid[p];
  drawrequest = 1;
  if (combo > longdrivecombo) {
    longdrivetime = 1;
    noterun(combo);
  }
  PlayS(SFX_CARDSTABLE, midx - 70);
  int shake = metershakefor(stock[p]);
  if (shake >= 0) metershake = shake;
  combo = 0;
  nexttutorialpage();
}

void drawstock() {
  if (!playerok()) return;
  const int p = player;
  float a = GetAlpha();
  drawimg(losecardimg, midx - 118, stocky);
  drawtext(gametext(3, 7), midx - 70, stocky + 30, ALIGN_CENTRE, 1);
  drawtext(gametext(3, 8), midx - 70, stocky + 60, ALIGN_CENTRE, 1);
  drawtext(gametext(3, 9), midx - 70, stocky + 90, ALIGN_CENTRE, 1);

  stocktopx = 0;
  if (stock[p] > 1) {
    int back = cardback[p] >= 1 && cardback[p] <= 4 ? cardback[p] : 1;
    int backs = std::min(stock[p] - 1, cardcount);
    for (int i = 1; i <= backs; i++) {
      stocktopx = midx - 120 + 2 * i;
      drawimg(cardbackimg[back], stocktopx, stocky);
    }
    int x = stocktopx;
    bool inside = mousex > x && mousex < x + cardw && mousey > stocky && mousey < stocky + cardh;
    bool tutoriallock = level == 1 && tutorialon == 1 && tutorialpage <= 4;
    // Nothing may be drawn while a card, a plant or an item is on its way to the stable: its
    // landing would cover the drawn card.
    bool stableatrest = movetime[p] == 0 && drawrequest == 0 && !extraflying();
    if (drawtime[p] == drawframes && inside && inputok == 1 && popuplevel == 0 && !tutoriallock && stableatrest &&
        gamestat == GAME_PLAY) {
      if (combo < longdrivecombo + 1) drawimg(cardglowimg, x - 2, stocky - 2);
      if (mousehit1 == 1 && stockok == 1) {
        showhints();
        drawfromstock();
      }
    }
    if (combo > longdrivecombo && enddriveimg) {
      drawimg(enddriveimg, x + 49, stocky + 71);
      if (inside) {
        SetBlend(BLEND_LIGHT);
        SetAlpha(0.2f * a);
        drawimg(enddriveimg, x + 49, stocky + 71);
        SetAlpha(a);
        SetBlend(BLEND_ALPHA);
      }
    }
  }
  metertargetx = stocktopx + 48;
  metercount = stock[p] - 1;
  stablex = xshift + stablexoffset;
  stabley = stocky;

  if (stableunder[p] > 0) drawstableid(stableunder[p], stablex, stocky);

  // A draw asked for while a taken card flies waits until it lands.
  if (drawrequest == 1 && movetime[p] == 0) {
    drawrequest = 0;
    stableunder[p] = stableid[p];
    if (stock[p] >= 0) stock[p]--;
    if (stock[p] > 0) {
      int id = nextstockcard();
      if (id > 0) {  // 0 only when a damaged stored game has no identity left to draw
        stableid[p] = id;
        if (id <= cardcount) {
          stablerank[p] = identityrank(id);
          deckstate[p][id] = 2;
        }
        drawtime[p] = 0;
      }
    }
  }

  if (drawtime[p] < drawframes) {
    if (drawtime[p] == 0) drawstartx = midx + 2 * stock[p] - 116;
    int t = drawtime[p];
    int x = int(t * (stablex - drawstartx) * 0.0535 + drawstartx);
    drawtime[p]++;
    int tt = drawtime[p];
    if (tt >= 1 && tt <= 9) {
      float f = 1 - 0.1f * tt;
      int back = cardback[p] >= 1 && cardback[p] <= 4 ? cardback[p] : 1;
      SetScale(f, 1);
      drawimg(cardbackimg[back], x + (1 - f) * 48, stabley);
    } else if (tt >= 10 && tt <= 19) {
      float f = 0.1f * (tt - 9);
      SetScale(f, 1);
      drawstableid(stableid[p], int(x + (1 - f) * 48), stabley);
      if (tt == 19 && stableid[p] == STABLE_FISHSLAP) {
        PlayS(SFX_BFGSLAP, stablex + 48);
        starburst(stablex + 48, stabley + 71, 3);
      }
    }
  }
  SetScale(1, 1);
  if (drawtime[p] == drawframes) drawstableid(stableid[p], stablex, stabley);
}

void drawmeter() {
  if (metercount < 1) {
    metery += 4;
  } else {
    metery += (screenh - 23 - metery) * 0.1f;
    meterx += (metertargetx - meterx) * 0.1f;
  }
  float x = meterx, y = metery;
  if (metershake > 0) {
    metershake--;
    int s = metershake;
    x += float(s * 0.1 * std::cos(60 * s * degree));
    y += float(s * 0.1 * std::sin(60 * s * degree));
  }
  if (cardometerimg) drawimg(cardometerimg, x, y);
  drawtext(std::to_string(metercount), x - 3, y - 9, ALIGN_CENTRE, 2);
}
