// Shared by the chapter 4, 5 and 6 tests: the real start-up, one player standing on the
// chapter's level, the chapter entered the way the map starts a level, the journey map
// closed as a person closes it, and clicks on scene objects wherever the scroll has put them.
#pragma once
#include "presentation/effects.h"
#include "presentation/sound.h"
#include "progression/startlevel.h"
#include "runtime/testinput.h"
#include "shell/dispatch.h"
#include "shell/buttons.h"
#include "shell/display.h"
#include "shell/gfx.h"
#include "shell/profiles.h"
#include "shell/state.h"
#include "story/story.h"
#include "story/storymap.h"
#include "tests/harness.h"
#include <algorithm>
#include <gtest/gtest.h>

class ChapterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    headlessstart();
    reseteffects();
    inputon = 1;
    player = 1;
    clearplayer(1);
    playername[1] = "Tess";
    testmousemove(5, 300);  // resting over the scene's far left edge
    fps = 50;  // the frame rate is only measured after a second; rain is dropped when it is low
    drawstatetold.clear();
  }
  void TearDown() override {
    // Every frame of every test ended with the drawing state back at its defaults.
    EXPECT_TRUE(drawstatetold.empty()) << "draw state left changed: " << *drawstatetold.begin();
    testresetinput();
  }

  // The player stands on the chapter's level and starts it, as the map's play button does.
  void enterchapter(int level) {
    maplevel[1] = toplevel[1] = level;
    selectedlevel = level;
    startlevel(level);
    runframes(9);
    ASSERT_EQ(screen, SCREEN_STORY);
  }
  // Frames until the story clock shows t (the clock stands still under the journey map).
  void runto(int t) {
    for (int i = 0; i < 2000 && storyclock < t; i++) runframes(1);
    ASSERT_EQ(storyclock, t);
  }
  // Waits for the journey map's close button, clicks it and waits for the roll to fly off.
  void closejourneymap() {
    ASSERT_GT(mapopen, 0) << "the journey map is open";
    for (int i = 0; i < 300 && papertime < 20; i++) runframes(1);
    pointat(midx + 370, midy + 330);
    clickat(midx + 370, midy + 330);
    ASSERT_GT(mapclose, 0) << "the close button rolls the map up";
    for (int i = 0; i < 200 && mapopen > 0; i++) runframes(1);
    ASSERT_EQ(mapopen, 0);
    pointat(5, 300);
  }
  // Edge tests that need neither the journey map nor the scroll jump over both: the clock
  // goes to t (past the map's frame, so it never opens) with the scroll where the scene's own
  // frames leave it (3 pixels a frame from frame `from` up to `stop`), and the screen's fade-in
  // is let finish on the way. The playthroughs go the whole way.
  void skipto(int t, int stop, int from) {
    int c = t - fadesettle;
    storyclock = c;
    storyscroll = -3 * std::max(0, std::min(c, stop - 1) - std::max(from, 2) + 1);
    runframes(fadesettle);
    ASSERT_EQ(mapopen, 0);
    ASSERT_EQ(storyclock, t);
  }
  static constexpr int fadesettle = 10;  // frames the screen's fade-in takes, and a little more
  // A scene position on screen, with the scroll as it stands.
  int sx(float x) { return int(x) + storyscroll; }
  // A person points at a scene position, then clicks it.
  void clickscene(float x, float y) {
    pointat(sx(x), int(y));
    clickat(sx(x), int(y));
  }
  void pointscene(float x, float y) { pointat(sx(x), int(y)); }
  // From the chapter's last action: 99 frames of its end, the fade, and the round's first frame.
  void toround() {
    ASSERT_GE(storyend, 1);
    for (int i = 0; i < 200 && screen == SCREEN_STORY; i++) runframes(1);
    EXPECT_EQ(screen, SCREEN_GAME) << "the chapter leads into its level's round";
  }
  int effects(int from, int to) {
    int n = 0;
    for (int i = 1; i <= effslots; i++) n += effkind[i] >= from && effkind[i] <= to;
    return n;
  }
  // Difference between two colours, summed over red, green and blue.
  static int colourdiff(uint32_t a, uint32_t b) {
    int d = 0;
    for (int sh = 0; sh <= 16; sh += 8) d += std::abs(int((a >> sh) & 255) - int((b >> sh) & 255));
    return d;
  }
};
