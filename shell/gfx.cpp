#include "shell/gfx.h"
#include "shell/state.h"

void logmsg(const std::string& kind, const std::string& text) {
  logcount++;
  loglastkind = kind;
  loglasttext = text;
  if (kind == "i" || kind == "s") logmissing.push_back(kind + " " + text);
  // A picture or sound that is missing or damaged is named once; the game goes on without it.
  if ((kind == "i" || kind == "s") && missingtold.insert(text).second)
    Print(std::string(kind == "i" ? "picture" : "sound") + " missing or damaged, left out: " + text);
  if (logtrace) Print("logmsg " + kind + ": " + text);
}

Image loadimg(const std::string& path) {
  Image img = LoadImage(path, -1);
  if (!img) logmsg("i", path);
  return img;
}

Image loadanim(const std::string& path, int cellw, int cellh, int count) {
  Image img = LoadAnimImage(path, cellw, cellh, 0, count, -1);
  if (!img) logmsg("i", path);
  return img;
}

void drawimg(const Image& image, float x, float y) {
  if (!image) {
    logmsg("error", "drawimage");
    return;
  }
  DrawImage(image, x, y, 0);
  drawncount++;
}

void drawframe(const Image& image, float x, float y, int frame, int lastframe) {
  if (!image) {
    logmsg("error", "drawimage");
    return;
  }
  if (frame >= 0 && frame <= lastframe) DrawImage(image, x, y, frame);
  drawncount++;
}

void drawvisible(const Image& image, float x, float y) {
  if (!image) return;
  int hw = int((image->width / 2) * drawstate.tform_scale_x);
  int hh = int((image->height / 2) * drawstate.tform_scale_y);
  if (x + hw > 0 && x - hw < screenw && y + hh > 0 && y - hh < screenh) {
    DrawImage(image, x, y, 0);
    drawncount++;
  } else {
    skippedcount++;
  }
}

void setdrawstate(float rotation, float scalex, float scaley, int blend, float alpha) {
  SetBlend(blend);
  SetAlpha(alpha);
  SetScale(scalex, scaley);
  SetRotation(rotation);
}

void resetdrawstate() {
  SetBlend(BLEND_ALPHA);
  SetScale(1, 1);
  SetAlpha(1);
  SetViewport(0, 0, screenw, screenh);
  SetRotation(0);
  SetColor(fadelevel, fadelevel, fadelevel);
}

std::string checkdrawstate() {
  const DrawState& d = drawstate;
  std::string wrong;
  if (d.tform_scale_x != 1 || d.tform_scale_y != 1) wrong += " scale";
  if (d.tform_rot != 0) wrong += " rotation";
  if (d.color_alpha != 1) wrong += " alpha";
  if (d.blend_mode != BLEND_ALPHA) wrong += " blend";
  if (d.viewport_x != 0 || d.viewport_y != 0 || d.viewport_w != screenw || d.viewport_h != screenh) wrong += " viewport";
  if (!wrong.empty()) {
    // Said once per screen routine, so a leak shows without flooding the trace.
    std::string key = lastfunc + wrong;
    if (drawstatetold.insert(key).second) Print("draw state not reset after " + lastfunc + ":" + wrong);
  }
  return wrong;
}

float clamplow0(float x) { return x >= 0 ? x : 0; }
float clamphigh1(float x) { return x <= 1 ? x : 1; }
