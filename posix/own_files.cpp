// own_files.cpp -- files of this run's own on Linux and in the page's file system: created
// exclusively, never through a link, readable by the player alone, and held with an advisory lock for as
// long as they are needed, so that another copy of the game (in another PID namespace too, where process
// numbers mean nothing) can tell a living copy's file from a dead one's.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

#include "game/platform.h"

std::FILE* createOwnFile(const char* path) {
    const int fd = ::open(path, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) return nullptr;
    std::FILE* file = ::fdopen(fd, "wb");
    if (!file) ::close(fd);
    return file;
}

namespace {

// A folder made for this run alone in the temporary folder, removed when the run ends (with its files
// gone by then, the removal succeeds).
std::string madeFolder;
void removeMadeFolder() { ::rmdir(madeFolder.c_str()); }

// $XDG_RUNTIME_DIR when it is what the XDG rules promise: an absolute path to a real folder of this user's
// that nobody else may enter.
bool isPrivateFolder(const char* folder) {
    struct stat info {};
    return folder && folder[0] == '/' && ::lstat(folder, &info) == 0 && S_ISDIR(info.st_mode) &&
           info.st_uid == ::geteuid() && (info.st_mode & 077) == 0;
}

}  // namespace

std::string privateFolder() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (isPrivateFolder(runtime)) return runtime;
    if (!madeFolder.empty()) return madeFolder;
    std::error_code error;
    std::string pattern = (std::filesystem::temp_directory_path(error) / "cinquor-XXXXXX").string();
    if (error || !::mkdtemp(pattern.data())) return {};  // mkdtemp makes it 0700
    madeFolder = pattern;
    std::atexit(removeMadeFolder);
    return madeFolder;
}

// A shared lock: the holder's, for as long as the descriptor is open. Whoever can take the exclusive one
// knows that nobody holds the file.
void* holdFile(const char* path) {
    const int fd = ::open(path, O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return nullptr;
    if (::flock(fd, LOCK_SH | LOCK_NB) != 0) {
        ::close(fd);
        return nullptr;
    }
    return new int(fd);
}

void releaseFile(void* hold) {
    if (!hold) return;
    int* fd = static_cast<int*>(hold);
    ::close(*fd);
    delete fd;
}

bool fileInUse(const char* path) {
    const int fd = ::open(path, O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return errno != ENOENT && errno != ELOOP;  // gone, or a link: nobody's file of ours
    const bool held = ::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(fd);
    return held;
}
