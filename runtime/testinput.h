// Test interface: puts input straight into the runtime's own state and fakes the clock.
// (Pushed system events would not update the state the game reads.)
#pragma once

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
