// A test pattern of the drawing layer: rows of blend modes, tints, alpha steps, scales and
// rotations, each drawn over a striped backdrop so that blending shows.
#include "tools/snapshot/snapshot.h"
#include "runtime/runtime.h"
#include "shell/gfx.h"
#include <cmath>

// An arrow-marked tile: an orange disc with a soft edge and a white arrow pointing right,
// so that rotation and scale are obvious.
static Image maketile() {
  const int n = 64;
  std::vector<uint8_t> p(n * n * 4, 0);
  for (int y = 0; y < n; y++)
    for (int x = 0; x < n; x++) {
      uint8_t* o = &p[(y * n + x) * 4];
      float dx = x + 0.5f - n / 2.0f, dy = y + 0.5f - n / 2.0f, d = std::sqrt(dx * dx + dy * dy);
      float a = d < 26 ? 1 : d < 31 ? (31 - d) / 5 : 0;
      bool arrow = (dx > -18 && dx < 8 && std::fabs(dy) < 4) || (dx >= 8 && dx < 22 && std::fabs(dy) < (22 - dx) * 0.8f);
      o[0] = arrow ? 255 : 245;
      o[1] = arrow ? 255 : 135;
      o[2] = arrow ? 255 : 35;
      o[3] = uint8_t(a * 255);
    }
  return CreateImageFromPixels(p.data(), n, n, IMG_FILTERED);
}

static Image makestripes(int w, int h) {
  std::vector<uint8_t> p(size_t(w) * h * 4);
  for (int y = 0; y < h; y++)
    for (int x = 0; x < w; x++) {
      uint8_t* o = &p[(size_t(y) * w + x) * 4];
      bool band = ((x / 16) % 2) == 0;
      o[0] = band ? 40 : 90;
      o[1] = band ? 30 : 70;
      o[2] = band ? 70 : 140;
      o[3] = 255;
    }
  return CreateImageFromPixels(p.data(), w, h, 0);
}

bool snaptestpattern() {
  snapscreen(1024, 768);
  Image tile = maketile(), stripes = makestripes(1000, 130);
  const float rowy[5] = {80, 230, 380, 530, 680};
  for (float y : rowy) drawimg(stripes, 512, y);
  // Row 1: blend modes solid, alpha, light (twice, to show it adds), shade.
  const int blends[5] = {BLEND_SOLID, BLEND_ALPHA, BLEND_LIGHT, BLEND_LIGHT, BLEND_SHADE};
  for (int i = 0; i < 5; i++) {
    SetBlend(blends[i]);
    drawimg(tile, 112 + i * 200, rowy[0]);
    if (i == 3) drawimg(tile, 112 + i * 200, rowy[0]);
  }
  resetdrawstate();
  // Row 2: tints red, green, blue, grey 128, and out-of-range values clamped.
  const int tints[5][3] = {{255, 60, 60}, {60, 255, 60}, {60, 60, 255}, {128, 128, 128}, {300, -32, 300}};
  for (int i = 0; i < 5; i++) {
    SetColor(tints[i][0], tints[i][1], tints[i][2]);
    drawimg(tile, 112 + i * 200, rowy[1]);
  }
  resetdrawstate();
  // Row 3: alpha 1, 0.75, 0.5, 0.25, and 1.7 clamped to 1.
  const float alphas[5] = {1, 0.75f, 0.5f, 0.25f, 1.7f};
  for (int i = 0; i < 5; i++) {
    SetAlpha(alphas[i]);
    drawimg(tile, 112 + i * 200, rowy[2]);
  }
  resetdrawstate();
  // Row 4: scale 0.5, 1, 1.5, 2 x 1 (non-uniform), 1 x 0.5.
  const float scales[5][2] = {{0.5f, 0.5f}, {1, 1}, {1.5f, 1.5f}, {2, 1}, {1, 0.5f}};
  for (int i = 0; i < 5; i++) {
    SetScale(scales[i][0], scales[i][1]);
    drawimg(tile, 112 + i * 200, rowy[3]);
  }
  resetdrawstate();
  // Row 5: rotation 0, 45, 90 (arrow points down), 180, -90 (arrow points up).
  const float rots[5] = {0, 45, 90, 180, -90};
  for (int i = 0; i < 5; i++) {
    SetRotation(rots[i]);
    drawimg(tile, 112 + i * 200, rowy[4]);
  }
  resetdrawstate();
  return savesnapshot("testpattern");
}
