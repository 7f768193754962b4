// The adventure map through whole frames and a person's clicks.
//
// Ideas for tests:
// - the tooltip opens to the left of a marker right of the centre (needs a pixel probe that
//   survives art changes)
// - a click on a level while the paused sign is up only takes the sign away
// - the hint's sparkles around the shop button stop once the hint is done
// - nodeglow of stages 21..27 survives a re-entry
// - devmode F4 opens every level with two stars
#include "tests/mapkit.h"
#include "shell/display.h"
#include "runtime/input.h"
#include "shell/gfx.h"
#include "shell/intro.h"
#include "shell/menu.h"
#include "shell/backgrounds.h"
#include <climits>
#include <cstdlib>

class AdventureMap : public MapTest {};

TEST_F(AdventureMap, NewPlayerStandsOnPageOneAndOnlyLevelOneStarts) {
  entermap(ready);
  EXPECT_EQ(mappage, 1);
  EXPECT_EQ(mapscrollto, 0);
  EXPECT_EQ(barpos, 51);  // the bars have settled from -120
  EXPECT_EQ(maphint[1], 0) << "no shop hint while the player stands on level 1";
  clickmarker(2);
  clickmarker(4);
  EXPECT_EQ(fadestate, 1) << "a closed level must not start";
  EXPECT_EQ(maplevel[1], 1);
  clickmarker(1);
  // Level 1 opens chapter 1 of the story first.
  EXPECT_TRUE(leavingfor(SCREEN_STORY));
  EXPECT_EQ(fadearg, 1);
  EXPECT_EQ(selectedlevel, 1);
}

TEST_F(AdventureMap, ChoosingAnOpenedLevelStartsItAndDropsTheRoundValuesButNotInTheFirstSecond) {
  toplevel[1] = maplevel[1] = 20;
  failcount[1] = 3;
  roundtime[1] = 77;
  pointsfactor[1] = 2;
  dealcount[1] = 4;
  maphint[1] = 100;
  entermap(20);
  clickmarker(11);
  EXPECT_EQ(tipfade, 0) << "no tooltip in the map's first second";
  EXPECT_EQ(fadestate, 1) << "and no start";
  runframes(ready - 20 - 2);
  clickmarker(11);
  EXPECT_TRUE(leavingfor(SCREEN_GAME));
  EXPECT_EQ(maplevel[1], 11);
  EXPECT_EQ(selectedlevel, 11);
  EXPECT_EQ(failcount[1], 0);
  EXPECT_EQ(roundtime[1], 0);
  EXPECT_EQ(pointsfactor[1], 1);
  EXPECT_EQ(dealcount[1], 1);
  EXPECT_EQ(toplevel[1], 20) << "a replay never moves the frontier";
}

TEST_F(AdventureMap, AChapterLevelChosenOnTheMapShowsItsChapterEvenAfterALoss) {
  toplevel[1] = maplevel[1] = 20;
  failcount[1] = 2;  // lost twice: a retry from the end screen would skip the chapter
  maphint[1] = 100;
  entermap(ready);
  clickmarker(10);
  EXPECT_TRUE(leavingfor(SCREEN_STORY));
  EXPECT_EQ(fadearg, 2);
}

TEST_F(AdventureMap, AClosedLevelShowsItsTooltipButCannotStart) {
  toplevel[1] = maplevel[1] = 10;
  maphint[1] = 100;
  entermap(ready);
  pointat(markerx(12), markery(12));
  runframes(25);
  EXPECT_EQ(maphovered, 12);
  EXPECT_EQ(tipfade, 20);
  clickat(markerx(12), markery(12));
  EXPECT_EQ(fadestate, 1);
  // Leaving the marker lets the tooltip go.
  pointat(5, 300);
  EXPECT_EQ(maphovered, 0);
  EXPECT_EQ(tipfade, 0);
}

TEST_F(AdventureMap, EntersOnThePlayersPageAndGlidesThere) {
  toplevel[1] = maplevel[1] = 20;  // stage 7: page 1, nothing to glide
  entermap(5);
  EXPECT_EQ(mappage, 1);
  EXPECT_EQ(mapscroll, 0);
  toplevel[1] = maplevel[1] = 50;  // stage 14: page 2
  entermap(0);
  EXPECT_EQ(mappage, 2);
  EXPECT_EQ(mapscrollto, 1300);
  int last = mapscroll, frames = 0;
  EXPECT_LT(last, 100);
  while (mapscroll != 1300 && frames < 150) {
    runframes(1);
    frames++;
    ASSERT_GT(mapscroll, last) << "the glide moves on every frame and never turns back";
    ASSERT_LE(mapscroll, 1300) << "nor overshoots";
    last = mapscroll;
  }
  EXPECT_EQ(mapscroll, 1300);
  runframes(2);
  EXPECT_EQ(mapscroll, 1300) << "and rests there";
  // Stage 14 stands in the middle of the screen once there.
  EXPECT_FLOAT_EQ(nodex[14], float(midx - 5));
  EXPECT_EQ(nodey[14], midy);
  toplevel[1] = maplevel[1] = 90;
  entermap(0);
  EXPECT_EQ(mappage, 3);
}

TEST_F(AdventureMap, PageArrowsStopAtTheFirstAndLastPageAndDotsJumpStraightThere) {
  entermap();
  // From page 1 at rest, the third dot: 2600 pixels with the eased glide.
  clickat(midx + 50, bary());
  EXPECT_EQ(mappage, 3);
  EXPECT_EQ(mapscrollto, 2600);
  EXPECT_LT(glide(), 150) << "2600 pixels in about two seconds";
  EXPECT_EQ(mapscroll, 2600);
  // Stage 19 sits top left on page 3.
  EXPECT_FLOAT_EQ(nodex[19], float(midx - 335));
  EXPECT_EQ(nodey[19], midy - 180);
  clickat(midx + 120, bary());
  EXPECT_EQ(mappage, 3) << "no page past the last";
  EXPECT_EQ(mapscrollto, 2600);
  clickat(midx - 120, bary());
  EXPECT_EQ(mappage, 2);
  EXPECT_EQ(mapscrollto, 1300);
  clickat(midx - 120, bary());
  clickat(midx - 120, bary());
  EXPECT_EQ(mappage, 1) << "nor before the first";
  EXPECT_EQ(mapscrollto, 0);
  clickat(midx + 120, bary());
  EXPECT_EQ(mappage, 2);
  EXPECT_EQ(mapscrollto, 1300);
  // The first dot straight back from page 2.
  clickat(midx - 50, bary());
  EXPECT_EQ(mappage, 1);
  EXPECT_EQ(mapscrollto, 0);
}

TEST_F(AdventureMap, CheckMarkLandsOnTheStageJustFinishedThenTheJourneyMapOpens) {
  // The end screen of level 15, the last of stage 5, at the frontier: winreset opened 16.
  toplevel[1] = maplevel[1] = 16;
  maphint[1] = 100;
  hookrun = 1;
  hookstage = 5;
  fadeto(SCREEN_MAP, 0, 0);
  runframes(9);  // the ninth frame of the fade already shows the map
  runframes(49);
  EXPECT_EQ(mapframe, 50);
  EXPECT_EQ(hookrun, 1) << "the mark waits for the map's 51st frame";
  runframes(39);
  EXPECT_EQ(hookrun, 40);
  EXPECT_EQ(mapopen, 0);
  runframes(1);
  EXPECT_EQ(hookrun, 0);
  EXPECT_EQ(hookstage, 0);
  EXPECT_GT(mapopen, 0) << "the journey map opens by itself";
  EXPECT_EQ(buttonlayer, 2);
  int sparks = 0;
  for (int i = 1; i <= effslots; i++) sparks += effkind[i] >= EFF_COLOURSTAR && effkind[i] <= EFF_COLOURSTAR + 9;
  EXPECT_GE(sparks, 5) << "a star burst over the card";
}

TEST_F(AdventureMap, ACheckMarkArmedForAStageOffTheMapIsDropped) {
  hookrun = 1;
  hookstage = 99;
  entermap(1);
  EXPECT_EQ(hookrun, 0);
  EXPECT_EQ(mapopen, 0);
}

TEST_F(AdventureMap, PlayResumesTheStoredRoundOnlyAtTheFrontier) {
  toplevel[1] = maplevel[1] = 14;
  savedgame[1] = 1;
  maphint[1] = 100;
  entermap();
  clickat(midx + paneld(), bary() - 25);
  EXPECT_TRUE(leavingfor(SCREEN_GAME));
  EXPECT_EQ(savedgame[1], 1) << "the round at the frontier is resumed";
  EXPECT_EQ(selectedlevel, 14);
}

TEST_F(AdventureMap, PlayBelowTheFrontierAsksBeforeDroppingTheStoredRound) {
  toplevel[1] = 14;
  maplevel[1] = 5;
  savedgame[1] = 1;
  maphint[1] = 100;
  entermap(ready);
  clickat(midx + paneld(), bary() - 25);
  EXPECT_EQ(popupid, POPUP_MAP);
  EXPECT_EQ(mapchosen, 14);
  EXPECT_EQ(fadestate, 1);
  // While it is up the map's own buttons and levels do nothing.
  clickat(midx - paneld(), bary() - 25);
  clickmarker(3);
  EXPECT_EQ(fadestate, 1);
  EXPECT_EQ(savedgame[1], 1);
  clickat(midx + 82, midy + 160);  // start level 14 anyway
  EXPECT_TRUE(leavingfor(SCREEN_GAME));
  EXPECT_EQ(savedgame[1], 0);
  EXPECT_EQ(maplevel[1], 14);
  EXPECT_EQ(selectedlevel, 14);
}

TEST_F(AdventureMap, TheUnfinishedRoundPopupGoesOnStartsAfreshOrGoesBack) {
  toplevel[1] = 20;
  maplevel[1] = 12;
  savedgame[1] = 1;
  roundtime[1] = 40;
  maphint[1] = 100;
  entermap(ready);
  // Another level: Back leaves everything as it was.
  clickmarker(17);
  ASSERT_EQ(popupid, POPUP_MAP);
  clickat(midx - 82, midy + 160);
  runframes(17);
  EXPECT_EQ(popupid, 0);
  EXPECT_EQ(savedgame[1], 1);
  EXPECT_EQ(maplevel[1], 12);
  EXPECT_EQ(fadestate, 1);
  // Escape backs out too.
  clickmarker(17);
  presskey(KEY_ESCAPE);
  runframes(17);
  EXPECT_EQ(popupid, 0);
  EXPECT_EQ(savedgame[1], 1);
  // The stored level itself: go on with the round as it was left.
  clickmarker(12);
  ASSERT_EQ(popupid, POPUP_MAP);
  clickat(midx + 82, midy + 160);
  EXPECT_TRUE(leavingfor(SCREEN_GAME));
  EXPECT_EQ(savedgame[1], 1);
  EXPECT_EQ(roundtime[1], 40);
  EXPECT_EQ(selectedlevel, 12);
}

TEST_F(AdventureMap, StartingAfreshFromThePopupDropsTheRound) {
  toplevel[1] = 20;
  maplevel[1] = 12;
  savedgame[1] = 1;
  maphint[1] = 100;
  entermap(ready);
  clickmarker(12);
  clickat(midx - 82, midy + 160);
  EXPECT_TRUE(leavingfor(SCREEN_GAME));
  EXPECT_EQ(savedgame[1], 0);
  EXPECT_EQ(selectedlevel, 12);
}

TEST_F(AdventureMap, ShopHintComesOnceAfterTheFirstLevelAndGoesAtTheNextClick) {
  toplevel[1] = maplevel[1] = 2;
  entermap(60);
  EXPECT_EQ(maphint[1], 0);
  runframes(2);
  EXPECT_GT(maphint[1], 0);
  // While it is up, levels neither glow nor start.
  pointat(markerx(1), markery(1));
  runframes(5);
  EXPECT_EQ(maphovered, 0);
  clickat(markerx(1), markery(1));
  EXPECT_EQ(fadestate, 1);
  EXPECT_EQ(maphint[1], 100);
  entermap(ready);
  EXPECT_EQ(maphint[1], 100) << "never again for this player";
  clickmarker(1);
  EXPECT_TRUE(leavingfor(SCREEN_STORY));
}

TEST_F(AdventureMap, ShopAndMenuButtonsLeaveTheMapAndEachScreenLetsTheOthersPicturesGo) {
  fadeto(SCREEN_MENU, 0, 0);
  runframes(9);
  ASSERT_EQ(screen, SCREEN_MENU);
  ASSERT_TRUE(welcomesignimg && titleskya);
  entermap();
  EXPECT_FALSE(welcomesignimg) << "the map lets the menu's pictures go";
  EXPECT_FALSE(titleskya) << "and the title scene's";
  clickat(midx - paneld(), bary() - 25);
  EXPECT_TRUE(leavingfor(SCREEN_SHOP));
  runframes(9);
  EXPECT_EQ(screen, SCREEN_SHOP);
  EXPECT_EQ(maphint[1], 100);
  EXPECT_TRUE(shopbgimg);
  EXPECT_FALSE(mapuidownimg) << "the shop lets the map's pictures go";
  EXPECT_FALSE(maprollsmallimg) << "and the journey map's";
  clickat(midx, screenh - 45);
  EXPECT_TRUE(leavingfor(SCREEN_MAP));
  runframes(9 + settled);
  EXPECT_FALSE(shopbgimg) << "the map lets the shop's pictures go";
  EXPECT_TRUE(mapuidownimg && maprollsmallimg);
  clickat(midx + 80, barpos - 15);
  EXPECT_TRUE(leavingfor(SCREEN_MENU));
  runframes(9);
  EXPECT_EQ(screen, SCREEN_MENU);
  EXPECT_FALSE(mapuidownimg) << "the menu lets the map's pictures go";
  EXPECT_FALSE(maprollsmallimg);
  // A shop left without a player falls back to the menu, which lets the shop's go too.
  entershop(1);
  player = -1;
  runframes(10);
  EXPECT_EQ(screen, SCREEN_MENU);
  EXPECT_FALSE(shopbgimg);
}

TEST_F(AdventureMap, TheFrontierGlowsAfterTheLogosGlowIsGone) {
  fillframes = true;  // the test looks at the picture
  maphint[1] = 100;
  // The menu lets the loading screen's pictures go at its 100th frame, the logo's glow with them.
  deleteloadstuff_dynamic();
  entermap(20);
  // Left of level 1's marker and its story ring, inside the glow swaying behind it.
  const int x = markerx(1) - 38, y = markery(1);
  const uint32_t lit = pixel(x, y);
  mapglowimg = nullptr;
  runframes(1);
  const uint32_t bare = pixel(x, y);
  int diff = 0;
  for (int sh = 0; sh <= 16; sh += 8) diff += std::abs(int((lit >> sh) & 255) - int((bare >> sh) & 255));
  EXPECT_GT(diff, 30) << std::hex << "with the glow " << lit << ", without " << bare;
}

TEST_F(AdventureMap, PanelsSitFurtherOutOnWideScreens) {
  opengraphics(1366, 768, 32, 1366, 768);
  toplevel[1] = maplevel[1] = 3;
  maphint[1] = 100;
  entermap();
  EXPECT_EQ(midx, 683);
  // The play button is 220 wide, 470 pixels right of the centre: 100 pixels further right
  // still hits it, which 400 pixels out it would not.
  clickat(midx + 570, bary() - 25);
  EXPECT_TRUE(leavingfor(SCREEN_GAME));
  EXPECT_EQ(selectedlevel, 3);
}

TEST_F(AdventureMap, TheMenuTuneGoesOnFromTheMenuAndStartsFromElsewhere) {
  screen = SCREEN_MENU;
  musicname = "/music/keep.ogg";
  entermap(1);
  EXPECT_EQ(musicname, "/music/keep.ogg");
  screen = SCREEN_GAME;
  entermap(1);
  EXPECT_EQ(musicname, "/music/menu.ogg");
}

TEST_F(AdventureMap, DamagedProgressShowsTheNearestValidLevel) {
  toplevel[1] = 5000;
  maplevel[1] = -7;
  maphint[1] = -3;
  cash[1] = -250;
  levelstars[1][1] = 77;
  levelstars[1][2] = -5;
  levelbest[1][2] = -1;
  entermap(1);
  EXPECT_EQ(toplevel[1], 104);
  EXPECT_EQ(maplevel[1], 1);
  EXPECT_EQ(cash[1], 0);
  EXPECT_EQ(maphint[1], 0);
  EXPECT_EQ(mappage, 3);
  // On page 1 the damaged results draw as no result.
  toplevel[1] = 8;
  entermap(ready);
  pointat(markerx(2), markery(2));
  runframes(21);
  EXPECT_EQ(maphovered, 2);
  // A profile that never began the adventure stands on level 1.
  toplevel[1] = maplevel[1] = 0;
  entermap(1);
  EXPECT_EQ(toplevel[1], 1);
  EXPECT_EQ(maplevel[1], 1);
}

TEST_F(AdventureMap, AtTheEndingThePanelsSayJourneysEndAndPlayStartsTheEnding) {
  toplevel[1] = maplevel[1] = 104;
  maphint[1] = 100;
  entermap();
  EXPECT_EQ(mappage, 3);
  clickat(midx + paneld(), bary() - 25);
  EXPECT_TRUE(leavingfor(SCREEN_STORY));
  EXPECT_EQ(fadearg, 10);
}

TEST_F(AdventureMap, WithoutAPlayerTheMapReturnsToTheMenu) {
  player = -1;
  fadeto(SCREEN_MAP, 0, 0);
  runframes(10);
  EXPECT_TRUE(leavingfor(SCREEN_MENU));
}

TEST_F(AdventureMap, StageCardsGlowUnderThePointerAndFadeAfter) {
  maphint[1] = 100;
  entermap(ready);
  pointat(int(nodex[5]) + 90, nodey[5] + 50);
  runframes(20);
  EXPECT_EQ(nodeglow[5], 10);
  EXPECT_EQ(nodeglow[4], 0);
  pointat(int(nodex[5]) + 101, nodey[5]);  // just outside the reach
  runframes(4);
  EXPECT_EQ(nodeglow[5], 5);
  runframes(10);
  EXPECT_EQ(nodeglow[5], 0);
}
