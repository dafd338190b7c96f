// script_fuzz.cpp -- the decoration script on any file, drawn on the recording seam. The input up to
// its first NUL byte is instr.txt; what follows is inc.txt, which the first may include.
#include <filesystem>
#include <string>

#include "config/configuration.h"
#include "render/script_canvas.h"
#include "fuzz/fuzz_support.h"
#include "tests/unit/temp_dir.h"
#include "tests/unit/recording_draw.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::freshProgram();
    writeFile(scriptFileName(), fuzz::firstPart(data, size));
    writeFile("inc.txt", fuzz::secondPart(data, size));
    Surface* background = createMemorySurface(nullptr);
    runDecorationScript(background);
    const recording::Recorder& r = recording::recorder;
    fuzz::check(r.liveFonts.empty(), "every font the script made is released");
    fuzz::check(r.surfaces.at(recording::id(background)).font == 1, "the surface has its own font back");
    fuzz::check(!std::filesystem::exists(scriptFileName()), "the script file is deleted");
    for (const recording::Op& op : r.ops) {
        if (op.kind == recording::Kind::Text) fuzz::check(op.text.size() <= 998, "texts fit in a line");
        // The recorder's width and height wrap at 32 bits; a fill is drawn only when right > left and
        // bottom > top, so neither is ever 0.
        if (op.kind == recording::Kind::FillRect) fuzz::check(op.width != 0 && op.height != 0, "no empty fill");
    }
    return 0;
}
