// canvas_test.cpp -- what only the canvas side must keep: the pixel memory of a section and its canvas
// in step in both directions, at the device scale.
#include <gtest/gtest.h>

#include "render/draw.h"
#include "web/draw.h"
#include "render/highlight.h"
#include "render/surfaces.h"
#include "tests/seam/read_pixel.h"
#include "tests/unit/fake_platform.h"

namespace {

TEST(CanvasSections, MemoryAndCanvasFollowEachOther) {
    for (int scale : {1, 2}) {
        SCOPED_TRACE(scale);
        fake::reset();
        setDeviceScale(scale);
        Surface* s = createMemorySurface(nullptr);
        const PixelSection section = createPixelSection(kSectionWidth, kBoardHeight, 24);
        ASSERT_NE(section.pixels, nullptr);
        attachBitmap(s, section.bitmap);
        gameState.drawing.boardSurface = s;  // the surface whose memory the blends write
        fillRect(s, 0, 0, 511, 446, 0x00406080);
        // Drawn on the canvas, read from memory in the order the layout says.
        blendAdd(section.pixels, 10, 10, 4, 4, 0x00010203);
        const PixelLayout layout = pixelSectionLayout(kSectionWidth, 24);
        const unsigned char* p = section.pixels + 10 * scale * layout.rowBytes + 4 * 10 * scale;
        EXPECT_EQ(p[layout.redFirst ? 2 : 0], 0x40 + 0x01) << "blue";
        EXPECT_EQ(p[1], 0x60 + 0x02) << "green";
        EXPECT_EQ(p[layout.redFirst ? 0 : 2], 0x80 + 0x03) << "red";
        // Written in memory, seen by the next drawing from it, at every device pixel of the rectangle.
        Surface* copy = createMemorySurface(nullptr);
        attachDeviceBitmap(copy, nullptr, 20, 20);
        copyRect(copy, 0, 0, 20, 20, s, 0, 0);
        for (int y = 0; y < 20 * scale; ++y) {
            for (int x = 0; x < 20 * scale; ++x) {
                const bool inside = x >= 10 * scale && x < 14 * scale && y >= 10 * scale && y < 14 * scale;
                ASSERT_EQ(pixelAt(copy, x, y), inside ? 0x00416283u : 0x00406080u) << x << "," << y;
            }
        }
        setDeviceScale(1);
    }
}

}  // namespace
