// Shared by the tests of chapters 7 to 10 (the harbour and the ending): the real start-up, one
// player standing at a chapter's level, the level begun as the map or the end screen begins it,
// the journey map closed with its own button, and clicks on scene objects through whole frames.
#pragma once
#include "presentation/effects.h"
#include "presentation/sound.h"
#include "progression/startlevel.h"
#include "runtime/testinput.h"
#include "shell/buttons.h"
#include "shell/display.h"
#include "shell/dispatch.h"
#include "shell/gfx.h"
#include "shell/profiles.h"
#include "shell/state.h"
#include "solitaire/game.h"
#include "solitaire/state.h"
#include "story/story.h"
#include "story/storymap.h"
#include "tests/harness.h"
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <string>

// Frames until the condition holds (checked before each frame), at most max; the frames run.
inline int rununtil(const std::function<bool()>& done, int max) {
  int n = 0;
  while (!done() && n < max) {
    runframes(1);
    n++;
  }
  return n;
}

class HarbourChapterTest : public ::testing::Test {
 protected:
  std::filesystem::path oldcwd;

  void SetUp() override {
    oldcwd = std::filesystem::current_path();
    headlessstart();
    reseteffects();
    inputon = 1;
    player = 1;
    clearplayer(1);
    playername[1] = "Tess";
    maplevel[1] = toplevel[1] = 1;
    screen = SCREEN_MAP;  // as if the adventure map was up
    testmousemove(5, 300);
    drawstatetold.clear();
  }
  void TearDown() override {
    // Every frame of every test ended with the drawing state back at its defaults.
    EXPECT_TRUE(drawstatetold.empty()) << "draw state left changed: " << *drawstatetold.begin();
    std::filesystem::current_path(oldcwd);
    testresetinput();
  }

  // Works in a copy of the data folder that lacks the story folder of one chapter: every
  // other entry links to the real one.
  void withoutstoryfolder(const std::string& chapter) {
    namespace fs = std::filesystem;
    fs::path folder = tempfolder();
    fs::create_directories(folder / "data" / "story");
    for (const fs::directory_entry& e : fs::directory_iterator(oldcwd / "data"))
      if (e.path().filename() != "story") fs::create_symlink(e.path(), folder / "data" / e.path().filename());
    for (const fs::directory_entry& e : fs::directory_iterator(oldcwd / "data" / "story"))
      if (e.path().filename() != chapter) fs::create_symlink(e.path(), folder / "data" / "story" / e.path().filename());
    ChangeDir(folder.string());
  }

  // A screen of another width, as the options would open it.
  void widescreen(int w) { opengraphics(w, 768, 32, w, 768); }

  // The player stands at level l and begins it as the map does: the chapter's story screen
  // comes first. Runs until its first frame.
  void beginlevel(int l, int chapter) {
    maplevel[1] = toplevel[1] = selectedlevel = l;
    failcount[1] = 0;
    startlevel(l);
    ASSERT_EQ(fadetarget, SCREEN_STORY);
    for (int i = 0; i < 20 && screen != SCREEN_STORY; i++) runframes(1);
    ASSERT_EQ(screen, SCREEN_STORY);
    ASSERT_EQ(storychapter, chapter);
  }

  int until(const std::function<bool()>& done, int max) { return rununtil(done, max); }

  // The journey map opened at the chapter's start: wait for its close button, click it,
  // and wait until the roll has flown off.
  void closejourney() {
    ASSERT_GT(mapopen, 0) << "the journey map is up";
    until([] { return papertime > 20; }, 300);
    clickat(midx + 370, midy + 330);
    ASSERT_GT(mapclose, 0) << "the close button answered";
    until([] { return mapopen == 0; }, 120);
    ASSERT_EQ(mapopen, 0);
  }

  // A person points at the spot, then clicks it.
  void clickscene(int x, int y) {
    pointat(x, y);
    clickat(x, y);
  }
  void clickscene(float x, float y) { clickscene(int(x), int(y)); }

  // From the scene's last action: the end counter runs its 99 frames, the screen fades and
  // the level's round is entered. Returns the frames from now to the round's first frame.
  int toround() {
    int n = until([] { return screen == SCREEN_GAME; }, 200);
    EXPECT_EQ(screen, SCREEN_GAME);
    EXPECT_EQ(level, selectedlevel);
    return n;
  }
};
