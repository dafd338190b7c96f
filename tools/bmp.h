// bmp.h -- writes 24-bit Windows BMP files: the shipped images, test images and rendered frames.
#pragma once

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

namespace bmp {

// An image in memory, top row first, 0x00BBGGRR per pixel like the game's colours.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    Image() = default;
    Image(int w, int h, std::uint32_t fill = 0) : width(w), height(h), pixels(std::size_t(w) * h, fill) {}
    std::uint32_t& at(int x, int y) { return pixels[std::size_t(y) * width + x]; }
    std::uint32_t at(int x, int y) const { return pixels[std::size_t(y) * width + x]; }
};

inline void put16(std::string& out, unsigned v) {
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>((v >> 8) & 0xFF);
}
inline void put32(std::string& out, std::uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

// The bytes of a bottom-up 24-bit BMP file of `image`.
inline std::string encode(const Image& image) {
    const std::uint32_t stride = (std::uint32_t(image.width) * 3 + 3) / 4 * 4;
    const std::uint32_t dataSize = stride * std::uint32_t(image.height);
    std::string out;
    out += "BM";
    put32(out, 54 + dataSize);
    put32(out, 0);
    put32(out, 54);
    put32(out, 40);
    put32(out, std::uint32_t(image.width));
    put32(out, std::uint32_t(image.height));
    put16(out, 1);
    put16(out, 24);
    put32(out, 0);
    put32(out, dataSize);
    put32(out, 2835);
    put32(out, 2835);
    put32(out, 0);
    put32(out, 0);
    for (int y = image.height - 1; y >= 0; --y) {
        std::uint32_t written = 0;
        for (int x = 0; x < image.width; ++x, written += 3) {
            const std::uint32_t c = image.at(x, y);
            out += static_cast<char>((c >> 16) & 0xFF);  // blue, green, red
            out += static_cast<char>((c >> 8) & 0xFF);
            out += static_cast<char>(c & 0xFF);
        }
        for (; written < stride; ++written) out += '\0';
    }
    return out;
}

inline bool write(const std::string& path, const Image& image) {
    std::ofstream file(path, std::ios::binary);
    file << encode(image);
    file.close();
    return !file.fail();
}

}  // namespace bmp
