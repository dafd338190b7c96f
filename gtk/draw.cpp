// draw.cpp -- the drawing seam on Cairo and Pango: surfaces are RGB24 image surfaces, fonts Pango
// descriptions sized so that a font of cell height h is h pixels from ascent to descent, as on GDI.
#include "gtk/draw.h"

#include <gtk/gtk.h>
#include <pango/pangocairo.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>
#include <deque>
#include <string>

#include "app/message_box.h"
#include "config/file_names.h"
#include "render/draw.h"
#include "render/text_encoding.h"

struct Bitmap {
    cairo_surface_t* image;
};

struct Font {
    PangoFontDescription* description;
    double ascent;  // pixels from the top of the cell to the baseline
    bool underline;
    bool strikeOut;
    std::int32_t escapement;  // tenths of a degree, counter-clockwise
};

// A memory surface draws into its attached image; the window's surface into the context of the paint.
struct Surface {
    cairo_surface_t* image = nullptr;
    cairo_t* paint = nullptr;
    Font* font = nullptr;
    Colour textColour = 0x00000000;  // a fresh device context's black text on white, opaque
    Colour backColour = 0x00FFFFFF;
    BackgroundMode backgroundMode = BackgroundMode::Opaque;
};

namespace {

std::deque<Surface> windowPaints;  // innermost last; a deque keeps the outer ones where they are
cairo_t* paintContext = nullptr;     // the context of the draw under way
int scale = 1;                       // device pixels per board pixel of the surfaces made from now on

// An RGB24 image of width x height board pixels at the device scale, drawn on in board pixels; null when
// Cairo could not make it.
cairo_surface_t* newImage(std::int32_t width, std::int32_t height) {
    if (width < 1 || height < 1 || width > INT32_MAX / scale || height > INT32_MAX / scale) return nullptr;
    cairo_surface_t* image = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width * scale, height * scale);
    if (cairo_surface_status(image) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(image);
        return nullptr;
    }
    cairo_surface_set_device_scale(image, scale, scale);
    return image;
}

// The device scale an image was made at.
int scaleOf(cairo_surface_t* image) {
    double x = 1;
    double y = 1;
    cairo_surface_get_device_scale(image, &x, &y);
    return static_cast<int>(x);
}

void setColour(cairo_t* cr, Colour c) {
    cairo_set_source_rgb(cr, (c & 0xFF) / 255.0, (c >> 8 & 0xFF) / 255.0, (c >> 16 & 0xFF) / 255.0);
}

// A drawing context on the surface, or null when it has nothing to draw into. Pixels may have been
// written directly since the last drawing (the per-pixel blends): Cairo is told before it draws.
cairo_t* contextOf(Surface* s) {
    if (!s) return nullptr;
    if (s->paint) {
        cairo_save(s->paint);
        return cairo_reference(s->paint);
    }
    if (!s->image) return nullptr;
    cairo_surface_mark_dirty(s->image);
    return cairo_create(s->image);
}

void release(Surface* s, cairo_t* cr) {
    if (s->paint) cairo_restore(s->paint);
    cairo_destroy(cr);
}

void attachImage(Surface* s, cairo_surface_t* image) {
    if (s->image) cairo_surface_destroy(s->image);
    s->image = image;
}

PangoFontMap* fontMap() { return pango_cairo_font_map_get_default(); }

// Ascent and descent of `description` at its size, in pixels.
void metricsOf(PangoFontDescription* description, double& ascent, double& descent) {
    PangoContext* context = pango_font_map_create_context(fontMap());
    PangoFontMetrics* metrics = pango_context_get_metrics(context, description, nullptr);
    ascent = pango_font_metrics_get_ascent(metrics) / double(PANGO_SCALE);
    descent = pango_font_metrics_get_descent(metrics) / double(PANGO_SCALE);
    pango_font_metrics_unref(metrics);
    g_object_unref(context);
}

Font* makeFont(const std::string& face, std::int32_t height, std::int32_t weight, bool italic, bool underline,
               bool strikeOut, std::int32_t escapement) {
    auto* font = new Font{pango_font_description_new(), 0, underline, strikeOut, escapement};
    PangoFontDescription* d = font->description;
    pango_font_description_set_family(d, face.empty() ? "Sans" : face.c_str());
    pango_font_description_set_weight(d, static_cast<PangoWeight>(weight <= 0 ? 400 : std::clamp(weight, 100, 1000)));
    pango_font_description_set_style(d, italic ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
    // GDI: a positive height is the cell (ascent + descent), a negative one the character height, 0 the
    // default. Pango sizes the em: measure once at 100 pixels and scale.
    constexpr double kProbe = 100;
    pango_font_description_set_absolute_size(d, kProbe * PANGO_SCALE);
    double ascent = 0;
    double descent = 0;
    metricsOf(d, ascent, descent);
    const double cell = ascent + descent > 0 ? ascent + descent : kProbe;
    // A script may ask for any height; GDI gives up past a few thousand pixels, and so do we.
    const double wanted = height == 0 ? 16.0 : std::min(std::fabs(static_cast<double>(height)), 4096.0);
    const double size = height < 0 ? wanted : wanted * kProbe / cell;
    pango_font_description_set_absolute_size(d, std::max(1.0, size) * PANGO_SCALE);
    font->ascent = ascent * size / kProbe;
    return font;
}

// The default font of a fresh device context: a bold sans of 16 pixels.
Font* defaultFont() {
    static Font* font = makeFont("Sans", 16, 700, false, false, false, 0);
    return font;
}

}  // namespace

cairo_t* setPaintContext(cairo_t* cr) {
    cairo_t* previous = paintContext;
    paintContext = cr;
    return previous;
}

Surface* beginWindowPaint(void*) {
    windowPaints.emplace_back();
    windowPaints.back().paint = paintContext;
    return &windowPaints.back();
}

void endWindowPaint(void*) {
    if (!windowPaints.empty()) windowPaints.pop_back();  // its fonts belong to their makers
}

void requestWindowRepaint(void* window) { gtk_widget_queue_draw(static_cast<GtkWidget*>(window)); }

void windowClientSize(void* window, std::int32_t& width, std::int32_t& height) {
    width = gtk_widget_get_allocated_width(static_cast<GtkWidget*>(window));
    height = gtk_widget_get_allocated_height(static_cast<GtkWidget*>(window));
}

Surface* createMemorySurface(Surface*) { return new Surface; }

void attachDeviceBitmap(Surface* target, Surface*, std::int32_t width, std::int32_t height) {
    if (cairo_surface_t* image = newImage(width, height)) attachImage(target, image);
}

PixelSection createPixelSection(std::int32_t width, std::int32_t height, std::int32_t) {
    cairo_surface_t* image = newImage(width, height);
    if (!image) return {nullptr, nullptr};
    cairo_surface_flush(image);
    return {new Bitmap{image}, cairo_image_surface_get_data(image)};
}

PixelLayout pixelSectionLayout(std::int32_t width, std::int32_t) {
    // Every depth is served by RGB24: 32 bits a pixel, blue first in memory on this little-endian
    // machine, rows top-down, at the device scale.
    return {4, cairo_format_stride_for_width(CAIRO_FORMAT_RGB24, width * scale), false, scale};
}

void setDeviceScale(int deviceScale) { scale = std::max(1, deviceScale); }
int deviceScale() { return scale; }

void attachBitmap(Surface* target, Bitmap* bitmap) { attachImage(target, cairo_surface_reference(bitmap->image)); }

void loadFittedImage(Surface* target, const char* file, std::int32_t x, std::int32_t y, std::int32_t width,
                     std::int32_t height) {
    if (width < 1 || height < 1) return;
    const std::string name = hostPath(file);
    GdkPixbuf* picture = gdk_pixbuf_new_from_file_at_scale(name.c_str(), width, height, FALSE, nullptr);
    if (!picture) return;
    if (cairo_t* cr = contextOf(target)) {
        cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
        gdk_cairo_set_source_pixbuf(cr, picture, x, y);
        // Fitted in board pixels, the picture is enlarged to the device's: smoothly, or pixel for pixel
        // where the look asks the stretch for whole pixels.
        cairo_pattern_set_filter(cairo_get_source(cr),
                                 gameState.settings.filtrage ? CAIRO_FILTER_GOOD : CAIRO_FILTER_NEAREST);
        cairo_rectangle(cr, x, y, gdk_pixbuf_get_width(picture), gdk_pixbuf_get_height(picture));
        cairo_fill(cr);
        release(target, cr);
    }
    g_object_unref(picture);
}

void reportSurfaceError(const char* text) { showMessageBox(nullptr, text, "Zururuzoz", kBoxOk); }

void copyRect(Surface* target, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
              Surface* source, std::int32_t sourceX, std::int32_t sourceY) {
    if (width <= 0 || height <= 0 || !source || !source->image) return;
    cairo_t* cr = contextOf(target);
    if (!cr) return;
    cairo_surface_mark_dirty(source->image);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_set_source_surface(cr, source->image, double(x) - sourceX, double(y) - sourceY);
    cairo_rectangle(cr, x, y, width, height);
    cairo_fill(cr);
    release(target, cr);
}

void copyRectOr(Surface* target, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                Surface* source, std::int32_t sourceX, std::int32_t sourceY) {
    // Cairo has no raster operations: the OR is done on the pixels, cut to both images.
    if (!target || !target->image || !source || !source->image) return;
    cairo_surface_flush(target->image);
    cairo_surface_flush(source->image);
    // In device pixels: the images share the device scale.
    const std::int64_t k = scaleOf(target->image);
    const std::int64_t dx = x * k, dy = y * k, dw = width * k, dh = height * k, sx0 = sourceX * k, sy0 = sourceY * k;
    const int tw = cairo_image_surface_get_width(target->image);
    const int th = cairo_image_surface_get_height(target->image);
    const int sw = cairo_image_surface_get_width(source->image);
    const int sh = cairo_image_surface_get_height(source->image);
    const int tStride = cairo_image_surface_get_stride(target->image);
    const int sStride = cairo_image_surface_get_stride(source->image);
    unsigned char* t = cairo_image_surface_get_data(target->image);
    const unsigned char* s = cairo_image_surface_get_data(source->image);
    // The rectangle cut to the target, then to the source.
    const std::int64_t left = std::max<std::int64_t>({0, dx, dx - sx0});
    const std::int64_t top = std::max<std::int64_t>({0, dy, dy - sy0});
    const std::int64_t right = std::min<std::int64_t>({dx + dw, tw, dx - sx0 + sw});
    const std::int64_t bottom = std::min<std::int64_t>({dy + dh, th, dy - sy0 + sh});
    for (std::int64_t ty = top; ty < bottom; ++ty) {
        const std::int64_t sy = ty - dy + sy0;
        for (std::int64_t tx = left; tx < right; ++tx) {
            const std::int64_t sx = tx - dx + sx0;
            std::uint32_t pixel = 0;
            std::uint32_t add = 0;
            std::memcpy(&pixel, t + ty * tStride + 4 * tx, 4);
            std::memcpy(&add, s + sy * sStride + 4 * sx, 4);
            pixel |= add & 0x00FFFFFF;
            std::memcpy(t + ty * tStride + 4 * tx, &pixel, 4);
        }
    }
    cairo_surface_mark_dirty(target->image);
}

void blendRect(Surface* target, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
               Surface* source, std::int32_t sourceX, std::int32_t sourceY, std::uint8_t alpha) {
    if (width <= 0 || height <= 0 || !source || !source->image) return;
    cairo_t* cr = contextOf(target);
    if (!cr) return;
    cairo_surface_mark_dirty(source->image);
    cairo_rectangle(cr, x, y, width, height);
    cairo_clip(cr);
    cairo_set_source_surface(cr, source->image, double(x) - sourceX, double(y) - sourceY);
    cairo_paint_with_alpha(cr, alpha / 255.0);
    release(target, cr);
}

void stretchRect(Surface* target, std::int32_t width, std::int32_t height, Surface* source,
                 std::int32_t sourceWidth, std::int32_t sourceHeight, StretchMode mode) {
    if (width <= 0 || height <= 0 || sourceWidth <= 0 || sourceHeight <= 0 || !source || !source->image) return;
    cairo_t* cr = contextOf(target);
    if (!cr) return;
    cairo_surface_mark_dirty(source->image);
    cairo_rectangle(cr, 0, 0, width, height);
    cairo_clip(cr);
    cairo_scale(cr, double(width) / sourceWidth, double(height) / sourceHeight);
    cairo_set_source_surface(cr, source->image, 0, 0);
    cairo_pattern_t* pattern = cairo_get_source(cr);
    // COLORONCOLOR keeps whole pixels; HALFTONE smooths, as a bilinear filter does.
    cairo_pattern_set_filter(pattern, mode == StretchMode::Halftone ? CAIRO_FILTER_GOOD : CAIRO_FILTER_NEAREST);
    cairo_pattern_set_extend(pattern, CAIRO_EXTEND_PAD);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_paint(cr);
    release(target, cr);
}

void fillBlack(Surface* target, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height) {
    if (width <= 0 || height <= 0) return;
    fillRect(target, x, y, std::int32_t(std::int64_t{x} + width), std::int32_t(std::int64_t{y} + height), 0);
}

void fillRect(Surface* target, std::int32_t left, std::int32_t top, std::int32_t right, std::int32_t bottom,
              Colour colour) {
    if (right <= left || bottom <= top) return;
    cairo_t* cr = contextOf(target);
    if (!cr) return;
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    setColour(cr, colour);
    cairo_rectangle(cr, left, top, double(right) - left, double(bottom) - top);
    cairo_fill(cr);
    release(target, cr);
}

void setTextColour(Surface* target, Colour colour) { target->textColour = colour; }
void setBackColour(Surface* target, Colour colour) { target->backColour = colour; }
void setBackgroundMode(Surface* target, BackgroundMode mode) { target->backgroundMode = mode; }

void drawText(Surface* target, std::int32_t x, std::int32_t y, const char* text, std::int32_t length) {
    if (length <= 0) return;
    cairo_t* cr = contextOf(target);
    if (!cr) return;
    Font* font = target->font ? target->font : defaultFont();
    const std::string utf8 = utf8FromWindows1252(text, static_cast<std::size_t>(length));
    PangoLayout* layout = pango_cairo_create_layout(cr);
    pango_layout_set_font_description(layout, font->description);
    pango_layout_set_text(layout, utf8.c_str(), static_cast<int>(utf8.size()));
    if (font->underline || font->strikeOut) {
        PangoAttrList* attributes = pango_attr_list_new();
        if (font->underline) pango_attr_list_insert(attributes, pango_attr_underline_new(PANGO_UNDERLINE_SINGLE));
        if (font->strikeOut) pango_attr_list_insert(attributes, pango_attr_strikethrough_new(TRUE));
        pango_layout_set_attributes(layout, attributes);
        pango_attr_list_unref(attributes);
    }
    // GDI puts the top of the cell at (x, y) and turns the text about that point.
    cairo_translate(cr, x, y);
    if (font->escapement) cairo_rotate(cr, -font->escapement * G_PI / 1800.0);
    const double baseline = pango_layout_get_baseline(layout) / double(PANGO_SCALE);
    const double top = font->ascent - baseline;
    if (target->backgroundMode == BackgroundMode::Opaque) {
        int w = 0;
        int h = 0;
        pango_layout_get_pixel_size(layout, &w, &h);
        setColour(cr, target->backColour);
        cairo_rectangle(cr, 0, 0, w, std::max<double>(h + top, 0));
        cairo_fill(cr);
    }
    setColour(cr, target->textColour);
    cairo_move_to(cr, 0, top);
    pango_cairo_show_layout(cr, layout);
    g_object_unref(layout);
    release(target, cr);
}

Font* createFont(const char* face, std::int32_t height, std::int32_t weight, bool italic, bool underline,
                 bool strikeOut, std::int32_t escapement) {
    return makeFont(utf8FromWindows1252(face), height, weight, italic, underline, strikeOut, escapement);
}

Font* selectFont(Surface* target, Font* font) {
    Font* previous = target->font ? target->font : defaultFont();
    target->font = font;
    return previous;
}

void deleteFont(Font* font) {
    if (!font || font == defaultFont()) return;
    pango_font_description_free(font->description);
    delete font;
}

void flushDrawing(std::int32_t, std::int32_t, std::int32_t, std::int32_t) {
    Surface* board = gameState.drawing.boardSurface;
    if (board && board->image) cairo_surface_flush(board->image);
}

cairo_surface_t* surfaceImage(Surface* s) { return s ? s->image : nullptr; }
