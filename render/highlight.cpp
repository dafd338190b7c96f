// highlight.cpp -- tinting a rectangle of the board in one of the five blend modes.
#include "render/highlight.h"

#include <algorithm>

#include "game/int32.h"
#include "render/draw.h"
#include "render/surfaces.h"

namespace {

// Runs `rule(channel, component)` over the blue, green and red bytes of every device pixel of the
// rectangle, in the layout the platform gives the board's section (GDI: 3 bytes a pixel, bottom-up;
// Cairo: 4, top-down, and as many device pixels a board pixel as the screen's scale; the canvas: 4,
// top-down, red first).
template <typename Rule>
void forEachChannel(unsigned char* pixels, std::int32_t x, std::int32_t y, std::int32_t width,
                    std::int32_t height, Colour colour, Rule rule) {
    if (!pixels || height <= 0 || width <= 0) return;
    // Every rectangle the board asks for lies inside it; anything else is cut to the board.
    const std::int64_t left = std::max<std::int64_t>(x, 0);
    const std::int64_t top = std::max<std::int64_t>(y, 0);
    const std::int64_t right = std::min<std::int64_t>(std::int64_t{x} + width, kSectionWidth);
    const std::int64_t bottom = std::min<std::int64_t>(std::int64_t{y} + height, kBoardHeight);
    if (right <= left || bottom <= top) return;
    // The platform may still hold drawing meant for these pixels.
    flushDrawing(std::int32_t(left), std::int32_t(top), std::int32_t(right - left), std::int32_t(bottom - top));
    const PixelLayout layout = pixelSectionLayout(kSectionWidth, 24);
    const auto red = static_cast<std::uint8_t>(colour);
    const auto green = static_cast<std::uint8_t>(colour >> 8);
    const auto blue = static_cast<std::uint8_t>(colour >> 16);
    const std::uint8_t k[3] = {layout.redFirst ? red : blue, green, layout.redFirst ? blue : red};
    const std::int64_t scale = layout.scale;
    for (std::int64_t row = top * scale; row < bottom * scale; ++row) {
        const std::int64_t memoryRow = layout.bottomUp ? kBoardHeight * scale - 1 - row : row;
        unsigned char* p = pixels + memoryRow * layout.rowBytes + layout.bytesPerPixel * left * scale;
        for (std::int64_t column = left * scale; column < right * scale; ++column, p += layout.bytesPerPixel) {
            for (int channel = 0; channel < 3; ++channel) p[channel] = rule(p[channel], k[channel]);
        }
    }
}

}  // namespace

void blendAdd(unsigned char* pixels, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
              Colour colour) {
    forEachChannel(pixels, x, y, width, height, colour, [](std::uint8_t c, std::uint8_t k) -> std::uint8_t {
        return c >= 255 - k ? 255 : static_cast<std::uint8_t>(c + k);
    });
}

void blendSubtract(unsigned char* pixels, std::int32_t x, std::int32_t y, std::int32_t width,
                   std::int32_t height, Colour colour) {
    forEachChannel(pixels, x, y, width, height, colour, [](std::uint8_t c, std::uint8_t k) -> std::uint8_t {
        return c > 255 - k ? static_cast<std::uint8_t>(c - (255 - k)) : 0;
    });
}

void blendMask(unsigned char* pixels, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
               Colour colour, std::int32_t level) {
    forEachChannel(pixels, x, y, width, height, colour, [level](std::uint8_t c, std::uint8_t k) -> std::uint8_t {
        if (k == 0) return c;
        // k L - (L - 255) c in 32 bits, as the level was given: a level above 255 wraps the channel.
        const std::int32_t n = int32::sub(int32::mul(k, level), int32::mul(int32::sub(level, 255), c));
        return static_cast<std::uint8_t>(int32::div(n, 255));
    });
}

void drawHighlight(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height, std::int32_t mode,
                   Colour colour, std::int32_t level, std::int32_t panelRow) {
    DrawingResources& d = gameState.drawing;
    switch (mode) {
        case 0:
            copyRectOr(d.boardSurface, x, y, width, height, d.panelSurface, 0, panelRow);
            break;
        case 1:
            blendRect(d.boardSurface, x, y, width, height, d.panelSurface, 0, panelRow,
                      static_cast<std::uint8_t>(level));
            break;
        case 2:
            blendAdd(d.boardPixels, x, y, width, height, colour);
            break;
        case 3:
            blendSubtract(d.boardPixels, x, y, width, height, colour);
            break;
        case 4:
            blendMask(d.boardPixels, x, y, width, height, colour, level);
            break;
        default:
            break;
    }
}
