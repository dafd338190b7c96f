// shell.h -- the arithmetic of the window shell that needs no window: arguments, the program's folder,
// pointer scaling, the menu's toggles and the Options dialog's fields.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr std::size_t kConfigPathSize = 1000;

// Copies a 16-bit argument into 8-bit text by the low byte of each code unit. An argument that does not
// fit in `size` bytes with its terminator is refused: `dest` becomes empty, and false is returned.
bool narrowArgument(char* dest, std::size_t size, const wchar_t* source);

// Cuts a program path at its last backslash, unless that is its first character; a path without one
// stays whole. In place.
void keepDirectory(wchar_t* path);

// A client position mapped into board coordinates: x * initialWidth / clientWidth, likewise y.
// False when the client area has no width or height (the position then means nothing).
bool scaleToBoard(std::uint32_t lParam, std::int32_t clientWidth, std::int32_t clientHeight,
                  std::int32_t& x, std::int32_t& y);

// The logical board size is the client size seen over the first ten messages of the window.
void captureClientSize(std::int32_t clientWidth, std::int32_t clientHeight);

// The menu's five check items. "Arrière-plan" and "Aide contextuelle" hold any number and toggle to 1
// minus it; the other three swap 0 and 1.
enum class Toggle { Background, Filtering, ContextHelp, Animations, Warnings };
constexpr Toggle kToggles[] = {Toggle::Background, Toggle::Filtering, Toggle::ContextHelp, Toggle::Animations,
                               Toggle::Warnings};

// Flips the setting behind `toggle` and returns whether its item is now checked.
bool applyToggle(Toggle toggle);
// Whether the item of `toggle` is checked for the setting as it stands.
bool toggleChecked(Toggle toggle);

// What every message's prologue does to the shell's state, before the message is handled: a timer changed
// by the Options dialog is to be restarted (the flag is cleared), and animations cannot run at more than a
// second a frame (they are switched off, and the message that found them on is dropped). The caller
// restarts its timer and takes the mark off "Animations" as the answer says.
struct PrologueSteps {
    bool restartTimer;
    bool dropMessage;
};
PrologueSteps runPrologue();

// The configuration file the game reads: `argument` (the first on the command line, or null for none)
// when it fits in `size` bytes with its terminator, "Config.txt" without one, and an empty name, which no
// file has, for one too long (a cut path would name another file).
void chooseConfigPath(char* out, std::size_t size, const char* argument);

// True while a game is under way: some category written, not all.
bool gameUnderWay();

// The values the Options dialog applies on OK, from the texts of its three fields.
void applyOptions(const char* timing, const char* rolls, const char* passes);

// "Joué %05i fois" for the About dialog.
void formatGamesPlayed(char* out, std::size_t size);
