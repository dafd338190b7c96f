// msaa_probe.cpp -- reads the game's board as a Windows screen reader does, through oleacc, from another
// process: the client area's IAccessible and its children, walked with AccessibleChildren. Prints one
// line that the window tests compare on every front end:
//   "5 dice, 15 cells, pressed: Dé 1 : 5; focused: Dé 1 : 5"
// or, with --fields TITLE, the names of the fields of the box so titled, in order; with --events, "ready", then a line
// for each part that takes the focus ("focus: NAME") and each alert the game raises ("told: TEXT"),
// until it is ended. UTF-8 on standard output.
#include <windows.h>
#include <oleacc.h>
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

const IID kIAccessible = {0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

std::string utf8(BSTR text) {
    if (!text) return "";
    const int length = static_cast<int>(SysStringLen(text));
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, length, &result[0], size, nullptr, nullptr);
    SysFreeString(text);
    return result;
}

struct Seen {
    int dice = 0;
    int cells = 0;
    std::string pressed;
    std::string focused;
};

void add(std::string& list, const std::string& name) { list += (list.empty() ? "" : ",") + name; }

void visit(IAccessible* object, VARIANT child, int depth, Seen& seen) {
    BSTR rawName = nullptr;
    object->get_accName(child, &rawName);
    const std::string name = utf8(rawName);
    VARIANT role;
    VARIANT state;
    VariantInit(&role);
    VariantInit(&state);
    object->get_accRole(child, &role);
    object->get_accState(child, &state);
    const long roleValue = role.vt == VT_I4 ? role.lVal : 0;
    const long stateValue = state.vt == VT_I4 ? state.lVal : 0;
    if (roleValue == ROLE_SYSTEM_PUSHBUTTON && name.rfind("D\xC3\xA9 ", 0) == 0) {
        ++seen.dice;
        if (stateValue & STATE_SYSTEM_PRESSED) add(seen.pressed, name);
    }
    if (roleValue == ROLE_SYSTEM_CELL) ++seen.cells;
    if (stateValue & STATE_SYSTEM_FOCUSED) add(seen.focused, name);
    if (child.lVal != CHILDID_SELF) return;

    long count = 0;
    object->get_accChildCount(&count);
    if (count <= 0) return;
    std::vector<VARIANT> children(static_cast<size_t>(count));
    long got = 0;
    if (FAILED(AccessibleChildren(object, 0, count, children.data(), &got))) return;
    for (long i = 0; i < got; ++i) {
        VARIANT& c = children[static_cast<size_t>(i)];
        if (c.vt == VT_DISPATCH && c.pdispVal) {
            IAccessible* inner = nullptr;
            if (SUCCEEDED(c.pdispVal->QueryInterface(kIAccessible, reinterpret_cast<void**>(&inner)))) {
                VARIANT self;
                self.vt = VT_I4;
                self.lVal = CHILDID_SELF;
                visit(inner, self, depth + 1, seen);
                inner->Release();
            }
        } else if (c.vt == VT_I4) {
            visit(object, c, depth + 1, seen);
        }
        VariantClear(&c);
    }
}

BOOL CALLBACK findGame(HWND window, LPARAM found) {
    char title[64] = "";
    GetWindowTextA(window, title, sizeof title);
    if (IsWindowVisible(window) && std::strncmp(title, "Le cinquor", 10) == 0) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

// A focus or alert event raised by the game, read back as a screen reader reads it.
void CALLBACK gameEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD, DWORD) {
    IAccessible* accessible = nullptr;
    VARIANT which;
    VariantInit(&which);
    if (FAILED(AccessibleObjectFromEvent(window, static_cast<DWORD>(object), static_cast<DWORD>(child), &accessible,
                                         &which)) ||
        !accessible) {
        return;
    }
    BSTR name = nullptr;
    accessible->get_accName(which, &name);
    std::string text = utf8(name);
    for (char& c : text) {
        if (c == '\n') c = '/';  // several things told at once: one line
    }
    std::printf("%s: %s\n", event == EVENT_SYSTEM_ALERT ? "told" : "focus", text.c_str());
    std::fflush(stdout);
    accessible->Release();
}

int watchEvents(HWND game) {
    DWORD process = 0;
    GetWindowThreadProcessId(game, &process);
    if (!SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_FOCUS, nullptr, gameEvent, process, 0,
                         WINEVENT_OUTOFCONTEXT) ||
        !SetWinEventHook(EVENT_SYSTEM_ALERT, EVENT_SYSTEM_ALERT, nullptr, gameEvent, process, 0,
                         WINEVENT_OUTOFCONTEXT)) {
        std::printf("no hook\n");
        return 1;
    }
    std::printf("ready\n");
    std::fflush(stdout);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
    return 0;
}

BOOL CALLBACK nameField(HWND control, LPARAM names) {
    char type[16] = "";
    GetClassNameA(control, type, sizeof type);
    if (lstrcmpiA(type, "Edit") != 0) return TRUE;
    IAccessible* field = nullptr;
    if (FAILED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), kIAccessible,
                                          reinterpret_cast<void**>(&field))) ||
        !field) {
        return TRUE;
    }
    VARIANT self;
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    field->get_accName(self, &name);
    add(*reinterpret_cast<std::string*>(names), utf8(name));
    field->Release();
    return TRUE;
}

}  // namespace

int main(int argc, char** argv) {
    _setmode(_fileno(stdout), _O_BINARY);  // lines end in \n alone, as the tests compare them
    Seen seen;
    CoInitialize(nullptr);
    if (argc > 2 && std::strcmp(argv[1], "--fields") == 0) {
        HWND box = FindWindowA(nullptr, argv[2]);
        if (!box) return 1;
        std::string names;
        EnumChildWindows(box, nameField, reinterpret_cast<LPARAM>(&names));
        std::printf("%s\n", names.c_str());
        return 0;
    }
    HWND game = nullptr;
    EnumWindows(findGame, reinterpret_cast<LPARAM>(&game));
    if (!game) {
        std::printf("no game window\n");
        return 1;
    }
    if (argc > 1 && std::strcmp(argv[1], "--events") == 0) return watchEvents(game);
    IAccessible* board = nullptr;
    if (FAILED(AccessibleObjectFromWindow(game, static_cast<DWORD>(OBJID_CLIENT), kIAccessible,
                                          reinterpret_cast<void**>(&board))) ||
        !board) {
        std::printf("no accessible object\n");
        return 1;
    }
    VARIANT self;
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    visit(board, self, 0, seen);
    board->Release();
    std::printf("%d dice, %d cells, pressed: %s; focused: %s\n", seen.dice, seen.cells, seen.pressed.c_str(),
                seen.focused.c_str());
    std::fflush(stdout);
    CoUninitialize();
    return 0;
}
