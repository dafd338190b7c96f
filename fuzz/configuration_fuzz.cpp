// configuration_fuzz.cpp -- the configuration reader on any file. The input up to its first NUL byte is
// Config.txt; what follows is inc.txt, which the first may include.
#include <cstring>
#include <fstream>
#include <string>

#include "config/configuration.h"
#include "fuzz/fuzz_support.h"
#include "tests/unit/temp_dir.h"
#include "game/game_state.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::freshProgram();
    writeFile("Config.txt", fuzz::firstPart(data, size));
    writeFile("inc.txt", fuzz::secondPart(data, size));
    readConfiguration("Config.txt");
    const Settings& s = gameState.settings;
    fuzz::check(std::memchr(s.imagefond, 0, sizeof s.imagefond) != nullptr, "the background path ends");
    fuzz::check(std::memchr(s.imagedes, 0, sizeof s.imagedes) != nullptr, "the dice path ends");
    fuzz::check(s.textegras == 0 || s.textegras == 1, "textegras is yes or no");
    fuzz::check(s.filtrage == 0 || s.filtrage == 1, "filtrage is yes or no");
    // Every line of the script file is a normalised line of at most 998 characters.
    std::ifstream script(scriptFileName(), std::ios::binary);
    std::string line;
    while (std::getline(script, line)) fuzz::check(line.size() <= 999, "script lines are cut at 998");
    return 0;
}
