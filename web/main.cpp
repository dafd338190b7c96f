// main.cpp -- main in the browser: the page's folder, the saved state and configuration, then the page
// runs the game through its events. The first argument is the look the page's query names.
#include <emscripten.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <system_error>

#include "web/app.h"
#include "app/message_box.h"
#include "app/saved_state.h"
#include "app/shell.h"
#include "config/configuration.h"
#include "game/int32.h"
#include "web/draw.h"
#include "render/surfaces.h"

namespace {

char configPath[kConfigPathSize];

EM_JS(char*, jsPageFiles, (), { return allocateUTF8(Module.cinquorPage.files.join("\n")); });
EM_JS(int, jsDeviceScale, (), { return Module.cinquorPage.deviceScale(); });

}  // namespace

int main(int argc, char** argv) {
    // The game's folder: the page's files are found there, as beside the programs.
    std::error_code error;
    std::filesystem::create_directories("/jeu", error);
    std::filesystem::current_path("/jeu", error);
    char* names = jsPageFiles();
    listPageFiles(names);
    std::free(names);
    chooseConfigPath(configPath, sizeof configPath, argc > 1 ? argv[1] : nullptr);
    setDeviceScale(jsDeviceScale());

    gameState.shell.timerChanged = 0;
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    if (!restoreSavedStateFile()) {
        showMessageBox(nullptr,
                       "Le record gardé par ce navigateur n'a pas pu être lu. Il est mis de côté "
                       "(le-cinquor/dezo.sav.illisible) et une nouvelle sauvegarde commence.",
                       "Sauvegarde illisible", kBoxOk | kBoxIconExclamation);
    }
    removeLeftovers();
    loadSavedState();
    readConfiguration(configPath);
    createFonts();
    gameState.game.gamesPlayed = int32::add(gameState.game.gamesPlayed, 1);
    startPage();
    return 0;
}
