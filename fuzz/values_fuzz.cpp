// values_fuzz.cpp -- the value grammars on any text, at several colour scales.
#include <cstring>
#include <string>

#include "config/values.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);  // cut at a NUL, as the game reads
    const std::int32_t scales[] = {255, 100, 0, -1, 1, INT32_MIN, INT32_MAX, readInteger(text.c_str())};
    for (std::int32_t scale : scales) {
        const Colour colour = parseColour(text.c_str(), scale);
        fuzz::check((colour & 0xFF000000u) == 0, "a colour keeps its top byte zero");
        std::int32_t mode = 7;
        std::int32_t level = 99;
        parseBlendMode(text.c_str(), scale, mode, level);
        fuzz::check(mode == 7 || (mode >= 0 && mode <= 4), "a blend mode is 0 to 4 or unchanged");
    }
    const std::int32_t yes = parseYesNo(text.c_str());
    fuzz::check(yes == 0 || yes == 1, "yes/no is 0 or 1");
    readInteger(text.c_str());
    return 0;
}
