// frame.h -- the books a paint keeps: game end, new game, upper bonus, shown score, record and its mark.
#pragma once

// The start of every paint, before anything is drawn: the end-of-game text, the cheat mark, the record,
// a requested new game and, with animations off, the shown score.
void beginFrame();

// A new game: the sheet, the counters and the marks of the game start afresh; the record, its mark, the
// dice faces, the pointer and the help text stay.
void resetGame();

// One step of the shown score towards the score, just before the paint draws it.
void advanceDisplayedScore();

// The 35 points of the upper categories, once per game, after the paint has drawn the sheet.
void applyUpperBonus();
