// board.cpp -- composing each frame of the board off-screen and copying it to the window.
#include "render/board.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "game/announce.h"
#include "game/board_regions.h"
#include "game/categories.h"
#include "game/frame.h"
#include "game/help.h"
#include "game/keys.h"
#include "game/turn.h"
#include "render/highlight.h"
#include "render/surfaces.h"

namespace {

constexpr Colour kLoadingColour = 0x0000C0FF;  // red 255, green 192, blue 0
constexpr std::int32_t kDieSize = 48;

// Draws at most the first `count` characters of `text`.
void drawFirst(Surface* board, std::int32_t x, std::int32_t y, const char* text, std::size_t count,
               Colour colour) {
    setTextColour(board, colour);
    drawText(board, x, y, text, static_cast<std::int32_t>(std::min(count, std::strlen(text))));
}

void drawWhole(Surface* board, std::int32_t x, std::int32_t y, const char* text, Colour colour) {
    drawFirst(board, x, y, text, std::strlen(text), colour);
}

void drawPanels(const Settings& s, GameFields& g) {
    if (g.rollPanelLit) {
        drawHighlight(374, 330, 137, 28, s.transparence, s.couleurselection, s.niveautransparence, 0);
        g.rollPanelLit = 0;
    }
    if (g.passPanelLit) {
        drawHighlight(200, 150, 115, 20, s.transparence, s.couleurselection, s.niveautransparence, 0);
        g.passPanelLit = 0;
    }
    if (g.categoryPanelLit) {
        drawHighlight(g.categoryPanelX, g.categoryPanelY, 70, 20, s.transparence, s.couleurselection,
                      s.niveautransparence, 0);
        g.categoryPanelLit = 0;
    }
}

// A frame `width` pixels wide just inside the box (x, y, w, h).
void drawBoxFrame(Surface* board, std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h,
                  std::int32_t width, Colour colour) {
    fillRect(board, x, y, x + w, y + width, colour);
    fillRect(board, x, y + h - width, x + w, y + h, colour);
    fillRect(board, x, y, x + width, y + h, colour);
    fillRect(board, x + w - width, y, x + w, y + h, colour);
}

// The keyboard's cursor: a frame in the colour of the help line, which every look makes legible on its
// board, lined on both sides with its opposite, so that it shows on the light dice tray too. Drawn only
// while the keyboard leads.
void drawCursor(Surface* board, Colour colour) {
    const int target = keyboardCursor();
    if (target < 0) return;
    const CursorBox b = cursorBox(target);
    const Colour opposite = colour ^ 0x00FFFFFF;
    drawBoxFrame(board, b.x, b.y, b.width, b.height, 4, opposite);
    drawBoxFrame(board, b.x + 1, b.y + 1, b.width - 2, b.height - 2, 2, colour);
}

void showLoading(Surface* window) {
    fillBlack(window, 0, 0, kBoardWidth, kBoardHeight);
    selectFont(window, gameState.drawing.textFont);
    setTextColour(window, kLoadingColour);
    setBackgroundMode(window, BackgroundMode::Transparent);
    drawText(window, 200, 200, "Chargement...", 13);
}

// The status line: the help text while help is on, a credit line otherwise.
const char* statusLineText() { return gameState.settings.aide ? gameState.game.helpText : kQuietCreditLine; }

const char* shownStatus = nullptr;  // the status line of the last frame

}  // namespace

const char* shownStatusLine() { return shownStatus; }

void drawFrame(Surface* target, std::int32_t clientWidth, std::int32_t clientHeight) {
    DrawingResources& d = gameState.drawing;
    GameFields& g = gameState.game;
    const Settings& s = gameState.settings;
    Surface* board = d.boardSurface;
    char text[64];

    if (d.backgroundMode == 0) {
        copyRect(board, 0, 0, kBoardWidth, kBoardHeight, d.backgroundSurface, 0, 0);
    } else if (d.backgroundMode == 1) {
        fillBlack(board, 0, 0, kBoardWidth, kBoardHeight);
    }  // any other mode draws over the previous frame
    selectFont(board, d.textFont);
    setBackgroundMode(board, BackgroundMode::Transparent);
    drawPanels(s, g);  // under every text

    selectFont(board, d.bigFont);
    advanceDisplayedScore();
    std::snprintf(text, sizeof text, "Score %05i", static_cast<int>(g.displayedScore));
    drawFirst(board, 0, 325, text, 11, s.couleurscore);
    std::snprintf(text, sizeof text, "Lancer %i", static_cast<int>(g.rollsThisTurn));
    drawFirst(board, 374, 325, text, 8, s.couleurlancer);

    selectFont(board, d.textFont);
    for (int i = 0; i < kCategoryCount; ++i) {
        drawWhole(board, 100 * (i % 5), 180 + 30 * (i / 5), kCategories[i].name,
                  g.categoryUsed[i] ? s.couleurfctutil : s.couleurfct);
    }
    const std::int32_t subtotal = upperSubtotal();  // taken before the bonus is granted
    applyUpperBonus();
    announceFrameEvents();
    std::snprintf(text, sizeof text, "Record: %05i %c", static_cast<int>(g.record), g.recordCheated == 1 ? '*' : 0);
    drawWhole(board, 0, 310, text, s.couleurrecord);  // up to its NUL: an honest record ends in a space
    std::snprintf(text, sizeof text, "Sous-total: %03i", static_cast<int>(subtotal));
    drawFirst(board, 385, 310, text, 15, s.couleursoustotal);
    shownStatus = statusLineText();
    drawWhole(board, 0, 406, shownStatus, g.poorChoice ? s.couleurbetise : s.couleuraide);
    if (passesLeft() > 0) {
        std::snprintf(text, sizeof text, "Passer (%i fois)", static_cast<int>(passesLeft()));
        drawFirst(board, 200, 150, text, 15, s.couleurpasser);
    }
    std::snprintf(text, sizeof text, "Valeur: %03i", static_cast<int>(g.selectedValue));
    drawFirst(board, 410, 406, text, 11, s.couleuraide);

    g.hoveredDie = diceBandIndex(g.mouseX, g.mouseY);
    selectFont(board, d.labelFont);
    for (int i = 0; i < kDiceCount; ++i) {
        Colour colour = g.heldDice[i] ? s.couleurretenu : s.couleurpasretenu;
        if (g.buttonDown && i == g.hoveredDie) colour = s.couleurintermediaire;
        drawFirst(board, 72 + 72 * i, 80, "Retenu", 6, colour);
    }
    rollFrameStep();
    for (int i = 0; i < kDiceCount; ++i) {
        const std::int32_t x = 75 + 72 * i;
        copyRect(board, x, 20, kDieSize, kDieSize, d.diceSurface, 0, kDieSize * (g.dice[i] - 1));
        if (i == g.hoveredDie) {
            drawHighlight(x, 20, kDieSize, kDieSize, s.transparencede, s.couleurselectionde,
                          s.niveautransparencede, kPanelDiceRow);
        }
    }

    drawCursor(board, s.couleuraide);

    const ShellFields& shell = gameState.shell;
    stretchRect(target, clientWidth, clientHeight, board, shell.initialClientWidth, shell.initialClientHeight,
                s.filtrage ? StretchMode::Halftone : StretchMode::ColorOnColor);
}

void paintBoard(void* window) {
    DrawingResources& d = gameState.drawing;
    Surface* target = beginWindowPaint(window);
    if (d.paintStage == 2) {
        showLoading(target);
        d.paintStage = 1;
        endWindowPaint(window);
        requestWindowRepaint(window);
    } else if (d.paintStage == 1) {
        d.paintStage = 0;
        createSurfaces(target);
        endWindowPaint(window);
        requestWindowRepaint(window);
    } else {
        std::int32_t width = 0;
        std::int32_t height = 0;
        windowClientSize(window, width, height);
        drawFrame(target, width, height);
        endWindowPaint(window);
    }
}
