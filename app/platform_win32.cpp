// platform_win32.cpp -- what the rules and the shell ask of Windows: repaints, boxes, random numbers.
#include <cstdlib>

#include "app/app_win32.h"
#include "app/message_box.h"
#include "game/platform.h"
#include "render/shown_frame.h"

namespace {
bool repaintWanted = false;  // asked for during the message under way
}  // namespace

// The request is settled once the message that made it is done, when the state it will show is known.
void requestRepaint() { repaintWanted = true; }

void settleRepaintRequest() {
    if (!repaintWanted || !mainWindow) return;
    repaintWanted = false;
    RECT client{};
    GetClientRect(mainWindow, &client);
    if (!frameAlreadyShown(client.right, client.bottom)) InvalidateRect(mainWindow, nullptr, FALSE);
}

bool confirmOkCancel(const char* text, const char* title) {
    settleRepaintRequest();  // the box's own loop paints what was asked before it
    return MessageBoxA(mainWindow, text, title, MB_OKCANCEL | MB_ICONEXCLAMATION) == IDOK;
}

int nextRandom() { return std::rand(); }

unsigned long processNumber() { return GetCurrentProcessId(); }

int showMessageBox(void* owner, const char* text, const char* caption, unsigned style) {
    return MessageBoxA(static_cast<HWND>(owner), text, caption, style);
}
