// window.cpp -- mainWindowProc: every event of the game passes here, and the menu's commands.
#include "win32/app.h"

#include "app/saved_state.h"
#include "app/shell.h"
#include "game/help.h"
#include "game/keys.h"
#include "game/turn.h"
#include "render/shown_frame.h"
#include "resources/resource.h"

HWND mainWindow = nullptr;

namespace {

void check(HWND window, UINT item, bool on) {
    CheckMenuItem(GetMenu(window), item, on ? MF_CHECKED : MF_UNCHECKED);
}

// Flips a setting and sets the menu mark that shows it.
void toggle(HWND window, UINT item, Toggle which) { check(window, item, applyToggle(which)); }

// Asks before throwing a game away; true to go on. Only "Oui" throws it away: Wine answers Escape on a
// Yes/No box with IDCANCEL, where Windows ignores the key.
bool confirmLeavingGame(const char* question) {
    if (!gameUnderWay()) return true;
    return MessageBoxA(nullptr, question, "Attention", MB_YESNO | MB_ICONEXCLAMATION) == IDYES;
}

LRESULT command(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    ShellFields& shell = gameState.shell;
    switch (LOWORD(wParam)) {
        case IDM_NEW_GAME:
            if (confirmLeavingGame("Cette partie n'est pas terminée! Etes-vous sûr(e) de vouloir recommencer "
                                   "une partie?")) {
                InvalidateRect(window, nullptr, FALSE);
                gameState.game.newGameRequested = 1;
            }
            return 0;
        case IDM_QUIT:
            if (confirmLeavingGame("Cette partie n'est pas terminée! Voulez-vous vraiment quitter?")) {
                DestroyWindow(window);
            }
            return 0;
        case IDM_INITIAL: {
            const SIZE size = boardWindowSize();
            SetWindowPos(window, nullptr, 0, 0, size.cx, size.cy,
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED | SWP_SHOWWINDOW);
            return 0;
        }
        case IDM_BACKGROUND: toggle(window, IDM_BACKGROUND, Toggle::Background); return 0;
        case IDM_FILTERING: toggle(window, IDM_FILTERING, Toggle::Filtering); return 0;
        case IDM_CONTEXT_HELP: toggle(window, IDM_CONTEXT_HELP, Toggle::ContextHelp); return 0;
        case IDM_ANIMATIONS: toggle(window, IDM_ANIMATIONS, Toggle::Animations); return 0;
        case IDM_WARNINGS: toggle(window, IDM_WARNINGS, Toggle::Warnings); return 0;
        case IDM_OPTIONS:
            DialogBoxParamA(static_cast<HINSTANCE>(shell.appInstance), MAKEINTRESOURCEA(IDD_OPTIONS), window,
                            optionsDialogProc, 0);
            return 0;
        case IDM_ABOUT:
            DialogBoxParamA(static_cast<HINSTANCE>(shell.appInstance), MAKEINTRESOURCEA(IDD_ABOUT), window,
                            aboutDialogProc, 0);
            return 0;
        case IDM_HELP_FILE:
            WinExec("notepad.exe lisez-moi.txt", SW_SHOWDEFAULT);
            return 0;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace

namespace {

LRESULT dispatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!mainWindow) mainWindow = window;
    RECT client{};
    GetClientRect(window, &client);
    captureClientSize(client.right, client.bottom);
    const PrologueSteps steps = runPrologue();
    if (steps.restartTimer) SetTimer(window, 1, static_cast<UINT>(gameState.settings.timer), nullptr);
    if (steps.dropMessage) {
        check(window, IDM_ANIMATIONS, false);
        return 0;
    }

    std::int32_t x = 0;
    std::int32_t y = 0;
    switch (message) {
        case WM_DESTROY:
            writeSavedState(window);
            PostQuitMessage(0);
            return 0;
        case WM_ENDSESSION:
            // A log-off or shut-down: Windows ends the program after this message, without WM_DESTROY.
            if (wParam) writeSavedState(window);
            return 0;
        case WM_PAINT:
            paintWindow(window);  // beginFrame, then paintBoard
            raiseAccessibilityEvents(window);
            return 0;
        case WM_ERASEBKGND:
            return 1;  // the frame covers everything: nothing to erase, nothing flickers
        case WM_CHAR:
            characterTyped(static_cast<int>(wParam));
            return 0;
        case WM_KEYDOWN:
            // The arrows move the keyboard's cursor over the board's controls; other keys become
            // characters.
            switch (wParam) {
                case VK_LEFT: boardKeyPressed(BoardKey::Left); return 0;
                case VK_RIGHT: boardKeyPressed(BoardKey::Right); return 0;
                case VK_UP: boardKeyPressed(BoardKey::Up); return 0;
                case VK_DOWN: boardKeyPressed(BoardKey::Down); return 0;
                default: return DefWindowProcA(window, message, wParam, lParam);
            }
        case WM_COMMAND:
            return command(window, message, wParam, lParam);
        case WM_TIMER:
        case WM_RBUTTONDOWN:
            hoverPass();
            return 0;
        case WM_LBUTTONDOWN:
            gameState.game.buttonDown = 1;
            hoverPass();
            return 0;
        case WM_MOUSEMOVE:
            if (scaleToBoard(static_cast<std::uint32_t>(lParam), client.right, client.bottom, x, y)) {
                pointerMovedTo(x, y);
            }
            return 0;
        case WM_LBUTTONUP:
            if (scaleToBoard(static_cast<std::uint32_t>(lParam), client.right, client.bottom, x, y)) {
                releaseAt(x, y);
            }
            return 0;
        default:
            if (accessibilityRequest(message, wParam)) return 0;
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace

LRESULT CALLBACK mainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // A screen reader's question is no event of the game: it is answered before the game counts it.
    LRESULT answer = 0;
    if (answerAccessibility(window, message, wParam, lParam, answer)) return answer;
    const LRESULT result = dispatch(window, message, wParam, lParam);
    settleRepaintRequest();
    return result;
}
