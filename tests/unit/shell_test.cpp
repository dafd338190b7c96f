// shell_test.cpp -- arguments, the program's folder, pointer scaling and the dialogs' arithmetic.
#include <gtest/gtest.h>

#include <string>

#include "app/shell.h"
#include "game/game_state.h"
#include "tests/unit/fake_platform.h"

namespace {

TEST(Arguments, NarrowedByTheLowByteOfEachUnit) {
    char out[kConfigPathSize];
    EXPECT_TRUE(narrowArgument(out, sizeof out, L"Config.txt"));
    EXPECT_STREQ(out, "Config.txt");
    EXPECT_TRUE(narrowArgument(out, sizeof out, L"C:\\Jeux\\d\u00E9s.txt"));
    EXPECT_STREQ(out, "C:\\Jeux\\d\xE9s.txt");
    EXPECT_TRUE(narrowArgument(out, sizeof out, L"\u0141\u0100"));  // outside 8 bits: the low byte only
    EXPECT_STREQ(out, "\x41");
    EXPECT_EQ(static_cast<unsigned char>(out[0]), 0x41);
}

TEST(Arguments, TooLongIsRefusedNotCut) {
    char out[kConfigPathSize];
    const std::wstring fits(999, L'a');
    EXPECT_TRUE(narrowArgument(out, sizeof out, fits.c_str()));
    EXPECT_EQ(std::string(out).size(), 999u);
    const std::wstring tooLong(1000, L'b');
    EXPECT_FALSE(narrowArgument(out, sizeof out, tooLong.c_str()));
    EXPECT_STREQ(out, "") << "a cut path would name another file";
}

TEST(ProgramFolder, CutAtTheLastBackslashAfterTheFirstCharacter) {
    struct Case {
        const wchar_t* path;
        const wchar_t* folder;
    };
    const Case cases[] = {
        {L"C:\\Jeux\\Cinquor\\cinquor.exe", L"C:\\Jeux\\Cinquor"},
        {L"C:\\cinquor.exe", L"C:"},
        {L"cinquor.exe", L"cinquor.exe"},  // no backslash: stays whole (and the folder does not change)
        {L"\\cinquor.exe", L"\\cinquor.exe"},  // the first character is never examined
        {L"a\\b", L"a"},
        {L"", L""},
        {L"Z:\\tmp\\dossier\u4E2D\\cinquor.exe", L"Z:\\tmp\\dossier\u4E2D"},
    };
    for (const Case& c : cases) {
        std::wstring path = c.path;
        keepDirectory(path.data());
        EXPECT_EQ(std::wstring(path.c_str()), c.folder);
    }
}

TEST(Arguments, ConfigPathOfTheUtf8Programs) {
    char out[kConfigPathSize];
    chooseConfigPath(out, sizeof out, nullptr);
    EXPECT_STREQ(out, "Config.txt");
    chooseConfigPath(out, sizeof out, "nuit.txt");
    EXPECT_STREQ(out, "nuit.txt");
    chooseConfigPath(out, sizeof out, std::string(999, 'a').c_str());
    EXPECT_EQ(std::string(out).size(), 999u);
    chooseConfigPath(out, sizeof out, std::string(1000, 'b').c_str());
    EXPECT_STREQ(out, "") << "a cut path would name another file";
}

class Shell : public ::testing::Test {
protected:
    void SetUp() override { fake::reset(); }
    ShellFields& shell = gameState.shell;
};

std::uint32_t position(std::uint32_t x, std::uint32_t y) { return x | y << 16; }

TEST_F(Shell, PointerScaling) {
    shell.initialClientWidth = 504;
    shell.initialClientHeight = 434;
    struct Case {
        std::uint32_t x, y;
        std::int32_t width, height;
        std::int32_t boardX, boardY;
    };
    const Case cases[] = {
        {100, 50, 504, 434, 100, 50},    // at the captured size: the same
        {300, 50, 1008, 434, 150, 50},   // twice as wide
        {1007, 867, 1008, 868, 503, 433},
        {0, 0, 252, 217, 0, 0},
        {65535, 65535, 1, 1, 65535 * 504, 65535 * 434},  // the largest position a message carries
    };
    for (const Case& c : cases) {
        std::int32_t x = -1, y = -1;
        ASSERT_TRUE(scaleToBoard(position(c.x, c.y), c.width, c.height, x, y));
        EXPECT_EQ(x, c.boardX) << c.x << " in " << c.width;
        EXPECT_EQ(y, c.boardY) << c.y << " in " << c.height;
    }
}

TEST_F(Shell, PointerOverAnEmptyClientAreaIsIgnored) {
    std::int32_t x = 7, y = 8;
    EXPECT_FALSE(scaleToBoard(position(10, 10), 0, 434, x, y));
    EXPECT_FALSE(scaleToBoard(position(10, 10), 504, 0, x, y));
    EXPECT_FALSE(scaleToBoard(position(10, 10), -3, 434, x, y));
    EXPECT_EQ(x, 7);
    EXPECT_EQ(y, 8);
}

TEST_F(Shell, LogicalSizeIsTheClientSizeOfTheFirstTenMessages) {
    captureClientSize(0, 0);  // during creation, before the client area exists
    EXPECT_EQ(shell.initialClientWidth, 511);
    EXPECT_EQ(shell.initialClientHeight, 446);
    for (int i = 1; i < 10; ++i) captureClientSize(504, 434);
    EXPECT_EQ(shell.initialClientWidth, 504);
    EXPECT_EQ(shell.initialClientHeight, 434);
    captureClientSize(1008, 868);  // the eleventh message: resizing no longer changes it
    EXPECT_EQ(shell.initialClientWidth, 504);
    EXPECT_EQ(shell.initialClientHeight, 434);
}

TEST_F(Shell, MinimisedStartKeepsTheBoardSize) {
    for (int i = 0; i < 20; ++i) captureClientSize(0, 0);
    EXPECT_EQ(shell.initialClientWidth, 511);
    EXPECT_EQ(shell.initialClientHeight, 446);
}

// Each message: a changed timer restarted once; animations off above a second a frame, dropping the
// message that found them on.
TEST_F(Shell, PrologueStepsOfEveryMessage) {
    struct Case {
        std::int32_t timer;
        std::int32_t animations;
        std::int32_t timerChanged;
        bool restart, drop;
    };
    const Case cases[] = {{1000, 1, 0, false, false}, {1001, 1, 1, true, true}, {1001, 0, 0, false, false},
                          {-5, 1, 1, true, false}};
    for (const Case& c : cases) {
        fake::reset();
        gameState.settings.timer = c.timer;
        shell.animationsOn = c.animations;
        shell.timerChanged = c.timerChanged;
        const PrologueSteps steps = runPrologue();
        EXPECT_EQ(steps.restartTimer, c.restart) << c.timer;
        EXPECT_EQ(steps.dropMessage, c.drop) << c.timer;
        EXPECT_EQ(shell.timerChanged, 0) << c.timer;
        EXPECT_EQ(shell.animationsOn, c.drop ? 0 : c.animations) << c.timer;
        EXPECT_FALSE(runPrologue().dropMessage) << "only the first message is dropped";
    }
}

TEST_F(Shell, GameUnderWayBetweenOneAndFourteenCategories) {
    EXPECT_FALSE(gameUnderWay());
    gameState.game.categoryUsed[3] = 1;
    EXPECT_TRUE(gameUnderWay());
    for (int k = 0; k < kCategoryCount; ++k) gameState.game.categoryUsed[k] = 1;
    EXPECT_FALSE(gameUnderWay());
}

TEST_F(Shell, OptionsApplyTheirThreeRules) {
    struct Case {
        const char* timing;
        const char* rolls;
        const char* passes;
        std::int32_t timer, lancers, passers, timerChanged;
    };
    const Case cases[] = {
        {"50", "3", "0", 50, 3, 0, 1},
        {"", "", "", 40, 4, 0, 0},      // empty fields keep the old values, but the passes become 0
        {"0", "0", "2", 40, 4, 2, 0},
        {"1500", "5", "", 1500, 5, 0, 1},
        {"99999999999", "7", "3", 2147483647, 7, 3, 1},
    };
    for (const Case& c : cases) {
        fake::reset();
        gameState.settings.timer = 40;
        gameState.settings.lancers = 4;
        gameState.settings.passers = 9;
        applyOptions(c.timing, c.rolls, c.passes);
        EXPECT_EQ(gameState.settings.timer, c.timer) << c.timing;
        EXPECT_EQ(gameState.settings.lancers, c.lancers) << c.rolls;
        EXPECT_EQ(gameState.settings.passers, c.passers) << c.passes;
        EXPECT_EQ(gameState.shell.timerChanged, c.timerChanged) << c.timing;
    }
}

TEST_F(Shell, GamesPlayedInFiveDigitsAtLeast) {
    char text[64];
    gameState.game.gamesPlayed = 7;
    formatGamesPlayed(text, sizeof text);
    EXPECT_STREQ(text, "Jou\xE9 00007 fois");
    gameState.game.gamesPlayed = 42;
    formatGamesPlayed(text, sizeof text);
    EXPECT_STREQ(text, "Jou\xE9 00042 fois");
    gameState.game.gamesPlayed = 1234567;
    formatGamesPlayed(text, sizeof text);
    EXPECT_STREQ(text, "Jou\xE9 1234567 fois");
}

}  // namespace

namespace {

// "Arrière-plan" and "Aide contextuelle" toggle to 1 minus the value, whatever a file put there; the
// other three swap 0 and 1.
TEST(Toggles, EachFlipsByItsOwnRule) {
    struct Case {
        Toggle toggle;
        std::int32_t before, after;
        bool checked;
    };
    const Case cases[] = {
        {Toggle::Background, 0, 1, false}, {Toggle::Background, 1, 0, true},
        {Toggle::Background, 2, -1, false}, {Toggle::Background, INT32_MIN, INT32_MIN + 1, false},
        {Toggle::ContextHelp, 1, 0, false}, {Toggle::ContextHelp, 0, 1, true},
        {Toggle::ContextHelp, 2, -1, true},
        {Toggle::Filtering, 0, 1, true},    {Toggle::Filtering, 5, 0, false},
        {Toggle::Animations, 1, 0, false},  {Toggle::Animations, -3, 0, false},
        {Toggle::Warnings, 0, 1, true},     {Toggle::Warnings, 2, 0, false},
    };
    for (const Case& c : cases) {
        fake::reset();
        std::int32_t* value = c.toggle == Toggle::Background    ? &gameState.drawing.backgroundMode
                              : c.toggle == Toggle::ContextHelp ? &gameState.settings.aide
                              : c.toggle == Toggle::Filtering   ? &gameState.settings.filtrage
                              : c.toggle == Toggle::Animations  ? &gameState.shell.animationsOn
                                                                : &gameState.shell.warningsOn;
        *value = c.before;
        EXPECT_EQ(applyToggle(c.toggle), c.checked) << c.before;
        EXPECT_EQ(*value, c.after) << c.before;
        EXPECT_EQ(toggleChecked(c.toggle), c.checked);
    }
}

}  // namespace
