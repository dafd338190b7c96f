// accessible.cpp -- the board as a screen reader walks it on Windows (MSAA): the client area answers
// WM_GETOBJECT with an IAccessible whose children are the board's parts (a group "Dés" of five toggle
// buttons, the pass button, a table of the fifteen categories, the roll button, the texts) and an alert
// that carries what the game tells; their changes and the keyboard cursor's focus are raised as WinEvents.
// The parts and their words are the game's (game/board_parts.h); this file only hands them to MSAA.
#include <windows.h>
#include <oleacc.h>

#include <string>
#include <vector>

#include "app/shell.h"
#include "game/announce.h"
#include "game/board_parts.h"
#include "game/game_state.h"
#include "game/keys.h"
#include "render/surfaces.h"
#include "win32/app.h"

namespace {

// MinGW's import library gives a thunk's address for IID_IAccessible, not the IID itself.
const IID kIAccessible = {0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

// The two containers have object ids of their own, so that an event on a die or a category names its
// container (WM_GETOBJECT with that id) and its place in it.
constexpr LONG kDiceObject = 1;
constexpr LONG kSheetObject = 2;
// The last child of the client: what the game told last, raised as an alert.
constexpr int kAlertPart = kBoardPartCount;

// A screen reader's request runs inside a COM call: the click it asks for is posted to the window and made
// there, as a real click is, so that a warning box never opens inside the call.
constexpr UINT kActivateMessage = WM_APP + 1;
constexpr UINT kFocusMessage = WM_APP + 2;

class Node;

// A child of a node: one of the board's parts (a simple element, numbered from 1 in its node) or a node.
struct Child {
    int part;     // index in boardParts(), kAlertPart, or -1 for a node
    Node* node;
};

BSTR bstrFromWindows1252(const std::string& text) {
    const int length = MultiByteToWideChar(1252, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    BSTR result = SysAllocStringLen(nullptr, static_cast<UINT>(length));
    if (result && length > 0) {
        MultiByteToWideChar(1252, 0, text.data(), static_cast<int>(text.size()), result, length);
    }
    return result;
}

// Board coordinates to the screen, by the client area's present scale.
RECT screenRect(HWND window, const CursorBox& box) {
    RECT client{};
    GetClientRect(window, &client);
    const ShellFields& shell = gameState.shell;
    const LONG boardWidth = shell.initialClientWidth > 0 ? shell.initialClientWidth : kBoardWidth;
    const LONG boardHeight = shell.initialClientHeight > 0 ? shell.initialClientHeight : kBoardHeight;
    POINT corners[2] = {{static_cast<LONG>(MulDiv(box.x, client.right, boardWidth)),
                         static_cast<LONG>(MulDiv(box.y, client.bottom, boardHeight))},
                        {static_cast<LONG>(MulDiv(box.x + box.width, client.right, boardWidth)),
                         static_cast<LONG>(MulDiv(box.y + box.height, client.bottom, boardHeight))}};
    MapWindowPoints(window, nullptr, corners, 2);
    return RECT{corners[0].x, corners[0].y, corners[1].x, corners[1].y};
}

struct Told {
    std::vector<BoardPart> parts;  // as last raised
    std::string alert;             // the last text told
    int focused = -1;              // the part raised as focused
};
Told told;

class Node final : public IAccessible {
public:
    Node(LONG role, const char* name) : role_(role), name_(name) {}

    void attach(HWND window, Node* parent, std::vector<Child> children) {
        window_ = window;
        parent_ = parent;
        children_ = std::move(children);
    }
    // Where part `part` lies among this node's children: its child id, 0 when it is not one of them.
    LONG childIdOf(int part) const {
        for (size_t i = 0; i < children_.size(); ++i) {
            if (children_[i].part == part) return static_cast<LONG>(i + 1);
        }
        return 0;
    }
    // The node among this one's children that holds `part`, if any.
    Node* nodeHolding(int part) const {
        for (const Child& child : children_) {
            if (child.node && child.node->childIdOf(part)) return child.node;
        }
        return nullptr;
    }

    // IUnknown. The nodes live as long as the program: the count is kept for the callers' sake only.
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) || IsEqualIID(iid, kIAccessible)) {
            *out = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&refs_)); }
    ULONG STDMETHODCALLTYPE Release() override { return static_cast<ULONG>(InterlockedDecrement(&refs_)); }

    // IDispatch: the board is reached through IAccessible's own calls only.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        if (count) *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) override {
        return E_NOTIMPL;
    }

    // IAccessible.
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        if (!parent) return E_POINTER;
        *parent = nullptr;
        if (parent_) {
            *parent = parent_;
            parent_->AddRef();
            return S_OK;
        }
        return AccessibleObjectFromWindow(window_, static_cast<DWORD>(OBJID_WINDOW), IID_IDispatch,
                                          reinterpret_cast<void**>(parent));
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
        if (!count) return E_POINTER;
        *count = static_cast<LONG>(children_.size());
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        const Child* c = childAt(child);
        if (!c) return E_INVALIDARG;
        if (!c->node) return S_FALSE;  // a simple element: its parent answers for it
        *out = c->node;
        c->node->AddRef();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        if (!name) return E_POINTER;
        *name = nullptr;
        if (isSelf(child)) {
            *name = bstrFromWindows1252(name_);
            return S_OK;
        }
        const Child* c = childAt(child);
        if (!c) return E_INVALIDARG;
        if (c->part == kAlertPart) {
            *name = bstrFromWindows1252(told.alert);
        } else {
            *name = bstrFromWindows1252(boardParts()[c->part].name);
        }
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT, BSTR* value) override {
        if (value) *value = nullptr;
        return DISP_E_MEMBERNOTFOUND;
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT, BSTR* description) override {
        if (description) *description = nullptr;
        return DISP_E_MEMBERNOTFOUND;
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        if (!role) return E_POINTER;
        VariantInit(role);
        role->vt = VT_I4;
        if (isSelf(child)) {
            role->lVal = role_;
            return S_OK;
        }
        const Child* c = childAt(child);
        if (!c) return E_INVALIDARG;
        role->lVal = c->part == kAlertPart ? ROLE_SYSTEM_ALERT : roleOf(boardParts()[c->part].role);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        if (!state) return E_POINTER;
        VariantInit(state);
        state->vt = VT_I4;
        const bool windowFocused = GetFocus() == window_;
        if (isSelf(child)) {
            state->lVal = role_ == ROLE_SYSTEM_CLIENT
                              ? STATE_SYSTEM_FOCUSABLE | (windowFocused && keyboardCursor() < 0 ? STATE_SYSTEM_FOCUSED : 0)
                              : 0;
            return S_OK;
        }
        const Child* c = childAt(child);
        if (!c) return E_INVALIDARG;
        LONG bits = STATE_SYSTEM_READONLY;
        if (c->part != kAlertPart) {
            const BoardPart p = boardParts()[c->part];
            if (p.target >= 0) bits = STATE_SYSTEM_FOCUSABLE;
            if (p.pressed) bits |= STATE_SYSTEM_PRESSED;
            if (!p.enabled) bits |= STATE_SYSTEM_UNAVAILABLE;
            if (p.target >= 0 && p.target == keyboardCursor() && windowFocused) bits |= STATE_SYSTEM_FOCUSED;
        }
        state->lVal = bits;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT, BSTR* help) override {
        if (help) *help = nullptr;
        return DISP_E_MEMBERNOTFOUND;
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT, LONG* topic) override {
        if (file) *file = nullptr;
        if (topic) *topic = 0;
        return DISP_E_MEMBERNOTFOUND;
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
        if (!shortcut) return E_POINTER;
        *shortcut = nullptr;
        const Child* c = isSelf(child) ? nullptr : childAt(child);
        if (!c || c->part < 0 || c->part >= kDiceCount) return DISP_E_MEMBERNOTFOUND;
        *shortcut = bstrFromWindows1252(std::string(1, static_cast<char>('1' + c->part)));
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
        if (!focus) return E_POINTER;
        VariantInit(focus);
        if (GetFocus() != window_) return S_FALSE;  // VT_EMPTY: the focus is elsewhere
        const int cursor = keyboardCursor();
        if (const LONG id = cursor >= 0 ? childIdOf(cursor) : 0) {
            focus->vt = VT_I4;
            focus->lVal = id;
        } else if (Node* holder = cursor >= 0 ? nodeHolding(cursor) : nullptr) {
            focus->vt = VT_DISPATCH;
            focus->pdispVal = holder;
            holder->AddRef();
        } else if (role_ == ROLE_SYSTEM_CLIENT) {
            focus->vt = VT_I4;
            focus->lVal = CHILDID_SELF;
        }
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
        if (selection) VariantInit(selection);
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        if (!action) return E_POINTER;
        *action = nullptr;
        const int target = targetOf(child);
        if (target < 0) return DISP_E_MEMBERNOTFOUND;
        *action = bstrFromWindows1252("Cliquer");
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
        const int target = targetOf(child);
        if (target < 0 || !(flags & SELFLAG_TAKEFOCUS)) return S_FALSE;
        PostMessageA(window_, kFocusMessage, static_cast<WPARAM>(target), 0);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                          VARIANT child) override {
        if (!left || !top || !width || !height) return E_POINTER;
        RECT r{};
        if (isSelf(child)) {
            if (role_ == ROLE_SYSTEM_CLIENT) {
                GetClientRect(window_, &r);
                MapWindowPoints(window_, nullptr, reinterpret_cast<POINT*>(&r), 2);
            } else {
                r = unionOfChildren();
            }
        } else {
            const Child* c = childAt(child);
            if (!c) return E_INVALIDARG;
            if (c->node) {
                r = c->node->unionOfChildren();
            } else if (c->part == kAlertPart) {
                r = screenRect(window_, boardParts()[kBoardPartCount - 1].box);  // where the status line is
            } else {
                r = screenRect(window_, boardParts()[c->part].box);
            }
        }
        *left = r.left;
        *top = r.top;
        *width = r.right - r.left;
        *height = r.bottom - r.top;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override {
        if (!end) return E_POINTER;
        VariantInit(end);
        LONG id = 0;
        const LONG count = static_cast<LONG>(children_.size());
        if (isSelf(start)) {
            if (direction == NAVDIR_FIRSTCHILD) id = 1;
            if (direction == NAVDIR_LASTCHILD) id = count;
        } else if (start.vt == VT_I4) {
            if (direction == NAVDIR_NEXT || direction == NAVDIR_DOWN || direction == NAVDIR_RIGHT) id = start.lVal + 1;
            if (direction == NAVDIR_PREVIOUS || direction == NAVDIR_UP || direction == NAVDIR_LEFT) id = start.lVal - 1;
        }
        if (id < 1 || id > count) return S_FALSE;
        return variantForChild(id, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* out) override {
        if (!out) return E_POINTER;
        VariantInit(out);
        const POINT point{x, y};
        RECT self{};
        GetClientRect(window_, &self);
        MapWindowPoints(window_, nullptr, reinterpret_cast<POINT*>(&self), 2);
        if (!PtInRect(&self, point)) return S_FALSE;
        for (size_t i = 0; i < children_.size(); ++i) {
            RECT r{};
            const Child& c = children_[i];
            if (c.part == kAlertPart) continue;
            r = c.node ? c.node->unionOfChildren() : screenRect(window_, boardParts()[c.part].box);
            if (PtInRect(&r, point)) return variantForChild(static_cast<LONG>(i + 1), out);
        }
        if (role_ != ROLE_SYSTEM_CLIENT) return S_FALSE;
        out->vt = VT_I4;
        out->lVal = CHILDID_SELF;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        const int target = targetOf(child);
        if (target < 0) return DISP_E_MEMBERNOTFOUND;
        PostMessageA(window_, kActivateMessage, static_cast<WPARAM>(target), 0);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

    RECT unionOfChildren() const {
        RECT all{};
        for (const Child& c : children_) {
            if (c.node || c.part == kAlertPart) continue;
            const RECT r = screenRect(window_, boardParts()[c.part].box);
            UnionRect(&all, &all, &r);
        }
        return all;
    }

private:
    static bool isSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }
    const Child* childAt(const VARIANT& child) const {
        if (child.vt != VT_I4 || child.lVal < 1 || child.lVal > static_cast<LONG>(children_.size())) return nullptr;
        return &children_[static_cast<size_t>(child.lVal - 1)];
    }
    int targetOf(const VARIANT& child) const {
        const Child* c = isSelf(child) ? nullptr : childAt(child);
        if (!c || c->node || c->part == kAlertPart) return -1;
        return boardParts()[c->part].target;
    }
    HRESULT variantForChild(LONG id, VARIANT* out) {
        const Child& c = children_[static_cast<size_t>(id - 1)];
        if (c.node) {
            out->vt = VT_DISPATCH;
            out->pdispVal = c.node;
            c.node->AddRef();
        } else {
            out->vt = VT_I4;
            out->lVal = id;
        }
        return S_OK;
    }
    static LONG roleOf(PartRole role) {
        switch (role) {
            case PartRole::Die: return ROLE_SYSTEM_PUSHBUTTON;  // a toggle button: pressed when held
            case PartRole::RollButton:
            case PartRole::PassButton: return ROLE_SYSTEM_PUSHBUTTON;
            case PartRole::Category: return ROLE_SYSTEM_CELL;
            case PartRole::Text: return ROLE_SYSTEM_STATICTEXT;
        }
        return ROLE_SYSTEM_STATICTEXT;
    }

    LONG refs_ = 1;
    LONG role_;
    std::string name_;  // Windows-1252
    HWND window_ = nullptr;
    Node* parent_ = nullptr;
    std::vector<Child> children_;
};

Node board(ROLE_SYSTEM_CLIENT, "Le cinquor");
Node dice(ROLE_SYSTEM_GROUPING, "D\xE9s");
Node sheet(ROLE_SYSTEM_TABLE, "Feuille de marque");
HWND boardWindow = nullptr;

void build(HWND window) {
    if (boardWindow == window) return;
    boardWindow = window;
    std::vector<Child> top, diceChildren, sheetChildren;
    const std::vector<BoardPart> parts = boardParts();
    for (int i = 0; i < kBoardPartCount; ++i) {
        if (parts[i].role == PartRole::Die) {
            if (diceChildren.empty()) top.push_back({-1, &dice});
            diceChildren.push_back({i, nullptr});
        } else if (parts[i].role == PartRole::Category) {
            if (sheetChildren.empty()) top.push_back({-1, &sheet});
            sheetChildren.push_back({i, nullptr});
        } else {
            top.push_back({i, nullptr});
        }
    }
    top.push_back({kAlertPart, nullptr});
    board.attach(window, nullptr, std::move(top));
    dice.attach(window, &board, std::move(diceChildren));
    sheet.attach(window, &board, std::move(sheetChildren));
    told.parts = parts;
}

// The object and child ids that name part `part` in an event.
void raise(DWORD event, int part) {
    if (const LONG id = dice.childIdOf(part)) return NotifyWinEvent(event, boardWindow, kDiceObject, id);
    if (const LONG id = sheet.childIdOf(part)) return NotifyWinEvent(event, boardWindow, kSheetObject, id);
    NotifyWinEvent(event, boardWindow, OBJID_CLIENT, board.childIdOf(part));
}

}  // namespace

bool answerAccessibility(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
        case WM_GETOBJECT: {
            const LONG id = static_cast<LONG>(static_cast<DWORD>(lParam));
            Node* node = id == OBJID_CLIENT ? &board : id == kDiceObject ? &dice : id == kSheetObject ? &sheet : nullptr;
            if (!node) return false;
            build(window);
            result = LresultFromObject(kIAccessible, wParam, static_cast<IAccessible*>(node));
            return true;
        }
        default:
            return false;
    }
}

bool accessibilityRequest(UINT message, WPARAM wParam) {
    const int target = static_cast<int>(wParam);
    if (target < 0 || target >= kCursorTargets) return false;
    if (message == kActivateMessage) {
        activateControl(target);
        return true;
    }
    if (message == kFocusMessage) {
        focusControl(target);
        return true;
    }
    return false;
}

void raiseAccessibilityEvents(HWND window) {
    build(window);
    const std::vector<BoardPart> parts = boardParts();
    for (int i = 0; i < kBoardPartCount; ++i) {
        const BoardPart& was = told.parts[static_cast<size_t>(i)];
        if (parts[i].name != was.name) raise(EVENT_OBJECT_NAMECHANGE, i);
        if (parts[i].pressed != was.pressed || parts[i].enabled != was.enabled) raise(EVENT_OBJECT_STATECHANGE, i);
    }
    told.parts = parts;
    const int cursor = keyboardCursor();
    if (cursor != told.focused) {
        told.focused = cursor;
        if (cursor >= 0 && GetFocus() == window) raise(EVENT_OBJECT_FOCUS, cursor);
    }
    // What was told since the last frame, in one alert: a reader would speak only the last of several.
    std::string alert;
    for (const std::string& text : takeAnnouncements()) alert += (alert.empty() ? "" : "\n") + text;
    if (alert.empty()) return;
    told.alert = alert;
    raise(EVENT_OBJECT_NAMECHANGE, kAlertPart);
    raise(EVENT_SYSTEM_ALERT, kAlertPart);
}
