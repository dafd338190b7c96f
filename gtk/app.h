// app.h -- what the GTK program's files share: the main window, its board, the boxes and dialogs.
#pragma once

#include <gtk/gtk.h>

#include <string>

struct GtkShell {
    GtkWidget* window = nullptr;  // the main window
    GtkWidget* board = nullptr;   // the drawing area that shows the board
    GtkAccelGroup* keys = nullptr;
    int openBoxes = 0;  // boxes and dialogs open: the letter keys are off meanwhile
};
extern GtkShell gtkShell;

// Turns the repaint the rules asked for during an event into a real one, unless the window shows that
// frame already. Run at the end of every event of the main window.
void settleRepaintRequest();

// Tells assistive technologies the board's status line when it changed. Run at the end of every event.
void announceStatusLine();
// What the game told of its events since the last frame, for screen readers.
void announceGameEvents();

// The board's drawing area, whose accessible object has the board's parts as children (accessible.cpp),
// and the parts told anew after a frame: their names, states and the keyboard cursor's focus.
GtkWidget* createBoardWidget();
void updateAccessibleParts();

// Ends the run as closing the main window does: the state saved once, the window gone, the process ended.
void endGame();

// The display is lost (an X session ends): the record is kept without a word, and the process ends with
// 0. watchForDisplayLoss makes X call it rather than GTK's own end with 1.
[[noreturn]] void displayLost();
void watchForDisplayLoss();

// Builds, decorates and shows the main window; false when it could not be made.
bool createMainWindow();

// The Options and About dialogs, modal over the main window.
void runOptionsDialog();
void runAboutDialog();

// A box or a dialog opens or closes: the letter keys of the menu act only while none is open.
void boxOpened();
void boxClosed();

// The game's icons, from the files beside the program; null when missing.
GdkPixbuf* gameIcon(const char* file, int size);

// The title of the main window and the texts of the dialogs, Windows-1252 like every text of the game.
extern const char kWindowTitle[];
