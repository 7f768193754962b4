// The frame dispatcher: input sampling, layout values, the screen fade, the current
// screen's routine and what lies over every screen (paused sign, cursor).
#pragma once

void readinput();
void doall();
void fadeto(int target, int arg, int value);
void fadeupdate();
void fadereset();
void enterscreen(int target, int arg);  // runs the target's entry routine
void runscreen();                       // runs the current screen's per-frame routine
void drawpausesign();
void drawcursor();
void requestclose();  // the window's close box was pressed
void stattime();
