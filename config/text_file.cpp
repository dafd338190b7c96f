// text_file.cpp -- line-by-line reading of the game's text files, the same on every platform.
#include "config/text_file.h"

#include "config/file_names.h"

#include <filesystem>
#include <string>
#include <system_error>

std::FILE* openForReading(const char* path) {
    const std::string found = hostPath(path);
    std::error_code error;
    if (std::filesystem::is_directory(found, error)) return nullptr;
    return std::fopen(found.c_str(), "rb");
}

bool readLine(std::FILE* file, char* line) {
    std::size_t length = 0;
    bool endsInCr = false;  // the last byte read was a CR that the line holds
    for (;;) {
        const int c = std::fgetc(file);
        if (c == EOF) return false;  // end of file or a read error: the unfinished line is dropped
        if (c == '\n') break;
        // Bytes past the longest line are skipped, so a long line never turns into a line of its own.
        endsInCr = false;
        if (length < kMaxLineLength) {
            line[length++] = static_cast<char>(c);
            endsInCr = c == '\r';
        }
    }
    if (endsInCr) --length;  // CR LF is one line break
    line[length] = '\0';
    return true;
}
