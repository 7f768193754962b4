// The story screen's shared rules, played through whole frames on chapter 1: the clock under
// a popup, the corner buttons, chapter 1's fade and interlude, the speech bubble, and
// entering and leaving the screen again and again.
//
// Ideas for tests:
// - the pause sign holds the clock as a popup does
// - a chapter's text panel fades in over 20 frames from its activation frame
// - chapter 10's skip button leads to the main menu
// - a missing story sound prints its slot and plays nothing
// - leaving by the map button in the middle of the interlude
#include "story/chapter1.h"
#include "tests/storykit.h"
#include <memory>

class Story : public StoryTest {
 protected:
  // A place on Grandma's wall where nothing hides: a click there shows the nothing-here bubble.
  int wallx() { return midx + 250; }
  static constexpr int wally = 620;
  void tosearch() {
    startchapterlevel(1);
    toclock(20);
    clickskip();
    for (int guard = 0; storypart == 0 && guard < 400; guard++) runframes(1);
    ASSERT_GT(storypart, 0);
    runframes(80);  // the panel has come; the room stands still
  }
  // How far a probe pixel has moved from `bare` towards `full` (0 none, 1 all the way).
  static float towards(uint32_t bare, uint32_t full, uint32_t now) {
    float sum = 0, n = 0;
    for (int sh = 0; sh <= 16; sh += 8) {
      int b = int((bare >> sh) & 255), f = int((full >> sh) & 255), v = int((now >> sh) & 255);
      if (std::abs(f - b) < 40) continue;
      sum += float(v - b) / float(f - b);
      n++;
    }
    return n > 0 ? sum / n : -1;
  }
  // A pixel of the bubble picture that is solid and clear of its line of text.
  bool bubbleprobe(int& dx, int& dy) {
    if (!tooltipimg) return false;
    int w = tooltipimg->width, h = tooltipimg->height;
    for (int y = 4; y < h / 2 - 12; y++) {
      int x = w / 2 + 30;
      int a = tooltipimg->pixels[(size_t(y) * tooltipimg->picw + x) * 4 + 3];
      if (a == 255) {
        dx = x - int(tooltipimg->handle_x);
        dy = y - int(tooltipimg->handle_y);
        return true;
      }
    }
    return false;
  }
};

TEST_F(Story, APopupHoldsTheStoryClockAndWithItTheScrollAndTheTimeline) {
  startchapterlevel(1);
  toclock(60);
  int scroll = storyscroll;
  openpopup(POPUP_OPTIONS);
  runframes(40);
  EXPECT_EQ(storyclock, 60) << "the clock stands still under the popup";
  EXPECT_EQ(storyscroll, scroll) << "and the town with it";
  closepopup();
  for (int guard = 0; popuplevel > 0 && guard < 100; guard++) runframes(1);
  runframes(2);
  EXPECT_EQ(storyclock, 62) << "it goes on where it stood once the popup has gone";
  EXPECT_LT(storyscroll, scroll);
}

TEST_F(Story, TheMapButtonStartsABrandNewPlayersAdventureAtLevelOne) {
  startchapterlevel(1);
  toclock(50);
  ASSERT_EQ(maplevel[1], 0);
  clickmapbutton();
  EXPECT_TRUE(leavingfor(SCREEN_MAP));
  EXPECT_EQ(maplevel[1], 1);
  EXPECT_EQ(toplevel[1], 1);
  EXPECT_EQ(selectedlevel, 1);
  EXPECT_EQ(adventurestarted, 1) << "the main menu learns the adventure has begun";
  untilscreen(SCREEN_MAP);
  EXPECT_EQ(maplevel[1], 1) << "the map shows a player standing on level 1";
}

TEST_F(Story, TheMapButtonLeavesAPlayerWhoHasBegunWhereHeStands) {
  maplevel[1] = 1;
  toplevel[1] = 7;
  selectedlevel = 1;
  startchapterlevel(1);
  toclock(50);
  clickmapbutton();
  EXPECT_TRUE(leavingfor(SCREEN_MAP));
  EXPECT_EQ(toplevel[1], 7) << "the frontier stays";
  EXPECT_EQ(adventurestarted, 0);
}

TEST_F(Story, SkippingAgainDuringTheFadeOrTheInterludeStartsBothAfreshAndTheSkipGoesWithTheFirstPart) {
  startchapterlevel(1);
  toclock(100);
  clickat(skipbuttonx(), cornery);
  EXPECT_EQ(storyend, 101) << "the skip asks the first part to end";
  EXPECT_EQ(storyfademode, 1);
  for (int guard = 0; storyfademode != 2 && guard < 20; guard++) runframes(1);
  ASSERT_EQ(storyfademode, 2) << "black";
  runframes(60);
  int played = storyinterlude;
  EXPECT_GT(played, 50);
  // Again in the middle of the interlude: the first part comes back and fades once more.
  testmousemove(skipbuttonx(), cornery);
  testmousepress(1);
  runframes(1);
  testmouserelease(1);
  EXPECT_EQ(storyfademode, 1) << "the fade-out starts again";
  EXPECT_GT(storyfade, 0.8f) << "from full brightness";
  runframes(1);
  int frames = 1;
  for (; storyfademode != 2 && frames < 30; frames++) runframes(1);
  EXPECT_LE(frames, 11) << "ten frames of fading";
  EXPECT_LT(storyinterlude, 5) << "the interlude counts from the start";
  for (frames = 0; storypart == 0 && frames < 400; frames++) runframes(1);
  EXPECT_GE(frames, 145) << "the whole 150 frames of the interlude";
  EXPECT_LE(frames, 152);
  ASSERT_GT(storypart, 0);
  runframes(20);
  clickat(skipbuttonx(), cornery);
  EXPECT_EQ(storyfademode, 0) << "no skip in the second part";
  EXPECT_EQ(storyend, 0);
  EXPECT_EQ(screen, SCREEN_STORY);
}

TEST_F(Story, ABubbleIsFullFromItsTwentiethFrameFadesFromItsEightyFirstAndIsGoneAtItsHundredth) {
  fillframes = true;  // the test looks at the picture
  tosearch();
  int dx = 0, dy = 0;
  ASSERT_TRUE(bubbleprobe(dx, dy));
  const int px = wallx() + dx, py = wally - 80 + dy;
  testmousemove(restx, resty);
  runframes(1);
  const uint32_t bare = pixel(px, py);
  // A bubble's frames are counted by bubbletime: showbubble makes it 1 and every drawn
  // frame adds one, so the press frame draws frame 2 and the release frame frame 3.
  clickat(wallx(), wally);
  testmousemove(restx, resty);
  ASSERT_EQ(bubbletext, 5) << "nothing here";
  ASSERT_EQ(bubbletime, 3);
  EXPECT_EQ(bubblex, wallx());
  EXPECT_EQ(bubbley, wally - 80);
  runframes(16);
  ASSERT_EQ(bubbletime, 19);
  const uint32_t at19 = pixel(px, py);
  runframes(1);
  const uint32_t full = pixel(px, py);
  EXPECT_NE(full, bare) << "the probe lies on the bubble";
  float f19 = towards(bare, full, at19);
  EXPECT_GT(f19, 0.85f) << "frame 19 is nearly there";
  EXPECT_LT(f19, 0.99f) << "but not quite";
  runframes(60);
  EXPECT_EQ(pixel(px, py), full) << "fully there from frame 20 to frame 80";
  runframes(1);
  float f81 = towards(bare, full, pixel(px, py));
  EXPECT_GT(f81, 0.85f) << "frame 81 starts to fade";
  EXPECT_LT(f81, 0.99f);
  runframes(18);
  EXPECT_EQ(bubbletime, 99);
  EXPECT_LT(towards(bare, full, pixel(px, py)), 0.1f);
  runframes(1);
  EXPECT_EQ(bubbletime, 0) << "gone at frame 100";
  EXPECT_EQ(pixel(px, py), bare);
  // A second bubble replaces the first at once.
  clickat(wallx(), wally);
  testmousemove(restx, resty);
  runframes(28);
  clickat(wallx() - 150, wally + 40);
  testmousemove(restx, resty);
  EXPECT_EQ(bubbletime, 3) << "the new bubble starts from its first frames";
  EXPECT_EQ(pixel(px, py), bare) << "the old one is gone";
}

TEST_F(Story, ABubbleNearTheEdgeIsPulledInsideTheScreen) {
  tosearch();
  clickat(10, 650);
  EXPECT_EQ(bubblex, 200) << "200 pixels from the left edge";
  EXPECT_EQ(bubbley, 570);
  runframes(100);
  clickat(wallx(), 60);
  EXPECT_EQ(bubblex, wallx());
  EXPECT_EQ(bubbley, 50) << "50 pixels from the top";
  showbubble(screenw + 40, 900, 5, 100);
  runframes(1);
  EXPECT_EQ(bubblex, screenw - 200) << "and from the right";
  EXPECT_EQ(bubbley, 718) << "and from the bottom";
}

TEST_F(Story, EnteringAndLeavingFiftyTimesKeepsNoPictureOrSoundAndPlaysNothingAfterwards) {
  musicvol = 0;  // the tunes go on between screens; only the story's own sounds are watched
  std::vector<std::weak_ptr<ImageData>> pictures;
  std::vector<std::weak_ptr<SoundData>> soundsheld;
  for (int round = 1; round <= 50; round++) {
    SCOPED_TRACE("round " + std::to_string(round));
    enterchapter(1);
    if (round % 10 == 0) {
      // Now and then into the search, where the room's own pictures are at work.
      clickskip();
      runframes(10 + 150 + 3);
    } else {
      runframes(3);
    }
    ASSERT_GT(storyloaded(), 0);
    pictures.clear();
    soundsheld.clear();
    pictures.push_back(storytextfield);
    for (const Image* slot : {&storyhome, &storysky1, &storysky2, &storybga, &storybgb, &storysun, &storynews,
                              &storyballoon, &storycensored})
      pictures.push_back(*slot);
    for (int i = 1; i <= 5; i++) pictures.push_back(storycloud[i]);
    for (int i = 1; i <= 4; i++) pictures.push_back(storychar[i]);
    for (auto& row : storypic)
      for (auto& pic : row) pictures.push_back(pic);
    pictures.push_back(maprollimg);
    for (int n = 1; n <= storysoundcount; n++) soundsheld.push_back(storysounds[n]);
    // The scene's sounds still playing as the player leaves: a kept loop and loose ones.
    PlayS_story(7, float(midx));
    PlayS_story2(18, float(midx));
    PlayS_story2(6, float(midx));
    fadeto(SCREEN_MENU, 0, 0);
    runframes(fadeframes + 2);
    ASSERT_EQ(screen, SCREEN_MENU);
    EXPECT_EQ(storyloaded(), 0) << "the story holds nothing once another screen is entered";
    int kept = 0;
    for (auto& w : pictures) kept += !w.expired();
    EXPECT_EQ(kept, 0) << "story pictures still alive";
    EXPECT_EQ(otherchannelsplaying(), 0) << "a story sound plays on after the screen has gone";
    kept = 0;
    for (auto& w : soundsheld) kept += !w.expired();
    EXPECT_EQ(kept, 0) << "story sounds still held by a channel";
    if (HasFailure()) break;
  }
}
