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
