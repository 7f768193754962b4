#include "presentation/effects.h"
#include "presentation/sound.h"
#include "shell/gfx.h"
#include "shell/settings.h"
#include "shell/state.h"
#include "text/fonts.h"
#include <algorithm>
#include <cmath>

namespace {

// Motion tuning shared by the kinds.
constexpr float effgravity = 0.3f;    // pixels per frame per frame for everything that falls
constexpr float coingravity = 1;      // point coins drop faster than the decoration
constexpr float jitterstep = 0.05f;   // jitter move: up to ±0.5 pixels a frame of shiver
constexpr int lowfps = 10;            // below this frame rate the decorative particles are dropped
constexpr int cardhalfw = 48, cardhalfh = 71;  // half a card: bursts scatter over a card's area

// Point coins: award points, the number picture showing them and the coin's size.
struct coinrow {
  int points;
  int numpic;  // numimg entry
  float size;
};
const coinrow cointable[] = {
    {1, 1, 0.75f},   // small awards: small coins
    {2, 2, 0.75f},
    {3, 3, 0.75f},
    {5, 4, 0.75f},
    {10, 5, 0.85f},  // a combo step
    {20, 6, 1},      // big awards: full size
    {25, 7, 1},
    {30, 8, 1},
    {50, 9, 1},
    {100, 9, 1},     // a 50 award at double points: drawn as a stack of two 50 coins
};
constexpr int coinstack = 100;  // the points of the stacked double coin
constexpr float coinedge = 30;  // coins turn this many sizes from the side edges
constexpr int coinfloor = 23;   // the floor line sits this far above the bottom
constexpr int coinrestage = 180;  // a coin at rest jumps to this age and fades out
constexpr int coinlife = 200;

// Sound table entries the layer plays.
enum {
  SND_DOUBLESUNS = 1,
  SND_CASHSMALL = 2,   // coin bounce below 10 points
  SND_CASHBIG = 7,     // coin bounce from 10 points
  SND_BIRD1 = 34,
  SND_BIRD2 = 35,
  SND_BIRD3 = 37,
  SND_PIGCANNON = 42,
};

const coinrow* findcoin(int kind) {
  for (const coinrow& row : cointable)
    if (kind == EFF_COIN + row.points) return &row;
  return nullptr;
}

// Age step a: a, and with chance 3 in 10 a second time, so lifetimes vary.
void agestep(int i, int a) {
  effage[i] += a;
  if (Rand(1, 10) < 4) effage[i] += a;
}

void plainmove(int i) {
  effx[i] += effvx[i];
  effy[i] += effvy[i];
}

// The stored speed stays as it was; only the position shivers.
void jittermove(int i) {
  effx[i] += effvx[i] + jitterstep * Rand(-10, 10);
  effy[i] += effvy[i] + jitterstep * Rand(-10, 10);
}

float spin(int i) { return float(framecount) * float(i % 20 + 10); }
float fastspin(int i) { return float(framecount) * float(i % 20 + 20); }
float fadein(int age) { return age < 5 ? 0.2f * age : 1; }
int byslot(int i, int n) { return i % n + 1; }

// Ends the particle after it was drawn: by age, and when the machine is too slow for decoration.
void retire(int i, int life, bool fpscut) {
  if (effage[i] >= life || (fpscut && fps < lowfps)) effkind[i] = 0;
}

// The layer's resting state between particles.
void effdefault() { setdrawstate(0, 1, 1, BLEND_ALPHA, effalpha); }

void moveglow(int i, bool sparkle) {
  int c = effkind[i] - (sparkle ? EFF_SPARKLEBALL : EFF_GLOWBALL);
  agestep(i, 2);
  effvy[i] += effgravity;
  jittermove(i);
  float s = sparkle ? 1 - 0.01f * effage[i] : 1.2f * (1 - 0.01f * effage[i]);
  setdrawstate(0, s, s, BLEND_ALPHA, sparkle ? effalpha : fadein(effage[i]));
  drawimg(glbimg[c], effx[i], effy[i]);
  retire(i, 100, true);
}

void moveglass(int i) {
  agestep(i, 1);
  effvx[i] *= 0.99f;
  effvy[i] += effgravity;
  jittermove(i);
  float d = i % 2 == 1 ? 1 : -1;  // neighbouring shards turn opposite ways
  setdrawstate(d * effage[i] * (10 + 6 * sind(float(i))), 1, 1, BLEND_ALPHA, fadein(effage[i]));
  drawimg(glassimg[byslot(i, 3)], effx[i], effy[i]);
  retire(i, 150, true);
}

void movefeatherfall(int i) {
  agestep(i, 1);
  effvx[i] *= 0.95f;
  effvy[i] += effgravity;
  plainmove(i);
  float s = 0.5f + 0.05f * (i % 10);
  setdrawstate(spin(i), s, s, BLEND_ALPHA, effalpha);
  drawimg(featherimg[2], effx[i], effy[i]);
  retire(i, 200, true);
}

// Coloured and falling stars never age: they live until they drop below the screen.
void movestar(int i, const Image& oddpic, const Image& evenpic) {
  plainmove(i);
  effvy[i] += effgravity;
  float s = 0.5f + 0.4f * sind(55.0f * i);  // a fixed size per slot
  setdrawstate(fastspin(i), s, s, BLEND_ALPHA, effalpha);
  drawimg(i % 2 == 1 ? oddpic : evenpic, effx[i], effy[i]);
  if (effy[i] > screenh + 20 || fps < lowfps) effkind[i] = 0;
}

void moverain(int i) {
  float k = 0.5f + 0.05f * (effkind[i] - EFF_RAIN);
  effage[i]++;
  effvx[i] = -5 * k;
  effvy[i] = 20 * k;
  plainmove(i);
  setdrawstate(0, k, k, BLEND_ALPHA, effalpha);
  drawimg(storyrain, effx[i], effy[i]);
  if (effy[i] >= screenh + 100 || fps < lowfps) effkind[i] = 0;
}

void moveleaf(int i) {
  agestep(i, 2);
  effvx[i] *= 0.97f;
  effvy[i] *= 0.95f;
  effvy[i] += effgravity;
  plainmove(i);
  // The horizontal scale swings through zero: the leaf flips over as it tumbles.
  setdrawstate(spin(i), sind(float(framecount) * (i % 5 + 5)), 1, BLEND_ALPHA, fadein(effage[i]));
  drawimg(leafimg[byslot(i, 3)], effx[i], effy[i]);
  retire(i, 500, true);
}

// Pig and ninja grow a little at the start; s is their size this frame.
float critterscale(int age) { return 0.6f * std::min(1 + 0.04f * age, 1.4f); }

void movepig(int i) {
  float s = critterscale(effage[i]);
  float a = effage[i] > 60 ? effalpha * 0.1f * (70 - effage[i]) : effalpha;
  setdrawstate(0, s, s, BLEND_ALPHA, a);
  int age = ++effage[i];
  float x = effx[i], y = effy[i];
  drawimg(pigcannonimg, x, y);
  if (age < 30) {
    drawimg(pigimg[age < 20 ? 1 : 2], x - 12 * s, y - 30 * s);
  } else {
    float t = float(age - 30);  // frames since the shot: an arc to the left
    float px = x - (12 + 10 * t) * s;
    drawimg(pigimg[3], px, y - (30 + 150 * sind(4 * t)) * s);
    if (age == 30) PlayS(SND_PIGCANNON, ftoi(px));
  }
  retire(i, 70, false);
}

// Bird feathers wait unseen while the bird flies off, then burst with its calls.
void movebirdfeathers(int i) {
  effage[i]++;
  if (effage[i] <= 40) return;
  if (effage[i] == 41 && screen == SCREEN_GAME) {
    if (Rand(1, 2) == 1) PlayS(SND_BIRD1, ftoi(effx[i]));
    if (Rand(1, 2) == 1) PlayS(SND_BIRD2, ftoi(effx[i]));
    if (Rand(1, 2) == 1) PlayS(SND_BIRD3, ftoi(effx[i]));
  }
  if (Rand(1, 10) < 4) effage[i]++;
  effvx[i] *= 0.95f;
  effvy[i] += effgravity;
  plainmove(i);
  float s = 0.5f + 0.05f * (i % 10);
  setdrawstate(spin(i), s, s, BLEND_ALPHA, 1);
  drawimg(featherimg[byslot(i, 5)], effx[i], effy[i]);
  retire(i, 200, true);
}

void movefruit(int i) {
  effage[i]++;
  if (effage[i] <= 30) return;
  if (Rand(1, 10) < 4) effage[i]++;
  effvx[i] *= 0.98f;
  effvy[i] += effgravity;
  plainmove(i);
  setdrawstate(spin(i), 1, 1, BLEND_ALPHA, 1);
  drawimg(fruitpartimg[byslot(i, 6)], effx[i], effy[i]);
  retire(i, 200, true);
}

void moveninja(int i) {
  float s = critterscale(effage[i]);
  float a = effage[i] > 40 ? effalpha * 0.1f * (50 - effage[i]) : effalpha;
  setdrawstate(0, s, s, BLEND_ALPHA, a);
  int age = ++effage[i];
  int f = std::clamp((age - 10) / 5 + 1, 1, 4);
  drawimg(ninjaimg[f], effx[i], effy[i] + 34);
  retire(i, 50, false);
}

void moveconfetti(int i) {
  agestep(i, 2);
  effvx[i] *= 0.95f;
  effvy[i] *= 0.95f;
  effvy[i] += effgravity;
  plainmove(i);
  setdrawstate(spin(i), sind(float(framecount) * (i % 10 + 10)), 1, BLEND_ALPHA, fadein(effage[i]));
  drawimg(konfettiimg[byslot(i, 4)], effx[i], effy[i]);
  retire(i, 200, true);
}

void movequestion(int i) {
  effage[i]++;
  plainmove(i);
  float a = effage[i] > 40 ? effalpha * 0.1f * (50 - effage[i]) : effalpha;
  float s = 0.5f + 0.1f * (i % 5);
  setdrawstate(0, s, s, BLEND_ALPHA, a);
  drawimg(questionimg, effx[i], effy[i]);
  retire(i, 50, true);
}

// The glow belongs to the stock row: it follows the row's height, not its own.
void moveextraglow(int i) {
  effage[i]++;
  setdrawstate(0, 1, 1, BLEND_LIGHT, effalpha * (1 - 0.02f * effage[i]));
  drawimg(extraglowimg, effx[i], float(stocky + 71));
  retire(i, 50, false);
}

void movecardpart(int i) {
  effage[i]++;
  effvy[i] += effgravity;
  jittermove(i);
  int age = effage[i];
  float rot = i % 3 == 1 ? 3.0f * age : i % 3 == 2 ? -2.0f * age : float(age);
  float a = age > 90 ? effalpha * 0.1f * (100 - age) : effalpha;
  setdrawstate(rot, 1, 1, BLEND_ALPHA, a);
  drawimg(cardpartimg[byslot(i, 3)], effx[i], effy[i]);
  retire(i, 100, true);
}

void movecoin(int i, const coinrow& coin) {
  effage[i]++;
  float size = coin.size;
  bool due = false;  // a bounce sound is due this frame
  float loud = 0;    // and its loudness
  effx[i] += effvx[i];
  if (bouncefx == 1 && (effx[i] < coinedge * size || effx[i] > screenw - coinedge * size)) {
    effvx[i] = -effvx[i];
    due = true;
    loud = std::fabs(effvx[i]) * 0.05f;
  }
  effy[i] += effvy[i];
  if (effy[i] > screenh - coinfloor) {
    if (bouncefx == 1) {
      effvy[i] = -std::fabs(effvy[i]) * 0.8f;  // each floor bounce loses a fifth of the speed
      effy[i] -= 2;
      if (effvy[i] < -0.5f) {
        due = true;
        loud = std::fabs(effvy[i]) * 0.03f;  // the floor's bounce is the one heard
      } else {
        effage[i] = std::max(effage[i], coinrestage);
      }
    } else if (effy[i] > screenh + 30) {
      effkind[i] = 0;  // fell off the bottom
      return;
    }
  } else {
    effvy[i] += coingravity;
  }
  if (due) PlayS_vol(coin.points < 10 ? SND_CASHSMALL : SND_CASHBIG, ftoi(effx[i]), loud);
  float a = effage[i] > coinrestage ? 0.05f * (coinlife - effage[i]) : 1;
  setdrawstate(0, size, size, BLEND_ALPHA, a);
  if (coin.points == coinstack) {
    drawimg(ballimg, effx[i] - 7, effy[i] - 7);
    drawimg(numimg[coin.numpic], effx[i] - 6, effy[i] - 8);
  }
  drawimg(ballimg, effx[i], effy[i]);
  drawimg(numimg[coin.numpic], effx[i] + 1, effy[i] - 1);
  retire(i, coinlife, false);
}

void movesparkle(int i) {
  effage[i]++;
  float w = sind(3.0f * effage[i]);  // up to half size at age 30, gone again at 60
  setdrawstate(3.0f * framecount + 90.0f * i, 0.5f * w, 0.5f * w, BLEND_ALPHA, w);
  drawimg(sparkleimg, effx[i], effy[i]);
  retire(i, 60, true);
}

void movegreensparkle(int i) {
  effage[i]++;
  effvx[i] *= 0.5f;
  effvy[i] *= 0.5f;
  plainmove(i);
  float w = cosd(1.5f * effage[i]);
  setdrawstate(float(framecount) + 90.0f * i, 0.5f * w, 0.5f * w, BLEND_ALPHA, w);
  drawimg(greensparkleimg, effx[i], effy[i]);
  retire(i, 60, true);
}

// A fading copy of the flying card, left behind once per frame; its rotation is in effvx.
void movecardtrail(int i, int n) {
  effage[i]++;
  setdrawstate(effvx[i], 1, 1, BLEND_LIGHT, 0.2f * (1 - 0.05f * effage[i]));
  drawimg(n == efftrailfishslap ? fishslapimg : faceimg[n], effx[i], effy[i]);
  retire(i, 20, false);
}

// One particle's frame. Kinds the table does not know are left alone: they neither move,
// draw nor end until the table is cleared.
void moveparticle(int i) {
  int k = effkind[i];
  if (k > EFF_GLOWBALL && k <= EFF_GLOWBALL + 9) {
    moveglow(i, false);
  } else if (k > EFF_SPARKLEBALL && k <= EFF_SPARKLEBALL + 9) {
    moveglow(i, true);
  } else if (k == EFF_GLASS) {
    moveglass(i);
  } else if (k == EFF_FEATHERFALL) {
    movefeatherfall(i);
  } else if (k > EFF_COLOURSTAR && k <= EFF_COLOURSTAR + 9) {
    movestar(i, colorstarimg[k - EFF_COLOURSTAR], glbimg[k - EFF_COLOURSTAR]);
  } else if (k >= EFF_RAIN && k <= EFF_RAIN + 10) {
    moverain(i);
  } else if (k == EFF_LEAF) {
    moveleaf(i);
  } else if (k == EFF_PIGCANNON) {
    movepig(i);
  } else if (k == EFF_BIRDFEATHERS) {
    movebirdfeathers(i);
  } else if (k == EFF_FRUIT) {
    movefruit(i);
  } else if (k == EFF_NINJA) {
    moveninja(i);
  } else if (k == EFF_CONFETTI) {
    moveconfetti(i);
  } else if (k == EFF_QUESTION) {
    movequestion(i);
  } else if (k == EFF_EXTRAGLOW) {
    moveextraglow(i);
  } else if (k == EFF_CARDPART) {
    movecardpart(i);
  } else if (const coinrow* coin = findcoin(k)) {
    movecoin(i, *coin);
  } else if (k == EFF_FALLINGSTAR) {
    movestar(i, starimg, glbimg[7]);
  } else if (k == EFF_SPARKLE) {
    movesparkle(i);
  } else if (k == EFF_GREENSPARKLE) {
    movegreensparkle(i);
  } else if ((k >= EFF_CARDTRAIL && k < EFF_CARDTRAIL + 52) || k == EFF_CARDTRAIL + efftrailfishslap) {
    movecardtrail(i, k - EFF_CARDTRAIL);
  }
}

}  // namespace

void loadeffects() {
  lastfunc = "loadeffects()";
  for (int c = 1; c <= 9; c++) {
    glbimg[c] = loadimg("data\\effects\\glb" + str(c) + ".png");
    gloimg[c] = loadimg("data\\effects\\glo" + str(c) + ".png");
    colorstarimg[c] = loadimg("data\\effects\\star" + str(c) + ".png");
  }
  starimg = loadimg("data\\effects\\star.png");
  sparkleimg = loadimg("data\\effects\\sparkle.png");
  greensparkleimg = loadimg("data\\effects\\sparkle-green.png");
  questionimg = loadimg("data\\effects\\question.png");
  extraglowimg = loadimg("data\\solitaire/extracardglow.png");
  for (int f = 1; f <= 4; f++) ninjaimg[f] = loadimg("data\\solitaire/ninja" + str(f) + ".png");
  leafimg[1] = loadimg("data\\story\\intro\\leaf1.png");
  leafimg[2] = loadimg("data\\story\\intro\\leaf2.png");
  leafimg[3] = loadimg("data\\story\\intro\\leaf3.png");
  glassimg[1] = loadimg("data\\story\\6\\p1.png");
  glassimg[2] = loadimg("data\\story\\6\\p2.png");
  glassimg[3] = loadimg("data\\story\\6\\p3.png");
  for (int n = 1; n <= 3; n++) {
    bloodimg[n] = loadimg("data\\effects\\blood" + str(n) + ".png");
    cardpartimg[n] = loadimg("data\\effects\\cardpart" + str(n) + ".png");
    pigimg[n] = loadimg("data\\solitaire\\pig" + str(n) + ".png");
  }
  for (int n = 1; n <= 5; n++) {
    konfettiimg[n] = loadimg("data\\effects\\konfetti" + str(n) + ".png");
    featherimg[n] = loadimg("data\\effects\\feather" + str(n) + ".png");
  }
  for (int n = 1; n <= 6; n++) fruitpartimg[n] = loadimg("data\\effects\\fruitpart" + str(n) + ".png");
  pigcannonimg = loadimg("data\\solitaire\\pigcannon.png");
}

void cleareffects() {
  for (int i = 1; i <= effslots; i++) effkind[i] = 0;
}

void reseteffects() {
  cleareffects();
  effx.fill(0);
  effy.fill(0);
  effvx.fill(0);
  effvy.fill(0);
  effage.fill(0);
  effalpha = 1;
}

int addeffect(float x, float y, int kind, float vx, float vy) {
  // The first free slot; with all others busy the newest particle replaces the one in the last.
  int i = 1;
  while (i < effslots && effkind[i] != 0) i++;
  effkind[i] = kind;
  effx[i] = x;
  effy[i] = y;
  effvx[i] = vx;
  effvy[i] = vy;
  effage[i] = 0;
  // Glows and sparkles start part-way through their lives, so a burst varies in size and end.
  if (kind < 200) effage[i] = Rand(0, 50);
  return i;
}

void draweff() {
  effdefault();
  for (int i = 1; i <= effslots; i++) {
    if (effkind[i] == 0) continue;
    moveparticle(i);
    effdefault();
  }
}

void starburst(int x, int y, int c) {
  // The stars first, then the glows over them; both leave mostly upwards and fall back.
  for (int n = 1; n <= 25; n++) {
    int dx = Rand(-20, 20);
    int dy = Rand(-20, 6);
    addeffect(float(x + dx), float(y + dy), (n <= 5 ? EFF_COLOURSTAR : EFF_GLOWBALL) + c, 0.3f * dx, 0.3f * dy);
  }
}

void bigburst(int x, int y) {
  for (int n = 1; n <= 50; n++) {
    int dx = Rand(-cardhalfw, cardhalfw);
    int dy = Rand(-cardhalfh, cardhalfh);
    addeffect(float(x + dx), float(y + dy), EFF_GLOWBALL + 9, 0.1f * dx, 0.1f * dy);
  }
  // A few more over the balls at the left end of the points bar.
  for (int n = 1; n <= 10; n++) {
    float vx = 0.1f * Rand(-30, 30);
    float vy = 0.1f * Rand(-30, 30);
    addeffect(67, float(barpos - 12), EFF_GLOWBALL + 9, vx, vy);
  }
  PlayS(SND_DOUBLESUNS, x);
}

void cardburst(int x, int y) {
  for (int n = 1; n <= 10; n++) {
    int dx = Rand(-cardhalfw, cardhalfw);
    int dy = Rand(-cardhalfh, cardhalfh);
    addeffect(float(x + dx + xshift), float(y + dy), EFF_CARDPART, 0.1f * dx, 0.1f * dy);
  }
}

void extraburst(int x, int y) {
  for (int n = 1; n <= 25; n++) {
    int dx = Rand(-cardhalfw, cardhalfw);
    int dy = Rand(-cardhalfh, cardhalfh);
    addeffect(float(x + dx), float(y + dy), EFF_FALLINGSTAR, 0.1f * dx, 0.1f * dy);
  }
  addeffect(float(x), float(y), EFF_EXTRAGLOW, 0, 0);
}
