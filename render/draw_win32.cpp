// draw_win32.cpp -- the drawing seam on GDI: surfaces are memory device contexts, fonts GDI fonts.
#include <windows.h>

#include "render/draw.h"
#include "render/gdi_objects.h"

namespace {

HDC dc(Surface* s) { return reinterpret_cast<HDC>(s); }
Surface* surface(HDC h) { return reinterpret_cast<Surface*>(h); }
HFONT font(Font* f) { return reinterpret_cast<HFONT>(f); }

PAINTSTRUCT paintCycle;  // one window, one thread: the paint under way

int gdiObjects = 0;  // made through the seam and not deleted

template <typename Handle>
Handle made(Handle h) {
    if (h) ++gdiObjects;
    return h;
}

void deleted(BOOL ok) {
    if (ok) --gdiObjects;
}

}  // namespace

int liveGdiObjects() { return gdiObjects; }

Surface* beginWindowPaint(void* window) { return surface(BeginPaint(static_cast<HWND>(window), &paintCycle)); }
void endWindowPaint(void* window) { EndPaint(static_cast<HWND>(window), &paintCycle); }
void requestWindowRepaint(void* window) { InvalidateRect(static_cast<HWND>(window), nullptr, FALSE); }

void windowClientSize(void* window, std::int32_t& width, std::int32_t& height) {
    RECT r{};
    GetClientRect(static_cast<HWND>(window), &r);
    width = r.right;
    height = r.bottom;
}

Surface* createMemorySurface(Surface* compatibleWith) { return surface(made(CreateCompatibleDC(dc(compatibleWith)))); }

void attachDeviceBitmap(Surface* target, Surface* compatibleWith, std::int32_t width, std::int32_t height) {
    // A bitmap compatible with a fresh memory context would be monochrome: take the screen's format then.
    HDC reference = compatibleWith ? dc(compatibleWith) : GetDC(nullptr);
    HBITMAP bitmap = made(CreateCompatibleBitmap(reference, width, height));
    if (!compatibleWith) ReleaseDC(nullptr, reference);
    if (bitmap) SelectObject(dc(target), bitmap);
}

PixelSection createPixelSection(std::int32_t width, std::int32_t height, std::int32_t depth) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;  // positive: rows bottom-up
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = static_cast<WORD>(depth);
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = made(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    return {reinterpret_cast<Bitmap*>(bitmap), static_cast<unsigned char*>(bits)};
}

void attachBitmap(Surface* target, Bitmap* bitmap) { SelectObject(dc(target), reinterpret_cast<HBITMAP>(bitmap)); }

void loadFittedImage(Surface* target, const char* file, std::int32_t x, std::int32_t y, std::int32_t width,
                     std::int32_t height) {
    HANDLE image = made(LoadImageA(nullptr, file, IMAGE_BITMAP, width, height, LR_LOADFROMFILE));
    if (!image) return;
    HDC temporary = made(CreateCompatibleDC(dc(target)));
    HGDIOBJ previous = SelectObject(temporary, image);
    BitBlt(dc(target), x, y, width, height, temporary, 0, 0, SRCCOPY);
    SelectObject(temporary, previous);
    deleted(DeleteDC(temporary));
    deleted(DeleteObject(image));
}

void reportSurfaceError(const char* text) { MessageBoxA(GetFocus(), text, "Zururuzoz", MB_OK); }

void copyRect(Surface* target, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
              Surface* source, std::int32_t sourceX, std::int32_t sourceY) {
    BitBlt(dc(target), x, y, width, height, dc(source), sourceX, sourceY, SRCCOPY);
}

void copyRectOr(Surface* target, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                Surface* source, std::int32_t sourceX, std::int32_t sourceY) {
    BitBlt(dc(target), x, y, width, height, dc(source), sourceX, sourceY, SRCPAINT);
}

void blendRect(Surface* target, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
               Surface* source, std::int32_t sourceX, std::int32_t sourceY, std::uint8_t alpha) {
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, alpha, 0};
    AlphaBlend(dc(target), x, y, width, height, dc(source), sourceX, sourceY, width, height, blend);
}

void stretchRect(Surface* target, std::int32_t width, std::int32_t height, Surface* source,
                 std::int32_t sourceWidth, std::int32_t sourceHeight, StretchMode mode) {
    SetStretchBltMode(dc(target), mode == StretchMode::Halftone ? HALFTONE : COLORONCOLOR);
    if (mode == StretchMode::Halftone) SetBrushOrgEx(dc(target), 0, 0, nullptr);
    StretchBlt(dc(target), 0, 0, width, height, dc(source), 0, 0, sourceWidth, sourceHeight, SRCCOPY);
}

void fillBlack(Surface* target, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height) {
    PatBlt(dc(target), x, y, width, height, BLACKNESS);
}

void fillRect(Surface* target, std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
              Colour colour) {
    HBRUSH brush = made(CreateSolidBrush(colour));
    const RECT r{left, top, right, bottom};
    FillRect(dc(target), &r, brush);
    deleted(DeleteObject(brush));
}

void setTextColour(Surface* target, Colour colour) { SetTextColor(dc(target), colour); }
void setBackColour(Surface* target, Colour colour) { SetBkColor(dc(target), colour); }
void setBackgroundMode(Surface* target, BackgroundMode mode) { SetBkMode(dc(target), static_cast<int>(mode)); }

void drawText(Surface* target, std::int32_t x, std::int32_t y, const char* text, std::int32_t length) {
    TextOutA(dc(target), x, y, text, length);
}

Font* createFont(const char* face, std::int32_t height, std::int32_t weight, bool italic, bool underline,
                 bool strikeOut, std::int32_t escapement) {
    return reinterpret_cast<Font*>(made(CreateFontA(height, 0, escapement, 0, weight, italic, underline, strikeOut,
                                               ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                               DEFAULT_QUALITY, VARIABLE_PITCH, face)));
}

Font* selectFont(Surface* target, Font* f) {
    return reinterpret_cast<Font*>(SelectObject(dc(target), font(f)));
}

void deleteFont(Font* f) { deleted(DeleteObject(font(f))); }

void flushDrawing() { GdiFlush(); }
