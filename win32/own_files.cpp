// own_files.cpp -- files of this run's own on Windows: created only where nothing stands (CREATE_NEW
// does not follow a planted link), and held open by this run, so that another copy tells a living copy's
// file from a dead one's by the file's sharing, whatever became of the process number.
#include <windows.h>
#include <fcntl.h>
#include <io.h>

#include <filesystem>
#include <string>
#include <system_error>

#include "game/platform.h"

std::FILE* createOwnFile(const char* path) {
    const HANDLE handle = CreateFileA(path, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return nullptr;
    const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_WRONLY | _O_BINARY);
    if (fd < 0) {
        CloseHandle(handle);
        return nullptr;
    }
    std::FILE* file = _fdopen(fd, "wb");
    if (!file) _close(fd);
    return file;
}

// The user's own temporary folder (under the profile), which other users cannot enter.
std::string privateFolder() {
    std::error_code error;
    std::string folder = std::filesystem::temp_directory_path(error).string();
    while (folder.size() > 3 && (folder.back() == '\\' || folder.back() == '/')) folder.pop_back();
    return error ? std::string() : folder;
}

// The holder reads and lets everything else be done to the file, even its move or removal; whoever opens
// it without letting others read learns that it is held.
void* holdFile(const char* path) {
    const HANDLE handle = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    return handle == INVALID_HANDLE_VALUE ? nullptr : handle;
}

void releaseFile(void* hold) {
    if (hold) CloseHandle(static_cast<HANDLE>(hold));
}

bool fileInUse(const char* path) {
    const HANDLE handle = CreateFileA(path, GENERIC_READ, FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                      FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (handle != INVALID_HANDLE_VALUE) {
        CloseHandle(handle);
        return false;
    }
    const DWORD error = GetLastError();
    return error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND;
}
