// fake_store.h -- where the saved-state tests keep the file: paths in the current folder, and a
// replacement that can be told to fail in each of the ways the platform's can.
#pragma once

#include <string>
#include <vector>

namespace fake {

// How the replace fails, when it does: leaving the old file, having removed it (Windows' error 1176), or
// having moved it away under another name (1177).
enum class ReplaceFailure { None, OldFileKept, OldFileRemoved, OldFileRenamed };

struct Store {
    const char* path = "saves/dezo.sav";
    const char* legacyPath = "old-dezo.sav";
    ReplaceFailure replaceFailure = ReplaceFailure::None;
    bool moveFails = false;
    bool fileFlushFails = false;
    bool folderFlushFails = false;
    int replacements = 0;
    int moves = 0;
    std::vector<std::string> steps;         // "flush file NAME", "replace", "move", "flush folder NAME", "lock", "unlock"
};

extern Store store;

}  // namespace fake
