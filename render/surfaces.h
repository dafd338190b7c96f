// surfaces.h -- the fonts, the off-screen board and the surfaces a frame copies from.
#pragma once

#include <cstdint>

#include "render/draw.h"

constexpr std::int32_t kBoardWidth = 511;
constexpr std::int32_t kBoardHeight = 446;
constexpr std::int32_t kSectionWidth = 512;  // a pixel section's rows are 512 pixels, 1536 bytes
constexpr std::int32_t kDiceSheetWidth = 48;
constexpr std::int32_t kDiceSheetHeight = 288;
constexpr std::int32_t kPanelWidth = 138;
constexpr std::int32_t kPanelHeight = 78;
constexpr std::int32_t kPanelDiceRow = 29;  // the dice colour area of the panel surface starts here

// The three fonts and the board's drawing surface, before the window exists. textegras decides the
// weight of the text font.
void createFonts();

// A pixel section of width x height on `surface`; bad sizes and refusals are reported and the steps go
// on whatever they found. The bitmap is attached when one was made.
void createDibSurface(Surface* surface, std::int32_t width, std::int32_t height, std::int32_t depth,
                      Bitmap** bitmap, unsigned char** pixels);

// True when the settings ask for pixel sections: a per-pixel highlight mode or smooth stretching.
bool wantsPixelSections();

// The background (image and decorations), the dice sheet, the highlight panel and the board's bitmap,
// compatible with the window's paint surface. Runs the decoration script onto the background.
void createSurfaces(Surface* paintSurface);
