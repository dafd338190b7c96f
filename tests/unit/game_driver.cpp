// game_driver.cpp -- plays the game through the same entry points the window procedure uses.
#include "tests/unit/game_driver.h"

#include "game/announce.h"
#include "game/frame.h"
#include "game/help.h"
#include "game/turn.h"

namespace driver {

Point onDie(int die) { return {75 + 72 * die + 24, 44}; }
Point onCategory(int category) { return {100 * (category % 5) + 35, 180 + 30 * (category / 5) + 10}; }

void paint() {
    // The game's steps of a frame, at their places among the drawing.
    beginFrame();
    advanceDisplayedScore();  // just before the score is drawn
    applyUpperBonus();        // after the category names, before the record and the subtotal
    announceFrameEvents();
    rollFrameStep();          // after the labels, before the dice
}

int finishRoll(int limit) {
    int frames = 0;
    while (gameState.game.rollInProgress && frames < limit) {
        paint();
        ++frames;
    }
    return frames;
}

void moveTo(Point p) {
    gameState.game.mouseX = p.x;
    gameState.game.mouseY = p.y;
}

void click(Point p) {
    moveTo(p);
    gameState.game.buttonDown = 1;
    hoverPass();
    releaseAt(p.x, p.y);
}

void setDice(std::initializer_list<int> faces) {
    int i = 0;
    for (int f : faces) gameState.game.dice[i++] = f;
}

}  // namespace driver
