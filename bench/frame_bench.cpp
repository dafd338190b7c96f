// frame_bench.cpp -- what a frame costs on real GDI, beside the bare GDI calls it makes.
// frame_bench [FRAMES]: for device surfaces and for pixel sections with the per-pixel highlights,
// composes FRAMES frames of a game in progress, then replays the GDI calls of one of them, recorded
// through the drawing seam, as many times; prints the median time of each and their ratio.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "config/configuration.h"
#include "game/frame.h"
#include "game/help.h"
#include "render/board.h"
#include "win32/gdi_trace.h"
#include "render/surfaces.h"
#include "bench/game_in_progress.h"

namespace {

double now() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return double(t.QuadPart) / double(frequency.QuadPart);
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

void measure(const char* name, const char* config, int frames, HDC screen, HDC window) {
    gameState = GameState{};
    gameState.settings.passers = 1;
    FILE* f = std::fopen("bench.cfg", "wb");
    std::fputs(config, f);
    std::fclose(f);
    readConfiguration("bench.cfg");
    createFonts();
    createSurfaces(reinterpret_cast<Surface*>(screen));
    Surface* target = reinterpret_cast<Surface*>(window);
    for (int i = 0; i < 20; ++i) {  // warm up
        gameInProgress(i);
        drawFrame(target, 504, 434);
    }
    std::vector<GdiCall> calls;
    gameInProgress(0);
    traceGdiCalls(&calls);
    drawFrame(target, 504, 434);
    traceGdiCalls(nullptr);
    GdiFlush();

    std::vector<double> program, bare;
    // Blocks of each in turn, so that a change of the machine's load weighs on both alike.
    for (int block = 0; block < 10; ++block) {
        for (int i = 0; i < frames / 10; ++i) {
            gameInProgress(0);
            const double t0 = now();
            drawFrame(target, 504, 434);
            GdiFlush();
            program.push_back(now() - t0);
        }
        for (int i = 0; i < frames / 10; ++i) {
            const double t0 = now();
            replayGdiCalls(calls);
            GdiFlush();
            bare.push_back(now() - t0);
        }
    }
    const double p = median(program) * 1e6, b = median(bare) * 1e6;
    std::printf("| frame, %-38s | %8.1f us | %8.1f us | %5.2f | %zu GDI calls |\n", name, p, b, p / b, calls.size());
}

}  // namespace

int main(int argc, char** argv) {
    const int frames = argc > 1 ? std::max(10, std::atoi(argv[1])) : 1000;
    HDC screen = GetDC(nullptr);
    HDC window = CreateCompatibleDC(screen);
    SelectObject(window, CreateCompatibleBitmap(screen, 504, 434));
    measure("device surfaces (default)", "", frames, screen, window);
    measure("pixel sections, add and mask highlights", "transparence=addition\ntransparencede=masque(128)\n", frames,
            screen, window);
    measure("pixel sections, smooth stretching", "filtrage=oui\n", frames, screen, window);
    return 0;
}
