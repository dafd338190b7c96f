// app.h -- what the page's files share.
#pragma once

// Turns the repaint the rules asked for during an event into a real one, unless the page shows that frame
// already. Run at the end of every event.
void settleRepaintRequest();

// The Options and About dialogs, modal over the page.
void runOptionsDialog();
void runAboutDialog();

// The names of the page's folder, one a line: each becomes an empty stand-in in the module's files, so that
// a path written for Windows finds it, and is fetched when first read.
void listPageFiles(const char* names);

// The saved state from local storage into the module's file, where the saved-state code reads it.
// The record kept in local storage into the module's file, where the game reads it; false when it could
// not be read, in which case it is put aside and the game starts without it.
bool restoreSavedStateFile();

// The page takes over once the game is set up: the timer, the marks, the first paint.
void startPage();
