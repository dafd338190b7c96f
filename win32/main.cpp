// main.cpp -- WinMain: the working folder, the saved state and configuration, the window, the loop.
#include <windows.h>
#include <shellapi.h>

#include <cstdlib>
#include <cstring>
#include <ctime>
#include <cwchar>
#include <vector>

#include "win32/app.h"
#include "app/saved_state.h"
#include "app/shell.h"
#include "config/configuration.h"
#include "game/int32.h"
#include "render/surfaces.h"
#include "resources/resource.h"

namespace {

char configPath[kConfigPathSize];

// The program's own folder becomes the working folder, so that its files are found wherever it was
// started from. The wide call keeps a folder whose name holds characters outside Windows-1252.
void enterProgramFolder(const wchar_t* program) {
    std::vector<wchar_t> folder(program, program + std::wcslen(program) + 1);
    keepDirectory(folder.data());
    SetCurrentDirectoryW(folder.data());
}

void registerWindowClass(HINSTANCE instance) {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = mainWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_CINQUOR));
    windowClass.hIconSm = LoadIconA(instance, MAKEINTRESOURCEA(IDI_SMALL));
    windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // the arrow
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszMenuName = MAKEINTRESOURCEA(IDC_CINQUOR);
    windowClass.lpszClassName = gameState.shell.windowClassName;
    RegisterClassExA(&windowClass);
}

void checkMenu(HMENU menu, UINT item, bool on) { CheckMenuItem(menu, item, on ? MF_CHECKED : MF_UNCHECKED); }

}  // namespace

SIZE boardWindowSize() {
    RECT r{0, 0, kBoardWidth, kBoardHeight};
    AdjustWindowRectEx(&r, WS_OVERLAPPEDWINDOW, TRUE, 0);
    return SIZE{r.right - r.left, r.bottom - r.top};
}

namespace {

bool createMainWindow(HINSTANCE instance, int showCommand) {
    gameState.shell.appInstance = instance;
    // Frames differ from one Windows to the next: the size is the one whose client area holds the board.
    const SIZE size = boardWindowSize();
    HWND window = CreateWindowExA(0, gameState.shell.windowClassName, gameState.shell.windowTitle,
                                  WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, 0, size.cx, size.cy, nullptr, nullptr,
                                  instance, nullptr);
    if (!window) return false;
    mainWindow = window;
    SetTimer(window, 1, static_cast<UINT>(gameState.settings.timer), nullptr);
    HMENU menu = GetMenu(window);
    checkMenu(menu, IDM_BACKGROUND, toggleChecked(Toggle::Background));
    checkMenu(menu, IDM_CONTEXT_HELP, toggleChecked(Toggle::ContextHelp));
    checkMenu(menu, IDM_ANIMATIONS, toggleChecked(Toggle::Animations));
    checkMenu(menu, IDM_FILTERING, toggleChecked(Toggle::Filtering));
    checkMenu(menu, IDM_WARNINGS, toggleChecked(Toggle::Warnings));
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    SetThreadPriorityBoost(GetCurrentThread(), TRUE);
    return true;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    int argc = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (argv && argc > 0) enterProgramFolder(argv[0]);
    if (argv && argc > 1) {
        narrowArgument(configPath, sizeof configPath, argv[1]);  // too long: a file that can't be opened
    } else {
        std::strcpy(configPath, "Config.txt");
    }
    LocalFree(argv);

    // COM in this thread: screen readers reach the board's accessible objects through it.
    OleInitialize(nullptr);
    gameState.shell.timerChanged = 0;
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    LoadStringA(instance, IDS_TITLE, gameState.shell.windowTitle, sizeof gameState.shell.windowTitle);
    LoadStringA(instance, IDS_CLASS, gameState.shell.windowClassName, sizeof gameState.shell.windowClassName);
    registerWindowClass(instance);
    removeLeftovers();
    loadSavedState();
    readConfiguration(configPath);
    createFonts();
    gameState.game.gamesPlayed = int32::add(gameState.game.gamesPlayed, 1);
    if (!createMainWindow(instance, showCommand)) return 0;

    HACCEL accelerators = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(IDC_CINQUOR));
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0)) {
        if (!TranslateAcceleratorA(message.hwnd, accelerators, &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    return static_cast<int>(message.wParam);
}
