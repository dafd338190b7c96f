// gdi_trace.h -- a log of the GDI calls the drawing seam makes, and their bare replay: the
// baseline against which the cost of composing a frame is measured.
#pragma once

#include <windows.h>

#include <vector>

struct GdiCall {
    enum class Op { BitBlt, AlphaBlend, StretchBlt, PatBlt, FillRect, SetTextColor, SetBkColor, SetBkMode, TextOut,
                    SelectObject, GdiFlush };
    Op op;
    HDC dc = nullptr;
    int x = 0, y = 0, width = 0, height = 0;
    HDC source = nullptr;
    int sourceX = 0, sourceY = 0, sourceWidth = 0, sourceHeight = 0;
    DWORD rop = 0;
    COLORREF colour = 0;
    int mode = 0;  // background or stretch mode
    HGDIOBJ object = nullptr;
    BLENDFUNCTION blend{};
    char text[64] = {};
    int length = 0;
};

// While `log` is not null, every GDI call of the seam is also appended to it.
void traceGdiCalls(std::vector<GdiCall>* log);

// Makes the logged calls again, straight to GDI.
void replayGdiCalls(const std::vector<GdiCall>& calls);
