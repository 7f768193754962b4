// Help and tutorial: the pages that run inside the first three levels, and the help popup.
// (tutorialon, tutorialpage and tutorialpages live with the table's state, which reads them.)
#pragma once

inline constexpr int helppages = 6;  // help popup pages 1..6

// ---- The tutorial panel of the current game (reset by every instgame) ----
inline int tutoriallevel = 0;     // 1..3: whose pages are shown
inline int tutorialframe = 0;     // frames the panel has been up, 0 = hidden
inline int tutorialarrowx = 0;    // where the arrow points, (0, 0) = no arrow
inline int tutorialarrowy = 0;
inline int tutorialarrowangle = 0;  // 0, 90, 180 or 270 degrees
// (the help popup's page, helppage, lives in shell/state.h: the menu sets it back too)

void showtutorial(int lv, int page);  // shows that page of level lv's tutorial
void nexttutorialpage();              // a take, a draw or a dead end on level 1 moves it on
void drawtutorial();                  // every frame of the game screen, last
bool tutorialbuttonhovered();         // the pointer is over a button of the shown panel
void resettutorial();                 // every tutorial value off (instgame)
// showhelp (popup 102) is declared with the other popup routines in shell/popups.h.
