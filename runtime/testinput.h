// Test interface: puts input straight into the runtime's own state and fakes the clock.
// (Pushed system events would not update the state the game reads.)
#pragma once
#include "runtime/audio.h"
#include <utility>
#include <vector>

void testmousemove(int x, int y);  // physical client pixels
void testmousepress(int button);   // down, and one hit
void testmouserelease(int button);
void testkeypress(int key);  // down, and one hit; Backspace, Enter and Escape also queue their character
void testkeyrelease(int key);
void testtypechar(int code);
void testclose();  // a window-close request
void testsuspend(bool lost);  // focus lost (true) or regained
void testresetinput();
void testclock(bool fake, int ms = 0);  // fake: MilliSecs returns ms, WaitTimer advances it instead of sleeping
void testadvanceclock(int ms);
// Headless display: the desktop size and the full-screen modes offered (all at 32 bits); the
// window resized now to w x h by the player or the window manager (0, 0 = back to the size
// asked for; graphics opened later start at their own size); whether the desktop lets full
// screen switch the monitor's mode; and real pixels per window unit (2 on a HiDPI screen).
void testdisplay(int desktopw, int desktoph, const std::vector<std::pair<int, int>>& modes);
void testwindowsize(int w, int h);
void testmodeswitch(bool allowed);
void testpixelscale(float scale);
void testresetdisplay();  // a 1024 x 768 desktop offering only its own size; as asked; one pixel a unit

// Audio: every mixer slot by number, so tests can look at all voices at once.
constexpr int testmixerslots = 96;
Channel testslotchannel(int slot);  // the live handle of mixer slot 1..96, 0 for none
