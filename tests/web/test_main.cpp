// test_main.cpp -- the main of a test program compiled to the web: the page learns the result from it,
// since a program that waited for the browser on the way returns from main only to the event loop.
#include <emscripten.h>
#include <gtest/gtest.h>

EM_JS(void, reportExit, (int code), { window.testExit = code; });

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    const int code = RUN_ALL_TESTS();
    reportExit(code);
    return code;
}
