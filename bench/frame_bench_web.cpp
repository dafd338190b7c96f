// frame_bench_web.cpp -- the frame benchmark on the browser's canvas, for the page; the page learns its end
// from it, since a program that waited for the browser returns from main only to the event loop.
#include <emscripten.h>

int runFrameBench(int argc, char** argv);

EM_JS(void, reportExit, (int code), { window.testExit = code; });

int main(int argc, char** argv) {
    const int code = runFrameBench(argc, argv);
    reportExit(code);
    return code;
}
