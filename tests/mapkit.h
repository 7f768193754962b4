// Shared by the map, journey map and shop tests: the real start-up, one player, the map or
// the shop entered as a person reaches them, and where on screen a level's marker lies.
#pragma once
#include "presentation/effects.h"
#include "presentation/sound.h"
#include "progression/map.h"
#include "progression/shop.h"
#include "progression/startlevel.h"
#include "runtime/testinput.h"
#include "shell/buttons.h"
#include "shell/dispatch.h"
#include "shell/gfx.h"
#include "shell/profiles.h"
#include "shell/state.h"
#include "solitaire/levels.h"
#include "solitaire/state.h"
#include "story/story.h"
#include "story/storymap.h"
#include "tests/harness.h"
#include <gtest/gtest.h>

class MapTest : public ::testing::Test {
 protected:
  void SetUp() override {
    headlessstart();
    reseteffects();
    resetmapstate();
    inputon = 1;
    player = 1;
    clearplayer(1);
    playername[1] = "Tess";
    maplevel[1] = toplevel[1] = 1;
    testmousemove(5, 300);  // resting over nothing
    drawstatetold.clear();
  }
  void TearDown() override {
    // Every frame of every test ended with the drawing state back at its defaults.
    EXPECT_TRUE(drawstatetold.empty()) << "draw state left changed: " << *drawstatetold.begin();
    testresetinput();
  }

  // Arrives on the map the way every screen does: a fade, then the entry routine.
  // Settled: the bars are close enough to rest for their buttons to be hit (20 frames);
  // ready: past the map's first second, when levels show their tooltips and start (62 frames).
  static constexpr int settled = 20, ready = 62;
  void entermap(int settle = settled) {
    fadeto(SCREEN_MAP, 0, 0);
    runframes(9);
    ASSERT_EQ(screen, SCREEN_MAP);
    runframes(settle);
  }
  void entershop(int settle = 10) {
    fadeto(SCREEN_SHOP, 0, 0);
    runframes(9);
    ASSERT_EQ(screen, SCREEN_SHOP);
    runframes(settle);
  }
  // Centre of level l's marker as the map drew it in the last frame.
  int markerx(int l) {
    int s = stageof(l), j = l - stagelast[s - 1], n = stagesize[s];
    return int(nodex[s] + (2 * j - n - 1) * 20);
  }
  int markery(int l) { return nodey[stageof(l)] - 4; }
  void clickmarker(int l) {
    pointat(markerx(l), markery(l));  // a person points before clicking
    clickat(markerx(l), markery(l));
  }
  // Frames the map takes to come to rest on the page it scrolls to (at most 200).
  int glide() {
    int f = 0;
    while (mapscroll != mapscrollto && f < 200) {
      runframes(1);
      f++;
    }
    return f;
  }
  int bary() { return screenh - barpos; }  // y of the bottom bar's centre line
  int paneld() { return screenw == 1024 ? 400 : 470; }
  // A fade that was asked for and where it leads.
  bool leavingfor(int target) { return fadestate == 2 && fadetarget == target; }
};
