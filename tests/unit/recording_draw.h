// recording_draw.h -- the drawing seam as a recorder: every operation is kept, in order, with the font
// and colours in force on its surface, and pixel sections get real memory.
#pragma once

#include <cstdint>
#include <map>
#include <utility>
#include <string>
#include <vector>

#include "render/draw.h"

namespace recording {

enum class Kind {
    BeginPaint, EndPaint, Repaint, Copy, CopyOr, Blend, Stretch, FillBlack, FillRect, Text, LoadImage,
    SurfaceError, Flush
};

struct FontSpec {
    std::string face;
    std::int32_t height, weight;
    bool italic, underline, strikeOut;
    std::int32_t escapement;
};

struct Op {
    Kind kind = Kind::Flush;
    int surface = 0;  // id of the target surface
    std::int32_t x = 0, y = 0, width = 0, height = 0;
    int source = 0;  // id of the source surface
    std::int32_t sourceX = 0, sourceY = 0, sourceWidth = 0, sourceHeight = 0;
    std::string text;         // drawn text, loaded file, error text
    Colour colour = 0;        // text colour, fill colour
    Colour backColour = 0;    // for Text
    int font = 0;             // for Text: id of the current font
    BackgroundMode mode = BackgroundMode::Opaque;  // for Text
    int extra = 0;            // blend alpha, stretch mode
};

struct SurfaceState {
    int font = 1;  // the surface's own system font
    Colour text = 0x000000;
    Colour back = 0xFFFFFF;
    BackgroundMode mode = BackgroundMode::Opaque;
    int bitmap = 0;
    std::int32_t width = 0, height = 0;  // of the bitmap attached
    bool section = false;
};

struct Recorder {
    std::vector<Op> ops;
    std::map<int, SurfaceState> surfaces;           // 1 is the window
    std::map<int, FontSpec> fonts;                  // every font made, by id, deleted or not
    std::map<int, bool> liveFonts;                  // the fonts not deleted yet
    std::map<int, std::vector<unsigned char>> sectionMemory;
    std::map<int, std::pair<std::int32_t, std::int32_t>> sectionSizes;
    int nextId = 100;
    int fontsCreated = 0;
    int fontsDeleted = 0;
    bool refuseSections = false;  // the platform makes no pixel section
    bool keepOps = true;          // false: only count the operations, storing nothing
    long opCount = 0;
    std::int32_t clientWidth = 511;
    std::int32_t clientHeight = 446;
};

extern Recorder recorder;

void reset();
int id(const Surface* s);
int id(const Font* f);
Surface* windowSurface();
void* window();
// The operations of `kind`, in order, optionally only those on `surface`.
std::vector<Op> opsOf(Kind kind, int surface = 0);

}  // namespace recording
