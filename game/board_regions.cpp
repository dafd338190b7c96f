// board_regions.cpp -- the pointer tests of the board's controls; every bound is inclusive.
#include "game/board_regions.h"

#include "game/game_state.h"

namespace {
constexpr std::int32_t kSheetTop = 180;
constexpr std::int32_t kCellWidth = 100;
constexpr std::int32_t kCellHeight = 30;
}  // namespace

std::int32_t diceBandIndex(std::int32_t x, std::int32_t y) {
    if (y < 20 || y > 95 || x < 63) return kNoDie;
    return (x - 63) / 72;
}

int dieAt(std::int32_t x, std::int32_t y) {
    const std::int32_t d = diceBandIndex(x, y);
    return d >= 0 && d < kDiceCount ? d : -1;
}

bool onPassButton(std::int32_t x, std::int32_t y) { return x >= 200 && x <= 310 && y >= 150 && y <= 169; }
bool onRecord(std::int32_t x, std::int32_t y) { return x <= 110 && y >= 310 && y <= 330; }
bool onUpperSubtotal(std::int32_t x, std::int32_t y) { return x >= 395 && y >= 310 && y <= 330; }
bool onStatusLine(std::int32_t, std::int32_t y) { return y >= 406; }
bool onStatusValue(std::int32_t x, std::int32_t y) { return onStatusLine(x, y) && x >= 420; }
bool onRollButton(std::int32_t x, std::int32_t y) { return x >= 374 && y >= 330 && y <= 358; }
bool onScore(std::int32_t x, std::int32_t y) { return x <= 190 && y >= 330 && y <= 358; }

bool onSheetGrid(std::int32_t x, std::int32_t y) { return y >= kSheetTop && x < 500; }
std::int32_t sheetCellX(std::int32_t x) { return x / kCellWidth * kCellWidth; }
std::int32_t sheetCellY(std::int32_t y) { return kSheetTop + (y - kSheetTop) / kCellHeight * kCellHeight; }

int categoryAt(std::int32_t x, std::int32_t y) {
    if (!onSheetGrid(x, y)) return -1;
    const std::int32_t column = x / kCellWidth;
    const std::int32_t row = (y - kSheetTop) / kCellHeight;
    const std::int32_t category = column + 5 * row;
    if (category < 0 || category >= kCategoryCount) return -1;
    if (x - sheetCellX(x) > 70 || y - sheetCellY(y) > 20) return -1;
    return static_cast<int>(category);
}
