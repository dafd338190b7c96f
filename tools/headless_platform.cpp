// headless_platform.cpp -- the platform of the rules for the tools that draw without a window:
// no repaints to ask for, every question answered yes, the C runtime's random numbers.
#include <cstdio>
#include <cstdlib>

#include "app/message_box.h"
#include "config/file_names.h"
#include "game/platform.h"

void requestRepaint() {}
bool confirmOkCancel(const char*, const char*) { return true; }
int nextRandom() { return std::rand(); }
unsigned long processNumber() { return 1; }
std::string hostPath(const char* path) { return findWindowsPath(path); }
int showMessageBox(void*, const char* text, const char* caption, unsigned) {
    std::fprintf(stderr, "%s: %s\n", caption, text);
    return kAnswerOk;
}
