// saved_state_rename.cpp -- the saved state's moves where rename() replaces a file in one step, whatever
// was there: Linux, and the browser's file system of the page.
#include <cstdio>
#include <system_error>

#include "app/saved_state.h"

bool replaceFile(const std::filesystem::path& from, const std::filesystem::path& to) {
    return std::rename(from.c_str(), to.c_str()) == 0;
}

// The fallback after a failed rename: a copy over the target, flushed with its folder before the
// temporary file is removed, so that a crash meanwhile leaves one complete copy at least.
bool moveFileOver(const std::filesystem::path& from, const std::filesystem::path& to) {
    std::error_code error;
    std::filesystem::copy_file(from, to, std::filesystem::copy_options::overwrite_existing, error);
    if (error || !flushFile(to) || !flushFolder(to.has_parent_path() ? to.parent_path() : ".")) return false;
    std::filesystem::remove(from, error);
    return true;
}
