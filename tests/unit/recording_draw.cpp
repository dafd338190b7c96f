// recording_draw.cpp -- the drawing seam as a recorder, for native tests of what is drawn.
#include "tests/unit/recording_draw.h"

#include "game/int32.h"

namespace recording {

Recorder recorder;

void reset() {
    recorder = Recorder{};
    recorder.surfaces[1] = SurfaceState{};
}

int id(const Surface* s) { return static_cast<int>(reinterpret_cast<std::intptr_t>(s)); }
int id(const Font* f) { return static_cast<int>(reinterpret_cast<std::intptr_t>(f)); }
Surface* windowSurface() { return reinterpret_cast<Surface*>(std::intptr_t{1}); }
void* window() { return reinterpret_cast<void*>(std::intptr_t{0x77}); }

std::vector<Op> opsOf(Kind kind, int surface) {
    std::vector<Op> found;
    for (const Op& op : recorder.ops) {
        if (op.kind == kind && (surface == 0 || op.surface == surface)) found.push_back(op);
    }
    return found;
}

namespace {
Op make(Kind kind, int surface, std::int32_t x = 0, std::int32_t y = 0, std::int32_t width = 0,
        std::int32_t height = 0, int source = 0, std::int32_t sourceX = 0, std::int32_t sourceY = 0,
        std::int32_t sourceWidth = 0, std::int32_t sourceHeight = 0) {
    Op op;
    op.kind = kind;
    op.surface = surface;
    op.x = x;
    op.y = y;
    op.width = width;
    op.height = height;
    op.source = source;
    op.sourceX = sourceX;
    op.sourceY = sourceY;
    op.sourceWidth = sourceWidth;
    op.sourceHeight = sourceHeight;
    return op;
}
void record(Op op) {
    ++recorder.opCount;
    if (recorder.keepOps) recorder.ops.push_back(std::move(op));
}
SurfaceState& state(Surface* s) { return recorder.surfaces[id(s)]; }
template <typename T>
T* handle(int value) { return reinterpret_cast<T*>(static_cast<std::intptr_t>(value)); }
}  // namespace

}  // namespace recording

using namespace recording;

Surface* beginWindowPaint(void*) {
    record(make(Kind::BeginPaint, 1));
    return windowSurface();
}
void endWindowPaint(void*) { record(make(Kind::EndPaint, 1)); }
void requestWindowRepaint(void*) { record(make(Kind::Repaint, 1)); }
void windowClientSize(void*, std::int32_t& width, std::int32_t& height) {
    width = recorder.clientWidth;
    height = recorder.clientHeight;
}

Surface* createMemorySurface(Surface*) {
    const int s = recorder.nextId++;
    recorder.surfaces[s] = SurfaceState{};
    return handle<Surface>(s);
}

void attachDeviceBitmap(Surface* target, Surface*, std::int32_t width, std::int32_t height) {
    SurfaceState& st = state(target);
    st.bitmap = recorder.nextId++;
    st.width = width;
    st.height = height;
    st.section = false;
}

PixelSection createPixelSection(std::int32_t width, std::int32_t height, std::int32_t depth) {
    if (recorder.refuseSections || width < 1 || height < 1) return {nullptr, nullptr};
    const int b = recorder.nextId++;
    const std::size_t stride = (static_cast<std::size_t>(width) * depth / 8 + 3) / 4 * 4;
    recorder.sectionMemory[b].assign(stride * static_cast<std::size_t>(height), 0);
    recorder.sectionSizes[b] = {width, height};
    return {handle<Bitmap>(b), recorder.sectionMemory[b].data()};
}

// The recorder keeps GDI's layout, the one the blend tests write their expectations in.
PixelLayout pixelSectionLayout(std::int32_t width, std::int32_t depth) {
    return {depth / 8, (width * depth + 31) / 32 * 4, true, 1};
}

void attachBitmap(Surface* target, Bitmap* bitmap) {
    SurfaceState& st = state(target);
    st.bitmap = id(reinterpret_cast<Surface*>(bitmap));
    st.width = recorder.sectionSizes[st.bitmap].first;
    st.height = recorder.sectionSizes[st.bitmap].second;
    st.section = true;
}

void loadFittedImage(Surface* target, const char* file, std::int32_t x, std::int32_t y, std::int32_t width,
                     std::int32_t height) {
    Op op = make(Kind::LoadImage, id(target), x, y, width, height);
    op.text = file;
    record(op);
}

void reportSurfaceError(const char* text) {
    Op op = make(Kind::SurfaceError, 0);
    op.text = text;
    record(op);
}

void copyRect(Surface* target, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
              Surface* source, std::int32_t sourceX, std::int32_t sourceY) {
    record(make(Kind::Copy, id(target), x, y, width, height, id(source), sourceX, sourceY));
}

void copyRectOr(Surface* target, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                Surface* source, std::int32_t sourceX, std::int32_t sourceY) {
    record(make(Kind::CopyOr, id(target), x, y, width, height, id(source), sourceX, sourceY));
}

void blendRect(Surface* target, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
               Surface* source, std::int32_t sourceX, std::int32_t sourceY, std::uint8_t alpha) {
    Op op = make(Kind::Blend, id(target), x, y, width, height, id(source), sourceX, sourceY);
    op.extra = alpha;
    record(op);
}

void stretchRect(Surface* target, std::int32_t width, std::int32_t height, Surface* source,
                 std::int32_t sourceWidth, std::int32_t sourceHeight, StretchMode mode) {
    Op op = make(Kind::Stretch, id(target), 0, 0, width, height, id(source), 0, 0, sourceWidth, sourceHeight);
    op.extra = static_cast<int>(mode);
    record(op);
}

void fillBlack(Surface* target, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height) {
    record(make(Kind::FillBlack, id(target), x, y, width, height));
}

void fillRect(Surface* target, std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
              Colour colour) {
    Op op = make(Kind::FillRect, id(target), left, top, int32::sub(right, left), int32::sub(bottom, top));
    op.colour = colour;
    record(op);
}

void setTextColour(Surface* target, Colour colour) { state(target).text = colour; }
void setBackColour(Surface* target, Colour colour) { state(target).back = colour; }
void setBackgroundMode(Surface* target, BackgroundMode mode) { state(target).mode = mode; }

void drawText(Surface* target, std::int32_t x, std::int32_t y, const char* text, std::int32_t length) {
    if (!recorder.keepOps) {
        ++recorder.opCount;
        return;
    }
    const SurfaceState& st = state(target);
    Op op = make(Kind::Text, id(target), x, y);
    op.text.assign(text, static_cast<std::size_t>(length));
    op.colour = st.text;
    op.backColour = st.back;
    op.font = st.font;
    op.mode = st.mode;
    record(op);
}

Font* createFont(const char* face, std::int32_t height, std::int32_t weight, bool italic, bool underline,
                 bool strikeOut, std::int32_t escapement) {
    const int f = recorder.nextId++;
    recorder.fonts[f] = FontSpec{face, height, weight, italic, underline, strikeOut, escapement};
    recorder.liveFonts[f] = true;
    ++recorder.fontsCreated;
    return handle<Font>(f);
}

Font* selectFont(Surface* target, Font* font) {
    SurfaceState& st = state(target);
    const int previous = st.font;
    st.font = id(font);
    return handle<Font>(previous);
}

void deleteFont(Font* font) {
    recorder.liveFonts.erase(id(font));
    ++recorder.fontsDeleted;
}

void flushDrawing(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height) {
    record(make(Kind::Flush, 0, x, y, width, height));
}
