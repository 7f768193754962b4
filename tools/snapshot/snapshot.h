// The snapshot tool's scenes; each renders one or more PNG files into snapfolder.
#pragma once
#include "runtime/draw.h"
#include <string>

extern std::string snapfolder;
bool savesnapshot(const std::string& name);  // the rendered frame as <snapfolder>/<name>.png
void snapscreen(int w, int h);               // fresh headless screen of that size, cleared, full brightness
Image makeblock(int w, int h, int r, int g, int b, int a);  // a solid rectangle placed by its top-left corner
// A start as a new player makes it: an empty user folder of the scene's own, the headless
// screen, the fake clock and a plain 1024 x 768 desktop, no key or button held.
void snapfreshfolder(const std::string& scene);
bool snapfreshstart(const std::string& scene);  // the same, then the shell's state reset and the game started
// A person at the game, through whole frames on the fake clock (20 ms a frame).
void snapframes(int n);
// Frames no picture is taken of: every draw call is made but no pixel is filled, which is most
// of a frame's time headless. The next picture taken must come after a filled frame.
void snapunseenframes(int n);
void snappoint(int x, int y);  // the pointer there, then a frame
void snapclick(int x, int y);  // the pointer there, pressed for a frame, released for a frame
void snapkey(int key);         // a key pressed for a frame, released for a frame
// A fresh start on the fake clock with one player, "Snap", standing at the level with 1200 cash.
void snapplayeratlevel(const std::string& scene, int level);

bool snaptestpattern();   // every blend mode, tint, alpha, scale and rotation
bool snapfonts();         // each font's sheet and sample lines in every font
bool snappictures();      // contact sheets of every picture, grouped by folder
bool snapeffects();       // every particle kind and burst
bool snaptables();        // dealt tables, a table mid-play
bool snaptablemidplay();  // the table mid-play alone
bool snaplevels();        // the level set: every preview, and dealt tables of a few levels
bool snapshell();         // the shell's popups over the title landscape, and both backgrounds
bool snapmenu();          // splash, loading, the main menu with and without a player, options, hall of fame
bool snapgame();          // the game screen: deal, play, extras, ends, tutorial and its popups (game-*, popup-*)
bool snapkeyboard();      // the focus ring on the menu, on a card and a level chosen on the map (menu-focus, game-focus, map-focus)
bool snapaids();          // the game screen's hint mark and odds sign (game-hint, game-odds)
bool snappanels();        // panels and plates with the words the game writes on them
bool snapscreenshots();   // the metainfo's screenshots (screenshot-*.png), as make install ships them
bool snapdesktop();       // those screenshots and the title in German (menu-de)
bool snapwindow();         // the window resized (wide, 1920 x 1080, tall on a HiDPI screen) and full screen on the desktop (window-*)
bool snapstoryart();      // each chapter's scene laid out from its pictures (story-art-N-*.png)
bool snapstoryart_chapter(int n);  // one chapter's layout; each chapter keeps its own in scene_storyart_chNN.cpp
bool snapmap();           // the adventure map's pages, preview and popup, the journey map, the shop
bool snapstory();         // the story screen: every chapter played (story-N-*.png)
bool snapstory_chapter1();
bool snapstory_chapter2();
bool snapstory_chapter3();
bool snapstory_chapter4();
bool snapstory_chapter5();
bool snapstory_chapter6();
bool snapstory_chapter7();
bool snapstory_chapter8();
bool snapstory_chapter9();
bool snapstory_chapter10();
