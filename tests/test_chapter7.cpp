// Chapter 7, the harbour: played through whole frames with a person's clicks, from the
// start of level 68 to the first frame of its round.
//
// Ideas for tests:
// - the crane's floodlight brightens over its first twenty frames (pixel probe at 1789 + scroll)
// - a popup opened over the scene holds the clock, so the scroll waits
// - the carried key follows the pointer (pixel probe beside it)
// - entering the chapter twice starts the box shut and the lamp lit again
#include "story/chapter7.h"
#include "tests/harbourkit.h"

class Chapter7 : public HarbourChapterTest {
 protected:
  // Screen position of a scene point this frame.
  int sx(int x) { return x + storyscroll; }
  // From the start of level 68 to the frame after the scroll's stop, the journey map closed.
  void toquay() {
    beginlevel(68, 7);
    until([] { return mapopen > 0; }, 20);
    closejourney();
    until([] { return storyclock > ch7stop(); }, 600);
    ASSERT_EQ(storyclock, ch7stop() + 1);
  }
  // Waits until no speech bubble shows, so the next click on empty ground gets one.
  void nobubble() { until([] { return bubbletime == 0; }, 250); }
  void clickbox() { clickscene(sx(ch7boxx), ch7boxy); }
  void clickkey() { clickscene(sx(ch7keyx), ch7keyy); }
  void clicklock() { clickscene(sx(ch7lockx), ch7locky); }
};

TEST_F(Chapter7, FromLevel68TheKeyOpensTheDoorTheCraneLiftsTheContainerAndTheRoundBegins) {
  beginlevel(68, 7);
  EXPECT_EQ(ch7lid, 0);
  EXPECT_EQ(ch7key, 0);
  EXPECT_EQ(ch7lamp * ch7lamp, 1);

  // The journey map comes early here, at frame 5; the scene waits under it.
  until([] { return mapopen > 0; }, 20);
  EXPECT_EQ(storyclock, 5);
  int scroll = storyscroll;
  runframes(40);
  EXPECT_EQ(storyclock, 5) << "the clock stands while the map is up";
  EXPECT_EQ(storyscroll, scroll) << "and so does the scroll";
  closejourney();

  // Before the scroll's stop frame nothing answers, not even the empty quay.
  until([] { return storyclock >= 250; }, 400);
  clickbox();
  EXPECT_EQ(ch7lid, 0);
  EXPECT_EQ(bubbletime, 0);
  const int d = ch7stop();
  EXPECT_EQ(d, 340);
  until([] { return storyclock > ch7stop(); }, 200);
  scroll = storyscroll;
  // Three pixels a frame from frame 2 to the stop, but for frame 5, when the map came.
  EXPECT_EQ(scroll, -3 * (d - 3));
  runframes(20);
  EXPECT_EQ(storyscroll, scroll) << "the scroll has stopped";

  // The padlock without the key: bubble 1 for 200 frames; the lock stays shut.
  clicklock();
  EXPECT_EQ(bubbletext, 1);
  EXPECT_EQ(bubblelife, 200);
  EXPECT_EQ(ch7lockopen, 0);

  // The box opens; its click takes the bubble away.
  clickbox();
  EXPECT_EQ(bubbletime, 0) << "the box's click shows only the box";
  EXPECT_EQ(ch7lid, 1);
  // The key lies under the lid until the lid has swung fully open.
  clickkey();
  EXPECT_EQ(ch7key, 0) << "the lid still covers the key";
  // Frames after the box's click: its release, the key's pointing and click, then the wait.
  int swing = 4 + until([] { return ch7lid == ch7lidframes; }, 30);
  EXPECT_GE(swing, 13);
  EXPECT_LE(swing, 16);
  clickkey();
  EXPECT_EQ(ch7key, 1) << "carried";
  EXPECT_EQ(bubbletime, 0);
  clickbox();
  EXPECT_EQ(ch7lid, ch7lidframes) << "an open box does not answer again";

  // The key unlocks the padlock; the door waits, then slides fully open and the crane wakes.
  clicklock();
  EXPECT_EQ(ch7lockopen, 1);
  EXPECT_EQ(ch7key, 2);
  EXPECT_EQ(ch7doortime, 2) << "counting from the click's frame";
  EXPECT_EQ(bubbletime, 0);
  int wait = 1 + until([] { return ch7doorslide > 0; }, 100);
  EXPECT_EQ(wait, ch7doorwait - 1) << "frames after the click's frame";
  int slide = until([] { return ch7crane > 0; }, 200);
  EXPECT_EQ(ch7doorslide, ch7slideopen);
  EXPECT_NEAR(wait + slide, 180, 3) << "the crane starts about 180 frames after unlocking";
  clicklock();
  EXPECT_EQ(ch7key, 2) << "the open padlock rides on the door and answers no more";

  // The crane: hook down from its frame 101, held on the container 248..299, then both rise.
  until([] { return ch7crane > 247; }, 300);
  EXPECT_EQ(ch7hook, 3 * 147);
  EXPECT_EQ(ch7container, 0);
  runframes(30);
  EXPECT_EQ(ch7hook, 3 * 147) << "the hook waits on the container";
  until([] { return ch7crane > 320; }, 100);
  EXPECT_LT(ch7container, 0) << "lifted";
  EXPECT_EQ(ch7hook - 3 * 147, ch7container - 2) << "hook and container rise together";
  int lift = until([] { return storyend > 0; }, 400);
  EXPECT_EQ(ch7container, ch7liftend);
  EXPECT_EQ(ch7crane, 601) << "the chapter ends about 600 frames after the crane starts";
  EXPECT_GT(lift, 200);

  // No more bubbles once the end has come; then the round of level 68.
  clickscene(60, 150);
  EXPECT_EQ(bubbletime, 0);
  int left = toround();
  EXPECT_LE(left, 110);
  EXPECT_EQ(level, 68);
}

TEST_F(Chapter7, TheEmptyQuayAnswersOnlyWhileNoBubbleShows) {
  toquay();
  clickscene(60, 150);
  EXPECT_EQ(bubbletext, 4);
  EXPECT_EQ(bubblelife, 100);
  runframes(10);
  int age = bubbletime;
  clickscene(700, 600);
  EXPECT_EQ(bubbletime, age + 3) << "a second click leaves the bubble to age";
  nobubble();
  clickscene(700, 600);
  EXPECT_EQ(bubbletext, 4) << "once it has gone the next click gets a new one";
  EXPECT_EQ(bubbletime, 3);
  // An object's click replaces the quay's bubble with its own.
  nobubble();
  clicklock();
  EXPECT_EQ(bubbletext, 1);
  EXPECT_EQ(bubblelife, 200);
}

TEST_F(Chapter7, OnAWideScreenTheQuayAnswersSoonerAndTheCraneStandsFurtherRight) {
  for (int w : {1280, 1366}) {
    SCOPED_TRACE(w);
    widescreen(w);
    beginlevel(68, 7);
    until([] { return mapopen > 0; }, 20);
    closejourney();
    EXPECT_EQ(ch7stop(), 300);
    until([] { return storyclock == 298; }, 400);
    clickbox();  // frame 300: not yet
    EXPECT_EQ(ch7lid, 0);
    clickbox();
    EXPECT_EQ(ch7lid, 1) << "answers after frame 300";
    EXPECT_EQ(storyscroll, -3 * 297);
    EXPECT_EQ(ch7cranex(), 2150) << "250 pixels right of where it stands at width 1024";
  }
}

TEST_F(Chapter7, TheQuayLampFlickersAndItsLightShowsOnlyWhileLit) {
  fillframes = true;  // the test looks at the picture
  beginlevel(68, 7);
  until([] { return mapopen > 0; }, 20);
  closejourney();
  // Sample the lamp's centre on lit and dark frames while the scroll carries it past.
  int lit = 0, dark = 0, flips = 0, was = ch7lamp;
  uint32_t litpixel = 0, darkpixel = 0;
  while (storyclock < ch7stop()) {
    runframes(1);
    if (ch7lamp != was) flips++;
    was = ch7lamp;
    if (sx(ch7lampx) < 0) continue;
    if (ch7lamp == 1) {
      lit++;
      litpixel = pixel(sx(ch7lampx), ch7lampy);
    } else {
      dark++;
      darkpixel = pixel(sx(ch7lampx), ch7lampy);
    }
  }
  EXPECT_GT(lit, 0);
  EXPECT_GT(dark, 0);
  EXPECT_GT(flips, 3) << "about one flip in thirty frames";
  EXPECT_LT(flips, 40);
  EXPECT_NE(litpixel, darkpixel) << "the lamp's light is drawn only while lit";
}
