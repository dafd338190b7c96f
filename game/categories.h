// categories.h -- the fifteen categories of the score sheet and what the dice are worth in each.
#pragma once

#include <cstdint>

#include "game/game_state.h"

struct CategoryInfo {
    const char* name;           // drawn on the sheet
    const char* warningPhrase;  // opens the second line of the poor-write warning
    const char* description;    // status-line help over the category
};

extern const CategoryInfo kCategories[kCategoryCount];

struct Evaluation {
    std::int32_t value;       // points the category would bring, 0 or more
    bool poor;                // under the category's par: warn before writing it
    const char* description;  // the category's status-line help
};

// Worth of category `category` (0..14) for the five faces given (each 1..6, any order) when five equal
// dice are worth `fiveOfAKindValue`.
Evaluation evaluateDice(const std::int32_t dice[kDiceCount], std::int32_t fiveOfAKindValue, int category);

// The same for the dice on the board and the game's current worth of "Cinquor". Changes nothing.
Evaluation evaluateCategory(int category);
