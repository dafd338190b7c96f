// shipped_files.h -- the looks the game ships, read from the sources as the build ships them: in
// Windows-1252. CINQUOR_SOURCE_DIR and CINQUOR_IMAGES_DIR are given by the build (a Z: path under Wine).
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "tests/unit/temp_dir.h"

namespace shipped {

// The configuration files of the looks, and the pictures they name.
struct Look {
    const char* file;
    const char* background;
    const char* dice;
};
constexpr Look kLooks[] = {
    {"Config.txt", "fond.bmp", "des.bmp"},
    {"nuit.txt", "fond-nuit.bmp", "des-nuit.bmp"},
    {"contraste.txt", "fond-contraste.bmp", "des-contraste.bmp"},
    {"casino.txt", "fond-casino.bmp", "des-casino.bmp"},
};

inline std::filesystem::path resources() { return std::filesystem::path(CINQUOR_SOURCE_DIR) / "resources"; }
inline std::filesystem::path images() { return std::filesystem::path(CINQUOR_IMAGES_DIR); }

// A UTF-8 text of the sources in Windows-1252, as the build writes it (every character the looks use is
// below U+0100); "?" for anything else, which no shipped look may hold.
inline std::string windows1252(const std::string& utf8) {
    std::string out;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if ((c & 0xE0) == 0xC0 && i + 1 < utf8.size()) {
            const unsigned code = (c & 0x1Fu) << 6 | (static_cast<unsigned char>(utf8[++i]) & 0x3Fu);
            out += code < 0x100 ? static_cast<char>(code) : '?';
        } else {
            out += '?';
            while (i + 1 < utf8.size() && (static_cast<unsigned char>(utf8[i + 1]) & 0xC0) == 0x80) ++i;
        }
    }
    return out;
}

inline std::string look(const char* file) { return windows1252(readFile(resources() / file)); }

}  // namespace shipped
