// render_frame.cpp -- renders one frame of the board on the platform's real drawing (GDI under Wine, or
// Cairo natively) into a BMP file, to look at it.
// render_frame CONFIG OUTPUT.bmp [fresh|partie|fin|aide]: reads CONFIG (and the images it names) from the
// current folder, sets up a game in the named state and draws the frame the window would show.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "config/configuration.h"
#include "game/frame.h"
#include "game/help.h"
#include "game/turn.h"
#include "render/board.h"
#include "render/surfaces.h"
#include "tools/bmp.h"

namespace {

void setDice(int a, int b, int c, int d, int e) {
    const int faces[5] = {a, b, c, d, e};
    for (int i = 0; i < 5; ++i) gameState.game.dice[i] = faces[i];
}

void write(int category, int value) {
    gameState.game.categoryUsed[category] = 1;
    if (category < 6) gameState.game.upperValues[category] = value;
    gameState.game.score += value;
}

// A game under way: a few categories written, two dice held, the pointer on an open category.
void midGame() {
    GameFields& g = gameState.game;
    write(kAs, 3);
    write(kTrois, 9);
    write(kBrelan, 22);
    write(kFull, 25);
    write(kPetiteSuite, 30);
    g.displayedScore = g.score;
    g.record = 241;
    g.rollInProgress = 0;
    g.rollsThisTurn = 2;
    setDice(6, 6, 6, 2, 5);
    g.heldDice[0] = g.heldDice[1] = g.heldDice[2] = 1;
    g.mouseX = 20;
    g.mouseY = 215;  // on "Six"
    hoverPass();
}

void gameOver() {
    GameFields& g = gameState.game;
    const int values[15] = {3, 8, 12, 16, 20, 24, 22, 18, 24, 21, 25, 30, 40, 23, 0};
    for (int k = 0; k < 15; ++k) write(k, values[k]);
    g.score += 35;
    g.upperBonusGiven = 1;
    g.displayedScore = g.score;
    g.record = g.score;
    g.rollInProgress = 0;
    g.rollsThisTurn = 1;
    setDice(4, 4, 1, 3, 6);
    beginFrame();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: render_frame CONFIG OUTPUT.bmp [fresh|partie|fin|aide]\n");
        return 2;
    }
    const char* state = argc > 3 ? argv[3] : "partie";
    std::srand(7);
    readConfiguration(argv[1]);
    createFonts();
    createSurfaces(nullptr);
    if (std::strcmp(state, "partie") == 0) midGame();
    if (std::strcmp(state, "fin") == 0) gameOver();
    if (std::strcmp(state, "aide") == 0) {  // the pointer on the roll button: the longest help line
        midGame();
        gameState.game.mouseX = 440;
        gameState.game.mouseY = 343;
        hoverPass();
    }
    if (std::strcmp(state, "fresh") == 0) gameState.shell.animationsOn = 0;

    // The window's client area, as a pixel section that can be read back in the platform's layout.
    Surface* window = createMemorySurface(nullptr);
    const PixelSection section = createPixelSection(kBoardWidth, kBoardHeight, 24);
    if (!section.bitmap || !section.pixels) return 1;
    attachBitmap(window, section.bitmap);
    beginFrame();
    drawFrame(window, kBoardWidth, kBoardHeight);
    // The frame drawn, the window's section is the memory read: it stands as the board for the flush.
    gameState.drawing.boardSurface = window;
    flushDrawing(0, 0, kSectionWidth, kBoardHeight);

    const PixelLayout layout = pixelSectionLayout(kBoardWidth, 24);
    bmp::Image image(kBoardWidth, kBoardHeight);
    for (int y = 0; y < kBoardHeight; ++y) {
        const int row = layout.bottomUp ? kBoardHeight - 1 - y : y;
        for (int x = 0; x < kBoardWidth; ++x) {
            const unsigned char* px = section.pixels + row * layout.rowBytes + layout.bytesPerPixel * x;
            const unsigned red = layout.redFirst ? px[0] : px[2];
            const unsigned blue = layout.redFirst ? px[2] : px[0];
            image.at(x, y) = red | px[1] << 8 | std::uint32_t(blue) << 16;
        }
    }
    return bmp::write(argv[2], image) ? 0 : 1;
}
