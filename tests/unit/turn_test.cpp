// turn_test.cpp -- rolls, holds, passes and writes, driven through the events of the window.
#include <gtest/gtest.h>

#include "game/game_state.h"
#include "game/turn.h"
#include "tests/unit/fake_platform.h"
#include "tests/unit/game_driver.h"

namespace {

using driver::click;
using driver::finishRoll;
using driver::paint;
using driver::setDice;

class Turn : public ::testing::Test {
protected:
    void SetUp() override { fake::reset(); }
    GameFields& g = gameState.game;
    Settings& s = gameState.settings;
};

// A turn whose first roll has ended, with these faces on the dice.
void waitingWith(std::initializer_list<int> faces) {
    finishRoll();
    setDice(faces);
}

TEST_F(Turn, FirstRollStartsByItselfAndCountsOnce) {
    EXPECT_EQ(g.rollInProgress, 1);
    EXPECT_EQ(finishRoll(), 22);  // rollFrame starts at 0 in a fresh program: n + 2 frames
    EXPECT_EQ(g.rollsThisTurn, 1);
    for (int face : g.dice) {
        EXPECT_GE(face, 1);
        EXPECT_LE(face, 6);
    }
}

TEST_F(Turn, DieHeldBeforeItsFirstRollFrameStillGetsAFace) {
    // Input queued before the first paints: a release on a die while every face is still 0.
    click(driver::onDie(1));
    ASSERT_EQ(g.heldDice[1], 1);
    ASSERT_EQ(g.dice[1], 0);
    paint();
    EXPECT_GE(g.dice[1], 1) << "a held die drawn from row -48 of the dice sheet";
    EXPECT_LE(g.dice[1], 6);
    const std::int32_t face = g.dice[1];
    finishRoll();
    EXPECT_EQ(g.dice[1], face) << "once it has a face, a held die keeps it";
}

TEST_F(Turn, AnimatedRollLastsByTimer) {
    struct Case {
        std::int32_t timer;
        int frames;
    };
    const Case cases[] = {{50, 21},  {20, 21}, {0, 21},     {99, 21},   {100, 11}, {150, 7},
                          {549, 3}, {550, 2}, {1000, 2}, {-100, 1}, {-2147483647 - 1, 1}};
    for (const Case& c : cases) {
        fake::reset();
        finishRoll();
        s.timer = c.timer;
        requestRoll();
        EXPECT_EQ(finishRoll(), c.frames) << "timer " << c.timer;
        EXPECT_EQ(g.rollsThisTurn, 2) << "timer " << c.timer;
    }
}

TEST_F(Turn, RollWithoutAnimationsEndsAtTheFirstPaint) {
    gameState.shell.animationsOn = 0;
    s.timer = 2000;
    EXPECT_EQ(finishRoll(), 1);
    EXPECT_EQ(g.rollsThisTurn, 1);
    characterTyped(' ');
    EXPECT_EQ(finishRoll(), 1);
    EXPECT_EQ(g.rollsThisTurn, 2);
}

TEST_F(Turn, RollsPerTurnAreLimitedByLancers) {
    finishRoll();
    characterTyped(' ');
    finishRoll();
    click(driver::kRollButton);
    finishRoll();
    EXPECT_EQ(g.rollsThisTurn, 3);
    characterTyped(' ');
    EXPECT_EQ(g.rollInProgress, 0);
    click(driver::kRollButton);
    EXPECT_EQ(g.rollInProgress, 0);
    EXPECT_EQ(g.rollsThisTurn, 3);

    s.lancers = 4;  // raised in the middle of the turn: one more roll
    characterTyped(' ');
    EXPECT_EQ(g.rollInProgress, 1);
}

TEST_F(Turn, SpacesDuringOneRollAddOneRoll) {
    finishRoll();
    characterTyped(' ');
    paint();
    characterTyped(' ');
    paint();
    characterTyped(' ');
    EXPECT_EQ(g.rollFrame, 1);  // each request only starts the animation over
    finishRoll();
    EXPECT_EQ(g.rollsThisTurn, 2);
}

TEST_F(Turn, AnyTypedCharacterMovesThePointerHome) {
    finishRoll();
    g.mouseX = 300;
    g.mouseY = 200;
    characterTyped('x');
    EXPECT_EQ(g.mouseX, 0);
    EXPECT_EQ(g.mouseY, 0);
    EXPECT_EQ(g.rollInProgress, 0);
}

TEST_F(Turn, HeldDiceKeepTheirFaces) {
    finishRoll();
    setDice({1, 2, 3, 4, 5});
    click(driver::onDie(1));
    EXPECT_EQ(g.heldDice[1], 1);
    characterTyped(' ');
    paint();
    click(driver::onDie(3));  // held in the middle of the roll: frozen at the face it shows
    const int frozen = g.dice[3];
    finishRoll();
    EXPECT_EQ(g.dice[1], 2);
    EXPECT_EQ(g.dice[3], frozen);
    click(driver::onDie(1));
    EXPECT_EQ(g.heldDice[1], 0);
}

TEST_F(Turn, HeldDiceDrawNoNumbers) {
    finishRoll();
    click(driver::onDie(0));
    click(driver::onDie(4));
    gameState.shell.animationsOn = 0;
    const int before = fake::platform.randomDraws;
    characterTyped(' ');
    paint();
    EXPECT_EQ(fake::platform.randomDraws - before, 3);
}

TEST_F(Turn, FacesComeFromTheRandomNumbers) {
    gameState.shell.animationsOn = 0;
    fake::scriptFaces({6, 1, 4, 2, 5});
    paint();
    EXPECT_EQ(g.dice[0], 6);
    EXPECT_EQ(g.dice[1], 1);
    EXPECT_EQ(g.dice[2], 4);
    EXPECT_EQ(g.dice[3], 2);
    EXPECT_EQ(g.dice[4], 5);
}

TEST_F(Turn, PassStartsTheTurnOver) {
    s.passers = 2;
    finishRoll();
    characterTyped(' ');
    finishRoll();
    click(driver::onDie(2));
    click(driver::kPassButton);
    EXPECT_EQ(passesLeft(), 1);
    EXPECT_EQ(g.heldDice[2], 0);
    EXPECT_EQ(g.rollsThisTurn, 0);
    EXPECT_EQ(g.rollInProgress, 1);
    EXPECT_EQ(g.rollFrame, 1);
    EXPECT_EQ(usedCount(), 0);
    finishRoll();
    EXPECT_EQ(g.rollsThisTurn, 1);

    click(driver::kPassButton);
    finishRoll();
    EXPECT_EQ(passesLeft(), 0);
    click(driver::kPassButton);
    EXPECT_EQ(g.passesUsed, 2);
    EXPECT_EQ(g.rollInProgress, 0);
}

TEST_F(Turn, NoPassOnceThePassesWereLowered) {
    s.passers = 2;
    finishRoll();
    click(driver::kPassButton);
    finishRoll();
    s.passers = 0;
    EXPECT_EQ(passesLeft(), 0);
    click(driver::kPassButton);
    EXPECT_EQ(g.passesUsed, 1);
    EXPECT_EQ(g.rollInProgress, 0);
}

TEST_F(Turn, PassesLeftNeverWrap) {
    struct Case {
        std::int32_t passers, used, left;
    };
    const Case cases[] = {
        {INT32_MIN, 1, 0},  // would wrap to INT32_MAX in 32 bits
        {INT32_MIN, 0, 0},
        {-1, 0, 0},
        {INT32_MAX, 0, INT32_MAX},
        {INT32_MAX, 1, INT32_MAX - 1},
        {3, 3, 0},
    };
    for (const Case& c : cases) {
        s.passers = c.passers;
        g.passesUsed = c.used;
        EXPECT_EQ(passesLeft(), c.left) << c.passers << " - " << c.used;
    }
    s.passers = INT32_MIN;
    g.passesUsed = 1;
    finishRoll();
    click(driver::kPassButton);
    EXPECT_EQ(g.passesUsed, 1) << "no second pass";
    EXPECT_EQ(g.rollInProgress, 0);
}

TEST_F(Turn, WritingAnUpperCategory) {
    waitingWith({1, 1, 1, 2, 3});
    click(driver::onDie(0));
    click(driver::onCategory(kAs));
    EXPECT_EQ(g.score, 3);
    EXPECT_EQ(g.upperValues[kAs], 3);
    EXPECT_EQ(g.categoryUsed[kAs], 1);
    EXPECT_EQ(g.heldDice[0], 0);
    EXPECT_EQ(g.rollsThisTurn, 0);
    EXPECT_EQ(g.rollInProgress, 1);
    EXPECT_EQ(fake::platform.confirmations, 0);
    finishRoll();
    EXPECT_EQ(g.rollsThisTurn, 1);
}

TEST_F(Turn, WritingAClosedCategoryDoesNothing) {
    waitingWith({1, 1, 1, 2, 3});
    click(driver::onCategory(kAs));
    finishRoll();
    setDice({1, 1, 1, 1, 1});
    click(driver::onCategory(kAs));
    EXPECT_EQ(g.score, 3);
    EXPECT_EQ(g.rollInProgress, 0);
}

TEST_F(Turn, CinquorIsWrittenAgainAndAgainUntilAZero) {
    waitingWith({6, 6, 6, 6, 6});
    click(driver::onCategory(kCinquor));
    EXPECT_EQ(g.score, 50);
    EXPECT_EQ(g.categoryUsed[kCinquor], 0);
    EXPECT_EQ(g.fiveOfAKindValue, 100);

    waitingWith({2, 2, 2, 2, 2});
    click(driver::onCategory(kCinquor));
    EXPECT_EQ(g.score, 150);
    EXPECT_EQ(g.fiveOfAKindValue, 150);
    EXPECT_EQ(g.categoryUsed[kCinquor], 0);

    waitingWith({2, 2, 2, 2, 3});
    click(driver::onCategory(kCinquor));  // poor: the warning comes first, and OK writes the zero
    EXPECT_EQ(fake::platform.confirmations, 1);
    EXPECT_EQ(g.score, 150);
    EXPECT_EQ(g.categoryUsed[kCinquor], 1);
    EXPECT_EQ(g.fiveOfAKindValue, 200);
}

TEST_F(Turn, ZeroInCinquorWithoutWarningsClosesIt) {
    gameState.shell.warningsOn = 0;
    waitingWith({1, 2, 3, 4, 6});
    click(driver::onCategory(kCinquor));
    EXPECT_EQ(fake::platform.confirmations, 0);
    EXPECT_EQ(g.score, 0);
    EXPECT_EQ(g.categoryUsed[kCinquor], 1);
    EXPECT_EQ(g.fiveOfAKindValue, 100);
}

TEST_F(Turn, DeclinedWarningChangesNothing) {
    finishRoll();
    characterTyped(' ');
    finishRoll();
    setDice({6, 6, 4, 2, 1});
    click(driver::onDie(1));
    fake::platform.confirmAnswer = false;
    click(driver::onCategory(kChance));
    EXPECT_EQ(fake::platform.confirmations, 1);
    EXPECT_EQ(fake::platform.lastTitle, "Attention!");
    EXPECT_EQ(g.score, 0);
    EXPECT_EQ(g.categoryUsed[kChance], 0);
    EXPECT_EQ(g.heldDice[1], 1);
    EXPECT_EQ(g.rollsThisTurn, 2);
    EXPECT_EQ(g.rollInProgress, 0);
    EXPECT_EQ(g.selectedValue, 19);
    EXPECT_EQ(g.poorChoice, 1);
}

TEST_F(Turn, WriteAtOrAboveParAsksNothing) {
    waitingWith({6, 6, 4, 3, 1});
    click(driver::onCategory(kChance));
    EXPECT_EQ(fake::platform.confirmations, 0);
    EXPECT_EQ(g.score, 20);
    EXPECT_EQ(g.poorChoice, 0);
}

TEST_F(Turn, WriteDuringARollTakesTheFacesShown) {
    finishRoll();
    characterTyped(' ');
    paint();
    setDice({5, 5, 5, 5, 5});
    click(driver::onCategory(kCinq));
    EXPECT_EQ(g.score, 25);
    EXPECT_EQ(g.rollFrame, 1);
    EXPECT_EQ(g.rollsThisTurn, 0);
}

TEST_F(Turn, NewTurnRollsAllFiveDice) {
    waitingWith({3, 3, 3, 1, 2});
    click(driver::onDie(2));
    click(driver::onCategory(kTrois));
    EXPECT_EQ(g.heldDice[2], 0);
    gameState.shell.animationsOn = 0;
    const int before = fake::platform.randomDraws;
    paint();
    EXPECT_EQ(fake::platform.randomDraws - before, 5);
}

TEST_F(Turn, ReleaseOutsideEveryRegionOnlyRepaints) {
    finishRoll();
    const GameFields before = g;
    driver::moveTo(driver::kNowhere);
    const int repaints = fake::platform.repaints;
    releaseAt(driver::kNowhere.x, driver::kNowhere.y);
    EXPECT_EQ(fake::platform.repaints, repaints + 1);
    EXPECT_EQ(g.rollInProgress, before.rollInProgress);
    EXPECT_EQ(g.rollsThisTurn, before.rollsThisTurn);
    EXPECT_EQ(g.buttonDown, 0);
}

TEST_F(Turn, CategoryFollowsThePointerTheHoverPassSaw) {
    // The press was over "Chance"; the button comes up after a drag: the sheet follows the pointer
    // position, the roll button follows the release position.
    waitingWith({6, 6, 4, 3, 1});
    g.mouseX = driver::onCategory(kChance).x;
    g.mouseY = driver::onCategory(kChance).y;
    releaseAt(driver::kNowhere.x, driver::kNowhere.y);
    EXPECT_EQ(g.categoryUsed[kChance], 1);
}

TEST_F(Turn, ReleaseAtGameOverAsksForANewGame) {
    finishRoll();
    for (int k = 0; k < kCategoryCount; ++k) g.categoryUsed[k] = 1;
    click(driver::onDie(0));
    EXPECT_EQ(g.newGameRequested, 1);
    EXPECT_EQ(g.heldDice[0], 0);
    EXPECT_EQ(g.buttonDown, 0);
}

TEST_F(Turn, SpaceAtGameOverStillRolls) {
    finishRoll();
    for (int k = 0; k < kCategoryCount; ++k) g.categoryUsed[k] = 1;
    characterTyped(' ');
    EXPECT_EQ(g.rollInProgress, 1);
    finishRoll();
    EXPECT_EQ(usedCount(), kCategoryCount);
}

}  // namespace
