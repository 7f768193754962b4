// Chapter 1 played through whole frames: the town's opening scene on its timeline, the black
// interlude, the search of Grandma's room with the roll in each hiding place, the journey map
// it opens, and the way into level 1's round.
//
// Ideas for tests:
// - the figure shakes only while the rumble timer runs (needs a probe of the drawn position)
// - the sick sky drifts left 0.4 pixels a frame after the change
// - ambient rumbles come about once a second and pan across the room
// - the newspaper turns up full size and level once its spin has run out (pixel probe)
// - the room's text panel vanishes on the map's second frame
#include "story/chapter1.h"
#include "solitaire/game.h"
#include "tests/storykit.h"

// Story sound slots the chapter plays, as the story sound table names them.
enum { SS_MMH = 1, SS_EAT = 2, SS_GROWL1 = 3, SS_GROWL2 = 4, SS_DRAMA = 6, SS_PILLOW1 = 23, SS_PILLOW2 = 24, SS_CLOCK = 25, SS_CARPET = 26 };

class Chapter1 : public StoryTest {
 protected:
  // Frames of the way into the second part once the first part has ended or was skipped:
  // the fade-out, the interlude, the first frame of the search.
  static constexpr int fadeout = 10, interlude = 150;

  static const Image& glowof(int spot) {
    return spot == HIDE_CARPET ? storypic[1][2] : spot == HIDE_PILLOW1 ? storypic[8][2]
           : spot == HIDE_PILLOW2 ? storypic[9][2] : storypic[10][2];
  }
  static int stateof(int spot) {
    return spot == HIDE_CARPET ? homecarpet : spot == HIDE_PILLOW1 ? homepillow1 : spot == HIDE_PILLOW2 ? homepillow2 : homeclock;
  }
  static placed restingplace(int spot) {
    return {glowof(spot), float(midx + hidespots[spot].x), float(hidespots[spot].y)};
  }
  // Where a person points to hit one hiding place and no other untouched one.
  void pointfor(int spot, int& x, int& y) {
    std::vector<placed> others;
    for (int o = 1; o <= hideplaces; o++)
      if (o != spot && stateof(o) == 0) others.push_back(restingplace(o));
    ASSERT_TRUE(hotpoint(restingplace(spot), others, x, y)) << "no point hits hiding place " << spot;
  }
  void clickplace(int spot) {
    int x = 0, y = 0;
    pointfor(spot, x, y);
    pointat(x, y);
    clickat(x, y);
    testmousemove(restx, resty);
  }
  // The first part skipped from its frame 100; the search has begun.
  void skiptosearch() {
    toclock(100);
    clickskip();
    for (int guard = 0; storypart == 0 && guard < 400; guard++) runframes(1);
    ASSERT_GT(storypart, 0) << "the second part began";
  }
  // The roll has shown itself: wait until it answers the pointer, then open the map with it.
  void openmapfromroll() {
    ASSERT_GT(homereveal, 0);
    runframes(rollwakes + 1);
    clickat(mapx, mapy);
    ASSERT_GT(mapopen, 0) << "the roll opens the journey map";
  }
  // A screen pixel left of pointer x where the resting picture and its glow, both solid
  // there, differ clearly.
  static int solidat(const Image& img, int cx, int cy, int sx, int sy, int c) {
    int x = sx - cx + int(img->handle_x), y = sy - cy + int(img->handle_y);
    if (x < 0 || y < 0 || x >= img->picw || y >= img->pich) return -1;
    const uint8_t* p = &img->pixels[(size_t(y) * img->picw + x) * 4];
    return p[3] == 255 ? p[c] : -1;
  }
  static bool glowprobe(int spot, int pointerx, int& px, int& py) {
    const Image& glow = glowof(spot);
    const Image& rest = spot == HIDE_PILLOW1 ? storypic[8][1] : spot == HIDE_PILLOW2 ? storypic[9][1] : storypic[10][1];
    if (!glow || !rest) return false;
    int cx = midx + hidespots[spot].x, cy = hidespots[spot].y;
    for (int sy = cy - rest->pich / 2; sy < cy + rest->pich / 2; sy++)
      for (int sx = cx - rest->picw / 2; sx < pointerx - 4; sx++) {
        int diff = 0;
        for (int c = 0; c < 3 && diff >= 0; c++) {
          int r = solidat(rest, cx, cy, sx, sy, c), g = solidat(glow, cx, cy, sx, sy, c);
          diff = r < 0 || g < 0 ? -1 : diff + std::abs(r - g);
        }
        if (diff > 60) {
          px = sx;
          py = sy;
          return true;
        }
      }
    return false;
  }
  int closebuttonx() { return midx + 370; }
  int closebuttony() { return midy + 330; }
};

TEST_F(Chapter1, PlaysFromLevelOneThroughTheSearchIntoTheRoundWhereverTheRollLies) {
  for (int spot = 1; spot <= hideplaces; spot++) {
    SCOPED_TRACE("the roll behind hiding place " + std::to_string(spot));
    newplayer();
    startchapterlevel(1);
    EXPECT_EQ(storychapter, 1);
    EXPECT_EQ(storypart, 0);
    if (spot == 1) {
      // The whole opening scene once: it ends by itself and leads into the interlude.
      int d = introstop();
      toclock(d + 799);
      EXPECT_EQ(storyend, 0);
      runframes(1);
      EXPECT_EQ(storyend, 2) << "the scene's last moment starts the end counter, counted on the same frame";
      runframes(98);
      EXPECT_EQ(storyfademode, 1) << "99 frames later the first part fades out";
      runframes(fadeout);
      EXPECT_EQ(storyfademode, 2) << "then the black interlude";
      runframes(interlude);
      EXPECT_GT(storypart, 0) << "and the search of the room";
    } else {
      skiptosearch();
    }
    storymapspot = spot;
    // A person searches the places in the room's order until the roll turns up.
    for (int place = 1; place <= hideplaces && homereveal == 0; place++) {
      clickplace(place);
      EXPECT_GT(stateof(place), 0) << "hiding place " << place << " moves when clicked";
      if (place != spot) {
        EXPECT_EQ(homereveal, 0) << "nothing behind hiding place " << place;
      }
    }
    ASSERT_GT(homereveal, 0) << "the roll turned up";
    EXPECT_EQ(mapx, midx + hidespots[spot].rollx);
    EXPECT_EQ(mapy, hidespots[spot].rolly);
    openmapfromroll();
    // The close button comes with the note paper; here it ends the story at once.
    for (int guard = 0; papertime == 0 && guard < 300; guard++) runframes(1);
    runframes(20);
    clickat(closebuttonx(), closebuttony());
    EXPECT_TRUE(leavingfor(SCREEN_GAME)) << "closing the map leaves for the round";
    EXPECT_EQ(maplevel[1], 1) << "the brand-new player now stands on level 1";
    EXPECT_EQ(toplevel[1], 1);
    untilscreen(SCREEN_GAME);
    EXPECT_EQ(level, 1) << "the round is level 1's";
  }
}

TEST_F(Chapter1, TheTownScrollsByThreePixelsAFrameOnNarrowScreensAndTwoOnWideOnesUntilItsStopFrame) {
  const int widths[3] = {1024, 1280, 1366}, speeds[3] = {3, 2, 2}, stops[3] = {430, 500, 460};
  for (int i = 0; i < 3; i++) {
    SCOPED_TRACE("width " + std::to_string(widths[i]));
    screenwidth(widths[i]);
    startchapterlevel(1);
    ASSERT_EQ(introstop(), stops[i]);
    toclock(100);
    int before = storyscroll;
    runframes(1);
    EXPECT_EQ(before - storyscroll, speeds[i]) << "pixels a frame";
    toclock(stops[i] - 1);
    int last = storyscroll;
    EXPECT_EQ(last, -speeds[i] * (stops[i] - 2)) << "from frame 2 to the frame before the stop";
    toclock(stops[i] + 5);
    EXPECT_EQ(storyscroll, last) << "the town stands still from its stop frame";
    newplayer();
  }
}

TEST_F(Chapter1, TheOpeningScenePlaysItsSoundsOnceEachAndBlowsLeavesOnlyAtTheStart) {
  startchapterlevel(1);
  int d = introstop();
  toclock(150);
  bool leaves = false;
  for (int s = 1; s <= effslots; s++) leaves = leaves || effkind[s] == EFF_LEAF;
  EXPECT_TRUE(leaves) << "leaves blow across the town in its first frames";
  // After frame 200 no new leaf: every leaf still flying is one that was there at frame 200.
  toclock(200);
  std::vector<int> agethen(effslots + 1, -1);
  for (int s = 1; s <= effslots; s++)
    if (effkind[s] == EFF_LEAF) agethen[s] = effage[s];
  toclock(260);
  for (int s = 1; s <= effslots; s++)
    if (effkind[s] == EFF_LEAF) {
      EXPECT_GT(agethen[s], -1) << "a leaf blew in after frame 200 (slot " << s << ")";
      EXPECT_GT(effage[s], agethen[s]) << "slot " << s << " holds a new leaf";
    }
  toclock(d - 1);
  EXPECT_FALSE(storysoundstarted(SS_MMH));
  toclock(d + 1);
  EXPECT_TRUE(storysoundstarted(SS_MMH)) << "mmh as the town stops";
  // A popup on the frame of the bite holds the clock: the bite is heard once, not every frame.
  toclock(d + 50);
  openpopup(POPUP_OPTIONS);
  runframes(30);
  EXPECT_EQ(storyclock, d + 50) << "the popup holds the clock";
  EXPECT_EQ(storysounds[SS_EAT].use_count(), 2) << "one channel holds the bite, however long the popup stays";
  closepopup();
  toclock(d + 151);
  EXPECT_TRUE(storysoundstarted(SS_GROWL1));
  toclock(d + 301);
  EXPECT_TRUE(storysoundstarted(SS_GROWL2));
  EXPECT_TRUE(storysoundstarted(SS_DRAMA)) << "the drama as the sky turns";
  EXPECT_EQ(ChannelPlaying(musicchan), 0) << "the music stops for the drama";
  toclock(d + 510);
  EXPECT_EQ(musicname, "/music/story.ogg");
  EXPECT_EQ(ChannelPlaying(musicchan), 1) << "and comes back with the newspaper";
  toclock(d + 560);
  EXPECT_EQ(introspincount, 0) << "the newspaper's spin has run out after 50 frames";
}

TEST_F(Chapter1, WrongHidingPlacesOnlyMoveAndSoundAndTheRollShowsOnlyAtTheChosenOne) {
  startchapterlevel(1);
  skiptosearch();
  // Every order of wrong places: the roll is behind the last one searched each time.
  const int sounds[hideplaces + 1] = {0, SS_CARPET, SS_PILLOW1, SS_PILLOW2, SS_CLOCK};
  for (int spot = hideplaces; spot >= 1; spot--) {
    SCOPED_TRACE("the roll behind hiding place " + std::to_string(spot));
    preparechapter1();
    storymapspot = spot;
    for (int place = 1; place <= hideplaces; place++) {
      if (place == spot) continue;
      clickplace(place);
      EXPECT_GT(stateof(place), 0);
      EXPECT_TRUE(storysoundstarted(sounds[place])) << "place " << place << " makes its sound";
      EXPECT_EQ(bubbletime, 0) << "a hiding place that was used says nothing";
    }
    runframes(60);  // every wrong place has finished moving
    EXPECT_EQ(homereveal, 0) << "no roll behind the wrong places";
    clickplace(spot);
    runframes(2);
    EXPECT_GT(homereveal, 0);
    EXPECT_EQ(mapx, midx + hidespots[spot].rollx);
    EXPECT_EQ(mapy, hidespots[spot].rolly);
    EXPECT_EQ(maprot, int(hidespots[spot].rollrot));
    EXPECT_FLOAT_EQ(mapstartscale, hidespots[spot].rollscale);
  }
}

TEST_F(Chapter1, AHidingPlaceGlowsUnderThePointerUntilItHasBeenMoved) {
  fillframes = true;  // the test looks at the picture
  startchapterlevel(1);
  skiptosearch();
  runframes(80);  // the panel has faded in; nothing changes any more
  storymapspot = HIDE_CARPET;
  int x = 0, y = 0;
  pointfor(HIDE_CLOCK, x, y);
  // A pixel of the clock, left of the pointer's shape, where its glow picture differs.
  int px = 0, py = 0;
  ASSERT_TRUE(glowprobe(HIDE_CLOCK, x, px, py));
  uint32_t dark = pixel(px, py);
  pointat(x, y);
  uint32_t lit = pixel(px, py);
  EXPECT_NE(lit, dark) << "the clock glows under the pointer";
  clickat(x, y);
  runframes(40);
  pointat(x, y);
  EXPECT_EQ(stateof(HIDE_CLOCK) > 0, true);
  clickat(x, y);
  EXPECT_EQ(bubbletext, 5) << "a moved clock is nothing more: the click finds nothing";
}

TEST_F(Chapter1, TheRevealedRollCannotBeTakenInItsFirstTenFrames) {
  startchapterlevel(1);
  skiptosearch();
  storymapspot = HIDE_PILLOW1;
  clickplace(HIDE_PILLOW1);
  ASSERT_GT(homereveal, 0);
  ASSERT_LE(homereveal, rollwakes) << "the click frames leave room to try early";
  // Clicks on the fresh roll: its place is nothing yet.
  while (homereveal <= rollwakes - 2) {
    clickat(mapx, mapy);
    EXPECT_EQ(mapopen, 0) << "reveal frame " << homereveal;
  }
  EXPECT_EQ(bubbletext, 5) << "the early click found nothing";
  runframes(rollwakes);
  clickat(mapx, mapy);
  EXPECT_GT(mapopen, 0) << "the roll is taken once it has settled";
  EXPECT_EQ(mapopen > 0 && maprot >= 30, true) << "the journey map flies out of the hiding place";
}

TEST_F(Chapter1, TheGrowlSpotAnswersOnlyWhileTheJourneyMapIsClosed) {
  startchapterlevel(1);
  skiptosearch();
  const int gx = xshiftwide + (growlleft + growlright) / 2, gy = (growltop + growlbottom) / 2;
  clickat(gx, gy);
  EXPECT_EQ(bubbletext, 6) << "Mr. Pudding growls through the wall";
  EXPECT_TRUE(storysoundstarted(SS_GROWL1) || storysoundstarted(SS_GROWL2));
  runframes(100);
  ASSERT_EQ(bubbletime, 0);
  // The box is strict on every side.
  clickat(xshiftwide + growlleft, gy);
  EXPECT_EQ(bubbletext, 5) << "the box's left edge is outside";
  runframes(100);
  clickat(gx, growlbottom);
  EXPECT_EQ(bubbletext, 5) << "the box's bottom edge is outside";
  runframes(100);
  // Under the open map the spot and the empty wall say nothing.
  storymapspot = HIDE_CARPET;
  clickplace(HIDE_CARPET);
  openmapfromroll();
  runframes(80);
  clickat(gx, gy);
  EXPECT_EQ(bubbletime, 0) << "no bubble under the open map";
  EXPECT_EQ(screen, SCREEN_STORY);
}

TEST_F(Chapter1, TheMapButtonDuringTheSearchLeavesForTheAdventureMapWithoutTheRound) {
  startchapterlevel(1);
  skiptosearch();
  clickmapbutton();
  EXPECT_TRUE(leavingfor(SCREEN_MAP));
  EXPECT_EQ(maplevel[1], 1);
  untilscreen(SCREEN_MAP);
}

TEST_F(Chapter1, EveryHidingPlaceIsDrawnFromItsOwnPicturesInTheRightSlots) {
  startchapterlevel(1);
  const char* names[] = {"v1-2", "pillow1-2", "pillow2-2", "clock-2"};
  for (int spot = 1; spot <= hideplaces; spot++) EXPECT_TRUE(glowof(spot)) << names[spot - 1] << " loaded";
  for (int f = 2; f <= 7; f++) EXPECT_TRUE(storypic[f][1]) << "carpet frame " << f;
  EXPECT_TRUE(storybga && storybgb && storysky1 && storysky2 && storychar[1] && storychar[4] && storynews);
  // The town's halves hang from their top-left corners, the room from its centre.
  EXPECT_EQ(storybga->handle_x, 0);
  EXPECT_EQ(storychar[2]->handle_y, 0);
  EXPECT_NE(storyhome->handle_x, 0);
  EXPECT_TRUE(AutoMidHandleOn()) << "the loader leaves centred handles on";
  // The story sounds the chapter names are where it plays them.
  EXPECT_STREQ(storysoundfiles[SS_CARPET].name, "carpet.ogg");
  EXPECT_STREQ(storysoundfiles[SS_CLOCK].name, "clock.ogg");
  EXPECT_STREQ(storysoundfiles[SS_PILLOW1].name, "pillow1.ogg");
  EXPECT_STREQ(storysoundfiles[SS_PILLOW2].name, "pillow2.ogg");
  EXPECT_STREQ(storysoundfiles[SS_GROWL2].name, "introstory_growl2.ogg");
  EXPECT_STREQ(storysoundfiles[SS_DRAMA].name, "introstory_drama.ogg");
}
