// fake_store.cpp -- the saved-state file's place for the tests: plain files in the current folder.
#include "tests/unit/fake_store.h"

#include <system_error>

#include "app/saved_state.h"

namespace fake {
Store store;
}  // namespace fake

std::filesystem::path savedStatePath() { return fake::store.path; }
std::filesystem::path legacySavedStatePath() { return fake::store.legacyPath; }

bool replaceFile(const std::filesystem::path& from, const std::filesystem::path& to) {
    ++fake::store.replacements;
    if (fake::store.replaceFails) return false;
    std::error_code error;
    std::filesystem::rename(from, to, error);
    return !error;
}
