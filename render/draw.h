// draw.h -- the drawing seam: what the board, the surfaces and the decoration script ask of the platform.
// Implemented with GDI in win32/draw.cpp, with Cairo and Pango in gtk/draw.cpp, on the canvas in
// web/draw.cpp, and by a recorder in the native tests.
#pragma once

#include <cstdint>

#include "game/game_state.h"

// Surface and Font come from game_state.h; a Bitmap is a picture that can be attached to a surface.
struct Bitmap;

enum class BackgroundMode : int { Transparent = 1, Opaque = 2 };  // the platform's values
enum class StretchMode : int { ColorOnColor, Halftone };

// The window's paint cycle. `window` is the platform's window handle, opaque here.
Surface* beginWindowPaint(void* window);  // the window's client area as a surface
void endWindowPaint(void* window);
void requestWindowRepaint(void* window);  // the whole client area, without erasing
void windowClientSize(void* window, std::int32_t& width, std::int32_t& height);

// Surfaces. A memory surface draws into the bitmap attached to it.
Surface* createMemorySurface(Surface* compatibleWith);  // null: compatible with the screen
// Attaches a new bitmap in the display's own format, compatible with `compatibleWith`.
void attachDeviceBitmap(Surface* surface, Surface* compatibleWith, std::int32_t width, std::int32_t height);
// A pixel section of `depth` bits: the bitmap and its pixel memory, either of which may be null when the
// platform refused.
struct PixelSection {
    Bitmap* bitmap;
    unsigned char* pixels;
};
PixelSection createPixelSection(std::int32_t width, std::int32_t height, std::int32_t depth);
// How the platform lays out the pixels of a section `width` board pixels wide made with `depth` bits: each
// board pixel is `scale` x `scale` device pixels (the screen's scale factor; GDI leaves scaling to Windows
// and is always 1), each device pixel `bytesPerPixel` bytes, blue, green and red first, or red, green and
// blue when `redFirst` (the canvas's own order); rows of device pixels lie `rowBytes` apart, the bottom row
// first in memory when `bottomUp` (GDI's sections), the top row first otherwise (Cairo's images, canvases).
struct PixelLayout {
    std::int32_t bytesPerPixel;
    std::int32_t rowBytes;
    bool bottomUp;
    std::int32_t scale;
    bool redFirst = false;
};
PixelLayout pixelSectionLayout(std::int32_t width, std::int32_t depth);
void attachBitmap(Surface* surface, Bitmap* bitmap);
// The BMP file `file`, scaled by the platform's loader to exactly width x height, copied one to one to
// (x, y) of `target`. A file that can't be loaded draws nothing.
void loadFittedImage(Surface* target, const char* file, std::int32_t x, std::int32_t y, std::int32_t width,
                     std::int32_t height);
// Tells the player that a surface could not be made, in a box titled "Zururuzoz".
void reportSurfaceError(const char* text);

// Copies between surfaces.
void copyRect(Surface* target, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
              Surface* source, std::int32_t sourceX, std::int32_t sourceY);  // SRCCOPY
void copyRectOr(Surface* target, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                Surface* source, std::int32_t sourceX, std::int32_t sourceY);  // SRCPAINT: target OR source
// Constant-alpha blend of the source rectangle over the target, `alpha` 0..255.
void blendRect(Surface* target, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
               Surface* source, std::int32_t sourceX, std::int32_t sourceY, std::uint8_t alpha);
// The source rectangle stretched onto the target rectangle.
void stretchRect(Surface* target, std::int32_t width, std::int32_t height, Surface* source,
                 std::int32_t sourceWidth, std::int32_t sourceHeight, StretchMode mode);

// Fills.
void fillBlack(Surface* target, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height);
// Left, top, right and bottom, the right and bottom edges excluded, with a solid colour.
void fillRect(Surface* target, std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
              Colour colour);

// Text: the first `length` characters of `text` with the top-left corner of their cell at (x, y).
void setTextColour(Surface* target, Colour colour);
void setBackColour(Surface* target, Colour colour);
void setBackgroundMode(Surface* target, BackgroundMode mode);
void drawText(Surface* target, std::int32_t x, std::int32_t y, const char* text, std::int32_t length);

// Fonts. `escapement` is in tenths of a degree; weight 0 is the platform's default weight.
Font* createFont(const char* face, std::int32_t height, std::int32_t weight, bool italic, bool underline,
                 bool strikeOut, std::int32_t escapement);
// Makes `font` the current font of `target` and returns the font it replaces.
Font* selectFont(Surface* target, Font* font);
void deleteFont(Font* font);

// Completes every drawing operation still pending, before the board's pixel memory is read or written
// directly in the rectangle of board pixels at (x, y), width x height (a side that keeps pixels in two
// places need only bring that rectangle into step).
void flushDrawing(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height);
