// saved_state.cpp -- the saved-state file's durable writes and its lock on Linux: fsync of the file
// and of its folder, and an advisory lock beside the record that gives up after two seconds.
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

#include "app/saved_state.h"

namespace {

// fsync of what `path` names, opened with `flags`; false when it cannot be opened or flushed.
bool syncPath(const std::filesystem::path& path, int flags) {
    const int fd = ::open(path.c_str(), flags | O_CLOEXEC);
    if (fd < 0) return false;
    int result;
    do {
        result = ::fsync(fd);
    } while (result != 0 && errno == EINTR);
    ::close(fd);
    return result == 0;
}

}  // namespace

bool flushFile(const std::filesystem::path& path) { return syncPath(path, O_RDONLY); }

bool flushFolder(const std::filesystem::path& folder) { return syncPath(folder, O_RDONLY | O_DIRECTORY); }

// An advisory lock on a file of its own beside the record; a copy that dies releases it with its end. A
// save takes milliseconds: after two seconds the lock is given up (a copy stopped in its save, a file
// system whose locks hang) and the save goes on without it, so that no save, and no end of a session,
// waits for ever.
void* lockFile(const std::filesystem::path& path) {
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644);
    if (fd < 0) return nullptr;
    for (int tries = 0; tries < 200; ++tries) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) return new int(fd);
        if (errno != EWOULDBLOCK && errno != EINTR) break;
        ::usleep(10000);
    }
    ::close(fd);
    return nullptr;
}

void unlockFile(void* lock) {
    if (!lock) return;
    int* fd = static_cast<int*>(lock);
    ::close(*fd);  // closing releases the lock
    delete fd;
}
