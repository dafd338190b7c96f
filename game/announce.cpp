// announce.cpp -- the game's events told in words, once each.
#include "game/announce.h"

#include <cstdio>
#include <utility>

#include "game/categories.h"
#include "game/game_state.h"

namespace {

std::vector<std::string> queued;

std::string number(std::int32_t value) { return std::to_string(static_cast<long long>(value)); }

// "1", "1 et 2", "1, 2 et 4".
std::string listed(const std::vector<int>& items) {
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0) text += i + 1 == items.size() ? " et " : ", ";
        text += std::to_string(items[i]);
    }
    return text;
}

// French counts zero and one in the singular: "0 point", "1 point", "2 points".
std::string points(std::int32_t value) { return number(value) + (value >= -1 && value <= 1 ? " point" : " points"); }

}  // namespace

void announce(std::string text) { queued.push_back(std::move(text)); }

std::vector<std::string> takeAnnouncements() {
    std::vector<std::string> taken;
    taken.swap(queued);
    return taken;
}

std::string rollAnnouncement() {
    const GameFields& g = gameState.game;
    std::string text = "Lancer " + number(g.rollsThisTurn) + " sur " + number(gameState.settings.lancers) + " : ";
    std::vector<int> held;
    for (int i = 0; i < kDiceCount; ++i) {
        if (i > 0) text += ", ";
        text += number(g.dice[i]);
        if (g.heldDice[i]) held.push_back(i + 1);
    }
    if (held.size() == 1) text += " ; retenu : dé " + listed(held);
    if (held.size() > 1) text += " ; retenus : dés " + listed(held);
    return text;
}

std::string holdAnnouncement(int die) {
    const GameFields& g = gameState.game;
    return "Dé " + std::to_string(die + 1) + (g.heldDice[die] ? " retenu : " : " relâché : ") + number(g.dice[die]);
}

std::string writeAnnouncement(int category, std::int32_t value) {
    return std::string(kCategories[category].name) + " : " + points(value) + " ; score " +
           number(gameState.game.score);
}

void announceFrameEvents() {
    GameFields& g = gameState.game;
    if (g.upperBonusGiven && !g.bonusAnnounced) {
        g.bonusAnnounced = 1;
        announce("Bonus : " + points(kUpperBonus) + " ; score " + number(g.score));
    }
    if (usedCount() == kCategoryCount && !g.endAnnounced) {
        g.endAnnounced = 1;
        // The record follows the score at the start of each frame; a bonus granted in this one has not
        // reached it yet.
        const bool beaten = g.recordRaised || g.score > g.record;
        announce("Partie terminée : " + points(g.score) +
                 (beaten ? " ; nouveau record !" : " ; record : " + number(g.record)));
    }
}
