// cairo_scale_test.cpp -- the board at a screen's scale factor of 2: drawn in board pixels, rasterised at
// device pixels. A frame that is only the scale-1 frame doubled fails these tests.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "config/configuration.h"
#include "render/draw.h"
#include "gtk/draw.h"
#include "render/highlight.h"
#include "render/surfaces.h"
#include "tests/seam/read_pixel.h"
#include "tests/unit/fake_platform.h"
#include "tests/unit/temp_dir.h"

namespace {

class Scale2 : public ::testing::Test {
protected:
    void SetUp() override {
        fake::reset();
        setDeviceScale(2);
    }
    void TearDown() override { setDeviceScale(1); }

    Surface* blackSurface(int width, int height) {
        Surface* s = createMemorySurface(nullptr);
        attachDeviceBitmap(s, nullptr, width, height);
        fillBlack(s, 0, 0, width, height);
        return s;
    }
};

bool bright(Colour c) { return (c & 0xFF) > 128; }

TEST_F(Scale2, RulesFillWholeDevicePixelsAndTextHasDevicePixelEdges) {
    Surface* s = blackSurface(120, 40);
    ASSERT_EQ(cairo_image_surface_get_width(surfaceImage(s)), 240) << "two device pixels a board pixel";
    fillRect(s, 10, 2, 11, 30, 0x00FFFFFF);  // a rule one board pixel wide
    EXPECT_FALSE(bright(pixelAt(s, 19, 20)));
    EXPECT_TRUE(bright(pixelAt(s, 20, 20)));
    EXPECT_TRUE(bright(pixelAt(s, 21, 20)));
    EXPECT_FALSE(bright(pixelAt(s, 22, 20)));

    Font* font = createFont("Arial", 20, 900, false, false, false, 0);
    selectFont(s, font);
    setTextColour(s, 0x00FFFFFF);
    setBackgroundMode(s, BackgroundMode::Transparent);
    drawText(s, 20, 10, "Cinquor", 7);
    // A doubled frame has equal pixels at 2k and 2k + 1 on every row and in every column.
    int split = 0;
    for (int y = 0; y < 80; ++y) {
        for (int x = 40; x < 238; x += 2) {
            if (pixelAt(s, x, y) != pixelAt(s, x + 1, y)) ++split;
        }
    }
    EXPECT_GT(split, 40) << "the text was rasterised at board pixels and doubled";
    deleteFont(font);
}

TEST_F(Scale2, BlendModesTintEveryDevicePixelOfTheRectangle) {
    const PixelLayout layout = pixelSectionLayout(kSectionWidth, 24);
    ASSERT_EQ(layout.scale, 2);
    const struct {
        const char* mode;
        void (*blend)(unsigned char*, std::int32_t, std::int32_t, std::int32_t, std::int32_t, Colour);
        Colour expected;  // on a mid grey of 0x80
    } cases[] = {
        {"addition", blendAdd, 0x00C0A090},
        {"soustraction", blendSubtract, 0x00000000},
        {"masque 255", [](unsigned char* p, std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h,
                          Colour c) { blendMask(p, x, y, w, h, c, 255); },
         0x00402010},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode);
        Surface* board = createMemorySurface(nullptr);
        Bitmap* bitmap = nullptr;
        unsigned char* pixels = nullptr;
        createDibSurface(board, kSectionWidth, kBoardHeight, 24, &bitmap, &pixels);
        ASSERT_NE(pixels, nullptr);
        fillRect(board, 0, 0, kSectionWidth, kBoardHeight, 0x00808080);
        flushDrawing(0, 0, kSectionWidth, kBoardHeight);
        c.blend(pixels, 10, 20, 5, 3, 0x00402010);
        for (int y : {40, 45}) {
            for (int x : {20, 29}) EXPECT_EQ(pixelAt(board, x, y), c.expected) << x << "," << y;
        }
        EXPECT_EQ(pixelAt(board, 19, 40), 0x00808080u) << "left of the rectangle";
        EXPECT_EQ(pixelAt(board, 30, 40), 0x00808080u) << "right of it";
        EXPECT_EQ(pixelAt(board, 20, 46), 0x00808080u) << "below it";
    }
}

TEST_F(Scale2, OrCopyAndPicturesCoverTheirDevicePixels) {
    Surface* target = blackSurface(40, 40);
    Surface* source = blackSurface(10, 10);
    fillRect(source, 0, 0, 10, 10, 0x000000FF);
    copyRectOr(target, 5, 5, 4, 4, source, 0, 0);
    EXPECT_EQ(pixelAt(target, 10, 10), 0x000000FFu);
    EXPECT_EQ(pixelAt(target, 17, 17), 0x000000FFu);
    EXPECT_EQ(pixelAt(target, 18, 17), 0u);

    const std::string picture = std::string(CINQUOR_IMAGES_DIR) + "/fond.bmp";
    loadFittedImage(target, picture.c_str(), 20, 5, 15, 10);
    EXPECT_NE(pixelAt(target, 40, 10), 0u) << "the picture's first device pixel";
    EXPECT_NE(pixelAt(target, 69, 29), 0u) << "its last";
    EXPECT_EQ(pixelAt(target, 70, 29), 0u) << "past it";
    EXPECT_EQ(pixelAt(target, 69, 30), 0u) << "below it";
}

// A window moved to a screen of another scale: the surfaces are made again at the new scale, with the
// decorations drawn again although their script file is gone.
TEST_F(Scale2, SurfacesMadeAgainAtANewScaleKeepTheirDecorations) {
    TempDir dir;
    setDeviceScale(1);
    writeFile("look.txt", "FillRect(10; 10; 20; 20; magenta)\r\n");
    readConfiguration("look.txt");
    createFonts();
    createSurfaces(nullptr);
    Surface* background = gameState.drawing.backgroundSurface;
    ASSERT_EQ(cairo_image_surface_get_width(surfaceImage(background)), kBoardWidth);
    EXPECT_EQ(pixelAt(background, 15, 15), 0x00FF00FFu);
    EXPECT_FALSE(std::filesystem::exists(scriptFilePath())) << "the script file is gone after the first run";

    setDeviceScale(2);
    createSurfaces(nullptr);
    EXPECT_EQ(gameState.drawing.backgroundSurface, background) << "the same surface, with a new bitmap";
    ASSERT_EQ(cairo_image_surface_get_width(surfaceImage(background)), 2 * kBoardWidth);
    EXPECT_EQ(pixelAt(background, 20, 20), 0x00FF00FFu) << "the decoration, drawn again";
    EXPECT_EQ(pixelAt(background, 39, 39), 0x00FF00FFu);
    EXPECT_EQ(pixelAt(background, 40, 40), 0u);
    EXPECT_FALSE(std::filesystem::exists(scriptFilePath()));
}

}  // namespace
