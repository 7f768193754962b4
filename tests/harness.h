// Headless test harness: the software renderer, the dummy audio driver, a fake clock,
// a fresh user folder per test, and helpers that feed input and run whole frames.
#pragma once
#include "runtime/runtime.h"
#include "runtime/testinput.h"
#include <string>

// Resets the shell, points the user folder at a new empty folder and runs the start-up.
void headlessstart();
// Opens only the headless graphics at the given virtual size (runtime tests).
void headlessgraphics(int w = 1024, int h = 768);
void runframes(int n);  // whole frames, the clock moving 20 ms each
// Frames make every draw call but fill pixels only for a test that looks at the picture (the
// software renderer is otherwise most of a test's time): such a test sets fillframes before
// its frames, and pixel() refuses a picture the frames left unfilled. Each start clears it.
inline bool fillframes = false;
std::string freshuserhome();  // a new empty folder used as XDG_DATA_HOME
std::string tempfolder();     // a new empty folder for a test's own files
void writebytes(const std::string& path, const std::string& bytes);
std::string readbytes(const std::string& path);
uint32_t pixel(int x, int y);  // 0xRRGGBB of the rendered frame

// A person's actions, each spanning whole frames. Positions are window units, the mouse's own:
// headless, the window is the virtual screen unless a test resizes it (testwindowsize).
void pointat(int x, int y);  // move the pointer there and run one frame
void clickat(int x, int y);  // move there, press the left button for one frame, release for one frame
void presskey(int key);      // down for one frame, then up for one frame
void typetext(const std::string& text);  // one typed character a frame, as a person types
