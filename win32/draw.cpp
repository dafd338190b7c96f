// draw.cpp -- the drawing seam on GDI: surfaces are memory device contexts, fonts GDI fonts.
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "render/draw.h"
#include "win32/gdi_objects.h"
#include "win32/gdi_trace.h"

namespace {

HDC dc(Surface* s) { return reinterpret_cast<HDC>(s); }
Surface* surface(HDC h) { return reinterpret_cast<Surface*>(h); }
HFONT font(Font* f) { return reinterpret_cast<HFONT>(f); }

// The paints under way, innermost last. A box opened inside a paint runs a nested loop in which a tick
// paints again; each paint must end its own cycle, so each has its own PAINTSTRUCT.
std::vector<PAINTSTRUCT> paintCycles;

int gdiObjects = 0;  // made through the seam and not deleted

template <typename Handle>
Handle made(Handle h) {
    if (h) ++gdiObjects;
    return h;
}

void deleted(BOOL ok) {
    if (ok) --gdiObjects;
}


std::vector<GdiCall>* gdiLog = nullptr;  // the benchmark's log of calls, when one is kept

GdiCall& logged(GdiCall::Op op, HDC target) {
    gdiLog->push_back(GdiCall{});
    GdiCall& call = gdiLog->back();
    call.op = op;
    call.dc = target;
    return call;
}

void logCopy(GdiCall::Op op, HDC target, int x, int y, int width, int height, HDC source, int sourceX,
             int sourceY) {
    if (!gdiLog) return;
    GdiCall& call = logged(op, target);
    call.x = x;
    call.y = y;
    call.width = width;
    call.height = height;
    call.source = source;
    call.sourceX = sourceX;
    call.sourceY = sourceY;
}

}  // namespace

int liveGdiObjects() { return gdiObjects; }

void traceGdiCalls(std::vector<GdiCall>* log) { gdiLog = log; }

void replayGdiCalls(const std::vector<GdiCall>& calls) {
    for (const GdiCall& c : calls) {
        switch (c.op) {
            case GdiCall::Op::BitBlt:
                BitBlt(c.dc, c.x, c.y, c.width, c.height, c.source, c.sourceX, c.sourceY, c.rop);
                break;
            case GdiCall::Op::AlphaBlend:
                AlphaBlend(c.dc, c.x, c.y, c.width, c.height, c.source, c.sourceX, c.sourceY, c.width, c.height,
                           c.blend);
                break;
            case GdiCall::Op::StretchBlt:
                SetStretchBltMode(c.dc, c.mode);
                if (c.mode == HALFTONE) SetBrushOrgEx(c.dc, 0, 0, nullptr);
                StretchBlt(c.dc, 0, 0, c.width, c.height, c.source, 0, 0, c.sourceWidth, c.sourceHeight, SRCCOPY);
                break;
            case GdiCall::Op::PatBlt:
                PatBlt(c.dc, c.x, c.y, c.width, c.height, BLACKNESS);
                break;
            case GdiCall::Op::FillRect: {
                HBRUSH brush = CreateSolidBrush(c.colour);
                const RECT r{c.x, c.y, c.x + c.width, c.y + c.height};
                FillRect(c.dc, &r, brush);
                DeleteObject(brush);
                break;
            }
            case GdiCall::Op::SetTextColor: SetTextColor(c.dc, c.colour); break;
            case GdiCall::Op::SetBkColor: SetBkColor(c.dc, c.colour); break;
            case GdiCall::Op::SetBkMode: SetBkMode(c.dc, c.mode); break;
            case GdiCall::Op::TextOut: TextOutA(c.dc, c.x, c.y, c.text, c.length); break;
            case GdiCall::Op::SelectObject: SelectObject(c.dc, c.object); break;
            case GdiCall::Op::GdiFlush: GdiFlush(); break;
        }
    }
}


Surface* beginWindowPaint(void* window) {
    paintCycles.emplace_back();
    return surface(BeginPaint(static_cast<HWND>(window), &paintCycles.back()));
}

void endWindowPaint(void* window) {
    if (paintCycles.empty()) return;
    EndPaint(static_cast<HWND>(window), &paintCycles.back());
    paintCycles.pop_back();
}
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

PixelLayout pixelSectionLayout(std::int32_t width, std::int32_t depth) {
    // Rows of a DIB section are padded to whole 32-bit words and stored bottom-up.
    return {depth / 8, (width * depth + 31) / 32 * 4, true, 1};
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
    logCopy(GdiCall::Op::BitBlt, dc(target), x, y, width, height, dc(source), sourceX, sourceY);
    if (gdiLog) gdiLog->back().rop = SRCCOPY;
}

void copyRectOr(Surface* target, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                Surface* source, std::int32_t sourceX, std::int32_t sourceY) {
    BitBlt(dc(target), x, y, width, height, dc(source), sourceX, sourceY, SRCPAINT);
    logCopy(GdiCall::Op::BitBlt, dc(target), x, y, width, height, dc(source), sourceX, sourceY);
    if (gdiLog) gdiLog->back().rop = SRCPAINT;
}

void blendRect(Surface* target, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
               Surface* source, std::int32_t sourceX, std::int32_t sourceY, std::uint8_t alpha) {
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, alpha, 0};
    AlphaBlend(dc(target), x, y, width, height, dc(source), sourceX, sourceY, width, height, blend);
    logCopy(GdiCall::Op::AlphaBlend, dc(target), x, y, width, height, dc(source), sourceX, sourceY);
    if (gdiLog) gdiLog->back().blend = blend;
}

void stretchRect(Surface* target, std::int32_t width, std::int32_t height, Surface* source,
                 std::int32_t sourceWidth, std::int32_t sourceHeight, StretchMode mode) {
    SetStretchBltMode(dc(target), mode == StretchMode::Halftone ? HALFTONE : COLORONCOLOR);
    if (mode == StretchMode::Halftone) SetBrushOrgEx(dc(target), 0, 0, nullptr);
    StretchBlt(dc(target), 0, 0, width, height, dc(source), 0, 0, sourceWidth, sourceHeight, SRCCOPY);
    if (gdiLog) {
        GdiCall& call = logged(GdiCall::Op::StretchBlt, dc(target));
        call.width = width;
        call.height = height;
        call.source = dc(source);
        call.sourceWidth = sourceWidth;
        call.sourceHeight = sourceHeight;
        call.mode = mode == StretchMode::Halftone ? HALFTONE : COLORONCOLOR;
    }
}

void fillBlack(Surface* target, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height) {
    PatBlt(dc(target), x, y, width, height, BLACKNESS);
    logCopy(GdiCall::Op::PatBlt, dc(target), x, y, width, height, nullptr, 0, 0);
}

void fillRect(Surface* target, std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
              Colour colour) {
    HBRUSH brush = made(CreateSolidBrush(colour));
    const RECT r{left, top, right, bottom};
    FillRect(dc(target), &r, brush);
    deleted(DeleteObject(brush));
    if (gdiLog) {
        logCopy(GdiCall::Op::FillRect, dc(target), left, top, right - left, bottom - top, nullptr, 0, 0);
        gdiLog->back().colour = colour;
    }
}

void setTextColour(Surface* target, Colour colour) {
    SetTextColor(dc(target), colour);
    if (gdiLog) logged(GdiCall::Op::SetTextColor, dc(target)).colour = colour;
}

void setBackColour(Surface* target, Colour colour) {
    SetBkColor(dc(target), colour);
    if (gdiLog) logged(GdiCall::Op::SetBkColor, dc(target)).colour = colour;
}

void setBackgroundMode(Surface* target, BackgroundMode mode) {
    SetBkMode(dc(target), static_cast<int>(mode));
    if (gdiLog) logged(GdiCall::Op::SetBkMode, dc(target)).mode = static_cast<int>(mode);
}

void drawText(Surface* target, std::int32_t x, std::int32_t y, const char* text, std::int32_t length) {
    TextOutA(dc(target), x, y, text, length);
    if (gdiLog) {
        GdiCall& call = logged(GdiCall::Op::TextOut, dc(target));
        call.x = x;
        call.y = y;
        call.length = std::min<int>(length, sizeof call.text);
        std::memcpy(call.text, text, static_cast<std::size_t>(call.length));
    }
}

Font* createFont(const char* face, std::int32_t height, std::int32_t weight, bool italic, bool underline,
                 bool strikeOut, std::int32_t escapement) {
    return reinterpret_cast<Font*>(made(CreateFontA(height, 0, escapement, 0, weight, italic, underline, strikeOut,
                                               ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                               DEFAULT_QUALITY, VARIABLE_PITCH, face)));
}

Font* selectFont(Surface* target, Font* f) {
    if (gdiLog) logged(GdiCall::Op::SelectObject, dc(target)).object = font(f);
    return reinterpret_cast<Font*>(SelectObject(dc(target), font(f)));
}

void deleteFont(Font* f) { deleted(DeleteObject(font(f))); }

void flushDrawing(std::int32_t, std::int32_t, std::int32_t, std::int32_t) {
    GdiFlush();
    if (gdiLog) logged(GdiCall::Op::GdiFlush, nullptr);
}
