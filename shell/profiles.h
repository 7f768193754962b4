// Player profiles: up to fifteen people keep their own progress, banked points, extras and an
// unfinished table, one file per slot in the user folder; and the popups that list, name and
// delete players.
#pragma once
#include <array>
#include <string>

inline constexpr int playerslots = 17;  // rows 0..16; profiles use slots 1..15
inline constexpr int profileslots = 15;  // slots with a file
inline constexpr int listedplayers = 12;  // players the list shows and can create
inline constexpr int levelslots = 300;   // per-level lists 1..300; slot 0 unused
inline constexpr int extraslotcount = 10;  // plant and item-slot lists 1..10 (plants 1..8, item slots 1..3)
inline constexpr int unlockslots = 30;   // unlock notices 1..30 (1..11 used)

using playervalue = std::array<int, playerslots>;  // [player]
using playerlist10 = std::array<std::array<int, extraslotcount + 1>, playerslots>;  // [player][1..10]
using playerlevels = std::array<std::array<int, levelslots + 1>, playerslots>;      // [player][1..300]
using playerlist30 = std::array<std::array<int, unlockslots + 1>, playerslots>;     // [player][1..30]

// ---- Saved with the profile: one value per slot (new-profile value in brackets) ----
inline std::array<std::string, playerslots> playername;  // "" = slot free
inline playervalue maphint{};       // one-time shop hint on the map: 0 not due, 1..99 showing, 100 done (0)
inline playervalue pointsfactor{};  // points factor of the current round, 1 or 2 (1)
inline playervalue maplevel{};      // level the player stands on in the adventure map (0)
inline playervalue profspare1{};    // reserved, stored and restored (3)
inline playervalue savedgame{};     // 1 = an unfinished round is stored in the table (0)
inline playervalue profspare2{};    // reserved (1)
inline playervalue playerseed{};    // random 0..100000 drawn at creation, stored only (-9999)
inline playervalue roundtime{};     // seconds spent in the current round (0)
inline playervalue profspare3{};    // reserved (1)
inline playervalue cash{};          // banked points, spent in the shop; orders the player list (0)
inline playervalue toplevel{};      // highest level opened; 104 after the last level is won (0)
inline playervalue bestcombo{};     // longest run of the current round (0)
inline playervalue cardback{};      // card back design 1..4 (1)
inline playervalue dealcount{};     // stocks used in the current round (1)
inline playervalue adloadpoints{};  // round points when the unfinished round was stored (0)
inline playervalue profspare4{};    // reserved (0)
inline playervalue failcount{};     // rounds lost in a row at the current level (0)
// ---- Saved with the profile: per-slot lists, slot 0 of each list unused ----
inline playerlist10 plants{};       // plant k held, k = 1..8 (0)
inline playerlist10 extraslots{};   // shop item in item-bar slot s, s = 1..3, 0 empty (0)
inline playerlevels levelstars{};   // best stars per level: 0 none, 1 or 2 solved, 3 strike (0)
inline playerlevels levelbest{};    // fewest cards left per level, 99 = none (99)
inline std::array<std::array<int, 5>, playerslots> profspare5{};  // reserved, 1..4 (0)
inline playerlist30 profspare6{};   // reserved (0)
inline playerlist30 profspare7{};   // reserved (0)
inline playerlist30 unlockseen{};   // 1 once the notice of the k-th unlock level was acknowledged (0)

// ---- The player popups (player list, name entry, delete, duplicate name) ----
inline std::array<int, playerslots> playerrank{};  // slots ordered by cash, filled when the list opens
inline int prevplayer = -1;  // the slot that was current when a new player was started
inline int namelen = 0;      // characters typed in the name entry
inline int firstname = 0;    // 1 while the name entry creates the very first player
inline int nameclash = 0;    // 1 when the last name check found a duplicate

inline constexpr int namelimit = 15;       // the longest name, in characters
inline constexpr int namewidthlimit = 132;  // a character is added only while the name is narrower (font 1)

void loadplayers(int mode);  // 9999 first writes the fifteen files empty; then reads all
std::string profilefile(int p);  // the file of slot p in the user folder
void saveplayer(int p);
void clearplayer(int p);
void resetprogress(int p);
void rankplayers();
void openplayers();   // the main menu's players button
void firstplayer();   // the main menu's play button while nobody is chosen
int checkname();      // 1 when the typed name may be kept; a clash opens the duplicate notice
bool namecharok(int code);  // a character the fonts can draw and a name may hold
std::string trimname(const std::string& name);  // without leading and trailing blanks and control codes
int firstusedslot();  // the lowest slot 1..15 with a name, -1 when there is none
// A player still being named (name entry or duplicate notice open) is given up, as Cancel
// would; the window's close box does this before it asks whether to quit.
void dropnewplayer();
bool namingplayer();  // the name entry or the duplicate notice is open
