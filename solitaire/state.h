// The solitaire game's program-wide state: the table of every player slot, the stock and the
// stable, the points of a game, the level tables and the previews.
#pragma once
#include "presentation/effects.h"
#include "presentation/sound.h"
#include "runtime/runtime.h"
#include "shell/profiles.h"
#include "solitaire/extras.h"
#include "solitaire/levelformat.h"
#include <array>

// Declared by the effects layer, which reads them, and used here as the table's own: faceimg
// (card faces 0..51), fishslapimg, stocky (y of the stock row), barpos (slide of the bars).
// The per-player profile values (cash, levelstars, plants and the rest) live with the
// profiles; the extras' counters with the extras.

inline constexpr int cardcount = 52;    // card slots 1..52; slot 0 unused
inline constexpr int levelcount = levelslots;  // per-level lists 1..300; slot 0 unused
inline constexpr int lastlevel = 103;   // the last level of the game
inline constexpr int previewslots = 101;  // preview rows have 102 slots (51 used)
inline constexpr int tablepopupcount = 20;  // table popups 1..20
inline constexpr int extracount = extraslotcount;  // plant and item counters 1..10

using cardrow = std::array<std::array<int, cardcount + 1>, playerslots>;        // [player][slot]
using columnrow = std::array<std::array<int, tablecolumns + 1>, playerslots>;   // [player][column]
using previewtable = std::array<std::array<int, previewslots + 1>, lastlevel + 1>;  // [level][slot]

// Card identities on the stable beyond the 52 faces.
enum {
  STABLE_FISHSLAP = 124,  // wild: every free card fits
  STABLE_ITEMFIRST = 124,  // 124..133 are item pictures
  STABLE_ITEMLAST = 133,
  STABLE_PLANT = 1000,  // 1000 + k: plant k, acts as rank k
  RANK_NONE = 24        // stable rank that no card neighbours (an item on the stable)
};

// Game states.
enum { GAME_DEAL = 1, GAME_PLAY = 2, GAME_END = 3 };
// Results.
enum { RESULT_NONE = 0, RESULT_STRIKE = 1, RESULT_FAIL = 2, RESULT_SOLVED = 3 };

// Card geometry: a card is 96 x 142; positions are its top-left corner.
inline constexpr int cardw = 96;
inline constexpr int cardh = 142;
inline constexpr int stockplayy = 580;  // y of the stock and the stable in play

// ---- Saved with the profile: the table of each player slot ----
// Card slots 1..52 of each player; slot 0 unused.
inline cardrow cardorder;     // deal order number, 0 = off the 16-pixel grid
inline cardrow cardfree;      // 1 once the card became its column's free card; never back to 0
inline cardrow cardsuit;      // suit 1..4 of a rank card
inline cardrow cardvalue;     // 0 none, 1..13 rank, 21 plant, 23 animal, 24 fishslap, 26 bonus, 99 random
inline cardrow cardposx;      // where the card is drawn now (1024 layout), differs only while dealt
inline cardrow cardposy;
inline cardrow cardx;         // target top-left in the 1024 layout
inline cardrow cardy;
inline cardrow cardparam;     // plant 1..8, animal 1 pig 2 ninja, bonus 1 cash 2 cash2 3 doublesuns
inline cardrow cardcolumn;    // column 1..20
inline cardrow cardfaceup;    // 1 once the card shows its face
inline cardrow cardautoturn;  // 1 turns up by itself when free
inline cardrow carddepth;     // place in the column, 1 = bottom
inline cardrow cardturn;      // turn countdown: 0 idle, >10 delay, 10..6 back, 5..2 face, 1 done
inline cardrow cardflight;    // frames of the deal flight, 0 = not launched
inline cardrow cardcover;     // 0 none, 1 bird, 2 fruit
inline cardrow cardshake;     // shake countdown in frames
inline cardrow deckstate;     // per identity 1..52: 0 in the stock, 1 dealt, 2 drawn
// Columns 1..20 of each player; slot 0 unused.
inline columnrow columnx;      // x of the column's depth-1 card, -1 none
inline columnrow columny;      // its y, -1 none
inline columnrow columncount;  // live cards; -1 once the cleared event fired
inline columnrow columntop;    // value of the column's turning or turned free card; -11 once cleared
inline playervalue columns{};      // highest column number in use
inline playervalue todeal{};       // placed cards not yet launched by the deal
inline playervalue stock{};        // draw counter: stock - 1 cards are left to draw
inline playervalue stockstart{};   // stock right after the deal
inline playervalue stableid{};     // identity on top of the stable, 0 before the first draw
inline playervalue stableunder{};  // the top before the last draw request
inline playervalue movetime{};     // take flight frame 0..20, 0 = nothing flying
inline playervalue drawtime{};     // stock draw animation frame 0..20, 20 = idle
inline playervalue stablerank{};   // rank the next played card must neighbour

// ---- Not stored: per frame and per card, for the current player ----
inline std::array<int, cardcount + 1> cardplayable{};  // 1 when the card may be played this frame
inline std::array<int, cardcount + 1> cardwobble{};    // hint wobble frame 0..79

// ---- Reset when a deal starts (the table's game-wide values) ----
inline int gamestat = GAME_DEAL;  // 1 deal, 2 play, 3 gameend; the game screen moves it on
inline int movingcard = 0;        // slot of the card flying to the stable, 0 none
inline float takeflightx = 0;     // where the flying card is drawn now
inline float takeflighty = 0;
inline int combo = 0;             // actions since the last stock draw
inline int dealtime = 0;          // frames of the deal animation
inline float dealstocky = 800;    // y of the deal stock while it rises into place
inline int cardsleft = 0;         // live table cards, recounted every frame of play
inline int placedcount = 0;       // cards placed on the table by the last deal
inline int levelbroken = 0;       // 1 when the level file gave no card: the game ends as a fail
// Table popups 1..20 (the invalid sign and the cleared sign); slot 0 unused.
inline std::array<int, tablepopupcount + 1> tablepopupkind{};  // 1 invalid, 2 cleared
inline std::array<float, tablepopupcount + 1> tablepopupx{};
inline std::array<float, tablepopupcount + 1> tablepopupy{};
inline std::array<int, tablepopupcount + 1> tablepopupage{};   // 0 free, 1..59 showing

// ---- Reset when a deal starts: stock and stable ----
inline int drawrequest = 0;     // 1 while a stock draw waits for drawstock
inline int stocktopx = 0;       // x of the top back of the pile, 0 when the pile is gone
inline int stablex = 532;       // xshift + 532, recomputed every frame
inline int stabley = stockplayy;  // = stocky
inline int drawstartx = 0;      // x the drawn card starts from
inline float meterx = 0;        // cardometer position
inline float metery = 0;
inline float metertargetx = 0;  // where the cardometer heads (over the pile's top back)
inline int metercount = 100;    // count it shows: stock - 1
inline int metershake = 0;      // shake frames left

// ---- Reset when a deal starts: points, combo and result ----
inline int roundpoints = 0;       // points of this game; the tally moves them into cash
inline int combofill = 0;         // drawn fill of the combo bar in pixels 0..280
inline int comborecordglow = 0;   // record glow frame 0..59
inline int comboglow = 0;         // combo glow frame 0..59
inline int showncombo = 0;        // the combo the glow shows
inline int showncombofill = 0;    // its fill in pixels
inline int longdrivetime = 0;     // long-drive sign frame 0..100
inline int pointsflash = 0;       // points-bar flash frame 0..20
inline int gameresult = RESULT_NONE;  // 0 undecided, 1 strike, 2 fail, 3 solved
inline int roundstars = 0;        // 0..3
inline int tallypoints = 0;       // points captured for the tally
inline int tallycombo = 0;        // best combo - 1 captured for the tally
inline int tallytotal = 0;        // points after the multiplier

// ---- Game screen state the table routines read (the game screen owns and writes it) ----
inline int level = 1;          // the level being played
inline int inputok = 1;        // 1 when clicks on cards and bars are allowed this frame
inline int stockok = 1;        // 1 when stock clicks are allowed this frame
inline int anyplayable = 0;    // some table card was playable this frame
inline int endslide = 0;       // frames since gameend
inline int clearedtime = 0;    // frames since the target was reached, 0 = not yet
inline int finishhover = 0;    // hover counter of the finish button

// ---- Tutorial state (the tutorial owns it; a take, a draw or a dead end advances it) ----
inline int tutorialon = 0;     // 1 while the tutorial of this game may run
inline int tutorialpage = 0;   // page shown, 0 = not started
inline int tutorialpages = 0;  // pages of the current level's tutorial

// ---- Level tables, filled once at start, never changed ----
inline std::array<int, 21> itemlevel{};                // level whose win earns extra k (1..11)
inline std::array<int, 101> stagesize{};               // levels in stage c (0..30)
inline std::array<int, 101> stagelast{};               // last level of stage c
inline std::array<int, levelcount + 1> levelpar{};     // most cards left for a solved game
// Previews of levels 1..103 (slots 1..51), dealt once at start, belonging to no player.
inline previewtable previewvalue;
inline previewtable previewparam;
inline previewtable previewx;
inline previewtable previewy;
inline previewtable previewautoturn;
inline previewtable previewfaceup;
inline previewtable previewsuit;
inline previewtable previewcolumn;
inline previewtable previewdepth;
inline previewtable previewcover;
inline previewtable previewfree;
inline std::array<int, lastlevel + 1> previewread{};  // 1 when the level's file was read

// ---- Card pictures, loaded once at start (loadcardgfx), kept until quit ----
inline std::array<Image, 6> cardbackimg;           // backs 1..4
inline std::array<Image, 11> solplantimg;          // plant k on cards and the stable: picture k + 1
inline std::array<Image, 11> barplantimg;          // plant k in the plant bar: picture k + 1 (mid handle)
inline std::array<Image, 11> itemimg;              // item pictures by stable identity - 123 (1..10)
inline std::array<Image, 3> coverimg;              // 1 bird, 2 fruit
inline std::array<Image, 3> animalimg;             // 1 pig, 2 ninja
inline std::array<Image, 3> bonusimg;              // 1 cash, 2 cash2
inline std::array<Image, 5> starimgs;              // result stars 1 empty, 2 won, 3 strike, 4 broken
inline Image losecardimg;     // the panel under the used-up stock
inline Image cardglowimg;     // highlight round a playable card or the stock
inline Image headimg;         // runner on the combo bar
inline Image cardometerimg;   // stock counter (mid handle)
inline Image flowerbarimg;    // plant bar back (mid handle)
inline Image flowerbar2img;   // plant bar rim (mid handle)
inline Image extrabarimg;     // item bar (mid handle)
// (killercursor and blastercursor live with the extras.)

// ---- Game-screen pictures the table draws (the game screen's dynamic loader fills them) ----
inline Image combobarimg;       // combo bar frame
inline Image combofillstrip;    // combo bar fill as 17 x 18 cells
inline Image combofillimg;      // combo bar fill as one picture
inline Image pointsbarimg;      // points and cards-left bar
inline Image ballsimg;          // coins beside the points bar
inline Image enddriveimg;       // label over the stock during a long combo
inline Image playsignimg;       // sign at the end of the deal
inline Image invalidsignimg;    // sign over a card that does not fit
inline Image clearedsignimg;    // sign over a cleared column
inline Image longdrivesignimg;  // sign for a long combo

// Sounds the game plays, by their number in the sound table.
enum {
  SFX_DOUBLESUNS = 1,
  SFX_CASHSMALL = 2,      // an award below 10 points (with bounce sounds off)
  SFX_TURNUP = 5,
  SFX_TURNDOWN = 6,
  SFX_CASHBIG = 7,        // an award of 10 points or more
  SFX_NINJA2 = 9,
  SFX_CLICK = 13,
  SFX_JOKER = 14,
  SFX_CASH = 15,
  SFX_KILLEDZOMBIE = 16,
  SFX_BOWLING1 = 17,      // the zombie blaster lands
  SFX_BOWLING3 = 19,      // the zombie blaster clears a column
  SFX_SHOTGUN1 = 20,      // the zombie killer lands
  SFX_SHOTGUN2 = 21,      // a card is shot
  SFX_BLOODSPLAT = 24,    // a broken star on the end screen
  SFX_LOSE = 27,
  SFX_CARDSTABLE = 28,    // a stock card turns onto the stable
  SFX_CARDCOLUMN = 29,    // a card leaves its column
  SFX_CARDTAKEOUT = 31,   // a card flies out of the deal stock
  SFX_EXTRASELECT = 33,   // an item leaves its slot
  SFX_RANDOMEXTRA = 39,
  SFX_BFGSLAP = 40,       // the stable turns wild
  SFX_NEWITEM = 43,
  SFX_WINPOINTS = 44,
  SFX_SUDDENSTRIKE = 45,
  SFX_CLEAREDCOLUMN = 46,
  SFX_GLITTER = 47,
  SFX_TURNALLUP = 48,
  SFX_LONGDRIVE = 49,
  SFX_MAXBONUS = 51,
  SFX_WINSTAR1 = 52,      // 52, 53, 54: the end screen's stars 1, 2, 3
  SFX_EARNPLANT = 55,
  SFX_WINSTRIKE = 56,
  SFX_FINISH = 60         // the target is reached
};
