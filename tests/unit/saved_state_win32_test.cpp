// saved_state_win32_test.cpp -- the saved-state file in its Windows home, on the real file system.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "app/saved_state.h"
#include "game/game_state.h"
#include "tests/unit/fake_platform.h"
#include "tests/unit/temp_dir.h"

namespace {

class SavedStateOnWindows : public ::testing::Test {
protected:
    void SetUp() override {
        fake::reset();
        clean();
    }
    void TearDown() override { clean(); }
    void clean() {
        std::error_code error;
        std::filesystem::remove(savedStatePath(), error);
        std::filesystem::remove(legacySavedStatePath(), error);
    }
};

TEST_F(SavedStateOnWindows, LivesInTheRoamingApplicationData) {
    const char* appData = std::getenv("APPDATA");
    ASSERT_NE(appData, nullptr);
    const std::filesystem::path path = savedStatePath();
    EXPECT_EQ(path, std::filesystem::path(appData) / "Le cinquor" / "dezo.sav");
    EXPECT_EQ(legacySavedStatePath(), std::filesystem::path("C:\\dezo.sav"));
}

TEST_F(SavedStateOnWindows, OldSaveIsReadThenTheNewFileTakesOver) {
    std::string old(44, '\0');
    old[4] = 123;   // record
    old[8] = 3;     // lancers
    old[12] = 50;   // timer
    old[24] = 9;    // gamesPlayed
    writeFile(legacySavedStatePath(), old);
    loadSavedState();
    EXPECT_EQ(gameState.game.record, 123);
    EXPECT_EQ(gameState.game.gamesPlayed, 9);

    gameState.game.gamesPlayed = 10;
    writeSavedState(nullptr);  // the game's folder is made, the file moved into place
    std::string saved = readFile(savedStatePath());
    ASSERT_EQ(saved.size(), 44u);
    EXPECT_EQ(saved[24], 10);
    EXPECT_EQ(readFile(legacySavedStatePath()), old);

    gameState.game.gamesPlayed = 11;
    writeSavedState(nullptr);  // now over an existing file
    saved = readFile(savedStatePath());
    EXPECT_EQ(saved[24], 11);
    EXPECT_FALSE(std::filesystem::exists(temporarySavePath(savedStatePath())));
    EXPECT_TRUE(fake::platform.boxes.empty());

    fake::reset();
    loadSavedState();
    EXPECT_EQ(gameState.game.gamesPlayed, 11);
}

TEST_F(SavedStateOnWindows, MoveOverReplacesAnExistingFile) {
    TempDir dir;
    writeFile("old.sav", "old");
    writeFile("new.sav", "new");
    EXPECT_TRUE(moveFileOver("new.sav", "old.sav"));
    EXPECT_EQ(readFile("old.sav"), "new");
    EXPECT_FALSE(std::filesystem::exists("new.sav"));
    EXPECT_FALSE(moveFileOver("missing.sav", "old.sav"));
    EXPECT_EQ(readFile("old.sav"), "new");
}

}  // namespace
