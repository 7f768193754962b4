#include "shell/profiles.h"
#include "shell/buttons.h"
#include "shell/popups.h"
#include "shell/state.h"

void loadplayers(int mode) {}
void saveplayer(int p) {}
void clearplayer(int p) {}
void resetprogress(int p) {}
void rankplayers() {
  for (int i = 1; i <= profileslots; i++) playerrank[i] = i;
}
void openplayers() {}
void firstplayer() {}
int checkname() { return 1; }
void playerlist() {}
void nameentry() {}
void deleteplayer() {}
void duplicatename() {}
