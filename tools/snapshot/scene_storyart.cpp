// The story chapters' pictures laid out as their scenes place them, so the art can be judged
// as a whole before the story screen plays it. Each chapter keeps its layout in its own file.
#include "tools/snapshot/snapshot.h"

bool snapstoryart_ch1();
bool snapstoryart_ch2();
bool snapstoryart_ch3();
bool snapstoryart_ch4();
bool snapstoryart_ch5();
bool snapstoryart_ch6();
bool snapstoryart_ch7();
bool snapstoryart_ch8();
bool snapstoryart_ch9();
bool snapstoryart_ch10();

bool snapstoryart() {
  bool ok = true;
  for (int n = 1; n <= 10; n++) ok = snapstoryart_chapter(n) && ok;
  return ok;
}

bool snapstoryart_chapter(int n) {
  switch (n) {
    case 1: return snapstoryart_ch1();
    case 2: return snapstoryart_ch2();
    case 3: return snapstoryart_ch3();
    case 4: return snapstoryart_ch4();
    case 5: return snapstoryart_ch5();
    case 6: return snapstoryart_ch6();
    case 7: return snapstoryart_ch7();
    case 8: return snapstoryart_ch8();
    case 9: return snapstoryart_ch9();
    case 10: return snapstoryart_ch10();
    default: return true;
  }
}
