// The game screen (screen 12): one level from the deal to the end screen, the stored game,
// the bars and signs over the table.
#pragma once

void instgame();
void showgame();
