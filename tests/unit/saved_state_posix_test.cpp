// saved_state_posix_test.cpp -- the Linux program's lock and durable writes on the real file system.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <chrono>

#include "app/saved_state.h"
#include "game/game_state.h"
#include "tests/unit/fake_platform.h"
#include "tests/unit/temp_dir.h"

std::filesystem::path savedStatePath() { return "dezo.sav"; }
std::filesystem::path legacySavedStatePath() { return {}; }

namespace {

// A copy stopped in the middle of its save holds the lock for ever: the save waits about two seconds,
// then goes on without it, and the record is written all the same.
TEST(SavedStateOnLinux, LockNeverReleasedIsGivenUp) {
    TempDir dir;
    fake::reset();
    const int other = ::open("dezo.sav.lock", O_RDWR | O_CREAT, 0644);
    ASSERT_GE(other, 0);
    ASSERT_EQ(::flock(other, LOCK_EX), 0);
    gameState.game.record = 77;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_TRUE(writeSavedStateQuietly());
    const double waited = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_GE(waited, 1.5);
    EXPECT_LT(waited, 5.0);
    EXPECT_EQ(readFile("dezo.sav").substr(4, 1), std::string(1, '\x4d'));
    ::close(other);
}

// A link planted at the lock's name is not followed.
TEST(SavedStateOnLinux, LockIsNeverTakenThroughALink) {
    TempDir dir;
    writeFile("elsewhere", "");
    std::filesystem::create_symlink("elsewhere", "dezo.sav.lock");
    EXPECT_EQ(lockFile("dezo.sav.lock"), nullptr);
}

}  // namespace
