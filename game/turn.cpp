// turn.cpp -- the turn cycle: rolls, holds, passes and writing the dice into the sheet.
#include "game/turn.h"

#include "game/announce.h"
#include "game/board_regions.h"
#include "game/categories.h"
#include "game/game_state.h"
#include "game/help.h"
#include "game/int32.h"
#include "game/keys.h"
#include "game/platform.h"

namespace {

void clearHolds() {
    for (std::int32_t& held : gameState.game.heldDice) held = 0;
}

// A roll of all five dice that opens a turn (after a write or a pass): a full count of rolls again.
void startTurnRoll() {
    GameFields& g = gameState.game;
    g.rollInProgress = 1;
    g.rollFrame = 1;
    g.rollsThisTurn = 0;
}

bool rollsLeft() { return gameState.game.rollsThisTurn < gameState.settings.lancers; }

}  // namespace

void requestRoll() {
    gameState.game.rollInProgress = 1;
    gameState.game.rollFrame = 1;
}

void rollFrameStep() {
    GameFields& g = gameState.game;
    if (!g.rollInProgress) return;
    for (int i = 0; i < kDiceCount; ++i) {
        // A die held before it ever rolled (a click during the loading paints) still gets a face.
        if (!g.heldDice[i] || g.dice[i] == 0) g.dice[i] = nextRandom() % kFaceCount + 1;
    }
    bool ends = true;
    if (gameState.shell.animationsOn) {
        // A slower tick means fewer frames: about a second per roll at any interval up to 1000 ms.
        std::int32_t step = int32::div(gameState.settings.timer, 50);
        if (step == 0) step = 1;
        const std::int32_t frames = int32::div(20, step);
        ends = g.rollFrame > frames;
        g.rollFrame = int32::add(g.rollFrame, 1);
    }
    if (ends) {
        g.rollsThisTurn = int32::add(g.rollsThisTurn, 1);
        g.rollInProgress = 0;
        // The roll that follows the last write of a game shows faces nobody will play: nothing to tell.
        if (usedCount() < kCategoryCount) announceRoll();
    }
}

void characterTyped(int character) {
    if (character >= '1' && character <= '5') {
        dieKeyPressed(character - '1');
        return;
    }
    // Enter clicks at the keyboard's cursor, and starts the next game once one is over.
    if (character == '\r' && (gameState.game.cursor >= 0 || usedCount() == kCategoryCount)) {
        boardKeyPressed(BoardKey::Enter);
        return;
    }
    // The pointer goes out of the way, unless the keyboard's cursor holds it on a control.
    if (gameState.game.cursor < 0) {
        gameState.game.mouseX = 0;
        gameState.game.mouseY = 0;
    }
    if (character == ' ' && rollsLeft()) requestRoll();
}

void releaseAt(std::int32_t x, std::int32_t y) {
    GameFields& g = gameState.game;
    g.buttonDown = 0;
    if (usedCount() == kCategoryCount) {
        g.newGameRequested = 1;
        requestRepaint();
        return;
    }
    requestRepaint();

    // Pass and category follow the pointer the hover pass saw; roll and dice the release position.
    // The regions never overlap, so at most one of these acts.
    if (onPassButton(g.mouseX, g.mouseY) && passesLeft() > 0) {
        clearHolds();
        startTurnRoll();
        g.passesUsed = int32::add(g.passesUsed, 1);
        announcePass();
    }
    if (onRollButton(x, y) && rollsLeft()) requestRoll();
    const int die = dieAt(x, y);
    if (die >= 0) {
        g.heldDice[die] = g.heldDice[die] ? 0 : 1;
        announceHold(die);
    }
    const int category = categoryAt(g.mouseX, g.mouseY);
    if (category >= 0 && !g.categoryUsed[category]) writeCategory(category);
}

bool writeCategory(int k) {
    if (k < 0 || k >= kCategoryCount) return false;
    GameFields& g = gameState.game;
    const Evaluation e = evaluateCategory(k);
    g.selectedValue = e.value;
    g.poorChoice = e.poor ? 1 : 0;
    g.helpText = e.description;
    if (e.poor && gameState.shell.warningsOn && !confirmPoorWrite(k, e.value)) return false;

    startTurnRoll();
    g.score = int32::add(g.score, e.value);
    // Five equal dice keep "Cinquor" open for another write; only a write of zero closes it.
    if (!(k == kCinquor && e.value > 0)) g.categoryUsed[k] = 1;
    if (k == kCinquor) g.fiveOfAKindValue = int32::add(g.fiveOfAKindValue, 50);
    if (k < kUpperCategoryCount) g.upperValues[k] = e.value;
    g.writtenValues[k] = int32::add(g.writtenValues[k], e.value);
    clearHolds();
    announceWrite(k, e.value);
    return true;
}
