// platform.h -- what the rules need of the platform. Implemented by app/ on Windows and by fakes in tests.
#pragma once

#include <cstdio>
#include <string>

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

// Files of this run's own (the decoration script's, the temporary saves), implemented per system.
// Creates the file at `path` for writing, for this user alone, only when nothing stands at that name: a
// file or a link planted there is neither followed nor truncated. Null when it cannot be created.
std::FILE* createOwnFile(const char* path);
// A folder of this user's alone for such files, for when the program's folder cannot be written; empty
// when there is none.
std::string privateFolder();
// Holds the file at `path` while this run may still need it: another copy then finds it in use, whatever
// process numbers it can see. Null when it cannot be held; releaseFile(nullptr) does nothing.
void* holdFile(const char* path);
void releaseFile(void* hold);
// Whether a running copy of the game holds the file at `path` (one that cannot be looked at counts as held).
bool fileInUse(const char* path);
