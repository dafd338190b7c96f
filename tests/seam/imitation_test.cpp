// imitation_test.cpp -- what the Cairo and canvas sides must do like GDI where they have no such thing:
// text cells placed as GDI places them, turned text, the two stretch modes and the OR copy.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

#include "render/draw.h"
#include "tests/seam/read_pixel.h"
#include "tests/unit/fake_platform.h"

namespace {

Surface* blackSurface(int width, int height) {
    Surface* s = createMemorySurface(nullptr);
    attachDeviceBitmap(s, nullptr, width, height);
    fillBlack(s, 0, 0, width, height);
    return s;
}

// The box around the pixels brighter than half in a rectangle of `s`.
struct Box {
    int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN;
    bool empty() const { return left > right; }
};
Box lit(Surface* s, int width, int height) {
    Box b;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if ((pixelAt(s, x, y) & 0xFF) > 128) {
                b.left = std::min(b.left, x);
                b.right = std::max(b.right, x);
                b.top = std::min(b.top, y);
                b.bottom = std::max(b.bottom, y);
            }
        }
    }
    return b;
}

// Arial's capital H in a cell of 20 pixels: the cell's top at y, the baseline about 16 pixels lower, the
// capital about 13 pixels high, as GDI draws it.
TEST(ImitatedText, CellsArePlacedAsOnGdi) {
    fake::reset();
    struct Case {
        const char* face;
        int height;
        int x, y;
    };
    const Case cases[] = {{"Arial", 20, 40, 30}, {"Arial", 40, 10, 5}, {"Verdana", 36, 60, 50}};
    for (const Case& c : cases) {
        Surface* s = blackSurface(200, 120);
        Font* font = createFont(c.face, c.height, 900, false, false, false, 0);
        selectFont(s, font);
        setTextColour(s, 0x00FFFFFF);
        setBackgroundMode(s, BackgroundMode::Transparent);
        drawText(s, c.x, c.y, "HH", 1);  // the length counts: one H
        const Box b = lit(s, 200, 120);
        ASSERT_FALSE(b.empty()) << c.face;
        const double h = c.height;
        EXPECT_NEAR(b.bottom + 1 - c.y, 0.81 * h, 0.08 * h + 1) << c.face << " baseline";
        EXPECT_NEAR(b.bottom + 1 - b.top, 0.64 * h, 0.08 * h + 1) << c.face << " capital height";
        EXPECT_NEAR(b.left, c.x + 0.08 * h, 0.08 * h + 2) << c.face << " left side";
        EXPECT_LT(b.right - b.left, h) << c.face << " one letter, not two";
        deleteFont(font);
    }
}

// A decoration script may ask for any height: the extremes still make a font that draws.
TEST(ImitatedText, ExtremeHeightsStillDraw) {
    fake::reset();
    for (std::int32_t height : {INT32_MAX, INT32_MIN, -1, 1}) {
        Surface* s = blackSurface(64, 64);
        Font* font = createFont("Arial", height, 0, false, false, false, 0);
        selectFont(s, font);
        setTextColour(s, 0x00FFFFFF);
        setBackgroundMode(s, BackgroundMode::Opaque);
        setBackColour(s, 0x000000FF);
        drawText(s, 0, 0, "M", 1);
        EXPECT_NE(pixelAt(s, 0, 0), 0u) << height << ": the cell is drawn";
        deleteFont(font);
    }
}

TEST(ImitatedText, OpaqueCellsAndTurnedText) {
    fake::reset();
    Surface* s = blackSurface(200, 200);
    Font* up = createFont("Arial", 20, 0, false, false, false, 900);  // a quarter turn, upwards
    selectFont(s, up);
    setTextColour(s, 0x00FFFFFF);
    setBackgroundMode(s, BackgroundMode::Transparent);
    drawText(s, 100, 150, "HHHH", 4);
    const Box b = lit(s, 200, 200);
    ASSERT_FALSE(b.empty());
    EXPECT_LE(b.bottom, 150) << "the text runs up from its point";
    EXPECT_GE(b.top, 150 - 70);
    EXPECT_GE(b.left, 100);
    EXPECT_LE(b.right, 100 + 20);
    deleteFont(up);

    Surface* t = blackSurface(200, 60);
    Font* font = createFont("Arial", 20, 0, false, false, false, 0);
    selectFont(t, font);
    setTextColour(t, 0x00000000);
    setBackColour(t, 0x000000FF);
    setBackgroundMode(t, BackgroundMode::Opaque);
    drawText(t, 10, 10, "ii", 2);
    EXPECT_EQ(pixelAt(t, 11, 10), 0x000000FFu) << "the cell's top row is the back colour";
    EXPECT_EQ(pixelAt(t, 11, 29), 0x000000FFu) << "and its bottom row, 20 pixels down";
    EXPECT_EQ(pixelAt(t, 11, 9), 0u);
    deleteFont(font);
}

// A board of one-pixel stripes stretched twice as wide: COLORONCOLOR keeps pure stripes two pixels
// wide, HALFTONE smooths them into mixtures.
TEST(ImitatedStretch, NearestAndSmooth) {
    fake::reset();
    Surface* board = blackSurface(8, 4);
    for (int x = 0; x < 8; x += 2) fillRect(board, x, 0, x + 1, 4, 0x00FFFFFF);
    Surface* window = blackSurface(16, 8);
    stretchRect(window, 16, 8, board, 8, 4, StretchMode::ColorOnColor);
    for (int x = 0; x < 16; ++x) {
        EXPECT_EQ(pixelAt(window, x, 3), (x / 2) % 2 == 0 ? 0x00FFFFFFu : 0u) << x;
    }
    stretchRect(window, 16, 8, board, 8, 4, StretchMode::Halftone);
    int mixed = 0;
    for (int x = 0; x < 16; ++x) {
        const Colour c = pixelAt(window, x, 3) & 0xFF;
        mixed += c > 20 && c < 235;
    }
    EXPECT_GE(mixed, 4);
}

TEST(ImitatedCopies, OrCopyIsBitwiseAndCutToBothSurfaces) {
    fake::reset();
    Surface* target = blackSurface(10, 10);
    fillRect(target, 0, 0, 10, 10, 0x00102030);
    Surface* source = blackSurface(4, 4);
    fillRect(source, 0, 0, 4, 4, 0x00030201);
    copyRectOr(target, 8, 8, 5, 5, source, 2, 2);  // runs past both edges
    EXPECT_EQ(pixelAt(target, 8, 8), 0x00132231u);
    EXPECT_EQ(pixelAt(target, 9, 9), 0x00132231u);
    EXPECT_EQ(pixelAt(target, 7, 8), 0x00102030u);
    const PixelLayout layout = pixelSectionLayout(512, 24);
    EXPECT_EQ(layout.bytesPerPixel, 4);
    EXPECT_EQ(layout.rowBytes, 2048);
    EXPECT_FALSE(layout.bottomUp);
}

}  // namespace
