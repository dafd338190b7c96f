// shell.cpp -- the arithmetic of the window shell that needs no window.
#include "app/shell.h"

#include <cstdio>
#include <cstring>
#include <cwchar>

#include "config/values.h"
#include "game/game_state.h"
#include "game/int32.h"

bool narrowArgument(char* dest, std::size_t size, const wchar_t* source) {
    const std::size_t length = std::wcslen(source);
    if (length >= size) {
        // A cut path would name another file: the argument is a file that cannot be opened.
        dest[0] = '\0';
        return false;
    }
    for (std::size_t i = 0; i <= length; ++i) dest[i] = static_cast<char>(source[i] & 0xFF);
    return true;
}

void keepDirectory(wchar_t* path) {
    for (std::size_t i = std::wcslen(path); i-- > 1;) {
        if (path[i] == L'\\') {
            path[i] = L'\0';
            return;
        }
    }
}

bool scaleToBoard(std::uint32_t lParam, std::int32_t clientWidth, std::int32_t clientHeight,
                  std::int32_t& x, std::int32_t& y) {
    if (clientWidth <= 0 || clientHeight <= 0) return false;
    const ShellFields& shell = gameState.shell;
    const auto px = static_cast<std::int32_t>(lParam & 0xFFFF);
    const auto py = static_cast<std::int32_t>(lParam >> 16 & 0xFFFF);
    x = int32::div(int32::mul(px, shell.initialClientWidth), clientWidth);
    y = int32::div(int32::mul(py, shell.initialClientHeight), clientHeight);
    return true;
}

void captureClientSize(std::int32_t clientWidth, std::int32_t clientHeight) {
    ShellFields& shell = gameState.shell;
    // A window that starts minimised has no client area yet: the board keeps its own size then.
    if (shell.messageCount < 10 && clientWidth > 0 && clientHeight > 0) {
        shell.initialClientWidth = clientWidth;
        shell.initialClientHeight = clientHeight;
    }
    if (shell.messageCount < 10) ++shell.messageCount;
}

namespace {

std::int32_t& toggledValue(Toggle toggle) {
    switch (toggle) {
        case Toggle::Background: return gameState.drawing.backgroundMode;
        case Toggle::Filtering: return gameState.settings.filtrage;
        case Toggle::ContextHelp: return gameState.settings.aide;
        case Toggle::Animations: return gameState.shell.animationsOn;
        case Toggle::Warnings: break;
    }
    return gameState.shell.warningsOn;
}

}  // namespace

bool applyToggle(Toggle toggle) {
    std::int32_t& value = toggledValue(toggle);
    if (toggle == Toggle::Background || toggle == Toggle::ContextHelp) {
        value = int32::sub(1, value);  // 2 (from a file) gives -1, as the menu always did on Windows
    } else {
        value = value ? 0 : 1;
    }
    return toggleChecked(toggle);
}

bool toggleChecked(Toggle toggle) {
    const std::int32_t value = toggledValue(toggle);
    return toggle == Toggle::Background ? value == 0 : value != 0;
}

PrologueSteps runPrologue() {
    ShellFields& shell = gameState.shell;
    PrologueSteps steps{shell.timerChanged != 0, false};
    shell.timerChanged = 0;
    if (gameState.settings.timer > 1000 && shell.animationsOn) {
        shell.animationsOn = 0;
        steps.dropMessage = true;
    }
    return steps;
}

void chooseConfigPath(char* out, std::size_t size, const char* argument) {
    if (size == 0) return;
    if (!argument) argument = "Config.txt";
    const std::size_t length = std::strlen(argument);
    if (length >= size) {
        out[0] = '\0';
    } else {
        std::memcpy(out, argument, length + 1);
    }
}

bool gameUnderWay() {
    const int used = usedCount();
    return used >= 1 && used <= 14;
}

void applyOptions(const char* timing, const char* rolls, const char* passes) {
    Settings& s = gameState.settings;
    // An empty or zero field keeps the old value, except the passes, which may be zero.
    const std::int32_t timer = readInteger(timing);
    if (timer != 0) {
        s.timer = timer;
        gameState.shell.timerChanged = 1;
    }
    const std::int32_t lancers = readInteger(rolls);
    if (lancers != 0) s.lancers = lancers;
    s.passers = readInteger(passes);
}

void formatGamesPlayed(char* out, std::size_t size) {
    std::snprintf(out, size, "Joué %05i fois", static_cast<int>(gameState.game.gamesPlayed));
}
