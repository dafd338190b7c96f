// frame_bench_scaled.cpp -- what a frame of a game in progress costs on a side of the drawing seam with a
// device scale (Cairo and Pango, or the browser's canvas), for device surfaces and for the pixel sections
// of the per-pixel highlights and of smooth stretching.
// frame_bench [FRAMES]: prints one table row per kind of surface, the median time of a frame, at the
// screen scales 1 and 2. CINQUOR_BENCH_SIDE names the side and the program it stands for.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "bench/game_in_progress.h"
#include "config/configuration.h"
#include "render/board.h"
#include "render/device_scale.h"
#include "render/draw.h"
#include "render/surfaces.h"

namespace {

void measure(const char* name, const char* config, int frames, int scale) {
    setDeviceScale(scale);
    gameState = GameState{};
    gameState.settings.passers = 1;
    std::FILE* f = std::fopen("bench.cfg", "wb");
    std::fputs(config, f);
    std::fclose(f);
    readConfiguration("bench.cfg");
    createFonts();
    createSurfaces(nullptr);
    Surface* window = createMemorySurface(nullptr);
    attachDeviceBitmap(window, nullptr, kBoardWidth, kBoardHeight);
    for (int i = 0; i < 20; ++i) {  // warm up: fonts and glyphs are cached
        gameInProgress(i);
        drawFrame(window, kBoardWidth, kBoardHeight);
    }
    std::vector<double> times;
    for (int i = 0; i < frames; ++i) {
        gameInProgress(0);
        const auto t0 = std::chrono::steady_clock::now();
        drawFrame(window, kBoardWidth, kBoardHeight);
        flushDrawing(0, 0, kSectionWidth, kBoardHeight);
        times.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - t0).count());
    }
    std::sort(times.begin(), times.end());
    std::printf("| frame on %s at scale %d, %-31s | %8.1f us | | | %s |\n", CINQUOR_BENCH_SIDE, scale, name,
                times[times.size() / 2], CINQUOR_BENCH_PROGRAM);
}

}  // namespace

int runFrameBench(int argc, char** argv) {
    const int frames = argc > 1 ? std::max(10, std::atoi(argv[1])) : 1000;
    for (int scale : {1, 2}) {
        measure("device surfaces (default)", "", frames, scale);
        measure("pixel sections, add and mask highlights", "transparence=addition\ntransparencede=masque(128)\n",
                frames, scale);
        measure("pixel sections, smooth stretching", "filtrage=oui\n", frames, scale);
    }
    return 0;
}
