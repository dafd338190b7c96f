// temp_dir.h -- a fresh folder for a test's files, made the current folder while the test runs.
#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

class TempDir {
public:
    TempDir() {
        // Test programs run side by side (and two build trees at once): a name drawn from the system's
        // randomness, tried again while another process holds it or is removing it.
        static std::random_device device;
        static int counter = 0;
        const auto base = std::filesystem::temp_directory_path();
        for (int tries = 1;; ++tries) {
            path_ = base / ("cinquor-test-" + std::to_string(device()) + "-" + std::to_string(++counter));
            std::error_code error;
            if (std::filesystem::create_directory(path_, error)) break;
            if (tries == 100) throw std::filesystem::filesystem_error("no test folder", path_, error);
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
