// board_parts.h -- the board as parts that assistive technologies can walk: the dice, the two buttons,
// the fifteen categories and the texts, each with its role, its name in the game's words, its states and
// where it lies. Every front end shows the same parts; only the way it exposes them differs.
#pragma once

#include <string>
#include <vector>

#include "game/keys.h"

enum class PartRole { Die, RollButton, PassButton, Category, Text };

struct BoardPart {
    PartRole role;
    std::string name;  // "Dé 1 : 5", "Lancer, 2 sur 3", "Brelan, libre, vaudrait 18", "Score : 120"
    bool pressed;      // a held die
    bool enabled;      // the roll button with rolls left, the pass button with passes left, an open category
    int target;        // the keyboard cursor's control for this part, -1 for a text
    CursorBox box;     // where it lies on the board
};

// The parts in reading order: five dice, the pass button, fifteen categories, the roll button, then the
// texts (score, sub-total, record, status line). Their number never changes.
std::vector<BoardPart> boardParts();
constexpr int kBoardPartCount = kCursorTargets + 4;
