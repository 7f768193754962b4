// The monkey soak: a random player over every screen, headless, for as many frames as asked.
//
//   soak FRAMES SEED [SEED ...]       every seed plays FRAMES frames from a fresh user folder
//   soak FRAMES SEED --from F         replays one seed, reporting each frame's actions from F on
//
// Each frame the monkey may move the pointer (anywhere, or onto a button that could take a
// click), click, right-click, drag, press keys, type characters, take the focus away and give
// it back, switch the display mode, and ask to close the window; the quit question is answered
// at random, and a quit starts the game again over the same user folder. The input comes from
// the seed alone and the game's clock is faked, so a run replays exactly.
//
// A failure prints the seed and the frame and ends the run with status 1: a crash or a
// sanitizer report (through the handlers below), a picture placed at a NaN or infinite
// position, or the game stuck: no change of screen, popup, fade, pause or player for 10,000
// frames although the monkey kept clicking what was there.
#include "presentation/sound.h"
#include "shell/buttons.h"
#include "shell/settings.h"
#include "shell/state.h"
#include "solitaire/state.h"
#include "tools/headlesskit.h"
#include <cstring>
#include <random>
#include <set>
#include <vector>

using headless::pointvirtual;

namespace {

constexpr int stucklimit = 10000;  // frames without any change before the game counts as stuck

// Where the run stands, for the crash report.
long soakseed = 0;
long soakframe = 0;
long soakfrom = -1;  // replay: report actions from this frame on

void tellwhere() {
  headless::tellstrace("soak: the game's last trace lines:\n");
  char line[160];
  int n = std::snprintf(line, sizeof line, "soak: failed at seed %ld, frame %ld (replay: soak %ld %ld --from %ld)\n",
                        soakseed, soakframe, soakframe + 1, soakseed, soakframe > 50 ? soakframe - 50 : 0);
  if (n > 0 && write(2, line, size_t(n)) < 0) {}
}

long soakdone = 0;  // frames of the seeds already finished

// Stopped from outside (a time limit): say how far the run came, then stop.
void onstop(int sig) {
  char line[160];
  int n = std::snprintf(line, sizeof line, "soak: stopped from outside at seed %ld, frame %ld: %ld frames played without a fault\n",
                        soakseed, soakframe, soakdone + soakframe);
  if (n > 0 && write(1, line, size_t(n)) < 0) {}
  _exit(3);
}

// The things that change when the game answers a player: a frozen game keeps them all.
struct progress {
  int screen, popupid, popupdir, fadestate, pausesign, player, gamestat, suspended;
  bool operator==(const progress& o) const { return std::memcmp(this, &o, sizeof o) == 0; }
};
progress now() { return {screen, popupid, popupdir, fadestate, pausesign, player, gamestat, suspended}; }

struct monkey {
  std::mt19937 rng;
  int held = 0;         // frames left with the left button down (a click or a drag)
  int dragdx = 0, dragdy = 0;
  int keyup = 0;        // a key to let go next frame
  int focusback = 0;    // frames until the focus comes back, 0 when it is here
  int mx = 512, my = 384;
  bool report = false;  // print each action (replay)

  explicit monkey(long seed) : rng(uint32_t(seed) * 2654435761u + 1u) {}
  int roll(int n) { return int(rng() % uint32_t(n)); }
  void say(const char* what, int a = 0, int b = 0) {
    if (report) std::printf("frame %ld: %s %d %d\n", soakframe, what, a, b);
  }

  // The input for the coming frame.
  void act() {
    if (keyup) {
      testkeyrelease(keyup);
      keyup = 0;
    }
    if (held > 0) {
      mx += dragdx;
      my += dragdy;
      pointvirtual(mx, my);
      if (--held == 0) {
        testmouserelease(1);
        say("release", mx, my);
      }
    }
    if (focusback > 0 && --focusback == 0) {
      testsuspend(false);
      say("focus back");
    }
    const int r = roll(10000);
    if (r < 300) {  // anywhere on the screen
      mx = roll(screenw);
      my = roll(screenh);
      pointvirtual(mx, my);
      say("move", mx, my);
    } else if (r < 650 && buttonspots > 0) {  // onto a button that could take a click
      int k = 1 + roll(buttonspots);
      mx = buttonspotx[k] + roll(21) - 10;
      my = buttonspoty[k] + roll(11) - 5;
      pointvirtual(mx, my);
      say("to button", mx, my);
    } else if (r < 1100 && held == 0) {  // a click where the pointer is
      testmousepress(1);
      held = 1 + roll(3);
      dragdx = dragdy = 0;
      say("press", mx, my);
    } else if (r < 1180 && held == 0) {  // a drag
      testmousepress(1);
      held = 5 + roll(60);
      dragdx = roll(15) - 7;
      dragdy = roll(15) - 7;
      say("drag", dragdx, dragdy);
    } else if (r < 1230) {
      testmousepress(2);
      testmouserelease(2);
      say("right click");
    } else if (r < 1330 && keyup == 0) {
      static const int keys[] = {KEY_ESCAPE, KEY_ENTER, KEY_SPACE, KEY_BACKSPACE, KEY_TAB, KEY_LEFT, KEY_RIGHT,
                                 KEY_UP,     KEY_DOWN,  KEY_F1,    KEY_F2,        KEY_F3,  KEY_F4,   KEY_F7,
                                 KEY_DELETE, 'A',       'Z',       '1'};
      keyup = keys[roll(int(sizeof keys / sizeof keys[0]))];
      testkeypress(keyup);
      say("key", keyup);
    } else if (r < 1400) {
      int code = roll(4) == 0 ? roll(256) : 32 + roll(95);
      testtypechar(code);
      say("type", code);
    } else if (r < 1405 && focusback == 0) {
      testsuspend(true);
      focusback = 1 + roll(300);
      say("focus lost", focusback);
    } else if (r < 1407) {
      int mode = 1 + roll(6), full = roll(2);
      togglescreensize(mode, full);
      say("display mode", mode, full);
    } else if (r < 1410) {
      testclose();
      say("close request");
    }
  }
};

// One seed's run. Returns false on a failure (already reported).
bool soakseedrun(long seed, long frames, long& quits, std::set<int>& screens, std::set<int>& popups) {
  soakseed = seed;
  const std::string home = headless::userhome("soak", seed);
  testclock(true, 0);
  testresetdisplay();
  testdisplay(1366, 768, {{1024, 768}, {1280, 768}, {1366, 768}, {1280, 1024}, {1920, 1080}});
  headless::startgame(home, "soak");
  monkey m(seed);
  progress last = now();
  long since = 0;
  const int nanbefore = NonFiniteVertices();
  for (soakframe = 0; soakframe < frames; soakframe++) {
    m.report = soakfrom >= 0 && soakframe >= soakfrom;
    m.act();
    runframe();
    testadvanceclock(20);
    screens.insert(screen);
    if (popupid != 0) popups.insert(popupid);
    if (NonFiniteVertices() != nanbefore) {
      std::fprintf(stderr, "soak: a picture drawn at a NaN or infinite position after %s\n", lastfunc.c_str());
      tellwhere();
      return false;
    }
    if (soakframe % 10000 == 9999) std::printf("soak: seed %ld, frame %ld\n", seed, soakframe + 1);
    progress p = now();
    if (p == last) {
      if (++since >= stucklimit) {
        std::fprintf(stderr, "soak: stuck on screen %d (popup %d) for %d frames, in %s\n", screen, popupid, stucklimit,
                     lastfunc.c_str());
        tellwhere();
        return false;
      }
    } else {
      last = p;
      since = 0;
    }
    if (quit == 1) {
      quits++;
      m.say("quit, starting again");
      headless::startgame(home, "soak");
      last = now();
      since = 0;
    }
  }
  std::filesystem::remove_all(home);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: soak FRAMES SEED [SEED ...] | soak FRAMES SEED --from FRAME\n");
    return 2;
  }
  const long frames = std::atol(argv[1]);
  std::vector<long> seeds;
  for (int i = 2; i < argc; i++) {
    if (std::strcmp(argv[i], "--from") == 0 && i + 1 < argc) soakfrom = std::atol(argv[++i]);
    else seeds.push_back(std::atol(argv[i]));
  }
  headless::installhandlers(tellwhere);
  for (int sig : {SIGTERM, SIGINT}) signal(sig, onstop);
  long quits = 0, total = 0;
  std::set<int> screens, popups;
  for (long seed : seeds) {
    if (!soakseedrun(seed, frames, quits, screens, popups)) return 1;
    total += frames;
    soakdone = total;
    std::printf("soak: seed %ld, %ld frames, no fault\n", seed, frames);
  }
  std::string seen, opened;
  for (int s : screens) seen += " " + std::to_string(s);
  for (int p : popups) opened += " " + std::to_string(p);
  std::printf("soak: %ld frames over %zu seeds, %ld quits and fresh starts; screens%s; popups%s\n", total, seeds.size(),
              quits, seen.c_str(), opened.c_str());
  return 0;
}
