// shown_frame.cpp -- what the window shows, so that an idle board costs nothing.
#include "render/shown_frame.h"

#include <cstddef>
#include <cstring>
#include <type_traits>

#include "game/frame.h"
#include "game/game_state.h"
#include "render/board.h"
#include "render/draw.h"

namespace {

// Everything a paint reads: the game, the settings, the shell's animations flag (beginFrame) and the
// logical board size, the background mode, and the client area it is stretched onto. Fonts and surfaces
// are made once, before the first frame.
struct FrameInputs {
    GameFields game;
    Settings settings;
    std::int32_t animationsOn;
    std::int32_t initialClientWidth;
    std::int32_t initialClientHeight;
    std::int32_t backgroundMode;
    std::int32_t clientWidth;
    std::int32_t clientHeight;
};

// GameFields holds 32-bit numbers and one pointer: compared as bytes on both sides of the pointer, so
// that no padding byte takes part.
static_assert(offsetof(GameFields, helpText) == offsetof(GameFields, poorChoice) + sizeof(std::int32_t),
              "no padding before the help text");
static_assert(offsetof(GameFields, categoryPanelLit) == offsetof(GameFields, helpText) + sizeof(const char*),
              "the numbers after the help text follow it");
static_assert(sizeof(GameFields) == offsetof(GameFields, writtenValues) + sizeof(GameFields::writtenValues) &&
                  offsetof(GameFields, writtenValues) ==
                      offsetof(GameFields, categoryPanelLit) + 11 * sizeof(std::int32_t),
              "the numbers after the help text run without a gap to the end");
static_assert(std::has_unique_object_representations_v<Settings>, "the settings compare as bytes");

bool sameGame(const GameFields& a, const GameFields& b) {
    constexpr std::size_t tail = sizeof(GameFields) - offsetof(GameFields, categoryPanelLit);
    return std::memcmp(&a, &b, offsetof(GameFields, helpText)) == 0 && a.helpText == b.helpText &&
           std::memcmp(&a.categoryPanelLit, &b.categoryPanelLit, tail) == 0;
}

bool sameInputs(const FrameInputs& a, const FrameInputs& b) {
    return sameGame(a.game, b.game) && std::memcmp(&a.settings, &b.settings, sizeof(Settings)) == 0 &&
           a.animationsOn == b.animationsOn && a.initialClientWidth == b.initialClientWidth &&
           a.initialClientHeight == b.initialClientHeight && a.backgroundMode == b.backgroundMode &&
           a.clientWidth == b.clientWidth && a.clientHeight == b.clientHeight;
}

void capture(FrameInputs& inputs, std::int32_t clientWidth, std::int32_t clientHeight) {
    inputs.game = gameState.game;
    inputs.settings = gameState.settings;
    inputs.animationsOn = gameState.shell.animationsOn;
    inputs.initialClientWidth = gameState.shell.initialClientWidth;
    inputs.initialClientHeight = gameState.shell.initialClientHeight;
    inputs.backgroundMode = gameState.drawing.backgroundMode;
    inputs.clientWidth = clientWidth;
    inputs.clientHeight = clientHeight;
}

// A frame that the same inputs always draw the same: a full frame (not a loading paint), no dice to
// roll (they draw random numbers), no new game to start (it rolls), and a background that is redrawn
// rather than drawn over.
bool repeatable() {
    const GameFields& g = gameState.game;
    const std::int32_t mode = gameState.drawing.backgroundMode;
    return gameState.drawing.paintStage == 0 && !g.rollInProgress && !g.newGameRequested && (mode == 0 || mode == 1);
}

// The frame on the window: the inputs it was drawn from and the game as that paint left it.
struct ShownFrame {
    bool known = false;
    FrameInputs before;
    GameFields after;
};
ShownFrame shown;
FrameInputs now;  // kept here rather than on the stack of every tick

}  // namespace

void paintWindow(void* window) {
    std::int32_t width = 0;
    std::int32_t height = 0;
    windowClientSize(window, width, height);
    const bool known = repeatable();
    if (known) capture(shown.before, width, height);
    beginFrame();
    paintBoard(window);
    shown.known = known;
    if (known) shown.after = gameState.game;
}

bool frameAlreadyShown(std::int32_t clientWidth, std::int32_t clientHeight, bool paintPending) {
    if (!shown.known || paintPending) return false;  // the same inputs as a repeatable frame are repeatable too
    capture(now, clientWidth, clientHeight);
    if (!sameInputs(now, shown.before)) return false;
    gameState.game = shown.after;  // the same state gives the same books: what the paint would leave
    return true;
}

void forgetShownFrame() { shown.known = false; }
