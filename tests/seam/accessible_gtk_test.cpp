// accessible_gtk_test.cpp -- what a screen reader hears of the Linux program: the board's name and its
// status line, the labels of the Options fields, and the French titles of the boxes.
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "gtk/app.h"
#include "app/message_box.h"
#include "game/game_state.h"
#include "game/keys.h"
#include "game/turn.h"
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
        labels.insert(std::string("name ") + atk_object_get_name(gtk_widget_get_accessible(widget)));
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
    EXPECT_EQ(labels, (std::set<std::string>{"Lancers:", "Timing:", "Unit\xC3\xA9s Passer:", "name Lancers:",
                                             "name Timing:", "name Unit\xC3\xA9s Passer:"}));

    // The board's parts: a group of five toggle buttons, the pass button, a table of fifteen cells, the
    // roll button and four texts; key 1 presses die 1 and each arrow moves the focus.
    ASSERT_EQ(atk_object_get_n_accessible_children(board), 8);
    AtkObject* dice = atk_object_ref_accessible_child(board, 0);
    AtkObject* sheet = atk_object_ref_accessible_child(board, 2);
    EXPECT_STREQ(atk_object_get_name(dice), "D\xC3\xA9s");
    ASSERT_EQ(atk_object_get_n_accessible_children(dice), 5);
    EXPECT_EQ(atk_object_get_role(sheet), ATK_ROLE_TABLE);
    EXPECT_EQ(atk_object_get_n_accessible_children(sheet), 15);
    AtkObject* die1 = atk_object_ref_accessible_child(dice, 0);
    AtkObject* die2 = atk_object_ref_accessible_child(dice, 1);
    EXPECT_EQ(atk_object_get_role(die1), ATK_ROLE_TOGGLE_BUTTON);
    EXPECT_EQ(std::string(atk_object_get_name(die1)).rfind("D\xC3\xA9 1 : ", 0), 0u) << atk_object_get_name(die1);
    std::vector<std::string> changes;
    // Each change by the die it is about ("Dé 2"): a die still rolling changes its value meanwhile.
    const auto record = +[](AtkObject* object, gchar* state, gboolean on, gpointer log) {
        const std::string name = atk_object_get_name(object);
        static_cast<std::vector<std::string>*>(log)->push_back(name.substr(0, name.find(" : ")) + " " + state +
                                                               (on ? " on" : " off"));
    };
    for (AtkObject* die : {die1, die2}) g_signal_connect(die, "state-change", G_CALLBACK(record), &changes);
    const auto states = [](AtkObject* object) {
        AtkStateSet* set = atk_object_ref_state_set(object);
        std::string held = atk_state_set_contains_state(set, ATK_STATE_PRESSED) ? "pressed" : "";
        if (atk_state_set_contains_state(set, ATK_STATE_FOCUSED)) held += "focused";
        g_object_unref(set);
        return held;
    };
    const auto frame = [&] {
        gtk_widget_queue_draw(gtkShell.board);
        while (gtk_events_pending()) gtk_main_iteration();
        g_usleep(10000);  // the frame clock's next tick
    };
    characterTyped('1');
    for (int i = 0; i < 200 && states(die1) != "pressedfocused"; ++i) frame();
    EXPECT_EQ(states(die1), "pressedfocused");
    boardKeyPressed(BoardKey::Right);
    for (int i = 0; i < 200 && states(die2) != "focused"; ++i) frame();
    EXPECT_EQ(states(die2), "focused");
    EXPECT_EQ(states(die1), "pressed");
    EXPECT_EQ(changes, (std::vector<std::string>{"D\xC3\xA9 1 pressed on", "D\xC3\xA9 1 checked on",
                                                 "D\xC3\xA9 1 focused on", "D\xC3\xA9 1 focused off",
                                                 "D\xC3\xA9 2 focused on"}));
    for (AtkObject* object : {dice, sheet, die1, die2}) g_object_unref(object);

    for (const char* title : {"Attention!", "Oups..."}) {
        std::string name;
        whenOpen([&](GtkWidget* box) { name = atk_object_get_name(gtk_widget_get_accessible(box)); }, kAnswerOk);
        showMessageBox(nullptr, "texte", title, kBoxOkCancel | kBoxIconExclamation);
        EXPECT_EQ(name, title);
    }
}

}  // namespace
