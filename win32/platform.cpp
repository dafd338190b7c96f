// platform.cpp -- what the rules and the shell ask of Windows: repaints, boxes, random numbers.
#include <cstdlib>

#include "win32/app.h"
#include "app/message_box.h"
#include "config/file_names.h"
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
    // A paint still due (an uncovered part, an earlier request) draws what the state is when it comes.
    const bool pending = GetUpdateRect(mainWindow, nullptr, FALSE) != 0;
    if (!frameAlreadyShown(client.right, client.bottom, pending)) InvalidateRect(mainWindow, nullptr, FALSE);
}

bool confirmOkCancel(const char* text, const char* title) {
    settleRepaintRequest();  // the box's own loop paints what was asked before it
    return MessageBoxA(mainWindow, text, title, MB_OKCANCEL | MB_ICONEXCLAMATION) == IDOK;
}

int nextRandom() { return std::rand(); }

std::string hostPath(const char* path) { return path; }  // Windows finds it as it is written

unsigned long processNumber() { return GetCurrentProcessId(); }

int showMessageBox(void* owner, const char* text, const char* caption, unsigned style) {
    return MessageBoxA(static_cast<HWND>(owner), text, caption, style);
}
