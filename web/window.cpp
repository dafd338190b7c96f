// window.cpp -- the game's page: every event of the page (page.js) mapped onto the same calls as the
// Windows window procedure makes, in the same order; the menu's commands; the end of a game's page.
#include <emscripten.h>

#include <cstdint>

#include "web/app.h"
#include "app/message_box.h"
#include "app/saved_state.h"
#include "app/shell.h"
#include "game/announce.h"
#include "game/help.h"
#include "game/board_parts.h"
#include "game/keys.h"
#include "game/turn.h"
#include "render/draw.h"
#include "web/draw.h"
#include "render/board.h"
#include "render/shown_frame.h"
#include "render/surfaces.h"
#include "render/text_encoding.h"
#include "resources/resource.h"

namespace {

bool ended = false;  // "Quitter": the record is saved and the page shows its end

EM_JS(void, jsFirstFrame, (), {
    performance.mark("first-frame");
    Module.cinquorPage.firstFrame();
});
EM_JS(void, jsStart, (), { Module.cinquorPage.start(); });
EM_JS(void, jsSetTimer, (int interval), { Module.cinquorPage.setTimer(interval); });
EM_JS(void, jsSetMarks, (int marks), { Module.cinquorPage.setMarks(marks); });
EM_JS(void, jsEnd, (bool saved), { Module.cinquorPage.end(saved); });
EM_JS(void, jsInitialSize, (), { Module.cinquorPage.initialSize(); });
EM_JS(void, jsOpenReadMe, (), { Module.cinquorPage.openReadMe(); });
EM_JS(void, jsAnnounce, (const char* text), { Module.cinquorPage.announce(UTF8ToString(text)); });
EM_JS(void, jsAnnounceEvent, (const char* text), { Module.cinquorPage.announceEvent(UTF8ToString(text)); });
EM_JS(void, jsSetParts, (const char* text), { Module.cinquorPage.setParts(UTF8ToString(text)); });

// The interval as Windows' SetTimer takes it: below 10 ms is 10 ms; a negative one, read as a huge
// unsigned number, never comes round.
void restartTimer() {
    const std::int32_t interval = gameState.settings.timer;
    jsSetTimer(interval < 0 ? -1 : interval < 10 ? 10 : interval);
}

// The five check marks, a bit each in the order of kToggles.
void syncMarks() {
    int marks = 0;
    for (int i = 0; i < 5; ++i) marks |= toggleChecked(kToggles[i]) ? 1 << i : 0;
    jsSetMarks(marks);
}

// What runs before every event, as before every message on Windows: the timer restarted after the
// Options dialog, and animations switched off above a second a frame (the event that finds them on is
// dropped). False when the event is dropped; nothing runs once the game has ended.
bool prologue() {
    if (ended) return false;
    const PrologueSteps steps = runPrologue();
    if (steps.restartTimer) restartTimer();
    if (steps.dropMessage) syncMarks();
    return !steps.dropMessage;
}

// A position on the board's canvas, in CSS pixels, into board coordinates through the stretch.
bool boardPosition(int x, int y, std::int32_t& boardX, std::int32_t& boardY) {
    std::int32_t width = 0;
    std::int32_t height = 0;
    windowClientSize(nullptr, width, height);
    if (x < 0 || y < 0 || x >= width || y >= height) return false;  // only over the board, as on Windows
    const auto packed = static_cast<std::uint32_t>(x & 0xFFFF) | static_cast<std::uint32_t>(y & 0xFFFF) << 16;
    return scaleToBoard(packed, width, height, boardX, boardY);
}

bool confirmLeavingGame(const char* question) {
    if (!gameUnderWay()) return true;
    return showMessageBox(nullptr, question, "Attention", kBoxYesNo | kBoxIconExclamation) == kAnswerYes;
}

// The end of the game's page: the record saved, the board replaced by the page's farewell.
void endGame() {
    if (ended) return;
    ended = true;
    jsSetTimer(-1);
    const bool saved = writeSavedStateQuietly();
    if (!saved) showMessageBox(nullptr, "Pas pu enregistrer", "Oups...", kBoxOk | kBoxIconError);
    jsEnd(saved);
}

void command(int id) {
    switch (id) {
        case IDM_NEW_GAME:
            if (confirmLeavingGame("Cette partie n'est pas terminée! Etes-vous sûr(e) de vouloir recommencer "
                                   "une partie?")) {
                requestWindowRepaint(nullptr);
                gameState.game.newGameRequested = 1;
            }
            break;
        case IDM_QUIT:
            if (confirmLeavingGame("Cette partie n'est pas terminée! Voulez-vous vraiment quitter?")) endGame();
            break;
        case IDM_INITIAL: jsInitialSize(); break;
        case IDM_BACKGROUND: applyToggle(Toggle::Background); break;
        case IDM_FILTERING: applyToggle(Toggle::Filtering); break;
        case IDM_CONTEXT_HELP: applyToggle(Toggle::ContextHelp); break;
        case IDM_ANIMATIONS: applyToggle(Toggle::Animations); break;
        case IDM_WARNINGS: applyToggle(Toggle::Warnings); break;
        case IDM_OPTIONS: runOptionsDialog(); break;
        case IDM_ABOUT: runAboutDialog(); break;
        case IDM_HELP_FILE: jsOpenReadMe(); break;
        default: break;
    }
}

// Run at the end of every event: the repaint the rules asked for, and the status line for screen readers.
void settle() {
    if (ended) return;
    settleRepaintRequest();
}

// The status line for screen readers: what the last frame showed there, once each time it changes (the
// help text itself may change back and forth between two frames, unseen).
void announceStatusLine() {
    static const char* announced = nullptr;
    const char* text = shownStatusLine();
    if (text && text != announced) {  // a constant text: the same pointer, the same words
        announced = text;
        jsAnnounce(utf8FromWindows1252(text).c_str());
    }
}

// The board's parts for the page's mirror of them, when any has changed since the last frame.
void showParts() {
    static std::string shown;
    static int shownCursor = -2;
    // While the dice roll their faces change at every frame: the mirror learns the faces they stop on.
    // A screen reader has nothing to read in the blur, and each change costs the page a style and layout
    // of the mirror at every frame of the roll (a quarter of the page's work while the dice roll). The
    // cursor's moves are followed at once.
    if (gameState.game.rollInProgress && !shown.empty() && keyboardCursor() == shownCursor) return;
    shownCursor = keyboardCursor();
    std::string text = std::to_string(shownCursor);
    for (const BoardPart& p : boardParts()) {
        text += "\n" + std::to_string(p.pressed) + " " + std::to_string(p.enabled) + " " + std::to_string(p.box.x) +
                " " + std::to_string(p.box.y) + " " + std::to_string(p.box.width) + " " +
                std::to_string(p.box.height) + " " + p.name;
    }
    if (text == shown) return;
    shown = text;
    jsSetParts(utf8FromWindows1252(text.c_str()).c_str());
}

}  // namespace

void startPage() {
    jsStart();
    restartTimer();
    syncMarks();
    requestWindowRepaint(nullptr);
    settle();
}

// The page's events. Each is an event of the window procedure: the prologue, the game's call, and the
// repaint it asked for.
extern "C" {

EMSCRIPTEN_KEEPALIVE void web_tick() {
    if (prologue()) hoverPass();
    settle();
}

EMSCRIPTEN_KEEPALIVE void web_paint() {
    if (ended) return;
    if (!prologue()) {
        requestWindowRepaint(nullptr);  // a paint that is not done is asked for again
        return;
    }
    if (gameState.drawing.paintStage == 0 && missedPicturesMayBeRead()) gameState.drawing.paintStage = 1;
    // The page shows its own "Chargement..." from its first paint, where the board would draw it, until
    // the first full frame: the board's first paint goes straight to making the surfaces, and the start
    // spares a paint of the whole board that nobody would see.
    if (gameState.drawing.paintStage == 2) gameState.drawing.paintStage = 1;
    const bool wholeFrame = gameState.drawing.paintStage == 0;  // not the paint that makes the surfaces
    yieldBetweenSurfaces(!wholeFrame);
    paintWindow(nullptr);  // beginFrame, then paintBoard
    yieldBetweenSurfaces(false);
    announceStatusLine();
    for (const std::string& text : takeAnnouncements()) jsAnnounceEvent(utf8FromWindows1252(text.c_str()).c_str());
    showParts();
    static bool firstFrame = true;
    if (firstFrame && wholeFrame) {  // the board itself, shown from now on (and a mark for the benchmarks)
        firstFrame = false;
        jsFirstFrame();
    }
    settle();
}

EMSCRIPTEN_KEEPALIVE void web_move(int x, int y) {
    std::int32_t bx = 0;
    std::int32_t by = 0;
    if (!boardPosition(x, y, bx, by) || !prologue()) return;
    pointerMovedTo(bx, by);
}

// Button 0 is the main one (a tap too), 2 the secondary one, as the browser numbers them.
EMSCRIPTEN_KEEPALIVE void web_press(int button) {
    if ((button != 0 && button != 2) || !prologue()) return;
    if (button == 0) gameState.game.buttonDown = 1;
    hoverPass();
    settle();
}

EMSCRIPTEN_KEEPALIVE void web_release(int button, int x, int y) {
    std::int32_t bx = 0;
    std::int32_t by = 0;
    if (button != 0 || !boardPosition(x, y, bx, by) || !prologue()) return;
    releaseAt(bx, by);
    settle();
}

EMSCRIPTEN_KEEPALIVE void web_character(int character) {
    if (prologue()) characterTyped(character);
    settle();
}

// A screen reader's focus on one of the board's controls, and its action there.
EMSCRIPTEN_KEEPALIVE void web_focus(int target) {
    if (prologue()) focusControl(target);
    settle();
}

EMSCRIPTEN_KEEPALIVE void web_activate(int target) {
    if (prologue()) activateControl(target);
    settle();
}

// An arrow: 0 left, 1 right, 2 up, 3 down.
EMSCRIPTEN_KEEPALIVE void web_arrow(int arrow) {
    if (arrow < 0 || arrow > 3) return;
    if (prologue()) boardKeyPressed(static_cast<BoardKey>(arrow));
    settle();
}

EMSCRIPTEN_KEEPALIVE void web_command(int id) {
    if (!prologue()) return;
    command(id);
    if (!ended) syncMarks();
    settle();
}

// The page's device pixel ratio changed (a zoom, another screen): the surfaces are made again at it.
EMSCRIPTEN_KEEPALIVE void web_scale(int scale) {
    if (scale == deviceScale()) return;
    setDeviceScale(scale);
    if (gameState.drawing.paintStage == 0) gameState.drawing.paintStage = 1;
    requestWindowRepaint(nullptr);
}

// The page is hidden or closed: the record is kept at once, without a word (the player may never see one).
EMSCRIPTEN_KEEPALIVE void web_hidden() {
    if (!ended) writeSavedStateQuietly();
}

EMSCRIPTEN_KEEPALIVE void web_clear_record() { gameState.game.record = 0; }

EMSCRIPTEN_KEEPALIVE void web_apply_options(const char* timing, const char* rolls, const char* passes) {
    applyOptions(timing, rolls, passes);
}

}  // extern "C"
