// The story chapters' pictures. Each chapter draws its scenes and objects in its own file
// (forge_story_chNN.cpp) and lists them in its own manifest; the shared story pictures
// (the text panel, the censored sign) live in forge_story_common.cpp.
#pragma once
#include "tools/forge/forge.h"

void forgestory_common();
std::vector<pictureentry> manifest_story_common();
void forgestory_ch1();
std::vector<pictureentry> manifest_story_ch1();
void forgestory_ch2();
std::vector<pictureentry> manifest_story_ch2();
void forgestory_ch3();
std::vector<pictureentry> manifest_story_ch3();
void forgestory_ch4();
std::vector<pictureentry> manifest_story_ch4();
void forgestory_ch5();
std::vector<pictureentry> manifest_story_ch5();
void forgestory_ch6();
std::vector<pictureentry> manifest_story_ch6();
void forgestory_ch7();
std::vector<pictureentry> manifest_story_ch7();
void forgestory_ch8();
std::vector<pictureentry> manifest_story_ch8();
void forgestory_ch9();
std::vector<pictureentry> manifest_story_ch9();
void forgestory_ch10();
std::vector<pictureentry> manifest_story_ch10();

void forgestory();                        // every chapter
std::vector<pictureentry> manifest_story();  // every chapter's list
