// accessible_gtk_test.cpp -- what a screen reader hears of the Linux program: the board's name and its
// status line, the labels of the Options fields, and the French titles of the boxes.
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>

#include "gtk/app.h"
#include "app/message_box.h"
#include "game/game_state.h"
#include "render/surfaces.h"

namespace {

// The names of the labels that name each entry of `widget` and its children.
void labelsOfEntries(GtkWidget* widget, std::set<std::string>& labels) {
    if (GTK_IS_ENTRY(widget)) {
        AtkRelationSet* relations = atk_object_ref_relation_set(gtk_widget_get_accessible(widget));
        AtkRelation* relation = atk_relation_set_get_relation_by_type(relations, ATK_RELATION_LABELLED_BY);
        GPtrArray* targets = relation ? atk_relation_get_target(relation) : nullptr;
        labels.insert(targets && targets->len ? atk_object_get_name(ATK_OBJECT(g_ptr_array_index(targets, 0)))
                                              : "(no label)");
        g_object_unref(relations);
    }
    if (GTK_IS_CONTAINER(widget)) {
        GList* children = gtk_container_get_children(GTK_CONTAINER(widget));
        for (GList* c = children; c; c = c->next) labelsOfEntries(GTK_WIDGET(c->data), labels);
        g_list_free(children);
    }
}

// Runs `inspect` on the dialog that opens next, then answers it with `response`.
void whenOpen(std::function<void(GtkWidget*)> inspect, int response) {
    struct Visit {
        std::function<void(GtkWidget*)> inspect;
        int response;
    };
    g_timeout_add(50, [](gpointer data) -> gboolean {
        auto* visit = static_cast<Visit*>(data);
        GList* windows = gtk_window_list_toplevels();
        for (GList* w = windows; w; w = w->next) {
            GtkWidget* window = GTK_WIDGET(w->data);
            if (GTK_IS_DIALOG(window) && gtk_widget_get_visible(window)) {
                visit->inspect(window);
                gtk_dialog_response(GTK_DIALOG(window), visit->response);
                g_list_free(windows);
                delete visit;
                return G_SOURCE_REMOVE;
            }
        }
        g_list_free(windows);
        return G_SOURCE_CONTINUE;
    }, new Visit{std::move(inspect), response});
}

TEST(AccessibleNames, BoardFieldsAndBoxes) {
    ASSERT_TRUE(gtk_init_check(nullptr, nullptr)) << "needs a display";
    createFonts();
    ASSERT_TRUE(createMainWindow());
    AtkObject* board = gtk_widget_get_accessible(gtkShell.board);
    EXPECT_STREQ(atk_object_get_name(board), "Le cinquor");
    // The description is the status line as the frames show it (the loading message and the surfaces
    // come first): the help text while help is on.
    const auto shownAfterFrames = [&](const char* expected) {
        for (int i = 0; i < 500 && g_strcmp0(atk_object_get_description(board), expected) != 0; ++i) {
            gtk_widget_queue_draw(gtkShell.board);
            while (gtk_events_pending()) gtk_main_iteration();
            g_usleep(10000);
        }
        return std::string(atk_object_get_description(board) ? atk_object_get_description(board) : "");
    };
    gameState.settings.aide = 1;
    EXPECT_EQ(shownAfterFrames("Le cinquor: lancez, retenez, marquez!"), "Le cinquor: lancez, retenez, marquez!");
    gameState.game.mouseX = 171;  // the pointer over a die, as the timer's hover pass reads it
    gameState.game.mouseY = 44;
    EXPECT_EQ(shownAfterFrames("Cliquez retenir ce d\xC3\xA9"), "Cliquez retenir ce d\xC3\xA9") << "it follows the status line";

    std::set<std::string> labels;
    whenOpen([&](GtkWidget* dialog) { labelsOfEntries(dialog, labels); }, GTK_RESPONSE_CANCEL);
    runOptionsDialog();
    EXPECT_EQ(labels, (std::set<std::string>{"Lancers:", "Timing:", "Unit\xC3\xA9s Passer:"}));

    for (const char* title : {"Attention!", "Oups..."}) {
        std::string name;
        whenOpen([&](GtkWidget* box) { name = atk_object_get_name(gtk_widget_get_accessible(box)); }, kAnswerOk);
        showMessageBox(nullptr, "texte", title, kBoxOkCancel | kBoxIconExclamation);
        EXPECT_EQ(name, title);
    }
}

}  // namespace
