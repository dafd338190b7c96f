// game_in_progress.h -- the game state the frame benchmarks draw, the same on every platform.
#pragma once

#include "game/game_state.h"

// A game under way, the same at every frame: some categories written, two dice held, the pointer on a
// die with the button up, the three panels lit.
inline void gameInProgress(int frame) {
    GameFields& g = gameState.game;
    g.rollInProgress = 0;
    for (int i = 0; i < 5; ++i) g.dice[i] = 1 + (i + frame) % 6;
    g.heldDice[0] = g.heldDice[3] = 1;
    g.categoryUsed[kAs] = g.categoryUsed[kBrelan] = g.categoryUsed[kFull] = 1;
    g.upperValues[kAs] = 3;
    g.score = g.displayedScore = 50;
    g.rollsThisTurn = 2;
    g.mouseX = 300;
    g.mouseY = 40;
    g.rollPanelLit = g.passPanelLit = g.categoryPanelLit = 1;
    g.categoryPanelX = 300;
    g.categoryPanelY = 240;
}
