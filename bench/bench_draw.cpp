// Draw benchmark: 2000 textured quads a frame (rotated, scaled, tinted, mixed blend modes)
// at 1366 x 768 on the headless software renderer. Reports the median cost per frame of the
// runtime's own work (building and submitting the quads) and of the whole frame, which on
// the software renderer is dominated by rasterising; real play uses the GPU renderer.
#include "runtime/runtime.h"
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

using clockt = std::chrono::steady_clock;

static double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

int main() {
  setenv("SDL_VIDEODRIVER", "dummy", 0);
  SetHeadless(true);
  if (!Graphics(1366, 768, 0, 60, 0)) return 1;
  std::vector<uint8_t> px(64 * 64 * 4);
  for (int y = 0; y < 64; y++)
    for (int x = 0; x < 64; x++) {
      uint8_t* o = &px[(y * 64 + x) * 4];
      o[0] = uint8_t(x * 4);
      o[1] = uint8_t(y * 4);
      o[2] = 200;
      o[3] = uint8_t((x + y) * 2);
    }
  AutoMidHandle(true);
  Image img[4];
  for (int i = 0; i < 4; i++) img[i] = CreateImageFromPixels(px.data(), 64, 64, IMG_FILTERED);
  const int draws = 2000, frames = 200;
  const int blends[4] = {BLEND_ALPHA, BLEND_LIGHT, BLEND_ALPHA, BLEND_SHADE};
  std::vector<double> own, whole;
  SeedRnd(1);
  SetRendererTiming(true);
  for (int f = 0; f < frames + 10; f++) {
    auto t0 = clockt::now();
    Cls();
    double submit = 0;
    for (int i = 0; i < draws; i++) {
      // State changes are part of the runtime's work too.
      auto s0 = clockt::now();
      SetBlend(blends[i & 3]);
      SetColor(155 + (i * 7) % 100, 155 + (i * 13) % 100, 200);
      SetAlpha(0.5f + (i % 5) * 0.1f);
      SetScale(0.5f + (i % 7) * 0.2f, 0.5f + (i % 3) * 0.3f);
      SetRotation(float((i * 37 + f * 3) % 360));
      DrawImage(img[i & 3], float((i * 53) % 1366), float((i * 29) % 768), 0);
      submit += std::chrono::duration<double, std::micro>(clockt::now() - s0).count();
    }
    submit -= RendererMicros();  // what SDL spent rasterising is not the runtime's own work
    Flip(1);
    double total = std::chrono::duration<double, std::milli>(clockt::now() - t0).count();
    if (f >= 10) {  // the first frames upload textures
      own.push_back(submit);
      whole.push_back(total);
    }
  }
  double ownmed = median(own);
  std::printf("bench_draw: %d quads/frame, %d frames, 1366x768 software renderer\n", draws, frames);
  std::printf("  runtime's own work (state + quad building + submit): median %.1f us/frame = %.3f us/draw\n", ownmed,
              ownmed / draws);
  std::printf("  whole frame incl. software rasterising:             median %.1f ms/frame\n", median(whole));
  return 0;
}
