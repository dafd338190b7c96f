// read_pixel_gtk.cpp -- a pixel of a Cairo surface, read from its image's memory.
#include <cstdint>
#include <cstring>

#include "gtk/draw.h"
#include "tests/seam/read_pixel.h"

Colour pixelAt(Surface* surface, int x, int y) {
    cairo_surface_t* image = surfaceImage(surface);
    if (!image || x < 0 || y < 0 || x >= cairo_image_surface_get_width(image) ||
        y >= cairo_image_surface_get_height(image)) {
        return 0xFFFFFFFF;  // no such pixel: matches no colour
    }
    cairo_surface_flush(image);
    std::uint32_t pixel = 0;  // 0x00RRGGBB
    std::memcpy(&pixel, cairo_image_surface_get_data(image) + y * cairo_image_surface_get_stride(image) + 4 * x, 4);
    return (pixel & 0xFF) << 16 | (pixel & 0xFF00) | (pixel >> 16 & 0xFF);
}
