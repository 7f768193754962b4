// The story screen's scenes: each chapter renders its own story-N-*.png in scene_story_chNN.cpp.
#include "tools/snapshot/snapshot.h"

bool snapstory() {
  bool ok = true;
  ok &= snapstory_chapter1();
  ok &= snapstory_chapter2();
  ok &= snapstory_chapter3();
  ok &= snapstory_chapter4();
  ok &= snapstory_chapter5();
  ok &= snapstory_chapter6();
  ok &= snapstory_chapter7();
  ok &= snapstory_chapter8();
  ok &= snapstory_chapter9();
  ok &= snapstory_chapter10();
  return ok;
}
