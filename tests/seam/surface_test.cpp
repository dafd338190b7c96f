// surface_test.cpp -- surfaces, images, the decoration script, highlights and a whole frame on the
// platform's real drawing: GDI under Wine, Cairo natively. Written once, run on both.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "config/configuration.h"
#include "render/board.h"
#include "render/highlight.h"
#include "render/surfaces.h"
#include "tests/seam/read_pixel.h"
#include "tests/unit/fake_platform.h"
#include "tests/unit/shipped_files.h"
#include "tests/unit/temp_dir.h"
#include "tools/bmp.h"

namespace {

bool similar(Colour a, Colour b, int tolerance) {
    for (int shift = 0; shift < 24; shift += 8) {
        const int d = int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF);
        if (d > tolerance || d < -tolerance) return false;
    }
    return true;
}

const Colour kFaceColours[6] = {0x000000FF, 0x0000FF00, 0x00FF0000, 0x0000FFFF, 0x00FF00FF, 0x00FFFF00};

class Surfaces : public ::testing::Test {
protected:
    void SetUp() override {
        fake::reset();
        // A background of an odd size in one colour, and dice faces as six bands of distinct colours.
        bmp::Image background(37, 23, 0x00336699);
        bmp::write("fond.bmp", background);
        bmp::Image dice(13, 61);
        for (int y = 0; y < dice.height; ++y) {
            for (int x = 0; x < dice.width; ++x) dice.at(x, y) = kFaceColours[std::min(5, y * 6 / 61)];
        }
        bmp::write("des.bmp", dice);
    }
    // Start-up's fonts and the surfaces of the second paint, compatible with the screen.
    void build(const std::string& config = "") {
        writeFile("Config.txt", config);
        readConfiguration("Config.txt");
        createFonts();
        createSurfaces(nullptr);
    }
    TempDir dir;
    DrawingResources& d = gameState.drawing;
};

TEST_F(Surfaces, ImagesAreFittedToTheirSurfaces) {
    build();
    for (auto [x, y] : {std::pair{0, 0}, {510, 445}, {255, 300}}) {
        EXPECT_EQ(pixelAt(d.backgroundSurface, x, y), 0x00336699u) << x << "," << y;
    }
    for (int face = 1; face <= 6; ++face) {
        EXPECT_TRUE(similar(pixelAt(d.diceSurface, 24, 48 * face - 24), kFaceColours[face - 1], 8)) << face;
        EXPECT_TRUE(similar(pixelAt(d.diceSurface, 1, 48 * face - 20), kFaceColours[face - 1], 8)) << face;
    }
}

TEST_F(Surfaces, MissingImagesLeaveBlackSurfaces) {
    std::filesystem::remove("fond.bmp");
    writeFile("des.bmp", "BM not really a bitmap");
    build();
    EXPECT_EQ(pixelAt(d.backgroundSurface, 100, 100), 0u);
    EXPECT_EQ(pixelAt(d.diceSurface, 24, 24), 0u);
}

TEST_F(Surfaces, PanelHoldsTheHighlightColours) {
    build("couleurselection=rgb(10,20,30)\ncouleurselectionde=rgb(40,50,60)\n");
    EXPECT_EQ(pixelAt(d.panelSurface, 0, 0), 0x001E140Au);
    EXPECT_EQ(pixelAt(d.panelSurface, 136, 27), 0x001E140Au);
    EXPECT_EQ(pixelAt(d.panelSurface, 0, 29), 0x003C3228u);
    EXPECT_EQ(pixelAt(d.panelSurface, 136, 76), 0x003C3228u);
}

TEST_F(Surfaces, DecorationsLandOnTheBackground) {
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
    EXPECT_FALSE(std::filesystem::exists(scriptFileName()));
}

// Each highlight mode on a board of one colour, read back pixel by pixel.
TEST_F(Surfaces, HighlightModesOnRealPixels) {
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
        EXPECT_TRUE(similar(pixelAt(d.boardSurface, 400, 340), c.expected, c.tolerance))
            << c.config << std::hex << " got " << pixelAt(d.boardSurface, 400, 340) << " expected " << c.expected;
        EXPECT_EQ(pixelAt(d.boardSurface, 373, 340), 0x00406080u) << c.config;
        EXPECT_EQ(pixelAt(d.boardSurface, 400, 358), 0x00406080u) << c.config;
    }
}

TEST_F(Surfaces, WholeFrame) {
    build("transparencede=addition\n");
    gameState.game.rollInProgress = 0;
    for (int i = 0; i < 5; ++i) gameState.game.dice[i] = i + 1;
    gameState.game.mouseX = 300;  // die 3 pointed and brightened
    gameState.game.mouseY = 40;
    gameState.game.passPanelLit = 1;  // no pass is left, so no text covers the panel

    // The window: a memory surface of the client's size.
    Surface* target = createMemorySurface(nullptr);
    attachDeviceBitmap(target, nullptr, 511, 446);
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
}

// Each shipped look on real surfaces, with its own pictures: its decorations land where it draws them.
TEST_F(Surfaces, ShippedLooksDrawTheirDecorations) {
    struct Probe {
        const char* look;
        int x, y;
        Colour colour;
    };
    const Probe probes[] = {
        {"Config.txt", 100, 164, 0x0048A0C4},     // the gold rule under the motto
        {"nuit.txt", 100, 164, 0x00BA9280},       // the silver rule under the motto
        {"nuit.txt", 237, 125, 0x00F6E6E6},       // a star
        {"contraste.txt", 400, 154, 0x0000DCFF},  // the yellow bar under the title
        {"contraste.txt", 250, 400, 0x00FFFFFF},  // the white rule of its picture, above the help line
        {"casino.txt", 100, 275, 0x0054B5DD},     // the gold band, in per cent: 87, 71, 33
        {"casino.txt", 152, 284, 0x0054B5DD},     // the opaque cell behind "RIEN NE VA PLUS"
    };
    for (const Probe& p : probes) {
        SCOPED_TRACE(p.look);
        fake::reset();
        for (const shipped::Look& look : shipped::kLooks) {
            if (std::string(look.file) != p.look) continue;
            for (const char* picture : {look.background, look.dice}) {
                std::filesystem::copy_file(shipped::images() / picture, picture,
                                           std::filesystem::copy_options::overwrite_existing);
            }
        }
        build(shipped::look(p.look));
        EXPECT_EQ(pixelAt(d.backgroundSurface, p.x, p.y), p.colour) << std::hex << pixelAt(d.backgroundSurface, p.x, p.y);
    }
}

}  // namespace
