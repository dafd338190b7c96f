// read_pixel.h -- reading back what the platform's real drawing put on a surface, for the seam tests.
#pragma once

#include "game/game_state.h"

// 0x00BBGGRR of the pixel at (x, y) of `surface`, once every pending drawing is done.
Colour pixelAt(Surface* surface, int x, int y);
