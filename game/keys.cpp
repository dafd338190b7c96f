// keys.cpp -- the keyboard's cursor: it places the pointer on a control, so that the hover help, the
// lit panels and the warnings follow it exactly as they follow the pointer, and Enter releases there.
#include "game/keys.h"

#include <cstdlib>

#include "game/game_state.h"
#include "game/platform.h"
#include "game/turn.h"

namespace {

struct Point {
    std::int32_t x, y;
};

// A point inside each control, the centre of what is drawn for it.
Point centreOf(int target) {
    if (target < kDiceCount) return {99 + 72 * target, 44};
    if (target == kCursorPass) return {255, 160};
    if (target == kCursorRoll) return {440, 344};
    const int category = target - kCursorFirstCategory;
    return {100 * (category % 5) + 35, 190 + 30 * (category / 5)};
}

// Rows of the board from the top: dice, pass, three rows of categories, roll.
int rowOf(int target) {
    if (target < kDiceCount) return 0;
    if (target == kCursorPass) return 1;
    if (target == kCursorRoll) return 5;
    return 2 + (target - kCursorFirstCategory) / 5;
}

// The pass button is there only while passes are left.
bool available(int target) { return target != kCursorPass || passesLeft() > 0; }

int targetAt(std::int32_t x, std::int32_t y) {
    for (int t = 0; t < kCursorTargets; ++t) {
        const CursorBox b = cursorBox(t);
        if (available(t) && x >= b.x && x < b.x + b.width && y >= b.y && y < b.y + b.height) return t;
    }
    return -1;
}

// The next control in reading order, round the board.
int stepAlong(int from, int step) {
    int t = from;
    do {
        t = (t + step + kCursorTargets) % kCursorTargets;
    } while (!available(t));
    return t;
}

// The control of the next row up or down nearest to `from` across; `from` itself at the top or bottom.
int stepAcross(int from, int step) {
    for (int row = rowOf(from) + step; row >= 0 && row <= 5; row += step) {
        int best = -1;
        for (int t = 0; t < kCursorTargets; ++t) {
            if (!available(t) || rowOf(t) != row) continue;
            if (best < 0 || std::abs(centreOf(t).x - centreOf(from).x) < std::abs(centreOf(best).x - centreOf(from).x)) {
                best = t;
            }
        }
        if (best >= 0) return best;
    }
    return from;
}

void placeCursor(int target) {
    GameFields& g = gameState.game;
    g.cursor = target;
    const Point p = centreOf(target);
    g.mouseX = p.x;
    g.mouseY = p.y;
}

bool gameOver() { return usedCount() == kCategoryCount; }

}  // namespace

CursorBox cursorBox(int target) {
    if (target < kDiceCount) return {69 + 72 * target, 16, 68, 86};  // the die and its "Retenu"
    if (target == kCursorPass) return {197, 147, 121, 26};
    if (target == kCursorRoll) return {371, 327, 140, 34};
    const int category = target - kCursorFirstCategory;
    return {100 * (category % 5) - 3, 177 + 30 * (category / 5), 77, 26};
}

int keyboardCursor() { return gameState.game.cursor; }

void boardKeyPressed(BoardKey key) {
    GameFields& g = gameState.game;
    if (key == BoardKey::Enter) {
        if (gameOver() || g.cursor >= 0) releaseAt(g.mouseX, g.mouseY);
        return;
    }
    int target = g.cursor;
    if (target < 0) {
        target = targetAt(g.mouseX, g.mouseY);
        if (target < 0) target = 0;
    } else if (key == BoardKey::Left || key == BoardKey::Right) {
        target = stepAlong(target, key == BoardKey::Right ? 1 : -1);
    } else {
        target = stepAcross(target, key == BoardKey::Down ? 1 : -1);
    }
    placeCursor(target);
    requestRepaint();
}

void focusControl(int target) {
    if (target < 0 || target >= kCursorTargets || target == gameState.game.cursor) return;
    placeCursor(target);
    requestRepaint();
}

void activateControl(int target) {
    if (target < 0 || target >= kCursorTargets) return;
    placeCursor(target);
    releaseAt(gameState.game.mouseX, gameState.game.mouseY);
}

void dieKeyPressed(int die) {
    if (die < 0 || die >= kDiceCount) return;
    placeCursor(die);
    releaseAt(gameState.game.mouseX, gameState.game.mouseY);
}

void pointerMovedTo(std::int32_t x, std::int32_t y) {
    GameFields& g = gameState.game;
    const bool moved = x != g.pointerX || y != g.pointerY;
    g.pointerX = x;
    g.pointerY = y;
    if (g.cursor >= 0 && !moved) return;
    g.cursor = -1;
    g.mouseX = x;
    g.mouseY = y;
}
