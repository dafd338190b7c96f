// highlight.h -- tinting a rectangle of the board in one of the five blend modes.
#pragma once

#include <cstdint>

#include "game/game_state.h"

// The highlight of (x, y, width, height) on the board: 0 ORs the colour in, 1 blends it at the level's
// low 8 bits as alpha (both copied from the panel surface's area at `panelRow`), 2 adds, 3 subtracts the
// complement, 4 moves the channels whose component is not 0 towards it by level / 255. Other modes draw
// nothing; modes 2 to 4 need the board's pixels.
void drawHighlight(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height, std::int32_t mode,
                   Colour colour, std::int32_t level, std::int32_t panelRow);

// The per-pixel modes on the 512 x 446 board section at `pixels`, in the platform's pixel layout; a null
// board draws nothing.
// They flush pending drawing first, and keep the rectangle inside the board.
void blendAdd(unsigned char* pixels, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
              Colour colour);
void blendSubtract(unsigned char* pixels, std::int32_t x, std::int32_t y, std::int32_t width,
                   std::int32_t height, Colour colour);
void blendMask(unsigned char* pixels, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
               Colour colour, std::int32_t level);
