// announce.cpp -- the game's events told in words, once each, into a fixed queue.
#include "game/announce.h"

#include <cstdarg>
#include <cstdio>

#include "game/categories.h"
#include "game/game_state.h"

namespace {

constexpr std::size_t kTextSize = 160;  // the longest text, a roll with four held dice, takes about 60
constexpr int kQueueSize = 16;

struct Queue {
    char texts[kQueueSize][kTextSize] = {};
    int first = 0;
    int count = 0;
} queue;

// Queues a text made as printf makes it; the oldest is dropped from a full queue.
void tell(const char* format, ...) {
    if (queue.count == kQueueSize) {
        queue.first = (queue.first + 1) % kQueueSize;
        --queue.count;
    }
    char* text = queue.texts[(queue.first + queue.count) % kQueueSize];
    ++queue.count;
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(text, kTextSize, format, arguments);
    va_end(arguments);
}

// French counts zero and one in the singular: "0 point", "1 point", "2 points".
const char* points(std::int32_t value) { return value >= -1 && value <= 1 ? "point" : "points"; }

}  // namespace

std::vector<std::string> takeAnnouncements() {
    std::vector<std::string> taken;
    for (int i = 0; i < queue.count; ++i) taken.emplace_back(queue.texts[(queue.first + i) % kQueueSize]);
    queue.first = 0;
    queue.count = 0;
    return taken;
}

void announceRoll() {
    const GameFields& g = gameState.game;
    int held[kDiceCount];
    int heldCount = 0;
    for (int i = 0; i < kDiceCount; ++i) {
        if (g.heldDice[i]) held[heldCount++] = i + 1;
    }
    // "", " ; retenu : dé 2", " ; retenus : dés 1 et 2", " ; retenus : dés 1, 2 et 4".
    char holds[64] = "";
    if (heldCount > 0) {
        int n = std::snprintf(holds, sizeof holds, heldCount == 1 ? " ; retenu : dé %d" : " ; retenus : dés %d", held[0]);
        for (int i = 1; i < heldCount && n > 0 && n < static_cast<int>(sizeof holds); ++i) {
            n += std::snprintf(holds + n, sizeof holds - n, i + 1 == heldCount ? " et %d" : ", %d", held[i]);
        }
    }
    tell("Lancer %d sur %d : %d, %d, %d, %d, %d%s", static_cast<int>(g.rollsThisTurn),
         static_cast<int>(gameState.settings.lancers), static_cast<int>(g.dice[0]), static_cast<int>(g.dice[1]),
         static_cast<int>(g.dice[2]), static_cast<int>(g.dice[3]), static_cast<int>(g.dice[4]), holds);
}

void announceHold(int die) {
    const GameFields& g = gameState.game;
    tell("Dé %d %s : %d", die + 1, g.heldDice[die] ? "retenu" : "relâché", static_cast<int>(g.dice[die]));
}

void announceWrite(int category, std::int32_t value) {
    tell("%s : %d %s ; score %d", kCategories[category].name, static_cast<int>(value), points(value),
         static_cast<int>(gameState.game.score));
}

void announcePass() { tell("Tour passé"); }

void announceFrameEvents() {
    GameFields& g = gameState.game;
    if (g.upperBonusGiven && !g.bonusAnnounced) {
        g.bonusAnnounced = 1;
        tell("Bonus : %d %s ; score %d", static_cast<int>(kUpperBonus), points(kUpperBonus), static_cast<int>(g.score));
    }
    if (usedCount() == kCategoryCount && !g.endAnnounced) {
        g.endAnnounced = 1;
        // The record follows the score at the start of each frame; a bonus granted in this one has not
        // reached it yet.
        const bool beaten = g.recordRaised || g.score > g.record;
        if (beaten) {
            tell("Partie terminée : %d %s ; nouveau record !", static_cast<int>(g.score), points(g.score));
        } else {
            tell("Partie terminée : %d %s ; record : %d", static_cast<int>(g.score), points(g.score),
                 static_cast<int>(g.record));
        }
    }
}
