// render_frame.cpp -- renders one frame of the board on real GDI into a BMP file, to look at it.
// render_frame CONFIG OUTPUT.bmp [fresh|partie|fin]: reads CONFIG (and the images it names) from the
// current folder, sets up a game in the named state and draws the frame the window would show.
#include <windows.h>

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
        std::fprintf(stderr, "usage: render_frame CONFIG OUTPUT.bmp [fresh|partie|fin]\n");
        return 2;
    }
    const char* state = argc > 3 ? argv[3] : "partie";
    std::srand(7);
    readConfiguration(argv[1]);
    createFonts();
    HDC screen = GetDC(nullptr);
    createSurfaces(reinterpret_cast<Surface*>(screen));
    if (std::strcmp(state, "partie") == 0) midGame();
    if (std::strcmp(state, "fin") == 0) gameOver();
    if (std::strcmp(state, "fresh") == 0) gameState.shell.animationsOn = 0;

    // The window's client area, as a 24-bit section that can be read back.
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), 511, -446, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP section = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC window = CreateCompatibleDC(screen);
    SelectObject(window, section);
    beginFrame();
    drawFrame(reinterpret_cast<Surface*>(window), 511, 446);
    GdiFlush();

    bmp::Image image(511, 446);
    const auto* p = static_cast<const unsigned char*>(bits);
    const int stride = (511 * 3 + 3) / 4 * 4;
    for (int y = 0; y < 446; ++y) {
        for (int x = 0; x < 511; ++x) {
            const unsigned char* px = p + y * stride + 3 * x;
            image.at(x, y) = px[2] | px[1] << 8 | std::uint32_t(px[0]) << 16;
        }
    }
    return bmp::write(argv[2], image) ? 0 : 1;
}
