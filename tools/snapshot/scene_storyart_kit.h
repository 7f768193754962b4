// Helpers the chapters' layout snapshots share: pictures loaded with the handle a chapter
// gives them, the text panel and a speech bubble placed as the story screen places them.
#pragma once
#include "runtime/runtime.h"
#include <string>

// A story picture: centred, top-left (hx = hy = 0) or with its handle at (hx, hy).
Image storyartpic(const std::string& path);
Image storyartpicat(const std::string& path, float hx, float hy);
// The chapter's text panel at (midx, y) with its title t and text box b pixels above y; the
// title, text and last line are the chapter's texts first, first + 1, first + 2.
void storyartpanel(int chapter, int first, float y, float t, float b, float alpha);
// Speech bubble n of the chapter centred at (x, y).
void storyartbubble(int chapter, int n, float x, float y);
// Fresh screen of the given width (768 high), with fonts and texts ready for the panel.
void storyartscreen(int w);
