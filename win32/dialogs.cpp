// dialogs.cpp -- the Options dialog (timing, rolls, passes, the record) and the About dialog.
#include "win32/app.h"

#include <cstdio>

#include "app/shell.h"
#include "game/game_state.h"
#include "resources/resource.h"

namespace {

void setNumber(HWND dialog, int control, std::int32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "%i", static_cast<int>(value));
    SetDlgItemTextA(dialog, control, text);
}

}  // namespace

INT_PTR CALLBACK optionsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            setNumber(dialog, IDC_TIMING, gameState.settings.timer);
            setNumber(dialog, IDC_ROLLS, gameState.settings.lancers);
            setNumber(dialog, IDC_PASSES, gameState.settings.passers);
            return TRUE;
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case IDC_CLEAR_RECORD:
                    gameState.game.record = 0;  // at once: "Annuler" does not bring it back
                    return FALSE;
                case IDC_DEFAULTS:
                    SetDlgItemTextA(dialog, IDC_TIMING, "50");
                    SetDlgItemTextA(dialog, IDC_ROLLS, "3");
                    SetDlgItemTextA(dialog, IDC_PASSES, "0");
                    return FALSE;
                case IDOK: {
                    char timing[100], rolls[100], passes[100];
                    GetDlgItemTextA(dialog, IDC_TIMING, timing, sizeof timing);
                    GetDlgItemTextA(dialog, IDC_ROLLS, rolls, sizeof rolls);
                    GetDlgItemTextA(dialog, IDC_PASSES, passes, sizeof passes);
                    applyOptions(timing, rolls, passes);
                    EndDialog(dialog, IDOK);
                    return TRUE;
                }
                case IDCANCEL:
                    EndDialog(dialog, IDCANCEL);
                    return TRUE;
                default:
                    return FALSE;
            }
        default:
            return FALSE;
    }
}

INT_PTR CALLBACK aboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG: {
            char text[64];
            formatGamesPlayed(text, sizeof text);
            SetDlgItemTextA(dialog, IDC_GAMES_PLAYED, text);
            return TRUE;
        }
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
                EndDialog(dialog, LOWORD(wParam));
                return TRUE;
            }
            return FALSE;
        default:
            return FALSE;
    }
}
