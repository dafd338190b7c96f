// app.h -- what the Windows shell's files share: the main window and the procedures.
#pragma once

#include <windows.h>

// The main window, once it exists (the rules' repaint requests and warning box go to it).
extern HWND mainWindow;

// Turns the repaint the rules asked for during a message into a real one, unless the window shows that
// frame already. Run after every message of the main window.
void settleRepaintRequest();

LRESULT CALLBACK mainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK optionsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK aboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// The outer size of a main window whose client area shows the whole board, 511 x 446, on this system's
// frame and menu metrics.
SIZE boardWindowSize();

// The board for screen readers (accessible.cpp). answerAccessibility answers WM_GETOBJECT for the board and
// its two containers; accessibilityRequest makes a click or a focus move that a screen reader asked for;
// raiseAccessibilityEvents, after each paint, tells the parts' changes, the cursor's focus and the game's
// announcements.
bool answerAccessibility(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
bool accessibilityRequest(UINT message, WPARAM wParam);
void raiseAccessibilityEvents(HWND window);
