// gdi_test.cpp -- what only GDI has: its bitmaps and sections, its object count, its paint cycles. The
// drawing itself is checked on both platforms by tests/seam/surface_test.cpp.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "config/configuration.h"
#include "render/board.h"
#include "win32/gdi_objects.h"
#include "render/highlight.h"
#include "render/surfaces.h"
#include "tests/unit/fake_platform.h"
#include "tests/unit/temp_dir.h"
#include "tools/bmp.h"

namespace {

HDC dc(Surface* s) { return reinterpret_cast<HDC>(s); }


// The bitmap selected into a surface.
struct Selected {
    BITMAP bitmap{};
    bool section = false;
};
Selected selected(Surface* s) {
    Selected result;
    HGDIOBJ object = GetCurrentObject(dc(s), OBJ_BITMAP);
    DIBSECTION dib{};
    if (GetObject(object, sizeof dib, &dib) == sizeof dib) {
        result.section = true;
        result.bitmap = dib.dsBm;
    } else {
        GetObject(object, sizeof result.bitmap, &result.bitmap);
    }
    return result;
}

class Gdi : public ::testing::Test {
protected:
    void SetUp() override {
        fake::reset();
        screen = GetDC(nullptr);
        bmp::write("fond.bmp", bmp::Image(37, 23, 0x00336699));  // images loaded as the game loads them
        bmp::write("des.bmp", bmp::Image(13, 61, 0x0000FF00));
    }
    void TearDown() override { ReleaseDC(nullptr, screen); }
    // Start-up's fonts and the surfaces of the second paint, compatible with the screen.
    void build(const std::string& config = "") {
        writeFile("Config.txt", config);
        readConfiguration("Config.txt");
        createFonts();
        createSurfaces(reinterpret_cast<Surface*>(screen));
    }
    TempDir dir;
    HDC screen = nullptr;
    DrawingResources& d = gameState.drawing;
};

TEST_F(Gdi, DeviceSurfacesByDefault) {
    build();
    EXPECT_EQ(d.boardPixels, nullptr);
    for (Surface* s : {d.boardSurface, d.backgroundSurface}) {
        const Selected b = selected(s);
        EXPECT_FALSE(b.section);
        EXPECT_EQ(b.bitmap.bmWidth, 511);
        EXPECT_EQ(b.bitmap.bmHeight, 446);
        EXPECT_GT(b.bitmap.bmBitsPixel, 1) << "in the screen's format, not monochrome";
    }
    EXPECT_EQ(selected(d.diceSurface).bitmap.bmWidth, 48);
    EXPECT_EQ(selected(d.diceSurface).bitmap.bmHeight, 288);
    EXPECT_EQ(selected(d.panelSurface).bitmap.bmWidth, 138);
    EXPECT_EQ(selected(d.panelSurface).bitmap.bmHeight, 78);
}

TEST_F(Gdi, PixelSectionsForPerPixelModes) {
    build("transparence=addition\n");
    const Selected board = selected(d.boardSurface);
    ASSERT_TRUE(board.section);
    EXPECT_EQ(board.bitmap.bmWidth, 512);
    EXPECT_EQ(board.bitmap.bmHeight, 446);
    EXPECT_EQ(board.bitmap.bmBitsPixel, 24);
    EXPECT_EQ(board.bitmap.bmWidthBytes, 1536);
    EXPECT_EQ(static_cast<unsigned char*>(board.bitmap.bmBits), d.boardPixels);
    EXPECT_TRUE(selected(d.backgroundSurface).section);
    EXPECT_EQ(selected(d.backgroundSurface).bitmap.bmWidth, 512);
    EXPECT_TRUE(selected(d.diceSurface).section);
    EXPECT_EQ(selected(d.diceSurface).bitmap.bmWidth, 48);
}

}  // namespace

namespace {

// Every GDI object made for a frame or a script line is deleted again: after 2000 frames and a script
// of 200 fonts the program holds what it held after its first frame.
TEST_F(Gdi, NoObjectLeaks) {
    const int before = liveGdiObjects();
    build();
    const int plain = liveGdiObjects() - before;

    fake::reset();
    std::string script;
    for (int i = 0; i < 200; ++i) {
        script += "font(\"Arial\";taille(" + std::to_string(10 + i % 30) + ");gras)\n";
        script += "drawstr(10;" + std::to_string(i * 2) + ";blanc;noir;\"x\")\nfillrect(0;0;3;3;rouge)\n";
    }
    const int start = liveGdiObjects();
    build(script + "transparence=moyenne(100)\n");
    EXPECT_EQ(liveGdiObjects() - start, plain) << "the script's fonts and brushes are all gone";

    HDC window = CreateCompatibleDC(screen);
    HBITMAP windowBitmap = CreateCompatibleBitmap(screen, 511, 446);
    SelectObject(window, windowBitmap);
    GameFields& g = gameState.game;
    g.rollInProgress = 0;
    for (int i = 0; i < 5; ++i) g.dice[i] = i + 1;
    drawFrame(reinterpret_cast<Surface*>(window), 511, 446);
    const int afterFirstFrame = liveGdiObjects();
    const DWORD handlesAfterFirst = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    for (int frame = 0; frame < 2000; ++frame) {
        g.rollPanelLit = g.passPanelLit = g.categoryPanelLit = 1;
        g.mouseX = 75 + 72 * (frame % 5);
        g.mouseY = 40;
        gameState.drawing.backgroundMode = frame % 3;
        drawFrame(reinterpret_cast<Surface*>(window), 511 + frame % 7, 446);
    }
    EXPECT_EQ(liveGdiObjects(), afterFirstFrame);
    // The system's own count, where the platform keeps one, agrees.
    const DWORD handlesAfterAll = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    if (handlesAfterFirst != 0) {
        EXPECT_EQ(handlesAfterAll, handlesAfterFirst);
    }
    DeleteDC(window);
    DeleteObject(windowBitmap);
}

// A box opened inside a paint runs its own loop, and a tick paints the window again inside it: the inner
// paint ends its own cycle, and the outer one then ends the outer cycle and gives its device context back.
TEST(WindowPaint, NestedPaintsEachEndTheirOwnCycle) {
    HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 64, 64, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    requestWindowRepaint(window);
    HDC outer = dc(beginWindowPaint(window));
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE);
    HDC inner = dc(beginWindowPaint(window));
    endWindowPaint(window);
    endWindowPaint(window);
    ASSERT_NE(outer, nullptr);
    ASSERT_NE(inner, nullptr);
    // Both were given back: releasing either again finds nothing held.
    EXPECT_EQ(ReleaseDC(window, outer), 0) << "the outer paint's device context was never released";
    EXPECT_EQ(ReleaseDC(window, inner), 0);
    RECT update{};
    EXPECT_FALSE(GetUpdateRect(window, &update, FALSE)) << "the window is left validated";
    DestroyWindow(window);
}

}  // namespace
