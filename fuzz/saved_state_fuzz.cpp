// saved_state_fuzz.cpp -- the saved-state reader on any file, then a write and a read back.
#include <string>

#include "app/saved_state.h"
#include "fuzz/fuzz_support.h"
#include "game/game_state.h"
#include "tests/unit/fake_platform.h"
#include "tests/unit/fake_store.h"
#include "tests/unit/temp_dir.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::freshProgram();
    fake::store = fake::Store{};
    std::filesystem::create_directories("saves");
    writeFile(fake::store.path, std::string(reinterpret_cast<const char*>(data), size));
    loadSavedState();
    const std::size_t boxes = fake::platform.boxes.size();
    fuzz::check(boxes == (size < 44 ? 1u : 0u), "an old file, and only an old file, is announced");
    if (size < 44) fuzz::check(gameState.shell.warningsOn == 1, "warnings are on after an old file");

    const GameState loaded = gameState;
    writeSavedState(nullptr);
    fuzz::check(readFile(fake::store.path).size() == 44, "the file is written whole");
    fake::reset();
    loadSavedState();
    fuzz::check(gameState.game.record == loaded.game.record && gameState.game.gamesPlayed == loaded.game.gamesPlayed &&
                    gameState.settings.timer == loaded.settings.timer &&
                    gameState.shell.warningsOn == loaded.shell.warningsOn,
                "the values read back are the values written");
    return 0;
}
