// dialogs.cpp -- the message boxes and the Options and About dialogs on GTK, with the texts, buttons
// and rules of their Windows models.
#include <cstdio>
#include <cstring>
#include <string>

#include "gtk/app.h"
#include "app/message_box.h"
#include "app/shell.h"
#include "game/game_state.h"
#include "render/text_encoding.h"

namespace {

const char kAboutTitle[] = "Le cinquor v 1.14";
const char kAboutFirstLine[] = "Le cinquor : cinq dés, quinze cases.";
const char kAboutSecondLine[] = "Bonne chance !";
const char kOptionsCredit[] = "Bon jeu !";

std::string utf8(const char* text) { return utf8FromWindows1252(text); }

// A nested loop until the box is answered. Unlike gtk_dialog_run it leaves the box modeless when it has
// no owner: on Windows such a box does not disable the main window. Escape and the title bar's close
// button answer GTK_RESPONSE_DELETE_EVENT and leave the box alive: only its caller destroys it.
struct BoxRun {
    GMainLoop* loop;
    int response;
};

void answered(GtkDialog*, int response, gpointer data) {
    auto* run = static_cast<BoxRun*>(data);
    run->response = response;
    g_main_loop_quit(run->loop);
}

// GtkDialog answers a close request with GTK_RESPONSE_DELETE_EVENT, then would destroy itself.
gboolean keepOpen(GtkWidget*, GdkEvent*, gpointer) { return TRUE; }

int runBox(GtkWidget* dialog) {
    BoxRun run{g_main_loop_new(nullptr, FALSE), GTK_RESPONSE_NONE};
    const gulong handler = g_signal_connect(dialog, "response", G_CALLBACK(answered), &run);
    const gulong keeper = g_signal_connect(dialog, "delete-event", G_CALLBACK(keepOpen), nullptr);
    boxOpened();
    gtk_widget_show_all(dialog);
    g_main_loop_run(run.loop);
    boxClosed();
    g_signal_handler_disconnect(dialog, keeper);
    g_signal_handler_disconnect(dialog, handler);
    g_main_loop_unref(run.loop);
    return run.response;
}

// What assistive technologies say of a window: its French title rather than GTK's type name.
void nameForAssistiveTechnologies(GtkWidget* widget, const std::string& name) {
    atk_object_set_name(gtk_widget_get_accessible(widget), name.c_str());
}

// The digits-only edits of the Options dialog refuse every other character typed or pasted.
void digitsOnly(GtkEditable* editable, const gchar* text, gint length, gint*, gpointer) {
    for (gint i = 0; i < length; ++i) {
        if (text[i] < '0' || text[i] > '9') {
            g_signal_stop_emission_by_name(editable, "insert-text");
            return;
        }
    }
}

GtkWidget* numberField(std::int32_t value) {
    GtkWidget* entry = gtk_entry_new();
    char text[16];
    std::snprintf(text, sizeof text, "%i", static_cast<int>(value));
    gtk_entry_set_text(GTK_ENTRY(entry), text);
    gtk_entry_set_alignment(GTK_ENTRY(entry), 1.0);
    gtk_entry_set_width_chars(GTK_ENTRY(entry), 5);
    gtk_entry_set_activates_default(GTK_ENTRY(entry), TRUE);
    g_signal_connect(entry, "insert-text", G_CALLBACK(digitsOnly), nullptr);
    return entry;
}

// A field's text as the Windows dialog reads it: into 100 bytes, so at most 99 characters.
std::string fieldText(GtkWidget* entry) { return std::string(gtk_entry_get_text(GTK_ENTRY(entry))).substr(0, 99); }

GtkWidget* label(const char* text, GtkWidget* field = nullptr) {
    GtkWidget* widget = gtk_label_new(utf8(text).c_str());
    gtk_label_set_xalign(GTK_LABEL(widget), 0.0f);
    if (field) {
        // The label is linked to the field, and a screen reader reads the field's name: the label's words,
        // which the link alone does not give it.
        gtk_label_set_mnemonic_widget(GTK_LABEL(widget), field);
        atk_object_set_name(gtk_widget_get_accessible(field), utf8(text).c_str());
    }
    return widget;
}

struct OptionsFields {
    GtkWidget* timing;
    GtkWidget* rolls;
    GtkWidget* passes;
};

void clearRecord(GtkButton*, gpointer) { gameState.game.record = 0; }  // at once, even if then cancelled

void defaults(GtkButton*, gpointer data) {
    auto* fields = static_cast<OptionsFields*>(data);
    gtk_entry_set_text(GTK_ENTRY(fields->timing), "50");
    gtk_entry_set_text(GTK_ENTRY(fields->rolls), "3");
    gtk_entry_set_text(GTK_ENTRY(fields->passes), "0");
}

// A button of a dialog answers with the response it carries.
void respond(GtkWidget* button, gpointer response) {
    gtk_dialog_response(GTK_DIALOG(gtk_widget_get_toplevel(button)), GPOINTER_TO_INT(response));
}

GtkWidget* dialogOverMainWindow(const char* title) {
    GtkWidget* dialog = gtk_dialog_new();
    gtk_window_set_title(GTK_WINDOW(dialog), utf8(title).c_str());
    nameForAssistiveTechnologies(dialog, utf8(title));
    gtk_window_set_transient_for(GTK_WINDOW(dialog), GTK_WINDOW(gtkShell.window));
    gtk_window_set_modal(GTK_WINDOW(dialog), TRUE);
    gtk_window_set_resizable(GTK_WINDOW(dialog), FALSE);
    gtk_window_set_destroy_with_parent(GTK_WINDOW(dialog), TRUE);
    return dialog;
}

}  // namespace

int showMessageBox(void* owner, const char* text, const char* caption, unsigned style) {
    GtkMessageType type = GTK_MESSAGE_OTHER;
    if ((style & 0xF0) == kBoxIconError) type = GTK_MESSAGE_ERROR;
    else if ((style & 0xF0) == kBoxIconExclamation) type = GTK_MESSAGE_WARNING;
    else if ((style & 0xF0) == kBoxIconInformation) type = GTK_MESSAGE_INFO;
    GtkWindow* parent = owner ? GTK_WINDOW(owner) : nullptr;
    GtkWidget* box = gtk_message_dialog_new(parent, owner ? GTK_DIALOG_MODAL : GtkDialogFlags(0), type,
                                            GTK_BUTTONS_NONE, "%s", utf8(text).c_str());
    gtk_window_set_title(GTK_WINDOW(box), utf8(caption).c_str());
    nameForAssistiveTechnologies(box, utf8(caption));
    // An unowned box still stands above the game, as a Windows box does over the window that is active.
    if (!owner && gtkShell.window) gtk_window_set_keep_above(GTK_WINDOW(box), TRUE);
    const unsigned buttons = style & 0x0F;
    int first = kAnswerOk;
    int closed = kAnswerOk;
    if (buttons == kBoxYesNo) {
        gtk_dialog_add_buttons(GTK_DIALOG(box), "_Oui", kAnswerYes, "_Non", kAnswerNo, nullptr);
        first = kAnswerYes;
        closed = 0;  // Windows offers no way out of a Yes/No box but its two buttons
        gtk_window_set_deletable(GTK_WINDOW(box), FALSE);
    } else if (buttons == kBoxOkCancel) {
        gtk_dialog_add_buttons(GTK_DIALOG(box), "OK", kAnswerOk, "Annuler", kAnswerCancel, nullptr);
        closed = kAnswerCancel;
    } else {
        gtk_dialog_add_button(GTK_DIALOG(box), "OK", kAnswerOk);
    }
    gtk_dialog_set_default_response(GTK_DIALOG(box), first);
    int answer = 0;
    while (answer == 0) {
        const int response = runBox(box);
        answer = response > 0 ? response : closed;
    }
    gtk_widget_destroy(box);
    return answer;
}

void runOptionsDialog() {
    GtkWidget* dialog = dialogOverMainWindow("Options");
    const Settings& s = gameState.settings;
    OptionsFields fields{numberField(s.timer), numberField(s.lancers), numberField(s.passers)};
    GtkWidget* ok = gtk_button_new_with_label("OK");
    GtkWidget* cancel = gtk_button_new_with_label("Annuler");
    GtkWidget* clear = gtk_button_new_with_label("Effacer record");
    GtkWidget* byDefault = gtk_button_new_with_label(utf8("Par défaut").c_str());
    gtk_widget_set_can_default(ok, TRUE);
    g_signal_connect(ok, "clicked", G_CALLBACK(respond), GINT_TO_POINTER(GTK_RESPONSE_OK));
    g_signal_connect(cancel, "clicked", G_CALLBACK(respond), GINT_TO_POINTER(GTK_RESPONSE_CANCEL));
    g_signal_connect(clear, "clicked", G_CALLBACK(clearRecord), nullptr);
    g_signal_connect(byDefault, "clicked", G_CALLBACK(defaults), &fields);

    // The Windows dialog's three rows: rolls, passes, timing; buttons to the right.
    GtkWidget* grid = gtk_grid_new();
    gtk_grid_set_row_spacing(GTK_GRID(grid), 4);
    gtk_grid_set_column_spacing(GTK_GRID(grid), 8);
    gtk_container_set_border_width(GTK_CONTAINER(grid), 8);
    gtk_grid_attach(GTK_GRID(grid), label("Lancers:", fields.rolls), 0, 0, 1, 1);
    gtk_grid_attach(GTK_GRID(grid), fields.rolls, 1, 0, 1, 1);
    gtk_grid_attach(GTK_GRID(grid), byDefault, 2, 0, 1, 1);
    gtk_grid_attach(GTK_GRID(grid), label(kOptionsCredit), 3, 0, 1, 1);
    gtk_grid_attach(GTK_GRID(grid), label("Unités Passer:", fields.passes), 0, 1, 1, 1);
    gtk_grid_attach(GTK_GRID(grid), fields.passes, 1, 1, 1, 1);
    gtk_grid_attach(GTK_GRID(grid), clear, 2, 1, 1, 1);
    gtk_grid_attach(GTK_GRID(grid), ok, 3, 1, 1, 1);
    gtk_grid_attach(GTK_GRID(grid), label("Timing:", fields.timing), 0, 2, 1, 1);
    gtk_grid_attach(GTK_GRID(grid), fields.timing, 1, 2, 1, 1);
    gtk_grid_attach(GTK_GRID(grid), label("(Avancé)"), 2, 2, 1, 1);
    gtk_grid_attach(GTK_GRID(grid), cancel, 3, 2, 1, 1);
    gtk_container_add(GTK_CONTAINER(gtk_dialog_get_content_area(GTK_DIALOG(dialog))), grid);
    // The tab order of the Windows template: OK, Annuler, timing, rolls, Effacer record, passes, Par défaut.
    GList* chain = nullptr;
    for (GtkWidget* w : {ok, cancel, fields.timing, fields.rolls, clear, fields.passes, byDefault}) {
        chain = g_list_append(chain, w);
    }
    G_GNUC_BEGIN_IGNORE_DEPRECATIONS
    gtk_container_set_focus_chain(GTK_CONTAINER(grid), chain);
    G_GNUC_END_IGNORE_DEPRECATIONS
    g_list_free(chain);
    gtk_widget_show_all(dialog);
    gtk_widget_grab_default(ok);
    gtk_widget_grab_focus(ok);

    // OK applies the three fields; "Annuler", Escape and the close box change nothing.
    boxOpened();
    const int response = gtk_dialog_run(GTK_DIALOG(dialog));
    boxClosed();
    if (response == GTK_RESPONSE_OK) {
        applyOptions(fieldText(fields.timing).c_str(), fieldText(fields.rolls).c_str(),
                     fieldText(fields.passes).c_str());
    }
    if (response != GTK_RESPONSE_NONE) gtk_widget_destroy(dialog);  // NONE: gone with the main window
}

void runAboutDialog() {
    GtkWidget* dialog = dialogOverMainWindow(kAboutTitle);
    GtkWidget* grid = gtk_grid_new();
    gtk_grid_set_row_spacing(GTK_GRID(grid), 2);
    gtk_grid_set_column_spacing(GTK_GRID(grid), 10);
    gtk_container_set_border_width(GTK_CONTAINER(grid), 8);
    GtkWidget* icon = gtk_image_new();
    if (GdkPixbuf* picture = gameIcon("cinquor.ico", 32)) {
        gtk_image_set_from_pixbuf(GTK_IMAGE(icon), picture);
        g_object_unref(picture);
    }
    GtkWidget* second = gtk_image_new();
    if (GdkPixbuf* picture = gameIcon("apropos.ico", 32)) {
        gtk_image_set_from_pixbuf(GTK_IMAGE(second), picture);
        g_object_unref(picture);
    }
    char played[40];
    formatGamesPlayed(played, sizeof played);
    gtk_grid_attach(GTK_GRID(grid), icon, 0, 0, 1, 3);
    gtk_grid_attach(GTK_GRID(grid), label(kAboutFirstLine), 1, 0, 2, 1);
    gtk_grid_attach(GTK_GRID(grid), label(kAboutSecondLine), 1, 1, 1, 1);
    gtk_grid_attach(GTK_GRID(grid), second, 2, 1, 1, 2);
    gtk_grid_attach(GTK_GRID(grid), label(played), 1, 2, 1, 1);
    gtk_container_add(GTK_CONTAINER(gtk_dialog_get_content_area(GTK_DIALOG(dialog))), grid);
    GtkWidget* ok = gtk_dialog_add_button(GTK_DIALOG(dialog), "OK", GTK_RESPONSE_OK);
    gtk_dialog_set_default_response(GTK_DIALOG(dialog), GTK_RESPONSE_OK);
    gtk_widget_show_all(dialog);
    gtk_widget_grab_focus(ok);
    boxOpened();
    const int response = gtk_dialog_run(GTK_DIALOG(dialog));
    boxClosed();
    if (response != GTK_RESPONSE_NONE) gtk_widget_destroy(dialog);
}
