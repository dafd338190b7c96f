// window.cpp -- the main window on GTK: its menu and letter keys, and every event of the game, mapped
// onto the same calls as the Windows window procedure makes, in the same order.
#include <gdk/gdkkeysyms.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "gtk/app.h"
#include "app/message_box.h"
#include "app/saved_state.h"
#include "app/shell.h"
#include "game/announce.h"
#include "game/help.h"
#include "game/keys.h"
#include "game/turn.h"
#include "render/board.h"
#include "render/shown_frame.h"
#include "gtk/draw.h"
#include "render/surfaces.h"
#include "render/text_encoding.h"
#include "resources/resource.h"

GtkShell gtkShell;

const char kWindowTitle[] = "Le cinquor... cinq dés, trois lancers";

namespace {

struct MenuEntry {
    const char* label;  // Windows-1252, "&" before the mnemonic
    int id;
    guint key;  // 0: no letter key
    bool checkItem;
    Toggle toggle;
};

struct Popup {
    const char* label;
    MenuEntry entries[6];
    int count;
};

const Popup kMenu[] = {
    {"&Menu", {{"&Rejouer", IDM_NEW_GAME, GDK_KEY_r, false, Toggle::Background},
               {"&Quitter", IDM_QUIT, GDK_KEY_q, false, Toggle::Background}}, 2},
    {"&Rendu", {{"&Initial", IDM_INITIAL, GDK_KEY_i, false, Toggle::Background},
                {"&Arrière-plan", IDM_BACKGROUND, GDK_KEY_a, true, Toggle::Background},
                {"Filtrage", IDM_FILTERING, 0, true, Toggle::Filtering},
                {"Ai&de contextuelle", IDM_CONTEXT_HELP, GDK_KEY_d, true, Toggle::ContextHelp},
                {"Animation&s", IDM_ANIMATIONS, GDK_KEY_s, true, Toggle::Animations},
                {"&Options...", IDM_OPTIONS, GDK_KEY_o, false, Toggle::Background}}, 6},
    {"&Aide", {{"Pe&tite aide", IDM_HELP_FILE, GDK_KEY_t, false, Toggle::Background},
               {"Avertissements", IDM_WARNINGS, 0, true, Toggle::Warnings},
               {"A &propos...", IDM_ABOUT, GDK_KEY_p, false, Toggle::Background}}, 3},
};

GtkWidget* menuBar = nullptr;
GtkWidget* checkItems[5] = {};  // by Toggle
bool settingMarks = false;      // the program sets a mark: the item's signal is not a command
guint timerSource = 0;

// "&Rejouer" as GTK's "_Rejouer", in UTF-8.
std::string mnemonicLabel(const char* label) {
    std::string out;
    for (const char* p = label; *p; ++p) {
        if (*p == '&') out += '_';
        else if (*p == '_') out += "__";
        else out += *p;
    }
    return utf8FromWindows1252(out.c_str());
}

void setMark(Toggle toggle, bool on) {
    GtkWidget* item = checkItems[static_cast<int>(toggle)];
    if (!item) return;
    settingMarks = true;
    gtk_check_menu_item_set_active(GTK_CHECK_MENU_ITEM(item), on);
    settingMarks = false;
}

// GTK flips a check item by itself when it is chosen: the marks are set again from the settings.
void syncMarks() {
    for (Toggle t : kToggles) setMark(t, toggleChecked(t));
}

gboolean tick(gpointer);

// The interval as Windows' SetTimer takes it: below 10 ms is 10 ms; a negative one, read as a huge
// unsigned number, never comes round.
void restartTimer() {
    if (timerSource) g_source_remove(timerSource);
    timerSource = 0;
    const std::int32_t interval = gameState.settings.timer;
    if (interval < 0) return;
    timerSource = g_timeout_add(static_cast<guint>(interval < 10 ? 10 : interval), tick, nullptr);
}

// What runs before every event, as before every message on Windows: the timer restarted after the
// Options dialog, and animations switched off above a second a frame (the event that finds them on is
// dropped). False when the event is dropped. The logical size is not taken here: see sizeAllocated.
bool prologue() {
    const PrologueSteps steps = runPrologue();
    if (steps.restartTimer) restartTimer();
    if (steps.dropMessage) setMark(Toggle::Animations, false);
    return !steps.dropMessage;
}

// Pointer positions as Windows packs them: x and y in 16 bits each.
std::uint32_t packPosition(double x, double y) {
    const auto px = static_cast<std::uint32_t>(static_cast<std::int32_t>(x)) & 0xFFFF;
    const auto py = static_cast<std::uint32_t>(static_cast<std::int32_t>(y)) & 0xFFFF;
    return px | py << 16;
}

// Windows only tells a window of the pointer while it is over it (the game never captures it).
bool insideBoard(double x, double y) {
    return x >= 0 && y >= 0 && x < gtk_widget_get_allocated_width(gtkShell.board) &&
           y < gtk_widget_get_allocated_height(gtkShell.board);
}

bool confirmLeavingGame(const char* question) {
    if (!gameUnderWay()) return true;
    return showMessageBox(nullptr, question, "Attention", kBoxYesNo | kBoxIconExclamation) == kAnswerYes;
}

}  // namespace

// The end of the run, however it comes: the state is saved once and the window goes. Under an open box
// the rules that asked it are still waiting on the stack, and would go on with a board that is gone:
// the process ends here instead, as the box's owner has.
void endGame() {
    static bool closing = false;
    if (closing) return;  // a second close request while the "Oups..." box is open
    closing = true;
    if (timerSource) g_source_remove(timerSource);
    timerSource = 0;
    writeSavedState(gtkShell.window);
    GtkWidget* window = gtkShell.window;
    gtkShell.window = nullptr;
    gtkShell.board = nullptr;
    gtk_widget_destroy(window);
    if (gtkShell.openBoxes > 0) {
        gdk_display_flush(gdk_display_get_default());
        std::exit(0);  // the boxes go with the process's connection to the display
    }
    gtk_main_quit();
}

// The display went away (a log-out from an X session): nothing can be shown any more, and GTK would end the
// process with 1. The record is kept first.
void displayLost() {
    if (gtkShell.window) writeSavedStateQuietly();
    _exit(0);
}

namespace {

// The window back at the size whose client area shows the board pixel for pixel.
void restoreBoardSize() {
    const int menuHeight = gtk_widget_get_allocated_height(menuBar);
    gtk_window_unmaximize(GTK_WINDOW(gtkShell.window));
    gtk_window_resize(GTK_WINDOW(gtkShell.window), kBoardWidth, kBoardHeight + menuHeight);
}

void openReadMe() {
    std::error_code error;
    const std::filesystem::path file = std::filesystem::absolute("lisez-moi.txt", error);
    if (error) return;
    gchar* uri = g_filename_to_uri(file.c_str(), nullptr, nullptr);
    if (!uri) return;
    gtk_show_uri_on_window(GTK_WINDOW(gtkShell.window), uri, GDK_CURRENT_TIME, nullptr);  // failure ignored
    g_free(uri);
}

void command(int id, Toggle toggle) {
    if (!prologue()) return;
    switch (id) {
        case IDM_NEW_GAME:
            if (confirmLeavingGame("Cette partie n'est pas terminée! Etes-vous sûr(e) de vouloir recommencer "
                                   "une partie?")) {
                gtk_widget_queue_draw(gtkShell.board);
                gameState.game.newGameRequested = 1;
            }
            break;
        case IDM_QUIT:
            if (confirmLeavingGame("Cette partie n'est pas terminée! Voulez-vous vraiment quitter?")) endGame();
            break;
        case IDM_INITIAL: restoreBoardSize(); break;
        case IDM_BACKGROUND:
        case IDM_FILTERING:
        case IDM_CONTEXT_HELP:
        case IDM_ANIMATIONS:
        case IDM_WARNINGS: applyToggle(toggle); break;
        case IDM_OPTIONS: runOptionsDialog(); break;
        case IDM_ABOUT: runAboutDialog(); break;
        case IDM_HELP_FILE: openReadMe(); break;
        default: break;
    }
}

void menuActivated(GtkMenuItem*, gpointer data) {
    if (settingMarks) return;
    const MenuEntry* entry = static_cast<const MenuEntry*>(data);
    command(entry->id, entry->toggle);
    if (gtkShell.window) syncMarks();
    settleRepaintRequest();
}

GtkWidget* buildMenuBar() {
    GtkWidget* bar = gtk_menu_bar_new();
    for (const Popup& popup : kMenu) {
        GtkWidget* top = gtk_menu_item_new_with_mnemonic(mnemonicLabel(popup.label).c_str());
        GtkWidget* menu = gtk_menu_new();
        gtk_menu_set_accel_group(GTK_MENU(menu), gtkShell.keys);
        for (int i = 0; i < popup.count; ++i) {
            const MenuEntry& entry = popup.entries[i];
            const std::string label = mnemonicLabel(entry.label);
            GtkWidget* item = entry.checkItem ? gtk_check_menu_item_new_with_mnemonic(label.c_str())
                                              : gtk_menu_item_new_with_mnemonic(label.c_str());
            if (entry.checkItem) checkItems[static_cast<int>(entry.toggle)] = item;
            if (entry.key) {
                gtk_widget_add_accelerator(item, "activate", gtkShell.keys, entry.key, GdkModifierType(0),
                                           GTK_ACCEL_VISIBLE);
            }
            g_signal_connect(item, "activate", G_CALLBACK(menuActivated), const_cast<MenuEntry*>(&entry));
            gtk_menu_shell_append(GTK_MENU_SHELL(menu), item);
        }
        gtk_menu_item_set_submenu(GTK_MENU_ITEM(top), menu);
        gtk_menu_shell_append(GTK_MENU_SHELL(bar), top);
    }
    return bar;
}

gboolean tick(gpointer) {
    if (prologue()) hoverPass();
    settleRepaintRequest();
    return G_SOURCE_CONTINUE;
}

// The board's surfaces are made at the screen's scale factor, so that it is as sharp as the menu; when the
// window moves to a screen of another scale, they are made again at the new one before the next frame.
void followScale(GtkWidget* widget) {
    const int scale = gtk_widget_get_scale_factor(widget);
    if (scale == deviceScale()) return;
    setDeviceScale(scale);
    if (gameState.drawing.paintStage == 0) gameState.drawing.paintStage = 1;
}

gboolean draw(GtkWidget* widget, cairo_t* cr, gpointer) {
    followScale(widget);
    if (!prologue()) {
        gtk_widget_queue_draw(widget);  // a paint that is not done is asked for again
        return TRUE;
    }
    cairo_t* previous = setPaintContext(cr);
    paintWindow(widget);  // beginFrame, then paintBoard
    setPaintContext(previous);
    announceStatusLine();
    announceGameEvents();
    updateAccessibleParts();
    return TRUE;
}

gboolean motion(GtkWidget*, GdkEventMotion* event, gpointer) {
    if (!insideBoard(event->x, event->y) || !prologue()) return TRUE;
    std::int32_t x = 0;
    std::int32_t y = 0;
    if (scaleToBoard(packPosition(event->x, event->y), gtk_widget_get_allocated_width(gtkShell.board),
                     gtk_widget_get_allocated_height(gtkShell.board), x, y)) {
        pointerMovedTo(x, y);
    }
    return TRUE;
}

gboolean press(GtkWidget*, GdkEventButton* event, gpointer) {
    // A double click is two presses on Windows too; GTK's extra double-click event is not one.
    if (event->type != GDK_BUTTON_PRESS || (event->button != 1 && event->button != 3)) return TRUE;
    if (!prologue()) return TRUE;
    if (event->button == 1) gameState.game.buttonDown = 1;
    hoverPass();
    settleRepaintRequest();
    return TRUE;
}

gboolean release(GtkWidget*, GdkEventButton* event, gpointer) {
    if (event->button != 1 || !insideBoard(event->x, event->y) || !prologue()) return TRUE;
    std::int32_t x = 0;
    std::int32_t y = 0;
    if (scaleToBoard(packPosition(event->x, event->y), gtk_widget_get_allocated_width(gtkShell.board),
                     gtk_widget_get_allocated_height(gtkShell.board), x, y)) {
        releaseAt(x, y);
    }
    settleRepaintRequest();
    return TRUE;
}

// The arrows, on the main block or the keypad: 1 + the BoardKey they are, 0 for another key.
int arrowKey(guint keyval) {
    switch (keyval) {
        case GDK_KEY_Left: case GDK_KEY_KP_Left: return 1 + static_cast<int>(BoardKey::Left);
        case GDK_KEY_Right: case GDK_KEY_KP_Right: return 1 + static_cast<int>(BoardKey::Right);
        case GDK_KEY_Up: case GDK_KEY_KP_Up: return 1 + static_cast<int>(BoardKey::Up);
        case GDK_KEY_Down: case GDK_KEY_KP_Down: return 1 + static_cast<int>(BoardKey::Down);
        default: return 0;
    }
}

// The menu's letter keys and mnemonics first, as Windows translates accelerators before a key becomes a
// character; then the character goes to the game. Other keys are left to GTK.
gboolean keyPressed(GtkWidget* window, GdkEventKey* event, gpointer) {
    if (gtk_window_activate_key(GTK_WINDOW(window), event)) return TRUE;
    if (event->state & (GDK_CONTROL_MASK | GDK_MOD1_MASK)) return FALSE;
    if (const int arrow = arrowKey(event->keyval)) {
        if (prologue()) boardKeyPressed(static_cast<BoardKey>(arrow - 1));
        settleRepaintRequest();
        return TRUE;
    }
    const guint32 unicode = gdk_keyval_to_unicode(event->keyval);
    const int character = unicode ? windows1252FromUnicode(unicode) : -1;
    if (character < 0) return FALSE;
    if (prologue()) characterTyped(character);
    settleRepaintRequest();
    return TRUE;
}

gboolean deleted(GtkWidget*, GdkEvent*, gpointer) {
    endGame();  // the close box asks nothing
    return TRUE;
}

// The logical board size is the client area the board had when the window first appeared: its first
// allocation, before its first paint. A resize at any later moment stretches the board instead.
void sizeAllocated(GtkWidget*, GdkRectangle* allocation, gpointer) {
    static bool taken = false;
    if (taken || allocation->width <= 1 || allocation->height <= 1) return;  // 1 x 1: not laid out yet
    taken = true;
    gameState.shell.initialClientWidth = allocation->width;
    gameState.shell.initialClientHeight = allocation->height;
}

// Once shown at the board's size, the window may be made smaller too.
gboolean mapped(GtkWidget*, GdkEvent*, gpointer) {
    gtk_widget_set_size_request(gtkShell.board, -1, -1);
    return FALSE;
}

}  // namespace

GdkPixbuf* gameIcon(const char* file, int size) {
    return gdk_pixbuf_new_from_file_at_size(file, size, size, nullptr);
}

// What the last frame showed on the status line, once each time it changes (the help text itself may
// change back and forth between two frames, unseen).
void announceStatusLine() {
    static const char* announced = nullptr;
    const char* text = shownStatusLine();
    if (!gtkShell.board || !text || text == announced) return;  // a constant text: the same pointer, the same words
    announced = text;
    atk_object_set_description(gtk_widget_get_accessible(gtkShell.board), utf8FromWindows1252(text).c_str());
}

// What the game told of its events since the last frame: the board's description, which a screen reader
// reads when it changes.
void announceGameEvents() {
    std::string told;
    for (const std::string& text : takeAnnouncements()) told += (told.empty() ? "" : "\n") + text;
    if (!gtkShell.board || told.empty()) return;
    atk_object_set_description(gtk_widget_get_accessible(gtkShell.board), utf8FromWindows1252(told.c_str()).c_str());
}

void boxOpened() {
    if (gtkShell.openBoxes++ == 0 && gtkShell.window) {
        gtk_window_remove_accel_group(GTK_WINDOW(gtkShell.window), gtkShell.keys);
    }
}

void boxClosed() {
    if (--gtkShell.openBoxes == 0 && gtkShell.window) {
        gtk_window_add_accel_group(GTK_WINDOW(gtkShell.window), gtkShell.keys);
    }
}

bool createMainWindow() {
    GtkWidget* window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    if (!window) return false;
    gtkShell.window = window;
    gtk_window_set_title(GTK_WINDOW(window), utf8FromWindows1252(kWindowTitle).c_str());
    // Installed, the theme holds the icon at every size (the default icon name); from its folder, the
    // game shows its own.
    if (!gtk_icon_theme_has_icon(gtk_icon_theme_get_default(), CINQUOR_APP_ID)) {
        if (GdkPixbuf* icon = gameIcon("cinquor.ico", 32)) {
            gtk_window_set_icon(GTK_WINDOW(window), icon);
            g_object_unref(icon);
        }
    }
    gtkShell.keys = gtk_accel_group_new();
    gtk_window_add_accel_group(GTK_WINDOW(window), gtkShell.keys);

    GtkWidget* box = gtk_box_new(GTK_ORIENTATION_VERTICAL, 0);
    menuBar = buildMenuBar();
    gtk_box_pack_start(GTK_BOX(box), menuBar, FALSE, FALSE, 0);
    GtkWidget* board = createBoardWidget();
    gtkShell.board = board;
    gtk_widget_set_size_request(board, kBoardWidth, kBoardHeight);
    gtk_widget_add_events(board, GDK_POINTER_MOTION_MASK | GDK_BUTTON_PRESS_MASK | GDK_BUTTON_RELEASE_MASK);
    gtk_box_pack_start(GTK_BOX(box), board, TRUE, TRUE, 0);
    gtk_container_add(GTK_CONTAINER(window), box);

    // A screen reader names the board and reads its status line, the hover help, as its description.
    atk_object_set_name(gtk_widget_get_accessible(board), utf8FromWindows1252("Le cinquor").c_str());
    announceStatusLine();

    g_signal_connect(board, "size-allocate", G_CALLBACK(sizeAllocated), nullptr);
    g_signal_connect(board, "draw", G_CALLBACK(draw), nullptr);
    g_signal_connect(board, "motion-notify-event", G_CALLBACK(motion), nullptr);
    g_signal_connect(board, "button-press-event", G_CALLBACK(press), nullptr);
    g_signal_connect(board, "button-release-event", G_CALLBACK(release), nullptr);
    g_signal_connect(window, "key-press-event", G_CALLBACK(keyPressed), nullptr);
    g_signal_connect(window, "delete-event", G_CALLBACK(deleted), nullptr);
    g_signal_connect(window, "map-event", G_CALLBACK(mapped), nullptr);

    restartTimer();
    syncMarks();
    gtk_widget_show_all(window);
    return true;
}
