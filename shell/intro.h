// The splash pages from the splash configuration, and the loading screen with the title
// logo and the loading bar that leads into the main menu.
#pragma once

void instintro(int page);
void showintro();
void instload();
void showload();
