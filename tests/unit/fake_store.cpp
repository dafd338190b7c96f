// fake_store.cpp -- the saved-state file's place for the tests: plain files in the current folder.
#include "tests/unit/fake_store.h"

#include <system_error>

#include "app/saved_state.h"

namespace fake {
Store store;
}  // namespace fake

std::filesystem::path savedStatePath() { return fake::store.path; }
std::filesystem::path legacySavedStatePath() { return fake::store.legacyPath; }

bool flushFile(const std::filesystem::path& path) {
    fake::store.steps.push_back("flush file " + path.filename().string());
    return !fake::store.fileFlushFails;
}

bool flushFolder(const std::filesystem::path& folder) {
    fake::store.steps.push_back("flush folder " + folder.filename().string());
    return !fake::store.folderFlushFails;
}

void* lockFile(const std::filesystem::path& path) {
    fake::store.steps.push_back("lock " + path.filename().string());
    return &fake::store;
}

void unlockFile(void*) { fake::store.steps.push_back("unlock"); }

bool replaceFile(const std::filesystem::path& from, const std::filesystem::path& to) {
    fake::store.steps.push_back("replace");
    ++fake::store.replacements;
    std::error_code error;
    switch (fake::store.replaceFailure) {
        case fake::ReplaceFailure::None:
            std::filesystem::rename(from, to, error);
            return !error;
        case fake::ReplaceFailure::OldFileKept: break;
        case fake::ReplaceFailure::OldFileRemoved: std::filesystem::remove(to, error); break;
        case fake::ReplaceFailure::OldFileRenamed:
            std::filesystem::rename(to, std::filesystem::path(to) += ".old", error);
            break;
    }
    return false;
}

bool moveFileOver(const std::filesystem::path& from, const std::filesystem::path& to) {
    fake::store.steps.push_back("move");
    ++fake::store.moves;
    if (fake::store.moveFails) return false;
    std::error_code error;
    std::filesystem::rename(from, to, error);
    return !error;
}
