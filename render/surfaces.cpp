// surfaces.cpp -- the fonts, the off-screen board and the surfaces a frame copies from.
#include "render/surfaces.h"

#include "render/script_canvas.h"

namespace {

constexpr std::int32_t kBold = 900;
constexpr std::int32_t kLabelWeight = 800;

// A memory surface of width x height (a section 512 wide for the board-sized ones), black until drawn on:
// `existing` with a new bitmap when the surfaces are made again, else a new one.
Surface* makeSurface(Surface* existing, Surface* paintSurface, std::int32_t width, std::int32_t height,
                     bool pixelSection, unsigned char** pixels = nullptr) {
    Surface* surface = existing ? existing : createMemorySurface(paintSurface);
    if (pixelSection) {
        Bitmap* bitmap = nullptr;
        unsigned char* bits = nullptr;
        const std::int32_t sectionWidth = width == kBoardWidth ? kSectionWidth : width;
        createDibSurface(surface, sectionWidth, height, 24, &bitmap, &bits);
        if (pixels) *pixels = bits;
    } else {
        attachDeviceBitmap(surface, paintSurface, width, height);
    }
    // A missing image leaves its surface black, whatever the platform's new bitmaps hold.
    fillBlack(surface, 0, 0, width, height);
    return surface;
}

}  // namespace

void createFonts() {
    DrawingResources& d = gameState.drawing;
    d.textFont = createFont("Arial", 20, gameState.settings.textegras ? kBold : 0, false, false, false, 0);
    d.labelFont = createFont("Arial", 20, kLabelWeight, false, false, false, 0);
    d.bigFont = createFont("Verdana", 36, 0, false, false, false, 0);
    d.boardSurface = createMemorySurface(nullptr);
}

void createDibSurface(Surface* surface, std::int32_t width, std::int32_t height, std::int32_t depth,
                      Bitmap** bitmap, unsigned char** pixels) {
    if (width < 1) reportSurfaceError("Erreur: cx > 0");
    if (height < 1) reportSurfaceError("Erreur: cy > 0");
    if (depth != 8 && depth != 16) depth = 24;
    const PixelSection section = createPixelSection(width, height, depth);
    *bitmap = section.bitmap;
    *pixels = section.pixels;
    if (!*bitmap) reportSurfaceError("Erreur: *hbm");
    if (!*pixels) reportSurfaceError("Erreur: *bits");
    if (*bitmap) attachBitmap(surface, *bitmap);
}

bool wantsPixelSections() {
    const Settings& s = gameState.settings;
    return s.filtrage || s.transparence > 1 || s.transparencede > 1;
}

void createSurfaces(Surface* paintSurface) {
    DrawingResources& d = gameState.drawing;
    const Settings& s = gameState.settings;
    const bool sections = wantsPixelSections();
    const bool again = d.backgroundSurface != nullptr;  // made anew, at another device scale

    d.backgroundSurface = makeSurface(d.backgroundSurface, paintSurface, kBoardWidth, kBoardHeight, sections);
    loadFittedImage(d.backgroundSurface, s.imagefond, 0, 0, kBoardWidth, kBoardHeight);
    d.diceSurface = makeSurface(d.diceSurface, paintSurface, kDiceSheetWidth, kDiceSheetHeight, sections);
    loadFittedImage(d.diceSurface, s.imagedes, 0, 0, kDiceSheetWidth, kDiceSheetHeight);
    d.panelSurface = makeSurface(d.panelSurface, paintSurface, kPanelWidth, kPanelHeight, sections);
    // Two uniform areas, the sources of the copied highlights: panels above, the pointed die below.
    fillRect(d.panelSurface, 0, 0, 137, 28, s.couleurselection);
    fillRect(d.panelSurface, 0, kPanelDiceRow, 137, 77, s.couleurselectionde);

    if (again) {
        replayDecorationScript(d.backgroundSurface);
    } else {
        runDecorationScript(d.backgroundSurface);
    }

    if (sections) {
        Bitmap* bitmap = nullptr;
        createDibSurface(d.boardSurface, kSectionWidth, kBoardHeight, 24, &bitmap, &d.boardPixels);
    } else {
        attachDeviceBitmap(d.boardSurface, paintSurface, kBoardWidth, kBoardHeight);
        d.boardPixels = nullptr;
    }
}
