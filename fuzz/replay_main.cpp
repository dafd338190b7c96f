// replay_main.cpp -- runs a fuzz target over every file of its seed folder, without libFuzzer, so that
// the seeds (and every crash once found) are checked by the ordinary tests.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s SEED-FOLDER\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder = std::filesystem::absolute(argv[1]);
    std::vector<std::filesystem::path> seeds;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.is_regular_file()) seeds.push_back(entry.path());
    }
    for (const auto& seed : seeds) {
        std::ifstream in(seed, std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    }
    std::printf("%zu passed, 0 failed\n", seeds.size());
    return seeds.empty() ? 1 : 0;
}
