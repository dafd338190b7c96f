// saved_state_test.cpp -- the eleven values kept from run to run, old files, and writes that fail.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "app/message_box.h"
#include "config/configuration.h"
#include "app/saved_state.h"
#include "game/game_state.h"
#include "game/platform.h"
#include "tests/unit/fake_platform.h"
#include "tests/unit/fake_store.h"
#include "tests/unit/temp_dir.h"

namespace {

// Little-endian bytes of these values.
std::string bytesOf(std::initializer_list<std::int32_t> values) {
    std::string bytes;
    for (std::int32_t v : values) {
        const auto u = static_cast<std::uint32_t>(v);
        for (int b = 0; b < 4; ++b) bytes += static_cast<char>(u >> (8 * b));
    }
    return bytes;
}

const char kOldSaveText[] =
    "Votre sauvegarde est vieille, elle va \xEAtre mise \xE0 jour. Vous n'allez perdre AUCUNE donn\xE9" "e!\n"
    "Vous devriez jeter un coup d'oeil aux options qui n'existaient pas avant pour voir si les r\xE9glages "
    "vous satisfont...";

class SavedState : public ::testing::Test {
protected:
    void SetUp() override {
        fake::reset();
        fake::store = fake::Store{};
    }
    void saveFile(const std::string& bytes) {
        std::filesystem::create_directories("saves");
        writeFile(fake::store.path, bytes);
    }
    std::int32_t values(int i) const {
        std::int32_t* const fields[kSaveValueCount] = {
            &gameState.drawing.backgroundMode, &gameState.game.record,       &gameState.settings.lancers,
            &gameState.settings.timer,         &gameState.game.recordCheated, &gameState.settings.aide,
            &gameState.game.gamesPlayed,       &gameState.settings.passers,  &gameState.shell.animationsOn,
            &gameState.settings.filtrage,      &gameState.shell.warningsOn,
        };
        return *fields[i];
    }
    TempDir dir;
};

TEST_F(SavedState, RoundTripOfAllElevenValues) {
    gameState.drawing.backgroundMode = 1;
    gameState.game.record = 312;
    gameState.settings.lancers = 0;
    gameState.settings.timer = -40;
    gameState.game.recordCheated = 1;
    gameState.settings.aide = 0;
    gameState.game.gamesPlayed = 2147483647;
    gameState.settings.passers = 7;
    gameState.shell.animationsOn = 0;
    gameState.settings.filtrage = 1;
    gameState.shell.warningsOn = 0;
    writeSavedState(nullptr);
    EXPECT_TRUE(fake::platform.boxes.empty());
    EXPECT_EQ(readFile(fake::store.path), bytesOf({1, 312, 0, -40, 1, 0, 2147483647, 7, 0, 1, 0}));
    EXPECT_FALSE(std::filesystem::exists(temporarySavePath(fake::store.path)));

    fake::reset();
    loadSavedState();
    const std::int32_t expected[] = {1, 312, 0, -40, 1, 0, 2147483647, 7, 0, 1, 0};
    for (int i = 0; i < kSaveValueCount; ++i) EXPECT_EQ(values(i), expected[i]) << i;
    EXPECT_TRUE(fake::platform.boxes.empty());
}

TEST_F(SavedState, FilesOfEveryKind) {
    const std::string full = bytesOf({1, 200, 4, 80, 1, 0, 41, 2, 0, 1, 0});
    struct Case {
        const char* name;
        std::string bytes;
        const char* caption;  // null when no box is shown
        std::int32_t expected[kSaveValueCount];
    };
    const Case cases[] = {
        {"empty", "", "0", {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1}},
        {"ten values", full.substr(0, 40), "10", {1, 200, 4, 80, 1, 0, 41, 2, 0, 1, 1}},
        {"three values and a half", full.substr(0, 14), "3", {1, 200, 4, 0, 0, 0, 0, 0, 0, 0, 1}},
        {"complete", full, nullptr, {1, 200, 4, 80, 1, 0, 41, 2, 0, 1, 0}},
        {"longer", full + bytesOf({99}), nullptr, {1, 200, 4, 80, 1, 0, 41, 2, 0, 1, 0}},
    };
    for (const Case& c : cases) {
        fake::reset();
        saveFile(c.bytes);
        loadSavedState();
        for (int i = 0; i < kSaveValueCount; ++i) EXPECT_EQ(values(i), c.expected[i]) << c.name << " " << i;
        if (!c.caption) {
            EXPECT_TRUE(fake::platform.boxes.empty()) << c.name;
            continue;
        }
        ASSERT_EQ(fake::platform.boxes.size(), 1u) << c.name;
        const fake::Box& box = fake::platform.boxes[0];
        EXPECT_EQ(box.caption, c.caption) << c.name;
        EXPECT_EQ(box.text, kOldSaveText) << c.name;
        EXPECT_EQ(box.style, 0x40u) << c.name;
        EXPECT_EQ(box.owner, nullptr) << c.name;
    }
}

TEST_F(SavedState, LongerFileIsRewrittenWithFortyFourBytes) {
    saveFile(bytesOf({0, 10, 3, 50, 0, 1, 7, 0, 1, 0, 1, 5, 6}));
    loadSavedState();
    writeSavedState(nullptr);
    EXPECT_EQ(readFile(fake::store.path).size(), 44u);
}

TEST_F(SavedState, MissingFileKeepsTheDefaultsSilently) {
    loadSavedState();
    EXPECT_TRUE(fake::platform.boxes.empty());
    EXPECT_EQ(gameState.settings.lancers, 3);
    EXPECT_EQ(gameState.settings.timer, 50);
    EXPECT_EQ(gameState.settings.aide, 1);
    EXPECT_EQ(gameState.shell.animationsOn, 1);
    EXPECT_EQ(gameState.shell.warningsOn, 1);
    EXPECT_EQ(gameState.game.gamesPlayed, 0);
}

TEST_F(SavedState, OldLocationIsReadWhenTheNewFileIsMissing) {
    writeFile(fake::store.legacyPath, bytesOf({0, 444, 3, 50, 0, 1, 12, 0, 1, 0, 1}));
    loadSavedState();
    EXPECT_EQ(gameState.game.record, 444);
    EXPECT_EQ(gameState.game.gamesPlayed, 12);
    gameState.game.gamesPlayed = 13;
    writeSavedState(nullptr);
    EXPECT_EQ(readFile(fake::store.path), bytesOf({0, 444, 3, 50, 0, 1, 13, 0, 1, 0, 1}));
    EXPECT_EQ(readFile(fake::store.legacyPath), bytesOf({0, 444, 3, 50, 0, 1, 12, 0, 1, 0, 1}))
        << "the old file is never written";

    fake::reset();
    loadSavedState();  // the new file now wins
    EXPECT_EQ(gameState.game.gamesPlayed, 13);
}

// A failed write tells the player in a box owned by the window and leaves the old file exactly as it was.
void expectFailedWrite(void* window, const std::string& before) {
    ASSERT_EQ(fake::platform.boxes.size(), 1u);
    EXPECT_EQ(fake::platform.boxes[0].text, "Pas pu enregistrer");
    EXPECT_EQ(fake::platform.boxes[0].caption, "Oups...");
    EXPECT_EQ(fake::platform.boxes[0].style, 0x10u);
    EXPECT_EQ(fake::platform.boxes[0].owner, window);
    EXPECT_EQ(readFile(fake::store.path), before);
}

TEST_F(SavedState, WriteThatCannotStartKeepsTheOldFile) {
    const std::string before = bytesOf({0, 99, 3, 50, 0, 1, 5, 0, 1, 0, 1});
    saveFile(before);
    std::filesystem::create_directory(temporarySavePath(fake::store.path));  // nowhere for the new content
    int window = 0;
    gameState.game.record = 500;
    writeSavedState(&window);
    expectFailedWrite(&window, before);
}

TEST_F(SavedState, TemporaryFileIsOfThisProcess) {
    EXPECT_EQ(temporarySavePath("saves/dezo.sav"), std::filesystem::path("saves/dezo.sav.4242.tmp"));
}

// Every way the last step can go: the new record ends up in place, or the player is told and no complete
// copy of the record, old or new, is ever deleted.
TEST_F(SavedState, FailedReplaceNeverDeletesTheOnlyCopy) {
    using fake::ReplaceFailure;
    struct Case {
        const char* what;
        ReplaceFailure replace;
        bool moveFails;
        bool saved;             // the new record is in place, no box
        bool temporaryKept;     // the new record survives only as the temporary file
        const char* oldCopy;    // where the old record survives after a failure, if anywhere else
    };
    const Case cases[] = {
        {"replace works", ReplaceFailure::None, false, true, false, nullptr},
        {"replace fails, move works", ReplaceFailure::OldFileKept, false, true, false, nullptr},
        {"old file removed, move works", ReplaceFailure::OldFileRemoved, false, true, false, nullptr},
        {"old file renamed, move works", ReplaceFailure::OldFileRenamed, false, true, false, nullptr},
        {"both fail, old file in place", ReplaceFailure::OldFileKept, true, false, false, "saves/dezo.sav"},
        {"both fail, old file removed", ReplaceFailure::OldFileRemoved, true, false, true, nullptr},
        {"both fail, old file renamed", ReplaceFailure::OldFileRenamed, true, false, true, "saves/dezo.sav.old"},
    };
    const std::string before = bytesOf({0, 99, 3, 50, 0, 1, 5, 0, 1, 0, 1});
    const std::string after = bytesOf({0, 500, 3, 50, 0, 1, 5, 0, 1, 0, 1});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fake::reset();
        fake::store = fake::Store{};
        std::filesystem::remove_all("saves");
        saveFile(before);
        loadSavedState();
        fake::store.replaceFailure = c.replace;
        fake::store.moveFails = c.moveFails;
        int window = 0;
        gameState.game.record = 500;
        gameState.game.gamesPlayed = 5;
        writeSavedState(&window);
        const std::filesystem::path temporary = temporarySavePath(fake::store.path);
        if (c.saved) {
            EXPECT_TRUE(fake::platform.boxes.empty());
            EXPECT_EQ(readFile(fake::store.path), after);
        } else {
            ASSERT_EQ(fake::platform.boxes.size(), 1u);
            EXPECT_EQ(fake::platform.boxes[0].text, "Pas pu enregistrer");
        }
        EXPECT_EQ(std::filesystem::exists(temporary), c.temporaryKept);
        if (c.temporaryKept) {
            EXPECT_EQ(readFile(temporary), after);
        }
        if (c.oldCopy) {
            EXPECT_EQ(readFile(c.oldCopy), before);
        }
    }
}

// The new file reaches the disk before it replaces the old one, and the folder that names it after; a
// flush that fails is a failed save. Folders the save makes are flushed into their parents.
TEST_F(SavedState, DurableSaveStepsInOrder) {
    const std::string before = bytesOf({0, 99, 3, 50, 0, 1, 5, 0, 1, 0, 1});
    struct Case {
        const char* what;
        bool fileFlushFails, folderFlushFails, saved;
        std::vector<std::string> steps;
    };
    const Case cases[] = {
        {"a good save", false, false, true,
         {"lock dezo.sav.lock", "flush file dezo.sav.4242.tmp", "replace", "flush folder saves", "unlock"}},
        {"the file cannot be flushed", true, false, false,
         {"lock dezo.sav.lock", "flush file dezo.sav.4242.tmp", "unlock"}},
        {"the folder cannot be flushed", false, true, false,
         {"lock dezo.sav.lock", "flush file dezo.sav.4242.tmp", "replace", "flush folder saves", "unlock"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fake::reset();
        fake::store = fake::Store{};
        saveFile(before);
        loadSavedState();
        fake::store.fileFlushFails = c.fileFlushFails;
        fake::store.folderFlushFails = c.folderFlushFails;
        gameState.game.record = 500;
        writeSavedState(nullptr);
        EXPECT_EQ(fake::store.steps, c.steps);
        EXPECT_EQ(fake::platform.boxes.size(), c.saved ? 0u : 1u);
        EXPECT_FALSE(std::filesystem::exists(temporarySavePath(fake::store.path)));
        if (c.fileFlushFails) {
            EXPECT_EQ(readFile(fake::store.path), before);
        }
    }
    fake::store = fake::Store{};
    fake::store.path = "deep/er/dezo.sav";
    writeSavedState(nullptr);
    EXPECT_EQ(fake::store.steps, (std::vector<std::string>{"flush folder .", "flush folder deep", "lock dezo.sav.lock",
                                                           "flush file dezo.sav.4242.tmp", "replace",
                                                           "flush folder er", "unlock"}));
}

// Two copies of the game on one saved state: each save writes what this run changed since it last read
// or wrote the file (`own` is its values then), and keeps the rest as the other copy left it.
TEST(MergeSaveRecords, EachCopyWritesWhatItChanged) {
    const auto record = [](std::int32_t best, std::int32_t cheated, std::int32_t games, std::int32_t rolls) {
        SaveRecord r;
        r.values[1] = best;
        r.values[4] = cheated;
        r.values[6] = games;
        r.values[2] = rolls;
        return r;
    };
    const struct {
        const char* what;
        SaveRecord disk, known, own, mine, merged;
    } cases[] = {
        {"nobody else saved", record(90, 0, 5, 3), record(90, 0, 5, 3), record(90, 0, 5, 3), record(120, 1, 7, 4),
         record(120, 1, 7, 4)},
        {"the other's record is higher", record(300, 1, 6, 3), record(90, 0, 5, 3), record(90, 0, 5, 3),
         record(120, 0, 7, 4), record(300, 1, 8, 4)},
        {"this run's record is higher", record(100, 0, 6, 3), record(90, 0, 5, 3), record(90, 0, 5, 3),
         record(120, 1, 7, 4), record(120, 1, 8, 4)},
        {"a tie keeps the honest mark", record(120, 0, 6, 3), record(90, 0, 5, 3), record(90, 0, 5, 3),
         record(120, 1, 6, 4), record(120, 0, 7, 4)},
        {"a record cleared here stays cleared", record(90, 0, 5, 3), record(90, 0, 5, 3), record(90, 0, 5, 3),
         record(0, 0, 6, 3), record(0, 0, 6, 3)},
        {"a record cleared there stays cleared", record(0, 0, 6, 3), record(90, 0, 5, 3), record(90, 0, 5, 3),
         record(90, 0, 6, 3), record(0, 0, 7, 3)},
        {"a setting changed there only is kept", record(90, 0, 6, 5), record(90, 0, 5, 3), record(90, 0, 5, 3),
         record(90, 0, 6, 3), record(90, 0, 7, 5)},
        // After a save that merged the other's record 150 and games, this run holds them: its second save
        // changes nothing of theirs, and its setting stays its own.
        {"a second save after a merge", record(150, 0, 9, 5), record(150, 0, 9, 5), record(150, 0, 9, 3),
         record(150, 0, 10, 3), record(150, 0, 10, 5)},
        {"counts wrap at 32 bits", record(0, 0, 2147483647, 3), record(0, 0, 5, 3), record(0, 0, 5, 3),
         record(0, 0, 6, 3), record(0, 0, -2147483647 - 1, 3)},
    };
    for (const auto& c : cases) {
        const SaveRecord merged = mergeSaveRecords(c.disk, c.known, c.own, c.mine);
        for (int i = 0; i < kSaveValueCount; ++i) EXPECT_EQ(merged.values[i], c.merged.values[i]) << c.what << ", value " << i;
    }
}

// The run that merged goes on with the merged record and games: another copy's record made while both
// ran survives this run's next save, and its games are not taken away.
TEST_F(SavedState, MergedRecordIsHeldByTheRun) {
    saveFile(bytesOf({0, 100, 3, 50, 0, 1, 5, 0, 1, 0, 1}));
    loadSavedState();
    gameState.game.gamesPlayed = 6;  // this run's start
    saveFile(bytesOf({0, 150, 4, 50, 1, 1, 6, 0, 1, 0, 1}));  // the other copy's record, setting and game
    writeSavedState(nullptr);
    EXPECT_EQ(gameState.game.record, 150);
    EXPECT_EQ(gameState.game.recordCheated, 1);
    EXPECT_EQ(gameState.game.gamesPlayed, 7);
    EXPECT_EQ(gameState.settings.lancers, 3) << "the running game keeps its own setting";
    writeSavedState(nullptr);
    EXPECT_EQ(readFile(fake::store.path), bytesOf({0, 150, 4, 50, 1, 1, 7, 0, 1, 0, 1}));
}

// A start clears what copies that no longer run left: their temporary saves, unless one holds the only
// complete record, which takes its place, and their script files. A running copy's files stay, whatever
// its number: here no process 222 or 4242 may run at all (another PID namespace), but their files are
// held, which is what tells.
TEST_F(SavedState, LeftoversOfCopiesThatNoLongerRun) {
    const std::string record = bytesOf({0, 99, 3, 50, 0, 1, 5, 0, 1, 0, 1});
    std::filesystem::create_directories("saves");
    writeFile("saves/dezo.sav.111.tmp", record);  // its copy died before it could replace
    writeFile("saves/dezo.sav.112.tmp", "");       // its copy died while writing
    writeFile("saves/dezo.sav.222.tmp", record);   // its copy runs
    writeFile("instr-333.txt", "x");
    writeFile("instr-222.txt", "x");
    writeFile("instr-4242.txt", "x");  // a dead copy's that had this process's number
    writeFile("instr-12ab.txt", "x");  // not a script file of the game
    const std::filesystem::path foreign = std::filesystem::path(privateFolder()) / "cinquor-instr-333.txt";
    writeFile(foreign, "x");
    void* holds[] = {holdFile("saves/dezo.sav.222.tmp"), holdFile("instr-222.txt")};
    removeLeftovers();
    EXPECT_EQ(readFile(fake::store.path), record) << "the only complete record took its place";
    for (const char* gone : {"saves/dezo.sav.111.tmp", "saves/dezo.sav.112.tmp", "instr-333.txt", "instr-4242.txt"}) {
        EXPECT_FALSE(std::filesystem::exists(gone)) << gone;
    }
    EXPECT_FALSE(std::filesystem::exists(foreign));
    for (const char* kept : {"saves/dezo.sav.222.tmp", "instr-222.txt", "instr-12ab.txt"}) {
        EXPECT_TRUE(std::filesystem::exists(kept)) << kept;
    }
    for (void* hold : holds) releaseFile(hold);
    EXPECT_EQ(fake::store.steps, (std::vector<std::string>{"lock dezo.sav.lock", "flush file dezo.sav.111.tmp", "move",
                                                           "flush folder saves", "unlock"}))
        << "the record is brought back under the lock, flushed before it moves";
}

TEST_F(SavedState, FullDiskKeepsTheOldFile) {
    std::error_code error;
    if (!std::filesystem::exists("/dev/full", error)) GTEST_SKIP() << "no full-disk device here";
    const std::string before = bytesOf({0, 99, 3, 50, 0, 1, 5, 0, 1, 0, 1});
    saveFile(before);
    std::filesystem::create_symlink("/dev/full", temporarySavePath(fake::store.path));
    int window = 0;
    writeSavedState(&window);
    expectFailedWrite(&window, before);
    EXPECT_EQ(fake::store.replacements, 0) << "nothing replaces the old file after a failed write";
}

TEST_F(SavedState, FolderIsMadeWhenNeeded) {
    fake::store.path = "deep/er/dezo.sav";
    writeSavedState(nullptr);
    EXPECT_EQ(readFile("deep/er/dezo.sav").size(), 44u);
}

TEST(SaveRecordBytes, DecodeIsLittleEndianAndCountsWholeValues) {
    SaveRecord record;
    const unsigned char bytes[] = {0x78, 0x56, 0x34, 0x12, 0xFF, 0xFF, 0xFF, 0xFF, 0x01, 0x02};
    EXPECT_EQ(decodeSaveRecord(bytes, sizeof bytes, record), 2);
    EXPECT_EQ(record.values[0], 0x12345678);
    EXPECT_EQ(record.values[1], -1);
    EXPECT_EQ(record.values[2], 0);
}

}  // namespace

namespace {

// Start-up reads the saved state first and the configuration file after it: the file wins for the five
// keys it may hold, the saved state for the rest, the defaults for what neither names.
TEST_F(SavedState, ConfigurationWinsOverTheSavedFile) {
    saveFile(bytesOf({1, 250, 5, 80, 1, 0, 41, 2, 0, 1, 0}));
    writeFile("Config.txt", "timer=30\nlancers=3\n");
    loadSavedState();
    readConfiguration("Config.txt");
    EXPECT_EQ(gameState.settings.timer, 30);
    EXPECT_EQ(gameState.settings.lancers, 3);
    EXPECT_EQ(gameState.settings.passers, 2);
    EXPECT_EQ(gameState.game.record, 250);
    EXPECT_EQ(gameState.game.gamesPlayed, 41);
    EXPECT_EQ(gameState.shell.warningsOn, 0);
    EXPECT_EQ(gameState.settings.couleurfct, 0x0000FFFFu);
}

}  // namespace

// The page's record in local storage is read as tolerantly as the file: a record of 250 written by hand or
// by another version is never thrown away for its case, its spaces or a stray half byte.
TEST(StoredText, ReadAsTolerantlyAsTheFile) {
    const struct {
        const char* text;
        bool readable;
        const char* bytes;
    } cases[] = {
        {"fa000000", true, "\xfa\0\0\0"},
        {"FA000000", true, "\xfa\0\0\0"},
        {"fa 00 00 00\n", true, "\xfa\0\0\0"},
        {"\tFa00\r\n0000", true, "\xfa\0\0\0"},
        {"fa0000000", true, "\xfa\0\0\0"},  // an odd digit at the end: the half byte is left out
        {"", true, ""},
        {"fa0000zz", false, ""},
        {"0xfa", false, ""},
        {"\xe9", false, ""},  // a byte above 127 is a character, not a digit
    };
    for (const auto& c : cases) {
        std::string bytes = "left over";
        EXPECT_EQ(bytesFromStoredText(c.text, bytes), c.readable) << c.text;
        if (c.readable) {
            EXPECT_EQ(bytes, std::string(c.bytes, std::strlen(c.text) ? 4 : 0)) << c.text;
        }
    }
}
