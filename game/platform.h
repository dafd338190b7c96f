// platform.h -- what the rules need of the platform. Implemented by app/ on Windows and by fakes in tests.
#pragma once

// Ask for the whole board to be painted again; the paint is the clock of the game.
void requestRepaint();

// A modal box over the main window with `text`, `title`, OK and Cancel and the exclamation icon.
// True when the player answers OK.
bool confirmOkCancel(const char* text, const char* title);

// The next number of the C runtime's pseudo-random generator, 0..32767.
int nextRandom();

// A number of this process's own (its id), for temporary files that another copy of the game running at
// the same time must not share.
unsigned long processNumber();
