// Test kit for the shell's popups and players: a stand-in screen that shows popups over the
// title background, driven through whole frames with a person's clicks, keys and typing, and
// quick ways to put players on file.
#pragma once
#include "tests/harness.h"
#include "shell/backgrounds.h"
#include "shell/buttons.h"
#include "shell/dispatch.h"
#include "shell/gfx.h"
#include "shell/menu.h"
#include "shell/profiles.h"
#include "shell/settings.h"
#include "shell/state.h"
#include <string>

// No real screen has this number: the dispatcher runs nothing for it, and the frame below
// draws what a screen with popups draws (its picture, then the open popup on top).
inline constexpr int popupscreen = 77;
inline std::string popupframestate;  // the last frame's drawing-state report, "" when all was restored

inline void popupscreenframe() {
  Cls();
  readinput();
  doall();
  if (screen == popupscreen) {
    if (titleskya) drawtitlebg(-1266);
    buttonlayer = popuplevel > 0 ? 2 : 1;  // the screen's own buttons are inert under a popup
    drawpopups();
  }
  std::string report = checkdrawstate();
  if (!report.empty()) popupframestate = report;
  Flip(1);
  testadvanceclock(20);
}

inline void popframes(int n) {
  for (int i = 0; i < n; i++) popupscreenframe();
}

inline void poppoint(int x, int y) {
  testmousemove(x, y);
  popframes(1);
}

// Move there, press the left button for one frame, release it for one frame.
inline void popclick(int x, int y) {
  testmousemove(x, y);
  testmousepress(1);
  popframes(1);
  testmouserelease(1);
  popframes(1);
}

inline void popkey(int key) {
  testkeypress(key);
  popframes(1);
  testkeyrelease(key);
  popframes(1);
}

inline void poptype(const std::string& text) {
  for (unsigned char c : text) {
    testtypechar(c);
    popframes(1);
  }
}

// A fresh start (fifteen empty profiles), the menu's pictures, and the stand-in screen
// fully faded in with the mouse sampled.
inline void popupscreenstart() {
  headlessstart();
  loadmenustuff_dynamic();
  screen = popupscreen;
  inputon = 1;
  fadereset();
  popframes(8);
  popupframestate.clear();
}

// A player on file in slot p.
inline void putplayer(int p, const std::string& name, int banked, int top) {
  clearplayer(p);
  playername[p] = name;
  cash[p] = banked;
  toplevel[p] = top;
  saveplayer(p);
}

// Positions of the popups' buttons, from the centre of the screen.
inline int leftbuttonx() { return midx - 82; }    // small panel, left button
inline int rightbuttonx() { return midx + 82; }   // small panel, right button
inline int smallbuttonsy() { return midy + 160; }
inline int bigbuttony() { return midy + 220; }    // large panel's button row
inline int listrowy(int r) { return midy - 171 + 26 * r + 12; }  // the middle of row r of the player list
