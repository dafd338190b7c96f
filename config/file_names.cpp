// file_names.cpp -- paths written for Windows, found on a system whose file names are exact.
#include "config/file_names.h"

#include <filesystem>
#include <string>
#include <system_error>

namespace {

namespace fs = std::filesystem;

// A name as the configuration reader sees it: lower case, no spaces or underscores, é ê as e and à â as
// a. Names on the disk are UTF-8; names from the game's files are Windows-1252: a byte that does not
// start a valid two-byte UTF-8 sequence is taken as a Windows-1252 (Latin-1) character.
std::u32string folded(const std::string& name) {
    std::u32string out;
    for (std::size_t i = 0; i < name.size(); ++i) {
        char32_t c = static_cast<unsigned char>(name[i]);
        if (c >= 0xC2 && c <= 0xDF && i + 1 < name.size()) {
            const auto next = static_cast<unsigned char>(name[i + 1]);
            if ((next & 0xC0) == 0x80) {
                c = (c & 0x1F) << 6 | (next & 0x3F);
                ++i;
            }
        }
        if (c == ' ' || c == '_' || c == '\t') continue;
        if (c >= 'A' && c <= 'Z') c += 'a' - 'A';
        if (c >= 0xC0 && c <= 0xDE && c != 0xD7) c += 0x20;  // Latin-1 capitals
        if (c == 0xE9 || c == 0xEA) c = 'e';
        if (c == 0xE0 || c == 0xE2) c = 'a';
        out += c;
    }
    return out;
}

// The name in `folder` that `part` means, or an empty text when none does.
std::string matchIn(const fs::path& folder, const std::string& part) {
    const std::u32string wanted = folded(part);
    std::string best;
    std::error_code error;
    for (fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, error), end; !error && it != end;
         it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (folded(name) == wanted && (best.empty() || name < best)) best = name;
    }
    return best;
}

}  // namespace

std::string findWindowsPath(const char* path) {
    std::string text = path;
    for (char& c : text) {
        if (c == '\\') c = '/';
    }
    std::error_code error;
    if (text.empty() || fs::exists(text, error)) return text;

    fs::path found = text[0] == '/' ? fs::path("/") : fs::path();
    std::size_t start = 0;
    bool matching = true;  // false once a part matched nothing: the rest is kept as written
    while (start <= text.size()) {
        std::size_t end = text.find('/', start);
        if (end == std::string::npos) end = text.size();
        const std::string part = text.substr(start, end - start);
        start = end + 1;
        if (part.empty() || part == "." || part == "..") {
            if (!part.empty()) found /= part;
            continue;
        }
        if (matching && !fs::exists(found / part, error)) {
            const std::string name = matchIn(found, part);
            if (!name.empty()) {
                found /= name;
                continue;
            }
            matching = false;
        }
        found /= part;
    }
    return found.string();
}
