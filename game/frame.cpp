// frame.cpp -- the books a paint keeps: game end, new game, upper bonus, shown score, record and its mark.
#include "game/frame.h"

#include "game/game_state.h"
#include "game/int32.h"

namespace {
const char kGameOverText[] = "Partie terminée!";
}  // namespace

void beginFrame() {
    GameFields& g = gameState.game;
    const Settings& s = gameState.settings;
    if (usedCount() == kCategoryCount) g.helpText = kGameOverText;
    // More than three rolls, or passes allowed at all, make the game easier: once seen, the mark stays
    // for the rest of the game.
    if (s.lancers > 3 || s.passers >= 1) g.gameCheated = 1;
    // The record follows the score upwards during the game; an equal score changes nothing.
    if (g.score > g.record) {
        g.record = g.score;
        g.recordCheated = g.gameCheated;
        g.recordRaised = 1;
    }
    if (g.newGameRequested) resetGame();
    if (!gameState.shell.animationsOn) g.displayedScore = g.score;
}

void resetGame() {
    GameFields& g = gameState.game;
    g.gamesPlayed = int32::add(g.gamesPlayed, 1);
    g.newGameRequested = 0;
    g.rollInProgress = 1;
    g.rollFrame = 0;
    g.rollsThisTurn = 0;
    g.score = 0;
    g.upperBonusGiven = 0;
    g.gameCheated = 0;
    g.recordRaised = 0;
    g.bonusAnnounced = 0;
    g.endAnnounced = 0;
    g.passesUsed = 0;
    g.fiveOfAKindValue = kFirstCinquorValue;
    g.selectedValue = 0;
    g.categoryPanelLit = 0;
    g.rollPanelLit = 0;
    for (std::int32_t& held : g.heldDice) held = 0;
    for (std::int32_t& used : g.categoryUsed) used = 0;
    for (std::int32_t& value : g.upperValues) value = 0;
    for (std::int32_t& value : g.writtenValues) value = 0;
}

void advanceDisplayedScore() {
    GameFields& g = gameState.game;
    const std::int32_t timer = gameState.settings.timer;
    if (g.displayedScore < g.score) {
        // A slower tick climbs in bigger steps, so the count-up takes about as long at any interval.
        // Summed wide, so that a step past the score stops at the score instead of wrapping round.
        const std::int64_t next = std::int64_t{g.displayedScore} + (timer >= 50 ? timer / 50 : 1);
        g.displayedScore = next > g.score ? g.score : static_cast<std::int32_t>(next);
    }
    if (g.displayedScore > g.score) g.displayedScore = g.score;
}

void applyUpperBonus() {
    GameFields& g = gameState.game;
    if (upperSubtotal() >= kUpperBonusThreshold && !g.upperBonusGiven) {
        g.score = int32::add(g.score, kUpperBonus);
        g.upperBonusGiven = 1;
    }
}
