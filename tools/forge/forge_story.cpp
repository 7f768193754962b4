#include "tools/forge/forge_story.h"

void forgestory() {
  forgestory_common();
  forgestory_ch1();
  forgestory_ch2();
  forgestory_ch3();
  forgestory_ch4();
  forgestory_ch5();
  forgestory_ch6();
  forgestory_ch7();
  forgestory_ch8();
  forgestory_ch9();
  forgestory_ch10();
}

std::vector<pictureentry> manifest_story() {
  std::vector<pictureentry> all = manifest_story_common();
  for (auto& e : manifest_story_ch1()) all.push_back(e);
  for (auto& e : manifest_story_ch2()) all.push_back(e);
  for (auto& e : manifest_story_ch3()) all.push_back(e);
  for (auto& e : manifest_story_ch4()) all.push_back(e);
  for (auto& e : manifest_story_ch5()) all.push_back(e);
  for (auto& e : manifest_story_ch6()) all.push_back(e);
  for (auto& e : manifest_story_ch7()) all.push_back(e);
  for (auto& e : manifest_story_ch8()) all.push_back(e);
  for (auto& e : manifest_story_ch9()) all.push_back(e);
  for (auto& e : manifest_story_ch10()) all.push_back(e);
  return all;
}
