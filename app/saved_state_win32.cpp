// saved_state_win32.cpp -- where the saved-state file lives on Windows, and its replacement in one step.
#include <windows.h>
#include <shlobj.h>

#include "app/saved_state.h"

namespace {
const wchar_t kGameFolder[] = L"Le cinquor";
const wchar_t kFileName[] = L"dezo.sav";
}  // namespace

// Standard users may not create files in the root of C:, so the record lives in the player's roaming
// application data, in a folder of the game's own.
std::filesystem::path savedStatePath() {
    PWSTR folder = nullptr;
    std::filesystem::path path;
    if (SHGetKnownFolderPath(FOLDERID_RoamingAppData, KF_FLAG_CREATE, nullptr, &folder) == S_OK) {
        path = std::filesystem::path(folder) / kGameFolder / kFileName;
    } else {
        path = legacySavedStatePath();
    }
    CoTaskMemFree(folder);
    return path;
}

// Where earlier versions kept it; still read so that an old record is not lost.
std::filesystem::path legacySavedStatePath() { return L"C:\\dezo.sav"; }

bool replaceFile(const std::filesystem::path& from, const std::filesystem::path& to) {
    if (GetFileAttributesW(to.c_str()) != INVALID_FILE_ATTRIBUTES) {
        return ReplaceFileW(to.c_str(), from.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr,
                            nullptr) != 0;
    }
    return moveFileOver(from, to);
}

bool moveFileOver(const std::filesystem::path& from, const std::filesystem::path& to) {
    return MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}
