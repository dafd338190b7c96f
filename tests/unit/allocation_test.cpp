// allocation_test.cpp -- a frame allocates nothing: every frame after the first is composed without a
// single call to the heap. This program replaces the global operator new to count.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "game/frame.h"
#include "game/help.h"
#include "game/turn.h"
#include "render/board.h"
#include "render/surfaces.h"
#include "tests/unit/fake_platform.h"
#include "tests/unit/game_driver.h"
#include "tests/unit/recording_draw.h"
#include "tests/unit/temp_dir.h"

namespace {
std::atomic<bool> counting{false};
std::atomic<long> allocations{0};
}  // namespace

void* operator new(std::size_t size) {
    if (counting) ++allocations;
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void* operator new[](std::size_t size) { return operator new(size); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }

namespace {

// A paint as the window procedure runs it, with a tick's hover pass before it.
void tickAndPaint() {
    hoverPass();
    beginFrame();
    paintBoard(recording::window());
}

TEST(Allocations, NonePerFrame) {
    struct Case {
        const char* name;
        std::int32_t transparence, transparencede, filtrage;
    };
    const Case cases[] = {{"device surfaces", 0, 0, 0}, {"pixel sections", 2, 4, 0}, {"smooth", 1, 3, 1}};
    for (const Case& c : cases) {
        TempDir dir;
        fake::reset();
        recording::reset();
        gameState.settings.transparence = c.transparence;
        gameState.settings.transparencede = c.transparencede;
        gameState.settings.filtrage = c.filtrage;
        gameState.settings.passers = 2;
        createFonts();
        for (int i = 0; i < 3; ++i) tickAndPaint();  // loading, surfaces, the first frame
        recording::recorder.keepOps = false;

        allocations = 0;
        // A game in progress: rolls, holds, the pointer over every region and writes. Only the ticks and
        // the paints are counted: a write's warning box is the player's business, not a frame's.
        for (int frame = 0; frame < 600; ++frame) {
            const driver::Point spots[] = {driver::onDie(frame % 5), driver::kRollButton, driver::kPassButton,
                                           driver::onCategory(frame % 15), {50, 320}, {450, 420}, {10, 10}};
            driver::moveTo(spots[frame % 7]);
            if (frame % 25 == 0) characterTyped(' ');
            if (frame % 40 == 0) releaseAt(spots[frame % 7].x, spots[frame % 7].y);
            counting = true;
            tickAndPaint();
            counting = false;
        }
        EXPECT_EQ(allocations.load(), 0) << c.name;
        EXPECT_GT(recording::recorder.opCount, 600 * 30) << c.name << ": the frames were drawn";
    }
}

}  // namespace
