// The two widgets every screen uses: the picture button with its caption, and the popup
// panel that fades in over a screen and runs one popup routine chosen by number.
#pragma once
#include "runtime/runtime.h"
#include <array>
#include <string>

inline constexpr int buttonpictures = 20;  // buttonimg slots 1..20 (1..15 in use); slot 0 unused
inline constexpr int popupfull = 16;       // popuplevel of a fully shown popup

// Button results.
enum { BUTTON_IDLE = 0, BUTTON_HOVER = 2, BUTTON_CLICK = 3, BUTTON_HELD = 4 };

// Popup numbers: the owner of each routine is named beside it.
enum {
  POPUP_QUIT = 99,          // quit confirmation (shell)
  POPUP_OPTIONS = 100,      // options (shell)
  POPUP_INFO = 101,         // information text (shell)
  POPUP_HELP = 102,         // the game's help pages (solitaire)
  POPUP_PLAYERS = 103,      // player list (profiles)
  POPUP_NAME = 105,         // name entry (profiles)
  POPUP_DELETE = 106,       // delete a player (profiles)
  POPUP_CONTINUE = 107,     // continue the adventure or the stored game (solitaire)
  POPUP_HALLOFFAME = 111,   // hall of fame (shell)
  POPUP_INGAME = 298,       // in-game menu (solitaire)
  POPUP_DUPLICATE = 398,    // a name that is taken (profiles)
  POPUP_RESTART = 399,      // restart the level (solitaire)
  POPUP_NEWADVENTURE = 432, // start the adventure again (solitaire)
  POPUP_NOSOUND = 440,      // no sound device (shell)
  POPUP_NOSAVE = 441,       // the user folder takes no saves (shell)
  POPUP_MAP = 442,          // the adventure map's own popup, drawn by the map (no backdrop)
  POPUP_MAP2 = 443,         // no backdrop either
  POPUP_CARDBACK = 444      // card back choice (solitaire)
};

// ---- Loaded once at start (loadmenustuff), kept until quit ----
inline std::array<Image, buttonpictures + 1> buttonimg;  // button pictures 1..15
inline Image popuppanelimg;     // "popupmedium.png": the panel of every popup
inline Image popuptitleimg;     // "headlinesmall.png": the title plate
inline Image popupbackdropimg;  // "black.png": the tile that darkens the screen

// ---- The buttons that could take a click this frame, for the tools that drive the game ----
inline constexpr int buttonspotcount = 40;  // spots 1..40 (slot 0 unused)
inline int buttonspots = 0;                 // live buttons drawn so far this frame; readinput clears it
inline std::array<int, buttonspotcount + 1> buttonspotx{}, buttonspoty{};  // their centres

// ---- Set every frame by the screen: whose buttons react ----
inline int buttonlayer = 1;  // 1 the screen's buttons, 2 a popup's; other layers never react

// ---- The open popup (openpopup, drawpopups) ----
inline int popuplevel = 0;  // 0 none, rising to 16 while opening, falling to 0 while closing
inline int popupdir = 0;    // 1 opening or open, 2 closing
inline int popupid = 0;     // the open popup's number, 0 none

// A picture button centred at (x, y); draws itself and reports 0 idle, 2 hovered,
// 3 clicked this frame (the click is used up), 4 held (options popup, pictures 5 to 7).
int button(float x, float y, int image, int layer, const std::string& caption);
void openpopup(int id);
void drawpopups();  // every frame, by the screens that show popups, after they drew themselves
void popuppanel(float x, float y, const std::string& title);     // the small panel
void popuppanelbig(float x, float y, const std::string& title);  // the large panel
void closepopup();  // the open popup starts to fade out
// Replaces the open popup with another at full opacity (one popup leading to the next).
void switchpopup(int id);
void resetpopups();  // no popup open (entry routines and tests)
// The option sliders' drags end when a popup opens (the options popup keeps them).
inline int musicdrag = 0;  // 1 while the music knob is dragged
inline int sounddrag = 0;  // 1 while the sound knob is dragged
