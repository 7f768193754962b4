// The game's own thin wrappers over image loading and drawing, used everywhere
// instead of the raw runtime calls.
#pragma once
#include "runtime/runtime.h"
#include <set>
#include <string>
#include <vector>

Image loadimg(const std::string& path);  // null and a log line when missing
Image loadanim(const std::string& path, int cellw, int cellh, int count);
void drawimg(const Image& image, float x, float y);
void drawframe(const Image& image, float x, float y, int frame, int lastframe);  // draws only frames 0..lastframe
void drawvisible(const Image& image, float x, float y);  // skipped when its scaled box is off screen
void setdrawstate(float rotation, float scalex, float scaley, int blend, float alpha);
void resetdrawstate();  // alpha blend, no scale, no rotation, whole viewport, the fade's grey
void logmsg(const std::string& kind, const std::string& text);
// Reports (once per routine name) when a frame ends with scale, rotation, alpha, blend or
// viewport not back at the defaults; returns what was wrong, "" when all is well.
std::string checkdrawstate();

float clamplow0(float x);   // x when x >= 0, else 0
float clamphigh1(float x);  // x when x <= 1, else 1

// The log hook's trail: failures are kept here for tests and the completeness check.
inline int logcount = 0;          // calls of logmsg this run
inline std::string loglastkind;   // the last call's kind
inline std::string loglasttext;   // and its text
inline bool logtrace = false;     // also print each call (the completeness check turns this on)
inline std::vector<std::string> logmissing;
inline std::set<std::string> missingtold;    // pictures and sounds already reported missing or damaged, kept until quit
inline std::set<std::string> drawstatetold;  // routine and state already reported by checkdrawstate  // every picture ("i") or sound ("s") that failed to load
