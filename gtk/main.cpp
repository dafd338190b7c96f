// main.cpp -- main on Linux: the working folder, the saved state and configuration, the window, the loop.
#include <glib-unix.h>
#include <signal.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <system_error>

#include "gtk/app.h"
#include "app/saved_state.h"
#include "app/shell.h"
#include "config/configuration.h"
#include "game/int32.h"
#include "render/surfaces.h"
#include "render/text_encoding.h"

namespace {

char configPath[kConfigPathSize];

// The game's files become the working folder, so that they are found wherever it was started from: the
// program's own folder (the folder of /proc/self/exe, or of argument 0 when that cannot be read) when the
// looks lie beside it, as in the archive; else the data folder of an install, found from the program's
// folder by the relative path the build knows, so that an install works under any prefix.
void enterGameFolder(const char* argument0) {
    namespace fs = std::filesystem;
    std::error_code error;
    fs::path program = fs::read_symlink("/proc/self/exe", error);
    if (error) program = fs::absolute(argument0, error);
    if (error || !program.has_parent_path()) return;
    const fs::path folder = program.parent_path();
    const fs::path installed = folder / CINQUOR_DATA_FROM_PROGRAM;
    const bool beside = fs::exists(folder / "Config.txt", error);
    fs::current_path(!beside && fs::is_directory(installed, error) ? installed : folder, error);
}

// "le-cinquor --help": what the command does, in French, in the terminal's UTF-8. False when it could not
// be written (a full disk, a closed pipe).
bool printHelp() {
    const char* const lines[] = {
        "Utilisation : le-cinquor [APPARENCE]",
        "Le cinquor, un jeu de dés : cinq dés, trois lancers, quinze cases à remplir.",
        "",
        "  APPARENCE      le fichier de configuration à lire dans le dossier du jeu :",
        "                 Config.txt par défaut ; nuit.txt, contraste.txt et casino.txt",
        "                 sont fournis",
        "  -h, --help     affiche cette aide et quitte",
        "  --version      affiche la version et quitte",
        "",
        "Le record, les réglages et le nombre de parties sont gardés dans",
        "$XDG_DATA_HOME/le-cinquor/dezo.sav (~/.local/share/le-cinquor/dezo.sav par défaut).",
        "Les touches et le langage des apparences : man le-cinquor.",
    };
    for (const char* line : lines) std::printf("%s\n", utf8FromWindows1252(line).c_str());
    return std::fflush(stdout) == 0 && !std::ferror(stdout);
}

// Answers the options that need no window, wherever they stand among the arguments (GTK's own options
// may come first); 0 when the game is to start, else the exit code + 1.
int commandLine(int argc, char** argv) {
    for (int i = 1; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        const char* option = argv[i];
        if (std::strcmp(option, "--help") == 0 || std::strcmp(option, "-h") == 0) return printHelp() ? 1 : 2;
        if (std::strcmp(option, "--version") == 0) {
            std::printf("Le cinquor %s\n", CINQUOR_VERSION);
            return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 1 : 2;
        }
    }
    return 0;
}

// The end of a session: a log-out sends SIGHUP or SIGTERM, a terminal's ^C SIGINT. The state is saved as
// when the window is closed, but no box is opened: nobody is there to answer it. A save that fails is
// said on the standard error and the exit status is 1. Before the window exists nothing has changed yet:
// the run just ends.
gboolean sessionEnds(gpointer) {
    if (gtkShell.window && !writeSavedStateQuietly()) {
        std::fprintf(stderr, "%s\n", utf8FromWindows1252("Le cinquor : pas pu enregistrer le record et les réglages.").c_str());
        std::exit(1);
    }
    std::exit(0);
}

}  // namespace

int main(int argc, char** argv) {
    if (const int answered = commandLine(argc, argv)) return answered - 1;
    // One name for the desktop: the launcher, the icon, the X11 class and the Wayland app id.
    g_set_prgname(CINQUOR_APP_ID);
    const bool display = gtk_init_check(&argc, &argv);  // takes GTK's own options out of argv
    if (argc > 1 && argv[1][0] == '-') {
        // The option stays as the terminal wrote it; only the game's own words are converted.
        std::fprintf(stderr, "%s%s%s\n", utf8FromWindows1252("le-cinquor : option inconnue « ").c_str(), argv[1],
                     utf8FromWindows1252(" » ; le-cinquor --help dit les options.").c_str());
        return 2;
    }
    // Without a display there is no window to make: said once, in the player's language, and the run
    // ends as when Windows cannot create the window, with 0 and the saved state untouched.
    if (!display) {
        std::fprintf(stderr, "%s\n",
                     utf8FromWindows1252("Le cinquor : pas d'écran graphique, le jeu ne peut pas s'ouvrir.").c_str());
        return 0;
    }
    gdk_set_program_class(CINQUOR_APP_ID);
    gtk_window_set_default_icon_name(CINQUOR_APP_ID);  // the installed theme's icon, at every size
    for (int signal : {SIGTERM, SIGHUP, SIGINT}) g_unix_signal_add(signal, sessionEnds, nullptr);
    watchForDisplayLoss();
    if (argc > 0) enterGameFolder(argv[0]);
    chooseConfigPath(configPath, sizeof configPath, argc > 1 ? argv[1] : nullptr);

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
