// Level files and level tables: reading a layout into the current player's card slots,
// the previews the adventure map draws, and the fixed per-level tables.
#pragma once

void loadlevel();                     // reads level `level` for `player` (or resumes the stored game)
void load_solitaire_for_preview();    // reads levels 1..103 into the preview tables
void preparecards_for_preview(int n);  // deals preview n with its own bookkeeping
void drawpreview(float x, float y, int n);  // miniature of level n, top-left at (x, y)
void initlevels();      // stage sizes, last levels of the stages, pars
void inititemlevels();  // the levels whose win earns an extra
int stageof(int level);  // stage 1..27 of a level
// Reads one level file into the current player's slots 1..51; the number of whole records
// read (51 for a complete file, 0 when missing). Every record is checked: a record that
// cannot lie on the table is dropped, so nothing read ever indexes outside the arrays.
int readlevelfile(int n);
void resetlevelstate();  // empty previews (tests)
