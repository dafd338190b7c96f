// board_regions.h -- where the controls of the board lie, in board coordinates (511 x 446, y downwards).
#pragma once

#include <cstdint>

constexpr std::int32_t kNoDie = 10;  // the dice-band index of a point outside the band

// Index of the die whose zone holds (x, y): (x - 63) div 72 inside the band 20 <= y <= 95, x >= 63, which
// is 0..4 on a die and 5 or more past the last one; kNoDie outside the band.
std::int32_t diceBandIndex(std::int32_t x, std::int32_t y);
// The die under (x, y), or -1 when the point is on no die.
int dieAt(std::int32_t x, std::int32_t y);

bool onPassButton(std::int32_t x, std::int32_t y);
bool onRecord(std::int32_t x, std::int32_t y);
bool onUpperSubtotal(std::int32_t x, std::int32_t y);
bool onStatusLine(std::int32_t x, std::int32_t y);
bool onStatusValue(std::int32_t x, std::int32_t y);  // the "Valeur" end of the status line
bool onRollButton(std::int32_t x, std::int32_t y);
bool onScore(std::int32_t x, std::int32_t y);

// The score sheet as a grid of 100 x 30 cells from y = 180, left of x = 500.
bool onSheetGrid(std::int32_t x, std::int32_t y);
std::int32_t sheetCellX(std::int32_t x);  // left edge of the cell under x
std::int32_t sheetCellY(std::int32_t y);  // top edge of the cell under y
// The category whose name cell (71 x 21 points from the cell's corner) holds (x, y), or -1.
int categoryAt(std::int32_t x, std::int32_t y);
