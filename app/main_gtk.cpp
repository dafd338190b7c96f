// main_gtk.cpp -- main on Linux: the working folder, the saved state and configuration, the window, the loop.
#include <glib-unix.h>
#include <signal.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <system_error>

#include "app/app_gtk.h"
#include "app/saved_state.h"
#include "app/shell.h"
#include "config/configuration.h"
#include "game/int32.h"
#include "render/surfaces.h"
#include "render/text_encoding.h"

namespace {

char configPath[kConfigPathSize];

// The program's own folder becomes the working folder, so that its files are found wherever it was
// started from: the folder of /proc/self/exe, or of argument 0 when that cannot be read.
void enterProgramFolder(const char* argument0) {
    std::error_code error;
    std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) program = std::filesystem::absolute(argument0, error);
    if (!error && program.has_parent_path()) std::filesystem::current_path(program.parent_path(), error);
}

// The end of a session: a log-out sends SIGHUP or SIGTERM, a terminal's ^C SIGINT. The state is saved as
// when the window is closed. Before the window exists nothing has changed yet: the run just ends.
gboolean sessionEnds(gpointer) {
    if (gtkShell.window) endGame();
    std::exit(0);
}

}  // namespace

int main(int argc, char** argv) {
    // Without a display there is no window to make: said once, in the player's language, and the run
    // ends as when Windows cannot create the window, with 0 and the saved state untouched.
    if (!gtk_init_check(&argc, &argv)) {
        std::fprintf(stderr, "%s\n",
                     utf8FromWindows1252("Le cinquor : pas d'écran graphique, le jeu ne peut pas s'ouvrir.").c_str());
        return 0;
    }
    for (int signal : {SIGTERM, SIGHUP, SIGINT}) g_unix_signal_add(signal, sessionEnds, nullptr);
    watchForDisplayLoss();
    if (argc > 0) enterProgramFolder(argv[0]);
    if (argc > 1 && std::strlen(argv[1]) < sizeof configPath) {
        std::strcpy(configPath, argv[1]);
    } else if (argc > 1) {
        configPath[0] = '\0';  // a cut path would name another file: one that cannot be opened
    } else {
        std::strcpy(configPath, "Config.txt");
    }

    gameState.shell.timerChanged = 0;
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    removeLeftovers();
    loadSavedState();
    readConfiguration(configPath);
    createFonts();
    gameState.game.gamesPlayed = int32::add(gameState.game.gamesPlayed, 1);
    if (!createMainWindow()) return 0;
    gtk_main();
    return 0;
}
