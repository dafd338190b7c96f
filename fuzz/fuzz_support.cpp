// fuzz_support.cpp -- what every fuzz target shares: a fresh game state and a private folder per input.
#include "fuzz/fuzz_support.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

#include <unistd.h>

#include "game/game_state.h"
#include "tests/unit/fake_platform.h"
#include "tests/unit/recording_draw.h"

namespace fuzz {

namespace {

std::filesystem::path folderOfThisRun;

void removeScratch() {
    std::error_code error;
    std::filesystem::current_path(std::filesystem::temp_directory_path(), error);
    std::filesystem::remove_all(folderOfThisRun, error);
}

// A folder of this process's own, removed when it exits.
const std::filesystem::path& scratch() {
    if (folderOfThisRun.empty()) {
        folderOfThisRun = std::filesystem::temp_directory_path() /
                          ("cinquor-fuzz-" + std::to_string(static_cast<unsigned long>(::getpid())));
        std::filesystem::create_directories(folderOfThisRun);
        std::atexit(removeScratch);
    }
    return folderOfThisRun;
}

}  // namespace

void freshProgram() {
    fake::reset();
    recording::reset();
    const std::filesystem::path folder = scratch();
    std::filesystem::current_path(folder);
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        std::filesystem::remove_all(entry.path(), error);
    }
}

std::string firstPart(const std::uint8_t* data, std::size_t size) {
    const std::string all(reinterpret_cast<const char*>(data), size);
    return all.substr(0, all.find('\0'));
}

std::string secondPart(const std::uint8_t* data, std::size_t size) {
    const std::string all(reinterpret_cast<const char*>(data), size);
    const std::size_t nul = all.find('\0');
    return nul == std::string::npos ? std::string() : all.substr(nul + 1);
}

void check(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "broken rule: %s\n", what);
    std::abort();
}

}  // namespace fuzz
