// The adventure map (screen 13): three pages of nine stages, the level markers, the preview of
// a level, the buttons to the shop and the main menu.
#pragma once

void instadventuremap();
void showadventuremap();
