// text_encoding.h -- the game's Windows-1252 texts and the UTF-8 that GTK and Pango take.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The first `length` bytes of `text`, Windows-1252, as UTF-8. The five bytes the code page leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the control characters of the same number, as Windows
// maps them.
std::string utf8FromWindows1252(const char* text, std::size_t length);
std::string utf8FromWindows1252(const char* text);

// The Windows-1252 byte of a Unicode character, or -1 when the code page has none.
int windows1252FromUnicode(std::uint32_t codePoint);
