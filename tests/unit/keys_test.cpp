// keys_test.cpp -- the game from the keyboard: the cursor, its keys' clicks, and what is told of the game.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/announce.h"
#include "game/board_parts.h"
#include "game/game_state.h"
#include "game/help.h"
#include "game/keys.h"
#include "game/turn.h"
#include "tests/unit/fake_platform.h"
#include "tests/unit/game_driver.h"

namespace {

using driver::click;
using driver::finishRoll;
using driver::paint;
using driver::setDice;

class Keys : public ::testing::Test {
protected:
    void SetUp() override { fake::reset(); }
    GameFields& g = gameState.game;
    Settings& s = gameState.settings;
};

// The cursor walked to `target` with the arrows alone.
void arrowTo(int target) {
    boardKeyPressed(BoardKey::Right);  // shows it on die 1
    while (keyboardCursor() != target) boardKeyPressed(BoardKey::Right);
}

// What a press of Enter at each control changes equals what a click there changes, from the same game.
TEST_F(Keys, EnterAtEachControlIsAClickThere) {
    struct Case {
        int target;
        driver::Point point;
    };
    const Case cases[] = {{0, driver::onDie(0)},         {4, driver::onDie(4)},
                          {kCursorPass, driver::kPassButton}, {kCursorFirstCategory + 8, driver::onCategory(8)},
                          {kCursorFirstCategory + 14, driver::onCategory(14)}, {kCursorRoll, driver::kRollButton}};
    for (const Case& c : cases) {
        GameFields after[2];
        for (int byKeys = 0; byKeys < 2; ++byKeys) {
            fake::reset(7);
            s.passers = 2;
            finishRoll();
            setDice({3, 3, 3, 5, 6});
            if (byKeys) {
                arrowTo(c.target);
                boardKeyPressed(BoardKey::Enter);
            } else {
                click(c.point);
            }
            finishRoll();
            after[byKeys] = g;
        }
        const GameFields& a = after[0];
        const GameFields& b = after[1];
        const std::vector<std::int32_t> clicked{a.heldDice[0], a.heldDice[4], a.passesUsed, a.categoryUsed[8],
                                                a.categoryUsed[14], a.score, a.rollsThisTurn, a.dice[2]};
        const std::vector<std::int32_t> keyed{b.heldDice[0], b.heldDice[4], b.passesUsed, b.categoryUsed[8],
                                              b.categoryUsed[14], b.score, b.rollsThisTurn, b.dice[2]};
        EXPECT_EQ(clicked, keyed) << "control " << c.target;
    }
}

TEST_F(Keys, DigitsHoldAndReleaseTheirDie) {
    finishRoll();
    characterTyped('2');
    characterTyped('5');
    characterTyped('2');
    EXPECT_EQ(std::vector<std::int32_t>(g.heldDice, g.heldDice + 5), (std::vector<std::int32_t>{0, 0, 0, 0, 1}));
    EXPECT_EQ(keyboardCursor(), 1) << "the cursor is on the die the last key held";
    characterTyped('6');
    EXPECT_EQ(g.heldDice[4], 1) << "there is no sixth die";
}

TEST_F(Keys, ArrowsVisitThePassOnlyWhilePassesRemain) {
    finishRoll();
    boardKeyPressed(BoardKey::Right);
    EXPECT_EQ(keyboardCursor(), 0) << "the first arrow shows the cursor on die 1";
    for (int i = 0; i < 5; ++i) boardKeyPressed(BoardKey::Right);
    EXPECT_EQ(keyboardCursor(), kCursorFirstCategory) << "no pass without passes";
    boardKeyPressed(BoardKey::Up);
    EXPECT_EQ(keyboardCursor(), 0) << "up from the first category: the die above it";

    s.passers = 1;
    boardKeyPressed(BoardKey::Down);
    EXPECT_EQ(keyboardCursor(), kCursorPass);
    boardKeyPressed(BoardKey::Enter);
    EXPECT_EQ(g.passesUsed, 1);
    boardKeyPressed(BoardKey::Down);
    EXPECT_EQ(keyboardCursor(), kCursorFirstCategory + 2) << "from a pass no longer there, the control under it";
    for (int i = 0; i < 3; ++i) boardKeyPressed(BoardKey::Down);
    EXPECT_EQ(keyboardCursor(), kCursorRoll);
    boardKeyPressed(BoardKey::Right);
    EXPECT_EQ(keyboardCursor(), 0) << "right from the last control goes round to the first";
}

TEST_F(Keys, PointerMovesHideTheCursorAndTheSamePlaceDoesNot) {
    pointerMovedTo(250, 120);
    boardKeyPressed(BoardKey::Left);
    ASSERT_EQ(keyboardCursor(), 0);
    EXPECT_EQ(g.mouseX, driver::onDie(0).x) << "the hover help follows the cursor";
    pointerMovedTo(250, 120);
    EXPECT_EQ(keyboardCursor(), 0) << "the pointer reported where it already was";
    characterTyped(' ');
    EXPECT_EQ(g.mouseX, driver::onDie(0).x) << "a typed key leaves the cursor's control lit";
    pointerMovedTo(251, 120);
    EXPECT_EQ(keyboardCursor(), -1);
    EXPECT_EQ(g.mouseX, 251);
}

TEST_F(Keys, EnterAtTheEndOfAGameStartsTheNext) {
    finishRoll();
    boardKeyPressed(BoardKey::Enter);
    EXPECT_EQ(g.newGameRequested, 0) << "without a cursor Enter does nothing during a game";
    for (std::int32_t& used : g.categoryUsed) used = 1;
    boardKeyPressed(BoardKey::Enter);
    EXPECT_EQ(g.newGameRequested, 1);
}

TEST_F(Keys, AnnouncementsSayWhatHappened) {
    gameState.shell.animationsOn = 0;  // one draw of each free die per roll
    fake::scriptFaces({3, 3, 5, 6, 1});
    finishRoll();
    characterTyped('1');
    characterTyped('2');
    characterTyped('3');
    characterTyped('3');
    fake::scriptFaces({4, 4, 4});
    characterTyped(' ');
    finishRoll();
    click(driver::onCategory(kChance));
    EXPECT_EQ(takeAnnouncements(),
              (std::vector<std::string>{"Lancer 1 sur 3 : 3, 3, 5, 6, 1", "D\xe9 1 retenu : 3", "D\xe9 2 retenu : 3",
                                        "D\xe9 3 retenu : 5", "D\xe9 3 rel\xe2" "ch\xe9 : 5",
                                        "Lancer 2 sur 3 : 3, 3, 4, 4, 4 ; retenus : d\xe9s 1 et 2",
                                        "Chance : 18 points ; score 18"}));
}

TEST_F(Keys, TheBonusAndTheEndAreToldOnceEach) {
    struct Case {
        std::int32_t record;
        const char* end;
    };
    const Case cases[] = {{0, "Partie termin\xe9" "e : 100 points ; nouveau record !"},
                          {500, "Partie termin\xe9" "e : 100 points ; record : 500"}};
    for (const Case& c : cases) {
        fake::reset();
        g.record = c.record;
        finishRoll();
        for (int k = 0; k < kCategoryCount - 1; ++k) g.categoryUsed[k] = 1;
        g.upperValues[5] = 65;
        g.score = 65;
        setDice({1, 2, 3, 4, 6});
        takeAnnouncements();
        click(driver::onCategory(kCinquor));
        for (int frame = 0; frame < 30; ++frame) paint();
        EXPECT_EQ(takeAnnouncements(), (std::vector<std::string>{"Cinquor : 0 point ; score 65",
                                                                 "Bonus : 35 points ; score 100", c.end}));
    }
}

TEST_F(Keys, ThePartsAreNamedAsTheBoardShowsThem) {
    s.passers = 1;
    finishRoll();
    setDice({3, 3, 3, 5, 6});
    characterTyped('2');
    click(driver::onCategory(kSix));
    setDice({3, 3, 3, 5, 6});
    const std::vector<BoardPart> parts = boardParts();
    ASSERT_EQ(parts.size(), static_cast<std::size_t>(kBoardPartCount));
    struct Case {
        int index;
        const char* name;
        bool pressed;
        bool enabled;
    };
    const Case cases[] = {
        {0, "D\xe9 1 : 3", false, true},
        {kCursorPass, "Passer, 1 restant", false, true},
        {kCursorFirstCategory + kSix, "Six, rempli, 6", false, false},
        {kCursorFirstCategory + kBrelan, "Brelan, libre, vaudrait 20", false, true},
        {kCursorRoll, "Lancer, 0 sur 3", false, true},
        {kCursorTargets, "Score : 6", false, true},
        {kCursorTargets + 2, "Record : 0", false, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(parts[c.index].name, c.name);
        EXPECT_EQ(parts[c.index].pressed, c.pressed) << c.name;
        EXPECT_EQ(parts[c.index].enabled, c.enabled) << c.name;
    }
    focusControl(kCursorFirstCategory + kBrelan);
    hoverPass();  // the next tick
    EXPECT_EQ(boardParts()[kCursorTargets + 3].name, "Trois d\xe9s identiques") << "the help follows the focus";
    activateControl(1);
    EXPECT_TRUE(boardParts()[1].pressed);
}

}  // namespace
