// Polled mouse and keyboard with hit counters, typed characters, window events.
// The runtime keeps its own state, fed only by its event loop (and by tests through testinput.h).
#pragma once

// The game's key codes (the classic virtual-key numbers).
enum {
  KEY_BACKSPACE = 8, KEY_TAB = 9, KEY_ENTER = 13, KEY_SHIFT = 16, KEY_ESCAPE = 27, KEY_SPACE = 32,
  KEY_LEFT = 37, KEY_UP = 38, KEY_RIGHT = 39, KEY_DOWN = 40, KEY_DELETE = 46,
  KEY_F1 = 112, KEY_F2, KEY_F3, KEY_F4, KEY_F5, KEY_F6, KEY_F7, KEY_F8
};

void PollSystem();  // processes pending system events; every input call does this first
int MouseX();       // physical client pixels
int MouseY();
int MouseHit(int button);   // presses since the last call for that button; resets the count
int MouseDown(int button);  // 1 while held
int KeyDown(int key);
int KeyHit(int key);
int GetChar();  // oldest typed character (ISO 8859-1 code), 0 when none
void FlushKeys();
void FlushMouse();
void MoveMouse(int x, int y);  // physical client pixels
void ShowMouse();
void HideMouse();
int PointerShown();  // 1 while the system pointer is shown
int AppTerminate();    // 1 once after the user asked to close the window
int AppSuspendEvent();  // next pending focus event: 1 lost, 2 regained, 0 none
