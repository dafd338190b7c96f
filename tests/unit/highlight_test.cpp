// highlight_test.cpp -- the five blend modes on a real bottom-up 24-bit board.
#include <gtest/gtest.h>

#include <vector>

#include "render/highlight.h"
#include "render/surfaces.h"
#include "tests/unit/fake_platform.h"
#include "tests/unit/recording_draw.h"

namespace {

constexpr std::size_t kBoardBytes = 3 * 512 * 446;

// A board whose every channel holds `value`.
std::vector<unsigned char> boardOf(unsigned char value) { return std::vector<unsigned char>(kBoardBytes, value); }

// Blue, green and red of board pixel (x, y): rows are stored bottom-up, 1536 bytes each.
const unsigned char* pixel(const std::vector<unsigned char>& board, int x, int y) {
    return board.data() + 3 * ((445 - y) * 512 + x);
}

using Blend = void (*)(unsigned char*, int, int, int, int, Colour, int);

void add(unsigned char* p, int x, int y, int w, int h, Colour c, int) { blendAdd(p, x, y, w, h, c); }
void subtract(unsigned char* p, int x, int y, int w, int h, Colour c, int) { blendSubtract(p, x, y, w, h, c); }
void mask(unsigned char* p, int x, int y, int w, int h, Colour c, int level) { blendMask(p, x, y, w, h, c, level); }

// One channel value c blended with component k (in all three channels) at `level`.
int blendOne(Blend blend, int c, int k, int level) {
    std::vector<unsigned char> board = boardOf(static_cast<unsigned char>(c));
    const Colour grey = static_cast<Colour>(k | k << 8 | k << 16);
    blend(board.data(), 10, 10, 1, 1, grey, level);
    return pixel(board, 10, 10)[0];
}

TEST(Blends, WorkedValues) {
    struct Case {
        int c, add100, subtract100, mask255at100, mask127at128;
    };
    const Case cases[] = {
        {0, 100, 0, 100, 63}, {64, 164, 0, 138, 95}, {128, 228, 0, 177, 127}, {200, 255, 45, 221, 163},
        {255, 255, 100, 255, 190},
    };
    for (const Case& t : cases) {
        EXPECT_EQ(blendOne(add, t.c, 100, 0), t.add100) << t.c;
        EXPECT_EQ(blendOne(subtract, t.c, 100, 0), t.subtract100) << t.c;
        EXPECT_EQ(blendOne(mask, t.c, 255, 100), t.mask255at100) << t.c;
        EXPECT_EQ(blendOne(mask, t.c, 127, 128), t.mask127at128) << t.c;
    }
}

TEST(Blends, EdgeCases) {
    for (int c : {0, 1, 77, 154, 155, 156, 254, 255}) {
        EXPECT_EQ(blendOne(add, c, 0, 0), c) << "adding 0";
        EXPECT_EQ(blendOne(subtract, c, 255, 0), c) << "subtracting with white";
        EXPECT_EQ(blendOne(subtract, c, 0, 0), 0) << "subtracting with black";
        EXPECT_EQ(blendOne(mask, c, 90, 0), c) << "mask at level 0";
        EXPECT_EQ(blendOne(mask, c, 90, 255), 90) << "mask at level 255";
        EXPECT_EQ(blendOne(mask, c, 0, 200), c) << "a component of 0 leaves the channel";
    }
    EXPECT_EQ(blendOne(add, 155, 100, 0), 255);
    EXPECT_EQ(blendOne(add, 154, 100, 0), 254);
    // Level 300 as the configuration may give it: n = 255*300 - 45*100 = 72000, / 255 = 282, low 8 bits 26.
    EXPECT_EQ(blendOne(mask, 100, 255, 300), 26);
    // The most negative level wraps through 32 bits: 255 L is INT_MIN, (L - 255) 100 is -25500,
    // n = -2147458148, n / 255 = -8421404, whose low 8 bits are 228.
    EXPECT_EQ(blendOne(mask, 100, 255, -2147483647 - 1), 228);
}

TEST(Blends, ChannelsTakeTheirOwnComponents) {
    std::vector<unsigned char> board = boardOf(100);
    blendSubtract(board.data(), 0, 0, 2, 2, 0x00FF0000);  // pure blue keeps only the blue channel
    EXPECT_EQ(pixel(board, 1, 1)[0], 100);
    EXPECT_EQ(pixel(board, 1, 1)[1], 0);
    EXPECT_EQ(pixel(board, 1, 1)[2], 0);

    board = boardOf(100);
    blendMask(board.data(), 0, 0, 2, 2, 0x00FF0000, 128);  // mask with blue moves blue alone
    EXPECT_EQ(pixel(board, 0, 0)[0], (255 * 128 + 127 * 100) / 255);
    EXPECT_EQ(pixel(board, 0, 0)[1], 100);
    EXPECT_EQ(pixel(board, 0, 0)[2], 100);

    board = boardOf(0);
    blendAdd(board.data(), 0, 0, 1, 1, 0x00112233);
    EXPECT_EQ(pixel(board, 0, 0)[0], 0x11);  // blue byte first in memory
    EXPECT_EQ(pixel(board, 0, 0)[1], 0x22);
    EXPECT_EQ(pixel(board, 0, 0)[2], 0x33);
}

TEST(Blends, RectangleLandsWhereTheBoardHasIt) {
    std::vector<unsigned char> board = boardOf(0);
    blendAdd(board.data(), 374, 330, 137, 28, 0x00FFFFFF);
    int changed = 0;
    for (int y = 0; y < 446; ++y) {
        for (int x = 0; x < 512; ++x) {
            const bool inside = x >= 374 && x < 511 && y >= 330 && y < 358;
            const bool lit = pixel(board, x, y)[1] == 255;
            EXPECT_EQ(lit, inside) << x << "," << y;
            changed += lit;
            if (lit != inside) return;
        }
    }
    EXPECT_EQ(changed, 137 * 28);
    // The bottom row of the board is the first row in memory.
    board = boardOf(0);
    blendAdd(board.data(), 0, 445, 1, 1, 0x000000FF);
    EXPECT_EQ(board[2], 255);
}

TEST(Blends, NothingOutsideTheBoardAndNoEmptyRectangles) {
    std::vector<unsigned char> board = boardOf(7);
    blendAdd(board.data(), 500, 440, 100, 100, 0x00FFFFFF);  // cut at the board's edges
    blendAdd(board.data(), -20, -20, 21, 21, 0x00FFFFFF);
    EXPECT_EQ(pixel(board, 511, 445)[0], 255);
    EXPECT_EQ(pixel(board, 0, 0)[0], 255);
    EXPECT_EQ(pixel(board, 1, 1)[0], 7);
    blendAdd(board.data(), 10, 10, 0, 5, 0x00FFFFFF);
    blendAdd(board.data(), 10, 10, 5, -1, 0x00FFFFFF);
    EXPECT_EQ(pixel(board, 10, 10)[0], 7);
}

class Highlights : public ::testing::Test {
protected:
    void SetUp() override {
        fake::reset();
        recording::reset();
        gameState.drawing.boardSurface = createMemorySurface(nullptr);
        gameState.drawing.panelSurface = createMemorySurface(nullptr);
    }
};

TEST_F(Highlights, CopiedModesUseThePanelArea) {
    drawHighlight(374, 330, 137, 28, 0, 0x00FF0000, 100, 0);
    drawHighlight(75, 20, 48, 48, 1, 0x007F0000, 0x1FF, 29);
    drawHighlight(75, 20, 48, 48, 5, 0x007F0000, 128, 29);
    drawHighlight(75, 20, 48, 48, -1, 0x007F0000, 128, 29);
    ASSERT_EQ(recording::recorder.ops.size(), 2u);
    const recording::Op& orCopy = recording::recorder.ops[0];
    EXPECT_EQ(orCopy.kind, recording::Kind::CopyOr);
    EXPECT_EQ(orCopy.source, recording::id(gameState.drawing.panelSurface));
    EXPECT_EQ(orCopy.sourceY, 0);
    EXPECT_EQ(orCopy.width, 137);
    const recording::Op& blend = recording::recorder.ops[1];
    EXPECT_EQ(blend.kind, recording::Kind::Blend);
    EXPECT_EQ(blend.sourceY, 29);
    EXPECT_EQ(blend.extra, 0xFF) << "alpha is the level's low 8 bits";
}

TEST_F(Highlights, PixelModesNeedTheBoardPixelsAndFlushFirst) {
    for (int mode : {2, 3, 4}) drawHighlight(0, 0, 10, 10, mode, 0x00FFFFFF, 100, 0);
    EXPECT_TRUE(recording::recorder.ops.empty()) << "a device board has no pixels to blend";

    std::vector<unsigned char> board = boardOf(10);
    gameState.drawing.boardPixels = board.data();
    drawHighlight(0, 0, 10, 10, 2, 0x00FFFFFF, 100, 0);
    ASSERT_EQ(recording::recorder.ops.size(), 1u);
    EXPECT_EQ(recording::recorder.ops[0].kind, recording::Kind::Flush);
    EXPECT_EQ(pixel(board, 9, 9)[0], 255);
    drawHighlight(0, 0, 10, 10, 3, 0x00000000, 100, 0);
    EXPECT_EQ(pixel(board, 9, 9)[0], 0);
    drawHighlight(0, 0, 10, 10, 4, 0x00FFFFFF, 255, 0);
    EXPECT_EQ(pixel(board, 9, 9)[0], 255);
}

}  // namespace
