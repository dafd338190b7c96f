// frame_test.cpp -- the books of each paint: upper bonus, shown score, record and its mark, new games.
#include <gtest/gtest.h>

#include "game/frame.h"
#include "game/help.h"
#include "game/game_state.h"
#include "game/turn.h"
#include "tests/unit/fake_platform.h"
#include "tests/unit/game_driver.h"

namespace {

using driver::paint;

class Frame : public ::testing::Test {
protected:
    void SetUp() override { fake::reset(); }
    GameFields& g = gameState.game;
    Settings& s = gameState.settings;
};

// Upper values written as if by the sheet, the last one through a real write.
void upperSheet(std::initializer_list<std::int32_t> values) {
    int k = 0;
    for (std::int32_t v : values) {
        gameState.game.upperValues[k] = v;
        gameState.game.categoryUsed[k] = 1;
        ++k;
    }
}

TEST_F(Frame, UpperBonusAtSixtyThreeNotBelowAndOnce) {
    struct Case {
        std::initializer_list<std::int32_t> values;
        bool bonus;
    };
    const Case cases[] = {
        {{3, 6, 9, 12, 15, 18}, true},   // exactly 63
        {{2, 6, 9, 12, 15, 18}, false},  // 62
        {{5, 10, 15, 20, 25, 30}, true},
        {{0, 0, 0, 0, 0, 0}, false},
    };
    for (const Case& c : cases) {
        fake::reset();
        upperSheet(c.values);
        paint();
        EXPECT_EQ(g.upperBonusGiven, c.bonus ? 1 : 0) << upperSubtotal();
        EXPECT_EQ(g.score, c.bonus ? 35 : 0) << upperSubtotal();
        paint();
        EXPECT_EQ(g.score, c.bonus ? 35 : 0) << "never twice";
    }
}

TEST_F(Frame, SubtotalGrowingPastTheLimitGivesNothingMore) {
    upperSheet({3, 6, 9, 12, 15, 18});
    paint();
    g.upperValues[0] = 5;
    paint();
    EXPECT_EQ(g.score, 35);
}

TEST_F(Frame, BonusReachesTheScoreAfterThePaintDrewIt) {
    gameState.shell.animationsOn = 1;
    driver::finishRoll();
    upperSheet({3, 6, 9, 12, 15});
    driver::setDice({6, 6, 6, 1, 2});
    g.displayedScore = g.score = 45;
    driver::click(driver::onCategory(kSix));
    EXPECT_EQ(g.score, 63);
    // In the first paint the shown score steps before the bonus is added, and the record follows at
    // the next paint's start.
    paint();
    EXPECT_EQ(g.score, 98);
    EXPECT_EQ(g.displayedScore, 46);
    EXPECT_EQ(g.record, 63);
    paint();
    EXPECT_EQ(g.record, 98);
}

TEST_F(Frame, CheatMark) {
    struct Step {
        std::int32_t lancers;
        std::int32_t passers;
        bool marked;  // the game's mark after a paint with these settings
    };
    struct Case {
        const char* name;
        std::initializer_list<Step> steps;
    };
    const Case cases[] = {
        {"standard rules", {{3, 0, false}, {3, 0, false}}},
        {"four rolls from the first paint, kept after going back", {{4, 0, true}, {3, 0, true}}},
        {"one pass unit, even unused", {{3, 1, true}}},
        {"fewer rolls are no help", {{2, 0, false}}},
        {"negative passes are none", {{3, -1, false}}},
    };
    for (const Case& c : cases) {
        fake::reset();
        for (const Step& st : c.steps) {
            s.lancers = st.lancers;
            s.passers = st.passers;
            paint();
            EXPECT_EQ(g.gameCheated, st.marked ? 1 : 0) << c.name;
        }
    }
}

TEST_F(Frame, RecordFollowsTheScoreWithTheGameMark) {
    s.lancers = 4;
    g.score = 120;
    paint();
    EXPECT_EQ(g.record, 120);
    EXPECT_EQ(g.recordCheated, 1);

    // A new honest game beating the marked record clears the mark.
    s.lancers = 3;
    g.newGameRequested = 1;
    paint();
    EXPECT_EQ(g.gameCheated, 0);
    g.score = 120;
    paint();
    EXPECT_EQ(g.record, 120);
    EXPECT_EQ(g.recordCheated, 1) << "an equal score changes nothing";
    g.score = 121;
    paint();
    EXPECT_EQ(g.record, 121);
    EXPECT_EQ(g.recordCheated, 0);
}

TEST_F(Frame, RecordClearedByTheOptionsComesBackWithTheScore) {
    g.record = 200;
    g.recordCheated = 1;
    g.score = 10;
    paint();
    EXPECT_EQ(g.record, 200);
    g.record = 0;  // "Effacer record"
    paint();
    EXPECT_EQ(g.record, 10);
    EXPECT_EQ(g.recordCheated, 0);
}

TEST_F(Frame, ShownScoreSteps) {
    struct Case {
        std::int32_t timer;
        std::int32_t step;
    };
    const Case cases[] = {{50, 1}, {20, 1}, {0, 1}, {-30, 1}, {99, 1}, {100, 2}, {200, 4}, {1000, 20}};
    for (const Case& c : cases) {
        fake::reset();
        s.timer = c.timer;
        g.score = 30;
        advanceDisplayedScore();
        EXPECT_EQ(g.displayedScore, c.step) << "timer " << c.timer;
        for (int i = 0; i < 100; ++i) advanceDisplayedScore();
        EXPECT_EQ(g.displayedScore, 30) << "never past the score, timer " << c.timer;
    }
}

TEST_F(Frame, ShownScoreStopsAtAScoreNearTheTop) {
    s.timer = 1000;
    g.score = 2147483647;
    g.displayedScore = 2147483640;
    advanceDisplayedScore();
    EXPECT_EQ(g.displayedScore, 2147483647);
}

TEST_F(Frame, ShownScoreDropsAtANewGameAndEqualsTheScoreWithoutAnimations) {
    g.score = 50;
    g.displayedScore = 50;
    g.newGameRequested = 1;
    paint();
    EXPECT_EQ(g.score, 0);
    EXPECT_EQ(g.displayedScore, 0);

    gameState.shell.animationsOn = 0;
    g.score = 77;
    paint();
    EXPECT_EQ(g.displayedScore, 77);
}

TEST_F(Frame, NewGameResetsItsFieldsAndKeepsTheRest) {
    s.passers = 2;
    driver::finishRoll();
    g.dice[0] = 4;
    g.heldDice[3] = 1;
    for (int k = 0; k < kCategoryCount; ++k) g.categoryUsed[k] = 1;
    g.upperValues[2] = 9;
    g.fiveOfAKindValue = 150;
    g.score = 250;
    g.record = 300;
    g.recordCheated = 1;
    g.gamesPlayed = 41;
    g.passesUsed = 2;
    g.selectedValue = 17;
    g.poorChoice = 1;
    g.categoryPanelLit = 1;
    g.rollPanelLit = 1;
    g.passPanelLit = 1;
    g.mouseX = 33;
    g.mouseY = 44;
    g.upperBonusGiven = 1;
    g.rollsThisTurn = 2;
    resetGame();
    EXPECT_EQ(g.gamesPlayed, 42);
    EXPECT_EQ(g.rollInProgress, 1);
    EXPECT_EQ(g.rollFrame, 0);
    EXPECT_EQ(g.rollsThisTurn, 0);
    EXPECT_EQ(g.score, 0);
    EXPECT_EQ(g.upperBonusGiven, 0);
    EXPECT_EQ(g.gameCheated, 0);
    EXPECT_EQ(g.passesUsed, 0);
    EXPECT_EQ(g.fiveOfAKindValue, 50);
    EXPECT_EQ(g.selectedValue, 0);
    EXPECT_EQ(g.categoryPanelLit, 0);
    EXPECT_EQ(g.rollPanelLit, 0);
    EXPECT_EQ(g.heldDice[3], 0);
    EXPECT_EQ(usedCount(), 0);
    EXPECT_EQ(g.upperValues[2], 0);
    // Kept as they were.
    EXPECT_EQ(g.passPanelLit, 1);
    EXPECT_EQ(g.dice[0], 4);
    EXPECT_EQ(g.record, 300);
    EXPECT_EQ(g.recordCheated, 1);
    EXPECT_EQ(g.poorChoice, 1);
    EXPECT_EQ(g.mouseX, 33);
    EXPECT_EQ(g.mouseY, 44);
}

TEST_F(Frame, GameOverShowsItsTextAtEveryPaint) {
    for (int k = 0; k < kCategoryCount; ++k) g.categoryUsed[k] = 1;
    driver::moveTo(driver::onDie(1));
    hoverPass();
    paint();
    EXPECT_STREQ(g.helpText, "Partie terminée!");
}

TEST_F(Frame, CheatedGameIsMarkedAgainAfterANewGame) {
    s.passers = 1;
    paint();
    g.newGameRequested = 1;
    paint();
    EXPECT_EQ(g.gameCheated, 0);  // the reset ran after the mark was taken
    paint();
    EXPECT_EQ(g.gameCheated, 1);
}

}  // namespace
