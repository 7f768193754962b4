#include "progression/shop.h"
#include "presentation/sound.h"
#include "progression/map.h"
#include "shell/backgrounds.h"
#include "shell/buttons.h"
#include "shell/dispatch.h"
#include "shell/gfx.h"
#include "shell/menu.h"
#include "shell/profiles.h"
#include "shell/state.h"
#include "solitaire/state.h"
#include "text/fonts.h"
#include "text/texts.h"
#include <algorithm>
#include <climits>

// Sounds of the shop, by their number in the sound table.
enum { SFX_SOLD = 13, SFX_BOUGHT = 15 };

inline constexpr int shopplantsx = 350;   // the plant column stands this far right of the centre
inline constexpr int shopheadliney = 140; // the two headline fields
inline constexpr int shoptipmargin = 250; // tooltips keep this far from the screen's sides
inline constexpr int shopbuyfromx = 39;   // the buy button beside each price
// The plant bar's arc: each plant's offset from the bar (k = 1..8).
static const int shopplantdx[shopplants + 1] = {0, -140, -95, -50, -5, 46, 90, 130, 175};
static const int shopplantdy[shopplants + 1] = {0, -40, -60, -70, -70, -80, -70, -60, -40};
// The item bar's slots: top-left corner of each slot's item, from the bar's centre.
static const int shopslotdx[shopitemslots + 1] = {0, -152, -50, 52};
inline constexpr int shopslotdy = -126;

static bool shopplayerok() { return player >= 1 && player <= profileslots; }
static bool isitem(int v) { return v >= 1 && v <= shopitems; }

void loadshopstuff() {
  lastfunc = "loadshopstuff()";
  shopbgimg = loadimg("data\\shop/shopbg.jpg");
  shopfieldimg = loadimg("data\\shop/field.png");
  shoppanelimg = loadimg("data\\shop/panel.png");
  shopheadlineimg = loadimg("data\\shop/headlinefield.png");
}

void deleteshopstuff() { shopbgimg = shopfieldimg = shoppanelimg = shopheadlineimg = nullptr; }

int shopfreeslot() {
  if (!shopplayerok()) return 0;
  // A slot holding anything but an item (a damaged profile) counts as empty.
  for (int s = 1; s <= shopitemslots; s++)
    if (!isitem(extraslots[player][s])) return s;
  return 0;
}

int shopplantsetprice() {
  if (!shopplayerok()) return 0;
  int price = 0;
  for (int k = 1; k <= shopplants; k++)
    if (plants[player][k] <= 0) price += shopplantprice;
  return price;
}

bool shopbuyitem(int item) {
  if (!shopplayerok() || !isitem(item)) return false;
  const int price = shopgrid[item].price, e = shopfreeslot();
  if (price > cash[player] || e == 0) return false;  // no cash or no room: nothing happens
  PlayS(SFX_BOUGHT, float(midx + shopgrid[item].x + 48));
  cash[player] -= price;
  extraslots[player][e] = item;
  return true;
}

bool shopbuyplants() {
  if (!shopplayerok()) return false;
  const int price = shopplantsetprice();
  if (price > cash[player]) return false;
  PlayS(SFX_BOUGHT, float(midx + shopplantsx));
  cash[player] -= price;
  for (int k = 1; k <= shopplants; k++) plants[player][k] = 1;
  return true;
}

bool shopsellslot(int slot) {
  if (!shopplayerok() || slot < 1 || slot > shopitemslots || !isitem(extraslots[player][slot])) return false;
  PlayS(SFX_SOLD, float(mousex));
  // Banked points stop at the largest amount a profile can hold rather than wrap round.
  long long sum = (long long)std::max(cash[player], 0) + shopgrid[extraslots[player][slot]].price;
  cash[player] = int(std::min<long long>(sum, INT_MAX));
  extraslots[player][slot] = 0;
  return true;
}

void instshop() {
  lastfunc = "instshop()";
  Print("instshop()");
  deletemenustuff_dynamic();
  deletemapstuff_dynamic();
  deletegamebg();
  loadshopstuff();
  shoptipfade = shopframe = shophovered = 0;
  inputon = 1;
  pausesign = -1;
  resetpopups();
  if (shopplayerok()) {
    maphint[player] = maphintdone;  // the map's shop hint is done, seen or not
    if (cash[player] < 0) cash[player] = 0;
  }
  playmusic("/music/shop.ogg", 1);
  screen = SCREEN_SHOP;
  fadereset();
}

// The ten items with their prices and buy buttons; the one under the pointer is remembered.
static void shopitemgrid(bool devbuy) {
  const int p = player;
  for (int i = 1; i <= shopitems; i++) {
    const int x = midx + shopgrid[i].x, y = shopgrid[i].y, price = shopgrid[i].price;
    drawimg(shopfieldimg, float(x), float(y + 23));
    if (x - 48 < mousex && mousex < x + 48 && y - 71 < mousey && mousey < y + 91) {
      shophovered = i + 1;
      shoptipx = std::max(x - 48, shoptipmargin);
      shoptipy = y + 131;
    }
    drawimg(itemimg[shopitempicture[i]], float(x - 48), float(y - 71));
    drawimg(shoppanelimg, float(x), float(y + 79));
    SetScale(0.5f, 0.5f);
    drawimg(menuballsimg, float(x - 50), float(y + 77));
    SetScale(1, 1);
    drawtext(std::to_string(price), float(x - 14), float(y + 66), ALIGN_CENTRE, 4);
    // Bought once its unlock notice was seen and the cash is there.
    int layer = (unlockseen[p][i + 1] == 1 && price <= cash[p]) || devbuy ? 1 : 0;
    if (button(float(x + shopbuyfromx), float(y + 79), 9, layer, "") == BUTTON_CLICK) shopbuyitem(i);
  }
}

// The set of eight plants: the ones not yet held glow and count towards the price.
static void shopplantcolumn(bool devbuy) {
  const int p = player, px = midx + shopplantsx;
  drawimg(shopheadlineimg, float(px), float(shopheadliney));
  drawtext(menutext(21, 5), float(px), 130, ALIGN_CENTRE, 1);
  for (int k = 1; k <= shopplants; k++) {
    const int y = 35 * k + 225;
    if (plants[p][k] <= 0) {
      SetBlend(BLEND_LIGHT);
      drawimg(cardglowimg, float(px - 51), float(y - 74));
      SetBlend(BLEND_ALPHA);
    }
    drawimg(solplantimg[k], float(px - 48), float(y - 71));
  }
  const int price = shopplantsetprice();
  if (px - 48 < mousex && mousex < px + 48 && 180 < mousey && mousey < 580) {
    shophovered = 1;
    shoptipx = std::min(px, screenw - shoptipmargin);
    shoptipy = 610;
  }
  drawimg(shoppanelimg, float(px), 558);
  SetScale(0.5f, 0.5f);
  drawimg(menuballsimg, float(px - 50), 556);
  SetScale(1, 1);
  drawtext(std::to_string(price), float(px - 13), 545, ALIGN_CENTRE, 4);
  int layer = (unlockseen[p][1] == 1 && price <= cash[p]) || devbuy ? 1 : 0;
  if (button(float(px + shopbuyfromx), 557, 9, layer, "") == BUTTON_CLICK) shopbuyplants();
}

// The item bar as the game shows it; a click on an item sells it back.
static void shopitembar() {
  const int p = player, bx = midx - 341, by = screenh - 40;
  drawimg(extrabarimg, float(bx), float(by));
  // Selling waits while anything lies over the shop or the screen is changing.
  const bool canclick = popuplevel == 0 && pausesign == -1 && fadestate == 1;
  for (int s = 1; s <= shopitemslots; s++) {
    const int j = extraslots[p][s];
    if (!isitem(j)) continue;
    const float cx = float(bx + shopslotdx[s]), cy = float(by + shopslotdy);
    drawimg(itemimg[shopitempicture[j]], cx, cy);
    if (!ImagesCollide(collimg, float(mousex), float(mousey), 0, faceimg[1], cx, cy, 0)) continue;
    drawimg(cardglowimg, cx - 3, cy - 3);
    // Over the slot, but kept whole on the narrow screen where the first slot is near the edge.
    const float tx = std::max(cx + 48, float(ImageWidth(tooltipimg) / 2 + 10));
    drawimg(tooltipimg, tx, cy - 25);
    drawtext(menutext(21, 8), tx, cy - 40, ALIGN_CENTRE, 7);
    drawtext(menutext(21, 9) + " " + std::to_string(shopgrid[j].price) + " " + menutext(21, 10), tx, cy - 23,
             ALIGN_CENTRE, 7);
    if (mousehit1 == 1 && canclick) {
      mousehit1 = 0;
      shopsellslot(s);
    }
  }
}

// The plant bar as the game shows it, with the plants held.
static void shopplantbar() {
  const int p = player, qx = midx + (screenw == 1024 ? 270 : 290), qy = screenh - 56;
  drawimg(flowerbarimg, float(qx), float(qy));
  for (int k = 1; k <= shopplants; k++)
    if (plants[p][k] > 0) drawimg(barplantimg[k], float(qx + shopplantdx[k] + 47), float(qy + shopplantdy[k] + 62));
  drawimg(flowerbar2img, float(qx + 61), float(qy + 30));
}

static void shoptooltip() {
  const int h = shophovered, p = player;
  if (h <= 0 || popuplevel != 0 || pausesign != -1) {
    shoptipfade = 0;
    return;
  }
  shoptipfade = std::min(shoptipfade + 1, 20);
  SetAlpha(shoptipfade * 0.05f);
  drawimg(tooltipimg, float(shoptipx), float(shoptipy));
  drawtext(menutext(28, 4 * h - 3), float(shoptipx), float(shoptipy - 17), ALIGN_CENTRE, 7);
  std::string second = unlockseen[p][h] == 0
                           ? menutext(28, 45) + " " + std::to_string(itemlevel[h]) + " " + menutext(28, 46)
                           : menutext(28, 4 * h - 2);
  drawtext(second, float(shoptipx), float(shoptipy + 4), ALIGN_CENTRE, 7);
  SetAlpha(1);
}

void showshop() {
  lastfunc = "showshop()";
  if (!shopplayerok()) {
    // Nobody to shop for: back to the main menu, where a player is chosen.
    if (fadestate == 1) fadeto(SCREEN_MENU, 0, 0);
    return;
  }
  const int p = player;
  shopframe++;
  buttonlayer = popuplevel > 0 ? 2 : 1;
  SetColor(fadelevel, fadelevel, fadelevel);
  SetBlend(BLEND_SOLID);
  drawimg(shopbgimg, float(midx), float(midy));
  SetBlend(BLEND_ALPHA);
  SetAlpha(1);
  if (devmode == 1 && keyf4 == 1) cash[p] = 10000;
  if (cash[p] < 0) cash[p] = 0;
  const bool devbuy = devmode == 1 && keyf3 == 1;
  shophovered = 0;
  drawimg(shopheadlineimg, float(midx - 100), float(shopheadliney));
  drawtext(menutext(21, 6), float(midx - 100), 130, ALIGN_CENTRE, 1);
  shopitemgrid(devbuy);
  shopplantcolumn(devbuy);
  shopitembar();
  shopplantbar();
  shoptooltip();
  drawtext(menutext(21, 1), float(midx), 45, ALIGN_CENTRE, 4);
  drawimg(menuballsimg, float(midx + 395), 26);
  drawtext(std::to_string(cash[p]), float(midx + 365), 16, ALIGN_RIGHT, 3);
  if (button(float(midx), float(screenh - 45), 12, 1, menutext(21, 2)) == BUTTON_CLICK) {
    saveplayer(p);
    fadeto(SCREEN_MAP, 0, 0);
  }
  buttonlayer = popuplevel > 0 ? 2 : 1;
  drawpopups();
}
