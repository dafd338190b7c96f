// temp_dir.h -- a fresh folder for a test's files, made the current folder while the test runs.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

class TempDir {
public:
    TempDir() {
        static int counter = 0;
        const auto base = std::filesystem::temp_directory_path();
        for (;;) {
            path_ = base / ("cinquor-test-" + std::to_string(std::rand()) + "-" + std::to_string(++counter));
            if (std::filesystem::create_directory(path_)) break;
        }
        previous_ = std::filesystem::current_path();
        std::filesystem::current_path(path_);
    }
    ~TempDir() {
        std::filesystem::current_path(previous_);
        std::error_code error;
        std::filesystem::remove_all(path_, error);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
    std::filesystem::path previous_;
};

// Writes `bytes` exactly as given into the file `name` of the current folder.
inline void writeFile(const std::filesystem::path& name, const std::string& bytes) {
    std::ofstream(name, std::ios::binary) << bytes;
}

// The whole content of a file, or an empty text when it does not exist.
inline std::string readFile(const std::filesystem::path& name) {
    std::ifstream in(name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
