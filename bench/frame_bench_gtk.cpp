// frame_bench_gtk.cpp -- what a frame of a game in progress costs on Cairo and Pango, for device surfaces
// and for the pixel sections of the per-pixel highlights and of smooth stretching.
// frame_bench_gtk [FRAMES]: prints one table row per kind of surface, the median time of a frame, at the
// screen scales 1 and 2.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "bench/game_in_progress.h"
#include "config/configuration.h"
#include "render/board.h"
#include "render/draw_gtk.h"
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
        flushDrawing();
        times.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - t0).count());
    }
    std::sort(times.begin(), times.end());
    std::printf("| frame on Cairo at scale %d, %-31s | %8.1f us | | | the native program |\n", scale, name,
                times[times.size() / 2]);
}

}  // namespace

int main(int argc, char** argv) {
    const int frames = argc > 1 ? std::max(10, std::atoi(argv[1])) : 1000;
    for (int scale : {1, 2}) {
        measure("device surfaces (default)", "", frames, scale);
        measure("pixel sections, add and mask highlights", "transparence=addition\ntransparencede=masque(128)\n",
                frames, scale);
        measure("pixel sections, smooth stretching", "filtrage=oui\n", frames, scale);
    }
    return 0;
}
