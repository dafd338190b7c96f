// platform_win32.cpp -- what the rules and the shell ask of Windows: repaints, boxes, random numbers.
#include <cstdlib>

#include "app/app_win32.h"
#include "app/message_box.h"
#include "game/platform.h"

void requestRepaint() {
    if (mainWindow) InvalidateRect(mainWindow, nullptr, FALSE);
}

bool confirmOkCancel(const char* text, const char* title) {
    return MessageBoxA(mainWindow, text, title, MB_OKCANCEL | MB_ICONEXCLAMATION) == IDOK;
}

int nextRandom() { return std::rand(); }

unsigned long processNumber() { return GetCurrentProcessId(); }

int showMessageBox(void* owner, const char* text, const char* caption, unsigned style) {
    return MessageBoxA(static_cast<HWND>(owner), text, caption, style);
}
