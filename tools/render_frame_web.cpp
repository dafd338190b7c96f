// render_frame_web.cpp -- the frame renderer in a page: render_frame.cpp's main, compiled under another
// name for this program, runs, then the page learns its end (a program that waited for the browser
// returns from main only to the event loop).
#include <emscripten.h>

int renderFrameMain(int argc, char** argv);

EM_JS(void, reportExit, (int code), { window.testExit = code; });

int main(int argc, char** argv) {
    const int code = renderFrameMain(argc, argv);
    reportExit(code);
    return code;
}
