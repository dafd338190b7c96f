// configuration.h -- the configuration file: settings, includes, and the decoration lines it passes on.
#pragma once

#include <cstdio>
#include <string>

// The script file that receives every line that sets nothing: in the current folder, prefix + this
// process's number + ".txt", so that two copies of the game started together never share one; or, when
// the current folder cannot be written, the second prefix in a private folder of the player's. It is
// created only where nothing stands, and held by this run until it is deleted.
extern const char kScriptFilePrefix[];           // "instr-"
extern const char kTemporaryScriptFilePrefix[];  // "cinquor-instr-"
std::string scriptFileName();                     // "instr-<number>.txt"

// The script file of this run, chosen by readConfiguration; the decoration script reads it and deletes
// it. Before any configuration was read, scriptFileName().
const char* scriptFilePath();
// The script file created again at the same place, for a replay; null when it cannot be.
std::FILE* recreateScriptFile();
// Deletes the script file and lets it go.
void deleteScriptFile();

// Lower-cases A-Z, folds é ê à â, deletes blanks, tabs and underscores; text inside double quotes stays
// exactly as written. In place.
void normaliseLine(char* line);

// Reads the configuration file at `path` into the settings of gameState, following "inclure=" lines, and
// writes the lines that set nothing to the script file. A missing file changes nothing.
void readConfiguration(const char* path);
