// The ten chapters' own routines: each chapter's file holds its state, its pictures' loading and
// its scene. The story screen calls them by chapter number.
#pragma once

void preparechapter1();  // the chapter's own counters zeroed (chapter 1: the newspaper's spin at 500)
void preparechapter2();
void preparechapter3();
void preparechapter5();
void preparechapter6();
void preparechapter7();
void preparechapter8();
void preparechapter9();
// chapters 4 and 10 have no state of their own beyond chapter 4's two rain counters
void preparechapter4();  // its hover and grab counters, zeroed on entry
void scatterrain();      // chapter 4: 30 raindrops over the whole screen as it is entered

void loadchapter1();  // the chapter's pictures into the story slots
void loadchapter2();
void loadchapter3();
void loadchapter4();
void loadchapter5();
void loadchapter6();
void loadchapter7();
void loadchapter8();
void loadchapter9();
void loadchapter10();

void storyscene1();   // chapter 1's opening scene
void storyscene1b();  // chapter 1's search of the home
void storyscene2();
void storyscene3();
void storyscene4();
void storyscene5();
void storyscene6();
void storyscene7();
void storyscene8();
void storyscene9();
void storyscene10();
