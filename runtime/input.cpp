#include "runtime/input.h"
#include "runtime/convert.h"
#include "runtime/testinput.h"
#include <SDL.h>
#include <array>
#include <deque>

// The runtime's own input state: fed by PollSystem from SDL's events, or by the test interface.
namespace {
struct InputState {
  int mx = 0, my = 0;                        // pointer, physical client pixels
  std::array<int, 4> mousedown{}, mousehits{};  // buttons 1 left, 2 right, 3 middle
  std::array<int, 256> keydown{}, keyhits{};
  std::deque<int> chars;                     // typed characters, oldest first, at most 256
  int closerequests = 0;
  std::deque<int> focusevents;               // 1 lost, 2 regained
};
InputState in;
}  // namespace

static int gamekey(SDL_Keycode k) {
  if (k >= SDLK_F1 && k <= SDLK_F8) return KEY_F1 + int(k - SDLK_F1);
  if (k >= 'a' && k <= 'z') return int(k - 'a' + 'A');
  if (k >= '0' && k <= '9') return int(k);
  switch (k) {
    case SDLK_RETURN: case SDLK_KP_ENTER: return KEY_ENTER;
    case SDLK_ESCAPE: return KEY_ESCAPE;
    case SDLK_SPACE: return KEY_SPACE;
    case SDLK_BACKSPACE: return KEY_BACKSPACE;
    case SDLK_TAB: return KEY_TAB;
    case SDLK_LSHIFT: case SDLK_RSHIFT: return KEY_SHIFT;
    case SDLK_LEFT: return KEY_LEFT;
    case SDLK_RIGHT: return KEY_RIGHT;
    case SDLK_UP: return KEY_UP;
    case SDLK_DOWN: return KEY_DOWN;
    case SDLK_DELETE: return KEY_DELETE;
    default: return 0;
  }
}

static void queuechar(int code) {
  if (code <= 0 || code > 255) return;
  if (in.chars.size() >= 256) in.chars.pop_front();
  in.chars.push_back(code);
}

static int sdlbutton(Uint8 b) { return b == SDL_BUTTON_LEFT ? 1 : b == SDL_BUTTON_RIGHT ? 2 : b == SDL_BUTTON_MIDDLE ? 3 : 0; }

void PollSystem() {
  if (!SDL_WasInit(SDL_INIT_EVENTS)) return;
  SDL_Event e;
  while (SDL_PollEvent(&e)) {
    switch (e.type) {
      case SDL_MOUSEMOTION:
        in.mx = e.motion.x;
        in.my = e.motion.y;
        break;
      case SDL_MOUSEBUTTONDOWN: {
        int b = sdlbutton(e.button.button);
        if (b) {
          in.mousedown[b] = 1;
          in.mousehits[b]++;
        }
        in.mx = e.button.x;
        in.my = e.button.y;
        break;
      }
      case SDL_MOUSEBUTTONUP: {
        int b = sdlbutton(e.button.button);
        if (b) in.mousedown[b] = 0;
        break;
      }
      case SDL_KEYDOWN: {
        int k = gamekey(e.key.keysym.sym);
        if (k) {
          in.keydown[k] = 1;
          if (!e.key.repeat) in.keyhits[k]++;
        }
        // Editing keys arrive as characters too, so name entry can read them from one queue.
        if (k == KEY_BACKSPACE || k == KEY_ENTER || k == KEY_ESCAPE) queuechar(k);
        break;
      }
      case SDL_KEYUP: {
        int k = gamekey(e.key.keysym.sym);
        if (k) in.keydown[k] = 0;
        break;
      }
      case SDL_TEXTINPUT: {
        std::string latin = utf8tolatin1(e.text.text);
        for (unsigned char c : latin) queuechar(c);
        break;
      }
      case SDL_QUIT:
        in.closerequests++;
        break;
      case SDL_WINDOWEVENT:
        if (e.window.event == SDL_WINDOWEVENT_FOCUS_LOST || e.window.event == SDL_WINDOWEVENT_MINIMIZED)
          in.focusevents.push_back(1);
        else if (e.window.event == SDL_WINDOWEVENT_FOCUS_GAINED || e.window.event == SDL_WINDOWEVENT_RESTORED)
          in.focusevents.push_back(2);
        break;
      default:
        break;
    }
  }
}

static bool validbutton(int b) { return b >= 1 && b <= 3; }
static bool validkey(int k) { return k >= 0 && k < 256; }

int MouseX() { PollSystem(); return in.mx; }
int MouseY() { PollSystem(); return in.my; }

int MouseHit(int button) {
  PollSystem();
  if (!validbutton(button)) return 0;
  int n = in.mousehits[button];
  in.mousehits[button] = 0;
  return n;
}

int MouseDown(int button) {
  PollSystem();
  return validbutton(button) ? in.mousedown[button] : 0;
}

int KeyDown(int key) {
  PollSystem();
  return validkey(key) ? in.keydown[key] : 0;
}

int KeyHit(int key) {
  PollSystem();
  if (!validkey(key)) return 0;
  int n = in.keyhits[key];
  in.keyhits[key] = 0;
  return n;
}

int GetChar() {
  PollSystem();
  if (in.chars.empty()) return 0;
  int c = in.chars.front();
  in.chars.pop_front();
  return c;
}

void FlushKeys() {
  PollSystem();
  in.keydown.fill(0);
  in.keyhits.fill(0);
  in.chars.clear();
}

void FlushMouse() {
  PollSystem();
  in.mousedown.fill(0);
  in.mousehits.fill(0);
}

void MoveMouse(int x, int y) {
  in.mx = x;
  in.my = y;
  SDL_Window* w = SDL_WasInit(SDL_INIT_VIDEO) ? SDL_GetMouseFocus() : nullptr;
  if (w) SDL_WarpMouseInWindow(w, x, y);
}

static bool pointershown = true;  // the system pointer, as last asked for (systems start with it shown)

void ShowMouse() {
  pointershown = true;
  if (SDL_WasInit(SDL_INIT_VIDEO)) SDL_ShowCursor(SDL_ENABLE);
}
void HideMouse() {
  pointershown = false;
  if (SDL_WasInit(SDL_INIT_VIDEO)) SDL_ShowCursor(SDL_DISABLE);
}
int PointerShown() { return pointershown ? 1 : 0; }

int AppTerminate() {
  PollSystem();
  if (in.closerequests == 0) return 0;
  in.closerequests = 0;
  return 1;
}

int AppSuspendEvent() {
  PollSystem();
  if (in.focusevents.empty()) return 0;
  int e = in.focusevents.front();
  in.focusevents.pop_front();
  return e;
}

// ---- Test interface ----

void testmousemove(int x, int y) {
  in.mx = x;
  in.my = y;
}
void testmousepress(int button) {
  if (!validbutton(button)) return;
  in.mousedown[button] = 1;
  in.mousehits[button]++;
}
void testmouserelease(int button) {
  if (validbutton(button)) in.mousedown[button] = 0;
}
void testkeypress(int key) {
  if (!validkey(key)) return;
  in.keydown[key] = 1;
  in.keyhits[key]++;
  if (key == KEY_BACKSPACE || key == KEY_ENTER || key == KEY_ESCAPE) queuechar(key);  // as a real key press does
}
void testkeyrelease(int key) {
  if (validkey(key)) in.keydown[key] = 0;
}
void testtypechar(int code) { queuechar(code); }
void testclose() { in.closerequests++; }
void testsuspend(bool lost) { in.focusevents.push_back(lost ? 1 : 2); }
void testresetinput() { in = InputState(); }
