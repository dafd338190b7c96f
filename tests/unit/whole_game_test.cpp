// whole_game_test.cpp -- whole games played through the events of the window and the paints.
#include <gtest/gtest.h>

#include "game/categories.h"
#include "game/game_state.h"
#include "game/turn.h"
#include "tests/unit/fake_platform.h"
#include "tests/unit/game_driver.h"

namespace {

using driver::click;
using driver::finishRoll;

struct ScriptedTurn {
    int faces[5];        // the first roll of the turn
    int category;        // where the dice go
    std::int32_t value;  // what the sheet must then hold
};

// Fifteen categories and one more write of "Cinquor": sixteen turns with known dice.
const ScriptedTurn kGame[] = {
    {{1, 1, 1, 2, 3}, kAs, 3},           {{2, 2, 2, 4, 5}, kDeux, 6},
    {{3, 3, 3, 3, 1}, kTrois, 12},       {{4, 4, 1, 2, 6}, kQuatre, 12},  // rerolled, see below
    {{5, 5, 5, 1, 2}, kCinq, 15},        {{6, 6, 6, 6, 2}, kSix, 24},
    {{2, 2, 5, 5, 5}, kUnePaire, 19},    {{6, 6, 5, 5, 1}, kDeuxPaires, 22},
    {{4, 4, 4, 2, 3}, kBrelan, 17},      {{4, 4, 4, 4, 1}, kCarre, 17},
    {{1, 1, 1, 6, 6}, kFull, 25},        {{1, 2, 3, 4, 4}, kPetiteSuite, 30},
    {{2, 3, 4, 5, 6}, kGrandeSuite, 40}, {{6, 6, 4, 3, 1}, kChance, 20},
    {{3, 3, 3, 3, 3}, kCinquor, 50},     {{1, 2, 3, 5, 6}, kCinquor, 0},
};

TEST(WholeGame, ScriptedDiceFillTheSheet) {
    fake::reset();
    gameState.shell.animationsOn = 0;  // one paint per roll, so each roll draws exactly its free dice
    std::int32_t expectedScore = 0;
    for (const ScriptedTurn& t : kGame) {
        const auto& f = t.faces;
        fake::scriptFaces({f[0], f[1], f[2], f[3], f[4]});
        finishRoll();
        ASSERT_EQ(gameState.game.rollsThisTurn, 1);
        if (t.category == kQuatre) {
            // Keep the two fours and roll the other three dice twice more.
            click(driver::onDie(0));
            click(driver::onDie(1));
            fake::scriptFaces({3, 4, 6});
            characterTyped(' ');
            finishRoll();
            fake::scriptFaces({4, 5, 6});
            click(driver::kRollButton);
            finishRoll();
            EXPECT_EQ(gameState.game.rollsThisTurn, 3);
            EXPECT_EQ(gameState.game.dice[2], 4);
        }
        click(driver::onCategory(t.category));
        expectedScore += t.value;
        EXPECT_EQ(gameState.game.selectedValue, t.value) << kGame - &t;
        EXPECT_EQ(gameState.game.score, expectedScore + (gameState.game.upperBonusGiven ? 35 : 0));
        // The bonus comes with the first paint after the write that brings the upper sheet to 63.
        EXPECT_EQ(gameState.game.upperBonusGiven, upperSubtotal() >= 63 && t.category != kSix);
    }
    EXPECT_TRUE(fake::platform.faces.empty());
    EXPECT_EQ(fake::platform.confirmations, 1);  // only the zero in "Cinquor" was poor
    EXPECT_EQ(usedCount(), kCategoryCount);
    EXPECT_EQ(upperSubtotal(), 72);
    const std::int32_t upper[6] = {3, 6, 12, 12, 15, 24};
    for (int k = 0; k < 6; ++k) EXPECT_EQ(gameState.game.upperValues[k], upper[k]) << k;
    EXPECT_EQ(gameState.game.fiveOfAKindValue, 150);
    EXPECT_EQ(gameState.game.score, 312 + 35);

    // The next paint shows the end, raises the record; a click anywhere asks for the next game.
    driver::paint();
    EXPECT_STREQ(gameState.game.helpText, "Partie terminée!");
    EXPECT_EQ(gameState.game.record, 347);
    EXPECT_EQ(gameState.game.recordCheated, 0);
    driver::click(driver::onDie(2));
    EXPECT_EQ(gameState.game.heldDice[2], 0);
    driver::paint();
    const GameFields& g = gameState.game;
    EXPECT_EQ(g.gamesPlayed, 1);
    EXPECT_EQ(g.record, 347);
    EXPECT_EQ(g.score, 0);
    EXPECT_EQ(g.displayedScore, 0);
    EXPECT_EQ(usedCount(), 0);
    EXPECT_EQ(upperSubtotal(), 0);
    EXPECT_EQ(g.upperBonusGiven, 0);
    EXPECT_EQ(g.fiveOfAKindValue, 50);
    EXPECT_EQ(g.newGameRequested, 0);
    EXPECT_EQ(g.rollsThisTurn, 1);  // the new game opened with a roll, which this paint ended
}

// Random games with a plain strategy: take every roll, then write the first open category where the
// dice are worth something, else the first open one. The seed is printed when a check fails.
TEST(WholeGame, SeededGamesEndAfterFifteenCategories) {
    for (std::uint32_t seed : {1u, 7u, 42u, 2024u, 99991u}) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        fake::reset(seed);
        gameState.shell.warningsOn = 0;
        std::int32_t written = 0;
        int writes = 0;
        while (usedCount() < kCategoryCount && writes < 200) {
            finishRoll();
            while (gameState.game.rollsThisTurn < gameState.settings.lancers) {
                characterTyped(' ');
                finishRoll();
            }
            for (int face : gameState.game.dice) ASSERT_TRUE(face >= 1 && face <= 6);
            int choice = -1;
            for (int k = 0; k < kCategoryCount && choice < 0; ++k) {
                if (!gameState.game.categoryUsed[k] && evaluateCategory(k).value > 0) choice = k;
            }
            for (int k = 0; k < kCategoryCount && choice < 0; ++k) {
                if (!gameState.game.categoryUsed[k]) choice = k;
            }
            click(driver::onCategory(choice));
            written += gameState.game.selectedValue;
            ++writes;
            ASSERT_EQ(gameState.game.score, written);
            ASSERT_EQ(gameState.game.rollsThisTurn, 0);
        }
        EXPECT_EQ(usedCount(), kCategoryCount);
        EXPECT_GE(writes, kCategoryCount);
        // Once the game is over a release asks for the next one.
        click(driver::kNowhere);
        EXPECT_EQ(gameState.game.newGameRequested, 1);
    }
}

}  // namespace
