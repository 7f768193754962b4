// Shared by the story tests: the real start-up, a brand-new player, the story screen entered
// the way a level reaches it, the screen's two corner buttons, and where to point so that a
// scene object's pixel-exact test is hit. Every action runs whole frames through the loop.
// Chapter tests may copy what they need from here.
#pragma once
#include "presentation/effects.h"
#include "presentation/sound.h"
#include "progression/startlevel.h"
#include "runtime/testinput.h"
#include "shell/buttons.h"
#include "shell/dispatch.h"
#include "shell/display.h"
#include "shell/gfx.h"
#include "shell/menu.h"
#include "shell/profiles.h"
#include "shell/settings.h"
#include "shell/state.h"
#include "solitaire/state.h"
#include "story/scenes.h"
#include "story/story.h"
#include "story/storymap.h"
#include "tests/harness.h"
#include "tools/headlesskit.h"
#include <cmath>
#include <gtest/gtest.h>
#include <vector>

class StoryTest : public ::testing::Test {
 protected:
  static constexpr int fadeframes = 9;  // frames from fadeto until the target's entry ran
  static constexpr int restx = 5, resty = 300;  // the pointer's resting place, over nothing

  void SetUp() override {
    headlessstart();
    reseteffects();
    resetstorystate();
    resetstorymap();
    inputon = 1;
    newplayer();
    testmousemove(restx, resty);
    drawstatetold.clear();
  }
  void TearDown() override {
    // Every frame of every test ended with the drawing state back at its defaults.
    EXPECT_TRUE(drawstatetold.empty()) << "draw state left changed: " << *drawstatetold.begin();
    testresetinput();
  }

  // A player who has never begun the adventure: the menu's play button starts level 1.
  void newplayer() {
    player = 1;
    clearplayer(1);
    playername[1] = "Tess";
    maplevel[1] = toplevel[1] = 0;
    adventurestarted = 0;
  }
  void screenwidth(int w) { opengraphics(w, 768, 32, w, 768); }

  // The way into a chapter: the level's start, the fade, the story screen's entry.
  void startchapterlevel(int level) {
    startlevel(level);
    runframes(fadeframes);
    ASSERT_EQ(screen, SCREEN_STORY);
  }
  void enterchapter(int chapter) {
    fadeto(SCREEN_STORY, chapter, 0);
    runframes(fadeframes);
    ASSERT_EQ(screen, SCREEN_STORY);
  }
  // Whole frames until the story clock reads t (it stands still under a popup: bounded).
  void toclock(int t) {
    for (int guard = 0; storyclock < t && guard < 5000; guard++) runframes(1);
    ASSERT_EQ(storyclock, t);
  }
  // Frames until the fade asked for has entered its target (bounded).
  void untilscreen(int target) {
    for (int guard = 0; screen != target && guard < 3000; guard++) runframes(1);
    ASSERT_EQ(screen, target);
  }
  bool leavingfor(int target) { return fadestate == 2 && fadetarget == target; }

  // The corner buttons: the adventure map on the left, the skip on the right.
  int mapbuttonx() { return 80; }
  int skipbuttonx() { return screenw - 80; }
  static constexpr int cornery = 738;
  void clickmapbutton() { clickat(mapbuttonx(), cornery); }
  void clickskip() { clickat(skipbuttonx(), cornery); }

  // The pointer's hit shape over a picture drawn at (x, y): a point near the picture's
  // handle where the two overlap pixel-exactly and none of the pictures in `avoid` (drawn at
  // their places) is hit as well. Returns false when there is none.
  using placed = headless::placed;
  static bool hotpoint(const placed& target, const std::vector<placed>& avoid, int& mx, int& my) {
    return headless::hotpoint(target, avoid, mx, my);
  }

  // A story sound is heard: some channel holds it (the runtime keeps a playing sound in its channel).
  static bool storysoundstarted(int slot) { return storysounds[slot] && storysounds[slot].use_count() > 1; }
  // Channels other than the music's that are playing right now.
  static int otherchannelsplaying() {
    int n = 0;
    for (int slot = 1; slot <= 96; slot++) {
      Channel c = testslotchannel(slot);
      if (c != 0 && c != musicchan && ChannelPlaying(c)) n++;
    }
    return n;
  }
};
