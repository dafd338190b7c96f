// gdi_test.cpp -- surfaces, images, the decoration script, highlights and a whole frame on real GDI.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "config/configuration.h"
#include "render/board.h"
#include "render/gdi_objects.h"
#include "render/highlight.h"
#include "render/surfaces.h"
#include "tests/unit/fake_platform.h"
#include "tests/unit/temp_dir.h"
#include "tools/bmp.h"

namespace {

HDC dc(Surface* s) { return reinterpret_cast<HDC>(s); }

// 0x00BBGGRR of a pixel, read back through GDI.
Colour pixelAt(Surface* s, int x, int y) { return GetPixel(dc(s), x, y) & 0x00FFFFFF; }

bool similar(Colour a, Colour b, int tolerance) {
    for (int shift = 0; shift < 24; shift += 8) {
        const int d = int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF);
        if (d > tolerance || d < -tolerance) return false;
    }
    return true;
}

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

const Colour kFaceColours[6] = {0x000000FF, 0x0000FF00, 0x00FF0000, 0x0000FFFF, 0x00FF00FF, 0x00FFFF00};

class Gdi : public ::testing::Test {
protected:
    void SetUp() override {
        fake::reset();
        screen = GetDC(nullptr);
        // A background of an odd size in one colour, and dice faces as six bands of distinct colours.
        bmp::Image background(37, 23, 0x00336699);
        bmp::write("fond.bmp", background);
        bmp::Image dice(13, 61);
        for (int y = 0; y < dice.height; ++y) {
            for (int x = 0; x < dice.width; ++x) dice.at(x, y) = kFaceColours[std::min(5, y * 6 / 61)];
        }
        bmp::write("des.bmp", dice);
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

TEST_F(Gdi, ImagesAreFittedToTheirSurfaces) {
    build();
    for (auto [x, y] : {std::pair{0, 0}, {510, 445}, {255, 300}}) {
        EXPECT_EQ(pixelAt(d.backgroundSurface, x, y), 0x00336699u) << x << "," << y;
    }
    for (int face = 1; face <= 6; ++face) {
        EXPECT_TRUE(similar(pixelAt(d.diceSurface, 24, 48 * face - 24), kFaceColours[face - 1], 8)) << face;
        EXPECT_TRUE(similar(pixelAt(d.diceSurface, 1, 48 * face - 20), kFaceColours[face - 1], 8)) << face;
    }
}

TEST_F(Gdi, MissingImagesLeaveBlackSurfaces) {
    std::filesystem::remove("fond.bmp");
    writeFile("des.bmp", "BM not really a bitmap");
    build();
    EXPECT_EQ(pixelAt(d.backgroundSurface, 100, 100), 0u);
    EXPECT_EQ(pixelAt(d.diceSurface, 24, 24), 0u);
}

TEST_F(Gdi, PanelHoldsTheHighlightColours) {
    build("couleurselection=rgb(10,20,30)\ncouleurselectionde=rgb(40,50,60)\n");
    EXPECT_EQ(pixelAt(d.panelSurface, 0, 0), 0x001E140Au);
    EXPECT_EQ(pixelAt(d.panelSurface, 136, 27), 0x001E140Au);
    EXPECT_EQ(pixelAt(d.panelSurface, 0, 29), 0x003C3228u);
    EXPECT_EQ(pixelAt(d.panelSurface, 136, 76), 0x003C3228u);
}

TEST_F(Gdi, DecorationsLandOnTheBackground) {
    build("FillRect( 0 ; 0 ; 511 ; 20 ; Bleu Roi )\nfillrect(10;30;60;80;rgb(255;0;0))\n"
          "font(\"Arial\";taille(40);gras)\nbgmode(opaque)\ndrawstr(100;200;blanc;noir;\"MMMM\")\n");
    EXPECT_EQ(pixelAt(d.backgroundSurface, 0, 0), 0x00800000u);
    EXPECT_EQ(pixelAt(d.backgroundSurface, 510, 19), 0x00800000u);
    EXPECT_EQ(pixelAt(d.backgroundSurface, 510, 20), 0x00336699u);
    EXPECT_EQ(pixelAt(d.backgroundSurface, 10, 30), 0x000000FFu);
    EXPECT_EQ(pixelAt(d.backgroundSurface, 59, 79), 0x000000FFu);
    EXPECT_EQ(pixelAt(d.backgroundSurface, 60, 80), 0x00336699u);
    // The opaque text cell is black behind white glyphs.
    int white = 0;
    int black = 0;
    for (int x = 100; x < 180; ++x) {
        const Colour c = pixelAt(d.backgroundSurface, x, 220);
        white += c == 0x00FFFFFF;
        black += c == 0;
    }
    EXPECT_GT(white, 5);
    EXPECT_GT(black, 5);
    EXPECT_FALSE(std::filesystem::exists(kScriptFileName));
}

// Each highlight mode on a board of one colour, read back pixel by pixel.
TEST_F(Gdi, HighlightModesOnRealPixels) {
    struct Case {
        const char* config;
        Colour expected;  // a board of 0x00406080 under a highlight of 0x0080C0FF
        int tolerance;
    };
    const Case cases[] = {
        {"transparence=non\n", 0x00C0E0FF, 0},
        {"transparence=moyenne(128)\n", 0x006090BF, 3},
        {"transparence=addition\n", 0x00C0FFFF, 0},
        {"transparence=soustraction\n", 0x00002180, 0},
        {"transparence=masque(128)\n", 0x006090BF, 0},
    };
    for (const Case& c : cases) {
        fake::reset();
        build(std::string(c.config) + "couleurselection=rgb(255,192,128)\n");
        fillRect(d.boardSurface, 0, 0, 511, 446, 0x00406080);
        drawHighlight(374, 330, 137, 28, gameState.settings.transparence, gameState.settings.couleurselection,
                      gameState.settings.niveautransparence, 0);
        GdiFlush();
        EXPECT_TRUE(similar(pixelAt(d.boardSurface, 400, 340), c.expected, c.tolerance))
            << c.config << std::hex << " got " << pixelAt(d.boardSurface, 400, 340) << " expected " << c.expected;
        EXPECT_EQ(pixelAt(d.boardSurface, 373, 340), 0x00406080u) << c.config;
        EXPECT_EQ(pixelAt(d.boardSurface, 400, 358), 0x00406080u) << c.config;
    }
}

TEST_F(Gdi, WholeFrame) {
    build("transparencede=addition\n");
    gameState.game.rollInProgress = 0;
    for (int i = 0; i < 5; ++i) gameState.game.dice[i] = i + 1;
    gameState.game.mouseX = 300;  // die 3 pointed and brightened
    gameState.game.mouseY = 40;
    gameState.game.passPanelLit = 1;  // no pass is left, so no text covers the panel

    // The window: a memory surface of the client's size.
    HDC window = CreateCompatibleDC(screen);
    HBITMAP windowBitmap = CreateCompatibleBitmap(screen, 511, 446);
    SelectObject(window, windowBitmap);
    Surface* target = reinterpret_cast<Surface*>(window);
    drawFrame(target, 511, 446);

    EXPECT_TRUE(similar(pixelAt(target, 75 + 24, 20 + 24), kFaceColours[0], 8)) << "die 0 shows face 1";
    EXPECT_TRUE(similar(pixelAt(target, 147 + 24, 20 + 24), kFaceColours[1], 8)) << "die 1 shows face 2";
    EXPECT_EQ(pixelAt(target, 5, 5), 0x00336699u) << "the background image";
    // The pass panel: by default the background ORed with pure blue.
    EXPECT_EQ(pixelAt(target, 250, 160), 0x00FF6699u);
    EXPECT_EQ(pixelAt(target, 199, 160), 0x00336699u);
    // Die 3 shows face 4 (yellow, 0x0000FFFF) with half blue added.
    EXPECT_TRUE(similar(pixelAt(target, 291 + 24, 20 + 24), 0x007FFFFF, 8));

    gameState.drawing.backgroundMode = 1;
    drawFrame(target, 511, 446);
    EXPECT_EQ(pixelAt(target, 5, 5), 0u) << "black instead of the image";
    EXPECT_TRUE(similar(pixelAt(target, 75 + 24, 20 + 24), kFaceColours[0], 8));

    DeleteDC(window);
    DeleteObject(windowBitmap);
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
