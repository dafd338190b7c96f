// game_state.cpp -- the one GameState instance and the values derived from the sheet.
#include "game/game_state.h"

#include <cstdint>

#include "game/int32.h"

GameState gameState;

int usedCount() {
    int used = 0;
    for (std::int32_t flag : gameState.game.categoryUsed) used += flag != 0;
    return used;
}

std::int32_t upperSubtotal() {
    std::int32_t sum = 0;
    for (std::int32_t v : gameState.game.upperValues) sum = int32::add(sum, v);
    return sum;
}

std::int32_t passesLeft() {
    // Compared wide: a passers near INT32_MIN must not wrap round to a huge number of passes.
    const std::int64_t left = std::int64_t{gameState.settings.passers} - gameState.game.passesUsed;
    if (left <= 0) return 0;
    return left > INT32_MAX ? INT32_MAX : static_cast<std::int32_t>(left);
}
