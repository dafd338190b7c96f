// draw.cpp -- the drawing seam on the browser's canvas (canvas.js holds its JavaScript side):
// every surface draws into a canvas at the device scale, in board pixels; a pixel section keeps a copy of
// its pixels in the module's memory for the per-pixel blends, in the layout pixelSectionLayout reports.
#include "web/draw.h"

#include <emscripten.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

#include "app/message_box.h"
#include "config/file_names.h"
#include "render/draw.h"
#include "render/text_encoding.h"

struct Bitmap {
    int canvas;
    unsigned char* pixels;  // null for a device bitmap
};

struct Font {
    std::string face;  // UTF-8
    std::int32_t height;
    std::int32_t weight;
    bool italic;
    bool underline;
    bool strikeOut;
    std::int32_t escapement;
};

// A memory surface draws into the canvas of its bitmap; the window's surface into the page's board.
struct Surface {
    int canvas = -1;  // 0: the page's canvas; -1: nothing attached yet
    int ownCanvas = 0;          // a device bitmap's canvas, made for this surface
    Bitmap* ownBitmap = nullptr;  // a pixel section attached to this surface
    Font* font = nullptr;
    Colour textColour = 0x00000000;  // a fresh device context's black text on white, opaque
    Colour backColour = 0x00FFFFFF;
    BackgroundMode backgroundMode = BackgroundMode::Opaque;
};

namespace {

std::deque<Surface> windowPaints;  // innermost last
int scale = 1;
bool mayYield = false;  // the surfaces are being made in a paint: the browser may run between them

EM_JS(int, jsCreateCanvas, (int width, int height, int scale, unsigned char* pixels), {
    return CinquorCanvas.create(width, height, scale, pixels);
});
EM_JS(void, jsFill, (int canvas, int left, int top, int right, int bottom, unsigned colour), {
    CinquorCanvas.fill(canvas, left, top, right, bottom, colour);
});
EM_JS(void, jsCopy, (int target, int x, int y, int width, int height, int source, int sx, int sy, double alpha), {
    CinquorCanvas.copy(target, x, y, width, height, source, sx, sy, alpha);
});
EM_JS(void, jsOr, (int target, int x, int y, int width, int height, int source, int sx, int sy), {
    CinquorCanvas.or(target, x, y, width, height, source, sx, sy);
});
EM_JS(void, jsStretch, (int target, int width, int height, int source, int sw, int sh, bool smooth), {
    CinquorCanvas.stretch(target, width, height, source, sw, sh, smooth);
});
EM_JS(void, jsText, (int target, int x, int y, const char* text, const char* face, int height, int weight,
                     bool italic, bool underline, bool strikeOut, int escapement, unsigned colour,
                     unsigned backColour, bool opaque), {
    CinquorCanvas.text(target, x, y, UTF8ToString(text), UTF8ToString(face), height, weight, italic, underline,
                       strikeOut, escapement, colour, backColour, opaque);
});
EM_JS(void, jsFlush, (int canvas, int x, int y, int width, int height), {
    CinquorCanvas.flush(canvas, x, y, width, height);
});
EM_JS(void, jsDestroyCanvas, (int canvas), { CinquorCanvas.destroy(canvas); });
EM_JS(void, jsRepaint, (), { if (Module.cinquorPage) Module.cinquorPage.requestPaint(); });
EM_JS(int, jsClientWidth, (), { return Module.cinquorPage ? Module.cinquorPage.clientWidth() : 511; });
EM_JS(int, jsClientHeight, (), { return Module.cinquorPage ? Module.cinquorPage.clientHeight() : 446; });
EM_JS(void, jsPicture, (int target, int picture, int x, int y, int width, int height, bool smooth), {
    CinquorCanvas.picture(target, CinquorCanvas.pictures[picture], x, y, width, height, smooth);
});
// The browser decodes the picture (any BMP Windows reads); 0 when it is not one.
EM_ASYNC_JS(int, jsDecodePicture, (const unsigned char* bytes, int size), {
    Module.cinquorBusy = true;
    try {
        var blob = new Blob([HEAPU8.slice(bytes, bytes + size)], { type: "image/bmp" });
        var picture = await createImageBitmap(blob);
        CinquorCanvas.pictures = CinquorCanvas.pictures || [null];
        CinquorCanvas.pictures.push(picture);
        return CinquorCanvas.pictures.length - 1;
    } catch (e) {
        return 0;
    } finally {
        Module.cinquorBusy = false;
    }
});

EM_JS(bool, jsMayWait, (), { return !Module.cinquorBusy && !Module.cinquorBoxOpen; });

Surface* windowSurface() {
    windowPaints.emplace_back();
    windowPaints.back().canvas = 0;
    return &windowPaints.back();
}

int canvasOf(Surface* s) { return s ? s->canvas : -1; }

std::string readWhole(const std::string& name) {
    std::ifstream in(name, std::ios::binary | std::ios::ate);
    const std::streamoff size = in ? static_cast<std::streamoff>(in.tellg()) : -1;
    if (size <= 0) return {};
    std::string bytes(static_cast<std::size_t>(size), '\0');  // in one read: a picture is 685 KB
    in.seekg(0);
    in.read(&bytes[0], size);
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

// The decoded pictures, by their bytes: a file is decoded once, however often the surfaces are made.
std::map<std::string, int> pictures;

// A picture that could not be read while no wait was possible (a box open in the first moments): the
// surfaces are made again once one is.
bool picturesMissed = false;

// What a surface drew into before it is given another canvas (the surfaces made again at a new scale):
// its canvas and its memory go, so that scale changes cost nothing.
void releaseCanvas(Surface* surface) {
    if (surface->ownBitmap) {
        jsDestroyCanvas(surface->ownBitmap->canvas);
        std::free(surface->ownBitmap->pixels);
        delete surface->ownBitmap;
        surface->ownBitmap = nullptr;
    } else if (surface->ownCanvas > 0) {
        jsDestroyCanvas(surface->ownCanvas);
    }
    surface->ownCanvas = 0;
}

}  // namespace

bool mayWait() { return jsMayWait(); }

void yieldBetweenSurfaces(bool on) { mayYield = on; }

namespace {

// Making a canvas of the board's size costs a phone tens of milliseconds before anything is drawn into
// it: the browser is given back its thread before and after each, so that no task of the start is long.
// Events wait meanwhile, as while a file is fetched.
EM_ASYNC_JS(void, jsYield, (), {
    Module.cinquorBusy = true;
    try {
        await new Promise(function (resume) { setTimeout(resume, 0); });
    } finally {
        Module.cinquorBusy = false;
    }
});

void yieldToBrowser() {
    if (mayYield && mayWait()) jsYield();
}

int createCanvas(std::int32_t width, std::int32_t height, unsigned char* pixels) {
    yieldToBrowser();
    const int canvas = jsCreateCanvas(width, height, scale, pixels);
    yieldToBrowser();
    return canvas;
}

}  // namespace

Surface* beginWindowPaint(void*) { return windowSurface(); }

void endWindowPaint(void*) {
    if (!windowPaints.empty()) windowPaints.pop_back();
}

void requestWindowRepaint(void*) { jsRepaint(); }

void windowClientSize(void*, std::int32_t& width, std::int32_t& height) {
    width = jsClientWidth();
    height = jsClientHeight();
}

Surface* createMemorySurface(Surface*) { return new Surface; }

void attachDeviceBitmap(Surface* target, Surface*, std::int32_t width, std::int32_t height) {
    if (width < 1 || height < 1 || width > INT32_MAX / scale / 4 || height > INT32_MAX / scale / 4) return;
    releaseCanvas(target);
    target->canvas = target->ownCanvas = createCanvas(width, height, nullptr);
}

PixelSection createPixelSection(std::int32_t width, std::int32_t height, std::int32_t) {
    if (width < 1 || height < 1 || width > 16384 || height > 16384) return {nullptr, nullptr};
    const std::size_t bytes = std::size_t(width) * scale * height * scale * 4;
    auto* pixels = static_cast<unsigned char*>(std::calloc(bytes, 1));
    if (!pixels) return {nullptr, nullptr};
    return {new Bitmap{createCanvas(width, height, pixels), pixels}, pixels};
}

PixelLayout pixelSectionLayout(std::int32_t width, std::int32_t) {
    // Every depth is served by the canvas's own pixels: 32 bits, red first, rows top-down, at the device
    // scale, so that memory and canvas trade pixels without converting them.
    return {4, width * scale * 4, false, scale, true};
}

void setDeviceScale(int deviceScale) { scale = std::clamp(deviceScale, 1, 8); }
int deviceScale() { return scale; }

void attachBitmap(Surface* target, Bitmap* bitmap) {
    if (bitmap == target->ownBitmap) return;
    releaseCanvas(target);
    target->ownBitmap = bitmap;
    target->canvas = bitmap->canvas;
}

bool picturesMissedUnderBox() { return picturesMissed; }

bool missedPicturesMayBeRead() {
    if (!picturesMissed || !mayWait()) return false;
    picturesMissed = false;
    return true;
}

void loadFittedImage(Surface* target, const char* file, std::int32_t x, std::int32_t y, std::int32_t width,
                     std::int32_t height) {
    if (width < 1 || height < 1 || canvasOf(target) < 0) return;
    const std::string bytes = readWhole(hostPath(file));
    if (bytes.empty()) {
        if (!mayWait()) picturesMissed = true;  // not fetched yet: no wait can begin under an open box
        return;
    }
    auto known = pictures.find(bytes);
    int picture = known == pictures.end() ? 0 : known->second;
    if (known == pictures.end()) {
        if (!mayWait()) {  // under an open box no second wait can begin: drawn at the next making
            picturesMissed = true;
            return;
        }
        picture = jsDecodePicture(reinterpret_cast<const unsigned char*>(bytes.data()), int(bytes.size()));
        pictures[bytes] = picture;
    }
    if (picture) jsPicture(target->canvas, picture, x, y, width, height, gameState.settings.filtrage != 0);
}

void reportSurfaceError(const char* text) { showMessageBox(nullptr, text, "Zururuzoz", kBoxOk); }

void copyRect(Surface* target, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
              Surface* source, std::int32_t sourceX, std::int32_t sourceY) {
    if (width <= 0 || height <= 0 || canvasOf(target) < 0 || canvasOf(source) <= 0) return;
    jsCopy(target->canvas, x, y, width, height, source->canvas, sourceX, sourceY, 1.0);
}

void copyRectOr(Surface* target, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                Surface* source, std::int32_t sourceX, std::int32_t sourceY) {
    if (width <= 0 || height <= 0 || canvasOf(target) <= 0 || canvasOf(source) <= 0) return;
    jsOr(target->canvas, x, y, width, height, source->canvas, sourceX, sourceY);
}

void blendRect(Surface* target, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
               Surface* source, std::int32_t sourceX, std::int32_t sourceY, std::uint8_t alpha) {
    if (width <= 0 || height <= 0 || canvasOf(target) < 0 || canvasOf(source) <= 0) return;
    jsCopy(target->canvas, x, y, width, height, source->canvas, sourceX, sourceY, alpha / 255.0);
}

void stretchRect(Surface* target, std::int32_t width, std::int32_t height, Surface* source,
                 std::int32_t sourceWidth, std::int32_t sourceHeight, StretchMode mode) {
    if (width <= 0 || height <= 0 || sourceWidth <= 0 || sourceHeight <= 0) return;
    if (canvasOf(target) < 0 || canvasOf(source) <= 0) return;
    jsStretch(target->canvas, width, height, source->canvas, sourceWidth, sourceHeight,
              mode == StretchMode::Halftone);
}

void fillBlack(Surface* target, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height) {
    if (width <= 0 || height <= 0) return;
    fillRect(target, x, y, std::int32_t(std::min<std::int64_t>(std::int64_t{x} + width, INT32_MAX)),
             std::int32_t(std::min<std::int64_t>(std::int64_t{y} + height, INT32_MAX)), 0);
}

void fillRect(Surface* target, std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
              Colour colour) {
    if (right <= left || bottom <= top || canvasOf(target) < 0) return;
    jsFill(target->canvas, left, top, right, bottom, colour);
}

void setTextColour(Surface* target, Colour colour) { target->textColour = colour; }
void setBackColour(Surface* target, Colour colour) { target->backColour = colour; }
void setBackgroundMode(Surface* target, BackgroundMode mode) { target->backgroundMode = mode; }

void drawText(Surface* target, std::int32_t x, std::int32_t y, const char* text, std::int32_t length) {
    if (length <= 0 || canvasOf(target) < 0) return;
    static Font defaultFont{"Arial", 16, 700, false, false, false, 0};  // a fresh device context's bold sans
    const Font& f = target->font ? *target->font : defaultFont;
    const std::string utf8 = utf8FromWindows1252(text, static_cast<std::size_t>(length));
    jsText(target->canvas, x, y, utf8.c_str(), f.face.c_str(), f.height, f.weight, f.italic, f.underline,
           f.strikeOut, f.escapement, target->textColour, target->backColour,
           target->backgroundMode == BackgroundMode::Opaque);
}

Font* createFont(const char* face, std::int32_t height, std::int32_t weight, bool italic, bool underline,
                 bool strikeOut, std::int32_t escapement) {
    return new Font{utf8FromWindows1252(face), height, weight, italic, underline, strikeOut, escapement};
}

Font* selectFont(Surface* target, Font* font) {
    Font* previous = target->font;
    target->font = font;
    return previous;
}

void deleteFont(Font* font) { delete font; }

// The per-pixel blends write the board's memory: its canvas hands over the rectangle's pixels.
void flushDrawing(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height) {
    const int board = canvasOf(gameState.drawing.boardSurface);
    if (board > 0 && width > 0 && height > 0) jsFlush(board, x, y, width, height);
}

int surfaceCanvas(Surface* surface) { return canvasOf(surface); }
