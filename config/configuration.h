// configuration.h -- the configuration file: settings, includes, and the decoration lines it passes on.
#pragma once

// The script file that receives every line that sets nothing, in the current folder.
extern const char kScriptFileName[];

// The script file of this run: kScriptFileName, or, when the current folder cannot be written (a game
// unpacked where the player may not write), a file of this process's own in the temporary folder.
// Chosen by readConfiguration; the decoration script reads it and deletes it.
const char* scriptFilePath();

// Lower-cases A-Z, folds é ê à â, deletes blanks, tabs and underscores; text inside double quotes stays
// exactly as written. In place.
void normaliseLine(char* line);

// Reads the configuration file at `path` into the settings of gameState, following "inclure=" lines, and
// writes the lines that set nothing to the script file. A missing file changes nothing.
void readConfiguration(const char* path);
