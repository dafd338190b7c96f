// script_canvas.cpp -- the decoration script's few drawing operations, passed on to the drawing seam.
#include "render/script_canvas.h"

#include "render/draw.h"

namespace {

class SurfaceCanvas final : public ScriptCanvas {
public:
    explicit SurfaceCanvas(Surface* surface) : surface_(surface) {}

    void fillRect(std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
                  Colour colour) override {
        ::fillRect(surface_, left, top, right, bottom, colour);
    }
    void setTextColour(Colour colour) override { ::setTextColour(surface_, colour); }
    void setBackColour(Colour colour) override { ::setBackColour(surface_, colour); }
    void setOpaqueBackground(bool opaque) override {
        setBackgroundMode(surface_, opaque ? BackgroundMode::Opaque : BackgroundMode::Transparent);
    }
    void drawText(std::int32_t x, std::int32_t y, const char* text, std::int32_t length) override {
        ::drawText(surface_, x, y, text, length);
    }
    Font* createFont(const char* face, std::int32_t height, std::int32_t weight, bool italic, bool underline,
                     bool strikeOut, std::int32_t escapement) override {
        return ::createFont(face, height, weight, italic, underline, strikeOut, escapement);
    }
    Font* selectFont(Font* font) override { return ::selectFont(surface_, font); }
    void deleteFont(Font* font) override { ::deleteFont(font); }

private:
    Surface* surface_;
};

}  // namespace

void runDecorationScript(Surface* target) {
    SurfaceCanvas canvas(target);
    runDecorationScript(canvas);
}

void replayDecorationScript(Surface* target) {
    SurfaceCanvas canvas(target);
    replayDecorationScript(canvas);
}
