// board_regions_test.cpp -- the controls of the board at their exact edges.
#include <gtest/gtest.h>

#include "game/board_regions.h"
#include "game/game_state.h"

namespace {

struct Probe {
    std::int32_t x, y;
    bool inside;
};

using Test = bool (*)(std::int32_t, std::int32_t);

void expectRegion(const char* name, Test test, std::initializer_list<Probe> probes) {
    for (const Probe& p : probes) {
        EXPECT_EQ(test(p.x, p.y), p.inside) << name << " at " << p.x << "," << p.y;
    }
}

TEST(BoardRegions, ControlsAtTheirEdges) {
    expectRegion("pass", onPassButton,
                 {{200, 150, true}, {310, 169, true}, {199, 160, false}, {311, 160, false},
                  {250, 149, false}, {250, 170, false}});
    expectRegion("record", onRecord,
                 {{0, 310, true}, {110, 330, true}, {111, 320, false}, {50, 309, false}, {50, 331, false}});
    expectRegion("subtotal", onUpperSubtotal,
                 {{395, 310, true}, {510, 330, true}, {394, 320, false}, {400, 309, false}, {400, 331, false}});
    expectRegion("status", onStatusLine, {{0, 406, true}, {510, 445, true}, {0, 405, false}});
    expectRegion("status value", onStatusValue,
                 {{420, 406, true}, {419, 406, false}, {420, 405, false}});
    expectRegion("roll", onRollButton,
                 {{374, 330, true}, {510, 358, true}, {373, 340, false}, {400, 329, false}, {400, 359, false}});
    expectRegion("score", onScore,
                 {{0, 330, true}, {190, 358, true}, {191, 340, false}, {100, 329, false}, {100, 359, false}});
}

TEST(BoardRegions, DiceBand) {
    struct DieProbe {
        std::int32_t x, y, index;
        int die;
    };
    const DieProbe probes[] = {
        {62, 50, kNoDie, -1}, {63, 50, 0, 0},   {134, 50, 0, 0}, {135, 50, 1, 1}, {350, 20, 3, 3},
        {422, 95, 4, 4},      {423, 50, 5, -1}, {494, 50, 5, -1}, {495, 50, 6, -1}, {100, 19, kNoDie, -1},
        {100, 20, 0, 0},      {100, 95, 0, 0},  {100, 96, kNoDie, -1},
    };
    for (const DieProbe& p : probes) {
        EXPECT_EQ(diceBandIndex(p.x, p.y), p.index) << p.x << "," << p.y;
        EXPECT_EQ(dieAt(p.x, p.y), p.die) << p.x << "," << p.y;
    }
}

TEST(BoardRegions, ScoreSheetCells) {
    struct SheetProbe {
        std::int32_t x, y;
        int category;
    };
    const SheetProbe probes[] = {
        {10, 180, kAs},   {0, 200, kAs},    {70, 180, kAs},     {71, 180, -1},          {10, 201, -1},
        {10, 210, kSix},  {10, 179, -1},    {100, 180, kDeux},  {470, 260, kCinquor},   {471, 260, -1},
        {400, 240, kCinquor}, {499, 180, -1}, {505, 180, -1},   {330, 215, kBrelan}, {10, 270, -1},
        {10, 445, -1},    {230, 249, kGrandeSuite},
    };
    for (const SheetProbe& p : probes) {
        EXPECT_EQ(categoryAt(p.x, p.y), p.category) << p.x << "," << p.y;
    }
}

TEST(BoardRegions, SheetGridCells) {
    EXPECT_TRUE(onSheetGrid(499, 180));
    EXPECT_FALSE(onSheetGrid(500, 180));
    EXPECT_FALSE(onSheetGrid(10, 179));
    EXPECT_EQ(sheetCellX(399), 300);
    EXPECT_EQ(sheetCellX(400), 400);
    EXPECT_EQ(sheetCellY(209), 180);
    EXPECT_EQ(sheetCellY(210), 210);
    EXPECT_EQ(sheetCellY(445), 420);
}

}  // namespace
