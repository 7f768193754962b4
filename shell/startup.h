// Start-up and the 50 Hz frame loop.
#pragma once

bool gamestartup();  // the one-time start-up sequence; false when nothing can be shown at all
void loadall();
void instmain();
void loadmaingraphics();
void runframe();    // one frame: clear, input, dispatch, present
int gamemain();      // start-up, then frames until quit; the process's exit code
void resetshellstate();  // every shell variable back to its value before start-up (tests)
