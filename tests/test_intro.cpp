// Intro: the splash pages from their configuration, skipping them with a key, the loading
// screen's bar and logo, and the hand-over to the main menu.
//
// Ideas for tests:
// - a configuration with CR LF line ends and trailing blanks behind the file name
// - a page that is skippable but has no time: it waits for a key however long it takes
// - holding a skip key across the fade: the next page is not skipped by the same press
// - the splash picture drawn centred on a 1366-wide screen (its edges cut on 1024)
#include "tests/menukit.h"
#include "shell/dispatch.h"
#include "shell/gfx.h"
#include <gtest/gtest.h>

namespace {

class Intro : public ::testing::Test {
 protected:
  void SetUp() override { headlessstart(); }

  // Starts the splash pages again from a configuration of our own, as the start-up does.
  void startwith(const std::string& config) {
    splashconfigfile = tempfolder() + "splashconfig.txt";
    writebytes(splashconfigfile, config);
    instintro(1);
  }
};

std::string block(int page, const std::string& file, int time, const std::string& skip) {
  return "page " + std::to_string(page) + "\nfile " + file + "\ntime " + std::to_string(time) + "\nskip " + skip + "\n;---\n";
}

TEST_F(Intro, TheStartShowsTheFirstShippedPageAndHidesThePointer) {
  fillframes = true;  // the test looks at the picture
  EXPECT_EQ(screen, SCREEN_SPLASH);
  EXPECT_EQ(curpage, 1);
  EXPECT_EQ(pagecount, 2);
  EXPECT_EQ(pagefile[1], "logo1.png");
  EXPECT_EQ(pagetime[2], 75);
  EXPECT_EQ(pageskip[2], 1);
  ASSERT_TRUE(pageimg[1]);
  ASSERT_TRUE(pageimg[2]);
  // The page fades in from black over eight frames, centred on the screen.
  runframes(1);
  uint32_t first = pixel(midx, midy);
  runframes(8);
  EXPECT_NE(pixel(midx, midy), first);
  EXPECT_NE(pixel(midx, midy), 0u);
}

TEST_F(Intro, LinesAreSplitByPositionAndUnknownOnesIgnored) {
  startwith(
      "page=1\n"
      "file=logo2.jpg\n"
      "time=0075 frames\n"
      "skip=True\n"      // only the exact word counts
      "note nothing\n"
      "files wrong.png\n"  // the key is "file", the value starts after the separator: "wrong.png"
      ";--- end of page one\n"
      "skip true\n"
      "time -5\n");
  EXPECT_EQ(pagefile[1], "wrong.png");
  EXPECT_EQ(pagetime[1], 75);
  EXPECT_EQ(pageskip[1], 0);
  EXPECT_EQ(pagefile[2], "");  // a page without a file line still counts
  EXPECT_EQ(pageskip[2], 1);
  EXPECT_EQ(pagetime[2], -5);
  EXPECT_EQ(pagecount, 2);
}

TEST_F(Intro, OnlyTheFirstTwentyNineLinesAndSixPagesAreRead) {
  // One line before the blocks pushes page 6's skip line to line 30, where reading stops.
  std::string config = "splash pages\n";
  for (int p = 1; p <= 8; p++) config += block(p, "logo1.png", 10 * p, "true");
  startwith(config);
  EXPECT_EQ(pagecount, 6);
  EXPECT_EQ(pagetime[6], 60);
  EXPECT_EQ(pageskip[5], 1);
  EXPECT_EQ(pageskip[6], 0);
  // Compact blocks name more than six pages in 29 lines: the table keeps six.
  std::string compact;
  for (int p = 1; p <= 9; p++) compact += "file logo1.png\ntime 5\n;---\n";
  startwith(compact);
  EXPECT_EQ(pagecount, 6);
  EXPECT_EQ(pagetime[6], 5);
}

TEST_F(Intro, ANonePageShortensTheSequenceFromTheEnd) {
  startwith(block(1, "logo1.png", 5, "false") + block(2, "none", 5, "false") + block(3, "logo2.jpg", 5, "false"));
  EXPECT_EQ(pagecount, 2);
  EXPECT_FALSE(pageimg[2]);
  EXPECT_FALSE(pageimg[3]);  // never shown, never loaded
  std::vector<int> pages;
  for (int f = 0; f < 60 && screen == SCREEN_SPLASH; f++) {
    runframes(1);
    if (screen == SCREEN_SPLASH && (pages.empty() || pages.back() != curpage)) pages.push_back(curpage);
  }
  EXPECT_EQ(pages, (std::vector<int>{1, 2}));
  EXPECT_EQ(screen, SCREEN_LOADING);
}

TEST_F(Intro, BrokenConfigurationsStillLeadOnToTheLoadingScreen) {
  std::string longconfig;
  for (int p = 1; p <= 8; p++) longconfig += block(p, "gone" + std::to_string(p) + ".png", 4, "false");
  const std::string configs[] = {
      "",                                               // empty
      "\n\n\n",                                         // blank lines only
      block(1, "missing.png", 12, "false"),             // a picture that is not there: black for its time
      longconfig + longconfig,                          // far longer than 29 lines, its last page cut short
      std::string("\0\xff\xfe garbage\n;---\n;---\n", 20),
  };
  for (const std::string& config : configs) {
    startwith(config);
    EXPECT_TRUE(rununtilscreen(SCREEN_LOADING, 400)) << "config: " << config.substr(0, 40);
  }
  // A configuration that is not there at all.
  splashconfigfile = tempfolder() + "nothing-here.txt";
  instintro(1);
  EXPECT_EQ(pagecount, 0);
  EXPECT_TRUE(rununtilscreen(SCREEN_LOADING, 20));
}

TEST_F(Intro, AMissingPictureIsReportedAndItsPageStaysBlackForItsTime) {
  fillframes = true;  // the test looks at the picture
  logmissing.clear();
  startwith(block(1, "missing.png", 30, "false") + block(2, "logo1.png", 30, "false"));
  ASSERT_FALSE(logmissing.empty());
  EXPECT_NE(logmissing.back().find("missing.png"), std::string::npos);
  runframes(12);
  EXPECT_EQ(pixel(midx, midy), 0u);
  EXPECT_EQ(curpage, 1);
  runframes(30);
  EXPECT_EQ(curpage, 2);
}

TEST_F(Intro, ASkippablePageGoesAtTheFirstKeyALockedOneOnlyAfterItsTime) {
  const int keys[] = {KEY_SPACE, KEY_ENTER, KEY_ESCAPE};
  for (int key : keys) {
    startwith(block(1, "logo1.png", 1000, "true") + block(2, "logo2.jpg", 40, "false"));
    runframes(20);
    EXPECT_EQ(fadestate, 1);
    testkeypress(key);
    runframes(1);
    EXPECT_EQ(fadestate, 2) << "key " << key;
    testkeyrelease(key);
    runframes(8);
    EXPECT_EQ(curpage, 1);  // still fading out
    runframes(1);
    EXPECT_EQ(curpage, 2) << "key " << key;
    EXPECT_EQ(pageframe, 1);
    // The second page ignores every key and goes after exactly 40 frames.
    for (int f = 2; f <= 39; f++) {
      testkeypress(keys[f % 3]);
      runframes(1);
      testkeyrelease(keys[f % 3]);
      ASSERT_EQ(fadestate, 1) << "frame " << f;
    }
    runframes(1);
    EXPECT_EQ(pageframe, 40);
    EXPECT_EQ(fadestate, 2);
    EXPECT_EQ(fadetarget, SCREEN_LOADING);
  }
}

TEST_F(Intro, MouseClicksNeverSkipAPage) {
  startwith(block(1, "logo1.png", 1000, "true"));
  for (int i = 0; i < 5; i++) clickat(midx, midy);
  EXPECT_EQ(fadestate, 1);
  EXPECT_EQ(curpage, 1);
  EXPECT_EQ(screen, SCREEN_SPLASH);
}

TEST_F(Intro, FThreeOnASplashPageOrTheLoadingScreenSwitchesOnDeveloperKeys) {
  EXPECT_EQ(devmode, 0);
  runframes(3);
  EXPECT_EQ(devmode, 0);
  presskey(KEY_F3);
  EXPECT_EQ(devmode, 1);
  // The same on the loading screen, and it stays on into the menu.
  devmode = 0;
  fadeto(SCREEN_LOADING, 0, 0);
  ASSERT_TRUE(rununtilscreen(SCREEN_LOADING, 20));
  runframes(50);
  EXPECT_EQ(devmode, 0);
  presskey(KEY_F3);
  EXPECT_EQ(devmode, 1);
  ASSERT_TRUE(rununtilscreen(SCREEN_MENU, 300));
  EXPECT_EQ(devmode, 1);
}

TEST_F(Intro, TheLoadingBarPausesFourTimesAndHandsOverAtFrame276) {
  fadeto(SCREEN_LOADING, 0, 0);
  runframes(8);
  EXPECT_EQ(screen, SCREEN_SPLASH);
  runframes(1);  // the ninth frame enters the loading screen, drawn black
  ASSERT_EQ(screen, SCREEN_LOADING);
  EXPECT_EQ(loadframe, 1);
  EXPECT_FALSE(pageimg[1]);  // the splash pictures are gone
  ASSERT_TRUE(loadbarimg);
  std::vector<int> value(300, -1);
  value[1] = loadvalue;
  int frame = 1;
  while (screen == SCREEN_LOADING && frame < 299) {
    runframes(1);
    value[++frame] = loadvalue;
  }
  EXPECT_EQ(frame, 276);
  EXPECT_EQ(screen, SCREEN_MENU);
  EXPECT_EQ(value[29], 0);
  EXPECT_EQ(value[30], 1);
  EXPECT_EQ(value[60], 31);
  EXPECT_EQ(value[69], 31);  // held over frames 61..69
  EXPECT_EQ(value[70], 32);
  EXPECT_EQ(value[110], 72);
  EXPECT_EQ(value[139], 72);  // held over 111..139
  EXPECT_EQ(value[140], 73);
  EXPECT_EQ(value[170], 103);
  EXPECT_EQ(value[179], 103);  // held over 171..179
  EXPECT_EQ(value[180], 104);
  EXPECT_EQ(value[275], 199);
  EXPECT_EQ(value[276], 200);
  // No fade: the menu's first frame is already bright, and the bar stays for its first frames.
  EXPECT_EQ(fadestate, 1);
  EXPECT_GE(fadelevel, 255);
  EXPECT_EQ(prevscreen, SCREEN_LOADING);
  EXPECT_TRUE(loadbarimg);
}

TEST_F(Intro, TheBarFillsFromTheLeftAndItsHeadRidesOnTheFill) {
  fillframes = true;  // the test looks at the picture
  fadeto(SCREEN_LOADING, 0, 0);
  ASSERT_TRUE(rununtilscreen(SCREEN_LOADING, 20));
  const int barx = 683 + xshiftwide, bary = 540;
  // A point a quarter of the way along the fill, before and after the fill passes it.
  const int px = barx - 128 + 2 * 40 + 1, py = bary - 45 + 10;
  runframes(120);  // loadvalue 82: the fill (value - 50) has not reached it
  uint32_t empty = pixel(px, py);
  runframes(80);  // loadvalue 124
  uint32_t full = pixel(px, py);
  EXPECT_NE(empty, full);
  // A missing fill picture leaves the frame and head in place; nothing fails.
  loadfillimg = nullptr;
  runframes(2);
  EXPECT_EQ(screen, SCREEN_LOADING);
}

TEST_F(Intro, TheLogoGrowsInOnTheLoadingScreenAndFadesAwayOnTheMenu) {
  fadeto(SCREEN_LOADING, 0, 0);
  ASSERT_TRUE(rununtilscreen(SCREEN_LOADING, 20));
  runframes(31);  // loadvalue 2: the logo starts
  EXPECT_FLOAT_EQ(logox, float(midx));
  EXPECT_FLOAT_EQ(logoy, 150);
  EXPECT_LT(logoscale, 1.3f);
  EXPECT_GT(logoscale, 1.25f);
  float alpha = logoalpha;
  EXPECT_GT(alpha, 0);
  runframes(100);
  EXPECT_GT(logoalpha, alpha);
  EXPECT_LT(logoscale, 1.1f);
  ASSERT_TRUE(rununtilscreen(SCREEN_MENU, 300));
  EXPECT_GT(logoalpha, 0.8f);
  runframes(19);
  EXPECT_EQ(logoalpha, 0);  // snapped to nothing below 0.2
  EXPECT_TRUE(logoimg);
  // The loading pictures and the logo are let go at the menu's 100th frame.
  runframes(100 - 19 - 1);
  EXPECT_EQ(menuframe, 99);
  runframes(1);
  EXPECT_TRUE(loadbarimg);  // drawn in the first 100 menu frames
  runframes(1);
  EXPECT_FALSE(loadbarimg);
  EXPECT_FALSE(loadfillimg);
  EXPECT_FALSE(logoimg);
  EXPECT_FALSE(logoglow);
  EXPECT_EQ(checkdrawstate(), "");
}

}  // namespace
