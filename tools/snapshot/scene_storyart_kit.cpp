#include "tools/snapshot/scene_storyart_kit.h"
#include "shell/gfx.h"
#include "shell/state.h"
#include "text/fonts.h"
#include "text/texts.h"
#include "tools/snapshot/snapshot.h"

namespace {
Image bubbleimg;    // "ui/tooltip.png"
Image fieldimg;     // "story/storytextfield.png"
bool textsready = false;
}  // namespace

Image storyartpic(const std::string& path) {
  AutoMidHandle(true);
  return loadimg(path);
}

Image storyartpicat(const std::string& path, float hx, float hy) {
  AutoMidHandle(false);
  Image img = loadimg(path);
  AutoMidHandle(true);
  if (img) SetImageHandle(img, hx, hy);
  return img;
}

void storyartscreen(int w) {
  snapscreen(w, 768);
  if (!textsready) {
    loadfonts();
    loadtexts();
    bubbleimg = storyartpic("data\\ui\\tooltip.png");
    textsready = true;
  }
}

void storyartpanel(int chapter, int first, float y, float t, float b, float alpha) {
  if (!fieldimg) fieldimg = storyartpic("data\\story\\storytextfield.png");
  SetAlpha(alpha);
  drawimg(fieldimg, float(midx), y);
  drawtext(storytext(chapter, first), float(midx), y - t, ALIGN_CENTRE, 4);
  drawtextbox(storytext(chapter, first + 1), float(midx), y - b, 520, 18, ALIGN_CENTRE, 7);
  drawtext(storytext(chapter, first + 2), float(midx), y + 39, ALIGN_CENTRE, 7);
  SetAlpha(1);
}

void storyartbubble(int chapter, int n, float x, float y) {
  drawimg(bubbleimg, x, y);
  drawtext(storytext(chapter, 3 + n), x, y - 7, ALIGN_CENTRE, 7);
}
