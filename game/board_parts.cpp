// board_parts.cpp -- the board's parts, named in the game's words.
#include "game/board_parts.h"

#include "game/categories.h"
#include "game/game_state.h"
#include "game/help.h"

namespace {

std::string number(std::int32_t value) { return std::to_string(static_cast<long long>(value)); }

BoardPart control(PartRole role, std::string name, bool pressed, bool enabled, int target) {
    return {role, std::move(name), pressed, enabled, target, cursorBox(target)};
}

BoardPart text(std::string name, CursorBox box) { return {PartRole::Text, std::move(name), false, true, -1, box}; }

}  // namespace

std::vector<BoardPart> boardParts() {
    const GameFields& g = gameState.game;
    const Settings& s = gameState.settings;
    std::vector<BoardPart> parts;
    parts.reserve(kBoardPartCount);
    for (int i = 0; i < kDiceCount; ++i) {
        const std::string face = g.dice[i] ? number(g.dice[i]) : "pas encore lancé";
        parts.push_back(control(PartRole::Die, "Dé " + number(i + 1) + " : " + face, g.heldDice[i] != 0, true, i));
    }
    const std::int32_t passes = passesLeft();
    parts.push_back(control(PartRole::PassButton,
                            "Passer, " + (passes > 0 ? number(passes) + (passes > 1 ? " restants" : " restant")
                                                     : std::string("aucun restant")),
                            false, passes > 0, kCursorPass));
    for (int k = 0; k < kCategoryCount; ++k) {
        const bool open = !g.categoryUsed[k];
        const std::string state = open ? ", libre, vaudrait " + number(evaluateCategory(k).value)
                                       : ", rempli, " + number(g.writtenValues[k]);
        parts.push_back(control(PartRole::Category, kCategories[k].name + state, false, open,
                                kCursorFirstCategory + k));
    }
    const bool rollsLeft = g.rollsThisTurn < s.lancers;
    parts.push_back(control(PartRole::RollButton, "Lancer, " + number(g.rollsThisTurn) + " sur " + number(s.lancers),
                            false, rollsLeft, kCursorRoll));
    parts.push_back(text("Score : " + number(g.score), {0, 330, 190, 29}));
    parts.push_back(text("Sous-total : " + number(upperSubtotal()), {385, 310, 126, 20}));
    parts.push_back(text(std::string("Record : ") + number(g.record) + (g.recordCheated ? ", obtenu en trichant" : ""),
                         {0, 310, 160, 20}));
    parts.push_back(text(s.aide ? g.helpText : kQuietCreditLine, {0, 406, 511, 40}));
    return parts;
}
