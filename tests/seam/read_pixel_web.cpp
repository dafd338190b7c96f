// read_pixel_web.cpp -- a pixel of a canvas surface, read back from the canvas.
#include <emscripten.h>

#include "web/draw.h"
#include "tests/seam/read_pixel.h"

EM_JS(int, jsPixel, (int canvas, int x, int y), { return CinquorCanvas.pixel(canvas, x, y); });

Colour pixelAt(Surface* surface, int x, int y) {
    const int canvas = surfaceCanvas(surface);
    const int pixel = canvas > 0 ? jsPixel(canvas, x, y) : -1;
    return pixel < 0 ? 0xFFFFFFFF : static_cast<Colour>(pixel);  // no such pixel: matches no colour
}
