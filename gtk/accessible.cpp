// accessible.cpp -- the board as a screen reader walks it on GTK: the drawing area's accessible object has
// the board's parts as children (a group "Dés" of five toggle buttons, the pass button, a table of the
// fifteen categories, the roll button and the texts), each with its role, name, states, extents and
// action, and tells their changes and the keyboard cursor's focus as they happen. The parts and their
// words are the game's (game/board_parts.h); this file only hands them to ATK.
#include <gtk/gtk-a11y.h>
#include <gtk/gtk.h>

#include <string>
#include <vector>

#include "game/board_parts.h"
#include "game/game_state.h"
#include "game/keys.h"
#include "gtk/app.h"
#include "render/text_encoding.h"

namespace {

// A node of the tree under the board: a part of the board, or one of the two containers.
constexpr int kDiceGroup = -1;
constexpr int kSheetTable = -2;

struct Node {
    AtkObject* object = nullptr;
    int part = 0;                 // index in boardParts(), or kDiceGroup / kSheetTable
    std::vector<Node*> children;  // of a container
    std::string name;             // as last told
    bool pressed = false;
    bool enabled = true;
};

struct Tree {
    std::vector<Node> nodes;  // the parts, then the two containers; never reallocated once made
    std::vector<Node*> top;   // the board's own children, in reading order
    int focused = -1;         // the part told as focused
} tree;

Node* nodeOf(AtkObject* object);

}  // namespace

// ---- One part (or container) of the board, as an AtkObject with a component and an action ----

struct CinquorPart {
    AtkObject parent;
};
struct CinquorPartClass {
    AtkObjectClass parent_class;
};

static void cinquor_part_component_init(AtkComponentIface* iface);
static void cinquor_part_action_init(AtkActionIface* iface);

G_DEFINE_TYPE_WITH_CODE(CinquorPart, cinquor_part, ATK_TYPE_OBJECT,
                        G_IMPLEMENT_INTERFACE(ATK_TYPE_COMPONENT, cinquor_part_component_init)
                            G_IMPLEMENT_INTERFACE(ATK_TYPE_ACTION, cinquor_part_action_init))

static gint partChildCount(AtkObject* object) {
    const Node* node = nodeOf(object);
    return node ? static_cast<gint>(node->children.size()) : 0;
}

static AtkObject* partChild(AtkObject* object, gint index) {
    const Node* node = nodeOf(object);
    if (!node || index < 0 || index >= static_cast<gint>(node->children.size())) return nullptr;
    return ATK_OBJECT(g_object_ref(node->children[index]->object));
}

static gint partIndex(AtkObject* object) {
    const Node* node = nodeOf(object);
    if (!node) return -1;
    for (const std::vector<Node*>* siblings : {&tree.top, &tree.nodes[kBoardPartCount].children,
                                               &tree.nodes[kBoardPartCount + 1].children}) {
        for (std::size_t i = 0; i < siblings->size(); ++i) {
            if ((*siblings)[i] == node) return static_cast<gint>(i);
        }
    }
    return -1;
}

static AtkStateSet* partStates(AtkObject* object) {
    AtkStateSet* states = ATK_OBJECT_CLASS(cinquor_part_parent_class)->ref_state_set(object);
    const Node* node = nodeOf(object);
    if (!node) return states;
    atk_state_set_add_state(states, ATK_STATE_VISIBLE);
    atk_state_set_add_state(states, ATK_STATE_SHOWING);
    if (node->part < 0) return states;
    if (node->enabled) {
        atk_state_set_add_state(states, ATK_STATE_ENABLED);
        atk_state_set_add_state(states, ATK_STATE_SENSITIVE);
    }
    if (node->part < kCursorTargets) {
        atk_state_set_add_state(states, ATK_STATE_FOCUSABLE);
        if (node->part == tree.focused) atk_state_set_add_state(states, ATK_STATE_FOCUSED);
    }
    if (node->part < kDiceCount) {
        atk_state_set_add_state(states, ATK_STATE_CHECKABLE);
        if (node->pressed) {
            atk_state_set_add_state(states, ATK_STATE_PRESSED);
            atk_state_set_add_state(states, ATK_STATE_CHECKED);
        }
    }
    return states;
}

static void cinquor_part_class_init(CinquorPartClass* klass) {
    AtkObjectClass* atk = ATK_OBJECT_CLASS(klass);
    atk->get_n_children = partChildCount;
    atk->ref_child = partChild;
    atk->get_index_in_parent = partIndex;
    atk->ref_state_set = partStates;
}

static void cinquor_part_init(CinquorPart*) {}

// Where a part lies: its box on the board, stretched as the board is onto the drawing area.
static void partExtents(AtkComponent* component, gint* x, gint* y, gint* width, gint* height,
                        AtkCoordType coordinates) {
    *x = *y = *width = *height = 0;
    const Node* node = nodeOf(ATK_OBJECT(component));
    GtkWidget* board = gtkShell.board;
    if (!node || !board || !gtk_widget_get_realized(board)) return;
    CursorBox box{};
    if (node->part >= 0) {
        box = boardParts()[node->part].box;
    } else if (node->part == kDiceGroup) {
        box = {cursorBox(0).x, cursorBox(0).y, cursorBox(4).x + cursorBox(4).width - cursorBox(0).x, cursorBox(0).height};
    } else {
        box = {0, 177, 500, 90};
    }
    const double sx = static_cast<double>(gtk_widget_get_allocated_width(board)) / gameState.shell.initialClientWidth;
    const double sy = static_cast<double>(gtk_widget_get_allocated_height(board)) / gameState.shell.initialClientHeight;
    gint originX = 0;
    gint originY = 0;
    GdkWindow* window = gtk_widget_get_window(board);
    if (coordinates == ATK_XY_SCREEN) {
        gdk_window_get_origin(window, &originX, &originY);
    } else {
        gdk_window_get_position(gdk_window_get_toplevel(window), &originX, &originY);
        gint rootX = 0;
        gint rootY = 0;
        gdk_window_get_origin(window, &rootX, &rootY);
        gint topX = 0;
        gint topY = 0;
        gdk_window_get_origin(gdk_window_get_toplevel(window), &topX, &topY);
        originX = rootX - topX;
        originY = rootY - topY;
    }
    GtkAllocation allocation;
    gtk_widget_get_allocation(board, &allocation);
    if (!gtk_widget_get_has_window(board)) {
        originX += allocation.x;
        originY += allocation.y;
    }
    *x = originX + static_cast<gint>(box.x * sx);
    *y = originY + static_cast<gint>(box.y * sy);
    *width = static_cast<gint>(box.width * sx);
    *height = static_cast<gint>(box.height * sy);
}

// Focus asked by a screen reader: the keyboard's cursor goes there.
static gboolean partGrabFocus(AtkComponent* component) {
    const Node* node = nodeOf(ATK_OBJECT(component));
    if (!node || node->part < 0 || node->part >= kCursorTargets) return FALSE;
    focusControl(node->part);
    settleRepaintRequest();
    return TRUE;
}

static void cinquor_part_component_init(AtkComponentIface* iface) {
    iface->get_extents = partExtents;
    iface->grab_focus = partGrabFocus;
}

static gint partActionCount(AtkAction* action) {
    const Node* node = nodeOf(ATK_OBJECT(action));
    return node && node->part >= 0 && node->part < kCursorTargets ? 1 : 0;
}

static gboolean partDoAction(AtkAction* action, gint index) {
    const Node* node = nodeOf(ATK_OBJECT(action));
    if (index != 0 || !node || node->part < 0 || node->part >= kCursorTargets) return FALSE;
    // Out of the accessibility call, as a click comes from the main loop.
    g_idle_add(
        [](gpointer target) -> gboolean {
            activateControl(GPOINTER_TO_INT(target));
            settleRepaintRequest();
            return G_SOURCE_REMOVE;
        },
        GINT_TO_POINTER(node->part));
    return TRUE;
}

static const gchar* partActionName(AtkAction*, gint index) { return index == 0 ? "click" : nullptr; }

static void cinquor_part_action_init(AtkActionIface* iface) {
    iface->get_n_actions = partActionCount;
    iface->do_action = partDoAction;
    iface->get_name = partActionName;
}

// ---- The board's accessible object: the drawing area's, with the parts as its children ----

struct CinquorBoardAccessible {
    GtkWidgetAccessible parent;
};
struct CinquorBoardAccessibleClass {
    GtkWidgetAccessibleClass parent_class;
};

G_DEFINE_TYPE(CinquorBoardAccessible, cinquor_board_accessible, GTK_TYPE_WIDGET_ACCESSIBLE)

static gint boardChildCount(AtkObject*) { return static_cast<gint>(tree.top.size()); }

static AtkObject* boardChild(AtkObject*, gint index) {
    if (index < 0 || index >= static_cast<gint>(tree.top.size())) return nullptr;
    return ATK_OBJECT(g_object_ref(tree.top[index]->object));
}

static void cinquor_board_accessible_class_init(CinquorBoardAccessibleClass* klass) {
    AtkObjectClass* atk = ATK_OBJECT_CLASS(klass);
    atk->get_n_children = boardChildCount;
    atk->ref_child = boardChild;
}

static void cinquor_board_accessible_init(CinquorBoardAccessible*) {}

// ---- The board itself: a drawing area whose accessible object is the one above ----

struct CinquorBoard {
    GtkDrawingArea parent;
};
struct CinquorBoardClass {
    GtkDrawingAreaClass parent_class;
};

G_DEFINE_TYPE(CinquorBoard, cinquor_board, GTK_TYPE_DRAWING_AREA)

static void cinquor_board_class_init(CinquorBoardClass* klass) {
    gtk_widget_class_set_accessible_type(GTK_WIDGET_CLASS(klass), cinquor_board_accessible_get_type());
    // A class of its own loses the drawing area's role: without one a screen reader may pass over what
    // the board's description tells.
    gtk_widget_class_set_accessible_role(GTK_WIDGET_CLASS(klass), ATK_ROLE_DRAWING_AREA);
}

static void cinquor_board_init(CinquorBoard*) {}

namespace {

Node* nodeOf(AtkObject* object) {
    for (Node& node : tree.nodes) {
        if (node.object == object) return &node;
    }
    return nullptr;
}

AtkRole roleOf(PartRole role) {
    switch (role) {
        case PartRole::Die: return ATK_ROLE_TOGGLE_BUTTON;
        case PartRole::RollButton:
        case PartRole::PassButton: return ATK_ROLE_PUSH_BUTTON;
        case PartRole::Category: return ATK_ROLE_TABLE_CELL;
        case PartRole::Text: return ATK_ROLE_LABEL;
    }
    return ATK_ROLE_UNKNOWN;
}

AtkObject* makeObject(AtkObject* parent, AtkRole role, const std::string& name) {
    AtkObject* object = ATK_OBJECT(g_object_new(cinquor_part_get_type(), nullptr));
    atk_object_initialize(object, nullptr);
    atk_object_set_role(object, role);
    atk_object_set_parent(object, parent);
    atk_object_set_name(object, name.c_str());
    return object;
}

}  // namespace

GtkWidget* createBoardWidget() {
    GtkWidget* board = GTK_WIDGET(g_object_new(cinquor_board_get_type(), nullptr));
    AtkObject* accessible = gtk_widget_get_accessible(board);
    const std::vector<BoardPart> parts = boardParts();
    tree.nodes.resize(kBoardPartCount + 2);
    Node& dice = tree.nodes[kBoardPartCount];
    Node& sheet = tree.nodes[kBoardPartCount + 1];
    dice.part = kDiceGroup;
    dice.object = makeObject(accessible, ATK_ROLE_PANEL, utf8FromWindows1252("Dés"));
    sheet.part = kSheetTable;
    sheet.object = makeObject(accessible, ATK_ROLE_TABLE, "Feuille de marque");
    for (int i = 0; i < kBoardPartCount; ++i) {
        Node& node = tree.nodes[i];
        const BoardPart& p = parts[i];
        node.part = i;
        node.name = p.name;
        node.pressed = p.pressed;
        node.enabled = p.enabled;
        const bool inDice = p.role == PartRole::Die;
        const bool inSheet = p.role == PartRole::Category;
        node.object = makeObject(inDice ? dice.object : inSheet ? sheet.object : accessible, roleOf(p.role),
                                 utf8FromWindows1252(p.name.c_str()));
        if (inDice) {
            dice.children.push_back(&node);
            if (i == 0) tree.top.push_back(&dice);
        } else if (inSheet) {
            sheet.children.push_back(&node);
            if (i == kCursorFirstCategory) tree.top.push_back(&sheet);
        } else {
            tree.top.push_back(&node);
        }
    }
    return board;
}

void updateAccessibleParts() {
    if (tree.nodes.empty()) return;
    const std::vector<BoardPart> parts = boardParts();
    for (int i = 0; i < kBoardPartCount; ++i) {
        Node& node = tree.nodes[i];
        const BoardPart& p = parts[i];
        if (p.name != node.name) {
            node.name = p.name;
            atk_object_set_name(node.object, utf8FromWindows1252(p.name.c_str()).c_str());
        }
        if (p.pressed != node.pressed) {
            node.pressed = p.pressed;
            atk_object_notify_state_change(node.object, ATK_STATE_PRESSED, p.pressed);
            atk_object_notify_state_change(node.object, ATK_STATE_CHECKED, p.pressed);
        }
        if (p.enabled != node.enabled) {
            node.enabled = p.enabled;
            atk_object_notify_state_change(node.object, ATK_STATE_ENABLED, p.enabled);
            atk_object_notify_state_change(node.object, ATK_STATE_SENSITIVE, p.enabled);
        }
    }
    const int cursor = keyboardCursor();
    if (cursor == tree.focused) return;
    if (tree.focused >= 0) atk_object_notify_state_change(tree.nodes[tree.focused].object, ATK_STATE_FOCUSED, FALSE);
    tree.focused = cursor;
    if (cursor >= 0) {
        atk_object_notify_state_change(tree.nodes[cursor].object, ATK_STATE_FOCUSED, TRUE);
    }
}
