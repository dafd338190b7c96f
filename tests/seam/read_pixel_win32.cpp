// read_pixel_win32.cpp -- a pixel of a GDI surface, read back through GDI.
#include <windows.h>

#include "tests/seam/read_pixel.h"

Colour pixelAt(Surface* surface, int x, int y) {
    GdiFlush();
    return GetPixel(reinterpret_cast<HDC>(surface), x, y) & 0x00FFFFFF;
}
