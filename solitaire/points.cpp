#include "solitaire/points.h"
#include "shell/gfx.h"
#include "shell/settings.h"
#include "shell/state.h"
#include "solitaire/state.h"
#include "text/fonts.h"
#include "text/texts.h"
#include <algorithm>
#include <cmath>

namespace {

constexpr double degree = 3.14159265358979323846 / 180.0;
constexpr int combobarwidth = 280;  // a best combo of 12 fills the bar
constexpr int combosegment = 17;    // width of one fill cell
constexpr int glowframes = 60;      // record and combo glows last 59 frames
constexpr int flashframes = 20;     // the points bar's coins flash this long
constexpr int longdriveframes = 100;
constexpr int fireworkfirst = 231;  // end-screen frames of the fireworks
constexpr int fireworklast = 299;
constexpr int coinmost = 50;        // the largest coin picture

// Tally multiplier by best combo - 1: a quarter more for every action past four, up to three.
struct tallyrow {
  int m;             // best combo - 1 (this row and below)
  float factor;
  const char* text;
};
constexpr tallyrow tallytable[] = {
    {3, 1.0f, "x 1.0"},    // 3 or less, also no combo at all
    {4, 1.25f, "x 1.25"},
    {5, 1.5f, "x 1.5"},
    {6, 1.75f, "x 1.75"},
    {7, 2.0f, "x 2.0"},
    {8, 2.25f, "x 2.25"},
    {9, 2.5f, "x 2.5"},
    {10, 2.75f, "x 2.75"},
    {11, 3.0f, "x 3.0"},   // 11 or more
};

bool playerok() { return player >= 0 && player < playerslots; }

const tallyrow& tallyfor(int m) {
  for (const tallyrow& row : tallytable)
    if (m <= row.m) return row;
  return tallytable[std::size(tallytable) - 1];
}

// Fill of the combo bar for a combo: nothing up to 4, 35 pixels per action from 5 on.
int combowidth(int n) { return std::clamp(int((n - 4) * combobarwidth * 0.125), 0, combobarwidth); }

void drawcombofill(int fill, float x, float y) {
  if (fill >= combobarwidth) {
    if (combofillimg) drawimg(combofillimg, x, y);
    return;
  }
  if (!combofillstrip) return;
  for (int i = 0; i < fill / combosegment; i++) drawframe(combofillstrip, x + combosegment * i, y, i, 15);
}

}  // namespace

void addpoints(int points, float x, float y, int one, int zero, int kind) {
  if (!playerok()) return;
  points *= std::max(pointsfactor[player], 1);
  int s = std::min(points, 25);
  if (!(x > 0 && x < screenw && y > 0 && y < screenh)) return;  // an award off the screen is lost
  pointsflash = 1;
  roundpoints += points;
  // Coins go up to 50: a bigger award (50 at double points) rises as several coins.
  for (int left = points; left > 0; left -= coinmost)
    addeffect(x, y, EFF_COIN + std::min(left, coinmost), 0.1f * Rand(-30, 30), -0.1f * Rand(60, 120));
  if (points >= 10 && s > 0) {
    for (int i = 1; i <= s; i++) {
      double angle = (360 / s) * i * degree;
      float dx = float(50 * std::cos(angle)), dy = float(50 * std::sin(angle));
      addeffect(x + dx, y + dy, kind + EFF_SPARKLEBALL, 0.1f * dx, 0.1f * dy);
    }
  }
  if (bouncefx == -1) PlayS_vol(points < 10 ? SFX_CASHSMALL : SFX_CASHBIG, x, 0.7f);
}

void noterun(int n) {
  if (!playerok()) return;
  if (bestcombo[player] < n) {
    bestcombo[player] = n;
    if (n > 11) PlayS(SFX_MAXBONUS, screenw - 167);
    comborecordglow = 1;
  } else {
    showncombo = n;
    comboglow = 1;
  }
  combo = 0;
}

void drawcombobar() {
  if (!playerok()) return;
  const int y0 = barpos;
  const float barx = screenw - 307;
  if (combobarimg) drawimg(combobarimg, screenw - 167, y0 - 9);
  int w = combowidth(bestcombo[player]);
  if (combofill < w) combofill = std::min(int(combofill - (combofill - w) * 0.1) + 1, combobarwidth);
  drawcombofill(combofill, barx, y0 - 1);
  float a = GetAlpha();
  if (comborecordglow > 0) {
    int t = comborecordglow;
    SetBlend(BLEND_LIGHT);
    SetAlpha(a * float(std::sin(3 * t * degree)));
    SetScale(1, 1.5f);
    drawcombofill(combofill, barx, y0 - 1);
    if (t < 40 && Rand(1, 5) == 1) addeffect(barx + combofill - 35, y0 - 6, EFF_GLOWBALL + 5, 0, 0);
    comborecordglow = comborecordglow + 1 >= glowframes ? 0 : comborecordglow + 1;
  }
  if (comboglow > 0) {
    int t = comboglow;
    if (t == 1) showncombofill = combowidth(showncombo);
    SetBlend(BLEND_LIGHT);
    SetAlpha(a * float(std::sin(3 * t * degree)));
    SetScale(1, 1.1f);
    drawcombofill(showncombofill, barx, y0 - 1);
    Print("comboact: " + std::to_string(showncombo));
    Print("comboactrun: " + std::to_string(showncombofill));
    comboglow = comboglow + 1 >= glowframes ? 0 : comboglow + 1;
  }
  SetScale(1, 1);
  SetAlpha(a);
  SetBlend(BLEND_ALPHA);
  if (headimg) drawimg(headimg, barx + combofill - 15, y0 - 10);
  drawtext(gametext(3, 12), screenw - 169, y0 - 42, ALIGN_CENTRE, 7);
}

void drawpointsbar() {
  if (!playerok()) return;
  const int p = player;
  const int y0 = barpos;
  float a = GetAlpha();
  if (pointsbarimg) drawimg(pointsbarimg, 172, y0 - 11);
  if (ballsimg) drawimg(ballsimg, 42, y0 - 11);
  if (pointsflash > 0) {
    int t = pointsflash;
    SetBlend(BLEND_LIGHT);
    SetAlpha(a * float(std::sin(9 * t * degree)));
    if (ballsimg) drawimg(ballsimg, 42, y0 - 11);
    SetAlpha(a);
    SetBlend(BLEND_ALPHA);
    pointsflash = pointsflash + 1 > flashframes ? 0 : pointsflash + 1;
  }
  if (pointsfactor[p] == 2) {
    // Double points: a sun turns behind the coins.
    setdrawstate(float(framecount), 0.7f, 0.7f, BLEND_LIGHT, a * float(0.6 + 0.1 * std::sin(2 * framecount * degree)));
    if (gloimg[9]) drawimg(gloimg[9], 69, y0 - 2);
    setdrawstate(0, 1, 1, BLEND_ALPHA, a);
    drawtext("x2", 67, y0 - 12, ALIGN_CENTRE, 2);
  }
  drawtext(gametext(3, 10), 157, y0 - 31, ALIGN_RIGHT, 7);
  drawtext(std::to_string(cash[p] + roundpoints), 157, y0 - 6, ALIGN_RIGHT, 7);
  // Three little cards as the cards-left sign.
  SetScale(0.3f, 0.3f);
  const int decofaces[3] = {0, 25, 51};  // an ace, a king, a king of another suit
  for (int i = 0; i < 3; i++)
    if (faceimg[decofaces[i]]) drawimg(faceimg[decofaces[i]], 186 + 8 * i, y0 - 36);
  SetScale(1, 1);
  drawtext(gametext(3, 11), 315, y0 - 31, ALIGN_RIGHT, 7);
  int par = level >= 1 && level <= levelcount ? levelpar[level] : 0;
  drawtext(std::to_string(cardsleft) + " / " + std::to_string(par), 315, y0 - 6, ALIGN_RIGHT, 7);
}

void drawlongdrive() {
  if (longdrivetime < 1 || longdrivetime > longdriveframes - 1) return;
  longdrivetime++;
  int t = longdrivetime;
  if (t == 2) {
    PlayS(SFX_LONGDRIVE, midx);
    addpoints(25, stocktopx + 48, stocky, 1, 0, AWARD_BONUS);
  }
  float s = float(std::sin(((t * 180) / 100) * degree));
  float a = GetAlpha();
  SetScale(s, s);
  SetAlpha(a * s);
  if (longdrivesignimg) drawimg(longdrivesignimg, midx, midy);
  SetScale(1, 1);
  SetAlpha(a);
  if (t >= longdriveframes) longdrivetime = 0;
}

void decideresult() {
  int par = level >= 1 && level <= levelcount ? levelpar[level] : 0;
  if (levelbroken == 1) {
    // A level that could not be read is no win, however empty its table is.
    gameresult = RESULT_FAIL;
    roundstars = 0;
  } else if (cardsleft > par) {
    gameresult = RESULT_FAIL;
    roundstars = 0;
  } else if (cardsleft == 0) {
    gameresult = RESULT_STRIKE;
    roundstars = 3;
  } else {
    gameresult = RESULT_SOLVED;
    roundstars = cardsleft >= par - 2 ? 1 : 2;
  }
}

int resultstars() {
  if (gameresult == RESULT_STRIKE) return 3;
  if (gameresult != RESULT_SOLVED) return 0;
  int par = level >= 1 && level <= levelcount ? levelpar[level] : 0;
  return cardsleft >= par - 2 ? 1 : 2;
}

void recordresult() {
  if (!playerok() || level < 1 || level > levelcount) return;
  const int p = player;
  levelstars[p][level] = std::max(levelstars[p][level], resultstars());
  levelbest[p][level] = std::min(levelbest[p][level], cardsleft);
}

float tallyfactor(int m) { return tallyfor(m).factor; }

std::string tallytext(int m) { return tallyfor(m).text; }

void starttally() {
  if (!playerok()) return;
  tallypoints = roundpoints;
  tallycombo = bestcombo[player] - 1;
  tallytotal = int(tallypoints * tallyfactor(tallycombo));
}

std::string tallyline() {
  return std::to_string(tallypoints) + " " + gametext(1, 5) + " " + tallytext(tallycombo) + " = " +
         std::to_string(tallytotal) + " " + gametext(1, 5);
}

void banktally() {
  if (!playerok()) return;
  cash[player] += tallytotal;
  roundpoints = 0;
}

void fireworks(int frame) {
  if (frame < fireworkfirst || frame > fireworklast || frame % 4 != 0) return;
  if (gameresult != RESULT_SOLVED && gameresult != RESULT_STRIKE) return;
  int dx = Rand(1, 200) + 250;
  int y = Rand(1, 200) + 100;
  int x = frame % 8 == 0 ? midx + dx : midx - dx;
  starburst(x, y, Rand(1, 6));
  addpoints(gameresult == RESULT_STRIKE ? 25 : 10, x, y, 1, 0, AWARD_FIREWORK);
  PlayS(SFX_WINPOINTS, x);
}
