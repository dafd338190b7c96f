// platform.cpp -- what the rules and the shell ask of Linux: repaints, the warning box, random numbers,
// the process's number, paths written for Windows, and the saved-state file: its home under the XDG data
// folder, its durable replacement and the lock that serialises two copies' saves.
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "gtk/app.h"
#include "app/message_box.h"
#include "app/saved_state.h"
#include "config/file_names.h"
#include "game/platform.h"
#include "render/shown_frame.h"

namespace {
bool repaintWanted = false;  // asked for during the event under way
}  // namespace

// The request is settled once the event that made it is done, when the state it will show is known.
void requestRepaint() { repaintWanted = true; }

// True when part of the board waits to be drawn: a draw asked for earlier, or a part of the window that
// was uncovered. GTK draws at its next frame, after the events already queued.
bool drawPending() {
    GdkWindow* window = gtk_widget_get_window(gtkShell.board);
    if (!window) return false;
    cairo_region_t* due = gdk_window_get_update_area(window);  // takes the area from the window...
    if (!due) return false;
    gdk_window_invalidate_region(window, due, TRUE);  // ...so it is given back
    cairo_region_destroy(due);
    return true;
}

void settleRepaintRequest() {
    announceStatusLine();
    if (!repaintWanted || !gtkShell.board) return;
    repaintWanted = false;
    if (!frameAlreadyShown(gtk_widget_get_allocated_width(gtkShell.board),
                           gtk_widget_get_allocated_height(gtkShell.board), drawPending())) {
        gtk_widget_queue_draw(gtkShell.board);
    }
}

bool confirmOkCancel(const char* text, const char* title) {
    settleRepaintRequest();  // the box's own loop paints what was asked before it
    return showMessageBox(gtkShell.window, text, title, kBoxOkCancel | kBoxIconExclamation) == kAnswerOk;
}

int nextRandom() { return std::rand(); }

std::string hostPath(const char* path) { return findWindowsPath(path); }

unsigned long processNumber() { return static_cast<unsigned long>(getpid()); }

// $XDG_DATA_HOME/le-cinquor/dezo.sav, or ~/.local/share/le-cinquor/dezo.sav when it is unset or not an
// absolute path (the rule of the XDG base directories).
std::filesystem::path savedStatePath() {
    std::filesystem::path base;
    const char* data = std::getenv("XDG_DATA_HOME");
    if (data && data[0] == '/') {
        base = data;
    } else {
        const char* home = std::getenv("HOME");
        base = std::filesystem::path(home && home[0] ? home : g_get_home_dir()) / ".local" / "share";
    }
    return base / "le-cinquor" / "dezo.sav";
}

// No earlier version kept its record on Linux.
std::filesystem::path legacySavedStatePath() { return {}; }
