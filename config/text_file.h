// text_file.h -- line-by-line reading of the game's text files, the same on every platform.
#pragma once

#include <cstddef>
#include <cstdio>

// Characters a line holds before its break; the rest of a longer physical line is skipped.
constexpr std::size_t kMaxLineLength = 998;
constexpr std::size_t kLineBufferSize = 1000;

// Included files open at once above the main one, and included files opened in one reading in all. The
// second bound keeps a file that includes itself on several lines from branching into billions of reads.
constexpr int kMaxIncludeDepth = 10;
constexpr int kMaxIncludedFiles = 1000;

// Opens a file for reading bytes, found as Windows would find it (hostPath); null when it can't be opened
// or is a folder.
std::FILE* openForReading(const char* path);

// Reads the next line into `line` (kLineBufferSize bytes) without its break; a CR LF pair is one break.
// False at the end of the file: a last line that doesn't end in a break is not returned.
bool readLine(std::FILE* file, char* line);
