// text_encoding.cpp -- the game's Windows-1252 texts and the UTF-8 that GTK and Pango take.
#include "render/text_encoding.h"

#include <cstring>

namespace {

// 0x80..0x9F: where Windows-1252 differs from Latin-1. Undefined bytes map to themselves.
const std::uint16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

std::uint32_t unicodeOf(unsigned char byte) {
    return byte >= 0x80 && byte < 0xA0 ? kHighControls[byte - 0x80] : byte;
}

void appendUtf8(std::string& out, std::uint32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | c >> 6);
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | c >> 12);
        out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

}  // namespace

std::string utf8FromWindows1252(const char* text, std::size_t length) {
    std::string out;
    out.reserve(length + length / 4);
    for (std::size_t i = 0; i < length; ++i) appendUtf8(out, unicodeOf(static_cast<unsigned char>(text[i])));
    return out;
}

std::string utf8FromWindows1252(const char* text) { return utf8FromWindows1252(text, std::strlen(text)); }

int windows1252FromUnicode(std::uint32_t codePoint) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) return static_cast<int>(codePoint);
    for (int i = 0; i < 32; ++i) {
        if (kHighControls[i] == codePoint) return 0x80 + i;
    }
    return -1;
}
